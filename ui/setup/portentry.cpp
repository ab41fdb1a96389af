#include "portentry.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tmsgwnd.h"

namespace {
enum { T_WARNING = 213, T_OUT_OF_RANGE = 260, MsgOk = 1, PortMax = 65535 };
}

int typedPort(const QString& text, QWidget* over)
{
    bool number = false;
    const qlonglong v = text.trimmed().toLongLong(&number);
    if (number && v >= 1 && v <= PortMax)
        return int(v);
    if (g_msgWnd) {
        g_msgWnd->setType(MsgOk);
        g_msgWnd->setTitle(ctlText(T_WARNING));
        g_msgWnd->setText(ctlText(T_OUT_OF_RANGE));
        g_msgWnd->moveCenter(over);
        g_msgWnd->show();
    }
    return -1;
}
