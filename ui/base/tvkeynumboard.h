#pragma once
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QTimer;
class TButton;
class TEdit;

// The shared on-screen number pad (g_vkeynum) for numbers and IPv4 addresses
// (ports, addresses, masks, gateways, name servers): a line and 12 keys in
// 4 rows of 3. In address mode the dots come by themselves. OK checks the
// text; a bad one is refused with a warning in the message box and the pad
// stays open. Answers with sg_reply(code, text) (VkReply codes).
class TVKeyNumboard : public TDefWnd
{
    Q_OBJECT
public:
    // One key cell: rectangle in window coordinates, Qt key code, label.
    struct Key {
        int x, y, w, h;
        int code;
        char label[4];
        QRect rect() const { return QRect(x, y, w, h); }
    };
    enum { Rows = 4, Cols = 3 };
    enum Mode { ModeNumber = 0, ModeIPv4 = 1 };

    TVKeyNumboard(QWidget* parent, int id, QSize size);
    ~TVKeyNumboard() override;

    void initCtrl();
    void setMode(int mode);
    void setTitle(const QString& title);
    void setText(const QString& text);

    QString text() const;
    int mode() const { return m_mode; }
    int focusRow() const { return m_row; }
    int focusCol() const { return m_col; }
    QRect focusRect() const { return m_focusRect; }
    // The rectangle of key col of key row 1..4 (empty outside the table).
    QRect keyRect(int row, int col) const;
    TEdit* edit() const { return m_edit; }
    TButton* okButton() const { return m_btnOk; }
    TButton* cancelButton() const { return m_btnCancel; }

    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    void sg_reply(int code, QString text);
    void sg_keynotify(int pressed, int code);

public slots:
    void sl_btnclicked(int id, int state);
    void sl_keynotify(int pressed, int code);
    void sl_timeoutClick();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool checkText() const;
    void warnInvalid();
    void focusEdit(int frame);
    void moveFocus(int dx, int dy, bool wrap = false);
    void strike(int row, int col);
    QWidget* focusedCtrl() const;
    void repaintRect(const QRect& r, int grow);

    TEdit* m_edit;
    TButton* m_btnOk;
    TButton* m_btnCancel;
    QRect m_focusRect;
    QString m_title;
    Key m_keys[Rows][Cols];
    Key* m_pressed;
    int m_mode;
    int m_col;
    int m_row;
    int m_rowLen[6];
    QTimer* m_clickTimer;
    int m_skipClick;
    QIcon* m_icon;
};
