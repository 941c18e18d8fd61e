#pragma once

// The working files of the calendar program and its saved calendars. The
// windows hand a consultation over to each other through these files; this
// is the only place that knows their names, their lines and their folder.

#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>

class QImage;

namespace calendrier {

// File names, relative to the working folder.
inline const QString kEnfant = QStringLiteral("Enfant");
inline const QString kFete = QStringLiteral("Fete");
inline const QString kAnneeSer = QStringLiteral("Annee.ser");
inline const QString kLireCalendSer = QStringLiteral("LireCalend.ser");
inline const QString kFichierSer = QStringLiteral("Fichier.ser");
inline const QString kSauve = QStringLiteral("Sauve");
inline const QString kLireSer = QStringLiteral("Lire.ser");
inline const QString kSaveCalend = QStringLiteral("SaveCalend");
inline const QString kExtensionIndex = QStringLiteral(".Ans");
inline const QString kExtensionPage = QStringLiteral(".Ima");

// The user's two lists, pairs of lines (date, name).
enum class Liste { Enfant, Fete };

// Line 1 of `Annee.ser`.
enum class Genre { Aucune = 0, Mois = 1, Annee = 2 };
// Line 2 of `Annee.ser`.
enum class Sortie { ImprimanteMois = 4, EcranMois = 5, ImprimanteAnnee = 6, EcranAnnee = 7 };
// Line 1 of `Sauve`.
enum class ModeSauve { Aucune = 0, Calendrier = 1, ImpressionMois = 5, ImpressionAnnee = 6 };

// `Annee.ser` as its readers see it: both values, 0 where missing.
struct ChoixConsultation {
    long long genre = 0;
    long long sortie = 0;
};

// `LireCalend.ser` while a run of pages is shown (all 0 when none is).
struct Progression {
    long long compteur = 0;
    long long mois = 0;
    long long annee = 0;
    long long voir2 = 0;
};

// How naming a saved calendar ended.
enum class Nommage {
    Fait,      // `Sauve` and `Lire.ser` written; the index comes with the pages
    Abandonne, // the calendar exists and the overwrite was not confirmed
    Refuse,    // a name that cannot make file names inside the save folder
    Echec      // the save folder or the working files could not be written
};

// What erasing a saved calendar did, by file name.
struct Effacement {
    QStringList aLaCorbeille; // moved to the desktop's trash
    QStringList supprimes;    // deleted
    QStringList restes;       // still there: they could not be removed
    bool reussi() const { return restes.isEmpty(); }
};

// Page 0 of a saved calendar is the cover, pages 1 to 12 the months.
inline constexpr int kPageEntete = 0;
inline constexpr int kPagesParCalendrier = 13;

class FichiersTravail {
public:
    // Every name is taken in `dossierTravail` (the current folder when empty,
    // as it stands when the object is made).
    explicit FichiersTravail(const QString& dossierTravail = QString(),
                             const QString& dossierSauvegarde = kSaveCalend);

    // The path of a working file, as found without regard to case.
    QString chemin(const QString& nom) const;
    QString dossierTravail() const { return travail_.path(); }
    QString dossierSauvegarde() const { return chemin(sauvegarde_); }

    // Anniversaries and fêtes. Writing leaves out the lines that are empty
    // once trimmed; a missing list loads as no line.
    bool ecrireListe(Liste liste, const QStringList& lignes) const;
    QStringList chargerListe(Liste liste) const;

    // `Annee.ser` and `LireCalend.ser` through a consultation.
    bool commencerConsultation(Genre genre) const;
    bool choisirSortie(Sortie sortie) const;
    ChoixConsultation choixConsultation() const;
    // Ends a consultation: `Fichier.ser` emptied, the other two back to "0".
    bool terminerConsultation() const;

    bool ecrireProgression(const Progression& p) const;
    bool remettreProgression() const;
    Progression progression() const;

    // `Fichier.ser`: the pictures of the consultation, cover first for a year.
    bool viderImages() const;
    bool ecrireImageUnique(const QString& image) const;
    bool ajouterImage(const QString& image) const;
    // Rewrites the year's file with the picture of `mois` (1 to 12) replaced.
    bool remplacerImageMois(int mois, const QString& image) const;
    QStringList imagesParValeur() const;
    QStringList imagesParLigne() const;

    // `Sauve`.
    bool remettreSauve() const;
    bool ecrireModeSauve(ModeSauve mode) const;
    long long modeSauve() const;

    // The name of the calendar being saved, as read from `Lire.ser` and trimmed.
    QString nomEnSauvegarde() const;

    // --- Saved calendars ---------------------------------------------------

    // Whether `nom` (trimmed) can name files inside the save folder. The empty
    // name can.
    static bool nomAcceptable(const QString& nom);

    // Creates the save folder when missing; a failure is ignored.
    void creerDossierSauvegarde() const;

    // Paths as the index stores them, relative to the working folder.
    QString cheminIndex(const QString& nom, const QString& annee) const;
    QString cheminPage(const QString& nom, const QString& annee, int page) const;

    bool calendrierExiste(const QString& nom, const QString& annee) const;

    // The naming step. `nomTape` is the name as typed, `annee` the year box.
    // When the calendar exists, `confirmerEcrasement` is asked; only true goes on.
    Nommage nommerCalendrier(const QString& nomTape, const QString& annee,
                             const std::function<bool()>& confirmerEcrasement) const;

    // The index files of the save folder ("FAMILLE2007.Ans"), by name.
    QStringList calendriersSauves() const;
    // The pictures an index names (its first 13 lines), as paths to open.
    QStringList pagesCalendrier(const QString& fichierIndex) const;
    // Erases the calendar: the pages its index names, then the index. Only
    // the pages whose names its save gave them, lying directly in the save
    // folder, are erased, whatever else the index says; a link goes, never
    // what it points to. `corbeille`: moved to the desktop's trash where the
    // system has one, deleted otherwise.
    Effacement supprimerCalendrier(const QString& fichierIndex, bool corbeille = false) const;

    // At start: a save cut short once complete is finished, one cut short
    // before is forgotten (the calendar that was there stays whole), and the
    // captures an interrupted print left are removed.
    void reprendreSauvegardes() const;

private:
    friend class SauvegardeCalendrier;
    QString cheminListe(Liste liste) const;
    // Moves the files of a complete save, set aside in `pret`, into the save
    // folder, the index last, then removes `pret`.
    bool mettreEnPlace(const QString& pret) const;
    QString cheminDansSauvegarde(const QString& ligneIndex) const;

    QDir travail_;
    QString sauvegarde_;
};

// A year's pages saved under a name: written aside, then put in place all
// at once, so that a calendar is never left half-written. A save that fails,
// is dropped or is cut short leaves the calendar that was there whole.
class SauvegardeCalendrier {
public:
    SauvegardeCalendrier(const FichiersTravail& fichiers, const QString& nom, const QString& annee);
    ~SauvegardeCalendrier();
    SauvegardeCalendrier(const SauvegardeCalendrier&) = delete;
    SauvegardeCalendrier& operator=(const SauvegardeCalendrier&) = delete;

    // Writes page `page` (kPageEntete, then the months 1 to 12) aside, as
    // BMP, and names it in the index to come (a page given twice is named
    // twice). False once anything could not be written.
    bool ajouterPage(int page, const QImage& image);
    // Puts the pages and then the index in place. False, with nothing in
    // place changed, unless every page was written.
    bool terminer();

private:
    FichiersTravail fichiers_;
    QString nom_;
    QString annee_;
    QString aCote_; // the folder the pages are written in first
    QStringList lignes_;
    QList<bool> ecrites_;
    bool echec_ = false;
    bool termine_ = false;
};

} // namespace calendrier
