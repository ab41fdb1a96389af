#include "tsetupemailevt.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "textutil.h"

#include <QIcon>
#include <QPainter>

namespace {

enum {
    CheckOn = 71,
    CheckOff = 70,
    CmdStrip = 21,
    Back = 122,
    PageBack = 64,
    TxtOk = 24,
    TxtCancel = 25,
    TxtAll = 56,
    TxtSensor = 101,
    TxtMotion = 102,
    TxtVloss = 103,
    TxtPos = 395,
    TxtSmart = 89,
    TxtSyslog = 90,
    TxtImage = 378,
    TxtTitle = 331
};

// Rows of the e-mail section's event flags.
enum { RowSensor, RowMotion, RowVloss, RowPos, RowSmart, RowSyslog, RowImage };

// "All" of the three grid rows: the value the next click writes. It lives
// as long as the program, whatever window shows it.
int s_all[3] = {1, 1, 1};

// The flag row and the line switches' ids, in the order of the lines.
const int kLines[] = {TSetupEmailEvt::POS, TSetupEmailEvt::SMART, TSetupEmailEvt::SYSLOG, TSetupEmailEvt::IMAGE};
const int kLineText[] = {TxtPos, TxtSmart, TxtSyslog, TxtImage};

int lineRow(int id)
{
    switch (id) {
    case TSetupEmailEvt::POS: return RowPos;
    case TSetupEmailEvt::SMART: return RowSmart;
    case TSetupEmailEvt::SYSLOG: return RowSyslog;
    default: return RowImage;
    }
}

const PropDevices* devices()
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0)) : nullptr;
}

} // namespace

TSetupEmailEvt::TSetupEmailEvt(QWidget* parent, int id, QSize size)
    : TSetupSubWnd(parent, id, size, IDX_PROP_NETEMAIL, int(sizeof(PropNetemail)))
{
}

int TSetupEmailEvt::allState(int row)
{
    return row >= 0 && row < 3 ? s_all[row] : 0;
}

void TSetupEmailEvt::resetAllStates()
{
    for (int& s : s_all)
        s = 1;
}

TButton* TSetupEmailEvt::button(int id) const
{
    return id >= 0 && id < BUTTONS ? m_btn[id] : nullptr;
}

QWidget* TSetupEmailEvt::firstCtrl() const
{
    return m_btn[SENSOR0];
}

PropNetemail* TSetupEmailEvt::mail() const
{
    return g_cfg ? static_cast<PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, 0)) : nullptr;
}

int TSetupEmailEvt::rowCount(int row)
{
    const PropDevices* dev = devices();
    if (!dev)
        return 0;
    return qBound(0, int(row == RowSensor ? dev->sensors : dev->videos), int(CHS));
}

bool TSetupEmailEvt::hasTextIn()
{
    const PropDevices* dev = devices();
    return dev && dev->txtin != 0;
}

void TSetupEmailEvt::init(int)
{
    const QPixmap back = ctlImage(Back);
    if (!back.isNull())
        resize(back.size());
    QIcon* check = TRes::makeIcon(ctlImage(CheckOn), 4, false);
    TRes::addIconStates(check, ctlImage(CheckOff), 4, true);
    QIcon* cmd = TRes::makeIcon(ctlImage(CmdStrip), 4, false);
    for (int id = 0; id < OK; ++id) {
        if (id == 63)
            continue;
        m_btn[id] = new TButton(this, nullptr, QString(), id, QColor(0, 0, 0), 5);
        m_btn[id]->setState(2, check);
    }
    m_btn[OK] = new TButton(this, cmd, QString(), OK, ctlColor(0), 4);
    m_btn[CANCEL] = new TButton(this, cmd, QString(), CANCEL, ctlColor(0), 4);
    connect(this, &QObject::destroyed, [check, cmd] {
        delete check;
        delete cmd;
    });
    // The grid: 21 columns a row, Left and Right round the row; Up and Down
    // between the rows, from the sensors up to OK, from video loss down to
    // the lines below. Hidden switches are passed over.
    for (int row = 0; row < 3; ++row) {
        for (int c = 0; c <= CHS; ++c) {
            const int id = row * (CHS + 1) + c;
            QWidget* up = row == 0 ? m_btn[OK] : m_btn[id - (CHS + 1)];
            QWidget* down = row == 2 ? m_btn[POS] : m_btn[id + (CHS + 1)];
            m_focus.append({0, m_btn[id], m_btn[row * (CHS + 1) + (c + 1) % (CHS + 1)],
                            m_btn[row * (CHS + 1) + (c + CHS) % (CHS + 1)], down, up});
        }
    }
    for (int i = 0; i < 4; ++i) {
        QWidget* w = m_btn[kLines[i]];
        QWidget* up = i == 0 ? m_btn[VLOSS0] : m_btn[kLines[i - 1]];
        QWidget* down = i == 3 ? m_btn[OK] : m_btn[kLines[i + 1]];
        m_focus.append({0, w, w, w, down, up});
    }
    m_focus.append({0, m_btn[OK], m_btn[CANCEL], m_btn[CANCEL], m_btn[SENSOR0], m_btn[IMAGE]});
    m_focus.append({0, m_btn[CANCEL], m_btn[OK], m_btn[OK], m_btn[SENSOR0], m_btn[IMAGE]});
    evtLanguage();
}

void TSetupEmailEvt::evtLanguage()
{
    if (!m_btn[OK])
        return;
    m_btn[OK]->setText(ctlText(TxtOk));
    m_btn[CANCEL]->setText(ctlText(TxtCancel));
    evtResize();
    update();
}

void TSetupEmailEvt::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TSetupEmailEvt::sl_btnclicked);
    }
}

void TSetupEmailEvt::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, nullptr, this, nullptr);
    }
}

void TSetupEmailEvt::evtShow()
{
    const PropNetemail* m = mail();
    for (int row = 0; row < 3; ++row) {
        const int n = rowCount(row);
        for (int c = 0; c < CHS; ++c) {
            TButton* b = m_btn[row * (CHS + 1) + c];
            b->setVisible(c < n);
            b->setChecked(m && m->evt[row][c]);
        }
    }
    m_btn[POS]->setVisible(hasTextIn());
    m_btn[POS]->setChecked(hasTextIn() && m && m->evt[RowPos][0]);
    for (int id : {SMART, SYSLOG, IMAGE})
        m_btn[id]->setChecked(m && m->evt[lineRow(id)][0]);
    evtResize();
    keepSnapshot();
    m_btn[SENSOR0]->setFocus(Qt::OtherFocusReason);
    m_curCtrl = m_btn[SENSOR0];
}

void TSetupEmailEvt::evtResize()
{
    if (!m_btn[CANCEL])
        return;
    const int m = ctlScale(16);
    const int label = ctlScale(90);
    const int box = ctlScale(16);
    const int cw = qMax(box + 2, (width() - 2 * m - label) / (CHS + 1));
    const int top = m + ctlScale(40);
    // Three rows and four lines within the window's own height.
    const int pitch = qMax(box + 2, qMin(ctlScale(28), (height() - top - m) / 7));
    // Only the columns the unit has, then "All".
    const int cols = qMax(rowCount(RowSensor), rowCount(RowMotion));
    for (int row = 0; row < 3; ++row) {
        for (int c = 0; c <= CHS; ++c) {
            const int col = c == CHS ? cols : c;
            m_btn[row * (CHS + 1) + c]->setGeometry(m + label + col * cw + (cw - box) / 2, top + row * pitch, box, box);
        }
    }
    int y = top + 3 * pitch + pitch / 4;
    for (int id : kLines) {
        if (id == POS && !hasTextIn())
            continue;
        m_btn[id]->setGeometry(m + label + ctlScale(60), y, box, box);
        y += pitch;
    }
    const QSize bs = ctlSize(CmdStrip, QSize(85, 25));
    // OK and CANCEL at the bottom right, beside the lines.
    const int bx = width() - m - 2 * bs.width() - ctlScale(6);
    m_btn[OK]->setGeometry(bx, height() - m - bs.height(), bs.width(), bs.height());
    m_btn[CANCEL]->setGeometry(bx + bs.width() + ctlScale(6), height() - m - bs.height(), bs.width(), bs.height());
}

void TSetupEmailEvt::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap back = ctlImage(Back);
    p.drawPixmap(rect(), back.isNull() ? ctlImage(PageBack) : back);
    p.setPen(ctlColor(3));
    const int m = ctlScale(16);
    p.drawText(QRect(m, ctlScale(4), width() - 2 * m, ctlScale(20)), Qt::AlignHCenter | Qt::AlignVCenter,
               ctlText(TxtTitle));
    const int label = ctlScale(90);
    const int rowText[] = {TxtSensor, TxtMotion, TxtVloss};
    for (int row = 0; row < 3; ++row) {
        const QRect g = m_btn[row * (CHS + 1)]->geometry();
        drawFitText(&p, QRect(m, g.top() - ctlScale(4), label - ctlScale(4), g.height() + ctlScale(8)),
                    Qt::AlignLeft | Qt::AlignVCenter, ctlText(rowText[row]));
    }
    // Column headings over the widest row: "1" .. the channel count, "All".
    const int cols = qMax(rowCount(RowSensor), rowCount(RowMotion));
    for (int c = 0; c <= CHS; ++c) {
        if (c < CHS && c >= cols)
            continue;
        const QRect g = m_btn[(c < CHS ? c : SENSOR_ALL)]->geometry();
        p.drawText(QRect(g.center().x() - ctlScale(14), g.top() - ctlScale(20), ctlScale(28), ctlScale(18)),
                   Qt::AlignCenter, c < CHS ? QString::asprintf("%d", c + 1) : ctlText(TxtAll));
    }
    for (int i = 0; i < 4; ++i) {
        TButton* b = m_btn[kLines[i]];
        if (b->isHidden())
            continue;
        const QRect g = b->geometry();
        drawFitText(&p, QRect(m, g.top() - ctlScale(4), g.left() - m - ctlScale(8), g.height() + ctlScale(8)),
                    Qt::AlignLeft | Qt::AlignVCenter, ctlText(kLineText[i]));
    }
}

void TSetupEmailEvt::sl_btnclicked(int id, int)
{
    PropNetemail* m = mail();
    if (!m || id < 0 || id >= BUTTONS)
        return;
    const int row = id < 63 ? id / (CHS + 1) : -1;
    const int c = id < 63 ? id % (CHS + 1) : -1;
    if (row >= 0 && c < CHS) {
        if (c >= rowCount(row))
            return;
        uint8_t& f = m->evt[row][c];
        f = f == 0 ? 1 : 0;
        m_btn[id]->setChecked(f);
    } else if (row >= 0) {
        // "All": the row's next value over the switches the unit has, then
        // the value turns over for the next click.
        const uint8_t v = uint8_t(s_all[row]);
        const int n = rowCount(row);
        for (int k = 0; k < n; ++k) {
            m->evt[row][k] = v;
            m_btn[row * (CHS + 1) + k]->setChecked(v);
        }
        m_btn[id]->setChecked(v);
        s_all[row] = v ? 0 : 1;
    } else if (id == POS || id == SMART || id == SYSLOG || id == IMAGE) {
        if (id == POS && !hasTextIn())
            return;
        uint8_t& f = m->evt[lineRow(id)][0];
        f = f == 0 ? 1 : 0;
        m_btn[id]->setChecked(f);
    } else if (id == OK) {
        hideWnd();
        return;
    } else if (id == CANCEL) {
        cancel();
        return;
    }
    noteEdit();
}

QWidget* TSetupEmailEvt::arrowMove(int key)
{
    // The lines below the grid are their own neighbours on Left and Right:
    // the focus stays.
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        QWidget* cur = focusFind(key, m_focus.data(), m_focus.size());
        for (int id : kLines) {
            if (cur && cur == m_btn[id])
                return cur;
        }
    }
    return TSetupSubWnd::arrowMove(key);
}
