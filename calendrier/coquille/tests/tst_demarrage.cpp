// Start-up as the program runs it: splash over the background, the ticks,
// then the frame with the hub inside, and the splash and background gone.

#include "calendrier/accueil/calend.h"
#include "calendrier/coquille/copyright.h"
#include "calendrier/coquille/fond.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/programme.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using plateforme::lirePropriete;
using plateforme::Propriete;

class TestDemarrage : public QObject {
    Q_OBJECT

    std::unique_ptr<BacASable> bac_;
    ServicesEssai services_;
    std::unique_ptr<Programme> programme_;

    void demarrerAvec(calendrier::Services services) {
        programme_ = std::make_unique<Programme>(std::move(services));
        programme_->zoom().setEcran([] { return QSize(800, 600); });
    }

private slots:
    void init() {
        bac_ = std::make_unique<BacASable>();
        services_.dossierProgramme = bac_->travail();
        demarrerAvec(services_.services());
    }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    void ordreDuDemarrage() {
        programme_->demarrer();
        Copyright& splash = programme_->copyright();
        Fond& fond = programme_->fond();
        // The ticks are driven here, one by one.
        splash.Timer1.stop();
        QVERIFY(fond.isVisible());
        QVERIFY(splash.isVisible());
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(splash.compteur(), 1);
        QCOMPARE(splash.LabelNom.text(), u"CALENDRIER"_qs);
        QCOMPARE(splash.LabelVersion.text(), ligneVersion(QStringLiteral(QUIVEX_VERSION)));
        QVERIFY(splash.LabelCopyright.text().endsWith(u"  "_qs));
        QVERIFY(splash.LabelCopyright1[0].text().startsWith(u"Copyright "_qs));
        QCOMPARE(splash.LabelContinu[0].text(), u"Chargement Des paramètres, Patientez"_qs);
        QVERIFY(!splash.imgLogo.estVide());
        QVERIFY(!fond.Image1.estVide());
        QCOMPARE(fond.windowTitle(), u"Fond"_qs);
        // The picture fills the background window.
        QCOMPARE(fond.Image1.size(), fond.size());

        for (int tic = 1; tic < 99; ++tic) {
            splash.Timer1_Timer();
            QCOMPARE(splash.ProgressBar1.value(), tic);
        }
        QVERIFY(splash.isVisible());
        QVERIFY(!programme_->menuUn().isVisible());
        QVERIFY(!QFileInfo::exists(bac_->chemin(u"SaveCalend"_qs)));

        splash.Timer1_Timer();
        QCOMPARE(splash.ProgressBar1.value(), 99);
        QCOMPARE(splash.compteur(), 100);
        MenuUn& cadre = programme_->menuUn();
        QVERIFY(cadre.isVisible());
        QVERIFY(cadre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(cadre.windowTitle(), u"Menu"_qs);
        Calend& hub = programme_->calend();
        QVERIFY(hub.isVisible());
        QCOMPARE(hub.window(), &cadre);
        QVERIFY(qobject_cast<QMdiSubWindow*>(hub.parentWidget())->isMaximized());
        QVERIFY(QFileInfo(bac_->chemin(u"SaveCalend"_qs)).isDir());
        QCOMPARE(plateforme::lireLignes(bac_->chemin(u"Sauve"_qs)), QStringList{u"0"_qs});
        QVERIFY(!splash.isVisible());
        QVERIFY(!fond.isVisible());
    }

    void leDossierDuProgrammeDevientLeDossierDeTravail() {
        // Started from elsewhere (a shortcut, a terminal), it works in its own folder.
        QTemporaryDir ailleurs;
        QDir::setCurrent(ailleurs.path());
        programme_->demarrer();
        QCOMPARE(QDir::currentPath(), QDir(bac_->travail()).canonicalPath());
        programme_->copyright().Timer1.stop();
        while (!programme_->menuUn().isVisible())
            programme_->copyright().Timer1_Timer();
        QVERIFY(QFileInfo(bac_->chemin(u"SaveCalend"_qs)).isDir());
        QVERIFY(!QFileInfo::exists(QDir(ailleurs.path()).filePath(u"SaveCalend"_qs)));
    }

    void avecLeMinuteur() {
        calendrier::Services rapides = services_.services();
        rapides.intervalleSplash = 1;
        demarrerAvec(rapides);
        programme_->demarrer();
        QTRY_VERIFY_WITH_TIMEOUT(programme_->menuUn().isVisible(), 10000);
        QCOMPARE(programme_->copyright().ProgressBar1.value(), 99);
        QVERIFY(!programme_->copyright().isVisible());
        QVERIFY(!programme_->fond().isVisible());
        QVERIFY(!programme_->copyright().Timer1.isActive());
    }

    void dimensionsPourUnEcranDe800Sur600() {
        programme_->fond().Form_Load();
        QCOMPARE(*lirePropriete(&programme_->fond(), Propriete::Height), 8640.0);
        QCOMPARE(*lirePropriete(&programme_->fond(), Propriete::Width), 12000.0);
        QCOMPARE(programme_->zoom().rapportHauteur(), 96);
    }

    void uneSousFenetreFermeeResteALaFenetre() {
        // The program owns its windows: closing the sub-window that shows one
        // neither deletes it nor leaves the frame empty.
        programme_->menuUn().MDIForm_Load();
        Calend& hub = programme_->calend();
        auto* sous = qobject_cast<QMdiSubWindow*>(hub.parentWidget());
        QVERIFY(sous);
        QPointer<QWidget> garde(&hub);
        sous->close();
        QCoreApplication::processEvents();
        QVERIFY(garde);
        QVERIFY(hub.isVisible());
        QCOMPARE(programme_->menuUn().fenetreMontree(), &hub);
        programme_.reset(); // no window is deleted twice
    }

    void fermerLeCadreTermine() {
        programme_->menuUn().MDIForm_Load();
        QVERIFY(!programme_->termine());
        programme_->menuUn().close();
        QVERIFY(programme_->termine());
    }

    void ligneDeVersion_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("2.3.0") << u"2.3.0"_qs << u"Version 2.3.0"_qs;
        QTest::newRow("1.0.12") << u"1.0.12"_qs << u"Version 1.0.12"_qs;
        QTest::newRow("zeros en tete") << u"02.03.007"_qs << u"Version 2.3.7"_qs;
        QTest::newRow("deux nombres") << u"4.1"_qs << u"Version 4.1.0"_qs;
    }
    void ligneDeVersion() {
        QFETCH(QString, version);
        QFETCH(QString, ligne);
        QCOMPARE(ligneVersion(version), ligne);
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
