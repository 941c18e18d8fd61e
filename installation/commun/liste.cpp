#include "installation/commun/liste.h"

#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace installation {

namespace {

constexpr int kColonne = 60;
const QString kQuivex = u"Quivex"_qs;

const Bilingue kRefusNom{
    u"Le nom « %1 » ne peut pas servir de nom de dossier : l'installation n'a pas commencé."_qs,
    u"The name \"%1\" cannot be used as a folder name: the installation has not started."_qs};
const Bilingue kRefusIcone{
    u"La première icône de la liste doit désigner un fichier du dossier « %1 » : "
    "l'installation n'a pas commencé."_qs,
    u"The first icon of the list must name a file of the folder \"%1\": "
    "the installation has not started."_qs};
const Bilingue kRefusLigne{
    u"La ligne « %1 » de la liste ne désigne pas un fichier du dossier d'installation : "
    "l'installation n'a pas commencé."_qs,
    u"The line \"%1\" of the list does not name a file of the installation folder: "
    "the installation has not started."_qs};
const Bilingue kRefusCaracteres{
    u"« %1 » contient des caractères que le fichier « Broxel.dll » ne peut pas noter : "
    "l'installation n'a pas commencé."_qs,
    u"\"%1\" holds characters that the file \"Broxel.dll\" cannot record: "
    "the installation has not started."_qs};

bool representable(const QString& texte) {
    return std::all_of(texte.cbegin(), texte.cend(), plateforme::representableCp1252);
}

QString joindre(const QString& dossier, const QStringList& parties) {
    return QDir::cleanPath(dossier + u'/' + parties.join(u'/'));
}

bool memeNom(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The parts of a path below <Quivex>/<program folder>, when it lies there.
std::optional<QStringList> sousLeDossier(const QStringList& parties, const QString& dossier) {
    if (parties.size() < 3 || !memeNom(parties[0], kQuivex) || !memeNom(parties[1], dossier))
        return std::nullopt;
    return parties.mid(2);
}

// Below the program folder, a file line's target keeps its folders
// ("Quivex\Calendrier\Images\x.jpg" is Images/x.jpg); elsewhere it is its
// last part.
std::optional<QStringList> partiesInstallees(const QString& droite, const QString& dossier) {
    const QStringList parties = composants(droite);
    const QStringList installees =
        sousLeDossier(parties, dossier).value_or(parties.mid(parties.size() - 1));
    if (installees.isEmpty() || !std::all_of(installees.cbegin(), installees.cend(), nomSur))
        return std::nullopt;
    return installees;
}

} // namespace

QString colonneGauche(const QString& ligne) {
    return ligne.left(kColonne).trimmed();
}

QString colonneDroite(const QString& ligne) {
    return ligne.right(kColonne).trimmed();
}

std::optional<ListeFichiers> lireListe(const QString& chemin) {
    const QString reel = plateforme::cheminReel(chemin);
    QFile f(reel);
    if (!QFileInfo(reel).isFile() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    f.close();
    const QStringList lignes = plateforme::lireLignes(reel);
    if (lignes.isEmpty())
        return std::nullopt;
    ListeFichiers liste;
    liste.nom = lignes.first();
    qsizetype i = 1;
    for (; i < lignes.size() && !lignes[i].contains(u"[ICONE]"_qs); ++i)
        liste.fichiers << lignes[i];
    if (i < lignes.size())
        liste.icones = lignes.mid(i + 1);
    return liste;
}

QString dossierProgramme(const QString& nom) {
    const QString n = nom.trimmed();
    return n.left(1) + n.mid(1).toLower();
}

QStringList composants(const QString& chemin) {
    QString c = chemin;
    c.replace(u'\\', u'/');
    return c.split(u'/', Qt::SkipEmptyParts);
}

bool nomSur(const QString& nom) {
    return !nom.isEmpty() && nom != u"."_qs && nom != u".."_qs && !nom.contains(u'/') &&
           !nom.contains(u'\\') && !nom.contains(QChar(0));
}

std::variant<Plan, QString> planifier(const QString& racine, const QString& source,
                                      const ListeFichiers& liste, const QString& groupe,
                                      const QStringList& execution, Langue langue) {
    const QString dossier = dossierProgramme(liste.nom);
    for (const QString& nom : {dossier, groupe})
        if (!nomSur(nom))
            return kRefusNom.en(langue).arg(nom);
    Plan plan;
    plan.destination = joindre(racine, {kQuivex, dossier});
    plan.groupe = groupe;
    // The marker records both in the code page.
    for (const QString& texte : {plan.destination, groupe})
        if (!representable(texte))
            return kRefusCaracteres.en(langue).arg(texte);

    // The first icon's folder is the one the marker names for the
    // uninstaller: it must be the folder the files go to.
    const auto premiere = sousLeDossier(composants(colonneDroite(liste.icones.value(0))), dossier);
    if (!premiere || premiere->size() != 1)
        return kRefusIcone.en(langue).arg(plan.destination);

    for (const QString& ligne : liste.fichiers) {
        if (ligne.trimmed().isEmpty()) {
            plan.fichiers << std::nullopt;
            continue;
        }
        const auto parties = partiesInstallees(colonneDroite(ligne), dossier);
        const QStringList origine = composants(colonneGauche(ligne));
        if (!parties || origine.isEmpty())
            return kRefusLigne.en(langue).arg(ligne.trimmed());
        plan.fichiers << Copie{joindre(source, origine), joindre(plan.destination, *parties)};
    }
    plan.fichiers << std::nullopt;
    for (const QString& nom : execution)
        plan.execution << Copie{joindre(source, {nom}), joindre(plan.destination, {nom})};

    for (const QString& ligne : liste.icones) {
        if (ligne.trimmed().isEmpty())
            continue;
        const QString nom = colonneGauche(ligne);
        const QStringList cible = composants(colonneDroite(ligne));
        if (!nomSur(nom) || cible.isEmpty())
            return kRefusNom.en(langue).arg(nom);
        // Installed, the program folder is spelt as the copy spelt it.
        const auto dedans = sousLeDossier(cible, dossier);
        const QString chemin = dedans ? joindre(plan.destination, *dedans) : joindre(racine, cible);
        plan.raccourcis << Raccourci{nom, chemin, QFileInfo(chemin).path(),
                                     nom.toUpper() == u"ADRESSE"_qs};
    }
    return plan;
}

} // namespace installation
