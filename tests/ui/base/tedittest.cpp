#include "formwnd.h"

#include "appglobals.h"

#include <QPushButton>
#include <QtTest>

struct EditForm
{
    FormWnd w{QSize(300, 90)};
    TEdit* edit = new TEdit(&w, 11, 1);
    QPushButton* below = new QPushButton("B", &w);

    EditForm()
    {
        edit->setGeometry(5, 5, 200, 30);
        below->setGeometry(5, 45, 60, 30);
        w.linkGrid({{edit}, {below}});
        w.show();
        QApplication::setActiveWindow(&w);
    }
    bool ready() { return QTest::qWaitForWindowActive(&w); }
};

class TEditTest : public QObject
{
    Q_OBJECT
private slots:
    void keyboardFieldAsksForKeyboard()
    {
        EditForm f;
        QVERIFY(f.ready());
        QVERIFY(f.edit->isReadOnly());
        QCOMPARE(f.edit->contextMenuPolicy(), Qt::NoContextMenu);
        QSignalSpy clicked(f.edit, &TEdit::sg_clicked);
        QTest::mouseClick(f.edit, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0), QVariantList({11}));
        QTest::mouseClick(f.edit, Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClick(f.edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClicks(f.edit, "abc");
        QCOMPARE(f.edit->text(), QString());
    }

    void passwordModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("echo");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("kbd");
        QTest::newRow("password") << 1 << int(QLineEdit::Password) << true << 1;
        QTest::newRow("unchanged") << 2 << int(QLineEdit::NoEcho) << true << 1;
        QTest::newRow("plain line") << 0 << int(QLineEdit::Normal) << false << 0;
        QTest::newRow("other") << 5 << int(QLineEdit::Normal) << true << 1;
    }

    void passwordModes()
    {
        QFETCH(int, mode);
        QFETCH(int, echo);
        QFETCH(bool, readOnly);
        QFETCH(int, kbd);
        TEdit e(nullptr, 1, 1);
        e.setEchoMode(QLineEdit::NoEcho);
        e.setPassword(mode);
        QCOMPARE(int(e.echoMode()), echo);
        QCOMPARE(e.isReadOnly(), readOnly);
        QCOMPARE(e.kbd(), kbd);
    }

    void plainLineTakesTyping()
    {
        EditForm f;
        QVERIFY(f.ready());
        f.edit->setPassword(0);
        QSignalSpy clicked(f.edit, &TEdit::sg_clicked);
        QTest::mouseClick(f.edit, Qt::LeftButton);
        QVERIFY(f.edit->hasFocus());
        QTest::keyClicks(f.edit, "cam 1");
        QCOMPARE(f.edit->text(), QString("cam 1"));
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(clicked.count(), 0);
    }

    void fullFieldKeepsCursorAtEnd()
    {
        EditForm f;
        QVERIFY(f.ready());
        f.edit->setPassword(0);
        f.edit->setMaxLength(5);
        f.edit->setFocus();
        QTest::keyClicks(f.edit, "abcdefg");
        QCOMPARE(f.edit->text(), QString("abcde"));
        QCOMPARE(f.edit->cursorPosition(), 5);
        // Filling the field from the middle also leaves the cursor at the end.
        f.edit->setText("abcd");
        f.edit->setCursorPosition(1);
        QTest::keyClick(f.edit, Qt::Key_X);
        QCOMPARE(f.edit->text(), QString("axbcd"));
        QCOMPARE(f.edit->cursorPosition(), 5);
        // Below the limit the cursor stays where typing left it.
        f.edit->setText("ab");
        f.edit->setCursorPosition(1);
        QTest::keyClick(f.edit, Qt::Key_Y);
        QCOMPARE(f.edit->cursorPosition(), 2);
    }

    void editKeyOnlyWhileEditing()
    {
        EditForm f;
        QVERIFY(f.ready());
        f.edit->setPassword(0);
        f.edit->setText("abcd");
        f.edit->setFocus();
        f.edit->setCursorPosition(2);
        QCOMPARE(f.edit->editKey(Qt::Key_Left), 0);
        QCOMPARE(f.edit->cursorPosition(), 2);
        QTest::keyClick(f.edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.edit->editing(), 1);
        QCOMPARE(f.edit->editKey(Qt::Key_Left), 1);
        QCOMPARE(f.edit->cursorPosition(), 1);
        QCOMPARE(f.edit->editKey(Qt::Key_Right), 1);
        QCOMPARE(f.edit->editKey(Qt::Key_Right), 1);
        QCOMPARE(f.edit->cursorPosition(), 3);
        QCOMPARE(f.edit->editKey(Qt::Key_A), 1);
        QCOMPARE(f.edit->text(), QString("abcd"));
        QCOMPARE(f.edit->editKey(Qt::Key_Escape), 1);
        QCOMPARE(f.edit->editing(), 0);
        QCOMPARE(f.edit->editKey(Qt::Key_Left), 0);
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(f.edit->editing(), 1);
        QTest::keyClick(f.edit, Qt::Key_Escape);
        QCOMPARE(f.edit->editing(), 0);
    }

    void arrowsReachTheWindow()
    {
        EditForm f;
        QVERIFY(f.ready());
        f.edit->setPassword(0);
        f.edit->setFocus();
        // A key typed into the field with the arrow goes to the window first,
        // which walks its focus table.
        QTest::keyClick(f.edit, Qt::Key_Down);
        QVERIFY(f.below->hasFocus());  // one step only, not on and back
        f.edit->setFocus();
        f.edit->setText("abc");
        f.edit->setCursorPosition(1);
        QTest::keyClick(f.edit, Qt::Key_Right);  // the window's walk, then the cursor
        QCOMPARE(f.edit->cursorPosition(), 2);
    }

    void cursorSurvivesFocusChange()
    {
        EditForm f;
        QVERIFY(f.ready());
        f.edit->setPassword(0);
        f.edit->setText("abcdef");
        f.edit->setFocus();
        f.edit->setCursorPosition(2);
        f.below->setFocus();
        f.edit->setCursorPosition(6);
        f.edit->setFocus();
        QCOMPARE(f.edit->cursorPosition(), 2);
        f.below->setFocus();
        f.edit->cursorToEnd();
        f.edit->setCursorPosition(0);
        f.edit->setFocus();
        QCOMPARE(f.edit->cursorPosition(), 6);
    }

    void clickBringsFocusFrameBack()
    {
        EditForm f;
        QVERIFY(f.ready());
        g_noFocusFrame = 1;
        QTest::mouseClick(f.edit, Qt::RightButton);
        QCOMPARE(g_noFocusFrame, 0);
        QVERIFY(f.edit->hasFocus());
    }

};

QTEST_MAIN(TEditTest)
#include "tedittest.moc"
