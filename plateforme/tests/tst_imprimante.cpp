#include "plateforme/fenetres/imprimante.h"

#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace plateforme;

class TestImprimante : public QObject {
    Q_OBJECT

private slots:
    // A sheet is printed once something is drawn on it: a new page asked for
    // before anything, twice in a row or last adds no blank sheet. Read back
    // from the PDF written where there is no printer.
    void feuilles_data() {
        QTest::addColumn<QString>("suite"); // d: draw, p: new page
        QTest::addColumn<int>("feuilles");
        QTest::newRow("une page") << u"d"_qs << 1;
        QTest::newRow("page puis nouvelle page") << u"dp"_qs << 1;
        QTest::newRow("treize pages, chacune suivie d'une nouvelle")
            << u"dpdpdpdpdpdpdpdpdpdpdpdpdp"_qs << 13;
        QTest::newRow("deux dessins sur une feuille") << u"ddpd"_qs << 2;
        QTest::newRow("nouvelle page d'abord") << u"pd"_qs << 1;
        QTest::newRow("rien") << u"p"_qs << 0;
        QTest::newRow("deux nouvelles pages de suite") << u"dppd"_qs << 2;
    }
    void feuilles() {
        QFETCH(QString, suite);
        QFETCH(int, feuilles);
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"Calendrier2026.pdf"_qs);
        // The system's printer when there is one; the file otherwise.
        auto imprimante = QPrinterInfo::availablePrinters().isEmpty() ? ouvrirImprimante(pdf)
                                                                      : imprimantePdf(pdf);
        QVERIFY(imprimante->versFichier());
        imprimante->regler({QPageSize::A4, QPageLayout::Landscape, true});
        QImage image(320, 230, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (QChar c : suite) {
            if (c == u'd')
                imprimante->dessinerImage(image, kCadreFeuille);
            else
                imprimante->nouvellePage();
        }
        QVERIFY(imprimante->terminer());
        QCOMPARE(imprimante->feuillesCommencees(), feuilles);
        // Nothing printed, no file.
        QCOMPARE(imprimante->fichier(), feuilles ? pdf : QString());
        QFile f(pdf);
        QCOMPARE(f.open(QIODevice::ReadOnly), feuilles > 0);
        const QByteArray contenu = f.readAll();
        QCOMPARE(contenu.count("/Type /Page\n") + contenu.count("/Type /Page\r"), feuilles);
        // A4 in landscape: 842 x 595 points.
        static const QRegularExpression boite(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_qs);
        for (const auto& m : boite.globalMatch(QString::fromLatin1(contenu)))
            QCOMPARE(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()).toSize(),
                     QSize(842, 595));
    }
};

QTEST_MAIN(TestImprimante)
#include "tst_imprimante.moc"
