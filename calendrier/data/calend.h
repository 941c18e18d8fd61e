#pragma once

// The hub: the main working window, from which every activity starts. Its
// toolbar offers the consultations, the list editors, saving and viewing
// calendars; other windows read the month and year the user typed from its
// answer boxes and come back to it through `Lire`.

#include "calendrier/data/editeurliste.h"
#include "calendrier/data/fichierstravail.h"
#include "plateforme/images.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QWidget>
#include <array>
#include <functional>

class Programme;
class QAction;
class QUrl;

class Calend : public QWidget {
    Q_OBJECT

    Programme& programme_;
    // The design's 12000 x 9000 twips, centred under the toolbar. It holds the
    // controls below, so it is made before them and outlives them.
    QWidget feuille_;

public:
    explicit Calend(Programme& programme);

    // Run once when the main frame loads the window.
    void Form_Load();
    // Brings back the main toolbar; other windows return here through it.
    void Lire();
    // Starts naming the year's calendar to save it.
    void Sauvegarde();

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

    // The hand-over to the picture windows once the output is chosen: the
    // working files are written and the hub hidden before it is called.
    // The picture windows are not part of the program yet; until then it
    // opens nothing and returns false.
    bool ouvrirFenetreImages(calendrier::Sortie sortie);
    // Opens the saved-calendar viewer and hides the hub. The viewer is not
    // part of the program yet; until then the hub stays and it returns false.
    bool ouvrirVoirCalend();

    calendrier::EditeurListe& editeurEnfant() { return editeurEnfant_; }
    calendrier::EditeurListe& editeurFete() { return editeurFete_; }

    // How documents and addresses are opened (the desktop's viewer unless a
    // test replaces it).
    void setOuvreur(std::function<bool(const QUrl&)> ouvreur) { ouvreur_ = std::move(ouvreur); }
    // The help page delivered with the program.
    static QString cheminAide();

    // Controls, as the design names them.
    QToolBar Toolbar1;
    QList<QIcon> ImageList1;
    QLabel Label1;                                // the title
    QLabel Label2;                                // kept hidden
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
    void montrerFenetre(bool montrer);
    void demander(const QString& invite, QLineEdit& boite, const QString& texte);
    void sortir(calendrier::Sortie sortie);
    void ouvrirEditeur(calendrier::EditeurListe& editeur);
    void ouvrirDocument(const QUrl& adresse);
    void placerBarre();

    calendrier::EditeurListe editeurEnfant_;
    calendrier::EditeurListe editeurFete_;
    std::function<bool(const QUrl&)> ouvreur_;
};
