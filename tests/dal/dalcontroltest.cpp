#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QFileInfo>
#include <QtTest>
#include <array>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace {
struct Seen {
    std::mutex mutex;
    std::vector<std::array<int, 3>> io;
    std::vector<std::array<int, 3>> vin;
    std::vector<std::array<int, 3>> enc;
};

int ioCb(void* ctx, int type, int from, int data)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    if (type != CBT_IO_TIME)
        s->io.push_back({type, from, data});
    return 0;
}

int vinCb(void* ctx, int type, const VinEvent* ev)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    s->vin.push_back({type, ev->ch, ev->value});
    return 0;
}

int encCb(void* ctx, int type, int ch, int data, const char*)
{
    Seen* s = static_cast<Seen*>(ctx);
    std::lock_guard<std::mutex> lock(s->mutex);
    s->enc.push_back({type, ch, data});
    return 0;
}

using Events = QVector<QVector<int>>;
}

class DalControlTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lines_data();
    void lines();
    void fifoDeliversKey();
    void fifoRemovedAtExit();
};

void DalControlTest::init()
{
    dalTestReset();
}

void DalControlTest::cleanup()
{
    dalTestReset();
}

void DalControlTest::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("result");
    // Each event: family (0 IO, 1 video input, 2 encoder), type, value a, value b.
    QTest::addColumn<Events>("events");
    const int K = CBT_IO_KEY, R = CBT_IO_RMCKEY;
    QTest::newRow("key click") << QByteArray("key KRME") << 0
                               << Events{{0, K, 1, 0x4B524D45}, {0, K, 2, 0x4B524D45}};
    QTest::newRow("key press") << QByteArray("key KRPF press") << 0 << Events{{0, K, 1, 0x4B525046}};
    QTest::newRow("key release") << QByteArray("key KRPF release") << 0 << Events{{0, K, 2, 0x4B525046}};
    QTest::newRow("key held") << QByteArray("key KRUP held") << 0 << Events{{0, K, 4, 0x4B525550}};
    QTest::newRow("digit key") << QByteArray("key 7 press") << 0 << Events{{0, K, 1, 0x4B520037}};
    QTest::newRow("hex code") << QByteArray("key 0x4B523232 press") << 0 << Events{{0, K, 1, 0x4B523232}};
    QTest::newRow("remote key") << QByteArray("  rmc KRPA press  ") << 0 << Events{{0, R, 1, 0x4B525041}};
    QTest::newRow("jog") << QByteArray("jog -2") << 0 << Events{{0, CBT_IO_JOG, 1, -2}};
    QTest::newRow("shuttle") << QByteArray("shuttle 3") << 0 << Events{{0, CBT_IO_SHUTTLE, 1, 3}};
    QTest::newRow("sensor") << QByteArray("sensor 4 on") << 0 << Events{{0, CBT_IO_SENSOR, 4, 1}};
    QTest::newRow("video loss") << QByteArray("vloss 1 on") << 0 << Events{{1, CBT_VIN_VL, 1, 1}};
    QTest::newRow("video back") << QByteArray("vloss 1 off") << 0 << Events{{1, CBT_VIN_VL, 1, 0}};
    QTest::newRow("disk mount") << QByteArray("disk mount") << 0 << Events{{2, CBT_ENC_SD_MOUNT, 0, 1}};
    QTest::newRow("disk bad") << QByteArray("disk mount-bad") << 0 << Events{{2, CBT_ENC_SD_MOUNT, 0, 0}};
    QTest::newRow("format end") << QByteArray("disk format-end") << 0 << Events{{2, CBT_ENC_SD_FORMAT_END, 0, 0}};
    QTest::newRow("comment") << QByteArray("# a note") << 0 << Events{};
    QTest::newRow("empty") << QByteArray("") << 0 << Events{};
    QTest::newRow("unknown word") << QByteArray("explode now") << -1 << Events{};
    QTest::newRow("short code") << QByteArray("key KRM") << -1 << Events{};
    QTest::newRow("long code") << QByteArray("key KRMEN") << -1 << Events{};
    QTest::newRow("bad action") << QByteArray("key KRME twice") << -1 << Events{};
    QTest::newRow("jog zero") << QByteArray("jog 0") << -1 << Events{};
    QTest::newRow("jog text") << QByteArray("jog left") << -1 << Events{};
    QTest::newRow("sensor out of range") << QByteArray("sensor 32 on") << -1 << Events{};
    QTest::newRow("sensor negative") << QByteArray("sensor -1 on") << -1 << Events{};
    QTest::newRow("sensor bad state") << QByteArray("sensor 1 maybe") << -1 << Events{};
    QTest::newRow("disk unknown") << QByteArray("disk spin") << -1 << Events{};
}

void DalControlTest::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, result);
    QFETCH(Events, events);
    TTestRoot root;
    Seen seen;
    DalInit();
    DalIoSetCb(ioCb, &seen);
    DalVinSetCb(vinCb, &seen);
    DalEncrSetCb(nullptr, encCb, &seen);
    dalTestSetManualTicks(1);
    DalStart();
    QCOMPARE(dalTestControlLine(line.constData()), result);
    dalTestFlush();
    Events got;
    std::lock_guard<std::mutex> lock(seen.mutex);
    for (const auto& e : seen.io)
        got.push_back({0, e[0], e[1], e[2]});
    for (const auto& e : seen.vin)
        got.push_back({1, e[0], e[1], e[2]});
    for (const auto& e : seen.enc)
        got.push_back({2, e[0], e[1], e[2]});
    QCOMPARE(got, events);
}

void DalControlTest::fifoDeliversKey()
{
    TTestRoot root;
    Seen seen;
    QCOMPARE(DalInit(), 0);
    char path[512];
    QCOMPARE(dalTestControlPath(path, sizeof path), 0);
    QCOMPARE(QString::fromLocal8Bit(path), root.file("/tmp/dal.ctl"));
    QVERIFY(QFileInfo(path).exists());
    DalIoSetCb(ioCb, &seen);
    DalStart();
    const int fd = ::open(path, O_WRONLY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    const QByteArray lines = "key KRSE\nnot a line\n" + QByteArray(300, 'x') + "\nsensor 2 on\n";
    QCOMPARE(::write(fd, lines.constData(), size_t(lines.size())), ssize_t(lines.size()));
    ::close(fd);
    auto count = [&seen] {
        std::lock_guard<std::mutex> lock(seen.mutex);
        return int(seen.io.size());
    };
    QTRY_COMPARE_WITH_TIMEOUT(count(), 3, 5000);
    std::lock_guard<std::mutex> lock(seen.mutex);
    QCOMPARE(seen.io[0][0], int(CBT_IO_KEY));
    QCOMPARE(seen.io[0][1], 1);
    QCOMPARE(seen.io[0][2], 0x4B525345);
    QCOMPARE(seen.io[1][1], 2);
    QCOMPARE(seen.io[2][0], int(CBT_IO_SENSOR));
    QCOMPARE(seen.io[2][1], 2);
}

void DalControlTest::fifoRemovedAtExit()
{
    TTestRoot root;
    DalInit();
    QVERIFY(QFileInfo::exists(root.file("/tmp/dal.ctl")));
    DalExit();
    QVERIFY(!QFileInfo::exists(root.file("/tmp/dal.ctl")));
    // Nothing else was left in the root.
    QCOMPARE(root.allFiles(), QStringList());
}

QTEST_GUILESS_MAIN(DalControlTest)
#include "dalcontroltest.moc"
