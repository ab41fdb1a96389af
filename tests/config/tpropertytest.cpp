// The configuration record's frame: construction, load/save/reset orders, the
// section accessor, the edit copy's private store, the list encodings, and a
// whole 16-channel unit written to its RAM file and read back.
#include "fakecaps.h"
#include "tdefault.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

namespace {

QVariant valueOf(const QString& file, const QString& key)
{
    QSettings s(file, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    return s.value(key);
}

PropDefault factory()
{
    PropDefault d;
    TDefault::setDefaults(&d);
    return d;
}

template <typename T>
bool same(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TPropertyTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { FakeCaps::install16(); }
    void cleanup() { FakeCaps::uninstall(); }

    void fieldList_data()
    {
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("record") << QVector<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 10}
                                << "01 01 00 00 00 00 00 00 00 10";
        QTest::newRow("wide") << QVector<int>{255, 7} << "255 07";
        QTest::newRow("negative") << QVector<int>{-1, 3} << "-1 03";
        QTest::newRow("none") << QVector<int>{} << "";
    }
    void fieldList()
    {
        QFETCH(QVector<int>, values);
        QFETCH(QString, text);
        QCOMPARE(TProperty::fieldList(values.constData(), values.size()), text);
    }
    void scanFieldList_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("read");
        QTest::addColumn<QVector<int>>("values");
        const int u = 77; // left as it was
        QTest::newRow("two digits each") << QByteArray("123") << 2
                                         << QVector<int>{12, 3, u, u, u, u, u, u, u, u};
        QTest::newRow("stops at junk") << QByteArray("01 x 02") << 1
                                       << QVector<int>{1, u, u, u, u, u, u, u, u, u};
        QTest::newRow("empty") << QByteArray() << 0
                               << QVector<int>{u, u, u, u, u, u, u, u, u, u};
        QTest::newRow("more than asked") << QByteArray("1 2 3 4 5 6 7 8 9 10 11 12") << 10
                                         << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }
    void scanFieldList()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, read);
        QFETCH(QVector<int>, values);
        QVector<int> got(10, 77);
        QCOMPARE(TProperty::scanFieldList(text, got.data(), got.size()), read);
        QCOMPARE(got, values);
    }
    void digitAt_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("past end") << QByteArray("0147") << 4 << 0;
        QTest::newRow("negative index") << QByteArray("0147") << -1 << 0;
        QTest::newRow("letter") << QByteArray("0x47") << 1 << 0;
    }
    void digitAt()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, index);
        QFETCH(int, value);
        QCOMPARE(TProperty::digitAt(text, index), value);
    }

    void emptyFileGivesDefaults()
    {
        TTestRoot root;
        TProperty p("/tmp/none.conf");
        QCOMPARE(QByteArray(p.m_devices.model), QByteArray("None"));
        QCOMPARE(p.m_devices.videos, 20);
        QVERIFY(same(p.m_default, factory()));
        QCOMPARE(p.m_spothd.mode, 4); // 20 channels
        // Loading writes nothing.
        QVERIFY(!QFile::exists(root.file("/tmp/none.conf")));
    }
    void constructorWritesDevicesAndDefault()
    {
        TTestRoot root;
        PropDevices dev = FakeCaps::devices();
        PropDefault def = factory();
        qstrncpy(def.lang, "Korean", sizeof def.lang);
        TProperty p("/tmp/DVR16.conf", &dev, &def);
        QVERIFY(same(p.m_devices, dev));
        QVERIFY(same(p.m_default, def));
        // Both groups are in the file at once (synced), the rest not yet.
        const QString file = root.file("/tmp/DVR16.conf");
        QCOMPARE(valueOf(file, "DEVICES/videos").toInt(), 16);
        QCOMPARE(valueOf(file, "DEFAULT/lang").toString(), QStringLiteral("Korean"));
        QVERIFY(keysOf(file, "OSD").isEmpty());
        // Defaults of other sections copy the DEFAULT record held in memory.
        QCOMPARE(QByteArray(p.m_osd.lang), QByteArray("Korean"));
        QCOMPARE(p.m_spothd.mode, 3); // 16 channels
    }
    void constructorWithoutRecordsReadsFile()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/imp.conf", "[DEVICES]\nmodel=X4\nvideos=4\n[DEFAULT]\nlang=Korean\n"
                                            "[OSD]\nalpha=3\n"));
        TProperty p("/tmp/imp.conf");
        QCOMPARE(QByteArray(p.m_devices.model), QByteArray("X4"));
        QCOMPARE(p.m_devices.videos, 4);
        QCOMPARE(QByteArray(p.m_default.lang), QByteArray("Korean"));
        QCOMPARE(p.m_osd.alpha, 3);
        QCOMPARE(p.m_spot.mode, 1);
    }
    void fullSaveSkipsOwnIndexSections()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nmodel=OLD\nvideos=8\n"
                                          "[AvcCaps]\nnum_chip=9\n[DalCaps]\nnum_vin=8\n"));
        TProperty p("/tmp/m.conf");
        qstrncpy(p.m_devices.model, "NEW", sizeof p.m_devices.model);
        p.m_avcCaps.num_chip = 1;
        p.m_dalCaps.num_vin = 1;
        p.save(-1);
        const QString file = root.file("/tmp/m.conf");
        QCOMPARE(valueOf(file, "DEVICES/model").toString(), QStringLiteral("OLD"));
        QCOMPARE(valueOf(file, "AvcCaps/num_chip").toInt(), 9);
        QCOMPARE(valueOf(file, "DalCaps/num_vin").toInt(), 8);
        for (const char* g : {"OSD", "DISPLAY", "DTFORM", "INFOBAR", "SPOTHD", "SPOT", "COLOR", "DEFAULT"})
            QVERIFY2(!keysOf(file, g).isEmpty(), g);
        p.save(IDX_PROP_DEVICES);
        QCOMPARE(valueOf(file, "DEVICES/model").toString(), QStringLiteral("NEW"));
        p.save(IDX_PROP_DALCAPS);
        QCOMPARE(valueOf(file, "DalCaps/num_vin").toInt(), 1);
        QCOMPARE(valueOf(file, "AvcCaps/num_chip").toInt(), 9);
    }
    void saveAboveLastIndexWritesNothing()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.save(37);
        p.save(1000);
        QVERIFY(!QFile::exists(root.file("/tmp/m.conf")));
        p.save(IDX_PROP_DTFORM);
        // save ends with a sync: the group is on the disk without waiting.
        QVERIFY(root.read("/tmp/m.conf").contains("[DTFORM]"));
    }
    void setDefaultLeavesDevicesAndDefault()
    {
        TTestRoot root;
        PropDevices dev = FakeCaps::devices();
        PropDefault def = factory();
        TProperty p("/tmp/m.conf", &dev, &def);
        p.m_osd.alpha = 2;
        p.m_display.orders[0] = 5;
        p.m_color.data[3].sat = 9;
        qstrncpy(p.m_default.lang, "Korean", sizeof p.m_default.lang);
        p.m_devices.videos = 8;
        p.m_avcCaps.num_chip = 77;
        p.setDefault(-1);
        QCOMPARE(p.m_osd.alpha, 7);
        QCOMPARE(QByteArray(p.m_osd.lang), QByteArray("Korean")); // from DEFAULT as it stands
        QCOMPARE(p.m_display.orders[0], 0);
        QCOMPARE(p.m_color.data[3].sat, uint8_t(50));
        QCOMPARE(p.m_spothd.mode, 2); // the channel count as it stands
        QCOMPARE(QByteArray(p.m_default.lang), QByteArray("Korean"));
        QCOMPARE(p.m_devices.videos, 8);
        QCOMPARE(p.m_avcCaps.num_chip, 77);

        // One section only, and indexes that name no resettable section.
        p.m_osd.alpha = 2;
        p.m_dtform.date = 2;
        p.setDefault(IDX_PROP_DTFORM);
        QCOMPARE(p.m_dtform.date, 0);
        QCOMPARE(p.m_osd.alpha, 2);
        const PropDefault before = p.m_default;
        for (int idx : {0, 31, 33, 34, 35, 36, 37}) {
            p.setDefault(idx);
            QCOMPARE(p.m_devices.videos, 8);
            QVERIFY(same(p.m_default, before));
            QCOMPARE(p.m_avcCaps.num_chip, 77);
            QCOMPARE(p.m_osd.alpha, 2);
        }
    }
    void setDefaultKeepsDdnsMac()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        qstrncpy(p.m_netddns.mac, "00:11:22:33:44:55", sizeof p.m_netddns.mac);
        p.setDefault(IDX_PROP_NETDDNS);
        QCOMPARE(QByteArray(p.m_netddns.mac), QByteArray("00:11:22:33:44:55"));
        p.setDefault(-1);
        QCOMPARE(QByteArray(p.m_netddns.mac), QByteArray("00:11:22:33:44:55"));
    }
    void loadOfOneSectionKeepsDevices()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=8\n[SPOT]\nmode=3\n"));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.m_spot.mode, 2); // 8 channels: bound 2
        p.m_devices.videos = 20;
        p.load(IDX_PROP_SPOT);
        QCOMPARE(p.m_devices.videos, 20);
        QCOMPARE(p.m_spot.mode, 3); // 20 channels: 3 is in range
        p.load(IDX_PROP_DEVICES);
        QCOMPARE(p.m_devices.videos, 8);
        p.m_devices.videos = 20;
        p.load(-1);
        QCOMPARE(p.m_devices.videos, 8);
        QCOMPARE(p.m_spot.mode, 2);
    }
    void sectionAccessor()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.section(IDX_PROP_POS), static_cast<void*>(&p.m_pos));
        QCOMPARE(TProperty::sectionSize(IDX_PROP_DALCAPS), 844);
        QVERIFY(!p.section(-1));
        QVERIFY(!p.section(37));
        QCOMPARE(TProperty::sectionSize(37), 0);
        QVERIFY(!TProperty::groupName(-1));
        QCOMPARE(QByteArray(TProperty::groupName(IDX_PROP_AVCCAPS)), QByteArray("AvcCaps"));
        // Every record lies inside the object and no two overlap.
        const char* lo = reinterpret_cast<const char*>(&p);
        const char* hi = lo + sizeof p;
        QVector<QPair<const char*, int>> spans;
        for (int i = 0; i < IDX_PROP_COUNT; ++i) {
            const char* s = static_cast<const char*>(p.section(i));
            QVERIFY(s && s >= lo && s + TProperty::sectionSize(i) <= hi);
            QVERIFY(TProperty::groupName(i));
            spans.append({s, TProperty::sectionSize(i)});
        }
        std::sort(spans.begin(), spans.end());
        for (int i = 1; i < spans.size(); ++i)
            QVERIFY(spans[i - 1].first + spans[i - 1].second <= spans[i].first);
    }
    void editCopiesAreIndependent()
    {
        TTestRoot root;
        PropDevices dev = FakeCaps::devices();
        PropDefault def = factory();
        TProperty a(QString(), &dev, &def);
        PropDevices dev8 = dev;
        dev8.videos = 8;
        TProperty b(QString(), &dev8, &def);
        a.m_osd.alpha = 3;
        a.save(IDX_PROP_OSD);
        b.load(IDX_PROP_OSD);
        QCOMPARE(b.m_osd.alpha, 7); // b does not see a's keys
        a.m_osd.alpha = 5;
        a.load(IDX_PROP_OSD);
        QCOMPARE(a.m_osd.alpha, 3); // a reads back what it saved
    }
    void editCopyLeavesNoFile()
    {
        TTestRoot root;
        {
            TProperty e((QString()));
            e.save(-1);
            QCOMPARE(root.allFiles().size(), 1);
            QVERIFY(root.allFiles().first().startsWith("/tmp/"));
        }
        QVERIFY(root.allFiles().isEmpty());
    }
    void utf8TextRoundTrip()
    {
        TTestRoot root;
        const QByteArray name = QStringLiteral("한국어").toUtf8();
        {
            TProperty p("/tmp/m.conf");
            qstrncpy(p.m_osd.lang, name.constData(), sizeof p.m_osd.lang);
            p.save(IDX_PROP_OSD);
        }
        QVERIFY(root.read("/tmp/m.conf").contains("lang=" + name)); // raw UTF-8 in the file
        TProperty q("/tmp/m.conf");
        QCOMPARE(QByteArray(q.m_osd.lang), name);
    }
    // The same unit's sections byte for byte as they stand in the file.
    void sixteenChannelUnitGolden()
    {
        TTestRoot root;
        const PropDevices dev = FakeCaps::devices();
        const PropDefault def = factory();
        {
            TProperty live("/tmp/DVR16.conf", &dev, &def);
            live.m_avcCaps = FakeCaps::avc;
            live.m_dalCaps = FakeCaps::dal;
            live.m_color.data[2] = {100, 1, 7, 99};
            for (int idx : {1, 2, 3, 4, 5, 6, 7, 35, 36})
                live.save(idx);
        }
        const QString golden = QFINDTESTDATA("../data/config/device-16ch.conf");
        QVERIFY(!golden.isEmpty());
        QFile f(golden);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray want = f.readAll();
        const QByteArray got = root.read("/tmp/DVR16.conf");
        if (got != want) {
            root.keep();
            QCOMPARE(QString::fromUtf8(got), QString::fromUtf8(want));
        }
    }
};

QTEST_GUILESS_MAIN(TPropertyTest)
#include "tpropertytest.moc"
