#include "tsetupwnd.h"
#include "appglobals.h"
#include "tsetupcolor.h"
#include "tsetupdisp.h"
#include "tsetuposd.h"
#include "tsetupspot.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tfilewnd.h"
#include "tkeys.h"
#include "tmsgwnd.h"
#include "tsetupaddr.h"
#include "tsetupalarm.h"
#include "tsetupaudio.h"
#include "tsetupctrl.h"
#include "tsetupddns.h"
#include "tsetupemail.h"
#include "tsetupnetctrl.h"
#include "tsetupport.h"
#include "tsetuppos.h"
#include "tsetupptz.h"
#include "tsetupstatus.h"
#include "tsetupsmart.h"
#include "tsetupsmartesata.h"
#include "tsetupstrg.h"
#include "tsetupstrgesata.h"
#include "tsetupconfig.h"
#include "tsetupdt.h"
#include "tsetupslog.h"
#include "tsetupuser.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>

#include <array>

using namespace SetupAct;

namespace {

enum {
    FrameBack = 62,
    PageBack = 64,
    TabSize = 48,
    ItemSize = 59,
    BottomSize = 21,
    PageSize = 19,
    PageTop = 31,
    PageLeft = 32,
    ItemLeft = 8,
    MsgOkCancel = 3,
    MsgBtnOk = 2
};

// Button texts by id (UI text ids); -1 for ids without a button.
const int kText[TSetupWnd::BUTTONS] = {1,  24, 25,  3,  16, 3,  5,  4,  70, 6,  6,  72, 73,
                                       64, 74, 7,  75, 356, 76, 77, 78, 14, 79, 395, 8, 80,
                                       81, 82, 84, 366, 83, 9,  85, 86, 88, 89, 90, 94};

// A page class builds into its slot here: the frame creates every page
// that has a factory, in id order. A slot without one stays empty and its
// item does nothing.
using PageFactory = TSetupPage* (*)(QWidget* frame, int id, QSize size, int esata);
template <class Page> TSetupPage* makePage(QWidget* frame, int id, QSize size, int)
{
    return new Page(frame, id, size);
}

// The storage and S.M.A.R.T. pages come in two shapes: the eSATA ones on a
// unit with more than three disks.
TSetupPage* makeStrg(QWidget* frame, int id, QSize size, int esata)
{
    return esata ? new TSetupStrgEsata(frame, id, size) : new TSetupStrg(frame, id, size);
}

TSetupPage* makeSmart(QWidget* frame, int id, QSize size, int esata)
{
    return esata ? new TSetupSmartEsata(frame, id, size) : new TSetupSmart(frame, id, size);
}

const std::array<PageFactory, TSetupWnd::BUTTONS> kPageFactory = [] {
    std::array<PageFactory, TSetupWnd::BUTTONS> t{};
    t[Btn_Display_Osd] = &makePage<TSetupOsd>;
    t[Btn_Display_Disp] = &makePage<TSetupDisp>;
    t[Btn_Display_Spot] = &makePage<TSetupSpot>;
    t[Btn_Display_Color] = &makePage<TSetupColor>;
    t[Btn_Device_Alarm] = &makePage<TSetupAlarm>;
    t[Btn_Device_Audio] = &makePage<TSetupAudio>;
    t[Btn_Device_Ptz] = &makePage<TSetupPtz>;
    t[Btn_Device_Ctrl] = &makePage<TSetupCtrl>;
    t[Btn_Device_Pos] = &makePage<TSetupPos>;
    t[Btn_Network_Addr] = &makePage<TSetupAddr>;
    t[Btn_Network_Port] = &makePage<TSetupPort>;
    t[Btn_Network_Ddns] = &makePage<TSetupDdns>;
    t[Btn_Network_Email] = &makePage<TSetupEmail>;
    t[Btn_Network_Control] = &makePage<TSetupNetCtrl>;
    t[Btn_Network_Status] = &makePage<TSetupStatus>;
    t[Btn_System_Dt] = &makePage<TSetupDt>;
    t[Btn_System_User] = &makePage<TSetupUser>;
    t[Btn_System_Strg] = &makeStrg;
    t[Btn_System_Smart] = &makeSmart;
    t[Btn_System_Slog] = &makePage<TSetupSlog>;
    t[Btn_System_Config] = &makePage<TSetupConfig>;
    return t;
}();

bool isTab(int id)
{
    const int col = tabColumnOf(id);
    return col >= 0 && kSetupTabs[col].id == id;
}

} // namespace

TSetupWnd::TSetupWnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
    m_frameBg = ctlImage(FrameBack);
    m_reqGroup = Btn_Display;
    if (g_cfg) {
        const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
        m_esata = dev->storage >= 4 ? 1 : 0;
    }
}

TSetupWnd::~TSetupWnd()
{
    // The pages hide as they go with the frame: nothing they report reaches
    // the frame any more.
    for (TSetupPage*& p : m_pages) {
        if (!p)
            continue;
        disconnect(p, nullptr, this, nullptr);
        delete p;
        p = nullptr;
    }
    for (QIcon*& icon : m_tabIcon) {
        delete icon;
        icon = nullptr;
    }
    delete m_itemIcon;
    delete m_bottomIcon;
}

void TSetupWnd::init(int)
{
    createCtrl();
    layoutCtrl();
    evtLanguage();
    createWnd();
    placePages();
    m_selPage = m_reqGroup = m_group = Btn_Display;
    m_pipPending = 0;
    m_page = -1;
    m_lastGroup = -1;
}

void TSetupWnd::createCtrl()
{
    QFont f = font();
    f.setPixelSize(ctlScale(14));
    for (int k = 0; k < 5; ++k) {
        m_tabIcon[k] = TRes::makeIcon(ctlImage(48 + 2 * k), 4, false);
        TRes::addIconStates(m_tabIcon[k], ctlImage(49 + 2 * k), 4, true);
    }
    m_itemIcon = TRes::makeIcon(ctlImage(59), 4, false);
    TRes::addIconStates(m_itemIcon, ctlImage(60), 4, true);
    m_bottomIcon = TRes::makeIcon(ctlImage(21), 4, false);

    for (int id = 0; id < BUTTONS; ++id) {
        TButton* b;
        if (isTab(id)) {
            b = new TButton(this, m_tabIcon[tabColumnOf(id)], QString(), id, ctlColor(2), 1);
            b->setAlign(Qt::AlignRight | Qt::AlignVCenter, 0);
            b->setState(id == Btn_Display ? 1 : 2, nullptr);
            m_matrix[0][tabColumnOf(id)] = b;
        } else if (id <= Btn_Cancel) {
            b = new TButton(this, m_bottomIcon, QString(), id, ctlColor(0), 4);
            m_matrix[id == Btn_Shutdown ? 9 : id == Btn_Ok ? 10 : 11][0] = b;
        } else {
            b = new TButton(this, m_itemIcon, QString(), id, ctlColor(3), 1);
        }
        b->setFont(f);
        b->setVisible(isTab(id) || id == Btn_Ok || id == Btn_Cancel || id == Btn_Display_Osd);
        m_btn[id] = b;
    }
}

void TSetupWnd::layoutCtrl()
{
    if (!m_btn[0])
        return;
    const QSize tab = ctlSize(TabSize, QSize(160, 40));
    for (int k = 0; k < 5; ++k)
        m_btn[kSetupTabs[k].id]->setGeometry(k * tab.width(), 0, tab.width(), tab.height());
    const int itemW = ctlScale(110);
    const int itemH = ctlSize(ItemSize, QSize(110, 30)).height();
    const int top = g_res ? g_res->getValue(PageTop) : 50;
    for (const SetupTab& t : kSetupTabs) {
        int row = 0;
        for (int id = t.first; id <= t.last; ++id) {
            if (id == Btn_Display_SpotHd)
                continue; // never shown, no place of its own
            m_btn[id]->setGeometry(ItemLeft, top + row * (itemH + 2), itemW, itemH);
            ++row;
        }
    }
    const QSize bs = ctlSize(BottomSize, QSize(85, 25));
    const int h = height();
    const int b = bs.height();
    const int x = ItemLeft + (itemW - bs.width()) / 2;
    m_btn[Btn_Shutdown]->setGeometry(x, h - 8 - 3 * (b + 4), bs.width(), b);
    m_btn[Btn_Ok]->setGeometry(x, h - 8 - 2 * (b + 4), bs.width(), b);
    m_btn[Btn_Cancel]->setGeometry(x, h - 8 - (b + 4), bs.width(), b);
}

void TSetupWnd::createWnd()
{
    for (int id = 0; id < BUTTONS; ++id) {
        if (!kPageFactory[id])
            continue;
        TSetupPage* p = kPageFactory[id](this, id, ctlSize(PageSize, QSize(640, 480)), m_esata);
        if (!p)
            continue;
        p->init(PageBack);
        p->setMenu(m_matrix);
        m_pages[id] = p;
    }
}

void TSetupWnd::placePages()
{
    for (TSetupPage* p : m_pages) {
        if (!p)
            continue;
        p->resize(ctlSize(PageSize, p->size()));
        p->move(g_res ? g_res->getValue(PageLeft) : 130, g_res ? g_res->getValue(PageTop) : 50);
        p->hide();
    }
}

bool TSetupWnd::adoptPage(int id, TSetupPage* page)
{
    if (!page || !isPageId(id) || id == Btn_Display_SpotHd || m_adopted[id])
        return false;
    // A page the frame built itself gives its slot up.
    if (TSetupPage* own = m_pages[id]) {
        if (m_page == id)
            m_page = -1;
        disconnect(own, nullptr, this, nullptr);
        own->hide();
        delete own;
        m_pages[id] = nullptr;
    }
    m_adopted[id] = 1;
    page->setParent(this);
    page->setMenu(m_matrix);
    m_pages[id] = page;
    page->resize(ctlSize(PageSize, page->size()));
    page->move(g_res ? g_res->getValue(PageLeft) : 130, g_res ? g_res->getValue(PageTop) : 50);
    page->hide();
    if (isVisible()) {
        connect(page, &TSetupPage::sg_showed, this, &TSetupWnd::sl_showed);
        connect(page, &TSetupPage::sg_action, this, &TSetupWnd::sl_action);
    }
    return true;
}

TSetupPage* TSetupWnd::page(int id) const
{
    return id >= 0 && id < BUTTONS ? m_pages[id] : nullptr;
}

TButton* TSetupWnd::button(int id) const
{
    return id >= 0 && id < BUTTONS ? m_btn[id] : nullptr;
}

void TSetupWnd::setCurGroup(int tab)
{
    if (isTab(tab))
        m_reqGroup = tab;
}

TSetupPage* TSetupWnd::shownPage() const
{
    for (int id = Btn_Display_Osd; id < BUTTONS; ++id) {
        if (m_pages[id] && m_pages[id]->isVisible())
            return m_pages[id];
    }
    return nullptr;
}

// ---- Show, hide, language and painting --------------------------------------

void TSetupWnd::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TSetupWnd::sl_btnclicked, Qt::UniqueConnection);
    for (TSetupPage* p : m_pages) {
        if (!p)
            continue;
        connect(p, &TSetupPage::sg_showed, this, &TSetupWnd::sl_showed, Qt::UniqueConnection);
        connect(p, &TSetupPage::sg_action, this, &TSetupWnd::sl_action, Qt::UniqueConnection);
    }
    connect(this, &TSetupWnd::sg_reply, this, &TSetupWnd::sl_reply, Qt::UniqueConnection);
    qCDebug(lcUiSetup, "========= TSetupWnd::connectTo() ==========");
}

void TSetupWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TSetupWnd::sl_btnclicked);
    for (TSetupPage* p : m_pages) {
        if (!p)
            continue;
        disconnect(p, &TSetupPage::sg_showed, this, &TSetupWnd::sl_showed);
        disconnect(p, &TSetupPage::sg_action, this, &TSetupWnd::sl_action);
    }
    disconnect(this, &TSetupWnd::sg_reply, this, &TSetupWnd::sl_reply);
    qCDebug(lcUiSetup, "========= TSetupWnd::disconnectFrom() ==========");
}

void TSetupWnd::evtShow()
{
    // The pages' signals reach the frame while it is shown; the first page
    // of the tab shows inside setGroup, so they are connected first.
    connectTo();
    setGroup(m_reqGroup);
    QWidget* focus = m_curCtrl ? m_curCtrl : m_btn[Btn_Display];
    focus->setFocus(Qt::OtherFocusReason);
}

void TSetupWnd::evtHide()
{
    m_page = -1;
    m_reqGroup = Btn_Display;
    m_curCtrl = nullptr;
    m_lastGroup = -1;
    m_pipPending = 0;
    // Open keyboards and the file chooser answer Cancel.
    if (g_vkeyboard && g_vkeyboard->isVisible())
        g_vkeyboard->cancelButton()->click();
    if (g_vkeynum && g_vkeynum->isVisible())
        g_vkeynum->cancelButton()->click();
    if (g_fileWnd && g_fileWnd->isVisible())
        g_fileWnd->cancelButton()->click();
    for (TSetupPage* p : m_pages) {
        if (p && p->isVisible())
            p->closeSubWindows();
    }
    QCoreApplication::processEvents();
}

void TSetupWnd::evtResize()
{
    layoutCtrl();
    placePages();
}

void TSetupWnd::evtLanguage()
{
    for (int id = 0; id < BUTTONS; ++id) {
        if (m_btn[id])
            m_btn[id]->setText(ctlText(kText[id]));
    }
    for (TSetupPage* p : m_pages) {
        if (!p)
            continue;
        p->evtLanguage();
        if (p->isVisible())
            p->repaint();
    }
    QCoreApplication::processEvents();
}

void TSetupWnd::paintEvent(QPaintEvent* e)
{
    if (m_frameBg.isNull() || m_frameBg.width() <= 1)
        return;
    QPainter p(this);
    const QSize want = ctlSize(FrameBack, size());
    if (m_frameBg.size() == want) {
        for (const QRect& r : e->region())
            p.drawPixmap(r, m_frameBg, r);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRect(QPoint(0, 0), want), m_frameBg);
    }
}

// ---- Tabs, pages and the menu's focus ----------------------------------------

void TSetupWnd::setGroup(int tab)
{
    if (!m_lock.tryLock(1000))
        return;
    if (tab == m_lastGroup || !isTab(tab)) {
        m_lock.unlock();
        return;
    }
    if (m_group < 0)
        m_group = tab;
    const int oldCol = tabColumnOf(m_group);
    m_btn[m_group]->setState(2, nullptr);
    for (int id = kSetupTabs[oldCol].first; id <= kSetupTabs[oldCol].last; ++id) {
        m_btn[id]->setState(2, nullptr);
        m_btn[id]->hide();
    }
    const SetupTab& t = kSetupTabs[tabColumnOf(tab)];
    m_btn[tab]->setState(1, nullptr);
    for (int id = t.first; id <= t.last; ++id)
        m_btn[id]->setVisible(id != Btn_Display_SpotHd);
    m_lastGroup = m_group = tab;
    keyMatch();
    // A tab whose first page is not built shows no page at all.
    if (!m_pages[t.first] && m_page >= 0) {
        if (TSetupPage* old = m_pages[m_page]) {
            m_selPage = t.first;
            if (old->isVisible())
                old->hideWnd();
        }
        m_page = -1;
    }
    setPage(t.first);
    m_btn[Btn_Shutdown]->setVisible(tab == Btn_System);
    m_lock.unlock();
}

void TSetupWnd::setPage(int id)
{
    if (id < 0 || id >= BUTTONS || !m_pages[id] || id == m_page)
        return;
    m_selPage = id;
    if (m_page >= 0 && m_pages[m_page]) {
        if (m_pages[m_page]->isVisible())
            m_pages[m_page]->hideWnd();
        m_btn[m_page]->setState(2, nullptr);
    }
    qCDebug(lcUiSetup, "========== TSetupWnd::setPage cur:%d pre:%d ========", m_selPage, m_page);
    if (m_btn[id]) {
        if (m_pages[id]->isHidden())
            m_pages[id]->show();
        m_btn[id]->setState(1, nullptr);
    }
    m_page = id;
}

void TSetupWnd::keyMatch()
{
    for (int r = 1; r <= 8; ++r)
        for (int c = 0; c < MENU_COLS; ++c)
            m_matrix[r][c] = nullptr;
    for (FocusLink& l : m_menuLinks)
        l = FocusLink{0, nullptr, nullptr, nullptr, nullptr, nullptr};
    const int col = tabColumnOf(m_group);
    const SetupTab& t = kSetupTabs[col];
    TButton* tab = m_btn[t.id];
    TButton* first = m_btn[t.first];
    TButton* last = m_btn[t.last];
    TButton* ok = m_btn[Btn_Ok];
    TButton* cancel = m_btn[Btn_Cancel];
    TButton* shutdown = m_btn[Btn_Shutdown];
    for (int k = 0; k < 5; ++k) {
        TButton* b = m_btn[kSetupTabs[k].id];
        m_menuLinks[kSetupTabs[k].id] = {0, b, m_btn[kSetupTabs[(k + 1) % 5].id], m_btn[kSetupTabs[(k + 4) % 5].id],
                                         first, ok};
    }
    for (int id = t.first; id <= t.last; ++id) {
        m_matrix[1 + id - t.first][0] = m_btn[id];
        QWidget* up = id == t.first ? static_cast<QWidget*>(tab) : m_btn[id - 1];
        QWidget* down = id == t.last ? static_cast<QWidget*>(ok) : m_btn[id + 1];
        m_menuLinks[id] = {0, m_btn[id], nullptr, nullptr, down, up};
        // Left and right stay in the column: the links back to itself.
        m_menuLinks[id].right = m_menuLinks[id].left = m_btn[id];
    }
    m_menuLinks[Btn_Shutdown] = {0, shutdown, ok, cancel, tab, last};
    m_menuLinks[Btn_Ok] = {0, ok, cancel, shutdown, tab, last};
    m_menuLinks[Btn_Cancel] = {0, cancel, shutdown, ok, tab, last};
    m_curCtrl = tab;
    tab->setFocus(Qt::OtherFocusReason);
    qCDebug(lcUiSetup, "=============== TSetupWnd::keyMatch() focus:%p ============", static_cast<void*>(tab));
}

int TSetupWnd::leaveCheck()
{
    TSetupPage* p = shownPage();
    return p ? p->leaveCheck() : 0;
}

// ---- Buttons, actions and answers -------------------------------------------

void TSetupWnd::leave(int code)
{
    m_pipPending = 0;
    // The preview page takes its picture away before the frame goes.
    for (int id : {Btn_Device_Ptz, Btn_Device_Private, Btn_Device_Motion, Btn_Display_Color}) {
        if (m_pages[id] && m_pages[id]->isVisible()) {
            m_pages[id]->hideWnd();
            break;
        }
    }
    hideWnd();
    emit sg_request(code, 0, 0);
}

void TSetupWnd::sl_btnclicked(int id, int)
{
    if (!m_lock.tryLock(1000))
        return;
    if (id == Btn_Shutdown) {
        askShutdown();
    } else if (id == Btn_Ok) {
        if (!leaveCheck())
            leave(Btn_Ok);
    } else if (id == Btn_Cancel) {
        leave(Btn_Cancel);
    } else if (isTab(id)) {
        if (!leaveCheck())
            setGroup(id);
    } else if (id > Btn_Cancel && id < BUTTONS) {
        if (!leaveCheck())
            setPage(id);
    }
    m_lock.unlock();
}

void TSetupWnd::closeForRemote()
{
    if (!isVisible())
        return;
    m_pipPending = 0;
    for (int id : {Btn_Device_Ptz, Btn_Device_Private, Btn_Device_Motion, Btn_Display_Color}) {
        if (m_pages[id] && m_pages[id]->isVisible()) {
            m_pages[id]->hideWnd();
            break;
        }
    }
    hideWnd();
}

void TSetupWnd::sl_action(int code, int a, int b, QString text)
{
    if (code == Btn_Cancel) {
        sl_btnclicked(Btn_Cancel, 0);
        return;
    }
    if (code == Act_PipHide && m_selPage != m_page && isPreviewPage(m_selPage) && isPreviewPage(m_page)) {
        qCDebug(lcUiSetup, "========== TSetupWnd::sl_action repipshow predict ========");
        m_pipPending = 1;
        return;
    }
    if (code == Act_PipShow && m_pipPending) {
        qCDebug(lcUiSetup, "========== TSetupWnd::sl_action repipshow ========");
        m_pipPending = 0;
        code = Act_PipReshow;
    }
    qCDebug(lcUiSetup, "========== TSetupWnd::sl_action %d %d %d  page1:%d page2:%d ========", code, a, b, m_selPage,
            m_page);
    emit sg_request(code, a, b, text);
}

void TSetupWnd::reply(int code, int a, void* data)
{
    qCDebug(lcUiSetup, "========== TSetupWnd::reply %d %d %p ========", code, a, data);
    emit sg_reply(code, a, data);
}

void TSetupWnd::sl_reply(int code, int a, void* data)
{
    Q_UNUSED(a);
    qCDebug(lcUiSetup, "========== TSetupWnd::sl_reply %d %d %p ========", code, a, data);
    switch (code) {
    case Act_InfoCamera:
    case Act_InfoMotion:
    case Act_InfoPos:
    case Act_InfoStrg:
    case Act_ConfDetect:
    case Act_ConfMount:
        // Only the page shown hears these.
        if (TSetupPage* p = shownPage())
            p->reply(code, data);
        break;
    case Act_InfoDhcp:
    case Act_InfoUpnp:
    case Act_InfoDdns:
    case Act_InfoNetClient:
    case Act_InfoSmart:
    case Act_InfoSlog:
    case Act_InfoSlog2:
    case Act_InfoSlogLines:
        for (TSetupPage* p : m_pages) {
            if (p)
                p->reply(code, data);
        }
        break;
    default: break;
    }
}

void TSetupWnd::sl_showed(int id, int shown, QRegion)
{
    if (id == Btn_Network_Addr && shown)
        emit sg_request(Act_InfoDhcp, 0, 0);
}

QRect TSetupWnd::pipRect() const
{
    for (int id : {Btn_Display_Color, Btn_Device_Motion, Btn_Device_Ptz, Btn_Device_Private}) {
        if (m_pages[id] && m_pages[id]->isVisible())
            return m_pages[id]->pipRect();
    }
    return QRect(QPoint(0, 0), QPoint(-1, -1));
}

void TSetupWnd::toDt(int reset, const QString& now)
{
    TSetupPage* p = m_pages[Btn_System_Dt];
    if (p && p->isVisible())
        p->toDt(reset, now);
}

void TSetupWnd::askShutdown()
{
    if (!g_msgWnd)
        return;
    connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupWnd::sl_fromMsg, Qt::UniqueConnection);
    g_msgWnd->setType(MsgOkCancel);
    g_msgWnd->setTitle(ctlText(28));
    g_msgWnd->setText(ctlText(244) + QLatin1Char('?'));
    g_msgWnd->moveCenter(this);
    g_msgWnd->show();
}

void TSetupWnd::sl_fromMsg(int button)
{
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupWnd::sl_fromMsg);
    if (button != MsgBtnOk)
        return;
    emit sg_request(Btn_Shutdown, 0, 0);
    hideWnd();
}

// ---- Keys ---------------------------------------------------------------

void TSetupWnd::postToPage(TSetupPage* page, QEvent::Type type, int key)
{
    if (!m_lock.tryLock(1000))
        return;
    QCoreApplication::postEvent(page, new QKeyEvent(type, key, Qt::NoModifier, QString(), false, 1));
    m_lock.unlock();
}

void TSetupWnd::evtKeydown(int key)
{
    if (TSetupPage* p = shownPage()) {
        postToPage(p, QEvent::KeyPress, key);
        return;
    }
    qCDebug(lcUiSetup, "========== TSetupWnd::evtKeydown (%08x) ==================", key);
    QWidget* next = nullptr;
    switch (key) {
    case Qt::Key_Escape: sl_btnclicked(Btn_Cancel, 0); return;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: next = focusNextPrev(key, m_menuLinks, BUTTONS); break;
    case Qt::Key_Enter:
    case Qt::Key_Return: {
        QWidget* w = focusFind(key, m_menuLinks, BUTTONS);
        if (w) {
            m_curCtrl = w;
            QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        }
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: next = focusMove(key, m_menuLinks, BUTTONS); break;
    default: return;
    }
    if (!next)
        next = m_btn[Btn_Display];
    next->setFocus(Qt::OtherFocusReason);
    m_curCtrl = next;
}

void TSetupWnd::evtKeyup(int key)
{
    if (TSetupPage* p = shownPage()) {
        postToPage(p, QEvent::KeyRelease, key);
        return;
    }
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_curCtrl)
        QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
}
