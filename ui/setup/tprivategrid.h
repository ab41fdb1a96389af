#pragma once
#include "tselgrid.h"

// The privacy page's selection grid over the live picture: it draws no
// cells, only the selection's outline while one is made; a mouse drag is
// held to the largest zone the device allows. The page hears the start
// (code 0) and the end cell (code 2) and sets the zone itself.
class TPrivateGrid : public TSelGrid
{
    Q_OBJECT
public:
    enum { ReqEnd = 2 };

    // cols x rows cells; the largest zone maxW x maxH cells (a mouse drag
    // is not held when either is below 1).
    TPrivateGrid(QWidget* parent, int cols, int rows, int maxW, int maxH);

    int maxW() const { return m_maxW; }
    int maxH() const { return m_maxH; }

protected:
    void applySel(const QPoint& a, const QPoint& b) override;
    void drawImage() override;
    bool acceptMove(QPoint& c) const override;
    void selMoved() override;
    void released() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int m_maxW;
    int m_maxH;
};
