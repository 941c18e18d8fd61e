#pragma once

// The place the picture windows' tests work in: a sandbox whose working
// folder holds an Images folder of small pictures, a program object on a
// pinned 800 x 600 screen with its frame shown, the hand-overs to the page
// window noted instead of run, and the gestures of a user.

#include "calendrier/pictures/composition.h"
#include "calendrier/pictures/fenetreimages.h"
#include "calendrier/programme.h"
#include "calendrier/shell/menuun.h"
#include "calendrier/testsupport/bacasable.h"
#include "plateforme/fichiertexte.h"

#include <QDir>
#include <QImage>
#include <QTest>

class Atelier {
public:
    // `noms`: the pictures laid in Images, each a small JPEG of its own colour.
    explicit Atelier(const QStringList& noms = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs,
                                                u"Corse.jpg"_qs}) {
        images::remplacerComposition(
            [this](Programme&, calendrier::Sortie sortie) { compositions << sortie; });
        QDir(bac.travail()).mkpath(u"Images"_qs);
        int teinte = 0;
        for (const QString& nom : noms)
            poserImage(images(nom), teinte += 40);
        programme.zoom().setEcran([] { return QSize(800, 600); });
        programme.menuUn().resize(800, 600);
        programme.menuUn().show();
    }

    ~Atelier() { images::remplacerComposition({}); }

    QString images(const QString& nom = {}) const {
        return QDir(bac.chemin(u"Images"_qs)).filePath(nom);
    }

    static void poserImage(const QString& chemin, int teinte, QSize taille = {160, 120}) {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(teinte % 360, 160, 200));
        QDir().mkpath(QFileInfo(chemin).path());
        QVERIFY(image.save(chemin, nullptr, 80));
    }
    static void poserTexte(const QString& chemin) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ceci n'est pas une image\n");
    }

    // Annee.ser as the hub leaves it once the output is chosen.
    void choisir(calendrier::Consultation genre, calendrier::Sortie sortie) const {
        const calendrier::FichiersTravail f;
        QVERIFY(f.commencerConsultation(genre));
        QVERIFY(f.choisirSortie(sortie));
    }
    // Annee.ser written by hand, for codes the hub never writes together.
    void ecrireAnnee(long long genre, long long sortie) const {
        QVERIFY(plateforme::reecrire(bac.chemin(calendrier::kAnneeSer),
                                     {QString::number(genre), QString::number(sortie)}));
    }

    QStringList lignes(const QString& nom) const { return plateforme::lireLignes(bac.chemin(nom)); }

    // The user's gestures.
    static void cliquerFichier(FenetreImages& f, int rang) {
        QListWidgetItem* item = f.File1.item(rang);
        QVERIFY(item);
        f.File1.scrollToItem(item);
        QTest::mouseClick(f.File1.viewport(), Qt::LeftButton, {},
                          f.File1.visualItemRect(item).center());
    }
    static void cliquerBouton(FenetreImages& f) {
        QVERIFY2(f.Command1.isVisible(), "the button is hidden");
        QTest::mouseClick(&f.Command1, Qt::LeftButton);
    }
    // A folder picked in the tree: the tree holds it in Chemin and says Click.
    static void cliquerDossier(FenetreImages& f, const QString& dossier) {
        f.Arbrovue1->setProperty("Chemin", dossier);
        QVERIFY(QMetaObject::invokeMethod(f.Arbrovue1, "Click"));
    }

    static QStringList listees(const FenetreImages& f) {
        QStringList noms;
        for (int i = 0; i < f.File1.count(); ++i)
            noms << f.File1.item(i)->text();
        return noms;
    }

    BacASable bac;
    Programme programme;
    // The page window's continuations asked for, oldest first.
    QList<calendrier::Sortie> compositions;
};
