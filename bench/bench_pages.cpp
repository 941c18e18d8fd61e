// The calendar pages: composing one month, and a whole year captured and
// printed to PDF with thirteen 24-megapixel photographs, against the floor of
// decoding those photographs once at full size; and a saved calendar's
// months shown in the viewer, against decoding its pages at full size.

#include "bench/annee.h"
#include "calendrier/accueil/calend.h"
#include "calendrier/affichage/aficheCalend.h"
#include "calendrier/fichiers/fichierstravail.h"
#include "calendrier/images/voircalend.h"
#include "calendrier/pages/composition.h"
#include "calendrier/programme.h"
#include "calendrier/regles/regles.h"
#include "plateforme/fenetres/imprimante.h"
#include "plateforme/noyau/fichiertexte.h"
#include "plateforme/noyau/images.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The save folder and the year's feasts besides.
struct AtelierDesPages : banc::Atelier {
    AtelierDesPages() {
        QDir().mkdir(calendrier::kSaveCalend);
        regles::CalculPaque(2026);
    }
};

AtelierDesPages& atelier() {
    static AtelierDesPages a;
    return a;
}

// One program for the whole run, made in main once the application exists.
Programme* leProgramme = nullptr;

Programme& programme() {
    return *leProgramme;
}

banc::Plancher plancher;

void BM_ComposerMois(benchmark::State& state) {
    atelier();
    const calendrier::FichiersTravail f;
    for (auto _ : state) {
        pages::Donnees d;
        d.mobiles = pages::lireJoursMobiles(plateforme::lireLignes(u"Paque.ser"_qs));
        d.fetes = pages::lireFetes(f.chargerListe(calendrier::Liste::Fete));
        d.anniversaires = pages::lireAnniversaires(f.chargerListe(calendrier::Liste::Enfant));
        d.prenoms = pages::Prenoms::charger(u"Prenoms"_qs);
        d.aujourdhui = QDate(2026, 3, 18);
        benchmark::DoNotOptimize(pages::composerMois(2026, 3, d));
    }
}
BENCHMARK(BM_ComposerMois)->Unit(benchmark::kMicrosecond);

void BM_PageMoisAffichee(benchmark::State& state) {
    atelier();
    plateforme::reecrire(u"Fichier.ser"_qs, {atelier().photos().at(3)});
    Programme& p = programme();
    for (auto _ : state) {
        p.aficheCalend().TravailCinq(
            {.sortie = calendrier::Sortie::EcranMois, .mois = 3, .annee = 2026});
        benchmark::DoNotOptimize(p.aficheCalend().Label10[10].text());
    }
}
BENCHMARK(BM_PageMoisAffichee)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: each photograph decoded once at its full size.
void BM_PlancherDecodageComplet(benchmark::State& state) {
    banc::mesurerPlancher(state, atelier().photos(), plancher);
    state.counters["pic_Mo"] = banc::picMo();
}
BENCHMARK(BM_PlancherDecodageComplet)->Unit(benchmark::kMillisecond)->Iterations(3);

// A year printed: cover and twelve months composed, captured at print
// density, printed to a PDF, captures removed.
void BM_AnneeImprimee(benchmark::State& state) {
    atelier();
    Programme& p = programme();
    QElapsedTimer chrono;
    qint64 total = 0;
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        plateforme::reecrire(u"Fichier.ser"_qs, atelier().photos());
        plateforme::reecrire(u"LireCalend.ser"_qs, {u"0"_qs});
        QFile::remove(u"Calendrier2026.pdf"_qs);
        state.ResumeTiming();
        chrono.start();
        const double cpuAvant = banc::cpuMs();
        p.aficheCalend().TravailSix({.sortie = calendrier::Sortie::ImprimanteAnnee, .annee = 2026});
        total += chrono.nsecsElapsed();
        cpu += banc::cpuMs() - cpuAvant;
        if (!QFile::exists(u"Calendrier2026.pdf"_qs))
            state.SkipWithError("pas de PDF");
    }
    const double ms = total / 1e6 / double(state.iterations());
    state.counters["pic_Mo"] = banc::picMo();
    // Against the floor in elapsed time, and in the processor time of all
    // threads (which a machine busy with other work does not distort).
    if (plancher.ms > 0)
        state.counters["rapport_plancher"] = ms / plancher.ms;
    if (plancher.cpuMs > 0)
        state.counters["rapport_cpu"] = cpu / double(state.iterations()) / plancher.cpuMs;
    state.counters["pdf_Mo"] = QFileInfo(u"Calendrier2026.pdf"_qs).size() / 1048576.0;
}
BENCHMARK(BM_AnneeImprimee)->Unit(benchmark::kMillisecond)->Iterations(3);

// A year saved as a save writes it: thirteen BMP pages of the page window's size.
const QStringList& pagesSauvees() {
    static const QStringList pages = [] {
        atelier();
        Programme& p = programme();
        p.aficheCalend().Form_Load();
        const QSize taille = p.aficheCalend().size();
        const calendrier::FichiersTravail f;
        calendrier::SauvegardeCalendrier sauvegarde(f, u"BANC"_qs, u"2026"_qs);
        for (int page = 0; page < calendrier::kPagesParCalendrier; ++page) {
            QImage image(taille, QImage::Format_RGB32);
            QPainter peintre(&image);
            peintre.drawImage(image.rect(), QImage(atelier().photos().at(page)));
            peintre.setFont(QFont(u"Arial"_qs, 40));
            peintre.drawText(image.rect(), Qt::AlignCenter, regles::nomMois(page));
            peintre.end();
            sauvegarde.ajouterPage(page, image);
        }
        sauvegarde.terminer();
        return f.pagesCalendrier(u"BANC2026.Ans"_qs);
    }();
    return pages;
}

// The viewer's months, a click on the cover showing the twelve thumbnails,
// against the floor of the thirteen pages decoded at their own size: both in
// each iteration, so that a machine busy with other work weighs on both
// alike; in elapsed time and in processor time.
void BM_MoisDuCalendrierSauve(benchmark::State& state) {
    const QStringList& pages = pagesSauvees();
    VoirCalend& v = programme().voirCalend();
    v.Form_Load();
    QElapsedTimer chrono;
    qint64 mois = 0, entieres = 0;
    double cpuMois = 0, cpuEntieres = 0;
    for (auto _ : state) {
        state.PauseTiming();
        v.Lire();
        v.File1.setListIndex(0);
        state.ResumeTiming();
        chrono.start();
        double cpu = banc::cpuMs();
        v.Image14_Click();
        mois += chrono.nsecsElapsed();
        cpuMois += banc::cpuMs() - cpu;
        if (v.Image(12).estVide())
            state.SkipWithError("vignettes absentes");
        state.PauseTiming();
        chrono.start();
        cpu = banc::cpuMs();
        for (const QString& page : pages)
            benchmark::DoNotOptimize(plateforme::chargerImage(page).constBits());
        entieres += chrono.nsecsElapsed();
        cpuEntieres += banc::cpuMs() - cpu;
        state.ResumeTiming();
    }
    state.counters["pages_entieres_ms"] = entieres / 1e6 / double(state.iterations());
    state.counters["rapport_pages_entieres"] = double(mois) / double(entieres);
    state.counters["rapport_cpu"] = cpuMois / cpuEntieres;
    state.counters["vignette_px"] = v.Image(1).tailleDecodee().width();
}
BENCHMARK(BM_MoisDuCalendrierSauve)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    calendrier::Services services = calendrier::servicesDuSysteme();
    services.aujourdhui = [] { return QDate(2026, 3, 18); };
    services.fin = [] {};
    // Every document goes to a PDF here, whatever printers the machine has.
    services.imprimante = [](const QString& pdf) { return plateforme::imprimantePdf(pdf); };
    Programme programme(services);
    // The screen most of these pages are made on: 1024 x 768.
    programme.zoom().setEcran([] { return QSize(1024, 768); });
    leProgramme = &programme;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
