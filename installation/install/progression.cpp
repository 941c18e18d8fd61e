#include "installation/install/progression.h"

#include <QPainter>
#include <cmath>

namespace installation {

int pourcentage(long long numerateur, long long denominateur) {
    const long long produit = numerateur * 100;
    long long q = produit / denominateur;
    const long long reste2 = 2 * (produit % denominateur);
    if (reste2 > denominateur || (reste2 == denominateur && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

BoiteProgression::BoiteProgression(QWidget* parent) : QWidget(parent) {}

void BoiteProgression::signaler(int pourcentage) {
    dernier_ = pourcentage;
    update();
    emit dessine(pourcentage);
}

void BoiteProgression::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, image_);
}

void BoiteProgression::resizeEvent(QResizeEvent*) {
    QImage nouvelle(size(), QImage::Format_RGB32);
    nouvelle.fill(couleurFond);
    QPainter(&nouvelle).drawImage(0, 0, image_);
    image_ = nouvelle;
}

void AfficheProgression(BoiteProgression& boite, int pourcentage) {
    QImage& image = boite.image();
    const int largeur = image.width();
    const int hauteur = image.height();
    const int x = static_cast<int>(std::lround(largeur / 100.0 * pourcentage));
    QPainter p(&image);
    p.fillRect(QRect(QPoint(0, 0), QPoint(x, hauteur)), boite.couleurRemplissage);
    p.fillRect(QRect(QPoint(x + 10, 0), QPoint(largeur, hauteur)), boite.couleurFond);
    QFont police = boite.font();
    police.setBold(true);
    p.setFont(police);
    const QString texte = QString::number(pourcentage) + u'%';
    const QSize t = p.fontMetrics().size(Qt::TextSingleLine, texte);
    p.setPen(boite.palette().color(QPalette::WindowText));
    p.drawText(QRect(QPoint((largeur - t.width()) / 2, (hauteur - t.height()) / 2), t), texte);
    p.end();
    boite.signaler(pourcentage);
}

} // namespace installation
