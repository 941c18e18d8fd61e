#pragma once

// Arbrovue: the folder tree control. It shows the folders of the machine under
// a special folder (Root) and lets the user pick one (Chemin, Click).

#include "arbrovue/espace.h"
#include "plateforme/fenetres/composant.h"

#include <QWidget>

namespace arbrovue {

class Noeud;
class TView;

class Arbrovue : public QWidget, public ProprietesPersistantes {
    Q_OBJECT
    Q_INTERFACES(ProprietesPersistantes)
    Q_PROPERTY(QString Chemin READ Chemin WRITE setChemin)
    Q_PROPERTY(TypeRoot Root READ Root WRITE setRoot)

public:
    // The special folders the tree can show as its top node.
    // Any value may come from a host; the unknown ones give a desktop without folder.
    enum TypeRoot : int {
        Bureau = CSIDL_DESKTOP,
        MesDocuments = CSIDL_PERSONAL,
        PosteDeTravail = CSIDL_DRIVES,
        Reseau = CSIDL_NETWORK,
        Windows = CSIDL_WINDOWS,
        System32 = CSIDL_SYSTEM,
        ProgramFiles = CSIDL_PROGRAM_FILES,
    };
    Q_ENUM(TypeRoot)

    explicit Arbrovue(QWidget* parent = nullptr);
    ~Arbrovue() override;

    QString Chemin() const { return chemin_; }
    // Opens the tree along the path and raises Change.
    void setChemin(const QString& chemin);
    TypeRoot Root() const { return root_; }
    // Rebuilds the tree under that folder and reopens it along Chemin; no event.
    void setRoot(TypeRoot root);

    // Opens every folder along `Path` and selects the folder it names; an
    // empty path folds the tree back to its top node.
    Q_INVOKABLE void ExpandNode(const QString& Path);
    // Rebuilds the tree under Root and opens it along Chemin.
    Q_INVOKABLE void InitTree();

    void lireProprietes(const QVariantMap& sac) override;
    void ecrireProprietes(QVariantMap& sac) const override;

    TView* tview() const { return TView_; }
    QSize sizeHint() const override;

signals:
    // The user picked a folder that has a path; Chemin holds it.
    void Click();
    // Chemin was assigned.
    void Change();
    // A persisted property changed: the host's settings need saving.
    void ProprieteModifiee(const QString& nom);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void TView_NodeClick(Noeud* noeud);

    QString chemin_;
    TypeRoot root_ = Bureau;
    TView* TView_;
};

} // namespace arbrovue
