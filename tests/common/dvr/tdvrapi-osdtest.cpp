#include "tlivefixture.h"
#include "tsignallog.h"

#include <QtTest>

namespace {
// Pixels of the image inside r that are not black.
int inkIn(const QImage& img, const QRect& r)
{
    int n = 0;
    const QRect part = r & img.rect();
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            n += (img.pixel(x, y) & 0xffffff) != 0;
    return n;
}
}

// The tile OSD: which items show, where they sit, the POS overlay and the
// transparency levels the device gets.
class TDvrApiOsdTest : public QObject
{
    Q_OBJECT
private slots:
    void visibilityRule_data()
    {
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("lock");
        // title, continuous, event, sensor, motion, text-in, playback text;
        // -1: left as it was
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("live, on") << 1 << 0 << 0 << 0 << QList<int>{1, 1, 0, 1, 0, 1, 0};
        QTest::newRow("live, off") << 0 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("live, camera disabled") << 1 << 0 << 1 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("playback, camera disabled") << 1 << 1 << 1 << 0 << QList<int>{1, 0, 0, 0, 0, -1, 1};
        QTest::newRow("held back") << 1 << 0 << 0 << 1 << QList<int>{1, 1, 0, 1, 0, 1, 0};
    }
    void visibilityRule()
    {
        QFETCH(int, f);
        QFETCH(int, mode);
        QFETCH(int, disabled);
        QFETCH(int, lock);
        QFETCH(QList<int>, shown);
        TLiveFixture fx("16");
        g_api.initOsd();
        CellOsd& cell = g_api.m_cell[5];
        cell.contRec = cell.sensor = cell.textin = 1;
        fx.live<PropCamera>(IDX_PROP_CAMERA)->data[5].disableOn = disabled;
        g_api.m_mode = mode;
        g_api.m_osdLock = lock;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.showOsd(f, 1);
        const int items[] = {CellOsd::TITLE,  CellOsd::CONT_REC, CellOsd::EVENT_REC, CellOsd::SENSOR,
                             CellOsd::MOTION, CellOsd::TEXTIN,   CellOsd::PLAY_TEXT};
        for (int i = 0; i < shown.size(); ++i)
            if (shown[i] >= 0)
                QCOMPARE(cell.item[items[i]]->visible, shown[i]);
        QCOMPARE(spy.size(), lock ? 0 : 1);
        if (!lock)
            QCOMPARE(spy[0].mid(0, 3), QVariantList({SIG_OSD_POS_UPDATE, 0, (800 << 16) + 600}));
    }

    void itemsFollowTheCell()
    {
        TLiveFixture fx("16");
        g_api.initOsd();
        QCOMPARE(g_api.m_layout, 9); // the last layout of the list
        g_api.dispLayout(2, 1);      // channel 5 in the quad's cell (400, 0, 400, 300)
        const CellOsd& cell = g_api.m_cell[5];
        QCOMPARE(cell.ch, 5);
        QCOMPARE(g_api.m_cell[0].ch, -1);
        QCOMPARE(g_api.m_cell[0].item[CellOsd::TITLE]->visible, 0);
        QCOMPARE(QPoint(cell.item[CellOsd::TITLE]->x, cell.item[CellOsd::TITLE]->y), QPoint(408, 4));
        QCOMPARE(cell.item[CellOsd::TITLE]->width, 220);
        const int line[][2] = {{CellOsd::PLAY_TEXT, 408}, {CellOsd::MOTION, 424}, {CellOsd::TEXTIN, 472}};
        for (const auto& l : line)
            QCOMPARE(QPoint(cell.item[l[0]]->x, cell.item[l[0]]->y), QPoint(l[1], 24));
        // The title image holds the camera's name, light on a dark outline.
        const QImage& title = g_api.m_titleImg[5];
        QMap<QRgb, int> colours;
        for (int i = 0; i < title.width() * title.height(); ++i)
            ++colours[title.pixel(i % title.width(), i / title.width())];
        QVERIFY(colours[0xfff0f0f0] > 0 && colours[0xff101010] > colours[0xfff0f0f0]);
    }

    void posOverlay_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("drawn");
        // Channel 0's area in the quad: (8, 40), 32 columns of 12, 15 lines of 16.
        QStringList many;
        for (int i = 1; i <= 20; ++i)
            many << QString(i, QLatin1Char('x'));
        QTest::newRow("the last lines that fit") << 0 << many.join('\n') << QRect(8, 40, 240, 256);
        QTest::newRow("trailing newline takes no row") << 0 << "abc\n" << QRect(8, 40, 36, 32);
        QTest::newRow("bottom left") << 1 << "a\nbb" << QRect(8, 248, 24, 48);
        QTest::newRow("top right") << 2 << "abc" << QRect(356, 40, 36, 32);
        QTest::newRow("bottom right keeps the line's end") << 3 << QString(40, 'y') << QRect(8, 264, 384, 32);
        QTest::newRow("unknown position") << 4 << "abc" << QRect(8, 40, 0, 0);
    }
    void posOverlay()
    {
        QFETCH(int, pos);
        QFETCH(QString, text);
        QFETCH(QRect, drawn);
        TLiveFixture fx("16");
        g_api.initOsd();
        g_api.dispLayout(2, 0);
        fx.live<PropPos>(IDX_PROP_POS)->overlaypos = pos;
        g_api.placeTxtin(0);
        QImage& img = g_api.m_txtinImg;
        img.fill(Qt::white); // what the area is drawn over
        g_api.drawTxtin(0, text.toUtf8().constData(), &img);
        const TxtinArea& a = g_api.m_txtin[0];
        QCOMPARE(QRect(a.drawX, a.drawY, a.drawnW, a.drawnH), drawn);
        const QRect area(a.x, a.y, a.w, a.h);
        // Text only inside the drawn part; the area blanked around it.
        QCOMPARE(inkIn(img, drawn) > 0, drawn.width() > 0);
        QCOMPARE(inkIn(img, area) - inkIn(img, drawn & area), 0);
        QCOMPARE(img.pixel(area.right() + 1, area.top()), 0xffffffffu);
        // With the OSD off the overlay leaves the screen.
        g_api.m_txtin[0].on = 1;
        g_api.showOsd(0, 1);
        QCOMPARE(inkIn(img, QRect(0, 0, 800, 600)), 0);
    }

    // The camera settings applied: with drawText the titles take the new
    // names (tile, spot and HD spot, the spot outputs get them); the live
    // titles follow the disabled flag either way.
    void cameraTitles_data()
    {
        QTest::addColumn<int>("drawText");
        QTest::addColumn<int>("osdOn");
        QTest::newRow("names drawn") << 1 << 1;
        QTest::newRow("names kept") << 0 << 1;
        QTest::newRow("names drawn, OSD off") << 1 << 0;
    }
    void cameraTitles()
    {
        QFETCH(int, drawText);
        QFETCH(int, osdOn);
        TLiveFixture fx("16");
        g_api.initOsd();
        g_api.setOsd(osdOn);
        auto* cam = fx.live<PropCamera>(IDX_PROP_CAMERA);
        const QImage before = g_api.m_titleImg[3];
        const QImage spotBefore = g_api.m_spotTitleImg[3];
        const QImage hdBefore = g_api.m_hdTitleImg[3];
        qstrncpy(cam->data[3].name, "WWWWWWWWWWWW", sizeof cam->data[3].name);
        cam->data[4].disableOn = 1;
        QCOMPARE(g_api.m_cell[4].item[CellOsd::TITLE]->visible, osdOn);
        dalTestJournalClear();
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.camSetdevice(drawText);
        QCOMPARE(g_api.m_titleImg[3] != before, drawText != 0);
        QCOMPARE(g_api.m_spotTitleImg[3] != spotBefore, drawText != 0);
        QCOMPARE(g_api.m_hdTitleImg[3] != hdBefore, drawText != 0);
        QCOMPARE(dalTestJournalFind("spot_osd") >= 0, drawText != 0);
        QCOMPARE(dalTestJournalFind("spothd_osd") >= 0, drawText != 0);
        QVERIFY(dalTestJournalFind("DalSetCamName(3,\"WWWWWWWWWWWW\")") >= 0);
        QCOMPARE(g_api.m_cell[4].item[CellOsd::TITLE]->visible, 0);
        QCOMPARE(g_api.m_cell[3].item[CellOsd::TITLE]->visible, osdOn);
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().mid(0, 3), QVariantList({SIG_OSD_POS_UPDATE, 0, (800 << 16) + 600}));
    }

    void transparency_data()
    {
        QTest::addColumn<int>("call"); // 0 AlphaFill, 1 alphaFill, 2 alphaFillCfg
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("blends");
        QTest::addColumn<int>("device"); // -1: nothing sent
        QTest::newRow("level 3") << 0 << 3 << true << 4;
        QTest::newRow("default, blending output") << 1 << -1 << true << 7;
        QTest::newRow("default, fixed output") << 1 << -1 << false << -1;
        QTest::newRow("level 0, blending output") << 1 << 0 << true << 7;
        QTest::newRow("level 0, capabilities unread") << 1 << 0 << false << 7;
        QTest::newRow("setup level, blending output") << 2 << 2 << true << 5;
        QTest::newRow("setup level, fixed output") << 2 << 2 << false << 1;
        QTest::newRow("previewed level") << 2 << -1 << true << 1;
    }
    void transparency()
    {
        QFETCH(int, call);
        QFETCH(int, level);
        QFETCH(bool, blends);
        QFETCH(int, device);
        TLiveFixture fx("16");
        static_cast<PropOsd*>(fx.cfg->getsection(IDX_PROP_OSD, 0))->alpha = 6;
        if (!blends) {
            g_api.m_voutCapsRec.alphaLevels = 0;
            dalTestFail("DalVoutGetCaps", 0); // answers without filling
        }
        const int r = call == 0   ? TDVRAPI::AlphaFill(10, 20, 30, 40, level)
                      : call == 1 ? TDVRAPI::alphaFill(10, 20, 30, 40, level)
                                  : g_api.alphaFillCfg(10, 20, 30, 40, level);
        QCOMPARE(r, 0);
        DalTestDisplay d;
        dalTestDisplayGet(&d);
        QCOMPARE(d.numAlpha, device < 0 ? 0 : 1);
        if (device >= 0)
            QCOMPARE(QList<int>({d.alpha[0][0], d.alpha[0][1], d.alpha[0][2], d.alpha[0][3], d.alpha[0][4]}),
                     QList<int>({10, 20, 30, 40, device}));
    }

    void searchEventText_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QList<int>>("bytes8to15");
        QTest::addColumn<QString>("text");
        QTest::newRow("recording") << 4 << QList<int>{1, 0, 0, 2, 0, 0, 0, 0} << "Recording Cam5 704x240 7.5 fps";
        QTest::newRow("recording beyond the tables") << 0 << QList<int>{3, 0, 0, 64, 0, 0, 0, 0}
                                                     << "Recording Cam1 0x0 0.0 fps";
        QTest::newRow("sensor") << 32 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << "Sensor1";
        QTest::newRow("video back") << 96 << QList<int>{1, 0, 0, 0, 0, 0, 0, 0} << "VideoIn1";
        QTest::newRow("video loss") << 97 << QList<int>{1, 0, 0, 0, 1, 0, 0, 0} << "VideoLoss2";
        QTest::newRow("POS") << 159 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << "POS32";
        QTest::newRow("unknown source") << 160 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << "";
    }
    void searchEventText()
    {
        QFETCH(int, source);
        QFETCH(QList<int>, bytes8to15);
        QFETCH(QString, text);
        const Db6Avc avc = {2, {0, 704}, {0, 240}, 3, {0, 0, 7500}}; // two resolutions, three rates
        Db6Item item = {};
        auto* bytes = reinterpret_cast<uint8_t*>(&item);
        bytes[0] = uint8_t(source);
        for (int i = 0; i < 8; ++i)
            bytes[8 + i] = uint8_t(bytes8to15[i]);
        QCOMPARE(TDVRAPI::eventText(&item, &avc), text);
    }
};

QTEST_MAIN(TDvrApiOsdTest)
#include "tdvrapi-osdtest.moc"
