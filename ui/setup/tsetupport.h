#pragma once
#include "tsetuppage.h"

class QLabel;

// The port page of the Network tab: the watch, search and setup service
// ports and the web port, typed on the number pad within their ranges and
// kept apart from each other, the uPnP switch, its test and the uPnP state
// the device last reported.
class TSetupPort : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_WATCH, R_SEARCH, R_SETUP, R_WEB, R_UPNP, R_TEST, R_APPLY, R_DEFAULT, R_MENU };
    enum { PortLow = 8000, PortHigh = 9999, WebLow = 80 };

    TSetupPort(QWidget* parent, int id, QSize size);

    // The uPnP state text (answer 63): shown while uPnP is on.
    void showUpnp(const QString& text);
    QString upnpText() const;
    // Whether port v may go into field (0 watch .. 3 web) against the ports
    // of the edit copy.
    static bool portAllowed(int field, int v);

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_edclicked(int id) override;
    void sl_reply(int code, QString text) override;

protected:
    void setCtrl() override;
    void onReply(int code, const void* data) override;

private:
    QLabel* m_status = nullptr;
};
