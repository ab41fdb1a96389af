// Live layouts, the camera sequence and the live audio of the main window.
#include "tmain.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tsplitth.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { LayoutWait = 500, SingleLayout = 1 };

const PropDisplay* display()
{
    return static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 1));
}

} // namespace

void TMain::switchLayout(int layout, int page, int waitMs, bool resetZoom)
{
    // A switch still running after the wait keeps going; the new target
    // waits for it in the thread and is shown right after it.
    m_splitTh->request(layout, page, waitMs);
    if (resetZoom) {
        m_zoomRect = QRect(0, 0, -1, -1);
        m_zoomRatio = 1.0;
        m_ptStart = m_ptEnd;
    }
}

void TMain::changeLayout(int layout, int x)
{
    int page = x;
    if (layout > 0 && x >= 0) {
        page = g_api.posInOrder(x);
    } else if (layout < 0 && x >= 0) {
        layout = g_api.m_layout;
        page = g_api.findSplitSw(layout, g_api.numLayoutCam(layout) * x);
    }
    switchLayout(layout, page, LayoutWait, true);
}

void TMain::changeLayoutSw(int layout, int x)
{
    int page = x;
    if (layout < 0 && x >= 0) {
        layout = g_api.m_layout;
        page = g_api.findSplitSw(layout, g_api.posInOrder(x));
    } else if (layout == g_api.m_layout && x < 0) {
        page = g_api.m_sw + 1;
        if (page >= g_api.numLayoutSwitch(layout))
            page = 0;
    }
    switchLayout(layout, page, LayoutWait, true);
}

void TMain::sl_fromSplit(int layout, int num)
{
    qCDebug(lcApp, "============= sl_fromSplit : split=%d num:%d ===============", layout, num);
    changeLayoutSw(layout, num);
}

void TMain::seqLayout(int)
{
    const int layout = g_api.m_layout;
    if (!g_api.hasSplitCells(layout) || g_api.numLayoutSwitch(layout) < 2)
        return;
    if (m_seqOn) {
        stopSequence();
        return;
    }
    m_seqCnt = 0;
    m_seqOn = 1;
    const int seqdur = display()->seqdur;
    m_nMainSeqDur = int(g_cfg->getvaluefromindex(IDX_DATA_DWELL, seqdur));
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setSequence(1);
    qCDebug(lcApp, "seqLayout.. m_nMainSeqDur:%d seqdur:%d", m_nMainSeqDur, seqdur);
}

void TMain::stopSequence()
{
    m_seqOn = 0;
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setSequence(0);
}

void TMain::tickSequence()
{
    if (!m_seqOn)
        return;
    ++m_seqCnt;
    const int layout = g_api.m_layout;
    const int n = g_api.numLayoutSwitch(layout);
    qCDebug(lcApp, "Sequence.. cnt:%d dur:%d sw_num:%d sw:%d", m_seqCnt, m_nMainSeqDur, n, g_api.m_sw);
    if (m_seqCnt < m_nMainSeqDur)
        return;
    m_seqCnt = 0;
    // Without cameras no page has anything to show.
    const int count = g_api.channelCount();
    const int k = g_api.numLayoutCam(layout);
    if (count <= 0 || n <= 0 || k <= 0)
        return;
    const PropDisplay* disp = display();
    int page = g_api.m_sw;
    for (int tried = 0; tried < n; ++tried) {
        page = page + 1 >= n || page < 0 ? 0 : page + 1;
        int valid = 0;
        for (int j = 0; j < k; ++j) {
            const int p = page * k + j;
            if (p >= count)
                break;
            const int ch = disp->orders[p % count];
            if (ch >= 0 && !(disp->skip_vloss && g_api.isHiddenCh(ch)))
                ++valid;
        }
        qCDebug(lcApp, "Sequence sw:%d sw_num:%d div:%d valid:%d", page, n, k, valid);
        if (valid) {
            changeLayout(-1, page);
            return;
        }
    }
}

void TMain::selAudio(int ch)
{
    if (ch < -1 || ch >= g_api.channelCount())
        return;
    m_audioCh = ch;
    g_api.setAout(ch);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setAudio(ch);
}

void TMain::audioOff()
{
    g_api.setAout(-1);
}

void TMain::selAudioByLayout(int live, int fromConfig, int layout, int page)
{
    if (layout < 0)
        layout = g_api.m_layout;
    if (page < 0)
        page = g_api.m_sw;
    const int count = g_api.channelCount();
    int a = m_audioCh;
    if (a >= 0 && a < count) {
        if (page >= count)
            a = -1;
        else if (layout == SingleLayout)
            a = g_api.orderOf(page);
    } else {
        a = -1;
    }
    if (fromConfig) {
        const auto* audio = static_cast<const PropAudio*>(g_cfg->getsection(IDX_PROP_AUDIO, live ? 1 : 0));
        a = int(g_cfg->getvaluefromindex(IDX_DATA_AUDIO_CHANNEL, audio->out));
    }
    if (a >= count)
        a = -1;
    m_audioCh = a;
    g_api.setAout(a);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setAudio(a);
}

void TMain::shutdownLater()
{
    beginStop();
    QTimer::singleShot(500, this, &TMain::sl_shutdown);
}

void TMain::sl_umountUsb()
{
    g_api.umountExtSd();
}

void TMain::connectTo()
{
    // The device comes up once, half a second after the first show.
    if (m_bringUpStarted)
        return;
    m_bringUpStarted = 1;
    // A remote client's layout request takes the way of a local one: into
    // the GUI thread, then through the layout thread, which makes every
    // switch. The window may be gone by the time the request arrives.
    QPointer<TMain> self(this);
    g_api.setLayoutHook([self](int layout, int page) {
        QMetaObject::invokeMethod(&g_api, [self, layout, page] {
            if (self)
                self->switchLayout(layout, page, LayoutWait, true);
        }, Qt::QueuedConnection);
    });
    QTimer::singleShot(500, this, &TMain::sl_initDvr);
}
