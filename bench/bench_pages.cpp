// The calendar pages: composing one month, and a whole year captured and
// printed to PDF with thirteen 24-megapixel photographs, against the floor of
// decoding those photographs once at full size; and a saved calendar's
// months shown in the viewer, against decoding its pages at full size.

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
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int kLargeurPhoto = 6000;
constexpr int kHauteurPhoto = 4000; // 24 megapixels

// CPU time of every thread of the process, in milliseconds.
double cpuMs() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

double picMo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024.0;
}

// A photograph-like picture: broad gradients, a few shapes, and grain, so
// that it compresses and decodes like a real photo rather than a flat field.
void fairePhoto(const QString& chemin, int graine) {
    QImage image(kLargeurPhoto, kHauteurPhoto, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QLinearGradient ciel(0, 0, 0, kHauteurPhoto);
        ciel.setColorAt(0, QColor::fromHsv(graine * 27 % 360, 110, 230));
        ciel.setColorAt(1, QColor::fromHsv((graine * 27 + 120) % 360, 160, 70));
        p.fillRect(image.rect(), ciel);
        QRandomGenerator g(graine);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor::fromHsv(int(g.bounded(360)), 120, 60 + int(g.bounded(180)), 150));
            p.drawEllipse(QPoint(int(g.bounded(kLargeurPhoto)), int(g.bounded(kHauteurPhoto))),
                          100 + int(g.bounded(900)), 100 + int(g.bounded(700)));
        }
    }
    QRandomGenerator g(graine + 1000);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); x += 2) {
            const quint32 alea = g.generate();
            for (int k = 0; k < 2; ++k) {
                const int grain = int((alea >> (k * 8)) & 0x1F) - 16;
                const QRgb c = ligne[x + k];
                ligne[x + k] =
                    qRgb(std::clamp(qRed(c) + grain, 0, 255), std::clamp(qGreen(c) + grain, 0, 255),
                         std::clamp(qBlue(c) + grain, 0, 255));
            }
        }
    }
    image.save(chemin, "JPG", 90);
}

// The working folder of the benchmark, with its pictures and lists.
class Atelier {
public:
    Atelier() {
        QDir::setCurrent(dossier_.path());
        const QDir programme(QStringLiteral(QUIVEX_PROGRAMME_DIR_CONSTRUCTION));
        for (const QString& nom : {u"Prenoms"_qs, u"Couleur"_qs})
            QFile::copy(programme.filePath(nom), nom);
        for (int i = 0; i < calendrier::kPagesParCalendrier; ++i) {
            photos_ << QDir(dossier_.path()).filePath(u"photo%1.jpg"_qs.arg(i));
            fairePhoto(photos_.last(), i);
        }
        QStringList fetes, enfants;
        for (int i = 0; i < 40; ++i) {
            fetes << u"%1/%2"_qs.arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                  << u"FETE %1"_qs.arg(i);
            enfants << u"%1/%2/19%3"_qs.arg(i % 27 + 2, 2, 10, QLatin1Char('0'))
                           .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                           .arg(50 + i)
                    << u"ENFANT %1"_qs.arg(i);
        }
        plateforme::reecrire(u"Fete"_qs, fetes);
        plateforme::reecrire(u"Enfant"_qs, enfants);
        QDir().mkdir(calendrier::kSaveCalend);
        regles::CalculPaque(2026);
    }

    const QStringList& photos() const { return photos_; }

private:
    QTemporaryDir dossier_;
    QStringList photos_;
};

Atelier& atelier() {
    static Atelier a;
    return a;
}

// One program for the whole run, made in main once the application exists.
Programme* leProgramme = nullptr;

Programme& programme() {
    return *leProgramme;
}

double plancherMs = 0;
double plancherCpuMs = 0;

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
    atelier();
    QElapsedTimer chrono;
    qint64 total = 0;
    double cpu = 0;
    for (auto _ : state) {
        chrono.start();
        const double cpuAvant = cpuMs();
        for (const QString& photo : atelier().photos()) {
            QImageReader lecteur(photo);
            lecteur.setAllocationLimit(0);
            const QImage image = lecteur.read();
            if (image.width() != kLargeurPhoto)
                state.SkipWithError("photo non decodee");
            benchmark::DoNotOptimize(image.constBits());
        }
        total += chrono.nsecsElapsed();
        cpu += cpuMs() - cpuAvant;
    }
    plancherMs = total / 1e6 / double(state.iterations());
    plancherCpuMs = cpu / double(state.iterations());
    state.counters["pic_Mo"] = picMo();
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
        const double cpuAvant = cpuMs();
        p.aficheCalend().TravailSix({.sortie = calendrier::Sortie::ImprimanteAnnee, .annee = 2026});
        total += chrono.nsecsElapsed();
        cpu += cpuMs() - cpuAvant;
        if (!QFile::exists(u"Calendrier2026.pdf"_qs))
            state.SkipWithError("pas de PDF");
    }
    const double ms = total / 1e6 / double(state.iterations());
    state.counters["pic_Mo"] = picMo();
    // Against the floor in elapsed time, and in the processor time of all
    // threads (which a machine busy with other work does not distort).
    if (plancherMs > 0)
        state.counters["rapport_plancher"] = ms / plancherMs;
    if (plancherCpuMs > 0)
        state.counters["rapport_cpu"] = cpu / double(state.iterations()) / plancherCpuMs;
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
        double cpu = cpuMs();
        v.Image14_Click();
        mois += chrono.nsecsElapsed();
        cpuMois += cpuMs() - cpu;
        if (v.Image(12).estVide())
            state.SkipWithError("vignettes absentes");
        state.PauseTiming();
        chrono.start();
        cpu = cpuMs();
        for (const QString& page : pages)
            benchmark::DoNotOptimize(plateforme::chargerImage(page).constBits());
        entieres += chrono.nsecsElapsed();
        cpuEntieres += cpuMs() - cpu;
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
