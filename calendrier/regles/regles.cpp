#include "calendrier/regles/regles.h"

#include "plateforme/noyau/fichiertexte.h"

#include <QCalendar>
#include <QDir>
#include <cmath>
#include <limits>

namespace regles {

namespace {

// Beyond this a double no longer holds every whole number.
constexpr double EntierMax = 9007199254740992.0; // 2^53

struct JourMois {
    int jour;
    int mois;
};

// Gauss's computus: with the century's constants m and n, Easter Sunday is
// 22 + d + e March. The Julian calendar has m = 15 and n = 6 throughout.
struct Gauss {
    long long d;
    long long e;
    JourMois date() const {
        const int jour = static_cast<int>(22 + d + e);
        return jour > 31 ? JourMois{jour - 31, 4} : JourMois{jour, 3};
    }
};

Gauss gauss(long long annee, long long m, long long n) {
    const double y = static_cast<double>(annee);
    const long long a = modulo(y, 19);
    const long long b = modulo(y, 4);
    const long long c = modulo(y, 7);
    const long long d = modulo(19.0 * a + m, 30);
    const long long e = modulo(2.0 * b + 4.0 * c + 6.0 * d + n, 7);
    return {d, e};
}

JourMois paquesGregorienne(long long annee) {
    // The lunar (m) and solar (n) corrections of the year's century.
    const long long k = annee / 100;
    const long long p = (13 + 8 * k) / 25;
    const long long q = k / 4;
    const long long m = modulo(static_cast<double>(15 - p + k - q), 30);
    const long long n = modulo(static_cast<double>(4 + k - q), 7);
    const Gauss g = gauss(annee, m, n);
    // The two cases where 22 + d + e would pass the latest paschal full moon.
    if (g.d == 29 && g.e == 6)
        return {19, 4};
    if (g.d == 28 && g.e == 6 && modulo(11.0 * m + 11, 30) < 19)
        return {18, 4};
    return g.date();
}

} // namespace

QString nomMois(int mois) {
    return mois >= 1 && mois <= 12 ? nomsMois[mois].toString() : QString();
}

long long modulo(double nombre1, double nombre2) {
    // nearbyint rounds halves to even under the default rounding mode.
    const double n1 = std::nearbyint(nombre1);
    const double n2 = std::nearbyint(nombre2);
    if (!(std::fabs(n1) <= EntierMax) || !(std::fabs(n2) <= EntierMax) || n2 == 0)
        return 0;
    return static_cast<long long>(n1) % static_cast<long long>(n2);
}

bool EstAnBis(long long annee) {
    if (annee < AnneeMin)
        return false;
    return annee % 400 == 0 || (annee % 100 != 0 && annee % 4 == 0);
}

int CalculMois(long long annee, int mois) {
    if (annee < AnneeMin || mois < 1 || mois > 12)
        return 0;
    return mois == 2 && EstAnBis(annee) ? 29 : longueursMois[mois];
}

QString JourSemaine(const QDate& date) {
    if (!date.isValid() || date.year() < AnneeMin)
        return {};
    // QDate counts from Monday (1) to Sunday (7); the table from Sunday.
    return nomsJours[date.dayOfWeek() % 7 + 1].toString();
}

QDate premierDuMois(long long annee, int mois) {
    if (annee < AnneeMin || annee > std::numeric_limits<int>::max() || mois < 1 || mois > 12)
        return {};
    return QDate(static_cast<int>(annee), mois, 1);
}

int colonnePremierDuMois(long long annee, int mois) {
    const QDate premier = premierDuMois(annee, mois);
    return premier.isValid() ? premier.dayOfWeek() - 1 : -1;
}

QDate datePaques(long long annee) {
    if (annee < AnneeMin || annee > std::numeric_limits<int>::max())
        return {};
    const int y = static_cast<int>(annee);
    // The Gregorian reform took effect in October 1582.
    if (annee >= 1583) {
        const JourMois p = paquesGregorienne(annee);
        return QDate(y, p.mois, p.jour);
    }
    const JourMois p = gauss(annee, 15, 6).date();
    return QDate(y, p.mois, p.jour, QCalendar(QCalendar::System::Julian));
}

FetesMobiles fetesMobiles(long long annee) {
    FetesMobiles fetes;
    fetes.annee = annee;
    const QDate paques = datePaques(annee);
    if (!paques.isValid())
        return fetes;
    fetes.dates = {paques, paques.addDays(1), paques.addDays(39), paques.addDays(49),
                   paques.addDays(50)};
    return fetes;
}

QString FetesMobiles::texte(Fete fete) const {
    const QDate& date = dates[fete];
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QStringList FetesMobiles::lignesPaque() const {
    // Years up to 32 have always been handed over without feasts.
    if (!calculees() || annee <= 32)
        return QStringList(NombreFetes, QStringLiteral("0"));
    QStringList lignes;
    for (int f = 0; f < NombreFetes; ++f)
        lignes << texte(static_cast<Fete>(f));
    return lignes;
}

bool ecrirePaque(const FetesMobiles& fetes, const QString& dossier) {
    return plateforme::reecrire(QDir(dossier).filePath(NomFichierPaque.toString()),
                                fetes.lignesPaque());
}

FetesMobiles CalculPaque(long long annee, const QString& dossier, bool* ecrit) {
    const FetesMobiles fetes = fetesMobiles(annee);
    const bool ok = ecrirePaque(fetes, dossier);
    if (ecrit)
        *ecrit = ok;
    return fetes;
}

long long nombreEnTete(QStringView texte) {
    const QStringView t = texte.trimmed();
    qsizetype i = 0;
    bool negatif = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negatif = t[i++] == u'-';
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long n = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) {
        const int chiffre = t[i].unicode() - u'0';
        n = n > (kMax - chiffre) / 10 ? kMax : n * 10 + chiffre;
    }
    return negatif ? -n : n;
}

} // namespace regles
