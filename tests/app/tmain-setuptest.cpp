// The setup menu end to end against the device-layer stand-in: the Setup
// command, OK, a page's Apply, CANCEL and Escape through the setup window
// and the apply thread, with the effects read from the stand-in's journal,
// the configuration file on disk and the system log; previews, remote
// setup, power-off and the upgrade screen.
#include "tsetuprig.h"
#include "../ui/base/vkeytestenv.h"
#include "dvrnotify.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tdvrapi.h"
#include "tdvrth.h"
#include "tinfo.h"
#include "tlog.h"
#include "tmain.h"
#include "startup.h"
#include "tstopsignals.h"
#include "tpath.h"
#include "tproperty.h"
#include "tsetuppage.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"
#include "tsetupuser.h"
#include "tsetupconfig.h"
#include "tfilewnd.h"
#include "tmsgwnd.h"
#include "tvkeyboard.h"

#include <QtTest>
#include <atomic>
#include <csignal>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <sys/stat.h>

namespace SA = SetupAct;

namespace {

// Warnings about objects used from the wrong thread, gathered while a test
// runs; any one fails it.
QStringList g_threadWarnings;
QtMessageHandler g_previous = nullptr;

void catchThreadWarnings(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg && msg.contains(QLatin1String("thread"), Qt::CaseInsensitive))
        g_threadWarnings << msg;
    if (g_previous)
        g_previous(type, ctx, msg);
}

// A page for the answers that reach the setup window: it keeps a copy of
// the backup entry it is handed.
class TEntryPage : public TSetupPage
{
public:
    TEntryPage(QWidget* parent, int id) : TSetupPage(parent, id, QSize(640, 480))
    {
        Params p;
        p.replies = {SA::Act_ConfDetect, SA::Act_ConfMount};
        setRows({}, p);
        init(64);
    }
    QByteArray m_entry;

protected:
    void onReply(int, const void* data) override
    {
        m_entry = QByteArray(static_cast<const BdEntry*>(data)->name);
    }
};

// A preview page: its preview area 200 x 150 at (300, 60) of the page.
class TPreviewPage : public TSetupPage
{
public:
    TPreviewPage(QWidget* parent, int id, int preview = 1) : TSetupPage(parent, id, QSize(640, 480))
    {
        Params p;
        p.preview = preview;
        p.pipArea = QRect(300, 60, 200, 150);
        setRows({}, p);
        init(64);
    }
};

struct Rig : TSetupRig
{
    Rig()
    {
        // The model file in flash, as on a unit that has run before.
        fx.cfg->commitfile();
        dalTestJournalClear();
    }
    // Opens the setup window on a tab from the menu.
    // The device comes up first (it makes the edit copy the live one).
    void up()
    {
        if (w->m_initDone)
            return;
        QVERIFY(TSetupRig::up());
        dalTestJournalClear();
    }
    void open(int tab)
    {
        up();
        w->runMenu(QStringLiteral("Setup"), tab);
        QVERIFY(setup()->isVisible());
    }
    // Log entries written since the rig came up, as "code:contents".
    static QStringList logs()
    {
        LogRecord r[TDVRAPI::LAST_LOGS];
        const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
        QStringList out;
        for (int i = 0; i < n; ++i)
            out << QString::number(r[i].code, 16) + ":" + QString::fromUtf8(r[i].contents);
        return out;
    }
    static QStringList setupLogs() { return logs().filter(QRegularExpression("^300[0-2]:")); }
    // The journal lines that start with one of the names, in order.
    static QStringList journal(const QStringList& names)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) < 0)
                continue;
            const QString line = QString::fromLatin1(buf);
            for (const QString& n : names) {
                if (line.startsWith(n + "("))
                    out << n;
            }
        }
        return out;
    }
    ino_t fileId() const
    {
        struct stat st = {};
        ::stat(QFile::encodeName(TPath::map(fx.cfg->confPath())).constData(), &st);
        return st.st_ino;
    }

};

} // namespace

class TMainSetupTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_threadWarnings.clear();
        g_previous = qInstallMessageHandler(catchThreadWarnings);
    }
    void cleanup()
    {
        qInstallMessageHandler(g_previous);
        QVERIFY2(g_threadWarnings.isEmpty(), qPrintable(g_threadWarnings.join('\n')));
        QVERIFY(QApplication::topLevelWidgets().size() <= 1);
    }

    // Setup > a tab: "Setup Start", the live audio off, the window on that
    // tab at the centre of the screen.
    void open_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("Record") << int(SA::Btn_Record);
        QTest::newRow("System") << int(SA::Btn_System);
    }
    void open()
    {
        QFETCH(int, tab);
        Rig rig;
        rig.up();
        rig.w->selAudio(2);
        rig.open(tab);
        QCOMPARE(Rig::setupLogs(), QStringList{"3000:"});
        QCOMPARE(rig.setup()->geometry(), QRect(240, 60, 800, 600));
        QCOMPARE(rig.setup()->group(), tab);
        QCOMPARE(rig.setup()->button(SA::Btn_Shutdown)->isVisible(), tab == SA::Btn_System);
        QCOMPARE(rig.w->m_inSetup, 1);
        QCOMPARE(rig.w->m_savedAudioCh, 2);
        DalTestAudioState audio;
        dalTestAudioGetState(&audio);
        QCOMPARE(audio.aout, -1);
        rig.w->grab().save(vkeytest::grabPath(QString("main-setup-%1.png").arg(tab)));
    }

    // OK after record and network-control edits: "Setup Stop", one
    // "(OK)", both sections in the model file, recording stopped once
    // before the section operations and started once after them.
    void okEndToEnd()
    {
        Rig rig;
        rig.open(SA::Btn_Record);
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[0].mode = rig.live<PropRecord>(IDX_PROP_RECORD)->data[0].mode ^ 1;
        rig.edit<PropNetcontrol>(IDX_PROP_NETCONTROL)->mainOn[1] =
            !rig.live<PropNetcontrol>(IDX_PROP_NETCONTROL)->mainOn[1];
        const PropRecord wantRec = *rig.edit<PropRecord>(IDX_PROP_RECORD);
        const PropNetcontrol wantNet = *rig.edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
        QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(!rig.setup()->isVisible());
        QCOMPARE(rig.status(), QStringLiteral("Setup/Please wait..."));
        QCOMPARE(g_api.m_applying, 1);
        QVERIFY(Rig::settled());
        // The box stays 2 s after the run.
        QCOMPARE(rig.status(), QStringLiteral("Setup/Please wait..."));
        QCOMPARE(Rig::setupLogs(), (QStringList{"3000:", "3001:", "3002:(OK)"}));
        const PropRecord rec = rig.fromFile<PropRecord>(IDX_PROP_RECORD);
        const PropNetcontrol net = rig.fromFile<PropNetcontrol>(IDX_PROP_NETCONTROL);
        QCOMPARE(rec.data[0].mode, wantRec.data[0].mode);
        QCOMPARE(net.mainOn[1], wantNet.mainOn[1]);
        QCOMPARE(Rig::journal({"DalEncrStop", "DalEncnSetCfg", "DalEncrStart"}),
                 (QStringList{"DalEncrStop", "DalEncnSetCfg", "DalEncrStart"}));
        // The status box goes 2 s after the run.
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(), QString(), 4000);
    }

    // A page's Apply: "(Record)" and a refresh of the recording; unchanged,
    // no entry and no device call, but the file is replaced all the same.
    void apply_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::newRow("changed") << true;
        QTest::newRow("unchanged") << false;
    }
    void apply()
    {
        QFETCH(bool, edited);
        Rig rig;
        rig.open(SA::Btn_Record);
        if (edited)
            rig.edit<PropRecord>(IDX_PROP_RECORD)->data[2].cqual ^= 1;
        const ino_t before = rig.fileId();
        dalTestJournalClear();
        rig.setup()->sl_action(SA::Btn_Record_Record, 0, 0);
        QVERIFY(Rig::settled());
        const QStringList want = edited ? QStringList{"3000:", "3002:(Record)"} : QStringList{"3000:"};
        QCOMPARE(Rig::setupLogs(), want);
        QCOMPARE(Rig::journal({"DalEncrRefresh"}).size(), edited ? 1 : 0);
        QVERIFY(rig.fileId() != before);
        QCOMPARE(rig.fromFile<PropRecord>(IDX_PROP_RECORD).data[2].cqual,
                 rig.edit<PropRecord>(IDX_PROP_RECORD)->data[2].cqual);
        QVERIFY(rig.setup()->isVisible());
    }

    // A new language on the OSD page is in force before the run: OK logs
    // one "(OK)", the OSD page's Apply "(OSD)"; the live copy takes it.
    void language_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("label");
        QTest::newRow("OK") << true << "3002:(OK)";
        QTest::newRow("OSD Apply") << false << "3002:(OSD)";
    }
    void language()
    {
        QFETCH(bool, ok);
        QFETCH(QString, label);
        Rig rig;
        rig.open(SA::Btn_Display);
        auto* osd = rig.edit<PropOsd>(IDX_PROP_OSD);
        const QString before = QString::fromUtf8(osd->lang);
        const QString english = g_str->text(2);
        // A language whose word for "Setup" differs.
        QString other;
        for (const QString& name : g_str->languageList()) {
            g_str->setLanguage(name, before);
            const bool differs = g_str->text(2) != english;
            g_str->setLanguage(before, name);
            if (differs) {
                other = name;
                break;
            }
        }
        QVERIFY(!other.isEmpty());
        qstrncpy(osd->lang, other.toUtf8().constData(), sizeof osd->lang);
        if (ok)
            QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        else
            rig.setup()->sl_action(SA::Btn_Display_Osd, 0, 0);
        QVERIFY(g_str->text(2) != english);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs().filter("3002:"), QStringList{label});
        QCOMPARE(QString::fromUtf8(rig.live<PropOsd>(IDX_PROP_OSD)->lang), other);
        g_str->setLanguage(before, other);
        QCOMPARE(g_str->text(2), english);
    }

    // CANCEL (button or Escape) after a colour preview: no "Setup Changed",
    // the live colours back on the device, the file untouched.
    void cancelAfterPreview_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("CANCEL") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelAfterPreview()
    {
        QFETCH(bool, escape);
        Rig rig;
        rig.open(SA::Btn_Display);
        QFile file(TPath::map(rig.fx.cfg->confPath()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const int liveBri = rig.live<PropColor>(IDX_PROP_COLOR)->data[1].bri;
        rig.edit<PropColor>(IDX_PROP_COLOR)->data[1].bri = uint8_t(liveBri + 7);
        rig.setup()->sl_action(SA::Act_PrvColorBri, 1, liveBri + 7);
        DalTestVinState vin;
        dalTestVinGetState(1, &vin);
        QCOMPARE(vin.csc[0], liveBri + 7);
        if (escape)
            vkeytest::key(rig.setup(), Qt::Key_Escape);
        else
            QTest::mouseClick(rig.setup()->button(SA::Btn_Cancel), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), (QStringList{"3000:", "3001:"}));
        dalTestVinGetState(1, &vin);
        QCOMPARE(vin.csc[0], liveBri);
        QCOMPARE(int(rig.edit<PropColor>(IDX_PROP_COLOR)->data[1].bri), liveBri);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // The clock offset of the date/time section moves the clock on the
    // page's Apply and on OK, and is spent after; CANCEL never sets it.
    void clockOffset_data()
    {
        QTest::addColumn<int>("how"); // a page id, OK or CANCEL
        QTest::addColumn<bool>("set");
        QTest::newRow("Apply") << int(SA::Btn_System_Dt) << true;
        QTest::newRow("OK") << int(SA::Btn_Ok) << true;
        QTest::newRow("CANCEL") << int(SA::Btn_Cancel) << false;
    }
    void clockOffset()
    {
        QFETCH(int, how);
        QFETCH(bool, set);
        Rig rig;
        rig.open(SA::Btn_System);
        rig.edit<PropDatetime>(IDX_PROP_DATETIME)->diff = 3600;
        DalTestClock clock;
        dalTestGetClock(&clock);
        const int wasSet = clock.set;
        rig.setup()->sl_action(how, 0, 0);
        QVERIFY(Rig::settled());
        dalTestGetClock(&clock);
        QCOMPARE(clock.set != wasSet, set);
        if (set)
            QVERIFY(qAbs(clock.now - (qint64(time(nullptr)) + 3600)) < 10);
        QCOMPARE(rig.edit<PropDatetime>(IDX_PROP_DATETIME)->diff, 0);
        QCOMPARE(rig.live<PropDatetime>(IDX_PROP_DATETIME)->diff, 0);
    }

    // The system pages end to end: keys and clicks on the pages, the apply
    // thread, and the device, the files and the log after it.
    void systemPages_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("clock +1 h, Apply twice") << "clock";
        QTest::newRow("user 1's password, Apply") << "password";
        QTest::newRow("user 1 freed, Apply") << "freed";
        QTest::newRow("format code, OK") << "format";
        QTest::newRow("format code, CANCEL") << "noformat";
        QTest::newRow("export named out of the stick") << "export ../dvr/x.conf";
        QTest::newRow("export twice under one name") << "export twice";
        QTest::newRow("firmware named as a command") << "firmware";
    }
    void systemPages()
    {
        QFETCH(QString, what);
        Rig rig;
        rig.open(SA::Btn_System);
        TSetupWnd* s = rig.setup();
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        auto keys = [s](const QString& spelled) {
            for (const QChar c : spelled) {
                const int k = c == 'R' ? Qt::Key_Right : c == 'D' ? Qt::Key_Down : c == 'U' ? Qt::Key_Up
                            : c == 'E' ? Qt::Key_Enter : c == 'X' ? Qt::Key_Escape : Qt::Key_0 + c.digitValue();
                vkeytest::key(s, k);
                QCoreApplication::processEvents();
            }
        };
        auto click = [](QWidget* w) {
            QTest::mouseClick(w, Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        if (what == "clock") {
            click(s->button(SA::Btn_System_Dt));
            DalTestClock clock;
            dalTestGetClock(&clock);
            const int wasSet = clock.set;
            // To the time (past the daylight-saving box when the zone has
            // it), the hour one step away from midnight (up before noon,
            // down after it, so that two steps stay within the day), then
            // down to Apply.
            const bool dst = s->page(SA::Btn_System_Dt)->control(1)->isEnabled();
            const bool morning = QTime::currentTime().hour() < 12;
            const QString hour = morning ? "U" : "D";
            const qint64 step = morning ? 3600 : -3600;
            keys((dst ? "RDDDE" : "RDDE") + hour + "XDDDDE");
            QVERIFY(Rig::settled());
            dalTestGetClock(&clock);
            QCOMPARE(clock.set, wasSet + 1);
            QVERIFY(qAbs(clock.now - (qint64(time(nullptr)) + step)) < 10);
            keys("E"); // Apply again without an edit
            QVERIFY(Rig::settled());
            QCOMPARE(Rig::journal({"DalSysSetTime"}).size(), 1);
            QVERIFY(Rig::setupLogs().join(',').contains("(Date/Time)"));
            // The moved clock is the program's: a new log record and the
            // information bar read it.
            auto near = [](const QDateTime& t, qint64 ahead) {
                return qAbs(t.toSecsSinceEpoch() - (qint64(time(nullptr)) + ahead)) < 10;
            };
            g_api.writeLog(LOG_NTP_TIME_CHANGE, nullptr, nullptr);
            LogRecord r[TDVRAPI::LAST_LOGS];
            const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
            QVERIFY(n > 0);
            const LogRecord& last = r[n - 1];
            QCOMPARE(last.code, quint16(LOG_NTP_TIME_CHANGE));
            QVERIFY(near(QDateTime(QDate(last.year, last.month, last.day), QTime(last.hour, last.minute, last.second)), step));
            auto* bar = static_cast<TInfo*>(rig.w->wnd(ID_WND_INFO));
            bar->updateTime();
            const QTime shown = QTime::fromString(bar->timeText(), "HH:mm:ss");
            QVERIFY2(shown.isValid(), qPrintable(bar->timeText()));
            QVERIFY(qAbs(shown.secsTo(QDateTime::fromSecsSinceEpoch(time(nullptr) + step).time())) < 10
                    || qAbs(shown.secsTo(QDateTime::fromSecsSinceEpoch(time(nullptr) + step).time())) > 86390);
            // A second hour on top of the moved clock moves it again.
            keys("UUUUE" + hour + "XDDDDE");
            QVERIFY(Rig::settled());
            QCOMPARE(Rig::journal({"DalSysSetTime"}).size(), 2);
            dalTestGetClock(&clock);
            QVERIFY(qAbs(clock.now - (qint64(time(nullptr)) + 2 * step)) < 10);
            return;
        }
        if (what == "password" || what == "freed") {
            click(s->button(SA::Btn_System_User));
            auto* page = static_cast<TSetupUser*>(s->page(SA::Btn_System_User));
            qstrncpy(rig.edit<PropUser>(IDX_PROP_USER)->user[2].id, "night", 16);
            qstrncpy(rig.edit<PropUser>(IDX_PROP_USER)->user[2].pw, "old2", 16);
            click(page->control(TSetupUser::RowUser0 + 2));
            if (what == "password") {
                click(page->control(TSetupUser::RowPassword));
                for (const char* t : {"pw2", "pw2"}) {
                    QVERIFY(g_vkeyboard->isVisible());
                    g_vkeyboard->setText(t);
                    click(g_vkeyboard->okButton());
                }
            } else {
                keys("DE");
                QVERIFY(g_vkeyboard->isVisible());
                g_vkeyboard->setText(QString());
                click(g_vkeyboard->okButton());
            }
            click(page->control(TSetupUser::RowApplyBtn));
            QVERIFY(Rig::settled());
            QVERIFY(Rig::journal({"DalSetUserInfo"}).size() >= 1);
            QFile web(TPath::map("/var/volatile/web_account.txt"));
            QVERIFY(web.open(QIODevice::ReadOnly));
            const QByteArray text = web.readAll();
            QCOMPARE(text.contains("pwd2 = pw2\n"), what == "password");
            QVERIFY(!text.contains("old2"));
            QCOMPARE(QByteArray(rig.fromFile<PropUser>(IDX_PROP_USER).user[2].pw), QByteArray(what == "password" ? "pw2" : ""));
            return;
        }
        click(s->button(SA::Btn_System_Config));
        if (what.startsWith("export") || what == "firmware") {
            // The stick is in; its files are the root's /backup.
            dalTestBackupMedia(0, 1, 1ull << 30, 0);
            QSignalSpy status(rig.w, &TMain::sg_ctrlStatus);
            auto* page = s->page(SA::Btn_System_Config);
            // The job's outcome shown, then its box closed (the job is over).
            auto ended = [&status](const QString& title) {
                return QTest::qWaitFor([&] {
                    bool outcome = false;
                    for (const QList<QVariant>& a : status) {
                        const QString t = a.at(2).toString();
                        if (a.at(1).toString() == title && (t.startsWith(QLatin1String("Failed")) || t == QLatin1String("Success")))
                            outcome = true;
                        else if (outcome && a.at(0).toInt() == SIG_STATE_END)
                            return true;
                    }
                    return false;
                }, 10000);
            };
            auto lastText = [&status](const QString& title) {
                QString t;
                for (const QList<QVariant>& a : status)
                    if (a.at(1).toString() == title)
                        t = a.at(2).toString();
                return t;
            };
            const QStringList before = QDir(TPath::map("/")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            if (what == "firmware") {
                QVERIFY(QDir().mkpath(TPath::map("/backup")));
                const QString name = QStringLiteral("a;touch pwned;$(touch pwned2)#1.0.fwr");
                QFile f(TPath::map("/backup/") + name);
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not an image") > 0);
                f.close();
                click(page->control(TSetupConfig::RowUpgrade));
                QTRY_VERIFY(g_fileWnd->isVisible());
                g_fileWnd->hide();
                emit g_fileWnd->sg_reply(name);
                QCoreApplication::processEvents();
                QVERIFY(g_msgWnd->isVisible());
                click(g_msgWnd->button(MSGBTN_OK));
                QVERIFY(ended(QStringLiteral("Upgrade")));
                QVERIFY(lastText(QStringLiteral("Upgrade")) != QLatin1String("Success"));
                for (const char* made : {"pwned", "pwned2"}) {
                    QVERIFY(!QFileInfo::exists(TPath::map("/backup/") + made));
                    QVERIFY(!QFileInfo::exists(TPath::map("/") + made));
                    QVERIFY(!QFileInfo::exists(QDir::current().filePath(made)));
                }
                return;
            }
            auto exportAs = [&](const QString& name) {
                status.clear();
                click(page->control(TSetupConfig::RowExport));
                if (!QTest::qWaitFor([] { return g_vkeyboard->isVisible(); }, 5000)) {
                    for (const QList<QVariant>& a : status)
                        qWarning() << a;
                    return false;
                }
                g_vkeyboard->setText(name);
                click(g_vkeyboard->okButton());
                // Over when its outcome showed and its thread ended.
                return ended(QStringLiteral("Configuration export"))
                       && QTest::qWaitFor([] { return !g_api.m_dvrTh || !g_api.m_dvrTh->isRunning(); }, 10000);
            };
            const QString title = QStringLiteral("Configuration export");
            if (what == "export twice") {
                QVERIFY(exportAs(QStringLiteral("dvr.conf")));
                QCOMPARE(lastText(title), QStringLiteral("Success"));
                QFile first(TPath::map("/backup/dvr.conf"));
                QVERIFY(first.open(QIODevice::ReadOnly));
                const QByteArray kept = first.readAll();
                first.close();
                QVERIFY(!kept.isEmpty());
                QVERIFY(exportAs(QStringLiteral("dvr.conf")));
                QCOMPARE(lastText(title), QStringLiteral("Failed! Same File Exist"));
                QVERIFY(first.open(QIODevice::ReadOnly));
                QCOMPARE(first.readAll(), kept);
                return;
            }
            QVERIFY(exportAs(QStringLiteral("../dvr/x.conf")));
            QCOMPARE(lastText(title), QStringLiteral("Failed"));
            QVERIFY(!QFileInfo::exists(TPath::map("/dvr/x.conf")));
            QCOMPARE(QDir(TPath::map("/")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
            return;
        }
        keys("40917263");
        QVERIFY(g_msgWnd->isVisible());
        QCOMPARE(Rig::journal({"DalEncrFormatSd"}).size(), 0);
        click(g_msgWnd->button(what == "format" ? MSGBTN_OK : MSGBTN_CANCEL));
        QTRY_COMPARE(Rig::journal({"DalEncrFormatSd"}).size(), what == "format" ? 1 : 0);
    }

    // The logged-in user's account: its id emptied and the user page
    // applied, or changed and OK, logs the user out, the former id as the
    // record's contents.
    void userLoggedOut_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<bool>("out");
        QTest::newRow("Apply, id emptied") << int(SA::Btn_System_User) << QByteArray() << true;
        QTest::newRow("Apply, id changed") << int(SA::Btn_System_User) << QByteArray("user9") << false;
        QTest::newRow("OK, id changed") << int(SA::Btn_Ok) << QByteArray("user9") << true;
        QTest::newRow("OK, password only") << int(SA::Btn_Ok) << QByteArray("user1") << false;
    }
    void userLoggedOut()
    {
        QFETCH(int, how);
        QFETCH(QByteArray, id);
        QFETCH(bool, out);
        Rig rig;
        rig.open(SA::Btn_System);
        UserAccount& a = rig.edit<PropUser>(IDX_PROP_USER)->user[1];
        qstrncpy(a.id, id.constData(), sizeof a.id);
        qstrncpy(a.pw, "4321", sizeof a.pw);
        rig.setup()->sl_action(how, 0, 0);
        QVERIFY(Rig::settled());
        QCOMPARE(rig.w->m_loggedIn, out ? 0 : 1);
        QCOMPARE(!Rig::logs().filter(QRegularExpression("^2002:")).isEmpty(), out);
        if (out) {
            LogRecord r[TDVRAPI::LAST_LOGS];
            const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
            for (int i = 0; i < n; ++i) {
                if (r[i].code == 0x2002)
                    QCOMPARE(QByteArray(r[i].user) + '|' + QByteArray(r[i].contents), QByteArray("|user1"));
            }
            QCOMPARE(rig.w->m_curUserIdx, 0);
        }
    }

    // One run at a time: an Apply and an OK 100 ms apart, or a remote setup
    // arriving during a local run, both run, in order; the apply flag stays
    // up until the last one ended.
    void oneRunAtATime_data()
    {
        QTest::addColumn<bool>("remote");
        QTest::newRow("Apply then OK") << false;
        QTest::newRow("remote over local") << true;
    }
    void oneRunAtATime()
    {
        QFETCH(bool, remote);
        Rig rig;
        rig.open(SA::Btn_Record);
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[0].cqual ^= 1;
        rig.edit<PropColor>(IDX_PROP_COLOR)->data[0].hue ^= 1;
        rig.setup()->sl_action(SA::Btn_Record_Record, 0, 0);
        QTest::qWait(100);
        QVERIFY(rig.w->setupTh()->isRunning());
        if (remote) {
            // The client's file changed the edit copy, then the facade asks.
            rig.edit<PropColor>(IDX_PROP_COLOR)->data[0].sat ^= 1;
            emit g_api.sg_dvrNotify(SIG_NET_SETUP, 0, 0, SA::Btn_Ok);
        } else {
            QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        }
        QCOMPARE(rig.w->setupTh()->queued(), 1);
        // Between the runs the flag stays up.
        QVERIFY(QTest::qWaitFor([&] { return rig.w->setupTh()->flag() == SA::Btn_Ok; }, 5000));
        QCOMPARE(g_api.m_applying, 1);
        QVERIFY(Rig::settled());
        // The remote run leaves the menu without a CANCEL and applies the
        // client's settings as OK does.
        const QStringList want{"3000:", "3001:", "3002:(Record)", "3002:(OK)"};
        QCOMPARE(Rig::setupLogs(), want);
        QCOMPARE(std::memcmp(rig.edit<PropColor>(IDX_PROP_COLOR), rig.live<PropColor>(IDX_PROP_COLOR),
                             sizeof(PropColor)),
                 0);
        QVERIFY(!rig.w->setupTh()->busy());
    }

    // Remote setup starts only OK, CANCEL and page ids; anything else is
    // refused and the apply flag the facade raised comes down.
    void remoteRefused_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rsType");
        QTest::addColumn<bool>("runs");
        QTest::newRow("82 refused") << int(SIG_NET_SETUP) << 82 << false;
        QTest::newRow("tab refused") << int(SIG_NET_SETUP) << 9 << false;
        QTest::newRow("-1 refused") << int(SIG_NET_RS_APPLY) << -1 << false;
        QTest::newRow("colour apply runs") << int(SIG_NET_RS_APPLY) << 8 << true;
        QTest::newRow("OK runs") << int(SIG_NET_SETUP) << 1 << true;
    }
    void remoteRefused()
    {
        QFETCH(int, code);
        QFETCH(int, rsType);
        QFETCH(bool, runs);
        Rig rig;
        g_api.setApplying(1);
        // Through the facade's notification, as the network thread sends it.
        emit g_api.sg_dvrNotify(code, 0, 0, rsType);
        QCOMPARE(rig.w->setupTh()->busy(), runs ? 1 : 0);
        QCOMPARE(g_api.m_applying, runs ? 1 : 0);
        QVERIFY(Rig::settled());
        QCOMPARE(rig.w->m_localSetup, 0);
    }

    // Remote previews are checked: a channel outside -1..videos-1, an alpha
    // outside 0..7, a press other than 0/1 reach no device; a display colour
    // component outside 0..3 reloads all four from the edit copy.
    void remotePreviews_data()
    {
        QTest::addColumn<int>("rsType");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("calls");
        QTest::newRow("colour ch 3") << 40 << 3 << 60 << "DalVinSetCSC" << 1;
        QTest::newRow("colour all") << 40 << -1 << 60 << "DalVinSetCSC" << 16;
        QTest::newRow("colour ch 16 of 16") << 40 << 16 << 60 << "DalVinSetCSC" << 0;
        QTest::newRow("colour ch -2") << 41 << -2 << 60 << "DalVinSetCSC" << 0;
        QTest::newRow("alpha 8") << 38 << 8 << 0 << "AlphaFill" << 0;
        QTest::newRow("display component 2") << 45 << 2 << 40 << "DalVoutSetCSC" << 1;
        QTest::newRow("display component 9: all four") << 45 << 9 << 40 << "DalVoutSetCSC" << 4;
        QTest::newRow("PTZ press 2") << 55 << 0 << 2 << "DalPtz" << 0;
        QTest::newRow("PTZ camera 99") << 57 << 99 << 1 << "DalPtz" << 0;
        QTest::newRow("privacy ch 40") << 47 << 40 << 0 << "DalVinSetMask" << 0;
        QTest::newRow("not a preview") << 46 << 0 << 0 << "DalVin" << 0;
    }
    void remotePreviews()
    {
        QFETCH(int, rsType);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, call);
        Rig rig;
        QVERIFY(rig.w->setupNotify(SIG_NET_RS_SET, a, b, rsType, QString(), QString()));
        QTEST(int(Rig::journal({call}).size()), "calls");
    }

    // The audio preview: off for 0; otherwise the edit copy's output, and an
    // output beyond the cameras is off.
    void audioPreview_data()
    {
        QTest::addColumn<int>("out");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("heard");
        QTest::newRow("camera 3") << 3 << 1 << 2;
        QTest::newRow("off asked") << 3 << 0 << -1;
        QTest::newRow("All Off") << 0 << 1 << -1;
        QTest::newRow("beyond the cameras") << 18 << 1 << -1;
    }
    void audioPreview()
    {
        QFETCH(int, out);
        QFETCH(int, a);
        Rig rig;
        rig.open(SA::Btn_Device);
        rig.edit<PropAudio>(IDX_PROP_AUDIO)->out = out;
        rig.setup()->sl_action(SA::Act_PrvAudio, a, 0);
        DalTestAudioState audio;
        dalTestAudioGetState(&audio);
        QTEST(int(audio.aout), "heard");
    }

    // The preview window: a preview page's show opens the device's viewing
    // window at the page's preview area; moving to another page closes it
    // and restores the layout; a second close finds nothing open and still
    // clears the rectangle.
    void previewWindow()
    {
        Rig rig;
        QVERIFY(rig.setup()->adoptPage(SA::Btn_Display_Osd, new TPreviewPage(nullptr, SA::Btn_Display_Osd, 0)));
        auto* colour = new TPreviewPage(nullptr, SA::Btn_Display_Color);
        QVERIFY(rig.setup()->adoptPage(SA::Btn_Display_Color, colour));
        rig.open(SA::Btn_Display);
        QCOMPARE(rig.w->m_pipRect, QRect(QPoint(0, 0), QPoint(-1, -1)));
        rig.setup()->sl_btnclicked(SA::Btn_Display_Color, 0);
        const QRect r = rig.w->m_pipRect;
        QCOMPARE(r, QRect(colour->mapToGlobal(QPoint(300, 60)), QSize(200, 150)));
        char want[96];
        std::snprintf(want, sizeof want, "DalVoutSetViw(0,%d,%d,", r.left(), r.top());
        QVERIFY(dalTestJournalFind(want) >= 0);
        dalTestJournalClear();
        rig.setup()->sl_btnclicked(SA::Btn_Display_Osd, 0);
        QVERIFY(dalTestJournalFind("DalVoutSetViw(0,0,0,0,0)") >= 0);
        QCOMPARE(rig.w->m_pipRect, QRect(QPoint(0, 0), QPoint(-1, -1)));
        dalTestJournalClear();
        rig.w->sl_fromSetup(SA::Act_PipHide, 0, 0);
        QVERIFY(dalTestJournalFind("DalVoutSetViw(0,0,0,0,0)") >= 0);
        QVERIFY(dalTestJournalFind("DalVoutSetLayout") >= 0);
        QCOMPARE(rig.w->m_pipRect, QRect(QPoint(0, 0), QPoint(-1, -1)));
    }

    // Power-off: "Please wait..." at once; the unplug text only once the
    // device has stopped, after a run under way ended.
    void powerOff()
    {
        Rig rig;
        rig.open(SA::Btn_System);
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[0].cqual ^= 1;
        rig.setup()->sl_action(SA::Btn_Record_Record, 0, 0);
        // Whether the device had stopped when the unplug text came.
        int stoppedFirst = -1;
        QObject probe;
        QObject::connect(rig.w, &TMain::sg_ctrlStatus, &probe, [&](int, QString, QString text) {
            if (text.contains("unplug"))
                stoppedFirst = Rig::journal({"DalExit"}).size();
        });
        rig.w->sl_fromSetup(SA::Btn_Shutdown, 0, 0);
        QCOMPARE(rig.w->m_powerOff, 1);
        QCOMPARE(rig.status(), QStringLiteral("Power Off/Please wait..."));
        QVERIFY(QTest::qWaitFor([&] { return rig.status().contains("unplug"); }, 8000));
        QCOMPARE(stoppedFirst, 1);
        QCOMPARE(g_api.m_applying, 0);
        const QStringList logs = Rig::logs();
        QVERIFY(logs.indexOf("3002:(Record)") >= 0);
        QVERIFY(logs.indexOf("1001:") > logs.indexOf("3002:(Record)"));

        // The shutdown record reached flash with the device's stop.
        TLog flash("/dvr/SYSTEM.log");
        bool shutdownInFlash = false;
        for (int i = 0; i < flash.count(); ++i) {
            LogRecord r;
            shutdownInFlash = shutdownInFlash || (flash.log_read(i, &r) == 1 && r.code == LOG_SYSTEM_SHUTDOWN);
        }
        QVERIFY(shutdownInFlash);
        // After the event loop the process waits for the power to go; a
        // SIGTERM ends that wait for main's tear-down, promptly.
        TStopSignals stop;
        std::atomic<int> result{-1};
        std::atomic<bool> waiting{false};
        std::thread waiter([&] {
            result = runAfterLoop(rig.w->m_upgrade, rig.w->m_powerOff, [&] {
                waiting = true;
                return stop.requested();
            });
        });
        QTRY_VERIFY(waiting.load());
        QCOMPARE(result.load(), -1);
        QCOMPARE(::kill(::getpid(), SIGTERM), 0);
        QTRY_COMPARE_WITH_TIMEOUT(result.load(), 0, 5000);
        waiter.join();
    }

    // Import: a name travels as text; a non-ASCII name is read from the
    // medium's folder into the edit copy; a name with a folder or ".." is
    // refused without a run; no name says "No Data".
    void import_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("imported");
        QTest::newRow("non-ASCII name") << QString::fromUtf8("\xec\x84\xa4\xec\xa0\x95 1.conf")
                                        << "Configuration Import/Please wait..." << true;
        QTest::newRow("folder refused") << "x/dvr.conf" << "Configuration Import/Failed!! Invalid Configuration File!!"
                                        << false;
        QTest::newRow("dot-dot refused") << "..conf" << "Configuration Import/Failed!! Invalid Configuration File!!"
                                         << false;
        QTest::newRow("no name") << "" << "Configuration Import/No Data" << false;
    }
    void import()
    {
        QFETCH(QString, name);
        QFETCH(bool, imported);
        Rig rig;
        // The unit's own file with one camera renamed, on the stick.
        rig.edit<PropCamera>(IDX_PROP_CAMERA)->data[0].name[0] = 'Z';
        rig.fx.cfg->apply(IDX_PROP_CAMERA, nullptr, nullptr, 1);
        QVERIFY(QDir().mkpath(TPath::map("/backup")));
        const QString stick = TPath::map(QStringLiteral("/backup/") + QString::fromUtf8("\xec\x84\xa4\xec\xa0\x95 1.conf"));
        QVERIFY(QFile::copy(TPath::map(rig.fx.cfg->tmpPath()), stick));
        rig.edit<PropCamera>(IDX_PROP_CAMERA)->data[0].name[0] = 'A';
        rig.fx.cfg->apply(IDX_PROP_CAMERA, nullptr, nullptr, 1);
        rig.open(SA::Btn_System);
        rig.setup()->sl_action(SA::Act_ConfImport, 0, 0, name);
        QTEST(rig.status(), "status");
        QCOMPARE(rig.w->setupTh()->busy(), imported ? 1 : 0);
        QVERIFY(Rig::settled());
        QCOMPARE(rig.edit<PropCamera>(IDX_PROP_CAMERA)->data[0].name[0], imported ? 'Z' : 'A');
        QCOMPARE(rig.live<PropCamera>(IDX_PROP_CAMERA)->data[0].name[0], 'A');
    }

    // The setup window's USB answers (detect 77, mount 78) carry the USB
    // stick's entry of the backup list.
    void usbEntry_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("act");
        QTest::newRow("detect") << int(SIG_BD_DETECT) << int(SA::Act_ConfDetect);
        QTest::newRow("mount") << int(SIG_BD_MOUNT) << int(SA::Act_ConfMount);
    }
    void usbEntry()
    {
        QFETCH(int, code);
        QFETCH(int, act);
        Rig rig;
        auto* page = new TEntryPage(nullptr, SA::Btn_System_Config);
        QVERIFY(rig.setup()->adoptPage(SA::Btn_System_Config, page));
        rig.open(SA::Btn_System);
        rig.setup()->sl_btnclicked(SA::Btn_System_Config, 0);
        QVERIFY(page->isVisible());
        g_api.registerCallbacks();
        DalInit();
        DalStart();
        dalTestBackupMedia(0, 1, 8ull << 30, 0);
        dalTestBackupMedia(1, 1, 4ull << 30, 0);
        g_api.detectExtSd(ID_WND_SETUP, act);
        QTRY_VERIFY(g_api.bdList().bd[0].name[0] != '\0');
        const QByteArray usb(g_api.bdList().bd[0].name);
        QVERIFY(usb != QByteArray(g_api.bdList().bd[1].name));
        QVERIFY(rig.w->setupNotify(code, ID_WND_SETUP, act, 1, QString(), QString()));
        QCOMPARE(page->m_entry, usb);
        QVERIFY(!rig.w->setupNotify(code, ID_WND_BACKUP, 27, 1, QString(), QString()));
    }

    // The upgrade screen: 440 x 200 pixels of 2 bytes, no header; the
    // download box filled with blue; the running version as four digits.
    void upgradeScreen_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("1042") << 1042 << "1.0.4.2";
        QTest::newRow("905") << 905 << "0.9.0.5";
    }
    void upgradeScreen()
    {
        QFETCH(int, version);
        QFETCH(QString, text);
        Rig rig;
        rig.live<PropDevices>(IDX_PROP_DEVICES)->version = version;
        QTEST(TMain::versionText(version), "text");
        rig.w->readyUpgradeImage("/dvr/upgradeImage.raw", "1.0.5.0");
        QFile f(TPath::map("/dvr/upgradeImage.raw"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        QCOMPARE(raw.size(), 176000);
        // A pixel inside the bar: blue in RGB565, high byte first.
        const int at = (130 * 440 + 250) * 2;
        QCOMPARE(raw.mid(at, 2), QByteArray("\x00\x1f", 2));
        // A pixel of the box's frame is not blue.
        QVERIFY(raw.mid((118 * 440 + 250) * 2, 2) != QByteArray("\x00\x1f", 2));
        // The image as the tool will show it, for a look.
        QImage look(440, 200, QImage::Format_RGB16);
        for (int y = 0; y < 200; ++y) {
            auto* line = reinterpret_cast<quint16*>(look.scanLine(y));
            for (int x = 0; x < 440; ++x)
                line[x] = quint16(uchar(raw[(y * 440 + x) * 2]) << 8 | uchar(raw[(y * 440 + x) * 2 + 1]));
        }
        look.save(vkeytest::grabPath(QString("upgrade-%1.png").arg(version)));
    }

    // A network firmware image: the screen written, the upgrade flagged and
    // the program shut down; a failed one restarts recording.
    void networkUpgrade()
    {
        Rig rig;
        QVERIFY(rig.w->setupNotify(SIG_FU_END, 0, 0, 0, QString(), QString()));
        QCOMPARE(Rig::journal({"DalEncrStart"}).size(), 1);
        QCOMPARE(rig.w->m_upgrade, 0);
        QVERIFY(rig.w->setupNotify(SIG_FU_END, 1, 0, 0, QString(), QStringLiteral("2.0.0.1")));
        QCOMPARE(rig.w->m_upgrade, 1);
        QVERIFY(QFile::exists(TPath::map("/dvr/upgradeImage.raw")));
        QVERIFY(Rig::logs().contains("7002:"));
    }
};

DVR_APP_TEST_MAIN(TMainSetupTest)
#include "tmain-setuptest.moc"
