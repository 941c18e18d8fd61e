#pragma once

// The background window behind the splash: a picture sized for the screen.

#include "plateforme/fenetres/boiteimage.h"

#include <QWidget>

namespace calendrier {
class Pilote;
}

class Fond : public QWidget {
    Q_OBJECT
public:
    explicit Fond(calendrier::Pilote& pilote);

    void Form_Load();
    // Closes the window and lets its picture go.
    void decharger();

    plateforme::BoiteImage Image1;

private:
    calendrier::Pilote& pilote_;
};
