#pragma once

// A hermetic place for the installer's tests: HOME, the XDG folders, two
// drives and the working folder all inside a fresh temporary folder, and the
// services the installer gets replaced by recording doubles.

#include "installation/install/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class Bac {
    QTemporaryDir dossier_;
    QString ancienDossier_;

public:
    Bac() : ancienDossier_(QDir::currentPath()) {
        for (const char* sous : {"maison", "config", "donnees", "C", "D", "support"})
            racine().mkpath(QString::fromLatin1(sous));
        qputenv("HOME", QFile::encodeName(chemin(u"maison"_qs)));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(chemin(u"config"_qs)));
        qputenv("XDG_DATA_HOME", QFile::encodeName(chemin(u"donnees"_qs)));
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
