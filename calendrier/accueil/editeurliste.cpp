#include "calendrier/accueil/editeurliste.h"

#include "calendrier/regles/regles.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <optional>

namespace calendrier {

namespace {

const QString kInviteAction = u"A = Ajouter / M = Modifier / E = Effacer / F = Fin"_qs;
const QString kInviteActionFete = u"A = Ajouter / M = Modifier / E = Effacer"_qs;
const QString kInviteDateEnfant = u"DATE   JJ/MM/AAAA OU FIN"_qs;
const QString kInviteDateFete = u"DATE   JJ/MM OU FIN"_qs;
const QString kInviteNomEnfant = u"NOM POUR "_qs;
const QString kInviteNomFete = u"Nom de La Fete"_qs;
const QString kInviteModification = u"MODIFICATION DE LA LIGNE SELECTIONNEE"_qs;
const QString kFin = u"FIN"_qs;
const QString kDateImpossible = u"Date impossible : "_qs;

QString nomCourt(const QString& texte) {
    return texte.toUpper().left(EditeurListe::kLongueurNom);
}

// Entries read as pairs: each entry's two lines share a shade, its name in bold.
void teinter(QListWidget& liste) {
    for (int i = 0; i < liste.count(); ++i) {
        QListWidgetItem* ligne = liste.item(i);
        ligne->setBackground(i / 2 % 2 == 0 ? QColor(0xff, 0xff, 0xff) : QColor(0xee, 0xf2, 0xf8));
        QFont f = liste.font();
        f.setBold(i % 2 == 1);
        ligne->setFont(f);
    }
}

void montrerVide(QLineEdit& boite) {
    boite.clear();
    boite.show();
    boite.setFocus();
}

// The date line of a date typed for `liste`: "JJ/MM/AAAA" for an anniversary
// (a day that exists, in a year from 1 to 3000), "JJ/MM" for a fête (a day
// that exists in some year, 29/02 included); day and month typed with one
// digit are stored with two. Nothing when no such day exists.
std::optional<QString> ligneDeDate(Liste liste, const QString& tape) {
    static const QRegularExpression motif(u"^([0-9]{1,2})/([0-9]{1,2})(?:/([0-9]{4}))?$"_qs);
    const QRegularExpressionMatch m = motif.match(tape.trimmed());
    const bool avecAnnee = liste == Liste::Enfant;
    if (!m.hasMatch() || m.hasCaptured(3) != avecAnnee)
        return std::nullopt;
    const int jour = m.captured(1).toInt();
    const int mois = m.captured(2).toInt();
    // A leap year holds every day a fête can fall on.
    const int annee = avecAnnee ? m.captured(3).toInt() : 2000;
    if (!regles::anneeValide(annee) || jour < 1 || jour > regles::CalculMois(annee, mois))
        return std::nullopt;
    QString ligne = u"%1/%2"_qs.arg(jour, 2, 10, QChar(u'0')).arg(mois, 2, 10, QChar(u'0'));
    if (avecAnnee)
        ligne += u'/' + m.captured(3);
    return ligne;
}

} // namespace

QList<int> lignesDeLEntree(int ligne, int nombre) {
    QList<int> lignes;
    if (ligne < 0 || ligne >= nombre)
        return lignes;
    const int date = ligne - ligne % 2;
    for (int l : {date, date + 1})
        if (l < nombre)
            lignes << l;
    return lignes;
}

EditeurListe::EditeurListe(Liste liste, ControlesEditeur controles,
                           std::function<FichiersTravail()> fichiers, std::function<void()> fermer,
                           std::function<void(const QString&)> informer)
    : liste_(liste), c_(controles), fichiers_(std::move(fichiers)), fermer_(std::move(fermer)),
      informer_(std::move(informer)) {
    connect(&c_.lettre, &QLineEdit::returnPressed, this, &EditeurListe::lettreEntree);
    connect(&c_.date, &QLineEdit::returnPressed, this, &EditeurListe::dateEntree);
    connect(&c_.nom, &QLineEdit::returnPressed, this, &EditeurListe::nomEntree);
    connect(&c_.remplacement, &QLineEdit::returnPressed, this, &EditeurListe::remplacementEntree);
    // A click on the selected line, or Enter on it for those who use the keyboard.
    const auto choisir = [this](QListWidgetItem* item) {
        if (item && item->isSelected())
            ligneCliquee(c_.liste.row(item));
    };
    connect(&c_.liste, &QListWidget::itemClicked, this, choisir);
    connect(&c_.liste, &QListWidget::itemActivated, this, choisir);
}

QString EditeurListe::inviteAction() const {
    return liste_ == Liste::Fete ? kInviteActionFete : kInviteAction;
}

QStringList EditeurListe::lignes() const {
    QStringList l;
    for (int i = 0; i < c_.liste.count(); ++i)
        l << c_.liste.item(i)->text();
    return l;
}

QStringList EditeurListe::lignesAEcrire() const {
    QStringList l = lignes();
    // A date still waiting for its name is no entry yet.
    if (etat_ == Etat::Nom)
        l.removeLast();
    QStringList gardees;
    for (const QString& ligne : l)
        if (!ligne.trimmed().isEmpty())
            gardees << ligne.trimmed();
    return gardees;
}

bool EditeurListe::modifiee() const {
    return etat_ != Etat::Ferme && lignesAEcrire() != ecrites_;
}

bool EditeurListe::enregistrer() {
    const QStringList l = lignesAEcrire();
    if (!fichiers_().ecrireListe(liste_, l)) {
        informer_(u"La liste n'a pas pu être enregistrée."_qs);
        return false;
    }
    ecrites_ = l;
    return true;
}

void EditeurListe::refuserDate(QLineEdit& boite) {
    c_.invite.setText(kDateImpossible + (liste_ == Liste::Fete ? u"JJ/MM"_qs : u"JJ/MM/AAAA"_qs));
    montrerVide(boite);
}

void EditeurListe::ouvrir() {
    c_.invite.show();
    c_.liste.clear();
    c_.liste.show();
    QStringList lignes = fichiers_().chargerListe(liste_);
    // A list left with an odd number of lines (edited by hand) gets a blank
    // line, never written, so that the entries added after it stay whole pairs.
    if (lignes.size() % 2 != 0)
        lignes << QString();
    c_.liste.addItems(lignes);
    teinter(c_.liste);
    c_.liste.setEnabled(false);
    c_.invite.setText(kInviteAction);
    lettre_ = QChar();
    etat_ = Etat::Action;
    ecrites_ = lignesAEcrire();
    c_.lettre.clear();
    c_.lettre.show();
    c_.lettre.setFocus();
}

void EditeurListe::attendreAction(bool rappelerInvite) {
    if (rappelerInvite)
        c_.invite.setText(inviteAction());
    c_.liste.setEnabled(false);
    etat_ = Etat::Action;
    montrerVide(c_.lettre);
}

void EditeurListe::lettreEntree() {
    if (etat_ != Etat::Action)
        return;
    c_.lettre.hide();
    const QString texte = c_.lettre.text();
    const QChar l = texte.isEmpty() ? QChar() : texte.at(0).toUpper();
    lettre_ = l.isSpace() ? QChar() : l;
    if (lettre_ != u'A' && lettre_ != u'M' && lettre_ != u'E' && lettre_ != u'F') {
        lettre_ = QChar();
        montrerVide(c_.lettre);
        return;
    }
    // The fête editor leaves its letter in the box; the box is hidden anyway.
    if (liste_ == Liste::Enfant)
        c_.lettre.clear();
    switch (lettre_.unicode()) {
    case u'A':
        c_.invite.setText(liste_ == Liste::Fete ? kInviteDateFete : kInviteDateEnfant);
        c_.liste.setEnabled(false);
        etat_ = Etat::Date;
        montrerVide(c_.date);
        break;
    case u'M':
    case u'E':
        // An empty list has no line to choose: the letter is asked again.
        if (c_.liste.count() == 0) {
            lettre_ = QChar();
            montrerVide(c_.lettre);
            return;
        }
        c_.liste.setEnabled(true);
        c_.liste.clearSelection();
        c_.liste.setFocus();
        etat_ = Etat::ChoixLigne;
        break;
    default: // F
        // When the list cannot be written, the edits stay on screen; the
        // user may try again.
        if (!enregistrer()) {
            attendreAction(false);
            return;
        }
        etat_ = Etat::Ferme;
        fermer_();
    }
}

void EditeurListe::dateEntree() {
    if (etat_ != Etat::Date)
        return;
    const QString tape = c_.date.text();
    // "FIN", or nothing, gives up the addition: no line is added.
    if (tape.trimmed().isEmpty() || tape.trimmed().toUpper() == kFin) {
        c_.date.hide();
        c_.date.clear();
        lettre_ = QChar();
        attendreAction(true);
        return;
    }
    // The pages could not place a day that does not exist.
    const std::optional<QString> date = ligneDeDate(liste_, tape);
    if (!date)
        return refuserDate(c_.date);
    c_.date.hide();
    c_.invite.setText(liste_ == Liste::Fete ? kInviteNomFete : kInviteNomEnfant + *date);
    c_.liste.addItem(*date);
    teinter(c_.liste);
    c_.liste.scrollToBottom();
    etat_ = Etat::Nom;
    montrerVide(c_.nom);
}

void EditeurListe::nomEntree() {
    if (etat_ != Etat::Nom)
        return;
    // An empty name would leave the date alone in the file: ask again.
    if (c_.nom.text().trimmed().isEmpty()) {
        montrerVide(c_.nom);
        return;
    }
    c_.nom.hide();
    c_.date.clear();
    if (liste_ == Liste::Fete)
        c_.lettre.clear();
    c_.liste.addItem(nomCourt(c_.nom.text()));
    teinter(c_.liste);
    c_.liste.scrollToBottom();
    lettre_ = QChar();
    attendreAction(true);
}

void EditeurListe::ligneCliquee(int ligne) {
    if (etat_ != Etat::ChoixLigne && etat_ != Etat::Remplacement)
        return;
    if (ligne < 0 || ligne >= c_.liste.count())
        return;
    if (lettre_ == u'M') {
        c_.invite.setText(kInviteModification);
        c_.remplacement.setText(c_.liste.item(ligne)->text());
        if (liste_ == Liste::Fete)
            c_.lettre.clear();
        etat_ = Etat::Remplacement;
        c_.remplacement.show();
        c_.remplacement.setFocus();
        return;
    }
    lettre_ = QChar();
    for (int l : lignesDeLEntree(ligne, c_.liste.count()))
        c_.liste.item(l)->setText(QString());
    c_.liste.clearSelection();
    attendreAction(false);
}

void EditeurListe::remplacementEntree() {
    if (etat_ != Etat::Remplacement)
        return;
    const QString texte = c_.remplacement.text();
    // "FIN" cancels the change; so does an empty text, which would break the
    // entry's pair of lines when the list is written.
    QListWidgetItem* choisie = c_.liste.currentItem();
    const bool change = choisie && choisie->isSelected() && !texte.trimmed().isEmpty() &&
                        texte.trimmed().toUpper() != kFin;
    QString nouvelle = nomCourt(texte);
    // Date lines stand at even positions and are held to the date rule.
    if (change && c_.liste.row(choisie) % 2 == 0) {
        const std::optional<QString> date = ligneDeDate(liste_, texte);
        if (!date)
            return refuserDate(c_.remplacement);
        nouvelle = *date;
    }
    c_.remplacement.hide();
    c_.invite.setText(inviteAction());
    c_.date.clear();
    if (change)
        choisie->setText(nouvelle);
    c_.liste.clearSelection();
    lettre_ = QChar();
    attendreAction(false);
}

} // namespace calendrier
