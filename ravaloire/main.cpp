#include "ravaloire/desinstallation.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Ravaloire"_qs);
    QApplication::setOrganizationName(u"Quivex"_qs);
    // Its own folder is its working folder: the one that holds the marker.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    ravaloire::Desinstallation programme(ravaloire::servicesDuSysteme());
    // From inside the event loop: the second phase ends the program as soon
    // as it has loaded, which only a running loop can hear.
    QTimer::singleShot(0, [&programme] { programme.demarrer(); });
    return app.exec();
}
