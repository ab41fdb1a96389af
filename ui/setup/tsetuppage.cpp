#include "tsetuppage.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tedit.h"
#include "tkeys.h"
#include "tproperty.h"
#include "tslider.h"
#include "tvkeyboard.h"
#include "textutil.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>

#include <cstring>

using namespace SetupAct;

namespace {

enum { PageBackSize = 64, CmdStrip = 21, CmdSize = 21, CheckOn = 71, CheckOff = 70, CamStrip = 59, CamStrip2 = 60, CameraText = 75 };

// The default label of the standard buttons.
int standardText(int kind)
{
    switch (kind) {
    case TSetupPage::RowDefault: return 92;
    case TSetupPage::RowApply: return 93;
    case TSetupPage::RowMenu: return 0;
    case TSetupPage::RowApplyAll: return 133;
    default: return -1;
    }
}

bool isCommand(int kind)
{
    return kind >= TSetupPage::RowDefault;
}

bool isField(int kind)
{
    return kind == TSetupPage::RowCheck || kind == TSetupPage::RowCombo || kind == TSetupPage::RowSlider ||
           kind == TSetupPage::RowEdit;
}

} // namespace

TSetupPage::TSetupPage(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
}

TSetupPage::~TSetupPage()
{
    delete m_cmdIcon;
    delete m_camIcon;
}

int TSetupPage::videos()
{
    if (!g_cfg)
        return 0;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0));
    return qBound(0, int(dev->videos), int(CAMERAS));
}

TSetupPage::Row TSetupPage::linkedRow(int kind, int text, int up, int down, int right, int left)
{
    Row r;
    r.kind = kind;
    r.text = text;
    r.up = up;
    r.down = down;
    r.right = right;
    r.left = left;
    return r;
}

void TSetupPage::applyDefaultMenu(QVector<Row>& rows, int apply, int def, int menu, int up)
{
    rows[apply].kind = RowApply;
    rows[apply].right = def;
    rows[apply].left = L_OK;
    rows[apply].down = L_TAB;
    rows[apply].up = up;
    rows[def] = rows[apply];
    rows[def].kind = RowDefault;
    rows[def].right = L_OK;
    rows[def].left = apply;
    rows[menu] = rows[def];
    rows[menu].kind = RowMenu;
}

void TSetupPage::setRows(const QVector<Row>& rows, const Params& params)
{
    m_rows = rows;
    m_params = params;
}

QWidget* TSetupPage::control(int row) const
{
    return row >= 0 && row < m_ctrl.size() ? m_ctrl[row] : nullptr;
}

TButton* TSetupPage::cameraButton(int ch) const
{
    return ch >= 0 && ch < CAMERAS ? m_cam[ch] : nullptr;
}

int TSetupPage::rowOfId(int id) const
{
    const int r = id - m_idBase;
    return r >= 0 && r < m_rows.size() ? r : -1;
}

void TSetupPage::init(int background)
{
    m_background = ctlImage(background);
    m_ch = 0;
    m_typing = -1;
    m_idBase = m_params.perCamera ? CAMERAS : 0;
    m_cmdIcon = TRes::makeIcon(ctlImage(CmdStrip), 4, false);
    if (m_params.perCamera) {
        m_camIcon = TRes::makeIcon(ctlImage(CamStrip), 4, false);
        TRes::addIconStates(m_camIcon, ctlImage(CamStrip2), 4, true);
        for (int c = 0; c < CAMERAS; ++c) {
            m_cam[c] = new TButton(this, m_camIcon, QString(), c, ctlColor(3), 1);
            m_cam[c]->setState(c == 0 ? 1 : 2, nullptr);
        }
    }
    m_ctrl.clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows[i];
        const int cid = m_idBase + i;
        QWidget* w = nullptr;
        switch (r.kind) {
        case RowCheck: {
            auto* b = new TButton(this, nullptr, QString(), cid, QColor(0, 0, 0), 5);
            QIcon* icon = TRes::makeIcon(ctlImage(CheckOn), 4, false);
            TRes::addIconStates(icon, ctlImage(CheckOff), 4, true);
            b->setState(2, icon);
            connect(b, &QObject::destroyed, [icon] { delete icon; });
            w = b;
            break;
        }
        case RowCombo: w = new TCombo(this, cid); break;
        case RowSlider: {
            auto* s = new TSlider(this, cid);
            s->setRange(r.lo, r.hi);
            w = s;
            break;
        }
        case RowEdit: {
            // Every field opens a keyboard when clicked: the text keyboard
            // or the number pad (r.lo).
            auto* e = new TEdit(this, cid, 1);
            e->setReadOnly(true);
            w = e;
            break;
        }
        default: w = new TButton(this, m_cmdIcon, QString(), cid, ctlColor(0), 4); break;
        }
        m_ctrl.append(w);
    }
    evtResize();
    evtLanguage();
}

void TSetupPage::evtResize()
{
    if (m_ctrl.size() != m_rows.size())
        return;
    const int W = width();
    const int H = height();
    const int margin = ctlScale(16);
    int y = margin;
    if (m_params.perCamera) {
        // The first camera button carries "Camera1": wider, the others after it.
        const int n = qMax(1, videos());
        const int firstW = ctlScale(64);
        const int cw = n > 1 ? qMin(ctlScale(30), (W - 2 * margin - firstW) / (n - 1)) : 0;
        m_cam[0]->setGeometry(margin, y, firstW - ctlScale(2), ctlScale(24));
        for (int c = 1; c < CAMERAS; ++c)
            m_cam[c]->setGeometry(margin + firstW + (c - 1) * cw, y, cw - ctlScale(2), ctlScale(24));
        for (int c = 0; c < CAMERAS; ++c)
            m_cam[c]->setVisible(c < videos());
        y += ctlScale(24) + ctlScale(12);
    }
    const int rowH = ctlScale(24);
    const int pitch = ctlScale(30);
    const int ctlX = W * 45 / 100;
    const int ctlW = W * 45 / 100;
    const QSize bs = ctlSize(CmdSize, QSize(85, 25));
    int cmdCount = 0;
    for (const Row& r : m_rows)
        cmdCount += isCommand(r.kind) ? 1 : 0;
    int cmdX = W - margin - cmdCount * (bs.width() + ctlScale(6)) + ctlScale(6);
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& r = m_rows[i];
        QWidget* w = m_ctrl[i];
        if (isCommand(r.kind)) {
            w->setGeometry(cmdX, H - margin - bs.height(), bs.width(), bs.height());
            cmdX += bs.width() + ctlScale(6);
        } else if (r.kind == RowCheck) {
            w->setGeometry(ctlX, y + (rowH - ctlScale(16)) / 2, ctlScale(16), ctlScale(16));
            y += pitch;
        } else {
            w->setGeometry(ctlX, y, r.kind == RowButton ? bs.width() : ctlW, rowH);
            y += pitch;
        }
    }
}

void TSetupPage::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        const QSize want = ctlSize(PageBackSize, size());
        if (m_background.size() == want)
            p.drawPixmap(0, 0, m_background);
        else
            p.drawPixmap(QRect(QPoint(0, 0), want), m_background);
    }
    p.setPen(ctlColor(3));
    for (int i = 0; i < m_rows.size() && i < m_ctrl.size(); ++i) {
        const Row& r = m_rows[i];
        // A hidden control has no label (a page that shows other rows for
        // another choice).
        if (!isField(r.kind) || r.text < 0 || m_ctrl[i]->isHidden())
            continue;
        const QRect g = m_ctrl[i]->geometry();
        p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, ctlText(r.text));
    }
}

void TSetupPage::evtLanguage()
{
    for (int i = 0; i < m_rows.size() && i < m_ctrl.size(); ++i) {
        const Row& r = m_rows[i];
        if (auto* b = qobject_cast<TButton*>(m_ctrl[i])) {
            if (r.kind != RowCheck) {
                const int t = r.text >= 0 ? r.text : standardText(r.kind);
                b->setText(t >= 0 ? ctlText(t) : QString());
            }
        } else if (auto* c = qobject_cast<TCombo*>(m_ctrl[i])) {
            const QSignalBlocker block(c);
            c->clear();
            if (r.list >= 0)
                c->addItems(TConfig::getdata(r.list, 0));
        }
    }
    // The camera row: "Camera" and the number on the first button, the
    // number alone on the others.
    if (m_params.perCamera && m_cam[0]) {
        m_cam[0]->setText(ctlText(CameraText) + QLatin1Char('1'));
        for (int c = 1; c < CAMERAS; ++c)
            m_cam[c]->setText(QString::number(c + 1));
    }
    if (isVisible())
        setCtrl();
    update();
}

// ---- Fields of the edit copy ----------------------------------------------

namespace {

// The field of a row for a channel in the edit copy; null for a channel the
// unit does not have or a field outside its record.
unsigned char* fieldOf(const TSetupPage::Row& r, int ch)
{
    if (!g_cfg || r.section < 0 || r.size <= 0)
        return nullptr;
    if (r.stride > 0 && (ch < 0 || ch >= TSetupPage::videos()))
        return nullptr;
    const int at = r.offset + (r.stride > 0 ? ch * r.stride : 0);
    if (at < 0 || at + r.size > TProperty::sectionSize(r.section))
        return nullptr;
    auto* rec = static_cast<unsigned char*>(g_cfg->getsection(r.section, 0));
    return rec ? rec + at : nullptr;
}

} // namespace

int TSetupPage::fieldValue(const Row& r) const
{
    const unsigned char* f = fieldOf(r, m_ch);
    if (!f)
        return 0;
    switch (r.size) {
    case 1: return *f;
    case 2: {
        int16_t v;
        std::memcpy(&v, f, sizeof v);
        return v;
    }
    case 4: {
        int32_t v;
        std::memcpy(&v, f, sizeof v);
        return v;
    }
    default: return 0;
    }
}

void TSetupPage::setFieldValue(const Row& r, int value)
{
    unsigned char* f = fieldOf(r, m_ch);
    if (!f)
        return;
    switch (r.size) {
    case 1: *f = static_cast<unsigned char>(value); break;
    case 2: {
        const int16_t v = static_cast<int16_t>(value);
        std::memcpy(f, &v, sizeof v);
        break;
    }
    case 4: {
        const int32_t v = value;
        std::memcpy(f, &v, sizeof v);
        break;
    }
    default: break;
    }
}

QString TSetupPage::fieldText(const Row& r) const
{
    const unsigned char* f = fieldOf(r, m_ch);
    if (!f)
        return QString();
    const char* s = reinterpret_cast<const char*>(f);
    return QString::fromUtf8(s, int(qstrnlen(s, uint(r.size))));
}

void TSetupPage::setFieldText(const Row& r, const QString& text)
{
    unsigned char* f = fieldOf(r, m_ch);
    if (!f)
        return;
    // Cut to the field less its terminator, at a whole character.
    q2Utf8Whole(reinterpret_cast<char*>(f), text, r.size);
}

void TSetupPage::setCtrl()
{
    for (int i = 0; i < m_rows.size() && i < m_ctrl.size(); ++i) {
        const Row& r = m_rows[i];
        QWidget* w = m_ctrl[i];
        const QSignalBlocker block(w);
        switch (r.kind) {
        case RowCheck: static_cast<TButton*>(w)->setChecked(fieldValue(r) != 0); break;
        case RowCombo: {
            const int v = fieldValue(r);
            const int pos = r.store == StoreValue && g_cfg ? g_cfg->getindexfromvalue(r.list, v) : v;
            static_cast<TCombo*>(w)->setCurrentIndex(pos);
            break;
        }
        case RowSlider: static_cast<TSlider*>(w)->setValue(fieldValue(r)); break;
        case RowEdit: static_cast<TEdit*>(w)->setText(fieldText(r)); break;
        default: break;
        }
    }
    if (m_params.perCamera) {
        for (int c = 0; c < CAMERAS; ++c)
            m_cam[c]->setState(c == m_ch ? 1 : 2, nullptr);
    }
}

void TSetupPage::sendPreview(const Row& r, int channel, int value)
{
    if (r.preview < 0)
        return;
    if (r.form == PrvValue)
        emit sg_action(r.preview, value, 0);
    else
        emit sg_action(r.preview, channel, value);
}

void TSetupPage::resendPreviews(int channel)
{
    for (const Row& r : m_rows) {
        if (r.preview >= 0 && isField(r.kind))
            sendPreview(r, channel, fieldValue(r));
    }
}

// ---- Show, hide and answers -------------------------------------------------

void TSetupPage::connectTo()
{
    for (QWidget* w : m_ctrl) {
        if (auto* b = qobject_cast<TButton*>(w))
            connect(b, &TButton::sg_clicked, this, &TSetupPage::sl_btnclicked);
        else if (auto* c = qobject_cast<TCombo*>(w))
            connect(c, &TCombo::sg_changeIndex, this, &TSetupPage::sl_changeIndex);
        else if (auto* s = qobject_cast<TSlider*>(w))
            connect(s, &TSlider::sg_valueChanged, this, &TSetupPage::sl_valueChanged);
        else if (auto* e = qobject_cast<TEdit*>(w))
            connect(e, &TEdit::sg_clicked, this, &TSetupPage::sl_edclicked);
    }
    for (TButton* b : m_cam) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TSetupPage::sl_btnclicked);
    }
    // Only the shown page hears the shared keyboards.
    if (g_vkeyboard)
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupPage::sl_reply, Qt::UniqueConnection);
    if (g_vkeynum)
        connect(g_vkeynum, &TVKeyNumboard::sg_reply, this, &TSetupPage::sl_reply, Qt::UniqueConnection);
}

void TSetupPage::disconnectFrom()
{
    for (QWidget* w : m_ctrl)
        disconnect(w, nullptr, this, nullptr);
    for (TButton* b : m_cam) {
        if (b)
            disconnect(b, nullptr, this, nullptr);
    }
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupPage::sl_reply);
    if (g_vkeynum)
        disconnect(g_vkeynum, &TVKeyNumboard::sg_reply, this, &TSetupPage::sl_reply);
    m_typing = -1;
}

void TSetupPage::evtShow()
{
    if (m_ch >= videos())
        m_ch = 0;
    setCtrl();
    keyMatch();
    if (m_params.preview)
        emit sg_action(Act_PipShow, m_ch, id() == Btn_Device_Motion ? 1 : 0);
    if (m_params.requests.isEmpty())
        return;
    if (m_params.requestDelay <= 0)
        sl_show();
    else
        QTimer::singleShot(m_params.requestDelay, this, &TSetupPage::sl_show);
}

void TSetupPage::sl_show()
{
    // A page left before its timer came asks for nothing.
    if (!isVisible())
        return;
    for (int code : m_params.requests)
        emit sg_action(code, 0, 0);
}

void TSetupPage::evtHide()
{
    if (m_params.preview)
        emit sg_action(Act_PipHide, 0, 0);
}

QRect TSetupPage::pipRect() const
{
    if (!m_params.preview || !isVisible() || m_params.pipArea.isEmpty())
        return QRect(QPoint(0, 0), QPoint(-1, -1));
    return QRect(mapToGlobal(m_params.pipArea.topLeft()), m_params.pipArea.size());
}

void TSetupPage::toDt(int, const QString&) {}

bool TSetupPage::reply(int code, const void* data)
{
    if (!takesReply(code))
        return false;
    if (data)
        onReply(code, data);
    return true;
}

void TSetupPage::onReply(int, const void*) {}

// ---- Controls ---------------------------------------------------------------

void TSetupPage::selectChannel(int ch)
{
    if (ch < 0 || ch >= videos() || ch == m_ch)
        return;
    m_ch = ch;
    setCtrl();
    if (m_params.preview)
        emit sg_action(Act_PipReshow, m_ch, 0);
}

void TSetupPage::applyAll()
{
    const int n = videos();
    if (m_ch < 0 || m_ch >= n)
        return;
    for (const Row& r : m_rows) {
        if (r.stride <= 0 || !isField(r.kind))
            continue;
        const unsigned char* from = fieldOf(r, m_ch);
        if (!from)
            continue;
        QByteArray entry(reinterpret_cast<const char*>(from), r.size);
        for (int c = 0; c < n; ++c) {
            if (unsigned char* to = fieldOf(r, c))
                std::memcpy(to, entry.constData(), size_t(r.size));
        }
    }
    resendPreviews(-1);
}

void TSetupPage::sl_btnclicked(int id, int)
{
    if (m_params.perCamera && id >= 0 && id < CAMERAS) {
        selectChannel(id);
        return;
    }
    const int row = rowOfId(id);
    if (row < 0)
        return;
    const Row& r = m_rows[row];
    switch (r.kind) {
    case RowDefault:
        for (int s : m_params.sections) {
            if (g_cfg)
                g_cfg->setdefault(s);
        }
        setCtrl();
        if (m_params.defaultPreview)
            resendPreviews(m_params.perCamera ? -1 : m_ch);
        break;
    case RowApply: emit sg_action(this->id(), 0, 0); break;
    case RowMenu: hideWnd(); break;
    case RowApplyAll: applyAll(); break;
    case RowCheck: {
        const int v = static_cast<TButton*>(m_ctrl[row])->isChecked() ? 1 : 0;
        setFieldValue(r, v);
        sendPreview(r, m_ch, v);
        break;
    }
    case RowButton: buttonClicked(row); break;
    default: break;
    }
}

void TSetupPage::sl_changeIndex(int id, int index)
{
    const int row = rowOfId(id);
    if (row < 0 || m_rows[row].kind != RowCombo || index < 0)
        return;
    const Row& r = m_rows[row];
    const int v = r.store == StoreValue && g_cfg ? int(g_cfg->getvaluefromindex(r.list, index)) : index;
    setFieldValue(r, v);
    sendPreview(r, m_ch, v);
}

void TSetupPage::sl_valueChanged(int id, int value)
{
    const int row = rowOfId(id);
    if (row < 0 || m_rows[row].kind != RowSlider)
        return;
    setFieldValue(m_rows[row], value);
    sendPreview(m_rows[row], m_ch, value);
}

void TSetupPage::sl_edclicked(int id)
{
    const int row = rowOfId(id);
    if (row < 0 || m_rows[row].kind != RowEdit)
        return;
    const Row& r = m_rows[row];
    m_typing = row;
    TVKeyPad* pad = r.lo == 1 ? static_cast<TVKeyPad*>(g_vkeynum) : static_cast<TVKeyPad*>(g_vkeyboard);
    if (!pad)
        return;
    pad->setTitle(r.text >= 0 ? ctlText(r.text) : QString());
    // The field's length first: the keyboard cuts the text it is given to
    // the length it holds, which is still that of the last field typed.
    if (r.lo != 1 && g_vkeyboard) {
        g_vkeyboard->setMaxLength(qMax(0, r.size - 1));
        g_vkeyboard->setPassword(0);
    }
    pad->setText(fieldText(r));
    pad->moveCenter(parentWidget() ? parentWidget() : this);
    pad->show();
}

void TSetupPage::sl_reply(int code, QString text)
{
    const int row = m_typing;
    m_typing = -1;
    if (code != VK_OK || row < 0 || row >= m_rows.size())
        return;
    setFieldText(m_rows[row], text);
    if (auto* e = qobject_cast<TEdit*>(m_ctrl[row]))
        e->setText(fieldText(m_rows[row]));
}

// ---- Focus and keys -------------------------------------------------------

QWidget* TSetupPage::linkTarget(int link) const
{
    if (link >= 0)
        return control(link);
    if (!m_menu)
        return nullptr;
    const int col = tabColumnOf(id());
    switch (link) {
    case L_ITEM: return col >= 0 ? m_menu[1 + id() - kSetupTabs[col].first][0] : nullptr;
    case L_TAB: return col >= 0 ? m_menu[0][col] : nullptr;
    case L_OK: return m_menu[10][0];
    case L_CANCEL: return m_menu[11][0];
    case L_CAMERA: return m_cam[0];
    default: return nullptr;
    }
}

void TSetupPage::keyMatch()
{
    m_focus.clear();
    const int col = tabColumnOf(id());
    if (m_menu && col >= 0) {
        QWidget* tabs[MENU_COLS];
        for (int k = 0; k < MENU_COLS; ++k)
            tabs[k] = m_menu[0][k];
        QVector<QWidget*> items;
        const int count = kSetupTabs[col].last - kSetupTabs[col].first + 1;
        for (int i = 0; i < count && 1 + i < 9; ++i) {
            if (m_menu[1 + i][0])
                items.append(m_menu[1 + i][0]);
        }
        const bool system = kSetupTabs[col].id == Btn_System;
        QWidget* shutdown = system ? m_menu[9][0] : nullptr;
        QWidget* ok = m_menu[10][0];
        QWidget* cancel = m_menu[11][0];
        QWidget* ownTab = tabs[col];
        QWidget* ownItem = linkTarget(L_ITEM);
        QWidget* first = control(m_params.firstRow);
        QWidget* lastItem = items.isEmpty() ? ownTab : items.last();
        auto orFirst = [&](int link) { QWidget* w = linkTarget(link); return w ? w : first; };

        QWidget* tabDown = m_params.tabsDownToOwnItem ? ownItem : (items.isEmpty() ? nullptr : items.first());
        for (int k = 0; k < MENU_COLS; ++k) {
            if (tabs[k])
                m_focus.append({14, tabs[k], tabs[(k + 1) % MENU_COLS], tabs[(k + MENU_COLS - 1) % MENU_COLS],
                                tabDown, cancel});
        }
        for (int i = 0; i < items.size(); ++i) {
            QWidget* up = i == 0 ? ownTab : items[i - 1];
            QWidget* down = i + 1 < items.size() ? items[i + 1] : (shutdown ? shutdown : ok);
            m_focus.append({14, items[i], orFirst(m_params.itemRight), orFirst(m_params.itemLeft), down, up});
        }
        if (shutdown)
            m_focus.append({14, shutdown, orFirst(m_params.okRight), orFirst(m_params.okLeft), ok, lastItem});
        if (ok)
            m_focus.append({14, ok, orFirst(m_params.okRight), orFirst(m_params.okLeft), cancel,
                            shutdown ? shutdown : lastItem});
        if (cancel)
            m_focus.append({14, cancel, orFirst(m_params.cancelRight), orFirst(m_params.cancelLeft), ownTab, ok});
    }
    if (m_params.perCamera) {
        const int n = qMax(1, videos());
        for (int c = 0; c < n; ++c)
            m_focus.append({0, m_cam[c], m_cam[(c + 1) % n], m_cam[(c + n - 1) % n], control(m_params.firstRow),
                            linkTarget(L_TAB)});
    }
    for (int i = 0; i < m_rows.size() && i < m_ctrl.size(); ++i) {
        const Row& r = m_rows[i];
        m_focus.append({0, m_ctrl[i], linkTarget(r.right), linkTarget(r.left), linkTarget(r.down), linkTarget(r.up)});
    }
}

int TSetupPage::keyTaken(int)
{
    return 0;
}

void TSetupPage::postSpace(QWidget* w, bool press)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                                                      Qt::NoModifier));
}

void TSetupPage::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupPage::evtKeydown(%d) page:%d ===========", key, id());
    for (QWidget* w : m_ctrl) {
        if (auto* c = qobject_cast<TCombo*>(w)) {
            if (c->keyEvent(key))
                return;
        } else if (auto* s = qobject_cast<TSlider*>(w)) {
            if (s->hasFocus() && s->isLock(key))
                return;
        }
    }
    if (keyTaken(key))
        return;
    FocusLink* table = m_focus.data();
    const int count = m_focus.size();
    QWidget* next = nullptr;
    switch (key) {
    case Qt::Key_Escape: emit sg_action(Btn_Cancel, 0, 0); return;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: next = focusNextPrev(key, table, count); break;
    case Qt::Key_Enter:
    case Qt::Key_Return: {
        QWidget* w = focusFind(key, table, count);
        m_curCtrl = w;
        if (auto* e = qobject_cast<TEdit*>(w)) {
            if (rowOfId(e->id()) >= 0) {
                sl_edclicked(e->id());
                return;
            }
        }
        postSpace(w, true);
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        next = focusMove(key, table, count);
        // Into the camera row: the camera shown.
        if (next && m_params.perCamera && next == m_cam[0] && (key == Qt::Key_Up || key == Qt::Key_Down))
            next = m_cam[qBound(0, m_ch, CAMERAS - 1)];
        break;
    default: return;
    }
    if (!next) {
        const bool jog = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT;
        next = control(jog && m_params.jogRow >= 0 ? m_params.jogRow : m_params.firstRow);
    }
    if (next) {
        next->setFocus(Qt::OtherFocusReason);
        m_curCtrl = next;
    }
}

void TSetupPage::evtKeyup(int key)
{
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_curCtrl && !qobject_cast<TEdit*>(m_curCtrl))
        postSpace(m_curCtrl, false);
}
