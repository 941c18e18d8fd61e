// The program as a user goes through it: the hub's toolbar, the answers typed
// under its prompt, the picture windows' tree, list and button, then the page
// window, the printer and the viewer, and back to the main toolbar or out of
// the program.

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
#include "calendrier/images/voircalend.h"
#include "calendrier/programme.h"
#include "plateforme/essais/imprimanteenregistreuse.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images.h"

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTest>

using namespace calendrier;
using plateforme::DocumentImprime;

namespace {

// Pictures of the Images folder, and one more folder the user picks in the tree.
const QStringList kPaysages = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs, u"Corse.jpg"_qs};
const QString kAutreDossier = u"Noel"_qs;

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
            Atelier::poserImage(image(nom), teinte += 50);
        Atelier::poserImage(sapin(), 120);
        programme.zoom().setEcran([] { return QSize(800, 600); });
        // Started as the program starts once the splash is gone.
        programme.menuUn().MDIForm_Load();
    }

    Calend& hub() { return programme.calend(); }
    AficheCalend& page() { return programme.aficheCalend(); }
    VoirCalend& voir() { return programme.voirCalend(); }
    QStringList lignes(const QString& nom) const { return plateforme::lireLignes(bac.chemin(nom)); }
    QString image(const QString& nom) const { return QDir(bac.chemin(u"Images"_qs)).filePath(nom); }
    QString sapin() const { return QDir(bac.chemin(kAutreDossier)).filePath(u"Sapin.jpg"_qs); }

    // A toolbar button, clicked as the user does; a hidden one cannot be.
    void cliquer(int position) {
        QAction* action = hub().bouton(position);
        QVERIFY2(hub().isVisible() && hub().Toolbar1.isVisible() && action->isVisible(),
                 qPrintable(u"bouton %1 caché"_qs.arg(position)));
        QTest::mouseClick(hub().Toolbar1.widgetForAction(action), Qt::LeftButton);
    }
    // Types in the box shown under the hub's prompt, then Enter.
    void repondreAuHub(QLineEdit& boite, const QString& texte) {
        QVERIFY(boite.isVisible());
        repondre(boite, texte);
    }
    void demanderAnnee(const QString& annee = u"2026"_qs) {
        cliquer(2);
        repondreAuHub(hub().Text5, annee);
    }

    // The cover in Entete, then the twelve months in DouzeImage, then "Suite".
    void choisirImagesDeLAnnee() {
        Entete& e = programme.entete();
        QVERIFY(e.isVisible() && sousFenetreMaximisee(e));
        Atelier::cliquerFichier(e, 2);
        Atelier::cliquerBouton(e);
        Atelier::cliquerBouton(e);
        DouzeImage& d = programme.douzeImage();
        QVERIFY(!e.isVisible() && d.isVisible() && sousFenetreMaximisee(d));
        // Month m gets the landscape m % 3.
        for (int m = 1; m <= 12; ++m) {
            Atelier::cliquerFichier(d, m % 3);
            Atelier::cliquerBouton(d);
        }
        QCOMPARE(lignes(kFichierSer).size(), 13);
        Atelier::cliquerBouton(d);
        QVERIFY(!d.isVisible());
    }

    // The frame shows one sub-window, and in it the window `attendue`.
    void verifierSeuleFenetre(const QWidget* attendue, const QString& ou = {}) {
        const auto sous = programme.menuUn().findChildren<QMdiSubWindow*>();
        const auto montrees =
            std::count_if(sous.begin(), sous.end(), [](auto* s) { return s->isVisible(); });
        QVERIFY2(montrees == 1 && programme.menuUn().fenetreMontree() == attendue,
                 qPrintable(ou + u" : %1 sous-fenêtres"_qs.arg(montrees)));
    }

    // What every consultation leaves once it is over and the hub is back.
    void verifierRetourAuMenu() {
        QVERIFY(!programme.termine() && programme.menuUn().isVisible() && !page().isVisible());
        QVERIFY(sousFenetreMaximisee(hub()));
        ETAPE(verifierSeuleFenetre(&hub()));
        QCOMPARE(hub().boutonsMontres(), QList<int>({1, 2, 3, 8, 13, 15, 16, 17}));
        QCOMPARE(programme.menuUn().windowTitle(), u"Menu"_qs);
        for (const QString& nom : {kSauve, kLireCalendSer, kAnneeSer})
            QCOMPARE(lignes(nom), QStringList{u"0"_qs});
        QVERIFY(lignes(kFichierSer).isEmpty());
    }
    QStringList temporairesRestants() const {
        return QDir(bac.chemin(kSaveCalend)).entryList({u"*.tmp"_qs}, QDir::Files);
    }

    // The page shown waits for the answer in `boite`, under `question`.
    void verifierQuestion(const QLineEdit& boite, const QString& question,
                          const QString& proposition) {
        QVERIFY(page().isVisible() && pageATaTaille(page()) && !hub().isVisible());
        QVERIFY(boite.isVisible());
        QCOMPARE(boite.text(), proposition);
        QCOMPARE(page().Label12.text(), question);
    }

    // The viewer's buttons and list, clicked as the user does.
    void cliquerVoir(int index) {
        QAction* action = voir().bouton(index);
        QVERIFY2(voir().Toolbar1.isVisible() && action->isEnabled(), "bouton inactif");
        QTest::mouseClick(voir().Toolbar1.widgetForAction(action), Qt::LeftButton);
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
        for (int b : v.boutonsActifs())
            if (v.Toolbar1.isVisible())
                vus << QString::number(b);
        return vus.join(u' ');
    }

    BacASable bac;
    ServicesEssai essai;
    QList<DocumentImprime>& journal = essai.journal;
    Programme programme;
};

// Notes each thumbnail as it shows, with how many had a picture then.
struct Apparitions : QObject {
    explicit Apparitions(VoirCalend& voir) : v(voir) {
        for (int n = 1; n <= 12; ++n)
            v.Image(n).installEventFilter(this);
    }
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        int chargees = 0;
        for (int n = 1; n <= 12; ++n)
            chargees += !v.Image(n).estVide();
        if (evenement->type() == QEvent::Show)
            vues << objet->objectName() + u'/' + QString::number(chargees);
        return false;
    }
    VoirCalend& v;
    QStringList vues;
};

// A user wandering through the program: seeded random flows from the hub,
// wrong answers among the right ones, and after every step a look at what
// the frame shows and what the working folder holds.
class Marche {
public:
    Marche(Parcours& p, quint32 graine) : p_(p), alea_(graine) {}

    // Walks until `pas` steps are made or the program is ended.
    void marcher(int pas) {
        while (pas_ < pas && !p_.programme.termine()) {
            const int tirage = un(10);
            if (tirage < 3)
                ETAPE(mois());
            else if (tirage < 7)
                ETAPE(annee());
            else if (tirage < 9)
                ETAPE(editeur());
            else
                ETAPE(clic(15, hub_)); // the help, noted
        }
    }
    int pas() const { return pas_; }

private:
    int un(int sur) { return static_cast<int>(alea_.bounded(sur)); }
    template <class T> const T& parmi(const QList<T>& l) { return l[un(int(l.size()))]; }

    // One gesture, then the checks of where it must lead: the window
    // `attendue` alone in the frame, or the program ended when there is none.
    template <class Geste> void etape(Geste geste, QWidget* attendue) {
        ++pas_;
        geste();
        if (!QTest::currentTestFailed())
            verifier(attendue);
    }
    void clic(int bouton, QWidget* attendue) {
        etape([&] { p_.cliquer(bouton); }, attendue);
    }
    void tape(QLineEdit& boite, const QString& texte, QWidget* attendue) {
        etape([&] { repondre(boite, texte); }, attendue);
    }
    void bouton(FenetreImages& f, QWidget* attendue) {
        etape([&] { Atelier::cliquerBouton(f); }, attendue);
    }
    // Any picture of the list chosen, then the window's button.
    void choisir(FenetreImages& f) {
        ETAPE(etape([&] { Atelier::cliquerFichier(f, un(f.File1.count())); }, &f));
        bouton(f, &f);
    }

    void verifier(QWidget* attendue) {
        const QString ou = u"pas %1"_qs.arg(pas_);
        QVERIFY2(p_.programme.termine() == !attendue, qPrintable(ou));
        if (!attendue)
            return;
        MenuUn& cadre = p_.programme.menuUn();
        QVERIFY2(cadre.isVisible(), qPrintable(ou));
        ETAPE(p_.verifierSeuleFenetre(attendue, ou));
        Calend& hub = p_.hub();
        if (attendue == hub_ && editeur_) {
            QVERIFY2(!hub.Toolbar1.isVisible() && hub.Label12.isVisible(), qPrintable(ou));
        } else if (attendue == hub_) {
            QVERIFY2(hub.Toolbar1.isVisible() && !hub.boutonsMontres().isEmpty(), qPrintable(ou));
            QCOMPARE(cadre.windowTitle(), u"Menu"_qs);
            QVERIFY2(p_.temporairesRestants().isEmpty(), qPrintable(ou));
        } else if (attendue == page_) {
            QVERIFY2(pageATaTaille(p_.page()), qPrintable(ou));
        }
        // Nothing half-written: only the working files themselves, each whole.
        for (const QString& nom :
             QDir(p_.bac.travail()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
            QVERIFY2(kFichiersDeTravail.contains(nom), qPrintable(ou + u" : "_qs + nom));
        QVERIFY2(p_.lignes(kAnneeSer).size() <= 2, qPrintable(ou));
        const qsizetype progression = p_.lignes(kLireCalendSer).size();
        QVERIFY2(progression <= 1 || progression == 4, qPrintable(ou));
    }

    void mois() {
        Calend& hub = p_.hub();
        ETAPE(clic(1, hub_));
        if (un(4) == 0)
            ETAPE(tape(hub.Text3, parmi(kMoisRefuses), hub_));
        if (un(8) == 0)
            return clic(11, hub_);
        ETAPE(tape(hub.Text3, parmi(kMoisAcceptes), hub_));
        if (un(5) == 0)
            return tape(hub.Text4, parmi(kAnneesRefusees), hub_);
        ETAPE(tape(hub.Text4, parmi(kAnneesAcceptees), hub_));
        const int sortie = parmi(QList<int>{4, 7, 7, 11});
        ETAPE(clic(sortie, sortie == 11 ? hub_ : &lire_));
        if (sortie == 11)
            return;
        if (un(4) == 0) // nothing chosen
            ETAPE(bouton(lire_, &lire_));
        ETAPE(choisir(lire_));
        ETAPE(bouton(lire_, page_));
        autreConsultation();
    }

    void annee() {
        Calend& hub = p_.hub();
        ETAPE(clic(2, hub_));
        if (un(6) == 0)
            return tape(hub.Text5, parmi(kAnneesRefusees), hub_);
        ETAPE(tape(hub.Text5, parmi(kAnneesAcceptees), hub_));
        const int choix = un(10);
        const bool sauvee = choix > 1 && choix < 5;
        if (sauvee)
            ETAPE(nommer());
        else if (choix != 1)
            ETAPE(clic(14, hub_)); // on towards the screen
        if (choix == 0)            // and back
            return clic(11, hub_);
        ETAPE(clic(choix == 1 ? 5 : 6, &entete_));
        ETAPE(choisir(entete_));
        ETAPE(bouton(entete_, &douze_));
        for (int m = 1; m <= 12; ++m)
            ETAPE(choisir(douze_));
        ETAPE(bouton(douze_, page_));
        // On screen unsaved: page after page, or F on the way.
        AficheCalend& page = p_.page();
        for (int m = 0; m <= 12 && page.Text2.isVisible(); ++m) {
            if (un(12) == 0)
                return tape(page.Text2, u"F"_qs, hub_);
            ETAPE(tape(page.Text2, u"OK"_qs, page_));
        }
        autreConsultation();
    }

    void nommer() {
        Calend& hub = p_.hub();
        ETAPE(clic(12, hub_));
        if (un(4) == 0) // a name no file can have: the box waits for another
            ETAPE(tape(hub.Text14, u"A/B"_qs, hub_));
        const QString nom = parmi(QStringList{u"FAMILLE"_qs, u"NOEL"_qs, u"Mamie"_qs});
        // A calendar of that name is replaced once the question is answered Oui.
        if (FichiersTravail().calendrierExiste(nom, hub.consultation().texteAnnee()))
            p_.essai.reponses.enqueue(plateforme::Reponse::Oui);
        ETAPE(tape(hub.Text14, nom, hub_));
        QVERIFY(p_.essai.reponses.isEmpty());
        QCOMPARE(hub.boutonsMontres(), QList<int>({6, 11, 15, 16, 17}));
    }

    void autreConsultation() {
        QLineEdit& reponse = p_.page().Text1;
        QVERIFY(reponse.isVisible());
        const QString texte =
            parmi(QStringList{u"O"_qs, u"o"_qs, QString(), u"X"_qs, u"F"_qs, u"N"_qs});
        tape(reponse, texte, texte == u"N"_qs ? nullptr : hub_);
    }

    void editeur() {
        const bool fetes = un(2) == 0;
        Calend& hub = p_.hub();
        QLineEdit& lettre = fetes ? hub.Text10 : hub.Text9;
        QLineEdit& date = fetes ? hub.Text11 : hub.Text6;
        editeur_ = true;
        ETAPE(clic(fetes ? 8 : 3, hub_));
        for (int n = un(3); n > 0; --n) {
            ETAPE(tape(lettre, parmi(QStringList{u"A"_qs, u"Z"_qs}), hub_));
            if (!date.isVisible())
                continue;
            ETAPE(tape(date, fetes ? u"14/07"_qs : u"02/05/1990"_qs, hub_));
            ETAPE(tape(fetes ? hub.Text12 : hub.Text7, u"PAUL"_qs, hub_));
        }
        editeur_ = false;
        tape(lettre, u"F"_qs, hub_);
    }

    inline static const QStringList kFichiersDeTravail = {
        u"Annee.ser"_qs,     u"Compteur.ser"_qs, u"Couleur"_qs,  u"Enfant"_qs,
        u"Fete"_qs,          u"Fichier.ser"_qs,  u"Lire.ser"_qs, u"LireCalend.ser"_qs,
        u"Modif.ser"_qs,     u"Paque.ser"_qs,    u"Prenoms"_qs,  u"Sauve"_qs,
        u"libArbrovue.so"_qs};
    inline static const QStringList kMoisRefuses = {u"13"_qs, u"0"_qs, u"ABC"_qs, QString()};
    inline static const QStringList kMoisAcceptes = {u" 07 "_qs, u"7"_qs, u"12"_qs, u"1"_qs};
    inline static const QStringList kAnneesRefusees = {u"3001"_qs, u"0"_qs, u"-5"_qs};
    inline static const QStringList kAnneesAcceptees = {u"2026"_qs, u"2026x"_qs, u" 2026"_qs,
                                                        u"1999"_qs};

    Parcours& p_;
    QRandomGenerator alea_;
    QWidget* const hub_ = &p_.hub();
    QWidget* const page_ = &p_.page();
    LireImage& lire_ = p_.programme.lireImage();
    Entete& entete_ = p_.programme.entete();
    DouzeImage& douze_ = p_.programme.douzeImage();
    bool editeur_ = false;
    int pas_ = 0;
};

class TestParcours : public QObject {
    Q_OBJECT

private slots:
    // A family's session, flow after flow in one run: a month on screen as
    // typed in the hub, with a picture from another folder; the year on
    // screen page by page; an editor after them (a month then an editor once
    // left a blank frame); the year printed; the end.
    void seance_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<QString>("anneeMontree");
        QTest::newRow("decembre") << u"12"_qs << u"2026"_qs << u"Decembre"_qs << u"2026"_qs;
        QTest::newRow("entre blancs, lettre")
            << u" 07 "_qs << u"2026x"_qs << u"Juillet"_qs << u"2026"_qs;
        QTest::newRow("an 202") << u"3"_qs << u"202"_qs << u"Mars"_qs << u"202"_qs;
    }
    void seance() {
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(QString, libelle);
        QFETCH(QString, anneeMontree);
        Parcours p;
        AficheCalend& page = p.page();
        ETAPE(p.cliquer(1));
        ETAPE(p.repondreAuHub(p.hub().Text3, mois));
        ETAPE(p.repondreAuHub(p.hub().Text4, annee));
        ETAPE(p.cliquer(7));
        LireImage& f = p.programme.lireImage();
        QVERIFY(f.isVisible() && sousFenetreMaximisee(f));
        // The window says which month it is for, as the hub handed it over.
        const Consultation& c = p.hub().consultation();
        QCOMPARE(f.Label3.text(),
                 u"Mois %1 Annee %2"_qs.arg(c.mois, 2, 10, QChar(u'0')).arg(c.annee));
        Atelier::cliquerDossier(f, p.bac.chemin(kAutreDossier));
        Atelier::cliquerFichier(f, 0);
        Atelier::cliquerBouton(f); // Confirmer
        Atelier::cliquerBouton(f); // Suite
        QCOMPARE(p.lignes(kFichierSer), QStringList{p.sapin()});
        ETAPE(p.verifierQuestion(page.Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs));
        QCOMPARE(page.Label2.text().trimmed(), libelle);
        QCOMPARE(page.Label1.text().trimmed(), anneeMontree);
        QCOMPARE(p.lignes(kLireCalendSer).value(2), anneeMontree);
        QCOMPARE(page.Image1.chemin(), p.sapin());
        repondre(page.Text1, u"o"_qs);
        ETAPE(p.verifierRetourAuMenu());

        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(14)); // on to the screen without saving
        ETAPE(p.cliquer(6));
        ETAPE(p.choisirImagesDeLAnnee());
        ETAPE(p.verifierQuestion(page.Text2, u"Faite OK Pour Avoir Le 1° MOIS ou  F pour Fin "_qs,
                                 u"OK"_qs));
        QCOMPARE(page.Image1.chemin(), p.image(kPaysages[2]));
        for (int m = 1; m <= 12; ++m) {
            QVERIFY2(page.Text2.isVisible(), qPrintable(QString::number(m)));
            QTest::keyClick(&page.Text2, Qt::Key_Return);
            QCOMPARE(p.lignes(kLireCalendSer).value(1), QString::number(m));
            QCOMPARE(page.Image1.chemin(), p.image(kPaysages[m % 3]));
        }
        ETAPE(p.verifierQuestion(page.Text1, u"O Autre Consultation  ou  F pour Fin "_qs, u"O"_qs));
        repondre(page.Text1, u"F"_qs);
        ETAPE(p.verifierRetourAuMenu());
        ETAPE(p.cliquer(3));
        repondre(p.hub().Text9, u"F"_qs);
        ETAPE(p.verifierRetourAuMenu());
        QVERIFY(p.journal.isEmpty());

        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(5));
        ETAPE(p.choisirImagesDeLAnnee());
        // One run of the cover and the twelve months, nothing left of it.
        QCOMPARE(p.journal.size(), 1);
        QCOMPARE(p.journal.first().feuilles.size(), 13);
        QVERIFY(p.journal.first().termine);
        QVERIFY(p.temporairesRestants().isEmpty());
        ETAPE(p.verifierQuestion(page.Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs));
        repondre(page.Text1, u"n"_qs);
        QVERIFY(p.programme.termine());
        QVERIFY(p.lignes(kFichierSer).isEmpty());
        QCOMPARE(p.lignes(kLireCalendSer), QStringList{u"0"_qs});
    }

    // A year saved under the name typed, then looked at again: its cover,
    // its months appearing in their order, March enlarged and put back, the
    // list again, printed whole. A year typed "2026x" is 2026, and an existing
    // calendar of that name is not replaced without the question.
    void anneeSauveeEtRevue_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("existe");
        QTest::newRow("famille") << u"famille"_qs << u"2026"_qs << u"FAMILLE2026"_qs << false;
        // Every letter typed stays in the file names.
        QTest::newRow("accents et virgule")
            << u"Noël, Mamie"_qs << u"2026"_qs << u"NOËL, MAMIE2026"_qs << false;
        QTest::newRow("annee avec une lettre, existant")
            << u"famille"_qs << u"2026x"_qs << u"FAMILLE2026"_qs << true;
    }
    void anneeSauveeEtRevue() {
        QFETCH(QString, tape);
        QFETCH(QString, annee);
        QFETCH(QString, nom);
        QFETCH(bool, existe);
        Parcours p;
        const FichiersTravail f;
        const QString ans = nom + u".Ans"_qs, index = p.bac.chemin(kSaveCalend + u'/' + ans);
        f.creerDossierSauvegarde();
        if (existe)
            QVERIFY(plateforme::reecrire(index, {u"SaveCalend/ANCIEN.Ima"_qs}));
        ETAPE(p.demanderAnnee(annee));
        ETAPE(p.cliquer(12));
        ETAPE(p.repondreAuHub(p.hub().Text14, tape)); // answered No when asked
        if (existe) {
            QCOMPARE(p.essai.questions, QStringList{u"Le Nom exite déjà|ECRASER"_qs});
            QCOMPARE(plateforme::lireLignes(index), QStringList{u"SaveCalend/ANCIEN.Ima"_qs});
            p.essai.reponses.enqueue(plateforme::Reponse::Oui);
            ETAPE(p.repondreAuHub(p.hub().Text14, tape));
        }
        ETAPE(p.cliquer(6));
        ETAPE(p.choisirImagesDeLAnnee());
        QCOMPARE(QDir(p.bac.chemin(kSaveCalend)).entryList({u"*.Ans"_qs}), QStringList{ans});
        const QStringList pages = f.pagesCalendrier(ans);
        QCOMPARE(pages.size(), 13);
        ETAPE(p.verifierQuestion(p.page().Text1, u"Autre Consultation (O/N)"_qs, u"O"_qs));
        QVERIFY(p.journal.isEmpty());
        repondre(p.page().Text1, u"O"_qs);

        ETAPE(p.cliquer(13));
        VoirCalend& v = p.voir();
        ETAPE(p.verifierSeuleFenetre(&v));
        // The list taking the focus is no choice.
        QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&v.File1, &focus);
        const QString liste = u"Label2 File1 3"_qs, douze = u"Label2 Image12 Label14 1 2 3 4"_qs;
        QCOMPARE(p.etatVoir(), liste);
        ETAPE(p.choisirCalendrier(ans));
        QCOMPARE(p.etatVoir(), u"Label2 Image14 3"_qs);
        QCOMPARE(v.Image14.chemin(), pages[0]);
        QCOMPARE(v.Image14.tailleDecodee(), v.Image14.size());
        Apparitions apparitions(v);
        QTest::mouseClick(&v.Image14, Qt::LeftButton);
        QCOMPARE(p.etatVoir(), douze);
        QStringList attendues;
        for (int n = 1; n <= 12; ++n) {
            attendues << u"Image%1/%1"_qs.arg(n);
            QCOMPARE(v.Image(n).chemin(), pages[n]);
            QCOMPARE(v.Image(n).tailleDecodee(), v.Image(n).size());
        }
        QCOMPARE(apparitions.vues, attendues);
        QTest::mouseClick(&v.Image(3), Qt::LeftButton);
        QCOMPARE(p.etatVoir(), u"Image13"_qs);
        QCOMPARE(v.Image13.geometry(), QRect(QPoint(0, 0), p.page().size()));
        QCOMPARE(v.Image13.tailleDecodee(), p.page().size());
        QTest::mouseClick(&v.Image13, Qt::LeftButton);
        QCOMPARE(p.etatVoir(), douze);
        ETAPE(p.cliquerVoir(VoirCalend::Autre));
        QCOMPARE(p.etatVoir(), liste);

        ETAPE(p.choisirCalendrier(ans, true));
        ETAPE(p.cliquerVoir(VoirCalend::Imprimer));
        QCOMPARE(p.essai.pdfDeSecours,
                 QStringList{p.bac.chemin(u"Calendrier"_qs + nom + u".pdf"_qs)});
        const DocumentImprime& document = p.journal.value(0);
        QVERIFY(document.regle && document.reglages == plateforme::ReglagesImpression{});
        QCOMPARE(document.feuilles.size(), 13);
        for (int f = 0; f < 13; ++f) { // cover first, then the months
            QCOMPARE(document.feuilles[f].size(), 1);
            QCOMPARE(document.feuilles[f][0].cadre, QRect(60, 60, 16000, 11500));
            QCOMPARE(document.feuilles[f][0].apercu,
                     plateforme::chargerImage(pages[f]).scaledToWidth(160));
        }
        QCOMPARE(p.etatVoir(), liste);
        ETAPE(p.cliquerVoir(VoirCalend::Fin));
        p.verifierRetourAuMenu();
    }

    // The flows one after the other in one run, as a family uses the program.
    void marcheAuHasard_data() {
        QTest::addColumn<quint32>("graine");
        const quint32 donnee = qEnvironmentVariableIntValue("QUIVEX_GRAINE");
        for (quint32 graine : donnee ? QList<quint32>{donnee} : QList<quint32>{1, 7, 2026})
            QTest::addRow("graine %u", graine) << graine;
    }
    void marcheAuHasard() {
        QFETCH(quint32, graine);
        int pas = 0;
        // "N" ends the program: the family starts it again.
        while (pas < 300 && !QTest::currentTestFailed()) {
            Parcours p;
            Marche marche(p, graine + pas);
            marche.marcher(300 - pas);
            pas += marche.pas();
        }
    }

    // A calendar X whose index was cut short, blanked, or names a picture gone
    // (April) or a file that is no picture (May), beside another calendar or
    // alone, or no calendar at all: what exists is shown, printed and erased,
    // to the trash or not.
    void calendrierAbime_data() {
        QTest::addColumn<QStringList>("lignes"); // "pN": page N; none: no calendar X
        QTest::addColumn<QList<int>>("montrees");
        QTest::addColumn<int>("effaces"); // files, the index with them
        QTest::addColumn<bool>("autre");  // a second calendar beside it, or the folder
        QTest::addColumn<bool>("corbeille");
        QStringList tout;
        for (int n = 0; n < kPagesParCalendrier; ++n)
            tout << u"p%1"_qs.arg(n);
        const QList<int> sauf45 = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("un des deux") << tout << sauf45 << 13 << true << true;
        QTest::newRow("sans corbeille") << tout << sauf45 << 13 << false << false;
        QTest::newRow("court") << tout.mid(0, 3) << QList<int>{0, 1, 2} << 4 << false << true;
        QTest::newRow("lignes blanches")
            << QStringList{u"p0"_qs, QString(), u"p2"_qs, u"  "_qs, u"p4"_qs, u"p5"_qs, u"p6"_qs}
            << QList<int>{0, 2, 6} << 5 << false << true;
        QTest::newRow("sans page de garde")
            << QStringList{QString(), u"p1"_qs, u"p2"_qs} << QList<int>{1, 2} << 3 << true << true;
        // No index at all, with or without a folder named like one.
        QTest::newRow("sans dossier") << QStringList{} << QList<int>{} << 0 << false << true;
        QTest::newRow("dossier sans calendrier")
            << QStringList{} << QList<int>{} << 0 << true << true;
    }
    void calendrierAbime() {
        QFETCH(QStringList, lignes);
        QFETCH(QList<int>, montrees);
        QFETCH(int, effaces);
        QFETCH(bool, autre);
        QFETCH(bool, corbeille);
        Parcours p;
        const FichiersTravail f;
        for (int page = 0; page < kPagesParCalendrier && !lignes.isEmpty(); ++page) {
            QImage image(300, 210, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(page * 25, 200, 200));
            const QString nom = p.bac.chemin(f.cheminPage(u"X"_qs, u"2026"_qs, page));
            if (page == 5)
                QVERIFY(plateforme::reecrire(nom, {u"pas une image"_qs}));
            else if (page != 4)
                QVERIFY(image.save(nom, "BMP"));
        }
        for (QString& l : lignes)
            if (l.startsWith(u'p'))
                l = f.cheminPage(u"X"_qs, u"2026"_qs, l.mid(1).toInt());
        if (!lignes.isEmpty())
            QVERIFY(plateforme::reecrire(p.bac.chemin(f.cheminIndex(u"X"_qs, u"2026"_qs)), lignes));
        if (autre && !lignes.isEmpty())
            QVERIFY(plateforme::reecrire(p.bac.chemin(f.cheminIndex(u"Y"_qs, u"2026"_qs)), {}));
        const QString poubelle = qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash/files"_qs;
        if (!corbeille) // where no trash can be made
            qputenv("XDG_DATA_HOME", QFile::encodeName(p.bac.chemin(kSauve)));

        VoirCalend& v = p.voir();
        QDir sauvegarde(p.bac.chemin(kSaveCalend));
        if (lignes.isEmpty())
            QVERIFY(autre ? sauvegarde.mkdir(u"dossier.Ans"_qs) : sauvegarde.removeRecursively());
        ETAPE(p.cliquer(13));
        if (lignes.isEmpty()) {
            QCOMPARE(p.programme.menuUn().windowTitle(), u"Voir Calendrier"_qs);
            QCOMPARE(p.etatVoir(), u"Label2 Label1 3"_qs);
            QCOMPARE(v.Label1.text(), u"PAS DE CALENDRIER DE SAUVEGARDER"_qs);
            return;
        }
        ETAPE(p.choisirCalendrier(u"X2026.Ans"_qs));
        QList<int> vues;
        if (!v.Image14.estVide())
            vues << 0;
        QTest::mouseClick(&v.Image14, Qt::LeftButton);
        for (int n = 1; n <= 12; ++n)
            if (!v.Image(n).estVide())
                vues << n;
        QCOMPARE(vues, montrees);
        QTest::mouseClick(&v.Image(4), Qt::LeftButton); // empty: nothing to enlarge
        QCOMPARE(p.etatVoir(), u"Label2 Image12 Label14 1 2 3 4"_qs);
        ETAPE(p.cliquerVoir(VoirCalend::Imprimer));
        QCOMPARE(p.journal.value(0).feuilles.size(), montrees.size());
        QVERIFY(p.programme.menuUn().windowTitle().contains(u"Avril, Mai"_qs));
        ETAPE(p.choisirCalendrier(u"X2026.Ans"_qs, true));
        ETAPE(p.cliquerVoir(VoirCalend::Effacer));
        QCOMPARE(p.etatVoir(), autre ? u"Label2 File1 3"_qs : u"Label2 Label1 3"_qs);
        QCOMPARE(p.programme.menuUn().windowTitle(),
                 u"Voir Calendrier - X2026 effacé : %1 fichiers "_qs.arg(effaces) +
                     (corbeille ? u"mis à la corbeille"_qs : u"supprimés"_qs));
        QCOMPARE(sauvegarde.entryList({u"X*"_qs}).size(), 13 - effaces);
        QCOMPARE(QDir(poubelle).entryList({u"X*"_qs}).size(), corbeille ? effaces : 0);
        QVERIFY(!QFileInfo::exists(p.bac.chemin(u"files"_qs)));
    }
};

QTEST_MAIN(TestParcours)
#include "tst_parcours.moc"
