#pragma once
#include "tdefwnd.h"

// The plain black full-screen window the start-up shows behind the factory
// board test: no controls, nothing but its paint.
class TBackgrnd : public TDefWnd
{
    Q_OBJECT
public:
    TBackgrnd(QWidget* parent, int id, QSize size);

    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
};
