#pragma once

// A small baseline JPEG writer for the tests: the layouts Qt's writer does not
// offer (any sampling of the luma, restart intervals). Its Huffman tables are
// the usual ones, taken from a file Qt writes.

#include "plateforme/tests/photoappareil.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QtEndian>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

struct OptionsJpeg {
    int h = 2; // the luma's sampling; the chromas are 1 x 1
    int v = 2;
    bool gris = false;
    int intervalle = 0; // MCUs between restart markers; 0: none
    int qualite = 90;
};

namespace ecrivainjpeg {

inline constexpr std::array<int, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The usual quantisation tables (natural order), scaled to a quality as
// image programs do.
inline std::array<int, 64> quantification(bool chroma, int qualite) {
    static constexpr std::array<int, 64> luma = {
        16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
        14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
        18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
        49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    std::array<int, 64> q{};
    const int echelle = qualite < 50 ? 5000 / qualite : 200 - 2 * qualite;
    for (int i = 0; i < 64; ++i) {
        const int ligne = i / 8, colonne = i % 8;
        int base = luma[i];
        if (chroma) {
            static constexpr std::array<int, 16> coin = {17, 18, 24, 47, 18, 21, 26, 66,
                                                         24, 26, 56, 99, 47, 66, 99, 99};
            base = ligne < 4 && colonne < 4 ? coin[ligne * 4 + colonne] : 99;
        }
        q[i] = std::clamp((base * echelle + 50) / 100, 1, 255);
    }
    return q;
}

struct Table {
    std::array<quint8, 16> nombres{};
    std::vector<quint8> symboles;
    std::map<int, std::pair<int, int>> codes; // symbol -> code, length
};

// The DHT tables of a file Qt writes: the usual ones.
inline std::array<Table, 4> tablesUsuelles() {
    const QByteArray octets = enJpeg(QImage(16, 16, QImage::Format_RGB32), 90);
    std::array<Table, 4> tables; // DC luma, AC luma, DC chroma, AC chroma
    const auto* d = reinterpret_cast<const quint8*>(octets.constData());
    for (qsizetype i = 2; i + 4 <= octets.size();) {
        const int marqueur = d[i + 1];
        const int longueur = qFromBigEndian<quint16>(d + i + 2);
        if (marqueur == 0xC4)
            for (int j = i + 4; j < i + 2 + longueur;) {
                const int classe = d[j] >> 4, id = d[j] & 15;
                Table& t = tables[size_t(id * 2 + classe)];
                int total = 0;
                for (int l = 0; l < 16; ++l)
                    total += t.nombres[size_t(l)] = d[j + 1 + l];
                t.symboles.assign(d + j + 17, d + j + 17 + total);
                int code = 0, k = 0;
                for (int l = 1; l <= 16; ++l, code <<= 1)
                    for (int n = 0; n < t.nombres[size_t(l - 1)]; ++n, ++code, ++k)
                        t.codes[t.symboles[size_t(k)]] = {code, l};
                j += 17 + total;
            }
        if (marqueur == 0xDA)
            break;
        i += 2 + longueur;
    }
    return tables;
}

class Bits {
public:
    void ecrire(int valeur, int longueur) {
        for (int b = longueur - 1; b >= 0; --b) {
            octet_ = octet_ << 1 | ((valeur >> b) & 1);
            if (++n_ == 8)
                vider();
        }
    }
    // Pads the last byte with ones.
    void aligner() {
        while (n_)
            ecrire(1, 1);
    }
    void marqueur(int m) {
        donnees += char(0xFF);
        donnees += char(m);
    }
    QByteArray donnees;

private:
    void vider() {
        donnees += char(octet_);
        if (octet_ == 0xFF)
            donnees += char(0);
        octet_ = 0;
        n_ = 0;
    }
    int octet_ = 0;
    int n_ = 0;
};

} // namespace ecrivainjpeg

inline QByteArray ecrireJpeg(const QImage& source, const OptionsJpeg& o) {
    using namespace ecrivainjpeg;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), hauteur = image.height();
    const int nombre = o.gris ? 1 : 3;
    const int h = o.gris ? 1 : o.h, v = o.gris ? 1 : o.v;
    const std::array<std::array<int, 64>, 2> q = {quantification(false, o.qualite),
                                                  quantification(true, o.qualite)};
    const std::array<Table, 4> tables = tablesUsuelles();

    // The three planes at full size, edges repeated beyond the picture.
    const auto echantillon = [&](int c, int x, int y) {
        const QRgb p = image.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, hauteur - 1));
        const double r = qRed(p), g = qGreen(p), b = qBlue(p);
        if (c == 0)
            return 0.299 * r + 0.587 * g + 0.114 * b;
        if (c == 1)
            return -0.168736 * r - 0.331264 * g + 0.5 * b + 128;
        return 0.5 * r - 0.418688 * g - 0.081312 * b + 128;
    };
    std::array<std::array<double, 8>, 8> cosinus{};
    for (int x = 0; x < 8; ++x)
        for (int u = 0; u < 8; ++u)
            cosinus[size_t(x)][size_t(u)] = (u ? 1.0 : std::numbers::sqrt2 / 2) / 2 *
                                            std::cos((2 * x + 1) * u * std::numbers::pi / 16);

    Bits bits;
    std::array<int, 3> predit{};
    // One block whose sample (x, y) covers f x g pixels from (x0, y0).
    const auto bloc = [&](int c, int x0, int y0, int f, int g) {
        std::array<double, 64> p{};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                double s = 0;
                for (int j = 0; j < g; ++j)
                    for (int i = 0; i < f; ++i)
                        s += echantillon(c, x0 + x * f + i, y0 + y * g + j);
                p[size_t(y * 8 + x)] = s / (f * g) - 128;
            }
        // The DCT, rows then columns.
        std::array<double, 64> lignes{};
        for (int y = 0; y < 8; ++y)
            for (int u = 0; u < 8; ++u)
                for (int x = 0; x < 8; ++x)
                    lignes[size_t(y * 8 + u)] +=
                        p[size_t(y * 8 + x)] * cosinus[size_t(x)][size_t(u)];
        std::array<int, 64> zz{};
        for (int k = 0; k < 64; ++k) {
            const int naturel = kZigzag[size_t(k)];
            const int vv = naturel / 8, u = naturel % 8;
            double s = 0;
            for (int y = 0; y < 8; ++y)
                s += lignes[size_t(y * 8 + u)] * cosinus[size_t(y)][size_t(vv)];
            zz[size_t(k)] = int(std::lround(s / q[c ? 1 : 0][size_t(naturel)]));
        }
        const Table& dc = tables[c ? 2 : 0];
        const Table& ac = tables[c ? 3 : 1];
        const auto categorie = [](int valeur) {
            int n = 0;
            for (int a = std::abs(valeur); a; a >>= 1)
                ++n;
            return n;
        };
        const auto coder = [&](const Table& t, int symbole, int valeur, int n) {
            const auto [code, longueur] = t.codes.at(symbole);
            bits.ecrire(code, longueur);
            if (n)
                bits.ecrire(valeur < 0 ? valeur + (1 << n) - 1 : valeur, n);
        };
        const int difference = zz[0] - predit[size_t(c)];
        predit[size_t(c)] = zz[0];
        coder(dc, categorie(difference), difference, categorie(difference));
        int zeros = 0;
        for (int k = 1; k < 64; ++k) {
            if (!zz[size_t(k)]) {
                ++zeros;
                continue;
            }
            for (; zeros >= 16; zeros -= 16)
                coder(ac, 0xF0, 0, 0);
            const int n = categorie(zz[size_t(k)]);
            coder(ac, zeros << 4 | n, zz[size_t(k)], n);
            zeros = 0;
        }
        if (zeros)
            coder(ac, 0x00, 0, 0);
    };

    const int largeurMcu = 8 * h, hauteurMcu = 8 * v;
    const int mcusX = (w + largeurMcu - 1) / largeurMcu,
              mcusY = (hauteur + hauteurMcu - 1) / hauteurMcu;
    int compte = 0;
    for (int my = 0; my < mcusY; ++my)
        for (int mx = 0; mx < mcusX; ++mx) {
            if (o.intervalle && compte && compte % o.intervalle == 0) {
                bits.aligner();
                bits.marqueur(0xD0 + (compte / o.intervalle - 1) % 8);
                predit = {};
            }
            ++compte;
            const int x0 = mx * largeurMcu, y0 = my * hauteurMcu;
            for (int by = 0; by < v; ++by)
                for (int bx = 0; bx < h; ++bx)
                    bloc(0, x0 + bx * 8, y0 + by * 8, 1, 1);
            for (int c = 1; c < nombre; ++c)
                bloc(c, x0, y0, h, v);
        }
    bits.aligner();

    QByteArray fichier("\xFF\xD8", 2);
    for (int t = 0; t < (o.gris ? 1 : 2); ++t) {
        QByteArray corps(1, char(t));
        for (int k = 0; k < 64; ++k)
            corps += char(q[size_t(t)][size_t(kZigzag[size_t(k)])]);
        fichier += segmentJpeg(0xDB, corps);
    }
    QByteArray sof;
    sof += char(8);
    sof += char(hauteur >> 8);
    sof += char(hauteur & 0xFF);
    sof += char(w >> 8);
    sof += char(w & 0xFF);
    sof += char(nombre);
    for (int c = 0; c < nombre; ++c) {
        sof += char(c + 1);
        sof += char(c ? 0x11 : (h << 4 | v));
        sof += char(c ? 1 : 0);
    }
    fichier += segmentJpeg(0xC0, sof);
    for (int t = 0; t < (o.gris ? 2 : 4); ++t) {
        QByteArray corps(1, char((t % 2) << 4 | t / 2));
        for (quint8 n : tables[size_t(t)].nombres)
            corps += char(n);
        for (quint8 s : tables[size_t(t)].symboles)
            corps += char(s);
        fichier += segmentJpeg(0xC4, corps);
    }
    if (o.intervalle) {
        QByteArray dri;
        dri += char(o.intervalle >> 8);
        dri += char(o.intervalle & 0xFF);
        fichier += segmentJpeg(0xDD, dri);
    }
    QByteArray sos(1, char(nombre));
    for (int c = 0; c < nombre; ++c) {
        sos += char(c + 1);
        sos += char(c ? 0x11 : 0x00);
    }
    sos += QByteArray("\x00\x3F\x00", 3);
    fichier += segmentJpeg(0xDA, sos);
    fichier += bits.donnees;
    fichier += QByteArray("\xFF\xD9", 2);
    return fichier;
}
