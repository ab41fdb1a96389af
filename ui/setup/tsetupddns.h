#pragma once
#include "tsetuppage.h"

class QLabel;

// The DDNS page of the Network tab: the service the recorder registers its
// address with, chosen from the variant's list, the fields that service
// needs (enabled, filled and written by the form rules), the update period,
// the DDNS test and the registration state the device reports.
class TSetupDdns : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_TYPE, R_SERVER, R_PORT, R_DOMAIN, R_ID, R_PW, R_DUR, R_TEST, R_APPLY, R_DEFAULT, R_MENU };

    TSetupDdns(QWidget* parent, int id, QSize size);

    // The DDNS state text (answer 65), also while the page is hidden.
    void showResult(const QString& text);
    QString statusText() const;

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;
    void sl_edclicked(int id) override;
    void sl_reply(int code, QString text) override;

protected:
    void setCtrl() override;
    void onReply(int code, const void* data) override;

private:
    int position() const;

    QLabel* m_status = nullptr;
};
