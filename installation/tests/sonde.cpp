// Started from an installed copy, this program starts Qt as the suite's
// programs do, reads a JPEG picture and asks for the printers, then prints
// every file mapped into its memory, one a line, so that a test sees which
// Qt libraries and plugins were loaded, and from where.
//   sonde <picture>

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPrinterInfo>
#include <QSet>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const bool image = !QImageReader(QString::fromLocal8Bit(argv[1])).read().isNull();
    QPrinterInfo::availablePrinterNames();
    QFile cartes(u"/proc/self/maps"_qs);
    if (!cartes.open(QIODevice::ReadOnly))
        return 1;
    QSet<QByteArray> vus;
    for (const QByteArray& ligne : cartes.readAll().split('\n')) {
        const qsizetype debut = ligne.indexOf('/');
        if (debut >= 0 && !vus.contains(ligne.mid(debut))) {
            vus.insert(ligne.mid(debut));
            std::printf("%s\n", ligne.mid(debut).constData());
        }
    }
    return image ? 0 : 3;
}
