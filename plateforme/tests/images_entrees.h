#pragma once

// Entries named like pictures that may not be regular files, made by the tests.

#include "plateforme/tests/photoappareil.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

enum class Genre { Fichier, LienFichier, Fifo, LienFifo, LienPeripherique, Dossier, LienCasse };

// Whether an entry of that kind is a regular file once its link is followed.
inline bool estOrdinaire(Genre genre) {
    return genre == Genre::Fichier || genre == Genre::LienFichier;
}

// Makes `chemin` an entry of kind `genre`: a file holds `contenu`, a link's
// target lies beside it under another suffix (but for the device's).
inline bool creerEntree(const QString& chemin, Genre genre, const QByteArray& contenu) {
    const bool lien = genre != Genre::Fichier && genre != Genre::Fifo && genre != Genre::Dossier;
    const QString cible =
        genre == Genre::LienPeripherique ? u"/dev/null"_qs : chemin + u".cible"_qs;
    const QString nom = lien ? cible : chemin;
    // A broken link's target stays missing.
    bool fait = !estOrdinaire(genre) || ecrire(nom, contenu);
    if (genre == Genre::Fifo || genre == Genre::LienFifo)
        fait = ::mkfifo(QFile::encodeName(nom), 0600) == 0;
    if (genre == Genre::Dossier)
        fait = QDir().mkdir(nom);
    return fait && (!lien || QFile::link(cible, chemin));
}

// The table of a data-driven test over every kind, in a column `genre`.
inline void lignesEntrees() {
    QTest::addColumn<Genre>("genre");
    for (int genre = 0; const char* nom : {"fichier", "lien, fichier", "fifo", "lien, fifo",
                                           "lien, peripherique", "dossier", "lien casse"})
        QTest::newRow(nom) << Genre(genre++);
}
