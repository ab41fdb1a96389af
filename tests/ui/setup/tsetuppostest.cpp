// The POS page: the ports with and without the serial port, the presence
// marks from the port scan (asked on show, and unprompted), the words typed
// and cut at a whole character, the record-wide overlay fields, Default,
// Apply and the focus into the port row.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tedit.h"
#include "tsetuppos.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using P = TSetupPos;

namespace {

PropPos* pos(Frame& f, int live = 0)
{
    return static_cast<PropPos*>(f.fx.cfg->getsection(IDX_PROP_POS, live));
}

P* page(Frame& f)
{
    return static_cast<P*>(f.w->page(Btn_Device_Pos));
}

// The page as a unit without a serial port builds it, in the frame.
void withoutSerial(Frame& f)
{
    dalTestSetCount("rs232", 0);
    auto* p = new P(nullptr, Btn_Device_Pos, QSize(680, 525));
    p->init(64);
    QVERIFY(f.w->adoptPage(Btn_Device_Pos, p));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    QTest::mouseClick(f.w->button(Btn_Device_Pos), Qt::LeftButton);
    return page(f)->isVisible();
}

TCombo* combo(Frame& f, int row)
{
    return static_cast<TCombo*>(page(f)->control(row));
}

void click(Frame& f, int row)
{
    QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(row)), Qt::LeftButton);
}

QStringList labels(Frame& f)
{
    QStringList out;
    for (int i = 0; i < P::PORTS; ++i)
        if (page(f)->portButton(i)->isVisible())
            out << page(f)->portButton(i)->text();
    return out;
}

} // namespace

class TSetupPosTest : public QObject
{
    Q_OBJECT
private slots:
    // With the serial port, buttons 0..4 edit entries 0..4; without it the
    // "Serial" button is gone, USB 1 is chosen first and its settings are
    // entry 0. The camera list's "Off" stores 0.
    void ports_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("shown");
        QTest::newRow("serial: first port") << true << 0 << 0 << 5;
        QTest::newRow("serial: USB 4") << true << 4 << 4 << 5;
        QTest::newRow("no serial: USB 1") << false << 1 << 0 << 4;
        QTest::newRow("no serial: USB 4") << false << 4 << 3 << 4;
    }
    void ports()
    {
        QFETCH(bool, serial);
        QFETCH(int, button);
        QFETCH(int, entry);
        Frame f;
        if (!serial)
            withoutSerial(f);
        f.fx.cfg->setdefault(IDX_PROP_POS);
        QVERIFY(open(f));
        QCOMPARE(page(f)->port(), serial ? 0 : 1);
        QCOMPARE(page(f)->portButton(0)->isVisible(), serial);
        QTEST(int(labels(f).size()), "shown");
        if (!serial) // USB 1 in the serial button's place
            QCOMPARE(page(f)->portButton(1)->x(), 16);
        if (button != page(f)->port())
            QTest::mouseClick(page(f)->portButton(button), Qt::LeftButton);
        QCOMPARE(page(f)->portButton(button)->state(), 1);
        QCOMPARE(page(f)->entry(), entry);
        // The default ties port n to camera n + 1.
        QCOMPARE(combo(f, P::R_CHANNEL)->currentIndex(), entry + 1);
        combo(f, P::R_CHANNEL)->setCurrentIndex(0);
        combo(f, P::R_BAUD)->setCurrentIndex(5);
        combo(f, P::R_LINES)->setCurrentIndex(4);
        for (int e = 0; e < PROP_MAX_POSPORTS; ++e) {
            const PosPort& p = pos(f)->port[e];
            QCOMPARE(p.channel, e == entry ? 0 : e + 1);
            QCOMPARE(p.baudrate, e == entry ? 5 : 0);
            QCOMPARE(p.morelines, e == entry ? 4 : 0);
        }
        if (!serial && button == 4)
            f.w->grab().save(vkeytest::grabPath("setup-pos-noserial.png"));
    }

    // The marks: "(X)" until the scan answers; the request 100 ms after the
    // show; a device plugged while the page is shown turns its mark to
    // "(O)" without a key; a null answer changes nothing.
    void presence()
    {
        Frame f;
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QVERIFY(open(f));
        QCOMPARE(labels(f), (QStringList{"Serial", "USB1(X)", "USB2(X)", "USB3(X)", "USB4(X)"}));
        QCOMPARE(requests(req), QStringList{});
        QTRY_COMPARE(requests(req), QStringList{"60,0,0"});
        int32_t scan[8] = {1, 0, 1, 0, 0, 0, 0, 0};
        f.w->reply(SetupAct::Act_InfoPos, 0, scan);
        QCOMPARE(labels(f), (QStringList{"Serial", "USB1(X)", "USB2(O)", "USB3(X)", "USB4(X)"}));
        scan[4] = 7;
        scan[2] = 0;
        f.w->reply(SetupAct::Act_InfoPos, 0, scan);
        QCOMPARE(labels(f), (QStringList{"Serial", "USB1(X)", "USB2(X)", "USB3(X)", "USB4(O)"}));
        f.w->reply(SetupAct::Act_InfoPos, 0, nullptr);
        QCOMPARE(page(f)->portButton(4)->text(), QString("USB4(O)"));
        f.w->grab().save(vkeytest::grabPath("setup-pos.png"));
        // Hidden, the page keeps the last scan and hears no more.
        QTest::mouseClick(f.w->button(Btn_Device_Audio), Qt::LeftButton);
        scan[1] = 1;
        f.w->reply(SetupAct::Act_InfoPos, 0, scan);
        QCOMPARE(page(f)->portButton(1)->text(), QString("USB1(X)"));
        QCOMPARE(page(f)->portButton(4)->text(), QString("USB4(O)"));
    }

    // A word typed on the keyboard goes to its field of the shown port,
    // cut to 31 bytes at a whole character; Cancel changes nothing.
    void words_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed"); // "\x1b": Cancel
        QTest::addColumn<QByteArray>("stored");
        const QString hangul31(31, QChar(0xAC00));
        QTest::newRow("start word") << int(P::R_START) << "TOTAL" << QByteArray("TOTAL");
        QTest::newRow("fourth ignore word") << int(P::R_IGNORE4) << "VOID" << QByteArray("VOID");
        QTest::newRow("31 Hangul keep 10") << int(P::R_END) << hangul31 << QString(10, QChar(0xAC00)).toUtf8();
        QTest::newRow("40 letters keep 31") << int(P::R_IGNORE1) << QString(40, 'a') << QByteArray(31, 'a');
        QTest::newRow("cancelled") << int(P::R_START) << "\x1b" << QByteArray("old");
    }
    void words()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        Frame f;
        for (PosPort& p : pos(f)->port)
            for (char* w : {p.ta_start, p.ta_end, p.ignore, p.ignore2, p.ignore3, p.ignore4})
                qstrncpy(w, "old", P::WORD_SIZE);
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->portButton(2), Qt::LeftButton);
        QTest::mouseClick(page(f)->control(row), Qt::LeftButton);
        QVERIFY(f.vk->isVisible());
        QCOMPARE(f.vk->text(), QString("old"));
        if (typed == "\x1b") {
            QTest::mouseClick(f.vk->cancelButton(), Qt::LeftButton);
        } else {
            f.vk->setText(typed);
            QTest::mouseClick(f.vk->okButton(), Qt::LeftButton);
        }
        const PosPort& p = pos(f)->port[2];
        const char* fields[] = {p.ta_start, p.ta_end, p.ignore, p.ignore2, p.ignore3, p.ignore4};
        QFETCH(QByteArray, stored);
        QCOMPARE(QByteArray(fields[row - P::R_START]), stored);
        QCOMPARE(static_cast<TEdit*>(page(f)->control(row))->text(), QString::fromUtf8(stored));
        QCOMPARE(QByteArray(pos(f)->port[1].ta_start), QByteArray("old"));
    }

    // The overlay corner and duration are the record's, whichever port is
    // shown; Default resets every port; Apply sends 23.
    void recordWide()
    {
        Frame f;
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->portButton(3), Qt::LeftButton);
        combo(f, P::R_OVERLAYPOS)->setCurrentIndex(2);
        combo(f, P::R_OVERLAYTIME)->setCurrentIndex(1);
        QTest::mouseClick(page(f)->portButton(1), Qt::LeftButton);
        QCOMPARE(combo(f, P::R_OVERLAYPOS)->currentIndex(), 2);
        combo(f, P::R_OVERLAYPOS)->setCurrentIndex(3);
        QCOMPARE(pos(f)->overlaypos, 3);
        QCOMPARE(pos(f)->overlaytime, 1);
        pos(f)->port[4].channel = 0;
        click(f, P::R_DEFAULT);
        QCOMPARE(pos(f)->port[4].channel, 5);
        QCOMPARE(pos(f)->overlaypos, 0);
        QCOMPARE(pos(f)->overlaytime, 5);
        QCOMPARE(combo(f, P::R_OVERLAYTIME)->currentIndex(), 5);
        QCOMPARE(combo(f, P::R_CHANNEL)->currentIndex(), 2);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        click(f, P::R_APPLY);
        QCOMPARE(requests(req), QStringList{"23,0,0"});
    }

    // Up from the camera list lands on the port shown; without the serial
    // port the first USB button stands first in the row.
    void focusWalk_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("landed");
        QTest::newRow("serial, port 3 shown") << true << 3 << 3;
        QTest::newRow("no serial, USB 1") << false << 1 << 1;
        QTest::newRow("no serial, USB 2 shown") << false << 2 << 2;
    }
    void focusWalk()
    {
        QFETCH(bool, serial);
        QFETCH(int, chosen);
        Frame f;
        if (!serial)
            withoutSerial(f);
        QVERIFY(open(f));
        if (chosen != page(f)->port())
            QTest::mouseClick(page(f)->portButton(chosen), Qt::LeftButton);
        f.w->button(Btn_Device)->setFocus();
        for (int k : {Qt::Key_Down, Qt::Key_Right})
            f.key(k);
        QVERIFY(page(f)->portButton(page(f)->firstPort())->hasFocus());
        f.key(Qt::Key_Down);
        QVERIFY(page(f)->control(P::R_CHANNEL)->hasFocus());
        f.key(Qt::Key_Up);
        QFETCH(int, landed);
        QVERIFY(page(f)->portButton(landed)->hasFocus());
        f.key(Qt::Key_Left);
        if (landed == page(f)->firstPort()) // out of the row's left end: the item
            QCOMPARE(f.focusId(), int(Btn_Device_Pos));
    }
};

QTEST_MAIN(TSetupPosTest)
#include "tsetuppostest.moc"
