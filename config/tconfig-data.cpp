// The option lists: for every choice field of the configuration its display
// texts, the value each list position stands for, and the way back from a
// value to its position. Records store positions (texts for the DDNS
// service, the PTZ driver and the time zone).
#include "appglobals.h"
#include "tconfig.h"
#include "tddnsservice.h"
#include "tdvrhooks.h"
#include "tproperty.h"

#include <QLoggingCategory>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// A value table of a list: the value of each position.
struct ValueTable {
    const int* values;
    int count;
};

template <int N>
constexpr ValueTable table(const int (&values)[N])
{
    return ValueTable{values, N};
}

const int kOutputType[] = {0, 1};
const int kRecGroup[] = {0, 1, 2, 3, -1};
const int kNtpPeriod[] = {0, 43200, 86400, 172800, 259200, 604800};
const int kAlarmDwell[] = {5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60};
const int kBaudrate[] = {2400, 4800, 9600, 19200, 38400, 115200};
const int kMotionSens[] = {2, 1, 0};
const int kDdnsPeriod[] = {300, 600, 1800, 3600, 7200, 10800, 21600, 43200, 86400};
const int kEmailPeriod[] = {10, 30, 60, 300};
const int kAutoDelete[] = {0,       86400,   172800,  259200,  345600,  432000, 518400,
                           604800,  1209600, 1814400, 2419200, 5184000, 7776000};
const int kSmartErrors[] = {2, 4, 6, 8, 10, 15, 20};
const int kSmartPeriod[] = {1800, 3600, 7200, 21600, 43200, 86400};
const int kTemperature[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70};
const int kSearchDur[] = {600, 1200, 1800, 3600, 7200};
const int kPtzDwell[] = {2, 3, 4, 5, 6};

// The tables reached by position (getvaluefromindex) and by value
// (getindexfromvalue); count 0 for a list without a table.
ValueTable valueTable(int idx)
{
    switch (idx) {
    case IDX_DATA_OUTPUT_TYPE: return table(kOutputType);
    case IDX_DATA_REC_GROUP: return table(kRecGroup);
    case IDX_DATA_NTP_PERIOD: return table(kNtpPeriod);
    case IDX_DATA_ALARM_DWELL: return table(kAlarmDwell);
    case IDX_DATA_BAUDRATE: return table(kBaudrate);
    case IDX_DATA_MOTION_SENS: return table(kMotionSens);
    case IDX_DATA_DDNS_PERIOD: return table(kDdnsPeriod);
    case IDX_DATA_EMAIL_PERIOD: return table(kEmailPeriod);
    case IDX_DATA_AUTODELETE: return table(kAutoDelete);
    case IDX_DATA_SMART_ERRORS: return table(kSmartErrors);
    case IDX_DATA_SMART_PERIOD: return table(kSmartPeriod);
    case IDX_DATA_TEMPERATURE: return table(kTemperature);
    case IDX_DATA_SEARCHOPT_DUR: return table(kSearchDur);
    case IDX_DATA_PTZ_DWELL: return table(kPtzDwell);
    default: return ValueTable{nullptr, 0};
    }
}

// Entry pos of a table; a position outside it gives entry 0.
int tableValue(const ValueTable& t, int pos)
{
    return t.values[pos >= 0 && pos < t.count ? pos : 0];
}

// Position of the first entry equal to value; 0 when none is.
int tableIndex(const ValueTable& t, intptr_t value)
{
    for (int i = 0; i < t.count; ++i) {
        if (t.values[i] == value)
            return i;
    }
    return 0;
}

int clampCount(int count, int size)
{
    return count < 0 ? 0 : (count > size ? size : count);
}

// A fixed character field as text, never reading past its width.
QString fieldText(const char* field, int width)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(width))));
}

// The system keyboard controller the unit drives.
const char kController[] = "KBD-300 (9600)";

} // namespace

QStringList TConfig::getdata(int idx, int param)
{
    QStringList out;
    if (unsigned(idx) > unsigned(IDX_DATA_NUMBER) || idx == 37)
        qFatal("TConfig::getdata idx:%d", idx);

    const TProperty* edit = g_cfg ? g_cfg->m_edit : nullptr;
    const TProperty* live = g_cfg ? g_cfg->m_live : nullptr;
    const int videos = edit ? edit->channels() : 0;
    const int oem = TProperty::oem();

    // Items "<n> <unit text>" for a run of numbers.
    auto numbered = [&out](std::initializer_list<int> numbers, int unitText) {
        for (int n : numbers)
            out << QString::number(n) + QLatin1Char(' ') + text(unitText);
    };
    auto texts = [&out](std::initializer_list<int> ids) {
        for (int id : ids)
            out << text(id);
    };
    auto range = [&out](int first, int last, const char* format) {
        for (int i = first; i <= last; ++i)
            out << QString::asprintf(format, i);
    };
    auto channelItems = [&out, videos]() {
        for (int i = 1; i <= videos; ++i)
            out << text(400) + QString::asprintf(" %d", i);
    };

    switch (idx) {
    case IDX_DATA_DATE_FORMAT: texts({37, 38, 39}); break;
    case IDX_DATA_TIME_FORMAT: texts({41, 40}); break;
    case IDX_DATA_OUTPUT_TYPE: out << QStringLiteral("Composite") << QStringLiteral("VGA"); break;
    case IDX_DATA_OSD_ALPHA: range(3, 7, "%d"); break;
    case IDX_DATA_DISPLAY_DEVICE:
        out << QStringLiteral("VGA + HDMI") << QStringLiteral("VGA") << QStringLiteral("HDMI");
        break;
    case IDX_DATA_SUB_OUTPUT:
        out << (param == 0 ? QStringLiteral("None")
                           : param == 1 ? QStringLiteral("HDMI") : QStringLiteral("VGA"));
        break;
    case IDX_DATA_DISPLAY_RES: {
        VoutCaps vout;
        dvrGetCaps(nullptr, nullptr, &vout);
        const int n = clampCount(vout.numRes, VOUT_MAX_RES);
        for (int i = 0; i < n; ++i) {
            const double hz = vout.resHz[i];
            const int rate = (hz > -1e9 && hz < 1e9) ? int(hz) : 0;
            out << QString::asprintf("%dx%d (%dHz)", vout.resW[i], vout.resH[i], rate);
        }
        break;
    }
    case IDX_DATA_DWELL:
        for (int i = 1; i <= 60; ++i)
            numbered({i}, 50);
        break;
    case IDX_DATA_SPOT_SCREEN: texts({381, 382}); break;
    case IDX_DATA_SEQ_CHANNEL:
        out << QStringLiteral("X");
        range(1, videos, "%d");
        break;
    case IDX_DATA_REC_MODE: texts({46, 122, 30, 128}); break;
    case IDX_DATA_REC_RES: {
        AvcCaps avc;
        dvrGetCaps(nullptr, &avc, nullptr);
        const int n = clampCount(avc.num_rridx, AVC_MAX_RRIDX);
        for (int i = 0; i < n; ++i)
            out << QString::asprintf("%dx%d", avc.rridx[i].xres, avc.rridx[i].yres);
        break;
    }
    case IDX_DATA_NET_RES:
    case IDX_DATA_NET_SUBRES: {
        if (idx == IDX_DATA_NET_RES && oem == 5) {
            out << QStringLiteral("1280x720");
            break;
        }
        AvcCaps avc;
        dvrGetCaps(nullptr, &avc, nullptr);
        const int rows = clampCount(avc.num_vridx, AVC_MAX_VRIDX);
        const int row = (param >= 0 && param < rows) ? param : 0;
        const int n = clampCount(avc.num_nridx, AVC_MAX_NRIDX);
        const AvcRes* entries = avc.nridx[row];
        if (idx == IDX_DATA_NET_RES) {
            for (int k = 0; k < n - 1; ++k)
                out << QString::asprintf("%dx%d", entries[k].xres, entries[k].yres);
        } else if (n > 0) {
            out << QString::asprintf("%dx%d", entries[n - 1].xres, entries[n - 1].yres);
        }
        break;
    }
    case IDX_DATA_FPS: {
        AvcCaps avc;
        dvrGetCaps(nullptr, &avc, nullptr);
        const int n = clampCount(avc.num_fidx, AVC_MAX_FIDX);
        for (int i = 0; i < n; ++i)
            out << QString::asprintf("%.1f", avc.fidx2fps[i]);
        break;
    }
    case IDX_DATA_QUALITY: texts({129, 130, 131, 132}); break;
    case IDX_DATA_REC_POST:
        for (int i = 5; i <= 60; ++i)
            numbered({i}, 50);
        break;
    case IDX_DATA_REC_PRE: numbered({0, 1, 2, 3, 4}, 50); break;
    case IDX_DATA_REC_GROUP:
        out << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("C")
            << QStringLiteral("D");
        break;
    case IDX_DATA_CAM_SIGNAL:
        out << ((edit && edit->m_devices.ntsc) ? QStringLiteral("NTSC") : QStringLiteral("PAL"));
        break;
    case IDX_DATA_CHANNEL: channelItems(); break;
    case IDX_DATA_SPOT_SIGNAL: out << QStringLiteral("NTSC") << QStringLiteral("PAL"); break;
    case IDX_DATA_AUDIO_CHANNEL:
        out << text(142);
        channelItems();
        break;
    case IDX_DATA_NTP_PERIOD:
        out << text(46);
        numbered({12}, 42);
        numbered({1, 2, 3}, 43);
        numbered({1}, 44);
        break;
    case IDX_DATA_AUTOLOCK:
        out << text(53);
        for (int i = 1; i <= 10; ++i)
            out << QString::asprintf("%d", i) + QLatin1Char(' ') + text(51);
        break;
    case IDX_DATA_ALARM_DWELL:
        for (int v : kAlarmDwell)
            numbered({v}, 50);
        break;
    case IDX_DATA_ALARM_PRESET:
        out << text(46);
        for (int i = 1; i <= 32; ++i)
            out << text(209) + QString::asprintf("%d", i);
        break;
    case IDX_DATA_PTZ_ADDR: range(0, 255, "%d"); break;
    case IDX_DATA_SENSOR_TYPE: out << QStringLiteral("N.O") << QStringLiteral("N.C"); break;
    case IDX_DATA_BAUDRATE:
        for (int v : kBaudrate)
            out << QString::number(v);
        break;
    case IDX_DATA_MOTION_SENS: texts({47, 48, 49}); break;
    case IDX_DATA_CONTROL_ID:
        out << text(56);
        range(0, 99, "%02d");
        break;

    case IDX_DATA_CONTROLLER: out << text(46) << QString::fromLatin1(kController); break;
    case IDX_DATA_DVR_ID: range(1, 99, "%02d"); break;
    case IDX_DATA_NET_TYPE: out << text(151); break;
    case IDX_DATA_DDNS_SERVICE:
        // The services of the variant: "None" translated, the others as
        // the section stores them.
        for (const QByteArray& type : TDdnsService::offered(oem))
            out << (type.isEmpty() ? text(46) : QString::fromLatin1(type));
        break;
    case IDX_DATA_DDNS_PERIOD:
        numbered({5, 10, 30}, 52);
        numbered({1, 2, 3, 6, 12}, 42);
        numbered({1}, 43);
        break;
    case IDX_DATA_EMAIL_PERIOD:
        numbered({10, 30}, 50);
        numbered({1, 5}, 52);
        break;
    case IDX_DATA_AUTODELETE:
        out << text(53);
        numbered({1, 2, 3, 4, 5, 6}, 43);
        numbered({1, 2, 3, 4}, 44);
        numbered({2, 3}, 45);
        break;
    case IDX_DATA_WEEKDAY: texts({57, 58, 59, 60, 61, 62, 63}); break;
    case IDX_DATA_SMART_ERRORS:
        for (int v : kSmartErrors)
            numbered({v}, 65);
        break;
    case IDX_DATA_SMART_PERIOD:
        numbered({30}, 52);
        numbered({1, 2, 6, 12, 24}, 42);
        break;
    case IDX_DATA_TEMPERATURE: {
        const QChar degree(0xB0);
        for (int c : kTemperature)
            out << QStringLiteral("%1%2C (%3%4F)").arg(c).arg(degree).arg(c * 9 / 5 + 32).arg(degree);
        break;
    }
    case IDX_DATA_ALARM_OUT: {
        out << text(53) << text(66);
        // alarmouts counts the buzzer and the two pop-ups besides the outputs.
        const int outputs = edit ? clampCount(edit->alarmOutputs() - 3, PROP_MAX_ALARMOUT - 3) : 0;
        const int relays = edit ? clampCount(edit->m_devices.relaycnt, outputs) : 0;
        for (int i = 1; i <= relays; ++i)
            out << text(377) + QString::asprintf("%d(R)", i);
        for (int i = relays + 1; i <= outputs; ++i)
            out << text(377) + QString::asprintf("%d", i);
        break;
    }
    case IDX_DATA_SEARCH_MODE:
        texts({29, 30});
        if (oem != 2)
            texts({395, 396, 397});
        break;
    case IDX_DATA_SEARCH_EVENT:
        texts({56, 6, 101, 102, 103});
        if (oem != 2)
            texts({395});
        break;
    case IDX_DATA_SEARCHOPT_DUR:
        numbered({10, 20, 30}, 52);
        numbered({1, 2}, 42);
        break;
    case IDX_DATA_SEARCH_VISIBLE: texts({430, 431}); break;
    case IDX_DATA_SEARCH_RANGE: texts({437, 438}); break;
    case IDX_DATA_YES_NO: texts({27, 26}); break;
    case IDX_DATA_PTZ_DRIVER: {
        if (!edit)
            break;
        const PropPtzdrv& drv = edit->m_ptzdrv;
        const int n = clampCount(drv.cnt, PROP_MAX_PTZDRV);
        for (int i = 0; i < n; ++i)
            out << (i == 0 ? text(46) : fieldText(drv.driver[i], sizeof drv.driver[i]));
        break;
    }
    case IDX_DATA_PTZ_DWELL:
        for (int v : kPtzDwell)
            out << QString::number(v) + text(50);
        break;
    case IDX_DATA_TIMEZONE: {
        if (!live)
            break;
        const PropTimezone& tz = live->m_timezone;
        const int n = clampCount(tz.cnt, PROP_MAX_TIMEZONES);
        for (int i = 0; i < n; ++i)
            out << fieldText(tz.zone[i].local, sizeof tz.zone[i].local);
        break;
    }
    case IDX_DATA_BACKUP_MEDIA: texts({112, 111}); break;
    case IDX_DATA_INFOBAR_MODE: texts({372, 373, 374}); break;
    case IDX_DATA_BACKUP_FORMAT: texts({113, 114}); break;
    case IDX_DATA_HDD_DISPLAY: texts({417, 418}); break;
    case IDX_DATA_POS_CHANNEL:
        out << text(53);
        range(1, videos, "%d");
        break;
    case IDX_DATA_POS_LINES: range(0, 4, "%d"); break;
    case IDX_DATA_OVERLAY_POS: texts({408, 409, 410, 411}); break;
    case IDX_DATA_OVERLAY_TIME:
        for (int i = 10; i <= 120; i += 10)
            numbered({i}, 50);
        break;
    case IDX_DATA_NUMBER: range(1, 8, "%d"); break;
    default: break;
    }
    return out;
}

intptr_t TConfig::getvaluefromindex(int idx, int pos)
{
    const intptr_t p = pos;
    switch (idx) {
    case IDX_DATA_DWELL: return p + 1;
    case IDX_DATA_REC_POST: return p + 5;
    case IDX_DATA_AUDIO_CHANNEL:
    case IDX_DATA_CONTROL_ID: return p - 1;
    case IDX_DATA_AUTOLOCK: return p <= 0 ? -1 : p * 60;
    case IDX_DATA_OVERLAY_TIME: return (p + 1) * 10;
    case IDX_DATA_REC_RES:
    case IDX_DATA_NET_RES:
    case IDX_DATA_NET_SUBRES: return p;
    case IDX_DATA_QUALITY:
        switch (pos) {
        case 0: return 3;
        case 1: return 2;
        case 2: return 1;
        default: return 0;
        }
    case IDX_DATA_FPS: {
        // The caller reads the frame rate at once; the copy is refreshed at
        // every call.
        dvrGetCaps(nullptr, &m_encoderCapability, nullptr);
        const int n = clampCount(m_encoderCapability.num_fidx, AVC_MAX_FIDX);
        const int i = (pos >= 0 && pos < n) ? pos : 0;
        return reinterpret_cast<intptr_t>(&m_encoderCapability.fidx2fps[i]);
    }
    case IDX_DATA_PTZ_DRIVER: {
        if (!g_cfg)
            return 0;
        const PropPtzdrv& drv = g_cfg->m_edit->m_ptzdrv;
        const int n = clampCount(drv.cnt, PROP_MAX_PTZDRV);
        const int i = (pos >= 0 && pos < n) ? pos : 0;
        return reinterpret_cast<intptr_t>(drv.driver[i]);
    }
    case IDX_DATA_OUTPUT_TYPE:
    case IDX_DATA_REC_GROUP:
    case IDX_DATA_NTP_PERIOD:
    case IDX_DATA_ALARM_DWELL:
    case IDX_DATA_DDNS_PERIOD:
    case IDX_DATA_EMAIL_PERIOD:
    case IDX_DATA_AUTODELETE:
    case IDX_DATA_SMART_ERRORS:
    case IDX_DATA_SMART_PERIOD:
    case IDX_DATA_TEMPERATURE:
    case IDX_DATA_PTZ_DWELL:
        return tableValue(valueTable(idx), pos);
    case IDX_DATA_MOTION_SENS: {
        const int v = tableValue(valueTable(idx), pos);
        qCDebug(lcConfig, "IDX_DATA_MOTION_SENS.. vidx:%d ret:%d", pos, v);
        return v;
    }
    case IDX_DATA_SEARCHOPT_DUR: {
        const int v = tableValue(valueTable(idx), pos);
        qCDebug(lcConfig, "IDX_DATA_SEARCHOPT_DUR.. vidx:%d ret:%d", pos, v);
        return v;
    }
    default:
        qFatal("TConfig::getvaluefromindex idx:%d vidx:%di", idx, pos);
        return 0;
    }
}

int TConfig::getindexfromvalue(int idx, intptr_t value)
{
    switch (idx) {
    case IDX_DATA_NTP_PERIOD:
    case IDX_DATA_BAUDRATE:
    case IDX_DATA_MOTION_SENS:
    case IDX_DATA_DDNS_PERIOD:
    case IDX_DATA_EMAIL_PERIOD:
    case IDX_DATA_AUTODELETE:
    case IDX_DATA_SMART_ERRORS:
    case IDX_DATA_SMART_PERIOD:
    case IDX_DATA_TEMPERATURE:
    case IDX_DATA_PTZ_DWELL:
        return tableIndex(valueTable(idx), value);
    case IDX_DATA_AUDIO_CHANNEL: {
        if (!g_cfg)
            return 0;
        // Audio inputs map to channel items 1..; an input beyond the
        // channels listed has no item.
        const TProperty* edit = g_cfg->m_edit;
        const int inputs = qMin(edit->audioInputs(), edit->channels());
        return (value >= 0 && value < inputs) ? int(value) + 1 : 0;
    }
    case IDX_DATA_DDNS_SERVICE:
    case IDX_DATA_TIMEZONE: {
        const char* s = reinterpret_cast<const char*>(value);
        if (!s)
            return 0;
        // The texts come from fields of at most 64 bytes.
        const QString wanted = QString::fromLatin1(s, int(qstrnlen(s, 64)));
        const int i = getdata(idx, 0).indexOf(wanted);
        return i < 0 ? 0 : i;
    }
    case IDX_DATA_PTZ_DRIVER: {
        const char* s = reinterpret_cast<const char*>(value);
        if (!g_cfg || !s)
            return 0;
        const PropPtzdrv& drv = g_cfg->m_edit->m_ptzdrv;
        const int n = clampCount(drv.cnt, PROP_MAX_PTZDRV);
        for (int i = 0; i < n; ++i) {
            if (qstrncmp(drv.driver[i], s, sizeof drv.driver[i]) == 0)
                return i;
        }
        return 0;
    }
    default:
        qFatal("TConfig::getindexfromvalue idx:%d param:%p", idx,
               reinterpret_cast<void*>(value));
        return 0;
    }
}
