#include "fakedvr.h"

#include <QtTest>
#include <memory>

using Prop = std::unique_ptr<TProperty>;

// Date-time, user, storage, S.M.A.R.T., search-option and time-zone sections.
class TPropertyUserTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void datetimeDefaults_data()
    {
        QTest::addColumn<int>("variant");
        QTest::newRow("generic") << -1;
        QTest::newRow("5") << 5;
    }
    void datetimeDefaults()
    {
        QFETCH(int, variant);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        QCOMPARE(QByteArray(p->m_datetime.tz), QByteArray("GMT+09:00 Seoul"));
        // Variant 5 keeps its regional time server.
        QCOMPARE(QByteArray(p->m_datetime.server),
                 QByteArray(variant == 5 ? "asia.pool.ntp.org" : "pool.ntp.org"));
        QCOMPARE(p->m_datetime.check, 2);
        QCOMPARE(p->m_datetime.dst, 0);
        p->setDefault(IDX_PROP_DATETIME);
        QCOMPARE(QByteArray(p->m_datetime.server), QByteArray("pool.ntp.org"));
    }
    void datetimeLoad_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("check");
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<QByteArray>("server");
        const QByteArray seoul("GMT+09:00 Seoul");
        QTest::newRow("check 5") << 0 << QByteArray("check=5") << 5 << seoul << QByteArray("pool.ntp.org");
        QTest::newRow("check 6") << 0 << QByteArray("check=6") << 0 << seoul << QByteArray("pool.ntp.org");
        QTest::newRow("tz 3 chars") << 0 << QByteArray("tz=GMT") << 2 << seoul << QByteArray("pool.ntp.org");
        QTest::newRow("tz 6 chars") << 0 << QByteArray("tz=GMT+01") << 2 << QByteArray("GMT+01")
                                    << QByteArray("pool.ntp.org");
        QTest::newRow("own server") << 0 << QByteArray("server=ntp.example.org") << 2 << seoul
                                    << QByteArray("ntp.example.org");
        QTest::newRow("5 forces tz") << 5 << QByteArray("tz=GMT+01:00 Paris\nserver=ntp.example.org") << 2
                                     << seoul << QByteArray("ntp.example.org");
        QTest::newRow("5 regional server") << 5 << QByteArray("server=pool.ntp.org") << 2 << seoul
                                           << QByteArray("asia.pool.ntp.org");
    }
    void datetimeLoad()
    {
        QFETCH(int, variant);
        QFETCH(QByteArray, keys);
        QFETCH(int, check);
        QFETCH(QByteArray, tz);
        QFETCH(QByteArray, server);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, "[DATETIME]\n" + keys + "\ndst=1\ndiff=-540\n", testDevices()));
        QCOMPARE(p->m_datetime.check, check);
        QCOMPARE(QByteArray(p->m_datetime.tz), tz);
        QCOMPARE(QByteArray(p->m_datetime.server), server);
        QCOMPARE(p->m_datetime.dst, 1);
        QCOMPARE(p->m_datetime.diff, -540);
    }
    void userDefaults_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("user3");
        QTest::newRow("generic") << -1 << QByteArray() << QByteArray();
        QTest::newRow("3") << 3 << QByteArray("50738216") << QByteArray("user3");
        QTest::newRow("5") << 5 << QByteArray("50738216") << QByteArray("user3");
        QTest::newRow("10") << 10 << QByteArray("604182") << QByteArray();
    }
    void userDefaults()
    {
        QFETCH(int, variant);
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, user3);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        p->setDefault(IDX_PROP_USER);
        const PropUser& u = p->m_user;
        QCOMPARE(u.autolock, 10);
        QCOMPARE(QByteArray(u.user[0].id), QByteArray("admin"));
        QCOMPARE(int(u.user[0].setup + u.user[0].search + u.user[0].backup + u.user[0].ptz +
                     u.user[0].network), 5);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(QByteArray(u.user[i].pw), password);
            for (int c = 0; c < 20; ++c) {
                QCOMPARE(int(u.user[i].camlocal[c]), 1);
                QCOMPARE(int(u.user[i].camnet[c]), 1);
            }
        }
        QCOMPARE(QByteArray(u.user[3].id), user3);
        QCOMPARE(int(u.user[3].setup), 0);
    }
    void userAdminIsForced()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[USER]\nid00=boss\npw00=1234\nsetup00=0\nnetwork00=0\n"
                                         "camlocal00=0000\ncamnet00=\n",
                                   testDevices(4)));
        const UserAccount& a = p->m_user.user[0];
        QCOMPARE(QByteArray(a.id), QByteArray("admin"));
        QCOMPARE(QByteArray(a.pw), QByteArray("1234"));
        QCOMPARE(int(a.setup), 1);
        QCOMPARE(int(a.network), 1);
        for (int c = 0; c < 20; ++c) {
            QCOMPARE(int(a.camlocal[c]), 1);
            QCOMPARE(int(a.camnet[c]), 1);
        }
    }
    void userChannelFlags()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[USER]\nid01=guest\ncamlocal01=0100\ncamnet01=1x11111\n",
                                   testDevices(4)));
        const UserAccount& a = p->m_user.user[1];
        QCOMPARE(QByteArray(a.id), QByteArray("guest"));
        const int local[4] = {0, 1, 0, 0};
        const int net[4] = {1, 0, 1, 1};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(int(a.camlocal[c]), local[c]);
            QCOMPARE(int(a.camnet[c]), net[c]);
        }
        for (int c = 4; c < 20; ++c)
            QCOMPARE(int(a.camlocal[c]), 1);
        // A missing text clears the channels in use.
        const UserAccount& b = p->m_user.user[2];
        for (int c = 0; c < 4; ++c)
            QCOMPARE(int(b.camlocal[c]), 0);
        QCOMPARE(int(b.camlocal[4]), 1);
    }
    void userCountBoundsReadAndWrite()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4);
        dev.users = 4;
        Prop p(propertyWithRecords(root, "[USER]\nid03=three\nid05=five\n", dev));
        QCOMPARE(QByteArray(p->m_user.user[3].id), QByteArray("three"));
        QCOMPARE(p->m_user.user[5].id[0], '\0');
        QCOMPARE(int(p->m_user.user[5].camlocal[0]), 1);
        p->save(IDX_PROP_USER);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "USER"), 1 + 4 * 9);
        QVERIFY(iniValue(ini, "USER", "id05").isEmpty());
    }
    void userVariant5EmptyId()
    {
        TTestRoot root;
        TOemScope oem(5);
        Prop p(propertyWithRecords(root, "[USER]\nid02=\nid03=cashier\n", testDevices(4)));
        QCOMPARE(QByteArray(p->m_user.user[2].id), QByteArray("user2"));
        QCOMPARE(QByteArray(p->m_user.user[3].id), QByteArray("cashier"));
        QCOMPARE(QByteArray(p->m_user.user[3].pw), QByteArray("50738216"));
    }
    void userRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices(4)));
        PropUser& u = p->m_user;
        u.autolock = 3;
        qstrncpy(u.user[0].pw, "adminpw", 16);
        qstrncpy(u.user[6].id, "night", 16);
        qstrncpy(u.user[6].pw, "0123456789abcdefXYZ", 16);
        u.user[6].backup = 1;
        // Loaded from a file without the key, the channels in use start cleared.
        QCOMPARE(int(u.user[6].camnet[0]), 0);
        u.user[6].camnet[0] = u.user[6].camnet[1] = u.user[6].camnet[3] = 1;
        p->save(IDX_PROP_USER);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniValue(ini, "USER", "pw06"), QByteArray("0123456789abcde"));
        QCOMPARE(iniValue(ini, "USER", "camnet06"), QByteArray("1101"));
        Prop q(propertyWithRecords(root, ini, testDevices(4)));
        QCOMPARE(std::memcmp(&q->m_user, &p->m_user, sizeof(PropUser)), 0);
    }
    void storageDefaults_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("alarm0");
        QTest::newRow("generic") << -1 << 0;
        QTest::newRow("5") << 5 << 1;
    }
    void storageDefaults()
    {
        QFETCH(int, variant);
        QFETCH(int, alarm0);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        QCOMPARE(p->m_storage.overwrite, 1);
        QCOMPARE(p->m_storage.mirror, 0);
        QCOMPARE(p->m_storage.alarm[0], alarm0);
        QCOMPARE(p->m_storage.alarm[1], 0);
        QCOMPARE(p->m_storage.alarm_type, 0);
    }
    void storageRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        p->m_storage.overwrite = 0;
        p->m_storage.autodelete = 9;
        p->m_storage.alarm[1] = 3;
        p->m_storage.alarm[2] = 4; // beyond the two disks: not written
        p->m_storage.alarm_type = 2;
        p->save(IDX_PROP_STORAGE);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(groupText(ini, "STORAGE"),
                 QByteArray("[STORAGE]\nalarm%5B00%5D=0\nalarm%5B01%5D=3\nalarm_type=2\n"
                            "autodelete=9\nmirror=0\noverwrite=0\n"));
        Prop q(propertyWithRecords(root, ini, testDevices()));
        QCOMPARE(q->m_storage.alarm[1], 3);
        QCOMPARE(q->m_storage.alarm[2], 0);
        QCOMPARE(q->m_storage.overwrite, 0);
        QCOMPARE(q->m_storage.autodelete, 9);
    }
    void smart_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QList<int>>("expect"); // on day errorcnt time heat alarm, 7 outputs (4 relays)
        QTest::newRow("defaults") << QByteArray() << QList<int>{0, 0, 0, 0, 9, 4};
        QTest::newRow("in range") << QByteArray("on=1\nday=6\nerrorcnt=6\ntime=5\nheat=12\nalarm=0")
                                  << QList<int>{1, 6, 6, 5, 12, 0};
        QTest::newRow("heat 13") << QByteArray("heat=13") << QList<int>{0, 0, 0, 0, 0, 4};
        QTest::newRow("time -1") << QByteArray("time=-1\nerrorcnt=7") << QList<int>{0, 0, 0, 0, 9, 4};
        QTest::newRow("alarm 5") << QByteArray("alarm=5") << QList<int>{0, 0, 0, 0, 9, 4};
        QTest::newRow("alarm 2") << QByteArray("alarm=2") << QList<int>{0, 0, 0, 0, 9, 2};
    }
    void smart()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QList<int>, expect);
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[SMART]\n" + keys + "\n", testDevices(4, 4, 4, 7)));
        const PropSmart& s = p->m_smart;
        QCOMPARE((QList<int>{s.on, s.day, s.errorcnt, s.time, s.heat, s.alarm}), expect);
    }
    void searchoptRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        QCOMPARE(p->m_searchopt.Interval, 4);
        QCOMPARE(p->m_searchopt.pos, 1);
        QCOMPARE(p->m_searchopt.Visible, 1);
        p->m_searchopt.Mode = 3;
        p->m_searchopt.Channel = 15;
        p->m_searchopt.DateOverlap = -2;
        p->m_searchopt.pos = 0;
        // A whole save leaves SEARCHOPT alone.
        p->save(-1);
        QVERIFY(groupText(root.read("/tmp/t.conf"), "SEARCHOPT").isEmpty());
        p->save(IDX_PROP_SEARCHOPT);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "SEARCHOPT"), 9);
        Prop q(propertyWithRecords(root, ini, testDevices()));
        QCOMPARE(std::memcmp(&q->m_searchopt, &p->m_searchopt, sizeof(PropSearchopt)), 0);
    }
    void timezone_data()
    {
        QTest::addColumn<QByteArray>("cntKey");
        QTest::addColumn<int>("cnt");
        QTest::newRow("no cnt") << QByteArray() << 0;
        QTest::newRow("80") << QByteArray("cnt=80") << 80;
        QTest::newRow("500") << QByteArray("cnt=500") << 80;
        QTest::newRow("negative") << QByteArray("cnt=-4") << 0;
    }
    void timezone()
    {
        QFETCH(QByteArray, cntKey);
        QFETCH(int, cnt);
        TTestRoot root;
        QByteArray ini = "[TIMEZONE]\n" + cntKey + "\n";
        for (int i = 0; i < 100; ++i)
            ini += "local" + QByteArray::number(i) + "=Zone " + QByteArray::number(i) + " " +
                   QByteArray(50, 'z') + "\ndst" + QByteArray::number(i) + "=" +
                   QByteArray::number(i % 2) + "\n";
        Prop p(propertyWithRecords(root, ini, testDevices()));
        // Whatever the record held, a load without a count is an empty list.
        p->m_timezone.cnt = 9;
        p->load(IDX_PROP_TIMEZONE);
        QCOMPARE(p->m_timezone.cnt, cnt);
        if (cnt > 0) {
            const QByteArray last = "Zone " + QByteArray::number(cnt - 1) + " ";
            QCOMPARE(QByteArray(p->m_timezone.zone[cnt - 1].local), (last + QByteArray(50, 'z')).left(43));
            QCOMPARE(p->m_timezone.zone[1].dst, 1);
        }
        p->save(IDX_PROP_TIMEZONE);
        QCOMPARE(iniKeyCount(root.read("/tmp/t.conf"), "TIMEZONE"), 1 + 2 * cnt);
    }
    void craftedCountsStayInTables()
    {
        TTestRoot root;
        QByteArray ini = "[DEVICES]\nvideos=1000\nstorage=1000\nusers=1000\nalarmouts=1000\n"
                         "[STORAGE]\n";
        for (int d = 0; d < 30; ++d)
            ini += "alarm%5B" + QByteArray::number(d).rightJustified(2, '0') + "%5D=2\n";
        ini += "[USER]\ncamlocal07=" + QByteArray(40, '0') + "\n[SMART]\nalarm=30\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(p->disks(), 16);
        for (int d = 0; d < 16; ++d)
            QCOMPARE(p->m_storage.alarm[d], 2);
        for (int c = 0; c < 20; ++c)
            QCOMPARE(int(p->m_user.user[7].camlocal[c]), 0);
        // 20 relays of the 23 outputs the record holds.
        QCOMPARE(p->m_smart.alarm, 20);
        p->save(-1);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "STORAGE"), 16 + 4);
        QCOMPARE(iniKeyCount(out, "USER"), 1 + 8 * 9);
        QCOMPARE(iniValue(out, "USER", "camnet00").size(), 20);
        p->setDefault(-1);
        QCOMPARE(p->m_smart.alarm, 20);
    }
};

QTEST_GUILESS_MAIN(TPropertyUserTest)
#include "tpropertyusertest.moc"
