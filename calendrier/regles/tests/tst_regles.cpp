#include "calendrier/regles/regles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace regles;

namespace {

// Reference computations written independently of the rules under test.

bool bissextile(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Easter Sunday, Gregorian: the "anonymous" algorithm (Meeus, Jones, Butcher).
QDate paquesAnonyme(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    return QDate(y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1);
}

// Easter Sunday, Julian (Meeus), moved into the proleptic Gregorian calendar
// by the days the two calendars stand apart after February of year y.
QDate paquesMeeusJulienne(int y) {
    const int a = y % 4, b = y % 7, c = y % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const QDate julienne(y, (d + e + 114) / 31, (d + e + 114) % 31 + 1);
    return julienne.addDays(y / 100 - y / 400 - 2);
}

// The fixed-constant computus of 1900-2099 with its two named exceptions.
QDate paquesConstantes1900(int y) {
    const int d = (19 * (y % 19) + 24) % 30;
    const int e = (2 * (y % 4) + 4 * (y % 7) + 6 * d + 5) % 7;
    if (y == 1954 || y == 2049)
        return QDate(y, 4, 18);
    if (y == 1981 || y == 2076)
        return QDate(y, 4, 19);
    const int jour = 22 + d + e;
    return jour > 31 ? QDate(y, 4, jour - 31) : QDate(y, 3, jour);
}

} // namespace

class TestRegles : public QObject {
    Q_OBJECT

private slots:
    void nombreEnTete_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<qlonglong>("nombre");
        QTest::newRow("date") << u"07/03/1998"_qs << 7LL;
        QTest::newRow("blancs et lettres") << u"  2027AB"_qs << 2027LL;
        QTest::newRow("signe") << u"-7"_qs << -7LL;
        QTest::newRow("trop grand")
            << u"123456789012345678901234"_qs << std::numeric_limits<qlonglong>::max();
    }
    void nombreEnTete() {
        QFETCH(QString, texte);
        QFETCH(qlonglong, nombre);
        QCOMPARE(regles::nombreEnTete(texte), nombre);
    }

    // Every month of every year: leap years against the test's own rule,
    // lengths against Qt's calendar, and the first's weekday counted day by
    // day from Monday 1 January of year 1. Easter against the anonymous
    // Gregorian computus from 1583, Meeus's Julian one before, and the fixed
    // constants of 1900-2099 too; the feasts keep their distances from it.
    void surTroisMilleAns() {
        static const int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        static const char* const noms[] = {"lundi",    "mardi",  "mercredi", "jeudi",
                                           "vendredi", "samedi", "dimanche"};
        long long jours = 0;
        for (int annee = AnneeMin; annee <= AnneeMax; ++annee) {
            QVERIFY(anneeValide(annee));
            QCOMPARE(EstAnBis(annee), bissextile(annee));
            for (int mois = 1; mois <= 12; ++mois) {
                const QDate premier(annee, mois, 1);
                const int colonne = static_cast<int>(jours % 7);
                if (CalculMois(annee, mois) != premier.daysInMonth() ||
                    premierDuMois(annee, mois) != premier ||
                    colonnePremierDuMois(annee, mois) != colonne ||
                    JourSemaine(premier) != QLatin1String(noms[colonne]))
                    QFAIL(qPrintable(QStringLiteral("1/%1/%2").arg(mois).arg(annee)));
                jours += longueurs[mois - 1] + (mois == 2 && bissextile(annee) ? 1 : 0);
            }
            const FetesMobiles f = fetesMobiles(annee);
            const QDate p = f.dates[Paques];
            QCOMPARE(p, annee >= 1583 ? paquesAnonyme(annee) : paquesMeeusJulienne(annee));
            if (annee >= 1900 && annee <= 2099)
                QCOMPARE(p, paquesConstantes1900(annee));
            QCOMPARE(datePaques(annee), p);
            QCOMPARE(p.dayOfWeek(), int(Qt::Sunday));
            QCOMPARE(p.daysTo(f.dates[LundiPaques]), 1);
            QCOMPARE(p.daysTo(f.dates[Ascension]), 39);
            QCOMPARE(p.daysTo(f.dates[Pentecote]), 49);
            QCOMPARE(p.daysTo(f.dates[LundiPentecote]), 50);
        }
    }

    // Outside years 1.. and months 1..12 every rule gives its "nothing".
    void horsDuCalendrier() {
        QVERIFY(!anneeValide(0) && !anneeValide(AnneeMax + 1));
        QVERIFY(!EstAnBis(0));
        QCOMPARE(CalculMois(0, 2), 0);
        QCOMPARE(colonnePremierDuMois(0, 2), -1);
        QCOMPARE(fetesMobiles(0).lignesPaque(), QStringList(5, u"0"_qs));
        QCOMPARE(CalculMois(2012, 13), 0);
        QCOMPARE(nomMois(13), QString());
        // Too large for a date, not for a month's length.
        const long long tropGrande = 1LL + std::numeric_limits<int>::max();
        QCOMPARE(CalculMois(tropGrande, 1), 31);
        QVERIFY(!premierDuMois(tropGrande, 1).isValid() && !datePaques(tropGrande).isValid());
    }

    void paqueSer_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("33, la premiere ecrite")
            << 33LL
            << QByteArray("03/04/0033\r\n04/04/0033\r\n12/05/0033\r\n22/05/0033\r\n23/05/0033\r\n");
        QTest::newRow("32") << 32LL << QByteArray("0\r\n0\r\n0\r\n0\r\n0\r\n");
    }
    void paqueSer() {
        QFETCH(long long, annee);
        QFETCH(QByteArray, octets);
        QTemporaryDir dossier;
        // A longer file from an earlier run, under another case, is replaced whole.
        QFile fichier(dossier.filePath(u"PAQUE.SER"_qs));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(QByteArray(200, 'x')) == 200);
        fichier.close();
        // Written in the working folder when no other is given.
        const QString avant = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        bool ecrit = false;
        const FetesMobiles fetes = CalculPaque(annee, QString(), &ecrit);
        QVERIFY(QDir::setCurrent(avant));
        QVERIFY(ecrit);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{u"PAQUE.SER"_qs});
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), octets);
        // A folder that cannot be written: the feasts all the same.
        const QString absent = dossier.filePath(u"absent"_qs);
        QCOMPARE(CalculPaque(annee, absent, &ecrit).lignesPaque(), fetes.lignesPaque());
        QVERIFY(!ecrit && !QFileInfo::exists(absent));
    }
};

QTEST_GUILESS_MAIN(TestRegles)
#include "tst_regles.moc"
