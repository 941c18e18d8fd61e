#include "plateforme/fenetres/questions.h"

#include <QMessageBox>
#include <QPushButton>

namespace plateforme {

Reponse demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte) {
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? Reponse::Oui
               : Reponse::Non;
}

Reponse demanderOuiNonAnnuler(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox boite(QMessageBox::Question, titre, texte,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    // The buttons speak the program's language whatever translations are installed.
    boite.button(QMessageBox::Yes)->setText(u"Oui"_qs);
    boite.button(QMessageBox::No)->setText(u"Non"_qs);
    boite.button(QMessageBox::Cancel)->setText(u"Annuler"_qs);
    boite.setDefaultButton(QMessageBox::Yes);
    boite.setEscapeButton(QMessageBox::Cancel);
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return Reponse::Annuler;
    }
}

void informer(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox::information(parent, titre, texte);
}

} // namespace plateforme
