#pragma once
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QIcon;
class QLabel;
class TButton;
class TCombo;
struct NetClientInfo;
struct SmartInfo;
struct StorageInfo;

// The "System Information" window of the live view: firmware version, disks,
// MAC and IP address, the connected network clients and their counts, the
// oldest recording. Each show asks the main window for fresh values (requests
// 0, 1 and 2), which it hands back through the setters; OK closes.
class TSysInfoWnd : public TDefWnd
{
    Q_OBJECT
public:
    enum Row { ROW_VERSION, ROW_HDD1, ROW_HDD2, ROW_MAC, ROW_IP, ROW_CLIENTS, ROW_WATCH, ROW_SEARCH, ROW_SETUP,
               ROW_OLDEST, ROW_COUNT };

    TSysInfoWnd(QWidget* parent, int id, QSize size);
    ~TSysInfoWnd() override;

    // MAC, the unit's address, the clients and their counts from the
    // network state, and the oldest recording of the facade's storage state;
    // null changes nothing.
    void setUsers(const NetClientInfo* info);
    // The disk fields from the storage state; null changes nothing.
    void setHddInfo(const StorageInfo* s);
    // Two-disk units: each disk's temperature after its field; null changes
    // nothing.
    void setTemperature(const SmartInfo* s);

    // The text of a row's field (the client list's current entry).
    QString fieldText(int row) const;
    QStringList clients() const;
    // Whether a row is laid out (the second disk's only on two-disk units).
    bool hasRow(int row) const { return unsigned(row) < unsigned(ROW_COUNT) && !m_rowRect[row].isNull(); }
    TButton* okButton() const { return m_okBtn; }
    // One disk's field text from its type text and sizes in MB.
    static QString diskText(const QString& type, int usedMB, int totalMB);

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
    // 0 network and users, 1 disks, 2 disk temperatures; sent in this order
    // on every show.
    void sg_request(int code);

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    // Two disks get a row each; otherwise one row for all.
    static bool twoDisks();
    QLabel* field(int row) const;
    QString caption(int row) const;

    TButton* m_okBtn;
    TCombo* m_clientCombo;
    QLabel* m_version;
    QLabel* m_hdd1;
    QLabel* m_hdd2;
    QLabel* m_mac;
    QLabel* m_ip;
    QLabel* m_watch;
    QLabel* m_search;
    QLabel* m_setup;
    QLabel* m_oldest;
    QRect m_rowRect[ROW_COUNT];
    QWidget* m_focusGrid[2];
    QIcon* m_icon;
};
