#pragma once
#include "tdefwnd.h"
#include "wndid.h"

#include <QString>
#include <QStringList>

class QTimer;

// The one "please wait" box of the program (g_statusWnd): a modal pop-up
// without buttons that shows a title and a status text (or a few lines)
// while a long device operation runs. Only the main window drives it, from
// its status control slot; every showing starts blank. The box owns the one
// pending hide: a hide belongs to the message it was armed for.
class TStatusWnd : public TDefWnd
{
    Q_OBJECT
public:
    TStatusWnd(QWidget* parent, int id, QSize size);

    // Stores the title; the next paint shows it.
    void setTitle(const QString& title);
    // Stores the text; a shown box repaints soon.
    void setText(const QString& text);
    // Stores the lines (drawn while there is no text); a shown box is
    // repainted before this returns, so they are on the screen before the
    // caller goes on with blocking work.
    void setLines(const QStringList& lines);
    // Arms the one pending hide ms from now (sg_hideDue then), replacing any
    // earlier one. A new text or lines, and every hide, cancel it.
    void hideLater(int ms);
    bool hidePending() const;

    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QStringList lines() const { return m_lines; }

    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

signals:
    // The armed hide is due: the owner hides the box.
    void sg_hideDue();

private:
    void cancelHide();

    QTimer* m_hideTimer = nullptr;
    QString m_title;
    QString m_text;
    QStringList m_lines;
};
