#include "tsetupnetctrl.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "textutil.h"
#include "tmsgwnd.h"
#include "uisetuplog.h"

#include <QPainter>
#include <cstddef>
#include <utility>

using namespace SetupAct;

namespace {

enum { T_WARNING = 213, T_MAX_FPS = 253, T_TOTAL = 104, T_BANDWIDTH = 388, MsgOk = 1 };

template <class T> T* edit(int idx)
{
    return g_cfg ? static_cast<T*>(g_cfg->getsection(idx, 0)) : nullptr;
}

TSetupPage::Row combo(int text, int list, size_t field, int up, int down)
{
    TSetupPage::Row r;
    r.kind = TSetupPage::RowCombo;
    r.text = text;
    r.list = list;
    r.section = IDX_PROP_NETCONTROL;
    r.offset = int(offsetof(PropNetcontrol, entry) + field);
    r.stride = sizeof(RecordEntry);
    r.up = up;
    r.down = down;
    r.right = r.left = TSetupPage::L_ITEM;
    return r;
}

} // namespace

TSetupNetCtrl::TSetupNetCtrl(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows;
    Row on;
    on.kind = RowCheck;
    on.text = 54;
    on.section = IDX_PROP_NETCONTROL;
    on.offset = offsetof(PropNetcontrol, mainOn);
    on.size = 4;
    on.stride = 4;
    on.up = L_CAMERA;
    on.down = R_RES;
    on.right = on.left = L_ITEM;
    rows << on;
    Row res = combo(123, IDX_DATA_NET_RES, offsetof(RecordEntry, cridx), R_ON, R_FPS);
    res.right = R_ALL;
    rows << res;
    rows << combo(126, IDX_DATA_FPS, offsetof(RecordEntry, cfidx), R_RES, R_QUAL);
    rows << combo(127, IDX_DATA_QUALITY, offsetof(RecordEntry, cqual), R_FPS, R_SUBRES);
    rows << combo(125, IDX_DATA_NET_SUBRES, offsetof(RecordEntry, eridx), R_QUAL, R_SUBFPS);
    rows << combo(126, IDX_DATA_FPS, offsetof(RecordEntry, efidx), R_SUBRES, R_SUBQUAL);
    rows << combo(127, IDX_DATA_QUALITY, offsetof(RecordEntry, equal), R_SUBFPS, R_APPLY);
    Row all;
    all.kind = RowApplyAll;
    all.left = R_RES;
    all.right = L_ITEM;
    all.up = R_ON;
    all.down = R_FPS;
    rows << all;
    Row def;
    def.kind = RowDefault;
    def.right = L_OK;
    def.left = R_APPLY;
    def.up = R_SUBQUAL;
    def.down = L_TAB;
    rows << def;
    Row apply = def;
    apply.kind = RowApply;
    apply.right = R_DEFAULT;
    apply.left = L_OK;
    rows << apply;
    Row menu = def;
    menu.kind = RowMenu;
    rows << menu;
    Params p;
    p.sections = {IDX_PROP_NETCONTROL};
    p.perCamera = 1;
    p.requests = {SetupAct::Act_InfoCamera};
    p.requestDelay = 1;
    p.replies = {SetupAct::Act_InfoCamera};
    p.firstRow = R_ON;
    p.itemRight = p.itemLeft = L_CAMERA;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupNetCtrl::evtResize()
{
    TSetupPage::evtResize();
    if (!control(R_MENU))
        return;
    control(R_MENU)->hide();
    // The lists narrower, "Apply All" beside the first resolution; "Apply"
    // then "Default" at the bottom right.
    for (int r = R_RES; r <= R_SUBQUAL; ++r) {
        QRect g = control(r)->geometry();
        g.setWidth(width() * 30 / 100);
        control(r)->setGeometry(g);
    }
    const QRect res = control(R_RES)->geometry();
    const QRect all = control(R_ALL)->geometry();
    control(R_ALL)->move(res.right() + ctlScale(8), res.top() + (res.height() - all.height()) / 2);
    const QPoint a = control(R_APPLY)->pos();
    control(R_APPLY)->move(control(R_DEFAULT)->pos());
    control(R_DEFAULT)->move(a);
}

void TSetupNetCtrl::keyMatch()
{
    TSetupPage::keyMatch();
    const int col = tabColumnOf(id());
    if (!m_menu || col < 0)
        return;
    QWidget* item = m_menu[1 + id() - kSetupTabs[col].first][0];
    const int n = qMax(1, videos());
    for (FocusLink& l : m_focus) {
        if (l.widget == cameraButton(0))
            l.left = item;
        if (l.widget == cameraButton(n - 1))
            l.right = item;
    }
}

void TSetupNetCtrl::setCtrl()
{
    TSetupPage::setCtrl();
    const auto* net = edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
    const auto* cam = edit<PropCamera>(IDX_PROP_CAMERA);
    const int c = channel();
    if (!net || !cam || c < 0 || c >= videos() || m_ctrl.size() != m_rows.size())
        return;
    // A disabled camera shows its values, locked.
    const bool locked = cam->data[c].disableOn > 0;
    control(R_ON)->setEnabled(!locked);
    for (int r = R_RES; r <= R_SUBQUAL; ++r)
        control(r)->setEnabled(net->mainOn[c] != 0 && !locked);
    if (isVisible())
        update();
}

void TSetupNetCtrl::onReply(int code, const void*)
{
    if (code == SetupAct::Act_InfoCamera)
        setCtrl();
}

void TSetupNetCtrl::applyAll()
{
    auto* net = edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
    const int n = videos();
    const int c = channel();
    if (!net || c < 0 || c >= n)
        return;
    // The whole entry, with the recording fields this page does not show.
    for (int k = 0; k < n; ++k) {
        net->mainOn[k] = net->mainOn[c];
        net->entry[k] = net->entry[c];
    }
    update();
}

QVector<double> TSetupNetCtrl::chipLoads(double* limit) const
{
    AvcCaps caps;
    g_api.getCaps(nullptr, &caps, nullptr);
    *limit = caps.nridx[0][0].max_fps_per_chip;
    QVector<double> loads;
    const int chips = qBound(0, int(caps.num_chip), int(MaxChips));
    for (int k = 0; k < chips; ++k)
        loads << g_api.netBwKbps2(k, 0);
    return loads;
}

bool TSetupNetCtrl::overLimit() const
{
    double limit = 0;
    for (double load : chipLoads(&limit)) {
        if (load > limit)
            return true;
    }
    return false;
}

QString TSetupNetCtrl::totalText() const
{
    double limit = 0;
    QStringList parts;
    for (double load : chipLoads(&limit))
        parts << QString::number(load, 'f', 1);
    return parts.join(QLatin1Char('/')) + QStringLiteral(" (") + QString::number(limit, 'f', 1) + QLatin1Char(')');
}

QString TSetupNetCtrl::bandwidthText() const
{
    const double kbps = g_api.netBwKbps(1);
    qCDebug(lcUiSetup, "totalNetBwKbps.. high:%d total_band:%.1f", 1, kbps);
    return QString::number(kbps, 'f', 1) + QStringLiteral(" Kbps");
}

void TSetupNetCtrl::warnLimit()
{
    if (!g_msgWnd)
        return;
    const auto* dev = edit<PropDevices>(IDX_PROP_DEVICES);
    // The number shown is the unit's network frame budget, as the warning
    // has always read, although the limit compared is the chip's.
    g_msgWnd->setType(MsgOk);
    g_msgWnd->setTitle(ctlText(T_WARNING));
    g_msgWnd->setText(ctlText(T_MAX_FPS) + QString::asprintf(" %d", dev ? int(dev->netframes) : 0));
    g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
    g_msgWnd->show();
}

int TSetupNetCtrl::checkFps()
{
    if (!overLimit())
        return 0;
    warnLimit();
    return 1;
}

void TSetupNetCtrl::sl_btnclicked(int id, int state)
{
    const int r = rowOfId(id);
    if ((r == R_APPLY || r == R_MENU) && checkFps())
        return;
    TSetupPage::sl_btnclicked(id, state);
    if (r == R_ON)
        setCtrl();
}

void TSetupNetCtrl::sl_changeIndex(int id, int index)
{
    TSetupPage::sl_changeIndex(id, index);
    update();
}

void TSetupNetCtrl::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (!control(R_SUBQUAL))
        return;
    QPainter p(this);
    const QRect last = control(R_SUBQUAL)->geometry();
    const int pitch = ctlScale(30);
    const QRect total(last.left(), last.top() + pitch, width() - last.left() - ctlScale(16), last.height());
    const QRect band = total.translated(0, pitch);
    p.setPen(ctlColor(3));
    for (const auto& row : {std::make_pair(total, T_TOTAL), std::make_pair(band, T_BANDWIDTH)})
        p.drawText(QRect(ctlScale(16), row.first.top(), row.first.left() - ctlScale(24), row.first.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, ctlText(row.second));
    p.setPen(overLimit() ? QColor(255, 0, 0) : ctlColor(3));
    drawFitText(&p, total, Qt::AlignLeft | Qt::AlignVCenter, totalText());
    p.setPen(ctlColor(3));
    p.drawText(QRect(last.left(), band.top(), last.width(), band.height()), Qt::AlignCenter, bandwidthText());
}
