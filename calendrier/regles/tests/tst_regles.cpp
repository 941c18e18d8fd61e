#include "calendrier/regles/regles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
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

QString sansAccents(const QString& texte) {
    QString s;
    for (QChar c : texte.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            s += c;
    return s;
}

QByteArray lireOctets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

const QByteArray CinqZeros("0\r\n0\r\n0\r\n0\r\n0\r\n");

} // namespace

class TestRegles : public QObject {
    Q_OBJECT

private slots:
    // Years 1 to 3000 are accepted in the loops below.
    void anneesRefusees() {
        QVERIFY(!regles::anneeValide(0));
        QVERIFY(!regles::anneeValide(AnneeMax + 1));
        QVERIFY(!regles::anneeValide(std::numeric_limits<long long>::min()));
    }

    void nombreEnTete_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<qlonglong>("nombre");
        QTest::newRow("simple") << u"12"_qs << 12LL;
        QTest::newRow("date") << u"07/03/1998"_qs << 7LL;
        QTest::newRow("blancs et lettres") << u"  2027AB"_qs << 2027LL;
        QTest::newRow("blancs autour") << u" 07 "_qs << 7LL;
        QTest::newRow("signe") << u"-7"_qs << -7LL;
        QTest::newRow("signe plus") << u"+7"_qs << 7LL;
        QTest::newRow("barre d'abord") << u"/8"_qs << 0LL;
        QTest::newRow("rien") << u"ABC"_qs << 0LL;
        QTest::newRow("vide") << QString() << 0LL;
        QTest::newRow("trop grand")
            << u"123456789012345678901234"_qs << std::numeric_limits<qlonglong>::max();
    }
    void nombreEnTete() {
        QFETCH(QString, texte);
        QFETCH(qlonglong, nombre);
        QCOMPARE(regles::nombreEnTete(texte), nombre);
    }

    void modulo_data() {
        QTest::addColumn<double>("n1");
        QTest::addColumn<double>("n2");
        QTest::addColumn<long long>("reste");
        QTest::newRow("signe du dividende") << -7.0 << 3.0 << -1LL;
        QTest::newRow("diviseur negatif") << 7.0 << -3.0 << 1LL;
        QTest::newRow("demi vers le pair bas") << 2.5 << 2.0 << 0LL;
        QTest::newRow("demi vers le pair haut") << 3.5 << 3.0 << 1LL;
        QTest::newRow("diviseur arrondi") << 10.0 << 2.6 << 1LL;
        QTest::newRow("diviseur nul") << 5.0 << 0.0 << 0LL;
        QTest::newRow("diviseur arrondi a zero") << 5.0 << 0.4 << 0LL;
        QTest::newRow("infini") << std::numeric_limits<double>::infinity() << 7.0 << 0LL;
        QTest::newRow("pas un nombre") << std::numeric_limits<double>::quiet_NaN() << 7.0 << 0LL;
    }
    void modulo() {
        QFETCH(double, n1);
        QFETCH(double, n2);
        QFETCH(long long, reste);
        QCOMPARE(regles::modulo(n1, n2), reste);
    }

    // Every month of every year: leap years against the test's own rule,
    // lengths against Qt's calendar, and the first's weekday counted day by
    // day from Monday 1 January of year 1.
    void moisSurTroisMilleAns() {
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
        }
    }

    void nomsDesMois() {
        const QLocale fr(QLocale::French, QLocale::France);
        for (int mois = 1; mois <= 12; ++mois) {
            QString attendu = sansAccents(fr.standaloneMonthName(mois, QLocale::LongFormat));
            attendu[0] = attendu[0].toUpper();
            QCOMPARE(nomMois(mois), attendu);
        }
    }

    // Outside years 1.. and months 1..12 every rule gives its "nothing".
    void horsDuCalendrier_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("jours");
        QTest::newRow("annee 0") << 0LL << 1 << 0;
        QTest::newRow("annee -4") << -4LL << 2 << 0;
        // Too large for a date, not for a month's length.
        QTest::newRow("annee hors des entiers") << 1LL + std::numeric_limits<int>::max() << 1 << 31;
        QTest::newRow("mois 0") << 2012LL << 0 << 0;
        QTest::newRow("mois 13") << 2012LL << 13 << 0;
    }
    void horsDuCalendrier() {
        QFETCH(long long, annee);
        QFETCH(int, mois);
        QFETCH(int, jours);
        QCOMPARE(CalculMois(annee, mois), jours);
        QVERIFY(!premierDuMois(annee, mois).isValid());
        QCOMPARE(colonnePremierDuMois(annee, mois), -1);
        if (mois == 0 || mois == 13) {
            QCOMPARE(nomMois(mois), QString());
            return;
        }
        if (annee <= 0) {
            QVERIFY(!EstAnBis(annee));
            QCOMPARE(JourSemaine(QDate(static_cast<int>(annee), mois, 1)), QString());
        }
        QVERIFY(!datePaques(annee).isValid());
        const FetesMobiles fetes = fetesMobiles(annee);
        QVERIFY(!fetes.calculees());
        QCOMPARE(fetes.texte(Pentecote), QString());
        QCOMPARE(fetes.lignesPaque(), QStringList(5, u"0"_qs));
    }

    // Easter against the anonymous Gregorian computus from 1583, Meeus's
    // Julian one before, and the fixed constants of 1900-2099 too; the feasts
    // keep their distances from it.
    void fetesSurTroisMilleAns() {
        for (int annee = AnneeMin; annee <= AnneeMax; ++annee) {
            const FetesMobiles f = fetesMobiles(annee);
            QCOMPARE(f.annee, annee);
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

    void paqueSer_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("33, la premiere ecrite")
            << 33LL
            << QByteArray("03/04/0033\r\n04/04/0033\r\n12/05/0033\r\n22/05/0033\r\n23/05/0033\r\n");
        QTest::newRow("32") << 32LL << CinqZeros;
        QTest::newRow("-2011") << -2011LL << CinqZeros;
        QTest::newRow("3500, au-dela du calendrier")
            << 3500LL
            << QByteArray("08/04/3500\r\n09/04/3500\r\n17/05/3500\r\n27/05/3500\r\n28/05/3500\r\n");
    }
    void paqueSer() {
        QFETCH(long long, annee);
        QFETCH(QByteArray, octets);
        QTemporaryDir dossier;
        // A longer file from an earlier run is replaced whole.
        QFile ancien(dossier.filePath(u"Paque.ser"_qs));
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write(QByteArray(200, 'x'));
        ancien.close();

        // Written in the working folder when no other is given.
        const QString avant = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        bool ecrit = false;
        const FetesMobiles fetes = CalculPaque(annee, QString(), &ecrit);
        QVERIFY(QDir::setCurrent(avant));
        QVERIFY(ecrit);
        QCOMPARE(fetes.annee, annee);
        QCOMPARE(lireOctets(dossier.filePath(u"Paque.ser"_qs)), octets);
    }

    // An existing PAQUE.SER is the feast file, not a second one beside it.
    void paqueSerSansEgardALaCasse() {
        QTemporaryDir dossier;
        QFile autre(dossier.filePath(u"PAQUE.SER"_qs));
        QVERIFY(autre.open(QIODevice::WriteOnly));
        autre.close();
        QVERIFY(ecrirePaque(fetesMobiles(32), dossier.path()));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{u"PAQUE.SER"_qs});
        QCOMPARE(lireOctets(dossier.filePath(u"PAQUE.SER"_qs)), CinqZeros);
    }

    void paqueSerImpossibleAEcrire() {
        QTemporaryDir dossier;
        const QString absent = dossier.filePath(u"absent"_qs);
        bool ecrit = true;
        const FetesMobiles fetes = CalculPaque(2011, absent, &ecrit);
        QVERIFY(!ecrit);
        QVERIFY(fetes.calculees());
        QVERIFY(!QFileInfo::exists(absent));
    }
};

QTEST_GUILESS_MAIN(TestRegles)
#include "tst_regles.moc"
