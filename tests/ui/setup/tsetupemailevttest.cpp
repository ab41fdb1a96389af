// The e-mail event window over the e-mail page: the switches of the unit's
// sensors and cameras, "All" a row (its value outlives the window), the
// lines below, OK, and CANCEL, Escape and every hide of the page restoring
// the whole e-mail section; the keys it takes while it shows.
#include "netpagetestenv.h"
#include "tsetupemail.h"
#include "tsetupemailevt.h"

#include <cstring>

using namespace nettest;
using namespace SetupAct;
using W = TSetupEmailEvt;

namespace {

struct EvtFrame : NetFrame
{
    // A unit with the sensors, cameras and text inputs given; e-mail on.
    EvtFrame(int sensors, int videos, int txtin)
    {
        W::resetAllStates();
        auto* dev = edit<PropDevices>(IDX_PROP_DEVICES);
        dev->sensors = sensors;
        dev->videos = videos;
        dev->txtin = txtin;
        PropNetemail* m = mail();
        std::memset(m->evt, 0, sizeof m->evt);
        m->on = 1;
        m->evt[0][5] = 1; // beyond 4 sensors
        m->evt[1][2] = 1;
        m->evt[1][12] = 1; // beyond 8 cameras
    }
    PropNetemail* mail() { return edit<PropNetemail>(IDX_PROP_NETEMAIL); }
    W* openWindow()
    {
        if (!f.w->isVisible() && !show())
            return nullptr;
        auto* page = static_cast<TSetupEmail*>(open(Btn_Network_Email));
        QTest::mouseClick(page->control(TSetupEmail::R_EVENT), Qt::LeftButton);
        return page->eventWindow();
    }
    // The flags of a row as "0101...", n of them.
    QString row(int r, int n = 20) const
    {
        const auto* m = static_cast<const PropNetemail*>(f.fx.cfg->getsection(IDX_PROP_NETEMAIL, 0));
        QString out;
        for (int i = 0; i < n; ++i)
            out += m->evt[r][i] ? '1' : '0';
        return out;
    }
};

int shownIn(W* w, int first)
{
    int n = 0;
    for (int i = 0; i < W::CHS; ++i)
        n += w->button(first + i)->isVisible() ? 1 : 0;
    return n;
}

} // namespace

class TSetupEmailEvtTest : public QObject
{
    Q_OBJECT
private slots:
    // 4 sensors and 8 cameras: 4 and 8 switches a row, "All" writes only
    // those; the switch of a flag beyond the unit stays untouched.
    void allOverTheUnit()
    {
        EvtFrame n(4, 8, 0);
        W* w = n.openWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(shownIn(w, W::SENSOR0), 4);
        QCOMPARE(shownIn(w, W::MOTION0), 8);
        QCOMPARE(shownIn(w, W::VLOSS0), 8);
        QVERIFY(w->button(W::MOTION0 + 2)->isChecked());
        QVERIFY(!w->button(W::POS)->isVisible());
        w->grab().save(vkeytest::grabPath("setup-email-events.png"));
        QTest::mouseClick(w->button(W::SENSOR_ALL), Qt::LeftButton);
        QTest::mouseClick(w->button(W::MOTION_ALL), Qt::LeftButton);
        QCOMPARE(n.row(0), QString("11110100000000000000"));
        QCOMPARE(n.row(1), QString("11111111000010000000"));
        QVERIFY(w->button(W::SENSOR_ALL)->isChecked());
        QVERIFY(w->button(W::MOTION0 + 7)->isChecked());
        // One switch by hand, the lines below.
        QTest::mouseClick(w->button(W::VLOSS0 + 1), Qt::LeftButton);
        QTest::mouseClick(w->button(W::IMAGE), Qt::LeftButton);
        QCOMPARE(n.row(2, 3), QString("010"));
        QCOMPARE(n.row(6, 1), QString("1"));
        QTest::mouseClick(w->button(W::OK), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(n.row(1, 8), QString("11111111"));
    }

    // "All" keeps its value for the whole run: the next press, in the next
    // opening, turns the row off even after it was changed by hand.
    void allAcrossOpenings()
    {
        EvtFrame n(4, 8, 0);
        W* w = n.openWindow();
        QVERIFY(w);
        QTest::mouseClick(w->button(W::MOTION_ALL), Qt::LeftButton);
        QCOMPARE(n.row(1, 8), QString("11111111"));
        QTest::mouseClick(w->button(W::OK), Qt::LeftButton);
        n.mail()->evt[1][0] = 0;
        w = n.openWindow();
        QVERIFY(w->isVisible());
        QVERIFY(!w->button(W::MOTION0)->isChecked());
        QCOMPARE(W::allState(1), 0);
        QTest::mouseClick(w->button(W::MOTION_ALL), Qt::LeftButton);
        QCOMPARE(n.row(1, 8), QString("00000000"));
        QVERIFY(!w->button(W::MOTION_ALL)->isChecked());
        QCOMPARE(W::allState(1), 1);
    }

    // The whole section comes back as it was at the show: by CANCEL, by
    // Escape, when the page hides for another page, and when the setup
    // frame closes with OK or CANCEL.
    void restored_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("CANCEL") << "cancel";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("another page") << "page";
        QTest::newRow("setup OK") << "ok";
        QTest::newRow("setup CANCEL") << "setupCancel";
    }
    void restored()
    {
        QFETCH(QString, how);
        EvtFrame n(4, 8, 1);
        const PropNetemail before = *n.mail();
        W* w = n.openWindow();
        QVERIFY(w && w->isVisible());
        QTest::mouseClick(w->button(W::SENSOR_ALL), Qt::LeftButton);
        QTest::mouseClick(w->button(W::POS), Qt::LeftButton);
        QTest::mouseClick(w->button(W::SMART), Qt::LeftButton);
        QCOMPARE(n.row(3, 1), QString("1"));
        QVERIFY(std::memcmp(n.mail(), &before, sizeof before) != 0);
        if (how == "cancel")
            QTest::mouseClick(w->button(W::CANCEL), Qt::LeftButton);
        else if (how == "escape")
            n.f.key(Qt::Key_Escape);
        else if (how == "page")
            n.open(Btn_Network_Port);
        else if (how == "ok")
            n.f.w->sl_btnclicked(Btn_Ok, 0);
        else
            n.f.w->sl_btnclicked(Btn_Cancel, 0);
        QCoreApplication::processEvents();
        QVERIFY(!w->isVisible());
        QVERIFY(std::memcmp(n.mail(), &before, sizeof before) == 0);
        // Escape went to the window only: the setup stays.
        if (how == "escape")
            QVERIFY(n.f.w->isVisible());
    }

    // A remote setup replaced the e-mail section while the window was open,
    // then the menu closed for it: the remote's settings stay.
    void closedForRemoteSetup()
    {
        EvtFrame n(4, 8, 1);
        W* w = n.openWindow();
        QVERIFY(w && w->isVisible());
        QTest::mouseClick(w->button(W::SENSOR_ALL), Qt::LeftButton);
        PropNetemail remote = *n.mail();
        remote.on = 0;
        remote.evt[2][3] = 1;
        *n.mail() = remote;
        n.f.w->closeForRemote();
        QCoreApplication::processEvents();
        QVERIFY(!w->isVisible());
        QVERIFY(std::memcmp(n.mail(), &remote, sizeof remote) == 0);
    }

    // Without text inputs there is no POS line, and the POS flag never
    // changes from the window; with them the line shows its flag.
    void posLine_data()
    {
        QTest::addColumn<int>("txtin");
        QTest::newRow("no text inputs") << 0;
        QTest::newRow("text inputs") << 2;
    }
    void posLine()
    {
        QFETCH(int, txtin);
        EvtFrame n(4, 8, txtin);
        n.mail()->evt[3][0] = 1;
        W* w = n.openWindow();
        QVERIFY(w);
        QCOMPARE(w->button(W::POS)->isVisible(), txtin != 0);
        QCOMPARE(w->button(W::POS)->isChecked(), txtin != 0);
        w->sl_btnclicked(W::POS, 0);
        QCOMPARE(n.row(3, 1), QString(txtin ? "0" : "1"));
        // The line below moves up into the POS line's place.
        QCOMPARE(w->button(W::SMART)->y() > w->button(W::VLOSS0)->y() + w->button(W::VLOSS0)->height() +
                                               (txtin ? w->button(W::SMART)->height() : 0),
                 true);
    }

    // The page hands the keys to the window while it shows: Right walks the
    // sensor row past the missing sensors to "All", Enter presses it, Down
    // from video loss reaches S.M.A.R.T. without text inputs.
    void keys()
    {
        EvtFrame n(4, 8, 0);
        W* w = n.openWindow();
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->button(W::SENSOR0)->hasFocus());
        for (int i = 0; i < 4; ++i)
            n.f.key(Qt::Key_Right);
        QVERIFY(w->button(W::SENSOR_ALL)->hasFocus());
        n.f.key(Qt::Key_Enter);
        QTRY_COMPARE(n.row(0, 4), QString("1111"));
        n.f.key(Qt::Key_Down);
        n.f.key(Qt::Key_Down);
        QVERIFY(w->button(W::VLOSS_ALL)->hasFocus());
        n.f.key(Qt::Key_Down);
        QVERIFY(w->button(W::SMART)->hasFocus());
        n.f.key(Qt::Key_Left);
        QVERIFY(w->button(W::SMART)->hasFocus());
        n.f.key(Qt::Key_Up);
        QVERIFY(w->button(W::VLOSS0)->hasFocus());
        n.f.key(Qt::Key_Up);
        n.f.key(Qt::Key_Up);
        n.f.key(Qt::Key_Up);
        QVERIFY(w->button(W::OK)->hasFocus());
        n.f.key(Qt::Key_Enter);
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(n.row(0, 4), QString("1111"));
        QVERIFY(n.f.w->isVisible());
    }
};

QTEST_MAIN(TSetupEmailEvtTest)
#include "tsetupemailevttest.moc"
