#include "calendrier/programme.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Calendrier"_qs);
    QApplication::setApplicationVersion(QStringLiteral(QUIVEX_VERSION));
    QApplication::setOrganizationName(u"Quivex"_qs);
    Programme programme;
    programme.demarrer();
    return app.exec();
}
