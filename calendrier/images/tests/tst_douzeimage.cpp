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
    void ouverture() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        QCOMPARE(a.programme.menuUn().windowTitle(), u"Creer Les Images"_qs);
        QCOMPARE(f.Image(1).chemin(), a.images(u"Alpes.jpg"_qs));
        QCOMPARE(f.Label1.text(), u"1° Photo "_qs);
        QVERIFY(f.Command1.isVisible());
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(f.Image(1).isVisible());
        QCOMPARE(f.LabelMois(1).text(), u"Janvier"_qs);
        QCOMPARE(f.LabelMois(8).text(), u"Aôut"_qs);
        QCOMPARE(f.LabelMois(8).objectName(), u"Label10"_qs);
        for (int K = 2; K <= 12; ++K) {
            QVERIFY(f.Image(K).isHidden());
            QVERIFY(f.LabelMois(K).isHidden());
        }
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
        QCOMPARE(f.Arbrovue1->property("Root").toInt(), 17);
    }

    void douzeConfirmations() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 4);
        // Between a confirmation and the next selection, May waits unseen.
        QVERIFY(f.Command1.isHidden());
        QVERIFY(f.Image(5).isHidden());
        QVERIFY(f.LabelMois(5).isHidden());
        QVERIFY(f.Label1.text().isEmpty());
        Atelier::cliquerFichier(f, 1);
        QVERIFY(f.Image(5).isVisible());
        QVERIFY(f.LabelMois(5).isVisible());
        QCOMPARE(f.Label1.text(), u"5° Photo "_qs);
        QVERIFY(f.Command1.isVisible());

        confirmer(a, f, 12);
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"13"_qs});
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        QVERIFY(f.Command1.isVisible());
        QCOMPARE(f.Label1.text(), u"Cliker Sur l'Image à Modifier"_qs);
        // Selecting a file now changes nothing.
        Atelier::cliquerFichier(f, 3);
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
    }

    void choisirUnMoisANouveau_data() {
        QTest::addColumn<int>("K");
        QTest::newRow("janvier") << 1;
        QTest::newRow("mai") << 5;
        QTest::newRow("decembre") << 12;
    }
    void choisirUnMoisANouveau() {
        QFETCH(int, K);
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 12);
        QTest::mouseClick(&f.Image(K), Qt::LeftButton);
        QCOMPARE(f.Command1.text(), u"Modifier"_qs);
        QVERIFY(f.Command1.isHidden());
        QCOMPARE(f.Label1.text(), u"Modif de l'Image "_qs + QString::number(K));
        QCOMPARE(a.lignes(images::kModifSer), QStringList{QString::number(K)});

        const int autre = (K + 1) % 4; // not month K's photo
        Atelier::cliquerFichier(f, autre);
        QCOMPARE(f.Label1.text(), QString::number(K) + u"° Photo Modifiée"_qs);
        QCOMPARE(f.Image(K).chemin(), a.images(kPhotos[autre]));
        QStringList attendu = anneeAttendue(a);
        attendu[K] = a.images(kPhotos[autre]);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu);
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        QVERIFY(f.Command1.isVisible());
    }

    void laDerniereBoiteCliqueeGagne() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 12);
        QTest::mouseClick(&f.Image(3), Qt::LeftButton);
        QTest::mouseClick(&f.Image(5), Qt::LeftButton);
        Atelier::cliquerFichier(f, 0);
        QStringList attendu = anneeAttendue(a);
        attendu[5] = a.images(kPhotos[0]);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu);
        QCOMPARE(f.Image(3).chemin(), a.images(kPhotos[3]));
    }

    void suite_data() {
        QTest::addColumn<int>("sortie");
        QTest::addColumn<bool>("passe");
        QTest::newRow("annee imprimee") << 6 << true;
        QTest::newRow("annee a l'ecran") << 7 << true;
        QTest::newRow("code 5") << 5 << false;
        QTest::newRow("code 4") << 4 << false;
    }
    void suite() {
        QFETCH(int, sortie);
        QFETCH(bool, passe);
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a, static_cast<Sortie>(sortie));
        confirmer(a, f, 12);
        Atelier::cliquerBouton(f);
        // The page lives inside the frame: the frame stays whatever the output.
        QVERIFY(a.programme.menuUn().isVisible());
        QCOMPARE(f.charge(), !passe);
        if (passe) {
            QCOMPARE(a.compositions, QList{static_cast<Sortie>(sortie)});
        } else {
            QVERIFY(a.compositions.isEmpty());
            QCOMPARE(f.Command1.text(), u"Suite"_qs);
            QCOMPARE(f.Label1.text(), u"Cliker Sur l'Image à Modifier"_qs);
        }
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
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

    // A month chosen again before the year is complete: the choice goes on.
    void choisirANouveauAvantLaFin() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 2);
        QTest::mouseClick(&f.Image(1), Qt::LeftButton);
        QCOMPARE(f.Command1.text(), u"Modifier"_qs);
        Atelier::cliquerFichier(f, 3);
        QCOMPARE(f.Label1.text(), u"1° Photo Modifiée"_qs);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(f.Command1.isHidden());
        QCOMPARE(
            a.lignes(calendrier::kFichierSer),
            QStringList({a.images(u"Alpes.jpg"_qs), a.images(kPhotos[3]), a.images(kPhotos[2])}));
        confirmer(a, f, 12);
        QStringList attendu = anneeAttendue(a);
        attendu[1] = a.images(kPhotos[3]);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu);
        Atelier::cliquerBouton(f);
        QCOMPARE(a.compositions, QList{Sortie::ImprimanteAnnee});
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

    void imageIllisible() {
        Atelier a(kPhotos);
        Atelier::poserTexte(a.images(u"Zut.jpg"_qs));
        DouzeImage& f = ouvrir(a);
        Atelier::cliquerFichier(f, 4);
        QCOMPARE(f.File1.FileName(), u"Zut.jpg"_qs);
        QVERIFY(f.Image(1).estVide());
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), 1);
        QCOMPARE(f.Label1.text(), u"Image illisible"_qs);
        QCOMPARE(a.lignes(calendrier::kFichierSer).size(), 1);

        // Nor does it replace a month chosen again.
        confirmer(a, f, 12);
        QTest::mouseClick(&f.Image(2), Qt::LeftButton);
        Atelier::cliquerFichier(f, 4);
        QCOMPARE(f.Command1.text(), u"Modifier"_qs);
        QCOMPARE(a.lignes(calendrier::kFichierSer), anneeAttendue(a));
    }

    void dossierImagesVide() {
        Atelier a(QStringList{});
        DouzeImage& f = ouvrir(a);
        QCOMPARE(f.File1.count(), 0);
        QVERIFY(f.Image(1).estVide());
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"1"_qs});
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), 1);
        QCOMPARE(a.lignes(calendrier::kFichierSer), QStringList{a.images(u"Alpes.jpg"_qs)});
    }

    // Opened again for another year, the window starts afresh.
    void reouverture() {
        Atelier a(kPhotos);
        DouzeImage& f = ouvrir(a);
        confirmer(a, f, 12);
        Atelier::cliquerBouton(f);
        QVERIFY(!f.charge());
        ouvrir(a);
        QCOMPARE(f.compteur(), 1);
        QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
        QVERIFY(f.Image(2).isHidden());
        QVERIFY(f.Image(12).estVide());
        QCOMPARE(a.lignes(calendrier::kFichierSer).size(), 1);
    }
};

QTEST_MAIN(TestDouzeImage)
#include "tst_douzeimage.moc"
