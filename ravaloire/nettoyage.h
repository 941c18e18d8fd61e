#pragma once

// The second phase's removal: what the suite put in the install folder, its
// program group, its menu files and its start-up entry, never what the family
// made with it (the anniversaries, the fêtes, the saved calendars, the
// printed PDFs) nor anything else the folder holds.

#include "ravaloire/cible.h"

#include <QStringList>

namespace ravaloire {

// The files `calendrier` writes beside itself while it works.
inline const QStringList kFichiersTravail = {
    u"Annee.ser"_qs, u"LireCalend.ser"_qs, u"Fichier.ser"_qs,  u"Sauve"_qs,
    u"Lire.ser"_qs,  u"Paque.ser"_qs,      u"Compteur.ser"_qs, u"Modif.ser"_qs};
// Its saved calendars' folder, where its print captures (*.tmp) also go.
inline const QString kSaveCalend = QStringLiteral("SaveCalend");

struct Bilan {
    // What should have gone and is still there, with the system's reason.
    QStringList restes;
    // What is left in the install folder that is not the suite's.
    QStringList gardes;
    bool complet() const { return restes.isEmpty(); }
};

// Removes the suite. What lets a later run finish the job (the uninstaller
// `programme`, its runtime, the list and the marker last) goes only once
// everything else has gone.
Bilan retirerInstallation(const Cible& cible, const QString& programme);

// The language file and the shape files of the installer and the
// uninstaller, then their folder if it is left empty.
void retirerReglages();

// The shape file of the uninstaller's main window, beside the installer's.
QString cheminFormeDesinstalleur();

} // namespace ravaloire
