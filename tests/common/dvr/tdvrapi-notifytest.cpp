#include "tdvrfixture.h"

#include <QSignalSpy>
#include <cstring>
#include <thread>

using Emitted = QVector<QVariantList>;

namespace {
Emitted all(const QSignalSpy& spy)
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
        QTest::addColumn<bool>("viaFacade");
        QTest::addColumn<Emitted>("expected");
        // notify(type, 1, 2, 3, "text")
        QTest::newRow("status start: text only") << 2224 << false << Emitted{dvr(2224, 0, 0, 0, "text")};
        QTest::newRow("2221: text only") << 2221 << false << Emitted{dvr(2221, 0, 0, 0, "text")};
        QTest::newRow("format message") << 2233 << false << Emitted{dvr(2233, 0, 0, 0, "text")};
        QTest::newRow("osd repaint: three values") << 2241 << false << Emitted{dvr(2241, 1, 2, 3)};
        QTest::newRow("remote setup test") << 9002 << false << Emitted{dvr(9002, 1, 2, 3)};
        QTest::newRow("key: two values") << 3333 << false << Emitted{dvr(3333, 1, 2)};
        QTest::newRow("motion map") << 3341 << false << Emitted{dvr(3341, 1, 2)};
        QTest::newRow("playback rate") << 4447 << false << Emitted{dvr(4447, 1, 2)};
        QTest::newRow("disk state") << 5556 << false << Emitted{dvr(5556, 1, 2)};
        QTest::newRow("ntp sync") << 6667 << false << Emitted{dvr(6667, 1, 2)};
        QTest::newRow("upgrade ready") << 9999 << false << Emitted{dvr(9999, 1, 2)};
        QTest::newRow("tick") << 3336 << false << Emitted{dvr(3336, 1, 2)};
        QTest::newRow("sensor: facade first") << 3338 << true << Emitted{dvr(3338, 1, 2)};
        QTest::newRow("camera format") << 3342 << true << Emitted{dvr(3342, 1, 2)};
        QTest::newRow("smart temperature") << 3344 << true << Emitted{dvr(3344, 1, 2)};
        QTest::newRow("text-in 2") << 3351 << true << Emitted{dvr(3351, 1, 2)};
        QTest::newRow("recording state") << 5555 << true << Emitted{dvr(5555, 1, 2)};
        for (int dropped : {0, 17, 2220, 2227, 2234, 3337, 3345, 3346, 3349, 7777, 7778, 9100, 9203})
            QTest::newRow(qPrintable(QStringLiteral("dropped %1").arg(dropped))) << dropped << false << Emitted{};
    }

    void routing()
    {
        QFETCH(int, type);
        QFETCH(bool, viaFacade);
        QFETCH(Emitted, expected);
        TDvrFixture fx;
        QSignalSpy out(&g_api, &TDVRAPI::sg_dvrNotify);
        QSignalSpy own(&g_api, &TDVRAPI::sg_fromDvr);
        g_api.notify(type, 1, 2, 3, "text");
        QCOMPARE(own.count(), viaFacade ? 1 : 0);
        QCOMPARE(all(out), expected);
    }

    void crossesThreadsAsCopies()
    {
        TDvrFixture fx;
        // What the GUI thread receives, queued from the layer's thread.
        QObject receiver; // the connections end with the test
        QStringList texts;
        QByteArray record;
        QThread* seenIn = nullptr;
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver,
                [&texts](int, int, int, int, const QString& str) { texts << str; });
        connect(&g_api, &TDVRAPI::sg_dvrRecord, &receiver, [&](int, int, int, const QByteArray& rec) {
            record = rec;
            seenIn = QThread::currentThread();
        });
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
        QTRY_VERIFY(seenIn);
        QCOMPARE(seenIn, QThread::currentThread());
        QCOMPARE(texts, (QStringList{"first", ""}));
        QCOMPARE(record, QByteArray(128, 0x11));
    }

    void tileFlags_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("visible");
        // Channel 2 has cell 0 of the layout; channel 5 has none.
        const int S = CellOsd::SENSOR;
        QTest::newRow("sensor shown") << 3338 << 2 << 1 << 0 << false << S << 1 << 1;
        QTest::newRow("sensor off") << 3338 << 2 << 0 << 0 << false << S << 0 << 0;
        QTest::newRow("sensor not in layout") << 3338 << 5 << 1 << 0 << false << S << 1 << -1;
        QTest::newRow("sensor in playback") << 3338 << 2 << 1 << 1 << false << S << 1 << -1;
        QTest::newRow("sensor of disabled camera") << 3338 << 2 << 1 << 0 << true << S << 1 << 0;
        QTest::newRow("motion") << 3339 << 2 << 1 << 0 << false << int(CellOsd::MOTION) << 1 << 1;
        QTest::newRow("video loss") << 3340 << 2 << 1 << 0 << false << int(CellOsd::VIDEO_LOSS) << 1 << 1;
        QTest::newRow("text-in") << 3350 << 2 << 1 << 0 << false << int(CellOsd::TEXTIN) << 1 << 1;
        QTest::newRow("continuous recording") << 5555 << 2 << 1 << 0 << false << int(CellOsd::CONT_REC) << 1 << 1;
        QTest::newRow("event recording clears continuous") << 5555 << 2 << 2 << 0 << false << int(CellOsd::CONT_REC) << 0 << 0;
        QTest::newRow("event recording") << 5555 << 2 << 2 << 0 << false << int(CellOsd::EVENT_REC) << 1 << 1;
        QTest::newRow("beyond the channels") << 3338 << 16 << 1 << 0 << false << S << -1 << -1;
        QTest::newRow("beyond the tables") << 3338 << 25 << 1 << 0 << false << S << -1 << -1;
        QTest::newRow("negative channel") << 3339 << -1 << 1 << 0 << false << S << -1 << -1;
    }

    void tileFlags()
    {
        QFETCH(int, type);
        QFETCH(int, ch);
        QFETCH(int, on);
        QFETCH(int, mode);
        QFETCH(bool, disabled);
        QFETCH(int, item);
        QFETCH(int, flag);
        QFETCH(int, visible);
        TDvrFixture fx; // 16 channels
        fx.live<PropOsd>(IDX_PROP_OSD)->osdOn = 1;
        fx.live<PropCamera>(IDX_PROP_CAMERA)->data[2].disableOn = disabled;
        g_api.m_numvid = 4;
        for (int i = 0; i < 4; ++i)
            g_api.m_vidwnd[i] = VidWnd{1, i == 0 ? 2 : 10 + i, 0, 0, 10, 10};
        g_api.m_mode = mode;
        OsdItem items[CellOsd::ITEM_COUNT][CellOsd::ITEM_COUNT] = {};
        for (int c = 0; c < 16; ++c)
            for (int k = 0; k < CellOsd::ITEM_COUNT; ++k) {
                g_api.m_cell[c].item[k] = &items[c % CellOsd::ITEM_COUNT][k];
                items[c % CellOsd::ITEM_COUNT][k].visible = -1; // untouched
            }
        QSignalSpy out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.m_cell[2].contRec = 1;
        g_api.sl_fromDvr(type, ch, on, 0);
        QCOMPARE(out.count() >= 1 ? out.last().at(0).toInt() : 0, type); // passed on in every case
        if (ch < 0 || ch >= 16)
            return;
        const CellOsd& cell = g_api.m_cell[ch];
        const int flags[] = {-1, cell.contRec, cell.eventRec, cell.sensor, cell.motion, cell.textin, -1, -1, cell.videoLoss};
        QCOMPARE(flags[item], flag);
        QCOMPARE(cell.item[item]->visible, visible);
    }

    void videoLossRepaintsItsCell()
    {
        TDvrFixture fx;
        g_api.m_vidwnd[0] = VidWnd{1, 3, 0, 0, 100, 50};
        g_api.m_vidwnd[1] = VidWnd{1, 4, 100, 20, 100, 50};
        g_api.m_vidwnd[2] = VidWnd{1, 4, 200, 0, 100, 50};
        g_api.m_numvid = 3;
        QSignalSpy out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.sl_fromDvr(SIG_VIN_VL, 4, 1, 0);
        g_api.sl_fromDvr(SIG_VIN_VL, 7, 1, 0); // in no cell: nothing repainted
        QCOMPARE(all(out), (Emitted{dvr(2241, (100 << 16) + 20, (100 << 16) + 50), dvr(3340, 4, 1), dvr(3340, 7, 1)}));
    }

    void diskEvents()
    {
        TDvrFixture fx;
        dalTestJournalClear();
        QSignalSpy out(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.sl_fromDvr(CBT_ENC_SD_MOUNT, 1, 0, 0);
        QCOMPARE(g_api.m_hddAlarmCheck, 0);
        QCOMPARE(g_api.m_sdCheck.formatted[0], 1); // the stand-in's disks are formatted
        g_api.sl_fromDvr(CBT_ENC_SD_FSCK_END, 0, 0, 0);
        QCOMPARE(all(out), (Emitted{dvr(9100, 1), dvr(9100)}));
        QVERIFY(dalTestJournalFind("Db6CheckSd(ptr)") == 0);
        QVERIFY(dalTestJournalFind("DalEncrStart()") > 1);
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
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("dur");
        QTest::addColumn<int>("osdLock");
        QTest::addColumn<int>("durAfter");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("live") << 0 << 0.0 << 3 << 0 << 2 << false;
        QTest::newRow("playing") << 1 << 1.0 << 3 << 0 << 2 << false;
        QTest::newRow("paused playback keeps it") << 1 << 0.0 << 3 << 0 << 3 << false;
        QTest::newRow("last second") << 0 << 0.0 << 1 << 0 << 0 << true;
        QTest::newRow("held osd") << 0 << 0.0 << 1 << 1 << 0 << false;
    }

    void tickCountsPosOverlays()
    {
        QFETCH(int, mode);
        QFETCH(double, rate);
        QFETCH(int, dur);
        QFETCH(int, osdLock);
        QFETCH(int, durAfter);
        QFETCH(bool, cleared);
        TDvrFixture fx("4");
        g_api.m_mode = mode;
        g_api.m_rate = rate;
        g_api.m_osdLock = osdLock;
        g_api.m_nPosDur[3] = dur;
        g_api.m_txtin[3] = TxtinArea{1, 1, 40, 20, 8, 6, 0, 0, 0, 0, 0, 0};
        g_api.m_posText[3] = QStringLiteral("RECEIPT");
        g_api.m_nPosDur[4] = 5; // beyond the recorder's 4 channels: not counted
        g_api.m_presetHold[7] = 2;
        QSignalSpy out(&g_api, &TDVRAPI::sg_dvrNotify);
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
