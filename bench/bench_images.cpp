// Showing a 24-megapixel photo in the picture windows' previews, beside
// decoding the same photo whole.

#include "plateforme/disposition.h"
#include "plateforme/images.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Made once per run: 6000 x 4000, with detail everywhere, as a camera gives.
QString grandePhoto() {
    static QTemporaryDir dossier;
    static const QString chemin = dossier.filePath(u"photo.jpg"_qs);
    static const bool pret = [] {
        QImage image(6000, 4000, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient ciel(0, 0, 0, 4000);
        ciel.setColorAt(0, QColor(60, 110, 190));
        ciel.setColorAt(1, QColor(90, 140, 60));
        p.fillRect(image.rect(), ciel);
        QRandomGenerator g(24);
        for (int i = 0; i < 40000; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromHsv(g.bounded(360), 120, 80 + g.bounded(170), 160));
            p.drawEllipse(QPointF(g.bounded(6000), g.bounded(4000)), 2 + g.bounded(30),
                          2 + g.bounded(30));
        }
        p.end();
        return image.save(chemin, "JPEG", 90);
    }();
    if (!pret)
        qFatal("impossible d'écrire la photo de mesure");
    return chemin;
}

// The preview boxes as shown on a 1280 x 1024 screen (zoom 164 %): LireImage's
// and Entete's large preview, and one month box of DouzeImage.
QSize boite(int largeurTwips, int hauteurTwips) {
    return {plateforme::pixels(largeurTwips * 1.64), plateforme::pixels(hauteurTwips * 1.64)};
}

void BM_Apercu(benchmark::State& etat) {
    const QString photo = grandePhoto();
    const QSize taille = etat.range(0) == 0 ? boite(8317, 5858) : boite(2123, 1500);
    plateforme::BoiteImage image;
    image.resize(taille);
    for (auto _ : etat) {
        image.charger(photo);
        benchmark::DoNotOptimize(image.grab());
    }
    etat.SetLabel(QStringLiteral("%1 x %2").arg(taille.width()).arg(taille.height()).toStdString());
}

void BM_DecodageComplet(benchmark::State& etat) {
    const QString photo = grandePhoto();
    for (auto _ : etat)
        benchmark::DoNotOptimize(plateforme::chargerImage(photo));
}

} // namespace

BENCHMARK(BM_Apercu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodageComplet)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
