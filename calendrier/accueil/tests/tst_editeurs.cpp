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

const QString kInviteAction = u"A = Ajouter / M = Modifier / E = Effacer / F = Fin"_qs;
const QString kInviteActionFete = u"A = Ajouter / M = Modifier / E = Effacer"_qs;

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
    void ajouter(const QString& d, const QString& n) const {
        repondre(lettre(), u"A"_qs);
        repondre(date(), d);
        repondre(nom(), n);
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

    void listes() {
        QTest::addColumn<Liste>("liste");
        QTest::newRow("anniversaires") << Liste::Enfant;
        QTest::newRow("fetes") << Liste::Fete;
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

    void ouverture_data() { listes(); }
    void ouverture() {
        QFETCH(Liste, liste);
        const Vue v = vue(liste);
        v.ouvrir();
        QVERIFY(v.hub.Toolbar1.isHidden());
        QVERIFY(v.lignes().isVisible());
        QVERIFY(!v.lignes().isEnabled());
        QCOMPARE(v.editeur().lignes(), fichier(v.fichier()));
        QCOMPARE(v.hub.Label12.text(), kInviteAction);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
        QVERIFY(!(liste == Liste::Enfant ? v.hub.List2 : v.hub.List1).isVisible());
    }

    void lettres_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<Etat>("etat");
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            QTest::newRow(g + "m minuscule") << l << u"m"_qs << Etat::ChoixLigne;
            QTest::newRow(g + "e") << l << u"E"_qs << Etat::ChoixLigne;
            QTest::newRow(g + "a") << l << u"a"_qs << Etat::Date;
            QTest::newRow(g + "X") << l << u"X"_qs << Etat::Action;
            QTest::newRow(g + "blanc d'abord") << l << u" M"_qs << Etat::Action;
            QTest::newRow(g + "vide") << l << QString() << Etat::Action;
        }
    }
    void lettres() {
        QFETCH(Liste, liste);
        QFETCH(QString, tape);
        QFETCH(Etat, etat);
        const Vue v = vue(liste);
        v.ouvrir();
        v.lettre().clear();
        QTest::keyClicks(&v.lettre(), tape);
        QCOMPARE(v.lettre().text(), tape.toUpper());
        QTest::keyClick(&v.lettre(), Qt::Key_Return);
        QCOMPARE(v.editeur().etat(), etat);
        QCOMPARE(v.lignes().isEnabled(), etat == Etat::ChoixLigne);
        if (etat == Etat::Action) {
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
            QVERIFY(v.lettre().text().isEmpty());
        } else if (etat == Etat::ChoixLigne) {
            QCOMPARE(v.editeur().lettre(), tape.trimmed().toUpper().at(0));
            QVERIFY(v.boitesMontrees().isEmpty());
        }
    }

    void ajout_data() { listes(); }
    void ajout() {
        QFETCH(Liste, liste);
        const Vue v = vue(liste);
        v.ouvrir();
        repondre(v.lettre(), u"A"_qs);
        QCOMPARE(v.hub.Label12.text(), liste == Liste::Enfant ? u"DATE   JJ/MM/AAAA OU FIN"_qs
                                                              : u"DATE   JJ/MM OU FIN"_qs);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.date()});
        const QString date = liste == Liste::Enfant ? u"07/03/1998"_qs : u"07/03"_qs;
        repondre(v.date(), date);
        QCOMPARE(v.hub.Label12.text(),
                 liste == Liste::Enfant ? u"NOM POUR 07/03/1998"_qs : u"Nom de La Fete"_qs);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.nom()});
        repondre(v.nom(), u"anniversaire de mariage"_qs);
        QCOMPARE(v.hub.Label12.text(), liste == Liste::Enfant ? kInviteAction : kInviteActionFete);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
        QCOMPARE(v.editeur().lignes().mid(4), (QStringList{date, u"ANNIVERSAIRE DE MARI"_qs}));
        // Nothing reaches the file before F.
        QCOMPARE(fichier(v.fichier()).size(), 4);
        repondre(v.lettre(), u"f"_qs);
        QCOMPARE(fichier(v.fichier()).mid(4), (QStringList{date, u"ANNIVERSAIRE DE MARI"_qs}));
        // F brings back the main toolbar.
        QVERIFY(v.hub.Toolbar1.isVisible());
        QVERIFY(!v.lignes().isVisible());
        QCOMPARE(v.editeur().etat(), Etat::Ferme);
    }

    void finALaDateAbandonneLAjout_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QString>("date");
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            QTest::newRow(g + "FIN") << l << u"FIN"_qs;
            QTest::newRow(g + "fin minuscules et blancs") << l << u" fin "_qs;
            QTest::newRow(g + "rien") << l << QString();
        }
    }
    void finALaDateAbandonneLAjout() {
        QFETCH(Liste, liste);
        QFETCH(QString, date);
        const Vue v = vue(liste);
        v.ouvrir();
        repondre(v.lettre(), u"A"_qs);
        repondre(v.date(), date);
        QCOMPARE(v.editeur().etat(), Etat::Action);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
        QCOMPARE(v.editeur().lignes(), fichier(v.fichier()));
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()).size(), 4);
    }

    // A date that names a real day goes in, day and month on two digits;
    // any other is refused in the prompt and the date asked again.
    void dates_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("ligne"); // empty when refused
        const auto ligne = [](Liste l, const char* tape, const char* date) {
            QTest::addRow("%s %s", l == Liste::Enfant ? "enfant" : "fete", tape)
                << l << QString::fromLatin1(tape) << QString::fromLatin1(date);
        };
        for (const auto& [tape, date] : {std::pair{"7/3/1998", "07/03/1998"},
                                         {" 29/02/2024 ", "29/02/2024"},
                                         {"01/01/0001", "01/01/0001"},
                                         {"31/12/3000", "31/12/3000"}})
            ligne(Liste::Enfant, tape, date);
        for (const char* tape :
             {"abc", "00/00/0000", "31/02/2020", "99/99", "29/02/2023", "01/13/2000", "01/01/3001",
              "01/01/0000", "07/03/98", "07-03-1998", "25/12"})
            ligne(Liste::Enfant, tape, "");
        for (const auto& [tape, date] :
             {std::pair{"15/08", "15/08"}, {"29/02", "29/02"}, {"1/5", "01/05"}})
            ligne(Liste::Fete, tape, date);
        for (const char* tape :
             {"25/12/2027", "30/02", "31/04", "00/01", "99/99", "abc", "12/13", "1/5/"})
            ligne(Liste::Fete, tape, "");
    }
    void dates() {
        QFETCH(Liste, liste);
        QFETCH(QString, tape);
        QFETCH(QString, ligne);
        const Vue v = vue(liste);
        v.ouvrir();
        v.faire({u"A"_qs, tape});
        if (ligne.isEmpty()) {
            QCOMPARE(v.hub.Label12.text(), u"Date impossible : "_qs + v.format());
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.date()});
            QVERIFY(v.date().text().isEmpty());
            QCOMPARE(v.editeur().lignes(), fichier(v.fichier()));
            ligne = v.date(1);
            repondre(v.date(), ligne);
        }
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.nom()});
        v.faire({u"jeanne"_qs, u"F"_qs});
        QCOMPARE(fichier(v.fichier()).mid(4), (QStringList{ligne, u"JEANNE"_qs}));
    }

    void nomVideRedemande() {
        const Vue v = vue(Liste::Enfant);
        v.ouvrir();
        repondre(v.lettre(), u"A"_qs);
        repondre(v.date(), u"01/01/2000"_qs);
        repondre(v.nom(), u"   "_qs);
        QCOMPARE(v.editeur().etat(), Etat::Nom);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.nom()});
        repondre(v.nom(), u"Jeanne"_qs);
        QCOMPARE(v.editeur().lignes().mid(4), (QStringList{u"01/01/2000"_qs, u"JEANNE"_qs}));
    }

    void modification_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu"); // empty: the line is kept
        QTest::addColumn<bool>("refusee");
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            const QString an = l == Liste::Enfant ? u"/2001"_qs : QString();
            QTest::newRow(g + "long") << l << 1 << u"un nom bien plus long que vingt"_qs
                                      << u"UN NOM BIEN PLUS LON"_qs << false;
            QTest::newRow(g + "date") << l << 2 << u"3/1"_qs + an << u"03/01"_qs + an << false;
            QTest::newRow(g + "date impossible") << l << 2 << u"31/02"_qs + an << QString() << true;
            QTest::newRow(g + "date dans l'autre format")
                << l << 0 << (l == Liste::Enfant ? u"13/11"_qs : u"13/11/2001"_qs) << QString()
                << true;
            QTest::newRow(g + "un nom n'est pas une date")
                << l << 3 << u"31/02"_qs << u"31/02"_qs << false;
            QTest::newRow(g + "FIN garde la ligne") << l << 3 << u"fin"_qs << QString() << false;
            QTest::newRow(g + "vide garde la ligne") << l << 3 << u"  "_qs << QString() << false;
        }
    }
    void modification() {
        QFETCH(Liste, liste);
        QFETCH(int, ligne);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QFETCH(bool, refusee);
        const Vue v = vue(liste);
        v.ouvrir();
        const QStringList avant = v.editeur().lignes();
        repondre(v.lettre(), u"M"_qs);
        // A first click, then another line before Enter: the last one counts.
        v.cliquerLigne(0);
        QCOMPARE(v.remplacement().text(), avant[0]);
        v.cliquerLigne(ligne);
        QCOMPARE(v.hub.Label12.text(), u"MODIFICATION DE LA LIGNE SELECTIONNEE"_qs);
        QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.remplacement()});
        QCOMPARE(v.remplacement().text(), avant[ligne]);
        repondre(v.remplacement(), texte);
        if (refusee) {
            QCOMPARE(v.hub.Label12.text(), u"Date impossible : "_qs + v.format());
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.remplacement()});
            QVERIFY(v.remplacement().text().isEmpty());
            repondre(v.remplacement(), u"FIN"_qs);
        }
        QStringList apres = avant;
        if (!attendu.isEmpty())
            apres[ligne] = attendu;
        QCOMPARE(v.editeur().lignes(), apres);
        QCOMPARE(v.editeur().etat(), Etat::Action);
        QVERIFY(!v.lignes().isEnabled());
        QCOMPARE(v.hub.Label12.text(), liste == Liste::Enfant ? kInviteAction : kInviteActionFete);
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), apres);
    }

    // Erasing by position: whichever line of an entry is clicked, its two
    // lines go, and the list keeps whole pairs.
    void effacement_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QStringList>("depart");
        QTest::addColumn<QList<int>>("clics");
        QTest::addColumn<QStringList>("ecrit");
        const QStringList trois = {u"01/01"_qs,      u"JOUR DE L'AN"_qs, u"14/07"_qs,
                                   u"14 JUILLET"_qs, u"25/12"_qs,        u"NOEL"_qs};
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            QTest::newRow(g + "premiere date") << l << trois << QList<int>{0} << trois.mid(2);
            QTest::newRow(g + "premier nom") << l << trois << QList<int>{1} << trois.mid(2);
            QTest::newRow(g + "dernier nom") << l << trois << QList<int>{5} << trois.mid(0, 4);
            QTest::newRow(g + "derniere date") << l << trois << QList<int>{4} << trois.mid(0, 4);
            // A name that starts with a digit is still the entry's name line.
            QTest::newRow(g + "nom commencant par un chiffre")
                << l << trois << QList<int>{3} << (trois.mid(0, 2) + trois.mid(4));
            QTest::newRow(g + "effacer apres effacer")
                << l << trois << QList<int>{2, 0} << trois.mid(4);
            QTest::newRow(g + "ligne deja effacee")
                << l << trois << QList<int>{2, 3} << (trois.mid(0, 2) + trois.mid(4));
            QTest::newRow(g + "tout") << l << trois << QList<int>{5, 0, 3} << QStringList{};
            // A list edited by hand with a lone last line stays in step.
            QTest::newRow(g + "liste impaire")
                << l << trois.mid(0, 5) << QList<int>{4} << trois.mid(0, 4);
        }
    }
    void effacement() {
        QFETCH(Liste, liste);
        QFETCH(QStringList, depart);
        QFETCH(QList<int>, clics);
        QFETCH(QStringList, ecrit);
        const Vue v = vue(liste);
        QVERIFY(plateforme::reecrire(bac_->chemin(v.fichier()), depart));
        v.ouvrir();
        for (int ligne : clics) {
            repondre(v.lettre(), u"E"_qs);
            QVERIFY(v.lignes().isEnabled());
            v.cliquerLigne(ligne);
            QCOMPARE(v.editeur().etat(), Etat::Action);
            QVERIFY(!v.lignes().isEnabled());
            QCOMPARE(v.boitesMontrees(), QList<QLineEdit*>{&v.lettre()});
            QVERIFY(v.editeur().lettre().isNull());
            // Erased lines stay on screen, blank, until the list is written.
            QCOMPARE(v.editeur().lignes().size(), depart.size() + depart.size() % 2);
            QVERIFY(v.editeur().lignes().at(ligne).isEmpty());
        }
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), ecrit);
        // The file on disk holds no empty line and no blanks around a line.
        const QByteArray octets = [&] {
            QFile f(bac_->chemin(v.fichier()));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(!octets.contains("\r\n\r\n"));
        QVERIFY(!octets.startsWith("\r\n"));
        QCOMPARE(fichier(v.fichier()).size() % 2, 0);
    }

    void lignesDeLEntree_data() {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QList<int>>("attendu");
        QTest::newRow("date") << 2 << 6 << QList<int>{2, 3};
        QTest::newRow("nom") << 3 << 6 << QList<int>{2, 3};
        QTest::newRow("premiere") << 0 << 6 << QList<int>{0, 1};
        QTest::newRow("derniere seule") << 4 << 5 << QList<int>{4};
        QTest::newRow("hors liste") << 6 << 6 << QList<int>{};
        QTest::newRow("negative") << -1 << 6 << QList<int>{};
    }
    void lignesDeLEntree() {
        QFETCH(int, ligne);
        QFETCH(int, nombre);
        QFETCH(QList<int>, attendu);
        QCOMPARE(calendrier::lignesDeLEntree(ligne, nombre), attendu);
    }

    void finRecritSansBlancsNiLignesVides_data() { listes(); }
    void finRecritSansBlancsNiLignesVides() {
        QFETCH(Liste, liste);
        const Vue v = vue(liste);
        QVERIFY(
            plateforme::reecrire(bac_->chemin(v.fichier()), {u"  15/08 "_qs, u" ASSOMPTION"_qs}));
        v.ouvrir();
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), (QStringList{u"15/08"_qs, u"ASSOMPTION"_qs}));
    }

    void listeManquanteOuverteVide_data() { listes(); }
    void listeManquanteOuverteVide() {
        QFETCH(Liste, liste);
        const Vue v = vue(liste);
        QFile::remove(bac_->chemin(v.fichier()));
        v.ouvrir();
        QCOMPARE(v.lignes().count(), 0);
        v.ajouter(v.date(2), u"chandeleur"_qs);
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), (QStringList{v.date(2), u"CHANDELEUR"_qs}));
    }

    // Closing the frame while an editor is open: edits not written are
    // written on Oui, dropped on Non, kept on screen with the program going
    // on after Annuler; without edits the program ends at once.
    void fermeture_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QStringList>("gestes"); // "D" is a date the list takes
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<bool>("question");
        QTest::addColumn<bool>("termine");
        QTest::addColumn<int>("effacees"); // lines of the file gone from its start
        QTest::addColumn<bool>("ajoutee"); // the new entry written at its end
        const QStringList ajout = {u"A"_qs, u"D"_qs, u"neuf"_qs};
        for (Liste l : {Liste::Enfant, Liste::Fete}) {
            const QByteArray g = l == Liste::Enfant ? "enfant " : "fete ";
            const auto ligne = [&](const char* nom, const QStringList& gestes, Reponse r,
                                   bool question, bool termine, int effacees, bool ajoutee) {
                QTest::newRow(g + nom)
                    << l << gestes << r << question << termine << effacees << ajoutee;
            };
            ligne("rien", {}, Reponse::Oui, false, true, 0, false);
            ligne("ajout, oui", ajout, Reponse::Oui, true, true, 0, true);
            ligne("ajout, non", ajout, Reponse::Non, true, true, 0, false);
            ligne("ajout, annuler", ajout, Reponse::Annuler, true, false, 0, false);
            ligne("effacement, oui", {u"E"_qs, u"#1"_qs}, Reponse::Oui, true, true, 2, false);
            ligne("nom en attente, oui", ajout + QStringList{u"A"_qs, u"D"_qs}, Reponse::Oui, true,
                  true, 0, true);
            ligne("date seule en attente", {u"A"_qs, u"D"_qs}, Reponse::Oui, false, true, 0, false);
            ligne("ajout puis effacement", ajout + QStringList{u"E"_qs, u"#5"_qs}, Reponse::Oui,
                  false, true, 0, false);
        }
    }
    void fermeture() {
        QFETCH(Liste, liste);
        QFETCH(QStringList, gestes);
        QFETCH(Reponse, reponse);
        QFETCH(bool, question);
        QFETCH(bool, termine);
        QFETCH(int, effacees);
        QFETCH(bool, ajoutee);
        const Vue v = vue(liste);
        const QStringList depart = fichier(v.fichier());
        const QByteArray avant = octets(v.fichier());
        v.ouvrir();
        for (QString& g : gestes)
            g = g == u"D"_qs ? v.date(9) : g;
        v.faire(gestes);
        const QStringList lignes = v.editeur().lignes();
        const QList<QLineEdit*> boites = v.boitesMontrees();
        services_.reponses.enqueue(reponse);
        programme_->menuUn().close();
        QCOMPARE(programme_->termine(), termine);
        const QString nom = liste == Liste::Enfant ? u"anniversaires"_qs : u"fêtes"_qs;
        QCOMPARE(services_.questions,
                 question
                     ? QStringList{u"Calendrier|Enregistrer les modifications de la liste des "_qs +
                                   nom + u" ?"_qs}
                     : QStringList{});
        if (effacees == 0 && !ajoutee)
            QCOMPARE(octets(v.fichier()), avant);
        const QStringList neuve = {v.date(9), u"NEUF"_qs};
        QCOMPARE(fichier(v.fichier()), depart.mid(effacees) + (ajoutee ? neuve : QStringList{}));
        if (!termine) {
            // The editor stays as it was, and goes on.
            QVERIFY(programme_->menuUn().isVisible());
            QCOMPARE(v.editeur().lignes(), lignes);
            QCOMPARE(v.boitesMontrees(), boites);
            repondre(v.lettre(), u"F"_qs);
            QCOMPARE(fichier(v.fichier()), depart + neuve);
        }
    }

    // A list that cannot be written (its file is a folder): the user is told,
    // the edits stay, and neither F nor closing the frame loses them.
    void listeNonInscriptible_data() { listes(); }
    void listeNonInscriptible() {
        QFETCH(Liste, liste);
        const Vue v = vue(liste);
        QVERIFY(QFile::remove(bac_->chemin(v.fichier())));
        QVERIFY(QDir().mkdir(bac_->chemin(v.fichier())));
        v.ouvrir();
        v.ajouter(v.date(3), u"neuf"_qs);
        const QStringList lignes = v.editeur().lignes();
        const QString message = u"Calendrier|La liste n'a pas pu être enregistrée."_qs;
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
        repondre(v.lettre(), u"F"_qs);
        QCOMPARE(fichier(v.fichier()), (QStringList{v.date(3), u"NEUF"_qs}));
    }
};

QTEST_MAIN(TestEditeurs)
#include "tst_editeurs.moc"
