// The file list of the picture windows: what it lists, and when it says Click.

#include "calendrier/images/listefichiers.h"
#include "plateforme/tests/images_entrees.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList listees(const ListeFichiers& liste) {
    QStringList vus;
    for (int i = 0; i < liste.count(); ++i)
        vus << liste.item(i)->text();
    return vus;
}
} // namespace

class TestListeFichiers : public QObject {
    Q_OBJECT

private slots:
    // By name, without regard to case; a missing folder lists nothing.
    void motifs_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QStringList>("listes");
        QTest::newRow("jpg, sans egard a la casse")
            << u"*.jpg"_qs << true << QStringList({u"a.jpg"_qs, u"B.JPG"_qs, u"c.Jpg"_qs});
        QTest::newRow("plusieurs motifs, blancs autour")
            << u" *.jpg ; *.bmp "_qs << true
            << QStringList(
                   {u"a.jpg"_qs, u"B.JPG"_qs, u"c.Jpg"_qs, u"photo 10.bmp"_qs, u"photo 9.bmp"_qs});
        QTest::newRow("aucun motif") << QString() << true << QStringList();
        QTest::newRow("dossier manquant") << u"*.jpg"_qs << false << QStringList();
    }
    void motifs() {
        QFETCH(QString, pattern);
        QFETCH(bool, existe);
        QFETCH(QStringList, listes);
        QTemporaryDir dossier;
        for (const char* nom : {"a.jpg", "B.JPG", "c.Jpg", "d.png", "photo 10.bmp", "photo 9.bmp",
                                "e.jpg.txt", "jpg"})
            QVERIFY(QFile(dossier.filePath(QString::fromUtf8(nom))).open(QIODevice::WriteOnly));
        ListeFichiers liste;
        liste.setPath(existe ? dossier.path() : dossier.filePath(u"manque"_qs));
        liste.setPattern(pattern);
        QCOMPARE(listees(liste), listes);
        QVERIFY(liste.FileName().isEmpty());
        QSignalSpy clics(&liste, &ListeFichiers::Click);
        liste.setListIndex(listes.size());
        QCOMPARE(clics.count(), 0);
        QVERIFY(liste.cheminSelectionne().isEmpty());
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

    // Every choice says Click once: by the program, by a click (even on the
    // entry already chosen), by the keys; listing a folder anew says nothing.
    void clics() {
        QTemporaryDir dossier;
        for (const char* nom : {"a.jpg", "b.jpg", "c.jpg"})
            QVERIFY(QFile(dossier.filePath(QString::fromUtf8(nom))).open(QIODevice::WriteOnly));
        ListeFichiers liste;
        liste.setPattern(u"*.jpg"_qs);
        liste.show();
        QSignalSpy clics(&liste, &ListeFichiers::Click);
        liste.setPath(dossier.path());
        liste.setListIndex(0);
        QCOMPARE(liste.cheminSelectionne(), dossier.filePath(u"a.jpg"_qs));
        liste.setListIndex(0);
        for (int fois = 0; fois < 2; ++fois)
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {},
                              liste.visualItemRect(liste.item(1)).center());
        QCOMPARE(liste.FileName(), u"b.jpg"_qs);
        QTest::keyClick(&liste, Qt::Key_Down);
        QCOMPARE(liste.FileName(), u"c.jpg"_qs);
        liste.setPath(dossier.path());
        QCOMPARE(clics.count(), 5);
        QVERIFY(liste.FileName().isEmpty());
    }
};

QTEST_MAIN(TestListeFichiers)
#include "tst_listefichiers.moc"
