#include "calendrier/affichage/aficheCalend.h"

#include "calendrier/coquille/boitereponse.h"
#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/coquille/pilote.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/pages/peintre.h"
#include "calendrier/regles/regles.h"
#include "calendrier/ressources/ressources.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/fenetres/imprimante.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

using namespace plateforme;
using calendrier::FichiersTravail;
using calendrier::ModeSauve;
using pages::kCases;
using pages::kLignes;

const QColor AficheCalend::kVert = pages::kVert;
const QColor AficheCalend::kBleu = pages::kBleu;
const QColor AficheCalend::kFond = pages::kFond;

namespace {

// --- The design --------------------------------------------------------------

namespace dessin = pages::dessin;

// The month the prompt offers after month n (n from 1 to 12).
// What the prompt names after December.
const QString kLaSuite = u"La Suite "_qs;

const QString kSaut = u"SAUT"_qs;
const QString kAutreConsultation = u"Autre Consultation (O/N)"_qs;
const QString kPremierMois = u"Faite OK Pour Avoir Le 1° MOIS ou  F pour Fin "_qs;
const QString kFinOuAutre = u"O Autre Consultation  ou  F pour Fin "_qs;
const QString kCaption = u"Affiche Calendrier"_qs;

// The temporary captures of a print run, in the save folder.
const QString kTmpEntete = u"Entete.tmp"_qs;
const QString kTmpListe = u"Temporaire.tmp"_qs;
const QString kTmpMois = u"Tempraire.tmp"_qs;
const QString kExtensionTmp = u".tmp"_qs;

constexpr double kPointsParPouceImpression = 200;

constexpr int kEntree = 13;

// A temporary capture, read back by the print that follows and then deleted:
// written straight, without the atomic rewrite's flush to disk.
bool ecrireBmp(const QString& chemin, const QImage& image) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QImageWriter ecrivain(&fichier, "bmp");
    return ecrivain.write(image);
}

} // namespace

AficheCalend::~AficheCalend() = default;

AficheCalend::AficheCalend(calendrier::Pilote& pilote) : pilote_(pilote) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kFond);
    setPalette(p);
    for (QLineEdit* boite : {&Text1, &Text2}) {
        calendrier::preparerBoite(*boite);
        boite->setMaxLength(20);
    }
    connect(&Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(kEntree); });
    connect(&Text2, &QLineEdit::returnPressed, this, [this] { Text2_KeyPress(kEntree); });
    for (QWidget* dessine : {static_cast<QWidget*>(&Image1), static_cast<QWidget*>(&Image4[0]),
                             static_cast<QWidget*>(&Image4[1])})
        dessine->installEventFilter(this);
    Form_Load();
}

std::array<Etiquette*, pages::kJoursSemaine> AficheCalend::entetes() {
    return {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
}

FichiersTravail AficheCalend::fichiers() const {
    return FichiersTravail(QString(), pilote_.dossierSauvegarde());
}

void AficheCalend::Form_Load() {
    pilote_.cadre().setWindowTitle(kCaption);

    using enum Style;
    const Qt::Alignment centre = Qt::AlignCenter;
    const Styles grille = Gras | Italique | Transparent | Cache;
    QList<Dessin> table = {
        {.controle = &Image1,
         .nom = u"Image1"_qs,
         .gauche = 60,
         .haut = 60,
         .largeur = 11775,
         .hauteur = 8715},
        {.controle = &Image3,
         .nom = u"Image3"_qs,
         .gauche = 60,
         .haut = 60,
         .largeur = 11775,
         .hauteur = 8715,
         .styles = Cache},
    };
    for (int i = 0; i < 2; ++i)
        table.append({.controle = &Image4[i],
                      .nom = nomElement(u"Image4"_qs, i),
                      .largeur = dessin::kTailleOrnement,
                      .hauteur = dessin::kTailleOrnement,
                      .styles = Cache});
    // Every label is transparent: the page painter draws the plates too.
    const auto etiquette = [&table](Etiquette* e, const QString& nom, const QRect& place,
                                    double points, Styles styles, const QColor& couleur,
                                    const QString& legende = {}) {
        table.append({.controle = e,
                      .nom = nom,
                      .gauche = place.left(),
                      .haut = place.top(),
                      .largeur = place.width(),
                      .hauteur = place.height(),
                      .points = points,
                      .styles = styles | Transparent,
                      .legende = legende,
                      .alignement = Qt::AlignCenter,
                      .couleur = couleur});
    };
    etiquette(&Label1, u"Label1"_qs, dessin::kAnnee, dessin::kPointsAnnee, Gras | Italique,
              pages::kEncre);
    etiquette(&Label2, u"Label2"_qs, dessin::kTitre, dessin::kPointsTitre,
              Gras | Italique | AjusteAuTexte, pages::kEncre);
    const auto jours = entetes();
    for (int j = 0; j < pages::kJoursSemaine; ++j)
        etiquette(jours[j], u"Label"_qs + QString::number(3 + j), dessin::entete(j),
                  dessin::kPointsGrille, grille, pages::couleurEntete(j), pages::nomEntete(j));
    for (int n = 0; n < kCases; ++n)
        etiquette(&Label10[n], nomElement(u"Label10"_qs, n), dessin::jour(n), dessin::kPointsGrille,
                  grille, pages::kSemaine);
    for (int n = 0; n < kCases; ++n)
        etiquette(&Label13[n], nomElement(u"Label13"_qs, n), dessin::prenom(n),
                  dessin::kPointsPrenom, grille | AjusteAuTexte, pages::kTexte);
    for (int i = 0; i < kLignes; ++i)
        etiquette(&Label11[i], nomElement(u"Label11"_qs, i), dessin::ligne(i), dessin::kPointsLigne,
                  Gras | Cache, pages::kTexte);
    etiquette(&Label12, u"Label12"_qs, dessin::kQuestion, dessin::kPointsLigne, Gras | Cache,
              pages::kEncre);
    table.append({.controle = &Text1,
                  .nom = u"Text1"_qs,
                  .gauche = 5573,
                  .haut = 8160,
                  .largeur = 735,
                  .hauteur = 360,
                  .points = 8.8,
                  .styles = Gras | Cache,
                  .alignement = centre});
    table.append({.controle = &Text2,
                  .nom = u"Text2"_qs,
                  .gauche = 5573,
                  .haut = 8145,
                  .largeur = 735,
                  .hauteur = 360,
                  .points = 8.8,
                  .styles = Gras | Cache,
                  .alignement = centre});
    appliquerDisposition(this, table);
    Image4[0].setImage(ressources::ornement(ressources::Coin::BasGauche));
    Image4[1].setImage(ressources::ornement(ressources::Coin::BasDroite));

    FormZoomed& zoom = pilote_.zoom();
    zoom.dimensionner(this);
    zoom.RetenirDisposition(this);
    zoom.AppliquerZoom(this);

    couleurs_ = pages::lireCouleurs(fichiers().chemin(u"Couleur"_qs));
    remettreGrille();

    const double hauteur = lirePropriete(this, Propriete::Height).value_or(0);
    const double largeur = lirePropriete(this, Propriete::Width).value_or(0);
    for (int i = 0; i < 2; ++i) {
        const int cote = dessin::kTailleOrnement;
        ecrirePropriete(&Image4[i], Propriete::Width, cote);
        ecrirePropriete(&Image4[i], Propriete::Height, cote);
        ecrirePropriete(&Image4[i], Propriete::Top, hauteur - cote);
        ecrirePropriete(&Image4[i], Propriete::Left, i == 0 ? 0 : largeur - cote);
    }
    compteur_ = 0;
    charge_ = true;
}

void AficheCalend::assurerCharge() {
    if (!charge_)
        Form_Load();
}

void AficheCalend::montrer() {
    // At its own size: the page is captured and printed as it stands.
    pilote_.cadre().montrer(this, MenuUn::Place::TailleDessin);
}

void AficheCalend::fermer() {
    pilote_.cadre().cacher(this);
    Image1.vider();
    charge_ = false;
}

void AficheCalend::retourAuMenu() {
    fermer();
    pilote_.montrer(calendrier::Fenetre::Accueil);
}

// --- Composition ---------------------------------------------------------------

void AficheCalend::remettreGrille() {
    for (int n = 0; n < kCases; ++n) {
        Label10[n].setCouleur(couleurs_[n]);
        Label10[n].setBordure(false);
        Label10[n].hide();
        Label13[n].hide();
    }
    cacherLignes();
}

void AficheCalend::cacherLignes() {
    for (Etiquette& ligne : Label11)
        ligne.hide();
    update();
}

void AficheCalend::montrerEntetes(bool visibles) {
    for (Etiquette* jour : entetes())
        jour->setVisible(visibles);
    for (BoiteImage& coin : Image4)
        coin.setVisible(visibles);
    update();
}

void AficheCalend::chargerFond(const QString& chemin, qreal densite, const QString& suivante) {
    if (densite <= 1) {
        Image1.charger(chemin);
        return;
    }
    // A page captured for printing: its picture decoded once, straight at the
    // size the capture paints it; the next page's picture is decoded meanwhile,
    // while this page is drawn and written.
    const QSize taille = (QSizeF(Image1.size()) * densite).toSize();
    const auto decoder = [](const QString& c, QSize t) { return chargerImageAuMoins(c, t); };
    const bool prete = avance_.valid() && cheminAvance_ == chemin && tailleAvance_ == taille;
    Image1.setImage(prete ? avance_.get() : decoder(chemin, taille));
    if (avance_.valid())
        avance_.wait();
    avance_ = {};
    if (!suivante.isEmpty()) {
        cheminAvance_ = suivante;
        tailleAvance_ = taille;
        avance_ = std::async(std::launch::async, decoder, suivante, taille);
    }
}

pages::Donnees AficheCalend::lireDonnees() const {
    const FichiersTravail f = fichiers();
    return pages::lireDonnees(f, lireLignes(f.chemin(regles::NomFichierPaque.toString())),
                              pilote_.services().aujourdhui());
}

void AficheCalend::afficherCouverture(const QString& annee) {
    remettreGrille();
    montrerEntetes(false);
    Label1.setText(annee);
    intituler(u" Annee "_qs);
}

void AficheCalend::intituler(const QString& titre) {
    Label2.setText(titre);
    ajusterAuTexte(&Label2);
    // Sized to its text, the title keeps the year's axis rather than its left
    // edge, so that a long month name does not hang off the page's centre.
    const double axe = lirePropriete(&Label1, Propriete::Left).value_or(0) +
                       lirePropriete(&Label1, Propriete::Width).value_or(0) / 2;
    ecrirePropriete(&Label2, Propriete::Left,
                    axe - lirePropriete(&Label2, Propriete::Width).value_or(0) / 2);
    update();
}

void AficheCalend::afficherMois(const pages::PageMois& page, bool remettre) {
    if (remettre)
        remettreGrille();
    montrerEntetes(true);
    Label1.setText(u' ' + QString::number(page.annee));
    const QString libelle = pages::libelleMois(page.mois);
    intituler(libelle);
    for (int n = 0; n < kCases; ++n) {
        const pages::Case& c = page.cases[n];
        if (c.jour == 0)
            continue;
        Etiquette& numero = Label10[n];
        numero.show();
        if (c.marque != pages::Marque::Aucune) {
            numero.setCouleur(pages::couleurJour(c.marque, numero.couleur()));
            numero.setBordure(true);
        }
        numero.setText(pages::numeroJour(c.jour));
        caseCourante_ = n;
        CmdPrenoms(c.jour, libelle);
    }
    for (qsizetype i = 0; i < page.lignes.size(); ++i) {
        Label11[i].setText(page.lignes[i]);
        Label11[i].show();
    }
    update();
}

void AficheCalend::CmdPrenoms(int jour, const QString& libelleMois) {
    const QString prenom = prenoms_.prenom(jour, libelleMois);
    Etiquette& nom = Label13[caseCourante_];
    if (prenom.isEmpty())
        return;
    nom.setText(prenom);
    ajusterAuTexte(&nom);
    nom.show();
}

void AficheCalend::demander(const QString& question, QLineEdit& reponse,
                            const QString& proposition) {
    Label12.setText(question);
    Label12.show();
    reponse.setText(proposition);
    reponse.show();
    reponse.selectAll();
    reponse.setFocus();
    update();
}

void AficheCalend::enregistrerPage(int page) {
    if (!sauvegarde_)
        sauvegarde_ = std::make_unique<calendrier::SauvegardeCalendrier>(
            fichiers(), consultation_.nomCalendrier, consultation_.texteAnnee());
    sauvegarde_->ajouterPage(page, capture());
}

void AficheCalend::finDeSerie() {
    if (sauvegarde_) {
        const bool enregistre = sauvegarde_->terminer();
        sauvegarde_.reset();
        if (!enregistre)
            pilote_.services().informer(
                this, u"Calendrier"_qs,
                u"Le calendrier %1 n'a pas pu être enregistré (disque plein ou dossier protégé). "
                "Rien n'a été remplacé."_qs.arg(consultation_.nomCalendrier + u' ' +
                                                consultation_.texteAnnee()));
    }
    const FichiersTravail f = fichiers();
    f.remettreProgression();
    f.remettreSauve();
    compteur_ = 0;
    Text2.hide();
    demander(kAutreConsultation, Text1, u"O"_qs);
}

// --- Drawing and capture -----------------------------------------------------

pages::Feuille AficheCalend::feuille() {
    const auto inscription = [this](const Etiquette& e) {
        return pages::Inscription{e.text(), e.couleur(), e.isVisibleTo(this), e.bordure()};
    };
    pages::Feuille f;
    if (Image1.isVisibleTo(this))
        f.image = Image1.image();
    f.annee = inscription(Label1);
    f.titre = inscription(Label2);
    f.question = inscription(Label12);
    const auto jours = entetes();
    for (int j = 0; j < pages::kJoursSemaine; ++j)
        f.entetes[j] = inscription(*jours[j]);
    for (int n = 0; n < kCases; ++n) {
        f.jours[n] = inscription(Label10[n]);
        f.prenoms[n] = inscription(Label13[n]);
    }
    for (int i = 0; i < kLignes; ++i)
        f.lignes[i] = inscription(Label11[i]);
    f.ornements = Image4[0].isVisibleTo(this);
    return f;
}

void AficheCalend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    pages::peindre(p, rect(), feuille(),
                   QSizeF(lirePropriete(this, Propriete::Width).value_or(twips(width())),
                          lirePropriete(this, Propriete::Height).value_or(twips(height()))));
}

bool AficheCalend::eventFilter(QObject* objet, QEvent* evenement) {
    // The picture and the ornaments are drawn with the page.
    if (evenement->type() == QEvent::Paint &&
        (objet == &Image1 || objet == &Image4[0] || objet == &Image4[1]))
        return true;
    return QWidget::eventFilter(objet, evenement);
}

QImage AficheCalend::capture(qreal densite) {
    QImage image((QSizeF(size()) * densite).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(densite);
    image.fill(kFond);
    render(&image, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
    return image;
}

qreal AficheCalend::densiteImpression() const {
    // No more: every pixel beyond it is decoded, drawn, written and printed
    // for nothing.
    const double pixelsVoulus = kCadreFeuille.width() / 1440.0 * kPointsParPouceImpression;
    return std::max(2.0, pixelsVoulus / std::max(1, width()));
}

bool AficheCalend::capturerTemporaire(const QString& nom, bool ajouterALaListe) {
    const FichiersTravail f = fichiers();
    f.creerDossierSauvegarde();
    const QString relatif = pilote_.dossierSauvegarde() + u'/' + nom;
    if (!ecrireBmp(f.chemin(relatif), capture(densiteImpression())))
        return false;
    return !ajouterALaListe ||
           prolonger(f.chemin(pilote_.dossierSauvegarde() + u'/' + kTmpListe), {relatif});
}

// --- The pages of a run -------------------------------------------------------

void AficheCalend::AffichCalendrier(const QString& Annee, QString& Mois, int Voir2,
                                    const QString& Saut) {
    assurerCharge();
    montrer();
    Text1.hide();
    Text2.hide();
    // A page is captured before it asks anything: no prompt left from before.
    Label12.hide();
    const FichiersTravail f = fichiers();
    const long long annee = regles::nombreEnTete(Annee);
    const QString texteAnnee = QString::number(annee);
    const QStringList images = f.imagesParValeur();
    const auto densite = [this](long long sauve, bool impression) {
        return impression && (sauve == 5 || sauve == 6) ? densiteImpression() : 1.0;
    };

    if (Saut != kSaut) {
        const long long sauve = f.modeSauve();
        afficherCouverture(Annee);
        chargerFond(images.value(0), densite(sauve, sauve == 6),
                    sauve == 6 && Voir2 == 2 ? images.value(1) : QString());
        if (sauve == 6)
            capturerTemporaire(kTmpEntete, true);
        else if (sauve == 1)
            enregistrerPage(calendrier::kPageEntete);
        Mois = u"1"_qs;
        f.ecrireProgression({compteur_, 1, annee, Voir2});
        if (sauve != 6 && sauve != 1) {
            demander(kPremierMois, Text2, u"OK"_qs);
            return;
        }
    }

    // The counter is read once; within the call it runs on in memory, so a
    // file that cannot be written cannot hold the run on one page.
    compteur_ = f.progression().compteur;
    // The lists do not change while the pages of one call are made.
    const pages::Donnees donnees = lireDonnees();
    prenoms_ = donnees.prenoms;
    for (;;) {
        compteur_ = compteur_ > 0 ? compteur_ + 1 : 1;
        if (f.modeSauve() != 6 && compteur_ > 13) {
            finDeSerie();
            return;
        }
        const long long sauve = f.modeSauve();
        int mois = static_cast<int>(std::clamp(regles::nombreEnTete(Mois), 0LL, 13LL));
        QString suivant;
        if (Voir2 != 2) {
            chargerFond(images.value(0), densite(sauve, Voir2 == 3));
        } else if (compteur_ <= 12) {
            // A year: the counter is the month. Page 13 repeats December.
            mois = static_cast<int>(compteur_);
            Mois = QString::number(mois);
            chargerFond(images.value(mois), densite(sauve, true),
                        sauve == 6 && mois < 12 ? images.value(mois + 1) : QString());
            suivant = mois < 12 ? regles::nomMois(mois + 1) + u' ' : kLaSuite;
        }
        afficherMois(pages::composerMois(annee, mois, donnees), compteur_ < 13);
        f.ecrireProgression({compteur_, mois, annee, Voir2});

        const long long mode = f.modeSauve();
        if (Voir2 == 3 && mode == 5) {
            capturerTemporaire(kTmpMois, false);
            return;
        }
        if (Voir2 == 2 && mode == 6 && compteur_ < 13) {
            capturerTemporaire(u"Temporaire"_qs + regles::nomMois(mois) + kExtensionTmp, true);
            if (compteur_ < 12)
                cacherLignes();
            continue;
        }
        if (Voir2 == 2 && mode == 1 && compteur_ < 14) {
            enregistrerPage(mois);
            continue;
        }
        if (Voir2 == 2 && compteur_ < 12)
            demander(u"Faite OK Pour Avoir "_qs + suivant + u" ou  F pour Fin "_qs, Text2,
                     u"OK"_qs);
        else
            demander(kFinOuAutre, Text1, u"O"_qs);
        return;
    }
}

// --- Printing ------------------------------------------------------------------

void AficheCalend::ImprimCalendrier(const QString& Annee, const QString& Mois, int Voir2) {
    assurerCharge();
    montrer();
    for (int n = 0; n < kCases; ++n) {
        Label10[n].hide();
        Label13[n].hide();
    }
    cacherLignes();
    montrerEntetes(false);
    Label12.hide();
    for (BoiteImage& coin : Image4)
        coin.show();

    const FichiersTravail f = fichiers();
    const long long annee = regles::nombreEnTete(Annee);
    const QString nomDocument =
        Voir2 == 3 ? regles::nomMois(int(regles::nombreEnTete(Mois))) + QString::number(annee)
                   : QString::number(annee);
    std::unique_ptr<Imprimante> imprimante = pilote_.services().imprimante(
        cheminLibre(f.chemin(u"Calendrier"_qs + nomDocument + u".pdf"_qs)));
    imprimante->regler({QPageSize::A4, QPageLayout::Landscape, true});
    const QRect cadre = cadreSurLaFeuille(*imprimante);

    const QString dossier = pilote_.dossierSauvegarde() + u'/';
    const long long sauve = f.modeSauve();
    QStringList feuilles;
    if (sauve == 5 && Voir2 == 3)
        feuilles << dossier + kTmpMois;
    else if (sauve == 6 && Voir2 == 2)
        feuilles =
            lireLignes(f.chemin(dossier + kTmpListe)).mid(0, calendrier::kPagesParCalendrier);
    for (QString& feuille : feuilles)
        feuille = f.chemin(feuille.replace(u'\\', u'/'));
    // The pages the run captured, by file, with what the user calls them.
    QList<std::pair<QString, QString>> attendues;
    if (Voir2 == 3) {
        attendues.append({kTmpMois, regles::nomMois(int(regles::nombreEnTete(Mois)))});
    } else {
        attendues.append({kTmpEntete, u"la page de garde"_qs});
        for (int m = 1; m <= 12; ++m)
            attendues.append(
                {u"Temporaire"_qs + regles::nomMois(m) + kExtensionTmp, regles::nomMois(m)});
    }
    QStringList imprimees;
    // Each capture is read while the one before goes to the printer.
    std::future<QImage> suivante;
    for (qsizetype i = 0; i < feuilles.size(); ++i) {
        const QImage page = suivante.valid() ? suivante.get() : chargerImage(feuilles[i]);
        if (i + 1 < feuilles.size())
            suivante = std::async(std::launch::async,
                                  [&feuilles, i] { return chargerImage(feuilles[i + 1]); });
        Image3.setImage(page);
        // A page whose capture is missing is left out rather than printed blank.
        if (!page.isNull()) {
            imprimante->dessinerImage(page, cadre);
            imprimees << QFileInfo(feuilles[i]).fileName().toLower();
        }
        imprimante->nouvellePage();
    }
    Image3.vider();
    QStringList manquantes;
    for (const auto& [fichier, nom] : attendues)
        if (!imprimees.contains(fichier.toLower()))
            manquantes << nom;
    const bool imprime = imprimante->terminer();
    if (!imprime)
        pilote_.cadre().setWindowTitle(kCaption + u" - Impression impossible"_qs);
    else if (!imprimante->fichier().isEmpty())
        pilote_.cadre().setWindowTitle(
            kCaption + u" - Imprimé dans "_qs +
            QDir::toNativeSeparators(QFileInfo(imprimante->fichier()).absoluteFilePath()));
    if (imprime && !manquantes.isEmpty())
        pilote_.services().informer(
            this, u"Calendrier"_qs,
            u"Pages non imprimées, faute d'avoir pu les préparer : %1."_qs.arg(
                manquantes.join(u", "_qs)));

    f.remettreSauve();
    effacerTemporaires();
}

void AficheCalend::effacerTemporaires() const {
    QDir dossier(fichiers().dossierSauvegarde());
    for (const QFileInfo& info : dossier.entryInfoList(QDir::Files | QDir::Hidden))
        if (info.fileName().endsWith(kExtensionTmp, Qt::CaseInsensitive))
            QFile::remove(info.filePath());
}

// --- The continuations ---------------------------------------------------------

bool AficheCalend::commencerTravail(const calendrier::Consultation& consultation) {
    assurerCharge();
    consultation_ = consultation;
    const bool annuelle = consultation.genre() == calendrier::Genre::Annee;
    const bool moisValide = annuelle || (consultation.mois >= 1 && consultation.mois <= 12);
    if (!regles::anneeValide(consultation.annee) || !moisValide) {
        // Refused: nothing is composed, and the user is back on the toolbar.
        retourAuMenu();
        return false;
    }
    regles::CalculPaque(consultation.annee, fichiers().dossierTravail());
    compteur_ = 0; // a run starts
    montrer();
    Image1.show();
    ecrirePropriete(&Image1, Propriete::Left, 0);
    ecrirePropriete(&Image1, Propriete::Top, 0);
    ecrirePropriete(&Image1, Propriete::Width, lirePropriete(this, Propriete::Width).value_or(0));
    ecrirePropriete(&Image1, Propriete::Height, lirePropriete(this, Propriete::Height).value_or(0));
    return true;
}

void AficheCalend::demanderAutreConsultation() {
    Text2.hide();
    demander(kAutreConsultation, Text1, u"O"_qs);
}

void AficheCalend::composer(const calendrier::Consultation& consultation) {
    using enum calendrier::Sortie;
    switch (consultation.sortie) {
    case ImprimanteMois:
        return TravailQuatre(consultation);
    case EcranMois:
        return TravailCinq(consultation);
    case ImprimanteAnnee:
        return TravailSix(consultation);
    case EcranAnnee:
        return TravailSept(consultation);
    }
}

void AficheCalend::TravailQuatre(const calendrier::Consultation& consultation) {
    if (!commencerTravail(consultation))
        return;
    QString mois = QString::number(consultation.mois);
    // Captures left by an interrupted run must not be printed with these.
    effacerTemporaires();
    fichiers().ecrireModeSauve(ModeSauve::ImpressionMois);
    AffichCalendrier(consultation.texteAnnee(), mois, 3, kSaut);
    ImprimCalendrier(consultation.texteAnnee(), mois, 3);
    demanderAutreConsultation();
}

void AficheCalend::TravailCinq(const calendrier::Consultation& consultation) {
    if (!commencerTravail(consultation))
        return;
    QString mois = QString::number(consultation.mois);
    AffichCalendrier(consultation.texteAnnee(), mois, 3, kSaut);
    demanderAutreConsultation();
}

void AficheCalend::TravailSix(const calendrier::Consultation& consultation) {
    if (!commencerTravail(consultation))
        return;
    QString mois;
    effacerTemporaires();
    fichiers().ecrireModeSauve(ModeSauve::ImpressionAnnee);
    AffichCalendrier(consultation.texteAnnee(), mois, 2, QString());
    ImprimCalendrier(consultation.texteAnnee(), mois, 2);
    demanderAutreConsultation();
}

void AficheCalend::TravailSept(const calendrier::Consultation& consultation) {
    if (!commencerTravail(consultation))
        return;
    QString mois;
    AffichCalendrier(consultation.texteAnnee(), mois, 2, QString());
}

// --- The answers ---------------------------------------------------------------

void AficheCalend::Text2_KeyPress(int KeyAscii) {
    if (KeyAscii != kEntree)
        return;
    const FichiersTravail f = fichiers();
    const calendrier::Progression p = f.progression();
    compteur_ = p.compteur;
    // A run whose progress is lost or cut short cannot go on: it ends as F does.
    const bool perdue = !regles::anneeValide(p.annee) || (p.voir2 != 2 && p.voir2 != 3);
    if (Text2.text().toUpper() == u"F"_qs || perdue) {
        f.remettreProgression();
        f.viderImages();
        retourAuMenu();
        return;
    }
    if (p.compteur < 12)
        cacherLignes();
    Label12.hide();
    const QString saut = f.modeSauve() == 0 ? kSaut : QString();
    QString mois = QString::number(p.mois);
    AffichCalendrier(QString::number(p.annee), mois, int(p.voir2), saut);
}

void AficheCalend::Text1_KeyPress(int KeyAscii) {
    if (KeyAscii != kEntree)
        return;
    fichiers().terminerConsultation();
    if (Text1.text().left(1).toUpper() == u"N"_qs) {
        pilote_.terminer();
        return;
    }
    retourAuMenu();
}
