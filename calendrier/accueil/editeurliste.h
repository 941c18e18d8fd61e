#pragma once

// The keyboard-driven editor of one of the user's lists (anniversaries in
// `Enfant`, fêtes in `Fete`). It works with controls of the hub: a prompt, a
// list of lines (date line, name line, ...) and four answer boxes, exactly
// one shown at a time. Nothing reaches the file until the user ends with F,
// or agrees to write the list when the program is closed.

#include "calendrier/fichiers/fichierstravail.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace calendrier {

// The hub's controls an editor uses.
struct ControlesEditeur {
    QLabel& invite;          // the prompt line
    QListWidget& liste;      // the list's lines
    QLineEdit& lettre;       // action letter
    QLineEdit& date;         // date of a new entry
    QLineEdit& nom;          // name of a new entry
    QLineEdit& remplacement; // new text of the selected line
};

// The lines an erase at `ligne` empties in a list of `nombre` lines: the
// entry's two lines, by position (date lines stand at even positions), never
// a line outside the list.
QList<int> lignesDeLEntree(int ligne, int nombre);

class EditeurListe : public QObject {
    Q_OBJECT
public:
    enum class Etat { Ferme, Action, Date, Nom, ChoixLigne, Remplacement };

    // `fichiers` gives the working files; `fermer` brings back the main
    // toolbar; `informer` tells the user what went wrong.
    EditeurListe(Liste liste, ControlesEditeur controles, std::function<FichiersTravail()> fichiers,
                 std::function<void()> fermer, std::function<void(const QString&)> informer);

    // Loads the list and waits for an action letter.
    void ouvrir();

    // Enter in each box, and a click on the selected line.
    void lettreEntree();
    void dateEntree();
    void nomEntree();
    void remplacementEntree();
    void ligneCliquee(int ligne);

    Etat etat() const { return etat_; }
    // The current action letter (nul when none).
    QChar lettre() const { return lettre_; }
    // The list's lines as they stand, erased lines included (empty).
    QStringList lignes() const;
    // Whether the open editor holds edits not yet written.
    bool modifiee() const;
    // Writes the list as it stands, an entry still waiting for its name
    // left out; when it cannot, says so and gives false, the edits kept.
    bool enregistrer();

    static constexpr int kLongueurNom = 20;

private:
    void attendreAction(bool rappelerInvite);
    QString inviteAction() const;
    // The lines the file would hold: trimmed, none empty, whole entries only.
    QStringList lignesAEcrire() const;
    // A date refused: the prompt says what is awaited and `boite` waits again.
    void refuserDate(QLineEdit& boite);

    Liste liste_;
    ControlesEditeur c_;
    std::function<FichiersTravail()> fichiers_;
    std::function<void()> fermer_;
    std::function<void(const QString&)> informer_;
    Etat etat_ = Etat::Ferme;
    QChar lettre_;
    // The lines the file holds, as the editor read or last wrote them.
    QStringList ecrites_;
};

} // namespace calendrier
