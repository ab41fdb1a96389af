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
    void copyReplacesOrKeepsTarget()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/a.conf", "new contents"));
        QVERIFY(root.write("/dvr/a.conf", "old"));
        QVERIFY(!TRunner::copyFile("/tmp/missing.conf", "/dvr/a.conf"));
        QCOMPARE(root.read("/dvr/a.conf"), QByteArray("old"));
        QVERIFY(TRunner::copyFile("/tmp/a.conf", "/dvr/a.conf"));
        QCOMPARE(root.read("/dvr/a.conf"), QByteArray("new contents"));
        // A target folder that does not exist: refused, nothing created.
        QVERIFY(!TRunner::copyFile("/tmp/a.conf", "/nofolder/b"));
        QVERIFY(!QFileInfo::exists(root.file("/nofolder/b")));
    }

    void moveAndRemove()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/x.tmp", "abc"));
        QVERIFY(TRunner::moveFile("/dvr/x.tmp", "/dvr/x"));
        QCOMPARE(root.allFiles(), QStringList{"/dvr/x"});
        QCOMPARE(root.read("/dvr/x"), QByteArray("abc"));
        QVERIFY(!TRunner::moveFile("/dvr/none", "/dvr/y"));
        QVERIFY(TRunner::removeFile("/dvr/x"));
        QVERIFY(TRunner::removeFile("/dvr/x")); // already gone
        QCOMPARE(root.allFiles(), QStringList());
    }

    void commandLineArgumentsAreMapped()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/src.txt", "hello"));
        QCOMPARE(TRunner::system("cp /tmp/src.txt /dvr/dst.txt"), 0);
        QCOMPARE(root.read("/dvr/dst.txt"), QByteArray("hello"));
        bool ok = false;
        QVERIFY(TRunner::capture("ls /dvr", &ok).contains("dst.txt"));
        QVERIFY(ok);
        QVERIFY(TRunner::system("cp /tmp/none /dvr/x") != 0);
    }

    void hostProgramsOnlyUnderRoot()
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
        // A stand-in network script under the root runs and leaves its mark there.
        QVERIFY(root.write("/etc/init.d/networking", "#!/bin/sh\necho \"$1\" > \"$DVR_ROOT/tmp/net.mark\"\n"));
        QFile::setPermissions(root.file("/etc/init.d/networking"), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(TRunner::system("/etc/init.d/networking restart"), 0);
        QCOMPARE(root.read("/tmp/net.mark"), QByteArray("restart\n"));
    }

    void noShellExpansion()
    {
        TTestRoot root;
        QVERIFY(root.write("/backup/a;touch b.conf", "x"));
        // A file name with shell syntax is one argument, never a command.
        QCOMPARE(TRunner::run("cp", {"/backup/a;touch b.conf", "/tmp/c.conf"}), 0);
        QCOMPARE(root.read("/tmp/c.conf"), QByteArray("x"));
        QCOMPARE(root.allFiles(), (QStringList{"/backup/a;touch b.conf", "/tmp/c.conf"}));
        QVERIFY(!QFileInfo::exists("b.conf"));
    }

    void nothingWrittenOutsideRoot()
    {
        TTestRoot root;
        QVERIFY(root.write("/tmp/f", "1"));
        TRunner::system("mkdir -p /dvr/newdir/sub");
        TRunner::system("cp /tmp/f /dvr/newdir/sub/g");
        TRunner::copyFile("/tmp/f", "/dvr/h");
        TRunner::moveFile("/dvr/h", "/data/h");
        QCOMPARE(root.allFiles(), (QStringList{"/data/h", "/dvr/newdir/sub/g", "/tmp/f"}));
        QVERIFY(!QFileInfo::exists("/dvr/newdir"));
        QVERIFY(!QFileInfo::exists("/data/h"));
    }
};

QTEST_GUILESS_MAIN(TRunnerTest)
#include "trunnertest.moc"
