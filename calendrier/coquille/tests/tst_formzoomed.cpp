#include "calendrier/coquille/formzoomed.h"
#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"

#include <QLabel>
#include <QTest>

using namespace plateforme;

namespace {

// A window with one control of each kind scaling meets: a label, a line, a
// picture (no font size) and a tiny label that must not vanish.
class Fenetre : public QWidget {
public:
    QLabel Label1;
    Ligne Line1;
    BoiteImage Image1;
    QLabel Label2;

    explicit Fenetre(double points = 8.25) {
        appliquerDisposition(this, {{.controle = &Label1,
                                     .nom = u"Label1"_qs,
                                     .gauche = 5483,
                                     .haut = 600,
                                     .largeur = 915,
                                     .hauteur = 345,
                                     .points = points,
                                     .legende = u"2027"_qs},
                                    {.controle = &Line1,
                                     .nom = u"Line1"_qs,
                                     .gauche = 150,
                                     .haut = 3000,
                                     .largeur = 4650,
                                     .hauteur = 3600},
                                    {.controle = &Image1,
                                     .nom = u"Image1"_qs,
                                     .gauche = 60,
                                     .haut = 60,
                                     .largeur = 11775,
                                     .hauteur = 8715},
                                    {.controle = &Label2,
                                     .nom = u"Label2"_qs,
                                     .gauche = 15,
                                     .haut = 15,
                                     .largeur = 15,
                                     .hauteur = 15,
                                     .points = 1}});
        resize(800, 600);
    }
};

double propriete(const QWidget& c, Propriete p) {
    return lirePropriete(&c, p).value_or(-1);
}

} // namespace

class TestFormZoomed : public QObject {
    Q_OBJECT

private slots:
    void zoomEcran_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<int>("rapportHauteur");
        QTest::addColumn<int>("rapportLargeur");
        QTest::addColumn<QSize>("fenetre"); // pixels
        // The worked values: 9000 / 93.4 = 96.36, 12000 / 120.15 = 99.88 ...
        QTest::newRow("800 x 600") << QSize(800, 600) << 96 << 100 << QSize(800, 576);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 123 << 128 << QSize(1024, 738);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 164 << 160 << QSize(1280, 984);
        // Outside the ranges: the nearest bound, never 0.
        QTest::newRow("640 x 480") << QSize(640, 480) << 96 << 100 << QSize(800, 576);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 173 << 175 << QSize(1400, 1038);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 182 << 175 << QSize(1400, 1092);
        QTest::newRow("pas d'ecran") << QSize() << 96 << 100 << QSize(800, 576);
    }
    void zoomEcran() {
        QFETCH(QSize, ecran);
        QFETCH(int, rapportHauteur);
        QFETCH(int, rapportLargeur);
        QFETCH(QSize, fenetre);
        FormZoomed zoom;
        zoom.setEcran([ecran] { return ecran; });
        Fenetre f;
        zoom.RetenirDisposition(&f);
        zoom.ZoomEcran(&f);
        QCOMPARE(zoom.rapportHauteur(), rapportHauteur);
        QCOMPARE(zoom.rapportLargeur(), rapportLargeur);
        QCOMPARE(f.size(), fenetre);
        QCOMPARE(propriete(f, Propriete::Height), 9000 / 100.0 * rapportHauteur);
        // Every control by one ratio, horizontal values too: the height's,
        // unless the width's is smaller and the controls would pass the edge.
        const double r = std::min(rapportHauteur, rapportLargeur) / 100.0;
        QCOMPARE(propriete(f.Label1, Propriete::Left), 5483 * r);
        QCOMPARE(propriete(f.Label1, Propriete::Width), 915 * r);
        QCOMPARE(f.Label1.x(), pixels(5483 * r));
        // The design's right-most edge stays inside the window.
        QVERIFY(11797 * r <= propriete(f, Propriete::Width));
    }

    void controles_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("policeAttendue");
        // A font size is recorded whole, a half going to the even neighbour.
        QTest::newRow("8,25 retenu 8") << QSize(1024, 768) << 8.25 << 8 * 1.23;
        QTest::newRow("8,5 retenu 8") << QSize(1024, 768) << 8.5 << 8 * 1.23;
        QTest::newRow("9,5 retenu 10") << QSize(1024, 768) << 9.5 << 10 * 1.23;
        QTest::newRow("15,6 a 800 x 600") << QSize(800, 600) << 15.6 << 16 * 0.96;
    }
    void controles() {
        QFETCH(QSize, ecran);
        QFETCH(double, points);
        QFETCH(double, policeAttendue);
        FormZoomed zoom;
        zoom.setEcran([ecran] { return ecran; });
        QWidget demarrage;
        zoom.ZoomEcran(&demarrage); // start-up measures the screen
        const double r = zoom.rapportHauteur() / 100.0;

        Fenetre f(points);
        zoom.RetenirDisposition(&f);
        zoom.AppliquerZoom(&f);
        QCOMPARE(propriete(f.Label1, Propriete::FontSize), policeAttendue);
        QCOMPARE(propriete(f.Label1, Propriete::Top), 600 * r);

        // The line: its end points scaled, and nothing else it could have.
        QCOMPARE(propriete(f.Line1, Propriete::X1), 150 * r);
        QCOMPARE(propriete(f.Line1, Propriete::Y1), 3000 * r);
        QCOMPARE(propriete(f.Line1, Propriete::X2), 4650 * r);
        QCOMPARE(propriete(f.Line1, Propriete::Y2), 3600 * r);
        QCOMPARE(lirePropriete(&f.Line1, Propriete::Top), std::nullopt);
        QCOMPARE(f.Line1.geometry().topLeft(), QPoint(pixels(150 * r) - 1, pixels(3000 * r) - 1));

        // The picture: by its box alone, still without a font size.
        QCOMPARE(propriete(f.Image1, Propriete::Width), 11775 * r);
        QCOMPARE(propriete(f.Image1, Propriete::Height), 8715 * r);
        QCOMPARE(lirePropriete(&f.Image1, Propriete::FontSize), std::nullopt);
        QCOMPARE(f.Image1.geometry(),
                 QRect(pixels(60 * r), pixels(60 * r), pixels(11835 * r) - pixels(60 * r),
                       pixels(8775 * r) - pixels(60 * r)));

        // A one-twip-square label keeps a pixel.
        QVERIFY(!f.Label2.size().isEmpty());
        QVERIFY(f.Label2.font().pixelSize() >= 1);

        // Scaling works from the record, so a second pass changes nothing.
        const QRect avant = f.Label1.geometry();
        zoom.AppliquerZoom(&f);
        QCOMPARE(f.Label1.geometry(), avant);
    }

    void sansZoomEcranPrealable() {
        // A window scaled or sized before the start-up windows measured the
        // screen measures it itself rather than shrinking to nothing.
        FormZoomed zoom;
        zoom.setEcran([] { return QSize(1024, 768); });
        Fenetre f;
        zoom.RetenirDisposition(&f);
        zoom.AppliquerZoom(&f);
        QCOMPARE(zoom.rapportHauteur(), 123);
        QCOMPARE(propriete(f.Label1, Propriete::Top), 738.0);

        FormZoomed autre;
        autre.setEcran([] { return QSize(1024, 768); });
        Fenetre g;
        autre.dimensionner(&g);
        QCOMPARE(g.size(), QSize(1024, 738));
    }

    void dispositionDeLaDerniereFenetre() {
        FormZoomed zoom;
        zoom.setEcran([] { return QSize(1280, 1024); });
        Fenetre grande;
        QWidget petite;
        QLabel Label1;
        appliquerDisposition(&petite, {{.controle = &Label1,
                                        .nom = u"Label1"_qs,
                                        .gauche = 100,
                                        .haut = 200,
                                        .largeur = 300,
                                        .hauteur = 400,
                                        .points = 10}});
        zoom.RetenirDisposition(&grande);
        zoom.RetenirDisposition(&petite);
        zoom.AppliquerZoom(&petite);
        QCOMPARE(propriete(Label1, Propriete::Height), 400 * 1.60);
        QCOMPARE(propriete(Label1, Propriete::FontSize), 10 * 1.60);
    }

    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 300, 200);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        const QRect avant = fenetre.geometry();
        QVERIFY(FormZoomed::PremierPlan(&fenetre));
        QVERIFY(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(fenetre.isVisible());
        QCOMPARE(fenetre.geometry(), avant);
        QVERIFY(!fenetre.testAttribute(Qt::WA_ShowWithoutActivating));

        QWidget cachee;
        QVERIFY(FormZoomed::PremierPlan(&cachee));
        QVERIFY(cachee.isVisible());
    }
};

QTEST_MAIN(TestFormZoomed)
#include "tst_formzoomed.moc"
