#include "tdvrfixture.h"

#include "tsignallog.h"
#include <cstring>
#include <thread>

using Emitted = QVector<QVariantList>;

namespace {
Emitted all(const TSignalLog& spy)
{
    Emitted out;
    for (const QVariantList& args : spy)
        out.append(args);
    return out;
}

QVariantList dvr(int type, int v1 = 0, int v2 = 0, int rs = 0, const QString& str = QString())
{
    return {type, v1, v2, rs, str, QString()};
}
}

class TDvrApiNotifyTest : public QObject
{
    Q_OBJECT
private slots:
    void routing_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("route");
        // 0 dropped, 1 the text only, 2 three values, 3 two values, 4 the facade's own slot first.
        const int table[][2] = {{2221, 1}, {2224, 1}, {2233, 1}, {2240, 2}, {2241, 2}, {9002, 2}, {3333, 3}, {3341, 3},
                                {4447, 3}, {5556, 3}, {6667, 3}, {9999, 3}, {3336, 3}, {3338, 4}, {3342, 4}, {3344, 4},
                                {3351, 4}, {5555, 4}, {0, 0}, {17, 0}, {2220, 0}, {2227, 0}, {2234, 0}, {3337, 0},
                                {3345, 0}, {3346, 0}, {3349, 0}, {7777, 0}, {7778, 0}, {9100, 0}, {9203, 0}};
        for (const auto& row : table)
            QTest::newRow(qPrintable(QString::number(row[0]))) << row[0] << row[1];
    }

    void routing()
    {
        QFETCH(int, type);
        QFETCH(int, route);
        TDvrFixture fx;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        TSignalLog own(&g_api, &TDVRAPI::sg_fromDvr);
        g_api.notify(type, 1, 2, 3, "text");
        const Emitted expected[] = {{}, {dvr(type, 0, 0, 0, "text")}, {dvr(type, 1, 2, 3)}, {dvr(type, 1, 2)}, {dvr(type, 1, 2)}};
        QCOMPARE(own.count(), route == 4 ? 1 : 0);
        QCOMPARE(all(out), expected[route]);
    }

    void crossesThreadsAsCopies()
    {
        TDvrFixture fx;
        // What the GUI thread receives, queued from the layer's thread.
        QObject receiver; // the connections end with the test
        QStringList texts;
        QByteArray record;
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver, [&](int, int, int, int, const QString& str) { texts << str; });
        connect(&g_api, &TDVRAPI::sg_dvrRecord, &receiver, [&](int, int, int, const QByteArray& rec) { record = rec; });
        std::thread layer([] {
            char text[16] = "first";
            unsigned char map[128];
            std::memset(map, 0x11, sizeof map);
            g_api.notify(SIG_STATE_UPDATE, 0, 0, 0, text);
            g_api.notify(SIG_STATE_UPDATE, 0, 0, 0, nullptr);
            g_api.notifyRecord(SIG_VIN_MDINFO, 3, 0, map, sizeof map);
            // The layer's buffers change at once; the GUI thread must not see it.
            std::strcpy(text, "second");
            std::memset(map, 0x22, sizeof map);
        });
        layer.join();
        QTRY_COMPARE(texts, (QStringList{"first", ""}));
        QTRY_COMPARE(record, QByteArray(128, 0x11));
    }

    void tileFlags_data()
    {
        // type, channel, on, mode, item, its flag after (-1: no tile touched),
        // its visibility after (-1: untouched). Channel 2 has a cell and a
        // disabled camera, channel 3 a cell, channel 5 none.
        QTest::addColumn<QVector<int>>("row");
        const int S = CellOsd::SENSOR;
        QTest::newRow("sensor shown") << QVector<int>{3338, 3, 1, 0, S, 1, 1};
        QTest::newRow("sensor not in layout") << QVector<int>{3338, 5, 1, 0, S, 1, -1};
        QTest::newRow("sensor in playback") << QVector<int>{3338, 3, 1, 1, S, 1, -1};
        QTest::newRow("sensor of disabled camera") << QVector<int>{3338, 2, 1, 0, S, 1, 0};
        QTest::newRow("video loss") << QVector<int>{3340, 3, 1, 0, CellOsd::VIDEO_LOSS, 1, 1};
        QTest::newRow("event recording") << QVector<int>{5555, 3, 2, 0, CellOsd::EVENT_REC, 1, 1};
        QTest::newRow("event recording ends continuous") << QVector<int>{5555, 3, 2, 0, CellOsd::CONT_REC, 0, 0};
        QTest::newRow("beyond the channels") << QVector<int>{3338, 16, 1, 0, S, -1, -1};
        QTest::newRow("beyond the tables") << QVector<int>{3339, 25, 1, 0, S, -1, -1};
        QTest::newRow("negative channel") << QVector<int>{3339, -1, 1, 0, S, -1, -1};
    }

    void tileFlags()
    {
        QFETCH(QVector<int>, row);
        const int type = row[0], ch = row[1], on = row[2], mode = row[3], item = row[4], flag = row[5], visible = row[6];
        TDvrFixture fx; // 16 channels
        fx.live<PropOsd>(IDX_PROP_OSD)->osdOn = 1;
        fx.live<PropCamera>(IDX_PROP_CAMERA)->data[2].disableOn = 1;
        g_api.m_numvid = 2;
        g_api.m_vidwnd[0] = VidWnd{1, 2, 0, 0, 10, 10};
        g_api.m_vidwnd[1] = VidWnd{1, 3, 10, 0, 10, 10};
        g_api.m_mode = mode;
        OsdItem items[CellOsd::ITEM_COUNT];
        for (int k = 0; k < CellOsd::ITEM_COUNT; ++k) {
            items[k].visible = -1;
            for (CellOsd& cell : g_api.m_cell)
                cell.item[k] = &items[k];
        }
        g_api.m_cell[3].contRec = 1;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.sl_fromDvr(type, ch, on, 0);
        QCOMPARE(out.last().at(0).toInt(), type); // passed on in every case
        const CellOsd& cell = g_api.m_cell[qBound(0, ch, 19)];
        const int flags[] = {-1, cell.contRec, cell.eventRec, cell.sensor, cell.motion, cell.textin, -1, -1, cell.videoLoss};
        QCOMPARE(flags[item], qMax(flag, 0));
        QCOMPARE(items[item].visible, visible);
    }

    // The first cell showing a channel that lost its video is repainted; a
    // channel in no cell repaints nothing.
    void videoLossRepaintsItsCell()
    {
        TDvrFixture fx;
        g_api.m_vidwnd[0] = VidWnd{1, 3, 0, 0, 100, 50};
        g_api.m_vidwnd[1] = VidWnd{1, 4, 100, 20, 100, 50};
        g_api.m_vidwnd[2] = VidWnd{1, 4, 200, 0, 100, 50};
        g_api.m_numvid = 3;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.sl_fromDvr(SIG_VIN_VL, 4, 1, 0);
        g_api.sl_fromDvr(SIG_VIN_VL, 7, 1, 0);
        QCOMPARE(all(out), (Emitted{dvr(2241, (100 << 16) + 20, (100 << 16) + 50), dvr(3340, 4, 1), dvr(3340, 7, 1)}));
    }

    // Disk events leave as SIG_SD_INFO after the disk check; only the first
    // mount runs the disk-alarm check, and a finished disk job restarts
    // recording.
    void diskEvents()
    {
        TDvrFixture fx;
        auto* storage = fx.live<PropStorage>(IDX_PROP_STORAGE);
        storage->alarm_type = 1; // the buzzer
        storage->alarm[1] = 1;
        DalTestDisk d;
        QCOMPARE(dalTestGetDisk(1, &d), 0);
        d.formatted = 0;
        QCOMPARE(dalTestSetDisk(1, &d), 0);
        dalTestJournalClear();
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.sl_fromDvr(CBT_ENC_SD_MOUNT, 1, 0, 0);
        QCOMPARE(g_api.m_hddAlarmCheck, 0);
        QCOMPARE(g_api.m_sdCheck.formatted[0], 1);
        QCOMPARE(g_api.m_sdCheck.formatted[1], 0);
        QVERIFY(dalTestJournalFind("DalIoRun") >= 0); // the alarm sounds
        dalTestJournalClear();
        g_api.sl_fromDvr(CBT_ENC_SD_MOUNT, 1, 0, 0);
        QCOMPARE(dalTestJournalFind("DalIoRun"), -1); // not again
        g_api.sl_fromDvr(CBT_ENC_SD_FSCK_END, 0, 0, 0);
        QCOMPARE(all(out), (Emitted{dvr(9100, 1), dvr(9100, 1), dvr(9100)}));
        const int checked = dalTestJournalFind("Db6CheckSd(ptr)");
        QVERIFY(checked >= 0 && dalTestJournalFind("DalEncrStart()") > checked);
    }

    void checkCfg_data()
    {
        QTest::addColumn<int>("alarmDisk");
        QTest::addColumn<int>("formattedDisk");
        QTest::addColumn<int>("result");
        QTest::newRow("no disk marked") << -1 << -1 << 0;
        QTest::newRow("marked and formatted") << 3 << 3 << 0;
        QTest::newRow("marked, not formatted") << 3 << 2 << 1;
        QTest::newRow("last disk") << 15 << 0 << 1;
    }

    void checkCfg()
    {
        QFETCH(int, alarmDisk);
        QFETCH(int, formattedDisk);
        QFETCH(int, result);
        TDvrFixture fx;
        auto* storage = fx.live<PropStorage>(IDX_PROP_STORAGE);
        std::memset(storage->alarm, 0, sizeof storage->alarm);
        if (alarmDisk >= 0)
            storage->alarm[alarmDisk] = 1;
        std::memset(&g_api.m_sdCheck, 0, sizeof g_api.m_sdCheck);
        if (formattedDisk >= 0)
            g_api.m_sdCheck.formatted[formattedDisk] = 1;
        QCOMPARE(g_api.checkCfg(), result);
    }

    void tickCountsPosOverlays_data()
    {
        // mode, rate, seconds left, OSD held, seconds left after; at 0 the
        // overlay ends unless the OSD is held.
        QTest::addColumn<QVector<double>>("row");
        QTest::newRow("live") << QVector<double>{0, 0.0, 3, 0, 2};
        QTest::newRow("playing") << QVector<double>{1, 1.0, 3, 0, 2};
        QTest::newRow("paused playback keeps it") << QVector<double>{1, 0.0, 3, 0, 3};
        QTest::newRow("last second") << QVector<double>{0, 0.0, 1, 0, 0};
        QTest::newRow("held osd") << QVector<double>{0, 0.0, 1, 1, 0};
    }

    void tickCountsPosOverlays()
    {
        QFETCH(QVector<double>, row);
        const int mode = int(row[0]), dur = int(row[2]), osdLock = int(row[3]), durAfter = int(row[4]);
        const double rate = row[1];
        const bool cleared = durAfter == 0 && !osdLock;
        TDvrFixture fx("4");
        g_api.m_mode = mode;
        g_api.m_rate = rate;
        g_api.m_osdLock = osdLock;
        g_api.m_nPosDur[3] = dur;
        g_api.m_txtin[3] = TxtinArea{1, 1, 40, 20, 8, 6, 0, 0, 0, 0, 0, 0};
        g_api.m_posText[3] = QStringLiteral("RECEIPT");
        g_api.m_nPosDur[4] = 5; // beyond the recorder's 4 channels: not counted
        g_api.m_presetHold[7] = 2;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.notify(SIG_IO_TIME, 0, 9);
        QCOMPARE(g_api.m_nPosDur[3], durAfter);
        QCOMPARE(g_api.m_nPosDur[4], 5);
        QCOMPARE(g_api.m_presetHold[7], 1);
        QCOMPARE(g_api.m_txtin[3].on, cleared ? 0 : 1);
        QCOMPARE(g_api.m_posText[3].isEmpty(), cleared);
        Emitted expected{dvr(3336, 0, 9)};
        if (cleared)
            expected = {dvr(3350, 3), dvr(2241, (8 << 16) + 6, (40 << 16) + 20), dvr(3336, 0, 9)};
        QCOMPARE(all(out), expected);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNotifyTest)
#include "tdvrapi-notifytest.moc"
