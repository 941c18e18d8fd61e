#include "calendrier/coquille/formzoomed.h"
#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"

#include <QLabel>
#include <QTest>

using namespace plateforme;

// A window with one control of each kind scaling meets: a label, a line and a
// picture (no font size).
struct Fenetre : QWidget {
    QLabel Label1;
    Ligne Line1;
    BoiteImage Image1;
    explicit Fenetre(double points = 8.25) {
        appliquerDisposition(this, {{&Label1, u"Label1"_qs, 5483, 600, 915, 345, points},
                                    {&Line1, u"Line1"_qs, 150, 3000, 4650, 3600},
                                    {&Image1, u"Image1"_qs, 60, 60, 11775, 8715}});
    }
};

class TestFormZoomed : public QObject {
    Q_OBJECT
private slots:
    void zoom_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QList<int>>("rapports"); // height's and width's, in percent
        QTest::addColumn<QSize>("fenetre");       // pixels
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("police"); // the size recorded: whole, a half to the even one
        const auto ligne = [](QSize e, int h, int l, QSize f, double points, int police) {
            QTest::addRow("%d x %d", e.width(), e.height())
                << e << QList<int>{h, l} << f << points << police;
        };
        // The worked values: 9000 / 93.4 = 96.36, 12000 / 120.15 = 99.88 ...
        ligne({800, 600}, 96, 100, {800, 576}, 15.6, 16);
        ligne({1280, 1024}, 164, 160, {1280, 984}, 9.5, 10);
        // Outside the ranges, or no screen: the nearest bound, never 0.
        ligne({3840, 2160}, 182, 175, {1400, 1092}, 10.5, 10);
        ligne({}, 96, 100, {800, 576}, 8.5, 8);
    }
    void zoom() {
        QFETCH(QSize, ecran);
        QFETCH(QList<int>, rapports);
        QFETCH(QSize, fenetre);
        QFETCH(double, points);
        QFETCH(int, police);
        FormZoomed zoom, neuf;
        zoom.setEcran([ecran] { return ecran; });
        neuf.setEcran([ecran] { return ecran; });
        Fenetre f, g(points), h;
        zoom.RetenirDisposition(&f);
        zoom.ZoomEcran(&f);
        QCOMPARE((QList<int>{zoom.rapportHauteur(), zoom.rapportLargeur()}), rapports);
        QCOMPARE(f.size(), fenetre);
        // Every control by one ratio, horizontal values too: the height's,
        // unless the width's is smaller and the controls would pass the edge.
        const double r = std::min(rapports[0], rapports[1]) / 100.0;
        // Another window, by its own record; twice, as scaling starts from the record.
        zoom.RetenirDisposition(&g);
        zoom.AppliquerZoom(&g);
        zoom.AppliquerZoom(&g);
        QCOMPARE(*lirePropriete(&g.Label1, Propriete::FontSize), police * r);
        QCOMPARE(*lirePropriete(&g.Line1, Propriete::Y2), 3600 * r);    // a line by its ends
        QCOMPARE(g.Image1.width(), pixels(11835 * r) - pixels(60 * r)); // edges rounded
        // Scaled or sized unmeasured, a window measures the screen, not to shrink to nothing.
        neuf.RetenirDisposition(&h);
        neuf.AppliquerZoom(&h);
        neuf.dimensionner(&h);
        QVERIFY(h.size() == fenetre && h.Label1.geometry() == g.Label1.geometry());
    }

    // Brought to the front where it stands, and shown.
    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 300, 200);
        QVERIFY(FormZoomed::PremierPlan(&fenetre) && fenetre.isVisible());
        QVERIFY(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(fenetre.geometry(), QRect(40, 50, 300, 200));
    }
};

QTEST_MAIN(TestFormZoomed)
#include "tst_formzoomed.moc"
