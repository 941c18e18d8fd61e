#include "arbrovue/arbrovue.h"
#include "arbrovue/espace.h"
#include "arbrovue/tview.h"
#include "hermetique.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
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

// The pointer passing over the tree, without a button.
void survoler(QTreeWidget* arbre, QPoint position) {
    QMouseEvent e(QEvent::MouseMove, position, arbre->viewport()->mapToGlobal(position),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(arbre->viewport(), &e);
}

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
    // A control as the picture windows hold it: rooted at the computer.
    static void surLePoste(Arbrovue& a) { a.setRoot(Arbrovue::PosteDeTravail); }

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
        QVERIFY(items);
        QStringList noms;
        for (const Pidl& i : *items)
            noms << bureau.GetDisplayNameOf(i.get());
        QCOMPARE(noms, (QStringList{u"Mes documents"_qs, u"Poste de travail"_qs, u"Reseau"_qs}));
        QCOMPARE(PathFromPidl((*items)[0].get()), maison_.filePath(u"Documents"_qs));
        QCOMPARE(PathFromPidl((*items)[1].get()), QString());

        const Pidl poste = GetSpecialFolderPidl(CSIDL_DRIVES);
        const Dossier dossierPoste = BindToFolder(bureau, poste.get());
        QCOMPARE(dossierPoste.genre(), Dossier::Genre::Poste);
        const auto volumes = dossierPoste.EnumObjects();
        QVERIFY(volumes && !volumes->empty());
        // The user's own folder is the computer's first drive, then the root.
        QVERIFY(volumes->size() >= 2);
        const Pidl personnel = ConcatPidl(poste.get(), (*volumes)[0].get());
        QCOMPARE(PathFromPidl(personnel.get()), QDir::homePath());
        QCOMPARE(dossierPoste.GetDisplayNameOf((*volumes)[0].get()),
                 u"Dossier personnel (%1)"_qs.arg(QDir::homePath()));
        const Pidl systeme = ConcatPidl(poste.get(), (*volumes)[1].get());
        QCOMPARE(PathFromPidl(systeme.get()), u"/"_qs);
        QCOMPARE(GetParentFolder(systeme.get())->genre(), Dossier::Genre::Poste);

        // Binding to the empty list, or to what names no folder, gives the desktop.
        const Pidl vide = AllocZeroed(2);
        QCOMPARE(BindToFolder(bureau, vide.get()).genre(), Dossier::Genre::Bureau);
        QCOMPARE(BindToFolder(dossierPoste, vide.get()).genre(), Dossier::Genre::Bureau);
        QCOMPARE(GetParentFolder(poste.get())->genre(), Dossier::Genre::Bureau);
        QCOMPARE(bureau.GetDisplayNameOf(vide.get()), u"Bureau"_qs);

        const Pidl images = PidlFromPath(chemin(u"Images"_qs));
        QCOMPARE(PathFromPidl(images.get()), chemin(u"Images"_qs));
        QVERIFY(!PidlFromPath(chemin(u"Images/pas un dossier.jpg"_qs)));
        QVERIFY(!GetSpecialFolderPidl(99));
    }

    // Folders shared with the network carry the attribute and its emblem.
    void partages() {
        QTemporaryDir partages;
        QFile fichier(partages.filePath(u"photos"_qs));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("#VERSION 2\npath=" + QFile::encodeName(chemin(u"Images"_qs)) + "\n");
        fichier.close();
        qputenv("ARBROVUE_PARTAGES", partages.path().toLocal8Bit());
        const Pidl base = PidlFromPath(chemin({}));
        const Dossier dossier = BindToFolder(GetDesktopFolder(), base.get());
        const auto items = dossier.EnumObjects();
        QVERIFY(items);
        for (const Pidl& item : *items) {
            const bool partage = dossier.GetAttributesOf(item.get(), SFGAO_SHARE) & SFGAO_SHARE;
            QCOMPARE(partage, dossier.GetDisplayNameOf(item.get()) == u"Images");
        }
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin({}));
        const auto cleIcone = [&](const QString& d) {
            return noeudDe(a, chemin(d))->icon(0).cacheKey();
        };
        QCOMPARE(cleIcone(u"vide"_qs), cleIcone(u"images"_qs));
        QVERIFY(cleIcone(u"Images"_qs) != cleIcone(u"images"_qs));
        qunsetenv("ARBROVUE_PARTAGES");
    }

    // Subfolders in the order a file manager shows them: case-insensitive,
    // numbers by value, French collation; hidden folders included.
    void trieEtListeLesCaches() {
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin({}));
        Noeud* base = noeudDe(a, chemin({}));
        QVERIFY(base);
        QCOMPARE(textesEnfants(base),
                 (QStringList{u".cache"_qs, u"Bureau"_qs, u"Cachés"_qs, u"Dossier 9"_qs,
                              u"Dossier 10"_qs, u"Dossier 100"_qs, u"été"_qs, u"Images"_qs,
                              u"images"_qs, u"vide"_qs, u"Zèbre"_qs}));
        // Records stay in the order the folder gave them, one per node.
        QCOMPARE(a.tview()->colTVItems().Count(), nombreDeNoeuds(a.tview()));
        const Dossier dossier = BindToFolder(GetDesktopFolder(), base->record()->pidlFQ.get());
        for (int i = 1; i < base->childCount(); ++i) {
            const quint64 avant = a.tview()->ItemDataOf(base->child(i - 1));
            const quint64 apres = a.tview()->ItemDataOf(base->child(i));
            QVERIFY2(a.tview()->CompareItems(avant, apres, dossier) < 0,
                     qPrintable(base->child(i)->text(0)));
        }
    }

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
    }
    void boutonsDExpansion() {
        QFETCH(QString, dossier);
        QFETCH(bool, bouton);
        QFETCH(QStringList, enfants);
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin({}));
        Noeud* noeud = noeudDe(a, chemin(dossier));
        QVERIFY(noeud);
        QCOMPARE(noeud->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator, bouton);
        QCOMPARE(noeud->childCount(), 0); // nothing loaded before the first expansion
        noeud->setExpanded(true);
        QCOMPARE(textesEnfants(noeud), enfants);
    }

    // A folder that loses its subfolders before it is opened loses its button.
    void boutonRetireQuandLEnumerationNeDonneRien() {
        QVERIFY(QDir(chemin(u"Dossier 9"_qs)).mkpath(u"seul"_qs));
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin({}));
        Noeud* noeud = noeudDe(a, chemin(u"Dossier 9"_qs));
        QCOMPARE(noeud->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        QVERIFY(QDir(chemin(u"Dossier 9"_qs)).rmdir(u"seul"_qs));
        QVERIFY(QDir(chemin(u"Dossier 9"_qs)).rmdir(u"sous"_qs));
        noeud->setExpanded(true);
        QCOMPARE(noeud->childCount(), 0);
        QCOMPARE(noeud->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
        QVERIFY(QDir(chemin(u"Dossier 9"_qs)).mkpath(u"sous"_qs));
    }

    // Expand, collapse, expand: the folder is read once.
    void chargementALaPremiereExpansion() {
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin(u"Images"_qs));
        Noeud* images = noeudDe(a, chemin(u"Images"_qs));
        QCOMPARE(images->childCount(), 2);
        const int records = a.tview()->colTVItems().Count();
        QVERIFY(QDir(chemin(u"Images"_qs)).mkpath(u"2020"_qs));
        images->setExpanded(false);
        images->setExpanded(true);
        QDir(chemin(u"Images"_qs)).rmdir(u"2020"_qs);
        QCOMPARE(images->childCount(), 2);
        QCOMPARE(a.tview()->colTVItems().Count(), records);
    }

    // Removing a node frees the records (and lists) of its whole subtree.
    void suppressionLibereLesRecords() {
        Arbrovue a;
        surLePoste(a);
        a.ExpandNode(chemin(u"Images/2005"_qs));
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
        QTest::newRow("casse exacte majuscule") << u"Images"_qs << u"Images"_qs << u"Images"_qs;
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
        surLePoste(a);
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
            for (QTreeWidgetItem* n = noeudDe(a, complet(chemin)); n; n = n->parent())
                QVERIFY2(n->isExpanded() || n == noeudDe(a, complet(chemin)),
                         qPrintable(n->text(0)));
    }

    // An empty path folds the tree back to its top node; Chemin stays.
    void cheminVideReplieLArbre_data() {
        QTest::addColumn<QString>("vide");
        QTest::newRow("vide") << QString();
        QTest::newRow("blancs") << u"   "_qs;
    }
    void cheminVideReplieLArbre() {
        QFETCH(QString, vide);
        Arbrovue a;
        surLePoste(a);
        a.setChemin(chemin(u"Images/2005"_qs));
        a.ExpandNode(vide);
        QCOMPARE(a.Chemin(), chemin(u"Images/2005"_qs));
        QTreeWidgetItem* haut = a.tview()->topLevelItem(0);
        QCOMPARE(a.tview()->currentItem(), haut);
        QVERIFY(haut->isExpanded());
        for (QTreeWidgetItemIterator it(a.tview()); *it; ++it)
            QVERIFY((*it)->parent() == nullptr || !(*it)->isExpanded());
    }

    // A click on a folder gives its path and Click; on a virtual folder, nothing.
    void clics_data() {
        QTest::addColumn<QString>("noeud"); // a path, or the text of a virtual node
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<int>("clics");
        QTest::newRow("dossier") << u"Images/2010"_qs << u"Images/2010"_qs << 1;
        QTest::newRow("poste de travail") << u"Poste de travail"_qs << QString() << 0;
        QTest::newRow("réseau") << u"Reseau"_qs << QString() << 0;
    }
    void clics() {
        QFETCH(QString, noeud);
        QFETCH(QString, chemin);
        QFETCH(int, clics);
        Arbrovue a;
        a.resize(400, 600);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        a.setChemin(this->chemin(u"Images/2010"_qs));
        QTreeWidgetItem* cible = noeudDe(a, this->chemin(noeud));
        for (QTreeWidgetItemIterator it(a.tview()); !cible && *it; ++it)
            if ((*it)->text(0) == noeud)
                cible = *it;
        QVERIFY(cible);
        a.tview()->scrollToItem(cible);
        QSignalSpy changements(&a, &Arbrovue::Change);
        QSignalSpy clicsFaits(&a, &Arbrovue::Click);
        const QRect rect = a.tview()->visualItemRect(cible);
        QTest::mouseClick(a.tview()->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 30, rect.center().y()));
        QCOMPARE(a.Chemin(), chemin.isEmpty() ? chemin : this->chemin(chemin));
        QCOMPARE(clicsFaits.count(), clics);
        QCOMPARE(changements.count(), 0);
    }

    void clavierChoisitAussi() {
        Arbrovue a;
        a.resize(400, 600);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        a.setChemin(chemin(u"Images/2005"_qs));
        QSignalSpy clics(&a, &Arbrovue::Click);
        QTest::keyClick(a.tview(), Qt::Key_Down);
        QCOMPARE(a.Chemin(), chemin(u"Images/2010"_qs));
        QCOMPARE(clics.count(), 1);
    }

    // Root rebuilds the tree under its folder and reopens it, without Change.
    void racineReconstruitSansChange_data() {
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("haut");
        QTest::newRow("bureau") << int(Arbrovue::Bureau) << u"Bureau"_qs;
        QTest::newRow("poste de travail")
            << int(Arbrovue::PosteDeTravail) << u"Poste de travail"_qs;
        QTest::newRow("inconnu") << 99 << u"Bureau"_qs;
    }
    void racineReconstruitSansChange() {
        QFETCH(int, root);
        QFETCH(QString, haut);
        Arbrovue a;
        a.setChemin(chemin(u"Images/2005"_qs));
        QSignalSpy changements(&a, &Arbrovue::Change);
        QSignalSpy modifiees(&a, &Arbrovue::ProprieteModifiee);
        a.setRoot(static_cast<Arbrovue::TypeRoot>(root));
        QCOMPARE(a.tview()->topLevelItemCount(), 1);
        QCOMPARE(a.tview()->topLevelItem(0)->text(0), haut);
        QCOMPARE(a.tview()->currentItem(), noeudDe(a, chemin(u"Images/2005"_qs)));
        QCOMPARE(changements.count(), 0);
        QCOMPARE(modifiees.count(), 1);
        QCOMPARE(modifiees.first().first().toString(), u"Root"_qs);
        QCOMPARE(a.tview()->colTVItems().Count(), nombreDeNoeuds(a.tview()));
    }

    void racineSansDossier() {
        Arbrovue a;
        a.setRoot(static_cast<Arbrovue::TypeRoot>(99));
        const auto* haut = static_cast<Noeud*>(a.tview()->topLevelItem(0));
        QCOMPARE(haut->record()->Path, QString());
        QCOMPARE(textesEnfants(haut),
                 (QStringList{u"Mes documents"_qs, u"Poste de travail"_qs, u"Reseau"_qs}));
        a.setRoot(Arbrovue::MesDocuments);
        QCOMPARE(a.tview()->topLevelItem(0)->text(0), u"Mes documents"_qs);
        QCOMPARE(textesEnfants(a.tview()->topLevelItem(0)), QStringList{u"Lettres"_qs});
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

    // The system icons stay: an image list offered once running is refused.
    void listeDImagesRefusee() {
        Arbrovue a;
        const QTreeWidgetItem* haut = a.tview()->topLevelItem(0);
        QVERIFY(!haut->icon(0).isNull());
        QVERIFY(!a.tview()->SetTreeImageList(nullptr));
        QVERIFY(!haut->icon(0).isNull());
        a.setRoot(Arbrovue::PosteDeTravail);
        QVERIFY(!a.tview()->topLevelItem(0)->icon(0).isNull());
    }

    // A label cut by the control's edge shows whole in the tooltip.
    void infobulle() {
        const QString longNom = u"Un dossier au nom bien trop long pour une colonne si étroite"_qs;
        QVERIFY(QDir(base_.path()).mkpath(longNom));
        Arbrovue a;
        a.resize(200, 300);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        a.setChemin(chemin(longNom));
        Noeud* long_ = noeudDe(a, chemin(longNom));
        Noeud* court = noeudDe(a, chemin(u"vide"_qs));
        QVERIFY(long_ && court);
        a.tview()->scrollToItem(long_);
        a.tview()->horizontalScrollBar()->setValue(0);
        const QRect surLong = a.tview()->visualItemRect(long_);
        survoler(a.tview(), QPoint(surLong.left() + 30, surLong.center().y()));
        QCOMPARE(a.tview()->toolTip(), longNom);
        a.tview()->scrollToItem(court);
        a.tview()->horizontalScrollBar()->setValue(0);
        const QRect surCourt = a.tview()->visualItemRect(court);
        survoler(a.tview(), QPoint(surCourt.left() + 30, surCourt.center().y()));
        QCOMPARE(a.tview()->toolTip(), QString());
        QDir(base_.path()).rmdir(longNom);
    }

    void tailleSuitLeControle() {
        Arbrovue a;
        a.resize(321, 234);
        a.show();
        QCOMPARE(a.tview()->geometry(), QRect(0, 0, 321, 234));
    }
};

QTEST_MAIN(TestArbrovue)
#include "tst_arbrovue.moc"
