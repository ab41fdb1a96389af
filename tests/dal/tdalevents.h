#pragma once
#include "dal.h"
#include "dal_test.h"

#include <QThread>
#include <QVector>
#include <mutex>

using DalEventList = QVector<QVector<int>>;

// Records what the stand-in's callbacks deliver on its own threads: each
// event as {family (0 IO, 1 video input, 2 encoder), type, a, b}; IO ticks
// are counted apart.
class TDalEvents
{
public:
    void registerAll()
    {
        DalIoSetCb(io, this);
        DalVinSetCb(vin, this);
        DalEncrSetCb(nullptr, enc, this);
    }
    DalEventList events()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    int ticks()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_ticks;
    }
    int lastTick()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lastTick;
    }
    Qt::HANDLE thread(int family)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_threads[family];
    }

private:
    void add(int family, int type, int a, int b)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_threads[family] = QThread::currentThreadId();
        if (family == 0 && type == CBT_IO_TIME) {
            ++m_ticks;
            m_lastTick = b;
        } else {
            m_events.push_back({family, type, a, b});
        }
    }
    static int io(void* ctx, int type, int from, int data)
    {
        static_cast<TDalEvents*>(ctx)->add(0, type, from, data);
        return 0;
    }
    static int vin(void* ctx, int type, const VinEvent* ev)
    {
        static_cast<TDalEvents*>(ctx)->add(1, type, ev->ch, ev->value);
        return 0;
    }
    static int enc(void* ctx, int type, int ch, int data, const char*)
    {
        static_cast<TDalEvents*>(ctx)->add(2, type, ch, data);
        return 0;
    }

    std::mutex m_mutex;
    DalEventList m_events;
    int m_ticks = 0;
    int m_lastTick = 0;
    Qt::HANDLE m_threads[3] = {};
};
