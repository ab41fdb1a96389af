#pragma once
#include "tdefwnd.h"

#include <QRect>

class QPixmap;

// The audio chooser: a row of cells, the first turning the live audio off,
// the others numbered 1 to the camera count. A choice goes to the main
// window; the bar stays open until Escape. Playback keys pressed while it
// is open are passed on, so playback control keeps working.
class TAudioWnd : public TDefWnd
{
    Q_OBJECT
public:
    enum { MAX_CELLS = 21 };

    TAudioWnd(QWidget* parent, int id, QSize size);

    // The cell framed when the bar opens: 0 off, c the audio of camera
    // c - 1; a cell the bar does not have frames cell 0.
    void setCurrent(int cell);
    int current() const { return m_sel; }
    int cells() const { return m_cells; }
    QRect cellRect(int c) const;

    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;

signals:
    // An audio choice (-1 off, else the camera) or a playback key.
    void sg_request(int value);

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QPixmap* m_cellImage;
    QPixmap* m_offImage;
    QRect m_cellRect[MAX_CELLS];
    int m_cells;
    int m_sel;
};
