#pragma once
#include "dal.h"
#include "dal_test.h"

#include <QThread>
#include <QVector>
#include <atomic>
#include <mutex>

using DalEventList = QVector<QVector<int>>;

// Records what the stand-in's callbacks deliver on its own threads: each
// event as {family (0 IO, 1 video input, 2 encoder, 3 POS), type, a, b}; IO ticks
// are counted apart, with the thread each family last ran on.
struct TDalEvents {
    std::atomic<int> ticks{0};
    std::atomic<int> lastTick{0};
    std::atomic<Qt::HANDLE> thread[4] = {};

    void registerAll()
    {
        DalIoSetCb([](void* c, int type, int from, int data) { return add(c, 0, type, from, data); }, this);
        DalVinSetCb([](void* c, int type, const VinEvent* ev) { return add(c, 1, type, ev->ch, ev->value); }, this);
        DalEncrSetCb(nullptr, [](void* c, int type, int ch, int data, const char*) { return add(c, 2, type, ch, data); }, this);
        DalPosSetCb([](void* c, int type, int ch, int value, const char*) { return add(c, 3, type, ch, value); }, this);
    }
    // A deep copy: the list and its rows share nothing with the one the
    // callbacks go on appending to.
    DalEventList events()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        DalEventList out;
        out.reserve(m_events.size());
        for (const QVector<int>& e : m_events)
            out.append(QVector<int>(e.cbegin(), e.cend()));
        return out;
    }

private:
    static int add(void* ctx, int family, int type, int a, int b)
    {
        TDalEvents* s = static_cast<TDalEvents*>(ctx);
        s->thread[family] = QThread::currentThreadId();
        if (family == 0 && type == CBT_IO_TIME) {
            s->lastTick = b;
            ++s->ticks;
        } else {
            std::lock_guard<std::mutex> lock(s->m_mutex);
            s->m_events.push_back({family, type, a, b});
        }
        return 0;
    }

    std::mutex m_mutex;
    DalEventList m_events;
};
