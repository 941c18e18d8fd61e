// Paints the pictures delivered in the program's Images folder: a cover and one
// landscape for each month, in the light and colours of its season.
//   peindre_paysages <dossier>
// Every picture is drawn from a fixed seed, so a build always gives the same
// files. They are JPEG, landscape, at the proportions of an A4 sheet.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kLargeur = 1920;
constexpr int kHauteur = 1358; // 1920 / sqrt(2): the page's proportions

// Smooth one-dimensional value noise, and its sum over octaves.
class Bruit {
public:
    explicit Bruit(quint32 graine) : valeurs_(1024) {
        QRandomGenerator g(graine);
        for (double& v : valeurs_)
            v = g.generateDouble();
    }
    double operator()(double x) const {
        const double base = std::floor(x);
        const double f = x - base;
        const auto i = static_cast<long long>(base);
        const double a = valeurs_[static_cast<size_t>(i & 1023)];
        const double b = valeurs_[static_cast<size_t>((i + 1) & 1023)];
        return a + (b - a) * f * f * (3 - 2 * f);
    }
    double fbm(double x, int octaves) const {
        double somme = 0, amplitude = 0.5, total = 0;
        for (int o = 0; o < octaves; ++o) {
            somme += amplitude * (*this)(x + o * 57.3);
            total += amplitude;
            amplitude *= 0.5;
            x *= 2.03;
        }
        return somme / total;
    }
    // Sharp crests, as rock ridges have.
    double crete(double x, int octaves) const {
        double somme = 0, amplitude = 0.5, total = 0;
        for (int o = 0; o < octaves; ++o) {
            somme += amplitude * (1 - std::abs(2 * (*this)(x + o * 31.7) - 1));
            total += amplitude;
            amplitude *= 0.5;
            x *= 2.1;
        }
        return somme / total;
    }

private:
    std::vector<double> valeurs_;
};

QColor melange(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor avecAlpha(QColor c, double alpha) {
    c.setAlphaF(float(alpha));
    return c;
}

enum class Arbre { Aucun, Sapin, SapinEnneige, Feuillu, Nu, EnFleurs };
enum class Chute { Aucune, Neige, Feuilles };
enum class Champ { Aucun, Fleurs, Lavande, Ble, Vigne };

// What makes one month's picture.
struct Saison {
    const char* fichier;
    quint32 graine;
    QColor cielHaut, cielHorizon;
    QPointF soleil; // in fractions of the picture; x < 0: no sun
    QColor soleilCouleur;
    double soleilRayon;
    bool lune = false;
    bool etoiles = false;
    int nuages = 0;
    QColor nuageCouleur = Qt::white;
    QColor montagnes;          // the nearest range; farther ones fade into the horizon
    double neigeMontagnes = 0; // 0 none, 1 down to the valleys
    bool lac = false;
    QColor eau;
    QColor colline, sol; // the middle hills, the foreground
    double neigeSol = 0;
    Arbre arbres = Arbre::Aucun;
    std::vector<QColor> feuillage;
    Champ champ = Champ::Aucun;
    std::vector<QColor> fleurs;
    Chute chute = Chute::Aucune;
    double brume = 0;
};

class Peintre {
public:
    Peintre(const Saison& s) : s_(s), image_(kLargeur, kHauteur, QImage::Format_RGB32) {}

    QImage peindre() {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        ciel(p);
        const double horizon = s_.lac ? 0.58 : 0.62;
        montagnes(p, horizon);
        if (s_.lac)
            lac(p, horizon);
        collines(p, horizon);
        premierPlan(p);
        chute(p);
        vignette(p);
        return image_;
    }

private:
    double W() const { return kLargeur; }
    double H() const { return kHauteur; }
    double hasard() { return g_.generateDouble(); }

    void ciel(QPainter& p) {
        QLinearGradient degrade(0, 0, 0, H() * 0.65);
        degrade.setColorAt(0, s_.cielHaut);
        degrade.setColorAt(1, s_.cielHorizon);
        p.fillRect(image_.rect(), degrade);
        if (s_.etoiles) {
            for (int i = 0; i < 700; ++i) {
                const double y = std::pow(hasard(), 1.6) * H() * 0.55;
                const double r = 0.6 + 1.6 * std::pow(hasard(), 4);
                p.setPen(Qt::NoPen);
                p.setBrush(avecAlpha(Qt::white, 0.35 + 0.6 * hasard() * (1 - y / H())));
                p.drawEllipse(QPointF(hasard() * W(), y), r, r);
            }
        }
        if (s_.soleil.x() >= 0) {
            const QPointF c(s_.soleil.x() * W(), s_.soleil.y() * H());
            const double r = s_.soleilRayon * W();
            QRadialGradient halo(c, r * 9);
            halo.setColorAt(0, avecAlpha(s_.soleilCouleur, 0.75));
            halo.setColorAt(0.12, avecAlpha(s_.soleilCouleur, 0.35));
            halo.setColorAt(1, avecAlpha(s_.soleilCouleur, 0));
            p.fillRect(image_.rect(), halo);
            p.setPen(Qt::NoPen);
            p.setBrush(s_.lune ? QColor(245, 243, 225) : melange(s_.soleilCouleur, Qt::white, 0.6));
            p.drawEllipse(c, r, r);
            if (s_.lune) { // the moon's seas
                p.setBrush(QColor(215, 212, 195, 150));
                p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.2), r * 0.28, r * 0.22);
                p.drawEllipse(c + QPointF(r * 0.25, r * 0.25), r * 0.2, r * 0.18);
            }
        }
        for (int i = 0; i < s_.nuages; ++i)
            nuage(p, QPointF(hasard() * W() * 1.1 - W() * 0.05, H() * (0.06 + 0.32 * hasard())),
                  W() * (0.08 + 0.12 * hasard()));
    }

    // A cloud: soft puffs lit from above, flat underneath.
    void nuage(QPainter& p, QPointF c, double largeur) {
        p.setPen(Qt::NoPen);
        const int bouffees = 14;
        for (int passe = 0; passe < 2; ++passe) {
            QRandomGenerator g(static_cast<quint32>(c.x() * 13 + c.y()));
            for (int i = 0; i < bouffees; ++i) {
                const double t = g.generateDouble() * 2 - 1;
                const double r = largeur * (0.16 + 0.16 * g.generateDouble()) * (1 - 0.5 * t * t);
                const QPointF centre(c.x() + t * largeur * 0.5,
                                     c.y() - r * 0.4 * g.generateDouble());
                QRadialGradient bouffee(centre - QPointF(0, passe ? r * 0.35 : 0), r);
                const QColor ombre = melange(s_.nuageCouleur, s_.cielHaut, 0.45);
                const QColor teinte = passe ? s_.nuageCouleur : ombre;
                bouffee.setColorAt(0, avecAlpha(teinte, passe ? 0.55 : 0.7));
                bouffee.setColorAt(0.7, avecAlpha(teinte, passe ? 0.25 : 0.35));
                bouffee.setColorAt(1, avecAlpha(teinte, 0));
                p.setBrush(bouffee);
                p.drawEllipse(centre, r, r * 0.75);
            }
        }
    }

    // A range of crests along the picture, as a closed outline down to the bottom.
    QPainterPath relief(const std::function<double(double)>& hauteur) const {
        QPainterPath chemin(QPointF(0, H()));
        for (int x = 0; x <= kLargeur; x += 3)
            chemin.lineTo(x, hauteur(x));
        chemin.lineTo(W(), H());
        chemin.closeSubpath();
        return chemin;
    }

    void montagnes(QPainter& p, double horizon) {
        const int plans = 3;
        for (int k = 0; k < plans; ++k) {
            const Bruit b(s_.graine * 7 + static_cast<quint32>(k));
            const double base = H() * (horizon - 0.02 * (plans - 1 - k));
            const double amplitude = H() * (0.26 - 0.06 * k);
            const double frequence = 2.2 + 1.4 * k;
            const auto hauteur = [&](double x) {
                return base - amplitude * b.crete(x / W() * frequence + k * 3.1, 6);
            };
            const double lointain = 1.0 - (k + 1.0) / plans; // 0 for the nearest
            const QColor couleur = melange(s_.montagnes, s_.cielHorizon, 0.15 + 0.6 * lointain);
            const QPainterPath forme = relief(hauteur);
            QLinearGradient degrade(0, base - amplitude, 0, base);
            degrade.setColorAt(0, couleur.lighter(112));
            degrade.setColorAt(1, melange(couleur, s_.cielHorizon, 0.35));
            p.setPen(Qt::NoPen);
            p.fillPath(forme, degrade);

            // Light on the slopes that face the sun, shade on the others.
            const double cote = s_.soleil.x() >= 0 && s_.soleil.x() < 0.5 ? -1 : 1;
            p.save();
            p.setClipPath(forme);
            // The broad shape of the slopes, without the small crags.
            const auto douce = [&](double x) {
                return base - amplitude * b.crete(x / W() * frequence + k * 3.1, 3);
            };
            for (int x = 0; x < kLargeur; x += 3) {
                const double pente = (douce(x + 12) - douce(x - 12)) / 24 * cote;
                const double y = hauteur(x);
                const QColor c = pente > 0 ? avecAlpha(Qt::black, std::min(0.28, pente * 0.5))
                                           : avecAlpha(Qt::white, std::min(0.14, -pente * 0.25));
                QLinearGradient fondu(0, y, 0, base);
                fondu.setColorAt(0, c);
                fondu.setColorAt(1, avecAlpha(c, 0));
                p.fillRect(QRectF(x, y, 3, base - y), fondu);
            }
            if (s_.neigeMontagnes > 0) {
                const Bruit bn(s_.graine * 11 + static_cast<quint32>(k));
                QPainterPath neige(QPointF(0, 0));
                // The snow line wavers along the range, lower in the gullies.
                for (int x = 0; x <= kLargeur; x += 3)
                    neige.lineTo(x, base - amplitude * (1 - s_.neigeMontagnes) +
                                        amplitude * 0.22 * (bn.fbm(x / W() * 24, 4) - 0.5));
                neige.lineTo(W(), 0);
                neige.closeSubpath();
                p.setClipPath(neige, Qt::IntersectClip);
                QLinearGradient blanc(0, base - amplitude, 0, base);
                blanc.setColorAt(0, melange(Qt::white, s_.cielHaut, 0.1 + 0.4 * lointain));
                blanc.setColorAt(1, melange(QColor(215, 225, 240), s_.cielHorizon, 0.5 * lointain));
                p.fillRect(image_.rect(), blanc);
            }
            p.restore();
            if (s_.brume > 0)
                brume(p, base, s_.brume * (0.5 + 0.5 * lointain));
        }
    }

    void brume(QPainter& p, double y, double force) {
        QLinearGradient voile(0, y - H() * 0.12, 0, y + H() * 0.02);
        voile.setColorAt(0, avecAlpha(s_.cielHorizon, 0));
        voile.setColorAt(1, avecAlpha(s_.cielHorizon, std::min(0.9, force)));
        p.fillRect(QRectF(0, y - H() * 0.12, W(), H() * 0.14), voile);
    }

    // The water mirrors what stands above it, darker and rippled.
    void lac(QPainter& p, double horizon) {
        const int y0 = static_cast<int>(H() * horizon);
        const int hauteur = kHauteur - y0;
        const QImage reflet =
            image_.copy(0, std::max(0, y0 - hauteur), kLargeur, std::min(hauteur, y0))
                .mirrored(false, true);
        p.drawImage(QPointF(0, y0), reflet);
        QLinearGradient teinte(0, y0, 0, H());
        teinte.setColorAt(0, avecAlpha(s_.eau, 0.35));
        teinte.setColorAt(1, avecAlpha(s_.eau, 0.85));
        p.fillRect(QRectF(0, y0, W(), hauteur), teinte);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 900; ++i) {
            const double t = hasard();
            const double y = y0 + std::pow(t, 1.8) * hauteur;
            const double l = (8 + 70 * hasard()) * (0.3 + 1.5 * (y - y0) / hauteur);
            p.setBrush(avecAlpha(hasard() < 0.5 ? Qt::white : s_.eau.darker(140), 0.12));
            p.drawRect(QRectF(hasard() * W(), y, l, 1.2 + 2 * (y - y0) / hauteur));
        }
        p.fillRect(QRectF(0, y0, W(), 2), avecAlpha(Qt::white, 0.25));
    }

    void collines(QPainter& p, double horizon) {
        const Bruit b(s_.graine * 13);
        const double base = H() * (horizon + (s_.lac ? 0.17 : 0.06));
        const auto hauteur = [&](double x) {
            const double t = x / W();
            // A shore on the left for the lake, rolling hills otherwise.
            const double rive = s_.lac ? H() * 0.16 * std::pow(1 - t, 3) : 0;
            return base - rive - H() * 0.09 * b.fbm(t * 3.5, 5);
        };
        const QPainterPath forme = relief(hauteur);
        QLinearGradient degrade(0, base - H() * 0.2, 0, H());
        degrade.setColorAt(0, melange(s_.colline, s_.cielHorizon, 0.25));
        degrade.setColorAt(1, s_.colline.darker(130));
        p.fillPath(forme, degrade);
        if (s_.neigeSol > 0) {
            p.save();
            p.setClipPath(forme);
            QLinearGradient blanc(0, base - H() * 0.2, 0, H());
            blanc.setColorAt(0, avecAlpha(QColor(240, 245, 252), s_.neigeSol));
            blanc.setColorAt(1, avecAlpha(QColor(200, 212, 230), s_.neigeSol));
            p.fillRect(image_.rect(), blanc);
            p.restore();
        }
        // A line of trees along the hills, smaller far away.
        if (s_.arbres != Arbre::Aucun) {
            for (int i = 0; i < 70; ++i) {
                const double x = hasard() * W();
                const double taille = H() * (0.035 + 0.03 * hasard());
                arbre(p, QPointF(x, hauteur(x) + taille * 0.25), taille, 0.75);
            }
        }
    }

    void premierPlan(QPainter& p) {
        const Bruit b(s_.graine * 17);
        const double base = H() * 0.86;
        const auto hauteur = [&](double x) { return base - H() * 0.10 * b.fbm(x / W() * 2.2, 5); };
        const QPainterPath forme = relief(hauteur);
        QLinearGradient degrade(0, base - H() * 0.1, 0, H());
        degrade.setColorAt(0, s_.sol);
        degrade.setColorAt(1, s_.sol.darker(160));
        p.fillPath(forme, degrade);
        p.save();
        p.setClipPath(forme);
        if (s_.neigeSol > 0) {
            QLinearGradient blanc(0, base - H() * 0.1, 0, H());
            blanc.setColorAt(0, avecAlpha(QColor(250, 252, 255), s_.neigeSol));
            blanc.setColorAt(1, avecAlpha(QColor(190, 205, 228), s_.neigeSol));
            p.fillRect(image_.rect(), blanc);
        }
        champ(p, base - H() * 0.1);
        p.restore();
        // Large trees at the sides frame the view.
        if (s_.arbres != Arbre::Aucun) {
            for (int i = 0; i < 7; ++i) {
                const bool gauche = i % 2 == 0;
                const double x =
                    gauche ? W() * (0.02 + 0.16 * hasard()) : W() * (0.82 + 0.17 * hasard());
                const double taille = H() * (0.22 + 0.18 * hasard());
                arbre(p, QPointF(x, hauteur(x) + taille * 0.05), taille, 1.0);
            }
        }
    }

    void champ(QPainter& p, double haut) {
        p.setPen(Qt::NoPen);
        switch (s_.champ) {
        case Champ::Aucun:
            return;
        case Champ::Fleurs:
            for (int i = 0; i < 5000; ++i) {
                const double t = std::pow(hasard(), 0.8);
                const double y = haut + t * (H() - haut);
                const double r = 1.0 + 7 * t * t * (0.5 + hasard());
                const QColor c = s_.fleurs[static_cast<size_t>(hasard() * s_.fleurs.size())];
                p.setBrush(melange(c, s_.cielHorizon, 0.35 * (1 - t)));
                p.drawEllipse(QPointF(hasard() * W(), y), r, r * 0.8);
            }
            return;
        case Champ::Lavande:
        case Champ::Ble:
        case Champ::Vigne: {
            // Rows running to a vanishing point beyond the hills.
            const QPointF fuite(W() * 0.55, haut - H() * 0.08);
            const int rangs = s_.champ == Champ::Ble ? 0 : 34;
            if (s_.champ == Champ::Ble) {
                for (int i = 0; i < 9000; ++i) {
                    const double t = std::pow(hasard(), 0.7);
                    const double y = haut + t * (H() - haut);
                    const QColor c = s_.fleurs[static_cast<size_t>(hasard() * s_.fleurs.size())];
                    p.setPen(QPen(avecAlpha(c, 0.7), 0.6 + 2.2 * t));
                    const double x = hasard() * W();
                    p.drawLine(QPointF(x, y), QPointF(x + 3 * t, y - 6 - 26 * t));
                }
                p.setPen(Qt::NoPen);
                return;
            }
            for (int r = -rangs; r <= rangs; ++r) {
                const double bas = W() * 0.55 + r * W() * 0.06;
                QPainterPath rang(fuite);
                rang.lineTo(bas - W() * 0.018, H() + 10);
                rang.lineTo(bas + W() * 0.018, H() + 10);
                rang.closeSubpath();
                QLinearGradient d(0, haut, 0, H());
                d.setColorAt(0, melange(s_.fleurs[0], s_.cielHorizon, 0.5));
                d.setColorAt(1, s_.fleurs[0]);
                p.fillPath(rang, d);
                // Tufts along the row.
                for (int k = 0; k < 60; ++k) {
                    const double t = std::pow((k + hasard()) / 60.0, 1.6);
                    const QPointF pt = fuite + t * (QPointF(bas, H()) - fuite);
                    if (pt.y() < haut)
                        continue;
                    const double rr = 2 + 16 * t;
                    p.setBrush(melange(s_.fleurs[1 + k % (s_.fleurs.size() - 1)], s_.cielHorizon,
                                       0.4 * (1 - t)));
                    p.drawEllipse(pt + QPointF((hasard() - 0.5) * rr, 0), rr, rr * 0.7);
                }
            }
            return;
        }
        }
    }

    void arbre(QPainter& p, QPointF pied, double taille, double proche) {
        const QColor fond = s_.cielHorizon;
        const double voile = 0.45 * (1 - proche);
        p.setPen(Qt::NoPen);
        const QColor tronc = melange(QColor(70, 50, 38), fond, voile);
        switch (s_.arbres) {
        case Arbre::Aucun:
            return;
        case Arbre::Sapin:
        case Arbre::SapinEnneige: {
            const double largeur = taille * 0.42;
            p.fillRect(QRectF(pied.x() - taille * 0.03, pied.y() - taille * 0.15, taille * 0.06,
                              taille * 0.15),
                       tronc);
            const QColor vert = melange(s_.feuillage[0], fond, voile);
            for (int etage = 0; etage < 5; ++etage) {
                const double b = pied.y() - taille * (0.1 + 0.17 * etage);
                const double l = largeur * (1 - 0.17 * etage);
                QPainterPath tri(QPointF(pied.x(), b - taille * 0.34));
                tri.lineTo(pied.x() - l / 2, b);
                tri.quadTo(pied.x(), b - taille * 0.04, pied.x() + l / 2, b);
                tri.closeSubpath();
                QLinearGradient d(pied.x() - l / 2, 0, pied.x() + l / 2, 0);
                d.setColorAt(0, vert.darker(130));
                d.setColorAt(1, vert.lighter(115));
                p.fillPath(tri, d);
                if (s_.arbres == Arbre::SapinEnneige) {
                    QPainterPath neige(QPointF(pied.x(), b - taille * 0.34));
                    neige.lineTo(pied.x() - l * 0.38, b - taille * 0.06);
                    neige.quadTo(pied.x(), b - taille * 0.14, pied.x() + l * 0.38,
                                 b - taille * 0.06);
                    neige.closeSubpath();
                    p.fillPath(neige, melange(QColor(245, 248, 255), fond, voile));
                }
            }
            return;
        }
        case Arbre::Nu:
            branche(p, pied, -90, taille * 0.34, 7, taille * 0.03, tronc);
            return;
        case Arbre::Feuillu:
        case Arbre::EnFleurs: {
            branche(p, pied, -90, taille * 0.3, 4, taille * 0.035, tronc);
            const QPointF couronne = pied - QPointF(0, taille * 0.62);
            for (int i = 0; i < 26; ++i) {
                const double a = hasard() * 2 * M_PI;
                const double d = std::sqrt(hasard());
                const QPointF c = couronne + QPointF(std::cos(a) * d * taille * 0.3,
                                                     std::sin(a) * d * taille * 0.24);
                const double r = taille * (0.09 + 0.07 * hasard());
                const QColor base =
                    s_.feuillage[static_cast<size_t>(hasard() * s_.feuillage.size())];
                // Lit from above: the upper puffs are lighter.
                const double lumiere = (couronne.y() - c.y()) / (taille * 0.3);
                QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.2);
                g.setColorAt(
                    0, melange(base.lighter(125 + static_cast<int>(20 * lumiere)), fond, voile));
                g.setColorAt(1, melange(base.darker(135), fond, voile));
                p.setBrush(g);
                p.drawEllipse(c, r, r);
            }
            return;
        }
        }
    }

    void branche(QPainter& p, QPointF depart, double angle, double longueur, int niveaux,
                 double epaisseur, const QColor& couleur) {
        if (niveaux == 0 || longueur < 2)
            return;
        const double rad = angle * M_PI / 180;
        const QPointF fin = depart + QPointF(std::cos(rad), std::sin(rad)) * longueur;
        p.setPen(QPen(couleur, std::max(0.7, epaisseur), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(depart, fin);
        p.setPen(Qt::NoPen);
        const int fils = 2 + (hasard() < 0.3 ? 1 : 0);
        for (int i = 0; i < fils; ++i) {
            const double ecart = (i - (fils - 1) / 2.0) * (26 + 12 * hasard());
            branche(p, fin, angle + ecart + (hasard() - 0.5) * 14,
                    longueur * (0.68 + 0.1 * hasard()), niveaux - 1, epaisseur * 0.68, couleur);
        }
    }

    void chute(QPainter& p) {
        p.setPen(Qt::NoPen);
        if (s_.chute == Chute::Neige) {
            for (int i = 0; i < 2200; ++i) {
                const double r = 0.8 + 4.5 * std::pow(hasard(), 3);
                p.setBrush(avecAlpha(Qt::white, 0.45 + 0.45 * hasard()));
                p.drawEllipse(QPointF(hasard() * W(), hasard() * H()), r, r);
            }
        } else if (s_.chute == Chute::Feuilles) {
            for (int i = 0; i < 140; ++i) {
                const QPointF c(hasard() * W(), hasard() * H());
                const double r = 4 + 10 * hasard();
                p.save();
                p.translate(c);
                p.rotate(hasard() * 360);
                p.setBrush(s_.feuillage[static_cast<size_t>(hasard() * s_.feuillage.size())]);
                QPainterPath feuille(QPointF(-r, 0));
                feuille.quadTo(0, -r * 0.6, r, 0);
                feuille.quadTo(0, r * 0.6, -r, 0);
                p.drawPath(feuille);
                p.restore();
            }
        }
    }

    void vignette(QPainter& p) {
        QRadialGradient v(QPointF(W() / 2, H() / 2), W() * 0.75);
        v.setColorAt(0.55, QColor(0, 0, 0, 0));
        v.setColorAt(1, QColor(0, 0, 0, 90));
        p.fillRect(image_.rect(), v);
    }

    const Saison& s_;
    QImage image_;
    QRandomGenerator g_{s_.graine};
};

std::vector<Saison> saisons() {
    const QColor vertSapin(38, 78, 52);
    std::vector<Saison> liste;
    Saison s{};

    s = {};
    s.fichier = "00 Couverture.jpg";
    s.graine = 100;
    s.cielHaut = QColor(58, 96, 160);
    s.cielHorizon = QColor(250, 196, 140);
    s.soleil = {0.62, 0.47};
    s.soleilCouleur = QColor(255, 190, 110);
    s.soleilRayon = 0.022;
    s.nuages = 6;
    s.nuageCouleur = QColor(255, 214, 190);
    s.montagnes = QColor(92, 88, 120);
    s.neigeMontagnes = 0.35;
    s.lac = true;
    s.eau = QColor(40, 60, 95);
    s.colline = QColor(70, 90, 60);
    s.sol = QColor(60, 80, 45);
    s.arbres = Arbre::Sapin;
    s.feuillage = {vertSapin};
    liste.push_back(s);

    s = {};
    s.fichier = "01 Janvier.jpg";
    s.graine = 101;
    s.cielHaut = QColor(92, 140, 200);
    s.cielHorizon = QColor(222, 232, 245);
    s.soleil = {0.22, 0.22};
    s.soleilCouleur = QColor(255, 245, 220);
    s.soleilRayon = 0.016;
    s.nuages = 3;
    s.montagnes = QColor(110, 128, 160);
    s.neigeMontagnes = 0.9;
    s.lac = true;
    s.eau = QColor(170, 195, 220);
    s.colline = QColor(200, 214, 232);
    s.sol = QColor(225, 234, 246);
    s.neigeSol = 0.9;
    s.arbres = Arbre::SapinEnneige;
    s.feuillage = {vertSapin};
    s.chute = Chute::Neige;
    liste.push_back(s);

    s = {};
    s.fichier = "02 Fevrier.jpg";
    s.graine = 102;
    s.cielHaut = QColor(150, 140, 175);
    s.cielHorizon = QColor(245, 205, 200);
    s.soleil = {0.75, 0.5};
    s.soleilCouleur = QColor(255, 200, 170);
    s.soleilRayon = 0.014;
    s.nuages = 7;
    s.nuageCouleur = QColor(240, 220, 230);
    s.montagnes = QColor(120, 110, 150);
    s.neigeMontagnes = 1.0;
    s.colline = QColor(210, 205, 225);
    s.sol = QColor(235, 232, 245);
    s.neigeSol = 0.85;
    s.arbres = Arbre::Nu;
    s.feuillage = {QColor(80, 60, 70)};
    s.chute = Chute::Neige;
    s.brume = 0.4;
    liste.push_back(s);

    s = {};
    s.fichier = "03 Mars.jpg";
    s.graine = 103;
    s.cielHaut = QColor(70, 130, 205);
    s.cielHorizon = QColor(200, 222, 240);
    s.soleil = {0.8, 0.15};
    s.soleilCouleur = QColor(255, 250, 225);
    s.soleilRayon = 0.015;
    s.nuages = 9;
    s.montagnes = QColor(95, 110, 140);
    s.neigeMontagnes = 0.6;
    s.lac = true;
    s.eau = QColor(60, 100, 140);
    s.colline = QColor(120, 140, 80);
    s.sol = QColor(110, 130, 60);
    s.neigeSol = 0.15;
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(150, 185, 90), QColor(120, 160, 70), QColor(175, 200, 110)};
    s.champ = Champ::Fleurs;
    s.fleurs = {QColor(250, 250, 245), QColor(250, 225, 90), QColor(170, 150, 220)};
    liste.push_back(s);

    s = {};
    s.fichier = "04 Avril.jpg";
    s.graine = 104;
    s.cielHaut = QColor(100, 160, 225);
    s.cielHorizon = QColor(225, 235, 245);
    s.soleil = {0.3, 0.12};
    s.soleilCouleur = QColor(255, 250, 230);
    s.soleilRayon = 0.015;
    s.nuages = 8;
    s.montagnes = QColor(100, 120, 150);
    s.neigeMontagnes = 0.35;
    s.colline = QColor(110, 165, 80);
    s.sol = QColor(95, 160, 70);
    s.arbres = Arbre::EnFleurs;
    s.feuillage = {QColor(250, 190, 210), QColor(245, 215, 230), QColor(235, 160, 190)};
    s.champ = Champ::Fleurs;
    s.fleurs = {QColor(255, 255, 250), QColor(255, 220, 60), QColor(240, 150, 190)};
    liste.push_back(s);

    s = {};
    s.fichier = "05 Mai.jpg";
    s.graine = 105;
    s.cielHaut = QColor(60, 130, 215);
    s.cielHorizon = QColor(200, 225, 245);
    s.soleil = {0.7, 0.1};
    s.soleilCouleur = QColor(255, 252, 235);
    s.soleilRayon = 0.015;
    s.nuages = 10;
    s.montagnes = QColor(90, 115, 140);
    s.neigeMontagnes = 0.2;
    s.colline = QColor(90, 160, 60);
    s.sol = QColor(225, 205, 40);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(80, 150, 55), QColor(110, 175, 70), QColor(60, 120, 45)};
    s.champ = Champ::Fleurs;
    s.fleurs = {QColor(255, 225, 30), QColor(250, 210, 20), QColor(255, 240, 110)};
    liste.push_back(s);

    s = {};
    s.fichier = "06 Juin.jpg";
    s.graine = 106;
    s.cielHaut = QColor(40, 110, 200);
    s.cielHorizon = QColor(180, 215, 240);
    s.soleil = {0.2, 0.09};
    s.soleilCouleur = QColor(255, 252, 235);
    s.soleilRayon = 0.016;
    s.nuages = 5;
    s.montagnes = QColor(80, 105, 130);
    s.neigeMontagnes = 0.15;
    s.lac = true;
    s.eau = QColor(30, 90, 130);
    s.colline = QColor(70, 140, 55);
    s.sol = QColor(80, 145, 50);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(50, 120, 45), QColor(75, 145, 55), QColor(40, 100, 40)};
    s.champ = Champ::Fleurs;
    s.fleurs = {QColor(220, 30, 30), QColor(200, 20, 25), QColor(250, 250, 245),
                QColor(90, 110, 220)};
    liste.push_back(s);

    s = {};
    s.fichier = "07 Juillet.jpg";
    s.graine = 107;
    s.cielHaut = QColor(30, 100, 195);
    s.cielHorizon = QColor(235, 220, 200);
    s.soleil = {0.82, 0.2};
    s.soleilCouleur = QColor(255, 235, 180);
    s.soleilRayon = 0.017;
    s.nuages = 2;
    s.montagnes = QColor(120, 110, 140);
    s.colline = QColor(130, 140, 70);
    s.sol = QColor(90, 110, 50);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(70, 110, 50), QColor(95, 130, 60)};
    s.champ = Champ::Lavande;
    s.fleurs = {QColor(85, 95, 45), QColor(140, 100, 200), QColor(160, 120, 215),
                QColor(120, 85, 185)};
    liste.push_back(s);

    s = {};
    s.fichier = "08 Aout.jpg";
    s.graine = 108;
    s.cielHaut = QColor(70, 70, 140);
    s.cielHorizon = QColor(255, 160, 90);
    s.soleil = {0.45, 0.52};
    s.soleilCouleur = QColor(255, 140, 60);
    s.soleilRayon = 0.03;
    s.nuages = 6;
    s.nuageCouleur = QColor(255, 170, 140);
    s.montagnes = QColor(110, 70, 100);
    s.colline = QColor(170, 120, 60);
    s.sol = QColor(200, 150, 60);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(60, 50, 45), QColor(80, 60, 50)};
    s.champ = Champ::Ble;
    s.fleurs = {QColor(240, 190, 90), QColor(225, 170, 70), QColor(250, 210, 120)};
    liste.push_back(s);

    s = {};
    s.fichier = "09 Septembre.jpg";
    s.graine = 109;
    s.cielHaut = QColor(80, 130, 190);
    s.cielHorizon = QColor(245, 225, 190);
    s.soleil = {0.18, 0.3};
    s.soleilCouleur = QColor(255, 220, 160);
    s.soleilRayon = 0.018;
    s.nuages = 5;
    s.nuageCouleur = QColor(255, 240, 220);
    s.montagnes = QColor(100, 105, 135);
    s.lac = true;
    s.eau = QColor(50, 85, 115);
    s.colline = QColor(120, 135, 60);
    s.sol = QColor(105, 120, 50);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(110, 140, 50), QColor(190, 170, 60), QColor(90, 120, 45)};
    s.champ = Champ::Vigne;
    s.fleurs = {QColor(95, 90, 45), QColor(80, 120, 45), QColor(110, 140, 55), QColor(90, 40, 90)};
    s.brume = 0.3;
    liste.push_back(s);

    s = {};
    s.fichier = "10 Octobre.jpg";
    s.graine = 110;
    s.cielHaut = QColor(55, 115, 195);
    s.cielHorizon = QColor(215, 225, 235);
    s.soleil = {0.75, 0.18};
    s.soleilCouleur = QColor(255, 235, 190);
    s.soleilRayon = 0.016;
    s.nuages = 6;
    s.montagnes = QColor(95, 100, 130);
    s.neigeMontagnes = 0.15;
    s.lac = true;
    s.eau = QColor(45, 75, 110);
    s.colline = QColor(175, 105, 45);
    s.sol = QColor(150, 95, 40);
    s.arbres = Arbre::Feuillu;
    s.feuillage = {QColor(220, 90, 30), QColor(240, 160, 40), QColor(190, 50, 30),
                   QColor(230, 190, 60)};
    s.chute = Chute::Feuilles;
    liste.push_back(s);

    s = {};
    s.fichier = "11 Novembre.jpg";
    s.graine = 111;
    s.cielHaut = QColor(120, 125, 140);
    s.cielHorizon = QColor(215, 210, 205);
    s.soleil = {0.6, 0.35};
    s.soleilCouleur = QColor(250, 235, 210);
    s.soleilRayon = 0.014;
    s.nuages = 10;
    s.nuageCouleur = QColor(225, 225, 230);
    s.montagnes = QColor(100, 100, 115);
    s.neigeMontagnes = 0.3;
    s.colline = QColor(125, 100, 70);
    s.sol = QColor(110, 85, 55);
    s.arbres = Arbre::Nu;
    s.feuillage = {QColor(160, 90, 40), QColor(140, 110, 60)};
    s.chute = Chute::Feuilles;
    s.brume = 0.8;
    liste.push_back(s);

    s = {};
    s.fichier = "12 Decembre.jpg";
    s.graine = 112;
    s.cielHaut = QColor(8, 14, 40);
    s.cielHorizon = QColor(40, 60, 105);
    s.soleil = {0.78, 0.16};
    s.soleilCouleur = QColor(200, 215, 255);
    s.soleilRayon = 0.02;
    s.lune = true;
    s.etoiles = true;
    s.montagnes = QColor(45, 55, 85);
    s.neigeMontagnes = 0.8;
    s.lac = true;
    s.eau = QColor(20, 30, 60);
    s.colline = QColor(110, 125, 160);
    s.sol = QColor(150, 165, 200);
    s.neigeSol = 0.55;
    s.arbres = Arbre::SapinEnneige;
    s.feuillage = {QColor(20, 45, 40)};
    s.chute = Chute::Neige;
    liste.push_back(s);
    return liste;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: peindre_paysages <dossier>\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!dossier.mkpath(u"."_qs)) {
        std::fprintf(stderr, "peindre_paysages: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Saison& s : saisons()) {
        const QString chemin = dossier.filePath(QString::fromLatin1(s.fichier));
        if (!Peintre(s).peindre().save(chemin, "JPEG", 90)) {
            std::fprintf(stderr, "peindre_paysages: cannot write %s\n", qPrintable(chemin));
            return 1;
        }
    }
    return 0;
}
