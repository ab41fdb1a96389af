// The user chooser of the login, with the main window's side played here:
// the accounts of the configuration, the preselection, the answer.
#include "livetestenv.h"
#include "tbutton.h"
#include "tlogin.h"
#include "wndid.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

class Rig
{
public:
    // accounts: the defined slots, named "user<slot>" ("admin" for slot 0).
    explicit Rig(const QList<int>& accounts)
    {
        PropUser* users = static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, 0));
        for (int u = 0; u < TLogin::USERS; ++u)
            memset(users->user[u].id, 0, sizeof users->user[u].id);
        for (int u : accounts)
            qstrncpy(users->user[u].id, u == 0 ? "admin" : qPrintable(QStringLiteral("user%1").arg(u)), 16);
        login = new TLogin(nullptr, ID_WND_LOGIN, g_res->getSize(8));
        login->init(0);
        login->hide();
    }
    ~Rig() { delete login; }
    void show(int preselect)
    {
        login->setUser(preselect);
        host.popup(login);
    }

    TDvrFixture fx;
    livetest::Host host;
    TLogin* login = nullptr;
};

} // namespace

class TLoginTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // Previous and next step over the empty slots, round the eight.
    void skipsEmptyAccounts_data()
    {
        QTest::addColumn<QList<int>>("accounts");
        QTest::addColumn<int>("preselect");
        QTest::addColumn<QString>("steps"); // n next, p previous
        QTest::addColumn<QList<int>>("users");
        QTest::newRow("admin only") << QList<int>{0} << 0 << "np" << QList<int>{0, 0};
        QTest::newRow("gaps upwards, wrapping past 7") << QList<int>{0, 3, 7} << 0 << "nnn" << QList<int>{3, 7, 0};
        QTest::newRow("gaps downwards, wrapping past 0") << QList<int>{0, 3, 7} << 0 << "ppp"
                                                         << QList<int>{7, 3, 0};
        QTest::newRow("preselected account kept") << QList<int>{0, 2, 5} << 5 << "n" << QList<int>{0};
        QTest::newRow("empty preselection: the first defined") << QList<int>{0, 2} << 4 << "" << QList<int>{};
        QTest::newRow("out of range: the first defined") << QList<int>{1, 6} << 8 << "p" << QList<int>{6};
        QTest::newRow("negative: the first defined") << QList<int>{0, 6} << -1 << "n" << QList<int>{6};
    }
    void skipsEmptyAccounts()
    {
        QFETCH(QList<int>, accounts);
        QFETCH(int, preselect);
        QFETCH(QString, steps);
        QFETCH(QList<int>, users);
        Rig rig(accounts);
        rig.show(preselect);
        QVERIFY(accounts.contains(rig.login->user()));
        QList<int> seen;
        for (QChar s : steps) {
            QTest::mouseClick(rig.login->button(s == 'n' ? TLogin::BTN_NEXT : TLogin::BTN_PREV), Qt::LeftButton);
            seen << rig.login->user();
        }
        QCOMPARE(seen, users);
    }

    // What each way of closing answers to the main window.
    void answers_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("button"); // clicked after the keys, -1 none
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QList<int>>("answer");
        QTest::newRow("OK clicked") << QList<int>{} << int(TLogin::BTN_OK) << true << QList<int>{2, 3};
        QTest::newRow("Enter on OK") << QList<int>{Qt::Key_Enter} << -1 << true << QList<int>{2, 3};
        QTest::newRow("Return ignored") << QList<int>{Qt::Key_Return} << -1 << false << QList<int>{};
        QTest::newRow("CANCEL clicked") << QList<int>{} << int(TLogin::BTN_CANCEL) << true << QList<int>{};
        QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << -1 << true << QList<int>{};
        QTest::newRow("right to CANCEL, Enter") << QList<int>{Qt::Key_Right, Qt::Key_Enter} << -1 << true
                                                << QList<int>{};
        QTest::newRow("down to the previous arrow, Enter, then OK")
            << QList<int>{Qt::Key_Down, Qt::Key_Enter} << int(TLogin::BTN_OK) << true << QList<int>{2, 0};
        QTest::newRow("jog to CANCEL") << QList<int>{KEY_JOG_RIGHT, Qt::Key_Enter} << -1 << true << QList<int>{};
    }
    void answers()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, button);
        Rig rig({0, 3});
        QVERIFY(rig.host.active);
        rig.show(3);
        QSignalSpy spy(rig.login, &TLogin::sg_request);
        bool hiddenFirst = true;
        QObject::connect(rig.login, &TLogin::sg_request, rig.login,
                         [&](int, int) { hiddenFirst = !rig.login->isVisible(); });
        for (int k : keys)
            vkeytest::key(rig.login, k);
        QCoreApplication::processEvents();
        if (button >= 0)
            QTest::mouseClick(rig.login->button(button), Qt::LeftButton);
        QTEST(!rig.login->isVisible(), "hidden");
        QList<int> got;
        for (const auto& args : spy)
            got << args.at(0).toInt() << args.at(1).toInt();
        QTEST(got, "answer");
        QVERIFY(hiddenFirst);
    }

    // An empty account is never answered: not preselected, not kept when
    // setup emptied it, not accepted when no account is left.
    void emptyAccountNeverAnswered()
    {
        Rig rig({0, 4});
        rig.show(4);
        vkeytest::key(rig.login, Qt::Key_Escape);
        PropUser* users = static_cast<PropUser*>(rig.fx.cfg->getsection(IDX_PROP_USER, 0));
        memset(users->user[4].id, 0, sizeof users->user[4].id);
        rig.host.popup(rig.login);
        QCOMPARE(rig.login->user(), 0);

        memset(users->user[0].id, 0, sizeof users->user[0].id);
        QSignalSpy spy(rig.login, &TLogin::sg_request);
        QTest::mouseClick(rig.login->button(TLogin::BTN_OK), Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QVERIFY(rig.login->isVisible());
        // A full 16-character name has no terminator: it is read within its
        // field.
        memcpy(users->user[6].id, "abcdefghijklmnop", 16);
        QTest::mouseClick(rig.login->button(TLogin::BTN_NEXT), Qt::LeftButton);
        QCOMPARE(TLogin::userName(rig.login->user()), QStringLiteral("abcdefghijklmnop"));
    }

    void grab()
    {
        Rig rig({0, 1});
        rig.show(1);
        QVERIFY(rig.login->grab().save(vkeytest::grabPath(QStringLiteral("login.png"))));
    }
};

QTEST_MAIN(TLoginTest)
#include "tlogintest.moc"
