#pragma once

// The uninstaller's program object: owns its windows, each made on first
// use, and the services they use. The main window opens first; it gives way
// to the language choice when no language is known, which brings it back
// through the splash.

#include "installation/commun/hote.h"
#include "ravaloire/services.h"

#include <memory>

namespace installation {
class Copyright;
class Language;
} // namespace installation

namespace ravaloire {

class Vert;

class Desinstallation : public installation::Hote {
public:
    explicit Desinstallation(Services services);
    ~Desinstallation() override;
    Desinstallation(const Desinstallation&) = delete;
    Desinstallation& operator=(const Desinstallation&) = delete;

    installation::Copyright& copyright();
    installation::Language& language();
    Vert& vert();

    void demarrer();
    const Services& services() const { return services_; }
    // The folder of the uninstaller's own file.
    QString dossierProgramme() const;
    // The splash over the main window, once a run.
    void montrerSplash();
    void terminer();

    installation::Variante variante() const override {
        return installation::Variante::Desinstalleur;
    }
    void ouvrirLanguage() override;
    void ouvrirCopyright() override;
    void ouvrirVert() override;
    int intervalleSplash() const override { return services_.intervalleSplash; }
    void informer(QWidget* parent, const QString& titre, const QString& texte) override;

private:
    Services services_;
    bool splashMontre_ = false;
    std::unique_ptr<Vert> vert_;
    std::unique_ptr<installation::Copyright> copyright_;
    std::unique_ptr<installation::Language> language_;
};

} // namespace ravaloire
