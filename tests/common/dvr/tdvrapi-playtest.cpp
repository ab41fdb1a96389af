#include "tdvrfixture.h"
#include "tlivefixture.h"

#include <QDate>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTime>
#include <cstring>

namespace {
// 2026-03-05 recorded on every channel from 10:00 to 10:59; today too when
// asked.
QByteArray database(bool today)
{
    QByteArray d = "date 2026-03-05 7001\nrec all 10:00-10:59\n";
    if (today)
        d += "date " + QDate::currentDate().toString(Qt::ISODate).toLatin1() + " 7002\nrec all 00:00-23:59\n";
    return d;
}

// Opens the database on 2026-03-05 in Time mode.
void loadDay(bool today = false)
{
    QCOMPARE(dalTestDbDescribe("/data0/data.db6", database(today).constData()), 0);
    SearchQuery q;
    std::memset(&q, 0, sizeof q);
    q.year = 2026;
    q.month = 3;
    q.perPage = 20;
    QCOMPARE(g_api.readyFordb(&q), 1);
    QCOMPARE(g_api.loadMonth(), 1);
    QCOMPARE(g_api.loadDay(5, 0, 0, 1), 1);
}

// The start seconds of the DalDecStart calls in the journal.
QList<double> starts()
{
    QList<double> out;
    char line[256];
    for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i) {
        const auto m = QRegularExpression(R"(^DalDecStart\(.*,(-?[\d.]+),[\d.-]+\)$)").match(QString(line));
        if (m.hasMatch())
            out << m.captured(1).toDouble();
    }
    return out;
}

// Pixels of the image inside r (all of it when r is null) that are not black.
int inkIn(const QImage& img, const QRect& r = QRect())
{
    int n = 0;
    const QRect part = (r.isNull() ? img.rect() : r) & img.rect();
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            n += (img.pixel(x, y) & 0xffffff) != 0;
    return n;
}

int journalCount(const char* text)
{
    int n = 0;
    char line[256];
    for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i)
        n += qstrcmp(line, text) == 0;
    return n;
}

DecInfo* record(int ch, int width, double fps, int quality, int audio)
{
    static DecInfo rec;
    std::memset(&rec, 0, sizeof rec);
    rec.entry[ch] = DecChannel{width, width ? 480 : 0, quality, audio, fps, 0, 0, 0, 0, 0.0, {}};
    return &rec;
}
}

class TDvrApiPlayTest : public QObject
{
    Q_OBJECT
private slots:
    void instantReplay_data()
    {
        QTest::addColumn<bool>("today");     // today's recordings in the database
        QTest::addColumn<int>("layerAnswer"); // 0: the stand-in's own
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("playing");
        QTest::addColumn<bool>("opened"); // a search opened the database first
        QTest::newRow("no recording today: three tries") << false << 0 << -1 << 3 << 0 << true;
        QTest::newRow("today recorded") << true << 0 << 0 << 1 << 1 << true;
        QTest::newRow("the layer does not play") << true << 2 << 2 << 1 << 0 << true;
        QTest::newRow("from live: the recorder's own database") << true << 0 << 0 << 1 << 1 << false;
    }

    void instantReplay()
    {
        QFETCH(bool, today);
        QFETCH(int, layerAnswer);
        QFETCH(int, result);
        QFETCH(int, attempts);
        QFETCH(int, playing);
        QFETCH(bool, opened);
        if (QTime::currentTime().msecsSinceStartOfDay() < 20000 || QTime::currentTime().hour() == 23)
            QSKIP("the last seconds of today would cross midnight");
        TDvrFixture fx("4");
        if (opened)
            loadDay(today);
        else
            QCOMPARE(dalTestDbDescribe("/data0/data.db6", database(today).constData()), 0);
        g_api.m_searchMode = 2;
        g_api.m_rate = 0.5;
        if (layerAnswer)
            dalTestFail("DalDecStart", layerAnswer);
        dalTestJournalClear();
        const int now = QTime::currentTime().msecsSinceStartOfDay() / 1000;
        QCOMPARE(g_api.decStart(-1, 0, 0, 1.0), result);
        QCOMPARE(g_api.isPlay(), playing);
        QCOMPARE(g_api.m_rate, result >= 0 ? 1.0 : 0.5);
        QCOMPARE(g_api.m_searchMode, 0);
        const QList<double> s = starts();
        QCOMPARE(s.size(), attempts);
        QVERIFY(s[0] <= now - 5 && s[0] >= now - 6);
        for (int i = 1; i < s.size(); ++i)
            QCOMPARE(s[i], s[0] - i);
    }

    void controlsNeedPlayback()
    {
        TDvrFixture fx("4");
        dalTestJournalClear();
        g_api.decRate(2.0);
        g_api.decStep(1);
        QCOMPARE(g_api.decPos(100), -1);
        g_api.decStop();
        QCOMPARE(dalTestJournalCount(), 0);
    }

    void stepDirection_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("forward");
        QTest::newRow("with forward play") << 2.0 << -1 << 1;
        QTest::newRow("with reverse play") << -2.0 << -1 << 0;
        QTest::newRow("forward asked in reverse play") << -2.0 << 1 << 1;
    }

    void stepDirection()
    {
        QFETCH(double, rate);
        QFETCH(int, dir);
        QFETCH(int, forward);
        TDvrFixture fx("4");
        loadDay();
        QCOMPARE(g_api.decStart(10, 0, 0, rate), 0);
        g_api.decStep(dir);
        g_api.decStep(dir); // a second step keeps the rate saved by the first
        QCOMPARE(g_api.m_rate, 0.0);
        QCOMPARE(g_api.m_pauseRate, rate);
        QVERIFY(dalTestJournalFind(qPrintable(QStringLiteral("DalDecStep(%1)").arg(forward))) >= 0);
        QVERIFY(dalTestJournalFind(qPrintable(QStringLiteral("DalDecStep(%1)").arg(1 - forward))) < 0);
        g_api.decStop();
        QCOMPARE(g_api.isPlay(), 0);
    }

    void forbiddenCamerasAreNotPlayed()
    {
        TDvrFixture fx("4");
        loadDay();
        fx.live<PropDevices>(IDX_PROP_DEVICES)->users = 8;
        auto* users = fx.live<PropUser>(IDX_PROP_USER);
        qstrncpy(users->user[1].id, "bob", sizeof users->user[1].id);
        std::memset(users->user[1].camlocal, 1, sizeof users->user[1].camlocal);
        users->user[1].camlocal[2] = 0;
        fx.live<PropCamera>(IDX_PROP_CAMERA)->data[3].covertOn = 1;
        g_api.setUserName("bob");
        dalTestJournalClear();
        QCOMPARE(g_api.decStart(10, 0, 0, 1.0), 0);
        QVERIFY(dalTestJournalFind(",7001,0x0000000c,") >= 0);
    }

    void decoderNotifications()
    {
        TDvrFixture fx("4");
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        dalTestSetManualTicks(1);
        QCOMPARE(DalStart(), 0);
        loadDay();
        QObject receiver;
        QList<QPair<int, double>> got; // code and the time or rate of the copy
        connect(&g_api, &TDVRAPI::sg_dvrRecord, &receiver, [&](int type, int, int, const QByteArray& rec) {
            const auto* dec = reinterpret_cast<const DecInfo*>(rec.constData());
            got << qMakePair(type, type == SIG_DEC_INFO_RATE ? dec->rate : dec->time + dec->day * 100000.0);
        });
        QCOMPARE(g_api.decStart(10, 0, 30, 1.0), 0);
        QTRY_COMPARE(got.size(), 3);
        QCOMPARE(got[0].first, int(SIG_DEC_INFO_DATE)); // the date first
        QCOMPARE(got[1], qMakePair(int(SIG_DEC_INFO_TIME), 536030.0));
        QCOMPARE(got[2], qMakePair(int(SIG_DEC_INFO_RATE), 1.0)); // the rate it starts at
        QVERIFY(dalTestStepTick() > 0);
        QTRY_COMPARE(got.size(), 4);
        QCOMPARE(got[3], qMakePair(int(SIG_DEC_INFO_TIME), 536031.0));
        g_api.decRate(4.0);
        QTRY_COMPARE(got.size(), 5);
        QCOMPARE(got[4], qMakePair(int(SIG_DEC_INFO_RATE), 4.0));
        g_api.decStep(1); // within the same second: the rate only
        QTRY_COMPARE(got.size(), 6);
        QCOMPARE(got[5], qMakePair(int(SIG_DEC_INFO_RATE), 0.0));
        dalTestFlush();
        QTest::qWait(0);
        QCOMPARE(got.size(), 6);
        QCOMPARE(g_api.decCurDateId(), 7001);
    }

    void cellTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("forbidden"); // the user may not watch the camera
        QTest::addColumn<QString>("text");
        QTest::newRow("decoding") << 0 << 1 << 704 << false << "704x480 29.9 H A";
        QTest::newRow("no picture") << 1 << 1 << 0 << false << "No Data";
        QTest::newRow("no picture of a forbidden camera") << 2 << 1 << 0 << true << "";
        QTest::newRow("thumbnail without picture") << 3 << 1 << 0 << false << "No Data";
        QTest::newRow("thumbnail with picture: unchanged") << 3 << 1 << 704 << false << "before";
        QTest::newRow("thumbnail beyond the cells") << 3 << 3 << 0 << false << "";
        QTest::newRow("panorama") << 4 << 1 << 0 << false << "";
        QTest::newRow("beyond the device's channels: ignored") << 0 << 4 << 704 << false << "before";
    }

    void cellTexts()
    {
        QFETCH(int, mode);
        QFETCH(int, ch);
        QFETCH(int, width);
        QFETCH(bool, forbidden);
        QFETCH(QString, text);
        TDvrFixture fx("4");
        TConfig::setTextHook([](int id) { return id == 246 ? QStringLiteral("No Data") : QString(); });
        auto* users = fx.live<PropUser>(IDX_PROP_USER);
        qstrncpy(users->user[1].id, "bob", sizeof users->user[1].id);
        users->user[1].camlocal[ch] = forbidden ? 0 : 1;
        g_api.setUserName("bob");
        g_api.m_searchMode = mode;
        g_api.m_thumbNum = 2;
        g_api.sl_decInfo(ch, QStringLiteral("before"));
        QCOMPARE(CbDecInfo(&g_api, ch, record(ch, width, 29.97, 2, 1)), 0);
        TConfig::setTextHook(nullptr);
        QCOMPARE(g_api.playText(ch), text);
        QCOMPARE(g_api.m_dec.entry[ch].width, ch < 4 ? width : 0);
    }

    void textIn_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("showPos"); // the search option
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<int>("overlays"); // the overlay time counted in
        QTest::newRow("time search, shown") << 0 << 1 << 33 << QByteArray("SALE") << 1.0 << true << 2;
        QTest::newRow("time search, option off") << 0 << 0 << 33 << QByteArray("SALE") << 1.0 << false << 0;
        QTest::newRow("POS search, always") << 2 << 0 << 33 << QByteArray("SALE") << 1.0 << true << 2;
        QTest::newRow("thumbnails, never") << 3 << 1 << 33 << QByteArray("SALE") << 1.0 << false << 0;
        QTest::newRow("beyond the device's channels") << 2 << 1 << 36 << QByteArray("SALE") << 1.0 << false << 0;
        QTest::newRow("end of a line while playing") << 2 << 1 << 33 << QByteArray() << 1.0 << false << 1;
    }

    void textIn()
    {
        QFETCH(int, mode);
        QFETCH(int, showPos);
        QFETCH(int, type);
        QFETCH(QByteArray, text);
        QFETCH(double, rate);
        QFETCH(bool, drawn);
        QFETCH(int, overlays);
        TDvrFixture fx("4");
        fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT)->pos = showPos;
        fx.live<PropPos>(IDX_PROP_POS)->overlaytime = 2;
        g_api.m_searchMode = mode;
        g_api.m_dec.rate = rate;
        DecInfo* rec = record(0, 0, 0, 0, 0);
        const int c = type - CBT_DEC_TEXTIN_CH;
        qstrncpy(rec->entry[c].text, text.constData(), sizeof rec->entry[c].text);
        QCOMPARE(CbDecInfo(&g_api, type, rec), 0);
        QCOMPARE(QByteArray(g_api.m_dec.entry[c].text), text);
        const int ch = qMin(c, 3);
        QCOMPARE(g_api.m_posText[ch], drawn ? QString::fromLatin1(text) : QString());
        QCOMPARE(g_api.m_txtin[ch].on, drawn ? 1 : 0);
        const int dur = int(fx.cfg->getvaluefromindex(IDX_DATA_OVERLAY_TIME, fx.live<PropPos>(IDX_PROP_POS)->overlaytime));
        QVERIFY(dur > 0);
        QCOMPARE(g_api.m_nPosDur[ch], overlays * dur);
    }

    void textInBeyondTheTableIsRefused()
    {
        TDvrFixture fx("4");
        DecInfo* rec = record(0, 704, 30, 2, 0);
        std::memset(rec->entry, 'x', sizeof rec->entry); // unterminated texts
        const QByteArray before(reinterpret_cast<const char*>(&g_api.m_dec), sizeof g_api.m_dec);
        QCOMPARE(CbDecInfo(&g_api, CBT_DEC_TEXTIN_CH + DAL_MAX_CH, rec), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&g_api.m_dec), sizeof g_api.m_dec), before);
        QCOMPARE(CbDecInfo(&g_api, CBT_DEC_TEXTIN_CH + 31, rec), 0); // in the table: copied, terminated
        QCOMPARE(qstrlen(g_api.m_dec.entry[31].text), uint(sizeof rec->entry[31].text - 1));
    }

    // The per-cell clocks of the thumbnail and panorama searches: the cells
    // whose frame time moved get "YYYY/MM/DD hh:mm:ss" (empty without a
    // picture); thumbnails repaint once, the panorama once per cell of its
    // layout.
    void cellClocks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<int>>("repaints"); // val1 of each SIG_DEC_CHALL
        QTest::addColumn<QString>("cell1");
        QTest::newRow("thumbnails") << 3 << 2 << QList<int>{-1} << "2026/03/05 10:00:07";
        QTest::newRow("panorama, quad") << 4 << 2 << QList<int>{0, 1, 2, 3} << "2026/03/05 10:00:07";
        QTest::newRow("panorama, one cell") << 4 << 1 << QList<int>{0} << "";
        QTest::newRow("time search: no cell clocks") << 0 << 2 << QList<int>{} << "";
    }
    void cellClocks()
    {
        QFETCH(int, mode);
        QFETCH(int, layout);
        QFETCH(QList<int>, repaints);
        QFETCH(QString, cell1);
        TLiveFixture fx("16");
        g_api.m_searchMode = mode;
        g_api.m_thumbNum = 2;
        g_api.m_layout = layout;
        DecInfo* rec = record(0, 0, 0, 0, 0);
        for (int k = 0; k < 6; ++k)
            rec->entry[k] = DecChannel{k == 2 ? 0 : 704, 480, 2, 0, 30.0, 2026, 3, 5, 0, 36000.0 + k * 7, {}};
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(CbDecInfo(&g_api, CBT_DEC_TIME, rec), 0);
        QList<int> seen;
        for (const QVariantList& n : spy)
            if (n.at(0).toInt() == SIG_DEC_CHALL)
                seen << n.at(1).toInt();
        QCOMPARE(seen, repaints);
        QCOMPARE(g_api.playText(1), cell1);
        QCOMPARE(g_api.playText(2), QString()); // no picture: no clock
    }

    // What the playback screen shows lands in the cells' images: the
    // titles by search mode, the decoder's cell texts and the text-in lines.
    void playbackTextsAreDrawn_data()
    {
        QTest::addColumn<int>("screen");     // 0 live, 1 search
        QTest::addColumn<int>("searchMode");
        QTest::addColumn<int>("titleOf");    // camera whose name ch 2 shows, -1 none
        QTest::addColumn<bool>("cellText");  // the decode summary is drawn
        QTest::addColumn<bool>("textIn");    // a text-in line is drawn
        QTest::newRow("live view") << 0 << 0 << 2 << false << false;
        QTest::newRow("time search") << 1 << 0 << 2 << true << false;
        QTest::newRow("POS search") << 1 << 2 << 2 << true << true;
        QTest::newRow("thumbnails: no titles") << 1 << 3 << -1 << false << false;
        QTest::newRow("panorama: its camera in every cell") << 1 << 4 << 1 << false << false;
    }
    void playbackTextsAreDrawn()
    {
        QFETCH(int, screen);
        QFETCH(int, searchMode);
        QFETCH(int, titleOf);
        QFETCH(bool, cellText);
        QFETCH(bool, textIn);
        TLiveFixture fx("16");
        g_api.initOsd();
        g_api.m_sowOsdOn = 1;
        g_api.m_thumbNum = 12;
        auto* cam = fx.live<PropCamera>(IDX_PROP_CAMERA);
        qstrncpy(cam->data[1].name, "Gate", sizeof cam->data[1].name);
        qstrncpy(cam->data[2].name, "Yard", sizeof cam->data[2].name);
        g_api.m_searchCh = 1;
        g_api.m_searchMode = searchMode;
        fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT)->pos = 0;
        QSignalSpy notes(&g_api, &TDVRAPI::sg_dvrNotify);
        if (screen == 1) {
            g_api.setMode(1);
        } else {
            g_api.setMode(1);
            g_api.setMode(0);
        }
        // The switch ends with a repaint of the whole OSD area.
        QVERIFY(!notes.isEmpty());
        QCOMPARE(notes.last().mid(0, 3), QVariantList({SIG_OSD_POS_UPDATE, 0, (800 << 16) + 600}));
        // The title of channel 2 is exactly what drawing titleOf's name gives.
        QImage expected(g_api.m_titleImg[2].size(), g_api.m_titleImg[2].format());
        g_api.drawOsdText(2, titleOf < 0 ? QString() : QString::fromUtf8(cam->data[titleOf].name), &expected, 0, 0);
        QCOMPARE(g_api.m_titleImg[2], expected);
        QCOMPARE(inkIn(g_api.m_titleImg[2]) > 0, titleOf >= 0);
        QCOMPARE(inkIn(g_api.m_playImg[2]), 0);
        if (screen == 0)
            return; // no decoder runs in the live view

        // The decoder reports channel 2 decoding, then a text-in line (shown
        // in the time search only with its option, off here).
        QCOMPARE(CbDecInfo(&g_api, 2, record(2, 704, 30.0, 2, 0)), 0);
        QCOMPARE(inkIn(g_api.m_playImg[2]) > 0, cellText);
        DecInfo* rec = record(0, 0, 0, 0, 0);
        qstrncpy(rec->entry[2].text, "SALE 12.50", sizeof rec->entry[2].text);
        QCOMPARE(CbDecInfo(&g_api, CBT_DEC_TEXTIN_CH + 2, rec), 0);
        const TxtinArea& a = g_api.m_txtin[2];
        QCOMPARE(inkIn(g_api.m_txtinImg, QRect(a.x, a.y, a.w, a.h)) > 0, textIn);

        // Back to live: the cell texts and the lines go.
        g_api.setMode(0);
        QCOMPARE(inkIn(g_api.m_playImg[2]), 0);
        QCOMPARE(inkIn(g_api.m_txtinImg, QRect(a.x, a.y, a.w, a.h)), 0);
    }

    void screenModes()
    {
        TDvrFixture fx("4");
        g_api.m_txtin[2].on = 1;
        g_api.m_posText[2] = QStringLiteral("SALE");
        g_api.m_searchMode = 2;
        dalTestJournalClear();
        g_api.setMode(1);
        g_api.setMode(1); // entering search twice switches once
        QCOMPARE(journalCount("DalVoutSetLive(0)"), 1);
        QCOMPARE(g_api.m_txtin[2].on, 0);
        QVERIFY(g_api.m_posText[2].isEmpty());
        QCOMPARE(g_api.isLiveMode(), 0);
        g_api.setMode(0);
        g_api.setMode(0); // live view again redraws
        QCOMPARE(journalCount("DalVoutSetLive(1)"), 2);
        QCOMPARE(g_api.m_searchMode, 0);
    }

    // Entering search shows the titles and the playback texts without the
    // live icons; leaving it for live shows the titles and the recording,
    // sensor and motion icons again.
    void modeShowsTheOsd_data()
    {
        QTest::addColumn<int>("screen");
        // title, continuous, sensor, motion, playback text
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("into search") << 1 << QList<int>{1, 0, 0, 0, 1};
        QTest::newRow("back to live") << 0 << QList<int>{1, 1, 1, 1, 0};
    }
    void modeShowsTheOsd()
    {
        QFETCH(int, screen);
        QFETCH(QList<int>, shown);
        TLiveFixture fx("16");
        g_api.initOsd();
        g_api.m_sowOsdOn = 1;
        CellOsd& cell = g_api.m_cell[5];
        QCOMPARE(cell.ch, 5);
        cell.contRec = cell.sensor = cell.motion = 1;
        g_api.setMode(1);
        if (screen == 0)
            g_api.setMode(0);
        const int items[] = {CellOsd::TITLE, CellOsd::CONT_REC, CellOsd::SENSOR, CellOsd::MOTION,
                             CellOsd::PLAY_TEXT};
        QList<int> seen;
        for (int i : items)
            seen << cell.item[i]->visible;
        QCOMPARE(seen, shown);
    }
};

QTEST_MAIN(TDvrApiPlayTest)
#include "tdvrapi-playtest.moc"
