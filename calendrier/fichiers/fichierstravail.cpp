#include "calendrier/fichiers/fichierstravail.h"

#include "calendrier/regles/regles.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <array>
#include <cstdio>

namespace calendrier {

using namespace plateforme;

namespace {

// The longest file name the system takes, in bytes.
constexpr int kLongueurNomMax = 255;

// The folders a save writes its pages in first, then marks complete; their
// names start with a dot and end with these.
const QString kEnCours = u".en-cours"_qs;
const QString kPret = u".pret"_qs;

// Renames over whatever file `cible` is, in one step.
bool remplacer(const QString& source, const QString& cible) {
    return std::rename(QFile::encodeName(source).constData(),
                       QFile::encodeName(cible).constData()) == 0;
}

QString partiePage(int page) {
    return page == kPageEntete ? u"Entete"_qs : regles::nomMois(page);
}

// Whether `nomFichier` is one of the names the save of the calendar indexed
// as `index` ("FAMILLE2007.Ans") gives its pages ("FAMILLEMars2007.Ima").
bool pageDe(const QString& nomFichier, const QString& index) {
    if (!index.endsWith(kExtensionIndex, Qt::CaseInsensitive))
        return false;
    const QString base = index.chopped(kExtensionIndex.size());
    // The year is the last digits; the name may end with digits too.
    for (qsizetype n = 1; n <= 4 && n <= base.size() && base[base.size() - n].isDigit(); ++n) {
        const QString annee = base.right(n);
        const QString nom = base.chopped(n);
        for (int page = kPageEntete; page < kPagesParCalendrier; ++page)
            if (nomFichier.compare(nom + partiePage(page) + annee + kExtensionPage,
                                   Qt::CaseInsensitive) == 0)
                return true;
    }
    return false;
}

// Qt 6.4 moves a file into a folder "files" of the working folder, and says
// it went to the trash, when the home trash cannot be made: the trash is used
// only once it stands there.
bool corbeillePrete() {
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QDir dossier(donnees);
    return QDir::isAbsolutePath(donnees) && dossier.mkpath(u"Trash/files"_qs) &&
           dossier.mkpath(u"Trash/info"_qs);
}

QString texteNombre(long long n) {
    return QString::number(n);
}

// A name given back by the listing: one entry of the save folder.
bool entreeSimple(const QString& nom) {
    return !nom.isEmpty() && nom != u"."_qs && nom != u".."_qs && !nom.contains(u'/');
}

bool composantSur(const QString& texte) {
    if (texte == u"."_qs || texte.startsWith(u".."_qs))
        return false;
    for (QChar c : texte)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control ||
            !representableCp1252(c))
            return false;
    return true;
}

} // namespace

FichiersTravail::FichiersTravail(const QString& dossierTravail, const QString& dossierSauvegarde)
    : travail_(
          QDir(dossierTravail.isEmpty() ? QDir::currentPath() : dossierTravail).absolutePath()),
      sauvegarde_(dossierSauvegarde) {}

QString FichiersTravail::chemin(const QString& nom) const {
    return cheminReel(travail_.filePath(nom));
}

QString FichiersTravail::cheminListe(Liste liste) const {
    return chemin(liste == Liste::Enfant ? kEnfant : kFete);
}

bool FichiersTravail::ecrireListe(Liste liste, const QStringList& lignes) const {
    QStringList gardees;
    for (const QString& l : lignes)
        if (!l.trimmed().isEmpty())
            gardees << l;
    return reecrire(cheminListe(liste), gardees);
}

QStringList FichiersTravail::chargerListe(Liste liste) const {
    return lireLignes(cheminListe(liste));
}

bool FichiersTravail::commencerConsultation(Genre genre) const {
    return reecrire(chemin(kLireCalendSer), {u"0"_qs}) &&
           reecrire(chemin(kAnneeSer), {texteNombre(static_cast<int>(genre))});
}

bool FichiersTravail::choisirSortie(Sortie sortie) const {
    if (!reecrire(chemin(kLireCalendSer), {u"0"_qs}))
        return false;
    const long long genre = premierNombre(chemin(kAnneeSer));
    return reecrire(chemin(kAnneeSer), {texteNombre(genre), texteNombre(static_cast<int>(sortie))});
}

ChoixConsultation FichiersTravail::choixConsultation() const {
    LecteurValeurs lecteur(chemin(kAnneeSer));
    ChoixConsultation choix;
    choix.genre = lecteur.suivanteNombre().value_or(0);
    choix.sortie = lecteur.suivanteNombre().value_or(0);
    return choix;
}

bool FichiersTravail::terminerConsultation() const {
    return viderImages() && remettreProgression() &&
           reecrire(chemin(kAnneeSer), {texteNombre(static_cast<int>(Genre::Aucune))});
}

bool FichiersTravail::ecrireProgression(const Progression& p) const {
    return reecrire(chemin(kLireCalendSer), {texteNombre(p.compteur), texteNombre(p.mois),
                                             texteNombre(p.annee), texteNombre(p.voir2)});
}

bool FichiersTravail::remettreProgression() const {
    return reecrire(chemin(kLireCalendSer), {u"0"_qs});
}

Progression FichiersTravail::progression() const {
    LecteurValeurs lecteur(chemin(kLireCalendSer));
    Progression p;
    for (long long* champ : {&p.compteur, &p.mois, &p.annee, &p.voir2})
        *champ = lecteur.suivanteNombre().value_or(0);
    return p;
}

bool FichiersTravail::viderImages() const {
    return vider(chemin(kFichierSer));
}

bool FichiersTravail::ecrireImageUnique(const QString& image) const {
    return reecrire(chemin(kFichierSer), {image});
}

bool FichiersTravail::ajouterImage(const QString& image) const {
    return prolonger(chemin(kFichierSer), {image});
}

bool FichiersTravail::remplacerImageMois(int mois, const QString& image) const {
    if (mois < 1 || mois > 12)
        return false;
    QStringList lignes = imagesParLigne();
    // A file cut short still gets the picture on its month's line.
    while (lignes.size() <= mois)
        lignes << QString();
    lignes[mois] = image;
    return reecrire(chemin(kFichierSer), lignes);
}

QStringList FichiersTravail::imagesParValeur() const {
    return lireValeurs(chemin(kFichierSer));
}

QStringList FichiersTravail::imagesParLigne() const {
    return lireLignes(chemin(kFichierSer));
}

bool FichiersTravail::remettreSauve() const {
    return ecrireModeSauve(ModeSauve::Aucune);
}

bool FichiersTravail::ecrireModeSauve(ModeSauve mode) const {
    return reecrire(chemin(kSauve), {texteNombre(static_cast<int>(mode))});
}

long long FichiersTravail::modeSauve() const {
    return premierNombre(chemin(kSauve));
}

QString FichiersTravail::nomEnSauvegarde() const {
    return premiereValeur(chemin(kLireSer)).trimmed();
}

bool FichiersTravail::nomAcceptable(const QString& nom) {
    const QString n = nom.trimmed();
    if (!composantSur(n))
        return false;
    // The longest page name: "Septembre" and a four-digit year.
    const QString plusLong = n + regles::nomMois(9) + u"0000"_qs + kExtensionPage;
    return plusLong.toUtf8().size() <= kLongueurNomMax;
}

void FichiersTravail::creerDossierSauvegarde() const {
    travail_.mkpath(sauvegarde_);
}

QString FichiersTravail::cheminIndex(const QString& nom, const QString& annee) const {
    return sauvegarde_ + u'/' + nom.trimmed() + annee.trimmed() + kExtensionIndex;
}

QString FichiersTravail::cheminPage(const QString& nom, const QString& annee, int page) const {
    return sauvegarde_ + u'/' + nom.trimmed() + partiePage(page) + annee.trimmed() + kExtensionPage;
}

bool FichiersTravail::calendrierExiste(const QString& nom, const QString& annee) const {
    return QFileInfo::exists(chemin(cheminIndex(nom, annee)));
}

Nommage FichiersTravail::nommerCalendrier(const QString& nomTape, const QString& annee,
                                          const std::function<bool()>& confirmerEcrasement) const {
    if (!nomAcceptable(nomTape) || !composantSur(annee.trimmed()))
        return Nommage::Refuse;
    creerDossierSauvegarde();
    if (!QFileInfo(dossierSauvegarde()).isDir())
        return Nommage::Echec;
    if (calendrierExiste(nomTape, annee) && !(confirmerEcrasement && confirmerEcrasement()))
        return Nommage::Abandonne;
    const bool ecrit =
        reecrire(chemin(kSauve),
                 {texteNombre(static_cast<int>(ModeSauve::Calendrier)), nomTape.trimmed()}) &&
        reecrire(chemin(kLireSer), {nomTape});
    return ecrit ? Nommage::Fait : Nommage::Echec;
}

QStringList FichiersTravail::calendriersSauves() const {
    // "*.Ans" matched without regard to case, as every name is.
    QStringList noms;
    const QStringList tous =
        QDir(dossierSauvegarde())
            .entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& n : tous)
        if (n.endsWith(kExtensionIndex, Qt::CaseInsensitive))
            noms << n;
    return noms;
}

QStringList FichiersTravail::pagesCalendrier(const QString& fichierIndex) const {
    if (!entreeSimple(fichierIndex))
        return {};
    QStringList pages = lireLignes(chemin(sauvegarde_ + u'/' + fichierIndex));
    if (pages.size() > kPagesParCalendrier)
        pages.resize(kPagesParCalendrier);
    for (QString& p : pages) {
        // An index written on the original system joins with '\'.
        p.replace(u'\\', u'/');
        p = QFileInfo(p).isAbsolute() ? cheminReel(p) : chemin(p);
    }
    return pages;
}

QString FichiersTravail::cheminDansSauvegarde(const QString& ligneIndex) const {
    QString relatif = ligneIndex;
    relatif.replace(u'\\', u'/');
    if (relatif.trimmed().isEmpty())
        return {};
    const QString reel = cheminReel(QDir::cleanPath(travail_.absoluteFilePath(relatif)));
    const QFileInfo info(reel);
    if (QDir::cleanPath(info.path()) != QDir::cleanPath(dossierSauvegarde()))
        return {};
    return reel;
}

Effacement FichiersTravail::supprimerCalendrier(const QString& fichierIndex, bool corbeille) const {
    Effacement effacement;
    const QString index =
        entreeSimple(fichierIndex) ? chemin(sauvegarde_ + u'/' + fichierIndex) : QString();
    if (!QFileInfo(index).isFile()) {
        effacement.restes << fichierIndex;
        return effacement;
    }
    QStringList lignes = lireLignes(index);
    if (lignes.size() > kPagesParCalendrier)
        lignes.resize(kPagesParCalendrier);
    QStringList fichiers;
    for (const QString& ligne : lignes) {
        const QString page = cheminDansSauvegarde(ligne);
        const QFileInfo info(page);
        // December is named twice.
        if (!page.isEmpty() && pageDe(info.fileName(), fichierIndex) && !fichiers.contains(page) &&
            (info.exists() || info.isSymLink()))
            fichiers << page;
    }
    fichiers << index;
    corbeille = corbeille && corbeillePrete();
    for (const QString& fichier : fichiers) {
        const QFileInfo info(fichier);
        const QString nom = info.fileName();
        // A link is removed itself, never what it points to; a folder is no page.
        if (info.isDir() && !info.isSymLink())
            effacement.restes << nom;
        else if (corbeille && QFile::moveToTrash(fichier))
            effacement.aLaCorbeille << nom;
        else if (QFile::remove(fichier))
            effacement.supprimes << nom;
        else
            effacement.restes << nom;
    }
    return effacement;
}

bool FichiersTravail::mettreEnPlace(const QString& pret) const {
    const QDir aCote(pret);
    QString index;
    bool place = true;
    for (const QString& nom : aCote.entryList(QDir::Files | QDir::Hidden)) {
        if (nom.endsWith(kExtensionIndex, Qt::CaseInsensitive))
            index = nom;
        else
            place = remplacer(aCote.filePath(nom), chemin(sauvegarde_ + u'/' + nom)) && place;
    }
    // The index last: until it is in place, the old one names the pages.
    if (!place ||
        (!index.isEmpty() && !remplacer(aCote.filePath(index), chemin(sauvegarde_ + u'/' + index))))
        return false;
    return QDir(pret).removeRecursively();
}

void FichiersTravail::reprendreSauvegardes() const {
    const QDir sauvegarde(dossierSauvegarde());
    for (const QFileInfo& info : sauvegarde.entryInfoList(
             QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const QString nom = info.fileName();
        if (!nom.startsWith(u'.'))
            continue;
        if (nom.endsWith(kPret))
            mettreEnPlace(info.filePath());
        else if (nom.endsWith(kEnCours))
            QDir(info.filePath()).removeRecursively();
    }
    for (const QFileInfo& info :
         sauvegarde.entryInfoList({u"*.tmp"_qs}, QDir::Files | QDir::Hidden))
        QFile::remove(info.filePath());
}

SauvegardeCalendrier::SauvegardeCalendrier(const FichiersTravail& fichiers, const QString& nom,
                                           const QString& annee)
    : fichiers_(fichiers), nom_(nom.trimmed()), annee_(annee.trimmed()),
      ecrites_(kPagesParCalendrier, false) {
    if (!FichiersTravail::nomAcceptable(nom_) || annee_.isEmpty() || !composantSur(annee_)) {
        echec_ = true;
        return;
    }
    fichiers_.creerDossierSauvegarde();
    const QString index = QFileInfo(fichiers_.cheminIndex(nom_, annee_)).fileName();
    aCote_ = QDir(fichiers_.dossierSauvegarde()).filePath(u'.' + index + kEnCours);
    // What an earlier save of the same calendar left.
    QDir(aCote_).removeRecursively();
    echec_ = !QDir().mkpath(aCote_);
}

SauvegardeCalendrier::~SauvegardeCalendrier() {
    if (!termine_ && !aCote_.isEmpty())
        QDir(aCote_).removeRecursively();
}

bool SauvegardeCalendrier::ajouterPage(int page, const QImage& image) {
    if (echec_ || termine_ || page < kPageEntete || page >= kPagesParCalendrier || image.isNull()) {
        echec_ = true;
        return false;
    }
    const QString relatif = fichiers_.cheminPage(nom_, annee_, page);
    QSaveFile fichier(QDir(aCote_).filePath(QFileInfo(relatif).fileName()));
    QImageWriter ecrivain(&fichier, "bmp");
    // Every write checked before the commit, which can report success after a failed one.
    if (!fichier.open(QIODevice::WriteOnly) || !ecrivain.write(image) || !fichier.flush() ||
        fichier.error() != QFileDevice::NoError || !fichier.commit()) {
        echec_ = true;
        return false;
    }
    lignes_ << relatif;
    ecrites_[page] = true;
    return true;
}

bool SauvegardeCalendrier::terminer() {
    if (echec_ || termine_ || ecrites_.contains(false))
        return false;
    const QString index = QFileInfo(fichiers_.cheminIndex(nom_, annee_)).fileName();
    if (!plateforme::reecrire(QDir(aCote_).filePath(index), lignes_))
        return false;
    // Once renamed complete, the save is finished even if cut short now.
    const QString pret = aCote_.chopped(kEnCours.size()) + kPret;
    QDir(pret).removeRecursively();
    if (!QDir().rename(aCote_, pret))
        return false;
    termine_ = true;
    return fichiers_.mettreEnPlace(pret);
}

} // namespace calendrier
