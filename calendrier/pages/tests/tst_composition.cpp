#include "calendrier/pages/composition.h"
#include "calendrier/pages/peintre.h"
#include "calendrier/regles/regles.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QTest>

using namespace pages;

static QByteArray enregistrement(const QString& nom, const QString& jour) {
    return plateforme::versCp1252(nom.leftJustified(20, u' ')) +
           plateforme::versCp1252(jour.leftJustified(20, u' '));
}

class TestComposition : public QObject {
    Q_OBJECT

private slots:
    // Every record is taken, far beyond thirty, and marks its day; the page
    // lists the first twelve items and counts the others.
    void toutesLesFiches() {
        QStringList fete, enfant;
        for (int i = 1; i <= 45; ++i) {
            fete << u"%1/05"_qs.arg(i % 28 + 1, 2, 10, QLatin1Char('0')) << u"FETE %1"_qs.arg(i);
            enfant << u"%1/06/19%2"_qs.arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(i + 10)
                   << u"ENFANT %1"_qs.arg(i);
        }
        fete << u"01/01"_qs; // a last line without its pair is no record
        Donnees d;
        d.fetes = lireFetes(fete);
        d.anniversaires = lireAnniversaires(enfant);
        QCOMPARE(d.fetes.size(), 45);
        QCOMPARE(d.anniversaires.size(), 45);
        const PageMois mai = composerMois(2026, 5, d);
        QCOMPARE(mai.lignes.size(), kLignes);
        QCOMPARE(mai.lignes.last(), u"Le 7  Fete  FETE 6"_qs);
        QCOMPARE(mai.lignesOmises, 33);
        for (int jour = 1; jour <= 31; ++jour)
            QCOMPARE(mai.cases[mai.premiereCase + jour - 1].marque,
                     jour <= 28 ? Marque::Marque : Marque::Aucune);
    }

    // The days from the first's weekday column on; none outside the calendar.
    void grilles() {
        for (const auto& [annee, mois] : QList<std::pair<int, int>>{
                 {2026, 3}, {2027, 2}, {2028, 2}, {1, 1}, {3000, 12}, {0, 1}, {2026, 13}}) {
            const PageMois page = composerMois(annee, mois, {});
            const int premiere = regles::colonnePremierDuMois(annee, mois);
            QCOMPARE(page.jours, premiere < 0 ? 0 : regles::CalculMois(annee, mois));
            for (int n = 0; n < kCases; ++n)
                QCOMPARE(page.cases[n].jour,
                         n >= premiere && n < premiere + page.jours ? n - premiere + 1 : 0);
        }
    }

    void marquesEtLignes() {
        Donnees d;
        d.fetes = {{5, 4, u"STE IRENE"_qs}, {1, 4, u"POISSON"_qs}, {5, 3, u"AUTRE MOIS"_qs}};
        d.anniversaires = {{5, 4, 1950, u"GRAND-PERE"_qs},
                           {5, 4, 2030, u"PAS ENCORE NE"_qs},
                           {1, 4, 2026, u"NE CETTE ANNEE"_qs}};
        d.mobiles = {{{5, 4}, {6, 4}, {14, 5}, {24, 5}, {25, 5}}};
        // The first record of a day found, whatever the month's case; a last
        // record cut short is no record.
        d.prenoms = Prenoms(enregistrement(u"Irène"_qs, u"05 avril"_qs) +
                            enregistrement(u"Autre"_qs, u"05 Avril"_qs) + "court");
        QCOMPARE(d.prenoms.taille(), 2);
        d.aujourdhui = QDate(2026, 4, 6);
        const PageMois page = composerMois(2026, 4, d);
        // Days in order; within a day fêtes, then anniversaries, then feasts.
        QCOMPARE(page.lignes,
                 (QStringList{u"Le 1  Fete  POISSON"_qs, u"Le 1  Aniversaire de NE CETTE ANNEE"_qs,
                              u"Le 5  Fete  STE IRENE"_qs, u"Le 5  Aniversaire de GRAND-PERE"_qs,
                              u"Pâques est le 5"_qs, u"Lundi de Pâques est le 6"_qs}));
        const int avril1 = page.premiereCase;
        QCOMPARE(page.cases[avril1 + 4].prenom, u"Irène"_qs);
        QCOMPARE(page.cases[avril1 + 5].prenom, QString());
        // Easter Monday is today: blue wins over the mark.
        QCOMPARE(page.cases[avril1 + 5].marque, Marque::Aujourdhui);

        // On the sheet, marked days green and framed, today blue and framed,
        // the others in their cell's own colour.
        Couleurs repos;
        for (int n = 0; n < kCases; ++n)
            repos[n] = QColor::fromRgb(n * 0x010203 + 0x102030);
        const Feuille f = feuilleDuMois(page, repos);
        QCOMPARE(f.jours[avril1 + 4], (Inscription{u"05"_qs, kVert, true, true}));
        QCOMPARE(f.jours[avril1 + 5], (Inscription{u"06"_qs, kBleu, true, true}));
        QCOMPARE(f.jours[avril1 + 6], (Inscription{u"07"_qs, repos[avril1 + 6], true, false}));
    }

    // Before 1789 the movable feasts alone, from it the lists too.
    void anneesSansFetes() {
        Donnees d;
        d.fetes = {{10, 6, u"FETE"_qs}};
        d.anniversaires = {{11, 6, 1700, u"AIEUL"_qs}};
        d.mobiles = {{{0, 0}, {0, 0}, {0, 0}, {8, 6}, {0, 0}}};
        for (int annee : {1788, 1789}) {
            const PageMois page = composerMois(annee, 6, d);
            QCOMPARE(page.lignes.size(), annee > 1788 ? 3 : 1);
            QCOMPARE(page.lignes.first(), u"Pentecôte est le 8"_qs);
            QCOMPARE(page.cases[page.premiereCase + 9].marque,
                     annee > 1788 ? Marque::Marque : Marque::Aucune);
        }
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
