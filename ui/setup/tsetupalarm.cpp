#include "tsetupalarm.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "talarmtbl.h"
#include "tbutton.h"
#include "tconfig.h"
#include "textutil.h"
#include "tkeys.h"
#include "tsetupalarmpreset.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

#include <cstddef>

using namespace SetupAct;

namespace {

enum {
    TxtSetup = 2, TxtBuzzer = 66, TxtPopup = 67, TxtMotion = 77, TxtVideoLoss = 103, TxtName = 136,
    TxtSensorIn = 143, TxtDuration = 144, TxtPreset = 209, TxtTypeName = 272, TxtSensorType = 371,
    TxtAlarm = 377, TxtPos = 395, TxtSpotPopup = 412,
    TabLook = 86, TabLookOn = 87, MetricCellH = 19, MetricTableRight = 57
};

const int kTabText[TSetupAlarm::TABS] = {TxtSensorType, TxtSensorIn, TxtMotion, TxtPos, TxtVideoLoss, TxtDuration,
                                         TxtName};

int resValue(int id, int fallback)
{
    return g_res ? g_res->getValue(id) : fallback;
}

// The page's rows for the unit's counts: a list or field past what the unit
// has edits nothing.
QVector<TSetupPage::Row> rows(const TSetupAlarm::Counts& n)
{
    using P = TSetupPage;
    using A = TSetupAlarm;
    QVector<P::Row> r(A::ROWS);
    for (int t = 0; t < A::TABS; ++t)
        r[A::RowTab0 + t].text = kTabText[t];
    r[A::RowPreset].text = TxtSetup;
    r[A::RowDefaultBtn].kind = P::RowDefault;
    r[A::RowApplyBtn].kind = P::RowApply;
    r[A::RowMenuBtn].kind = P::RowMenu;
    for (int k = 0; k < A::OUT_ROWS; ++k) {
        P::Row& d = r[A::RowDur0 + k];
        d.kind = P::RowCombo;
        d.list = IDX_DATA_ALARM_DWELL;
        d.size = 4;
        if (k < n.outputs) {
            d.section = IDX_PROP_ALARM;
            d.offset = int(offsetof(PropAlarm, out) + k * sizeof(AlarmOutEntry) + offsetof(AlarmOutEntry, dur));
        } else if (k == n.outputs) {
            d.section = IDX_PROP_ALARM;
            d.offset = int(offsetof(PropAlarm, dur_preset));
        }
    }
    for (int s = 0; s < A::SENSORS; ++s) {
        P::Row& c = r[A::RowSensor0 + s];
        c.kind = P::RowCombo;
        c.list = IDX_DATA_SENSOR_TYPE;
        c.size = 1;
        if (s < n.sensors) {
            c.section = IDX_PROP_ALARM;
            c.offset = int(offsetof(PropAlarm, sensortype) + s);
        }
    }
    for (int k = 0; k < A::NAMES; ++k) {
        P::Row& e = r[A::RowName0 + k];
        e.kind = P::RowEdit;
        e.size = int(sizeof(AlarmOutEntry::name));
        if (k < n.outputs - 3) {
            e.section = IDX_PROP_ALARM;
            e.offset = int(offsetof(PropAlarm, out) + k * sizeof(AlarmOutEntry) + offsetof(AlarmOutEntry, name));
        }
    }
    return r;
}

PropAlarm* alarmEdit()
{
    return g_cfg ? static_cast<PropAlarm*>(g_cfg->getsection(IDX_PROP_ALARM, 0)) : nullptr;
}

// Lines of the two-column lists: the rows fill the left column first.
int halfOf(int n)
{
    return qMax(1, (n + 1) / 2);
}

} // namespace

TSetupAlarm::Counts TSetupAlarm::counts()
{
    Counts n = {0, 0, 0, 3, 0};
    if (!g_cfg)
        return n;
    // The device's counts index the section's arrays: each is kept to them.
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    n.videos = qBound(0, int(dev->videos), int(PROP_MAX_CH));
    n.sensors = qBound(0, int(dev->sensors), int(PROP_MAX_CH));
    n.txtin = qBound(0, int(dev->txtin), int(PROP_MAX_CH));
    n.outputs = qBound(3, int(dev->alarmouts), int(PROP_MAX_ALARMOUT));
    n.relays = qBound(0, int(dev->relaycnt), n.outputs - 3);
    return n;
}

TSetupAlarm::TSetupAlarm(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Params p;
    p.sections = {IDX_PROP_ALARM};
    p.firstRow = RowTab0;
    p.itemRight = RowTab0;
    p.itemLeft = RowTab0 + TabName;
    p.okRight = RowApplyBtn;
    p.okLeft = RowDefaultBtn;
    p.cancelRight = RowApplyBtn;
    p.cancelLeft = RowDefaultBtn;
    setRows(rows(counts()), p);
}

TSetupAlarm::~TSetupAlarm()
{
    delete m_preset;
    delete m_tabIcon;
}

void TSetupAlarm::init(int background)
{
    m_tab = 0;
    if (!m_table)
        m_table = new TAlarmtbl(this);
    m_table->hide();
    TSetupPage::init(background);
    if (!m_tabIcon) {
        m_tabIcon = TRes::makeIcon(ctlImage(TabLook), 4, false);
        TRes::addIconStates(m_tabIcon, ctlImage(TabLookOn), 4, true);
    }
    for (int t = 0; t < TABS; ++t)
        static_cast<TButton*>(m_ctrl[RowTab0 + t])->setState(t == m_tab ? 1 : 2, m_tabIcon);
    m_ctrl[RowMenuBtn]->hide();
    if (!m_preset) {
        m_preset = new TSetupAlarmPreset(nullptr, -1, QSize(ctlScale(600), ctlScale(420)));
        m_preset->init(0);
        m_preset->hide();
        // Closed, the window gives the focus back to the setup menu.
        connect(m_preset, &TDefWnd::sg_showed, this, [this](int, int shown, QRegion) {
            if (!shown && isVisible())
                window()->activateWindow();
        });
    }
    evtResize();
}

// ---- Layout and painting ----------------------------------------------------

QRect TSetupAlarm::tableArea() const
{
    const int m = ctlScale(16);
    const int top = m + ctlScale(24) + ctlScale(12);
    const QSize bs = ctlSize(21, QSize(85, 25));
    // Below the table: the "Setup" button, then the command row.
    const int bottom = height() - m - bs.height() - ctlScale(12) - bs.height() - ctlScale(8);
    return QRect(m, top, width() - 2 * m, qMax(1, bottom - top));
}

QRect TSetupAlarm::listSlot(int r, int lines) const
{
    const QRect a = tableArea();
    const QSize bs = ctlSize(21, QSize(85, 25));
    const int avail = a.height() + bs.height() + ctlScale(8);
    const int pitch = qMin(ctlScale(30), avail / qMax(1, lines));
    const int colW = a.width() / 2;
    const int col = r / lines;
    const int line = r % lines;
    const int labelW = colW * 2 / 5;
    return QRect(a.left() + col * colW + labelW, a.top() + line * pitch, colW - labelW - ctlScale(12),
                 qMin(ctlScale(24), pitch - ctlScale(2)));
}

void TSetupAlarm::evtResize()
{
    if (m_ctrl.size() != m_rows.size() || !m_table)
        return;
    const Counts n = counts();
    const int m = ctlScale(16);
    const QSize bs = ctlSize(21, QSize(85, 25));
    const int tw = (width() - 2 * m) / TABS;
    for (int t = 0; t < TABS; ++t)
        m_ctrl[RowTab0 + t]->setGeometry(m + t * tw, m, tw - ctlScale(4), ctlScale(24));
    const int by = height() - m - bs.height();
    m_ctrl[RowDefaultBtn]->setGeometry(width() - m - bs.width(), by, bs.width(), bs.height());
    m_ctrl[RowApplyBtn]->setGeometry(width() - m - 2 * bs.width() - ctlScale(6), by, bs.width(), bs.height());
    m_ctrl[RowMenuBtn]->setGeometry(m, by, bs.width(), bs.height());

    const int durLines = halfOf(n.outputs + 1);
    for (int k = 0; k < OUT_ROWS; ++k) {
        m_ctrl[RowDur0 + k]->setGeometry(listSlot(k, durLines));
        m_ctrl[RowName0 + k]->setGeometry(listSlot(k, durLines));
    }
    const int senLines = halfOf(n.sensors);
    for (int s = 0; s < SENSORS; ++s)
        m_ctrl[RowSensor0 + s]->setGeometry(listSlot(s, senLines));

    // The table: rows as high as the area allows up to the metric; narrow
    // cells centred for up to 15 cameras, the area's width beyond.
    const QRect a = tableArea();
    const int cellH = qMin(a.height() / (n.outputs + 1), resValue(MetricCellH, 24));
    int cellW;
    int x;
    if (n.videos <= 15) {
        cellW = a.width() / 21;
        x = qMin(a.left() + (a.width() - (n.videos + TAlarmtbl::LABEL_COLS) * cellW) / 2,
                 resValue(MetricTableRight, 260));
    } else {
        cellW = a.width() / (n.videos + TAlarmtbl::LABEL_COLS);
        x = a.left();
    }
    m_table->setCellSize(cellW, cellH);
    m_table->move(qMax(0, x), a.top());
    m_table->setSize(m_table->rows(), m_table->cols());
    const int tableBottom = a.top() + (n.outputs + 1) * m_table->cellHeight();
    m_ctrl[RowPreset]->setGeometry(m_table->x() + 4 * m_table->cellWidth(), tableBottom + ctlScale(8), bs.width(),
                                   bs.height());
    if (isVisible())
        setCtrl();
}

void TSetupAlarm::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(ctlColor(3));
    const int gap = ctlScale(8);
    auto label = [&](QWidget* w, const QString& text, int left) {
        const QRect g = w->geometry();
        drawFitText(&p, QRect(left, g.top(), qMax(1, g.left() - gap - left), g.height()),
                    Qt::AlignRight | Qt::AlignVCenter, text);
    };
    auto columnLeft = [&](QWidget* w) {
        const QRect a = tableArea();
        return w->x() < a.left() + a.width() / 2 ? a.left() : a.left() + a.width() / 2;
    };
    for (int k = 0; k < ROWS; ++k) {
        QWidget* w = m_ctrl.value(k);
        if (!w || w->isHidden())
            continue;
        if (k >= RowSensor0 && k < RowName0)
            label(w, QString::number(k - RowSensor0 + 1), columnLeft(w));
        else if (k >= RowDur0 && k < RowSensor0)
            label(w, m_labels.value(k - RowDur0), columnLeft(w));
        else if (k >= RowName0)
            label(w, m_labels.value(k - RowName0), columnLeft(w));
        else if (k == RowPreset)
            label(w, ctlText(TxtPreset), m_table->x());
    }
}

void TSetupAlarm::evtLanguage()
{
    const Counts n = counts();
    m_labels.clear();
    const QString alarm = ctlText(TxtAlarm);
    for (int k = 1; k <= n.outputs - 3; ++k)
        m_labels << alarm + (k <= n.relays ? QString::asprintf(" %d(R)", k) : QString::asprintf(" %d", k));
    m_labels << ctlText(TxtBuzzer) << ctlText(TxtPopup) << ctlText(TxtSpotPopup) << ctlText(TxtPreset);
    if (m_table)
        m_table->setLabels(m_labels.mid(0, n.outputs));
    TSetupPage::evtLanguage();
}

// ---- The edit copy ----------------------------------------------------------

int TSetupAlarm::tableCols(int tab) const
{
    const Counts n = counts();
    switch (tab) {
    case TabSensorIn: return n.sensors;
    case TabMotion:
    case TabVideoLoss: return n.videos;
    case TabPos: return n.txtin;
    default: return 0;
    }
}

unsigned char* TSetupAlarm::flags(int tab, int row) const
{
    PropAlarm* a = alarmEdit();
    if (!a || row < 0 || row >= counts().outputs)
        return nullptr;
    AlarmOutEntry& o = a->out[row];
    switch (tab) {
    case TabSensorIn: return o.sensorOn;
    case TabMotion: return o.motionOn;
    case TabPos: return o.txtinOn;
    case TabVideoLoss: return o.vlossOn;
    default: return nullptr;
    }
}

void TSetupAlarm::setCtrl()
{
    TSetupPage::setCtrl();
    if (m_ctrl.size() != m_rows.size() || !m_table)
        return;
    const Counts n = counts();
    if (m_tab == TabPos && n.txtin <= 0)
        m_tab = TabSensorType;
    for (int t = 0; t < TABS; ++t)
        static_cast<TButton*>(m_ctrl[RowTab0 + t])->setState(t == m_tab ? 1 : 2, nullptr);
    m_ctrl[RowTab0 + TabPos]->setVisible(n.txtin > 0);
    m_ctrl[RowPreset]->setVisible(m_tab == TabMotion);
    m_ctrl[RowMenuBtn]->hide();
    for (int s = 0; s < SENSORS; ++s)
        m_ctrl[RowSensor0 + s]->setVisible(m_tab == TabSensorType && s < n.sensors);
    for (int k = 0; k < OUT_ROWS; ++k) {
        m_ctrl[RowDur0 + k]->setVisible(m_tab == TabDuration && k <= n.outputs);
        m_ctrl[RowName0 + k]->setVisible(m_tab == TabName && k < n.outputs - 3);
    }
    const int cols = tableCols(m_tab);
    if (m_tab >= TabSensorIn && m_tab <= TabVideoLoss) {
        m_table->setSize(n.outputs, cols);
        for (int r = 0; r < n.outputs; ++r) {
            const unsigned char* f = flags(m_tab, r);
            for (int c = 0; f && c < cols && c < TAlarmtbl::MAX_COLS; ++c)
                m_table->setCell(r, c, f[c]);
        }
        m_table->show();
        m_table->update();
    } else {
        m_table->hide();
    }
    update();
}

void TSetupAlarm::sl_fromTable(int row, int col, int value)
{
    unsigned char* f = flags(m_tab, row);
    if (f && col >= 0 && col < tableCols(m_tab))
        f[col] = value ? 1 : 0;
}

void TSetupAlarm::sl_edclicked(int id)
{
    qCDebug(lcUiSetup, "============ TSetupAlarm::sl_edclicked(%d) ===========", id);
    TSetupPage::sl_edclicked(id);
    if (m_typing >= 0 && g_vkeyboard)
        g_vkeyboard->setTitle(ctlText(TxtTypeName));
}

void TSetupAlarm::buttonClicked(int row)
{
    if (row >= RowTab0 && row < RowTab0 + TABS) {
        setTab(row - RowTab0);
    } else if (row == RowPreset && m_preset) {
        m_preset->moveCenter(parentWidget() ? parentWidget() : this);
        m_preset->show();
    }
}

void TSetupAlarm::setTab(int tab)
{
    if (tab < 0 || tab >= TABS || (tab == TabPos && counts().txtin <= 0))
        return;
    m_tab = tab;
    setCtrl();
    keyMatch();
}

// ---- Show, hide, sub-window -------------------------------------------------

void TSetupAlarm::connectTo()
{
    TSetupPage::connectTo();
    connect(m_table, &TAlarmtbl::sg_request, this, &TSetupAlarm::sl_fromTable, Qt::UniqueConnection);
}

void TSetupAlarm::disconnectFrom()
{
    disconnect(m_table, &TAlarmtbl::sg_request, this, &TSetupAlarm::sl_fromTable);
    TSetupPage::disconnectFrom();
}

void TSetupAlarm::evtHide()
{
    closeSubWindows();
    TSetupPage::evtHide();
}

void TSetupAlarm::closeSubWindows()
{
    if (m_preset && m_preset->isVisible())
        m_preset->cancel();
}

// ---- Focus and keys -----------------------------------------------------------

QVector<QWidget*> TSetupAlarm::listed() const
{
    QVector<QWidget*> out;
    int first = -1;
    int count = 0;
    const Counts n = counts();
    switch (m_tab) {
    case TabSensorType: first = RowSensor0; count = n.sensors; break;
    case TabDuration: first = RowDur0; count = n.outputs + 1; break;
    case TabName: first = RowName0; count = n.outputs - 3; break;
    default: break;
    }
    for (int k = 0; k < count; ++k)
        out << m_ctrl[first + k];
    return out;
}

void TSetupAlarm::keyMatch()
{
    TSetupPage::keyMatch();
    // The base gives the menu entries, then one entry per row; the page's own
    // entries follow the shown tab instead.
    m_focus.resize(qMax(0, m_focus.size() - m_rows.size()));
    const int col = tabColumnOf(id());
    QWidget* ownTab = m_menu && col >= 0 ? m_menu[0][col] : nullptr;
    QWidget* ownItem = m_menu && col >= 0 ? m_menu[1 + id() - kSetupTabs[col].first][0] : nullptr;
    QWidget* ok = m_menu ? m_menu[10][0] : nullptr;
    QWidget* apply = m_ctrl[RowApplyBtn];
    QWidget* def = m_ctrl[RowDefaultBtn];
    QWidget* selTab = m_ctrl[RowTab0 + m_tab];
    if (!ownItem)
        ownItem = selTab;

    QVector<QWidget*> tabs;
    for (int t = 0; t < TABS; ++t) {
        if (!m_ctrl[RowTab0 + t]->isHidden())
            tabs << m_ctrl[RowTab0 + t];
    }
    QVector<QWidget*> list = listed();
    const int lines = m_tab == TabSensorType ? halfOf(list.size()) : halfOf(counts().outputs + 1);
    const bool table = m_tab >= TabSensorIn && m_tab <= TabVideoLoss;
    QWidget* first = table ? m_table : list.value(0, apply);
    QWidget* last = apply;
    if (table)
        last = m_tab == TabMotion ? m_ctrl[RowPreset] : static_cast<QWidget*>(m_table);
    else if (!list.isEmpty())
        last = list[qMin(lines, list.size()) - 1];

    for (int i = 0; i < tabs.size(); ++i) {
        m_focus.append({0, tabs[i], i + 1 < tabs.size() ? tabs[i + 1] : ownItem, i > 0 ? tabs[i - 1] : ownItem, first,
                        ownTab ? ownTab : tabs[i]});
    }
    if (table) {
        QWidget* below = m_tab == TabMotion ? m_ctrl[RowPreset] : apply;
        m_focus.append({0, m_table, ownItem, ownItem, below, selTab});
        if (m_tab == TabMotion)
            m_focus.append({0, m_ctrl[RowPreset], ownItem, ownItem, apply, m_table});
    }
    for (int r = 0; r < list.size(); ++r) {
        const int c = r / lines;
        const int line = r % lines;
        QWidget* up = line > 0 ? list[r - 1] : selTab;
        QWidget* down = line + 1 < lines && r + 1 < list.size() ? list[r + 1] : apply;
        QWidget* right = c == 0 && r + lines < list.size() ? list[r + lines] : ownItem;
        QWidget* left = c > 0 ? list[r - lines] : ownItem;
        m_focus.append({0, list[r], right, left, down, up});
    }
    m_focus.append({0, apply, def, ok ? ok : def, ownTab ? ownTab : selTab, last});
    m_focus.append({0, def, ok ? ok : apply, apply, ownTab ? ownTab : selTab, last});
}

int TSetupAlarm::keyTaken(int key)
{
    // The table's edit mode has every key.
    if (m_table->isLock(key))
        return 1;
    if (m_focus.isEmpty())
        return 0;
    if (key == Qt::Key_Enter || key == Qt::Key_Return) {
        if (focusFind(key, m_focus.data(), m_focus.size()) == m_table) {
            // Enter opens the table's edit mode.
            m_curCtrl = m_table;
            QCoreApplication::postEvent(m_table, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            return 1;
        }
        return 0;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        QWidget* next = focusMove(key, m_focus.data(), m_focus.size());
        if (!next)
            return 0;
        // Into the tab row: the tab shown.
        if (next == m_ctrl[RowTab0])
            next = m_ctrl[RowTab0 + m_tab];
        next->setFocus(Qt::OtherFocusReason);
        m_curCtrl = next;
        return 1;
    }
    return 0;
}

void TSetupAlarm::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupAlarm::evtKeydown(%d) ===========", key);
    // The preset window has the keys while it is up.
    if (m_preset && m_preset->isVisible()) {
        QCoreApplication::postEvent(m_preset, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return;
    }
    TSetupPage::evtKeydown(key);
}

void TSetupAlarm::evtKeyup(int key)
{
    if (m_preset && m_preset->isVisible()) {
        QCoreApplication::postEvent(m_preset, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        return;
    }
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_curCtrl == m_table) {
        QCoreApplication::postEvent(m_table, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        return;
    }
    TSetupPage::evtKeyup(key);
}
