#include "calendrier/pages/etiquette.h"

#include <QPainter>
#include <array>

namespace {

// The halo's tone: dark around light text, light around dark text (blue
// among them), judged by the text's luminance as the eye sees it.
QColor halo(const QColor& texte) {
    const double luminance =
        0.2126 * texte.redF() + 0.7152 * texte.greenF() + 0.0722 * texte.blueF();
    return luminance > 0.4 ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 210);
}

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

void Etiquette::paintEvent(QPaintEvent* event) {
    const QColor texte = couleur();
    if (autoFillBackground()) {
        QLabel::paintEvent(event);
    } else {
        QPainter p(this);
        p.setFont(font());
        const QRectF cadre = contentsRect();
        p.setPen(halo(texte));
        static constexpr std::array<QPointF, 8> decalages = {
            QPointF(-1, 0),  QPointF(1, 0), QPointF(0, -1), QPointF(0, 1),
            QPointF(-1, -1), QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1)};
        for (const QPointF& d : decalages)
            p.drawText(cadre.translated(d), int(alignment()), text());
        p.setPen(texte);
        p.drawText(cadre, int(alignment()), text());
    }
    if (bordure_) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(halo(texte), 3));
        p.drawRoundedRect(r, 3, 3);
        p.setPen(QPen(texte, 1.5));
        p.drawRoundedRect(r, 3, 3);
    }
}
