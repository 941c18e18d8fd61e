#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/tests/images_entrees.h"
#include "plateforme/tests/metafichier.h"

#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace plateforme;

namespace {

const QColor kRouge(220, 30, 30), kBleu(30, 30, 220), kDernier(240, 240, 240);
const QColor kVignette(250, 220, 0), kApercu(0, 200, 220);

// A photo in four quadrants of known colours, written by the test itself; the
// last quadrant's colour tells which of a camera's pictures was read.
QImage quadrants(QSize taille, QColor quatrieme = kDernier) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = taille.width() / 2, h = taille.height() / 2;
    p.fillRect(0, 0, w, h, kRouge);
    p.fillRect(w, 0, w, h, QColor(30, 200, 30));
    p.fillRect(0, h, w, h, kBleu);
    p.fillRect(w, h, w, h, quatrieme);
    return image;
}

bool proche(QColor a, QColor b, int ecart) {
    return std::abs(a.red() - b.red()) <= ecart && std::abs(a.green() - b.green()) <= ecart &&
           std::abs(a.blue() - b.blue()) <= ecart;
}

// Whether `image` shows the red quadrant top left and `dernier` bottom right
// or, turned a quarter clockwise (or mirrored), top right and bottom left.
bool montre(const QImage& image, QColor dernier, bool tourne = false, int ecart = 24) {
    const int w = image.width(), h = image.height(), g = tourne ? 3 : 1;
    return proche(image.pixelColor(g * w / 4, h / 4), kRouge, ecart) &&
           proche(image.pixelColor((4 - g) * w / 4, 3 * h / 4), dernier, ecart);
}

// A photo of 400 x 300 as an uncompressed BMP of `bits` per pixel, its rows from the bottom up or,
// with a negative height, top down. Qt's rows are a BMP's: blue first, padded to 4 bytes.
QByteArray fichierBmp(int bits, bool hautEnBas) {
    const QImage p = quadrants(QSize(400, 300))
                         .convertToFormat(bits == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32)
                         .mirrored(false, !hautEnBas);
    const quint32 n = quint32(p.sizeInBytes()), w = p.width(),
                  h = p.height() * (hautEnBas ? -1 : 1);
    return "BM" + mots({54 + n, 0, 54, 40, w, h, 1 | quint32(bits) << 16, 0, n, 0, 0, 0, 0}) +
           QByteArray(reinterpret_cast<const char*>(p.constBits()), n);
}

QImage rendre(QWidget& w, qreal echelle) {
    QImage image(w.size() * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    w.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private slots:
    void initTestCase() {
        // A photo of 24 megapixels; one stored lying down, stood up by its EXIF
        // tag; metafiles, one without its placeable header, one with a bitmap.
        QVERIFY(quadrants(QSize(6000, 4000)).save(chemin(u"photo.jpg"_qs), "JPEG", 85));
        QImageWriter ecrivain(chemin(u"debout.jpg"_qs), "jpeg");
        ecrivain.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(ecrivain.write(quadrants(QSize(2400, 1600))));
        // Captured pages: bottom up, top down, cut short.
        QVERIFY(ecrire(chemin(u"page.bmp"_qs), fichierBmp(24, false)));
        QVERIFY(ecrire(chemin(u"tronquee.bmp"_qs), fichierBmp(24, false).chopped(10)));
        QVERIFY(ecrire(chemin(u"page32.bmp"_qs), fichierBmp(32, true)));
        QVERIFY(ecrire(chemin(u"dessin.img"_qs), Metafichier::exemple().octets()));
        QVERIFY(ecrire(chemin(u"brut.WMF"_qs), Metafichier::exemple().octets(false)));
        QVERIFY(ecrire(chemin(u"bitmap.wmf"_qs),
                       Metafichier::exemple(Metafichier::bitmapRouge()).octets()));
        // Cameras' photos with a thumbnail and a preview: one stood up, one with a
        // large preview, ones whose preview's offset (the MPF index's second entry's
        // third field) points after the end, into the photo, before the start.
        const QByteArray photo = enJpeg(quadrants(QSize(1500, 1000)));
        const QByteArray vignette = enJpeg(quadrants(QSize(320, 213), kVignette), 90);
        const QByteArray apercu = enJpeg(quadrants(QSize(960, 640), kApercu), 90);
        QVERIFY(ecrire(chemin(u"appareil.jpg"_qs), photoAppareil(photo, 1, vignette, apercu)));
        QVERIFY(ecrire(chemin(u"debout-a.jpg"_qs), photoAppareil(photo, 6, vignette, apercu)));
        const QByteArray grand = enJpeg(quadrants(QSize(1500, 1000), kApercu), 90);
        QVERIFY(ecrire(chemin(u"grand-apercu.jpg"_qs), photoAppareil(photo, 1, vignette, grand)));
        for (const int ecart : {1000000, -5000, -100000000}) {
            QByteArray octets = photoAppareil(photo, 1, vignette, apercu);
            char* champ = octets.data() + octets.indexOf(QByteArray("MPF\0", 4)) + 4 + 38 + 16 + 8;
            qToLittleEndian<quint32>(qFromLittleEndian<quint32>(champ) + quint32(ecart), champ);
            QVERIFY(ecrire(chemin(u"index%1.jpg"_qs.arg(ecart)), octets));
        }
    }

    // At the size asked for, or at least (the smallest of the photo, its half,
    // quarter or eighth that covers it); a camera's thumbnail or preview when one
    // covers it (screen sizes only), wherever its index points; a metafile, known
    // by its content, at any size, 200 x 100 at its own.
    void chargement_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("auMoins");
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QSize>("obtenue");
        QTest::addColumn<QColor>("lue"); // the last quadrant's
        const QString photo = u"photo.jpg"_qs, debout = u"debout.jpg"_qs, dessin = u"dessin.img"_qs;
        const QString appareil = u"appareil.jpg"_qs;
        const QSize v(320, 213), a(960, 640), rien;
        const auto ligne = [](const char* cas, const QString& nom, QSize voulue,
                              QColor lue = kDernier, QSize obtenue = {}, bool auMoins = false) {
            QTest::newRow(cas) << nom << auMoins << voulue << voulue.expandedTo(obtenue) << lue;
        };
        ligne("ecran", photo, QSize(785, 581));
        ligne("entiere, debout", debout, rien, kDernier, QSize(1600, 2400));
        ligne("page", u"page.bmp"_qs, QSize(100, 75));
        ligne("page de haut en bas", u"page32.bmp"_qs, QSize(399, 300));
        ligne("page tronquee", u"tronquee.bmp"_qs, QSize(100, 75));
        ligne("au moins", photo, QSize(2222, 1601), kDernier, QSize(3000, 2000), true);
        ligne("moitie et 1", photo, QSize(3001, 10), kDernier, QSize(6000, 4000), true);
        ligne("vignette juste", appareil, v, kVignette);
        ligne("apercu", appareil, QSize(600, 400), kApercu);
        ligne("impression", u"grand-apercu.jpg"_qs, QSize(1100, 733));
        ligne("appareil debout", u"debout-a.jpg"_qs, rien, kDernier, QSize(1000, 1500));
        ligne("vignette debout", u"debout-a.jpg"_qs, QSize(160, 240), kVignette);
        for (const char* index : {"index1000000.jpg", "index-5000.jpg", "index-100000000.jpg"})
            ligne(index, QString::fromLatin1(index), a);
        ligne("metafichier", dessin, rien, kBleu, QSize(200, 100));
        ligne("etire", dessin, QSize(300, 300), kBleu);
        ligne("sans entete", u"brut.WMF"_qs, QSize(400, 200), kBleu, {}, true);
        ligne("bitmap", u"bitmap.wmf"_qs, QSize(800, 400), kBleu);
    }
    void chargement() {
        QFETCH(QString, nom);
        QFETCH(bool, auMoins);
        QFETCH(QSize, voulue);
        QFETCH(QSize, obtenue);
        QFETCH(QColor, lue);
        const QString f = chemin(nom);
        const bool dessin = lue == kBleu;
        QVERIFY(voulue.isValid() ? tailleImage(f).isValid() : tailleImage(f) == obtenue);
        const QImage image = auMoins ? chargerImageAuMoins(f, voulue) : chargerImage(f, voulue);
        QCOMPARE(image.size(), obtenue);
        QVERIFY(montre(image, lue, nom.startsWith(u"debout"_qs), dessin ? 2 : 24));
        // The rectangle reaches the top; outside the ellipse nothing is drawn.
        const QColor coin = image.pixelColor(image.width() - 2, 1);
        QVERIFY(!dessin || proche(image.pixelColor(image.width() / 4, 2), kRouge, 2));
        QVERIFY2(!dessin || coin.alpha() == 0 || coin == Qt::white, qPrintable(coin.name()));
    }

    // Not a picture, or a damaged one: nothing.
    void illisible_data() {
        QTest::addColumn<QByteArray>("contenu");
        const QByteArray bon = Metafichier::exemple().octets();
        QTest::newRow("texte") << QByteArray("Bonjour\r\n");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("entete JPEG seul") << QByteArray("\xFF\xD8\xFF\xE0", 4);
        for (const int n : {4, 22, 40, int(bon.size() / 2 + 3)}) // headers, a record cut
            QTest::addRow("coupe a %d", n) << bon.left(n);
        QByteArray hasard(4000, 0);
        QRandomGenerator(6).fillRange(reinterpret_cast<quint32*>(hasard.data()), 1000);
        for (const int n : {4, 40})
            QTest::addRow("hasard apres %d", n) << bon.left(n) + hasard;
        // A metafile claiming 32767 inches a side: refused at that size.
        const auto exemple = Metafichier::exemple().enregistrements;
        QTest::newRow("immense") << Metafichier{exemple, 32767, 32767, 1}.octets();
        // A bitmap header shorter than its own fields: libwmf skips the
        // difference, some 2^64 bytes, without end.
        QTest::newRow("bitmap sans fin")
            << Metafichier::exemple(Metafichier::bitmapRouge(0)).octets();
        const Enregistrement immenseBitmap = Metafichier::bitmapRouge(40, QSize(30000, 30000));
        QTest::newRow("bitmap immense") << Metafichier::exemple(immenseBitmap).octets();
        // Records announced of 4 GB, which libwmf allocates before reading any.
        QTest::newRow("enregistrements de 4 Go")
            << Metafichier{exemple, 200, 100, 96, 0x7FFFFFFF}.octets();
    }
    void illisible() {
        QFETCH(QByteArray, contenu);
        const QString f = chemin(u"illisible.jpg"_qs);
        QVERIFY(ecrire(f, contenu));
        QVERIFY(chargerImage(f).isNull());
        if (QByteArray(QTest::currentDataTag()) == "immense")
            return; // drawn small, it is a good picture
        QVERIFY(!tailleImage(f).isValid());
        QVERIFY(chargerImage(f, QSize(100, 50)).isNull());
    }

    // Only regular files are opened, a link followed; the others give nothing,
    // without blocking.
    void fichiersOrdinairesSeuls_data() { lignesEntrees(); }
    void fichiersOrdinairesSeuls() {
        QFETCH(Genre, genre);
        QTemporaryDir dossier;
        const QString nom = dossier.filePath(u"x.jpg"_qs);
        QVERIFY(creerEntree(nom, genre, enJpeg(quadrants(QSize(160, 120)))));
        const bool lisible = estOrdinaire(genre);
        alarm(10); // SIGALRM ends a test blocked on a FIFO
        QCOMPARE(tailleImage(nom), lisible ? QSize(160, 120) : QSize());
        for (const QImage& image :
             {chargerImage(nom), chargerImage(nom, QSize(80, 60)),
              chargerApercu(nom, QSize(80, 60)), chargerImageAuMoins(nom, QSize(80, 60))})
            QCOMPARE(image.isNull(), !lisible);
        alarm(0);
    }

    // A preview box shows a large photo at once from the eighth of it nearest
    // below the box, then sharp as soon as events run. Drawn at a higher
    // density (a page captured for printing), it decodes again at once, never
    // beyond the source (but for a metafile, drawn again at any size).
    void boite_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QSize>("premiere");
        QTest::addColumn<int>("echelle");
        const QString photo = u"photo.jpg"_qs;
        QTest::newRow("un huitième, 78 %") << photo << QSize(900, 640) << QSize(750, 500) << 2;
        QTest::newRow("debout, au-dela")
            << u"debout.jpg"_qs << QSize(250, 360) << QSize(200, 300) << 8;
        QTest::newRow("metafichier") << u"dessin.img"_qs << QSize(100, 50) << QSize(100, 50) << 4;
    }
    void boite() {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        QFETCH(QSize, premiere);
        QFETCH(int, echelle);
        const bool dessin = nom.startsWith(u"dessin"_qs), debout = nom.startsWith(u"debout"_qs);
        BoiteImage boite;
        boite.setApercu(!dessin);
        boite.resize(taille);
        QVERIFY(boite.charger(chemin(nom)));
        QCOMPARE(boite.tailleDecodee(), premiere);
        QTRY_COMPARE(boite.tailleDecodee(), taille);
        // Rendered larger: sharp at once.
        const QSize source = dessin ? QSize(1e5, 1e5) : boite.tailleSource();
        QVERIFY(montre(rendre(boite, echelle), dessin ? kBleu : kDernier, debout, dessin ? 2 : 24));
        QCOMPARE(boite.tailleDecodee(), (taille * echelle).boundedTo(source));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
