#pragma once
#include "tsetuppage.h"

#include <QDate>

class TCalendar;
class TListView;

// The holiday page of the Record tab: the days of the year (in every year)
// on which the schedule's holiday row applies, marked on a month calendar
// and listed "month - day"; added and removed with buttons or by a double
// click on a day.
class TSetupHoliday : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_CALENDAR, R_LIST, R_ADD, R_DELETE, R_DELETEALL, R_DEFAULT, R_APPLY, R_MENU, R_COUNT };

    TSetupHoliday(QWidget* parent, int id, QSize size);

    TCalendar* calendar() const { return m_calendar; }
    TListView* list() const { return m_list; }
    // The list's line of a day: "12 - 25".
    static QString lineOf(int month, int day);

    void init(int background) override;
    void evtResize() override;
    void connectTo() override;
    void disconnectFrom() override;

public slots:
    void sl_changeMonth(QDate date);
    void sl_dblclicked(QDate date);

protected:
    void setCtrl() override;
    void keyMatch() override;
    int keyTaken(int key) override;
    void buttonClicked(int row) override;

private:
    // The holiday byte of a month (1..12) and day (1..31); null outside.
    unsigned char* dayByte(int month, int day) const;
    void markMonth();

    TCalendar* m_calendar = nullptr;
    TListView* m_list = nullptr;
};
