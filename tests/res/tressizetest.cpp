#include "treshooks.h"
#include "tres.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

namespace {

// The unit the fake configuration describes. Counts of the live copy and
// the edit copy are kept apart so the tests see which copy is read.
struct Unit {
    int videos = 16;
    int alarmouts = 4;
    int editAudios = 0;
    int editStorage = 0;
    QSize vout = QSize(1280, 720);
} g_unit;

int fakeVideos(int live) { return live ? g_unit.videos : -1; }
int fakeAlarmouts(int live) { return live ? g_unit.alarmouts : -1; }
int fakeAudios(int live) { return live ? 99 : g_unit.editAudios; }
int fakeStorage(int live) { return live ? 99 : g_unit.editStorage; }
QSize fakeVout(int live) { return live ? g_unit.vout : QSize(); }

const char kFatalEnv[] = "DVR_RES_FATAL_ID";

} // namespace

class TResSizeTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scaling_data();
    void scaling();
    void sizes_data();
    void sizes();
    void withoutConfiguration();
    void metrics_data();
    void metrics();
    void editCopyMetrics_data();
    void editCopyMetrics();
    void everySizeIdOfTheTableAnswers();
    void idWithoutSizeIsFatal_data();
    void idWithoutSizeIsFatal();
};

void TResSizeTest::init()
{
    g_unit = Unit();
    g_resHooks = {fakeVideos, fakeAlarmouts, fakeAudios, fakeStorage, fakeVout};
}

void TResSizeTest::cleanup()
{
    g_resHooks = {nullptr, nullptr, nullptr, nullptr, nullptr};
}

void TResSizeTest::scaling_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("scaled");
    QTest::addColumn<int>("ceil");
    QTest::newRow("1.5 x 7") << 1.5 << 7 << 10 << 11;
    QTest::newRow("1.5 x -7") << 1.5 << -7 << -10 << -9;
    QTest::newRow("0.75 x 484") << 0.75 << 484 << 363 << 363;
    QTest::newRow("0.75 x 70") << 0.75 << 70 << 52 << 53;
    QTest::newRow("1.0 x 5") << 1.0 << 5 << 5 << 5;
    QTest::newRow("1.0 x 0") << 1.0 << 0 << 0 << 0;
}

void TResSizeTest::scaling()
{
    QFETCH(double, factor);
    QFETCH(int, n);
    QFETCH(int, scaled);
    QFETCH(int, ceil);
    TRes res;
    QCOMPARE(res.getScale(), 1.0);
    res.setScale(factor);
    QCOMPARE(res.getScale(), factor);
    QCOMPARE(res.scale(n), scaled);
    QCOMPARE(res.scaleCeil(n), ceil);
}

void TResSizeTest::sizes_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("videos");
    QTest::addColumn<int>("alarmouts");
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("146 full screen") << 1.0 << 16 << 4 << 146 << QSize(1920, 1080);
    QTest::newRow("21 at 0.75") << 0.75 << 16 << 4 << 21 << QSize(63, 18);
    QTest::newRow("128 never scaled") << 0.75 << 16 << 4 << 128 << QSize(440, 200);
    QTest::newRow("128 at 1.5") << 1.5 << 32 << 4 << 128 << QSize(440, 200);
    QTest::newRow("0 at 1.5") << 1.5 << 16 << 4 << 0 << QSize(960, 48);
    QTest::newRow("6 is the output") << 1.5 << 16 << 4 << 6 << QSize(1280, 720);
    QTest::newRow("16 is the output") << 0.75 << 32 << 4 << 16 << QSize(1280, 720);
    QTest::newRow("62, 16 ch") << 1.0 << 16 << 4 << 62 << QSize(800, 600);
    QTest::newRow("62, 32 ch") << 1.0 << 32 << 4 << 62 << QSize(1000, 700);
    QTest::newRow("7, 32 ch, 1.5") << 1.5 << 32 << 4 << 7 << QSize(1500, 1050);
    QTest::newRow("64, 16 ch") << 1.0 << 16 << 4 << 64 << QSize(680, 525);
    QTest::newRow("19, 32 ch, 0.75") << 0.75 << 32 << 4 << 19 << QSize(660, 468);
    QTest::newRow("48, 16 ch") << 1.0 << 16 << 4 << 48 << QSize(160, 60);
    QTest::newRow("57, 32 ch, 0.75") << 0.75 << 32 << 4 << 57 << QSize(150, 52);
    QTest::newRow("70, 16 ch") << 1.0 << 16 << 4 << 70 << QSize(16, 16);
    QTest::newRow("73, 36 ch") << 1.0 << 36 << 4 << 73 << QSize(16, 14);
    QTest::newRow("122, 16 ch") << 1.0 << 16 << 4 << 122 << QSize(643, 230);
    QTest::newRow("122, 32 ch, 1.5") << 1.5 << 32 << 4 << 122 << QSize(1384, 345);
    QTest::newRow("14, 7 ch") << 1.0 << 7 << 4 << 14 << QSize(300, 32);
    QTest::newRow("14, 8 ch") << 1.0 << 8 << 4 << 14 << QSize(510, 32);
    QTest::newRow("147, 16 ch") << 1.0 << 16 << 4 << 147 << QSize(790, 32);
    QTest::newRow("147, 31 ch") << 1.0 << 31 << 4 << 147 << QSize(918, 32);
    QTest::newRow("14, 32 ch, 0.75") << 0.75 << 32 << 4 << 14 << QSize(870, 24);
    QTest::newRow("15, 12 ch") << 1.0 << 12 << 4 << 15 << QSize(330, 32);
    QTest::newRow("149, 20 ch") << 1.0 << 20 << 4 << 149 << QSize(500, 32);
    QTest::newRow("149, 32 ch") << 1.0 << 32 << 4 << 149 << QSize(770, 32);
    QTest::newRow("13, 7 outputs") << 1.0 << 16 << 7 << 13 << QSize(380, 180);
    QTest::newRow("13, 8 outputs") << 1.0 << 16 << 8 << 13 << QSize(380, 300);
    QTest::newRow("13, 12 outputs, 1.5") << 1.5 << 16 << 12 << 13 << QSize(570, 705);
    QTest::newRow("183") << 1.0 << 16 << 4 << 183 << QSize(23, 23);
    QTest::newRow("218 key") << 1.0 << 16 << 4 << 218 << QSize(34, 21);
    QTest::newRow("40 at 1.5") << 1.5 << 16 << 4 << 40 << QSize(22, 25);
    QTest::newRow("182") << 1.0 << 16 << 4 << 182 << QSize(780, 446);
    QTest::newRow("209") << 0.75 << 16 << 4 << 209 << QSize(21, 21);
}

void TResSizeTest::sizes()
{
    QFETCH(double, factor);
    QFETCH(int, videos);
    QFETCH(int, alarmouts);
    QFETCH(int, id);
    QFETCH(QSize, size);
    g_unit.videos = videos;
    g_unit.alarmouts = alarmouts;
    TRes res;
    res.setScale(factor);
    QCOMPARE(res.getSize(id), size);
}

void TResSizeTest::withoutConfiguration()
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

void TResSizeTest::metrics_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("videos");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value");
    QTest::newRow("13 at 1.0") << 1.0 << 16 << 13 << 484;
    QTest::newRow("13 at 0.75 made even") << 0.75 << 16 << 13 << 362;
    QTest::newRow("13 at 1.5") << 1.5 << 16 << 13 << 726;
    QTest::newRow("53, 16 ch") << 1.0 << 16 << 53 << 160;
    QTest::newRow("53, 32 ch") << 1.0 << 32 << 53 << 210;
    QTest::newRow("53, 32 ch, 0.75") << 0.75 << 32 << 53 << 157;
    QTest::newRow("230 none") << 1.0 << 16 << 230 << 0;
    QTest::newRow("52 none") << 1.0 << 16 << 52 << 0;
    QTest::newRow("224 none") << 1.5 << 16 << 224 << 0;
    QTest::newRow("-1 none") << 1.0 << 16 << -1 << 0;
    QTest::newRow("0 plain") << 1.0 << 16 << 0 << 6;
    QTest::newRow("9 plain at 1.5") << 1.5 << 16 << 9 << 891;
    QTest::newRow("21 plain at 0.75") << 0.75 << 16 << 21 << 142;
    QTest::newRow("229 plain") << 1.0 << 16 << 229 << 65;
    QTest::newRow("219 plain") << 1.0 << 16 << 219 << 540;
    QTest::newRow("11, exactly 32") << 1.0 << 32 << 11 << 130;
    QTest::newRow("11, 36 ch") << 1.0 << 36 << 11 << 30;
    QTest::newRow("107, exactly 32") << 1.0 << 32 << 107 << 126;
    QTest::newRow("107, 36 ch") << 1.0 << 36 << 107 << 26;
    QTest::newRow("28, 36 ch") << 1.0 << 36 << 28 << 589;
    QTest::newRow("28, 16 ch") << 1.0 << 16 << 28 << 489;
    QTest::newRow("226, 32 ch, 1.5") << 1.5 << 32 << 226 << 1360;
    QTest::newRow("27, 32 ch") << 1.0 << 32 << 27 << 22;
    QTest::newRow("72, 19 ch") << 1.0 << 19 << 72 << 16;
    QTest::newRow("72, 20 ch") << 1.0 << 20 << 72 << 11;
    QTest::newRow("72, 32 ch") << 1.0 << 32 << 72 << 7;
    QTest::newRow("73, 32 ch") << 1.0 << 32 << 73 << 0;
    QTest::newRow("147, 7 ch") << 1.0 << 7 << 147 << 140;
    QTest::newRow("147, 8 ch") << 1.0 << 8 << 147 << 230;
    QTest::newRow("147, 19 ch") << 1.0 << 19 << 147 << 280;
    QTest::newRow("147, 20 ch") << 1.0 << 20 << 147 << 466;
    QTest::newRow("148, 20 ch") << 1.0 << 20 << 148 << 0;
    QTest::newRow("33, 16 ch") << 1.0 << 16 << 33 << 534;
    QTest::newRow("87, 32 ch, 1.5") << 1.5 << 32 << 87 << 951;
    QTest::newRow("54 at 0.75") << 0.75 << 16 << 54 << 68;
    QTest::newRow("74") << 1.0 << 16 << 74 << 67;
    QTest::newRow("75, 16 ch") << 1.0 << 16 << 75 << 405;
    QTest::newRow("75, 32 ch") << 1.0 << 32 << 75 << 505;
    QTest::newRow("85, 16 ch") << 1.0 << 16 << 85 << 360;
    QTest::newRow("85, exactly 32") << 1.0 << 32 << 85 << 460;
    QTest::newRow("86") << 1.0 << 16 << 86 << 312;
    QTest::newRow("34 as 12") << 1.0 << 16 << 34 << 63;
    QTest::newRow("42 as 15, 32 ch") << 1.0 << 32 << 42 << 350;
    QTest::newRow("45 as 20, 16 ch") << 1.0 << 16 << 45 << 40;
    QTest::newRow("46 as 21") << 1.0 << 16 << 46 << 190;
    QTest::newRow("94 as 19") << 1.5 << 16 << 94 << 36;
}

void TResSizeTest::metrics()
{
    QFETCH(double, factor);
    QFETCH(int, videos);
    QFETCH(int, id);
    QFETCH(int, value);
    g_unit.videos = videos;
    TRes res;
    res.setScale(factor);
    QCOMPARE(res.getValue(id), value);
}

void TResSizeTest::editCopyMetrics_data()
{
    QTest::addColumn<int>("audios");
    QTest::addColumn<int>("storage");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("value");
    QTest::newRow("122, 2 disks") << 0 << 2 << 122 << 160;
    QTest::newRow("122, 3 disks") << 0 << 3 << 122 << 100;
    QTest::newRow("141, 4 audio") << 4 << 0 << 141 << 55;
    QTest::newRow("141, 5 audio") << 5 << 0 << 141 << 20;
    QTest::newRow("142, 0 audio") << 0 << 0 << 142 << 12;
    QTest::newRow("142, 8 audio") << 8 << 0 << 142 << 4;
    QTest::newRow("143, 0 audio") << 0 << 0 << 143 << 24;
    QTest::newRow("143, 16 audio") << 16 << 0 << 143 << 20;
}

void TResSizeTest::editCopyMetrics()
{
    QFETCH(int, audios);
    QFETCH(int, storage);
    QFETCH(int, id);
    QFETCH(int, value);
    // The live copy claims 99 of each: only the edit copy may be read.
    g_unit.editAudios = audios;
    g_unit.editStorage = storage;
    TRes res;
    QCOMPARE(res.getValue(id), value);
}

void TResSizeTest::everySizeIdOfTheTableAnswers()
{
    const QList<int> none = {12, 17, 18, 22, 26, 58, 61, 65, 66, 69, 84, 85, 89, 90, 92, 93, 95, 96, 98,
                             99, 101, 102, 104, 105, 107, 123, 124, 126, 127, 129, 130, 144, 145, 148,
                             155, 156, 175, 176, 177, 178, 179, 180, 181, 193, 194, 195, 196, 197, 198,
                             199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 210, 211, 212, 213, 214};
    TRes res;
    int answered = 0;
    for (int id = 0; id <= 218; ++id) {
        if (none.contains(id))
            continue;
        const QSize s = res.getSize(id);
        QVERIFY2(s.width() > 0 && s.height() > 0, qPrintable(QString::number(id)));
        ++answered;
    }
    QCOMPARE(answered, 219 - none.size());
}

void TResSizeTest::idWithoutSizeIsFatal_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("fatal");
    for (int id : {12, 17, 18, 22, 26, 58, 61, 65, 66, 69, 84, 85, 89, 90, 92, 93, 95, 96, 98, 99, 101,
                   102, 104, 105, 107, 123, 124, 126, 127, 129, 130, 144, 145, 148, 155, 156, 175, 178,
                   181, 193, 200, 208, 210, 214, 219, 1000, -1})
        QTest::addRow("id %d", id) << id << true;
    QTest::newRow("id 209 has one") << 209 << false;
    QTest::newRow("id 11 has one") << 11 << false;
}

void TResSizeTest::idWithoutSizeIsFatal()
{
    QFETCH(int, id);
    QFETCH(bool, fatal);
    // The program ends, so ask in a child process (see main).
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kFatalEnv, QString::number(id));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    const QByteArray err = child.readAllStandardError();
    const QByteArray msg = "TRes::getSize id:" + QByteArray::number(id);
    if (fatal) {
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, err.constData());
        QVERIFY2(err.contains(msg), err.constData());
    } else {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!err.contains(msg));
    }
}

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
