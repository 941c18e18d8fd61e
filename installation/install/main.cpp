#include "installation/install/installation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"install"_qs);
    QApplication::setOrganizationName(u"Quivex"_qs);
    installation::Installation programme(installation::servicesDuSysteme());
    programme.demarrer();
    return app.exec();
}
