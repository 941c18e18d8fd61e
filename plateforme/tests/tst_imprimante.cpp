#include "plateforme/essais/imprimanteenregistreuse.h"

#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace plateforme;

namespace {

QImage image(QColor couleur) {
    QImage i(320, 230, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}

const QRect kCadre(60, 60, 16000, 11500);

} // namespace

class TestImprimante : public QObject {
    Q_OBJECT

private slots:
    void feuilles_data() {
        QTest::addColumn<QString>("suite"); // d: draw, p: new page
        QTest::addColumn<QList<int>>("dessinsParFeuille");
        QTest::newRow("une page") << u"d"_qs << QList<int>{1};
        QTest::newRow("page puis nouvelle page") << u"dp"_qs << QList<int>{1};
        QTest::newRow("treize pages, chacune suivie d'une nouvelle")
            << u"dpdpdpdpdpdpdpdpdpdpdpdpdp"_qs << QList<int>(13, 1);
        QTest::newRow("deux dessins sur une feuille") << u"ddpd"_qs << QList<int>{2, 1};
        QTest::newRow("nouvelle page d'abord") << u"pd"_qs << QList<int>{1};
        QTest::newRow("rien") << u""_qs << QList<int>{};
        QTest::newRow("deux nouvelles pages de suite") << u"dppd"_qs << QList<int>{1, 1};
    }
    void feuilles() {
        QFETCH(QString, suite);
        QFETCH(QList<int>, dessinsParFeuille);
        QList<DocumentImprime> journal;
        {
            ImprimanteEnregistreuse imprimante(&journal);
            imprimante.regler({});
            for (QChar c : suite) {
                if (c == u'd')
                    imprimante.dessinerImage(image(Qt::red), kCadre);
                else
                    imprimante.nouvellePage();
            }
            QVERIFY(imprimante.terminer());
            QCOMPARE(imprimante.feuillesCommencees(), dessinsParFeuille.size());
        }
        QCOMPARE(journal.size(), 1);
        QList<int> vus;
        for (const auto& feuille : journal.first().feuilles)
            vus << feuille.size();
        QCOMPARE(vus, dessinsParFeuille);
        QVERIFY(journal.first().termine);
    }

    void pdfSansImprimante() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this system has a printer: documents go to it, not to a file");
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"Calendrier2026.pdf"_qs);
        {
            auto vide = ouvrirImprimante(pdf);
            vide->regler({});
            vide->nouvellePage();
            QVERIFY(vide->terminer());
            QCOMPARE(vide->fichier(), QString()); // nothing printed, no file
            QVERIFY(!QFile::exists(pdf));
        }
        auto imprimante = ouvrirImprimante(pdf);
        imprimante->regler({QPageSize::A4, QPageLayout::Landscape, true});
        for (QColor c : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
            imprimante->dessinerImage(image(c), kCadre);
            imprimante->nouvellePage();
        }
        QVERIFY(imprimante->terminer());
        QCOMPARE(imprimante->fichier(), pdf);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray contenu = f.readAll();
        QCOMPARE(contenu.count("/Type /Page\n") + contenu.count("/Type /Page\r"), 3);
        // A4 in landscape: 842 x 595 points.
        static const QRegularExpression boite(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_qs);
        const auto m = boite.match(QString::fromLatin1(contenu));
        QVERIFY(m.hasMatch());
        QCOMPARE(qRound(m.captured(1).toDouble()), 842);
        QCOMPARE(qRound(m.captured(2).toDouble()), 595);
    }
};

QTEST_MAIN(TestImprimante)
#include "tst_imprimante.moc"
