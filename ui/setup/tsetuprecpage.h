#pragma once
#include "tsetuppage.h"

#include <QtGlobal>

struct RecordEntry;

// The shape the record page and the record-group page share: per camera the
// recording mode, audio, the continuous and event resolution, frame rate and
// quality, the post-event duration and the pre-alarm, with the total frame
// load of the table shown against the unit's frame budget and the days the
// disks can record at the settings on screen. A table over the budget holds
// Apply, Menu and the frame's OK, tab and item changes with a warning. The
// group page puts a chooser of the four record groups in front; the record
// page edits its one table.
class TSetupRecPage : public TSetupPage
{
    Q_OBJECT
public:
    // The rows after the group chooser (which only the group page has).
    enum RowId {
        R_MODE,
        R_ALL,
        R_AUDIO,
        R_CRES,
        R_CFPS,
        R_CQUAL,
        R_ERES,
        R_EFPS,
        R_EQUAL,
        R_POST,
        R_PRE,
        R_APPLY,
        R_DEFAULT,
        R_MENU,
        R_COUNT
    };

    // The page's row of a control; the group chooser is row 0 of the group
    // page and -1 on the record page.
    int row(int rowId) const { return rowId + m_shift; }
    int groupRow() const { return m_shift ? 0 : -1; }
    int group() const { return m_group; }
    int groupCount() const { return m_groupCount; }

    // 1 (with the warning shown) while a table is over the budget, else 0.
    int checkFps();
    int leaveCheck() override { return checkFps(); }
    // The first table whose load, cut to a whole frame, exceeds the budget;
    // -1 when none does.
    int firstOver() const;
    // The shown table's load, "%d.%d" ("%d" without tenths), and its load.
    QString totalText() const;
    double totalLoad() const;
    // The estimate drawn ("12.05 Day"); empty while no disk capacity is known.
    QString estimateText() const;
    // Days the capacity holds at a byte rate, with two fraction digits cut
    // (never a hundredth too few): "3.05 Day"; empty without capacity.
    static QString daysText(qint64 capacityBytes, double bytesPerSecond);
    qint64 hddTotal() const { return m_hddTotal; }

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;

protected:
    // groups: 1 for the record table, the option list's count (at most the
    // section's four) for the group page.
    TSetupRecPage(QWidget* parent, int id, QSize size, int section, bool grouped);

    void setCtrl() override;
    void keyMatch() override;
    void onReply(int code, const void* data) override;
    void applyAll() override;
    // The table of a group (0 for the record page) in the edit copy.
    const RecordEntry* table(int group) const;
    // The shown table changes: the field rows follow.
    void setGroup(int group);

    int m_group = 0;
    int m_groupCount = 1;

private:
    void warnBudget();
    int budget() const;

    int m_section;
    int m_shift;
    qint64 m_hddTotal = 0;
    QVector<int> m_labels; // a label text per row, -1 none
    QRect m_totalRect;
    QRect m_daysRect;
    QRect m_contHead;
    QRect m_eventHead;
};
