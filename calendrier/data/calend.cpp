#include "calendrier/data/calend.h"

#include "calendrier/programme.h"

Calend::Calend(Programme& programme)
    : Text3(this), Text4(this), Text5(this), programme_(programme) {
    setWindowTitle(u"Affiche"_qs);
}

void Calend::Lire() { show(); }
