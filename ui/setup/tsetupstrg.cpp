#include "tsetupstrg.h"
#include "appglobals.h"
#include "ctlres.h"
#include "dvrrecords.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "textutil.h"
#include "tmsgwnd.h"
#include "uisetuplog.h"

#include <QPainter>
#include <QSignalBlocker>

#include <cstddef>

using namespace SetupAct;

namespace {

enum {
    T_TOTAL = 104,
    T_HDD = 105,
    T_OVERWRITE = 106,
    T_FORMAT = 108,
    T_NOT_FORMAT = 109,
    T_SURE = 244,
    T_RUN = 249,
    T_HDD_CHECK = 300,
    T_CONTINUE = 335,
    T_AUTO_DELETE = 345,
    T_MIRROR = 367,
    T_NEED_FORMAT = 370,
    T_DVR = 391,
    T_ESATA1 = 393,
    T_ESATA2 = 394,
    T_ALARM_CHECK = 424,
    T_RECORD_STOP = 463,
    T_ALARM_OUT = 78
};

// A UTF-8 text of a record field, read no further than the field.
QString recordText(const char* text, int size)
{
    return QString::fromUtf8(text, int(qstrnlen(text, uint(size))));
}

int storageOfUnit()
{
    if (!g_cfg)
        return 0;
    return static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0))->storage;
}

} // namespace

TSetupStrg::TSetupStrg(QWidget* parent, int id, QSize size)
    : TSetupStrg(parent, id, size, 4, {{T_DVR, 0, 4}}, {{T_ALARM_CHECK, 0, 4}}, 0, false)
{
}

TSetupStrg::TSetupStrg(QWidget* parent, int id, QSize size, int lines, const QVector<Group>& groups,
                       const QVector<Group>& alarmRows, int requestDelay, bool esata)
    : TSetupPage(parent, id, size), m_lines(qBound(1, lines, 16)), m_esata(esata), m_groups(groups),
      m_alarmRows(alarmRows)
{
    // The unit's disks, never more than the page has lines for.
    m_diskCount = qBound(0, storageOfUnit(), m_lines);
    build();
    m_params.requests = {Act_InfoStrg};
    m_params.requestDelay = requestDelay;
}

void TSetupStrg::build()
{
    const int n = m_lines;
    QVector<Row> rows(2 * n + 9);
    auto field = [](int kind, int offset) {
        Row r;
        r.kind = kind;
        r.section = IDX_PROP_STORAGE;
        r.offset = offset;
        r.size = 4;
        r.right = r.left = L_ITEM;
        return r;
    };
    // The disk lines: down and up inside a group, right and left across the
    // groups at the same line.
    for (int g = 0; g < m_groups.size(); ++g) {
        const Group& gr = m_groups[g];
        QVector<int> shown;
        for (int k = 0; k < gr.count; ++k)
            if (lineShown(gr.first + k))
                shown << gr.first + k;
        for (int k = 0; k < gr.count; ++k) {
            const int i = gr.first + k;
            if (i < 0 || i >= n)
                continue;
            Row& r = rows[i];
            r.kind = RowButton;
            r.text = T_FORMAT;
            const int at = shown.indexOf(i);
            r.up = at > 0 ? shown[at - 1] : L_TAB;
            r.down = at >= 0 && at + 1 < shown.size() ? shown[at + 1] : rowAll();
            auto across = [&](int h) {
                if (h < 0 || h >= m_groups.size())
                    return int(L_ITEM);
                const Group& o = m_groups[h];
                return o.first + qMin(k, o.count - 1);
            };
            r.right = across(g + 1);
            r.left = across(g - 1);
        }
    }
    int lastDisk = L_TAB;
    if (!m_groups.isEmpty()) {
        for (int k = m_groups[0].count - 1; k >= 0; --k)
            if (lineShown(m_groups[0].first + k)) {
                lastDisk = m_groups[0].first + k;
                break;
            }
    }
    // The settings below, one column.
    QVector<int> column = {rowAll(), rowRun(), rowOverwrite()};
    if (mirrorShown())
        column << rowMirror();
    column << comboAd();
    for (const Group& a : m_alarmRows)
        column << rowAlarm(a.first);
    column << comboAl() << rowDefault();
    Row& all = rows[rowAll()];
    all.kind = RowButton;
    all.text = T_FORMAT;
    rows[rowRun()].kind = RowButton;
    rows[rowRun()].text = T_RUN;
    rows[rowOverwrite()] = field(RowCheck, offsetof(PropStorage, overwrite));
    Row& mirror = rows[rowMirror()];
    mirror.kind = RowCheck; // on no field: the disks carry the mirroring
    rows[comboAd()] = field(RowCombo, offsetof(PropStorage, autodelete));
    rows[comboAd()].list = IDX_DATA_AUTODELETE;
    rows[comboAl()] = field(RowCombo, offsetof(PropStorage, alarm_type));
    rows[comboAl()].list = IDX_DATA_ALARM_OUT;
    for (int i = 0; i < n; ++i)
        rows[rowAlarm(i)] = field(RowCheck, int(offsetof(PropStorage, alarm) + size_t(i) * sizeof(int32_t)));
    for (int c = 0; c < column.size(); ++c) {
        Row& r = rows[column[c]];
        r.right = r.left = L_ITEM;
        r.up = c > 0 ? column[c - 1] : lastDisk;
        r.down = c + 1 < column.size() ? column[c + 1] : L_TAB;
    }
    // The alarm boxes: a row each group, right and left along the row,
    // up and down to the same box of the rows around.
    for (int a = 0; a < m_alarmRows.size(); ++a) {
        const Group& ar = m_alarmRows[a];
        for (int k = 0; k < ar.count; ++k) {
            Row& r = rows[rowAlarm(ar.first + k)];
            r.right = k + 1 < ar.count && lineShown(ar.first + k + 1) ? rowAlarm(ar.first + k + 1) : L_ITEM;
            r.left = k > 0 ? rowAlarm(ar.first + k - 1) : L_ITEM;
            auto near = [&](int b) { return rowAlarm(m_alarmRows[b].first + qMin(k, m_alarmRows[b].count - 1)); };
            r.up = a > 0 ? near(a - 1) : comboAd();
            r.down = a + 1 < m_alarmRows.size() ? near(a + 1) : comboAl();
        }
    }
    Row& def = rows[rowDefault()];
    def.kind = RowDefault;
    def.right = rowApply();
    def.left = L_OK;
    def.up = comboAl();
    def.down = L_TAB;
    Row& apply = rows[rowApply()];
    apply.kind = RowApply;
    apply.right = L_OK;
    apply.left = rowDefault();
    apply.up = comboAl();
    apply.down = L_TAB;
    rows[rowMenu()].kind = RowMenu;

    Params p;
    p.sections = {IDX_PROP_STORAGE};
    p.replies = {Act_InfoStrg};
    p.firstRow = rowOverwrite();
    p.itemRight = p.itemLeft = m_esata ? 0 : rowOverwrite();
    p.okRight = p.cancelRight = rowDefault();
    p.okLeft = p.cancelLeft = rowApply();
    setRows(rows, p);
}

TButton* TSetupStrg::formatButton(int i) const
{
    return i >= 0 && i < m_lines ? static_cast<TButton*>(control(i)) : nullptr;
}

TButton* TSetupStrg::allButton() const
{
    return static_cast<TButton*>(control(rowAll()));
}

TButton* TSetupStrg::runButton() const
{
    return static_cast<TButton*>(control(rowRun()));
}

TButton* TSetupStrg::overwriteBox() const
{
    return static_cast<TButton*>(control(rowOverwrite()));
}

TButton* TSetupStrg::mirrorBox() const
{
    return static_cast<TButton*>(control(rowMirror()));
}

TButton* TSetupStrg::alarmBox(int i) const
{
    return i >= 0 && i < m_lines ? static_cast<TButton*>(control(rowAlarm(i))) : nullptr;
}

// ---- Layout and painting ---------------------------------------------------

void TSetupStrg::evtResize()
{
    if (m_ctrl.size() != m_rows.size())
        return;
    m_labels.clear();
    const int W = width();
    const int H = height();
    const int m = ctlScale(16);
    const QSize bs = ctlSize(21, QSize(85, 25));
    int deepest = 0;
    for (const Group& g : m_groups)
        deepest = qMax(deepest, m_esata ? g.count : qMax(1, qMin(g.count, m_diskCount)));
    const int settings = (mirrorShown() ? 7 : 6) + m_alarmRows.size();
    const int room = H - 2 * m - bs.height() - ctlScale(8);
    const int pitch = qMin(ctlScale(30), room / qMax(1, 1 + deepest + settings));
    const int rowH = pitch - ctlScale(4);
    const int check = qMin(ctlScale(16), rowH);
    const int labelW = W * 30 / 100;
    const int ctlX = m + labelW;

    // The disk lines, the groups side by side.
    const int groups = qMax(1, m_groups.size());
    const int gw = (W - 2 * m) / groups;
    const int fmtW = qMin(bs.width(), gw * 3 / 10);
    for (int g = 0; g < m_groups.size(); ++g) {
        const Group& gr = m_groups[g];
        const int x = m + g * gw;
        m_labels.append({QRect(x, m, gw - ctlScale(8), rowH), gr.heading, -1, QString(), Qt::AlignLeft});
        for (int k = 0; k < gr.count; ++k) {
            const int i = gr.first + k;
            if (i < 0 || i >= m_lines)
                continue;
            const int y = m + pitch * (1 + k);
            m_numRect[i] = QRect(x, y, ctlScale(24), rowH);
            // The last group's buttons line up with "Format" of every disk.
            const int bx = x + gw - fmtW - (g + 1 < m_groups.size() ? ctlScale(8) : 0);
            m_textRect[i] = QRect(x + ctlScale(28), y, bx - ctlScale(4) - x - ctlScale(28), rowH);
            m_ctrl[i]->setGeometry(bx, y, fmtW, rowH);
            m_ctrl[i]->setVisible(lineShown(i));
        }
    }
    int y = m + pitch * (1 + deepest);
    auto label = [&](int text, int enclosure = -1) {
        m_labels.append({QRect(m, y, labelW - ctlScale(8), rowH), text, enclosure, QString(), Qt::AlignLeft});
    };
    // "Total": the summary and "Format" of every disk.
    label(T_TOTAL);
    m_totalRect = QRect(ctlX, y, W - m - bs.width() - ctlScale(8) - ctlX, rowH);
    m_ctrl[rowAll()]->setGeometry(W - m - bs.width(), y, bs.width(), rowH);
    y += pitch;
    label(T_HDD_CHECK);
    m_ctrl[rowRun()]->setGeometry(ctlX, y, bs.width(), rowH);
    y += pitch;
    label(T_OVERWRITE);
    m_ctrl[rowOverwrite()]->setGeometry(ctlX, y + (rowH - check) / 2, check, check);
    y += pitch;
    m_ctrl[rowMirror()]->setVisible(mirrorShown());
    if (mirrorShown()) {
        label(T_MIRROR);
        m_ctrl[rowMirror()]->setGeometry(ctlX, y + (rowH - check) / 2, check, check);
        y += pitch;
    }
    label(T_AUTO_DELETE);
    m_ctrl[comboAd()]->setGeometry(ctlX, y, W * 35 / 100, rowH);
    y += pitch;
    // The alarm boxes, numbered from 1 in each row.
    const int step = ctlScale(44);
    for (const Group& a : m_alarmRows) {
        label(T_ALARM_CHECK, a.heading == T_ALARM_CHECK ? -1 : a.heading);
        for (int k = 0; k < a.count; ++k) {
            const int i = a.first + k;
            if (i < 0 || i >= m_lines)
                continue;
            const int x = ctlX + k * step;
            m_labels.append({QRect(x, y, ctlScale(14), rowH), -1, -1, QString::number(k + 1), Qt::AlignRight});
            m_ctrl[rowAlarm(i)]->setGeometry(x + ctlScale(18), y + (rowH - check) / 2, check, check);
            m_ctrl[rowAlarm(i)]->setVisible(lineShown(i));
            m_labels.last().r.setWidth(lineShown(i) ? ctlScale(14) : 0);
        }
        y += pitch;
    }
    label(T_ALARM_OUT);
    m_ctrl[comboAl()]->setGeometry(ctlX, y, W * 35 / 100, rowH);

    // "Default" and "Apply" at the bottom right; "Menu" stays hidden.
    const int by = H - m - bs.height();
    m_ctrl[rowDefault()]->setGeometry(W - m - 2 * bs.width() - ctlScale(6), by, bs.width(), bs.height());
    m_ctrl[rowApply()]->setGeometry(W - m - bs.width(), by, bs.width(), bs.height());
    m_ctrl[rowMenu()]->setGeometry(W - m - 3 * bs.width() - ctlScale(12), by, bs.width(), bs.height());
    m_ctrl[rowMenu()]->hide();
}

void TSetupStrg::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    const QColor text = ctlColor(3);
    const QColor frame = ctlColor(35);
    p.setPen(text);
    for (const Label& l : m_labels) {
        if (l.r.width() <= 0)
            continue;
        QString s = (l.text >= 0 ? ctlText(l.text) : QString()) + l.plain;
        if (l.enclosure >= 0)
            s += QStringLiteral(" (") + ctlText(l.enclosure) + QLatin1Char(')');
        drawFitText(&p, l.r, int(l.align) | Qt::AlignVCenter, s);
    }
    auto framed = [&](const QRect& r, const QString& s, int align) {
        p.setPen(frame);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(text);
        drawFitText(&p, r.adjusted(ctlScale(4), 0, -ctlScale(4), 0), align | Qt::AlignVCenter, s);
    };
    for (int i = 0; i < m_lines; ++i) {
        if (!lineShown(i) || m_numRect[i].isEmpty())
            continue;
        int first = 0;
        for (const Group& g : m_groups)
            if (i >= g.first && i < g.first + g.count)
                first = g.first;
        framed(m_numRect[i], QString::number(i - first + 1), Qt::AlignHCenter);
        framed(m_textRect[i], m_diskText[i], Qt::AlignLeft);
    }
    framed(m_totalRect, m_totalText, Qt::AlignLeft);
}

// ---- Controls ----------------------------------------------------------------

void TSetupStrg::connectTo()
{
    TSetupPage::connectTo();
    // After the base's own handling, which leaves the box as clicked.
    if (TButton* b = mirrorBox())
        connect(b, &TButton::sg_clicked, this, &TSetupStrg::sl_mirrorClicked);
}

void TSetupStrg::setCtrl()
{
    // The Mirroring box shows the disks, not the configuration.
    TButton* mirror = mirrorBox();
    const bool checked = mirror && mirror->isChecked();
    TSetupPage::setCtrl();
    if (mirror) {
        const QSignalBlocker block(mirror);
        mirror->setChecked(checked);
    }
}

void TSetupStrg::keyMatch()
{
    TSetupPage::keyMatch();
    // The hidden "Menu" takes no place in the walk.
    QWidget* menu = control(rowMenu());
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == menu) {
            m_focus.remove(i);
            break;
        }
    }
}

void TSetupStrg::ask(int row, int title, const QString& text)
{
    m_lastBtn = row;
    if (!g_msgWnd)
        return;
    connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupStrg::sl_fromMsg, Qt::UniqueConnection);
    g_msgWnd->setType(MSG_OKCANCEL);
    g_msgWnd->setTitle(ctlText(title));
    g_msgWnd->setText(text);
    g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
    g_msgWnd->show();
}

void TSetupStrg::buttonClicked(int row)
{
    if (row >= 0 && row < m_lines) {
        // A line without a disk formats nothing.
        if (row >= m_diskCount)
            return;
        ask(row, T_FORMAT, ctlText(T_SURE) + QLatin1Char('?'));
    } else if (row == rowAll()) {
        ask(row, T_FORMAT, ctlText(T_SURE) + QLatin1Char('?'));
    } else if (row == rowRun()) {
        ask(row, T_HDD_CHECK, ctlText(T_RECORD_STOP) + QStringLiteral(".  ") + ctlText(T_CONTINUE) + QLatin1Char('?'));
    }
}

void TSetupStrg::sl_mirrorClicked()
{
    ask(rowMirror(), T_FORMAT, ctlText(T_NEED_FORMAT) + QLatin1Char('?'));
}

void TSetupStrg::sl_fromMsg(int button)
{
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupStrg::sl_fromMsg);
    const int last = m_lastBtn;
    m_lastBtn = -1;
    TButton* mirror = mirrorBox();
    if (button != MSGBTN_OK) {
        if (last == rowMirror() && mirror) {
            const QSignalBlocker block(mirror);
            mirror->setChecked(m_mirrorLive != 0);
        }
        return;
    }
    if (last == rowRun()) {
        emit sg_action(Act_StrgCheck, 0, 0);
        return;
    }
    int target;
    if (last >= 0 && last < m_diskCount)
        target = last;
    else if (last == rowAll())
        target = -1;
    else if (last == rowMirror())
        target = -2;
    else
        return;
    emit sg_action(Act_StrgFormat, target, mirror && mirror->isChecked() ? 1 : 0);
}

// ---- The disks' state ----------------------------------------------------------

bool TSetupStrg::mirrorAllowed(const StorageInfo& s, int disks)
{
    disks = qBound(0, disks, 16);
    for (int first = 0; first < disks; first += 2) {
        const int a = s.disk[first].totalMB;
        // A partner beyond the unit's disks is a missing disk.
        const int b = first + 1 < disks ? s.disk[first + 1].totalMB : 0;
        if (a <= 0 && b <= 0)
            continue;
        if (a <= 0 || b <= 0)
            return false;
        if (b < a - 50)
            return false;
    }
    return true;
}

QString TSetupStrg::sizeText(int usedMB, int totalMB)
{
    return fToStr(1, usedMB / 1024.0) + QLatin1Char('/') + fToStr(1, totalMB / 1024.0) + QStringLiteral(" GB");
}

void TSetupStrg::onReply(int code, const void* data)
{
    if (code == Act_InfoStrg)
        initSet(static_cast<const StorageInfo*>(data));
}

void TSetupStrg::initSet(const StorageInfo* s)
{
    if (!s)
        return;
    m_mirrorLive = s->mirror;
    const bool allowed = mirrorAllowed(*s, m_diskCount);
    const QString hdd = ctlText(T_HDD);
    const QString notFormat = ctlText(T_NOT_FORMAT);
    m_usable = 0;
    for (int i = 0; i < m_lines; ++i) {
        TButton* b = formatButton(i);
        if (i >= m_diskCount) {
            // No disk on this line: nothing to show, nothing to format.
            m_diskText[i].clear();
            b->setEnabled(false);
            continue;
        }
        const DiskEntry& d = s->disk[i];
        const QString t = recordText(d.text, int(sizeof d.text));
        if (t == hdd) {
            m_diskText[i] = sizeText(d.usedMB, d.totalMB);
            b->setEnabled(true);
            ++m_usable;
        } else if (t == notFormat) {
            m_diskText[i] = notFormat;
            b->setEnabled(true);
            ++m_usable;
        } else {
            m_diskText[i] = t;
            b->setEnabled(false);
        }
        // The second disk of a mirrored pair is formatted with the first.
        if (m_mirrorLive && (i & 1))
            b->setEnabled(false);
    }
    const QString summary = recordText(s->summary, int(sizeof s->summary));
    const bool any = summary == hdd || summary == notFormat;
    m_totalText = any ? sizeText(s->usedMB, s->totalMB) : summary;
    allButton()->setEnabled(any);
    runButton()->setEnabled(any);
    {
        const QSignalBlocker block(mirrorBox());
        mirrorBox()->setChecked(m_mirrorLive != 0);
    }
    mirrorBox()->setEnabled(allowed);
    if (m_esata) {
        // The menu's items lead to the first disk's "Format", or to the
        // overwrite box when no disk can be formatted.
        const int to = m_usable > 0 ? 0 : rowOverwrite();
        if (m_params.itemRight != to) {
            m_params.itemRight = m_params.itemLeft = to;
            keyMatch();
        }
    }
    update();
}
