#pragma once

// Files made by the tests and the benchmarks, JPEG files as cameras write them
// among them: the photo, an EXIF block with its orientation and thumbnail, and
// a larger preview indexed by the Multi-Picture Format (MPF) after the photo.

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
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
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPEG", qualite);
    return octets;
}

// An APPn segment: marker, big-endian length, body.
inline QByteArray segmentJpeg(quint8 genre, const QByteArray& corps) {
    const qsizetype longueur = corps.size() + 2;
    return QByteArray("\xFF") + char(genre) + char(longueur >> 8) + char(longueur & 0xFF) + corps;
}

// A little-endian TIFF block whose first directory holds `entrees` (tag,
// type, count, value), followed by `suite` at offset `8 + 2 + 12n + 4`; the
// directory's next-directory field is `suivant`.
struct EntreeTiff {
    quint16 etiquette, type;
    quint32 nombre, valeur;
};
inline QByteArray tiff(const QList<EntreeTiff>& entrees, quint32 suivant, const QByteArray& suite) {
    QByteArray octets;
    QDataStream d(&octets, QIODevice::WriteOnly);
    d.setByteOrder(QDataStream::LittleEndian);
    d.writeRawData("II*\0", 4);
    d << quint32(8) << quint16(entrees.size());
    for (const EntreeTiff& e : entrees)
        d << e.etiquette << e.type << e.nombre << e.valeur;
    d << suivant;
    return octets + suite;
}
inline quint32 finRepertoire(int entrees) {
    return quint32(8 + 2 + 12 * entrees + 4);
}

// `photo` (a JPEG) given an EXIF orientation (1 to 8), a thumbnail and an MPF
// preview (JPEGs; either may be empty).
inline QByteArray photoAppareil(const QByteArray& photo, quint16 orientation,
                                const QByteArray& vignette, const QByteArray& apercu) {
    // IFD0: the orientation; IFD1 right after it: the thumbnail's place.
    QByteArray ifd1;
    if (!vignette.isEmpty()) {
        QDataStream d(&ifd1, QIODevice::WriteOnly);
        d.setByteOrder(QDataStream::LittleEndian);
        const quint32 debutVignette = finRepertoire(1) + 2 + 2 * 12 + 4;
        d << quint16(2) << quint16(0x0201) << quint16(4) << quint32(1) << debutVignette
          << quint16(0x0202) << quint16(4) << quint32(1) << quint32(vignette.size()) << quint32(0);
        ifd1 += vignette;
    }
    const QByteArray exif =
        tiff({{0x0112, 3, 1, orientation}}, vignette.isEmpty() ? 0 : finRepertoire(1), ifd1);
    const QByteArray app1 = segmentJpeg(0xE1, QByteArray("Exif\0\0", 6) + exif);

    QByteArray app2;
    if (!apercu.isEmpty()) {
        // The MPF block's size does not depend on the offsets written in it.
        const auto mpf = [&](quint32 debutApercu) {
            QByteArray index;
            QDataStream d(&index, QIODevice::WriteOnly);
            d.setByteOrder(QDataStream::LittleEndian);
            d << quint32(0x20030000) << quint32(photo.size()) << quint32(0) << quint32(0)
              << quint32(0x00010002) << quint32(apercu.size()) << debutApercu << quint32(0);
            return segmentJpeg(
                0xE2, QByteArray("MPF\0", 4) +
                          tiff({{0xB001, 4, 1, 2}, {0xB002, 7, 32, finRepertoire(2)}}, 0, index));
        };
        const qint64 origineMpf = 2 + app1.size() + 4 + 4;
        const qint64 positionApercu = 2 + app1.size() + mpf(0).size() + photo.size() - 2;
        app2 = mpf(quint32(positionApercu - origineMpf));
    }
    return photo.left(2) + app1 + app2 + photo.mid(2) + apercu;
}
