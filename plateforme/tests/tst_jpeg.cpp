#include "plateforme/noyau/images.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/tests/ecrivainjpeg.h"
#include "plateforme/tests/photoappareil.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cmath>

using namespace plateforme;

namespace {

// Detail in every block, in the luma; colours changing slowly enough for the
// ways of stretching the chroma not to differ much.
QImage paysage(QSize taille, double graine = 7) {
    QImage image(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x) {
            const double l = 120 + 50 * std::sin(x / 9.0 + graine) * std::cos(y / 7.0) +
                             10 * std::sin(x / 3.7) * std::cos(y / 4.3 + graine);
            const double teinte = (x + 2 * y) / 150.0 + graine;
            image.setPixel(
                x, y, qRgb(int(l + 40 * std::sin(teinte)), int(l), int(l + 40 * std::cos(teinte))));
        }
    return image;
}

// How far the reduced picture is from what it must be: the general decoder's
// whole picture, each cell of `cote` pixels square averaged (the low
// frequencies of a block are the means of its parts). In luma, on average and
// at worst (where every block lies and what it holds), and over all three
// channels (the chroma too).
struct Ecarts {
    double luma = 0, couleur = 0;
    int lumaMax = 0;
};
Ecarts comparer(const QImage& reduite, const QImage& entiere, int cote) {
    Ecarts e;
    const double n = double(reduite.width()) * reduite.height();
    for (int y = 0; y < reduite.height(); ++y)
        for (int x = 0; x < reduite.width(); ++x) {
            const QRect cellule = QRect(x * cote, y * cote, cote, cote) & entiere.rect();
            std::array<double, 3> d{}; // by channel, red first
            for (int c = 0; c < 3; ++c) {
                for (int j = cellule.top(); j <= cellule.bottom(); ++j)
                    for (int i = cellule.left(); i <= cellule.right(); ++i)
                        d[c] += entiere.pixel(i, j) >> (16 - 8 * c) & 0xFF;
                d[c] = d[c] / (cellule.width() * cellule.height()) -
                       (reduite.pixel(x, y) >> (16 - 8 * c) & 0xFF);
            }
            const double luma = std::abs(0.299 * d[0] + 0.587 * d[1] + 0.114 * d[2]);
            e.luma += luma / n;
            e.lumaMax = std::max(e.lumaMax, int(std::lround(luma)));
            e.couleur += (std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2])) / (3 * n);
        }
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
            {"Qt, 4:2:0", enJpeg(image, 90), true},
            {"Qt, 4:2:0, taille impaire", enJpeg(impaire, 90), true},
            {"Qt, gris", enJpeg(grise, 90), true},
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
        const QImage entiere = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
        const QImage seule = jpeg::reduire(jpeg, huitiemes, 1);
        QCOMPARE(seule.size(), QSize((entiere.width() * huitiemes + 7) / 8,
                                     (entiere.height() * huitiemes + 7) / 8));
        if (bordsExacts) {
            // The chroma is stretched by repeating its samples here, smoothly
            // by the general decoder: only the colour may differ a little.
            const Ecarts e = comparer(seule, entiere, 8 / huitiemes);
            QVERIFY2(
                e.luma < 0.8 && e.lumaMax <= 6 && e.couleur < 3,
                qPrintable(u"luma %1 (au plus %2), couleur %3"_qs.arg(e.luma).arg(e.lumaMax).arg(
                    e.couleur)));
        }
        for (int partage : {2, 3, 7, 16}) {
            const QImage partagee = jpeg::reduire(jpeg, huitiemes, partage);
            QVERIFY2(partagee == seule, qPrintable(QStringLiteral("en %1 parts").arg(partage)));
        }
    }

    // Files this reader leaves to the general decoder: those it does not know
    // (which the general decoder reads) and damaged ones.
    void pasUnJpeg_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("lisible"); // by the general decoder
        const QByteArray jpeg = enJpeg(paysage(QSize(64, 48)), 90);
        QByteArray progressif;
        QBuffer tampon(&progressif);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter ecrivain(&tampon, "JPEG");
        ecrivain.setProgressiveScanWrite(true);
        QVERIFY(ecrivain.write(paysage(QSize(64, 48))));
        QByteArray adobeRgb = jpeg;
        adobeRgb.insert(2, segmentJpeg(0xEE, QByteArray("Adobe\x00\x64\x00\x00\x00\x00\x00", 12)));
        QTest::newRow("progressif") << progressif << true;
        QTest::newRow("RVB d'Adobe") << adobeRgb << true;
        QTest::newRow("vide") << QByteArray() << false;
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1A\n", 8) << false;
        QTest::newRow("en-tête seul") << jpeg.left(debutDonnees(jpeg) - 4) << false;
        QTest::newRow("segment trop long") << jpeg.left(40) << false;
        QTest::newRow("aucune donnée") << jpeg.left(debutDonnees(jpeg)) << false;
        QByteArray immense = jpeg;
        immense.replace(immense.indexOf("\xFF\xC0") + 5, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
        QTest::newRow("plus de 64 mégapixels") << immense << false;
        const QByteArray reprises = ecrireJpeg(paysage(QSize(64, 48)), {2, 2, false, 2});
        QByteArray desordre = reprises, manquante = reprises;
        desordre[desordre.indexOf("\xFF\xD1") + 1] = char(0xD2);
        QTest::newRow("reprises dans le désordre") << desordre << false;
        QTest::newRow("une reprise manque")
            << manquante.remove(manquante.indexOf("\xFF\xD1"), 2) << false;
    }
    void pasUnJpeg() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, lisible);
        for (int huitiemes : {1, 2, 3})
            QVERIFY(jpeg::reduire(octets, huitiemes).isNull());
        // Through the loader, damaged or not, never a fault.
        QTemporaryDir dossier;
        QVERIFY(ecrire(dossier.filePath(u"photo.jpg"_qs), octets));
        const QImage image = chargerImage(dossier.filePath(u"photo.jpg"_qs), QSize(40, 30));
        QVERIFY(!lisible || image.size() == QSize(40, 30));
    }

    // Damaged data, cut anywhere into shares: a picture of the right size or
    // nothing (the general decoder then shows what it can), never a fault.
    void donneesAbimees_data() {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::newRow("sans reprises") << enJpeg(paysage(QSize(400, 300)), 90);
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
};

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
