#include "tdvrfixture.h"

#include <cstring>

namespace {
// "admin" with every right and camera; "guard" with search and PTZ, not
// camera 2 (nor 17, beyond the channels) here, cameras 0..3 by network;
// an empty account with a right left in it. Camera 5 covert, 6 disabled.
void accounts(TDvrFixture& fx)
{
    fx.live<PropDevices>(IDX_PROP_DEVICES)->users = 3;
    auto* u = fx.live<PropUser>(IDX_PROP_USER);
    std::memset(u, 0, sizeof *u);
    u->user[0] = UserAccount{"admin", "1234", 1, 1, 1, 1, 1, {}, {}, {}};
    u->user[1] = UserAccount{"guard", "pw", 0, 1, 0, 1, 0, {}, {}, {1, 1, 1, 1}};
    u->user[2].setup = 1;
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        u->user[0].camlocal[c] = u->user[0].camnet[c] = 1;
        u->user[1].camlocal[c] = c != 2 && c != 17;
    }
    auto* cam = fx.live<PropCamera>(IDX_PROP_CAMERA);
    cam->data[5].covertOn = cam->data[6].disableOn = cam->data[16].covertOn = 1; // 16: beyond the channels, never hidden
}
}

class TDvrApiUserTest : public QObject
{
    Q_OBJECT
private slots:
    void rightsMasksAndHiddenChannels_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<int>("videoLoss");
        QTest::addColumn<QVector<int>>("rights");  // 0..4, then 5
        QTest::addColumn<QVector<uint>>("masks"); // covertMask(1), userCamMask(0), userCamMask(1)
        QTest::addColumn<QVector<int>>("hidden");  // isHiddenCh(0..7)
        QTest::newRow("admin") << QByteArray("admin") << -1 << QVector<int>{1, 1, 1, 1, 1, 0}
                               << QVector<uint>{0, 0, 0x40} << QVector<int>{0, 0, 0, 0, 0, 1, 1, 0};
        QTest::newRow("guard") << QByteArray("guard") << -1 << QVector<int>{0, 1, 0, 1, 0, 0}
                               << QVector<uint>{0x20, 0x4, 0x44} << QVector<int>{0, 0, 1, 0, 0, 1, 1, 0};
        QTest::newRow("no account") << QByteArray("visitor") << -1 << QVector<int>{0, 0, 0, 0, 0, 0}
                                    << QVector<uint>{0x20, 0, 0x40} << QVector<int>{0, 0, 0, 0, 0, 1, 1, 0};
        QTest::newRow("video loss") << QByteArray("admin") << 3 << QVector<int>{1, 1, 1, 1, 1, 0}
                                    << QVector<uint>{0, 0, 0x40} << QVector<int>{0, 0, 0, 1, 0, 1, 1, 0};
    }

    void rightsMasksAndHiddenChannels()
    {
        QFETCH(QByteArray, user);
        QFETCH(int, videoLoss);
        QFETCH(QVector<int>, rights);
        QFETCH(QVector<uint>, masks);
        QFETCH(QVector<int>, hidden);
        TDvrFixture fx;
        accounts(fx);
        g_api.setUserName(user.constData());
        if (videoLoss >= 0) { // the tile learns it from the device's event
            g_api.registerCallbacks();
            DalInit();
            DalStart();
            dalTestVideoLoss(videoLoss, 1);
            QTRY_VERIFY(g_api.isHiddenCh(videoLoss));
        }
        for (int n = 0; n < rights.size(); ++n)
            QCOMPARE(g_api.userRight(n), rights[n]);
        QCOMPARE((QVector<uint>{g_api.covertMask(1), g_api.userCamMask(0), g_api.userCamMask(1)}), masks);
        QCOMPARE(g_api.covertMask(0), 0x20u);
        for (int ch = -1; ch <= 16; ++ch)
            QCOMPARE(g_api.isHiddenCh(ch), ch >= 0 && ch < hidden.size() ? hidden[ch] : 0);
    }

    void loginAndMasterPassword()
    {
        TDvrFixture fx;
        QCOMPARE(g_api.login("a-very-long-user-name"), 0);
        // Empty or null: the device logs out, the facade keeps its user.
        QCOMPARE(g_api.login(""), 0);
        QCOMPARE(g_api.login(nullptr), -1);
        QCOMPARE(QByteArray(g_api.m_curUser), QByteArray("a-very-long-use"));
        QVERIFY(dalTestJournalFind("DalLogin(\"\")") > dalTestJournalFind("DalLogin(\"a-very-long-user-name\")"));
        QCOMPARE(g_api.checkMasterPwd(DAL_TEST_MASTER_PWD), 1);
        for (const char* wrong : {"0001", "000", "", static_cast<const char*>(nullptr)})
            QCOMPARE(g_api.checkMasterPwd(wrong), 0);
        // A device that cannot say its password lets nobody in.
        dalTestFail("DalGetMasterPwd", -1);
        QCOMPARE(g_api.checkMasterPwd(""), 0);
    }

    // A new user redraws the layout (the tiles follow its camera rights);
    // the same user again, or a log-out, does not.
    void loginRedrawsLayout_data()
    {
        QTest::addColumn<QByteArrayList>("users");
        QTest::addColumn<int>("redraws");
        QTest::newRow("another user") << QByteArrayList{"guard"} << 1;
        QTest::newRow("the same user again") << QByteArrayList{"admin"} << 0;
        QTest::newRow("log-out") << QByteArrayList{""} << 0;
        QTest::newRow("two users in turn") << QByteArrayList{"guard", "guard", "admin"} << 2;
    }
    void loginRedrawsLayout()
    {
        QFETCH(QByteArrayList, users);
        QFETCH(int, redraws);
        TDvrFixture fx;
        accounts(fx);
        g_api.setUserName("admin");
        g_api.m_layout = 1;
        g_api.m_sw = 2;
        dalTestJournalClear();
        for (const QByteArray& u : users)
            g_api.login(u.constData());
        int n = 0;
        char line[256];
        for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i)
            n += QByteArray(line).startsWith("DalVoutSetLayout(0,1,[2,");
        QCOMPARE(n, redraws); // the current layout and page, drawn again
        QCOMPARE(g_api.m_layout, 1);
        QCOMPARE(g_api.m_sw, 2);
    }

    void accountsToDevice()
    {
        TDvrFixture fx;
        accounts(fx);
        g_api.userSetdevice();
        QVERIFY(dalTestJournalFind("DalSetUserInfo(0,\"admin\",\"***\",0x1f,0x0000ffff,0x0000ffff)") >= 0);
        QVERIFY(dalTestJournalFind("DalSetUserInfo(1,\"guard\",\"***\",0xa,0x0000fffb,0x0000000f)") >= 0);
        QVERIFY(dalTestJournalFind("DalSetUserInfo(2,\"\",\"***\",0x0,0x00000000,0x00000000)") >= 0);
        QCOMPARE(dalTestJournalFind("DalSetUserInfo(3,"), -1);
    }
};

QTEST_GUILESS_MAIN(TDvrApiUserTest)
#include "tdvrapi-usertest.moc"
