#pragma once

// What the installer takes from its surroundings, given in one place so that
// tests give their own: messages, the end of the program, the drives, the
// waits, and the folder it installs from.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace installation {

struct Services {
    std::function<void(QWidget* parent, const QString& titre, const QString& texte)> informer;
    std::function<void()> terminer;
    // The drive roots, C: first: the home folder, then writable volumes.
    std::function<QStringList()> lecteurs;
    // Waits while the windows process their events.
    std::function<void(int millisecondes)> attendre;
    // The medium: the installer's own folder.
    QString dossierSource;
    int intervalleSplash = 100;
};

Services servicesDuSysteme();

} // namespace installation
