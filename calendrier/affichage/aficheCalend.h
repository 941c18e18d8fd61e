#pragma once

// The page window: the calendar pages are shown, captured and printed from it.
// It lives inside the main frame; the program object starts it on a
// consultation once its pictures are chosen, and the answer boxes at the
// bottom of a page move the consultation forward.

#include "calendrier/affichage/etiquette.h"
#include "calendrier/fichiers/consultation.h"
#include "calendrier/pages/composition.h"
#include "calendrier/pages/peintre.h"
#include "plateforme/fenetres/boiteimage.h"

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <future>

namespace calendrier {
class FichiersTravail;
class Pilote;
class SauvegardeCalendrier;
} // namespace calendrier

class AficheCalend : public QWidget {
    Q_OBJECT
public:
    explicit AficheCalend(calendrier::Pilote& pilote);
    ~AficheCalend() override;

    // Lays the window out for the screen, as when it loads.
    void Form_Load();

    // One page of a calendar: the cover (unless `Saut` is "SAUT") and month
    // pages, one a call or, when a run captures its pages, all in one call.
    // `Voir2`: 2 a whole year, 3 one month. `Mois` becomes the month shown.
    void AffichCalendrier(const QString& Annee, QString& Mois, int Voir2, const QString& Saut);
    // Shows in the current cell the first name of day `jour`.
    void CmdPrenoms(int jour, const QString& libelleMois);
    // Prints the pages the run captured, one A4 landscape sheet each.
    void ImprimCalendrier(const QString& Annee, const QString& Mois, int Voir2);

    // Starts the continuation of the consultation's output.
    void composer(const calendrier::Consultation& consultation);
    // The continuations: one month printed, one month shown, a year printed,
    // a year shown.
    void TravailQuatre(const calendrier::Consultation& consultation);
    void TravailCinq(const calendrier::Consultation& consultation);
    void TravailSix(const calendrier::Consultation& consultation);
    void TravailSept(const calendrier::Consultation& consultation);

    // The answer handlers; 13 is Enter.
    void Text1_KeyPress(int KeyAscii);
    void Text2_KeyPress(int KeyAscii);

    // The page as it stands, rendered at `densite` device pixels a pixel.
    QImage capture(qreal densite = 1);
    // The density of the captures made for printing: twice the window's
    // pixels at least, and enough for 200 dots an inch on the sheet.
    qreal densiteImpression() const;

    // Whether the window is loaded (closing it unloads it; the next use
    // loads it again).
    bool estCharge() const { return charge_; }

    // --- Controls, in the design's order ----------------------------------
    plateforme::BoiteImage Image1;                // the month's picture, behind everything
    plateforme::BoiteImage Image3;                // holds each captured page while it prints
    std::array<plateforme::BoiteImage, 2> Image4; // corner ornaments
    Etiquette Label1;                             // the year
    Etiquette Label2;                             // " Annee " or the month
    Etiquette Label3, Label4, Label5, Label6, Label7, Label8, Label9; // weekdays
    std::array<Etiquette, pages::kCases> Label10;                     // day numbers
    std::array<Etiquette, pages::kCases> Label13;                     // first names
    std::array<Etiquette, pages::kLignes> Label11;                    // the month's marked days
    Etiquette Label12;                                                // the prompt
    QLineEdit Text1; // "O": another consultation, or the end
    QLineEdit Text2; // "OK": the next page, or F for the end

    // The colours of the page.
    static const QColor kVert; // a marked day
    static const QColor kBleu; // today
    static const QColor kFond; // behind a page without picture

protected:
    // The page, from what its controls hold, through the page painter.
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    pages::Feuille feuille();
    std::array<Etiquette*, pages::kJoursSemaine> entetes();
    calendrier::FichiersTravail fichiers() const;
    void assurerCharge();
    void montrer();
    void fermer();
    void retourAuMenu();

    void afficherCouverture(const QString& annee);
    void intituler(const QString& titre);
    void afficherMois(const pages::PageMois& page, bool remettreGrille);
    void remettreGrille();
    void cacherLignes();
    void montrerEntetes(bool visibles);
    // `suivante`: the picture of the page that follows in a print run.
    void chargerFond(const QString& chemin, qreal densite, const QString& suivante = {});
    void demander(const QString& question, QLineEdit& reponse, const QString& proposition);
    void finDeSerie();

    bool capturerTemporaire(const QString& nom, bool ajouterALaListe);
    // Captures the page into the calendar being saved.
    void enregistrerPage(int page);
    pages::Donnees lireDonnees() const;

    // Common steps of the continuations; false when the year or month is refused.
    bool commencerTravail(const calendrier::Consultation& consultation);
    void demanderAutreConsultation();
    void effacerTemporaires() const;

    calendrier::Pilote& pilote_;
    calendrier::Consultation consultation_;
    // The saved calendar a run is writing, put in place at its end.
    std::unique_ptr<calendrier::SauvegardeCalendrier> sauvegarde_;
    bool charge_ = false;
    long long compteur_ = 0; // the page counter last read from or written to LireCalend.ser
    int caseCourante_ = 0;
    pages::Prenoms prenoms_; // read once a page
    std::array<QColor, pages::kCases> couleurs_{};
    std::future<QImage> avance_; // the next picture of a print run
    QString cheminAvance_;
    QSize tailleAvance_;
};
