#pragma once

// The language the installer and the uninstaller speak, kept in one file that
// both read, and the places of their settings files.

#include <QString>

namespace installation {

enum class Langue { Francais, Anglais };

// $XDG_CONFIG_HOME/quivex (by default ~/.config/quivex).
QString dossierReglages();
QString cheminLangue(); // Langue.dat
QString cheminForme();  // form.ser, the installer's window shape

inline const QString kFrancais = QStringLiteral("Français");
inline const QString kEnglish = QStringLiteral("English");

bool langueChoisie();
// "Français" exactly selects French; any other text, or a file that cannot be
// read, English.
Langue lireLangue();
// Creates or replaces the file with the text as its one line; false when the
// file does not hold it afterwards.
bool ecrireLangue(const QString& texte);

// A text given in both languages.
struct Bilingue {
    QString francais;
    QString anglais;
    QString en(Langue l) const { return l == Langue::Francais ? francais : anglais; }
};

} // namespace installation
