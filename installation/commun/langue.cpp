#include "installation/commun/langue.h"

#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace installation {

QString dossierReglages() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"quivex"_qs);
}

QString cheminLangue() {
    return QDir(dossierReglages()).filePath(u"Langue.dat"_qs);
}

QString cheminForme() {
    return QDir(dossierReglages()).filePath(u"form.ser"_qs);
}

bool langueChoisie() {
    return QFileInfo::exists(cheminLangue());
}

Langue lireLangue() {
    return plateforme::premiereValeur(cheminLangue()) == kFrancais ? Langue::Francais
                                                                   : Langue::Anglais;
}

bool ecrireLangue(const QString& texte) {
    // What the code page can hold of the text is what must read back.
    const QStringList lignes{plateforme::depuisCp1252(plateforme::versCp1252(texte))};
    return QDir().mkpath(dossierReglages()) && plateforme::reecrire(cheminLangue(), lignes) &&
           plateforme::lireLignes(cheminLangue()) == lignes;
}

} // namespace installation
