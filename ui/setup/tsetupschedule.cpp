#include "tsetupschedule.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "textutil.h"
#include "tproperty.h"
#include "tscheduler.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <cstddef>
#include <cstring>

using namespace SetupAct;

namespace {

enum { T_SCHEDULE_ON = 337, T_HOLIDAY_ON = 338, T_GROUP = 72, T_NONE = 46, T_STATUS = 83 };

PropSchedule* schedule()
{
    return g_cfg ? static_cast<PropSchedule*>(g_cfg->getsection(IDX_PROP_SCHEDULE, 0)) : nullptr;
}

// The colours in which the grid paints the groups' cells.
const QColor kGroupColour[TSetupSchedule::Groups] = {QColor(0, 255, 255), QColor(0, 255, 0), QColor(0, 0, 255),
                                                     QColor(100, 100, 100)};

} // namespace

TSetupSchedule::TSetupSchedule(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows(R_COUNT);
    auto check = [&](int r, size_t offset) {
        rows[r].kind = RowCheck;
        rows[r].section = IDX_PROP_SCHEDULE;
        rows[r].offset = int(offset);
        rows[r].size = 4;
        rows[r].down = R_GRID;
        rows[r].up = L_TAB;
    };
    check(R_ON, offsetof(PropSchedule, on));
    rows[R_ON].right = R_HOLIDAY;
    rows[R_ON].left = L_ITEM;
    check(R_HOLIDAY, offsetof(PropSchedule, holiydayOn));
    rows[R_HOLIDAY].right = L_ITEM;
    rows[R_HOLIDAY].left = R_ON;
    // The grid's place: a plain row whose control the grid takes.
    rows[R_GRID].right = R_A;
    rows[R_GRID].left = L_ITEM;
    rows[R_GRID].down = R_APPLY;
    rows[R_GRID].up = R_ON;
    for (int r = R_A; r <= R_NONE; ++r) {
        rows[r].kind = RowCheck; // a group chooser, no field of its own
        rows[r].right = L_ITEM;
        rows[r].left = R_GRID;
        rows[r].down = r == R_NONE ? int(R_APPLY) : r + 1;
        rows[r].up = r == R_A ? int(R_ON) : r - 1;
    }
    applyDefaultMenu(rows, R_APPLY, R_DEFAULT, R_MENU, R_GRID);
    Params p;
    p.sections = {IDX_PROP_SCHEDULE};
    p.firstRow = R_ON;
    p.itemRight = R_ON;
    p.itemLeft = R_HOLIDAY;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupSchedule::init(int background)
{
    m_scheduler = new TScheduler(this, 0, QSize(ctlScale(480), ctlScale(220)));
    m_scheduler->createCtrl();
    TSetupPage::init(background);
    // The grid takes the place of its row's button.
    delete m_ctrl[R_GRID];
    m_ctrl[R_GRID] = m_scheduler;
    evtResize();
    // The page starts painting group B.
    selectGroup(1);
}

// ---- Controls -------------------------------------------------------------

void TSetupSchedule::setCtrl()
{
    TSetupPage::setCtrl();
    if (m_ctrl.size() != m_rows.size())
        return;
    // The group buttons show the choice, not a field.
    for (int g = 0; g <= NoRecording; ++g)
        static_cast<TButton*>(control(R_A + g))->setChecked(g == m_paint);
    fillStatus(-1);
    if (PropSchedule* s = schedule())
        m_scheduler->setData(reinterpret_cast<const char*>(s->data));
    update();
}

void TSetupSchedule::selectGroup(int group)
{
    if (group < 0 || group > NoRecording)
        return;
    m_paint = group;
    for (int g = 0; g <= NoRecording; ++g) {
        if (auto* b = qobject_cast<TButton*>(control(R_A + g)))
            b->setChecked(g == group);
    }
    // The grid's preset: 0 writes "no recording", k writes the value k - 1.
    if (m_scheduler)
        m_scheduler->setPreset(group == NoRecording ? 0 : group + 1);
}

void TSetupSchedule::sl_btnclicked(int id, int state)
{
    const int r = rowOfId(id);
    if (r >= R_A && r <= R_NONE) {
        selectGroup(r - R_A);
        return;
    }
    TSetupPage::sl_btnclicked(id, state);
    if (r == R_DEFAULT)
        update();
}

void TSetupSchedule::connectTo()
{
    TSetupPage::connectTo();
    connect(m_scheduler, &TScheduler::sg_changeValue, this, &TSetupSchedule::sl_changeValue, Qt::UniqueConnection);
}

void TSetupSchedule::disconnectFrom()
{
    TSetupPage::disconnectFrom();
    disconnect(m_scheduler, &TScheduler::sg_changeValue, this, &TSetupSchedule::sl_changeValue);
}

void TSetupSchedule::sl_changeValue(int type, int value, char** data)
{
    if (type == 1) {
        PropSchedule* s = schedule();
        if (s && data && *data)
            std::memcpy(s->data, *data, sizeof s->data);
    } else if (type == 0) {
        fillStatus(value);
        update(m_statusRect);
    }
}

// ---- Status -----------------------------------------------------------------

QString TSetupSchedule::resName(int width, int height)
{
    if (height > 479)
        return QStringLiteral("D1");
    return width < 704 ? QStringLiteral("CIF") : QStringLiteral("2CIF");
}

QString TSetupSchedule::statusLine(const RecordEntry& e)
{
    static const char* const kinds[] = {nullptr, "C", "E", "C.E"};
    if (e.mode < 1 || e.mode > 3 || !g_cfg)
        return ctlText(T_NONE);
    const int ridx = e.mode == 2 ? e.eridx : e.cridx;
    const int fidx = e.mode == 2 ? e.efidx : e.cfidx;
    AvcCaps caps;
    g_api.getCaps(nullptr, &caps, nullptr);
    const int res = int(g_cfg->getvaluefromindex(IDX_DATA_REC_RES, ridx));
    // A position past the unit's resolutions names none.
    const QString name = res >= 0 && res < qMin(int(caps.num_rridx), 8)
                             ? resName(caps.rridx[res].xres, caps.rridx[res].yres)
                             : QStringLiteral("-");
    const double fps = *reinterpret_cast<const double*>(g_cfg->getvaluefromindex(IDX_DATA_FPS, fidx));
    return QString::fromLatin1(kinds[e.mode]) + QLatin1Char('/') + name + QLatin1Char('/') + fToStr(1, fps);
}

void TSetupSchedule::fillStatus(int group)
{
    m_status.clear();
    const int n = videos();
    const auto* g = g_cfg ? static_cast<const PropGroup*>(g_cfg->getsection(IDX_PROP_GROUP, 0)) : nullptr;
    for (int ch = 0; ch < n; ++ch)
        m_status << (g && group >= 0 && group < Groups ? statusLine(g->data[group][ch]) : ctlText(T_NONE));
}

// ---- Keys and focus ---------------------------------------------------------

int TSetupSchedule::keyTaken(int key)
{
    if (m_scheduler->isLock(key))
        return 1;
    // Enter on the grid is the grid's own Enter.
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_scheduler->hasFocus()) {
        QCoreApplication::postEvent(m_scheduler, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return 1;
    }
    return 0;
}

void TSetupSchedule::keyMatch()
{
    TSetupPage::keyMatch();
    // "Menu" is reached with the mouse only.
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == control(R_MENU)) {
            m_focus.remove(i);
            break;
        }
    }
}

// ---- Look -------------------------------------------------------------------

void TSetupSchedule::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size() || m_ctrl[R_GRID] != m_scheduler)
        return;
    control(R_MENU)->hide();
    const int W = width();
    const int m = ctlScale(16);
    const int box = ctlScale(16);
    const int rowH = ctlScale(24);
    // The switches in one line, the grid under them, the group buttons in
    // a column beside it, the status table below.
    control(R_ON)->setGeometry(m + ctlScale(110), m + (rowH - box) / 2, box, box);
    control(R_HOLIDAY)->setGeometry(W / 2 + ctlScale(110), m + (rowH - box) / 2, box, box);
    const int gy = m + rowH + ctlScale(8);
    const int side = ctlScale(110);
    m_scheduler->setGeometry(m, gy, W - 2 * m - side, ctlScale(220));
    const int bx = W - m - side + ctlScale(8);
    for (int g = 0; g <= NoRecording; ++g)
        control(R_A + g)->setGeometry(bx, gy + ctlScale(28) + g * ctlScale(28) + (rowH - box) / 2, box, box);
    const int sy = gy + ctlScale(220) + ctlScale(8);
    const QSize bs = control(R_APPLY)->size();
    m_statusRect = QRect(m, sy, W - 2 * m, height() - sy - bs.height() - 2 * m);
    // "Apply", "Default" and the hidden "Menu" at the bottom right.
    int x = W - m - 3 * bs.width() - 2 * ctlScale(6);
    for (int r : {R_APPLY, R_DEFAULT, R_MENU}) {
        control(r)->move(x, height() - m - bs.height());
        x += bs.width() + ctlScale(6);
    }
}

void TSetupSchedule::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (m_ctrl.size() != m_rows.size())
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const int m = ctlScale(16);
    const int rowH = ctlScale(24);
    p.drawText(QRect(m, m, ctlScale(104), rowH), Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_SCHEDULE_ON));
    p.drawText(QRect(width() / 2, m, ctlScale(104), rowH), Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_HOLIDAY_ON));
    // The group column: a swatch in the grid's colour with the letter.
    const QRect a = control(R_A)->geometry();
    p.drawText(QRect(a.left(), a.top() - ctlScale(28), ctlScale(96), rowH), Qt::AlignLeft | Qt::AlignVCenter,
               ctlText(T_GROUP));
    for (int g = 0; g <= NoRecording; ++g) {
        const QRect b = control(R_A + g)->geometry();
        const QRect sw(b.right() + ctlScale(8), b.center().y() - ctlScale(9), ctlScale(64), ctlScale(18));
        if (g < Groups) {
            p.fillRect(sw, kGroupColour[g]);
            p.setPen(g == 2 || g == 3 ? QColor(255, 255, 255) : QColor(0, 0, 0));
            p.drawText(sw, Qt::AlignCenter, QString(QLatin1Char(char('A' + g))));
            p.setPen(ctlColor(3));
        } else {
            drawFitText(&p, sw, Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_NONE));
        }
    }
    // The status table: rows of four cameras under its heading.
    const QRect s = m_statusRect;
    p.drawText(QRect(s.left(), s.top(), s.width(), ctlScale(20)), Qt::AlignLeft | Qt::AlignVCenter,
               ctlText(T_STATUS));
    const int rows = videos() / 4;
    if (rows <= 0)
        return;
    const int top = s.top() + ctlScale(22);
    const int lineH = qMin(ctlScale(22), (s.bottom() - top) / rows);
    const int cellW = s.width() / 4;
    const int numW = ctlScale(24);
    p.setPen(ctlColor(33));
    for (int r = 0; r <= rows; ++r)
        p.drawLine(s.left(), top + r * lineH, s.left() + 4 * cellW, top + r * lineH);
    for (int c = 0; c <= 4; ++c)
        p.drawLine(s.left() + c * cellW, top, s.left() + c * cellW, top + rows * lineH);
    for (int ch = 0; ch < rows * 4 && ch < m_status.size(); ++ch) {
        const QRect cell(s.left() + (ch % 4) * cellW, top + (ch / 4) * lineH, cellW, lineH);
        const QRect num(cell.left() + 2, cell.top() + 2, numW, cell.height() - 4);
        p.setPen(ctlColor(3));
        p.drawRect(num);
        p.drawText(num, Qt::AlignCenter, QString::asprintf("%d", ch + 1));
        p.drawText(cell.adjusted(numW + ctlScale(6), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_status[ch]);
    }
}
