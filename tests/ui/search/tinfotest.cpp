// The information bar as the main window drives it.
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
struct Rig
{
    Rig()
    {
        PropDevices dev = {};
        dev.videos = 16;
        PropDefault def;
        TDefault::setDefaults(&def);
        g_cfg = cfg = new TConfig(QStringLiteral("/dvr/T.conf"), &dev, &def);
        bar.init(0);
        bar.show();
        QApplication::setActiveWindow(&bar);
        active = QTest::qWaitForWindowActive(&bar);
    }
    ~Rig() { delete g_cfg; g_cfg = nullptr; }
    void grab(const char* row, const char* name)
    {
        if (qstrcmp(QTest::currentDataTag(), row) == 0)
            QVERIFY(bar.grab().save(vkeytest::grabPath(QStringLiteral("info-%1.png").arg(QLatin1String(name)))));
    }
    TTestRoot root;
    TConfig* cfg;
    TInfo bar{nullptr, 0, g_res->getSize(25)};
    bool active;
};

} // namespace

class TInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // The texts handed over: rate, disk state, the remote's id or "PANIC".
    void texts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("display");      // disk text: 0 percent, 1 oldest date
        QTest::addColumn<int>("panic");        // -1: on first, off at the end
        QTest::addColumn<QList<int>>("calls"); // updateId's en, id, sel triples
        QTest::addColumn<QStringList>("texts"); // rate, disk, id area
        const QString a80(80, 'A'), a64(64, 'A');
        QTest::newRow("quarter") << 1 << 0.25 << "HDD" << 0 << 0 << 0 << QList<int>{1, -1, 5}
                                 << QStringList{"X0.25", "45.6%", "ID:All SEL:05"};
        QTest::newRow("slow reverse") << 1 << -0.5 << "HDD" << 1 << 0 << 0 << QList<int>{1, 3, 1500}
                                      << QStringList{"X-0.5", "Full", "ID:03 SEL:X0"};
        QTest::newRow("fast reverse") << 1 << -64.0 << "HDD" << 1 << 1 << 0 << QList<int>{1, 3, 150}
                                      << QStringList{"X -64", "2024/03/09", "ID:03 SEL:XX"};
        QTest::newRow("truncated") << 1 << 0.75 << "Not Format" << 0 << 1 << 0 << QList<int>{1, 3, 1, 0, -1, -1}
                                   << QStringList{"X0.7", "Not Format", ""};
        QTest::newRow("pause, panic") << 1 << 0.0 << a80 << 0 << 0 << 1 << QList<int>{1, 2, 7, 0, -1, -1, 1, 2, -1}
                                      << QStringList{"Pause", a64, "PANIC"};
        QTest::newRow("live") << 0 << 4.0 << "HDD" << 0 << 0 << -1 << QList<int>{1, 2, 7}
                              << QStringList{"Pause", "45.6%", "ID:02 SEL:07"};
    }
    void texts()
    {
        QFETCH(int, mode);
        QFETCH(QString, summary);
        QFETCH(int, panic);
        QFETCH(QList<int>, calls);
        QFETCH(QStringList, texts);
        Rig rig;
        QFETCH(int, display);
        static_cast<PropOsd*>(rig.cfg->getsection(IDX_PROP_OSD, 0))->hdddisp = display;
        rig.bar.setPlayMode(mode);
        rig.bar.updateRate(3.0);
        rig.bar.setPbDateTime(2024, 3, 9, 14, 5, 33);
        QFETCH(double, rate);
        rig.bar.updateRate(rate);
        const QDateTime oldest(QDate(2024, 3, 9), QTime(7, 0));
        const double usage = 45.67;
        QFETCH(int, full);
        rig.bar.updateDate(summary.toUtf8().constData(), full, 0, &oldest, &usage, 0.0);
        rig.bar.updatePanic(panic != 0);
        for (int i = 0; i + 2 < calls.size(); i += 3)
            rig.bar.updateId(calls[i], calls[i + 1], calls[i + 2]);
        panic < 0 ? rig.bar.updatePanic(0) : void();
        QCOMPARE(QStringList({rig.bar.rateText(), rig.bar.diskText(), rig.bar.idAreaText()}), texts);
        QCOMPARE(rig.bar.button(Btn_Icon4)->state(), summary == "HDD" ? 1 : 2);
        QCOMPARE(rig.bar.button(Btn_Icon0)->isVisible(), texts[2].isEmpty()); // the date's icon
        rig.grab("quarter", "playback");
        rig.grab("pause, panic", "panic");
        rig.bar.setAudio(mode ? 16 : 2); // beyond the cameras: off
        QCOMPARE(rig.bar.audioText(), QString(mode ? "" : "3"));
        rig.bar.setSequence(1);
        rig.bar.updateId(0, -1, -1);
        rig.grab("live", "live");
    }

    // Each mode's buttons; what keys and clicks (values below Btn_Count) ask.
    void requests_data()
    {
        using L = QList<int>;
        QTest::addColumn<int>("mode");
        QTest::addColumn<L>("input");
        QTest::addColumn<L>("requests");
        QTest::newRow("live: Enter on Split") << 0 << L{Qt::Key_Enter} << L{Btn_Split};
        QTest::newRow("live: right past hidden buttons") << 0 << L{Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter} << L{2};
        QTest::newRow("live: Return does nothing") << 0 << L{Qt::Key_Return} << L{};
        QTest::newRow("live: indicators ask nothing") << 0 << L{Btn_Net, Btn_Audio, Btn_Seq} << L{Btn_Audio, Btn_Seq};
        QTest::newRow("playback: left wraps to Stop") << 1 << L{Qt::Key_Left, Qt::Key_Enter} << L{Btn_Stop};
        QTest::newRow("playback: audio not in the row") << 1 << L{Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter} << L{9};
        QTest::newRow("playback keys") << 1
            << L{Qt::Key_F24, Qt::Key_F25, Qt::Key_F27, Qt::Key_Pause, Qt::Key_F28, Qt::Key_Play, Qt::Key_F26, Qt::Key_Stop}
            << L{9, 10, 11, 12, 13, 14, 15, 16};
    }
    void requests()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, input);
        Rig rig;
        QVERIFY(rig.active);
        rig.bar.setPlayMode(mode);
        for (int k = 0; k < Btn_Count; ++k)
            QCOMPARE(rig.bar.button(k)->isVisible(), mode ? k < Btn_Icon4 || k >= Btn_Audio : k <= Btn_Audio);
        QSignalSpy spy(&rig.bar, &TInfo::sg_request);
        for (int k : input)
            k < Btn_Count ? emit rig.bar.button(k)->sg_clicked(k, 2) : vkeytest::key(&rig.bar, k);
        QList<int> got;
        for (const auto& args : spy)
            got << args.at(0).toInt();
        QTEST(got, "requests");
    }
};

QTEST_MAIN(TInfoTest)
#include "tinfotest.moc"
