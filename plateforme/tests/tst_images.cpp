#include "plateforme/images.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace plateforme;

namespace {

// A photo in four quadrants of known colours, written by the test itself.
QImage quadrants(QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = taille.width() / 2, h = taille.height() / 2;
    p.fillRect(0, 0, w, h, QColor(220, 30, 30));
    p.fillRect(w, 0, w, h, QColor(30, 200, 30));
    p.fillRect(0, h, w, h, QColor(30, 30, 220));
    p.fillRect(w, h, w, h, QColor(240, 240, 240));
    return image;
}

bool proche(QColor a, QColor b, int ecart = 24) {
    return std::abs(a.red() - b.red()) <= ecart && std::abs(a.green() - b.green()) <= ecart &&
           std::abs(a.blue() - b.blue()) <= ecart;
}

// Vertical stripes four source pixels wide: sharp only when the box draws
// from a decode of enough resolution.
QImage rayures(QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    for (int x = 0; x < taille.width(); ++x) {
        const QRgb c = (x / 4) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int y = 0; y < taille.height(); ++y)
            image.setPixel(x, y, c);
    }
    return image;
}

// Share of a row's pixels that are plainly black or plainly white.
double nettete(const QImage& image, int y) {
    int nets = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int g = qGray(image.pixel(x, y));
        nets += g < 40 || g > 215;
    }
    return double(nets) / image.width();
}

QImage rendre(QWidget& w, qreal echelle) {
    QImage image(w.size() * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::magenta);
    w.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString grandePhoto_;

    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private slots:
    void initTestCase() {
        QVERIFY(dossier_.isValid());
        // A photo of 24 megapixels, as a camera writes them.
        grandePhoto_ = chemin(u"photo.jpg"_qs);
        QVERIFY(quadrants(QSize(6000, 4000)).save(grandePhoto_, "JPEG", 85));
    }

    void decodageReduit_data() {
        QTest::addColumn<QSize>("voulue");
        QTest::newRow("ecran 800 x 600") << QSize(785, 581);
        QTest::newRow("vignette") << QSize(120, 90);
        QTest::newRow("impression") << QSize(1570, 1162);
    }
    void decodageReduit() {
        QFETCH(QSize, voulue);
        QCOMPARE(tailleImage(grandePhoto_), QSize(6000, 4000));
        const QImage image = chargerImage(grandePhoto_, voulue);
        QCOMPARE(image.size(), voulue);
        const int w = voulue.width(), h = voulue.height();
        QVERIFY(proche(image.pixelColor(w / 4, h / 4), QColor(220, 30, 30)));
        QVERIFY(proche(image.pixelColor(3 * w / 4, h / 4), QColor(30, 200, 30)));
        QVERIFY(proche(image.pixelColor(w / 4, 3 * h / 4), QColor(30, 30, 220)));
        QVERIFY(proche(image.pixelColor(3 * w / 4, 3 * h / 4), QColor(240, 240, 240)));
    }

    void decodageAuMoins_data() {
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QSize>("obtenue");
        // The smallest of the photo, its half, quarter or eighth that covers.
        QTest::newRow("impression") << QSize(2222, 1601) << QSize(3000, 2000);
        QTest::newRow("ecran") << QSize(785, 581) << QSize(1500, 1000);
        QTest::newRow("vignette") << QSize(120, 90) << QSize(750, 500);
        QTest::newRow("plus grand que la photo") << QSize(7000, 5000) << QSize(6000, 4000);
        QTest::newRow("juste au-dessus de la moitie") << QSize(3001, 10) << QSize(6000, 4000);
    }
    void decodageAuMoins() {
        QFETCH(QSize, voulue);
        QFETCH(QSize, obtenue);
        const QImage image = chargerImageAuMoins(grandePhoto_, voulue);
        QCOMPARE(image.size(), obtenue);
        const int w = obtenue.width(), h = obtenue.height();
        QVERIFY(proche(image.pixelColor(w / 4, h / 4), QColor(220, 30, 30)));
        QVERIFY(proche(image.pixelColor(3 * w / 4, 3 * h / 4), QColor(240, 240, 240)));
        QVERIFY(chargerImageAuMoins(chemin(u"absent.jpg"_qs), voulue).isNull());
    }

    void orientationExif() {
        // Stored lying down, with the EXIF tag that stands it up.
        const QString nom = chemin(u"debout.jpg"_qs);
        QImageWriter ecrivain(nom, "jpeg");
        ecrivain.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(ecrivain.write(quadrants(QSize(1200, 800))));
        QCOMPARE(tailleImage(nom), QSize(800, 1200));
        const QImage entiere = chargerImage(nom);
        QCOMPARE(entiere.size(), QSize(800, 1200));
        const QImage reduite = chargerImage(nom, QSize(200, 300));
        QCOMPARE(reduite.size(), QSize(200, 300));
        // Turned a quarter clockwise, the red top-left comes to the top right.
        QVERIFY(proche(reduite.pixelColor(150, 75), QColor(220, 30, 30)));
        QVERIFY(proche(reduite.pixelColor(50, 75), QColor(30, 30, 220)));
        const QImage auMoins = chargerImageAuMoins(nom, QSize(200, 300));
        QCOMPARE(auMoins.size(), QSize(200, 300)); // a quarter, standing
        QVERIFY(proche(auMoins.pixelColor(150, 75), QColor(220, 30, 30)));
    }

    void pasUneImage_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("nom");
        QTest::newRow("texte") << QByteArray("Bonjour\r\n") << u"texte.jpg"_qs;
        QTest::newRow("vide") << QByteArray() << u"vide.bmp"_qs;
        QTest::newRow("entete seul") << QByteArray("\xFF\xD8\xFF\xE0", 4) << u"coupe.jpg"_qs;
        QTest::newRow("absent") << QByteArray() << QString();
    }
    void pasUneImage() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, nom);
        QString fichier = chemin(u"absent.jpg"_qs);
        if (!nom.isEmpty()) {
            fichier = chemin(nom);
            QFile f(fichier);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        QVERIFY(chargerImage(fichier).isNull());
        BoiteImage boite;
        boite.resize(200, 150);
        QVERIFY(boite.charger(grandePhoto_));
        QVERIFY(!boite.charger(fichier));
        QVERIFY(boite.estVide());
        QVERIFY(boite.chemin().isEmpty());
        const QImage rendu = rendre(boite, 1);
        QCOMPARE(rendu.pixelColor(100, 75), QColor(Qt::magenta));
    }

    void boiteDecodeALaTailleAffichee() {
        BoiteImage boite;
        boite.resize(400, 300);
        QVERIFY(boite.charger(grandePhoto_));
        QCOMPARE(boite.tailleSource(), QSize(6000, 4000));
        QCOMPARE(boite.tailleDecodee(), QSize(400, 300));
        const QImage rendu = rendre(boite, 1);
        QVERIFY(proche(rendu.pixelColor(100, 75), QColor(220, 30, 30)));
        QVERIFY(proche(rendu.pixelColor(300, 225), QColor(240, 240, 240)));
    }

    void boiteRendueADoubleResolution() {
        const QString nom = chemin(u"rayures.png"_qs);
        QVERIFY(rayures(QSize(1600, 600)).save(nom));
        BoiteImage boite;
        boite.resize(400, 150);
        QVERIFY(boite.charger(nom));
        QCOMPARE(boite.tailleDecodee(), QSize(400, 150));
        const QImage simple = rendre(boite, 1);
        QVERIFY(nettete(simple, 75) > 0.9);

        // Twice the pixel size, as a page is captured for printing: the box
        // decodes its source again and the stripes stay sharp.
        const QImage double_ = rendre(boite, 2);
        QCOMPARE(double_.size(), QSize(800, 300));
        QCOMPARE(boite.tailleDecodee(), QSize(800, 300));
        QVERIFY2(nettete(double_, 150) > 0.9, "no blur from upscaling");
        QVERIFY(proche(double_.pixelColor(1, 150), Qt::black, 40));
        QVERIFY(proche(double_.pixelColor(3, 150), Qt::white, 40));

        // Never beyond the source: at eight times the box holds the source.
        rendre(boite, 8);
        QCOMPARE(boite.tailleDecodee(), QSize(1600, 600));
    }

    void boiteTailleNaturelle() {
        BoiteImage boite;
        boite.resize(300, 300);
        boite.setEtire(false);
        QImage petite(QSize(100, 50), QImage::Format_RGB32);
        petite.fill(Qt::darkGreen);
        const QString nom = chemin(u"petite.bmp"_qs);
        QVERIFY(petite.save(nom));
        QVERIFY(boite.charger(nom));
        const QImage rendu = rendre(boite, 2);
        QCOMPARE(rendu.pixelColor(180, 80), QColor(Qt::darkGreen));
        QCOMPARE(rendu.pixelColor(220, 80), QColor(Qt::magenta));
        QCOMPARE(rendu.pixelColor(180, 120), QColor(Qt::magenta));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
