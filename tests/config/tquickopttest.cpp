#include "tquickopt.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

namespace {

QVector<int> orderOf(const TQuickOpt& q)
{
    return QVector<int>(q.record().order, q.record().order + 20);
}

QVector<int> identity()
{
    QVector<int> v(20);
    for (int i = 0; i < 20; ++i)
        v[i] = i;
    return v;
}

} // namespace

class TQuickOptTest : public QObject
{
    Q_OBJECT
private slots:
    void missingFileIsCleanShutdown()
    {
        TTestRoot root;
        TQuickOpt q("/dvr/quickOpt.conf");
        q.record().timeAlive = 55;
        q.load();
        QCOMPARE(q.timeAlive(), 0);
        QCOMPARE(orderOf(q), identity());
        QCOMPARE(q.record().pal[0], '\0');
        QVERIFY(!QFile::exists(root.file("/dvr/quickOpt.conf")));
    }
    void order_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QVector<int>>("head"); // first entries after the load; empty = identity
        QTest::newRow("swap") << QByteArray("ch00=1\nch01=0\n") << QVector<int>{1, 0, 2, 3};
        QTest::newRow("repeat") << QByteArray("ch00=3\nch01=3\n") << QVector<int>{};
        QTest::newRow("two empty") << QByteArray("ch00=-1\nch01=-1\n") << QVector<int>{-1, -1, 2};
        QTest::newRow("not a number") << QByteArray("ch01=x\nch00=1\n") << QVector<int>{1, 0, 2};
        // Entries index the channel tables: one past them gives the identity back.
        QTest::newRow("beyond 20 channels") << QByteArray("ch00=20\n") << QVector<int>{};
        QTest::newRow("last channel") << QByteArray("ch00=19\nch19=0\n") << QVector<int>{19, 1, 2};
    }
    void order()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QVector<int>, head);
        TTestRoot root;
        QVERIFY(root.write("/dvr/quickOpt.conf", "[QUICKOPTION]\n" + keys + "timeAlive=1234\npal=pal\n"));
        TQuickOpt q("/dvr/quickOpt.conf");
        q.load();
        if (head.isEmpty())
            QCOMPARE(orderOf(q), identity());
        else
            QCOMPARE(orderOf(q).mid(0, head.size()), head);
        // The other fields keep what was read, also after a reset of the order.
        QCOMPARE(q.timeAlive(), 1234);
        QCOMPARE(QByteArray(q.record().pal), QByteArray("pal"));
    }
    void palCutAtSeven()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/quickOpt.conf", "[QUICKOPTION]\npal=palpalpalp\n"));
        TQuickOpt q("/dvr/quickOpt.conf");
        q.load();
        QCOMPARE(QByteArray(q.record().pal), QByteArray("palpalp"));
    }
    void videoType()
    {
        TTestRoot root;
        TQuickOpt q("/dvr/quickOpt.conf");
        std::memset(q.record().pal, 'x', sizeof q.record().pal);
        q.setPal();
        QCOMPARE(QByteArray(q.record().pal, 8), QByteArray("pal\0\0\0\0\0", 8));
        q.clearVideoType();
        QCOMPARE(QByteArray(q.record().pal, 8), QByteArray(8, '\0'));
    }
    void setDefaultOrderZeroesRecord()
    {
        TTestRoot root;
        TQuickOpt q("/dvr/quickOpt.conf");
        q.setTimeAlive(9);
        q.setPal();
        q.record().order[3] = -1;
        q.setDefaultOrder();
        QCOMPARE(orderOf(q), identity());
        QCOMPARE(q.timeAlive(), 0);
        QCOMPARE(q.record().pal[0], '\0');
    }
    void roundTrip()
    {
        TTestRoot root;
        QuickOption want;
        {
            TQuickOpt q("/dvr/quickOpt.conf");
            q.setDefaultOrder();
            for (int i = 0; i < 20; ++i)
                q.record().order[i] = 19 - i;
            q.record().order[7] = -1;
            q.setTimeAlive(0x5f5e1000);
            q.setPal();
            q.save();
            want = q.record();
        }
        TQuickOpt r("/dvr/quickOpt.conf");
        r.load();
        QVERIFY(std::memcmp(&r.record(), &want, sizeof want) == 0);
    }
    // The heartbeat and the clean-shutdown mark are in the file as soon as save
    // returns, while the object still lives and no event loop has run.
    void saveIsOnDiskAtOnce()
    {
        TTestRoot root;
        TQuickOpt q("/dvr/quickOpt.conf");
        q.setDefaultOrder();
        q.setTimeAlive(1700000000);
        q.save();
        QVERIFY(root.read("/dvr/quickOpt.conf").contains("timeAlive=1700000000\n"));
        q.setTimeAlive(0);
        q.save();
        const QByteArray file = root.read("/dvr/quickOpt.conf");
        QVERIFY(file.contains("timeAlive=0\n"));
        QVERIFY(file.contains("ch19=19\n"));
        QCOMPARE(q.status(), QSettings::NoError);
    }
    void saveReplacesGroup()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/quickOpt.conf", "[QUICKOPTION]\nstale=1\n[OTHER]\nkeep=1\n"));
        TQuickOpt q("/dvr/quickOpt.conf");
        q.load();
        q.save();
        const QByteArray file = root.read("/dvr/quickOpt.conf");
        QVERIFY(!file.contains("stale"));
        QVERIFY(file.contains("keep=1"));
        QVERIFY(file.contains("pal=\n"));
    }
};

QTEST_GUILESS_MAIN(TQuickOptTest)
#include "tquickopttest.moc"
