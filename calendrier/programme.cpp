#include "calendrier/programme.h"

#include "calendrier/data/calend.h"
#include "calendrier/pages/aficheCalend.h"
#include "calendrier/pictures/douzeimage.h"
#include "calendrier/pictures/lireimage.h"
#include "calendrier/shell/copyright.h"
#include "calendrier/shell/fond.h"
#include "calendrier/shell/menuun.h"

#include <QCoreApplication>

Programme::Programme() = default;

// The frame owns the windows shown inside it: those go before the frame.
Programme::~Programme() {
    douzeImage_.reset();
    entete_.reset();
    lireImage_.reset();
    copyright_.reset();
    fond_.reset();
    aficheCalend_.reset();
    calend_.reset();
    menuUn_.reset();
}

MenuUn& Programme::menuUn() {
    if (!menuUn_)
        menuUn_ = std::make_unique<MenuUn>(*this);
    return *menuUn_;
}

Calend& Programme::calend() {
    if (!calend_)
        calend_ = std::make_unique<Calend>(*this);
    return *calend_;
}

void Programme::terminer() {
    termine_ = true;
    if (fin_) {
        fin_();
        return;
    }
    QCoreApplication::exit(0);
}

AficheCalend& Programme::aficheCalend() {
    if (!aficheCalend_)
        aficheCalend_ = std::make_unique<AficheCalend>(*this);
    return *aficheCalend_;
}

LireImage& Programme::lireImage() {
    if (!lireImage_)
        lireImage_ = std::make_unique<LireImage>(*this);
    return *lireImage_;
}

Entete& Programme::entete() {
    if (!entete_)
        entete_ = std::make_unique<Entete>(*this);
    return *entete_;
}

DouzeImage& Programme::douzeImage() {
    if (!douzeImage_)
        douzeImage_ = std::make_unique<DouzeImage>(*this);
    return *douzeImage_;
}

Copyright& Programme::copyright() {
    if (!copyright_)
        copyright_ = std::make_unique<Copyright>(*this);
    return *copyright_;
}

Fond& Programme::fond() {
    if (!fond_)
        fond_ = std::make_unique<Fond>(*this);
    return *fond_;
}

void Programme::demarrer() {
    copyright().Form_Load();
}
