#pragma once

// Windows metafiles, played by libwmf. Used by the picture loader only.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace plateforme::wmf {

// The metafile's first bytes carry its signature: the placeable header's key,
// or the standard header of a memory or disk metafile.
bool estMetafichier(const QByteArray& debut);

// The size of the picture at 96 dots an inch; invalid when the metafile
// cannot be read.
QSize taille(const QByteArray& contenu);

// Plays the metafile into a picture of `voulue` pixels (its own size when
// invalid); transparent where nothing is drawn. Null when the metafile cannot
// be read or the picture would exceed `limiteOctets`.
QImage rendre(const QByteArray& contenu, QSize voulue, qint64 limiteOctets);

} // namespace plateforme::wmf
