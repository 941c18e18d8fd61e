// The program as a user goes through it: the hub, the picture windows, the page
// window, the printer and the viewer, and back to the hub or out of the program.

#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/douzeimage.h"
#include "calendrier/images/lireimage.h"
#include "calendrier/images/tests/atelier.h"
#include "calendrier/images/voircalend.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/images.h"

#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTest>
#include <QToolBar>

using namespace calendrier;

// Pictures of the Images folder (another folder, picked in the tree, holds a fir).
const QStringList kPaysages = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs, u"Corse.jpg"_qs};

// A window shown maximised in the frame; the page stands there at its own
// size instead, the size it is captured at.
bool montree(const QWidget& fenetre) {
    auto* sous = qobject_cast<QMdiSubWindow*>(fenetre.parentWidget());
    auto* page = qobject_cast<const AficheCalend*>(&fenetre);
    return sous && sous->isVisible() &&
           (page ? sous->size() == page->size() && page->Image1.size() == page->size()
                 : sous->isMaximized());
}

class Parcours {
public:
    Parcours() : programme(essai.services()) {
        bac.copierDuProgramme(u"Prenoms"_qs);
        bac.copierDuProgramme(u"Couleur"_qs);
        for (int i = 0; i < 3; ++i)
            Atelier::poserImage(image(kPaysages[i]), 50 * (i + 1));
        Atelier::poserImage(sapin(), 120);
        programme.zoom().setEcran([] { return QSize(800, 600); });
        // Started as the program starts once the splash is gone.
        programme.menuUn().MDIForm_Load();
    }
    Calend& hub() { return programme.calend(); }
    AficheCalend& page() { return programme.aficheCalend(); }
    VoirCalend& voir() { return programme.voirCalend(); }
    QStringList lignes(const QString& nom) const { return plateforme::lireLignes(bac.chemin(nom)); }
    QString image(const QString& nom) const { return bac.chemin(u"Images/"_qs + nom); }
    QString sapin() const { return bac.chemin(u"Noel/Sapin.jpg"_qs); }

    // A toolbar button, clicked as the user does; a hidden or inactive one cannot be.
    static void cliquer(QToolBar& barre, QAction* action) {
        QVERIFY2(barre.isVisible() && action->isVisible() && action->isEnabled(),
                 qPrintable(action->text()));
        QTest::mouseClick(barre.widgetForAction(action), Qt::LeftButton);
    }
    void cliquer(int position) { cliquer(hub().Toolbar1, hub().bouton(position)); }
    void cliquerVoir(int index) { cliquer(voir().Toolbar1, voir().bouton(index)); }
    // The cover in Entete, then month m gets the landscape m % 3, then "Suite".
    void choisirImagesDeLAnnee() {
        Entete& e = programme.entete();
        DouzeImage& d = programme.douzeImage();
        Atelier::cliquerFichier(e, 2);
        Atelier::cliquerBouton(e);
        Atelier::cliquerBouton(e);
        for (int m = 1; m <= 12; ++m) {
            Atelier::cliquerFichier(d, m % 3);
            Atelier::cliquerBouton(d);
        }
        QVERIFY(!e.isVisible() && montree(d) && lignes(kFichierSer).size() == 13);
        Atelier::cliquerBouton(d);
    }

    // The frame shows one sub-window, and in it the window `attendue`.
    void verifierSeuleFenetre(const QWidget* attendue, const QString& ou = {}) {
        auto sous = programme.menuUn().findChildren<QMdiSubWindow*>();
        sous.removeIf([](const QMdiSubWindow* s) { return !s->isVisible(); });
        QVERIFY2(sous.size() == 1 && programme.menuUn().fenetreMontree() == attendue,
                 qPrintable(ou));
    }

    // What every consultation leaves once it is over and the hub is back.
    void verifierRetourAuMenu() {
        QVERIFY(!programme.termine() && montree(hub()) &&
                programme.menuUn().windowTitle() == u"Menu"_qs);
        verifierSeuleFenetre(&hub());
        QCOMPARE(hub().boutonsMontres(), QList<int>({1, 2, 3, 8, 13, 15, 16, 17}));
        QCOMPARE(lignes(kSauve) + lignes(kLireCalendSer) + lignes(kAnneeSer) + lignes(kFichierSer),
                 QStringList(3, u"0"_qs));
    }

    // The page shown waits for the answer in `boite`, offered, under `question`.
    void verifierQuestion(const QLineEdit& boite, const QString& question) {
        QVERIFY(montree(page()) && !hub().isVisible() && boite.isVisible());
        QCOMPARE(boite.text(), &boite == &page().Text2 ? u"OK"_qs : u"O"_qs);
        QCOMPARE(page().Label12.text(), question);
    }

    // The calendar `index` chosen in the list, then its cover clicked: its months shown.
    void choisirCalendrier(const QString& index, bool ouvrir = false) {
        const QList<QListWidgetItem*> items = voir().File1.findItems(index, Qt::MatchExactly);
        QVERIFY2(voir().File1.isVisible() && items.size() == 1, qPrintable(index));
        QTest::mouseClick(voir().File1.viewport(), Qt::LeftButton, {},
                          voir().File1.visualItemRect(items.first()).center());
        if (ouvrir)
            QTest::mouseClick(&voir().Image14, Qt::LeftButton);
    }
    // The viewer's main controls shown, by their names, then its buttons offered.
    QString etatVoir() {
        VoirCalend& v = voir();
        QStringList vus;
        for (QWidget* c :
             std::initializer_list<QWidget*>{&v.Label2, &v.File1, &v.Label1, &v.Image14,
                                             &v.Image(12), &v.LabelMois(12), &v.Image13})
            if (c->isVisible())
                vus << c->objectName();
        for (int b : v.Toolbar1.isVisible() ? v.boutonsActifs() : QList<int>())
            vus << QString::number(b);
        return vus.join(u' ');
    }

    BacASable bac;
    ServicesEssai essai;
    Programme programme;

    // A user wandering: at each step a gesture among those the window shown
    // offers, then a look at the frame and the working folder; only "N" under
    // the page and "Fin" end the program. Says how many steps were made.
    int marcher(quint32 graine, int pas) {
        alea_.seed(graine);
        while (pas_ < pas && !programme.termine() && !QTest::currentTestFailed()) {
            const QString ou = u"pas %1"_qs.arg(++pas_);
            fin_ = false;
            geste();
            verifier(ou);
        }
        return pas_;
    }

private:
    int un(int sur) { return static_cast<int>(alea_.bounded(sur)); }
    QString parmi(const QString& choix) {
        return choix.split(u'|').at(un(int(choix.count(u'|')) + 1));
    }

    void geste() {
        Calend& h = hub();
        AficheCalend& affiche = page();
        QWidget* montree = programme.menuUn().fenetreMontree();
        if (auto* f = qobject_cast<FenetreImages*>(montree)) {
            if (f->File1.count() > 0 && (un(5) != 0 || !f->Command1.isVisible())) // or none
                Atelier::cliquerFichier(*f, un(f->File1.count()));
            return Atelier::cliquerBouton(*f);
        }
        if (montree == &affiche && affiche.Text2.isVisible()) // the year unsaved, page by page
            return repondre(affiche.Text2, un(12) ? u"OK"_qs : u"F"_qs);
        if (montree == &affiche) {
            const QString texte = parmi(u"O|o||X|F|N|n"_qs);
            fin_ = texte.toUpper() == u"N"_qs;
            return repondre(affiche.Text1, texte);
        }
        QVERIFY2(montree == &h, qPrintable(montree ? montree->objectName() : u"rien"_qs));
        for (QLineEdit* b : h.findChildren<QLineEdit*>())
            if (b->isVisible()) {
                // Right and wrong: a month, a name (replaced if answered Oui), a year.
                const QString r = b == &h.Text3    ? u"13|0|ABC|| 07 |7|12|1"_qs
                                  : b == &h.Text14 ? u"FAMILLE|NOEL|Mamie|A/B"_qs
                                                   : u"3001|0|-5|2026|2026x|1999"_qs;
                essai.reponses.enqueue(un(2) ? plateforme::Reponse::Oui : plateforme::Reponse::Non);
                repondre(*b, parmi(r));
                return essai.reponses.clear();
            }
        // The editors, the viewer and the site aside; back (11), help (15) and the
        // end (17) now and then.
        QList<int> boutons = h.boutonsMontres();
        boutons.removeIf([&](int b) {
            return b == 3 || b == 8 || b == 13 || b == 16 ||
                   (b % 2 && b > 10 && un(b < 17 ? 4 : 20));
        });
        QVERIFY2(!boutons.isEmpty(), "aucun bouton");
        const int bouton = boutons[un(int(boutons.size()))];
        fin_ = bouton == 17;
        cliquer(bouton);
    }

    void verifier(const QString& ou) {
        QVERIFY2(programme.termine() == fin_, qPrintable(ou));
        if (fin_)
            return;
        QWidget* montree = programme.menuUn().fenetreMontree();
        verifierSeuleFenetre(montree, ou);
        if (montree == &hub()) // the toolbar, no save left half-made
            QVERIFY2(hub().Toolbar1.isVisible() &&
                         QDir(kSaveCalend).entryList({u"*.tmp"_qs}).isEmpty(),
                     qPrintable(ou));
        else
            QVERIFY2(montree && ::montree(*montree), qPrintable(ou));
        // Nothing half-written: only the working files themselves, each whole.
        for (const QString& nom : QDir(bac.travail()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(kFichiersDeTravail.contains(nom), qPrintable(ou + u" : "_qs + nom));
        const qsizetype progression = lignes(kLireCalendSer).size();
        QVERIFY2(lignes(kAnneeSer).size() <= 2 && (progression <= 1 || progression == 4),
                 qPrintable(ou));
    }
    inline static const QStringList kFichiersDeTravail =
        u"Annee.ser Compteur.ser Couleur Enfant Fete Fichier.ser Lire.ser LireCalend.ser "
        u"Modif.ser Paque.ser Prenoms Sauve libArbrovue.so"_qs.split(u' ');
    QRandomGenerator alea_;
    bool fin_ = false;
    int pas_ = 0;
};

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    // A family's session, flow after flow: a month on screen as typed, with a
    // picture from another folder; the year on screen page by page; an editor
    // after them (a month then an editor once left a blank frame).
    void seance_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("montre"); // the month and the year on the page
        QTest::newRow("decembre") << u"12"_qs << u"2026"_qs << u"Decembre 2026"_qs;
        QTest::newRow("entre blancs, lettre") << u" 07 "_qs << u"2026x"_qs << u"Juillet 2026"_qs;
        QTest::newRow("an 202") << u"3"_qs << u"202"_qs << u"Mars 202"_qs;
    }
    void seance() {
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(QString, montre);
        Parcours p;
        AficheCalend& page = p.page();
        p.cliquer(1);
        repondre(p.hub().Text3, mois);
        repondre(p.hub().Text4, annee);
        p.cliquer(7);
        LireImage& f = p.programme.lireImage();
        Atelier::cliquerDossier(f, QFileInfo(p.sapin()).path());
        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerBouton(f); // Confirmer
        Atelier::cliquerBouton(f); // Suite
        p.verifierQuestion(page.Text1, u"Autre Consultation (O/N)"_qs);
        QCOMPARE(page.Label2.text().trimmed() + u' ' + page.Label1.text().trimmed(), montre);
        QCOMPARE(page.Image1.chemin(), p.sapin());
        repondre(page.Text1, u"o"_qs);
        p.verifierRetourAuMenu();
        p.cliquer(2);
        repondre(p.hub().Text5, u"2026"_qs);
        p.cliquer(14); // on to the screen without saving
        p.cliquer(6);
        p.choisirImagesDeLAnnee();
        p.verifierQuestion(page.Text2, u"Faite OK Pour Avoir Le 1° MOIS ou  F pour Fin "_qs);
        for (int m = 0; m <= 12; ++m) { // the cover, then month m with the landscape m % 3
            if (m > 0)
                QTest::keyClick(&page.Text2, Qt::Key_Return);
            QCOMPARE(page.Image1.chemin(), p.image(kPaysages[m > 0 ? m % 3 : 2]));
        }
        p.verifierQuestion(page.Text1, u"O Autre Consultation  ou  F pour Fin "_qs);
        repondre(page.Text1, u"F"_qs);
        p.verifierRetourAuMenu();
        p.cliquer(3);
        repondre(p.hub().Text9, u"F"_qs);
        p.verifierRetourAuMenu();
    }

    // A year saved under the name typed (every letter kept, "2026x" is 2026, an existing
    // calendar not replaced without the question), then looked at: cover, months, March
    // enlarged and put back, the list, printed whole. Then its index damaged (blank lines,
    // no cover, April's picture gone, May's no picture): what exists is shown, printed, erased.
    void anneeSauveeEtRevue_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("existe");
        QTest::newRow("accents et virgule")
            << u"Noël, Mamie"_qs << u"2026"_qs << u"NOËL, MAMIE2026"_qs << false;
        QTest::newRow("annee avec une lettre, existant, sans corbeille")
            << u"famille"_qs << u"2026x"_qs << u"FAMILLE2026"_qs << true;
    }
    void anneeSauveeEtRevue() {
        QFETCH(QString, tape);
        QFETCH(QString, annee);
        QFETCH(QString, nom);
        QFETCH(bool, existe);
        Parcours p;
        const QString ans = nom + u".Ans"_qs, index = kSaveCalend + u'/' + ans;
        const QStringList ancien = {u"SaveCalend/ANCIEN.Ima"_qs};
        QVERIFY(!existe || plateforme::reecrire(index, ancien));
        p.cliquer(2);
        repondre(p.hub().Text5, annee);
        p.cliquer(12);
        repondre(p.hub().Text14, tape); // answered No when asked
        if (existe) {
            QCOMPARE(p.essai.questions, QStringList{u"Le Nom exite déjà|ECRASER"_qs});
            QCOMPARE(plateforme::lireLignes(index), ancien);
            p.essai.reponses.enqueue(plateforme::Reponse::Oui);
            repondre(p.hub().Text14, tape);
        }
        p.cliquer(6);
        p.choisirImagesDeLAnnee();
        const QStringList pages = FichiersTravail().pagesCalendrier(ans);
        QCOMPARE(pages.size(), 13);
        p.verifierQuestion(p.page().Text1, u"Autre Consultation (O/N)"_qs);
        repondre(p.page().Text1, u"O"_qs);
        p.cliquer(13);
        VoirCalend& v = p.voir();
        p.verifierSeuleFenetre(&v);
        const QString liste = u"Label2 File1 3"_qs, douze = u"Label2 Image12 Label14 1 2 3 4"_qs;
        QCOMPARE(p.etatVoir(), liste);
        p.choisirCalendrier(ans);
        QCOMPARE(p.etatVoir(), u"Label2 Image14 3"_qs);
        QVERIFY(v.Image14.chemin() == pages[0] && v.Image14.tailleDecodee() == v.Image14.size());
        QTest::mouseClick(&v.Image14, Qt::LeftButton);
        QCOMPARE(p.etatVoir(), douze);
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(v.Image(n).chemin(), pages[n]);
        QTest::mouseClick(&v.Image(3), Qt::LeftButton);
        QCOMPARE(p.etatVoir(), u"Image13"_qs);
        QVERIFY(v.Image13.geometry() == p.page().rect() &&
                v.Image13.tailleDecodee() == p.page().size());
        QTest::mouseClick(&v.Image13, Qt::LeftButton);
        p.cliquerVoir(VoirCalend::Autre);
        QCOMPARE(p.etatVoir(), liste);
        p.choisirCalendrier(ans, true);
        p.cliquerVoir(VoirCalend::Imprimer);
        const plateforme::DocumentImprime& document = p.essai.journal.value(0);
        QCOMPARE(document.feuilles.size(), 13);
        for (int f = 0; f < 13; ++f) // cover first, then the months, each alone on its sheet
            QVERIFY(document.feuilles[f].size() == 1 &&
                    document.feuilles[f][0].cadre == QRect(60, 60, 16000, 11500) &&
                    document.feuilles[f][0].apercu ==
                        plateforme::chargerImage(pages[f]).scaledToWidth(160));
        QVERIFY(QFile::remove(pages[4]) && plateforme::reecrire(pages[5], {u"pas une image"_qs}));
        QVERIFY(plateforme::reecrire(
            index, {QString(), pages[1], u"  "_qs, pages[3], pages[4], pages[5]}));
        const QString poubelle = qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash/files"_qs;
        if (existe) // where no trash can be made
            qputenv("XDG_DATA_HOME", QFile::encodeName(p.bac.chemin(kSauve)));
        p.choisirCalendrier(ans, true);
        for (int n = 0; n <= 12; ++n) // the cover (0) is blank
            QCOMPARE((n ? v.Image(n) : v.Image14).estVide(), n != 1 && n != 3);
        QTest::mouseClick(&v.Image(4), Qt::LeftButton); // empty: nothing to enlarge
        QCOMPARE(p.etatVoir(), douze);
        p.cliquerVoir(VoirCalend::Imprimer);
        QCOMPARE(p.essai.journal.value(1).feuilles.size(), 2);
        QVERIFY(p.programme.menuUn().windowTitle().contains(u"Avril, Mai"_qs));
        p.choisirCalendrier(ans, true);
        p.cliquerVoir(VoirCalend::Effacer);
        // The index and the three files it names that are there; then no calendar is left.
        QCOMPARE(p.programme.menuUn().windowTitle(),
                 u"Voir Calendrier - %1 effacé : 4 fichiers "_qs.arg(nom) +
                     (existe ? u"supprimés"_qs : u"mis à la corbeille"_qs));
        QCOMPARE(QDir(kSaveCalend).entryList(QDir::Files).size(), 9);
        QCOMPARE(QDir(poubelle).entryList(QDir::Files).size(), existe ? 0 : 4);
        QCOMPARE(p.etatVoir() + v.Label1.text(),
                 u"Label2 Label1 3PAS DE CALENDRIER DE SAUVEGARDER"_qs);
        p.cliquerVoir(VoirCalend::Fin);
        p.verifierRetourAuMenu();
    }

    // The flows one after the other in one run, as a family uses the program.
    void marcheAuHasard_data() {
        QTest::addColumn<quint32>("graine");
        for (quint32 graine : {1u, 7u, 2026u})
            QTest::addRow("graine %u", graine) << graine;
    }
    void marcheAuHasard() {
        QFETCH(quint32, graine);
        // "N" ends the program: the family starts it again.
        for (int pas = 0; pas < 300 && !QTest::currentTestFailed();)
            pas += Parcours().marcher(graine + pas, 300 - pas);
    }
};

QTEST_MAIN(TestParcours)
#include "tst_parcours.moc"
