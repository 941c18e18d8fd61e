// The hub driven as a user drives it: toolbar clicks, Enter in the answer
// boxes, and what the working files hold afterwards.

#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/boitereponse.h"
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
#include <QToolButton>
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
    if (!action->isVisible() || !action->isEnabled() || c.Toolbar1.isHidden())
        return false;
    auto* bouton = qobject_cast<QToolButton*>(c.Toolbar1.widgetForAction(action));
    if (!bouton)
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

    void chargementCreeLeDossierEtMontreLeMenu() {
        QVERIFY(QFileInfo(bac_->chemin(kSaveCalend)).isDir());
        QCOMPARE(hub().boutonsMontres(), kMenu);
        QCOMPARE(lignes(*bac_, kSauve), QStringList{u"0"_qs});
        QCOMPARE(programme_->menuUn().windowTitle(), u"Menu"_qs);
        QCOMPARE(hub().windowTitle(), u"Affiche"_qs);
        QVERIFY(hub().isVisible());
        QVERIFY(hub().Image2.isVisible());
        QVERIFY(!hub().Label12.isVisible());
        QVERIFY(!hub().Image4[0].isVisible() && !hub().Image4[1].isVisible());
        // Captions keep their double blanks; tool tips say it in full.
        QCOMPARE(hub().bouton(1)->text(), u"CONSULT  MOIS"_qs);
        QCOMPARE(hub().bouton(13)->text(), u"VOIR  CALENDR"_qs);
        QCOMPARE(hub().bouton(3)->toolTip(), u"ENREGISTRER ANNIVERSAIRE"_qs);
        for (int i = 1; i <= Calend::kBoutons; ++i)
            QVERIFY2(!hub().bouton(i)->icon().isNull(), qPrintable(QString::number(i)));
    }

    void unDossierExistantResteIntact() {
        programme_.reset();
        QDir().mkpath(bac_->chemin(kSaveCalend));
        QFile f(QDir(bac_->chemin(kSaveCalend)).filePath(u"FAMILLE2027.Ans"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        nouveauProgramme();
        QVERIFY(QFile::exists(QDir(bac_->chemin(kSaveCalend)).filePath(u"FAMILLE2027.Ans"_qs)));
    }

    // Each road through the toolbar, and the buttons it leaves.
    void etats_data() {
        QTest::addColumn<QList<int>>("clics");
        QTest::addColumn<QStringList>("reponses"); // typed in the box shown after each click
        QTest::addColumn<Boutons>("attendus");
        QTest::newRow("mois demande") << QList<int>{1} << QStringList{} << Boutons{11, 15, 16, 17};
        QTest::newRow("mois sortie")
            << QList<int>{1} << QStringList{u"12"_qs, u"2027"_qs} << Boutons{4, 7, 11, 15, 17};
        QTest::newRow("annee demandee")
            << QList<int>{2} << QStringList{} << Boutons{11, 15, 16, 17};
        QTest::newRow("annee sortie")
            << QList<int>{2} << QStringList{u"2027"_qs} << Boutons{5, 12, 14, 15, 16, 17};
        QTest::newRow("nommage") << QList<int>{2, 12} << QStringList{u"2027"_qs}
                                 << Boutons{15, 16, 17};
        QTest::newRow("annee a l'ecran")
            << QList<int>{2, 14} << QStringList{u"2027"_qs} << Boutons{6, 11, 15, 16, 17};
        QTest::newRow("retour menu") << QList<int>{2, 11} << QStringList{} << kMenu;
        QTest::newRow("retour apres le mois")
            << QList<int>{1, 11} << QStringList{u"5"_qs, u"1999"_qs} << kMenu;
    }
    void etats() {
        QFETCH(QList<int>, clics);
        QFETCH(QStringList, reponses);
        QFETCH(Boutons, attendus);
        QVERIFY(cliquer(hub(), clics.first()));
        for (const QString& r : reponses) {
            QLineEdit* boite = nullptr;
            for (QLineEdit* b : {&hub().Text3, &hub().Text4, &hub().Text5})
                if (b->isVisible())
                    boite = b;
            QVERIFY(boite);
            repondre(*boite, r);
        }
        for (int clic : clics.mid(1))
            QVERIFY2(cliquer(hub(), clic), qPrintable(QString::number(clic)));
        QCOMPARE(hub().boutonsMontres(), attendus);
    }

    void moisEtAnneeDUnMois_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("12") << u"12"_qs << true;
        QTest::newRow("1") << u"1"_qs << true;
        QTest::newRow("blancs") << u" 07 "_qs << true;
        QTest::newRow("suivi de lettres") << u"4ABC"_qs << true;
        QTest::newRow("13") << u"13"_qs << false;
        QTest::newRow("0") << u"0"_qs << false;
        QTest::newRow("negatif") << u"-3"_qs << false;
        QTest::newRow("vide") << QString() << false;
        QTest::newRow("lettres") << u"MARS"_qs << false;
        QTest::newRow("enorme") << u"99999999999999999999999"_qs << false;
    }
    void moisEtAnneeDUnMois() {
        QFETCH(QString, mois);
        QFETCH(bool, accepte);
        QVERIFY(cliquer(hub(), 1));
        QCOMPARE(hub().Label12.text(), u"Quel Mois ?"_qs);
        QCOMPARE(hub().Text3.text(), u"03"_qs);
        repondre(hub().Text3, mois);
        QCOMPARE(hub().Label2.isVisible(), !accepte);
        if (!accepte) {
            // The current month comes back and waits, with what is accepted
            // said above it until the next answer.
            QCOMPARE(hub().Label2.text(), u"Mois de 1 à 12"_qs);
            QCOMPARE(hub().Text3.text(), u"03"_qs);
            QVERIFY(hub().Text3.isVisible());
            QVERIFY(!hub().Text4.isVisible());
            repondre(hub().Text3, u"5"_qs);
            QVERIFY(hub().Text4.isVisible() && !hub().Label2.isVisible());
            return;
        }
        QVERIFY(!hub().Text3.isVisible());
        QCOMPARE(hub().Label12.text(), u"Quel Annee ?"_qs);
        QCOMPARE(hub().Text4.text(), u"2027"_qs);
        QVERIFY(hub().Text4.isVisible());
        // The month stays in its box for the windows that read it.
        QCOMPARE(hub().Text3.text(), mois.toUpper());
    }

    void annees_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<bool>("accepte");
        for (int b : {1, 2}) {
            const QByteArray g = b == 1 ? "mois " : "annee ";
            QTest::newRow(g + "3000") << b << u"3000"_qs << true;
            QTest::newRow(g + "1") << b << u"1"_qs << true;
            QTest::newRow(g + "avec lettres") << b << u"1999XY"_qs << true;
            QTest::newRow(g + "3001") << b << u"3001"_qs << false;
            QTest::newRow(g + "0") << b << u"0"_qs << false;
            QTest::newRow(g + "negatif") << b << u"-5"_qs << false;
            QTest::newRow(g + "vide") << b << QString() << false;
        }
    }
    void annees() {
        QFETCH(int, bouton);
        QFETCH(QString, annee);
        QFETCH(bool, accepte);
        QVERIFY(cliquer(hub(), bouton));
        QLineEdit& boite = bouton == 1 ? hub().Text4 : hub().Text5;
        if (bouton == 1)
            repondre(hub().Text3, u"6"_qs);
        QCOMPARE(boite.text(), u"2027"_qs);
        repondre(boite, annee);
        QCOMPARE(hub().Label2.isVisible(), !accepte);
        if (!accepte) {
            QCOMPARE(hub().boutonsMontres(), kMenu);
            QVERIFY(!boite.isVisible());
            QVERIFY(!hub().Label12.isVisible());
            // The main toolbar says why, until the next action.
            QCOMPARE(hub().Label2.text(), u"Année de 1 à 3000"_qs);
            QVERIFY(cliquer(hub(), bouton));
            QVERIFY(!hub().Label2.isVisible());
            return;
        }
        QVERIFY(!boite.isVisible());
        QVERIFY(!hub().Label12.isVisible());
        QCOMPARE(boite.text(), annee.toUpper());
        const Boutons attendus =
            bouton == 1 ? Boutons{4, 7, 11, 15, 17} : Boutons{5, 12, 14, 15, 16, 17};
        QCOMPARE(hub().boutonsMontres(), attendus);
    }

    void laConsultationResteEcriteApresLeRetour() {
        QVERIFY(cliquer(hub(), 1));
        QVERIFY(cliquer(hub(), 11));
        QCOMPARE(lignes(*bac_, kLireCalendSer), QStringList{u"0"_qs});
        QCOMPARE(lignes(*bac_, kAnneeSer), QStringList{u"1"_qs});
        QCOMPARE(lignes(*bac_, kSauve), QStringList{u"0"_qs});
    }

    void boutonsDeSortie_data() {
        QTest::addColumn<int>("consultation");
        QTest::addColumn<QList<int>>("avant");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QStringList>("annee");
        QTest::newRow("mois imprimante") << 1 << QList<int>{} << 4 << QStringList{u"1"_qs, u"4"_qs};
        QTest::newRow("mois ecran") << 1 << QList<int>{} << 7 << QStringList{u"1"_qs, u"5"_qs};
        QTest::newRow("annee imprimante")
            << 2 << QList<int>{} << 5 << QStringList{u"2"_qs, u"6"_qs};
        QTest::newRow("annee ecran") << 2 << QList<int>{14} << 6 << QStringList{u"2"_qs, u"7"_qs};
    }
    void boutonsDeSortie() {
        QFETCH(int, consultation);
        QFETCH(QList<int>, avant);
        QFETCH(int, bouton);
        QFETCH(QStringList, annee);
        QVERIFY(cliquer(hub(), consultation));
        if (consultation == 1) {
            repondre(hub().Text3, u"2"_qs);
            repondre(hub().Text4, u"2027"_qs);
        } else {
            repondre(hub().Text5, u"2027"_qs);
        }
        for (int b : avant)
            QVERIFY(cliquer(hub(), b));
        plateforme::reecrire(bac_->chemin(kLireCalendSer), {u"3"_qs, u"2"_qs, u"2027"_qs, u"3"_qs});
        QVERIFY(cliquer(hub(), bouton));
        QCOMPARE(lignes(*bac_, kAnneeSer), annee);
        QCOMPARE(lignes(*bac_, kLireCalendSer), QStringList{u"0"_qs});
        QVERIFY(hub().isHidden());
        QVERIFY(hub().Toolbar1.isHidden());
        QVERIFY(hub().Image2.isHidden());
        // One month goes on to its picture, a year to its cover photo.
        const bool mois = consultation == 1;
        QCOMPARE(!programme_->lireImage().isHidden(), mois);
        QCOMPARE(!programme_->entete().isHidden(), !mois);
        // Coming back brings the main toolbar.
        programme_->montrer(Fenetre::Accueil);
        QVERIFY(hub().isVisible());
        QCOMPARE(hub().boutonsMontres(), kMenu);
    }

    void nommage_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QList<Reponse>>("reponses");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<bool>("signale"); // what a name may be is said
        QTest::newRow("nouveau") << u"famille"_qs << false << QList<Reponse>{} << true << false;
        QTest::newRow("blancs gardes dans Lire.ser")
            << u" famille "_qs << false << QList<Reponse>{} << true << false;
        QTest::newRow("existant, oui")
            << u"FAMILLE"_qs << true << QList<Reponse>{Reponse::Oui} << true << false;
        QTest::newRow("existant, non")
            << u"FAMILLE"_qs << true << QList<Reponse>{Reponse::Non} << false << false;
        for (const QString& nom :
             {u"A/B"_qs, u"A\\B"_qs, u"."_qs, u".."_qs, u"..X"_qs, QString(239, u'N')})
            QTest::addRow("refuse: %s", qPrintable(nom.left(4)))
                << nom << false << QList<Reponse>{} << false << true;
    }
    void nommage() {
        QFETCH(QString, nom);
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
        QCOMPARE(hub().Label12.text(), u"Nom du Calendrier à Sauver"_qs);
        QVERIFY(hub().Text14.isVisible());
        repondre(hub().Text14, nom);

        const QStringList posees = services_.questions;
        QCOMPARE(posees, existe ? QStringList{u"Le Nom exite déjà|ECRASER"_qs} : QStringList{});
        QCOMPARE(hub().Label2.isVisible(), signale);
        if (signale)
            QCOMPARE(
                hub().Label2.text(),
                u"Nom refusé : ni / ni \\, ni « . » seul, ni « .. » au début, ni trop long"_qs);
        if (accepte) {
            QCOMPARE(hub().boutonsMontres(), (Boutons{6, 11, 15, 16, 17}));
            QVERIFY(!hub().Text14.isVisible());
            QVERIFY(!hub().Label12.isVisible());
            QCOMPARE(lignes(*bac_, kSauve), (QStringList{u"1"_qs, u"FAMILLE"_qs}));
            QCOMPARE(lignes(*bac_, kLireSer), QStringList{nom.toUpper()});
            // The index comes with the pages, and the old one stays until then.
            QCOMPARE(plateforme::lireLignes(index),
                     existe ? QStringList{u"ancienne page"_qs} : QStringList{});
        } else {
            QCOMPARE(hub().boutonsMontres(), (Boutons{15, 16, 17}));
            QVERIFY(hub().Text14.isVisible());
            QVERIFY(hub().Text14.text().isEmpty());
            QCOMPARE(lignes(*bac_, kSauve), QStringList{u"0"_qs});
            QVERIFY(!QFile::exists(bac_->chemin(kLireSer)));
            if (existe)
                QCOMPARE(plateforme::lireLignes(index), QStringList{u"ancienne page"_qs});
        }
    }

    void boitesEnMajusculesEtCodePage_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("garde");
        QTest::newRow("minuscules") << u"noël à été"_qs << u"NOËL À ÉTÉ"_qs;
        QTest::newRow("y trema") << u"ÿ"_qs << u"Ÿ"_qs;
        QTest::newRow("hors du code page") << u"a\u0101b\u4e2dc"_qs << u"ABC"_qs;
        QTest::newRow("micro garde tel quel") << u"µ"_qs << u"µ"_qs;
    }
    void boitesEnMajusculesEtCodePage() {
        QFETCH(QString, tape);
        QFETCH(QString, garde);
        QVERIFY(cliquer(hub(), 2));
        repondre(hub().Text5, u"2027"_qs);
        QVERIFY(cliquer(hub(), 12));
        hub().Text14.clear();
        taper(hub().Text14, tape);
        QCOMPARE(hub().Text14.text(), garde);
        // Pasted text is held to the same rule.
        hub().Text14.clear();
        hub().Text14.insert(tape);
        QCOMPARE(hub().Text14.text(), garde);
    }

    void finTermineAussitot() {
        QVERIFY(cliquer(hub(), 2));
        QVERIFY(cliquer(hub(), 17));
        QVERIFY(programme_->termine());
        QCOMPARE(lignes(*bac_, kAnneeSer), QStringList{u"2"_qs});
    }

    void aideOuvreLaPageDuDossierDuProgramme() {
        QVERIFY(cliquer(hub(), 15));
        if (!QFile::exists(Calend::cheminAide())) {
            // Not delivered next to the test: the user is told, nothing opens.
            QVERIFY(ouverts_.isEmpty());
        } else {
            QCOMPARE(ouverts_, QList<QUrl>{QUrl::fromLocalFile(Calend::cheminAide())});
        }
        QCOMPARE(QFileInfo(Calend::cheminAide()).fileName(), u"Calend.html"_qs);
        QCOMPARE(QFileInfo(Calend::cheminAide()).absolutePath(),
                 QCoreApplication::applicationDirPath());
    }

    void siteSansAdresseDesactive() {
        const bool adresse = !QStringLiteral(QUIVEX_WEB_ADRESSE).isEmpty();
        QCOMPARE(hub().bouton(16)->isEnabled(), adresse);
        hub().Site_Click();
        QCOMPARE(ouverts_.size(), adresse ? 1 : 0);
    }

    void lireChargeLaFenetreDesPagesEtPlaceLesCoins() {
        QVERIFY(!programme_->aficheCalend().isVisible());
        const double largeur = plateforme::twips(programme_->aficheCalend().width());
        const double hauteur = plateforme::twips(programme_->aficheCalend().height());
        using plateforme::Propriete;
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[1], Propriete::Left), largeur - 1000);
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[0], Propriete::Left), 0.0);
        QCOMPARE(*plateforme::lirePropriete(&hub().Image4[0], Propriete::Top), hauteur - 1000);
    }
};

QTEST_MAIN(TestCalend)
#include "tst_calend.moc"
