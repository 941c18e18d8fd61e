#include "calendrier/pages/aficheCalend.h"

#include "calendrier/programme.h"

AficheCalend::AficheCalend(Programme& programme) : programme_(programme) {
    resize(800, 600);
}
