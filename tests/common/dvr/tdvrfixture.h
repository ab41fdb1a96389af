#pragma once
// A device facade ready for a test (TDvrFixture fx; or fx("20pal")): a fresh
// root, the stand-in reset to the profile, its configuration saved (g_cfg),
// the hooks installed, g_api initialised (log copy 50 ms after a write).
// The destructor removes the callbacks, stops the stand-in and the log copy.
#include "appglobals.h"
#include "dal_test.h"
#include "makedevinfo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tdvrhooks.h"
#include "tlogthread.h"
#include "ttestroot.h"

#include <QtTest>

class TDvrFixture
{
public:
    // hooks: what installs the hooks the store needs of the facade; the
    // main window's rigs give the program's own start-up routine.
    explicit TDvrFixture(const char* profile = "16", void (*hooks)() = &TDVRAPI::installConfigHooks)
    {
        dalTestReset();
        QVERIFY(dalTestSetProfile(profile) == 0);
        hooks();
        DalCaps caps;
        AvcCaps avc;
        g_api.getCaps(&caps, &avc, nullptr);
        makeDevInfo(&dev, caps, avc);
        PropDefault def;
        TDefault::setDefaults(&def);
        cfg = new TConfig(QStringLiteral("/dvr/%1.conf").arg(QLatin1String(dev.model)), &dev, &def);
        cfg->save(-1);
        g_cfg = cfg;
        g_api.init();
        g_api.m_logTh->setDelay(50);
    }

    ~TDvrFixture()
    {
        g_api.unregisterCallbacks();
        dalTestReset();
        g_api.m_logTh->finish();
        g_cfg = nullptr;
        delete cfg;
        g_dvrHooks = TDvrHooks{nullptr, nullptr, nullptr};
    }

    // A section of the live copy.
    template <class T> T* live(int idx) { return static_cast<T*>(cfg->getsection(idx, 1)); }

    TTestRoot root;
    PropDevices dev = {};
    TConfig* cfg = nullptr;
};
