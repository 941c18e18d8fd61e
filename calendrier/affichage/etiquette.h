#pragma once

// The labels of a calendar page. A label drawn without background over the
// photograph is outlined with a soft halo of the opposite tone, so that it
// reads on light and dark pictures alike; a day can be framed (the border of
// a marked day or of today).

#include <QImage>
#include <QLabel>

class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);

    void setCouleur(const QColor& couleur);
    QColor couleur() const;

    void setBordure(bool bordure);
    bool bordure() const { return bordure_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text and its halo at `echelle` device pixels a pixel.
    const QImage& texteAuHalo(qreal echelle);

    bool bordure_ = false;
    QImage rendu_;
    QString cleRendu_;
};
