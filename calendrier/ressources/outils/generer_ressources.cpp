// Makes the data files delivered with the program from their readable sources:
//   generer_ressources prenoms <prenoms.txt> <Prenoms>
//   generer_ressources couleurs <couleurs.txt> <Couleur>
// A source that is incomplete or holds a name the code page cannot carry
// stops the build with the line at fault.

#include "plateforme/noyau/fichiertexte.h"

#include <QColor>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace {

constexpr int kLongueurChamp = 20;

struct Mois {
    const char16_t* nom;
    int jours;
};
// Names as the first-name lookup compares them: lower case, no accents.
constexpr std::array<Mois, 12> kMois = {{{u"janvier", 31},
                                         {u"fevrier", 29},
                                         {u"mars", 31},
                                         {u"avril", 30},
                                         {u"mai", 31},
                                         {u"juin", 30},
                                         {u"juillet", 31},
                                         {u"aout", 31},
                                         {u"septembre", 30},
                                         {u"octobre", 31},
                                         {u"novembre", 30},
                                         {u"decembre", 31}}};

int erreur(const QString& texte) {
    std::fprintf(stderr, "generer_ressources: %s\n", qPrintable(texte));
    return 1;
}

// The source's meaningful lines, with their line numbers.
std::optional<std::vector<std::pair<int, QString>>> lignesSource(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    std::vector<std::pair<int, QString>> lignes;
    const QStringList toutes = QString::fromUtf8(f.readAll()).split(u'\n');
    for (int i = 0; i < toutes.size(); ++i) {
        const QString l = toutes[i].trimmed();
        if (!l.isEmpty() && !l.startsWith(u'#'))
            lignes.emplace_back(i + 1, l);
    }
    return lignes;
}

QByteArray champ(const QString& texte) {
    return plateforme::versCp1252(texte.leftJustified(kLongueurChamp, u' '));
}

int prenoms(const QString& source, const QString& sortie) {
    const auto lignes = lignesSource(source);
    if (!lignes)
        return erreur(u"cannot read "_qs + source);
    static const QRegularExpression forme(u"^(\\d{2})\\s+(\\S+)\\s+(\\S.*)$"_qs);
    std::map<std::pair<int, int>, QString> jours; // (month, day) -> name
    for (const auto& [numero, ligne] : *lignes) {
        const QString ou = source + u':' + QString::number(numero) + u": "_qs;
        const auto m = forme.match(ligne);
        if (!m.hasMatch())
            return erreur(ou + u"expected: day month name"_qs);
        const int jour = m.captured(1).toInt();
        int mois = 0;
        while (mois < 12 && m.captured(2) != QString::fromUtf16(kMois[mois].nom))
            ++mois;
        if (mois == 12)
            return erreur(ou + u"unknown month "_qs + m.captured(2));
        if (jour < 1 || jour > kMois[mois].jours)
            return erreur(ou + u"no such day"_qs);
        const QString nom = m.captured(3);
        if (nom.size() > kLongueurChamp)
            return erreur(ou + u"name longer than 20 characters"_qs);
        for (QChar c : nom)
            if (!plateforme::representableCp1252(c))
                return erreur(ou + u"character outside Windows-1252: "_qs + c);
        if (!jours.emplace(std::pair(mois, jour), nom).second)
            return erreur(ou + u"day given twice"_qs);
    }
    if (jours.size() != 366)
        return erreur(source + u": "_qs + QString::number(jours.size()) +
                      u" days instead of 366"_qs);

    QByteArray octets;
    for (const auto& [cle, nom] : jours) {
        const auto [mois, jour] = cle;
        octets += champ(nom);
        octets += champ(QString::number(jour).rightJustified(2, u'0') +
                        QString::fromUtf16(kMois[mois].nom));
    }
    QSaveFile f(sortie);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        return erreur(u"cannot write "_qs + sortie);
    return 0;
}

int couleurs(const QString& source, const QString& sortie) {
    const auto lignes = lignesSource(source);
    if (!lignes || lignes->size() != 7)
        return erreur(source + u": expected seven lines, Monday to Sunday"_qs);
    std::array<long long, 7> colonnes{};
    for (std::size_t i = 0; i < 7; ++i) {
        const auto& [numero, ligne] = (*lignes)[i];
        const QColor c = QColor::fromString(ligne.section(u' ', -1));
        if (!c.isValid())
            return erreur(source + u':' + QString::number(numero) + u": not a colour"_qs);
        colonnes[i] = c.red() + 256LL * c.green() + 65536LL * c.blue();
    }
    QStringList valeurs;
    for (int cellule = 0; cellule < 37; ++cellule)
        valeurs << QString::number(colonnes[cellule % 7]);
    if (!plateforme::reecrire(sortie, valeurs))
        return erreur(u"cannot write "_qs + sortie);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4)
        return erreur(u"usage: generer_ressources prenoms|couleurs <source> <sortie>"_qs);
    const QString genre = QString::fromLocal8Bit(argv[1]);
    const QString source = QString::fromLocal8Bit(argv[2]);
    const QString sortie = QString::fromLocal8Bit(argv[3]);
    if (genre == u"prenoms")
        return prenoms(source, sortie);
    if (genre == u"couleurs")
        return couleurs(source, sortie);
    return erreur(u"unknown kind "_qs + genre);
}
