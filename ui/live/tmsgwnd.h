#pragma once
#include "focuslink.h"
#include "tdefwnd.h"
#include "tmsgiface.h"
#include "wndid.h"

#include <QString>
#include <QStringList>

class QIcon;
class TButton;

// Button sets of the message box.
enum MsgType { MSG_OK = 1, MSG_CANCEL = 2, MSG_OKCANCEL = 3, MSG_YESNOCANCEL = 4 };
// The answer in sg_request.
enum MsgBtn { MSGBTN_YES = 0, MSGBTN_NO = 1, MSGBTN_OK = 2, MSGBTN_CANCEL = 3 };

// The one message box of the program (g_msgWnd): a modal pop-up with a title,
// a message (one text or several lines) and one of four button sets. A window
// that asks connects sg_request to its own slot while it waits; the box hides
// itself before it answers with the button chosen.
class TMsgWnd : public TDefWnd, public TMsgIface
{
    Q_OBJECT
public:
    TMsgWnd(QWidget* parent, int id, QSize size);
    ~TMsgWnd() override;

    void setTitle(const QString& title) override;
    void setText(const QString& text) override;
    void setMessage(const QStringList& lines);
    void setType(int kind) override;
    void popupOver(QWidget* over) override;

    int type() const { return m_type; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QStringList lines() const { return m_lines; }
    // The button of a MsgBtn id (null outside 0..3 or before init).
    TButton* button(int id) const;

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

signals:
    void sg_request(int button);

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    void layoutCtrls();

    TButton* m_btn[4];
    QString m_title;
    QString m_text;
    QStringList m_lines;
    FocusLink m_focusTable[4];
    int m_type;
    QIcon* m_icon;
};
