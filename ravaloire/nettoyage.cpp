#include "ravaloire/nettoyage.h"

#include "installation/commun/langue.h"
#include "installation/commun/menus.h"
#include "installation/execution.h"
#include "ravaloire/dossierouvert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ravaloire {

namespace {

class Retraits {
public:
    Bilan bilan;

    // False when it stays though it should have gone.
    bool fichier(const DossierOuvert& d, const QString& relatif) {
        QString raison;
        return noter(d.retirerFichier(relatif, &raison), d.chemin(relatif), raison);
    }
    bool dossier(const DossierOuvert& d, const QString& relatif) {
        QString raison;
        return noter(d.retirerDossierVide(relatif, &raison), d.chemin(relatif), raison);
    }
    bool fichier(const QString& chemin) {
        return fichier(DossierOuvert(QFileInfo(chemin).path()), QFileInfo(chemin).fileName());
    }

private:
    bool noter(Retrait r, const QString& chemin, const QString& raison) {
        if (r == Retrait::Echec)
            bilan.restes << u"%1 (%2)"_qs.arg(QDir::toNativeSeparators(chemin), raison);
        return r != Retrait::Echec;
    }
};

// Whether the desktop entry was written for a program of `dossier`.
bool entreeDe(const QString& entree, const QString& dossier) {
    QFile f(entree);
    return f.open(QIODevice::ReadOnly) &&
           QString::fromUtf8(f.readAll()).split(u'\n').contains(u"Path="_qs + dossier);
}

void retirerMenu(const Cible& c, Retraits& r) {
    using namespace installation;
    const DossierOuvert programmes(dossierProgrammesMenu());
    const QString groupe = QDir(dossierProgrammesMenu()).relativeFilePath(dossierGroupe(c.groupe));
    const DossierOuvert demarrage(dossierDemarrage());
    for (const Raccourci& raccourci : c.plan.raccourcis) {
        const QString nom = raccourci.nom + u".desktop"_qs;
        r.fichier(programmes, groupe + u'/' + nom);
        if (raccourci.auDemarrage && entreeDe(demarrage.chemin(nom), c.dossier))
            r.fichier(demarrage, nom);
    }
    r.dossier(programmes, groupe);
    r.fichier(fichierMenuGroupe(c.groupe));
    r.fichier(fichierRepertoireGroupe(c.groupe));
    // Quivex's own directory entry serves every Quivex group.
    const QFileInfo menu(fichierMenuGroupe(c.groupe));
    if (DossierOuvert(menu.path()).noms().filter(u"quivex-"_qs).isEmpty())
        r.fichier(fichierRepertoireQuivex());
}

// Every folder on the way to the given files, the deepest first.
QStringList dossiersDe(const QStringList& fichiers) {
    QStringList dossiers;
    for (QString f : fichiers)
        while (f.contains(u'/'))
            if (f = f.section(u'/', 0, -2); !dossiers.contains(f))
                dossiers << f;
    std::sort(dossiers.begin(), dossiers.end(),
              [](const QString& a, const QString& b) { return a.count(u'/') > b.count(u'/'); });
    return dossiers;
}

} // namespace

Bilan retirerInstallation(const Cible& c, const QString& programme) {
    const QDir dossier(c.dossier);
    const QString relatif = u"Quivex/"_qs + dossier.dirName();
    const DossierOuvert racine(c.racine);
    const DossierOuvert d(racine, relatif);
    Retraits r;

    // What a second run needs goes only once all else has gone, the marker
    // last.
    QStringList kit = installation::kFichiersExecution;
    kit << kListe << programme << kMarqueur;
    QStringList suite;
    for (const auto& copie : c.plan.fichiers)
        if (copie && !kit.contains(dossier.relativeFilePath(copie->cible)))
            suite << dossier.relativeFilePath(copie->cible);
    const QStringList noms = d.noms();
    QString sauvegarde;
    for (const QString& nom : noms) {
        if (kFichiersTravail.contains(nom, Qt::CaseInsensitive))
            suite << nom;
        if (nom.compare(kSaveCalend, Qt::CaseInsensitive) == 0)
            sauvegarde = nom;
    }
    // Print captures; the saved calendars beside them stay.
    for (const QString& capture : sauvegarde.isEmpty() ? QStringList() : d.noms(sauvegarde))
        if (capture.endsWith(u".tmp"_qs, Qt::CaseInsensitive))
            suite << sauvegarde + u'/' + capture;

    for (const QString& f : suite)
        r.fichier(d, f);
    retirerMenu(c, r);
    for (qsizetype i = 0; r.bilan.restes.isEmpty() && i < kit.size(); ++i)
        r.fichier(d, kit[i]);

    QStringList siens = suite + kit;
    for (const QString& sous : dossiersDe(suite + kit)) {
        r.dossier(d, sous);
        siens << sous + u'/';
    }
    if (!sauvegarde.isEmpty())
        r.dossier(d, sauvegarde);
    r.dossier(racine, relatif);

    // Named by what holds them at the top of the folder.
    for (const QString& entree : d.arborescence())
        if (!siens.contains(entree))
            r.bilan.gardes << entree.section(u'/', 0, 0);
    r.bilan.gardes.removeDuplicates();
    return r.bilan;
}

QString cheminFormeDesinstalleur() {
    return QDir(installation::dossierReglages()).filePath(u"Form"_qs);
}

void retirerReglages() {
    Retraits r;
    for (const QString& f :
         {installation::cheminLangue(), installation::cheminForme(), cheminFormeDesinstalleur()})
        r.fichier(f);
    const QFileInfo reglages(installation::dossierReglages());
    DossierOuvert(reglages.path()).retirerDossierVide(reglages.fileName());
}

} // namespace ravaloire
