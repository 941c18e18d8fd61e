#pragma once

// Pictures: every picture file of the suite is read through this one loader,
// which needs no window (picture boxes are in plateforme/fenetres/boiteimage.h).
// Only regular files are opened (links followed), and nothing blocks: a FIFO,
// a device or a folder named like a picture is no picture.

#include <QImage>
#include <QSize>
#include <QString>

namespace plateforme {

// The most memory one decoded picture may take, in megabytes. A 24-megapixel
// photo decoded whole takes 96; beyond this limit a file is refused rather
// than allowed to exhaust memory.
inline constexpr int kLimiteAllocationMo = 256;

// The size of the picture as shown (EXIF orientation applied; a metafile at
// 96 dots an inch), without decoding it (a metafile is played, bounded, so
// that one that cannot play has no size); invalid when the file is not a
// readable picture.
QSize tailleImage(const QString& chemin);

// What a picture file holds, without decoding it.
struct Source {
    QSize taille; // as tailleImage gives it
    // Drawn rather than stored as pixels (a Windows metafile): sharp at any size.
    bool vectoriel = false;
};
Source examinerImage(const QString& chemin);

// Decodes a picture, upright (EXIF orientation applied). With a valid `taille`
// the picture is decoded straight at that size, stretched to it: JPEG decodes
// at a reduced scale, so a large photo shown small is read fast and small (a
// screen-sized decode uses the preview a camera stored in the file when that
// holds enough pixels), and a Windows metafile (known by its content, whatever
// its name) is drawn at that size. A null image when the file is missing, is
// not a picture, is damaged or is too large.
QImage chargerImage(const QString& chemin, QSize taille = {});

// A quick first view of a picture shown at `taille`: as chargerImage, except
// that a large JPEG may be read at the eighth of its size nearest below
// `taille` (at least 70 % of it on each side) and is then returned as read,
// not stretched: in half the time of the eighth above.
QImage chargerApercu(const QString& chemin, QSize taille);

// Decodes a picture for drawing scaled afterwards: at the smallest of its own
// size, its half, quarter or eighth that still covers `taille`, which JPEG
// reduces to while decoding, for a fraction of a full decode, and with the
// decoder's fast path (its small losses vanish in the scaling that follows).
// A Windows metafile is drawn at `taille`. A null image as for chargerImage.
QImage chargerImageAuMoins(const QString& chemin, QSize taille);

} // namespace plateforme
