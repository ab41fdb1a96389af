#pragma once
#include "propsections.h"
#include "tsetupsubwnd.h"

#include <QVector>

class QIcon;
class TButton;
class TCombo;

// The PTZ presets called on motion: per camera whose motion fires (the
// buttons across the top), the preset each camera is sent to. Edits the
// alarm section of the edit copy in place; CANCEL, Escape, or the hiding of
// the alarm page or the setup menu put back the whole section as it was when
// the window was shown (TSetupSubWnd).
class TSetupAlarmPreset : public TSetupSubWnd
{
    Q_OBJECT
public:
    enum { CAMS = 20, OK = 20, CANCEL = 21 };

    TSetupAlarmPreset(QWidget* parent, int id, QSize size);
    ~TSetupAlarmPreset() override;

    int camera() const { return m_camera; }
    TButton* button(int id) const;
    TCombo* combo(int j) const;
    const QVector<FocusLink>& focusTable() const { return m_focus; }
    // The unit's cameras, at most 20.
    static int videos();

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_changeIndex(int id, int index);

protected:
    bool keyTaken(int key) override;
    QWidget* arrowMove(int key) override;
    QWidget* firstCtrl() const override;

private:
    void setCtrl();
    void keyMatch();
    PropAlarm* alarm() const;

    TButton* m_btn[CANCEL + 1] = {};
    TCombo* m_combo[CAMS] = {};
    QIcon* m_camIcon = nullptr;
    QIcon* m_cmdIcon = nullptr;
    int m_camera = 0;
};
