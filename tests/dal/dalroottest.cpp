#include "dal.h"
#include "dal_test.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The stand-in maps the program's paths by the program's own rule: nothing
// beside the runtime root is seen, by ".." or by a symbolic link.
class DalRootTest : public QObject
{
    Q_OBJECT
private slots:
    void pathsStayInsideRoot_data()
    {
        QTest::addColumn<QString>("path"); // @N the file beside the root
        QTest::addColumn<int>("found");
        QTest::newRow("inside") << "/dvr/fpga.bin" << 0;
        QTest::newRow("dotdot") << "/../@N" << -1;
        QTest::newRow("link out") << "/dvr/out" << -1;
        QTest::newRow("link inside") << "/dvr/in" << 0;
    }

    void pathsStayInsideRoot()
    {
        QFETCH(QString, path);
        QFETCH(int, found);
        TTestRoot root;
        const QString beside = root.path() + "-beside";
        QFile f(beside);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        f.close();
        QVERIFY(root.write("/dvr/fpga.bin", "fpga"));
        QVERIFY(QFile::link(beside, root.file("/dvr/out")));
        QVERIFY(QFile::link("fpga.bin", root.file("/dvr/in")));
        QByteArray value = path.replace("@N", QFileInfo(beside).fileName()).toLocal8Bit();
        value.resize(128);
        QCOMPARE(DalCmd("fpgaconf", value.data(), value.size()), found);
        QCOMPARE(Db6fOpen(value.constData(), "", 0, 0, 0, 0xffffffffu) > 0, found == 0);
        QVERIFY(f.remove());
    }

    void controlFifoNotThroughLink()
    {
        TTestRoot root;
        const QString dir = root.path() + "-besidedir";
        QVERIFY(QDir().mkpath(dir) && QDir(root.file("/tmp")).removeRecursively());
        QVERIFY(QFile::link(dir, root.file("/tmp")));
        char path[256] = {};
        dalTestControlPath(path, sizeof path);
        QCOMPARE(QString::fromLocal8Bit(path), root.path() + "/tmp/dal.ctl"); // named, never used
        TStderrCapture err;
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        err.restore();
        QCOMPARE(err.text(), "dal: no control channel at " + QByteArray(path) + ": the root's /tmp leads out of the root\n");
        DalExit();
        QVERIFY(QDir(dir).isEmpty() && QDir(dir).removeRecursively());
    }
};

QTEST_GUILESS_MAIN(DalRootTest)
#include "dalroottest.moc"
