#include "calendrier/programme.h"

#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/copyright.h"
#include "calendrier/coquille/fond.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/images/douzeimage.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/images/voircalend.h"

#include <QDir>

using calendrier::Fenetre;

Programme::Programme(calendrier::Services services) : services_(std::move(services)) {}

// Members go in reverse order: the windows first, the frame last.
Programme::~Programme() = default;

namespace {
template <class F> F& fait(std::unique_ptr<F>& fenetre, calendrier::Pilote& pilote) {
    if (!fenetre)
        fenetre = std::make_unique<F>(pilote);
    return *fenetre;
}
} // namespace

MenuUn& Programme::menuUn() {
    return fait(menuUn_, *this);
}
Calend& Programme::calend() {
    return fait(calend_, *this);
}
AficheCalend& Programme::aficheCalend() {
    return fait(aficheCalend_, *this);
}
LireImage& Programme::lireImage() {
    return fait(lireImage_, *this);
}
Entete& Programme::entete() {
    return fait(entete_, *this);
}
DouzeImage& Programme::douzeImage() {
    return fait(douzeImage_, *this);
}
VoirCalend& Programme::voirCalend() {
    return fait(voirCalend_, *this);
}
Copyright& Programme::copyright() {
    return fait(copyright_, *this);
}
Fond& Programme::fond() {
    return fait(fond_, *this);
}

void Programme::demarrer() {
    // The family's lists are found wherever the program is started from.
    if (!services_.dossierProgramme.isEmpty())
        QDir::setCurrent(services_.dossierProgramme);
    calendrier::FichiersTravail(QString(), dossierSauvegarde_).reprendreSauvegardes();
    Copyright& splash = copyright();
    QObject::connect(&splash, &Copyright::fini, &splash, [this] {
        menuUn().MDIForm_Load();
        fond().decharger();
    });
    fond().Form_Load();
    splash.Form_Load();
}

void Programme::montrer(Fenetre fenetre, const calendrier::Consultation& consultation) {
    switch (fenetre) {
    case Fenetre::Accueil: {
        Calend& hub = calend();
        menuUn().montrer(&hub);
        if (!accueilCharge_) {
            accueilCharge_ = true;
            hub.Form_Load();
        } else {
            hub.Lire();
        }
        return;
    }
    case Fenetre::LireImage:
        return lireImage().ouvrir(consultation);
    case Fenetre::Entete:
        return entete().ouvrir(consultation);
    case Fenetre::DouzeImage:
        return douzeImage().ouvrir(consultation);
    case Fenetre::Page:
        if (services_.composition)
            return services_.composition(consultation);
        return aficheCalend().composer(consultation);
    case Fenetre::VoirCalend:
        return voirCalend().Form_Load();
    }
}

QSize Programme::taillePage() {
    return aficheCalend().size();
}

bool Programme::peutTerminer() {
    // Only the hub's list editors hold edits not yet written.
    return !calend_ || calend_->peutFermer();
}

void Programme::terminer() {
    termine_ = true;
    if (services_.fin)
        services_.fin();
}
