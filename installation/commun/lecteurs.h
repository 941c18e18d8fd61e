#pragma once

// The drives the installer offers and the uninstaller accepts: C: is the home
// folder, then D:, E: ... the other volumes the user can write to.

#include <QStringList>

namespace installation {

// The home folder, then the mounted volumes the user can write to, in mount
// order, leaving out the system's memory and kernel file systems.
QStringList lecteursDuSysteme();

} // namespace installation
