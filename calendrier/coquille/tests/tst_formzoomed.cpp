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
        appliquerDisposition(this, {{&Label1, u"Label1"_qs, 5483, 600, 915, 345, points},
                                    {&Line1, u"Line1"_qs, 150, 3000, 4650, 3600},
                                    {&Image1, u"Image1"_qs, 60, 60, 11775, 8715},
                                    {&Label2, u"Label2"_qs, 15, 15, 15, 15, 1}});
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
    void zoom_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<int>("rapportHauteur");
        QTest::addColumn<int>("rapportLargeur");
        QTest::addColumn<QSize>("fenetre"); // pixels
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("police"); // the size recorded: whole, a half to the even one
        // The worked values: 9000 / 93.4 = 96.36, 12000 / 120.15 = 99.88 ...
        QTest::newRow("800 x 600") << QSize(800, 600) << 96 << 100 << QSize(800, 576) << 15.6 << 16;
        QTest::newRow("1024 x 768")
            << QSize(1024, 768) << 123 << 128 << QSize(1024, 738) << 8.25 << 8;
        QTest::newRow("1280 x 1024")
            << QSize(1280, 1024) << 164 << 160 << QSize(1280, 984) << 9.5 << 10;
        // Outside the ranges: the nearest bound, never 0.
        QTest::newRow("640 x 480") << QSize(640, 480) << 96 << 100 << QSize(800, 576) << 8.5 << 8;
        QTest::newRow("1920 x 1080")
            << QSize(1920, 1080) << 173 << 175 << QSize(1400, 1038) << 8.25 << 8;
        QTest::newRow("3840 x 2160")
            << QSize(3840, 2160) << 182 << 175 << QSize(1400, 1092) << 10.5 << 10;
        QTest::newRow("pas d'ecran") << QSize() << 96 << 100 << QSize(800, 576) << 8.25 << 8;
    }
    void zoom() {
        QFETCH(QSize, ecran);
        QFETCH(int, rapportHauteur);
        QFETCH(int, rapportLargeur);
        QFETCH(QSize, fenetre);
        QFETCH(double, points);
        QFETCH(int, police);
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

        // Another window, scaled once the screen is measured, by its own record
        // (its font differs from the first's in most rows).
        Fenetre g(points);
        zoom.RetenirDisposition(&g);
        zoom.AppliquerZoom(&g);
        QCOMPARE(propriete(g.Label1, Propriete::FontSize), police * r);
        QCOMPARE(propriete(g.Label1, Propriete::Top), 600 * r);
        // The line: its end points scaled, and nothing else it could have.
        QCOMPARE(propriete(g.Line1, Propriete::X1), 150 * r);
        QCOMPARE(propriete(g.Line1, Propriete::Y1), 3000 * r);
        QCOMPARE(propriete(g.Line1, Propriete::X2), 4650 * r);
        QCOMPARE(propriete(g.Line1, Propriete::Y2), 3600 * r);
        QCOMPARE(lirePropriete(&g.Line1, Propriete::Top), std::nullopt);
        QCOMPARE(g.Line1.geometry().topLeft(), QPoint(pixels(150 * r) - 1, pixels(3000 * r) - 1));
        // The picture: by its box alone, its edges rounded, still without a font size.
        QCOMPARE(propriete(g.Image1, Propriete::Height), 8715 * r);
        QCOMPARE(lirePropriete(&g.Image1, Propriete::FontSize), std::nullopt);
        QCOMPARE(g.Image1.geometry(),
                 QRect(pixels(60 * r), pixels(60 * r), pixels(11835 * r) - pixels(60 * r),
                       pixels(8775 * r) - pixels(60 * r)));
        // A one-twip-square label keeps a pixel.
        QVERIFY(!g.Label2.size().isEmpty());
        QVERIFY(g.Label2.font().pixelSize() >= 1);
        // Scaling works from the record, so a second pass changes nothing.
        const QRect avant = g.Label1.geometry();
        zoom.AppliquerZoom(&g);
        QCOMPARE(g.Label1.geometry(), avant);
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

    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 300, 200);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        const QRect avant = fenetre.geometry();
        QVERIFY(FormZoomed::PremierPlan(&fenetre));
        QVERIFY(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && fenetre.isVisible());
        QCOMPARE(fenetre.geometry(), avant);
        QVERIFY(!fenetre.testAttribute(Qt::WA_ShowWithoutActivating));

        QWidget cachee;
        QVERIFY(FormZoomed::PremierPlan(&cachee));
        QVERIFY(cachee.isVisible());
    }
};

QTEST_MAIN(TestFormZoomed)
#include "tst_formzoomed.moc"
