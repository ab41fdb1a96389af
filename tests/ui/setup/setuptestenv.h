#pragma once
// The setup frame and pages on the facade's fixture, in the program's look,
// with a page built on the page base for the tests alone: its rows and
// parameters are given by the test.
#include "../../common/dvr/tdvrfixture.h"
#include "../base/vkeytestenv.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tmsgwnd.h"
#include "tsetuppage.h"
#include "tsetupwnd.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"

#include <QSignalSpy>
#include <cstddef>

namespace setuptest {

// A page described wholly by its rows and parameters; it counts the answers
// it was handed and can refuse to be left.
class TTestPage : public TSetupPage
{
public:
    TTestPage(QWidget* parent, int id, const QVector<Row>& rows, const Params& params)
        : TSetupPage(parent, id, QSize(640, 480))
    {
        setRows(rows, params);
    }
    int leaveCheck() override { return m_refuse; }
    void tabsToFirstItem() { m_params.tabsDownToOwnItem = 0; }
    void toDt(int reset, const QString& now) override { m_clock << QString::number(reset) + ":" + now; }

    int m_refuse = 0;
    QStringList m_answers; // "code:first byte" of each answer handed in
    QStringList m_clock;

protected:
    void onReply(int code, const void* data) override
    {
        m_answers << QString::number(code) + ":" + QString::number(*static_cast<const unsigned char*>(data));
    }
};

using Row = TSetupPage::Row;
using Params = TSetupPage::Params;

// A colour-like preview page on the colour section: two sliders per camera,
// then Apply, Default and Apply All.
inline TTestPage* colourPage(QWidget* parent, int id = SetupAct::Btn_Display_Color)
{
    Row bri;
    bri.kind = TSetupPage::RowSlider;
    bri.text = 71;
    bri.section = IDX_PROP_COLOR;
    bri.offset = offsetof(ColorEntry, bri);
    bri.stride = sizeof(ColorEntry);
    bri.hi = 100;
    bri.preview = SetupAct::Act_PrvColorBri;
    bri.right = TSetupPage::L_ITEM;
    bri.left = TSetupPage::L_ITEM;
    bri.up = TSetupPage::L_CAMERA;
    bri.down = 1;
    Row con = bri;
    con.offset = offsetof(ColorEntry, con);
    con.preview = SetupAct::Act_PrvColorCon;
    con.up = 0;
    con.down = 2;
    Row apply;
    apply.kind = TSetupPage::RowApply;
    apply.right = 3;
    apply.left = TSetupPage::L_OK;
    apply.up = 1;
    apply.down = TSetupPage::L_TAB;
    Row def = apply;
    def.kind = TSetupPage::RowDefault;
    def.right = 4;
    def.left = 2;
    Row all = apply;
    all.kind = TSetupPage::RowApplyAll;
    all.right = TSetupPage::L_OK;
    all.left = 3;
    Params p;
    p.sections = {IDX_PROP_COLOR};
    p.preview = 1;
    p.perCamera = 1;
    p.defaultPreview = 1;
    p.firstRow = 0;
    p.okRight = 2;
    p.okLeft = 4;
    p.cancelRight = 2;
    p.cancelLeft = 4;
    p.pipArea = QRect(300, 60, 200, 150);
    p.replies = {SetupAct::Act_InfoCamera};
    auto* page = new TTestPage(parent, id, {bri, con, apply, def, all}, p);
    page->init(64);
    return page;
}

// An OSD-like page: the transparency list (stored as its position, preview
// 38 with it), the OSD switch, a camera title typed on the keyboard,
// then Apply, Default and Menu. requests are sent on show after delay ms.
inline TTestPage* osdPage(QWidget* parent, int id = SetupAct::Btn_Display_Osd, QVector<int> requests = {},
                          int delay = 100, QVector<int> replies = {})
{
    Row alpha;
    alpha.kind = TSetupPage::RowCombo;
    alpha.text = 17;
    alpha.section = IDX_PROP_OSD;
    alpha.offset = offsetof(PropOsd, alpha);
    alpha.size = 4;
    alpha.list = IDX_DATA_OSD_ALPHA;
    alpha.preview = SetupAct::Act_PrvOsdAlpha;
    alpha.form = TSetupPage::PrvValue;
    alpha.right = TSetupPage::L_ITEM;
    alpha.left = TSetupPage::L_ITEM;
    alpha.up = TSetupPage::L_TAB;
    alpha.down = 1;
    Row on;
    on.kind = TSetupPage::RowCheck;
    on.text = 16;
    on.section = IDX_PROP_OSD;
    on.offset = offsetof(PropOsd, osdOn);
    on.size = 4;
    on.right = TSetupPage::L_ITEM;
    on.left = TSetupPage::L_ITEM;
    on.up = 0;
    on.down = 2;
    Row title;
    title.kind = TSetupPage::RowEdit;
    title.text = 75;
    title.section = IDX_PROP_CAMERA;
    title.offset = offsetof(CameraEntry, name);
    title.size = sizeof(CameraEntry::name);
    title.right = TSetupPage::L_ITEM;
    title.left = TSetupPage::L_ITEM;
    title.up = 1;
    title.down = 3;
    Row apply;
    apply.kind = TSetupPage::RowApply;
    apply.right = 4;
    apply.left = TSetupPage::L_OK;
    apply.up = 2;
    apply.down = TSetupPage::L_TAB;
    Row def = apply;
    def.kind = TSetupPage::RowDefault;
    def.right = 5;
    def.left = 3;
    Row menu = apply;
    menu.kind = TSetupPage::RowMenu;
    menu.right = TSetupPage::L_OK;
    menu.left = 4;
    Params p;
    p.sections = {IDX_PROP_OSD};
    p.requests = requests;
    p.requestDelay = delay;
    p.replies = replies;
    p.okRight = 3;
    p.okLeft = 5;
    p.cancelRight = 3;
    p.cancelLeft = 5;
    auto* page = new TTestPage(parent, id, {alpha, on, title, apply, def, menu}, p);
    page->init(64);
    return page;
}

// The frame as the main window makes it (800 x 600), shown with the keys;
// the stand-in on a profile ("16" unless given).
struct Frame
{
    explicit Frame(const char* profile = "16") : fx(profile)
    {
        vkeytest::setUpGlobals();
        // The option lists' texts, as main installs them.
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        msg = new TMsgWnd(nullptr, ID_WND_MSG, QSize(400, 200));
        msg->init(0);
        g_msgWnd = msg;
        vk = new TVKeyboard(nullptr, ID_WND_VKEYBOARD, QSize(600, 300));
        vk->initCtrl();
        g_vkeyboard = vk;
        w = new TSetupWnd(nullptr, ID_WND_SETUP, QSize(800, 600));
        w->init(0);
    }
    ~Frame()
    {
        delete w;
        g_vkeyboard = nullptr;
        delete vk;
        g_msgWnd = nullptr;
        delete msg;
    }
    bool show(int tab = SetupAct::Btn_Display)
    {
        w->setCurGroup(tab);
        w->move(240, 60);
        w->show();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }
    // A key pressed and released on the frame; posted keys delivered.
    void key(int k)
    {
        vkeytest::key(w, k);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // The id of the frame's button that has the focus; -1 for none.
    int focusId() const
    {
        for (int id = 0; id < TSetupWnd::BUTTONS; ++id) {
            if (w->button(id) && w->button(id)->hasFocus())
                return id;
        }
        return -1;
    }

    TDvrFixture fx;
    TMsgWnd* msg = nullptr;
    TVKeyboard* vk = nullptr;
    TSetupWnd* w = nullptr;
};

// The requests of a spy as "code,a,b".
inline QStringList requests(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& r : spy)
        out << QString("%1,%2,%3").arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt());
    return out;
}

} // namespace setuptest
