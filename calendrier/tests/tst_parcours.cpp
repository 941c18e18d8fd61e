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
#include "calendrier/images/voircalend.h"
#include "calendrier/programme.h"
#include "plateforme/essais/imprimanteenregistreuse.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QMdiSubWindow>
#include <QRandomGenerator>
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
    void demanderMois(int bouton, const QString& mois = u"12"_qs,
                      const QString& annee = u"2026"_qs) {
        cliquer(1);
        repondreAuHub(hub().Text3, mois);
        repondreAuHub(hub().Text4, annee);
        QCOMPARE(hub().boutonsMontres(), QList<int>({4, 7, 11, 15, 17}));
        cliquer(bouton);
    }
    void demanderAnnee(const QString& annee = u"2026"_qs) {
        cliquer(2);
        repondreAuHub(hub().Text5, annee);
    }

    // One picture chosen in LireImage: the one in the other folder.
    void choisirImageDuMois() {
        LireImage& f = programme.lireImage();
        QVERIFY(f.isVisible() && sousFenetreMaximisee(f));
        const Consultation& c = hub().consultation();
        QCOMPARE(f.Label3.text(),
                 u"Mois %1 Annee %2"_qs.arg(c.mois, 2, 10, QChar(u'0')).arg(c.annee));
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

    // The frame shows one sub-window, and in it the window `attendue`.
    void verifierSeuleFenetre(const QWidget* attendue, const QString& ou = {}) {
        const MenuUn& cadre = programme.menuUn();
        int montrees = 0;
        for (const QMdiSubWindow* s : cadre.findChildren<QMdiSubWindow*>())
            montrees += s->isVisible();
        QVERIFY2(montrees == 1, qPrintable(ou + u" : %1 sous-fenêtres"_qs.arg(montrees)));
        const QWidget* montree = cadre.fenetreMontree();
        QVERIFY2(
            montree == attendue,
            qPrintable(ou + u" : "_qs +
                       QString::fromLatin1(montree ? montree->metaObject()->className() : "rien")));
    }

    // What every consultation leaves once it is over and the hub is back.
    void verifierRetourAuMenu() {
        QVERIFY(!programme.termine());
        QVERIFY(programme.menuUn().isVisible());
        QVERIFY(!page().isVisible());
        QVERIFY(hub().isVisible() && sousFenetreMaximisee(hub()));
        ETAPE(verifierSeuleFenetre(&hub()));
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

    // A year saved under `nom` by a run of the program, back at the hub.
    void sauverAnnee(const QString& nom) {
        ETAPE(demanderAnnee());
        ETAPE(cliquer(12));
        ETAPE(repondreAuHub(hub().Text14, nom));
        ETAPE(cliquer(6));
        ETAPE(choisirImagesDeLAnnee());
        repondre(page().Text1, u"O"_qs);
    }

    // The viewer, the user's gestures in it, and what it shows.
    VoirCalend& voir() { return programme.voirCalend(); }
    void cliquerVoir(int index) {
        QAction* action = voir().bouton(index);
        QVERIFY2(voir().Toolbar1.isVisible() && action->isEnabled(), "bouton inactif");
        QTest::mouseClick(voir().Toolbar1.widgetForAction(action), Qt::LeftButton);
    }
    void choisirCalendrier(const QString& index) {
        const QList<QListWidgetItem*> items = voir().File1.findItems(index, Qt::MatchExactly);
        QVERIFY2(voir().File1.isVisible() && items.size() == 1, qPrintable(index));
        QTest::mouseClick(voir().File1.viewport(), Qt::LeftButton, {},
                          voir().File1.visualItemRect(items.first()).center());
    }
    // The calendar `index` chosen and its cover clicked: its months shown.
    void ouvrirMois(const QString& index) {
        ETAPE(choisirCalendrier(index));
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
    enum class Lieu { Menu, Editeur, LireImage, Entete, DouzeImage, Page, Fin };

    Marche(Parcours& p, quint32 graine) : p_(p), alea_(graine) {}

    // Walks until `pas` steps are made or the program is ended.
    void marcher(int pas) {
        while (pas_ < pas && lieu_ != Lieu::Fin) {
            const int tirage = un(10);
            if (tirage < 3)
                ETAPE(mois());
            else if (tirage < 7)
                ETAPE(annee());
            else if (tirage < 9)
                ETAPE(editeur());
            else
                ETAPE(etape([&] { p_.cliquer(15); }, Lieu::Menu)); // the help, noted
        }
    }
    int pas() const { return pas_; }

private:
    int un(int sur) { return static_cast<int>(alea_.bounded(sur)); }
    template <class T> const T& parmi(const QList<T>& l) { return l[un(int(l.size()))]; }

    // One gesture, then the checks of where it must lead.
    template <class Geste> void etape(Geste geste, Lieu attendu) {
        ++pas_;
        geste();
        if (QTest::currentTestFailed())
            return;
        lieu_ = attendu;
        verifier();
    }

    QWidget* fenetreAttendue() {
        switch (lieu_) {
        case Lieu::Menu:
        case Lieu::Editeur:
            return &p_.hub();
        case Lieu::LireImage:
            return &p_.programme.lireImage();
        case Lieu::Entete:
            return &p_.programme.entete();
        case Lieu::DouzeImage:
            return &p_.programme.douzeImage();
        case Lieu::Page:
            return &p_.page();
        case Lieu::Fin:
            break;
        }
        return nullptr;
    }

    void verifier() {
        const QString ou = u"pas %1"_qs.arg(pas_);
        if (lieu_ == Lieu::Fin) {
            QVERIFY2(p_.programme.termine(), qPrintable(ou));
            return;
        }
        QVERIFY2(!p_.programme.termine(), qPrintable(ou));
        MenuUn& cadre = p_.programme.menuUn();
        QVERIFY2(cadre.isVisible(), qPrintable(ou));
        ETAPE(p_.verifierSeuleFenetre(fenetreAttendue(), ou));
        Calend& hub = p_.hub();
        if (lieu_ == Lieu::Menu) {
            QVERIFY2(hub.Toolbar1.isVisible() && !hub.boutonsMontres().isEmpty(), qPrintable(ou));
            QCOMPARE(cadre.windowTitle(), u"Menu"_qs);
        } else if (lieu_ == Lieu::Editeur) {
            QVERIFY2(!hub.Toolbar1.isVisible() && hub.Label12.isVisible(), qPrintable(ou));
        } else if (lieu_ == Lieu::Page) {
            QVERIFY2(pageATaTaille(p_.page()), qPrintable(ou));
        }
        // Nothing half-written: only the working files themselves, each whole.
        const QStringList presents =
            QDir(p_.bac.travail()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& nom : presents)
            QVERIFY2(kFichiersDeTravail.contains(nom), qPrintable(ou + u" : "_qs + nom));
        const QStringList annee = p_.lignes(kAnneeSer);
        QVERIFY2(annee.size() <= 2, qPrintable(ou));
        const QStringList progression = p_.lignes(kLireCalendSer);
        QVERIFY2(progression.size() <= 1 || progression.size() == 4, qPrintable(ou));
        if (lieu_ == Lieu::Menu)
            QVERIFY2(p_.temporairesRestants().isEmpty(), qPrintable(ou));
    }

    void mois() {
        ETAPE(etape([&] { p_.cliquer(1); }, Lieu::Menu));
        if (un(4) == 0)
            ETAPE(etape([&] { repondre(p_.hub().Text3, parmi(kMoisRefuses)); }, Lieu::Menu));
        if (un(8) == 0)
            return etape([&] { p_.cliquer(11); }, Lieu::Menu);
        ETAPE(etape([&] { repondre(p_.hub().Text3, parmi(kMoisAcceptes)); }, Lieu::Menu));
        if (un(5) == 0)
            return etape([&] { repondre(p_.hub().Text4, parmi(kAnneesRefusees)); }, Lieu::Menu);
        ETAPE(etape([&] { repondre(p_.hub().Text4, parmi(kAnneesAcceptees)); }, Lieu::Menu));
        const int sortie = parmi(QList<int>{4, 7, 7, 11});
        if (sortie == 11)
            return etape([&] { p_.cliquer(11); }, Lieu::Menu);
        ETAPE(etape([&] { p_.cliquer(sortie); }, Lieu::LireImage));
        LireImage& f = p_.programme.lireImage();
        if (un(4) == 0)
            ETAPE(etape([&] { Atelier::cliquerBouton(f); }, Lieu::LireImage)); // nothing chosen
        ETAPE(etape([&] { Atelier::cliquerFichier(f, un(f.File1.count())); }, Lieu::LireImage));
        ETAPE(etape([&] { Atelier::cliquerBouton(f); }, Lieu::LireImage));
        ETAPE(etape([&] { Atelier::cliquerBouton(f); }, Lieu::Page));
        autreConsultation();
    }

    void annee() {
        ETAPE(etape([&] { p_.cliquer(2); }, Lieu::Menu));
        if (un(6) == 0)
            return etape([&] { repondre(p_.hub().Text5, parmi(kAnneesRefusees)); }, Lieu::Menu);
        ETAPE(etape([&] { repondre(p_.hub().Text5, parmi(kAnneesAcceptees)); }, Lieu::Menu));
        bool sauvee = false;
        const int choix = un(10);
        if (choix == 0) { // on towards the screen, then back
            ETAPE(etape([&] { p_.cliquer(14); }, Lieu::Menu));
            return etape([&] { p_.cliquer(11); }, Lieu::Menu);
        }
        if (choix == 1) {
            ETAPE(etape([&] { p_.cliquer(5); }, Lieu::Entete));
        } else {
            if (choix < 5) {
                ETAPE(nommer());
                sauvee = true;
            } else {
                ETAPE(etape([&] { p_.cliquer(14); }, Lieu::Menu));
            }
            ETAPE(etape([&] { p_.cliquer(6); }, Lieu::Entete));
        }
        Entete& e = p_.programme.entete();
        ETAPE(etape([&] { Atelier::cliquerFichier(e, un(e.File1.count())); }, Lieu::Entete));
        ETAPE(etape([&] { Atelier::cliquerBouton(e); }, Lieu::Entete));
        ETAPE(etape([&] { Atelier::cliquerBouton(e); }, Lieu::DouzeImage));
        DouzeImage& d = p_.programme.douzeImage();
        for (int m = 1; m <= 12; ++m) {
            ETAPE(
                etape([&] { Atelier::cliquerFichier(d, un(d.File1.count())); }, Lieu::DouzeImage));
            ETAPE(etape([&] { Atelier::cliquerBouton(d); }, Lieu::DouzeImage));
        }
        ETAPE(etape([&] { Atelier::cliquerBouton(d); }, Lieu::Page));
        if (choix == 1 || sauvee)
            return autreConsultation();
        // Page after page, or F on the way.
        AficheCalend& page = p_.page();
        for (int m = 0; m <= 12 && page.Text2.isVisible(); ++m) {
            if (un(12) == 0)
                return etape([&] { repondre(page.Text2, u"F"_qs); }, Lieu::Menu);
            ETAPE(etape([&] { repondre(page.Text2, u"OK"_qs); }, Lieu::Page));
        }
        QVERIFY(page.Text1.isVisible());
        const QString reponse = parmi(QStringList{u"O"_qs, u"F"_qs, u"F"_qs, u"N"_qs});
        etape([&] { repondre(page.Text1, reponse); }, reponse == u"N"_qs ? Lieu::Fin : Lieu::Menu);
    }

    void nommer() {
        ETAPE(etape([&] { p_.cliquer(12); }, Lieu::Menu));
        if (un(4) == 0) // a name no file can have: the box waits for another
            ETAPE(etape([&] { repondre(p_.hub().Text14, u"A/B"_qs); }, Lieu::Menu));
        const QString nom = parmi(QStringList{u"FAMILLE"_qs, u"NOEL"_qs, u"Mamie"_qs});
        const bool existe =
            p_.hub().consultation().annee > 0 &&
            FichiersTravail().calendrierExiste(nom, p_.hub().consultation().texteAnnee());
        if (existe && un(3) == 0) {
            p_.essai.reponses.enqueue(plateforme::Reponse::Non);
            ETAPE(etape([&] { repondre(p_.hub().Text14, nom); }, Lieu::Menu));
            QVERIFY(p_.hub().Text14.isVisible() && p_.hub().Text14.text().isEmpty());
        }
        if (existe)
            p_.essai.reponses.enqueue(plateforme::Reponse::Oui);
        ETAPE(etape([&] { repondre(p_.hub().Text14, nom); }, Lieu::Menu));
        QVERIFY(p_.essai.reponses.isEmpty());
        QCOMPARE(p_.hub().boutonsMontres(), QList<int>({6, 11, 15, 16, 17}));
    }

    void autreConsultation() {
        QLineEdit& reponse = p_.page().Text1;
        QVERIFY(reponse.isVisible());
        const QString texte = parmi(QStringList{u"O"_qs, u"o"_qs, QString(), u"X"_qs, u"N"_qs});
        etape([&] { repondre(reponse, texte); }, texte == u"N"_qs ? Lieu::Fin : Lieu::Menu);
    }

    void editeur() {
        const bool fetes = un(2) == 0;
        Calend& hub = p_.hub();
        QLineEdit& lettre = fetes ? hub.Text10 : hub.Text9;
        QLineEdit& date = fetes ? hub.Text11 : hub.Text6;
        QLineEdit& nom = fetes ? hub.Text12 : hub.Text7;
        ETAPE(etape([&] { p_.cliquer(fetes ? 8 : 3); }, Lieu::Editeur));
        for (int n = un(3); n > 0; --n) {
            ETAPE(etape(
                [&] {
                    repondre(lettre, parmi(QStringList{u"A"_qs, u"Z"_qs}));
                },
                Lieu::Editeur));
            if (!date.isVisible())
                continue;
            ETAPE(etape([&] { repondre(date, fetes ? u"14/07"_qs : u"02/05/1990"_qs); },
                        Lieu::Editeur));
            ETAPE(etape([&] { repondre(nom, u"PAUL"_qs); }, Lieu::Editeur));
        }
        etape([&] { repondre(lettre, u"F"_qs); }, Lieu::Menu);
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
    Lieu lieu_ = Lieu::Menu;
    int pas_ = 0;
};

class TestParcours : public QObject {
    Q_OBJECT

private slots:
    // What the page window makes of what was typed in the hub.
    void remiseALaPage_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<QString>("anneeMontree");
        QTest::newRow("mois entre blancs")
            << u" 07 "_qs << u"2026"_qs << u"Juillet"_qs << u"2026"_qs;
        QTest::newRow("un chiffre") << u"7"_qs << u"2026"_qs << u"Juillet"_qs << u"2026"_qs;
        QTest::newRow("decembre") << u"12"_qs << u"2026"_qs << u"Decembre"_qs << u"2026"_qs;
        QTest::newRow("annee suivie d'une lettre")
            << u"3"_qs << u"2026x"_qs << u"Mars"_qs << u"2026"_qs;
        QTest::newRow("annee apres un blanc") << u"3"_qs << u" 2026"_qs << u"Mars"_qs << u"2026"_qs;
        QTest::newRow("annee a cinq chiffres")
            << u"3"_qs << u"02026"_qs << u"Mars"_qs << u"2026"_qs;
        QTest::newRow("an 202") << u"3"_qs << u"202"_qs << u"Mars"_qs << u"202"_qs;
    }
    void remiseALaPage() {
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(QString, libelle);
        QFETCH(QString, anneeMontree);
        Parcours p;
        ETAPE(p.demanderMois(7, mois, annee));
        ETAPE(p.choisirImageDuMois());
        QCOMPARE(p.page().Label2.text().trimmed(), libelle);
        QCOMPARE(p.page().Label1.text().trimmed(), anneeMontree);
        QCOMPARE(p.lignes(kLireCalendSer).value(2), anneeMontree);
    }

    // A year saved under a name typed "2026x" is the year 2026: its index
    // and its pages are those of 2026, and an existing 2026 calendar of that
    // name is not replaced without the question.
    void sauvegardeDUneAnneeTapeeAvecUneLettre() {
        Parcours p;
        const FichiersTravail f;
        f.creerDossierSauvegarde();
        const QString index = p.bac.chemin(f.cheminIndex(u"FAMILLE"_qs, u"2026"_qs));
        QVERIFY(plateforme::reecrire(index, {u"SaveCalend/ANCIEN.Ima"_qs}));
        ETAPE(p.demanderAnnee(u"2026x"_qs));
        ETAPE(p.cliquer(12));
        ETAPE(p.repondreAuHub(p.hub().Text14, u"famille"_qs)); // answered No
        QCOMPARE(p.essai.questions, QStringList{u"Le Nom exite déjà|ECRASER"_qs});
        QCOMPARE(plateforme::lireLignes(index), QStringList{u"SaveCalend/ANCIEN.Ima"_qs});
        p.essai.reponses.enqueue(plateforme::Reponse::Oui);
        ETAPE(p.repondreAuHub(p.hub().Text14, u"famille"_qs));
        ETAPE(p.cliquer(6));
        ETAPE(p.choisirImagesDeLAnnee());
        const QStringList pages = plateforme::lireLignes(index);
        QCOMPARE(pages.size(), 14);
        for (const QString& page : pages)
            QVERIFY2(page.endsWith(u"2026.Ima"_qs), qPrintable(page));
        QCOMPARE(QDir(p.bac.chemin(kSaveCalend)).entryList({u"*.Ans"_qs}),
                 QStringList{u"FAMILLE2026.Ans"_qs});
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

    // The gestures that once left a blank frame: a month on screen, back to
    // the hub, then an editor opened and closed.
    void editeurApresUnMois() {
        Parcours p;
        ETAPE(p.demanderMois(7));
        ETAPE(p.choisirImageDuMois());
        repondre(p.page().Text1, u"O"_qs);
        ETAPE(p.verifierRetourAuMenu());
        ETAPE(p.cliquer(3));
        repondre(p.hub().Text9, u"F"_qs);
        ETAPE(p.verifierRetourAuMenu());
    }

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

    void anneeSauvee_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("nom");
        QTest::newRow("famille") << u"famille"_qs << u"FAMILLE"_qs;
        // Every letter typed stays in the file names.
        QTest::newRow("accents et virgule") << u"Noël, Mamie"_qs << u"NOËL, MAMIE"_qs;
    }
    void anneeSauvee() {
        QFETCH(QString, tape);
        QFETCH(QString, nom);
        Parcours p;
        ETAPE(p.demanderAnnee());
        ETAPE(p.cliquer(12));
        QCOMPARE(p.hub().Label12.text(), u"Nom du Calendrier à Sauver"_qs);
        ETAPE(p.repondreAuHub(p.hub().Text14, tape));
        QCOMPARE(p.hub().boutonsMontres(), QList<int>({6, 11, 15, 16, 17}));
        ETAPE(p.cliquer(6));
        ETAPE(p.choisirImagesDeLAnnee());
        QVERIFY(p.journal.isEmpty());

        const FichiersTravail f;
        const QString index = p.bac.chemin(f.cheminIndex(nom, u"2026"_qs));
        QCOMPARE(QDir(p.bac.chemin(kSaveCalend)).entryList({u"*.Ans"_qs}),
                 QStringList{nom + u"2026.Ans"_qs});
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

    void voirSansCalendrier_data() {
        QTest::addColumn<bool>("dossier");
        QTest::newRow("sans dossier") << false;
        QTest::newRow("dossier sans calendrier") << true;
    }
    void voirSansCalendrier() {
        QFETCH(bool, dossier);
        Parcours p;
        QDir sauvegarde(p.bac.chemin(kSaveCalend));
        QVERIFY(dossier ? sauvegarde.mkdir(u"dossier.Ans"_qs) : sauvegarde.removeRecursively());
        ETAPE(p.cliquer(13));
        QCOMPARE(p.programme.menuUn().windowTitle(), u"Voir Calendrier"_qs);
        QCOMPARE(p.etatVoir(), u"Label2 Label1 3"_qs);
        QCOMPARE(p.voir().Label1.text(), u"PAS DE CALENDRIER DE SAUVEGARDER"_qs);
    }

    // A saved year looked at again: its cover, its months appearing in their
    // order, March enlarged and put back, the list again, printed whole.
    void voirUnCalendrierSauve() {
        Parcours p;
        ETAPE(p.sauverAnnee(u"famille"_qs));
        const QStringList pages = FichiersTravail().pagesCalendrier(u"FAMILLE2026.Ans"_qs);
        QCOMPARE(pages.size(), 13);
        ETAPE(p.cliquer(13));
        VoirCalend& v = p.voir();
        ETAPE(p.verifierSeuleFenetre(&v));
        // The list taking the focus is no choice.
        QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&v.File1, &focus);
        QCOMPARE(p.etatVoir(), u"Label2 File1 3"_qs);
        ETAPE(p.choisirCalendrier(u"FAMILLE2026.Ans"_qs));
        QCOMPARE(p.etatVoir(), u"Label2 Image14 3"_qs);
        QCOMPARE(v.Image14.chemin(), pages[0]);
        QCOMPARE(v.Image14.tailleDecodee(), v.Image14.size());
        Apparitions apparitions(v);
        QTest::mouseClick(&v.Image14, Qt::LeftButton);
        QCOMPARE(p.etatVoir(), u"Label2 Image12 Label14 1 2 3 4"_qs);
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
        QCOMPARE(p.etatVoir(), u"Label2 Image12 Label14 1 2 3 4"_qs);
        ETAPE(p.cliquerVoir(VoirCalend::Autre));
        QCOMPARE(p.etatVoir(), u"Label2 File1 3"_qs);

        ETAPE(p.ouvrirMois(u"FAMILLE2026.Ans"_qs));
        ETAPE(p.cliquerVoir(VoirCalend::Imprimer));
        QCOMPARE(p.essai.pdfDeSecours, QStringList{p.bac.chemin(u"CalendrierFAMILLE2026.pdf"_qs)});
        const DocumentImprime& document = p.journal.value(0);
        QVERIFY(document.regle && document.reglages == plateforme::ReglagesImpression{});
        QCOMPARE(document.feuilles.size(), 13);
        for (int f = 0; f < 13; ++f) { // cover first, then the months
            QCOMPARE(document.feuilles[f].size(), 1);
            QCOMPARE(document.feuilles[f][0].cadre, QRect(60, 60, 16000, 11500));
            QCOMPARE(document.feuilles[f][0].apercu,
                     plateforme::chargerImage(pages[f]).scaledToWidth(160));
        }
        QCOMPARE(p.etatVoir(), u"Label2 File1 3"_qs);
        ETAPE(p.cliquerVoir(VoirCalend::Fin));
        p.verifierRetourAuMenu();
    }

    // A calendar X whose index was cut short, blanked, or names a picture gone
    // (April), a file that is no picture (May), or files outside the save
    // folder, beside another calendar or alone: what exists is shown, printed
    // and erased, to the trash or not; nothing else is touched.
    void calendrierAbime_data() {
        QTest::addColumn<QStringList>("lignes"); // "pN": page N; '@': the sandbox
        QTest::addColumn<QList<int>>("montrees");
        QTest::addColumn<int>("effaces"); // files, the index with them
        QTest::addColumn<bool>("autre");  // a second calendar beside it
        QTest::addColumn<bool>("corbeille");
        QStringList tout;
        for (int n = 0; n < kPagesParCalendrier; ++n)
            tout << u"p%1"_qs.arg(n);
        QTest::newRow("un des deux")
            << tout << QList<int>{0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12} << 13 << true << true;
        QTest::newRow("sans corbeille")
            << tout << QList<int>{0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12} << 13 << false << false;
        QTest::newRow("court") << tout.mid(0, 3) << QList<int>{0, 1, 2} << 4 << false << true;
        QTest::newRow("lignes blanches")
            << QStringList{u"p0"_qs, QString(), u"p2"_qs, u"  "_qs, u"p4"_qs, u"p5"_qs, u"p6"_qs}
            << QList<int>{0, 2, 6} << 5 << false << true;
        QTest::newRow("sans page de garde")
            << QStringList{QString(), u"p1"_qs, u"p2"_qs} << QList<int>{1, 2} << 3 << true << true;
        QTest::newRow("hors du dossier")
            << QStringList{u"p0"_qs, u"../temoin.Ima"_qs, u"temoin.Ima"_qs, u"@/temoin.Ima"_qs,
                           u"SaveCalend\\..\\temoin.Ima"_qs}
            << QList<int>{0} << 2 << false << true;
    }
    void calendrierAbime() {
        QFETCH(QStringList, lignes);
        QFETCH(QList<int>, montrees);
        QFETCH(int, effaces);
        QFETCH(bool, autre);
        QFETCH(bool, corbeille);
        Parcours p;
        const FichiersTravail f;
        for (int page = 0; page < kPagesParCalendrier; ++page) {
            QImage image(300, 210, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(page * 25, 200, 200));
            const QString nom = p.bac.chemin(f.cheminPage(u"X"_qs, u"2026"_qs, page));
            if (page == 5)
                QVERIFY(plateforme::reecrire(nom, {u"pas une image"_qs}));
            else if (page != 4)
                QVERIFY(image.save(nom, "BMP"));
        }
        const QString racine = QDir::cleanPath(p.bac.chemin(u".."_qs));
        const QStringList temoins = {p.bac.chemin(u"temoin.Ima"_qs), racine + u"/temoin.Ima"_qs};
        for (const QString& t : temoins)
            QVERIFY(plateforme::reecrire(t, {u"temoin"_qs}));
        for (QString& l : lignes)
            l = l.startsWith(u'p') ? f.cheminPage(u"X"_qs, u"2026"_qs, l.mid(1).toInt())
                                   : l.replace(u'@', racine);
        QVERIFY(plateforme::reecrire(p.bac.chemin(f.cheminIndex(u"X"_qs, u"2026"_qs)), lignes));
        if (autre)
            QVERIFY(plateforme::reecrire(p.bac.chemin(f.cheminIndex(u"Y"_qs, u"2026"_qs)), {}));
        const QString poubelle = qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash/files"_qs;
        if (!corbeille) // where no trash can be made
            qputenv("XDG_DATA_HOME", QFile::encodeName(temoins.first()));

        VoirCalend& v = p.voir();
        ETAPE(p.cliquer(13));
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
        ETAPE(p.ouvrirMois(u"X2026.Ans"_qs));
        ETAPE(p.cliquerVoir(VoirCalend::Effacer));
        QCOMPARE(p.etatVoir(), autre ? u"Label2 File1 3"_qs : u"Label2 Label1 3"_qs);
        QCOMPARE(p.programme.menuUn().windowTitle(),
                 u"Voir Calendrier - X2026 effacé : %1 fichiers "_qs.arg(effaces) +
                     (corbeille ? u"mis à la corbeille"_qs : u"supprimés"_qs));
        QCOMPARE(QDir(p.bac.chemin(kSaveCalend)).entryList({u"X*"_qs}).size(), 13 - effaces);
        QCOMPARE(QDir(poubelle).entryList({u"X*"_qs}).size(), corbeille ? effaces : 0);
        QVERIFY(!QFileInfo::exists(p.bac.chemin(u"files"_qs)));
        for (const QString& t : temoins)
            QCOMPARE(plateforme::lireLignes(t), QStringList{u"temoin"_qs});
    }
};

QTEST_MAIN(TestParcours)
#include "tst_parcours.moc"
