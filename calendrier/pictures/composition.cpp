#include "calendrier/pictures/composition.h"

#include "calendrier/pages/aficheCalend.h"
#include "calendrier/programme.h"

namespace images {

namespace {
std::function<void(Programme&, calendrier::Sortie)>& relaisDeTest() {
    static std::function<void(Programme&, calendrier::Sortie)> relais;
    return relais;
}
} // namespace

void passerALaComposition(Programme& programme, calendrier::Sortie sortie) {
    if (relaisDeTest()) {
        relaisDeTest()(programme, sortie);
        return;
    }
    using enum calendrier::Sortie;
    AficheCalend& page = programme.aficheCalend();
    switch (sortie) {
    case ImprimanteMois:
        return page.TravailQuatre();
    case EcranMois:
        return page.TravailCinq();
    case ImprimanteAnnee:
        return page.TravailSix();
    case EcranAnnee:
        return page.TravailSept();
    }
}

void remplacerComposition(std::function<void(Programme&, calendrier::Sortie)> relais) {
    relaisDeTest() = std::move(relais);
}

} // namespace images
