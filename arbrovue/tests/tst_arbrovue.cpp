#include "arbrovue/arbrovue.h"
#include "arbrovue/espace.h"
#include "arbrovue/tview.h"
#include "hermetique.h"

#include <QDir>
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

int tailleSousArbre(const QTreeWidgetItem* noeud) {
    int n = 1;
    for (int i = 0; i < noeud->childCount(); ++i)
        n += tailleSousArbre(noeud->child(i));
    return n;
}

int nombreDeNoeuds(QTreeWidget* arbre) {
    int n = 0;
    for (QTreeWidgetItemIterator it(arbre); *it; ++it)
        ++n;
    return n;
}

const QStringList kBureau{u"Mes documents"_qs, u"Poste de travail"_qs, u"Reseau"_qs};

} // namespace

class TestArbrovue : public QObject {
    Q_OBJECT

private:
    QTemporaryDir maison_;
    QTemporaryDir base_;

    QString chemin(const QString& relatif) const {
        return relatif.isEmpty() ? base_.path() : base_.filePath(relatif);
    }
    static Noeud* noeudDe(Arbrovue& a, const QString& chemin) {
        for (cTVItem& record : a.tview()->colTVItems())
            if (record.Path == chemin)
                return record.hNode;
        return nullptr;
    }
    // A control as the picture windows hold it: rooted at the computer, the
    // test folder open.
    void ouvrirBase(Arbrovue& a) const {
        a.setRoot(Arbrovue::PosteDeTravail);
        a.ExpandNode(chemin({}));
    }

private slots:
    void initTestCase() {
        isolerDansMaison(maison_);
        QVERIFY(QDir(maison_.path()).mkpath(u"Documents/Lettres"_qs));
        QDir::setCurrent(maison_.path());
        const QStringList dossiers{
            u"Images/2005"_qs, u"Images/2010"_qs, u"images"_qs, u".cache/x"_qs,
            u"Cachés/.a"_qs,   u"Cachés/.b"_qs,   u"vide"_qs,   u"Dossier 9/sous"_qs,
            u"Dossier 10"_qs,  u"Dossier 100"_qs, u"été"_qs,    u"Zèbre"_qs,
            u"Bureau/Fond"_qs};
        for (const QString& d : dossiers)
            QVERIFY(QDir(base_.path()).mkpath(d));
        QFile fichier(chemin(u"Images/pas un dossier.jpg"_qs));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
    }

    void espaceDeNoms() {
        const Dossier& bureau = GetDesktopFolder();
        const auto items = bureau.EnumObjects();
        QVERIFY(items && items->size() == 3);
        QCOMPARE(PathFromPidl((*items)[0].get()), maison_.filePath(u"Documents"_qs));

        const Pidl poste = GetSpecialFolderPidl(CSIDL_DRIVES);
        const Dossier dossierPoste = BindToFolder(bureau, poste.get());
        QCOMPARE(dossierPoste.genre(), Dossier::Genre::Poste);
        // The user's own folder is the computer's first drive, then the root.
        const auto volumes = dossierPoste.EnumObjects();
        QVERIFY(volumes && volumes->size() >= 2);
        const Pidl personnel = ConcatPidl(poste.get(), (*volumes)[0].get());
        QCOMPARE(PathFromPidl(personnel.get()), QDir::homePath());
        const Pidl systeme = ConcatPidl(poste.get(), (*volumes)[1].get());
        QCOMPARE(PathFromPidl(systeme.get()), u"/"_qs);
        QCOMPARE(GetParentFolder(systeme.get())->genre(), Dossier::Genre::Poste);
        QCOMPARE(GetParentFolder(poste.get())->genre(), Dossier::Genre::Bureau);

        // Binding to the empty list, or to what names no folder, gives the desktop.
        const Pidl vide = AllocZeroed(2);
        QCOMPARE(BindToFolder(dossierPoste, vide.get()).genre(), Dossier::Genre::Bureau);
        QCOMPARE(PathFromPidl(PidlFromPath(chemin(u"Images"_qs)).get()), chemin(u"Images"_qs));
        QVERIFY(!PidlFromPath(chemin(u"Images/pas un dossier.jpg"_qs)));
        QVERIFY(!GetSpecialFolderPidl(99));
    }

    // Subfolders in the order a file manager shows them: case-insensitive,
    // numbers by value, French collation; hidden folders included. Folders
    // shared with the network carry their emblem.
    void trieEtListeLesCaches() {
        QTemporaryDir partages;
        QFile fichier(partages.filePath(u"photos"_qs));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("#VERSION 2\npath=" + QFile::encodeName(chemin(u"Images"_qs)) + "\n");
        fichier.close();
        qputenv("ARBROVUE_PARTAGES", partages.path().toLocal8Bit());
        Arbrovue a;
        ouvrirBase(a);
        qunsetenv("ARBROVUE_PARTAGES");
        QCOMPARE(textesEnfants(noeudDe(a, chemin({}))),
                 (QStringList{u".cache"_qs, u"Bureau"_qs, u"Cachés"_qs, u"Dossier 9"_qs,
                              u"Dossier 10"_qs, u"Dossier 100"_qs, u"été"_qs, u"Images"_qs,
                              u"images"_qs, u"vide"_qs, u"Zèbre"_qs}));
        QCOMPARE(a.tview()->colTVItems().Count(), nombreDeNoeuds(a.tview()));
        const auto icone = [&](const QString& d) {
            return noeudDe(a, chemin(d))->icon(0).cacheKey();
        };
        QCOMPARE(icone(u"vide"_qs), icone(u"images"_qs));
        QVERIFY(icone(u"Images"_qs) != icone(u"images"_qs));
    }

    // The button promises subfolders; the folder is read at its first
    // expansion only, and a folder found empty then loses its button.
    void boutonsDExpansion_data() {
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<bool>("bouton");
        QTest::addColumn<QStringList>("enfants");
        QTest::newRow("avec sous-dossiers")
            << u"Images"_qs << true << QStringList{u"2005"_qs, u"2010"_qs};
        QTest::newRow("fichiers seulement") << u"images"_qs << false << QStringList{};
        QTest::newRow("vide") << u"vide"_qs << false << QStringList{};
        QTest::newRow("sous-dossiers cachés")
            << u"Cachés"_qs << true << QStringList{u".a"_qs, u".b"_qs};
        QTest::newRow("vidé avant l'expansion") << u"Dossier 9"_qs << true << QStringList{};
    }
    void boutonsDExpansion() {
        QFETCH(QString, dossier);
        QFETCH(bool, bouton);
        QFETCH(QStringList, enfants);
        Arbrovue a;
        ouvrirBase(a);
        Noeud* noeud = noeudDe(a, chemin(dossier));
        QVERIFY(noeud);
        QCOMPARE(noeud->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator, bouton);
        QCOMPARE(noeud->childCount(), 0);
        const QDir d(chemin(dossier));
        if (bouton && enfants.isEmpty())
            QVERIFY(d.rmdir(u"sous"_qs));
        noeud->setExpanded(true);
        QCOMPARE(textesEnfants(noeud), enfants);
        QCOMPARE(noeud->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator,
                 enfants.isEmpty());
        if (enfants.isEmpty()) {
            QVERIFY(!bouton || d.mkpath(u"sous"_qs));
            return;
        }
        const int records = a.tview()->colTVItems().Count();
        QVERIFY(d.mkpath(u"nouveau"_qs));
        noeud->setExpanded(false);
        noeud->setExpanded(true);
        QVERIFY(d.rmdir(u"nouveau"_qs));
        QCOMPARE(textesEnfants(noeud), enfants);
        QCOMPARE(a.tview()->colTVItems().Count(), records);
    }

    void ouvertureLeLongDUnChemin_data() {
        QTest::addColumn<QString>("demande"); // below the test folder, or absolute
        QTest::addColumn<QString>("chemin");  // Chemin afterwards
        QTest::addColumn<QString>("choisi");  // the node selected, "-" when unchanged
        QTest::newRow("dossier existant")
            << u"Images/2005"_qs << u"Images/2005"_qs << u"Images/2005"_qs;
        QTest::newRow("dernier dossier absent")
            << u"Images/2005/Manque"_qs << u"Images/2005"_qs << u"-"_qs;
        QTest::newRow("absent au milieu") << u"Images/Manque/2005"_qs << u"Images"_qs << u"-"_qs;
        QTest::newRow("séparateur final") << u"Images/"_qs << u"Images"_qs << u"-"_qs;
        QTest::newRow("casse exacte") << u"images"_qs << u"images"_qs << u"images"_qs;
        QTest::newRow("casse différente") << u"ZÈBRE"_qs << u"Zèbre"_qs << u"Zèbre"_qs;
        // The French desktop folder is a folder like any other, whatever its name.
        QTest::newRow("dossier nommé Bureau")
            << u"Bureau/Fond"_qs << u"Bureau/Fond"_qs << u"Bureau/Fond"_qs;
        QTest::newRow("dossier caché") << u".cache/x"_qs << u".cache/x"_qs << u".cache/x"_qs;
        QTest::newRow("racine du disque") << u"/"_qs << u"/"_qs << u"/"_qs;
        QTest::newRow("sans disque") << u"relatif/Images"_qs << u"relatif/Images"_qs << u"-"_qs;
    }
    void ouvertureLeLongDUnChemin() {
        QFETCH(QString, demande);
        QFETCH(QString, chemin);
        QFETCH(QString, choisi);
        const auto complet = [this](const QString& c) {
            return c.startsWith(u'/') || c.startsWith(u"relatif") ? c : this->chemin(c);
        };
        Arbrovue a;
        a.setRoot(Arbrovue::PosteDeTravail);
        QTreeWidgetItem* avant = a.tview()->currentItem();
        QSignalSpy changements(&a, &Arbrovue::Change);
        QSignalSpy clics(&a, &Arbrovue::Click);
        a.setChemin(complet(demande));
        QCOMPARE(a.Chemin(), complet(chemin));
        QCOMPARE(a.tview()->currentItem(), choisi == u"-" ? avant : noeudDe(a, complet(choisi)));
        QCOMPARE(changements.count(), 1);
        QCOMPARE(clics.count(), 0);
        // Every existing folder on the way is open.
        if (complet(chemin).startsWith(u'/'))
            for (QTreeWidgetItem* n = noeudDe(a, complet(chemin))->parent(); n; n = n->parent())
                QVERIFY2(n->isExpanded(), qPrintable(n->text(0)));
    }

    // An empty path folds the tree back to its top node; Chemin stays.
    // Removing a node frees the records (and lists) of its whole subtree.
    void cheminVideReplieLArbre() {
        for (const QString& vide : {QString(), u"   "_qs}) {
            Arbrovue a;
            a.setRoot(Arbrovue::PosteDeTravail);
            a.setChemin(chemin(u"Images/2005"_qs));
            a.ExpandNode(vide);
            QCOMPARE(a.Chemin(), chemin(u"Images/2005"_qs));
            QTreeWidgetItem* haut = a.tview()->topLevelItem(0);
            QCOMPARE(a.tview()->currentItem(), haut);
            QVERIFY(haut->isExpanded());
            for (QTreeWidgetItemIterator it(a.tview()); *it; ++it)
                QVERIFY((*it)->parent() == nullptr || !(*it)->isExpanded());

            Noeud* base = noeudDe(a, chemin({}));
            const int avant = a.tview()->colTVItems().Count();
            const int sousArbre = tailleSousArbre(base);
            QVERIFY(sousArbre > 10);
            delete base;
            QCOMPARE(a.tview()->colTVItems().Count(), avant - sousArbre);
            QCOMPARE(a.tview()->colTVItems().Count(), nombreDeNoeuds(a.tview()));
            QVERIFY(!noeudDe(a, chemin(u"Images/2005"_qs)));
            a.tview()->ClearTree();
            QCOMPARE(a.tview()->colTVItems().Count(), 0);
        }
    }

    // A click on a folder gives its path and Click, and so does the next
    // folder chosen by the keys; on a virtual folder, nothing.
    void clics_data() {
        QTest::addColumn<QString>("noeud"); // a path, or the text of a virtual node
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("suivant"); // after the down key
        QTest::newRow("dossier") << u"Images/2010"_qs << u"Images/2010"_qs << u"images"_qs;
        QTest::newRow("poste de travail") << u"Poste de travail"_qs << QString() << QString();
        QTest::newRow("réseau") << u"Reseau"_qs << QString() << QString();
    }
    void clics() {
        QFETCH(QString, noeud);
        QFETCH(QString, chemin);
        QFETCH(QString, suivant);
        Arbrovue a;
        a.resize(400, 600);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QCOMPARE(a.tview()->geometry(), QRect(0, 0, 400, 600)); // the tree fills the control
        a.setChemin(this->chemin(u"Images/2010"_qs));
        QTreeWidgetItem* cible = noeudDe(a, this->chemin(noeud));
        for (QTreeWidgetItemIterator it(a.tview()); !cible && *it; ++it)
            if ((*it)->text(0) == noeud)
                cible = *it;
        QVERIFY(cible);
        QSignalSpy changements(&a, &Arbrovue::Change);
        QSignalSpy clicsFaits(&a, &Arbrovue::Click);
        a.tview()->scrollToItem(cible);
        const QRect rect = a.tview()->visualItemRect(cible);
        QTest::mouseClick(a.tview()->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 30, rect.center().y()));
        QCOMPARE(a.Chemin(), chemin.isEmpty() ? chemin : this->chemin(chemin));
        QCOMPARE(clicsFaits.count(), chemin.isEmpty() ? 0 : 1);
        if (!suivant.isEmpty()) {
            QTest::keyClick(a.tview(), Qt::Key_Down);
            QCOMPARE(a.Chemin(), this->chemin(suivant));
            QCOMPARE(clicsFaits.count(), 2);
        }
        QCOMPARE(changements.count(), 0);
    }

    // Root rebuilds the tree under its folder and reopens Chemin, without Change.
    void racineReconstruitSansChange_data() {
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("haut");
        QTest::addColumn<QStringList>("enfants"); // of the top node, none: not checked
        QTest::newRow("bureau") << int(Arbrovue::Bureau) << u"Bureau"_qs << kBureau;
        QTest::newRow("poste de travail")
            << int(Arbrovue::PosteDeTravail) << u"Poste de travail"_qs << QStringList();
        QTest::newRow("inconnu") << 99 << u"Bureau"_qs << kBureau;
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
        QSignalSpy modifiees(&a, &Arbrovue::ProprieteModifiee);
        a.setRoot(static_cast<Arbrovue::TypeRoot>(root));
        QCOMPARE(a.tview()->topLevelItemCount(), 1);
        QTreeWidgetItem* top = a.tview()->topLevelItem(0);
        QCOMPARE(top->text(0), haut);
        QVERIFY(!top->icon(0).isNull());
        if (!enfants.isEmpty())
            QCOMPARE(textesEnfants(top).mid(0, enfants.size()), enfants);
        // Outside the documents, the folder asked for is found again.
        QCOMPARE(a.tview()->currentItem(),
                 root == Arbrovue::MesDocuments ? top : noeudDe(a, chemin(u"Images/2005"_qs)));
        QCOMPARE(changements.count(), 0);
        QCOMPARE(modifiees.count(), 1);
        QCOMPARE(modifiees.first().first().toString(), u"Root"_qs);
        QCOMPARE(a.tview()->colTVItems().Count(), nombreDeNoeuds(a.tview()));
        // The system icons stay: an image list offered once running is refused.
        QVERIFY(!a.tview()->SetTreeImageList(nullptr));
        QVERIFY(!top->icon(0).isNull());
    }

    void proprietesPersistees_data() {
        QTest::addColumn<QVariantMap>("lu");
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QVariantMap>("ecrit");
        const QString images = chemin(u"Images"_qs);
        QTest::newRow("rien de stocké") << QVariantMap{} << 0 << QString() << QVariantMap{};
        QTest::newRow("hôtes du calendrier")
            << QVariantMap{{u"Root"_qs, 17}} << 17 << QString() << QVariantMap{{u"Root"_qs, 17}};
        QTest::newRow("les deux, en texte")
            << QVariantMap{{u"Root"_qs, u"17"_qs}, {u"Chemin"_qs, images}} << 17 << images
            << QVariantMap{{u"Root"_qs, 17}, {u"Chemin"_qs, images}};
        QTest::newRow("root illisible gardé")
            << QVariantMap{{u"Root"_qs, u"abc"_qs}} << 0 << QString() << QVariantMap{};
    }
    void proprietesPersistees() {
        QFETCH(QVariantMap, lu);
        QFETCH(int, root);
        QFETCH(QString, chemin);
        QFETCH(QVariantMap, ecrit);
        Arbrovue a;
        QSignalSpy changements(&a, &Arbrovue::Change);
        a.lireProprietes(lu);
        QCOMPARE(int(a.Root()), root);
        QCOMPARE(a.Chemin(), chemin);
        QCOMPARE(changements.count(), 0);
        if (!chemin.isEmpty())
            QCOMPARE(a.tview()->currentItem(), noeudDe(a, chemin));
        QVariantMap sac{{u"Chemin"_qs, u"ancien"_qs}, {u"Root"_qs, 5}, {u"Autre"_qs, 1}};
        a.ecrireProprietes(sac);
        ecrit.insert(u"Autre"_qs, 1);
        QCOMPARE(sac, ecrit);
    }
};

QTEST_MAIN(TestArbrovue)
#include "tst_arbrovue.moc"
