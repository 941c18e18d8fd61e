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
using calendrier::Sortie;

namespace {

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
    void lancer(Sortie sortie) { page().composer(consultation(sortie)); }
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

    BacASable bac;
    ServicesEssai essai;
    QList<DocumentImprime>& journal = essai.journal;
    QStringList temporaires;
    Programme programme;
    // What the user typed in the hub.
    QString mois = u"03"_qs, annee = u"2026"_qs, nomCalendrier;
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

bool procheDe(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

void entree(QLineEdit& boite) {
    QTest::keyClick(&boite, Qt::Key_Return);
}

} // namespace

class TestAficheCalend : public QObject {
    Q_OBJECT

private slots:
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
            e.lancer(Sortie::EcranAnnee);
            attendue = pages::feuilleDeCouverture(e.annee);
        } else {
            e.lancer(Sortie::EcranMois);
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
        pages::peindre(
            peintre, peinte.rect(), attendue,
            QSizeF(*lirePropriete(&p, Propriete::Width), *lirePropriete(&p, Propriete::Height)));
        peintre.end();
        QCOMPARE(p.capture(), peinte);
        if (mois != 0)
            QCOMPARE(e.lignes(u"LireCalend.ser"_qs),
                     (QStringList{u"1"_qs, e.mois, e.annee, u"3"_qs}));
    }

    // What the sheets show: the pictures in their order, Windows metafiles
    // with their own pixels, and nothing of the question left on screen.
    void impression_data() {
        QTest::addColumn<bool>("annee");
        QTest::addColumn<bool>("metafichier");
        QTest::newRow("un mois") << false << false;
        QTest::newRow("une annee") << true << false;
        QTest::newRow("un mois, metafichier") << false << true;
        QTest::newRow("une annee, metafichier") << true << true;
    }
    void impression() {
        QFETCH(bool, annee);
        QFETCH(bool, metafichier);
        Essai e;
        const int pages = annee ? 13 : 1;
        const QString wmf = e.bac.chemin(u"dessin.wmf"_qs);
        QVERIFY(ecrire(wmf, Metafichier::exemple().octets()));
        if (metafichier)
            reecrire(e.bac.chemin(u"Fichier.ser"_qs), QStringList(pages, wmf));
        else
            e.images(pages);
        // A capture left behind by an interrupted run is not printed.
        prolonger(e.bac.chemin(u"SaveCalend/Temporaire.tmp"_qs), {u"SaveCalend/Vieux.tmp"_qs});
        AficheCalend& p = e.page();
        // A month left on screen with its question: none of it is printed.
        e.lancer(Sortie::EcranMois);
        QVERIFY(p.Label12.isVisible());
        const QPoint question = p.Label12.geometry().center();
        e.lancer(annee ? Sortie::ImprimanteAnnee : Sortie::ImprimanteMois);

        // The run's own captures, written before the printing started.
        QStringList attendus = {u"Tempraire.tmp"_qs};
        if (annee) {
            attendus = {u"Entete.tmp"_qs, u"Temporaire.tmp"_qs};
            for (int mois = 1; mois <= 12; ++mois)
                attendus << u"Temporaire"_qs + regles::nomMois(mois) + u".tmp"_qs;
            attendus.sort();
        }
        QCOMPARE(e.temporaires, attendus);

        QCOMPARE(e.journal.size(), 1);
        const DocumentImprime& doc = e.journal.first();
        QVERIFY(doc.regle && doc.termine);
        QCOMPARE(doc.reglages, (ReglagesImpression{QPageSize::A4, QPageLayout::Landscape, true}));
        QCOMPARE(doc.feuilles.size(), pages);
        for (int i = 0; i < pages; ++i) {
            QCOMPARE(doc.feuilles[i].size(), 1);
            const DessinImprime& d = doc.feuilles[i].first();
            QCOMPARE(d.cadre, kCadre);
            // Captured at twice the window's pixels at least.
            QVERIFY(d.taille.width() >= 2 * p.width());
            QCOMPARE(d.taille, (QSizeF(p.size()) * p.densiteImpression()).toSize());
            // Where only the picture shows (between the title and the weekday
            // headings): the cover, then January to December, or the
            // metafile's red left half and blue right half.
            const QPoint gauche(d.apercu.width() / 4, d.apercu.height() / 9);
            const QPoint droite(d.apercu.width() - gauche.x(), gauche.y());
            const QPoint ouEtaitLaQuestion(question.x() * d.apercu.width() / p.width(),
                                           question.y() * d.apercu.height() / p.height());
            const QList<std::pair<QPoint, QColor>> points =
                metafichier ? QList<std::pair<QPoint, QColor>>{{gauche, QColor(220, 30, 30)},
                                                               {droite, QColor(30, 30, 220)}}
                            : QList<std::pair<QPoint, QColor>>{{gauche, teinte(i)},
                                                               {ouEtaitLaQuestion, teinte(i)}};
            for (const auto& [point, couleur] : points)
                QVERIFY2(procheDe(d.apercu.pixelColor(point), couleur),
                         qPrintable(u"%1: %2"_qs.arg(i).arg(d.apercu.pixelColor(point).name())));
        }
    }

    void pdfSansImprimante() {
        // The page centred on the A4 sheet, which has no unprintable margin,
        // and a second print of the month in a file of its own.
        Essai e;
        e.images(1);
        e.sansImprimante = true;
        reecrire(e.bac.chemin(u"CalendrierMars2026.pdf"_qs), {u"premier"_qs});
        e.lancer(Sortie::ImprimanteMois);
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
        e.lancer(Sortie::EcranAnnee);
        QCOMPARE(e.essai.questions.size(), 1);
        QVERIFY2(e.essai.questions.first().contains(u"FAMILLE 2026 n'a pas pu être enregistré"_qs),
                 qPrintable(e.essai.questions.first()));
        QVERIFY(!QFile::exists(e.bac.chemin(u"SaveCalend/FAMILLE2026.Ans"_qs)));
        QCOMPARE(e.page().Label12.text(), u"Autre Consultation (O/N)"_qs);
    }

    void pageManquanteNommee() {
        Essai e;
        e.images(13);
        // Where March's capture goes, a folder: it cannot be written.
        QVERIFY(QDir(e.bac.chemin(u"SaveCalend"_qs)).mkdir(u"TemporaireMars.tmp"_qs));
        e.lancer(Sortie::ImprimanteAnnee);
        QCOMPARE(e.journal.first().feuilles.size(), 12);
        QCOMPARE(e.essai.questions.size(), 1);
        QVERIFY2(e.essai.questions.first().endsWith(u": Mars."_qs),
                 qPrintable(e.essai.questions.first()));
    }

    void anneesRefusees_data() {
        QTest::addColumn<Sortie>("sortie");
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("mois imprime, mois 13")
            << Sortie::ImprimanteMois << u"13"_qs << u"1999"_qs << false;
        QTest::newRow("mois montre, an 0") << Sortie::EcranMois << u"12"_qs << u"0"_qs << false;
        QTest::newRow("annee imprimee, an 3000")
            << Sortie::ImprimanteAnnee << u"12"_qs << u"3000"_qs << true;
        QTest::newRow("annee montree, an -12")
            << Sortie::EcranAnnee << u"12"_qs << u"-12"_qs << false;
    }
    void anneesRefusees() {
        QFETCH(Sortie, sortie);
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(bool, accepte);
        Essai e;
        e.images(13);
        e.mois = mois;
        e.annee = annee;
        e.hub().hide();
        e.lancer(sortie);
        QCOMPARE(e.page().isVisible(), accepte);
        QCOMPARE(e.hub().isVisible(), !accepte);
        QVERIFY(e.programme.menuUn().isVisible());
        const bool imprime = sortie == Sortie::ImprimanteMois || sortie == Sortie::ImprimanteAnnee;
        QCOMPARE(e.journal.size(), accepte && imprime ? 1 : 0);
        if (!accepte) {
            QCOMPARE(e.lignes(u"Sauve"_qs), QStringList{u"0"_qs});
            QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
        }
    }

    void fichiersManquants_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("contenu"); // null: no file; '@': the working folder
        QTest::newRow("sans Couleur") << u"Couleur"_qs << QByteArray();
        QTest::newRow("Couleur courte") << u"Couleur"_qs << QByteArray("255\r\n65280\r\n");
        QTest::newRow("Couleur illisible")
            << u"Couleur"_qs << QByteArray("-1\r\nrouge\r\n99999999999\r\n");
        QTest::newRow("sans Prenoms") << u"Prenoms"_qs << QByteArray();
        QTest::newRow("image absente") << u"Fichier.ser"_qs << QByteArray("@/nulle-part.jpg\r\n");
        QTest::newRow("image illisible") << u"Fichier.ser"_qs << QByteArray("@/Couleur\r\n");
        QTest::newRow("sans Fichier.ser") << u"Fichier.ser"_qs << QByteArray();
    }
    void fichiersManquants() {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        Essai e;
        e.images(13);
        QFile::remove(e.bac.chemin(fichier));
        if (!contenu.isNull())
            QVERIFY(ecrire(e.bac.chemin(fichier),
                           contenu.replace("@", QFile::encodeName(e.bac.travail()))));
        const QString cas = QString::fromLatin1(QTest::currentDataTag());
        AficheCalend& p = e.page();
        e.lancer(Sortie::EcranMois);
        QCOMPARE(std::count_if(p.Label10.begin(), p.Label10.end(),
                               [&p](const Etiquette& jour) { return jour.isVisibleTo(&p); }),
                 31);
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

        e.lancer(Sortie::ImprimanteMois);
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
        e.lancer(Sortie::EcranMois);
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
        AficheCalend& p = e.page();
        e.lancer(Sortie::EcranAnnee);
        entree(p.Text2); // January
        QCOMPARE(p.Label12.text(), u"Faite OK Pour Avoir Fevrier  ou  F pour Fin "_qs);
        reecrire(e.bac.chemin(u"LireCalend.ser"_qs), {u"3"_qs});
        entree(p.Text2);
        QVERIFY(!p.estCharge());
        QVERIFY(e.hub().isVisible());
        QCOMPARE(e.lignes(u"LireCalend.ser"_qs), QStringList{u"0"_qs});
    }
};

QTEST_MAIN(TestAficheCalend)
#include "tst_aficheCalend.moc"
