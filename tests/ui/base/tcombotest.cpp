#include "formwnd.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QtTest>

struct ComboForm
{
    FormWnd w{QSize(300, 80)};
    QPushButton* button = new QPushButton("B", &w);
    TCombo* combo = new TCombo(&w, 8);

    ComboForm()
    {
        button->setGeometry(5, 5, 60, 30);
        combo->setGeometry(80, 5, 150, 30);
        for (int i = 0; i < 30; ++i)
            combo->addItem(QStringLiteral("Item %1").arg(i));
        combo->setCurrentIndex(2);
        w.combos << combo;
        w.linkGrid({{button, combo}});
        w.show();
        QApplication::setActiveWindow(&w);
    }
    bool ready() { return QTest::qWaitForWindowActive(&w); }
    void key(int k) { sendKey(&w, k); }
    QAbstractItemView* list() { return combo->view(); }
    int highlighted() { return list()->currentIndex().row(); }
};

class TComboTest : public QObject
{
    Q_OBJECT
private slots:
    void closedListLeavesEveryKey_data()
    {
        QTest::addColumn<int>("key");
        for (int k : {int(Qt::Key_Return), int(Qt::Key_Up), int(Qt::Key_Escape), int(KEY_JOG_LEFT)})
            QTest::newRow(qPrintable(QString::number(k, 16))) << k;
    }

    void closedListLeavesEveryKey()
    {
        QFETCH(int, key);
        ComboForm f;
        QVERIFY(f.ready());
        f.combo->setFocus();
        QCOMPARE(f.combo->keyEvent(key), 0);
        QCOMPARE(f.combo->currentIndex(), 2);
    }

    void enterOpensJogMovesEnterChooses()
    {
        ComboForm f;
        QVERIFY(f.ready());
        QSignalSpy changed(f.combo, &TCombo::sg_changeIndex);
        f.key(Qt::Key_Right);  // from the button to the combo
        QVERIFY(f.combo->hasFocus());
        f.key(Qt::Key_Return);  // the window presses it with Space: the list opens
        QTRY_VERIFY(f.list()->isVisible());
        QCOMPARE(f.highlighted(), 2);
        f.key(KEY_JOG_RIGHT);
        f.key(KEY_JOG_RIGHT);
        QTRY_COMPARE(f.highlighted(), 4);
        f.key(KEY_JOG_LEFT);
        QTRY_COMPARE(f.highlighted(), 3);
        QCOMPARE(f.combo->currentIndex(), 2);  // browsing does not choose
        f.key(Qt::Key_Return);
        QVERIFY(!f.list()->isVisible());
        QCOMPARE(f.combo->currentIndex(), 3);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0), QVariantList({8, 3}));
        // Closed again: the arrows are the window's.
        f.key(Qt::Key_Left);
        QVERIFY(f.button->hasFocus());
    }

    void arrowsInOpenList_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("direction");  // -1 up, 1 down
        QTest::addColumn<bool>("page");
        QTest::newRow("up") << int(Qt::Key_Up) << -1 << false;
        QTest::newRow("down") << int(Qt::Key_Down) << 1 << false;
        QTest::newRow("left pages up") << int(Qt::Key_Left) << -1 << true;
        QTest::newRow("right pages down") << int(Qt::Key_Right) << 1 << true;
    }

    void arrowsInOpenList()
    {
        QFETCH(int, key);
        QFETCH(int, direction);
        QFETCH(bool, page);
        ComboForm f;
        QVERIFY(f.ready());
        f.combo->setCurrentIndex(15);
        f.combo->setFocus();
        f.combo->showPopup();
        QTRY_VERIFY(f.list()->isVisible());
        QCOMPARE(f.highlighted(), 15);
        QCOMPARE(f.combo->keyEvent(key), 1);
        QTRY_VERIFY(f.highlighted() != 15);
        const int moved = f.highlighted() - 15;
        QCOMPARE(moved > 0 ? 1 : -1, direction);
        QCOMPARE(qAbs(moved) > 1, page);
        QVERIFY(f.list()->isVisible());
    }

    void escapeClosesWithoutChange()
    {
        ComboForm f;
        QVERIFY(f.ready());
        f.combo->setFocus();
        f.combo->showPopup();
        QTRY_VERIFY(f.list()->isVisible());
        f.key(Qt::Key_Down);
        QTRY_COMPARE(f.highlighted(), 3);
        f.key(Qt::Key_Escape);
        QTRY_VERIFY(!f.list()->isVisible());
        QCOMPARE(f.combo->currentIndex(), 2);
        QCOMPARE(f.w.escapes, 0);  // the list took it, not the window
    }

    void otherKeysAreSwallowedWhileOpen()
    {
        ComboForm f;
        QVERIFY(f.ready());
        f.combo->setFocus();
        f.combo->showPopup();
        QTRY_VERIFY(f.list()->isVisible());
        QCOMPARE(f.combo->keyEvent(Qt::Key_Tab), 1);
        QCOMPARE(f.combo->keyEvent(Qt::Key_Backspace), 1);
        QCOMPARE(f.combo->keyEvent(Qt::Key_7), 1);
        QCoreApplication::processEvents();
        QVERIFY(f.list()->isVisible());
        QCOMPARE(f.highlighted(), 2);
    }

    void reportsEveryIndexChangeWithId()
    {
        ComboForm f;
        QSignalSpy changed(f.combo, &TCombo::sg_changeIndex);
        f.combo->setCurrentIndex(7);
        f.combo->setCurrentIndex(7);
        f.combo->setCurrentIndex(0);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0), QVariantList({8, 7}));
        QCOMPARE(changed.at(1), QVariantList({8, 0}));
    }

    void mouseChoosesAndHoverFocuses()
    {
        ComboForm f;
        QVERIFY(f.ready());
        f.button->setFocus();
        QTest::mouseMove(&f.w, QPoint(150, 20));
        QTRY_VERIFY(f.combo->hasFocus());
        QTest::mouseClick(f.combo, Qt::LeftButton);
        QTRY_VERIFY(f.list()->isVisible());
        const QModelIndex item = f.combo->model()->index(5, 0);
        const QRect r = f.list()->visualRect(item);
        QVERIFY(r.isValid());
        // The list ignores a release within a double-click time of opening (the
        // release of the opening click); the operator's next click chooses.
        auto clickItem = [&] {
            QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, r.center());
            return !f.list()->isVisible();
        };
        QTRY_VERIFY(clickItem());
        QCOMPARE(f.combo->currentIndex(), 5);
    }

};

QTEST_MAIN(TComboTest)
#include "tcombotest.moc"
