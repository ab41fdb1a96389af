#pragma once
// The main window on a 1280 x 720 output with a user who has the setup
// right logged in: the rig of the tests that drive the setup menu through
// the main window, with the helpers they share. withTexts gives the option
// lists their texts before the window builds its pages; before (when given)
// sets up what the window reads as it is built.
#include "../common/dvr/tdvrfixture.h"
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "startup.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tproperty.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"
#include "tstring.h"

#include <QStringList>
#include <QTest>
#include <cstring>
#include <functional>

struct TSetupRig
{
    explicit TSetupRig(const char* profile = "16", bool withTexts = false,
                       const std::function<void(TDvrFixture&)>& before = nullptr)
        : fx(profile, &installHooks), m_texts(withTexts)
    {
        vkeytest::setUpGlobals();
        // The program's hooks, the option lists' texts only when asked.
        if (!m_texts)
            TConfig::setTextHook(nullptr);
        for (int live : {0, 1})
            static_cast<PropDisplay*>(fx.cfg->getsection(IDX_PROP_DISPLAY, live))->res = 3;
        if (before)
            before(fx);
        w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
        for (int live : {0, 1}) {
            UserAccount& a = static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, live))->user[1];
            qstrncpy(a.id, "user1", sizeof a.id);
            a.setup = 1;
        }
        g_api.setUserName("user1");
        w->m_loggedIn = 1;
        w->m_curUserIdx = 1;
    }
    ~TSetupRig()
    {
        delete w;
    }
    TSetupWnd* setup() const { return w->setupWnd(); }
    // A section of the edit and of the live copy.
    template <class T> T* edit(int idx) { return static_cast<T*>(fx.cfg->getsection(idx, 0)); }
    template <class T> T* live(int idx) { return static_cast<T*>(fx.cfg->getsection(idx, 1)); }
    // A section as stored: both copies and the model file in flash.
    template <class T> void store(int idx, const T& rec)
    {
        *edit<T>(idx) = rec;
        *live<T>(idx) = rec;
        fx.cfg->save(idx);
        fx.cfg->commitfile();
    }
    // A section of the model file in flash, read into a store of its own.
    template <class T> T fromFile(int idx)
    {
        TProperty file(fx.cfg->confPath());
        T rec;
        std::memcpy(&rec, file.section(idx), sizeof rec);
        return rec;
    }
    // The window shown and the device brought up.
    bool up()
    {
        w->show();
        return QTest::qWaitFor([this] { return w->m_initDone == 1; }, 5000);
    }
    // Waits until the apply thread ended its last run.
    static bool settled() { return QTest::qWaitFor([] { return g_api.m_applying == 0; }, 8000); }
    // The contents of the "Setup Changed" records kept, oldest first.
    static QStringList setupLogs()
    {
        LogRecord r[TDVRAPI::LAST_LOGS];
        const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
        QStringList out;
        for (int i = 0; i < n; ++i) {
            if (r[i].code == 0x3002)
                out << QString::fromUtf8(r[i].contents);
        }
        return out;
    }
    // The status box as "title/text" while it shows, else empty.
    QString status() const
    {
        auto* box = static_cast<TStatusWnd*>(w->wnd(ID_WND_STATUS));
        return box->isVisible() ? box->title() + "/" + box->text() : QString();
    }

    TDvrFixture fx;
    TMain* w = nullptr;

private:
    bool m_texts;
};
