#include "calendrier/pages/composition.h"

#include "calendrier/regles/regles.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QFile>

namespace pages {

namespace {

constexpr qsizetype kTailleEnregistrement = 40;
constexpr qsizetype kTailleChamp = 20;

// The feasts' lines, in Paque.ser's order.
constexpr std::array<QStringView, 5> kMobiles = {u"Pâques est le ", u"Lundi de Pâques est le ",
                                                 u"L'Ascension est le ", u"Pentecôte est le ",
                                                 u"Lundi de Pentecôte est le "};

int entier(long long v) {
    return v > 999999 || v < -999999 ? 0 : static_cast<int>(v);
}

} // namespace

QList<FeteDuJour> lireFetes(const QStringList& lignes) {
    QList<FeteDuJour> fetes;
    for (qsizetype i = 0; i + 1 < lignes.size(); i += 2) {
        const QString& date = lignes[i];
        fetes.append({entier(regles::nombreEnTete(QStringView(date).left(2))),
                      entier(regles::nombreEnTete(QStringView(date).right(2))), lignes[i + 1]});
    }
    return fetes;
}

QList<Anniversaire> lireAnniversaires(const QStringList& lignes) {
    QList<Anniversaire> anniversaires;
    for (qsizetype i = 0; i + 1 < lignes.size(); i += 2) {
        const QStringView date = lignes[i];
        anniversaires.append({entier(regles::nombreEnTete(date.left(2))),
                              entier(regles::nombreEnTete(date.mid(3, 2))),
                              regles::nombreEnTete(date.right(4)), lignes[i + 1]});
    }
    return anniversaires;
}

JoursMobiles lireJoursMobiles(const QStringList& lignes) {
    JoursMobiles jours{};
    for (qsizetype i = 0; i < qsizetype(jours.size()) && i < lignes.size(); ++i) {
        const QStringView date = lignes[i];
        jours[i] = {entier(regles::nombreEnTete(date.left(2))),
                    entier(regles::nombreEnTete(date.mid(3, 2)))};
    }
    return jours;
}

Prenoms::Prenoms(const QByteArray& contenu) {
    for (qsizetype i = 0; i + kTailleEnregistrement <= contenu.size(); i += kTailleEnregistrement) {
        const QString nom = plateforme::depuisCp1252(contenu.mid(i, kTailleChamp));
        const QString jour = plateforme::depuisCp1252(contenu.mid(i + kTailleChamp, kTailleChamp));
        enregistrements_.append(
            {nom.trimmed(), entier(regles::nombreEnTete(jour)), jour.mid(2).trimmed().toLower()});
    }
}

Prenoms Prenoms::charger(const QString& chemin) {
    QFile fichier(chemin);
    // The delivered file is 366 records; anything far larger is not it.
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > 1024 * kTailleEnregistrement)
        return {};
    return Prenoms(fichier.readAll());
}

QString Prenoms::prenom(int jour, const QString& libelle) const {
    const QString cle = libelle.trimmed().toLower();
    for (const Enregistrement& e : enregistrements_)
        if (e.mois == cle && e.jour == jour)
            return e.nom;
    return {};
}

QString libelleMois(int mois) {
    const QString nom = regles::nomMois(mois);
    return nom.isEmpty() ? QString() : u' ' + nom + u' ';
}

PageMois composerMois(long long annee, int mois, const Donnees& d) {
    PageMois page;
    page.annee = annee;
    page.mois = mois;
    const int premiere = regles::colonnePremierDuMois(annee, mois);
    if (premiere < 0)
        return page;
    page.premiereCase = premiere;
    page.jours = regles::CalculMois(annee, mois);
    const QString libelle = libelleMois(mois);
    const bool avecFetes = annee > kDerniereAnneeSansFetes;

    const auto ajouterLigne = [&page](const QString& ligne) {
        if (page.lignes.size() < kLignes)
            page.lignes.append(ligne);
        else
            ++page.lignesOmises;
    };

    for (int jour = 1; jour <= page.jours; ++jour) {
        Case& c = page.cases[premiere + jour - 1];
        c.jour = jour;
        const QString numero = QString::number(jour);
        if (avecFetes) {
            for (const FeteDuJour& f : d.fetes)
                if (f.jour == jour && f.mois == mois) {
                    c.marque = Marque::Marque;
                    ajouterLigne(u"Le "_qs + numero + u"  Fete  "_qs + f.texte);
                }
            for (const Anniversaire& a : d.anniversaires)
                if (a.annee <= annee && a.jour == jour && a.mois == mois) {
                    c.marque = Marque::Marque;
                    ajouterLigne(u"Le "_qs + numero + u"  Aniversaire de "_qs + a.nom);
                }
        }
        for (std::size_t i = 0; i < kMobiles.size(); ++i)
            if (d.mobiles[i].mois == mois && d.mobiles[i].jour == jour) {
                c.marque = Marque::Marque;
                ajouterLigne(kMobiles[i].toString() + numero);
            }
        if (d.aujourdhui == QDate(static_cast<int>(annee), mois, jour))
            c.marque = Marque::Aujourdhui;
        c.prenom = d.prenoms.prenom(jour, libelle);
    }
    return page;
}

} // namespace pages
