// The anniversary and fête editors of the hub, driven by the keyboard and
// the mouse as a user drives them, and what reaches `Enfant` and `Fete`.

#include "calendrier/accueil/calend.h"
#include "calendrier/accueil/editeurliste.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/clavier.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QTest>

using namespace calendrier;
using Etat = EditeurListe::Etat;
using plateforme::Reponse;

namespace {

// One editor seen through the hub's controls.
struct Vue {
    Liste liste;
    Calend& hub;

    EditeurListe& editeur() const {
        return liste == Liste::Enfant ? hub.editeurEnfant() : hub.editeurFete();
    }
    QListWidget& lignes() const { return liste == Liste::Enfant ? hub.List1 : hub.List2; }
    QLineEdit& lettre() const { return liste == Liste::Enfant ? hub.Text9 : hub.Text10; }
    QLineEdit& date() const { return liste == Liste::Enfant ? hub.Text6 : hub.Text11; }
    QLineEdit& nom() const { return liste == Liste::Enfant ? hub.Text7 : hub.Text12; }
    QLineEdit& remplacement() const { return liste == Liste::Enfant ? hub.Text8 : hub.Text13; }
    QString fichier() const { return liste == Liste::Enfant ? kEnfant : kFete; }
    // A date the list takes, and its format.
    QString date(int jour) const {
        return u"%1/05"_qs.arg(jour, 2, 10, QChar(u'0')) +
               (liste == Liste::Enfant ? u"/2000"_qs : QString());
    }
    QString format() const { return liste == Liste::Enfant ? u"JJ/MM/AAAA"_qs : u"JJ/MM"_qs; }

    void ouvrir() const { liste == Liste::Enfant ? hub.FeteEnfants_Click() : hub.FeteFixe(); }
    void cliquerLigne(int ligne) const {
        QListWidget& l = lignes();
        const QRect r = l.visualItemRect(l.item(ligne));
        QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, r.center());
    }
    // Answers in the one box shown; "#n" clicks line n.
    void faire(const QStringList& gestes) const {
        for (const QString& g : gestes)
            g.startsWith(u'#') ? cliquerLigne(g.mid(1).toInt())
                               : repondre(*boitesMontrees().value(0, &lettre()), g);
    }
    // Only the boxes of the editor's current step are shown.
    QList<QLineEdit*> boitesMontrees() const {
        QList<QLineEdit*> montrees;
        for (QLineEdit* b : hub.findChildren<QLineEdit*>())
            if (b->isVisible())
                montrees << b;
        return montrees;
    }
};

} // namespace

class TestEditeurs : public QObject {
    Q_OBJECT

    std::unique_ptr<BacASable> bac_;
    ServicesEssai services_;
    std::unique_ptr<Programme> programme_;

    Vue vue(Liste l) { return {l, programme_->calend()}; }
    QStringList fichier(const QString& nom) { return plateforme::lireLignes(bac_->chemin(nom)); }
    QByteArray octets(const QString& nom) {
        QFile f(bac_->chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        bac_ = std::make_unique<BacASable>();
        services_ = ServicesEssai{};
        programme_ = std::make_unique<Programme>(services_.services());
        programme_->zoom().setEcran([] { return QSize(800, 600); });
        programme_->montrer(calendrier::Fenetre::Accueil);
        QVERIFY(plateforme::reecrire(
            bac_->chemin(kEnfant), {u"07/03/1998"_qs, u"PAUL"_qs, u"12/11/2001"_qs, u"LUCIE"_qs}));
        QVERIFY(plateforme::reecrire(
            bac_->chemin(kFete), {u"15/08"_qs, u"ASSOMPTION"_qs, u"01/11"_qs, u"TOUSSAINT"_qs}));
    }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    // Opening shows the list, not yet to be clicked, and asks for a letter,
    // upper-cased. Adding: a date that names a real day goes in, day and
    // month on two digits; any other is refused in the prompt and the date
    // asked again; FIN or nothing gives the entry up. A blank name is asked
    // again, a long one cut; nothing reaches the file before F.
    void ajout_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("ligne");
        // "typed>line written": nothing after '>' when refused, "-" when given up.
        const auto lignes = [](Liste l, std::initializer_list<const char*> cas) {
            for (const char* c : cas) {
                const QStringList t = QString::fromLatin1(c).split(u'>');
                QTest::addRow("%s '%s'", l == Liste::Enfant ? "enfant" : "fete", qPrintable(t[0]))
                    << l << t[0] << t[1];
            }
        };
        lignes(Liste::Enfant, {"7/3/1998>07/03/1998", " 29/02/2024 >29/02/2024",
                               "01/01/0001>01/01/0001", "31/12/3000>31/12/3000", "FIN>-", " fin >-",
                               ">-", "abc>", "31/02/2020>", "29/02/2023>", "01/13/2000>",
                               "01/01/3001>", "01/01/0000>", "07/03/98>", "07-03-1998>", "25/12>"});
        lignes(Liste::Fete, {"15/08>15/08", "29/02>29/02", "1/5>01/05", "fin>-", "25/12/2027>",
                             "30/02>", "31/04>", "00/01>", "12/13>", "1/5/>", "abc>"});
    }
    void ajout() {
        QFETCH(Liste, liste);
        QFETCH(QString, tape);
        QFETCH(QString, ligne);
        const Vue v = vue(liste);
        v.ouvrir();
        const QStringList avant = fichier(v.fichier());
        QVERIFY(v.hub.Toolbar1.isHidden() && v.lignes().isVisible() && !v.lignes().isEnabled());
        QVERIFY(!(liste == Liste::Enfant ? v.hub.List2 : v.hub.List1).isVisible());
        QCOMPARE(v.editeur().lignes(), avant);
        // A letter that is no action, or comes after a blank, asks again.
        for (const QString& lettre : {u"x"_qs, u" M"_qs}) {
            repondre(v.lettre(), lettre);
            QCOMPARE(v.editeur().etat(), Etat::Action);
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
            QVERIFY(v.lettre().text().isEmpty() && !v.lignes().isEnabled());
        }
        QTest::keyClicks(&v.lettre(), u"a"_qs);
        QCOMPARE(v.lettre().text(), u"A"_qs);
        QTest::keyClick(&v.lettre(), Qt::Key_Return);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.date()});
        repondre(v.date(), tape);
        if (ligne == u"-"_qs) { // back to the letter, nothing added
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(fichier(v.fichier()), avant);
            return;
        }
        if (ligne.isEmpty()) {
            QCOMPARE(v.hub.Label12.text(), u"Date impossible : "_qs + v.format());
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.date()});
            QVERIFY(v.date().text().isEmpty());
            ligne = v.date(1);
            repondre(v.date(), ligne);
        }
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.nom()});
        v.faire({u"   "_qs, u"anniversaire de mariage"_qs});
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
        const QStringList apres = avant + QStringList{ligne, u"ANNIVERSAIRE DE MARI"_qs};
        QCOMPARE(v.editeur().lignes(), apres);
        QCOMPARE(fichier(v.fichier()), avant);
        repondre(v.lettre(), u"f"_qs);
        QCOMPARE(fichier(v.fichier()), apres);
        // F brings back the main toolbar.
        QVERIFY(v.hub.Toolbar1.isVisible() && !v.lignes().isVisible());
        QCOMPARE(v.editeur().etat(), Etat::Ferme);
    }

    // Gestures in an editor, then its end: F typed, or the frame closed and
    // the question answered. Modifying replaces the line clicked last, a date
    // by a date of the list's format only. Erasing takes both lines of the
    // entry clicked, whichever, and the list keeps whole pairs. On closing,
    // edits not written are written on Oui, dropped on Non, kept on screen
    // with the program going on after Annuler; without edits the program
    // ends at once.
    void edition_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<int>("depart");         // lines of the list at the start, of six
        QTest::addColumn<QStringList>("gestes"); // "#n" clicks line n, "D" a date the list takes
        QTest::addColumn<int>("fin");            // -1: F typed, else the answer on closing
        QTest::addColumn<bool>("question");
        // What the file holds: "n" is line n at the start (6, 7: the entry added), "_" a blank.
        QTest::addColumn<QStringList>("ecrit");
        const QStringList ajout = {u"A"_qs, u"D"_qs, u"neuf"_qs};
        const int oui = int(Reponse::Oui), non = int(Reponse::Non), annuler = int(Reponse::Annuler);
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            const QString an = l == Liste::Enfant ? u"/2001"_qs : QString();
            const auto ligne = [&](const char* nom, QStringList gestes, int fin, bool question,
                                   QString ecrit, int depart = 6) {
                QTest::newRow(g + nom) << l << depart << gestes << fin << question
                                       << ecrit.split(u' ', Qt::SkipEmptyParts);
            };
            const QString tout = u"0 1 2 3 4 5"_qs;
            // A first click, then another line before Enter: the last one counts.
            ligne("long", {u"M"_qs, u"#0"_qs, u"#1"_qs, u"un nom bien plus long que vingt"_qs}, -1,
                  false, u"0 UN_NOM_BIEN_PLUS_LON 2 3 4 5"_qs);
            ligne("date", {u"M"_qs, u"#2"_qs, u"3/1"_qs + an}, -1, false,
                  u"0 1 03/01"_qs + an + u" 3 4 5"_qs);
            ligne("date impossible", {u"M"_qs, u"#2"_qs, u"31/02"_qs + an, u"FIN"_qs}, -1, false,
                  tout);
            ligne("date dans l'autre format",
                  {u"M"_qs, u"#0"_qs, an.isEmpty() ? u"13/11/2001"_qs : u"13/11"_qs, u"FIN"_qs}, -1,
                  false, tout);
            ligne("un nom n'est pas une date", {u"M"_qs, u"#3"_qs, u"31/02"_qs}, -1, false,
                  u"0 1 2 31/02 4 5"_qs);
            ligne("FIN garde la ligne", {u"M"_qs, u"#3"_qs, u"fin"_qs}, -1, false, tout);
            ligne("vide garde la ligne", {u"M"_qs, u"#3"_qs, u"  "_qs}, -1, false, tout);
            ligne("premiere date", {u"E"_qs, u"#0"_qs}, -1, false, u"2 3 4 5"_qs);
            ligne("dernier nom", {u"E"_qs, u"#5"_qs}, -1, false, u"0 1 2 3"_qs);
            // A name that starts with a digit is still the entry's name line.
            ligne("nom commencant par un chiffre", {u"E"_qs, u"#3"_qs}, -1, false, u"0 1 4 5"_qs);
            ligne("effacer apres effacer", {u"E"_qs, u"#2"_qs, u"E"_qs, u"#0"_qs}, -1, false,
                  u"4 5"_qs);
            ligne("ligne deja effacee", {u"E"_qs, u"#2"_qs, u"E"_qs, u"#3"_qs}, -1, false,
                  u"0 1 4 5"_qs);
            ligne("tout", {u"E"_qs, u"#5"_qs, u"E"_qs, u"#0"_qs, u"E"_qs, u"#3"_qs}, -1, false, {});
            // A list edited by hand with a lone last line stays in step.
            ligne("liste impaire", {u"E"_qs, u"#4"_qs}, -1, false, u"0 1 2 3"_qs, 5);
            ligne("fermee sans rien", {}, oui, false, tout);
            ligne("ajout, oui", ajout, oui, true, tout + u" 6 7"_qs);
            ligne("ajout, non", ajout, non, true, tout);
            ligne("ajout, annuler", ajout, annuler, true, tout);
            ligne("effacement, oui", {u"E"_qs, u"#1"_qs}, oui, true, u"2 3 4 5"_qs);
            ligne("nom en attente, oui", ajout + QStringList{u"A"_qs, u"D"_qs}, oui, true,
                  tout + u" 6 7"_qs);
            ligne("date seule en attente", {u"A"_qs, u"D"_qs}, oui, false, tout);
            ligne("ajout puis effacement", ajout + QStringList{u"E"_qs, u"#7"_qs}, oui, false,
                  tout);
        }
    }
    void edition() {
        QFETCH(Liste, liste);
        QFETCH(int, depart);
        QFETCH(QStringList, gestes);
        QFETCH(int, fin);
        QFETCH(bool, question);
        QFETCH(QStringList, ecrit);
        const Vue v = vue(liste);
        const QStringList lignes = {u"01/01"_qs, u"JOUR DE L'AN"_qs, u"14/07"_qs, u"14 JUILLET"_qs,
                                    u"25/12"_qs, u"NOEL"_qs,         v.date(9),   u"NEUF"_qs};
        // Blanks around a line, gone once the list is written.
        QStringList ecrites = lignes.mid(0, depart);
        if (fin < 0)
            ecrites.first() = u"  "_qs + ecrites.first() + u" "_qs;
        QVERIFY(plateforme::reecrire(bac_->chemin(v.fichier()), ecrites));
        const QByteArray avant = octets(v.fichier());
        v.ouvrir();
        for (const QString& geste : gestes) {
            const QStringList montrees = v.editeur().lignes();
            const bool remplacer = v.remplacement().isVisible();
            v.faire({geste == u"D"_qs ? v.date(9) : geste});
            const int n = geste.startsWith(u'#') ? geste.mid(1).toInt() : -1;
            // The list takes clicks only while a line is to be chosen or replaced.
            QCOMPARE(v.lignes().isEnabled(),
                     geste == u"E"_qs || geste == u"M"_qs || v.remplacement().isVisible());
            if (n >= 0 && v.remplacement().isVisible()) // offered for editing
                QCOMPARE(v.remplacement().text(), montrees[n]);
            else if (n >= 0) // erased: blank on screen until the list is written
                QVERIFY(v.editeur().lignes().at(n).isEmpty());
            else if (remplacer && v.remplacement().isVisible()) // refused, asked again
                QCOMPARE(v.hub.Label12.text(), u"Date impossible : "_qs + v.format());
        }
        const QStringList montrees = v.editeur().lignes();
        const QList<QLineEdit*> boites = v.boitesMontrees();
        QStringList attendu;
        for (const QString& e : ecrit)
            attendu << (e.size() == 1 ? lignes[e.toInt()] : QString(e).replace(u'_', u' '));
        if (fin < 0) {
            QCOMPARE(boites, QList<QLineEdit*>{&v.lettre()});
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(fichier(v.fichier()), attendu);
            QVERIFY(!octets(v.fichier()).contains("\r\n\r\n"));
            return;
        }
        services_.reponses.enqueue(Reponse(fin));
        programme_->menuUn().close();
        QCOMPARE(programme_->termine(), fin != int(Reponse::Annuler));
        const QString nom = liste == Liste::Enfant ? u"anniversaires"_qs : u"fêtes"_qs;
        QCOMPARE(services_.questions,
                 question
                     ? QStringList{u"Calendrier|Enregistrer les modifications de la liste des "_qs +
                                   nom + u" ?"_qs}
                     : QStringList{});
        if (attendu == lignes.mid(0, depart))
            QCOMPARE(octets(v.fichier()), avant);
        QCOMPARE(fichier(v.fichier()), attendu);
        if (!programme_->termine()) {
            // The editor stays as it was, and goes on.
            QVERIFY(programme_->menuUn().isVisible());
            QCOMPARE(v.editeur().lignes(), montrees);
            QCOMPARE(v.boitesMontrees(), boites);
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(fichier(v.fichier()), lignes);
        }
    }

    // A list missing opens empty. One that cannot be written (its file is a
    // folder): the user is told, the edits stay, and neither F nor closing
    // the frame loses them.
    void listeAbsente_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<bool>("dossier");
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            QTest::newRow(g + "manquante") << l << false;
            QTest::newRow(g + "dossier") << l << true;
        }
    }
    void listeAbsente() {
        QFETCH(Liste, liste);
        QFETCH(bool, dossier);
        const Vue v = vue(liste);
        QVERIFY(QFile::remove(bac_->chemin(v.fichier())));
        QVERIFY(!dossier || QDir().mkdir(bac_->chemin(v.fichier())));
        v.ouvrir();
        QCOMPARE(v.lignes().count(), 0);
        v.faire({u"A"_qs, v.date(3), u"neuf"_qs});
        const QStringList lignes = v.editeur().lignes();
        const QString message = u"Calendrier|La liste n'a pas pu être enregistrée."_qs;
        if (dossier) {
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(services_.questions, QStringList{message});
            QCOMPARE(v.editeur().etat(), Etat::Action);
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
            services_.reponses.enqueue(Reponse::Oui);
            programme_->menuUn().close();
            QVERIFY(!programme_->termine());
            QCOMPARE(services_.questions.mid(2), QStringList{message});
            QCOMPARE(v.editeur().lignes(), lignes);
            QVERIFY(QDir().rmdir(bac_->chemin(v.fichier())));
        }
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), (QStringList{v.date(3), u"NEUF"_qs}));
    }
};

QTEST_MAIN(TestEditeurs)
#include "tst_editeurs.moc"
