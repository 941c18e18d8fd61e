#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Calendrier"_qs);
    QApplication::setApplicationVersion(QStringLiteral(QUIVEX_VERSION));
    // The windows of the program come in as they are built.
    QMainWindow fenetre;
    fenetre.setWindowTitle(u"Calendrier"_qs);
    fenetre.resize(800, 600);
    fenetre.show();
    return app.exec();
}
