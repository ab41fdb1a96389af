#pragma once
#include "tsetuppage.h"

// The OSD page (Display tab, "OSD"): date and time formats, the interface
// language, the OSD transparency with a live preview, the OSD switch, the
// information bar mode and the disk-usage display.
class TSetupOsd : public TSetupPage
{
    Q_OBJECT
public:
    enum { R_DATE, R_TIME, R_LANG, R_ALPHA, R_OSD, R_INFOBAR, R_HDD, R_DEFAULT, R_APPLY, R_MENU };
    // The language shown when the stored one is not offered.
    enum { FALLBACK_LANGUAGE = 3 };

    // Information bar list position <-> (on, auto): 0 "Auto hide" = (0, 1),
    // 1 "Show always" = (1, 0), 2 "Hide always" = (0, 0); any other
    // position is stored like "Auto hide".
    static void infobarFields(int position, int* on, int* autoHide);
    static int infobarPosition(int on, int autoHide);

    TSetupOsd(QWidget* parent, int id, QSize size);

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtLanguage() override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;

public slots:
    void sl_listIndex(int id, int index);

protected:
    void setCtrl() override;
};
