#pragma once

// Where the picture windows hand a consultation over to the page window.

#include "calendrier/data/fichierstravail.h"

#include <functional>

class Programme;

namespace images {

// Starts the page window's continuation for `sortie`: TravailQuatre,
// TravailCinq, TravailSix or TravailSept, which show the page in the main
// frame. Every picture window hands over through here and nowhere else.
void passerALaComposition(Programme& programme, calendrier::Sortie sortie);

// For the windows' own tests: `passerALaComposition` calls `relais` instead
// (an empty function gives the page window back).
void remplacerComposition(std::function<void(Programme&, calendrier::Sortie)> relais);

} // namespace images
