#pragma once
#include "storagerecords.h"
#include "tdefwnd.h"

#include <QString>

class QIcon;
class TButton;

// The readings of one eSATA enclosure's six disks, opened from the eSATA
// S.M.A.R.T. page: a title, six numbered rows of errors and tests,
// temperature, reallocated sectors and days of use, and "OK". It keeps its
// own copy of the last readings the page was handed, so opening it asks
// the device nothing. OK, Enter and Escape close it.
class TSetupSmartInfo : public TDefWnd
{
    Q_OBJECT
public:
    enum { ROWS = 6 };

    TSetupSmartInfo(QWidget* parent, int id, QSize size);
    ~TSetupSmartInfo() override;

    // The title, and every reading cleared.
    void setTitle(const QString& title);
    QString title() const { return m_title; }
    // 0 for the first enclosure (disks 5 to 10), 6 for the second.
    void setFirst(int first);
    int first() const { return m_first; }
    // A copy of the page's last readings.
    void setInfo(const SmartInfo& info) { m_info = info; }
    // The rows from the copy; a disk not read keeps an empty row.
    void initSet();
    QString reading(int row, int col) const;
    TButton* okButton() const { return m_ok; }

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    SmartInfo m_info = {};
    QString m_title;
    QString m_read[ROWS][4];
    int m_first = 0;
    TButton* m_ok = nullptr;
    QIcon* m_icon = nullptr;
};
