#pragma once

// The working files of the suite: Windows-1252 text, one value a line, CR LF.
// Every file is reached through this module so that encoding, line ends,
// quoting and the case-insensitive names are the same everywhere.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace plateforme {

// The path of the file to use for `chemin`: `chemin` itself when it exists,
// otherwise the entry of its folder whose name differs only in case (the
// folders on the way are looked up the same way), and `chemin` unchanged when
// there is none (so a new file gets the name asked for).
QString cheminReel(const QString& chemin);

// Windows-1252 encoding; a character the code page cannot hold becomes '?'.
// The five bytes the code page leaves unassigned read back as the C1 control of
// the same value and are written back as that byte.
QByteArray versCp1252(const QString& texte);
QString depuisCp1252(const QByteArray& octets);
bool representableCp1252(QChar c);

// Every line is one value. A value holding a comma or a double quote is
// written in double quotes (inner quotes doubled), so that reading by value and
// reading by line both give it back whole; any other value stands as it is.

// Rewrites the file whole, atomically: an interrupted rewrite leaves the old
// file or the new one, never a mix. False, the old file kept as it was, when
// the new one could not be written whole (a full disk, a read-only folder).
bool reecrire(const QString& chemin, const QStringList& lignes);
// Adds lines at the end, creating the file when missing. False, the file left
// as it was (or still missing), when the lines could not be added whole.
bool prolonger(const QString& chemin, const QStringList& lignes);
// Rewrites the file with no line at all (length 0).
bool vider(const QString& chemin);

// Reading by line: every line without its end; a quoted line is given back
// unquoted. A missing or unreadable file gives no line.
QStringList lireLignes(const QString& chemin);

// Reading by value: a value runs from its first non-blank character to the
// next comma or the end of the line, blanks before that end included; a quoted
// value is taken without its quotes.
class LecteurValeurs {
public:
    explicit LecteurValeurs(const QString& chemin);
    // The next value, or nothing once the file is exhausted (or missing).
    std::optional<QString> suivante();
    // The next value as a whole number; blanks around it are accepted.
    // Nothing when the file is exhausted; 0 for a value that is not a number.
    std::optional<long long> suivanteNombre();

private:
    QString texte_;
    qsizetype pos_ = 0;
    qsizetype finLigne_ = -1; // the end of the line `pos_` is in, once found
};

// All the values of a file, in order.
QStringList lireValeurs(const QString& chemin);
// The first value of a file, or an empty text when there is none.
QString premiereValeur(const QString& chemin);
// The first value taken as a number (0 when missing or not a number).
long long premierNombre(const QString& chemin);

} // namespace plateforme
