// A year to PDF with thirteen 24-megapixel photographs, run as a user runs
// calendrier-pdf, against the floor of decoding those photographs once at
// full size, in the same run.

#include "bench/annee.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace {

banc::Atelier& atelier() {
    static banc::Atelier a;
    return a;
}

banc::Plancher plancher;

void BM_PlancherDecodageComplet(benchmark::State& state) {
    banc::mesurerPlancher(state, atelier().photos(), plancher);
}
BENCHMARK(BM_PlancherDecodageComplet)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole program, from its start to its PDF in place; its peak memory is
// its own, not the benchmark's that made the photos.
void BM_AnneeEnPdf(benchmark::State& state) {
    const QString pdf = QDir(atelier().dossier()).filePath(u"Calendrier2026.pdf"_qs);
    const QStringList arguments =
        QStringList{u"2026"_qs, pdf, u"--programme"_qs, atelier().dossier(), u"--photos"_qs} +
        atelier().photos();
    QElapsedTimer chrono;
    qint64 total = 0;
    double cpu = 0;
    for (auto _ : state) {
        QProcess programme;
        const double cpuAvant = banc::cpuMs(RUSAGE_CHILDREN);
        chrono.start();
        programme.start(QStringLiteral(CALENDRIER_PDF), arguments);
        if (!programme.waitForFinished(-1) || programme.exitCode() != 0)
            state.SkipWithError("pas de PDF");
        total += chrono.nsecsElapsed();
        cpu += banc::cpuMs(RUSAGE_CHILDREN) - cpuAvant;
    }
    const double ms = total / 1e6 / double(state.iterations());
    state.counters["pic_Mo"] = banc::picMo(RUSAGE_CHILDREN);
    state.counters["pdf_Mo"] = QFileInfo(pdf).size() / 1048576.0;
    if (plancher.ms > 0)
        state.counters["rapport_plancher"] = ms / plancher.ms;
    if (plancher.cpuMs > 0)
        state.counters["rapport_cpu"] = cpu / double(state.iterations()) / plancher.cpuMs;
}
BENCHMARK(BM_AnneeEnPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
