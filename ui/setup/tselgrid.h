#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

// The selection grid the motion and privacy pages lay over a camera's live
// picture: X x Y cells (at most 32 each) inside a 1-pixel frame, a
// rectangle of cells chosen by a mouse drag or by the keys in edit mode,
// and the page told of the selection's start and end through sg_request.
// No selection ever starts or ends outside the grid's cells, so no cell
// beyond X x Y is ever chosen.
class TSelGrid : public QWidget
{
    Q_OBJECT
public:
    enum { MAX_CELLS = 32 };
    // The codes of sg_request: a selection starts at a cell, a selection
    // dropped before it was applied (by Escape, a release outside the
    // cells, the grid hidden); the end code is the grid's own.
    enum { ReqStart = 0, ReqDrop = 3 };

    // cols x rows cells, each cut to 1..32.
    TSelGrid(QWidget* parent, int cols, int rows);

    int cols() const { return m_x; }
    int rows() const { return m_y; }
    bool selecting() const { return m_sel; }
    bool editMode() const { return m_edit; }
    QPoint anchor() const { return m_a; }
    QPoint endCell() const { return m_e; }
    QRect selRect() const { return m_selRect; }
    double cellWidth() const { return m_cw; }
    double cellHeight() const { return m_chh; }
    // The cell under a point of the widget, truncated toward zero.
    QPoint cellAt(const QPoint& p) const;
    // The page's preview-on flag: without a preview the grid is dark grey.
    void setPreviewOn(bool on);
    bool previewOn() const { return m_previewOn; }
    const QImage& image() const { return m_img; }

    // 1 when the grid used the key (every key while in edit mode).
    int isLock(int key);
    // Leaves any selection and edit mode without telling the page.
    void reset();

signals:
    void sg_request(int code, int x, int y);

protected:
    // Applies the selection of cells a .. b (any order) and tells the page
    // with the end cell b.
    virtual void applySel(const QPoint& a, const QPoint& b) = 0;
    // Redraws the cell image.
    virtual void drawImage() = 0;
    // A mouse move to cell c: false to ignore it; the cell may be moved.
    virtual bool acceptMove(QPoint& c) const;
    // After a move of the selection (keys or mouse).
    virtual void selMoved() { update(); }
    // After a release.
    virtual void released() {}
    bool inside(const QPoint& c) const { return c.x() >= 0 && c.x() < m_x && c.y() >= 0 && c.y() < m_y; }
    // The rectangle of the cells a .. b in pixels of the cell image.
    QRect cellsRect(const QPoint& a, const QPoint& b) const;
    void drop();

    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

    int m_x;
    int m_y;
    double m_cw = 1;
    double m_chh = 1;
    QImage m_img;
    bool m_sel = false;
    bool m_edit = false;
    bool m_previewOn = false;
    QPoint m_start;
    QPoint m_cur;
    QPoint m_a;
    QPoint m_e;
    QRect m_selRect{0, 0, 0, 0};
};
