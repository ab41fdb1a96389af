#include "tsearchwnd.h"
#include "ctlres.h"
#include "searchreq.h"
#include "tbutton.h"
#include "tclock.h"
#include "tcalendar.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdatasetth.h"
#include "tdate.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tedit.h"
#include "textutil.h"
#include "tfilewnd.h"
#include "tkeys.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tmsgwnd.h"
#include "tposview.h"
#include "tstatuswnd.h"
#include "ttime.h"
#include "tvkeyboard.h"
#include "uisearchlog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cstring>

namespace {

enum {
    BackImage = 146,
    BtnImage = 21,
    CheckOn = 70,
    CheckOff = 71,
    MarginLeft = 196,
    MarginTop = 197,
    MarginRight = 198,
    MarginBottom = 199,
    ModeRows = 5,
    T_SEARCH_ALL = 56,
    T_SEARCH = 10,
    T_PAUSE = 117,
    T_POS = 395,
    OemCalFont = 10
};

// Texts of buttons 0-6.
const int kBtnText[7] = {31, 32, 33, 12, 34, 35, 429};
// Images of the playback buttons 39-44.
const int kPlayImage[6] = {40, 42, 43, 45, 44, 46};
// Layout values of buttons 27-38: units of 6, 12 or 20 channels, and others.
const int kLayoutSmall[12] = {1, 2, 3, 4, 7, 8, 6, 9, 13, 14, 15, 12};
const int kLayoutOther[12] = {1, 2, 5, 10, 4, 11, 9, 13, 14, 12, 16, 17};
// Icon images of layout values 1..17 (normal, on).
const int kLayoutIcon[17][2] = {{158, 157}, {176, 175}, {160, 159}, {178, 177}, {188, 187}, {166, 165},
                                {162, 161}, {164, 163}, {180, 179}, {190, 189}, {192, 191}, {174, 173},
                                {168, 167}, {170, 169}, {172, 171}, {216, 215}, {218, 217}};

int ctlValue(int id)
{
    return g_res ? g_res->getValue(id) : 0;
}

int oem()
{
    return g_default ? g_default->getOem() : 0;
}

template <class T> const T* section(int idx)
{
    return g_cfg ? static_cast<const T*>(g_cfg->getsection(idx, 1)) : nullptr;
}

void* asValue(int v)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(v));
}

} // namespace

TSearchWnd::TSearchWnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

TSearchWnd::~TSearchWnd()
{
    // The thread is a Qt child; a job still running must end before the
    // window's members go.
    if (m_th)
        m_th->wait();
    // The buttons paint with the icons: they go first.
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    qDeleteAll(m_icons);
}

QIcon* TSearchWnd::icon(const QPixmap& normal, const QPixmap& on)
{
    QIcon* i = TRes::makeIcon(normal, 4, false);
    if (!on.isNull())
        TRes::addIconStates(i, on, 4, true);
    m_icons << i;
    return i;
}

// ======== Creation ========

void TSearchWnd::init(int)
{
    createCtrl();
    resizeCtrl();
    layoutCtrl(m_mode);
    evtLanguage();
    initFocusMap();
    initCombo();
}

void TSearchWnd::sl_init()
{
    init(0);
}

void TSearchWnd::createCtrl()
{
    for (int i = 0; i < NUM_COMBO; ++i)
        m_combo[i] = new TCombo(this, i);
    m_combo[CB_EVENT]->setMaxVisibleItems(8);
    m_combo[CB_CHANNEL]->setMaxVisibleItems(7);
    m_combo[CB_INTERVAL]->setMaxVisibleItems(6);

    m_posText = new TEdit(this, 0, 1);
    m_posText->setReadOnly(true);
    m_time = new TTime(this);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_dateFrom = new TDate(this);
    m_dateTo = new TDate(this);
    for (TDate* d : {m_dateFrom, m_dateTo})
        d->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));

    m_calendar = new TCalendar(this, 0, QSize(ctlScale(204), ctlScale(200)));
    m_calendar->init();
    m_timeline = new TLineGraph(this, qMin(channels(), int(TLineGraph::MaxRows)));
    m_timeline->init();
    m_timeline->layoutBtn();
    m_list = new TListView(this, 0, QSize(ctlScale(600), ctlScale(120)), 0, 1);
    m_list->init();
    m_posView = new TPosView(this, 0, QSize(ctlScale(400), ctlScale(120)));

    QIcon* btnIcon = icon(ctlImage(BtnImage));
    for (int i = BTN_GOTO; i <= BTN_FULL; ++i)
        m_btn[i] = new TButton(this, btnIcon, QString(), i, ctlColor(0), 4);
    m_btn[BTN_POSFIND] = new TButton(this, btnIcon, QString(), BTN_POSFIND, ctlColor(0), 4);
    for (int i = 0; i < NUM_CHBTN; ++i)
        m_btn[BTN_CH0 + i] = new TButton(this, btnIcon, QString::number(i + 1), BTN_CH0 + i, QColor(255, 255, 255), 4);
    const int videos = channels();
    for (int i = 0; i < NUM_LAYOUTBTN; ++i) {
        int normal = 0;
        int on = 0;
        QIcon* look = layoutIcon(layoutValue(BTN_LAYOUT0 + i, videos), &normal, &on)
                          ? icon(ctlImage(normal), ctlImage(on))
                          : nullptr;
        m_btn[BTN_LAYOUT0 + i] = new TButton(this, look, QString(), BTN_LAYOUT0 + i, ctlColor(0), 4);
    }
    for (int i = 0; i < 6; ++i) {
        m_btn[BTN_FREW + i] = new TButton(this, icon(ctlImage(kPlayImage[i])), QString(), BTN_FREW + i, ctlColor(0), 4);
    }
    QIcon* check = icon(ctlImage(CheckOff), ctlImage(CheckOn));
    m_btn[BTN_EVENT] = new TButton(this, check, QString(), BTN_EVENT, ctlColor(0), 5);
    m_btn[BTN_DATE] = new TButton(this, check, QString(), BTN_DATE, ctlColor(0), 5);
    // Only the channels the unit has ever show.
    for (int i = videos; i < NUM_CHBTN; ++i)
        m_btn[BTN_CH0 + i]->hide();

    m_dayTimer = new QTimer(this);
    m_dayTimer->setSingleShot(true);
    connect(m_dayTimer, &QTimer::timeout, this, &TSearchWnd::sl_timeout);

    createOpt();
    m_th = new TDatasetTh(this);
}

int TSearchWnd::channels() const
{
    const auto* dev = section<PropDevices>(IDX_PROP_DEVICES);
    return dev ? qMax(0, dev->videos) : 0;
}

QRect TSearchWnd::videoRect() const
{
    const int left = ctlValue(MarginLeft);
    const int top = ctlValue(MarginTop);
    const int w = width() - left - ctlValue(MarginRight);
    const int h = height() - top - ctlValue(MarginBottom);
    return QRect(left, top, w, h);
}

QRect TSearchWnd::pictureRect() const
{
    const QRect v = videoRect();
    if (width() == 1920)
        return QRect(QPoint(v.left() + 4, v.top() - 6), QPoint(v.left() + v.width() - 13, v.top() + v.height() - 3));
    if (width() == 1680)
        return QRect(QPoint(v.left(), v.top() - 6), QPoint(v.left() + v.width() - 17, v.top() + v.height() - 3));
    return v;
}

void TSearchWnd::resizeCtrl()
{
    // The background with the playback area cut black into it.
    m_bg = QPixmap(size());
    m_bg.fill(Qt::black);
    {
        QPainter p(&m_bg);
        const QPixmap img = ctlImage(BackImage);
        if (!img.isNull())
            p.drawPixmap(rect(), img);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(pictureRect(), QColor::fromRgba(0xFF000000));
    }
    if (oem() == OemCalFont) {
        QFont f = m_calendar->font();
        f.setPointSize(ctlScale(11));
        m_calendar->setFont(f);
    }
}

void TSearchWnd::evtResize()
{
    if (!m_calendar)
        return;
    resizeCtrl();
    layoutCtrl(m_mode);
}

// Rows of the left panel, from the top: mode, calendar, the mode's rows,
// channel grid, layout grid, playback buttons, the playback texts, and the
// six command buttons. The timeline, the list and the POS detail take the
// strip under the picture.
void TSearchWnd::layoutCtrl(int mode)
{
    const int s4 = ctlScale(4);
    const int left = ctlValue(MarginLeft);
    const int x0 = s4;
    const int w = qMax(ctlScale(40), left - 2 * s4);
    const int rh = ctlScale(22);
    const int gap = ctlScale(3);
    const int lw = w * 2 / 5;
    int y = ctlValue(MarginTop);

    m_modeLabel = QRect(x0, y, lw, rh);
    m_combo[CB_MODE]->setGeometry(x0 + lw + gap, y, w - lw - gap, rh);
    y += rh + gap;
    // The calendar takes what the rows under it leave, up to its full
    // height: on a small output (800 x 600) the panel still ends on screen.
    const int rowH = rh + gap;
    const int cgap = ctlScale(2);
    const int cols = chGridCols(channels());
    const int bh = ctlScale(22);
    const int chRows = (qMin(channels(), int(NUM_CHBTN)) + cols - 1) / cols;
    const int lbh = ctlScale(23);
    const int layRows = (qBound(0, g_api.m_numLayout, int(NUM_LAYOUTBTN)) + 3) / 4;
    const int below = gap + ModeRows * rowH + gap + chRows * (bh + cgap) + gap + layRows * (lbh + cgap) + gap
                      + rh + gap + 2 * ctlScale(20) + gap + 3 * rowH;
    const int calH = qBound(ctlScale(120), height() - s4 - y - below, ctlScale(180));
    m_calendar->setGeometry(x0, y, w, calH);
    y += calH + gap;

    // The mode's rows: label on the left, its control on the right.
    auto cell = [&](int row) { return QRect(x0 + lw + gap, y + row * rowH, w - lw - gap, rh); };
    auto whole = [&](int row) { return QRect(x0, y + row * rowH, w, rh); };
    auto check = [&](int row) { return QRect(x0 + lw + gap, y + row * rowH, rh, rh); };
    for (int r = 0; r < ModeRows; ++r)
        m_labelRect[r] = QRect(x0, y + r * rowH, lw, rh);
    switch (mode) {
    case MODE_TIME:
        m_btn[BTN_EVENT]->setGeometry(check(0));
        m_time->setGeometry(cell(1));
        m_btn[BTN_GOTO]->setGeometry(whole(2));
        break;
    case MODE_EVENT:
        m_combo[CB_EVENT]->setGeometry(cell(0));
        m_combo[CB_CHANNEL]->setGeometry(cell(1));
        break;
    case MODE_POS:
        m_posText->setGeometry(cell(0));
        m_btn[BTN_DATE]->setGeometry(check(1));
        m_dateFrom->setGeometry(cell(2));
        m_dateTo->setGeometry(cell(3));
        m_btn[BTN_POSFIND]->setGeometry(whole(4));
        m_dateFrom->setEnabled(m_btn[BTN_DATE]->isChecked());
        m_dateTo->setEnabled(m_btn[BTN_DATE]->isChecked());
        break;
    case MODE_THUMB:
    case MODE_PANORAMA:
        m_combo[CB_CHANNEL]->setGeometry(cell(0));
        m_time->setGeometry(cell(1));
        m_combo[CB_INTERVAL]->setGeometry(cell(2));
        m_btn[BTN_GOTO]->setGeometry(whole(mode == MODE_THUMB ? 3 : 2));
        break;
    default:
        break;
    }
    y += ModeRows * rowH + gap;

    // Channel buttons.
    const int bw = (w - (cols - 1) * cgap) / cols;
    for (int i = 0; i < NUM_CHBTN; ++i)
        m_btn[BTN_CH0 + i]->setGeometry(x0 + (i % cols) * (bw + cgap), y + (i / cols) * (bh + cgap), bw, bh);
    y += chRows * (bh + cgap) + gap;

    // Layout buttons, four to a row.
    const int lbw = (w - 3 * cgap) / 4;
    // As many as the output has layouts: known once the device is up, which
    // is after the window is made.
    for (int i = 0; i < NUM_LAYOUTBTN; ++i) {
        m_btn[BTN_LAYOUT0 + i]->setGeometry(x0 + (i % 4) * (lbw + cgap), y + (i / 4) * (lbh + cgap), lbw, lbh);
        m_btn[BTN_LAYOUT0 + i]->setVisible(i < g_api.m_numLayout);
    }
    y += layRows * (lbh + cgap) + gap;

    // Playback buttons.
    const int pbw = (w - 5 * cgap) / 6;
    for (int i = 0; i < 6; ++i)
        m_btn[BTN_FREW + i]->setGeometry(x0 + i * (pbw + cgap), y, pbw, rh);
    y += rh + gap;

    // The played date and time, and the rate.
    m_dtRect = QRect(x0, y, w, ctlScale(20));
    y += ctlScale(20);
    m_rateRect = QRect(x0, y, w, ctlScale(20));
    y += ctlScale(20) + gap;

    // Refresh/Option, Backup/Import, Exit/Full Screen.
    const int hw = (w - gap) / 2;
    for (int i = 0; i < 6; ++i)
        m_btn[BTN_REFRESH + i]->setGeometry(x0 + (i % 2) * (hw + gap), y + (i / 2) * rowH, hw, rh);

    // The strip under the picture.
    const QRect v = videoRect();
    const QRect strip(v.left(), v.bottom() + 1 + s4, v.width(), qMax(ctlScale(20), height() - v.bottom() - 1 - 2 * s4));
    if (m_timeline->geometry() != strip) {
        m_timeline->setGeometry(strip);
        m_timeline->resizeTo(strip.size());
        // The zoom and scroll buttons sit on the strip's bottom edge.
        m_timeline->layoutBtn();
    }
    QRect listRect = strip;
    if (mode == MODE_POS) {
        listRect.setWidth(strip.width() * 3 / 5);
        m_posView->setGeometry(QRect(listRect.right() + 1 + s4, strip.top(), strip.width() - listRect.width() - s4,
                                     strip.height()));
    }
    if (m_list->geometry() != listRect) {
        m_list->setGeometry(listRect);
        m_list->relayout();
    }
}

void TSearchWnd::evtLanguage()
{
    if (!m_calendar)
        return;
    auto fill = [](TCombo* c, const QStringList& items) {
        const QSignalBlocker block(c);
        const int idx = c->currentIndex();
        c->clear();
        c->addItems(items);
        c->setCurrentIndex(qBound(0, idx, qMax(0, items.size() - 1)));
    };
    fill(m_combo[CB_MODE], TConfig::getdata(IDX_DATA_SEARCH_MODE, 0));
    fill(m_combo[CB_EVENT], TConfig::getdata(IDX_DATA_SEARCH_EVENT, 0));
    fill(m_combo[CB_INTERVAL], TConfig::getdata(IDX_DATA_SEARCHOPT_DUR, 0));
    fillChannels(m_mode == MODE_EVENT || m_mode < 0);
    for (int i = BTN_GOTO; i <= BTN_FULL; ++i)
        m_btn[i]->setText(ctlText(kBtnText[i]));
    m_btn[BTN_POSFIND]->setText(ctlText(T_SEARCH));
    update();
}

void TSearchWnd::fillChannels(bool withAll)
{
    TCombo* c = m_combo[CB_CHANNEL];
    const QSignalBlocker block(c);
    c->clear();
    if (withAll)
        c->addItem(ctlText(T_SEARCH_ALL));
    for (int i = 1; i <= channels(); ++i)
        c->addItem(QString::number(i));
    c->setCurrentIndex(qBound(0, m_ch, qMax(0, c->count() - 1)));
}

void TSearchWnd::initCombo()
{
    const auto* opt = section<PropSearchopt>(IDX_PROP_SEARCHOPT);
    PropSearchopt so = {};
    if (opt)
        so = *opt;
    m_secs = 0;
    m_chkday = 1;
    m_page = -1;
    m_dayIdx = -1;
    m_timeLoaded = 0;
    m_evtLoaded = 0;
    m_evtType = so.Type;
    m_ch = so.Mode == MODE_EVENT ? so.Channel : qMax(0, so.Channel - 1);
    m_interval = so.Interval;
    m_combo[CB_MODE]->setCurrentIndex(so.Mode);
    m_combo[CB_EVENT]->setCurrentIndex(so.Type);
    m_combo[CB_INTERVAL]->setCurrentIndex(m_interval);
    std::memset(m_szdb, 0, sizeof m_szdb);
    m_trying = 0;
    m_calendar->reset();
    m_timeline->reset();
    m_list->reset();
    m_calendar->setMode(1);
    const int o = oem();
    if (o == 1 || o == 3) {
        if (g_cfg)
            static_cast<PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 1))->Mode = 0;
        changeMode(MODE_TIME);
    } else {
        changeMode(so.Mode);
    }
    m_combo[CB_CHANNEL]->setCurrentIndex(m_ch);
}

void TSearchWnd::changeMode(int mode)
{
    if (mode == m_mode || mode < MODE_TIME || mode > MODE_PANORAMA)
        return;
    auto show = [](std::initializer_list<QWidget*> ws, bool on) {
        for (QWidget* w : ws)
            w->setVisible(on);
    };
    QWidget* const dates[] = {m_dateFrom, m_dateTo};
    const int videos = qMin(channels(), int(NUM_CHBTN));
    bool chButtons = true;
    switch (mode) {
    case MODE_TIME:
        show({m_btn[BTN_EVENT], m_time, m_btn[BTN_GOTO], m_timeline}, true);
        show({m_list, m_posView, m_combo[CB_EVENT], m_combo[CB_CHANNEL], m_combo[CB_INTERVAL], m_posText,
              m_btn[BTN_DATE], m_btn[BTN_POSFIND], dates[0], dates[1]},
             false);
        m_timeline->setChannel(qMin(channels(), int(TLineGraph::MaxRows)), 0);
        break;
    case MODE_EVENT:
        m_list->clear();
        fillChannels(true);
        show({m_combo[CB_EVENT], m_list, m_combo[CB_CHANNEL]}, true);
        show({dates[0], dates[1], m_btn[BTN_DATE], m_btn[BTN_POSFIND], m_btn[BTN_EVENT], m_timeline, m_posView,
              m_btn[BTN_GOTO], m_time, m_combo[CB_INTERVAL], m_posText},
             false);
        break;
    case MODE_POS:
        m_list->clear();
        show({m_list, m_posView, m_posText, m_btn[BTN_DATE], m_btn[BTN_POSFIND], dates[0], dates[1]}, true);
        show({m_btn[BTN_EVENT], m_timeline, m_btn[BTN_GOTO], m_combo[CB_EVENT], m_combo[CB_CHANNEL],
              m_combo[CB_INTERVAL], m_time},
             false);
        break;
    case MODE_THUMB:
    case MODE_PANORAMA:
        fillChannels(false);
        show({m_combo[CB_CHANNEL], m_time, m_btn[BTN_GOTO], m_timeline}, true);
        m_combo[CB_INTERVAL]->setVisible(mode == MODE_THUMB);
        show({dates[0], dates[1], m_btn[BTN_DATE], m_btn[BTN_POSFIND], m_btn[BTN_EVENT], m_list, m_posView,
              m_combo[CB_EVENT], m_posText},
             false);
        m_timeline->setChannel(1, m_ch);
        chButtons = false;
        break;
    default:
        break;
    }
    for (int i = 0; i < NUM_CHBTN; ++i)
        m_btn[BTN_CH0 + i]->setVisible(chButtons && i < videos);
    m_mode = mode;
    layoutCtrl(mode);
    update();
    initFocusMap();
}

// ======== Rules ========

int TSearchWnd::layoutValue(int btnId, int channels)
{
    const int i = btnId - BTN_LAYOUT0;
    if (i < 0 || i >= NUM_LAYOUTBTN)
        return 0;
    const bool small = channels == 6 || channels == 12 || channels == 20;
    return small ? kLayoutSmall[i] : kLayoutOther[i];
}

bool TSearchWnd::layoutIcon(int layout, int* image, int* onImage)
{
    if (layout < 1 || layout > 17)
        return false;
    *image = kLayoutIcon[layout - 1][0];
    *onImage = kLayoutIcon[layout - 1][1];
    return true;
}

int TSearchWnd::chGridCols(int channels)
{
    return channels < 20 ? 4 : channels < 32 ? 5 : 6;
}

QString TSearchWnd::rateText(double rate)
{
    if (rate == 0.0)
        return ctlText(T_PAUSE);
    const double a = rate < 0 ? -rate : rate;
    if (a < 0.5)
        return QLatin1Char('X') + QString::number(rate, 'f', 2);
    if (a < 1.0)
        return QLatin1Char('X') + QString::number(rate, 'f', 1);
    return QString::asprintf("X %d", int(rate));
}

// ======== Requests ========

void TSearchWnd::request(int code, int value)
{
    emit sg_request(code, asValue(value));
}

void TSearchWnd::requestQuery(int code, SearchQuery* q)
{
    emit sg_request(code, q);
}

void TSearchWnd::stopPlayback()
{
    if (g_api.isPlay())
        g_api.decStop();
}

void TSearchWnd::reply(int code, void* data)
{
    emit sg_reply(code, data);
}

void TSearchWnd::clearToLive()
{
    m_running = 0;
}

void TSearchWnd::fillQueryDate(SearchQuery* q, const QDate& d) const
{
    q->mode = m_mode;
    q->perPage = m_list->maxLine();
    q->year = d.year();
    q->month = d.month();
    q->day = d.day();
}

void TSearchWnd::dbload(int force, int pendDay)
{
    // While the first show sets the combos up no mode is chosen yet: the
    // show's own load follows once it is.
    if (m_mode < MODE_TIME)
        return;
    const QDate d = m_calendar->date();
    if (force) {
        m_list->clear();
        m_list->refresh();
        m_posView->clear();
        m_posView->refresh();
    }
    m_pendDay = pendDay;
    m_pendDate = d;
    m_chkday = 1;
    SearchQuery q;
    std::memset(&q, 0, sizeof q);
    int code;
    if (m_mode == MODE_POS) {
        if (m_evtLoaded && !force)
            return;
        m_evtLoaded = 1;
        q.type = 5;
        q2Utf8Whole(q.text, m_posText->text(), int(sizeof q.text));
        if (m_btn[BTN_DATE]->isChecked()) {
            const QDate f = m_dateFrom->date();
            const QDate t = m_dateTo->date();
            q.fromYear = f.year();
            q.fromMonth = f.month();
            q.fromDay = f.day();
            q.toYear = t.year();
            q.toMonth = t.month();
            q.toDay = t.day();
        }
        request(Act_SearchWait, 0);
        fillQueryDate(&q, d);
        q.chkday = 1;
        std::memcpy(q.db, m_szdb, sizeof q.db);
        q.db[sizeof q.db - 1] = '\0';
        qCDebug(lcUiSearch, "dbload..  type:%d m_szdb:%s m_ch:%d", q.type, q.db, m_ch);
        g_api.setThumbnail(m_ch, -1);
        m_th->set(TDatasetTh::CMD_OPENDB, &q);
        m_th->go();
        return;
    }
    if (m_mode == MODE_EVENT) {
        if (m_evtLoaded && !force)
            return;
        m_evtLoaded = 1;
        q.type = m_evtType;
        // One flag per channel the record holds; a channel beyond them
        // selects none.
        if (m_ch == 0)
            std::memset(q.chOn, 1, sizeof q.chOn);
        else if (m_ch >= 1 && m_ch <= int(sizeof q.chOn))
            q.chOn[m_ch - 1] = 1;
        code = Act_LoadDbEvt;
    } else {
        if (m_timeLoaded && !force)
            return;
        m_timeLoaded = 1;
        code = Act_LoadDbTime;
    }
    request(Act_SearchWait, 0);
    fillQueryDate(&q, d);
    q.rei = m_btn[BTN_EVENT]->isChecked() ? 1 : 0;
    q.chkday = 1;
    std::memcpy(q.db, m_szdb, sizeof q.db);
    q.db[sizeof q.db - 1] = '\0';
    qCDebug(lcUiSearch, "dbload..  type:%d m_szdb:%s m_ch:%d", q.type, q.db, m_ch);
    g_api.setThumbnail(m_ch, -1);
    requestQuery(code, &q);
}

void TSearchWnd::loadDayLater(int ms)
{
    m_dayTimer->start(ms);
}

void TSearchWnd::sl_timeout()
{
    sl_today(m_day, m_dayIdx);
}

void TSearchWnd::sl_today(int day, int dayIdx)
{
    qCDebug(lcUiSearch, "TSearchWnd::sl_today.. day;%d dayidx:%d m_mode:%d", day, dayIdx, m_mode);
    SearchQuery q;
    std::memset(&q, 0, sizeof q);
    fillQueryDate(&q, m_calendar->date());
    q.day = day;
    q.dateIdx = dayIdx;
    q.page = m_page;
    q.chkday = m_chkday;
    if (m_mode == MODE_EVENT)
        q.type = m_evtType;
    g_api.setThumbnail(m_ch, -1);
    if (m_mode == MODE_POS) {
        q.type = 5;
        q2Utf8Whole(q.text, m_posText->text(), int(sizeof q.text));
        m_th->set(TDatasetTh::CMD_LOADDAY, &q);
        m_th->go();
    } else {
        requestQuery(m_mode == MODE_EVENT ? Act_LoadDataEvt : Act_LoadDataTime, &q);
    }
    m_pendDay = 0;
}

void TSearchWnd::fillTimeline(const ReiDay* day)
{
    m_th->set(TDatasetTh::CMD_FILL, nullptr);
    m_th->setDay(m_mode, m_ch, channels(), day);
    m_th->go();
}

void TSearchWnd::sl_datasetThEnd()
{
    request(Act_SearchClose, 0);
    const int cmd = m_th->cmd();
    qCDebug(lcUiSearch, "TSearchWnd::sl_datasetThEnd m_cmd:%d", cmd);
    if (cmd == TDatasetTh::CMD_OPENDB || cmd == TDatasetTh::CMD_LOADDAY) {
        if (m_th->result() != Act_NoReply)
            sl_reply(m_th->result(), m_th->data());
        return;
    }
    // A fill made for another mode or channel than the one shown now is
    // stale: the newer job's end draws the timeline.
    if (!m_th->filled() || m_th->fillMode() != m_mode || (m_mode != MODE_TIME && m_th->fillCh() != m_ch))
        return;
    const uint8_t* cells = m_th->cells();
    m_timeline->clearData();
    for (int r = 0; r < TDatasetTh::ROWS; ++r)
        for (int m = 0; m < TDatasetTh::MINUTES; ++m)
            if (const uint8_t v = cells[r * TDatasetTh::MINUTES + m])
                m_timeline->setData(r, m, v);
    m_timeline->refresh();
}

// ======== Show and hide ========

void TSearchWnd::connectTo()
{
    const auto unique = Qt::UniqueConnection;
    for (TButton* b : m_btn)
        if (b)
            connect(b, &TButton::sg_clicked, this, &TSearchWnd::sl_btnclicked, unique);
    for (TCombo* c : m_combo)
        connect(c, &TCombo::sg_changeIndex, this, &TSearchWnd::sl_changeIndex, unique);
    connect(m_posText, &TEdit::sg_clicked, this, &TSearchWnd::sl_edclicked, unique);
    connect(m_calendar, &TCalendar::sg_dblclicked, this, &TSearchWnd::sl_dblclicked, unique);
    connect(m_calendar, &TCalendar::sg_state, this, &TSearchWnd::sl_state, unique);
    connect(m_calendar, &TCalendar::sg_dayindex, this, &TSearchWnd::sl_dayindex, unique);
    connect(m_list, &TListView::sg_clicked, this, &TSearchWnd::sl_clickedList, unique);
    connect(m_timeline, &TLineGraph::sg_request, this, &TSearchWnd::sl_fromlinegraph, unique);
    if (g_fileWnd)
        connect(g_fileWnd, &TFileWnd::sg_showed, this, &TSearchWnd::sl_showed, unique);
    if (g_msgWnd)
        connect(g_msgWnd, &TMsgWnd::sg_showed, this, &TSearchWnd::sl_showed, unique);
    if (g_statusWnd)
        connect(g_statusWnd, &TStatusWnd::sg_showed, this, &TSearchWnd::sl_showed, unique);
    connect(this, &TSearchWnd::sg_reply, this, qOverload<int, void*>(&TSearchWnd::sl_reply), unique);
    connect(m_th, &QThread::finished, this, &TSearchWnd::sl_datasetThEnd, unique);
    connectReplies();
}

void TSearchWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        if (b)
            disconnect(b, &TButton::sg_clicked, this, &TSearchWnd::sl_btnclicked);
    for (TCombo* c : m_combo)
        disconnect(c, &TCombo::sg_changeIndex, this, &TSearchWnd::sl_changeIndex);
    disconnect(m_posText, &TEdit::sg_clicked, this, &TSearchWnd::sl_edclicked);
    disconnect(m_calendar, nullptr, this, nullptr);
    disconnect(m_list, &TListView::sg_clicked, this, &TSearchWnd::sl_clickedList);
    disconnect(m_timeline, &TLineGraph::sg_request, this, &TSearchWnd::sl_fromlinegraph);
    if (g_fileWnd)
        disconnect(g_fileWnd, &TFileWnd::sg_showed, this, &TSearchWnd::sl_showed);
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_showed, this, &TSearchWnd::sl_showed);
    if (g_statusWnd)
        disconnect(g_statusWnd, &TStatusWnd::sg_showed, this, &TSearchWnd::sl_showed);
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, qOverload<int, QString>(&TSearchWnd::sl_reply));
    disconnect(this, &TSearchWnd::sg_reply, this, qOverload<int, void*>(&TSearchWnd::sl_reply));
    disconnect(m_th, &QThread::finished, this, &TSearchWnd::sl_datasetThEnd);
    disconnectReplies();
}

void TSearchWnd::evtShow()
{
    if (!g_api.isPlay()) {
        m_dtText.clear();
        m_posText->clear();
        m_btn[BTN_DATE]->setChecked(false);
        const QDate today = TClock::now().date();
        m_dateFrom->setDate(today);
        m_dateTo->setDate(today);
    }
    // The first setup below sets the combos as an operator would: their
    // handlers must hear it, so the connections come first.
    connectTo();
    m_osdSkip = 1;
    if (!m_running) {
        m_mode = -1;
        initCombo();
        g_api.setThumbnail(m_ch, g_cfg ? int(g_cfg->getvaluefromindex(IDX_DATA_SEARCHOPT_DUR, m_interval)) : 0);
        layoutCtrl(m_mode);
        initFocusMap();
        dbload(0, 0);
    }
    if (!focusWidget() || !isAncestorOf(focusWidget()) || !focusWidget()->isVisible())
        setFocusCtrl(m_combo[CB_MODE]);
    QTimer::singleShot(20, this, &TSearchWnd::sl_show);
}

void TSearchWnd::sl_show()
{
    request(Act_SearchClose, 0);
    m_running = 1;
}

void TSearchWnd::evtHide()
{
    if (QWidget* opt = optDialog())
        if (opt->isVisible())
            opt->hide();
    m_dayTimer->stop();
}

void TSearchWnd::sl_showed(int, int shown, QRegion)
{
    if (!shown && m_curCtrl && m_curCtrl->isVisible() && isVisible())
        m_curCtrl->setFocus(Qt::OtherFocusReason);
}

void TSearchWnd::sl_fromBackup() {}

void TSearchWnd::sl_changeMonth() {}

// ======== Operator's choices ========

void TSearchWnd::sl_btnclicked(int id, int)
{
    switch (id) {
    case BTN_GOTO: {
        const QTime t = m_time->time();
        m_secs = t.hour() * 3600 + t.minute() * 60 + t.second();
        qCDebug(lcUiSearch, "Btn_Goto.. hour:%d min:%d sec:%d", t.hour(), t.minute(), t.second());
        request(Act_CtrlPlay, m_secs);
        break;
    }
    case BTN_REFRESH:
    case BTN_POSFIND:
        dbload(1, 1);
        break;
    case BTN_OPTION:
        showOpt();
        break;
    case BTN_BACKUP:
        request(Act_Backup, 0);
        break;
    case BTN_IMPORT:
        if (!g_api.m_extDbOpen) {
            request(Act_SearchUsb, 0);
        } else {
            std::memset(m_szdb, 0, sizeof m_szdb);
            dbload(1, 0);
        }
        break;
    case BTN_EXIT:
    case BTN_FULL:
        request(Act_SearchExit, 0);
        m_toLive = id == BTN_EXIT ? 1 : 0;
        hideWnd();
        break;
    case BTN_FREW:
        request(Act_CtrlFRew, m_secs);
        break;
    case BTN_SLOWREW:
        request(Act_CtrlSlowRew, m_secs);
        break;
    case BTN_PAUSE:
        request(Act_CtrlPause, m_secs);
        break;
    case BTN_PLAY:
        request(Act_CtrlPlay, g_api.isPlay() ? -1 : m_secs);
        break;
    case BTN_SLOWFWD:
        request(Act_CtrlSlowFwd, m_secs);
        break;
    case BTN_FFWD:
        request(Act_CtrlFFwd, m_secs);
        break;
    case BTN_EVENT:
        stopPlayback();
        dbload(1, 1);
        break;
    case BTN_DATE:
        m_dateFrom->setEnabled(m_btn[BTN_DATE]->isChecked());
        m_dateTo->setEnabled(m_btn[BTN_DATE]->isChecked());
        break;
    default:
        if (id >= BTN_CH0 && id < BTN_CH0 + NUM_CHBTN)
            request(Act_SearchFull, id - BTN_CH0);
        else if (id >= BTN_LAYOUT0 && id < BTN_LAYOUT0 + NUM_LAYOUTBTN)
            request(Act_SearchLayoutSw, layoutValue(id, channels()));
        break;
    }
}

void TSearchWnd::sl_changeIndex(int id, int idx)
{
    qCDebug(lcUiSearch, "TSearchWnd::sl_changeIndex.. id:%d idx:%d", id, idx);
    switch (id) {
    case CB_MODE:
        if (idx < MODE_TIME || idx > MODE_PANORAMA)
            return;
        stopPlayback();
        layoutCtrl(idx);
        changeMode(idx);
        dbload(1, 1);
        initFocusMap();
        setFocusCtrl(m_combo[CB_MODE]);
        break;
    case CB_EVENT:
        if (idx < 0)
            return;
        stopPlayback();
        m_evtType = idx;
        dbload(1, 1);
        break;
    case CB_CHANNEL:
        if (idx < 0 || idx == m_ch)
            return;
        stopPlayback();
        m_ch = idx;
        qCDebug(lcUiSearch, "Cb_Channel.. m_ch:%d", m_ch);
        m_timeline->setChannel(1, m_ch);
        dbload(1, 1);
        break;
    case CB_INTERVAL:
        if (idx < 0)
            return;
        stopPlayback();
        m_interval = idx;
        g_api.setThumbnail(m_ch, g_cfg ? int(g_cfg->getvaluefromindex(IDX_DATA_SEARCHOPT_DUR, idx)) : 0);
        break;
    default:
        break;
    }
}

void TSearchWnd::sl_edclicked(int)
{
    if (!g_vkeyboard)
        return;
    m_reqId = 0;
    g_vkeyboard->setTitle(ctlText(T_POS));
    g_vkeyboard->setMaxLength(64);
    g_vkeyboard->setText(m_posText->text());
    g_vkeyboard->setPassword(0);
    g_vkeyboard->moveCenter(this);
    connect(g_vkeyboard, &TVKeyboard::sg_reply, this, qOverload<int, QString>(&TSearchWnd::sl_reply),
            Qt::UniqueConnection);
    g_vkeyboard->show();
}

void TSearchWnd::sl_reply(int code, QString text)
{
    // The shared keyboard answers once per question.
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, qOverload<int, QString>(&TSearchWnd::sl_reply));
    qCDebug(lcUiSearch, "TSearchWnd::sl_reply.. id:%d m_reqId:%d", code, m_reqId);
    if (code == 0 && m_reqId == 0 && text != m_posText->text())
        m_posText->setText(text);
}

void TSearchWnd::sl_dblclicked(QDate date)
{
    m_day = date.day();
    m_dayIdx = -1;
    m_chkday = 1;
    m_calendar->selectDay(m_day);
    m_calendar->refresh();
    request(Act_SearchWait, 0);
    loadDayLater(100);
}

void TSearchWnd::sl_dayindex(int idx)
{
    m_day = m_calendar->date().day();
    m_dayIdx = idx;
    m_chkday = 1;
    m_calendar->selectDay(m_day);
    m_calendar->refresh();
    request(Act_SearchWait, 0);
    loadDayLater(100);
}

void TSearchWnd::sl_state(int dir)
{
    request(dir >= 1 ? Act_NextMonth : Act_PrevMonth, 0);
}

void TSearchWnd::sl_fromlinegraph(int type, int secs)
{
    qCDebug(lcUiSearch, "TSearchWnd::sl_fromlinegraph.. type:%d tm:%d", type, secs);
    switch (type) {
    case 0:
        m_secs = secs;
        m_time->setTime(QTime(0, 0).addSecs(secs));
        if (g_api.isPlay())
            request(Act_CtrlSeek, secs);
        break;
    case 1:
        m_secs = secs;
        request(Act_CtrlPlay, secs);
        break;
    case 2:
        if (g_api.m_rate != 0.0) {
            m_secs = secs;
            request(Act_CtrlPause, secs);
        }
        break;
    default:
        break;
    }
}

void TSearchWnd::sl_clickedList(int secs)
{
    if (secs < 0)
        return;
    qCDebug(lcUiSearch, "TSearchWnd::sl_clickedList val:%d", secs);
    m_secs = secs;
    request(Act_CtrlPlay, secs);
}

// ======== Playback texts ========

void TSearchWnd::setRate(double rate)
{
    if (!g_api.isPlay())
        return;
    const QString text = rateText(rate);
    if (text == m_rateText)
        return;
    m_rateText = text;
    update(m_rateRect);
}

void TSearchWnd::updateTimeText(int year, int month, int day, int hour, int minute, int second)
{
    if (!g_api.isPlay() || !g_cfg)
        return;
    const QString text = g_cfg->datetext(year, month, day) + QLatin1Char(' ') + g_cfg->timetext(hour, minute, second);
    if (text != m_dtText) {
        m_dtText = text;
        update(m_dtRect);
    }
    m_timeline->updatePos(hour * 3600 + minute * 60 + second);
}
