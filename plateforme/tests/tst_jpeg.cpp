#include "plateforme/noyau/images.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/tests/ecrivainjpeg.h"

#include <QTemporaryDir>
#include <QTest>

// Detail in every block in the luma; colours too slow for chroma stretching to matter.
static QImage paysage(QSize taille, double graine = 7) {
    QImage p(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x) {
            const double l = 120 + 50 * std::sin(x / 9.0 + graine) * std::cos(y / 7.0) +
                             10 * std::sin(x / 3.7) * std::cos(y / 4.3 + graine);
            const double t = (x + 2 * y) / 150.0 + graine;
            p.setPixel(x, y, qRgb(int(l + 40 * std::sin(t)), int(l), int(l + 40 * std::cos(t))));
        }
    return p;
}

// How far the reduced picture is from the general decoder's whole one, each pixel
// against its cell's mean (a block's low frequencies are its parts' means): the
// luma on average and at worst (where every block lies and what it holds), all
// channels (the chroma too) on average. `d` sums by cell the differences, counts.
static std::array<double, 3> ecarts(const QImage& reduite, const QImage& entiere, int cote) {
    QList<std::array<double, 4>> d(reduite.width() * reduite.height());
    for (int y = 0; y < entiere.height(); ++y)
        for (int x = 0; x < entiere.width(); ++x) {
            const QColor e = entiere.pixelColor(x, y), r = reduite.pixelColor(x / cote, y / cote);
            auto& [dr, dv, db, n] = d[y / cote * reduite.width() + x / cote];
            std::tie(dr, dv, db, n) = std::tuple(dr + e.red() - r.red(), dv + e.green() - r.green(),
                                                 db + e.blue() - r.blue(), n + 1);
        }
    std::array<double, 3> e{};
    for (const auto& [dr, dv, db, n] : d) {
        const double luma = std::abs(0.299 * dr + 0.587 * dv + 0.114 * db) / n;
        e = {e[0] + luma / d.size(), std::max(e[1], luma),
             e[2] + (std::abs(dr) + std::abs(dv) + std::abs(db)) / (3 * n * d.size())};
    }
    return e;
}

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    // Against the general decoder, for the layouts cameras and programs write, at
    // both reductions; cut into shares anywhere, the very same picture.
    void reductionFidele_data() {
        QTest::addColumn<QByteArray>("jpeg");
        const QImage image = paysage(QSize(1024, 683)), impaire = paysage(QSize(1001, 667), 11);
        const QImage grise = paysage(QSize(803, 601), 5).convertToFormat(QImage::Format_Grayscale8);
        QTest::newRow("Qt, 4:2:0") << enJpeg(image, 90);
        QTest::newRow("Qt, gris") << enJpeg(grise, 90);
        QTest::newRow("4:4:4") << ecrireJpeg(impaire, {1, 1});
        QTest::newRow("4:2:2") << ecrireJpeg(impaire, {2, 1});
        QTest::newRow("4:4:0") << ecrireJpeg(impaire, {1, 2});
        QTest::newRow("4:1:1") << ecrireJpeg(image, {4, 1});
        QTest::newRow("une reprise par MCU") << ecrireJpeg(impaire, {2, 2, 1});
        // Its blocks reach past its edges, where the means must differ.
        QTest::newRow("minuscule") << ecrireJpeg(paysage(QSize(13, 9)), {2, 2});
    }
    void reductionFidele() {
        QFETCH(QByteArray, jpeg);
        const QImage entiere = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
        for (int huitiemes : {1, 2}) {
            const QImage seule = plateforme::jpeg::reduire(jpeg, huitiemes, 1);
            QCOMPARE(seule.size(), QSize((entiere.width() * huitiemes + 7) / 8,
                                         (entiere.height() * huitiemes + 7) / 8));
            // Chroma stretched by repeating samples here, smoothly there: colours differ.
            const auto [luma, pire, couleur] = ecarts(seule, entiere, 8 / huitiemes);
            QVERIFY(entiere.width() < 16 || (luma < 0.8 && pire < 6.5 && couleur < 3));
            for (int partage : {2, 3, 7, 16})
                QCOMPARE(plateforme::jpeg::reduire(jpeg, huitiemes, partage), seule);
        }
    }

    // Files this reader leaves to the general decoder: those it does not know
    // (which the general decoder reads) and damaged ones.
    void pasUnJpeg_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("lisible"); // by the general decoder
        const QByteArray jpeg = enJpeg(paysage(QSize(64, 48)), 90);
        const auto cadre = [&](qsizetype pos, const QByteArray& par) {
            return QByteArray(jpeg).replace(jpeg.indexOf("\xFF\xC0") + pos, par.size(), par);
        };
        QTest::newRow("progressif") << cadre(1, "\xC2") << false;
        const QByteArray adobe = segmentJpeg(0xEE, QByteArray("Adobe\0\x64\0\0\0\0\0", 12));
        QTest::newRow("RVB d'Adobe") << jpeg.left(2) + adobe + jpeg.mid(2) << true;
        QTest::newRow("vide") << QByteArray() << false;
        QTest::newRow("en-tête seul") << jpeg.left(jpeg.indexOf("\xFF\xDA")) << false;
        QTest::newRow("aucune donnée") << jpeg.left(jpeg.indexOf("\xFF\xDA") + 14) << false;
        QTest::newRow("données coupées") << jpeg.left(jpeg.size() / 2) << false;
        QTest::newRow("plus de 64 mégapixels") << cadre(5, "\xFF\xFF\xFF\xFF") << false;
        QByteArray desordre = ecrireJpeg(paysage(QSize(64, 48)), {2, 2, 2}), manquante = desordre;
        desordre[desordre.indexOf("\xFF\xD1") + 1] = char(0xD2);
        QTest::newRow("reprises dans le désordre") << desordre << false;
        manquante.remove(manquante.indexOf("\xFF\xD1"), 2);
        QTest::newRow("une reprise manque") << manquante << false;
    }
    void pasUnJpeg() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, lisible);
        for (int huitiemes : {1, 2, 3}) // cut into as many shares
            QVERIFY(plateforme::jpeg::reduire(octets, huitiemes, huitiemes).isNull());
        // Through the loader, damaged or not, never a fault.
        QTemporaryDir dossier;
        const QString f = dossier.filePath(u"p.jpg"_qs);
        QVERIFY(ecrire(f, octets));
        QVERIFY(plateforme::chargerImage(f, QSize(40, 30)).size() == QSize(40, 30) || !lisible);
    }
};

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
