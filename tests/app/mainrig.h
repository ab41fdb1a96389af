#pragma once
// A main window offscreen on a fresh facade and stand-in, with the operator's
// ways in: typing on the text keyboard, the last log record, the journal.
#include "../common/dvr/tdvrfixture.h"
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tmsgwnd.h"
#include "tstring.h"
#include "tvkeyboard.h"

#include <QtTest>

struct MainRig
{
    explicit MainRig(const char* profile = "16") : fx(profile)
    {
        vkeytest::setUpGlobals();
        w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
    }
    ~MainRig() { delete w; }

    static QString tx(int id) { return g_str->text(id); }
    PropUser* users() { return fx.live<PropUser>(IDX_PROP_USER); }
    // Account slot k: id, password and the rights setup, search, backup, PTZ.
    void account(int k, const char* id, const char* pw, const QVector<int>& rights = {})
    {
        UserAccount& a = users()->user[k];
        qstrncpy(a.id, id, sizeof a.id);
        qstrncpy(a.pw, pw, sizeof a.pw);
        uint8_t* r[4] = {&a.setup, &a.search, &a.backup, &a.ptz};
        for (int i = 0; i < 4; ++i)
            *r[i] = uint8_t(i < rights.size() ? rights[i] : 0);
    }
    // The password prompt answered by keys: digits, then OK (or Escape).
    static void typePassword(const QString& digits, bool ok = true)
    {
        QVERIFY(g_vkeyboard->isVisible());
        for (const QChar c : digits)
            vkeytest::key(g_vkeyboard, Qt::Key_0 + c.digitValue());
        if (ok)
            QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        else
            vkeytest::key(g_vkeyboard, Qt::Key_Escape);
        QVERIFY(!g_vkeyboard->isVisible());
    }
    // Logs account k in through the chooser's answer and the keyboard.
    void login(int k, const QString& digits)
    {
        w->sl_fromLogin(2, k);
        typePassword(digits);
    }
    static LogRecord lastLog()
    {
        LogRecord r = {};
        g_api.lastLogs(&r, 1);
        return r;
    }
    // The warning box's text, empty while it is hidden.
    static QString warning() { return g_msgWnd->isVisible() ? g_msgWnd->text() : QString(); }

    TDvrFixture fx;
    TMain* w = nullptr;
};
