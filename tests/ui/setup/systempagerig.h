#pragma once
// The setup frame of a unit with a given number of disks (more than three:
// the eSATA pages), opened on a System page, with the lists' texts as the
// program has them and the frame's requests recorded.
#include "setuptestenv.h"

#include <memory>

namespace setuptest {

struct SystemRig
{
    // Sets the unit's disks and outputs, then builds the frame (which
    // chooses the page variants from them).
    SystemRig(int disks, int relays = 1, int outputs = 7)
    {
        for (int live : {0, 1}) {
            auto* dev = static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, live));
            dev->storage = disks;
            dev->relaycnt = relays;
            dev->alarmouts = outputs;
        }
        vkeytest::setUpGlobals();
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        msg = new TMsgWnd(nullptr, ID_WND_MSG, QSize(400, 200));
        msg->init(0);
        g_msgWnd = msg;
        w = new TSetupWnd(nullptr, ID_WND_SETUP, QSize(800, 600));
        w->init(0);
        spy.reset(new QSignalSpy(w, &TSetupWnd::sg_request));
    }
    ~SystemRig()
    {
        delete w;
        g_msgWnd = nullptr;
        delete msg;
        TConfig::setTextHook(nullptr);
    }
    bool open(int page)
    {
        w->setCurGroup(SetupAct::Btn_System);
        w->move(240, 60);
        w->show();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            return false;
        QTest::mouseClick(w->button(page), Qt::LeftButton);
        return w->page(page)->isVisible();
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(fx.cfg->getsection(idx, 0)); }
    void key(int k)
    {
        vkeytest::key(w, k);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // The requests passed on since the last call, as "code,a,b".
    QStringList sent()
    {
        const QStringList out = requests(*spy);
        spy->clear();
        return out;
    }
    template <class T> void answer(int code, const T& rec) { w->reply(code, 0, const_cast<T*>(&rec)); }

    TDvrFixture fx;
    TMsgWnd* msg = nullptr;
    TSetupWnd* w = nullptr;
    std::unique_ptr<QSignalSpy> spy;
};

} // namespace setuptest
