#pragma once

// The progress of the copy, drawn as a bar with its percentage in the middle
// into a picture box that keeps what was drawn until it is drawn over.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace installation {

// numerateur / denominateur x 100, rounded to the nearest whole number, a half
// to the even neighbour.
int pourcentage(long long numerateur, long long denominateur);

class BoiteProgression : public QWidget {
    Q_OBJECT
public:
    explicit BoiteProgression(QWidget* parent = nullptr);

    QColor couleurRemplissage{0x3f, 0x8f, 0x5f};
    QColor couleurFond{0xe7, 0xe2, 0xd7};

    QImage& image() { return image_; }
    int dernier() const { return dernier_; }
    void signaler(int pourcentage);

signals:
    void dessine(int pourcentage);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QImage image_;
    int dernier_ = -1;
};

// Draws the bar up to the percentage, then the percentage followed by "%".
void AfficheProgression(BoiteProgression& boite, int pourcentage);

} // namespace installation
