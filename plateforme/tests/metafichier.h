#pragma once

// Windows metafiles written by the tests themselves, record by record.

#include "plateforme/tests/photoappareil.h"

#include <functional>
#include <numeric>

// A record: its function number, then its parameters as the file holds them.
using Enregistrement = QList<qint16>;

struct Metafichier {
    using E = Enregistrement;
    // 200 x 100 units at 96 an inch, no outlines: a red (220, 30, 30) rectangle
    // or `gauche` on the left half, a blue (30, 30, 220) ellipse on the right
    // (window, null pen, brush 0x00BBGGRR as object 1, left half, brush, ellipse).
    static Metafichier exemple(const E& gauche = {0x041B, 100, 100, 0, 0}) {
        Metafichier m;
        m.enregistrements << E{0x020B, 0, 0} << E{0x020C, 100, 200} << E{0x02FA, 5, 0, 0, 0, 0}
                          << E{0x012D, 0} << E{0x02FC, 0, 0x1EDC, 0x1E, 0} << E{0x012D, 1} << gauche
                          << E{0x01F0, 1} << E{0x02FC, 0, 0x1E1E, 0xDC, 0} << E{0x012D, 1}
                          << E{0x0418, 100, 200, 0, 100} << E{0};
        return m;
    }

    // A StretchDIB record drawing the left half red from a 24-bit one-pixel bitmap
    // whose header may claim another size, or more pixels (SRCCOPY, RGB, rectangles
    // as height, width, y, x, 32-bit header fields, the pixel blue green red).
    static E bitmapRouge(qint16 entete = 40, QSize pixels = {1, 1}) {
        const qint16 w = qint16(pixels.width()), h = qint16(pixels.height());
        return E{0x0F43, 0x20, 0xCC, 0, h, w, 0, 0, 100, 100, 0, 0, entete, 0, w, 0, h, 0, 1, 24} +
               E(12, 0) + E{30 << 8 | 30, 220};
    }
    QList<E> enregistrements;
    // The placeable header's frame, in units of 1/96 inch unless `parPouce`.
    qint16 largeur = 200, hauteur = 100, parPouce = 96;
    // The largest record, in words, the header announces; 0: the true one.
    quint32 plusGrand = 0;

    QByteArray octets(bool placeable = true) const {
        // 32-bit fields, low word first; a record's size counts its size and function.
        const auto long_ = [](quint32 v) { return E{qint16(v), qint16(v >> 16)}; };
        E corps;
        quint32 plusLong = 0;
        for (const E& e : enregistrements) {
            corps << long_(quint32(e.size() + 2)) << e;
            plusLong = qMax(plusLong, quint32(e.size() + 2));
        }
        // The placeable header ends with the XOR of its ten words.
        E mots{qint16(0xCDD7), qint16(0x9AC6), 0, 0, 0, largeur, hauteur, parPouce, 0, 0};
        mots << std::accumulate(mots.begin(), mots.end(), qint16(0), std::bit_xor<qint16>());
        // A header of 9 words, Windows 3, two objects at most.
        mots = (placeable ? mots : E()) << 2 << 9 << 0x0300 << long_(9 + corps.size()) << 2
                                        << long_(plusGrand ? plusGrand : plusLong) << 0 << corps;
        QByteArray fichier(2 * mots.size(), 0);
        qToLittleEndian<qint16>(mots.constData(), mots.size(), fichier.data());
        return fichier;
    }
};
