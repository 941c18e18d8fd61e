// The folder tree as a host sees it: created by its identity through the
// loader, driven by properties and events, never linked.

#include "hermetique.h"
#include "plateforme/fenetres/composant.h"

#include <QDir>
#include <QTest>
#include <QTreeWidget>

class TestComposant : public QObject {
    Q_OBJECT

    QTemporaryDir maison_;
    // Where the build lays the program and its component.
    const QString programme_ = qEnvironmentVariable("QUIVEX_PROGRAMME_DIR");
    const QString identite_ = u"VeskArbrovue.Arbrovue"_qs;

private slots:
    // The component lies in the program folder, not beside this test.
    void ailleursIntrouvable() {
        QString erreur;
        const QString ici = QCoreApplication::applicationDirPath();
        QCOMPARE(plateforme::creerComposant(identite_, ici, nullptr, &erreur), nullptr);
        QVERIFY2(erreur.contains(ici), qPrintable(erreur));
    }

    // What the picture windows do: Root 17, Chemin, a click, Chemin read back.
    void commeLesFenetresDImages() {
        isolerDansMaison(maison_);
        const QString images = maison_.filePath(u"Images"_qs);
        QVERIFY(QDir().mkpath(images + u"/2005"_qs));
        QWidget fenetre;
        QWidget* arbre = plateforme::creerComposant(identite_, programme_, &fenetre);
        QVERIFY(arbre && arbre->setProperty("Root", 17));
        QVERIFY(arbre->setProperty("Chemin", images + u"/2005/Absent"_qs));
        QCOMPARE(arbre->property("Chemin").toString(), images + u"/2005"_qs);
        QStringList cliques;
        QVERIFY(plateforme::surEvenement(arbre, "Click", &fenetre,
                                         [&] { cliques << arbre->property("Chemin").toString(); }));
        arbre->resize(400, 600);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        auto* vue = arbre->findChild<QTreeWidget*>();
        QTreeWidgetItem* item = vue->findItems(u"Images"_qs, Qt::MatchRecursive).value(0);
        vue->scrollToItem(item);
        const QRect rect = vue->visualItemRect(item);
        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 30, rect.center().y()));
        QCOMPARE(cliques, QStringList{images});
    }
};

QTEST_MAIN(TestComposant)
#include "tst_composant.moc"
