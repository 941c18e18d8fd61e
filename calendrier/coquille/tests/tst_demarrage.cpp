// Start-up as the program runs it: splash over the background, the ticks, then
// the frame with the hub inside, and the splash and background gone.

#include "calendrier/accueil/calend.h"
#include "calendrier/coquille/copyright.h"
#include "calendrier/coquille/fond.h"
#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/programme.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

class TestDemarrage : public QObject {
    Q_OBJECT
private slots:
    void ordreDuDemarrage() {
        BacASable bac;
        ServicesEssai services;
        Programme programme(services.services());
        programme.zoom().setEcran([] { return QSize(800, 600); });
        // Started from elsewhere (a shortcut, a terminal), it works in its own folder.
        QDir::setCurrent(bac.chemin(u"../maison"_qs));
        programme.demarrer();
        QCOMPARE(QDir::currentPath(), QDir(bac.travail()).canonicalPath());
        Copyright& splash = programme.copyright();
        Fond& fond = programme.fond();
        // The ticks are driven here, one by one.
        QVERIFY(splash.Timer1.isActive());
        splash.Timer1.stop();
        QVERIFY(fond.isVisible() && splash.isVisible() && !splash.imgLogo.estVide());
        // The background covers the 800 x 600 screen, its picture all of it.
        QVERIFY(fond.size() == QSize(800, 576) && fond.Image1.size() == fond.size());
        for (int tic = 1; tic < 99; ++tic)
            splash.Timer1_Timer();
        QCOMPARE(splash.ProgressBar1.value(), 98);
        MenuUn& cadre = programme.menuUn();
        QVERIFY(splash.isVisible() && !cadre.isVisible());
        splash.Timer1_Timer();
        Calend& hub = programme.calend();
        auto* sous = qobject_cast<QMdiSubWindow*>(hub.parentWidget());
        QVERIFY(cadre.isVisible() && cadre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(hub.isVisible() && hub.window() == &cadre && sous && sous->isMaximized());
        QVERIFY(!splash.isVisible() && !fond.isVisible());
        QVERIFY(QFileInfo(u"SaveCalend"_qs).isDir());
        // The program owns its windows: closing the sub-window that shows one
        // neither deletes it nor leaves the frame empty.
        QPointer<QWidget> garde(&hub);
        sous->close();
        QCoreApplication::processEvents();
        QVERIFY(garde && hub.isVisible() && cadre.fenetreMontree() == &hub);
        // The version line: leading zeros dropped, a missing third number is 0.
        QCOMPARE(ligneVersion(u"02.03"_qs), u"Version 2.3.0"_qs);
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
