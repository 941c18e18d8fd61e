#include "calendrier/data/boitereponse.h"

#include "plateforme/fichiertexte.h"

#include <limits>

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

long long nombreEnTete(const QString& texte) {
    const QString t = texte.trimmed();
    qsizetype i = 0;
    bool negatif = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negatif = t[i++] == u'-';
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long n = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) {
        const int chiffre = t[i].unicode() - u'0';
        n = n > (kMax - chiffre) / 10 ? kMax : n * 10 + chiffre;
    }
    return negatif ? -n : n;
}

} // namespace calendrier
