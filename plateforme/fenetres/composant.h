#pragma once

// Components: widgets delivered in libraries of their own, found in the program
// folder and created by their identity, so that a host window never links them.
// Code is loaded from that one folder only.
//
// A host talks to a component through QWidget and the Qt meta-object system only:
// its properties (`setProperty`, `property`), its methods (`QMetaObject::invokeMethod`)
// and its signals (`QObject::connect` by signature). The folder tree
// "VeskArbrovue.Arbrovue" offers:
//   properties  Chemin (QString), Root (int: 0 Bureau, 5 MesDocuments,
//               17 PosteDeTravail, 18 Reseau, 36 Windows, 37 System32, 38 ProgramFiles)
//   methods     ExpandNode(QString), InitTree()
//   signals     Click(), Change(), ProprieteModifiee(QString)
// and its persisted properties through ProprietesPersistantes below.

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtPlugin>
#include <functional>

class QWidget;

// What a component library hands over: one factory for the identities its
// metadata lists under "identites".
class FabriqueComposants {
public:
    virtual ~FabriqueComposants() = default;
    // A new instance of the component named `identite`, or nullptr if unknown here.
    virtual QWidget* creer(const QString& identite, QWidget* parent) = 0;
};
#define FabriqueComposants_iid "quivex.FabriqueComposants/1"
Q_DECLARE_INTERFACE(FabriqueComposants, FabriqueComposants_iid)

// The host's property bag: the values a component keeps with the host window's
// settings. Reach it with qobject_cast<ProprietesPersistantes*>(composant).
class ProprietesPersistantes {
public:
    virtual ~ProprietesPersistantes() = default;
    // Takes the stored values (missing ones keep the current value) and rebuilds.
    virtual void lireProprietes(const QVariantMap& sac) = 0;
    // Writes the values that differ from their defaults, removes the others.
    virtual void ecrireProprietes(QVariantMap& sac) const = 0;
};
#define ProprietesPersistantes_iid "quivex.ProprietesPersistantes/1"
Q_DECLARE_INTERFACE(ProprietesPersistantes, ProprietesPersistantes_iid)

namespace plateforme {

// Creates the component registered under `identite` by a library lying in
// `dossier` (the program's own folder). Nothing, and the reason in `*erreur`,
// when no library there provides it.
QWidget* creerComposant(const QString& identite, const QString& dossier, QWidget* parent = nullptr,
                        QString* erreur = nullptr);

// Runs `action` on every `evenement` of the component (a signal without
// arguments, such as "Click"), as long as `contexte` lives. False when the
// component has no such event.
bool surEvenement(QObject* composant, const char* evenement, QObject* contexte,
                  std::function<void()> action);

} // namespace plateforme
