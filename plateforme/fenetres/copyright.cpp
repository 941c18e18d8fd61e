#include "plateforme/fenetres/copyright.h"

#include "plateforme/fenetres/disposition.h"

#include <QVersionNumber>

namespace plateforme {

QString ligneVersion(const QString& version) {
    const QVersionNumber v = QVersionNumber::fromString(version.trimmed());
    return u"Version %1.%2.%3"_qs.arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

namespace {

const QColor kGris(0x5b, 0x63, 0x70);

Dessin etiquette(QLabel& l, const QString& nom, int haut, double points, Styles styles,
                 QColor couleur, int gauche = 2580, int largeur = 4500) {
    return {.controle = &l,
            .nom = nom,
            .gauche = gauche,
            .haut = haut,
            .largeur = largeur,
            .hauteur = static_cast<int>(points * kTwipsParPoint * 1.5),
            .points = points,
            .styles = styles | Style::Transparent,
            .couleur = couleur};
}

} // namespace

FenetreCopyright::FenetreCopyright(const QString& legende, double pointsNom, QColor encre,
                                   QColor barre) {
    setObjectName(u"Copyright"_qs);
    setWindowTitle(legende);
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(uR"(
QWidget#Copyright { background: #ffffff; }
QFrame#Frame1 { border: 1px solid #d9d2c3; border-top: 6px solid %1; border-radius: 2px; }
QProgressBar { border: none; background: #e7e2d7; border-radius: 4px; }
QProgressBar::chunk { background: %2; border-radius: 4px; }
)"_qs.arg(encre.name(), barre.name()));
    appliquerDisposition(
        this, {
                  {.controle = &Frame1,
                   .nom = u"Frame1"_qs,
                   .gauche = 60,
                   .haut = 60,
                   .largeur = 7380,
                   .hauteur = 4380},
                  {.controle = &imgLogo,
                   .nom = u"imgLogo"_qs,
                   .gauche = 480,
                   .haut = 720,
                   .largeur = 1800,
                   .hauteur = 1800},
                  etiquette(LabelNom, u"LabelNom"_qs, 720, pointsNom, Style::Gras, encre),
                  etiquette(LabelVersion, u"LabelVersion"_qs, 1560, 11, Style::Aucun, encre),
                  etiquette(LabelCopyright, u"LabelCopyright"_qs, 1980, 9, Style::Aucun, kGris),
                  etiquette(LabelCopyright1[0], nomElement(u"LabelCopyright1"_qs, 0), 2280, 9,
                            Style::Aucun, kGris),
                  etiquette(LabelMiseEnGarde, u"LabelMiseEnGarde"_qs, 2700, 9, Style::Aucun, kGris),
                  etiquette(LabelContinu[0], nomElement(u"LabelContinu"_qs, 0), 3180, 9,
                            Style::Italique, kGris, 480, 6540),
                  {.controle = &ProgressBar1,
                   .nom = u"ProgressBar1"_qs,
                   .gauche = 480,
                   .haut = 3600,
                   .largeur = 6540,
                   .hauteur = 180},
              });
    LabelVersion.setText(u"Version"_qs);
    ProgressBar1.setRange(0, 100);
    ProgressBar1.setValue(0);
    ProgressBar1.setTextVisible(false);
    resize(pixels(7500), pixels(4500));
}

} // namespace plateforme
