// The hub driven as a user drives it: toolbar clicks, Enter in the answer
// boxes, and what the working files hold afterwards.

#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/programme.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>

using namespace calendrier;
using plateforme::Reponse;

using Boutons = QList<int>;

namespace {

const QDate kAujourdhui(2027, 3, 9);
const Boutons kMenu = {1, 2, 3, 8, 13, 15, 16, 17};

QStringList lignes(const BacASable& bac, const QString& nom) {
    return plateforme::lireLignes(bac.chemin(nom));
}

// Clicks a toolbar button as the user does; a hidden button cannot be clicked.
bool cliquer(Calend& c, int position) {
    QAction* action = c.bouton(position);
    QWidget* bouton = c.Toolbar1.widgetForAction(action);
    if (!action->isVisible() || !action->isEnabled() || c.Toolbar1.isHidden() || !bouton)
        return false;
    QTest::mouseClick(bouton, Qt::LeftButton);
    return true;
}

} // namespace

class TestCalend : public QObject {
    Q_OBJECT

    std::unique_ptr<BacASable> bac_;
    ServicesEssai services_;
    std::unique_ptr<Programme> programme_;
    QList<QUrl>& ouverts_ = services_.ouverts;

    void nouveauProgramme() {
        programme_ = std::make_unique<Programme>(services_.services());
        programme_->zoom().setEcran([] { return QSize(800, 600); });
        programme_->montrer(Fenetre::Accueil);
    }

    Calend& hub() { return programme_->calend(); }

private slots:
    void init() {
        bac_ = std::make_unique<BacASable>();
        services_ = ServicesEssai{};
        services_.aujourdhui = kAujourdhui;
        nouveauProgramme();
    }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    // Loading keeps a save folder already there, shows the main toolbar alone
    // and places the corner pictures by the page window's size.
    void chargement() {
        programme_.reset();
        const QString ancien = QDir(bac_->chemin(kSaveCalend)).filePath(u"FAMILLE2027.Ans"_qs);
        QVERIFY(QDir().mkpath(bac_->chemin(kSaveCalend)) && plateforme::reecrire(ancien, {}));
        nouveauProgramme();
        QVERIFY(QFile::exists(ancien));
        QCOMPARE(hub().boutonsMontres(), kMenu);
        QCOMPARE(lignes(*bac_, kSauve), QStringList{u"0"_qs});
        QCOMPARE(programme_->menuUn().windowTitle(), u"Menu"_qs);
        QVERIFY(hub().isVisible() && hub().Image2.isVisible() && !hub().Label12.isVisible());
        QVERIFY(!hub().Image4[0].isVisible() && !hub().Image4[1].isVisible());
        QVERIFY(!programme_->aficheCalend().isVisible());
        const double largeur = plateforme::twips(programme_->aficheCalend().width());
        const double hauteur = plateforme::twips(programme_->aficheCalend().height());
        using plateforme::Propriete;
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[1], Propriete::Left), largeur - 1000);
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[0], Propriete::Left), 0.0);
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[0], Propriete::Top), hauteur - 1000);
    }

    // Each road through the toolbar and the answer boxes: the buttons it
    // leaves, what the hub says of an answer it refuses, and where an output
    // chosen leads: a month to its picture, a year to its cover photo.
    void etats_data() {
        QTest::addColumn<QList<int>>("clics");
        QTest::addColumn<QStringList>("reponses"); // typed in the box shown after the first click
        QTest::addColumn<Boutons>("attendus");
        QTest::addColumn<QString>("signale");
        QTest::addColumn<QStringList>("annee"); // Annee.ser once an output is chosen
        const Boutons question = {11, 15, 16, 17}, nommage = {15, 16, 17};
        const Boutons mois = {4, 7, 11, 15, 17}, annee = {5, 12, 14, 15, 16, 17};
        const QString moisRefuse = u"Mois de 1 à 12"_qs, anneeRefusee = u"Année de 1 à 3000"_qs;
        const auto ligne = [](const char* nom, QList<int> clics, QStringList reponses,
                              Boutons attendus, QString signale = {}, QStringList annee = {}) {
            QTest::newRow(nom) << clics << reponses << attendus << signale << annee;
        };
        ligne("mois demande", {1}, {}, question);
        ligne("mois sortie", {1}, {u"12"_qs, u"2027"_qs}, mois);
        // The current month comes back and waits, the rule said above it.
        ligne("mois 13", {1}, {u"13"_qs}, question, moisRefuse);
        ligne("mois 0", {1}, {u"0"_qs}, question, moisRefuse);
        ligne("mois vide", {1}, {QString()}, question, moisRefuse);
        // A year refused drops the consultation.
        ligne("mois, annee 3000", {1}, {u"1"_qs, u"3000"_qs}, mois);
        ligne("mois, annee 3001", {1}, {u"1"_qs, u"3001"_qs}, kMenu, anneeRefusee);
        ligne("annee demandee", {2}, {}, question);
        ligne("annee 3000", {2}, {u"3000"_qs}, annee);
        ligne("annee 1", {2}, {u"1"_qs}, annee);
        ligne("annee 3001", {2}, {u"3001"_qs}, kMenu, anneeRefusee);
        ligne("annee 0", {2}, {u"0"_qs}, kMenu, anneeRefusee);
        ligne("nommage", {2, 12}, {u"2027"_qs}, nommage);
        ligne("annee a l'ecran", {2, 14}, {u"2027"_qs}, {6, 11, 15, 16, 17});
        ligne("retour menu", {2, 11}, {}, kMenu);
        ligne("retour apres le mois", {1, 11}, {u"5"_qs, u"1999"_qs}, kMenu);
        const QStringList mai = {u"5"_qs, u"2027"_qs}, an = {u"2027"_qs};
        ligne("mois imprimante", {1, 4}, mai, kMenu, {}, {u"1"_qs, u"4"_qs});
        ligne("mois ecran", {1, 7}, mai, kMenu, {}, {u"1"_qs, u"5"_qs});
        ligne("annee imprimante", {2, 5}, an, kMenu, {}, {u"2"_qs, u"6"_qs});
        ligne("annee ecran", {2, 14, 6}, an, kMenu, {}, {u"2"_qs, u"7"_qs});
    }
    void etats() {
        QFETCH(QList<int>, clics);
        QFETCH(QStringList, reponses);
        QFETCH(Boutons, attendus);
        QFETCH(QString, signale);
        QFETCH(QStringList, annee);
        QVERIFY(cliquer(hub(), clics.first()));
        for (const QString& r : reponses) {
            QLineEdit* boite = nullptr;
            for (QLineEdit* b : {&hub().Text3, &hub().Text4, &hub().Text5})
                if (b->isVisible())
                    boite = b;
            QVERIFY(boite);
            // Today's month and year are offered.
            QCOMPARE(boite->text(), boite == &hub().Text3 ? u"03"_qs : u"2027"_qs);
            repondre(*boite, r);
        }
        // A progression left over is dropped when the output is chosen.
        const QStringList reste = {u"3"_qs, u"2"_qs, u"2027"_qs, u"3"_qs};
        QVERIFY(annee.isEmpty() || plateforme::reecrire(bac_->chemin(kLireCalendSer), reste));
        for (int clic : clics.mid(1))
            QVERIFY2(cliquer(hub(), clic), qPrintable(QString::number(clic)));
        if (!annee.isEmpty()) {
            QCOMPARE(lignes(*bac_, kAnneeSer), annee);
            QCOMPARE(lignes(*bac_, kLireCalendSer), QStringList{u"0"_qs});
            QVERIFY(hub().isHidden() && hub().Toolbar1.isHidden() && hub().Image2.isHidden());
            QCOMPARE(!programme_->lireImage().isHidden(), clics.first() == 1);
            QCOMPARE(!programme_->entete().isHidden(), clics.first() == 2);
            // Coming back brings the main toolbar.
            programme_->montrer(Fenetre::Accueil);
        }
        QCOMPARE(hub().boutonsMontres(), attendus);
        QCOMPARE(hub().Label2.isVisible(), !signale.isEmpty());
        if (signale.isEmpty())
            return;
        QCOMPARE(hub().Label2.text(), signale);
        // Said until the next answer or action.
        if (hub().Text3.isVisible()) {
            QCOMPARE(hub().Text3.text(), u"03"_qs);
            repondre(hub().Text3, u"5"_qs);
            QVERIFY(hub().Text4.isVisible());
        } else {
            QVERIFY(!hub().Label12.isVisible());
            QVERIFY(cliquer(hub(), clics.first()));
        }
        QVERIFY(!hub().Label2.isVisible());
    }

    // The name typed, or pasted, upper-cased and held to the code page,
    // what is kept of it, and what saving makes of an existing one.
    void nommage_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("garde");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QList<Reponse>>("reponses");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<bool>("signale"); // what a name may be is said
        const auto ligne = [](const char* cas, const QString& nom, const QString& garde,
                              bool existe = false, QList<Reponse> reponses = {},
                              bool accepte = true, bool signale = false) {
            QTest::newRow(cas) << nom << garde << existe << reponses << accepte << signale;
        };
        ligne("nouveau", u"famille"_qs, u"FAMILLE"_qs);
        ligne("blancs gardes dans Lire.ser", u" famille "_qs, u" FAMILLE "_qs);
        ligne("accents", u"noël à été"_qs, u"NOËL À ÉTÉ"_qs);
        ligne("hors du code page", u"a\u0101b\u4e2dc"_qs, u"ABC"_qs);
        ligne("micro garde tel quel", u"µ"_qs, u"µ"_qs);
        ligne("existant, oui", u"FAMILLE"_qs, u"FAMILLE"_qs, true, {Reponse::Oui});
        ligne("existant, non", u"FAMILLE"_qs, u"FAMILLE"_qs, true, {Reponse::Non}, false);
        // Which names are refused is the working files' rule: one stands for all.
        ligne("refuse", u"A/B"_qs, u"A/B"_qs, false, {}, false, true);
    }
    void nommage() {
        QFETCH(QString, nom);
        QFETCH(QString, garde);
        QFETCH(bool, existe);
        QFETCH(QList<Reponse>, reponses);
        QFETCH(bool, accepte);
        QFETCH(bool, signale);
        const QString index = QDir(bac_->chemin(kSaveCalend)).filePath(u"FAMILLE2027.Ans"_qs);
        for (Reponse r : reponses)
            services_.reponses.enqueue(r);

        QVERIFY(cliquer(hub(), 2));
        repondre(hub().Text5, u"2027"_qs);
        QDir(bac_->chemin(kSaveCalend)).removeRecursively();
        QVERIFY(cliquer(hub(), 12));
        // Saving makes the folder again when it went missing.
        QVERIFY(QFileInfo(bac_->chemin(kSaveCalend)).isDir());
        if (existe)
            QVERIFY(plateforme::reecrire(index, {u"ancienne page"_qs}));
        QVERIFY(hub().Text14.isVisible());
        taper(hub().Text14, nom);
        QCOMPARE(hub().Text14.text(), garde);
        hub().Text14.clear();
        hub().Text14.insert(nom);
        QCOMPARE(hub().Text14.text(), garde);
        QTest::keyClick(&hub().Text14, Qt::Key_Return);

        QCOMPARE(services_.questions,
                 existe ? QStringList{u"Le Nom exite déjà|ECRASER"_qs} : QStringList{});
        QCOMPARE(hub().Label2.isVisible(), signale);
        if (signale)
            QCOMPARE(
                hub().Label2.text(),
                u"Nom refusé : ni / ni \\, ni « . » seul, ni « .. » au début, ni trop long"_qs);
        // A name refused waits for another, in an empty box.
        QCOMPARE(hub().boutonsMontres(),
                 (accepte ? Boutons{6, 11, 15, 16, 17} : Boutons{15, 16, 17}));
        QCOMPARE(hub().Text14.isVisible(), !accepte);
        QVERIFY(accepte || hub().Text14.text().isEmpty());
        QCOMPARE(lignes(*bac_, kSauve),
                 (accepte ? QStringList{u"1"_qs, garde.trimmed()} : QStringList{u"0"_qs}));
        QCOMPARE(lignes(*bac_, kLireSer), accepte ? QStringList{garde} : QStringList{});
        // The index comes with the pages, and the old one stays until then.
        QCOMPARE(plateforme::lireLignes(index),
                 existe ? QStringList{u"ancienne page"_qs} : QStringList{});
    }

    void finTermineAussitot() {
        QVERIFY(cliquer(hub(), 2));
        QVERIFY(cliquer(hub(), 17));
        QVERIFY(programme_->termine());
        QCOMPARE(lignes(*bac_, kAnneeSer), QStringList{u"2"_qs});
    }

    // Help is the page delivered beside the program (when it is not, the
    // user is told and nothing opens); the site button works only with an address.
    void liens() {
        QVERIFY(cliquer(hub(), 15));
        const QString aide = Calend::cheminAide();
        QCOMPARE(ouverts_,
                 QFile::exists(aide) ? QList<QUrl>{QUrl::fromLocalFile(aide)} : QList<QUrl>{});
        QCOMPARE(QFileInfo(aide).fileName(), u"Calend.html"_qs);
        QCOMPARE(QFileInfo(aide).absolutePath(), QCoreApplication::applicationDirPath());
        ouverts_.clear();
        const bool adresse = !QStringLiteral(QUIVEX_WEB_ADRESSE).isEmpty();
        QCOMPARE(hub().bouton(16)->isEnabled(), adresse);
        hub().Site_Click();
        QCOMPARE(ouverts_.size(), adresse ? 1 : 0);
    }
};

QTEST_MAIN(TestCalend)
#include "tst_calend.moc"
