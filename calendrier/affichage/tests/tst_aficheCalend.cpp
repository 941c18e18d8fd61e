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
#include <QMdiSubWindow>
#include <QPainter>
#include <QTest>

using namespace plateforme;
using namespace calendrier;

namespace {

// A colour a month's picture is painted in, far from the page's own colours.
QColor teinte(int n) {
    return QColor::fromHsv(n * 27 % 360, 200, 120 + n * 9);
}

bool procheDe(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

// A consultation in a sandbox: the files delivered with the program, today
// pinned to 18 March 2026, an 800 x 600 screen, a recording printer and 13
// pictures in Fichier.ser, picture i painted in teinte(i) but January's, a
// Windows metafile.
class Essai {
public:
    explicit Essai(QSize ecran = {800, 600}) : programme(services()) {
        bac.copierDuProgramme(u"Prenoms"_qs);
        bac.copierDuProgramme(u"Couleur"_qs);
        programme.zoom().setEcran([ecran] { return ecran; });
        reecrire(bac.chemin(u"LireCalend.ser"_qs), {u"0"_qs});
        QDir(bac.travail()).mkdir(u"SaveCalend"_qs);
        QStringList chemins;
        for (int i = 0; i < 13; ++i) {
            QImage image(240, 160, QImage::Format_RGB32);
            image.fill(teinte(i));
            chemins << bac.chemin(u"photo%1.jpg"_qs.arg(i));
            image.save(chemins.last(), "JPG", 95);
        }
        chemins[1] = bac.chemin(u"dessin.wmf"_qs);
        ecrire(chemins[1], Metafichier::exemple().octets());
        reecrire(bac.chemin(u"Fichier.ser"_qs), chemins);
    }

    // Hands the page the consultation the hub makes of the month and year typed.
    void lancer(Sortie sortie) {
        const bool annuelle = sortie == Sortie::ImprimanteAnnee || sortie == Sortie::EcranAnnee;
        programme.aficheCalend().composer({.sortie = sortie,
                                           .mois = annuelle ? 0 : int(regles::nombreEnTete(mois)),
                                           .annee = int(regles::nombreEnTete(annee)),
                                           .nomCalendrier = nomCalendrier});
    }

    BacASable bac;
    ServicesEssai essai;
    Programme programme;
    // What the user typed in the hub.
    QString mois = u"03"_qs, annee = u"2026"_qs, nomCalendrier;
    // The machine has no printer: documents go to PDF files.
    bool sansImprimante = false;

private:
    Services services() {
        Services s = essai.services();
        s.imprimante = [this](const QString& pdf) {
            essai.pdfDeSecours << pdf;
            return std::make_unique<ImprimanteEnregistreuse>(&essai.journal, sansImprimante);
        };
        return s;
    }
};

} // namespace

class TestAficheCalend : public QObject {
    Q_OBJECT

private slots:
    // The window draws what the page painter draws from the composition
    // alone, as the PDF export feeds it: fêtes, anniversaries, today.
    void commeLePeintre() {
        Essai e;
        reecrire(e.bac.chemin(u"Fete"_qs), {u"07/03"_qs, u"STE FELICITE"_qs});
        reecrire(e.bac.chemin(u"Enfant"_qs), {u"21/03/2001"_qs, u"HÉLÈNE"_qs});
        AficheCalend& p = e.programme.aficheCalend();
        e.lancer(Sortie::EcranMois);
        const pages::Donnees d = pages::lireDonnees(
            FichiersTravail(), regles::fetesMobiles(2026).lignesPaque(), QDate(2026, 3, 18));
        pages::Feuille attendue = pages::feuilleDuMois(
            pages::composerMois(2026, 3, d), pages::lireCouleurs(e.bac.chemin(u"Couleur"_qs)));
        attendue.image = p.Image1.image();
        for (QWidget* reponse : std::initializer_list<QWidget*>{&p.Label12, &p.Text1, &p.Text2})
            reponse->hide();
        QImage peinte(p.size(), QImage::Format_RGB32);
        QPainter peintre(&peinte);
        pages::peindre(
            peintre, peinte.rect(), attendue,
            QSizeF(*lirePropriete(&p, Propriete::Width), *lirePropriete(&p, Propriete::Height)));
        peintre.end();
        QCOMPARE(p.capture(), peinte);
    }

    // What the sheets show: the pictures in their order, the metafile with
    // its own pixels, nothing of the question left on screen, not a capture
    // an interrupted run left behind.
    void impression() {
        Essai e;
        QVERIFY(prolonger(e.bac.chemin(u"SaveCalend/Temporaire.tmp"_qs), {u"x"_qs}));
        AficheCalend& p = e.programme.aficheCalend();
        e.lancer(Sortie::EcranMois);
        const QPoint question = p.Label12.geometry().center();
        e.lancer(Sortie::ImprimanteAnnee);
        const DocumentImprime doc = e.essai.journal.value(0);
        QVERIFY(doc.regle && doc.termine);
        QCOMPARE(doc.reglages, (ReglagesImpression{QPageSize::A4, QPageLayout::Landscape, true}));
        QCOMPARE(doc.feuilles.size(), 13);
        for (int i = 0; i < 13; ++i) {
            const DessinImprime d = doc.feuilles[i].value(0);
            // Captured at twice the window's pixels at least.
            QVERIFY(d.taille.width() >= 2 * p.width());
            // Where only the picture shows, between the title and the weekday
            // headings, and where the question was; January's metafile is red
            // on the left, blue on the right.
            const bool wmf = i == 1;
            const QPoint gauche(d.apercu.width() / 4, d.apercu.height() / 9);
            const QPoint second = wmf ? QPoint(d.apercu.width() - gauche.x(), gauche.y())
                                      : QPoint(question.x() * d.apercu.width() / p.width(),
                                               question.y() * d.apercu.height() / p.height());
            for (const auto& [point, couleur] :
                 {std::pair{gauche, wmf ? QColor(220, 30, 30) : teinte(i)},
                  std::pair{second, wmf ? QColor(30, 30, 220) : teinte(i)}})
                QVERIFY2(procheDe(d.apercu.pixelColor(point), couleur),
                         qPrintable(u"%1: %2"_qs.arg(i).arg(d.apercu.pixelColor(point).name())));
        }
    }

    // A page whose capture cannot be written is left out of the print, and named.
    void pageManquanteNommee() {
        Essai e;
        // Where March's capture goes, a folder.
        QVERIFY(QDir(e.bac.chemin(u"SaveCalend"_qs)).mkdir(u"TemporaireMars.tmp"_qs));
        e.lancer(Sortie::ImprimanteAnnee);
        QCOMPARE(e.essai.journal.value(0).feuilles.size(), 12);
        QVERIFY2(e.essai.questions.value(0).endsWith(u"les préparer : Mars."_qs),
                 qPrintable(e.essai.questions.value(0)));
    }

    // Started as the program starts, the hub maximised in a frame wider than
    // the page, several consultations in a row: each refused, failed, cut
    // short or ended brings the hub back as it was.
    void dansLeCadre() {
        Essai e(QSize(1920, 1080));
        MenuUn& cadre = e.programme.menuUn();
        cadre.MDIForm_Load();
        cadre.setWindowState(Qt::WindowNoState);
        cadre.resize(2200, 1300);
        auto* hub = qobject_cast<QMdiSubWindow*>(e.programme.calend().parentWidget());
        AficheCalend& p = e.programme.aficheCalend();
        const auto auMenu = [&](const char* apres) {
            QVERIFY2(!p.isVisible() && hub && hub->isVisible() && hub->isMaximized(), apres);
            QCOMPARE(cadre.windowTitle(), u"Menu"_qs);
            QCOMPARE(lireLignes(e.bac.chemin(u"LireCalend.ser"_qs)), QStringList{u"0"_qs});
        };
        // Out of the calendar: refused before any page, nothing printed.
        e.mois = u"13"_qs;
        e.lancer(Sortie::ImprimanteMois);
        auMenu("mois 13");

        // The page at its own size, centred.
        e.mois = u"12"_qs;
        e.annee = u"3000"_qs;
        e.lancer(Sortie::EcranMois);
        auto* sous = qobject_cast<QMdiSubWindow*>(p.parentWidget());
        QVERIFY(p.isVisible() && sous && !sous->isMaximized() && sous->x() > 0);
        QCOMPARE(p.size(), QSize(1400, 1038)); // 21000 x 15570 twips
        QTest::keyClick(&p.Text1, Qt::Key_Return);
        auMenu("un mois");

        // LireCalend.ser cut short under a waiting page: the run ends calmly.
        e.lancer(Sortie::EcranAnnee);
        QTest::keyClick(&p.Text2, Qt::Key_Return); // January
        QCOMPARE(p.Label12.text(), u"Faite OK Pour Avoir Fevrier  ou  F pour Fin "_qs);
        reecrire(e.bac.chemin(u"LireCalend.ser"_qs), {u"3"_qs});
        QTest::keyClick(&p.Text2, Qt::Key_Return);
        auMenu("progression perdue");

        // Colours cut short, no first names, a picture gone: the month shown and
        // printed all the same, without a printer in a PDF file of its own,
        // centred on the sheet (it has no unprintable margin).
        QVERIFY(ecrire(e.bac.chemin(u"Couleur"_qs), "255\r\n65280\r\n"));
        QVERIFY(QFile::remove(e.bac.chemin(u"Prenoms"_qs)));
        reecrire(e.bac.chemin(u"Fichier.ser"_qs), {e.bac.chemin(u"nulle-part.jpg"_qs)});
        e.lancer(Sortie::EcranMois);
        QCOMPARE(std::count_if(p.Label10.begin(), p.Label10.end(),
                               [&p](const Etiquette& jour) { return jour.isVisibleTo(&p); }),
                 31);
        // The two colours given, then the plain one for every other cell.
        QCOMPARE(p.Label10[0].couleur(), QColor(255, 0, 0));
        QCOMPARE(p.Label10[1].couleur(), QColor(0, 255, 0));
        QCOMPARE(p.Label10[2].couleur(), p.Label10[36].couleur());
        QVERIFY(p.Label10[36].couleur() != QColor(Qt::black));
        QVERIFY(p.Image1.estVide() && !p.Label13[6].isVisibleTo(&p));
        QTest::keyClick(&p.Text1, Qt::Key_Return);
        auMenu("fichiers manquants");
        e.sansImprimante = true;
        reecrire(e.bac.chemin(u"CalendrierDecembre3000.pdf"_qs), {u"premier"_qs});
        e.lancer(Sortie::ImprimanteMois);
        QCOMPARE(e.essai.pdfDeSecours.value(0), e.bac.chemin(u"CalendrierDecembre3000 (2).pdf"_qs));
        const DessinImprime d = e.essai.journal.value(0).feuilles.value(0).value(0);
        QCOMPARE(d.cadre, QRect(419, 203, 16000, 11500));
        QCOMPARE(d.apercu.pixelColor(2, 2), AficheCalend::kFond);

        // Where the pages are written first, a file: nothing can be saved,
        // and the name is said.
        e.nomCalendrier = u"FAMILLE"_qs;
        QCOMPARE(FichiersTravail().nommerCalendrier(e.nomCalendrier, e.annee, {}), Nommage::Fait);
        reecrire(e.bac.chemin(u"SaveCalend/.FAMILLE3000.Ans.en-cours"_qs), {u"x"_qs});
        e.lancer(Sortie::EcranAnnee);
        QVERIFY2(e.essai.questions.value(0).contains(u"FAMILLE 3000 n'a pas pu être enregistré"_qs),
                 qPrintable(e.essai.questions.join(u'\n')));
        QTest::keyClick(&p.Text1, Qt::Key_Return);
        auMenu("sauvegarde impossible");
    }
};

QTEST_MAIN(TestAficheCalend)
#include "tst_aficheCalend.moc"
