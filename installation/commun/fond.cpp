#include "installation/commun/fond.h"

#include "plateforme/fenetres/disposition.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

using plateforme::Propriete;
using plateforme::Style;

namespace installation {

namespace {

const QColor kFond(0x1f, 0x5e, 0x3b);
const QColor kOmbre(0x0c, 0x26, 0x18);
const QColor kLettres(0xf6, 0xf3, 0xec);

plateforme::Dessin titre(QLabel& l, const QString& nom, const QColor& couleur,
                         const QString& legende = {}) {
    return {.controle = &l,
            .nom = nom,
            .largeur = 12000,
            .hauteur = 1200,
            .points = 40,
            .styles = Style::Gras | Style::Italique | Style::Transparent,
            .legende = legende,
            .couleur = couleur};
}

} // namespace

Fond::Fond() {
    setWindowTitle(u"Fond"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFond);
    setPalette(pal);
    setAutoFillBackground(true);
    const QString quivex = u"DE QUIVEX"_qs;
    plateforme::appliquerDisposition(this, {titre(Label1, u"Label1"_qs, kLettres),
                                            titre(Label2, u"Label2"_qs, kOmbre),
                                            titre(Label3, u"Label3"_qs, kOmbre, quivex),
                                            titre(Label4, u"Label4"_qs, kLettres, quivex)});
}

void Fond::Form_Load(const QString& dossierSource) {
    QDir::setCurrent(dossierSource);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        setGeometry(ecran->geometry());
    show();
    const double largeur = plateforme::twips(width());
    const double hauteur = plateforme::twips(height());
    const auto placer = [](QLabel& l, double gauche, double haut) {
        plateforme::ecrirePropriete(&l, Propriete::Left, gauche);
        plateforme::ecrirePropriete(&l, Propriete::Top, haut);
    };
    // Each face stands 100 twips up and left of its shadow.
    placer(Label1, 50, 50);
    placer(Label2, 150, 150);
    placer(Label4, largeur - 7300, hauteur - 1400);
    placer(Label3, largeur - 7200, hauteur - 1300);
    const QString nom =
        plateforme::lireLignes(QDir(dossierSource).filePath(u"Broxel.dll"_qs)).value(0).toUpper();
    Label1.setText(nom);
    Label2.setText(nom);
    Label1.raise();
    Label4.raise();
}

} // namespace installation
