#include "../base/vkeytestenv.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tmsgwnd.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

class Rig
{
public:
    Rig() : host(nullptr, Qt::FramelessWindowHint)
    {
        host.move(0, 0);
        host.resize(800, 600);
        box = new TMsgWnd(&host, ID_WND_MSG, g_res->getSize(88));
        box->init(0);
        box->hide();
        host.show();
        QApplication::setActiveWindow(&host);
        active = QTest::qWaitForWindowActive(&host);
    }
    void ask(int kind, const QString& text = QStringLiteral("Apply the changes?"))
    {
        box->setType(kind);
        box->setTitle(QStringLiteral("Setup"));
        box->setText(text);
        box->popupOver(&host);
        QCoreApplication::processEvents();
    }
    QStringList shownButtons() const
    {
        QStringList out;
        const char* names[] = {"YES", "NO", "OK", "CANCEL"};
        for (int i = 0; i < 4; ++i) {
            if (box->button(i)->isVisibleTo(box))
                out << QString::fromLatin1(names[i]);
        }
        return out;
    }
    QWidget* focused() const
    {
        for (int i = 0; i < 4; ++i) {
            if (box->button(i)->hasFocus())
                return box->button(i);
        }
        return nullptr;
    }

    QWidget host;
    TMsgWnd* box;
    bool active = false;
};

} // namespace

class TMsgWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
    }

    void types_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("none at first use") << 0 << QStringList();
        QTest::newRow("ok") << int(MSG_OK) << QStringList{"OK"};
        QTest::newRow("cancel") << int(MSG_CANCEL) << QStringList{"CANCEL"};
        QTest::newRow("ok cancel") << int(MSG_OKCANCEL) << QStringList{"OK", "CANCEL"};
        QTest::newRow("yes no cancel") << int(MSG_YESNOCANCEL) << QStringList{"YES", "NO", "CANCEL"};
        QTest::newRow("unknown kind") << 5 << QStringList();
    }

    void types()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, buttons);
        Rig rig;
        rig.box->setType(kind);
        QCOMPARE(rig.box->type(), kind);
        QCOMPARE(rig.shownButtons(), buttons);

        // Every shown button lies inside the box.
        for (int i = 0; i < 4; ++i) {
            if (rig.box->button(i)->isVisibleTo(rig.box))
                QVERIFY(rig.box->rect().contains(rig.box->button(i)->geometry()));
        }
    }

    void answersByMouse_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("button");
        QTest::newRow("ok") << int(MSG_OK) << int(MSGBTN_OK);
        QTest::newRow("cancel of two") << int(MSG_OKCANCEL) << int(MSGBTN_CANCEL);
        QTest::newRow("yes") << int(MSG_YESNOCANCEL) << int(MSGBTN_YES);
        QTest::newRow("no") << int(MSG_YESNOCANCEL) << int(MSGBTN_NO);
    }

    void answersByMouse()
    {
        QFETCH(int, kind);
        QFETCH(int, button);
        Rig rig;
        rig.ask(kind);
        QSignalSpy answer(rig.box, &TMsgWnd::sg_request);
        // The box is hidden by the time the asking window hears the answer.
        bool hiddenWhenAnswered = false;
        QObject::connect(rig.box, &TMsgWnd::sg_request, rig.box,
                         [&](int) { hiddenWhenAnswered = !rig.box->isVisible(); });
        QTest::mouseClick(rig.box->button(button), Qt::LeftButton);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.at(0).at(0).toInt(), button);
        QVERIFY(hiddenWhenAnswered);
    }

    void escapeAlwaysCancels_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("ok only") << int(MSG_OK);
        QTest::newRow("yes no cancel") << int(MSG_YESNOCANCEL);
    }

    void escapeAlwaysCancels()
    {
        QFETCH(int, kind);
        Rig rig;
        rig.ask(kind);
        QSignalSpy answer(rig.box, &TMsgWnd::sg_request);
        QSignalSpy showed(rig.box, &TDefWnd::sg_showed);
        vkeytest::key(rig.box, Qt::Key_Escape);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.at(0).at(0).toInt(), int(MSGBTN_CANCEL));
        QVERIFY(!rig.box->isVisible());
        QVERIFY(!showed.isEmpty());
        // The button set stays for the next caller.
        QCOMPARE(rig.box->type(), kind);
    }

    void arrowsWalkTheTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("button");
        QTest::newRow("ok box: OK first") << int(MSG_OK) << QList<int>{} << int(MSGBTN_OK);
        QTest::newRow("cancel box: CANCEL first") << int(MSG_CANCEL) << QList<int>{} << int(MSGBTN_CANCEL);
        QTest::newRow("yes no cancel box: NO first") << int(MSG_YESNOCANCEL) << QList<int>{} << int(MSGBTN_NO);
        QTest::newRow("right from OK to CANCEL") << int(MSG_OKCANCEL) << QList<int>{Qt::Key_Right} << int(MSGBTN_CANCEL);
        QTest::newRow("right on CANCEL back to OK")
            << int(MSG_OKCANCEL) << QList<int>{Qt::Key_Right, Qt::Key_Right} << int(MSGBTN_OK);
        QTest::newRow("left on OK through hidden NO and YES to CANCEL")
            << int(MSG_OKCANCEL) << QList<int>{Qt::Key_Left} << int(MSGBTN_CANCEL);
        QTest::newRow("up stays") << int(MSG_OKCANCEL) << QList<int>{Qt::Key_Up} << int(MSGBTN_OK);
        QTest::newRow("jog right wraps") << int(MSG_OKCANCEL) << QList<int>{KEY_JOG_RIGHT, KEY_JOG_RIGHT} << int(MSGBTN_OK);
        QTest::newRow("left from NO to YES") << int(MSG_YESNOCANCEL) << QList<int>{Qt::Key_Left} << int(MSGBTN_YES);
        QTest::newRow("right from NO skips hidden OK")
            << int(MSG_YESNOCANCEL) << QList<int>{Qt::Key_Right} << int(MSGBTN_CANCEL);
    }

    void arrowsWalkTheTable()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, keys);
        QFETCH(int, button);
        Rig rig;
        QVERIFY(rig.active);
        rig.ask(kind);
        for (int k : keys)
            vkeytest::key(rig.box, k);
        QCOMPARE(rig.focused(), static_cast<QWidget*>(rig.box->button(button)));
        // Enter answers with the button shown focused or reached.
        QSignalSpy answer(rig.box, &TMsgWnd::sg_request);
        vkeytest::key(rig.box, Qt::Key_Return);
        QTRY_COMPARE(answer.count(), 1);
        QCOMPARE(answer.at(0).at(0).toInt(), button);
        QVERIFY(!rig.box->isVisible());
    }

    void noButtonSetOnlyEscapeCloses()
    {
        Rig rig;
        rig.ask(0);
        QSignalSpy answer(rig.box, &TMsgWnd::sg_request);
        vkeytest::key(rig.box, Qt::Key_Enter);
        QCoreApplication::processEvents();
        QCOMPARE(answer.count(), 0);
        QVERIFY(rig.box->isVisible());
        vkeytest::key(rig.box, Qt::Key_Escape);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.at(0).at(0).toInt(), int(MSGBTN_CANCEL));
    }

    void otherIdsNeverAnswer()
    {
        Rig rig;
        rig.ask(MSG_OK);
        QSignalSpy answer(rig.box, &TMsgWnd::sg_request);
        rig.box->sl_btnclicked(4);
        rig.box->sl_btnclicked(-1);
        QCOMPARE(answer.count(), 0);
        QVERIFY(rig.box->isVisible());
        // A click while hidden reaches no slot: the buttons are connected only
        // while the box is shown.
        rig.box->hide();
        emit rig.box->button(MSGBTN_OK)->sg_clicked(MSGBTN_OK, 2);
        QCOMPARE(answer.count(), 0);
    }

    void askAgainFromTheAnswer()
    {
        Rig rig;
        rig.ask(MSG_OKCANCEL);
        QList<int> answers;
        auto conn = QObject::connect(rig.box, &TMsgWnd::sg_request, rig.box, [&](int button) {
            answers << button;
            if (answers.size() == 1) {
                rig.box->setType(MSG_OK);
                rig.box->setText(QStringLiteral("Saved"));
                rig.box->popupOver(&rig.host);
            }
        });
        QTest::mouseClick(rig.box->button(MSGBTN_OK), Qt::LeftButton);
        QVERIFY(rig.box->isVisible());
        QCOMPARE(rig.box->text(), QStringLiteral("Saved"));
        // The second box answers too: its buttons are connected again.
        QTest::mouseClick(rig.box->button(MSGBTN_OK), Qt::LeftButton);
        QCOMPARE(answers, QList<int>({MSGBTN_OK, MSGBTN_OK}));
        QVERIFY(!rig.box->isVisible());
        QObject::disconnect(conn);
    }

    void textAndLines()
    {
        Rig rig;
        rig.box->setText(QStringLiteral("one"));
        rig.box->setMessage({QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(rig.box->text(), QString());
        QCOMPARE(rig.box->lines(), QStringList({"a", "b"}));
        rig.box->setText(QStringLiteral("two"));
        QVERIFY(rig.box->lines().isEmpty());
        QCOMPARE(rig.box->text(), QStringLiteral("two"));

        // A hide empties title and text; lines survive for the next caller.
        rig.box->setMessage({QStringLiteral("x"), QStringLiteral("y")});
        rig.box->setTitle(QStringLiteral("T"));
        rig.box->popupOver(&rig.host);
        vkeytest::key(rig.box, Qt::Key_Escape);
        QCOMPARE(rig.box->title(), QString());
        QCOMPARE(rig.box->lines(), QStringList({"x", "y"}));
        rig.box->setText(QStringLiteral("z"));
        rig.box->popupOver(&rig.host);
        vkeytest::key(rig.box, Qt::Key_Escape);
        QCOMPARE(rig.box->text(), QString());
    }

    void resizeKeepsButtonSet()
    {
        Rig rig;
        rig.ask(MSG_OKCANCEL);
        rig.box->resize(600, 200);
        QCoreApplication::processEvents();
        QCOMPARE(rig.shownButtons(), QStringList({"OK", "CANCEL"}));
    }

    void popupCentresOverWindow()
    {
        Rig rig;
        QWidget over(&rig.host);
        over.setGeometry(100, 50, 600, 400);
        over.show();
        rig.ask(MSG_OK);
        rig.box->popupOver(&over);
        QVERIFY(rig.box->isVisible());
        const int x = 100 + 2 * ((600 - rig.box->width()) / 4);
        const int y = 50 + (400 - rig.box->height()) / 2;
        QCOMPARE(rig.box->pos(), QPoint(x, y));
    }

    void grab()
    {
        Rig rig;
        rig.ask(MSG_OK);
        rig.box->setTitle(QStringLiteral("Warning"));
        rig.box->setText(QStringLiteral("Invalid Data!!"));
        QImage img = rig.box->grab().toImage();
        QCOMPARE(img.size(), g_res->getSize(88));
        QVERIFY(img.save(vkeytest::grabPath(QStringLiteral("msgwnd-ok.png"))));
        vkeytest::key(rig.box, Qt::Key_Escape);

        rig.box->setType(MSG_YESNOCANCEL);
        rig.box->setTitle(QStringLiteral("Setup"));
        rig.box->setMessage({QStringLiteral("Settings were changed."), QString::fromUtf8("설정이 변경되었습니다."),
                             QStringLiteral("Save them?")});
        rig.box->popupOver(&rig.host);
        QCoreApplication::processEvents();
        img = rig.box->grab().toImage();
        QVERIFY(img.save(vkeytest::grabPath(QStringLiteral("msgwnd-yesnocancel.png"))));
    }

};

QTEST_MAIN(TMsgWndTest)
#include "tmsgwndtest.moc"
