// The search window as the operator drives it: the controls of each mode,
// the grids, the requests and their records at the window's signal, the
// keys, the rate text and the timeline fill.
#include "../../common/dvr/tdvrfixture.h"
#include "../base/vkeytestenv.h"
#include "searchreq.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tclock.h"
#include "tcombo.h"
#include "tdatasetth.h"
#include "tdate.h"
#include "tedit.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tosdhooks.h"
#include "tposview.h"
#include "treshooks.h"
#include "tsearchwnd.h"
#include "ttime.h"
#include "tvkeyboard.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

// One request as the window sent it; the record copied while it was valid.
struct Req {
    int code;
    int value;
    SearchQuery q;
};

// The stand-in's unit of a profile on a 1920 x 1080 output, and the window
// on it, shown.
struct Rig
{
    explicit Rig(const char* profile = "16", int res = 4) : fx(profile)
    {
        fx.live<PropDisplay>(IDX_PROP_DISPLAY)->res = res;
        static_cast<PropDisplay*>(fx.cfg->getsection(IDX_PROP_DISPLAY, 0))->res = res;
        g_resHooks.voutSize = [](int live) { return g_api.voutInfo(live); };
        g_res->setScale(g_api.getRatio(res));
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
        vk = new TVKeyboard(nullptr, 2, g_res->getSize(2));
        vk->initCtrl();
        g_vkeyboard = vk;
        w = new TSearchWnd(nullptr, ID_WND_SEARCH, g_res->getSize(6));
        w->init(0);
        QObject::connect(w, &TSearchWnd::sg_request, w, [this](int code, void* v) {
            Req r{code, 0, {}};
            if (code >= Act_LoadDataTime && code <= Act_LoadDbEvt)
                r.q = *static_cast<const SearchQuery*>(v);
            else
                r.value = int(reinterpret_cast<intptr_t>(v));
            reqs << r;
        });
        w->show();
        QApplication::setActiveWindow(w);
        active = QTest::qWaitForWindowActive(w);
        QTRY_COMPARE(w->m_running, 1);
        reqs.clear();
    }
    ~Rig()
    {
        delete w;
        g_vkeyboard = nullptr;
        delete vk;
        g_api.m_play = 0;
        g_api.m_rate = 0.0;
        g_api.closeDb();
        g_api.m_voutCaps = nullptr;
        g_resHooks.voutSize = nullptr;
        g_res->setScale(1.0);
    }
    QList<int> codes() const
    {
        QList<int> out;
        for (const Req& r : reqs)
            out << r.code;
        return out;
    }
    // The last request of a code; code -1 when there was none.
    Req last(int code) const
    {
        for (int i = reqs.size() - 1; i >= 0; --i)
            if (reqs[i].code == code)
                return reqs[i];
        return Req{-1, 0, {}};
    }
    void click(int btn) { QTest::mouseClick(w->button(btn), Qt::LeftButton); }
    void grab(const QString& name)
    {
        QVERIFY(w->grab().save(vkeytest::grabPath(QStringLiteral("search-%1.png").arg(name))));
    }

    TDvrFixture fx;
    TVKeyboard* vk = nullptr;
    TSearchWnd* w = nullptr;
    QList<Req> reqs;
    bool active = false;
};

QWidget* ctrl(TSearchWnd* w, const QString& name)
{
    if (name == "event") return w->button(TSearchWnd::BTN_EVENT);
    if (name == "date") return w->button(TSearchWnd::BTN_DATE);
    if (name == "posfind") return w->button(TSearchWnd::BTN_POSFIND);
    if (name == "goto") return w->button(TSearchWnd::BTN_GOTO);
    if (name == "time") return w->timeEdit();
    if (name == "from") return w->dateFrom();
    if (name == "to") return w->dateTo();
    if (name == "timeline") return w->timeline();
    if (name == "list") return w->list();
    if (name == "posview") return w->posView();
    if (name == "postext") return w->posText();
    if (name == "evtcombo") return w->combo(TSearchWnd::CB_EVENT);
    if (name == "chcombo") return w->combo(TSearchWnd::CB_CHANNEL);
    if (name == "intcombo") return w->combo(TSearchWnd::CB_INTERVAL);
    return nullptr;
}

} // namespace

class TSearchWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
        // The option lists' texts, as main installs them.
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    }
    void cleanupTestCase() { TConfig::setTextHook(nullptr); }

    // Each mode's controls, chosen with the mode combo: shown, hidden, the
    // channel buttons and the timeline's rows; the database is opened anew.
    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<bool>("chButtons");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("open"); // request, or 0 for the thread
        const QStringList all{"event", "date", "posfind", "goto", "time", "from", "to", "timeline",
                              "list", "posview", "postext", "evtcombo", "chcombo", "intcombo"};
        auto rest = [&all](const QStringList& shown) {
            QStringList r;
            for (const QString& n : all)
                if (!shown.contains(n))
                    r << n;
            return r;
        };
        const QStringList time{"event", "time", "goto", "timeline"};
        const QStringList event{"evtcombo", "list", "chcombo"};
        const QStringList pos{"list", "posview", "postext", "date", "posfind", "from", "to"};
        const QStringList thumb{"chcombo", "time", "intcombo", "goto", "timeline"};
        const QStringList pano{"chcombo", "time", "goto", "timeline"};
        QTest::newRow("event") << 1 << event << rest(event) << true << 16 << int(Act_LoadDbEvt);
        QTest::newRow("pos") << 2 << pos << rest(pos) << true << 16 << 0;
        QTest::newRow("thumbnail") << 3 << thumb << rest(thumb) << false << 1 << int(Act_LoadDbTime);
        QTest::newRow("panorama") << 4 << pano << rest(pano) << false << 1 << int(Act_LoadDbTime);
        QTest::newRow("back to time") << 0 << time << rest(time) << true << 16 << int(Act_LoadDbTime);
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        QFETCH(bool, chButtons);
        QFETCH(int, rows);
        QFETCH(int, open);
        Rig rig;
        if (mode == 0) {
            rig.w->combo(TSearchWnd::CB_MODE)->setCurrentIndex(3);
            rig.reqs.clear();
        }
        rig.w->combo(TSearchWnd::CB_MODE)->setCurrentIndex(mode);
        QCOMPARE(rig.w->m_mode, mode);
        for (const QString& n : shown)
            QVERIFY2(ctrl(rig.w, n)->isVisible(), qPrintable(n));
        for (const QString& n : hidden)
            QVERIFY2(!ctrl(rig.w, n)->isVisible(), qPrintable(n));
        for (int i = 0; i < TSearchWnd::NUM_CHBTN; ++i)
            QCOMPARE(rig.w->button(TSearchWnd::BTN_CH0 + i)->isVisible(), chButtons && i < 16);
        QCOMPARE(rig.w->timeline()->rows(), rows);
        QCOMPARE(rig.reqs.value(0).code, int(Act_SearchWait));
        if (open) {
            QCOMPARE(rig.last(open).q.mode, mode);
        } else {
            QTRY_COMPARE(rig.w->datasetTh()->cmd(), int(TDatasetTh::CMD_OPENDB));
            QTRY_VERIFY(rig.codes().contains(Act_SearchClose));
        }
        QVERIFY(rig.w->combo(TSearchWnd::CB_MODE)->hasFocus());
        rig.grab(QStringLiteral("mode%1").arg(mode));
    }

    // A show after a return to live sets the window up again from the
    // search options, changed meanwhile: every database request it sends
    // names the mode and event type configured.
    void showAgain_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::newRow("time, event type changed") << 0 << 2 << int(Act_LoadDbTime);
        QTest::newRow("event, event type changed") << 1 << 3 << int(Act_LoadDbEvt);
    }
    void showAgain()
    {
        QFETCH(int, mode);
        QFETCH(int, type);
        QFETCH(int, code);
        Rig rig;
        rig.fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT)->Mode = mode;
        rig.fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT)->Type = type;
        rig.click(TSearchWnd::BTN_EXIT);
        QVERIFY(!rig.w->isVisible());
        rig.w->clearToLive();
        rig.reqs.clear();
        rig.w->show();
        QTRY_COMPARE(rig.w->m_running, 1);
        int loads = 0;
        for (const Req& r : rig.reqs) {
            if (r.code < Act_LoadDataTime || r.code > Act_LoadDbEvt)
                continue;
            ++loads;
            QCOMPARE(r.code, code);
            QCOMPARE(r.q.mode, mode);
            QCOMPARE(r.q.type, mode == 1 ? type : 0);
        }
        QVERIFY(loads >= 1);
        QCOMPARE(rig.w->combo(TSearchWnd::CB_EVENT)->currentIndex(), type);
    }

    // The records of the database requests: type, the "Event" box, the
    // channel flags and the POS text and dates.
    void queries_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ch");        // channel combo position, -1 untouched
        QTest::addColumn<bool>("tick");     // the mode's check box clicked
        QTest::addColumn<QString>("text");  // POS text from the keyboard
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rei");
        QTest::addColumn<QByteArray>("tail"); // the 64 bytes of text / chOn
        QTest::addColumn<int>("fromYear");
        QByteArray allOn(64, '\0');
        allOn.replace(0, 20, QByteArray(20, '\1'));
        QByteArray third(64, '\0');
        third[2] = 1;
        const QString han = QString::fromUtf8("\xED\x95\x9C"); // three UTF-8 bytes
        const QString longText = QString(62, 'A') + han;
        QByteArray cut(64, '\0');
        cut.replace(0, 62, QByteArray(62, 'A'));
        QByteArray fits(64, '\0');
        fits.replace(0, 63, (QString(60, 'A') + han).toUtf8());
        QTest::newRow("time, event box") << QByteArray("16") << 0 << -1 << true << QString() << int(Act_LoadDbTime)
                                         << 0 << 1 << QByteArray(64, '\0') << 0;
        QTest::newRow("event, all") << QByteArray("16") << 1 << 0 << false << QString() << int(Act_LoadDbEvt) << 0
                                    << 0 << allOn << 0;
        QTest::newRow("event, channel 3") << QByteArray("16") << 1 << 3 << false << QString() << int(Act_LoadDbEvt)
                                          << 0 << 0 << third << 0;
        QTest::newRow("event, channel 25 of 32")
            << QByteArray("32") << 1 << 25 << false << QString() << int(Act_LoadDbEvt) << 0 << 0
            << QByteArray(64, '\0') << 0;
        QTest::newRow("pos, cut before a split character")
            << QByteArray("16") << 2 << -1 << false << longText << 0 << 5 << 0 << cut << 0;
        QTest::newRow("pos, whole character fits, dates")
            << QByteArray("16") << 2 << -1 << true << QString(60, 'A') + han << 0 << 5 << 0 << fits
            << TClock::now().date().year();
    }
    void queries()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, mode);
        QFETCH(int, ch);
        QFETCH(bool, tick);
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(int, type);
        QFETCH(int, rei);
        QFETCH(QByteArray, tail);
        QFETCH(int, fromYear);
        Rig rig(profile.constData());
        rig.w->combo(TSearchWnd::CB_MODE)->setCurrentIndex(mode);
        if (ch >= 0)
            rig.w->combo(TSearchWnd::CB_CHANNEL)->setCurrentIndex(ch);
        if (!text.isEmpty()) {
            QTest::mouseClick(rig.w->posText(), Qt::LeftButton);
            QVERIFY(rig.vk->isVisible());
            emit rig.vk->sg_reply(0, text);
            QCOMPARE(rig.w->posText()->text(), text);
        }
        if (tick)
            rig.click(mode == 0 ? TSearchWnd::BTN_EVENT : TSearchWnd::BTN_DATE);
        SearchQuery q;
        if (code) {
            q = rig.last(code).q;
            QCOMPARE(rig.last(code).code, code);
        } else {
            // The POS search runs on the thread with the record it was given.
            QTRY_VERIFY(!rig.w->datasetTh()->busy());
            rig.click(TSearchWnd::BTN_POSFIND);
            QTRY_VERIFY(!rig.w->datasetTh()->busy());
            q = rig.w->datasetTh()->query();
        }
        QCOMPARE(q.mode, mode);
        QCOMPARE(q.type, type);
        QCOMPARE(q.rei, rei);
        QCOMPARE(q.chkday, 1);
        QCOMPARE(q.perPage, rig.w->list()->maxLine());
        QCOMPARE(q.year, rig.w->calendar()->date().year());
        QCOMPARE(QByteArray(q.text, 64), tail);
        QCOMPARE(q.fromYear, fromYear);
        QCOMPARE(q.toYear, fromYear);
    }

    // The channel grid's width and the layout buttons' values by channel
    // count; a click on the third layout button, and the focus one row down.
    void grids_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("res"); // the output: 3 1280 x 720, 4 1920 x 1080
        QTest::newRow("16") << QByteArray("16") << 4 << 16
                            << QList<int>{1, 2, 5, 10, 4, 11, 9, 13, 14, 12, 16, 17} << 4;
        QTest::newRow("20") << QByteArray("20") << 5 << 20 << QList<int>{1, 2, 3, 4, 7, 8, 6, 9, 13, 14, 15, 12}
                            << 3;
        QTest::newRow("32") << QByteArray("32") << 6 << 20
                            << QList<int>{1, 2, 5, 10, 4, 11, 9, 13, 14, 12, 16, 17} << 4;
    }
    void grids()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, cols);
        QFETCH(int, buttons);
        QFETCH(QList<int>, values);
        QFETCH(int, res);
        Rig rig(profile.constData(), res);
        const int videos = rig.fx.dev.videos;
        QCOMPARE(TSearchWnd::chGridCols(videos), cols);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(TSearchWnd::layoutValue(TSearchWnd::BTN_LAYOUT0 + i, videos), values[i]);
        for (int i = 0; i < TSearchWnd::NUM_CHBTN; ++i)
            QCOMPARE(rig.w->button(TSearchWnd::BTN_CH0 + i)->isVisible(), i < buttons);
        rig.click(TSearchWnd::BTN_LAYOUT0 + 2);
        QCOMPARE(rig.last(Act_SearchLayoutSw).value, values[2]);
        rig.click(TSearchWnd::BTN_CH0 + 1);
        QCOMPARE(rig.last(Act_SearchFull).value, 1);
        rig.w->button(TSearchWnd::BTN_CH0 + 1)->setFocus();
        QTest::keyClick(rig.w, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), rig.w->button(TSearchWnd::BTN_CH0 + 1 + cols));
        rig.grab(QStringLiteral("grid%1").arg(QLatin1String(profile)));
    }

    // On the smallest output every control of the panel stays on screen,
    // and the layout buttons follow the layout count the device gave after
    // the window was made.
    void smallOutput()
    {
        Rig rig("16", 0);
        rig.w->hide();
        // A second window made as the main window makes it, before the
        // device is up.
        g_api.m_numLayout = 0;
        TSearchWnd w(nullptr, ID_WND_SEARCH, g_res->getSize(6));
        w.init(0);
        g_api.m_numLayout = 3;
        w.show();
        QCOMPARE(w.size(), QSize(800, 600));
        for (int i = 0; i < TSearchWnd::NUM_LAYOUTBTN; ++i)
            QCOMPARE(w.button(TSearchWnd::BTN_LAYOUT0 + i)->isVisible(), i < 3);
        for (int id : {int(TSearchWnd::BTN_REFRESH), int(TSearchWnd::BTN_FULL), int(TSearchWnd::BTN_CH0 + 15)})
            QVERIFY2(w.rect().contains(w.button(id)->geometry()), qPrintable(QString::number(id)));
        QTRY_COMPARE(w.m_running, 1);
        w.hide();
    }

    // The timeline's zoom and scroll buttons lie on its bottom edge, "<"
    // and "+" on the left, "-" and ">" on the right, on every output size;
    // a mouse click where "+" is drawn zooms in, one on "-" zooms out.
    void timelineButtons_data()
    {
        QTest::addColumn<int>("res");
        QTest::newRow("1920x1080") << 4;
        QTest::newRow("800x600") << 0;
    }
    void timelineButtons()
    {
        QFETCH(int, res);
        Rig rig("16", res);
        TLineGraph* t = rig.w->timeline();
        const int w = t->button(0)->width();
        const int y = t->height() - t->button(0)->height() - 2;
        QCOMPARE(t->button(0)->pos(), QPoint(2, y));
        QCOMPARE(t->button(1)->pos(), QPoint(w + 2, y));
        QCOMPARE(t->button(4)->pos(), QPoint(t->width() - 2 - 2 * w, y));
        QCOMPARE(t->button(5)->pos(), QPoint(t->width() - 2 - w, y));
        const QPoint plus = t->button(1)->geometry().center();
        QCOMPARE(t->childAt(plus), static_cast<QWidget*>(t->button(1)));
        QTest::mouseClick(t->childAt(plus), Qt::LeftButton);
        QCOMPARE(t->scale().zoom(), 1);
        QTest::mouseClick(t->childAt(t->button(4)->geometry().center()), Qt::LeftButton);
        QCOMPARE(t->scale().zoom(), 0);
    }

    // The window's own keys: the request and its value; -1 for none.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("value");
        QTest::newRow("1") << int(Qt::Key_1) << false << 0.0 << int(Act_SearchFull) << 0;
        QTest::newRow("8") << int(Qt::Key_8) << false << 0.0 << int(Act_SearchFull) << 7;
        QTest::newRow("9 nothing") << int(Qt::Key_9) << false << 0.0 << -1 << 0;
        QTest::newRow("0 nothing") << int(Qt::Key_0) << false << 0.0 << -1 << 0;
        QTest::newRow("F17 at -2") << int(Qt::Key_F17) << true << -2.0 << int(Act_CtrlFRew) << 0;
        QTest::newRow("F17 at -64") << int(Qt::Key_F17) << true << -64.0 << int(Act_CtrlRew) << 0;
        QTest::newRow("F17 not playing") << int(Qt::Key_F17) << false << -2.0 << int(Act_CtrlRew) << 0;
        QTest::newRow("F31 backwards") << int(Qt::Key_F31) << true << -1.0 << int(Act_CtrlSlowRew) << 0;
        QTest::newRow("F31 forwards") << int(Qt::Key_F31) << true << 2.0 << int(Act_CtrlSlowFwd) << 0;
        QTest::newRow("F18") << int(Qt::Key_F18) << false << 0.0 << int(Act_SearchLayout) << 0;
        QTest::newRow("F34") << int(Qt::Key_F34) << false << 0.0 << int(Act_SearchPage) << 0;
        QTest::newRow("Stop pauses") << int(Qt::Key_Stop) << true << 1.0 << int(Act_CtrlPause) << 0;
        QTest::newRow("Play while playing") << int(Qt::Key_Play) << true << 1.0 << int(Act_CtrlPlay) << -1;
        QTest::newRow("Play at the time") << int(Qt::Key_Play) << false << 0.0 << int(Act_CtrlPlay) << 0;
        QTest::newRow("Escape exits") << int(Qt::Key_Escape) << false << 0.0 << int(Act_SearchExit) << 0;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, playing);
        QFETCH(double, rate);
        QFETCH(int, code);
        QFETCH(int, value);
        Rig rig;
        g_api.m_play = playing ? 1 : 0;
        g_api.m_rate = rate;
        vkeytest::key(rig.w, key);
        if (code < 0) {
            QVERIFY(rig.reqs.isEmpty());
            return;
        }
        QCOMPARE(rig.reqs.value(0).code, code);
        QCOMPARE(rig.reqs.value(0).value, value);
        QCOMPARE(rig.w->isVisible(), key != Qt::Key_Escape);
        if (key == Qt::Key_Escape)
            QCOMPARE(rig.w->m_toLive, 1);
    }

    void rateText_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarter") << 0.25 << "X0.25";
        QTest::newRow("half") << 0.5 << "X0.5";
        QTest::newRow("slow reverse") << -0.5 << "X-0.5";
        QTest::newRow("double reverse") << -2.0 << "X -2";
        QTest::newRow("fastest") << 64.0 << "X 64";
        QTest::newRow("pause") << 0.0 << "Pause";
    }
    void rateText()
    {
        QFETCH(double, rate);
        QFETCH(QString, text);
        Rig rig;
        rig.w->setRate(rate);
        QCOMPARE(rig.w->rateTextShown(), QString()); // only while playing
        g_api.m_play = 1;
        rig.w->setRate(rate);
        QCOMPARE(rig.w->rateTextShown(), text);
        if (rate == 0.25) {
            rig.w->updateTimeText(2026, 11, 30, 13, 5, 9);
            QVERIFY(rig.w->dateTimeText().endsWith(QLatin1String("13:05:09")));
            rig.grab(QStringLiteral("playing"));
        }
    }

    // The tiles' titles and playback texts over the played pictures stay
    // inside their cells and the picture, cut there, never squeezed: on a
    // small output the cells are narrower than the texts.
    void tileTexts_data()
    {
        QTest::addColumn<int>("res");
        QTest::addColumn<int>("layout");
        QTest::newRow("800x600, sixteen cells") << 0 << 9;
        QTest::newRow("800x600, quad") << 0 << 2;
        QTest::newRow("1920x1080, sixteen cells") << 4 << 9;
    }
    void tileTexts()
    {
        QFETCH(int, res);
        QFETCH(int, layout);
        Rig rig("16", res);
        g_osdHooks = TOsdHooks{[](int n) { return g_res->scale(n); }, [](int n) { return g_res->scaleCeil(n); },
                               [](int id) { return g_res->getSize(id); }, [](int id) { return g_res->getValue(id); },
                               [](int id) { return g_res->getImage(id) ? g_res->getImage(id)->toImage() : QImage(); }};
        g_api.initOsd();
        // Playback in the window's picture, as the main window sets it.
        const QRect v = rig.w->videoRect();
        const QRect picture = rig.w->pictureRect();
        QCOMPARE(DalVoutSetViw(0, v.x(), v.y(), v.width(), v.height()), 0);
        g_api.m_mode = 1;
        g_api.m_layout = 0;
        g_api.dispLayout(layout, 0);
        for (int ch = 0; ch < 16; ++ch)
            g_api.drawOsdText(ch, QStringLiteral("704x480 30 H A"), &g_api.m_playImg[ch], 0, 0);
        g_api.showOsd(1, 1);
        // The first paint after the show goes without the texts.
        rig.w->grab();
        auto shot = [&] { return rig.w->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        // Only one channel's texts (-1: all, -2: none).
        auto setShown = [](int only) {
            for (int ch = 0; ch < 16; ++ch)
                for (int i : {CellOsd::TITLE, CellOsd::PLAY_TEXT})
                    if (g_api.m_cell[ch].item[i])
                        g_api.m_cell[ch].item[i]->visible = only == -1 || ch == only;
        };
        shot().save(vkeytest::grabPath(QStringLiteral("search-tiles-%1-%2.png").arg(res).arg(layout)));
        for (int k = 0; k < g_api.m_numvid; ++k) {
            const VidWnd& c = g_api.m_vidwnd[k];
            const QRect cell = QRect(c.x, c.y, c.w, c.h) & picture;
            setShown(-2);
            const QImage plain = shot();
            setShown(c.ch);
            const QImage one = shot();
            const QString what = QStringLiteral("channel %1").arg(c.ch + 1);
            // Nothing of this tile's texts outside its cell or the picture.
            for (int y = 0; y < one.height(); ++y)
                for (int x = 0; x < one.width(); ++x)
                    if (one.pixel(x, y) != plain.pixel(x, y))
                        QVERIFY2(cell.contains(x, y), qPrintable(what + QStringLiteral(" at %1,%2").arg(x).arg(y)));
            // Inside, each text at its own size: its light pixels where the
            // image has them.
            for (int i : {CellOsd::TITLE, CellOsd::PLAY_TEXT}) {
                const OsdItem* it = g_api.m_cell[c.ch].item[i];
                QVERIFY(it && it->image);
                const QRect shown = QRect(it->x, it->y, it->width, it->height) & cell;
                int light = 0;
                for (int y = shown.top(); y <= shown.bottom(); ++y)
                    for (int x = shown.left(); x <= shown.right(); ++x) {
                        const bool want = (it->image->pixel(x - it->x, y - it->y) & 0xffffff) == 0xf0f0f0;
                        QVERIFY2(want == ((one.pixel(x, y) & 0xffffff) == 0xf0f0f0), qPrintable(what));
                        light += want;
                    }
                QVERIFY2(light > 0, qPrintable(what));
            }
        }
        setShown(-1);
        g_api.m_mode = 0;
        DalVoutSetViw(0, 0, 0, 0, 0);
        g_api.freeObjects();
        g_osdHooks = TOsdHooks{};
    }

    // A day map handed over: the cells reach the timeline in the GUI thread
    // once the thread ended, and the wait box is hidden.
    void timelineFill()
    {
        Rig rig;
        ReiDay day;
        std::memset(&day, 0, sizeof day);
        day.hourMask1[2] = day.hourMask2[2] = uint64_t(1) << 9;
        day.minMask1[9][2] = uint64_t(1) << 15;
        day.minMask2[9][2] = uint64_t(1) << 16;
        rig.w->fillTimeline(&day);
        std::memset(&day, 0, sizeof day); // the thread works on its copy
        QTRY_VERIFY(rig.codes().contains(Act_SearchClose));
        QTRY_COMPARE(rig.w->timeline()->data(2, 9 * 60 + 15), 1);
        QCOMPARE(rig.w->timeline()->data(2, 9 * 60 + 16), 2);
        QCOMPARE(rig.w->timeline()->data(2, 9 * 60 + 17), 0);
        rig.grab(QStringLiteral("timeline"));
    }
};

QTEST_MAIN(TSearchWndTest)
#include "tsearchwndtest.moc"
