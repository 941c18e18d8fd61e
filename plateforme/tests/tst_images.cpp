#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/noyau/images_bmp.h"
#include "plateforme/tests/images_entrees.h"
#include "plateforme/tests/metafichier.h"
#include "plateforme/tests/photoappareil.h"

#include <QDataStream>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace plateforme;

namespace {

// A photo in four quadrants of known colours, written by the test itself; the
// last quadrant's colour tells which of a camera's pictures was read.
QImage quadrants(QSize taille, QColor quatrieme = QColor(240, 240, 240)) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = taille.width() / 2, h = taille.height() / 2;
    p.fillRect(0, 0, w, h, QColor(220, 30, 30));
    p.fillRect(w, 0, w, h, QColor(30, 200, 30));
    p.fillRect(0, h, w, h, QColor(30, 30, 220));
    p.fillRect(w, h, w, h, quatrieme);
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

// The red half of the sample metafile as a bitmap of one pixel, whose header
// claims `entete` bytes and `pixels`.
Enregistrement bitmapRouge(qint32 entete = 40, QSize pixels = {1, 1}) {
    return Metafichier::imageDib(QRect(0, 0, 100, 100), 0x001E1EDC, entete, pixels);
}

// Once five seconds have passed, opens the writing end of the FIFO `fifo` over
// and over: a reader blocked opening or reading it goes on, and the test fails
// rather than hang.
class Garde {
public:
    explicit Garde(const QString& fifo)
        : fil_([this, nom = QFile::encodeName(fifo)](std::stop_token arret) {
              const auto echeance = std::chrono::steady_clock::now() + std::chrono::seconds(5);
              for (; !arret.stop_requested();
                   std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
                  if (std::chrono::steady_clock::now() < echeance)
                      continue;
                  if (const int fd = ::open(nom.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                      debloque_ = true;
                      ::close(fd);
                  }
              }
          }) {}
    bool aDebloque() const { return debloque_; }

private:
    std::atomic<bool> debloque_ = false;
    std::jthread fil_;
};

// An uncompressed BMP of `bits` per pixel, its rows stored from the bottom up
// or, with a negative height, from the top down.
QByteArray fichierBmp(const QImage& image, int bits, bool hautEnBas) {
    // Qt's rows are a BMP's: blue first, padded to four bytes.
    const QImage p =
        image.convertToFormat(bits == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
    QByteArray octets;
    QDataStream s(&octets, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("BM", 2);
    s << quint32(54 + p.sizeInBytes()) << quint32(0) << quint32(54) << quint32(40)
      << qint32(p.width()) << qint32(hautEnBas ? -p.height() : p.height()) << quint16(1)
      << quint16(bits) << quint32(0) << quint32(p.sizeInBytes()) << quint32(0) << quint32(0)
      << quint32(0) << quint32(0);
    for (int r = 0; r < p.height(); ++r)
        s.writeRawData(
            reinterpret_cast<const char*>(p.constScanLine(hautEnBas ? r : p.height() - 1 - r)),
            int(p.bytesPerLine()));
    return octets;
}

// The mean difference of two pictures of one size, by channel, from 0 to 255.
double ecartMoyen(const QImage& a, const QImage& b) {
    double somme = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * a.width() * a.height());
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

    // A captured page shown as a thumbnail: read straight at the size shown
    // when the file is whole and uncompressed, by the general decoder otherwise.
    void bmpReduit_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("hautEnBas");
        QTest::addColumn<int>("coupe"); // bytes cut off its end
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<bool>("direct");
        QTest::newRow("24 bits") << 24 << false << 0 << QSize(100, 75) << true;
        QTest::newRow("moitie") << 24 << false << 0 << QSize(200, 150) << true;
        QTest::newRow("32 bits de haut en bas") << 32 << true << 0 << QSize(130, 40) << true;
        QTest::newRow("un peu plus petite") << 24 << false << 0 << QSize(399, 300) << true;
        QTest::newRow("tronquee") << 24 << false << 10 << QSize(100, 75) << false;
        QTest::newRow("pas plus petite") << 24 << false << 0 << QSize(400, 300) << false;
        QTest::newRow("plus large") << 32 << false << 0 << QSize(500, 20) << false;
    }
    void bmpReduit() {
        QFETCH(int, bits);
        QFETCH(bool, hautEnBas);
        QFETCH(int, coupe);
        QFETCH(QSize, voulue);
        QFETCH(bool, direct);
        const QImage source = quadrants(QSize(400, 300));
        const QByteArray octets = fichierBmp(source, bits, hautEnBas).chopped(coupe);
        const QImage reduite = bmp::reduire(octets, voulue);
        QCOMPARE(!reduite.isNull(), direct);
        const QString nom = chemin(u"page.bmp"_qs);
        QFile f(nom);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) > 0);
        f.close();
        // Against Qt's own smooth scaling of the whole picture.
        const QImage attendue =
            source.scaled(voulue, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (const QImage& image : {reduite, chargerImage(nom, voulue)}) {
            if (image.isNull() && !direct)
                continue;
            QCOMPARE(image.size(), voulue);
            QVERIFY(ecartMoyen(image, attendue) < 2);
        }
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

    void apercuIntegre_data() {
        QTest::addColumn<quint16>("orientation");
        QTest::addColumn<QSize>("vignette");
        QTest::addColumn<QSize>("apercu");
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QColor>("lue");
        const QColor photo(240, 240, 240), vignette(250, 220, 0), apercu(0, 200, 220);
        const QSize v(320, 213), a(960, 640);
        QTest::newRow("vignette") << quint16(1) << v << a << QSize(240, 160) << vignette;
        QTest::newRow("vignette juste") << quint16(1) << v << QSize() << v << vignette;
        QTest::newRow("apercu") << quint16(1) << v << a << QSize(600, 400) << apercu;
        QTest::newRow("plus grand que les apercus")
            << quint16(1) << v << a << QSize(1000, 667) << photo;
        QTest::newRow("impression")
            << quint16(1) << v << QSize(1500, 1000) << QSize(1100, 733) << photo;
        QTest::newRow("vignette en 4/3")
            << quint16(1) << QSize(320, 240) << QSize() << QSize(240, 160) << photo;
        QTest::newRow("sans apercu")
            << quint16(1) << QSize() << QSize() << QSize(240, 160) << photo;
        QTest::newRow("debout") << quint16(6) << v << a << QSize(160, 240) << vignette;
        QTest::newRow("miroir") << quint16(2) << v << a << QSize(240, 160) << vignette;
    }
    void apercuIntegre() {
        QFETCH(quint16, orientation);
        QFETCH(QSize, vignette);
        QFETCH(QSize, apercu);
        QFETCH(QSize, voulue);
        QFETCH(QColor, lue);
        const auto petite = [](QSize t, QColor c) {
            return t.isEmpty() ? QByteArray() : enJpeg(quadrants(t, c), 90);
        };
        const QString nom = chemin(u"appareil.jpg"_qs);
        QVERIFY(ecrire(nom, photoAppareil(enJpeg(quadrants(QSize(1500, 1000))), orientation,
                                          petite(vignette, QColor(250, 220, 0)),
                                          petite(apercu, QColor(0, 200, 220)))));
        const bool debout = orientation >= 5;
        QCOMPARE(tailleImage(nom), debout ? QSize(1000, 1500) : QSize(1500, 1000));

        const QImage image = chargerImage(nom, voulue);
        QCOMPARE(image.size(), voulue);
        const int w = voulue.width(), h = voulue.height();
        // Where the red and the last quadrants come once upright.
        QPoint rouge(w / 4, h / 4), dernier(3 * w / 4, 3 * h / 4);
        if (orientation == 6) // a quarter clockwise
            rouge = {3 * w / 4, h / 4}, dernier = {w / 4, 3 * h / 4};
        if (orientation == 2) // mirrored
            rouge = {3 * w / 4, h / 4}, dernier = {w / 4, 3 * h / 4};
        QVERIFY(proche(image.pixelColor(rouge), QColor(220, 30, 30)));
        QVERIFY2(proche(image.pixelColor(dernier), lue),
                 qPrintable(image.pixelColor(dernier).name()));
    }

    // Indexes pointing anywhere never bring the loader down: the photo is read.
    void apercuIndexAbime_data() {
        QTest::addColumn<int>("ecart");
        QTest::newRow("apres la fin") << 1000000;
        QTest::newRow("dans la photo") << -5000;
        QTest::newRow("avant le debut") << -100000000;
    }
    void apercuIndexAbime() {
        QFETCH(int, ecart);
        QByteArray octets = photoAppareil(enJpeg(quadrants(QSize(1500, 1000))), 1, {},
                                          enJpeg(quadrants(QSize(960, 640), Qt::cyan)));
        // The preview's offset is the MPF index's second entry's third field.
        const qsizetype index = octets.indexOf(QByteArray("MPF\0", 4)) + 4 + finRepertoire(2);
        char* champ = octets.data() + index + 16 + 8;
        qToLittleEndian<quint32>(qFromLittleEndian<quint32>(champ) + quint32(ecart), champ);
        const QString nom = chemin(u"index.jpg"_qs);
        QVERIFY(ecrire(nom, octets));
        const QImage image = chargerImage(nom, QSize(600, 400));
        QCOMPARE(image.size(), QSize(600, 400));
        QVERIFY(proche(image.pixelColor(450, 300), QColor(240, 240, 240)));
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

    // Only regular files are opened, a link followed; the others give nothing,
    // without blocking.
    void fichiersOrdinairesSeuls_data() { lignesEntrees(); }
    void fichiersOrdinairesSeuls() {
        QFETCH(Genre, genre);
        QTemporaryDir dossier;
        const QString nom = dossier.filePath(u"x.jpg"_qs);
        QVERIFY(creerEntree(nom, genre, enJpeg(quadrants(QSize(160, 120)))));
        const bool lisible = estOrdinaire(genre);
        const QSize voulue(80, 60);
        const Garde garde(nom);
        QCOMPARE(tailleImage(nom), lisible ? QSize(160, 120) : QSize());
        for (const QImage& image : {chargerImage(nom), chargerImage(nom, voulue),
                                    chargerApercu(nom, voulue), chargerImageAuMoins(nom, voulue)})
            QCOMPARE(image.isNull(), !lisible);
        QVERIFY2(!garde.aDebloque(), "blocked on the FIFO");
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

    // A preview box shows a large photo at once from the eighth of it nearest
    // below the box, then sharp as soon as events run; a print never waits.
    void boiteApercuPuisNette_data() {
        QTest::addColumn<bool>("debout");
        QTest::addColumn<QSize>("boite");
        QTest::addColumn<QSize>("premiere");
        QTest::newRow("un huitième couvre 78 %") << false << QSize(900, 640) << QSize(750, 500);
        QTest::newRow("un huitième couvre tout") << false << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("un huitième trop petit") << false << QSize(1000, 1000) << QSize(1000, 1000);
        // Stored lying down (2400 x 1600), stood up by its EXIF tag.
        QTest::newRow("photo debout") << true << QSize(250, 360) << QSize(200, 300);
    }
    void boiteApercuPuisNette() {
        QFETCH(bool, debout);
        QFETCH(QSize, boite);
        QFETCH(QSize, premiere);
        QString photo = grandePhoto_;
        QSize source(6000, 4000);
        if (debout) {
            photo = chemin(u"debout-grande.jpg"_qs);
            source = QSize(1600, 2400);
            QImageWriter ecrivain(photo, "jpeg");
            ecrivain.setTransformation(QImageIOHandler::TransformationRotate90);
            QVERIFY(ecrivain.write(quadrants(source.transposed())));
        }
        BoiteImage apercu;
        apercu.setApercu(true);
        apercu.resize(boite);
        QVERIFY(apercu.charger(photo));
        QCOMPARE(apercu.tailleDecodee(), premiere);
        // Drawn on screen, the first view stays as it is until its turn comes.
        const QImage vue = rendre(apercu, 1);
        QCOMPARE(apercu.tailleDecodee(), premiere);
        // Turned a quarter clockwise, the red top-left comes to the top right.
        QVERIFY(proche(vue.pixelColor((debout ? 3 : 1) * boite.width() / 4, boite.height() / 4),
                       QColor(220, 30, 30)));
        QVERIFY(proche(vue.pixelColor((debout ? 1 : 3) * boite.width() / 4, 3 * boite.height() / 4),
                       QColor(240, 240, 240)));
        QTRY_COMPARE(apercu.tailleDecodee(), boite);

        // Rendered at twice its size while a first view waits: sharp at once.
        QVERIFY(apercu.charger(photo));
        rendre(apercu, 2);
        QCOMPARE(apercu.tailleDecodee(), (boite * 2).boundedTo(source));
        QTest::qWait(20);
        QCOMPARE(apercu.tailleDecodee(), (boite * 2).boundedTo(source));
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

    void metafichier_data() {
        QTest::addColumn<bool>("placeable");
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QSize>("attendue");
        const QSize propre(200, 100);
        QTest::newRow("taille propre") << true << false << u"dessin.wmf"_qs << QSize() << propre;
        QTest::newRow("agrandi") << true << false << u"dessin.wmf"_qs << QSize(800, 400)
                                 << QSize(800, 400);
        QTest::newRow("vignette") << true << false << u"dessin.WMF"_qs << QSize(60, 30)
                                  << QSize(60, 30);
        QTest::newRow("etire") << true << false << u"dessin.wmf"_qs << QSize(300, 300)
                               << QSize(300, 300);
        QTest::newRow("nom quelconque") << true << false << u"dessin.img"_qs << QSize() << propre;
        QTest::newRow("sans entete placable")
            << false << false << u"brut.wmf"_qs << QSize(400, 200) << QSize(400, 200);
        QTest::newRow("bitmap") << true << true << u"bitmap.wmf"_qs << QSize() << propre;
        QTest::newRow("bitmap agrandi")
            << true << true << u"bitmap.wmf"_qs << QSize(800, 400) << QSize(800, 400);
    }
    void metafichier() {
        QFETCH(bool, placeable);
        QFETCH(bool, bitmap);
        QFETCH(QString, nom);
        QFETCH(QSize, voulue);
        QFETCH(QSize, attendue);
        const QString fichier = chemin(nom);
        const Metafichier dessin = Metafichier::exemple(bitmap ? bitmapRouge() : Enregistrement());
        QVERIFY(ecrire(fichier, dessin.octets(placeable)));
        if (placeable)
            QCOMPARE(tailleImage(fichier), QSize(200, 100));
        else
            QVERIFY(tailleImage(fichier).isValid());

        const QImage image = chargerImage(fichier, voulue);
        QCOMPARE(image.size(), attendue);
        // As a page captured for printing asks for it: at least that size.
        const QImage auMoins = chargerImageAuMoins(fichier, attendue);
        QVERIFY(auMoins.width() >= attendue.width() && auMoins.height() >= attendue.height());
        for (const QImage& dessine : {image, auMoins}) {
            const int w = dessine.width(), h = dessine.height();
            QVERIFY(proche(dessine.pixelColor(w / 4, h / 2), QColor(220, 30, 30), 2));
            QVERIFY(proche(dessine.pixelColor(w / 4, 2), QColor(220, 30, 30), 2));
            QVERIFY(proche(dessine.pixelColor(3 * w / 4, h / 2), QColor(30, 30, 220), 2));
            // Outside the ellipse, in the top right corner, nothing is drawn.
            const QColor coin = dessine.pixelColor(w - 2, 1);
            QVERIFY2(coin.alpha() == 0 || coin == Qt::white,
                     qPrintable(coin.name(QColor::HexArgb)));
        }
    }

    void metafichierAbime_data() {
        QTest::addColumn<QByteArray>("contenu");
        const QByteArray bon = Metafichier::exemple().octets();
        QTest::newRow("entete placable seul") << bon.left(22);
        QTest::newRow("entetes seuls") << bon.left(40);
        QTest::newRow("coupe dans un enregistrement") << bon.left(bon.size() / 2 + 3);
        QTest::newRow("signature seule") << bon.left(4);
        QByteArray hasard(4000, 0);
        QRandomGenerator g(6);
        for (char& c : hasard)
            c = char(g.bounded(256));
        QTest::newRow("hasard") << hasard;
        QTest::newRow("hasard signe") << bon.left(4) + hasard;
        QTest::newRow("hasard apres les entetes") << bon.left(40) + hasard;
        // A metafile claiming 32767 inches a side: refused at that size.
        Metafichier immense = Metafichier::exemple();
        immense.setCadre(32767, 32767, 1);
        QTest::newRow("immense") << immense.octets();
        // A bitmap header shorter than its own fields: libwmf skips the
        // difference, some 2^64 bytes, without end.
        QTest::newRow("bitmap sans fin") << Metafichier::exemple(bitmapRouge(0)).octets();
        QTest::newRow("bitmap immense")
            << Metafichier::exemple(bitmapRouge(40, QSize(30000, 30000))).octets();
        // Records announced of 4 GB, which libwmf allocates before reading any.
        Metafichier demesure = Metafichier::exemple();
        demesure.setPlusGrand(0x7FFFFFFF);
        QTest::newRow("enregistrements de 4 Go") << demesure.octets();
    }
    void metafichierAbime() {
        QFETCH(QByteArray, contenu);
        const QString fichier = chemin(u"abime.wmf"_qs);
        QVERIFY(ecrire(fichier, contenu));
        QVERIFY(chargerImage(fichier).isNull());
        if (QByteArray(QTest::currentDataTag()) == "immense")
            return; // drawn small, it is a good picture
        QVERIFY(!tailleImage(fichier).isValid());
        QVERIFY(chargerImage(fichier, QSize(100, 50)).isNull());
        BoiteImage boite;
        boite.resize(100, 50);
        QVERIFY(!boite.charger(fichier));
        QVERIFY(boite.estVide());
    }

    // Damaged anywhere, a metafile never brings the program down.
    void metafichierAlterations() {
        const QByteArray bon = Metafichier::exemple().octets();
        const QString fichier = chemin(u"altere.wmf"_qs);
        QRandomGenerator g(1998);
        int lus = 0;
        for (int essai = 0; essai < 300; ++essai) {
            QByteArray altere = bon;
            for (int n = 1 + g.bounded(4); n > 0; --n)
                altere[4 + g.bounded(altere.size() - 4)] = char(g.bounded(256));
            if (essai % 3 == 0)
                altere.truncate(4 + g.bounded(altere.size() - 4));
            QVERIFY(ecrire(fichier, altere));
            const QImage image = chargerImage(fichier, QSize(80, 40));
            QVERIFY(image.isNull() || image.size() == QSize(80, 40));
            lus += !image.isNull();
        }
        QVERIFY2(lus > 0, "some slight alterations still draw");
    }

    void boiteMetafichierNetteEnImpression() {
        const QString fichier = chemin(u"boite.wmf"_qs);
        QVERIFY(ecrire(fichier, Metafichier::exemple().octets()));
        BoiteImage boite;
        boite.resize(100, 50);
        QVERIFY(boite.charger(fichier));
        QCOMPARE(boite.tailleSource(), QSize(200, 100));
        QCOMPARE(boite.tailleDecodee(), QSize(100, 50));
        // Drawn again at four times its box, beyond its own size: no upscaling.
        const QImage rendu = rendre(boite, 4);
        QCOMPARE(boite.tailleDecodee(), QSize(400, 200));
        QVERIFY(proche(rendu.pixelColor(100, 100), QColor(220, 30, 30), 2));
        QVERIFY(proche(rendu.pixelColor(300, 100), QColor(30, 30, 220), 2));
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
