#pragma once

// The shape of the installer's and the uninstaller's main windows: a
// borderless rounded rectangle read from a shape file, and the topmost layer.

#include <QString>

class QWidget;

namespace installation {

// Corner ellipse width and height, window width and height, in pixels.
struct Forme {
    double largeurCoin = 0;
    double hauteurCoin = 0;
    int largeur = 0;
    int hauteur = 0;
};

inline constexpr Forme kFormeInstalleur{60, 60, 641, 455};
inline constexpr Forme kFormeDesinstalleur{200, 200, 550, 300};

// A number as a number field: a blank, the digits, a blank.
QString champNombre(long long nombre);

// Writes the four numbers, one a line, as number fields; false when the file
// does not hold them afterwards.
bool ecrireForme(const QString& chemin, const Forme& forme);

// Sizes the window as the shape file says and gives it the rounded rectangle
// as its mask: outside it, the window is neither drawn nor clickable. A file
// without four positive sizes leaves the window as it is; false then.
bool FormeFenetre(QWidget& fenetre, const QString& fichierForme);

// Puts the window in the topmost layer, or takes it out, where it stands and
// without activating it, and shows it.
bool PremierPlan(QWidget& fenetre, bool dessus = true);

} // namespace installation
