#include "plateforme/essais/lectureseule.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using namespace plateforme;

namespace {

// A full disk for the time of a write: past `octets`, a write fails (EFBIG)
// instead of ending the process.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        const rlimit limite{octets, avant_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit avant_{};
    void (*signal_)(int);
};

// `n` lines of 33 bytes each once written.
QStringList lignesNumerotees(int n) {
    QStringList lignes;
    for (int i = 0; i < n; ++i)
        lignes << u"%1 ANNIVERSAIRE DE LA FAMILLE"_qs.arg(i, 4, 10, QChar(u'0'));
    return lignes;
}

} // namespace

class TestFichierTexte : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }
    QByteArray octets(const QString& nom) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void poser(const QString& nom, const QByteArray& contenu) {
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenu);
    }

private slots:
    void init() { QDir(dossier_.path()).removeRecursively(), QDir().mkpath(dossier_.path()); }

    // Written as Windows-1252 with CR LF, read back the same; what the code
    // page cannot hold is one '?' a character.
    void encodages_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("ligne");
        QTest::newRow("accents") << u"Fête à Noël"_qs << QByteArray("F\xEAte \xE0 No\xEBl");
        QTest::newRow("haut de la table")
            << u"€ œ Ÿ … ‚"_qs << QByteArray("\x80 \x9C \x9F \x85 \x82");
        QTest::newRow("octets non attribues") << u"\u0081\u009D"_qs << QByteArray("\x81\x9D");
        QTest::newRow("hors code") << u"a\u4E2Db"_qs << QByteArray("a?b");
        QTest::newRow("hors du plan de base") << u"a\U0001F600b"_qs << QByteArray("a?b");
        QByteArray tous; // every byte that needs no quotes
        for (int b = 0x20; b < 256; ++b)
            if (b != ',' && b != '"' && b != '?')
                tous += char(b);
        QTest::newRow("tous les octets") << depuisCp1252(tous) << tous;
    }
    void encodages() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, ligne);
        QVERIFY(reecrire(chemin(u"f"_qs), {texte}));
        QCOMPARE(octets(u"f"_qs), ligne + "\r\n");
        const bool tenu = !ligne.contains('?');
        QCOMPARE(lireLignes(chemin(u"f"_qs)),
                 QStringList{tenu ? texte : QString::fromLatin1(ligne)});
        QCOMPARE(std::all_of(texte.begin(), texte.end(), representableCp1252), tenu);
    }

    // Quoted only when it holds a comma or a quote, so that reading by value
    // and reading by line both give every value back whole.
    void guillemets_data() {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QByteArray>("ligne");
        QTest::newRow("simple") << u"/home/a/photo.jpg"_qs << QByteArray("/home/a/photo.jpg");
        QTest::newRow("blancs en fin") << u"/a/photo .jpg "_qs << QByteArray("/a/photo .jpg ");
        QTest::newRow("vide") << QString() << QByteArray();
        QTest::newRow("virgule") << u"/a/Noël, été.jpg"_qs
                                 << QByteArray("\"/a/No\xEBl, \xE9t\xE9.jpg\"");
        QTest::newRow("guillemets") << u"dit \"X\""_qs << QByteArray("\"dit \"\"X\"\"\"");
        QTest::newRow("guillemet seul") << u"\""_qs << QByteArray("\"\"\"\"");
        QTest::newRow("entre guillemets") << u"\"A\",B"_qs << QByteArray("\"\"\"A\"\",B\"");
    }
    void guillemets() {
        QFETCH(QString, valeur);
        QFETCH(QByteArray, ligne);
        QVERIFY(reecrire(chemin(u"r"_qs), {valeur, u"suite"_qs}));
        QCOMPARE(octets(u"r"_qs), ligne + "\r\nsuite\r\n");
        QCOMPARE(lireValeurs(chemin(u"r"_qs)), (QStringList{valeur, u"suite"_qs}));
        QCOMPARE(lireLignes(chemin(u"r"_qs)), (QStringList{valeur, u"suite"_qs}));
    }

    void prolongeEtVide() {
        QVERIFY(prolonger(chemin(u"p"_qs), {u"a"_qs}));
        QVERIFY(prolonger(chemin(u"p"_qs), {u"b"_qs, u"c,d"_qs}));
        QCOMPARE(octets(u"p"_qs), QByteArray("a\r\nb\r\n\"c,d\"\r\n"));
        QVERIFY(vider(chemin(u"p"_qs)));
        QCOMPARE(octets(u"p"_qs), QByteArray());
        QVERIFY(QFile::exists(chemin(u"p"_qs)));
    }

    // Files written by hand or by other programs.
    void lecture_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("valeurs");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("blancs et virgules") << QByteArray(" 1 , b ,c\r\n\r\n\t4\r\n")
                                            << QStringList{u"1 "_qs, u"b "_qs, u"c"_qs, {}, u"4"_qs}
                                            << QStringList{u" 1 , b ,c"_qs, {}, u"\t4"_qs};
        QTest::newRow("virgule finale")
            << QByteArray("a,\r\n b\r\n") << QStringList{u"a"_qs, u"b"_qs}
            << QStringList{u"a,"_qs, u" b"_qs};
        QTest::newRow("guillemets suivis d'autre chose")
            << QByteArray("\"a\" x,\"b\"\r\n") << QStringList{u"a"_qs, u"b"_qs}
            << QStringList{u"\"a\" x,\"b\""_qs};
        QTest::newRow("guillemet non ferme")
            << QByteArray("\"a,b\r\nc\r\n") << QStringList{u"a,b"_qs, u"c"_qs}
            << QStringList{u"\"a,b"_qs, u"c"_qs};
        QTest::newRow("fins LF et CR seuls")
            << QByteArray("x\ny\rz") << QStringList{u"x"_qs, u"y\rz"_qs}
            << QStringList{u"x"_qs, u"y\rz"_qs};
        QTest::newRow("vide") << QByteArray() << QStringList{} << QStringList{};
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, valeurs);
        QFETCH(QStringList, lignes);
        poser(u"v"_qs, contenu);
        QCOMPARE(lireValeurs(chemin(u"v"_qs)), valeurs);
        QCOMPARE(lireLignes(chemin(u"v"_qs)), lignes);
    }

    void nombresEtAbsent() {
        poser(u"n"_qs, " 1 \r\n -4 \r\n12abc\r\nabc\r\n");
        LecteurValeurs l(chemin(u"n"_qs));
        for (const long long attendu : {1, -4, 12, 0})
            QCOMPARE(l.suivanteNombre(), std::optional<long long>(attendu));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>());
        QCOMPARE(premierNombre(chemin(u"absent"_qs)), 0LL);
        QCOMPARE(premiereValeur(chemin(u"absent"_qs)), QString());
        QCOMPARE(lireLignes(chemin(u"absent"_qs)), QStringList{});
    }

    void nomsSansCasse() {
        QVERIFY(QDir(dossier_.path()).mkdir(u"SaveCalend"_qs));
        poser(u"SaveCalend/FAMILLE2007.Ans"_qs, "x\r\n");
        QCOMPARE(cheminReel(chemin(u"SAVECALEND/famille2007.ans"_qs)),
                 chemin(u"SaveCalend/FAMILLE2007.Ans"_qs));
        QVERIFY(prolonger(chemin(u"savecalend/famille2007.ANS"_qs), {u"y"_qs}));
        QCOMPARE(octets(u"SaveCalend/FAMILLE2007.Ans"_qs), QByteArray("x\r\ny\r\n"));
        // A new file lands in the folder that exists under another spelling.
        QVERIFY(reecrire(chemin(u"savecalend/Neuf.Ans"_qs), {u"n"_qs}));
        QCOMPARE(QDir(chemin(u"SaveCalend"_qs)).entryList(QDir::Files),
                 (QStringList{u"FAMILLE2007.Ans"_qs, u"Neuf.Ans"_qs}));
        // Where both spellings exist, the exact one is used.
        poser(u"SaveCalend/famille2007.ans"_qs, "z\r\n");
        QCOMPARE(cheminReel(chemin(u"SaveCalend/famille2007.ans"_qs)),
                 chemin(u"SaveCalend/famille2007.ans"_qs));

        // Relative names are looked up in the current folder and stay relative.
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier_.path()));
        const QString reel = cheminReel(u"savecalend/neuf.ans"_qs);
        QDir::setCurrent(ancien);
        QCOMPARE(reel, u"SaveCalend/Neuf.Ans"_qs);
    }

    void reecritureAtomique() {
        // The new contents go to a fresh file that replaces the old one in a
        // single step: a second name of the old file keeps the old contents
        // whole, which an in-place rewrite (the one a crash can cut) would not.
        poser(u"a"_qs, "ancien\r\n");
        QVERIFY(::link(QFile::encodeName(chemin(u"a"_qs)).constData(),
                       QFile::encodeName(chemin(u"temoin"_qs)).constData()) == 0);
        QVERIFY(reecrire(chemin(u"a"_qs), {u"nouveau"_qs}));
        QCOMPARE(octets(u"a"_qs), QByteArray("nouveau\r\n"));
        QCOMPARE(octets(u"temoin"_qs), QByteArray("ancien\r\n"));
        QCOMPARE(QDir(dossier_.path()).entryList(QDir::Files).size(), 2);
    }

    // A write that cannot be completed is told and leaves the folder as it
    // was: the old file byte for byte (or no file), nothing beside it.
    void ecritureImpossible_data() {
        QTest::addColumn<bool>("prolonge"); // or rewrites
        QTest::addColumn<QString>("nom");   // s/Fete holds 40 lines (1320 bytes) before
        QTest::addColumn<int>("nouvelles");
        QTest::addColumn<int>("disque"); // bytes a file may reach; 0: no limit; -1: read-only
        const QString liste = u"s/Fete"_qs;
        // 1000 lines go past Qt's write buffer.
        QTest::newRow("reecriture, disque plein") << false << liste << 5 << 100;
        QTest::newRow("grande reecriture, disque plein") << false << liste << 1000 << 20000;
        QTest::newRow("prolongement, disque plein") << true << liste << 5 << 1400;
        QTest::newRow("prolongement d'un absent, disque plein") << true << u"s/Neuf"_qs << 5 << 100;
        QTest::newRow("reecriture, lecture seule") << false << liste << 5 << -1;
        QTest::newRow("vider, lecture seule") << false << liste << 0 << -1;
        QTest::newRow("reecriture, dossier absent") << false << u"absent/f"_qs << 1 << 0;
        QTest::newRow("prolongement, dossier absent") << true << u"absent/f"_qs << 1 << 0;
        QTest::newRow("un dossier a sa place") << false << u"s"_qs << 1 << 0;
    }
    void ecritureImpossible() {
        QFETCH(bool, prolonge);
        QFETCH(QString, nom);
        QFETCH(int, nouvelles);
        QFETCH(int, disque);
        QVERIFY(QDir(dossier_.path()).mkdir(u"s"_qs));
        QVERIFY(reecrire(chemin(u"s/Fete"_qs), lignesNumerotees(40)));
        const auto entrees = [&] {
            QStringList liste;
            for (QDirIterator i(dossier_.path(),
                                QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                QDirIterator::Subdirectories);
                 i.hasNext();)
                liste << i.next() + QString::number(i.fileInfo().size());
            liste.sort();
            return liste;
        };
        const QStringList avant = entrees();
        const QByteArray fete = octets(u"s/Fete"_qs);
        bool ecrit = false;
        {
            std::optional<DisquePlein> plein;
            std::optional<DossierEnLectureSeule> protege;
            if (disque > 0)
                plein.emplace(disque);
            if (disque < 0)
                protege.emplace(QFileInfo(chemin(nom)).path());
            const QStringList lignes = lignesNumerotees(nouvelles);
            ecrit = prolonge ? prolonger(chemin(nom), lignes) : reecrire(chemin(nom), lignes);
        }
        QVERIFY(!ecrit);
        QCOMPARE(entrees(), avant);
        QCOMPARE(octets(u"s/Fete"_qs), fete);
    }
};

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_fichiertexte.moc"
