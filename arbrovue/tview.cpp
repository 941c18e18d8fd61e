#include "arbrovue/tview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <numeric>

namespace arbrovue {

cTVItem* ListeTVItems::Add(cTVItem record) {
    if (index_.contains(record.lParam))
        return nullptr;
    const quint64 cle = record.lParam;
    ordre_.push_back(std::move(record));
    const auto it = std::prev(ordre_.end());
    index_.insert(cle, it);
    return &*it;
}

cTVItem* ListeTVItems::Item(quint64 cle) const {
    const auto it = index_.constFind(cle);
    return it == index_.cend() ? nullptr : &**it;
}

void ListeTVItems::Remove(quint64 cle) {
    if (const auto it = index_.constFind(cle); it != index_.cend()) {
        ordre_.erase(*it);
        index_.erase(it);
    }
}

Noeud::Noeud(TView* arbre, quint64 donnee)
    : QTreeWidgetItem(QTreeWidgetItem::UserType), arbre_(arbre), donnee_(donnee) {}

Noeud::~Noeud() {
    arbre_->OnTreeNotify(TView::TVN_DELETEITEM, this);
}

TView::TView(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    // Long names run past the edge, as in a file manager; the tooltip shows them.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    viewport()->setMouseTracking(true);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* noeud) { emit NodeClick(static_cast<Noeud*>(noeud)); });
}

TView::~TView() {
    clear();
}

void TView::SubclassTree() {
    if (sousClasse_)
        return;
    sousClasse_ = true;
    expansion_ = connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* noeud) {
        OnTreeNotify(TVN_ITEMEXPANDING, static_cast<Noeud*>(noeud));
    });
}

void TView::UnsubclassTree() {
    if (!sousClasse_)
        return;
    disconnect(expansion_);
    sousClasse_ = false;
}

bool TView::SetTreeImageList(const ImagesSysteme* images) {
    if (sousClasse_)
        return false;
    images_ = images;
    icones_.clear();
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setIcon(0, QIcon());
    return true;
}

quint64 TView::ItemDataOf(const QTreeWidgetItem* noeud) const {
    return noeud && noeud->type() == QTreeWidgetItem::UserType
               ? static_cast<const Noeud*>(noeud)->donnee()
               : 0;
}

Noeud* TView::NodeFromItemData(quint64 donnee) const {
    const cTVItem* record = donnee ? colTVItems_.Item(donnee) : nullptr;
    return record ? record->hNode : nullptr;
}

Noeud* TView::RootItem() const {
    return static_cast<Noeud*>(topLevelItem(0));
}

Noeud* TView::FirstChildOf(const QTreeWidgetItem* noeud) {
    return noeud && noeud->childCount() ? static_cast<Noeud*>(noeud->child(0)) : nullptr;
}

Noeud* TView::NextSiblingOf(const QTreeWidgetItem* noeud) {
    const QTreeWidgetItem* parent = noeud ? noeud->parent() : nullptr;
    if (!parent)
        return nullptr;
    const int rang = parent->indexOfChild(const_cast<QTreeWidgetItem*>(noeud));
    return static_cast<Noeud*>(parent->child(rang + 1));
}

void TView::FillRoot(const Octet* racine) {
    clear(); // every node's deletion frees its record
    try {
        const Pidl relatif = CopyItemAt(racine, -1);
        const std::optional<Dossier> dossier = GetParentFolder(racine);
        if (!relatif || !dossier)
            return;
        Noeud* noeud = AddNode(nullptr, *dossier, racine, relatif.get());
        setCurrentItem(noeud);
        noeud->setExpanded(true);
    } catch (const DepassementPidl&) {
        // a root beyond the size limit leaves the tree empty
    }
}

Noeud* TView::AddNode(Noeud* parent, const Dossier& dossier, const Octet* absolu,
                      const Octet* relatif, QList<QTreeWidgetItem*>* lot) {
    const quint32 attributs = dossier.GetAttributesOf(relatif, SFGAO_HASSUBFOLDER | SFGAO_SHARE);
    auto* noeud = new Noeud(this, prochaineDonnee_++);
    // No placeholder child: the button alone promises subfolders.
    noeud->setChildIndicatorPolicy(attributs & SFGAO_HASSUBFOLDER
                                       ? QTreeWidgetItem::ShowIndicator
                                       : QTreeWidgetItem::DontShowIndicator);
    noeud->setIcon(0, icone(GetIconIndex(absolu, SHGFI_SMALLICON),
                            GetIconIndex(absolu, SHGFI_SMALLICON | SHGFI_OPENICON),
                            attributs & SFGAO_SHARE));
    noeud->setText(0, GetDisplayName(dossier, relatif));

    cTVItem record{DuplicatePidl(absolu), DuplicatePidl(relatif), {}, ItemDataOf(noeud), noeud};
    record.Path = PathFromPidl(record.pidlFQ.get());
    noeud->record_ = colTVItems_.Add(std::move(record));

    if (!parent)
        addTopLevelItem(noeud);
    else if (lot)
        lot->append(noeud);
    else
        parent->addChild(noeud);
    return noeud;
}

void TView::ExpandChildren(const Octet* liste, Noeud* noeud) {
    const Dossier dossier = BindToFolder(GetDesktopFolder(), liste);
    QList<QTreeWidgetItem*> enfants;
    if (const std::optional<std::vector<Pidl>> items = dossier.EnumObjects()) {
        enfants.reserve(static_cast<qsizetype>(items->size()));
        for (const Pidl& item : *items) {
            try {
                if (const Pidl enfant = ConcatPidl(liste, item.get()))
                    AddNode(noeud, dossier, enfant.get(), item.get(), &enfants);
            } catch (const DepassementPidl&) {
                // a folder too deep to be named is left out
            }
        }
    }
    if (enfants.isEmpty())
        noeud->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    else
        SortChildren(noeud, enfants, dossier);
}

void TView::SortChildren(Noeud* parent, QList<QTreeWidgetItem*>& enfants, const Dossier& dossier) {
    // One key per child, then one sort: the folder's order, without a
    // collation per comparison.
    std::vector<CleTri> cles;
    cles.reserve(static_cast<std::size_t>(enfants.size()));
    for (const QTreeWidgetItem* enfant : enfants)
        cles.push_back(dossier.cleTri(static_cast<const Noeud*>(enfant)->record()->pidlRel.get()));
    std::vector<std::size_t> ordre(cles.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&cles](std::size_t a, std::size_t b) {
        return cles[a].comparer(cles[b]) < 0;
    });
    QList<QTreeWidgetItem*> tries;
    tries.reserve(enfants.size());
    for (const std::size_t i : ordre)
        tries.append(enfants[static_cast<qsizetype>(i)]);
    parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    parent->addChildren(tries);
}

int TView::CompareItems(quint64 donnee1, quint64 donnee2, const Dossier& dossier) const {
    const cTVItem* un = colTVItems_.Item(donnee1);
    const cTVItem* deux = colTVItems_.Item(donnee2);
    if (!un || !deux)
        return 0;
    return dossier.CompareIDs(un->pidlRel.get(), deux->pidlRel.get());
}

void TView::OnTreeNotify(Notification code, Noeud* noeud) {
    switch (code) {
    case TVN_DELETEITEM:
        colTVItems_.Remove(ItemDataOf(noeud));
        break;
    case TVN_ITEMEXPANDING:
        // Collapsing, or expanding a node already loaded, loads nothing.
        if (!FirstChildOf(noeud))
            if (const cTVItem* record = colTVItems_.Item(ItemDataOf(noeud)))
                ExpandChildren(record->pidlFQ.get(), NodeFromItemData(record->lParam));
        break;
    }
}

void TView::ClearTree() {
    if (Noeud* haut = RootItem()) {
        haut->setExpanded(false);
        delete takeTopLevelItem(indexOfTopLevelItem(haut));
    }
}

QIcon TView::icone(int image, int imageSelection, bool partage) {
    if (!images_)
        return {};
    const int cle = (image * ImagesSysteme::NombreIcones + imageSelection) * 2 + partage;
    if (const auto it = icones_.constFind(cle); it != icones_.cend())
        return *it;
    // The selected node shows its open image, as the system's tree does.
    const QSize taille = iconSize().isValid() ? iconSize() : QSize(16, 16);
    const auto peindre = [&](int index) {
        QPixmap p = images_->icone(index).pixmap(taille);
        if (partage && !p.isNull()) {
            QPainter peintre(&p);
            const QIcon embleme = QIcon::fromTheme(u"emblem-shared"_qs,
                                                   style()->standardIcon(QStyle::SP_DriveNetIcon));
            peintre.drawPixmap(0, taille.height() / 2, embleme.pixmap(taille / 2));
        }
        return p;
    };
    QIcon combinee;
    combinee.addPixmap(peindre(image), QIcon::Normal);
    combinee.addPixmap(peindre(imageSelection), QIcon::Selected);
    icones_.insert(cle, combinee);
    return combinee;
}

QString TView::texteInfobulle(const QPoint& position) const {
    const QTreeWidgetItem* noeud = itemAt(position);
    if (!noeud || !colTVItems_.Item(ItemDataOf(noeud)))
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(noeud);
    option.text = noeud->text(0);
    option.features |= QStyleOptionViewItem::HasDisplay;
    if (!noeud->icon(0).isNull()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.icon = noeud->icon(0);
    }
    const QRect texte = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int marge = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int droite = texte.left() + marge + fontMetrics().horizontalAdvance(option.text);
    return droite > viewport()->width() ? option.text : QString();
}

void TView::mouseMoveEvent(QMouseEvent* e) {
    QTreeWidget::mouseMoveEvent(e);
    setToolTip(texteInfobulle(e->position().toPoint()));
}

void TView::keyPressEvent(QKeyEvent* e) {
    const QTreeWidgetItem* avant = currentItem();
    QTreeWidget::keyPressEvent(e);
    if (currentItem() && currentItem() != avant)
        emit NodeClick(static_cast<Noeud*>(currentItem()));
}

} // namespace arbrovue
