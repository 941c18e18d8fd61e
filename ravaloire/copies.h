#pragma once

// The first phase's copy: a program cannot remove the folder it runs from, so
// the uninstaller, its list and its runtime are copied into a private folder
// made for the run, with the marker for the second phase, and started there.

#include "installation/commun/copie.h"
#include "ravaloire/cible.h"

#include <QString>
#include <optional>

namespace ravaloire {

// $XDG_RUNTIME_DIR when it names a folder, else the system's temporary folder.
QString baseTemporaire();

// A new folder "ravaloire-XXXXXX" in it, only the user's (mode 0700), or
// nothing when none could be made.
std::optional<QString> creerDossierPrive();

// Copies the uninstaller `programme`, the install folder's list and the
// runtime table into `prive`, then writes its marker "BROXEL.DLL" (group,
// install folder, 22).
installation::Echec preparerCopie(const Cible& cible, const QString& programme,
                                  const QString& prive);

// Removes what a first phase put in the private folder `prive`, then the
// folder if that leaves it empty; and so for the private folders an earlier
// run left for the same install folder (a run stopped between its phases).
// `programme` is the uninstaller's file name.
void retirerCopies(const QString& prive, const QString& dossierInstalle, const QString& programme);

} // namespace ravaloire
