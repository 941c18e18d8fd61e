#pragma once

// The single-picture window and the cover-photo window: each records one
// picture as the only line of Fichier.ser, then hands over — LireImage to the
// month page, Entete to the twelve month pictures.

#include "calendrier/images/fenetreimages.h"
#include "plateforme/fenetres/boiteimage.h"

class LireImage : public FenetreImages {
    Q_OBJECT
public:
    explicit LireImage(calendrier::Pilote& pilote);

    void Form_Load() override;
    void File1_Click() override;
    void Command1_Click() override;

    plateforme::BoiteImage Image1;
    QLabel Label3;
};

class Entete : public FenetreImages {
    Q_OBJECT
public:
    explicit Entete(calendrier::Pilote& pilote);

    void Form_Load() override;
    void File1_Click() override;
    void Command1_Click() override;

    plateforme::BoiteImage Image1;
};
