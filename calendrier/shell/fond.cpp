#include "calendrier/shell/fond.h"

#include "calendrier/programme.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/disposition.h"

#include <QGuiApplication>
#include <QScreen>

using plateforme::Propriete;

Fond::Fond(Programme& programme) : programme_(programme) {
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
    programme_.zoom().RetenirDisposition(this);
    programme_.zoom().ZoomEcran(this);
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
