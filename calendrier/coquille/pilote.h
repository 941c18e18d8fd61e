#pragma once

// What every window of the program is given: the services of the machine it
// runs on, which tests replace, and the program object's one way between
// windows (show this one, back to the hub, end).

#include "calendrier/fichiers/consultation.h"
#include "plateforme/fenetres/imprimante.h"
#include "plateforme/fenetres/questions.h"

#include <QDate>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class FormZoomed;
class MenuUn;
class QUrl;
class QWidget;

namespace calendrier {

struct Services {
    std::function<QDate()> aujourdhui;
    std::function<plateforme::Reponse(QWidget* parent, const QString& titre, const QString& texte)>
        demanderOuiNon;
    std::function<plateforme::Reponse(QWidget* parent, const QString& titre, const QString& texte)>
        demanderOuiNonAnnuler;
    std::function<void(QWidget* parent, const QString& titre, const QString& texte)> informer;
    // The printer a document goes to; `pdfDeSecours` where the system has none.
    std::function<std::unique_ptr<plateforme::Imprimante>(const QString& pdfDeSecours)> imprimante;
    // The hand-over from the picture windows to the page window; when empty,
    // the page window composes the consultation.
    std::function<void(const Consultation&)> composition;
    // Ends the program.
    std::function<void()> fin;
    // Opens a document or an address with the desktop's viewer.
    std::function<bool(const QUrl&)> ouvrir;
    // The splash's tick, in milliseconds.
    int intervalleSplash = 100;
    // The program's own folder: its data files, its pictures and its
    // components; made the working folder at start, wherever it was started from.
    QString dossierProgramme;
};

// Today's date, dialogs, the default printer, the desktop's viewer, the event
// loop's end.
Services servicesDuSysteme();

enum class Fenetre { Accueil, LireImage, Entete, DouzeImage, Page, VoirCalend };

class Pilote {
public:
    // Shows `fenetre` alone in the frame and starts it on `consultation`.
    virtual void montrer(Fenetre fenetre, const Consultation& consultation = {}) = 0;
    // Ends the program at once, without asking or saving.
    virtual void terminer() = 0;
    // Whether the program may end now: a window holding edits not written
    // asks the user first. False leaves every window as it was.
    virtual bool peutTerminer() = 0;

    virtual MenuUn& cadre() = 0;
    // The screen's zoom ratios and the layout recorded last, shared by all windows.
    virtual FormZoomed& zoom() = 0;
    virtual const Services& services() const = 0;
    // The folder of the saved calendars, relative to the working folder.
    virtual QString dossierSauvegarde() const = 0;
    // The page window's size, which places the hub's corner pictures.
    virtual QSize taillePage() = 0;

protected:
    ~Pilote() = default;
};

} // namespace calendrier
