#include "ravaloire/copies.h"

#include "installation/commun/miseenpage.h"
#include "installation/execution.h"
#include "plateforme/noyau/fichiertexte.h"
#include "ravaloire/dossierouvert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace ravaloire {

namespace {

const QString kPrefixe = u"ravaloire-"_qs;
const QString kMarqueurCopie = u"BROXEL.DLL"_qs;

void viderCopie(const DossierOuvert& base, const QString& nom, const QString& programme) {
    const DossierOuvert d(base, nom);
    QStringList fichiers = installation::kFichiersExecution;
    fichiers << programme << kListe << kMarqueurCopie;
    for (const QString& f : fichiers) {
        d.retirerFichier(f);
        if (f.contains(u'/'))
            d.retirerDossierVide(f.section(u'/', 0, -2));
    }
    base.retirerDossierVide(nom);
}

} // namespace

QString baseTemporaire() {
    const QString execution = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !execution.isEmpty() && QFileInfo(execution).isDir() ? execution : QDir::tempPath();
}

std::optional<QString> creerDossierPrive() {
    QByteArray modele = QFile::encodeName(QDir(baseTemporaire()).filePath(kPrefixe + u"XXXXXX"_qs));
    if (!::mkdtemp(modele.data()))
        return std::nullopt;
    return QFile::decodeName(modele);
}

installation::Echec preparerCopie(const Cible& c, const QString& programme, const QString& prive) {
    const QDir dossier(c.dossier);
    const QDir copie(prive);
    QList<std::pair<QString, QString>> copies{
        {programme, copie.filePath(QFileInfo(programme).fileName())},
        {dossier.filePath(kListe), copie.filePath(kListe)}};
    for (const QString& f : installation::kFichiersExecution)
        copies.append({dossier.filePath(f), copie.filePath(f)});
    for (const auto& [source, cible] : copies)
        if (installation::Echec e = installation::copierFichier(source, cible))
            return u"%1 → %2 : %3"_qs.arg(source, cible, *e);
    const QString marqueur = copie.filePath(kMarqueurCopie);
    const QStringList lignes{c.groupe, c.dossier + u'/', QString::number(kPhaseDeux)};
    if (!plateforme::reecrire(marqueur, lignes) || plateforme::lireLignes(marqueur) != lignes)
        return marqueur;
    return std::nullopt;
}

void retirerCopies(const QString& prive, const QString& dossierInstalle, const QString& programme) {
    const QFileInfo info(prive);
    const DossierOuvert base(baseTemporaire());
    if (info.fileName().startsWith(kPrefixe) && info.path() == QDir::cleanPath(baseTemporaire()))
        viderCopie(base, info.fileName(), programme);
    for (const QString& nom : base.noms()) {
        const QString autre = QDir(base.chemin()).filePath(nom);
        const Marqueur m = lireMarqueur(autre);
        if (nom.startsWith(kPrefixe) && DossierOuvert(base, nom).ouvert() &&
            m.phase == kPhaseDeux && QDir::cleanPath(m.dossier) == dossierInstalle)
            viderCopie(base, nom, programme);
    }
}

} // namespace ravaloire
