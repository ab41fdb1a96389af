#pragma once
// The facade's notifications (sg_dvrNotify) as the test's thread receives
// them. The device layer emits from its own threads: a QSignalSpy connected
// directly is appended to there while the test walks it. Here each
// notification is queued to the test's thread and kept as the spy keeps it
// (type, val1, val2, rs_type, str, strm); take() first delivers every one
// posted so far, so a reading never misses one already sent.
#include "tdvrapi.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QVariant>

class TNotifyLog
{
public:
    explicit TNotifyLog(TDVRAPI* api)
    {
        QObject::connect(
            api, &TDVRAPI::sg_dvrNotify, &m_receiver,
            [this](int type, int val1, int val2, int rsType, const QString& str, const QString& strm) {
                m_seen << QVariantList{type, val1, val2, rsType, str, strm};
            },
            Qt::QueuedConnection);
    }

    QList<QVariantList> take()
    {
        QCoreApplication::sendPostedEvents(&m_receiver, QEvent::MetaCall);
        return m_seen;
    }

    // The codes of the notifications seen.
    QList<int> codes()
    {
        QList<int> out;
        for (const QVariantList& n : take())
            out << n.at(0).toInt();
        return out;
    }

private:
    QObject m_receiver;
    QList<QVariantList> m_seen;
};
