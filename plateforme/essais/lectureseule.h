#pragma once

// Places a test cannot write to, even when it runs as root.

#include <QFile>
#include <QFileInfo>
#include <array>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// A read-only folder for the time of a write. Root's power to write anywhere
// is set aside meanwhile (for the calling thread), so that the folder holds
// for it too.
class DossierEnLectureSeule {
public:
    explicit DossierEnLectureSeule(const QString& dossier) : dossier_(QFile::encodeName(dossier)) {
        ::chmod(dossier_.constData(), 0555);
        syscall(SYS_capget, &entete_, droits_.data());
        auto sans = droits_;
        sans[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &entete_, sans.data());
    }
    ~DossierEnLectureSeule() {
        syscall(SYS_capset, &entete_, droits_.data());
        ::chmod(dossier_.constData(), 0755);
    }
    DossierEnLectureSeule(const DossierEnLectureSeule&) = delete;
    DossierEnLectureSeule& operator=(const DossierEnLectureSeule&) = delete;

private:
    QByteArray dossier_;
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> droits_{};
};

// A file that cannot be removed for a while: made immutable where the file
// system and the process's rights allow it, otherwise held by its folder made
// read-only as above.
class FichierIndelebile {
public:
    explicit FichierIndelebile(const QString& fichier) : fichier_(QFile::encodeName(fichier)) {
        immuable_ = immutabilite(true);
        if (!immuable_)
            dossier_.emplace(QFileInfo(fichier).path());
    }
    ~FichierIndelebile() {
        if (immuable_)
            immutabilite(false);
    }
    FichierIndelebile(const FichierIndelebile&) = delete;
    FichierIndelebile& operator=(const FichierIndelebile&) = delete;

    bool immuable() const { return immuable_; }

private:
    bool immutabilite(bool oui) const {
        const int fd = ::open(fichier_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int drapeaux = 0;
        const bool fait =
            fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &drapeaux) == 0 &&
            (drapeaux = oui ? drapeaux | FS_IMMUTABLE_FL : drapeaux & ~FS_IMMUTABLE_FL,
             ::ioctl(fd, FS_IOC_SETFLAGS, &drapeaux) == 0);
        if (fd >= 0)
            ::close(fd);
        return fait;
    }

    QByteArray fichier_;
    bool immuable_ = false;
    std::optional<DossierEnLectureSeule> dossier_;
};
