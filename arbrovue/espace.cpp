#include "arbrovue/espace.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace arbrovue {

namespace {

// Kinds of item IDs, the byte after the size.
constexpr Octet ItemDocuments = 'M';
constexpr Octet ItemPoste = 'P';
constexpr Octet ItemReseau = 'R';
constexpr Octet ItemVolume = 'V';
constexpr Octet ItemDossier = 'F';

const QString NomBureau = QStringLiteral("Bureau");
const QString NomDocuments = QStringLiteral("Mes documents");
const QString NomPoste = QStringLiteral("Poste de travail");
const QString NomReseau = QStringLiteral("Reseau");

Octet genreItem(const Octet* item) {
    return GetItemSize(item) > 2 ? item[2] : 0;
}

QByteArray donneesItem(const Octet* item) {
    const std::uint16_t taille = GetItemSize(item);
    return taille > 3 ? QByteArray(reinterpret_cast<const char*>(item) + 3, taille - 3)
                      : QByteArray();
}

const Octet* dernierItem(const Octet* liste) {
    const Octet* dernier = nullptr;
    for (const Octet* p = liste; p && GetItemSize(p); p = GetNextItem(p))
        dernier = p;
    return dernier;
}

Pidl item(Octet genre, const QByteArray& donnees = {}) {
    QByteArray octets(1, static_cast<char>(genre));
    octets += donnees;
    return CreerItem(reinterpret_cast<const Octet*>(octets.constData()),
                     static_cast<std::size_t>(octets.size()));
}

// A volume item keeps its rank under the computer beside its mount point.
Pidl itemVolume(int rang, const QString& montage) {
    QByteArray donnees(2, '\0');
    const auto r = static_cast<std::uint16_t>(rang);
    std::memcpy(donnees.data(), &r, sizeof r);
    return item(ItemVolume, donnees + QFile::encodeName(montage));
}

int rangVolume(const QByteArray& donnees) {
    std::uint16_t r = 0;
    if (donnees.size() >= 2)
        std::memcpy(&r, donnees.constData(), sizeof r);
    return r;
}

QString montageVolume(const QByteArray& donnees) {
    return QFile::decodeName(donnees.mid(2));
}

QString joindre(const QString& dossier, const QString& nom) {
    return dossier.endsWith(u'/') ? dossier + nom : dossier + u'/' + nom;
}

QString dossierDocuments() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(docs).isDir() ? QDir::cleanPath(docs) : QDir::homePath();
}

bool estDossier(const QByteArray& chemin) {
    struct stat s;
    return ::stat(chemin.constData(), &s) == 0 && S_ISDIR(s.st_mode);
}

// Calls `action` with the name of every subfolder (links to folders and hidden
// folders included) until it returns false. False when the folder cannot be read.
template <typename Action> bool parcourirSousDossiers(const QByteArray& chemin, Action action) {
    DIR* d = ::opendir(chemin.constData());
    if (!d)
        return false;
    QByteArray complet = chemin.endsWith('/') ? chemin : chemin + '/';
    const qsizetype base = complet.size();
    while (const dirent* e = ::readdir(d)) {
        const char* nom = e->d_name;
        if (nom[0] == '.' && (nom[1] == 0 || (nom[1] == '.' && nom[2] == 0)))
            continue;
        bool dossier = e->d_type == DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            complet.truncate(base);
            dossier = estDossier(complet.append(nom));
        }
        if (dossier && !action(nom))
            break;
    }
    ::closedir(d);
    return true;
}

bool aDesSousDossiers(const QString& chemin) {
    bool trouve = false;
    parcourirSousDossiers(QFile::encodeName(chemin), [&trouve](const char*) {
        trouve = true;
        return false;
    });
    return trouve;
}

// Folders shared with the network: the user shares of Samba, one file each
// with a "path=" line.
QSet<QString> dossiersPartages() {
    QSet<QString> partages;
    const QString dossier =
        qEnvironmentVariable("ARBROVUE_PARTAGES", u"/var/lib/samba/usershares"_qs);
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files)) {
        QFile fichier(f.filePath());
        if (!fichier.open(QIODevice::ReadOnly))
            continue;
        while (!fichier.atEnd()) {
            const QByteArray ligne = fichier.readLine().trimmed();
            if (ligne.startsWith("path="))
                partages.insert(QDir::cleanPath(QFile::decodeName(ligne.mid(5))));
        }
    }
    return partages;
}

const QCollator& collateur() {
    static const QCollator c = [] {
        QCollator c(QLocale(QLocale::French, QLocale::France));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return c;
}

bool systemeDeFichiersVirtuel(const QString& montage) {
    static const QStringList caches{u"/proc"_qs, u"/sys"_qs,  u"/dev"_qs, u"/run"_qs,
                                    u"/boot"_qs, u"/snap"_qs, u"/var"_qs, u"/etc"_qs};
    if (montage.startsWith(u"/run/media/"))
        return false;
    for (const QString& c : caches)
        if (montage == c || montage.startsWith(c + u'/'))
            return true;
    return false;
}

} // namespace

int CleTri::comparer(const CleTri& autre) const {
    if (rang != autre.rang)
        return rang < autre.rang ? -1 : 1;
    if (nom && autre.nom)
        if (const int c = nom->compare(*autre.nom))
            return c;
    return brut.compare(autre.brut);
}

// The user's own folder comes first, as the first drive of the computer: it is
// where pictures usually are. Then the system's root and the other volumes.
QStringList volumesEcrivables() {
    QStringList volumes;
    const QString maison = QDir::cleanPath(QDir::homePath());
    if (maison != u"/"_qs && QFileInfo(maison).isDir())
        volumes << maison;
    volumes << u"/"_qs;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString montage = QDir::cleanPath(v.rootPath());
        if (v.isValid() && v.isReady() && !v.isReadOnly() && !volumes.contains(montage) &&
            v.fileSystemType() != "tmpfs" && !systemeDeFichiersVirtuel(montage) &&
            QFileInfo(montage).isDir() && QFileInfo(montage).isWritable())
            volumes << montage;
    }
    return volumes;
}

Dossier::Dossier(Genre genre, QString chemin, QByteArray absolu)
    : genre_(genre), chemin_(std::move(chemin)), absolu_(std::move(absolu)) {}

std::optional<Dossier> Dossier::depuis(const Octet* absolu) {
    if (!absolu)
        return std::nullopt;
    Genre genre = Genre::Bureau;
    QString chemin;
    for (const Octet* p = absolu; GetItemSize(p); p = GetNextItem(p)) {
        const Octet g = genreItem(p);
        if (genre == Genre::Bureau && g == ItemDocuments)
            genre = Genre::Fichiers, chemin = dossierDocuments();
        else if (genre == Genre::Bureau && g == ItemPoste)
            genre = Genre::Poste;
        else if (genre == Genre::Bureau && g == ItemReseau)
            genre = Genre::Reseau;
        else if (genre == Genre::Poste && g == ItemVolume)
            genre = Genre::Fichiers, chemin = montageVolume(donneesItem(p));
        else if (genre == Genre::Fichiers && g == ItemDossier)
            chemin = joindre(chemin, QFile::decodeName(donneesItem(p)));
        else
            return std::nullopt;
    }
    const QByteArray octets(reinterpret_cast<const char*>(absolu), GetPidlSize(absolu));
    return Dossier(genre, chemin, octets);
}

QString Dossier::cheminDe(const Octet* relatif) const {
    switch (genreItem(relatif)) {
    case ItemDocuments:
        return genre_ == Genre::Bureau ? dossierDocuments() : QString();
    case ItemVolume:
        return genre_ == Genre::Poste ? montageVolume(donneesItem(relatif)) : QString();
    case ItemDossier:
        return genre_ == Genre::Fichiers ? joindre(chemin_, QFile::decodeName(donneesItem(relatif)))
                                         : QString();
    default:
        return {};
    }
}

std::optional<std::vector<Pidl>> Dossier::EnumObjects() const {
    std::vector<Pidl> items;
    switch (genre_) {
    case Genre::Bureau:
        items.push_back(item(ItemDocuments));
        items.push_back(item(ItemPoste));
        items.push_back(item(ItemReseau));
        break;
    case Genre::Poste: {
        const QStringList volumes = volumesEcrivables();
        for (int i = 0; i < volumes.size(); ++i)
            items.push_back(itemVolume(i, volumes[i]));
        break;
    }
    case Genre::Reseau:
        break;
    case Genre::Fichiers:
        if (!parcourirSousDossiers(QFile::encodeName(chemin_), [&items](const char* nom) {
                items.push_back(item(ItemDossier, QByteArray(nom)));
                return true;
            }))
            return std::nullopt;
        break;
    }
    return items;
}

quint32 Dossier::GetAttributesOf(const Octet* relatif, quint32 demande) const {
    quint32 attributs = 0;
    const Octet g = genreItem(relatif);
    const QString chemin = GetItemSize(relatif) ? cheminDe(relatif) : chemin_;
    if (demande & SFGAO_HASSUBFOLDER) {
        // The virtual folders always offer to open; the network then shows nothing.
        const bool virtuel =
            GetItemSize(relatif) ? (g == ItemPoste || g == ItemReseau) : genre_ != Genre::Fichiers;
        if (virtuel || (!chemin.isEmpty() && aDesSousDossiers(chemin)))
            attributs |= SFGAO_HASSUBFOLDER;
    }
    if ((demande & SFGAO_SHARE) && !chemin.isEmpty()) {
        if (!partages_)
            partages_ = std::make_shared<const QSet<QString>>(dossiersPartages());
        if (partages_->contains(chemin))
            attributs |= SFGAO_SHARE;
    }
    return attributs;
}

QString Dossier::GetDisplayNameOf(const Octet* relatif) const {
    if (!GetItemSize(relatif)) {
        switch (genre_) {
        case Genre::Bureau:
            return NomBureau;
        case Genre::Poste:
            return NomPoste;
        case Genre::Reseau:
            return NomReseau;
        case Genre::Fichiers:
            return chemin_ == u"/" ? chemin_ : QFileInfo(chemin_).fileName();
        }
    }
    switch (genreItem(relatif)) {
    case ItemDocuments:
        return NomDocuments;
    case ItemPoste:
        return NomPoste;
    case ItemReseau:
        return NomReseau;
    case ItemDossier:
        return QFile::decodeName(donneesItem(relatif));
    case ItemVolume: {
        const QString montage = montageVolume(donneesItem(relatif));
        if (montage == u"/")
            return QStringLiteral("Disque local (/)");
        if (montage == QDir::cleanPath(QDir::homePath()))
            return QStringLiteral("Dossier personnel (%1)").arg(montage);
        const QString etiquette = QStorageInfo(montage).name();
        return QStringLiteral("%1 (%2)").arg(
            etiquette.isEmpty() ? QFileInfo(montage).fileName() : etiquette, montage);
    }
    default:
        return {};
    }
}

CleTri Dossier::cleTri(const Octet* relatif) const {
    CleTri cle;
    const Octet g = genreItem(relatif);
    const QByteArray donnees = donneesItem(relatif);
    if (g == ItemDossier) {
        cle.nom = collateur().sortKey(QFile::decodeName(donnees));
        cle.brut = donnees;
    } else if (g == ItemVolume) {
        cle.rang = rangVolume(donnees);
    } else {
        cle.rang = g == ItemDocuments ? 0 : g == ItemPoste ? 1 : 2;
    }
    return cle;
}

int Dossier::CompareIDs(const Octet* relatif1, const Octet* relatif2) const {
    return cleTri(relatif1).comparer(cleTri(relatif2));
}

std::optional<Dossier> Dossier::BindToObject(const Octet* relatif) const {
    if (!GetItemSize(relatif))
        return std::nullopt;
    try {
        const Pidl absolu = ConcatPidl(this->absolu(), relatif);
        return absolu ? depuis(absolu.get()) : std::nullopt;
    } catch (const DepassementPidl&) {
        return std::nullopt;
    }
}

const Dossier& GetDesktopFolder() {
    static const Dossier bureau = *Dossier::depuis(AllocZeroed(2).get());
    return bureau;
}

Dossier BindToFolder(const Dossier& parent, const Octet* liste) {
    return parent.BindToObject(liste).value_or(GetDesktopFolder());
}

std::optional<Dossier> GetParentFolder(const Octet* absolu) {
    const Pidl parent = CopyParentPidl(absolu, true);
    if (!parent)
        return std::nullopt;
    return BindToFolder(GetDesktopFolder(), parent.get());
}

QString GetDisplayName(const Dossier& dossier, const Octet* relatif) {
    return dossier.GetDisplayNameOf(relatif);
}

Pidl GetSpecialFolderPidl(int identifiant) {
    switch (identifiant) {
    case CSIDL_DESKTOP:
        return AllocZeroed(2);
    case CSIDL_PERSONAL:
        return item(ItemDocuments);
    case CSIDL_DRIVES:
        return item(ItemPoste);
    case CSIDL_NETWORK:
        return item(ItemReseau);
    case CSIDL_WINDOWS:
        return PidlFromPath(u"/usr"_qs);
    case CSIDL_SYSTEM:
        return PidlFromPath(u"/usr/bin"_qs);
    case CSIDL_PROGRAM_FILES:
        return PidlFromPath(QFileInfo(u"/opt"_qs).isDir() ? u"/opt"_qs : u"/usr/local"_qs);
    default:
        return {};
    }
}

QString PathFromPidl(const Octet* absolu) {
    const std::optional<Dossier> d = Dossier::depuis(absolu);
    return d ? d->chemin() : QString();
}

Pidl PidlFromPath(const QString& chemin) {
    const QString propre = QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
    if (!QFileInfo(propre).isDir())
        return {};
    const QStringList volumes = volumesEcrivables();
    int volume = static_cast<int>(volumes.indexOf(u"/"_qs));
    for (int i = 0; i < volumes.size(); ++i)
        if ((propre == volumes[i] || propre.startsWith(volumes[i] + u'/')) &&
            volumes[i].size() > volumes[volume].size())
            volume = i;
    try {
        Pidl liste = ConcatPidl(item(ItemPoste).get(), itemVolume(volume, volumes[volume]).get());
        const QString reste = propre.mid(volumes[volume].size());
        for (const QString& nom : reste.split(u'/', Qt::SkipEmptyParts))
            liste = ConcatPidl(liste.get(), item(ItemDossier, QFile::encodeName(nom)).get());
        return liste;
    } catch (const DepassementPidl&) {
        return {};
    }
}

ImagesSysteme::ImagesSysteme() {
    const QFileIconProvider fournisseur;
    const QIcon dossier = fournisseur.icon(QFileIconProvider::Folder);
    icones_.resize(NombreIcones);
    icones_[IconeDossier] = dossier;
    icones_[IconeOuvert] = QIcon::fromTheme(u"folder-open"_qs, dossier);
    icones_[IconeBureau] = fournisseur.icon(QFileIconProvider::Desktop);
    icones_[IconePoste] = fournisseur.icon(QFileIconProvider::Computer);
    icones_[IconeReseau] = fournisseur.icon(QFileIconProvider::Network);
    icones_[IconeVolume] = fournisseur.icon(QFileIconProvider::Drive);
    icones_[IconeDocuments] = QIcon::fromTheme(u"folder-documents"_qs, dossier);
}

const ImagesSysteme& ImagesSysteme::instance() {
    static const ImagesSysteme images;
    return images;
}

QIcon ImagesSysteme::icone(int index) const {
    return index >= 0 && index < NombreIcones ? icones_[static_cast<std::size_t>(index)] : QIcon();
}

int GetIconIndex(const Octet* absolu, int drapeaux) {
    if (!absolu)
        return 0;
    switch (genreItem(dernierItem(absolu))) {
    case 0:
        return ImagesSysteme::IconeBureau;
    case ItemDocuments:
        return ImagesSysteme::IconeDocuments;
    case ItemPoste:
        return ImagesSysteme::IconePoste;
    case ItemReseau:
        return ImagesSysteme::IconeReseau;
    case ItemVolume:
        return ImagesSysteme::IconeVolume;
    default:
        return drapeaux & SHGFI_OPENICON ? ImagesSysteme::IconeOuvert : ImagesSysteme::IconeDossier;
    }
}

const ImagesSysteme* GetSysImageList(int) {
    return &ImagesSysteme::instance();
}

} // namespace arbrovue
