#include "installation/install/vert.h"

#include "installation/commun/fond.h"
#include "installation/commun/menus.h"
#include "installation/commun/miseenpage.h"
#include "installation/execution.h"
#include "installation/install/installation.h"
#include "installation/install/raccourcis.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using plateforme::Style;

namespace installation {

namespace {

const Bilingue kChoixDisque{u"Vous Ne Pouvez Choisir Que Le Disque"_qs,
                            u"You can only Choose The Disk"_qs};
const Bilingue kQuitter{u"QUITTER"_qs, u"To LEAVE"_qs};
const Bilingue kInstallationDe{u"Installation de :"_qs, u"Installation of :"_qs};
const Bilingue kPret{u"Cliquez Sur Le Bouton Pour Démarrer L'Installation Du Logiciel "_qs,
                     u"Click On The Button to Start The installation Of the Software "_qs};
const Bilingue kCopie{u"PATIENTEZ J'INSTALLE VOTRE LOGICIEL"_qs,
                      u"EXERCISE PATIENCE I INSTALL YOUR SOFTWARE"_qs};
const Bilingue kIcones{u"PATIENTEZ J'INSTALLE VOS ICONES"_qs,
                       u"EXERCISE PATIENCE I INSTALL YOUR ICONS"_qs};
const Bilingue kFin{u"L'INSTALLATION C'EST BIEN PASSER"_qs, u"The INSTALLATION IT PASS WELL"_qs};
const Bilingue kEchec{u"L'INSTALLATION N'A PAS ABOUTI"_qs, u"The INSTALLATION DID NOT COMPLETE"_qs};

const Bilingue kListeIllisible{u"Le fichier « %1 » est introuvable ou illisible."_qs,
                               u"The file \"%1\" is missing or cannot be read."_qs};
const Bilingue kCopieImpossible{
    u"Le fichier « %1 » n'a pas pu être copié vers « %2 » : %3.\nL'installation est interrompue."_qs,
    u"The file \"%1\" could not be copied to \"%2\": %3.\nThe installation has stopped."_qs};
const Bilingue kEcritureImpossible{
    u"Le fichier « %1 » n'a pas pu être écrit : %2.\nL'installation est interrompue."_qs,
    u"The file \"%1\" could not be written: %2.\nThe installation has stopped."_qs};
const Bilingue kMarqueurImpossible{
    u"Le fichier « %1 » n'a pas pu être écrit.\nL'installation est interrompue."_qs,
    u"The file \"%1\" could not be written.\nThe installation has stopped."_qs};
const Bilingue kDossierImpossible{
    u"Le dossier « %1 » n'a pas pu être créé.\nL'installation est interrompue."_qs,
    u"The folder \"%1\" could not be created.\nThe installation has stopped."_qs};

const QString kTitre = u"Installation"_qs;
const QString kListe = u"Lire.Pie"_qs;
const QString kBroxel = u"Broxel.dll"_qs;
constexpr int kAttente = 300;

const QColor kBlanc(0xff, 0xff, 0xff);
const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kVertFonce(0x1f, 0x5e, 0x3b);

} // namespace

Vert::Vert(Installation& programme) : programme_(programme) {
    setObjectName(u"Vert"_qs);
    setWindowTitle(u"Installation"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    fond_ = QImage(u":/installation/vert.png"_qs);
    Installer.setIcon(QIcon(u":/installation/installer.png"_qs));
    Installer.setIconSize(QSize(64, 64));
    plateforme::appliquerDisposition(this,
                                     {
                                         {.controle = &Label3,
                                          .nom = u"Label3"_qs,
                                          .gauche = 600,
                                          .haut = 330,
                                          .largeur = 8415,
                                          .hauteur = 960,
                                          .points = 12,
                                          .styles = Style::Gras | Style::Transparent,
                                          .alignement = Qt::AlignCenter,
                                          .couleur = kBlanc},
                                         {.controle = &Drive1,
                                          .nom = u"Drive1"_qs,
                                          .gauche = 1800,
                                          .haut = 2700,
                                          .largeur = 6015,
                                          .hauteur = 420,
                                          .points = 10},
                                         {.controle = &Disque,
                                          .nom = u"Disque"_qs,
                                          .gauche = 3907,
                                          .haut = 3750,
                                          .largeur = 1800,
                                          .hauteur = 525,
                                          .points = 10,
                                          .styles = Style::Gras,
                                          .legende = u"OK"_qs},
                                         {.controle = &Label1,
                                          .nom = u"Label1"_qs,
                                          .gauche = 900,
                                          .haut = 2025,
                                          .largeur = 2700,
                                          .hauteur = 450,
                                          .points = 12,
                                          .styles = Style::Transparent | Style::Cache,
                                          .couleur = kEncre},
                                         {.controle = &Label2,
                                          .nom = u"Label2"_qs,
                                          .gauche = 3600,
                                          .haut = 1950,
                                          .largeur = 5115,
                                          .hauteur = 600,
                                          .points = 16,
                                          .styles = Style::Gras | Style::Transparent | Style::Cache,
                                          .couleur = kVertFonce},
                                         {.controle = &Frame1,
                                          .nom = u"Frame1"_qs,
                                          .gauche = 720,
                                          .haut = 2820,
                                          .largeur = 8175,
                                          .hauteur = 1380,
                                          .points = 8,
                                          .styles = Style::Cache},
                                         {.controle = &ProgressBar,
                                          .nom = u"ProgressBar"_qs,
                                          .gauche = 1080,
                                          .haut = 3315,
                                          .largeur = 7455,
                                          .hauteur = 480,
                                          .points = 10,
                                          .styles = Style::Cache,
                                          .couleur = kEncre},
                                         {.controle = &List1,
                                          .nom = u"List1"_qs,
                                          .gauche = 720,
                                          .haut = 4500,
                                          .largeur = 2400,
                                          .hauteur = 1200,
                                          .styles = Style::Cache},
                                         {.controle = &Installer,
                                          .nom = u"Installer"_qs,
                                          .gauche = 4207,
                                          .haut = 4470,
                                          .largeur = 1200,
                                          .hauteur = 1200,
                                          .styles = Style::Cache},
                                         {.controle = &Quitte,
                                          .nom = u"Quitte"_qs,
                                          .gauche = 7200,
                                          .haut = 5640,
                                          .largeur = 1695,
                                          .hauteur = 525,
                                          .points = 10,
                                          .styles = Style::Gras | Style::Cache,
                                          .legende = u"Quitter"_qs},
                                         {.controle = &LstFiles,
                                          .nom = u"LstFiles"_qs,
                                          .gauche = 6480,
                                          .haut = 4500,
                                          .largeur = 2400,
                                          .hauteur = 900,
                                          .styles = Style::Cache},
                                     });
    Label3.setWordWrap(true);
    Installer.setToolTip(u"Installation"_qs);
    setFixedSize(kFormeInstalleur.largeur, kFormeInstalleur.hauteur);
    connect(&Drive1, &QComboBox::currentIndexChanged, this, &Vert::Drive1_Change);
    connect(&Disque, &QPushButton::clicked, this, &Vert::Disque_Click);
    connect(&Installer, &QPushButton::clicked, this, &Vert::Installer_Click);
    connect(&Quitte, &QPushButton::clicked, this, &Vert::Quitte_Click);
}

// The picture is a pixel narrower and shorter than the window: stretched, it
// leaves no unpainted edge.
void Vert::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(rect(), fond_);
}

void Vert::Attente() {
    programme_.services().attendre(kAttente);
}

void Vert::Form_Load() {
    programme_.fond().Form_Load(programme_.services().dossierSource);
    ecrireForme(cheminForme(), kFormeInstalleur);
    FormeFenetre(*this, cheminForme());
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    PremierPlan(*this);
    Quitte.hide();
    Installer.setEnabled(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{&Frame1, &List1, &ProgressBar, &Label1, &Label2})
        w->hide();
    langue_ = lireLangue();
    Label3.setText(kChoixDisque.en(langue_));
    Quitte.setText(kQuitter.en(langue_));
    Label1.setText(kInstallationDe.en(langue_));
    Installer.hide();
    lecteurs_ = programme_.services().lecteurs();
    const QSignalBlocker bloque(Drive1);
    Drive1.clear();
    for (qsizetype i = 0; i < lecteurs_.size(); ++i)
        Drive1.addItem(QChar(char16_t(u'C' + i)) + u":  "_qs +
                       QDir::toNativeSeparators(lecteurs_[i]));
    Drive1_Change();
}

void Vert::Drive1_Change() {
    const QString lettre = Drive1.currentText().left(2).toUpper();
    const qsizetype index = lettre.isEmpty() ? -1 : lettre[0].unicode() - u'C';
    racine_ = lecteurs_.value(index);
}

void Vert::Disque_Click() {
    const QString chemin = QDir(programme_.services().dossierSource).filePath(kListe);
    const auto liste = lireListe(chemin);
    if (!liste || racine_.isEmpty()) {
        programme_.informer(this, kTitre, kListeIllisible.en(langue_).arg(chemin));
        return;
    }
    liste_ = *liste;
    Label2.setText(liste_.nom.toUpper());
    List1.clear();
    List1.addItems(liste_.fichiers);
    Frame1.setTitle(QDir::toNativeSeparators(racine_));
    Quitte.show();
    Disque.hide();
    Drive1.hide();
    for (QWidget* w : std::initializer_list<QWidget*>{&Label1, &Label2, &Frame1, &ProgressBar})
        w->show();
    Label3.setText(kPret.en(langue_));
    Installer.show();
}

void Vert::refuser(const QString& message) {
    programme_.informer(this, kTitre, message);
    Label3.setText(kPret.en(langue_));
    Installer.setEnabled(true);
    Quitte.show();
}

void Vert::echouer(const QString& message) {
    programme_.informer(this, kTitre, message);
    Label3.setText(kEchec.en(langue_));
    for (QWidget* w : std::initializer_list<QWidget*>{&Installer, &Frame1, &ProgressBar})
        w->hide();
    Quitte.show();
}

bool Vert::copier(const Copie& copie, const QString& nomAffiche) {
    Frame1.setTitle(nomAffiche);
    if (const Echec e = copierFichier(copie.source, copie.cible)) {
        echouer(kCopieImpossible.en(langue_).arg(copie.source, copie.cible, *e));
        return false;
    }
    Attente();
    return true;
}

void Vert::Installer_Click() {
    Quitte.hide();
    Installer.setEnabled(false);
    Label3.setText(kCopie.en(langue_));
    const QDir source(programme_.services().dossierSource);
    const auto relue = lireListe(source.filePath(kListe));
    if (!relue) {
        refuser(kListeIllisible.en(langue_).arg(source.filePath(kListe)));
        return;
    }
    liste_.nom = relue->nom;
    const QString groupe = plateforme::lireLignes(source.filePath(kBroxel)).value(0).trimmed();
    const auto planifie =
        planifier(racine_, source.path(), liste_, groupe, kFichiersExecution, langue_);
    if (const QString* refus = std::get_if<QString>(&planifie)) {
        refuser(*refus);
        return;
    }
    const Plan& plan = std::get<Plan>(planifie);
    destination_ = plan.destination;
    if (!QDir().mkpath(destination_)) {
        echouer(kDossierImpossible.en(langue_).arg(destination_));
        return;
    }

    // The percentages: the file lines over n + 14 and the runtime files
    // over n + 13 where there are eleven of those.
    const qsizetype n = plan.fichiers.size() - 1;
    const qsizetype r = plan.execution.size();
    for (qsizetype i = 0; i <= n; ++i) {
        AfficheProgression(ProgressBar, pourcentage(i, n + r + 3));
        if (const auto& copie = plan.fichiers[i]; copie && !copier(*copie, copie->cible))
            return;
    }
    for (qsizetype k = 1; k <= r; ++k) {
        AfficheProgression(ProgressBar, pourcentage(n + k, n + r + 2));
        if (!copier(plan.execution[k - 1], plan.execution[k - 1].cible))
            return;
    }

    Label3.setText(kIcones.en(langue_));
    ProgressBar.hide();
    if (!faireRaccourcis(plan) || !laisserMarqueur(plan))
        return;
    Label3.setText(kFin.en(langue_));
    Installer.hide();
    Frame1.hide();
    Quitte.show();
}

bool Vert::faireRaccourcis(const Plan& plan) {
    // The group named by a "Broxel.dll" the copy installed, when there is one.
    QString groupe = plan.groupe;
    const QString installe =
        plateforme::lireLignes(QDir(destination_).filePath(kBroxel)).value(0).trimmed();
    if (nomSur(installe))
        groupe = installe;
    const QString dossier = dossierGroupe(groupe);
    for (const QString& d : {dossierQuivexMenu(), dossier})
        if (!QDir().mkpath(d)) {
            echouer(kDossierImpossible.en(langue_).arg(d));
            return false;
        }
    Attente();
    QStringList faits;
    for (const Raccourci& r : plan.raccourcis) {
        Frame1.setTitle(r.nom);
        // The picture beside the program, named after it, is its icon.
        const QString image = r.cible + u".png"_qs;
        const QString icone = QFileInfo::exists(image) ? image : r.cible;
        QStringList fichiers{QDir(dossier).filePath(r.nom + u".desktop"_qs)};
        if (r.auDemarrage)
            fichiers << QDir(dossierDemarrage()).filePath(r.nom + u".desktop"_qs);
        for (const QString& f : fichiers)
            if (const Echec e = IconeEcrire(f, r.cible, icone, r.dossierTravail)) {
                echouer(kEcritureImpossible.en(langue_).arg(f, *e));
                return false;
            }
        faits << fichiers.first();
    }
    if (const Echec e = ecrireMenu(groupe, faits)) {
        echouer(kEcritureImpossible.en(langue_).arg(fichierMenuGroupe(groupe), *e));
        return false;
    }
    return true;
}

bool Vert::laisserMarqueur(const Plan& plan) {
    const QDir source(programme_.services().dossierSource);
    Attente();
    const QDir dossier(destination_);
    if (!copier({plateforme::cheminReel(source.filePath(kListe)), dossier.filePath(kListe)},
                dossier.filePath(kListe)))
        return false;
    const QString marqueur = dossier.filePath(kBroxel);
    const QStringList lignes{plan.groupe, destination_, champNombre(0)};
    if (!plateforme::reecrire(marqueur, lignes) || plateforme::lireLignes(marqueur) != lignes) {
        echouer(kMarqueurImpossible.en(langue_).arg(marqueur));
        return false;
    }
    Attente();
    return true;
}

void Vert::Quitte_Click() {
    programme_.terminer();
}

} // namespace installation
