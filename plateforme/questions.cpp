#include "plateforme/questions.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QQueue>
#include <QStringList>

namespace plateforme {

namespace {
QQueue<Reponse>& reponsesPreparees() {
    static QQueue<Reponse> file;
    return file;
}
QStringList& journal() {
    static QStringList questions;
    return questions;
}
bool sansEcran() {
    return QGuiApplication::platformName() == u"offscreen"_qs;
}
} // namespace

Reponse demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte) {
    journal() << titre + u'|' + texte;
    if (!reponsesPreparees().isEmpty())
        return reponsesPreparees().dequeue();
    // Offscreen nobody can answer: "No" loses nothing.
    if (sansEcran())
        return Reponse::Non;
    return QMessageBox::question(parent, titre, texte, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes
               ? Reponse::Oui
               : Reponse::Non;
}

void informer(QWidget* parent, const QString& titre, const QString& texte) {
    journal() << titre + u'|' + texte;
    if (!reponsesPreparees().isEmpty()) {
        reponsesPreparees().dequeue();
        return;
    }
    if (sansEcran())
        return;
    QMessageBox::information(parent, titre, texte);
}

void repondreDAvance(Reponse reponse) {
    reponsesPreparees().enqueue(reponse);
}
QStringList questionsPosees() {
    return journal();
}
void oublierQuestions() {
    journal().clear();
    reponsesPreparees().clear();
}

} // namespace plateforme
