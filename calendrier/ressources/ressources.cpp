#include "calendrier/ressources/ressources.h"

namespace ressources {

QImage ornement(Coin coin) {
    const QImage gauche(u":/calendrier/ornement.png"_qs);
    return coin == Coin::BasGauche ? gauche : gauche.mirrored(true, false);
}

} // namespace ressources
