// The twelve month pictures, driven as a user does, from the cover onwards.

#include "atelier.h"
#include "calendrier/images/douzeimage.h"

using calendrier::Sortie;

namespace {

const QStringList kPhotos = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs, u"Corse.jpg"_qs,
                             u"Dordogne.jpg"_qs};

// The window as Entete leaves it: the cover recorded, the year's output chosen.
DouzeImage& ouvrir(Atelier& a, Sortie sortie = Sortie::ImprimanteAnnee) {
    plateforme::reecrire(a.bac.chemin(calendrier::kFichierSer), {a.images(u"Alpes.jpg"_qs)});
    DouzeImage& f = a.programme.douzeImage();
    a.ouvrir(f, sortie);
    return f;
}

// Confirms months from the counter on up to `jusqua`, month m taking photo m % 4.
void confirmer(Atelier& a, DouzeImage& f, int jusqua) {
    for (int m = f.compteur(); m <= jusqua; ++m) {
        Atelier::cliquerFichier(f, m % 4);
        QCOMPARE(f.Label1.text(), QString::number(m) + u"° Photo "_qs);
        QCOMPARE(f.Image(m).chemin(), a.images(kPhotos[m % 4]));
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), m + 1);
    }
}

QStringList anneeAttendue(const Atelier& a) {
    QStringList lignes{a.images(u"Alpes.jpg"_qs)};
    for (int m = 1; m <= 12; ++m)
        lignes << a.images(kPhotos[m % 4]);
    return lignes;
}

} // namespace

class TestDouzeImage : public QObject {
    Q_OBJECT

private slots:
    // A box clicked (after another: the last one wins) takes the next file
    // selected, the year complete or not.
    void choisirUnMoisANouveau_data() {
        QTest::addColumn<int>("K");
        QTest::addColumn<int>("avant");  // a box clicked first, 0 for none
        QTest::addColumn<int>("jusqua"); // the months confirmed before
        QTest::newRow("janvier") << 1 << 0 << 12;
        QTest::newRow("mai apres mars") << 5 << 3 << 12;
        QTest::newRow("decembre") << 12 << 0 << 12;
        QTest::newRow("janvier avant la fin") << 1 << 0 << 2;
    }
    void choisirUnMoisANouveau() {
        QFETCH(int, K);
        QFETCH(int, avant);
        QFETCH(int, jusqua);
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, jusqua);
        if (avant)
            QTest::mouseClick(&f.Image(avant), Qt::LeftButton);
        QTest::mouseClick(&f.Image(K), Qt::LeftButton);
        QCOMPARE(f.Command1.text(), u"Modifier"_qs);
        QVERIFY(f.Command1.isHidden());
        QCOMPARE(a.lignes(images::kModifSer), QStringList{QString::number(K)});

        const int autre = (K + 1) % 4; // not month K's photo
        Atelier::cliquerFichier(f, autre);
        QCOMPARE(f.Image(K).chemin(), a.images(kPhotos[autre]));
        QStringList attendu = anneeAttendue(a);
        attendu[K] = a.images(kPhotos[autre]);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu.mid(0, jusqua + 1));
        QCOMPARE(f.Command1.text(), jusqua == 12 ? u"Suite"_qs : u"Confirmer"_qs);
        QCOMPARE(f.Command1.isVisible(), jusqua == 12);
        confirmer(a, f, 12);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu);
        Atelier::cliquerBouton(f);
        QCOMPARE(a.compositions, QList{Sortie::ImprimanteAnnee});
    }

    // Twelve confirmations, then "Suite": on to the page for a year only.
    // Opened again, the window starts afresh.
    void douzeConfirmationsPuisSuite_data() {
        QTest::addColumn<int>("sortie");
        QTest::addColumn<bool>("passe");
        QTest::newRow("annee imprimee") << 6 << true;
        QTest::newRow("annee a l'ecran") << 7 << true;
        QTest::newRow("code 5") << 5 << false;
        QTest::newRow("code 4") << 4 << false;
    }
    void douzeConfirmationsPuisSuite() {
        QFETCH(int, sortie);
        QFETCH(bool, passe);
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a, static_cast<Sortie>(sortie));
        // The cover previewed in January's box, the other months hidden.
        const auto auDebut = [&] {
            QCOMPARE(f.compteur(), 1);
            QCOMPARE(f.Image(1).chemin(), a.images(u"Alpes.jpg"_qs));
            QVERIFY(f.Image(1).isVisible() && f.Command1.isVisible());
            for (int K = 2; K <= 12; ++K)
                QVERIFY(f.Image(K).isHidden() && f.LabelMois(K).isHidden());
            QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
            QCOMPARE(a.lignes(calendrier::kFichierSer).size(), 1);
        };
        auDebut();
        QCOMPARE(f.Arbrovue1->property("Root").toInt(), 17);
        confirmer(a, f, 4);
        // Between a confirmation and the next selection, May waits unseen.
        QVERIFY(f.Command1.isHidden() && f.Image(5).isHidden() && f.LabelMois(5).isHidden());
        Atelier::cliquerFichier(f, 1);
        QVERIFY(f.Image(5).isVisible() && f.LabelMois(5).isVisible() && f.Command1.isVisible());
        confirmer(a, f, 12);
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"13"_qs});
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        // Selecting a file now changes nothing.
        Atelier::cliquerFichier(f, 3);
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        Atelier::cliquerBouton(f);
        // The page lives inside the frame: the frame stays whatever the output.
        QVERIFY(a.programme.menuUn().isVisible());
        QCOMPARE(f.charge(), !passe);
        QCOMPARE(a.compositions, passe ? QList{static_cast<Sortie>(sortie)} : QList<Sortie>{});
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));

        ouvrir(a);
        auDebut();
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(f.Image(12).estVide());
    }

    // A month not chosen yet cannot be chosen again, not even the one previewed.
    void boiteDUnMoisPasEncoreChoisi() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 2);
        Atelier::cliquerFichier(f, 0);
        QVERIFY(f.Image(3).isVisible());
        QTest::mouseClick(&f.Image(3), Qt::LeftButton);
        f.Image_Click(7);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(f.Command1.isVisible());
        QCOMPARE(f.Label1.text(), u"3° Photo "_qs);
        QVERIFY(!QFileInfo::exists(a.bac.chemin(images::kModifSer)));
    }

    void changementDeDossierApresConfirmer() {
        Atelier a(kPhotos);
        const QString autre = a.bac.chemin(u"Noel"_qs);
        Atelier::poserImage(QDir(autre).filePath(u"Sapin.jpg"_qs), 150);
        DouzeImage& f = ouvrir(a);
        Atelier::cliquerBouton(f);
        Atelier::cliquerDossier(f, autre);
        QCOMPARE(Atelier::listees(f), QStringList{u"Sapin.jpg"_qs});
        QVERIFY(f.Command1.isHidden());
        Atelier::cliquerFichier(f, 0);
        QCOMPARE(f.Label1.text(), u"2° Photo "_qs);
        QCOMPARE(f.Image(2).chemin(), QDir(autre).filePath(u"Sapin.jpg"_qs));
        Atelier::cliquerBouton(f);
        QCOMPARE(a.lignes(calendrier::kFichierSer).value(2), QDir(autre).filePath(u"Sapin.jpg"_qs));

        // The list changed under a previewed month: no file, nothing recorded.
        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerDossier(f, a.images());
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), 3);
        QCOMPARE(a.lignes(calendrier::kFichierSer).size(), 3);
        QCOMPARE(f.Label1.text(), u"Choisir une image"_qs);
    }

    // A file that is no picture, or none at all: nothing is recorded, not
    // even over a month chosen again.
    void sansImage_data() {
        QTest::addColumn<QStringList>("photos");
        QTest::newRow("image illisible") << kPhotos;
        QTest::newRow("dossier vide") << QStringList{};
    }
    void sansImage() {
        QFETCH(QStringList, photos);
        Atelier a(photos);
        if (!photos.isEmpty())
            Atelier::poserTexte(a.images(u"Zut.jpg"_qs));
        DouzeImage& f = ouvrir(a);
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
        if (!photos.isEmpty())
            Atelier::cliquerFichier(f, 4);
        QCOMPARE(f.File1.FileName(), photos.isEmpty() ? QString() : u"Zut.jpg"_qs);
        QVERIFY(f.Image(1).estVide());
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), 1);
        QCOMPARE(a.lignes(calendrier::kFichierSer), QStringList{a.images(u"Alpes.jpg"_qs)});
        if (photos.isEmpty())
            return;
        QCOMPARE(f.Label1.text(), u"Image illisible"_qs);
        confirmer(a, f, 12);
        QTest::mouseClick(&f.Image(2), Qt::LeftButton);
        Atelier::cliquerFichier(f, 4);
        QCOMPARE(f.Command1.text(), u"Modifier"_qs);
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
    }
};

QTEST_MAIN(TestDouzeImage)
#include "tst_douzeimage.moc"
