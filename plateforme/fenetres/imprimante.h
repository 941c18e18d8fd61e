#pragma once

// Printing: sheets on which pictures are drawn into rectangles given in twips
// from the sheet's top-left corner. Documents go to the system's default
// printer; a system without any printer gets a PDF file instead.

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QString>
#include <memory>

namespace plateforme {

// The only settings the suite gives a printer.
struct ReglagesImpression {
    QPageSize::PageSizeId papier = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    bool couleur = true;
    bool operator==(const ReglagesImpression&) const = default;
};

class Imprimante {
public:
    virtual ~Imprimante() = default;

    // Before anything is drawn.
    virtual void regler(const ReglagesImpression& reglages) = 0;
    // Draws `image` stretched into `cadre` (twips) on the current sheet.
    void dessinerImage(const QImage& image, const QRect& cadre);
    // Ends the current sheet; the next drawing starts a new one. A sheet on
    // which nothing is drawn is never printed, so a last `nouvellePage` before
    // `terminer` adds no blank sheet.
    void nouvellePage();
    // Ends the document, which goes to the printer. False when it failed.
    bool terminer();

    // The file the document went to when it is one (a system without a
    // printer); empty for a printer, or when nothing was printed.
    virtual QString fichier() const { return {}; }
    // Whether the document goes to a file rather than paper: a file has no
    // unprintable margin to measure places from.
    virtual bool versFichier() const { return false; }
    int feuillesCommencees() const { return feuilles_; }

protected:
    virtual void dessiner(const QImage& image, const QRect& cadre) = 0;
    virtual void nouvelleFeuille() = 0;
    virtual bool finir() = 0;

private:
    int feuilles_ = 0;
    bool feuilleFinie_ = false;
};

// Where a page is drawn on an A4 landscape sheet, in twips from the corner of
// a printer's printable area.
inline const QRect kCadreFeuille(60, 60, 16000, 11500);
// The page's place on the sheets of `imprimante`: kCadreFeuille on paper; a
// file, which has no unprintable margin, gets it centred.
QRect cadreSurLaFeuille(const Imprimante& imprimante);

// `chemin`, or the first of "name (2).pdf", "name (3).pdf" ... that does not
// exist yet: a print never overwrites the one before.
QString cheminLibre(const QString& chemin);

// The printer a document goes to: the system's default printer (its first
// one when none is marked default), or, on a system without any, the PDF file
// `pdfDeSecours`.
std::unique_ptr<Imprimante> ouvrirImprimante(const QString& pdfDeSecours);

// A document written to the PDF file `chemin`, whatever printers there are.
std::unique_ptr<Imprimante> imprimantePdf(const QString& chemin);

} // namespace plateforme
