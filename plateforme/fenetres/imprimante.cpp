#include "plateforme/fenetres/imprimante.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace plateforme {

namespace {

constexpr double kTwipsParPouce = 1440.0;

// A QPrinter: the system's printer, or a PDF file.
class ImprimanteSysteme : public Imprimante {
public:
    ImprimanteSysteme(const QPrinterInfo& info, const QString& pdf)
        : imprimante_(info, QPrinter::HighResolution), pdf_(pdf) {
        if (info.isNull()) {
            imprimante_.setOutputFormat(QPrinter::PdfFormat);
            imprimante_.setOutputFileName(pdf);
        }
        // Places are measured from the sheet's corner, not the printable area's.
        imprimante_.setFullPage(true);
    }

    void regler(const ReglagesImpression& r) override {
        imprimante_.setPageSize(QPageSize(r.papier));
        imprimante_.setPageOrientation(r.orientation);
        imprimante_.setColorMode(r.couleur ? QPrinter::Color : QPrinter::GrayScale);
    }

    bool versFichier() const override { return imprimante_.outputFormat() == QPrinter::PdfFormat; }

    QString fichier() const override {
        return imprimante_.outputFormat() == QPrinter::PdfFormat && imprime_ ? pdf_ : QString();
    }

protected:
    void dessiner(const QImage& image, const QRect& cadre) override {
        if (!peintre_.isActive() && !peintre_.begin(&imprimante_))
            return;
        imprime_ = true;
        const double echelle = imprimante_.resolution() / kTwipsParPouce;
        const QRectF cible(cadre.x() * echelle, cadre.y() * echelle, cadre.width() * echelle,
                           cadre.height() * echelle);
        peintre_.setRenderHint(QPainter::SmoothPixmapTransform);
        peintre_.drawImage(cible, image);
    }

    void nouvelleFeuille() override {
        if (peintre_.isActive())
            imprimante_.newPage();
    }

    bool finir() override {
        if (!peintre_.isActive())
            return true; // nothing was drawn: no document
        return peintre_.end();
    }

private:
    QPrinter imprimante_;
    QString pdf_;
    QPainter peintre_;
    bool imprime_ = false;
};

} // namespace

void Imprimante::dessinerImage(const QImage& image, const QRect& cadre) {
    if (feuilles_ == 0) {
        feuilles_ = 1;
    } else if (feuilleFinie_) {
        nouvelleFeuille();
        ++feuilles_;
    }
    feuilleFinie_ = false;
    dessiner(image, cadre);
}

void Imprimante::nouvellePage() {
    if (feuilles_ > 0)
        feuilleFinie_ = true;
}

bool Imprimante::terminer() {
    return finir();
}

std::unique_ptr<Imprimante> ouvrirImprimante(const QString& pdfDeSecours) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> toutes = QPrinterInfo::availablePrinters();
        if (!toutes.isEmpty())
            info = toutes.first();
    }
    return std::make_unique<ImprimanteSysteme>(info, pdfDeSecours);
}

std::unique_ptr<Imprimante> imprimantePdf(const QString& chemin) {
    return std::make_unique<ImprimanteSysteme>(QPrinterInfo(), chemin);
}

} // namespace plateforme
