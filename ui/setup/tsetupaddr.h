#pragma once
#include "tsetuppage.h"

// The address page of the Network tab: the DVR name, the connection type,
// DHCP, the fixed address, mask, gateway and name server with its automatic
// choice, and a stored PPPoE account. While DHCP is on the address fields
// show what the interface holds (answer 61); that is shown, never stored,
// until DHCP is turned off.
class TSetupAddr : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId {
        R_NAME, R_TYPE, R_DHCP, R_IP, R_MASK, R_GATE, R_DNSAUTO, R_DNS,
        R_PPPID, R_PPPPW, R_PPPIP, R_PPPDNS, R_DEFAULT, R_APPLY, R_MENU
    };
    enum { OemStoredAddr1 = 3, OemStoredAddr2 = 7 };

    TSetupAddr(QWidget* parent, int id, QSize size);

    // The interface's address, mask, gateway and name server (answer 61):
    // four texts of 64 bytes.
    void initSet(const char (*text)[64]);
    // The text a field shows.
    QString fieldShown(int row) const;

    void init(int background) override;
    void evtShow() override;
    void evtResize() override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;
    void sl_edclicked(int id) override;
    void sl_reply(int code, QString text) override;

protected:
    void setCtrl() override;
    void onReply(int code, const void* data) override;

private:
    void setShown(int row, const QString& text);
    // The interface's texts of the last answer; empty before one.
    QString m_lease[4];
};
