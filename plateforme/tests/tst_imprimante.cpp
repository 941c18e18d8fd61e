#include "plateforme/fenetres/imprimante.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestImprimante : public QObject {
    Q_OBJECT

private slots:
    // A sheet is printed once something is drawn on it: a new page asked for
    // before anything, twice in a row or last adds no blank sheet.
    void feuilles_data() {
        QTest::addColumn<QString>("suite"); // d: draw, p: new page
        QTest::addColumn<int>("feuilles");
        QTest::newRow("treize, deux dessins sur la 1re") << u"ddp"_qs + u"dp"_qs.repeated(12) << 13;
        QTest::newRow("nouvelle page d'abord, deux de suite") << u"pdppd"_qs << 2;
        QTest::newRow("rien") << u"p"_qs << 0;
    }
    void feuilles() {
        QFETCH(QString, suite);
        QFETCH(int, feuilles);
        QTemporaryDir dossier;
        QFile f(dossier.filePath(u"Calendrier2026.pdf"_qs));
        auto imprimante = plateforme::imprimantePdf(f.fileName());
        imprimante->regler({QPageSize::A4, QPageLayout::Landscape, true});
        const QImage image = QImage::fromData(QByteArray("P1 2 2 1 0 0 1")); // a small bitmap
        for (QChar c : suite)
            c == u'd' ? imprimante->dessinerImage(image, plateforme::kCadreFeuille)
                      : imprimante->nouvellePage();
        QVERIFY(imprimante->terminer());
        // Nothing printed, no file; every sheet A4 in landscape (842 x 595 points).
        QCOMPARE(f.open(QIODevice::ReadOnly), feuilles > 0);
        static const QRegularExpression a4(u"/MediaBox \\[0 0 84[12][.0-9]* 59[45][.0-9]*\\]"_qs);
        QCOMPARE(QString::fromLatin1(f.readAll()).count(a4), feuilles);
    }
};

QTEST_MAIN(TestImprimante)
#include "tst_imprimante.moc"
