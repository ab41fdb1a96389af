// The output resolution and the main window's OSD plane on the stand-in:
// where the windows stand on every output a unit lists, what a change of
// output does to the windows as large as the output, the 32-channel unit's
// tiles, and the clock under the information bar.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tscreencopy.h"
#include "tclock.h"
#include "tinfo.h"
#include "treshooks.h"
#include "tsearchwnd.h"

#include <QMenu>

namespace {

// The stand-in's clock, as the program reads it.
qint64 deviceClock()
{
    DalTestClock clock{};
    dalTestGetClock(&clock);
    return qint64(clock.now);
}

// A clock that reads what the test sets: the plain drawings compared read
// the same time.
qint64 g_now = 1796000000;
qint64 testClock()
{
    return g_now;
}

const PropDevices* devices(int live)
{
    return static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live));
}

void setRes(int res)
{
    for (int live : {0, 1})
        static_cast<PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live))->res = res;
}

// A window's rectangle in the main window's coordinates.
QRect placeOf(TMain* w, const QWidget* wnd)
{
    const QPoint at = wnd->parentWidget() ? wnd->pos() : w->mapFromGlobal(wnd->pos());
    return QRect(at, wnd->size());
}

// Opens the window of a slot as the operator does, from the command menu.
void openByMenu(TMainRig& rig, int id)
{
    rig.w->m_loggedIn = 1; // "admin", with every right
    rig.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.w));
    if (id == ID_WND_SEARCH)
        rig.w->runMenu(g_str->text(10));
    else if (id == ID_WND_PTZ)
        rig.w->runMenu(g_str->text(14));
    else
        rig.w->runMenu(g_str->text(21), 2);
    QTRY_VERIFY(rig.w->wnd(id)->isVisible());
    QCoreApplication::processEvents();
}

// The window of a slot opened, and each of its controls, in the main
// window's coordinates.
QList<QRect> openedPlaces(TMainRig& rig, int id)
{
    openByMenu(rig, id);
    QWidget* wnd = rig.w->wnd(id);
    QList<QRect> out{placeOf(rig.w, wnd)};
    for (const QWidget* c : wnd->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (c->isVisible())
            out << c->geometry();
    return out;
}

} // namespace

class TMainOsdTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TClock::setSource(&testClock);
        // The sizes of the unit's windows follow its channel and relay
        // counts, as the program's start-up has them.
        g_resHooks.videos = [](int live) { return g_cfg ? devices(live)->videos : 0; };
        g_resHooks.alarmouts = [](int live) { return g_cfg ? devices(live)->alarmouts : 0; };
    }
    void cleanup()
    {
        TClock::setSource(&deviceClock);
        g_resHooks.videos = nullptr;
        g_resHooks.alarmouts = nullptr;
    }

    // At every output the unit lists, no window stands with its top-left
    // corner off the screen; at the output a fresh configuration starts at
    // (the first listed), every window fits whole. A 32-channel unit's
    // setup window (1000 x 700) needs a larger output than 800 x 600: the
    // unit starts at one.
    void windowsInReach_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::newRow("4 channels") << QByteArray("4");
        QTest::newRow("16 channels") << QByteArray("16");
        QTest::newRow("32 channels") << QByteArray("32");
    }
    void windowsInReach()
    {
        QFETCH(QByteArray, profile);
        TMainRig rig(profile.constData(), 0);
        const int outputs = g_api.m_voutCapsRec.numRes;
        QVERIFY(outputs > 1);
        bool small = false;
        for (int res = 0; res < outputs; ++res) {
            setRes(res);
            rig.w->changeDisplay(1);
            const QSize out = g_api.voutInfo(1);
            small = small || out == QSize(800, 600);
            // The windows the main window places over the output when it
            // opens them; the bars and choosers stay where the change put
            // them.
            for (int id : {ID_WND_SETUP, ID_WND_SEARCH, ID_WND_BACKUP, ID_WND_PTZ, ID_WND_ZOOM, ID_WND_LOGIN,
                           ID_WND_VKEYBOARD, ID_WND_STATUS, ID_WND_MSG, ID_WND_SYSINFO, ID_WND_ALARMCTRL})
                rig.w->placeWnd(rig.w->wnd(id), 1);
            for (int id = 0; id <= ID_WND_AUDIO; ++id) {
                const QWidget* wnd = rig.w->wnd(id);
                if (!wnd)
                    continue;
                const QRect r = placeOf(rig.w, wnd);
                const QByteArray what = QByteArray::number(id) + " at " + QByteArray::number(out.width()) + "x"
                                        + QByteArray::number(out.height());
                QVERIFY2(r.x() >= 0 && r.y() >= 0 && r.x() < out.width() && r.y() < out.height(), what);
                if (res == 0)
                    QVERIFY2(QRect(QPoint(0, 0), out).contains(r), "whole: " + what);
            }
        }
        // The small output is still offered.
        QVERIFY(small);
    }

    // A change of output gives the search, PTZ and zoom windows the new
    // size: each opens as after a start at that output, the search
    // window's panel, picture and strip laid out for it.
    void outputChange_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("id");
        const struct {
            const char* name;
            const char* profile;
            int from, to;
        } rows[] = {
            {"800x600 to 1920x1080", "16", 0, 4},
            {"1920x1080 to 800x600", "16", 4, 0},
            {"32 channels, 1280x1024 to 1920x1080", "32", 0, 4},
        };
        for (const auto& r : rows)
            for (int id : {ID_WND_SEARCH, ID_WND_PTZ, ID_WND_ZOOM})
                QTest::addRow("%s, window %d", r.name, id) << QByteArray(r.profile) << r.from << r.to << id;
    }
    void outputChange()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, id);
        QList<QRect> fresh;
        QSize out;
        {
            TMainRig rig(profile.constData(), to);
            out = g_api.voutInfo(1);
            fresh = openedPlaces(rig, id);
        }
        TMainRig rig(profile.constData(), from);
        QVERIFY(g_api.voutInfo(1) != out);
        setRes(to);
        rig.w->changeDisplay(1);
        const QList<QRect> changed = openedPlaces(rig, id);
        QCOMPARE(changed.first(), QRect(QPoint(0, 0), out));
        QCOMPARE(changed, fresh);
        if (id == ID_WND_SEARCH)
            rig.w->wnd(id)->grab().save(vkeytest::grabPath(QStringLiteral("search-after-output-change-%1x%2.png")
                                                                .arg(out.width())
                                                                .arg(out.height())));
    }

    // A 32-channel unit's live view: the 32-cell layout shows every camera
    // once with its own title on its own tile; the 16-cell layout's pages
    // show 1-16, then 17-32.
    void thirtyTwoChannelTiles_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("first");
        QTest::newRow("thirty-two cells") << 17 << 0 << 0;
        QTest::newRow("sixteen, page 1") << 9 << 0 << 0;
        QTest::newRow("sixteen, page 2") << 9 << 1 << 16;
    }
    void thirtyTwoChannelTiles()
    {
        QFETCH(int, layout);
        QFETCH(int, page);
        QFETCH(int, first);
        TMainRig rig("32", 0);
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        g_api.dispLayout(layout, page);
        QCoreApplication::processEvents();
        const QImage shot = rig.w->grab().toImage();
        shot.save(vkeytest::grabPath(QStringLiteral("live-32-layout%1-page%2.png").arg(layout).arg(page)));
        QCOMPARE(g_api.m_numvid, g_api.numLayoutCam(layout));
        for (int k = 0; k < g_api.m_numvid; ++k) {
            const VidWnd& c = g_api.m_vidwnd[k];
            QCOMPARE(c.ch, first + k);
            // The title as the facade draws "CH n", keyed on black, is what
            // the tile shows at its top-left.
            QImage title(g_api.m_titleImg[c.ch].size(), QImage::Format_RGB32);
            g_api.drawOsdText(c.ch, QStringLiteral("CH %1").arg(c.ch + 1), &title, 0, 0);
            const QRect at(c.x + 8, c.y + 4, qMin(c.w - 16, title.width()), title.height());
            int light = 0;
            for (int y = 0; y < at.height(); ++y)
                for (int x = 0; x < at.width(); ++x) {
                    const bool textLight = (title.pixel(x, y) & 0xffffff) == 0xf0f0f0;
                    const bool shownLight = (shot.pixel(at.x() + x, at.y() + y) & 0xffffff) == 0xf0f0f0;
                    QVERIFY2(textLight == shownLight, qPrintable(QStringLiteral("tile of channel %1").arg(c.ch + 1)));
                    light += textLight;
                }
            QVERIFY(light > 0);
        }
    }

    // On "Auto hide" the information bar stands on the bottom edge over
    // the clock that shows while it is away; when it comes, no part of the
    // clock stays frozen beside it.
    void barOverTheClock_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("res");
        QTest::newRow("800x600") << QByteArray("16") << 0;
        QTest::newRow("1920x1080") << QByteArray("16") << 4;
        QTest::newRow("32 channels, 1280x1024") << QByteArray("32") << 0;
    }
    void barOverTheClock()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, res);
        TMainRig rig(profile.constData(), res);
        auto* info = static_cast<PropInfobar*>(g_cfg->getsection(IDX_PROP_INFOBAR, 1));
        info->on = 0;
        info->auto_ = 1;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        const QSize out = g_api.voutInfo(1);
        TInfo* bar = rig.bar();
        QCOMPARE(placeOf(rig.w, bar).bottom(), out.height() - 1);
        TScreenCopy screen(rig.w);
        // Away: the clock shows, and runs.
        QCursor::setPos(rig.w->mapToGlobal(QPoint(out.width() / 2, 10)));
        rig.w->showInfo(0, 0);
        rig.tick();
        const QRect clock = rig.w->clockRect(out);
        QVERIFY(lightPixels(screen.screen(), clock) > 0);
        QVERIFY(placeOf(rig.w, bar).contains(clock));
        // The bar comes: nothing of the clock stays beside it, however
        // long it stays.
        rig.w->showInfo(1, 1);
        QVERIFY(bar->isVisible());
        for (int s = 0; s < 3; ++s) {
            g_now += 61;
            rig.tick();
            QCOMPARE(screen.stale({placeOf(rig.w, bar)}), QRect());
        }
        // Away again: the clock runs on.
        rig.w->showInfo(0, 0);
        rig.tick();
        QCOMPARE(screen.stale(), QRect());
        QVERIFY(lightPixels(screen.screen(), clock) > 0);
    }
};

DVR_APP_TEST_MAIN(TMainOsdTest)
#include "tmain-osdtest.moc"
