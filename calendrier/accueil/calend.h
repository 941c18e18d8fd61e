#pragma once

// The hub: the main working window, from which every activity starts. Its
// toolbar offers the consultations, the list editors, saving and viewing
// calendars. What the user typed is read here once, into the consultation
// handed to the next window; every window comes back here through `Lire`.

#include "calendrier/accueil/editeurliste.h"
#include "calendrier/fichiers/consultation.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "plateforme/fenetres/boiteimage.h"

#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QWidget>
#include <array>

class QAction;
class QUrl;

namespace calendrier {
class Pilote;
}

class Calend : public QWidget {
    Q_OBJECT

    calendrier::Pilote& pilote_;
    // The design's 12000 x 9000 twips, centred under the toolbar. It holds the
    // controls below, so it is made before them and outlives them.
    QWidget feuille_;

public:
    explicit Calend(calendrier::Pilote& pilote);

    // Run once when the main frame loads the window.
    void Form_Load();
    // Brings back the main toolbar; other windows return here through it.
    void Lire();
    // Starts naming the year's calendar to save it.
    void Sauvegarde();
    // Whether the program may end now: an editor holding edits not written
    // asks whether to write them; false when the user keeps working.
    bool peutFermer();

    // The toolbar's buttons, by position 1 to 17.
    void Toolbar1_ButtonClick(int bouton);
    static constexpr int kBoutons = 17;
    QAction* bouton(int position) const;
    // The positions of the buttons shown now, in order.
    QList<int> boutonsMontres() const;

    void Command1_Click(); // one month
    void Command2_Click(); // a whole year
    void Command3_Click(); // end
    void Command4_Click(); // the month on the printer
    void Command5_Click(); // the month on the screen
    void Command6_Click(); // the year on the printer
    void Command7_Click(); // the year on the screen
    void Continuer_Click();
    void FeteEnfants_Click();
    void FeteFixe();
    void Aide_Click();
    void Site_Click();

    // Enter in the answer boxes.
    void Text3_KeyPress();
    void Text4_KeyPress();
    void text5_keyPress();
    void text14_keyPress();

    // Opens the saved-calendar viewer, which the hub gives its place to.
    void ouvrirVoirCalend();

    // The consultation as typed so far.
    const calendrier::Consultation& consultation() const { return consultation_; }

    calendrier::EditeurListe& editeurEnfant() { return editeurEnfant_; }
    calendrier::EditeurListe& editeurFete() { return editeurFete_; }

    // The help page delivered with the program.
    static QString cheminAide();

    // Controls, as the design names them.
    QToolBar Toolbar1;
    QList<QIcon> ImageList1;
    QLabel Label1;                                // the title
    QLabel Label2;                                // what an answer refused must be
    plateforme::BoiteImage Image2;                // the picture of the main screen
    std::array<plateforme::BoiteImage, 2> Image4; // corner pictures, kept hidden
    QListWidget List1;                            // anniversaries
    QListWidget List2;                            // fêtes
    QLabel Label12;                               // the prompt
    QLineEdit Text1, Text2;
    QLineEdit Text3;                          // month of a one-month consultation
    QLineEdit Text4;                          // year of a one-month consultation
    QLineEdit Text5;                          // year of a whole-year consultation
    QLineEdit Text6, Text7, Text8, Text9;     // anniversary editor
    QLineEdit Text10, Text11, Text12, Text13; // fête editor
    QLineEdit Text14;                         // name of a calendar to save

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    calendrier::FichiersTravail fichiers() const;
    void montrerBoutons(std::initializer_list<int> positions, bool montrer);
    void demander(const QString& invite, QLineEdit& boite, const QString& texte);
    void demanderMois();
    void demanderAnnee(QLineEdit& boite);
    // Takes the year typed in `boite` into the consultation; a year refused
    // brings the main toolbar back and gives false.
    bool retenirAnnee(const QLineEdit& boite);
    QDate aujourdhui() const;
    // Says in `Label2` what a refused answer must be, until the next action.
    void signaler(const QString& texte);
    // A message in a dialog of the program's.
    void dire(const QString& texte);
    void sortir(calendrier::Sortie sortie);
    void ouvrirEditeur(calendrier::EditeurListe& editeur);
    void ouvrirDocument(const QUrl& adresse);
    void placerBarre();

    calendrier::EditeurListe editeurEnfant_;
    calendrier::EditeurListe editeurFete_;
    calendrier::Consultation consultation_;
};
