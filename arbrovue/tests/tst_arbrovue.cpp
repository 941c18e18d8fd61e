#include "arbrovue/arbrovue.h"
#include "arbrovue/espace.h"
#include "arbrovue/tview.h"
#include "hermetique.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace arbrovue;

namespace {

QStringList textesEnfants(const QTreeWidgetItem* noeud) {
    QStringList textes;
    for (int i = 0; i < noeud->childCount(); ++i)
        textes << noeud->child(i)->text(0);
    return textes;
}

} // namespace

class TestArbrovue : public QObject {
    Q_OBJECT

    QTemporaryDir maison_;
    QTemporaryDir base_;

    // Below the test folder, unless absolute or meant relative.
    QString chemin(const QString& c) const {
        return c.startsWith(u'/') || c.startsWith(u"relatif") ? c : base_.filePath(c);
    }
    static Noeud* noeudDe(Arbrovue& a, const QString& chemin) {
        for (cTVItem& record : a.tview()->colTVItems())
            if (record.Path == chemin)
                return record.hNode;
        return nullptr;
    }

private slots:
    void initTestCase() {
        isolerDansMaison(maison_);
        QVERIFY(QDir(maison_.path()).mkpath(u"Documents/Lettres"_qs));
        QDir::setCurrent(maison_.path());
        for (const char* d :
             {"Images/2005", "Images/2010", "images", ".cache", "Cachés/.a", "vide",
              "Dossier 9/sous", "Dossier 10", "Dossier 100", "été", "Zèbre", "Bureau/Fond"})
            QVERIFY(QDir(base_.path()).mkpath(QString::fromUtf8(d)));
        QVERIFY(QFile(chemin(u"images/pas un dossier.jpg"_qs)).open(QIODevice::WriteOnly));
    }

    // Subfolders in the order a file manager shows them: any case, numbers by
    // value, French collation, hidden ones too. The button promises
    // subfolders, read at the expansion; found empty, a folder loses it.
    void arbreDUnDossier() {
        Arbrovue a;
        a.setRoot(Arbrovue::PosteDeTravail);
        a.ExpandNode(base_.path());
        QCOMPARE(textesEnfants(noeudDe(a, base_.path())),
                 (QStringList{u".cache"_qs, u"Bureau"_qs, u"Cachés"_qs, u"Dossier 9"_qs,
                              u"Dossier 10"_qs, u"Dossier 100"_qs, u"été"_qs, u"Images"_qs,
                              u"images"_qs, u"vide"_qs, u"Zèbre"_qs}));
        QVERIFY(QDir(chemin(u"Dossier 9"_qs)).rmdir(u"sous"_qs)); // emptied since listed
        for (const auto& [dossier, enfants] :
             {std::pair{u"Images"_qs, QStringList{u"2005"_qs, u"2010"_qs}},
              {u"images"_qs, QStringList{}},
              {u"Cachés"_qs, QStringList{u".a"_qs}},
              {u"Dossier 9"_qs, QStringList{}}}) {
            Noeud* noeud = noeudDe(a, chemin(dossier));
            QCOMPARE(noeud->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator,
                     dossier != u"images");
            QCOMPARE(noeud->childCount(), 0);
            noeud->setExpanded(true);
            QCOMPARE(textesEnfants(noeud), enfants);
            QCOMPARE(noeud->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator,
                     enfants.isEmpty());
        }
        // The nodes of the tree and its records stay one for one.
        int noeuds = 0;
        for (QTreeWidgetItemIterator it(a.tview()); *it; ++it)
            ++noeuds;
        QCOMPARE(a.tview()->colTVItems().Count(), noeuds);
    }

    // A drive's parent is the computer; the computer's, the desktop.
    void parents() {
        const Pidl poste = GetSpecialFolderPidl(CSIDL_DRIVES);
        const auto volumes = BindToFolder(GetDesktopFolder(), poste.get()).EnumObjects();
        const Pidl systeme = ConcatPidl(poste.get(), (*volumes)[1].get());
        QCOMPARE(GetParentFolder(systeme.get())->genre(), Dossier::Genre::Poste);
        QCOMPARE(GetParentFolder(poste.get())->genre(), Dossier::Genre::Bureau);
    }

    // Chemin opens every existing folder on the way and selects the last one
    // when it exists; Change once, Click never.
    void ouvertureLeLongDUnChemin_data() {
        QTest::addColumn<QString>("demande");
        QTest::addColumn<QString>("chemin"); // Chemin afterwards
        QTest::addColumn<bool>("choisi");    // its node selected
        QTest::newRow("absent au milieu") << u"Images/Manque/2005"_qs << u"Images"_qs << false;
        QTest::newRow("casse différente") << u"ZÈBRE"_qs << u"Zèbre"_qs << true;
        // The French desktop folder is a folder like any other, whatever its name.
        QTest::newRow("dossier nommé Bureau") << u"Bureau/Fond"_qs << u"Bureau/Fond"_qs << true;
        QTest::newRow("racine du disque") << u"/"_qs << u"/"_qs << true;
        QTest::newRow("sans disque") << u"relatif/Images"_qs << u"relatif/Images"_qs << false;
    }
    void ouvertureLeLongDUnChemin() {
        QFETCH(QString, demande);
        QFETCH(QString, chemin);
        QFETCH(bool, choisi);
        Arbrovue a;
        a.setRoot(Arbrovue::PosteDeTravail);
        QTreeWidgetItem* avant = a.tview()->currentItem();
        QSignalSpy changements(&a, &Arbrovue::Change);
        QSignalSpy clics(&a, &Arbrovue::Click);
        a.setChemin(this->chemin(demande));
        QCOMPARE(a.Chemin(), this->chemin(chemin));
        QCOMPARE(a.tview()->currentItem(), choisi ? noeudDe(a, this->chemin(chemin)) : avant);
        QCOMPARE(changements.count(), 1);
        QCOMPARE(clics.count(), 0);
        if (Noeud* noeud = noeudDe(a, this->chemin(chemin)))
            for (QTreeWidgetItem* n = noeud->parent(); n; n = n->parent())
                QVERIFY2(n->isExpanded(), qPrintable(n->text(0)));
    }

    // An empty path folds the tree back to its top node; Chemin stays.
    void cheminVideReplieLArbre() {
        Arbrovue a;
        a.setRoot(Arbrovue::PosteDeTravail);
        a.setChemin(chemin(u"Images/2005"_qs));
        a.ExpandNode(u"   "_qs);
        QCOMPARE(a.Chemin(), chemin(u"Images/2005"_qs));
        QTreeWidgetItem* haut = a.tview()->topLevelItem(0);
        QCOMPARE(a.tview()->currentItem(), haut);
        for (QTreeWidgetItemIterator it(a.tview()); *it; ++it)
            QCOMPARE((*it)->isExpanded(), *it == haut);
    }

    // The next folder chosen by the keys gives its path and Click; a virtual
    // folder, no path and no Click.
    void clavier() {
        Arbrovue a;
        a.setChemin(chemin(u"Images/2010"_qs));
        QSignalSpy clics(&a, &Arbrovue::Click);
        QTest::keyClick(a.tview(), Qt::Key_Down);
        QCOMPARE(a.Chemin(), chemin(u"images"_qs));
        QCOMPARE(clics.count(), 1);
        QTest::keyClick(a.tview(), Qt::Key_Home);
        QCOMPARE(a.Chemin(), QString());
        QCOMPARE(clics.count(), 1);
    }

    // Root rebuilds the tree under its folder and reopens Chemin, without Change.
    void racineReconstruitSansChange_data() {
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("haut");
        QTest::addColumn<QStringList>("enfants"); // the first ones of the top node
        QTest::newRow("bureau") << int(Arbrovue::Bureau) << u"Bureau"_qs
                                << u"Mes documents|Poste de travail|Reseau"_qs.split(u'|');
        QTest::newRow("mes documents")
            << int(Arbrovue::MesDocuments) << u"Mes documents"_qs << QStringList{u"Lettres"_qs};
    }
    void racineReconstruitSansChange() {
        QFETCH(int, root);
        QFETCH(QString, haut);
        QFETCH(QStringList, enfants);
        Arbrovue a;
        a.setChemin(chemin(u"Images/2005"_qs));
        QSignalSpy changements(&a, &Arbrovue::Change);
        a.setRoot(static_cast<Arbrovue::TypeRoot>(root));
        QCOMPARE(a.tview()->topLevelItemCount(), 1);
        QTreeWidgetItem* top = a.tview()->topLevelItem(0);
        QCOMPARE(top->text(0), haut);
        QCOMPARE(textesEnfants(top).mid(0, enfants.size()), enfants);
        // Outside the documents, the folder asked for is found again.
        QCOMPARE(a.tview()->currentItem(),
                 root == Arbrovue::MesDocuments ? top : noeudDe(a, chemin(u"Images/2005"_qs)));
        QCOMPARE(changements.count(), 0);
    }

    // Read as the host keeps them, written back over the old values beside
    // the host's own; a default value is not written.
    void proprietesPersistees() {
        const QString images = chemin(u"Images"_qs);
        for (const auto& [lu, ecrit] :
             {std::pair{QVariantMap{{u"Root"_qs, u"abc"_qs}}, QVariantMap{{u"Autre"_qs, 1}}},
              {QVariantMap{{u"Root"_qs, u"17"_qs}, {u"Chemin"_qs, images}},
               QVariantMap{{u"Root"_qs, 17}, {u"Chemin"_qs, images}, {u"Autre"_qs, 1}}}}) {
            Arbrovue a;
            a.lireProprietes(lu);
            QCOMPARE(a.tview()->currentItem() == noeudDe(a, images), ecrit.contains(u"Chemin"_qs));
            QVariantMap sac{{u"Chemin"_qs, u"ancien"_qs}, {u"Root"_qs, 5}, {u"Autre"_qs, 1}};
            a.ecrireProprietes(sac);
            QCOMPARE(sac, ecrit);
        }
    }
};

QTEST_MAIN(TestArbrovue)
#include "tst_arbrovue.moc"
