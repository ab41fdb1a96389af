#include "tsetupspot.h"
#include "propsections.h"
#include "tconfig.h"

#include <cstddef>

TSetupSpot::TSetupSpot(QWidget* parent, int id, QSize size)
    : TSetupOrderPage(parent, id, size, IDX_PROP_SPOT, int(offsetof(PropSpot, orders)))
{
    auto field = [](int kind, int text, int offset, int list) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = IDX_PROP_SPOT;
        r.offset = offset;
        r.size = 4;
        r.list = list;
        r.right = L_ITEM;
        r.left = L_ITEM;
        return r;
    };
    Row mode = field(RowCombo, 379, offsetof(PropSpot, mode), IDX_DATA_SPOT_SCREEN);
    mode.up = L_TAB;
    mode.down = R_DWELL;
    Row dwell = field(RowCombo, 265, offsetof(PropSpot, dwell), IDX_DATA_DWELL);
    dwell.up = R_MODE;
    dwell.down = R_SKIP;
    Row skip = field(RowCheck, 460, offsetof(PropSpot, skip_vloss), -1);
    skip.up = R_DWELL;
    skip.down = R_STEP0;
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_STEP0 + CAMERAS - COLUMNS;
        r.down = L_TAB;
        return r;
    };
    QVector<Row> rows{mode, dwell, skip};
    rows += orderRows(R_STEP0, R_SKIP, R_DEFAULT);
    rows << command(RowDefault, R_APPLY, L_OK) << command(RowApply, L_OK, R_DEFAULT) << command(RowMenu, L_OK, R_APPLY);
    Params p;
    p.sections = {IDX_PROP_SPOT};
    p.firstRow = R_MODE;
    p.itemRight = R_MODE;
    p.itemLeft = R_MODE;
    p.okRight = R_DEFAULT;
    p.okLeft = R_APPLY;
    p.cancelRight = R_DEFAULT;
    p.cancelLeft = R_APPLY;
    m_orderRow = R_STEP0;
    setRows(rows, p);
}

void TSetupSpot::init(int background)
{
    TSetupOrderPage::init(background);
    // "Menu" keeps its place but is never offered on this page.
    if (QWidget* menu = control(R_MENU))
        menu->hide();
}
