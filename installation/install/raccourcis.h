#pragma once

// Shortcuts are desktop entries (freedesktop .desktop files); a program group
// is their folder under the menu's Quivex folder, made a submenu by a menu
// file and its directory entries.

#include "installation/commun/copie.h"

#include <QStringList>

namespace installation {

// A value of string type in a desktop entry, escaped.
QString valeurChaine(const QString& valeur);
// One argument of an Exec line, quoted where the desktop-entry rules ask it
// and with '%' doubled, before the value itself is escaped.
QString argumentExec(const QString& argument);

// Writes the shortcut file `Cible` (its name, without ".desktop", is the
// shortcut's name): it starts `NomComp` in `RepTrav`, shown with `icone`.
Echec IconeEcrire(const QString& Cible, const QString& NomComp, const QString& icone,
                  const QString& RepTrav);

// Writes the directory entries of Quivex and of the group, and the group's
// menu file, which lists the given shortcut files.
Echec ecrireMenu(const QString& groupe, const QStringList& raccourcis);

} // namespace installation
