#include "calendrier/pages/composition.h"
#include "calendrier/pages/peintre.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QTest>
#include <limits>

using namespace pages;

namespace {

QByteArray enregistrement(const QString& nom, const QString& jour) {
    return plateforme::versCp1252(nom.leftJustified(20, u' ')) +
           plateforme::versCp1252(jour.leftJustified(20, u' '));
}

// The cells that hold a day, as "first-last".
QString casesOccupees(const PageMois& page) {
    int premiere = -1, derniere = -1;
    for (int n = 0; n < kCases; ++n)
        if (page.cases[n].jour != 0) {
            if (premiere < 0)
                premiere = n;
            derniere = n;
        }
    return QString::number(premiere) + u'-' + QString::number(derniere);
}

} // namespace

class TestComposition : public QObject {
    Q_OBJECT

private slots:
    void toutesLesFiches() {
        // Every record is taken, far beyond thirty; a last line without its
        // pair is no record.
        QStringList fete, enfant;
        for (int i = 1; i <= 45; ++i) {
            fete << u"%1/05"_qs.arg(i % 28 + 1, 2, 10, QLatin1Char('0')) << u"FETE %1"_qs.arg(i);
            enfant << u"%1/06/19%2"_qs.arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(i + 10)
                   << u"ENFANT %1"_qs.arg(i);
        }
        fete << u"01/01"_qs;
        const QList<FeteDuJour> fetes = lireFetes(fete);
        QCOMPARE(fetes.size(), 45);
        QCOMPARE(fetes.last().texte, u"FETE 45"_qs);
        QCOMPARE(fetes.last().jour, 18);
        QCOMPARE(fetes.last().mois, 5);
        const QList<Anniversaire> anniversaires = lireAnniversaires(enfant);
        QCOMPARE(anniversaires.size(), 45);
        QCOMPARE(anniversaires[44].annee, 1955LL);
        QCOMPARE(anniversaires[44].mois, 6);
        QCOMPARE(anniversaires[44].nom, u"ENFANT 45"_qs);
    }

    void joursMobiles() {
        const JoursMobiles j =
            lireJoursMobiles({u"05/04/2026"_qs, u"06/04/2026"_qs, u"14/05/2026"_qs});
        QCOMPARE(j[0].jour, 5);
        QCOMPARE(j[0].mois, 4);
        QCOMPARE(j[2].mois, 5);
        QCOMPARE(j[3].jour, 0); // missing lines: no feast
        const JoursMobiles aucun = lireJoursMobiles({u"0"_qs, u"0"_qs});
        QCOMPARE(aucun[0].mois, 0);
    }

    void prenoms() {
        QByteArray fichier = enregistrement(u"Aubin"_qs, u"01 mars"_qs) +
                             enregistrement(u"Premier"_qs, u"02 Mars"_qs) +
                             enregistrement(u"Second"_qs, u"02 mars"_qs) +
                             enregistrement(u"Hélène"_qs, u"18 aout"_qs);
        fichier += "court"; // a last record cut short is no record
        const Prenoms p(fichier);
        QCOMPARE(p.taille(), 4);
        QCOMPARE(p.prenom(1, u" Mars "_qs), u"Aubin"_qs);
        QCOMPARE(p.prenom(2, u" Mars "_qs), u"Premier"_qs); // the first match
        QCOMPARE(p.prenom(18, u" Aout "_qs), u"Hélène"_qs);
        QCOMPARE(p.prenom(3, u" Mars "_qs), QString());
        QCOMPARE(p.prenom(1, u" Avril "_qs), QString());
        QCOMPARE(Prenoms::charger(u"/nulle/part/Prenoms"_qs).taille(), 0);
    }

    void grilles_data() {
        QTest::addColumn<int>("annee");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("cases");
        QTest::addColumn<int>("jours");
        QTest::newRow("dimanche, 31 jours") << 2026 << 3 << u"6-36"_qs << 31;
        QTest::newRow("lundi, 28 jours") << 2027 << 2 << u"0-27"_qs << 28;
        QTest::newRow("fevrier bissextile") << 2028 << 2 << u"1-29"_qs << 29;
        QTest::newRow("an 1") << 1 << 1 << u"0-30"_qs << 31;
        QTest::newRow("an 3000") << 3000 << 12 << u"0-30"_qs << 31;
        QTest::newRow("an 0") << 0 << 1 << u"-1--1"_qs << 0;
        QTest::newRow("mois 13") << 2026 << 13 << u"-1--1"_qs << 0;
    }
    void grilles() {
        QFETCH(int, annee);
        QFETCH(int, mois);
        QFETCH(QString, cases);
        QFETCH(int, jours);
        const PageMois page = composerMois(annee, mois, {});
        QCOMPARE(casesOccupees(page), cases);
        QCOMPARE(page.jours, jours);
        if (jours > 0) {
            QCOMPARE(page.cases[page.premiereCase].jour, 1);
            QCOMPARE(page.cases[page.premiereCase + jours - 1].jour, jours);
        }
    }

    void marquesEtLignes() {
        Donnees d;
        d.fetes = {{5, 4, u"STE IRENE"_qs}, {1, 4, u"POISSON"_qs}, {5, 3, u"AUTRE MOIS"_qs}};
        d.anniversaires = {{5, 4, 1950, u"GRAND-PERE"_qs},
                           {5, 4, 2030, u"PAS ENCORE NE"_qs},
                           {1, 4, 2026, u"NE CETTE ANNEE"_qs}};
        d.mobiles = {{{5, 4}, {6, 4}, {14, 5}, {24, 5}, {25, 5}}};
        d.prenoms = Prenoms(enregistrement(u"Irène"_qs, u"05 avril"_qs));
        d.aujourdhui = QDate(2026, 4, 6);
        const PageMois page = composerMois(2026, 4, d);
        // Days in order; within a day fêtes, then anniversaries, then feasts.
        QCOMPARE(page.lignes,
                 (QStringList{u"Le 1  Fete  POISSON"_qs, u"Le 1  Aniversaire de NE CETTE ANNEE"_qs,
                              u"Le 5  Fete  STE IRENE"_qs, u"Le 5  Aniversaire de GRAND-PERE"_qs,
                              u"Pâques est le 5"_qs, u"Lundi de Pâques est le 6"_qs}));
        const int avril1 = page.premiereCase; // 1 April 2026 is a Wednesday
        QCOMPARE(avril1, 2);
        QCOMPARE(page.cases[avril1].marque, Marque::Marque);
        QCOMPARE(page.cases[avril1 + 4].marque, Marque::Marque);
        QCOMPARE(page.cases[avril1 + 4].prenom, u"Irène"_qs);
        // Easter Monday is today: blue wins over the mark.
        QCOMPARE(page.cases[avril1 + 5].marque, Marque::Aujourdhui);
        QCOMPARE(page.cases[avril1 + 6].marque, Marque::Aucune);
        QCOMPARE(page.lignesOmises, 0);

        // On the sheet, marked days green and framed, today blue and framed,
        // the others in their cell's own colour.
        Couleurs repos;
        for (int n = 0; n < kCases; ++n)
            repos[n] = QColor::fromRgb(n * 0x010203 + 0x102030);
        const Feuille f = feuilleDuMois(page, repos);
        QCOMPARE(f.jours[avril1 + 4], (Inscription{u"05"_qs, kVert, true, true}));
        QCOMPARE(f.jours[avril1 + 5], (Inscription{u"06"_qs, kBleu, true, true}));
        QCOMPARE(f.jours[avril1 + 6], (Inscription{u"07"_qs, repos[avril1 + 6], true, false}));
        QVERIFY(!f.jours[avril1 - 1].visible);
        QCOMPARE(f.prenoms[avril1 + 4].texte, u"Irène"_qs);
        QCOMPARE(f.lignes[5].texte, page.lignes[5]);
    }

    void anneesSansFetes_data() {
        QTest::addColumn<int>("annee");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("1788: les fetes mobiles seules")
            << 1788 << QStringList{u"Pentecôte est le 8"_qs};
        QTest::newRow("1789: tout")
            << 1789
            << QStringList{u"Pentecôte est le 8"_qs, u"Le 10  Fete  FETE"_qs,
                           u"Le 11  Aniversaire de AIEUL"_qs};
    }
    void anneesSansFetes() {
        QFETCH(int, annee);
        QFETCH(QStringList, lignes);
        Donnees d;
        d.fetes = {{10, 6, u"FETE"_qs}};
        d.anniversaires = {{11, 6, 1700, u"AIEUL"_qs}};
        d.mobiles = {{{0, 0}, {0, 0}, {0, 0}, {8, 6}, {0, 0}}};
        const PageMois page = composerMois(annee, 6, d);
        QCOMPARE(page.lignes, lignes);
        QCOMPARE(page.cases[page.premiereCase + 9].marque,
                 annee > 1788 ? Marque::Marque : Marque::Aucune);
    }

    void auDelaDeDouzeLignes() {
        // Fifteen items: twelve lines, the rest left out, every day marked.
        Donnees d;
        for (int jour = 1; jour <= 15; ++jour)
            d.fetes.append({jour, 7, u"FETE %1"_qs.arg(jour)});
        const PageMois page = composerMois(2026, 7, d);
        QCOMPARE(page.lignes.size(), kLignes);
        QCOMPARE(page.lignes.last(), u"Le 12  Fete  FETE 12"_qs);
        QCOMPARE(page.lignesOmises, 3);
        for (int jour = 1; jour <= 15; ++jour)
            QCOMPARE(page.cases[page.premiereCase + jour - 1].marque, Marque::Marque);
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
