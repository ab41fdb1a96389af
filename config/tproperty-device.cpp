// Device and display sections: DEVICES, OSD, DISPLAY, DTFORM, INFOBAR,
// SPOTHD, SPOT and COLOR.
#include "tdvrhooks.h"
#include "tproperty.h"

#include <cstring>
#include <limits>

namespace {

// The resolution counts of the outputs as the device reports them now, never
// above the size of the output's resolution tables.
void outputResCounts(int* mainRes, int* hdRes)
{
    VoutCaps vout;
    dvrGetCaps(nullptr, nullptr, &vout);
    auto bound = [](int n) { return n < 0 ? 0 : (n > VOUT_MAX_RES ? int(VOUT_MAX_RES) : n); };
    *mainRes = bound(vout.numRes);
    *hdRes = bound(vout.numResHd);
}

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}

} // namespace

// ---- Shared: the channel order of the three monitors ------------------------------

// A channel that shows in two slots makes the whole order the identity again;
// negative entries (empty slots) never count as repeats.
void TProperty::orderRepair(int32_t* orders, int n)
{
    for (int i = 0; i < n; ++i) {
        if (orders[i] < 0)
            continue;
        for (int j = i + 1; j < n; ++j) {
            if (orders[j] == orders[i]) {
                for (int k = 0; k < PROP_MAX_CH; ++k)
                    orders[k] = k;
                return;
            }
        }
    }
}

void TProperty::loadOrders(int32_t* orders)
{
    const int n = channels();
    for (int i = 0; i < n; ++i)
        orders[i] = readInt(indexedKey("orders%02d", i), orders[i]);
    orderRepair(orders, n);
}

void TProperty::saveOrders(const int32_t* orders)
{
    const int n = channels();
    for (int i = 0; i < n; ++i)
        setValue(indexedKey("orders%02d", i), orders[i]);
}

// ---- DEVICES --------------------------------------------------------------------------
// No default setter: missing keys take fixed fallbacks. The fields filled from
// the device record only (relaycnt and the two device words) are not in the
// file and keep what the record held.

void TProperty::loadDevices()
{
    beginGroup(QStringLiteral("DEVICES"));
    readText(QStringLiteral("model"), m_devices.model, "None");
    readText(QStringLiteral("board"), m_devices.board, "None");
    m_devices.ntsc = readBool(QStringLiteral("ntsc"), 1);
    m_devices.version = readInt(QStringLiteral("version"), 1000);
    m_devices.videos = readInt(QStringLiteral("videos"), 20);
    m_devices.audios = readInt(QStringLiteral("audios"), 20);
    m_devices.sensors = readInt(QStringLiteral("sensors"), 1);
    m_devices.alarmouts = readInt(QStringLiteral("alarmouts"), 1);
    m_devices.txtin = readInt(QStringLiteral("txtin"), 20);
    m_devices.uarts = readInt(QStringLiteral("uarts"), 1);
    m_devices.storage = readInt(QStringLiteral("storage"), 1);
    m_devices.users = readInt(QStringLiteral("users"), 1);
    m_devices.frames = readInt(QStringLiteral("frames"), 120);
    m_devices.netframes = readInt(QStringLiteral("netframes"), 120);
    endGroup();
}

void TProperty::saveDevices()
{
    beginSave("DEVICES");
    writeText(QStringLiteral("model"), m_devices.model);
    writeText(QStringLiteral("board"), m_devices.board);
    setValue(QStringLiteral("ntsc"), m_devices.ntsc);
    setValue(QStringLiteral("version"), m_devices.version);
    setValue(QStringLiteral("videos"), m_devices.videos);
    setValue(QStringLiteral("audios"), m_devices.audios);
    setValue(QStringLiteral("sensors"), m_devices.sensors);
    setValue(QStringLiteral("alarmouts"), m_devices.alarmouts);
    setValue(QStringLiteral("txtin"), m_devices.txtin);
    setValue(QStringLiteral("uarts"), m_devices.uarts);
    setValue(QStringLiteral("storage"), m_devices.storage);
    setValue(QStringLiteral("users"), m_devices.users);
    setValue(QStringLiteral("frames"), m_devices.frames);
    setValue(QStringLiteral("netframes"), m_devices.netframes);
    endGroup();
}

// ---- OSD -------------------------------------------------------------------------------

void TProperty::defOsd()
{
    std::memset(&m_osd, 0, sizeof m_osd);
    copyText(m_osd.lang, sizeof m_osd.lang,
             QByteArray(m_default.lang, int(qstrnlen(m_default.lang, sizeof m_default.lang))));
    m_osd.alpha = 7;
    m_osd.osdOn = 1;
    m_osd.deintOn = 1;
    m_osd.hdddisp = 0;
}

void TProperty::loadOsd()
{
    defOsd();
    beginGroup(QStringLiteral("OSD"));
    readText(QStringLiteral("lang"), m_osd.lang, m_osd.lang);
    m_osd.alpha = readInt(QStringLiteral("alpha"), m_osd.alpha);
    if (!inRange(m_osd.alpha, 1, 7))
        m_osd.alpha = 7;
    m_osd.osdOn = readBool(QStringLiteral("osdOn"), m_osd.osdOn);
    m_osd.deintOn = readBool(QStringLiteral("deintOn"), m_osd.deintOn);
    m_osd.hdddisp = readInt(QStringLiteral("hdddisp"), m_osd.hdddisp);
    if (!inRange(m_osd.hdddisp, 0, 1))
        m_osd.hdddisp = 0;
    endGroup();
}

void TProperty::saveOsd()
{
    beginSave("OSD");
    writeText(QStringLiteral("lang"), m_osd.lang);
    setValue(QStringLiteral("alpha"), m_osd.alpha);
    setValue(QStringLiteral("osdOn"), m_osd.osdOn);
    setValue(QStringLiteral("deintOn"), m_osd.deintOn);
    setValue(QStringLiteral("hdddisp"), m_osd.hdddisp);
    endGroup();
}

// ---- DISPLAY ---------------------------------------------------------------------------

void TProperty::defDisplay()
{
    std::memset(&m_display, 0, sizeof m_display);
    m_display.device2 = 0;
    m_display.res = 0;
    m_display.seqdur = 1;
    m_display.ratio = 0;
    m_display.skip_vloss = 1;
    for (int i = 0; i < PROP_MAX_CH; ++i)
        m_display.orders[i] = i;
    m_display.bri = m_display.con = m_display.sat = m_display.hue = 50;
}

void TProperty::loadDisplay()
{
    defDisplay();
    int mainRes = 0;
    int hdRes = 0;
    outputResCounts(&mainRes, &hdRes);
    beginGroup(QStringLiteral("DISPLAY"));
    m_display.device2 = readInt(QStringLiteral("device2"), m_display.device2);
    if (!inRange(m_display.device2, 0, 2))
        m_display.device2 = 0;
    // The output size is looked up by this index: keep it inside the list.
    m_display.res = readInt(QStringLiteral("res"), m_display.res);
    if (m_display.res < 0 || m_display.res >= mainRes)
        m_display.res = 0;
    // A position of the dwell list (1..60 s).
    m_display.seqdur = readInt(QStringLiteral("seqdur"), m_display.seqdur);
    if (!inRange(m_display.seqdur, 0, 59))
        m_display.seqdur = 0;
    m_display.ratio = readInt(QStringLiteral("ratio"), m_display.ratio);
    m_display.bri = readInt(QStringLiteral("bri"), m_display.bri);
    m_display.con = readInt(QStringLiteral("con"), m_display.con);
    m_display.sat = readInt(QStringLiteral("sat"), m_display.sat);
    m_display.hue = readInt(QStringLiteral("hue"), m_display.hue);
    m_display.skip_vloss = readBool(QStringLiteral("skip_vloss"), m_display.skip_vloss);
    loadOrders(m_display.orders);
    endGroup();
}

void TProperty::saveDisplay()
{
    beginSave("DISPLAY");
    setValue(QStringLiteral("device2"), m_display.device2);
    setValue(QStringLiteral("res"), m_display.res);
    setValue(QStringLiteral("seqdur"), m_display.seqdur);
    setValue(QStringLiteral("ratio"), m_display.ratio);
    setValue(QStringLiteral("bri"), m_display.bri);
    setValue(QStringLiteral("con"), m_display.con);
    setValue(QStringLiteral("sat"), m_display.sat);
    setValue(QStringLiteral("hue"), m_display.hue);
    setValue(QStringLiteral("skip_vloss"), m_display.skip_vloss);
    saveOrders(m_display.orders);
    endGroup();
}

// ---- DTFORM ----------------------------------------------------------------------------

void TProperty::defDtform()
{
    std::memset(&m_dtform, 0, sizeof m_dtform);
}

void TProperty::loadDtform()
{
    defDtform();
    beginGroup(QStringLiteral("DTFORM"));
    m_dtform.date = readInt(QStringLiteral("date"), m_dtform.date);
    m_dtform.time = readInt(QStringLiteral("time"), m_dtform.time);
    endGroup();
}

void TProperty::saveDtform()
{
    beginSave("DTFORM");
    setValue(QStringLiteral("date"), m_dtform.date);
    setValue(QStringLiteral("time"), m_dtform.time);
    endGroup();
}

// ---- INFOBAR ---------------------------------------------------------------------------

void TProperty::defInfobar()
{
    std::memset(&m_infobar, 0, sizeof m_infobar);
    m_infobar.on = 1;
    m_infobar.auto_ = 0;
}

void TProperty::loadInfobar()
{
    defInfobar();
    beginGroup(QStringLiteral("INFOBAR"));
    m_infobar.on = readBool(QStringLiteral("on"), m_infobar.on);
    m_infobar.auto_ = readBool(QStringLiteral("auto"), m_infobar.auto_);
    endGroup();
}

void TProperty::saveInfobar()
{
    beginSave("INFOBAR");
    setValue(QStringLiteral("on"), m_infobar.on);
    setValue(QStringLiteral("auto"), m_infobar.auto_);
    endGroup();
}

// ---- SPOTHD ----------------------------------------------------------------------------

void TProperty::defSpothd()
{
    std::memset(&m_spothd, 0, sizeof m_spothd);
    m_spothd.res = 0;
    m_spothd.mode = splitModeMax(m_devices.videos);
    m_spothd.dwell = 1;
    m_spothd.skip_vloss = 1;
    for (int i = 0; i < PROP_MAX_CH; ++i)
        m_spothd.orders[i] = i;
}

void TProperty::loadSpothd()
{
    defSpothd();
    int mainRes = 0;
    int hdRes = 0;
    outputResCounts(&mainRes, &hdRes);
    const int m = splitModeMax(m_devices.videos);
    beginGroup(QStringLiteral("SPOTHD"));
    m_spothd.res = readInt(QStringLiteral("res"), m_spothd.res);
    if (m_spothd.res < 0 || m_spothd.res >= hdRes)
        m_spothd.res = 0;
    m_spothd.mode = readInt(QStringLiteral("mode"), m_spothd.mode);
    if (!inRange(m_spothd.mode, 0, m))
        m_spothd.mode = m;
    m_spothd.dwell = readInt(QStringLiteral("dwell"), m_spothd.dwell);
    m_spothd.skip_vloss = readBool(QStringLiteral("skip_vloss"), m_spothd.skip_vloss);
    loadOrders(m_spothd.orders);
    endGroup();
}

void TProperty::saveSpothd()
{
    beginSave("SPOTHD");
    setValue(QStringLiteral("res"), m_spothd.res);
    setValue(QStringLiteral("mode"), m_spothd.mode);
    setValue(QStringLiteral("dwell"), m_spothd.dwell);
    setValue(QStringLiteral("skip_vloss"), m_spothd.skip_vloss);
    saveOrders(m_spothd.orders);
    endGroup();
}

// ---- SPOT ------------------------------------------------------------------------------

void TProperty::defSpot()
{
    std::memset(&m_spot, 0, sizeof m_spot);
    m_spot.cvbs = 0;
    m_spot.mode = 1;
    m_spot.dwell = 1;
    m_spot.skip_vloss = 1;
    for (int i = 0; i < PROP_MAX_CH; ++i)
        m_spot.orders[i] = i;
}

void TProperty::loadSpot()
{
    defSpot();
    const int m = splitModeMax(m_devices.videos);
    beginGroup(QStringLiteral("SPOT"));
    m_spot.cvbs = readInt(QStringLiteral("cvbs"), m_spot.cvbs);
    if (!inRange(m_spot.cvbs, 0, 1))
        m_spot.cvbs = 0;
    if (oem() == 5)
        m_spot.cvbs = 0;
    m_spot.mode = readInt(QStringLiteral("mode"), m_spot.mode);
    if (!inRange(m_spot.mode, 0, m))
        m_spot.mode = m;
    m_spot.dwell = readInt(QStringLiteral("dwell"), m_spot.dwell);
    m_spot.skip_vloss = readBool(QStringLiteral("skip_vloss"), m_spot.skip_vloss);
    loadOrders(m_spot.orders);
    endGroup();
}

void TProperty::saveSpot()
{
    beginSave("SPOT");
    setValue(QStringLiteral("cvbs"), m_spot.cvbs);
    setValue(QStringLiteral("mode"), m_spot.mode);
    setValue(QStringLiteral("dwell"), m_spot.dwell);
    setValue(QStringLiteral("skip_vloss"), m_spot.skip_vloss);
    saveOrders(m_spot.orders);
    endGroup();
}

// ---- COLOR -----------------------------------------------------------------------------

void TProperty::defColor()
{
    std::memset(&m_color, 50, sizeof m_color);
}

void TProperty::loadColor()
{
    defColor();
    const int n = channels();
    beginGroup(QStringLiteral("COLOR"));
    for (int c = 0; c < n; ++c) {
        const QByteArray text = readBytes(indexedKey("data%02d", c), QByteArray()).left(1023);
        // Split at single blanks; empty parts count, so "50  50" is three parts.
        const QList<QByteArray> parts = text.split(' ');
        uint8_t v[4] = {50, 50, 50, 50};
        if (parts.size() >= 4) {
            for (int k = 0; k < 4; ++k) {
                // A number is an int: one beyond 32 bits saturates (to
                // 0x7fffffff or its negative), like every other number read.
                bool ok = false;
                qlonglong n64 = parts.at(k).toLongLong(&ok);
                if (!ok)
                    n64 = 0;
                else if (n64 > std::numeric_limits<int32_t>::max())
                    n64 = std::numeric_limits<int32_t>::max();
                else if (n64 < std::numeric_limits<int32_t>::min())
                    n64 = std::numeric_limits<int32_t>::min();
                const uint8_t b = uint8_t(n64 & 0xff);
                v[k] = (b >= 1 && b <= 100) ? b : 50;
            }
        }
        ColorEntry& e = m_color.data[c];
        e.bri = v[0];
        e.con = v[1];
        e.sat = v[2];
        e.hue = v[3];
    }
    endGroup();
}

void TProperty::saveColor()
{
    const int n = channels();
    beginSave("COLOR");
    for (int c = 0; c < n; ++c) {
        const ColorEntry& e = m_color.data[c];
        const int v[4] = {e.bri, e.con, e.sat, e.hue};
        setValue(indexedKey("data%02d", c), fieldList(v, 4));
    }
    endGroup();
}
