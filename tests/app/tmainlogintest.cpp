// The main window's login gate: which commands wait for a login, the
// password prompt with the account's and the master password, the command
// run after the login, and lock.
#include "mainrig.h"
#include "tedit.h"

#include <QAction>
#include <QMenu>

class TMainLoginTest : public QObject
{
    Q_OBJECT
private slots:
    void needLogin_data()
    {
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("gated");
        const int gated[] = {2, 10, 12, 13, 14, 20, 1, 515, 516, 457};
        const int free[] = {11, 139, 427, 428, 15, 16, 21, 17, 18, 23, 35, 455, 456};
        for (int t : gated)
            QTest::newRow(qPrintable(MainRig::tx(t))) << t << 1;
        for (int t : free)
            QTest::newRow(qPrintable(MainRig::tx(t))) << t << 0;
    }
    void needLogin()
    {
        QFETCH(int, text);
        QFETCH(int, gated);
        MainRig rig;
        QCOMPARE(rig.w->needLogin(MainRig::tx(text)), gated);
        rig.w->m_loggedIn = 1;
        QCOMPARE(rig.w->needLogin(MainRig::tx(text)), 0);
    }

    // The chosen account opens with its own password or the device's master
    // password; an empty slot or an index outside 0..7 never opens, and every
    // refusal reads the same.
    void password_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("own password") << 1 << "1234" << true;
        QTest::newRow("wrong password") << 1 << "1235" << false;
        QTest::newRow("another account's password") << 1 << "77" << false;
        QTest::newRow("master password") << 2 << DAL_TEST_MASTER_PWD << true;
        QTest::newRow("empty slot, empty password") << 3 << "" << false;
        QTest::newRow("empty slot, master password") << 3 << DAL_TEST_MASTER_PWD << false;
        QTest::newRow("index 8") << 8 << "" << false;
        QTest::newRow("index -1") << -1 << "" << false;
    }
    void password()
    {
        QFETCH(int, user);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        MainRig rig;
        rig.account(1, "user1", "1234");
        rig.account(2, "user2", "77");
        rig.account(3, "", "");
        rig.users()->autolock = 2;
        dalTestJournalClear();
        rig.w->sl_fromLogin(2, user);
        QCOMPARE(g_vkeyboard->edit()->echoMode(), QLineEdit::Password);
        QCOMPARE(g_vkeyboard->edit()->maxLength(), 15);
        MainRig::typePassword(typed);
        QCOMPARE(rig.w->m_loggedIn, int(accepted));
        QCOMPARE(MainRig::warning(), accepted ? QString() : QStringLiteral("LogIn failed"));
        if (accepted) {
            const QByteArray id = rig.users()->user[user].id;
            QCOMPARE(rig.w->m_curUserIdx, user);
            QCOMPARE(QByteArray(g_api.m_curUser), id);
            QVERIFY(dalTestJournalFind("DalLogin(\"" + id + "\")") >= 0);
            QCOMPARE(MainRig::lastLog().code, quint16(LOG_LOGIN));
            QCOMPARE(QByteArray(MainRig::lastLog().user), id);
            QCOMPARE(rig.w->m_logoutSec, 120);
        } else {
            QCOMPARE(dalTestJournalFind("DalLogin("), -1);
        }
    }

    // A gated command waits for the login and runs after it; Cancel and a
    // wrong password leave it waiting, a command that passes the gate
    // drops it.
    void pendingCommand_data()
    {
        QTest::addColumn<QStringList>("answers"); // passwords typed, "-" cancels
        QTest::addColumn<int>("mode");
        QTest::newRow("replay after the login") << QStringList{""} << 1;
        QTest::newRow("cancelled") << QStringList{"-"} << 0;
        QTest::newRow("wrong, then right") << QStringList{"9", ""} << 1;
        QTest::newRow("cancelled, then right") << QStringList{"-", ""} << 1;
    }
    void pendingCommand()
    {
        QFETCH(QStringList, answers);
        MainRig rig;
        rig.w->runMenu("Instant Replay");
        QCOMPARE(rig.w->m_pendingCmd, QStringLiteral("Instant Replay"));
        QCOMPARE(g_api.m_mode, 0);
        for (const QString& a : answers) {
            g_msgWnd->hide();
            rig.w->sl_fromLogin(2, 0);
            MainRig::typePassword(a == "-" ? QString() : a, a != "-");
        }
        QTEST(g_api.m_mode, "mode");
        QCOMPARE(dalTestJournalFind("DalDecStart(") >= 0, g_api.m_mode == 1);
        rig.w->runMenu("OSD");
        QVERIFY(rig.w->m_pendingCmd.isEmpty());
    }

    // Lock logs the user out by name; the menu offers "Log In" again.
    void lock()
    {
        MainRig rig;
        rig.account(4, "night", "5");
        rig.login(4, "5");
        rig.w->createMenu();
        QCOMPARE(rig.w->m_menu->actions().at(12)->text(), QStringLiteral("Lock"));
        dalTestJournalClear();
        rig.w->runMenu("Lock");
        QCOMPARE(rig.w->m_loggedIn, 0);
        QCOMPARE(rig.w->m_logoutSec, -1);
        QCOMPARE(MainRig::lastLog().code, quint16(LOG_LOGOUT));
        QCOMPARE(QByteArray(MainRig::lastLog().user), QByteArray("night"));
        QVERIFY(dalTestJournalFind("DalLogin(\"\")") >= 0);
        rig.w->createMenu();
        QCOMPARE(rig.w->m_menu->actions().at(12)->text(), QStringLiteral("Log In"));
    }
};

QTEST_MAIN(TMainLoginTest)
#include "tmainlogintest.moc"
