#include "tsetupsmart.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "storagerecords.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "textutil.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>

#include <cstddef>

using namespace SetupAct;

namespace {

enum {
    T_BUZZER = 66,
    T_TEMPERATURE = 69,
    T_ALARM_OUT = 78,
    T_SMART = 89,
    T_BOOT_MESSAGE = 173,
    T_LIMIT = 174,
    T_SMART_ON = 339,
    T_CHECK_DAY = 340,
    T_CHECK_TIME = 341,
    T_ALARM = 377,
    T_ERROR_TEST = 432,
    T_REALLOC = 433,
    T_USED_DAY = 434
};

const int kComboField[5] = {int(offsetof(PropSmart, day)), int(offsetof(PropSmart, errorcnt)),
                            int(offsetof(PropSmart, time)), int(offsetof(PropSmart, heat)),
                            int(offsetof(PropSmart, alarm))};
const int kComboList[5] = {IDX_DATA_WEEKDAY, IDX_DATA_SMART_ERRORS, IDX_DATA_SMART_PERIOD, IDX_DATA_TEMPERATURE, -1};
const int kComboText[5] = {T_CHECK_DAY, T_BOOT_MESSAGE, T_CHECK_TIME, T_LIMIT, T_ALARM_OUT};

const PropDevices* unit(int live)
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live)) : nullptr;
}

const PropSmart* smartEdit()
{
    return g_cfg ? static_cast<const PropSmart*>(g_cfg->getsection(IDX_PROP_SMART, 0)) : nullptr;
}

} // namespace

TSetupSmart::TSetupSmart(QWidget* parent, int id, QSize size)
    : TSetupSmart(parent, id, size, 2, 4, {}, 500)
{
    // Readings for the unit's first two disks, a numbered row for each disk
    // up to the rows the page has.
    const PropDevices* dev = unit(0);
    const int disks = dev ? dev->storage : 0;
    m_valueRows = qBound(0, disks, 2);
    m_numbered = qBound(0, disks, 4);
}

TSetupSmart::TSetupSmart(QWidget* parent, int id, QSize size, int valueRows, int numbered, QVector<int> extra,
                         int delay)
    : TSetupPage(parent, id, size), m_valueRows(qBound(0, valueRows, 4)), m_numbered(qBound(0, numbered, 4)),
      m_extra(extra), m_delay(delay)
{
    build();
}

void TSetupSmart::build()
{
    const int x = m_extra.size();
    QVector<Row> rows(9 + x);
    Row& on = rows[0];
    on.kind = RowCheck;
    on.section = IDX_PROP_SMART;
    on.offset = offsetof(PropSmart, on);
    on.size = 4;
    on.right = on.left = L_ITEM;
    on.up = L_TAB;
    on.down = rowCombo(0);
    for (int k = 0; k < 5; ++k) {
        Row& c = rows[rowCombo(k)];
        c.kind = RowCombo;
        c.section = IDX_PROP_SMART;
        c.offset = kComboField[k];
        c.size = 4;
        c.list = kComboList[k];
    }
    // Two lists a line: day and boot message, period and limit; the alarm
    // output below them.
    auto link = [&](int k, int right, int left, int up, int down) {
        Row& c = rows[rowCombo(k)];
        c.right = right;
        c.left = left;
        c.up = up;
        c.down = down;
    };
    const int below = x > 0 ? rowExtra(0) : rowDefault();
    link(0, rowCombo(1), L_ITEM, 0, rowCombo(2));
    link(1, L_ITEM, rowCombo(0), 0, rowCombo(3));
    link(2, rowCombo(3), L_ITEM, rowCombo(0), rowCombo(4));
    link(3, L_ITEM, rowCombo(2), rowCombo(1), rowCombo(4));
    link(4, L_ITEM, L_ITEM, rowCombo(2), below);
    for (int k = 0; k < x; ++k) {
        Row& b = rows[rowExtra(k)];
        b.kind = RowButton;
        b.text = m_extra[k];
        b.right = k + 1 < x ? rowExtra(k + 1) : L_ITEM;
        b.left = k > 0 ? rowExtra(k - 1) : L_ITEM;
        b.up = rowCombo(4);
        b.down = k == 0 ? rowDefault() : rowApply();
    }
    Row& def = rows[rowDefault()];
    def.kind = RowDefault;
    def.right = rowApply();
    def.left = L_OK;
    def.up = x > 0 ? rowExtra(0) : rowCombo(4);
    def.down = L_TAB;
    Row& apply = rows[rowApply()];
    apply.kind = RowApply;
    apply.right = L_OK;
    apply.left = rowDefault();
    apply.up = x > 0 ? rowExtra(x - 1) : rowCombo(4);
    apply.down = L_TAB;
    rows[rowMenu()].kind = RowMenu;

    Params p;
    p.sections = {IDX_PROP_SMART};
    p.replies = {Act_InfoSmart};
    p.firstRow = 0;
    p.itemRight = p.itemLeft = 0;
    p.okRight = p.cancelRight = rowDefault();
    p.okLeft = p.cancelLeft = rowApply();
    setRows(rows, p);
}

TButton* TSetupSmart::onBox() const
{
    return static_cast<TButton*>(control(0));
}

QString TSetupSmart::reading(int row, int col) const
{
    return row >= 0 && row < 4 && col >= 0 && col < COLUMNS ? m_read[row][col] : QString();
}

// ---- Texts ---------------------------------------------------------------------

QString TSetupSmart::errorText(int error, int tests)
{
    return QStringLiteral("%1 / %2").arg(error).arg(tests);
}

QString TSetupSmart::tempText(int celsius)
{
    const int f = celsius * 9 / 5 + 32;
    const QChar deg(0xB0);
    return QStringLiteral("%1%2C (%3%4F)").arg(celsius).arg(deg).arg(fToStr(1, f)).arg(deg);
}

QString TSetupSmart::reallocText(int badSectors, int result)
{
    return QString::number(badSectors) + (result ? QStringLiteral(" / Error") : QStringLiteral(" / Ok"));
}

QString TSetupSmart::daysText(int powerOnHours)
{
    return fToStr(1, powerOnHours / 24.0);
}

bool TSetupSmart::readings(const SmartInfo& s, int disk, QString out[COLUMNS])
{
    if (disk < 0 || disk >= 16 || !s.valid[disk])
        return false;
    out[0] = errorText(s.error[disk], s.totalTest[disk]);
    out[1] = tempText(s.temp[disk]);
    out[2] = reallocText(s.badSectors[disk], s.result[disk]);
    out[3] = daysText(s.powerOnHours[disk]);
    return true;
}

QStringList TSetupSmart::alarmList(int relays, int outputs)
{
    QStringList out;
    const int real = qBound(0, outputs - 3, 20);
    relays = qBound(0, relays, real);
    const QString alarm = ctlText(T_ALARM);
    for (int k = 1; k <= real; ++k)
        out << alarm + (k <= relays ? QStringLiteral("%1(R)").arg(k) : QString::number(k));
    out << ctlText(T_BUZZER);
    return out;
}

QString TSetupSmart::columnHeading(int col)
{
    static const int ids[COLUMNS] = {T_ERROR_TEST, T_TEMPERATURE, T_REALLOC, T_USED_DAY};
    return col >= 0 && col < COLUMNS ? ctlText(ids[col]) : QString();
}

// ---- Show, controls, answers ------------------------------------------------------

void TSetupSmart::connectTo()
{
    TSetupPage::connectTo();
    // After the base wrote the box into the record.
    connect(onBox(), &TButton::sg_clicked, this, &TSetupSmart::sl_onClicked);
}

void TSetupSmart::evtShow()
{
    TSetupPage::evtShow();
    QTimer::singleShot(m_delay, this, &TSetupSmart::sl_showStatus);
}

void TSetupSmart::sl_showStatus()
{
    // Asked only while the page shows and the checks are on.
    const PropSmart* smart = smartEdit();
    if (isVisible() && smart && smart->on)
        emit sg_action(Act_InfoSmart, 0, 0);
}

void TSetupSmart::sl_onClicked()
{
    setCtrl();
}

void TSetupSmart::setCtrl()
{
    TSetupPage::setCtrl();
    const PropSmart* smart = smartEdit();
    const bool on = smart && smart->on;
    for (int k = 0; k < 5; ++k)
        combo(k)->setEnabled(on);
    for (int k = 0; k < m_extra.size(); ++k)
        control(rowExtra(k))->setEnabled(on);
}

void TSetupSmart::keyMatch()
{
    TSetupPage::keyMatch();
    QWidget* menu = control(rowMenu());
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == menu) {
            m_focus.remove(i);
            break;
        }
    }
}

void TSetupSmart::evtLanguage()
{
    TSetupPage::evtLanguage();
    // The alarm list is the page's own: the unit's outputs and the buzzer.
    if (auto* c = qobject_cast<TCombo*>(combo(4))) {
        const QSignalBlocker block(c);
        c->clear();
        const PropDevices* dev = unit(1);
        c->addItems(alarmList(dev ? dev->relaycnt : 0, dev ? dev->alarmouts : 3));
    }
    if (isVisible())
        setCtrl();
}

void TSetupSmart::onReply(int code, const void* data)
{
    if (code == Act_InfoSmart)
        initSet(static_cast<const SmartInfo*>(data));
}

void TSetupSmart::initSet(const SmartInfo* s)
{
    if (!s)
        return;
    // A disk not read keeps what it showed.
    for (int r = 0; r < m_valueRows; ++r)
        readings(*s, r, m_read[r]);
    update();
}

// ---- Layout and painting -----------------------------------------------------------

void TSetupSmart::evtResize()
{
    if (m_ctrl.size() != m_rows.size())
        return;
    const int W = width();
    const int H = height();
    const int m = ctlScale(16);
    const QSize bs = ctlSize(21, QSize(85, 25));
    const int lines = 8 + 1 + 4 + (m_extra.isEmpty() ? 0 : 1);
    m_pitch = qMin(ctlScale(30), (H - 2 * m - bs.height() - ctlScale(8)) / lines);
    const int rowH = m_pitch - ctlScale(4);
    const int check = qMin(ctlScale(16), rowH);
    const int half = (W - 2 * m) / 2;
    const int labelW = half * 45 / 100;
    const int comboW = half - labelW - ctlScale(12);
    int y = m;
    m_ctrl[0]->setGeometry(m + labelW, y + (rowH - check) / 2, check, check);
    y += 2 * m_pitch; // the box, then the heading
    m_ctrl[rowCombo(0)]->setGeometry(m + labelW, y, comboW, rowH);
    m_ctrl[rowCombo(1)]->setGeometry(m + half + labelW, y, comboW, rowH);
    y += 2 * m_pitch; // the lists, then the heading
    m_ctrl[rowCombo(2)]->setGeometry(m + labelW, y, comboW, rowH);
    m_ctrl[rowCombo(3)]->setGeometry(m + half + labelW, y, comboW, rowH);
    y += m_pitch + m_pitch / 2;
    m_ctrl[rowCombo(4)]->setGeometry(m + labelW, y, comboW, rowH);
    y += m_pitch + m_pitch / 2;
    m_tableTop = y;
    y += m_pitch * (1 + 4);
    for (int k = 0; k < m_extra.size(); ++k)
        m_ctrl[rowExtra(k)]->setGeometry(m + k * (bs.width() + ctlScale(12)), y, bs.width(), rowH);
    const int by = H - m - bs.height();
    m_ctrl[rowDefault()]->setGeometry(W - m - 2 * bs.width() - ctlScale(6), by, bs.width(), bs.height());
    m_ctrl[rowApply()]->setGeometry(W - m - bs.width(), by, bs.width(), bs.height());
    m_ctrl[rowMenu()]->setGeometry(W - m - 3 * bs.width() - ctlScale(12), by, bs.width(), bs.height());
    m_ctrl[rowMenu()]->hide();
}

void TSetupSmart::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (m_ctrl.size() != m_rows.size())
        return;
    QPainter p(this);
    const QColor text = ctlColor(3);
    const QColor frame = ctlColor(35);
    const int m = ctlScale(16);
    const int W = width();
    const int rowH = m_pitch - ctlScale(4);
    const int half = (W - 2 * m) / 2;
    auto label = [&](const QRect& r, const QString& s, int align = Qt::AlignLeft) {
        p.setPen(text);
        drawFitText(&p, r, align | Qt::AlignVCenter, s);
    };
    auto before = [&](QWidget* w, int id) {
        const int x = w->x() < m + half ? m : m + half;
        label(QRect(x, w->y(), w->x() - x - ctlScale(6), rowH), ctlText(id));
    };
    label(QRect(m, m, m_ctrl[0]->x() - m - ctlScale(6), rowH), ctlText(T_SMART_ON));
    label(QRect(m, m + m_pitch, W - 2 * m, rowH), ctlText(T_SMART));
    label(QRect(m, m + 3 * m_pitch, W - 2 * m, rowH), ctlText(T_TEMPERATURE));
    for (int k = 0; k < 5; ++k)
        before(m_ctrl[rowCombo(k)], kComboText[k]);
    // The readings: a number column, then four framed values a row.
    const int numW = ctlScale(36);
    const int colW = (W - 2 * m - numW) / COLUMNS;
    int y = m_tableTop;
    for (int c = 0; c < COLUMNS; ++c)
        label(QRect(m + numW + c * colW, y, colW - ctlScale(4), rowH), columnHeading(c), Qt::AlignHCenter);
    for (int r = 0; r < m_numbered; ++r) {
        y += m_pitch;
        label(QRect(m, y, numW, rowH), QStringLiteral("%1  ").arg(r + 1));
        if (r >= m_valueRows)
            continue;
        for (int c = 0; c < COLUMNS; ++c) {
            const QRect box(m + numW + c * colW, y, colW - ctlScale(4), rowH);
            p.setPen(frame);
            p.drawRect(box.adjusted(0, 0, -1, -1));
            label(box.adjusted(ctlScale(3), 0, -ctlScale(3), 0), m_read[r][c], Qt::AlignHCenter);
        }
    }
}
