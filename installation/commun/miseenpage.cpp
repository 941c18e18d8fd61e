#include "installation/commun/miseenpage.h"

#include "plateforme/noyau/fichiertexte.h"

#include <QBitmap>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace installation {

QString champNombre(long long nombre) {
    return (nombre < 0 ? QString() : u" "_qs) + QString::number(nombre) + u' ';
}

bool ecrireForme(const QString& chemin, const Forme& forme) {
    const QStringList lignes{champNombre(std::llround(forme.largeurCoin)),
                             champNombre(std::llround(forme.hauteurCoin)),
                             champNombre(forme.largeur), champNombre(forme.hauteur)};
    return plateforme::reecrire(chemin, lignes) && plateforme::lireLignes(chemin) == lignes;
}

bool FormeFenetre(QWidget& fenetre, const QString& fichierForme) {
    plateforme::LecteurValeurs lecteur(fichierForme);
    double nombres[4] = {};
    for (double& n : nombres) {
        const auto v = lecteur.suivante();
        if (!v)
            return false;
        n = v->trimmed().toDouble();
        if (!(n > 0))
            return false;
    }
    const int largeur = static_cast<int>(nombres[2]);
    const int hauteur = static_cast<int>(nombres[3]);
    fenetre.setWindowFlag(Qt::FramelessWindowHint);
    fenetre.setFixedSize(largeur, hauteur);
    // Drawn without smoothing, the rounded rectangle is the exact set of
    // pixels that stay.
    QBitmap masque(largeur, hauteur);
    masque.fill(Qt::color0);
    QPainter p(&masque);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::color1);
    p.drawRoundedRect(QRectF(0, 0, largeur, hauteur), std::round(nombres[0]) / 2,
                      std::round(nombres[1]) / 2);
    p.end();
    fenetre.setMask(masque);
    return true;
}

bool PremierPlan(QWidget& fenetre, bool dessus) {
    const QRect avant = fenetre.geometry();
    const bool sansActiver = fenetre.testAttribute(Qt::WA_ShowWithoutActivating);
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating);
    // Changing a window's flags hides it; it comes back where it stood.
    fenetre.setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
    fenetre.setGeometry(avant);
    fenetre.show();
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, sansActiver);
    return fenetre.isVisible() &&
           fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == dessus;
}

} // namespace installation
