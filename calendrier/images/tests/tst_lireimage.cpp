// The single-picture window and the cover-photo window, driven as a user does.

#include "atelier.h"
#include "calendrier/accueil/calend.h"
#include "calendrier/images/douzeimage.h"
#include "calendrier/images/lireimage.h"
#include "plateforme/tests/metafichier.h"

using calendrier::Sortie;

Q_DECLARE_METATYPE(Sortie)

class TestLireImage : public QObject {
    Q_OBJECT

private slots:
    // The design's pattern, any case, and the other usual picture files; the
    // first one previewed, the tree on the folder, the last record forgotten.
    void ouverture() {
        Atelier a({u"b.JPG"_qs, u"a.jpeg"_qs, u"C.Png"_qs});
        QImage(8, 8, QImage::Format_RGB32).save(a.images(u"d.bmp"_qs));
        QImage(8, 8, QImage::Format_RGB32).save(a.images(u"e.gif"_qs), "PNG");
        Atelier::poserTexte(a.images(u"notes.txt"_qs));
        QDir(a.images()).mkdir(u"sous.jpg"_qs);
        QVERIFY(ecrire(a.images(u"f.Wmf"_qs), Metafichier::exemple().octets()));
        QVERIFY(plateforme::reecrire(a.bac.chemin(u"Fichier.ser"_qs), {u"/ancienne.jpg"_qs}));
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(Atelier::listees(f),
                 QStringList({u"a.jpeg"_qs, u"b.JPG"_qs, u"C.Png"_qs, u"d.bmp"_qs, u"f.Wmf"_qs}));
        QCOMPARE(f.Image1.chemin(), a.images(u"a.jpeg"_qs));
        QCOMPARE(f.Arbrovue1->property("Root").toInt(), 17);
        QCOMPARE(QFileInfo(f.Arbrovue1->property("Chemin").toString()).canonicalFilePath(),
                 QFileInfo(a.images()).canonicalFilePath());
        QVERIFY(QFileInfo::exists(a.bac.chemin(u"Fichier.ser"_qs)));
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        // A metafile, a large photo: read at the size of the preview, not whole.
        Atelier::poserImage(a.images(u"g.jpg"_qs), 120, QSize(4000, 3000));
        f.File1.setPath(a.images());
        for (const QString& nom : {u"f.Wmf"_qs, u"g.jpg"_qs}) {
            Atelier::cliquerFichier(f, Atelier::listees(f).indexOf(nom));
            QCOMPARE(f.Image1.chemin(), a.images(nom));
            const QSize montree = f.Image1.size() * f.Image1.devicePixelRatioF();
            QVERIFY(!f.Image1.tailleDecodee().isEmpty());
            QVERIFY(f.Image1.tailleDecodee().width() <= montree.width() + 1);
            QVERIFY(f.Image1.tailleDecodee().height() <= montree.height() + 1);
        }
        QCOMPARE(f.Image1.tailleSource(), QSize(4000, 3000));
    }

    // "Confirmer" records the picture, a new selection goes back to
    // previewing, and "Suite" goes on to the page for a month only.
    void confirmerPuisSuite_data() {
        QTest::addColumn<int>("sortie");
        QTest::addColumn<bool>("passe");
        QTest::newRow("mois imprime") << 4 << true;
        QTest::newRow("mois a l'ecran") << 5 << true;
        QTest::newRow("annee imprimee") << 6 << false;
        QTest::newRow("annee a l'ecran") << 7 << false;
    }
    void confirmerPuisSuite() {
        QFETCH(int, sortie);
        QFETCH(bool, passe);
        Atelier a;
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, static_cast<Sortie>(sortie));
        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Alpes.jpg"_qs)});
        Atelier::cliquerFichier(f, 1);
        QCOMPARE(f.Image1.chemin(), a.images(u"Bretagne.jpg"_qs));
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Bretagne.jpg"_qs)});
        QVERIFY(a.compositions.isEmpty());

        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Bretagne.jpg"_qs)});
        QCOMPARE(a.compositions, passe ? QList{static_cast<Sortie>(sortie)} : QList<Sortie>{});
        QCOMPARE(f.charge(), !passe);
        QCOMPARE(f.isVisible(), !passe);
        QVERIFY(a.programme.menuUn().isVisible()); // the page shows inside it
    }

    // Another folder after "Confirmer": nothing selected, "Suite" waits.
    void changementDeDossierApresConfirmer() {
        Atelier a;
        const QString autre = a.bac.chemin(u"Vacances"_qs);
        Atelier::poserImage(QDir(autre).filePath(u"Plage.jpg"_qs), 200);
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::ImprimanteMois);
        Atelier::cliquerBouton(f);
        Atelier::cliquerDossier(f, autre);
        QCOMPARE(Atelier::listees(f), QStringList{u"Plage.jpg"_qs});
        QVERIFY(f.File1.FileName().isEmpty());
        Atelier::cliquerBouton(f);
        QVERIFY(a.compositions.isEmpty());
        QVERIFY(f.charge());
    }

    // Nothing to record: the button stays on "Confirmer", nothing goes on.
    void sansImageLisible_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message"); // Label1 after a click
        QTest::newRow("aucune selection") << u"autre dossier"_qs << u"Choisir une image"_qs;
        QTest::newRow("image illisible") << u"illisible"_qs << u"Image illisible"_qs;
        QTest::newRow("dossier Images manquant") << u"manquant"_qs << u"Choisir une image"_qs;
        QTest::newRow("dossier Images vide") << u"vide"_qs << u"Choisir une image"_qs;
        QTest::newRow("page de garde illisible") << u"entete"_qs << u"PHOTO DE LA PAGE DE GARDE"_qs;
    }
    void sansImageLisible() {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        Atelier a(QStringList{});
        if (cas == u"illisible" || cas == u"autre dossier" || cas == u"entete")
            Atelier::poserTexte(a.images(u"Abime.jpg"_qs));
        if (cas == u"manquant")
            QVERIFY(QDir(a.images()).removeRecursively());
        // Pictures beside the Images folder are not the ones meant.
        Atelier::poserImage(a.bac.chemin(u"Autre/Bonne.jpg"_qs), 90);
        Atelier::poserImage(a.bac.chemin(u"Egaree.jpg"_qs), 10);
        FenetreImages& f = cas == u"entete" ? static_cast<FenetreImages&>(a.programme.entete())
                                            : a.programme.lireImage();
        a.ouvrir(f, cas == u"entete" ? Sortie::EcranAnnee : Sortie::EcranMois);
        QVERIFY(cas == u"entete" ? a.programme.entete().Image1.estVide()
                                 : a.programme.lireImage().Image1.estVide());
        if (cas == u"autre dossier")
            Atelier::cliquerDossier(f, a.bac.chemin(u"Autre"_qs));
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Label1.text(), message);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        Atelier::cliquerBouton(f);
        QVERIFY(a.compositions.isEmpty());
        QVERIFY(f.charge());
    }

    // Read back whole, a path with a comma lets "Suite" go on.
    void cheminAvecVirgule() {
        Atelier a(QStringList{});
        const QString dossier = a.bac.chemin(u"Vacances, 2026"_qs);
        Atelier::poserImage(QDir(dossier).filePath(u"Été, plage.jpg"_qs), 30);
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        Atelier::cliquerDossier(f, dossier);
        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerBouton(f);
        Atelier::cliquerBouton(f);
        QCOMPARE(a.compositions, QList{Sortie::EcranMois});
        QCOMPARE(calendrier::FichiersTravail().imagesParValeur(),
                 QStringList{QDir(dossier).filePath(u"Été, plage.jpg"_qs)});
    }

    // Shown without being loaded first, a window loads itself.
    void montreeElleSeCharge() {
        Atelier a;
        LireImage& f = a.programme.lireImage();
        f.show();
        QVERIFY(f.charge());
        QCOMPARE(f.File1.FileName(), u"Alpes.jpg"_qs);
    }

    // The landscapes delivered with the program: a first run has them to choose from.
    void imagesLivrees() {
        const QDir livrees(
            QDir(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR")).filePath(u"Images"_qs));
        const QStringList jpeg = livrees.entryList({u"*.jpg"_qs}, QDir::Files, QDir::Name);
        QVERIFY2(jpeg.size() >= 13, qPrintable(livrees.path()));
        for (const QString& nom : jpeg) {
            const QSize taille = plateforme::tailleImage(livrees.filePath(nom));
            QVERIFY2(taille.width() >= 1600 && taille.height() >= 1200, qPrintable(nom));
            QVERIFY2(taille.width() > taille.height(), qPrintable(nom));
        }
        Atelier a(QStringList{});
        for (const QString& nom : jpeg)
            QVERIFY(QFile::copy(livrees.filePath(nom), a.images(nom)));
        Entete& f = a.programme.entete();
        a.ouvrir(f, Sortie::EcranAnnee);
        QCOMPARE(Atelier::listees(f), jpeg);
        QCOMPARE(f.File1.FileName(), u"00 Couverture.jpg"_qs);
        QVERIFY(!f.Image1.estVide());
    }

    // The cover recorded, "Suite" opens the twelve months whatever the output.
    void enteteOuvreDouzeImage_data() {
        QTest::addColumn<int>("sortie");
        QTest::newRow("annee imprimee") << 6;
        QTest::newRow("annee a l'ecran") << 7;
        QTest::newRow("autre code") << 4;
    }
    void enteteOuvreDouzeImage() {
        QFETCH(int, sortie);
        Atelier a;
        Entete& f = a.programme.entete();
        a.ouvrir(f, static_cast<Sortie>(sortie));
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        Atelier::cliquerFichier(f, 2);
        Atelier::cliquerBouton(f);
        Atelier::cliquerBouton(f);
        QVERIFY(!f.charge());
        QVERIFY(a.programme.douzeImage().charge());
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Corse.jpg"_qs)});
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
        QVERIFY(a.compositions.isEmpty());
    }
};

QTEST_MAIN(TestLireImage)
#include "tst_lireimage.moc"
