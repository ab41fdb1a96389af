#include "tpath.h"
#include "ttestroot.h"

#include <QtTest>

class TPathTest : public QObject
{
    Q_OBJECT
private slots:
    void mapsUnderRoot_data();
    void mapsUnderRoot();
    void noRootLeavesPathsAlone();
    void appDirIsUnderRoot();
    void insideRoot();
};

void TPathTest::mapsUnderRoot_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("dvr") << "/dvr/default.conf" << "/dvr/default.conf";
    QTest::newRow("tmp") << "/tmp/SYSTEM.log" << "/tmp/SYSTEM.log";
    QTest::newRow("volatile") << "/var/volatile/web_account.txt" << "/var/volatile/web_account.txt";
    QTest::newRow("relative") << "img_res.png" << QString();
}

void TPathTest::mapsUnderRoot()
{
    QFETCH(QString, unit);
    QFETCH(QString, suffix);
    TTestRoot root;
    QVERIFY(root.isValid());
    const QString mapped = TPath::map(unit);
    if (suffix.isEmpty())
        QCOMPARE(mapped, unit);
    else
        QCOMPARE(mapped, root.path() + suffix);
    // Mapping twice does not nest the root.
    QCOMPARE(TPath::map(mapped), mapped);
    QCOMPARE(QString::fromLocal8Bit(TPath::mapLocal(unit.toLocal8Bit().constData())), mapped);
}

void TPathTest::noRootLeavesPathsAlone()
{
    const QByteArray old = qgetenv("DVR_ROOT");
    qunsetenv("DVR_ROOT");
    QCOMPARE(TPath::root(), QString());
    QCOMPARE(TPath::map("/dvr/x"), QString("/dvr/x"));
    qputenv("DVR_ROOT", "/");
    QCOMPARE(TPath::map("/dvr/x"), QString("/dvr/x"));
    QVERIFY(TPath::mapLocal(nullptr).isNull());
    if (!old.isEmpty())
        qputenv("DVR_ROOT", old);
    else
        qunsetenv("DVR_ROOT");
}

void TPathTest::appDirIsUnderRoot()
{
    TTestRoot root;
    QCOMPARE(TPath::appDir(), root.path() + "/app");
}

void TPathTest::insideRoot()
{
    TTestRoot root;
    QVERIFY(TPath::insideRoot(TPath::map("/dvr/a")));
    QVERIFY(!TPath::insideRoot("/etc/passwd"));
    QVERIFY(!TPath::insideRoot(root.path() + "/../x"));
}

QTEST_GUILESS_MAIN(TPathTest)
#include "tpathtest.moc"
