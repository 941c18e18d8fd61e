#pragma once

// What the uninstaller takes from its surroundings, given in one place so
// that tests give their own: messages, the end, the drives, the start of its
// copy, and its own file.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace ravaloire {

struct Services {
    std::function<void(QWidget* parent, const QString& titre, const QString& texte)> informer;
    std::function<void()> terminer;
    // The drive roots, C: first.
    std::function<QStringList()> lecteurs;
    // Starts `programme` in `dossier` without waiting for it; false when it
    // did not start.
    std::function<bool(const QString& programme, const QString& dossier)> demarrer;
    // The uninstaller's own file; its folder holds the marker it reads.
    QString programme;
    int intervalleSplash = 100;
};

Services servicesDuSysteme();

} // namespace ravaloire
