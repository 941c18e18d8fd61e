#include "plateforme/fenetres/boiteimage.h"

#include <QPainter>
#include <cmath>

namespace plateforme {

BoiteImage::BoiteImage(QWidget* parent) : QWidget(parent) {
    affinage_.setSingleShot(true);
    affinage_.setInterval(0);
    connect(&affinage_, &QTimer::timeout, this, &BoiteImage::affiner);
}

bool BoiteImage::charger(const QString& chemin) {
    vider();
    const Source source = examinerImage(chemin);
    if (source.taille.isEmpty())
        return false;
    chemin_ = chemin;
    tailleSource_ = source.taille;
    vectoriel_ = source.vectoriel;
    const QSize ecran = tailleEcran();
    if (apercu_ && etire_ && !vectoriel_ && !ecran.isEmpty()) {
        const QSize voulue = borner(ecran);
        image_ = chargerApercu(chemin_, voulue);
        if (image_.width() < voulue.width() || image_.height() < voulue.height())
            affinage_.start();
    } else {
        decoderPour(etire_ && !ecran.isEmpty() ? ecran : source.taille);
    }
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
    affinage_.stop();
    chemin_.clear();
    tailleSource_ = {};
    vectoriel_ = false;
    image_ = {};
    update();
}

void BoiteImage::setEtire(bool etire) {
    etire_ = etire;
    update();
}

QSize BoiteImage::borner(QSize taille) const {
    return vectoriel_ ? taille : taille.boundedTo(tailleSource_);
}

void BoiteImage::decoderPour(QSize taille) {
    // The file changed or vanished: keep what we had.
    if (QImage image = chargerImage(chemin_, borner(taille)); !image.isNull())
        image_ = std::move(image);
}

void BoiteImage::affiner() {
    decoderPour(tailleEcran());
    update();
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
        const QSize voulue = borner(tailleVoulue(p));
        // A first view stays until its sharp decode, due straight after.
        const bool attendre = affinage_.isActive() && voulue == borner(tailleEcran());
        if (!attendre &&
            (voulue.width() > image_.width() + 1 || voulue.height() > image_.height() + 1)) {
            affinage_.stop();
            decoderPour(voulue);
        }
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (etire_)
        p.drawImage(rect(), image_);
    else
        p.drawImage(QRect(QPoint(0, 0), tailleSource_), image_);
}

} // namespace plateforme
