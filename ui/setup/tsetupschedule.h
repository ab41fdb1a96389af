#pragma once
#include "tsetuppage.h"

#include <QStringList>

class TScheduler;
struct RecordEntry;

// The schedule page of the Record tab: the weekly grid of ten-minute cells,
// each naming the record group whose settings apply then (or no recording),
// with the master and holiday switches. The page chooses the group a
// selection paints and shows, for the group under the pointer, what every
// camera would record.
class TSetupSchedule : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { R_ON, R_HOLIDAY, R_GRID, R_A, R_B, R_C, R_D, R_NONE, R_APPLY, R_DEFAULT, R_MENU, R_COUNT };
    enum { Groups = 4, NoRecording = 4 };

    TSetupSchedule(QWidget* parent, int id, QSize size);

    TScheduler* scheduler() const { return m_scheduler; }
    // The group a selection paints, 0..3 A..D, 4 none.
    int paintGroup() const { return m_paint; }
    const QStringList& status() const { return m_status; }
    // The class of a record picture: "D1", "2CIF" or "CIF".
    static QString resName(int width, int height);
    // One camera's line for an entry of a group: "C.E/D1/7.5", or "None".
    static QString statusLine(const RecordEntry& e);

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void connectTo() override;
    void disconnectFrom() override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    // The grid's news: 0 the group under the pointer, 1 cells changed.
    void sl_changeValue(int type, int value, char** data);

protected:
    void setCtrl() override;
    void keyMatch() override;
    int keyTaken(int key) override;

private:
    void selectGroup(int group);
    void fillStatus(int group);

    TScheduler* m_scheduler = nullptr;
    int m_paint = 1;
    QStringList m_status;
    QRect m_statusRect;
};
