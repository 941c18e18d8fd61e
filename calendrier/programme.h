#pragma once

// The program object, the composition root: it is given the machine's
// services, owns every window (each made on first use) and is the one way
// between them: it shows one window at a time in the frame, brings the hub
// back, and ends the program.

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/pilote.h"

#include <QString>
#include <memory>

class AficheCalend;
class Calend;
class DouzeImage;
class Entete;
class LireImage;
class VoirCalend;
class Copyright;
class Fond;
class MenuUn;

class Programme final : public calendrier::Pilote {
public:
    explicit Programme(calendrier::Services services = calendrier::servicesDuSysteme());
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // Opens the splash, the program's first window; the frame follows it.
    void demarrer();

    void montrer(calendrier::Fenetre fenetre,
                 const calendrier::Consultation& consultation = {}) override;
    void terminer() override;
    bool peutTerminer() override;
    MenuUn& cadre() override { return menuUn(); }
    FormZoomed& zoom() override { return zoom_; }
    const calendrier::Services& services() const override { return services_; }
    QString dossierSauvegarde() const override { return dossierSauvegarde_; }
    QSize taillePage() override;

    void setDossierSauvegarde(const QString& nom) { dossierSauvegarde_ = nom; }
    // Whether the program was ended.
    bool termine() const { return termine_; }

    // The windows, each made on first use.
    MenuUn& menuUn();
    Calend& calend();
    AficheCalend& aficheCalend();
    LireImage& lireImage();
    Entete& entete();
    DouzeImage& douzeImage();
    VoirCalend& voirCalend();
    Copyright& copyright();
    Fond& fond();

private:
    calendrier::Services services_;
    FormZoomed zoom_;
    QString dossierSauvegarde_ = calendrier::kSaveCalend;
    bool termine_ = false;
    bool accueilCharge_ = false;
    // The frame outlives the windows shown inside it: it is destroyed last.
    std::unique_ptr<MenuUn> menuUn_;
    std::unique_ptr<Fond> fond_;
    std::unique_ptr<Copyright> copyright_;
    std::unique_ptr<Calend> calend_;
    std::unique_ptr<AficheCalend> aficheCalend_;
    std::unique_ptr<LireImage> lireImage_;
    std::unique_ptr<Entete> entete_;
    std::unique_ptr<DouzeImage> douzeImage_;
    std::unique_ptr<VoirCalend> voirCalend_;
};
