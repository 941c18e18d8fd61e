#pragma once

// The pictures built into the program.

#include <QIcon>
#include <QImage>
#include <QString>

namespace ressources {

enum class Coin { BasGauche, BasDroite };

// The corner ornament of the month pages (261 x 251 pixels, transparent),
// turned for its corner.
QImage ornement(Coin coin);

// The toolbar's image list: image 1 to kImagesBarre (a null icon otherwise).
inline constexpr int kImagesBarre = 15;
QIcon imageBarre(int position);

// Pictures of the windows, as paths the picture loader opens.
QString cheminLogo();    // the splash's logo
QString cheminFond();    // the background behind the splash
QString cheminAccueil(); // the picture of the main screen

} // namespace ressources
