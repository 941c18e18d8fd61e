#pragma once

// A small baseline JPEG writer for the tests: the layouts Qt's writer does not
// offer (any sampling of the luma, restart intervals). Its quantisation and
// Huffman tables are the usual ones, taken from a file Qt writes.

#include "plateforme/tests/photoappareil.h"

#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <array>
#include <bit>
#include <cmath>
#include <initializer_list>
#include <map>
#include <numbers>

struct OptionsJpeg {
    int h = 2; // the luma's sampling; the chromas are 1 x 1
    int v = 2;
    bool gris = false;
    int intervalle = 0; // MCUs between restart markers; 0: none
};

namespace ecrivainjpeg {

inline constexpr std::array<int, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The tables of a colour file Qt writes: its DQT and DHT segments as they
// stand, the quantisers (natural order) and the Huffman codes (symbol -> code,
// length) of DC luma, AC luma, DC chroma, AC chroma.
struct Tables {
    QByteArray segments;
    std::array<std::array<int, 64>, 2> q{};
    std::array<std::map<int, std::pair<int, int>>, 4> codes;
};

inline Tables tablesUsuelles() {
    const QByteArray octets = enJpeg(QImage(16, 16, QImage::Format_RGB32), 90);
    const auto* d = reinterpret_cast<const quint8*>(octets.constData());
    Tables t;
    for (qsizetype i = 2; d[i + 1] != 0xDA;) {
        const int marqueur = d[i + 1], fin = i + 2 + qFromBigEndian<quint16>(d + i + 2);
        if (marqueur == 0xDB || marqueur == 0xC4)
            t.segments += octets.mid(i, fin - i);
        for (int j = i + 4; marqueur == 0xDB && j < fin; j += 65)
            for (int k = 0; k < 64; ++k)
                t.q[d[j] & 1][kZigzag[k]] = d[j + 1 + k];
        for (int j = i + 4; marqueur == 0xC4 && j < fin;) {
            auto& codes = t.codes[(d[j] & 15) * 2 + (d[j] >> 4)];
            const quint8* symbole = d + j + 17;
            for (int longueur = 1, code = 0; longueur <= 16; ++longueur, code <<= 1)
                for (int n = 0; n < d[j + longueur]; ++n)
                    codes[*symbole++] = {code++, longueur};
            j = int(symbole - d);
        }
        i = fin;
    }
    return t;
}

} // namespace ecrivainjpeg

inline QByteArray ecrireJpeg(const QImage& source, const OptionsJpeg& o) {
    using namespace ecrivainjpeg;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), hauteur = image.height();
    const int nombre = o.gris ? 1 : 3;
    const int h = o.gris ? 1 : o.h, v = o.gris ? 1 : o.v;
    const Tables tables = tablesUsuelles();

    // The three planes at full size, edges repeated beyond the picture.
    const auto echantillon = [&](int c, int x, int y) {
        static constexpr double kYCbCr[3][3] = {
            {0.299, 0.587, 0.114}, {-0.168736, -0.331264, 0.5}, {0.5, -0.418688, -0.081312}};
        const QRgb p = image.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, hauteur - 1));
        return kYCbCr[c][0] * qRed(p) + kYCbCr[c][1] * qGreen(p) + kYCbCr[c][2] * qBlue(p) +
               (c ? 128 : 0);
    };
    std::array<std::array<double, 8>, 8> cosinus{};
    for (int x = 0; x < 8; ++x)
        for (int u = 0; u < 8; ++u)
            cosinus[x][u] = (u ? 1.0 : std::numbers::sqrt2 / 2) / 2 *
                            std::cos((2 * x + 1) * u * std::numbers::pi / 16);

    // The entropy-coded data: bits, a 0x00 stuffed after every byte 0xFF.
    QByteArray donnees;
    int octet = 0, nbits = 0;
    const auto ecrire = [&](int valeur, int longueur) {
        for (int b = longueur - 1; b >= 0; --b) {
            octet = octet << 1 | ((valeur >> b) & 1);
            if (++nbits < 8)
                continue;
            donnees += char(octet);
            if (octet == 0xFF)
                donnees += char(0);
            octet = nbits = 0;
        }
    };
    // Pads the last byte with ones.
    const auto aligner = [&] {
        while (nbits)
            ecrire(1, 1);
    };
    std::array<int, 3> predit{};
    const auto coder = [&](int table, int symbole, int valeur) {
        const auto [code, longueur] = tables.codes[table].at(symbole);
        ecrire(code, longueur);
        const int n = std::bit_width(unsigned(std::abs(valeur)));
        ecrire(valeur < 0 ? valeur + (1 << n) - 1 : valeur, n);
    };
    // One block whose sample (x, y) covers f x g pixels from (x0, y0).
    const auto bloc = [&](int c, int x0, int y0, int f, int g) {
        std::array<double, 64> p{}, lignes{};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                for (int j = 0; j < g; ++j)
                    for (int i = 0; i < f; ++i)
                        p[y * 8 + x] += echantillon(c, x0 + x * f + i, y0 + y * g + j);
                p[y * 8 + x] = p[y * 8 + x] / (f * g) - 128;
            }
        // The DCT, rows then columns.
        for (int y = 0; y < 8; ++y)
            for (int u = 0; u < 8; ++u)
                for (int x = 0; x < 8; ++x)
                    lignes[y * 8 + u] += p[y * 8 + x] * cosinus[x][u];
        std::array<int, 64> zz{};
        for (int k = 0; k < 64; ++k) {
            const int naturel = kZigzag[k];
            double s = 0;
            for (int y = 0; y < 8; ++y)
                s += lignes[y * 8 + naturel % 8] * cosinus[y][naturel / 8];
            zz[k] = int(std::lround(s / tables.q[c ? 1 : 0][naturel]));
        }
        const int difference = zz[0] - predit[c];
        predit[c] = zz[0];
        coder(c ? 2 : 0, std::bit_width(unsigned(std::abs(difference))), difference);
        int zeros = 0;
        for (int k = 1; k < 64; ++k, ++zeros) {
            if (!zz[k])
                continue;
            for (; zeros >= 16; zeros -= 16)
                coder(c ? 3 : 1, 0xF0, 0);
            coder(c ? 3 : 1, zeros << 4 | std::bit_width(unsigned(std::abs(zz[k]))), zz[k]);
            zeros = -1;
        }
        if (zeros)
            coder(c ? 3 : 1, 0x00, 0);
    };

    const int mcusX = (w + 8 * h - 1) / (8 * h), mcusY = (hauteur + 8 * v - 1) / (8 * v);
    for (int n = 0; n < mcusX * mcusY; ++n) {
        if (o.intervalle && n && n % o.intervalle == 0) {
            aligner();
            donnees += char(0xFF);
            donnees += char(0xD0 + (n / o.intervalle - 1) % 8);
            predit = {};
        }
        const int x0 = n % mcusX * 8 * h, y0 = n / mcusX * 8 * v;
        for (int by = 0; by < v; ++by)
            for (int bx = 0; bx < h; ++bx)
                bloc(0, x0 + bx * 8, y0 + by * 8, 1, 1);
        for (int c = 1; c < nombre; ++c)
            bloc(c, x0, y0, h, v);
    }
    aligner();

    const auto octets = [](std::initializer_list<int> liste) {
        QByteArray o;
        for (int x : liste)
            o += char(x);
        return o;
    };
    // 8 bits; the components 1, 2, 3, all but the luma of one sample a block.
    QByteArray sof = octets({8, hauteur >> 8, hauteur, w >> 8, w, nombre}), sos(1, char(nombre));
    for (int c = 0; c < nombre; ++c) {
        sof += octets({c + 1, c ? 0x11 : (h << 4 | v), c ? 1 : 0});
        sos += octets({c + 1, c ? 0x11 : 0x00});
    }
    sos += octets({0, 63, 0});
    const QByteArray dri = octets({o.intervalle >> 8, o.intervalle});
    return QByteArray("\xFF\xD8", 2) + tables.segments + segmentJpeg(0xC0, sof) +
           (o.intervalle ? segmentJpeg(0xDD, dri) : QByteArray()) + segmentJpeg(0xDA, sos) +
           donnees + QByteArray("\xFF\xD9", 2);
}
