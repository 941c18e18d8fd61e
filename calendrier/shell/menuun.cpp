#include "calendrier/shell/menuun.h"

#include "calendrier/data/calend.h"
#include "calendrier/programme.h"
#include "plateforme/disposition.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

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

namespace {
const char* const kPlace = "placeDansLeCadre";
const char* const kTaille = "tailleDansLeCadre";
} // namespace

QMdiSubWindow* MenuUn::accueillir(QWidget* fenetre, Place place) {
    QMdiSubWindow* sous = nullptr;
    for (QMdiSubWindow* s : zone_->subWindowList())
        if (s->widget() == fenetre)
            sous = s;
    if (!sous) {
        sous = zone_->addSubWindow(fenetre, Qt::FramelessWindowHint);
        sous->installEventFilter(this);
    }
    sous->setProperty(kPlace, static_cast<int>(place));
    // The sub-window sizes its window to itself: the size is kept from here.
    if (place == Place::TailleDessin)
        sous->setProperty(kTaille, fenetre->size());
    return sous;
}

bool MenuUn::eventFilter(QObject* objet, QEvent* evenement) {
    // The area takes the maximised state off a window while another one is
    // shown, so each window is given its place back whenever it shows.
    auto* sous = qobject_cast<QMdiSubWindow*>(objet);
    if (evenement->type() != QEvent::Show || !sous)
        return QMainWindow::eventFilter(objet, evenement);
    if (sous->property(kPlace).toInt() == static_cast<int>(Place::Remplir)) {
        if (!sous->isMaximized())
            sous->showMaximized();
    } else {
        if (sous->isMaximized())
            sous->showNormal();
        QRect cadre(QPoint(0, 0), sous->property(kTaille).toSize());
        const QRect zone = zone_->viewport()->rect();
        cadre.moveTopLeft(QPoint(std::max(0, (zone.width() - cadre.width()) / 2),
                                 std::max(0, (zone.height() - cadre.height()) / 2)));
        sous->setGeometry(cadre);
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void MenuUn::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program at once: nothing is asked or saved.
    event->accept();
    programme_.terminer();
}
