#pragma once
// A 16-channel unit for configuration-object tests: a fresh runtime root, the
// stand-in device's capabilities, the device and factory-default records the
// start-up code would build, and a TConfig on "/dvr/DVR16.conf" installed as
// g_cfg while it lives.
#include "appglobals.h"
#include "fakecaps.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QFile>
#include <QScopedPointer>
#include <cstring>

namespace TestUnit {

inline const char kModelFile[] = "/dvr/DVR16.conf";
inline const char kRamFile[] = "/tmp/DVR16.conf";
inline const char kCommitFile[] = "/dvr/config.tmp";

inline PropDefault factory()
{
    PropDefault d;
    TDefault::setDefaults(&d);
    return d;
}

// The bytes of every section 0..36 of one copy.
inline QByteArray snapshot(TConfig& cfg, int live)
{
    QByteArray out;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
        out.append(static_cast<const char*>(cfg.getsection(idx, live)), TProperty::sectionSize(idx));
    return out;
}

template <typename T>
T& section(TConfig& cfg, int idx, int live)
{
    return *static_cast<T*>(cfg.getsection(idx, live));
}

class Unit
{
public:
    Unit()
    {
        FakeCaps::install16();
        devices = FakeCaps::devices();
        defaults = factory();
    }
    ~Unit()
    {
        if (g_cfg == cfg.data())
            g_cfg = nullptr;
        cfg.reset();
        FakeCaps::uninstall();
    }
    // Builds the configuration object the way main does (construct, full
    // save) and makes it g_cfg.
    TConfig& start()
    {
        if (g_cfg == cfg.data())
            g_cfg = nullptr;
        cfg.reset();
        cfg.reset(new TConfig(QString::fromLatin1(kModelFile), &devices, &defaults));
        cfg->save(-1);
        g_cfg = cfg.data();
        return *cfg;
    }

    TTestRoot root;
    PropDevices devices;
    PropDefault defaults;
    QScopedPointer<TConfig> cfg;
};

} // namespace TestUnit
