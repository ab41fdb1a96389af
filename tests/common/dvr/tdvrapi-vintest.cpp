#include "tnetfixture.h"

#include <cstring>

namespace {
DalTestVinState input(int ch)
{
    DalTestVinState st = {};
    dalTestVinGetState(ch, &st);
    return st;
}
}

class TDvrApiVinTest : public QObject
{
    Q_OBJECT
private slots:
    void formatTexts_data()
    {
        QTest::addColumn<QVector<double>>("format"); // width, height, progressive, fps, resIdx; empty: no video
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("960 at 25: PAL") << QVector<double>{960, 576, 0, 25, 1} << QByteArray("PAL");
        QTest::newRow("944 at 60: NTSC") << QVector<double>{944, 480, 1, 60, 1} << QByteArray("NTSC");
        QTest::newRow("1080 interlaced 60") << QVector<double>{1920, 1080, 0, 60, 3} << QByteArray("1080I60");
        QTest::newRow("720 progressive 30") << QVector<double>{1280, 720, 1, 30, 2} << QByteArray("720P30");
        QTest::newRow("other size at 29.97") << QVector<double>{1024, 768, 1, 29.97, 4} << QByteArray("1024x768P29");
        QTest::newRow("no video") << QVector<double>{} << QByteArray("No Video");
    }

    void formatTexts()
    {
        QFETCH(QVector<double>, format);
        QFETCH(QByteArray, text);
        TDvrFixture fx;
        g_api.registerCallbacks();
        DalInit();
        DalStart();
        if (format.isEmpty())
            dalTestVideoLoss(4, 1);
        else // the camera changes its format: the input is set to it
            QCOMPARE(dalTestVinFormat(4, int(format[0]), int(format[1]), int(format[2]), format[3]), 0);
        const int resIdx = format.isEmpty() ? 0 : int(format[4]);
        QTRY_COMPARE(input(4).capsRes, resIdx);
        g_api.checkCamera();
        QCOMPARE(QByteArray(g_api.m_vinState.text[4]), text);
        QCOMPARE(g_api.m_vinState.resIdx[4], resIdx);
    }

    // The cameras' record a remote client reads: a shorter text after a
    // longer one leaves zeros behind its terminator, and the channels a
    // unit does not have are zeros, whatever a larger unit left there.
    void cameraInfoReply()
    {
        {
            TNetFixture twenty("20");
            g_api.checkCamera();
        }
        TNetFixture fx("16");
        QCOMPARE(dalTestVinFormat(4, 1024, 768, 1, 29.97), 0);
        QTRY_COMPARE(input(4).capsRes, 4);
        QCOMPARE(sendPacket(DNPC_RS_APP_INFO, be32(Act_InfoCamera)).mid(4 + 240 + 4 * 64, 12),
                 QByteArray("1024x768P29", 12));
        QCOMPARE(dalTestVinFormat(4, 960, 576, 0, 25), 0);
        QTRY_COMPARE(input(4).capsRes, 1);
        const QByteArray reply = sendPacket(DNPC_RS_APP_INFO, be32(Act_InfoCamera));
        QCOMPARE(reply.size(), 4 + int(sizeof(VinState)));
        const QByteArray record = reply.mid(4);
        QCOMPARE(record.mid(240 + 4 * 64, 64), field("PAL", 64));
        for (int ch = 16; ch < 20; ++ch) {
            for (int table = 0; table < 3; ++table) // resolution index, width, height
                QCOMPARE(record.mid(table * 80 + ch * 4, 4), QByteArray(4, '\0'));
            QCOMPARE(record.mid(240 + ch * 64, 64), QByteArray(64, '\0'));
        }
    }

    void privacyZone_data()
    {
        QTest::addColumn<QVector<uint>>("rows");
        QTest::addColumn<QVector<double>>("zone"); // x, y, w, h in cells of the 22 x 15 grid
        QTest::newRow("no cell") << QVector<uint>{} << QVector<double>{0, 0, 0, 0};
        // The widest row lies between the first and the last one.
        QTest::newRow("bulge in the middle") << QVector<uint>{0x30, 0xff0, 0x30} << QVector<double>{4, 0, 8, 3};
        QTest::newRow("first row right, last left") << QVector<uint>{1u << 20, 0, 2} << QVector<double>{1, 0, 20, 3};
        // Bits beyond the 22 columns and rows beyond the 15 are no cells.
        QTest::newRow("beyond the columns") << QVector<uint>{(1u << 22) | (1u << 31) | 1} << QVector<double>{0, 0, 1, 1};
        QTest::newRow("beyond the rows") << QVector<uint>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1}
                                         << QVector<double>{0, 14, 1, 1};
    }

    void privacyZone()
    {
        QFETCH(QVector<uint>, rows);
        QFETCH(QVector<double>, zone);
        TDvrFixture fx;
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        auto* prv = static_cast<PropPrivate*>(fx.cfg->getsection(IDX_PROP_PRIVATE, 0));
        std::memset(prv, 0, sizeof *prv);
        std::copy(rows.begin(), rows.end(), prv->mask[3]);
        prv->mask[1][0] = 1; // another channel, not asked for
        g_api.setPrivacy(3, 0);
        const DalTestVinState st = input(3);
        QCOMPARE(QVector<double>(st.privacy, st.privacy + 4), (QVector<double>{zone[0] / 22, zone[1] / 15, zone[2] / 22, zone[3] / 15}));
        QCOMPARE(input(1).privacySet, 0);
    }

    void settingsReachTheInputs_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QByteArrayList>("lines"); // in the journal; "-" before one that must not be
        QTest::newRow("colour") << 0 << QByteArrayList{"DalVinSetCSC(15,0,11)", "DalVinSetCSC(15,3,22)", "DalVinSetCSC(15,2,44)"};
        QTest::newRow("contrast preview") << 1 << QByteArrayList{"DalVinSetCSC(3,3,77)", "-DalVinSetCSC(2,"};
        QTest::newRow("unknown preview code") << 2 << QByteArrayList{"-DalVinSetCSC"};
        QTest::newRow("motion, sensitivity Low") << 3 << QByteArrayList{"DalVinSetMd(15,2,00000abc 00000000", "-DalVinSetMd(16"};
        QTest::newRow("motion off") << 4 << QByteArrayList{"DalVinSetMd(2,2,null)", "-DalVinSetMd(3"};
        QTest::newRow("motion trace") << 5 << QByteArrayList{"DalVinSetMdTrace(7,1)", "DalVinSetMdTrace(8,0)"};
        QTest::newRow("audio") << 6 << QByteArrayList{"DalAoutSet(3)", "DalAinLink(0 1 2 3 ...)"};
        QTest::newRow("cameras") << 7 << QByteArrayList{"DalSetCamName(0,\"Gate\")", "DalVinSetCamOff(6,1)", "DalVoutSetCovert(5,1)"};
    }

    void settingsReachTheInputs()
    {
        QFETCH(int, op);
        QFETCH(QByteArrayList, lines);
        TDvrFixture fx;
        for (int ch = 0; ch < PROP_MAX_CH; ++ch) {
            fx.live<PropColor>(IDX_PROP_COLOR)->data[ch] = ColorEntry{11, 22, 33, 44};
            fx.live<PropMotion>(IDX_PROP_MOTION)->ch[ch] = MotionChannel{0, {0xabc}};
            fx.live<PropAudio>(IDX_PROP_AUDIO)->in[ch] = ch < 4 ? ch : -1;
        }
        fx.live<PropAudio>(IDX_PROP_AUDIO)->out = 4;
        auto* cam = fx.live<PropCamera>(IDX_PROP_CAMERA);
        qstrncpy(cam->data[0].name, "Gate", 64);
        cam->data[5].covertOn = cam->data[6].disableOn = 1;
        *static_cast<PropMotion*>(fx.cfg->getsection(IDX_PROP_MOTION, 0)) = *fx.live<PropMotion>(IDX_PROP_MOTION);
        dalTestJournalClear();
        switch (op) {
        case 0: g_api.colorSetdevice(-1, 1); break;
        case 1: g_api.colorcontrol(3, 41, 77); break;
        case 2: g_api.colorcontrol(-1, 44, 77); break;
        case 3: g_api.motionSetdevice(1); break;
        case 4: g_api.motionOff(2); break;
        case 5: g_api.motionTrace(7); break;
        case 6: g_api.audioSetdevice(); break;
        case 7: g_api.camSetdevice(0); break;
        }
        for (const QByteArray& l : lines)
            QVERIFY2((dalTestJournalFind(l.mid(l.startsWith('-') ? 1 : 0).constData()) >= 0) != l.startsWith('-'), l);
    }
};

QTEST_GUILESS_MAIN(TDvrApiVinTest)
#include "tdvrapi-vintest.moc"
