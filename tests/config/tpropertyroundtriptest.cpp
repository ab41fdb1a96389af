#include "fakecaps.h"
#include "fakedvr.h"

#include <QtTest>
#include <memory>

namespace {

// Moves every section of p away from its defaults, within the channels in use.
void changeEverything(TProperty& p)
{
    p.m_osd.alpha = 3;
    p.m_display.orders[0] = 1;
    p.m_display.orders[1] = 0;
    p.m_dtform.date = 2;
    p.m_infobar.auto_ = 1;
    p.m_spothd.dwell = 3;
    p.m_spot.skip_vloss = 0;
    p.m_color.data[15].hue = 99;
    p.m_record.data[15] = RecordEntry{3, 0, 1, 2, 3, 0, 1, 1, 40, 3}; // fits the budget
    p.m_group.data[3][7].mode = 0;
    p.m_group.data[1][0].postdur = 55;
    p.m_schedule.on = 1;
    p.m_schedule.data[7][143] = 2;
    p.m_holiday.data[4][5] = 1;
    p.m_event.evts[15][0] = 4;
    qstrncpy(p.m_camera.data[15].name, "Loading bay", 64);
    p.m_camera.data[3].covertOn = 1;
    p.m_private.mask[15][17] = 0x80000001u;
    p.m_audio.in[0] = 16;
    p.m_audio.in[1] = 16;
    p.m_audio.out = 4;
    p.m_motion.ch[15].sens = 0;
    p.m_motion.ch[19].mask[0] = 0;
    p.m_alarm.out[3].motionOn[15] = 1;
    p.m_alarm.out[6].dur = 5;
    p.m_alarm.preset_motion[15][15] = 3;
    p.m_preset.ch[15].preset[31].on = 1;
    qstrncpy(p.m_preset.ch[15].preset[31].name, "Last", 32);
    qstrncpy(p.m_ptz.ch[15].driver, "PELCO-D", 32);
    p.m_ptz.ch[15].addr = 200;
    p.m_pos.port[2].morelines = 1;
    qstrncpy(p.m_pos.port[2].ignore3, "*", 32);
    p.m_control.controlid = 3;
    p.m_control.dvrid = 99;
    qstrncpy(p.m_netaddr.pppid, "isp-user", 64);
    p.m_netport.web = 8080;
    p.m_netemail.evt[3][4] = 1;
    p.m_netemail.evt[6][0] = 1;
    p.m_netcontrol.subOn[15] = 1;
    p.m_netcontrol.entry[15].equal = 2;
    qstrncpy(p.m_netddns.type, "DynDNS", 16);
    qstrncpy(p.m_netddns.mac, "00:11:22:33:44:55", 32);
    p.m_datetime.diff = 3600;
    qstrncpy(p.m_user.user[7].id, "night", 16);
    p.m_user.user[7].camlocal[15] = 1;
    p.m_storage.alarm[1] = 2;
    p.m_smart.heat = 11;
    p.m_searchopt.Range = 1;
    p.m_ptzdrv.cnt = 2;
    qstrncpy(p.m_ptzdrv.driver[0], "PELCO-D", 32);
    qstrncpy(p.m_ptzdrv.driver[1], "PELCO-P", 32);
    p.m_timezone.cnt = 2;
    qstrncpy(p.m_timezone.zone[0].local, "GMT+09:00 Seoul", 44);
    qstrncpy(p.m_timezone.zone[1].local, "GMT+01:00 Paris", 44);
    p.m_timezone.zone[1].dst = 1;
}

// Every section written: the whole set plus those written only by index.
void saveAll(TProperty& p)
{
    p.save(-1);
    for (int idx : {IDX_PROP_DEVICES, IDX_PROP_PRESET, IDX_PROP_SEARCHOPT, IDX_PROP_PTZDRV,
                    IDX_PROP_TIMEZONE})
        p.save(idx);
}

void compareSections(const TProperty& a, const TProperty& b)
{
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx) {
        const bool same =
            std::memcmp(a.section(idx), b.section(idx), size_t(TProperty::sectionSize(idx))) == 0;
        QVERIFY2(same, TProperty::groupName(idx));
    }
}

} // namespace

// A whole configuration of a 16-channel unit: every section written and read
// back as it was.
class TPropertyRoundTripTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void wholeFileRoundTrip()
    {
        TTestRoot root;
        const PropDevices dev = testDevices(16, 4, 16, 7);
        PropDefault def;
        TDefault::setDefaults(&def);
        TProperty live(QStringLiteral("/tmp/T16.conf"), &dev, &def);
        changeEverything(live);
        saveAll(live);
        const QByteArray written = root.read("/tmp/T16.conf");
        for (int idx = 0; idx < IDX_PROP_DALCAPS - 1; ++idx) {
            if (idx == IDX_PROP_AVCCAPS)
                continue;
            QVERIFY2(!groupText(written, TProperty::groupName(idx)).isEmpty(), TProperty::groupName(idx));
        }

        // Read back without the records, as an imported file is.
        TProperty back(QStringLiteral("/tmp/T16.conf"));
        compareSections(live, back);
        // Writing it again gives the same file.
        saveAll(back);
        QCOMPARE(root.read("/tmp/T16.conf"), written);
    }
    // The 16-channel profile of the device stand-in, as the configuration object
    // builds its live copy on the RAM file and builds it again at the next start.
    void standInUnitRoundTrip()
    {
        TTestRoot root;
        FakeCaps::install16();
        const PropDevices dev = FakeCaps::devices();
        PropDefault def;
        TDefault::setDefaults(&def);
        QByteArray written;
        std::unique_ptr<TProperty> live(new TProperty(QStringLiteral("/tmp/DVR16.conf"), &dev, &def));
        changeEverything(*live);
        saveAll(*live);
        written = root.read("/tmp/DVR16.conf");
        QCOMPARE(iniKeyCount(written, "RECORD"), 16);
        QCOMPARE(iniKeyCount(written, "CAMERA"), 16 * 5);
        QCOMPARE(iniKeyCount(written, "USER"), 1 + 8 * 9);
        TProperty next(QStringLiteral("/tmp/DVR16.conf"), &dev, &def);
        compareSections(*live, next);
        live.reset();
        saveAll(next);
        QCOMPARE(root.read("/tmp/DVR16.conf"), written);
    }
    // The stored form of a small unit's sections, byte for byte: two cameras, two
    // audio inputs, two sensors, two relays, two disks, two users. (The privacy
    // and motion masks, 20 cameras each, are pinned by their own tests.)
    void sectionsGolden()
    {
        TTestRoot root;
        PropDevices dev = testDevices(2, 2, 2, 5);
        dev.txtin = 1;
        dev.users = 2;
        dev.frames = 120;
        PropDefault def;
        TDefault::setDefaults(&def);
        {
            TProperty p(QStringLiteral("/tmp/U2.conf"), &dev, &def);
            p.m_record.data[1] = RecordEntry{3, 0, 2, 1, 3, 1, 7, 2, 55, 4};
            p.m_group.data[2][0].predur = 2;
            p.m_schedule.on = 1;
            for (int k = 9 * 6; k < 17 * 6; ++k)
                p.m_schedule.data[2][k] = 0;
            p.m_holiday.data[11][25] = 1;
            p.m_event.evts[0][1] = 2;
            qstrncpy(p.m_camera.data[1].name, "Rear door", 64);
            p.m_camera.data[1].show43 = 1;
            p.m_audio.in[1] = 2; // off
            p.m_alarm.sensortype[1] = 1;
            p.m_alarm.out[1].vlossOn[1] = 1;
            p.m_alarm.out[3].dur = 6;
            p.m_alarm.preset_motion[0][1] = 4;
            p.m_preset.ch[1].tourOn = 1;
            p.m_preset.ch[1].seq[0] = 4;
            p.m_preset.ch[1].preset[3].on = 1;
            qstrncpy(p.m_preset.ch[1].preset[3].name, "Gate", 32);
            qstrncpy(p.m_ptz.ch[0].driver, "PELCO-D", 32);
            p.m_ptz.ch[0].addr = 1;
            qstrncpy(p.m_pos.port[0].ta_start, "SALE", 32);
            p.m_control.keybuzzer = 0;
            qstrncpy(p.m_netaddr.ip, "192.168.0.20", 32);
            p.m_netaddr.dhcp = 0;
            p.m_netport.web = 8080;
            p.m_netemail.on = 1;
            qstrncpy(p.m_netemail.to, "guard@example.org", 64);
            p.m_netemail.evt[0][0] = 1;
            p.m_netcontrol.subOn[1] = 1;
            qstrncpy(p.m_netddns.domain, "shop.example.net", 100);
            p.m_datetime.dst = 1;
            qstrncpy(p.m_user.user[1].id, "clerk", 16);
            qstrncpy(p.m_user.user[1].pw, "1111", 16);
            p.m_user.user[1].search = 1;
            p.m_user.user[1].camlocal[0] = p.m_user.user[1].camlocal[1] = 1;
            p.m_user.user[1].camnet[1] = 1;
            p.m_storage.alarm[1] = 1;
            p.m_smart.on = 1;
            p.m_searchopt.Channel = 1;
            p.m_ptzdrv.cnt = 1;
            qstrncpy(p.m_ptzdrv.driver[0], "PELCO-D", 32);
            p.m_timezone.cnt = 1;
            qstrncpy(p.m_timezone.zone[0].local, "GMT+09:00 Seoul", 44);
            for (int idx = IDX_PROP_RECORD; idx <= IDX_PROP_TIMEZONE; ++idx) {
                if (idx != IDX_PROP_PRIVATE && idx != IDX_PROP_MOTION && idx != IDX_PROP_DEFAULT)
                    p.save(idx);
            }
        }
        const QByteArray got = root.read("/tmp/U2.conf");
        QFile f(QFINDTESTDATA("../data/config/sections-2ch.conf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray want = f.readAll();
        if (got != want) {
            root.keep();
            QCOMPARE(QString::fromUtf8(got), QString::fromUtf8(want));
        }
    }
    void absurdCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("tables"); // what the counts are clamped to (channels)
        QTest::newRow("huge") << 1000 << 20;
        QTest::newRow("negative") << -7 << 0;
    }
    // Every count of the device record and the zone count far outside the tables:
    // every loader, saver and default setter stays inside them.
    void absurdCounts()
    {
        QFETCH(int, count);
        QFETCH(int, tables);
        TTestRoot root;
        TFakeDvr::avc().num_rridx = count;
        TFakeDvr::avc().num_nridx = count;
        TFakeDvr::avc().num_fidx = count;
        const QByteArray n = QByteArray::number(count);
        const QByteArray ini = "[DEVICES]\nvideos=" + n + "\naudios=" + n + "\nsensors=" + n +
                               "\nalarmouts=" + n + "\ntxtin=" + n + "\nstorage=" + n +
                               "\nusers=" + n + "\nframes=100000\n[TIMEZONE]\ncnt=" +
                               QByteArray::number(count / 2) + "\n[PTZDRV]\ncnt=" + n + "\n";
        std::unique_ptr<TProperty> p(propertyFromText(root, ini));
        QCOMPARE(p->channels(), tables);
        QVERIFY(p->m_timezone.cnt >= 0 && p->m_timezone.cnt <= 80);
        QVERIFY(p->m_ptzdrv.cnt <= 20);
        p->setDefault(-1);
        saveAll(*p);
        p->load(-1);
        saveAll(*p);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "RECORD"), tables);
        QCOMPARE(iniKeyCount(out, "EVENT"), tables);
        QCOMPARE(iniKeyCount(out, "CAMERA"), 5 * tables);
        QCOMPARE(iniKeyCount(out, "NETCONTROL"), tables);
        QCOMPARE(iniKeyCount(out, "TIMEZONE"), 1 + 2 * p->m_timezone.cnt);
        QCOMPARE(iniKeyCount(out, "USER"), 1 + 9 * (count > 0 ? 8 : 0));
        QCOMPARE(iniKeyCount(out, "STORAGE"), 4 + (count > 0 ? 16 : 0));
    }
    void editCopyRoundTrip()
    {
        TTestRoot root;
        const PropDevices dev = testDevices(16, 4, 16, 7);
        PropDefault def;
        TDefault::setDefaults(&def);
        TProperty edit(QString(), &dev, &def);
        changeEverything(edit);
        saveAll(edit);
        std::unique_ptr<TProperty> copy(new TProperty(QString(), &dev, &def));
        QVERIFY(std::memcmp(&copy->m_camera, &edit.m_camera, sizeof(PropCamera)) != 0);
        // Loading what the edit copy saved gives back every section.
        PropCamera cam = edit.m_camera;
        edit.setDefault(-1);
        edit.load(-1);
        // (cameras beyond the 16 in use hold their defaults after the reset)
        QCOMPARE(std::memcmp(cam.data, edit.m_camera.data, 16 * sizeof(CameraEntry)), 0);
        QCOMPARE(QByteArray(edit.m_timezone.zone[1].local), QByteArray("GMT+01:00 Paris"));
        QCOMPARE(int(edit.m_preset.ch[15].preset[31].on), 1);
    }
};

QTEST_GUILESS_MAIN(TPropertyRoundTripTest)
#include "tpropertyroundtriptest.moc"
