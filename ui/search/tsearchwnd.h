#pragma once
#include "focuslink.h"
#include "searchrecords.h"
#include "tdefwnd.h"

#include <QDate>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

class QIcon;
class QTimer;
class TButton;
class TCalendar;
class TCombo;
class TDatasetTh;
class TDate;
class TEdit;
class TLineGraph;
class TListView;
class TPosView;
class TSearchOpt;
class TTime;

// The search and playback window: a calendar of recorded days, the 24-hour
// timeline of a day, the event and POS lists, the playback layout and
// channel buttons and the playback controls around the played-back picture.
// It never reaches the database or the decoder itself: every action is a
// request (SearchReq) to the main window, whose answers come back through
// reply(). The timeline fill and the POS loads run on its thread.
class TSearchWnd : public TDefWnd
{
    Q_OBJECT
public:
    // The search modes, positions in the search-mode option list.
    enum Mode { MODE_TIME = 0, MODE_EVENT = 1, MODE_POS = 2, MODE_THUMB = 3, MODE_PANORAMA = 4 };
    // Combo ids.
    enum { CB_MODE = 0, CB_EVENT = 1, CB_CHANNEL = 2, CB_INTERVAL = 3, NUM_COMBO = 4 };
    // Button ids: the value every button's sg_clicked carries.
    enum {
        BTN_GOTO = 0,
        BTN_REFRESH = 1,
        BTN_OPTION = 2,
        BTN_BACKUP = 3,
        BTN_IMPORT = 4,
        BTN_EXIT = 5,
        BTN_FULL = 6,
        BTN_CH0 = 7,      // 7..26 the channel buttons
        BTN_LAYOUT0 = 27, // 27..38 the layout buttons
        BTN_FREW = 39,    // 39..44 fast and slow reverse, pause, play, slow and fast forward
        BTN_SLOWREW = 40,
        BTN_PAUSE = 41,
        BTN_PLAY = 42,
        BTN_SLOWFWD = 43,
        BTN_FFWD = 44,
        BTN_EVENT = 45,   // "Event" check box (Time mode)
        BTN_DATE = 46,    // "Date" check box (POS mode)
        BTN_POSFIND = 47, // POS search
        NUM_BTN = 48,
        NUM_CHBTN = 20,
        NUM_LAYOUTBTN = 12,
        NUM_FOCUS = 60
    };

    TSearchWnd(QWidget* parent, int id, QSize size);
    ~TSearchWnd() override;

    // ---- Called by the main window ----
    // An answer to a request: emitted as sg_reply, heard while shown.
    void reply(int code, void* data);
    // The played frame's date and time (while playing).
    void updateTimeText(int year, int month, int day, int hour, int minute, int second);
    // The played rate as text (while playing).
    void setRate(double rate);
    // Playback stopped: the next show sets the window up afresh.
    void clearToLive();
    // The playback picture, in window coordinates.
    QRect videoRect() const;
    // The part of the background cut black for the picture (the wide
    // outputs cut it a little inside the picture): the tiles' texts stay
    // inside it.
    QRect pictureRect() const;
    // Sizes of the controls and the background for the window's size.
    void resizeCtrl();

    // ---- Rules kept apart from the widgets ----
    // The layout value a layout button (27..38) asks for on a unit of
    // channels cameras; 0 for any other id.
    static int layoutValue(int btnId, int channels);
    // The images of a layout value's icon (normal, on); false for none.
    static bool layoutIcon(int layout, int* image, int* onImage);
    // Columns of the channel-button grid for a channel count.
    static int chGridCols(int channels);
    // The rate text: "Pause", "X0.25", "X0.5", "X 2".
    static QString rateText(double rate);

    // ---- Reading the window (the main window, the tests) ----
    TCombo* combo(int id) const { return unsigned(id) < NUM_COMBO ? m_combo[id] : nullptr; }
    TButton* button(int id) const { return unsigned(id) < NUM_BTN ? m_btn[id] : nullptr; }
    TCalendar* calendar() const { return m_calendar; }
    TLineGraph* timeline() const { return m_timeline; }
    TListView* list() const { return m_list; }
    TPosView* posView() const { return m_posView; }
    TEdit* posText() const { return m_posText; }
    TTime* timeEdit() const { return m_time; }
    TDate* dateFrom() const { return m_dateFrom; }
    TDate* dateTo() const { return m_dateTo; }
    TDatasetTh* datasetTh() const { return m_th; }
    QString dateTimeText() const { return m_dtText; }
    QString rateTextShown() const { return m_rateText; }
    // The focus table in use (count entries).
    const FocusLink* focusTable(int* count) const;

    // ---- Hooks of the base window ----
    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

    // ---- Window state ----
    int m_mode = -1;       // search mode, -1 before the first show
    int m_ch = 0;          // channel combo position
    int m_evtType = 0;     // event-type combo position
    int m_interval = 0;    // thumbnail interval combo position
    int m_secs = 0;        // time of day of the last chosen point
    int m_day = 0;         // day of month to load
    int m_dayIdx = -1;     // entry of an overlapped day, -1 none
    int m_page = -1;       // event-list page to ask for, -1 the last
    int m_chkday = 1;      // the next day request starts a new day
    int m_timeLoaded = 0;  // the database is open for the time modes
    int m_evtLoaded = 0;   // the database is open for the list modes
    int m_pendDay = 0;     // the next month answer chooses m_pendDate's day
    QDate m_pendDate;
    char m_szdb[64] = {};  // database path: empty the disks, "/backup/..." a file
    char m_szdbBefore[64] = {}; // the path in use before a file is tried (Import)
    int m_trying = 0;      // the next database answer is the tried file's
    void* m_dayData = nullptr; // the last day answer (facade's record)
    int m_running = 0;     // set up since the last return to live view
    int m_toLive = 1;      // closed with "Exit" (1) or "Full Screen" (0)
    int m_reqId = 0;       // the text the keyboard edits: 0 the POS text

    // ---- Work of the window (also for the answers) ----
    // Opens the database for the mode (force: even when open already);
    // pendDay: the next month answer chooses the calendar's day.
    void dbload(int force, int pendDay);
    // The day m_day (entry m_dayIdx) loaded ms milliseconds from now.
    void loadDayLater(int ms);
    // The timeline filled from the day map on the thread (copied now).
    void fillTimeline(const ReiDay* day);
    // Applies a mode's controls (no change when current).
    void changeMode(int mode);
    // Places the controls of a mode.
    void layoutCtrl(int mode);
    void initFocusMap();
    void initCombo();

signals:
    // Requests to the main window: code (SearchReq) and value, a
    // SearchQuery pointer for 48-51, an integer cast otherwise.
    void sg_request(int code, void* value);
    void sg_reply(int code, void* data);

public slots:
    void sl_init();
    void sl_show();
    void sl_btnclicked(int id, int state = 0);
    void sl_changeIndex(int id, int idx);
    void sl_edclicked(int id);
    void sl_dblclicked(QDate date);
    void sl_state(int dir);
    void sl_dayindex(int idx);
    void sl_clickedList(int secs);
    void sl_fromlinegraph(int type, int secs);
    // The text keyboard's answer for the POS text.
    void sl_reply(int code, QString text);
    void sl_showed(int id, int shown, QRegion region);
    // The thread's job ended (GUI thread).
    void sl_datasetThEnd();
    void sl_timeout();
    void sl_today(int day, int dayIdx);
    void sl_fromBackup();
    void sl_changeMonth();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void createCtrl();
    void request(int code, int value);
    void requestQuery(int code, SearchQuery* q);
    // Stops playback when it runs.
    void stopPlayback();
    void paintLabels(QPainter& p);
    void paintPlayOsd(QPainter& p);
    int channels() const;
    // Refills the channel combo: "All" first (Event mode), then 1..N.
    void fillChannels(bool withAll);
    // mode, perPage and the date of a record.
    void fillQueryDate(SearchQuery* q, const QDate& d) const;
    // Enter on the focused control, Escape, the jog and the arrows.
    void focusKey(int key);
    void setFocusCtrl(QWidget* w);

    // Icons the buttons paint with; the window owns them.
    QIcon* icon(const QPixmap& normal, const QPixmap& on = QPixmap());
    QList<QIcon*> m_icons;
    TCombo* m_combo[NUM_COMBO] = {};
    TButton* m_btn[NUM_BTN] = {};
    TEdit* m_posText = nullptr;
    TTime* m_time = nullptr;
    TDate* m_dateFrom = nullptr;
    TDate* m_dateTo = nullptr;
    TCalendar* m_calendar = nullptr;
    TLineGraph* m_timeline = nullptr;
    TListView* m_list = nullptr;
    TPosView* m_posView = nullptr;
    TDatasetTh* m_th = nullptr;
    QTimer* m_dayTimer = nullptr;
    QPixmap m_bg;
    QString m_dtText;
    QString m_rateText;
    QRect m_dtRect;
    QRect m_modeLabel;
    QRect m_labelRect[5];
    QRect m_rateRect;
    QWidget* m_keyTarget = nullptr; // the control an Enter was posted to
    int m_keyPosted = 0;            // the key posted to it
    int m_osdSkip = 0;              // paints left without the playback OSD
    FocusLink m_focus[NUM_FOCUS] = {};
    int m_numFocus = 0;

    // ======== Replies, paging, external media and options ========
    // Defined in tsearchwnd-reply.cpp. The rest of the window calls only
    // these; members of that file go below.
public:
    // Creates the options dialog (from createCtrl).
    void createOpt();
    // Connections of that file made while the window is shown (from
    // connectTo / disconnectFrom): list paging, file chooser, options.
    void connectReplies();
    void disconnectReplies();
    // The options dialog as a widget (keys go to it while visible); null
    // before it exists.
    QWidget* optDialog() const;
    // "Option": the dialog shown.
    void showOpt();

public slots:
    void sl_reply(int code, void* data);

public:
    TSearchOpt* opt() const { return m_opt; }

public slots:
    // The event list's paging (0 first, 1 previous, 2 next, 3 last, 4 page
    // val) and its row val chosen (5: the POS detail).
    void sl_fromlist(int cmd, int val);
    // The options dialog answered: 2 OK commits, anything else reverts.
    void sl_fromOpt(int code);
    // The file chooser's backup file.
    void sl_fromFile(QString name);
    void sl_timeoutOverlap();
    void sl_fromMsg(int btn);
    void sl_aboutUsb();

private:
    void replyLoadDb(const MonthInfo* month);
    void replyLoadData(void* data);
    void replyLoadMonth(const MonthInfo* month);
    // The wait box hidden and "No Data" shown over the window.
    void noData();
    // The file chooser for a backup file on the mounted medium.
    void openImport();

    TSearchOpt* m_opt = nullptr;
    // The last day answer when it was a list page (m_dayData then points
    // at the same record): paging and the POS detail read only this.
    const DayEvents* m_events = nullptr;
};
