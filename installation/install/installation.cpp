#include "installation/install/installation.h"

#include "installation/commun/copyright.h"
#include "installation/commun/fond.h"
#include "installation/commun/language.h"
#include "installation/install/vert.h"

namespace installation {

Installation::Installation(Services services) : services_(std::move(services)) {}

Installation::~Installation() = default;

Copyright& Installation::copyright() {
    if (!copyright_)
        copyright_ = std::make_unique<Copyright>(*this);
    return *copyright_;
}

Language& Installation::language() {
    if (!language_)
        language_ = std::make_unique<Language>(*this);
    return *language_;
}

Fond& Installation::fond() {
    if (!fond_)
        fond_ = std::make_unique<Fond>();
    return *fond_;
}

Vert& Installation::vert() {
    if (!vert_)
        vert_ = std::make_unique<Vert>(*this);
    return *vert_;
}

void Installation::demarrer() {
    copyright().Form_Load();
}

void Installation::terminer() {
    for (QWidget* w : std::initializer_list<QWidget*>{vert_.get(), fond_.get(), copyright_.get(),
                                                      language_.get()})
        if (w)
            w->close();
    services_.terminer();
}

void Installation::ouvrirLanguage() {
    language().Form_Load();
}

void Installation::ouvrirCopyright() {
    copyright().Form_Load();
}

void Installation::ouvrirVert() {
    vert().Form_Load();
}

void Installation::informer(QWidget* parent, const QString& titre, const QString& texte) {
    services_.informer(parent, titre, texte);
}

} // namespace installation
