#pragma once
#include "tsetuppage.h"

struct UserAccount;
class TSetupUserCam;
class QIcon;

// The user page: the auto-lock time, and per user slot the ID, the password
// (changed through a chain of keyboard prompts) and the five rights. Slot 0
// is "admin": its ID stays and it holds every right.
class TSetupUser : public TSetupPage
{
    Q_OBJECT
public:
    enum { USERS = 8, PW_SIZE = 16 };
    enum RowId {
        RowUser0, RowIdField = USERS, RowPassword, RowSetup, RowSearch, RowBackup, RowPtz, RowNetwork, RowCamera,
        RowLock, RowApplyBtn, RowDefaultBtn
    };
    // What the keyboard is asked for.
    enum Target { TargetNone = -1, TargetId = 0, TargetPassword = 9 };

    TSetupUser(QWidget* parent, int id, QSize size);
    ~TSetupUser() override;

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtResize() override;
    // The user buttons read the user ("admin", then the slot numbers) and
    // the password and camera buttons "Setup", not their rows' labels.
    void evtLanguage() override;
    void evtPaint(QPaintEvent* e) override;
    void evtHide() override;
    void evtKeyup(int key) override;
    // The frame hides: the camera window closes as by its CANCEL.
    void closeSubWindows() override;
    TSetupUserCam* camWnd() const { return m_camWnd; }

    int selected() const { return m_selch; }
    int pwStep() const { return m_pwStep; }
    // The user slots the unit has, 1..8.
    static int users();

public slots:
    void sl_typed(int code, QString text);

protected:
    void setCtrl() override;
    void keyMatch() override;
    int keyTaken(int key) override;
    void buttonClicked(int row) override;

private:
    UserAccount* account(int slot) const;
    void selectUser(int slot);
    void toggleRight(int row);
    void ask(int title, bool password, const QString& text);
    void warn(int text);
    void typedId(const QString& text);
    void typedPassword(const QString& text);

    TSetupUserCam* m_camWnd = nullptr;
    QIcon* m_userIcon = nullptr;
    int m_selch = 0;
    int m_editTarget = TargetNone;
    int m_pwStep = 0;
    char m_newPwd[PW_SIZE] = {};
};
