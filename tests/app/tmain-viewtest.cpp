// The live view surface on the stand-in, driven as an operator and the
// dispatcher would; painting read back at the pixels the view fixes.
#include "tmainrig.h"
#include "tscreencopy.h"
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tstring.h"
#include "tmain.h"
#include "tflashfile.h"
#include "tmsgwnd.h"
#include "tclock.h"
#include "tosdhooks.h"
#include "tpath.h"
#include "treshooks.h"
#include "tsplitth.h"

#include <QSignalSpy>
#include "tstatuswnd.h"
#include "tapptestmain.h"

#include <QMenu>

#include <QSettings>

namespace {

// A main window brought up on a 1280 x 720 output with the image sheet's
// OSD, as the start-up makes it.
struct Rig : TMainRig
{
    using TMainRig::TMainRig;
    void settle() { QVERIFY(w->splitTh()->wait(5000)); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    QImage grab(const QByteArray& name)
    {
        const QImage img = w->grab().toImage();
        img.save(vkeytest::grabPath(QString::fromLatin1(name + ".png")));
        return img;
    }
    // Every sensor pops its camera up, for 10 s after it ends.
    void sensorsPopUp()
    {
        AlarmOutEntry& entry =
            fx.live<PropAlarm>(IDX_PROP_ALARM)->out[fx.live<PropDevices>(IDX_PROP_DEVICES)->alarmouts - 2];
        std::fill(std::begin(entry.sensorOn), std::end(entry.sensorOn), 1);
        std::fill(std::begin(entry.motionOn), std::end(entry.motionOn), 0);
        entry.dur = 5;
    }
    // Pop-up steps, each followed by the layout switch it starts: "S5+" and
    // "S5-" sensor 5 on and off, "M5+" motion, "t10" ten ticks, "P" playback.
    void popupSteps(const QString& steps)
    {
        for (const QString& s : steps.split(' ')) {
            if (s == "P")
                g_api.m_play = 1;
            for (int i = s[0] == 't' ? s.mid(1).toInt() : 0; i > 0; --i)
                w->tickPopup();
            if (s[0] == 'S' || s[0] == 'M')
                w->runPopup(s[0] == 'S' ? SIG_IO_SENSOR : SIG_VIN_MOTION, s.mid(1, 1).toInt(), s.endsWith('+'));
            settle();
        }
    }
};

QPoint cell(int k)
{
    return QRect(g_api.m_vidwnd[k].x, g_api.m_vidwnd[k].y, g_api.m_vidwnd[k].w, g_api.m_vidwnd[k].h).center();
}

// The device's alpha level at p from the rectangles sent from index from on.
int alphaAt(QPoint p, int from)
{
    DalTestDisplay d;
    dalTestDisplayGet(&d);
    int level = 7;
    for (int i = from; i < d.numAlpha; ++i)
        if (QRect(d.alpha[i][0], d.alpha[i][1], d.alpha[i][2], d.alpha[i][3]).contains(p))
            level = d.alpha[i][4];
    return level;
}

// The stand-in's clock, as the program reads it.
qint64 deviceClock()
{
    DalTestClock clock{};
    dalTestGetClock(&clock);
    return qint64(clock.now);
}

} // namespace

class TMainViewTest : public QObject
{
    Q_OBJECT
private slots:
    // "M"/"m" shows/hides the message box, "S"/"s" the status box (as wide,
    // less tall, inside the message box's place).
    void regions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("centre"); // blended at the message box's centre
        QTest::addColumn<bool>("edge");   // and at its top-left corner
        QTest::newRow("shown") << "M" << true << true;
        QTest::newRow("twice shown and hidden") << "MmMm" << false << false;
        QTest::newRow("overlap kept by the other") << "MSm" << true << false;
        QTest::newRow("overlap, both gone") << "MSms" << false << false;
        // "P"/"p" opens/closes the command menu centred on the message box's
        // place (narrower than the box: its corner stays out).
        QTest::newRow("menu open") << "P" << true << false;
        QTest::newRow("menu opened and closed twice") << "PpPp" << false << false;
        QTest::newRow("menu closed, box kept") << "MPp" << true << true;
    }
    void regions()
    {
        QFETCH(QString, steps);
        Rig rig;
        const int osd = 7 - static_cast<PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0))->alpha;
        DalTestDisplay d;
        dalTestDisplayGet(&d);
        for (QChar c : steps) {
            if (c.toLower() == 'p') {
                // The menu reports its area a moment after it opened.
                QSignalSpy spy(rig.w, &TDefWnd::sg_showed);
                if (c.isUpper()) {
                    rig.w->createMenu();
                    const QSize hint = rig.w->m_menu->sizeHint();
                    QVERIFY(hint.width() < g_msgWnd->width() - 4);
                    const QPoint at = g_msgWnd->geometry().center() - QPoint(hint.width() / 2, hint.height() / 2);
                    rig.w->m_menu->popup(rig.w->mapToGlobal(at));
                } else {
                    rig.w->m_menu->hide();
                }
                QVERIFY(spy.count() == 1 || spy.wait(2000));
                QCOMPARE(spy.last().at(0).toInt(), 17);
                continue;
            }
            TDefWnd* wnd = c.toLower() == 'm' ? static_cast<TDefWnd*>(g_msgWnd) : g_statusWnd;
            QSignalSpy spy(wnd, &TDefWnd::sg_showed);
            c.isUpper() ? wnd->show() : wnd->hideWnd();
            QVERIFY(spy.count() == 1 || spy.wait(2000));
        }
        QTEST(alphaAt(g_msgWnd->geometry().center(), d.numAlpha) == osd, "centre");
        QTEST(alphaAt(g_msgWnd->geometry().topLeft() + QPoint(2, 2), d.numAlpha) == osd, "edge");
    }

    // A tile dragged 20 pixels (Manhattan) onto another swaps the cameras:
    // shown order, stored order committed to flash, the page drawn again.
    void dragSwap_data()
    {
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<int>("drop");
        QTest::addColumn<bool>("swapped");
        QTest::newRow("19 px is no drag") << QPoint(19, 0) << 1 << false;
        QTest::newRow("20 px drags") << QPoint(12, 8) << 1 << true;
        QTest::newRow("dropped on its own tile") << QPoint(40, 0) << 0 << false;
        QTest::newRow("flash refuses the new order") << QPoint(12, 8) << 1 << true;
    }
    void dragSwap()
    {
        QFETCH(int, drop);
        QFETCH(bool, swapped);
        Rig rig;
        rig.w->m_loggedIn = 1;
        g_api.dispLayout(2, 0);
        const int a = g_api.m_vidwnd[0].ch;
        const int b = g_api.m_vidwnd[drop].ch;
        auto stored = [] {
            const QSettings flash(TPath::map(g_cfg->confPath()), QSettings::IniFormat);
            return QStringList{flash.value("DISPLAY/orders00").toString(), flash.value("DISPLAY/orders01").toString()};
        };
        const QStringList before = stored();
        const bool refused = QTest::currentDataTag() == QByteArray("flash refuses the new order");
        // The texts of the catalogue, as the program installs them.
        setDvrTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        if (refused)
            TFlashFile::setFaultHook([](TFlashFile::Step step, const QString&) { return step == TFlashFile::StepRename ? EIO : 0; });
        rig.mouse(QEvent::MouseButtonPress, cell(0), Qt::LeftButton, Qt::LeftButton);
        QFETCH(QPoint, move);
        rig.mouse(QEvent::MouseMove, cell(0) + move, Qt::NoButton, Qt::LeftButton);
        rig.mouse(QEvent::MouseButtonRelease, cell(drop), Qt::LeftButton, Qt::NoButton);
        rig.settle();
        TFlashFile::setFaultHook(nullptr);
        setDvrTextHook(nullptr);
        QCOMPARE(g_api.m_vidwnd[0].ch, swapped ? b : a);
        QCOMPARE(stored(), swapped && !refused ? QStringList({QString::number(b), QString::number(a)}) : before);
        // A swap that is shown but not stored is told to the operator.
        QCOMPARE(g_statusWnd->isVisible(), refused);
        if (refused) {
            g_statusWnd->grab().toImage().save(vkeytest::grabPath(QStringLiteral("main-swap-not-stored.png")));
            QCOMPARE(g_statusWnd->title(), QStringLiteral("Display"));
            QCOMPARE(g_statusWnd->text(), QStringLiteral("Failed"));
            QTRY_VERIFY_WITH_TIMEOUT(!g_statusWnd->isVisible(), 5000);
        }
    }

    // A box of 31 pixels either way zooms, 30 x 30 does nothing; an output
    // that cannot enlarge never zooms. The right button ends a zoom.
    void zoomBox_data()
    {
        QTest::addColumn<QPoint>("box");
        QTest::addColumn<double>("maxZoom");
        QTest::addColumn<int>("ratio100"); // 100: no zoom sent
        QTest::newRow("30 x 30") << QPoint(30, 30) << 4.0 << 100;
        QTest::newRow("31 wide") << QPoint(31, 5) << 4.0 << 400;
        QTest::newRow("half the width") << QPoint(640, 100) << 4.0 << 200;
        QTest::newRow("largest zoom 1.0") << QPoint(200, 200) << 1.0 << 100;
        QTest::newRow("largest zoom 0") << QPoint(200, 200) << 0.0 << 100;
    }
    void zoomBox()
    {
        QFETCH(QPoint, box);
        QFETCH(int, ratio100);
        Rig rig;
        QFETCH(double, maxZoom);
        g_api.m_voutCapsRec.maxZoom = maxZoom;
        g_api.dispLayout(1, 0);
        dalTestJournalClear();
        const QPoint at(100, 100);
        rig.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        rig.mouse(QEvent::MouseMove, at + box, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(rig.w->m_zoomRect, QRect(at, at + box));
        rig.grab("live-zoom-box");
        rig.mouse(QEvent::MouseButtonRelease, at + box, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(dalTestJournalFind("DalVoutZoom(") >= 0, ratio100 > 100);
        QCOMPARE(int(rig.w->m_zoomRatio * 100), ratio100);
        QCOMPARE(rig.w->m_ptStart, rig.w->m_ptEnd);
        if (ratio100 <= 100)
            return; // without a zoom the right button opens the command menu
        rig.mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
        QCOMPARE(rig.w->m_zoomRatio, 1.0);
    }

    // The zoom box's frame leaves nothing on the picture: not when the
    // zoom is applied (the fitted rectangle is larger than the box drawn),
    // not when the right button ends the zoom, not when a box too small to
    // zoom is let go.
    void zoomFrameLeavesNothing_data()
    {
        QTest::addColumn<QPoint>("box");
        QTest::newRow("wide box") << QPoint(300, 60);
        QTest::newRow("tall box") << QPoint(60, 300);
        QTest::newRow("box under the largest zoom") << QPoint(40, 50);
        QTest::newRow("box too small to zoom") << QPoint(30, 30);
    }
    void zoomFrameLeavesNothing()
    {
        QFETCH(QPoint, box);
        // One second on the clock for the whole test: the plain drawings
        // compared read the same time.
        TClock::setSource([] { return qint64(1796000000); });
        Rig rig;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        g_api.dispLayout(1, 0);
        rig.settle();
        TScreenCopy screen(rig.w);
        const QPoint at(100, 100);
        rig.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        rig.mouse(QEvent::MouseMove, at + box / 2, Qt::NoButton, Qt::LeftButton);
        rig.mouse(QEvent::MouseMove, at + box, Qt::NoButton, Qt::LeftButton);
        // The frame is drawn, two pixels wide, where the box is.
        const QImage drawn = screen.screen();
        QCOMPARE(drawn.pixel(at + QPoint(box.x() + 1, box.y() / 2)) & 0xffffff, 0xf8f8f8u);
        QCOMPARE(screen.stale(), QRect());
        rig.mouse(QEvent::MouseButtonRelease, at + box, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(screen.stale(), QRect());
        if (rig.w->m_zoomRatio > 1.0) {
            rig.mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
            rig.mouse(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::NoButton);
            QCOMPARE(rig.w->m_zoomRatio, 1.0);
            QCOMPARE(screen.stale(), QRect());
        }
        TClock::setSource(&deviceClock);
    }

    // The right button opens the command menu over the bare live view only:
    // not while the guard after Setup, Search or Backup holds (until its
    // timer ends it), not over an open window, and not while it only ends a
    // digital zoom.
    void rightClickMenu_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("opens");
        QTest::newRow("bare live view") << "" << true;
        QTest::newRow("guard held") << "guard" << false;
        QTest::newRow("guard ended by its timer") << "guard timeout" << true;
        QTest::newRow("a window open") << "window" << false;
        QTest::newRow("information bar only") << "bar" << true;
        QTest::newRow("zoomed: the zoom ends") << "zoom" << false;
    }
    void rightClickMenu()
    {
        QFETCH(QString, state);
        QFETCH(bool, opens);
        Rig rig;
        rig.settle();
        if (state.contains("guard"))
            rig.w->m_skipPopup = 1;
        if (state.contains("timeout"))
            rig.w->sl_timeoutPopup();
        if (state == "window")
            g_msgWnd->show();
        if (state == "bar")
            rig.w->showInfo(1, 1);
        if (state == "zoom")
            rig.w->m_zoomRatio = 2.0;
        // Closes the menu once it runs (it runs modally), noting that it ran.
        bool ran = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ran = true;
                popup->close();
            }
        });
        poll.start(10);
        rig.mouse(QEvent::MouseButtonPress, QPoint(300, 300), Qt::RightButton, Qt::RightButton);
        poll.stop();
        QCOMPARE(ran, opens);
        QCOMPARE(rig.w->m_zoomRatio, 1.0);
        g_msgWnd->hide();
    }

    // Double click: a tile to its camera alone and back to the page it came
    // from, also after a swapped order.
    void doubleClick()
    {
        Rig rig;
        g_api.swapOrder(1, 6);
        g_api.dispLayout(2, 1);
        const int ch = g_api.m_vidwnd[2].ch;
        for (bool toSingle : {true, false}) {
            rig.mouse(QEvent::MouseButtonDblClick, cell(toSingle ? 2 : 0), Qt::LeftButton, Qt::LeftButton);
            rig.settle();
            QCOMPARE(g_api.m_layout == 1 && g_api.orderOf(g_api.m_sw) == ch, toSingle);
        }
        QCOMPARE(g_api.m_sw, 1);
    }

    // Steps: "S5+"/"S5-" sensor of camera 5 on/off, "M5+" motion (not
    // linked), "tN" N ticks, "P" playback starts. The view before is layout
    // 2 page 1, or camera 5 alone (single).
    void popup_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("single");
        QTest::addColumn<int>("popCh");
        QTest::addColumn<bool>("restored"); // layout 2 page 1 shown
        QTest::addColumn<int>("switches");
        QTest::newRow("held while on") << "S5+ t100" << false << 5 << false << 1;
        QTest::newRow("a tick before the dwell ends") << "S5+ t3 S5- t9" << false << 5 << false << 1;
        QTest::newRow("restored after the dwell") << "S5+ S5- t10" << false << -1 << true << 2;
        QTest::newRow("off without a pop-up") << "S5- t20" << false << -1 << true << 0;
        QTest::newRow("event not linked") << "M5+ t2" << false << -1 << true << 0;
        QTest::newRow("taken over, first view back") << "S5+ S7+ S7- t10" << false << -1 << true << 3;
        QTest::newRow("playback ends it, nothing back") << "S5+ P t1" << false << -1 << false << 1;
        QTest::newRow("none during playback") << "P S5+" << false << -1 << true << 0;
        QTest::newRow("already full screen") << "S5+ t50" << true << 5 << false << 0;
    }
    void popup()
    {
        QFETCH(QString, steps);
        QFETCH(bool, single);
        Rig rig;
        rig.sensorsPopUp();
        single ? g_api.dispLayout(1, g_api.posInOrder(5)) : g_api.dispLayout(2, 1);
        dalTestJournalClear();
        rig.popupSteps(steps);
        QTEST(rig.w->m_popCh, "popCh");
        QTEST(g_api.m_layout == 2 && g_api.m_sw == 1, "restored");
        if (rig.w->m_popCh >= 0) {
            QCOMPARE(g_api.orderOf(g_api.m_sw), rig.w->m_popCh);
            rig.grab("live-popup");
        }
        int made = 0;
        char buf[256];
        for (int i = 0; i < dalTestJournalCount(); ++i)
            made += dalTestJournalLine(i, buf, sizeof buf) == 0 && strstr(buf, "DalVoutSetLayout(0,");
        QTEST(made, "switches");
    }

    // Live audio follows the view a pop-up sets, and the view its end
    // restores (Rig::popupSteps); the view before is the 16-split with
    // camera 0's audio, or camera 4 alone with its own.
    void popupAudio_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("outputs"); // the audio outputs set, in order
        QTest::addColumn<QString>("bar");     // the bar's audio text after
        QTest::newRow("from the split") << "S1+" << false << "DalAoutSet(1)" << "2";
        QTest::newRow("three in a row") << "S1+ S2+ S3+" << false << "DalAoutSet(1) DalAoutSet(2) DalAoutSet(3)" << "4";
        QTest::newRow("from a single view, and back") << "S1+ S1- t10" << true << "DalAoutSet(1) DalAoutSet(4)" << "5";
    }
    void popupAudio()
    {
        QFETCH(QString, steps);
        QFETCH(bool, single);
        Rig rig;
        rig.sensorsPopUp();
        rig.w->changeLayout(single ? 1 : 9, single ? 4 : 0);
        rig.settle();
        rig.w->selAudio(single ? 4 : 0);
        dalTestJournalClear();
        rig.popupSteps(steps);
        QTEST(TMainRig::journal("DalAoutSet(").join(' '), "outputs");
        QTEST(rig.bar()->audioText(), "bar");
    }

    // Every camera's tile gets its title, on the largest layout of the unit.
    void everyTileTitled_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::newRow("sixteen channels") << QByteArray("16");
        QTest::newRow("twenty channels") << QByteArray("20");
    }
    void everyTileTitled()
    {
        QFETCH(QByteArray, profile);
        Rig rig(profile.constData());
        const int count = g_api.channelCount();
        QCOMPARE(count, profile.toInt());
        int lay = 1;
        while (lay < 32 && g_api.numLayoutCam(lay) < count)
            ++lay;
        QVERIFY(g_api.numLayoutCam(lay) >= count);
        g_api.dispLayout(lay, 0);
        g_api.showOsd(1, 0);
        const QImage img = rig.grab("live-" + profile);
        for (int k = 0; k < count; ++k) {
            const OsdItem* title = g_api.m_cell[g_api.m_vidwnd[k].ch].item[CellOsd::TITLE];
            QVERIFY2(lightPixels(img, QRect(title->x, title->y, title->width, title->height)) > 0,
                     qPrintable(QStringLiteral("tile %1 untitled").arg(k + 1)));
        }
    }

    // A text-in overlay is copied at its own width and height.
    void overlayAtItsSize_data()
    {
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("wide") << QRect(100, 200, 240, 40);
        QTest::newRow("tall") << QRect(400, 100, 40, 120);
    }
    void overlayAtItsSize()
    {
        QFETCH(QRect, drawn);
        Rig rig;
        g_api.dispLayout(9, 0);
        const QSize screen = g_res->getSize(16);
        g_api.m_txtinImg = QImage(screen, QImage::Format_ARGB32);
        g_api.m_txtinImg.fill(qRgb(10, 200, 90));
        TxtinArea& t = g_api.m_txtin[3];
        t.on = t.placed = 1;
        t.drawX = drawn.x(), t.drawY = drawn.y(), t.drawnW = drawn.width(), t.drawnH = drawn.height();
        const QImage img = rig.grab("live-overlay-" + QByteArray(QTest::currentDataTag()));
        auto overlay = [&](const QRect& area) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += img.valid(x, y) && img.pixel(x, y) == qRgb(10, 200, 90);
            return n;
        };
        const int side = qMax(drawn.width(), drawn.height());
        QCOMPARE(overlay(QRect(drawn.topLeft(), QSize(side, side))), drawn.width() * drawn.height());
        t.on = 0;
    }

    void paint_data()
    {
        QTest::addColumn<bool>("vloss");     // the camera of tile 5 lost its video
        QTest::addColumn<bool>("frozen");
        QTest::addColumn<bool>("window");    // the message box is open
        QTest::addColumn<bool>("infoDirty"); // the information bar is away
        QTest::addColumn<bool>("mark");
        QTest::addColumn<bool>("clock");
        QTest::newRow("live-16") << false << false << false << false << false << false;
        QTest::newRow("live-vloss") << true << false << false << false << false << false;
        QTest::newRow("live-frozen") << false << true << false << false << true << false;
        QTest::newRow("live-frozen-window") << false << true << true << true << false << false;
        QTest::newRow("live-clock") << false << false << false << true << false << true;
    }
    void paint()
    {
        QFETCH(bool, vloss);
        QFETCH(bool, window);
        QFETCH(bool, frozen);
        QFETCH(bool, infoDirty);
        Rig rig;
        g_api.dispLayout(9, 0);
        for (int ch = 0; ch < g_api.channelCount(); ++ch)
            g_api.m_cell[ch].contRec = g_api.m_cell[ch].sensor = ch % 2;
        g_api.showOsd(1, 0);
        g_api.m_logo = QImage(64, 48, QImage::Format_RGB32);
        g_api.m_logo.fill(qRgb(200, 40, 40));
        const VidWnd tile = g_api.m_vidwnd[5];
        g_api.m_cell[tile.ch].videoLoss = vloss;
        g_api.m_frozen = frozen;
        rig.w->m_infoDirty = infoDirty;
        // The clock shows while the bar is away: the bar, on the bottom
        // edge, would stand over it.
        if (infoDirty)
            rig.bar()->hideWnd();
        if (window)
            g_msgWnd->show();
        const QImage img = rig.grab(QTest::currentDataTag());

        QCOMPARE(img.pixel(cell(0)), qRgba(0, 0, 0, 255));
        const OsdItem* title = g_api.m_cell[g_api.m_vidwnd[0].ch].item[CellOsd::TITLE];
        QVERIFY(lightPixels(img, QRect(title->x, title->y, title->width, title->height)) > 0);
        // The no-video picture inset by 3 pixels.
        QCOMPARE(img.pixel(tile.x + 3, tile.y + 3) == qRgb(200, 40, 40), vloss);
        QCOMPARE(img.pixel(tile.x + 2, tile.y + 2), qRgba(0, 0, 0, 255));
        // The freeze mark in the top-right corner; the clock centred 8
        // pixels above the bottom.
        const QSize screen = g_res->getSize(16);
        const int corner = g_res->scale(40) + 2;
        QTEST(lightPixels(img, QRect(screen.width() - corner, 0, corner, corner)) > 0, "mark");
        const QSize c = g_api.m_clockImg.size();
        const QRect clock((screen.width() - c.width()) / 2, screen.height() - c.height() - 8, c.width(), c.height());
        QTEST(lightPixels(img, clock) > 0, "clock");
        QCOMPARE(lightPixels(img, QRect(0, clock.bottom() + 1, screen.width(), 8)), 0);
    }
};

DVR_APP_TEST_MAIN(TMainViewTest)
#include "tmain-viewtest.moc"
