#pragma once

// The tree inside the folder tree control: one node per folder, loaded on its
// first expansion, each tied to a record (cTVItem) holding its item-ID lists.

#include "arbrovue/espace.h"
#include "arbrovue/pidl.h"

#include <QHash>
#include <QTreeWidget>
#include <list>

namespace arbrovue {

class Noeud;

// One record per tree node; it owns the node's item-ID lists.
struct cTVItem {
    Pidl pidlFQ;      // absolute list of the folder
    Pidl pidlRel;     // the folder's one item, relative to its parent folder
    QString Path;     // file-system path, empty for a virtual folder
    quint64 lParam{}; // the node's item data, its key in colTVItems
    Noeud* hNode{};
};

// colTVItems: the records in their order of creation, found by item data.
class ListeTVItems {
public:
    // Nothing when the key is already taken (the record is then left out).
    cTVItem* Add(cTVItem record);
    cTVItem* Item(quint64 cle) const;
    void Remove(quint64 cle);
    int Count() const { return static_cast<int>(ordre_.size()); }

    // Records appended during a walk are visited too.
    std::list<cTVItem>::iterator begin() { return ordre_.begin(); }
    std::list<cTVItem>::iterator end() { return ordre_.end(); }

private:
    std::list<cTVItem> ordre_;
    QHash<quint64, std::list<cTVItem>::iterator> index_;
};

class TView;

// A node of the tree; its deletion frees its record.
class Noeud : public QTreeWidgetItem {
public:
    Noeud(TView* arbre, quint64 donnee);
    ~Noeud() override;
    Noeud(const Noeud&) = delete;
    Noeud& operator=(const Noeud&) = delete;

    quint64 donnee() const { return donnee_; }
    cTVItem* record() const { return record_; }

private:
    friend class TView;
    TView* arbre_;
    quint64 donnee_;
    cTVItem* record_ = nullptr;
};

class TView : public QTreeWidget {
    Q_OBJECT

public:
    enum Notification { TVN_ITEMEXPANDING, TVN_DELETEITEM };

    explicit TView(QWidget* parent = nullptr);
    ~TView() override;

    // Rebuilds the whole tree with one top node, selected and expanded.
    void FillRoot(const Octet* racine);
    // Creates one node and its record; the caller keeps its lists. With `lot`,
    // the node waits there to be inserted with its brothers.
    Noeud* AddNode(Noeud* parent, const Dossier& dossier, const Octet* absolu, const Octet* relatif,
                   QList<QTreeWidgetItem*>* lot = nullptr);
    // Loads the subfolders of a node, sorted once.
    void ExpandChildren(const Octet* dossier, Noeud* noeud);
    int CompareItems(quint64 donnee1, quint64 donnee2, const Dossier& dossier) const;
    void OnTreeNotify(Notification code, Noeud* noeud);
    // Removes every node, and so every record.
    void ClearTree();

    // While installed, expansions load subfolders and image lists are refused.
    void SubclassTree();
    void UnsubclassTree();
    // False when refused: once the tree is running, its images stay.
    bool SetTreeImageList(const ImagesSysteme* images);

    quint64 ItemDataOf(const QTreeWidgetItem* noeud) const;
    Noeud* NodeFromItemData(quint64 donnee) const;
    Noeud* RootItem() const;
    static Noeud* FirstChildOf(const QTreeWidgetItem* noeud);
    static Noeud* NextSiblingOf(const QTreeWidgetItem* noeud);

    ListeTVItems& colTVItems() { return colTVItems_; }
    // The tooltip for the pointer at `position` (viewport coordinates): the
    // node's text when the control's edge cuts its label, else nothing.
    QString texteInfobulle(const QPoint& position) const;

signals:
    // The user picked a node, with the mouse or the keyboard.
    void NodeClick(Noeud* noeud);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void SortChildren(Noeud* parent, QList<QTreeWidgetItem*>& enfants, const Dossier& dossier);
    QIcon icone(int image, int imageSelection, bool partage);

    ListeTVItems colTVItems_;
    const ImagesSysteme* images_ = nullptr;
    bool sousClasse_ = false;
    QMetaObject::Connection expansion_;
    QHash<int, QIcon> icones_;
    quint64 prochaineDonnee_ = 1;
};

} // namespace arbrovue
