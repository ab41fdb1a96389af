#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QVector>

class QIcon;
class TButton;

// The base of every setup page. A page declares its controls as rows (the
// control, its label, the record field it edits, its option list, its
// preview and its focus links) and a few parameters; the base builds the
// controls, loads them from the edit copy on every show, writes every change
// straight back into the edit copy (per-channel fields only for a channel the
// unit has), and runs what every page shares: the focus table that joins the
// page to the frame's menu, the key order, Default, Apply, Menu and Apply
// All, the camera buttons, keyboard entry, the show-time requests, the live
// preview window and the answers of the main window. A page overrides only
// what differs.
class TSetupPage : public TDefWnd
{
    Q_OBJECT
public:
    enum { CAMERAS = 20, MENU_ROWS = 12, MENU_COLS = 5 };
    using MenuMatrix = QWidget* (*)[MENU_COLS];

    enum Kind {
        RowButton,  // a plain button the page handles itself (buttonClicked)
        RowCheck,   // an on/off button on a field (0 or 1)
        RowCombo,   // a list on a field
        RowSlider,  // a slider on a field
        RowEdit,    // a read-only text field typed on the shared keyboard
        RowDefault, // "Default": the page's sections to their defaults
        RowApply,   // "Apply": the page's sections applied now
        RowMenu,    // "Menu": the page hides, the keys go back to the menu
        RowApplyAll // "Apply All": the shown camera's entry to every camera
    };
    enum Store { StorePos, StoreValue };
    // What a preview code carries: the value alone (a), or the channel (a)
    // and the value (b).
    enum PreviewForm { PrvValue, PrvChannelValue };
    // Focus targets outside the page's rows; a row index otherwise.
    enum Link { L_NONE = -1, L_ITEM = -2, L_TAB = -3, L_OK = -4, L_CANCEL = -5, L_CAMERA = -6 };
    // A per-channel field lies at offset + channel * stride; stride 0 is one
    // field for the page. A text field's size is its width with the
    // terminator.
    struct Row
    {
        int kind = RowButton;
        int text = -1;    // label (or button text) id; -1 none
        int section = -1; // the field's section; -1 none
        int offset = 0;
        int size = 1;     // 1, 2 or 4 bytes; a text field's width
        int stride = 0;
        int list = -1;    // combo: the option list
        int store = StorePos;
        int lo = 0;       // slider range; an edit's keyboard (0 text, 1 numbers)
        int hi = 0;
        int preview = -1; // the preview code sent on a change; -1 none
        int form = PrvChannelValue;
        int right = L_NONE;
        int left = L_NONE;
        int down = L_NONE;
        int up = L_NONE;
    };
    // What differs between pages.
    struct Params
    {
        QVector<int> sections;        // reset by Default
        QVector<int> requests;        // show-time requests, in order
        int requestDelay = 100;       // ms after the show; 0 sends them from evtShow
        int preview = 0;              // 83 on show, 84 on hide, 85 on a camera change
        int defaultPreview = 0;       // Default re-sends the rows' previews
        int tabsDownToOwnItem = 1;    // tabs lead down to the page's item (else the first item)
        int perCamera = 0;            // camera buttons and the channel
        QVector<int> replies;         // answer codes the page takes
        int firstRow = 0;             // the page's first control
        int jogRow = -1;              // where the jog goes without a target; -1 firstRow
        int itemRight = 0;            // row the menu items lead right to
        int itemLeft = 0;             //   and left to
        int okRight = L_NONE;         // rows "OK" and "CANCEL" lead to
        int okLeft = L_NONE;
        int cancelRight = L_NONE;
        int cancelLeft = L_NONE;
        QRect pipArea;                // preview area, page coordinates
    };

    TSetupPage(QWidget* parent, int id, QSize size);
    ~TSetupPage() override;

    // The frame's menu table, given once after creation.
    void setMenu(MenuMatrix matrix) { m_menu = matrix; }
    // The preview rectangle in screen coordinates while the page is a shown
    // preview page; (0, 0, -1, -1) as left, top, right, bottom otherwise.
    virtual QRect pipRect() const;
    // 0 when the page may be left; otherwise the page has warned and stays.
    virtual int leaveCheck() { return 0; }
    // The clock of the date/time page.
    virtual void toDt(int reset, const QString& now);
    // The frame hides: sub-windows close before the page (each as its own
    // rules say; the camera-rights and e-mail event windows cancel).
    virtual void closeSubWindows() {}
    // An answer of the main window; a null record is ignored. True when the
    // page takes the code.
    bool reply(int code, const void* data);
    bool takesReply(int code) const { return m_params.replies.contains(code); }

    int channel() const { return m_ch; }
    // The unit's cameras, at most 20.
    static int videos();
    // A row of a kind and text with its four links.
    static Row linkedRow(int kind, int text, int up, int down, int right = L_ITEM, int left = L_ITEM);
    QWidget* control(int row) const;
    TButton* cameraButton(int ch) const;
    const QVector<FocusLink>& focusTable() const { return m_focus; }
    int typing() const { return m_typing; }

    // background: the image id of the page background (the frame gives
    // 64). Builds the controls of the rows and sets their texts.
    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    // text: a file name for the requests that take one (76, 79-81).
    void sg_action(int code, int a, int b, QString text = QString());

public slots:
    // A page with controls of its own kind (a switch with a rule, a number
    // typed into a numeric field) overrides these and hands the rest on.
    virtual void sl_btnclicked(int id, int state = 0);
    virtual void sl_changeIndex(int id, int index);
    void sl_valueChanged(int id, int value);
    virtual void sl_edclicked(int id);
    virtual void sl_reply(int code, QString text);
    void sl_show();

protected:
    // The page's description, given by the subclass's constructor.
    void setRows(const QVector<Row>& rows, const Params& params);
    // Apply and Default side by side under the page (Apply's up link
    // given), OK and the tabs around them, and Menu in Default's place.
    static void applyDefaultMenu(QVector<Row>& rows, int apply, int def, int menu, int up);
    // Edit copy into the controls.
    virtual void setCtrl();
    // The focus table: the menu entries, then the rows.
    virtual void keyMatch();
    // A special control (grid, table) may take a key first: 1 when it did.
    virtual int keyTaken(int key);
    // A plain button of the page.
    virtual void buttonClicked(int row) { Q_UNUSED(row); }
    // The answer handler of the page (never called with null).
    virtual void onReply(int code, const void* data);
    // A camera chosen: the channel changes, the controls follow.
    virtual void selectChannel(int ch);
    // Copies the shown camera's fields to every camera of the unit.
    virtual void applyAll();

    int rowOfId(int id) const;
    int fieldValue(const Row& r) const;
    void setFieldValue(const Row& r, int value);
    QString fieldText(const Row& r) const;
    void setFieldText(const Row& r, const QString& text);
    void sendPreview(const Row& r, int channel, int value);

    QVector<Row> m_rows;
    Params m_params;
    QVector<QWidget*> m_ctrl;   // one control a row
    TButton* m_cam[CAMERAS] = {};
    QVector<FocusLink> m_focus;
    MenuMatrix m_menu = nullptr;
    QPixmap m_background;
    QIcon* m_cmdIcon = nullptr;
    QIcon* m_camIcon = nullptr;
    int m_ch = 0;
    int m_typing = -1;
    int m_idBase = 0; // control id of row 0 (the camera buttons take 0..19)

private:
    QWidget* linkTarget(int link) const;
    void resendPreviews(int channel);
    void postSpace(QWidget* w, bool press);
};
