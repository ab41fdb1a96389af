#include "tsetupgroup.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tmsgwnd.h"

namespace {
enum { MsgBtnOk = 2 };
}

TSetupGroup::TSetupGroup(QWidget* parent, int id, QSize size) : TSetupRecPage(parent, id, size, IDX_PROP_GROUP, true)
{
}

void TSetupGroup::connectTo()
{
    TSetupRecPage::connectTo();
    if (g_msgWnd)
        connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupGroup::sl_fromMsg, Qt::UniqueConnection);
}

void TSetupGroup::disconnectFrom()
{
    TSetupRecPage::disconnectFrom();
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupGroup::sl_fromMsg);
}

void TSetupGroup::sl_fromMsg(int button)
{
    if (button != MsgBtnOk)
        return;
    const int g = firstOver();
    if (g >= 0)
        setGroup(g);
}
