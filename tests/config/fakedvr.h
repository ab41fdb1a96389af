#pragma once
// Test fakes of the device operations the configuration store calls, and a
// few helpers to build a configuration from INI text. Shared by the section
// tests of this folder.
#include "appglobals.h"
#include "tdefault.h"
#include "tdvrhooks.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <cstring>

class TFakeDvr
{
public:
    // The encoder and output capabilities the fake device reports; tests
    // change them before they build a configuration.
    static AvcCaps& avc()
    {
        static AvcCaps caps;
        return caps;
    }
    static VoutCaps& vout()
    {
        static VoutCaps caps;
        return caps;
    }
    static int& inputRes()
    {
        static int ridx = 0;
        return ridx;
    }

    // A 4-resolution, 8-step encoder with an 18 x 22 motion grid.
    static void install()
    {
        AvcCaps& a = avc();
        std::memset(&a, 0, sizeof a);
        a.num_rridx = 4;
        const double ratios[4] = {1.0, 0.5, 0.25, 4.0};
        for (int i = 0; i < 4; ++i) {
            a.rridx[i].xres = 704 >> i;
            a.rridx[i].yres = 480 >> i;
            a.rridx[i].max_fps = 120;
            a.rridx[i].ratio = ratios[i];
        }
        a.num_nridx = 3;
        a.num_fidx = 8;
        const double fps[8] = {30, 25, 20, 15, 10, 7.5, 5, 1};
        for (int i = 0; i < 8; ++i)
            a.fidx2fps[i] = fps[i];
        a.md_row = 18;
        a.md_col = 22;
        VoutCaps& v = vout();
        std::memset(&v, 0, sizeof v);
        v.numRes = 4;
        v.numResHd = 2;
        inputRes() = 0;
        g_dvrHooks.getCaps = &getCaps;
        g_dvrHooks.scaleRate = nullptr;
        g_dvrHooks.vinGetInfo = &vinGetInfo;
    }

    static void uninstall() { g_dvrHooks = TDvrHooks{nullptr, nullptr, nullptr}; }

private:
    static int getCaps(DalCaps*, AvcCaps* a, VoutCaps* v)
    {
        if (a)
            *a = avc();
        if (v)
            *v = vout();
        return 0;
    }
    static int vinGetInfo(int, VinInfo* info)
    {
        info->ridx = inputRes();
        return 0;
    }
};

// Installs an OEM variant for the life of the object (g_default), the
// generic branch again afterwards.
class TOemScope
{
public:
    explicit TOemScope(int variant)
        : m_def(QStringLiteral("/dvr/no-such-default.conf"))
    {
        PropDefault rec;
        TDefault::setDefaults(&rec);
        if (variant >= 0 && variant < TDefault::OEM_COUNT)
            qstrncpy(rec.oem, TDefault::oemName(variant), sizeof rec.oem);
        m_def.setRecord(&rec);
        if (variant >= 0)
            g_default = &m_def;
    }
    ~TOemScope() { g_default = nullptr; }

private:
    TDefault m_def;
};

// A device record with the counts given (the rest as a 16-channel unit).
inline PropDevices testDevices(int videos = 16, int audios = 4, int sensors = 16,
                               int alarmouts = 7)
{
    PropDevices d;
    std::memset(&d, 0, sizeof d);
    qstrncpy(d.model, "T16", sizeof d.model);
    qstrncpy(d.board, "B1", sizeof d.board);
    d.ntsc = 1;
    d.version = 1000;
    d.videos = videos;
    d.audios = audios;
    d.sensors = sensors;
    d.alarmouts = alarmouts;
    d.txtin = videos;
    d.uarts = 1;
    d.storage = 2;
    d.users = 8;
    d.frames = 480;
    d.netframes = 480;
    return d;
}

inline QByteArray devicesGroup(const PropDevices& d)
{
    return QByteArray("[DEVICES]\nmodel=") + d.model + "\nvideos=" + QByteArray::number(d.videos) +
           "\naudios=" + QByteArray::number(d.audios) + "\nsensors=" +
           QByteArray::number(d.sensors) + "\nalarmouts=" + QByteArray::number(d.alarmouts) +
           "\ntxtin=" + QByteArray::number(d.txtin) + "\nstorage=" +
           QByteArray::number(d.storage) + "\nusers=" + QByteArray::number(d.users) +
           "\nframes=" + QByteArray::number(d.frames) + "\n\n";
}

// The lines of one group of an INI text, from its header up to the next
// header (the blank separator line excluded).
inline QByteArray groupText(const QByteArray& ini, const QByteArray& group)
{
    const QByteArray head = "[" + group + "]\n";
    const int at = ini.startsWith(head) ? 0 : ini.indexOf("\n" + head);
    if (at < 0)
        return QByteArray();
    const int from = at == 0 ? 0 : at + 1;
    int end = ini.indexOf("\n[", from);
    QByteArray out = ini.mid(from, end < 0 ? -1 : end + 1 - from);
    while (out.endsWith("\n\n"))
        out.chop(1);
    return out;
}

inline QByteArray iniValue(const QByteArray& ini, const QByteArray& group, const QByteArray& key)
{
    for (const QByteArray& line : groupText(ini, group).split('\n')) {
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1);
    }
    return QByteArray();
}

inline int iniKeyCount(const QByteArray& ini, const QByteArray& group)
{
    int n = 0;
    for (const QByteArray& line : groupText(ini, group).split('\n')) {
        if (line.contains('='))
            ++n;
    }
    return n;
}

// Writes the text to "/tmp/t.conf" of root. QSettings takes a file of the
// size and time stamp it read before for unchanged, so each text gets a time
// stamp of its own (two texts of one size within a millisecond would read
// as the first).
inline void writeConfText(const TTestRoot& root, const QByteArray& ini)
{
    static int s_written = 0;
    QFile f(root.file(QStringLiteral("/tmp/t.conf")));
    if (root.write(QStringLiteral("/tmp/t.conf"), ini) && f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime().addSecs(++s_written), QFileDevice::FileModificationTime);
}

// A configuration read from INI text written to "/tmp/t.conf" of root (the
// DEVICES group of the text gives the counts).
inline TProperty* propertyFromText(const TTestRoot& root, const QByteArray& ini)
{
    writeConfText(root, ini);
    return new TProperty(QStringLiteral("/tmp/t.conf"));
}

// The same as the configuration object builds its copies: the device record
// and the factory defaults record given, the other sections from the text.
inline TProperty* propertyWithRecords(const TTestRoot& root, const QByteArray& ini,
                                      const PropDevices& dev)
{
    writeConfText(root, ini);
    PropDefault def;
    TDefault::setDefaults(&def);
    return new TProperty(QStringLiteral("/tmp/t.conf"), &dev, &def);
}
