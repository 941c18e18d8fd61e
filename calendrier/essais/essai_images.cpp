// Opens one picture window inside the main frame, as the hub will, for
// trying it by hand from the program folder:
//   essai-images lireimage | entete | douzeimage [mois confirmés] [capture.png]
// With a capture name, the frame is written there after a moment and the
// program ends.

#include "calendrier/coquille/menuun.h"
#include "calendrier/images/douzeimage.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/programme.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString fenetre = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"lireimage"_qs;
    const int confirmes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const QString capture = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    Programme programme;
    // Without a window manager "maximised" means nothing: the frame takes the screen.
    programme.menuUn().setGeometry(QGuiApplication::primaryScreen()->geometry());
    programme.menuUn().show();
    const calendrier::FichiersTravail fichiers;
    using calendrier::Fenetre;
    using calendrier::Sortie;
    if (fenetre == u"lireimage"_qs) {
        fichiers.commencerConsultation(calendrier::Genre::Mois);
        fichiers.choisirSortie(Sortie::EcranMois);
        programme.montrer(Fenetre::LireImage,
                          {.sortie = Sortie::EcranMois, .mois = 5, .annee = 2027});
    } else {
        fichiers.commencerConsultation(calendrier::Genre::Annee);
        fichiers.choisirSortie(Sortie::EcranAnnee);
        const calendrier::Consultation annee{.sortie = Sortie::EcranAnnee, .annee = 2027};
        if (fenetre == u"entete"_qs) {
            programme.montrer(Fenetre::Entete, annee);
        } else {
            programme.montrer(Fenetre::DouzeImage, annee);
            DouzeImage& douze = programme.douzeImage();
            for (int m = 1; m <= confirmes && m <= 12; ++m) {
                douze.File1.setListIndex(m % douze.File1.count());
                douze.Command1_Click();
            }
            if (confirmes > 0 && confirmes < 12)
                douze.File1.setListIndex((confirmes + 1) % douze.File1.count());
        }
    }
    if (!capture.isEmpty())
        QTimer::singleShot(1500, &app, [&] {
            programme.menuUn().grab().save(capture);
            QApplication::quit();
        });
    return app.exec();
}
