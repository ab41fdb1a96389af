#pragma once
#include "tsetupsubwnd.h"

#include "propsections.h"

class TButton;

// The camera rights of one user: per camera, seen on the local monitor and
// over the network. Edits the user section of the edit copy in place; CANCEL
// puts it back as it was when the window was shown (TSetupSubWnd).
class TSetupUserCam : public TSetupSubWnd
{
    Q_OBJECT
public:
    enum { CAMS = 20, LOCAL_ALL = 20, NET0 = 21, NET_ALL = 41, OK = 43, CANCEL = 44 };

    TSetupUserCam(QWidget* parent, int id, QSize size);

    void setUser(int user);
    int user() const { return m_user; }
    void setTitle(const QString& title) { m_title = title; }
    TButton* button(int id) const;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_btnclicked(int id, int state = 0);

protected:
    QWidget* firstCtrl() const override;

private:
    UserAccount* account() const;

    TButton* m_btn[CANCEL + 1] = {};
    QString m_title;
    int m_user = 0;
};
