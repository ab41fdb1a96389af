#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QIcon;
class TButton;

// The user chooser of the login: the operator steps through the defined
// accounts with the two arrows and answers OK (the main window then asks for
// the password) or CANCEL. Empty account slots are never offered.
class TLogin : public TDefWnd
{
    Q_OBJECT
public:
    enum { BTN_PREV = 0, BTN_NEXT = 1, BTN_OK = 2, BTN_CANCEL = 3, USERS = 8, REQ_USER = 2 };

    TLogin(QWidget* parent, int id, QSize size);
    ~TLogin() override;

    // Preselects an account; an index outside 0..7 or an empty account
    // selects the first defined one.
    void setUser(int index);
    int user() const { return m_user; }
    // The account's name as the window shows it (empty for an empty slot).
    static QString userName(int index);
    TButton* button(int id) const;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    // Sent only on OK, after the window hid itself: (REQ_USER, account).
    void sg_request(int code, int user);

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    // The next defined account from index from on, stepping by step (1 or
    // 7) round the eight slots; -1 when none of the eight is defined.
    static int defined(int from, int step);

    TButton* m_btn[4];
    QIcon* m_icon[3]; // OK and CANCEL, previous, next
    QRect m_titleRect;
    QRect m_nameRect;
    int m_user;
    FocusLink m_focusTable[4];
};
