#include "calendrier/images/fenetreimages.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/coquille/pilote.h"
#include "plateforme/fenetres/composant.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images.h"

#include <QDir>
#include <QFileInfo>

namespace images {

QString patternImages() {
    return u"*.jpg;*.jpeg;*.png;*.bmp;*.wmf"_qs;
}

QString dossierImages() {
    return plateforme::cheminReel(QDir::current().filePath(u"Images"_qs));
}

plateforme::Dessin dessinTitre(QLabel& Label2) {
    return {.controle = &Label2,
            .nom = u"Label2"_qs,
            .gauche = 4193,
            .haut = 60,
            .largeur = 3495,
            .hauteur = 315,
            .points = 12,
            .styles = plateforme::Style::Gras,
            .legende = u"CALENDRIER PERPETUEL"_qs,
            .alignement = Qt::AlignCenter};
}

bool imageLisible(const QString& chemin) {
    return !chemin.isEmpty() && QFileInfo(chemin).isFile() &&
           plateforme::tailleImage(chemin).isValid();
}

} // namespace images

using namespace images;

FenetreImages::FenetreImages(calendrier::Pilote& pilote) : pilote_(pilote) {
    Frame4.setTitle(u"Sélection d'Images"_qs);
    QString erreur;
    Arbrovue1 = plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs,
                                           pilote_.services().dossierProgramme, nullptr, &erreur);
    if (Arbrovue1) {
        Arbrovue1->setProperty("Root", 17);
        plateforme::surEvenement(Arbrovue1, "Click", this, [this] { Arbrovue1_Click(); });
    } else {
        // Without its tree the window still offers the Images folder.
        Arbrovue1 = new QLabel(erreur);
        static_cast<QLabel*>(Arbrovue1)->setWordWrap(true);
    }
    connect(&File1, &ListeFichiers::Click, this, [this] { File1_Click(); });
    connect(&Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

FenetreImages::~FenetreImages() = default;

void FenetreImages::ouvrir(const calendrier::Consultation& consultation) {
    consultation_ = consultation;
    Form_Load();
}

QList<plateforme::Dessin> FenetreImages::dessinCommun(int cadreGauche, int cadreHaut,
                                                      int cadreLargeur, int cadreHauteur,
                                                      int listeGauche, int listeLargeur,
                                                      int listeHauteur, int arbreHaut,
                                                      int arbreHauteur) {
    using plateforme::Style;
    // The list and the tree lie inside the frame: their places are the
    // frame's plus their own.
    return {
        dessinTitre(Label2),
        {.controle = &Frame4,
         .nom = u"Frame4"_qs,
         .gauche = cadreGauche,
         .haut = cadreHaut,
         .largeur = cadreLargeur,
         .hauteur = cadreHauteur,
         .points = 8.25},
        {.controle = &File1,
         .nom = u"File1"_qs,
         .gauche = cadreGauche + listeGauche,
         .haut = cadreHaut + 240,
         .largeur = listeLargeur,
         .hauteur = listeHauteur,
         .points = 8.25},
        {.controle = Arbrovue1,
         .nom = u"Arbrovue1"_qs,
         .gauche = cadreGauche + listeGauche,
         .haut = cadreHaut + arbreHaut,
         .largeur = listeLargeur,
         .hauteur = arbreHauteur,
         .points = 8.25},
    };
}

void FenetreImages::charger(const QString& legende, const QList<plateforme::Dessin>& dessin) {
    charge_ = true;
    MenuUn& cadre = pilote_.cadre();
    cadre.setWindowTitle(legende);
    plateforme::appliquerDisposition(this, dessin);
    FormZoomed& zoom = pilote_.zoom();
    zoom.RetenirDisposition(this);
    zoom.ZoomEcran(this);
    cadre.montrer(this);
}

void FenetreImages::Unload() {
    charge_ = false;
    pilote_.cadre().cacher(this);
}

void FenetreImages::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown by a caller that did not load it: it loads as a form does.
    if (!charge_)
        Form_Load();
}

void FenetreImages::ouvrirSurImages() {
    const QString images = dossierImages();
    QString dossier = images;
    if (Arbrovue1->property("Chemin").isValid()) {
        Arbrovue1->setProperty("Chemin", images);
        // The tree gives the folder back as the file system spells it; when
        // the folder is missing it stops on a parent, whose files are not
        // the pictures meant here.
        const QString relu = Arbrovue1->property("Chemin").toString();
        if (QFileInfo(images).isDir() &&
            QFileInfo(relu).canonicalFilePath() == QFileInfo(images).canonicalFilePath())
            dossier = relu;
    }
    File1.setPattern(patternImages());
    File1.setPath(dossier);
}

void FenetreImages::Arbrovue1_Click() {
    File1.setPath(Arbrovue1->property("Chemin").toString());
}

void FenetreImages::choisirPremier() {
    File1.setListIndex(0);
}

QString FenetreImages::imageRecevable(bool dire) {
    const QString chemin = File1.cheminSelectionne();
    if (chemin.isEmpty()) {
        if (dire)
            Label1.setText(u"Choisir une image"_qs);
        return {};
    }
    if (!imageLisible(chemin)) {
        if (dire)
            Label1.setText(u"Image illisible"_qs);
        return {};
    }
    return chemin;
}
