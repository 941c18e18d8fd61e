#pragma once

// What the three picture windows share: the folder tree and the file list in
// their frame, the status line and the one action button. Each window adds
// its own picture boxes, its design table and its handlers.

#include "calendrier/fichiers/consultation.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/listefichiers.h"
#include "plateforme/fenetres/disposition.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace calendrier {
class Pilote;
}

namespace images {

inline const QString kConfirmer = QStringLiteral("Confirmer");
inline const QString kSuite = QStringLiteral("Suite");
inline const QString kModifier = QStringLiteral("Modifier");

// The month names under the month boxes, as the windows spell them.
inline const QStringList kNomsMois = {
    u"Janvier"_qs, u"Février"_qs, u"Mars"_qs,      u"Avril"_qs,   u"Mai"_qs,      u"Juin"_qs,
    u"Juillet"_qs, u"Aôut"_qs,    u"Septembre"_qs, u"Octobre"_qs, u"Novembre"_qs, u"Décembre"_qs};

// The picture files the lists show: the design's pattern, with the other
// spellings of JPEG, with PNG and with Windows metafiles.
QString patternImages();
// The folder the windows open on: the program folder's Images.
QString dossierImages();
// The title every picture window and the viewer show at their top.
plateforme::Dessin dessinTitre(QLabel& Label2);
// Whether `chemin` names a picture the windows can show and the pages print.
bool imageLisible(const QString& chemin);

} // namespace images

class FenetreImages : public QWidget {
    Q_OBJECT
public:
    ~FenetreImages() override;

    // Loads the window for `consultation`: fresh design, zoomed to the
    // screen, shown in the main frame, opened on the Images folder with its
    // first picture previewed.
    void ouvrir(const calendrier::Consultation& consultation);
    virtual void Form_Load() = 0;
    // Closes the window; the next showing loads it afresh.
    void Unload();
    bool charge() const { return charge_; }

    QLabel Label2;
    QGroupBox Frame4;
    ListeFichiers File1;
    QWidget* Arbrovue1 = nullptr; // the folder tree, made from its component
    QLabel Label1;
    QPushButton Command1;

    void Arbrovue1_Click();
    virtual void File1_Click() = 0;
    virtual void Command1_Click() = 0;

protected:
    explicit FenetreImages(calendrier::Pilote& pilote);

    // The design table with the frame, the list and the tree placed from
    // the frame's design position.
    QList<plateforme::Dessin> dessinCommun(int cadreGauche, int cadreHaut, int cadreLargeur,
                                           int cadreHauteur, int listeGauche, int listeLargeur,
                                           int listeHauteur, int arbreHaut, int arbreHauteur);
    // Steps common to every loading: the frame's caption, the design laid
    // anew and zoomed, the window shown inside the main frame.
    void charger(const QString& legende, const QList<plateforme::Dessin>& dessin);
    // The tree on the program's Images folder, the list on what it reads back.
    void ouvrirSurImages();
    // Selects the first file, which previews it; nothing when the list is empty.
    void choisirPremier();
    // The selected file when it can be recorded; otherwise empty, and the
    // status line says why when `dire` is set.
    QString imageRecevable(bool dire = true);

    void showEvent(QShowEvent* event) override;

    // The working files, in the working folder as it stands now.
    static calendrier::FichiersTravail fichiers() { return calendrier::FichiersTravail(); }

    calendrier::Pilote& pilote_;
    // The consultation the pictures are chosen for.
    calendrier::Consultation consultation_;

private:
    bool charge_ = false;
};
