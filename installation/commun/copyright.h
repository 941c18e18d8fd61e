#pragma once

// The splash of the installer and the uninstaller. Without a language file it
// gives way to the language choice first; then it shows its texts in the
// chosen language while the bar fills, and opens the main window.

#include "installation/commun/hote.h"
#include "plateforme/fenetres/boiteimage.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <array>

namespace installation {

// "Version " and the major, minor and revision numbers, without leading zeros.
QString ligneVersion(const QString& version);

class Copyright : public QWidget {
    Q_OBJECT
public:
    explicit Copyright(Hote& hote);

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

    // The ticks shown run from 1 to 99; at this value the splash ends.
    static constexpr int kFinCompteur = 100;
    int compteur() const { return compteur_; }

private:
    Hote& hote_;
    int compteur_ = 0;
};

} // namespace installation
