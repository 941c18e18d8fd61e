#include "plateforme/fenetres/questions.h"

#include <QMessageBox>

namespace plateforme {

Reponse demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte) {
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? Reponse::Oui
               : Reponse::Non;
}

void informer(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox::information(parent, titre, texte);
}

} // namespace plateforme
