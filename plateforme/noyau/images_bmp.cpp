#include "plateforme/noyau/images_bmp.h"

#include <QList>
#include <algorithm>
#include <cstdlib>

namespace plateforme::bmp {

namespace {

quint32 lire32(const uchar* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
}
quint16 lire16(const uchar* p) {
    return quint16(p[0] | (p[1] << 8));
}

// Beyond this a side is no picture worth reading here.
constexpr qint64 kCoteMax = 1 << 16;

// Where `s` samples of each of `n` small pixels fall among `source` pixels,
// spread evenly over what each small pixel covers.
QList<qint64> echantillons(int n, int s, qint64 source) {
    QList<qint64> positions(qsizetype(n) * s);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < s; ++k)
            positions[qsizetype(i) * s + k] =
                std::min<qint64>(source - 1, qint64((i + (k + 0.5) / s) * source / n));
    return positions;
}

} // namespace

std::optional<Entete> lireEntete(QByteArrayView debut) {
    const auto* o = reinterpret_cast<const uchar*>(debut.data());
    if (debut.size() < 54 || o[0] != 'B' || o[1] != 'M')
        return {};
    const qint64 largeur = qint32(lire32(o + 18));
    const qint64 hauteur = qint32(lire32(o + 22));
    const int bits = lire16(o + 28);
    // BITMAPINFOHEADER or one of its successors, one plane, no compression.
    if (lire32(o + 14) < 40 || lire16(o + 26) != 1 || (bits != 24 && bits != 32) ||
        lire32(o + 30) != 0 || largeur <= 0 || hauteur == 0 || largeur > kCoteMax ||
        std::abs(hauteur) > kCoteMax || lire32(o + 10) < 54)
        return {};
    return Entete{.taille = QSize(int(largeur), int(std::abs(hauteur))),
                  .debut = lire32(o + 10),
                  .pas = (largeur * bits + 31) / 32 * 4,
                  .octets = bits / 8,
                  .basEnHaut = hauteur > 0};
}

QImage reduire(QByteArrayView fichier, QSize taille) {
    const std::optional<Entete> entete = lireEntete(fichier);
    if (!entete || taille.isEmpty() || entete->taille == taille ||
        taille.width() > entete->taille.width() || taille.height() > entete->taille.height())
        return {};
    const qint64 largeur = entete->taille.width(), hauteur = entete->taille.height();
    const qint64 pas = entete->pas;
    if (entete->debut + pas * hauteur > fichier.size())
        return {};
    QImage image(taille, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // Two samples across wherever the picture shrinks, or it would lose
    // columns; two down only where it shrinks less than threefold: a second
    // row read doubles what a thumbnail costs, for little it would show.
    const int sx = largeur > taille.width() ? 2 : 1;
    const int sy = hauteur > taille.height() && hauteur < 3 * taille.height() ? 2 : 1;
    QList<qint64> colonnes = echantillons(taille.width(), sx, largeur);
    for (qint64& c : colonnes)
        c *= entete->octets;
    QList<const uchar*> lignes = {};
    const auto* pixels = reinterpret_cast<const uchar*>(fichier.data()) + entete->debut;
    for (const qint64 r : echantillons(taille.height(), sy, hauteur))
        // Rows are stored from the bottom up unless the height is negative.
        lignes << pixels + pas * (entete->basEnHaut ? hauteur - 1 - r : r);
    const auto echantillonner = [&]<int SX, int SY>() {
        for (int y = 0; y < taille.height(); ++y) {
            auto* sortie = reinterpret_cast<QRgb*>(image.scanLine(y));
            const uchar* const* rangees = lignes.constData() + qsizetype(y) * SY;
            for (int x = 0; x < taille.width(); ++x) {
                const qint64* c = colonnes.constData() + qsizetype(x) * SX;
                int b = 0, v = 0, r = 0;
                for (int k = 0; k < SY; ++k)
                    for (int j = 0; j < SX; ++j) {
                        const uchar* p = rangees[k] + c[j];
                        b += p[0];
                        v += p[1];
                        r += p[2];
                    }
                // The mean of 1, 2 or 4 samples.
                constexpr int decalage = (SX - 1) + (SY - 1);
                sortie[x] = qRgb(r >> decalage, v >> decalage, b >> decalage);
            }
        }
    };
    if (sx == 2 && sy == 2)
        echantillonner.operator()<2, 2>();
    else if (sx == 2)
        echantillonner.operator()<2, 1>();
    else if (sy == 2)
        echantillonner.operator()<1, 2>();
    else
        echantillonner.operator()<1, 1>();
    return image;
}

} // namespace plateforme::bmp
