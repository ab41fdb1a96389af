#include "tsetupcolor.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tconfig.h"
#include "tslider.h"

#include <QPainter>
#include <cstddef>

using namespace SetupAct;

namespace {

enum { PipWidth = 13, PipHeight = 14 };

PropColor* colour()
{
    return g_cfg ? static_cast<PropColor*>(g_cfg->getsection(IDX_PROP_COLOR, 0)) : nullptr;
}

} // namespace

TSetupColor::TSetupColor(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    const int offsets[4] = {offsetof(ColorEntry, bri), offsetof(ColorEntry, con), offsetof(ColorEntry, sat),
                            offsetof(ColorEntry, hue)};
    QVector<Row> rows;
    for (int k = 0; k < 4; ++k) {
        Row r;
        r.kind = RowSlider;
        r.text = 184 + k; // "Brightness", "Contrast", "Saturation", "Hue"
        r.section = IDX_PROP_COLOR;
        r.offset = offsets[k];
        r.size = 1;
        r.stride = sizeof(ColorEntry);
        r.lo = 1;
        r.hi = 100;
        r.preview = Act_PrvColorBri + k;
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = k == 0 ? L_CAMERA : k - 1;
        r.down = k + 1;
        rows.append(r);
    }
    auto button = [](int kind, int text, int right, int left, int down, int up) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.right = right;
        r.left = left;
        r.down = down;
        r.up = up;
        return r;
    };
    rows << button(RowButton, 92, L_ITEM, L_ITEM, R_APPLYALL, R_HUE)         // this camera to 50
         << button(RowApplyAll, 133, L_ITEM, L_ITEM, R_APPLY, R_CAMDEFAULT)  //
         << button(RowApply, 93, R_DEFAULT, L_OK, L_TAB, R_APPLYALL)         //
         << button(RowButton, 92, L_OK, R_APPLY, L_TAB, R_APPLYALL)          // the section's defaults
         << button(RowMenu, 0, L_NONE, L_NONE, L_NONE, L_NONE);
    Params p;
    p.sections = {IDX_PROP_COLOR};
    p.preview = 1;
    p.perCamera = 1;
    p.replies = {Act_InfoCamera};
    p.firstRow = R_BRI;
    p.itemRight = L_CAMERA;
    p.itemLeft = L_CAMERA;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupColor::evtResize()
{
    TSetupPage::evtResize();
    if (!control(R_MENU))
        return;
    const int margin = ctlScale(16);
    // The camera "Default" and "Apply All" beside the sliders, at their right.
    const QRect hue = control(R_HUE)->geometry();
    const QRect bri = control(R_BRI)->geometry();
    const QSize bs = control(R_APPLY)->size();
    const int sliderW = width() - bri.left() - margin - bs.width() - ctlScale(8);
    for (int r = R_BRI; r <= R_HUE; ++r) {
        QWidget* s = control(r);
        s->setGeometry(s->x(), s->y(), sliderW, s->height());
    }
    const int bx = width() - margin - bs.width();
    control(R_CAMDEFAULT)->setGeometry(bx, bri.top(), bs.width(), bs.height());
    control(R_APPLYALL)->setGeometry(bx, bri.top() + ctlScale(30), bs.width(), bs.height());
    // The bottom row: the section's "Default", "Apply", "Menu".
    const int by = control(R_APPLY)->y();
    int x = width() - margin - 3 * bs.width() - 2 * ctlScale(6);
    for (int r : {int(R_DEFAULT), int(R_APPLY), int(R_MENU)}) {
        control(r)->setGeometry(x, by, bs.width(), bs.height());
        x += bs.width() + ctlScale(6);
    }
    // The preview area under the sliders, centred: the size of the device's
    // viewing window, cut to the room the page has.
    const int w = qMin(g_res ? g_res->getValue(PipWidth) : 484, width() - 2 * margin);
    const int top = hue.bottom() + ctlScale(12);
    const int room = control(R_APPLY)->y() - ctlScale(8) - top;
    const int h = qMin(g_res ? g_res->getValue(PipHeight) : 272, room);
    m_params.pipArea = QRect((width() - w) / 2 / 2 * 2, top, w, qMax(0, h));
}

void TSetupColor::evtShow()
{
    m_pipOn = false;
    TSetupPage::evtShow(); // setCtrl, keyMatch, then 83 for the camera shown
    m_pipOn = true;
    update(m_params.pipArea);
}

void TSetupColor::evtHide()
{
    m_pipOn = false;
    update(m_params.pipArea);
    TSetupPage::evtHide(); // 84
}

void TSetupColor::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    // Black lets the live picture through; dark grey while none is asked for.
    p.fillRect(m_params.pipArea, m_pipOn ? QColor(0, 0, 0) : QColor(16, 16, 16));
}

void TSetupColor::keyMatch()
{
    TSetupPage::keyMatch();
    // "Menu" is for the mouse only: no entry of the focus table.
    QWidget* menu = control(R_MENU);
    for (int i = m_focus.size() - 1; i >= 0; --i) {
        if (m_focus[i].widget == menu)
            m_focus.remove(i);
    }
}

void TSetupColor::onReply(int code, const void*)
{
    if (code == Act_InfoCamera)
        setCtrl();
}

void TSetupColor::selectChannel(int ch)
{
    if (ch < 0 || ch >= videos() || ch == m_ch)
        return;
    int before[4];
    for (int r = R_BRI; r <= R_HUE; ++r)
        before[r] = static_cast<TSlider*>(control(r))->value();
    m_ch = ch;
    setCtrl();
    // Each slider that moved to the new camera's value sends it for that
    // camera, then the preview shows the new camera.
    for (int r = R_BRI; r <= R_HUE; ++r) {
        const int v = static_cast<TSlider*>(control(r))->value();
        if (v != before[r])
            emit sg_action(Act_PrvColorBri + r, m_ch, v);
    }
    emit sg_action(Act_PipReshow, m_ch, 0);
}

void TSetupColor::applyAll()
{
    PropColor* c = colour();
    const int n = videos();
    if (!c || m_ch < 0 || m_ch >= n)
        return;
    const ColorEntry e = c->data[m_ch];
    for (int k = 0; k < n; ++k)
        c->data[k] = e;
    emit sg_action(Act_PrvColor, -1, 0);
}

void TSetupColor::buttonClicked(int row)
{
    PropColor* c = colour();
    if (!c)
        return;
    if (row == R_CAMDEFAULT) {
        if (m_ch < 0 || m_ch >= videos())
            return;
        c->data[m_ch] = ColorEntry{50, 50, 50, 50};
        setCtrl();
        emit sg_action(Act_PrvColor, m_ch, 0);
    } else if (row == R_DEFAULT) {
        g_cfg->setdefault(IDX_PROP_COLOR);
        setCtrl();
        emit sg_action(Act_PrvColor, -1, 0);
    }
}
