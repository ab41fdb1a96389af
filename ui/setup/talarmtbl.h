#pragma once
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QWidget>

// The matrix of the alarm-output page: one row per alarm output, one column
// per event input, one on/off cell at each crossing. It knows nothing of the
// configuration: the page loads the cells and hears every cell the operator
// toggles, by a click or, after Enter, with the keys of the edit mode.
class TAlarmtbl : public QWidget
{
    Q_OBJECT
public:
    enum { MAX_ROWS = 24, MAX_COLS = 20, LABEL_COLS = 5 };

    explicit TAlarmtbl(QWidget* parent);
    ~TAlarmtbl() override;

    // Counts are kept within the cell store (1..24 rows, 1..20 columns);
    // every flag is cleared and the widget takes the grid's size.
    void setSize(int rows, int cols);
    // Cells are at least one pixel each way.
    void setCellSize(int w, int h);
    void setLabels(const QStringList& labels);
    // A load by the page: no signal. Cells outside the store are ignored.
    void setCell(int row, int col, int value);
    int cell(int row, int col) const;

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    int cellWidth() const { return m_cellW; }
    int cellHeight() const { return m_cellH; }
    int isEditing() const { return m_lock; }
    int curRow() const { return m_curRow; }
    int curCol() const { return m_curCol; }
    // The focus cell as grid column and row (labels and header counted); 0
    // when there is none.
    QPoint focusCell() const { return QPoint(m_focusCol, m_focusRow); }
    // A grid cell's pixel rectangle.
    QRect cellRect(int gridCol, int gridRow) const;

    // A key the page did not use: 1 when the edit mode took it, 0 when the
    // edit mode is off.
    int isLock(int key);

signals:
    void sg_request(int row, int col, int value);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void drawTable(const QRect& rect);
    void toggle(int row, int col);
    void setFocusCell(int gridCol, int gridRow);
    void moveCursor(int row, int col);
    void leaveEdit();

    QImage* m_image = nullptr;
    int m_labelCols = LABEL_COLS;
    int m_cellW = 100;
    int m_cellH = 100;
    int m_rows = 1;
    int m_cols = 1;
    int m_lock = 0;
    int m_focusCol = 0;
    int m_focusRow = 0;
    QRect m_focusRect;
    unsigned char m_cells[MAX_ROWS][MAX_COLS] = {};
    QStringList m_labels;
    int m_curCol = 0;
    int m_curRow = 0;
};
