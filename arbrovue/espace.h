#pragma once

// The namespace the folder tree shows, built on item-ID lists:
//
//   Bureau (the desktop, virtual root: the empty list)
//     Mes documents      the user's documents folder
//     Poste de travail   the computer (virtual)
//       /                the system volume, then the other writable volumes
//     Reseau             the network (virtual, empty)
//
// and file-system folders below a volume or the documents. Item IDs carry a
// kind byte then their data: the mount point of a volume, the name of a folder
// (bytes as the file system holds them).

#include "arbrovue/pidl.h"

#include <QCollatorSortKey>
#include <QIcon>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace arbrovue {

// Folder attributes asked of a folder object.
constexpr quint32 SFGAO_SHARE = 0x00020000;
constexpr quint32 SFGAO_HASSUBFOLDER = 0x80000000;

// Icon flags.
constexpr int SHGFI_SMALLICON = 1;
constexpr int SHGFI_OPENICON = 2;

// The special folders a tree can be rooted at (the values of TypeRoot).
enum DossierSpecial : int {
    CSIDL_DESKTOP = 0,
    CSIDL_PERSONAL = 5,
    CSIDL_DRIVES = 17,
    CSIDL_NETWORK = 18,
    CSIDL_WINDOWS = 36,
    CSIDL_SYSTEM = 37,
    CSIDL_PROGRAM_FILES = 38,
};

// Sorting key of an item inside its folder: the folder's own order.
struct CleTri {
    int rang = 0;
    std::optional<QCollatorSortKey> nom;
    QByteArray brut; // ties between names that differ only in case
    int comparer(const CleTri& autre) const;
};

// A folder object: what a folder of the namespace contains and says of its items.
class Dossier {
public:
    enum class Genre { Bureau, Poste, Reseau, Fichiers };

    // The folder named by an absolute list; nothing when the list names no folder.
    static std::optional<Dossier> depuis(const Octet* absolu);

    Genre genre() const { return genre_; }
    // The file-system folder behind it; empty for a virtual folder.
    const QString& chemin() const { return chemin_; }
    const Octet* absolu() const { return reinterpret_cast<const Octet*>(absolu_.constData()); }

    // The subfolders, hidden ones included, as one-item lists; nothing when
    // the folder cannot be read.
    std::optional<std::vector<Pidl>> EnumObjects() const;
    // The attributes of `demande` that the item has.
    quint32 GetAttributesOf(const Octet* relatif, quint32 demande) const;
    // The item's name as shown inside this folder; the folder's own name for an empty list.
    QString GetDisplayNameOf(const Octet* relatif) const;
    // Negative, zero or positive as the items stand in this folder's order.
    int CompareIDs(const Octet* relatif1, const Octet* relatif2) const;
    CleTri cleTri(const Octet* relatif) const;
    // The folder object of an item below this folder; nothing when it names no folder.
    std::optional<Dossier> BindToObject(const Octet* relatif) const;

private:
    Dossier(Genre genre, QString chemin, QByteArray absolu);
    QString cheminDe(const Octet* relatif) const;

    Genre genre_;
    QString chemin_;
    QByteArray absolu_;
    mutable std::shared_ptr<const QSet<QString>> partages_; // read on first use
};

const Dossier& GetDesktopFolder();
// The folder of `liste` below `parent`; the desktop when it names no folder.
Dossier BindToFolder(const Dossier& parent, const Octet* liste);
// The folder holding the item of an absolute list (the desktop for its children).
std::optional<Dossier> GetParentFolder(const Octet* absolu);
QString GetDisplayName(const Dossier& dossier, const Octet* relatif);

// The absolute list of a special folder, nothing when it has none here.
Pidl GetSpecialFolderPidl(int identifiant);
// The file-system path of an absolute list; empty for a virtual folder.
QString PathFromPidl(const Octet* absolu);
// The absolute list of an existing folder, through the volume that holds it.
Pidl PidlFromPath(const QString& chemin);

// The mount points shown under the computer: "/" first, then the writable
// volumes in mount order.
QStringList volumesEcrivables();

// The icons of the namespace, fetched once from the system's icon provider;
// items refer to them by index.
class ImagesSysteme {
public:
    enum Index {
        IconeDossier,
        IconeOuvert,
        IconeBureau,
        IconePoste,
        IconeReseau,
        IconeVolume,
        IconeDocuments,
        NombreIcones
    };
    QIcon icone(int index) const;
    static const ImagesSysteme& instance();

private:
    ImagesSysteme();
    std::vector<QIcon> icones_;
};

// Index in the system images of the item of an absolute list; 0 when unknown.
int GetIconIndex(const Octet* absolu, int drapeaux);
const ImagesSysteme* GetSysImageList(int drapeaux);

} // namespace arbrovue
