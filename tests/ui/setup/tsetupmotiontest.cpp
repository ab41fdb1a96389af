// The motion detection page in the frame: the preview and trace it asks
// for, the area edited by the grid and its buttons, the sensitivity, Apply
// All on a small unit, the live motion it hands to the grid, the key walk,
// and a seeded run of random drags and keyboard selections after which the
// grid and the record always agree.
#include "gridtestenv.h"
#include "setuptestenv.h"
#include "tcombo.h"
#include "tkeys.h"
#include "tmotiongrid.h"
#include "tsetupmotion.h"

#include <QRandomGenerator>
#include <cstring>

using namespace setuptest;
using namespace gridtest;
using namespace SetupAct;

namespace {

PropMotion* motion(Frame& f, int live = 0)
{
    return static_cast<PropMotion*>(f.fx.cfg->getsection(IDX_PROP_MOTION, live));
}

TSetupMotion* page(Frame& f)
{
    return static_cast<TSetupMotion*>(f.w->page(Btn_Device_Motion));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    f.w->sl_btnclicked(Btn_Device_Motion, 0);
    return page(f) && page(f)->isVisible();
}

void setVideos(Frame& f, int n)
{
    for (int live : {0, 1})
        static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->videos = n;
}

// A page built anew on a motion section of cols x rows, put in the frame.
TSetupMotion* rebuild(Frame& f, int across, int down)
{
    motion(f)->rows = across;
    motion(f)->cols = down;
    auto* p = new TSetupMotion(nullptr, Btn_Device_Motion, QSize(680, 525));
    p->init(64);
    f.w->adoptPage(Btn_Device_Motion, p);
    return p;
}

} // namespace

class TSetupMotionTest : public QObject
{
    Q_OBJECT
private slots:
    // Shown: the preview window and the trace for the camera; another
    // camera moves both; hidden: trace off, then the window closes.
    void previewAndTrace()
    {
        Frame f;
        QVERIFY(f.show(Btn_Device));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.w->sl_btnclicked(Btn_Device_Motion, 0);
        QCOMPARE(requests(req), (QStringList{"83,0,1", "52,0,1"}));
        QVERIFY(page(f)->pipOn());
        QCOMPARE(f.w->pipRect().size(), page(f)->pipArea().size());
        QCOMPARE(page(f)->grid()->geometry(), page(f)->pipArea().adjusted(-1, -1, 1, 1));
        req.clear();
        QTest::mouseClick(page(f)->cameraButton(3), Qt::LeftButton);
        QCOMPARE(requests(req), (QStringList{"85,3,0", "52,3,1"}));
        f.w->grab().save(vkeytest::grabPath("setup-motion.png"));
        req.clear();
        f.w->sl_btnclicked(Btn_Device_Camera, 0);
        QCOMPARE(requests(req), (QStringList{"52,-1,0", "84,0,0"}));
        QVERIFY(!page(f)->pipOn());
    }

    // The buttons and the sensitivity: what they write and what they send.
    void buttons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("want"); // sens:mask[0] of cameras 0, 2, 3, 5 of a 4-camera unit
        QTest::newRow("All On") << int(TSetupMotion::R_ALLON) << QStringList{"49,2,0"} << "0:1,1:ffffffff,0:1,0:1";
        QTest::newRow("All Off") << int(TSetupMotion::R_ALLOFF) << QStringList{"49,2,0"} << "0:1,1:0,0:1,0:1";
        QTest::newRow("Apply All on 4 cameras")
            << int(TSetupMotion::R_APPLYALL) << QStringList{"49,-1,0", "50,-1,0"} << "1:f0,1:f0,1:f0,0:1";
        QTest::newRow("Default sends nothing") << int(TSetupMotion::R_DEFAULT) << QStringList{}
                                               << "2:ffffffff,2:ffffffff,2:ffffffff,2:ffffffff";
        QTest::newRow("Apply") << int(TSetupMotion::R_APPLY) << QStringList{"19,0,0"} << "0:1,1:f0,0:1,0:1";
        QTest::newRow("sensitivity High") << -1 << QStringList{"50,2,0"} << "0:1,2:f0,0:1,0:1";
    }
    void buttons()
    {
        QFETCH(int, row);
        Frame f;
        setVideos(f, 4);
        for (int c = 0; c < TSetupPage::CAMERAS; ++c) {
            motion(f)->ch[c].sens = 0;
            std::memset(motion(f)->ch[c].mask, 0, sizeof motion(f)->ch[c].mask);
            motion(f)->ch[c].mask[0] = 1;
        }
        motion(f)->ch[2].sens = 1;
        motion(f)->ch[2].mask[0] = 0xf0;
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->cameraButton(2), Qt::LeftButton);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        if (row >= 0)
            QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(row)), Qt::LeftButton);
        else
            static_cast<TCombo*>(page(f)->control(TSetupMotion::R_SENS))->setCurrentIndex(2);
        QTEST(requests(req), "sent");
        QStringList got;
        for (int c : {0, 2, 3, 5})
            got << QString("%1:%2").arg(motion(f)->ch[c].sens).arg(motion(f)->ch[c].mask[0], 0, 16);
        QTEST(got.join(','), "want");
        // The grid shows the record of the camera shown.
        const TMotionGrid* g = page(f)->motionGrid();
        for (int x = 0; x < 8; ++x)
            QCOMPARE(g->cell(x, 0), bool((motion(f)->ch[2].mask[0] >> x) & 1u));
    }

    // A stored sensitivity past the list shows no entry; the box's -1 is
    // never stored nor previewed.
    void sensitivityPastList()
    {
        Frame f;
        motion(f)->ch[0].sens = 7;
        QVERIFY(open(f));
        auto* box = static_cast<TCombo*>(page(f)->control(TSetupMotion::R_SENS));
        QCOMPARE(box->currentIndex(), -1);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        page(f)->sl_changeIndex(box->id(), -1);
        QCOMPARE(motion(f)->ch[0].sens, 7);
        QCOMPARE(requests(req), QStringList{});
        box->setCurrentIndex(1);
        QCOMPARE(motion(f)->ch[0].sens, 1);
        QCOMPARE(requests(req), QStringList{"50,0,0"});
    }

    // A drag on the grid: the record follows, the device previews the area.
    void drag()
    {
        Frame f;
        std::memset(motion(f)->ch[1].mask, 0, sizeof motion(f)->ch[1].mask);
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->cameraButton(1), Qt::LeftButton);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        TSelGrid* g = page(f)->grid();
        QCOMPARE(QPoint(g->cols(), g->rows()), QPoint(motion(f)->rows, motion(f)->cols));
        gridtest::drag(g, centre(g, 4, 1), centre(g, 2, 3));
        QCOMPARE(requests(req), QStringList{"49,1,3"});
        const uint32_t* m = motion(f)->ch[1].mask;
        QCOMPARE((QVector<uint32_t>{m[0], m[1], m[2], m[3], m[4]}), (QVector<uint32_t>{0, 0x1c, 0x1c, 0x1c, 0}));
    }

    // Counts from the section that could index or divide are cut to 1..32.
    void gridSize_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<QPoint>("grid");
        QTest::newRow("22 x 15") << 22 << 15 << QPoint(22, 15);
        QTest::newRow("22 x 18") << 22 << 18 << QPoint(22, 18);
        QTest::newRow("zero and 40") << 0 << 40 << QPoint(1, 32);
        QTest::newRow("negative") << -3 << 33 << QPoint(1, 32);
    }
    void gridSize()
    {
        QFETCH(int, across);
        QFETCH(int, down);
        Frame f;
        TSetupMotion* p = rebuild(f, across, down);
        QVERIFY(open(f));
        QTEST(QPoint(p->grid()->cols(), p->grid()->rows()), "grid");
        // All On and a drag over the whole grid stay inside the record.
        QTest::mouseClick(static_cast<QPushButton*>(p->control(TSetupMotion::R_ALLOFF)), Qt::LeftButton);
        TSelGrid* g = p->grid();
        gridtest::drag(g, QPoint(2, 2), QPoint(g->width() - 2, g->height() - 2));
        const QPoint n = p->grid() ? QPoint(g->cols(), g->rows()) : QPoint();
        for (int y = 0; y < 32; ++y) {
            const uint32_t want = y < n.y() ? (n.x() == 32 ? 0xffffffffu : (1u << n.x()) - 1) : 0u;
            QCOMPARE(motion(f)->ch[0].mask[y], want);
        }
    }

    // Live motion (reply 51) reaches the grid of the shown page; Escape in
    // the grid's edit mode stays with the grid.
    void liveAndEscape()
    {
        Frame f;
        for (uint32_t& w : motion(f)->ch[0].mask)
            w = 0xffffffffu;
        QVERIFY(open(f));
        uint32_t block[32] = {};
        block[2] = 0x4;
        f.w->reply(SetupAct::Act_InfoMotion, 0, block);
        QTRY_COMPARE(page(f)->motionGrid()->liveDrawn(2), 0x4u);
        page(f)->grid()->setFocus();
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.key(Qt::Key_Enter);
        QVERIFY(page(f)->grid()->editMode());
        f.key(Qt::Key_Escape);
        QVERIFY(!page(f)->grid()->editMode());
        QVERIFY(f.w->isVisible());
        QCOMPARE(requests(req), QStringList{});
        f.key(Qt::Key_Escape);
        QVERIFY(requests(req).contains("2,0,0"));
        QVERIFY(!f.w->isVisible());
    }

    // Key walks of the page's table.
    void focus_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("want");
        QTest::newRow("camera down to the grid") << "cam0" << "D" << "grid";
        QTest::newRow("grid up to the camera shown") << "grid" << "U" << "cam2";
        QTest::newRow("grid right to the box") << "grid" << "R" << "sens";
        QTest::newRow("grid down to Apply") << "grid" << "D" << "apply";
        QTest::newRow("grid left to the item") << "grid" << "L" << "item";
        QTest::newRow("box down to Apply All and Apply") << "sens" << "DDDD" << "apply";
        QTest::newRow("All Off left to the grid") << "alloff" << "L" << "grid";
        QTest::newRow("Apply up to the grid") << "apply" << "U" << "grid";
        QTest::newRow("item right to camera 1") << "item" << "R" << "cam0";
        QTest::newRow("nothing found: camera 1") << "page" << "D" << "cam0";
    }
    void focus()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        Frame f;
        QVERIFY(open(f));
        TSetupMotion* p = page(f);
        p->sl_btnclicked(2, 0);
        QMap<QString, QWidget*> at{{"item", f.w->button(Btn_Device_Motion)}, {"cam0", p->cameraButton(0)},
                                   {"cam2", p->cameraButton(2)},                {"grid", p->grid()},
                                   {"sens", p->control(TSetupMotion::R_SENS)},  {"alloff", p->control(TSetupMotion::R_ALLOFF)},
                                   {"apply", p->control(TSetupMotion::R_APPLY)}, {"page", p}};
        at[start]->setFocus();
        for (QChar k : keys)
            f.key(k == 'U' ? Qt::Key_Up : k == 'D' ? Qt::Key_Down : k == 'L' ? Qt::Key_Left : Qt::Key_Right);
        QFETCH(QString, want);
        QVERIFY(at[want]->hasFocus());
    }

    // Seeded random drags (frame lines and outside points among them) and
    // keyboard selections on grids of several sizes: after each, the grid's
    // cells equal the record's bits inside the grid, and no bit outside it
    // changed.
    void property()
    {
        const quint32 seed = gridtest::seed();
        QRandomGenerator rnd(seed);
        const QPoint sizes[] = {{22, 15}, {22, 18}, {32, 32}, {1, 1}, {5, 3}};
        for (const QPoint& size : sizes) {
            Frame f;
            uint32_t before[32];
            for (uint32_t& w : before)
                w = rnd.generate();
            std::memcpy(motion(f)->ch[0].mask, before, sizeof before);
            TSetupMotion* p = rebuild(f, size.x(), size.y());
            QVERIFY(open(f));
            TSelGrid* g = p->grid();
            const TMotionGrid* mg = p->motionGrid();
            for (int op = 0; op < 40; ++op) {
                const QString what = randomSelection(rnd, g, [&f](int k) { f.key(k); });
                const uint32_t* m = motion(f)->ch[0].mask;
                for (int y = 0; y < 32; ++y) {
                    for (int x = 0; x < 32; ++x) {
                        const bool bit = (m[y] >> x) & 1u;
                        const bool inside = x < g->cols() && y < g->rows();
                        const bool want = inside ? mg->cell(x, y) : bool((before[y] >> x) & 1u);
                        QVERIFY2(bit == want, qPrintable(QString("seed %1, grid %2 x %3, step %4 (%5): cell %6,%7")
                                                             .arg(seed).arg(size.x()).arg(size.y()).arg(op)
                                                             .arg(what).arg(x).arg(y)));
                    }
                }
                QVERIFY2(f.w->isVisible(), qPrintable(QString("seed %1: setup left").arg(seed)));
            }
        }
    }
};

QTEST_MAIN(TSetupMotionTest)
#include "tsetupmotiontest.moc"
