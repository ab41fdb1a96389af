#include "tcategorylines.h"
#include "tpath.h"
#include "ttestroot.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TPathTest : public QObject
{
    Q_OBJECT
private slots:
    void mapsUnderRoot_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("mapped");
        QTest::newRow("dvr") << "/dvr/default.conf" << true;
        QTest::newRow("volatile") << "/var/volatile/web_account.txt" << true;
        QTest::newRow("relative") << "img_res.png" << false;
    }

    // A path that climbs out of the root, by ".." or by a symbolic link, maps
    // to nothing, so whatever opens it fails.
    void pathsLeavingRootAreRefused_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("mapped"); // @R the root; empty: refused
        QTest::newRow("normalised") << "/dvr/./a//../b" << "@R/dvr/b";
        QTest::newRow("dotdot") << "/dvr/../../x" << "";
        QTest::newRow("dotdot, a newline") << "/dvr/../../x\ny" << "";
        QTest::newRow("dotdot after root") << "@R/dvr/../../x" << "";
        QTest::newRow("link out") << "/dvr/out" << "";
        QTest::newRow("below link out") << "/dvr/out/x" << "";
        QTest::newRow("link inside") << "/dvr/in/x" << "@R/dvr/in/x";
    }

    void pathsLeavingRootAreRefused()
    {
        QFETCH(QString, unit);
        QFETCH(QString, mapped);
        TTestRoot root;
        QVERIFY(QFile::link("/", root.file("/dvr/out")));
        QVERIFY(QFile::link("../tmp", root.file("/dvr/in")));
        unit.replace("@R", root.path());
        mapped.replace("@R", root.path());
        TCategoryLines said("dvr.sys", QStringLiteral("TPath::map refused"));
        QCOMPARE(TPath::map(unit), mapped);
        said.restore();
        // The path as it is: the message handler escapes it, once.
        QCOMPARE(said.lines(), mapped.isEmpty() ? QStringList{"TPath::map refused: " + unit} : QStringList());
        QCOMPARE(QString::fromLocal8Bit(TPath::mapLocal(unit.toLocal8Bit().constData())), mapped);
    }

    void relativeRootIsFixedAtStart()
    {
        TTestRoot root;
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        qputenv("DVR_ROOT", "dvr");
        TPath::init();
        QVERIFY(QDir::setCurrent(root.file("/tmp")));
        const QString r = TPath::root();
        QVERIFY(QDir::setCurrent(cwd));
        QCOMPARE(r, root.file("/dvr"));
        QCOMPARE(qgetenv("DVR_ROOT"), root.file("/dvr").toLocal8Bit());
    }

    void mapsUnderRoot()
    {
        QFETCH(QString, unit);
        QFETCH(bool, mapped);
        TTestRoot root;
        const QString path = TPath::map(unit);
        QCOMPARE(path, mapped ? root.path() + unit : unit);
        QCOMPARE(TPath::map(path), path); // mapping twice does not nest the root
        QCOMPARE(QString::fromLocal8Bit(TPath::mapLocal(unit.toLocal8Bit().constData())), path);
    }

    void noRootLeavesPathsAlone()
    {
        const QByteArray old = qgetenv("DVR_ROOT");
        qunsetenv("DVR_ROOT");
        QCOMPARE(TPath::root(), QString());
        QCOMPARE(TPath::map("/dvr/x"), QString("/dvr/x"));
        qputenv("DVR_ROOT", "/");
        QCOMPARE(TPath::map("/dvr/x"), QString("/dvr/x"));
        QVERIFY(TPath::mapLocal(nullptr).isNull());
        qputenv("DVR_ROOT", old);
    }

    void appDirAndInsideRoot()
    {
        TTestRoot root;
        QCOMPARE(TPath::appDir(), root.path() + "/app");
        QVERIFY(TPath::insideRoot(TPath::map("/dvr/a")));
        QVERIFY(!TPath::insideRoot("/etc/passwd"));
        QVERIFY(!TPath::insideRoot(root.path() + "/../x"));
    }
};

QTEST_GUILESS_MAIN(TPathTest)
#include "tpathtest.moc"
