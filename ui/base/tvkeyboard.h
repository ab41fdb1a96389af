#pragma once
#include "tdefwnd.h"
#include "tvkeylayout.h"
#include "wndid.h"

#include <QRect>
#include <QString>

class QTextCodec;
class QTimer;
class TButton;
class TEdit;
class THangulComposer;

// Answer of the on-screen keyboards in sg_reply.
enum VkReply { VK_OK = 0, VK_CANCEL = 1 };

// The shared on-screen text keyboard (g_vkeyboard): a line and 4 rows of keys
// in a lower-case, a shifted and, with the Korean interface language, a
// Korean two-set layout whose jamo are composed into syllables. Typed with the
// mouse, the arrows and jog with Enter, or the remote's digits; it hides
// itself and answers with sg_reply(code, text).
class TVKeyboard : public TDefWnd
{
    Q_OBJECT
public:
    // One key cell: rectangle in window coordinates, code (always 0), label.
    struct Key {
        int x, y, w, h;
        int code;
        char label[TVKeyLayout::LabelSize];
        QRect rect() const { return QRect(x, y, w, h); }
    };

    TVKeyboard(QWidget* parent, int id, QSize size);
    ~TVKeyboard() override;

    // The interface language of the OSD settings (edit copy). The
    // configuration store sits above this floor, so main installs its reader
    // here; without one the language counts as English.
    using LangHook = QString (*)();
    static void setLangHook(LangHook hook);

    void initCtrl();
    void setTitle(const QString& title);
    void setText(const QString& text);
    void setMaxLength(int n);
    void setPassword(int on);
    void setMacMode(int on);

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
    bool isKorean() const;
    void copyLabels();
    void layoutKeys();
    void focusEdit(int frame);
    void moveFocus(int dx, int dy, bool wrap = false);
    void strikeDigit(int col);
    QWidget* focusedCtrl() const;
    void repaintRect(const QRect& r, int grow);
    void enterText(const Key* key, int row, int col);

    TEdit* m_edit;
    TButton* m_btnOk;
    TButton* m_btnCancel;
    QRect m_focusRect;
    QString m_title;
    int m_mode;
    Key m_keys[TVKeyLayout::Rows][TVKeyLayout::Cols];
    Key* m_pressed;
    int m_col;
    int m_row;
    int m_rowLen[6];
    THangulComposer* m_hangul;
    QTextCodec* m_codecKor;
    int m_macMode;
    int m_password;
    int m_maxLength;
    QTimer* m_clickTimer;
    int m_skipClick;
    QIcon* m_icon;
};
