#include "installation/commun/menus.h"

#include <QDir>
#include <QStandardPaths>

namespace installation {

namespace {

QString donnees(const QString& chemin) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(chemin);
}

QString configuration(const QString& chemin) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(chemin);
}

} // namespace

QString dossierProgrammesMenu() {
    return donnees(u"applications"_qs);
}

QString dossierDemarrage() {
    return configuration(u"autostart"_qs);
}

QString dossierQuivexMenu() {
    return QDir(dossierProgrammesMenu()).filePath(u"Quivex"_qs);
}

QString dossierGroupe(const QString& groupe) {
    return QDir(dossierQuivexMenu()).filePath(groupe);
}

QString fichierMenuGroupe(const QString& groupe) {
    return configuration(u"menus/applications-merged/quivex-"_qs + groupe + u".menu"_qs);
}

QString fichierRepertoireQuivex() {
    return donnees(u"desktop-directories/quivex.directory"_qs);
}

QString fichierRepertoireGroupe(const QString& groupe) {
    return donnees(u"desktop-directories/quivex-"_qs + groupe + u".directory"_qs);
}

QString identifiantBureau(const QString& fichierEntree) {
    return QDir(dossierProgrammesMenu()).relativeFilePath(fichierEntree).replace(u'/', u'-');
}

} // namespace installation
