#pragma once
// Shared set-up of the keyboard and message-box tests: the resource object on
// the image sheet drawn by the build, the text object, the program's style
// and a font that has Hangul, so that grabs look like the recorder's screen.
#include "appglobals.h"
#include "tres.h"
#include "tstring.h"
#include "tkeys.h"
#include "tstyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QKeyEvent>
#include <QStyle>
#include <QtTest>

namespace vkeytest {

// The sheet lies in <build>/res/sheet; tests run from <build>/tests/ui/<folder>.
inline QString sheetPath()
{
#ifdef DVR_SHEET_DIR
    if (QFile::exists(QStringLiteral(DVR_SHEET_DIR "/img_res.png")))
        return QStringLiteral(DVR_SHEET_DIR "/img_res.png");
#endif
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 5; ++up) {
        const QString candidate = dir.filePath(QStringLiteral("res/sheet/img_res.png"));
        if (QFile::exists(candidate))
            return candidate;
        if (!dir.cdUp())
            break;
    }
    return QString();
}

inline void setUpGlobals()
{
    if (!g_res) {
        g_res = new TRes;
        const QString sheet = sheetPath();
        if (!sheet.isEmpty())
            g_res->makeStyle(sheet);
        if (g_res->getStyle())
            QApplication::setStyle(g_res->getStyle());
    }
    if (!g_str)
        g_str = new TString;
    // A Latin face; Hangul comes from the system's fallback (NanumGothic).
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    QApplication::setFont(f);
}

// The output folder for grabs that a developer looks at.
inline QString grabPath(const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("grabs"));
    return dir.filePath(QStringLiteral("grabs/") + name);
}

// A key press and release sent to the window itself, as the main window posts
// the front panel's and the remote's keys.
inline void key(QWidget* w, int k)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    QCoreApplication::processEvents();
}

// Keys spelled U D L R for the arrows, < > for the jog ring.
inline void keys(QWidget* w, const QString& spelled)
{
    for (const QChar k : spelled)
        key(w, k == 'U' ? Qt::Key_Up : k == 'D' ? Qt::Key_Down : k == 'L' ? Qt::Key_Left
               : k == 'R' ? Qt::Key_Right : k == '<' ? int(KEY_JOG_LEFT) : int(KEY_JOG_RIGHT));
}

} // namespace vkeytest
