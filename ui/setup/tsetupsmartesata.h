#pragma once
#include "tsetupsmart.h"

class TSetupSmartInfo;

// The "S.M.A.R.T." page of a recorder with more than three disks: the
// readings of the four internal disks, and "eSATA1" and "eSATA2", which open
// the readings of each enclosure in the detail window. While that window
// shows, the page hands it every key.
class TSetupSmartEsata : public TSetupSmart
{
    Q_OBJECT
public:
    TSetupSmartEsata(QWidget* parent, int id, QSize size);

    TSetupSmartInfo* infoWnd() const { return m_info; }
    TButton* esataButton(int k) const;

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtHide() override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void closeSubWindows() override;

public slots:
    void sl_showed(int id, int shown, QRegion region);

protected:
    void buttonClicked(int row) override;
    void initSet(const SmartInfo* s) override;

private:
    TSetupSmartInfo* m_info = nullptr;
};
