#include "calendrier/shell/menuun.h"

#include "calendrier/data/calend.h"
#include "calendrier/programme.h"
#include "plateforme/disposition.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

MenuUn::MenuUn(Programme& programme) : programme_(programme), zone_(new QMdiArea(this)) {
    setCentralWidget(zone_);
    setWindowTitle(u"Menu"_qs);
    zone_->setBackground(QColor(0xf6, 0xf3, 0xec));
}

void MenuUn::MDIForm_Load() {
    using plateforme::Propriete;
    plateforme::ecrirePropriete(this, Propriete::Height, FormZoomed::kHauteurDessin);
    plateforme::ecrirePropriete(this, Propriete::Width, FormZoomed::kLargeurDessin);
    programme_.zoom().RetenirDisposition(this);
    programme_.zoom().ZoomEcran(this);
    showMaximized();
    FormZoomed::PremierPlan(this);
    showMaximized();
    Calend& calend = programme_.calend();
    accueillir(&calend)->show();
    calend.Form_Load();
}

QMdiSubWindow* MenuUn::accueillir(QWidget* fenetre) {
    for (QMdiSubWindow* sous : zone_->subWindowList())
        if (sous->widget() == fenetre)
            return sous;
    QMdiSubWindow* sous = zone_->addSubWindow(fenetre, Qt::FramelessWindowHint);
    sous->installEventFilter(this);
    return sous;
}

bool MenuUn::eventFilter(QObject* objet, QEvent* evenement) {
    // Every window shown in the frame fills it. The area takes that state off
    // a window while another one is shown, so it is given back at each showing.
    if (evenement->type() == QEvent::Show)
        if (auto* sous = qobject_cast<QMdiSubWindow*>(objet); sous && !sous->isMaximized())
            sous->showMaximized();
    return QMainWindow::eventFilter(objet, evenement);
}

void MenuUn::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program at once: nothing is asked or saved.
    event->accept();
    programme_.terminer();
}
