#include "installation/commun/copyright.h"

#include "installation/commun/langue.h"
#include "installation/commun/miseenpage.h"
#include "plateforme/fenetres/disposition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVersionNumber>

using plateforme::Style;

namespace installation {

namespace {

const QString kSociete = u"Quivex"_qs;
const QString kDroits = u"© 2025 Quivex. Tous droits réservés."_qs;
const Bilingue kPrefixeSociete{u"Un logiciel conçu par "_qs, u"Software designed by "_qs};
const Bilingue kContinu{u"Chargement Des paramètres, Patientez"_qs,
                        u"Loading Of parameters, Exercise patience"_qs};
const Bilingue kNomInstalleur{u"ADRESSE"_qs, u"ADDRESS"_qs};
const Bilingue kNomDesinstalleur{u"DESINSTALLATION"_qs, u"DÉSINSTALLATION"_qs};

const QColor kEncre(0x1f, 0x5e, 0x3b);
const QColor kGris(0x5b, 0x63, 0x70);

const QString kStyle = uR"(
installation--Copyright { background: #ffffff; }
QFrame#Frame1 { border: 1px solid #d9d2c3; border-top: 6px solid #1f5e3b; border-radius: 2px; }
QProgressBar { border: none; background: #e7e2d7; border-radius: 4px; }
QProgressBar::chunk { background: #3f8f5f; border-radius: 4px; }
)"_qs;

plateforme::Dessin etiquette(QLabel& l, const QString& nom, int haut, double points,
                             plateforme::Styles styles, QColor couleur, int gauche = 2580,
                             int largeur = 4500) {
    return {.controle = &l,
            .nom = nom,
            .gauche = gauche,
            .haut = haut,
            .largeur = largeur,
            .hauteur = static_cast<int>(points * plateforme::kTwipsParPoint * 1.5),
            .points = points,
            .styles = styles | Style::Transparent,
            .couleur = couleur};
}

} // namespace

QString ligneVersion(const QString& version) {
    const QVersionNumber v = QVersionNumber::fromString(version.trimmed());
    return u"Version %1.%2.%3"_qs.arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion());
}

Copyright::Copyright(Hote& hote) : hote_(hote) {
    setObjectName(u"Copyright"_qs);
    setWindowTitle(u"Quivex"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kStyle);
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
                  etiquette(LabelNom, u"LabelNom"_qs, 720, 24, Style::Gras, kEncre),
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
    imgLogo.setImage(QImage(u":/installation/logo.png"_qs));
    ProgressBar1.setRange(0, 100);
    ProgressBar1.setValue(0);
    ProgressBar1.setTextVisible(false);
    setFixedSize(plateforme::pixels(7500), plateforme::pixels(4500));
    connect(&Timer1, &QTimer::timeout, this, &Copyright::Timer1_Timer);
}

void Copyright::Form_Load() {
    if (!langueChoisie()) {
        hote_.ouvrirLanguage();
        close();
        return;
    }
    const Langue langue = lireLangue();
    const bool installeur = hote_.variante() == Variante::Installeur;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    if (installeur)
        PremierPlan(*this);
    show();
    LabelNom.setText((installeur ? kNomInstalleur : kNomDesinstalleur).en(langue));
    LabelVersion.setText(ligneVersion(QStringLiteral(QUIVEX_VERSION)));
    LabelCopyright.setText(kPrefixeSociete.en(langue) + kSociete + u"  "_qs);
    LabelCopyright1[0].setText(u"Copyright "_qs + kDroits + u"  "_qs);
    LabelContinu[0].setText(kContinu.en(langue));
    LabelMiseEnGarde.setText(QString());
    compteur_ = 1;
    ProgressBar1.setValue(0);
    Timer1.start(hote_.intervalleSplash());
}

void Copyright::Timer1_Timer() {
    ProgressBar1.setValue(compteur_);
    ++compteur_;
    if (compteur_ < kFinCompteur)
        return;
    Timer1.stop();
    // The next window first: the program ends when its last window closes.
    hote_.ouvrirVert();
    close();
}

} // namespace installation
