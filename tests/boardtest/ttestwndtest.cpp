// The factory board-test dialog on the device-layer stand-in: its start-up
// checks, the once-a-second tests, the buttons, the MAC entry, the
// watchdog test and the keys, driven as the operator and the device layer
// drive them, with the dialog's timers run by the test.
#include "../common/dvr/tlivefixture.h"
#include "../ui/base/vkeytestenv.h"
#include "cbt.h"
#include "dvrnotify.h"
#include "dvrtext.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tedit.h"
#include "ttestwnd.h"
#include "tvkeyboard.h"
#include "tpath.h"
#include "tscriptfile.h"

#include <QLabel>
#include <cmath>
#include <QTimer>
#include <sys/stat.h>

namespace {

// The journal lines that contain text, from index from on.
QStringList journal(const char* text, int from = 0)
{
    return TLiveFixture::lines(text, from);
}

// The dialog as the start-up makes it, on a fresh stand-in. With mount 0
// the stand-in never reports the disks, so the automatic tests stay off
// until the test reports them.
struct Rig
{
    explicit Rig(int mount = 1, const char* profile = "16")
        : fx(profile)
    {
        vkeytest::setUpGlobals();
        // The facade's texts as the program installs them.
        setDvrTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        dalTestSetManualTicks(1);
        // The disks report when the test says so.
        dalTestFail("DalEncrMountSd", -1);
        // Today recorded on every channel, for the decoding test. The start
        // moves local time to the recorder's zone, whose today may be the
        // host's yesterday or tomorrow: all three are recorded.
        QByteArray days;
        for (int d = -1; d <= 1; ++d)
            days += "date " + QDate::currentDate().addDays(d).toString(Qt::ISODate).toLatin1() + " " +
                    QByteArray::number(7002 + d) + "\nrec all 00:00-23:59\n";
        dalTestDbDescribe("/data0/data.db6", days.constData());
        // With mount 2 the disks report while the dialog starts: the network
        // start script, run before the device start returns, sends their
        // report and waits until the facade has passed it on.
        QMetaObject::Connection heard;
        if (mount == 2) {
            writeScript(fx.root, "/etc/init.d/networking", "echo 'disk mount' > \"$DVR_ROOT/tmp/dal.ctl\"\n"
                        "while [ ! -e \"$DVR_ROOT/tmp/heard\" ]; do sleep 0.01; done\n");
            heard = QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, [this](int type) {
                if (type == SIG_SD_INFO)
                    fx.root.write(QStringLiteral("/tmp/heard"), QByteArray());
            });
        }
        w = new TTestWnd(nullptr, 0, QSize(496, 456));
        w->move(392, 132);
        char name[] = "dvrui";
        char* argv[] = {name, nullptr};
        w->init(1, argv);
        QObject::disconnect(heard);
        w->show();
        QApplication::setActiveWindow(w);
        dalTestFlush();
        QCoreApplication::processEvents();
        dalTestClearFails();
        if (mount == 1)
            diskInfo();
    }
    ~Rig()
    {
        delete w;
        delete g_vkeyboard;
        g_vkeyboard = nullptr;
    }
    // Runs a pending single-shot timer of the dialog now.
    static bool fire(QTimer* t)
    {
        if (!t || !t->isActive())
            return false;
        t->start(0);
        QElapsedTimer e;
        e.start();
        while (t->isActive() && e.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !t->isActive();
    }
    bool fire(int id) { return fire(w->timer(id)); }
    // The disks' first report, from the stand-in's thread.
    void diskInfo()
    {
        dalTestEnc(CBT_ENC_SD_MOUNT, 0, 1, "");
        dalTestFlush();
        QCoreApplication::processEvents();
    }
    // The device layer's second tick, as the stand-in reports it.
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            dalTestIo(CBT_IO_TIME, 0, 1);
            dalTestFlush();
            QCoreApplication::processEvents();
        }
    }
    void click(int row) { QTest::mouseClick(w->button(row), Qt::LeftButton); }
    // A front-panel key pressed and released, as the test-mode callback
    // reports it.
    void key(int qtKey)
    {
        emit g_api.sg_dvrNotify(SIG_IO_KEY, 1, qtKey, 0, QString(), QString());
        emit g_api.sg_dvrNotify(SIG_IO_KEY, 2, qtKey, 0, QString(), QString());
        QCoreApplication::processEvents();
    }
    QString row(int r) const { return w->rowText(r); }

    TLiveFixture fx;
    TTestWnd* w = nullptr;
};

// A hardware clock whose seconds the test sets in the root's /tmp/rtc.
bool setClock(const TTestRoot& root, int seconds)
{
    return root.write(QStringLiteral("/tmp/rtc"), QByteArray::number(seconds));
}

} // namespace

class TTestWndTest : public QObject
{
    Q_OBJECT
private slots:
    // A second after init every row of the start-up checks is filled, in
    // the order of the checks.
    void startupChecks()
    {
        Rig r;
        QVERIFY(r.w->timer(TTestWnd::T_START)->isActive());
        QCOMPARE(r.w->timer(TTestWnd::T_START)->interval(), 1000);
        QVERIFY(r.row(TTestWnd::R_BACKUP).isEmpty());
        const int from = dalTestJournalCount();
        QVERIFY(r.fire(TTestWnd::T_START));

        QString mac;
        g_api.getEthAddr(mac);
        QVERIFY(!mac.isEmpty());
        QCOMPARE(r.row(TTestWnd::R_MAC), mac);
        QCOMPARE(r.row(TTestWnd::R_CAMERA), QStringLiteral("16 CH"));
        QVERIFY(!r.w->camCombo()->isEnabled());
        QCOMPARE(r.row(TTestWnd::R_FORMAT), QStringLiteral("NTSC"));
        QVERIFY(!r.w->fmtCombo()->isEnabled());
        QCOMPARE(r.row(TTestWnd::R_IP), QString::fromLatin1(g_api.m_eth0Text[0]));
        QCOMPARE(r.row(TTestWnd::R_GATEWAY), QString::fromLatin1(g_api.m_eth0Text[2]));
        QVERIFY(!r.row(TTestWnd::R_IP).isEmpty());
        // The scan answers at once here: its "Please wait" is replaced.
        QTRY_COMPARE(r.row(TTestWnd::R_BACKUP), QStringLiteral("USB(NONE)  ODD(NONE)"));
        QVERIFY2(r.row(TTestWnd::R_HDD).startsWith("OK! (1:Good"), qPrintable(r.row(TTestWnd::R_HDD)));
        QCOMPARE(r.row(TTestWnd::R_SENSOR), QStringLiteral("0000000000000000"));
        QCOMPARE(r.row(TTestWnd::R_AUDIO), QStringLiteral("Off"));

        // The device calls in the order of the checks.
        const char* order[] = {"get-ethaddr", "DalNetGetEth0", "DalBackupScanBd", "DalAoutSet(-1)"};
        int at = from;
        for (const char* call : order) {
            const QStringList lines = journal(call, at);
            QVERIFY2(!lines.isEmpty(), call);
            int i = at;
            char buf[512];
            while (i < dalTestJournalCount() && !(dalTestJournalLine(i, buf, sizeof buf) == 0 && strstr(buf, call)))
                ++i;
            at = i + 1;
        }
    }

    // The relay, RS-485 and LED tests run once a second, and only after the
    // first disk information.
    void automaticTests_data()
    {
        QTest::addColumn<int>("mount");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("relay");
        QTest::addColumn<QString>("led");
        QTest::addColumn<QString>("rs485");
        QTest::addColumn<int>("ledCalls");
        QTest::newRow("no disk information: silent") << 0 << 3 << "" << "" << "" << 0;
        // The RS-485 row reads "TEST" while a frame is out and then the
        // loops' answer, which the stand-in sends from its own thread.
        const QString echoed = QStringLiteral("UART1:1 UART2:1");
        QTest::newRow("first second: relays on, LED on") << 1 << 1 << "1111111111111111" << "ON" << echoed << 1;
        QTest::newRow("second second: relays off, LED off") << 1 << 2 << "0" << "OFF" << echoed << 2;
        QTest::newRow("third second: on again") << 1 << 3 << "1111111111111111" << "ON" << echoed << 3;
        QTest::newRow("disks reported as it starts") << 2 << 1 << "1111111111111111" << "ON" << echoed << 1;
    }
    void automaticTests()
    {
        QFETCH(int, mount);
        QFETCH(int, ticks);
        QFETCH(QString, relay);
        QFETCH(QString, led);
        QFETCH(QString, rs485);
        QFETCH(int, ledCalls);
        Rig r(mount);
        QVERIFY(r.fire(TTestWnd::T_START));
        const int from = dalTestJournalCount();
        r.tick(ticks);
        QVERIFY(r.row(TTestWnd::R_DATETIME).contains(QDate::currentDate().toString("yyyy/MM/dd")));
        QCOMPARE(r.row(TTestWnd::R_RELAY), relay);
        QCOMPARE(r.row(TTestWnd::R_LED), led);
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_RS485), rs485);
        QCOMPARE(journal("DalIoTestLed(", from).size(), ledCalls);
        QCOMPARE(journal("DalPtzCmd(0,2)", from).size(), ledCalls);
        if (!mount) {
            // The disk information starts them.
            r.diskInfo();
            r.tick();
            QCOMPARE(r.row(TTestWnd::R_LED), QStringLiteral("ON"));
        }
        // The serial-port test's answer replaces the RS-485 text.
        const int32_t rec[4] = {0, 5, 0, 7};
        dalTestSerial(CBT_VELOR_TEST, rec);
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_RS485), QStringLiteral("UART1:5 UART2:7"));
    }

    // The clock test compares the hardware clock's seconds three ticks
    // apart; a minute that turned over in between counts. A clock that
    // answers but never ends is ended at its bound, its answer not taken.
    void clockTest_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("hangs");
        QTest::newRow("advancing") << 10 << 13 << "OK" << false;
        QTest::newRow("frozen") << 10 << 10 << "Failed" << false;
        QTest::newRow("one second in three") << 10 << 11 << "Failed" << false;
        QTest::newRow("minute wrap 58 to 01") << 58 << 1 << "OK" << false;
        QTest::newRow("minute wrap 59 to 00") << 59 << 0 << "Failed" << false;
        QTest::newRow("advancing, never ends") << 10 << 13 << "Failed" << true;
    }
    void clockTest()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, result);
        QFETCH(bool, hangs);
        Rig r;
        QVERIFY(writeScript(r.fx.root, "/sbin/hwclock",
                            "echo >> \"$DVR_ROOT/tmp/ran\"\n"
                            "printf 'Tue Dec  7 01:02:%02d 2026  -0.500000 seconds\\n' "
                            "\"$(cat \"$DVR_ROOT/tmp/rtc\")\"\n"
                            "[ ! -e \"$DVR_ROOT/tmp/hang\" ] || exec sleep 30\n"));
        QVERIFY(!hangs || r.fx.root.write(QStringLiteral("/tmp/hang"), QByteArray()));
        QVERIFY(setClock(r.fx.root, start));
        QVERIFY(r.fire(TTestWnd::T_START));
        // Read only with the dialog on the screen, its rows painted first
        // (/tmp/ran: a byte a read).
        const QString ran = r.fx.root.file(QStringLiteral("/tmp/ran"));
        r.w->hide();
        r.tick();
        QVERIFY(!QFile::exists(ran));
        r.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.w));
        struct Spy : QObject
        {
            QString ran;
            bool first = false; // the Date Time row painted before the clock ran
            bool second = false; // painted afresh between its first and second read
            bool eventFilter(QObject* o, QEvent* e) override
            {
                first = first || (e->type() == QEvent::Paint && !QFile::exists(ran));
                second = second || (e->type() == QEvent::Paint && QFileInfo(ran).size() == 1
                                    && static_cast<QLabel*>(o)->text() != QLatin1String("stale"));
                return false;
            }
        } spy;
        spy.ran = ran;
        r.w->result(TTestWnd::R_DATETIME)->installEventFilter(&spy);
        r.tick(); // takes the start
        QVERIFY(spy.first && QFile::exists(ran));
        QVERIFY(setClock(r.fx.root, end));
        r.tick(2);
        QVERIFY(r.row(TTestWnd::R_RTC).isEmpty());
        r.w->result(TTestWnd::R_DATETIME)->setText(QStringLiteral("stale")); // no tick's text
        spy.second = false;
        r.tick(); // the third tick after the start reads the end
        QVERIFY(spy.second && QFileInfo(ran).size() == 2);
        QCOMPARE(r.row(TTestWnd::R_RTC), result);
        if (hangs)
            return;

        // "RTC" starts it again: the next result comes three ticks later.
        QVERIFY(setClock(r.fx.root, 20));
        r.click(TTestWnd::R_RTC);
        r.tick();
        QVERIFY(setClock(r.fx.root, 20));
        r.tick(3);
        QCOMPARE(r.row(TTestWnd::R_RTC), QStringLiteral("Failed"));
    }

    // "Audio" walks the unit's audio outputs and back to off.
    void audio_data()
    {
        QTest::addColumn<int>("presses"); // -1: one more than the unit's outputs
        QTest::addColumn<int>("fail");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("call");
        QTest::newRow("first output") << 1 << 0 << "1 CH" << "DalAoutSet(0)";
        QTest::newRow("second output") << 2 << 0 << "2 CH" << "DalAoutSet(1)";
        QTest::newRow("past the last output: off") << -1 << 0 << "Off" << "DalAoutSet(-1)";
        QTest::newRow("refused") << 1 << 1 << "Failed" << "DalAoutSet(0)";
    }
    void audio()
    {
        QFETCH(int, presses);
        QFETCH(int, fail);
        QFETCH(QString, text);
        QFETCH(QString, call);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        if (fail)
            dalTestFail("DalAoutSet", -1);
        const int audios = r.fx.live<PropDevices>(IDX_PROP_DEVICES)->audios;
        QVERIFY(audios > 1);
        if (presses < 0)
            presses = audios + 1;
        for (int i = 0; i < presses - 1; ++i)
            r.click(TTestWnd::R_AUDIO);
        const int from = dalTestJournalCount();
        r.click(TTestWnd::R_AUDIO);
        QCOMPARE(r.row(TTestWnd::R_AUDIO), text);
        QVERIFY(!journal(call.toLatin1().constData(), from).isEmpty());
    }

    // Encoding, decoding 5 s later, and the stop on a second press; a start
    // the device layer refuses is shown as failed.
    void encoderDecoder_data()
    {
        QTest::addColumn<QString>("failCall");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("afterPress");
        QTest::addColumn<QString>("afterStop");   // after the 10 ms stop; "-" none pending
        QTest::addColumn<QString>("afterDecode"); // after the 5 s timer; "-" none pending
        QTest::newRow("encoding then decoding") << "" << 1 << "Encoding start" << "-" << "Decoding start";
        QTest::newRow("encoder refused") << "DalEncrStart" << 1 << "Encoding failed" << "-" << "-";
        QTest::newRow("decoder refused") << "DalDecStart" << 1 << "Encoding start" << "-" << "Decoding failed";
        QTest::newRow("second press within 5 s")
            << "" << 2 << "Encoding start" << "Decoding Stop" << "Decoding start";
    }
    void encoderDecoder()
    {
        QFETCH(QString, failCall);
        QFETCH(int, presses);
        QFETCH(QString, afterPress);
        QFETCH(QString, afterStop);
        QFETCH(QString, afterDecode);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        if (!failCall.isEmpty())
            dalTestFail(failCall.toLatin1().constData(), -1);
        for (int i = 0; i < presses; ++i)
            r.click(TTestWnd::R_ENCDEC);
        QCOMPARE(r.row(TTestWnd::R_ENCDEC), afterPress);
        QCOMPARE(r.w->timer(TTestWnd::T_DEC)->interval(), 5000);
        QCOMPARE(r.w->timer(TTestWnd::T_STOP)->isActive(), afterStop != "-");
        if (afterStop != "-") {
            QCOMPARE(r.w->timer(TTestWnd::T_STOP)->interval(), 10);
            const int from = dalTestJournalCount();
            QVERIFY(r.fire(TTestWnd::T_STOP));
            QCOMPARE(r.row(TTestWnd::R_ENCDEC), afterStop);
            QVERIFY(!journal("DalDecStop()", from).isEmpty());
            QVERIFY(!journal("DalEncrStop()", from).isEmpty());
        }
        QCOMPARE(r.w->timer(TTestWnd::T_DEC)->isActive(), afterDecode != "-");
        if (afterDecode != "-") {
            const int from = dalTestJournalCount();
            QVERIFY(r.fire(TTestWnd::T_DEC));
            QCOMPARE(r.row(TTestWnd::R_ENCDEC), afterDecode);
            QVERIFY(!journal("DalDecStart(", from).isEmpty());
            // A refused decoder stops the encoder again.
            QCOMPARE(!journal("DalEncrStop()", from).isEmpty(), afterDecode == "Decoding failed");
        }
    }

    // The scan row names what the stand-in's drives hold.
    void scan_data()
    {
        QTest::addColumn<int>("stick");
        QTest::addColumn<int>("disc");
        QTest::addColumn<QString>("text");
        QTest::newRow("a stick") << 1 << 0 << "USB(OK)  ODD(NONE)";
        QTest::newRow("a disc") << 0 << 1 << "USB(NONE)  ODD(OK:4480MB)";
        QTest::newRow("both") << 1 << 1 << "USB(OK)  ODD(OK:4480MB)";
        QTest::newRow("neither") << 0 << 0 << "USB(NONE)  ODD(NONE)";
    }
    void scan()
    {
        QFETCH(int, stick);
        QFETCH(int, disc);
        QFETCH(QString, text);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        dalTestBackupMedia(0, stick, 8ull << 30, 0);
        dalTestBackupMedia(1, disc, 4480ull << 20, 0);
        dalTestFlush();
        QCoreApplication::processEvents();
        r.click(TTestWnd::R_BACKUP);
        QCOMPARE(r.row(TTestWnd::R_BACKUP), QStringLiteral("Please wait"));
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_BACKUP), text);
    }

    // Format and Initialize act on the stand-in's disks and on the files
    // of the root; their status messages pass through the Format row.
    void formatAndInitialize()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        const QString conf = r.fx.cfg->confPath();
        for (const QString& f : {conf, QStringLiteral("/dvr/config.tmp"), QStringLiteral("/dvr/panic-record"),
                                 QStringLiteral("/dvr/SYSTEM.log")})
            QVERIFY(r.fx.root.write(f, "x"));

        QStringList status;
        QObject statusScope;
        connect(r.w, &TTestWnd::sg_ctrlStatus, &statusScope, [&](int, QString title, QString) { status << title; });
        r.click(TTestWnd::R_INIT);
        QCOMPARE(r.row(TTestWnd::R_INIT), QStringLiteral("OK"));
        QCOMPARE(r.row(TTestWnd::R_DISKFMT), QStringLiteral("OK"));
        QCOMPARE(status, (QStringList{"Hot Key", "Hot Key", "Hot Key", "Hot Key"}));
        QVERIFY(!QFile::exists(r.fx.root.file(conf)));
        for (const char* f : {"/dvr/config.tmp", "/dvr/panic-record", "/dvr/SYSTEM.log"})
            QVERIFY2(!QFile::exists(r.fx.root.file(QString::fromLatin1(f))), f);

        const int from = dalTestJournalCount();
        QStringList messages; // the device layer's format texts, in order
        QObject scope;        // the connection ends with the test
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &scope, [&](int type, int, int, int, QString, QString strm) {
            if (type == SIG_MSG_FORMAT)
                messages << strm;
        });
        r.click(TTestWnd::R_DISKFMT);
        // The format's own status title at once, then the layer's texts.
        QCOMPARE(r.row(TTestWnd::R_DISKFMT), g_str->text(266));
        QVERIFY(!r.row(TTestWnd::R_DISKFMT).isEmpty());
        QVERIFY(!journal("DalEncrFormatSd(-1", from).isEmpty());
        dalTestFlush();
        QTRY_VERIFY(!messages.isEmpty());
        QTRY_COMPARE(r.row(TTestWnd::R_DISKFMT), messages.last());
        // A format message of the device layer lands in the row too.
        dalTestEnc(CBT_ENC_SD_FORMAT, 0, 50, "Formatting 50%");
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_DISKFMT), QStringLiteral("Formatting 50%"));
    }

    // The MAC typed on the dialog's keyboard reaches the board only when it
    // is a sound unicast address.
    void macEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("byEnter"); // Enter on the keyboard's OK instead of a click
        QTest::addColumn<QString>("written"); // empty: nothing written
        QTest::newRow("valid") << "00:0c:29:aa:bb:01" << 0 << "00:0c:29:aa:bb:01";
        QTest::newRow("valid by Enter") << "02:00:00:00:00:07" << 1 << "02:00:00:00:00:07";
        QTest::newRow("upper case") << "00:0C:29:AA:BB:02" << 0 << "00:0c:29:aa:bb:02";
        QTest::newRow("five octets") << "00:1a:2b:3c:4d" << 0 << "";
        QTest::newRow("not hexadecimal") << "00:1g:2b:3c:4d:5e" << 0 << "";
        QTest::newRow("one-digit octet") << "0:01a:2b:3c:4d:5e" << 1 << "";
        QTest::newRow("multicast") << "01:00:5e:00:00:01" << 0 << "";
        QTest::newRow("all zero") << "00:00:00:00:00:00" << 0 << "";
        QTest::newRow("empty") << "" << 0 << "";
    }
    void macEntry()
    {
        QFETCH(QString, typed);
        QFETCH(int, byEnter);
        QFETCH(QString, written);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        QString before;
        g_api.getEthAddr(before);
        QVERIFY(before != written);
        QTest::mouseClick(r.w->macEdit(), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        QCOMPARE(g_vkeyboard->text(), before);
        g_vkeyboard->setText(typed);
        const int from = dalTestJournalCount();
        if (byEnter) {
            // Down to the button row, on OK, then Enter through the dialog.
            for (int i = 0; i < 8 && g_vkeyboard->focusRow() != TVKeyPad::ButtonRow; ++i) {
                r.key(Qt::Key_Down);
                QCoreApplication::processEvents();
            }
            QCOMPARE(g_vkeyboard->focusRow(), int(TVKeyPad::ButtonRow));
            QCOMPARE(g_vkeyboard->focusCol(), 0);
            emit g_api.sg_dvrNotify(SIG_IO_KEY, 1, Qt::Key_Return, 0, QString(), QString());
        } else {
            QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QVERIFY(!g_vkeyboard->isVisible());
        const QStringList set = journal("set-ethaddr", from);
        QString now;
        g_api.getEthAddr(now);
        if (written.isEmpty()) {
            QVERIFY2(set.isEmpty(), qPrintable(set.join('\n')));
            QCOMPARE(now, before);
            QCOMPARE(r.row(TTestWnd::R_MAC), QStringLiteral("Failed"));
        } else {
            QCOMPARE(set.size(), 1);
            QVERIFY2(set.first().contains(written), qPrintable(set.first()));
            QCOMPARE(now, written);
            QCOMPARE(r.row(TTestWnd::R_MAC), written);
        }
        // A tick keeps what the field shows.
        const QString shown = r.row(TTestWnd::R_MAC);
        r.tick();
        QCOMPARE(r.row(TTestWnd::R_MAC), shown);
    }

    // The MAC keyboard's title reads "Type MAC Address": the keyboard as
    // opened is drawn exactly as with that title, and a title is drawn.
    void macKeyboardTitle()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        QTest::mouseClick(r.w->macEdit(), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        const QImage opened = g_vkeyboard->grab().toImage();
        g_vkeyboard->setTitle(QStringLiteral("Type MAC"));
        QVERIFY(g_vkeyboard->grab().toImage() != opened);
        g_vkeyboard->setTitle(QStringLiteral("Type MAC Address"));
        QCOMPARE(g_vkeyboard->grab().toImage(), opened);
        QTest::mouseClick(g_vkeyboard->cancelButton(), Qt::LeftButton);
    }

    // Enter on the MAC field opens the keyboard; Cancel writes nothing.
    void macKeyboardByKeys()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        r.w->macEdit()->setFocus();
        r.key(Qt::Key_Return);
        QTRY_VERIFY(g_vkeyboard->isVisible());
        const int from = dalTestJournalCount();
        QTest::mouseClick(g_vkeyboard->cancelButton(), Qt::LeftButton);
        QVERIFY(!g_vkeyboard->isVisible());
        QVERIFY(journal("set-ethaddr", from).isEmpty());
        QString mac;
        g_api.getEthAddr(mac);
        QCOMPARE(r.row(TTestWnd::R_MAC), mac);
    }

    // "Watch dog" writes the marker and arms a watchdog nothing kicks; a
    // board still running 30 s later shows "Failed" and the marker goes.
    void watchdog()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        const QString marker = r.fx.root.file("/dvr/board_ok.txt");
        QVERIFY(!QFile::exists(marker));
        const int from = dalTestJournalCount();
        r.click(TTestWnd::R_WDT);
        QCOMPARE(r.row(TTestWnd::R_WDT), QStringLiteral("Enabled"));
        QCOMPARE(r.fx.root.read("/dvr/board_ok.txt"), QByteArray("ok\0", 3));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(marker).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0644);
        QCOMPARE(journal("DalIoSetWdt(1,3)", from).size(), 1);
        r.tick(3);
        QVERIFY(journal("DalIoClearWdt", from).isEmpty());
        QCOMPARE(r.w->timer(TTestWnd::T_WDT)->interval(), 30000);
        QVERIFY(r.fire(TTestWnd::T_WDT));
        QCOMPARE(r.row(TTestWnd::R_WDT), QStringLiteral("Failed"));
        QVERIFY(!QFile::exists(marker));
    }

    // Sensor inputs 0..15 show in their place; others are ignored.
    void sensors_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("input 2 on") << 2 << 1 << "0010000000000000";
        QTest::newRow("input 0 on") << 0 << 1 << "1000000000000000";
        QTest::newRow("input 15 on") << 15 << 1 << "0000000000000001";
        QTest::newRow("input 16 ignored") << 16 << 1 << "0000000000000000";
        QTest::newRow("negative input ignored") << -1 << 1 << "0000000000000000";
    }
    void sensors()
    {
        QFETCH(int, input);
        QFETCH(int, value);
        QFETCH(QString, text);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        emit g_api.sg_dvrNotify(SIG_IO_SENSOR, input, value, 0, QString(), QString());
        QCOMPARE(r.row(TTestWnd::R_SENSOR), text);
    }

    // A sensor reported by the stand-in reaches the row from its thread.
    void sensorFromDevice()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        dalTestSensor(2, 1);
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_SENSOR), QStringLiteral("0010000000000000"));
    }

    // Each key pressed is named; arrows walk the grid of buttons and the
    // MAC field with wrapping; Escape does not close the dialog.
    void keys_data()
    {
        QTest::addColumn<int>("startRow");
        QTest::addColumn<QString>("spelled"); // U D L R, E for Escape
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("down to the next button") << int(TTestWnd::R_HDD) << "D" << int(TTestWnd::R_BACKUP) << 0;
        QTest::newRow("down skips display rows") << int(TTestWnd::R_ENCDEC) << "D" << int(TTestWnd::R_RTC) << 0;
        QTest::newRow("up finds the MAC field") << int(TTestWnd::R_HDD) << "U" << int(TTestWnd::R_MAC) << 1;
        QTest::newRow("up past the first wraps to the last") << int(TTestWnd::R_HDD) << "UU" << int(TTestWnd::R_INIT) << 0;
        QTest::newRow("left from the MAC field") << int(TTestWnd::R_HDD) << "UL" << int(TTestWnd::R_HDD) << 0;
        QTest::newRow("down wraps to the MAC field") << int(TTestWnd::R_INIT) << "D" << int(TTestWnd::R_MAC) << 1;
        QTest::newRow("right finds the MAC field") << int(TTestWnd::R_HDD) << "R" << int(TTestWnd::R_MAC) << 1;
        QTest::newRow("Escape ignored") << int(TTestWnd::R_AUDIO) << "E" << int(TTestWnd::R_AUDIO) << 0;
    }
    void keys()
    {
        QFETCH(int, startRow);
        QFETCH(QString, spelled);
        QFETCH(int, row);
        QFETCH(int, col);
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        r.w->button(startRow)->setFocus();
        for (QChar c : spelled) {
            const int k = c == 'U' ? Qt::Key_Up : c == 'D' ? Qt::Key_Down : c == 'L' ? Qt::Key_Left
                        : c == 'R' ? Qt::Key_Right : Qt::Key_Escape;
            r.key(k);
            QCOMPARE(r.row(TTestWnd::R_KEY), TDVRAPI::keyName(k));
            QVERIFY(!TDVRAPI::keyName(k).isEmpty());
        }
        QVERIFY(r.w->isVisible());
        QWidget* expected = col == 0 ? static_cast<QWidget*>(r.w->button(row)) : r.w->macEdit();
        QCOMPARE(r.w->focusWidget(), expected);
        // Escape straight at the dialog does not close it either.
        QTest::keyClick(r.w, Qt::Key_Escape);
        QVERIFY(r.w->isVisible());
    }

    // Enter on a focused button presses it.
    void enterPressesButton()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        r.w->button(TTestWnd::R_AUDIO)->setFocus();
        r.key(Qt::Key_Return);
        QCOMPARE(r.row(TTestWnd::R_AUDIO), QStringLiteral("1 CH"));
    }

    // Every row can be read within the dialog's geometry: each result fits
    // its field (the disk list of a four-disk unit, good or unformatted, and
    // of an eight-disk one on two lines), and buttons, fields and combo boxes, the disabled ones as well, draw
    // their text on a face it stands out from (the contrast ratio of
    // readable text, 4.5 to 1).
    void rowsLegible_data()
    {
        QTest::addColumn<bool>("formatted");
        QTest::addColumn<QByteArray>("profile");
        QTest::newRow("disks good") << true << QByteArray("16");
        QTest::newRow("disks not formatted") << false << QByteArray("16");
        QTest::newRow("eight disks") << true << QByteArray("32");
    }
    void rowsLegible()
    {
        QFETCH(bool, formatted);
        QFETCH(QByteArray, profile);
        Rig r(1, profile.constData());
        QVERIFY(r.fire(TTestWnd::T_START));
        for (int i = 0; !formatted && i < 4; ++i) {
            DalTestDisk d;
            QCOMPARE(dalTestGetDisk(i, &d), 0);
            d.formatted = 0;
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        r.click(TTestWnd::R_HDD);
        QVERIFY2(r.row(TTestWnd::R_HDD).startsWith(formatted ? "OK! (1:Good" : "1:Not Format"),
                 qPrintable(r.row(TTestWnd::R_HDD)));
        auto luminance = [](const QColor& c) {
            auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        auto apart = [&luminance](const QPalette& p, bool enabled, QPalette::ColorRole face, QPalette::ColorRole text) {
            const QPalette::ColorGroup g = enabled ? QPalette::Active : QPalette::Disabled;
            const double a = luminance(p.color(g, face)), b = luminance(p.color(g, text));
            return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05) >= 4.5;
        };
        for (int row = 0; row < TTestWnd::ROWS; ++row) {
            const QByteArray name = QByteArray::number(row);
            const TButton* b = r.w->button(row);
            QVERIFY2(b->geometry() == QRect(8, 64 + 20 * row, 190, 20), name);
            QVERIFY2(apart(b->palette(), b->isEnabled(), QPalette::Base, QPalette::ButtonText), name);
            const QLabel* field = r.w->result(row);
            if (field) {
                QVERIFY2(field->geometry() == QRect(198, 64 + 20 * row, 290, 20), name);
                QVERIFY2(field->autoFillBackground(), name);
                QVERIFY2(apart(field->palette(), true, QPalette::Window, QPalette::WindowText), name);
                const int room = field->contentsRect().width() - 2 * field->indent();
                const QRect need = QFontMetrics(field->font()).boundingRect(
                    QRect(0, 0, room, 100), field->wordWrap() ? Qt::TextWordWrap : 0, field->text());
                QVERIFY2(need.width() <= room && need.height() <= field->contentsRect().height(),
                         qPrintable(field->text()));
                QVERIFY2(field->font().pixelSize() >= (field->wordWrap() ? 6 : 8), name);
                // A text that fits keeps the dialog's font.
                QVERIFY2(QFontMetrics(r.w->font()).horizontalAdvance(field->text()) > room
                             || field->font() == r.w->font(), qPrintable(field->text()));
            }
        }
        for (const TCombo* c : {r.w->camCombo(), r.w->fmtCombo()})
            QVERIFY(apart(c->palette(), c->isEnabled(), QPalette::Base, QPalette::Text));
        QVERIFY(r.w->grab().save(vkeytest::grabPath(formatted ? "boardtest-rows-" + profile + ".png"
                                                              : QStringLiteral("boardtest-rows-unformatted.png"))));
    }

    // The dialog as the operator sees it after the first seconds.
    void grab()
    {
        Rig r;
        QVERIFY(r.fire(TTestWnd::T_START));
        dalTestBackupMedia(0, 1, 8ull << 30, 0);
        r.click(TTestWnd::R_BACKUP);
        dalTestFlush();
        QTRY_COMPARE(r.row(TTestWnd::R_BACKUP), QStringLiteral("USB(OK)  ODD(NONE)"));
        r.tick(2);
        emit g_api.sg_dvrNotify(SIG_IO_SENSOR, 2, 1, 0, QString(), QString());
        const QImage img = r.w->grab().toImage();
        QCOMPARE(img.size(), QSize(496, 456));
        QVERIFY(img.save(vkeytest::grabPath(QStringLiteral("boardtest.png"))));
        // The title band is painted, not left empty.
        QVERIFY(img.pixel(248, 16) != img.pixel(4, 4) || img.pixel(200, 16) != img.pixel(4, 4));
    }
};

QTEST_MAIN(TTestWndTest)
#include "ttestwndtest.moc"
