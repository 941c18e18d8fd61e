#pragma once

// Where the picture windows hand a consultation over to the page window.

#include "calendrier/data/fichierstravail.h"

#include <QList>

class Programme;

namespace images {

// Starts the page window's continuation for `sortie`: TravailQuatre,
// TravailCinq, TravailSix or TravailSept. Every picture window hands over
// through here and nowhere else.
void passerALaComposition(Programme& programme, calendrier::Sortie sortie);

// The continuations asked for so far in this run, oldest first.
QList<calendrier::Sortie> compositionsDemandees();
void oublierCompositions();

} // namespace images
