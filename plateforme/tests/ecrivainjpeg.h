#pragma once

// A small baseline JPEG writer for the tests: the layouts Qt's writer does not
// offer (any sampling of the luma, restart intervals). Qt's files bring the usual
// tables; here one flat quantiser, and Huffman codes of 8 bits equal to their symbols.

#include "plateforme/tests/photoappareil.h"

#include <array>
#include <bit>
#include <cmath>
#include <numbers>
#include <numeric>
#include <utility>

struct OptionsJpeg {
    int h = 2, v = 2;   // the luma's sampling; the chromas are 1 x 1
    int intervalle = 0; // MCUs between restart markers, under 256; 0: none
};

inline QByteArray ecrireJpeg(const QImage& image, const OptionsJpeg& o) {
    static constexpr std::array<int, 64> kZigzag = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    const int w = image.width(), hauteur = image.height(), h = o.h, v = o.v;
    // The planes at full size, centred on 0, edges repeated beyond the picture.
    const auto echantillon = [&](int c, int x, int y) {
        static constexpr double kYCbCr[3][3] = {
            {0.299, 0.587, 0.114}, {-0.168736, -0.331264, 0.5}, {0.5, -0.418688, -0.081312}};
        const QRgb p = image.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, hauteur - 1));
        return kYCbCr[c][0] * qRed(p) + kYCbCr[c][1] * qGreen(p) + kYCbCr[c][2] * qBlue(p) -
               (c ? 0 : 128);
    };
    std::array<double, 64> base{}; // the DCT's basis, base[x * 8 + u]
    for (int i = 0; i < 64; ++i)
        base[i] = (i % 8 ? 0.5 : 0.5 / std::numbers::sqrt2) *
                  std::cos((2 * (i / 8) + 1) * (i % 8) * std::numbers::pi / 16);
    // The entropy-coded data: bits, a 0x00 stuffed after every byte 0xFF.
    QByteArray donnees;
    quint64 bits = 0, nbits = 0;
    const auto ecrire = [&](int valeur, int longueur) {
        bits = bits << longueur | (valeur & ((1 << longueur) - 1));
        for (nbits += longueur; nbits >= 8; nbits -= 8) {
            donnees += char(bits >> (nbits - 8));
            if (donnees.back() == char(0xFF))
                donnees += char(0);
        }
    };
    // A run of zeros (16 at a time first) and a value: the symbol (run, bits),
    // then the bits, less one when negative.
    const auto coder = [&](int zeros, int valeur) {
        for (; zeros >= 16; zeros -= 16)
            ecrire(0xF0, 8);
        const int n = std::bit_width(unsigned(std::abs(valeur)));
        ecrire(zeros << 4 | n, 8);
        ecrire(valeur < 0 ? valeur - 1 : valeur, n);
    };
    std::array<int, 3> predit{};
    // One block whose sample (x, y) stands for f x g pixels from (x0, y0).
    const auto bloc = [&](int c, int x0, int y0, int f, int g) {
        std::array<double, 64> p{};
        for (int i = 0; i < 64; ++i)
            p[i] = echantillon(c, x0 + i % 8 * f, y0 + i / 8 * g);
        std::array<int, 64> zz{};
        for (int k = 0; k < 64; ++k) {
            double s = 0;
            for (int i = 0; i < 64; ++i)
                s += p[i] * base[i % 8 * 8 + kZigzag[k] % 8] * base[i / 8 * 8 + kZigzag[k] / 8];
            zz[k] = int(std::lround(s / 4)); // the flat quantiser
        }
        coder(0, zz[0] - std::exchange(predit[c], zz[0]));
        int zeros = 0;
        for (int k = 1; k < 64; ++k, ++zeros)
            if (zz[k])
                coder(std::exchange(zeros, -1), zz[k]);
        if (zeros)
            coder(0, 0);
    };
    const int mcusX = (w + 8 * h - 1) / (8 * h), mcusY = (hauteur + 8 * v - 1) / (8 * v);
    for (int n = 0; n < mcusX * mcusY; ++n) {
        if (o.intervalle && n && n % o.intervalle == 0) {
            ecrire(0xFF, (8 - nbits) % 8); // the last byte padded with ones
            donnees += QByteArray("\xFF") + char(0xD0 + (n / o.intervalle - 1) % 8);
            predit = {};
        }
        const int x0 = n % mcusX * 8 * h, y0 = n / mcusX * 8 * v;
        for (int b = 0; b < h * v; ++b)
            bloc(0, x0 + b % h * 8, y0 + b / h * 8, 1, 1);
        for (int c = 1; c < 3; ++c)
            bloc(c, x0, y0, h, v);
    }
    ecrire(0xFF, (8 - nbits) % 8);
    // Table 0 of each kind for every component, of 8-bit codes (16 counts by
    // length, then the symbols): DC symbols 0 to 11, AC ones 0 to 250.
    QByteArray dht;
    for (const int n : {12, 251}) {
        dht += char(n == 12 ? 0x00 : 0x10) + QByteArray(7, 0) + char(n) + QByteArray(8 + n, 0);
        std::iota(dht.end() - n, dht.end(), 0);
    }
    // 8 bits, its height and width; the components 1, 2, 3 (sampling, table).
    const QByteArray sof = QByteArray(1, 8) + char(hauteur >> 8) + char(hauteur) + char(w >> 8) +
                           char(w) + "\x03\x01" + char(h << 4 | v) +
                           QByteArray("\0\x02\x11\0\x03\x11\0", 7);
    return "\xFF\xD8" + segmentJpeg(0xDB, QByteArray(1, 0) + QByteArray(64, 4)) +
           segmentJpeg(0xC4, dht) + segmentJpeg(0xC0, sof) +
           (o.intervalle ? segmentJpeg(0xDD, QByteArray(1, 0) + char(o.intervalle)) : "") +
           segmentJpeg(0xDA, QByteArray("\x03\x01\0\x02\0\x03\0\0\x3F\0", 10)) + donnees +
           "\xFF\xD9";
}
