#pragma once

// The background window behind the splash: a picture sized for the screen.

#include "plateforme/images.h"

#include <QWidget>

class Programme;

class Fond : public QWidget {
    Q_OBJECT
public:
    explicit Fond(Programme& programme);

    void Form_Load();
    // Closes the window and lets its picture go.
    void decharger();

    plateforme::BoiteImage Image1;

private:
    Programme& programme_;
};
