#pragma once
#include "focuslink.h"
#include "tdefwnd.h"
#include "tsetuppage.h"

#include <QPixmap>
#include <QEvent>
#include <QRecursiveMutex>
#include <QRegion>

class QIcon;
class TButton;

// The setup menu (window 7): five tabs with their items, "Shutdown", "OK"
// and "CANCEL", and the setup pages, one shown at a time in the page area.
// It passes the keys to the shown page, forwards the pages' setup actions to
// the main window, hands the main window's answers to the page concerned and
// asks before a shutdown. It reaches the pages only through the page base;
// an item whose page is not in the page table does nothing.
class TSetupWnd : public TDefWnd
{
    Q_OBJECT
public:
    enum { BUTTONS = 38, MENU_ROWS = TSetupPage::MENU_ROWS, MENU_COLS = TSetupPage::MENU_COLS };

    TSetupWnd(QWidget* parent, int id, QSize size);
    ~TSetupWnd() override;

    // The tab (3, 9, 15, 24 or 31) the next show opens.
    void setCurGroup(int tab);
    // The user logged in when the menu opens (for the user page).
    void setCurUser(int idx) { m_curUser = idx; }
    int curUser() const { return m_curUser; }
    TSetupPage::MenuMatrix menuMatrix() { return m_matrix; }
    // An answer of the main window for the page concerned.
    void reply(int code, int a, void* data);
    // The preview rectangle of the shown preview page; (0, 0, -1, -1) as
    // left, top, right, bottom when none is shown.
    QRect pipRect() const;
    // The date/time page's clock, when that page is shown.
    void toDt(int reset, const QString& now);
    // Closes the menu for a remote setup that replaced the settings: hidden
    // without a CANCEL, so the remote settings are not reverted.
    void closeForRemote();

    // Puts a page into its slot of the page table (the frame becomes its
    // parent, it is placed and hidden); a page the frame built there goes.
    // False for an id without a page slot or a slot already given a page
    // this way.
    bool adoptPage(int id, TSetupPage* page);
    TSetupPage* page(int id) const;
    TButton* button(int id) const;
    int group() const { return m_group; }
    int curPage() const { return m_page; }
    int pipPending() const { return m_pipPending; }
    const FocusLink* menuLinks() const { return m_menuLinks; }

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    // text: the file name of 76 and 79-81.
    void sg_request(int code, int a, int b, QString text = QString());
    void sg_reply(int code, int a, void* data);

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_action(int code, int a, int b, QString text = QString());
    void sl_reply(int code, int a, void* data);
    void sl_showed(int id, int shown, QRegion region);
    void sl_fromMsg(int button);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void createCtrl();
    void layoutCtrl();
    void createWnd();
    void placePages();
    void setGroup(int tab);
    void setPage(int id);
    void keyMatch();
    // 0 when the shown page may be left.
    int leaveCheck();
    // The shown page (4..37), null when none is shown.
    TSetupPage* shownPage() const;
    void askShutdown();
    void leave(int code);
    void postToPage(TSetupPage* page, QEvent::Type type, int key);

    TButton* m_btn[BUTTONS] = {};
    TSetupPage* m_pages[BUTTONS] = {};
    int m_adopted[BUTTONS] = {};
    FocusLink m_menuLinks[BUTTONS] = {};
    QWidget* m_matrix[MENU_ROWS][MENU_COLS] = {};
    QIcon* m_tabIcon[5] = {};
    QIcon* m_itemIcon = nullptr;
    QIcon* m_bottomIcon = nullptr;
    QPixmap m_frameBg;
    int m_reqGroup = 3;
    int m_group = 3;
    int m_lastGroup = -1;
    int m_selPage = 3;
    int m_page = -1;
    int m_pipPending = 0;
    int m_esata = 0;
    int m_curUser = 0;
    QRecursiveMutex m_lock;
};
