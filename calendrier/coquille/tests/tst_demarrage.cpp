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

private slots:
    void init() {
        bac_ = std::make_unique<BacASable>();
        services_.dossierProgramme = bac_->travail();
        programme_ = std::make_unique<Programme>(services_.services());
        programme_->zoom().setEcran([] { return QSize(800, 600); });
    }
    void cleanup() {
        programme_.reset();
        bac_.reset();
    }

    void ordreDuDemarrage() {
        // Started from elsewhere (a shortcut, a terminal), it works in its own folder.
        QTemporaryDir ailleurs;
        QDir::setCurrent(ailleurs.path());
        programme_->demarrer();
        QCOMPARE(QDir::currentPath(), QDir(bac_->travail()).canonicalPath());
        Copyright& splash = programme_->copyright();
        Fond& fond = programme_->fond();
        // The ticks are driven here, one by one.
        QVERIFY(splash.Timer1.isActive());
        splash.Timer1.stop();
        QVERIFY(fond.isVisible() && splash.isVisible());
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(splash.compteur(), 1);
        QCOMPARE(splash.LabelVersion.text(), ligneVersion(QStringLiteral(QUIVEX_VERSION)));
        QVERIFY(!splash.imgLogo.estVide() && !fond.Image1.estVide());
        // The background covers the 800 x 600 screen, its picture all of it.
        QCOMPARE(*lirePropriete(&fond, Propriete::Width), 12000.0);
        QCOMPARE(*lirePropriete(&fond, Propriete::Height), 8640.0);
        QCOMPARE(fond.Image1.size(), fond.size());

        for (int tic = 1; tic < 99; ++tic) {
            splash.Timer1_Timer();
            QCOMPARE(splash.ProgressBar1.value(), tic);
        }
        QVERIFY(splash.isVisible() && !programme_->menuUn().isVisible());
        QVERIFY(!QFileInfo::exists(bac_->chemin(u"SaveCalend"_qs)));

        splash.Timer1_Timer();
        QCOMPARE(splash.ProgressBar1.value(), 99);
        QCOMPARE(splash.compteur(), 100);
        MenuUn& cadre = programme_->menuUn();
        QVERIFY(cadre.isVisible() && cadre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        Calend& hub = programme_->calend();
        QVERIFY(hub.isVisible());
        QCOMPARE(hub.window(), &cadre);
        auto* sous = qobject_cast<QMdiSubWindow*>(hub.parentWidget());
        QVERIFY(sous && sous->isMaximized());
        QVERIFY(QFileInfo(bac_->chemin(u"SaveCalend"_qs)).isDir());
        QVERIFY(!QFileInfo::exists(QDir(ailleurs.path()).filePath(u"SaveCalend"_qs)));
        QVERIFY(!splash.isVisible() && !fond.isVisible());

        // The program owns its windows: closing the sub-window that shows one
        // neither deletes it nor leaves the frame empty.
        QPointer<QWidget> garde(&hub);
        sous->close();
        QCoreApplication::processEvents();
        QVERIFY(garde && hub.isVisible());
        QCOMPARE(cadre.fenetreMontree(), &hub);
        programme_.reset(); // no window is deleted twice
    }

    void ligneDeVersion_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("2.3.0") << u"2.3.0"_qs << u"Version 2.3.0"_qs;
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
