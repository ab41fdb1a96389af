// The bring-up under the OEM variants that branch in it: the "HDD Check" box
// (none for 5), the encoder's frame budget (50 fields for 7), panic
// recording restored from its marker with its LED (3 and 5), the three PTZ
// drivers of 5, the system keyboard's protocol command of 7, the playback
// date overlap always on for 5.
#include "tdvrfixture.h"

#include <cstring>

namespace {

int at(const char* text)
{
    return dalTestJournalFind(text);
}

} // namespace

class TDvrApiOemStartTest : public QObject
{
    Q_OBJECT
private slots:
    void variants_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<bool>("marker"); // "/dvr/panic-record" left by the last run
        QTest::addColumn<bool>("box");
        QTest::addColumn<QByteArray>("caps"); // the budget set before the start; empty: none
        QTest::addColumn<int>("panic");       // -1: no LED command
        QTest::addColumn<bool>("threeDrivers");
        QTest::addColumn<bool>("keyboard"); // the system keyboard's command
        QTest::addColumn<int>("overlap");   // with the search option's overlap on
        QTest::newRow("0: no panic branch") << 0 << true << true << QByteArray("DalSetAvcCaps(60)") << -1 << false
                                            << false << 0;
        QTest::newRow("3: panic restored") << 3 << true << true << QByteArray() << 1 << false << false << 0;
        QTest::newRow("3: no marker") << 3 << false << true << QByteArray() << 0 << false << false << 0;
        QTest::newRow("5: no box, three drivers") << 5 << true << false << QByteArray() << 1 << true << false << 1;
        QTest::newRow("7: 50 fields") << 7 << true << true << QByteArray("DalSetAvcCaps(50)") << -1 << false << true
                                      << 0;
    }
    void variants()
    {
        QFETCH(int, oem);
        QFETCH(bool, marker);
        QFETCH(QByteArray, caps);
        QFETCH(int, panic);
        TDvrFixture fx;
        QVERIFY(fx.root.write("/dvr/default.conf", QByteArray("[DEFAULT]\noem=") + TDefault::oemName(oem) + "\n"));
        TDefault unit(QStringLiteral("/dvr/default.conf"));
        unit.load(nullptr);
        QCOMPARE(unit.getOem(), oem);
        g_default = &unit;
        if (marker)
            QVERIFY(fx.root.write("/dvr/panic-record", "1"));
        fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT)->DateOverlap = 1;
        auto* ctl = fx.live<PropControl>(IDX_PROP_CONTROL);
        ctl->control = 1;
        ctl->controlid = 2;
        QCOMPARE(g_api.coreInit(), 0);
        dalTestJournalClear();
        QSignalSpy notes(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(g_api.dvrinit(), 0);
        g_default = nullptr;

        bool box = false;
        for (const QList<QVariant>& n : notes)
            box = box || n.at(0).toInt() == SIG_STATE_START;
        QTEST(box, "box");

        // The budget set between the callbacks and the start of the layer.
        const int start = at("DalStart()");
        QVERIFY(start > 0);
        const int set = at("DalSetAvcCaps(");
        if (caps.isEmpty())
            QVERIFY(set < 0 || set > start);
        else
            QCOMPARE(set, at(caps.constData()));
        QVERIFY(caps.isEmpty() || (set >= 0 && set < start));

        QCOMPARE(g_api.m_panic.load(), qMax(panic, 0));
        const int led = at("DalCmd(\"PANIC_RECORD_LED\"");
        if (panic < 0) {
            QCOMPARE(led, -1);
        } else {
            const QByteArray line = "DalCmd(\"PANIC_RECORD_LED\",\"" + QByteArray::number(panic) + "\",128)";
            QVERIFY(led >= 0 && led == at(line.constData()));
            QVERIFY(led > at("DalEncrStart()"));
        }

        PtzCaps ptz;
        std::memset(&ptz, 0, sizeof ptz);
        DalPtzGetCaps(&ptz);
        QVERIFY(ptz.cnt > 3);
        QFETCH(bool, threeDrivers);
        QFETCH(bool, keyboard);
        QCOMPARE(at("DalCmd(\"ORVA_KBD\",\"1 3\",128)") >= 0, keyboard);
        QCOMPARE(at("DalCmd(\"ORVA_KBD\"") >= 0, keyboard);
        QFETCH(int, overlap);
        QVERIFY(at(QByteArray("DalDecSetOverlap(" + QByteArray::number(overlap) + ")").constData()) >= 0);
        QCOMPARE(at(QByteArray("DalDecSetOverlap(" + QByteArray::number(1 - overlap) + ")").constData()), -1);

        QCOMPARE(fx.live<PropPtzdrv>(IDX_PROP_PTZDRV)->cnt, threeDrivers ? 3 : qMin(int(ptz.cnt), int(PROP_MAX_PTZDRV)));
    }
};

QTEST_MAIN(TDvrApiOemStartTest)
#include "tdvrapi-oemstarttest.moc"
