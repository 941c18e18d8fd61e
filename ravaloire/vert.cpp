#include "ravaloire/vert.h"

#include "installation/commun/miseenpage.h"
#include "plateforme/fenetres/disposition.h"
#include "ravaloire/copies.h"
#include "ravaloire/desinstallation.h"
#include "ravaloire/nettoyage.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

using installation::Bilingue;
using plateforme::Style;

namespace ravaloire {

namespace {

const Bilingue kOui{u"OUI"_qs, u"YES"_qs};
const Bilingue kNon{u"NON"_qs, u"NO"_qs};
const Bilingue kQuestion{u"Voulez-vous Désinstaller "_qs, u"Want yourselves Dice to install "_qs};
const Bilingue kFin{u"La Désinstallation s'est bien dérouler"_qs,
                    u"The Dice installation take place well"_qs};
const Bilingue kTitreFin{u"Désinltaller"_qs, u"Dice to install"_qs};
const Bilingue kGardes{u"Vos propres fichiers sont gardés dans « %1 » : %2."_qs,
                       u"Your own files are kept in \"%1\": %2."_qs};
const Bilingue kIncomplet{
    u"La Désinstallation n'a pas pu tout enlever. Ces fichiers restent :\n%1"_qs,
    u"The uninstallation could not remove everything. These files remain:\n%1"_qs};
const Bilingue kRelancer{u"Relancez « %1 » pour finir."_qs, u"Start \"%1\" again to finish."_qs};
const Bilingue kCopieImpossible{
    u"La copie de désinstallation n'a pas pu être préparée : %1.\nRien n'a été supprimé."_qs,
    u"The uninstaller's copy could not be prepared: %1.\nNothing was removed."_qs};
const Bilingue kLancementImpossible{u"« %1 » n'a pas pu être lancé.\nRien n'a été supprimé."_qs,
                                    u"\"%1\" could not be started.\nNothing was removed."_qs};
const Bilingue kSansDossierPrive{u"aucun dossier privé dans « %1 »"_qs,
                                 u"no private folder in \"%1\""_qs};

const QColor kEncre(0x1f, 0x5e, 0x3b);

} // namespace

Vert::Vert(Desinstallation& programme) : programme_(programme) {
    setObjectName(u"Vert"_qs);
    setWindowTitle(u"Ravaloire"_qs);
    setWindowFlag(Qt::FramelessWindowHint);
    setStyleSheet(u"ravaloire--Vert { background: #ffffff; border: 6px solid #1f5e3b; }"_qs);
    setAttribute(Qt::WA_StyledBackground);
    const auto bouton = [](QPushButton& b, const QString& nom, int gauche) {
        return plateforme::Dessin{.controle = &b,
                                  .nom = nom,
                                  .gauche = gauche,
                                  .haut = 3300,
                                  .largeur = 1500,
                                  .hauteur = 525,
                                  .points = 10,
                                  .styles = Style::Gras};
    };
    plateforme::appliquerDisposition(this, {
                                               {.controle = &Label1,
                                                .nom = u"Label1"_qs,
                                                .gauche = 2160,
                                                .haut = 720,
                                                .largeur = 5400,
                                                .hauteur = 2280,
                                                .points = 10,
                                                .styles = Style::Gras | Style::Transparent,
                                                .alignement = Qt::AlignCenter,
                                                .couleur = kEncre},
                                               bouton(Oui, u"Oui"_qs, 2880),
                                               bouton(Non, u"Non"_qs, 4920),
                                               {.controle = &File1,
                                                .nom = u"File1"_qs,
                                                .largeur = 1200,
                                                .hauteur = 600,
                                                .styles = Style::Cache},
                                               {.controle = &List1,
                                                .nom = u"List1"_qs,
                                                .largeur = 1200,
                                                .hauteur = 600,
                                                .styles = Style::Cache},
                                               {.controle = &Picture1,
                                                .nom = u"Picture1"_qs,
                                                .gauche = 720,
                                                .haut = 1140,
                                                .largeur = 1260,
                                                .hauteur = 1260},
                                           });
    Label1.setWordWrap(true);
    Picture1.setImage(QImage(u":/installation/logo.png"_qs));
    connect(&Oui, &QPushButton::clicked, this, &Vert::Oui_Click);
    connect(&Non, &QPushButton::clicked, this, &Vert::Non_Click);
}

void Vert::Form_Load() {
    if (installation::ecrireForme(cheminFormeDesinstalleur(), installation::kFormeDesinstalleur))
        installation::FormeFenetre(*this, cheminFormeDesinstalleur());
    if (!installation::langueChoisie()) {
        charge_ = false;
        programme_.ouvrirLanguage();
        close();
        return;
    }
    charge_ = true;
    langue_ = installation::lireLangue();
    Oui.setText(kOui.en(langue_));
    Non.setText(kNon.en(langue_));
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move((ecran->size().width() - plateforme::pixels(8745)) / 2,
             (ecran->size().height() - plateforme::pixels(3915)) / 2);
    File1.hide();
    Oui.show();
    Non.show();
    Oui.setEnabled(true);
    Non.setEnabled(true);
    show();
    const Marqueur marqueur = lireMarqueur(programme_.dossierProgramme());
    Label1.setText(kQuestion.en(langue_) + u'"' + marqueur.groupe.toUpper() + u'"');
    if (marqueur.phase == kPhaseDeux)
        return Nettoyage();
    verifierCible();
    programme_.montrerSplash();
}

const Cible* Vert::verifierCible() {
    auto verifie =
        verifier(programme_.dossierProgramme(), programme_.services().lecteurs(), langue_);
    if (const QString* refus = std::get_if<QString>(&verifie)) {
        cible_.reset();
        Label1.setText(*refus);
        Oui.hide();
        Non.show();
        Non.setEnabled(true);
        return nullptr;
    }
    cible_ = std::get<Cible>(std::move(verifie));
    return &*cible_;
}

void Vert::Non_Click() {
    programme_.terminer();
}

void Vert::echouer(const QString& prive, const QString& message) {
    if (!prive.isEmpty())
        retirerCopies(prive, cible_ ? cible_->dossier : QString(),
                      QFileInfo(programme_.services().programme).fileName());
    programme_.informer(this, kTitreFin.en(langue_), message);
    Non.show();
}

void Vert::Oui_Click() {
    Oui.hide();
    Non.hide();
    const Cible* cible = verifierCible();
    if (!cible)
        return;
    const QString programme = programme_.services().programme;
    const auto prive = creerDossierPrive();
    if (!prive)
        return echouer({}, kCopieImpossible.en(langue_).arg(
                               kSansDossierPrive.en(langue_).arg(baseTemporaire())));
    if (const auto e = preparerCopie(*cible, programme, *prive))
        return echouer(*prive, kCopieImpossible.en(langue_).arg(*e));
    const QString copie = QDir(*prive).filePath(QFileInfo(programme).fileName());
    if (!programme_.services().demarrer(copie, *prive))
        return echouer(*prive, kLancementImpossible.en(langue_).arg(copie));
    programme_.terminer();
}

void Vert::Nettoyage() {
    Oui.setEnabled(false);
    Non.setEnabled(false);
    const Cible* cible = verifierCible();
    if (!cible)
        return;
    const QString programme = QFileInfo(programme_.services().programme).fileName();
    const Bilan bilan = retirerInstallation(*cible, programme);
    if (bilan.complet())
        retirerReglages();
    if (programme_.dossierProgramme() != cible->dossier)
        retirerCopies(programme_.dossierProgramme(), cible->dossier, programme);
    programme_.informer(this, kTitreFin.en(langue_), messageFinal(*cible, bilan));
    programme_.terminer();
}

QString Vert::messageFinal(const Cible& cible, const Bilan& bilan) const {
    QString texte =
        bilan.complet() ? kFin.en(langue_) : kIncomplet.en(langue_).arg(bilan.restes.join(u'\n'));
    const QString programme =
        QDir(cible.dossier).filePath(QFileInfo(programme_.services().programme).fileName());
    if (!bilan.complet() && QFileInfo::exists(programme))
        texte += u"\n"_qs + kRelancer.en(langue_).arg(QDir::toNativeSeparators(programme));
    if (!bilan.gardes.isEmpty())
        texte += u"\n\n"_qs + kGardes.en(langue_).arg(QDir::toNativeSeparators(cible.dossier),
                                                      bilan.gardes.join(u", "_qs));
    return texte;
}

} // namespace ravaloire
