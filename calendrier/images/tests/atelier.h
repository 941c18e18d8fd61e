#pragma once

// The place the picture windows' tests work in: a sandbox whose working
// folder holds an Images folder of small pictures, a program object on a
// pinned 800 x 600 screen with its frame shown, the hand-overs to the page
// window noted instead of run, and the gestures of a user.

#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/images/fenetreimages.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QDir>
#include <QImage>
#include <QTest>

class Atelier {
public:
    // `noms`: the pictures laid in Images, each a small JPEG of its own colour.
    explicit Atelier(const QStringList& noms = {u"Alpes.jpg"_qs, u"Bretagne.jpg"_qs,
                                                u"Corse.jpg"_qs})
        : programme(services()) {
        QDir(bac.travail()).mkpath(u"Images"_qs);
        int teinte = 0;
        for (const QString& nom : noms)
            poserImage(images(nom), teinte += 40);
        programme.zoom().setEcran([] { return QSize(800, 600); });
        programme.menuUn().resize(800, 600);
        programme.menuUn().show();
    }

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

    // The window opened as the hub opens it once the output is chosen: the
    // working files written, the consultation handed over.
    void ouvrir(FenetreImages& f, calendrier::Sortie sortie, int mois = 3, int annee = 2027) const {
        const calendrier::Consultation c{.sortie = sortie, .mois = mois, .annee = annee};
        const calendrier::FichiersTravail fichiers;
        QVERIFY(fichiers.commencerConsultation(c.genre()));
        QVERIFY(fichiers.choisirSortie(sortie));
        f.ouvrir(c);
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
    ServicesEssai essai;
    // The page window's continuations asked for, oldest first.
    QList<calendrier::Sortie> compositions;
    Programme programme;

private:
    calendrier::Services services() {
        calendrier::Services s = essai.services();
        s.composition = [this](const calendrier::Consultation& c) { compositions << c.sortie; };
        return s;
    }
};
