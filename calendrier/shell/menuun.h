#pragma once

// The main frame: a multiple-document frame whose caption names the current
// activity; the windows of the program live inside it.

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class Programme;

class MenuUn : public QMainWindow {
    Q_OBJECT
public:
    explicit MenuUn(Programme& programme);

    // Sizes the frame for the screen, maximises it, keeps it on top and loads
    // the hub inside it.
    void MDIForm_Load();

    // Places `fenetre` inside the frame (once wrapped, the same sub-window is
    // reused); whenever it is shown there, it fills the frame.
    QMdiSubWindow* accueillir(QWidget* fenetre);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Programme& programme_;
    QMdiArea* zone_;
};
