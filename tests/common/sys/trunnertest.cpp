#include "tmessages.h"
#include "tpath.h"
#include "trunner.h"
#include "tcategorylines.h"
#include "tfilesizelimit.h"
#include "tscriptfile.h"
#include "ttestroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Every file of the root as "path=contents", so a stray file fails a compare.
QStringList snapshot(const TTestRoot& root)
{
    QStringList out;
    for (const QString& f : root.allFiles())
        out << f + QLatin1Char('=') + QString::fromLatin1(root.read(f));
    return out;
}

// What the program says, as its own message handler hands it on.
QStringList s_said;
void keepSaid(QtMsgType, const QMessageLogContext&, const QString& text)
{
    s_said << text;
}

// Where a descriptor's link in /proc leads ("pipe:[123]", "/dev/pts/0").
QByteArray linkOf(const QString& path)
{
    char buf[256];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buf, sizeof buf);
    return n > 0 ? QByteArray(buf, int(n)) : QByteArray();
}

} // namespace

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
        QVERIFY(!TRunner::copyFile("/tmp/a.conf", "/nofolder/b"));
        QVERIFY(TRunner::moveFile("/dvr/a.conf", "/data/a"));
        QVERIFY(!TRunner::moveFile("/dvr/none", "/dvr/y"));
        QVERIFY(TRunner::removeFile("/data/a"));
        QVERIFY(TRunner::removeFile("/data/a")); // already gone
        QCOMPARE(root.allFiles(), QStringList{"/tmp/a.conf"});
    }

    // A copy that does not fit reports the failure and leaves the old
    // target whole, whichever way it is asked for.
    void copyOntoFullDisk_data()
    {
        QTest::addColumn<QString>("line"); // empty: copyFile itself
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::newRow("copy cut after its first block") << "" << 15000 << 8192;
        QTest::newRow("copy cut inside its first block") << "" << 15000 << 4096;
        QTest::newRow("copy of many blocks") << "" << 300000 << 200000;
        QTest::newRow("cp line") << "cp -f /tmp/big /dvr/old" << 15000 << 8192;
        QTest::newRow("cp into a folder") << "cp -f /tmp/big /dvr/sub" << 15000 << 8192;
        QTest::newRow("copy that fits") << "" << 4000 << 8192;
    }

    void copyOntoFullDisk()
    {
        QFETCH(QString, line);
        QFETCH(int, size);
        QFETCH(int, limit);
        TTestRoot root;
        QByteArray big(size, '\0');
        for (int i = 0; i < size; ++i)
            big[i] = char('a' + i % 26);
        QVERIFY(root.write("/tmp/big", big));
        QVERIFY(root.write("/dvr/old", "old contents"));
        QVERIFY(root.write("/dvr/sub/big", "old contents"));
        const bool fits = size < limit;
        const QString target = line.endsWith("sub") ? "/dvr/sub/big" : "/dvr/old";
        {
            TFileSizeLimit full(limit);
            if (line.isEmpty())
                QCOMPARE(TRunner::copyFile("/tmp/big", "/dvr/old"), fits);
            else
                QCOMPARE(TRunner::system(line), fits ? 0 : 1);
        }
        QCOMPARE(root.read(target), fits ? big : QByteArray("old contents"));
        // Nothing half written is left beside it.
        QCOMPARE(QDir(root.file("/dvr")).entryList(QDir::Files).size(), 1);
    }

    // The command lines the recorder gives, split like a shell splits them.
    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("files");
        const QString ab = "/tmp/a b=ab", src = "/tmp/src=hello";
        QTest::newRow("cp") << "cp -f /tmp/src /dvr/dst" << 0 << QStringList{"/dvr/dst=hello", ab, src};
        QTest::newRow("cp into folder") << "cp -f /tmp/src /dvr/" << 0 << QStringList{"/dvr/src=hello", ab, src};
        QTest::newRow("relative after cd") << "cd /tmp; cp src copy" << 0 << QStringList{ab, "/tmp/copy=hello", src};
        QTest::newRow("relative from /") << "cp tmp/src dvr/x" << 0 << QStringList{"/dvr/x=hello", ab, src};
        QTest::newRow("single quotes") << "cp '/tmp/a b' /dvr/c" << 0 << QStringList{"/dvr/c=ab", ab, src};
        QTest::newRow("backslash") << "cp /tmp/a\\ b /dvr/c" << 0 << QStringList{"/dvr/c=ab", ab, src};
        QTest::newRow("double quotes") << "cp \"/tmp/a b\" \"/dvr/q\\\"&\"" << 0
                                       << QStringList{"/dvr/q\"&=ab", ab, src};
        QTest::newRow("echo into file") << "echo 1.0.2.0 > /dvr/fwr_ver" << 0
                                        << QStringList{"/dvr/fwr_ver=1.0.2.0\n", ab, src};
        QTest::newRow("mv") << "mv /tmp/src /dvr/SYSTEM.log" << 0 << QStringList{"/dvr/SYSTEM.log=hello", ab};
        QTest::newRow("rm -f missing") << "rm -f /dvr/none; rm -f /tmp/src" << 0 << QStringList{ab};
        QTest::newRow("rm missing") << "rm /dvr/none" << 1 << QStringList{ab, src};
        QTest::newRow("status of the last") << "rm /dvr/none; sync" << 0 << QStringList{ab, src};
        QTest::newRow("failed cd ends the line") << "cd /none; echo x > y" << 1 << QStringList{ab, src};
        QTest::newRow("background in-process") << "cp /tmp/src /dvr/x &" << -1 << QStringList{ab, src};
        QTest::newRow("unknown option") << "cp -r /tmp/src /dvr/x" << -1 << QStringList{ab, src};
    }

    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QStringList, files);
        TTestRoot root;
        QVERIFY(root.write("/tmp/src", "hello") && root.write("/tmp/a b", "ab"));
        QCOMPARE(TRunner::system(line), status);
        QCOMPARE(snapshot(root), files);
    }

    // Nothing beside the root may be read or written, whatever the line says.
    void escapesAreRefused_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("link");   // a symbolic link made in the root first
        QTest::addColumn<QString>("target"); // @F the file beside, @D the folder beside
        QTest::newRow("dotdot read") << "cp /../@N /tmp/got" << "" << "";
        QTest::newRow("dotdot write") << "cp /tmp/src /../@N" << "" << "";
        QTest::newRow("dotdot in mapped path") << "cp @R/dvr/../../@N /tmp/got" << "" << "";
        QTest::newRow("dotdot relative") << "cd /tmp; cp ../../@N got" << "" << "";
        QTest::newRow("dotdot redirect") << "echo x > /../@N" << "" << "";
        QTest::newRow("dotdot cd") << "cd /..; cp @N tmp/got" << "" << "";
        QTest::newRow("shell") << "sh -c 'cat /../@N > /tmp/got'" << "" << "";
        QTest::newRow("env") << "env cp /../@N /tmp/got" << "" << "";
        QTest::newRow("host program") << "cat /tmp/src" << "" << "";
        QTest::newRow("substitution") << "cp $(echo /..)/@N /tmp/got" << "" << "";
        QTest::newRow("pipe") << "echo x | tee /tmp/got" << "" << "";
        QTest::newRow("option value") << "/dvr/upgrade --file=/../@N" << "" << "";
        QTest::newRow("link read") << "cp /dvr/l /tmp/got" << "/dvr/l" << "@F";
        QTest::newRow("link write") << "cp -f /tmp/src /dvr/l" << "/dvr/l" << "@F";
        QTest::newRow("link redirect") << "echo x > /dvr/l" << "/dvr/l" << "@F";
        QTest::newRow("folder link write") << "cp /tmp/src /dvr/l/x" << "/dvr/l" << "@D";
        QTest::newRow("folder link mkdir") << "mkdir -p /dvr/l/sub" << "/dvr/l" << "@D";
        QTest::newRow("folder link move") << "mv /tmp/src /dvr/l" << "/dvr/l" << "@D";
        QTest::newRow("relative link") << "cp /dvr/l/@N /tmp/got" << "/dvr/l" << "../..";
        QTest::newRow("link made out") << "ln -s /../@N /dvr/l2" << "" << "";
        QTest::newRow("upgrade through link") << "/dvr/l --file=/tmp/src" << "/dvr/l" << "@D/up";
    }

    void escapesAreRefused()
    {
        QFETCH(QString, line);
        QFETCH(QString, link);
        QFETCH(QString, target);
        TTestRoot root;
        const QString file = root.path() + "-beside", dir = root.path() + "-besidedir";
        QVERIFY(QDir().mkpath(dir));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("secret") == 6);
        f.close();
        QFile up(dir + "/up"); // a program beside the root that must not run
        QVERIFY(up.open(QIODevice::WriteOnly) && up.write("#!/bin/sh\ncp /tmp/src \"$0.ran\"\n") > 0);
        up.close();
        QVERIFY(up.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(root.write("/tmp/src", "hello"));
        QVERIFY(writeScript(root, "/dvr/upgrade", "echo \"$@\" > \"$DVR_ROOT/tmp/args\"\n"));
        if (!link.isEmpty()) {
            target.replace("@F", file).replace("@D", dir);
            QVERIFY(QFile::link(target, root.file(link)));
        }
        const QStringList before = snapshot(root);
        line.replace("@R", root.path()).replace("@N", QFileInfo(file).fileName());

        QCOMPARE(TRunner::system(line), -1);
        QCOMPARE(snapshot(root), before);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("secret"));
        f.close();
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"up"});
        QVERIFY(f.remove() && QDir(dir).removeRecursively());
    }

    // Programs that change the host run only when they exist under the root,
    // and every path they are given is mapped, also inside an option.
    void programs_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // what the program saw, @R the root
        QTest::newRow("upgrade in background") << "/dvr/upgrade /dvr/fwr skip_crc_check reboot &" << 0
                                               << "@R/dvr/fwr skip_crc_check reboot";
        QTest::newRow("option values") << "/dvr/upgrade of=/dvr/fwr --file=/tmp/x" << 0
                                       << "of=@R/dvr/fwr --file=@R/tmp/x";
        QTest::newRow("option hiding a path") << "/dvr/upgrade -o/tmp/x" << -1 << "";
        QTest::newRow("network script") << "/etc/init.d/networking start" << 0 << "start";
        QTest::newRow("network script, other word") << "/etc/init.d/networking /tmp/x" << -1 << "";
        QTest::newRow("clock") << "hwclock -r" << 0 << "clock -r";
        QTest::newRow("clock set") << "hwclock -w" << -1 << "";
        QTest::newRow("missing program") << "/dvr/none" << -1 << "";
        QTest::newRow("dot-dot option value above the root") << "/dvr/upgrade --dir=.." << -1 << "";
        QTest::newRow("dot-dot word above the root") << "/dvr/upgrade .." << -1 << "";
        QTest::newRow("dot-dot option value inside") << "cd /dvr; /dvr/upgrade --dir=.. of=." << 0
                                                     << "--dir=@R of=@R/dvr";
        QTest::newRow("dot word") << "cd /tmp; /dvr/upgrade ." << 0 << "@R/tmp";
    }

    void programs()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, output);
        TTestRoot root;
        const QByteArray mark = "echo \"$@\" > \"$DVR_ROOT/tmp/args.part\"; mv \"$DVR_ROOT/tmp/args.part\" "
                                "\"$DVR_ROOT/tmp/args\"\n";
        QVERIFY(writeScript(root, "/dvr/upgrade", mark));
        QVERIFY(writeScript(root, "/etc/init.d/networking", mark));
        QVERIFY(writeScript(root, "/sbin/hwclock", "echo clock \"$@\" > \"$DVR_ROOT/tmp/args\"\n"));
        // A clock on the host's PATH is never the one that runs.
        QVERIFY(writeScript(root, "/hostbin/hwclock", "echo host > \"$DVR_ROOT/tmp/args\"\n"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", root.file("/hostbin").toLocal8Bit() + ":" + path);
        QCOMPARE(TRunner::system(line), status);
        qputenv("PATH", path);
        output.replace("@R", root.path());
        if (status == 0)
            QTRY_COMPARE(root.read("/tmp/args"), output.toLocal8Bit() + '\n');
        else
            QVERIFY(!QFileInfo::exists(root.file("/tmp/args")));
    }

    // A program with a bound is ended with all it started when it has not
    // ended within the bound, and at once when it writes more than a caller
    // reads, on either channel; the read fails, said once as ended.
    void boundedProgramEnded_data()
    {
        QTest::addColumn<QByteArray>("clock"); // the tool, /tmp/pid the process that must go (itself first)
        QTest::addColumn<int>("taken");        // bytes of the answer taken; -1: none, the read fails
        QTest::addColumn<QString>("why");      // in the line that says it was ended
        QTest::addColumn<int>("errLines");     // said of what it wrote on standard error
        QTest::newRow("never ends, its child neither")
            << QByteArray("sleep 30 & echo $! > \"$DVR_ROOT/tmp/pid\"\nsleep 30\n") << -1 << "within 3000 ms" << 0;
        QTest::newRow("writes without end") << QByteArray("exec yes\n") << -1 << "more than 4096 bytes" << 0;
        QTest::newRow("a byte every 2 s") << QByteArray("while :; do printf x; sleep 2; done\n") << -1 << "within"
                                          << 0;
        QTest::newRow("4096 bytes, a line on standard error") << QByteArray("printf %4096s x\necho e >&2\n")
                                                              << 4096 << "" << 1;
        QTest::newRow("4097 bytes") << QByteArray("printf %4097s x\n") << -1 << "more than 4096 bytes" << 0;
        QTest::newRow("4097 bytes on standard error") << QByteArray("printf %4097s x >&2\nexec sleep 30\n") << -1
                                                      << "more than 4096 bytes" << 1;
    }
    void boundedProgramEnded()
    {
        QFETCH(QByteArray, clock);
        QFETCH(int, taken);
        QFETCH(QString, why);
        QFETCH(int, errLines);
        TTestRoot root;
        QVERIFY(writeScript(root, "/sbin/hwclock", "echo $$ > \"$DVR_ROOT/tmp/pid\"\n" + clock));
        rusage before = {}, after = {};
        ::getrusage(RUSAGE_SELF, &before);
        TCategoryLines said("dvr.sys");
        bool ok = true;
        QElapsedTimer took;
        took.start();
        QCOMPARE(TRunner::capture("hwclock -r", &ok).size(), qMax(taken, 0));
        QVERIFY(took.elapsed() < 3000 + (why.contains("bytes") ? 0 : 1000)); // a flood before the bound
        QCOMPARE(ok, taken >= 0);
        said.restore();
        ::getrusage(RUSAGE_SELF, &after);
        QVERIFY(after.ru_maxrss - before.ru_maxrss < 64 * 1024); // KiB
        // Gone, or dead and not yet reaped: "pid (name) Z ...".
        const QString stat = "/proc/" + root.read("/tmp/pid").trimmed() + "/stat";
        const auto gone = [&stat] {
            QFile f(stat);
            return !f.open(QIODevice::ReadOnly) || f.readAll().contains(") Z ");
        };
        QTRY_VERIFY(gone());
        QCOMPARE(said.lines().filter("refused"), QStringList());
        const QStringList ended = said.lines().filter("ended");
        QCOMPARE(ended.size(), taken < 0 ? 1 : 0);
        QCOMPARE(ended.filter(why), ended);
        QCOMPARE(said.lines().filter("hwclock: ").size(), errLines);
    }

    // A network start script that ends by itself keeps what it started, and
    // that holds nothing of this program's: the script's output came
    // through pipes of ours, closed once it ended, and was said as the
    // program's own lines, escaped and whole, on either channel.
    void leftoverHoldsNothing()
    {
        TTestRoot root;
        QVERIFY(writeScript(root, "/etc/init.d/networking",
                            "sleep 30 & echo $! > \"$DVR_ROOT/tmp/pid\"\n"
                            "printf 'a\\033[31m\\377\\000z\\nb\\033[31m\\377\\000z\\n'\n"
                            "printf 'e\\033[31m\\377\\000z\\n' >&2\n"));
        s_said.clear();
        const QtMessageHandler before = qInstallMessageHandler(keepSaid);
        TMessages::install();
        QCOMPARE(TRunner::system("/etc/init.d/networking start"), 0);
        qInstallMessageHandler(before);
        const QByteArray pid = root.read("/tmp/pid").trimmed();
        const QByteArray out = linkOf("/proc/" + pid + "/fd/1"), err = linkOf("/proc/" + pid + "/fd/2");
        QList<QByteArray> ours;
        const QDir self("/proc/self/fd");
        for (const QString& fd : self.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            ours << linkOf(self.filePath(fd));
        ::kill(pid.toInt(), SIGKILL);
        QVERIFY(!out.isEmpty() && !err.isEmpty() && !ours.contains(out) && !ours.contains(err));
        QCOMPARE(s_said.filter("networking: ").size(), 3);
        QCOMPARE(s_said.filter("\\x1b[31m\\xff\\x00z").size(), 3); // a NUL ends nothing
    }

    // A program's "2>>" appends standard error to its file, "2>" empties it
    // first, ">" takes standard output; an escaped digit before ">" is a
    // word, and standard output goes.
    void errorRedirection_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("file"); // /tmp/e afterwards; it held "old"
        QTest::newRow("2>> appends") << "/dvr/upgrade 2>>/tmp/e" << QByteArray("old\nerr\n");
        QTest::newRow("2> truncates") << "/dvr/upgrade 2>/tmp/e" << QByteArray("err\n");
        QTest::newRow("> takes standard output only") << "/dvr/upgrade out >/tmp/e 2>/dev/null" << QByteArray("out\n");
        QTest::newRow("escaped 2 is a word") << "echo \\2>/tmp/e" << QByteArray("2\n");
    }

    void errorRedirection()
    {
        QFETCH(QString, line);
        TTestRoot root;
        QVERIFY(writeScript(root, "/dvr/upgrade", "echo err >&2\nif [ \"$1\" = out ]; then echo out; fi\n"));
        QVERIFY(root.write("/tmp/e", "old\n"));
        QCOMPARE(TRunner::system(line), 0);
        QTEST(root.read("/tmp/e"), "file");
    }

    void captureReadsStandardOutput()
    {
        TTestRoot root;
        for (const char* n : {"d.fwr", "a.conf", "c", "b.fwr", ".hidden"})
            QVERIFY(root.write(QStringLiteral("/backup/") + n, "x"));
        bool ok = false;
        QCOMPARE(TRunner::capture("ls -X -w10 /backup", &ok), QByteArray("c\na.conf\nb.fwr\nd.fwr\n"));
        QVERIFY(ok);
        QCOMPARE(TRunner::capture("ls /backup/c", &ok), QByteArray("/backup/c\n"));
        QVERIFY(writeScript(root, "/dvr/upgrade", "echo \"$@\"\n"));
        QCOMPARE(TRunner::capture("/dvr/upgrade x", &ok), QByteArray("x\n"));
        QVERIFY(TRunner::capture("ls /none", &ok).isEmpty());
        QVERIFY(!ok);
        // The mouse link of the start-up stays inside the root.
        QCOMPARE(TRunner::system("mkdir -p /dev/input; ln -s /dev/mice /dev/input/mice"), 0);
        QCOMPARE(QFileInfo(root.file("/dev/input/mice")).symLinkTarget(), root.file("/dev/mice"));
    }

    void archiveExtraction_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("linkOut"); // /tmp/pkg leads beside the root
        QTest::addColumn<QStringList>("extracted");
        QTest::newRow("whole package") << "cd /tmp; tar -zxvf /dvr/rs.dll.tgz" << false
                                       << QStringList{"/tmp/pkg/a.txt", "/tmp/upgrade"};
        QTest::newRow("one member") << "cd /dvr;tar -zxvf /dvr/rs.dll.tgz ./upgrade" << false
                                    << QStringList{"/dvr/upgrade"};
        QTest::newRow("folder leads out") << "cd /tmp; tar -zxvf /dvr/rs.dll.tgz" << true << QStringList();
        QTest::newRow("listing only") << "cd /tmp; tar -ztvf /dvr/rs.dll.tgz" << false << QStringList();
        QTest::newRow("member link leads out") << "cd /tmp; tar -zxvf /dvr/out.tgz" << false << QStringList();
        QTest::newRow("member link inside") << "cd /tmp; tar -zxvf /dvr/in.tgz" << false
                                            << QStringList{"/tmp/pkg/a.txt", "/tmp/pkg/l"};
        QTest::newRow("archive that cannot be listed") << "cd /tmp; tar -zxvf /dvr/bad.tgz" << false << QStringList();
    }

    void archiveExtraction()
    {
        QFETCH(QString, line);
        QFETCH(bool, linkOut);
        QFETCH(QStringList, extracted);
        TTestRoot root;
        QVERIFY(root.write("/data/src/pkg/a.txt", "a") && root.write("/data/src/upgrade", "u"));
        QCOMPARE(QProcess::execute("tar", {"-czf", root.file("/dvr/rs.dll.tgz"), "-C", root.file("/data/src"),
                                           "pkg", "./upgrade"}),
                 0);
        // Archives whose members are links: one leading above the folder it
        // is unpacked in, one staying in it.
        QVERIFY(QFile::link("../../../x", root.file("/data/src/pkg/out")));
        QCOMPARE(QProcess::execute("tar", {"-czf", root.file("/dvr/out.tgz"), "-C", root.file("/data/src"), "pkg"}), 0);
        QVERIFY(QFile::remove(root.file("/data/src/pkg/out")));
        QVERIFY(QFile::link("a.txt", root.file("/data/src/pkg/l")));
        QCOMPARE(QProcess::execute("tar", {"-czf", root.file("/dvr/in.tgz"), "-C", root.file("/data/src"), "pkg"}), 0);
        QVERIFY(root.write("/dvr/bad.tgz", QByteArray(4096, 'x')));
        QVERIFY(QDir(root.file("/data")).removeRecursively());
        const QString dir = root.path() + "-besidedir";
        QVERIFY(QDir().mkpath(dir));
        if (linkOut)
            QVERIFY(QFile::link(dir, root.file("/tmp/pkg")));
        QCOMPARE(TRunner::system(line), extracted.isEmpty() ? -1 : 0);
        QStringList files = root.allFiles().filter(QRegularExpression("^/tmp/|^/dvr/upgrade"));
        QCOMPARE(files, extracted);
        QVERIFY(QDir(dir).isEmpty());
        QVERIFY(QDir(dir).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(TRunnerTest)
#include "trunnertest.moc"
