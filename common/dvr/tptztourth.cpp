#include "tptztourth.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrapi.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
template <class T> const T* liveSection(int idx)
{
    return static_cast<const T*>(g_cfg->getsection(idx, 1));
}
}

TPtztourth::TPtztourth(TDVRAPI* api)
    : QThread(api)
    , m_api(api)
{
}

TPtztourth::~TPtztourth()
{
    {
        QMutexLocker lock(&m_mutex);
        m_run = false;
        m_wake.wakeAll();
    }
    wait();
}

int TPtztourth::findDriver(const PtzEntry& entry)
{
    // The device layer takes the line as its binding record.
    static_assert(sizeof(DalPtzBind) == sizeof(PtzEntry), "a PTZ line is the binding record");
    DalPtzBind bind;
    std::memcpy(bind.driver, entry.driver, sizeof bind.driver);
    bind.driver[sizeof bind.driver - 1] = '\0';
    bind.addr = entry.addr;
    bind.baud = entry.baud;
    return DalPtzFindDriver(&bind);
}

void TPtztourth::range(int ch, int* first, int* last)
{
    *first = ch < 0 ? 0 : qMin(ch, int(CHANNELS));
    *last = ch < 0 ? int(CHANNELS) : qMin(ch + 1, int(CHANNELS));
}

int TPtztourth::dwellOf(int ch) const
{
    const int dur = liveSection<PropPreset>(IDX_PROP_PRESET)->ch[ch].dur;
    return int(g_cfg->getvaluefromindex(IDX_DATA_PTZ_DWELL, dur));
}

void TPtztourth::load(int ch)
{
    int first, last;
    range(ch, &first, &last);
    QMutexLocker lock(&m_mutex);
    for (int i = first; i < last; ++i)
        m_tour[i] = Tour();
    if (!g_cfg)
        return;
    const PropPtz* ptz = liveSection<PropPtz>(IDX_PROP_PTZ);
    const PropPreset* presets = liveSection<PropPreset>(IDX_PROP_PRESET);
    last = qMin(last, m_api->channelCount());
    for (int i = first; i < last; ++i) {
        Tour& t = m_tour[i];
        const PtzEntry& line = ptz->ch[i];
        const PresetChannel& p = presets->ch[i];
        t.driver = findDriver(line);
        if (t.driver <= 0)
            continue;
        DalPtzSetAddr(line.addr, t.driver, line.baud, p.speedpan + 1, p.speedtilt + 1);
        t.tourOn = p.tourOn;
        t.addr = line.addr;
        t.dwell = t.count = dwellOf(i);
        int n = 0;
        for (int s = 0; s < STEPS; ++s) {
            const int number = p.seq[s];
            if (number > 0 && number <= STEPS && p.preset[number - 1].on)
                t.list[n++] = number;
        }
    }
}

bool TPtztourth::hasTour() const
{
    if (!g_cfg)
        return false;
    const PropPtz* ptz = liveSection<PropPtz>(IDX_PROP_PTZ);
    const PropPreset* presets = liveSection<PropPreset>(IDX_PROP_PRESET);
    const int n = m_api->channelCount();
    for (int i = 0; i < n; ++i) {
        const PresetChannel& p = presets->ch[i];
        if (!p.tourOn || findDriver(ptz->ch[i]) <= 0)
            continue;
        bool presetOn = false;
        bool stepSet = false;
        for (int s = 0; s < STEPS; ++s) {
            presetOn = presetOn || p.preset[s].on;
            stepSet = stepSet || p.seq[s] > 0;
        }
        if (presetOn && stepSet)
            return true;
    }
    return false;
}

void TPtztourth::startCh(int ch)
{
    int first, last;
    range(ch, &first, &last);
    QMutexLocker lock(&m_mutex);
    for (int i = first; i < last; ++i) {
        Tour& t = m_tour[i];
        if (t.driver <= 0 || !g_cfg)
            continue;
        t.dwell = t.count = dwellOf(i);
        t.step = 0;
        if (t.tourOn)
            t.act = 1;
    }
}

void TPtztourth::stopCh(int ch)
{
    int first, last;
    range(ch, &first, &last);
    QMutexLocker lock(&m_mutex);
    for (int i = first; i < last; ++i) {
        Tour& t = m_tour[i];
        t.act = 0;
        t.step = 0;
        if (g_cfg)
            t.dwell = t.count = dwellOf(i);
    }
}

void TPtztourth::stopAll()
{
    QMutexLocker serial(&m_startMutex);
    {
        QMutexLocker lock(&m_mutex);
        m_run = false;
        m_wake.wakeAll();
    }
    stopCh(-1);
}

void TPtztourth::begin()
{
    QMutexLocker serial(&m_startMutex);
    if (isRunning()) {
        QMutexLocker lock(&m_mutex);
        if (m_run)
            return;
    }
    // A thread told to end finishes its second first; then it starts anew.
    wait();
    {
        QMutexLocker lock(&m_mutex);
        m_run = true;
    }
    start(QThread::InheritPriority);
}

void TPtztourth::step()
{
    QMutexLocker lock(&m_mutex);
    const int n = m_api->channelCount();
    for (int i = 0; i < n; ++i) {
        if (m_api->m_presetHold[i] > 0)
            continue;
        Tour& t = m_tour[i];
        qCDebug(lcApi, "TPtzthread::run i:%d act:%d on:%d", i, t.act, t.tourOn);
        if (!t.act || !t.tourOn)
            continue;
        if (t.count == t.dwell && t.list[t.step] > 0)
            DalPtzPreset(t.addr, 25, t.list[t.step] - 1);
        if (--t.count < 1) {
            ++t.step;
            t.count = t.dwell;
            if (t.step >= STEPS || t.list[t.step] == 0)
                t.step = 0;
            qCDebug(lcApi, "=======ptz thread run[%d]=%d==========", i, t.step);
        }
    }
}

TPtztourth::Tour TPtztourth::tour(int ch) const
{
    QMutexLocker lock(&m_mutex);
    return ch >= 0 && ch < CHANNELS ? m_tour[ch] : Tour();
}

void TPtztourth::run()
{
    for (;;) {
        step();
        QMutexLocker lock(&m_mutex);
        // A second, cut short only when the thread is told to end.
        QDeadlineTimer second(1000);
        while (m_run && !second.hasExpired())
            m_wake.wait(&m_mutex, second);
        if (!m_run)
            break;
    }
    qCDebug(lcApi, "TPtztourth::run exit");
}
