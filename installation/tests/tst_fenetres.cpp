// The pieces the installer shares with the uninstaller: the shape of their
// main windows read from a shape file, the topmost layer, the language file.

#include "installation/commun/langue.h"
#include "installation/commun/miseenpage.h"
#include "installation/essais/bac.h"
#include "plateforme/noyau/fichiertexte.h"

#include <QBitmap>
#include <cmath>

using namespace installation;

Q_DECLARE_METATYPE(installation::Forme)

namespace {

// -1 outside the rounded rectangle, 1 inside, 0 too near its edge to say.
int cote(const Forme& f, double x, double y) {
    const double rx = f.largeurCoin / 2, ry = f.hauteurCoin / 2;
    const double cx = std::clamp(x, rx, f.largeur - rx);
    const double cy = std::clamp(y, ry, f.hauteur - ry);
    const double d = std::hypot((x - cx) / rx, (y - cy) / ry);
    const double marge = 1.5 / std::min(rx, ry);
    return d < 1 - marge ? 1 : d > 1 + marge ? -1 : 0;
}

} // namespace

class TestFenetres : public QObject {
    Q_OBJECT

    std::unique_ptr<Bac> bac_;

private slots:
    void init() { bac_ = std::make_unique<Bac>(); }

    // The shape written, then read into a window: its size, and a mask with
    // corners rounded to whole numbers; unreadable, the window stays as it was.
    void formes_data() {
        QTest::addColumn<Forme>("forme");
        QTest::addColumn<QStringList>("lignes"); // written instead when there are some
        QTest::newRow("installeur") << kFormeInstalleur << QStringList();
        QTest::newRow("coins inegaux") << Forme{80.4, 30.6, 300, 200} << QStringList();
        QTest::newRow("trois nombres") << Forme{} << u" 60 | 60 | 641 "_qs.split(u'|');
        QTest::newRow("pas un nombre") << Forme{} << u" 60 |x| 641 | 5 "_qs.split(u'|');
    }
    void formes() {
        QFETCH(Forme, forme);
        QFETCH(QStringList, lignes);
        const QString fichier = bac_->chemin(u"forme"_qs);
        QWidget fenetre;
        fenetre.resize(123, 45);
        QVERIFY(lignes.isEmpty() ? ecrireForme(fichier, forme)
                                 : plateforme::reecrire(fichier, lignes));
        QCOMPARE(FormeFenetre(fenetre, fichier), lignes.isEmpty());
        QCOMPARE(fenetre.size(),
                 lignes.isEmpty() ? QSize(forme.largeur, forme.hauteur) : QSize(123, 45));
        const QRegion masque = fenetre.mask();
        const Forme arrondie{std::round(forme.largeurCoin), std::round(forme.hauteurCoin),
                             forme.largeur, forme.hauteur};
        int compares = 0;
        for (int y = 0; y < forme.hauteur; ++y)
            for (int x = 0; x < forme.largeur; ++x)
                if (const int c = cote(arrondie, x + 0.5, y + 0.5); c != 0) {
                    QCOMPARE(masque.contains(QPoint(x, y)), c > 0);
                    ++compares;
                }
        QVERIFY(compares >= forme.largeur * forme.hauteur * 9 / 10);
        QCOMPARE(masque.isEmpty(), !lignes.isEmpty());
    }

    // Changing layer keeps the window shown where it was.
    void premierPlan() {
        QWidget fenetre;
        fenetre.setGeometry(40, 50, 200, 100);
        for (bool dessus : {true, false}) {
            QVERIFY(PremierPlan(fenetre, dessus) && fenetre.isVisible());
            QCOMPARE(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint), dessus);
            QCOMPARE(fenetre.geometry(), QRect(40, 50, 200, 100));
        }
    }

    // The language kept in the code page, its line ended by CR LF; only
    // "Français" itself is French.
    void langue() {
        QVERIFY(!langueChoisie());
        QCOMPARE(cheminLangue(), bac_->chemin(u"config/quivex/Langue.dat"_qs));
        for (const auto& [texte, octets] : {std::pair{u"English"_qs, QByteArray("English\r\n")},
                                            {u"français"_qs, QByteArray("fran\347ais\r\n")},
                                            {u"日本"_qs, QByteArray("??\r\n")},
                                            {u"Français"_qs, QByteArray("Fran\347ais\r\n")}}) {
            QVERIFY(ecrireLangue(texte));
            QCOMPARE(contenu(cheminLangue()), octets);
            QCOMPARE(lireLangue() == Langue::Francais, texte == u"Français");
        }
        QVERIFY(langueChoisie());
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
