// The privacy zone page in the frame: a drag replaces the camera's zone by
// one rectangle held to the device's largest zone from its top-left cell,
// previewed at every step; a selection dropped after its start gives the
// zone back; the buttons; the grid's rows by the camera system; and a
// seeded run of random drags and keyboard selections after which the zone
// is one rectangle inside the grid and the limit.
#include "gridtestenv.h"
#include "setuptestenv.h"
#include "tkeys.h"
#include "tprivategrid.h"
#include "tsetupprivate.h"

#include <QRandomGenerator>
#include <cstring>

using namespace setuptest;
using namespace gridtest;
using namespace SetupAct;

namespace {

PropPrivate* zones(Frame& f, int live = 0)
{
    return static_cast<PropPrivate*>(f.fx.cfg->getsection(IDX_PROP_PRIVATE, live));
}

TSetupPrivate* page(Frame& f)
{
    return static_cast<TSetupPrivate*>(f.w->page(Btn_Device_Private));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    f.w->sl_btnclicked(Btn_Device_Private, 0);
    return page(f) && page(f)->isVisible();
}

// The page built anew after the device's limit changed.
TSetupPrivate* rebuild(Frame& f)
{
    auto* p = new TSetupPrivate(nullptr, Btn_Device_Private, QSize(680, 525));
    p->init(64);
    f.w->adoptPage(Btn_Device_Private, p);
    return p;
}

// The zone of a camera as "x0,y0-x1,y1", "" when empty, "?" when it is no
// rectangle.
QString zone(const uint32_t* m)
{
    int x0 = 99, y0 = 99, x1 = -1, y1 = -1, bits = 0;
    for (int y = 0; y < TSetupPrivate::WORDS; ++y)
        for (int x = 0; x < 32; ++x)
            if ((m[y] >> x) & 1u) {
                x0 = qMin(x0, x), x1 = qMax(x1, x), y0 = qMin(y0, y), y1 = qMax(y1, y);
                ++bits;
            }
    if (!bits)
        return QString();
    if (bits != (x1 - x0 + 1) * (y1 - y0 + 1))
        return "?";
    return QString("%1,%2-%3,%4").arg(x0).arg(y0).arg(x1).arg(y1);
}

} // namespace

class TSetupPrivateTest : public QObject
{
    Q_OBJECT
private slots:
    // Mouse and keys on a 22 x 15 grid with the stand-in's limit of half
    // the picture (11 x 7 cells): the zone and what is sent.
    void selections_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("a click makes one cell") << "drag 4,3 4,3" << "4,3-4,3" << QStringList{"47,2,0", "47,2,0"};
        QTest::newRow("a drag replaces the old zone") << "drag 10,10 12,11" << "10,10-12,11"
                                                      << QStringList{"47,2,0", "47,2,0"};
        QTest::newRow("a mouse drag is held to 11 x 7") << "drag 2,1 21,14" << "2,1-12,7"
                                                        << QStringList{"47,2,0", "47,2,0"};
        QTest::newRow("keys: larger, cut from the top-left cell") << "keys RE" << "1,0-11,6"
                                                                  << QStringList{"47,2,0", "47,2,0"};
        QTest::newRow("keys: Escape gives the old zone back") << "keys Q" << "0,0-1,1"
                                                              << QStringList{"47,2,0", "47,2,0"};
        QTest::newRow("a press on the right frame line keeps the zone") << "frame" << "0,0-1,1" << QStringList{};
        QTest::newRow("another camera chosen mid-selection") << "camera" << "0,0-1,1"
                                                             << QStringList{"47,2,0", "47,2,0", "85,3,0"};
        QTest::newRow("page hidden mid-selection") << "hide" << "0,0-1,1"
                                                   << QStringList{"47,2,0", "47,2,0", "84,0,0"};
    }
    void selections()
    {
        QFETCH(QString, how);
        Frame f;
        zones(f)->mask[2][0] = zones(f)->mask[2][1] = 0x3;
        QVERIFY(open(f));
        TSetupPrivate* p = page(f);
        QTest::mouseClick(p->cameraButton(2), Qt::LeftButton);
        TSelGrid* g = p->grid();
        QCOMPARE(QPoint(g->cols(), g->rows()), QPoint(22, 15));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        const QStringList w = how.split(' ');
        if (w[0] == "drag") {
            const QStringList a = w[1].split(','), b = w[2].split(',');
            drag(g, centre(g, a[0].toInt(), a[1].toInt()), centre(g, b[0].toInt(), b[1].toInt()));
        } else if (w[0] == "keys") {
            g->setFocus();
            f.key(Qt::Key_Enter); // edit mode at (0, 0)
            f.key(Qt::Key_Right);
            f.key(Qt::Key_Enter); // the start
            for (int i = 0; i < 14; ++i)
                f.key(Qt::Key_Right);
            for (int i = 0; i < 12; ++i)
                f.key(Qt::Key_Down);
            f.key(w[1] == "RE" ? Qt::Key_Enter : Qt::Key_Escape);
        } else if (w[0] == "frame") {
            drag(g, QPoint(g->width() - 1, 5), centre(g, 0, 0));
        } else {
            mouse(g, QEvent::MouseButtonPress, centre(g, 5, 5), Qt::LeftButton);
            QCOMPARE(zone(zones(f)->mask[2]), QString()); // cleared while chosen
            if (w[0] == "camera")
                QTest::mouseClick(p->cameraButton(3), Qt::LeftButton);
            else
                f.w->sl_btnclicked(Btn_Device_Camera, 0);
            mouse(g, QEvent::MouseButtonRelease, centre(g, 5, 5), Qt::NoButton);
        }
        QTEST(zone(zones(f)->mask[2]), "zone");
        QTEST(requests(req), "sent");
        if (w[0] == "keys" && w[1] == "RE")
            f.w->grab().save(vkeytest::grabPath("setup-private.png"));
    }

    // The zone cut by the device's limit in picture pixels; a limit below
    // one cell sets no zone.
    void limit_data()
    {
        QTest::addColumn<double>("cx");
        QTest::addColumn<double>("cy");
        QTest::addColumn<QString>("zone");
        QTest::newRow("whole picture") << 1.0 << 1.0 << "0,0-21,14";
        QTest::newRow("a quarter across") << 0.25 << 1.0 << "0,0-4,14";
        QTest::newRow("below one cell") << 0.01 << 1.0 << "";
    }
    void limit()
    {
        QFETCH(double, cx);
        QFETCH(double, cy);
        Frame f;
        QCOMPARE(dalTestPrivacyLimit(cx, cy), 0);
        TSetupPrivate* p = rebuild(f);
        QVERIFY(open(f));
        TSelGrid* g = p->grid();
        g->setFocus();
        f.key(Qt::Key_Enter);
        f.key(Qt::Key_Enter);
        f.key(KEY_JOG_LEFT); // (21, 14)
        f.key(Qt::Key_Enter);
        QTEST(zone(zones(f)->mask[0]), "zone");
    }

    // The zone's cut on its own: held from the top-left cell, never a
    // division by a cell of no pixels, nothing for a limit below one cell,
    // nothing outside the grid.
    void zoneCut_data()
    {
        QTest::addColumn<int>("xres");
        QTest::addColumn<int>("yres");
        QTest::addColumn<double>("cx");
        QTest::addColumn<double>("cy");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("zone");
        const QPoint a(2, 3), b(20, 13);
        QTest::newRow("inside the limit") << 960 << 480 << 1.0 << 1.0 << a << b << QRect(QPoint(2, 3), QPoint(20, 13));
        QTest::newRow("half: 11 x 7 from the top-left")
            << 960 << 480 << 0.5 << 0.5 << b << a << QRect(QPoint(2, 3), QPoint(12, 9));
        QTest::newRow("picture narrower than the grid") << 10 << 8 << 0.5 << 0.5 << a << b
                                                        << QRect(QPoint(2, 3), QPoint(20, 13));
        QTest::newRow("limit below one cell") << 960 << 480 << 0.01 << 0.5 << a << b << QRect();
        QTest::newRow("limit no number") << 960 << 480 << qQNaN() << -1.0 << a << b << QRect();
        QTest::newRow("cells beyond the grid") << 960 << 480 << 1.0 << 1.0 << QPoint(20, 14) << QPoint(23, 17)
                                               << QRect(QPoint(20, 14), QPoint(21, 14));
    }
    void zoneCut()
    {
        QFETCH(int, xres);
        QFETCH(int, yres);
        QFETCH(double, cx);
        QFETCH(double, cy);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        AvcCaps caps;
        std::memset(&caps, 0, sizeof caps);
        caps.vridx[0].xres = xres;
        caps.vridx[0].yres = yres;
        caps.privacy_cx = cx;
        caps.privacy_cy = cy;
        const QRect z = TSetupPrivate::zoneRect(from, to, 22, 15, caps);
        QFETCH(QRect, zone);
        if (zone.isEmpty())
            QVERIFY(z.isEmpty());
        else
            QCOMPARE(z, zone);
    }

    // The grid's rows follow the camera system: 18 on a 576-line system,
    // whose words 15-17 take the zone.
    void palRows()
    {
        Frame f;
        QCOMPARE(dalTestSetProfile("16pal"), 0);
        QCOMPARE(dalTestPrivacyLimit(1.0, 1.0), 0);
        TSetupPrivate* p = rebuild(f);
        QVERIFY(open(f));
        TSelGrid* g = p->grid();
        QCOMPARE(QPoint(g->cols(), g->rows()), QPoint(22, 18));
        drag(g, centre(g, 3, 17), centre(g, 5, 15));
        QCOMPARE(zone(zones(f)->mask[0]), QString("3,15-5,17"));
    }

    // The buttons: All Off, Apply All (the cameras of the unit only),
    // Default (every zone, previewed at once), Apply.
    void buttons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("want"); // zones of cameras 1, 2, 16 (index 15), 17
        QTest::newRow("All Off") << int(TSetupPrivate::R_ALLOFF) << QStringList{"47,1,0"} << "|0,0-1,1|0,0-1,1|0,0-1,1";
        QTest::newRow("Apply All") << int(TSetupPrivate::R_APPLYALL) << QStringList{"47,-1,0"}
                                   << "3,3-3,3|3,3-3,3|3,3-3,3|0,0-1,1";
        QTest::newRow("Default") << int(TSetupPrivate::R_DEFAULT) << QStringList{"47,-1,0"} << "|||";
        QTest::newRow("Apply") << int(TSetupPrivate::R_APPLY) << QStringList{"17,0,0"}
                               << "3,3-3,3|0,0-1,1|0,0-1,1|0,0-1,1";
    }
    void buttons()
    {
        QFETCH(int, row);
        Frame f;
        for (int c = 0; c < TSetupPage::CAMERAS; ++c) {
            std::memset(zones(f)->mask[c], 0, sizeof zones(f)->mask[c]);
            zones(f)->mask[c][0] = zones(f)->mask[c][1] = 0x3;
        }
        std::memset(zones(f)->mask[1], 0, sizeof zones(f)->mask[1]);
        zones(f)->mask[1][3] = 0x8;
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->cameraButton(1), Qt::LeftButton);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(row)), Qt::LeftButton);
        QTEST(requests(req), "sent");
        QStringList got;
        for (int c : {1, 2, 15, 16})
            got << zone(zones(f)->mask[c]);
        QTEST(got.join('|'), "want");
    }

    // Seeded random drags (frame lines and outside points among them) and
    // keyboard selections, NTSC and PAL, with a random limit: after each the
    // zone is empty or one rectangle inside the grid and the limit, or the
    // zone from before when the selection was dropped.
    void property()
    {
        const quint32 seed = gridtest::seed();
        QRandomGenerator rnd(seed);
        for (const char* profile : {"16", "16pal", "4"}) {
            Frame f;
            QCOMPARE(dalTestSetProfile(profile), 0);
            const double cx = 0.05 + rnd.generateDouble() * 0.95, cy = 0.05 + rnd.generateDouble() * 0.95;
            QCOMPARE(dalTestPrivacyLimit(cx, cy), 0);
            TSetupPrivate* p = rebuild(f);
            QVERIFY(open(f));
            TSelGrid* g = p->grid();
            // The largest zone in cells, counted in picture pixels as the
            // page counts it.
            AvcCaps caps;
            g_api.getCaps(nullptr, &caps, nullptr);
            const int cw = caps.vridx[0].xres / g->cols(), ch = caps.vridx[0].yres / g->rows();
            const int limW = int(caps.vridx[0].xres * cx) / cw, limH = int(caps.vridx[0].yres * cy) / ch;
            for (int op = 0; op < 40; ++op) {
                uint32_t before[TSetupPrivate::WORDS];
                std::memcpy(before, zones(f)->mask[0], sizeof before);
                const QString what = randomSelection(rnd, g, [&f](int k) { f.key(k); });
                const QString msg = QString("seed %1, %2, step %3 (%4)").arg(seed).arg(profile).arg(op).arg(what);
                const uint32_t* m = zones(f)->mask[0];
                const QString z = zone(m);
                QVERIFY2(z != "?", qPrintable(msg + ": no rectangle"));
                for (int y = 0; y < TSetupPrivate::WORDS; ++y)
                    QVERIFY2(y < g->rows() ? (m[y] >> g->cols()) == 0 : m[y] == 0, qPrintable(msg + ": outside"));
                if (!z.isEmpty() && std::memcmp(before, m, sizeof before) != 0) {
                    const QStringList c = z.split(QRegularExpression("[,-]"));
                    QVERIFY2(c[2].toInt() - c[0].toInt() < limW && c[3].toInt() - c[1].toInt() < limH,
                             qPrintable(msg + ": beyond the limit " + z));
                }
                QVERIFY2(f.w->isVisible(), qPrintable(msg + ": setup left"));
            }
        }
    }
};

QTEST_MAIN(TSetupPrivateTest)
#include "tsetupprivatetest.moc"
