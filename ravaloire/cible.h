#pragma once

// What the uninstaller acts on, read from the marker file "Broxel.dll" the
// installer left, and checked before anything is copied or removed: only an
// install folder <drive root>/Quivex/<Name> that holds the marker, reached
// without a link, and a program group inside the menu's Quivex folder.

#include "installation/commun/langue.h"
#include "installation/commun/liste.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace ravaloire {

inline const QString kMarqueur = QStringLiteral("Broxel.dll");
inline const QString kListe = QStringLiteral("Lire.Pie");
// The phase value of the marker copied for the second phase.
inline constexpr int kPhaseDeux = 22;

// The marker's three lines: group name, install folder, phase value.
struct Marqueur {
    QString groupe;
    QString dossier;
    double phase = 0;
};
// Ignoring errors: a missing file gives empty lines and the phase 0. The name
// is looked up without regard to case ("BROXEL.DLL" in the second phase).
Marqueur lireMarqueur(const QString& dossier);

struct Cible {
    QString dossier; // <racine>/Quivex/<Name>, without a trailing '/'
    QString racine;
    QString groupe;
    // The files the copied list and the runtime table put in the folder, and
    // the shortcuts it made.
    installation::Plan plan;
    installation::ListeFichiers liste;
};

// The marker and the list "Lire.Pie" of `dossier` (the install folder, or the
// copy's folder in the second phase) checked against the drives; a refusal
// says why, in the language given, and that nothing was copied or removed.
std::variant<Cible, QString> verifier(const QString& dossier, const QStringList& lecteurs,
                                      installation::Langue langue);

} // namespace ravaloire
