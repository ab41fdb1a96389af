// Live layouts: the layout list, the display order of the channels, the
// chain that maps channels to the cells of a layout page, the layout switch,
// the single-camera views of the live tools and freeze and resume.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tosdhooks.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
void fillEmpty(int32_t* chain)
{
    for (int k = 0; k < DAL_MAX_CH; ++k)
        chain[k] = -1;
}
}

void TDVRAPI::resetLive()
{
    m_toolCh = -1;
    m_spotNum = m_spotIdx = m_spothdNum = m_spothdIdx = m_spotTick = 0;
    m_spotPopCh = -1;
    m_spotPopTime = 0;
}

int TDVRAPI::layoutAt(int i) const
{
    if (!m_voutCaps || i < 0 || i >= m_numLayout || i >= DAL_MAX_LAYOUT)
        return 1;
    return m_voutCaps->layout[i];
}

int TDVRAPI::layoutIndex(int id) const
{
    const int n = m_voutCaps ? qBound(0, m_numLayout, int(DAL_MAX_LAYOUT)) : 0;
    for (int i = 0; i < n; ++i)
        if (m_voutCaps->layout[i] == id)
            return i;
    return 0;
}

bool TDVRAPI::listsLayout(int id) const
{
    // The capabilities the start holds, or the output's own before that.
    VoutCaps fresh;
    const VoutCaps* caps = m_voutCaps;
    int n = m_numLayout;
    if (!caps) {
        std::memset(&fresh, 0, sizeof fresh);
        if (DalVoutGetCaps(&fresh) < 0)
            return false;
        caps = &fresh;
        n = fresh.numLayout;
    }
    n = qBound(0, n, int(DAL_MAX_LAYOUT));
    for (int i = 0; i < n; ++i)
        if (caps->layout[i] == id)
            return true;
    return false;
}

void TDVRAPI::setLayoutHook(LayoutHook hook)
{
    QMutexLocker lock(&m_layoutHookMutex);
    m_layoutHook = std::move(hook);
}

void TDVRAPI::remoteLayout(int lay, int sw)
{
    if (!listsLayout(lay)) {
        qCDebug(lcApi, "remoteLayout.. refused lay:%d sw:%d", lay, sw);
        return;
    }
    LayoutHook hook;
    {
        QMutexLocker lock(&m_layoutHookMutex);
        hook = m_layoutHook;
    }
    // Every switch goes through the one layout thread, so the facade and
    // the device never see two switches at once.
    if (hook)
        hook(lay, sw);
    else
        dispLayout(lay, sw);
}

int TDVRAPI::numLayoutCam(int lay)
{
    int num = DalVoutNumCell(lay);
    if (num < 1)
        num = 1;
    qCDebug(lcApi, "numLayoutCam.. lay:%d num:%d", lay, num);
    return num;
}

int TDVRAPI::numLayoutBigCam(int lay)
{
    const int num = DalVoutNumBigCell(lay);
    qCDebug(lcApi, "numLayoutBigCam.. lay:%d num:%d", lay, num);
    return num;
}

namespace {
// The cells of a layout split into big and small ones, each count kept
// within the cells and the chain, whatever the device answers.
struct Cells {
    int cells, big, small;
};
}

static Cells cellsOf(TDVRAPI* api, int lay)
{
    Cells c;
    c.cells = qMin(api->numLayoutCam(lay), int(DAL_MAX_CH));
    c.big = qBound(0, api->numLayoutBigCam(lay), c.cells);
    c.small = c.cells - c.big;
    return c;
}

int TDVRAPI::numLayoutSwitch(int lay)
{
    const Cells c = cellsOf(this, lay);
    const int count = viewCount();
    // A layout without small cells, or whose big cells hold every channel,
    // has one page.
    int pages = 1;
    if (c.small > 0)
        pages = qMax(1, (count - 1 + c.small - c.big) / c.small);
    qCDebug(lcApi, "numLayoutSwitch.. num:%d num_cell:%d num_big_cell:%d", pages, c.cells, c.big);
    return pages;
}

int TDVRAPI::findSplitSw(int lay, int pos)
{
    const Cells c = cellsOf(this, lay);
    qCDebug(lcApi, "findSplitSw.. nLayout:%d ch:%d num_small_cell:%d num_big_cell:%d", lay, pos, c.small, c.big);
    if (pos < 0 || pos < c.big || c.small < 1)
        return 0;
    return (pos - c.big) / c.small;
}

bool TDVRAPI::hasSplitCells(int lay)
{
    return viewCount() > numLayoutCam(lay);
}

void TDVRAPI::makeChain(int lay, int page, int32_t* chain)
{
    fillEmpty(chain);
    const int count = viewCount();
    const Cells c = cellsOf(this, lay);
    // Big cells show the first positions on every page; the small cells the
    // positions after them, page by page, wrapping to the first position
    // after the big cells. Big cells beyond the channels stay empty, and
    // with no position left for the small cells they stay empty too.
    const int big = qMin(c.big, count);
    for (int k = 0; k < big; ++k)
        chain[k] = k;
    const int rest = count - big;
    if (rest > 0) {
        const int start = int((int64_t(c.small) * page % rest + rest) % rest);
        for (int j = 0; j < c.small; ++j)
            chain[c.big + j] = big + (j + start) % rest;
    }
    // Positions become channels (beyond the stored order a position shows
    // its own channel); an order entry out of range leaves the cell empty.
    for (int k = 0; k < DAL_MAX_CH; ++k) {
        if (chain[k] >= 0 && chain[k] < count) {
            const int ch = orderAt(chain[k]);
            chain[k] = ch >= 0 && ch < count ? ch : -1;
        }
        qCDebug(lcApi, "========== make chain2 chain[%d] = %d ============", k, chain[k]);
    }
}

int TDVRAPI::orderOf(int pos) const
{
    const int count = viewCount();
    if (pos < 0 || pos >= count)
        pos = 0;
    const int ch = orderAt(pos);
    return ch >= 0 && ch < count ? ch : 0;
}

int TDVRAPI::posInOrder(int ch) const
{
    const int count = viewCount();
    if (count == 0)
        return 0;
    for (int p = 0; p < count; ++p)
        if (orderAt(p) == ch)
            return p;
    return count;
}

bool TDVRAPI::orderConflict(int chA, int chB) const
{
    const int count = channelCount();
    const int a = posInOrder(chA);
    const int b = posInOrder(chB);
    // A channel that has no position cannot be swapped into one.
    if (a >= count || b >= count)
        return true;
    int order[CHANNELS];
    std::memcpy(order, m_chOrder, sizeof order);
    std::swap(order[a], order[b]);
    for (int i = 0; i < CHANNELS; ++i)
        for (int j = i + 1; j < CHANNELS; ++j)
            if (order[i] == order[j])
                return true;
    // The channel count itself is out of range like any value above it.
    return unsigned(order[a]) >= unsigned(count);
}

int TDVRAPI::swapOrder(int chA, int chB)
{
    // Only the 20 positions the stored order holds can change: a camera
    // beyond them keeps its own position, and a swap with it is refused.
    const int count = channelCount();
    if (chA < 0 || chA >= count || chB < 0 || chB >= count)
        return -1;
    if (orderConflict(chA, chB)) {
        for (int p = 0; p < count; ++p)
            m_chOrder[p] = p;
        return 0;
    }
    std::swap(m_chOrder[posInOrder(chA)], m_chOrder[posInOrder(chB)]);
    return 0;
}

int TDVRAPI::chAtPoint(int x, int y) const
{
    VidWnd cells[DAL_MAX_CH];
    const int n = layoutCells(cells);
    for (int i = 0; i < n; ++i) {
        const VidWnd& c = cells[i];
        if (x >= c.x && x <= c.x + c.w - 1 && y >= c.y && y <= c.y + c.h - 1)
            return c.ch >= 0 ? c.ch : -1;
    }
    return -1;
}

int TDVRAPI::readCells(VidWnd (&cells)[DAL_MAX_CH], int* r)
{
    int32_t n = 0;
    std::memset(cells, 0, sizeof cells);
    const int got = DalVoutGetLayoutInfo(0, 0, &n, cells);
    if (r)
        *r = got;
    const int count = qBound(0, int(n), int(DAL_MAX_CH));
    QMutexLocker lock(&m_cellsMutex);
    std::memcpy(m_vidwnd, cells, sizeof m_vidwnd);
    m_numvid = count;
    return count;
}

int TDVRAPI::layoutCells(VidWnd (&out)[DAL_MAX_CH]) const
{
    QMutexLocker lock(&m_cellsMutex);
    std::memcpy(out, m_vidwnd, sizeof out);
    return qBound(0, m_numvid, int(DAL_MAX_CH));
}

void TDVRAPI::layoutInfo()
{
    VidWnd cells[DAL_MAX_CH];
    int r = 0;
    const int numvid = readCells(cells, &r);
    qCDebug(lcApi, "=========== %d = DalVoutGetLayoutInfo  ==============", r);
    const int count = channelCount();
    const int tiles = viewCount();
    for (int i = 0; i < tiles; ++i)
        qCDebug(lcApi, "======== vidwnd[%d] : ch:%d show:%d =============", i, cells[i].ch, cells[i].show);

    if (tiles > 0 && m_cell[0].item[CellOsd::TITLE]) {
        QMutexLocker osdLock(&m_osdMutex);
        for (int ch = 0; ch < tiles; ++ch) {
            m_cell[ch].ch = -1;
            for (int i = CellOsd::TITLE; i <= CellOsd::VIDEO_LOSS; ++i)
                if (m_cell[ch].item[i])
                    m_cell[ch].item[i]->visible = 0;
        }
        for (int k = 0; k < numvid; ++k) {
            const VidWnd& c = cells[k];
            if (c.show && c.ch >= 0 && c.ch < tiles)
                placeItems(c.ch, c);
        }
    }
    // The POS callback and the tick change the overlays on device threads.
    QMutexLocker lock(&m_posMutex);
    for (int ch = 0; ch < count; ++ch) {
        if (!m_txtin[ch].on)
            continue;
        placeTxtin(ch);
        if (m_nPosDur[ch] > 0)
            drawTxtin(ch, m_posText[ch].toUtf8().constData(), &m_txtinImg);
    }
}

void TDVRAPI::setLayout()
{
    int32_t chain[DAL_MAX_CH];
    makeChain(m_layout, 0, chain);
    DalVoutSetLayout(0, m_layout, chain);
    layoutInfo();
    const int count = viewCount();
    QMutexLocker osdLock(&m_osdMutex);
    for (int ch = 0; ch < count; ++ch) {
        const QString name = titleOf(ch);
        drawOsdText(ch, name, &m_titleImg[ch], 0, 0);
        drawOsdText(ch, name, &m_spotTitleImg[ch], 1, 0);
        drawOsdText(ch, name, &m_hdTitleImg[ch], 2, 0);
        if (!m_playImg[ch].isNull())
            m_playImg[ch].fill(0xff000000);
    }
    osdLock.unlock();
    spotOsdAll(-1);
}

void TDVRAPI::dispLayout(int lay, int sw)
{
    qCDebug(lcApi, "dispLayout.. m_mode:%d lay:%d sw:%d", m_mode, lay, sw);
    if (lay < 0 || lay == m_layout) {
        if (sw == m_sw)
            return;
        lay = m_layout;
    }
    const int pages = numLayoutSwitch(lay);
    if (sw < 0)
        sw = m_sw;
    if (sw < 0 || sw >= pages)
        sw = 0;

    m_layoutReady = 0;
    showOsd(0, 1);

    int32_t chain[DAL_MAX_CH];
    makeChain(lay, sw, chain);
    if (DalVoutSetLayout(0, lay, chain) < 0) {
        // The device shows what it showed: so does the facade.
        qCDebug(lcApi, "dispLayout.. refused by the device lay:%d", lay);
        m_layoutReady = 1;
        showOsd(m_sowOsdOn, 1);
        return;
    }
    qCDebug(lcApi, "========= DalVoutSetLayout( %d ) ========", lay);
    layoutInfo();
    qCDebug(lcApi, "dispLayout.. ========= mkLayoutOsd ========");

    m_layout = lay;
    m_frozen = 0;
    m_sw = sw;
    m_layoutReady = 1;
    showOsd(m_sowOsdOn, 1);
    qCDebug(lcApi, "dispLayout exit");
}

// The single-camera views build the chain of layout 1 with the position as
// the page: its one cell shows the channel at that display position.

void TDVRAPI::showLayout(int pos)
{
    const int ch = orderOf(pos);
    int32_t chain[DAL_MAX_CH];
    makeChain(1, pos, chain);
    DalVoutSetLayout(0, 1, chain);
    layoutInfo();
    // The camera a tool showed before gets its tour back.
    if (m_toolCh >= 0)
        startPtzTour(m_toolCh);
    m_toolCh = ch;
    m_frozen = 0;
}

void TDVRAPI::showLayoutNoViw(int pos)
{
    const int ch = orderOf(pos);
    if (m_toolCh == -1)
        m_toolCh = ch;
    DalVoutSetViw(0, 0, 0, 0, 0);
    int32_t chain[DAL_MAX_CH];
    makeChain(1, pos, chain);
    DalVoutSetLayout(0, 1, chain);
    layoutInfo();
    m_frozen = 0;
}

void TDVRAPI::showLayout2(int ch)
{
    int32_t chain[DAL_MAX_CH];
    makeChain(1, posInOrder(ch), chain);
    DalVoutSetLayout(0, 1, chain);
    layoutInfo();
    m_frozen = 0;
    if (m_toolCh >= 0)
        startPtzTour(m_toolCh);
    m_toolCh = ch;
}

void TDVRAPI::startPip(int x, int y, int ch, int fmot)
{
    if (m_toolCh == -1)
        m_toolCh = ch;
    qCDebug(lcApi, "startPip sx:%d sy:%d ch:%d fmot:%d", x, y, ch, fmot);
    DalVoutSetViw(0, x, y, osdValue(13), osdValue(14));
    int32_t chain[DAL_MAX_CH];
    makeChain(1, posInOrder(ch), chain);
    DalVoutSetLayout(0, 1, chain);
    layoutInfo();
    m_frozen = 0;
}

void TDVRAPI::startPbPip(int x, int y, int xres, int yres)
{
    qCDebug(lcApi, "TDVRAPI::startPbPip..sx:%d sy:%d xres:%d yres:%d", x, y, xres, yres);
    const int count = channelCount();
    {
        QMutexLocker lock(&m_posMutex);
        for (int ch = 0; ch < count; ++ch)
            clearTxtin(ch, &m_txtinImg);
    }
    // The wide outputs keep the window at a fixed place.
    const int width = voutInfo(1).width();
    if (width == 1680) {
        x = 212;
        y = 4;
    } else if (width == 1920) {
        x = 216;
        y = 4;
    }
    DalVoutSetViw(0, x, y, xres, yres);
}

void TDVRAPI::closePopup()
{
    DalVoutSetViw(0, 0, 0, 0, 0);
    dispLayout(-1, -1);
    if (m_toolCh >= 0)
        startPtzTour(m_toolCh);
    m_frozen = 0;
    m_toolCh = -1;
}

void TDVRAPI::closePopup2()
{
    DalVoutSetViw(0, 0, 0, 0, 0);
    dispLayout(-1, -1);
    if (m_toolCh >= 0)
        startPtzTour(m_toolCh);
    m_toolCh = -1;
}

void TDVRAPI::restoreViews()
{
    DalVoutSetViw(0, 0, 0, 0, 0);
    const int count = channelCount();
    QMutexLocker lock(&m_posMutex);
    for (int ch = 0; ch < count; ++ch)
        clearTxtin(ch, &m_txtinImg);
}

void TDVRAPI::liveFreeze()
{
    char value[128] = "0";
    DalCmd("freeze", value, 0);
    m_frozen = 1;
}

void TDVRAPI::liveResume()
{
    if (!m_frozen)
        return;
    char value[128] = "0";
    DalCmd("resume", value, 0);
    m_frozen = 0;
}

void TDVRAPI::setThumbnail(int ch, int dur)
{
    qCDebug(lcApi, "setThumbnail.. ch:%d dur:%d", ch, dur);
    if (ch >= 0) {
        const bool changed = ch != m_searchCh;
        m_searchCh = ch;
        // Thumbnail and panorama show this one channel.
        if (m_mode != 0 && changed && (m_searchMode == 3 || m_searchMode == 4)) {
            std::memset(&m_dec, 0, sizeof m_dec);
            resetPlayMode();
        }
    }
    if (dur >= 1)
        m_thumbDur = dur;
}

uint32_t TDVRAPI::noVideoMask() const
{
    uint32_t mask = 0;
    const int count = channelCount();
    for (int ch = 0; ch < count; ++ch)
        if (m_dec.entry[ch].width <= 0 || m_dec.entry[ch].height <= 0)
            mask |= 1u << ch;
    return mask;
}
