#include "installation/install/raccourcis.h"

#include "installation/commun/menus.h"

#include <QFileInfo>
#include <QXmlStreamWriter>
#include <algorithm>

namespace installation {

namespace {

// The characters that make an Exec argument need quotes.
const QString kReserves = u" \t\n\"'\\><~|&;$*?#()`"_qs;

QByteArray entree(const QList<std::pair<QString, QString>>& champs) {
    QString texte = u"[Desktop Entry]\n"_qs;
    for (const auto& [cle, valeur] : champs)
        texte += cle + u'=' + valeur + u'\n';
    return texte.toUtf8();
}

} // namespace

QString valeurChaine(const QString& valeur) {
    QString v;
    for (QChar c : valeur) {
        switch (c.unicode()) {
        case u'\\':
            v += u"\\\\"_qs;
            break;
        case u'\n':
            v += u"\\n"_qs;
            break;
        case u'\t':
            v += u"\\t"_qs;
            break;
        case u'\r':
            v += u"\\r"_qs;
            break;
        default:
            v += c;
        }
    }
    // A leading blank would be taken for the separator's.
    if (v.startsWith(u' '))
        v.replace(0, 1, u"\\s"_qs);
    return v;
}

QString argumentExec(const QString& argument) {
    QString a = argument;
    a.replace(u"%"_qs, u"%%"_qs);
    if (!std::any_of(a.cbegin(), a.cend(), [](QChar c) { return kReserves.contains(c); }))
        return a;
    QString cite = u"\""_qs;
    for (QChar c : a) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            cite += u'\\';
        cite += c;
    }
    return cite + u'"';
}

Echec IconeEcrire(const QString& Cible, const QString& NomComp, const QString& icone,
                  const QString& RepTrav) {
    return ecrireFichier(Cible,
                         entree({{u"Type"_qs, u"Application"_qs},
                                 {u"Name"_qs, valeurChaine(QFileInfo(Cible).completeBaseName())},
                                 {u"Exec"_qs, valeurChaine(argumentExec(NomComp))},
                                 {u"Path"_qs, valeurChaine(RepTrav)},
                                 {u"Icon"_qs, valeurChaine(icone)},
                                 {u"Terminal"_qs, u"false"_qs}}));
}

Echec ecrireMenu(const QString& groupe, const QStringList& raccourcis) {
    const auto repertoire = [](const QString& nom) {
        return entree({{u"Type"_qs, u"Directory"_qs}, {u"Name"_qs, valeurChaine(nom)}});
    };
    if (Echec e = ecrireFichier(fichierRepertoireQuivex(), repertoire(u"Quivex"_qs)))
        return e;
    if (Echec e = ecrireFichier(fichierRepertoireGroupe(groupe), repertoire(groupe)))
        return e;
    QByteArray menu;
    QXmlStreamWriter xml(&menu);
    xml.setAutoFormatting(true);
    xml.writeDTD(u"<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">"_qs);
    xml.writeStartElement(u"Menu"_qs);
    xml.writeTextElement(u"Name"_qs, u"Applications"_qs);
    xml.writeStartElement(u"Menu"_qs);
    xml.writeTextElement(u"Name"_qs, u"Quivex"_qs);
    xml.writeTextElement(u"Directory"_qs, QFileInfo(fichierRepertoireQuivex()).fileName());
    xml.writeStartElement(u"Menu"_qs);
    xml.writeTextElement(u"Name"_qs, groupe);
    xml.writeTextElement(u"Directory"_qs, QFileInfo(fichierRepertoireGroupe(groupe)).fileName());
    xml.writeStartElement(u"Include"_qs);
    for (const QString& r : raccourcis)
        xml.writeTextElement(u"Filename"_qs, identifiantBureau(r));
    xml.writeEndDocument();
    return ecrireFichier(fichierMenuGroupe(groupe), menu);
}

} // namespace installation
