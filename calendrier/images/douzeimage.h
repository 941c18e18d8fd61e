#pragma once

// The twelve month pictures of a year: each confirmed picture is appended to
// Fichier.ser after the cover; once all twelve are there, any month may be
// chosen again by clicking its box, and "Suite" goes on to the pages.
//
// The window keeps no state of its own between events: the month being chosen
// lives in Compteur.ser, the month being chosen again in Modif.ser, and the
// mode in the caption of Command1.

#include "calendrier/images/fenetreimages.h"
#include "plateforme/fenetres/boiteimage.h"

#include <array>

namespace images {

inline const QString kCompteurSer = QStringLiteral("Compteur.ser");
inline const QString kModifSer = QStringLiteral("Modif.ser");
// Compteur.ser once the twelve months are chosen.
inline constexpr int kTousChoisis = 13;
} // namespace images

class DouzeImage : public FenetreImages {
    Q_OBJECT
public:
    explicit DouzeImage(calendrier::Pilote& pilote);

    void Form_Load() override;
    void File1_Click() override;
    void Command1_Click() override;
    // A click on the box of month `K` (1 to 12).
    void Image_Click(int K);

    // Image1 ... Image12, and the month names under them, Label3 ... Label14.
    plateforme::BoiteImage& Image(int K) { return images_[static_cast<size_t>(K - 1)]; }
    QLabel& LabelMois(int K) { return mois_[static_cast<size_t>(K - 1)]; }

    // The month counter and the month being chosen again, as the files hold them.
    int compteur() const;
    int moisModifie() const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ecrireCompteur(int m) const;

    std::array<plateforme::BoiteImage, 12> images_;
    std::array<QLabel, 12> mois_;
};
