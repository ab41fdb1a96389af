#pragma once
#include "tsetuppage.h"

class QLabel;
struct NetClientInfo;

// The network status page of the Network tab: the MAC address, the number
// of connected clients of each network service and the list of their
// addresses, asked for on every show and on "Refresh". It edits nothing.
class TSetupStatus : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_CLIENTS, R_REFRESH, R_MENU };

    TSetupStatus(QWidget* parent, int id, QSize size);

    // The clients record (answer 67), shown or not.
    void setStatus(const NetClientInfo* info);
    // The texts shown: MAC, watch, search and setup counts.
    QStringList texts() const;

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;

protected:
    // Nothing of the configuration to show: the page keeps the last answer.
    void setCtrl() override {}
    void onReply(int code, const void* data) override;

private:
    enum { MAC, WATCH, SEARCH, SETUP, LABELS };
    QLabel* m_label[LABELS] = {};
};
