// The folder tree as a host sees it: created by its identity through the
// loader, driven by properties and events, never linked.

#include "hermetique.h"
#include "plateforme/fenetres/composant.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

namespace {
// Where the build lays the program and its component, as the test environment says.
QString programme() {
    return qEnvironmentVariable("QUIVEX_PROGRAMME_DIR");
}
QWidget* creer(QWidget* hote) {
    return plateforme::creerComposant(u"VeskArbrovue.Arbrovue"_qs, programme(), hote);
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

    // The component lies in the program folder, not beside this test; the
    // message names what was not found.
    void refus_data() {
        QTest::addColumn<QString>("identite");
        QTest::addColumn<QString>("dossier");
        QTest::newRow("hors du dossier donne")
            << u"VeskArbrovue.Arbrovue"_qs << QCoreApplication::applicationDirPath();
        QTest::newRow("identite inconnue") << u"Vesk.Inconnu"_qs << programme();
    }
    void refus() {
        QFETCH(QString, identite);
        QFETCH(QString, dossier);
        QString erreur;
        QCOMPARE(plateforme::creerComposant(identite, dossier, nullptr, &erreur), nullptr);
        QVERIFY2(erreur.contains(dossier == programme() ? identite : dossier), qPrintable(erreur));
    }

    // What the picture windows do: Root 17, Chemin, Click, Chemin read back;
    // then the properties the host keeps, given to another copy.
    void commeLesFenetresDImages() {
        QWidget fenetre;
        QWidget* arbre = creer(&fenetre);
        QVERIFY(arbre);
        QVERIFY(arbre->setProperty("Root", 17));
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
        const auto trouves = vue->findItems(u"Images"_qs, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(trouves.size(), 1);
        vue->scrollToItem(trouves.first());
        const QRect rect = vue->visualItemRect(trouves.first());
        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 30, rect.center().y()));
        QCOMPARE(cliques, QStringList{images});

        QVariantMap proprietes;
        qobject_cast<ProprietesPersistantes*>(arbre)->ecrireProprietes(proprietes);
        QCOMPARE(proprietes.value(u"Root"_qs), QVariant(17));
        QWidget autre;
        QWidget* relu = creer(&autre);
        qobject_cast<ProprietesPersistantes*>(relu)->lireProprietes(proprietes);
        QCOMPARE(relu->property("Root").toInt(), 17);
        QCOMPARE(relu->findChild<QTreeWidget*>()->topLevelItem(0)->text(0), u"Poste de travail"_qs);
    }
};

QTEST_MAIN(TestComposant)
#include "tst_composant.moc"
