// Recording sections: RECORD, GROUP, SCHEDULE, HOLIDAY and EVENT.
#include "recordload.h"
#include "tdvrhooks.h"
#include "tproperty.h"

#include <QLoggingCategory>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// The counts of the encoder's record resolutions and frame-rate steps that a
// stored index is checked against, never above the capability tables, so an
// index that passes can index them.
struct RecordCaps {
    int rridx;
    int fidx;
};

RecordCaps fetchRecordCaps()
{
    AvcCaps caps;
    dvrGetCaps(nullptr, &caps, nullptr);
    auto bound = [](int n, int size) { return n < 0 ? 0 : (n > size ? size : n); };
    return {bound(caps.num_rridx, AVC_MAX_RRIDX), bound(caps.num_fidx, AVC_MAX_FIDX)};
}

// The record text's field order differs from the record's declared order.
enum { F_MODE, F_AUDIO, F_CRIDX, F_CQUAL, F_CFIDX, F_ERIDX, F_EQUAL, F_EFIDX, F_PREDUR,
       F_POSTDUR, F_COUNT };

QString recordText(const RecordEntry& e)
{
    const int v[F_COUNT] = {e.mode, e.audio, e.cridx, e.cqual, e.cfidx,
                            e.eridx, e.equal, e.efidx, e.predur, e.postdur};
    return TProperty::fieldList(v, F_COUNT);
}

// One entry from its record text; the numbers missing from the text keep
// those of the channel's default entry d. Every index is checked against what
// the encoder offers now.
RecordEntry parseRecordText(const QByteArray& text, const RecordEntry& d, const RecordCaps& caps,
                            int channel)
{
    int v[F_COUNT] = {d.mode, d.audio, d.cridx, d.cqual, d.cfidx,
                      d.eridx, d.equal, d.efidx, d.predur, d.postdur};
    if (!text.isEmpty())
        TProperty::scanFieldList(text, v, F_COUNT);
    RecordEntry e = d;
    e.mode = uint8_t(v[F_MODE]);
    if (e.mode > 3)
        e.mode = 0;
    e.audio = uint8_t(v[F_AUDIO]);
    e.cridx = uint8_t(v[F_CRIDX]);
    if (e.cridx >= caps.rridx)
        e.cridx = 0;
    e.cqual = uint8_t(v[F_CQUAL]);
    if (e.cqual > 3)
        e.cqual = 0;
    e.cfidx = uint8_t(v[F_CFIDX]);
    if (e.cfidx >= caps.fidx) {
        qCDebug(lcConfig, "loadRecord.. i:%d cfidx:%d num_fidx:%d", channel, int(e.cfidx),
                caps.fidx);
        e.cfidx = 0;
    }
    e.eridx = uint8_t(v[F_ERIDX]);
    if (e.eridx >= caps.rridx)
        e.eridx = 0;
    e.equal = uint8_t(v[F_EQUAL]);
    if (e.equal > 3)
        e.equal = 0;
    e.efidx = uint8_t(v[F_EFIDX]);
    if (e.efidx >= caps.fidx)
        e.efidx = 0;
    e.predur = int16_t(v[F_PREDUR]);
    if (uint16_t(e.predur) > 4)
        e.predur = 0;
    e.postdur = int16_t(v[F_POSTDUR]);
    if (uint16_t(e.postdur) > 55)
        e.postdur = 10;
    return e;
}

// Character k of a digit text as a number 0..9; 0 past the end or for a
// character that is no digit.
int cellAt(const QString& text, int k)
{
    if (k >= text.size())
        return 0;
    const QChar ch = text.at(k);
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9') ? ch.unicode() - '0' : 0;
}

QString numberRow(const uint8_t* cells, int count)
{
    QString out;
    for (int k = 0; k < count; ++k)
        out += QString::number(cells[k]);
    return out;
}

} // namespace

// ---- Shared -----------------------------------------------------------------------

void TProperty::makeDefRecordEntry(RecordEntry* out, int channel) const
{
    std::memset(out, 0, sizeof *out);
    out->mode = 1;
    out->audio = channel < m_devices.audios ? 1 : 0;
    out->postdur = 10; // 15 seconds
    out->predur = 0;
}

void TProperty::makeDefEvent(uint8_t out[PROP_MAX_CH][PROP_MAX_CH]) const
{
    std::memset(out, 0, sizeof(uint8_t) * PROP_MAX_CH * PROP_MAX_CH);
    const int n = channels();
    const int sensors = sensorInputs();
    for (int i = 0; i < n; ++i)
        out[i][i] = i < sensors ? 3 : 2;
}

int TProperty::calcRecordLoad(const RecordEntry table[PROP_MAX_CH]) const
{
    if (channels() <= 0)
        return 0;
    return int(TRecordLoad::tableLoad(table, channels(), -1, nullptr));
}

// ---- RECORD ---------------------------------------------------------------------------

void TProperty::defRecord()
{
    for (int c = 0; c < PROP_MAX_CH; ++c)
        makeDefRecordEntry(&m_record.data[c], c);
}

// Reads the channels in use over what the record holds; a table that asks
// more of the encoder than its frame budget (a file of a larger model) is
// replaced by the default table.
void TProperty::loadRecord()
{
    const RecordCaps caps = fetchRecordCaps();
    const int n = channels();
    beginGroup(QStringLiteral("RECORD"));
    for (int c = 0; c < n; ++c) {
        RecordEntry d;
        makeDefRecordEntry(&d, c);
        m_record.data[c] = parseRecordText(readBytes(indexedKey("data%02d", c), QByteArray()),
                                           d, caps, c);
    }
    endGroup();
    if (calcRecordLoad(m_record.data) > m_devices.frames)
        defRecord();
}

void TProperty::saveRecord()
{
    const int n = channels();
    beginSave("RECORD");
    for (int c = 0; c < n; ++c)
        setValue(indexedKey("data%02d", c), recordText(m_record.data[c]));
    endGroup();
}

// ---- GROUP -----------------------------------------------------------------------------

void TProperty::defGroup()
{
    for (int g = 0; g < PROP_MAX_GROUPS; ++g) {
        for (int c = 0; c < PROP_MAX_CH; ++c) {
            RecordEntry& e = m_group.data[g][c];
            makeDefRecordEntry(&e, c);
            if (g == 1)
                e.mode = 2; // B: event
            else if (g == 2)
                e.mode = 3; // C: continuous and event
        }
    }
}

// Groups are read in order; the first one over the frame budget stops the
// reading, and then all four groups take their defaults.
void TProperty::loadGroup()
{
    const RecordCaps caps = fetchRecordCaps();
    const int n = channels();
    bool over = false;
    beginGroup(QStringLiteral("GROUP"));
    for (int g = 0; g < PROP_MAX_GROUPS && !over; ++g) {
        for (int c = 0; c < n; ++c) {
            RecordEntry d;
            makeDefRecordEntry(&d, c);
            m_group.data[g][c] = parseRecordText(
                readBytes(indexedKey("g%02ddata%02d", g, c), QByteArray()), d, caps, c);
        }
        over = calcRecordLoad(m_group.data[g]) > m_devices.frames;
    }
    endGroup();
    if (over)
        defGroup();
}

void TProperty::saveGroup()
{
    const int n = channels();
    beginSave("GROUP");
    for (int g = 0; g < PROP_MAX_GROUPS; ++g) {
        for (int c = 0; c < n; ++c)
            setValue(indexedKey("g%02ddata%02d", g, c), recordText(m_group.data[g][c]));
    }
    endGroup();
}

// ---- SCHEDULE ----------------------------------------------------------------------

void TProperty::defSchedule()
{
    std::memset(&m_schedule, 0, sizeof m_schedule);
    m_schedule.on = 0;
    m_schedule.holiydayOn = 1;
    std::memset(m_schedule.data, 4, sizeof m_schedule.data);
}

// A missing row gives "no recording" everywhere; a short or damaged row gives
// group A (0) in the cells it does not carry.
void TProperty::loadSchedule()
{
    defSchedule();
    beginGroup(QStringLiteral("SCHEDULE"));
    m_schedule.on = readBool(QStringLiteral("on"), m_schedule.on);
    m_schedule.holiydayOn = readBool(QStringLiteral("holiydayOn"), m_schedule.holiydayOn);
    const QByteArray none(PROP_SCHED_CELLS, '4');
    for (int r = 0; r < PROP_SCHED_ROWS; ++r) {
        const QString text = QString::fromUtf8(readBytes(indexedKey("data%d", r), none));
        for (int k = 0; k < PROP_SCHED_CELLS; ++k) {
            const int v = cellAt(text, k);
            m_schedule.data[r][k] = uint8_t(v > 4 ? 0 : v);
        }
    }
    endGroup();
}

void TProperty::saveSchedule()
{
    beginSave("SCHEDULE");
    setValue(QStringLiteral("on"), m_schedule.on);
    setValue(QStringLiteral("holiydayOn"), m_schedule.holiydayOn);
    for (int r = 0; r < PROP_SCHED_ROWS; ++r)
        setValue(indexedKey("data%d", r), numberRow(m_schedule.data[r], PROP_SCHED_CELLS));
    endGroup();
}

// ---- HOLIDAY -------------------------------------------------------------------------

void TProperty::defHoliday()
{
    std::memset(&m_holiday, 0, sizeof m_holiday);
}

void TProperty::loadHoliday()
{
    defHoliday();
    beginGroup(QStringLiteral("HOLIDAY"));
    for (int m = 0; m < 12; ++m) {
        const QString text =
            QString::fromUtf8(readBytes(indexedKey("data%02d", m), QByteArrayLiteral("0")));
        for (int d = 0; d < 32; ++d)
            m_holiday.data[m][d] = uint8_t(cellAt(text, d));
    }
    endGroup();
}

void TProperty::saveHoliday()
{
    beginSave("HOLIDAY");
    for (int m = 0; m < 12; ++m)
        setValue(indexedKey("data%02d", m), numberRow(m_holiday.data[m], 32));
    endGroup();
}

// ---- EVENT ------------------------------------------------------------------------------

void TProperty::defEvent()
{
    makeDefEvent(m_event.evts);
}

// A character '0'..'8' is the cell (5..8 read as no trigger); anything else,
// or a missing character, gives the default cell. Beyond the sensors only
// motion can trigger, so a non-zero cell there becomes motion (2).
void TProperty::loadEvent()
{
    uint8_t d[PROP_MAX_CH][PROP_MAX_CH];
    makeDefEvent(d);
    const int n = channels();
    beginGroup(QStringLiteral("EVENT"));
    for (int r = 0; r < n; ++r) {
        const QByteArray text = readBytes(indexedKey("evts%02d", r), QByteArray()).left(PROP_MAX_CH);
        for (int c = 0; c < n; ++c) {
            const uint8_t x = c < text.size() ? uint8_t(text.at(c) - '0') : uint8_t(0xd0);
            uint8_t cell = x <= 8 ? x : d[r][c];
            if (cell > 4)
                cell = 0;
            if (c >= m_devices.sensors && cell != 0)
                cell = 2;
            m_event.evts[r][c] = cell;
        }
    }
    endGroup();
}

void TProperty::saveEvent()
{
    const int n = channels();
    beginSave("EVENT");
    for (int r = 0; r < n; ++r)
        setValue(indexedKey("evts%02d", r), digitString(m_event.evts[r], n));
    endGroup();
}
