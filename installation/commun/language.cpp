#include "installation/commun/language.h"

#include "installation/commun/langue.h"
#include "installation/commun/miseenpage.h"
#include "plateforme/fenetres/disposition.h"

#include <QGuiApplication>
#include <QScreen>

namespace installation {

Language::Language(Hote& hote) : hote_(hote) {
    setWindowTitle(u"Language"_qs);
    Combo1.setEditable(true);
    plateforme::appliquerDisposition(this, {
                                               {.controle = &Combo1,
                                                .nom = u"Combo1"_qs,
                                                .gauche = 480,
                                                .haut = 480,
                                                .largeur = 2700,
                                                .hauteur = 375,
                                                .points = 10},
                                               {.controle = &Command1,
                                                .nom = u"Command1"_qs,
                                                .gauche = 3420,
                                                .haut = 450,
                                                .largeur = 1080,
                                                .hauteur = 435,
                                                .points = 10,
                                                .legende = u"OK"_qs},
                                           });
    setFixedSize(plateforme::pixels(4980), plateforme::pixels(1365));
    connect(&Command1, &QPushButton::clicked, this, &Language::Command1_Click);
}

void Language::Form_Load() {
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    show();
    PremierPlan(*this);
    Combo1.clear();
    Combo1.addItems({kFrancais, kEnglish});
    Combo1.setCurrentIndex(0);
}

void Language::Command1_Click() {
    if (!ecrireLangue(Combo1.currentText())) {
        // Without its file the choice would be asked again at every start.
        hote_.informer(this, u"Language"_qs,
                       u"Le choix n'a pas pu être enregistré dans « %1 ».\n"
                       "The choice could not be saved in \"%1\"."_qs.arg(cheminLangue()));
        return;
    }
    if (hote_.variante() == Variante::Installeur)
        PremierPlan(*this, false);
    hote_.ouvrirCopyright();
    close();
}

} // namespace installation
