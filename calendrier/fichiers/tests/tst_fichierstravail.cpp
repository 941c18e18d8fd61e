#include "calendrier/fichiers/fichierstravail.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace calendrier;

const QString kAnnee = u"2007"_qs;
const QDir::Filters kToutes = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;

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
    QStringList fichiersSauvegarde(QDir::Filters quoi = QDir::Files) const {
        return QDir(chemin(kSaveCalend)).entryList(quoi, QDir::Name);
    }
    static QImage page(int graine) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(graine * 19 % 256, 100, 200));
        return image;
    }
    // A completed saved calendar, as a year's run of pages leaves it: the
    // cover, the twelve months and December again; page p painted from p.
    void sauverAnnee(const QString& nom) {
        SauvegardeCalendrier s(*f_, nom, kAnnee);
        for (int p = 0; p < kPagesParCalendrier; ++p)
            QVERIFY(s.ajouterPage(p, page(p)));
        QVERIFY(s.ajouterPage(12, page(12)));
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

    // Without working files, or with damaged ones, every reading is 0 or
    // empty; choosing the output keeps the kind that could be read.
    void fichiersAbsentsOuAbimes_data() {
        QTest::addColumn<QByteArray>("anneeSer"); // null: no file
        QTest::addColumn<long long>("genre");
        QTest::newRow("absent") << QByteArray() << 0LL;
        QTest::newRow("court") << QByteArray("2\r\n") << 2LL;
        QTest::newRow("illisible") << QByteArray("\xFF\x00\x01zz\r\n\"", 8) << 0LL;
    }
    void fichiersAbsentsOuAbimes() {
        QFETCH(QByteArray, anneeSer);
        QFETCH(long long, genre);
        if (!anneeSer.isNull())
            poser(kAnneeSer, anneeSer);
        QCOMPARE(f_->choixConsultation().genre, genre);
        QCOMPARE(f_->choixConsultation().sortie, 0);
        QVERIFY(f_->choisirSortie(Sortie::EcranAnnee));
        QCOMPARE(octets(kAnneeSer), QByteArray::number(genre) + "\r\n7\r\n");
    }

    // A name is refused where it would make a file name outside the save
    // folder, one the system cannot hold, or one the files cannot spell.
    void nommer_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("blancs autour") << u"  NOEL "_qs << u" 2007 "_qs << true;
        QTest::newRow("annee qui remonte") << u"FAMILLE"_qs << u"/../../x"_qs << false;
        const auto ligne = [](const QString& nom, bool accepte) {
            QTest::addRow("%s '%s'", accepte ? "accepte" : "refuse", qPrintable(nom.left(12)))
                << nom << kAnnee << accepte;
        };
        for (const QString& nom : {QString(), u"A..B"_qs, u"€"_qs, QString(230, u'A')})
            ligne(nom, true);
        // The last two: a control character, one the files cannot spell.
        for (const QString& nom : {u"A/B"_qs, u"A\\B"_qs, u"."_qs, u"  ..  "_qs, u"..X"_qs,
                                   QString(240, u'A'), u"A\u0085B"_qs, u"A\u4E2D"_qs})
            ligne(nom, false);
    }
    void nommer() {
        QFETCH(QString, nom);
        QFETCH(QString, annee);
        QFETCH(bool, accepte);
        poser(kSauve, "0\r\n");
        QCOMPARE(f_->nommerCalendrier(nom, annee, {}), accepte ? Nommage::Fait : Nommage::Refuse);
        QCOMPARE(octets(kSauve),
                 accepte ? "1\r\n" + plateforme::versCp1252(nom.trimmed()) + "\r\n" : "0\r\n");
        SauvegardeCalendrier s(*f_, nom, annee);
        for (int p = 0; p < kPagesParCalendrier; ++p)
            QCOMPARE(s.ajouterPage(p, page(p)), accepte);
        QCOMPARE(s.terminer(), accepte);
        QCOMPARE(f_->calendrierExiste(nom, annee), accepte);
    }

    // A year saved, listed, then erased without touching its neighbour.
    void sauverListerSupprimer() {
        sauverAnnee(u"FAMILLE"_qs);
        sauverAnnee(u"NOEL"_qs);
        const QStringList index = QString::fromLatin1(octets(u"SaveCalend/FAMILLE2007.Ans"_qs))
                                      .split(u"\r\n"_qs, Qt::SkipEmptyParts);
        QCOMPARE(index.size(), 14);
        QCOMPARE(index[0], u"SaveCalend/FAMILLEEntete2007.Ima"_qs);
        QCOMPARE(index[13], index[12]);
        QVERIFY(octets(index[1]).startsWith("BM"));
        poser(u"SaveCalend/ancien1999.ANS"_qs, "");
        poser(u"SaveCalend/notes.txt"_qs, "");
        QCOMPARE(f_->calendriersSauves(),
                 (QStringList{u"ancien1999.ANS"_qs, u"FAMILLE2007.Ans"_qs, u"NOEL2007.Ans"_qs}));
        // A page that became a folder stays, and is said to.
        const QString mars = u"FAMILLEMars2007.Ima"_qs;
        QVERIFY(QFile::remove(chemin(kSaveCalend + u'/' + mars)));
        QVERIFY(QDir(chemin(kSaveCalend)).mkdir(mars));
        const Effacement e = f_->supprimerCalendrier(u"FAMILLE2007.Ans"_qs);
        QCOMPARE(e.restes, QStringList{mars});
        QCOMPARE(e.supprimes.size(), 13);
        QCOMPARE(e.supprimes.last(), u"FAMILLE2007.Ans"_qs);
        QCOMPARE(f_->calendriersSauves(), (QStringList{u"ancien1999.ANS"_qs, u"NOEL2007.Ans"_qs}));
        QVERIFY(!f_->supprimerCalendrier(u"FAMILLE2007.Ans"_qs).reussi());
    }

    // A save replaces a calendar all at once, or not at all.
    void sauverDeNouveau_data() {
        QTest::addColumn<bool>("remplace");
        QTest::newRow("complete") << true;
        QTest::newRow("une page manque") << false;
        QTest::newRow("disque plein") << false;
        QTest::newRow("coupee en placant") << true;
    }
    void sauverDeNouveau() {
        QFETCH(bool, remplace);
        const QString cas = QString::fromLatin1(QTest::currentDataTag());
        sauverAnnee(u"FAMILLE"_qs);
        const QString laisse = chemin(u"laisse"_qs);
        {
            SauvegardeCalendrier s(*f_, u"FAMILLE"_qs, kAnnee);
            for (int p = 0; p < kPagesParCalendrier; ++p) {
                if (p == 5 && cas == u"une page manque"_qs)
                    continue;
                if (p == 5 && cas == u"disque plein"_qs) {
                    // A page larger than the disk has room left for.
                    rlimit ancienne{};
                    getrlimit(RLIMIT_FSIZE, &ancienne);
                    const rlimit petite{64 * 1024, ancienne.rlim_max};
                    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
                    setrlimit(RLIMIT_FSIZE, &petite);
                    QVERIFY(!s.ajouterPage(p, page(p).scaled(2000, 2000)));
                    setrlimit(RLIMIT_FSIZE, &ancienne);
                    std::signal(SIGXFSZ, ancienSignal);
                    continue;
                }
                // Once a page could not be written, the save takes no more.
                QCOMPARE(s.ajouterPage(p, page(50 + p)), !(cas == u"disque plein"_qs && p > 5));
            }
            QCOMPARE(teintes(u"FAMILLE2007.Ans"_qs), teintesAttendues(0));
            // The program killed there: what it left on disk is kept from the clean-up.
            if (cas.startsWith(u"coupee"_qs))
                QVERIFY(QDir().rename(chemin(u"SaveCalend/.FAMILLE2007.Ans.en-cours"_qs), laisse));
            else
                QCOMPARE(s.terminer(), remplace);
        }
        if (cas == u"coupee en placant"_qs) {
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
        QCOMPARE(fichiersSauvegarde(kToutes).size(), 14); // the index and its pages, nothing else
    }

    // Killed at any moment of a save, a calendar is the old one or the new
    // one, whole, once the program has started again.
    void sauvegardeTueeAuHasard() {
        sauverAnnee(u"FAMILLE"_qs);
        int derniere = 0; // the colours of the last calendar saved whole
        QRandomGenerator alea(1789);
        for (int teinte = 100; teinte < 140; ++teinte) {
            const pid_t enfant = fork();
            if (enfant == 0) {
                SauvegardeCalendrier s(*f_, u"FAMILLE"_qs, kAnnee);
                for (int p = 0; p < kPagesParCalendrier; ++p)
                    s.ajouterPage(p, page(teinte + p));
                _exit(s.terminer() ? 0 : 1);
            }
            QVERIFY(enfant > 0);
            usleep(alea.bounded(3000));
            kill(enfant, SIGKILL);
            waitpid(enfant, nullptr, 0);
            f_->reprendreSauvegardes();
            const QList<QColor> vues = teintes(u"FAMILLE2007.Ans"_qs);
            if (vues == teintesAttendues(teinte))
                derniere = teinte;
            QCOMPARE(vues, teintesAttendues(derniere));
            QCOMPARE(fichiersSauvegarde(kToutes).size(), 14);
        }
    }

    // An index edited by hand: only its own pages, lying in the save
    // folder, are erased.
    void supprimerIndexRetouche_data() {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QStringList>("restent");
        const QString a = u"XJanvier2007.Ima"_qs, b = u"XFevrier2007.Ima"_qs,
                      m = u"XMars2007.Ima"_qs, autre = u"NOELMars2007.Ima"_qs;
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
        QTest::newRow("chemin absolu dedans")
            << QByteArray("@/SaveCalend/XJanvier2007.Ima\r\n") << QStringList{autre, b, m};
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
        for (const QString& n :
             {u"XJanvier2007.Ima"_qs, u"XFevrier2007.Ima"_qs, u"XMars2007.Ima"_qs,
              u"NOELMars2007.Ima"_qs, u"sous/XMai2007.Ima"_qs})
            poser(kSaveCalend + u'/' + n, "BM");
        if (index.contains("XJuin"))
            QVERIFY(QFile::link(chemin(kEnfant), chemin(u"SaveCalend/XJuin2007.Ima"_qs)));
        // '@' stands for the working folder, for absolute paths.
        index.replace("@", QFile::encodeName(dossier_->path()));
        poser(u"SaveCalend/X2007.Ans"_qs, index);

        QVERIFY(f_->supprimerCalendrier(u"X2007.Ans"_qs).reussi());
        QCOMPARE(fichiersSauvegarde(), restent);
        // An index named outside the save folder is neither read nor erased.
        QCOMPARE(f_->pagesCalendrier(u"../Enfant"_qs), QStringList{});
        QVERIFY(!f_->supprimerCalendrier(u"../Enfant"_qs).reussi());
        for (const QString& n : {kEnfant, kFete, kSauve})
            QCOMPARE(octets(n), QByteArray("garde\r\n"));
        QCOMPARE(octets(u"SaveCalend/sous/XMai2007.Ima"_qs), QByteArray("BM"));
    }
};

QTEST_GUILESS_MAIN(TestFichiersTravail)
#include "tst_fichierstravail.moc"
