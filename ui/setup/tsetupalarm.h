#pragma once
#include "tsetuppage.h"

#include <QStringList>

class TAlarmtbl;
class TSetupAlarmPreset;
class QIcon;

// The alarm-output page: per tab the sensor types, which sensors, cameras
// (motion, video loss) and text inputs drive which alarm outputs (a table of
// outputs against inputs), how long each output holds, and the outputs'
// names; the "Setup" button of the motion tab opens the PTZ presets called
// on motion.
class TSetupAlarm : public TSetupPage
{
    Q_OBJECT
public:
    enum { TABS = 7, OUT_ROWS = 24, SENSORS = 20, NAMES = 24 };
    enum Tab { TabSensorType, TabSensorIn, TabMotion, TabPos, TabVideoLoss, TabDuration, TabName };
    // Rows of the page: the tabs, "Setup", the commands, then the duration
    // lists (one per output row and "Preset"), the sensor-type lists and the
    // name fields.
    enum RowId {
        RowTab0 = 0,
        RowPreset = TABS,
        RowDefaultBtn,
        RowApplyBtn,
        RowMenuBtn,
        RowDur0,
        RowSensor0 = RowDur0 + OUT_ROWS,
        RowName0 = RowSensor0 + SENSORS,
        ROWS = RowName0 + NAMES
    };
    // The unit's counts as the page uses them, each kept to what the
    // section's arrays hold.
    struct Counts
    {
        int videos;
        int sensors;
        int txtin;
        int outputs; // alarm outputs plus Buzzer, Popup and Spot Popup: 3..23
        int relays;  // 0..outputs - 3
    };
    static Counts counts();

    TSetupAlarm(QWidget* parent, int id, QSize size);
    ~TSetupAlarm() override;

    int tab() const { return m_tab; }
    TAlarmtbl* table() const { return m_table; }
    TSetupAlarmPreset* presetWnd() const { return m_preset; }
    const QStringList& labels() const { return m_labels; }

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;
    // The frame hides: the preset window puts back what it changed.
    void closeSubWindows() override;

public slots:
    void sl_fromTable(int row, int col, int value);
    void sl_edclicked(int id) override;

protected:
    void setCtrl() override;
    void keyMatch() override;
    int keyTaken(int key) override;
    void buttonClicked(int row) override;

private:
    void setTab(int tab);
    // The flags of a table tab for output row r; null on other tabs.
    unsigned char* flags(int tab, int row) const;
    int tableCols(int tab) const;
    // The controls of the current tab's two-column list, in row order.
    QVector<QWidget*> listed() const;
    QRect tableArea() const;
    QRect listSlot(int r, int count) const;

    TAlarmtbl* m_table = nullptr;
    TSetupAlarmPreset* m_preset = nullptr;
    QIcon* m_tabIcon = nullptr;
    QStringList m_labels;
    int m_tab = 0;
};
