#pragma once

// The installer's background window, behind its main window: the name of the
// program group and "DE QUIVEX", each in large letters with a shadow.

#include <QLabel>
#include <QWidget>

namespace installation {

class Fond : public QWidget {
    Q_OBJECT
public:
    Fond();

    // The source folder is the installer's own folder; it becomes the
    // current folder.
    void Form_Load(const QString& dossierSource);

    // Label2 and Label3 are the shadows of Label1 and Label4.
    QLabel Label1;
    QLabel Label2;
    QLabel Label3;
    QLabel Label4;
};

} // namespace installation
