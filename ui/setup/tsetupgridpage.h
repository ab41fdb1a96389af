#pragma once
#include "tselgrid.h"
#include "tsetupcampage.h"

#include <QPointer>

// The shape the motion and privacy pages share: a camera's live picture in
// the preview window under the page's selection grid, the grid's keys
// ahead of the focus table (Enter on the grid puts it into edit mode), the
// buttons in a column right of the picture, and the preview area black
// while the picture is asked for, dark grey otherwise.
class TSetupGridPage : public TSetupCamPage
{
    Q_OBJECT
public:
    // A row link to the grid (the grid is no row).
    enum { L_GRID = -100 };

    TSetupGridPage(QWidget* parent, int id, QSize size);

    TSelGrid* grid() const { return m_grid; }
    bool pipOn() const { return m_pipOn; }
    QRect pipArea() const { return m_params.pipArea; }

    void connectTo() override;
    void disconnectFrom() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    virtual void sl_fromGrid(int code, int x, int y) = 0;

protected:
    // The page makes its grid in init, before the layout.
    void setGrid(TSelGrid* grid);
    void setPipOn(bool on);
    void keyMatch() override;
    int keyTaken(int key) override;
    // The row whose caption (a text id) stands above it, centred (the
    // sensitivity box); -1 none.
    int m_captionRow = -1;
    int m_captionText = -1;

private:
    // A child of the page: gone with it, before the page's own members.
    QPointer<TSelGrid> m_grid;
    bool m_pipOn = false;
};
