#include "tdvrfixture.h"

#include "tsignallog.h"
#include <QPainter>
#include <QSignalSpy>

class TDvrApiVinEvtTest : public QObject
{
    Q_OBJECT
private slots:
    void videoLossAndMotion_data()
    {
        QTest::addColumn<QVector<int>>("event"); // type, value, log code (0: none)
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("contents");
        const QByteArray hangul = QString(13, QChar(0xD55C)).toUtf8(); // 39 bytes
        QTest::newRow("video lost") << QVector<int>{CBT_VIN_VL, 1, LOG_VIDEO_LOSS} << QByteArray("Gate") << QByteArray("(Gate)");
        QTest::newRow("video back") << QVector<int>{CBT_VIN_VL, 0, LOG_VIDEO_IN} << QByteArray("Gate") << QByteArray("(Gate)");
        QTest::newRow("long name keeps its parenthesis")
            << QVector<int>{CBT_VIN_VL, 1, LOG_VIDEO_LOSS} << QByteArray(63, 'A') << "(" + QByteArray(37, 'A') + ")";
        // 37 bytes would end inside the 13th character: 12 are kept.
        QTest::newRow("cut between characters") << QVector<int>{CBT_VIN_VL, 1, LOG_VIDEO_LOSS} << hangul << "(" + hangul.left(36) + ")";
        // After one and two one-byte letters the characters end at byte 37
        // and at byte 35: the contents use the field to its last byte but one,
        // never beyond it.
        QTest::newRow("whole characters up to the field")
            << QVector<int>{CBT_VIN_VL, 1, LOG_VIDEO_LOSS} << "A" + hangul << "(A" + hangul.left(36) + ")";
        QTest::newRow("whole characters short of the field")
            << QVector<int>{CBT_VIN_VL, 1, LOG_VIDEO_LOSS} << "AA" + hangul << "(AA" + hangul.left(33) + ")";
        QTest::newRow("motion: no entry") << QVector<int>{CBT_VIN_MOTION, 1, 0} << QByteArray("Gate") << QByteArray();
    }

    void videoLossAndMotion()
    {
        QFETCH(QVector<int>, event);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, contents);
        TDvrFixture fx;
        g_api.registerCallbacks();
        DalInit();
        dalTestSetManualTicks(1); // only the event's notifications are counted
        DalStart();
        qstrncpy(fx.live<PropCamera>(IDX_PROP_CAMERA)->data[6].name, name.constData(), 64);
        fx.live<PropAlarm>(IDX_PROP_ALARM)->out[0].vlossOn[6] = fx.live<PropAlarm>(IDX_PROP_ALARM)->out[0].motionOn[6] = 1;
        AlarmOutEntry& spot = fx.live<PropAlarm>(IDX_PROP_ALARM)->out[fx.dev.alarmouts - 1]; // the spot pop-up
        spot.vlossOn[6] = spot.motionOn[6] = 1;
        int& flag = event[0] == CBT_VIN_VL ? g_api.m_cell[6].videoLoss : g_api.m_cell[6].motion;
        flag = !event[1];
        const int logs = g_api.lastLogs(nullptr, 0);
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        dalTestVin(event[0], 6, event[1], nullptr);
        dalTestVin(event[0], 16, event[1], nullptr); // beyond the 16 channels: nothing
        QTRY_VERIFY(!spy.isEmpty());
        dalTestFlush();
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().mid(0, 3), (QVariantList{event[0] == CBT_VIN_VL ? SIG_VIN_VL : SIG_VIN_MOTION, 6, event[1]}));
        QCOMPARE(flag, event[1]);
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs + (event[2] ? 1 : 0));
        LogRecord r;
        g_api.lastLogs(&r, 1);
        QVERIFY(!event[2] || (r.code == event[2] && QByteArray(r.contents) == contents));
        QVERIFY(dalTestJournalFind("DalIoRunAlarm(0x00000001,0x00000001)") >= 0); // relay 0 linked
        // The spot monitor shows the channel while its event lasts; an end
        // without a pop-up showing changes nothing there.
        DalTestVout out;
        QCOMPARE(dalTestVoutGet(2, &out), 0);
        QCOMPARE(QVector<int>({out.layout, out.chain[0], out.chain[1]}),
                 event[1] ? QVector<int>({1, 6, -1}) : QVector<int>({0, -1, -1}));
    }

    void posOverlay_data()
    {
        QTest::addColumn<QVector<int>>("event"); // type, value, m_mode, m_sowOsdOn, m_osdLock
        QTest::addColumn<QVector<int>>("shown"); // text kept, the area on, the cell repainted, the old area wiped
        const int T1 = CBT_POS_TEXTIN, T2 = CBT_POS_TEXTIN2;
        QTest::newRow("receipt") << QVector<int>{T1, 1, 0, 1, 0} << QVector<int>{1, 1, 1, 1};
        QTest::newRow("second kind: cell not blanked") << QVector<int>{T2, 1, 0, 1, 0} << QVector<int>{1, 1, 0, 0};
        QTest::newRow("value 0: area not switched on") << QVector<int>{T1, 0, 0, 1, 0} << QVector<int>{1, 0, 0, 1};
        QTest::newRow("search mode") << QVector<int>{T1, 1, 1, 1, 0} << QVector<int>{0, 0, 0, 0};
        QTest::newRow("cell texts off") << QVector<int>{T1, 1, 0, 0, 0} << QVector<int>{0, 0, 0, 0};
        QTest::newRow("updates held") << QVector<int>{T1, 1, 0, 1, 1} << QVector<int>{0, 0, 0, 0};
    }

    void posOverlay()
    {
        QFETCH(QVector<int>, event);
        QFETCH(QVector<int>, shown);
        TDvrFixture fx;
        fx.live<PropPos>(IDX_PROP_POS)->overlaytime = 2; // 30 s
        g_api.m_numvid = 1;
        g_api.m_vidwnd[0] = VidWnd{1, 4, 100, 200, 300, 400};
        g_api.m_mode = event[2];
        g_api.m_sowOsdOn = event[3];
        g_api.m_osdLock = event[4];
        fx.live<PropAlarm>(IDX_PROP_ALARM)->out[0].txtinOn[4] = 1;
        fx.live<PropAlarm>(IDX_PROP_ALARM)->out[fx.dev.alarmouts - 1].txtinOn[4] = 1; // the spot pop-up
        // The overlay image with an earlier text in the channel's text area
        // of another layout, away from the cell (100, 200, 300, 400).
        QImage& img = g_api.m_txtinImg;
        img = QImage(1920, 1080, QImage::Format_RGB555);
        img.fill(Qt::black);
        const TxtinArea old = {0, 1, 0, 0, 0, 0, 8, 6, 100, 100, 500, 700};
        g_api.m_txtin[4] = old;
        const QRect oldArea(old.x, old.y, old.w, old.h);
        {
            QPainter p(&img);
            p.fillRect(oldArea, Qt::white);
        }
        TSignalLog own(&g_api, &TDVRAPI::sg_fromDvr);
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        const QString text = QStringLiteral("TOTAL 12.50\nCASH");
        g_api.runPos(event[0], 4, event[1], text.toUtf8().constData());
        g_api.runPos(event[0], 16, event[1], "beyond the channels");
        // Notified with its text whether drawn or not.
        const int code = event[0] == CBT_POS_TEXTIN ? SIG_POS_TEXTIN : SIG_POS_TEXTIN2;
        QCOMPARE(QList<QVariantList>(own), (QList<QVariantList>{{code, 4, event[1], 0, text}}));
        QCOMPARE(g_api.posText(4), shown[0] ? text : QString());
        QCOMPARE(g_api.m_nPosDur[4], shown[0] ? 30 : 0);
        QCOMPARE(g_api.m_txtin[4].on, shown[1]);
        const QVariantList cell{SIG_OSD_POS_UPDATE, (100 << 16) + 200, (300 << 16) + 400, 0, QString(), QString()};
        QCOMPARE(int(out.contains(cell)), shown[2]);
        QVERIFY(dalTestJournalFind("DalIoRunAlarm(0x00000001,0x00000001)") >= 0); // linked, drawn or not
        QCOMPARE(dalTestJournalFind("DalVoutSetLayout(2,1,[4,-1x31])") >= 0, event[1] != 0); // spot pop-up
        // What the area showed is wiped (a new receipt blanks it; a line of
        // value 0 is drawn again where the area stands); a switched-on area
        // is placed in the cell, the text drawn there and that part repainted.
        QCOMPARE(img.pixel(oldArea.topLeft()) == 0xff000000u, shown[3] != 0);
        const TxtinArea& a = g_api.m_txtin[4];
        QCOMPARE(a.placed != 0 && QRect(a.x, a.y, a.w, a.h) == QRect(108, 240, 286, 350), shown[1] != 0);
        const QRect drawn(a.drawX, a.drawY, a.drawnW, a.drawnH);
        QCOMPARE(drawn.isValid() && QRect(100, 200, 300, 400).contains(drawn), shown[1] != 0);
        int light = 0;
        for (int y = 200; y < 600; ++y)
            for (int x = 100; x < 400; ++x)
                light += qGray(img.pixel(x, y)) > 200;
        QCOMPARE(light > 0, shown[1] != 0);
        if (shown[1])
            QVERIFY(out.contains(QVariantList{SIG_OSD_POS_UPDATE, (a.drawX << 16) + a.drawY,
                                              (a.drawnW << 16) + a.drawnH, 0, QString(), QString()}));
    }

    void posOverlayKeepsLastTextForItsTime()
    {
        TDvrFixture fx;
        fx.live<PropPos>(IDX_PROP_POS)->overlaytime = 0; // 10 s
        const QString receipt = QStringLiteral("line 1\nline 2\nline 3\n");
        g_api.runPos(CBT_POS_TEXTIN, 2, 1, "first");
        g_api.runPos(CBT_POS_TEXTIN, 2, 1, receipt.toUtf8().constData());
        // A text beyond the bound is cut, never inside a character.
        g_api.runPos(CBT_POS_TEXTIN, 3, 1, (QByteArray(1999, 'x') + QString(QChar(0xD55C)).toUtf8()).constData());
        QCOMPARE(g_api.posText(3), QString(1999, QLatin1Char('x')));
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        for (int s = 1; s <= 10; ++s) {
            QCOMPARE(g_api.posText(2), receipt);
            g_api.notify(SIG_IO_TIME, 0, s);
        }
        QCOMPARE(g_api.posText(2), QString());
        QVERIFY(out.contains(QVariantList{SIG_POS_TEXTIN, 2, 0, 0, QString(), QString()}));
    }
};

QTEST_MAIN(TDvrApiVinEvtTest)
#include "tdvrapi-vinevttest.moc"
