// The digital zoom window driven by keys and mouse: what it asks of the
// main window for each show, ratio key, drag and arrow, and its menus.
#include "livetestenv.h"
#include "tbutton.h"
#include "treshooks.h"
#include "tzoomwnd.h"
#include "wndid.h"

#include <QMenu>
#include <QSignalSpy>

namespace {

struct Rig
{
    explicit Rig(double maxZoom, int videos = -1)
    {
        if (videos >= 0)
            fx.live<PropDevices>(IDX_PROP_DEVICES)->videos = videos;
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCapsRec.maxZoom = maxZoom;
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        wnd = new TZoomWnd(nullptr, ID_WND_ZOOM, QSize(800, 600));
        wnd->init(0);
        sent = new QSignalSpy(wnd, &TZoomWnd::sg_request);
    }
    ~Rig()
    {
        delete sent;
        delete wnd;
        g_api.m_voutCaps = nullptr;
    }
    // The requests since the last call, "code:a,b,c" each.
    QString take()
    {
        QStringList out;
        for (const QList<QVariant>& r : *sent)
            out << QStringLiteral("%1:%2,%3,%4").arg(r.at(0).toInt()).arg(r.at(1).toInt()).arg(r.at(2).toInt()).arg(r.at(3).toInt());
        sent->clear();
        return out.join(' ');
    }

    bool globals = (vkeytest::setUpGlobals(), true);
    TDvrFixture fx;
    TZoomWnd* wnd = nullptr;
    QSignalSpy* sent = nullptr;
};

} // namespace

class TZoomWndTest : public QObject
{
    Q_OBJECT
private slots:
    // Every show starts at x2 in the middle; the ratio keys stay within 2
    // and the output's largest zoom, around the screen's centre.
    void ratioKeys_data()
    {
        QTest::addColumn<double>("maxZoom");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("want");
        QTest::addColumn<int>("ratio");
        QTest::newRow("largest 2: '1' changes nothing") << 2.0 << "1" << "" << 2;
        QTest::newRow("largest 4: '1' to x3") << 4.0 << "1" << "8:300,50,50" << 3;
        QTest::newRow("largest 4: up to x4 and no further") << 4.0 << "111" << "8:300,50,50 8:400,50,50" << 4;
        QTest::newRow("'2' at x2 changes nothing") << 4.0 << "2" << "" << 2;
        QTest::newRow("ZoomIn then ZoomOut") << 4.0 << "+-" << "8:300,50,50 8:200,50,50" << 2;
        QTest::newRow("largest below 2 still takes x2") << 1.0 << "1" << "" << 2;
    }
    void ratioKeys()
    {
        QFETCH(double, maxZoom);
        QFETCH(QString, keys);
        Rig rig(maxZoom);
        rig.wnd->setChannel(5);
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(rig.take(), QString("8:200,50,50 3:5,-1,-1"));
        for (const QChar k : keys)
            vkeytest::key(rig.wnd, k == '+' ? int(Qt::Key_ZoomIn) : k == '-' ? int(Qt::Key_ZoomOut) : Qt::Key_0 + k.digitValue());
        QTEST(rig.take(), "want");
        QTEST(rig.wnd->ratio(), "ratio");
        QVERIFY(rig.wnd->title().endsWith(QStringLiteral(" (x%1)").arg(rig.wnd->ratio())));
        // The ratio menu: one entry per ratio from x2.
        QCOMPARE(rig.wnd->ratioMenu()->actions().size(), int(qMax(2.0, maxZoom) - 1));
        QCOMPARE(rig.wnd->ratioMenu()->actions().first()->text(), g_str->text(21) + " x2");
        // Shown again: x2 in the middle once more.
        vkeytest::key(rig.wnd, Qt::Key_Escape);
        QVERIFY(!rig.wnd->isVisible());
        QCOMPARE(rig.take(), QString("2:0,-1,-1"));
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(rig.take(), QString("8:200,50,50 3:5,-1,-1"));
        QCOMPARE(rig.wnd->ratio(), 2);
    }

    // Dragging on the overview moves the enlarged part, kept at the frame's
    // edges, one request a 100 ms tick at most; the arrows step it by 10.
    void dragAndArrows_data()
    {
        QTest::addColumn<QString>("input"); // p press at, m move to, t tick, r release; arrows L R U D
        QTest::addColumn<QString>("want");
        QTest::newRow("press at the left edge: 0") << "p5,60" << "8:200,0,50";
        QTest::newRow("drag far right: edge 100") << "p80,60 t m400,60" << "8:200,50,50 8:200,100,50";
        QTest::newRow("moves within a tick: one request") << "p80,60 m100,60 m120,60 t m0,0" << "8:200,50,50 8:200,0,0";
        QTest::newRow("after release no drag") << "p80,60 r t m0,0" << "8:200,50,50";
        QTest::newRow("press outside the frame") << "p-300,60" << "";
        QTest::newRow("arrow right") << "R" << "8:200,62,50";
        QTest::newRow("arrow at the edge stays") << "p0,0 U L" << "8:200,0,0 8:200,0,0 8:200,0,0";
    }
    void dragAndArrows()
    {
        QFETCH(QString, input);
        Rig rig(4.0);
        QVERIFY(livetest::popup(rig.wnd));
        rig.take();
        const QRect f = rig.wnd->frameRect();
        for (const QString& step : input.split(' ')) {
            const QPoint at = f.topLeft() + QPoint(step.mid(1).section(',', 0, 0).toInt(), step.section(',', 1).toInt());
            const QPoint at2 = step.size() > 1 ? at : QPoint();
            switch (step.at(0).toLatin1()) {
            case 'p': QTest::mousePress(rig.wnd, Qt::LeftButton, Qt::NoModifier, at2); break;
            case 'm': {
                QMouseEvent move(QEvent::MouseMove, at2, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(rig.wnd, &move);
                break;
            }
            case 'r': QTest::mouseRelease(rig.wnd, Qt::LeftButton, Qt::NoModifier, f.center()); break;
            case 't': rig.wnd->sl_checkZoom(); break;
            default: vkeytest::keys(rig.wnd, step); break;
            }
        }
        QTEST(rig.take(), "want");
        QVERIFY(f.contains(rig.wnd->innerRect()));
    }

    // The menus: one camera entry per input; a camera chosen asks for its
    // layout and centres the part; a unit without inputs or a largest zoom
    // of 2 opens its menus without failing, each reporting its own area.
    void menus()
    {
        Rig rig(2.0, 0);
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(rig.wnd->cameraMenu()->actions().size(), 0);
        rig.take();
        rig.wnd->sl_mCamshow();
        rig.wnd->sl_mZoomshow();
        QCOMPARE(rig.take(), QString("6:0,-1,-1 6:0,-1,-1"));

        Rig four(4.0);
        QVERIFY(livetest::popup(four.wnd));
        QCOMPARE(four.wnd->cameraMenu()->actions().size(), 16);
        four.take();
        vkeytest::key(four.wnd, Qt::Key_9);
        QTRY_VERIFY(four.wnd->ratioMenu()->isVisible());
        QTRY_VERIFY(four.sent->size() > 0);
        QCOMPARE(four.take(), QString("6:0,-1,-1"));
        QCOMPARE(four.wnd->getMenuRect(0).size(), four.wnd->ratioMenu()->size());
        four.wnd->grab().save(vkeytest::grabPath("zoom.png"));
        four.wnd->ratioMenu()->hide();
        four.take();
        four.wnd->cameraMenu()->actions().at(7)->trigger();
        QCOMPARE(four.take(), QString("0:7,-1,-1 8:200,50,50"));
        QCOMPARE(four.wnd->channel(), 7);
    }
};

QTEST_MAIN(TZoomWndTest)
#include "tzoomwndtest.moc"
