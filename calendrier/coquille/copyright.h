#pragma once

// The splash: the program's name, version and notices over the background
// window while a progress bar fills; then the main frame opens and the splash
// and the background go.

#include "plateforme/fenetres/copyright.h"

namespace calendrier {
class Pilote;
}

using plateforme::ligneVersion;

class Copyright : public plateforme::FenetreCopyright {
    Q_OBJECT
public:
    explicit Copyright(calendrier::Pilote& pilote);

    void Form_Load();
    void Timer1_Timer();

signals:
    // The ticks are over and the splash closed: the frame opens now.
    void fini();

private:
    calendrier::Pilote& pilote_;
};
