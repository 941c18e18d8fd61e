#pragma once

#include <QString>

class QWidget;

// What the windows shared by the installer and the uninstaller ask of the
// program that owns them: which of the two it is, and the next window to open.

namespace installation {

enum class Variante { Installeur, Desinstalleur };

class Hote {
public:
    virtual ~Hote() = default;
    virtual Variante variante() const = 0;
    virtual void ouvrirLanguage() = 0;
    virtual void ouvrirCopyright() = 0;
    // Once the splash has run.
    virtual void ouvrirVert() = 0;
    // The splash timer's interval; tests shorten it.
    virtual int intervalleSplash() const = 0;
    // A message with an OK button.
    virtual void informer(QWidget* parent, const QString& titre, const QString& texte) = 0;
};

} // namespace installation
