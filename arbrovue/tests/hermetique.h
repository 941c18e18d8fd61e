#pragma once

#include <QTemporaryDir>

// Tests keep away from the real user's files: home and XDG folders are theirs.
inline void isolerDansMaison(const QTemporaryDir& maison) {
    qputenv("HOME", maison.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", maison.filePath(QStringLiteral(".config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", maison.filePath(QStringLiteral(".local/share")).toLocal8Bit());
}
