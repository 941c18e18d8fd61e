#pragma once

// Where the picture windows' tests work: coloured pictures, an 800 x 600 screen.

#include "calendrier/coquille/menuun.h"
#include "calendrier/essais/bacasable.h"
#include "calendrier/essais/servicesessai.h"
#include "calendrier/images/fenetreimages.h"
#include "calendrier/programme.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QTest>

struct Atelier {
    BacASable bac;
    ServicesEssai essai;
    QList<calendrier::Sortie> compositions; // the page window's turns asked for
    Programme programme;
    explicit Atelier(const QStringList& noms = u"Alpes.jpg Bretagne.jpg Corse.jpg"_qs.split(u' '))
        : programme(noter(essai.services(), &compositions)) {
        QDir(bac.travail()).mkpath(u"Images"_qs);
        for (int i = 0; i < noms.size(); ++i)
            poserImage(images(noms[i]), 40 * (i + 1));
        programme.zoom().setEcran([] { return QSize(800, 600); });
        programme.menuUn().show();
    }
    QString images(const QString& nom = {}) const { return bac.chemin(u"Images/"_qs + nom); }
    QStringList lignes(const QString& nom) const { return plateforme::lireLignes(bac.chemin(nom)); }
    static calendrier::Services noter(calendrier::Services s, QList<calendrier::Sortie>* notees) {
        s.composition = [notees](const calendrier::Consultation& c) { *notees << c.sortie; };
        return s;
    }
    static void poserImage(const QString& chemin, int teinte, QSize taille = {160, 120}) {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(teinte % 360, 160, 200));
        QDir().mkpath(QFileInfo(chemin).path());
        QVERIFY(image.save(chemin, nullptr, 80));
    }
    // Opened as the hub opens it, the working files written first.
    void ouvrir(FenetreImages& f, calendrier::Sortie sortie) const {
        const calendrier::Consultation c{.sortie = sortie, .mois = 3, .annee = 2027};
        const calendrier::FichiersTravail fichiers;
        QVERIFY(fichiers.commencerConsultation(c.genre()) && fichiers.choisirSortie(sortie));
        f.ouvrir(c);
    }
    // The user's gestures; a folder picked in the tree is held in Chemin.
    static void cliquerFichier(FenetreImages& f, int rang) {
        f.File1.scrollToItem(f.File1.item(rang));
        QTest::mouseClick(f.File1.viewport(), Qt::LeftButton, {},
                          f.File1.visualItemRect(f.File1.item(rang)).center());
    }
    static void cliquerBouton(FenetreImages& f) {
        QVERIFY2(f.Command1.isVisible(), "the button is hidden");
        QTest::mouseClick(&f.Command1, Qt::LeftButton);
    }
    static void cliquerDossier(FenetreImages& f, const QString& dossier) {
        f.Arbrovue1->setProperty("Chemin", dossier);
        QVERIFY(QMetaObject::invokeMethod(f.Arbrovue1, "Click"));
    }
};
