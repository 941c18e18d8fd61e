#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>

using namespace plateforme;

namespace {

// A small window laid out the way every window of the suite is: members named
// as the design names them, and a table in the design's order (left, top,
// width, height in twips; points, styles, caption, alignment, colours).
class Echantillon : public QWidget {
public:
    BoiteImage Image1;
    QLabel Label1;
    std::array<QLabel, 3> Label10;
    Ligne Line1;
    QLineEdit Text1;
    QLabel Label2;
    QList<Dessin> table = {
        {&Image1, u"Image1"_qs, 60, 60, 11775, 8715},
        {&Label1, u"Label1"_qs, 5483, 600, 915, 345, 11.6, Style::Gras | Style::Italique,
         u"2027"_qs, Qt::AlignCenter, Qt::darkRed, Qt::yellow},
        {&Line1, u"Line1"_qs, 150, 3000, 4650, 3000},
        {&Text1, u"Text1"_qs, 5573, 8160, 735, 360, 8.8, Style::Aucun, u"O"_qs},
        {&Label2, u"Label2"_qs, 5873, 180, 0, 0, 12.2, Style::Gras | Style::AjusteAuTexte,
         u" Septembre "_qs},
    };

    Echantillon() {
        for (int i = 0; i < 3; ++i)
            table.insert(2 + i, {&Label10[i], nomElement(u"Label10"_qs, i), 780 + 1605 * i, 1860,
                                 495, 315, 15.6, Style::Gras | Style::Transparent | Style::Cache,
                                 QString::number(i + 1), Qt::AlignCenter});
        appliquerDisposition(this, table);
        ecrirePropriete(this, Propriete::Width, 12000);
        ecrirePropriete(this, Propriete::Height, 9000);
    }
};

} // namespace

class TestDisposition : public QObject {
    Q_OBJECT

private slots:
    void conversion_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("un pixel") << 15.0 << 1;
        QTest::newRow("moins d'un demi") << 7.0 << 0;
        QTest::newRow("plus d'un demi") << 8.0 << 1;
        QTest::newRow("fenetre") << 12000.0 << 800;
    }
    void conversion() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(plateforme::pixels(twips), pixels);
        QCOMPARE(plateforme::twips(pixels), pixels * 15.0);
    }

    // Edges are converted, sizes follow, so that controls touching in the
    // design touch on screen; a line takes a pixel around its end points. Then
    // fonts, captions, colours and transparency.
    void disposition() {
        Echantillon f;
        QCOMPARE(f.size(), QSize(800, 600));
        QCOMPARE(controlesDe(&f).size(), f.table.size());
        for (qsizetype i = 0; i < f.table.size(); ++i) {
            const Dessin& d = f.table[i];
            QWidget* c = controlesDe(&f)[i];
            QCOMPARE(c, d.controle);
            QCOMPARE(c->objectName(), d.nom);
            const int e = c == &f.Line1 ? 1 : 0;
            const QRect attendu(
                QPoint(pixels(d.gauche) - e, pixels(d.haut) - e),
                e ? QPoint(pixels(d.largeur) + 1, pixels(d.hauteur) + 1)
                  : QPoint(pixels(d.gauche + d.largeur) - 1, pixels(d.haut + d.hauteur) - 1));
            if (c != &f.Label2)
                QCOMPARE(c->geometry(), attendu);
        }
        QCOMPARE(f.Label10[1].objectName(), u"Label10(1)"_qs);
        QVERIFY(f.Label1.font().bold() && f.Label1.font().italic());
        QVERIFY(!f.Text1.font().bold());
        QCOMPARE(f.Label1.font().pixelSize(), qRound(11.6 * 96 / 72));
        QCOMPARE(f.Label1.text(), u"2027"_qs);
        QCOMPARE(f.Label1.alignment(), Qt::AlignCenter);
        QCOMPARE(f.Text1.text(), u"O"_qs);
        QCOMPARE(f.Label1.palette().color(QPalette::WindowText), QColor(Qt::darkRed));
        QVERIFY(f.Label1.autoFillBackground());
        QVERIFY(!f.Label10[0].autoFillBackground());
        QVERIFY(f.Label10[0].isHidden());
        QVERIFY(!f.Label1.isHidden());
    }

    void proprietesParNom() {
        Echantillon f;
        QCOMPARE(lirePropriete(&f.Label1, Propriete::Top), 600.0);
        QCOMPARE(lirePropriete(&f.Label1, Propriete::FontSize), 11.6);
        QCOMPARE(lirePropriete(&f.Label1, Propriete::X1), std::nullopt);
        // A picture has no font size; a line nothing but its end points.
        QCOMPARE(lirePropriete(&f.Image1, Propriete::FontSize), std::nullopt);
        QVERIFY(!ecrirePropriete(&f.Image1, Propriete::FontSize, 10));
        QCOMPARE(lirePropriete(&f.Line1, Propriete::Top), std::nullopt);
        QCOMPARE(lirePropriete(&f.Line1, Propriete::X2), 4650.0);
        QVERIFY(!ecrirePropriete(&f.Line1, Propriete::Width, 100));

        // Written in twips, the control follows.
        QVERIFY(ecrirePropriete(&f.Label1, Propriete::Left, 1500));
        QCOMPARE(f.Label1.pos(), QPoint(pixels(1500), pixels(600)));
        QVERIFY(ecrirePropriete(&f.Label1, Propriete::FontSize, 24));
        QCOMPARE(f.Label1.font().pixelSize(), 32);
        QVERIFY(f.Label1.font().bold());
        QVERIFY(ecrirePropriete(&f.Line1, Propriete::Y2, 4500));
        QCOMPARE(f.Line1.geometry().bottom(), pixels(4500) + 1);

        // A widget outside any table answers from its pixels.
        QWidget libre(&f);
        libre.setGeometry(10, 20, 30, 40);
        QCOMPARE(lirePropriete(&libre, Propriete::Height), 600.0);
        QVERIFY(ecrirePropriete(&libre, Propriete::Top, 1500));
        QCOMPARE(libre.geometry(), QRect(10, 100, 30, 40));

        // A label sized to its caption, and again once its caption changed.
        QCOMPARE(f.Label2.size(), f.Label2.sizeHint());
        QCOMPARE(lirePropriete(&f.Label2, Propriete::Width), twips(f.Label2.width()));
        f.Label2.setText(u" Mai "_qs);
        ajusterAuTexte(&f.Label2);
        QCOMPARE(f.Label2.size(), f.Label2.sizeHint());
        QCOMPARE(lirePropriete(&f.Label2, Propriete::Width), twips(f.Label2.width()));
        QCOMPARE(f.Label2.pos(), QPoint(pixels(5873), pixels(180)));
    }

    void rendu() {
        Echantillon f;
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(QColor(20, 40, 160));
        f.Image1.setImage(photo);
        f.Label10[0].show();
        const QImage capture = f.grab().toImage();
        // The picture shows through the transparent day number; the opaque
        // year label paints its own background.
        const QRect r = f.Label10[0].geometry();
        QCOMPARE(capture.pixelColor(r.topLeft() + QPoint(1, 1)), QColor(20, 40, 160));
        QCOMPARE(capture.pixelColor(f.Label1.geometry().topLeft() + QPoint(1, 1)),
                 QColor(Qt::yellow));
    }
};

QTEST_MAIN(TestDisposition)
#include "tst_disposition.moc"
