#pragma once

// The painter of a calendar page: a cover or a month page drawn on any
// QPainter (a window, an image, a PDF) at any resolution, from the design's
// places in twips and what the page shows. The page window draws itself
// through it, and so does the PDF export: screen, captures, prints and PDF
// are one drawing.

#include "calendrier/pages/composition.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <array>

class QPainter;

namespace calendrier {
class FichiersTravail;
}

namespace pages {

// The design of a page, in twips. A page of another size is drawn with its
// picture filling it, the ornaments in its bottom corners, and everything
// else scaled by the smaller of its two ratios from the top-left corner, as
// the window is scaled for its screen.
namespace dessin {
inline constexpr QSize kPage(12000, 9000);
inline constexpr QRect kAnnee(5483, 600, 915, 345);
// The month or " Annee ": sized to its text, on the year's axis.
inline constexpr QRect kTitre(5873, 180, 915, 345);
inline constexpr QRect kQuestion(3480, 7860, 4875, 225);
inline constexpr int kHautEntetes = 1470;
inline constexpr QSize kTailleEntete(1635, 315);
inline constexpr std::array<int, kJoursSemaine> kGauchesEntetes = {210,  1815, 3480, 5115,
                                                                   6765, 8400, 10035};
// Every cell of a row at the row's top, and the text lines 225 twips apart in
// both columns: the first row's Thursday (1800) and the eighth line (7740)
// stood out of line, which shows on a printed page.
inline constexpr std::array<int, 6> kHautsRangees = {1860, 2640, 3420, 4230, 5040, 5850};
inline constexpr int kDecalageJour = 570; // from its column's heading
inline constexpr QSize kTailleJour(495, 315);
inline constexpr QPoint kDecalagePrenom(210, 330); // from its day number
inline constexpr QSize kTaillePrenom(495, 195);    // sized to its text, from the left
inline constexpr std::array<int, 2> kGauchesLignes = {1050, 5955};
inline constexpr std::array<int, kLignes / 2> kHautsLignes = {6780, 7005, 7230, 7455, 7680, 7905};
inline constexpr QSize kTailleLigne(4875, 225);
// Square, in the page's bottom corners, whatever the page's scale.
inline constexpr int kTailleOrnement = 1000;

// Font sizes in points.
inline constexpr double kPointsAnnee = 11.6;
inline constexpr double kPointsTitre = 12.2;
inline constexpr double kPointsGrille = 15.6; // weekdays and day numbers
inline constexpr double kPointsPrenom = 8.2;
inline constexpr double kPointsLigne = 8.8; // text lines and the question

QRect entete(int colonne);
QRect jour(int cellule);
QRect prenom(int cellule);
QRect ligne(int index);
} // namespace dessin

// The colours of a page: the year, month and question on a light plate, the
// weekdays in the colours of the day numbers, the text lines white.
inline const QColor kEncre(0x3b, 0x2f, 0x2f);
inline const QColor kPlaque(0xff, 0xf8, 0xe7);
inline const QColor kSemaine(0xff, 0xfa, 0xf0);
inline const QColor kFinDeSemaine(0xff, 0xc0, 0x4a);
inline const QColor kTexte(0xff, 0xff, 0xff);
inline const QColor kVert(0, 255, 0);        // a marked day
inline const QColor kBleu(0, 0, 255);        // today
inline const QColor kFond(0x26, 0x31, 0x3d); // behind a page without picture

// "Lundi" ... "Dimanche".
QString nomEntete(int colonne);
QColor couleurEntete(int colonne);

// The day numbers' resting colours, one a cell, read by value from the
// Couleur file (red + 256 x green + 65536 x blue); a missing, short or
// unreadable file leaves the other cells in the working days' colour.
using Couleurs = std::array<QColor, kCases>;
Couleurs lireCouleurs(const QString& chemin);

// Everything a month page is made from, read from the working folder
// `fichiers`; the movable feasts are the lines of Paque.ser.
Donnees lireDonnees(const calendrier::FichiersTravail& fichiers, const QStringList& lignesPaque,
                    const QDate& aujourdhui);

// A day number as the page shows it: "01" ... "31".
QString numeroJour(int jour);
QColor couleurJour(Marque marque, const QColor& repos);

// One text of a page and how it shows.
struct Inscription {
    QString texte;
    QColor couleur;
    bool visible = false;
    bool bordure = false; // a marked day's frame
    bool operator==(const Inscription&) const = default;
};

// What a page shows, element by element, as the page window holds it in its
// labels.
struct Feuille {
    QImage image;                       // stretched over the whole page; none: the plain background
    Inscription annee, titre, question; // on plates
    std::array<Inscription, kJoursSemaine> entetes;
    std::array<Inscription, kCases> jours;
    std::array<Inscription, kCases> prenoms;
    std::array<Inscription, kLignes> lignes;
    bool ornements = false;
};

Feuille feuilleDeCouverture(const QString& annee);
Feuille feuilleDuMois(const PageMois& page, const Couleurs& couleurs);

// Draws the page, of `taille` twips, into `cible` (device-independent units
// of `p`).
void peindre(QPainter& p, const QRectF& cible, const Feuille& feuille,
             const QSizeF& taille = dessin::kPage);

} // namespace pages
