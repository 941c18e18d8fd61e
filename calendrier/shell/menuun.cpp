#include "calendrier/shell/menuun.h"

#include "calendrier/programme.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

MenuUn::MenuUn(Programme& programme) : programme_(programme), zone_(new QMdiArea(this)) {
    setCentralWidget(zone_);
    setWindowTitle(u"Menu"_qs);
}

QMdiSubWindow* MenuUn::accueillir(QWidget* fenetre) {
    for (QMdiSubWindow* sous : zone_->subWindowList())
        if (sous->widget() == fenetre)
            return sous;
    QMdiSubWindow* sous = zone_->addSubWindow(fenetre, Qt::FramelessWindowHint);
    return sous;
}

void MenuUn::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program at once: nothing is asked or saved.
    event->accept();
    programme_.terminer();
}
