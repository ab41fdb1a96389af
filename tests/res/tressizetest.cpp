#include "treshooks.h"
#include "tres.h"
#include "tselfchild.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

namespace {

// The unit the fake configuration describes. The live copy and the edit copy
// give different counts so the tests see which copy is read.
struct Unit {
    int videos = 16;
    int alarmouts = 4;
    int editAudios = 0;
    int editStorage = 0;
} g_unit;

int fakeVideos(int live) { return live ? g_unit.videos : -1; }
int fakeAlarmouts(int live) { return live ? g_unit.alarmouts : -1; }
int fakeAudios(int live) { return live ? 99 : g_unit.editAudios; }
int fakeStorage(int live) { return live ? 99 : g_unit.editStorage; }
QSize fakeVout(int live) { return live ? QSize(1280, 720) : QSize(); }

const char kFatalEnv[] = "DVR_RES_FATAL_ID";

// Ids of 0..218 that have no size.
const QList<int> kNoSize = {12, 17, 18, 22, 26, 58, 61, 65, 66, 69, 84, 85, 89, 90, 92, 93, 95, 96,
                            98, 99, 101, 102, 104, 105, 107, 123, 124, 126, 127, 129, 130, 144, 145,
                            148, 155, 156, 175, 176, 177, 178, 179, 180, 181, 193, 194, 195, 196, 197,
                            198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 210, 211, 212, 213,
                            214};

} // namespace

class TResSizeTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_unit = Unit();
        g_resHooks = {fakeVideos, fakeAlarmouts, fakeAudios, fakeStorage, fakeVout};
    }

    void cleanup()
    {
        g_resHooks = {nullptr, nullptr, nullptr, nullptr, nullptr};
    }

    void scaling()
    {
        // Factor, n, scale(n), scaleCeil(n).
        const struct { double f; int n, scaled, ceil; } rows[] = {
            {1.5, 7, 10, 11}, {1.5, -7, -10, -9}, {0.75, 484, 363, 363}, {0.75, 70, 52, 53}, {1.0, 0, 0, 0}};
        for (const auto& r : rows) {
            TRes res;
            QCOMPARE(res.getScale(), 1.0);
            res.setScale(r.f);
            QCOMPARE(res.scale(r.n), r.scaled);
            QCOMPARE(res.scaleCeil(r.n), r.ceil);
        }
    }

    void sizes()
    {
        const struct { double f; int v, a, id, w, h; } rows[] = {
            {1.0, 16, 4, 146, 1920, 1080}, {0.75, 16, 4, 21, 63, 18},   {0.75, 16, 4, 128, 440, 200},
            {1.5, 16, 4, 0, 960, 48},      {1.5, 16, 4, 6, 1280, 720},  {1.0, 16, 4, 62, 800, 600},
            {1.0, 32, 4, 62, 1000, 700},   {1.0, 16, 4, 64, 680, 525},  {0.75, 32, 4, 19, 660, 468},
            {1.0, 16, 4, 48, 160, 60},     {0.75, 32, 4, 57, 150, 52},  {1.0, 16, 4, 70, 16, 16},
            {1.0, 36, 4, 73, 16, 14},      {1.0, 16, 4, 122, 643, 230}, {1.5, 32, 4, 122, 1384, 345},
            {1.0, 7, 4, 14, 300, 32},      {1.0, 8, 4, 14, 510, 32},    {1.0, 12, 4, 15, 330, 32},
            {1.0, 16, 4, 147, 790, 32},    {1.0, 20, 4, 149, 500, 32},  {1.0, 31, 4, 147, 918, 32},
            {1.0, 32, 4, 149, 770, 32},    {0.75, 32, 4, 14, 870, 24},  {1.0, 16, 7, 13, 380, 180},
            {1.0, 16, 8, 13, 380, 300},    {1.5, 16, 12, 13, 570, 705}, {1.0, 16, 4, 218, 34, 21},
            {1.5, 16, 4, 40, 22, 25},      {0.75, 16, 4, 209, 21, 21},
        };
        for (const auto& r : rows) {
            g_unit.videos = r.v;
            g_unit.alarmouts = r.a;
            TRes res;
            res.setScale(r.f);
            QVERIFY2(res.getSize(r.id) == QSize(r.w, r.h),
                     qPrintable(QString("id %1, %2 ch, %3 outputs, x%4").arg(r.id).arg(r.v).arg(r.a).arg(r.f)));
        }
    }

    void withoutConfiguration()
    {
        // No configuration object and no device facade yet: the smallest unit
        // on the standard screen.
        g_resHooks = {nullptr, nullptr, nullptr, nullptr, nullptr};
        TRes res;
        QCOMPARE(res.getSize(6), QSize(1920, 1080));
        QCOMPARE(res.getSize(62), QSize(800, 600));
        QCOMPARE(res.getSize(14), QSize(300, 32));
        QCOMPARE(res.getSize(13), QSize(380, 180));
        QCOMPARE(res.getValue(122), 160);
        QCOMPARE(res.getValue(141), res.getValue(16));
        QCOMPARE(res.getValue(72), 16);
    }

    void metrics()
    {
        // Plain, none, "exactly 32", "32 or more", the channel thresholds, the
        // derived values and the aliases; 13 is made even.
        const struct { double f; int v, id, value; } rows[] = {
            {1.0, 16, 13, 484},  {0.75, 16, 13, 362}, {1.5, 16, 13, 726},  {1.0, 16, 53, 160},
            {0.75, 32, 53, 157}, {1.0, 16, 230, 0},   {1.0, 16, 52, 0},    {1.0, 16, -1, 0},
            {1.0, 16, 0, 6},     {1.5, 16, 9, 891},   {1.0, 16, 229, 65},  {1.0, 32, 11, 130},
            {1.0, 36, 11, 30},   {1.0, 36, 28, 589},  {1.0, 16, 28, 489},  {1.0, 19, 72, 16},
            {1.0, 20, 72, 11},   {1.0, 32, 72, 7},    {1.0, 32, 73, 0},    {1.0, 7, 147, 140},
            {1.0, 8, 147, 230},  {1.0, 19, 147, 280}, {1.0, 20, 147, 466}, {1.0, 20, 148, 0},
            {1.0, 16, 33, 534},  {0.75, 16, 54, 68},  {1.0, 32, 75, 505},  {1.0, 32, 85, 460},
            {1.0, 16, 86, 312},  {1.0, 16, 34, 63},   {1.0, 32, 42, 350},  {1.5, 16, 94, 36},
        };
        for (const auto& r : rows) {
            g_unit.videos = r.v;
            TRes res;
            res.setScale(r.f);
            QVERIFY2(res.getValue(r.id) == r.value,
                     qPrintable(QString("id %1, %2 ch, x%3: %4").arg(r.id).arg(r.v).arg(r.f).arg(res.getValue(r.id))));
        }
    }

    void editCopyMetrics()
    {
        // The live copy claims 99 of each: only the edit copy may be read.
        const int rows[][4] = {{0, 2, 122, 160}, {0, 3, 122, 100}, {4, 0, 141, 55}, {5, 0, 141, 20},
                               {0, 0, 142, 12},  {8, 0, 142, 4},   {0, 0, 143, 24}, {16, 0, 143, 20}};
        for (const auto& r : rows) {
            g_unit.editAudios = r[0];
            g_unit.editStorage = r[1];
            TRes res;
            QVERIFY2(res.getValue(r[2]) == r[3],
                     qPrintable(QString("id %1, %2 audio, %3 disks").arg(r[2]).arg(r[0]).arg(r[1])));
        }
    }

    void everySizeIdOfTheTableAnswers()
    {
        TRes res;
        for (int id = 0; id <= 218; ++id) {
            if (kNoSize.contains(id))
                continue;
            const QSize s = res.getSize(id);
            QVERIFY2(s.width() > 0 && s.height() > 0, qPrintable(QString::number(id)));
        }
    }

    void idWithoutSizeIsFatal_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("fatal");
        for (int id : {12, 85, 148, 181, 214, 219, 1000, -1})
            QTest::addRow("id %d", id) << id << true;
        for (int id : {0, 11, 209, 218})
            QTest::addRow("id %d has one", id) << id << false;
    }

    void idWithoutSizeIsFatal()
    {
        QFETCH(int, id);
        QFETCH(bool, fatal);
        // The program ends, so ask in a child process (see main).
        QProcess child;
        startSelf(child, QStringList(), {{kFatalEnv, QString::number(id)}});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray err = child.readAllStandardError();
        const bool failed = child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0;
        QVERIFY2(failed == fatal, err.constData());
        QCOMPARE(err.contains("TRes::getSize id:" + QByteArray::number(id)), fatal);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kFatalEnv)) {
        // Child of idWithoutSizeIsFatal: one lookup, then a normal exit.
        TRes res;
        const QSize s = res.getSize(qEnvironmentVariableIntValue(kFatalEnv));
        return s.isValid() ? 0 : 3;
    }
    QCoreApplication app(argc, argv);
    TResSizeTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tressizetest.moc"
