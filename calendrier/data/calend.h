#pragma once

// The hub: the main working window, from which every activity starts. Other
// windows read the month and year the user typed from its answer boxes.

#include <QLineEdit>
#include <QWidget>

class Programme;

class Calend : public QWidget {
    Q_OBJECT
public:
    explicit Calend(Programme& programme);

    // Brings back the main toolbar; other windows return here through it.
    void Lire();

    QLineEdit Text3; // month of a one-month consultation
    QLineEdit Text4; // year of a one-month consultation
    QLineEdit Text5; // year of a whole-year consultation

private:
    Programme& programme_;
};
