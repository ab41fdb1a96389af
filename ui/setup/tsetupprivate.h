#pragma once
#include "tsetupgridpage.h"

#include <QRect>
#include <cstdint>

struct AvcCaps;

class TPrivateGrid;

// The privacy zone page (Device tab, "Private Zone"): per camera the one
// rectangle of the picture the device blacks out, chosen on the grid over
// the camera's live picture and masked by the device at once; a zone is
// held to the largest size the device allows, from its top-left cell.
class TSetupPrivate : public TSetupGridPage
{
    Q_OBJECT
public:
    enum { R_ALLOFF, R_APPLYALL, R_APPLY, R_DEFAULT, R_MENU };
    enum { COLS = 22, WORDS = 18 };

    TSetupPrivate(QWidget* parent, int id, QSize size);

    TPrivateGrid* privateGrid() const;
    // The zone of a selection from one cell to another on a grid of
    // cols x rows: held to the device's largest zone (counted in picture
    // pixels) from its top-left cell, and to the grid; empty when nothing
    // is left.
    static QRect zoneRect(const QPoint& from, const QPoint& to, int cols, int rows, const AvcCaps& caps);

    void init(int background) override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;

public slots:
    void sl_fromGrid(int code, int x, int y) override;

protected:
    void setCtrl() override;
    void selectChannel(int ch) override;
    void applyAll() override;
    void buttonClicked(int row) override;

private:
    // Puts back the zone a selection cleared when the selection was
    // dropped before its end.
    void restoreZone();
    void setZone(int x, int y);

    QPoint m_dragStart{-1, -1};
    QPoint m_dragEnd{-1, -1};
    // The zone cleared by the selection under way, and its camera (-1: no
    // selection under way).
    uint32_t m_saved[WORDS] = {};
    int m_savedCh = -1;
};
