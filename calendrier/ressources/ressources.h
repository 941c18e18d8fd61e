#pragma once

// The pictures built into the program.

#include <QImage>

namespace ressources {

enum class Coin { BasGauche, BasDroite };

// The corner ornament of the month pages (261 x 251 pixels, transparent),
// turned for its corner.
QImage ornement(Coin coin);

} // namespace ressources
