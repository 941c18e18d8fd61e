#include "calendrier/coquille/copyright.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/ressources/ressources.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// The version information: company and legal copyright.
const QString kSociete = u"Quivex"_qs;
const QString kDroits = u"© 2025 Quivex. Tous droits réservés."_qs;

const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kOr(0xd9, 0xa4, 0x41);

} // namespace

Copyright::Copyright(calendrier::Pilote& pilote)
    : FenetreCopyright(u"Calendrier"_qs, 26, kEncre, kOr), pilote_(pilote) {
    imgLogo.charger(ressources::cheminLogo());
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
