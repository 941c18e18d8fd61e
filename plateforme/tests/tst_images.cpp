#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/noyau/images_bmp.h"
#include "plateforme/tests/images_entrees.h"
#include "plateforme/tests/metafichier.h"

#include <QDataStream>
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

const QColor kRouge(220, 30, 30), kBleu(30, 30, 220), kDernier(240, 240, 240);

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

bool proche(QColor a, QColor b, int ecart = 24) {
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
                  const int fd = std::chrono::steady_clock::now() < echeance
                                     ? -1
                                     : ::open(nom.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      debloque_ = true;
                      ::close(fd);
                  }
              }
          }) {}
    std::atomic<bool> debloque_ = false;

private:
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
        for (int x = 0; x < a.width(); ++x)
            for (int decalage : {0, 8, 16})
                somme += std::abs(int(a.pixel(x, y) >> decalage & 0xFF) -
                                  int(b.pixel(x, y) >> decalage & 0xFF));
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
    QString photo_, debout_, dessin_;

    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private slots:
    void initTestCase() {
        // A photo of 24 megapixels, as a camera writes them; one stored lying
        // down (2400 x 1600), stood up by its EXIF tag; a metafile.
        photo_ = chemin(u"photo.jpg"_qs);
        QVERIFY(quadrants(QSize(6000, 4000)).save(photo_, "JPEG", 85));
        debout_ = chemin(u"debout.jpg"_qs);
        QImageWriter ecrivain(debout_, "jpeg");
        ecrivain.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(ecrivain.write(quadrants(QSize(2400, 1600))));
        dessin_ = chemin(u"dessin.wmf"_qs);
        QVERIFY(ecrire(dessin_, Metafichier::exemple().octets()));
    }

    void chargement_data() {
        QTest::addColumn<bool>("debout");
        QTest::addColumn<bool>("auMoins");
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QSize>("obtenue");
        QTest::newRow("ecran 800 x 600") << false << false << QSize(785, 581) << QSize(785, 581);
        QTest::newRow("vignette") << false << false << QSize(120, 90) << QSize(120, 90);
        QTest::newRow("impression") << false << false << QSize(1570, 1162) << QSize(1570, 1162);
        QTest::newRow("entiere, debout") << true << false << QSize() << QSize(1600, 2400);
        QTest::newRow("reduite, debout") << true << false << QSize(200, 300) << QSize(200, 300);
        // The smallest of the photo, its half, quarter or eighth that covers.
        QTest::newRow("au moins, impression")
            << false << true << QSize(2222, 1601) << QSize(3000, 2000);
        QTest::newRow("au moins, vignette") << false << true << QSize(120, 90) << QSize(750, 500);
        QTest::newRow("au moins, plus grand que la photo")
            << false << true << QSize(7000, 5000) << QSize(6000, 4000);
        QTest::newRow("au moins, juste au-dessus de la moitie")
            << false << true << QSize(3001, 10) << QSize(6000, 4000);
        QTest::newRow("au moins, debout") << true << true << QSize(200, 300) << QSize(200, 300);
    }
    void chargement() {
        QFETCH(bool, debout);
        QFETCH(bool, auMoins);
        QFETCH(QSize, voulue);
        QFETCH(QSize, obtenue);
        const QString photo = debout ? debout_ : photo_;
        QCOMPARE(tailleImage(photo), debout ? QSize(1600, 2400) : QSize(6000, 4000));
        const QImage image =
            auMoins ? chargerImageAuMoins(photo, voulue) : chargerImage(photo, voulue);
        QCOMPARE(image.size(), obtenue);
        QVERIFY(montre(image, kDernier, debout));
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
        QVERIFY(ecrire(nom, octets));
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

    // A camera's photo: its thumbnail or its preview when one covers the size
    // asked for (screen sizes only), the photo otherwise. Indexes pointing
    // anywhere never bring the loader down: the photo is read.
    void apercuIntegre_data() {
        QTest::addColumn<quint16>("orientation");
        QTest::addColumn<QSize>("vignette");
        QTest::addColumn<QSize>("apercu");
        QTest::addColumn<int>("ecart"); // added to the preview's offset
        QTest::addColumn<QSize>("voulue");
        QTest::addColumn<QColor>("lue");
        const QColor vignette(250, 220, 0), apercu(0, 200, 220);
        const QSize v(320, 213), a(960, 640), rien;
        QTest::newRow("vignette") << quint16(1) << v << a << 0 << QSize(240, 160) << vignette;
        QTest::newRow("vignette juste") << quint16(1) << v << rien << 0 << v << vignette;
        QTest::newRow("apercu") << quint16(1) << v << a << 0 << QSize(600, 400) << apercu;
        QTest::newRow("plus grand que les apercus")
            << quint16(1) << v << a << 0 << QSize(1000, 667) << kDernier;
        QTest::newRow("impression")
            << quint16(1) << v << QSize(1500, 1000) << 0 << QSize(1100, 733) << kDernier;
        QTest::newRow("vignette en 4/3")
            << quint16(1) << QSize(320, 240) << rien << 0 << QSize(240, 160) << kDernier;
        QTest::newRow("debout") << quint16(6) << v << a << 0 << QSize(160, 240) << vignette;
        QTest::newRow("miroir") << quint16(2) << v << a << 0 << QSize(240, 160) << vignette;
        QTest::newRow("index apres la fin")
            << quint16(1) << rien << a << 1000000 << QSize(600, 400) << kDernier;
        QTest::newRow("index dans la photo")
            << quint16(1) << rien << a << -5000 << QSize(600, 400) << kDernier;
        QTest::newRow("index avant le debut")
            << quint16(1) << rien << a << -100000000 << QSize(600, 400) << kDernier;
    }
    void apercuIntegre() {
        QFETCH(quint16, orientation);
        QFETCH(QSize, vignette);
        QFETCH(QSize, apercu);
        QFETCH(int, ecart);
        QFETCH(QSize, voulue);
        QFETCH(QColor, lue);
        const auto petite = [](QSize t, QColor c) {
            return t.isEmpty() ? QByteArray() : enJpeg(quadrants(t, c), 90);
        };
        QByteArray octets = photoAppareil(enJpeg(quadrants(QSize(1500, 1000))), orientation,
                                          petite(vignette, QColor(250, 220, 0)),
                                          petite(apercu, QColor(0, 200, 220)));
        if (ecart) {
            // The preview's offset is the MPF index's second entry's third field.
            char* champ = octets.data() + octets.indexOf(QByteArray("MPF\0", 4)) + 4 +
                          finRepertoire(2) + 16 + 8;
            qToLittleEndian<quint32>(qFromLittleEndian<quint32>(champ) + quint32(ecart), champ);
        }
        const QString nom = chemin(u"appareil.jpg"_qs);
        QVERIFY(ecrire(nom, octets));
        QCOMPARE(tailleImage(nom), orientation >= 5 ? QSize(1000, 1500) : QSize(1500, 1000));
        const QImage image = chargerImage(nom, voulue);
        QCOMPARE(image.size(), voulue);
        QVERIFY(montre(image, lue, orientation != 1));
    }

    // Not a picture, or a damaged one: nothing, and an empty box.
    void illisible_data() {
        QTest::addColumn<QByteArray>("contenu");
        const QByteArray bon = Metafichier::exemple().octets();
        QTest::newRow("texte") << QByteArray("Bonjour\r\n");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("entete JPEG seul") << QByteArray("\xFF\xD8\xFF\xE0", 4);
        QTest::newRow("entete placable seul") << bon.left(22);
        QTest::newRow("entetes seuls") << bon.left(40);
        QTest::newRow("coupe dans un enregistrement") << bon.left(bon.size() / 2 + 3);
        QTest::newRow("signature seule") << bon.left(4);
        QByteArray hasard(4000, 0);
        QRandomGenerator g(6);
        for (char& c : hasard)
            c = char(g.bounded(256));
        QTest::newRow("hasard signe") << bon.left(4) + hasard;
        QTest::newRow("hasard apres les entetes") << bon.left(40) + hasard;
        // A metafile claiming 32767 inches a side: refused at that size.
        Metafichier immense = Metafichier::exemple();
        immense.largeur = immense.hauteur = 32767;
        immense.parPouce = 1;
        QTest::newRow("immense") << immense.octets();
        // A bitmap header shorter than its own fields: libwmf skips the
        // difference, some 2^64 bytes, without end.
        QTest::newRow("bitmap sans fin")
            << Metafichier::exemple(Metafichier::bitmapRouge(0)).octets();
        QTest::newRow("bitmap immense")
            << Metafichier::exemple(Metafichier::bitmapRouge(40, QSize(30000, 30000))).octets();
        // Records announced of 4 GB, which libwmf allocates before reading any.
        Metafichier demesure = Metafichier::exemple();
        demesure.plusGrand = 0x7FFFFFFF;
        QTest::newRow("enregistrements de 4 Go") << demesure.octets();
    }
    void illisible() {
        QFETCH(QByteArray, contenu);
        const QString fichier = chemin(u"illisible.jpg"_qs);
        QVERIFY(ecrire(fichier, contenu));
        QVERIFY(chargerImage(fichier).isNull());
        if (QByteArray(QTest::currentDataTag()) == "immense")
            return; // drawn small, it is a good picture
        QVERIFY(!tailleImage(fichier).isValid());
        QVERIFY(chargerImage(fichier, QSize(100, 50)).isNull());
        BoiteImage boite;
        boite.resize(100, 50);
        QVERIFY(boite.charger(photo_));
        QVERIFY(!boite.charger(fichier));
        QVERIFY(boite.estVide() && boite.chemin().isEmpty());
        QCOMPARE(rendre(boite, 1).pixelColor(50, 25), QColor(Qt::magenta));
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
        QVERIFY2(!garde.debloque_, "blocked on the FIFO");
    }

    // A box decodes its picture at the size shown; a preview box shows a large
    // photo at once from the eighth of it nearest below the box, then sharp as
    // soon as events run. Drawn at a higher density (a page captured for
    // printing), it decodes again at once, never beyond the source (but for a
    // metafile, drawn again at any size).
    void boite_data() {
        QTest::addColumn<int>("source"); // 0: photo, 1: standing photo, 2: metafile
        QTest::addColumn<bool>("apercu");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QSize>("premiere");
        QTest::addColumn<int>("echelle");
        QTest::newRow("ordinaire") << 0 << false << QSize(400, 300) << QSize(400, 300) << 2;
        QTest::newRow("un huitième couvre 78 %")
            << 0 << true << QSize(900, 640) << QSize(750, 500) << 2;
        QTest::newRow("un huitième couvre tout")
            << 0 << true << QSize(400, 300) << QSize(400, 300) << 2;
        QTest::newRow("un huitième trop petit")
            << 0 << true << QSize(1000, 1000) << QSize(1000, 1000) << 2;
        QTest::newRow("photo debout, au-dela de la source")
            << 1 << true << QSize(250, 360) << QSize(200, 300) << 8;
        QTest::newRow("metafichier") << 2 << false << QSize(100, 50) << QSize(100, 50) << 4;
    }
    void boite() {
        QFETCH(int, source);
        QFETCH(bool, apercu);
        QFETCH(QSize, taille);
        QFETCH(QSize, premiere);
        QFETCH(int, echelle);
        const QString fichier = QStringList{photo_, debout_, dessin_}[source];
        BoiteImage boite;
        boite.setApercu(apercu);
        boite.resize(taille);
        QVERIFY(boite.charger(fichier));
        QCOMPARE(boite.tailleDecodee(), premiere);
        // Drawn on screen, the first view stays as it is until its turn comes.
        const QImage vue = rendre(boite, 1);
        QCOMPARE(boite.tailleDecodee(), premiere);
        QVERIFY(montre(vue, source == 2 ? kBleu : kDernier, source == 1, source == 2 ? 2 : 24));
        QTRY_COMPARE(boite.tailleDecodee(), taille);

        // Loaded again and rendered larger at once, a first view waiting or not:
        // sharp at once.
        QVERIFY(boite.charger(fichier));
        const QSize grande =
            (taille * echelle).boundedTo(source == 2 ? QSize(1e5, 1e5) : boite.tailleSource());
        const QImage rendu = rendre(boite, echelle);
        QCOMPARE(boite.tailleDecodee(), grande);
        QVERIFY(montre(rendu, source == 2 ? kBleu : kDernier, source == 1, source == 2 ? 2 : 24));
        QTest::qWait(20);
        QCOMPARE(boite.tailleDecodee(), grande);
    }

    // Known by its content, whatever its name, and drawn at the size asked for
    // (at least that size for a print); 200 x 100 at its own size.
    void metafichier_data() {
        QTest::addColumn<bool>("placeable");
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("voulue");
        QTest::newRow("taille propre") << true << false << u"dessin.wmf"_qs << QSize(200, 100);
        QTest::newRow("vignette") << true << false << u"dessin.WMF"_qs << QSize(60, 30);
        QTest::newRow("etire, nom quelconque")
            << true << false << u"dessin.img"_qs << QSize(300, 300);
        QTest::newRow("sans entete placable")
            << false << false << u"brut.wmf"_qs << QSize(400, 200);
        QTest::newRow("bitmap agrandi") << true << true << u"bitmap.wmf"_qs << QSize(800, 400);
    }
    void metafichier() {
        QFETCH(bool, placeable);
        QFETCH(bool, bitmap);
        QFETCH(QString, nom);
        QFETCH(QSize, voulue);
        const QString fichier = chemin(nom);
        const Metafichier dessin =
            Metafichier::exemple(bitmap ? Metafichier::bitmapRouge() : Enregistrement());
        QVERIFY(ecrire(fichier, dessin.octets(placeable)));
        QVERIFY(placeable ? tailleImage(fichier) == QSize(200, 100)
                          : tailleImage(fichier).isValid());
        const QImage image =
            chargerImage(fichier, placeable && voulue == QSize(200, 100) ? QSize() : voulue);
        QCOMPARE(image.size(), voulue);
        const QImage auMoins = chargerImageAuMoins(fichier, voulue);
        QVERIFY(auMoins.width() >= voulue.width() && auMoins.height() >= voulue.height());
        for (const QImage& dessine : {image, auMoins}) {
            QVERIFY(montre(dessine, kBleu, false, 2));
            QVERIFY(proche(dessine.pixelColor(dessine.width() / 4, 2), kRouge, 2));
            // Outside the ellipse, in the top right corner, nothing is drawn.
            const QColor coin = dessine.pixelColor(dessine.width() - 2, 1);
            QVERIFY2(coin.alpha() == 0 || coin == Qt::white,
                     qPrintable(coin.name(QColor::HexArgb)));
        }
    }

    void boiteTailleNaturelle() {
        BoiteImage boite;
        boite.resize(300, 300);
        boite.setEtire(false);
        const QString nom = chemin(u"petite.png"_qs);
        QVERIFY(quadrants(QSize(100, 50), Qt::darkGreen).save(nom));
        QVERIFY(boite.charger(nom));
        const QImage rendu = rendre(boite, 2);
        QCOMPARE(rendu.pixelColor(180, 80), QColor(Qt::darkGreen)); // its bottom right
        QCOMPARE(rendu.pixelColor(220, 80), QColor(Qt::magenta));
        QCOMPARE(rendu.pixelColor(180, 120), QColor(Qt::magenta));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
