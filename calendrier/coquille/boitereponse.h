#pragma once

// The answer boxes of the calendar: every character typed (or pasted) becomes
// its upper-case form, and characters the working files cannot hold in their
// code page are refused, so nothing typed is lost when it is written.

#include <QLineEdit>
#include <QValidator>

namespace calendrier {

class Majuscules : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

// The text as a box keeps it: upper case where the code page holds the upper
// form, the character as typed where only that is held, dropped otherwise.
QString texteDeBoite(const QString& tape);

// Makes `boite` an answer box.
void preparerBoite(QLineEdit& boite);

} // namespace calendrier
