#pragma once
#include <QRect>
#include <QWidget>

class QIcon;
class TButton;

// The one-row entry list that the calendar opens over a week when the chosen
// day holds several entries (several recordings of one day): the numbers 1 to
// the count, six at a time, with two scroll buttons and a close button.
class TCalendarPop : public QWidget
{
    Q_OBJECT
public:
    TCalendarPop(QWidget* parent, QSize size);
    ~TCalendarPop() override;

    void createCtrl();
    void setCount(int n);
    void setFocusItem(int k);
    int keyEvent(int key);

    int count() const { return m_count; }
    int first() const { return m_first; }
    // Position of the marked item on the page, -1 when no item is marked.
    int focusItem() const;
    // Number of items on the page.
    int shown() const;
    // The rectangle of item k of the page.
    QRect itemRect(int k) const;
    TButton* button(int id) const;

signals:
    void sg_clicked(int n);

public slots:
    void sl_btnclicked(int id, int state);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void layoutCtrl();
    int itemAt(const QPoint& p) const;
    void clearFocusItem();

    int m_count;
    int m_itemW;
    int m_visible;
    int m_first;
    int m_itemX;
    TButton* m_btnUp;
    TButton* m_btnDown;
    TButton* m_btnClose;
    QRect m_focusRect;
    QIcon* m_iconUp;
    QIcon* m_iconDown;
};
