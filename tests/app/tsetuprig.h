#pragma once
// The main window on a 1280 x 720 output with a user who has the setup
// right logged in: the rig of the tests that drive the setup menu through
// the main window. withTexts gives the option lists their texts before the
// window builds its pages.
#include "../common/dvr/tdvrfixture.h"
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "tmain.h"
#include "tproperty.h"
#include "tstring.h"

#include <cstring>

struct TSetupRig
{
    explicit TSetupRig(const char* profile = "16", bool withTexts = false) : fx(profile), m_texts(withTexts)
    {
        vkeytest::setUpGlobals();
        if (m_texts)
            TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        for (int live : {0, 1})
            static_cast<PropDisplay*>(fx.cfg->getsection(IDX_PROP_DISPLAY, live))->res = 3;
        w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
        for (int live : {0, 1}) {
            UserAccount& a = static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, live))->user[1];
            qstrncpy(a.id, "user1", sizeof a.id);
            a.setup = 1;
        }
        g_api.setUserName("user1");
        w->m_loggedIn = 1;
        w->m_curUserIdx = 1;
    }
    ~TSetupRig()
    {
        delete w;
        if (m_texts)
            TConfig::setTextHook(nullptr);
    }
    // A section of the model file in flash, read into a store of its own.
    template <class T> T fromFile(int idx)
    {
        TProperty file(fx.cfg->confPath());
        T rec;
        std::memcpy(&rec, file.section(idx), sizeof rec);
        return rec;
    }

    TDvrFixture fx;
    TMain* w = nullptr;

private:
    bool m_texts;
};
