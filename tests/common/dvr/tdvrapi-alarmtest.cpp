#include "tcategorylines.h"
// Alarm outputs against the stand-in: countdowns by ticks, disk alarms,
// output bounds, alarm presets, the apply of the alarm section, watchdog.
#include "tdvrfixture.h"
#include "../../dal/tstderrcapture.h"

#include <cstring>

namespace {
// Journal lines that contain text.
int calls(const char* text)
{
    char line[256];
    int n = 0;
    for (int i = 0; i < dalTestJournalCount(); ++i)
        if (dalTestJournalLine(i, line, sizeof line) == 0 && std::strstr(line, text))
            ++n;
    return n;
}

DalTestIoOut outputs()
{
    DalTestIoOut io;
    dalTestGetIoOut(&io);
    return io;
}

// Output k of the 16-channel profile (4 relays): on in the stand-in.
bool isOn(int k)
{
    const DalTestIoOut io = outputs();
    return k == 4 ? io.buzzer != 0 : (io.relays >> k & 1u) != 0;
}

// The alarm section with no event linked to any output (the defaults link
// sensor k to relay k).
PropAlarm* emptyAlarm(TDvrFixture& fx)
{
    PropAlarm* alarm = fx.live<PropAlarm>(IDX_PROP_ALARM);
    for (AlarmOutEntry& o : alarm->out) {
        std::memset(o.sensorOn, 0, sizeof o.sensorOn);
        std::memset(o.motionOn, 0, sizeof o.motionOn);
        std::memset(o.vlossOn, 0, sizeof o.vlossOn);
        std::memset(o.txtinOn, 0, sizeof o.txtinOn);
    }
    return alarm;
}
}

class TDvrApiAlarmTest : public QObject
{
    Q_OBJECT
private slots:
    void eventHoldsOutputThenCountsDown_data()
    {
        QTest::addColumn<int>("out");     // 0..3 relays, 4 the buzzer
        QTest::addColumn<int>("durPos");  // alarm dwell list position
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("started"); // the event's start was seen
        QTest::newRow("relay 0, 5 s") << 0 << 0 << 5 << true;
        QTest::newRow("relay 3, 20 s") << 3 << 6 << 20 << true;
        QTest::newRow("buzzer, 60 s") << 4 << 10 << 60 << true;
        QTest::newRow("end only: on for 7 s") << 2 << 2 << 7 << false;
    }
    void eventHoldsOutputThenCountsDown()
    {
        QFETCH(int, out);
        QFETCH(int, durPos);
        QFETCH(int, seconds);
        QFETCH(bool, started);
        TDvrFixture fx;
        AlarmOutEntry& entry = emptyAlarm(fx)->out[out];
        entry.sensorOn[3] = entry.sensorOn[5] = 1;
        entry.dur = durPos;
        const QByteArray onCall = out == 4 ? QByteArray("DalIoRunBuzzer(1)")
                                           : QString::asprintf("DalIoRunAlarm(0x%08x,0x%08x)", 1u << out, 1u << out).toLatin1();
        if (started) {
            g_api.fireAlarmout(SIG_IO_SENSOR, 3, 1);
            g_api.fireAlarmout(SIG_IO_SENSOR, 5, 1); // a second trigger while held
            for (int t = 0; t < 100; ++t)
                g_api.freeAlarmout();
            QVERIFY(isOn(out));
            QCOMPARE(calls(onCall.constData()), 1);
        }
        g_api.fireAlarmout(SIG_IO_SENSOR, 3, 0);
        QCOMPARE(calls(onCall.constData()), 1);
        for (int t = 1; t < seconds; ++t) {
            g_api.freeAlarmout();
            QVERIFY2(isOn(out), qPrintable(QString("released after %1 s").arg(t)));
        }
        g_api.freeAlarmout();
        QVERIFY(!isOn(out));
        QCOMPARE(outputs().relays, 0u); // no other relay was touched
    }

    void diskAlarmOutput_data()
    {
        QTest::addColumn<int>("alarmouts");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("out"); // -1 none
        QTest::newRow("buzzer") << 7 << 1 << 4;
        QTest::newRow("relay 0") << 7 << 2 << 0;
        QTest::newRow("no relays: not the buzzer") << 3 << 2 << -1;
        QTest::newRow("type 0") << 7 << 0 << -1;
        QTest::newRow("type 3") << 7 << 3 << -1;
    }
    void diskAlarmOutput()
    {
        QFETCH(int, alarmouts);
        QFETCH(int, type);
        QFETCH(int, out);
        TDvrFixture fx;
        fx.live<PropDevices>(IDX_PROP_DEVICES)->alarmouts = alarmouts;
        fx.live<PropStorage>(IDX_PROP_STORAGE)->alarm_type = type;
        g_api.fireHddAlarmout(1);
        QCOMPARE(g_api.isBackup(1), out == 0 ? 1 : 0);
        g_api.fireHddAlarmout(0);
        g_api.freeAlarmout();
        if (out < 0) {
            QCOMPARE(calls("DalIoRun"), 0);
            return;
        }
        QVERIFY(isOn(out));
        g_api.freeAlarmout();
        QVERIFY(!isOn(out)); // released two seconds after the end
    }

    void directRelayBounds_data()
    {
        QTest::addColumn<int>("alarmouts");
        QTest::addColumn<int>("out");
        QTest::addColumn<int>("result");
        QTest::newRow("last relay") << 7 << 3 << 0;
        QTest::newRow("the buzzer is no relay") << 7 << 4 << -1;
        QTest::newRow("negative") << 7 << -1 << -1;
        QTest::newRow("count past the table") << 99 << 20 << -1;
        QTest::newRow("no shift past 31") << 99 << 40 << -1;
    }
    void directRelayBounds()
    {
        QFETCH(int, alarmouts);
        QFETCH(int, out);
        QFETCH(int, result);
        TDvrFixture fx;
        fx.live<PropDevices>(IDX_PROP_DEVICES)->alarmouts = alarmouts;
        QCOMPARE(g_api.runAlarm(out, 1), result);
        QCOMPARE(calls("DalIoRunAlarm"), result == 0 ? 1 : 0);
        QCOMPARE(outputs().relays, result == 0 ? 1u << out : 0u);
        // A disk alarm output beyond the relays and buzzer drives nothing.
        fx.live<PropSmart>(IDX_PROP_SMART)->alarm = alarmouts - 2;
        g_api.fireAlarmout(SIG_ENC_SMART, 0, 0);
        QCOMPARE(calls("DalIoRun"), result == 0 ? 1 : 0);
    }

    void motionSendsCamerasToPresets_data()
    {
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("hold");
        QTest::newRow("start") << 0 << 1 << 86400;
        QTest::newRow("end: the preset dwell") << 0 << 0 << 7;
        QTest::newRow("PTZ driven: no move") << 1 << 1 << 0;
    }
    void motionSendsCamerasToPresets()
    {
        QFETCH(int, busy);
        QFETCH(int, on);
        QFETCH(int, hold);
        TDvrFixture fx;
        PropAlarm* alarm = fx.live<PropAlarm>(IDX_PROP_ALARM);
        alarm->preset_motion[2][6] = 4;
        alarm->dur_preset = 2;
        fx.live<PropPtz>(IDX_PROP_PTZ)->ch[6].addr = 9;
        g_api.m_presetHold[6] = 5;
        g_api.m_ptzBusy = busy;
        g_api.fireAlarmout(SIG_VIN_MOTION, 2, on);
        QCOMPARE(g_api.m_presetHold[6], hold);
        QCOMPARE(calls("DalPtzPreset(9,25,3)"), busy ? 0 : 1);
        QCOMPARE(calls("DalPtzPreset"), busy ? 0 : 1);
    }

    void applyFiresActiveEventsAgain()
    {
        TDvrFixture fx;
        PropAlarm* alarm = emptyAlarm(fx);
        alarm->sensortype[1] = 1;
        alarm->out[1].sensorOn[2] = 1;
        alarm->out[4].vlossOn[7] = 1;
        g_api.fireAlarmout(SIG_IO_SENSOR, 2, 1);
        g_api.m_cell[2].sensor = 1;
        g_api.m_cell[7].videoLoss = 1;
        g_api.m_presetHold[3] = 9;
        dalTestJournalClear();
        g_api.alarmSetdevice();
        QCOMPARE(calls("DalIoSetSensor("), 16);
        QCOMPARE(calls("DalIoSetSensor(1,1,0)"), 1);
        QCOMPARE(calls("DalIoSetSensor(0,1,1)"), 1);
        QVERIFY(dalTestJournalFind("DalIoRunAlarm(0xffffffff,0x00000000)") <
                dalTestJournalFind("DalIoRunAlarm(0x00000002,0x00000002)"));
        QCOMPARE(outputs().relays, 0x2u); // the sensor still holds its relay
        QVERIFY(isOn(4));                 // and the lost video the buzzer
        QCOMPARE(g_api.m_presetHold[3], 0);
    }

    void watchdogOnlyWhenAllowed_data()
    {
        QTest::addColumn<int>("wdtOn");
        QTest::newRow("allowed") << 1;
        QTest::newRow("-disablewdt") << 0;
    }
    void watchdogOnlyWhenAllowed()
    {
        QFETCH(int, wdtOn);
        TDvrFixture fx;
        g_api.m_wdtOn = wdtOn;
        g_api.enableWdt(1);
        g_api.setWdttime(30);
        g_api.clearWdt();
        g_api.enableWdt(0);
        QCOMPARE(calls("DalIoSetWdt(1,-1)") + calls("DalIoSetWdt(1,30)") + calls("DalIoSetWdt(0,-1)"), 3 * wdtOn);
        QCOMPARE(outputs().wdtKicks, wdtOn);
        QCOMPARE(outputs().wdtSeconds, 30 * wdtOn);
    }

    // The watchdog's debug lines go through the facade's logging category:
    // nothing on the standard error while its debug lines are off (as in a
    // normal run), the two lines through the category when they are on.
    void watchdogLines()
    {
        TDvrFixture fx;
        g_api.m_wdtOn = 1;
        TStderrCapture err;
        g_api.enableWdt(1);
        g_api.setWdttime(30);
        err.restore();
        QVERIFY2(!err.text().contains("Wdt"), err.text().constData());

        TCategoryLines caught("dvr.api", QStringLiteral("Wdt"));
        g_api.enableWdt(0);
        g_api.setWdttime(30);
        caught.restore();
        const QStringList lines = caught.lines();
        QCOMPARE(lines, (QStringList{"enableWdt f:0", "setWdttime d:30"}));
    }
};

QTEST_GUILESS_MAIN(TDvrApiAlarmTest)
#include "tdvrapi-alarmtest.moc"
