// Showing a 24-megapixel photo in the picture windows' previews, beside
// decoding the same photo whole through the same loader. Two files of the same
// photo: as an image program saves it (nothing but the photo: every byte must
// be decoded, whatever the scale), and as a camera saves it (with an EXIF
// thumbnail and a Multi-Picture Format preview that a small box may use).
// The large box shows a first view at once, then a sharp one: both timed.

#include "plateforme/fenetres/boiteimage.h"
#include "plateforme/fenetres/disposition.h"
#include "plateforme/tests/photoappareil.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 6000 x 4000, with detail everywhere, as a camera gives.
QImage paysage() {
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
    return image;
}

// Written once per run. 0: the photo alone; 1: as a camera writes it, with a
// 320 x 213 thumbnail and a 1620 x 1080 preview (sizes some cameras use).
QString grandePhoto(int genre) {
    static QTemporaryDir dossier;
    static const QStringList chemins = [] {
        const QImage image = paysage();
        const QByteArray photo = enJpeg(image, 90);
        const auto reduite = [&](int largeur, int hauteur) {
            return enJpeg(
                image.scaled(largeur, hauteur, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                90);
        };
        const QStringList noms = {dossier.filePath(u"photo.jpg"_qs),
                                  dossier.filePath(u"appareil.jpg"_qs)};
        const QList<QByteArray> contenus = {
            photo, photoAppareil(photo, 1, reduite(320, 213), reduite(1620, 1080))};
        for (qsizetype i = 0; i < noms.size(); ++i) {
            QFile f(noms[i]);
            if (photo.isEmpty() || !f.open(QIODevice::WriteOnly) ||
                f.write(contenus[i]) != contenus[i].size())
                qFatal("impossible d'écrire la photo de mesure");
        }
        return noms;
    }();
    return chemins[genre];
}

const char* nomPhoto(int genre) {
    return genre == 0 ? "photo seule" : "photo d'appareil";
}

// The preview boxes as shown on a 1280 x 1024 screen (zoom 164 %): LireImage's
// and Entete's large preview, and one month box of DouzeImage.
QSize boite(int largeurTwips, int hauteurTwips) {
    return {plateforme::pixels(largeurTwips * 1.64), plateforme::pixels(hauteurTwips * 1.64)};
}

// As the picture windows show a photo: the first view, then (argument 2 set)
// until it is sharp.
void BM_Apercu(benchmark::State& etat) {
    const QString photo = grandePhoto(int(etat.range(1)));
    const QSize taille = etat.range(0) == 0 ? boite(8317, 5858) : boite(2123, 1500);
    const bool nette = etat.range(2);
    plateforme::BoiteImage image;
    image.setApercu(true);
    image.resize(taille);
    for (auto _ : etat) {
        image.charger(photo);
        benchmark::DoNotOptimize(image.grab());
        if (nette) {
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(image.grab());
        }
    }
    etat.SetLabel(QStringLiteral("%1 x %2, %3%4")
                      .arg(taille.width())
                      .arg(taille.height())
                      .arg(QLatin1String(nomPhoto(int(etat.range(1)))))
                      .arg(nette ? u", nette"_qs : QString())
                      .toStdString());
}

void BM_DecodageComplet(benchmark::State& etat) {
    const QString photo = grandePhoto(int(etat.range(0)));
    for (auto _ : etat)
        benchmark::DoNotOptimize(plateforme::chargerImage(photo));
    etat.SetLabel(nomPhoto(int(etat.range(0))));
}

} // namespace

BENCHMARK(BM_Apercu)
    ->ArgsProduct({{0, 1}, {0, 1}, {0}})
    ->Args({0, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_DecodageComplet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
