// Opening a folder of 10 000 subfolders in the folder tree (loaded, sorted,
// with icons), beside QFileSystemModel listing the same folder.

#include "arbrovue/espace.h"
#include "arbrovue/tview.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace arbrovue;

namespace {

constexpr int NombreSousDossiers = 10000;

// Made once per run: names with numbers, accents and both cases, as photos get.
QString grandDossier() {
    static QTemporaryDir dossier;
    static const bool pret = [] {
        const QStringList prefixes{u"Photos "_qs, u"été "_qs, u"Vacances "_qs, u"noël "_qs};
        QDir d(dossier.path());
        for (int i = 0; i < NombreSousDossiers; ++i)
            if (!d.mkdir(prefixes[i % prefixes.size()] + QString::number(i)))
                return false;
        return true;
    }();
    if (!pret)
        qFatal("impossible de créer les dossiers de mesure");
    return dossier.path();
}

void BM_Arbrovue_ExpandChildren(benchmark::State& etat) {
    const Pidl racine = PidlFromPath(grandDossier());
    for (auto _ : etat) {
        etat.PauseTiming();
        auto arbre = std::make_unique<TView>();
        arbre->SetTreeImageList(GetSysImageList(SHGFI_SMALLICON));
        arbre->SubclassTree();
        etat.ResumeTiming();

        arbre->FillRoot(racine.get()); // the top node, expanded: all its subfolders

        etat.PauseTiming();
        if (arbre->topLevelItem(0)->childCount() != NombreSousDossiers)
            etat.SkipWithError("sous-dossiers manquants");
        arbre.reset();
        etat.ResumeTiming();
    }
}

void BM_QFileSystemModel_Liste(benchmark::State& etat) {
    const QString dossier = grandDossier();
    for (auto _ : etat) {
        etat.PauseTiming();
        auto modele = std::make_unique<QFileSystemModel>();
        modele->setFilter(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        etat.ResumeTiming();

        const QModelIndex racine = modele->setRootPath(dossier);
        while (modele->rowCount(racine) < NombreSousDossiers)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        modele->sort(0, Qt::AscendingOrder); // the pending sort, if not done yet
        for (int i = 0; i < NombreSousDossiers; ++i)
            benchmark::DoNotOptimize(modele->data(modele->index(i, 0, racine), Qt::DecorationRole));

        etat.PauseTiming();
        modele.reset();
        etat.ResumeTiming();
    }
}

} // namespace

// Real time: the model reads the folder on a thread of its own.
BENCHMARK(BM_Arbrovue_ExpandChildren)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QFileSystemModel_Liste)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
