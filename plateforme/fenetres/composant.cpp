#include "plateforme/fenetres/composant.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QWidget>

namespace plateforme {

namespace {

class Relais : public QObject {
    Q_OBJECT

public:
    Relais(std::function<void()> action, QObject* parent)
        : QObject(parent), action_(std::move(action)) {}

public slots:
    void declencher() { action_(); }

private:
    std::function<void()> action_;
};

bool fournit(const QJsonObject& meta, const QString& identite) {
    if (meta.value(u"IID").toString() != QLatin1String(FabriqueComposants_iid))
        return false;
    const QJsonArray identites = meta.value(u"MetaData").toObject().value(u"identites").toArray();
    return identites.contains(identite);
}

// The library of `dossier` providing `identite`; reading a library's metadata
// does not load it.
QString bibliothequeDe(const QString& identite, const QString& dossier) {
    static QHash<QString, QString> connues;
    const QString cle = dossier + u'|' + identite;
    if (const auto it = connues.constFind(cle); it != connues.cend() && QFile::exists(*it))
        return *it;
    if (dossier.isEmpty())
        return {};
    const QDir d(dossier);
    for (const QString& nom : d.entryList(QDir::Files)) {
        const QString chemin = d.filePath(nom);
        if (QLibrary::isLibrary(chemin) && fournit(QPluginLoader(chemin).metaData(), identite))
            return connues[cle] = chemin;
    }
    return {};
}

} // namespace

QWidget* creerComposant(const QString& identite, const QString& dossier, QWidget* parent,
                        QString* erreur) {
    const auto echec = [erreur](const QString& raison) -> QWidget* {
        if (erreur)
            *erreur = raison;
        return nullptr;
    };
    const QString chemin = bibliothequeDe(identite, dossier);
    if (chemin.isEmpty())
        return echec(
            QStringLiteral("Composant introuvable : %1 (cherché dans %2)").arg(identite, dossier));
    // The library stays loaded for the life of the process: its widgets live there.
    QPluginLoader chargeur(chemin);
    auto* fabrique = qobject_cast<FabriqueComposants*>(chargeur.instance());
    if (!fabrique)
        return echec(
            QStringLiteral("Composant illisible : %1 (%2)").arg(chemin, chargeur.errorString()));
    QWidget* composant = fabrique->creer(identite, parent);
    if (!composant)
        return echec(
            QStringLiteral("Le composant %1 n'a pas été créé par %2").arg(identite, chemin));
    return composant;
}

bool surEvenement(QObject* composant, const char* evenement, QObject* contexte,
                  std::function<void()> action) {
    if (!composant)
        return false;
    const QMetaObject* meta = composant->metaObject();
    const int signal = meta->indexOfSignal(QByteArray(evenement) + "()");
    if (signal < 0)
        return false;
    auto* relais = new Relais(std::move(action), contexte);
    const QMetaMethod cible =
        relais->metaObject()->method(relais->metaObject()->indexOfSlot("declencher()"));
    if (QObject::connect(composant, meta->method(signal), relais, cible))
        return true;
    delete relais;
    return false;
}

} // namespace plateforme

#include "composant.moc"
