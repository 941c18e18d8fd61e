#include "plateforme/images.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plateforme {

namespace {

bool estTourne(const QImageReader& lecteur) {
    return lecteur.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

// Below 50 the JPEG decoder takes its fast path.
constexpr int kQualiteRapide = 49;

void preparer(QImageReader& lecteur) {
    lecteur.setAllocationLimit(kLimiteAllocationMo);
    lecteur.setAutoTransform(true);
}

} // namespace

QSize tailleImage(const QString& chemin) {
    if (chemin.isEmpty())
        return {};
    QImageReader lecteur(chemin);
    preparer(lecteur);
    if (!lecteur.canRead())
        return {};
    const QSize taille = lecteur.size();
    if (taille.isEmpty())
        return {};
    return estTourne(lecteur) ? taille.transposed() : taille;
}

QImage chargerImage(const QString& chemin, QSize taille) {
    if (chemin.isEmpty())
        return {};
    QImageReader lecteur(chemin);
    preparer(lecteur);
    // The decoder scales the picture as stored; the turn comes afterwards.
    if (taille.isValid() && !taille.isEmpty())
        lecteur.setScaledSize(estTourne(lecteur) ? taille.transposed() : taille);
    return lecteur.read();
}

QImage chargerImageAuMoins(const QString& chemin, QSize taille) {
    if (chemin.isEmpty())
        return {};
    QImageReader lecteur(chemin);
    preparer(lecteur);
    const QSize stockee = lecteur.size();
    const QSize voulue = estTourne(lecteur) ? taille.transposed() : taille;
    // Sizes rounded down, so that the decoder takes exactly that reduction.
    for (int huitiemes : {1, 2, 4}) {
        const QSize reduite(stockee.width() * huitiemes / 8, stockee.height() * huitiemes / 8);
        if (reduite.width() >= voulue.width() && reduite.height() >= voulue.height() &&
            !reduite.isEmpty()) {
            lecteur.setScaledSize(reduite);
            lecteur.setQuality(kQualiteRapide);
            break;
        }
    }
    return lecteur.read();
}

BoiteImage::BoiteImage(QWidget* parent) : QWidget(parent) {}

bool BoiteImage::charger(const QString& chemin) {
    vider();
    const QSize source = tailleImage(chemin);
    if (source.isEmpty())
        return false;
    chemin_ = chemin;
    tailleSource_ = source;
    const QSize ecran = size() * devicePixelRatioF();
    decoderPour(etire_ && !ecran.isEmpty() ? ecran : source);
    if (image_.isNull()) {
        vider();
        return false;
    }
    return true;
}

void BoiteImage::setImage(const QImage& image) {
    vider();
    image_ = image;
    tailleSource_ = image.size();
}

void BoiteImage::vider() {
    chemin_.clear();
    tailleSource_ = {};
    image_ = {};
    update();
}

void BoiteImage::setEtire(bool etire) {
    etire_ = etire;
    update();
}

void BoiteImage::decoderPour(QSize taille) {
    const QSize voulue = taille.boundedTo(tailleSource_);
    image_ = chargerImage(chemin_, voulue);
}

QSize BoiteImage::tailleVoulue(const QPainter& p) const {
    if (!etire_)
        return tailleSource_;
    const QTransform t = p.deviceTransform();
    const double sx = std::hypot(t.m11(), t.m12());
    const double sy = std::hypot(t.m21(), t.m22());
    return QSize(static_cast<int>(std::ceil(width() * sx)),
                 static_cast<int>(std::ceil(height() * sy)));
}

void BoiteImage::paintEvent(QPaintEvent*) {
    if (estVide())
        return;
    QPainter p(this);
    if (!chemin_.isEmpty()) {
        const QSize voulue = tailleVoulue(p).boundedTo(tailleSource_);
        if (voulue.width() > image_.width() + 1 || voulue.height() > image_.height() + 1) {
            const QImage avant = image_;
            decoderPour(voulue);
            if (image_.isNull()) // the file changed or vanished: keep what we had
                image_ = avant;
        }
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (etire_)
        p.drawImage(rect(), image_);
    else
        p.drawImage(QRect(QPoint(0, 0), tailleSource_), image_);
}

} // namespace plateforme
