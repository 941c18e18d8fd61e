#include "ravaloire/desinstallation.h"

#include "installation/commun/copyright.h"
#include "installation/commun/language.h"
#include "ravaloire/vert.h"

#include <QFileInfo>

namespace ravaloire {

Desinstallation::Desinstallation(Services services) : services_(std::move(services)) {}

Desinstallation::~Desinstallation() = default;

installation::Copyright& Desinstallation::copyright() {
    if (!copyright_)
        copyright_ = std::make_unique<installation::Copyright>(*this);
    return *copyright_;
}

installation::Language& Desinstallation::language() {
    if (!language_)
        language_ = std::make_unique<installation::Language>(*this);
    return *language_;
}

Vert& Desinstallation::vert() {
    if (!vert_)
        vert_ = std::make_unique<Vert>(*this);
    return *vert_;
}

QString Desinstallation::dossierProgramme() const {
    return QFileInfo(services_.programme).absolutePath();
}

void Desinstallation::demarrer() {
    vert().Form_Load();
}

void Desinstallation::montrerSplash() {
    // A first start has shown it already, on its way from the language choice.
    if (splashMontre_)
        return;
    ouvrirCopyright();
}

void Desinstallation::terminer() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{vert_.get(), copyright_.get(), language_.get()})
        if (w)
            w->close();
    services_.terminer();
}

void Desinstallation::ouvrirLanguage() {
    language().Form_Load();
}

void Desinstallation::ouvrirCopyright() {
    splashMontre_ = true;
    copyright().Form_Load();
}

void Desinstallation::ouvrirVert() {
    // After the splash over it, the window is already there.
    if (vert().charge())
        vert().raise();
    else
        vert().Form_Load();
}

void Desinstallation::informer(QWidget* parent, const QString& titre, const QString& texte) {
    services_.informer(parent, titre, texte);
}

} // namespace ravaloire
