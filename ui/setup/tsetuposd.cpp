#include "tsetuposd.h"
#include "appglobals.h"
#include "propsections.h"
#include "tcombo.h"
#include "tslider.h"
#include "tconfig.h"
#include "textutil.h"
#include "tstring.h"
#include "uisetuplog.h"

#include <QSignalBlocker>
#include <cstddef>

void TSetupOsd::infobarFields(int position, int* on, int* autoHide)
{
    *on = position == 1 ? 1 : 0;
    *autoHide = position == 1 || position == 2 ? 0 : 1;
}

int TSetupOsd::infobarPosition(int on, int autoHide)
{
    return autoHide ? 0 : on ? 1 : 2;
}

TSetupOsd::TSetupOsd(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    auto row = [](int kind, int text, int section, int offset, int list, int up, int down) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = section;
        r.offset = offset;
        r.size = 4;
        r.list = list;
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = up;
        r.down = down;
        return r;
    };
    Row alpha = row(RowSlider, 120, IDX_PROP_OSD, offsetof(PropOsd, alpha), -1, R_LANG, R_OSD);
    // The range runs over the transparency list's numbers.
    alpha.lo = 3;
    alpha.hi = 7;
    alpha.preview = 38;
    alpha.form = PrvValue;
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_HDD;
        r.down = L_TAB;
        return r;
    };
    const QVector<Row> rows{
        row(RowCombo, 285, IDX_PROP_DTFORM, offsetof(PropDtform, date), IDX_DATA_DATE_FORMAT, L_TAB, R_TIME),
        row(RowCombo, 286, IDX_PROP_DTFORM, offsetof(PropDtform, time), IDX_DATA_TIME_FORMAT, R_DATE, R_LANG),
        // Language and information bar have no plain field: sl_listIndex.
        row(RowCombo, 179, -1, 0, -1, R_TIME, R_ALPHA),
        alpha,
        row(RowCheck, 16, IDX_PROP_OSD, offsetof(PropOsd, osdOn), -1, R_ALPHA, R_INFOBAR),
        row(RowCombo, 121, -1, 0, IDX_DATA_INFOBAR_MODE, R_OSD, R_HDD),
        row(RowCombo, 419, IDX_PROP_OSD, offsetof(PropOsd, hdddisp), IDX_DATA_HDD_DISPLAY, R_INFOBAR, R_DEFAULT),
        command(RowDefault, R_APPLY, L_OK),
        command(RowApply, R_MENU, R_DEFAULT),
        command(RowMenu, L_OK, R_APPLY),
    };
    Params p;
    p.sections = {IDX_PROP_OSD, IDX_PROP_DTFORM, IDX_PROP_INFOBAR};
    p.defaultPreview = 1;
    p.firstRow = R_DATE;
    p.okRight = R_DEFAULT;
    p.okLeft = R_MENU;
    p.cancelRight = R_DEFAULT;
    p.cancelLeft = R_MENU;
    setRows(rows, p);
}

void TSetupOsd::init(int background)
{
    TSetupPage::init(background);
    if (auto* s = qobject_cast<TSlider*>(control(R_ALPHA))) {
        s->setTickInterval(1);
        s->setPageStep(1);
    }
}

void TSetupOsd::evtKeydown(int key)
{
    if (key == Qt::Key_Enter || key == Qt::Key_Return)
        qCDebug(lcUiSetup, "Press Enter");
    TSetupPage::evtKeydown(key);
}

void TSetupOsd::evtKeyup(int key)
{
    if (key == Qt::Key_Enter || key == Qt::Key_Return)
        qCDebug(lcUiSetup, "Pull Enter");
    TSetupPage::evtKeyup(key);
}

void TSetupOsd::evtLanguage()
{
    TSetupPage::evtLanguage();
    // The base refilled every list from its option list; the language list
    // has none and comes from the text object.
    if (auto* c = qobject_cast<TCombo*>(control(R_LANG))) {
        const QSignalBlocker block(c);
        c->clear();
        if (g_str)
            c->addItems(g_str->languageList());
    }
    if (isVisible())
        setCtrl();
}

void TSetupOsd::setCtrl()
{
    TSetupPage::setCtrl();
    if (!g_cfg)
        return;
    const auto* osd = static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0));
    const auto* bar = static_cast<const PropInfobar*>(g_cfg->getsection(IDX_PROP_INFOBAR, 0));
    if (auto* c = qobject_cast<TCombo*>(control(R_LANG))) {
        const QSignalBlocker block(c);
        const QString name = QString::fromUtf8(osd->lang, int(qstrnlen(osd->lang, sizeof osd->lang)));
        const int at = c->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        c->setCurrentIndex(at >= 0 ? at : FALLBACK_LANGUAGE);
    }
    if (auto* c = qobject_cast<TCombo*>(control(R_INFOBAR))) {
        const QSignalBlocker block(c);
        c->setCurrentIndex(infobarPosition(bar->on, bar->auto_));
    }
}

void TSetupOsd::sl_listIndex(int id, int index)
{
    const int row = rowOfId(id);
    if (!g_cfg || index < 0)
        return;
    if (row == R_LANG) {
        auto* c = qobject_cast<TCombo*>(control(R_LANG));
        auto* osd = static_cast<PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0));
        // The name whole, or cut at a whole character.
        q2Utf8Whole(osd->lang, c->itemText(index), int(sizeof osd->lang));
        qCDebug(lcUiSetup, "TSetupOsd::sl_listIndex lang:%s", osd->lang);
    } else if (row == R_INFOBAR) {
        auto* bar = static_cast<PropInfobar*>(g_cfg->getsection(IDX_PROP_INFOBAR, 0));
        infobarFields(index, &bar->on, &bar->auto_);
    }
}

void TSetupOsd::connectTo()
{
    TSetupPage::connectTo();
    for (int r : {int(R_LANG), int(R_INFOBAR)}) {
        if (auto* c = qobject_cast<TCombo*>(control(r)))
            connect(c, &TCombo::sg_changeIndex, this, &TSetupOsd::sl_listIndex);
    }
}

void TSetupOsd::disconnectFrom()
{
    for (int r : {int(R_LANG), int(R_INFOBAR)}) {
        if (auto* c = qobject_cast<TCombo*>(control(r)))
            disconnect(c, &TCombo::sg_changeIndex, this, &TSetupOsd::sl_listIndex);
    }
    TSetupPage::disconnectFrom();
}
