// The single-picture window and the cover-photo window, driven as a user does.

#include "atelier.h"
#include "calendrier/images/lireimage.h"
#include "plateforme/tests/metafichier.h"

using calendrier::Sortie;

class TestLireImage : public QObject {
    Q_OBJECT

private slots:
    // The usual picture files, any case; the first one previewed, the tree on
    // the folder, the last record forgotten; a large photo read at preview size.
    void ouverture() {
        Atelier a({u"b.JPG"_qs, u"a.jpeg"_qs, u"C.Png"_qs});
        QImage(8, 8, QImage::Format_RGB32).save(a.images(u"d.bmp"_qs));
        QVERIFY(plateforme::reecrire(a.images(u"notes.txt"_qs), {u"texte"_qs}));
        QDir(a.images()).mkdir(u"sous.jpg"_qs);
        QVERIFY(ecrire(a.images(u"f.Wmf"_qs), Metafichier::exemple().octets()));
        Atelier::poserImage(a.images(u"g.jpg"_qs), 120, QSize(4000, 3000));
        QVERIFY(plateforme::reecrire(a.bac.chemin(u"Fichier.ser"_qs), {u"/ancienne.jpg"_qs}));
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QStringList listees;
        for (int i = 0; i < f.File1.count(); ++i)
            listees << f.File1.item(i)->text();
        QCOMPARE(listees, u"a.jpeg b.JPG C.Png d.bmp f.Wmf g.jpg"_qs.split(u' '));
        QCOMPARE(f.Image1.chemin(), a.images(u"a.jpeg"_qs));
        QCOMPARE(f.Arbrovue1->property("Root").toInt(), 17);
        QCOMPARE(QFileInfo(f.Arbrovue1->property("Chemin").toString()).canonicalFilePath(),
                 QFileInfo(a.images()).canonicalFilePath());
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        Atelier::cliquerFichier(f, 5);
        const QSize montree = f.Image1.size() * f.Image1.devicePixelRatioF() + QSize(1, 1);
        QVERIFY(!f.Image1.tailleDecodee().isEmpty());
        QVERIFY(montree.expandedTo(f.Image1.tailleDecodee()) == montree);
        QCOMPARE(f.Image1.tailleSource(), QSize(4000, 3000));
    }

    // "Confirmer" records; another folder leaves nothing chosen and "Suite"
    // waits; a new selection previews again; "Suite" goes on to the page for a
    // month only, the picture read back whole though its path holds commas.
    void confirmerPuisSuite() {
        for (const Sortie sortie : {Sortie::EcranMois, Sortie::ImprimanteAnnee}) {
            Atelier a;
            const QString photo = a.bac.chemin(u"Vacances, 2026/Été, plage.jpg"_qs);
            Atelier::poserImage(photo, 30);
            LireImage& f = a.programme.lireImage();
            a.ouvrir(f, sortie);
            Atelier::cliquerBouton(f);
            Atelier::cliquerDossier(f, QFileInfo(photo).path());
            Atelier::cliquerBouton(f);
            QVERIFY(a.compositions.isEmpty() && f.charge());
            Atelier::cliquerFichier(f, 0);
            QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
            Atelier::cliquerBouton(f);
            QCOMPARE(f.Command1.text(), u"Suite"_qs);
            Atelier::cliquerBouton(f);
            QCOMPARE(calendrier::FichiersTravail().imagesParValeur(), QStringList{photo});
            const bool passe = sortie == Sortie::EcranMois;
            QCOMPARE(a.compositions, passe ? QList{sortie} : QList<Sortie>{});
            QCOMPARE(f.isVisible(), !passe);
        }
    }

    // Nothing to record: the button stays on "Confirmer", nothing goes on.
    // Pictures beside the Images folder are not the ones meant.
    void sansImageLisible_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message"); // Label1 after a click
        QTest::newRow("image illisible") << u"illisible"_qs << u"Image illisible"_qs;
        QTest::newRow("dossier Images manquant") << u"manquant"_qs << u"Choisir une image"_qs;
        QTest::newRow("page de garde illisible") << u"entete"_qs << u"PHOTO DE LA PAGE DE GARDE"_qs;
    }
    void sansImageLisible() {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        Atelier a(QStringList{});
        QVERIFY(cas == u"manquant" ? QDir(a.images()).removeRecursively()
                                   : plateforme::reecrire(a.images(u"Abime.jpg"_qs), {cas}));
        Atelier::poserImage(a.bac.chemin(u"Egaree.jpg"_qs), 10);
        FenetreImages& f = cas == u"entete" ? static_cast<FenetreImages&>(a.programme.entete())
                                            : a.programme.lireImage();
        a.ouvrir(f, cas == u"entete" ? Sortie::EcranAnnee : Sortie::EcranMois);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Label1.text(), message);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        Atelier::cliquerBouton(f);
        QVERIFY(a.compositions.isEmpty() && f.charge());
    }

    // The landscapes delivered with the program, large and wide: a first run
    // has them to choose from, the cover first.
    void imagesLivrees() {
        const QDir livrees(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR") + u"/Images"_qs);
        const QStringList jpeg = livrees.entryList({u"*.jpg"_qs}, QDir::Files, QDir::Name);
        QVERIFY2(jpeg.size() >= 13, qPrintable(livrees.path()));
        Atelier a(QStringList{});
        for (const QString& nom : jpeg) {
            const QSize taille = plateforme::tailleImage(livrees.filePath(nom));
            QVERIFY2(taille.width() >= 1600 && taille.height() >= 1200, qPrintable(nom));
            QVERIFY2(taille.width() > taille.height(), qPrintable(nom));
            QVERIFY(QFile::copy(livrees.filePath(nom), a.images(nom)));
        }
        Entete& f = a.programme.entete();
        a.ouvrir(f, Sortie::ImprimanteMois);
        QCOMPARE(f.File1.count(), jpeg.size());
        QCOMPARE(f.File1.FileName(), u"00 Couverture.jpg"_qs);
    }
};

QTEST_MAIN(TestLireImage)
#include "tst_lireimage.moc"
