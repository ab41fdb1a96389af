#include "tfilesizelimit.h"
#include "tflashfile.h"
#include "ttestroot.h"

#include <QDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Files written as a whole new file over a name (the exports on the
// external medium, the configuration's copies): the name holds a whole file
// or the former one, whatever stops the write.
class TFlashFileTest : public QObject
{
    Q_OBJECT

    static inline int s_failingRead = 0;

    static QStringList backupFiles(const TTestRoot& root)
    {
        return QDir(root.file("/backup")).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

private slots:
    void writeOutcome_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QStringList>("files"); // on the medium after the write
        QTest::newRow("written whole") << "" << QStringList{"x.conf"};
        QTest::newRow("medium full") << "full" << QStringList{};
        // The process goes away mid-write (the stick pulled, the power cut):
        // nothing cleans up after it, and still no cut file has the name.
        QTest::newRow("killed mid-write") << "killed" << QStringList{};
    }

    void writeOutcome()
    {
        QFETCH(QString, stop);
        QFETCH(QStringList, files);
        TTestRoot root;
        const QByteArray data(64 * 1024, 'c');
        if (stop == "killed") {
            const pid_t child = ::fork();
            if (child == 0) {
                // Writes past the limit end the process, as SIGXFSZ does by
                // default: the write stops in its middle.
                rlimit small = {4096, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &small);
                std::signal(SIGXFSZ, SIG_DFL);
                TFlashFile::write("/backup/x.conf", data);
                ::_exit(0);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
            const QStringList left = backupFiles(root);
            QCOMPARE(left.size(), 1); // the temporary file, not the chosen name
            QVERIFY(!left.contains("x.conf"));
            return;
        }
        {
            std::unique_ptr<TFileSizeLimit> full;
            if (stop == "full")
                full.reset(new TFileSizeLimit(4096));
            QCOMPARE(TFlashFile::write("/backup/x.conf", data) == 0, stop.isEmpty());
        }
        QCOMPARE(backupFiles(root), files);
        if (stop.isEmpty())
            QCOMPARE(root.read("/backup/x.conf"), data);
    }

    // A source that fails to read (a failing stick) fails the copy with the
    // read's error, also after chunks were written: the copy ends (the child
    // is killed by its alarm if it does not), and the target keeps the former
    // file with nothing left beside it.
    void copyOfAnUnreadableSource_data()
    {
        QTest::addColumn<int>("failingRead"); // the first read that fails, from 1
        QTest::newRow("first read") << 1;
        QTest::newRow("after a chunk was written") << 2;
    }
    void copyOfAnUnreadableSource()
    {
        QFETCH(int, failingRead);
        TTestRoot root;
        QVERIFY(root.write("/backup/in.conf", QByteArray(200 * 1024, 'n')));
        QVERIFY(root.write("/dvr/x.conf", "old"));
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(10);
            s_failingRead = failingRead;
            TFlashFile::setFaultHook([](TFlashFile::Step step, const QString&) {
                return step == TFlashFile::StepRead && --s_failingRead <= 0 ? EIO : 0;
            });
            ::_exit(TFlashFile::copy("/backup/in.conf", "/dvr/x.conf"));
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the copy did not end");
        QCOMPARE(WEXITSTATUS(status), EIO);
        QCOMPARE(root.read("/dvr/x.conf"), QByteArray("old"));
        QCOMPARE(QDir(root.file("/dvr")).entryList(QDir::Files | QDir::Hidden), QStringList{"x.conf"});
    }

    // The name is taken by rename: a link planted there is replaced, never
    // followed into the recorder's own files.
    void linkAtTheNameIsReplaced()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/victim", "keep"));
        QVERIFY(QFile::link(root.file("/dvr/victim"), root.file("/backup/x.conf")));
        QCOMPARE(TFlashFile::write("/backup/x.conf", QByteArray("new")), 0);
        QVERIFY(!QFileInfo(root.file("/backup/x.conf")).isSymLink());
        QCOMPARE(root.read("/backup/x.conf"), QByteArray("new"));
        QCOMPARE(root.read("/dvr/victim"), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(TFlashFileTest)
#include "tflashfiletest.moc"
