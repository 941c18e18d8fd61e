#include "calendrier/images/douzeimage.h"

#include "calendrier/coquille/pilote.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QMouseEvent>

using namespace images;
using plateforme::Dessin;
using plateforme::Style;

namespace {

// The month boxes: three rows of four.
constexpr int kColonnes[] = {2565, 4900, 7300, 9675};
constexpr int kRangees[] = {1178, 3695, 6218};
constexpr int kRangeesNoms[] = {2670, 5175, 7710};
constexpr double kLargeurBoite = 2122.5;
constexpr double kHauteurBoite = 1500;

bool moisValide(int m) {
    return m >= 1 && m <= 12;
}

} // namespace

DouzeImage::DouzeImage(calendrier::Pilote& pilote) : FenetreImages(pilote) {
    for (plateforme::BoiteImage& boite : images_) {
        boite.setApercu(true);
        boite.installEventFilter(this);
    }
}

int DouzeImage::compteur() const {
    return static_cast<int>(plateforme::premierNombre(fichiers().chemin(kCompteurSer)));
}

int DouzeImage::moisModifie() const {
    return static_cast<int>(plateforme::premierNombre(fichiers().chemin(kModifSer)));
}

void DouzeImage::ecrireCompteur(int m) const {
    plateforme::reecrire(fichiers().chemin(kCompteurSer), {QString::number(m)});
}

void DouzeImage::Form_Load() {
    QList<Dessin> dessin = dessinCommun(10, 352, 2475, 8490, 60, 2355, 5148, 5430, 2940);
    for (int K = 1; K <= 12; ++K) {
        const int colonne = kColonnes[(K - 1) % 4];
        const int rangee = (K - 1) / 4;
        Image(K).vider();
        dessin << Dessin{.controle = &Image(K),
                         .nom = u"Image"_qs + QString::number(K),
                         .gauche = colonne,
                         .haut = kRangees[rangee],
                         .largeur = 2123,
                         .hauteur = 1500}
               << Dessin{.controle = &LabelMois(K),
                         .nom = u"Label"_qs + QString::number(K + 2),
                         .gauche = colonne,
                         .haut = kRangeesNoms[rangee],
                         .largeur = 2123,
                         .hauteur = 285,
                         .points = 9.75,
                         .styles = Style::Gras,
                         .legende = kNomsMois[K - 1],
                         .alignement = Qt::AlignCenter};
    }
    dessin << Dessin{.controle = &Label1,
                     .nom = u"Label1"_qs,
                     .gauche = 3360,
                     .haut = 8145,
                     .largeur = 3975,
                     .hauteur = 315,
                     .points = 9.75,
                     .styles = Style::Gras,
                     .alignement = Qt::AlignCenter}
           << Dessin{.controle = &Command1,
                     .nom = u"Command1"_qs,
                     .gauche = 7365,
                     .haut = 8145,
                     .largeur = 1155,
                     .hauteur = 315,
                     .points = 8.25};
    plateforme::appliquerDisposition(this, dessin);
    for (int K = 1; K <= 12; ++K) {
        plateforme::ecrirePropriete(&Image(K), plateforme::Propriete::Width, kLargeurBoite);
        plateforme::ecrirePropriete(&Image(K), plateforme::Propriete::Height, kHauteurBoite);
        dessin.removeIf([this, K](const Dessin& d) { return d.controle == &Image(K); });
    }
    charger(u"Creer Les Images"_qs, dessin);

    Command1.setText(kConfirmer);
    for (int K = 2; K <= 12; ++K) {
        Image(K).hide();
        LabelMois(K).hide();
    }
    ouvrirSurImages();
    ecrireCompteur(1);
    choisirPremier();
}

void DouzeImage::File1_Click() {
    const QString image = File1.cheminSelectionne();
    if (image.isEmpty())
        return;
    if (Command1.text() == kConfirmer) {
        Command1.show();
        const int m = compteur();
        if (!moisValide(m))
            return;
        if (m >= 2) {
            Image(m).show();
            LabelMois(m).show();
        }
        Label1.setText(QString::number(m) + u"° Photo "_qs);
        Image(m).charger(image);
    } else if (Command1.text() == kModifier) {
        const int K = moisModifie();
        if (!moisValide(K))
            return;
        // Choosing a file is the confirmation here: only a picture replaces one.
        if (!imageRecevable().isEmpty()) {
            Label1.setText(QString::number(K) + u"° Photo Modifiée"_qs);
            Image(K).charger(image);
            fichiers().remplacerImageMois(K, image);
            if (compteur() == kTousChoisis) {
                Command1.setText(kSuite);
                Command1.show();
            } else {
                // Chosen again before the year was complete: the choice goes
                // on with the month it had reached.
                Command1.setText(kConfirmer);
                Command1.hide();
            }
        }
    }
}

void DouzeImage::Command1_Click() {
    if (Command1.text() == kConfirmer) {
        const QString image = imageRecevable();
        if (image.isEmpty())
            return;
        Command1.hide();
        int m = compteur();
        fichiers().ajouterImage(image);
        Label1.clear();
        ++m;
        ecrireCompteur(m);
        if (m == kTousChoisis) {
            Command1.setText(kSuite);
            Label1.setText(u"Cliker Sur l'Image à Modifier"_qs);
            Command1.show();
        }
        return;
    }
    if (Command1.text() != kSuite || compteur() != kTousChoisis)
        return;
    if (consultation_.genre() == calendrier::Genre::Annee) {
        Unload();
        pilote_.montrer(calendrier::Fenetre::Page, consultation_);
    }
}

void DouzeImage::Image_Click(int K) {
    // Only a month already chosen can be chosen again.
    if (!moisValide(K) || K >= compteur())
        return;
    Command1.setText(kModifier);
    Command1.hide();
    Label1.setText(u"Modif de l'Image "_qs + QString::number(K));
    plateforme::reecrire(fichiers().chemin(kModifSer), {QString::number(K)});
}

bool DouzeImage::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        for (int K = 1; K <= 12; ++K)
            if (objet == &Image(K)) {
                Image_Click(K);
                return true;
            }
    }
    return FenetreImages::eventFilter(objet, evenement);
}
