// The search options dialog on the edit copy of the search options: what it
// shows, what each control writes, its answers, its focus walk and its
// layout, by keys and mouse.
#include "../base/vkeytestenv.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "treshooks.h"
#include "tsearchopt.h"
#include "ttestroot.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QtTest>

namespace {

int s_videos = 16;
int videos(int)
{
    return s_videos;
}

struct Rig
{
    explicit Rig(int channels = 16, double scale = 1.0)
    {
        s_videos = channels;
        g_resHooks.videos = videos;
        g_res->setScale(scale);
        PropDevices dev = {};
        dev.videos = channels;
        PropDefault def;
        TDefault::setDefaults(&def);
        g_cfg = cfg = new TConfig(QStringLiteral("/dvr/T.conf"), &dev, &def);
        dlg = new TSearchOpt(nullptr, 20, g_res->getSize(125));
        dlg->init(0);
    }
    ~Rig()
    {
        delete dlg;
        delete g_cfg;
        g_cfg = nullptr;
        g_res->setScale(1.0);
        g_resHooks.videos = nullptr;
    }
    PropSearchopt& opt(int live) { return *static_cast<PropSearchopt*>(cfg->getsection(IDX_PROP_SEARCHOPT, live)); }
    bool open()
    {
        dlg->move(100, 100);
        dlg->show();
        QApplication::setActiveWindow(dlg);
        return QTest::qWaitForWindowActive(dlg);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }

    TTestRoot root;
    TConfig* cfg = nullptr;
    TSearchOpt* dlg = nullptr;
};

// The field a row's control writes.
int field(const PropSearchopt& o, int row)
{
    const int32_t v[TSearchOpt::ROWS] = {o.Mode, o.Type, o.Channel, o.Interval, o.pos, o.deinterlace,
                                         o.Visible, o.Range, o.DateOverlap};
    return v[row];
}

// A record by rows: mode, event, channel, interval, POS box, de-interlace
// box, channels, range, overlap.
PropSearchopt byRows(const QList<int>& v)
{
    PropSearchopt o = {};
    o.Mode = v[0];
    o.Type = v[1];
    o.Channel = v[2];
    o.Interval = v[3];
    o.pos = v[4];
    o.deinterlace = v[5];
    o.Visible = v[6];
    o.Range = v[7];
    o.DateOverlap = v[8];
    return o;
}

} // namespace

class TSearchOptTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
        TConfig::setTextHook([](int id) { return g_str->text(id); });
    }

    // Showing puts the edit copy into every control, whatever was chosen on
    // the previous opening; the mode choice has the focus.
    void shows()
    {
        Rig rig;
        PropSearchopt& e = rig.opt(0);
        e = byRows({2, 3, 5, 4, 1, 0, 1, 1, 0});
        QVERIFY(rig.open());
        QCOMPARE(rig.dlg->combo(TSearchOpt::CB_CHANNEL)->currentText(), QStringLiteral("5"));
        QList<int> shown;
        for (int c = 0; c < TSearchOpt::CB_COUNT; ++c)
            shown << rig.dlg->combo(c)->currentIndex();
        QCOMPARE(shown, (QList<int>{2, 3, 5, 4, 1, 1, 0}));
        QVERIFY(!rig.dlg->button(TSearchOpt::BTN_DEINT)->isChecked());
        QVERIFY(rig.dlg->button(TSearchOpt::BTN_POS)->isChecked());
        QCOMPARE(rig.focus(), static_cast<QWidget*>(rig.dlg->combo(TSearchOpt::CB_MODE)));
        rig.dlg->hideWnd();
        // Reset elsewhere: the next opening shows the reset values.
        e = byRows({0, 0, 0, 0, 0, 1, 0, 0, 1});
        QVERIFY(rig.open());
        QCOMPARE(rig.dlg->combo(TSearchOpt::CB_RANGE)->currentIndex(), 0);
        QCOMPARE(rig.dlg->combo(TSearchOpt::CB_OVERLAP)->currentIndex(), 1);
        QVERIFY(rig.dlg->button(TSearchOpt::BTN_DEINT)->isChecked());
        QVERIFY(!rig.dlg->button(TSearchOpt::BTN_POS)->isChecked());
        QVERIFY(rig.dlg->grab().save(vkeytest::grabPath(QStringLiteral("searchopt.png"))));
    }

    // Each row's control, reached with the jog ring and worked with Enter
    // (a combo: one item down), writes its own field of the edit copy and
    // no other; the live copy stays.
    void writes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::newRow("mode") << 0 << 1;
        QTest::newRow("event") << 1 << 1;
        QTest::newRow("channel") << 2 << 1;
        QTest::newRow("interval") << 3 << 1;
        QTest::newRow("pos box") << 4 << 1;
        QTest::newRow("deinterlace box") << 5 << 0;
        QTest::newRow("channels") << 6 << 1;
        QTest::newRow("range") << 7 << 1;
        QTest::newRow("overlap") << 8 << 1;
    }
    void writes()
    {
        QFETCH(int, row);
        QFETCH(int, value);
        Rig rig;
        rig.opt(0) = byRows({0, 0, 0, 0, 0, 1, 0, 0, 0});
        const PropSearchopt before = rig.opt(0);
        const PropSearchopt live = rig.opt(1);
        QVERIFY(rig.open());
        for (int i = 0; i < row; ++i)
            vkeytest::key(rig.dlg, KEY_JOG_RIGHT);
        QCOMPARE(rig.focus(), rig.dlg->rowCtrl(row));
        vkeytest::key(rig.dlg, Qt::Key_Enter);
        if (auto* c = qobject_cast<TCombo*>(rig.dlg->rowCtrl(row))) {
            QTRY_VERIFY(c->view()->isVisible());
            vkeytest::key(rig.dlg, Qt::Key_Down);
            vkeytest::key(rig.dlg, Qt::Key_Enter);
            QTRY_VERIFY(!c->view()->isVisible());
        }
        QTRY_COMPARE(field(rig.opt(0), row), value);
        for (int r = 0; r < TSearchOpt::ROWS; ++r)
            if (r != row)
                QCOMPARE(field(rig.opt(0), r), field(before, r));
        QCOMPARE(field(rig.opt(1), row), field(live, row));
        QVERIFY(rig.dlg->isVisible());
    }

    // OK answers 2, CANCEL and Escape another code (the search window then
    // puts the edit copy back); every answer closes the dialog.
    void answers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK clicked") << "ok" << 2;
        QTest::newRow("OK by Enter") << "enter" << 2;
        QTest::newRow("CANCEL clicked") << "cancel" << 3;
        QTest::newRow("Escape") << "escape" << 3;
    }
    void answers()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        Rig rig;
        QVERIFY(rig.open());
        QSignalSpy spy(rig.dlg, &TSearchOpt::sg_request);
        if (how == "ok")
            QTest::mouseClick(rig.dlg->button(TSearchOpt::BTN_OK), Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(rig.dlg->button(TSearchOpt::BTN_CANCEL), Qt::LeftButton);
        else if (how == "escape")
            vkeytest::key(rig.dlg, Qt::Key_Escape);
        else {
            vkeytest::key(rig.dlg, Qt::Key_Up); // mode -> OK
            vkeytest::key(rig.dlg, Qt::Key_Enter);
        }
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), answer);
        QVERIFY(!rig.dlg->isVisible());
    }

    // The arrows follow the links: the side keys leave a row where it is
    // and swap OK and CANCEL; the ends of the column lead to OK.
    void focusLinks_data()
    {
        QTest::addColumn<int>("from");  // row, 9 OK, 10 CANCEL
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("to");
        QTest::newRow("left on a box") << 4 << "L" << 4;
        QTest::newRow("right on a box") << 5 << "R" << 5;
        QTest::newRow("right on a choice") << 2 << "R" << 2;
        QTest::newRow("right on OK") << 9 << "R" << 10;
        QTest::newRow("left on CANCEL") << 10 << "L" << 9;
        QTest::newRow("down from overlap") << 8 << "D" << 9;
        QTest::newRow("up from mode") << 0 << "U" << 9;
        QTest::newRow("down from CANCEL") << 10 << "D" << 0;
        QTest::newRow("up from OK") << 9 << "U" << 8;
        QTest::newRow("down the column") << 3 << "DD" << 5;
        QTest::newRow("jog back from mode") << 0 << "<" << 10;
    }
    void focusLinks()
    {
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(int, to);
        Rig rig;
        QVERIFY(rig.open());
        auto ctrl = [&rig](int n) -> QWidget* {
            return n < TSearchOpt::ROWS ? rig.dlg->rowCtrl(n) : rig.dlg->button(n == 9 ? TSearchOpt::BTN_OK
                                                                                       : TSearchOpt::BTN_CANCEL);
        };
        ctrl(from)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(rig.focus(), ctrl(from));
        vkeytest::keys(rig.dlg, keys);
        QCOMPARE(rig.focus(), ctrl(to));
    }

    // No two controls overlap, no caption runs under a control, and all
    // stay inside the dialog, at two scales and with either check-box
    // height; the pair stays centred with a button's width between.
    void geometry_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("scale");
        QTest::newRow("16 at 1.0") << 16 << 1.0;
        QTest::newRow("32 at 1.0") << 32 << 1.0;
        QTest::newRow("16 at 1.5") << 16 << 1.5;
        QTest::newRow("32 at 1.5") << 32 << 1.5;
    }
    void geometry()
    {
        QFETCH(int, channels);
        QFETCH(double, scale);
        Rig rig(channels, scale);
        QVERIFY(rig.open());
        QList<QRect> ctrls;
        for (int r = 0; r < TSearchOpt::ROWS; ++r)
            ctrls << rig.dlg->rowCtrl(r)->geometry();
        const QRect ok = rig.dlg->button(TSearchOpt::BTN_OK)->geometry();
        const QRect cancel = rig.dlg->button(TSearchOpt::BTN_CANCEL)->geometry();
        ctrls << ok << cancel;
        QCOMPARE(rig.dlg->rowCtrl(4)->height(), g_res->scale(channels > 31 ? 14 : 16));
        for (int i = 0; i < ctrls.size(); ++i) {
            QVERIFY2(rig.dlg->rect().contains(ctrls[i]), qPrintable(QString::number(i)));
            for (int j = i + 1; j < ctrls.size(); ++j)
                QVERIFY2(!ctrls[i].intersects(ctrls[j]), qPrintable(QString("%1 and %2").arg(i).arg(j)));
            for (int r = 0; r < TSearchOpt::ROWS; ++r)
                QVERIFY(!rig.dlg->captionRect(r).intersects(ctrls[i]));
        }
        for (int r = 1; r < TSearchOpt::ROWS; ++r)
            QVERIFY(ctrls[r].top() > ctrls[r - 1].top());
        QCOMPARE(cancel.left() - ok.right() - 1, ok.width());
        QVERIFY(qAbs(ok.left() - (rig.dlg->width() - cancel.right() - 1)) <= 1);
        if (channels == 32 && scale > 1.0)
            QVERIFY(rig.dlg->grab().save(vkeytest::grabPath(QStringLiteral("searchopt-32-1.5.png"))));
    }
};

QTEST_MAIN(TSearchOptTest)
#include "tsearchopttest.moc"
