// Import of untrusted configuration files: a deterministic mutation run over a
// corpus of files saved by the configuration object itself. Every mutated
// file is imported into the edit copy; a refused file must leave the edit
// copy as it was, an accepted one must keep the unit's device record and the
// capability caches, and the option lists and savers must cope with whatever
// the file held. DVR_FUZZ_ITERATIONS sets the number of files (default 500),
// DVR_FUZZ_SEED the seed.
#include "tconfigunit.h"

#include <QtTest>
#include <random>

using namespace TestUnit;

namespace {

QString fakeText(int id)
{
    return QStringLiteral("t%1").arg(id);
}

// Values that hit the edges of the loaders' conversions and range checks.
const char* const kTokens[] = {
    "-1", "0", "1", "2147483647", "-2147483648", "2147483648", "99999999999",
    "-99999999999", "18446744073709551616", "1e308", "-1e308", "nan", "inf", "", "abc",
    "true", "FALSE", "00 00 00", "99 99 99 99 99 99 99 99 99 99", "1 2", "-5 -5 -5 -5",
    "9999999999999999999999999999", "\"unterminated", "@Variant(\\0\\0\\0\\x7f)",
    "@ByteArray(\\xff\\xfe)", "%U00FF%U0000", "\\0", "0x10", "1.5", ",", "a, b, c",
    "999999999999999999999999999999999999999999999999999999999999999999999999999999",
};

// Bytes that mean something to the INI reader.
const char kSpecial[] = "[]=\n\r\\\"%,;#@ 0123456789-\xff\x80";

class Mutator
{
public:
    explicit Mutator(quint32 seed) : m_rng(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(m_rng() % quint32(n)); }

    QByteArray mutate(const QByteArray& base, const QList<QByteArray>& corpus)
    {
        QByteArray data = base;
        const int steps = 1 + below(4);
        for (int s = 0; s < steps; ++s)
            step(data, corpus);
        return data;
    }

private:
    void step(QByteArray& data, const QList<QByteArray>& corpus)
    {
        switch (below(9)) {
        case 0: case 1: case 2: replaceValue(data); break;
        case 3: flipBytes(data); break;
        case 4: insertBytes(data); break;
        case 5: deleteSpan(data); break;
        case 6: duplicateSpan(data); break;
        case 7: swapLines(data); break;
        default: splice(data, corpus.at(below(corpus.size()))); break;
        }
    }

    void replaceValue(QByteArray& data)
    {
        QList<QByteArray> lines = data.split('\n');
        if (lines.isEmpty())
            return;
        QByteArray& line = lines[below(lines.size())];
        const int eq = line.indexOf('=');
        if (eq < 0)
            return;
        QByteArray token;
        if (below(8) == 0)
            token = QByteArray(1 + below(6000), char('A' + below(26)));
        else
            token = kTokens[below(int(sizeof kTokens / sizeof kTokens[0]))];
        line = line.left(eq + 1) + token;
        data = lines.join('\n');
    }

    void flipBytes(QByteArray& data)
    {
        if (data.isEmpty())
            return;
        const int n = 1 + below(8);
        for (int i = 0; i < n; ++i)
            data[below(data.size())] = char(m_rng() & 0xff);
    }

    void insertBytes(QByteArray& data)
    {
        QByteArray chunk;
        const int n = 1 + below(16);
        for (int i = 0; i < n; ++i)
            chunk += below(3) ? kSpecial[below(int(sizeof kSpecial) - 1)] : char(m_rng() & 0xff);
        data.insert(below(data.size() + 1), chunk);
    }

    void deleteSpan(QByteArray& data)
    {
        const int at = below(data.size() + 1);
        data.remove(at, 1 + below(below(4) ? 64 : 4096));
    }

    void duplicateSpan(QByteArray& data)
    {
        const int at = below(data.size() + 1);
        const QByteArray span = data.mid(at, 1 + below(2048));
        data.insert(below(data.size() + 1), span);
    }

    void swapLines(QByteArray& data)
    {
        QList<QByteArray> lines = data.split('\n');
        if (lines.size() < 2)
            return;
        lines.swapItemsAt(below(lines.size()), below(lines.size()));
        data = lines.join('\n');
    }

    void splice(QByteArray& data, const QByteArray& other)
    {
        const int cut = below(data.size() + 1);
        data = data.left(cut) + other.mid(below(other.size() + 1));
    }

    std::mt19937 m_rng;
};

} // namespace

class TConfigFuzzTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TConfig::setTextHook(&fakeText); }
    void cleanupTestCase() { TConfig::setTextHook(nullptr); }
    void mutatedImports()
    {
        const int iterations = qEnvironmentVariableIsSet("DVR_FUZZ_ITERATIONS")
                                   ? qEnvironmentVariableIntValue("DVR_FUZZ_ITERATIONS")
                                   : 500;
        const quint32 seed = qEnvironmentVariableIsSet("DVR_FUZZ_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("DVR_FUZZ_SEED"))
                                 : 20261206u;
        Unit u;
        const QList<QByteArray> corpus = buildCorpus(u);
        QVERIFY(corpus.first().contains("[DEVICES]"));
        TConfig& cfg = *u.cfg;
        cfg.reload(QString());
        const PropDevices unit = section<PropDevices>(cfg, 0, 0);
        const QString path = u.root.file(QStringLiteral("/backup/import.conf"));

        // The unmutated corpus: the unit's own files are accepted, the other
        // model's is refused.
        for (int i = 0; i < corpus.size(); ++i) {
            QVERIFY(u.root.write(QStringLiteral("/backup/import.conf"), corpus.at(i)));
            QCOMPARE(cfg.reload(path), i < 2 ? 0 : -1);
        }

        Mutator m(seed);
        int accepted = 0;
        int refused = 0;
        for (int it = 0; it < iterations; ++it) {
            const QByteArray data = m.mutate(corpus.at(m.below(corpus.size())), corpus);
            QVERIFY(u.root.write(QStringLiteral("/backup/import.conf"), data));

            // Half the runs import over an edit in progress.
            cfg.reload(QString());
            if (it % 2)
                section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha = 1 + it % 7;
            const QByteArray before = snapshot(cfg, 0);
            const QByteArray live = snapshot(cfg, 1);

            const int r = cfg.reload(path);
            const QByteArray after = snapshot(cfg, 0);
            if (r != 0) {
                QCOMPARE(r, -1);
                ++refused;
                if (after != before) {
                    u.root.keep();
                    QFAIL(qPrintable(QStringLiteral("refused import %1 changed the edit copy").arg(it)));
                }
            } else {
                ++accepted;
                const PropDevices& dev = section<PropDevices>(cfg, 0, 0);
                if (std::memcmp(&dev, &unit, sizeof unit) != 0) {
                    u.root.keep();
                    QFAIL(qPrintable(QStringLiteral("import %1 changed the device record").arg(it)));
                }
                // The capability caches are never imported.
                const int capsAt = int(after.size()) - int(sizeof(AvcCaps) + sizeof(DalCaps));
                QCOMPARE(after.mid(capsAt), before.mid(capsAt));
                // Whatever was imported, the lists build within their tables.
                QVERIFY(TConfig::getdata(IDX_DATA_PTZ_DRIVER, 0).size() <= PROP_MAX_PTZDRV);
                QVERIFY(TConfig::getdata(IDX_DATA_ALARM_OUT, 0).size() <= 2 + PROP_MAX_ALARMOUT);
                cfg.getvaluefromindex(IDX_DATA_PTZ_DRIVER, it);
            }
            QCOMPARE(snapshot(cfg, 1), live);

            // Now and then take an accepted import all the way to the RAM file
            // and read it back, as the setup's OK does.
            if (r == 0 && accepted % 25 == 1) {
                for (int idx = 1; idx <= 32; ++idx)
                    cfg.apply(idx, nullptr, nullptr, 1);
                QCOMPARE(cfg.ismodified(), 0);
                TProperty reread(u.root.file(kRamFile));
                // The RAM file keeps the unit's identity and counts.
                QCOMPARE(QByteArray(reread.m_devices.model), QByteArray(unit.model));
                QCOMPARE(reread.m_devices.videos, unit.videos);
                QCOMPARE(reread.m_devices.audios, unit.audios);
                QCOMPARE(reread.m_devices.alarmouts, unit.alarmouts);
                QCOMPARE(std::memcmp(&reread.m_osd, cfg.getsection(IDX_PROP_OSD, 1), sizeof reread.m_osd), 0);
            }
        }
        qInfo("mutated imports: %d accepted, %d refused", accepted, refused);
        // The run covers both roads.
        QVERIFY(accepted > iterations / 10);
        QVERIFY(refused > iterations / 20);
    }

private:
    // Files the unit itself saves: its factory state, an edited state with every
    // group written, and a file of another model.
    QList<QByteArray> buildCorpus(Unit& u)
    {
        QList<QByteArray> corpus;
        TConfig& cfg = u.start();
        for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
            cfg.save(idx);
        corpus << u.root.read(kRamFile);

        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 4;
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).date = 2;
        section<PropColor>(cfg, IDX_PROP_COLOR, 1).data[7].hue = 80;
        section<PropDisplay>(cfg, IDX_PROP_DISPLAY, 1).orders[3] = 9;
        PropPtzdrv& drv = section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 1);
        drv.cnt = 4;
        for (int i = 0; i < 4; ++i)
            qsnprintf(drv.driver[i], sizeof drv.driver[i], "DRIVER-%d", i);
        PropTimezone& tz = section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1);
        tz.cnt = 3;
        for (int i = 0; i < 3; ++i)
            qsnprintf(tz.zone[i].local, sizeof tz.zone[i].local, "GMT+0%d:00 Zone %d", i, i);
        for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
            cfg.save(idx);
        corpus << u.root.read(kRamFile);

        // Another unit: refused unless a mutation turns it into this one.
        QByteArray other = corpus.last();
        other.replace("model=DVR16", "model=DVR04");
        other.replace("videos=16", "videos=4");
        corpus << other;
        return corpus;
    }
};

QTEST_GUILESS_MAIN(TConfigFuzzTest)
#include "tconfig-fuzztest.moc"
