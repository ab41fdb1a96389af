#pragma once
#include <QRect>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QIcon;
class QMouseEvent;
class TButton;

// The paged text list of the event list, the holiday list, the system-log
// viewer and the file chooser: equal-height striped lines and, beside them,
// a paging column of four buttons and a draggable puck. Under local paging
// the view holds every text and pages itself; under owner paging it holds the
// loaded page only and reports the wanted page through sg_notify. The owner
// hands every key to keyEvent first.
class TListView : public QWidget
{
    Q_OBJECT
public:
    TListView(QWidget* parent, int id, const QSize& size, int localPaging, int selectable);
    ~TListView() override;

    void init();
    void findItem(const QString& text);
    int addItem(const QString& text);
    void removeItem(const QString& text);
    void clear();
    void reset();
    void setLineData(int line, int value);
    QString currentText() const;
    QString lineText(int line) const;
    int maxLine() const { return m_maxLine; }
    void setMaxLine(int n);
    void refresh();

    void setAllPages(int n);
    void renewalSliderPuck(int n);
    void setPage(int p);
    void movePuck(int p);
    void syncPuck();
    void relayout();

    int keyEvent(int key);

    int count() const { return m_list.size(); }
    int pages() const { return m_pages; }
    int pageCur() const { return m_pageCur; }
    int allPages() const { return m_AllPages; }
    int sliderPos() const { return m_sliderPos; }
    int curIdx() const { return m_curIdx; }
    int isActive() const { return m_active; }
    int keyMode() const { return m_keyMode; }
    int lineH() const { return m_lineH; }
    int listH() const { return m_listH; }
    int textRight() const { return m_textRight; }
    double step() const { return m_step; }
    QRect track() const { return m_track; }
    QRect selRect() const { return m_sel; }
    TButton* button(int id) const;
    // The index of the paging button that has the focus, -1 none.
    int focusedButton() const;

signals:
    void sg_notify(int code, int value);
    void sg_clicked(int data);
    void sg_oneclicked(int data);

public slots:
    void sl_btnclicked(int id, int state);
    void sl_slidermoved(QMouseEvent* e);
    void sl_sliderPressed();
    void sl_sliderReleased();
    void sl_timeoutEnter();
    void sl_timeoutLeave();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void makeGeometry();
    void createCtrl();
    void placeCtrl();
    void layoutSlider();
    void puckPos();
    void updateLine(int i);
    int lineValue() const;
    int linesHere() const;
    void focusBtn(int i);
    void afterPageChange();

    TButton* m_btnFirst;
    TButton* m_btnPrev;
    TButton* m_btnNext;
    TButton* m_btnLast;
    TButton* m_puck;
    QStringList m_list;
    QRect m_sel;
    QRect m_track;
    int m_maxLine;
    int m_textRight;
    int m_lineH;
    int m_curIdx;
    QVector<int> m_lineData;
    int m_active;
    int m_pages;
    int m_pageCur;
    int m_puckW;
    int m_puckH;
    int m_travel;
    int m_colX;
    int m_trackTop;
    int m_AllPages;
    int m_sliderPos;
    int m_puckDown;
    int m_focusBtn;
    int m_keyMode;
    int m_localPaging;
    int m_selectable;
    int m_width;
    int m_listH;
    double m_step;
    QIcon* m_icons[4];
};
