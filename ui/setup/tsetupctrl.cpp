#include "tsetupctrl.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdefault.h"
#include "uisetuplog.h"

#include <QSignalBlocker>
#include <cstddef>

namespace {

enum { TextRemoteId = 148, TextSystemKeyboard = 149, TextKeyBuzzer = 421 };

PropControl* record()
{
    return g_cfg ? static_cast<PropControl*>(g_cfg->getsection(IDX_PROP_CONTROL, 0)) : nullptr;
}

} // namespace

TSetupCtrl::TSetupCtrl(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    auto field = [](int kind, int text, int offset, int list, int up, int down) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = IDX_PROP_CONTROL;
        r.offset = offset;
        r.size = 4;
        r.list = list;
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = up;
        r.down = down;
        return r;
    };
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_CONTROLID;
        r.down = L_TAB;
        return r;
    };
    // The key buzzer shows "on" for any value above 0 (setCtrl).
    Row buzzer = field(RowCheck, TextKeyBuzzer, offsetof(PropControl, keybuzzer), -1, R_DVRID, R_CONTROL);
    const QVector<Row> rows{
        field(RowCombo, TextRemoteId, offsetof(PropControl, dvrid), IDX_DATA_CONTROL_ID, L_TAB, R_BUZZER),
        buzzer,
        field(RowCombo, TextSystemKeyboard, offsetof(PropControl, control), IDX_DATA_CONTROLLER, R_BUZZER, R_CONTROLID),
        // The keyboard's id sits under its type, without a label.
        field(RowCombo, -1, offsetof(PropControl, controlid), IDX_DATA_DVR_ID, R_CONTROL, R_APPLY),
        command(RowApply, R_DEFAULT, L_OK),
        command(RowDefault, L_OK, R_APPLY),
        command(RowMenu, L_OK, R_DEFAULT),
    };
    Params p;
    p.sections = {IDX_PROP_CONTROL};
    p.firstRow = R_DVRID;
    p.jogRow = R_BUZZER;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

bool TSetupCtrl::keyboardShown()
{
    return g_default && g_default->getOem() == OemSystemKeyboard;
}

void TSetupCtrl::init(int background)
{
    TSetupPage::init(background);
    if (QWidget* menu = control(R_MENU))
        menu->hide();
    const bool keyboard = keyboardShown();
    control(R_CONTROL)->setVisible(keyboard);
    control(R_CONTROLID)->setVisible(keyboard);
}

void TSetupCtrl::setCtrl()
{
    TSetupPage::setCtrl();
    const PropControl* c = record();
    if (auto* b = qobject_cast<TButton*>(control(R_BUZZER))) {
        const QSignalBlocker block(b);
        b->setChecked(c && c->keybuzzer > 0);
    }
}

void TSetupCtrl::sl_btnclicked(int id, int state)
{
    if (rowOfId(id) != R_BUZZER) {
        TSetupPage::sl_btnclicked(id, state);
        return;
    }
    PropControl* c = record();
    if (!c)
        return;
    // On becomes off, anything else on; the switch shows what is stored.
    c->keybuzzer = c->keybuzzer > 0 ? 0 : 1;
    if (auto* b = qobject_cast<TButton*>(control(R_BUZZER)))
        b->setChecked(c->keybuzzer > 0);
    qCDebug(lcUiSetup, "TSetupCtrl::sl_btnclicked keybuzzer:%d", c->keybuzzer);
}

void TSetupCtrl::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupCtrl::evtKeydown(%d) ===========", key);
    TSetupPage::evtKeydown(key);
}
