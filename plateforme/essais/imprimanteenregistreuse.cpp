#include "plateforme/essais/imprimanteenregistreuse.h"

namespace plateforme {

ImprimanteEnregistreuse::ImprimanteEnregistreuse(QList<DocumentImprime>* journal, bool versFichier)
    : journal_(journal), versFichier_(versFichier) {
    journal_->append(DocumentImprime{});
}

void ImprimanteEnregistreuse::regler(const ReglagesImpression& reglages) {
    document().reglages = reglages;
    document().regle = true;
}

void ImprimanteEnregistreuse::dessiner(const QImage& image, const QRect& cadre) {
    if (document().feuilles.isEmpty())
        document().feuilles.append(QList<DessinImprime>{});
    const QImage apercu = image.width() > 160 ? image.scaledToWidth(160) : image;
    document().feuilles.last().append(DessinImprime{cadre, image.size(), apercu});
}

void ImprimanteEnregistreuse::nouvelleFeuille() {
    document().feuilles.append(QList<DessinImprime>{});
}

bool ImprimanteEnregistreuse::finir() {
    document().termine = true;
    return true;
}

} // namespace plateforme
