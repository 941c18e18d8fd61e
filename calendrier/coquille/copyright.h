#pragma once

// The splash: the program's name, version and notices over the background
// window while a progress bar fills; then the main frame opens and the splash
// and the background go.

#include "plateforme/fenetres/boiteimage.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <array>

namespace calendrier {
class Pilote;
}

// "Version " and the major, minor and revision numbers of `version`, without
// leading zeros ("2.3.0" and "02.3" both give "Version 2.3.0").
QString ligneVersion(const QString& version);

class Copyright : public QWidget {
    Q_OBJECT
public:
    explicit Copyright(calendrier::Pilote& pilote);

    void Form_Load();
    void Timer1_Timer();

    QFrame Frame1;
    plateforme::BoiteImage imgLogo;
    QLabel LabelNom;
    QLabel LabelVersion;
    QLabel LabelCopyright;
    std::array<QLabel, 1> LabelCopyright1;
    std::array<QLabel, 1> LabelContinu;
    QLabel LabelMiseEnGarde;
    QProgressBar ProgressBar1;
    QTimer Timer1;

    // The splash's ticks before the frame opens (the bar shows 1 to 99).
    static constexpr int kFinCompteur = 100;
    int compteur() const { return compteur_; }

signals:
    // The ticks are over and the splash closed: the frame opens now.
    void fini();

private:
    calendrier::Pilote& pilote_;
    int compteur_ = 0;
};
