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
    void ouvertureMontreLaPremiereImage() {
        Atelier a;
        QVERIFY(plateforme::reecrire(a.bac.chemin(u"Fichier.ser"_qs), {u"/ancienne.jpg"_qs}));

        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(a.programme.menuUn().windowTitle(), u"Lire Image"_qs);
        QCOMPARE(Atelier::listees(f),
                 QStringList({u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs, u"Corse.jpg"_qs}));
        QCOMPARE(f.File1.FileName(), u"Alpes.jpg"_qs);
        QCOMPARE(f.Image1.chemin(), a.images(u"Alpes.jpg"_qs));
        QCOMPARE(f.Label1.text(), u"1° Photo"_qs);
        QCOMPARE(f.Label3.text(), u"Mois 03 Annee 2027"_qs);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Arbrovue1->property("Root").toInt(), 17);
        QCOMPARE(QFileInfo(f.Arbrovue1->property("Chemin").toString()).canonicalFilePath(),
                 QFileInfo(a.images()).canonicalFilePath());
        QVERIFY(QFileInfo::exists(a.bac.chemin(u"Fichier.ser"_qs)));
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
    }

    // The design's pattern, any case, and the other usual picture files.
    void listeLesImagesSansEgardALaCasse() {
        Atelier a({u"b.JPG"_qs, u"a.jpeg"_qs, u"C.Png"_qs});
        QImage(8, 8, QImage::Format_RGB32).save(a.images(u"d.bmp"_qs));
        QImage(8, 8, QImage::Format_RGB32).save(a.images(u"e.gif"_qs), "PNG");
        Atelier::poserTexte(a.images(u"notes.txt"_qs));
        QDir(a.images()).mkdir(u"sous.jpg"_qs);
        QVERIFY(ecrire(a.images(u"f.Wmf"_qs), Metafichier::exemple().octets()));
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(Atelier::listees(f),
                 QStringList({u"a.jpeg"_qs, u"b.JPG"_qs, u"C.Png"_qs, u"d.bmp"_qs, u"f.Wmf"_qs}));
        // A metafile is previewed as the photos are.
        Atelier::cliquerFichier(f, 4);
        QCOMPARE(f.Image1.chemin(), a.images(u"f.Wmf"_qs));
        QCOMPARE(f.Image1.tailleDecodee(), f.Image1.size());
    }

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
        Atelier::cliquerFichier(f, 1);
        QCOMPARE(f.Image1.chemin(), a.images(u"Bretagne.jpg"_qs));
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Bretagne.jpg"_qs)});
        QVERIFY(a.compositions.isEmpty());

        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Bretagne.jpg"_qs)});
        QVERIFY(f.Label1.text().isEmpty());
        if (passe) {
            QCOMPARE(a.compositions, QList{static_cast<Sortie>(sortie)});
            QVERIFY(!f.charge());
            QVERIFY(!f.isVisible());
            QVERIFY(a.programme.menuUn().isVisible()); // the page shows inside it
        } else {
            QVERIFY(a.compositions.isEmpty());
            QVERIFY(f.charge());
            QVERIFY(f.isVisible());
            QCOMPARE(f.Command1.text(), u"Suite"_qs);
        }
    }

    // A new selection goes back to previewing, and "Suite" only follows a record.
    void nouvelleSelectionRevientAConfirmer() {
        Atelier a;
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::ImprimanteMois);
        Atelier::cliquerBouton(f);
        Atelier::cliquerFichier(f, 2);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Image1.chemin(), a.images(u"Corse.jpg"_qs));
        Atelier::cliquerBouton(f);
        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Corse.jpg"_qs)});
        QCOMPARE(a.compositions, QList{Sortie::ImprimanteMois});
    }

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
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        Atelier::cliquerBouton(f);
        QVERIFY(a.compositions.isEmpty());
        QVERIFY(f.charge());

        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerBouton(f);
        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{QDir(autre).filePath(u"Plage.jpg"_qs)});
        QCOMPARE(a.compositions, QList{Sortie::ImprimanteMois});
    }

    // Nothing selected, or a file that is no picture: nothing is recorded.
    void confirmerSansImageLisible_data() {
        QTest::addColumn<bool>("selection");
        QTest::newRow("aucune selection") << false;
        QTest::newRow("image illisible") << true;
    }
    void confirmerSansImageLisible() {
        QFETCH(bool, selection);
        Atelier a(QStringList{});
        Atelier::poserTexte(a.images(u"Abime.jpg"_qs));
        Atelier::poserImage(a.bac.chemin(u"Autre/Bonne.jpg"_qs), 90);
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(f.File1.FileName(), u"Abime.jpg"_qs);
        QVERIFY(f.Image1.estVide());
        if (!selection)
            Atelier::cliquerDossier(f, a.bac.chemin(u"Autre"_qs));
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Label1.text(), selection ? u"Image illisible"_qs : u"Choisir une image"_qs);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        Atelier::cliquerBouton(f);
        QVERIFY(a.compositions.isEmpty());
    }

    void dossierImagesManquantOuVide_data() {
        QTest::addColumn<bool>("existe");
        QTest::newRow("manquant") << false;
        QTest::newRow("vide") << true;
    }
    void dossierImagesManquantOuVide() {
        QFETCH(bool, existe);
        Atelier a(QStringList{});
        if (!existe)
            QVERIFY(QDir(a.images()).removeRecursively());
        // Pictures beside the missing folder are not the ones meant.
        Atelier::poserImage(a.bac.chemin(u"Egaree.jpg"_qs), 10);
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(f.File1.count(), 0);
        QVERIFY(f.Image1.estVide());
        Atelier::cliquerBouton(f);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        QVERIFY(a.compositions.isEmpty());
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

    // A large photo is read at the size of the preview, not whole.
    void apercuDecodeALaTailleMontree() {
        Atelier a(QStringList{});
        Atelier::poserImage(a.images(u"Grande.jpg"_qs), 120, QSize(4000, 3000));
        LireImage& f = a.programme.lireImage();
        a.ouvrir(f, Sortie::EcranMois);
        QCOMPARE(f.Image1.tailleSource(), QSize(4000, 3000));
        const QSize montree = f.Image1.size() * f.Image1.devicePixelRatioF();
        QVERIFY(!f.Image1.tailleDecodee().isEmpty());
        QVERIFY2(f.Image1.tailleDecodee().width() <= montree.width() + 1,
                 qPrintable(QString::number(f.Image1.tailleDecodee().width())));
        QVERIFY(f.Image1.tailleDecodee().height() <= montree.height() + 1);
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

    // --- Entete ------------------------------------------------------------

    void enteteOuverture() {
        Atelier a;
        Entete& f = a.programme.entete();
        a.ouvrir(f, Sortie::ImprimanteAnnee);
        QCOMPARE(a.programme.menuUn().windowTitle(), u"Photo de Tete"_qs);
        QCOMPARE(f.Label1.text(), u"PHOTO DE LA PAGE DE GARDE"_qs);
        QCOMPARE(f.Image1.chemin(), a.images(u"Alpes.jpg"_qs));
        QCOMPARE(*plateforme::lirePropriete(&f.Image1, plateforme::Propriete::Width),
                 8401.0 * a.programme.zoom().rapportHauteur() / 100);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
    }

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
        Atelier::cliquerFichier(f, 2);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Label1.text(), u"PHOTO DE LA PAGE DE GARDE"_qs);
        Atelier::cliquerBouton(f);
        QVERIFY(!f.charge());
        QVERIFY(a.programme.douzeImage().charge());
        QCOMPARE(a.programme.menuUn().windowTitle(), u"Creer Les Images"_qs);
        QCOMPARE(a.lignes(u"Fichier.ser"_qs), QStringList{a.images(u"Corse.jpg"_qs)});
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
        QVERIFY(a.compositions.isEmpty());
    }

    void enteteSuiteSansEnregistrement() {
        Atelier a(QStringList{});
        Atelier::poserTexte(a.images(u"Abime.jpg"_qs));
        Entete& f = a.programme.entete();
        a.ouvrir(f, Sortie::EcranAnnee);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QCOMPARE(f.Label1.text(), u"PHOTO DE LA PAGE DE GARDE"_qs);
        QVERIFY(a.lignes(u"Fichier.ser"_qs).isEmpty());
        QVERIFY(f.charge());
    }
};

QTEST_MAIN(TestLireImage)
#include "tst_lireimage.moc"
