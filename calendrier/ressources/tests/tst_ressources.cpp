#include "calendrier/ressources/ressources.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString programme(const QString& nom) {
    return QDir(qEnvironmentVariable("QUIVEX_PROGRAMME_DIR")).filePath(nom);
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first-name lookup of the month pages, on the file as delivered: the
// first record whose Jour, less its first two characters, trimmed and in
// lower case, is the month, and whose first two are the day.
QString prenom(const QByteArray& fichier, int jour, const QString& libelleMois) {
    const QString cle = libelleMois.trimmed().toLower();
    for (qsizetype i = 0; i + 40 <= fichier.size(); i += 40) {
        const QString nom = plateforme::depuisCp1252(fichier.mid(i, 20));
        const QString leJour = plateforme::depuisCp1252(fichier.mid(i + 20, 20));
        if (leJour.mid(2).trimmed().toLower() == cle && leJour.left(2).toInt() == jour)
            return nom.trimmed();
    }
    return {};
}

const QStringList kLibelles = {u" Janvier "_qs, u" Fevrier "_qs,  u" Mars "_qs,
                               u" Avril "_qs,   u" Mai "_qs,      u" Juin "_qs,
                               u" Juillet "_qs, u" Aout "_qs,     u" Septembre "_qs,
                               u" Octobre "_qs, u" Novembre "_qs, u" Decembre "_qs};

} // namespace

class TestRessources : public QObject {
    Q_OBJECT

private slots:
    // Every day of a leap year has the name its source line gives it, found
    // as the month pages look it up; no day beyond a month's end has one.
    void chaqueJourASonPrenom() {
        const QByteArray fichier = lire(programme(u"Prenoms"_qs));
        QCOMPARE(fichier.size(), 366 * 40);
        const QString source = QString::fromUtf8(lire(QStringLiteral(SOURCE_PRENOMS)));
        const int jours[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int mois = 0; mois < 12; ++mois)
            for (int jour = 1; jour <= jours[mois]; ++jour) {
                const QString cle = u"%1 %2"_qs.arg(jour, 2, 10, QLatin1Char('0'))
                                        .arg(kLibelles[mois].trimmed().toLower());
                const QRegularExpression ligne(u"^"_qs + cle + u" +(\\S.*)$"_qs,
                                               QRegularExpression::MultilineOption);
                const QString nom = ligne.match(source).captured(1).trimmed();
                QVERIFY2(!nom.isEmpty(), qPrintable(cle));
                QCOMPARE(prenom(fichier, jour, kLibelles[mois]), nom);
            }
        QVERIFY(prenom(fichier, 30, kLibelles[1]).isEmpty());
        QVERIFY(prenom(fichier, 32, kLibelles[0]).isEmpty());
        // Printable fixed records: the name first, the day on two digits.
        for (qsizetype i = 0; i < fichier.size(); i += 40) {
            const QByteArray r = fichier.mid(i, 40);
            for (char c : r)
                QVERIFY2(static_cast<unsigned char>(c) >= 0x20, qPrintable(QString::number(i)));
            QVERIFY(r[0] != ' ');
            QVERIFY(std::isdigit(static_cast<unsigned char>(r[20])));
            QVERIFY(std::isdigit(static_cast<unsigned char>(r[21])));
        }
    }

    void couleurs() {
        const QByteArray octets = lire(programme(u"Couleur"_qs));
        QCOMPARE(octets.count("\r\n"), 37);
        QCOMPARE(octets.count('\n'), 37);
        const QStringList valeurs = plateforme::lireValeurs(programme(u"Couleur"_qs));
        QCOMPARE(valeurs.size(), 37);
        for (int cellule = 0; cellule < 37; ++cellule) {
            bool ok = false;
            const long long v = valeurs[cellule].toLongLong(&ok);
            QVERIFY(ok && v >= 0 && v <= 0xFFFFFF);
            // One tone for the working days, another for the weekend.
            const bool finDeSemaine = cellule % 7 >= 5;
            QCOMPARE(valeurs[cellule] == valeurs[5], finDeSemaine);
            QCOMPARE(valeurs[cellule] == valeurs[0], !finDeSemaine);
        }
    }

    // The corners' ornaments: see-through away from the corner, each the
    // other's mirror.
    void ornement() {
        const QImage gauche = ressources::ornement(ressources::Coin::BasGauche);
        QVERIFY(!gauche.isNull() && gauche.hasAlphaChannel());
        QCOMPARE(qAlpha(gauche.pixel(gauche.width() - 10, 5)), 0);
        QCOMPARE(ressources::ornement(ressources::Coin::BasDroite), gauche.mirrored(true, false));
    }

    void sourceFautiveRefusee_data() {
        QTest::addColumn<QString>("remplacer");
        QTest::addColumn<QString>("par");
        QTest::newRow("jour manquant") << u"29 fevrier   Auguste\n"_qs << QString();
        QTest::newRow("jour en double") << u"29 fevrier"_qs << u"28 fevrier"_qs;
        QTest::newRow("mois inconnu") << u"29 fevrier"_qs << u"29 février"_qs;
        QTest::newRow("jour impossible") << u"30 avril"_qs << u"31 avril"_qs;
        QTest::newRow("nom trop long") << u"Auguste"_qs << u"Auguste-Alexandre-Marie"_qs;
        QTest::newRow("hors Windows-1252") << u"Auguste"_qs << u"Łukasz"_qs;
    }
    void sourceFautiveRefusee() {
        QFETCH(QString, remplacer);
        QFETCH(QString, par);
        QString source = QString::fromUtf8(lire(QStringLiteral(SOURCE_PRENOMS)));
        QVERIFY(source.contains(remplacer));
        source.replace(remplacer, par);
        QTemporaryDir dossier;
        QFile f(dossier.filePath(u"prenoms.txt"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(source.toUtf8());
        f.close();
        const QString sortie = dossier.filePath(u"Prenoms"_qs);
        QProcess generateur;
        generateur.start(QStringLiteral(GENERATEUR), {u"prenoms"_qs, f.fileName(), sortie});
        QVERIFY(generateur.waitForFinished());
        QCOMPARE(generateur.exitCode(), 1);
        QVERIFY(!generateur.readAllStandardError().isEmpty());
        QVERIFY(!QFile::exists(sortie));
    }
};

QTEST_MAIN(TestRessources)
#include "tst_ressources.moc"
