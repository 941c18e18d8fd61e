#pragma once

// The page window: the calendar pages are shown, captured and printed from it.

#include <QWidget>

class Programme;

class AficheCalend : public QWidget {
    Q_OBJECT
public:
    explicit AficheCalend(Programme& programme);

private:
    Programme& programme_;
};
