#pragma once

// The date rules every month page rests on: Easter and the four movable feasts
// that follow from it, leap years, month lengths, weekday and month names.
// Pure logic, but for the writing of Paque.ser.
//
// Dates are those of the proleptic Gregorian calendar (QDate's), the one the
// day grid uses for every year. There is no year 0 nor any year before it: for
// such a year every rule gives its "nothing" (false, 0, an empty name, no
// feasts), and callers refuse it as they refuse a year above 3000.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace regles {

// The whole number a text starts with once trimmed, as typed in an answer box
// or stored in a working file: an optional sign, then the digits up to the
// first other character; 0 when there are none; held at the type's bound when
// too large.
long long nombreEnTete(QStringView texte);

// The years a calendar can be made for.
inline constexpr int AnneeMin = 1;
inline constexpr int AnneeMax = 3000;
constexpr bool anneeValide(long long annee) {
    return annee >= AnneeMin && annee <= AnneeMax;
}

// Month lengths, indexed by month 1..12 (entry 0 unused). February is always
// 28 here; CalculMois adds the leap day.
inline constexpr std::array<int, 13> longueursMois = {0,  31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};

// Weekday names, indexed 1..7 from Sunday (entry 0 unused).
inline constexpr std::array<QStringView, 8> nomsJours = {
    u"", u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi"};

// Month names without accents, indexed 1..12 (entry 0 unused).
inline constexpr std::array<QStringView, 13> nomsMois = {
    u"",        u"Janvier", u"Fevrier",   u"Mars",    u"Avril",    u"Mai",     u"Juin",
    u"Juillet", u"Aout",    u"Septembre", u"Octobre", u"Novembre", u"Decembre"};

// The name of month 1..12; empty for any other number.
QString nomMois(int mois);

// The remainder of `nombre1` divided by `nombre2`, both rounded to whole
// numbers first (halves to even); its sign follows `nombre1`. A divisor that
// rounds to 0, or an operand too large to hold whole or not a number, gives 0.
long long modulo(double nombre1, double nombre2);

// Gregorian leap year; false for a year of 0 or below.
bool EstAnBis(long long annee);

// Days in month `mois` of `annee`; 0 for a month outside 1..12 or a year of
// 0 or below.
int CalculMois(long long annee, int mois);

// The weekday name of `date` ("dimanche" ... "samedi"); empty for an invalid
// date or one before year 1.
QString JourSemaine(const QDate& date);

// The first of a month, or an invalid date for a month outside 1..12 or a
// year of 0 or below.
QDate premierDuMois(long long annee, int mois);

// The day-grid column of the first of a month, weeks running Monday to
// Sunday (lundi 0 ... dimanche 6); -1 where premierDuMois is invalid.
int colonnePremierDuMois(long long annee, int mois);

// The five movable feasts, in the order Paque.ser holds them.
enum Fete { Paques, LundiPaques, Ascension, Pentecote, LundiPentecote, NombreFetes };

struct FetesMobiles {
    long long annee = 0;
    // All invalid when the year has no feasts (a year of 0 or below).
    std::array<QDate, NombreFetes> dates{};

    bool calculees() const { return dates[Paques].isValid(); }
    // "dd/mm/yyyy", the year on four digits; empty when not computed.
    QString texte(Fete fete) const;
    // The five lines of Paque.ser: the dates, or "0" each for a year of 32 or
    // less and for a year without feasts.
    QStringList lignesPaque() const;
};

// Easter Sunday: the Gregorian computus from 1583 on; before, the Julian one,
// its date given in the proleptic Gregorian calendar. Invalid for a year of 0
// or below, or one too large for a date.
QDate datePaques(long long annee);

// Easter and the feasts 1, 39, 49 and 50 days after it.
FetesMobiles fetesMobiles(long long annee);

// The feast file handed to the month pages.
inline constexpr QStringView NomFichierPaque = u"Paque.ser";

// Writes Paque.ser into `dossier` (the working folder when empty), rewriting
// it whole. False when it could not be written.
bool ecrirePaque(const FetesMobiles& fetes, const QString& dossier = QString());

// Computes the feasts of `annee` and writes Paque.ser; `ecrit`, when given,
// tells whether the file was written.
FetesMobiles CalculPaque(long long annee, const QString& dossier = QString(),
                         bool* ecrit = nullptr);

} // namespace regles
