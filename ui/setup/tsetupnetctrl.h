#pragma once
#include "tsetuppage.h"

// The network stream page of the Network tab: per camera whether it is
// streamed and the resolution, frame rate and quality of its two network
// streams, with the frame load of each encoder chip against the chip's limit
// and the bitrate of the first streams shown as they are edited. While a
// chip is over its limit the page cannot be applied nor left.
class TSetupNetCtrl : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_ON, R_RES, R_FPS, R_QUAL, R_SUBRES, R_SUBFPS, R_SUBQUAL, R_ALL, R_DEFAULT, R_APPLY, R_MENU };
    enum { MaxChips = 32 };

    TSetupNetCtrl(QWidget* parent, int id, QSize size);

    // 1 (with the warning shown) while a chip is over its limit, else 0.
    int checkFps();
    int leaveCheck() override { return checkFps(); }
    // The chip loads against the limit, "24.0/30.0/12.5 (60.0)".
    QString totalText() const;
    // The first streams' bitrate, "1024.0 Kbps".
    QString bandwidthText() const;
    bool overLimit() const;

    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;

protected:
    void setCtrl() override;
    void onReply(int code, const void* data) override;
    void applyAll() override;
    // The camera row ends lead to the page's item instead of wrapping.
    void keyMatch() override;

private:
    // The loads of the chips and the limit of one chip.
    QVector<double> chipLoads(double* limit) const;
    void warnLimit();
};
