#pragma once
#include "tdefbase.h"

#include <QDialog>
#include <QRegion>

// Built once, in tdefbase.cpp.
extern template class TDefBase<QDialog>;

// The base window's twin on QDialog, for the factory board-test dialog: the
// same id, region and twelve hooks; every hide reports itself, and evtEvent
// may swallow any event before the dialog sees it. The dialog's own keys
// (Escape rejects, Enter presses the default button) do not exist: the key
// hooks decide everything.
class TDefDlg : public TDefBase<QDialog>
{
    Q_OBJECT
public:
    TDefDlg(QWidget* parent, int id, QSize size);

signals:
    void sg_showed(int id, int shown, QRegion region);

public slots:
    void sl_shown();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool event(QEvent* e) override;
};
