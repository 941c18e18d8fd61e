#include "calendrier/ressources/ressources.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

static QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

static QByteArray programme(const QString& nom) {
    return lire(QDir(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR")).filePath(nom));
}

class TestRessources : public QObject {
    Q_OBJECT

private slots:
    // Every day of a leap year, in order, has the name its source line gives
    // it, in the fixed records the month pages look up: the name, then the
    // day on two digits and the month as the pages spell it.
    void chaqueJourASonPrenom() {
        const QByteArray fichier = programme(u"Prenoms"_qs);
        QCOMPARE(fichier.size(), 366 * 40);
        QStringList source = QString::fromUtf8(lire(QStringLiteral(SOURCE_PRENOMS))).split(u'\n');
        source.removeIf([](const QString& l) { return l.isEmpty() || l.startsWith(u'#'); });
        QCOMPARE(source.size(), 366);
        const QStringList mois =
            u"janvier fevrier mars avril mai juin juillet aout septembre octobre novembre decembre"_qs
                .split(u' ');
        for (int m = 1, n = 0; m <= 12; ++m)
            for (int jour = 1; jour <= QDate(2024, m, 1).daysInMonth(); ++jour, ++n) {
                const QString cle = u"%1%2"_qs.arg(jour, 2, 10, QLatin1Char('0')).arg(mois[m - 1]);
                const QString ligne = source[n].simplified();
                QCOMPARE(ligne.section(u' ', 0, 1), QString(cle).insert(2, u' '));
                QCOMPARE(fichier.mid(n * 40, 40),
                         plateforme::versCp1252(ligne.section(u' ', 2).leftJustified(20) +
                                                cle.leftJustified(20)));
            }
    }

    // A faulty source stops the build, with a message and no file.
    void sourceFautiveRefusee_data() {
        QTest::addColumn<QString>("remplacer");
        QTest::addColumn<QString>("par");
        QTest::newRow("jour manquant") << u"29 fevrier   Auguste\n"_qs << QString();
        QTest::newRow("jour en double") << u"29 fevrier"_qs << u"28 fevrier"_qs;
        QTest::newRow("nom trop long") << u"Auguste"_qs << u"Auguste-Alexandre-Marie"_qs;
        QTest::newRow("hors Windows-1252") << u"Auguste"_qs << u"Łukasz"_qs;
    }
    void sourceFautiveRefusee() {
        QFETCH(QString, remplacer);
        QFETCH(QString, par);
        QString source = QString::fromUtf8(lire(QStringLiteral(SOURCE_PRENOMS)));
        QVERIFY(source.contains(remplacer));
        QTemporaryDir dossier;
        QProcess generateur;
        generateur.start(QStringLiteral(GENERATEUR),
                         {u"prenoms"_qs, u"/dev/stdin"_qs, dossier.filePath(u"Prenoms"_qs)});
        generateur.write(source.replace(remplacer, par).toUtf8());
        generateur.closeWriteChannel();
        QVERIFY(generateur.waitForFinished());
        QCOMPARE(generateur.exitCode(), 1);
        QVERIFY(!generateur.readAllStandardError().isEmpty());
        QVERIFY(QDir(dossier.path()).isEmpty());
    }
};

QTEST_MAIN(TestRessources)
#include "tst_ressources.moc"
