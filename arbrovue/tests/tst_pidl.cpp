#include "arbrovue/pidl.h"

#include <QByteArray>
#include <QTest>

using namespace arbrovue;

namespace {

// A list from item sizes: each item is filled with its rank after its size,
// then the terminator.
QByteArray liste(const QList<int>& tailles) {
    QByteArray octets;
    for (qsizetype i = 0; i < tailles.size(); ++i) {
        const auto t = static_cast<quint16>(tailles[i]);
        octets.append(reinterpret_cast<const char*>(&t), 2);
        octets.append(tailles[i] - 2, char('a' + i));
    }
    return octets.append(2, '\0');
}

const Octet* pidl(const QByteArray& octets) {
    return reinterpret_cast<const Octet*>(octets.constData());
}

QByteArray octetsDe(const Pidl& p) {
    return p ? QByteArray(reinterpret_cast<const char*>(p.get()), GetPidlSize(p.get()))
             : QByteArray("<rien>");
}

} // namespace

class TestPidl : public QObject {
    Q_OBJECT

private slots:
    void compteEtTaille_data() {
        QTest::addColumn<QList<int>>("tailles");
        QTest::addColumn<int>("compte");
        QTest::addColumn<int>("taille");
        QTest::newRow("vide (le bureau)") << QList<int>{} << 0 << 2;
        QTest::newRow("un item") << QList<int>{5} << 1 << 7;
        QTest::newRow("tailles impaires") << QList<int>{3, 7, 4} << 3 << 16;
        QTest::newRow("juste à la limite") << QList<int>{32765} << 1 << 32767;
        QTest::newRow("limite en plusieurs items") << QList<int>{16000, 16765} << 2 << 32767;
        QTest::newRow("un octet de trop") << QList<int>{16000, 16766} << 2 << 0;
        QTest::newRow("somme au-delà de 16 bits") << QList<int>{40000, 40000} << 2 << 0;
    }
    void compteEtTaille() {
        QFETCH(QList<int>, tailles);
        QFETCH(int, compte);
        QFETCH(int, taille);
        const QByteArray l = liste(tailles);
        QCOMPARE(GetItemCount(pidl(l)), compte);
        QCOMPARE(int(GetPidlSize(pidl(l))), taille);
    }

    void sansListe() {
        QCOMPARE(GetItemCount(nullptr), 0);
        QCOMPARE(int(GetPidlSize(nullptr)), 0);
        QCOMPARE(int(GetItemSize(nullptr)), 0);
        QCOMPARE(GetNextItem(nullptr), nullptr);
        QVERIFY(!DuplicatePidl(nullptr));
    }

    void parcours() {
        const QByteArray l = liste({3, 7});
        const Octet* second = GetNextItem(pidl(l));
        QCOMPARE(int(GetItemSize(second)), 7);
        const Octet* fin = GetNextItem(second);
        QCOMPARE(int(GetItemSize(fin)), 0);
        QCOMPARE(GetNextItem(fin), nullptr);
    }

    void copieUnItem_data() {
        QTest::addColumn<QList<int>>("tailles");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("rang"); // of the item expected, -1 for none
        const QList<int> trois{4, 5, 3};
        QTest::newRow("premier") << trois << 1 << 0;
        QTest::newRow("deuxième") << trois << 2 << 1;
        QTest::newRow("dernier par -1") << trois << -1 << 2;
        QTest::newRow("au-delà du compte") << trois << 9 << 2;
        QTest::newRow("liste vide") << QList<int>{} << -1 << -1;
    }
    void copieUnItem() {
        QFETCH(QList<int>, tailles);
        QFETCH(int, n);
        QFETCH(int, rang);
        const QByteArray l = liste(tailles);
        QByteArray attendu(2, '\0');
        if (rang >= 0) {
            qsizetype debut = 0;
            for (int i = 0; i < rang; ++i)
                debut += tailles[i];
            attendu.prepend(l.mid(debut, tailles[rang]));
        }
        QCOMPARE(octetsDe(CopyItemAt(pidl(l), n)), attendu);
    }

    void copieParente_data() {
        QTest::addColumn<QList<int>>("tailles");
        QTest::addColumn<bool>("permettreVide");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("trois items") << QList<int>{4, 5, 3} << false << liste({4, 5});
        QTest::newRow("un item: liste vide") << QList<int>{6} << false << QByteArray(2, '\0');
        QTest::newRow("vide refusé") << QList<int>{} << false << QByteArray("<rien>");
        QTest::newRow("vide permis") << QList<int>{} << true << QByteArray(2, '\0');
    }
    void copieParente() {
        QFETCH(QList<int>, tailles);
        QFETCH(bool, permettreVide);
        QFETCH(QByteArray, attendu);
        const QByteArray l = liste(tailles);
        QCOMPARE(octetsDe(CopyParentPidl(pidl(l), permettreVide)), attendu);
        QCOMPARE(l, liste(tailles)); // the input survives
    }

    void concatenation() {
        const QByteArray vide = liste({});
        const QByteArray un = liste({5});
        const QByteArray deux = liste({3, 4});
        QCOMPARE(octetsDe(ConcatPidl(pidl(vide), pidl(un))), un);
        QCOMPARE(octetsDe(ConcatPidl(nullptr, pidl(un))), un);
        QCOMPARE(octetsDe(ConcatPidl(pidl(un), nullptr)), un);
        QCOMPARE(octetsDe(ConcatPidl(nullptr, nullptr)), vide);
        QByteArray attendu = un.chopped(2) + deux;
        QCOMPARE(octetsDe(ConcatPidl(pidl(un), pidl(deux))), attendu);
        QCOMPARE(un, liste({5}));
        QCOMPARE(deux, liste({3, 4}));
    }

    void copieEntiereEtLiberation() {
        const QByteArray l = liste({3, 9, 2});
        Pidl copie = DuplicatePidl(pidl(l));
        QCOMPARE(octetsDe(copie), l);
        QVERIFY(copie.get() != pidl(l));
        FreePidl(copie);
        QVERIFY(!copie);
        FreePidl(copie); // twice is harmless
    }

    // The 16-bit limit: copies that would pass it are refused as errors.
    void depassements() {
        QVERIFY(CopyItemAt(pidl(liste({32765})), 1));
        QVERIFY_THROWS_EXCEPTION(DepassementPidl, CopyItemAt(pidl(liste({32766})), 1));
        QVERIFY_THROWS_EXCEPTION(DepassementPidl, CopyItemAt(pidl(liste({3, 60000})), -1));

        QVERIFY(CopyParentPidl(pidl(liste({32765, 3})), false));
        QVERIFY_THROWS_EXCEPTION(DepassementPidl,
                                 CopyParentPidl(pidl(liste({20000, 12766, 3})), false));

        const QByteArray a = liste({16000});
        QCOMPARE(int(GetPidlSize(ConcatPidl(pidl(a), pidl(liste({16763}))).get())), 32765);
        QVERIFY_THROWS_EXCEPTION(DepassementPidl, ConcatPidl(pidl(a), pidl(liste({16764}))));
        QVERIFY_THROWS_EXCEPTION(DepassementPidl, ConcatPidl(pidl(a), pidl(liste({40000}))));
    }

    void item() {
        const QByteArray donnees("Fx");
        const Pidl i = CreerItem(reinterpret_cast<const Octet*>(donnees.constData()), 2);
        QCOMPARE(octetsDe(i), QByteArray("\x04\0Fx\0\0", 6));
        QVERIFY_THROWS_EXCEPTION(DepassementPidl, CreerItem(nullptr, 32764));
    }
};

QTEST_APPLESS_MAIN(TestPidl)
#include "tst_pidl.moc"
