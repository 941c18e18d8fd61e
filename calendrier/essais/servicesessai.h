#pragma once

// The program's services as the tests give them: today pinned, questions
// answered from a queue and noted, a recording printer, an end that is only
// counted, documents noted instead of opened. It must outlive the program
// object it is given to.

#include "calendrier/coquille/pilote.h"
#include "plateforme/essais/imprimanteenregistreuse.h"

#include <QDir>
#include <QQueue>
#include <QStringList>
#include <QUrl>

struct ServicesEssai {
    QDate aujourdhui{2026, 3, 18};
    // The next answers; a question with none left is answered No.
    QQueue<plateforme::Reponse> reponses;
    // "titre|texte" of every question and message, in order.
    QStringList questions;
    QList<plateforme::DocumentImprime> journal;
    QStringList pdfDeSecours;
    int fins = 0;
    QList<QUrl> ouverts;
    bool ouvertureReussie = true;
    // The sandbox stands for the program folder (see BacASable).
    QString dossierProgramme = QDir::currentPath();

    calendrier::Services services() {
        calendrier::Services s;
        s.aujourdhui = [this] { return aujourdhui; };
        s.demanderOuiNon = [this](QWidget*, const QString& titre, const QString& texte) {
            questions << titre + u'|' + texte;
            return reponses.isEmpty() ? plateforme::Reponse::Non : reponses.dequeue();
        };
        s.demanderOuiNonAnnuler = s.demanderOuiNon;
        s.informer = [this](QWidget*, const QString& titre, const QString& texte) {
            questions << titre + u'|' + texte;
            if (!reponses.isEmpty())
                reponses.dequeue();
        };
        s.imprimante = [this](const QString& pdf) {
            pdfDeSecours << pdf;
            return std::make_unique<plateforme::ImprimanteEnregistreuse>(&journal);
        };
        s.fin = [this] { ++fins; };
        s.ouvrir = [this](const QUrl& adresse) {
            ouverts << adresse;
            return ouvertureReussie;
        };
        s.dossierProgramme = dossierProgramme;
        return s;
    }
};
