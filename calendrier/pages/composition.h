#pragma once

// The composition of a month page as data: which cell holds which day and
// which first name, which days are marked, and the text lines naming the
// month's fêtes, anniversaries and movable feasts. No window here, so a page
// can be checked, and drawn at any resolution, without one.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace pages {

inline constexpr int kCases = 37;  // six leading empty cells and 31 days at most
inline constexpr int kLignes = 12; // text lines under the grid
inline constexpr int kJoursSemaine = 7;

struct FeteDuJour {
    int jour = 0;
    int mois = 0;
    QString texte;
};

struct Anniversaire {
    int jour = 0;
    int mois = 0;
    long long annee = 0;
    QString nom;
};

// A movable feast as Paque.ser gives it; 0, 0 for none.
struct JourMobile {
    int jour = 0;
    int mois = 0;
};
using JoursMobiles = std::array<JourMobile, 5>;

// Every record of the lists, pairs of lines (date, text), in file order; a
// last line without its pair is left out.
QList<FeteDuJour> lireFetes(const QStringList& lignes);
QList<Anniversaire> lireAnniversaires(const QStringList& lignes);
// The five feasts of Paque.ser (Easter, Easter Monday, Ascension, Pentecost,
// Whit Monday); missing lines give none.
JoursMobiles lireJoursMobiles(const QStringList& lignes);

// The first-name file: records of 40 bytes, the name then the day ("01
// janvier"), 20 bytes each, blank-padded.
class Prenoms {
public:
    Prenoms() = default;
    explicit Prenoms(const QByteArray& contenu);
    static Prenoms charger(const QString& chemin);

    // The first record whose day field, less its first two characters,
    // trimmed and in lower case, is the month name of `libelleMois` (trimmed,
    // lower case), and whose numeric value is `jour`; empty when none is.
    QString prenom(int jour, const QString& libelleMois) const;
    qsizetype taille() const { return enregistrements_.size(); }

private:
    struct Enregistrement {
        QString nom;
        int jour = 0;
        QString mois; // trimmed, lower case
    };
    QList<Enregistrement> enregistrements_;
};

enum class Marque { Aucune, Marque, Aujourdhui };

struct Case {
    int jour = 0; // 0: the cell is empty
    Marque marque = Marque::Aucune;
    QString prenom;
};

// Everything a month page is made from besides its year and month.
struct Donnees {
    QList<FeteDuJour> fetes;
    QList<Anniversaire> anniversaires;
    JoursMobiles mobiles{};
    Prenoms prenoms;
    QDate aujourdhui;
};

struct PageMois {
    long long annee = 0;
    int mois = 0;
    int premiereCase = 0;
    int jours = 0;
    std::array<Case, kCases> cases{};
    QStringList lignes; // at most kLignes
    // Items beyond the last line, left out of the lines (their days stay marked).
    int lignesOmises = 0;
};

// Fêtes and anniversaries are shown only after this year.
inline constexpr int kDerniereAnneeSansFetes = 1788;

// The month label as the page names it: " Janvier " ... " Decembre ".
QString libelleMois(int mois);

// The page of `mois` (1 to 12) of `annee` (1 to 3000); an empty page (no day)
// for anything else.
PageMois composerMois(long long annee, int mois, const Donnees& donnees);

} // namespace pages
