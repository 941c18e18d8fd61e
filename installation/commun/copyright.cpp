#include "installation/commun/copyright.h"

#include "installation/commun/langue.h"
#include "installation/commun/miseenpage.h"

#include <QGuiApplication>
#include <QScreen>

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
const QColor kVert(0x3f, 0x8f, 0x5f);

} // namespace

Copyright::Copyright(Hote& hote) : FenetreCopyright(u"Quivex"_qs, 24, kEncre, kVert), hote_(hote) {
    imgLogo.setImage(QImage(u":/installation/logo.png"_qs));
    setFixedSize(size());
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
