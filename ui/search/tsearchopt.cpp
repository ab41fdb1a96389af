#include "tsearchopt.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "textutil.h"
#include "tkeys.h"
#include "uisearchlog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

namespace {

enum { BackImage = 125, OkSize = 21, CheckSize = 71, CheckOn = 70, TitleColor = 28, CaptionColor = 29 };
enum { M_TITLE = 177, M_ROW = 19, M_MARGIN = 178 };
enum { T_OK = 24, T_CANCEL = 25, T_DEINT = 23, T_PLAY = 36, T_ALL = 56, T_TITLE = 309, T_MODE = 310,
       T_EVENT = 311, T_CHANNEL = 312, T_INTERVAL = 313, T_POS = 415, T_OVERLAP = 439 };
enum { FocusTag = 0 };

// Row order, top to bottom: the four defaults, the two check boxes, the
// playback channels, the playback range and the date overlap.
const int kRowCaption[TSearchOpt::ROWS] = {T_MODE, T_EVENT, T_CHANNEL, T_INTERVAL, T_POS, T_DEINT, T_PLAY, -1,
                                           T_OVERLAP};
// Rows whose caption is condensed to its box.
bool fitted(int row)
{
    return row <= 3 || row == 8;
}

int metricOf(int id, int fallback)
{
    return g_res ? g_res->getValue(id) : fallback;
}

PropSearchopt* options()
{
    return g_cfg ? static_cast<PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 0)) : nullptr;
}

int channelCount()
{
    if (!g_cfg)
        return 0;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    return qBound(0, int(dev->videos), int(PROP_MAX_CH));
}

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

} // namespace

TSearchOpt::TSearchOpt(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
}

TSearchOpt::~TSearchOpt()
{
    // The buttons paint with the icons: they go first.
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    delete m_checkIcon;
    delete m_okIcon;
}

TCombo* TSearchOpt::combo(int id) const
{
    return unsigned(id) < unsigned(CB_COUNT) ? m_combo[id] : nullptr;
}

TButton* TSearchOpt::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

QWidget* TSearchOpt::rowCtrl(int row) const
{
    static const int kCombo[ROWS] = {CB_MODE, CB_EVENT, CB_CHANNEL, CB_INTERVAL, -1, -1, CB_VISIBLE, CB_RANGE,
                                     CB_OVERLAP};
    if (unsigned(row) >= unsigned(ROWS))
        return nullptr;
    if (row == 4)
        return m_btn[BTN_POS];
    if (row == 5)
        return m_btn[BTN_DEINT];
    return m_combo[kCombo[row]];
}

void TSearchOpt::init(int)
{
    if (m_combo[0])
        return;
    m_checkIcon = TRes::makeIcon(ctlImage(CheckSize), 4, false);
    TRes::addIconStates(m_checkIcon, ctlImage(CheckOn), 4, true);
    m_okIcon = TRes::makeIcon(ctlImage(OkSize), 4, false);
    for (int i = 0; i < CB_COUNT; ++i)
        m_combo[i] = new TCombo(this, i);
    m_btn[BTN_DEINT] = new TButton(this, m_checkIcon, QString(), BTN_DEINT, QColor(0, 0, 0), 5);
    m_btn[BTN_POS] = new TButton(this, m_checkIcon, QString(), BTN_POS, QColor(0, 0, 0), 5);
    m_btn[BTN_OK] = new TButton(this, m_okIcon, QString(), BTN_OK, ctlColor(0), 4);
    m_btn[BTN_CANCEL] = new TButton(this, m_okIcon, QString(), BTN_CANCEL, ctlColor(0), 4);
    layoutCtrl();
    linkFocus();
    evtLanguage();
}

void TSearchOpt::layoutCtrl()
{
    auto s = [](int n) { return ctlScale(n); };
    const int W = width();
    const int H = height();
    const QSize ok = ctlSize(OkSize, QSize(85, 25));
    const QSize check = ctlSize(CheckSize, QSize(16, 16));
    const int r = metricOf(M_ROW, 24);
    const int m = metricOf(M_MARGIN, 10);
    const int band = metricOf(M_TITLE, 40);

    // The pair centred with one button width between them, at the bottom.
    const int pairX = (W - 3 * ok.width()) / 2;
    const int pairY = H - ok.height() - s(5);
    m_btn[BTN_OK]->setGeometry(pairX, pairY, ok.width(), ok.height());
    m_btn[BTN_CANCEL]->setGeometry(pairX + 2 * ok.width(), pairY, ok.width(), ok.height());
    m_title = QRect(0, 0, W, band);

    // Nine rows between the title band and the pair. The dialog is only as
    // high as its panel image, so the rows stand one pixel apart (scaled):
    // with two, the last row would run into the pair.
    const int top = band + s(2);
    const int pitch = r + qMax(1, s(1));
    for (int k = 0; k < ROWS; ++k) {
        const int y = top + k * pitch;
        QWidget* w = rowCtrl(k);
        const bool box = k == 4 || k == 5;
        const int h = box ? check.height() : r;
        if (box)
            w->setGeometry(s(160), y, check.width(), check.height());
        else
            w->setGeometry(s(160), y, W - s(160) - 2 * m, r);
        m_caption[k] = QRect(QPoint(m, y), QPoint(s(160) - s(10) - 1, y + h - 1));
    }
    for (TCombo* c : m_combo)
        c->show();
    for (TButton* b : m_btn)
        b->show();
}

void TSearchOpt::linkFocus()
{
    // Mode, event, channel, interval, the POS box, the de-interlace box,
    // channels, range, overlap: each its own side neighbour, chained down
    // and up; the ends lead to OK.
    QWidget* const order[ROWS] = {m_combo[CB_MODE],    m_combo[CB_EVENT],   m_combo[CB_CHANNEL],
                                  m_combo[CB_INTERVAL], m_btn[BTN_POS],      m_btn[BTN_DEINT],
                                  m_combo[CB_VISIBLE],  m_combo[CB_RANGE],   m_combo[CB_OVERLAP]};
    QWidget* const ok = m_btn[BTN_OK];
    QWidget* const cancel = m_btn[BTN_CANCEL];
    for (int i = 0; i < ROWS; ++i) {
        QWidget* w = order[i];
        m_focusTable[i] = {FocusTag, w, w, w, i + 1 < ROWS ? order[i + 1] : ok, i > 0 ? order[i - 1] : ok};
    }
    m_focusTable[ROWS] = {FocusTag, ok, cancel, cancel, order[0], order[ROWS - 1]};
    m_focusTable[ROWS + 1] = {FocusTag, cancel, ok, ok, order[0], order[ROWS - 1]};
}

void TSearchOpt::evtLanguage()
{
    if (!m_btn[BTN_CANCEL])
        return;
    m_btn[BTN_OK]->setText(ctlText(T_OK));
    m_btn[BTN_CANCEL]->setText(ctlText(T_CANCEL));
    const int lists[CB_COUNT] = {IDX_DATA_SEARCH_MODE,   IDX_DATA_SEARCH_EVENT, -1, IDX_DATA_SEARCHOPT_DUR,
                                 IDX_DATA_SEARCH_VISIBLE, IDX_DATA_SEARCH_RANGE, IDX_DATA_YES_NO};
    for (int i = 0; i < CB_COUNT; ++i) {
        TCombo* c = m_combo[i];
        const int keep = c->currentIndex();
        c->blockSignals(true);
        c->clear();
        if (i == CB_CHANNEL) {
            c->addItem(ctlText(T_ALL));
            for (int ch = 1; ch <= channelCount(); ++ch)
                c->addItem(QString::number(ch));
        } else if (g_cfg) {
            c->addItems(TConfig::getdata(lists[i], 0));
        }
        c->setCurrentIndex(qMin(keep, c->count() - 1));
        c->blockSignals(false);
    }
}

void TSearchOpt::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TSearchOpt::sl_btnclicked);
    for (TCombo* c : m_combo)
        connect(c, &TCombo::sg_changeIndex, this, &TSearchOpt::sl_changeIndex);
}

void TSearchOpt::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TSearchOpt::sl_btnclicked);
    for (TCombo* c : m_combo)
        disconnect(c, &TCombo::sg_changeIndex, this, &TSearchOpt::sl_changeIndex);
}

void TSearchOpt::evtShow()
{
    const PropSearchopt* o = options();
    if (!o || !m_combo[0])
        return;
    // A stored position beyond a list shows as no choice, never as another.
    auto set = [this](int id, int value) {
        TCombo* c = m_combo[id];
        c->setCurrentIndex(value >= 0 && value < c->count() ? value : -1);
    };
    set(CB_MODE, o->Mode);
    set(CB_EVENT, o->Type);
    set(CB_CHANNEL, o->Channel);
    set(CB_INTERVAL, o->Interval);
    set(CB_VISIBLE, o->Visible);
    set(CB_RANGE, o->Range);
    set(CB_OVERLAP, o->DateOverlap);
    m_btn[BTN_DEINT]->setChecked(o->deinterlace != 0);
    m_btn[BTN_POS]->setChecked(o->pos != 0);
    m_curCtrl = m_combo[CB_MODE];
    m_combo[CB_MODE]->setFocus(Qt::OtherFocusReason);
}

void TSearchOpt::evtHide() {}

void TSearchOpt::sl_changeIndex(int id, int index)
{
    PropSearchopt* o = options();
    if (!o || index < 0)
        return;
    switch (id) {
    case CB_MODE: o->Mode = index; break;
    case CB_EVENT: o->Type = index; break;
    case CB_CHANNEL: o->Channel = index; break;
    case CB_INTERVAL: o->Interval = index; break;
    case CB_VISIBLE: o->Visible = index; break;
    case CB_RANGE: o->Range = index; break;
    case CB_OVERLAP: o->DateOverlap = index; break;
    default: break;
    }
}

void TSearchOpt::sl_btnclicked(int id, int)
{
    qCDebug(lcUiSearch, "TSearchOpt::sl_btnclicked.. id:%d", id);
    PropSearchopt* o = options();
    switch (id) {
    case BTN_DEINT:
        if (o)
            o->deinterlace = m_btn[BTN_DEINT]->isChecked() ? 1 : 0;
        break;
    case BTN_POS:
        if (o)
            o->pos = m_btn[BTN_POS]->isChecked() ? 1 : 0;
        break;
    case BTN_OK:
        hideWnd();
        emit sg_request(ANS_OK);
        break;
    case BTN_CANCEL:
        // The answer lets the search window put the edit copy back, so
        // that a cancelled choice is neither shown again nor applied later.
        hideWnd();
        emit sg_request(ANS_CANCEL);
        break;
    default:
        break;
    }
}

QWidget* TSearchOpt::focused() const
{
    return focusFind(0, const_cast<FocusLink*>(m_focusTable), FOCUS_COUNT);
}

void TSearchOpt::evtKeydown(int key)
{
    qCDebug(lcUiSearch, "TSearchOpt::evtKeydown.. key:%08x", key);
    for (TCombo* c : m_combo)
        if (c->keyEvent(key))
            return;
    switch (key) {
    case Qt::Key_Escape:
        sl_btnclicked(BTN_CANCEL);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_curCtrl = focused();
        postKey(m_curCtrl, QEvent::KeyPress);
        break;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool jog = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT;
        QWidget* w = jog ? focusNextPrev(key, m_focusTable, FOCUS_COUNT) : focusMove(key, m_focusTable, FOCUS_COUNT);
        // An option row is its own side neighbour: Left and Right stay on it.
        QWidget* cur = focused();
        if (!w && cur && (key == Qt::Key_Left || key == Qt::Key_Right))
            for (const FocusLink& e : m_focusTable)
                if (e.widget == cur && e.left == cur)
                    w = cur;
        if (!w)
            w = m_combo[CB_MODE];
        w->setFocus(Qt::OtherFocusReason);
        m_curCtrl = w;
        break;
    }
    default:
        break;
    }
}

void TSearchOpt::evtKeyup(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        postKey(m_curCtrl, QEvent::KeyRelease);
}

void TSearchOpt::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        const QPixmap* bg = g_res->getImage(BackImage);
        if (bg && bg->size() == size())
            p.drawPixmap(0, 0, *bg);
        else if (bg)
            p.drawPixmap(rect(), *bg);
    } else {
        p.fillRect(rect(), Qt::darkGray);
    }
    p.setPen(ctlColor(TitleColor));
    p.drawText(m_title, Qt::AlignCenter, ctlText(T_TITLE));
    p.setPen(ctlColor(CaptionColor));
    for (int k = 0; k < ROWS; ++k) {
        if (kRowCaption[k] < 0)
            continue;
        const int flags = Qt::AlignRight | Qt::AlignVCenter;
        if (fitted(k))
            drawFitText(&p, m_caption[k], flags, ctlText(kRowCaption[k]));
        else
            p.drawText(m_caption[k], flags, ctlText(kRowCaption[k]));
    }
}
