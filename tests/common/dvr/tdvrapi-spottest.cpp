#include "tlivefixture.h"

#include <QtTest>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {
// The identity order of the spot section with some entries changed.
QList<int> orders(std::initializer_list<std::pair<int, int>> changed = {})
{
    QList<int> o;
    for (int p = 0; p < TDVRAPI::CHANNELS; ++p)
        o << p;
    for (const auto& c : changed)
        o[c.first] = c.second;
    return o;
}

// A unit whose stand-in runs with the one-second tick stepped by the test,
// its OSD images made and the spot sequence (one camera a page, a step each
// second) in both copies of the section.
struct TTicking : TLiveFixture {
    TTicking()
    {
        QCoreApplication::processEvents(); // what an earlier unit left queued
        g_api.initOsd();
        auto* spot = edit<PropSpot>(IDX_PROP_SPOT);
        spot->mode = 0;
        spot->dwell = 0;
        for (int p = 0; p < TDVRAPI::CHANNELS; ++p)
            spot->orders[p] = p;
        cfg->apply(IDX_PROP_SPOT, nullptr, nullptr, 0);
        g_api.spotSetdevice();
        g_api.registerCallbacks();
        DalInit();
        dalTestSetManualTicks(1);
        DalStart();
        dalTestJournalClear();
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(cfg->getsection(idx, 0)); }
};
}

// The spot monitor's sequence and pop-ups, its title overlays, and the
// digital zoom.
class TDvrApiSpotTest : public QObject
{
    Q_OBJECT
private slots:
    void sequencePerTick_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("dwell");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<int>("lost"); // channels 0.. in video loss, skipped
        QTest::addColumn<QStringList>("sent"); // per tick, "" for none
        const QString page0 = "DalVoutSetLayout(2,4,[0,1,2,3,4,5,6,7,8,-1x23])";
        const QString page1 = "DalVoutSetLayout(2,4,[9,10,11,12,13,14,15,-1x25])";
        QTest::newRow("nine cells, two pages") << 2 << 0 << orders() << 0 << QStringList{page1, page0, page1};
        QTest::newRow("dwell of three seconds") << 0 << 2 << orders() << 0
                                                << QStringList{"", "", "DalVoutSetLayout(2,1,[1,-1x31])", ""};
        QTest::newRow("no sequence: empty chain every tick")
            << 1 << 0 << QVector<int>(TDVRAPI::CHANNELS, -1).toList() << 0
            << QStringList{"DalVoutSetLayout(2,2,[-1x32])", "DalVoutSetLayout(2,2,[-1x32])"};
        QTest::newRow("page without a channel is skipped")
            << 2 << 0 << orders({{9, 99}, {10, 99}, {11, 99}, {12, 99}, {13, 99}, {14, 99}, {15, -1}}) << 0
            << QStringList{page0, page0};
        // With skip_vloss a page of lost channels is skipped, and with every
        // channel lost nothing is sent.
        QTest::newRow("page of lost channels is skipped") << 2 << 0 << orders() << 9 << QStringList{page1, page1};
        QTest::newRow("every channel lost") << 2 << 0 << orders() << 16 << QStringList{"", ""};
        QTest::newRow("unused entry leaves its cell empty") << 1 << 0 << orders({{5, -1}}) << 0
                                                            << QStringList{"DalVoutSetLayout(2,2,[4,-1,6,7,-1x28])"};
    }
    void sequencePerTick()
    {
        QFETCH(int, mode);
        QFETCH(int, dwell);
        QFETCH(QList<int>, order);
        QFETCH(int, lost);
        QFETCH(QStringList, sent);
        TLiveFixture fx("16");
        auto* spot = fx.live<PropSpot>(IDX_PROP_SPOT);
        spot->mode = mode;
        spot->dwell = dwell;
        spot->skip_vloss = 1;
        for (int ch = 0; ch < lost; ++ch)
            g_api.m_cell[ch].videoLoss = 1;
        for (int p = 0; p < TDVRAPI::CHANNELS; ++p)
            spot->orders[p] = order[p];
        g_api.spotSetdevice();
        for (const QString& expected : sent) {
            const int from = dalTestJournalCount();
            g_api.runSpotSeq();
            QCOMPARE(TLiveFixture::lines("DalVoutSetLayout(2", from).join(' '), expected);
        }
    }

    // The tick steps the sequence (while no pop-up shows) and draws the spot
    // clock on the GUI thread, which applies the sections they read: nothing
    // reaches the spot output before that thread runs its queue.
    void tickOnGuiThread_data()
    {
        QTest::addColumn<bool>("popup");
        QTest::addColumn<int>("steps");
        QTest::newRow("sequence") << false << 1;
        QTest::newRow("pop-up shown") << true << 0;
    }
    void tickOnGuiThread()
    {
        QFETCH(bool, popup);
        TTicking fx;
        if (popup) {
            fx.live<PropAlarm>(IDX_PROP_ALARM)->out[fx.dev.alarmouts - 1].sensorOn[5] = 1;
            g_api.fireSpotPopup(SIG_IO_SENSOR, 5, 1);
        }
        // The line of the spot output's last overlay (a title: its channel).
        DalTestOverlay info;
        const auto overlaid = [&info] { return dalTestVoutOverlay(0, &info, nullptr, 0) < 0 ? -1 : int(info.ch); };
        const int title = overlaid();
        QVERIFY(title != fx.dev.videos);
        const int from = dalTestJournalCount();
        QCOMPARE(dalTestStepTick(), 1);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout(2", from), QStringList());
        QCOMPARE(overlaid(), title);
        QCoreApplication::processEvents();
        QTEST(TLiveFixture::lines("DalVoutSetLayout(2", from).size(), "steps");
        // The clock line: the date and time drawn on the spot clock image.
        QCOMPARE(overlaid(), fx.dev.videos);
        std::vector<uint16_t> words(size_t(info.pitch / 2 * info.h));
        QCOMPARE(dalTestVoutOverlay(0, nullptr, words.data(), int(words.size() * 2)), int(words.size() * 2));
        QVERIFY(std::count(words.begin(), words.end(), 0) < int(words.size()));
    }

    // Ticks on the device layer's thread while the GUI thread applies the
    // spot, alarm and user sections: each tick steps the sequence once, and
    // only the applying thread reads the sections (the thread checker sees
    // any other).
    void tickAgainstApply()
    {
        TTicking fx;
        const int ticks = 200;
        std::atomic<bool> ticked{false};
        std::thread device([&] {
            for (int i = 0; i < ticks; ++i)
                dalTestStepTick();
            ticked = true;
        });
        while (!ticked) {
            for (int idx : {IDX_PROP_SPOT, IDX_PROP_ALARM, IDX_PROP_USER})
                fx.cfg->apply(idx, nullptr, nullptr, 0);
            QCoreApplication::processEvents();
        }
        device.join();
        QCoreApplication::processEvents();
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout(2").size(), ticks);
    }

    void popup_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("ch");
        QTest::addColumn<bool>("shows");
        QTest::newRow("sensor") << int(SIG_IO_SENSOR) << 5 << true;
        QTest::newRow("motion not linked") << int(SIG_VIN_MOTION) << 5 << false;
        QTest::newRow("channel out of range") << int(SIG_IO_SENSOR) << 16 << false;
    }
    void popup()
    {
        QFETCH(int, code);
        QFETCH(int, ch);
        QFETCH(bool, shows);
        TLiveFixture fx("16");
        AlarmOutEntry& out = fx.live<PropAlarm>(IDX_PROP_ALARM)->out[fx.dev.alarmouts - 1];
        for (int c = 0; c < TDVRAPI::CHANNELS; ++c)
            out.sensorOn[c] = out.vlossOn[c] = out.txtinOn[c] = 1;
        out.dur = 1; // six seconds
        // An event that ends with no pop-up shown shows nothing.
        g_api.fireSpotPopup(code, ch, 0);
        QCOMPARE(g_api.m_spotPopCh, -1);
        g_api.fireSpotPopup(code, ch, 1);
        const QStringList popped = TLiveFixture::lines("DalVoutSetLayout(2");
        QCOMPARE(popped, shows ? QStringList{QString("DalVoutSetLayout(2,1,[%1,-1x31])").arg(ch)} : QStringList());
        if (!shows)
            return;
        // Held while the event lasts, then the dwell of the output.
        auto ticks = [](int n) {
            while (n-- > 0)
                g_api.tickPopup();
            return g_api.m_spotPopCh;
        };
        QCOMPARE(ticks(100), ch);
        g_api.fireSpotPopup(code, ch, 0);
        QCOMPARE(ticks(5), ch);
        QCOMPARE(ticks(1), -1);
    }

    void packedPixels_data()
    {
        QTest::addColumn<int>("ch");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("word"); // luma << 8 | chroma; -1 cut off
        // Full-range BT.601: white Y 255, Cb Cr 128; red Y 76, Cb 85, Cr 255.
        QTest::newRow("white, Cb") << 3 << qRgb(255, 255, 255) << 0 << 0xff80;
        QTest::newRow("red, Cb") << 3 << qRgb(255, 0, 0) << 2 << 0x4c55;
        QTest::newRow("red, Cr") << 3 << qRgb(255, 0, 0) << 3 << 0x4cff;
        QTest::newRow("black is transparent") << 3 << qRgb(0, 0, 0) << 6 << 0;
        QTest::newRow("near black is transparent") << 3 << qRgb(1, 1, 1) << 7 << 0;
        QTest::newRow("a title is 120 pixels") << 3 << qRgb(255, 255, 255) << 125 << -1;
        QTest::newRow("the clock line is the image's width") << 16 << qRgb(255, 0, 0) << 125 << 0x4cff;
    }
    void packedPixels()
    {
        QFETCH(int, ch);
        QFETCH(QRgb, colour);
        QFETCH(int, x);
        QFETCH(int, word);
        TLiveFixture fx("16");
        QImage img(130, 24, QImage::Format_RGB32);
        img.fill(Qt::black);
        img.setPixel(x, 19, colour);
        g_api.spotOsd(ch, &img);
        // The layer's copy of the buffer, decoded back.
        const int w = ch < 16 ? 120 : 130;
        DalTestOverlay info;
        std::vector<uint16_t> words(size_t(w) * 20, 0xdead);
        QCOMPARE(dalTestVoutOverlay(0, &info, words.data(), int(words.size() * 2)), w * 20 * 2);
        QCOMPARE(QList<int>({info.ch, info.w, info.h, info.pitch}), QList<int>({ch, w, 20, 2 * w}));
        for (int i = 0; i < int(words.size()); ++i)
            QCOMPARE(int(words[size_t(i)]), i == 19 * w + x ? word : 0);
    }

    void zoom_data()
    {
        QTest::addColumn<int>("zoom100x");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QList<double>>("sent"); // ratio, x, y
        QTest::newRow("no zoom has no centre") << 100 << QPoint(30, 40) << QList<double>{1.0, -1.0, -1.0};
        QTest::newRow("centre in percent") << 250 << QPoint(30, 40) << QList<double>{2.5, 0.3, 0.4};
        QTest::newRow("current ratio, default centre") << -1 << QPoint(-1, -1) << QList<double>{3.0, 0.5, 0.5};
    }
    void zoom()
    {
        QFETCH(int, zoom100x);
        QFETCH(QPoint, centre);
        QFETCH(QList<double>, sent);
        TLiveFixture fx("16");
        g_api.m_zoom = 3.0;
        g_api.zoomcontrol(zoom100x, centre.x(), centre.y());
        DalTestDisplay d;
        dalTestDisplayGet(&d);
        QCOMPARE(QList<double>({g_api.m_zoom, d.zoom, d.zoomX, d.zoomY}), QList<double>{sent[0]} + sent);
    }
};

QTEST_MAIN(TDvrApiSpotTest)
#include "tdvrapi-spottest.moc"
