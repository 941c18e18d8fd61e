#pragma once

// Pictures: every picture file of the suite is read through one loader, and
// shown in picture boxes that paint it at whatever resolution they are drawn.
// Only regular files are opened (links followed), and nothing blocks: a FIFO,
// a device or a folder named like a picture is no picture.

#include <QImage>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace plateforme {

// The most memory one decoded picture may take, in megabytes. A 24-megapixel
// photo decoded whole takes 96; beyond this limit a file is refused rather
// than allowed to exhaust memory.
inline constexpr int kLimiteAllocationMo = 256;

// The size of the picture as shown (EXIF orientation applied; a metafile at
// 96 dots an inch), without decoding it (a metafile is played, bounded, so
// that one that cannot play has no size); invalid when the file is not a
// readable picture.
QSize tailleImage(const QString& chemin);

// Decodes a picture, upright (EXIF orientation applied). With a valid `taille`
// the picture is decoded straight at that size, stretched to it: JPEG decodes
// at a reduced scale, so a large photo shown small is read fast and small (a
// screen-sized decode uses the preview a camera stored in the file when that
// holds enough pixels), and a Windows metafile (known by its content, whatever
// its name) is drawn at that size. A null image when the file is missing, is
// not a picture, is damaged or is too large.
QImage chargerImage(const QString& chemin, QSize taille = {});

// A quick first view of a picture shown at `taille`: as chargerImage, except
// that a large JPEG may be read at the eighth of its size nearest below
// `taille` (at least 70 % of it on each side) and is then returned as read,
// not stretched: in half the time of the eighth above.
QImage chargerApercu(const QString& chemin, QSize taille);

// Decodes a picture for drawing scaled afterwards: at the smallest of its own
// size, its half, quarter or eighth that still covers `taille`, which JPEG
// reduces to while decoding, for a fraction of a full decode, and with the
// decoder's fast path (its small losses vanish in the scaling that follows).
// A Windows metafile is drawn at `taille`. A null image as for chargerImage.
QImage chargerImageAuMoins(const QString& chemin, QSize taille);

// A picture box: keeps its picture and paints it into its rectangle,
// stretched (the default) or at its natural size from the top-left corner.
//
// Resolution: the box keeps the source path and the picture decoded at the
// resolution it was last painted at. When it is painted at a higher density
// than that decode holds (a page rendered at twice its pixel size for
// printing), it decodes the source again at the size needed, never beyond the
// source's own size (a metafile is drawn again at any size); so the screen
// holds a screen-sized picture only, and a print is as sharp as the source
// allows. A picture given as an image (not a file) is kept whole.
class BoiteImage : public QWidget {
    Q_OBJECT
public:
    explicit BoiteImage(QWidget* parent = nullptr);

    // Loads a picture file; false, leaving the box empty, when the file is not
    // a readable picture. An empty path empties the box.
    bool charger(const QString& chemin);
    void setImage(const QImage& image);
    void vider();

    bool estVide() const { return tailleSource_.isEmpty(); }
    QString chemin() const { return chemin_; }
    // The picture's own size (EXIF orientation applied).
    QSize tailleSource() const { return tailleSource_; }
    // The size of the picture as decoded now.
    QSize tailleDecodee() const { return image_.size(); }

    void setEtire(bool etire);
    bool etire() const { return etire_; }

    // A preview box: a large photo first appears from a quicker, coarser
    // decode (chargerApercu), made sharp straight after, once the window has
    // had the time to show it.
    void setApercu(bool apercu) { apercu_ = apercu; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The size, in device pixels, at which the picture is painted by `p`.
    QSize tailleVoulue(const QPainter& p) const;
    // The box's size in device pixels.
    QSize tailleEcran() const { return size() * devicePixelRatioF(); }
    // The decode worth making for `taille`: no more pixels than the source has.
    QSize borner(QSize taille) const;
    void decoderPour(QSize taille);
    void affiner();

    QString chemin_;
    QSize tailleSource_;
    QImage image_;
    bool vectoriel_ = false;
    bool etire_ = true;
    bool apercu_ = false;
    // Pending while a first view waits for its sharp decode at screen size.
    QTimer affinage_;
};

} // namespace plateforme
