#include "plateforme/noyau/images_jpeg.h"

#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numbers>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace plateforme::jpeg {

namespace {

using Octet = unsigned char;

// The place in the 8 x 8 block (row * 8 + column) of each coefficient, in the
// order the file gives them.
constexpr std::array<int, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Codes of up to this many bits are found in one look.
constexpr int kBitsRapides = 9;
// An AC coefficient skipped is its code and its extra bits; the codes and extra
// bits fitting together in this many bits are skipped in one look.
constexpr int kBitsSaut = 12;
// An AC coefficient read is its code and its extra bits; those fitting
// together in this many bits are read in one look.
constexpr int kBitsCoefficient = 11;

// A coefficient's `s` extra bits `v` as its value: those below half stand for
// negative values.
constexpr int etendre(int v, int s) {
    return s == 0 ? 0 : v < (1 << (s - 1)) ? v - (1 << s) + 1 : v;
}

// The bits of the entropy-coded data, the 0x00 stuffed after every 0xFF
// removed; past the data's end, zeros.
class Lecteur {
public:
    Lecteur(const Octet* debut, const Octet* fin) : p_(debut), fin_(fin) {}

    // The bits read so far.
    uint64_t position() const { return fournis_ - uint64_t(nbits_); }
    // True once the reading has gone beyond the data.
    bool epuise() const { return fini_ && position() > reels_; }

    // Keeps at least 57 bits at hand.
    [[gnu::always_inline]] void remplir() {
        while (nbits_ <= 56) {
            if (fin_ - p_ >= 8) {
                const uint64_t v = qFromBigEndian<quint64>(p_);
                // No byte 0xFF among the eight: take as many whole bytes as fit.
                const uint64_t n = ~v;
                if (((n - 0x0101010101010101ull) & ~n & 0x8080808080808080ull) == 0) {
                    const int octets = (64 - nbits_) >> 3;
                    const uint64_t tete = octets == 8 ? v : v & ~(~0ull >> (octets * 8));
                    acc_ |= tete >> nbits_;
                    nbits_ += octets * 8;
                    fournis_ += uint64_t(octets) * 8;
                    p_ += octets;
                    continue;
                }
            }
            unsigned octet = 0;
            bool reel = false;
            if (p_ < fin_) {
                if (*p_ != 0xFF) {
                    octet = *p_++;
                    reel = true;
                } else if (fin_ - p_ >= 2 && p_[1] == 0x00) {
                    octet = 0xFF;
                    p_ += 2;
                    reel = true;
                } else { // a marker: the data ends here
                    fin_ = p_;
                }
            }
            if (!reel && !fini_) {
                fini_ = true;
                reels_ = fournis_;
            }
            acc_ |= uint64_t(octet) << (56 - nbits_);
            nbits_ += 8;
            fournis_ += 8;
        }
    }

    int bits() const { return nbits_; }
    uint32_t voir(int n) const { return uint32_t(acc_ >> (64 - n)); }
    void sauter(int n) {
        acc_ <<= n;
        nbits_ -= n;
    }
    // `s` bits as a signed value, the JPEG way (0 < s < 16).
    [[gnu::always_inline]] int valeur(int s) {
        const int v = int(voir(s));
        sauter(s);
        return etendre(v, s);
    }

private:
    const Octet* p_;
    const Octet* fin_;
    uint64_t acc_ = 0;
    int nbits_ = 0;
    uint64_t fournis_ = 0;
    uint64_t reels_ = 0;
    bool fini_ = false;
};

class TableHuffman {
public:
    // From a DHT table: the number of codes of each length 1..16, then the
    // symbols. False when the counts make no prefix code.
    bool construire(const Octet* nombres, const Octet* symboles, int total) {
        std::copy(symboles, symboles + total, symboles_.begin());
        rapide_.fill(0);
        int code = 0;
        int k = 0;
        for (int longueur = 1; longueur <= 16; ++longueur) {
            const int n = nombres[longueur - 1];
            delta_[longueur] = k - code;
            maxCode_[longueur] = n ? code + n - 1 : -1;
            for (int i = 0; i < n; ++i, ++code, ++k) {
                if (code >= (1 << longueur))
                    return false;
                if (longueur <= kBitsRapides) {
                    const int libres = kBitsRapides - longueur;
                    for (int suite = 0; suite < (1 << libres); ++suite)
                        rapide_[(code << libres) | suite] = uint16_t(longueur << 8 | symboles_[k]);
                }
            }
            code <<= 1;
        }
        definie_ = true;
        return true;
    }

    bool definie() const { return definie_; }

    // The tables for AC coefficients, made only for the tables a scan uses,
    // and only the one its reading needs.
    void preparer(bool valeurs) {
        if (valeurs)
            construireCoefficients();
        else
            construireSauts();
    }

    // The next symbol, or -1 when the bits are no code of the table.
    [[gnu::always_inline]] int symbole(Lecteur& l) const {
        if (const uint16_t e = rapide_[l.voir(kBitsRapides)]) {
            l.sauter(e >> 8);
            return e & 0xFF;
        }
        const uint32_t seize = l.voir(16);
        for (int longueur = kBitsRapides + 1; longueur <= 16; ++longueur) {
            const int code = int(seize >> (16 - longueur));
            if (code <= maxCode_[longueur]) {
                l.sauter(longueur);
                return symboles_[code + delta_[longueur]];
            }
        }
        return -1;
    }

    // For AC tables: the coefficients whose codes and extra bits lie whole in
    // the next kBitsSaut bits. Bits 0-3: the bits they take (0: none does);
    // bits 4-10: the places they advance; bit 11: the last is end-of-block.
    uint16_t saut(const Lecteur& l) const { return sauts_[l.voir(kBitsSaut)]; }

    // For AC tables: the one or two coefficients, and the end of block after
    // them, whose codes and extra bits lie whole in the next kBitsCoefficient
    // bits (sixteen zeros read as fifteen zeros and a zero coefficient).
    // Bits 0-4: the bits all take (0: not even one coefficient fits); 12: end
    // of block; 16-20 and 21-25: the places each advances, itself included
    // (0: no such coefficient); 32-47 and 48-63: their values.
    uint64_t coefficients(const Lecteur& l) const {
        return coefficients_[l.voir(kBitsCoefficient)];
    }

private:
    // The symbol whose code begins `bits` (of `n` bits), and its length.
    std::optional<std::pair<int, int>> chercher(uint32_t bits, int n) const {
        for (int longueur = 1; longueur <= std::min(n, 16); ++longueur) {
            const int code = int(bits >> (n - longueur));
            if (code <= maxCode_[longueur])
                return std::pair{int(symboles_[code + delta_[longueur]]), longueur};
        }
        return std::nullopt;
    }

    void construireSauts() {
        for (uint32_t v = 0; v < sauts_.size(); ++v) {
            int pris = 0;
            int avance = 0;
            bool fin = false;
            while (!fin) {
                const int reste = kBitsSaut - pris;
                const auto trouve = chercher(v & ((1u << reste) - 1), reste);
                if (!trouve)
                    break;
                const auto [rs, longueur] = *trouve;
                const int r = rs >> 4;
                const int s = rs & 15;
                const int pas = s ? r + 1 : r == 15 ? 16 : 0;
                if (longueur + s > reste || avance + pas > 63)
                    break;
                pris += longueur + s;
                avance += pas;
                fin = pas == 0;
            }
            sauts_[v] = pris ? uint16_t(pris | avance << 4 | (fin ? 1 << 11 : 0)) : 0;
        }
    }

    void construireCoefficients() {
        for (uint32_t v = 0; v < coefficients_.size(); ++v) {
            uint64_t e = 0;
            int pris = 0;
            for (int nombre = 0; nombre < 2; ++nombre) {
                const int reste = kBitsCoefficient - pris;
                const auto trouve = chercher(v & ((1u << reste) - 1), reste);
                if (!trouve)
                    break;
                const auto [rs, longueur] = *trouve;
                const int r = rs >> 4;
                const int s = rs & 15;
                if (longueur + s > reste)
                    break;
                const int bits = int(v >> (reste - longueur - s)) & ((1 << s) - 1);
                pris += longueur + s;
                if (s == 0 && r != 15) {
                    e |= 1 << 12;
                    break;
                }
                const int valeur = etendre(bits, s);
                e |= uint64_t(r + 1) << (16 + 5 * nombre) | uint64_t(uint16_t(int16_t(valeur)))
                                                                << (32 + 16 * nombre);
            }
            coefficients_[v] = e ? e | uint64_t(pris) : 0;
        }
    }

    std::array<Octet, 256> symboles_{};
    std::array<int, 17> maxCode_{};
    std::array<int, 17> delta_{};
    std::array<uint16_t, 1 << kBitsRapides> rapide_{};
    std::array<uint16_t, 1 << kBitsSaut> sauts_{};
    std::array<uint64_t, 1 << kBitsCoefficient> coefficients_{};
    bool definie_ = false;
};

struct Composante {
    int id = 0;
    int h = 1;
    int v = 1;
    int quant = 0;
    int dc = 0;
    int ac = 0;
};

// What the headers say, up to the scan's data.
struct Entete {
    int largeur = 0;
    int hauteur = 0;
    std::vector<Composante> composantes;
    std::array<std::array<uint16_t, 64>, 4> quant{};
    std::array<bool, 4> quantDefinie{};
    std::array<TableHuffman, 4> dc;
    std::array<TableHuffman, 4> ac;
    int intervalle = 0;
    int adobe = -1; // the Adobe segment's colour transform, when there is one
    const Octet* donnees = nullptr;
    const Octet* finDonnees = nullptr;
};

// The headers of a file this reads, or nothing.
std::optional<Entete> lireEntete(QByteArrayView fichier) {
    const auto* d = reinterpret_cast<const Octet*>(fichier.data());
    const qsizetype taille = fichier.size();
    if (taille < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return std::nullopt;
    Entete e;
    qsizetype i = 2;
    bool trame = false;
    while (i + 4 <= taille) {
        if (d[i] != 0xFF)
            return std::nullopt;
        const int marqueur = d[i + 1];
        if (marqueur == 0xFF) {
            ++i;
            continue;
        }
        const int longueur = qFromBigEndian<quint16>(d + i + 2);
        if (longueur < 2 || i + 2 + longueur > taille)
            return std::nullopt;
        const Octet* s = d + i + 4;
        const int n = longueur - 2;
        i += 2 + longueur;
        switch (marqueur) {
        case 0xC0:
        case 0xC1: {
            if (trame || n < 6 || s[0] != 8)
                return std::nullopt;
            e.hauteur = qFromBigEndian<quint16>(s + 1);
            e.largeur = qFromBigEndian<quint16>(s + 3);
            const int nombre = s[5];
            if ((nombre != 1 && nombre != 3) || n < 6 + 3 * nombre || e.largeur == 0 ||
                e.hauteur == 0)
                return std::nullopt;
            for (int c = 0; c < nombre; ++c) {
                const Octet* q = s + 6 + 3 * c;
                Composante composante{q[0], q[1] >> 4, q[1] & 15, q[2]};
                if (composante.h < 1 || composante.h > 4 || composante.v < 1 || composante.v > 4 ||
                    composante.quant > 3)
                    return std::nullopt;
                e.composantes.push_back(composante);
            }
            trame = true;
            break;
        }
        case 0xC4:
            for (int j = 0; j < n;) {
                const int classe = s[j] >> 4;
                const int table = s[j] & 15;
                if (classe > 1 || table > 3 || j + 17 > n)
                    return std::nullopt;
                int total = 0;
                for (int l = 0; l < 16; ++l)
                    total += s[j + 1 + l];
                if (total > 256 || j + 17 + total > n)
                    return std::nullopt;
                TableHuffman& t = classe ? e.ac[table] : e.dc[table];
                if (!t.construire(s + j + 1, s + j + 17, total))
                    return std::nullopt;
                j += 17 + total;
            }
            break;
        case 0xDB:
            for (int j = 0; j < n;) {
                const int precision = s[j] >> 4;
                const int table = s[j] & 15;
                const int octets = precision ? 2 : 1;
                if (precision > 1 || table > 3 || j + 1 + 64 * octets > n)
                    return std::nullopt;
                for (int k = 0; k < 64; ++k)
                    e.quant[table][k] =
                        precision ? qFromBigEndian<quint16>(s + j + 1 + 2 * k) : s[j + 1 + k];
                e.quantDefinie[table] = true;
                j += 1 + 64 * octets;
            }
            break;
        case 0xDD:
            if (n < 2)
                return std::nullopt;
            e.intervalle = qFromBigEndian<quint16>(s);
            break;
        case 0xEE:
            if (n >= 12 && std::memcmp(s, "Adobe", 5) == 0)
                e.adobe = s[11];
            break;
        case 0xDA: {
            if (!trame || n < 1 || s[0] != int(e.composantes.size()) || n < 4 + 2 * s[0])
                return std::nullopt;
            for (int c = 0; c < s[0]; ++c) {
                Composante& composante = e.composantes[c];
                if (s[1 + 2 * c] != composante.id)
                    return std::nullopt;
                composante.dc = s[2 + 2 * c] >> 4;
                composante.ac = s[2 + 2 * c] & 15;
                if (composante.dc > 3 || composante.ac > 3 || !e.dc[composante.dc].definie() ||
                    !e.ac[composante.ac].definie() || !e.quantDefinie[composante.quant])
                    return std::nullopt;
            }
            const Octet* fin = s + 1 + 2 * s[0];
            if (fin[0] != 0 || fin[1] != 63 || fin[2] != 0)
                return std::nullopt;
            // One component alone is never subsampled.
            if (e.composantes.size() == 1)
                e.composantes[0].h = e.composantes[0].v = 1;
            e.donnees = s + n;
            // The data runs to the first marker other than a restart.
            const Octet* p = e.donnees;
            const Octet* bout = d + taille;
            while ((p = static_cast<const Octet*>(std::memchr(p, 0xFF, bout - p))) &&
                   p + 1 < bout && (p[1] == 0x00 || (e.intervalle && p[1] >= 0xD0 && p[1] <= 0xD7)))
                p += 2;
            e.finDonnees = p ? p : bout;
            return e;
        }
        case 0xD9:
            return std::nullopt;
        default:
            // Every other coding process, and what this need not read.
            if (marqueur >= 0xC2 && marqueur <= 0xCF && marqueur != 0xC4 && marqueur != 0xC8 &&
                marqueur != 0xCC)
                return std::nullopt;
            break;
        }
    }
    return std::nullopt;
}

// The four samples of a quarter-size block, added in one instruction.
using Quatre = float __attribute__((vector_size(16)));

// How each block of a minimum coded unit is decoded and what it keeps.
struct Bloc {
    int composante = 0;
    const TableHuffman* dc = nullptr;
    const TableHuffman* ac = nullptr;
    // The weight of each coefficient (file order) in each of the block's
    // reduced samples, dequantised; null when only the DC is kept.
    const std::array<Quatre, 64>* poids = nullptr;
};

struct Plan {
    int huitiemes = 1;
    int mcusLargeur = 0;
    int mcusHauteur = 0;
    std::vector<Bloc> blocs;
    size_t mcus() const { return size_t(mcusLargeur) * size_t(mcusHauteur); }
    // int16 kept per block: the DC difference, then (at a quarter) the AC part
    // of each sample.
    int pas() const { return huitiemes == 2 ? 5 : 1; }
    size_t parMcu() const { return blocs.size() * size_t(pas()); }
};

// One core's share: it starts reading at its own place, not knowing which MCU
// or even which bit begins there, and records where each MCU it decodes
// begins. The share before it, once it reaches that place, looks for a
// beginning in common: from there on both decode the same.
struct Part {
    const Octet* debut = nullptr;
    // Bits (unstuffed) from `debut` to the next share's start.
    uint64_t versSuivante = 0;
    size_t capacite = 0;
    std::unique_ptr<uint64_t[]> positions;
    std::unique_ptr<int16_t[]> blocs;
    std::atomic<size_t> publiees{0};
    // Where it met the next share: its own MCU index, and the next's.
    std::optional<std::pair<size_t, size_t>> rencontre;
    // The MCU indices at which it lost its way and moved on by one bit.
    std::vector<size_t> erreurs;
    bool echec = false;
};

// Reads a block's AC coefficients, adding each, weighted, to the block's
// reduced samples; false when the bits are no such coefficients.
[[gnu::always_inline]] inline bool lireCoefficients(Lecteur& l, const Bloc& b, Quatre& somme) {
    for (int k = 1; k < 64;) {
        if (l.bits() < 32)
            l.remplir();
        // The common case without a branch on how many coefficients there are:
        // a missing second one adds nothing where the first lies.
        const uint64_t e = b.ac->coefficients(l);
        const int premier = k + int((e >> 16) & 31);
        const int second = premier + int((e >> 21) & 31);
        const bool fin = e & (1 << 12);
        // Bits beyond a block that ends on its last place belong to the next
        // block: such ends are read the careful way below.
        if ((e & 31) && second <= 64 && !(fin && second == 64)) {
            l.sauter(int(e & 31));
            somme += float(int16_t(e >> 32)) * (*b.poids)[premier - 1] +
                     float(int16_t(e >> 48)) * (*b.poids)[second - 1];
            k = fin ? 64 : second;
            continue;
        }
        const int rs = b.ac->symbole(l);
        if (rs < 0)
            return false;
        const int r = rs >> 4;
        const int s = rs & 15;
        if (s == 0 && r != 15)
            return true;
        k += r;
        if (s > 10 || k > 63)
            return false;
        somme += float(s ? l.valeur(s) : 0) * (*b.poids)[k];
        ++k;
    }
    return true;
}

// Passes over a block's AC coefficients; false as for reading them.
[[gnu::always_inline]] inline bool sauterCoefficients(Lecteur& l, const TableHuffman& ac) {
    for (int k = 1; k < 64;) {
        if (l.bits() < 32)
            l.remplir();
        const uint16_t e = ac.saut(l);
        const int suite = k + ((e >> 4) & 0x7F);
        const bool fin = e & (1 << 11);
        // As for reading: a block ending on its last place ends the careful way.
        if (e && suite <= 64 && !(fin && suite == 64)) {
            l.sauter(e & 15);
            k = fin ? 64 : suite;
            continue;
        }
        const int rs = ac.symbole(l);
        if (rs < 0)
            return false;
        const int r = rs >> 4;
        const int s = rs & 15;
        if (s == 0) {
            if (r != 15)
                return true;
            k += 16;
            continue;
        }
        k += r;
        if (k > 63 || s > 10)
            return false;
        l.sauter(s);
        ++k;
    }
    return true;
}

// One MCU into `sortie`; false when the bits are no valid MCU.
[[gnu::always_inline]] inline bool decoderMcu(Lecteur& lecteur, const Plan& plan, int16_t* sortie) {
    // A copy the compiler may keep in registers.
    Lecteur l = lecteur;
    for (const Bloc& b : plan.blocs) {
        if (l.bits() < 32)
            l.remplir();
        const int categorie = b.dc->symbole(l);
        if (categorie < 0 || categorie > 11)
            return false;
        sortie[0] = int16_t(categorie ? l.valeur(categorie) : 0);
        if (b.poids) {
            Quatre somme{};
            if (!lireCoefficients(l, b, somme))
                return false;
            // Rounded to the nearest (truncation of a positive value is its floor).
            for (int o = 0; o < 4; ++o)
                sortie[1 + o] =
                    int16_t(int(std::clamp(somme[o], -30000.f, 30000.f) + 32768.5f) - 32768);
        } else if (!sauterCoefficients(l, *b.ac)) {
            return false;
        }
        sortie += plan.pas();
    }
    lecteur = l;
    return true;
}

// Decodes a share until it meets the next, or the data ends. The first share
// starts where the data does: a fault there is a damaged file.
void lirePart(const Plan& plan, const Octet* fin, Part& part, Part* suivante, bool premiere) {
    Lecteur l(part.debut, fin);
    l.remplir();
    const size_t parMcu = plan.parMcu();
    size_t j = 0;
    size_t k = 0;
    while (j < part.capacite && !l.epuise()) {
        const uint64_t position = l.position();
        if (suivante && position >= part.versSuivante) {
            const uint64_t cible = position - part.versSuivante;
            const size_t publiees = suivante->publiees.load(std::memory_order_acquire);
            while (k < publiees && suivante->positions[k] < cible)
                ++k;
            if (k < publiees && suivante->positions[k] == cible) {
                part.rencontre = std::pair{j, k};
                return;
            }
        }
        part.positions[j] = position;
        const Lecteur avant = l;
        if (!decoderMcu(l, plan, part.blocs.get() + j * parMcu)) {
            if (premiere) {
                // Past the photo's last MCU come only the padding bits.
                part.echec = j < plan.mcus();
                return;
            }
            l = avant;
            l.sauter(1);
            l.remplir();
            if (part.erreurs.empty() || part.erreurs.back() != j)
                part.erreurs.push_back(j);
            continue;
        }
        ++j;
        part.publiees.store(j, std::memory_order_release);
    }
}

// The weight of frequency `f` in the mean of half `moitie` of a block's row
// or column, scaled as the inverse DCT wants.
double poidsMoitie(int f, int moitie) {
    const double c = f == 0 ? std::numbers::sqrt2 / 2 : 1.0;
    double somme = 0;
    for (int x = 4 * moitie; x < 4 * moitie + 4; ++x)
        somme += std::cos((2 * x + 1) * f * std::numbers::pi / 16);
    return c / 2 * somme / 4;
}

// Runs `travail(t)` for every t below `nombre`, each on its own thread (the
// first on this one; any the system cannot start, here afterwards).
template <class Travail> void enParallele(int nombre, const Travail& travail) {
    std::vector<std::jthread> autres;
    std::vector<int> restes;
    for (int t = 1; t < nombre; ++t) {
        try {
            autres.emplace_back([&travail, t] { travail(t); });
        } catch (const std::system_error&) {
            restes.push_back(t);
        }
    }
    travail(0);
    for (int t : restes)
        travail(t);
}

// The decoded data of every MCU in the photo's order, each share's taken from
// where the share before met it; nothing when the shares do not join into the
// whole photo, or one was lost where it counts (the data is damaged).
std::optional<std::vector<int16_t*>> enchainer(const Plan& plan, std::vector<Part>& parts) {
    const size_t total = plan.mcus();
    const size_t parMcu = plan.parMcu();
    std::vector<int16_t*> mcus;
    mcus.reserve(total);
    size_t local = 0;
    for (size_t t = 0; t < parts.size() && mcus.size() < total; ++t) {
        Part& p = parts[t];
        const size_t reste = total - mcus.size();
        size_t fin = local + reste;
        if (p.rencontre && t + 1 < parts.size()) {
            if (p.rencontre->first < local)
                return std::nullopt;
            fin = std::min(p.rencontre->first, fin);
        } else if (fin > p.publiees.load()) {
            return std::nullopt;
        }
        if (p.echec ||
            std::ranges::any_of(p.erreurs, [&](size_t j) { return j > local && j < fin; }))
            return std::nullopt;
        for (; local < fin; ++local)
            mcus.push_back(p.blocs.get() + local * parMcu);
        if (p.rencontre)
            local = p.rencontre->second;
    }
    if (mcus.size() != total)
        return std::nullopt;
    return mcus;
}

// JFIF's YCbCr to RGB: the offsets each chroma pair gives the luma, in
// 16-bit fixed point, and a table bringing the sums back to 0..255.
struct Couleurs {
    std::array<int, 256> rouge{}, vertCb{}, vertCr{}, bleu{};
    std::array<Octet, 1024> borne{};
    static constexpr int kDecalage = 384;
    Couleurs() {
        const auto fixe = [](double f) { return int(std::lround(f * 65536)); };
        for (int i = 0; i < 256; ++i) {
            rouge[i] = (fixe(1.402) * (i - 128) + 32768) >> 16;
            vertCb[i] = -fixe(0.344136) * (i - 128);
            vertCr[i] = -fixe(0.714136) * (i - 128) + 32768;
            bleu[i] = (fixe(1.772) * (i - 128) + 32768) >> 16;
        }
        for (int i = 0; i < int(borne.size()); ++i)
            borne[i] = Octet(std::clamp(i - kDecalage, 0, 255));
    }
    // A row of pixels; each chroma sample covers `facteur` luma samples.
    void ligne(const Octet* lum, const Octet* cb, const Octet* cr, int facteur, int largeur,
               QRgb* sortie) const {
        const Octet* b = borne.data() + kDecalage;
        for (int x = 0, c = 0; x < largeur; ++c) {
            const int dr = rouge[cr[c]];
            const int dv = (vertCb[cb[c]] + vertCr[cr[c]]) >> 16;
            const int db = bleu[cb[c]];
            for (const int fin = std::min(x + facteur, largeur); x < fin; ++x) {
                const int y = lum[x];
                sortie[x] =
                    0xFF000000u | uint32_t(b[y + dr]) << 16 | uint32_t(b[y + dv]) << 8 | b[y + db];
            }
        }
    }
};

// The picture from the MCUs' data: each block's samples into its component's
// plane, then the planes into pixels (chroma stretched by repeating its
// samples), a band of MCU rows per core.
QImage peindre(const Entete& e, const Plan& plan, const std::vector<int16_t*>& mcus, int coeurs) {
    const int n = plan.huitiemes;
    const size_t nombre = e.composantes.size();
    const int hMax = std::ranges::max(e.composantes, {}, &Composante::h).h;
    const int vMax = std::ranges::max(e.composantes, {}, &Composante::v).v;

    // The DCs are differences from the block before in the same component.
    // (On 16 bits, as the DCs themselves: damaged data may not overflow.)
    // Each restart interval starts again from zero.
    std::array<int16_t, 3> predit{};
    for (size_t g = 0; g < mcus.size(); ++g) {
        if (e.intervalle && g % size_t(e.intervalle) == 0)
            predit = {};
        int16_t* mcu = mcus[g];
        for (const Bloc& b : plan.blocs) {
            predit[b.composante] = int16_t(predit[b.composante] + *mcu);
            *mcu = predit[b.composante];
            mcu += plan.pas();
        }
    }

    struct Echantillons {
        int largeur = 0;
        int facteurX = 1;
        int facteurY = 1;
        std::unique_ptr<Octet[]> octets;
        const Octet* ligne(int y) const { return octets.get() + size_t(y / facteurY) * largeur; }
    };
    std::vector<Echantillons> plans(nombre);
    for (size_t c = 0; c < nombre; ++c) {
        const Composante& comp = e.composantes[c];
        plans[c].largeur = plan.mcusLargeur * comp.h * n;
        plans[c].facteurX = hMax / comp.h;
        plans[c].facteurY = vMax / comp.v;
        plans[c].octets.reset(
            new Octet[size_t(plans[c].largeur) * size_t(plan.mcusHauteur * comp.v * n)]);
    }
    // Where each block of an MCU lies in its plane, in samples.
    std::vector<std::pair<int, int>> places;
    for (const Composante& comp : e.composantes)
        for (int y = 0; y < comp.v; ++y)
            for (int x = 0; x < comp.h; ++x)
                places.emplace_back(x * n, y * n);

    const int largeur = (e.largeur * n + 7) / 8;
    const int hauteur = (e.hauteur * n + 7) / 8;
    QImage image(largeur, hauteur, nombre == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    const Couleurs couleurs;
    enParallele(coeurs, [&](int t) {
        const int debut = plan.mcusHauteur * t / coeurs;
        const int fin = plan.mcusHauteur * (t + 1) / coeurs;
        for (int my = debut; my < fin; ++my)
            for (int mx = 0; mx < plan.mcusLargeur; ++mx) {
                const int16_t* b = mcus[size_t(my) * plan.mcusLargeur + mx];
                for (size_t i = 0; i < plan.blocs.size(); ++i, b += plan.pas()) {
                    const int c = plan.blocs[i].composante;
                    const Composante& comp = e.composantes[c];
                    // The inverse DCT of the DC alone: an eighth of it, rounded.
                    const int dc = ((b[0] * int(e.quant[comp.quant][0]) + 4) >> 3) + 128;
                    Echantillons& pl = plans[c];
                    Octet* q = pl.octets.get() +
                               size_t((my * comp.v * n + places[i].second)) * pl.largeur +
                               mx * comp.h * n + places[i].first;
                    if (n == 1) {
                        *q = Octet(std::clamp(dc, 0, 255));
                    } else {
                        q[0] = Octet(std::clamp(dc + b[1], 0, 255));
                        q[1] = Octet(std::clamp(dc + b[2], 0, 255));
                        q[pl.largeur] = Octet(std::clamp(dc + b[3], 0, 255));
                        q[pl.largeur + 1] = Octet(std::clamp(dc + b[4], 0, 255));
                    }
                }
            }
        const int lignes = vMax * n;
        for (int y = debut * lignes; y < std::min(fin * lignes, hauteur); ++y) {
            if (nombre == 1) {
                std::memcpy(image.scanLine(y), plans[0].ligne(y), size_t(largeur));
                continue;
            }
            couleurs.ligne(plans[0].ligne(y), plans[1].ligne(y), plans[2].ligne(y),
                           plans[1].facteurX, largeur, reinterpret_cast<QRgb*>(image.scanLine(y)));
        }
    });
    return image;
}

// The MCUs of data without restart markers: `nombre` shares read at once,
// each from a guessed start.
std::optional<std::vector<int16_t*>> lireEnParts(const Entete& e, const Plan& plan, int nombre,
                                                 std::vector<Part>& parts) {
    const qsizetype longueur = e.finDonnees - e.donnees;
    std::vector<const Octet*> debuts;
    for (int t = 0; t < nombre; ++t) {
        const Octet* debut = e.donnees + longueur * t / nombre;
        // Never between a 0xFF and the 0x00 stuffed after it.
        while (debut > e.donnees && debut < e.finDonnees && debut[-1] == 0xFF)
            ++debut;
        if (debuts.empty() || debut > debuts.back())
            debuts.push_back(debut);
    }
    parts = std::vector<Part>(debuts.size());
    const size_t parMcu = plan.parMcu();
    for (size_t t = 0; t < parts.size(); ++t) {
        Part& p = parts[t];
        p.debut = debuts[t];
        // Some room for the MCUs a share decodes before it finds its way.
        p.capacite = plan.mcus() + 4096;
        p.positions.reset(new uint64_t[p.capacite]);
        p.blocs.reset(new int16_t[p.capacite * parMcu]);
    }
    enParallele(int(parts.size()), [&](int t) {
        Part& p = parts[size_t(t)];
        Part* suivante = size_t(t) + 1 < parts.size() ? &parts[size_t(t) + 1] : nullptr;
        if (suivante) {
            size_t bourrage = 0;
            const Octet* fin = suivante->debut;
            for (const Octet* q = p.debut;
                 q < fin && (q = static_cast<const Octet*>(std::memchr(q, 0xFF, size_t(fin - q))));
                 q += 2)
                ++bourrage;
            p.versSuivante = (uint64_t(fin - p.debut) - bourrage) * 8;
        }
        lirePart(plan, e.finDonnees, p, suivante, t == 0);
    });
    return enchainer(plan, parts);
}

// The MCUs of data with restart markers: each interval begins at a known MCU
// and a known byte, so each of `nombre` cores reads a run of whole intervals.
std::optional<std::vector<int16_t*>> lireParIntervalles(const Entete& e, const Plan& plan,
                                                        int nombre,
                                                        std::unique_ptr<int16_t[]>& tout) {
    const size_t total = plan.mcus();
    const size_t intervalle = size_t(e.intervalle);
    const size_t attendus = (total + intervalle - 1) / intervalle;
    // Where each interval begins: the data's start, then after each marker,
    // numbered 0 to 7 in turn.
    std::vector<const Octet*> debuts{e.donnees};
    for (const Octet* p = e.donnees;
         (p = static_cast<const Octet*>(std::memchr(p, 0xFF, size_t(e.finDonnees - p)))); p += 2) {
        if (p[1] == 0x00)
            continue;
        if (p[1] != 0xD0 + (debuts.size() - 1) % 8)
            return std::nullopt;
        debuts.push_back(p + 2);
    }
    if (debuts.size() != attendus)
        return std::nullopt;
    const size_t parMcu = plan.parMcu();
    tout.reset(new int16_t[total * parMcu]);
    std::atomic<bool> echec = false;
    nombre = int(std::min<size_t>(size_t(nombre), attendus));
    enParallele(nombre, [&](int t) {
        for (size_t i = attendus * size_t(t) / size_t(nombre);
             i < attendus * size_t(t + 1) / size_t(nombre) && !echec; ++i) {
            Lecteur l(debuts[i], i + 1 < attendus ? debuts[i + 1] - 2 : e.finDonnees);
            l.remplir();
            for (size_t g = i * intervalle; g < std::min(total, (i + 1) * intervalle); ++g)
                if (l.epuise() || !decoderMcu(l, plan, tout.get() + g * parMcu)) {
                    echec = true;
                    break;
                }
        }
    });
    if (echec)
        return std::nullopt;
    std::vector<int16_t*> mcus(total);
    for (size_t g = 0; g < total; ++g)
        mcus[g] = tout.get() + g * parMcu;
    return mcus;
}

} // namespace

QImage reduire(QByteArrayView fichier, int huitiemes, int partage) {
    if (huitiemes != 1 && huitiemes != 2)
        return {};
    std::optional<Entete> lu = lireEntete(fichier);
    if (!lu)
        return {};
    Entete& e = *lu;
    // Beyond 64 megapixels the general decoder refuses the photo: so does this.
    if (qint64(e.largeur) * e.hauteur > qint64(64) * 1024 * 1024)
        return {};
    // Only YCbCr: no Adobe RGB, no components named R, G, B.
    if (e.composantes.size() == 3 &&
        (e.adobe == 0 || (e.adobe < 0 && e.composantes[0].id == 'R' && e.composantes[1].id == 'G' &&
                          e.composantes[2].id == 'B')))
        return {};
    const int hMax = std::ranges::max(e.composantes, {}, &Composante::h).h;
    const int vMax = std::ranges::max(e.composantes, {}, &Composante::v).v;
    // The luma at full resolution, both chromas alike (every camera's and
    // program's layouts).
    if (e.composantes[0].h != hMax || e.composantes[0].v != vMax)
        return {};
    if (e.composantes.size() == 3) {
        const Composante& cb = e.composantes[1];
        const Composante& cr = e.composantes[2];
        if (cb.h != cr.h || cb.v != cr.v || hMax % cb.h || vMax % cb.v)
            return {};
    }

    // Dequantised weights of each coefficient in the four samples of a
    // quarter-size block: the means of the block's quarters.
    std::vector<std::array<Quatre, 64>> poids(e.composantes.size());
    if (huitiemes == 2) {
        for (size_t c = 0; c < e.composantes.size(); ++c)
            for (int k = 0; k < 64; ++k) {
                const int ligne = kZigzag[k] / 8;
                const int colonne = kZigzag[k] % 8;
                const double q = e.quant[e.composantes[c].quant][k];
                for (int o = 0; o < 4; ++o)
                    poids[c][k][o] =
                        float(q * poidsMoitie(ligne, o / 2) * poidsMoitie(colonne, o % 2));
            }
    }

    Plan plan;
    plan.huitiemes = huitiemes;
    plan.mcusLargeur = (e.largeur + 8 * hMax - 1) / (8 * hMax);
    plan.mcusHauteur = (e.hauteur + 8 * vMax - 1) / (8 * vMax);
    for (size_t c = 0; c < e.composantes.size(); ++c) {
        const Composante& comp = e.composantes[c];
        for (int b = 0; b < comp.h * comp.v; ++b)
            plan.blocs.push_back(
                Bloc{int(c), &e.dc[comp.dc], &e.ac[comp.ac], huitiemes == 2 ? &poids[c] : nullptr});
    }
    if (plan.blocs.size() > 10)
        return {};
    for (int t = 0; t < 4; ++t)
        if (std::ranges::any_of(e.composantes, [&](const Composante& c) { return c.ac == t; }))
            e.ac[size_t(t)].preparer(huitiemes == 2);

    // Shares of at least 256 KB each, one per core.
    const qsizetype longueur = e.finDonnees - e.donnees;
    const int coeurs = std::clamp(QThread::idealThreadCount(), 1, 8);
    const int nombre =
        partage > 0 ? int(std::clamp<qsizetype>(partage, 1, std::max<qsizetype>(longueur, 1)))
                    : int(std::clamp<qsizetype>(longueur / (256 * 1024), 1, coeurs));
    std::vector<Part> parts;
    std::unique_ptr<int16_t[]> tout;
    const std::optional<std::vector<int16_t*>> mcus =
        e.intervalle ? lireParIntervalles(e, plan, nombre, tout)
                     : lireEnParts(e, plan, nombre, parts);
    if (!mcus)
        return {};
    return peindre(e, plan, *mcus, coeurs);
}

} // namespace plateforme::jpeg
