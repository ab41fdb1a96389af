#include "tdefdlg.h"
#include "tdefwnd.h"

#include <QtTest>

// Stands in for the main window's side of sg_showed: records every report in
// arrival order, and optionally writes it into a shared hook log too.
struct ShowedLog
{
    struct Entry { int id; int shown; QRegion region; };
    QVector<Entry> entries;
    QStringList* hooks = nullptr;

    template <class W>
    void watch(W* w)
    {
        QObject::connect(w, &W::sg_showed, [this](int id, int shown, QRegion region) {
            entries.append({id, shown, region});
            if (hooks)
                hooks->append(QStringLiteral("sg_showed:%1").arg(shown));
        });
    }
    QList<int> shownSequence() const
    {
        QList<int> s;
        for (const Entry& e : entries)
            s << e.shown;
        return s;
    }
};

// A window that logs its hooks with the shown flag at the time of the call.
class LogWnd : public TDefWnd
{
public:
    LogWnd(QWidget* parent, int id, QSize size, QStringList* log) : TDefWnd(parent, id, size), m_log(log) {}
    void connectTo() override { add("connectTo"); }
    void disconnectFrom() override { add("disconnectFrom"); }
    void evtShow() override { add("evtShow"); }
    void evtHide() override { add("evtHide"); }
    void evtResize() override { resizes.append(QStringLiteral("evtResize:%1x%2").arg(wndRect().right()).arg(region().boundingRect().bottom())); }
    void evtPaint(QPaintEvent*) override { ++paints; }
    void evtKeydown(int key) override { m_log->append(QStringLiteral("down:%1").arg(key, 0, 16)); }
    void evtKeyup(int key) override { m_log->append(QStringLiteral("up:%1").arg(key, 0, 16)); }
    void evtLanguage() override { add("evtLanguage"); }
    int paints = 0;
    QStringList resizes;  // kept apart: a first show delivers a pending resize

private:
    void add(const char* what) { m_log->append(QStringLiteral("%1:%2").arg(what).arg(m_shown)); }
    QStringList* m_log;
};

class LogDlg : public TDefDlg
{
public:
    LogDlg(QWidget* parent, int id, QSize size, QStringList* log) : TDefDlg(parent, id, size), m_log(log) {}
    void connectTo() override { m_log->append("connectTo"); }
    void disconnectFrom() override { m_log->append("disconnectFrom"); }
    void evtShow() override { m_log->append("evtShow"); }
    void evtHide() override { m_log->append("evtHide"); }
    void evtKeydown(int key) override { m_log->append(QStringLiteral("down:%1").arg(key, 0, 16)); }
    void evtLanguage() override { m_log->append("evtLanguage"); }
    bool evtEvent(QEvent* e) override { return e->type() != QEvent::MouseButtonPress || !swallowMouse; }
    bool swallowMouse = false;
    int mousePresses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++mousePresses; }

private:
    QStringList* m_log;
};

class TDefWndTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Every window of a case lives on the stack: nothing may outlive it.
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void construction()
    {
        QStringList log;
        LogWnd w(nullptr, 7, QSize(320, 200), &log);
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.wndRect(), QRect(QPoint(0, 0), QPoint(319, 199)));
        QCOMPARE(w.region(), QRegion(0, 0, 320, 200));
        QCOMPARE(w.isShown(), 0);
        QVERIFY(!w.isVisible());
    }

    void showRunsHooksThenReports()
    {
        QStringList log;
        ShowedLog owner;
        LogWnd w(nullptr, 5, QSize(100, 80), &log);
        owner.watch(&w);
        w.show();
        // The hooks run inside the show event, before the flag is set; the
        // report comes later from the event loop.
        QCOMPARE(log, QStringList({"evtShow:0", "connectTo:0"}));
        QCOMPARE(w.isShown(), 1);
        QVERIFY(owner.entries.isEmpty());
        QTRY_COMPARE(owner.entries.size(), 1);
        QCOMPARE(owner.entries[0].id, 5);
        QCOMPARE(owner.entries[0].shown, 1);
        QCOMPARE(owner.entries[0].region, QRegion(0, 0, 100, 80));
    }

    void hideWndRunsHooksThenReports()
    {
        QStringList log;
        ShowedLog owner;
        owner.hooks = &log;
        LogWnd w(nullptr, 3, QSize(60, 40), &log);
        owner.watch(&w);
        w.show();
        QTRY_COMPARE(owner.entries.size(), 1);
        log.clear();
        w.hideWnd();
        QCOMPARE(log, QStringList({"evtHide:1", "disconnectFrom:0", "sg_showed:0"}));
        QCOMPARE(w.isShown(), 0);
        QVERIFY(!w.isVisible());
        QCOMPARE(owner.entries.last().id, 3);
        QCOMPARE(owner.entries.last().region, QRegion(0, 0, 60, 40));
    }

    void hideRightAfterShowReportsZeroBeforeOne()
    {
        QStringList log;
        ShowedLog owner;
        LogWnd w(nullptr, 9, QSize(60, 40), &log);
        owner.watch(&w);
        w.show();
        w.hideWnd();
        QCOMPARE(owner.shownSequence(), QList<int>({0}));
        // The timer of the show still reports 1: the owner sees 0 then 1.
        QTRY_COMPARE(owner.shownSequence(), QList<int>({0, 1}));
        QVERIFY(!w.isVisible());
        QCOMPARE(log, QStringList({"evtShow:0", "connectTo:0", "evtHide:1", "disconnectFrom:0"}));
    }

    void plainHideReportsNothing()
    {
        QStringList log;
        ShowedLog owner;
        LogWnd w(nullptr, 1, QSize(60, 40), &log);
        owner.watch(&w);
        QSignalSpy spy(&w, &TDefWnd::sg_showed);
        w.show();
        QVERIFY(spy.wait(1000));
        w.hide();
        QVERIFY(!spy.wait(50));
        QCOMPARE(owner.shownSequence(), QList<int>({1}));
        QCOMPARE(w.isShown(), 0);
        QVERIFY(log.contains("evtHide:1"));
    }

    void hideWndOnHiddenWindowStillReports()
    {
        QStringList log;
        ShowedLog owner;
        LogWnd w(nullptr, 4, QSize(60, 40), &log);
        owner.watch(&w);
        w.hideWnd();
        w.hideWnd();
        QCOMPARE(owner.shownSequence(), QList<int>({0, 0}));
        QVERIFY(log.isEmpty());
    }

    void childHiddenWithParentStaysHidden()
    {
        QStringList log;
        QWidget parent;
        parent.resize(300, 200);
        LogWnd child(&parent, 6, QSize(100, 50), &log);
        parent.show();
        QVERIFY(child.isVisible());
        QCOMPARE(log, QStringList({"evtShow:0", "connectTo:0"}));
        parent.hide();
        // The hooks run once although Qt sends the child two hide events.
        QCOMPARE(log, QStringList({"evtShow:0", "connectTo:0", "evtHide:1", "disconnectFrom:0"}));
        parent.show();
        QVERIFY(!child.isVisible());
        QCOMPARE(child.isShown(), 0);
        child.show();
        QVERIFY(child.isVisible());
        QCOMPARE(child.isShown(), 1);
    }

    void keysAndPaintGoToHooks()
    {
        QStringList log;
        LogWnd w(nullptr, 2, QSize(60, 40), &log);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        log.clear();
        QTest::keyPress(&w, Qt::Key_Escape);
        QTest::keyRelease(&w, Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(log, QStringList({"down:1000000", "up:1000000", "down:1000012", "up:1000012"}));
        const int before = w.paints;
        w.repaint();
        QCOMPARE(w.paints, before + 1);
    }

    void languageChangeIsNotPassedOn()
    {
        QStringList log;
        LogWnd w(nullptr, 2, QSize(60, 40), &log);
        QEvent e(QEvent::LanguageChange);
        QCOMPARE(QApplication::sendEvent(&w, &e), false);
        QCOMPARE(log, QStringList({"evtLanguage:0"}));
    }

    void resizeUpdatesRegionBeforeHook()
    {
        QStringList log;
        LogWnd w(nullptr, 2, QSize(60, 40), &log);
        w.show();
        w.resizes.clear();
        w.resize(120, 90);
        QCOMPARE(w.resizes, QStringList({"evtResize:119x89"}));
        QCOMPARE(w.wndRect(), QRect(0, 0, 120, 90));
        QCOMPARE(w.region(), QRegion(0, 0, 120, 90));
    }

    void moveCenter_data()
    {
        QTest::addColumn<QSize>("over");
        QTest::addColumn<QSize>("wnd");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("100 wider") << QSize(300, 100) << QSize(200, 50) << QPoint(50, 25);
        QTest::newRow("102 wider") << QSize(302, 100) << QSize(200, 50) << QPoint(50, 25);
        QTest::newRow("104 wider") << QSize(304, 100) << QSize(200, 50) << QPoint(52, 25);
        QTest::newRow("same size") << QSize(200, 50) << QSize(200, 50) << QPoint(0, 0);
        QTest::newRow("window larger truncates toward zero") << QSize(100, 45) << QSize(203, 50) << QPoint(-50, -2);
    }

    void moveCenter()
    {
        QFETCH(QSize, over);
        QFETCH(QSize, wnd);
        QFETCH(QPoint, expected);
        QStringList log;
        QWidget main;
        main.move(0, 0);
        main.resize(over);
        LogWnd w(&main, 1, wnd, &log);
        w.moveCenter(&main);
        QCOMPARE(w.pos(), expected);
    }

    void moveCenterOverNothing()
    {
        QStringList log;
        QWidget main;
        LogWnd w(&main, 1, QSize(10, 10), &log);
        w.move(13, 17);
        w.moveCenter(nullptr);
        QCOMPARE(w.pos(), QPoint(13, 17));
    }

    void dialogShowAndHideOrder()
    {
        QStringList log;
        ShowedLog owner;
        owner.hooks = &log;
        LogDlg d(nullptr, 12, QSize(200, 100), &log);
        QCOMPARE(int(d.windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint | Qt::CustomizeWindowHint)), 0x2000803);
        owner.watch(&d);
        d.show();
        QCOMPARE(log, QStringList({"connectTo", "evtShow"}));
        QTRY_COMPARE(owner.shownSequence(), QList<int>({1}));
        log.clear();
        d.hide();  // a dialog reports every hide, before its hooks run
        QCOMPARE(log, QStringList({"sg_showed:0", "evtHide", "disconnectFrom"}));
        QCOMPARE(owner.entries.last().id, 12);
        QCOMPARE(owner.entries.last().region, QRegion(0, 0, 200, 100));
    }

    void dialogKeepsItsOwnKeys()
    {
        QStringList log;
        LogDlg d(nullptr, 12, QSize(200, 100), &log);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        log.clear();
        // Escape does not reject the dialog: it only reaches the hook.
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QCOMPARE(log, QStringList({"down:1000000"}));
        QEvent e(QEvent::LanguageChange);
        QCOMPARE(QApplication::sendEvent(&d, &e), false);
        QCOMPARE(log.last(), QString("evtLanguage"));
    }

    void dialogEvtEventSwallowsEvents()
    {
        QStringList log;
        LogDlg d(nullptr, 12, QSize(200, 100), &log);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(d.mousePresses, 1);
        d.swallowMouse = true;
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(d.mousePresses, 1);
    }

};

QTEST_MAIN(TDefWndTest)
#include "tdefwndtest.moc"
