#pragma once

// The installer's list file and what the copy will do from it, worked out and
// checked before anything is written.

#include "installation/commun/langue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace installation {

// A list line's two columns: its left and its right 60 characters, trimmed.
// For a line of exactly 120 characters these are its two fields; a shorter
// line gives the same text twice.
QString colonneGauche(const QString& ligne);
QString colonneDroite(const QString& ligne);

// Line 1 names the program; file lines follow up to the first line holding
// "[ICONE]"; the icon lines come after it.
struct ListeFichiers {
    QString nom;
    QStringList fichiers;
    QStringList icones;
};
// Nothing when the file is missing, cannot be read or is empty.
std::optional<ListeFichiers> lireListe(const QString& chemin);

// The program's folder under Quivex: the name's first character as written,
// the rest in lower case ("CALENDRIER" and "Calendrier" give "Calendrier").
QString dossierProgramme(const QString& nom);

// A path of the list file: its parts, separated by '\' as by '/'.
QStringList composants(const QString& chemin);
// A name that can stand as one file or folder name: not empty, without a
// separator, neither "." nor "..".
bool nomSur(const QString& nom);

struct Copie {
    QString source;
    QString cible;
};

struct Raccourci {
    QString nom;
    QString cible;
    QString dossierTravail;
    bool auDemarrage = false; // "ADRESSE" also starts with the session
};

struct Plan {
    QString destination; // <drive root>/Quivex/<program folder>
    QString groupe;
    // One round per file line and one more, as the copy loop reads one entry
    // past the last; a blank line copies nothing.
    QList<std::optional<Copie>> fichiers;
    QList<Copie> execution;
    QList<Raccourci> raccourcis;
};

// The work for installing `liste` from `source` onto the drive at `racine`,
// the runtime files `execution` included; or, when the list or the names
// would lead the copy or the marker outside a folder <root>/Quivex/<name>,
// the reason for refusing, in the language given.
std::variant<Plan, QString> planifier(const QString& racine, const QString& source,
                                      const ListeFichiers& liste, const QString& groupe,
                                      const QStringList& execution, Langue langue);

} // namespace installation
