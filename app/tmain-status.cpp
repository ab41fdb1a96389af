// The status box of the main window: shown, updated and hidden by code.
#include "tmain.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "tstatuswnd.h"

#include <QCoreApplication>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

void TMain::sl_ctrlStatus(int code, QString title, QString text)
{
    auto* box = static_cast<TStatusWnd*>(m_wnd[ID_WND_STATUS]);
    if (!box)
        return;
    placeWnd(box, 1);
    qCDebug(lcApp, "========== sl_ctrlStatus : type:%d %s %s =============", code, qUtf8Printable(title),
            qUtf8Printable(text));
    placeWnd(box, 1);
    switch (code) {
    case SIG_STATE_END:
        qCDebug(lcApp, "SIG_STATE_END.. v:%d", box->isVisible() ? 1 : 0);
        if (box->isVisible())
            box->hideWnd();
        break;
    case SIG_STATE_UPDATE:
        if (!title.isEmpty())
            box->setTitle(title);
        box->setText(text);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        qCDebug(lcApp, "============= sl_ctrlStatus : update = %s ===============", qUtf8Printable(text));
        break;
    case SIG_STATE_START:
        if (!title.isEmpty())
            box->setTitle(title);
        box->setText(text);
        qCDebug(lcApp, "SIG_STATE_START.. v:%d", box->isVisible() ? 1 : 0);
        if (!box->isVisible())
            box->show();
        break;
    default:
        break;
    }
    // Drawn before the caller goes on with blocking device work.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TMain::sl_hideStatus()
{
    emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
}

void TMain::hideStatusLater(int ms)
{
    // The box's own timer: a later message or hide cancels this one.
    if (auto* box = static_cast<TStatusWnd*>(m_wnd[ID_WND_STATUS]))
        box->hideLater(ms);
}
