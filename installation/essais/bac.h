#pragma once

// A hermetic place for the tests of the installer and the uninstaller: HOME,
// the XDG folders, two drives and the working folder all inside a fresh
// temporary folder, the installer's services replaced by recording doubles,
// and the suite installed there from a medium as a user installs it.

#include "installation/commun/copyright.h"
#include "installation/commun/langue.h"
#include "installation/install/installation.h"
#include "installation/install/vert.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class Bac {
    QTemporaryDir dossier_;
    QString ancienDossier_;

public:
    Bac() : ancienDossier_(QDir::currentPath()) {
        for (const char* sous : {"maison", "config", "donnees", "execution", "C", "D", "support"})
            racine().mkpath(QString::fromLatin1(sous));
        QFile::setPermissions(chemin(u"execution"_qs),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", QFile::encodeName(chemin(u"maison"_qs)));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(chemin(u"config"_qs)));
        qputenv("XDG_DATA_HOME", QFile::encodeName(chemin(u"donnees"_qs)));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(chemin(u"execution"_qs)));
        QDir::setCurrent(chemin(u"maison"_qs));
    }
    ~Bac() { QDir::setCurrent(ancienDossier_); }
    Bac(const Bac&) = delete;
    Bac& operator=(const Bac&) = delete;

    QDir racine() const { return QDir(dossier_.path()); }
    QString chemin(const QString& nom) const { return racine().filePath(nom); }

    // Recording doubles: messages as "title|text", the end, no real wait.
    QStringList messages;
    bool fini = false;
    QStringList lecteurs{chemin(u"C"_qs), chemin(u"D"_qs)};

    installation::Services services(const QString& source) {
        return {.informer = [this](QWidget*, const QString& titre,
                                   const QString& texte) { messages << titre + u'|' + texte; },
                .terminer = [this] { fini = true; },
                .lecteurs = [this] { return lecteurs; },
                .attendre = [](int) { QCoreApplication::processEvents(); },
                .dossierSource = source,
                .intervalleSplash = 1};
    }
};

inline QByteArray contenu(const QString& fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

inline bool poser(const QString& fichier, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(fichier).path());
    QFile f(fichier);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

inline bool cliquer(QAbstractButton& bouton) {
    if (!bouton.isVisible() || !bouton.isEnabled())
        return false;
    QTest::mouseClick(&bouton, Qt::LeftButton);
    return true;
}

// Installs the suite from the medium `support` onto drive `lecteur`, in
// French, through the installer's windows; the folder installed into, or
// nothing when the installer did not end well; `barre` gets what its bar showed.
inline QString installerSuite(Bac& bac, const QString& support, int lecteur,
                              QList<int>* barre = nullptr) {
    using namespace installation;
    if (!langueChoisie() && !ecrireLangue(kFrancais))
        return {};
    Installation programme(bac.services(support));
    programme.demarrer();
    Copyright& splash = programme.copyright();
    splash.Timer1.stop();
    while (splash.isVisible())
        splash.Timer1_Timer();
    Vert& v = programme.vert();
    if (barre)
        QObject::connect(&v.ProgressBar, &BoiteProgression::dessine,
                         [barre](int pourcentage) { *barre << pourcentage; });
    v.Drive1.setCurrentIndex(lecteur);
    if (!cliquer(v.Disque) || !cliquer(v.Installer) || !bac.messages.isEmpty() ||
        !QFileInfo::exists(v.destination() + u"/Broxel.dll"_qs))
        return {};
    return v.destination();
}
