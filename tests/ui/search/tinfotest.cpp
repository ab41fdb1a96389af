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
    // The bar as the operator sees it, for the first row of a table.
    void grab(const char* firstRow, const char* name)
    {
        if (qstrcmp(QTest::currentDataTag(), firstRow) == 0)
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

    void rateText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarter") << 1 << 0.25 << "X0.25";
        QTest::newRow("slow reverse") << 1 << -0.5 << "X-0.5";
        QTest::newRow("fast reverse") << 1 << -64.0 << "X -64";
        QTest::newRow("fraction truncated") << 1 << 0.75 << "X0.7";
        QTest::newRow("pause") << 1 << 0.0 << "Pause";
        QTest::newRow("live mode keeps Pause") << 0 << 4.0 << "Pause";
    }
    void rateText()
    {
        QFETCH(int, mode);
        QFETCH(double, rate);
        Rig rig;
        rig.bar.setPlayMode(mode);
        rig.bar.updateRate(3.0);
        rig.bar.setPbDateTime(2024, 3, 9, 14, 5, 33);
        rig.bar.updateRate(rate);
        QTEST(rig.bar.rateText(), "text");
        rig.grab("quarter", "playback");
    }

    // The id area: the remote controller's id and selection, or "PANIC".
    void idText_data()
    {
        QTest::addColumn<int>("panic");        // -1: on first, off at the end
        QTest::addColumn<QList<int>>("calls"); // en, id, sel triples
        QTest::addColumn<QString>("text");
        QTest::newRow("all cameras") << 0 << QList<int>{1, -1, 5} << "ID:All SEL:05";
        QTest::newRow("four digits") << 0 << QList<int>{1, 3, 1500} << "ID:03 SEL:X0";
        QTest::newRow("three digits") << 0 << QList<int>{1, 3, 150} << "ID:03 SEL:XX";
        QTest::newRow("off again") << 0 << QList<int>{1, 3, 1, 0, -1, -1} << "";
        QTest::newRow("panic stays when the id goes") << 1 << QList<int>{1, 2, 7, 0, -1, -1} << "PANIC";
        QTest::newRow("id back after the panic") << -1 << QList<int>{1, 2, 7} << "ID:02 SEL:07";
    }
    void idText()
    {
        QFETCH(int, panic);
        QFETCH(QList<int>, calls);
        QFETCH(QString, text);
        Rig rig;
        rig.bar.updatePanic(panic != 0);
        for (int i = 0; i + 2 < calls.size(); i += 3)
            rig.bar.updateId(calls[i], calls[i + 1], calls[i + 2]);
        if (panic < 0)
            rig.bar.updatePanic(0);
        QCOMPARE(rig.bar.idAreaText(), text);
        QCOMPARE(rig.bar.button(Btn_Icon0)->isVisible(), text.isEmpty()); // the date's icon
        rig.grab("all cameras", "remote-id");
        rig.grab("panic stays when the id goes", "panic");
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
        QTest::newRow("no terminator in 64 bytes") << QString(80, 'A') << 0 << 0 << QString(64, 'A') << 2;
    }
    void diskText()
    {
        QFETCH(QString, summary);
        QFETCH(int, full);
        QFETCH(int, display);
        Rig rig;
        static_cast<PropOsd*>(rig.cfg->getsection(IDX_PROP_OSD, 0))->hdddisp = display;
        const QDateTime oldest(QDate(2024, 3, 9), QTime(7, 0));
        const double usage = 45.67;
        rig.bar.updateDate(summary.toUtf8().constData(), full, 0, &oldest, &usage, 0.0);
        QTEST(rig.bar.diskText(), "text");
        QTEST(rig.bar.button(Btn_Icon4)->state(), "diskOn");
        rig.bar.setAudio(2);
        rig.bar.setSequence(1);
        rig.grab("percent", "live");
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
        for (int k = 0; k < Btn_Count; ++k) {
            const bool live = k <= Btn_Audio, play = k < Btn_Icon4 || k >= Btn_Audio;
            QCOMPARE(rig.bar.button(k)->isVisible(), mode ? play : live);
        }
        QSignalSpy spy(&rig.bar, &TInfo::sg_request);
        for (int k : input) {
            if (k < Btn_Count)
                emit rig.bar.button(k)->sg_clicked(k, 2);
            else
                vkeytest::key(&rig.bar, k);
        }
        QList<int> got;
        for (const auto& args : spy)
            got << args.at(0).toInt();
        QTEST(got, "requests");
    }
};

QTEST_MAIN(TInfoTest)
#include "tinfotest.moc"
