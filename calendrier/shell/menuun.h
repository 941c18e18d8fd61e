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

    // How a window stands in the frame: filling it, or at its own size,
    // centred (the page, which is captured and printed as it stands).
    enum class Place { Remplir, TailleDessin };

    // Places `fenetre` inside the frame (once wrapped, the same sub-window is
    // reused); whenever it is shown there, it takes its place again.
    QMdiSubWindow* accueillir(QWidget* fenetre, Place place = Place::Remplir);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Programme& programme_;
    QMdiArea* zone_;
};
