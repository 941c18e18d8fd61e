#include "calendrier/fichiers/fichierstravail.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace calendrier;

namespace {
const QString kAnnee = u"2007"_qs;
}

class TestFichiersTravail : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dossier_;
    std::unique_ptr<FichiersTravail> f_;

    QString chemin(const QString& nom) const { return dossier_->filePath(nom); }
    QByteArray octets(const QString& nom) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void poser(const QString& nom, const QByteArray& contenu) {
        QDir().mkpath(QFileInfo(chemin(nom)).path());
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenu);
    }
    bool existe(const QString& nom) const { return QFileInfo::exists(chemin(nom)); }
    QStringList fichiersSauvegarde() const {
        return QDir(chemin(kSaveCalend)).entryList(QDir::Files, QDir::Name);
    }
    qsizetype entreesSauvegarde() const {
        return QDir(chemin(kSaveCalend))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .size();
    }
    static QImage page(int graine) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(graine * 19 % 256, 100, 200));
        return image;
    }
    // A completed saved calendar, as a year's run of pages leaves it: the
    // cover, the twelve months and December again; page p painted from
    // `teinte` + p.
    void sauverAnnee(const QString& nom, int teinte = 0) {
        QCOMPARE(f_->nommerCalendrier(nom, kAnnee, [] { return true; }), Nommage::Fait);
        SauvegardeCalendrier s(*f_, nom, kAnnee);
        for (int p = 0; p < kPagesParCalendrier; ++p)
            QVERIFY(s.ajouterPage(p, page(teinte + p)));
        QVERIFY(s.ajouterPage(12, page(teinte + 12)));
        QVERIFY(s.terminer());
    }
    // The first pixel of every page the index names: one colour a save.
    QList<QColor> teintes(const QString& index) const {
        QList<QColor> vues;
        for (const QString& p : f_->pagesCalendrier(index))
            vues << QImage(p).pixelColor(0, 0);
        return vues;
    }
    QList<QColor> teintesAttendues(int teinte) const {
        QList<QColor> attendues;
        for (int p = 0; p < kPagesParCalendrier; ++p)
            attendues << page(teinte + p).pixelColor(0, 0);
        return attendues;
    }

private slots:
    void init() {
        dossier_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier_->isValid());
        f_ = std::make_unique<FichiersTravail>(dossier_->path());
    }

    void ecrireListe_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QStringList>("relues");
        QTest::newRow("paires") << QStringList{u"07/03/1998"_qs, u"PAUL"_qs}
                                << QByteArray("07/03/1998\r\nPAUL\r\n")
                                << QStringList{u"07/03/1998"_qs, u"PAUL"_qs};
        // An entry erased in the editor leaves two blanked lines.
        QTest::newRow("entree effacee")
            << QStringList{u"01/01/2000"_qs, u"ANNE"_qs,  u"  "_qs,
                           QString(),        u"15/08"_qs, u"MARIE"_qs}
            << QByteArray("01/01/2000\r\nANNE\r\n15/08\r\nMARIE\r\n")
            << QStringList{u"01/01/2000"_qs, u"ANNE"_qs, u"15/08"_qs, u"MARIE"_qs};
        QTest::newRow("vide") << QStringList{u""_qs} << QByteArray() << QStringList{};
    }
    void ecrireListe() {
        QFETCH(QStringList, lignes);
        QFETCH(QByteArray, fichier);
        QFETCH(QStringList, relues);
        for (Liste liste : {Liste::Enfant, Liste::Fete}) {
            QVERIFY(f_->ecrireListe(liste, lignes));
            QCOMPARE(octets(liste == Liste::Enfant ? kEnfant : kFete), fichier);
            QCOMPARE(f_->chargerListe(liste), relues);
        }
    }

    void chargerListe() {
        QCOMPARE(f_->chargerListe(Liste::Enfant), QStringList{});
        poser(u"FETE"_qs, "14/07\r\nNATIONALE\r\n25/12");
        QCOMPARE(f_->chargerListe(Liste::Fete),
                 (QStringList{u"14/07"_qs, u"NATIONALE"_qs, u"25/12"_qs}));
        // Rewriting keeps the name the file already had.
        QVERIFY(f_->ecrireListe(Liste::Fete, {u"01/05"_qs, u"TRAVAIL"_qs}));
        QCOMPARE(QDir(dossier_->path()).entryList(QDir::Files), QStringList{u"FETE"_qs});
    }

    // A consultation's files from its start to its end.
    void consultation_data() {
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("sortie");
        QTest::addColumn<QByteArray>("anneeSer");
        QTest::newRow("mois imprimante") << 1 << 4 << QByteArray("1\r\n4\r\n");
        QTest::newRow("mois ecran") << 1 << 5 << QByteArray("1\r\n5\r\n");
        QTest::newRow("annee imprimante") << 2 << 6 << QByteArray("2\r\n6\r\n");
        QTest::newRow("annee ecran") << 2 << 7 << QByteArray("2\r\n7\r\n");
    }
    void consultation() {
        QFETCH(int, genre);
        QFETCH(int, sortie);
        QFETCH(QByteArray, anneeSer);
        poser(kLireCalendSer, "3\r\n5\r\n2007\r\n2\r\n");
        QVERIFY(f_->commencerConsultation(static_cast<Genre>(genre)));
        QCOMPARE(octets(kLireCalendSer), QByteArray("0\r\n"));
        QCOMPARE(octets(kAnneeSer), QByteArray::number(genre) + "\r\n");
        poser(kLireCalendSer, "1\r\n");
        QVERIFY(f_->choisirSortie(static_cast<Sortie>(sortie)));
        QCOMPARE(octets(kLireCalendSer), QByteArray("0\r\n"));
        QCOMPARE(octets(kAnneeSer), anneeSer);
        QCOMPARE(f_->choixConsultation().genre, genre);
        QCOMPARE(f_->choixConsultation().sortie, sortie);

        QVERIFY(f_->ecrireImageUnique(u"/c.jpg"_qs));
        QVERIFY(f_->ecrireProgression({3, 11, 2007, 2}));
        QCOMPARE(octets(kLireCalendSer), QByteArray("3\r\n11\r\n2007\r\n2\r\n"));
        const Progression p = f_->progression();
        QCOMPARE(p.compteur, 3);
        QCOMPARE(p.mois, 11);
        QCOMPARE(p.annee, 2007);
        QCOMPARE(p.voir2, 2);
        QVERIFY(f_->terminerConsultation());
        QCOMPARE(octets(kFichierSer), QByteArray());
        QCOMPARE(octets(kLireCalendSer), QByteArray("0\r\n"));
        QCOMPARE(octets(kAnneeSer), QByteArray("0\r\n"));
    }

    // Without working files, or with damaged ones, every reading is 0 or
    // empty; choosing the output keeps the kind that could be read.
    void fichiersAbsentsOuAbimes_data() {
        QTest::addColumn<QByteArray>("anneeSer"); // null: no file
        QTest::addColumn<long long>("genre");
        QTest::addColumn<long long>("sortie");
        QTest::newRow("absent") << QByteArray() << 0LL << 0LL;
        QTest::newRow("court") << QByteArray("2\r\n") << 2LL << 0LL;
        QTest::newRow("illisible") << QByteArray("\xFF\x00\x01zz\r\n\"", 8) << 0LL << 0LL;
    }
    void fichiersAbsentsOuAbimes() {
        QFETCH(QByteArray, anneeSer);
        QFETCH(long long, genre);
        QFETCH(long long, sortie);
        if (!anneeSer.isNull())
            poser(kAnneeSer, anneeSer);
        QCOMPARE(f_->choixConsultation().genre, genre);
        QCOMPARE(f_->choixConsultation().sortie, sortie);
        QCOMPARE(f_->progression().compteur, 0);
        QCOMPARE(f_->modeSauve(), 0);
        QCOMPARE(f_->nomEnSauvegarde(), QString());
        QCOMPARE(f_->imagesParValeur(), QStringList{});
        QVERIFY(f_->choisirSortie(Sortie::EcranAnnee));
        QCOMPARE(octets(kAnneeSer), QByteArray::number(genre) + "\r\n7\r\n");
    }

    void imagesDeLAnnee() {
        const QString couverture = u"/photos/couverture.jpg"_qs;
        QVERIFY(f_->ecrireImageUnique(couverture));
        QStringList attendu{couverture};
        for (int m = 1; m <= 12; ++m) {
            attendu << u"/photos/été, %1/m.jpg"_qs.arg(m);
            QVERIFY(f_->ajouterImage(attendu.last()));
        }
        QCOMPARE(f_->imagesParLigne(), attendu);
        QCOMPARE(f_->imagesParValeur(), attendu);
        QCOMPARE(octets(kFichierSer).count("\r\n"), 13);

        QVERIFY(f_->remplacerImageMois(3, u"/photos/\"mars\".jpg"_qs));
        attendu[3] = u"/photos/\"mars\".jpg"_qs;
        QCOMPARE(f_->imagesParLigne(), attendu);
        QCOMPARE(f_->imagesParValeur(), attendu);
        QVERIFY(!f_->remplacerImageMois(13, u"x"_qs));
        QCOMPARE(f_->imagesParLigne(), attendu);

        QVERIFY(f_->viderImages());
        QCOMPARE(octets(kFichierSer), QByteArray());
    }

    void remplacerDansUnFichierCourt() {
        QVERIFY(f_->ecrireImageUnique(u"/c.jpg"_qs));
        QVERIFY(f_->remplacerImageMois(2, u"/fevrier.jpg"_qs));
        QCOMPARE(f_->imagesParLigne(), (QStringList{u"/c.jpg"_qs, QString(), u"/fevrier.jpg"_qs}));
    }

    void sauve() {
        QVERIFY(f_->ecrireModeSauve(ModeSauve::ImpressionAnnee));
        QCOMPARE(octets(kSauve), QByteArray("6\r\n"));
        poser(kSauve, " 1 \r\nFAMILLE\r\n");
        QCOMPARE(f_->modeSauve(), 1);
        // Without a folder given, the working folder is the current one.
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier_->path()));
        QVERIFY(FichiersTravail().remettreSauve());
        QDir::setCurrent(ancien);
        QCOMPARE(octets(kSauve), QByteArray("0\r\n"));
    }

    // A name is refused where it would make a file name outside the save
    // folder, one the system cannot hold, or one the files cannot spell.
    void nommer_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("simple") << u"FAMILLE"_qs << kAnnee << true;
        QTest::newRow("blancs autour") << u"  NOEL "_qs << u" 2007 "_qs << true;
        QTest::newRow("vide") << QString() << kAnnee << true;
        QTest::newRow("point devant") << u".A"_qs << kAnnee << true;
        QTest::newRow("deux points dedans") << u"A..B"_qs << kAnnee << true;
        QTest::newRow("euro") << u"€"_qs << kAnnee << true;
        QTest::newRow("long mais possible") << QString(230, u'A') << kAnnee << true;
        QTest::newRow("remonte") << u"../X"_qs << kAnnee << false;
        QTest::newRow("barre") << u"A/B"_qs << kAnnee << false;
        QTest::newRow("barre inverse") << u"A\\B"_qs << kAnnee << false;
        QTest::newRow("point") << u"."_qs << kAnnee << false;
        QTest::newRow("point point entoure") << u"  ..  "_qs << kAnnee << false;
        QTest::newRow("commence par point point") << u"..X"_qs << kAnnee << false;
        QTest::newRow("fin de ligne") << u"A\r\nB"_qs << kAnnee << false;
        QTest::newRow("controle C1") << u"A\u0085B"_qs << kAnnee << false;
        QTest::newRow("suppression") << u"A\u007F"_qs << kAnnee << false;
        QTest::newRow("hors code") << u"A\u4E2D"_qs << kAnnee << false;
        QTest::newRow("trop long") << QString(240, u'A') << kAnnee << false;
        QTest::newRow("annee qui remonte") << u"FAMILLE"_qs << u"/../../x"_qs << false;
    }
    void nommer() {
        QFETCH(QString, nom);
        QFETCH(QString, annee);
        QFETCH(bool, accepte);
        poser(kSauve, "0\r\n");
        if (annee == kAnnee)
            QCOMPARE(FichiersTravail::nomAcceptable(nom), accepte);
        bool demande = false;
        QCOMPARE(f_->nommerCalendrier(nom, annee, [&] { return demande = true; }),
                 accepte ? Nommage::Fait : Nommage::Refuse);
        QVERIFY(!demande);
        // The name as typed for the hub, trimmed for the save.
        QCOMPARE(octets(kSauve),
                 accepte ? "1\r\n" + plateforme::versCp1252(nom.trimmed()) + "\r\n" : "0\r\n");
        QCOMPARE(octets(kLireSer),
                 accepte ? plateforme::versCp1252(nom) + "\r\n" : QByteArray("<absent>"));
        QCOMPARE(f_->nomEnSauvegarde(), accepte ? nom.trimmed() : QString());
        // No index until the calendar's pages are saved with it.
        QVERIFY(!f_->calendrierExiste(nom, annee));
        SauvegardeCalendrier s(*f_, nom, annee);
        for (int p = 0; p < kPagesParCalendrier; ++p)
            QCOMPARE(s.ajouterPage(p, page(p)), accepte);
        QCOMPARE(s.terminer(), accepte);
        QCOMPARE(f_->calendrierExiste(nom, annee), accepte);
        if (accepte)
            QVERIFY(f_->calendriersSauves().contains(nom.trimmed() + kAnnee + u".Ans"_qs));
        else
            QCOMPARE(QDir(dossier_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{kSauve});
    }

    void ecraser_data() {
        QTest::addColumn<bool>("oui");
        QTest::newRow("non") << false;
        QTest::newRow("oui") << true;
    }
    void ecraser() {
        QFETCH(bool, oui);
        poser(u"SaveCalend/famille2007.ans"_qs, "SaveCalend/FAMILLEEntete2007.Ima\r\n");
        poser(kSauve, "0\r\n");
        poser(kLireSer, "AUTRE\r\n");
        int questions = 0;
        const Nommage fin = f_->nommerCalendrier(u"FAMILLE"_qs, kAnnee, [&] {
            ++questions;
            return oui;
        });
        QCOMPARE(questions, 1);
        QCOMPARE(fin, oui ? Nommage::Fait : Nommage::Abandonne);
        // The old calendar stays until the new one's pages are saved.
        QCOMPARE(octets(u"SaveCalend/famille2007.ans"_qs),
                 QByteArray("SaveCalend/FAMILLEEntete2007.Ima\r\n"));
        QCOMPARE(octets(kSauve), oui ? QByteArray("1\r\nFAMILLE\r\n") : QByteArray("0\r\n"));
        QCOMPARE(octets(kLireSer), oui ? QByteArray("FAMILLE\r\n") : QByteArray("AUTRE\r\n"));
        QCOMPARE(fichiersSauvegarde(), QStringList{u"famille2007.ans"_qs});
    }

    void indexSansDossier() {
        // A file where the save folder should be: the naming fails, nothing written.
        poser(kSaveCalend, "");
        QCOMPARE(f_->nommerCalendrier(u"X"_qs, kAnnee, {}), Nommage::Echec);
        QVERIFY(!existe(kSauve));
        QVERIFY(!existe(kLireSer));
    }

    void capture() {
        sauverAnnee(u"FAMILLE"_qs);
        const QStringList index = QString::fromLatin1(octets(u"SaveCalend/FAMILLE2007.Ans"_qs))
                                      .split(u"\r\n"_qs, Qt::SkipEmptyParts);
        QCOMPARE(index.size(), 14);
        QCOMPARE(index[0], u"SaveCalend/FAMILLEEntete2007.Ima"_qs);
        QCOMPARE(index[8], u"SaveCalend/FAMILLEAout2007.Ima"_qs);
        QCOMPARE(index[13], index[12]);
        QCOMPARE(fichiersSauvegarde().size(), 14);
        for (int p = 0; p < kPagesParCalendrier; ++p) {
            QVERIFY(octets(index[p]).startsWith("BM"));
            QImage relue(chemin(index[p]), "BMP");
            QCOMPARE(relue.size(), QSize(40, 30));
            QCOMPARE(relue.pixelColor(0, 0), page(p).pixelColor(0, 0));
        }
        const QStringList pages = f_->pagesCalendrier(u"FAMILLE2007.Ans"_qs);
        QCOMPARE(pages.size(), kPagesParCalendrier);
        QCOMPARE(pages[1], chemin(index[1]));
        for (const auto& [numero, image] : {std::pair{13, page(0)}, std::pair{1, QImage()}}) {
            SauvegardeCalendrier s(*f_, u"FAMILLE"_qs, kAnnee);
            QVERIFY(!s.ajouterPage(numero, image));
        }
    }

    // A save replaces a calendar all at once, or not at all.
    void sauverDeNouveau_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<bool>("remplace");
        QTest::newRow("complete") << u"complete"_qs << true;
        QTest::newRow("une page manque") << u"une page manque"_qs << false;
        QTest::newRow("abandonnee") << u"abandonnee"_qs << false;
        QTest::newRow("disque plein") << u"disque plein"_qs << false;
        QTest::newRow("coupee en ecrivant") << u"coupee en ecrivant"_qs << false;
        QTest::newRow("coupee en placant") << u"coupee en placant"_qs << true;
    }
    void sauverDeNouveau() {
        QFETCH(QString, cas);
        QFETCH(bool, remplace);
        sauverAnnee(u"FAMILLE"_qs);
        const QByteArray index = octets(u"SaveCalend/FAMILLE2007.Ans"_qs);
        const QString kAnnule = u"SaveCalend/.FAMILLE2007.Ans.en-cours"_qs;
        QTemporaryDir copie;
        {
            SauvegardeCalendrier s(*f_, u"FAMILLE"_qs, kAnnee);
            for (int p = 0; p < kPagesParCalendrier; ++p) {
                if (p == 5 && cas == u"une page manque"_qs)
                    continue;
                if (p == 5 && cas == u"disque plein"_qs) {
                    // A page larger than the disk has room left for.
                    QImage grande(2000, 2000, QImage::Format_RGB32);
                    grande.fill(Qt::red);
                    rlimit ancienne{};
                    getrlimit(RLIMIT_FSIZE, &ancienne);
                    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
                    rlimit petite = ancienne;
                    petite.rlim_cur = 64 * 1024;
                    setrlimit(RLIMIT_FSIZE, &petite);
                    QVERIFY(!s.ajouterPage(p, grande));
                    setrlimit(RLIMIT_FSIZE, &ancienne);
                    std::signal(SIGXFSZ, ancienSignal);
                    continue;
                }
                // Once a page could not be written, the save takes no more.
                QCOMPARE(s.ajouterPage(p, page(50 + p)), !(cas == u"disque plein"_qs && p > 5));
            }
            QCOMPARE(octets(u"SaveCalend/FAMILLE2007.Ans"_qs), index);
            QCOMPARE(teintes(u"FAMILLE2007.Ans"_qs), teintesAttendues(0));
            if (cas.startsWith(u"coupee"_qs)) {
                // The program killed there: what it left on disk stays as it is.
                QVERIFY(QProcess::execute(u"cp"_qs, {u"-a"_qs, chemin(kAnnule), copie.path()}) ==
                        0);
            } else if (cas != u"abandonnee"_qs) {
                QCOMPARE(s.terminer(), remplace);
            }
        }
        const QString laisse = QDir(copie.path()).filePath(kAnnule.section(u'/', 1));
        if (cas == u"coupee en ecrivant"_qs) {
            QVERIFY(QDir().rename(laisse, chemin(kAnnule)));
        } else if (cas == u"coupee en placant"_qs) {
            // Killed once complete, with three pages already in place.
            QStringList lignes;
            for (int p = 0; p < kPagesParCalendrier; ++p)
                lignes << f_->cheminPage(u"FAMILLE"_qs, kAnnee, p);
            QVERIFY(plateforme::reecrire(QDir(laisse).filePath(u"FAMILLE2007.Ans"_qs), lignes));
            for (int p = 1; p <= 3; ++p)
                QVERIFY(std::rename(QFile::encodeName(
                                        QDir(laisse).filePath(QFileInfo(lignes[p]).fileName())),
                                    QFile::encodeName(chemin(lignes[p]))) == 0);
            QVERIFY(QDir().rename(laisse, chemin(u"SaveCalend/.FAMILLE2007.Ans.pret"_qs)));
        }
        // The next start finishes or forgets what a save left.
        f_->reprendreSauvegardes();
        QCOMPARE(teintes(u"FAMILLE2007.Ans"_qs), teintesAttendues(remplace ? 50 : 0));
        QCOMPARE(entreesSauvegarde(), 14); // the index and its pages, nothing else
    }

    // Killed at any moment of a save, a calendar is the old one or the new
    // one, whole, once the program has started again.
    void sauvegardeTueeAuHasard() {
        sauverAnnee(u"FAMILLE"_qs);
        int derniere = 0; // the colours of the last calendar saved whole
        QRandomGenerator alea(1789);
        for (int essai = 0; essai < 40; ++essai) {
            const int teinte = 100 + essai;
            const pid_t enfant = fork();
            if (enfant == 0) {
                SauvegardeCalendrier s(*f_, u"FAMILLE"_qs, kAnnee);
                for (int p = 0; p < kPagesParCalendrier; ++p)
                    s.ajouterPage(p, page(teinte + p));
                _exit(s.terminer() ? 0 : 1);
            }
            QVERIFY(enfant > 0);
            QThread::usleep(alea.bounded(3000));
            kill(enfant, SIGKILL);
            waitpid(enfant, nullptr, 0);
            f_->reprendreSauvegardes();
            const QList<QColor> vues = teintes(u"FAMILLE2007.Ans"_qs);
            if (vues == teintesAttendues(teinte))
                derniere = teinte;
            QCOMPARE(vues, teintesAttendues(derniere));
            QCOMPARE(entreesSauvegarde(), 14);
        }
    }

    void lister() {
        QCOMPARE(f_->calendriersSauves(), QStringList{});
        sauverAnnee(u"NOEL"_qs);
        poser(u"SaveCalend/ancien1999.ANS"_qs, "");
        poser(u"SaveCalend/notes.txt"_qs, "");
        QVERIFY(QDir(chemin(kSaveCalend)).mkdir(u"dossier.Ans"_qs));
        QCOMPARE(f_->calendriersSauves(), (QStringList{u"ancien1999.ANS"_qs, u"NOEL2007.Ans"_qs}));
    }

    void supprimer() {
        sauverAnnee(u"FAMILLE"_qs);
        sauverAnnee(u"NOEL"_qs);
        // A page that became a folder stays, and is said to.
        const QString mars = u"FAMILLEMars2007.Ima"_qs;
        QVERIFY(QFile::remove(chemin(kSaveCalend + u'/' + mars)));
        QVERIFY(QDir(chemin(kSaveCalend)).mkdir(mars));
        const Effacement e = f_->supprimerCalendrier(u"FAMILLE2007.Ans"_qs);
        QCOMPARE(e.restes, QStringList{mars});
        QCOMPARE(e.supprimes.size(), 13);
        QCOMPARE(e.supprimes.last(), u"FAMILLE2007.Ans"_qs);
        QVERIFY(e.aLaCorbeille.isEmpty());
        QCOMPARE(f_->calendriersSauves(), QStringList{u"NOEL2007.Ans"_qs});
        QCOMPARE(fichiersSauvegarde().size(), 14);
        for (const QString& n : fichiersSauvegarde())
            QVERIFY(n.startsWith(u"NOEL"_qs));
        QVERIFY(!f_->supprimerCalendrier(u"FAMILLE2007.Ans"_qs).reussi());
    }

    void supprimerIndexRetouche_data() {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QStringList>("restent");
        const QString a = u"XJanvier2007.Ima"_qs, b = u"XFevrier2007.Ima"_qs,
                      m = u"XMars2007.Ima"_qs;
        const QString autre = u"NOELMars2007.Ima"_qs;
        const QStringList tous{autre, b, a, m};
        QTest::newRow("court") << QByteArray("SaveCalend/XJanvier2007.Ima\r\n")
                               << QStringList{autre, b, m};
        QTest::newRow("barres inverses")
            << QByteArray("SaveCalend\\XJanvier2007.Ima\r\nsavecalend\\xfevrier2007.ima\r\n")
            << QStringList{autre, m};
        QTest::newRow("images absentes")
            << QByteArray("SaveCalend/XAvril2007.Ima\r\n\r\nSaveCalend/XMars2007.Ima\r\n")
            << QStringList{autre, b, a};
        QTest::newRow("au-dela de 13 lignes")
            << QByteArray("x\r\n").repeated(13) + "SaveCalend/XJanvier2007.Ima\r\n"
            << tous;
        QTest::newRow("hors du dossier")
            << QByteArray("Enfant\r\n../Enfant\r\nSaveCalend/../Fete\r\nSaveCalend\\..\\Sauve\r\n"
                          "SaveCalend\r\nSaveCalend/\r\nSaveCalend/sous/XMai2007.Ima\r\n"
                          "@/SaveCalend/../Fete\r\n@/Sauve\r\n")
            << tous;
        QTest::newRow("chemin absolu dedans") << QByteArray() << QStringList{autre, b, m};
        // A page that is a link to a file outside: the link goes, the file stays.
        QTest::newRow("lien vers un fichier dehors")
            << QByteArray("SaveCalend/XJuin2007.Ima\r\n") << tous;
        QTest::newRow("page d'un autre calendrier")
            << QByteArray("SaveCalend/NOELMars2007.Ima\r\nSaveCalend/XMars2007.Ima\r\n")
            << QStringList{autre, b, a};
    }
    void supprimerIndexRetouche() {
        QFETCH(QByteArray, index);
        QFETCH(QStringList, restent);
        for (const QString& n : {kEnfant, kFete, kSauve})
            poser(n, "garde\r\n");
        for (const QString& n : {u"XJanvier2007.Ima"_qs, u"XFevrier2007.Ima"_qs,
                                 u"XMars2007.Ima"_qs, u"NOELMars2007.Ima"_qs})
            poser(kSaveCalend + u'/' + n, "BM");
        poser(u"SaveCalend/sous/XMai2007.Ima"_qs, "BM");
        if (index.contains("XJuin"))
            QVERIFY(QFile::link(chemin(kEnfant), chemin(u"SaveCalend/XJuin2007.Ima"_qs)));
        // '@' stands for the working folder, for absolute paths.
        if (index.isEmpty())
            index = "@/SaveCalend/XJanvier2007.Ima\r\n";
        index.replace("@", QFile::encodeName(dossier_->path()));
        poser(u"SaveCalend/X2007.Ans"_qs, index);

        QVERIFY(f_->supprimerCalendrier(u"X2007.Ans"_qs).reussi());
        QCOMPARE(fichiersSauvegarde(), restent);
        for (const QString& n : {kEnfant, kFete, kSauve})
            QCOMPARE(octets(n), QByteArray("garde\r\n"));
        QVERIFY(existe(u"SaveCalend/sous/XMai2007.Ima"_qs));
    }

    void supprimerHorsDuDossier_data() {
        QTest::addColumn<QString>("index");
        QTest::newRow("remonte") << u"../Enfant"_qs;
        QTest::newRow("point point") << u".."_qs;
        QTest::newRow("vide") << QString();
        QTest::newRow("absent") << u"RIEN2007.Ans"_qs;
    }
    void supprimerHorsDuDossier() {
        QFETCH(QString, index);
        poser(kEnfant, "garde\r\n");
        QDir().mkpath(chemin(kSaveCalend));
        QVERIFY(!f_->supprimerCalendrier(index).reussi());
        QCOMPARE(f_->pagesCalendrier(index), QStringList{});
        QCOMPARE(octets(kEnfant), QByteArray("garde\r\n"));
        QVERIFY(existe(kSaveCalend));
    }
};

QTEST_GUILESS_MAIN(TestFichiersTravail)
#include "tst_fichierstravail.moc"
