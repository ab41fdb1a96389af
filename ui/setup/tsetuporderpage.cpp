#include "tsetuporderpage.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tproperty.h"
#include "uisetuplog.h"

#include <QPainter>
#include <QSignalBlocker>

TSetupOrderPage::TSetupOrderPage(QWidget* parent, int id, QSize size, int section, int offset)
    : TSetupPage(parent, id, size), m_orderSection(section), m_orderOffset(offset)
{
}

int TSetupOrderPage::repair(int32_t* orders, int n)
{
    n = qBound(0, n, int(CAMERAS));
    for (int i = 0; i < n; ++i) {
        if (orders[i] < 0)
            continue;
        for (int j = i + 1; j < n; ++j) {
            if (orders[j] == orders[i]) {
                for (int k = 0; k < CAMERAS; ++k)
                    orders[k] = k;
                return 1;
            }
        }
    }
    return 0;
}

int TSetupOrderPage::choose(int32_t* orders, int n, int step, int index)
{
    n = qBound(0, n, int(CAMERAS));
    if (step < 0 || step >= n || index < 0 || index > n)
        return -1;
    if (index == 0) {
        orders[step] = -1;
        return -1;
    }
    const int cam = index - 1;
    for (int j = 0; j < n; ++j) {
        if (j != step && orders[j] == cam) {
            orders[j] = orders[step];
            orders[step] = cam;
            return j;
        }
    }
    orders[step] = cam;
    return -1;
}

QVector<TSetupPage::Row> TSetupOrderPage::orderRows(int first, int above, int below)
{
    QVector<Row> rows;
    for (int i = 0; i < CAMERAS; ++i) {
        Row r;
        r.kind = RowCombo;
        r.list = IDX_DATA_SEQ_CHANNEL;
        const int col = i % COLUMNS;
        const int line = i / COLUMNS;
        r.right = col < COLUMNS - 1 ? first + i + 1 : L_ITEM;
        r.left = col > 0 ? first + i - 1 : L_ITEM;
        r.up = line > 0 ? first + i - COLUMNS : above;
        r.down = i + COLUMNS < CAMERAS ? first + i + COLUMNS : below;
        rows.append(r);
    }
    return rows;
}

int32_t* TSetupOrderPage::orders() const
{
    if (!g_cfg)
        return nullptr;
    auto* rec = static_cast<unsigned char*>(g_cfg->getsection(m_orderSection, 0));
    if (!rec || m_orderOffset + int(sizeof(int32_t)) * CAMERAS > TProperty::sectionSize(m_orderSection))
        return nullptr;
    return reinterpret_cast<int32_t*>(rec + m_orderOffset);
}

TCombo* TSetupOrderPage::orderCombo(int step) const
{
    if (m_orderRow < 0 || step < 0 || step >= CAMERAS)
        return nullptr;
    return qobject_cast<TCombo*>(control(m_orderRow + step));
}

void TSetupOrderPage::setCtrl()
{
    TSetupPage::setCtrl();
    int32_t* o = orders();
    if (!o)
        return;
    const int n = videos();
    // Work on a copy: the edit copy changes only when it must be repaired.
    int32_t shown[CAMERAS];
    std::copy(o, o + CAMERAS, shown);
    if (repair(shown, n))
        std::copy(shown, shown + CAMERAS, o);
    for (int i = 0; i < CAMERAS; ++i) {
        TCombo* c = orderCombo(i);
        if (!c)
            continue;
        const QSignalBlocker block(c);
        c->setVisible(i < n);
        c->setCurrentIndex(i < n && shown[i] >= -1 && shown[i] < n ? shown[i] + 1 : 0);
    }
}

void TSetupOrderPage::sl_orderIndex(int id, int index)
{
    const int step = id - m_idBase - m_orderRow;
    int32_t* o = orders();
    if (!o || m_orderRow < 0 || step < 0 || step >= videos())
        return;
    const int j = choose(o, videos(), step, index);
    qCDebug(lcUiSetup, "TSetupOrderPage::sl_orderIndex step:%d index:%d swapped:%d", step, index, j);
    if (TCombo* c = orderCombo(j)) {
        const QSignalBlocker block(c);
        c->setCurrentIndex(o[j] + 1);
    }
}

void TSetupOrderPage::connectTo()
{
    TSetupPage::connectTo();
    for (int i = 0; i < CAMERAS; ++i) {
        if (TCombo* c = orderCombo(i))
            connect(c, &TCombo::sg_changeIndex, this, &TSetupOrderPage::sl_orderIndex);
    }
}

void TSetupOrderPage::disconnectFrom()
{
    for (int i = 0; i < CAMERAS; ++i) {
        if (TCombo* c = orderCombo(i))
            disconnect(c, &TCombo::sg_changeIndex, this, &TSetupOrderPage::sl_orderIndex);
    }
    TSetupPage::disconnectFrom();
}

void TSetupOrderPage::evtResize()
{
    TSetupPage::evtResize();
    if (m_orderRow < 0 || !orderCombo(0))
        return;
    // The base stacked one row a position; the positions become a grid and
    // the rows after them close up below it.
    const int W = width();
    const int pitch = ctlScale(30);
    const int x0 = W * 45 / 100;
    const int gw = W * 45 / 100;
    const int cw = gw / COLUMNS;
    const int top = orderCombo(0)->y();
    for (int i = 0; i < CAMERAS; ++i)
        orderCombo(i)->setGeometry(x0 + (i % COLUMNS) * cw, top + (i / COLUMNS) * pitch, cw - ctlScale(4),
                                   ctlScale(24));
    int y = top + (CAMERAS / COLUMNS) * pitch;
    for (int r = m_orderRow + CAMERAS; r < m_rows.size(); ++r) {
        const int k = m_rows[r].kind;
        if (k >= RowDefault || !control(r))
            continue;
        QWidget* w = control(r);
        const int h = w->height();
        w->move(w->x(), y + (ctlScale(24) - h) / 2);
        y += pitch;
    }
}

void TSetupOrderPage::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (!orderCombo(0))
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const QRect g = orderCombo(0)->geometry();
    p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
               ctlText(m_orderText));
}
