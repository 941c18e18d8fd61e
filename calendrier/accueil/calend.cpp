#include "calendrier/accueil/calend.h"

#include "calendrier/coquille/boitereponse.h"
#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/regles/regles.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/fenetres/disposition.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>
#include <QUrl>

using calendrier::FichiersTravail;
using calendrier::Sortie;
using plateforme::Dessin;
using plateforme::Style;

namespace {

const QString kAdresseSite = QStringLiteral(QUIVEX_WEB_ADRESSE);
const QString kFichierAide = u"Calend.html"_qs;

// The toolbar: caption, tool tip and image of each button, by position.
struct Bouton {
    const char16_t* legende;
    const char16_t* infobulle;
    int image;
};
constexpr std::array<Bouton, Calend::kBoutons> kBoutonsBarre = {{
    {u"CONSULT  MOIS", u"CONSULTER UN MOIS", 5},
    {u"CONSULT  ANNEE", u"CONSULTER UNE ANNEE", 6},
    {u"ENREGI ANNIVER", u"ENREGISTRER ANNIVERSAIRE", 4},
    {u"IMPRIMANTE", u"IMPRIMANTE", 3},
    {u"IMPRIMANTE", u"IMPRIMANTE", 3},
    {u"ECRAN", u"ECRAN", 2},
    {u"ECRAN", u"ECRAN", 2},
    {u"FETE FIXE", u"FETE FIXE", 7},
    {u"RETOUR MENU", u"RETOUR MENU", 8},
    {u"RETOUR MENU", u"RETOUR MENU", 8},
    {u"RETOUR MENU", u"RETOUR MENU", 8},
    {u"ENREGISTRER", u"ENREGISTRER", 9},
    {u"VOIR  CALENDR", u"VOIR UN CALENDRIER", 10},
    {u"CONTINUER", u"CONTINUER", 11},
    {u"LISEZ-MOI", u"LISEZ-MOI", 12},
    // The web site gets its own globe rather than the help's image.
    {u"SITE QUIVEX", u"SITE QUIVEX", 13},
    {u"FIN", u"FIN", 1},
}};

// The toolbar's height in the design, in twips: the title sits just below it.
constexpr int kHauteurBarre = 630;

const QColor kEncre(0x23, 0x39, 0x5b);
const QColor kAlerte(0x9b, 0x2c, 0x2c);
const QColor kPapier(0xf6, 0xf3, 0xec);

const QString kStyle = uR"(
Calend { background: #f6f3ec; }
QToolBar#Toolbar1 { background: #ffffff; border: none; border-bottom: 1px solid #d9d2c3;
                    spacing: 2px; padding: 0px 4px; }
QToolBar#Toolbar1 QToolButton { color: #23395b; border: 1px solid transparent;
                                border-radius: 5px; padding: 1px 4px; }
QToolBar#Toolbar1 QToolButton:hover { background: #eef2f8; border-color: #c9d4e5; }
QToolBar#Toolbar1 QToolButton:pressed { background: #dde5f1; }
QToolBar#Toolbar1 QToolButton:disabled { color: #a7adb7; }
QLineEdit { background: #ffffff; color: #1d2735; border: 1px solid #b9b09f;
            border-radius: 4px; padding: 0 4px; selection-background-color: #23395b; }
QLineEdit:focus { border: 2px solid #23395b; }
QListWidget { background: #ffffff; color: #1d2735; border: 1px solid #b9b09f;
              border-radius: 4px; outline: none; padding: 4px; }
QListWidget::item { padding: 0 6px; }
QListWidget::item:selected { background: #23395b; color: #ffffff; }
QListWidget:disabled { color: #1d2735; }
)"_qs;

// Every answer box on one line under the prompt.
constexpr int kHautBoites = 8190;
constexpr int kHauteurBoite = 360;

Dessin boite(QLineEdit& t, const QString& nom, int gauche, int largeur) {
    return {.controle = &t,
            .nom = nom,
            .gauche = gauche,
            .haut = kHautBoites,
            .largeur = largeur,
            .hauteur = kHauteurBoite,
            .points = 10,
            .styles = Style::Cache};
}

Dessin liste(QListWidget& l, const QString& nom) {
    return {.controle = &l,
            .nom = nom,
            .gauche = 3578,
            .haut = 2490,
            .largeur = 4725,
            .hauteur = 3796,
            .points = 10,
            .styles = Style::Cache};
}

} // namespace

Calend::Calend(calendrier::Pilote& pilote)
    : pilote_(pilote), feuille_(this),
      editeurEnfant_(
          calendrier::Liste::Enfant, {Label12, List1, Text9, Text6, Text7, Text8},
          [this] { return fichiers(); }, [this] { Lire(); }, [this](const QString& t) { dire(t); }),
      editeurFete_(
          calendrier::Liste::Fete, {Label12, List2, Text10, Text11, Text12, Text13},
          [this] { return fichiers(); }, [this] { Lire(); },
          [this](const QString& t) { dire(t); }) {
    setWindowTitle(u"Affiche"_qs);
    setObjectName(u"Calend"_qs);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kStyle);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPapier);
    setPalette(pal);

    const int w = 4875; // the wide boxes
    plateforme::appliquerDisposition(&feuille_,
                                     {
                                         {.controle = &Label12,
                                          .nom = u"Label12"_qs,
                                          .gauche = 3503,
                                          .haut = 7860,
                                          .largeur = 4875,
                                          .hauteur = 225,
                                          .points = 9,
                                          .styles = Style::Gras | Style::Transparent | Style::Cache,
                                          .alignement = Qt::AlignCenter,
                                          .couleur = kEncre},
                                         {.controle = &Label1,
                                          .nom = u"Label1"_qs,
                                          .gauche = 4890,
                                          .haut = 660,
                                          .largeur = 2295,
                                          .hauteur = 390,
                                          .points = 15,
                                          .styles = Style::Gras | Style::Transparent,
                                          .legende = u"CALENDRIER"_qs,
                                          .alignement = Qt::AlignCenter,
                                          .couleur = kEncre},
                                         // Wider than the prompt, on the same centre: a
                                         // refusal says in full what is accepted.
                                         {.controle = &Label2,
                                          .nom = u"Label2"_qs,
                                          .gauche = 1440,
                                          .haut = 7590,
                                          .largeur = 9000,
                                          .hauteur = 225,
                                          .points = 9,
                                          .styles = Style::Transparent | Style::Cache,
                                          .alignement = Qt::AlignCenter,
                                          .couleur = kAlerte},
                                         {.controle = &Image2,
                                          .nom = u"Image2"_qs,
                                          .gauche = 3240,
                                          .haut = 1260,
                                          .largeur = 5400,
                                          .hauteur = 6300},
                                         {.controle = &Image4[0],
                                          .nom = plateforme::nomElement(u"Image4"_qs, 0),
                                          .largeur = 1000,
                                          .hauteur = 1000,
                                          .styles = Style::Cache},
                                         {.controle = &Image4[1],
                                          .nom = plateforme::nomElement(u"Image4"_qs, 1),
                                          .largeur = 1000,
                                          .hauteur = 1000,
                                          .styles = Style::Cache},
                                         // The lists share one place; only one is ever shown.
                                         liste(List1, u"List1"_qs),
                                         liste(List2, u"List2"_qs),
                                         boite(Text7, u"Text7"_qs, 3503, w),
                                         boite(Text8, u"Text8"_qs, 3503, w),
                                         boite(Text12, u"Text12"_qs, 3503, w),
                                         boite(Text13, u"Text13"_qs, 3503, w),
                                         boite(Text14, u"Text14"_qs, 3503, w),
                                         boite(Text6, u"Text6"_qs, 5318, 1245),
                                         boite(Text9, u"Text9"_qs, 5318, 1245),
                                         boite(Text10, u"Text10"_qs, 5318, 1245),
                                         boite(Text11, u"Text11"_qs, 5318, 1245),
                                         boite(Text1, u"Text1"_qs, 5513, 855),
                                         boite(Text2, u"Text2"_qs, 5513, 855),
                                         boite(Text3, u"Text3"_qs, 5513, 855),
                                         boite(Text4, u"Text4"_qs, 5513, 855),
                                         boite(Text5, u"Text5"_qs, 5513, 855),
                                     });
    Image2.charger(ressources::cheminAccueil());
    Image4[0].setImage(ressources::ornement(ressources::Coin::BasGauche));
    Image4[1].setImage(ressources::ornement(ressources::Coin::BasDroite));

    for (QLineEdit* t : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9,
                         &Text10, &Text11, &Text12, &Text13, &Text14})
        calendrier::preparerBoite(*t);
    for (QLineEdit* t : {&Text3, &Text4, &Text5, &Text6, &Text9, &Text10, &Text11})
        t->setAlignment(Qt::AlignCenter);
    connect(&Text3, &QLineEdit::returnPressed, this, &Calend::Text3_KeyPress);
    connect(&Text4, &QLineEdit::returnPressed, this, &Calend::Text4_KeyPress);
    connect(&Text5, &QLineEdit::returnPressed, this, &Calend::text5_keyPress);
    connect(&Text14, &QLineEdit::returnPressed, this, &Calend::text14_keyPress);

    Toolbar1.setParent(this);
    Toolbar1.setObjectName(u"Toolbar1"_qs);
    Toolbar1.setMovable(false);
    Toolbar1.setFloatable(false);
    Toolbar1.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int i = 1; i <= ressources::kImagesBarre; ++i)
        ImageList1 << ressources::imageBarre(i);
    for (int position = 1; position <= kBoutons; ++position) {
        const Bouton& b = kBoutonsBarre[static_cast<std::size_t>(position - 1)];
        QAction* action =
            Toolbar1.addAction(ImageList1.value(b.image - 1), QString::fromUtf16(b.legende));
        action->setToolTip(QString::fromUtf16(b.infobulle));
        connect(action, &QAction::triggered, this,
                [this, position] { Toolbar1_ButtonClick(position); });
    }
    // Without an address the web button has nothing to open.
    bouton(16)->setEnabled(!kAdresseSite.isEmpty());
    for (int position : {9, 10})
        bouton(position)->setVisible(false);
    Toolbar1.raise();
    resize(plateforme::pixels(12000), plateforme::pixels(9000));
}

FichiersTravail Calend::fichiers() const {
    return FichiersTravail(QString(), pilote_.dossierSauvegarde());
}

QAction* Calend::bouton(int position) const {
    const QList<QAction*> actions = Toolbar1.actions();
    return position >= 1 && position <= actions.size() ? actions[position - 1] : nullptr;
}

QList<int> Calend::boutonsMontres() const {
    QList<int> montres;
    if (Toolbar1.isHidden())
        return montres;
    for (int position = 1; position <= kBoutons; ++position)
        if (bouton(position)->isVisible())
            montres << position;
    return montres;
}

void Calend::montrerBoutons(std::initializer_list<int> positions, bool montrer) {
    for (int position : positions)
        bouton(position)->setVisible(montrer);
}

void Calend::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placerBarre();
}

void Calend::placerBarre() {
    const int rapport = pilote_.zoom().rapportHauteur() > 0 ? pilote_.zoom().rapportHauteur() : 100;
    const int hauteurDessin = plateforme::pixels(kHauteurBarre / 100.0 * rapport);
    const int icone = std::max(24, hauteurDessin / 2);
    Toolbar1.setIconSize(QSize(icone, icone));
    QFont police(u"Arial"_qs);
    police.setPixelSize(std::max(11, hauteurDessin / 5));
    // Set on each button: the style sheet keeps them from inheriting it.
    for (QAction* action : Toolbar1.actions())
        if (QWidget* b = Toolbar1.widgetForAction(action))
            b->setFont(police);
    // On a small screen the toolbar keeps legible captions and the design
    // moves down by what it grew.
    const int hauteur = std::max(hauteurDessin, Toolbar1.sizeHint().height());
    const int largeurDessin = plateforme::pixels(FormZoomed::kLargeurDessin / 100.0 * rapport);
    feuille_.setGeometry(std::max(0, (width() - largeurDessin) / 2), hauteur - hauteurDessin,
                         largeurDessin, height() - (hauteur - hauteurDessin));
    Toolbar1.setGeometry(0, 0, width(), hauteur);
    Toolbar1.raise();
}

void Calend::Form_Load() {
    pilote_.cadre().setWindowTitle(u"Menu"_qs);
    pilote_.zoom().RetenirDisposition(this);
    pilote_.zoom().AppliquerZoom(this);
    placerBarre();
    fichiers().creerDossierSauvegarde();
    Lire();
}

void Calend::Lire() {
    // The page window's size places the corner pictures.
    const QSize page = pilote_.taillePage();
    const double hauteurPage = plateforme::twips(page.height());
    const double largeurPage = plateforme::twips(page.width());
    for (std::size_t i = 0; i < Image4.size(); ++i) {
        using plateforme::Propriete;
        plateforme::ecrirePropriete(&Image4[i], Propriete::Height, 1000);
        plateforme::ecrirePropriete(&Image4[i], Propriete::Width, 1000);
        plateforme::ecrirePropriete(&Image4[i], Propriete::Top, hauteurPage - 1000);
        plateforme::ecrirePropriete(&Image4[i], Propriete::Left, i == 0 ? 0 : largeurPage - 1000);
    }

    pilote_.cadre().setWindowTitle(u"Menu"_qs);
    Toolbar1.show();
    Image2.show();
    for (QWidget* c : std::initializer_list<QWidget*>{
             &Text1,     &Text2,     &Text3,  &Text4,   &Text5,  &Text6,  &Text7,
             &Text8,     &Text9,     &Text10, &Text11,  &Text12, &Text13, &Text14,
             &Image4[0], &Image4[1], &Label2, &Label12, &List1,  &List2})
        c->hide();
    montrerBoutons({4, 5, 6, 7, 9, 10, 11, 12, 14}, false);
    montrerBoutons({13, 3, 1, 2, 8, 16}, true);
    fichiers().remettreSauve();
}

void Calend::signaler(const QString& texte) {
    Label2.setText(texte);
    Label2.show();
}

void Calend::Toolbar1_ButtonClick(int position) {
    Label2.hide();
    switch (position) {
    case 1:
        return Command1_Click();
    case 2:
        return Command2_Click();
    case 3:
        return FeteEnfants_Click();
    case 4:
        return Command4_Click();
    case 5:
        return Command6_Click();
    case 6:
        return Command7_Click();
    case 7:
        return Command5_Click();
    case 8:
        return FeteFixe();
    case 9:
    case 10:
    case 11:
        return Lire();
    case 12:
        return Sauvegarde();
    case 13:
        return ouvrirVoirCalend();
    case 14:
        return Continuer_Click();
    case 15:
        return Aide_Click();
    case 16:
        return Site_Click();
    case 17:
        return Command3_Click();
    default:
        return;
    }
}

void Calend::demander(const QString& invite, QLineEdit& boite, const QString& texte) {
    Label12.setText(invite);
    Label12.show();
    boite.setText(texte);
    boite.show();
    boite.setFocus();
    boite.selectAll();
}

void Calend::Command1_Click() {
    montrerBoutons({1, 2, 3, 8, 13}, false);
    montrerBoutons({16, 11}, true);
    fichiers().commencerConsultation(calendrier::Genre::Mois);
    consultation_ = {};
    demanderMois();
}

QDate Calend::aujourdhui() const {
    return pilote_.services().aujourdhui();
}

void Calend::demanderMois() {
    demander(u"Quel Mois ?"_qs, Text3,
             QStringLiteral("%1").arg(aujourdhui().month(), 2, 10, QChar(u'0')));
}

void Calend::demanderAnnee(QLineEdit& boite) {
    demander(u"Quel Annee ?"_qs, boite,
             QStringLiteral("%1").arg(aujourdhui().year(), 4, 10, QChar(u'0')));
}

void Calend::Text3_KeyPress() {
    Label2.hide();
    const std::optional<int> mois = calendrier::lireMois(Text3.text());
    if (!mois) {
        demanderMois();
        signaler(u"Mois de 1 à 12"_qs);
        return;
    }
    consultation_.mois = *mois;
    Text3.hide();
    demanderAnnee(Text4);
}

bool Calend::retenirAnnee(const QLineEdit& boite) {
    const std::optional<int> annee = calendrier::lireAnnee(boite.text());
    // A year no calendar can be made for drops the consultation; the main
    // toolbar says why.
    if (!annee) {
        Lire();
        signaler(u"Année de %1 à %2"_qs.arg(regles::AnneeMin).arg(regles::AnneeMax));
        return false;
    }
    consultation_.annee = *annee;
    return true;
}

void Calend::Text4_KeyPress() {
    if (!retenirAnnee(Text4))
        return;
    Text4.hide();
    Label12.hide();
    montrerBoutons({4, 7}, true);
    montrerBoutons({16}, false);
}

void Calend::Command2_Click() {
    montrerBoutons({1, 2, 3, 8, 13}, false);
    montrerBoutons({16, 11}, true);
    fichiers().commencerConsultation(calendrier::Genre::Annee);
    consultation_ = {};
    demanderAnnee(Text5);
}

void Calend::text5_keyPress() {
    if (!retenirAnnee(Text5))
        return;
    Text5.hide();
    Label12.hide();
    Toolbar1.show();
    montrerBoutons({5, 14, 12}, true);
    montrerBoutons({11}, false);
}

void Calend::Sauvegarde() {
    fichiers().creerDossierSauvegarde();
    montrerBoutons({5, 14, 12}, false);
    montrerBoutons({15}, true);
    demander(u"Nom du Calendrier à Sauver"_qs, Text14, QString());
}

void Calend::text14_keyPress() {
    Label2.hide();
    const auto confirmer = [this] {
        return pilote_.services().demanderOuiNon(this, u"Le Nom exite déjà"_qs, u"ECRASER"_qs) ==
               plateforme::Reponse::Oui;
    };
    switch (fichiers().nommerCalendrier(Text14.text(), consultation_.texteAnnee(), confirmer)) {
    case calendrier::Nommage::Fait:
        consultation_.nomCalendrier = Text14.text().trimmed();
        montrerBoutons({6, 11}, true);
        montrerBoutons({5, 14, 12}, false);
        Label12.hide();
        Text14.hide();
        return;
    case calendrier::Nommage::Echec:
        dire(u"Le calendrier ne peut pas être enregistré dans le dossier %1."_qs.arg(
            pilote_.dossierSauvegarde()));
        break;
    case calendrier::Nommage::Refuse:
        signaler(u"Nom refusé : ni / ni \\, ni « . » seul, ni « .. » au début, ni trop long"_qs);
        break;
    case calendrier::Nommage::Abandonne:
        break;
    }
    // Another name can be typed.
    Text14.clear();
    Text14.setFocus();
}

void Calend::Continuer_Click() {
    montrerBoutons({6, 11}, true);
    montrerBoutons({5, 14, 12}, false);
}

void Calend::sortir(Sortie sortie) {
    Toolbar1.hide();
    Image2.hide();
    fichiers().choisirSortie(sortie);
    consultation_.sortie = sortie;
    // Saving is asked on the year's way to the screen only.
    if (sortie != Sortie::EcranAnnee)
        consultation_.nomCalendrier.clear();
    // One month goes on to the single picture, a year to its cover photo.
    pilote_.montrer(consultation_.genre() == calendrier::Genre::Mois
                        ? calendrier::Fenetre::LireImage
                        : calendrier::Fenetre::Entete,
                    consultation_);
}

void Calend::Command4_Click() {
    sortir(Sortie::ImprimanteMois);
}
void Calend::Command5_Click() {
    sortir(Sortie::EcranMois);
}
void Calend::Command6_Click() {
    sortir(Sortie::ImprimanteAnnee);
}
void Calend::Command7_Click() {
    sortir(Sortie::EcranAnnee);
}

void Calend::ouvrirVoirCalend() {
    pilote_.montrer(calendrier::Fenetre::VoirCalend);
}

void Calend::Command3_Click() {
    pilote_.terminer();
}

void Calend::ouvrirEditeur(calendrier::EditeurListe& editeur) {
    Toolbar1.hide();
    // The list takes the picture's place.
    Image2.hide();
    editeur.ouvrir();
}

void Calend::FeteEnfants_Click() {
    ouvrirEditeur(editeurEnfant_);
}
void Calend::FeteFixe() {
    ouvrirEditeur(editeurFete_);
}

bool Calend::peutFermer() {
    for (calendrier::EditeurListe* editeur : {&editeurEnfant_, &editeurFete_}) {
        if (!editeur->modifiee())
            continue;
        const QString liste =
            editeur == &editeurEnfant_ ? u"des anniversaires"_qs : u"des fêtes"_qs;
        switch (pilote_.services().demanderOuiNonAnnuler(
            this, u"Calendrier"_qs,
            u"Enregistrer les modifications de la liste %1 ?"_qs.arg(liste))) {
        case plateforme::Reponse::Oui:
            if (!editeur->enregistrer())
                return false;
            break;
        case plateforme::Reponse::Non:
            break;
        case plateforme::Reponse::Annuler:
            return false;
        }
    }
    return true;
}

QString Calend::cheminAide() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(kFichierAide);
}

void Calend::ouvrirDocument(const QUrl& adresse) {
    // The viewer must be able to come in front of the frame.
    QWidget* cadre = window();
    if (cadre->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        const bool maximise = cadre->isMaximized();
        cadre->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        maximise ? cadre->showMaximized() : cadre->show();
    }
    if (!pilote_.services().ouvrir(adresse))
        dire(u"Impossible d'ouvrir %1."_qs.arg(adresse.toDisplayString()));
}

void Calend::dire(const QString& texte) {
    pilote_.services().informer(this, u"Calendrier"_qs, texte);
}

void Calend::Aide_Click() {
    const QString aide = cheminAide();
    if (!QFileInfo::exists(aide)) {
        dire(u"La page d'aide est introuvable : %1"_qs.arg(aide));
        return;
    }
    ouvrirDocument(QUrl::fromLocalFile(aide));
}

void Calend::Site_Click() {
    if (!kAdresseSite.isEmpty())
        ouvrirDocument(QUrl::fromUserInput(kAdresseSite));
}
