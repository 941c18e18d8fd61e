#pragma once

// The splash of the installer and the uninstaller. Without a language file it
// gives way to the language choice first; then it shows its texts in the
// chosen language while the bar fills, and opens the main window.

#include "installation/commun/hote.h"
#include "plateforme/fenetres/copyright.h"

namespace installation {

using plateforme::ligneVersion;

class Copyright : public plateforme::FenetreCopyright {
    Q_OBJECT
public:
    explicit Copyright(Hote& hote);

    void Form_Load();
    void Timer1_Timer();

private:
    Hote& hote_;
};

} // namespace installation
