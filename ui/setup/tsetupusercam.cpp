#include "tsetupusercam.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"

#include <QIcon>
#include <QPainter>

namespace {
enum { CheckOn = 71, CheckOff = 70, CmdStrip = 21, TxtOk = 24, TxtCancel = 25, TxtAll = 56, TxtLocal = 199,
       TxtNetwork = 8, PageBack = 64 };
}

TSetupUserCam::TSetupUserCam(QWidget* parent, int id, QSize size)
    : TSetupSubWnd(parent, id, size, IDX_PROP_USER, int(sizeof(PropUser)))
{
}

void TSetupUserCam::init(int)
{
    QIcon* check = TRes::makeIcon(ctlImage(CheckOn), 4, false);
    TRes::addIconStates(check, ctlImage(CheckOff), 4, true);
    QIcon* cmd = TRes::makeIcon(ctlImage(CmdStrip), 4, false);
    for (int id = 0; id <= NET_ALL; ++id) {
        m_btn[id] = new TButton(this, nullptr, QString(), id, QColor(0, 0, 0), 5);
        m_btn[id]->setState(2, check);
    }
    m_btn[OK] = new TButton(this, cmd, ctlText(TxtOk), OK, ctlColor(0), 4);
    m_btn[CANCEL] = new TButton(this, cmd, ctlText(TxtCancel), CANCEL, ctlColor(0), 4);
    connect(this, &QObject::destroyed, [check, cmd] {
        delete check;
        delete cmd;
    });
    // Two rings of 21 (the cameras, then "All"), OK and CANCEL below.
    for (int row = 0; row < 2; ++row) {
        for (int c = 0; c <= CAMS; ++c) {
            const int id = row * NET0 + c;
            const int other = (1 - row) * NET0 + c;
            m_focus.append({0, m_btn[id], m_btn[row * NET0 + (c + 1) % (CAMS + 1)],
                            m_btn[row * NET0 + (c + CAMS) % (CAMS + 1)], row == 0 ? m_btn[other] : m_btn[OK],
                            row == 0 ? m_btn[OK] : m_btn[other]});
        }
    }
    m_focus.append({0, m_btn[OK], m_btn[CANCEL], m_btn[CANCEL], m_btn[0], m_btn[NET0]});
    m_focus.append({0, m_btn[CANCEL], m_btn[OK], m_btn[OK], m_btn[0], m_btn[NET0]});
    evtResize();
}

TButton* TSetupUserCam::button(int id) const
{
    return id >= 0 && id <= CANCEL ? m_btn[id] : nullptr;
}

QWidget* TSetupUserCam::firstCtrl() const
{
    return m_btn[0];
}

UserAccount* TSetupUserCam::account() const
{
    return g_cfg ? &static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, 0))->user[m_user] : nullptr;
}

void TSetupUserCam::setUser(int user)
{
    int users = 0;
    if (g_cfg)
        users = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0))->users;
    m_user = user >= 0 && user < qMin(users, int(PROP_MAX_USERS)) ? user : 0;
}

void TSetupUserCam::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TSetupUserCam::sl_btnclicked);
    }
}

void TSetupUserCam::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, nullptr, this, nullptr);
    }
}

void TSetupUserCam::evtShow()
{
    const UserAccount* u = account();
    int videos = 0;
    if (g_cfg)
        videos = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0))->videos;
    for (int c = 0; c < CAMS; ++c) {
        const bool shown = c < videos;
        m_btn[c]->setVisible(shown);
        m_btn[NET0 + c]->setVisible(shown);
        m_btn[c]->setChecked(u && u->camlocal[c]);
        m_btn[NET0 + c]->setChecked(u && u->camnet[c]);
    }
    keepSnapshot();
    m_btn[0]->setFocus(Qt::OtherFocusReason);
    m_curCtrl = m_btn[0];
}

void TSetupUserCam::evtResize()
{
    if (!m_btn[CANCEL])
        return;
    const int m = ctlScale(16);
    const int cw = (width() - 2 * m - ctlScale(80)) / (CAMS + 1);
    const int box = ctlScale(16);
    for (int row = 0; row < 2; ++row) {
        const int y = m + ctlScale(60) + row * ctlScale(34);
        for (int c = 0; c <= CAMS; ++c)
            m_btn[row * NET0 + c]->setGeometry(m + ctlScale(80) + c * cw, y, box, box);
    }
    const QSize bs = ctlSize(CmdStrip, QSize(85, 25));
    m_btn[OK]->setGeometry(width() / 2 - bs.width() - ctlScale(6), height() - m - bs.height(), bs.width(), bs.height());
    m_btn[CANCEL]->setGeometry(width() / 2 + ctlScale(6), height() - m - bs.height(), bs.width(), bs.height());
}

void TSetupUserCam::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), ctlImage(PageBack));
    p.setPen(ctlColor(3));
    const int m = ctlScale(16);
    p.drawText(QRect(m, m, width() - 2 * m, ctlScale(24)), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    p.drawText(QRect(m, m_btn[0]->y(), ctlScale(80), m_btn[0]->height()), Qt::AlignVCenter, ctlText(TxtLocal));
    p.drawText(QRect(m, m_btn[NET0]->y(), ctlScale(80), m_btn[0]->height()), Qt::AlignVCenter, ctlText(TxtNetwork));
    for (int c = 0; c <= CAMS; ++c) {
        if (c < CAMS && !m_btn[c]->isVisible())
            continue;
        const QRect g = m_btn[c]->geometry();
        p.drawText(QRect(g.left() - ctlScale(8), g.top() - ctlScale(22), g.width() + ctlScale(16), ctlScale(20)),
                   Qt::AlignCenter, c < CAMS ? QString::number(c + 1) : ctlText(TxtAll));
    }
}

void TSetupUserCam::sl_btnclicked(int id, int)
{
    UserAccount* u = account();
    if (!u)
        return;
    if (id >= 0 && id < CAMS) {
        u->camlocal[id] = u->camlocal[id] ? 0 : 1;
        m_btn[id]->setChecked(u->camlocal[id]);
    } else if (id >= NET0 && id < NET0 + CAMS) {
        u->camnet[id - NET0] = u->camnet[id - NET0] ? 0 : 1;
        m_btn[id]->setChecked(u->camnet[id - NET0]);
    } else if (id == LOCAL_ALL || id == NET_ALL) {
        // Every camera of the row, shown or not.
        const uint8_t on = m_btn[id]->isChecked() ? 1 : 0;
        uint8_t* flags = id == LOCAL_ALL ? u->camlocal : u->camnet;
        const int first = id == LOCAL_ALL ? 0 : NET0;
        for (int c = 0; c < CAMS; ++c) {
            flags[c] = on;
            m_btn[first + c]->setChecked(on);
        }
    } else if (id == OK) {
        hideWnd();
    } else if (id == CANCEL) {
        cancel();
    }
    if (id != OK && id != CANCEL)
        noteEdit();
}
