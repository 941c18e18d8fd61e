// The file list of the picture windows: what it lists, and when it says Click.

#include "calendrier/images/listefichiers.h"
#include "plateforme/tests/images_entrees.h"

#include <QSignalSpy>
#include <QTemporaryDir>

class TestListeFichiers : public QObject {
    Q_OBJECT
private slots:
    // By name, any case, several patterns. Every choice says Click once: by
    // the program, by a click (even twice), by the keys; not past the end, nor
    // listing anew.
    void motifsEtClics() {
        QTemporaryDir d;
        for (const char* nom : {"a.jpg", "B.JPG", "x 10.bmp", "x 9.bmp", "e.jpg.txt", "d.png"})
            QVERIFY(QFile(d.filePath(QString::fromUtf8(nom))).open(QIODevice::WriteOnly));
        ListeFichiers liste;
        liste.setPattern(u" *.jpg ; *.bmp "_qs);
        liste.show();
        QSignalSpy clics(&liste, &ListeFichiers::Click);
        liste.setPath(d.path());
        QStringList vus;
        for (int i = 0; i < liste.count(); ++i)
            vus << liste.item(i)->text();
        QCOMPARE(vus.join(u'|'), u"a.jpg|B.JPG|x 10.bmp|x 9.bmp"_qs);
        liste.setListIndex(0);
        for (int fois = 0; fois < 2; ++fois)
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {},
                              liste.visualItemRect(liste.item(1)).center());
        QTest::keyClick(&liste, Qt::Key_Down);
        QCOMPARE(liste.FileName(), u"x 10.bmp"_qs);
        liste.setListIndex(liste.count());
        liste.setPath(d.path());
        QCOMPARE(clics.count(), 4);
        QVERIFY(liste.FileName().isEmpty() && liste.cheminSelectionne().isEmpty());
    }

    // A FIFO, a device, a folder named like a picture would block or fail
    // whoever opens it: only regular files are listed, a link followed.
    void fichiersOrdinairesSeuls_data() { lignesEntrees(); }
    void fichiersOrdinairesSeuls() {
        QFETCH(Genre, genre);
        QTemporaryDir dossier;
        QVERIFY(creerEntree(dossier.filePath(u"x.jpg"_qs), genre, "photo"));
        ListeFichiers liste;
        liste.setPattern(u"*.jpg"_qs);
        liste.setPath(dossier.path());
        QCOMPARE(liste.count(), estOrdinaire(genre) ? 1 : 0);
    }
};

QTEST_MAIN(TestListeFichiers)
#include "tst_listefichiers.moc"
