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
    void anneeValide_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<bool>("valide");
        QTest::newRow("0") << 0LL << false;
        QTest::newRow("-1") << -1LL << false;
        QTest::newRow("1") << 1LL << true;
        QTest::newRow("27") << 27LL << true;
        QTest::newRow("3000") << 3000LL << true;
        QTest::newRow("3001") << 3001LL << false;
        QTest::newRow("min") << std::numeric_limits<long long>::min() << false;
    }
    void anneeValide() {
        QFETCH(long long, annee);
        QFETCH(bool, valide);
        QCOMPARE(regles::anneeValide(annee), valide);
    }

    void nombreEnTete_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<qlonglong>("nombre");
        QTest::newRow("simple") << u"12"_qs << 12LL;
        QTest::newRow("date") << u"07/03/1998"_qs << 7LL;
        QTest::newRow("blancs et lettres") << u"  2027AB"_qs << 2027LL;
        QTest::newRow("blancs autour") << u" 07 "_qs << 7LL;
        QTest::newRow("signe") << u"-7"_qs << -7LL;
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
        QTest::newRow("7 mod 3") << 7.0 << 3.0 << 1LL;
        QTest::newRow("2011 mod 19") << 2011.0 << 19.0 << 16LL;
        QTest::newRow("divisible") << 2000.0 << 400.0 << 0LL;
        QTest::newRow("signe du dividende") << -7.0 << 3.0 << -1LL;
        QTest::newRow("diviseur negatif") << 7.0 << -3.0 << 1LL;
        QTest::newRow("arrondi") << 7.6 << 3.0 << 2LL;
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

    // Every year against the test's own rule; no year 0 nor before.
    void estAnBis() {
        for (long long annee = AnneeMin; annee <= AnneeMax; ++annee)
            QCOMPARE(EstAnBis(annee), bissextile(static_cast<int>(annee)));
        QVERIFY(!EstAnBis(0));
        QVERIFY(!EstAnBis(-4));
    }

    void calculMois_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("jours");
        QTest::newRow("mois 0") << 2012LL << 0 << 0;
        QTest::newRow("mois 13") << 2012LL << 13 << 0;
        QTest::newRow("mois negatif") << 2012LL << -1 << 0;
        QTest::newRow("annee 0") << 0LL << 1 << 0;
        QTest::newRow("annee negative") << -5LL << 2 << 0;
    }
    void calculMois() {
        QFETCH(long long, annee);
        QFETCH(int, mois);
        QFETCH(int, jours);
        QCOMPARE(CalculMois(annee, mois), jours);
    }

    // Every month of every year against Qt's own calendar and the year length.
    void longueurDeChaqueMois() {
        for (int annee = AnneeMin; annee <= AnneeMax; ++annee) {
            int totalAnnee = 0;
            for (int mois = 1; mois <= 12; ++mois) {
                const int jours = CalculMois(annee, mois);
                if (jours != QDate(annee, mois, 1).daysInMonth())
                    QFAIL(qPrintable(QStringLiteral("%1/%2: %3").arg(mois).arg(annee).arg(jours)));
                totalAnnee += jours;
            }
            QCOMPARE(totalAnnee, bissextile(annee) ? 366 : 365);
        }
    }

    void nomsDesMois() {
        const QLocale fr(QLocale::French, QLocale::France);
        for (int mois = 1; mois <= 12; ++mois) {
            QString attendu = sansAccents(fr.standaloneMonthName(mois, QLocale::LongFormat));
            attendu[0] = attendu[0].toUpper();
            QCOMPARE(nomMois(mois), attendu);
        }
        QCOMPARE(nomMois(0), QString());
        QCOMPARE(nomMois(13), QString());
    }

    void jourSemaine_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("colonne");
        QTest::newRow("1er janvier 1") << QDate(1, 1, 1) << u"lundi"_qs << 0;
        QTest::newRow("1er octobre 1582") << QDate(1582, 10, 1) << u"vendredi"_qs << 4;
        QTest::newRow("1er septembre 2024") << QDate(2024, 9, 1) << u"dimanche"_qs << 6;
    }
    void jourSemaine() {
        QFETCH(QDate, date);
        QFETCH(QString, nom);
        QFETCH(int, colonne);
        QCOMPARE(JourSemaine(date), nom);
        QCOMPARE(colonnePremierDuMois(date.year(), date.month()), colonne);
        QCOMPARE(premierDuMois(date.year(), date.month()), date);
        // The weekday names are French ones, lower case.
        QCOMPARE(nom, QLocale(QLocale::French).dayName(date.dayOfWeek()));
    }

    // The first of every month from year 1 to 3000, counted day by day from
    // Monday 1 January of year 1.
    void premierDuMoisSurTroisMilleAns() {
        static const int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        static const char* const noms[] = {"lundi",    "mardi",  "mercredi", "jeudi",
                                           "vendredi", "samedi", "dimanche"};
        long long jours = 0;
        for (int annee = AnneeMin; annee <= AnneeMax; ++annee) {
            for (int mois = 1; mois <= 12; ++mois) {
                const int colonne = static_cast<int>(jours % 7);
                if (colonnePremierDuMois(annee, mois) != colonne ||
                    JourSemaine(premierDuMois(annee, mois)) != QLatin1String(noms[colonne]))
                    QFAIL(qPrintable(QStringLiteral("1/%1/%2").arg(mois).arg(annee)));
                jours += longueurs[mois - 1] + (mois == 2 && bissextile(annee) ? 1 : 0);
            }
        }
    }

    void premierDuMoisRefuse_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<int>("mois");
        QTest::newRow("annee 0") << 0LL << 1;
        QTest::newRow("annee -1") << -1LL << 12;
        QTest::newRow("mois 0") << 2011LL << 0;
        QTest::newRow("mois 13") << 2011LL << 13;
        QTest::newRow("annee hors des entiers") << 1LL + std::numeric_limits<int>::max() << 1;
    }
    void premierDuMoisRefuse() {
        QFETCH(long long, annee);
        QFETCH(int, mois);
        QVERIFY(!premierDuMois(annee, mois).isValid());
        QCOMPARE(colonnePremierDuMois(annee, mois), -1);
    }

    void jourSemaineAvantL_an1() {
        QCOMPARE(JourSemaine(QDate(-1, 12, 1)), QString());
        QCOMPARE(JourSemaine(QDate()), QString());
    }

    void fetes_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<QStringList>("textes");
        auto ligne = [](const char* nom, long long annee, QStringList textes) {
            QTest::newRow(nom) << annee << textes;
        };
        ligne("2285 au plus tot, ascension le 30 avril", 2285,
              {"22/03/2285", "23/03/2285", "30/04/2285", "10/05/2285", "11/05/2285"});
        // Julian Easter (15 April 1582)
        // as the proleptic Gregorian day grid shows it.
        ligne("1582 julienne", 1582,
              {"25/04/1582", "26/04/1582", "03/06/1582", "13/06/1582", "14/06/1582"});
        ligne("33 sans +5", 33,
              {"03/04/0033", "04/04/0033", "12/05/0033", "22/05/0033", "23/05/0033"});
    }
    void fetes() {
        QFETCH(long long, annee);
        QFETCH(QStringList, textes);
        const FetesMobiles fetes = fetesMobiles(annee);
        QVERIFY(fetes.calculees());
        QStringList obtenus;
        for (int f = 0; f < NombreFetes; ++f)
            obtenus << fetes.texte(static_cast<Fete>(f));
        QCOMPARE(obtenus, textes);
        for (int f = 0; f < NombreFetes; ++f)
            QCOMPARE(fetes.dates[f].toString(u"dd/MM/yyyy"), textes[f]);
    }

    void paquesGregorienne() {
        for (int annee = 1583; annee <= AnneeMax; ++annee)
            QCOMPARE(datePaques(annee), paquesAnonyme(annee));
        for (int annee = 1900; annee <= 2099; ++annee)
            QCOMPARE(datePaques(annee), paquesConstantes1900(annee));
    }

    void paquesJulienne() {
        for (int annee = AnneeMin; annee < 1583; ++annee)
            QCOMPARE(datePaques(annee), paquesMeeusJulienne(annee));
    }

    // Whatever the year, the feasts keep their weekdays and their distances.
    void fetesSurTroisMilleAns() {
        for (int annee = AnneeMin; annee <= AnneeMax; ++annee) {
            const FetesMobiles f = fetesMobiles(annee);
            QCOMPARE(f.annee, annee);
            const QDate p = f.dates[Paques];
            QCOMPARE(p.dayOfWeek(), int(Qt::Sunday));
            QCOMPARE(p.daysTo(f.dates[LundiPaques]), 1);
            QCOMPARE(p.daysTo(f.dates[Ascension]), 39);
            QCOMPARE(f.dates[Ascension].dayOfWeek(), int(Qt::Thursday));
            QCOMPARE(p.daysTo(f.dates[Pentecote]), 49);
            QCOMPARE(p.daysTo(f.dates[LundiPentecote]), 50);
            QCOMPARE(f.dates[LundiPentecote].dayOfWeek(), int(Qt::Monday));
            QCOMPARE(p.year(), annee);
            if (annee >= 1583)
                QVERIFY(p >= QDate(annee, 3, 22) && p <= QDate(annee, 4, 25));
        }
    }

    void sansFetes_data() {
        QTest::addColumn<long long>("annee");
        QTest::newRow("0") << 0LL;
        QTest::newRow("-1") << -1LL;
        QTest::newRow("hors des entiers") << 1LL + std::numeric_limits<int>::max();
    }
    void sansFetes() {
        QFETCH(long long, annee);
        QVERIFY(!datePaques(annee).isValid());
        const FetesMobiles fetes = fetesMobiles(annee);
        QVERIFY(!fetes.calculees());
        QCOMPARE(fetes.texte(Pentecote), QString());
        QCOMPARE(fetes.lignesPaque(), QStringList(5, u"0"_qs));
    }

    void paqueSer_data() {
        QTest::addColumn<long long>("annee");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("2011") << 2011LL
                              << QByteArray("24/04/2011\r\n25/04/2011\r\n02/06/2011\r\n"
                                            "12/06/2011\r\n13/06/2011\r\n");
        QTest::newRow("2285") << 2285LL
                              << QByteArray("22/03/2285\r\n23/03/2285\r\n30/04/2285\r\n"
                                            "10/05/2285\r\n11/05/2285\r\n");
        QTest::newRow("33, la premiere ecrite")
            << 33LL
            << QByteArray("03/04/0033\r\n04/04/0033\r\n12/05/0033\r\n22/05/0033\r\n23/05/0033\r\n");
        QTest::newRow("32") << 32LL << CinqZeros;
        QTest::newRow("5") << 5LL << CinqZeros;
        QTest::newRow("1") << 1LL << CinqZeros;
        QTest::newRow("0") << 0LL << CinqZeros;
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

        bool ecrit = false;
        const FetesMobiles fetes = CalculPaque(annee, dossier.path(), &ecrit);
        QVERIFY(ecrit);
        QCOMPARE(fetes.annee, annee);
        QCOMPARE(lireOctets(dossier.filePath(u"Paque.ser"_qs)), octets);
        // Day in characters 1-2 and month in 4-5, as the month pages read it.
        for (const QByteArray& ligne : octets.split('\n')) {
            if (ligne.size() > 2) {
                QCOMPARE(ligne.mid(2, 1), QByteArray("/"));
                QCOMPARE(ligne.mid(5, 1), QByteArray("/"));
            }
        }
    }

    void paqueSerDansLeDossierDeTravail() {
        QTemporaryDir dossier;
        const QString avant = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        bool ecrit = false;
        CalculPaque(2008, QString(), &ecrit);
        QVERIFY(QDir::setCurrent(avant));
        QVERIFY(ecrit);
        QCOMPARE(
            lireOctets(dossier.filePath(u"Paque.ser"_qs)),
            QByteArray("23/03/2008\r\n24/03/2008\r\n01/05/2008\r\n11/05/2008\r\n12/05/2008\r\n"));
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
