#pragma once
#include "tsetuppage.h"

class QIcon;
class TButton;

// The POS page (Device tab, "POS"): for each text input port (the serial
// port, when the unit has one, and four USB ports) the camera its text
// belongs to, the baud rate, the words that start and end a transaction,
// four words to leave out and the lines added; for all ports together where
// and how long the text is overlaid. The USB buttons show whether a device
// is plugged in, from the main window's port scan.
class TSetupPos : public TSetupPage
{
    Q_OBJECT
public:
    enum { PORTS = 5, WORDS = 6, WORD_SIZE = 32 };
    enum {
        R_PORT0,
        R_CHANNEL = R_PORT0 + PORTS,
        R_BAUD,
        R_START,
        R_END,
        R_IGNORE1,
        R_IGNORE4 = R_IGNORE1 + 3,
        R_LINES,
        R_OVERLAYPOS,
        R_OVERLAYTIME,
        R_APPLY,
        R_DEFAULT,
        R_MENU
    };

    TSetupPos(QWidget* parent, int id, QSize size);
    ~TSetupPos() override;

    // 0 with a serial port, 1 without: the first port a button edits.
    int firstPort() const { return m_firstPort; }
    int port() const { return m_port; }
    // The entry of the section the shown port edits.
    int entry() const { return m_port - m_firstPort; }
    TButton* portButton(int port) const;
    // "USB1(O)" for a port with a device, "USB1(X)" without.
    static QString usbText(int port, int present);

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;
    void evtKeydown(int key) override;

public slots:
    void sl_changeIndex(int id, int index) override;
    void sl_edclicked(int id) override;

protected:
    void setCtrl() override;
    void buttonClicked(int row) override;
    void onReply(int code, const void* data) override;

private:
    // Points the rows of one port at the shown port's entry.
    void bindEntry();
    void relabel();

    int m_firstPort = 0;
    int m_port = 0;
    int m_present[PORTS] = {};
    QIcon* m_portIcon = nullptr;
    QRect m_frame;
};
