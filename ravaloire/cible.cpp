#include "ravaloire/cible.h"

#include "installation/execution.h"
#include "plateforme/noyau/fichiertexte.h"
#include "ravaloire/dossierouvert.h"

#include <QDir>
#include <QFileInfo>

using installation::Bilingue;

namespace ravaloire {

namespace {

const QString kQuivex = u"Quivex"_qs;

const Bilingue kRien{u" Rien n'a été copié ni supprimé."_qs, u" Nothing was copied or removed."_qs};
const Bilingue kSansMarqueur{u"Le fichier « Broxel.dll » est introuvable dans « %1 »."_qs,
                             u"The file \"Broxel.dll\" is missing from \"%1\"."_qs};
const Bilingue kSansDossier{
    u"Le fichier « Broxel.dll » de « %1 » ne nomme pas de dossier d'installation."_qs,
    u"The file \"Broxel.dll\" in \"%1\" does not name an installation folder."_qs};
const Bilingue kHorsForme{
    u"« %1 » n'est pas un dossier d'installation : seul un dossier <disque>/Quivex/<Nom> "
    "peut l'être."_qs,
    u"\"%1\" is not an installation folder: only a folder <drive>/Quivex/<Name> can be."_qs};
const Bilingue kLien{u"Le chemin « %1 » passe par un lien."_qs,
                     u"The path \"%1\" goes through a link."_qs};
const Bilingue kAutreMarqueur{
    u"Le dossier « %1 » ne contient pas le fichier « Broxel.dll » de cette installation."_qs,
    u"The folder \"%1\" does not hold the file \"Broxel.dll\" of this installation."_qs};
const Bilingue kGroupe{u"Le groupe « %1 » ne peut pas être un dossier du menu Quivex."_qs,
                       u"The group \"%1\" cannot be a folder of the Quivex menu."_qs};
const Bilingue kListeIllisible{
    u"La liste « %1 » est introuvable, illisible, ou ne désigne pas les fichiers de « %2 »."_qs,
    u"The list \"%1\" is missing, cannot be read, or does not name the files of \"%2\"."_qs};

QString sansSeparateurFinal(QString chemin) {
    while (chemin.size() > 1 && (chemin.endsWith(u'/') || chemin.endsWith(u'\\')))
        chemin.chop(1);
    return chemin;
}

} // namespace

Marqueur lireMarqueur(const QString& dossier) {
    const QString fichier = plateforme::cheminReel(QDir(dossier).filePath(kMarqueur));
    if (QFileInfo(fichier).isSymLink())
        return {};
    const QStringList lignes = plateforme::lireLignes(fichier);
    return {lignes.value(0).trimmed(), lignes.value(1).trimmed(),
            lignes.value(2).trimmed().toDouble()};
}

std::variant<Cible, QString> verifier(const QString& dossierMarqueur, const QStringList& lecteurs,
                                      installation::Langue langue) {
    const auto refus = [langue](const Bilingue& texte, const QString& a,
                                const QString& b = QString()) {
        QString t = texte.en(langue).arg(a);
        if (!b.isNull())
            t = t.arg(b);
        return t + kRien.en(langue);
    };
    const QString fichierMarqueur =
        plateforme::cheminReel(QDir(dossierMarqueur).filePath(kMarqueur));
    if (!QFileInfo(fichierMarqueur).isFile() || QFileInfo(fichierMarqueur).isSymLink())
        return refus(kSansMarqueur, dossierMarqueur);
    const Marqueur m = lireMarqueur(dossierMarqueur);
    if (!m.dossier.startsWith(u'/'))
        return refus(kSansDossier, dossierMarqueur);

    // <racine>/Quivex/<Name>, spelt without "." nor "..", the root a drive.
    const QString dossier = sansSeparateurFinal(m.dossier);
    const QFileInfo info(dossier);
    const QString quivex = info.path();
    const QString racine = QFileInfo(quivex).path();
    const bool surUnLecteur =
        std::any_of(lecteurs.cbegin(), lecteurs.cend(),
                    [&](const QString& l) { return QDir::cleanPath(l) == racine; });
    if (QDir::cleanPath(dossier) != dossier || !installation::nomSur(info.fileName()) ||
        QFileInfo(quivex).fileName() != kQuivex || !surUnLecteur)
        return refus(kHorsForme, m.dossier);

    if (QFileInfo(quivex).isSymLink() || info.isSymLink())
        return refus(kLien, dossier);
    // Opened below the root without a link, whatever replaced a part meanwhile.
    const DossierOuvert ouvert(DossierOuvert(racine), kQuivex + u'/' + info.fileName());
    // The install folder's own marker names the same group and folder.
    const Marqueur installe = lireMarqueur(dossier);
    if (!ouvert.ouvert() || !ouvert.fichier(kMarqueur) || installe.groupe != m.groupe ||
        sansSeparateurFinal(installe.dossier) != dossier)
        return refus(kAutreMarqueur, dossier);
    if (!installation::nomSur(m.groupe))
        return refus(kGroupe, m.groupe);

    // The files are those the installer copied from this list into this very
    // folder: a list that leads elsewhere is refused as a whole.
    const QString liste = plateforme::cheminReel(QDir(dossierMarqueur).filePath(kListe));
    const auto lue = installation::lireListe(liste);
    const auto plan = lue ? installation::planifier(racine, QString(), *lue, m.groupe,
                                                    installation::kFichiersExecution, langue)
                          : std::variant<installation::Plan, QString>(QString());
    const auto* p = std::get_if<installation::Plan>(&plan);
    if (!p || p->destination != dossier)
        return refus(kListeIllisible, liste, dossier);
    return Cible{dossier, racine, m.groupe, *p, *lue};
}

} // namespace ravaloire
