#pragma once

// The previews a camera stores in its JPEG files beside the photo. Used by the
// picture loader only.

#include <QFile>
#include <QImage>
#include <QSize>

namespace plateforme::apercus {

// The smallest preview stored in the JPEG `fichier` (open, at its start: the
// EXIF thumbnail, or a Multi-Picture Format preview) that holds at least
// `voulue` pixels and shows the whole photo of size `photo` (same
// proportions), decoded at `voulue`. Sizes as stored, before any EXIF turn.
// Null when there is none.
QImage charger(QFile& fichier, QSize photo, QSize voulue);

} // namespace plateforme::apercus
