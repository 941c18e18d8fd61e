#pragma once

// The picture box of every window: it paints a picture read through the
// loader, at whatever resolution it is drawn.

#include "plateforme/noyau/images.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace plateforme {

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
    // The picture as decoded now, and its size.
    const QImage& image() const { return image_; }
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
