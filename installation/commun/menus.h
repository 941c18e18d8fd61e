#pragma once

// Where the program group of shortcuts lives, for the installer that makes it
// and the uninstaller that removes it. A group is a folder of desktop entries
// under the menu's Quivex folder; a menu file and a directory file make it a
// submenu of Quivex on the desktops that read menus.

#include <QString>

namespace installation {

// The Start menu's programs folder: $XDG_DATA_HOME/applications.
QString dossierProgrammesMenu();
// The Startup folder: $XDG_CONFIG_HOME/autostart.
QString dossierDemarrage();
// <programs folder>/Quivex, and a group's folder in it.
QString dossierQuivexMenu();
QString dossierGroupe(const QString& groupe);

// $XDG_CONFIG_HOME/menus/applications-merged/quivex-<group>.menu
QString fichierMenuGroupe(const QString& groupe);
// $XDG_DATA_HOME/desktop-directories/quivex.directory and quivex-<group>.directory
QString fichierRepertoireQuivex();
QString fichierRepertoireGroupe(const QString& groupe);

// The identifier a desktop knows an entry by: its path below the programs
// folder, with '-' for '/'.
QString identifiantBureau(const QString& fichierEntree);

} // namespace installation
