// The alarm control window on the stand-in: its rows for the unit's relays,
// the outputs it switches (seen in the stand-in's journal and state), the
// state it shows, its keys. The main window's side is played here.
#include "livetestenv.h"
#include "talarmctrlwnd.h"
#include "tbutton.h"
#include "wndid.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

class Rig
{
public:
    explicit Rig(int alarmouts)
    {
        livetest::installResHooks();
        fx.live<PropDevices>(IDX_PROP_DEVICES)->alarmouts = alarmouts;
        static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0))->alarmouts = alarmouts;
        wnd = new TAlarmCtrlWnd(nullptr, ID_WND_ALARMCTRL, g_res->getSize(13));
        wnd->hide();
        // The main window's answer to the window's request.
        QObject::connect(wnd, &TAlarmCtrlWnd::sg_request, wnd, [this](int code) {
            if (code == 0) {
                g_api.readIoState();
                wnd->setState(&g_api.m_ioState);
            }
        });
    }
    ~Rig() { delete wnd; }
    void show()
    {
        host.popup(wnd);
        dalTestJournalClear();
    }
    int onRow() const // the row whose "On" is focused, -1 none
    {
        for (int i = 0; i < TAlarmCtrlWnd::BTN_COUNT; ++i)
            if (wnd->button(i)->hasFocus())
                return i == TAlarmCtrlWnd::BTN_CLOSE ? 99 : i % 2 ? -2 - i / 2 : i / 2;
        return -1;
    }
    QString journal(int i) const
    {
        char line[128] = {};
        dalTestJournalLine(i, line, sizeof line);
        return QString::fromLatin1(line);
    }
    // Output k on in the stand-in (k = relays: the buzzer).
    QVector<bool> outputs() const
    {
        DalTestState st;
        dalTestGetState(&st);
        QVector<bool> out;
        for (int k = 0; k < wnd->relayRows(); ++k)
            out << ((st.alarm >> k & 1u) != 0);
        out << (st.buzzer != 0);
        return out;
    }

    TDvrFixture fx;
    livetest::Host host;
    TAlarmCtrlWnd* wnd = nullptr;
};

} // namespace

class TAlarmCtrlWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // One row per relay up to the 22 the window has buttons for, then the
    // buzzer; every row stays inside the window and above the close button.
    void rowsClamped_data()
    {
        QTest::addColumn<int>("alarmouts");
        QTest::addColumn<int>("relays");
        QTest::newRow("four relays") << 7 << 4;
        QTest::newRow("eight relays") << 11 << 8;
        QTest::newRow("twenty-two relays") << 25 << 22;
        QTest::newRow("more than the buttons") << 40 << 22;
        QTest::newRow("no relay") << 2 << 0;
    }
    void rowsClamped()
    {
        QFETCH(int, alarmouts);
        QFETCH(int, relays);
        Rig rig(alarmouts);
        rig.show();
        QCOMPARE(rig.wnd->relayRows(), relays);
        const QRect close = rig.wnd->button(TAlarmCtrlWnd::BTN_CLOSE)->geometry();
        QRect last;
        for (int i = 0; i < TAlarmCtrlWnd::BTN_CLOSE; ++i) {
            const TButton* b = rig.wnd->button(i);
            QCOMPARE(b->isVisible(), i / 2 <= relays);
            if (!b->isVisible())
                continue;
            QVERIFY(rig.wnd->rect().contains(b->geometry()));
            QVERIFY(b->geometry().bottom() < close.top());
            QVERIFY(!b->geometry().intersects(last));
            last = b->geometry();
        }
        // The last shown row is the buzzer's.
        QTest::mouseClick(rig.wnd->button(2 * relays), Qt::LeftButton);
        QCOMPARE(rig.journal(dalTestJournalCount() - 1), QStringLiteral("DalIoRunBuzzer(1)"));
    }

    // Clicks switch the outputs at once; exactly one of a row's two buttons
    // stays checked.
    void switches_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<QVector<bool>>("outputs"); // relays 0..3, buzzer
        QTest::newRow("relay 2 on") << QList<int>{4} << QStringList{"DalIoRunAlarm(0x00000004,0x00000004)"}
                                    << QVector<bool>{0, 0, 1, 0, 0};
        QTest::newRow("on twice sends twice") << QList<int>{0, 0}
            << QStringList{"DalIoRunAlarm(0x00000001,0x00000001)", "DalIoRunAlarm(0x00000001,0x00000001)"}
            << QVector<bool>{1, 0, 0, 0, 0};
        QTest::newRow("relay 3 on and off") << QList<int>{6, 7}
            << QStringList{"DalIoRunAlarm(0x00000008,0x00000008)", "DalIoRunAlarm(0x00000008,0x00000000)"}
            << QVector<bool>{0, 0, 0, 0, 0};
        QTest::newRow("buzzer on") << QList<int>{8} << QStringList{"DalIoRunBuzzer(1)"}
                                   << QVector<bool>{0, 0, 0, 0, 1};
    }
    void switches()
    {
        QFETCH(QList<int>, clicks);
        Rig rig(7);
        rig.show();
        for (int id : clicks)
            QTest::mouseClick(rig.wnd->button(id), Qt::LeftButton);
        QStringList lines;
        for (int i = 0; i < dalTestJournalCount(); ++i)
            lines << rig.journal(i);
        QTEST(lines, "journal");
        QTEST(rig.outputs(), "outputs");
        for (int p = 0; p <= 4; ++p) {
            QCOMPARE(rig.wnd->button(2 * p)->isChecked(), rig.outputs()[p]);
            QCOMPARE(rig.wnd->button(2 * p + 1)->isChecked(), !rig.outputs()[p]);
        }
    }

    // Each show reloads the outputs' state from the device.
    void showsTheDeviceState()
    {
        Rig rig(7);
        g_api.runAlarm(0, 1);
        g_api.runAlarm(2, 1);
        g_api.runBuzzeron(1);
        rig.show();
        QVector<bool> on;
        for (int p = 0; p <= 4; ++p)
            on << rig.wnd->button(2 * p)->isChecked();
        QCOMPARE(on, QVector<bool>({1, 0, 1, 0, 1}));
        vkeytest::key(rig.wnd, Qt::Key_Escape);
        QVERIFY(!rig.wnd->isVisible());
        g_api.runBuzzeron(0);
        rig.show();
        QVERIFY(rig.wnd->button(9)->isChecked());
        QVERIFY(!rig.wnd->button(8)->isChecked());
    }

    // The keys walk the shown rows and press the focused button.
    void keys_data()
    {
        QTest::addColumn<QString>("walk");
        QTest::addColumn<int>("row"); // "On" of that row; -2 - r "Off"; 99 close
        QTest::newRow("close first") << "" << 99;
        QTest::newRow("down to the first row") << "D" << 0;
        QTest::newRow("up past hidden rows to the buzzer") << "U" << 4;
        QTest::newRow("down from the buzzer to close") << "UD" << 99;
        QTest::newRow("right to Off") << "DDR" << -3;
        QTest::newRow("left wraps to On") << "DDRL" << 1;
        QTest::newRow("up from the first row to close") << "DU" << 99;
        QTest::newRow("jog forward") << ">" << 0;
        QTest::newRow("jog back past the hidden rows") << "<" << -6;
    }
    void keys()
    {
        QFETCH(QString, walk);
        QFETCH(int, row);
        Rig rig(7);
        QVERIFY(rig.host.active);
        rig.show();
        vkeytest::keys(rig.wnd, walk);
        QCOMPARE(rig.onRow(), row);
        if (row >= 0 && row < 99) {
            vkeytest::key(rig.wnd, Qt::Key_Enter);
            QTRY_VERIFY(dalTestJournalCount() > 0);
            QCOMPARE(rig.outputs()[row], true);
        }
    }

    void enterWithoutFocusDoesNothing()
    {
        Rig rig(7);
        rig.show();
        rig.wnd->button(TAlarmCtrlWnd::BTN_CLOSE)->clearFocus();
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        QCoreApplication::processEvents();
        QVERIFY(rig.wnd->isVisible());
        QCOMPARE(dalTestJournalCount(), 0);
        vkeytest::key(rig.wnd, Qt::Key_Escape);
        QVERIFY(!rig.wnd->isVisible());
    }

    void grab()
    {
        for (int outs : {7, 25}) {
            Rig rig(outs);
            PropAlarm* alarm = static_cast<PropAlarm*>(rig.fx.cfg->getsection(IDX_PROP_ALARM, 0));
            for (int k = 0; k < outs - 3; ++k)
                qsnprintf(alarm->out[k].name, sizeof alarm->out[k].name, "Alarm %d", k + 1);
            qstrncpy(alarm->out[1].name, "Back door siren and strobe light", sizeof alarm->out[1].name);
            g_api.runAlarm(1, 1);
            rig.show();
            QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("alarmctrl-%1.png").arg(outs - 3))));
        }
    }
};

QTEST_MAIN(TAlarmCtrlWndTest)
#include "talarmctrlwndtest.moc"
