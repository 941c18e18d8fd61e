#include "calendrier/images/lireimage.h"

#include "calendrier/coquille/pilote.h"

using namespace images;
using plateforme::Dessin;
using plateforme::Style;

namespace {

Dessin bouton(QPushButton* b, int gauche, int haut) {
    return {.controle = b,
            .nom = u"Command1"_qs,
            .gauche = gauche,
            .haut = haut,
            .largeur = 1155,
            .hauteur = 315,
            .points = 8.25,
            .styles = Style::Gras,
            .legende = kConfirmer};
}

// "Suite" goes on only with the file that "Confirmer" recorded still selected.
bool enregistrementSelectionne(const ListeFichiers& liste,
                               const calendrier::FichiersTravail& fichiers) {
    const QString selection = liste.cheminSelectionne();
    return !selection.isEmpty() && fichiers.imagesParValeur().value(0) == selection;
}

// "Confirmer": the picture becomes the only line of Fichier.ser, and the
// button goes on from there.
void enregistrerSeule(QPushButton& bouton, const QString& image,
                      const calendrier::FichiersTravail& fichiers) {
    if (image.isEmpty())
        return;
    bouton.setText(kSuite);
    fichiers.ecrireImageUnique(image);
}

} // namespace

// --- LireImage ---------------------------------------------------------------

LireImage::LireImage(calendrier::Pilote& pilote) : FenetreImages(pilote) {
    Image1.setApercu(true);
}

void LireImage::Form_Load() {
    QList<Dessin> dessin = dessinCommun(150, 788, 2475, 7935, 90, 2295, 4641, 5010, 2835);
    dessin << Dessin{.controle = &Image1,
                     .nom = u"Image1"_qs,
                     .gauche = 3240,
                     .haut = 900,
                     .largeur = 8317,
                     .hauteur = 5858}
           << Dessin{.controle = &Label3,
                     .nom = u"Label3"_qs,
                     .gauche = 5580,
                     .haut = 7200,
                     .largeur = 3495,
                     .hauteur = 315,
                     .points = 9.75,
                     .alignement = Qt::AlignCenter}
           << Dessin{.controle = &Label1,
                     .nom = u"Label1"_qs,
                     .gauche = 5565,
                     .haut = 7650,
                     .largeur = 2355,
                     .hauteur = 315,
                     .points = 9.75,
                     .styles = Style::Gras,
                     .alignement = Qt::AlignRight | Qt::AlignVCenter}
           << bouton(&Command1, 7920, 7650);
    Image1.vider();
    charger(u"Lire Image"_qs, dessin);

    Label3.setText(u"Mois %1 Annee %2"_qs.arg(consultation_.mois, 2, 10, QChar(u'0'))
                       .arg(consultation_.annee));
    ouvrirSurImages();
    Command1.setText(kConfirmer);
    fichiers().viderImages();
    choisirPremier();
}

void LireImage::File1_Click() {
    Command1.setText(kConfirmer);
    Image1.charger(File1.cheminSelectionne());
    Label1.setText(u"1° Photo"_qs);
}

void LireImage::Command1_Click() {
    const calendrier::FichiersTravail f = fichiers();
    if (Command1.text() == kSuite) {
        if (!enregistrementSelectionne(File1, f))
            return;
        Label1.clear();
        if (consultation_.genre() == calendrier::Genre::Mois) {
            Unload();
            pilote_.montrer(calendrier::Fenetre::Page, consultation_);
        }
        return;
    }
    if (Command1.text() == kConfirmer)
        enregistrerSeule(Command1, imageRecevable(), f);
}

// --- Entete -------------------------------------------------------------------

Entete::Entete(calendrier::Pilote& pilote) : FenetreImages(pilote) {
    Image1.setApercu(true);
}

void Entete::Form_Load() {
    QList<Dessin> dessin = dessinCommun(150, 788, 2475, 7935, 90, 2295, 4641, 5010, 2835);
    dessin << Dessin{.controle = &Image1,
                     .nom = u"Image1"_qs,
                     .gauche = 3240,
                     .haut = 870,
                     .largeur = 8310,
                     .hauteur = 5865}
           << Dessin{.controle = &Label1,
                     .nom = u"Label1"_qs,
                     .gauche = 4200,
                     .haut = 7335,
                     .largeur = 4605,
                     .hauteur = 315,
                     .points = 9.75,
                     .styles = Style::Gras,
                     .legende = u"PHOTO DE LA PAGE DE GARDE"_qs,
                     .alignement = Qt::AlignCenter}
           << bouton(&Command1, 8865, 7350);
    Image1.vider();
    // The cover's box is a little larger than designed, before the zoom records it.
    plateforme::appliquerDisposition(this, dessin);
    plateforme::ecrirePropriete(&Image1, plateforme::Propriete::Width, 8401);
    plateforme::ecrirePropriete(&Image1, plateforme::Propriete::Height, 5937);
    dessin.removeIf([this](const Dessin& d) { return d.controle == &Image1; });
    charger(u"Photo de Tete"_qs, dessin);

    ouvrirSurImages();
    Command1.setText(kConfirmer);
    fichiers().viderImages();
    choisirPremier();
}

void Entete::File1_Click() {
    Command1.setText(kConfirmer);
    Image1.charger(File1.cheminSelectionne());
}

void Entete::Command1_Click() {
    const calendrier::FichiersTravail f = fichiers();
    if (Command1.text() == kSuite) {
        if (enregistrementSelectionne(File1, f)) {
            Unload();
            pilote_.montrer(calendrier::Fenetre::DouzeImage, consultation_);
        }
        return;
    }
    // Label1 tells what is chosen here; it is not a status line.
    if (Command1.text() == kConfirmer)
        enregistrerSeule(Command1, imageRecevable(false), f);
}
