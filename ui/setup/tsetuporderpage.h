#pragma once
#include "tsetuppage.h"

#include <cstdint>

class TCombo;

// A setup page with a camera sequence: one list per position (the main
// monitor's display order, the spot monitor's steps), "X" for an empty
// position, laid out in a grid of four columns. Each camera stands at most
// once: choosing a camera another position holds swaps the two positions.
// A stored order that names a camera twice is shown, and kept, as the
// identity order.
class TSetupOrderPage : public TSetupPage
{
    Q_OBJECT
public:
    enum { COLUMNS = 4 };

    // Resets orders[0..n) to the identity (orders[i] = i for every i below
    // 20) when two positions below n hold the same camera; empty positions
    // (negative) never count. 1 when it reset.
    static int repair(int32_t* orders, int n);
    // Position step of orders[0..n) takes list entry index (0 "X", else
    // camera index - 1). Returns the position that gave its camera up in a
    // swap, -1 when none did; nothing changes for a step outside 0..n-1 or
    // a camera outside 0..n-1.
    static int choose(int32_t* orders, int n, int step, int index);

    TCombo* orderCombo(int step) const;

    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void connectTo() override;
    void disconnectFrom() override;

public slots:
    void sl_orderIndex(int id, int index);

protected:
    // section, offset: the 20 order words in the edit copy.
    TSetupOrderPage(QWidget* parent, int id, QSize size, int section, int offset);
    // The 20 position rows (list 9, no field of their own), linked as a
    // grid: the outer columns lead out to the menu item, the first row up
    // to row above, the last row down to row below.
    static QVector<Row> orderRows(int first, int above, int below);
    void setCtrl() override;
    int32_t* orders() const;

    int m_orderSection;
    int m_orderOffset;
    int m_orderRow = -1; // row of position 0
    int m_orderText = 380; // "Switching"
};
