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

QImage reduire(QByteArrayView fichier, QSize taille) {
    const auto* o = reinterpret_cast<const uchar*>(fichier.data());
    const qint64 n = fichier.size();
    if (n < 54 || o[0] != 'B' || o[1] != 'M' || taille.isEmpty())
        return {};
    const qint64 debut = lire32(o + 10);
    const qint64 largeur = qint32(lire32(o + 18));
    const qint64 hauteurSignee = qint32(lire32(o + 22));
    const int bits = lire16(o + 28);
    // Only BITMAPINFOHEADER and its successors, one plane, no compression.
    if (lire32(o + 14) < 40 || lire16(o + 26) != 1 || (bits != 24 && bits != 32) ||
        lire32(o + 30) != 0)
        return {};
    const qint64 hauteur = std::abs(hauteurSignee);
    if (largeur <= 0 || hauteur <= 0 || taille.width() > largeur || taille.height() > hauteur ||
        (taille.width() == largeur && taille.height() == hauteur))
        return {};
    const qint64 pas = (largeur * bits + 31) / 32 * 4;
    if (debut < 54 || debut + pas * hauteur > n)
        return {};
    QImage image(taille, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int l = taille.width(), h = taille.height();
    const int sx = int(std::clamp<qint64>(largeur / l, 1, 2));
    const int sy = int(std::clamp<qint64>(hauteur / h, 1, 2));
    const int octets = bits / 8;
    QList<qint64> colonnes = echantillons(l, sx, largeur);
    for (qint64& c : colonnes)
        c *= octets;
    const QList<qint64> rangees = echantillons(h, sy, hauteur);
    const int nombre = sx * sy;
    for (int y = 0; y < h; ++y) {
        const uchar* lignes[2];
        for (int k = 0; k < sy; ++k) {
            const qint64 r = rangees[qsizetype(y) * sy + k];
            // Rows are stored from the bottom up unless the height is negative.
            lignes[k] = o + debut + pas * (hauteurSignee > 0 ? hauteur - 1 - r : r);
        }
        auto* sortie = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < l; ++x) {
            int b = 0, v = 0, r = 0;
            for (int k = 0; k < sy; ++k)
                for (int j = 0; j < sx; ++j) {
                    const uchar* p = lignes[k] + colonnes[qsizetype(x) * sx + j];
                    b += p[0];
                    v += p[1];
                    r += p[2];
                }
            sortie[x] = qRgb(r / nombre, v / nombre, b / nombre);
        }
    }
    return image;
}

} // namespace plateforme::bmp
