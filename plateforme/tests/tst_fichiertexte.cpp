#include "plateforme/essais/lectureseule.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
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

// The reader by value as first written, which searched each comma through the
// rest of the whole text: slow on long files, but what every input must keep
// reading as.
QStringList valeursDeReference(QString t) {
    t.replace(u"\r\n"_qs, u"\n"_qs);
    QStringList valeurs;
    qsizetype pos = 0;
    while (pos < t.size()) {
        qsizetype finLigne = t.indexOf(u'\n', pos);
        if (finLigne < 0)
            finLigne = t.size();
        while (pos < finLigne && (t[pos] == u' ' || t[pos] == u'\t'))
            ++pos;
        QString valeur;
        if (pos < finLigne && t[pos] == u'"') {
            ++pos;
            while (pos < finLigne) {
                if (t[pos] == u'"') {
                    if (pos + 1 < finLigne && t[pos + 1] == u'"') {
                        valeur += u'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                valeur += t[pos++];
            }
            const qsizetype virgule = t.indexOf(u',', pos);
            pos = (virgule >= 0 && virgule < finLigne) ? virgule + 1 : finLigne;
        } else {
            const qsizetype virgule = t.indexOf(u',', pos);
            const qsizetype fin = (virgule >= 0 && virgule < finLigne) ? virgule : finLigne;
            valeur = t.mid(pos, fin - pos);
            pos = fin < finLigne ? fin + 1 : finLigne;
        }
        if (pos >= finLigne)
            pos = finLigne + 1;
        valeurs << valeur;
    }
    return valeurs;
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

    void reecritEnCp1252AvecCrLf_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("vide") << QStringList{} << QByteArray();
        QTest::newRow("nombres") << QStringList{u"1"_qs, u"4"_qs} << QByteArray("1\r\n4\r\n");
        QTest::newRow("accents") << QStringList{u"Fête à Noël"_qs}
                                 << QByteArray("F\xEAte \xE0 No\xEBl\r\n");
        QTest::newRow("haut de la table")
            << QStringList{u"€ œ Ÿ …"_qs} << QByteArray("\x80 \x9C \x9F \x85\r\n");
        QTest::newRow("hors code") << QStringList{u"a\u4E2Db"_qs} << QByteArray("a?b\r\n");
        QTest::newRow("hors du plan de base")
            << QStringList{u"a\U0001F600b"_qs} << QByteArray("a?b\r\n");
        QTest::newRow("octet non attribue")
            << QStringList{u"\u0081\u009D"_qs} << QByteArray("\x81\x9D\r\n");
        QTest::newRow("ligne vide") << QStringList{QString()} << QByteArray("\r\n");
        QTest::newRow("blancs gardes") << QStringList{u"  A  "_qs} << QByteArray("  A  \r\n");
        QTest::newRow("nombre entoure") << QStringList{u" 0 "_qs} << QByteArray(" 0 \r\n");
        QTest::newRow("virgule entre guillemets")
            << QStringList{u"DUPONT, JEAN"_qs} << QByteArray("\"DUPONT, JEAN\"\r\n");
        QTest::newRow("guillemets doubles")
            << QStringList{u"dit \"X\""_qs} << QByteArray("\"dit \"\"X\"\"\"\r\n");
    }
    void reecritEnCp1252AvecCrLf() {
        QFETCH(QStringList, lignes);
        QFETCH(QByteArray, attendu);
        QVERIFY(reecrire(chemin(u"f"_qs), lignes));
        QCOMPARE(octets(u"f"_qs), attendu);
    }

    void cp1252OctetParOctet() {
        // Every byte reads as its Windows-1252 character and writes back unchanged.
        QByteArray tous;
        for (int b = 1; b < 256; ++b)
            tous += static_cast<char>(b);
        const QString texte = depuisCp1252(tous);
        QCOMPARE(texte.size(), tous.size());
        QCOMPARE(versCp1252(texte), tous);
        QCOMPARE(texte[0x80 - 1], QChar(0x20AC));
        QCOMPARE(texte[0x9C - 1], QChar(0x0153));
        QCOMPARE(texte[0xE9 - 1], QChar(0x00E9));
        QVERIFY(representableCp1252(QChar(0x0178)));
        QVERIFY(!representableCp1252(QChar(0x0100)));

        poser(u"lu"_qs, "No\xEBl \x80\r\n");
        QCOMPARE(lireLignes(chemin(u"lu"_qs)), QStringList{u"Noël €"_qs});
    }

    void prolongeEtVide() {
        QVERIFY(prolonger(chemin(u"p"_qs), {u"a"_qs}));
        QVERIFY(prolonger(chemin(u"p"_qs), {u"b"_qs, u"c"_qs}));
        QCOMPARE(octets(u"p"_qs), QByteArray("a\r\nb\r\nc\r\n"));
        QVERIFY(vider(chemin(u"p"_qs)));
        QCOMPARE(octets(u"p"_qs), QByteArray());
        QVERIFY(QFile::exists(chemin(u"p"_qs)));
    }

    void lectureParValeur_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("valeurs");
        QTest::newRow("deux lignes") << QByteArray("1\r\n4\r\n") << QStringList{u"1"_qs, u"4"_qs};
        QTest::newRow("blancs") << QByteArray(" 1 \r\n  4\r\n") << QStringList{u"1 "_qs, u"4"_qs};
        QTest::newRow("virgules") << QByteArray("a, b ,c\r\n")
                                  << QStringList{u"a"_qs, u"b "_qs, u"c"_qs};
        QTest::newRow("virgule finale")
            << QByteArray("a,\r\n b\r\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("texte apres guillemets")
            << QByteArray("\"a\" x,b\r\n") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("guillemet non ferme")
            << QByteArray("\"a,b\r\nc\r\n") << QStringList{u"a,b"_qs, u"c"_qs};
        QTest::newRow("guillemets")
            << QByteArray("\"a,b\"\r\nc\r\n") << QStringList{u"a,b"_qs, u"c"_qs};
        QTest::newRow("guillemets doubles")
            << QByteArray("\"dit \"\"oui\"\"\"\r\n") << QStringList{u"dit \"oui\""_qs};
        QTest::newRow("ligne vide") << QByteArray("\r\nx\r\n") << QStringList{QString(), u"x"_qs};
        QTest::newRow("sans fin de ligne") << QByteArray("x") << QStringList{u"x"_qs};
        QTest::newRow("fin LF seul") << QByteArray("x\ny\n") << QStringList{u"x"_qs, u"y"_qs};
        QTest::newRow("vide") << QByteArray() << QStringList{};
    }
    void lectureParValeur() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, valeurs);
        poser(u"v"_qs, contenu);
        QCOMPARE(lireValeurs(chemin(u"v"_qs)), valeurs);
    }

    void lectureParValeurCommeLaReference_data() {
        QTest::addColumn<QByteArray>("contenu");
        const QList<QByteArray> fixes = {
            "\"a\"\"",        "\"\r\n",         "a\rb,c\r\n",   "  ,  \n,,,",
            " \"a\" \"b\",c", "\"a,\nb\",c\n",  "\r\r\n\n\r\n", "\t\"\"\"\" x, y \r\n",
            "a,\"",           "x ,\r\n\r\n ,y "};
        for (qsizetype i = 0; i < fixes.size(); ++i)
            QTest::addRow("fixe %lld", static_cast<long long>(i)) << fixes[i];
        QRandomGenerator hasard(1789);
        for (int i = 0; i < 300; ++i) {
            QByteArray texte;
            for (int n = hasard.bounded(40); n > 0; --n)
                texte += "a,\" \r\n"[hasard.bounded(6)];
            QTest::addRow("hasard %d", i) << texte;
        }
    }
    void lectureParValeurCommeLaReference() {
        QFETCH(QByteArray, contenu);
        poser(u"v"_qs, contenu);
        QCOMPARE(lireValeurs(chemin(u"v"_qs)), valeursDeReference(QString::fromLatin1(contenu)));
    }

    void lectureParLigne_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("crlf") << QByteArray("a, b\r\n\r\n c \r\n")
                              << QStringList{u"a, b"_qs, QString(), u" c "_qs};
        QTest::newRow("valeur entre guillemets")
            << QByteArray("\"a,b\"\r\n") << QStringList{u"a,b"_qs};
        QTest::newRow("deux valeurs entre guillemets")
            << QByteArray("\"a\",\"b\"\r\n") << QStringList{u"\"a\",\"b\""_qs};
        QTest::newRow("sans fin de ligne") << QByteArray("a\r\nb") << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("fin LF seul") << QByteArray("a\nb\n") << QStringList{u"a"_qs, u"b"_qs};
    }
    void lectureParLigne() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, lignes);
        poser(u"l"_qs, contenu);
        QCOMPARE(lireLignes(chemin(u"l"_qs)), lignes);
    }

    void nombresEntoures() {
        poser(u"n"_qs, " 1 \r\n 4 \r\nabc\r\n");
        LecteurValeurs l(chemin(u"n"_qs));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>(1));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>(4));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>(0));
        QCOMPARE(l.suivanteNombre(), std::optional<long long>());
        QCOMPARE(premierNombre(chemin(u"absent"_qs)), 0LL);
    }

    void valeursRelues_data() {
        QTest::addColumn<QString>("valeur");
        QTest::newRow("simple") << u"/home/a/photo.jpg"_qs;
        QTest::newRow("virgule") << u"/home/a/vacances, été/photo.jpg"_qs;
        QTest::newRow("guillemet") << u"dit \"X\""_qs;
        QTest::newRow("guillemet seul") << u"\""_qs;
        QTest::newRow("entre guillemets") << u"\"A\""_qs;
        QTest::newRow("blancs en fin") << u"/home/a/photo .jpg "_qs;
        QTest::newRow("virgule et accents") << u"/home/a/Noël, œuvre/été.jpg"_qs;
    }
    void valeursRelues() {
        QFETCH(QString, valeur);
        QVERIFY(reecrire(chemin(u"r"_qs), {valeur, u"suite"_qs}));
        QCOMPARE(lireValeurs(chemin(u"r"_qs)), (QStringList{valeur, u"suite"_qs}));
        QCOMPARE(lireLignes(chemin(u"r"_qs)), (QStringList{valeur, u"suite"_qs}));
    }

    void nomsSansCasse() {
        poser(u"Temporaire.Tmp"_qs, "x\r\n");
        QCOMPARE(cheminReel(chemin(u"Temporaire.tmp"_qs)), chemin(u"Temporaire.Tmp"_qs));
        QVERIFY(prolonger(chemin(u"temporaire.TMP"_qs), {u"y"_qs}));
        QCOMPARE(octets(u"Temporaire.Tmp"_qs), QByteArray("x\r\ny\r\n"));
        QCOMPARE(QDir(dossier_.path()).entryList(QDir::Files), QStringList{u"Temporaire.Tmp"_qs});
        // Where both spellings exist, the exact one is used.
        poser(u"temporaire.tmp"_qs, "z\r\n");
        QCOMPARE(cheminReel(chemin(u"temporaire.tmp"_qs)), chemin(u"temporaire.tmp"_qs));
        QCOMPARE(cheminReel(chemin(u"Nouveau.ser"_qs)), chemin(u"Nouveau.ser"_qs));
    }

    void nomsSansCasseDansLesDossiers() {
        QVERIFY(QDir(dossier_.path()).mkdir(u"SaveCalend"_qs));
        poser(u"SaveCalend/FAMILLE2007.Ans"_qs, "x\r\n");
        QCOMPARE(cheminReel(chemin(u"SAVECALEND/famille2007.ans"_qs)),
                 chemin(u"SaveCalend/FAMILLE2007.Ans"_qs));
        // A new file lands in the folder that exists under another spelling.
        QVERIFY(reecrire(chemin(u"savecalend/Neuf.Ans"_qs), {u"n"_qs}));
        QCOMPARE(octets(u"SaveCalend/Neuf.Ans"_qs), QByteArray("n\r\n"));

        // Relative names are looked up in the current folder and stay relative.
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier_.path()));
        poser(u"LireCalend.Ser"_qs, "0\r\n");
        const QString reel = cheminReel(u"lirecalend.ser"_qs);
        const QString reelDossier = cheminReel(u"savecalend/neuf.ans"_qs);
        QDir::setCurrent(ancien);
        QCOMPARE(reel, u"LireCalend.Ser"_qs);
        QCOMPARE(reelDossier, u"SaveCalend/Neuf.Ans"_qs);
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
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("avant"); // lines already there; -1: no file
        QTest::addColumn<int>("nouvelles");
        QTest::addColumn<int>("disque"); // bytes a file may reach; 0: no limit
        QTest::addColumn<bool>("lectureSeule");
        const QString liste = u"s/Fete"_qs, neuf = u"s/Neuf"_qs, perdu = u"absent/f"_qs;
        // 40 lines: 1320 bytes; 1000 lines go past Qt's write buffer.
        QTest::newRow("reecriture, disque plein")
            << u"reecrire"_qs << liste << 40 << 5 << 100 << false;
        QTest::newRow("grande reecriture, disque plein")
            << u"reecrire"_qs << liste << 40 << 1000 << 20000 << false;
        QTest::newRow("prolongement, disque plein")
            << u"prolonger"_qs << liste << 40 << 5 << 1400 << false;
        QTest::newRow("grand prolongement, disque plein")
            << u"prolonger"_qs << liste << 40 << 1000 << 20000 << false;
        QTest::newRow("prolongement d'un absent, disque plein")
            << u"prolonger"_qs << neuf << -1 << 5 << 100 << false;
        QTest::newRow("reecriture, lecture seule")
            << u"reecrire"_qs << liste << 40 << 5 << 0 << true;
        QTest::newRow("vider, lecture seule") << u"vider"_qs << liste << 40 << 0 << 0 << true;
        QTest::newRow("prolongement d'un absent, lecture seule")
            << u"prolonger"_qs << neuf << -1 << 5 << 0 << true;
        QTest::newRow("reecriture, dossier absent")
            << u"reecrire"_qs << perdu << -1 << 1 << 0 << false;
        QTest::newRow("prolongement, dossier absent")
            << u"prolonger"_qs << perdu << -1 << 1 << 0 << false;
    }
    void ecritureImpossible() {
        QFETCH(QString, operation);
        QFETCH(QString, nom);
        QFETCH(int, avant);
        QFETCH(int, nouvelles);
        QFETCH(int, disque);
        QFETCH(bool, lectureSeule);
        QVERIFY(QDir(dossier_.path()).mkdir(u"s"_qs));
        if (avant >= 0)
            QVERIFY(reecrire(chemin(nom), lignesNumerotees(avant)));
        const QString dossier = QFileInfo(chemin(nom)).path();
        const auto entrees = [&] {
            return QFileInfo::exists(dossier)
                       ? QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden |
                                                 QDir::NoDotAndDotDot)
                       : QStringList{u"<absent>"_qs};
        };
        const QStringList entreesAvant = entrees();
        const QByteArray octetsAvant = octets(nom);
        bool ecrit = false;
        {
            std::optional<DisquePlein> plein;
            std::optional<DossierEnLectureSeule> protege;
            if (disque > 0)
                plein.emplace(disque);
            if (lectureSeule)
                protege.emplace(dossier);
            const QString f = chemin(nom);
            const QStringList lignes = lignesNumerotees(nouvelles);
            ecrit = operation == u"vider"_qs       ? vider(f)
                    : operation == u"prolonger"_qs ? prolonger(f, lignes)
                                                   : reecrire(f, lignes);
        }
        QVERIFY(!ecrit);
        QCOMPARE(octets(nom), octetsAvant);
        QCOMPARE(entrees(), entreesAvant);
    }

    void dossierALaPlaceDuFichier() {
        // It stays as it is, and the failure is told.
        QVERIFY(QDir(dossier_.path()).mkdir(u"d"_qs));
        poser(u"d/dedans"_qs, "garde\r\n");
        QVERIFY(!reecrire(chemin(u"d"_qs), {u"x"_qs}));
        QVERIFY(!vider(chemin(u"d"_qs)));
        QCOMPARE(octets(u"d/dedans"_qs), QByteArray("garde\r\n"));
    }

    void fichierAbsent() {
        QCOMPARE(lireLignes(chemin(u"absent"_qs)), QStringList{});
        QCOMPARE(lireValeurs(chemin(u"absent"_qs)), QStringList{});
        QCOMPARE(premiereValeur(chemin(u"absent"_qs)), QString());
    }
};

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_fichiertexte.moc"
