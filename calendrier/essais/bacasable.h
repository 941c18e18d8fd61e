#pragma once

// A hermetic place for a test: HOME, the XDG folders and the working folder
// all point into a fresh temporary folder, so a test never touches the real
// user's files. The working folder stands for the program folder: the
// component libraries the build made are linked into it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

class BacASable {
public:
    BacASable() : ancienDossier_(QDir::currentPath()) {
        QDir racine(dossier_.path());
        for (const char* sous : {"maison", "config", "donnees", "travail"})
            racine.mkpath(QString::fromLatin1(sous));
        qputenv("HOME", QFile::encodeName(racine.filePath(u"maison"_qs)));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(racine.filePath(u"config"_qs)));
        qputenv("XDG_DATA_HOME", QFile::encodeName(racine.filePath(u"donnees"_qs)));
        QDir::setCurrent(travail());
        const QDir programme(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR"));
        for (const QString& bibliotheque : programme.entryList({u"*.so"_qs}, QDir::Files))
            QFile::link(programme.filePath(bibliotheque), chemin(bibliotheque));
    }
    ~BacASable() { QDir::setCurrent(ancienDossier_); }
    BacASable(const BacASable&) = delete;
    BacASable& operator=(const BacASable&) = delete;

    QString travail() const { return QDir(dossier_.path()).filePath(u"travail"_qs); }
    QString chemin(const QString& nom) const { return QDir(travail()).filePath(nom); }

    // Copies a file delivered with the program (Prenoms, Couleur ...) from the
    // program folder the build made into the working folder.
    bool copierDuProgramme(const QString& nom) const {
        const QString source = QDir(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR")).filePath(nom);
        QFile::remove(chemin(nom));
        return QFile::copy(source, chemin(nom));
    }

private:
    QTemporaryDir dossier_;
    QString ancienDossier_;
};
