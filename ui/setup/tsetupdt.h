#pragma once
#include "tsetuppage.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

class TDate;
class TTime;

// The date and time page: time zone, daylight saving, NTP server and check
// interval, an NTP sync on request, and a running clock the operator edits.
// The page never sets the clock: the edits become one offset in seconds kept
// in the record's diff, which the apply moves the clock by.
class TSetupDt : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { RowZone, RowDst, RowDate, RowTime, RowServer, RowCheck_, RowSync, RowApplyBtn, RowDefaultBtn };

    TSetupDt(QWidget* parent, int id, QSize size);

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    // Once a second from the main window's tick, and right after the clock
    // was set (reset nonzero: the pending offset is dropped). now is
    // "yyyy/MM/dd hh:mm:ss", or empty for the device's clock.
    void toDt(int reset, const QString& now) override;

    TDate* dateEdit() const { return m_date; }
    TTime* timeEdit() const { return m_time; }
    int offset() const { return m_timeDelta + m_dateDelta; }

public slots:
    void sl_dateChanged(const QDate& d);
    void sl_timeChanged(const QTime& t);

protected:
    void setCtrl() override;
    int keyTaken(int key) override;
    void buttonClicked(int row) override;

private:
    void zoneChosen(int id, int index);
    void openServer();
    void showClock();
    void connectEditors(bool on);
    void setDiff();

    TDate* m_date = nullptr;
    TTime* m_time = nullptr;
    QDateTime m_base;
    int m_timeDelta = 0;
    int m_dateDelta = 0;
};
