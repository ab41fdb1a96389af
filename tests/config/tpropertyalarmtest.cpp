#include "fakedvr.h"

#include <QtTest>
#include <memory>

using Prop = std::unique_ptr<TProperty>;

namespace {

QByteArray unit(int videos = 4, int sensors = 4, int alarmouts = 7)
{
    return devicesGroup(testDevices(videos, 4, sensors, alarmouts));
}

QByteArray flags(const uint8_t* f, int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += char('0' + f[i]);
    return out;
}

} // namespace

// Alarm, preset, PTZ, point-of-sale, controller and PTZ driver sections.
class TPropertyAlarmTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void alarmDefaults()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4, 7)));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(QByteArray(p->m_alarm.out[k].name), "Alarm " + QByteArray::number(k + 1));
            for (int s = 0; s < 20; ++s)
                QCOMPARE(int(p->m_alarm.out[k].sensorOn[s]), s == k ? 1 : 0);
        }
        for (int k = 4; k < 23; ++k) {
            QCOMPARE(p->m_alarm.out[k].name[0], '\0');
            QCOMPARE(flags(p->m_alarm.out[k].sensorOn, 20), QByteArray(20, '0'));
        }
        // Two sensors only: relays 2 and 3 have no sensor of their own.
        Prop q(propertyFromText(root, unit(4, 2, 7)));
        QCOMPARE(flags(q->m_alarm.out[2].sensorOn, 20), QByteArray(20, '0'));
        QCOMPARE(QByteArray(q->m_alarm.out[3].name), QByteArray("Alarm 4"));
    }
    void alarmGoldenKeys()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(2, 4, 7)));
        p->m_alarm.out[5].dur = 3;
        p->m_alarm.sensortype[1] = 1;
        p->m_alarm.preset_motion[1][0] = 12;
        p->save(IDX_PROP_ALARM);
        const QByteArray ini = root.read("/tmp/t.conf");
        const QByteArray group = groupText(ini, "ALARM");
        for (const char* key : {"relay0_dur00", "relay1_dur01", "relay2_dur02", "relay3_dur03",
                                "buzzer_dur04", "popup_dur05", "spotpopup_dur06", "name03"})
            QVERIFY2(group.contains(QByteArray("\n") + key + "="), key);
        QVERIFY(!group.contains("name04"));
        QCOMPARE(iniValue(ini, "ALARM", "popup_dur05"), QByteArray("3"));
        QCOMPARE(iniValue(ini, "ALARM", "sensortype00"), QByteArray("0100"));
        QCOMPARE(iniValue(ini, "ALARM", "sensorOn02"), QByteArray("0010"));
        QCOMPARE(iniValue(ini, "ALARM", "motionOn02"), QByteArray(20, '0'));
        // Rows of the cameras in use, 32 numbers each.
        QCOMPARE(iniValue(ini, "ALARM", "preset_motion%5B1%5D"),
                 QByteArray("12 0") + QByteArray(" 0").repeated(30));
        QVERIFY(!group.contains("preset_motion%5B2%5D"));
        // 1 sensor type + 7 x (dur + 4 flag rows) + 4 names + dur_preset + 2 rows.
        QCOMPARE(iniKeyCount(ini, "ALARM"), 1 + 35 + 4 + 1 + 2);
    }
    void alarmFlags()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4, 7) + "[ALARM]\nsensorOn00=1x1\nmotionOn01=" +
                                          QByteArray(25, '1') + "\nvlossOn02=2\n"));
        // No sensortype00: every sensor normally open, whatever the record held.
        p->m_alarm.sensortype[0] = 1;
        p->load(IDX_PROP_ALARM);
        QCOMPARE(int(p->m_alarm.sensortype[0]), 0);
        // Only '1' counts; sensors beyond the four in use keep what they held.
        QCOMPARE(flags(p->m_alarm.out[0].sensorOn, 4), QByteArray("1010"));
        QCOMPARE(flags(p->m_alarm.out[1].motionOn, 20), QByteArray(20, '1'));
        QCOMPARE(int(p->m_alarm.out[2].vlossOn[0]), 0);
        // A missing flag key takes the default entry's flags.
        QCOMPARE(flags(p->m_alarm.out[2].sensorOn, 4), QByteArray("0010"));
    }
    void alarmRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4, 7)));
        PropAlarm& a = p->m_alarm;
        a.sensortype[3] = 1;
        qstrncpy(a.out[1].name, "Siren", 32);
        a.out[1].dur = 10;
        a.out[6].motionOn[19] = 1;
        a.out[4].txtinOn[2] = 1;
        a.out[0].vlossOn[5] = 1;
        a.dur_preset = 4;
        a.preset_motion[3][3] = 32;
        p->save(IDX_PROP_ALARM);
        Prop q(propertyFromText(root, root.read("/tmp/t.conf")));
        QCOMPARE(std::memcmp(&q->m_alarm, &p->m_alarm, sizeof(PropAlarm)), 0);
    }
    void presetMotionRows()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4, 7) + "[ALARM]\npreset_motion%5B0%5D=1 2\n"
                                                      "preset_motion%5B1%5D=1 2 3 4 5 6\n"
                                                      "preset_motion%5B2%5D=7 x 9\n"));
        QCOMPARE(p->m_alarm.preset_motion[0][0], 1);
        QCOMPARE(p->m_alarm.preset_motion[0][1], 2);
        QCOMPARE(p->m_alarm.preset_motion[0][2], 0);
        QCOMPARE(p->m_alarm.preset_motion[1][3], 4);
        QCOMPARE(p->m_alarm.preset_motion[1][4], 0); // only the four cameras in use
        QCOMPARE(p->m_alarm.preset_motion[2][0], 7);
        QCOMPARE(p->m_alarm.preset_motion[2][2], 0);
    }
    void presetChecks_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expect");
        QTest::newRow("speed 262 keeps low byte") << QByteArray("speedpan00") << QByteArray("262") << 6;
        QTest::newRow("speed 7") << QByteArray("speedpan00") << QByteArray("7") << 0;
        QTest::newRow("tilt -1") << QByteArray("speedtilt00") << QByteArray("-1") << 0;
        QTest::newRow("dwell 5") << QByteArray("dur00") << QByteArray("5") << 0;
        QTest::newRow("tour step 32") << QByteArray("data00_seq05") << QByteArray("32") << 32;
        QTest::newRow("tour step 33") << QByteArray("data00_seq05") << QByteArray("33") << 0;
        QTest::newRow("tour on") << QByteArray("tourOn00") << QByteArray("7") << 1;
        QTest::newRow("preset on") << QByteArray("data00_on05") << QByteArray("true") << 1;
    }
    void presetChecks()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(int, expect);
        TTestRoot root;
        Prop p(propertyFromText(root, unit() + "[PRESET]\n" + key + "=" + value + "\n"));
        const PresetChannel& c = p->m_preset.ch[0];
        int got = -1;
        if (key.startsWith("speedpan"))
            got = c.speedpan;
        else if (key.startsWith("speedtilt"))
            got = c.speedtilt;
        else if (key.startsWith("dur"))
            got = c.dur;
        else if (key.contains("seq"))
            got = c.seq[5];
        else if (key.startsWith("tourOn"))
            got = c.tourOn;
        else if (key.contains("_on"))
            got = c.preset[5].on;
        QCOMPARE(got, expect);
    }
    void presetRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(2)));
        QCOMPARE(int(p->m_preset.ch[1].speedpan), 3);
        PresetChannel& c = p->m_preset.ch[1];
        c.speedpan = 6;
        c.tourOn = 1;
        c.dur = 2;
        c.seq[31] = 32;
        c.preset[7].on = 1;
        qstrncpy(c.preset[7].name, "Door", 32);
        // A whole save leaves PRESET alone; it is written by its own index.
        p->save(-1);
        QVERIFY(groupText(root.read("/tmp/t.conf"), "PRESET").isEmpty());
        p->save(IDX_PROP_PRESET);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "PRESET"), 2 * (4 + 3 * 32));
        QCOMPARE(iniValue(ini, "PRESET", "data01_name07"), QByteArray("Door"));
        Prop q(propertyFromText(root, ini));
        QCOMPARE(std::memcmp(&q->m_preset.ch[0], &p->m_preset.ch[0], 2 * sizeof(PresetChannel)), 0);
    }
    void ptzChecks_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("addr");
        QTest::addColumn<int>("baud");
        QTest::newRow("defaults") << QByteArray() << 0 << 1;
        QTest::newRow("in range") << QByteArray("addr01=255\nbaud01=5\n") << 255 << 5;
        QTest::newRow("addr -1") << QByteArray("addr01=-1\n") << 0 << 1;
        QTest::newRow("addr 256") << QByteArray("addr01=256\n") << 0 << 1;
        QTest::newRow("baud 9 gives 2400") << QByteArray("baud01=9\n") << 0 << 0;
    }
    void ptzChecks()
    {
        QFETCH(QByteArray, keys);
        QFETCH(int, addr);
        QFETCH(int, baud);
        TTestRoot root;
        Prop p(propertyFromText(root, unit() + "[PTZ]\ndriver01=" + QByteArray(40, 'd') + "\n" + keys));
        QCOMPARE(QByteArray(p->m_ptz.ch[1].driver), QByteArray(31, 'd'));
        QCOMPARE(p->m_ptz.ch[1].addr, addr);
        QCOMPARE(p->m_ptz.ch[1].baud, baud);
    }
    void posForms()
    {
        TTestRoot root;
        // The older single-port form wins and converts at the next save.
        Prop p(propertyFromText(root, unit() + "[POS]\nchannel=2\nta_start=BEGIN\n"
                                               "s%5B1%5D.channel=3\noverlaytime=9\n"));
        QCOMPARE(p->m_pos.port[0].channel, 2);
        QCOMPARE(QByteArray(p->m_pos.port[0].ta_start), QByteArray("BEGIN"));
        QCOMPARE(p->m_pos.port[1].channel, 2); // its default, the key is ignored
        QCOMPARE(p->m_pos.port[4].channel, 5);
        QCOMPARE(p->m_pos.overlaytime, 9);
        p->save(IDX_PROP_POS);
        const QByteArray ini = root.read("/tmp/t.conf");
        QVERIFY(iniValue(ini, "POS", "channel").isEmpty());
        QCOMPARE(iniValue(ini, "POS", "s%5B0%5D.channel"), QByteArray("2"));
        // channel=-1 marks the newer form.
        Prop q(propertyFromText(root, unit() + "[POS]\nchannel=-1\ns%5B1%5D.channel=3\n"));
        QCOMPARE(q->m_pos.port[1].channel, 3);
        QCOMPARE(q->m_pos.port[0].channel, 1);
        QCOMPARE(q->m_pos.overlaytime, 5);
    }
    void posRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit()));
        PosPort& port = p->m_pos.port[4];
        port.channel = 0;
        port.baudrate = 3;
        port.morelines = 1;
        qstrncpy(port.ignore4, "VOID", 32);
        qstrncpy(port.ta_end, "TOTAL", 32);
        p->m_pos.overlaypos = 2;
        p->save(IDX_PROP_POS);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "POS"), 5 * 9 + 2);
        Prop q(propertyFromText(root, ini));
        QCOMPARE(std::memcmp(&q->m_pos, &p->m_pos, sizeof(PropPos)), 0);
    }
    void controlDvrid_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expect");
        QTest::newRow("100") << QByteArray("100") << 100;
        QTest::newRow("101") << QByteArray("101") << 0;
        QTest::newRow("-5") << QByteArray("-5") << 0;
    }
    void controlDvrid()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expect);
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[CONTROL]\ncontrol=2\ndvrid=" + value + "\n", testDevices()));
        QCOMPARE(p->m_control.dvrid, expect);
        QCOMPARE(p->m_control.control, 2);
        QCOMPARE(p->m_control.keybuzzer, 1);
        QCOMPARE(p->m_control.reserved[0], 0);
        p->save(IDX_PROP_CONTROL);
        QCOMPARE(iniKeyCount(root.read("/tmp/t.conf"), "CONTROL"), 4);
    }
    void ptzdrvCount_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("cnt");
        QTest::addColumn<int>("names");
        QTest::newRow("25 gives 20") << 25 << 20 << 20;
        QTest::newRow("0 reads none") << 0 << 0 << 0;
        QTest::newRow("negative stays") << -3 << -3 << 0;
    }
    void ptzdrvCount()
    {
        QFETCH(int, stored);
        QFETCH(int, cnt);
        QFETCH(int, names);
        TTestRoot root;
        QByteArray ini = unit() + "[PTZDRV]\ncnt=" + QByteArray::number(stored) + "\n";
        for (int i = 0; i < 30; ++i)
            ini += "driver" + QByteArray::number(i) + "=P" + QByteArray::number(i) + "\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(p->m_ptzdrv.cnt, cnt);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(QByteArray(p->m_ptzdrv.driver[i]), i < names ? "P" + QByteArray::number(i) : QByteArray());
        // Written only by its own index; the names below the count.
        p->save(IDX_PROP_PTZDRV);
        QCOMPARE(iniKeyCount(root.read("/tmp/t.conf"), "PTZDRV"), 1 + names);
    }
    void craftedCountsStayInTables()
    {
        TTestRoot root;
        QByteArray ini = "[DEVICES]\nvideos=1000\nsensors=1000\nalarmouts=1000\n[ALARM]\n"
                         "sensortype00=" + QByteArray(50, '1') + "\n";
        for (int r = 0; r < 25; ++r)
            ini += "preset_motion%5B" + QByteArray::number(r) + "%5D=" + QByteArray("9 ").repeated(40) + "\n";
        ini += "[PRESET]\n";
        for (int c = 0; c < 25; ++c)
            ini += "speedpan" + QByteArray::number(c) + "=5\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(p->alarmOutputs(), 23);
        // 20 relays named, the last three outputs are the buzzer and pop-ups.
        QCOMPARE(QByteArray(p->m_alarm.out[19].name), QByteArray("Alarm 20"));
        QCOMPARE(p->m_alarm.out[20].name[0], '\0');
        QCOMPARE(int(p->m_alarm.out[19].sensorOn[19]), 1);
        QCOMPARE(flags(p->m_alarm.sensortype, 20), QByteArray(20, '1'));
        QCOMPARE(p->m_alarm.preset_motion[19][19], 9);
        QCOMPARE(int(p->m_preset.ch[19].speedpan), 5);
        p->save(-1);
        p->save(IDX_PROP_PRESET);
        const QByteArray out = root.read("/tmp/t.conf");
        QVERIFY(groupText(out, "ALARM").contains("\nspotpopup_dur22="));
        QCOMPARE(iniKeyCount(out, "PTZ"), 60);
        QCOMPARE(iniKeyCount(out, "PRESET"), 20 * 100);
        p->setDefault(-1);
        QCOMPARE(QByteArray(p->m_alarm.out[19].name), QByteArray("Alarm 20"));
    }
};

QTEST_GUILESS_MAIN(TPropertyAlarmTest)
#include "tpropertyalarmtest.moc"
