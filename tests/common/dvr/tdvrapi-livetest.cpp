#include "tlivefixture.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>

// Layouts, pages and chains of the main monitor as the device gets them.
class TDvrApiLiveTest : public QObject
{
    Q_OBJECT
private slots:
    void chainOfLayoutPage_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<QString>("chain");
        QTest::addColumn<int>("shownPage");
        const struct {
            const char* name;
            int layout, page;
            bool reversed;
            const char* chain;
            int shown;
        } rows[] = {
            {"quad page 0", 2, 0, false, "0,1,2,3,-1x28", 0},
            {"quad page 1", 2, 1, false, "4,5,6,7,-1x28", 1},
            {"nine page 0", 4, 0, false, "0,1,2,3,4,5,6,7,8,-1x23", 0},
            // The last page is filled up from the first positions.
            {"nine page 1", 4, 1, false, "9,10,11,12,13,14,15,0,1,-1x23", 1},
            {"sixteen page 0", 9, 0, false, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,-1x16", 0},
            {"sixteen page 1 is out of range", 9, 1, false, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,-1x16", 0},
            // One big cell keeps position 0 on every page.
            {"big cell page 2", 3, 2, false, "0,11,12,13,14,15,-1x26", 2},
            {"order maps positions", 4, 1, true, "6,5,4,3,2,1,0,15,14,-1x23", 1},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.layout << r.page << r.reversed << QString(r.chain) << r.shown;
    }
    void chainOfLayoutPage()
    {
        QFETCH(int, layout);
        QFETCH(int, page);
        QFETCH(bool, reversed);
        QFETCH(QString, chain);
        QFETCH(int, shownPage);
        TLiveFixture fx("16");
        for (int p = 0; p < 16 && reversed; ++p)
            g_api.m_chOrder[p] = 15 - p;
        g_api.m_frozen = 1;
        dalTestJournalClear();
        g_api.dispLayout(layout, page);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout"),
                 QStringList{QString("DalVoutSetLayout(0,%1,[%2])").arg(layout).arg(chain)});
        QCOMPARE(QList<int>({g_api.m_layout, g_api.m_sw, g_api.m_frozen, g_api.m_layoutReady}),
                 QList<int>({layout, shownPage, 0, 1}));
        // The cells were read back: each shows its chain entry.
        DalTestVout out;
        QCOMPARE(dalTestVoutGet(0, &out), 0);
        QCOMPARE(g_api.m_numvid, g_api.numLayoutCam(layout));
        for (int k = 0; k < g_api.m_numvid; ++k)
            QCOMPARE(g_api.m_vidwnd[k].ch, out.chain[k]);
        // The last pixel of cell 0 is in it, the next one is not.
        const VidWnd& c0 = g_api.m_vidwnd[0];
        QCOMPARE(g_api.chAtPoint(c0.x + c0.w - 1, c0.y + c0.h - 1), out.chain[0]);
        QCOMPARE(g_api.chAtPoint(c0.x + c0.w, c0.y), g_api.m_numvid > 1 ? out.chain[1] : -1);
        // The same layout and page again does nothing; -1, -1 applies them again.
        g_api.dispLayout(layout, shownPage);
        g_api.dispLayout(-1, shownPage);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout").size(), 1);
        g_api.dispLayout(-1, -1);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout").last(), TLiveFixture::lines("DalVoutSetLayout").first());
    }

    void degenerateLayouts_data()
    {
        // What a device might answer for the cells and big cells of a layout.
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("big");
        QTest::addColumn<QList<int>>("pages"); // the page count, the page of the last channel
        QTest::addColumn<QString>("chainPage1");
        QTest::newRow("all big cells") << QByteArray("16") << 4 << 4 << QList<int>{1, 0} << "0,1,2,3,-1x28";
        QTest::newRow("more big cells than channels") << QByteArray("4") << 9 << 6 << QList<int>{1, 0} << "0,1,2,3,-1x28";
        QTest::newRow("no cells") << QByteArray("4") << 0 << 0 << QList<int>{4, 3} << "1,-1x31";
        QTest::newRow("failed big-cell count") << QByteArray("16") << 4 << -1 << QList<int>{4, 3} << "4,5,6,7,-1x28";
        QTest::newRow("more cells than the chain") << QByteArray("4") << 40 << 0 << QList<int>{1, 0}
                                                   << QString("0,1,2,3,").repeated(8).chopped(1);
    }
    void degenerateLayouts()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, cells);
        QFETCH(int, big);
        QFETCH(QList<int>, pages);
        QFETCH(QString, chainPage1);
        TLiveFixture fx(profile.constData());
        dalTestFail("DalVoutNumCell", cells);
        dalTestFail("DalVoutNumBigCell", big);
        QCOMPARE(QList<int>({g_api.numLayoutSwitch(2), g_api.findSplitSw(2, g_api.channelCount() - 1)}), pages);
        dalTestFail("DalVoutSetLayout", 0);
        dalTestJournalClear();
        int32_t chain[DAL_MAX_CH];
        g_api.makeChain(2, 1, chain);
        DalVoutSetLayout(0, 2, chain); // for the journal's view of the chain
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout"), QStringList{"DalVoutSetLayout(0,2,[" + chainPage1 + "])"});
    }

    void displayOrder_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("slot"); // a stored entry changed first (-1 none)
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("chB");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("order"); // the first six positions after
        const QList<int> identity{0, 1, 2, 3, 4, 5};
        QTest::newRow("swap") << QByteArray("16") << -1 << 0 << 5 << 0 << QList<int>{5, 1, 2, 3, 4, 0};
        QTest::newRow("channel out of range") << QByteArray("16") << -1 << 0 << 16 << -1 << identity;
        QTest::newRow("stored duplicate resets") << QByteArray("16") << 3 << 2 << 1 << 0 << identity;
        // A missing channel's position is the channel count: its value there is out of range too.
        QTest::newRow("missing channel") << QByteArray("16") << 4 << 25 << 4 << 0 << identity;
        QTest::newRow("missing channel, full table") << QByteArray("20") << 4 << 20 << 4 << 0 << identity;
    }
    void displayOrder()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, slot);
        QFETCH(int, value);
        QFETCH(int, chB);
        QFETCH(int, result);
        QFETCH(QList<int>, order);
        TLiveFixture fx(profile.constData());
        if (slot >= 0) {
            g_api.m_chOrder[slot] = value;
            QCOMPARE(g_api.orderOf(slot), value < g_api.channelCount() ? value : 0);
        }
        QCOMPARE(g_api.swapOrder(0, chB), result);
        for (int p = 0; p < order.size(); ++p)
            QCOMPARE(g_api.m_chOrder[p], order[p]);
    }

    void thumbnailChannel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("searchMode");
        QTest::addColumn<int>("ch");
        QTest::addColumn<bool>("restarts"); // the playback cells start over
        QTest::newRow("thumbnail, other channel") << 1 << 3 << 4 << true;
        QTest::newRow("panorama, other channel") << 1 << 4 << 4 << true;
        QTest::newRow("same channel") << 1 << 3 << 2 << false;
        QTest::newRow("live view") << 0 << 3 << 4 << false;
    }
    void thumbnailChannel()
    {
        QFETCH(int, mode);
        QFETCH(int, searchMode);
        QFETCH(int, ch);
        QFETCH(bool, restarts);
        TLiveFixture fx("16");
        g_api.m_searchCh = 2;
        g_api.m_mode = mode;
        g_api.m_searchMode = searchMode;
        g_api.m_dec.entry[1].width = g_api.m_dec.entry[1].height = 100; // only channel 1 has a picture
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.setThumbnail(ch, 0);
        g_api.setThumbnail(-1, 60);
        QCOMPARE(QList<int>({g_api.m_searchCh, g_api.m_thumbDur}), QList<int>({ch, 60}));
        QCOMPARE(g_api.noVideoMask(), restarts ? 0xffffu : 0xfffdu);
        // A restart repaints the OSD of the whole screen.
        const QSize screen = g_api.voutInfo(1);
        const QVariantList whole{SIG_OSD_POS_UPDATE, 0, (screen.width() << 16) + screen.height()};
        QCOMPARE(int(std::count_if(spy.begin(), spy.end(), [&](const QVariantList& a) { return a.mid(0, 3) == whole; })),
                 restarts ? 1 : 0);
    }

    // A 32-channel unit: the stored order holds the first 20 positions;
    // every position beyond shows its own channel, and every camera's tile
    // carries its own title.
    void thirtyTwoChannels_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("first"); // the position of cell 0
        QTest::addColumn<int>("cells");
        QTest::newRow("thirty-two cells") << 17 << 0 << 0 << 32;
        QTest::newRow("sixteen, page 0") << 9 << 0 << 0 << 16;
        QTest::newRow("sixteen, page 1") << 9 << 1 << 16 << 16;
        QTest::newRow("nine, last page") << 4 << 3 << 27 << 9;
    }
    void thirtyTwoChannels()
    {
        QFETCH(int, layout);
        QFETCH(int, page);
        QFETCH(int, first);
        QFETCH(int, cells);
        TLiveFixture fx("32");
        QCOMPARE(QList<int>({g_api.viewCount(), g_api.channelCount()}), QList<int>({32, 20}));
        g_api.initOsd();
        std::swap(g_api.m_chOrder[0], g_api.m_chOrder[19]); // a stored order: it stays
        g_api.m_layout = 0;                                 // the layout below is a change
        dalTestJournalClear();
        g_api.dispLayout(layout, page);
        QStringList want;
        for (int k = 0; k < cells; ++k) {
            const int pos = (first + k) % 32;
            want << QString::number(pos == 0 ? 19 : pos == 19 ? 0 : pos);
        }
        if (cells < 32)
            want << QString("-1x%1").arg(32 - cells);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout"),
                 QStringList{QString("DalVoutSetLayout(0,%1,[%2])").arg(layout).arg(want.join(','))});
        QCOMPARE(g_api.numLayoutSwitch(9), 2);
        // Each shown channel's title sits in its own cell and reads its name.
        for (int k = 0; k < g_api.m_numvid; ++k) {
            const VidWnd& c = g_api.m_vidwnd[k];
            const OsdItem* title = g_api.m_cell[c.ch].item[CellOsd::TITLE];
            QVERIFY2(title && title->visible, qPrintable(QString("channel %1").arg(c.ch)));
            QCOMPARE(QPoint(title->x, title->y), QPoint(c.x + 8, c.y + 4));
            QImage expected(g_api.m_titleImg[c.ch].size(), g_api.m_titleImg[c.ch].format());
            g_api.drawOsdText(c.ch, QString("CH %1").arg(c.ch + 1), &expected, 0, 0);
            QVERIFY2(g_api.m_titleImg[c.ch] == expected, qPrintable(QString("title of channel %1").arg(c.ch)));
        }
        // Cameras beyond the stored order keep their places: a swap with
        // one is refused and changes nothing.
        QCOMPARE(QList<int>({g_api.orderOf(25), g_api.posInOrder(25), g_api.orderOf(0)}), QList<int>({25, 25, 19}));
        QCOMPARE(g_api.swapOrder(1, 25), -1);
        QCOMPARE(g_api.swapOrder(25, 30), -1);
        QCOMPARE(QList<int>({g_api.orderOf(1), g_api.orderOf(25), g_api.orderOf(30)}), QList<int>({1, 25, 30}));
        // The single view of a position beyond 20 shows that channel.
        g_api.showLayout(27);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout").last(), QString("DalVoutSetLayout(0,1,[27,-1x31])"));
    }

    // The layout thread replaces the cells while the GUI thread paints and
    // the device threads look a channel's cell up: each sees one whole
    // layout, never a mix of two.
    void cellsWhileTheLayoutSwitches()
    {
        TLiveFixture fx("16");
        VidWnd quad[DAL_MAX_CH];
        VidWnd sixteen[DAL_MAX_CH];
        g_api.dispLayout(9, 0);
        const int nSixteen = g_api.layoutCells(sixteen);
        g_api.dispLayout(2, 1); // channels 4..7
        const int nQuad = g_api.layoutCells(quad);
        QCOMPARE(QList<int>({nQuad, nSixteen, quad[1].ch, sixteen[5].ch}), QList<int>({4, 16, 5, 5}));
        const int atQuad = g_api.chAtPoint(quad[1].x, quad[1].y);
        g_api.dispLayout(9, 0);
        const int atSixteen = g_api.chAtPoint(quad[1].x, quad[1].y);
        auto same = [](const VidWnd* a, const VidWnd* b, int n) { return std::memcmp(a, b, n * sizeof *a) == 0; };
        // A joined std::thread: its end is visible to the thread checker.
        std::atomic<bool> done{false};
        std::thread th([&done] {
            for (int i = 1; i <= 400; ++i)
                g_api.dispLayout(i % 2 ? 2 : 9, i % 2);
            done = true;
        });
        int mixed = 0;
        do {
            VidWnd got[DAL_MAX_CH];
            const int n = g_api.layoutCells(got);
            mixed += !((n == nQuad && same(got, quad, n)) || (n == nSixteen && same(got, sixteen, n)));
            VidWnd w{};
            const int k = g_api.cellOfChannel(5, &w);
            mixed += !((k == 1 && same(&w, &quad[1], 1)) || (k == 5 && same(&w, &sixteen[5], 1)));
            const int at = g_api.chAtPoint(quad[1].x, quad[1].y);
            mixed += at != atQuad && at != atSixteen;
        } while (!done);
        th.join();
        QCOMPARE(mixed, 0);
        QCOMPARE(g_api.layoutCells(quad), nSixteen);
    }

    void singleCameraViews()
    {
        TLiveFixture fx("16");
        std::swap(g_api.m_chOrder[3], g_api.m_chOrder[9]);
        g_api.showLayout(3);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout").last(), QString("DalVoutSetLayout(0,1,[9,-1x31])"));
        QCOMPARE(g_api.m_toolCh, 9);
        g_api.showLayout2(3);
        QCOMPARE(TLiveFixture::lines("DalVoutSetLayout").last(), QString("DalVoutSetLayout(0,1,[3,-1x31])"));
        g_osdHooks.value = [](int id) { return id * 10; };
        g_api.startPip(20, 30, 5, 0);
        DalTestVout out;
        dalTestVoutGet(0, &out);
        QCOMPARE(QList<int>({out.viw[0], out.viw[1], out.viw[2], out.viw[3]}), QList<int>({20, 30, 130, 140}));
        QCOMPARE(g_api.m_toolCh, 3); // held by the first tool view
        g_api.m_layout = 4;
        g_api.closePopup();
        dalTestVoutGet(0, &out);
        QCOMPARE(QList<int>({out.viw[2], out.layout, g_api.m_toolCh}), QList<int>({0, 4, -1}));
        // Resume sends nothing without a freeze.
        dalTestJournalClear();
        g_api.liveResume();
        g_api.liveFreeze();
        g_api.liveResume();
        QCOMPARE(TLiveFixture::lines("DalCmd"), QStringList({"DalCmd(\"freeze\",\"0\",0)", "DalCmd(\"resume\",\"0\",0)"}));
    }
};

QTEST_MAIN(TDvrApiLiveTest)
#include "tdvrapi-livetest.moc"
