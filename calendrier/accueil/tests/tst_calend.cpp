// The hub driven as a user drives it: toolbar clicks, Enter in the answer
// boxes, and what the working files hold afterwards.

#include "calendrier/accueil/calend.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QAction>
#include <QTest>

using namespace calendrier;
using Boutons = QList<int>;

const Boutons kMenu = {1, 2, 3, 8, 13, 15, 16, 17};

class TestCalend : public QObject {
    Q_OBJECT

    std::unique_ptr<BacASable> bac_;
    ServicesEssai services_;
    std::unique_ptr<Programme> programme_;

    Calend& hub() { return programme_->calend(); }
    QStringList lignes(const QString& nom) { return plateforme::lireLignes(bac_->chemin(nom)); }
    // A toolbar button clicked as the user does; a hidden one cannot be.
    bool cliquer(int position) {
        QAction* action = hub().bouton(position);
        if (!action->isVisible() || !action->isEnabled() || !hub().Toolbar1.isVisible())
            return false;
        QTest::mouseClick(hub().Toolbar1.widgetForAction(action), Qt::LeftButton);
        return true;
    }
    // The answer box shown, and what it offers: today's month and year, no name.
    QLineEdit* boite() {
        for (QLineEdit* b : {&hub().Text3, &hub().Text4, &hub().Text5, &hub().Text14})
            if (b->isVisible())
                return b;
        return nullptr;
    }
    QString offert(const QLineEdit* b) {
        return b == &hub().Text3 ? u"03"_qs : b == &hub().Text14 ? QString() : u"2026"_qs;
    }

private slots:
    void init() {
        programme_.reset();
        bac_.reset(); // before the next, which takes the working folder
        bac_ = std::make_unique<BacASable>();
        services_ = ServicesEssai{};
        programme_ = std::make_unique<Programme>(services_.services());
        programme_->zoom().setEcran([] { return QSize(800, 600); });
        const QString ancien = bac_->chemin(kSaveCalend + u"/FAMILLE2026.Ans"_qs);
        QVERIFY(QDir().mkpath(bac_->chemin(kSaveCalend)) && plateforme::reecrire(ancien, {}));
        programme_->montrer(Fenetre::Accueil);
        // Loading, every test's start, keeps the save folder and shows the main toolbar alone.
        QVERIFY(QFile::exists(ancien) && hub().Image2.isVisible() && !hub().Label12.isVisible());
        QCOMPARE(hub().boutonsMontres(), kMenu);
        QCOMPARE(lignes(kSauve), QStringList{u"0"_qs});
    }

    // Each road through the toolbar and boxes: the buttons left, what is said of an answer
    // refused, and where an output leads: a month to its picture, a year to its cover photo.
    void etats_data() {
        QTest::addColumn<QStringList>("gestes"); // "#n" clicks button n, else typed in the box
        QTest::addColumn<Boutons>("attendus");
        QTest::addColumn<QString>("signale");
        QTest::addColumn<QStringList>("annee"); // Annee.ser once an output is chosen
        const auto ligne = [](const char* gestes, Boutons attendus, QString signale = {},
                              QString annee = {}) {
            QTest::newRow(gestes) << QString::fromUtf8(gestes).split(u' ') << attendus << signale
                                  << annee.split(u' ', Qt::SkipEmptyParts);
        };
        // The current month comes back and waits, the rule said above it; a
        // year refused drops the consultation.
        ligne("#1 13", {11, 15, 16, 17}, u"Mois de 1 à 12"_qs);
        ligne("#1 1 3000", {4, 7, 11, 15, 17});
        ligne("#1 1 3001", kMenu, u"Année de 1 à 3000"_qs);
        ligne("#2 3000", {5, 12, 14, 15, 16, 17});
        ligne("#2 3001", kMenu, u"Année de 1 à 3000"_qs);
        ligne("#2 2026 #14", {6, 11, 15, 16, 17});
        ligne("#1 5 1999 #11", kMenu);
        // Which names are refused is the working files' rule: one stands for all.
        ligne("#2 2026 #12 A/B", {15, 16, 17},
              u"Nom refusé : ni / ni \\, ni « . » seul, ni « .. » au début, ni trop long"_qs);
        ligne("#1 5 2026 #4", kMenu, {}, u"1 4"_qs);
        ligne("#1 5 2026 #7", kMenu, {}, u"1 5"_qs);
        ligne("#2 2026 #5", kMenu, {}, u"2 6"_qs);
        ligne("#2 2026 #14 #6", kMenu, {}, u"2 7"_qs);
    }
    void etats() {
        QFETCH(QStringList, gestes);
        QFETCH(Boutons, attendus);
        QFETCH(QString, signale);
        QFETCH(QStringList, annee);
        for (const QString& g : gestes) {
            // A progression left over is dropped when the output is chosen.
            if (!annee.isEmpty() && &g == &gestes.last())
                QVERIFY(plateforme::reecrire(bac_->chemin(kLireCalendSer), {u"3"_qs, u"2"_qs}));
            if (g.startsWith(u'#')) {
                QVERIFY2(cliquer(g.mid(1).toInt()), qPrintable(g));
                continue;
            }
            QLineEdit* b = boite();
            QVERIFY(b && b->text() == offert(b));
            repondre(*b, g);
        }
        if (!annee.isEmpty()) {
            QCOMPARE(lignes(kAnneeSer) + lignes(kLireCalendSer), annee << u"0"_qs);
            QCOMPARE(!programme_->lireImage().isHidden(), annee[0] == u"1"_qs);
            QCOMPARE(!programme_->entete().isHidden(), annee[0] == u"2"_qs);
            // Coming back brings the main toolbar.
            programme_->montrer(Fenetre::Accueil);
        }
        QCOMPARE(hub().boutonsMontres(), attendus);
        QCOMPARE(hub().Label2.isVisible() ? hub().Label2.text() : QString(), signale);
        // A box refused offers again, the rule said until the next answer.
        if (QLineEdit* b = boite(); b && !signale.isEmpty()) {
            QCOMPARE(b->text(), offert(b));
            repondre(*b, u"5"_qs);
            QVERIFY(!hub().Label2.isVisible());
        }
    }

    // The name typed, or pasted, upper-cased and held to the code page (µ
    // kept as it is), blanks kept in Lire.ser.
    void nommage() {
        const QString nom = u" noël aµ\u0101b\u4e2dc "_qs, garde = u" NOËL AµBC "_qs;
        QVERIFY(cliquer(2));
        repondre(hub().Text5, u"2026"_qs);
        QDir(bac_->chemin(kSaveCalend)).removeRecursively();
        QVERIFY(cliquer(12));
        QVERIFY(QFileInfo(bac_->chemin(kSaveCalend)).isDir()); // made again when gone
        hub().Text14.insert(nom);
        QCOMPARE(hub().Text14.text(), garde);
        repondre(hub().Text14, nom);
        QCOMPARE(hub().boutonsMontres(), (Boutons{6, 11, 15, 16, 17}));
        QCOMPARE(lignes(kSauve), (QStringList{u"1"_qs, garde.trimmed()}));
        QCOMPARE(lignes(kLireSer), QStringList{garde});
    }

    void finTermineAussitot() {
        QVERIFY(cliquer(2) && cliquer(17) && programme_->termine());
        QCOMPARE(lignes(kAnneeSer), QStringList{u"2"_qs});
    }

    // Help is the page delivered beside the program, opened only when it is there.
    void aide() {
        QVERIFY(cliquer(15));
        const QString aide = QCoreApplication::applicationDirPath() + u"/Calend.html"_qs;
        QCOMPARE(services_.ouverts,
                 QFile::exists(aide) ? QList<QUrl>{QUrl::fromLocalFile(aide)} : QList<QUrl>{});
    }
};

QTEST_MAIN(TestCalend)
#include "tst_calend.moc"
