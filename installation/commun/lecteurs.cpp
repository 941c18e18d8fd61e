#include "installation/commun/lecteurs.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace installation {

namespace {

const QStringList kSystemesInternes = {
    u"tmpfs"_qs,    u"devtmpfs"_qs, u"ramfs"_qs,   u"proc"_qs,        u"sysfs"_qs,
    u"devpts"_qs,   u"cgroup"_qs,   u"cgroup2"_qs, u"securityfs"_qs,  u"pstore"_qs,
    u"debugfs"_qs,  u"tracefs"_qs,  u"mqueue"_qs,  u"hugetlbfs"_qs,   u"fusectl"_qs,
    u"configfs"_qs, u"bpf"_qs,      u"autofs"_qs,  u"binfmt_misc"_qs, u"efivarfs"_qs,
    u"nsfs"_qs,     u"overlay"_qs,  u"squashfs"_qs};

// C: to Z:.
constexpr int kLecteursMax = 24;

} // namespace

QStringList lecteursDuSysteme() {
    QStringList racines{QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString racine = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() ||
            kSystemesInternes.contains(QString::fromLatin1(volume.fileSystemType())) ||
            racines.contains(racine) || !QFileInfo(racine).isWritable())
            continue;
        racines << racine;
    }
    return racines.mid(0, kLecteursMax);
}

} // namespace installation
