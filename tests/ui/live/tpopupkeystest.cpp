// The live-view pop-ups whose buttons answer Return as well as Enter (the
// message box, the PTZ setup window and the on-screen keyboards): every
// focusable button is pressed by both; the PTZ setup window's chosen tab is
// drawn lit and the others plain.
#include "../base/looktestenv.h"
#include "livetestenv.h"
#include "tcombo.h"
#include "tmsgwnd.h"
#include "tptzsetup.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "wndid.h"

#include <QAbstractButton>
#include <QtTest>

namespace {

// The shown buttons of w that take the focus, each pressed by a key sent
// to w as the main window posts it; the list of those the key left up.
QStringList notPressed(QWidget* w, int key)
{
    QStringList up;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || b->focusPolicy() == Qt::NoFocus)
            continue;
        b->setFocus(Qt::OtherFocusReason);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (!b->isDown())
            up << (b->text().isEmpty() ? QString::number(w->findChildren<QAbstractButton*>().indexOf(b)) : b->text());
        // Let go without a click: nothing the button does runs.
        const QSignalBlocker block(b);
        b->setDown(false);
    }
    return up;
}

int focusable(QWidget* w)
{
    int n = 0;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        n += b->isVisible() && b->isEnabled() && b->focusPolicy() != Qt::NoFocus;
    return n;
}

} // namespace

class TPopupKeysTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    void returnAndEnter_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        for (const char* w : {"message box", "PTZ setup", "text keyboard", "number pad"}) {
            QTest::newRow(QByteArray(w) + ", Return") << w << int(Qt::Key_Return);
            QTest::newRow(QByteArray(w) + ", Enter") << w << int(Qt::Key_Enter);
        }
    }
    void returnAndEnter()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        TDvrFixture fx;
        QScopedPointer<QWidget> w;
        if (window == "message box") {
            auto* m = new TMsgWnd(nullptr, ID_WND_MSG, QSize(400, 200));
            m->init(0);
            m->setType(MSG_OKCANCEL);
            w.reset(m);
        } else if (window == "PTZ setup") {
            auto* p = new TPtzsetup(nullptr, 1, g_res->getSize(143));
            p->init(0);
            p->setChannel(0);
            w.reset(p);
        } else if (window == "text keyboard") {
            auto* k = new TVKeyboard(nullptr, ID_WND_VKEYBOARD, QSize(600, 300));
            k->initCtrl();
            w.reset(k);
        } else {
            auto* k = new TVKeyNumboard(nullptr, ID_WND_VKEYNUM, QSize(300, 300));
            k->initCtrl();
            w.reset(k);
        }
        QVERIFY(livetest::popup(w.data()));
        QVERIFY(focusable(w.data()) >= 2);
        const QStringList up = notPressed(w.data(), key);
        QVERIFY2(up.isEmpty(), qPrintable(up.join(", ")));
    }

    // The PTZ setup window's tab row: the page shown is lit.
    void ptzSetupTabs()
    {
        TDvrFixture fx;
        TPtzsetup wnd(nullptr, 1, g_res->getSize(143));
        wnd.init(0);
        wnd.setChannel(0);
        QVERIFY(livetest::popup(&wnd));
        for (int tab : {2, 0}) {
            QTest::mouseClick(wnd.button(TPtzsetup::BTN_TAB + tab), Qt::LeftButton);
            wnd.combo(TPtzsetup::CB_PAN)->setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();
            QCOMPARE(wnd.page(), tab);
            QCOMPARE(looktest::selectorRows(&wnd), 1);
            QCOMPARE(looktest::wrongLooks(&wnd), QStringList());
        }
    }
};

QTEST_MAIN(TPopupKeysTest)
#include "tpopupkeystest.moc"
