// Capability cache sections: what is written for which counts, round trips,
// and files whose counts point far beyond the record tables.
#include "fakecaps.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

namespace {

QByteArray fixture(const char* name)
{
    QFile f(QFINDTESTDATA(QStringLiteral("../data/config/") + QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T>
bool isZero(const T& rec)
{
    static const T zero{};
    return std::memcmp(&rec, &zero, sizeof rec) == 0;
}

} // namespace

class TPropertyCapsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { FakeCaps::install16(); }
    void cleanup() { FakeCaps::uninstall(); }

    void writtenForCountsOnly()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.m_avcCaps = FakeCaps::avc;
        p.m_avcCaps.num_vridx = 1;
        p.m_avcCaps.num_rridx = 2;
        p.m_avcCaps.num_nridx = 1;
        p.m_avcCaps.num_fidx = 3;
        p.save(IDX_PROP_AVCCAPS);
        QStringList want = {"num_chip", "num_cam_per_chip", "num_vridx", "vridx[0].xres", "vridx[0].yres",
                            "num_rridx", "num_nridx", "num_fidx", "fidx2fps0", "fidx2fps1", "fidx2fps2",
                            "ref_fps", "md_row", "md_col", "num_privacy", "privacy_cx", "privacy_cy"};
        for (int i = 0; i < 2; ++i) {
            for (const char* f : {"xres", "yres", "max_fps", "max_fps_per_chip", "ratio"})
                want << QString::asprintf("rridx[%d].%s", i, f);
        }
        for (const char* f : {"xres", "yres", "max_fps", "max_fps_per_chip", "ratio"})
            want << QString::asprintf("nridx[0][0].%s", f);
        want.sort();
        QCOMPARE(keysOf(root.file("/tmp/m.conf"), "AvcCaps"), want);
        // Qt escapes the brackets in the file itself.
        QVERIFY(root.read("/tmp/m.conf").contains("rridx%5B1%5D.ratio=2\n"));
    }
    void roundTrip()
    {
        TTestRoot root;
        {
            TProperty p("/tmp/m.conf");
            p.m_avcCaps = FakeCaps::avc;
            p.m_avcCaps.fidx2fps[2] = 29.97;
            p.m_avcCaps.rridx[1].ratio = 0.1;
            p.m_avcCaps.privacy_cx = -1e-9;
            p.save(IDX_PROP_AVCCAPS);
            p.m_dalCaps.num_vin = 16;
            p.m_dalCaps.num_ain = -2;
            p.m_dalCaps.rs232 = 3;
            p.save(IDX_PROP_DALCAPS);
        }
        TProperty q("/tmp/m.conf");
        AvcCaps want = FakeCaps::avc;
        want.fidx2fps[2] = 29.97;
        want.rridx[1].ratio = 0.1;
        want.privacy_cx = -1e-9;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&q.m_avcCaps), sizeof want).toHex(),
                 QByteArray(reinterpret_cast<const char*>(&want), sizeof want).toHex());
        QCOMPARE(q.m_dalCaps.num_vin, 16);
        QCOMPARE(q.m_dalCaps.num_ain, -2);
        QCOMPARE(q.m_dalCaps.rs232, 3);
    }
    void loadsEntriesBelowCounts()
    {
        TTestRoot root;
        QByteArray ini = "[AvcCaps]\nnum_vridx=2\nnum_nridx=3\n";
        // Keys for a full 8 x 8 table; only rows 0..1, entries 0..2 count.
        for (int i = 0; i < 8; ++i) {
            ini += QString::asprintf("vridx%%5B%d%%5D.xres=%d\n", i, 10 + i).toLatin1();
            for (int j = 0; j < 8; ++j)
                ini += QString::asprintf("nridx%%5B%d%%5D%%5B%d%%5D.ratio=%d.25\n", i, j, i * 8 + j).toLatin1();
        }
        QVERIFY(root.write("/tmp/m.conf", ini));
        TProperty p("/tmp/m.conf");
        AvcCaps want{};
        want.num_vridx = 2;
        want.num_nridx = 3;
        want.vridx[0].xres = 10;
        want.vridx[1].xres = 11;
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 3; ++j)
                want.nridx[i][j].ratio = i * 8 + j + 0.25;
        }
        QVERIFY(std::memcmp(&p.m_avcCaps, &want, sizeof want) == 0);
        // Saving it back writes exactly those entries.
        p.save(IDX_PROP_AVCCAPS);
        const QStringList keys = keysOf(root.file("/tmp/m.conf"), "AvcCaps");
        QCOMPARE(keys.filter(QRegularExpression("^nridx")).size(), 2 * 3 * 5);
        QCOMPARE(keys.filter(QRegularExpression("^vridx")).size(), 2 * 2);
        QVERIFY(keys.filter(QRegularExpression("^(rridx|fidx2fps)")).isEmpty());
    }
    void missingGroupsGiveZeros()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.m_avcCaps = FakeCaps::avc;
        p.m_dalCaps = FakeCaps::dal;
        p.load(IDX_PROP_AVCCAPS);
        p.load(IDX_PROP_DALCAPS);
        QVERIFY(isZero(p.m_avcCaps));
        QVERIFY(isZero(p.m_dalCaps));
    }
    void onlyOwnIndexWrites()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.m_avcCaps = FakeCaps::avc;
        p.m_dalCaps = FakeCaps::dal;
        p.save(-1);
        const QString file = root.file("/tmp/m.conf");
        QVERIFY(keysOf(file, "AvcCaps").isEmpty());
        QVERIFY(keysOf(file, "DalCaps").isEmpty());
        p.save(IDX_PROP_AVCCAPS);
        QVERIFY(!keysOf(file, "AvcCaps").isEmpty());
        QVERIFY(keysOf(file, "DalCaps").isEmpty());
        // Never reset by the defaults.
        p.setDefault(-1);
        QVERIFY(std::memcmp(&p.m_avcCaps, &FakeCaps::avc, sizeof(AvcCaps)) == 0);
    }
    void dalCapsKeepsStoredFieldsOnly()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.m_dalCaps = FakeCaps::dal;
        p.save(IDX_PROP_DALCAPS);
        QCOMPARE(keysOf(root.file("/tmp/m.conf"), "DalCaps"),
                 (QStringList{"num_ain", "num_vin", "rs232"}));
        p.load(IDX_PROP_DALCAPS);
        DalCaps want{};
        want.num_vin = FakeCaps::dal.num_vin;
        want.num_ain = FakeCaps::dal.num_ain;
        want.rs232 = FakeCaps::dal.rs232;
        QVERIFY(std::memcmp(&p.m_dalCaps, &want, sizeof want) == 0);
    }
    // A crafted file: counts of billions, keys for entries past every table.
    // Under the sanitizer build any access past a table fails this test.
    void hugeCountsStayInsideTables()
    {
        TTestRoot root;
        const QByteArray ini = fixture("caps-huge-counts.conf");
        QVERIFY(!ini.isEmpty());
        QVERIFY(root.write("/tmp/m.conf", ini));
        TProperty p("/tmp/m.conf");
        const AvcCaps& c = p.m_avcCaps;
        QCOMPARE(c.num_chip, 2147483647);
        QCOMPARE(c.num_vridx, int(AVC_MAX_VRIDX));
        QCOMPARE(c.num_rridx, int(AVC_MAX_RRIDX));
        QCOMPARE(c.num_nridx, int(AVC_MAX_NRIDX));
        QCOMPARE(c.num_fidx, int(AVC_MAX_FIDX));
        QCOMPARE(c.vridx[7].xres, 107);
        QCOMPARE(c.rridx[7].ratio, 7.5);
        QCOMPARE(c.nridx[7][7].max_fps, 707);
        QCOMPARE(c.fidx2fps[59], 60.0);
        QCOMPARE(c.ref_fps, 0); // follows the tables, untouched by stray keys
        QCOMPARE(c.md_row, -7);
        QCOMPARE(p.m_dalCaps.num_vin, 2147483647);
        QCOMPARE(p.m_dalCaps.num_ain, -1);
        QCOMPARE(p.m_dalCaps.rs232, 0);
        QCOMPARE(p.channels(), 20);
        QCOMPARE(p.audioInputs(), 0);
        // Written back, the caches hold the clamped counts and their entries only.
        p.save(IDX_PROP_AVCCAPS);
        p.save(-1);
        TProperty q("/tmp/m.conf");
        QVERIFY(std::memcmp(&q.m_avcCaps, &p.m_avcCaps, sizeof(AvcCaps)) == 0);
        QCOMPARE(keysOf(root.file("/tmp/m.conf"), "AvcCaps").filter(QRegularExpression("^fidx2fps")).size(),
                 int(AVC_MAX_FIDX));
    }
    void negativeCountsReadNothing()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/m.conf", "[AvcCaps]\nnum_vridx=-1\nnum_rridx=-2147483648\nnum_nridx=2\n"
                                          "num_fidx=-99999999999\nfidx2fps0=5\nvridx%5B0%5D.xres=5\n"
                                          "nridx%5B0%5D%5B0%5D.xres=5\nrridx%5B0%5D.xres=5\n"));
        TProperty p("/tmp/m.conf");
        AvcCaps want{};
        want.num_nridx = 2; // no rows to read: num_vridx bounds them
        QVERIFY(std::memcmp(&p.m_avcCaps, &want, sizeof want) == 0);
    }
    // A record filled by a device that reports more entries than the tables hold
    // is written with its count, but its entries only up to the tables.
    void deviceCountsBeyondTablesSaveInside()
    {
        TTestRoot root;
        TProperty p("/tmp/m.conf");
        p.m_avcCaps = FakeCaps::avc;
        p.m_avcCaps.num_vridx = 1000;
        p.m_avcCaps.num_rridx = 9;
        p.m_avcCaps.num_nridx = 1 << 30;
        p.m_avcCaps.num_fidx = 61;
        p.save(IDX_PROP_AVCCAPS);
        const QStringList keys = keysOf(root.file("/tmp/m.conf"), "AvcCaps");
        QCOMPARE(keys.filter(QRegularExpression("^vridx")).size(), 8 * 2);
        QCOMPARE(keys.filter(QRegularExpression("^rridx")).size(), 8 * 5);
        QCOMPARE(keys.filter(QRegularExpression("^nridx")).size(), 8 * 8 * 5);
        QCOMPARE(keys.filter(QRegularExpression("^fidx2fps")).size(), 60);
        p.load(IDX_PROP_AVCCAPS);
        QCOMPARE(p.m_avcCaps.num_vridx, 8);
        QCOMPARE(p.m_avcCaps.num_fidx, 60);
    }
};

QTEST_GUILESS_MAIN(TPropertyCapsTest)
#include "tproperty-capstest.moc"
