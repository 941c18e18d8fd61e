// Reading a 4 MB working file that holds no comma, by value and by line: both
// should go through the text once, so take about the same time.

#include "plateforme/noyau/fichiertexte.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Written once per run: 100 000 lines of 39 bytes.
QString grandFichier() {
    static QTemporaryDir dossier;
    static const QString chemin = [] {
        const QString c = dossier.filePath(u"Fichier.ser"_qs);
        QStringList lignes;
        for (int i = 0; i < 100000; ++i)
            lignes << u"/home/famille/Images/photo %1.jpg"_qs.arg(i, 6, 10, QChar(u'0'));
        if (!plateforme::reecrire(c, lignes))
            qFatal("impossible d'écrire le fichier de mesure");
        return c;
    }();
    return chemin;
}

void BM_LectureParValeur(benchmark::State& etat) {
    const QString chemin = grandFichier();
    for (auto _ : etat)
        benchmark::DoNotOptimize(plateforme::lireValeurs(chemin));
}

void BM_LectureParLigne(benchmark::State& etat) {
    const QString chemin = grandFichier();
    for (auto _ : etat)
        benchmark::DoNotOptimize(plateforme::lireLignes(chemin));
}

} // namespace

BENCHMARK(BM_LectureParValeur)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LectureParLigne)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
