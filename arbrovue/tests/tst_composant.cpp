// The folder tree as a host sees it: created by its identity through the
// loader, driven by properties and events, never linked.

#include "hermetique.h"
#include "plateforme/fenetres/composant.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

namespace {
// Where the build lays the program and its component, as the test environment says.
QString programme() {
    return qEnvironmentVariable("QUIVEX_PROGRAMME_DIR");
}
} // namespace

class TestComposant : public QObject {
    Q_OBJECT

private:
    QTemporaryDir maison_;
    QTemporaryDir base_;

private slots:
    void initTestCase() {
        isolerDansMaison(maison_);
        QVERIFY(QDir(base_.path()).mkpath(u"Images/2005"_qs));
    }

    void rienHorsDuDossierDonne() {
        // The component lies in the program folder, not beside this test.
        QString erreur;
        QCOMPARE(plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs,
                                            QCoreApplication::applicationDirPath(), nullptr,
                                            &erreur),
                 nullptr);
        QVERIFY2(erreur.contains(QCoreApplication::applicationDirPath()), qPrintable(erreur));
    }

    void identiteInconnue() {
        QString erreur;
        QCOMPARE(plateforme::creerComposant(u"Vesk.Inconnu"_qs, programme(), nullptr, &erreur),
                 nullptr);
        QVERIFY2(erreur.contains(u"Vesk.Inconnu"), qPrintable(erreur));
    }

    // What the picture windows do: Root 17, Chemin, Click, Chemin read back.
    void commeLesFenetresDImages() {
        QWidget fenetre;
        QString erreur;
        QWidget* arbre =
            plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs, programme(), &fenetre, &erreur);
        QVERIFY2(arbre, qPrintable(erreur));
        QCOMPARE(arbre->parent(), &fenetre);
        QVERIFY(arbre->setProperty("Root", 17));
        QCOMPARE(arbre->property("Root").toInt(), 17);

        int changements = 0;
        QVERIFY(plateforme::surEvenement(arbre, "Change", &fenetre, [&] { ++changements; }));
        const QString images = base_.filePath(u"Images"_qs);
        QVERIFY(arbre->setProperty("Chemin", images + u"/2005/Absent"_qs));
        QCOMPARE(arbre->property("Chemin").toString(), images + u"/2005"_qs);
        QCOMPARE(changements, 1);

        QStringList cliques;
        QVERIFY(plateforme::surEvenement(arbre, "Click", &fenetre,
                                         [&] { cliques << arbre->property("Chemin").toString(); }));
        QVERIFY(!plateforme::surEvenement(arbre, "Absent", &fenetre, [] {}));
        fenetre.resize(400, 600);
        arbre->resize(400, 600);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        auto* vue = arbre->findChild<QTreeWidget*>();
        QVERIFY(vue);
        const QList<QTreeWidgetItem*> trouves =
            vue->findItems(u"Images"_qs, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(trouves.size(), 1);
        QTreeWidgetItem* parent = trouves.first();
        vue->scrollToItem(parent);
        const QRect rect = vue->visualItemRect(parent);
        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 30, rect.center().y()));
        QCOMPARE(cliques, QStringList{images});

        QVERIFY(
            QMetaObject::invokeMethod(arbre, "ExpandNode", Q_ARG(QString, images + u"/2005"_qs)));
        QCOMPARE(vue->currentItem()->text(0), u"2005"_qs);
    }

    void proprietesDeLHote() {
        QWidget fenetre;
        QWidget* arbre =
            plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs, programme(), &fenetre);
        QVERIFY(arbre);
        auto* sac = qobject_cast<ProprietesPersistantes*>(arbre);
        QVERIFY(sac);
        QVariantMap proprietes;
        sac->ecrireProprietes(proprietes);
        QCOMPARE(proprietes, QVariantMap{});
        QSignalSpy modifiees(arbre, SIGNAL(ProprieteModifiee(QString)));
        arbre->setProperty("Root", 17);
        QCOMPARE(modifiees.count(), 1);
        sac->ecrireProprietes(proprietes);
        QCOMPARE(proprietes, (QVariantMap{{u"Root"_qs, 17}}));

        QWidget autre;
        QWidget* relu =
            plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs, programme(), &autre);
        qobject_cast<ProprietesPersistantes*>(relu)->lireProprietes(proprietes);
        QCOMPARE(relu->property("Root").toInt(), 17);
        QCOMPARE(relu->findChild<QTreeWidget*>()->topLevelItem(0)->text(0), u"Poste de travail"_qs);
    }
};

QTEST_MAIN(TestComposant)
#include "tst_composant.moc"
