// libFuzzer entry points: one executable a reader of outside files, chosen by LECTEUR.

#include "arbrovue/pidl.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images_apercus.h"
#include "plateforme/noyau/images_jpeg.h"
#include "plateforme/noyau/images_wmf.h"

#include <QTemporaryFile>

using namespace plateforme;

// The readers that take a file get the input as one.
[[maybe_unused]] static QString fichierDe(const QByteArray& contenu) {
    static QTemporaryFile f;
    if ((!f.isOpen() && !f.open()) || !f.resize(0) || !f.seek(0) ||
        f.write(contenu) != contenu.size() || !f.flush())
        abort();
    return f.fileName();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t n) {
    const QByteArray entree(reinterpret_cast<const char*>(donnees), qsizetype(n));
#if defined(LECTEUR_JPEG)
    for (int huitiemes : {1, 2})
        for (int partage : {1, 3})
            jpeg::reduire(entree, huitiemes, partage);
#elif defined(LECTEUR_APERCUS)
    if (QFile fichier(fichierDe(entree)); fichier.open(QIODevice::ReadOnly))
        apercus::charger(fichier, QSize(4000, 3000), QSize(160, 120));
#elif defined(LECTEUR_WMF)
    // Drawn at the size asked for, or not at all.
    const bool ok = wmf::estMetafichier(entree.left(6)) && wmf::taille(entree, 1 << 26).isValid();
    const QImage image = ok ? wmf::rendre(entree, QSize(64, 48), 1 << 26) : QImage();
    if (!image.isNull() && image.size() != QSize(64, 48))
        abort();
#elif defined(LECTEUR_TEXTE)
    for (LecteurValeurs lecteur(fichierDe(entree)); lecteur.suivanteNombre();) {
    }
    // What is read back writes and reads again the same.
    for (const QString& ligne : lireLignes(fichierDe(entree)))
        if (depuisCp1252(versCp1252(ligne)) != ligne)
            abort();
#elif defined(LECTEUR_PIDL)
    // Lists made of the input's items, then taken apart and put together again.
    using namespace arbrovue;
    std::vector<Pidl> items;
    for (std::size_t i = 0; i + 1 < n && items.size() < 8; i += 1 + donnees[i])
        items.push_back(CreerItem(donnees + i + 1, std::min<std::size_t>(donnees[i], n - i - 1)));
    Pidl liste = DuplicatePidl(AllocZeroed(2).get()); // the empty list
    for (std::size_t i = 0; i < items.size(); ++i)
        liste = ConcatPidl(liste.get(), items[i].get());
    if (GetItemCount(liste.get()) != int(items.size()))
        abort();
    for (int i = 0; i < int(items.size()); ++i)
        CopyItemAt(liste.get(), i);
    CopyParentPidl(liste.get(), true);
#endif
    return 0;
}
