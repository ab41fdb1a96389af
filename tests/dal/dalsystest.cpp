#include "dal_test.h"
#include "ttestroot.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <ctime>

class DalSysTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    // The images the test driver makes are sound archives: the system's
    // tar unpacks the upgrade tool from them.
    void firmwareImageUnpacks()
    {
        TTestRoot root;
        const QByteArray tool = "#!/bin/sh\necho upgrade\n" + QByteArray(70000, 'x'); // two stored blocks
        QCOMPARE(dalTestMakeFirmware("/backup/a.fwr", nullptr, tool.constData(), tool.size()), 0);
        QProcess tar;
        tar.setWorkingDirectory(root.file("/tmp"));
        tar.start(QStringLiteral("tar"), {QStringLiteral("-zxf"), root.file("/backup/a.fwr"), QStringLiteral("./upgrade")});
        QVERIFY(tar.waitForFinished(30000));
        QCOMPARE(tar.exitCode(), 0);
        QCOMPARE(root.read("/tmp/upgrade"), tool);
        QVERIFY(QFileInfo(root.file("/tmp/upgrade")).isExecutable());
    }

    void firmwareCheck_data()
    {
        QTest::addColumn<QByteArray>("model"); // empty: the profile's
        QTest::addColumn<int>("damageAt");     // byte flipped, from the end when negative; 0 none
        QTest::addColumn<int>("cutTo");        // bytes kept; 0 all
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("valid") << QByteArray() << 0 << 0 << 0 << 1;
        QTest::newRow("other model") << QByteArray("SDR04") << 0 << 0 << 0 << 2;
        QTest::newRow("archive damaged") << QByteArray() << -600 << 0 << 0 << 0;
        QTest::newRow("trailer damaged") << QByteArray() << -1 << 0 << 0 << 0;
        QTest::newRow("checksum text damaged") << QByteArray() << 40 << 0 << 0 << 0;
        QTest::newRow("not gzip") << QByteArray() << 1 << 0 << 0 << 0;
        QTest::newRow("cut short") << QByteArray() << 0 << 2000 << 0 << 0;
        QTest::newRow("header only") << QByteArray() << 0 << 12 << 0 << 0;
    }

    void firmwareCheck()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, damageAt);
        QFETCH(int, cutTo);
        QFETCH(int, answer);
        QFETCH(int, result);
        TTestRoot root;
        QCOMPARE(dalTestMakeFirmware("/backup/a.fwr", model.isEmpty() ? nullptr : model.constData(), "tool", 4), 0);
        QByteArray image = root.read("/backup/a.fwr");
        if (damageAt) {
            const int at = damageAt > 0 ? damageAt : image.size() + damageAt;
            image[at] = char(image.at(at) ^ 1);
        }
        if (cutTo)
            image.truncate(cutTo);
        QVERIFY(root.write("/backup/a.fwr", image));
        int r = -7;
        QCOMPARE(DalCheckValidFwr("/backup/a.fwr", &r), answer);
        QCOMPARE(r, result);
    }

    void firmwareCheckNeedsAFile_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("missing") << QByteArray("/backup/none.fwr");
        QTest::newRow("outside the root") << QByteArray("/../../etc/passwd");
        QTest::newRow("a folder") << QByteArray("/backup");
    }

    void firmwareCheckNeedsAFile()
    {
        QFETCH(QByteArray, path);
        TTestRoot root;
        int r = 1;
        QCOMPARE(DalCheckValidFwr(path.constData(), &r), -1);
        QCOMPARE(r, 0);
    }

    void clockFollowsTimeAndZone()
    {
        DalTestClock c;
        dalTestGetClock(&c);
        QCOMPARE(c.set, 0);
        QCOMPARE(QByteArray(c.zone), QByteArray());
        const int64_t target = int64_t(time(nullptr)) - 86400 * 365;
        QCOMPARE(DalSysSetTime(target), 0);
        SysCaps caps;
        QCOMPARE(DalSysGetCaps(&caps), 0);
        QVERIFY(caps.numTz > 2);
        QCOMPARE(DalSysSetTz(&caps.tz[2], 1), 0);
        dalTestGetClock(&c);
        QCOMPARE(c.set, 1);
        QVERIFY(c.now >= target && c.now <= target + 5);
        QCOMPARE(QByteArray(c.zone), QByteArray(caps.tz[2].name));
        QCOMPARE(c.dst, 1);
        QCOMPARE(DalSysSetTime(-1), -1);
        QCOMPARE(DalSysSetTz(nullptr, 0), -1);
        dalTestReset();
        dalTestGetClock(&c);
        QCOMPARE(c.set, 0);
        QVERIFY(qAbs(c.now - int64_t(time(nullptr))) <= 5);
    }
};

QTEST_GUILESS_MAIN(DalSysTest)
#include "dalsystest.moc"
