#pragma once

// Large uncompressed BMP pictures (the captured pages of a saved calendar)
// shown small: only the rows and pixels the small picture needs are read.
// Used by the picture loader only.

#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace plateforme::bmp {

// The BMP `fichier` decoded at `taille`, stretched to it, each pixel the mean
// of at most 2 x 2 samples spread over the pixels it covers. Null when the
// file is not one this reads: only whole, uncompressed 24- and 32-bit files
// are (what captures write), the general decoder reads the others and the
// damaged ones; and null when `taille` is no smaller than the picture.
QImage reduire(QByteArrayView fichier, QSize taille);

} // namespace plateforme::bmp
