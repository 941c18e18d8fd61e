#pragma once

// Windows metafiles written by the tests themselves, record by record.

#include "plateforme/tests/photoappareil.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QList>
#include <QRect>
#include <algorithm>
#include <optional>

// A record: its function number, then its parameters as the file holds them.
using Enregistrement = QList<qint16>;

class Metafichier {
public:
    // 200 x 100 units at 96 an inch: a red rectangle (220, 30, 30) on the left
    // half, a blue ellipse (30, 30, 220) filling the right half, no outlines.
    // With `gauche`, that record draws the left half instead of the rectangle.
    static Metafichier exemple(const Enregistrement& gauche = {}) {
        Metafichier m;
        m.ajouter({0x020B, 0, 0});          // window origin (y, x)
        m.ajouter({0x020C, 100, 200});      // window extent (height, width)
        m.ajouter({0x02FA, 5, 0, 0, 0, 0}); // null pen: object 0
        m.ajouter({0x012D, 0});             // selected
        m.brosse(0x001E1EDC);               // object 1
        if (!gauche.isEmpty())
            m.ajouter(gauche);
        else
            m.ajouter({0x041B, 100, 100, 0, 0}); // rectangle (bottom, right, top, left)
        m.ajouter({0x01F0, 1});                  // brush deleted
        m.brosse(0x00DC1E1E);                    // object 1 again
        m.ajouter({0x0418, 100, 200, 0, 100});   // ellipse
        m.ajouter({0x0000});                     // end of file
        return m;
    }

    // A StretchDIB record drawing the left half red, as a 24-bit bitmap of one
    // pixel whose header may claim another header size, or more pixels.
    static Enregistrement bitmapRouge(qint32 entete = 40, QSize pixels = {1, 1}) {
        const auto long_ = [](qint32 v) {
            return Enregistrement{qint16(v & 0xFFFF), qint16(quint32(v) >> 16)};
        };
        // Raster operation SRCCOPY, colours as RGB, source then destination
        // rectangles (height, width, y, x).
        Enregistrement e{0x0F43, 0x0020, 0x00CC, 0};
        e << qint16(pixels.height()) << qint16(pixels.width()) << 0 << 0 << 100 << 100 << 0 << 0;
        // BITMAPINFOHEADER: one plane, 24 bits, uncompressed, no palette.
        e << long_(entete) << long_(pixels.width()) << long_(pixels.height()) << 1 << 24;
        for (int champ = 0; champ < 6; ++champ)
            e << long_(0);
        // The pixel, blue green red, and the padding of its row.
        return e << qint16(30 << 8 | 30) << qint16(220);
    }

    void ajouter(const Enregistrement& e) { enregistrements_ << e; }
    // A solid brush of COLORREF `couleur` (0x00BBGGRR), made object 1 and selected.
    void brosse(quint32 couleur) {
        ajouter({0x02FC, 0, qint16(couleur & 0xFFFF), qint16(couleur >> 16), 0});
        ajouter({0x012D, 1});
    }
    // The placeable header's frame, in units of 1/96 inch unless `parPouce`.
    int largeur = 200, hauteur = 100, parPouce = 96;
    // The largest record, in words, the header announces (the true one unless set).
    std::optional<quint32> plusGrand;

    QByteArray octets(bool placeable = true) const {
        QByteArray fichier;
        QDataStream f(&fichier, QIODevice::WriteOnly);
        f.setByteOrder(QDataStream::LittleEndian);
        if (placeable) {
            const quint16 mots[] = {
                0xCDD7, 0x9AC6, 0, 0, 0, quint16(largeur), quint16(hauteur), quint16(parPouce),
                0,      0};
            quint16 somme = 0;
            for (quint16 m : mots) {
                f << m;
                somme ^= m;
            }
            f << somme;
        }
        quint32 total = 9, plusLong = 0;
        for (const Enregistrement& e : enregistrements_) {
            total += taille(e);
            plusLong = std::max(plusLong, taille(e));
        }
        // On disk, a header of 9 words, Windows 3, two objects at most.
        f << quint16(2) << quint16(9) << quint16(0x0300) << total << quint16(2)
          << plusGrand.value_or(plusLong) << quint16(0);
        for (const Enregistrement& e : enregistrements_) {
            f << taille(e) << quint16(e[0]);
            for (qsizetype i = 1; i < e.size(); ++i)
                f << e[i];
        }
        return fichier;
    }

private:
    // In words: the size and function fields, then the parameters.
    static quint32 taille(const Enregistrement& e) { return quint32(3 + e.size() - 1); }

    QList<Enregistrement> enregistrements_;
};
