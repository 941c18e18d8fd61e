#include "arbrovue/arbrovue.h"

#include "arbrovue/tview.h"

namespace arbrovue {

namespace {

const QString NomPoste = QStringLiteral("Poste de travail");
const QString NomBureau = QStringLiteral("Bureau");
const QString ProprieteChemin = QStringLiteral("Chemin");
const QString ProprieteRoot = QStringLiteral("Root");

// The equality of the walk: the record's path as given, or with a separator after.
bool designe(const QString& prefixe, const QString& chemin) {
    return prefixe == chemin || prefixe + u'/' == chemin;
}

} // namespace

Arbrovue::Arbrovue(QWidget* parent) : QWidget(parent), TView_(new TView(this)) {
    TView_->SetTreeImageList(GetSysImageList(SHGFI_SMALLICON));
    TView_->SubclassTree();
    TView_->FillRoot(GetSpecialFolderPidl(Bureau).get());
    connect(TView_, &TView::NodeClick, this, &Arbrovue::TView_NodeClick);
}

Arbrovue::~Arbrovue() {
    TView_->ClearTree();
    TView_->UnsubclassTree();
    TView_->SetTreeImageList(nullptr);
}

void Arbrovue::setChemin(const QString& chemin) {
    chemin_ = chemin;
    ExpandNode(chemin);
    emit ProprieteModifiee(ProprieteChemin);
    emit Change();
}

void Arbrovue::setRoot(TypeRoot root) {
    root_ = root;
    InitTree();
    emit ProprieteModifiee(ProprieteRoot);
}

void Arbrovue::InitTree() {
    TView_->FillRoot(GetSpecialFolderPidl(root_).get());
    ExpandNode(chemin_);
}

void Arbrovue::ExpandNode(const QString& Path) {
    ListeTVItems& records = TView_->colTVItems();
    if (Path.trimmed().isEmpty()) {
        for (cTVItem& record : records) {
            Noeud* noeud = TView_->NodeFromItemData(record.lParam);
            if (!noeud) {
                continue;
            } else if (!noeud->parent()) {
                noeud->setExpanded(true);
                TView_->setCurrentItem(noeud);
                TView_->scrollToItem(noeud);
            } else {
                noeud->setExpanded(false);
            }
        }
        return;
    }

    // Names are compared without regard to case, but where folders differ only
    // in case the one written exactly as asked wins: `exact` keeps the case.
    const QStringList composants = Path.split(u'/');
    QString exact = composants.first();
    if (!exact.endsWith(u'/'))
        exact += u'/';
    Noeud* retenu = nullptr;
    for (qsizetype i = 0; i < composants.size(); ++i) {
        retenu = nullptr;
        const QString s = exact.toLower();
        cTVItem* trouve = nullptr;
        cTVItem* approche = nullptr;
        for (cTVItem& record : records) {
            Noeud* noeud = TView_->NodeFromItemData(record.lParam);
            if (!noeud)
                continue;
            if (record.Path.isEmpty()) {
                // Opening the virtual folders brings the volumes into the walk.
                if (noeud->text(0) == NomPoste || noeud->text(0) == NomBureau)
                    noeud->setExpanded(true);
            } else if (designe(exact, record.Path)) {
                trouve = &record;
                break;
            } else if (!approche && designe(s, record.Path.toLower())) {
                approche = &record;
            }
        }
        if (!trouve)
            trouve = approche;
        if (!trouve)
            continue;
        trouve->hNode->setExpanded(true);
        // Further down, the prefix is the folder as the file system spells it.
        exact = trouve->Path;
        if (!exact.endsWith(u'/'))
            exact += u'/';
        if (i + 1 < composants.size())
            exact += composants[i + 1];
        chemin_ = trouve->Path;
        retenu = trouve->hNode;
    }
    if (retenu) {
        TView_->scrollToItem(retenu);
        TView_->setCurrentItem(retenu);
    }
}

void Arbrovue::TView_NodeClick(Noeud* noeud) {
    const cTVItem* record = noeud ? noeud->record() : nullptr;
    if (!record)
        return;
    chemin_ = record->Path;
    if (!chemin_.isEmpty())
        emit Click();
}

void Arbrovue::lireProprietes(const QVariantMap& sac) {
    bool nombre = false;
    const int root = sac.value(ProprieteRoot, int(root_)).toInt(&nombre);
    if (nombre)
        root_ = static_cast<TypeRoot>(root);
    const QVariant chemin = sac.value(ProprieteChemin, chemin_);
    if (chemin.canConvert<QString>())
        chemin_ = chemin.toString();
    InitTree();
}

void Arbrovue::ecrireProprietes(QVariantMap& sac) const {
    if (chemin_.isEmpty())
        sac.remove(ProprieteChemin);
    else
        sac.insert(ProprieteChemin, chemin_);
    if (root_ == Bureau)
        sac.remove(ProprieteRoot);
    else
        sac.insert(ProprieteRoot, int(root_));
}

QSize Arbrovue::sizeHint() const {
    // The size the picture windows give it, about 40 by 50 millimetres.
    return {153, 189};
}

void Arbrovue::resizeEvent(QResizeEvent*) {
    TView_->setGeometry(rect());
}

} // namespace arbrovue
