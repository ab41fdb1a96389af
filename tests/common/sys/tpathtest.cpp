#include "tpath.h"
#include "ttestroot.h"

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
