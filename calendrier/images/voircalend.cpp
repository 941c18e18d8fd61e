#include "calendrier/images/voircalend.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/images/fenetreimages.h"
#include "calendrier/regles/regles.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/fenetres/imprimante.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>

using calendrier::kPageEntete;
using calendrier::kPagesParCalendrier;
using plateforme::Dessin;
using plateforme::Style;

namespace {

const QString kCaption = u"Voir Calendrier"_qs;

// The toolbar: caption (also its tip) and image of each button, by index.
struct Commande {
    const char16_t* legende;
    int image;
};
constexpr std::array<Commande, 4> kBoutonsBarre = {{
    {u"EFFACER", 14},
    {u"AUTRE", 15},
    {u"FIN", 1},
    {u"IMPRIMER", 3},
}};
constexpr int kHauteurBarre = 390;

// The thumbnails: three rows of four, their names under them.
constexpr int kColonnes[] = {90, 3110, 6130, 9150};
constexpr int kRangees[] = {465, 2974, 5490};
constexpr int kColonnesNoms[] = {960, 3975, 6990, 10020};
constexpr int kRangeesNoms[] = {2565, 5070, 7590};

const QColor kEncre(0x23, 0x39, 0x5b);

const QString kStyle = uR"(
VoirCalend { background: #f6f3ec; }
QToolBar#Toolbar1 { background: #ffffff; border: none; border-top: 1px solid #d9d2c3;
                    spacing: 6px; padding: 0px 6px; }
QToolBar#Toolbar1 QToolButton { color: #23395b; border: 1px solid transparent;
                                border-radius: 5px; padding: 1px 6px; }
QToolBar#Toolbar1 QToolButton:hover { background: #eef2f8; border-color: #c9d4e5; }
QToolBar#Toolbar1 QToolButton:disabled { color: #a7adb7; }
QListWidget { background: #ffffff; color: #1d2735; border: 1px solid #b9b09f; padding: 4px; }
QListWidget::item:selected { background: #23395b; color: #ffffff; }
plateforme--BoiteImage { background: #ffffff; border: 1px solid #d9d2c3; }
)"_qs;

QString nomPage(int page) {
    return page == kPageEntete ? u"la page de garde"_qs : regles::nomMois(page);
}

QString compte(qsizetype n, const QString& singulier, const QString& pluriel) {
    return u"%1 fichier%2 %3"_qs.arg(n).arg(n > 1 ? u"s"_qs : QString(),
                                            n > 1 ? pluriel : singulier);
}

// What erasing did, as the caption says it.
QString direEffacement(const QString& nom, const calendrier::Effacement& e) {
    QStringList dit;
    if (!e.aLaCorbeille.isEmpty())
        dit << compte(e.aLaCorbeille.size(), u"mis à la corbeille"_qs, u"mis à la corbeille"_qs);
    if (!e.supprimes.isEmpty())
        dit << compte(e.supprimes.size(), u"supprimé"_qs, u"supprimés"_qs);
    if (!e.restes.isEmpty())
        dit << u"impossible d'effacer "_qs + e.restes.join(u", "_qs);
    return nom + (e.reussi() ? u" effacé : "_qs : u" : "_qs) + dit.join(u" ; "_qs);
}

} // namespace

VoirCalend::VoirCalend(calendrier::Pilote& pilote) : pilote_(pilote) {
    setObjectName(u"VoirCalend"_qs);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kStyle);

    Toolbar1.setObjectName(u"Toolbar1"_qs);
    Toolbar1.setMovable(false);
    Toolbar1.setFloatable(false);
    Toolbar1.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (int index = 1; index <= int(kBoutonsBarre.size()); ++index) {
        const Commande& b = kBoutonsBarre[static_cast<std::size_t>(index - 1)];
        ImageList1 << ressources::imageBarre(b.image);
        QAction* action = Toolbar1.addAction(ImageList1.last(), QString::fromUtf16(b.legende));
        action->setToolTip(action->text());
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
    }
    File1.setPattern(u"*.Ans"_qs);
    connect(&File1, &ListeFichiers::Click, this, [this] { File1_Click(); });
    Image13.setEtire(false);
    for (QWidget* boite : {static_cast<QWidget*>(&Image13), static_cast<QWidget*>(&Image14)})
        boite->installEventFilter(this);
    // A page missing from the calendar leaves its box empty, but shown.
    Image14.setAttribute(Qt::WA_StyledBackground);
    for (plateforme::BoiteImage& boite : images_) {
        boite.setAttribute(Qt::WA_StyledBackground);
        boite.installEventFilter(this);
    }
}

calendrier::FichiersTravail VoirCalend::fichiers() const {
    return calendrier::FichiersTravail(QString(), pilote_.dossierSauvegarde());
}

QAction* VoirCalend::bouton(int index) const {
    const QList<QAction*> actions = Toolbar1.actions();
    return index >= 1 && index <= actions.size() ? actions[index - 1] : nullptr;
}

QList<int> VoirCalend::boutonsActifs() const {
    QList<int> actifs;
    for (int index = 1; index <= Toolbar1.actions().size(); ++index)
        if (bouton(index)->isEnabled())
            actifs << index;
    return actifs;
}

void VoirCalend::activer(std::initializer_list<int> index, bool actif) {
    for (int i : index)
        bouton(i)->setEnabled(actif);
}

void VoirCalend::legende(const QString& suite) {
    pilote_.cadre().setWindowTitle(suite.isEmpty() ? kCaption : kCaption + u" - "_qs + suite);
}

void VoirCalend::laisserPeindre() {
    // Input waits for the work to end: a click meanwhile cannot start another.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void VoirCalend::Form_Load() {
    QList<Dessin> dessin = {
        {.controle = &Toolbar1,
         .nom = u"Toolbar1"_qs,
         .haut = 8203,
         .largeur = 11869,
         .hauteur = kHauteurBarre},
        images::dessinTitre(Label2),
        {.controle = &File1,
         .nom = u"File1"_qs,
         .gauche = 4328,
         .haut = 2430,
         .largeur = 3225,
         .hauteur = 4303,
         .points = 9.75,
         .styles = Style::Cache},
        {.controle = &Label1,
         .nom = u"Label1"_qs,
         .gauche = 2288,
         .haut = 4485,
         .largeur = 7305,
         .hauteur = 465,
         .points = 13.5,
         .styles = Style::Gras | Style::Transparent | Style::Cache,
         .legende = u"PAS DE CALENDRIER DE SAUVEGARDER"_qs,
         .alignement = Qt::AlignCenter,
         .couleur = kEncre},
        {.controle = &Image14,
         .nom = u"Image14"_qs,
         .gauche = 240,
         .haut = 450,
         .largeur = 11475,
         .hauteur = 7665,
         .styles = Style::Cache},
    };
    // On the viewer's paper, in its ink.
    dessin[1].styles |= Style::Transparent;
    dessin[1].couleur = kEncre;
    for (int n = 1; n <= 12; ++n) {
        const int colonne = (n - 1) % 4, rangee = (n - 1) / 4;
        dessin << Dessin{.controle = &Image(n),
                         .nom = u"Image"_qs + QString::number(n),
                         .gauche = kColonnes[colonne],
                         .haut = kRangees[rangee],
                         .largeur = 3000,
                         .hauteur = 2121,
                         .styles = Style::Cache};
    }
    for (int n = 1; n <= 12; ++n)
        dessin << Dessin{.controle = &LabelMois(n),
                         .nom = u"Label"_qs + QString::number(n + 2),
                         .gauche = kColonnesNoms[(n - 1) % 4],
                         .haut = kRangeesNoms[(n - 1) / 4],
                         .largeur = 1260,
                         .hauteur = 285,
                         .points = 9.75,
                         .styles = Style::Gras | Style::Transparent | Style::Cache,
                         .legende = images::kNomsMois[n - 1],
                         .alignement = Qt::AlignCenter,
                         .couleur = kEncre};
    dessin << Dessin{.controle = &Image13,
                     .nom = u"Image13"_qs,
                     .largeur = 6525,
                     .hauteur = 2955,
                     .styles = Style::Cache};
    legende();
    plateforme::appliquerDisposition(this, dessin);
    FormZoomed& zoom = pilote_.zoom();
    zoom.RetenirDisposition(this);
    zoom.ZoomEcran(this);
    pilote_.cadre().montrer(this);
    placerBarre();
    Lire();
}

void VoirCalend::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placerBarre();
}

void VoirCalend::placerBarre() {
    // Along the bottom edge, whatever the window's height; on a small
    // screen it keeps legible captions.
    const int rapport = pilote_.zoom().rapportHauteur() > 0 ? pilote_.zoom().rapportHauteur() : 100;
    const int hauteurDessin = plateforme::pixels(kHauteurBarre / 100.0 * rapport);
    const int icone = std::max(16, hauteurDessin - 10);
    Toolbar1.setIconSize(QSize(icone, icone));
    QFont police(u"Arial"_qs);
    police.setBold(true);
    police.setPixelSize(std::max(11, icone * 3 / 5));
    for (QAction* action : Toolbar1.actions())
        if (QWidget* b = Toolbar1.widgetForAction(action))
            b->setFont(police);
    const int hauteur = std::max(hauteurDessin, Toolbar1.sizeHint().height());
    Toolbar1.setGeometry(0, height() - hauteur, width(), hauteur);
    Toolbar1.raise();
}

void VoirCalend::Lire() {
    legende();
    Toolbar1.show();
    Label2.show();
    Label1.hide();
    File1.hide();
    // A missing save folder lists nothing.
    File1.setPath(fichiers().dossierSauvegarde());
    activer({Fin}, true);
    activer({Imprimer, Autre, Effacer}, false);
    for (int n = 1; n <= 12; ++n) {
        Image(n).hide();
        LabelMois(n).hide();
    }
    Image13.hide();
    Image14.hide();
    if (File1.ListCount() > 0)
        File1.show();
    else
        Label1.show();
    pilote_.cadre().montrer(this);
    laisserPeindre();
}

void VoirCalend::Toolbar1_ButtonClick(int index) {
    switch (index) {
    case Effacer:
        return Command4();
    case Autre:
        return Command3();
    case Fin:
        return Command1();
    case Imprimer:
        return Command2();
    default:
        return;
    }
}

void VoirCalend::File1_Click() {
    const QString choisi = File1.FileName();
    if (choisi.isEmpty() || !File1.isVisible())
        return;
    index_ = choisi;
    legende();
    File1.hide();
    laisserPeindre();
    Image14.show();
    Image14.charger(fichiers().pagesCalendrier(index_).value(kPageEntete));
}

void VoirCalend::Image14_Click() {
    if (!Image14.isVisible())
        return;
    Image14.hide();
    // Every box is loaded afresh: a line missing from the index leaves it empty.
    const QStringList pages = fichiers().pagesCalendrier(index_);
    for (int n = 1; n <= 12; ++n) {
        Image(n).charger(pages.value(n));
        Image(n).setEnabled(false);
        Image(n).show();
        LabelMois(n).show();
        laisserPeindre();
    }
    activer({Fin, Imprimer, Autre, Effacer}, true);
    for (plateforme::BoiteImage& boite : images_)
        boite.setEnabled(true);
}

void VoirCalend::montrerMois(bool montrer) {
    for (int n = 1; n <= 12; ++n) {
        Image(n).setVisible(montrer);
        LabelMois(n).setVisible(montrer);
    }
    Label2.setVisible(montrer);
}

void VoirCalend::montrerEnGrand(const QImage& page) {
    Image13.setImage(page);
    Image13.setGeometry(QRect(QPoint(0, 0), page.size()));
    Image13.show();
    Image13.raise();
    Toolbar1.raise();
}

void VoirCalend::Image_Click(int n) {
    if (n < 1 || n > 12 || !Image(n).isVisible() || !Image(n).isEnabled())
        return;
    // An empty box has no page to enlarge; the page itself, at its own size.
    const QImage page = plateforme::chargerImage(Image(n).chemin());
    if (page.isNull())
        return;
    Toolbar1.hide();
    montrerMois(false);
    montrerEnGrand(page);
}

void VoirCalend::Image13_Click() {
    if (!Image13.isVisible() || !Image13.isEnabled())
        return;
    Image13.vider();
    Image13.hide();
    montrerMois(true);
    Toolbar1.show();
}

void VoirCalend::Command1() {
    // Closed: the pictures go with it, and the next opening loads it afresh.
    for (plateforme::BoiteImage* boite : {&Image13, &Image14})
        boite->vider();
    for (plateforme::BoiteImage& boite : images_)
        boite.vider();
    index_.clear();
    pilote_.montrer(calendrier::Fenetre::Accueil);
}

void VoirCalend::Command3() {
    Lire();
}

void VoirCalend::Command4() {
    if (index_.isEmpty())
        return;
    // No other action while the files go.
    activer({Fin, Imprimer, Autre, Effacer}, false);
    laisserPeindre();
    const calendrier::Effacement effacement = fichiers().supprimerCalendrier(index_, true);
    const QString nom = QFileInfo(index_).completeBaseName();
    index_.clear();
    Lire();
    legende(direEffacement(nom, effacement));
}

void VoirCalend::Command2() {
    if (index_.isEmpty())
        return;
    activer({Fin, Imprimer, Autre, Effacer}, false);
    montrerMois(false);
    Image13.setEnabled(false);
    const calendrier::FichiersTravail f = fichiers();
    std::unique_ptr<plateforme::Imprimante> imprimante =
        pilote_.services().imprimante(plateforme::cheminLibre(
            f.chemin(u"Calendrier"_qs + QFileInfo(index_).completeBaseName() + u".pdf"_qs)));
    imprimante->regler({QPageSize::A4, QPageLayout::Landscape, true});
    const QRect cadre = plateforme::cadreSurLaFeuille(*imprimante);
    // The cover and the twelve months, in the index's order, as a year is printed.
    const QStringList pages = f.pagesCalendrier(index_);
    QStringList absentes;
    for (int p = kPageEntete; p < kPagesParCalendrier; ++p) {
        const QImage page = plateforme::chargerImage(pages.value(p));
        if (page.isNull()) {
            absentes << nomPage(p);
            continue;
        }
        montrerEnGrand(page);
        laisserPeindre();
        imprimante->dessinerImage(page, cadre);
        imprimante->nouvellePage();
    }
    const bool imprime = imprimante->terminer();
    Image13.vider();
    Image13.setEnabled(true);
    Lire();
    QStringList dit;
    if (!imprime)
        dit << u"Impression impossible"_qs;
    else if (!imprimante->fichier().isEmpty())
        dit << u"Imprimé dans "_qs +
                   QDir::toNativeSeparators(QFileInfo(imprimante->fichier()).absoluteFilePath());
    if (!absentes.isEmpty())
        dit << u"pages absentes : "_qs + absentes.join(u", "_qs);
    legende(dit.join(u" - "_qs));
}

bool VoirCalend::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
        if (objet == &Image14) {
            Image14_Click();
            return true;
        }
        if (objet == &Image13) {
            Image13_Click();
            return true;
        }
        for (int n = 1; n <= 12; ++n)
            if (objet == &Image(n)) {
                Image_Click(n);
                return true;
            }
    }
    return QWidget::eventFilter(objet, evenement);
}
