// The alarm control window on the stand-in, the main window's side played here.
#include "livetestenv.h"
#include "talarmctrlwnd.h"
#include "tbutton.h"
#include "treshooks.h"
#include "wndid.h"

#include <QtTest>

namespace {

// Inputs of a row: Click + a button id is a mouse click, anything else a key.
enum { Click = 0x10000 };

struct Rig
{
    explicit Rig(int alarmouts)
    {
        // The window's height follows the unit's output count.
        g_resHooks.alarmouts = [](int live) { return static_cast<PropDevices*>(g_cfg->getsection(0, live))->alarmouts; };
        fx.live<PropDevices>(IDX_PROP_DEVICES)->alarmouts = alarmouts;
        PropAlarm* alarm = static_cast<PropAlarm*>(fx.cfg->getsection(IDX_PROP_ALARM, 0));
        for (int k = 0; k < alarmouts - 3 && k < 22; ++k) // as the unit's configuration names them
            qstrncpy(alarm->out[k].name, k == 1 ? QByteArray("Back door siren and strobe light")
                                                : "Alarm " + QByteArray::number(k + 1), 32);
        wnd = new TAlarmCtrlWnd(nullptr, ID_WND_ALARMCTRL, g_res->getSize(13));
        QObject::connect(wnd, &TAlarmCtrlWnd::sg_request, wnd, [this] {
            g_api.readIoState();
            wnd->setState(&g_api.m_ioState);
        });
    }
    ~Rig() { delete wnd; }
    bool show() { return livetest::popup(wnd) && (dalTestJournalClear(), true); }
    QStringList journal() const
    {
        QStringList out;
        char line[128];
        for (int i = 0; i < dalTestJournalCount() && dalTestJournalLine(i, line, sizeof line) >= 0; ++i)
            out << QString::fromLatin1(line);
        return out;
    }
    // Relays 0..3 and the buzzer ("1" on) in the stand-in, and as checked.
    QStringList outputs() const
    {
        DalTestState st;
        dalTestGetState(&st);
        QString device, checked;
        for (int k = 0; k <= 4; ++k) {
            device += (k < 4 ? st.alarm >> k & 1u : st.buzzer != 0) ? '1' : '0';
            const bool on = wnd->button(2 * k)->isChecked(), off = wnd->button(2 * k + 1)->isChecked();
            checked += on != off ? (on ? '1' : '0') : '?'; // exactly one of the two checked
        }
        return {device, checked};
    }

    TDvrFixture fx;
    TAlarmCtrlWnd* wnd;
};

} // namespace

class TAlarmCtrlWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // A row per relay up to the 20 the facade switches, then the buzzer's;
    // every row inside the window, above the close button; the last
    // relay's "On" switches it on the device.
    void rowsClamped_data()
    {
        QTest::addColumn<int>("alarmouts");
        QTest::addColumn<int>("relays");
        QTest::newRow("four relays") << 7 << 4;
        QTest::newRow("twenty relays") << 23 << 20;
        QTest::newRow("twenty-two relays: twenty switched") << 25 << 20;
        QTest::newRow("more than the table") << 40 << 20;
        QTest::newRow("no relay") << 2 << 0;
    }
    void rowsClamped()
    {
        QFETCH(int, alarmouts);
        QFETCH(int, relays);
        Rig rig(alarmouts);
        g_api.runAlarm(1, 1);
        rig.show();
        QCOMPARE(rig.wnd->relayRows(), relays);
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("alarmctrl-%1.png").arg(alarmouts))));
        const QRect close = rig.wnd->button(TAlarmCtrlWnd::BTN_CLOSE)->geometry();
        QRect last;
        for (int i = 0; i < TAlarmCtrlWnd::BTN_CLOSE; ++i) {
            const TButton* b = rig.wnd->button(i);
            QCOMPARE(b->isVisible(), i / 2 <= relays);
            if (b->isVisible()) {
                const QRect r = b->geometry();
                QVERIFY(rig.wnd->rect().contains(r) && r.bottom() < close.top() && !r.intersects(last));
                last = r;
            }
        }
        QTest::mouseClick(rig.wnd->button(2 * relays), Qt::LeftButton);
        QCOMPARE(rig.journal(), QStringList{"DalIoRunBuzzer(1)"});
        if (relays > 0) {
            QTest::mouseClick(rig.wnd->button(2 * (relays - 1)), Qt::LeftButton);
            const uint bit = 1u << (relays - 1);
            QCOMPARE(rig.journal().value(1), QString::asprintf("DalIoRunAlarm(0x%08x,0x%08x)", bit, bit));
        }
    }

    // Clicks and Enter switch the outputs at once; the arrows walk the shown
    // rows (hidden ones passed over); each show reads the device's state.
    void switches_data()
    {
        using L = QList<int>;
        using S = QStringList;
        QTest::addColumn<QString>("before"); // outputs on before the show: 0..3 relays, b buzzer
        QTest::addColumn<L>("input");
        QTest::addColumn<S>("journal");
        QTest::addColumn<QString>("outputs"); // relays 0..3 and the buzzer after
        const QString on0 = "DalIoRunAlarm(0x00000001,0x00000001)", buzz = "DalIoRunBuzzer(%1)";
        QTest::newRow("state shown") << "02b" << L{} << S{} << "10101";
        QTest::newRow("relay 2 on") << "" << L{Click + 4} << S{"DalIoRunAlarm(0x00000004,0x00000004)"} << "00100";
        QTest::newRow("on twice sends twice") << "0" << L{Click, Click} << S{on0, on0} << "10000";
        QTest::newRow("relay 3 off") << "3" << L{Click + 7} << S{"DalIoRunAlarm(0x00000008,0x00000000)"} << "00000";
        QTest::newRow("down, Enter") << "" << L{Qt::Key_Down, Qt::Key_Enter} << S{on0} << "10000";
        QTest::newRow("up past hidden rows to the buzzer") << "" << L{Qt::Key_Up, Qt::Key_Enter} << S{buzz.arg(1)}
                                                           << "00001";
        QTest::newRow("down, right, up to close: Enter closes")
            << "0" << L{Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Enter} << S{} << "10000";
        QTest::newRow("jog back to the buzzer's Off") << "b" << L{KEY_JOG_LEFT, Qt::Key_Enter} << S{buzz.arg(0)} << "00000";
    }
    void switches()
    {
        QFETCH(QString, before);
        QFETCH(QList<int>, input);
        Rig rig(7);
        for (QChar c : before)
            c == 'b' ? g_api.runBuzzeron(1) : g_api.runAlarm(c.digitValue(), 1);
        QVERIFY(rig.show());
        for (int k : input)
            k / Click == 1 ? QTest::mouseClick(rig.wnd->button(k - Click), Qt::LeftButton) : vkeytest::key(rig.wnd, k);
        QTEST(rig.journal(), "journal");
        QFETCH(QString, outputs);
        QCOMPARE(rig.outputs(), QStringList({outputs, outputs}));
        // Enter on the close button is the one input here that closes.
        QCOMPARE(rig.wnd->isVisible(), !input.endsWith(Qt::Key_Enter) || !rig.journal().isEmpty());
    }
};

QTEST_MAIN(TAlarmCtrlWndTest)
#include "talarmctrlwndtest.moc"
