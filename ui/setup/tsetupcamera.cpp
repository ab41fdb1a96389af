#include "tsetupcamera.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tvkeyboard.h"

#include <cstddef>

using namespace SetupAct;

TSetupCamera::TSetupCamera(QWidget* parent, int id, QSize size) : TSetupCamPage(parent, id, size)
{
    auto field = [](int kind, int text, int offset, int size, int down, int up) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = IDX_PROP_CAMERA;
        r.offset = offset;
        r.size = size;
        r.stride = sizeof(CameraEntry);
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.down = down;
        r.up = up;
        return r;
    };
    Row signal = field(RowCombo, 182, offsetof(CameraEntry, signal), 4, R_NAME, L_CAMERA); // "Signal type"
    signal.list = IDX_DATA_CAM_SIGNAL;
    auto button = [](int kind, int right, int left, int down, int up) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.down = down;
        r.up = up;
        return r;
    };
    const QVector<Row> rows = {
        signal,
        field(RowEdit, 136, offsetof(CameraEntry, name), sizeof(CameraEntry::name), R_DISABLE, L_CAMERA), // "Name"
        field(RowCheck, 137, offsetof(CameraEntry, disableOn), 4, R_COVERT, R_NAME),                        // "Disable"
        field(RowCheck, 138, offsetof(CameraEntry, covertOn), 4, R_APPLY, R_DISABLE),                       // "Covert"
        button(RowApply, R_DEFAULT, L_OK, L_TAB, R_COVERT),
        button(RowDefault, L_OK, R_APPLY, L_TAB, R_COVERT),
        button(RowMenu, L_NONE, L_NONE, L_NONE, L_NONE)};
    Params p;
    p.sections = {IDX_PROP_CAMERA};
    p.perCamera = 1;
    p.firstRow = R_NAME;
    p.itemRight = L_CAMERA;
    p.itemLeft = L_CAMERA;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupCamera::setCtrl()
{
    TSetupCamPage::setCtrl();
    auto* signal = static_cast<TCombo*>(control(R_SIGNAL));
    if (!signal)
        return;
    // The box shows the first entry whatever is stored, and it is never
    // operated: while the page is shown, the move to the first entry stores
    // it for the camera shown.
    if (m_ch >= 0 && m_ch < videos())
        signal->setCurrentIndex(0);
    signal->setEnabled(false);
}

void TSetupCamera::sl_edclicked(int id)
{
    TSetupCamPage::sl_edclicked(id);
    if (m_typing != R_NAME || !g_vkeyboard)
        return;
    g_vkeyboard->setTitle(ctlText(272)); // "Type name"
    const int hint = g_cfg ? g_cfg->sectionhint(0) : 0;
    g_vkeyboard->setMaxLength(hint > 0 ? hint : int(TitleChars));
}
