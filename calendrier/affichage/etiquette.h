#pragma once

// The labels of a calendar page. A label holds what the page shows in its
// place (text, colour, visibility, the frame of a marked day); the page
// window draws them all through the page painter, so a label paints nothing
// of its own.

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
    void paintEvent(QPaintEvent*) override {}

private:
    bool bordure_ = false;
};
