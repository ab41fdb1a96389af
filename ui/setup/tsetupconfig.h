#pragma once
#include "tsetuppage.h"

#include <QString>

// The system management page: the firmware version, firmware upgrade,
// configuration export and import through a USB stick, the factory
// configuration, and the hidden service codes typed with the digit keys.
class TSetupConfig : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { RowUpgrade, RowExport, RowImport, RowDefaultBtn };
    enum { NAME_SIZE = 256 };

    TSetupConfig(QWidget* parent, int id, QSize size);

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;

    // "%d.%d.%d.%d" of a version number: 1234 is 1.2.3.4.
    static QString versionText(int version);
    QString version() const { return m_version; }
    QString hotKeys() const { return m_hotKeyBuf; }
    int reqId() const { return m_reqId; }

public slots:
    void sl_replyVk(int code, QString text);
    void sl_replyFile(QString name);
    void sl_fromMsg(int button);

protected:
    void buttonClicked(int row) override;
    void onReply(int code, const void* data) override;

private:
    void hotKey(int key);
    void ask(int title, int text);
    void keepName(const QString& name);

    int m_reqId = -1;
    int m_confirm = -1; // the request the open question is for
    char m_fileName[NAME_SIZE] = {};
    QString m_hotKeyBuf;
    QString m_version;
};
