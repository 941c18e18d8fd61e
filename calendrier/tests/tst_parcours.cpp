// The program as a user goes through it: the hub's toolbar, the answers typed
// under its prompt, the picture windows' tree, list and button, then the page
// window and the printer, and back to the main toolbar or out of the program.

#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/douzeimage.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/images/tests/atelier.h"
#include "calendrier/programme.h"
#include "plateforme/essais/imprimanteenregistreuse.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

using namespace calendrier;
using plateforme::DocumentImprime;

namespace {

const QList<int> kMenu = {1, 2, 3, 8, 13, 15, 16, 17};
// Pictures of the Images folder, and one more folder the user picks in the tree.
const QStringList kPaysages = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs, u"Corse.jpg"_qs};
const QString kAutreDossier = u"Noel"_qs;
const QString kSapin = u"Sapin.jpg"_qs;

bool sousFenetreMaximisee(const QWidget& fenetre) {
    auto* sous = qobject_cast<QMdiSubWindow*>(fenetre.parentWidget());
    return sous && sous->isVisible() && sous->isMaximized();
}

// The page stands in the frame at its own size, the size it is captured at.
bool pageATaTaille(const AficheCalend& page) {
    auto* sous = qobject_cast<QMdiSubWindow*>(page.parentWidget());
    return sous && sous->isVisible() && !sous->isMaximized() && sous->size() == page.size() &&
           page.Image1.size() == page.size();
}

} // namespace

// A step made of several checks: the test stops at the first that fails.
#define ETAPE(appel)                                                                               \
    do {                                                                                           \
        appel;                                                                                     \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class Parcours {
public:
    Parcours() : programme(essai.services()) {
        bac.copierDuProgramme(u"Prenoms"_qs);
        bac.copierDuProgramme(u"Couleur"_qs);
        int teinte = 0;
        for (const QString& nom : kPaysages)
            Atelier::poserImage(QDir(bac.chemin(u"Images"_qs)).filePath(nom), teinte += 50);
        Atelier::poserImage(QDir(bac.chemin(kAutreDossier)).filePath(kSapin), 120);
        programme.zoom().setEcran([] { return QSize(800, 600); });
        // Started as the program starts once the splash is gone.
        programme.menuUn().MDIForm_Load();
    }

    Calend& hub() { return programme.calend(); }
    AficheCalend& page() { return programme.aficheCalend(); }
    QStringList lignes(const QString& nom) const { return plateforme::lireLignes(bac.chemin(nom)); }
    QString image(const QString& nom) const { return QDir(bac.chemin(u"Images"_qs)).filePath(nom); }

    // A toolbar button, clicked as the user does; a hidden one cannot be.
    void cliquer(int position) {
        QAction* action = hub().bouton(position);
        QVERIFY2(hub().isVisible() && hub().Toolbar1.isVisible() && action->isVisible(),
                 qPrintable(u"bouton %1 caché"_qs.arg(position)));
        auto* bouton = qobject_cast<QToolButton*>(hub().Toolbar1.widgetForAction(action));
        QVERIFY(bouton);
        QTest::mouseClick(bouton, Qt::LeftButton);
    }
    // Types in the box shown under the hub's prompt, then Enter.
    void repondreAuHub(QLineEdit& boite, const QString& texte) {
        QVERIFY(boite.isVisible());
        repondre(boite, texte);
    }

    // The month (or the year) asked and its output chosen on the toolbar.
    void demanderMois(int bouton) {
        cliquer(1);
        repondreAuHub(hub().Text3, u"12"_qs);
        repondreAuHub(hub().Text4, u"2026"_qs);
        QCOMPARE(hub().boutonsMontres(), QList<int>({4, 7, 11, 15, 17}));
        cliquer(bouton);
    }
    void demanderAnnee() {
        cliquer(2);
        repondreAuHub(hub().Text5, u"2026"_qs);
    }

    // One picture chosen in LireImage: the one in the other folder.
    void choisirImageDuMois() {
        LireImage& f = programme.lireImage();
        QVERIFY(f.isVisible() && sousFenetreMaximisee(f));
        QCOMPARE(f.Label3.text(), u"Mois 12 Annee 2026"_qs);
        Atelier::cliquerDossier(f, bac.chemin(kAutreDossier));
        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerBouton(f); // Confirmer
        QCOMPARE(f.Command1.text(), u"Suite"_qs);
        Atelier::cliquerBouton(f); // Suite
        QVERIFY(!f.isVisible());
    }

    // The cover in Entete, then the twelve months in DouzeImage, then "Suite".
    void choisirImagesDeLAnnee() {
        Entete& e = programme.entete();
        QVERIFY(e.isVisible() && sousFenetreMaximisee(e));
        Atelier::cliquerFichier(e, 2);
        Atelier::cliquerBouton(e);
        Atelier::cliquerBouton(e);
        QVERIFY(!e.isVisible());
        DouzeImage& d = programme.douzeImage();
        QVERIFY(d.isVisible() && sousFenetreMaximisee(d));
        // Month m gets the landscape m % 3.
        for (int m = 1; m <= 12; ++m) {
            Atelier::cliquerFichier(d, m % 3);
            Atelier::cliquerBouton(d);
        }
        QCOMPARE(lignes(kFichierSer).size(), 13);
        QCOMPARE(d.Command1.text(), u"Suite"_qs);
        Atelier::cliquerBouton(d);
        QVERIFY(!d.isVisible());
    }

    // What every consultation leaves once it is over and the hub is back.
    void verifierRetourAuMenu() {
        QVERIFY(!programme.termine());
        QVERIFY(programme.menuUn().isVisible());
        QVERIFY(!page().isVisible());
        QVERIFY(hub().isVisible() && sousFenetreMaximisee(hub()));
        QCOMPARE(hub().boutonsMontres(), kMenu);
        QCOMPARE(programme.menuUn().windowTitle(), u"Menu"_qs);
        QCOMPARE(lignes(kSauve), QStringList{u"0"_qs});
        QCOMPARE(lignes(kLireCalendSer), QStringList{u"0"_qs});
        QCOMPARE(lignes(kAnneeSer), QStringList{u"0"_qs});
        QVERIFY(lignes(kFichierSer).isEmpty());
    }
    void verifierFin() {
        QVERIFY(programme.termine());
        QVERIFY(lignes(kFichierSer).isEmpty());
        QCOMPARE(lignes(kLireCalendSer), QStringList{u"0"_qs});
    }
    QStringList temporairesRestants() const {
        return QDir(bac.chemin(kSaveCalend)).entryList({u"*.tmp"_qs}, QDir::Files);
    }

    // A print run over: `feuilles` sheets of one page picture each, nothing
    // left of the run, and the page asks for another consultation.
    void verifierImpression(int feuilles) {
        QCOMPARE(journal.size(), 1);
        const DocumentImprime& document = journal.first();
        QCOMPARE(document.feuilles.size(), feuilles);
        QVERIFY(document.termine);
        for (const auto& feuille : document.feuilles)
            QCOMPARE(feuille.size(), 1);
        QCOMPARE(lignes(kSauve), QStringList{u"0"_qs});
        QVERIFY(temporairesRestants().isEmpty());
        verifierQuestion(page().Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs);
    }

    // The page shown waits for the answer in `boite`, under `question`.
    void verifierQuestion(const QLineEdit& boite, const QString& question,
                          const QString& proposition) {
        QVERIFY(page().isVisible() && pageATaTaille(page()));
        QVERIFY(programme.menuUn().isVisible());
        QVERIFY(boite.isVisible());
        QCOMPARE(boite.text(), proposition);
        QCOMPARE(page().Label12.text(), question);
        QVERIFY(!hub().isVisible());
    }

    BacASable bac;
    ServicesEssai essai;
    QList<DocumentImprime>& journal = essai.journal;
    Programme programme;
};

class TestParcours : public QObject {
    Q_OBJECT

private slots:
    void moisALEcran() {
        Parcours p;
        ETAPE(p.demanderMois(7));
        QCOMPARE(p.lignes(kAnneeSer), QStringList({u"1"_qs, u"5"_qs}));
        ETAPE(p.choisirImageDuMois());
        QCOMPARE(p.lignes(kFichierSer),
                 QStringList{QDir(p.bac.chemin(kAutreDossier)).filePath(kSapin)});
        ETAPE(p.verifierQuestion(p.page().Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs));
        QCOMPARE(p.page().Label2.text().trimmed(), u"Decembre"_qs);
        QCOMPARE(p.page().Image1.chemin(), QDir(p.bac.chemin(kAutreDossier)).filePath(kSapin));
        QVERIFY(p.journal.isEmpty());
        repondre(p.page().Text1, u"o"_qs);
        p.verifierRetourAuMenu();
    }

    void moisImprime() {
        Parcours p;
        ETAPE(p.demanderMois(4));
        ETAPE(p.choisirImageDuMois());
        ETAPE(p.verifierImpression(1));
        repondre(p.page().Text1, u"n"_qs);
        p.verifierFin();
    }

    void anneeALEcran() {
        Parcours p;
        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(14)); // on to the screen without saving
        ETAPE(p.cliquer(6));
        QCOMPARE(p.lignes(kAnneeSer), QStringList({u"2"_qs, u"7"_qs}));
        ETAPE(p.choisirImagesDeLAnnee());
        AficheCalend& page = p.page();
        ETAPE(p.verifierQuestion(page.Text2, u"Faite OK Pour Avoir Le 1° MOIS ou  F pour Fin "_qs,
                                 u"OK"_qs));
        QCOMPARE(page.Image1.chemin(), p.image(kPaysages[2]));
        for (int m = 1; m <= 12; ++m) {
            QVERIFY2(page.Text2.isVisible(), qPrintable(QString::number(m)));
            QTest::keyClick(&page.Text2, Qt::Key_Return);
            QCOMPARE(p.lignes(kLireCalendSer).value(1), QString::number(m));
            QCOMPARE(page.Image1.chemin(), p.image(kPaysages[m % 3]));
        }
        QCOMPARE(page.Label2.text().trimmed(), u"Decembre"_qs);
        ETAPE(p.verifierQuestion(page.Text1, u"O Autre Consultation  ou  F pour Fin "_qs, u"O"_qs));
        QVERIFY(p.journal.isEmpty());
        repondre(page.Text1, u"F"_qs);
        p.verifierRetourAuMenu();
    }

    void anneeImprimee() {
        Parcours p;
        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(5));
        QCOMPARE(p.lignes(kAnneeSer), QStringList({u"2"_qs, u"6"_qs}));
        ETAPE(p.choisirImagesDeLAnnee());
        ETAPE(p.verifierImpression(13)); // the cover and the twelve months
        repondre(p.page().Text1, u"O"_qs);
        p.verifierRetourAuMenu();
    }

    void anneeSauvee() {
        Parcours p;
        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(12));
        QCOMPARE(p.hub().Label12.text(), u"Nom du Calendrier à Sauver"_qs);
        ETAPE(p.repondreAuHub(p.hub().Text14, u"famille"_qs));
        QCOMPARE(p.hub().boutonsMontres(), QList<int>({6, 11, 15, 16, 17}));
        ETAPE(p.cliquer(6));
        ETAPE(p.choisirImagesDeLAnnee());
        QVERIFY(p.journal.isEmpty());

        const FichiersTravail f;
        const QString index = p.bac.chemin(f.cheminIndex(u"FAMILLE"_qs, u"2026"_qs));
        QCOMPARE(plateforme::lireLignes(index).size(), 14);
        const QStringList pages = f.pagesCalendrier(QFileInfo(index).fileName());
        QCOMPARE(pages.size(), 13);
        QCOMPARE(QDir(p.bac.chemin(kSaveCalend)).entryList({u"*.Ima"_qs}, QDir::Files).size(), 13);
        const QSize taille = p.page().size();
        for (const QString& page : pages) {
            QImageReader lecteur(page);
            QCOMPARE(lecteur.format(), QByteArray("bmp"));
            QCOMPARE(lecteur.size(), taille);
        }
        ETAPE(p.verifierQuestion(p.page().Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs));
        repondre(p.page().Text1, u"N"_qs);
        p.verifierFin();
    }
};

QTEST_MAIN(TestParcours)
#include "tst_parcours.moc"
