#include "plateforme/essais/lectureseule.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/tests/photoappareil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using namespace plateforme;

class TestFichierTexte : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }
    QByteArray octets(const QString& nom) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    // The names in the folder and in its folder s, hidden ones too.
    QStringList entrees() const {
        const auto filtre = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        return QDir(dossier_.path()).entryList(filtre) + QDir(chemin(u"s"_qs)).entryList(filtre);
    }

private slots:
    void init() { QDir(dossier_.path()).removeRecursively(), QDir().mkpath(dossier_.path()); }

    // Written as Windows-1252 with CR LF and quoted only when it holds a comma
    // or a quote, so that reading by value and reading by line both give every
    // value back whole; what the code page cannot hold is one '?' a character.
    void ecritureLecture_data() {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QByteArray>("ligne");
        QTest::newRow("vide") << QString() << QByteArray();
        QTest::newRow("haut") << u"€ Ÿ ‚"_qs << QByteArray("\x80 \x9F \x82");
        QTest::newRow("octets non attribues") << u"\u0081\u009D"_qs << QByteArray("\x81\x9D");
        QTest::newRow("hors code") << u"a\u4E2Db\U0001F600c"_qs << QByteArray("a?b?c");
        QTest::newRow("virgule") << u"Noël, été"_qs << QByteArray("\"No\xEBl, \xE9t\xE9\"");
        QTest::newRow("guillemets") << u"dit \"X\""_qs << QByteArray("\"dit \"\"X\"\"\"");
        QTest::newRow("entre guillemets") << u"\"A\",B"_qs << QByteArray("\"\"\"A\"\",B\"");
    }
    void ecritureLecture() {
        QFETCH(QString, valeur);
        QFETCH(QByteArray, ligne);
        QVERIFY(reecrire(chemin(u"f"_qs), {valeur, u"suite"_qs}));
        QCOMPARE(octets(u"f"_qs), ligne + "\r\nsuite\r\n");
        const bool tenu = std::all_of(valeur.begin(), valeur.end(), representableCp1252);
        QCOMPARE(tenu, !ligne.contains('?'));
        const QStringList lu{tenu ? valeur : QString::fromLatin1(ligne), u"suite"_qs};
        QCOMPARE(lireValeurs(chemin(u"f"_qs)), lu);
        QCOMPARE(lireLignes(chemin(u"f"_qs)), lu);
    }

    // Files written by hand or by other programs; the values and lines read
    // back, '|' between them.
    void lecture_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("valeurs");
        QTest::addColumn<QString>("lignes");
        QTest::newRow("blancs et virgules")
            << QByteArray(" 1 , b ,c\r\n\r\n\t4\r\n") << u"1 |b |c||4"_qs << u" 1 , b ,c||\t4"_qs;
        QTest::newRow("apres guillemets")
            << QByteArray("\"a\" x,\"b\"\r\n") << u"a|b"_qs << u"\"a\" x,\"b\""_qs;
        QTest::newRow("non ferme") << QByteArray("\"a,b\r\nc\r\n") << u"a,b|c"_qs << u"\"a,b|c"_qs;
        QTest::newRow("LF, CR") << QByteArray("x\ny\rz") << u"x|y\rz"_qs << u"x|y\rz"_qs;
        QTest::newRow("vide") << QByteArray() << QString() << QString();
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, valeurs);
        QFETCH(QString, lignes);
        QVERIFY(ecrire(chemin(u"v"_qs), contenu));
        const auto liste = [](const QString& s) {
            return s.isNull() ? QStringList() : s.split(u'|');
        };
        QCOMPARE(lireValeurs(chemin(u"v"_qs)), liste(valeurs));
        QCOMPARE(lireLignes(chemin(u"v"_qs)), liste(lignes));
    }

    void nombres() {
        QVERIFY(ecrire(chemin(u"n"_qs), " 1 \r\n -4 \r\n12abc\r\nabc\r\n"));
        LecteurValeurs l(chemin(u"n"_qs));
        for (const long long attendu : {1, -4, 12, 0})
            QCOMPARE(l.suivanteNombre(), std::optional<long long>(attendu));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>());
    }

    // Added to, made, emptied under any spelling of their names.
    void nomsSansCasse() {
        QVERIFY(QDir(dossier_.path()).mkdir(u"SaveCalend"_qs));
        QVERIFY(prolonger(chemin(u"SaveCalend/FAMILLE2007.Ans"_qs), {u"a"_qs}));
        QVERIFY(prolonger(chemin(u"savecalend/famille2007.ANS"_qs), {u"b"_qs, u"c,d"_qs}));
        QCOMPARE(octets(u"SaveCalend/FAMILLE2007.Ans"_qs), QByteArray("a\r\nb\r\n\"c,d\"\r\n"));
        // A new file lands in the folder that exists under another spelling.
        QVERIFY(reecrire(chemin(u"savecalend/Neuf.Ans"_qs), {u"n"_qs}));
        // A fresh file replaces the old in one step: a second name of the old
        // file keeps it whole, unlike an in-place rewrite (cut by a crash).
        const QByteArray neuf = QFile::encodeName(chemin(u"SaveCalend/Neuf.Ans"_qs));
        QCOMPARE(::link(neuf, neuf + ".temoin"), 0);
        QVERIFY(vider(chemin(u"SAVECALEND/neuf.ans"_qs)));
        QCOMPARE(octets(u"SaveCalend/Neuf.Ans.temoin"_qs), QByteArray("n\r\n"));
        QCOMPARE(octets(u"SaveCalend/Neuf.Ans"_qs), QByteArray());
    }

    // A write that cannot be completed is told and leaves the folder as it
    // was: the old file byte for byte, nothing beside it.
    void ecritureImpossible_data() {
        QTest::addColumn<bool>("prolonge"); // or rewrites s/Fete, 40 lines (1320 bytes)
        QTest::addColumn<int>("nouvelles");
        QTest::addColumn<int>("disque"); // bytes a file may reach; -1: read-only
        QTest::newRow("reecriture, disque plein") << false << 5 << 100;
        // 1000 lines go past Qt's write buffer.
        QTest::newRow("grande reecriture, disque plein") << false << 1000 << 20000;
        QTest::newRow("prolongement, disque plein") << true << 5 << 1400;
        QTest::newRow("reecriture, lecture seule") << false << 5 << -1;
    }
    void ecritureImpossible() {
        QFETCH(bool, prolonge);
        QFETCH(int, nouvelles);
        QFETCH(int, disque);
        QVERIFY(QDir(dossier_.path()).mkdir(u"s"_qs));
        const QString ligne = u"0000 ANNIVERSAIRE DE LA FAMILLE"_qs;
        QVERIFY(reecrire(chemin(u"s/Fete"_qs), QStringList(40, ligne)));
        const QStringList avant = entrees();
        const QByteArray fete = octets(u"s/Fete"_qs);
        // A full disk: past `disque` bytes, a write fails (EFBIG).
        rlimit normale{};
        getrlimit(RLIMIT_FSIZE, &normale);
        const rlimit limite{rlim_t(disque), normale.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        std::optional<DossierEnLectureSeule> protege;
        if (disque > 0)
            setrlimit(RLIMIT_FSIZE, &limite);
        if (disque < 0)
            protege.emplace(chemin(u"s"_qs));
        const bool ecrit =
            (prolonge ? prolonger : reecrire)(chemin(u"s/Fete"_qs), QStringList(nouvelles, ligne));
        setrlimit(RLIMIT_FSIZE, &normale);
        QVERIFY(!ecrit);
        QCOMPARE(entrees(), avant);
        QCOMPARE(octets(u"s/Fete"_qs), fete);
    }
};

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_fichiertexte.moc"
