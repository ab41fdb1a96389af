#pragma once
#include "ttimescale.h"

#include <QRect>
#include <QSize>
#include <QWidget>

class TButton;

// The 24-hour recording timeline of the search window: one row per camera,
// one cell per minute coloured by what was recorded, hour or minute labels,
// a cursor line for the chosen or played time and four buttons that zoom
// (24 h, 4 h, 1 h) and scroll. The owner passes every key to keyEvent first.
class TLineGraph : public QWidget
{
    Q_OBJECT
public:
    enum { MaxRows = 20, Minutes = 1440 };

    TLineGraph(QWidget* parent, int rows);

    void init();
    void createBtn();
    void layoutBtn();
    void setChannel(int rows, int firstCh);
    void resizeTo(QSize size);
    using QWidget::setGeometry;
    void setGeometry(QSize size);
    void reset();
    void clearData();
    // Rows and minutes outside the 20 x 1440 cells are ignored.
    void setData(int row, int minute, int value);
    int data(int row, int minute) const;
    void refresh();
    void updatePos(int sec);
    int keyEvent(int key);

    const TTimeScale& scale() const { return m_scale; }
    int rows() const { return m_rows; }
    int rowH() const { return m_rowH; }
    int posCur() const { return m_posCur; }
    int posMouse() const { return m_posMouse; }
    int isActive() const { return m_active; }
    int keyMode() const { return m_keyMode; }
    TButton* button(int id) const;
    QRect btnRect() const { return m_btnRect; }

signals:
    void sg_request(int type, int sec);

public slots:
    void sl_btnclicked(int id, int state);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool inGraph(const QPoint& p) const;
    void repaintCursor(int oldX, int newX);
    int focusedButton() const;
    void focusButton(int id);

    int m_rows;
    int m_rowH;
    int m_top;
    int m_bottom;
    TTimeScale m_scale;
    int m_posCur;
    int m_posMouse;
    int m_active;
    bool m_pressed;
    TButton* m_btn[6];
    unsigned char m_data[MaxRows * Minutes];
    QRect m_btnRect;
    int m_keyMode;
    QSize m_size;
    int m_firstCh;
};
