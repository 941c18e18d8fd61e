// The twelve month pictures, driven as a user does, from the cover onwards.

#include "atelier.h"
#include "calendrier/images/douzeimage.h"

using calendrier::Sortie;

namespace {

const QStringList kPhotos = u"Alpes.jpg Bretagne.jpg Corse.jpg Dordogne.jpg"_qs.split(u' ');

// The window as Entete leaves it: the cover recorded, the year's output chosen.
DouzeImage& ouvrir(Atelier& a, Sortie sortie = Sortie::ImprimanteAnnee) {
    plateforme::reecrire(a.bac.chemin(calendrier::kFichierSer), {a.images(u"Alpes.jpg"_qs)});
    DouzeImage& f = a.programme.douzeImage();
    a.ouvrir(f, sortie);
    return f;
}

// Confirms months from the counter on up to `jusqua`, month m taking photo
// m % 4; between a confirmation and the next selection, the next month waits
// unseen.
void confirmer(Atelier& a, DouzeImage& f, int jusqua) {
    for (int m = f.compteur(); m <= jusqua; ++m) {
        Atelier::cliquerFichier(f, m % 4);
        QCOMPARE(f.Label1.text(), QString::number(m) + u"° Photo "_qs);
        QCOMPARE(f.Image(m).chemin(), a.images(kPhotos[m % 4]));
        QVERIFY(f.Image(m).isVisible() && f.LabelMois(m).isVisible());
        Atelier::cliquerBouton(f);
        QCOMPARE(f.compteur(), m + 1);
        QVERIFY(m == 12 || (f.Command1.isHidden() && f.Image(m + 1).isHidden()));
    }
}

// The cover, then month m's photo m % 4.
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
    // The cover in January's box, other months hidden; no picture, nothing
    // recorded. A box clicked (the last one wins) takes the next picture, the
    // year complete or not; a box not chosen yet cannot be. Twelve months,
    // then "Suite": on to the page for a year only. Reopened, all afresh.
    void choisirUnMoisANouveau_data() {
        QTest::addColumn<int>("K");
        QTest::addColumn<int>("avant");  // a box clicked first, 0 for none
        QTest::addColumn<int>("jusqua"); // the months confirmed before
        QTest::addColumn<Sortie>("sortie");
        QTest::newRow("mai apres mars") << 5 << 3 << 12 << Sortie::EcranAnnee;
        QTest::newRow("decembre, mois") << 12 << 0 << 12 << Sortie::EcranMois;
        QTest::newRow("janvier avant la fin") << 1 << 0 << 2 << Sortie::ImprimanteAnnee;
        QTest::newRow("mois pas encore choisi") << 3 << 0 << 2 << Sortie::ImprimanteAnnee;
    }
    void choisirUnMoisANouveau() {
        QFETCH(int, K);
        QFETCH(int, avant);
        QFETCH(int, jusqua);
        QFETCH(Sortie, sortie);
        Atelier a(kPhotos);
        QVERIFY(plateforme::reecrire(a.images(u"Zut.jpg"_qs), {u"zut"_qs}));
        DouzeImage& f = ouvrir(a, sortie);
        QCOMPARE(f.Image(1).chemin(), a.images(u"Alpes.jpg"_qs));
        for (int m = 2; m <= 12; ++m)
            QVERIFY(f.Image(m).isHidden() && f.LabelMois(m).isHidden());
        Atelier::cliquerFichier(f, 4);
        Atelier::cliquerBouton(f);
        QCOMPARE(f.Label1.text(), u"Image illisible"_qs);
        QCOMPARE(f.compteur(), 1);
        confirmer(a, f, jusqua);
        if (K > jusqua) { // not even the month previewed
            Atelier::cliquerFichier(f, 0);
            QTest::mouseClick(&f.Image(K), Qt::LeftButton);
            QCOMPARE(f.Command1.text(), u"Confirmer"_qs);
            QVERIFY(!QFileInfo::exists(a.bac.chemin(images::kModifSer)));
            return;
        }
        if (avant)
            QTest::mouseClick(&f.Image(avant), Qt::LeftButton);
        QTest::mouseClick(&f.Image(K), Qt::LeftButton);
        QCOMPARE(a.lignes(images::kModifSer), QStringList{QString::number(K)});
        Atelier::cliquerFichier(f, 4);
        QVERIFY(f.Command1.text() == u"Modifier" && f.Command1.isHidden());
        const int autre = (K + 1) % 4; // not month K's photo
        Atelier::cliquerFichier(f, autre);
        QCOMPARE(f.Image(K).chemin(), a.images(kPhotos[autre]));
        QStringList attendu = anneeAttendue(a);
        attendu[K] = a.images(kPhotos[autre]);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu.mid(0, jusqua + 1));
        QCOMPARE(f.Command1.text(), jusqua == 12 ? u"Suite"_qs : u"Confirmer"_qs);
        confirmer(a, f, 12);
        QCOMPARE(a.lignes(images::kCompteurSer), QStringList{u"13"_qs});
        if (jusqua < 12)
            Atelier::cliquerFichier(f, 3); // changes nothing now
        Atelier::cliquerBouton(f);
        const bool passe = sortie != Sortie::EcranMois;
        QCOMPARE(a.compositions, passe ? QList{sortie} : QList<Sortie>{});
        QCOMPARE(f.charge(), !passe);
        QCOMPARE(a.lignes(calendrier::kFichierSer), attendu);
        ouvrir(a);
        QCOMPARE(f.compteur(), 1);
        QVERIFY(f.Image(12).estVide() && f.Image(12).isHidden());
    }
};

QTEST_MAIN(TestDouzeImage)
#include "tst_douzeimage.moc"
