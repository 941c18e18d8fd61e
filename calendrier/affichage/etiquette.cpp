#include "calendrier/affichage/etiquette.h"

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
