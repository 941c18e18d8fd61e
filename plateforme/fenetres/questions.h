#pragma once

// The few modal questions of the suite, as dialogs. Programs reach them
// through the services they are given, so that tests answer instead.

#include <QString>

class QWidget;

namespace plateforme {

enum class Reponse { Oui, Non, Annuler };

// Asks a Yes/No question.
Reponse demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte);

// Asks a Yes/No/Cancel question; Escape and closing the dialog cancel.
Reponse demanderOuiNonAnnuler(QWidget* parent, const QString& titre, const QString& texte);

// Shows a message with an OK button.
void informer(QWidget* parent, const QString& titre, const QString& texte);

} // namespace plateforme
