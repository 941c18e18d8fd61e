#pragma once

// A year of the calendar written to a PDF without a window: the cover, then
// January to December, composed and drawn as the page window composes and
// draws them, with their texts kept as text.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace exportation {

inline constexpr int kPages = 13;

struct Demande {
    long long annee = 0;
    QString sortie;
    // The cover, then January to December: thirteen paths.
    QStringList images;
    // Where Prenoms, Couleur, Enfant and Fete are read.
    QString programme;
};

// What the command line asks for: a request, the help, or why it cannot be
// done (a French sentence).
struct Lecture {
    std::optional<Demande> demande;
    bool aide = false;
    QString erreur;
};

// `arguments` without the program's name; `dossierProgramme`: the program's
// own folder, where the pictures and the lists are taken by default.
Lecture lireArguments(const QStringList& arguments, const QString& dossierProgramme);

QString aide();

// Anything worth saying that does not stop the export (a missing list).
QStringList avertissements(const Demande& demande);

// Writes the PDF: written aside and put in place whole, or not at all. An
// empty text when done, else why not. `pageFaite(n)` is called as page n
// (1 to 13) is drawn.
QString exporter(const Demande& demande, const std::function<void(int)>& pageFaite = {});

} // namespace exportation
