#pragma once

// A printer for the tests: it records what would be printed.

#include "plateforme/fenetres/imprimante.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

namespace plateforme {

// What a recording printer saw of one document.
struct DessinImprime {
    QRect cadre;   // twips
    QSize taille;  // the picture's size in pixels
    QImage apercu; // the picture, at most 160 pixels wide
};
struct DocumentImprime {
    ReglagesImpression reglages;
    bool regle = false;
    QList<QList<DessinImprime>> feuilles;
    bool termine = false;
};

// A printer that records into `journal` instead of printing.
class ImprimanteEnregistreuse : public Imprimante {
public:
    // `versFichier`: it stands for the PDF written where there is no printer.
    explicit ImprimanteEnregistreuse(QList<DocumentImprime>* journal, bool versFichier = false);
    bool versFichier() const override { return versFichier_; }
    void regler(const ReglagesImpression& reglages) override;

protected:
    void dessiner(const QImage& image, const QRect& cadre) override;
    void nouvelleFeuille() override;
    bool finir() override;

private:
    DocumentImprime& document() { return journal_->last(); }
    QList<DocumentImprime>* journal_;
    bool versFichier_;
};

} // namespace plateforme
