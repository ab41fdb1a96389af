#include "tpath.h"
#include "trunner.h"
#include "ttestroot.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

class TRunnerTest : public QObject
{
    Q_OBJECT
private slots:
    void copyReplacesTargetInsideRoot();
    void failedCopyKeepsTarget();
    void moveAndRemove();
    void commandLineArgumentsAreMapped();
    void hostProgramsRefusedUnlessUnderRoot();
    void hostProgramUnderRootRuns();
    void noShellExpansion();
    void nothingWrittenOutsideRoot();
};

void TRunnerTest::copyReplacesTargetInsideRoot()
{
    TTestRoot root;
    QVERIFY(root.write("/tmp/a.conf", "new contents"));
    QVERIFY(root.write("/dvr/a.conf", "old"));
    QVERIFY(TRunner::copyFile("/tmp/a.conf", "/dvr/a.conf"));
    QCOMPARE(root.read("/dvr/a.conf"), QByteArray("new contents"));
}

void TRunnerTest::failedCopyKeepsTarget()
{
    TTestRoot root;
    QVERIFY(root.write("/dvr/a.conf", "old"));
    QVERIFY(!TRunner::copyFile("/tmp/missing.conf", "/dvr/a.conf"));
    QCOMPARE(root.read("/dvr/a.conf"), QByteArray("old"));
    // A target folder that does not exist: refused, nothing created.
    QVERIFY(root.write("/tmp/b", "x"));
    QVERIFY(!TRunner::copyFile("/tmp/b", "/nofolder/b"));
    QVERIFY(!QFileInfo::exists(root.file("/nofolder/b")));
}

void TRunnerTest::moveAndRemove()
{
    TTestRoot root;
    QVERIFY(root.write("/dvr/x.tmp", "abc"));
    QVERIFY(TRunner::moveFile("/dvr/x.tmp", "/dvr/x"));
    QCOMPARE(root.read("/dvr/x"), QByteArray("abc"));
    QVERIFY(!QFileInfo::exists(root.file("/dvr/x.tmp")));
    QVERIFY(TRunner::removeFile("/dvr/x"));
    QVERIFY(!QFileInfo::exists(root.file("/dvr/x")));
    QVERIFY(TRunner::removeFile("/dvr/x")); // already gone
    QVERIFY(!TRunner::moveFile("/dvr/none", "/dvr/y"));
}

void TRunnerTest::commandLineArgumentsAreMapped()
{
    TTestRoot root;
    QVERIFY(root.write("/tmp/src.txt", "hello"));
    QCOMPARE(TRunner::system("cp /tmp/src.txt /dvr/dst.txt"), 0);
    QCOMPARE(root.read("/dvr/dst.txt"), QByteArray("hello"));
    bool ok = false;
    const QByteArray out = TRunner::capture("ls /dvr", &ok);
    QVERIFY(ok);
    QVERIFY(out.contains("dst.txt"));
    QVERIFY(TRunner::system("cp /tmp/none /dvr/x") != 0);
}

void TRunnerTest::hostProgramsRefusedUnlessUnderRoot()
{
    TTestRoot root;
    QVERIFY(TRunner::isHostProgram("/etc/init.d/networking"));
    QVERIFY(TRunner::isHostProgram("hwclock"));
    QVERIFY(!TRunner::isHostProgram("cp"));
    QCOMPARE(TRunner::system("/etc/init.d/networking restart"), -1);
    QCOMPARE(TRunner::system("hwclock -w"), -1);
    QCOMPARE(TRunner::system("/dvr/upgrade /dvr/fwr skip_crc_check reboot &"), -1);
    QCOMPARE(TRunner::system(""), -1);
    QCOMPARE(TRunner::system("no-such-program-here"), -1);
}

void TRunnerTest::hostProgramUnderRootRuns()
{
    TTestRoot root;
    // A stand-in network script that leaves a mark inside the root.
    const QByteArray script = "#!/bin/sh\necho \"$1\" > \"$DVR_ROOT/tmp/net.mark\"\n";
    QVERIFY(root.write("/etc/init.d/networking", script));
    QFile::setPermissions(root.file("/etc/init.d/networking"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(TRunner::system("/etc/init.d/networking restart"), 0);
    QCOMPARE(root.read("/tmp/net.mark"), QByteArray("restart\n"));
}

void TRunnerTest::noShellExpansion()
{
    TTestRoot root;
    QVERIFY(root.write("/backup/a;touch b.conf", "x"));
    // A file name with shell syntax is one argument, never a command.
    QCOMPARE(TRunner::run("cp", {"/backup/a;touch b.conf", "/tmp/c.conf"}), 0);
    QCOMPARE(root.read("/tmp/c.conf"), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(root.file("/backup/b.conf")));
    QVERIFY(!QFileInfo::exists("b.conf"));
}

void TRunnerTest::nothingWrittenOutsideRoot()
{
    TTestRoot root;
    QVERIFY(root.write("/tmp/f", "1"));
    TRunner::system("mkdir -p /dvr/newdir/sub");
    TRunner::system("cp /tmp/f /dvr/newdir/sub/g");
    TRunner::copyFile("/tmp/f", "/dvr/h");
    TRunner::moveFile("/dvr/h", "/data/h");
    const QStringList files = root.allFiles();
    QVERIFY(files.contains("/dvr/newdir/sub/g"));
    QVERIFY(files.contains("/data/h"));
    QVERIFY(!QFileInfo::exists("/dvr/newdir"));
    QVERIFY(!QFileInfo::exists("/data/h"));
}

QTEST_GUILESS_MAIN(TRunnerTest)
#include "trunnertest.moc"
