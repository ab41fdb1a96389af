#pragma once
// The main window brought up on the device-layer stand-in for the tests of
// its notifications and keys, with helpers that read the stand-in's journal
// and the system log.
#include "../common/dvr/tdvrfixture.h"
#include "../common/dvr/tsignallog.h"
#include "../ui/base/vkeytestenv.h"
#include "startup.h"
#include "tinfo.h"
#include "tmain.h"
#include "tmsgwnd.h"
#include "tosdhooks.h"
#include "treshooks.h"
#include "tsplitth.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <algorithm>
#include <iterator>

// A main window brought up on the stand-in's 1280 x 720 output (or the
// output of the resolution index res), as large as that output, or as large
// as the largest output the unit lists (wholeScreen), as the program makes
// it: the picture then fills only the window's top-left corner.
struct TMainRig
{
    // The hooks are the program's own (installHooks).
    explicit TMainRig(const char* profile = "16", int res = 3, bool wholeScreen = false)
        : fx(profile, &installHooks)
    {
        for (int live : {0, 1})
            static_cast<PropDisplay*>(fx.cfg->getsection(IDX_PROP_DISPLAY, live))->res = res;
        vkeytest::setUpGlobals();
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
        w = new TMain(nullptr, ID_WND_MAIN, wholeScreen ? screenSizeOf(g_api.m_voutCapsRec) : g_res->getSize(16));
        g_api.initOsd();
        dalTestSetManualTicks(1); // the tests give the ticks
        TSignalLog notes(&g_api, &TDVRAPI::sg_dvrNotify);
        w->sl_initDvr();
        QVERIFY(disksIn(notes));
        dalTestJournalClear();
    }
    ~TMainRig()
    {
        delete w;
        g_api.freeObjects();
        g_api.m_voutCaps = nullptr;
        g_osdHooks = TOsdHooks{};
        g_resHooks = TResHooks{};
    }
    // The disks mount with the status box up; the view starts once they
    // are in (a disk report among the notes) and the box is gone.
    bool disksIn(const TSignalLog& notes)
    {
        const bool in = QTest::qWaitFor([&notes] {
            return std::any_of(notes.cbegin(), notes.cend(),
                               [](const QList<QVariant>& n) { return n.at(0).toInt() == SIG_SD_INFO; });
        });
        QCoreApplication::processEvents();
        w->sl_ctrlStatus(SIG_STATE_END, QString(), QString());
        return in;
    }
    // The window shown and active, as on the recorder. Its first show
    // brings the device up again half a second later; that bring-up is over
    // when this returns (its calls out of the journal), so that its status
    // box cannot take the place of a test's own.
    bool showUp()
    {
        TSignalLog notes(&g_api, &TDVRAPI::sg_dvrNotify);
        w->show();
        QApplication::setActiveWindow(w);
        const bool up = QTest::qWaitForWindowActive(w) && disksIn(notes);
        dalTestJournalClear();
        return up;
    }
    // As the facade sends it: queued into the GUI thread.
    void notify(int code, int v1 = 0, int v2 = 0, int rs = 0, const QString& str = QString(),
                const QString& strm = QString())
    {
        emit g_api.sg_dvrNotify(code, v1, v2, rs, str, strm);
    }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            w->sl_fromDvr(SIG_IO_TIME, 0, 0);
    }
    static int calls(const char* name) { return journal(name).size(); }
    // The journal lines that begin with prefix, oldest first.
    static QStringList journal(const char* prefix)
    {
        QStringList out;
        char line[256];
        for (int i = 0; i < dalTestJournalCount(); ++i)
            if (dalTestJournalLine(i, line, sizeof line) >= 0 && QByteArray(line).startsWith(prefix))
                out << QString::fromLatin1(line);
        return out;
    }
    static QVector<int> logCodes()
    {
        LogRecord r[TDVRAPI::LAST_LOGS];
        const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
        QVector<int> out;
        for (int i = 0; i < n; ++i)
            out << r[i].code;
        return out;
    }
    // user1 with the backup right (or without) and every camera watched,
    // logged in on w.
    static void logInUser1(TMain* w, int backupRight = 1)
    {
        for (int live : {0, 1}) {
            UserAccount& a = static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, live))->user[1];
            qstrncpy(a.id, "user1", sizeof a.id);
            a.backup = uint8_t(backupRight);
            std::fill(std::begin(a.camlocal), std::end(a.camlocal), uint8_t(1));
        }
        g_api.setUserName("user1");
        w->m_loggedIn = 1;
        w->m_curUserIdx = 1;
    }
    // What an operator gives: the Menu key or the Backup key as the device
    // layer delivers them (the Backup key from the front panel or the
    // remote controller), or the right button's press on the live view
    // (the command menu); handled now, or queued behind what waits already.
    enum Input { MenuKey, RightButton, BackupKey, BackupRemote };
    static void operatorInput(TMain* w, Input what, bool queued)
    {
        const auto press = [w, what] {
            w->sl_fromDvr(what == BackupRemote ? SIG_IO_RMCKEY : SIG_IO_KEY, KEY_PRESS,
                          what == MenuKey ? Qt::Key_Menu : Qt::Key_F20);
        };
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(100, 100), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        if (what != RightButton && queued)
            QMetaObject::invokeMethod(w, press, Qt::QueuedConnection);
        else if (what != RightButton)
            press();
        else if (queued)
            QCoreApplication::postEvent(w, new QMouseEvent(click));
        else
            QCoreApplication::sendEvent(w, &click);
    }
    TMsgWnd* box() const { return static_cast<TMsgWnd*>(w->wnd(ID_WND_MSG)); }
    TInfo* bar() const { return static_cast<TInfo*>(w->wnd(ID_WND_INFO)); }

    TDvrFixture fx;
    TMain* w = nullptr;
};

