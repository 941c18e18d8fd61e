#include "calendrier/ressources/ressources.h"

namespace ressources {

QImage ornement(Coin coin) {
    const QImage gauche(u":/calendrier/ornement.png"_qs);
    return coin == Coin::BasGauche ? gauche : gauche.mirrored(true, false);
}

QIcon imageBarre(int position) {
    if (position < 1 || position > kImagesBarre)
        return {};
    return QIcon(u":/calendrier/interface/barre%1.png"_qs.arg(position, 2, 10, QChar(u'0')));
}

QString cheminLogo() {
    return u":/calendrier/interface/logo.png"_qs;
}
QString cheminFond() {
    return u":/calendrier/interface/fond.jpg"_qs;
}
QString cheminAccueil() {
    return u":/calendrier/interface/accueil.png"_qs;
}

} // namespace ressources
