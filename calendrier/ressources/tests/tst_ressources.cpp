#include "calendrier/ressources/ressources.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

// The numeric value of a text: its leading digits, after blanks.
int valeur(const QString& texte) {
    const QString t = texte.trimmed();
    int n = 0;
    for (QChar c : t) {
        if (!c.isDigit())
            break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The first-name lookup of the month pages, on the file as delivered: the
// first record whose Jour, less its first two characters, trimmed and in
// lower case, is the month, and whose numeric value is the day.
QString prenom(const QByteArray& fichier, int jour, const QString& libelleMois) {
    const QString cle = libelleMois.trimmed().toLower();
    for (qsizetype i = 0; i + 40 <= fichier.size(); i += 40) {
        const QString nom = plateforme::depuisCp1252(fichier.mid(i, 20));
        const QString leJour = plateforme::depuisCp1252(fichier.mid(i + 20, 20));
        if (leJour.mid(2).trimmed().toLower() == cle && valeur(leJour) == jour)
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
    void chaqueJourASonPrenom() {
        const QByteArray fichier = lire(programme(u"Prenoms"_qs));
        QCOMPARE(fichier.size(), 366 * 40);
        const int jours[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int trouves = 0;
        for (int mois = 0; mois < 12; ++mois)
            for (int jour = 1; jour <= jours[mois]; ++jour) {
                const QString nom = prenom(fichier, jour, kLibelles[mois]);
                QVERIFY2(!nom.isEmpty(), qPrintable(QString::number(jour) + kLibelles[mois]));
                ++trouves;
            }
        QCOMPARE(trouves, 366);
        QVERIFY(prenom(fichier, 30, kLibelles[1]).isEmpty());
        QVERIFY(prenom(fichier, 32, kLibelles[0]).isEmpty());
    }

    void prenomsConnus_data() {
        QTest::addColumn<int>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("nom");
        QTest::newRow("jour de l'an") << 1 << 1 << u"Marie"_qs;
        QTest::newRow("accent") << 3 << 1 << u"Geneviève"_qs;
        QTest::newRow("saint Valentin") << 14 << 2 << u"Valentin"_qs;
        QTest::newRow("29 fevrier") << 29 << 2 << u"Auguste"_qs;
        QTest::newRow("saint Joseph") << 19 << 3 << u"Joseph"_qs;
        QTest::newRow("assomption") << 15 << 8 << u"Marie"_qs;
        QTest::newRow("trait d'union") << 22 << 7 << u"Marie-Madeleine"_qs;
        QTest::newRow("saint Nicolas") << 6 << 12 << u"Nicolas"_qs;
        QTest::newRow("noel") << 25 << 12 << u"Noël"_qs;
        QTest::newRow("saint Sylvestre") << 31 << 12 << u"Sylvestre"_qs;
    }
    void prenomsConnus() {
        QFETCH(int, jour);
        QFETCH(int, mois);
        QFETCH(QString, nom);
        QCOMPARE(prenom(lire(programme(u"Prenoms"_qs)), jour, kLibelles[mois - 1]), nom);
    }

    void octetsDesEnregistrements() {
        const QByteArray fichier = lire(programme(u"Prenoms"_qs));
        QCOMPARE(fichier.left(40), QByteArray("Marie               01janvier           "));
        QCOMPARE(fichier.mid(80, 40), QByteArray("Genevi\xE8ve           03janvier           "));
        QCOMPARE(fichier.mid(59 * 40, 40), QByteArray("Auguste             29fevrier           "));
        QCOMPARE(fichier.right(40), QByteArray("Sylvestre           31decembre          "));
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

    void ornement() {
        const QImage gauche = ressources::ornement(ressources::Coin::BasGauche);
        const QImage droite = ressources::ornement(ressources::Coin::BasDroite);
        QCOMPARE(gauche.size(), QSize(261, 251));
        QVERIFY(gauche.hasAlphaChannel());
        QCOMPARE(qAlpha(gauche.pixel(250, 5)), 0);    // away from the corner
        QCOMPARE(qAlpha(gauche.pixel(20, 231)), 255); // the bead in the corner
        QCOMPARE(qAlpha(droite.pixel(240, 231)), 255);
        QCOMPARE(droite.pixel(0, 100), gauche.pixel(260, 100));
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
