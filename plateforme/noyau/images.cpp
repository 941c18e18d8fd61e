#include "plateforme/noyau/images.h"

#include "plateforme/noyau/images_apercus.h"
#include "plateforme/noyau/images_bmp.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/noyau/images_wmf.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plateforme {

namespace {

bool estTourne(const QImageReader& lecteur) {
    return lecteur.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

// Below 50 the JPEG decoder takes its fast path.
constexpr int kQualiteRapide = 49;

void preparer(QImageReader& lecteur) {
    lecteur.setAllocationLimit(kLimiteAllocationMo);
    lecteur.setAutoTransform(true);
}

// Beyond this a decode is for a page or a print, made from the photo itself.
constexpr int kApercuMax = 1024;

constexpr qint64 kLimiteOctets = qint64(kLimiteAllocationMo) * 1024 * 1024;

// Only a regular file is opened, its link followed: a FIFO would block its
// reader, a device never end, a folder fail. Looked at before, so that a
// device is not even opened, then opened without waiting for a writer and
// looked at again, so that nothing put in its place meanwhile blocks either.
bool ouvrir(QFile& fichier) {
    // A picture built into the program is read from memory.
    if (fichier.fileName().startsWith(u":/"_qs))
        return fichier.open(QIODevice::ReadOnly);
    const QByteArray nom = QFile::encodeName(fichier.fileName());
    struct stat etat {};
    if (::stat(nom.constData(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return false;
    const int fd = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) &&
        fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

// A metafile is known by its signature, whatever its name; its whole content,
// or nothing when the file is not a metafile.
QByteArray metafichier(QFile& fichier) {
    if (!wmf::estMetafichier(fichier.peek(6)) || fichier.size() > kLimiteOctets)
        return {};
    return fichier.readAll();
}

QSize tailleBitmap(QFile& fichier) {
    QImageReader lecteur(&fichier);
    preparer(lecteur);
    if (!lecteur.canRead())
        return {};
    const QSize taille = lecteur.size();
    if (taille.isEmpty())
        return {};
    return estTourne(lecteur) ? taille.transposed() : taille;
}

// Turns a picture decoded as stored the way its EXIF orientation says, in the
// order Qt's own readers use: mirrors first, then the quarter turn.
QImage redresser(QImage image, QImageIOHandler::Transformations tour) {
    image = std::move(image).mirrored(tour.testFlag(QImageIOHandler::TransformationMirror),
                                      tour.testFlag(QImageIOHandler::TransformationFlip));
    if (tour.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// How a picture is wanted at a given size: exactly, or as a quick first view.
enum class Finesse { Exacte, Apercu };

// The share of the size shown a first view may lack on each side.
constexpr double kApercuMin = 0.7;

// The JPEG `chemin` (of size `photo`) read at the least eighth of its size
// that covers `voulue` (for a first view, at an eighth covering 70 % of it),
// when that is an eighth or a quarter and the fast reader knows the file; null
// otherwise.
QImage jpegReduit(const QString& chemin, QSize photo, QSize voulue, Finesse finesse) {
    const double couverture = finesse == Finesse::Apercu ? kApercuMin : 1.0;
    const auto couvre = [&](int huitiemes) {
        return (photo.width() * huitiemes + 7) / 8 >= voulue.width() * couverture &&
               (photo.height() * huitiemes + 7) / 8 >= voulue.height() * couverture;
    };
    const int huitiemes = couvre(1) ? 1 : couvre(2) ? 2 : 0;
    QFile fichier(chemin);
    if (!huitiemes || !ouvrir(fichier) || fichier.size() > kLimiteOctets)
        return {};
    if (const uchar* octets = fichier.map(0, fichier.size()))
        return jpeg::reduire(QByteArrayView(reinterpret_cast<const char*>(octets), fichier.size()),
                             huitiemes);
    return jpeg::reduire(fichier.readAll(), huitiemes);
}

// The BMP `fichier` read straight at `voulue`, when it is one that can be:
// only the rows and pixels needed are touched. Null otherwise.
QImage bmpReduit(QFile& fichier, QSize voulue) {
    if (fichier.size() > kLimiteOctets)
        return {};
    const uchar* octets = fichier.map(0, fichier.size());
    return octets
               ? bmp::reduire(QByteArrayView(reinterpret_cast<const char*>(octets), fichier.size()),
                              voulue)
               : QImage();
}

} // namespace

Source examinerImage(const QString& chemin) {
    QFile fichier(chemin);
    if (!ouvrir(fichier))
        return {};
    if (const QByteArray contenu = metafichier(fichier); !contenu.isEmpty())
        return Source{wmf::taille(contenu, kLimiteOctets), true};
    // A captured page: its size is in its header, no decoder need be sought.
    if (const auto entete = bmp::lireEntete(fichier.peek(54)))
        return Source{entete->taille, false};
    return Source{tailleBitmap(fichier), false};
}

QSize tailleImage(const QString& chemin) {
    return examinerImage(chemin).taille;
}

namespace {

// The previews a camera stored in the JPEG `chemin`, opened apart from the
// reader, which keeps its place in its own opening.
QImage apercuAppareil(const QString& chemin, QSize photo, QSize voulue) {
    QFile fichier(chemin);
    return ouvrir(fichier) ? apercus::charger(fichier, photo, voulue) : QImage();
}

QImage charger(const QString& chemin, QSize taille, Finesse finesse) {
    QFile fichier(chemin);
    if (!ouvrir(fichier))
        return {};
    if (const QByteArray contenu = metafichier(fichier); !contenu.isEmpty())
        return wmf::rendre(contenu, taille, kLimiteOctets);
    // BMP has no reduced decoding of its own: a whole page read to show a thumbnail.
    if (taille.isValid() && !taille.isEmpty() && bmp::lireEntete(fichier.peek(54)))
        if (QImage reduite = bmpReduit(fichier, taille); !reduite.isNull())
            return reduite;
    QImageReader lecteur(&fichier);
    preparer(lecteur);
    if (!taille.isValid() || taille.isEmpty())
        return lecteur.read();
    // The decoder scales the picture as stored; the turn comes afterwards.
    const QImageIOHandler::Transformations tour = lecteur.transformation();
    const QSize stockee =
        tour.testFlag(QImageIOHandler::TransformationRotate90) ? taille.transposed() : taille;
    // Every byte of a JPEG is decoded whatever the scale; a preview the camera
    // stored beside the photo spares that, for screen previews only.
    if (lecteur.format() == "jpeg" && stockee.width() <= kApercuMax &&
        stockee.height() <= kApercuMax) {
        if (QImage apercu = apercuAppareil(chemin, lecteur.size(), stockee); !apercu.isNull())
            return redresser(std::move(apercu), tour);
        if (QImage reduite = jpegReduit(chemin, lecteur.size(), stockee, finesse);
            !reduite.isNull()) {
            // A first view coarser than the box is shown as it is.
            if (reduite.width() >= stockee.width() && reduite.height() >= stockee.height())
                reduite = reduite.scaled(stockee, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            return redresser(std::move(reduite), tour);
        }
    }
    lecteur.setScaledSize(stockee);
    return lecteur.read();
}

} // namespace

QImage chargerImage(const QString& chemin, QSize taille) {
    return charger(chemin, taille, Finesse::Exacte);
}

QImage chargerApercu(const QString& chemin, QSize taille) {
    return charger(chemin, taille, Finesse::Apercu);
}

QImage chargerImageAuMoins(const QString& chemin, QSize taille) {
    QFile fichier(chemin);
    if (!ouvrir(fichier))
        return {};
    if (const QByteArray contenu = metafichier(fichier); !contenu.isEmpty())
        return wmf::rendre(contenu, taille, kLimiteOctets);
    QImageReader lecteur(&fichier);
    preparer(lecteur);
    const QSize stockee = lecteur.size();
    const QSize voulue = estTourne(lecteur) ? taille.transposed() : taille;
    // Sizes rounded down, so that the decoder takes exactly that reduction.
    for (int huitiemes : {1, 2, 4}) {
        const QSize reduite(stockee.width() * huitiemes / 8, stockee.height() * huitiemes / 8);
        if (reduite.width() >= voulue.width() && reduite.height() >= voulue.height() &&
            !reduite.isEmpty()) {
            lecteur.setScaledSize(reduite);
            lecteur.setQuality(kQualiteRapide);
            break;
        }
    }
    return lecteur.read();
}

} // namespace plateforme
