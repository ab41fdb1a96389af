#pragma once
#include "tsetuppage.h"

class TSetupEmailEvt;

// The e-mail page of the Network tab: the master switch, receiver, sender,
// SMTP server and port, authentication and SSL, account and password, the
// interval between mails, the e-mail test and the event selection window
// the page owns.
class TSetupEmail : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId {
        R_ON,
        R_TO,
        R_FROM,
        R_SERVER,
        R_PORT,
        R_AUTH,
        R_SSL,
        R_ID,
        R_PW,
        R_DUR,
        R_TEST,
        R_EVENT,
        R_APPLY,
        R_DEFAULT,
        R_MENU
    };

    TSetupEmail(QWidget* parent, int id, QSize size);
    ~TSetupEmail() override;

    TSetupEmailEvt* eventWindow() const { return m_evtWnd; }

    void init(int background) override;
    void evtResize() override;
    void evtHide() override;
    void evtKeyup(int key) override;
    void evtLanguage() override;
    void closeSubWindows() override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_edclicked(int id) override;
    void sl_reply(int code, QString text) override;

protected:
    void setCtrl() override;
    int keyTaken(int key) override;

private:
    TSetupEmailEvt* m_evtWnd = nullptr;
};
