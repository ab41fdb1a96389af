// Settings the stand-in takes from the program and keeps: what it accepts,
// what it refuses with -1 (keeping what it had), and the order it keeps
// them in.
#include "dal.h"
#include "dal_test.h"
#include "tsecondturn.h"
#include "ttestroot.h"

#include <QtTest>

namespace {

// Runs one call spelled "ports W S U B", "csc CH COMPONENT VALUE" or
// "bd DEVICE"; its result.
int run(const QString& call)
{
    const QStringList w = call.split(' ');
    QList<int> v;
    for (int i = 1; i < w.size(); ++i)
        v << w[i].toInt();
    if (w[0] == "ports" && v.size() == 4)
        return DalNetSetPort(v[0], v[1], v[2], v[3]);
    if (w[0] == "csc" && v.size() == 3)
        return DalVinSetCSC(v[0], v[1], v[2]);
    if (w[0] == "bd" && v.size() == 1)
        return DalBackupSetBd(v[0]);
    return INT_MIN;
}

// What the stand-in keeps of the kind of call: the four ports (watch,
// search, setup, web), camera 3's saturation, the backup device chosen.
QList<int> kept(const QString& kind)
{
    if (kind == "ports") {
        DalTestNet net;
        dalTestGetNet(&net);
        return {net.ports[0], net.ports[1], net.ports[2], net.ports[3]};
    }
    if (kind == "csc") {
        DalTestVinState in;
        dalTestVinGetState(3, &in);
        return {in.csc[1]};
    }
    DalTestBackupState st;
    dalTestBackupGetState(&st);
    return {st.selected};
}

} // namespace

class DalSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    // The stand-in's clock, not set, reads the host's clock as Qt reads it,
    // at the turn of a second too.
    void clockAtTheTurnOfASecond()
    {
        const auto standIn = [] {
            DalTestClock clock;
            dalTestGetClock(&clock);
            return qint64(clock.now);
        };
        QCOMPARE(secondTurnMismatch(standIn), QString());
    }

    void keptOrRefused_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("result"); // of the last call
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("ports in their order") << QStringList{"ports 2000 2001 2002 80"} << 0
                                              << QList<int>{2000, 2001, 2002, 80};
        QTest::newRow("port beyond 65535 refused, the ports kept")
            << QStringList{"ports 2000 2001 2002 80", "ports 1 2 3 65536"} << -1 << QList<int>{2000, 2001, 2002, 80};
        QTest::newRow("colour 100") << QStringList{"csc 3 1 100"} << 0 << QList<int>{100};
        QTest::newRow("colour 101 refused, the value kept") << QStringList{"csc 3 1 40", "csc 3 1 101"} << -1
                                                            << QList<int>{40};
        QTest::newRow("backup device 1") << QStringList{"bd 0", "bd 1"} << 0 << QList<int>{1};
        // The program passes a mount's device number on as it is.
        QTest::newRow("backup device 5 refused, the current kept") << QStringList{"bd 1", "bd 5"} << -1
                                                                   << QList<int>{1};
    }

    void keptOrRefused()
    {
        QFETCH(QStringList, calls);
        QFETCH(int, result);
        TTestRoot root;
        int r = INT_MIN;
        for (const QString& c : calls)
            r = run(c);
        QCOMPARE(r, result);
        QTEST(kept(calls.first().section(' ', 0, 0)), "kept");
    }
};

QTEST_GUILESS_MAIN(DalSettingsTest)
#include "dalsettingstest.moc"
