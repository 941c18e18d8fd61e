#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"

#include <QLabel>
#include <QTest>
#include <array>

using namespace plateforme;

// A small window laid out the way every window of the suite is: design-named members and a
// table in the design's order (left, top, width, height in twips; points, styles, caption...).
class Echantillon : public QWidget {
public:
    BoiteImage Image1;
    QLabel Label1;
    std::array<QLabel, 3> Label10;
    Ligne Line1;
    QLabel Label2;
    QList<Dessin> table = {
        {&Image1, u"Image1"_qs, 60, 60, 11775, 8715},
        {&Label1, u"Label1"_qs, 5483, 600, 915, 345, 11.6, Style::Gras | Style::Italique,
         u"2027"_qs, Qt::AlignCenter, Qt::darkRed, Qt::yellow},
        {&Line1, u"Line1"_qs, 150, 3000, 4650, 3000},
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

class TestDisposition : public QObject {
    Q_OBJECT

private slots:
    // Edges are converted (15 twips a pixel, halves up), sizes follow, so
    // that controls touching in the design touch on screen; a line takes a
    // pixel around its end points. Then fonts, captions, colours and
    // transparency: the picture shows through a transparent label. Then
    // properties read and written by name, in twips.
    void disposition() {
        QCOMPARE(pixels(7), 0);
        Echantillon f;
        QCOMPARE(f.size(), QSize(800, 600));
        QCOMPARE(f.Image1.geometry(), QRect(QPoint(4, 4), QPoint(788, 584)));
        QCOMPARE(f.Label1.geometry(), QRect(QPoint(366, 40), QPoint(426, 62)));
        QCOMPARE(f.Label10[2].geometry(), QRect(QPoint(266, 124), QPoint(298, 144)));
        QCOMPARE(f.Line1.geometry(), QRect(QPoint(9, 199), QPoint(311, 201)));
        QVERIFY(f.Label1.font().bold() && f.Label1.font().italic());
        QCOMPARE(f.Label1.font().pixelSize(), qRound(11.6 * 96 / 72));
        QVERIFY(f.Label1.text() == u"2027"_qs && f.Label1.alignment() == Qt::AlignCenter);
        QVERIFY(f.Label10[0].isHidden() && !f.Label1.isHidden());
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(QColor(20, 40, 160));
        f.Image1.setImage(photo);
        f.Label10[0].show();
        const QImage capture = f.grab().toImage();
        QCOMPARE(capture.pixelColor(f.Label10[0].pos() + QPoint(1, 1)), QColor(20, 40, 160));
        QCOMPARE(capture.pixelColor(f.Label1.pos() + QPoint(1, 1)), QColor(Qt::yellow));
        QCOMPARE(lirePropriete(&f.Label1, Propriete::FontSize), 11.6);
        // A picture has no font size; a line nothing but its end points.
        QVERIFY(!ecrirePropriete(&f.Image1, Propriete::FontSize, 10));
        QCOMPARE(lirePropriete(&f.Line1, Propriete::Top), std::nullopt);
        QCOMPARE(lirePropriete(&f.Line1, Propriete::X2), 4650.0);
        QVERIFY(ecrirePropriete(&f.Label1, Propriete::Left, 1500));
        QCOMPARE(f.Label1.pos(), QPoint(100, 40));
        QVERIFY(ecrirePropriete(&f.Label1, Propriete::FontSize, 24));
        QVERIFY(f.Label1.font().pixelSize() == 32 && f.Label1.font().bold());
        // A label sized to its caption, and again once its caption changed.
        f.Label2.setText(u" Mai "_qs);
        ajusterAuTexte(&f.Label2);
        QCOMPARE(f.Label2.size(), f.Label2.sizeHint());
        QCOMPARE(lirePropriete(&f.Label2, Propriete::Width), twips(f.Label2.width()));
        QCOMPARE(f.Label2.pos(), QPoint(392, 12));
    }
};

QTEST_MAIN(TestDisposition)
#include "tst_disposition.moc"
