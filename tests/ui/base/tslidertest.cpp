#include "rowform.h"

#include <QtTest>

struct SliderForm : RowForm<TSlider>
{
    TSlider* slider = ctrl;
    SliderForm() : RowForm([](QWidget* p) { return new TSlider(p, 4); }, 200)
    {
        slider->setRange(0, 10);
        slider->setValue(5);
        w.sliders << slider;
    }
};

class TSliderTest : public QObject
{
    Q_OBJECT
private slots:
    void withoutFocusIgnoresEveryKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("left") << int(Qt::Key_Left);
        QTest::newRow("jog") << int(KEY_JOG_RIGHT);
    }

    void withoutFocusIgnoresEveryKey()
    {
        QFETCH(int, key);
        SliderForm f;
        QVERIFY(f.ready());
        f.left->setFocus();
        QCOMPARE(f.slider->isLock(key), 0);
        QCOMPARE(f.slider->lock(), 0);
    }

    void enterTogglesTheLock()
    {
        SliderForm f;
        QVERIFY(f.ready());
        f.slider->setFocus();
        QCOMPARE(f.slider->isLock(Qt::Key_Return), 1);
        QCOMPARE(f.slider->lock(), 1);
        QCOMPARE(f.slider->isLock(Qt::Key_Enter), 0);
        QCOMPARE(f.slider->lock(), 0);
    }

    void lockedArrowsStepUnlockedMoveFocus()
    {
        SliderForm f;
        QVERIFY(f.ready());
        QSignalSpy changed(f.slider, &TSlider::sg_valueChanged);
        f.left->setFocus();
        f.key(Qt::Key_Right);
        QVERIFY(f.slider->hasFocus());
        f.key(Qt::Key_Return);  // lock: the arrows now belong to the slider
        QCOMPARE(f.slider->lock(), 1);
        f.key(Qt::Key_Left);
        QTRY_COMPARE(f.slider->value(), 4);
        f.key(Qt::Key_Up);
        f.key(Qt::Key_Up);
        QTRY_COMPARE(f.slider->value(), 6);
        f.key(Qt::Key_Down);
        QTRY_COMPARE(f.slider->value(), 5);
        QVERIFY(f.slider->hasFocus());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(changed.last(), QVariantList({4, 5}));
        f.key(Qt::Key_Return);  // unlock: the window has its arrows back
        QCOMPARE(f.slider->lock(), 0);
        f.key(Qt::Key_Left);
        QVERIFY(f.left->hasFocus());
        QCOMPARE(f.slider->value(), 5);
    }

    void jogStepsWhileLocked()
    {
        SliderForm f;
        QVERIFY(f.ready());
        f.slider->setFocus();
        f.key(Qt::Key_Return);
        QCOMPARE(f.slider->isLock(KEY_JOG_RIGHT), 1);
        QCOMPARE(f.slider->isLock(KEY_JOG_RIGHT), 1);
        QTRY_COMPARE(f.slider->value(), 7);
        QCOMPARE(f.slider->isLock(KEY_JOG_LEFT), 1);
        QTRY_COMPARE(f.slider->value(), 6);
    }

    void lockedSwallowsOtherKeys()
    {
        SliderForm f;
        QVERIFY(f.ready());
        f.slider->setFocus();
        QCOMPARE(f.slider->isLock(Qt::Key_Tab), 0);
        QCOMPARE(f.slider->isLock(Qt::Key_Left), 0);
        f.slider->isLock(Qt::Key_Return);
        QCOMPARE(f.slider->isLock(Qt::Key_Tab), 1);
        QCOMPARE(f.slider->isLock(Qt::Key_5), 1);
    }

    void escapeAndBackspaceUnlock_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("backspace") << int(Qt::Key_Backspace);
    }

    void escapeAndBackspaceUnlock()
    {
        QFETCH(int, key);
        SliderForm f;
        QVERIFY(f.ready());
        f.slider->setFocus();
        f.key(Qt::Key_Return);
        QCOMPARE(f.slider->lock(), 1);
        f.key(key);  // taken by the slider: the window stays open
        QCOMPARE(f.slider->lock(), 0);
        QCOMPARE(f.w.escapes, 0);
        QVERIFY(f.w.isVisible());
        // While the slider has the focus it keeps taking Escape, locked or not;
        // from its neighbour Escape is the window's own again.
        f.key(Qt::Key_Escape);
        QCOMPARE(f.w.escapes, 0);
        f.key(Qt::Key_Left);
        QVERIFY(f.left->hasFocus());
        f.key(Qt::Key_Escape);
        QCOMPARE(f.w.escapes, 1);
        QVERIFY(!f.w.isVisible());
    }

    void focusLossUnlocks()
    {
        SliderForm f;
        QVERIFY(f.ready());
        f.slider->setFocus();
        f.key(Qt::Key_Return);
        QCOMPARE(f.slider->lock(), 1);
        f.right->setFocus();
        QCOMPARE(f.slider->lock(), 0);
        // Back on the slider the arrows move the focus again.
        f.slider->setFocus();
        f.key(Qt::Key_Right);
        QVERIFY(f.right->hasFocus());
        QCOMPARE(f.slider->value(), 5);
    }

    void mouseEditsAndReportsId()
    {
        SliderForm f;
        QVERIFY(f.ready());
        QSignalSpy changed(f.slider, &TSlider::sg_valueChanged);
        QTest::mouseMove(&f.w, QPoint(180, 20));
        QTRY_VERIFY(f.slider->hasFocus());  // hovering takes the focus
        QTest::mouseClick(f.slider, Qt::LeftButton, {}, QPoint(195, 15));
        QVERIFY(f.slider->value() > 5);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(0).toInt(), 4);
        QCOMPARE(changed.last().at(1).toInt(), f.slider->value());
        QTest::mouseMove(&f.w, QPoint(390, 55));
        QTRY_VERIFY(!f.slider->hasFocus());  // leaving clears it
    }

};

QTEST_MAIN(TSliderTest)
#include "tslidertest.moc"
