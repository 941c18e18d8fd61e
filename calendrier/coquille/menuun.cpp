#include "calendrier/coquille/menuun.h"

#include "calendrier/coquille/formzoomed.h"
#include "calendrier/coquille/pilote.h"
#include "plateforme/fenetres/disposition.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace {
const char* const kPlace = "placeDansLeCadre";
const char* const kTaille = "tailleDansLeCadre";
} // namespace

MenuUn::MenuUn(calendrier::Pilote& pilote) : pilote_(pilote), zone_(new QMdiArea(this)) {
    setCentralWidget(zone_);
    setWindowTitle(u"Menu"_qs);
    zone_->setBackground(QColor(0xf6, 0xf3, 0xec));
}

void MenuUn::MDIForm_Load() {
    using plateforme::Propriete;
    plateforme::ecrirePropriete(this, Propriete::Height, FormZoomed::kHauteurDessin);
    plateforme::ecrirePropriete(this, Propriete::Width, FormZoomed::kLargeurDessin);
    pilote_.zoom().RetenirDisposition(this);
    pilote_.zoom().ZoomEcran(this);
    showMaximized();
    FormZoomed::PremierPlan(this);
    showMaximized();
    pilote_.montrer(calendrier::Fenetre::Accueil);
}

QMdiSubWindow* MenuUn::sousFenetre(QWidget* fenetre) const {
    for (QMdiSubWindow* s : zone_->subWindowList())
        if (s->widget() == fenetre)
            return s;
    return nullptr;
}

void MenuUn::montrer(QWidget* fenetre, Place place) {
    QMdiSubWindow* sous = sousFenetre(fenetre);
    if (!sous) {
        sous = zone_->addSubWindow(fenetre, Qt::FramelessWindowHint);
        // The program owns its windows: a sub-window only shows one.
        sous->setAttribute(Qt::WA_DeleteOnClose, false);
        sous->installEventFilter(this);
    }
    for (QMdiSubWindow* autre : zone_->subWindowList())
        if (autre != sous) {
            autre->hide();
            if (autre->widget())
                autre->widget()->hide();
        }
    sous->setProperty(kPlace, static_cast<int>(place));
    // The sub-window sizes its window to itself: the size is kept from here.
    if (place == Place::TailleDessin)
        sous->setProperty(kTaille, fenetre->size());
    if (!isVisible())
        show();
    fenetre->show();
    sous->show();
    placer(sous);
    zone_->setActiveSubWindow(sous);
}

void MenuUn::cacher(QWidget* fenetre) {
    fenetre->hide();
    if (QMdiSubWindow* sous = sousFenetre(fenetre))
        sous->hide();
}

QWidget* MenuUn::fenetreMontree() const {
    for (QMdiSubWindow* s : zone_->subWindowList())
        if (s->isVisible() && s->widget() && s->widget()->isVisible())
            return s->widget();
    return nullptr;
}

void MenuUn::placer(QMdiSubWindow* sous) {
    if (sous->property(kPlace).toInt() == static_cast<int>(Place::Remplir)) {
        if (!sous->isMaximized())
            sous->showMaximized();
        return;
    }
    if (sous->isMaximized())
        sous->showNormal();
    QRect cadre(QPoint(0, 0), sous->property(kTaille).toSize());
    const QRect zone = zone_->viewport()->rect();
    cadre.moveTopLeft(QPoint(std::max(0, (zone.width() - cadre.width()) / 2),
                             std::max(0, (zone.height() - cadre.height()) / 2)));
    sous->setGeometry(cadre);
}

bool MenuUn::eventFilter(QObject* objet, QEvent* evenement) {
    auto* sous = qobject_cast<QMdiSubWindow*>(objet);
    if (!sous)
        return QMainWindow::eventFilter(objet, evenement);
    // A window leaves the frame only for another: closing it alone would
    // leave the frame empty.
    if (evenement->type() == QEvent::Close) {
        evenement->ignore();
        return true;
    }
    // The area takes the maximised state off a window while another one is
    // shown, so each window is given its place back whenever it shows.
    if (evenement->type() == QEvent::Show)
        placer(sous);
    return QMainWindow::eventFilter(objet, evenement);
}

void MenuUn::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program at once, unless edits not written
    // are kept by the user's answer.
    if (!pilote_.peutTerminer()) {
        event->ignore();
        return;
    }
    event->accept();
    pilote_.terminer();
}
