#include "calendrier/coquille/copyright.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/fenetres/disposition.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVersionNumber>

using plateforme::Style;

namespace {

// The version information: company and legal copyright.
const QString kSociete = u"Quivex"_qs;
const QString kDroits = u"© 2025 Quivex. Tous droits réservés."_qs;

const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kGris(0x5b, 0x63, 0x70);

const QString kStyle = uR"(
Copyright { background: #ffffff; }
QFrame#Frame1 { border: 1px solid #d9d2c3; border-top: 6px solid #23395b; border-radius: 2px; }
QProgressBar { border: none; background: #e7e2d7; border-radius: 4px; }
QProgressBar::chunk { background: #d9a441; border-radius: 4px; }
)"_qs;

} // namespace

QString ligneVersion(const QString& version) {
    const QVersionNumber v = QVersionNumber::fromString(version.trimmed());
    return u"Version %1.%2.%3"_qs.arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

Copyright::Copyright(calendrier::Pilote& pilote) : pilote_(pilote) {
    setObjectName(u"Copyright"_qs);
    setWindowTitle(u"Calendrier"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kStyle);
    const auto etiquette = [](QLabel& l, const QString& nom, int haut, double points,
                              plateforme::Styles styles, QColor couleur, int gauche = 2580,
                              int largeur = 4500) {
        return plateforme::Dessin{.controle = &l,
                                  .nom = nom,
                                  .gauche = gauche,
                                  .haut = haut,
                                  .largeur = largeur,
                                  .hauteur = static_cast<int>(points * 20 * 1.5),
                                  .points = points,
                                  .styles = styles | Style::Transparent,
                                  .couleur = couleur};
    };
    plateforme::appliquerDisposition(
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
                  etiquette(LabelNom, u"LabelNom"_qs, 720, 26, Style::Gras, kEncre),
                  etiquette(LabelVersion, u"LabelVersion"_qs, 1560, 11, Style::Aucun, kEncre),
                  etiquette(LabelCopyright, u"LabelCopyright"_qs, 1980, 9, Style::Aucun, kGris),
                  etiquette(LabelCopyright1[0], plateforme::nomElement(u"LabelCopyright1"_qs, 0),
                            2280, 9, Style::Aucun, kGris),
                  etiquette(LabelMiseEnGarde, u"LabelMiseEnGarde"_qs, 2700, 9, Style::Aucun, kGris),
                  etiquette(LabelContinu[0], plateforme::nomElement(u"LabelContinu"_qs, 0), 3180, 9,
                            Style::Italique, kGris, 480, 6540),
                  {.controle = &ProgressBar1,
                   .nom = u"ProgressBar1"_qs,
                   .gauche = 480,
                   .haut = 3600,
                   .largeur = 6540,
                   .hauteur = 180},
              });
    LabelVersion.setText(u"Version"_qs);
    imgLogo.charger(ressources::cheminLogo());
    ProgressBar1.setRange(0, 100);
    ProgressBar1.setValue(0);
    ProgressBar1.setTextVisible(false);
    resize(plateforme::pixels(7500), plateforme::pixels(4500));
    connect(&Timer1, &QTimer::timeout, this, &Copyright::Timer1_Timer);
}

void Copyright::Form_Load() {
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    FormZoomed::PremierPlan(this);
    show();
    LabelNom.setText(u"CALENDRIER"_qs);
    LabelVersion.setText(ligneVersion(QStringLiteral(QUIVEX_VERSION)));
    const QString societe = QCoreApplication::organizationName().isEmpty()
                                ? kSociete
                                : QCoreApplication::organizationName();
    LabelCopyright.setText(u"Un logiciel conçu par "_qs + societe + u"  "_qs);
    LabelCopyright1[0].setText(u"Copyright "_qs + kDroits + u"  "_qs);
    LabelContinu[0].setText(u"Chargement Des paramètres, Patientez"_qs);
    LabelMiseEnGarde.setText(QString());
    compteur_ = 1;
    Timer1.start(pilote_.services().intervalleSplash);
}

void Copyright::Timer1_Timer() {
    ProgressBar1.setValue(compteur_);
    if (++compteur_ < kFinCompteur)
        return;
    Timer1.stop();
    close();
    emit fini();
}
