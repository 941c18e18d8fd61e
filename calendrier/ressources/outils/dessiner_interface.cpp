// Draws the pictures of the program's windows into a folder:
//   dessiner_interface <dossier>
// barre01.png ... barre15.png  the toolbars''s images (96 x 96, transparent)
// logo.png                     the splash logo (256 x 256, transparent)
// fond.jpg                     the background behind the splash (1600 x 1200)
// accueil.png                  the picture of the main screen (720 x 840)
// One palette throughout: ink blue, warm paper, gold, and a red for the day.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kEncreClaire(0x3d, 0x5f, 0x8f);
const QColor kPapier(0xf6, 0xf3, 0xec);
const QColor kOr(0xd9, 0xa4, 0x41);
const QColor kRouge(0xc8, 0x47, 0x3a);
const QColor kVert(0x3f, 0x8f, 0x5f);
const QColor kGris(0x6b, 0x72, 0x80);

QFont police(double pixels, bool gras = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(gras);
    return f;
}

QPen trait(const QColor& c, double epaisseur) {
    return QPen(c, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A calendar sheet: coloured header with two rings, a grid of days below.
void feuillet(QPainter& p, QRectF r, const QColor& entete, int lignes, int colonnes,
              int jourMarque) {
    const double rayon = r.width() * 0.1;
    p.setPen(trait(kEncre, r.width() * 0.05));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, rayon, rayon);
    QPainterPath haut;
    haut.setFillRule(Qt::WindingFill);
    const QRectF bande(r.left(), r.top(), r.width(), r.height() * 0.28);
    haut.addRoundedRect(bande, rayon, rayon);
    haut.addRect(bande.adjusted(0, bande.height() / 2, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(entete);
    p.drawPath(haut.simplified());
    p.setPen(trait(kEncre, r.width() * 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, rayon, rayon);
    // Rings.
    p.setPen(trait(kEncre, r.width() * 0.07));
    for (double x : {0.3, 0.7})
        p.drawLine(QPointF(r.left() + r.width() * x, r.top() - r.height() * 0.08),
                   QPointF(r.left() + r.width() * x, r.top() + r.height() * 0.1));
    // Days.
    const QRectF grille(r.left() + r.width() * 0.14, r.top() + r.height() * 0.38, r.width() * 0.72,
                        r.height() * 0.52);
    const double l = grille.width() / colonnes, h = grille.height() / lignes;
    int n = 0;
    for (int i = 0; i < lignes; ++i)
        for (int j = 0; j < colonnes; ++j, ++n) {
            const QRectF c(grille.left() + j * l + l * 0.15, grille.top() + i * h + h * 0.15,
                           l * 0.7, h * 0.7);
            p.setPen(Qt::NoPen);
            p.setBrush(n == jourMarque ? kRouge : QColor(0xc9, 0xd1, 0xdd));
            p.drawRoundedRect(c, c.width() * 0.2, c.width() * 0.2);
        }
}

using Dessinateur = std::function<void(QPainter&)>;

// Every toolbar image is drawn on a 96-pixel square.
const std::array<Dessinateur, 15> kImages = {{
    // 1 FIN: a power sign.
    [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRouge);
        p.drawEllipse(QRectF(8, 8, 80, 80));
        p.setPen(trait(Qt::white, 8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(27, 29, 42, 42), 125 * 16, 290 * 16);
        p.drawLine(QPointF(48, 22), QPointF(48, 48));
    },
    // 2 ECRAN: a screen showing a page.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 5));
        p.setBrush(kEncre);
        p.drawRoundedRect(QRectF(8, 14, 80, 56), 6, 6);
        QLinearGradient ciel(0, 18, 0, 66);
        ciel.setColorAt(0, QColor(0x9c, 0xc9, 0xf0));
        ciel.setColorAt(1, QColor(0xe8, 0xf2, 0xfb));
        p.setPen(Qt::NoPen);
        p.setBrush(ciel);
        p.drawRect(QRectF(14, 20, 68, 44));
        p.setBrush(QColor(0x6d, 0xa8, 0x5e));
        QPainterPath colline(QPointF(14, 64));
        colline.cubicTo(QPointF(34, 40), QPointF(56, 56), QPointF(82, 44));
        colline.lineTo(82, 64);
        p.drawPath(colline);
        p.setBrush(kOr);
        p.drawEllipse(QRectF(60, 26, 12, 12));
        p.setBrush(kEncre);
        p.drawRect(QRectF(42, 70, 12, 10));
        p.drawRoundedRect(QRectF(28, 80, 40, 7), 3, 3);
    },
    // 3 IMPRIMANTE: a printer with its sheet.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(26, 10, 44, 30));
        p.setBrush(kEncreClaire);
        p.drawRoundedRect(QRectF(8, 34, 80, 36), 8, 8);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(24, 56, 48, 30));
        p.setPen(trait(QColor(0xc9, 0xd1, 0xdd), 4));
        for (double y : {66.0, 76.0})
            p.drawLine(QPointF(32, y), QPointF(64, y));
        p.setPen(Qt::NoPen);
        p.setBrush(kOr);
        p.drawEllipse(QRectF(72, 42, 8, 8));
    },
    // 4 ANNIVERSAIRE: a cake with candles.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 4));
        p.setBrush(QColor(0xf3, 0xc6, 0xcf));
        p.drawRoundedRect(QRectF(12, 46, 72, 38), 8, 8);
        p.setBrush(Qt::white);
        QPainterPath creme(QPointF(12, 58));
        for (int i = 0; i < 6; ++i)
            creme.quadTo(QPointF(18 + i * 12, 68), QPointF(24 + i * 12, 58));
        creme.lineTo(84, 52);
        creme.quadTo(84, 46, 76, 46);
        creme.lineTo(20, 46);
        creme.quadTo(12, 46, 12, 52);
        creme.closeSubpath();
        p.drawPath(creme);
        for (double x : {30.0, 48.0, 66.0}) {
            p.setPen(trait(kEncre, 3));
            p.setBrush(kEncreClaire);
            p.drawRect(QRectF(x - 3, 26, 6, 20));
            p.setPen(Qt::NoPen);
            p.setBrush(kOr);
            QPainterPath flamme(QPointF(x, 8));
            flamme.quadTo(QPointF(x + 7, 18), QPointF(x, 22));
            flamme.quadTo(QPointF(x - 7, 18), QPointF(x, 8));
            p.drawPath(flamme);
        }
    },
    // 5 CONSULT MOIS: one month's sheet, a day marked.
    [](QPainter& p) { feuillet(p, QRectF(12, 14, 72, 72), kEncreClaire, 4, 5, 12); },
    // 6 CONSULT ANNEE: twelve small months behind a sheet.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 3));
        p.setBrush(kPapier);
        p.drawRoundedRect(QRectF(26, 6, 62, 62), 6, 6);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) {
                p.setBrush(j == 3 && i == 0 ? kOr : QColor(0xb7, 0xc4, 0xd6));
                p.drawRoundedRect(QRectF(34 + j * 13, 14 + i * 13, 9, 9), 2, 2);
            }
        feuillet(p, QRectF(8, 38, 50, 50), kEncreClaire, 3, 4, 5);
    },
    // 7 FETE FIXE: a gold star.
    [](QPainter& p) {
        QPainterPath etoile;
        for (int i = 0; i < 10; ++i) {
            const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = i % 2 == 0 ? 42 : 18;
            const QPointF pt(48 + r * std::cos(a), 52 + r * std::sin(a));
            i == 0 ? etoile.moveTo(pt) : etoile.lineTo(pt);
        }
        etoile.closeSubpath();
        QLinearGradient or_(0, 10, 0, 90);
        or_.setColorAt(0, QColor(0xf4, 0xcf, 0x74));
        or_.setColorAt(1, kOr);
        p.setPen(trait(QColor(0x8a, 0x5f, 0x14), 4));
        p.setBrush(or_);
        p.drawPath(etoile);
    },
    // 8 RETOUR MENU: an arrow turning back.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 10));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc(QPointF(30, 40));
        arc.lineTo(58, 40);
        arc.cubicTo(QPointF(90, 40), QPointF(90, 82), QPointF(58, 82));
        arc.lineTo(36, 82);
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(kEncre);
        p.drawPolygon(QPolygonF({QPointF(8, 40), QPointF(34, 20), QPointF(34, 60)}));
    },
    // 9 ENREGISTRER: a disk.
    [](QPainter& p) {
        QPainterPath corps(QPointF(10, 16));
        corps.quadTo(10, 10, 16, 10);
        corps.lineTo(72, 10);
        corps.lineTo(86, 24);
        corps.lineTo(86, 80);
        corps.quadTo(86, 86, 80, 86);
        corps.lineTo(16, 86);
        corps.quadTo(10, 86, 10, 80);
        corps.closeSubpath();
        p.setPen(trait(kEncre, 4));
        p.setBrush(kEncreClaire);
        p.drawPath(corps);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(24, 10, 42, 24));
        p.setBrush(kEncre);
        p.drawRect(QRectF(52, 14, 8, 16));
        p.setBrush(kPapier);
        p.drawRoundedRect(QRectF(20, 50, 56, 36), 3, 3);
        p.setPen(trait(QColor(0xc9, 0xd1, 0xdd), 3));
        for (double y : {62.0, 72.0})
            p.drawLine(QPointF(28, y), QPointF(68, y));
    },
    // 10 VOIR CALENDR: a magnifying glass over a sheet.
    [](QPainter& p) {
        feuillet(p, QRectF(8, 12, 60, 66), kEncreClaire, 3, 4, 6);
        p.setPen(trait(kEncre, 11));
        p.drawLine(QPointF(72, 72), QPointF(88, 88));
        p.setPen(trait(kEncre, 5));
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawEllipse(QPointF(60, 60), 19, 19);
    },
    // 11 CONTINUER: a forward arrow.
    [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kVert);
        p.drawEllipse(QRectF(8, 8, 80, 80));
        p.setPen(trait(Qt::white, 10));
        p.drawLine(QPointF(28, 48), QPointF(62, 48));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(74, 48), QPointF(52, 30), QPointF(52, 66)}));
    },
    // 12 LISEZ-MOI: a question mark.
    [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kEncreClaire);
        p.drawEllipse(QRectF(8, 8, 80, 80));
        p.setPen(Qt::white);
        p.setFont(police(58));
        p.drawText(QRectF(8, 8, 80, 82), Qt::AlignCenter, QStringLiteral("?"));
    },
    // 13 SITE: a globe.
    [](QPainter& p) {
        QRadialGradient mer(QPointF(38, 36), 50);
        mer.setColorAt(0, QColor(0x8f, 0xc3, 0xeb));
        mer.setColorAt(1, kEncreClaire);
        p.setPen(trait(kEncre, 4));
        p.setBrush(mer);
        p.drawEllipse(QRectF(10, 10, 76, 76));
        p.setBrush(Qt::NoBrush);
        p.setPen(trait(QColor(255, 255, 255, 200), 3));
        p.drawEllipse(QRectF(32, 12, 32, 72));
        p.drawLine(QPointF(48, 12), QPointF(48, 84));
        p.drawLine(QPointF(12, 48), QPointF(84, 48));
        p.drawArc(QRectF(14, 22, 68, 20), 0, 180 * 16);
        p.drawArc(QRectF(14, 54, 68, 20), 180 * 16, 180 * 16);
    },
    // 14 EFFACER: a waste bin.
    [](QPainter& p) {
        p.setPen(trait(kEncre, 4));
        p.setBrush(kRouge);
        QPainterPath cuve(QPointF(20, 30));
        cuve.lineTo(76, 30);
        cuve.lineTo(70, 86);
        cuve.quadTo(69, 90, 64, 90);
        cuve.lineTo(32, 90);
        cuve.quadTo(27, 90, 26, 86);
        cuve.closeSubpath();
        p.drawPath(cuve);
        p.setPen(trait(Qt::white, 5));
        for (double x : {38.0, 48.0, 58.0})
            p.drawLine(QPointF(x, 40), QPointF(x, 80));
        p.setPen(trait(kEncre, 4));
        p.setBrush(kEncreClaire);
        p.drawRoundedRect(QRectF(12, 18, 72, 12), 4, 4);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(36, 8, 24, 10), 3, 3);
    },
    // 15 AUTRE: the saved calendars, one sheet behind another.
    [](QPainter& p) {
        feuillet(p, QRectF(34, 8, 54, 54), QColor(0xb7, 0xc4, 0xd6), 3, 4, -1);
        feuillet(p, QRectF(8, 34, 54, 54), kOr, 3, 4, 7);
    },
}};

bool enregistrer(const QImage& image, const QString& chemin, int qualite = -1) {
    if (image.save(chemin, nullptr, qualite))
        return true;
    std::fprintf(stderr, "dessiner_interface: cannot write %s\n", qPrintable(chemin));
    return false;
}

QImage transparente(int l, int h) {
    QImage image(l, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage logo() {
    QImage image = transparente(256, 256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A tile of ink blue, a sheet on it with the day in red.
    QLinearGradient fond(0, 0, 0, 256);
    fond.setColorAt(0, kEncreClaire);
    fond.setColorAt(1, kEncre);
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    const QRectF feuille(48, 58, 160, 158);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(feuille.translated(0, 6), 18, 18);
    p.setBrush(kPapier);
    p.drawRoundedRect(feuille, 18, 18);
    QPainterPath bande;
    bande.setFillRule(Qt::WindingFill);
    bande.addRoundedRect(QRectF(48, 58, 160, 48), 18, 18);
    bande.addRect(QRectF(48, 84, 160, 22));
    p.setBrush(kRouge);
    p.drawPath(bande.simplified());
    p.setPen(trait(kOr, 12));
    for (double x : {92.0, 164.0})
        p.drawLine(QPointF(x, 40), QPointF(x, 74));
    p.setPen(kEncre);
    p.setFont(police(92));
    p.drawText(QRectF(48, 104, 160, 110), Qt::AlignCenter, QStringLiteral("31"));
    return image;
}

QImage fond() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 1600, 1200);
    ciel.setColorAt(0, QColor(0x2d, 0x4a, 0x74));
    ciel.setColorAt(0.55, kEncre);
    ciel.setColorAt(1, QColor(0x15, 0x24, 0x3a));
    p.fillRect(image.rect(), ciel);
    // A faint day grid across the picture.
    p.setPen(QPen(QColor(255, 255, 255, 14), 2));
    for (int x = 0; x <= 1600; x += 100)
        p.drawLine(x, 0, x, 1200);
    for (int y = 0; y <= 1200; y += 100)
        p.drawLine(0, y, 1600, y);
    // Soft lights.
    const auto lumiere = [&](QPointF c, double r, QColor teinte) {
        QRadialGradient g(c, r);
        g.setColorAt(0, teinte);
        teinte.setAlpha(0);
        g.setColorAt(1, teinte);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    };
    lumiere({1250, 260}, 520, QColor(0xd9, 0xa4, 0x41, 70));
    lumiere({260, 1000}, 600, QColor(0x5d, 0x8f, 0xc9, 60));
    lumiere({820, 620}, 380, QColor(255, 255, 255, 18));
    // A few marked days, in gold.
    p.setPen(Qt::NoPen);
    for (QPoint c : {QPoint(3, 2), QPoint(11, 4), QPoint(6, 9), QPoint(13, 8), QPoint(1, 6)}) {
        p.setBrush(QColor(0xd9, 0xa4, 0x41, 40));
        p.drawRoundedRect(QRectF(c.x() * 100 + 10, c.y() * 100 + 10, 80, 80), 10, 10);
    }
    return image;
}

QImage accueil() {
    QImage image = transparente(720, 840);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The hanging string and its nail.
    p.setPen(trait(kGris, 4));
    p.drawLine(QPointF(360, 24), QPointF(170, 96));
    p.drawLine(QPointF(360, 24), QPointF(550, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(kGris);
    p.drawEllipse(QPointF(360, 24), 10, 10);

    const QRectF page(60, 80, 600, 740);
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawRoundedRect(page.translated(8, 12), 16, 16);
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 16, 16);

    // The month's picture: a summer landscape.
    const QRectF photo(84, 120, 552, 330);
    p.save();
    QPainterPath cadre;
    cadre.addRoundedRect(photo, 8, 8);
    p.setClipPath(cadre);
    QLinearGradient ciel(0, photo.top(), 0, photo.bottom());
    ciel.setColorAt(0, QColor(0x7f, 0xb6, 0xe6));
    ciel.setColorAt(1, QColor(0xf3, 0xe1, 0xc2));
    p.fillRect(photo, ciel);
    p.setBrush(QColor(0xf6, 0xc4, 0x5a));
    p.drawEllipse(QPointF(500, 220), 42, 42);
    const auto colline = [&](double y0, double a, double b, QColor c) {
        QPainterPath ch(QPointF(photo.left(), photo.bottom()));
        ch.lineTo(photo.left(), y0);
        ch.cubicTo(QPointF(photo.left() + 180, y0 - a), QPointF(photo.left() + 360, y0 + b),
                   QPointF(photo.right(), y0 - a / 2));
        ch.lineTo(photo.right(), photo.bottom());
        p.setBrush(c);
        p.drawPath(ch);
    };
    colline(330, 90, 40, QColor(0x8d, 0xb3, 0x8b));
    colline(380, 60, 50, QColor(0x5e, 0x93, 0x62));
    // Rows of lavender.
    for (int i = 0; i < 7; ++i) {
        QPainterPath rang(QPointF(84 + i * 90, 450));
        rang.quadTo(QPointF(260 + i * 40, 420), QPointF(300 + i * 30, 400));
        p.setPen(trait(QColor(0x8a, 0x6f, 0xbf), 16));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rang);
    }
    p.restore();

    // Spiral rings across the top.
    for (int i = 0; i < 14; ++i) {
        const double x = 110 + i * 38.5;
        p.setPen(trait(kGris, 5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 8, 66, 16, 28), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd8, 0xd8, 0xd8));
        p.drawEllipse(QPointF(x, 98), 5, 5);
    }

    // The month and its grid.
    p.setPen(kEncre);
    p.setFont(police(36));
    p.drawText(QRectF(84, 462, 552, 50), Qt::AlignCenter, QStringLiteral("JUILLET"));
    const QStringList jours = {u"L"_qs, u"M"_qs, u"M"_qs, u"J"_qs, u"V"_qs, u"S"_qs, u"D"_qs};
    const double l = 552.0 / 7, h = 46;
    p.setFont(police(20));
    for (int j = 0; j < 7; ++j) {
        p.setPen(j == 6 ? kRouge : kGris);
        p.drawText(QRectF(84 + j * l, 514, l, 30), Qt::AlignCenter, jours[j]);
    }
    p.setFont(police(21, false));
    int jour = 1;
    for (int i = 0; i < 5 && jour <= 31; ++i)
        for (int j = 0; j < 7 && jour <= 31; ++j) {
            if (i == 0 && j < 1)
                continue;
            const QRectF c(84 + j * l, 548 + i * h, l, h);
            if (jour == 14) {
                p.setPen(Qt::NoPen);
                p.setBrush(kRouge);
                p.drawEllipse(c.center(), 19, 19);
                p.setPen(Qt::white);
            } else if (jour == 22) {
                p.setPen(trait(kOr, 3));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(c.center(), 19, 19);
                p.setPen(kEncre);
            } else {
                p.setPen(j == 6 ? kRouge : kEncre);
            }
            p.drawText(c, Qt::AlignCenter, QString::number(jour++));
        }
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dessiner_interface <dossier>\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        QImage image = transparente(96, 96);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        kImages[i](p);
        p.end();
        ok = enregistrer(image.convertToFormat(QImage::Format_ARGB32),
                         dossier.filePath(QStringLiteral("barre%1.png")
                                              .arg(static_cast<int>(i + 1), 2, 10, QChar(u'0')))) &&
             ok;
    }
    ok = enregistrer(logo().convertToFormat(QImage::Format_ARGB32),
                     dossier.filePath(QStringLiteral("logo.png"))) &&
         ok;
    ok = enregistrer(fond(), dossier.filePath(QStringLiteral("fond.jpg")), 88) && ok;
    ok = enregistrer(accueil().convertToFormat(QImage::Format_ARGB32),
                     dossier.filePath(QStringLiteral("accueil.png"))) &&
         ok;
    return ok ? 0 : 1;
}
