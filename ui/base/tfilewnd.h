#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QIcon;
class QLabel;
class TButton;
class TCombo;
class TListView;
struct ListInfo;
struct PageLines;

// Requests of the file chooser to the main window (sg_request's cmd).
enum FileReq {
    Act_FileInit = 2, // list dir for pattern, value lines a page: answer initLiveview
    Act_FilePage = 3  // page value of that listing: answer readListview
};

// The one shared file chooser (g_fileWnd): lists the files of one folder on
// the USB stick that match a pattern, a page at a time, lets the operator
// pick one and answers with its name. It reads no folder itself: it asks
// the main window, which has the device facade list the folder and hands
// back the listing's header and each page before the request returns.
class TFileWnd : public TDefWnd
{
    Q_OBJECT
public:
    TFileWnd(QWidget* parent, int id, QSize size);
    ~TFileWnd() override;

    // Makes the controls (the list with owner paging), places them and
    // links the focus.
    void init(int param) override;
    void setTitle(const QString& title);
    void setPath(const QString& dir, const QString& pattern);

    // The main window's answers to Act_FileInit and Act_FilePage.
    void initLiveview(const ListInfo* info);
    void readListview(const PageLines* page);
    // The first listed name becomes the chosen one (none for an empty list).
    void selectFirst();

    QString chosenName() const;
    int page() const { return m_page; }
    int pages() const { return m_pages; }
    int total() const { return m_total; }
    TListView* list() const { return m_list; }
    TButton* okButton() const { return m_btnOk; }
    TButton* cancelButton() const { return m_btnCancel; }

signals:
    void sg_request(int cmd, int value, QString dir, QString pattern);
    void sg_reply(QString name);

public slots:
    // 0 OK: hides the chooser and answers the chosen name, if any; 1 CANCEL
    // (also how other windows close it): hides it only.
    void sl_btnclicked(int id, int state);
    void sl_fromlist(int code, int value);
    void sl_clickedList(int data);

protected:
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

private:
    void requestPage(int page);

    TButton* m_btnOk;
    TButton* m_btnCancel;
    QLabel* m_name;
    TCombo* m_device;
    QRect m_titleRect;
    QRect m_deviceRect;
    QRect m_nameRect;
    FocusLink m_focus[4];
    TListView* m_list;
    QString m_title;
    int m_pages;
    int m_total;
    int m_page;
    int m_perPage;
    QString m_path;
    QString m_filter;
    QIcon* m_icon;
};
