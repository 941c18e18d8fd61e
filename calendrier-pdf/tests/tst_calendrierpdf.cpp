// calendrier-pdf run as a user runs it: the PDF it writes read back with
// poppler's tools, and each refusal with its status, its message and nothing
// left behind.

#include "calendrier/essais/bacasable.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Execution {
    int statut = -1;
    QString sortie, erreurs;
};

Execution executer(const QString& programme, const QStringList& arguments,
                   const QString& dossier = {}) {
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// pdftotext lays the page out as it sees it: blanks and line ends are one.
QString textePage(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return executer(u"pdftotext"_qs, {u"-f"_qs, n, u"-l"_qs, n, pdf, u"-"_qs}).sortie.simplified();
}

void image(const QString& chemin, QSize taille, const QColor& couleur) {
    QImage i(taille, QImage::Format_RGB32);
    i.fill(couleur);
    QVERIFY(i.save(chemin));
}

} // namespace

class TestCalendrierPdf : public QObject {
    Q_OBJECT

    BacASable bac_;
    QString pdf_;

    QString chemin(const QString& nom) const { return bac_.chemin(nom); }

private slots:
    void initTestCase() {
        // The cover larger than 300 dpi of its page; the pictures in name
        // order, numbers by value: February, the last, serves to December.
        QDir(bac_.travail()).mkpath(u"images"_qs);
        image(chemin(u"images/1 couverture.jpg"_qs), {4000, 3000}, Qt::darkGreen);
        image(chemin(u"images/2 janvier.png"_qs), {800, 600}, Qt::darkBlue);
        image(chemin(u"images/10 fevrier.jpg"_qs), {640, 480}, Qt::darkRed);
        plateforme::reecrire(chemin(u"images/LISEZMOI.txt"_qs), {u"pas une image"_qs});
        QDir(bac_.travail()).mkpath(u"programme"_qs);
        for (const QString& nom : {u"Prenoms"_qs, u"Couleur"_qs})
            QVERIFY(QFile::copy(QDir(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR")).filePath(nom),
                                chemin(u"programme/"_qs + nom)));
        plateforme::reecrire(chemin(u"programme/Enfant"_qs), {u"21/03/2001"_qs, u"HÉLÈNE"_qs});
        plateforme::reecrire(chemin(u"programme/Fete"_qs), {u"07/03"_qs, u"STE FÉLICITÉ"_qs});
        // A PNG whose header is whole and whose pixels are cut off.
        QByteArray png;
        QBuffer tampon(&png);
        QVERIFY(QImage(300, 200, QImage::Format_RGB32).save(&tampon, "PNG"));
        QFile tronquee(chemin(u"tronquee.png"_qs));
        QVERIFY(tronquee.open(QIODevice::WriteOnly) &&
                tronquee.write(png.left(png.size() / 2)) > 0);
        tronquee.close();
        // Feasts of another year, left there: the year's own are shown.
        plateforme::reecrire(chemin(u"programme/Paque.ser"_qs), QStringList(5, u"01/03/1999"_qs));

        pdf_ = chemin(u"annee.pdf"_qs);
        const Execution e =
            executer(CALENDRIER_PDF, {u"2026"_qs, pdf_, u"--images"_qs, chemin(u"images"_qs),
                                      u"--programme"_qs, chemin(u"programme"_qs)});
        QCOMPARE(e.erreurs, QString());
        QCOMPARE(e.statut, 0);
        QVERIFY2(e.sortie.contains(pdf_), qPrintable(e.sortie));
        const QString info = executer(u"pdfinfo"_qs, {pdf_}).sortie;
        QVERIFY2(info.contains(u"Pages:           13\n"_qs), qPrintable(info));
        QVERIFY2(info.contains(u"Page size:       842 x 595 pts (A4)"_qs), qPrintable(info));
    }

    void texte_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("texte");
        QTest::newRow("couverture") << 1 << u"Annee 2026"_qs;
        QTest::newRow("mois") << 4 << u"Mars 2026"_qs;
        QTest::newRow("prenom du 19 mars") << 4 << u"19 Joseph"_qs;
        QTest::newRow("anniversaire") << 4 << u"Le 21 Aniversaire de HÉLÈNE"_qs;
        QTest::newRow("fete") << 4 << u"Le 7 Fete STE FÉLICITÉ"_qs;
        QTest::newRow("Paques le 5 avril") << 5 << u"Pâques est le 5"_qs;
        QTest::newRow("Pentecote le 24 mai") << 6 << u"Pentecôte est le 24"_qs;
        QTest::newRow("decembre") << 13 << u"Decembre 2026"_qs;
    }
    void texte() {
        QFETCH(int, page);
        QFETCH(QString, texte);
        const QString lu = textePage(pdf_, page);
        QVERIFY2(lu.contains(texte), qPrintable(lu));
    }

    void images() {
        // Each picture once, at no more than 300 dpi; the ornaments aside.
        const QStringList lignes =
            executer(u"pdfimages"_qs, {u"-list"_qs, pdf_}).sortie.split(u'\n');
        QMap<int, QStringList> parPage; // page: width, object, x-ppi, y-ppi
        for (const QString& ligne : lignes.mid(2)) {
            const QStringList c = ligne.simplified().split(u' ');
            if (c.size() >= 14 && c[2] == u"image"_qs && c[3] != u"261"_qs)
                parPage[c[0].toInt()] = {c[3], c[10], c[12], c[13]};
        }
        QCOMPARE(parPage.size(), 13);
        QSet<QString> objets;
        for (const QStringList& p : parPage) {
            objets << p[1];
            QVERIFY2(p[2].toInt() <= 300 && p[3].toInt() <= 300, qPrintable(p.join(u' ')));
        }
        QCOMPARE(objets.size(), 3);
        QVERIFY2(parPage[1][2].toInt() >= 290, qPrintable(parPage[1].join(u' ')));
        QCOMPARE(parPage[2][0], u"800"_qs);
        QCOMPARE(parPage[13][0], u"640"_qs);
    }

    void refus_data() {
        QTest::addColumn<QString>("ligne"); // the arguments, separated by |
        QTest::addColumn<QString>("message");
        // I: the pictures' folder, P: an empty one, 12: twelve good photos,
        // T: a PNG cut short.
        const QList<std::pair<QString, QString>> cas = {
            {u""_qs, u"Il manque l'année"_qs},
            {u"2026"_qs, u"Il manque le fichier PDF"_qs},
            {u"deux|s.pdf"_qs, u"pas « deux »"_qs},
            {u"0|s.pdf"_qs, u"L'année 0 n'est pas entre 1 et 3000"_qs},
            {u"3001|s.pdf"_qs, u"L'année 3001 n'est pas"_qs},
            {u"2026|s.pdf|--couleur"_qs, u"Option inconnue : --couleur"_qs},
            {u"2026|s.pdf|x"_qs, u"Argument en trop : x"_qs},
            {u"2026|s.pdf|--images"_qs, u"--images attend un dossier"_qs},
            {u"2026|s.pdf|--images|I/nulle"_qs, u"Le dossier d'images « I/nulle » n'existe pas"_qs},
            {u"2026|s.pdf|--images|P"_qs, u"ne contient aucune image"_qs},
            {u"2026|s.pdf|--photos|a|b|c"_qs, u"(3 données)"_qs},
            {u"2026|s.pdf|--photos|12|I/x.jpg"_qs, u"L'image « I/x.jpg » n'existe pas"_qs},
            {u"2026|s.pdf|--photos|12|I/LISEZMOI.txt"_qs, u"n'est pas une image lisible"_qs},
            // Found out on the last page, once twelve are written.
            {u"2026|s.pdf|--photos|12|T"_qs, u"n'a pas pu être lue"_qs},
            {u"2026|s.pdf|--images|I|--photos|12|I/x.jpg"_qs, u"ne vont pas ensemble"_qs},
            {u"2026|s.pdf|--programme|I/nulle"_qs, u"Le dossier du programme"_qs},
            {u"2026|I"_qs, u"est un dossier"_qs},
            {u"2026|I/nulle/s.pdf"_qs, u"Le dossier où écrire"_qs},
            {u"2026|/proc/s.pdf"_qs, u"Impossible d'écrire « /proc/s.pdf »"_qs},
        };
        for (const auto& [ligne, message] : cas)
            QTest::newRow(qPrintable(ligne)) << ligne << message;
    }
    void refus() {
        QFETCH(QString, ligne);
        QFETCH(QString, message);
        // Run from an empty folder, which it must leave empty.
        QTemporaryDir vide;
        const QString images = chemin(u"images"_qs);
        QStringList arguments;
        for (QString a : ligne.split(u'|', Qt::SkipEmptyParts)) {
            a.replace(u"I/"_qs, images + u'/');
            if (a == u"12"_qs)
                arguments << QStringList(12, images + u"/1 couverture.jpg"_qs);
            else
                arguments << (a == u"I"_qs   ? images
                              : a == u"P"_qs ? vide.path()
                              : a == u"T"_qs ? chemin(u"tronquee.png"_qs)
                                             : a);
        }
        message.replace(u"I/"_qs, images + u'/');
        const Execution e = executer(CALENDRIER_PDF, arguments, vide.path());
        QCOMPARE(e.statut, 2);
        // Said on a line of its own (a decoder may have spoken before).
        const QRegularExpression dit(u"^calendrier-pdf : .*"_qs +
                                         QRegularExpression::escape(message),
                                     QRegularExpression::MultilineOption);
        QVERIFY2(e.erreurs.contains(dit), qPrintable(e.erreurs));
        QCOMPARE(e.sortie, QString());
        QCOMPARE(
            QDir(vide.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCalendrierPdf)
#include "tst_calendrierpdf.moc"
