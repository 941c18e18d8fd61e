#include "installation/commun/copie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <functional>

namespace installation {

namespace {

// Qt's message for the device's error; a short write leaves the device
// without one, and the system's then says why.
QString raison(const QFileDevice& f) {
    return f.error() != QFileDevice::NoError ? f.errorString() : qt_error_string(errno);
}

// Qt 6.4's commit() can report success after a failed buffered write: every
// write and the flush are checked before it.
Echec ecrire(const QString& chemin, const std::function<Echec(QSaveFile&)>& remplir,
             std::optional<QFile::Permissions> permissions = std::nullopt) {
    if (!QDir().mkpath(QFileInfo(chemin).path()))
        return u"the folder %1 cannot be created"_qs.arg(QFileInfo(chemin).path());
    QSaveFile f(chemin);
    f.setDirectWriteFallback(false);
    // Unbuffered, a short write shows at the write that falls short.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return f.errorString();
    if (Echec e = remplir(f))
        return e;
    if (!f.flush())
        return raison(f);
    if (permissions && !f.setPermissions(*permissions))
        return f.errorString();
    if (!f.commit())
        return f.errorString();
    return std::nullopt;
}

} // namespace

Echec copierFichier(const QString& source, const QString& cible) {
    QFile entree(source);
    if (!QFileInfo(source).isFile())
        return u"no such file"_qs;
    if (!entree.open(QIODevice::ReadOnly))
        return entree.errorString();
    const qint64 taille = entree.size();
    return ecrire(
        cible,
        [&](QSaveFile& sortie) -> Echec {
            QByteArray tampon(1 << 16, Qt::Uninitialized);
            qint64 total = 0;
            for (;;) {
                const qint64 lu = entree.read(tampon.data(), tampon.size());
                if (lu < 0)
                    return entree.errorString();
                if (lu == 0)
                    break;
                if (sortie.write(tampon.constData(), lu) != lu)
                    return raison(sortie);
                total += lu;
            }
            if (total != taille)
                return u"%1 bytes read of %2"_qs.arg(total).arg(taille);
            return std::nullopt;
        },
        entree.permissions());
}

Echec ecrireFichier(const QString& chemin, const QByteArray& octets) {
    return ecrire(chemin, [&](QSaveFile& f) -> Echec {
        if (f.write(octets) != octets.size())
            return raison(f);
        return std::nullopt;
    });
}

} // namespace installation
