// The recording load of the tables the setup pages edit, weighed by the load
// budget with the inputs the configuration object holds.
#include "tconfig.h"
#include "recordload.h"
#include "tdvrhooks.h"
#include "tproperty.h"

double TConfig::getrecordload(const RecordEntry* table, int channel)
{
    if (!table)
        return 0.0;
    // The same refreshed copy the frame-rate list hands out.
    dvrGetCaps(nullptr, &m_encoderCapability, nullptr);
    return TRecordLoad::tableLoad(table, m_live->channels(), channel, m_encoderCapability,
                            &m_edit->m_camera);
}

bool TConfig::isoverload(const RecordEntry* table, int limit)
{
    return TRecordLoad::isOverload(getrecordload(table, -1), limit);
}

QString TConfig::getrecordloadtext(const RecordEntry* table, int channel)
{
    return TRecordLoad::text(getrecordload(table, channel));
}
