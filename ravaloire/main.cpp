#include "ravaloire/desinstallation.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Ravaloire"_qs);
    QApplication::setOrganizationName(u"Quivex"_qs);
    // Its own folder is its working folder: the one that holds the marker.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    ravaloire::Desinstallation programme(ravaloire::servicesDuSysteme());
    programme.demarrer();
    return app.exec();
}
