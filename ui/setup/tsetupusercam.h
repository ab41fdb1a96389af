#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QVector>

#include "propsections.h"

class TButton;

// The camera rights of one user: per camera, seen on the local monitor and
// over the network. Edits the edit copy in place; CANCEL puts back the user
// section as it was when the window was shown.
class TSetupUserCam : public TDefWnd
{
    Q_OBJECT
public:
    enum { CAMS = 20, LOCAL_ALL = 20, NET0 = 21, NET_ALL = 41, OK = 43, CANCEL = 44 };

    TSetupUserCam(QWidget* parent, int id, QSize size);

    void setUser(int user);
    int user() const { return m_user; }
    void setTitle(const QString& title) { m_title = title; }
    TButton* button(int id) const;
    void cancel();

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    UserAccount* account() const;

    TButton* m_btn[CANCEL + 1] = {};
    QVector<FocusLink> m_focus;
    PropUser m_backup = {};
    PropUser m_mine = {}; // the user section as this window last left it
    QString m_title;
    int m_user = 0;
};
