#include "arbrovue/pidl.h"

#include <QTest>
#include <functional>

using namespace arbrovue;

namespace {

// A list from item sizes, each item filled with its rank from `premier`.
QByteArray liste(const QList<int>& tailles, int premier = 0) {
    QByteArray octets;
    for (qsizetype i = 0; i < tailles.size(); ++i) {
        const auto t = static_cast<quint16>(tailles[i]);
        octets.append(reinterpret_cast<const char*>(&t), 2);
        octets.append(tailles[i] - 2, char('a' + premier + i));
    }
    return octets.append(2, '\0');
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
    // A list counted and measured; its last item, its parent list, or its
    // first n items joined to the rest, copied. Each copy just fits at its
    // limit, and one byte more is an error.
    void copies_data() {
        QTest::addColumn<QString>("copie");
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("tailles");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("dernier par -1") << u"item"_qs << -1 << QList{4, 5, 3} << liste({3}, 2);
        QTest::newRow("parent de trois") << u"parent"_qs << 0 << QList{4, 5, 3} << liste({4, 5});
        QTest::newRow("parent du vide")
            << u"parent"_qs << 0 << QList<int>{} << QByteArray("<rien>");
        QTest::newRow("parent du vide permis") << u"permis"_qs << 0 << QList<int>{} << liste({});
        for (auto [copie, n, tailles, garde] : {std::tuple{u"item"_qs, 1, QList{32765}, 1},
                                                {u"parent"_qs, 0, QList{20000, 12765, 3}, 2},
                                                {u"joint"_qs, 1, QList{16000, 16763}, 2}}) {
            QTest::addRow("%ls à la limite", qUtf16Printable(copie))
                << copie << n << tailles << liste(tailles.mid(0, garde));
            tailles[garde - 1] += 1;
            QTest::addRow("%ls un octet de trop", qUtf16Printable(copie))
                << copie << n << tailles << QByteArray("<depassement>");
        }
    }
    void copies() {
        QFETCH(QString, copie);
        QFETCH(int, n);
        QFETCH(QList<int>, tailles);
        QFETCH(QByteArray, attendu);
        const QByteArray l = liste(tailles);
        QCOMPARE(GetItemCount(pidl(l)), tailles.size());
        QCOMPARE(int(GetPidlSize(pidl(l))), l.size() < 32768 ? l.size() : 0);
        const QByteArray debut = liste(tailles.mid(0, n)), fin = liste(tailles.mid(n), n);
        QCOMPARE(octetsDe([&] {
                     if (copie == u"joint")
                         return ConcatPidl(pidl(debut), pidl(fin));
                     return copie == u"item" ? CopyItemAt(pidl(l), n)
                                             : CopyParentPidl(pidl(l), copie == u"permis");
                 }),
                 attendu);
    }
};

QTEST_APPLESS_MAIN(TestPidl)
#include "tst_pidl.moc"
