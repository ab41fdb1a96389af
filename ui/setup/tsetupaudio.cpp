#include "tsetupaudio.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tcombo.h"
#include "tconfig.h"
#include "uisetuplog.h"

#include <QPainter>
#include <QSignalBlocker>
#include <cstddef>

using namespace SetupAct;

namespace {

enum { TextChannel = 400, TextOff = 53, TextAudio = 76, TextAudioOut = 139 };

PropAudio* audio()
{
    return g_cfg ? static_cast<PropAudio*>(g_cfg->getsection(IDX_PROP_AUDIO, 0)) : nullptr;
}

// The position an input shows: its stored one, or its own channel when the
// stored one lies outside the list.
int shownPosition(const int32_t* ins, int i, int videos)
{
    return ins[i] < 0 || ins[i] > videos ? i : ins[i];
}

} // namespace

TSetupAudio::TSetupAudio(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows;
    for (int i = 0; i < INPUTS; ++i) {
        // The inputs have no plain field: sl_changeIndex swaps them.
        Row r;
        r.kind = RowCombo;
        const int col = i / COLUMN;
        const int line = i % COLUMN;
        r.up = line > 0 ? R_IN0 + i - 1 : L_TAB;
        r.down = line + 1 < COLUMN ? R_IN0 + i + 1 : R_OUT;
        r.right = col == 0 ? R_IN0 + i + COLUMN : L_ITEM;
        r.left = col == 1 ? R_IN0 + i - COLUMN : L_ITEM;
        rows.append(r);
    }
    Row out;
    out.kind = RowCombo;
    out.text = TextAudioOut;
    out.section = IDX_PROP_AUDIO;
    out.offset = offsetof(PropAudio, out);
    out.size = 4;
    out.list = IDX_DATA_AUDIO_CHANNEL;
    out.up = R_IN0 + COLUMN - 1;
    out.down = R_APPLY;
    out.right = L_ITEM;
    out.left = L_ITEM;
    rows.append(out);
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_OUT;
        r.down = L_TAB;
        return r;
    };
    rows << command(RowApply, R_DEFAULT, L_OK) << command(RowDefault, L_OK, R_APPLY)
         << command(RowMenu, L_OK, R_DEFAULT);
    Params p;
    p.sections = {IDX_PROP_AUDIO};
    p.firstRow = R_DEFAULT;
    p.itemRight = R_IN0;
    p.itemLeft = R_IN0;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

int TSetupAudio::audios()
{
    if (!g_cfg)
        return 0;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    // The record comes from the file and the device: never more inputs
    // than the section has entries.
    return qBound(0, int(dev->audios), int(INPUTS));
}

int TSetupAudio::choose(int32_t* ins, int n, int videos, int id, int index)
{
    n = qBound(0, n, int(INPUTS));
    if (id < 0 || id >= INPUTS || index < 0)
        return -1;
    // What the input showed goes to the input it takes the channel from.
    const int old = shownPosition(ins, id, videos);
    // The holder is the input that shows the channel, a stored position
    // outside the list counting as the input's own channel.
    int other = -1;
    for (int j = 0; j < n; ++j) {
        if (j != id && shownPosition(ins, j, videos) == index) {
            other = j;
            break;
        }
    }
    if (other >= 0 && index < videos)
        ins[other] = old;
    else
        other = -1;
    ins[id] = index;
    return other;
}

TCombo* TSetupAudio::inputCombo(int i) const
{
    return i >= 0 && i < INPUTS ? qobject_cast<TCombo*>(control(R_IN0 + i)) : nullptr;
}

void TSetupAudio::init(int background)
{
    TSetupPage::init(background);
    // "Menu" keeps its place but is never offered on this page.
    if (QWidget* menu = control(R_MENU))
        menu->hide();
}

void TSetupAudio::evtLanguage()
{
    TSetupPage::evtLanguage();
    // One list for every input: the cameras, then "Off".
    QStringList list;
    const int n = videos();
    for (int c = 1; c <= n; ++c)
        list << ctlText(TextChannel) + QStringLiteral(" %1").arg(c);
    list << ctlText(TextOff);
    for (int i = 0; i < INPUTS; ++i) {
        if (TCombo* c = inputCombo(i)) {
            const QSignalBlocker block(c);
            c->clear();
            c->addItems(list);
        }
    }
    if (isVisible())
        setCtrl();
}

void TSetupAudio::setCtrl()
{
    TSetupPage::setCtrl();
    PropAudio* a = audio();
    if (!a)
        return;
    const int n = audios();
    const int v = videos();
    for (int i = 0; i < INPUTS; ++i) {
        TCombo* c = inputCombo(i);
        if (!c)
            continue;
        const QSignalBlocker block(c);
        c->setVisible(i < n);
        c->setCurrentIndex(i < n ? shownPosition(a->in, i, v) : -1);
    }
}

void TSetupAudio::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupAudio::evtKeydown(%d) ===========", key);
    TSetupPage::evtKeydown(key);
}

void TSetupAudio::evtShow()
{
    TSetupPage::evtShow();
    emit sg_action(Act_PrvAudio, 1, 0);
}

void TSetupAudio::evtHide()
{
    TSetupPage::evtHide();
    emit sg_action(Act_PrvAudio, 0, 0);
}

void TSetupAudio::sl_changeIndex(int id, int index)
{
    const int row = rowOfId(id);
    PropAudio* a = audio();
    // A list that lost its entries reports -1: nothing is chosen.
    if (!a || row < 0 || index < 0)
        return;
    if (row == R_OUT) {
        a->out = index;
        emit sg_action(Act_PrvAudio, 1, 0);
        return;
    }
    if (row >= R_IN0 + INPUTS)
        return;
    const int i = row - R_IN0;
    const int j = choose(a->in, audios(), videos(), i, index);
    qCDebug(lcUiSetup, "TSetupAudio::sl_changeIndex in:%d idx:%d swapped:%d", i, index, j);
    if (TCombo* c = inputCombo(j)) {
        const QSignalBlocker block(c);
        c->setCurrentIndex(a->in[j]);
    }
}

void TSetupAudio::sl_btnclicked(int id, int state)
{
    if (rowOfId(id) != R_DEFAULT) {
        TSetupPage::sl_btnclicked(id, state);
        return;
    }
    PropAudio* a = audio();
    const int before = a ? a->out : 0;
    TSetupPage::sl_btnclicked(id, state);
    // The output follows the default at once when it changed.
    if (a && a->out != before)
        emit sg_action(Act_PrvAudio, 1, 0);
}

void TSetupAudio::evtResize()
{
    TSetupPage::evtResize();
    if (!control(R_OUT))
        return;
    // The inputs in two columns of ten beside their labels, the output below.
    const int margin = ctlScale(16);
    const int pitch = ctlScale(30);
    const int rowH = ctlScale(24);
    const int colW = (width() - 2 * margin) / 2;
    const int label = ctlScale(90);
    for (int i = 0; i < INPUTS; ++i) {
        const int x = margin + (i / COLUMN) * colW + label;
        control(R_IN0 + i)->setGeometry(x, margin + (i % COLUMN) * pitch, colW - label - ctlScale(16), rowH);
    }
    const int y = margin + COLUMN * pitch + ctlScale(12);
    control(R_OUT)->setGeometry(margin + label + ctlScale(60), y, colW - label - ctlScale(76), rowH);
}

void TSetupAudio::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(ctlColor(3));
    for (int i = 0; i < INPUTS; ++i) {
        const TCombo* c = inputCombo(i);
        if (!c || c->isHidden())
            continue;
        const QRect g = c->geometry();
        p.drawText(QRect(g.left() - ctlScale(90), g.top(), ctlScale(84), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   ctlText(TextAudio) + QString::number(i + 1));
    }
}
