#pragma once
#include "tdefwnd.h"

#include <QColor>
#include <QRect>
#include <QString>

class QIcon;
class QPainter;
class QTimer;
class TButton;
class TEdit;

// Answer of the on-screen keyboards in sg_reply.
enum VkReply { VK_OK = 0, VK_CANCEL = 1 };

// What the on-screen text keyboard and the number pad share: a text line,
// four rows of keys and the OK and Cancel buttons, walked by one key focus
// (row 0 the line, rows 1 to 4 the keys, row 5 the buttons) with the arrows
// and the jog dial. Enter presses what has the key focus, Escape cancels, the
// remote's digits strike keys; the pad hides itself and answers with
// sg_reply(code, text). Each pad keeps its own key cells and decides what a
// struck key does (sl_keynotify).
class TVKeyPad : public TDefWnd
{
    Q_OBJECT
public:
    enum { LineRow = 0, ButtonRow = 5, FocusRows = 6 };

    void setTitle(const QString& title);
    void setText(const QString& text);

    QString text() const;
    int focusRow() const { return m_row; }
    int focusCol() const { return m_col; }
    QRect focusRect() const { return m_focusRect; }
    // The rectangle of key col of key row 1..4 (empty outside the table).
    virtual QRect keyRect(int row, int col) const = 0;
    TEdit* edit() const { return m_edit; }
    TButton* okButton() const { return m_btnOk; }
    TButton* cancelButton() const { return m_btnCancel; }

    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    void sg_reply(int code, QString text);
    void sg_keynotify(int pressed, int code);

public slots:
    void sl_btnclicked(int id, int state);
    virtual void sl_keynotify(int pressed, int code) = 0;
    void sl_timeoutClick();

protected:
    // rowLen: elements of the focus rows 0 to 5. lineEnterKey: the key that
    // Enter on the line hands to it. downToOk: a vertical move onto the
    // buttons always lands on OK (else the column stays when it can).
    TVKeyPad(QWidget* parent, int id, QSize size, const int (&rowLen)[FocusRows], int lineEnterKey,
             bool downToOk);
    ~TVKeyPad() override;

    // Mouse moves are ignored.
    void mouseMoveEvent(QMouseEvent* e) override;

    // The key cell (row 1..4, col) goes down: it becomes the pressed key and
    // sg_keynotify(1, its code) is emitted.
    virtual void pressKey(int row, int col) = 0;
    // The pressed key goes up: sg_keynotify(0, its code), no key pressed.
    virtual void releaseKey() = 0;
    // A digit key of the remote (0 to 9, 0 also for its 0/10 key).
    virtual void strikeDigit(int digit) = 0;
    // OK was chosen: whether the text may be answered. A pad that refuses
    // it tells the operator why and stays open.
    virtual bool acceptText();

    // Numbers of the screen layout through the global scale; theme colours.
    static int sc(int n);
    static QColor color(int id);

    // The line and the two buttons, not yet placed.
    void createCtrls();
    void focusEdit(int frame);
    void moveFocus(int dx, int dy, bool wrap = false);
    // Strikes a key with a press and a release while the key focus stays.
    void strike(int row, int col);
    // A mouse press on a key: the key focus goes there and the key goes down.
    void pressByMouse(int row, int col);
    // A second mouse press within 100 ms strikes nothing.
    void startClickGuard();
    void moveHighlight(const QRect& next);
    QWidget* focusedCtrl() const;
    QWidget* focusedButton() const;
    void repaintRect(const QRect& r, int grow);
    void paintBackground(QPainter& p, int image);
    void paintHighlight(QPainter& p) const;

    TEdit* m_edit;
    TButton* m_btnOk;
    TButton* m_btnCancel;
    QRect m_focusRect;
    QString m_title;
    int m_col;
    int m_row;
    int m_rowLen[FocusRows];
    QTimer* m_clickTimer;
    int m_skipClick;
    QIcon* m_icon;

private:
    const int m_lineEnterKey;
    const bool m_downToOk;
};
