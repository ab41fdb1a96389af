// Device and display sections: round trips, range checks, order repair,
// colour texts and the OEM rule of the spot output.
#include "appglobals.h"
#include "fakecaps.h"
#include "tdefault.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

namespace {

QStringList numbered(const char* format, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QString::asprintf(format, i);
    return out;
}

QVector<int> orders(const int32_t* o)
{
    return QVector<int>(o, o + PROP_MAX_CH);
}

QVector<int> identity()
{
    QVector<int> v(PROP_MAX_CH);
    for (int i = 0; i < PROP_MAX_CH; ++i)
        v[i] = i;
    return v;
}

} // namespace

class TPropertyDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { FakeCaps::install16(); }
    void cleanup()
    {
        FakeCaps::uninstall();
        g_default = nullptr;
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("idx");
        QTest::newRow("DEVICES") << int(IDX_PROP_DEVICES);
        QTest::newRow("OSD") << int(IDX_PROP_OSD);
        QTest::newRow("DISPLAY") << int(IDX_PROP_DISPLAY);
        QTest::newRow("DTFORM") << int(IDX_PROP_DTFORM);
        QTest::newRow("INFOBAR") << int(IDX_PROP_INFOBAR);
        QTest::newRow("SPOTHD") << int(IDX_PROP_SPOTHD);
        QTest::newRow("SPOT") << int(IDX_PROP_SPOT);
        QTest::newRow("COLOR") << int(IDX_PROP_COLOR);
        QTest::newRow("DEFAULT") << int(IDX_PROP_DEFAULT);
    }
    // Every field of the section away from its default, saved alone, read back by
    // a fresh record: the same bytes.
    void roundTrip()
    {
        QFETCH(int, idx);
        TTestRoot root;
        PropDevices dev = FakeCaps::devices();
        PropDefault def;
        TDefault::setDefaults(&def);
        TProperty a("/tmp/m.conf", &dev, &def);
        switch (idx) {
        case IDX_PROP_DEVICES:
            qstrncpy(a.m_devices.model, "R-20", sizeof a.m_devices.model);
            qstrncpy(a.m_devices.board, "", sizeof a.m_devices.board);
            a.m_devices.ntsc = 0;
            a.m_devices.version = 1043;
            a.m_devices.audios = 2;
            a.m_devices.sensors = 7;
            a.m_devices.alarmouts = 9;
            a.m_devices.txtin = 3;
            a.m_devices.uarts = 2;
            a.m_devices.storage = 4;
            a.m_devices.users = 6;
            a.m_devices.frames = 240;
            a.m_devices.netframes = -1;
            a.m_devices.dalWord0 = a.m_devices.dalWord1 = a.m_devices.relaycnt = 0;
            break;
        case IDX_PROP_OSD:
            qstrncpy(a.m_osd.lang, "Vietnam", sizeof a.m_osd.lang);
            a.m_osd.alpha = 1;
            a.m_osd.osdOn = 0;
            a.m_osd.deintOn = 0;
            a.m_osd.hdddisp = 1;
            break;
        case IDX_PROP_DISPLAY:
            a.m_display = {2, 4, 4, 7, 0, {}, 1, 2, 3, 100};
            for (int i = 0; i < PROP_MAX_CH; ++i)
                a.m_display.orders[i] = i < 16 ? (i * 7) % 16 : i;
            a.m_display.orders[5] = -1;
            break;
        case IDX_PROP_DTFORM:
            a.m_dtform = {2, 1};
            break;
        case IDX_PROP_INFOBAR:
            a.m_infobar = {0, 1};
            break;
        case IDX_PROP_SPOTHD:
            a.m_spothd = {2, 0, 4, 0, {}};
            for (int i = 0; i < PROP_MAX_CH; ++i)
                a.m_spothd.orders[i] = i < 16 ? 19 - i : i;
            break;
        case IDX_PROP_SPOT:
            a.m_spot = {1, 3, 0, 0, {}};
            for (int i = 0; i < PROP_MAX_CH; ++i)
                a.m_spot.orders[i] = i < 16 ? 15 - i : i;
            break;
        case IDX_PROP_COLOR:
            for (int i = 0; i < PROP_MAX_CH; ++i)
                a.m_color.data[i] = {uint8_t(1 + i), uint8_t(100 - i), uint8_t(50 + i), uint8_t(9)};
            // Channels beyond the 16 in use are not stored: keep them at the default.
            for (int i = 16; i < PROP_MAX_CH; ++i)
                a.m_color.data[i] = {50, 50, 50, 50};
            break;
        case IDX_PROP_DEFAULT:
            qstrncpy(a.m_default.oem, "lumo", sizeof a.m_default.oem);
            qstrncpy(a.m_default.name, "Shop 7", sizeof a.m_default.name);
            a.m_default.autolock = 0;
            a.m_default.serverport = 8080;
            break;
        }
        QByteArray want(static_cast<const char*>(a.section(idx)), TProperty::sectionSize(idx));
        a.save(idx);
        TProperty b("/tmp/m.conf");
        QByteArray got(static_cast<const char*>(b.section(idx)), TProperty::sectionSize(idx));
        QCOMPARE(got.toHex(), want.toHex());
    }
    void devicesFallbacks()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=8\n"));
        TProperty p("/tmp/m.conf");
        p.m_devices.relaycnt = 5;
        p.m_devices.dalWord0 = 6;
        p.load(IDX_PROP_DEVICES);
        QCOMPARE(p.m_devices.videos, 8);
        QCOMPARE(QByteArray(p.m_devices.model), QByteArray("None"));
        QCOMPARE(p.m_devices.ntsc, 1);
        QCOMPARE(p.m_devices.version, 1000);
        QCOMPARE(p.m_devices.audios, 20);
        QCOMPARE(p.m_devices.frames, 120);
        // Fields the file does not hold keep what the record held.
        QCOMPARE(p.m_devices.relaycnt, 5);
        QCOMPARE(p.m_devices.dalWord0, 6);
    }
    void devicesTextsCut()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nmodel=" + QByteArray(40, 'M') + "\nboard=" +
                                              QByteArray(31, 'B') + "\n"));
        TProperty p("/tmp/m.conf");
        QCOMPARE(QByteArray(p.m_devices.model), QByteArray(31, 'M'));
        QCOMPARE(QByteArray(p.m_devices.board), QByteArray(31, 'B'));
        QCOMPARE(p.m_devices.model[31], '\0');
    }
    void flagsReadAsBooleans_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("flag");
        QTest::newRow("0") << QByteArray("0") << 0;
        QTest::newRow("FaLsE") << QByteArray("FaLsE") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("1") << QByteArray("1") << 1;
        QTest::newRow("word") << QByteArray("yes") << 1;
        QTest::newRow("00") << QByteArray("00") << 1;
    }
    void flagsReadAsBooleans()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, flag);
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[OSD]\nosdOn=" + text + "\n[DEVICES]\nntsc=" + text +
                                              "\n[INFOBAR]\nauto=" + text + "\n[DISPLAY]\nskip_vloss=" +
                                              text + "\n"));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.m_osd.osdOn, flag);
        QCOMPARE(p.m_devices.ntsc, flag);
        QCOMPARE(p.m_infobar.auto_, flag);
        QCOMPARE(p.m_display.skip_vloss, flag);
    }
    void rangeChecks_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("alpha 0") << QByteArray("[OSD]\nalpha=0") << QByteArray("alpha") << 7;
        QTest::newRow("alpha 8") << QByteArray("[OSD]\nalpha=8") << QByteArray("alpha") << 7;
        QTest::newRow("alpha 1") << QByteArray("[OSD]\nalpha=1") << QByteArray("alpha") << 1;
        QTest::newRow("alpha text") << QByteArray("[OSD]\nalpha=abc") << QByteArray("alpha") << 7;
        // A number beyond 32 bits must not wrap into the range (2^32 + 2).
        QTest::newRow("alpha wraps") << QByteArray("[OSD]\nalpha=4294967298") << QByteArray("alpha") << 7;
        QTest::newRow("hdddisp -1") << QByteArray("[OSD]\nhdddisp=-1") << QByteArray("hdddisp") << 0;
        QTest::newRow("device2 3") << QByteArray("[DISPLAY]\ndevice2=3") << QByteArray("device2") << 0;
        QTest::newRow("device2 2") << QByteArray("[DISPLAY]\ndevice2=2") << QByteArray("device2") << 2;
        // Every position of the dwell list survives a load; beyond it, 0.
        QTest::newRow("seqdur 5") << QByteArray("[DISPLAY]\nseqdur=5") << QByteArray("seqdur") << 5;
        QTest::newRow("seqdur 59") << QByteArray("[DISPLAY]\nseqdur=59") << QByteArray("seqdur") << 59;
        QTest::newRow("seqdur 60") << QByteArray("[DISPLAY]\nseqdur=60") << QByteArray("seqdur") << 0;
        QTest::newRow("seqdur -1") << QByteArray("[DISPLAY]\nseqdur=-1") << QByteArray("seqdur") << 0;
        QTest::newRow("seqdur missing") << QByteArray("[DISPLAY]\n") << QByteArray("seqdur") << 1;
        QTest::newRow("date text") << QByteArray("[DTFORM]\ndate=x1") << QByteArray("date") << 0;
        QTest::newRow("date unchecked") << QByteArray("[DTFORM]\ndate=9") << QByteArray("date") << 9;
        QTest::newRow("ratio unchecked") << QByteArray("[DISPLAY]\nratio=-3") << QByteArray("ratio") << -3;
    }
    void rangeChecks()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", ini + "\n"));
        TProperty p("/tmp/m.conf");
        const QHash<QByteArray, int> got = {
            {"alpha", p.m_osd.alpha},       {"hdddisp", p.m_osd.hdddisp},
            {"device2", p.m_display.device2}, {"seqdur", p.m_display.seqdur},
            {"date", p.m_dtform.date},      {"ratio", p.m_display.ratio},
            {"bri", p.m_display.bri},
        };
        QVERIFY(got.contains(field));
        QCOMPARE(got.value(field), value);
    }
    void resolutionIndexAgainstDevice_data()
    {
        QTest::addColumn<int>("numRes");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("last") << 5 << 4 << 4;
        QTest::newRow("count") << 5 << 5 << 0;
        QTest::newRow("negative") << 5 << -1 << 0;
        QTest::newRow("no outputs") << 0 << 0 << 0;
        // A device claiming more resolutions than its tables hold is cut at them.
        QTest::newRow("beyond table") << 500 << 20 << 0;
    }
    void resolutionIndexAgainstDevice()
    {
        QFETCH(int, numRes);
        QFETCH(int, stored);
        QFETCH(int, loaded);
        TTestRoot root;
        FakeCaps::vout.numRes = numRes;
        FakeCaps::vout.numResHd = numRes;
        QVERIFY(root.write("/tmp/m.conf", QString::asprintf("[DISPLAY]\nres=%d\n[SPOTHD]\nres=%d\n",
                                                            stored, stored).toLatin1()));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.m_display.res, loaded);
        QCOMPARE(p.m_spothd.res, loaded);
        // Without a device behind the hooks there are no resolutions at all.
        FakeCaps::uninstall();
        p.load(IDX_PROP_DISPLAY);
        QCOMPARE(p.m_display.res, 0);
    }
    void splitMode_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("spot");
        QTest::addColumn<int>("spothd");
        QTest::newRow("8ch mode 3") << 8 << 3 << 2 << 2;
        QTest::newRow("16ch mode -1") << 16 << -1 << 3 << 3;
        QTest::newRow("32ch mode 5") << 32 << 5 << 5 << 5;
        QTest::newRow("4ch mode 2") << 4 << 2 << 1 << 1;
    }
    void splitMode()
    {
        QFETCH(int, videos);
        QFETCH(int, stored);
        QFETCH(int, spot);
        QFETCH(int, spothd);
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf",
                           QString::asprintf("[DEVICES]\nvideos=%d\n[SPOT]\nmode=%d\n[SPOTHD]\nmode=%d\n",
                                             videos, stored, stored).toLatin1()));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.m_spot.mode, spot);
        QCOMPARE(p.m_spothd.mode, spothd);
        // Defaults: SPOT is 1 for every count, SPOTHD the bound.
        p.setDefault(-1);
        QCOMPARE(p.m_spot.mode, 1);
        QCOMPARE(p.m_spothd.mode, TProperty::splitModeMax(videos));
    }
    void spotSignalByOem_data()
    {
        QTest::addColumn<QByteArray>("oem"); // empty: no defaults object
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("cvbs");
        QTest::newRow("generic 1") << QByteArray() << 1 << 1;
        QTest::newRow("generic 2") << QByteArray() << 2 << 0;
        QTest::newRow("qz 1") << QByteArray("qz") << 1 << 1;
        QTest::newRow("lumo 1") << QByteArray("lumo") << 1 << 0;
    }
    void spotSignalByOem()
    {
        QFETCH(QByteArray, oem);
        QFETCH(int, stored);
        QFETCH(int, cvbs);
        TTestRoot root;
        QVERIFY(root.write("/dvr/default.conf", "[DEFAULT]\noem=" + oem + "\n"));
        TDefault unit("/dvr/default.conf");
        PropDefault def;
        unit.load(&def);
        if (!oem.isEmpty())
            g_default = &unit;
        QVERIFY(root.write("/tmp/m.conf", "[SPOT]\ncvbs=" + QByteArray::number(stored) + "\n"));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.m_spot.cvbs, cvbs);
    }
    void orderRepair_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<QVector<int>>("stored"); // orders00.. as stored
        QTest::addColumn<QVector<int>>("loaded"); // the first entries after the load
        QTest::addColumn<bool>("reset");
        QTest::newRow("repeated channel") << 16 << QVector<int>{1, 2, 1} << QVector<int>{} << true;
        QTest::newRow("swap") << 16 << QVector<int>{1, 0} << QVector<int>{1, 0, 2, 3} << false;
        QTest::newRow("empty slots") << 16 << QVector<int>{-1, -1, 7, -1, -1, -1, -1, 2}
                                     << QVector<int>{-1, -1, 7, -1, -1, -1, -1, 2, 8} << false;
        // Slot 2 shows channel 5 and slot 5 keeps its default 5: a repeat.
        QTest::newRow("beyond count") << 16 << QVector<int>{19, 1} << QVector<int>{19, 1, 2} << false;
        // Slots beyond the channels in use are neither read nor compared.
        QTest::newRow("8ch repeat beyond n")
            << 8 << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0} << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << false;
        QTest::newRow("8ch repeat at 7") << 8 << QVector<int>{0, 1, 2, 3, 4, 5, 6, 0} << QVector<int>{} << true;
    }
    void orderRepair()
    {
        QFETCH(int, videos);
        QFETCH(QVector<int>, stored);
        QFETCH(QVector<int>, loaded);
        QFETCH(bool, reset);
        TTestRoot root;
        QByteArray keys;
        for (int i = 0; i < stored.size(); ++i)
            keys += QString::asprintf("orders%02d=%d\n", i, stored[i]).toLatin1();
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=" + QByteArray::number(videos) + "\n[DISPLAY]\n" +
                                              keys + "[SPOT]\n" + keys + "[SPOTHD]\n" + keys));
        TProperty p("/tmp/m.conf");
        for (const int32_t* o : {p.m_display.orders, p.m_spot.orders, p.m_spothd.orders}) {
            if (reset) {
                QCOMPARE(orders(o), identity());
            } else {
                QCOMPARE(orders(o).mid(0, loaded.size()), loaded);
            }
        }
    }
    void color_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QVector<int>>("values");
        QTest::newRow("three parts") << QByteArray("50 50 50") << QVector<int>{50, 50, 50, 50};
        QTest::newRow("bounds") << QByteArray("0 101 100 1") << QVector<int>{50, 50, 100, 1};
        QTest::newRow("low 8 bits in range") << QByteArray("257 356 50 50") << QVector<int>{1, 100, 50, 50};
        QTest::newRow("more parts") << QByteArray("10 20 30 40 50") << QVector<int>{10, 20, 30, 40};
        QTest::newRow("double blank") << QByteArray("10  20 30") << QVector<int>{10, 50, 20, 30};
        QTest::newRow("not a number") << QByteArray("x 20 30 40") << QVector<int>{50, 20, 30, 40};
        QTest::newRow("beyond 32 bits saturates")
            << QByteArray("4294967297 -4294967247 20 30") << QVector<int>{50, 50, 20, 30};
        QTest::newRow("empty") << QByteArray("") << QVector<int>{50, 50, 50, 50};
        // Only the first 1023 bytes count: the fourth part falls beyond them.
        QTest::newRow("overlong") << QByteArray("10 20 30" + QByteArray(1100, ' ') + "40")
                                  << QVector<int>{10, 20, 30, 50};
    }
    void color()
    {
        QFETCH(QByteArray, text);
        QFETCH(QVector<int>, values);
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=4\n[COLOR]\ndata03=" + text +
                                              "\ndata04=10 10 10 10\n"));
        TProperty p("/tmp/m.conf");
        const ColorEntry e = p.m_color.data[3];
        QCOMPARE((QVector<int>{e.bri, e.con, e.sat, e.hue}), values);
        QCOMPARE(p.m_color.data[4].bri, uint8_t(50)); // channel 4 is not in use
    }
    void savesOnlyChannelsInUse()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=16\n"));
        TProperty p("/tmp/m.conf");
        p.save(-1);
        const QString file = root.file("/tmp/m.conf");
        QCOMPARE(keysOf(file, "COLOR"), numbered("data%02d", 16));
        // Fewer channels: the dropped channels' keys disappear with the next save.
        p.m_devices.videos = 8;
        p.save(-1);
        QCOMPARE(keysOf(file, "COLOR"), numbered("data%02d", 8));
        QStringList display = numbered("orders%02d", 8);
        display << "bri" << "con" << "device2" << "hue" << "ratio" << "res" << "sat" << "seqdur"
                << "skip_vloss";
        display.sort();
        QCOMPARE(keysOf(file, "DISPLAY"), display);
        QStringList spot = numbered("orders%02d", 8);
        spot << "cvbs" << "dwell" << "mode" << "skip_vloss";
        spot.sort();
        QCOMPARE(keysOf(file, "SPOT"), spot);
    }
    void absurdCountsStayInsideTables_data()
    {
        QTest::addColumn<QByteArray>("videos");
        QTest::addColumn<int>("inUse");
        QTest::addColumn<int>("outputs");
        QTest::newRow("huge") << QByteArray("2147483647") << 20 << 23;
        QTest::newRow("beyond 32 bits") << QByteArray("99999999999") << 20 << 23;
        QTest::newRow("negative") << QByteArray("-2147483648") << 0 << 0;
        QTest::newRow("21") << QByteArray("21") << 20 << 21;
    }
    // Under the sanitizer build any step past a 20-entry table fails this test.
    void absurdCountsStayInsideTables()
    {
        QFETCH(QByteArray, videos);
        QFETCH(int, inUse);
        QFETCH(int, outputs);
        TTestRoot root;
        QByteArray keys;
        for (int i = 0; i < 40; ++i)
            keys += QString::asprintf("orders%02d=%d\ndata%02d=1 2 3 4\n", i, 39 - i, i).toLatin1();
        QVERIFY(root.write("/tmp/m.conf", "[DEVICES]\nvideos=" + videos + "\naudios=" + videos +
                                              "\nsensors=" + videos + "\nalarmouts=" + videos +
                                              "\n[DISPLAY]\n" + keys + "[COLOR]\n" + keys));
        TProperty p("/tmp/m.conf");
        QCOMPARE(p.channels(), inUse);
        QCOMPARE(p.audioInputs(), inUse);
        QCOMPARE(p.alarmOutputs(), outputs);
        p.save(-1);
        QCOMPARE(keysOf(root.file("/tmp/m.conf"), "COLOR").size(), inUse);
        if (inUse) {
            QCOMPARE(p.m_color.data[19].hue, uint8_t(4));
            QCOMPARE(p.m_display.orders[0], 39); // beyond the channels, but no repeat
        }
    }
    void osdLanguageFromDefaults()
    {
        TTestRoot root;
        PropDevices dev = FakeCaps::devices();
        PropDefault def;
        TDefault::setDefaults(&def);
        std::memset(def.lang, 'k', sizeof def.lang); // unterminated: the copy is bounded
        TProperty p("/tmp/m.conf", &dev, &def);
        QCOMPARE(QByteArray(p.m_osd.lang), QByteArray(31, 'k'));
        QVERIFY(root.write("/tmp/n.conf", "[OSD]\nlang=" + QByteArray(45, 'L') + "\n"));
        TProperty q("/tmp/n.conf");
        QCOMPARE(QByteArray(q.m_osd.lang), QByteArray(31, 'L'));
    }
    void textsCutBeforeBrokenCharacter_data()
    {
        const QString han = QStringLiteral("\uD55C"); // three bytes in UTF-8
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("cut inside") << "ab" + han.repeated(11) << "ab" + han.repeated(9);
        QTest::newRow("cut after lead byte") << "abc" + han.repeated(10) << "abc" + han.repeated(9);
        const QString face = QString::fromUcs4(U"\U0001F600"); // four bytes
        QTest::newRow("four-byte") << "ab" + face.repeated(8) << "ab" + face.repeated(7);
        QTest::newRow("ascii") << QString(40, 'x') << QString(31, 'x');
    }
    // Model, board and language are 32-byte fields of UTF-8 text.
    void textsCutBeforeBrokenCharacter()
    {
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        TTestRoot root;
        {
            QSettings s(root.file("/tmp/m.conf"), QSettings::IniFormat);
            s.setIniCodec("UTF-8");
            s.setValue("OSD/lang", stored);
            s.setValue("DEVICES/model", stored);
        }
        TProperty p("/tmp/m.conf");
        QCOMPARE(QString::fromUtf8(p.m_osd.lang), loaded);
        QCOMPARE(QString::fromUtf8(p.m_devices.model), loaded);
    }
};

QTEST_GUILESS_MAIN(TPropertyDeviceTest)
#include "tproperty-devicetest.moc"
