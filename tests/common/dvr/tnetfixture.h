#pragma once
// A facade for the network tests: the fixture with the device layer
// started and its callbacks registered, the English UI texts the network
// area shows, and remote-setup packets built as the client sends them
// (numbers big-endian).
#include "dvrtext.h"
#include "tdvrfixture.h"

#include "tproperty.h"
#include "tsignallog.h"
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

inline QString netText(int id)
{
    static const QHash<int, QString> texts = {
        {81, "Port"}, {89, "S.M.A.R.T."}, {101, "Sensor"}, {102, "Motion"}, {103, "VideoLoss"}, {116, "Success"},
        {153, "IP"}, {198, "Please wait..."}, {212, "Failed"}, {288, "DVR Busy!!"}, {289, "Failed!! Invalid Setting!!"},
        {323, "DDNS Test"}, {324, "UPNP Test"}, {330, "E-mail Test"}, {348, "NTP Sync"}, {395, "POS"}};
    return texts.value(id);
}

class TNetFixture : public TDvrFixture
{
public:
    explicit TNetFixture(const char* profile = "16")
        : TDvrFixture(profile)
    {
        setDvrTextHook(&netText);
        g_api.registerCallbacks();
        DalInit();
        DalStart();
        dalTestJournalClear();
    }
    ~TNetFixture() { setDvrTextHook(nullptr); }
    template <class T> T* edit(int idx) { return static_cast<T*>(cfg->getsection(idx, 0)); }
};

// A payload as the remote client writes it.
struct TPayload {
    QByteArray bytes;
    TPayload& u32(quint32 v)
    {
        char be[4];
        qToBigEndian(v, be);
        bytes.append(be, 4);
        return *this;
    }
    TPayload& text(const QByteArray& t) { return raw(t + '\0'); }
    TPayload& raw(const QByteArray& b)
    {
        bytes.append(b);
        return *this;
    }
};

inline QByteArray be32(quint32 v)
{
    return TPayload().u32(v).bytes;
}

// A fixed-width text field, zero padded.
inline QByteArray field(const QByteArray& text, int width)
{
    return text.leftJustified(width, '\0', true);
}

// Serves the work other threads hand to this one, the GUI thread, until
// done answers true.
inline void serveUntil(const std::function<bool()>& done)
{
    while (!done()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

// Sends a packet announcing len payload bytes (-1: the payload's size);
// the reply's bytes.
inline QByteArray sendPacket(int cmd, const QByteArray& payload, int len = -1)
{
    NetpackReply reply;
    std::memset(&reply, 0xA5, sizeof reply);
    // The client waits on its own thread while this one, the GUI thread,
    // takes the commands that work on the configuration.
    std::atomic<bool> done{false};
    std::thread client([&] {
        dalTestNetPacket(cmd, len < 0 ? quint32(payload.size()) : quint32(len), payload.constData(), payload.size(),
                         &reply);
        done = true;
    });
    serveUntil([&done] { return done.load(); });
    client.join();
    // The notifications the packet caused reach the test's thread queued.
    QCoreApplication::processEvents();
    if (reply.len > DAL_NETREPLY_SIZE)
        return "reply length beyond its buffer";
    return QByteArray(reinterpret_cast<const char*>(reply.buf), int(reply.len));
}

// The edit copy's sections a remote command may change, as bytes.
inline QByteArray editCopy(TConfig* cfg)
{
    QByteArray out;
    for (int idx = 1; idx < IDX_PROP_AVCCAPS; ++idx)
        out.append(static_cast<const char*>(cfg->getsection(idx, 0)), TProperty::sectionSize(idx));
    return out;
}

// The codes of the notifications seen.
inline QList<int> codes(const TSignalLog& spy)
{
    QList<int> out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toInt();
    return out;
}

inline QStringList journal()
{
    QStringList out;
    char line[512];
    for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i)
        out << QString::fromUtf8(line);
    return out;
}
