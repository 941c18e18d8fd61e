#include "plateforme/noyau/images.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/tests/ecrivainjpeg.h"
#include "plateforme/tests/photoappareil.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace plateforme;

namespace {

// Soft shapes over a gradient: detail in every block, but no colour edge
// sharp enough for the ways of stretching the chroma to differ much.
QImage paysage(QSize taille, quint32 graine = 7) {
    QImage image(taille, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ciel(0, 0, 0, taille.height());
    ciel.setColorAt(0, QColor(70, 120, 200));
    ciel.setColorAt(1, QColor(110, 150, 70));
    p.fillRect(image.rect(), ciel);
    QRandomGenerator g(graine);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < taille.width() * taille.height() / 900; ++i) {
        const QPointF centre(g.bounded(taille.width()), g.bounded(taille.height()));
        const int rayon = 6 + g.bounded(40);
        QRadialGradient tache(centre, rayon);
        const QColor c = QColor::fromHsv(g.bounded(360), 90, 90 + g.bounded(130));
        tache.setColorAt(0, c);
        tache.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
        p.setBrush(tache);
        p.drawEllipse(centre, rayon, rayon);
    }
    return image;
}

QByteArray parQt(const QImage& image, bool progressif = false) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "JPEG");
    ecrivain.setQuality(90);
    ecrivain.setProgressiveScanWrite(progressif);
    ecrivain.write(image);
    return octets;
}

// What the reduced picture must be: the general decoder's whole picture, each
// cell of (8 / huitiemes) pixels square averaged (the low frequencies of a
// block are the means of its parts).
QImage reference(const QByteArray& jpeg, int huitiemes) {
    QBuffer tampon;
    tampon.setData(jpeg);
    const QImage entiere = QImageReader(&tampon).read().convertToFormat(QImage::Format_RGB32);
    const int cote = 8 / huitiemes;
    const QSize taille((entiere.width() + cote - 1) / cote, (entiere.height() + cote - 1) / cote);
    QImage moyenne(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int j = y * cote; j < std::min((y + 1) * cote, entiere.height()); ++j)
                for (int i = x * cote; i < std::min((x + 1) * cote, entiere.width()); ++i, ++n) {
                    const QRgb p = entiere.pixel(i, j);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            moyenne.setPixel(x, y, qRgb(r / n, g / n, b / n));
        }
    return moyenne;
}

// How far two pictures are, in luma (where every block lies and what it
// holds) and over all three channels (the chroma too).
struct Ecarts {
    double luma = 0;
    int lumaMax = 0;
    double couleur = 0;
};

Ecarts comparer(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const auto lum = [](QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); };
    Ecarts e;
    double luma = 0, couleur = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            const double d = std::abs(lum(p) - lum(q));
            luma += d;
            e.lumaMax = std::max(e.lumaMax, int(std::lround(d)));
            couleur += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
        }
    const double n = double(x.width()) * x.height();
    e.luma = luma / n;
    e.couleur = couleur / (3 * n);
    return e;
}

// The first byte of the entropy-coded data.
qsizetype debutDonnees(const QByteArray& jpeg) {
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    return sos < 0 ? -1 : sos + 2 + qFromBigEndian<quint16>(jpeg.constData() + sos + 2);
}

} // namespace

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    // The reduced picture against the general decoder's, for the layouts
    // cameras and programs write, at both reductions, and cut into shares that
    // start anywhere in the data: every cut must give the very same picture.
    void reductionFidele_data() {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<int>("huitiemes");
        QTest::addColumn<bool>("bordsExacts");

        const QImage image = paysage(QSize(1024, 683));
        const QImage impaire = paysage(QSize(1001, 667), 11);
        const QImage grise = paysage(QSize(803, 601), 5).convertToFormat(QImage::Format_Grayscale8);
        const QList<std::tuple<const char*, QByteArray, bool>> cas = {
            {"Qt, 4:2:0", parQt(image), true},
            {"Qt, 4:2:0, taille impaire", parQt(impaire), true},
            {"Qt, gris", parQt(grise), true},
            {"4:4:4", ecrireJpeg(impaire, {1, 1}), true},
            {"4:2:2", ecrireJpeg(impaire, {2, 1}), true},
            {"4:4:0", ecrireJpeg(impaire, {1, 2}), true},
            {"4:1:1", ecrireJpeg(image, {4, 1}), true},
            {"gris, écrivain des tests", ecrireJpeg(grise, {1, 1, true}), true},
            {"marqueurs de reprise", ecrireJpeg(impaire, {2, 2, false, 7}), true},
            {"gris, une reprise par MCU", ecrireJpeg(grise, {1, 1, true, 1}), true},
            // Its blocks reach past its edges, where the means must differ.
            {"minuscule", ecrireJpeg(paysage(QSize(13, 9)), {2, 2}), false},
        };
        for (const auto& [nom, jpeg, bords] : cas)
            for (int huitiemes : {1, 2})
                QTest::addRow("%s, 1/%d", nom, 8 / huitiemes) << jpeg << huitiemes << bords;
    }
    void reductionFidele() {
        QFETCH(QByteArray, jpeg);
        QFETCH(int, huitiemes);
        QFETCH(bool, bordsExacts);
        const QImage attendue = reference(jpeg, huitiemes);
        const QImage seule = jpeg::reduire(jpeg, huitiemes, 1);
        QVERIFY(!seule.isNull());
        QCOMPARE(seule.size(), attendue.size());
        if (bordsExacts) {
            // The chroma is stretched by repeating its samples here, smoothly
            // by the general decoder: only the colour may differ a little.
            const Ecarts e = comparer(seule, attendue);
            QVERIFY2(e.luma < 0.8 && e.lumaMax <= 6 && e.couleur < 6,
                     qPrintable(QStringLiteral("luma %1 (au plus %2), couleur %3")
                                    .arg(e.luma)
                                    .arg(e.lumaMax)
                                    .arg(e.couleur)));
        }
        for (int partage : {2, 3, 7, 16}) {
            const QImage partagee = jpeg::reduire(jpeg, huitiemes, partage);
            QVERIFY2(partagee == seule, qPrintable(QStringLiteral("en %1 parts").arg(partage)));
        }
    }

    // Files this reader leaves to the general decoder, which reads them.
    void laisseAuDecodeurGeneral_data() {
        QTest::addColumn<QByteArray>("jpeg");
        const QImage image = paysage(QSize(320, 240));
        QByteArray adobeRgb = parQt(image);
        adobeRgb.insert(2, segmentJpeg(0xEE, QByteArray("Adobe\x00\x64\x00\x00\x00\x00\x00", 12)));
        QTest::newRow("progressif") << parQt(image, true);
        QTest::newRow("RVB d'Adobe") << adobeRgb;
    }
    void laisseAuDecodeurGeneral() {
        QFETCH(QByteArray, jpeg);
        QVERIFY(jpeg::reduire(jpeg, 1).isNull());
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u"photo.jpg"_qs);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(jpeg) == jpeg.size());
        f.close();
        QCOMPARE(chargerImage(chemin, QSize(40, 30)).size(), QSize(40, 30));
    }

    void pasUnJpeg_data() {
        QTest::addColumn<QByteArray>("octets");
        const QByteArray jpeg = parQt(paysage(QSize(64, 48)));
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1A\n", 8);
        QTest::newRow("en-tête seul") << jpeg.left(debutDonnees(jpeg) - 4);
        QTest::newRow("segment trop long") << jpeg.left(40);
        QTest::newRow("aucune donnée") << jpeg.left(debutDonnees(jpeg));
        QByteArray immense = jpeg;
        const qsizetype sof = immense.indexOf("\xFF\xC0");
        immense.replace(sof + 5, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
        QTest::newRow("plus de 64 mégapixels") << immense;
        QByteArray desordre = ecrireJpeg(paysage(QSize(64, 48)), {2, 2, false, 2});
        desordre[desordre.indexOf("\xFF\xD1") + 1] = char(0xD2);
        QTest::newRow("reprises dans le désordre") << desordre;
        QByteArray manquante = ecrireJpeg(paysage(QSize(64, 48)), {2, 2, false, 2});
        manquante.remove(manquante.indexOf("\xFF\xD1"), 2);
        QTest::newRow("une reprise manque") << manquante;
    }
    void pasUnJpeg() {
        QFETCH(QByteArray, octets);
        for (int huitiemes : {1, 2, 3})
            QVERIFY(jpeg::reduire(octets, huitiemes).isNull());
    }

    // Damaged data, cut anywhere into shares: a picture of the right size or
    // nothing (the general decoder then shows what it can), never a fault.
    void donneesAbimees_data() {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::newRow("sans reprises") << parQt(paysage(QSize(400, 300)));
        QTest::newRow("avec reprises") << ecrireJpeg(paysage(QSize(400, 300)), {2, 2, false, 3});
    }
    void donneesAbimees() {
        QFETCH(QByteArray, jpeg);
        const qsizetype debut = debutDonnees(jpeg);
        QRandomGenerator g(2024);
        int refusees = 0;
        for (int essai = 0; essai < 300; ++essai) {
            QByteArray abime = jpeg;
            if (essai % 4 == 0) {
                abime.truncate(debut + g.bounded(int(jpeg.size() - debut)));
            } else {
                for (int n = 1 + g.bounded(4); n > 0; --n)
                    abime[debut + g.bounded(int(jpeg.size() - 2 - debut))] = char(g.bounded(256));
            }
            const int huitiemes = 1 + essai % 2;
            const QImage image = jpeg::reduire(abime, huitiemes, 1 + essai % 5);
            if (image.isNull())
                ++refusees;
            else
                QCOMPARE(image.size(), QSize((400 * huitiemes + 7) / 8, (300 * huitiemes + 7) / 8));
        }
        QVERIFY2(refusees > 0, "des données abîmées devraient être refusées");
    }

    // Through the loader: a large photo previewed small is read by the fast
    // reader (its colours where they belong), and a camera's photo still
    // gives its own preview.
    void parLeChargeur() {
        QTemporaryDir dossier;
        QImage image(4000, 3000, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 40));
        QPainter(&image).fillRect(2000, 0, 2000, 3000, QColor(40, 40, 200));
        const QString chemin = dossier.filePath(u"grande.jpg"_qs);
        QVERIFY(image.save(chemin, "JPEG", 90));
        for (const QSize boite : {QSize(400, 300), QSize(900, 640)}) {
            const QImage apercu = chargerImage(chemin, boite);
            QCOMPARE(apercu.size(), boite);
            const QColor gauche = apercu.pixelColor(boite.width() / 4, boite.height() / 2);
            const QColor droite = apercu.pixelColor(3 * boite.width() / 4, boite.height() / 2);
            QVERIFY(gauche.red() > 180 && gauche.blue() < 60);
            QVERIFY(droite.blue() > 180 && droite.red() < 60);
        }
    }
};

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
