#include "calendrier/coquille/formzoomed.h"

#include "plateforme/fenetres/disposition.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

using plateforme::ecrirePropriete;
using plateforme::lirePropriete;
using plateforme::Propriete;

namespace {

// To the nearest whole number, a half to the even neighbour.
int arrondi(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The screens the ratios are defined for, in twips; a screen outside takes
// the nearest bound, so a ratio is never 0 and no control loses its size.
constexpr int kHauteurMin = 9000, kHauteurMax = 17000;
constexpr int kLargeurMin = 12000, kLargeurMax = 21000;

} // namespace

FormZoomed::FormZoomed() {
    ecran_ = [] {
        const QScreen* ecran = QGuiApplication::primaryScreen();
        return ecran ? ecran->size() : QSize();
    };
}

void FormZoomed::mesurerEcran() {
    const QSize pixels = ecran_();
    hauteurEcran_ = arrondi(plateforme::twips(pixels.height()));
    largeurEcran_ = arrondi(plateforme::twips(pixels.width()));
    const int h = std::clamp(hauteurEcran_, kHauteurMin, kHauteurMax);
    const int w = std::clamp(largeurEcran_, kLargeurMin, kLargeurMax);
    rapportHauteur_ = arrondi(h / 93.4);
    rapportLargeur_ = arrondi(w / 120.15);
}

void FormZoomed::RetenirDisposition(const QWidget* fenetre) {
    releves_.clear();
    for (const QWidget* c : plateforme::controlesDe(fenetre)) {
        Releve r;
        bool manque = false;
        const auto retenir = [&](Propriete p, int& dans) {
            if (const auto v = lirePropriete(c, p))
                dans = arrondi(*v);
            else
                manque = true;
        };
        retenir(Propriete::Top, r.top);
        retenir(Propriete::Left, r.left);
        retenir(Propriete::Height, r.height);
        retenir(Propriete::Width, r.width);
        retenir(Propriete::FontSize, r.fontSize);
        if (manque) {
            // A line keeps its end points where other controls keep their box.
            retenir(Propriete::Y1, r.top);
            retenir(Propriete::X1, r.left);
            retenir(Propriete::Y2, r.height);
            retenir(Propriete::X2, r.width);
        }
        releves_.push_back(r);
    }
}

void FormZoomed::AppliquerZoom(QWidget* fenetre) {
    mesurerSiBesoin();
    // The height ratio scales horizontal values too; on a screen narrower
    // than the design's proportions (5:4) that would push the right-hand
    // controls past the window's edge, so the smaller ratio serves there.
    const double r = std::min(rapportHauteur_, rapportLargeur_);
    const QList<QWidget*> controles = plateforme::controlesDe(fenetre);
    const std::size_t n = std::min<std::size_t>(controles.size(), releves_.size());
    for (std::size_t i = 0; i < n; ++i) {
        QWidget* c = controles[static_cast<qsizetype>(i)];
        const Releve& v = releves_[i];
        bool manque = false;
        const auto appliquer = [&](Propriete p, int valeur) {
            if (!ecrirePropriete(c, p, valeur / 100.0 * r))
                manque = true;
        };
        appliquer(Propriete::Height, v.height);
        appliquer(Propriete::Width, v.width);
        appliquer(Propriete::FontSize, v.fontSize);
        appliquer(Propriete::Top, v.top);
        appliquer(Propriete::Left, v.left);
        if (manque) {
            appliquer(Propriete::Y1, v.top);
            appliquer(Propriete::X1, v.left);
            appliquer(Propriete::Y2, v.height);
            appliquer(Propriete::X2, v.width);
        }
    }
}

void FormZoomed::mesurerSiBesoin() {
    if (rapportHauteur_ == 0 || rapportLargeur_ == 0)
        mesurerEcran();
}

void FormZoomed::dimensionner(QWidget* fenetre) {
    mesurerSiBesoin();
    ecrirePropriete(fenetre, Propriete::Height, kHauteurDessin / 100.0 * rapportHauteur_);
    ecrirePropriete(fenetre, Propriete::Width, kLargeurDessin / 100.0 * rapportLargeur_);
}

void FormZoomed::ZoomEcran(QWidget* fenetre) {
    mesurerEcran();
    dimensionner(fenetre);
    AppliquerZoom(fenetre);
}

bool FormZoomed::PremierPlan(QWidget* fenetre) {
    const QRect avant = fenetre->geometry();
    const bool sansActiver = fenetre->testAttribute(Qt::WA_ShowWithoutActivating);
    fenetre->setAttribute(Qt::WA_ShowWithoutActivating);
    // Changing a window's flags hides it; it comes back where it stood.
    fenetre->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    fenetre->setGeometry(avant);
    fenetre->show();
    fenetre->setAttribute(Qt::WA_ShowWithoutActivating, sansActiver);
    return fenetre->isVisible() && fenetre->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
