#pragma once

// The splash every program of the suite shows at start: the program's name,
// its version and notices beside the logo while a bar fills. Each program
// gives its colours and texts and decides what follows.

#include "plateforme/fenetres/boiteimage.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <array>

namespace plateforme {

// "Version " and the major, minor and revision numbers of `version`, without
// leading zeros ("2.3.0" and "02.3" both give "Version 2.3.0").
QString ligneVersion(const QString& version);

class FenetreCopyright : public QWidget {
    Q_OBJECT
public:
    // `pointsNom`: the size of the program's name; `encre`: its colour and
    // the frame's band; `barre`: the progress bar's colour.
    FenetreCopyright(const QString& legende, double pointsNom, QColor encre, QColor barre);

    QFrame Frame1;
    BoiteImage imgLogo;
    QLabel LabelNom;
    QLabel LabelVersion;
    QLabel LabelCopyright;
    std::array<QLabel, 1> LabelCopyright1;
    std::array<QLabel, 1> LabelContinu;
    QLabel LabelMiseEnGarde;
    QProgressBar ProgressBar1;
    QTimer Timer1;

    // The ticks shown run from 1 to 99; at this value the splash ends.
    static constexpr int kFinCompteur = 100;
    int compteur() const { return compteur_; }

protected:
    int compteur_ = 0;
};

} // namespace plateforme
