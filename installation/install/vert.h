#pragma once

// The installer's main window: the drive is chosen, the list file read, then
// the files and the runtime copied into <drive root>/Quivex/<program>, the
// shortcuts made in the program group, and the marker left for the
// uninstaller.

#include "installation/commun/langue.h"
#include "installation/commun/liste.h"
#include "installation/install/progression.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace installation {

class Installation;

class Vert : public QWidget {
    Q_OBJECT
public:
    explicit Vert(Installation& programme);

    void Form_Load();
    void Drive1_Change();
    void Disque_Click();
    void Installer_Click();
    void Quitte_Click();

    QLabel Label3;
    QComboBox Drive1;
    QPushButton Disque;
    QLabel Label1;
    QLabel Label2;
    QGroupBox Frame1;
    BoiteProgression ProgressBar;
    QListWidget List1;
    QPushButton Installer;
    QPushButton Quitte;
    QListWidget LstFiles;

    // The drive root chosen, and the folder installed into.
    QString racine() const { return racine_; }
    QString destination() const { return destination_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Attente();
    // A refusal before anything is written: the window stays ready.
    void refuser(const QString& message);
    // A failure once writing has begun: said, and never taken for success.
    void echouer(const QString& message);
    // Copies one file, its name shown; false once the failure is said.
    bool copier(const Copie& copie, const QString& nomAffiche);
    bool faireRaccourcis(const Plan& plan);
    bool laisserMarqueur(const Plan& plan);

    Installation& programme_;
    Langue langue_ = Langue::Francais;
    QStringList lecteurs_;
    QString racine_;
    QString destination_;
    ListeFichiers liste_;
    QImage fond_;
};

} // namespace installation
