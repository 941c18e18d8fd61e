#pragma once

// The installer's program object: owns its windows, each made on first use,
// and the services they use. The splash opens first (the language choice
// before it when no language is known), then the main window over the
// background.

#include "installation/commun/hote.h"
#include "installation/install/services.h"

#include <memory>

namespace installation {

class Copyright;
class Fond;
class Language;
class Vert;

class Installation : public Hote {
public:
    explicit Installation(Services services);
    ~Installation() override;
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    Copyright& copyright();
    Language& language();
    Fond& fond();
    Vert& vert();

    void demarrer();
    const Services& services() const { return services_; }
    void terminer();

    Variante variante() const override { return Variante::Installeur; }
    void ouvrirLanguage() override;
    void ouvrirCopyright() override;
    void ouvrirVert() override;
    int intervalleSplash() const override { return services_.intervalleSplash; }
    void informer(QWidget* parent, const QString& titre, const QString& texte) override;

private:
    Services services_;
    std::unique_ptr<Fond> fond_;
    std::unique_ptr<Vert> vert_;
    std::unique_ptr<Copyright> copyright_;
    std::unique_ptr<Language> language_;
};

} // namespace installation
