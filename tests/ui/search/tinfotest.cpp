// The information bar as the main window drives it: the texts it is handed,
// the button sets of live and playback, the requests of its buttons and keys.
#include "../base/vkeytestenv.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tinfo.h"
#include "ttestroot.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A 16-channel unit's configuration in a fresh root, and the bar on it.
class Rig
{
public:
    Rig()
    {
        PropDevices dev = {};
        qstrncpy(dev.model, "TEST16", sizeof dev.model);
        dev.videos = 16;
        dev.alarmouts = 7;
        PropDefault def;
        TDefault::setDefaults(&def);
        cfg = new TConfig(QStringLiteral("/dvr/TEST16.conf"), &dev, &def);
        g_cfg = cfg;
        bar = new TInfo(nullptr, 0, g_res->getSize(25));
        bar->init(0);
        bar->show();
        QApplication::setActiveWindow(bar);
        active = QTest::qWaitForWindowActive(bar);
    }
    ~Rig()
    {
        delete bar;
        g_cfg = nullptr;
        delete cfg;
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(cfg->getsection(idx, 0)); }
    QList<int> shown() const
    {
        QList<int> out;
        for (int i = 0; i < Btn_Count; ++i)
            if (bar->button(i)->isVisible())
                out << i;
        return out;
    }

    TTestRoot root;
    TConfig* cfg = nullptr;
    TInfo* bar = nullptr;
    bool active = false;
};

} // namespace

class TInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    void rateText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarter") << 1 << 0.25 << "X0.25";
        QTest::newRow("slow reverse") << 1 << -0.5 << "X-0.5";
        QTest::newRow("double") << 1 << 2.0 << "X 2";
        QTest::newRow("fast reverse") << 1 << -64.0 << "X -64";
        QTest::newRow("normal") << 1 << 1.0 << "X 1";
        QTest::newRow("fraction truncated") << 1 << 0.75 << "X0.7";
        QTest::newRow("eighth reverse") << 1 << -0.125 << "X-0.12";
        QTest::newRow("pause") << 1 << 0.0 << "Pause";
        QTest::newRow("live mode keeps Pause") << 0 << 4.0 << "Pause";
    }
    void rateText()
    {
        QFETCH(int, mode);
        QFETCH(double, rate);
        Rig rig;
        rig.bar->setPlayMode(mode);
        rig.bar->updateRate(3.0);
        rig.bar->updateRate(rate);
        QTEST(rig.bar->rateText(), "text");
    }

    // The id area: the remote controller's id and selection, or "PANIC".
    void idText_data()
    {
        QTest::addColumn<int>("panic");
        QTest::addColumn<QList<int>>("calls"); // en, id, sel triples
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dateIcon");
        QTest::newRow("all cameras") << 0 << QList<int>{1, -1, 5} << "ID:All SEL:05" << false;
        QTest::newRow("four digits") << 0 << QList<int>{1, 3, 1500} << "ID:03 SEL:X0" << false;
        QTest::newRow("three digits") << 0 << QList<int>{1, 3, 150} << "ID:03 SEL:XX" << false;
        QTest::newRow("off again") << 0 << QList<int>{1, 3, 1, 0, -1, -1} << "" << true;
        QTest::newRow("no selection ends it") << 0 << QList<int>{1, 3, 1, 1, 3, -1} << "" << true;
        QTest::newRow("panic stays when the id goes") << 1 << QList<int>{1, 2, 7, 0, -1, -1} << "PANIC" << false;
        QTest::newRow("panic stays without a selection") << 1 << QList<int>{1, 2, -1} << "PANIC" << false;
        QTest::newRow("id back after the panic") << -1 << QList<int>{1, 2, 7} << "ID:02 SEL:07" << false;
    }
    void idText()
    {
        QFETCH(int, panic);
        QFETCH(QList<int>, calls);
        Rig rig;
        rig.bar->updatePanic(panic != 0);
        for (int i = 0; i + 2 < calls.size(); i += 3)
            rig.bar->updateId(calls[i], calls[i + 1], calls[i + 2]);
        if (panic < 0)
            rig.bar->updatePanic(0);
        QTEST(rig.bar->idAreaText(), "text");
        QTEST(rig.bar->button(Btn_Icon0)->isVisible(), "dateIcon");
    }

    void diskText_data()
    {
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("display"); // 0 percent, 1 oldest date
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("diskOn");
        QTest::newRow("percent") << "HDD" << 0 << 0 << "45.6%" << 1;
        QTest::newRow("full") << "HDD" << 1 << 0 << "Full" << 1;
        QTest::newRow("oldest date") << "HDD" << 1 << 1 << "2024/03/09" << 1;
        QTest::newRow("no disk") << "No HDD" << 0 << 0 << "No HDD" << 2;
        QTest::newRow("unformatted, oldest wanted") << "Not Format" << 0 << 1 << "Not Format" << 2;
    }
    void diskText()
    {
        QFETCH(QString, summary);
        QFETCH(int, full);
        QFETCH(int, display);
        Rig rig;
        rig.edit<PropOsd>(IDX_PROP_OSD)->hdddisp = display;
        const QDateTime oldest(QDate(2024, 3, 9), QTime(7, 0));
        const double usage = 45.67;
        rig.bar->updateDate(summary.toUtf8().constData(), full, 0, &oldest, &usage, 0.0);
        QTEST(rig.bar->diskText(), "text");
        QTEST(rig.bar->button(Btn_Icon4)->state(), "diskOn");
        // A summary without its terminator is read within its field.
        char unterminated[80];
        memset(unterminated, 'A', sizeof unterminated);
        rig.bar->updateDate(unterminated, 0, 0, nullptr, nullptr, 1.0);
        QCOMPARE(rig.bar->diskText(), QString(64, 'A'));
    }

    void audio_data()
    {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("first") << 0 << "1" << 1;
        QTest::newRow("last") << 15 << "16" << 1;
        QTest::newRow("beyond the cameras") << 16 << "" << 2;
        QTest::newRow("off") << -1 << "" << 2;
    }
    void audio()
    {
        QFETCH(int, ch);
        Rig rig;
        rig.bar->setAudio(3);
        rig.bar->setAudio(ch);
        QTEST(rig.bar->audioText(), "text");
        QTEST(rig.bar->button(Btn_Audio)->state(), "state");
    }

    // Which buttons each mode shows, and what the operator's keys and clicks
    // ask of the main window.
    void requests_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("requests");
        const QList<int> live{0, 1, 2, 3, 4, 5, 6, 7, 8};
        const QList<int> play{0, 1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        QTest::newRow("live: Enter on Split") << 0 << live << QList<int>{Qt::Key_Enter} << QList<int>{Btn_Split};
        QTest::newRow("live: right to Sequence") << 0 << live << QList<int>{Qt::Key_Right, Qt::Key_Enter}
                                                 << QList<int>{Btn_Seq};
        QTest::newRow("live: right wraps past hidden playback") << 0 << live
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter} << QList<int>{Btn_Split};
        QTest::newRow("live: Return does nothing") << 0 << live << QList<int>{Qt::Key_Return} << QList<int>{};
        QTest::newRow("playback: left wraps to Stop") << 1 << play << QList<int>{Qt::Key_Left, Qt::Key_Enter}
                                                      << QList<int>{Btn_Stop};
        QTest::newRow("playback: the audio button is not in the row") << 1 << play
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter} << QList<int>{Btn_FRew};
        QTest::newRow("playback keys") << 1 << play
            << QList<int>{Qt::Key_F24, Qt::Key_F25, Qt::Key_F27, Qt::Key_Pause, Qt::Key_F28, Qt::Key_Play,
                          Qt::Key_F26, Qt::Key_Stop}
            << QList<int>{9, 10, 11, 12, 13, 14, 15, 16};
    }
    void requests()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, keys);
        Rig rig;
        QVERIFY(rig.active);
        rig.bar->setPlayMode(mode);
        QTEST(rig.shown(), "shown");
        QSignalSpy spy(rig.bar, &TInfo::sg_request);
        for (int k : keys)
            vkeytest::key(rig.bar, k);
        QCoreApplication::processEvents();
        QList<int> got;
        for (const auto& args : spy)
            got << args.at(0).toInt();
        QTEST(got, "requests");
    }

    void clicks()
    {
        Rig rig;
        QSignalSpy spy(rig.bar, &TInfo::sg_request);
        // Indicators take no click; the network indicator never asks even
        // when its click arrives.
        QTest::mouseClick(rig.bar->button(Btn_Lock), Qt::LeftButton);
        rig.bar->sl_btnclicked(Btn_Net);
        rig.bar->sl_btnclicked(Btn_Count);
        QTest::mouseClick(rig.bar->button(Btn_Audio), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(Btn_Audio));
        // Hidden, the bar's buttons reach no slot.
        rig.bar->hide();
        emit rig.bar->button(Btn_Split)->sg_clicked(Btn_Split, 2);
        QCOMPARE(spy.count(), 1);
    }

    void grab()
    {
        Rig rig;
        rig.edit<PropSchedule>(IDX_PROP_SCHEDULE)->on = 1;
        rig.cfg->apply(IDX_PROP_SCHEDULE, nullptr, nullptr, 0);
        const double usage = 37.5;
        rig.bar->updateDate("HDD", 0, 0, nullptr, &usage, 0);
        rig.bar->setAudio(2);
        rig.bar->setSequence(1);
        rig.bar->updateAll();
        QCOMPARE(rig.bar->button(Btn_Icon6)->state(), 1);
        QVERIFY(rig.bar->grab().save(vkeytest::grabPath(QStringLiteral("info-live.png"))));
        rig.bar->updateId(1, 3, 12);
        QVERIFY(rig.bar->grab().save(vkeytest::grabPath(QStringLiteral("info-remote-id.png"))));
        rig.bar->setPlayMode(1);
        rig.bar->setPbDateTime(2024, 3, 9, 14, 5, 33);
        rig.bar->updateRate(-0.25);
        QCOMPARE(rig.bar->timeText(), QStringLiteral("14:05:33"));
        QVERIFY(rig.bar->grab().save(vkeytest::grabPath(QStringLiteral("info-playback.png"))));
        rig.bar->setPlayMode(0);
        rig.bar->updatePanic(1);
        QVERIFY(rig.bar->grab().save(vkeytest::grabPath(QStringLiteral("info-panic.png"))));
    }
};

QTEST_MAIN(TInfoTest)
#include "tinfotest.moc"
