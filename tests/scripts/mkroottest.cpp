#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The run command's runtime root: a root the user names is never emptied,
// the default one is made fresh only when the run command made it.
class MkRootTest : public QObject
{
    Q_OBJECT
private slots:
    void rootsTheRunCommandDidNotMakeAreKept_data()
    {
        QTest::addColumn<bool>("given");  // DVR_ROOT names the root
        QTest::addColumn<bool>("marked"); // the run command made it before
        QTest::addColumn<bool>("kept");   // the file in it survives
        QTest::newRow("given") << true << false << true;
        QTest::newRow("given, even with the marker") << true << true << true;
        QTest::newRow("default made before") << false << true << false;
        QTest::newRow("default made by someone else") << false << false << true;
    }

    void rootsTheRunCommandDidNotMakeAreKept()
    {
        QFETCH(bool, given);
        QFETCH(bool, marked);
        QFETCH(bool, kept);
        QTemporaryDir tmp;
        const QString root = tmp.path() + "/root";
        QVERIFY(QDir().mkpath(root + "/dvr"));
        QFile f(root + "/dvr/mine.conf");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        f.close();
        if (marked) {
            QFile m(root + "/.made-by-run-script");
            QVERIFY(m.open(QIODevice::WriteOnly));
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DVR_ROOT");
        if (given)
            env.insert("DVR_ROOT", "root"); // relative to the caller's folder
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(tmp.path());
        p.start("bash", {DVR_SCRIPTS_DIR "/mkroot.sh", given ? "elsewhere" : "root"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput().trimmed(), root.toLocal8Bit());
        QCOMPARE(f.exists(), kept);
        for (const char* sub : {"dvr", "tmp", "data", "backup", "var/volatile", "dev", "etc", "app"})
            QVERIFY(QFileInfo(root + "/" + sub).isDir());
        QVERIFY(!QFileInfo::exists(tmp.path() + "/elsewhere"));
    }
};

QTEST_GUILESS_MAIN(MkRootTest)
#include "mkroottest.moc"
