#pragma once
// The network pages in the setup frame, with the number pad and the message
// box installed and the main window's answers to the pages' requests played
// from the facade on the stand-in (61, 63, 67 and 46), as the main window
// gives them.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tedit.h"
#include "tmsgiface.h"

#include <QLabel>

namespace nettest {

using setuptest::Frame;

struct NetFrame
{
    explicit NetFrame(int tab = SetupAct::Btn_Network)
    {
        pad = new TVKeyNumboard(nullptr, ID_WND_VKEYNUM, QSize(230, 260));
        pad->initCtrl();
        g_vkeynum = pad;
        TMsgIface::install(f.msg);
        QObject::connect(f.w, &TSetupWnd::sg_request, f.w, [this](int code, int a, int b, QString) {
            asked << QString("%1,%2,%3").arg(code).arg(a).arg(b);
            answer(code);
        });
        m_tab = tab;
    }
    ~NetFrame()
    {
        TMsgIface::install(nullptr);
        g_vkeynum = nullptr;
        delete pad;
    }
    // The texts of the option lists and the facade, as main installs before
    // the windows are made.
    struct TextHook
    {
        TextHook()
        {
            vkeytest::setUpGlobals();
            TConfig::setTextHook([](int id) { return g_str->text(id); });
        }
        ~TextHook() { TConfig::setTextHook(nullptr); }
    };
    bool show() { return f.show(m_tab); }
    void answer(int code)
    {
        switch (code) {
        case SetupAct::Act_InfoDhcp:
            g_api.checkIp();
            f.w->reply(code, 0, g_api.m_eth0Text);
            break;
        case SetupAct::Act_InfoUpnp: {
            QString state;
            g_api.checkUpnp(state);
            f.w->reply(code, 0, &state);
            break;
        }
        case SetupAct::Act_InfoNetClient:
            g_api.getNetInfo();
            f.w->reply(code, 0, &g_api.m_netInfo);
            break;
        case SetupAct::Act_InfoCamera:
            g_api.checkCamera();
            f.w->reply(code, 0, &g_api.m_vinState);
            break;
        default: break;
        }
    }
    // Opens a page from its item in the menu, by mouse.
    TSetupPage* open(int id)
    {
        QTest::mouseClick(f.w->button(id), Qt::LeftButton);
        QCoreApplication::processEvents();
        return f.w->page(id);
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(f.fx.cfg->getsection(idx, 0)); }
    template <class T> T* live(int idx) { return static_cast<T*>(f.fx.cfg->getsection(idx, 1)); }
    // Types on the open number pad: the line emptied, the digits with the
    // remote's digit keys (the dots of an address come by themselves), then
    // OK (or Cancel) by mouse.
    void typeOnPad(const QString& text, bool ok = true)
    {
        pad->setText(QString());
        for (const QChar c : text) {
            if (c.isDigit())
                vkeytest::key(pad, Qt::Key_0 + c.digitValue());
        }
        QTest::mouseClick(ok ? pad->okButton() : pad->cancelButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // The message box shown: "title/text"; empty when hidden.
    QString message() const { return f.msg->isVisible() ? f.msg->title() + "/" + f.msg->text() : QString(); }

    TextHook hook;
    Frame f;
    TVKeyNumboard* pad = nullptr;
    QStringList asked;
    int m_tab;
};

inline QString editText(TSetupPage* page, int row)
{
    auto* e = qobject_cast<TEdit*>(page->control(row));
    return e ? e->text() : QString("<none>");
}

} // namespace nettest
