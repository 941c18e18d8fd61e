// The pieces the installer shares with the uninstaller: the shape of their
// main windows read from a shape file, the topmost layer, the language file.

#include "installation/commun/copyright.h"
#include "installation/commun/language.h"
#include "installation/commun/langue.h"
#include "installation/commun/miseenpage.h"
#include "installation/essais/bac.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QBitmap>
#include <QTest>
#include <cmath>

using namespace installation;

Q_DECLARE_METATYPE(installation::Forme)
Q_DECLARE_METATYPE(installation::Variante)

namespace {

// -1 outside the rounded rectangle, 1 inside, 0 too near its edge to say.
int cote(const Forme& f, double x, double y) {
    const double rx = f.largeurCoin / 2, ry = f.hauteurCoin / 2;
    const double cx = std::clamp(x, rx, f.largeur - rx);
    const double cy = std::clamp(y, ry, f.hauteur - ry);
    const double d = std::hypot((x - cx) / rx, (y - cy) / ry);
    const double marge = 1.5 / std::min(rx, ry);
    if (x < 0 || y < 0 || x > f.largeur || y > f.hauteur)
        return -1;
    return d < 1 - marge ? 1 : d > 1 + marge ? -1 : 0;
}

// The program around the shared windows: records what they open.
class HoteEssai : public Hote {
public:
    explicit HoteEssai(Variante v) : variante_(v) {}
    Variante variante() const override { return variante_; }
    void ouvrirLanguage() override { ouverts << u"Language"_qs; }
    void ouvrirCopyright() override { ouverts << u"Copyright"_qs; }
    void ouvrirVert() override { ouverts << u"Vert"_qs; }
    int intervalleSplash() const override { return 1; }
    void informer(QWidget*, const QString&, const QString& texte) override { messages << texte; }
    QStringList ouverts;
    QStringList messages;

private:
    Variante variante_;
};

} // namespace

class TestFenetres : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;

private slots:
    void init() { bac_ = std::make_unique<Bac>(); }
    void cleanup() { bac_.reset(); }

    // The shape written, then read into a window: its size, and a mask with
    // corners rounded as the numbers say; unreadable, the window stays as it was.
    void formes_data() {
        QTest::addColumn<Forme>("forme");
        QTest::addColumn<QStringList>("lignes"); // written instead when there is no shape
        QTest::newRow("installeur") << kFormeInstalleur << QStringList();
        QTest::newRow("desinstalleur") << kFormeDesinstalleur << QStringList();
        QTest::newRow("coins inegaux") << Forme{80.4, 30.6, 300, 200} << QStringList();
        QTest::newRow("trois nombres")
            << Forme{} << QStringList{u" 60 "_qs, u" 60 "_qs, u" 641 "_qs};
        QTest::newRow("pas un nombre")
            << Forme{} << QStringList{u" 60 "_qs, u"x"_qs, u" 641 "_qs, u" 5 "_qs};
        QTest::newRow("vide") << Forme{} << QStringList();
    }
    void formes() {
        QFETCH(Forme, forme);
        QFETCH(QStringList, lignes);
        const QString fichier = bac_->chemin(u"forme"_qs);
        QWidget fenetre;
        fenetre.resize(123, 45);
        if (forme.largeur == 0) {
            QVERIFY(plateforme::reecrire(fichier, lignes));
            QVERIFY(!FormeFenetre(fenetre, fichier));
            QCOMPARE(fenetre.size(), QSize(123, 45));
            QVERIFY(fenetre.mask().isEmpty());
            return;
        }
        QVERIFY(ecrireForme(fichier, forme));
        QCOMPARE(plateforme::lireLignes(fichier).value(2), champNombre(forme.largeur));
        QVERIFY(FormeFenetre(fenetre, fichier));
        QCOMPARE(fenetre.size(), QSize(forme.largeur, forme.hauteur));
        QVERIFY(fenetre.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRegion masque = fenetre.mask();
        QCOMPARE(masque.boundingRect(), QRect(0, 0, forme.largeur, forme.hauteur));
        // Whole-number corners.
        const Forme arrondie{std::round(forme.largeurCoin), std::round(forme.hauteurCoin),
                             forme.largeur, forme.hauteur};
        int compares = 0;
        for (int y = 0; y < forme.hauteur; ++y)
            for (int x = 0; x < forme.largeur; ++x)
                if (const int c = cote(arrondie, x + 0.5, y + 0.5); c != 0) {
                    QCOMPARE(masque.contains(QPoint(x, y)), c > 0);
                    ++compares;
                }
        QVERIFY(compares > forme.largeur * forme.hauteur * 9 / 10);
    }

    // Changing layer keeps the window shown where it was.
    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 200, 100);
        for (bool dessus : {true, false}) {
            QVERIFY(PremierPlan(fenetre, dessus));
            QVERIFY(fenetre.isVisible());
            QCOMPARE(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint), dessus);
            QCOMPARE(fenetre.geometry(), QRect(40, 50, 200, 100));
        }
    }

    // The language chosen opens the splash, whose ticks open the main window;
    // only the installer's language window leaves the topmost layer.
    void variantes_data() {
        QTest::addColumn<Variante>("variante");
        QTest::newRow("installeur") << Variante::Installeur;
        QTest::newRow("desinstalleur") << Variante::Desinstalleur;
    }
    void variantes() {
        QFETCH(Variante, variante);
        const bool installeur = variante == Variante::Installeur;
        HoteEssai hote(variante);
        Language language(hote);
        language.Form_Load();
        QVERIFY(language.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        language.Command1_Click();
        QCOMPARE(hote.ouverts, QStringList{u"Copyright"_qs});
        QVERIFY(!language.isVisible());
        QCOMPARE(language.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !installeur);

        Copyright splash(hote);
        splash.Form_Load();
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint), installeur);
        splash.Timer1.stop();
        while (splash.isVisible())
            splash.Timer1_Timer();
        QCOMPARE(hote.ouverts, (QStringList{u"Copyright"_qs, u"Vert"_qs}));
        QVERIFY(!splash.isVisible());
    }

    void langueNonEnregistree() {
        // A file where the settings folder should be.
        QVERIFY(QFile(bac_->chemin(u"config/quivex"_qs)).open(QIODevice::WriteOnly));
        HoteEssai hote(Variante::Installeur);
        Copyright splash(hote);
        splash.Form_Load();
        QCOMPARE(hote.ouverts, QStringList{u"Language"_qs});
        QVERIFY(!splash.isVisible());
        Language language(hote);
        language.Form_Load();
        language.Command1_Click();
        QCOMPARE(hote.messages.size(), 1);
        QVERIFY(hote.messages[0].contains(cheminLangue()));
        QVERIFY(language.isVisible());
        QCOMPARE(hote.ouverts, QStringList{u"Language"_qs});
    }

    void langue_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("francais");
        QTest::newRow("Français") << u"Français"_qs << QByteArray("Fran\347ais\r\n") << true;
        QTest::newRow("English") << u"English"_qs << QByteArray("English\r\n") << false;
        QTest::newRow("minuscule") << u"français"_qs << QByteArray("fran\347ais\r\n") << false;
        QTest::newRow("blanc") << u"Français "_qs << QByteArray("Fran\347ais \r\n") << false;
        QTest::newRow("hors code") << u"日本"_qs << QByteArray("??\r\n") << false;
    }
    void langue() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QFETCH(bool, francais);
        QVERIFY(!langueChoisie());
        QCOMPARE(cheminLangue(), bac_->chemin(u"config/quivex/Langue.dat"_qs));
        QVERIFY(ecrireLangue(texte));
        QVERIFY(langueChoisie());
        QFile f(cheminLangue());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), octets);
        QCOMPARE(lireLangue() == Langue::Francais, francais);
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
