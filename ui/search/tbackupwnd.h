#pragma once
#include "dvrbackup.h"
#include "focuslink.h"
#include "tdefwnd.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

class QIcon;
class QLabel;
class QTimer;
class TButton;
class TCombo;
class TMsgWnd;
class TTime;

// The backup window: the operator picks the medium (USB stick or CD/DVD
// drive) and the file type, a range of recording (date and time of day at
// each end), the cameras and the audio, asks for an estimate of the size,
// and starts or stops the copy, whose progress fills the status bar. The
// window does no device work itself: every step is a request to the main
// window, and the answers come back through the entry points below.
class TBackupWnd : public TDefWnd
{
    Q_OBJECT
public:
    // Control ids: the camera boxes 0..19, then the audio box and buttons.
    enum {
        CAMS = 20,
        BTN_AUDIO = 20,
        BTN_ESTIMATE = 21,
        BTN_ALL_ON = 22,
        BTN_ALL_OFF = 23,
        BTN_START = 24,
        BTN_STOP = 25,
        BTN_EXIT = 26,
        BTN_COUNT = 27
    };
    enum { COMBO_MEDIUM = 0, COMBO_TYPE = 1, COMBO_FROM = 2, COMBO_TO = 3, COMBO_COUNT = 4 };
    enum { FOCUS_COUNT = 33 };
    // The chosen medium: the drive with a disc, the stick, or none usable.
    enum { DEV_DISC = 0, DEV_USB = 1, DEV_NONE = 2 };
    // Requests to the main window: sg_request(code, a, b).
    enum Req {
        Act_BackupClose = 26,
        Act_DetectExtSd = 27,
        Act_MountExtSd = 28,
        Act_SelectExtSd = 29,
        Act_OpenBackupDb = 30,
        Act_BackupFilter = 31,
        Act_BackupType = 32,
        Act_BackupEstimate = 33,
        Act_BackupStart = 34,
        Act_BackupStop = 35,
        Act_BackupCamOff = 36
    };

    TBackupWnd(QWidget* parent, int id, QSize size);
    ~TBackupWnd() override;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

    // ---- Entry points of the main window
    // The range the next fill presets: the date with id dateId (the last
    // date when none has it), from h:m:s for dur seconds.
    void setRange(int dateId, int h, int m, int s, int dur);
    // The media found: the medium is chosen and readied.
    void detectExtSd(const BdList* devices);
    // The disc drive's mount answered.
    void mountExtSd(const BdList* devices);
    // The source is open: its dates fill the date choices.
    void infoBackupDb(const BackupDb* db, const QVector<BackupDate>& dates);
    // The medium's record was read again.
    void runBackup(const BdEntry& device);
    void setProgress(int percent, const QString& text);
    // The copy ended: back to idle. A text (why a copy failed or stopped)
    // replaces the status bar's; without one the last progress stays.
    void runBackupEnd(const QString& text, const BdEntry& device);
    // The estimate ended; db holds the range as the device layer adjusted it.
    void estiBackupEnd(const BackupDb* db);
    // The device refused an estimate or a copy: back to idle with text in
    // the status bar.
    void runRefused(const QString& text);
    // Cameras the user may not watch (bit c: camera c).
    void setCamOff(unsigned mask);
    void clearStatus(int code);

    // ---- State, for the owner and the tests
    int device() const { return m_device; }
    int running() const { return m_running; }
    int percent() const { return m_percent; }
    QString statusText() const { return m_status; }
    QString sizeText() const;
    unsigned camOff() const { return m_camOff; }
    const BackupRange& range() const { return m_range; }
    TButton* button(int id) const;
    TCombo* combo(int id) const;
    TTime* timeEdit(int to) const { return to ? m_toTime : m_fromTime; }
    QWidget* current() const { return m_curCtrl; }
    QRect statusRect() const { return m_statusRect; }
    // The fill that follows a show is still due.
    bool initPending() const;

signals:
    void sg_request(int code, void* a, void* b);

public slots:
    void sl_init();
    void sl_btnclicked(int id, int state = 0);
    void sl_changeIndex(int id, int index);
    void sl_fromMsg(int btn);

private:
    void layout();
    void linkFocus();
    void setCtrlStart();
    // The range on the controls into m_range; false (and the status bar
    // says so) when the medium has no room.
    bool takeRange(const char* what);
    // The date positions of a range kept inside the date list.
    int datePos(int pos) const;
    static int comboIndexOf(int device) { return device == DEV_DISC ? 1 : 0; }
    static int deviceOfIndex(int index) { return index == 0 ? DEV_USB : DEV_DISC; }
    void setStatus(const QString& text);
    void send(int code, intptr_t a = 0, intptr_t b = 0);

    TButton* m_btn[BTN_COUNT] = {};
    TCombo* m_combo[COMBO_COUNT] = {};
    TTime* m_fromTime = nullptr;
    TTime* m_toTime = nullptr;
    QLabel* m_size = nullptr;
    QTimer* m_initTimer = nullptr; // the fill 100 ms after a show
    QIcon* m_checkIcon = nullptr;
    QIcon* m_btnIcon = nullptr;
    FocusLink m_focus[FOCUS_COUNT] = {};
    QRect m_caption[8]; // device, type, from, to, camera, audio, status
    QRect m_numRect[CAMS];

    int m_running = 0;
    int m_device = DEV_NONE;
    int m_type = 0;      // position of the type choice
    BdEntry m_medium = {};
    BdList m_devices = {};
    int m_numDate = 0;
    unsigned m_camOff = 0;
    int m_preDateId = -1;
    int m_preH = 0, m_preM = 0, m_preS = 0, m_preDur = 600;
    BackupRange m_range = {};
    BackupRange m_esti = {}; // the adjusted range the "Time Changed" question offers
    int m_percent = 0;
    QString m_status;
    QRect m_statusRect;
    // The "Time Changed" question: the box that asks it and the connection
    // to its answer, kept only while the question is open. A box hidden
    // without an answer ends the question once the hide's own call is done
    // (the box hides itself right before it answers); the count keeps that
    // late end from closing a newer question.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void endQuestion();
    QPointer<TMsgWnd> m_askBox;
    QMetaObject::Connection m_askConn;
    int m_askCount = 0;
};
