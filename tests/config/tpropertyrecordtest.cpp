#include "fakedvr.h"

#include <QtTest>
#include <memory>

using Prop = std::unique_ptr<TProperty>;

namespace {

// A unit of `videos` channels, 2 audio inputs, 4 sensors, budget `frames`.
QByteArray unit(int videos, int frames = 1000, int sensors = 4)
{
    PropDevices d = testDevices(videos, 2, sensors);
    d.frames = frames;
    return devicesGroup(d);
}

QList<int> fields(const RecordEntry& e)
{
    return {e.mode, e.audio, e.cridx, e.cqual, e.cfidx, e.eridx, e.equal, e.efidx, e.predur, e.postdur};
}

} // namespace

// Recording sections: RECORD, GROUP, SCHEDULE, HOLIDAY and EVENT.
class TPropertyRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void recordText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("numFidx");
        QTest::addColumn<QList<int>>("expect"); // text order: mode audio cridx cqual cfidx eridx equal efidx predur postdur
        QTest::newRow("all fields") << QByteArray("03 00 02 01 04 02 03 05 04 55") << 8
                                    << QList<int>{3, 0, 2, 1, 4, 2, 3, 5, 4, 55};
        QTest::newRow("frame rates beyond steps") << QByteArray("03 00 02 01 04 02 03 05 04 55") << 4
                                                  << QList<int>{3, 0, 2, 1, 0, 2, 3, 0, 4, 55};
        QTest::newRow("bad mode") << QByteArray("07 01") << 8 << QList<int>{0, 1, 0, 0, 0, 0, 0, 0, 0, 10};
        QTest::newRow("post 56") << QByteArray("01 01 00 00 00 00 00 00 00 56") << 8
                                 << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10};
        QTest::newRow("negative pre") << QByteArray("01 01 00 00 00 00 00 00 -1 20") << 8
                                      << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 20};
        QTest::newRow("resolutions beyond list") << QByteArray("01 01 04 04 00 09 04 00 00 10") << 8
                                                 << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10};
        QTest::newRow("no steps") << QByteArray("01 01 00 00 03 00 00 02 00 10") << 0
                                  << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10};
        QTest::newRow("not numbers") << QByteArray("xx yy") << 8 << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10};
        QTest::newRow("wide numbers take two digits") << QByteArray("123") << 8
                                                      << QList<int>{0, 3, 0, 0, 0, 0, 0, 0, 0, 10};
    }
    void recordText()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, numFidx);
        QFETCH(QList<int>, expect);
        TTestRoot root;
        TFakeDvr::avc().num_fidx = numFidx;
        Prop p(propertyFromText(root, unit(4) + "[RECORD]\ndata01=" + text + "\n"));
        QCOMPARE(fields(p->m_record.data[1]), expect);
        // Channel 0 has no key: its default entry (with audio, as it is below 2 audio inputs).
        QCOMPARE(fields(p->m_record.data[0]), (QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10}));
        // Channel 3 has no audio input.
        QCOMPARE(int(p->m_record.data[3].audio), 0);
    }
    void recordGoldenText()
    {
        TTestRoot root;
        PropDevices dev = testDevices(3, 2);
        PropDefault def;
        TDefault::setDefaults(&def);
        {
            TProperty p(QStringLiteral("/tmp/g.conf"), &dev, &def);
            RecordEntry& e = p.m_record.data[2];
            e = RecordEntry{3, 1, 2, 5, 1, 3, 7, 2, 55, 4}; // mode audio cridx cfidx cqual eridx efidx equal post pre
            p.save(IDX_PROP_RECORD);
        }
        QCOMPARE(groupText(root.read("/tmp/g.conf"), "RECORD"),
                 QByteArray("[RECORD]\n"
                            "data00=01 01 00 00 00 00 00 00 00 10\n"
                            "data01=01 01 00 00 00 00 00 00 00 10\n"
                            "data02=03 01 02 01 05 03 02 07 04 55\n"));
    }
    void recordOnlyChannelsInUse()
    {
        TTestRoot root;
        QByteArray ini = unit(8) + "[RECORD]\n";
        for (int c = 0; c < 20; ++c)
            ini += QByteArray("data") + QByteArray::number(c).rightJustified(2, '0') + "=02\n";
        Prop p(propertyFromText(root, ini));
        for (int c = 0; c < 8; ++c)
            QCOMPARE(int(p->m_record.data[c].mode), 2);
        // Entries beyond the channels in use are not read (zero after construction).
        for (int c = 8; c < 20; ++c)
            QCOMPARE(int(p->m_record.data[c].mode), 0);
        p->save(IDX_PROP_RECORD);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "RECORD"), 8);
        QVERIFY(iniValue(out, "RECORD", "data08").isEmpty());
    }
    void recordBudget_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("reset");
        // Four channels at 30 fps plus one at 31: 121 frames.
        QTest::newRow("over by one") << 120 << true;
        QTest::newRow("at the limit") << 121 << false;
    }
    void recordBudget()
    {
        QFETCH(int, frames);
        QFETCH(bool, reset);
        TTestRoot root;
        TFakeDvr::avc().fidx2fps[7] = 31; // step 7: 31 fps
        // 30 continuous + 30 event + 30 both (counted once) + 31 + nothing = 121.
        const QByteArray table = unit(5, frames) + "[RECORD]\n"
                                                   "data00=01 00 00 00 00 00 00 00 00 20\n"
                                                   "data01=02 00 00 00 00 00 00 00 00 20\n"
                                                   "data02=03 00 00 00 00 00 00 00 00 20\n"
                                                   "data03=01 00 00 00 07 00 00 00 00 20\n"
                                                   "data04=00 00 00 00 00 00 00 00 00 20\n";
        Prop p(propertyFromText(root, table));
        // After the reset the five default channels weigh 5 x 30.
        QCOMPARE(p->calcRecordLoad(p->m_record.data), reset ? 150 : 121);
        if (reset) {
            // Every one of the 20 entries is the channel's default.
            for (int c = 0; c < 20; ++c) {
                RecordEntry d;
                p->makeDefRecordEntry(&d, c);
                QCOMPARE(fields(p->m_record.data[c]), fields(d));
            }
        } else {
            QCOMPARE(int(p->m_record.data[3].cfidx), 7);
            QCOMPARE(int(p->m_record.data[4].mode), 0);
            QCOMPARE(int(p->m_record.data[0].postdur), 20);
        }
    }
    void groupBudget_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("reset");
        // Group B asks 2 x 30 x 4.0 = 240 frames.
        QTest::newRow("group B at the limit") << 240 << false;
        QTest::newRow("group B over the limit") << 239 << true;
    }
    void groupBudget()
    {
        QFETCH(int, frames);
        QFETCH(bool, reset);
        TTestRoot root;
        // Group A weighs nothing; group C and D keys give mode 0 when they are read.
        const QByteArray ini = unit(2, frames) + "[GROUP]\n"
                                                 "g00data00=00 00 00 00 00 00 00 00 00 20\n"
                                                 "g00data01=00 00 00 00 00 00 00 00 00 20\n"
                                                 "g01data00=02 00 00 00 00 03 00 00 00 20\n"
                                                 "g01data01=02 00 00 00 00 03 00 00 00 20\n"
                                                 "g02data00=00\ng02data01=00\ng03data00=00\ng03data01=00\n";
        Prop p(propertyFromText(root, ini));
        if (reset) {
            // All four groups as the default setter gives them, every channel.
            const int modes[4] = {1, 2, 3, 1};
            for (int g = 0; g < 4; ++g) {
                for (int c = 0; c < 20; ++c) {
                    QCOMPARE(int(p->m_group.data[g][c].mode), modes[g]);
                    QCOMPARE(int(p->m_group.data[g][c].postdur), 10);
                }
            }
        } else {
            const int modes[4] = {0, 2, 0, 0};
            for (int g = 0; g < 4; ++g) {
                QCOMPARE(int(p->m_group.data[g][1].mode), modes[g]);
                QCOMPARE(int(p->m_group.data[g][5].mode), 0); // beyond the channels: not read
            }
            QCOMPARE(int(p->m_group.data[1][0].eridx), 3);
            QCOMPARE(int(p->m_group.data[1][0].postdur), 20);
        }
    }
    void groupMissingKeyIsContinuous()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4) + "[GROUP]\ng01data00=02\ng02data00=03\n"));
        QCOMPARE(int(p->m_group.data[1][0].mode), 2);
        QCOMPARE(int(p->m_group.data[2][0].mode), 3);
        // A missing key gives the channel's default entry, continuous, in every group.
        QCOMPARE(int(p->m_group.data[1][3].mode), 1);
        QCOMPARE(int(p->m_group.data[2][3].mode), 1);
    }
    void groupRoundTrip()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4, 2);
        PropDefault def;
        TDefault::setDefaults(&def);
        PropGroup expect;
        {
            TProperty p(QStringLiteral("/tmp/g.conf"), &dev, &def);
            p.defGroup();
            p.m_group.data[3][2] = RecordEntry{2, 0, 3, 6, 2, 1, 4, 3, 33, 2};
            expect = p.m_group;
            p.save(IDX_PROP_GROUP);
        }
        TProperty q(QStringLiteral("/tmp/g.conf"));
        for (int g = 0; g < 4; ++g) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(fields(q.m_group.data[g][c]), fields(expect.data[g][c]));
        }
        QCOMPARE(iniValue(root.read("/tmp/g.conf"), "GROUP", "g03data02"),
                 QByteArray("02 00 03 02 06 01 03 04 02 33"));
    }
    void scheduleDefaults()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4)));
        QCOMPARE(p->m_schedule.on, 0);
        QCOMPARE(p->m_schedule.holiydayOn, 1);
        for (int r = 0; r < 8; ++r) {
            for (int k = 0; k < 144; ++k)
                QCOMPARE(int(p->m_schedule.data[r][k]), 4);
        }
    }
    void scheduleDamagedRows()
    {
        TTestRoot root;
        const QByteArray ini = unit(4) + "[SCHEDULE]\non=true\nholiydayOn=0\n"
                               "data0=" + QByteArray(100, '2') + "\n"
                               "data1=7x3" + QByteArray(141, '1') + "\n"
                               "data2=" + QByteArray(150, '3') + "\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(p->m_schedule.on, 1);
        QCOMPARE(p->m_schedule.holiydayOn, 0);
        // A short row: group A (0) in the cells it does not carry.
        QCOMPARE(int(p->m_schedule.data[0][99]), 2);
        for (int k = 100; k < 144; ++k)
            QCOMPARE(int(p->m_schedule.data[0][k]), 0);
        // '7' and 'x' are no cell values: group A.
        QCOMPARE(int(p->m_schedule.data[1][0]), 0);
        QCOMPARE(int(p->m_schedule.data[1][1]), 0);
        QCOMPARE(int(p->m_schedule.data[1][2]), 3);
        QCOMPARE(int(p->m_schedule.data[1][143]), 1);
        // A long row is cut; a missing row is "no recording".
        QCOMPARE(int(p->m_schedule.data[2][143]), 3);
        QCOMPARE(int(p->m_schedule.data[3][0]), 4);
    }
    void scheduleGoldenText()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4, 2);
        PropDefault def;
        TDefault::setDefaults(&def);
        PropSchedule expect;
        {
            TProperty p(QStringLiteral("/tmp/g.conf"), &dev, &def);
            p.m_schedule.on = 1;
            // Monday 08:00..18:00 group B, Sunday 00:00..00:10 group D.
            for (int k = 8 * 6; k < 18 * 6; ++k)
                p.m_schedule.data[1][k] = 1;
            p.m_schedule.data[0][0] = 3;
            expect = p.m_schedule;
            p.save(IDX_PROP_SCHEDULE);
        }
        // The settings file lists the keys of a group in key order.
        const QByteArray none(144, '4');
        QCOMPARE(groupText(root.read("/tmp/g.conf"), "SCHEDULE"),
                 "[SCHEDULE]\n"
                 "data0=3" + QByteArray(143, '4') + "\n"
                 "data1=" + QByteArray(48, '4') + QByteArray(60, '1') + QByteArray(36, '4') + "\n"
                 "data2=" + none + "\ndata3=" + none + "\ndata4=" + none + "\ndata5=" + none +
                 "\ndata6=" + none + "\ndata7=" + none + "\nholiydayOn=1\non=1\n");
        TProperty q(QStringLiteral("/tmp/g.conf"));
        QCOMPARE(std::memcmp(&q.m_schedule, &expect, sizeof expect), 0);
    }
    void holidayRoundTrip()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4, 2);
        PropDefault def;
        TDefault::setDefaults(&def);
        {
            TProperty p(QStringLiteral("/tmp/g.conf"), &dev, &def);
            p.m_holiday.data[11][25] = 1; // 25 December
            p.m_holiday.data[0][1] = 1;   // 1 January
            p.save(IDX_PROP_HOLIDAY);
        }
        const QByteArray ini = root.read("/tmp/g.conf");
        QCOMPARE(iniValue(ini, "HOLIDAY", "data11"), QByteArray(25, '0') + "1" + QByteArray(6, '0'));
        QCOMPARE(iniValue(ini, "HOLIDAY", "data05"), QByteArray(32, '0'));
        TProperty q(QStringLiteral("/tmp/g.conf"));
        QCOMPARE(int(q.m_holiday.data[11][25]), 1);
        QCOMPARE(int(q.m_holiday.data[0][1]), 1);
        QCOMPARE(int(q.m_holiday.data[11][24]), 0);
        // Damaged rows: non-digits read 0, a short row zeros the rest.
        Prop d(propertyFromText(root, unit(4) + "[HOLIDAY]\ndata02=0x19\ndata03=\n"));
        QCOMPARE(int(d->m_holiday.data[2][1]), 0);
        QCOMPARE(int(d->m_holiday.data[2][2]), 1);
        QCOMPARE(int(d->m_holiday.data[2][3]), 9);
        QCOMPARE(int(d->m_holiday.data[2][4]), 0);
        QCOMPARE(int(d->m_holiday.data[3][0]), 0);
    }
    void eventDefaults()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(16, 1000, 4)));
        for (int r = 0; r < 20; ++r) {
            for (int c = 0; c < 20; ++c) {
                const int expect = (r == c && r < 16) ? (r < 4 ? 3 : 2) : 0;
                QCOMPARE(int(p->m_event.evts[r][c]), expect);
            }
        }
    }
    void eventCells_data()
    {
        QTest::addColumn<QByteArray>("row");   // key evts01 of a 16-channel unit with 4 sensors
        QTest::addColumn<QByteArray>("expect"); // the 16 cells of row 1, as digits
        QTest::newRow("sensor and beyond") << QByteArray("1000100000000000")
                                           << QByteArray("1000200000000000");
        QTest::newRow("nine gives default") << QByteArray("0900000000000000")
                                            << QByteArray("0300000000000000");
        QTest::newRow("five to eight give none") << QByteArray("5678444400000000")
                                                 << QByteArray("0000222200000000");
        QTest::newRow("short row gives defaults") << QByteArray("0") << QByteArray("0300000000000000");
        QTest::newRow("given cells replace defaults") << QByteArray("00") << QByteArray("0000000000000000");
        QTest::newRow("text input beyond sensors becomes motion") << QByteArray("4444444444444444")
                                                                  << QByteArray("4444222222222222");
    }
    void eventCells()
    {
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, expect);
        TTestRoot root;
        Prop p(propertyFromText(root, unit(16, 1000, 4) + "[EVENT]\nevts01=" + row + "\n"));
        QByteArray got;
        for (int c = 0; c < 16; ++c)
            got += char('0' + p->m_event.evts[1][c]);
        QCOMPARE(got, expect);
    }
    void eventGoldenText()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4, 2, 2);
        PropDefault def;
        TDefault::setDefaults(&def);
        {
            TProperty p(QStringLiteral("/tmp/g.conf"), &dev, &def);
            p.m_event.evts[0][1] = 4;
            p.m_event.evts[3][0] = 1;
            p.save(IDX_PROP_EVENT);
        }
        QCOMPARE(groupText(root.read("/tmp/g.conf"), "EVENT"),
                 QByteArray("[EVENT]\nevts00=3400\nevts01=0300\nevts02=0020\nevts03=1002\n"));
        TProperty q(QStringLiteral("/tmp/g.conf"));
        QCOMPARE(int(q.m_event.evts[0][1]), 4);
        QCOMPARE(int(q.m_event.evts[3][0]), 1);
    }
    void craftedCountsStayInTables()
    {
        TTestRoot root;
        // The device also claims more resolutions and steps than its tables hold.
        TFakeDvr::avc().num_rridx = 500;
        TFakeDvr::avc().num_fidx = 500;
        QByteArray ini = "[DEVICES]\nvideos=1000\naudios=1000\nsensors=1000\nframes=100000\n"
                         "[RECORD]\n";
        for (int c = 0; c < 30; ++c)
            ini += "data" + QByteArray::number(c).rightJustified(2, '0') + "=03 01 50 00 70 09 00 99 00 10\n";
        ini += "[EVENT]\nevts00=" + QByteArray(40, '1') + "\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(p->channels(), 20);
        for (int c = 0; c < 20; ++c) {
            // Indexes beyond the capability tables load as 0.
            QCOMPARE(int(p->m_record.data[c].cridx), 0);
            QCOMPARE(int(p->m_record.data[c].cfidx), 0);
            QCOMPARE(int(p->m_record.data[c].eridx), 0);
            QCOMPARE(int(p->m_record.data[c].efidx), 0);
            QCOMPARE(int(p->m_record.data[c].mode), 3);
        }
        for (int c = 0; c < 20; ++c)
            QCOMPARE(int(p->m_event.evts[0][c]), 1);
        QVERIFY(p->calcRecordLoad(p->m_record.data) == 600);
        p->save(-1);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "RECORD"), 20);
        QCOMPARE(iniKeyCount(out, "GROUP"), 80);
        QCOMPARE(iniKeyCount(out, "EVENT"), 20);
        QCOMPARE(iniValue(out, "EVENT", "evts00").size(), 20);
    }
};

QTEST_GUILESS_MAIN(TPropertyRecordTest)
#include "tpropertyrecordtest.moc"
