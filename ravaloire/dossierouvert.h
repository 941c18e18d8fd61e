#pragma once

// A folder held open by the uninstaller: the names below it are reached
// through it one part at a time, never through a link, so that whatever a
// name on the way has become (a link to elsewhere, a file), nothing outside
// the folder is ever removed on its account.

#include <QString>
#include <QStringList>

namespace ravaloire {

// What became of one entry to remove.
enum class Retrait {
    Retire,
    Absent, // nothing there: nothing to do
    Garde,  // not what the suite put there (a folder for a file, a link on the way, a full folder)
    Echec   // it stays, though it should have gone
};

class DossierOuvert {
public:
    // Opens the folder at `chemin`, links on the way followed: a place the
    // uninstaller trusts (a drive root, a settings folder).
    explicit DossierOuvert(const QString& chemin);
    // Opens the folder at `relatif` below `parent`, refusing any link.
    DossierOuvert(const DossierOuvert& parent, const QString& relatif);
    ~DossierOuvert();
    DossierOuvert(const DossierOuvert&) = delete;
    DossierOuvert& operator=(const DossierOuvert&) = delete;

    bool ouvert() const { return fd_ >= 0; }
    // Why it could not be opened (errno): ELOOP or ENOTDIR where a link or a
    // file stands on the way, ENOENT where nothing does.
    int erreur() const { return erreur_; }
    QString chemin() const { return chemin_; }
    QString chemin(const QString& relatif) const { return chemin_ + u'/' + relatif; }

    // A regular file at `relatif`, reached without a link.
    bool fichier(const QString& relatif) const;
    // The names in the folder at `relatif` (this one when empty).
    QStringList noms(const QString& relatif = {}) const;
    // Every entry below it, by its path from here, a folder's ending with '/';
    // a link is an entry, never a way down.
    QStringList arborescence(const QString& relatif = {}) const;

    // Removes the file or the link at `relatif` (a link as a link); a folder
    // is kept. `raison` gets the system's word for an Echec.
    Retrait retirerFichier(const QString& relatif, QString* raison = nullptr) const {
        return retirer(relatif, false, raison);
    }
    // Removes the folder at `relatif` if it is empty; a full one is kept.
    Retrait retirerDossierVide(const QString& relatif, QString* raison = nullptr) const {
        return retirer(relatif, true, raison);
    }

private:
    Retrait retirer(const QString& relatif, bool dossier, QString* raison) const;

    int fd_ = -1;
    int erreur_ = 0;
    QString chemin_;
};

} // namespace ravaloire
