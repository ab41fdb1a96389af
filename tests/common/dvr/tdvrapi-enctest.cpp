#include "tdvrfixture.h"
#include "tquickopt.h"

#include <cstring>
#include <ctime>

namespace {
DalTestEnc encState()
{
    DalTestEnc st;
    dalTestGetEnc(&st);
    return st;
}

// A recorder that runs, with the facade's callbacks and capabilities.
void startRecorder()
{
    g_api.registerCallbacks();
    g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, nullptr);
    QCOMPARE(DalInit(), 0);
    QCOMPARE(DalStart(), 0);
}

RecordEntry entry(int mode, int audio, int cfidx, int cqual, int efidx)
{
    // Continuous resolution 1, event resolution 2 at quality position 1,
    // post-event position 5, pre-event 3 s.
    return RecordEntry{uint8_t(mode), uint8_t(audio), 1, uint8_t(cfidx), uint8_t(cqual), 2, uint8_t(efidx), 1, 5, 3};
}
}

class TDvrApiEncTest : public QObject
{
    Q_OBJECT
private slots:
    void recordConfiguration_data()
    {
        QTest::addColumn<bool>("panic");
        QTest::addColumn<int>("schedule"); // -1 off, else the cell's group position (4 none)
        QTest::addColumn<int>("holiday");  // 0 not marked, 1 marked with the option off, 2 marked and on
        QTest::addColumn<QVector<int>>("want"); // channel 0: audio, contOn, evtOn, contQual, contFps, evtFps
        const QVector<int> record = {1, 1, 1, 3, 0, 2}; // a frame-rate index of 9 of 8 becomes 0
        const QVector<int> groupB = {0, 0, 1, 0, 4, 7};
        QTest::newRow("panic records everything") << true << 1 << 0 << QVector<int>{1, 1, 0, 3, 0, 0};
        QTest::newRow("schedule off: the record section") << false << -1 << 0 << record;
        QTest::newRow("schedule cell of group B") << false << 1 << 0 << groupB;
        QTest::newRow("schedule cell without recording") << false << 4 << 0 << QVector<int>(6, 0);
        QTest::newRow("holiday marked, option off") << false << 4 << 1 << QVector<int>(6, 0);
        QTest::newRow("holiday marked, option on") << false << 4 << 2 << groupB;
    }

    void recordConfiguration()
    {
        QFETCH(bool, panic);
        QFETCH(int, schedule);
        QFETCH(int, holiday);
        QFETCH(QVector<int>, want);
        TDvrFixture fx("16");
        fx.live<PropRecord>(IDX_PROP_RECORD)->data[0] = entry(3, 1, 9, 0, 2);
        fx.live<PropGroup>(IDX_PROP_GROUP)->data[1][0] = entry(2, 0, 4, 3, 7);
        // Friday 2026-12-25 13:25: row 5, cell 80; the holiday row says B.
        auto* sched = fx.live<PropSchedule>(IDX_PROP_SCHEDULE);
        sched->on = schedule >= 0;
        sched->data[5][80] = uint8_t(qMax(schedule, 0));
        sched->data[7][80] = 1;
        sched->holiydayOn = holiday == 2;
        fx.live<PropHoliday>(IDX_PROP_HOLIDAY)->data[11][25] = holiday > 0;
        // Inputs 0 sensor, 1 motion, 2 all three, 3 text-in; 19 is beyond the 16 channels.
        uint8_t* links = fx.live<PropEvent>(IDX_PROP_EVENT)->evts[0];
        links[0] = 1, links[1] = 2, links[2] = 3, links[3] = 4, links[19] = 3;
        startRecorder();
        if (panic) {
            g_api.m_panic = 1;
            g_api.encStart();
            QTRY_COMPARE(encState().asks, 1);
        } else {
            // The recorder's clock set to that time; a refresh asks again.
            struct tm when = {};
            when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 25, when.tm_hour = 13, when.tm_min = 25, when.tm_isdst = -1;
            QCOMPARE(DalSysSetTime(mktime(&when)), 0);
            g_api.encRefresh();
            QTRY_COMPARE(encState().asks, 1);
        }
        const DalTestEnc st = encState(); // the recorder's last answer
        const EncCfg& c = st.last[0];
        QCOMPARE((QVector<int>{c.audio, c.contOn, c.evtOn, c.contQual, c.contFps, c.evtFps}), want);
        const bool events = want[1] || want[2];
        QCOMPARE(c.event_sen_mask, events && !panic ? 0x5u : 0u);
        QCOMPARE(c.event_md_mask, events && !panic ? 0x6u : 0u);
        QCOMPARE(c.event_ti_mask, events && !panic ? 0xcu : 0u);
        if (want == QVector<int>{1, 1, 1, 3, 0, 2})
            QCOMPARE((QVector<int>{c.conti_ridx, c.evtRes, c.evtQual, c.evtPost, c.evtPre}), (QVector<int>{1, 2, 2, 10, 3}));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&st.last[16]), 16 * sizeof(EncCfg)),
                 QByteArray(16 * sizeof(EncCfg), '\0')); // beyond the channels
    }

    // The recorder's thread asks for its configuration while the GUI thread
    // applies a new record section: it reads the copy handed over when
    // recording was last started or refreshed, never the live section
    // being rewritten; the facade's refresh hands the new one over.
    void recordHandover()
    {
        TDvrFixture fx("16");
        fx.live<PropRecord>(IDX_PROP_RECORD)->data[0] = entry(3, 1, 0, 0, 2);
        startRecorder();
        g_api.encRefresh();
        QTRY_COMPARE(encState().asks, 1);
        auto* edit = static_cast<PropRecord*>(fx.cfg->getsection(IDX_PROP_RECORD, 0));
        for (int i = 0; i < 20; ++i) {
            // The recorder asks on its own thread (its ten-minute cell, a
            // refresh of its own) while the GUI thread applies.
            QCOMPARE(DalEncrRefresh(), 0);
            edit->data[0] = entry(i % 2 ? 3 : 1, 0, 0, 0, 0);
            fx.cfg->apply(IDX_PROP_RECORD, nullptr, nullptr, 0);
        }
        QTRY_COMPARE(encState().asks, 21);
        DalTestEnc st = encState();
        QCOMPARE(int(st.last[0].evtOn), 1); // the handed-over section: mode 3
        QCOMPARE(int(st.last[0].audio), 1);
        edit->data[0] = entry(1, 0, 0, 0, 0);
        fx.cfg->apply(IDX_PROP_RECORD, nullptr, nullptr, 0);
        g_api.encRefresh();
        QTRY_COMPARE(encState().asks, 22);
        st = encState();
        QCOMPARE(int(st.last[0].evtOn), 0); // continuous only now
        QCOMPARE(int(st.last[0].contOn), 1);
        QCOMPARE(int(st.last[0].audio), 0);
    }

    void videoStandard_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<bool>("palStored");
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("rate"); // DalSetAvcCaps, 0 none
        QTest::newRow("unplugged, pal kept, ntsc encoder") << "16" << true << true << 0 << 50;
        QTest::newRow("unplugged, nothing kept, ntsc encoder") << "16" << true << false << 0 << 0;
        QTest::newRow("unplugged, nothing kept, pal encoder") << "16pal" << true << false << 0 << 60;
        QTest::newRow("cameras match the encoder") << "16" << false << true << 0 << 0;
        QTest::newRow("forced, unchanged") << "16" << false << false << 1 << 60;
    }

    void videoStandard()
    {
        QFETCH(QString, profile);
        QFETCH(bool, unplugged);
        QFETCH(bool, palStored);
        QFETCH(int, force);
        QFETCH(int, rate);
        TDvrFixture fx(qPrintable(profile));
        for (int ch = 0; unplugged && ch < 16; ++ch)
            dalTestVideoLoss(ch, 1);
        dalTestFlush();
        qstrncpy(g_api.m_quickOpt->record().pal, palStored ? "pal" : "", 8);
        dalTestJournalClear();
        QCOMPARE(g_api.changeAvcCaps(force), 0);
        QCOMPARE(dalTestJournalFind("DalSetAvcCaps(50)") >= 0, rate == 50);
        QCOMPARE(dalTestJournalFind("DalSetAvcCaps(60)") >= 0, rate == 60);
        QCOMPARE(dalTestJournalFind("DalEncnSetCfg") >= 0, rate != 0);
        if (rate)
            QCOMPARE(QByteArray(g_api.m_quickOpt->record().pal), QByteArray(rate == 50 ? "pal" : ""));
    }

    void streamsAndLoad()
    {
        TDvrFixture fx("4");
        g_api.getCaps(nullptr, &g_api.m_avcCaps, nullptr);
        auto* net = static_cast<PropNetcontrol*>(fx.cfg->getsection(IDX_PROP_NETCONTROL, 0));
        auto* cam = static_cast<PropCamera*>(fx.cfg->getsection(IDX_PROP_CAMERA, 0));
        for (int ch = 0; ch < 4; ++ch)
            net->mainOn[ch] = 1, net->entry[ch] = entry(1, 0, ch == 2 ? 8 : 0, 0, 0);
        cam->data[1].disableOn = 1;
        *fx.live<PropNetcontrol>(IDX_PROP_NETCONTROL) = *net;
        g_api.encSetdevice();
        const DalTestEnc st = encState();
        QCOMPARE((QVector<int>{st.net[0].on, st.net[1].on, st.net[2].on, st.net[4].on}), (QVector<int>{1, 0, 1, 0}));
        QCOMPARE(int(st.net[2].fidx), 1); // an index beyond the encoder's 8 rates
        QCOMPARE(g_api.netBwKbps(0), 0.0);
        const double high = g_api.netBwKbps(1);
        QVERIFY(high > 0);
        cam->data[3].disableOn = 1;
        QVERIFY(g_api.netBwKbps(1) < high);

        // Recording load: continuous, event, both (the larger), none, and a
        // disabled camera.
        RecordEntry page[PROP_MAX_CH] = {};
        double load[5];
        for (int mode = 0; mode < 4; ++mode) {
            page[0] = entry(mode, 0, 0, 0, 3);
            load[mode] = g_api.recBitrate(page);
        }
        cam->data[0].disableOn = 1;
        load[4] = g_api.recBitrate(page);
        QVERIFY(load[1] > 0 && load[2] > 0 && load[1] != load[2]);
        QCOMPARE(load[3], qMax(load[1], load[2]));
        QCOMPARE(load[0], 0.0);
        QCOMPARE(load[4], 0.0);
    }

    void bootPanicMarker()
    {
        TDvrFixture fx;
        QVERIFY(!g_api.isBootPanic());
        QVERIFY(fx.root.write("/dvr/panic-record", ""));
        QVERIFY(g_api.isBootPanic());
    }
};

QTEST_GUILESS_MAIN(TDvrApiEncTest)
#include "tdvrapi-enctest.moc"
