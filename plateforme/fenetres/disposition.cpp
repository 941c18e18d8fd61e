#include "plateforme/fenetres/disposition.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace plateforme {

namespace {

constexpr const char* kOrdre = "quivexOrdre";
constexpr const char* kNombre = "quivexNombreControles";

const char* nomPropriete(Propriete p) {
    switch (p) {
    case Propriete::Top:
        return "Top";
    case Propriete::Left:
        return "Left";
    case Propriete::Height:
        return "Height";
    case Propriete::Width:
        return "Width";
    case Propriete::FontSize:
        return "FontSize";
    case Propriete::X1:
        return "X1";
    case Propriete::Y1:
        return "Y1";
    case Propriete::X2:
        return "X2";
    case Propriete::Y2:
        return "Y2";
    }
    return "";
}

bool estExtremite(Propriete p) {
    return p == Propriete::X1 || p == Propriete::Y1 || p == Propriete::X2 || p == Propriete::Y2;
}

double valeurOu(const QWidget* c, Propriete p, double defaut) {
    const QVariant v = c->property(nomPropriete(p));
    return v.isValid() ? v.toDouble() : defaut;
}

// Places the widget from its twips properties. Edges are converted rather
// than sizes, so controls that touch in the design still touch on screen; a
// control that has a size in twips keeps at least one pixel.
void placer(QWidget* c) {
    const QRect g = c->geometry();
    const double gauche = valeurOu(c, Propriete::Left, twips(g.x()));
    const double haut = valeurOu(c, Propriete::Top, twips(g.y()));
    const double largeur = valeurOu(c, Propriete::Width, twips(g.width()));
    const double hauteur = valeurOu(c, Propriete::Height, twips(g.height()));
    const int x = pixels(gauche);
    const int y = pixels(haut);
    const int l = largeur > 0 ? std::max(1, pixels(gauche + largeur) - x) : 0;
    const int h = hauteur > 0 ? std::max(1, pixels(haut + hauteur) - y) : 0;
    if (c->isWindow()) {
        c->resize(l, h);
        return;
    }
    c->setGeometry(x, y, l, h);
}

void appliquerPolice(QWidget* c, double points) {
    QFont f = c->font();
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * kTwipsParPoint / kTwipsParPixel))));
    c->setFont(f);
}

void appliquerLegende(QWidget* c, const Dessin& d) {
    if (auto* l = qobject_cast<QLabel*>(c)) {
        l->setText(d.legende);
        l->setAlignment(d.alignement);
    } else if (auto* t = qobject_cast<QLineEdit*>(c)) {
        t->setText(d.legende);
        t->setAlignment(d.alignement);
    } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
        b->setText(d.legende);
    }
}

void appliquerCouleurs(QWidget* c, const Dessin& d) {
    QPalette pal = c->palette();
    if (d.couleur.isValid()) {
        pal.setColor(QPalette::WindowText, d.couleur);
        pal.setColor(QPalette::Text, d.couleur);
        pal.setColor(QPalette::ButtonText, d.couleur);
    }
    if (d.fond.isValid()) {
        pal.setColor(QPalette::Window, d.fond);
        pal.setColor(QPalette::Base, d.fond);
        pal.setColor(QPalette::Button, d.fond);
    }
    c->setPalette(pal);
    // Labels paint no background of their own; an opaque one fills it.
    if (qobject_cast<QLabel*>(c))
        c->setAutoFillBackground(!d.styles.testFlag(Style::Transparent));
}

} // namespace

int pixels(double t) {
    return static_cast<int>(std::lround(t / kTwipsParPixel));
}

double twips(int p) {
    return static_cast<double>(p) * kTwipsParPixel;
}

QString nomElement(const QString& tableau, int index) {
    return tableau + u'(' + QString::number(index) + u')';
}

void appliquerDisposition(QWidget* fenetre, const QList<Dessin>& table) {
    int ordre = fenetre->property(kNombre).toInt();
    for (const Dessin& d : table) {
        QWidget* c = d.controle;
        if (c->parentWidget() != fenetre)
            c->setParent(fenetre);
        c->setObjectName(d.nom);
        if (!c->property(kOrdre).isValid())
            c->setProperty(kOrdre, ordre++);

        QFont f = c->font();
        f.setFamily(u"Arial"_qs);
        f.setBold(d.styles.testFlag(Style::Gras));
        f.setItalic(d.styles.testFlag(Style::Italique));
        c->setFont(f);
        appliquerLegende(c, d);
        appliquerCouleurs(c, d);

        if (auto* ligne = qobject_cast<Ligne*>(c)) {
            ligne->setExtremites(d.gauche, d.haut, d.largeur, d.hauteur);
            if (d.couleur.isValid())
                ligne->setCouleur(d.couleur);
        } else {
            c->setProperty("Left", double(d.gauche));
            c->setProperty("Top", double(d.haut));
            c->setProperty("Width", double(d.largeur));
            c->setProperty("Height", double(d.hauteur));
            if (d.points > 0) {
                c->setProperty("FontSize", d.points);
                appliquerPolice(c, d.points);
            }
            placer(c);
            if (d.styles.testFlag(Style::AjusteAuTexte))
                ajusterAuTexte(c);
        }
        c->setVisible(!d.styles.testFlag(Style::Cache));
    }
    fenetre->setProperty(kNombre, ordre);
}

QList<QWidget*> controlesDe(const QWidget* fenetre) {
    QList<QWidget*> controles;
    for (QWidget* c : fenetre->findChildren<QWidget*>())
        if (c->property(kOrdre).isValid())
            controles.append(c);
    std::stable_sort(controles.begin(), controles.end(), [](QWidget* a, QWidget* b) {
        return a->property(kOrdre).toInt() < b->property(kOrdre).toInt();
    });
    return controles;
}

std::optional<double> lirePropriete(const QWidget* c, Propriete p) {
    if (const auto* ligne = qobject_cast<const Ligne*>(c)) {
        switch (p) {
        case Propriete::X1:
            return ligne->X1();
        case Propriete::Y1:
            return ligne->Y1();
        case Propriete::X2:
            return ligne->X2();
        case Propriete::Y2:
            return ligne->Y2();
        default:
            return std::nullopt;
        }
    }
    if (estExtremite(p))
        return std::nullopt;
    const QVariant v = c->property(nomPropriete(p));
    if (v.isValid())
        return v.toDouble();
    const QRect g = c->geometry();
    switch (p) {
    case Propriete::Top:
        return twips(g.y());
    case Propriete::Left:
        return twips(g.x());
    case Propriete::Height:
        return twips(g.height());
    case Propriete::Width:
        return twips(g.width());
    default:
        return std::nullopt; // no font size: a control without text
    }
}

bool ecrirePropriete(QWidget* c, Propriete p, double valeur) {
    if (auto* ligne = qobject_cast<Ligne*>(c)) {
        double x1 = ligne->X1(), y1 = ligne->Y1(), x2 = ligne->X2(), y2 = ligne->Y2();
        switch (p) {
        case Propriete::X1:
            x1 = valeur;
            break;
        case Propriete::Y1:
            y1 = valeur;
            break;
        case Propriete::X2:
            x2 = valeur;
            break;
        case Propriete::Y2:
            y2 = valeur;
            break;
        default:
            return false;
        }
        ligne->setExtremites(x1, y1, x2, y2);
        return true;
    }
    if (estExtremite(p))
        return false;
    if (p == Propriete::FontSize) {
        if (!c->property("FontSize").isValid())
            return false;
        c->setProperty("FontSize", valeur);
        appliquerPolice(c, valeur);
        return true;
    }
    // The first write of a geometry property fixes the others from the pixels.
    for (Propriete q : {Propriete::Top, Propriete::Left, Propriete::Height, Propriete::Width})
        if (!c->property(nomPropriete(q)).isValid())
            c->setProperty(nomPropriete(q), *lirePropriete(c, q));
    c->setProperty(nomPropriete(p), valeur);
    placer(c);
    return true;
}

void ajusterAuTexte(QWidget* c) {
    c->adjustSize();
    c->setProperty("Width", twips(c->width()));
    c->setProperty("Height", twips(c->height()));
}

Ligne::Ligne(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Ligne::setExtremites(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The widget covers the segment and one pixel around it.
    const QRect r = QRect(QPoint(pixels(x1), pixels(y1)), QPoint(pixels(x2), pixels(y2)))
                        .normalized()
                        .adjusted(-1, -1, 1, 1);
    setGeometry(r);
    update();
}

void Ligne::setCouleur(const QColor& c) {
    couleur_ = c;
    update();
}

void Ligne::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(couleur_, 1));
    const QPointF origine = pos();
    p.drawLine(QPointF(x1_ / kTwipsParPixel, y1_ / kTwipsParPixel) - origine,
               QPointF(x2_ / kTwipsParPixel, y2_ / kTwipsParPixel) - origine);
}

} // namespace plateforme
