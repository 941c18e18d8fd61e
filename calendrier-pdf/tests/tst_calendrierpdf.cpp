// calendrier-pdf run as a user runs it: its PDF read back with poppler's tools,
// each refusal with its status, its message and nothing left behind.

#include "calendrier/essais/bacasable.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The status (-1: no normal end), what was written out, what to errors.
static std::tuple<int, QString, QString>
executer(const QString& programme, const QStringList& arguments, const QString& dossier = {}) {
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, {}, {}};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class TestCalendrierPdf : public QObject {
    Q_OBJECT

    BacASable bac_;
    const QString pdf_ = bac_.chemin(u"annee.pdf"_qs);

    QString chemin(const QString& nom) const { return bac_.chemin(nom); }

private slots:
    void initTestCase() {
        QDir(bac_.travail()).mkpath(u"images"_qs);
        const QString png = chemin(u"images/1 couverture.png"_qs);
        QImage image(4000, 3000, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(png));
        plateforme::reecrire(chemin(u"images/LISEZMOI.txt"_qs), {u"pas une image"_qs});
        // A PNG whose header is whole and whose pixels are cut off.
        QVERIFY(QFile::copy(png, chemin(u"tronquee.png"_qs)));
        QVERIFY(QFile::resize(chemin(u"tronquee.png"_qs), QFileInfo(png).size() / 2));
        QVERIFY(bac_.copierDuProgramme(u"Prenoms"_qs) && bac_.copierDuProgramme(u"Couleur"_qs));
        plateforme::reecrire(chemin(u"Enfant"_qs), {u"21/03/2001"_qs, u"HÉLÈNE"_qs});
        // Feasts of another year, left there: the year's own are shown.
        plateforme::reecrire(chemin(u"Paque.ser"_qs), QStringList(5, u"01/03/1999"_qs));
        const auto [statut, sortie, erreurs] =
            executer(CALENDRIER_PDF, {u"2026"_qs, pdf_, u"--images"_qs, chemin(u"images"_qs),
                                      u"--programme"_qs, bac_.travail()});
        QVERIFY2(statut == 0 && erreurs.isEmpty(), qPrintable(erreurs));
        const QString info = std::get<1>(executer(u"pdfinfo"_qs, {pdf_}));
        QVERIFY2(info.contains(u"Pages:           13\n"_qs), qPrintable(info));
        QVERIFY2(info.contains(u"Page size:       842 x 595 pts (A4)"_qs), qPrintable(info));
        // The pictures, above 300 dpi of the page, brought down to it; not the ornaments.
        const QString liste = std::get<1>(executer(u"pdfimages"_qs, {u"-list"_qs, pdf_}));
        QVERIFY2(liste.count(QRegularExpression(
                     u"image +(?!261 )\\d+ .* (29\\d|300) +(29\\d|300) "_qs)) == 13,
                 qPrintable(liste));
        // What the page composition puts on each page, blanks and line ends as one.
        const QStringList lu = std::get<1>(executer(u"pdftotext"_qs, {pdf_, u"-"_qs})).split(u'\f');
        for (const QString& attendu :
             {u"1|Annee 2026"_qs, u"4|19 Joseph"_qs, u"4|Le 21 Aniversaire de HÉLÈNE"_qs,
              u"5|Pâques est le 5"_qs, u"13|Decembre 2026"_qs}) {
            const QStringList c = attendu.split(u'|');
            QVERIFY2(lu.value(c[0].toInt() - 1).simplified().contains(c[1]), qPrintable(attendu));
        }
    }

    void refus_data() {
        QTest::addColumn<QString>("ligne"); // the arguments, separated by |
        QTest::addColumn<QString>("message");
        // @: the pictures' folder, 12: twelve good photos, ".": the folder it runs from.
        const QList<std::pair<QString, QString>> cas = {
            {u""_qs, u"Il manque l'année"_qs},
            {u"deux|s.pdf"_qs, u"pas « deux »"_qs},
            {u"3001|s.pdf"_qs, u"L'année 3001 n'est pas entre 1 et 3000"_qs},
            {u"2026|s.pdf|--images|@/nulle"_qs, u"Le dossier d'images « @/nulle » n'existe pas"_qs},
            {u"2026|s.pdf|--images|."_qs, u"ne contient aucune image"_qs},
            {u"2026|s.pdf|--photos|12|@/LISEZMOI.txt"_qs, u"n'est pas une image lisible"_qs},
            // Found out on the last page, once twelve are written.
            {u"2026|s.pdf|--photos|12|@/../tronquee.png"_qs, u"n'a pas pu être lue"_qs},
            {u"2026|/proc/s.pdf"_qs, u"Impossible d'écrire « /proc/s.pdf »"_qs},
        };
        for (const auto& [ligne, message] : cas)
            QTest::newRow(qPrintable(ligne)) << ligne << message;
    }
    void refus() {
        QFETCH(QString, ligne);
        QFETCH(QString, message);
        const QString images = chemin(u"images"_qs);
        QStringList arguments;
        for (QString a : ligne.split(u'|', Qt::SkipEmptyParts))
            arguments << (a == u"12"_qs ? QStringList(12, images + u"/1 couverture.png"_qs)
                                        : QStringList{a.replace(u'@', images)});
        // Run from an empty folder, which it must leave empty.
        QTemporaryDir vide;
        const auto [statut, sortie, erreurs] = executer(CALENDRIER_PDF, arguments, vide.path());
        QCOMPARE(statut, 2);
        // Said on a line of its own (a decoder may have spoken before).
        const QRegularExpression dit(u"^calendrier-pdf : .*"_qs +
                                         QRegularExpression::escape(message.replace(u'@', images)),
                                     QRegularExpression::MultilineOption);
        QVERIFY2(erreurs.contains(dit), qPrintable(erreurs));
        QVERIFY(QDir(vide.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

QTEST_GUILESS_MAIN(TestCalendrierPdf)
#include "tst_calendrierpdf.moc"
