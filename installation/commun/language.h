#pragma once

// The language choice, the first window of a first start: its answer is
// written to the language file that the installer and the uninstaller read.

#include "installation/commun/hote.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

namespace installation {

class Language : public QWidget {
    Q_OBJECT
public:
    explicit Language(Hote& hote);

    void Form_Load();
    void Command1_Click();

    QComboBox Combo1;
    QPushButton Command1;

private:
    Hote& hote_;
};

} // namespace installation
