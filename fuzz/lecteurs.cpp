// Coverage-guided fuzzing of every reader of files that come from outside:
// the JPEG preview reader, the camera-preview parser, the metafile path, the
// working text files and the item-ID lists. One executable a reader, chosen
// at build time by LECTEUR; a crash or a hang found is a failure.

#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images.h"
#include "plateforme/noyau/images_apercus.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/noyau/images_wmf.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryFile>
#include <cstddef>
#include <cstdint>

#ifdef LECTEUR_PIDL
#include "arbrovue/pidl.h"
#endif

namespace {

QByteArray octets(const std::uint8_t* donnees, std::size_t taille) {
    return QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
}

// The readers that take a file get the input as one.
QString fichierDe(const QByteArray& contenu) {
    static QTemporaryFile fichier;
    if (!fichier.isOpen() && !fichier.open())
        abort();
    fichier.resize(0);
    fichier.seek(0);
    fichier.write(contenu);
    fichier.flush();
    return fichier.fileName();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray entree = octets(donnees, taille);
#if defined(LECTEUR_JPEG)
    for (int huitiemes : {1, 2})
        for (int partage : {1, 3})
            plateforme::jpeg::reduire(entree, huitiemes, partage);
#elif defined(LECTEUR_APERCUS)
    QFile fichier(fichierDe(entree));
    if (fichier.open(QIODevice::ReadOnly))
        plateforme::apercus::charger(fichier, QSize(4000, 3000), QSize(160, 120));
#elif defined(LECTEUR_WMF)
    if (plateforme::wmf::estMetafichier(entree.left(6))) {
        const qint64 limite = 64LL * 1024 * 1024;
        // Drawn at the size asked for, or not at all.
        if (plateforme::wmf::taille(entree, limite).isValid())
            if (const QImage image = plateforme::wmf::rendre(entree, QSize(64, 48), limite);
                !image.isNull() && image.size() != QSize(64, 48))
                abort();
    }
#elif defined(LECTEUR_TEXTE)
    const QString chemin = fichierDe(entree);
    plateforme::LecteurValeurs lecteur(chemin);
    while (lecteur.suivanteNombre()) {
    }
    const QStringList lignes = plateforme::lireLignes(chemin);
    // What is read back writes and reads again the same.
    for (const QString& ligne : lignes)
        if (plateforme::depuisCp1252(plateforme::versCp1252(ligne)) != ligne)
            abort();
#elif defined(LECTEUR_PIDL)
    // Lists made of the input's items, then taken apart and put together again.
    std::vector<arbrovue::Pidl> items;
    for (std::size_t i = 0; i + 1 < taille && items.size() < 8;) {
        const std::size_t longueur = std::min<std::size_t>(donnees[i], taille - i - 1);
        items.push_back(arbrovue::CreerItem(donnees + i + 1, longueur));
        i += 1 + longueur;
    }
    if (items.empty())
        return 0;
    arbrovue::Pidl liste = arbrovue::DuplicatePidl(items.front().get());
    for (std::size_t i = 1; i < items.size(); ++i)
        liste = arbrovue::ConcatPidl(liste.get(), items[i].get());
    const int n = arbrovue::GetItemCount(liste.get());
    if (n != static_cast<int>(items.size()))
        abort();
    for (int i = 0; i < n; ++i)
        arbrovue::CopyItemAt(liste.get(), i);
    arbrovue::CopyParentPidl(liste.get(), true);
#endif
    return 0;
}
