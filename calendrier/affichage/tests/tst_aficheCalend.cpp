#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/pages/peintre.h"
#include "calendrier/programme.h"
#include "calendrier/regles/regles.h"
#include "plateforme/essais/imprimanteenregistreuse.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/tests/metafichier.h"

#include <QDir>
#include <QImageReader>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTest>

using namespace plateforme;
using calendrier::Sortie;

namespace {

const QString kPremierMois = u"Faite OK Pour Avoir Le 1° MOIS ou  F pour Fin "_qs;
const QString kFinOuAutre = u"O Autre Consultation  ou  F pour Fin "_qs;
const QString kAutre = u"Autre Consultation (O/N)"_qs;
const QRect kCadre(60, 60, 16000, 11500);

// A colour a month's picture is painted in, far from the page's own colours.
QColor teinte(int n) {
    return QColor::fromHsv(n * 27 % 360, 200, 120 + n * 9);
}

// A consultation in a sandbox: the files delivered with the program, today
// pinned to 18 March 2026, an 800 x 600 screen and a recording printer.
class Essai {
public:
    explicit Essai(QSize ecran = {800, 600}) : programme(services()) {
        bac.copierDuProgramme(u"Prenoms"_qs);
        bac.copierDuProgramme(u"Couleur"_qs);
        programme.zoom().setEcran([ecran] { return ecran; });
        reecrire(bac.chemin(u"Sauve"_qs), {u"0"_qs});
        reecrire(bac.chemin(u"LireCalend.ser"_qs), {u"0"_qs});
        QDir(bac.travail()).mkdir(u"SaveCalend"_qs);
    }

    // The consultation the hub hands over for the month and year typed.
    calendrier::Consultation consultation(Sortie sortie) const {
        const bool annuelle = sortie == Sortie::ImprimanteAnnee || sortie == Sortie::EcranAnnee;
        return {.sortie = sortie,
                .mois = annuelle ? 0 : int(regles::nombreEnTete(mois)),
                .annee = int(regles::nombreEnTete(annee)),
                .nomCalendrier = nomCalendrier};
    }

    AficheCalend& page() { return programme.aficheCalend(); }
    Calend& hub() { return programme.calend(); }

    // `n` pictures in Fichier.ser, picture i painted in teinte(i).
    void images(int n) {
        QStringList chemins;
        for (int i = 0; i < n; ++i) {
            QImage image(240, 160, QImage::Format_RGB32);
            image.fill(teinte(i));
            const QString chemin = bac.chemin(u"photo%1.jpg"_qs.arg(i));
            image.save(chemin, "JPG", 95);
            chemins << chemin;
        }
        reecrire(bac.chemin(u"Fichier.ser"_qs), chemins);
    }

    QStringList lignes(const QString& nom) const { return lireLignes(bac.chemin(nom)); }
    QStringList temporairesRestants() const {
        return QDir(bac.chemin(u"SaveCalend"_qs))
            .entryList({u"*.tmp"_qs, u"*.Tmp"_qs}, QDir::Files);
    }

    BacASable bac;
    ServicesEssai essai;
    QList<DocumentImprime>& journal = essai.journal;
    QStringList temporaires;
    Programme programme;
    // What the user typed in the hub.
    QString mois, annee, nomCalendrier;
    // The machine has no printer: documents go to PDF files.
    bool sansImprimante = false;

private:
    calendrier::Services services() {
        calendrier::Services s = essai.services();
        s.imprimante = [this](const QString& pdf) {
            // What the save folder holds when printing starts.
            temporaires = QDir(bac.chemin(u"SaveCalend"_qs)).entryList(QDir::Files, QDir::Name);
            essai.pdfDeSecours << pdf;
            return std::make_unique<ImprimanteEnregistreuse>(&journal, sansImprimante);
        };
        return s;
    }
};

QStringList joursVisibles(AficheCalend& p) {
    QStringList jours;
    for (int n = 0; n < pages::kCases; ++n)
        jours << (p.Label10[n].isVisibleTo(&p) ? p.Label10[n].text() : QString());
    return jours;
}

QStringList lignesVisibles(AficheCalend& p) {
    QStringList lignes;
    for (const Etiquette& l : p.Label11)
        if (l.isVisibleTo(&p))
            lignes << l.text();
    return lignes;
}

double prop(const QWidget& c, Propriete p) {
    return lirePropriete(&c, p).value_or(-1);
}

bool procheDe(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

// A point of the page where only the picture shows (between the title and
// the weekday headings).
QPoint pointLibre(QSize page) {
    return QPoint(page.width() / 4, page.height() / 9);
}

void entree(QLineEdit& boite) {
    QTest::keyClick(&boite, Qt::Key_Return);
}

} // namespace

class TestAficheCalend : public QObject {
    Q_OBJECT

private slots:
    void moisAffiche() {
        Essai e;
        // One colour a cell, so that each day number's resting colour shows.
        QStringList couleurs;
        for (int n = 0; n < pages::kCases; ++n)
            couleurs << QString::number(n * 0x010203 + 0x102030);
        reecrire(e.bac.chemin(u"Couleur"_qs), couleurs);
        reecrire(e.bac.chemin(u"Fete"_qs),
                 {u"07/03"_qs, u"STE FELICITE"_qs, u"18/03"_qs, u"JOUR DE FETE"_qs});
        reecrire(e.bac.chemin(u"Enfant"_qs), {u"21/03/2001"_qs, u"THOMAS"_qs, u"07/03/1998"_qs,
                                              u"LUCIE"_qs, u"25/03/2027"_qs, u"PAS ENCORE"_qs});
        e.images(1);
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailCinq(e.consultation(Sortie::EcranMois));

        // March 2026 starts on a Sunday and fills cells 6 to 36.
        const QStringList jours = joursVisibles(p);
        for (int n = 0; n < 6; ++n)
            QVERIFY2(jours[n].isEmpty(), qPrintable(jours[n]));
        for (int n = 6; n < pages::kCases; ++n)
            QCOMPARE(jours[n], u"%1"_qs.arg(n - 5, 2, 10, QLatin1Char('0')));
        QCOMPARE(p.Label1.text(), u" 2026"_qs);
        QCOMPARE(p.Label2.text(), u" Mars "_qs);
        QVERIFY(p.Label3.isVisibleTo(&p) && p.Image4[1].isVisibleTo(&p));

        // First names in their cells.
        QCOMPARE(p.Label13[6].text(), u"Aubin"_qs);
        QCOMPARE(p.Label13[6 + 17].text(), u"Cyrille"_qs);
        QVERIFY(p.Label13[6].isVisibleTo(&p));
        QVERIFY(!p.Label13[5].isVisibleTo(&p));

        // Colours: the cell's own, green and framed when marked, blue and
        // framed today (the 18th, a fête too).
        const auto cellule = [](int n) {
            const int v = n * 0x010203 + 0x102030;
            return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
        };
        QCOMPARE(p.Label10[6 + 1].couleur(), cellule(7));
        QVERIFY(!p.Label10[6 + 1].bordure());
        for (int jour : {7, 21}) {
            QCOMPARE(p.Label10[5 + jour].couleur(), AficheCalend::kVert);
            QVERIFY(p.Label10[5 + jour].bordure());
        }
        QCOMPARE(p.Label10[5 + 18].couleur(), AficheCalend::kBleu);
        QVERIFY(p.Label10[5 + 18].bordure());
        QCOMPARE(p.Label10[5 + 25].couleur(), cellule(30)); // an anniversary still to come

        QCOMPARE(
            lignesVisibles(p),
            (QStringList{u"Le 7  Fete  STE FELICITE"_qs, u"Le 7  Aniversaire de LUCIE"_qs,
                         u"Le 18  Fete  JOUR DE FETE"_qs, u"Le 21  Aniversaire de THOMAS"_qs}));
        // The even lines on the left, the odd ones on the right.
        QVERIFY(p.Label11[0].x() < p.Label11[1].x());

        // A month shown ends with the question of another consultation.
        QCOMPARE(p.Label12.text(), kAutre);
        QVERIFY(p.Text1.isVisibleTo(&p));
        QCOMPARE(p.Text1.text(), u"O"_qs);
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs),
                 (QStringList{u"1"_qs, u"3"_qs, u"2026"_qs, u"3"_qs}));
        QVERIFY(e.journal.isEmpty());
    }

    // The window draws what the page painter draws from the composition
    // alone, as the PDF export feeds it.
    void commeLePeintre_data() {
        QTest::addColumn<int>("mois"); // 0: the cover
        QTest::addColumn<int>("annee");
        QTest::newRow("couverture") << 0 << 2026;
        QTest::newRow("mars 2026, fetes, anniversaires, aujourd'hui") << 3 << 2026;
        QTest::newRow("avril 2026, Paques") << 4 << 2026;
        QTest::newRow("mai 1788, sans fetes") << 5 << 1788;
    }
    void commeLePeintre() {
        QFETCH(int, mois);
        QFETCH(int, annee);
        Essai e;
        e.images(13);
        reecrire(e.bac.chemin(u"Fete"_qs),
                 {u"07/03"_qs, u"STE FELICITE"_qs, u"01/05"_qs, u"MUGUET"_qs});
        reecrire(e.bac.chemin(u"Enfant"_qs),
                 {u"21/03/2001"_qs, u"THOMAS"_qs, u"05/04/1700"_qs, u"HÉLÈNE"_qs});
        e.mois = QString::number(mois);
        e.annee = QString::number(annee);
        AficheCalend& p = e.page();
        pages::Feuille attendue;
        if (mois == 0) {
            p.TravailSept(e.consultation(Sortie::EcranAnnee));
            attendue = pages::feuilleDeCouverture(e.annee);
        } else {
            p.TravailCinq(e.consultation(Sortie::EcranMois));
            const pages::Donnees d =
                pages::lireDonnees(calendrier::FichiersTravail(),
                                   regles::fetesMobiles(annee).lignesPaque(), QDate(2026, 3, 18));
            attendue = pages::feuilleDuMois(pages::composerMois(annee, mois, d),
                                            pages::lireCouleurs(e.bac.chemin(u"Couleur"_qs)));
        }
        attendue.image = p.Image1.image();
        for (QWidget* reponse : {static_cast<QWidget*>(&p.Label12), static_cast<QWidget*>(&p.Text1),
                                 static_cast<QWidget*>(&p.Text2)})
            reponse->hide();
        QImage peinte(p.size(), QImage::Format_RGB32);
        QPainter peintre(&peinte);
        pages::peindre(peintre, peinte.rect(), attendue,
                       QSizeF(prop(p, Propriete::Width), prop(p, Propriete::Height)));
        peintre.end();
        QCOMPARE(p.capture(), peinte);
    }

    void grillesDuMois_data() {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("jours");
        QTest::newRow("fevrier 2028, bissextile") << u"02"_qs << u"2028"_qs << 1 << 29;
        QTest::newRow("fevrier 2027, un lundi") << u"2 "_qs << u"2027"_qs << 0 << 28;
        QTest::newRow("fevrier 1900, pas bissextile") << u"02"_qs << u"1900"_qs << 3 << 28;
    }
    void grillesDuMois() {
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(int, premiere);
        QFETCH(int, jours);
        Essai e;
        e.images(1);
        e.mois = mois;
        e.annee = annee;
        e.page().TravailCinq(e.consultation(Sortie::EcranMois));
        const QStringList grille = joursVisibles(e.page());
        for (int n = 0; n < pages::kCases; ++n) {
            const int jour = n - premiere + 1;
            QCOMPARE(grille[n], jour >= 1 && jour <= jours
                                    ? u"%1"_qs.arg(jour, 2, 10, QLatin1Char('0'))
                                    : QString());
        }
        QCOMPARE(e.page().Label2.text(), u" Fevrier "_qs);
    }

    void avant1789() {
        // Neither fêtes nor anniversaries before 1789; Easter still shows.
        Essai e;
        e.images(1);
        reecrire(e.bac.chemin(u"Fete"_qs), {u"01/05"_qs, u"MUGUET"_qs});
        reecrire(e.bac.chemin(u"Enfant"_qs), {u"02/05/1700"_qs, u"AIEUL"_qs});
        e.mois = u"05"_qs;
        // Ascension 1 May 1788, 21 May 1789; Pentecost 11 May 1788, 31 May 1789.
        const QList<std::pair<QString, QStringList>> attendus = {
            {u"1788"_qs,
             {u"L'Ascension est le 1"_qs, u"Pentecôte est le 11"_qs,
              u"Lundi de Pentecôte est le 12"_qs}},
            {u"1789"_qs,
             {u"Le 1  Fete  MUGUET"_qs, u"Le 2  Aniversaire de AIEUL"_qs,
              u"L'Ascension est le 21"_qs, u"Pentecôte est le 31"_qs}}};
        for (const auto& [annee, lignes] : attendus) {
            e.annee = annee;
            e.page().TravailCinq(e.consultation(Sortie::EcranMois));
            QCOMPARE(lignesVisibles(e.page()), lignes);
            entree(e.page().Text1);
        }
    }

    void douzeLignesAuPlus() {
        Essai e;
        e.images(1);
        // Forty fêtes in May: twelve lines, and every one of the forty days
        // that exist in May marked, the 31st included.
        QStringList fetes;
        for (int i = 0; i < 40; ++i)
            fetes << u"%1/05"_qs.arg(i % 31 + 1, 2, 10, QLatin1Char('0')) << u"F%1"_qs.arg(i);
        reecrire(e.bac.chemin(u"Fete"_qs), fetes);
        e.mois = u"05"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailCinq(e.consultation(Sortie::EcranMois));
        QCOMPARE(lignesVisibles(p).size(), pages::kLignes);
        const int premiere = 4; // 1 May 2026 is a Friday
        for (int jour = 1; jour <= 31; ++jour)
            QCOMPARE(p.Label10[premiere + jour - 1].couleur(), AficheCalend::kVert);
    }

    void anneeInteractive() {
        Essai e;
        e.images(13);
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailSept(e.consultation(Sortie::EcranAnnee));
        // The cover: the year, " Annee ", the cover photo, no grid.
        QCOMPARE(p.Label1.text(), u"2026"_qs);
        QCOMPARE(p.Label2.text(), u" Annee "_qs);
        QVERIFY(!p.Label3.isVisibleTo(&p));
        QVERIFY(!p.Label10[10].isVisibleTo(&p));
        QCOMPARE(p.Label12.text(), kPremierMois);
        QVERIFY(p.Text2.isVisibleTo(&p) && !p.Text1.isVisibleTo(&p));
        QCOMPARE(p.Text2.text(), u"OK"_qs);
        QVERIFY(procheDe(p.capture().pixelColor(pointLibre(p.size())), teinte(0)));

        const QStringList suivants = {u"Fevrier "_qs,  u"Mars "_qs,      u"Avril "_qs,
                                      u"Mai "_qs,      u"Juin "_qs,      u"Juillet "_qs,
                                      u"Aout "_qs,     u"Septembre "_qs, u"Octobre "_qs,
                                      u"Novembre "_qs, u"Decembre "_qs};
        for (int mois = 1; mois <= 12; ++mois) {
            entree(p.Text2);
            QCOMPARE(p.Label2.text(), u' ' + regles::nomMois(mois) + u' ');
            QVERIFY(procheDe(p.capture().pixelColor(pointLibre(p.size())), teinte(mois)));
            QCOMPARE(e.lignes(u"LireCalend.ser"_qs).value(0), QString::number(mois));
            if (mois < 12) {
                QCOMPARE(p.Label12.text(),
                         u"Faite OK Pour Avoir "_qs + suivants[mois - 1] + u" ou  F pour Fin "_qs);
                QVERIFY(p.Text2.isVisibleTo(&p));
            }
        }
        // December asks for another consultation in Text1.
        QCOMPARE(p.Label12.text(), kFinOuAutre);
        QVERIFY(p.Text1.isVisibleTo(&p) && !p.Text2.isVisibleTo(&p));
        QCOMPARE(p.Text1.text(), u"O"_qs);

        entree(p.Text1);
        QVERIFY(!p.estCharge());
        QVERIFY(!p.isVisible());
        QVERIFY(e.hub().isVisible());
        QVERIFY(!e.programme.termine());
        QCOMPARE(e.lignes(u"Fichier.ser"_qs), QStringList());
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
        QCOMPARE(e.lignes(u"Annee.ser"_qs), QStringList{u"0"_qs});
    }

    void reponses_data() {
        QTest::addColumn<bool>("deuxieme"); // answer in Text2 (else Text1)
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("montre");
        QTest::addColumn<bool>("termine");
        QTest::newRow("f dans Text2: fin du parcours") << true << u"f"_qs << u"F"_qs << false;
        QTest::newRow("n dans Text1: fin du programme") << false << u"n"_qs << u"N"_qs << true;
        QTest::newRow("non dans Text1") << false << u"non"_qs << u"NON"_qs << true;
        QTest::newRow("f dans Text1: retour") << false << u"f"_qs << u"F"_qs << false;
        QTest::newRow("vide dans Text1: retour") << false << QString() << QString() << false;
    }
    void reponses() {
        QFETCH(bool, deuxieme);
        QFETCH(QString, tape);
        QFETCH(QString, montre);
        QFETCH(bool, termine);
        Essai e;
        e.images(13);
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailSept(e.consultation(Sortie::EcranAnnee));
        entree(p.Text2); // January
        QLineEdit& boite = deuxieme ? p.Text2 : p.Text1;
        if (!deuxieme) {
            e.mois = u"03"_qs;
            e.annee = u"2026"_qs;
            p.TravailCinq(e.consultation(Sortie::EcranMois));
        }
        QVERIFY(boite.isVisibleTo(&p));
        boite.selectAll();
        if (tape.isEmpty())
            boite.clear();
        else
            QTest::keyClicks(&boite, tape);
        QCOMPARE(boite.text(), montre);
        entree(boite);
        QCOMPARE(e.programme.termine(), termine);
        QCOMPARE(e.lignes(u"Fichier.ser"_qs), QStringList());
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
        if (!termine) {
            QVERIFY(!p.estCharge());
            QVERIFY(e.hub().isVisible());
            QVERIFY(e.programme.menuUn().isVisible());
        }
    }

    void anneeImprimee() {
        Essai e;
        e.images(13);
        // A capture left behind by an interrupted run is not printed.
        prolonger(e.bac.chemin(u"SaveCalend/Temporaire.tmp"_qs), {u"SaveCalend/Vieux.tmp"_qs});
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        // A month left on screen with its question: none of it is printed.
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        p.TravailCinq(e.consultation(Sortie::EcranMois));
        QVERIFY(p.Label12.isVisible());
        const QPoint question = p.Label12.geometry().center();
        p.TravailSix(e.consultation(Sortie::ImprimanteAnnee));

        // The captures were written, then printed, then removed.
        QStringList attendus = {u"Entete.tmp"_qs, u"Temporaire.tmp"_qs};
        for (int mois = 1; mois <= 12; ++mois)
            attendus << u"Temporaire"_qs + regles::nomMois(mois) + u".tmp"_qs;
        attendus.sort();
        QCOMPARE(e.temporaires, attendus);
        QCOMPARE(e.temporairesRestants(), QStringList());
        QCOMPARE(e.lignes(u"Sauve"_qs), QStringList{u"0"_qs});

        QCOMPARE(e.journal.size(), 1);
        const DocumentImprime& doc = e.journal.first();
        QVERIFY(doc.regle && doc.termine);
        QCOMPARE(doc.reglages, (ReglagesImpression{QPageSize::A4, QPageLayout::Landscape, true}));
        QCOMPARE(doc.feuilles.size(), 13);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(doc.feuilles[i].size(), 1);
            const DessinImprime& d = doc.feuilles[i].first();
            QCOMPARE(d.cadre, kCadre);
            // Captured at twice the window's pixels at least.
            QVERIFY(d.taille.width() >= 2 * p.width());
            QCOMPARE(d.taille, (QSizeF(p.size()) * p.densiteImpression()).toSize());
            // Cover first, then January to December.
            const QPoint point = pointLibre(d.apercu.size());
            QVERIFY2(procheDe(d.apercu.pixelColor(point), teinte(i)),
                     qPrintable(QString::number(i)));
            const QPoint ouEtaitLaQuestion(question.x() * d.apercu.width() / p.width(),
                                           question.y() * d.apercu.height() / p.height());
            QVERIFY2(procheDe(d.apercu.pixelColor(ouEtaitLaQuestion), teinte(i)),
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(p.Label12.text(), kAutre);
        QVERIFY(p.Text1.isVisibleTo(&p));
    }

    // Windows metafiles print as they show: their own pixels on every sheet.
    void metafichiersImprimes_data() {
        QTest::addColumn<bool>("annee");
        QTest::newRow("un mois") << false;
        QTest::newRow("une annee") << true;
    }
    void metafichiersImprimes() {
        QFETCH(bool, annee);
        Essai e;
        const QString wmf = e.bac.chemin(u"dessin.wmf"_qs);
        QVERIFY(ecrire(wmf, Metafichier::exemple().octets()));
        reecrire(e.bac.chemin(u"Fichier.ser"_qs), QStringList(annee ? 13 : 1, wmf));
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        if (annee)
            p.TravailSix(e.consultation(Sortie::ImprimanteAnnee));
        else
            p.TravailQuatre(e.consultation(Sortie::ImprimanteMois));
        QCOMPARE(e.journal.size(), 1);
        QCOMPARE(e.journal.first().feuilles.size(), annee ? 13 : 1);
        for (const auto& feuille : e.journal.first().feuilles) {
            const QImage apercu = feuille.first().apercu;
            // The metafile's red left half and blue right half, where only the picture shows.
            const QPoint gauche = pointLibre(apercu.size());
            const QPoint droite(apercu.width() - gauche.x(), gauche.y());
            QVERIFY2(procheDe(apercu.pixelColor(gauche), QColor(220, 30, 30)),
                     qPrintable(apercu.pixelColor(gauche).name()));
            QVERIFY2(procheDe(apercu.pixelColor(droite), QColor(30, 30, 220)),
                     qPrintable(apercu.pixelColor(droite).name()));
        }
    }

    void pdfSansImprimante() {
        // The page centred on the A4 sheet, which has no unprintable margin,
        // and a second print of the month in a file of its own.
        Essai e;
        e.images(1);
        e.sansImprimante = true;
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        reecrire(e.bac.chemin(u"CalendrierMars2026.pdf"_qs), {u"premier"_qs});
        e.page().TravailQuatre(e.consultation(Sortie::ImprimanteMois));
        QCOMPARE(e.essai.pdfDeSecours, QStringList{e.bac.chemin(u"CalendrierMars2026 (2).pdf"_qs)});
        QCOMPARE(e.journal.first().feuilles.first().first().cadre, QRect(419, 203, 16000, 11500));
    }

    void sauvegardeImpossibleDite() {
        // Where the pages are written first, a file: nothing can be saved.
        Essai e;
        e.images(13);
        const calendrier::FichiersTravail f;
        QCOMPARE(f.nommerCalendrier(u"FAMILLE"_qs, u"2026"_qs, {}), calendrier::Nommage::Fait);
        reecrire(e.bac.chemin(u"SaveCalend/.FAMILLE2026.Ans.en-cours"_qs), {u"x"_qs});
        e.nomCalendrier = u"FAMILLE"_qs;
        e.annee = u"2026"_qs;
        e.page().TravailSept(e.consultation(Sortie::EcranAnnee));
        QCOMPARE(e.essai.questions.size(), 1);
        QVERIFY2(e.essai.questions.first().contains(u"FAMILLE 2026 n'a pas pu être enregistré"_qs),
                 qPrintable(e.essai.questions.first()));
        QVERIFY(!QFile::exists(e.bac.chemin(u"SaveCalend/FAMILLE2026.Ans"_qs)));
        QCOMPARE(e.page().Label12.text(), kAutre);
    }

    void pageManquanteNommee() {
        Essai e;
        e.images(13);
        e.annee = u"2026"_qs;
        // Where March's capture goes, a folder: it cannot be written.
        QVERIFY(QDir(e.bac.chemin(u"SaveCalend"_qs)).mkdir(u"TemporaireMars.tmp"_qs));
        e.page().TravailSix(e.consultation(Sortie::ImprimanteAnnee));
        QCOMPARE(e.journal.first().feuilles.size(), 12);
        QCOMPARE(e.essai.questions.size(), 1);
        QVERIFY2(e.essai.questions.first().endsWith(u": Mars."_qs),
                 qPrintable(e.essai.questions.first()));
    }

    void moisImprime() {
        Essai e;
        e.images(1);
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailQuatre(e.consultation(Sortie::ImprimanteMois));
        QCOMPARE(e.temporaires, QStringList{u"Tempraire.tmp"_qs});
        QCOMPARE(e.journal.size(), 1);
        QCOMPARE(e.journal.first().feuilles.size(), 1);
        QCOMPARE(e.journal.first().feuilles.first().first().cadre, kCadre);
        QCOMPARE(e.temporairesRestants(), QStringList());
        QCOMPARE(e.lignes(u"Sauve"_qs), QStringList{u"0"_qs});
        QCOMPARE(p.Label12.text(), kAutre);
        QCOMPARE(p.Text1.text(), u"O"_qs);
    }

    void calendrierSauve() {
        Essai e;
        e.images(13);
        const calendrier::FichiersTravail f;
        QCOMPARE(f.nommerCalendrier(u"FAMILLE "_qs, u"2026"_qs, {}), calendrier::Nommage::Fait);
        e.nomCalendrier = u"FAMILLE"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailSept(e.consultation(Sortie::EcranAnnee));

        QStringList attendu = {u"SaveCalend/FAMILLEEntete2026.Ima"_qs};
        for (int mois = 1; mois <= 12; ++mois)
            attendu << u"SaveCalend/FAMILLE"_qs + regles::nomMois(mois) + u"2026.Ima"_qs;
        attendu << u"SaveCalend/FAMILLEDecembre2026.Ima"_qs;
        QCOMPARE(e.lignes(u"SaveCalend/FAMILLE2026.Ans"_qs), attendu);
        for (const QString& page : attendu) {
            QImageReader lecteur(e.bac.chemin(page));
            QCOMPARE(lecteur.format(), QByteArray("bmp"));
            QCOMPARE(lecteur.size(), p.size()); // the window's own size
        }
        QCOMPARE(p.Label12.text(), kAutre);
        QVERIFY(p.Text1.isVisibleTo(&p));
        QCOMPARE(e.lignes(u"Sauve"_qs), QStringList{u"0"_qs});
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
        QVERIFY(e.journal.isEmpty());
    }

    void anneesRefusees_data() {
        QTest::addColumn<int>("travail");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<bool>("accepte");
        for (int t = 4; t <= 7; ++t) {
            const QByteArray nom = "Travail" + QByteArray::number(t);
            QTest::newRow(nom + " 0") << t << u"0"_qs << false;
            QTest::newRow(nom + " -12") << t << u"-12"_qs << false;
            QTest::newRow(nom + " 3001") << t << u"3001"_qs << false;
            QTest::newRow(nom + " 3000") << t << u"3000"_qs << true;
        }
        QTest::newRow("Travail5 1") << 5 << u"1"_qs << true;
        QTest::newRow("Travail4 mois 13") << 4 << u"1999"_qs << false;
    }
    void anneesRefusees() {
        QFETCH(int, travail);
        QFETCH(QString, annee);
        QFETCH(bool, accepte);
        Essai e;
        e.images(13);
        e.mois =
            QString::fromLatin1(QTest::currentDataTag()).endsWith(u"13"_qs) ? u"13"_qs : u"12"_qs;
        e.annee = annee;
        e.annee = annee;
        e.hub().hide();
        AficheCalend& p = e.page();
        switch (travail) {
        case 4:
            p.TravailQuatre(e.consultation(Sortie::ImprimanteMois));
            break;
        case 5:
            p.TravailCinq(e.consultation(Sortie::EcranMois));
            break;
        case 6:
            p.TravailSix(e.consultation(Sortie::ImprimanteAnnee));
            break;
        default:
            p.TravailSept(e.consultation(Sortie::EcranAnnee));
            break;
        }
        QCOMPARE(p.isVisible(), accepte);
        QCOMPARE(e.hub().isVisible(), !accepte);
        QVERIFY(e.programme.menuUn().isVisible());
        QCOMPARE(e.journal.size(), accepte && (travail == 4 || travail == 6) ? 1 : 0);
        if (!accepte) {
            QCOMPARE(e.lignes(u"Sauve"_qs), QStringList{u"0"_qs});
            QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
        }
    }

    void fichiersManquants_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("sans Couleur") << u"sans Couleur"_qs;
        QTest::newRow("Couleur courte") << u"Couleur courte"_qs;
        QTest::newRow("Couleur illisible") << u"Couleur illisible"_qs;
        QTest::newRow("sans Prenoms") << u"sans Prenoms"_qs;
        QTest::newRow("image absente") << u"image absente"_qs;
        QTest::newRow("image illisible") << u"image illisible"_qs;
        QTest::newRow("sans Fichier.ser") << u"sans Fichier.ser"_qs;
    }
    void fichiersManquants() {
        QFETCH(QString, cas);
        Essai e;
        e.images(13);
        const QString couleur = e.bac.chemin(u"Couleur"_qs);
        if (cas == u"sans Couleur"_qs)
            QFile::remove(couleur);
        else if (cas == u"Couleur courte"_qs)
            reecrire(couleur, {u"255"_qs, u"65280"_qs});
        else if (cas == u"Couleur illisible"_qs)
            reecrire(couleur, {u"-1"_qs, u"rouge"_qs, u"99999999999"_qs});
        else if (cas == u"sans Prenoms"_qs)
            QFile::remove(e.bac.chemin(u"Prenoms"_qs));
        else if (cas == u"image absente"_qs)
            reecrire(e.bac.chemin(u"Fichier.ser"_qs), {e.bac.chemin(u"nulle-part.jpg"_qs)});
        else if (cas == u"image illisible"_qs) {
            reecrire(e.bac.chemin(u"faux.jpg"_qs), {u"pas une image"_qs});
            reecrire(e.bac.chemin(u"Fichier.ser"_qs), {e.bac.chemin(u"faux.jpg"_qs)});
        } else if (cas == u"sans Fichier.ser"_qs)
            QFile::remove(e.bac.chemin(u"Fichier.ser"_qs));

        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailCinq(e.consultation(Sortie::EcranMois));
        QCOMPARE(joursVisibles(p).count(QString()), 6); // 31 days shown
        if (cas == u"Couleur courte"_qs) {
            // The two colours given, then the plain one for every other cell.
            QCOMPARE(p.Label10[0].couleur(), QColor(255, 0, 0));
            QCOMPARE(p.Label10[1].couleur(), QColor(0, 255, 0));
            QCOMPARE(p.Label10[2].couleur(), p.Label10[36].couleur());
            QVERIFY(p.Label10[36].couleur() != QColor(Qt::black));
        }
        const bool sansImage = cas.startsWith(u"image"_qs) || cas == u"sans Fichier.ser"_qs;
        QCOMPARE(p.Image1.estVide(), sansImage);
        QCOMPARE(p.Label13[6].text().isEmpty(), cas == u"sans Prenoms"_qs);
        QCOMPARE(p.Label13[6].isVisibleTo(&p), cas != u"sans Prenoms"_qs);

        p.TravailQuatre(e.consultation(Sortie::ImprimanteMois));
        QCOMPARE(e.journal.size(), 1);
        QCOMPARE(e.journal.first().feuilles.size(), 1);
        if (sansImage)
            QCOMPARE(e.journal.first().feuilles.first().first().apercu.pixelColor(2, 2),
                     AficheCalend::kFond);
    }

    void dansLeCadre() {
        // Started as the program starts: the hub maximised in the frame. The
        // page stands at its own size, centred in a frame wider than it, and
        // is captured at that size; the hub comes back maximised after it.
        Essai e(QSize(1920, 1080));
        e.images(1);
        MenuUn& cadre = e.programme.menuUn();
        cadre.MDIForm_Load();
        cadre.setWindowState(Qt::WindowNoState);
        cadre.resize(2200, 1300);
        auto* hub = qobject_cast<QMdiSubWindow*>(e.hub().parentWidget());
        QVERIFY(hub && hub->isMaximized());
        AficheCalend& p = e.page();
        QVERIFY(!p.isVisible()); // loaded by the hub, not shown
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        p.TravailCinq(e.consultation(Sortie::EcranMois));
        QVERIFY(p.isVisible());
        auto* sous = qobject_cast<QMdiSubWindow*>(p.parentWidget());
        QVERIFY(sous && !sous->isMaximized());
        QCOMPARE(p.size(), QSize(1400, 1038)); // 21000 x 15570 twips
        QCOMPARE(sous->size(), p.size());
        QVERIFY(sous->x() > 0);
        QCOMPARE(p.Image1.size(), p.size());
        QCOMPARE(p.capture().size(), p.size());
        entree(p.Text1);
        QVERIFY(!p.isVisible());
        QVERIFY(e.hub().isVisible() && hub->isMaximized());
        QCOMPARE(e.programme.menuUn().windowTitle(), u"Menu"_qs);
    }

    void progressionPerdue() {
        // LireCalend.ser cut short under a waiting page: the run ends calmly.
        Essai e;
        e.images(13);
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailSept(e.consultation(Sortie::EcranAnnee));
        reecrire(e.bac.chemin(u"LireCalend.ser"_qs), {u"3"_qs});
        entree(p.Text2);
        QVERIFY(!p.estCharge());
        QVERIFY(e.hub().isVisible());
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
    }

    void captureAnyResolution() {
        // The page paints at any density: a 2x capture is the 1x one, finer.
        Essai e;
        e.images(1);
        e.mois = u"03"_qs;
        e.annee = u"2026"_qs;
        AficheCalend& p = e.page();
        p.TravailCinq(e.consultation(Sortie::EcranMois));
        const QImage simple = p.capture(1);
        const QImage double_ = p.capture(2);
        QCOMPARE(simple.size(), p.size());
        QCOMPARE(double_.size(), p.size() * 2);
        const QImage reduite =
            double_.scaled(simple.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int differents = 0;
        for (int y = 0; y < simple.height(); y += 7)
            for (int x = 0; x < simple.width(); x += 7)
                differents += !procheDe(simple.pixelColor(x, y), reduite.pixelColor(x, y));
        QVERIFY2(differents < simple.width() * simple.height() / 49 / 20,
                 qPrintable(QString::number(differents)));
    }
};

QTEST_MAIN(TestAficheCalend)
#include "tst_aficheCalend.moc"
