#include "tsetupconfig.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "textutil.h"
#include "tfilewnd.h"
#include "tmsgwnd.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QPainter>

using namespace SetupAct;

namespace {

enum {
    TxtImport = 34, TxtDefault = 92, TxtConfiguration = 94, TxtUpgrade = 177, TxtExport = 178, TxtSure = 244,
    TxtDefaultConf = 305, TxtVersion = 316, TxtFwImport = 317, TxtConfImport = 318, TxtConfExport = 319,
    MsgOkCancel = 3, MsgBtnOk = 2
};

// The hidden codes in the order they are looked for, with their requests;
// the three that destroy data are asked again first.
struct HotCode
{
    const char* digits;
    int action;
    int confirm;
};
const HotCode kHotCodes[] = {
    {"40917263", Act_HotFormat, 1},
    {"58136049", Act_HotDelLog, 1},
    {"72604815", Act_HotBoardTest, 0},
    {"93751280", Act_HotDelConfig, 1},
};

QVector<TSetupPage::Row> rows()
{
    using P = TSetupPage;
    QVector<P::Row> r(4);
    const int text[4] = {TxtUpgrade, TxtExport, TxtImport, TxtDefault};
    for (int i = 0; i < 4; ++i) {
        r[i].text = text[i];
        r[i].right = P::L_ITEM;
        r[i].left = P::L_ITEM;
        r[i].up = i == 0 ? int(P::L_TAB) : i - 1;
        r[i].down = i == 3 ? int(P::L_TAB) : i + 1;
    }
    return r;
}

} // namespace

TSetupConfig::TSetupConfig(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Params p;
    p.replies = {Act_ConfDetect, Act_ConfMount};
    p.firstRow = RowUpgrade;
    p.itemRight = RowUpgrade;
    p.itemLeft = RowUpgrade;
    p.okRight = RowUpgrade;
    p.okLeft = RowUpgrade;
    p.cancelRight = RowUpgrade;
    p.cancelLeft = RowUpgrade;
    setRows(rows(), p);
}

QString TSetupConfig::versionText(int v)
{
    return QString::asprintf("%d.%d.%d.%d", v / 1000, (v % 1000) / 100, (v % 100) / 10, v % 10);
}

void TSetupConfig::init(int background)
{
    TSetupPage::init(background);
    m_reqId = -1;
    evtResize();
}

void TSetupConfig::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size())
        return;
    // One column: the version on the first row, then the four buttons.
    const int pitch = ctlScale(34);
    const int x = width() * 45 / 100;
    for (int i = 0; i < m_ctrl.size(); ++i)
        m_ctrl[i]->move(x, ctlScale(16) + (i + 1) * pitch);
}

void TSetupConfig::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (m_ctrl.size() != m_rows.size())
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const QRect b = m_ctrl[RowUpgrade]->geometry();
    const QRect ver(b.left(), b.top() - ctlScale(34), b.width() * 2, b.height());
    const int capW = b.left() - ctlScale(32);
    p.drawText(QRect(ctlScale(16), ver.top(), capW, ver.height()), Qt::AlignRight | Qt::AlignVCenter, ctlText(TxtVersion));
    p.drawRect(ver.adjusted(0, 0, -1, -1));
    p.drawText(ver.adjusted(ctlScale(6), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_version);
    const QRect ex = m_ctrl[RowExport]->geometry();
    p.drawText(QRect(ctlScale(16), ex.top(), capW, ex.height()), Qt::AlignRight | Qt::AlignVCenter,
               ctlText(TxtConfiguration));
}

void TSetupConfig::connectTo()
{
    TSetupPage::connectTo();
    if (g_vkeyboard)
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupConfig::sl_replyVk, Qt::UniqueConnection);
    if (g_fileWnd)
        connect(g_fileWnd, &TFileWnd::sg_reply, this, &TSetupConfig::sl_replyFile, Qt::UniqueConnection);
    if (g_msgWnd)
        connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupConfig::sl_fromMsg, Qt::UniqueConnection);
}

void TSetupConfig::disconnectFrom()
{
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupConfig::sl_replyVk);
    if (g_fileWnd)
        disconnect(g_fileWnd, &TFileWnd::sg_reply, this, &TSetupConfig::sl_replyFile);
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupConfig::sl_fromMsg);
    m_confirm = -1;
    TSetupPage::disconnectFrom();
}

void TSetupConfig::evtShow()
{
    const auto* dev = g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0)) : nullptr;
    m_version = versionText(dev ? int(dev->version) : 0);
    TSetupPage::evtShow();
    update();
}

void TSetupConfig::ask(int title, int text)
{
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MsgOkCancel);
    g_msgWnd->setTitle(ctlText(title));
    g_msgWnd->setText(ctlText(text) + QLatin1Char('?'));
    g_msgWnd->moveCenter(this);
    g_msgWnd->show();
}

void TSetupConfig::keepName(const QString& name)
{
    q2Utf8Whole(m_fileName, name, NAME_SIZE);
}

void TSetupConfig::buttonClicked(int row)
{
    m_reqId = row;
    m_confirm = -1;
    if (row >= RowUpgrade && row <= RowImport) {
        emit sg_action(Act_ConfDetect, 0, 0);
    } else if (row == RowDefaultBtn) {
        m_confirm = Act_ConfDefault;
        ask(TxtDefaultConf, TxtSure);
    }
}

void TSetupConfig::onReply(int code, const void*)
{
    if (unsigned(m_reqId) > unsigned(RowImport))
        return;
    if (code == Act_ConfDetect) {
        emit sg_action(Act_ConfMount, 0, 0);
        return;
    }
    if (code != Act_ConfMount)
        return;
    if (m_reqId == RowExport) {
        if (!g_vkeyboard)
            return;
        g_vkeyboard->setTitle(ctlText(TxtConfExport));
        g_vkeyboard->setMaxLength(NAME_SIZE - 1);
        g_vkeyboard->setText(QStringLiteral("dvr.conf"));
        g_vkeyboard->setPassword(0);
        g_vkeyboard->moveCenter(this);
        g_vkeyboard->show();
    } else if (g_fileWnd) {
        const bool fw = m_reqId == RowUpgrade;
        g_fileWnd->setTitle(ctlText(fw ? TxtFwImport : TxtConfImport));
        g_fileWnd->setPath(QStringLiteral("/backup"), fw ? QStringLiteral("*.fwr") : QStringLiteral("*.conf"));
        g_fileWnd->moveCenter(this);
        g_fileWnd->show();
    }
}

void TSetupConfig::sl_replyFile(QString name)
{
    if (m_reqId == RowUpgrade) {
        keepName(name);
        m_confirm = Act_ConfUpgrade;
        ask(TxtUpgrade, TxtSure);
    } else if (m_reqId == RowImport) {
        keepName(name);
        emit sg_action(Act_ConfImport, 0, 0, QString::fromUtf8(m_fileName));
    }
}

void TSetupConfig::sl_replyVk(int code, QString text)
{
    if (code != VK_OK || m_reqId != RowExport)
        return;
    keepName(text);
    emit sg_action(Act_ConfExport, 0, 0, QString::fromUtf8(m_fileName));
}

void TSetupConfig::sl_fromMsg(int button)
{
    const int what = m_confirm;
    m_confirm = -1;
    if (button != MsgBtnOk || what < 0)
        return;
    if (what == Act_ConfUpgrade)
        emit sg_action(Act_ConfUpgrade, 0, 0, QString::fromUtf8(m_fileName));
    else
        emit sg_action(what, 0, 0);
}

void TSetupConfig::hotKey(int key)
{
    int digit = -1;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        digit = key - Qt::Key_0;
    else if (key == Qt::Key_F30)
        digit = 0;
    if (digit < 0) {
        m_hotKeyBuf.clear();
        return;
    }
    m_hotKeyBuf += QChar('0' + digit);
    bool found = false;
    for (const HotCode& c : kHotCodes) {
        if (!m_hotKeyBuf.contains(QLatin1String(c.digits)))
            continue;
        found = true;
        qCDebug(lcUiSetup, "TSetupConfig::hotKey.. code:%s action:%d", c.digits, c.action);
        if (c.confirm) {
            // Configuration, log or recordings would be lost: asked first.
            m_confirm = c.action;
            ask(TxtDefault, TxtSure);
            if (g_msgWnd)
                g_msgWnd->setTitle(QStringLiteral("Hot Key"));
        } else {
            emit sg_action(c.action, 0, 0);
        }
    }
    if (found || m_hotKeyBuf.size() >= 9)
        m_hotKeyBuf.clear();
}

void TSetupConfig::evtKeydown(int key)
{
    hotKey(key);
    TSetupPage::evtKeydown(key);
}
