#include "arbrovue/pidl.h"

#include <QByteArray>
#include <QTest>
#include <functional>

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

// Items `premier` to `premier + nombre - 1` of liste(tailles), terminated.
QByteArray extrait(const QList<int>& tailles, int premier, int nombre) {
    qsizetype debut = 0, longueur = 0;
    for (int i = 0; i < premier + nombre; ++i)
        (i < premier ? debut : longueur) += tailles[i];
    return liste(tailles).mid(debut, longueur) + QByteArray(2, '\0');
}

const Octet* pidl(const QByteArray& octets) {
    return reinterpret_cast<const Octet*>(octets.constData());
}

// The bytes of what `copie` gives, or what went wrong.
QByteArray octetsDe(const std::function<Pidl()>& copie) {
    try {
        const Pidl p = copie();
        return p ? QByteArray(reinterpret_cast<const char*>(p.get()), GetPidlSize(p.get()))
                 : QByteArray("<rien>");
    } catch (const DepassementPidl&) {
        return "<depassement>";
    }
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
        QCOMPARE(octetsDe([&] { return DuplicatePidl(pidl(l)); }),
                 taille ? l : QByteArray("<rien>"));
    }

    void sansListe() {
        QCOMPARE(GetItemCount(nullptr), 0);
        QCOMPARE(int(GetPidlSize(nullptr)), 0);
        QCOMPARE(GetNextItem(nullptr), nullptr);
        QCOMPARE(octetsDe([] { return ConcatPidl(nullptr, nullptr); }), liste({}));
    }

    // One item, or the parent list, copied; past 16 bits, an error.
    void copies_data() {
        QTest::addColumn<QList<int>>("tailles");
        QTest::addColumn<int>("n"); // CopyItemAt(n); 0: CopyParentPidl, -2 allowing empty
        QTest::addColumn<QByteArray>("attendu");
        const QList<int> trois{4, 5, 3};
        QTest::newRow("premier") << trois << 1 << extrait(trois, 0, 1);
        QTest::newRow("dernier par -1") << trois << -1 << extrait(trois, 2, 1);
        QTest::newRow("au-delà du compte") << trois << 9 << extrait(trois, 2, 1);
        QTest::newRow("item de liste vide") << QList<int>{} << -1 << liste({});
        QTest::newRow("item à la limite") << QList<int>{32765} << 1 << liste({32765});
        QTest::newRow("item trop grand") << QList<int>{32766} << 1 << QByteArray("<depassement>");
        QTest::newRow("dernier trop grand")
            << QList<int>{3, 60000} << -1 << QByteArray("<depassement>");
        QTest::newRow("parent de trois") << trois << 0 << liste({4, 5});
        QTest::newRow("parent d'un item") << QList<int>{6} << 0 << liste({});
        QTest::newRow("parent du vide refusé") << QList<int>{} << 0 << QByteArray("<rien>");
        QTest::newRow("parent du vide permis") << QList<int>{} << -2 << liste({});
        QTest::newRow("parent trop grand")
            << QList<int>{20000, 12766, 3} << 0 << QByteArray("<depassement>");
    }
    void copies() {
        QFETCH(QList<int>, tailles);
        QFETCH(int, n);
        QFETCH(QByteArray, attendu);
        const QByteArray l = liste(tailles);
        QCOMPARE(octetsDe([&] {
                     return n == 0 || n == -2 ? CopyParentPidl(pidl(l), n == -2)
                                              : CopyItemAt(pidl(l), n);
                 }),
                 attendu);
        QCOMPARE(l, liste(tailles)); // the input survives
    }

    void concatenation_data() {
        QTest::addColumn<QList<int>>("premiere");
        QTest::addColumn<QList<int>>("seconde");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("vide puis un") << QList<int>{} << QList<int>{5} << liste({5});
        QTest::newRow("un puis deux")
            << QList<int>{5} << QList<int>{3, 4} << liste({5}).chopped(2) + liste({3, 4});
        QTest::newRow("à la limite")
            << QList<int>{16000} << QList<int>{16763} << liste({16000}).chopped(2) + liste({16763});
        QTest::newRow("un octet de trop")
            << QList<int>{16000} << QList<int>{16764} << QByteArray("<depassement>");
        QTest::newRow("au-delà de 16 bits")
            << QList<int>{16000} << QList<int>{40000} << QByteArray("<depassement>");
    }
    void concatenation() {
        QFETCH(QList<int>, premiere);
        QFETCH(QList<int>, seconde);
        QFETCH(QByteArray, attendu);
        const QByteArray a = liste(premiere), b = liste(seconde);
        QCOMPARE(octetsDe([&] { return ConcatPidl(pidl(a), pidl(b)); }), attendu);
        QCOMPARE(a + b, liste(premiere) + liste(seconde));
    }

    void item() {
        QCOMPARE(octetsDe([] { return CreerItem(reinterpret_cast<const Octet*>("Fx"), 2); }),
                 QByteArray("\x04\0Fx\0\0", 6));
        QCOMPARE(octetsDe([] { return CreerItem(nullptr, 32764); }), "<depassement>");
    }
};

QTEST_APPLESS_MAIN(TestPidl)
#include "tst_pidl.moc"
