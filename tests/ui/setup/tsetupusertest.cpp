// The user page offscreen in the frame: the password prompts (stored,
// master, a failed master read), a mismatch, a duplicate ID, a freed slot,
// the rights, the user row for the unit's users.
#include "setuptestenv.h"
#include "dal_test.h"
#include "tedit.h"
#include "tsetupuser.h"
#include "tsetupusercam.h"
#include "tbutton.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

struct UserFrame : Frame
{
    UserFrame()
    {
        auto* u = rec();
        qstrncpy(u->user[0].pw, "1111", sizeof u->user[0].pw);
        qstrncpy(u->user[1].id, "guard", sizeof u->user[1].id);
        qstrncpy(u->user[1].pw, "2222", sizeof u->user[1].pw);
        u->user[1].search = 1;
        qstrncpy(u->user[2].id, "night", sizeof u->user[2].id);
        show(Btn_System);
        QTest::mouseClick(w->button(Btn_System_User), Qt::LeftButton);
        QCoreApplication::processEvents();
        page = static_cast<TSetupUser*>(w->page(Btn_System_User));
    }
    PropUser* rec() const { return static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, 0)); }
    void click(int row)
    {
        QTest::mouseClick(page->control(row), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Types a text on the shown keyboard and presses OK (or Cancel for "\x1b").
    void type(const QString& text)
    {
        QVERIFY(vk->isVisible());
        if (text == "\x1b") {
            QTest::mouseClick(vk->cancelButton(), Qt::LeftButton);
        } else {
            vk->setText(text);
            QTest::mouseClick(vk->okButton(), Qt::LeftButton);
        }
        QCoreApplication::processEvents();
    }
    TSetupUser* page = nullptr;
};

} // namespace

class TSetupUserTest : public QObject
{
    Q_OBJECT
private slots:
    void password_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("masterFails");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("warning");
        const QString no = "The password was not correctly confirmed";
        const QString long1 = QString(14, 'p') + QString::fromUtf8("\xea\xb0\x80");
        QTest::newRow("admin: the stored password") << 0 << QStringList{"1111", "abc", "abc"} << false << "abc" << "";
        QTest::newRow("admin: the master password") << 0 << QStringList{"0000", "abc", "abc"} << false << "abc" << "";
        QTest::newRow("admin: a wrong old one") << 0 << QStringList{"9999"} << false << "1111" << no;
        QTest::newRow("admin: master read fails, empty old")
            << 0 << QStringList{""} << true << "1111" << no;
        QTest::newRow("user: no old password asked") << 1 << QStringList{"new", "new"} << false << "new" << "";
        QTest::newRow("user: a mismatch") << 1 << QStringList{"new", "neW"} << false << "2222" << no;
        QTest::newRow("user: empty accepted") << 1 << QStringList{"", ""} << false << "" << "";
        QTest::newRow("user: long cut at a whole character, twice alike")
            << 1 << QStringList{long1, long1} << false << QString(14, 'p') << "";
        QTest::newRow("user: Cancel stores nothing") << 1 << QStringList{"new", "\x1b"} << false << "2222" << "";
    }
    void password()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, typed);
        QFETCH(bool, masterFails);
        QFETCH(QString, stored);
        QFETCH(QString, warning);
        UserFrame f;
        if (masterFails)
            dalTestFail("DalGetMasterPwd", -1);
        f.click(TSetupUser::RowUser0 + slot);
        QCOMPARE(f.page->selected(), slot);
        f.click(TSetupUser::RowPassword);
        for (const QString& t : typed)
            f.type(t);
        QCOMPARE(QString::fromUtf8(f.rec()->user[slot].pw), stored);
        QCOMPARE(f.msg->isVisible(), !warning.isEmpty());
        if (!warning.isEmpty())
            QCOMPARE(f.msg->text(), warning);
        QVERIFY(!f.vk->isVisible());
    }

    // The ID: a duplicate is refused and no longer shown; a cleared slot
    // loses its password and rights and takes every camera again.
    void ids_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("pw");
        QTest::addColumn<bool>("warned");
        QTest::newRow("a new ID") << "day" << "day" << "day" << "2222" << false;
        QTest::newRow("a duplicate") << "night" << "guard" << "guard" << "2222" << true;
        QTest::newRow("cleared: the slot freed") << "" << "" << "" << "" << false;
        QTest::newRow("a new ID, the field clicked") << "day@" << "day" << "day" << "2222" << false;
    }
    void ids()
    {
        QFETCH(QString, typed);
        QFETCH(QString, id);
        QFETCH(QString, shown);
        QFETCH(QString, pw);
        QFETCH(bool, warned);
        UserFrame f;
        f.rec()->user[1].camlocal[3] = 0;
        f.click(TSetupUser::RowUser0 + 1);
        if (typed.endsWith('@')) {
            // The mouse on the field opens the keyboard too.
            typed.chop(1);
            f.click(TSetupUser::RowIdField);
        } else {
            f.key(Qt::Key_Down);
            QVERIFY(f.page->control(TSetupUser::RowIdField)->hasFocus());
            f.key(Qt::Key_Enter);
        }
        f.type(typed);
        const UserAccount& u = f.rec()->user[1];
        QCOMPARE(QString::fromUtf8(u.id), id);
        QCOMPARE(static_cast<TEdit*>(f.page->control(TSetupUser::RowIdField))->text(), shown);
        QCOMPARE(QString::fromUtf8(u.pw), pw);
        QCOMPARE(f.msg->isVisible(), warned);
        const bool freed = id.isEmpty();
        QCOMPARE(int(u.search), freed ? 0 : 1);
        QCOMPARE(int(u.camlocal[3]), freed ? 1 : 0);
        QCOMPARE(f.page->control(TSetupUser::RowPassword)->isEnabled(), !freed);
        QCOMPARE(f.page->control(TSetupUser::RowSearch)->isEnabled(), !freed);
        f.w->grab().save(vkeytest::grabPath(QString("setup-user-%1.png").arg(QTest::currentDataTag()).replace(' ', '-').remove(':')));
    }

    // Rights toggle on a taken slot only; admin's stay and its ID is fixed.
    void rights()
    {
        UserFrame f;
        f.click(TSetupUser::RowUser0 + 2);
        f.click(TSetupUser::RowPtz);
        QCOMPARE(int(f.rec()->user[2].ptz), 1);
        f.click(TSetupUser::RowPtz);
        QCOMPARE(int(f.rec()->user[2].ptz), 0);
        f.click(TSetupUser::RowUser0);
        QVERIFY(!f.page->control(TSetupUser::RowIdField)->isEnabled());
        QVERIFY(!f.page->control(TSetupUser::RowPtz)->isEnabled());
        QVERIFY(!f.page->control(TSetupUser::RowCamera)->isVisible());
    }

    // The camera window of user 1: clicks on its boxes, then how it closes.
    // Only OK keeps them; CANCEL, Escape, the page or the frame going undo.
    void cameras_data()
    {
        QTest::addColumn<QVector<int>>("clicks");
        QTest::addColumn<QString>("close"); // ok, cancel, esc, page, frame
        QTest::addColumn<int>("local");     // camlocal flags set, of 20
        QTest::addColumn<int>("net");
        QTest::newRow("OK keeps") << QVector<int>{0, 1, 22} << "ok" << 18 << 19;
        QTest::newRow("CANCEL undoes") << QVector<int>{0, 1, 22} << "cancel" << 20 << 20;
        QTest::newRow("All on, then off: 20 flags") << QVector<int>{int(TSetupUserCam::LOCAL_ALL), int(TSetupUserCam::LOCAL_ALL)} << "ok" << 0 << 20;
        QTest::newRow("All on after one off") << QVector<int>{21, int(TSetupUserCam::NET_ALL)} << "ok" << 20 << 20;
        QTest::newRow("All, then CANCEL") << QVector<int>{int(TSetupUserCam::NET_ALL)} << "cancel" << 20 << 20;
        QTest::newRow("Escape undoes") << QVector<int>{0} << "esc" << 20 << 20;
        QTest::newRow("the page hiding undoes") << QVector<int>{0} << "page" << 20 << 20;
        QTest::newRow("the frame hiding undoes") << QVector<int>{0} << "frame" << 20 << 20;
        // A remote setup replaced the edit copy (user 1 without cameras),
        // then the menu closed: the remote's settings stay.
        QTest::newRow("closed for a remote setup") << QVector<int>{0} << "remote" << 0 << 0;
    }
    void cameras()
    {
        QFETCH(QVector<int>, clicks);
        QFETCH(QString, close);
        QFETCH(int, local);
        QFETCH(int, net);
        UserFrame f;
        UserAccount& u = f.rec()->user[1];
        std::memset(u.camlocal, 1, sizeof u.camlocal);
        std::memset(u.camnet, 1, sizeof u.camnet);
        f.click(TSetupUser::RowUser0 + 1);
        f.click(TSetupUser::RowCamera);
        TSetupUserCam* cam = f.page->camWnd();
        QVERIFY(cam->isVisible());
        QCOMPARE(cam->user(), 1);
        for (int id : clicks) {
            QTest::mouseClick(cam->button(id), Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        if (close == "ok")
            cam->grab().save(vkeytest::grabPath("setup-usercam.png"));
        if (close == "ok")
            QTest::mouseClick(cam->button(TSetupUserCam::OK), Qt::LeftButton);
        else if (close == "cancel")
            QTest::mouseClick(cam->button(TSetupUserCam::CANCEL), Qt::LeftButton);
        else if (close == "esc")
            f.key(Qt::Key_Escape);
        else if (close == "page")
            f.w->sl_btnclicked(Btn_System_Slog, 0);
        if (close == "remote") {
            std::memset(u.camlocal, 0, sizeof u.camlocal);
            std::memset(u.camnet, 0, sizeof u.camnet);
        }
        if (close == "frame" || close == "remote")
            f.w->hide();
        QCoreApplication::processEvents();
        QVERIFY(!cam->isVisible());
        int l = 0;
        int n = 0;
        for (int c = 0; c < 20; ++c) {
            l += u.camlocal[c];
            n += u.camnet[c];
        }
        QCOMPARE(l, local);
        QCOMPARE(n, net);
    }

    // The user row: as many buttons as the unit has users, 1..8.
    void userRow_data()
    {
        QTest::addColumn<int>("users");
        QTest::addColumn<int>("shown");
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("12 bounded") << 12 << 8;
        QTest::newRow("0 bounded") << 0 << 1;
    }
    void userRow()
    {
        QFETCH(int, users);
        QFETCH(int, shown);
        TDvrFixture fx;
        static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0))->users = users;
        QCOMPARE(TSetupUser::users(), shown);
    }
};

QTEST_MAIN(TSetupUserTest)
#include "tsetupusertest.moc"
