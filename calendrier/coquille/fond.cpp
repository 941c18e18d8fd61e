#include "calendrier/coquille/fond.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/fenetres/disposition.h"

#include <QGuiApplication>
#include <QScreen>

using plateforme::Propriete;

Fond::Fond(calendrier::Pilote& pilote) : pilote_(pilote) {
    setWindowTitle(u"Fond"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    plateforme::appliquerDisposition(this, {{.controle = &Image1,
                                             .nom = u"Image1"_qs,
                                             .largeur = FormZoomed::kLargeurDessin,
                                             .hauteur = FormZoomed::kHauteurDessin}});
}

void Fond::Form_Load() {
    plateforme::ecrirePropriete(this, Propriete::Height, FormZoomed::kHauteurDessin);
    plateforme::ecrirePropriete(this, Propriete::Width, FormZoomed::kLargeurDessin);
    pilote_.zoom().RetenirDisposition(this);
    pilote_.zoom().ZoomEcran(this);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    show();
    plateforme::ecrirePropriete(&Image1, Propriete::Top, 0);
    plateforme::ecrirePropriete(&Image1, Propriete::Left, 0);
    plateforme::ecrirePropriete(&Image1, Propriete::Height, plateforme::twips(height()));
    plateforme::ecrirePropriete(&Image1, Propriete::Width, plateforme::twips(width()));
    Image1.charger(ressources::cheminFond());
}

void Fond::decharger() {
    close();
    Image1.vider();
}
