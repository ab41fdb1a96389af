// The live view's painting.
#include "tmain.h"

#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

void TMain::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (!m_initDone) {
        // Until the device is up the view shows dark grey, never the OSD.
        p.fillRect(e->rect(), QColor(16, 16, 16));
        return;
    }
    // Opaque black is what the video output shows through.
    for (const QRect& r : e->region())
        p.fillRect(r, QColor(0, 0, 0, 255));
    qCDebug(lcApp, "TMain::paintEvent.. exit");
}
