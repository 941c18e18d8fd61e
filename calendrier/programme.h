#pragma once

// The program object: owns the windows (each loaded on first use) and the few
// program-wide values. Windows reach each other through it.

#include "calendrier/data/fichierstravail.h"
#include "calendrier/shell/formzoomed.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

class AficheCalend;
class Calend;
class DouzeImage;
class Entete;
class LireImage;
class Copyright;
class Fond;
class MenuUn;

class Programme {
public:
    Programme();
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // The windows, each made on first use.
    MenuUn& menuUn();
    Calend& calend();
    AficheCalend& aficheCalend();
    // The picture windows: one month's picture, the cover photo, the twelve months.
    LireImage& lireImage();
    Entete& entete();
    DouzeImage& douzeImage();
    Copyright& copyright();
    Fond& fond();

    // Opens the splash, the program's first window.
    void demarrer();

    // The splash's tick counter, and its timer's interval (tests shorten it).
    int compteurSplash() const { return compteurSplash_; }
    void setCompteurSplash(int compteur) { compteurSplash_ = compteur; }
    int intervalleSplash() const { return intervalleSplash_; }
    void setIntervalleSplash(int millisecondes) { intervalleSplash_ = millisecondes; }

    // The screen's zoom ratios and the layout recorded last, shared by all windows.
    FormZoomed& zoom() { return zoom_; }

    // The folder of the saved calendars, relative to the working folder.
    QString dossierSauvegarde() const { return dossierSauvegarde_; }
    void setDossierSauvegarde(const QString& nom) { dossierSauvegarde_ = nom; }

    // Today, as the pages mark it; tests pin it.
    QDate aujourdhui() const { return horloge_ ? horloge_() : QDate::currentDate(); }
    void setHorloge(std::function<QDate()> horloge) { horloge_ = std::move(horloge); }

    // Ends the program at once, without asking or saving. Tests replace the
    // ending so that they see it instead of losing their own process.
    void terminer();
    void setFin(std::function<void()> fin) { fin_ = std::move(fin); }
    bool termine() const { return termine_; }

private:
    std::unique_ptr<MenuUn> menuUn_;
    std::unique_ptr<Calend> calend_;
    std::unique_ptr<AficheCalend> aficheCalend_;
    std::unique_ptr<LireImage> lireImage_;
    std::unique_ptr<Entete> entete_;
    std::unique_ptr<DouzeImage> douzeImage_;
    std::unique_ptr<Copyright> copyright_;
    std::unique_ptr<Fond> fond_;
    int compteurSplash_ = 0;
    int intervalleSplash_ = 100;
    FormZoomed zoom_;
    QString dossierSauvegarde_ = calendrier::kSaveCalend;
    std::function<QDate()> horloge_;
    std::function<void()> fin_;
    bool termine_ = false;
};
