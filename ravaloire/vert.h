#pragma once

// The uninstaller's main window: the question, then, in the first phase, the
// copy into a private folder started there; in the second, the removal and
// its account.

#include "installation/commun/langue.h"
#include "plateforme/fenetres/boiteimage.h"
#include "ravaloire/cible.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <optional>

namespace ravaloire {

class Desinstallation;
struct Bilan;

class Vert : public QWidget {
    Q_OBJECT
public:
    explicit Vert(Desinstallation& programme);

    void Form_Load();
    void Oui_Click();
    void Non_Click();
    void Nettoyage();

    QLabel Label1;
    QPushButton Oui;
    QPushButton Non;
    QListWidget File1;
    QListWidget List1;
    plateforme::BoiteImage Picture1;

    // Past the language gate of its loading.
    bool charge() const { return charge_; }

private:
    // The marker of the program's folder checked; the reason shown when it
    // is refused, and then only "NON" stays.
    const Cible* verifierCible();
    // A failure of the first phase: said, its copy removed, nothing else done.
    void echouer(const QString& prive, const QString& message);
    QString messageFinal(const Cible& cible, const Bilan& bilan) const;

    Desinstallation& programme_;
    installation::Langue langue_ = installation::Langue::Francais;
    bool charge_ = false;
    std::optional<Cible> cible_;
};

} // namespace ravaloire
