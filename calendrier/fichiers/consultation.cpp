#include "calendrier/fichiers/consultation.h"

#include "calendrier/regles/regles.h"

namespace calendrier {

std::optional<int> lireMois(QStringView texte) {
    const long long mois = regles::nombreEnTete(texte);
    if (mois < 1 || mois > 12)
        return std::nullopt;
    return static_cast<int>(mois);
}

std::optional<int> lireAnnee(QStringView texte) {
    const long long annee = regles::nombreEnTete(texte);
    if (!regles::anneeValide(annee))
        return std::nullopt;
    return static_cast<int>(annee);
}

} // namespace calendrier
