#pragma once
// Test set-up shared by the control tests: the process-wide text and
// resource objects the controls draw with (the image sheet drawn by the
// build, or fallback colours without it), a fixed application font, and a
// folder for the pictures the tests grab of each control.
#include "appglobals.h"
#include "tres.h"
#include "tstring.h"
#include "tstyle.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// A window that counts the key releases that reach it.
class ReleaseCounter : public QWidget
{
public:
    int releases = 0;

protected:
    void keyReleaseEvent(QKeyEvent*) override { ++releases; }
};

class ControlEnv
{
public:
    ControlEnv()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        m_str = new TString;
        g_str = m_str;
        m_res = new TRes;
        g_res = m_res;
        const QString sheet = QCoreApplication::applicationDirPath() + QStringLiteral("/../../../res/sheet/img_res.png");
        m_sheetLoaded = QFile::exists(sheet) && m_res->makeStyle(sheet);
        if (!m_sheetLoaded)
            m_res->makeStyle(QStringLiteral("/nonexistent/img_res.png"));
        if (m_res->getStyle())
            QApplication::setStyle(m_res->getStyle());
    }
    ~ControlEnv()
    {
        g_str = nullptr;
        delete m_str;
        g_res = nullptr;
        delete m_res; // the installed style stays with the application

    }
    bool sheetLoaded() const { return m_sheetLoaded; }

    // Saves a picture of a widget beside the test program, for a person to
    // look at.
    static void shot(QWidget* w, const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/shots");
        QDir().mkpath(dir);
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // A mouse move without a button held, as mouse tracking reports it.
    static void hover(QWidget* w, const QPoint& pos)
    {
        QMouseEvent e(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

private:
    TString* m_str;
    TRes* m_res;
    bool m_sheetLoaded;
};
