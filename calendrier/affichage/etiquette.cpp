#include "calendrier/affichage/etiquette.h"

#include <QPainter>
#include <array>
#include <cmath>

namespace {

// The halo's tone: dark around light text, light around dark text (blue
// among them), judged by the text's luminance as the eye sees it.
QColor halo(const QColor& texte) {
    const double luminance =
        0.2126 * texte.redF() + 0.7152 * texte.greenF() + 0.0722 * texte.blueF();
    return luminance > 0.4 ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 210);
}

constexpr std::array<QPointF, 8> kDecalages = {QPointF(-1, 0), QPointF(1, 0),   QPointF(0, -1),
                                               QPointF(0, 1),  QPointF(-1, -1), QPointF(1, 1),
                                               QPointF(-1, 1), QPointF(1, -1)};

} // namespace

Etiquette::Etiquette(QWidget* parent) : QLabel(parent) {}

void Etiquette::setCouleur(const QColor& couleur) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, couleur);
    setPalette(p);
}

QColor Etiquette::couleur() const {
    return palette().color(QPalette::WindowText);
}

void Etiquette::setBordure(bool bordure) {
    if (bordure_ == bordure)
        return;
    bordure_ = bordure;
    update();
}

const QImage& Etiquette::texteAuHalo(qreal echelle) {
    const QColor texte = couleur();
    const QString cle = text() + u'\n' + font().key() + u'\n' + texte.name(QColor::HexArgb) +
                        u'\n' + QString::number(echelle) + u'\n' + QString::number(width()) + u'x' +
                        QString::number(height()) + u'\n' + QString::number(int(alignment()));
    if (cle == cleRendu_)
        return rendu_;
    cleRendu_ = cle;
    // The text is drawn twice and its halo made from the first drawing, not
    // drawn eight times over: a page captured for print has a hundred labels
    // at three times their size.
    const QSize pixels(int(std::ceil(width() * echelle)), int(std::ceil(height() * echelle)));
    const auto vierge = [&] {
        QImage i(pixels, QImage::Format_ARGB32_Premultiplied);
        i.setDevicePixelRatio(echelle);
        i.fill(Qt::transparent);
        return i;
    };
    QImage ombre = vierge();
    {
        QPainter p(&ombre);
        p.setFont(font());
        p.setPen(Qt::black);
        p.drawText(rect(), int(alignment()), text());
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(rect(), halo(texte));
    }
    rendu_ = vierge();
    QPainter p(&rendu_);
    for (const QPointF& d : kDecalages)
        p.drawImage(d, ombre);
    p.setFont(font());
    p.setPen(texte);
    p.drawText(rect(), int(alignment()), text());
    return rendu_;
}

void Etiquette::paintEvent(QPaintEvent* event) {
    if (autoFillBackground()) {
        QLabel::paintEvent(event);
    } else {
        QPainter p(this);
        const QTransform t = p.deviceTransform();
        const qreal echelle = std::max<qreal>(1, std::hypot(t.m11(), t.m12()));
        p.drawImage(QPointF(0, 0), texteAuHalo(echelle));
    }
    if (bordure_) {
        const QColor texte = couleur();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(halo(texte), 3));
        p.drawRoundedRect(r, 3, 3);
        p.setPen(QPen(texte, 1.5));
        p.drawRoundedRect(r, 3, 3);
    }
}
