#include "ravaloire/services.h"

#include "installation/commun/lecteurs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace ravaloire {

Services servicesDuSysteme() {
    return {
        .informer = [](QWidget* parent, const QString& titre,
                       const QString& texte) { QMessageBox::information(parent, titre, texte); },
        .terminer = [] { QCoreApplication::exit(0); },
        .lecteurs = installation::lecteursDuSysteme,
        .demarrer =
            [](const QString& programme, const QString& dossier) {
                return QProcess::startDetached(programme, {}, dossier);
            },
        .programme = QCoreApplication::applicationFilePath()};
}

} // namespace ravaloire
