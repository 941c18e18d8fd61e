#pragma once

// The few modal questions of the suite go through here, so that a test can
// give the answers in advance and never waits on a dialog.

#include <QString>
#include <QStringList>

class QWidget;

namespace plateforme {

enum class Reponse { Oui, Non };

// Asks a Yes/No question; with answers queued by a test, takes the next one
// instead of opening a dialog.
Reponse demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte);

// Shows a message with an OK button (answered at once when a test queued any
// answer, or when running offscreen with nothing queued).
void informer(QWidget* parent, const QString& titre, const QString& texte);

// For tests: the answers the next questions get, in order.
void repondreDAvance(Reponse reponse);
// For tests: the titles and texts of the questions asked so far ("titre|texte").
QStringList questionsPosees();
void oublierQuestions();

} // namespace plateforme
