#pragma once
#include "tdefbase.h"

#include <QRegion>
#include <QWidget>

// Built once, in tdefbase.cpp.
extern template class TDefBase<QWidget>;

// Base of every window of the recorder: a frameless widget of fixed size with
// an id, twelve hooks through which subclasses do their work, and the show and
// hide protocol that reports the window's region to its owner so the owner can
// cut it out of the video overlay.
class TDefWnd : public TDefBase<QWidget>
{
    Q_OBJECT
public:
    TDefWnd(QWidget* parent, int id, QSize size);

    int isShown() const { return m_shown; }
    // Hides the window and reports it; a plain hide() reports nothing.
    void hideWnd();
    // Places the window centred over another one (even x offset only).
    void moveCenter(QWidget* over);

signals:
    void sg_showed(int id, int shown, QRegion region);

public slots:
    void sl_shown();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    int m_shown;
};
