#pragma once

// A consultation as the hub hands it on: what the user typed, read once. The
// picture windows and the page window work from this value alone; the index
// name, the page names and the pages' year all come from it.

#include "calendrier/fichiers/fichierstravail.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace calendrier {

// A month typed in the hub: the number its text starts with once trimmed,
// when it is from 1 to 12.
std::optional<int> lireMois(QStringView texte);
// A year typed in the hub, read the same way, when it is from 1 to 3000.
std::optional<int> lireAnnee(QStringView texte);

struct Consultation {
    Sortie sortie = Sortie::EcranMois;
    int mois = 0;  // 1 to 12 for one month; 0 for a year
    int annee = 0; // 1 to 3000
    // The name a year is saved under; empty when it is not saved.
    QString nomCalendrier = {};

    Genre genre() const {
        return sortie == Sortie::ImprimanteAnnee || sortie == Sortie::EcranAnnee ? Genre::Annee
                                                                                 : Genre::Mois;
    }
    bool imprimee() const {
        return sortie == Sortie::ImprimanteMois || sortie == Sortie::ImprimanteAnnee;
    }
    // The year as file names and pages write it.
    QString texteAnnee() const { return QString::number(annee); }
    bool operator==(const Consultation&) const = default;
};

} // namespace calendrier
