// Draws the corner ornament of the month pages, 261 x 251 pixels on a
// transparent background, for the bottom-left corner (the bottom-right one is
// its mirror image):
//   dessiner_ornement <ornement.png>
// Gold scrolls with a dark edge, so that they read over any photograph.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr double kCote = 256; // drawn on a square, then fitted to 261 x 251

// Drawing coordinates: from the corner, u to the right, v upwards.
QPointF pt(double u, double v) {
    return {u, kCote - v};
}

// A branch that runs from `depart` and ends curling into a spiral around
// `centre`; the spiral starts at angle `debut` (radians, counter-clockwise
// from the u axis) with radius `rayon`, and turns `sens` = +1 or -1.
QPainterPath volute(QPointF depart, QPointF c1, QPointF c2, QPointF centre, double rayon,
                    double debut, int sens, double tours) {
    const auto point = [&](double t) {
        const double a = debut + sens * t * tours * 2 * std::numbers::pi;
        const double r = rayon * (1 - 0.8 * t);
        return pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    };
    QPainterPath chemin(pt(depart.x(), depart.y()));
    chemin.cubicTo(pt(c1.x(), c1.y()), pt(c2.x(), c2.y()), point(0));
    for (int i = 1; i <= 80; ++i)
        chemin.lineTo(point(i / 80.0));
    return chemin;
}

// The same figure reflected across the corner's diagonal.
QPainterPath reflet(const QPainterPath& chemin) {
    QTransform t(0, -1, -1, 0, kCote, kCote); // (x, y) -> (256 - y, 256 - x)
    return t.map(chemin);
}

QPainterPath feuille(double longueur, double largeur) {
    // A pointed leaf along the diagonal from the corner.
    const double d = longueur / std::numbers::sqrt2;
    QPainterPath chemin(pt(18, 18));
    chemin.quadTo(pt(18 + d / 2 - largeur, 18 + d / 2 + largeur), pt(18 + d, 18 + d));
    chemin.quadTo(pt(18 + d / 2 + largeur, 18 + d / 2 - largeur), pt(18, 18));
    return chemin;
}

void tracer(QPainter& p, const QPainterPath& chemin, double epaisseur) {
    QLinearGradient or_(pt(0, 0), pt(kCote, kCote));
    or_.setColorAt(0, QColor(250, 222, 130));
    or_.setColorAt(0.5, QColor(214, 162, 58));
    or_.setColorAt(1, QColor(246, 210, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(QColor(62, 36, 12, 235), epaisseur + 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chemin);
    p.setPen(QPen(QBrush(or_), epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chemin);
}

void remplir(QPainter& p, const QPainterPath& chemin) {
    QLinearGradient or_(pt(20, 20), pt(110, 110));
    or_.setColorAt(0, QColor(200, 146, 44));
    or_.setColorAt(1, QColor(252, 226, 140));
    p.setPen(QPen(QColor(62, 36, 12, 235), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(or_);
    p.drawPath(chemin);
}

void perle(QPainter& p, double u, double v, double r) {
    QPainterPath rond;
    rond.addEllipse(pt(u, v), r, r);
    remplir(p, rond);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dessiner_ornement <ornement.png>\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    QImage image(261, 251, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(261 / kCote, 251 / kCote);

    // The long arm along the bottom edge, curling up at its end, and its
    // reflection up the left edge.
    const QPainterPath bras =
        volute({16, 16}, {70, 6}, {140, 30}, {196, 46}, 30, -std::numbers::pi / 2, +1, 1.4);
    // A shorter scroll inside it, turning the other way.
    const QPainterPath rameau =
        volute({34, 30}, {70, 34}, {96, 52}, {118, 76}, 17, -std::numbers::pi / 2 - 0.4, +1, 1.2);
    for (const QPainterPath& c : {bras, reflet(bras)})
        tracer(p, c, 7);
    for (const QPainterPath& c : {rameau, reflet(rameau)})
        tracer(p, c, 4.5);
    remplir(p, feuille(118, 16));
    perle(p, 112, 112, 8);
    perle(p, 20, 20, 12);
    perle(p, 150, 14, 4.5);
    perle(p, 14, 150, 4.5);
    p.end();

    if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "dessiner_ornement: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
