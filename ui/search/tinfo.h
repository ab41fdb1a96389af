#pragma once
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QDateTime;
class QIcon;
class TButton;

// The buttons of the information bar, by index: the index is the button's id
// and the value of the bar's request.
enum InfoBtn {
    Btn_Icon0 = 0,  // date
    Btn_Icon1,      // clock
    Btn_Split,      // split chooser
    Btn_Seq,        // camera sequence
    Btn_Icon4,      // disks in use
    Btn_Lock,       // nobody logged in
    Btn_Icon6,      // recording schedule on
    Btn_Net,        // a network client is connected
    Btn_Audio,      // audio chooser
    Btn_FRew,
    Btn_Rew,
    Btn_SlowRew,
    Btn_Pause,
    Btn_SlowFwd,
    Btn_Play,
    Btn_FFwd,
    Btn_Stop,
    Btn_Count
};

// The information bar at the bottom of the live view: clock, disk state,
// sequence, lock, schedule, network and audio indicators, the remote
// controller's id or "PANIC", and during playback the playback buttons with
// the playback clock and rate. It decides nothing: the main window pushes
// every value in through the setters and executes the buttons' requests.
class TInfo : public TDefWnd
{
    Q_OBJECT
public:
    TInfo(QWidget* parent, int id, QSize size);
    ~TInfo() override;

    // 1 playback buttons, 0 live buttons (the clock is refreshed first).
    void setPlayMode(int mode);
    int isLiveMode() const { return m_playMode == 0 ? 1 : 0; }
    void setLock(int on);
    void setSequence(int on);
    void setNetClient(int on);
    // A channel below the unit's camera count lights the audio button and
    // shows its number; anything else turns both off.
    void setAudio(int ch);
    // Live mode: today's date and the time now, in the configured formats.
    void updateTime();
    // Playback mode: the playback clock.
    void setPbDateTime(int y, int mo, int d, int h, int mi, int s);
    void setPbDate(int y, int mo, int d);
    void updateRate(double rate);
    // The disk indicator and text from the storage state: its summary text
    // (read within its 64-byte field), the disks-full value, a second value
    // the bar does not show, the oldest recording (may be null), the usage
    // percentage (usage when given, else percent).
    void updateDate(const char* summary, int full, int other, const QDateTime* oldest, const double* usage,
                    double percent);
    // en: the remote controller's id and selection replace the date; sel < 0
    // ends that at once.
    void updateId(int en, int id, int sel);
    void updatePanic(int on);
    void setBtn(int idx, int on);
    // The button set of the play mode, the focus row, Split focused.
    void updateAll();

    TButton* button(int idx) const;
    QString dateText() const { return m_dateText; }
    QString timeText() const { return m_timeText; }
    QString diskText() const { return m_diskText; }
    QString audioText() const { return m_audioText; }
    QString rateText() const { return m_rateText; }
    // What the id area shows instead of the date: "PANIC", the remote
    // controller's id text, or nothing (the date is shown).
    QString idAreaText() const;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    void sg_request(int idx);

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    void layoutCtrls();
    void setVisibleBtn(int idx, bool on);
    QWidget* focusedInRow() const;
    // The id area holds the id text or "PANIC" instead of the date.
    bool idAreaUsed() const { return m_idOn || m_panicOn; }

    TButton* m_btn[Btn_Count];
    QIcon* m_icon[Btn_Count];
    int m_playMode;
    int m_idOn;
    int m_panicOn;
    QWidget* m_focusRow[10];
    QString m_dateText;
    QString m_timeText;
    QString m_diskText;
    QString m_audioText;
    QString m_rateText;
    QString m_idText;
    QRect m_dateRect;
    QRect m_timeRect;
    QRect m_diskRect;
    QRect m_audioRect;
    QRect m_rateRect;
    QRect m_idRect;
};
