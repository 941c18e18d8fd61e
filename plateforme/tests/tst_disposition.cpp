#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>

using namespace plateforme;

namespace {

// A small window laid out the way every window of the suite is: members named
// as the design names them, and a table in the design's order.
class Echantillon : public QWidget {
public:
    BoiteImage Image1;
    QLabel Label1;
    std::array<QLabel, 3> Label10;
    Ligne Line1;
    QLineEdit Text1;
    QLabel Label2;

    Echantillon() {
        QList<Dessin> table = {
            {.controle = &Image1,
             .nom = u"Image1"_qs,
             .gauche = 60,
             .haut = 60,
             .largeur = 11775,
             .hauteur = 8715},
            {.controle = &Label1,
             .nom = u"Label1"_qs,
             .gauche = 5483,
             .haut = 600,
             .largeur = 915,
             .hauteur = 345,
             .points = 11.6,
             .styles = Style::Gras | Style::Italique,
             .legende = u"2027"_qs,
             .alignement = Qt::AlignCenter,
             .couleur = Qt::darkRed,
             .fond = Qt::yellow},
        };
        for (int i = 0; i < 3; ++i)
            table.append({.controle = &Label10[i],
                          .nom = nomElement(u"Label10"_qs, i),
                          .gauche = 780 + 1605 * i,
                          .haut = 1860,
                          .largeur = 495,
                          .hauteur = 315,
                          .points = 15.6,
                          .styles = Style::Gras | Style::Transparent | Style::Cache,
                          .legende = QString::number(i + 1).rightJustified(2, u'0'),
                          .alignement = Qt::AlignCenter});
        table.append({.controle = &Line1,
                      .nom = u"Line1"_qs,
                      .gauche = 150,
                      .haut = 3000,
                      .largeur = 4650,
                      .hauteur = 3000});
        table.append({.controle = &Text1,
                      .nom = u"Text1"_qs,
                      .gauche = 5573,
                      .haut = 8160,
                      .largeur = 735,
                      .hauteur = 360,
                      .points = 8.8,
                      .legende = u"O"_qs});
        table.append({.controle = &Label2,
                      .nom = u"Label2"_qs,
                      .gauche = 5873,
                      .haut = 180,
                      .points = 12.2,
                      .styles = Style::Gras | Style::AjusteAuTexte,
                      .legende = u" Septembre "_qs});
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
        QTest::newRow("9000") << 9000.0 << 600;
        QTest::newRow("5483") << 5483.0 << 366;
    }
    void conversion() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(plateforme::pixels(twips), pixels);
    }

    void placement_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometrie");
        // Edges are converted, sizes follow: 5483 + 915 = 6398 twips = 427 px.
        QTest::newRow("Label1") << u"Label1"_qs << QRect(366, 40, 61, 23);
        QTest::newRow("Image1") << u"Image1"_qs << QRect(4, 4, 785, 581);
        QTest::newRow("Label10(2)") << u"Label10(2)"_qs << QRect(266, 124, 33, 21);
        QTest::newRow("Text1") << u"Text1"_qs << QRect(372, 544, 49, 24);
        QTest::newRow("ligne, un pixel autour") << u"Line1"_qs << QRect(9, 199, 303, 3);
    }
    void placement() {
        QFETCH(QString, nom);
        QFETCH(QRect, geometrie);
        Echantillon f;
        auto* c = f.findChild<QWidget*>(nom);
        QVERIFY(c);
        QCOMPARE(c->geometry(), geometrie);
        QCOMPARE(f.size(), QSize(800, 600));
    }

    void ordreEtNoms() {
        Echantillon f;
        QStringList noms;
        for (QWidget* c : controlesDe(&f))
            noms << c->objectName();
        QCOMPARE(noms, QStringList({u"Image1"_qs, u"Label1"_qs, u"Label10(0)"_qs, u"Label10(1)"_qs,
                                    u"Label10(2)"_qs, u"Line1"_qs, u"Text1"_qs, u"Label2"_qs}));
        QCOMPARE(f.Label10[1].objectName(), u"Label10(1)"_qs);
    }

    void policeLegendeEtStyle() {
        Echantillon f;
        QCOMPARE(QFontInfo(f.Label1.font()).family(), u"Liberation Sans"_qs);
        QVERIFY(f.Label1.font().bold());
        QVERIFY(f.Label1.font().italic());
        QCOMPARE(f.Label1.font().pixelSize(), 15); // 11.6 pt = 15.5 px at 96 dpi
        QCOMPARE(f.Text1.font().pixelSize(), 12);
        QVERIFY(!f.Text1.font().bold());
        QCOMPARE(f.Label1.text(), u"2027"_qs);
        QCOMPARE(f.Label1.alignment(), Qt::AlignCenter);
        QCOMPARE(f.Text1.text(), u"O"_qs);
        QCOMPARE(f.Label1.palette().color(QPalette::WindowText), QColor(Qt::darkRed));
        QVERIFY(f.Label1.autoFillBackground());
        QVERIFY(!f.Label10[0].autoFillBackground());
        QVERIFY(f.Label10[0].isHidden());
        QVERIFY(!f.Label1.isHidden());
    }

    void ajusteAuTexte() {
        Echantillon f;
        QCOMPARE(f.Label2.size(), f.Label2.sizeHint());
        QCOMPARE(lirePropriete(&f.Label2, Propriete::Width), twips(f.Label2.width()));
        f.Label2.setText(u" Mai "_qs);
        ajusterAuTexte(&f.Label2);
        QCOMPARE(f.Label2.size(), f.Label2.sizeHint());
        QCOMPARE(f.Label2.pos(), QPoint(392, 12));
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

        QVERIFY(ecrirePropriete(&f.Label1, Propriete::Left, 1500));
        QCOMPARE(f.Label1.geometry(), QRect(100, 40, 61, 23));
        QVERIFY(ecrirePropriete(&f.Label1, Propriete::FontSize, 24));
        QCOMPARE(f.Label1.font().pixelSize(), 32);
        QVERIFY(f.Label1.font().bold());
        QVERIFY(ecrirePropriete(&f.Line1, Propriete::Y2, 4500));
        QCOMPARE(f.Line1.geometry(), QRect(9, 199, 303, 103));

        // A widget outside any table answers from its pixels.
        QWidget libre(&f);
        libre.setGeometry(10, 20, 30, 40);
        QCOMPARE(lirePropriete(&libre, Propriete::Height), 600.0);
        QVERIFY(ecrirePropriete(&libre, Propriete::Top, 1500));
        QCOMPARE(libre.geometry(), QRect(10, 100, 30, 40));
    }

    void rendu() {
        Echantillon f;
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(QColor(20, 40, 160));
        f.Image1.setImage(photo);
        f.Label10[0].show();
        f.Label10[0].setStyleSheet(u"color: white"_qs);
        const QImage capture = f.grab().toImage();
        // The picture shows through the transparent day number; the opaque
        // year label paints its own background.
        QCOMPARE(capture.pixelColor(f.Label10[0].geometry().topLeft() + QPoint(1, 1)),
                 QColor(20, 40, 160));
        QCOMPARE(capture.pixelColor(f.Label1.geometry().topLeft() + QPoint(1, 1)),
                 QColor(Qt::yellow));
        int clairs = 0;
        const QRect r = f.Label10[0].geometry();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                clairs += qGray(capture.pixel(x, y)) > 200;
        QVERIFY2(clairs > 10, "the day number is drawn");
    }
};

QTEST_MAIN(TestDisposition)
#include "tst_disposition.moc"
