#pragma once

// Windows metafiles, played by libwmf. Used by the picture loader only.
//
// libwmf trusts the metafile: a damaged one can make it loop without end or
// ask for gigabytes. It plays in a child process, bounded in time and memory:
// a metafile that runs over, crashes or fails is one that cannot be read.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace plateforme::wmf {

// The metafile's first bytes carry its signature: the placeable header's key,
// or the standard header of a memory or disk metafile.
bool estMetafichier(const QByteArray& debut);

// The size of the picture at 96 dots an inch; invalid when the metafile
// cannot be read. The metafile is played to know that (no larger than a
// screen shows it): one that fails to play has no size.
QSize taille(const QByteArray& contenu, qint64 limiteOctets);

// Plays the metafile into a picture of `voulue` pixels (its own size when
// invalid); transparent where nothing is drawn. Null when the metafile cannot
// be read or the picture would exceed `limiteOctets`, which also bounds the
// memory libwmf may take.
QImage rendre(const QByteArray& contenu, QSize voulue, qint64 limiteOctets);

} // namespace plateforme::wmf
