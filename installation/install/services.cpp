#include "installation/install/services.h"

#include "installation/commun/lecteurs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace installation {

Services servicesDuSysteme() {
    return {
        .informer = [](QWidget* parent, const QString& titre,
                       const QString& texte) { QMessageBox::information(parent, titre, texte); },
        .terminer = [] { QCoreApplication::exit(0); },
        .lecteurs = lecteursDuSysteme,
        .attendre =
            [](int millisecondes) {
                QEventLoop boucle;
                QTimer::singleShot(millisecondes, &boucle, &QEventLoop::quit);
                boucle.exec();
            },
        .dossierSource = QCoreApplication::applicationDirPath()};
}

} // namespace installation
