// The hub's anniversary and fête editors driven as a user does, and what reaches the files.

#include "calendrier/accueil/calend.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QTest>

using namespace calendrier;
using plateforme::Reponse;

// One editor seen through the hub's controls.
struct Vue {
    bool enfant;
    Calend& hub;
    EditeurListe& editeur() const { return enfant ? hub.editeurEnfant() : hub.editeurFete(); }
    QListWidget& lignes() const { return enfant ? hub.List1 : hub.List2; }
    QLineEdit& lettre() const { return enfant ? hub.Text9 : hub.Text10; }
    QLineEdit& date() const { return enfant ? hub.Text6 : hub.Text11; }
    QLineEdit& remplacement() const { return enfant ? hub.Text8 : hub.Text13; }
    QString fichier() const { return enfant ? kEnfant : kFete; }
    QStringList ecrites() const { return plateforme::lireLignes(fichier()); }
    QString uneDate() const { return enfant ? u"09/05/2000"_qs : u"09/05"_qs; }
    void ouvrir() const { enfant ? hub.FeteEnfants_Click() : hub.FeteFixe(); }
    // Answers in the one box shown; "#n" clicks line n.
    void faire(const QString& g) const {
        if (!g.startsWith(u'#'))
            return repondre(*boitesMontrees().value(0, &lettre()), g);
        const QRect r = lignes().visualItemRect(lignes().item(g.mid(1).toInt()));
        QTest::mouseClick(lignes().viewport(), Qt::LeftButton, {}, r.center());
    }
    // Only the boxes of the editor's current step are shown.
    QList<QLineEdit*> boitesMontrees() const {
        QList<QLineEdit*> boites = hub.findChildren<QLineEdit*>();
        boites.removeIf([](const QLineEdit* b) { return !b->isVisible(); });
        return boites;
    }
};

class TestEditeurs : public QObject {
    Q_OBJECT
    std::unique_ptr<BacASable> bac_;
    ServicesEssai services_;
    std::unique_ptr<Programme> programme_;

private slots:
    void init() {
        programme_.reset();
        bac_.reset(); // before the next, which takes the working folder
        bac_ = std::make_unique<BacASable>();
        services_ = ServicesEssai{};
        programme_ = std::make_unique<Programme>(services_.services());
        programme_->montrer(calendrier::Fenetre::Accueil);
    }

    // Gestures, then F typed or the frame closed and answered. Adding: a letter, a date naming
    // a real day in the list's format (else refused, asked again; FIN or nothing gives up), a
    // name (blank asked again, long cut). Modifying replaces the line clicked last, a date by
    // a date only; erasing takes the entry clicked. Nothing is written before F or on Oui.
    void edition_data() {
        QTest::addColumn<bool>("enfant");
        QTest::addColumn<int>("depart");         // lines of the list at the start, of six
        QTest::addColumn<QStringList>("gestes"); // "#n" clicks line n, "D" a date the list takes
        QTest::addColumn<int>("fin");            // -1: F typed, else the answer on closing
        QTest::addColumn<bool>("question");      // asked on closing
        // What the file holds: "n" is line n at the start (6, 7: the entry added), "_" a blank.
        QTest::addColumn<QStringList>("ecrit");
        const int oui = int(Reponse::Oui), non = int(Reponse::Non), annuler = int(Reponse::Annuler);
        const QString tout = u"0 1 2 3 4 5 "_qs, ajout = u"a|D|neuf"_qs; // any case
        for (bool enfant : {true, false}) {
            // A date of the list's format, and the same in the other's.
            const QString an = enfant ? u"/2001"_qs : QString(),
                          autre = enfant ? QString() : u"/2001"_qs;
            const auto ligne = [&](const QString& gestes, const QString& ecrit, int fin = -1,
                                   bool question = false, int depart = 6) {
                QTest::addRow("%s %s %d", enfant ? "enfant" : "fete", qPrintable(gestes), fin)
                    << enfant << depart << (gestes.isEmpty() ? QStringList() : gestes.split(u'|'))
                    << fin << question << ecrit.split(u' ', Qt::SkipEmptyParts);
            };
            // Dates added, day and month on two digits; the others refused, each said
            // and asked again, then a good one (after a blank name); FIN or nothing
            // gives up, as a letter that is no action, or after a blank, asks again.
            if (enfant) {
                ligne(u"A|7/3/1998|neuf|A| 29/02/2024 |neuf|A|01/01/0001|neuf|A|31/12/3000|neuf"_qs,
                      tout + u"07/03/1998 7 29/02/2024 7 01/01/0001 7 31/12/3000 7"_qs);
                ligne(u"A|29/02/2023|01/13/2000|01/01/3001|01/01/0000|07/03/98|25/12|D|   |neuf"_qs,
                      tout + u"6 7"_qs);
            } else {
                ligne(u"A|29/02|neuf|A|1/5|neuf"_qs, tout + u"29/02 7 01/05 7"_qs);
                ligne(u"A|25/12/2027|31/04|00/01|12/13|1/5/|D|   |neuf"_qs, tout + u"6 7"_qs);
            }
            ligne(u"A| fin |A|FIN|A||x| M"_qs, tout);
            // The last line clicked counts; a name is replaced even by a date-like text.
            ligne(u"M|#0|#1|un nom bien plus long que vingt|M|#2|3/1"_qs + an + u"|M|#3|31/02"_qs,
                  u"0 UN_NOM_BIEN_PLUS_LON 03/01"_qs + an + u" 31/02 4 5"_qs);
            ligne(u"M|#2|31/02"_qs + an + u"|13/11"_qs + autre + u"|FIN"_qs, tout);
            // A name starting with a digit is still a name line; an erased line is no choice.
            ligne(u"E|#3|E|#2|E|#5"_qs, u"0 1"_qs);
            ligne(u"E|#4"_qs, u"0 1 2 3"_qs, -1, false, 5); // a lone last line, made by hand
            // A list missing opens empty: nothing to erase or modify in it.
            ligne(u"E|M|"_qs + ajout, u"6 7"_qs, -1, false, 0);
            ligne(QString(), tout, oui);
            ligne(ajout, tout + u"6 7"_qs, oui, true);
            ligne(ajout, tout, non, true);
            ligne(ajout, tout, annuler, true);
            ligne(ajout + u"|E|#7"_qs, tout, oui);
        }
    }
    void edition() {
        const int annuler = int(Reponse::Annuler);
        QFETCH(bool, enfant);
        QFETCH(int, depart);
        QFETCH(QStringList, gestes);
        QFETCH(int, fin);
        QFETCH(bool, question);
        QFETCH(QStringList, ecrit);
        const Vue v{enfant, programme_->calend()};
        const QStringList lignes = {u"01/01"_qs, u"JOUR DE L'AN"_qs, u"14/07"_qs, u"14 JUILLET"_qs,
                                    u"25/12"_qs, u"NOEL"_qs,         v.uneDate(), u"NEUF"_qs};
        // Blanks around a line, gone once the list is written; none: no file.
        QStringList ecrites = lignes.mid(0, depart);
        if (fin < 0 && depart > 0)
            ecrites.first() = u"  "_qs + ecrites.first() + u" "_qs;
        QVERIFY(depart == 0 || plateforme::reecrire(v.fichier(), ecrites));
        v.ouvrir();
        // The list shown, not yet to be clicked, and a letter asked for.
        QCOMPARE(v.lignes().count(), depart + depart % 2); // pairs made whole
        QVERIFY(v.hub.Toolbar1.isHidden() && v.lignes().isVisible() && !v.lignes().isEnabled());
        for (const QString& geste : gestes) {
            const QStringList montrees = v.editeur().lignes();
            QLineEdit* boite = v.boitesMontrees().value(0);
            v.faire(geste == u"D"_qs ? v.uneDate() : geste);
            const int n = geste.startsWith(u'#') ? geste.mid(1).toInt() : -1;
            // The list takes clicks only while a line is to be chosen or replaced.
            QCOMPARE(v.lignes().isEnabled(),
                     ((geste == u"E"_qs || geste == u"M"_qs) && !montrees.isEmpty()) ||
                         v.remplacement().isVisible());
            if (n >= 0 && v.remplacement().isVisible()) // offered for editing
                QCOMPARE(v.remplacement().text(), montrees[n]);
            else if (n >= 0) // erased: blank on screen until the list is written
                QVERIFY(v.editeur().lignes().at(n).isEmpty());
            else if ((boite == &v.date() || boite == &v.remplacement()) && boite->isVisible())
                QCOMPARE(v.hub.Label12.text(),
                         u"Date impossible : "_qs + (v.enfant ? u"JJ/MM/AAAA"_qs : u"JJ/MM"_qs));
        }
        const QStringList montrees = v.editeur().lignes();
        const QList<QLineEdit*> boites = v.boitesMontrees();
        QStringList attendu;
        for (const QString& e : ecrit)
            attendu << (e.size() == 1 ? lignes[e.toInt()] : QString(e).replace(u'_', u' '));
        if (fin < 0) {
            QCOMPARE(v.ecrites(), ecrites);
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(v.ecrites(), attendu);
            return;
        }
        services_.reponses.enqueue(Reponse(fin));
        programme_->menuUn().close();
        QVERIFY(programme_->termine() == (fin != annuler) &&
                services_.questions.size() == question);
        QCOMPARE(v.ecrites(), attendu);
        if (!programme_->termine()) { // the editor stays as it was, and goes on
            QVERIFY(programme_->menuUn().isVisible() && v.boitesMontrees() == boites &&
                    v.editeur().lignes() == montrees);
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(v.ecrites(), lignes);
        }
    }

    // A list that cannot be written (its file is a folder): the user is told, and
    // neither F nor closing the frame loses the edits.
    void listeEnDossier() {
        const Vue v{true, programme_->calend()};
        QVERIFY(QDir().mkdir(kEnfant));
        v.ouvrir();
        for (const QString& geste : {u"A"_qs, v.uneDate(), u"neuf"_qs, u"F"_qs})
            v.faire(geste);
        const QStringList lignes = v.editeur().lignes();
        QCOMPARE(services_.questions,
                 QStringList{u"Calendrier|La liste n'a pas pu être enregistrée."_qs});
        services_.reponses.enqueue(Reponse::Oui);
        programme_->menuUn().close();
        QVERIFY(!programme_->termine() && v.editeur().lignes() == lignes);
    }
};

QTEST_MAIN(TestEditeurs)
#include "tst_editeurs.moc"
