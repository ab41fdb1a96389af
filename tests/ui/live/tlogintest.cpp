// The user chooser of the login, with the main window's side played here.
#include "livetestenv.h"
#include "tbutton.h"
#include "tlogin.h"
#include "wndid.h"

#include <QtTest>

namespace {

// Inputs of a row: clicks on the arrows and OK, setup emptying the chosen
// account while the window is hidden, or keys.
enum { Click = 0x10000, Prev = Click + TLogin::BTN_PREV, Next, Ok, Emptied };

struct Rig
{
    // accounts: the defined slots ("admin" in slot 0, a full 16-byte name
    // without terminator in slot 6, "user<n>" elsewhere).
    Rig(const QList<int>& accounts, int preselect)
    {
        users = static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, 0));
        for (int u = 0; u < TLogin::USERS; ++u) {
            memset(users->user[u].id, 0, 16);
            qstrncpy(users->user[u].pw, "1234", 16);
        }
        for (int u : accounts) {
            const QByteArray name = u == 6 ? "abcdefghijklmnop" : u ? "user" + QByteArray::number(u) : "admin";
            memcpy(users->user[u].id, name.constData(), size_t(qMin(16, name.size() + 1)));
        }
        login.init(0);
        login.setUser(preselect);
        active = livetest::popup(&login);
    }
    void click(int id) { QTest::mouseClick(login.button(id), Qt::LeftButton); }

    TDvrFixture fx;
    PropUser* users;
    TLogin login{nullptr, ID_WND_LOGIN, g_res->getSize(8)};
    bool active;
};

} // namespace

class TLoginTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // Never an empty account: the arrows step over them round the eight slots,
    // a preselection of one falls to the first defined. OK answers after
    // hiding; CANCEL, Escape answer nothing; Return is not this window's key.
    void choose_data()
    {
        using L = QList<int>;
        QTest::addColumn<L>("accounts");
        QTest::addColumn<int>("preselect");
        QTest::addColumn<L>("input"); // Next, Prev, Ok clicks or keys
        QTest::addColumn<int>("user");
        QTest::addColumn<L>("answer"); // empty: none; {-1}: none and still shown
        QTest::newRow("admin only") << L{0} << 0 << L{Next, Prev, Ok} << 0 << L{2, 0};
        QTest::newRow("up, gaps") << L{0, 3, 7} << 0 << L{Next, Next} << 7 << L{-1};
        QTest::newRow("up, wrapping past 7") << L{0, 3, 7} << 3 << L{Next, Next} << 0 << L{-1};
        QTest::newRow("down, wrapping past 0") << L{0, 3, 7} << 0 << L{Prev, Prev} << 3 << L{-1};
        QTest::newRow("preselection kept") << L{0, 2, 5} << 5 << L{Ok} << 5 << L{2, 5};
        QTest::newRow("empty preselection") << L{2, 4} << 3 << L{} << 2 << L{-1};
        QTest::newRow("no account: OK answers nothing") << L{} << 0 << L{Ok} << 0 << L{-1};
        QTest::newRow("emptied while hidden") << L{0, 4, 6} << 4 << L{Emptied, Ok} << 6 << L{2, 6};
        QTest::newRow("out of range") << L{1, 6} << 8 << L{Prev} << 6 << L{-1};
        QTest::newRow("Enter on OK") << L{0, 3} << 3 << L{Qt::Key_Enter} << 3 << L{2, 3};
        QTest::newRow("Return ignored") << L{0, 3} << 3 << L{Qt::Key_Return} << 3 << L{-1};
        QTest::newRow("jog to CANCEL") << L{0, 3} << 3 << L{KEY_JOG_RIGHT, Qt::Key_Enter} << 3 << L{};
        QTest::newRow("down to previous, Enter, OK") << L{0, 3} << 3 << L{Qt::Key_Down, Qt::Key_Enter, Ok} << 0 << L{2, 0};
    }
    void choose()
    {
        QFETCH(QList<int>, accounts);
        QFETCH(int, preselect);
        QFETCH(QList<int>, input);
        QFETCH(QList<int>, answer);
        Rig rig(accounts, preselect);
        QVERIFY(rig.active);
        QList<int> got;
        QObject::connect(&rig.login, &TLogin::sg_request, &rig.login, [&](int code, int user) {
            QVERIFY(!rig.login.isVisible());
            got << code << user;
        });
        for (int k : input) {
            if (k == Emptied) {
                vkeytest::key(&rig.login, Qt::Key_Escape);
                memset(rig.users->user[rig.login.user()].id, 0, 16);
                livetest::popup(&rig.login);
            } else {
                k >= Click && k <= Ok ? rig.click(k - Click) : vkeytest::key(&rig.login, k);
            }
        }
        QTEST(rig.login.user(), "user");
        QCOMPARE(TLogin::userName(6), QString(accounts.contains(6) ? "abcdefghijklmnop" : ""));
        const bool stays = answer == QList<int>{-1};
        QCOMPARE(rig.login.isVisible(), stays);
        QCOMPARE(got, stays ? QList<int>{} : answer);
        if (QTest::currentDataTag() == QByteArray("up, gaps"))
            QVERIFY(rig.login.grab().save(vkeytest::grabPath(QStringLiteral("login.png"))));
    }

    // The chosen account's name stands in the name colour inside the
    // framed field.
    void nameField_data()
    {
        QTest::addColumn<int>("user");
        QTest::newRow("short name") << 3;
        QTest::newRow("full sixteen bytes") << 6;
    }
    void nameField()
    {
        QFETCH(int, user);
        Rig rig({0, 3, 6}, user);
        QVERIFY(rig.active);
        const QImage img = rig.login.grab().toImage().convertToFormat(QImage::Format_RGB32);
        img.save(vkeytest::grabPath(QStringLiteral("login-%1.png").arg(user)));
        const QRect field(g_res->scale(82), g_res->scale(54), g_res->scale(155), g_res->scale(19));
        const QRgb name = g_res->getColor(17).rgb(), fill = g_res->getColor(33).rgb(), frame = g_res->getColor(35).rgb();
        QVERIFY(name != frame && name != fill && fill != frame);
        QCOMPARE(img.pixel(field.topLeft()), frame);
        QCOMPARE(img.pixel(field.bottomRight()), frame);
        QCOMPARE(img.pixel(field.topLeft() + QPoint(2, 2)), fill);
        int inName = 0, outside = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == name && y > g_res->getValue(150)) // below the title
                    ++(field.adjusted(1, 1, -1, -1).contains(x, y) ? inName : outside);
        QVERIFY2(inName > 5, qPrintable(QString::number(inName)));
        QCOMPARE(outside, 0);
    }
};

QTEST_MAIN(TLoginTest)
#include "tlogintest.moc"
