#include "plateforme/noyau/images_apercus.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QList>
#include <QtEndian>
#include <algorithm>

namespace plateforme::apercus {

namespace {

// Where a preview lies in the file.
struct Morceau {
    qint64 position = 0;
    qint64 longueur = 0;
};

// A TIFF block (the body of the EXIF and MPF segments), read with every offset
// checked: the segments come from any camera, or from a damaged file.
class Tiff {
public:
    explicit Tiff(const QByteArray& octets) : d_(octets) {
        valide_ = d_.size() >= 8 && (d_.startsWith("II*\0") || d_.startsWith("MM\0*"));
        petitBoutiste_ = d_.startsWith("II");
    }
    bool valide() const { return valide_; }
    qint64 taille() const { return d_.size(); }

    quint16 mot(qint64 i) const {
        if (!dans(i, 2))
            return 0;
        const char* p = d_.constData() + i;
        return petitBoutiste_ ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
    }
    quint32 long_(qint64 i) const {
        if (!dans(i, 4))
            return 0;
        const char* p = d_.constData() + i;
        return petitBoutiste_ ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    }
    bool dans(qint64 debut, qint64 n) const {
        return debut >= 0 && n >= 0 && debut <= d_.size() - n;
    }

    // The value field of `etiquette` in the directory at `ifd` (its offset
    // when the value does not fit in four bytes); 0 when absent.
    quint32 valeur(quint32 ifd, quint16 etiquette) const {
        const quint16 n = mot(ifd);
        for (quint32 k = 0; k < n && dans(ifd + 2 + 12 * k, 12); ++k)
            if (mot(ifd + 2 + 12 * k) == etiquette)
                return long_(ifd + 2 + 12 * k + 8);
        return 0;
    }
    quint32 premierRepertoire() const { return long_(4); }
    quint32 repertoireSuivant(quint32 ifd) const { return long_(ifd + 2 + 12 * qint64(mot(ifd))); }

private:
    QByteArray d_;
    bool valide_ = false;
    bool petitBoutiste_ = true;
};

// EXIF: the thumbnail of IFD1, its offset and length (tags 0x0201, 0x0202).
void vignetteExif(const Tiff& tiff, qint64 origine, QList<Morceau>& morceaux) {
    const quint32 ifd1 = tiff.repertoireSuivant(tiff.premierRepertoire());
    if (ifd1 == 0)
        return;
    const quint32 debut = tiff.valeur(ifd1, 0x0201), longueur = tiff.valeur(ifd1, 0x0202);
    if (debut > 0 && longueur > 0 && tiff.dans(debut, longueur))
        morceaux.append({origine + debut, longueur});
}

// MPF: the index (tag 0xB002) lists the images of the file, 16 bytes each:
// attributes, length, offset from the MPF block. The first is the photo.
void apercusMpf(const Tiff& tiff, qint64 origine, QList<Morceau>& morceaux) {
    const quint32 ifd = tiff.premierRepertoire();
    const quint32 nombre = tiff.valeur(ifd, 0xB001);
    const quint32 index = tiff.valeur(ifd, 0xB002);
    for (quint32 k = 1; k < std::min<quint32>(nombre, 16); ++k) {
        const qint64 entree = index + 16 * qint64(k);
        if (!tiff.dans(entree, 16))
            break;
        const quint32 longueur = tiff.long_(entree + 4), debut = tiff.long_(entree + 8);
        if (debut > 0 && longueur > 0)
            morceaux.append({origine + debut, longueur});
    }
}

// Walks the segments before the picture data, where cameras keep both.
QList<Morceau> morceaux(QFile& fichier) {
    QList<Morceau> trouves;
    if (fichier.read(2) != "\xFF\xD8")
        return trouves;
    qint64 position = 2;
    for (int n = 0; n < 64 && fichier.seek(position); ++n) {
        const QByteArray marque = fichier.read(4);
        if (marque.size() < 4 || quint8(marque[0]) != 0xFF)
            break;
        const quint8 genre = quint8(marque[1]);
        const quint16 longueur = qFromBigEndian<quint16>(marque.constData() + 2);
        if (genre == 0xDA || genre == 0xD9 || longueur < 2)
            break; // the picture data begins: no more segments
        if (genre == 0xE1 || genre == 0xE2) {
            const QByteArray segment = fichier.read(longueur - 2);
            const qint64 corps = position + 4;
            if (genre == 0xE1 && segment.startsWith(QByteArray("Exif\0\0", 6))) {
                if (const Tiff tiff(segment.mid(6)); tiff.valide())
                    vignetteExif(tiff, corps + 6, trouves);
            } else if (genre == 0xE2 && segment.startsWith(QByteArray("MPF\0", 4))) {
                if (const Tiff tiff(segment.mid(4)); tiff.valide())
                    apercusMpf(tiff, corps + 4, trouves);
            }
        }
        position += 2 + longueur;
    }
    return trouves;
}

bool memesProportions(QSize a, QSize b) {
    // Within one percent: a thumbnail letterboxed to 4:3 is not the photo.
    const qint64 x = qint64(a.width()) * b.height(), y = qint64(a.height()) * b.width();
    return std::abs(x - y) * 100 <= std::max(x, y);
}

} // namespace

QImage charger(QFile& fichier, QSize photo, QSize voulue) {
    if (photo.isEmpty() || voulue.isEmpty())
        return {};
    QList<Morceau> candidats = morceaux(fichier);
    std::sort(candidats.begin(), candidats.end(),
              [](const Morceau& a, const Morceau& b) { return a.longueur < b.longueur; });
    for (const Morceau& m : candidats) {
        // A preview is small; a length beyond the file's is a damaged index.
        if (m.position + m.longueur > fichier.size() || m.longueur > 16 * 1024 * 1024 ||
            !fichier.seek(m.position))
            continue;
        QByteArray octets = fichier.read(m.longueur);
        QBuffer tampon(&octets);
        QImageReader lecteur(&tampon, "jpeg");
        lecteur.setAutoTransform(false);
        const QSize taille = lecteur.size();
        if (taille.width() < voulue.width() || taille.height() < voulue.height() ||
            !memesProportions(taille, photo))
            continue;
        lecteur.setScaledSize(voulue);
        if (QImage image = lecteur.read(); !image.isNull())
            return image;
    }
    return {};
}

} // namespace plateforme::apercus
