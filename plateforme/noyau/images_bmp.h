#pragma once

// Large uncompressed BMP pictures (the captured pages of a saved calendar)
// shown small: only the rows and pixels the small picture needs are read.
// Used by the picture loader only.

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <optional>

namespace plateforme::bmp {

// The header of a BMP this reads: uncompressed, 24 or 32 bits a pixel (what
// captures write); the general decoder reads the others.
struct Entete {
    QSize taille;
    qint64 debut = 0;      // where the pixels start
    qint64 pas = 0;        // bytes a row
    int octets = 0;        // bytes a pixel
    bool basEnHaut = true; // rows stored from the bottom up
};
// The header from the file's first bytes (54 are enough); nothing when the
// file is not such a BMP.
std::optional<Entete> lireEntete(QByteArrayView debut);

// The BMP `fichier` decoded at `taille`, stretched to it, each pixel the mean
// of two samples across (and two down where it shrinks less than threefold)
// spread over the pixels it covers. Null when it is
// not a BMP this reads, when the file is cut short (the general decoder says
// what it can of those) or when `taille` is no smaller than the picture.
QImage reduire(QByteArrayView fichier, QSize taille);

} // namespace plateforme::bmp
