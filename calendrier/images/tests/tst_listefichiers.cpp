// The file list of the picture windows: what it lists, and when it says Click.

#include "calendrier/images/listefichiers.h"
#include "plateforme/tests/images_entrees.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestListeFichiers : public QObject {
    Q_OBJECT

private slots:
    void motifs_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listes");
        QTest::newRow("jpg, sans egard a la casse")
            << u"*.jpg"_qs << QStringList({u"a.jpg"_qs, u"B.JPG"_qs, u"c.Jpg"_qs});
        // By name, without regard to case.
        QTest::newRow("plusieurs motifs") << u"*.jpg;*.bmp"_qs
                                          << QStringList({u"a.jpg"_qs, u"B.JPG"_qs, u"c.Jpg"_qs,
                                                          u"photo 10.bmp"_qs, u"photo 9.bmp"_qs});
        QTest::newRow("blancs autour")
            << u" *.png ; *.bmp "_qs
            << QStringList({u"d.png"_qs, u"photo 10.bmp"_qs, u"photo 9.bmp"_qs});
        QTest::newRow("aucun motif") << QString() << QStringList();
    }
    void motifs() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, listes);
        QTemporaryDir dossier;
        for (const char* nom : {"a.jpg", "B.JPG", "c.Jpg", "d.png", "photo 10.bmp", "photo 9.bmp",
                                "e.jpg.txt", "jpg"}) {
            QFile f(dossier.filePath(QString::fromUtf8(nom)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ListeFichiers liste;
        liste.setPath(dossier.path());
        liste.setPattern(pattern);
        QStringList vus;
        for (int i = 0; i < liste.count(); ++i)
            vus << liste.item(i)->text();
        QCOMPARE(vus, listes);
        QVERIFY(liste.FileName().isEmpty());
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

    void dossierManquant() {
        ListeFichiers liste;
        liste.setPattern(u"*.jpg"_qs);
        liste.setPath(u"/nulle/part"_qs);
        QCOMPARE(liste.count(), 0);
        QSignalSpy clics(&liste, &ListeFichiers::Click);
        liste.setListIndex(0);
        QCOMPARE(clics.count(), 0);
        QVERIFY(liste.cheminSelectionne().isEmpty());
    }

    // Every choice says Click once: by the program, by a click (even on the
    // entry already chosen), by the keys; listing a folder anew says nothing.
    void clics() {
        QTemporaryDir dossier;
        for (const char* nom : {"a.jpg", "b.jpg", "c.jpg"}) {
            QFile f(dossier.filePath(QString::fromUtf8(nom)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ListeFichiers liste;
        liste.setPattern(u"*.jpg"_qs);
        liste.resize(200, 200);
        liste.show();
        QSignalSpy clics(&liste, &ListeFichiers::Click);
        liste.setPath(dossier.path());
        QCOMPARE(clics.count(), 0);
        liste.setListIndex(0);
        QCOMPARE(clics.count(), 1);
        QCOMPARE(liste.cheminSelectionne(), dossier.filePath(u"a.jpg"_qs));
        liste.setListIndex(0);
        QCOMPARE(clics.count(), 2);
        const auto cliquer = [&liste](int rang) {
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {},
                              liste.visualItemRect(liste.item(rang)).center());
        };
        cliquer(1);
        QCOMPARE(clics.count(), 3);
        cliquer(1);
        QCOMPARE(clics.count(), 4);
        QCOMPARE(liste.FileName(), u"b.jpg"_qs);
        QTest::keyClick(&liste, Qt::Key_Down);
        QCOMPARE(clics.count(), 5);
        QCOMPARE(liste.FileName(), u"c.jpg"_qs);
        liste.setPath(dossier.path());
        QCOMPARE(clics.count(), 5);
        QVERIFY(liste.FileName().isEmpty());
    }
};

QTEST_MAIN(TestListeFichiers)
#include "tst_listefichiers.moc"
