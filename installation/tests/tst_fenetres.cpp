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

    void formes_data() {
        QTest::addColumn<Forme>("forme");
        QTest::newRow("installeur") << kFormeInstalleur;
        QTest::newRow("desinstalleur") << kFormeDesinstalleur;
        QTest::newRow("coins inegaux") << Forme{80.4, 30.6, 300, 200};
    }
    void formes() {
        QFETCH(Forme, forme);
        const QString fichier = bac_->chemin(u"forme"_qs);
        QVERIFY(ecrireForme(fichier, forme));
        QCOMPARE(plateforme::lireLignes(fichier).value(2), champNombre(forme.largeur));
        QWidget fenetre;
        QVERIFY(FormeFenetre(fenetre, fichier));
        QCOMPARE(fenetre.size(), QSize(forme.largeur, forme.hauteur));
        QVERIFY(fenetre.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRegion masque = fenetre.mask();
        QCOMPARE(masque.boundingRect(), QRect(0, 0, forme.largeur, forme.hauteur));
        // The corners are rounded as the numbers say, with whole-number corners.
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

    void formeIllisible_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("trois nombres") << QStringList{u" 60 "_qs, u" 60 "_qs, u" 641 "_qs};
        QTest::newRow("pas un nombre") << QStringList{u" 60 "_qs, u"x"_qs, u" 641 "_qs, u" 5 "_qs};
        QTest::newRow("vide") << QStringList{};
    }
    void formeIllisible() {
        QFETCH(QStringList, lignes);
        const QString fichier = bac_->chemin(u"forme"_qs);
        QVERIFY(plateforme::reecrire(fichier, lignes));
        QWidget fenetre;
        fenetre.resize(123, 45);
        QVERIFY(!FormeFenetre(fenetre, fichier));
        QCOMPARE(fenetre.size(), QSize(123, 45));
        QVERIFY(fenetre.mask().isEmpty());
    }

    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 200, 100);
        QVERIFY(PremierPlan(fenetre));
        QVERIFY(fenetre.isVisible());
        QVERIFY(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(fenetre.geometry(), QRect(40, 50, 200, 100));
        QVERIFY(PremierPlan(fenetre, false));
        QVERIFY(!fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(fenetre.isVisible());
    }

    void variantes_data() {
        QTest::addColumn<Variante>("variante");
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("societe");
        QTest::newRow("installeur") << Variante::Installeur << u"Français"_qs << u"ADRESSE"_qs
                                    << u"Un logiciel conçu par Quivex  "_qs;
        QTest::newRow("installer") << Variante::Installeur << u"English"_qs << u"ADDRESS"_qs
                                   << u"Software designed by Quivex  "_qs;
        QTest::newRow("desinstalleur")
            << Variante::Desinstalleur << u"Français"_qs << u"DESINSTALLATION"_qs
            << u"Un logiciel conçu par Quivex  "_qs;
        QTest::newRow("uninstaller")
            << Variante::Desinstalleur << u"English"_qs << u"DÉSINSTALLATION"_qs
            << u"Software designed by Quivex  "_qs;
    }
    void variantes() {
        QFETCH(Variante, variante);
        QFETCH(QString, langue);
        QFETCH(QString, nom);
        QFETCH(QString, societe);
        const bool installeur = variante == Variante::Installeur;
        HoteEssai hote(variante);
        Language language(hote);
        language.Form_Load();
        QVERIFY(language.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        language.Combo1.setCurrentText(langue);
        language.Command1_Click();
        QCOMPARE(hote.ouverts, QStringList{u"Copyright"_qs});
        QVERIFY(!language.isVisible());
        // Only the installer's copy leaves the topmost layer.
        QCOMPARE(language.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !installeur);

        Copyright splash(hote);
        splash.Form_Load();
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint), installeur);
        QCOMPARE(splash.LabelNom.text(), nom);
        QCOMPARE(splash.LabelCopyright.text(), societe);
        QCOMPARE(splash.LabelMiseEnGarde.text(), QString());
        QTRY_COMPARE(hote.ouverts.size(), 2);
        QCOMPARE(hote.ouverts.last(), u"Vert"_qs);
        QCOMPARE(splash.ProgressBar1.value(), 99);
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
        QTest::newRow("Français") << u"Français"_qs
                                  << QByteArray("Fran\xe7"
                                                "ais\r\n")
                                  << true;
        QTest::newRow("English") << u"English"_qs << QByteArray("English\r\n") << false;
        QTest::newRow("minuscule") << u"français"_qs
                                   << QByteArray("fran\xe7"
                                                 "ais\r\n")
                                   << false;
        QTest::newRow("blanc") << u"Français "_qs
                               << QByteArray("Fran\xe7"
                                             "ais \r\n")
                               << false;
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
