#pragma once

// Fits the windows to the screen. Every window is designed for a screen of
// 12000 x 9000 twips (800 x 600 pixels); at start-up the screen gives a zoom
// ratio in percent, and each window, when it loads, records the design values
// of its controls and multiplies them by that ratio.

#include <QSize>
#include <functional>
#include <vector>

class QWidget;

class FormZoomed {
public:
    FormZoomed();

    // The screen's size in pixels: the primary screen, unless a test sets it.
    void setEcran(std::function<QSize()> ecran) { ecran_ = std::move(ecran); }

    // Records the position, size and font size of every control of the
    // window, in its design order (for a line, its end points), rounded to
    // whole numbers, a half going to the even neighbour.
    void RetenirDisposition(const QWidget* fenetre);
    // Scales every control of the window recorded last by the height ratio,
    // horizontal values included (by the width ratio where it is smaller).
    void AppliquerZoom(QWidget* fenetre);
    // Measures the screen, derives both ratios, sizes the window and scales
    // its controls.
    void ZoomEcran(QWidget* fenetre);
    // Puts the window above all others without moving, resizing or
    // activating it, and shows it. True when it stands there, shown.
    static bool PremierPlan(QWidget* fenetre);

    // The design size scaled by the ratios: height by the height ratio, width
    // by the width ratio.
    void dimensionner(QWidget* fenetre);

    int rapportHauteur() const { return rapportHauteur_; }
    int rapportLargeur() const { return rapportLargeur_; }

    static constexpr int kHauteurDessin = 9000;
    static constexpr int kLargeurDessin = 12000;

private:
    struct Releve {
        int top = 0, left = 0, height = 0, width = 0, fontSize = 0;
    };

    void mesurerEcran();
    // A window sized or scaled before the start-up windows measured the
    // screen measures it itself, rather than being given no size at all.
    void mesurerSiBesoin();

    std::function<QSize()> ecran_;
    int hauteurEcran_ = 0; // twips
    int largeurEcran_ = 0;
    int rapportHauteur_ = 0; // percent; 0 until the screen is measured
    int rapportLargeur_ = 0;
    std::vector<Releve> releves_;
};
