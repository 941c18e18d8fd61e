#include "plateforme/fenetres/imprimante.h"

#include <QDir>
#include <QFileInfo>
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

QRect cadreSurLaFeuille(const Imprimante& imprimante) {
    if (!imprimante.versFichier())
        return kCadreFeuille;
    // A4 in landscape, in twips.
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter) / 25.4 * kTwipsParPouce;
    return QRect(qRound((a4.height() - kCadreFeuille.width()) / 2),
                 qRound((a4.width() - kCadreFeuille.height()) / 2), kCadreFeuille.width(),
                 kCadreFeuille.height());
}

QString cheminLibre(const QString& chemin) {
    const QFileInfo info(chemin);
    QString libre = chemin;
    for (int n = 2; QFileInfo::exists(libre); ++n)
        libre = info.dir().filePath(
            u"%1 (%2).%3"_qs.arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    return libre;
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
