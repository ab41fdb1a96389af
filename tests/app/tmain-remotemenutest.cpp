// A remote setup client applying while the operator opens and closes the
// command menu: the remote work, and the status box it shows, runs after the
// menu's show and hide handlers, never inside them (a window shown there
// left the GUI thread looping for good in the half-closed menu, or crashed
// inside it).
#include "tsetuprig.h"
#include "../common/dvr/tnetfixture.h"
#include "tapptestmain.h"
#include "trunner.h"

#include <QMenu>
#include <atomic>
#include <functional>
#include <thread>

namespace {

// Tells whether the remote work's window came up while a menu's show or
// hide handlers ran: from the menu's hide event, or the moment the test
// opens it, to a slot connected after the main window's handlers.
class THandlerProbe : public QObject
{
public:
    explicit THandlerProbe(std::function<bool()> shown) : m_shown(std::move(shown)) {}
    void watch(QMenu* menu, const QString& name)
    {
        menu->installEventFilter(this);
        connect(menu, &QMenu::aboutToShow, this, [=] { check(name + " shows"); });
        connect(menu, &QMenu::aboutToHide, this, [=] { check(name + " hides"); });
    }
    void mark() { m_before = m_shown(); }
    QStringList violations;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            mark();
        return false;
    }

private:
    void check(const QString& where)
    {
        if (!m_before && m_shown())
            violations << where;
    }
    std::function<bool()> m_shown;
    bool m_before = false;
};

} // namespace

class TMainRemoteMenuTest : public QObject
{
    Q_OBJECT
private slots:
    // A remote OK waits for the GUI thread while the menu or its "Setup"
    // submenu opens or closes (by keys or the mouse): it runs, and shows its
    // status box, only once the handlers returned.
    void remoteOkAsMenusChange_data()
    {
        QTest::addColumn<bool>("mouse");   // the menu opened by the right button
        QTest::addColumn<QString>("step"); // what meets the waiting OK
        QTest::newRow("menu closes by Escape") << false << "escape";
        QTest::newRow("submenu opens") << true << "open";
        QTest::newRow("both close by a click beside") << true << "sub click";
    }
    void remoteOkAsMenusChange()
    {
        QFETCH(bool, mouse);
        QFETCH(QString, step);
        TSetupRig rig("16", true);
        QVERIFY(rig.up());
        // The menu opens over the bare live view only.
        QTRY_VERIFY_WITH_TIMEOUT(rig.status().isEmpty(), 10000);
        QVERIFY(TRunner::copyFile(rig.fx.cfg->tmpPath(), "/tmp/rs.conf"));
        const QByteArray ok = TPayload().text("/tmp/rs.conf").bytes;
        THandlerProbe probe([&rig] { return !rig.status().isEmpty(); });
        std::thread remote;
        std::atomic<bool> sent{false};
        const auto sendOk = [&] {
            remote = std::thread([&] {
                dalTestNetPacket(DNPC_RS_APP_OK, quint32(ok.size()), ok.constData(), ok.size(), nullptr);
                sent = true;
            });
            // Held until the OK waits in the GUI thread's queue.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        };
        QTimer hand;
        connect(&hand, &QTimer::timeout, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup || remote.joinable())
                return;
            if (popup == rig.w->m_menu) {
                probe.watch(rig.w->m_menu, "menu");
                probe.watch(rig.w->m_setupMenu, "submenu");
                if (step == "escape") {
                    sendOk();
                    QTest::keyClick(popup, Qt::Key_Escape);
                    return;
                }
                if (step == "open") {
                    sendOk();
                    probe.mark();
                }
                QTest::keyClick(popup, Qt::Key_Down);
                QTest::keyClick(popup, Qt::Key_Right); // into "Setup"
                return;
            }
            sendOk();
            QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(-40, -40));
        });
        hand.start(5);
        probe.mark();
        if (mouse)
            QTest::mousePress(rig.w, Qt::RightButton, {}, QPoint(600, 500));
        else
            rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, Qt::Key_Menu);
        QTRY_VERIFY(sent);
        remote.join();
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(probe.violations, QStringList());
        // Served once the handlers returned.
        QTRY_COMPARE(rig.status(), QStringLiteral("Remote Setup/Please wait..."));
        QVERIFY(rig.settled());
    }

    // Once the menu has opened and closed, its handlers hold nothing back:
    // a remote OK queued meanwhile runs where a window's report lets the
    // pending events run, before the event loop is back.
    void remoteOkAfterTheMenu()
    {
        TSetupRig rig("16", true);
        QVERIFY(rig.up());
        QTRY_VERIFY_WITH_TIMEOUT(rig.status().isEmpty(), 10000);
        bool closed = false;
        QTimer hand;
        connect(&hand, &QTimer::timeout, [&closed] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                QTest::keyClick(popup, Qt::Key_Escape);
                closed = true;
            }
        });
        hand.start(5);
        rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, Qt::Key_Menu);
        QTRY_VERIFY(closed && !QApplication::activePopupWidget());
        hand.stop();

        QVERIFY(TRunner::copyFile(rig.fx.cfg->tmpPath(), "/tmp/rs.conf"));
        const QByteArray ok = TPayload().text("/tmp/rs.conf").bytes;
        std::atomic<bool> sent{false};
        std::thread remote([&] {
            dalTestNetPacket(DNPC_RS_APP_OK, quint32(ok.size()), ok.constData(), ok.size(), nullptr);
            sent = true;
        });
        // The GUI thread serves no event but in the reports; the OK takes
        // its file away when it runs.
        const QString file = rig.fx.root.file("/tmp/rs.conf");
        QElapsedTimer clock;
        clock.start();
        while (QFileInfo::exists(file) && clock.elapsed() < 10000) {
            rig.w->sl_showed(ID_WND_SYSINFO, 0, QRegion());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const bool ranInReport = !QFileInfo::exists(file);
        QTRY_VERIFY(sent);
        remote.join();
        QVERIFY(ranInReport);
        QTRY_COMPARE(rig.status(), QStringLiteral("Remote Setup/Please wait..."));
        QVERIFY(rig.settled());
    }
};

DVR_APP_TEST_MAIN(TMainRemoteMenuTest)
#include "tmain-remotemenutest.moc"
