// The library's entry point: hosts create the control by its identity.

#include "arbrovue/arbrovue.h"
#include "plateforme/fenetres/composant.h"

#include <QObject>

namespace arbrovue {

class FabriqueArbrovue : public QObject, public FabriqueComposants {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FabriqueComposants_iid FILE "arbrovue.json")
    Q_INTERFACES(FabriqueComposants)

public:
    QWidget* creer(const QString& identite, QWidget* parent) override {
        return identite == u"VeskArbrovue.Arbrovue" ? new Arbrovue(parent) : nullptr;
    }
};

} // namespace arbrovue

#include "fabrique.moc"
