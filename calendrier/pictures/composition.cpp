#include "calendrier/pictures/composition.h"

namespace images {

namespace {
QList<calendrier::Sortie>& demandes() {
    static QList<calendrier::Sortie> liste;
    return liste;
}
} // namespace

void passerALaComposition(Programme& /*programme*/, calendrier::Sortie sortie) {
    // The page window's continuations are wired here once they exist; until
    // then the request is kept, so the way the windows get here is seen.
    demandes() << sortie;
}

QList<calendrier::Sortie> compositionsDemandees() {
    return demandes();
}

void oublierCompositions() {
    demandes().clear();
}

} // namespace images
