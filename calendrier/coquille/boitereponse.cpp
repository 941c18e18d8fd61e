#include "calendrier/coquille/boitereponse.h"

#include "plateforme/noyau/fichiertexte.h"

namespace calendrier {

QString texteDeBoite(const QString& tape) {
    QString texte;
    texte.reserve(tape.size());
    for (const QChar c : tape) {
        const QString haut = QString(c).toUpper();
        bool tenu = true;
        for (const QChar h : haut)
            tenu = tenu && plateforme::representableCp1252(h);
        if (tenu)
            texte += haut;
        else if (plateforme::representableCp1252(c))
            texte += c;
    }
    return texte;
}

QValidator::State Majuscules::validate(QString& texte, int& position) const {
    const QString avant = texte.left(position);
    texte = texteDeBoite(texte);
    // The cursor stays after what was typed, whatever the change in length.
    position = static_cast<int>(texteDeBoite(avant).size());
    return Acceptable;
}

void preparerBoite(QLineEdit& boite) {
    boite.setValidator(new Majuscules(&boite));
}

} // namespace calendrier
