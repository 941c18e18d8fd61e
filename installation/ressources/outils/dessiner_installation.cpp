// Draws the pictures of the installer's windows into a folder:
//   dessiner_installation <dossier>
// vert.png       the main window's background (640 x 454)
// installer.png  the picture of the button that starts the copy (128 x 128, transparent)
// logo.png       the splash logo (256 x 256, transparent)
// The suite's palette, with the installer's own green.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kPapier(0xf6, 0xf3, 0xec);
const QColor kOr(0xd9, 0xa4, 0x41);
const QColor kRouge(0xc8, 0x47, 0x3a);
const QColor kVertFonce(0x1f, 0x5e, 0x3b);
const QColor kVert(0x3f, 0x8f, 0x5f);
const QColor kVertClair(0x7c, 0xbf, 0x8e);

QPen trait(const QColor& c, double epaisseur) {
    return QPen(c, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage transparente(int cote) {
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// An open box seen from the front, its flaps up, in a square of side 1.
void carton(QPainter& p, const QColor& face, const QColor& bord) {
    p.setPen(trait(bord, 0.035));
    p.setBrush(face.darker(115));
    p.drawPolygon(QPolygonF({{0.14, 0.52}, {0.02, 0.34}, {0.30, 0.34}, {0.40, 0.52}}));
    p.drawPolygon(QPolygonF({{0.86, 0.52}, {0.98, 0.34}, {0.70, 0.34}, {0.60, 0.52}}));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.14, 0.52, 0.72, 0.40), 0.04, 0.04);
    p.setPen(trait(bord.lighter(160), 0.03));
    p.drawLine(QPointF(0.26, 0.64), QPointF(0.74, 0.64));
}

// A thick arrow pointing down into the box.
void fleche(QPainter& p, const QColor& couleur) {
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPolygon(QPolygonF({{0.42, 0.04},
                             {0.58, 0.04},
                             {0.58, 0.34},
                             {0.72, 0.34},
                             {0.50, 0.58},
                             {0.28, 0.34},
                             {0.42, 0.34}}));
}

QImage installer() {
    QImage image = transparente(128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(128, 128);
    carton(p, kOr, QColor(0x8a, 0x5f, 0x14));
    fleche(p, kVertFonce);
    return image;
}

QImage logo() {
    QImage image = transparente(256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, 256);
    fond.setColorAt(0, kVertClair);
    fond.setColorAt(1, kVertFonce);
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.translate(40, 44);
    p.scale(176, 176);
    // A calendar sheet going into the box.
    p.setPen(trait(kEncre, 0.025));
    p.setBrush(kPapier);
    p.drawRoundedRect(QRectF(0.30, 0.06, 0.40, 0.44), 0.05, 0.05);
    p.setBrush(kRouge);
    p.drawRoundedRect(QRectF(0.30, 0.06, 0.40, 0.12), 0.05, 0.05);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            p.setBrush(i == 1 && j == 2 ? kRouge : QColor(0xb7, 0xc4, 0xd6));
            p.drawRect(QRectF(0.34 + j * 0.085, 0.23 + i * 0.08, 0.05, 0.05));
        }
    carton(p, kOr, QColor(0x8a, 0x5f, 0x14));
    return image;
}

QImage vert() {
    QImage image(640, 454, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 640, 454);
    fond.setColorAt(0, kVert);
    fond.setColorAt(1, kVertFonce);
    p.fillRect(image.rect(), fond);
    // Faint rings, echoing the calendar sheets' rings.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 16), 10));
        p.drawEllipse(QPointF(600, -20), 90 + i * 60, 90 + i * 60);
    }
    QRadialGradient lumiere(QPointF(120, 40), 360);
    lumiere.setColorAt(0, QColor(255, 255, 255, 50));
    lumiere.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(lumiere);
    p.drawRect(image.rect());
    // The pale panel the controls stand on, under the status line.
    const QRectF panneau(24, 108, 592, 322);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(panneau.translated(0, 5), 18, 18);
    p.setBrush(kPapier);
    p.drawRoundedRect(panneau, 18, 18);
    p.setPen(trait(kOr, 3));
    p.drawLine(QPointF(60, 96), QPointF(580, 96));
    return image;
}

bool enregistrer(const QImage& image, const QString& chemin) {
    if (image.save(chemin))
        return true;
    std::fprintf(stderr, "dessiner_installation: cannot write %s\n", qPrintable(chemin));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dessiner_installation <dossier>\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!dossier.mkpath(u"."_qs))
        return 1;
    const bool ok = enregistrer(vert(), dossier.filePath(u"vert.png"_qs)) &&
                    enregistrer(installer(), dossier.filePath(u"installer.png"_qs)) &&
                    enregistrer(logo(), dossier.filePath(u"logo.png"_qs));
    return ok ? 0 : 1;
}
