#pragma once

// Files made by the tests and the benchmarks, JPEGs as cameras write them among them.

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

// Whether `contenu` was written whole to `chemin`.
inline bool ecrire(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

inline QByteArray enJpeg(const QImage& image, int qualite = 85) {
    QByteArray octets;
    QBuffer tampon(&octets);
    return tampon.open(QIODevice::WriteOnly) && image.save(&tampon, "JPEG", qualite) ? octets : "";
}

// An APPn segment: marker, big-endian length, body.
inline QByteArray segmentJpeg(quint8 genre, const QByteArray& corps) {
    const qsizetype n = corps.size() + 2;
    return QByteArray("\xFF") + char(genre) + char(n >> 8) + char(n) + corps;
}

// Little-endian words of 32 bits.
inline QByteArray mots(std::initializer_list<quint32> valeurs) {
    QByteArray octets(4 * qsizetype(valeurs.size()), 0);
    qToLittleEndian<quint32>(valeurs.begin(), qsizetype(valeurs.size()), octets.data());
    return octets;
}

// `photo` (a JPEG) given an EXIF orientation (1 to 8), a thumbnail and a
// preview indexed by the Multi-Picture Format (JPEGs; either may be empty).
inline QByteArray photoAppareil(const QByteArray& photo, quint16 orientation,
                                const QByteArray& vignette, const QByteArray& apercu) {
    // TIFF directories: a 16-bit count, entries (16-bit tag and type, count,
    // value), the next one's offset; IFD1, the thumbnail's, right after IFD0.
    const QByteArray tiff("II*\0\x08\0\0\0", 8), un("\x01\0", 2), deux("\x02\0", 2);
    const quint32 ifd1 = vignette.isEmpty() ? 0 : 26, n = quint32(vignette.size());
    QByteArray exif = tiff + un + mots({3 << 16 | 0x0112, 1, orientation, ifd1});
    if (ifd1)
        exif += deux + mots({4 << 16 | 0x0201, 1, 56, 4 << 16 | 0x0202, 1, n, 0}) + vignette;
    // The MPF directory, then its index of two entries (flags, size, offset
    // from the TIFF header, 0): the preview comes 70 bytes on, past the photo.
    const QByteArray mpf = "MPF" + QByteArray(1, 0) + tiff + deux +
                           mots({4 << 16 | 0xB001, 1, 2, 7 << 16 | 0xB002, 32, 38, 0, 0x20030000,
                                 quint32(photo.size()), 0, 0, 0x00010002, quint32(apercu.size()),
                                 quint32(70 + photo.size() - 2), 0});
    const QByteArray app2 = apercu.isEmpty() ? "" : segmentJpeg(0xE2, mpf);
    return photo.left(2) + segmentJpeg(0xE1, QByteArray("Exif\0\0", 6) + exif) + app2 +
           photo.mid(2) + apercu;
}
