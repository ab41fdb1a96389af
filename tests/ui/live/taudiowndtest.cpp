// The audio chooser driven by keys and mouse as the operator does.
#include "livetestenv.h"
#include "taudiownd.h"
#include "treshooks.h"
#include "wndid.h"

#include <QSignalSpy>

namespace {

// The bar's width follows the unit's channel count.
struct Hooks
{
    Hooks() { g_resHooks.videos = [](int live) { return int(static_cast<PropDevices*>(g_cfg->getsection(0, live))->videos); }; }
    ~Hooks() { g_resHooks.videos = nullptr; }
};

} // namespace

class TAudioWndTest : public QObject
{
    Q_OBJECT
private slots:
    // A 4-channel unit: cell 0 (off) and cells 1..4.
    void keysAndMouse_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("input"); // keys; "c<n>" clicks cell n, "c9" right of the last
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("sent");
        QTest::newRow("Right from the last cell to off") << 4 << "R" << 0 << "";
        QTest::newRow("Left from off to the last cell") << 0 << "L" << 4 << "";
        QTest::newRow("jog steps") << 2 << ">>" << 4 << "";
        QTest::newRow("Up and Down stay") << 2 << "UD" << 2 << "";
        QTest::newRow("Enter on off") << 0 << "E" << 0 << "-1";
        QTest::newRow("Enter on a camera") << 1 << "RE" << 2 << "1";
        QTest::newRow("Return sends nothing") << 1 << "N" << 1 << "";
        QTest::newRow("playback key passed on") << 1 << "P" << 1 << QString::number(int(Qt::Key_Pause));
        QTest::newRow("click cell 3") << 0 << "c3" << 3 << "2";
        QTest::newRow("click right of the last cell") << 0 << "c5" << 0 << "";
        QTest::newRow("a cell the bar lacks frames off") << 7 << "" << 0 << "";
    }
    void keysAndMouse()
    {
        QFETCH(int, current);
        QFETCH(QString, input);
        vkeytest::setUpGlobals();
        TDvrFixture fx("4");
        Hooks hooks;
        TAudioWnd wnd(nullptr, ID_WND_AUDIO, g_res->getSize(149));
        QSignalSpy sent(&wnd, &TAudioWnd::sg_request);
        wnd.setCurrent(current);
        QVERIFY(livetest::popup(&wnd));
        QCOMPARE(wnd.cells(), 5);
        if (input.startsWith('c')) {
            QTest::mouseClick(&wnd, Qt::LeftButton, Qt::NoModifier, wnd.cellRect(qMin(input.mid(1).toInt(), 4)).center()
                                                                         + QPoint(input == "c5" ? wnd.cellRect(4).width() + 2 : 0, 0));
        } else {
            for (const QChar k : input) {
                const int key = k == 'E' ? int(Qt::Key_Enter) : k == 'N' ? int(Qt::Key_Return)
                              : k == 'P' ? int(Qt::Key_Pause) : -1;
                if (key >= 0)
                    vkeytest::key(&wnd, key);
                else
                    vkeytest::keys(&wnd, QString(k));
            }
        }
        QTEST(wnd.current(), "cursor");
        QStringList got;
        for (const QList<QVariant>& a : sent)
            got << a.at(0).toString();
        QTEST(got.join(' '), "sent");
        if (current == 1 && input == "RE")
            wnd.grab().save(vkeytest::grabPath(QStringLiteral("audio-4.png")));
        vkeytest::key(&wnd, Qt::Key_Escape);
        QVERIFY(!wnd.isVisible());
    }

    // A 32-channel unit: the bar has room for 21 cells.
    void cellsClamped()
    {
        vkeytest::setUpGlobals();
        TDvrFixture fx("32");
        Hooks hooks;
        TAudioWnd wnd(nullptr, ID_WND_AUDIO, g_res->getSize(149));
        wnd.setCurrent(0);
        QVERIFY(livetest::popup(&wnd));
        QCOMPARE(wnd.cells(), int(TAudioWnd::MAX_CELLS));
        vkeytest::keys(&wnd, "L");
        QCOMPARE(wnd.current(), 20);
        wnd.grab().save(vkeytest::grabPath(QStringLiteral("audio-32.png")));
    }
};

QTEST_MAIN(TAudioWndTest)
#include "taudiowndtest.moc"
