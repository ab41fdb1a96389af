#include "tsplitwnd.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tkeys.h"
#include "uilivelog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace {

enum { BtnSize = 157, BackImage = 147, BackSize = 14, ScreenSize = 16, TextColor = 32, FrameColor = 37 };
enum { BtnLeft = 146, CellLeft = 147, CellGap = 148 };

// The icon of a layout id: the image drawn normally, the selected one is
// the image before it. 0 for an id without one.
int layoutImage(int layoutId)
{
    static const int images[] = {158, 176, 160, 178, 188, 166, 162, 164, 180, 190, 192, 174, 168, 170, 172, 216, 218};
    const int i = layoutId - 1;
    return unsigned(i) < sizeof images / sizeof images[0] ? images[i] : 0;
}


int resValue(int id, int fallback)
{
    return g_res ? g_res->getValue(id) : fallback;
}

} // namespace

TSplitWnd::TSplitWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size), m_btn(), m_icon(), m_channels(0), m_sel(0)
{
    setFocusPolicy(Qt::StrongFocus);
}

TSplitWnd::~TSplitWnd()
{
    for (int i = 0; i < MAX_BTN; ++i) {
        delete m_btn[i];
        delete m_icon[i];
    }
}

int TSplitWnd::buttons() const
{
    return qBound(0, g_api.m_numLayout, int(MAX_BTN));
}

TButton* TSplitWnd::button(int i) const
{
    return unsigned(i) < unsigned(MAX_BTN) ? m_btn[i] : nullptr;
}

QRect TSplitWnd::cellRect(int c) const
{
    return unsigned(c) < unsigned(m_channels) ? m_cellRect[c] : QRect();
}

void TSplitWnd::init(int)
{
    if (g_cfg) {
        const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
        // Room for 20 cells: a larger unit shows its first 20 cameras.
        m_channels = qBound(0, int(dev->videos), int(MAX_CELLS));
    }
    const QSize bs = ctlSize(BtnSize, QSize(40, 30));
    const int gap = ctlScale(4);
    const int left = resValue(BtnLeft, 10);
    for (int i = 0; i < MAX_BTN; ++i) {
        m_icon[i] = TRes::makeIcon(ctlImage(layoutImage(1)), 4, false);
        m_btn[i] = new TButton(this, m_icon[i], QString(), i, QColor(0, 0, 0), 1);
        m_btn[i]->setGeometry(left + i * (bs.width() + gap), ctlScale(6), bs.width(), bs.height());
        m_btn[i]->hide();
    }
    const int s = ctlScale(20);
    const int cellLeft = resValue(CellLeft, 10);
    const int cellGap = resValue(CellGap, 4);
    for (int c = 0; c < MAX_CELLS; ++c)
        m_cellRect[c] = c < m_channels ? QRect(cellLeft + (c + 1) * (cellGap + s), (height() - s) / 2, s, s) : QRect();
}

void TSplitWnd::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TSplitWnd::sl_btnclicked);
}

void TSplitWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TSplitWnd::sl_btnclicked);
}

void TSplitWnd::setCurrent(int layoutId)
{
    for (TButton* b : m_btn) {
        b->setState(2, nullptr);
        b->clearFocus();
    }
    m_sel = 0;
    const int n = buttons();
    for (int i = 0; i < n; ++i) {
        if (g_api.layoutAt(i) != layoutId)
            continue;
        m_btn[i]->setState(1, nullptr);
        m_btn[i]->setFocus();
        m_sel = i;
        break;
    }
}

void TSplitWnd::evtShow()
{
    const int n = buttons();
    for (int i = 0; i < MAX_BTN; ++i) {
        if (i < n) {
            // The icons follow the output's list of layouts.
            QIcon* icon = TRes::makeIcon(ctlImage(layoutImage(g_api.layoutAt(i))), 4, false);
            TRes::addIconStates(icon, ctlImage(layoutImage(g_api.layoutAt(i)) - 1), 4, true);
            m_btn[i]->setState(m_btn[i]->state(), icon);
            delete m_icon[i];
            m_icon[i] = icon;
        }
        m_btn[i]->setVisible(i < n);
    }
    // Two layouts cannot play back on units other than 20 channels.
    if (m_channels != 20) {
        const bool playing = g_api.isPlay() != 0;
        m_btn[4]->setEnabled(!playing);
        m_btn[5]->setEnabled(!playing);
    }
    const int sw = ctlSize(ScreenSize, QSize(1280, 720)).width();
    const QPoint cur = QCursor::pos();
    if (cur.x() < sw - 1 && cur.y() < sw - 1)
        QCursor::setPos(mapToGlobal(rect().center()));
}

void TSplitWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    const QSize bg = ctlSize(BackSize, size());
    const QPixmap back = ctlImage(BackImage);
    p.drawPixmap(QRect(QPoint(0, 0), bg), back.size() == bg ? back : back.scaled(bg));
    p.setPen(QPen(ctlColor(TextColor), 2));
    for (int c = 0; c < m_channels; ++c)
        p.drawText(m_cellRect[c], Qt::AlignCenter, QString::number(c + 1));
    const int n = buttons();
    if (m_sel >= n && m_sel - n < m_channels) {
        p.setPen(QPen(ctlColor(FrameColor), 2));
        p.drawRect(m_cellRect[m_sel - n]);
    }
}

void TSplitWnd::selectButton(int id)
{
    for (TButton* b : m_btn)
        b->setState(2, nullptr);
    m_btn[id]->setState(1, nullptr);
}

void TSplitWnd::sl_btnclicked(int id, int)
{
    if (unsigned(id) >= unsigned(MAX_BTN) || !m_btn[id])
        return;
    m_sel = id;
    update();
    emit sg_request(g_api.layoutAt(id), -1);
    selectButton(id);
}

void TSplitWnd::choose()
{
    const int n = buttons();
    if (m_sel < n) {
        sl_btnclicked(m_sel);
    } else if (m_sel - n < m_channels) {
        emit sg_request(-1, m_sel - n);
    }
}

void TSplitWnd::mousePressEvent(QMouseEvent* e)
{
    for (int c = 0; c < m_channels; ++c) {
        if (!m_cellRect[c].isValid() || !m_cellRect[c].contains(e->pos()))
            continue;
        m_sel = buttons() + c;
        update();
        QCoreApplication::processEvents();
        emit sg_request(-1, c);
        return;
    }
}

void TSplitWnd::evtKeydown(int key)
{
    qCDebug(lcUiLive, "TSplitWnd::evtKeydown.. before px:%d", m_sel);
    const int n = buttons();
    const int total = n + m_channels;
    if (m_sel >= total)
        m_sel = 0;
    const int before = m_sel;
    if (isPlaybackKey(key)) {
        emit sg_request(key);
    } else {
        switch (key) {
        case Qt::Key_Escape:
            hideWnd();
            return;
        case Qt::Key_Left:
        case KEY_JOG_LEFT:
            if (total > 0)
                m_sel = m_sel > 0 ? m_sel - 1 : total - 1;
            break;
        case Qt::Key_Right:
        case KEY_JOG_RIGHT:
            if (total > 0)
                m_sel = m_sel + 1 < total ? m_sel + 1 : 0;
            break;
        case Qt::Key_Enter:
            // Return moves nothing and sends nothing.
            choose();
            break;
        default:
            break;
        }
    }
    qCDebug(lcUiLive, "TSplitWnd::evtKeydown.. after px:%d", m_sel);
    if (m_sel < n)
        m_btn[m_sel]->setFocus();
    else if (before < n)
        setFocus();
    update();
    QCoreApplication::processEvents();
}
