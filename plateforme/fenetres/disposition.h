#pragma once

// Design layouts as data. A window's controls are members named as the design
// names them; its layout is a table, in the design's order, that one routine
// applies. Lengths are in twips (1/1440 inch), fonts in points.
//
// Each control keeps its design values as twips properties ("Top", "Left",
// "Height", "Width", "FontSize"; "X1", "Y1", "X2", "Y2" for a line), read and
// written by name, so that scaling works on the design's numbers and not on
// pixels already rounded.

#include <QColor>
#include <QFlags>
#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

namespace plateforme {

// The one conversion between twips and pixels: 15 twips to a pixel, the
// design screen's density (96 pixels an inch).
inline constexpr int kTwipsParPixel = 15;
inline constexpr double kTwipsParPoint = 20.0;
int pixels(double twips);
double twips(int pixels);

enum class Style {
    Aucun = 0,
    Gras = 1,
    Italique = 2,
    Transparent = 4,   // no background: the picture behind shows through
    AjusteAuTexte = 8, // the control takes the size of its caption
    Cache = 16,        // not shown at first
};
Q_DECLARE_FLAGS(Styles, Style)
Q_DECLARE_OPERATORS_FOR_FLAGS(Styles)

// One control of a design table. The member's own type is the control's kind
// (label, text box, picture box, line ...). For a line, gauche/haut/largeur/
// hauteur are its end points X1, Y1, X2, Y2.
struct Dessin {
    QWidget* controle = nullptr;
    QString nom = {}; // "Label10(3)": becomes the control's object name
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    double points = 0; // font size; 0 for a control without text
    Styles styles = Style::Aucun;
    QString legende = {};
    Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter;
    QColor couleur = {}; // text colour; invalid: the palette's
    QColor fond = {};    // background colour; invalid: the palette's
};

// The name of one element of a control array, as the design writes it.
QString nomElement(const QString& tableau, int index);

// Applies a design table: parents each control to `fenetre`, names it, places
// it, sets its font (the window's family, "Arial" by default), caption,
// alignment, colours and transparency, and records the design order.
void appliquerDisposition(QWidget* fenetre, const QList<Dessin>& table);

// The controls of a window, in its design table's order.
QList<QWidget*> controlesDe(const QWidget* fenetre);

// The properties of a control as the design reads and writes them by name.
enum class Propriete { Top, Left, Height, Width, FontSize, X1, Y1, X2, Y2 };

// The value in twips (points for FontSize), or nothing when the control has no
// such property: a line has only its end points, a control without text no
// font size. Top, Left, Height and Width exist on every other widget, the
// window itself included.
std::optional<double> lirePropriete(const QWidget* controle, Propriete p);
// False, with nothing changed, when the control has no such property.
bool ecrirePropriete(QWidget* controle, Propriete p, double valeur);

// Resizes a label to its caption and records the new size in twips.
void ajusterAuTexte(QWidget* controle);

// A line control: a segment between two points given in twips in its
// window's coordinates.
class Ligne : public QWidget {
    Q_OBJECT
public:
    explicit Ligne(QWidget* parent = nullptr);
    void setExtremites(double x1, double y1, double x2, double y2);
    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setCouleur(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor couleur_ = Qt::black;
};

} // namespace plateforme
