#pragma once

// What the benchmarks of a year share: thirteen photograph-like 24-megapixel
// pictures, the family's lists, and the floor they are measured against, each
// photo decoded once at its full size.

#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace banc {

inline constexpr int kLargeur = 6000;
inline constexpr int kHauteur = 4000; // 24 megapixels

// Processor time of every thread of the process (or of its finished
// children), in milliseconds.
inline double cpuMs(int qui = RUSAGE_SELF) {
    rusage r{};
    getrusage(qui, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

inline double picMo(int qui = RUSAGE_SELF) {
    rusage r{};
    getrusage(qui, &r);
    return r.ru_maxrss / 1024.0;
}

// A photograph-like picture: broad gradients, a few shapes, and grain, so
// that it compresses and decodes like a real photo rather than a flat field.
inline void faire(const QString& chemin, int graine) {
    QImage image(kLargeur, kHauteur, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QLinearGradient ciel(0, 0, 0, kHauteur);
        ciel.setColorAt(0, QColor::fromHsv(graine * 27 % 360, 110, 230));
        ciel.setColorAt(1, QColor::fromHsv((graine * 27 + 120) % 360, 160, 70));
        p.fillRect(image.rect(), ciel);
        QRandomGenerator g(graine);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            p.setBrush(QColor::fromHsv(int(g.bounded(360)), 120, 60 + int(g.bounded(180)), 150));
            p.drawEllipse(QPoint(int(g.bounded(kLargeur)), int(g.bounded(kHauteur))),
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

// Forty fêtes and forty anniversaries spread over the year, in `dossier`.
inline void ecrireListes(const QDir& dossier) {
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
    plateforme::reecrire(dossier.filePath(u"Fete"_qs), fetes);
    plateforme::reecrire(dossier.filePath(u"Enfant"_qs), enfants);
}

// The working folder of a benchmark, made current: the thirteen photos, the
// lists, and the files delivered with the program.
class Atelier {
public:
    Atelier() {
        QDir::setCurrent(dossier_.path());
        const QDir programme(QStringLiteral(QUIVEX_PROGRAMME_DIR_CONSTRUCTION));
        for (const QString& nom : {u"Prenoms"_qs, u"Couleur"_qs})
            QFile::copy(programme.filePath(nom), nom);
        for (int i = 0; i < 13; ++i) {
            photos_ << QDir(dossier_.path()).filePath(u"photo%1.jpg"_qs.arg(i));
            faire(photos_.last(), i);
        }
        ecrireListes(QDir());
    }

    QString dossier() const { return dossier_.path(); }
    const QStringList& photos() const { return photos_; }

private:
    QTemporaryDir dossier_;
    QStringList photos_;
};

// The floor: each photograph decoded once at its full size.
struct Plancher {
    double ms = 0;
    double cpuMs = 0;
};

inline void mesurerPlancher(benchmark::State& state, const QStringList& chemins,
                            Plancher& plancher) {
    QElapsedTimer chrono;
    qint64 total = 0;
    double cpu = 0;
    for (auto _ : state) {
        chrono.start();
        const double cpuAvant = cpuMs();
        for (const QString& photo : chemins) {
            QImageReader lecteur(photo);
            lecteur.setAllocationLimit(0);
            const QImage image = lecteur.read();
            if (image.width() != kLargeur)
                state.SkipWithError("photo non decodee");
            benchmark::DoNotOptimize(image.constBits());
        }
        total += chrono.nsecsElapsed();
        cpu += cpuMs() - cpuAvant;
    }
    plancher.ms = total / 1e6 / double(state.iterations());
    plancher.cpuMs = cpu / double(state.iterations());
}

} // namespace banc
