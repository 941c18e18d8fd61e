#include "calendrier/coquille/pilote.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace calendrier {

Services servicesDuSysteme() {
    return {
        .aujourdhui = [] { return QDate::currentDate(); },
        .demanderOuiNon = plateforme::demanderOuiNon,
        .demanderOuiNonAnnuler = plateforme::demanderOuiNonAnnuler,
        .informer = plateforme::informer,
        .imprimante = plateforme::ouvrirImprimante,
        .composition = {},
        .fin = [] { QCoreApplication::exit(0); },
        .ouvrir = [](const QUrl& adresse) { return QDesktopServices::openUrl(adresse); },
        .dossierProgramme = QCoreApplication::applicationDirPath(),
    };
}

} // namespace calendrier
