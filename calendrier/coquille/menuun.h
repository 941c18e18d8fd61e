#pragma once

// The main frame: a multiple-document frame whose caption names the current
// activity. The program's windows live inside it, one shown at a time.

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace calendrier {
class Pilote;
}

class MenuUn : public QMainWindow {
    Q_OBJECT
public:
    explicit MenuUn(calendrier::Pilote& pilote);

    // Sizes the frame for the screen, maximises it, keeps it on top and shows
    // the hub inside it.
    void MDIForm_Load();

    // How a window stands in the frame: filling it, or at its own size,
    // centred (the page, which is captured and printed as it stands).
    enum class Place { Remplir, TailleDessin };

    // Shows `fenetre` inside the frame, and it alone: whatever window was
    // shown there is hidden. The frame itself is shown if it was not.
    void montrer(QWidget* fenetre, Place place = Place::Remplir);
    // Hides `fenetre` from the frame, leaving it empty until the next showing.
    void cacher(QWidget* fenetre);
    // The window shown in the frame now, if any.
    QWidget* fenetreMontree() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QMdiSubWindow* sousFenetre(QWidget* fenetre) const;
    void placer(QMdiSubWindow* sous);

    calendrier::Pilote& pilote_;
    QMdiArea* zone_;
};
