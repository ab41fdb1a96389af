#include "tsetuprecpage.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "textutil.h"
#include "tmsgwnd.h"
#include "tproperty.h"

#include <QPainter>
#include <cstddef>

using namespace SetupAct;

namespace {

enum {
    T_REC_TYPE = 332,
    T_AUDIO_REC = 333,
    T_CONTINUOUS = 334,
    T_EVENT = 336,
    T_RES = 123,
    T_FPS = 126,
    T_QUALITY = 127,
    T_DURATION = 144,
    T_PREALARM = 196,
    T_TOTAL = 104,
    T_DAYS = 416,
    T_DAY = 43,
    T_GROUP = 72,
    T_WARNING = 213,
    T_MAX_FPS = 253,
    MsgOk = 1,
    SecondsADay = 24 * 3600
};

const PropDevices* devices()
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0)) : nullptr;
}

} // namespace

TSetupRecPage::TSetupRecPage(QWidget* parent, int id, QSize size, int section, bool grouped)
    : TSetupPage(parent, id, size), m_section(section), m_shift(grouped ? 1 : 0)
{
    const int s = m_shift;
    QVector<Row> rows;
    QVector<int> labels;
    if (grouped) {
        Row g;
        g.kind = RowCombo;
        g.list = IDX_DATA_REC_GROUP;
        g.right = g.left = L_ITEM;
        g.down = L_CAMERA;
        g.up = L_TAB;
        rows << g;
        labels << T_GROUP;
    }
    // A field of the shown camera's entry; the group's table offset is set
    // when a group is chosen.
    auto field = [&](int kind, int list, size_t offset, int size, int label) {
        Row r;
        r.kind = kind;
        r.list = list;
        r.section = section;
        r.offset = int(offset);
        r.size = size;
        r.stride = sizeof(RecordEntry);
        r.right = r.left = L_ITEM;
        rows << r;
        labels << label;
    };
    field(RowCombo, IDX_DATA_REC_MODE, offsetof(RecordEntry, mode), 1, T_REC_TYPE);
    Row all;
    all.kind = RowApplyAll;
    all.right = L_ITEM;
    all.left = R_MODE + s;
    all.down = R_AUDIO + s;
    all.up = L_CAMERA;
    rows << all;
    labels << -1;
    field(RowCheck, -1, offsetof(RecordEntry, audio), 1, T_AUDIO_REC);
    field(RowCombo, IDX_DATA_REC_RES, offsetof(RecordEntry, cridx), 1, T_RES);
    field(RowCombo, IDX_DATA_FPS, offsetof(RecordEntry, cfidx), 1, T_FPS);
    field(RowCombo, IDX_DATA_QUALITY, offsetof(RecordEntry, cqual), 1, T_QUALITY);
    field(RowCombo, IDX_DATA_REC_RES, offsetof(RecordEntry, eridx), 1, T_RES);
    field(RowCombo, IDX_DATA_FPS, offsetof(RecordEntry, efidx), 1, T_FPS);
    field(RowCombo, IDX_DATA_QUALITY, offsetof(RecordEntry, equal), 1, T_QUALITY);
    field(RowCombo, IDX_DATA_REC_POST, offsetof(RecordEntry, postdur), 2, T_DURATION);
    field(RowCombo, IDX_DATA_REC_PRE, offsetof(RecordEntry, predur), 2, T_PREALARM);
    // The mode box leads right to "Apply All"; the boxes below it form a
    // column from the audio check to "Apply".
    rows[R_MODE + s].right = R_ALL + s;
    rows[R_MODE + s].down = R_AUDIO + s;
    rows[R_MODE + s].up = L_CAMERA;
    for (int r = R_AUDIO; r <= R_PRE; ++r) {
        rows[r + s].up = r == R_AUDIO ? R_MODE + s : (r == R_CRES ? R_AUDIO + s : r - 1 + s);
        rows[r + s].down = r == R_PRE ? R_APPLY + s : r + 1 + s;
    }
    Row apply;
    apply.kind = RowApply;
    apply.right = R_DEFAULT + s;
    apply.left = L_OK;
    apply.down = L_TAB;
    apply.up = R_PRE + s;
    Row def = apply;
    def.kind = RowDefault;
    def.right = L_OK;
    def.left = R_APPLY + s;
    Row menu = def;
    menu.kind = RowMenu;
    rows << apply << def << menu;
    labels << -1 << -1 << -1;
    m_labels = labels;

    Params p;
    p.sections = {section};
    p.perCamera = 1;
    p.requests = {SetupAct::Act_InfoCamera, SetupAct::Act_InfoStrg};
    p.requestDelay = 1;
    p.replies = {SetupAct::Act_InfoCamera, SetupAct::Act_InfoStrg};
    p.firstRow = grouped ? 0 : R_MODE;
    p.itemRight = p.itemLeft = grouped ? 0 : int(L_CAMERA);
    p.okRight = p.cancelRight = R_APPLY + s;
    p.okLeft = p.cancelLeft = R_DEFAULT + s;
    setRows(rows, p);
}

void TSetupRecPage::init(int background)
{
    m_group = 0;
    if (m_shift) {
        // The chooser's groups, never more than the section holds.
        m_groupCount = qBound(0, int(TConfig::getdata(IDX_DATA_REC_GROUP, 0).size()), int(PROP_MAX_GROUPS));
    } else {
        m_groupCount = 1;
    }
    TSetupPage::init(background);
    // The frame-rate lists show eleven rates at a time.
    for (int r : {R_CFPS, R_EFPS}) {
        if (auto* c = qobject_cast<TCombo*>(control(row(r))))
            c->setMaxVisibleItems(11);
    }
}

const RecordEntry* TSetupRecPage::table(int group) const
{
    if (!g_cfg || group < 0 || group >= m_groupCount)
        return nullptr;
    if (m_section == IDX_PROP_GROUP)
        return static_cast<const PropGroup*>(g_cfg->getsection(IDX_PROP_GROUP, 0))->data[group];
    return static_cast<const PropRecord*>(g_cfg->getsection(IDX_PROP_RECORD, 0))->data;
}

void TSetupRecPage::setGroup(int group)
{
    if (group < 0 || group >= m_groupCount)
        return;
    m_group = group;
    // Every field row moves to the group's table of twenty entries.
    const int base = group * int(sizeof(RecordEntry)) * PROP_MAX_CH;
    static const int fieldOffset[] = {int(offsetof(RecordEntry, mode)),  -1,
                                      int(offsetof(RecordEntry, audio)), int(offsetof(RecordEntry, cridx)),
                                      int(offsetof(RecordEntry, cfidx)), int(offsetof(RecordEntry, cqual)),
                                      int(offsetof(RecordEntry, eridx)), int(offsetof(RecordEntry, efidx)),
                                      int(offsetof(RecordEntry, equal)), int(offsetof(RecordEntry, postdur)),
                                      int(offsetof(RecordEntry, predur))};
    for (int r = R_MODE; r <= R_PRE; ++r) {
        if (fieldOffset[r] >= 0)
            m_rows[row(r)].offset = base + fieldOffset[r];
    }
    setCtrl();
}

// ---- Controls -------------------------------------------------------------

void TSetupRecPage::setCtrl()
{
    TSetupPage::setCtrl();
    if (m_ctrl.size() != m_rows.size())
        return;
    if (m_shift) {
        auto* g = static_cast<TCombo*>(control(0));
        const QSignalBlocker block(g);
        g->setCurrentIndex(m_group);
    }
    const RecordEntry* t = table(m_group);
    const int ch = channel();
    if (!t || ch < 0 || ch >= videos())
        return;
    const int mode = t[ch].mode;
    const bool continuous = mode == 1 || mode == 3;
    const bool event = mode == 2 || mode == 3;
    // A unit with one record resolution has nothing to choose.
    const bool oneRes = TConfig::getdata(IDX_DATA_REC_RES, 0).size() == 1;
    control(row(R_CRES))->setEnabled(continuous && !oneRes);
    control(row(R_CFPS))->setEnabled(continuous);
    control(row(R_CQUAL))->setEnabled(continuous);
    control(row(R_ERES))->setEnabled(event && !oneRes);
    control(row(R_EFPS))->setEnabled(event);
    control(row(R_EQUAL))->setEnabled(event);
    control(row(R_POST))->setEnabled(event);
    // No pre-alarm beside continuous recording.
    control(row(R_PRE))->setEnabled(mode == 2);
    control(row(R_AUDIO))->show();
    update();
}

void TSetupRecPage::onReply(int code, const void* data)
{
    if (code == SetupAct::Act_InfoCamera) {
        setCtrl();
    } else if (code == SetupAct::Act_InfoStrg) {
        // Megabytes to bytes in 64 bits: four large disks pass 2^31.
        m_hddTotal = qint64(static_cast<const StorageInfo*>(data)->totalMB) * 1024 * 1024;
        update();
    }
}

void TSetupRecPage::applyAll()
{
    TSetupPage::applyAll();
    update();
}

void TSetupRecPage::sl_btnclicked(int id, int state)
{
    const int r = rowOfId(id);
    if ((r == row(R_APPLY) || r == row(R_MENU)) && checkFps())
        return;
    TSetupPage::sl_btnclicked(id, state);
    update();
}

void TSetupRecPage::sl_changeIndex(int id, int index)
{
    const int r = rowOfId(id);
    if (r < 0 || channel() < 0 || channel() >= videos())
        return;
    if (r == groupRow()) {
        if (index >= 0 && index < m_groupCount && index != m_group)
            setGroup(index);
        update();
        return;
    }
    TSetupPage::sl_changeIndex(id, index);
    if (r == row(R_MODE))
        setCtrl();
    update();
}

// ---- Budget and estimate ----------------------------------------------------

int TSetupRecPage::budget() const
{
    const PropDevices* dev = devices();
    return dev ? int(dev->frames) : 0;
}

int TSetupRecPage::firstOver() const
{
    if (!g_cfg)
        return -1;
    for (int g = 0; g < m_groupCount; ++g) {
        // The load cut to whole frames: 480.5 against 480 passes.
        if (int(g_cfg->getrecordload(table(g), -1)) > budget())
            return g;
    }
    return -1;
}

double TSetupRecPage::totalLoad() const
{
    return g_cfg ? g_cfg->getrecordload(table(m_group), -1) : 0.0;
}

QString TSetupRecPage::totalText() const
{
    return g_cfg ? g_cfg->getrecordloadtext(table(m_group), -1) : QString();
}

QString TSetupRecPage::daysText(qint64 capacityBytes, double bytesPerSecond)
{
    if (capacityBytes <= 0)
        return QString();
    // One integer quotient: days x 100 taken in floating point would show
    // 2.30 days as 2.29.
    const qint64 perDay = bytesPerSecond > 0 ? qint64(bytesPerSecond) * SecondsADay : 0;
    const qint64 n = perDay > 0 ? capacityBytes * 100 / perDay : 0;
    return QString::asprintf("%lld.%02lld ", n / 100, n % 100) + ctlText(T_DAY);
}

QString TSetupRecPage::estimateText() const
{
    return daysText(m_hddTotal, g_api.recBitrate(table(m_group)));
}

void TSetupRecPage::warnBudget()
{
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MsgOk);
    g_msgWnd->setTitle(ctlText(T_WARNING));
    g_msgWnd->setText(ctlText(T_MAX_FPS) + QString::asprintf(" %d", budget()));
    g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
    g_msgWnd->show();
}

int TSetupRecPage::checkFps()
{
    if (firstOver() < 0)
        return 0;
    warnBudget();
    return 1;
}

// ---- Look -------------------------------------------------------------------

void TSetupRecPage::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size())
        return;
    const int W = width();
    const int m = ctlScale(16);
    const int rowH = ctlScale(24);
    const int pitch = ctlScale(30);
    // Under the camera row the base laid out.
    int y = m;
    if (TButton* first = cameraButton(0))
        y = first->geometry().bottom() + ctlScale(12);
    // Two columns: continuous recording on the left, event recording on the
    // right; a label before each box.
    const int labelW = W * 20 / 100;
    const int boxW = W * 24 / 100;
    const int col0 = m + labelW;
    const int col1 = W / 2 + m / 2 + labelW;
    auto place = [&](int r, int x, int yy) { control(row(r))->setGeometry(x, yy, boxW, rowH); };
    if (m_shift) {
        control(0)->setGeometry(col0, y, boxW, rowH);
        y += pitch;
    }
    place(R_MODE, col0, y);
    const QSize bs = control(row(R_APPLY))->size();
    control(row(R_ALL))->setGeometry(col0 + boxW + ctlScale(8), y + (rowH - bs.height()) / 2, bs.width(),
                                     bs.height());
    y += pitch;
    control(row(R_AUDIO))->setGeometry(col0, y + (rowH - ctlScale(16)) / 2, ctlScale(16), ctlScale(16));
    y += pitch;
    m_contHead = QRect(m, y, W / 2 - m, rowH);
    m_eventHead = QRect(W / 2 + m / 2, y, W / 2 - m, rowH);
    y += pitch;
    for (int k = 0; k < 3; ++k) {
        place(R_CRES + k, col0, y + k * pitch);
        place(R_ERES + k, col1, y + k * pitch);
    }
    place(R_POST, col1, y + 3 * pitch);
    place(R_PRE, col1, y + 4 * pitch);
    m_totalRect = QRect(col0, y + 3 * pitch, boxW, rowH);
    m_daysRect = QRect(col0, y + 4 * pitch, boxW, rowH);
}

void TSetupRecPage::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (m_ctrl.size() != m_rows.size())
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const int labelW = width() * 20 / 100;
    // A label before each field, in the column of its box.
    auto label = [&](const QRect& box, int text) {
        const QRect r(box.left() - labelW, box.top(), labelW - ctlScale(6), box.height());
        drawFitText(&p, r, Qt::AlignLeft | Qt::AlignVCenter, ctlText(text));
    };
    for (int i = 0; i < m_rows.size() && i < m_labels.size(); ++i) {
        if (m_labels[i] < 0)
            continue;
        QRect g = m_ctrl[i]->geometry();
        g.setHeight(ctlScale(24));
        g.moveTop(m_ctrl[i]->geometry().center().y() - g.height() / 2);
        label(g, m_labels[i]);
    }
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    p.drawText(m_contHead, Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_CONTINUOUS));
    p.drawText(m_eventHead, Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_EVENT));
    p.restore();
    label(m_totalRect, T_TOTAL);
    label(m_daysRect, T_DAYS);
    // The load in red above the budget (a load under one frame more still
    // passes the test, which counts whole frames).
    p.setPen(totalLoad() > double(budget()) ? QColor(255, 0, 0) : ctlColor(3));
    p.drawText(m_totalRect, Qt::AlignCenter, totalText());
    p.setPen(ctlColor(3));
    const QString days = estimateText();
    if (!days.isEmpty())
        p.drawText(m_daysRect, Qt::AlignCenter, days);
}

// ---- Focus ------------------------------------------------------------------

void TSetupRecPage::keyMatch()
{
    TSetupPage::keyMatch();
    // "Menu" is reached with the mouse only.
    QWidget* menu = control(row(R_MENU));
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == menu) {
            m_focus.remove(i);
            break;
        }
    }
    const int col = tabColumnOf(id());
    if (!m_menu || col < 0)
        return;
    QWidget* item = m_menu[1 + id() - kSetupTabs[col].first][0];
    const int n = qMax(1, videos());
    for (FocusLink& l : m_focus) {
        // The camera row ends lead to the page's item; the row leads down to
        // the mode box and up to the group chooser (the tab without one).
        for (int c = 0; c < n; ++c) {
            if (l.widget != cameraButton(c))
                continue;
            if (c == 0)
                l.left = item;
            if (c == n - 1)
                l.right = item;
            l.down = control(row(R_MODE));
            if (m_shift)
                l.up = control(0);
        }
        // Left from an item: the last camera the unit has.
        if (!m_shift && l.tag == 14 && l.left == cameraButton(0))
            l.left = cameraButton(n - 1);
    }
}
