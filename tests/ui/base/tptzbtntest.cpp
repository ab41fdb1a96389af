#include "controlenv.h"
#include "tkeys.h"
#include "tptzbtn.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The PTZ direction pad by mouse and by keys.
class TPtzbtnTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void init()
    {
        m_top.reset(new QWidget);
        m_top->resize(100, 100);
        m_pad = new TPtzbtn(m_top.get());
        m_pad->setGeometry(10, 10, 71, 71);
        m_top->show();
        QApplication::setActiveWindow(m_top.get());
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
    }

    void cleanup()
    {
        m_top.reset();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void clickEachDirection_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("dir");
        QTest::newRow("up") << QPoint(36, 12) << 0;
        QTest::newRow("down") << QPoint(36, 60) << 1;
        QTest::newRow("left") << QPoint(12, 35) << 2;
        QTest::newRow("right") << QPoint(60, 35) << 3;
    }

    void clickEachDirection()
    {
        QFETCH(QPoint, point);
        QFETCH(int, dir);
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        QTest::mousePress(m_pad, Qt::LeftButton, {}, point);
        QVERIFY(m_pad->hasFocus());
        QCOMPARE(m_pad->picture(), 2 * dir + 1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{1, dir}));
        if (dir == 0)
            ControlEnv::shot(m_pad, "ptz-up-pressed");
        QTest::mouseRelease(m_pad, Qt::LeftButton, {}, point);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), (QList<QVariant>{0, dir}));
        QCOMPARE(m_pad->picture(), 2 * dir); // highlighted after the release
        // The right button drives nothing.
        QTest::mouseClick(m_pad, Qt::RightButton, {}, point);
        QCOMPARE(spy.count(), 2);
    }

    void pointsOutsideTheTrianglesSendNothing()
    {
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        for (const QPoint& p : {QPoint(2, 2), QPoint(36, 2), QPoint(69, 69), QPoint(2, 69)}) {
            QCOMPARE(m_pad->dirAt(p), -1);
            QTest::mouseClick(m_pad, Qt::LeftButton, {}, p);
        }
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_pad->picture(), int(TPtzbtn::Idle));
        ControlEnv::shot(m_pad, "ptz-idle");
    }

    void hoverHighlights()
    {
        ControlEnv::hover(m_pad, QPoint(60, 35));
        QCOMPARE(m_pad->picture(), 6);
        ControlEnv::hover(m_pad, QPoint(36, 60));
        QCOMPARE(m_pad->picture(), 2);
    }

    void dragKeepsThePressedDirection()
    {
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        QTest::mousePress(m_pad, Qt::LeftButton, {}, QPoint(36, 12));
        QMouseEvent move(QEvent::MouseMove, QPoint(36, 60), m_pad->mapToGlobal(QPoint(36, 60)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_pad, &move);
        QCOMPARE(m_pad->picture(), 1);
        QTest::mouseRelease(m_pad, Qt::LeftButton, {}, QPoint(36, 60));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), (QList<QVariant>{0, 0})); // the direction that was started
    }

    void leavingWhileHeldStopsTheCamera()
    {
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        QTest::mousePress(m_pad, Qt::LeftButton, {}, QPoint(12, 35));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_pad, &leave);
        QCOMPARE(m_pad->picture(), int(TPtzbtn::Idle));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), (QList<QVariant>{0, 2}));
        // The release that follows outside reports nothing more.
        QTest::mouseRelease(m_pad, Qt::LeftButton, {}, QPoint(12, 35));
        QCOMPARE(spy.count(), 2);
    }

    void keysAreTheOwnersUntilEnter()
    {
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        for (int key : {int(Qt::Key_Up), int(Qt::Key_Return), int(KEY_JOG_RIGHT)})
            QCOMPARE(m_pad->keyEvent(key, 1), 0);
        QCOMPARE(spy.count(), 0);
        m_pad->setFocus();
        QTest::keyClick(m_pad, Qt::Key_Enter);
        QCOMPARE(m_pad->keyOn(), 1);
        QCOMPARE(m_pad->dir(), 0);
        QCOMPARE(m_pad->keyEvent(Qt::Key_A, 1), 1);
        QCOMPARE(spy.count(), 0);
    }

    void arrowsPressAndRelease_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("dir");
        QTest::newRow("up") << int(Qt::Key_Up) << 0;
        QTest::newRow("down") << int(Qt::Key_Down) << 1;
        QTest::newRow("left") << int(Qt::Key_Left) << 2;
        QTest::newRow("right") << int(Qt::Key_Right) << 3;
    }

    void arrowsPressAndRelease()
    {
        QFETCH(int, key);
        QFETCH(int, dir);
        m_pad->setFocus();
        QTest::keyClick(m_pad, Qt::Key_Return);
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        QCOMPARE(m_pad->keyEvent(key, 1), 1);
        QCOMPARE(spy.last(), (QList<QVariant>{1, dir}));
        QCOMPARE(m_pad->picture(), 2 * dir + 1); // image 76 + 2 dir
        QCOMPARE(m_pad->keyEvent(key, 0), 1);
        QCOMPARE(spy.last(), (QList<QVariant>{0, dir}));
        QCOMPARE(m_pad->picture(), 2 * dir); // image 75 + 2 dir
        QCOMPARE(spy.count(), 2);
    }

    void jogPicksAndEnterPresses()
    {
        m_pad->setFocus();
        QTest::keyClick(m_pad, Qt::Key_Return);
        QSignalSpy spy(m_pad, &TPtzbtn::sg_keynotify);
        const int expect[] = {3, 1, 2, 0}; // right, down, left, up
        for (int i = 0; i < 3; ++i) {
            m_pad->keyEvent(KEY_JOG_RIGHT, 1);
            m_pad->keyEvent(KEY_JOG_RIGHT, 0); // a release does nothing
            QCOMPARE(m_pad->dir(), expect[i]);
            QCOMPARE(m_pad->picture(), 2 * expect[i] + 1);
        }
        QCOMPARE(spy.count(), 0);
        m_pad->keyEvent(Qt::Key_Return, 1);
        m_pad->keyEvent(Qt::Key_Return, 0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0), (QList<QVariant>{1, 2}));
        QCOMPARE(spy.at(1), (QList<QVariant>{0, 2}));
        m_pad->keyEvent(KEY_JOG_RIGHT, 1);
        QCOMPARE(m_pad->dir(), 0);
    }

    void jogLeftTurnsBack()
    {
        m_pad->setFocus();
        QTest::keyClick(m_pad, Qt::Key_Return);
        const int expect[] = {2, 1, 3, 0}; // left, down, right, up
        for (int d : expect) {
            m_pad->keyEvent(KEY_JOG_LEFT, 1);
            QCOMPARE(m_pad->dir(), d);
        }
    }

    void escapeIdles()
    {
        m_pad->setFocus();
        QTest::keyClick(m_pad, Qt::Key_Return);
        m_pad->keyEvent(Qt::Key_Left, 1);
        QCOMPARE(m_pad->keyEvent(Qt::Key_Escape, 1), 1);
        QCOMPARE(m_pad->keyOn(), 0);
        QCOMPARE(m_pad->picture(), int(TPtzbtn::Idle));
        QCOMPARE(m_pad->keyEvent(Qt::Key_Left, 1), 0);
        // Escape sent to the pad itself does the same.
        QTest::keyClick(m_pad, Qt::Key_Return);
        QTest::keyClick(m_pad, Qt::Key_Backspace);
        QCOMPARE(m_pad->keyOn(), 0);
    }


private:
    std::unique_ptr<ControlEnv> m_env;
    std::unique_ptr<QWidget> m_top;
    TPtzbtn* m_pad = nullptr;
};

QTEST_MAIN(TPtzbtnTest)
#include "tptzbtntest.moc"
