#pragma once
#include "tsetuppage.h"

class TListView;

// The system log page: the recorder's log one page of lines at a time,
// newest page first, paged through the main window, and exported as text to
// a USB stick under a typed name.
class TSetupSlog : public TSetupPage
{
    Q_OBJECT
public:
    enum RowId { RowList, RowRefresh, RowExport };
    enum { NAME_SIZE = 256 };

    TSetupSlog(QWidget* parent, int id, QSize size);

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;

    TListView* list() const { return m_list; }
    int page() const { return m_page; }
    int pages() const { return m_pages; }
    int perPage() const { return m_perPage; }

public slots:
    void sl_fromlist(int cmd, int arg);
    void sl_nameReply(int code, QString text);

protected:
    int keyTaken(int key) override;
    void buttonClicked(int row) override;
    void onReply(int code, const void* data) override;

private:
    void clearList();
    void askFileName();

    TListView* m_list = nullptr;
    int m_pages = 0;
    int m_total = 0;
    int m_page = -1;
    int m_perPage = 0;
    int m_askName = 0;
    char m_fileName[NAME_SIZE] = {};
};
