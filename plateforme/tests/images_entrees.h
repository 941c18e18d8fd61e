#pragma once

// Entries of a pictures folder named like pictures that may not be regular
// files, made by the tests.

#include "plateforme/tests/metafichier.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>
#include <sys/stat.h>

enum class Genre {
    Fichier,
    LienVersFichier,
    Fifo,
    LienVersFifo,
    LienVersPeripherique,
    Dossier,
    LienCasse
};

// Makes `chemin` an entry of kind `genre`. A file holds `contenu`; a link's
// target, when it makes one, lies beside it under another suffix.
inline bool creerEntree(const QString& chemin, Genre genre, const QByteArray& contenu) {
    const QString cible = chemin + u".cible"_qs;
    const auto fifo = [](const QString& nom) {
        return ::mkfifo(QFile::encodeName(nom), 0600) == 0;
    };
    switch (genre) {
    case Genre::Fichier:
        return ecrire(chemin, contenu);
    case Genre::LienVersFichier:
        return ecrire(cible, contenu) && QFile::link(cible, chemin);
    case Genre::Fifo:
        return fifo(chemin);
    case Genre::LienVersFifo:
        return fifo(cible) && QFile::link(cible, chemin);
    case Genre::LienVersPeripherique:
        return QFile::link(u"/dev/null"_qs, chemin);
    case Genre::Dossier:
        return QDir().mkdir(chemin);
    case Genre::LienCasse:
        return QFile::link(cible, chemin);
    }
    return false;
}

// Whether an entry of that kind is a regular file once its link is followed.
inline bool estOrdinaire(Genre genre) {
    return genre == Genre::Fichier || genre == Genre::LienVersFichier;
}

// The table of a data-driven test over every kind, in a column `genre`.
inline void lignesEntrees() {
    QTest::addColumn<Genre>("genre");
    QTest::newRow("fichier") << Genre::Fichier;
    QTest::newRow("lien vers un fichier") << Genre::LienVersFichier;
    QTest::newRow("fifo") << Genre::Fifo;
    QTest::newRow("lien vers une fifo") << Genre::LienVersFifo;
    QTest::newRow("lien vers un peripherique") << Genre::LienVersPeripherique;
    QTest::newRow("dossier") << Genre::Dossier;
    QTest::newRow("lien casse") << Genre::LienCasse;
}
