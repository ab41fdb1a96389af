#pragma once
#include "tvkeypad.h"

#include <QRect>
#include <QString>

// The shared on-screen number pad (g_vkeynum) for numbers and IPv4 addresses
// (ports, addresses, masks, gateways, name servers): a line and 12 keys in
// 4 rows of 3. In address mode the dots come by themselves. OK checks the
// text; a bad one is refused with a warning in the message box and the pad
// stays open. Answers with sg_reply(code, text) (VkReply codes).
class TVKeyNumboard : public TVKeyPad
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

    void initCtrl();
    void setMode(int mode);

    int mode() const { return m_mode; }
    QRect keyRect(int row, int col) const override;

    void evtShow() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_keynotify(int pressed, int code) override;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void pressKey(int row, int col) override;
    void releaseKey() override;
    void strikeDigit(int digit) override;
    bool acceptText() override;

private:
    bool checkText() const;
    void warnInvalid();

    Key m_keys[Rows][Cols];
    Key* m_pressed;
    int m_mode;
};
