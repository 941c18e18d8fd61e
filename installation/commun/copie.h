#pragma once

// Files written by the installer. Each is written beside its place and put
// there only when whole: every read and write is checked, so a missing
// source, a full disk or a folder that refuses the file is reported, never
// taken for a copy, and an earlier file of that name stays as it was.

#include <QByteArray>
#include <QString>
#include <optional>

namespace installation {

// Nothing when done; otherwise why not.
using Echec = std::optional<QString>;

// Copies a regular file with its permissions (run bits included); the
// target's folders are made as needed.
Echec copierFichier(const QString& source, const QString& cible);
Echec ecrireFichier(const QString& chemin, const QByteArray& octets);

} // namespace installation
