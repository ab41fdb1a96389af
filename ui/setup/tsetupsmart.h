#pragma once
#include "tsetuppage.h"

#include <QString>
#include <QStringList>

struct SmartInfo;

// The "S.M.A.R.T." page of the System tab: whether the disks' S.M.A.R.T.
// checks run, their weekday, the error count that raises the start-up
// message, the temperature period and limit, the alarm output, and the last
// readings of the first disks (errors and tests, temperature, reallocated
// sectors with the verdict, days of use), asked for after the show while the
// checks are on. The eSATA variant shows four internal disks and opens the
// readings of the enclosures in a window of their own.
class TSetupSmart : public TSetupPage
{
    Q_OBJECT
public:
    enum { COLUMNS = 4 };

    TSetupSmart(QWidget* parent, int id, QSize size);

    // The texts of one reading.
    static QString errorText(int error, int tests);
    static QString tempText(int celsius);
    static QString reallocText(int badSectors, int result);
    static QString daysText(int powerOnHours);
    // The four texts of a disk; false, and out untouched, for a disk not read
    // or outside the record.
    static bool readings(const SmartInfo& s, int disk, QString out[COLUMNS]);
    // The page's alarm outputs: the relays marked "(R)", the other outputs,
    // then "Buzzer" (outputs counts the three pseudo-outputs as the device
    // record does).
    static QStringList alarmList(int relays, int outputs);
    // The drawn headings of the readings table.
    static QString columnHeading(int col);

    QString reading(int row, int col) const;
    int valueRows() const { return m_valueRows; }
    int numberedRows() const { return m_numbered; }
    TButton* onBox() const;
    QWidget* combo(int k) const { return control(rowCombo(k)); }
    QWidget* defaultButton() const { return control(rowDefault()); }
    QWidget* applyButton() const { return control(rowApply()); }

    void connectTo() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;

public slots:
    void sl_showStatus();

protected:
    // valueRows: rows with readings; numbered: rows drawn with a number;
    // extra: buttons of the variant between the box and "Default".
    TSetupSmart(QWidget* parent, int id, QSize size, int valueRows, int numbered, QVector<int> extra, int delay);

    void setCtrl() override;
    void keyMatch() override;
    void onReply(int code, const void* data) override;
    virtual void initSet(const SmartInfo* s);

    int rowExtra(int k) const { return 1 + k; }
    int rowDefault() const { return 1 + m_extra.size(); }
    int rowApply() const { return 2 + m_extra.size(); }
    int rowMenu() const { return 3 + m_extra.size(); }
    int rowCombo(int k) const { return 4 + m_extra.size() + k; }

    QString m_read[4][COLUMNS];

private:
    void build();
    void sl_onClicked();

    int m_valueRows;
    int m_numbered;
    QVector<int> m_extra;
    int m_delay;
    int m_tableTop = 0;
    int m_pitch = 0;
};
