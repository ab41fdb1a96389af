#include "fakedvr.h"
#include "recordload.h"

#include <QtTest>

namespace {

RecordEntry entry(int mode, int cridx, int cfidx, int eridx, int efidx)
{
    RecordEntry e{};
    e.mode = uint8_t(mode);
    e.cridx = uint8_t(cridx);
    e.cfidx = uint8_t(cfidx);
    e.eridx = uint8_t(eridx);
    e.efidx = uint8_t(efidx);
    return e;
}

} // namespace

namespace {
double g_lastFps = 0;
int g_lastInput = -1;
double fakeScale(int input, int ridx, const AvcCaps*, double fps)
{
    g_lastFps = fps;
    g_lastInput = input;
    return fps * (ridx + 1) * 10;
}
} // namespace

// The recording load of a table against the encoder's frame budget.
class TRecordLoadTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void channelLoad_data()
    {
        // Fake encoder: ratios 1.0, 0.5, 0.25, 4.0; steps 30, 25, 20, 15, 10, 7.5, 5, 1.
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("cridx");
        QTest::addColumn<int>("cfidx");
        QTest::addColumn<int>("eridx");
        QTest::addColumn<int>("efidx");
        QTest::addColumn<double>("load");
        QTest::newRow("none") << 0 << 0 << 0 << 0 << 0 << 0.0;
        QTest::newRow("continuous") << 1 << 1 << 0 << 3 << 0 << 15.0;
        QTest::newRow("event") << 2 << 1 << 0 << 3 << 3 << 60.0;
        QTest::newRow("both counts the dearer") << 3 << 0 << 0 << 3 << 3 << 60.0;
        QTest::newRow("resolution beyond list unweighted") << 1 << 4 << 3 << 0 << 0 << 15.0;
        QTest::newRow("step beyond list uses step 0") << 1 << 2 << 8 << 0 << 0 << 7.5;
        QTest::newRow("step 255") << 2 << 0 << 0 << 0 << 255 << 30.0;
    }
    void channelLoad()
    {
        QFETCH(int, mode);
        QFETCH(int, cridx);
        QFETCH(int, cfidx);
        QFETCH(int, eridx);
        QFETCH(int, efidx);
        QFETCH(double, load);
        const RecordEntry e = entry(mode, cridx, cfidx, eridx, efidx);
        QCOMPARE(TRecordLoad::channelLoad(e, 0, TFakeDvr::avc()), load);
    }
    void tableLoad()
    {
        RecordEntry table[PROP_MAX_CH] = {};
        for (auto& e : table)
            e = entry(1, 0, 0, 0, 0); // 30 each
        QCOMPARE(TRecordLoad::tableLoad(table, 4, -1, nullptr), 120.0);
        QCOMPARE(TRecordLoad::tableLoad(table, 4, 2, nullptr), 30.0);
        // A channel not in use weighs nothing; so does a table of no channels.
        QCOMPARE(TRecordLoad::tableLoad(table, 4, 4, nullptr), 0.0);
        QCOMPARE(TRecordLoad::tableLoad(table, 0, -1, nullptr), 0.0);
        QCOMPARE(TRecordLoad::tableLoad(table, -3, -1, nullptr), 0.0);
        // A count beyond the table weighs the 20 entries it holds.
        QCOMPARE(TRecordLoad::tableLoad(table, 1000, -1, nullptr), 600.0);
        // A device reporting more steps than the table holds stays inside it.
        TFakeDvr::avc().num_fidx = 1000;
        table[0].cfidx = 200;
        QCOMPARE(TRecordLoad::tableLoad(table, 1, -1, nullptr), 30.0);
        // No steps at all: every frame rate is that of step 0.
        TFakeDvr::avc().num_fidx = 0;
        table[0].cfidx = 3;
        QCOMPARE(TRecordLoad::tableLoad(table, 1, -1, nullptr), 30.0);
    }
    void disabledCameraAddsNothing()
    {
        RecordEntry table[PROP_MAX_CH] = {};
        for (auto& e : table)
            e = entry(3, 0, 0, 0, 0);
        PropCamera cam{};
        cam.data[1].disableOn = 1;
        QCOMPARE(TRecordLoad::tableLoad(table, 3, -1, &cam), 60.0);
        QCOMPARE(TRecordLoad::tableLoad(table, 3, 1, &cam), 0.0);
        QCOMPARE(TRecordLoad::tableLoad(table, 3, -1, nullptr), 90.0);
    }
    void text_data()
    {
        QTest::addColumn<double>("load");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("one decimal, truncated") << 91.25 << "91.2";
        QTest::newRow("below a tenth") << 0.04 << "0";
    }
    void text()
    {
        QFETCH(double, load);
        QFETCH(QString, text);
        QCOMPARE(TRecordLoad::text(load), text);
    }
    void overload()
    {
        QVERIFY(!TRecordLoad::isOverload(120.0, 120));
        QVERIFY(TRecordLoad::isOverload(120.01, 120));
        QVERIFY(!TRecordLoad::isOverload(0.0, 0));
    }
    void deviceScaleIsUsed()
    {
        g_dvrHooks.scaleRate = &fakeScale;
        TFakeDvr::inputRes() = 2;
        const RecordEntry e = entry(1, 1, 3, 0, 0);
        QCOMPARE(TRecordLoad::channelLoad(e, 5, TFakeDvr::avc()), 300.0);
        QCOMPARE(g_lastFps, 15.0);
        QCOMPARE(g_lastInput, 2);
    }
};

QTEST_GUILESS_MAIN(TRecordLoadTest)
#include "trecordloadtest.moc"
