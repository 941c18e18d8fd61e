#pragma once

// The keyboard as a test drives the answer boxes with it.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// Types any character, as a keyboard with an input method does (QTest's own
// typing knows only ASCII).
inline void taper(QLineEdit& boite, const QString& texte) {
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&boite, &appui);
    }
}

// Empties the box, types the answer and presses Enter.
inline void repondre(QLineEdit& boite, const QString& texte) {
    boite.clear();
    taper(boite, texte);
    QTest::keyClick(&boite, Qt::Key_Return);
}
