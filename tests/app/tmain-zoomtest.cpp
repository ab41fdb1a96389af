// The zoom window in the main window: opened from the menu, the Zoom key
// and Enter in the single view, and its requests carried out on the
// stand-in's output.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tzoomwnd.h"

#include <QMenu>

namespace {

void press(TMainRig& rig, int key)
{
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, key);
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_RELEASE, key);
}

// The output calls of the journal, the layout's chain left out.
QString voutCalls()
{
    QStringList out;
    for (const QString& l : TMainRig::journal("DalVout")) {
        if (l.startsWith("DalVoutSetLayout("))
            out << l.section(',', 0, 1) + ")";
        else if (l.startsWith("DalVoutZoom(") || l.startsWith("DalVoutSetViw("))
            out << l;
    }
    return out.join(' ');
}

} // namespace

class TMainZoomTest : public QObject
{
    Q_OBJECT
private slots:
    // Each request code and what reaches the output.
    void fromZoom_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("want");
        QTest::newRow("0: camera full screen") << 0 << 3 << "DalVoutSetLayout(0,1)";
        QTest::newRow("2: zoom off, layout back") << 2 << 0 << "DalVoutZoom(1.00,-1.00,-1.00) DalVoutSetViw(0,0,0,0,0)";
        QTest::newRow("3: camera at x2") << 3 << 3
                                         << "DalVoutSetViw(0,0,0,0,0) DalVoutSetLayout(0,1) DalVoutZoom(2.00,0.50,0.50)";
        QTest::newRow("8: ratio and place") << 8 << 300 << "DalVoutZoom(3.00,0.25,1.00)";
        QTest::newRow("8: no enlargement") << 8 << 100 << "DalVoutZoom(1.00,-1.00,-1.00)";
        QTest::newRow("5: ignored") << 5 << 0 << "";
        QTest::newRow("9: ignored") << 9 << 0 << "";
    }
    void fromZoom()
    {
        QFETCH(int, code);
        QFETCH(int, a);
        TMainRig rig;
        QVERIFY(rig.w->splitTh()->wait(5000));
        dalTestJournalClear();
        rig.w->sl_fromZoom(code, a, 25, 100);
        QVERIFY(rig.w->splitTh()->wait(5000));
        QString got = voutCalls();
        // The layout redrawn after a close is the thread's; its own call.
        got.remove(QRegularExpression(" DalVoutSetLayout\\(0,\\d+\\)$"));
        QTEST(got, "want");
        if (code == 3)
            QCOMPARE(rig.w->m_popupRect, QRect(QPoint(0, 0), rig.w->size()));
    }

    // An open zoom menu cuts its area out of the video, and gives it back
    // when it closes.
    void menuArea()
    {
        TMainRig rig;
        rig.w->show();
        auto* zoom = static_cast<TZoomWnd*>(rig.w->wnd(ID_WND_ZOOM));
        rig.w->runMenu(g_str->text(21), 2);
        QVERIFY(zoom->isVisible());
        zoom->sl_btnclicked(TZoomWnd::BTN_CAMERA);
        QTRY_VERIFY(zoom->cameraMenu()->isVisible());
        // The device's level at the menu's centre: blended while it is open,
        // see-through again once it closed.
        const int osd = 7 - static_cast<PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0))->alpha;
        auto levelAt = [](QPoint p) {
            DalTestDisplay d;
            dalTestDisplayGet(&d);
            int level = -1;
            for (int i = 0; i < qMin(d.numAlpha, 64); ++i)
                if (QRect(d.alpha[i][0], d.alpha[i][1], d.alpha[i][2], d.alpha[i][3]).contains(p))
                    level = d.alpha[i][4];
            return level;
        };
        const QPoint centre = rig.w->mapFromGlobal(zoom->cameraMenu()->geometry().center());
        QTRY_COMPARE(levelAt(rig.w->mapFromGlobal(zoom->cameraMenu()->geometry().center())), osd);
        QVERIFY(zoom->getMenuRect(0).translated(zoom->mapTo(rig.w, QPoint())).contains(centre));
        zoom->cameraMenu()->hide();
        QTRY_VERIFY(levelAt(centre) != osd);
    }

    // The ways in: the menu (camera under the menu's point), the Zoom key
    // (first camera of the page), Enter in the single view (its camera);
    // Enter in a split view does nothing.
    void open_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("single"); // camera shown single, -1 the split view
        QTest::addColumn<int>("channel"); // zoom window's camera, -1 not opened
        QTest::newRow("menu at (50, 50)") << "menu" << -1 << 0;
        QTest::newRow("Zoom key") << "zoom" << -1 << 0;
        QTest::newRow("Enter in single view") << "enter" << 5 << 5;
        QTest::newRow("Return in single view") << "return" << 6 << 6;
        QTest::newRow("Enter in split view") << "enter" << -1 << -1;
        QTest::newRow("Enter, camera 5 shown second") << "enter swapped" << 5 << 5;
    }
    void open()
    {
        QFETCH(QString, how);
        QFETCH(int, single);
        TMainRig rig;
        rig.w->m_loggedIn = 1;
        if (how.endsWith("swapped"))
            std::swap(g_api.m_chOrder[1], g_api.m_chOrder[5]);
        if (single >= 0)
            rig.w->changeLayout(1, single);
        QVERIFY(rig.w->splitTh()->wait(5000));
        if (how.endsWith("swapped"))
            QCOMPARE(g_api.m_sw, 1); // the page of the single view is the position
        if (how == "menu")
            rig.w->runMenu(g_str->text(21), -1);
        else
            press(rig, how == "zoom" ? Qt::Key_Zoom : how.startsWith("enter") ? Qt::Key_Enter : Qt::Key_Return);
        auto* zoom = static_cast<TZoomWnd*>(rig.w->wnd(ID_WND_ZOOM));
        QTEST(zoom->isHidden() ? -1 : zoom->channel(), "channel");
    }
};

DVR_APP_TEST_MAIN(TMainZoomTest)
#include "tmain-zoomtest.moc"
