// The backup window as the main window drives it: its requests recorded,
// the device answers handed in through its entry points.
#include "../base/vkeytestenv.h"
#include "tbackupwnd.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tmsgwnd.h"
#include "ttestroot.h"
#include "ttime.h"
#include "wndid.h"

#include <QLabel>
#include <QtTest>

namespace {

using Req = QVector<QVector<qint64>>; // code, a, b of each request

BdEntry entry(int state, quint64 room, quint64 capacity = 0, int mounted = 0)
{
    BdEntry e = {};
    e.state = state;
    e.size = room;
    e.capacity = capacity ? capacity : room;
    e.mounted = mounted;
    return e;
}

BdList list(const BdEntry& usb, const BdEntry& drive)
{
    BdList l = {};
    l.bd[0] = usb;
    l.bd[1] = drive;
    return l;
}

// A unit of n channels in a fresh root, the message box, and the window.
struct Rig
{
    explicit Rig(int channels = 16)
    {
        vkeytest::setUpGlobals();
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        PropDevices dev = {};
        dev.videos = channels;
        PropDefault def;
        TDefault::setDefaults(&def);
        g_cfg = new TConfig(QStringLiteral("/dvr/T.conf"), &dev, &def);
        msg = new TMsgWnd(nullptr, ID_WND_MSG, QSize(400, 200));
        msg->init(0);
        g_msgWnd = msg;
        w = new TBackupWnd(nullptr, ID_WND_BACKUP, g_res->getSize(83));
        w->init(0);
        QObject::connect(w, &TBackupWnd::sg_request, [this](int code, void* a, void* b) {
            req.append({code, qint64(intptr_t(a)), qint64(intptr_t(b))});
        });
        w->move(0, 0);
        w->show();
        QApplication::setActiveWindow(w);
        active = QTest::qWaitForWindowActive(w);
        req.clear();
    }
    ~Rig()
    {
        delete w;
        g_msgWnd = nullptr;
        delete msg;
        delete g_cfg;
        g_cfg = nullptr;
        TConfig::setTextHook(nullptr);
    }
    // A stick with room and three recorded dates: the window usable, once
    // its first fill after the show has run (it would set the boxes again).
    void ready(int preset = 2)
    {
        QTRY_VERIFY(!w->initPending());
        const BdList l = list(entry(1, 8000000000ull), entry(1, 0));
        w->detectExtSd(&l);
        BackupDb db = {};
        db.numDate = 3;
        const QVector<BackupDate> dates{{2026, 12, 5, 0, 10}, {2026, 12, 6, 0, 11}, {2026, 12, 7, 0, 12}};
        w->setRange(10 + preset, 10, 0, 0, 600);
        w->infoBackupDb(&db, dates);
        req.clear();
    }
    QWidget* ctl(int id) const { return w->button(id); }
    QString shownRange() const
    {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(w->combo(TBackupWnd::COMBO_FROM)->currentIndex())
            .arg(w->timeEdit(0)->time().toString(QStringLiteral("HH:mm:ss")))
            .arg(w->combo(TBackupWnd::COMBO_TO)->currentIndex())
            .arg(w->timeEdit(1)->time().toString(QStringLiteral("HH:mm:ss")));
    }
    void grab(const QString& name) { QVERIFY(w->grab().save(vkeytest::grabPath(name))); }

    TTestRoot root;
    TMsgWnd* msg = nullptr;
    TBackupWnd* w = nullptr;
    Req req;
    bool active = false;
};

} // namespace

class TBackupWndTest : public QObject
{
    Q_OBJECT
private slots:
    // The media found: the medium chosen, the choice reading it, and the
    // requests that ready it.
    void detection_data()
    {
        QTest::addColumn<int>("usb");
        QTest::addColumn<qulonglong>("room");
        QTest::addColumn<int>("drive");
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("label");
        QTest::addColumn<Req>("requests");
        const Req stick{{28, 0, 0}, {30, 0, 0}};
        QTest::newRow("stick with room") << 1 << 8000000000ull << 0 << 1 << "USB" << stick;
        QTest::newRow("stick without room") << 1 << 0ull << 0 << 1 << "USB" << Req{{28, 0, 0}};
        QTest::newRow("stick and an empty drive") << 1 << 8000000000ull << 1 << 1 << "USB" << stick;
        QTest::newRow("disc") << 0 << 0ull << 2 << 0 << "CD/DVD" << Req{{28, 1, 1}};
        QTest::newRow("both: the disc") << 1 << 8000000000ull << 2 << 0 << "CD/DVD" << Req{{28, 1, 1}};
        QTest::newRow("none") << 0 << 0ull << 1 << 2 << "None" << Req{};
    }
    void detection()
    {
        QFETCH(int, usb);
        QFETCH(qulonglong, room);
        QFETCH(int, drive);
        QFETCH(int, device);
        QFETCH(QString, label);
        Rig rig;
        const BdList l = list(entry(usb, room), entry(drive, 4700000000ull));
        rig.w->detectExtSd(&l);
        QCOMPARE(rig.w->device(), device);
        QTEST(rig.req, "requests");
        const QString shown = device == TBackupWnd::DEV_NONE ? rig.w->sizeText()
                                                              : rig.w->combo(TBackupWnd::COMBO_MEDIUM)->currentText();
        QCOMPARE(shown, label);
        QCOMPARE(rig.w->combo(TBackupWnd::COMBO_MEDIUM)->isEnabled(), usb != 0 && drive == 2);
        // Without a usable medium only Exit is left.
        QCOMPARE(rig.w->button(TBackupWnd::BTN_ESTIMATE)->isEnabled(), false);
        QVERIFY(rig.w->button(TBackupWnd::BTN_EXIT)->isEnabled());
        if (device == TBackupWnd::DEV_NONE)
            rig.grab(QStringLiteral("backup-none.png"));
    }

    // The operator's medium choice: the text read selects that medium.
    void choosingTheMedium()
    {
        Rig rig;
        const BdList l = list(entry(1, 8000000000ull), entry(2, 4700000000ull, 0, 1));
        rig.w->detectExtSd(&l);
        rig.req.clear();
        TCombo* c = rig.w->combo(TBackupWnd::COMBO_MEDIUM);
        c->setCurrentIndex(c->findText(QStringLiteral("USB")));
        QCOMPARE(rig.w->device(), int(TBackupWnd::DEV_USB));
        c->setCurrentIndex(c->findText(QStringLiteral("CD/DVD")));
        QCOMPARE(rig.w->device(), int(TBackupWnd::DEV_DISC));
        QCOMPARE(rig.req, (Req{{29, 0, 0}, {29, 0, 1}}));
    }

    // The disc's mount answer: mounted, the source opens; else nothing.
    void mountAnswer_data()
    {
        QTest::addColumn<int>("mounted");
        QTest::addColumn<int>("device");
        QTest::newRow("mounted") << 1 << 0;
        QTest::newRow("not mounted") << 0 << 2;
    }
    void mountAnswer()
    {
        QFETCH(int, mounted);
        Rig rig;
        const BdList l = list(entry(0, 0), entry(2, 4700000000ull, 0, mounted));
        rig.w->mountExtSd(&l);
        QTEST(rig.w->device(), "device");
        QCOMPARE(rig.req, mounted ? Req({{30, 0, 0}}) : Req());
    }

    void sizeLabel()
    {
        Rig rig;
        QCOMPARE(rig.w->sizeText(), QStringLiteral("None"));
        rig.ready();
        rig.w->runBackup(entry(1, 5400000000ull, 8000000000ull));
        QCOMPARE(rig.w->sizeText(), QStringLiteral("8000/5400 MB"));
    }

    // The preset range applied by the fill.
    void presets_data()
    {
        QTest::addColumn<int>("dateId");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("dur");
        QTest::addColumn<QString>("range");
        QTest::newRow("a listed date") << 11 << 10 << 600 << "1 10:00:00 1 10:10:00";
        QTest::newRow("an unknown date: the last") << 99 << 10 << 600 << "2 10:00:00 2 10:10:00";
        QTest::newRow("live (-1): the last") << -1 << 23 << 600 << "2 23:00:00 2 23:10:00";
        QTest::newRow("past 23:59:59") << 10 << 23 << 7200 << "0 23:00:00 0 23:59:59";
    }
    void presets()
    {
        QFETCH(int, dateId);
        QFETCH(int, h);
        QFETCH(int, dur);
        Rig rig;
        rig.ready();
        rig.w->setRange(dateId, h, 0, 0, dur);
        rig.w->sl_init();
        QTEST(rig.shownRange(), "range");
    }

    // The user's camera mask greys boxes; Estimation's mask has a bit per
    // unticked box of a shown camera, never one above 20.
    void cameraMask_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<uint>("userOff");
        QTest::addColumn<QString>("clicks");  // "off": All Off, "on": All On
        QTest::addColumn<uint>("sent");
        QTest::newRow("user mask greys") << 16 << 0x0005u << "" << 0x0005u;
        QTest::newRow("all on: forbidden boxes ticked too") << 16 << 0x0005u << "on" << 0u;
        QTest::newRow("all off, 16 channels") << 16 << 0u << "off" << 0xFFFFu;
        QTest::newRow("all off, 32 channels") << 32 << 0u << "off" << 0xFFFFFu;
    }
    void cameraMask()
    {
        QFETCH(int, channels);
        QFETCH(uint, userOff);
        QFETCH(QString, clicks);
        Rig rig(channels);
        rig.ready();
        rig.w->setCamOff(userOff);
        for (int c = 0; c < TBackupWnd::CAMS; ++c) {
            QCOMPARE(rig.w->button(c)->isVisible(), c < channels);
            QCOMPARE(rig.w->button(c)->isEnabled(), !(userOff >> c & 1u));
            QCOMPARE(rig.w->button(c)->isChecked(), !(userOff >> c & 1u));
        }
        if (!clicks.isEmpty())
            QTest::mouseClick(rig.w->button(clicks == "on" ? TBackupWnd::BTN_ALL_ON : TBackupWnd::BTN_ALL_OFF),
                              Qt::LeftButton);
        rig.req.clear();
        QTest::mouseClick(rig.w->button(TBackupWnd::BTN_ESTIMATE), Qt::LeftButton);
        QCOMPARE(rig.req.size(), 2);
        QCOMPARE(rig.req[0][0], 31);
        QTEST(uint(rig.req[0][1]), "sent");
        QCOMPARE(rig.req[0][2], clicks == "off" ? 1 : 0); // audio
        QCOMPARE(rig.req[1][0], 33);
        if (channels == 32)
            rig.grab(QStringLiteral("backup-32.png"));
    }

    // Fewer than 20 channels: Left and Right wrap over the shown boxes.
    void cameraRing()
    {
        Rig rig(16);
        rig.ready();
        rig.w->button(15)->setFocus();
        vkeytest::keys(rig.w, QStringLiteral("R"));
        QCOMPARE(QApplication::focusWidget(), rig.ctl(0));
        vkeytest::keys(rig.w, QStringLiteral("L"));
        QCOMPARE(QApplication::focusWidget(), rig.ctl(15));
    }

    // The 33 links of the focus table, on a 20-channel unit with every
    // control usable: from each control, the four arrows.
    void focusLinks()
    {
        Rig rig(20);
        QVERIFY(rig.active);
        rig.ready();
        QWidget* medium = rig.w->combo(0);
        QWidget* type = rig.w->combo(1);
        QWidget* fromDate = rig.w->combo(2);
        QWidget* toDate = rig.w->combo(3);
        QWidget* fromTime = rig.w->timeEdit(0);
        QWidget* toTime = rig.w->timeEdit(1);
        auto b = [&](int id) { return static_cast<QWidget*>(rig.w->button(id)); };
        medium->setEnabled(true); // a single medium greys it
        b(TBackupWnd::BTN_STOP)->setEnabled(true);
        struct Link {
            QWidget* from;
            QWidget *right, *left, *down, *up;
        };
        QVector<Link> links{
            {medium, medium, medium, type, b(26)},
            {type, type, type, fromDate, medium},
            {fromDate, fromTime, fromTime, toDate, type},
            {fromTime, fromDate, fromDate, toTime, type},
            {toDate, toTime, toTime, b(0), fromDate},
            {toTime, toDate, toDate, b(0), fromTime},
        };
        for (int c = 0; c < 20; ++c)
            links.append({b(c), b((c + 1) % 20), b((c + 19) % 20), b(20), toDate});
        links.append({b(20), b(20), b(20), b(21), b(0)});
        links.append({b(21), b(22), b(23), b(24), b(20)});
        links.append({b(22), b(23), b(21), b(25), b(20)});
        links.append({b(23), b(21), b(22), b(25), b(20)});
        links.append({b(24), b(25), b(25), b(26), b(21)});
        links.append({b(25), b(24), b(24), b(26), b(22)});
        links.append({b(26), b(26), b(26), medium, b(25)});
        QCOMPARE(links.size(), int(TBackupWnd::FOCUS_COUNT));
        for (int i = 0; i < links.size(); ++i) {
            const Link& l = links[i];
            const QPair<QChar, QWidget*> moves[] = {{'R', l.right}, {'L', l.left}, {'D', l.down}, {'U', l.up}};
            for (const auto& m : moves) {
                l.from->setFocus();
                vkeytest::keys(rig.w, QString(m.first));
                if (QApplication::focusWidget() != m.second)
                    QFAIL(qPrintable(QStringLiteral("entry %1 key %2").arg(i).arg(m.first)));
            }
        }
    }

    // The estimate's answer: the range the device made of the one asked,
    // taken over on OK and kept on Cancel.
    void estimateAnswer_data()
    {
        QTest::addColumn<int>("startIdx");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("endIdx");
        QTest::addColumn<int>("end"); // one second past the last copied
        QTest::addColumn<quint64>("size");
        QTest::addColumn<int>("answer"); // -1: no question
        QTest::addColumn<bool>("byKey");  // answered by Enter, not by a click
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("status");
        const QString asked = "2 10:00:00 2 10:10:00";
        const int ok = MSGBTN_OK;
        QTest::newRow("no change") << 2 << 36000 << 2 << 36601 << 5000000ull << -1 << false << asked << "";
        QTest::newRow("start date, OK") << 1 << 36000 << 2 << 36601 << 5000000ull << ok << false
                                        << "1 10:00:00 2 10:10:00" << "[0 MB/ 5MB] Time Changed";
        QTest::newRow("start time, OK by Enter") << 2 << 36300 << 2 << 36601 << 5000000ull << ok << true
                                                 << "2 10:05:00 2 10:10:00" << "[0 MB/ 5MB] Time Changed";
        QTest::newRow("end date, OK") << 2 << 36000 << 1 << 36601 << 5000000ull << ok << false
                                      << "2 10:00:00 1 10:10:00" << "[0 MB/ 5MB] Time Changed";
        QTest::newRow("end time, OK by Enter") << 2 << 36000 << 2 << 36301 << 5000000ull << ok << true
                                               << "2 10:00:00 2 10:05:00" << "[0 MB/ 5MB] Time Changed";
        QTest::newRow("end time, Cancel") << 2 << 36000 << 2 << 36301 << 5000000ull << int(MSGBTN_CANCEL) << false
                                          << asked << "";
        QTest::newRow("positions out of range: the last")
            << 7 << 36000 << -3 << 36601 << 5000000ull << -1 << false << asked << "";
        QTest::newRow("nothing recorded") << 2 << 36000 << 2 << 36601 << 0ull << -1 << false << asked << "No Data";
    }
    void estimateAnswer()
    {
        QFETCH(int, startIdx);
        QFETCH(int, start);
        QFETCH(int, endIdx);
        QFETCH(int, end);
        QFETCH(quint64, size);
        QFETCH(int, answer);
        QFETCH(bool, byKey);
        Rig rig;
        rig.ready();
        QTest::mouseClick(rig.w->button(TBackupWnd::BTN_ESTIMATE), Qt::LeftButton);
        QCOMPARE(rig.w->running(), 1);
        BackupDb db = {};
        db.numDate = 3;
        db.range = {startIdx, 0, double(start), endIdx, 0, double(end), size};
        rig.w->estiBackupEnd(&db);
        QCOMPARE(rig.w->running(), 0);
        QCOMPARE(rig.msg->isVisible(), answer >= 0);
        if (answer >= 0) {
            QVERIFY(rig.msg->grab().save(vkeytest::grabPath(QStringLiteral("backup-asks.png"))));
            // As the operator answers: a click on the button, or Enter on
            // the box, whose OK has the focus once the box is up.
            if (byKey) {
                QVERIFY(QTest::qWaitForWindowActive(rig.msg));
                vkeytest::key(rig.msg, Qt::Key_Enter);
            } else {
                QTest::mouseClick(rig.msg->button(answer), Qt::LeftButton);
            }
            QTRY_VERIFY(!rig.msg->isVisible());
        }
        QTEST(rig.shownRange(), "range");
        QTEST(rig.w->statusText(), "status");
    }

    // Progress, and the run: Exit refused while it lasts.
    void progressAndExit()
    {
        Rig rig;
        rig.ready();
        QTest::mouseClick(rig.w->button(TBackupWnd::BTN_START), Qt::LeftButton);
        QCOMPARE(rig.req.last()[0], 34);
        QVERIFY(rig.w->button(TBackupWnd::BTN_STOP)->isEnabled());
        rig.w->setProgress(140, QStringLiteral("[7 MB/5 MB]"));
        QCOMPARE(rig.w->percent(), 100);
        rig.grab(QStringLiteral("backup-copy.png"));
        rig.req.clear();
        vkeytest::key(rig.w, Qt::Key_Escape);
        QTest::mouseClick(rig.w->button(TBackupWnd::BTN_EXIT), Qt::LeftButton);
        QVERIFY(rig.w->isVisible());
        QCOMPARE(rig.req, Req{});
        // The device refused: idle again, saying why.
        rig.w->runRefused(QStringLiteral("Failed"));
        QCOMPARE(rig.w->running(), 0);
        QCOMPARE(rig.w->statusText(), QStringLiteral("Failed"));
        QVERIFY(rig.w->button(TBackupWnd::BTN_EXIT)->isEnabled());
        vkeytest::key(rig.w, Qt::Key_Escape);
        QVERIFY(!rig.w->isVisible());
        QCOMPARE(rig.req, (Req{{26, 0, 0}}));
    }

    // No room: Estimation and Start send nothing.
    void noSpace()
    {
        Rig rig;
        rig.ready();
        rig.w->runBackup(entry(1, 0));
        for (int id : {int(TBackupWnd::BTN_ESTIMATE), int(TBackupWnd::BTN_START)}) {
            QTest::mouseClick(rig.w->button(id), Qt::LeftButton);
            QCOMPARE(rig.req, Req{});
            QCOMPARE(rig.w->statusText(), QStringLiteral("No Space (More Than 50MB)"));
            QCOMPARE(rig.w->running(), 0);
        }
    }
};

QTEST_MAIN(TBackupWndTest)
#include "tbackupwndtest.moc"
