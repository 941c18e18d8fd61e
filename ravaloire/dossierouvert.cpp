#include "ravaloire/dossierouvert.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ravaloire {

namespace {

constexpr int kDossier = O_PATH | O_DIRECTORY | O_CLOEXEC;

// The parent folder of `relatif`'s last part, opened without a link, and
// that last part.
struct Acces {
    DossierOuvert parent;
    QByteArray nom;
    Acces(const DossierOuvert& d, const QString& relatif)
        : parent(d, relatif.section(u'/', 0, -2)),
          nom(QFile::encodeName(relatif.section(u'/', -1))) {}
};

Retrait refus(const DossierOuvert& parent) {
    return parent.erreur() == ENOENT ? Retrait::Absent : Retrait::Garde;
}

Retrait echec(QString* raison) {
    if (errno == ENOENT)
        return Retrait::Absent;
    if (raison)
        *raison = QString::fromLocal8Bit(std::strerror(errno));
    return Retrait::Echec;
}

} // namespace

DossierOuvert::DossierOuvert(const QString& chemin) : chemin_(chemin) {
    fd_ = ::open(QFile::encodeName(chemin).constData(), kDossier);
    erreur_ = fd_ < 0 ? errno : 0;
}

DossierOuvert::DossierOuvert(const DossierOuvert& parent, const QString& relatif)
    : chemin_(relatif.isEmpty() ? parent.chemin_ : parent.chemin(relatif)) {
    if (!parent.ouvert()) {
        erreur_ = parent.erreur_;
        return;
    }
    fd_ = ::fcntl(parent.fd_, F_DUPFD_CLOEXEC, 0);
    for (const QString& partie : relatif.split(u'/', Qt::SkipEmptyParts)) {
        if (fd_ < 0)
            break;
        const int suivant =
            ::openat(fd_, QFile::encodeName(partie).constData(), kDossier | O_NOFOLLOW);
        const int e = errno;
        ::close(fd_);
        fd_ = suivant;
        errno = e;
    }
    // O_PATH | O_NOFOLLOW opens a link itself; O_DIRECTORY then refuses it.
    erreur_ = fd_ < 0 ? errno : 0;
}

DossierOuvert::~DossierOuvert() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool DossierOuvert::fichier(const QString& relatif) const {
    const Acces a(*this, relatif);
    struct stat st {};
    return a.parent.ouvert() &&
           ::fstatat(a.parent.fd_, a.nom.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(st.st_mode);
}

QStringList DossierOuvert::noms(const QString& relatif) const {
    const DossierOuvert d(*this, relatif);
    QStringList noms;
    const int fd = d.ouvert() ? ::openat(d.fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR* liste = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!liste) {
        if (fd >= 0)
            ::close(fd);
        return noms;
    }
    while (const dirent* e = ::readdir(liste))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            noms << QFile::decodeName(e->d_name);
    ::closedir(liste);
    noms.sort();
    return noms;
}

QStringList DossierOuvert::arborescence(const QString& relatif) const {
    QStringList entrees;
    for (const QString& nom : noms(relatif)) {
        const QString chemin = relatif.isEmpty() ? nom : relatif + u'/' + nom;
        if (!DossierOuvert(*this, chemin).ouvert()) {
            entrees << chemin;
            continue;
        }
        entrees << chemin + u'/';
        entrees << arborescence(chemin);
    }
    return entrees;
}

Retrait DossierOuvert::retirer(const QString& relatif, bool dossier, QString* raison) const {
    const Acces a(*this, relatif);
    if (!a.parent.ouvert())
        return refus(a.parent);
    struct stat st {};
    if (::fstatat(a.parent.fd_, a.nom.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return echec(raison);
    if (S_ISDIR(st.st_mode) != dossier)
        return Retrait::Garde;
    if (::unlinkat(a.parent.fd_, a.nom.constData(), dossier ? AT_REMOVEDIR : 0) == 0)
        return Retrait::Retire;
    return dossier && (errno == ENOTEMPTY || errno == EEXIST) ? Retrait::Garde : echec(raison);
}

} // namespace ravaloire
