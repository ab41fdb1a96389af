// Video and audio input: the camera, privacy, colour, motion and audio
// sections to the device layer, the setup pages' previews, the format of
// each input; and the video-input and POS events of the device layer.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "utf8cut.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <QVector>
#include <QtAlgorithms>
#include <cstdio>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// At most max bytes of a terminated UTF-8 text, or of a field of max + 1
// bytes that may be full, never ending inside a character; nothing beyond
// max + 1 bytes is read.
QByteArray utf8Cut(const char* s, int max)
{
    return QByteArray(s, utf8WholeLen(s, int(strnlen(s, size_t(max) + 1)), max));
}

// A camera's name from its record: the field may be full.
QByteArray camName(const CameraEntry& cam)
{
    return utf8Cut(cam.name, int(sizeof cam.name) - 1);
}

template <class T> T* section(int idx, int live)
{
    return static_cast<T*>(g_cfg->getsection(idx, live ? 1 : 0));
}

// The privacy grid of the picture: 22 columns by 15 rows (480 lines) or 18.
const int kPrivacyCols = 22;

// A rectangle of the screen as the OSD repaint notification carries it.
struct Rect {
    int x, y, w, h;
};
}

// ---- Settings -----------------------------------------------------------

void TDVRAPI::camSetdevice(int drawText)
{
    qCDebug(lcApi, "TDVRAPI::camSetdevice.. draw_text:%d", drawText);
    if (!g_cfg)
        return;
    const auto* cams = section<const PropCamera>(IDX_PROP_CAMERA, 1);
    if (drawText) {
        // The new names into the tile, spot and HD spot titles.
        {
            QMutexLocker osdLock(&m_osdMutex);
            for (int c = 0; c < channelCount(); ++c) {
                const QString name = QString::fromUtf8(camName(cams->data[c]));
                drawOsdText(c, name, &m_titleImg[c], 0, 0);
                drawOsdText(c, name, &m_spotTitleImg[c], 1, 0);
                drawOsdText(c, name, &m_hdTitleImg[c], 2, 0);
            }
        }
        spotOsdAll(-1);
    }
    for (int c = 0; c < channelCount(); ++c) {
        const CameraEntry& cam = cams->data[c];
        DalSetCamName(c, camName(cam).constData());
        DalVinSetCamOff(c, cam.disableOn);
        DalVoutSetCovert(c, cam.covertOn);
    }
    // A disabled camera loses its live title.
    showOsd(m_sowOsdOn, 1);
}

void TDVRAPI::camSetCapsAll()
{
    qCDebug(lcApi, "TDVRAPI::camSetCapsAll.. ");
}

int TDVRAPI::vinSetCaps(int ch)
{
    if (ch < 0 || ch >= channelCount())
        return -1;
    VinInfo info;
    if (vinGetInfo(ch, &info) < 0 || info.noVideo)
        return -1;
    return DalVinSetCaps(ch, info.ridx, info.progressive, info.fps);
}

void TDVRAPI::checkCamera()
{
    readCameras(&m_vinState);
}

void TDVRAPI::readCameras(VinState* out)
{
    VinState& st = *out;
    std::memset(&st, 0, sizeof st);
    for (int c = 0; c < channelCount(); ++c) {
        VinInfo info;
        const bool signal = vinGetInfo(c, &info) >= 0 && !info.noVideo;
        st.width[c] = info.width;
        st.height[c] = info.height;
        char* text = st.text[c];
        const size_t size = sizeof st.text[c];
        if (!signal) {
            st.resIdx[c] = 0;
            qstrncpy(text, "No Video", size);
            continue;
        }
        qCDebug(lcApi, "checkCamera.. ch:%d vridx:%d prog:%d fps:%.1f", c, info.ridx, info.progressive, info.fps);
        st.resIdx[c] = info.ridx;
        const int f = int(info.fps);
        const char scan = info.progressive == 1 ? 'P' : 'I';
        if (info.width == 960 || info.width == 944)
            qstrncpy(text, f == 30 || f == 60 ? "NTSC" : "PAL", size);
        else if (info.width == 1920 && info.height == 1080)
            std::snprintf(text, size, "1080%c%d", scan, f);
        else if (info.width == 1280 && info.height == 720)
            std::snprintf(text, size, "720%c%d", scan, f);
        else
            std::snprintf(text, size, "%dx%d%c%d", info.width, info.height, scan, f);
    }
}

void TDVRAPI::setPrivacy(int ch, int live)
{
    if (!g_cfg)
        return;
    // The grid follows the video height of the capability record the
    // bring-up keeps (480 lines: 15 rows).
    const int rows = m_avcCaps.num_vridx > 0 && m_avcCaps.vridx[0].yres == 480 ? 15 : 18;
    const auto* prv = section<const PropPrivate>(IDX_PROP_PRIVATE, live);
    const uint32_t colMask = (1u << kPrivacyCols) - 1u;
    for (int c = 0; c < channelCount(); ++c) {
        if (ch >= 0 && c != ch)
            continue;
        // The bounding box of every set cell inside the grid: the leftmost
        // and rightmost columns are searched over all rows, not only the
        // first and last row with a cell.
        int top = -1, bottom = -1, left = kPrivacyCols, right = -1;
        for (int r = 0; r < rows; ++r) {
            const uint32_t bits = prv->mask[c][r] & colMask;
            if (!bits)
                continue;
            if (top < 0)
                top = r;
            bottom = r;
            left = qMin(left, int(qCountTrailingZeroBits(bits)));
            right = qMax(right, 31 - int(qCountLeadingZeroBits(bits)));
        }
        double x = 0, y = 0, w = 0, h = 0;
        if (top >= 0) {
            x = double(left) / kPrivacyCols;
            w = double(right - left + 1) / kPrivacyCols;
            y = double(top) / rows;
            h = double(bottom - top + 1) / rows;
        }
        qCDebug(lcApi, "setPrivacy.. ch:%d dsx:%.1f dsy:%.1f dcx:%.1f dcy:%.1f", c, x, y, w, h);
        DalVinSetPrivacy(c, 0, x, y, w, h);
    }
}

void TDVRAPI::colorSetdevice(int ch, int live)
{
    qCDebug(lcApi, "colorSetdevice ch:%d orig:%d", ch, live);
    if (!g_cfg)
        return;
    const auto* color = section<const PropColor>(IDX_PROP_COLOR, live);
    for (int c = 0; c < channelCount(); ++c) {
        if (ch >= 0 && c != ch)
            continue;
        const ColorEntry& e = color->data[c];
        DalVinSetCSC(c, 0, e.bri);
        DalVinSetCSC(c, 3, e.con);
        DalVinSetCSC(c, 1, e.sat);
        DalVinSetCSC(c, 2, e.hue);
    }
}

void TDVRAPI::colorcontrol(int ch, int code, int value)
{
    qCDebug(lcApi, "colorcontrol ch:%d color:%d value:%d", ch, code, value);
    // The page's codes in the order of its sliders; the device's components.
    static const int kComponent[4] = {0, 3, 1, 2};
    if (code < 40 || code > 43)
        return;
    for (int c = 0; c < channelCount(); ++c)
        if (ch < 0 || c == ch)
            DalVinSetCSC(c, kComponent[code - 40], value);
}

void TDVRAPI::applyMotion(int ch, int live, bool off)
{
    if (!g_cfg)
        return;
    const auto* md = section<const PropMotion>(IDX_PROP_MOTION, live);
    for (int c = 0; c < channelCount(); ++c) {
        if (ch >= 0 && c != ch)
            continue;
        const int sens = int(g_cfg->getvaluefromindex(IDX_DATA_MOTION_SENS, md->ch[c].sens));
        DalVinSetMd(c, sens, off ? nullptr : md->ch[c].mask);
    }
}

void TDVRAPI::motionSetdevice(int live)
{
    applyMotion(-1, live, false);
}

void TDVRAPI::motionSet(int ch)
{
    applyMotion(ch, 0, false);
}

void TDVRAPI::motionOff(int ch)
{
    applyMotion(ch, 0, true);
}

void TDVRAPI::motionTrace(int ch)
{
    {
        QMutexLocker lock(&m_vinMutex);
        std::memset(m_motionMap, 0, sizeof m_motionMap);
    }
    for (int c = 0; c < channelCount(); ++c)
        DalVinSetMdTrace(c, c == ch ? 1 : 0);
}

void TDVRAPI::audioSetdevice()
{
    if (!g_cfg)
        return;
    const auto* audio = section<const PropAudio>(IDX_PROP_AUDIO, 1);
    int out = int(g_cfg->getvaluefromindex(IDX_DATA_AUDIO_CHANNEL, audio->out));
    // A stored position beyond the channels is heard as "All Off".
    if (out < -1 || out >= channelCount())
        out = -1;
    const int r = DalAoutSet(out);
    qCDebug(lcApi, "DalAoutSet => %d, aout:%d", r, out);
    int32_t table[DAL_MAX_CH];
    for (int i = 0; i < DAL_MAX_CH; ++i)
        table[i] = i < PROP_MAX_CH ? audio->in[i] : -1;
    DalAinLink(table);
}

int TDVRAPI::setAout(int ch)
{
    return DalAoutSet(ch);
}

int TDVRAPI::testAout(int ch)
{
    return DalAoutSet(ch);
}

QString TDVRAPI::posText(int ch) const
{
    if (ch < 0 || ch >= CHANNELS)
        return QString();
    QMutexLocker lock(&m_posMutex);
    return m_posText[ch];
}

void TDVRAPI::motionMap(unsigned char* out) const
{
    QMutexLocker lock(&m_vinMutex);
    std::memcpy(out, m_motionMap, sizeof m_motionMap);
}

QByteArray TDVRAPI::camLogText(int ch) const
{
    // "(" name ")" fits the 39 bytes of the log's contents field: the name
    // is cut at a character boundary, the closing parenthesis kept.
    const auto* cams = section<const PropCamera>(IDX_PROP_CAMERA, 1);
    const QByteArray name = camName(cams->data[ch]);
    return '(' + name.left(utf8WholeLen(name.constData(), name.size(), int(sizeof(LogRecord::contents)) - 3)) + ')';
}

// ---- Events of the device layer -------------------------------------------

int TDVRAPI::runVin(int type, const VinEvent* ev)
{
    if (!ev)
        return 0;
    const int ch = ev->ch;
    const bool known = type == CBT_VIN_VL || type == CBT_VIN_MOTION || type == CBT_VIN_MDINFO || type == CBT_VIN_CAMERA;
    if (!known)
        return 0;
    if (!g_cfg || ch < 0 || ch >= channelCount()) {
        qCDebug(lcApi, "TDVRAPI::runVin type:%d ch:%d beyond the channels", type, ch);
        return 0;
    }
    switch (type) {
    case CBT_VIN_VL:
        notify(SIG_VIN_VL, ch, ev->value);
        fireAlarmout(SIG_VIN_VL, ch, ev->value);
        fireSpotPopup(SIG_VIN_VL, ch, ev->value);
        writeLog(ev->value ? LOG_VIDEO_LOSS : LOG_VIDEO_IN, "", camLogText(ch).constData());
        break;
    case CBT_VIN_MOTION:
        notify(SIG_VIN_MOTION, ch, ev->value);
        fireAlarmout(SIG_VIN_MOTION, ch, ev->value);
        fireSpotPopup(SIG_VIN_MOTION, ch, ev->value);
        break;
    case CBT_VIN_MDINFO: {
        if (!ev->map)
            break;
        unsigned char map[MOTION_MAP_SIZE];
        {
            QMutexLocker lock(&m_vinMutex);
            std::memcpy(m_motionMap, ev->map, sizeof m_motionMap);
            std::memcpy(map, m_motionMap, sizeof map);
        }
        // The map crosses to the GUI thread as a copy; the next event
        // overwrites the member.
        notifyRecord(SIG_VIN_MDINFO, ch, 0, map, int(sizeof map));
        break;
    }
    case CBT_VIN_CAMERA:
        qCDebug(lcApi, "TDVRAPI::runVin ch:%d", ch);
        vinSetCaps(ch);
        notify(SIG_VIN_CAMERA, ch, 0);
        break;
    }
    return 0;
}

int TDVRAPI::runPos(int type, int ch, int value, const char* text)
{
    if (type == CBT_POS_USB) {
        qCDebug(lcApi, "CBT_POS_USB");
        emit sg_dvrNotify(SIG_POS_USB, 0, 0, 0, QString(), QString());
        return 0;
    }
    if (type != CBT_POS_TEXTIN && type != CBT_POS_TEXTIN2)
        return 0;
    if (!g_cfg || ch < 0 || ch >= channelCount()) {
        qCDebug(lcApi, "TDVRAPI::runPos type:%d ch:%d beyond the channels", type, ch);
        return 0;
    }
    qCDebug(lcApi, "CBT_POS_TEXTIN.. ch:%d value:%d", ch, value);
    const QByteArray line = text ? utf8Cut(text, POS_TEXT_MAX) : QByteArray();
    notify(type == CBT_POS_TEXTIN ? SIG_POS_TEXTIN : SIG_POS_TEXTIN2, ch, value, 0, text ? line.constData() : nullptr);
    // Both kinds drive the outputs as a text line.
    fireAlarmout(SIG_POS_TEXTIN, ch, value);
    fireSpotPopup(SIG_POS_TEXTIN, ch, value);

    // The overlay: live view with cell texts on and not held.
    if (!m_sowOsdOn || m_osdLock || m_mode != 0 || !text)
        return 0;
    const auto* pos = section<const PropPos>(IDX_PROP_POS, 1);
    const int seconds = int(g_cfg->getvaluefromindex(IDX_DATA_OVERLAY_TIME, qBound(0, int(pos->overlaytime), 11)));
    QVector<Rect> repaint;
    {
        QMutexLocker lock(&m_posMutex);
        TxtinArea& area = m_txtin[ch];
        if (value) {
            if (type == CBT_POS_TEXTIN) {
                // A new receipt: the cell's text area is blanked and the
                // cell repainted.
                clearTxtin(ch, &m_txtinImg);
                VidWnd w{};
                if (cellOfChannel(ch, &w) >= 0)
                    repaint.append({w.x, w.y, w.w, w.h});
            }
            area.on = 1;
            placeTxtin(ch);
        }
        const TxtinArea before = area;
        // Laid out in the area, which sets the drawn rectangle.
        drawTxtin(ch, line.constData(), &m_txtinImg);
        m_posText[ch] = QString::fromUtf8(line);
        // What was drawn before and what is drawn now.
        Rect u = {0, 0, 0, 0};
        bool any = false;
        for (const TxtinArea* a : {&before, static_cast<const TxtinArea*>(&area)}) {
            if (a->drawnW <= 0 || a->drawnH <= 0)
                continue;
            const int l = any ? qMin(u.x, a->drawX) : a->drawX;
            const int t = any ? qMin(u.y, a->drawY) : a->drawY;
            const int r = any ? qMax(u.x + u.w, a->drawX + a->drawnW) : a->drawX + a->drawnW;
            const int b = any ? qMax(u.y + u.h, a->drawY + a->drawnH) : a->drawY + a->drawnH;
            u = {l, t, r - l, b - t};
            any = true;
        }
        if (any)
            repaint.append(u);
        m_nPosDur[ch] = seconds;
    }
    for (const Rect& r : repaint)
        notify(SIG_OSD_POS_UPDATE, (r.x << 16) + r.y, (r.w << 16) + r.h, 0);
    return 0;
}
