// calendrier-pdf: a year of the calendar to a PDF, from the command line,
// without a window.

#include "calendrier-pdf/exportation.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

// Qt's own notes (a missing runtime folder, an offscreen screen) are no
// business of the user's; its failures still are.
void messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << u'\n';
}

} // namespace

int main(int argc, char** argv) {
    // Drawn offscreen, whether the machine has a display or not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(messages);
    QGuiApplication application(argc, argv);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    const auto dire = [&erreurs](const QString& texte) {
        erreurs << u"calendrier-pdf : "_qs << texte << u'\n';
        erreurs.flush();
    };

    const exportation::Lecture lecture = exportation::lireArguments(
        application.arguments().mid(1), QCoreApplication::applicationDirPath());
    if (lecture.aide) {
        sortie << exportation::aide();
        return 0;
    }
    if (!lecture.demande) {
        dire(lecture.erreur);
        erreurs << u"Voir calendrier-pdf --help.\n"_qs;
        return 2;
    }
    const exportation::Demande& demande = *lecture.demande;
    for (const QString& avertissement : exportation::avertissements(demande))
        dire(avertissement);

    const bool terminal = isatty(fileno(stderr)) == 1;
    const QLocale francais(QLocale::French);
    const QString erreur = exportation::exporter(demande, [&](int page) {
        if (!terminal)
            return;
        const QString nom = page == 1 ? u"couverture"_qs : francais.standaloneMonthName(page - 1);
        erreurs << u"Page %1/%2 : %3\n"_qs.arg(page).arg(exportation::kPages).arg(nom);
        erreurs.flush();
    });
    if (!erreur.isEmpty()) {
        dire(erreur);
        return 2;
    }
    sortie << u"Calendrier %1 écrit dans %2 (%3 pages).\n"_qs.arg(demande.annee)
                  .arg(QFileInfo(demande.sortie).absoluteFilePath())
                  .arg(exportation::kPages);
    return 0;
}
