#pragma once
#include "tdefdlg.h"

#include <QString>

class QLabel;
class QTimer;
class TButton;
class TCombo;
class TEdit;

// The factory board-test dialog: runs instead of the main window on a board
// without the factory-test marker. It brings the device layer up in its test
// mode, shows one row per board function with its result, runs the
// interactive tests when their buttons are pressed and the relay, RS-485,
// LED and clock tests once a second by itself, and ends the factory test
// through the watchdog, which writes the marker for the next start. The
// dialog offers no exit of its own.
class TTestWnd : public TDefDlg
{
    Q_OBJECT
public:
    enum Row {
        R_CAMERA, R_IP, R_GATEWAY, R_MAC, R_DATETIME, R_FORMAT, R_HDD, R_BACKUP, R_AUDIO, R_ENCDEC,
        R_RELAY, R_SENSOR, R_RS485, R_RTC, R_LED, R_KEY, R_WDT, R_DISKFMT, R_INIT, ROWS
    };
    enum { COLS = 2, SENSORS = 16 };
    // The dialog's timers: start-up checks (1 s), see-through area (100 ms),
    // decoding after encoding (5 s), encoder and decoder stop (10 ms),
    // watchdog that did not reset the board (30 s).
    enum TimerId { T_START, T_ALPHA, T_DEC, T_STOP, T_WDT, TIMERS };

    TTestWnd(QWidget* parent, int id, QSize size);
    ~TTestWnd() override;

    // Application font, rows, the test mode of the device layer, and the
    // start-up checks a second later.
    void init(int argc, char** argv);

    // The result text of a row (the MAC field for its row, the selected
    // entry of a combo box), the row's button and the controls; for the
    // start-up and the tests.
    QString rowText(int row) const;
    TButton* button(int row) const;
    TCombo* camCombo() const { return m_camCombo; }
    TCombo* fmtCombo() const { return m_fmtCombo; }
    TEdit* macEdit() const { return m_macEdit; }
    // The result field of a row; null for the rows with a combo or the MAC field.
    QLabel* result(int row) const { return row >= 0 && row < ROWS ? m_result[row] : nullptr; }
    QTimer* timer(int id) const;

    void evtShow() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;

signals:
    void sg_ctrlStatus(int type, QString title, QString text);

public slots:
    void sl_timeout();
    void sl_timeoutAlpha();
    void sl_timeoutDec();
    void sl_encdecStop();
    void sl_timeoutWdt();
    void sl_btnclicked(int id, int state);
    void sl_edclicked(int id);
    void sl_changeIndex(int id, int index);
    void sl_fromDvr(int type, int val1, int val2, int rsType, QString str, QString strm);
    void sl_ctrlStatus(int type, QString title, QString text);
    void sl_reply(int code, QString text);

private:
    void createRows();
    void setRow(int row, const QString& text);
    void tick();
    void sensor(int input, int value);
    void deviceKey(int action, int key);
    void takeMac(const QString& text);
    void showAddress();
    QString scanText() const;

    TButton* m_btn[ROWS];
    QLabel* m_result[ROWS];
    TCombo* m_camCombo;
    TCombo* m_fmtCombo;
    TEdit* m_macEdit;
    QWidget* m_focusGrid[ROWS * COLS];
    QTimer* m_timer[TIMERS];

    QString m_mac;
    int m_sensor[SENSORS];
    QString m_sensorText;
    int m_audioCh;
    int m_led;
    int m_relay;
    int m_encTest;
    int m_hddDone;
    int m_rtcStep;
    int m_rtcStart;
};
