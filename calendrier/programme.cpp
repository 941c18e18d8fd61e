#include "calendrier/programme.h"

#include <QCoreApplication>

Programme::Programme() = default;
Programme::~Programme() = default;

void Programme::terminer() {
    termine_ = true;
    if (fin_) {
        fin_();
        return;
    }
    QCoreApplication::exit(0);
}
