#pragma once

// The saved-calendar viewer: the calendars of the save folder listed, the
// chosen one's cover shown large, then its twelve months as thumbnails under
// their names, one of them enlarged to its own size. The toolbar along the
// bottom erases the calendar, goes back to the list, prints it, or closes.

#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/listefichiers.h"
#include "plateforme/fenetres/boiteimage.h"

#include <QIcon>
#include <QLabel>
#include <QToolBar>
#include <QWidget>
#include <array>

class QAction;

namespace calendrier {
class Pilote;
}

class VoirCalend : public QWidget {
    Q_OBJECT
public:
    explicit VoirCalend(calendrier::Pilote& pilote);

    // Loads the window into the main frame on the list of saved calendars.
    void Form_Load();
    // The list state: the saved calendars, or the line saying there is none.
    void Lire();

    // The toolbar's buttons, by index 1 to 4.
    enum Bouton { Effacer = 1, Autre = 2, Fin = 3, Imprimer = 4 };
    void Toolbar1_ButtonClick(int index);
    QAction* bouton(int index) const;
    // The indexes of the buttons enabled now, in order.
    QList<int> boutonsActifs() const;

    void File1_Click();
    void Image14_Click();
    // Image1_Click ... Image12_Click.
    void Image_Click(int n);
    void Image13_Click();
    void Command1(); // "FIN"
    void Command2(); // "IMPRIMER"
    void Command3(); // "AUTRE"
    void Command4(); // "EFFACER"

    // Image1 ... Image12, the months, and their names Label3 ... Label14.
    plateforme::BoiteImage& Image(int n) { return images_[static_cast<size_t>(n - 1)]; }
    QLabel& LabelMois(int n) { return mois_[static_cast<size_t>(n - 1)]; }

    QToolBar Toolbar1;
    QList<QIcon> ImageList1;
    QLabel Label2; // the title
    ListeFichiers File1;
    QLabel Label1;                  // there is no saved calendar
    plateforme::BoiteImage Image14; // the cover, large
    plateforme::BoiteImage Image13; // one page at its own size

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    calendrier::FichiersTravail fichiers() const;
    void activer(std::initializer_list<int> index, bool actif);
    // The frame's caption, with what the last action did.
    void legende(const QString& suite = {});
    // Lets the window repaint what changed (the design's short waits).
    static void laisserPeindre();
    void montrerMois(bool montrer);
    void montrerEnGrand(const QImage& page);
    void placerBarre();

    calendrier::Pilote& pilote_;
    std::array<plateforme::BoiteImage, 12> images_;
    std::array<QLabel, 12> mois_;
    // The index chosen in File1, used by every action until another is.
    QString index_;
};
