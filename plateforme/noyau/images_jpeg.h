#pragma once

// Small views of large JPEG photos, read straight from the low frequencies of
// their blocks. Used by the picture loader only.

#include <QByteArrayView>
#include <QImage>

namespace plateforme::jpeg {

// The JPEG `fichier` decoded at `huitiemes` eighths of its size (1 or 2),
// rounded up, as stored (no EXIF turn). Every byte of the entropy-coded data
// must still be read, so that reading is shared among the processor's cores:
// each starts at its own place in the data, and each guessed start is checked
// against the decoding that reaches it from before.
//
// With restart markers, each core reads a run of whole intervals instead.
//
// Null when the file is not one this reads: only 8-bit baseline Huffman files
// with one interleaved scan, grey or YCbCr (the luma at full resolution, both
// chromas alike) are: what cameras and image programs write. The general
// decoder reads the others, and damaged files. Nothing either beyond 64
// megapixels, which the general loader refuses too.
//
// `partage`: how many shares the data is cut into; 0 (the default) gives one per
// core, each of at least 256 KB.
QImage reduire(QByteArrayView fichier, int huitiemes, int partage = 0);

} // namespace plateforme::jpeg
