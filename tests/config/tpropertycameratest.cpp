#include "fakedvr.h"

#include <QtTest>
#include <memory>

using Prop = std::unique_ptr<TProperty>;

namespace {

QByteArray unit(int videos, int audios)
{
    return devicesGroup(testDevices(videos, audios));
}

} // namespace

// Camera, privacy-zone, audio and motion sections.
class TPropertyCameraTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void cameraSaveWritesCamerasInUse()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4)));
        qstrncpy(p->m_camera.data[1].name, "Gate", 64);
        p->m_camera.data[1].disableOn = 1;
        p->m_camera.data[2].signal = 1;
        p->m_camera.data[3].show43 = 1;
        p->m_camera.data[3].covertOn = 1;
        p->save(IDX_PROP_CAMERA);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "CAMERA"), 20);
        QCOMPARE(iniValue(ini, "CAMERA", "name00"), QByteArray("CH 1"));
        QCOMPARE(iniValue(ini, "CAMERA", "name01"), QByteArray("Gate"));
        QCOMPARE(iniValue(ini, "CAMERA", "disableOn01"), QByteArray("1"));
        QVERIFY(iniValue(ini, "CAMERA", "name04").isEmpty());
        // Cameras beyond those in use are neither read nor changed.
        PropCamera before = p->m_camera;
        qstrncpy(before.data[7].name, "kept", 64);
        Prop q(propertyFromText(root, ini));
        q->m_camera.data[7] = before.data[7];
        q->load(IDX_PROP_CAMERA);
        QCOMPARE(QByteArray(q->m_camera.data[7].name), QByteArray("kept"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(std::memcmp(&q->m_camera.data[i], &before.data[i], sizeof(CameraEntry)), 0);
    }
    void cameraLoadKeys()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4) + "[CAMERA]\nname00=Door\ndisableOn00=2\n"
                                                   "covertOn01=false\nshow4301=yes\nsignal03=x\n"));
        QCOMPARE(QByteArray(p->m_camera.data[0].name), QByteArray("Door"));
        QCOMPARE(p->m_camera.data[0].disableOn, 1);
        QCOMPARE(p->m_camera.data[1].covertOn, 0);
        QCOMPARE(p->m_camera.data[1].show43, 1);
        QCOMPARE(p->m_camera.data[3].signal, 0);
        // A missing name gives the default name, whatever the record held.
        qstrncpy(p->m_camera.data[2].name, "old", 64);
        p->load(IDX_PROP_CAMERA);
        QCOMPARE(QByteArray(p->m_camera.data[2].name), QByteArray("CH 3"));
    }
    void cameraLongNameIsCut()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(2, 2) + "[CAMERA]\nname01=" + QByteArray(100, 'n') + "\n"));
        QCOMPARE(QByteArray(p->m_camera.data[1].name), QByteArray(63, 'n'));
    }
    void privacyRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(2, 2)));
        p->m_private.mask[19][17] = 0xFFFFFFFFu;
        p->m_private.mask[0][0] = 5;
        p->save(IDX_PROP_PRIVATE);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "PRIVATE"), 20 * 18);
        QCOMPARE(iniValue(ini, "PRIVATE", "mask1917"), QByteArray("4294967295"));
        Prop q(propertyFromText(root, ini));
        QCOMPARE(std::memcmp(&q->m_private, &p->m_private, sizeof(PropPrivate)), 0);
        // Every word is rewritten: a missing key gives 0, garbage 0.
        Prop r(propertyFromText(root, unit(2, 2) + "[PRIVATE]\nmask0000=abc\nmask0001=-4\n"));
        QCOMPARE(r->m_private.mask[0][0], 0u);
        QCOMPARE(r->m_private.mask[0][1], 0u);
        QCOMPARE(r->m_private.mask[19][17], 0u);
    }
    void audio_data()
    {
        QTest::addColumn<int>("videos"); // cameras of a unit with 4 audio inputs
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QList<int>>("in"); // inputs 0..3
        QTest::addColumn<int>("out");
        QTest::newRow("no keys") << 4 << QByteArray() << QList<int>{0, 1, 2, 3} << 1;
        QTest::newRow("swapped") << 4 << QByteArray("in00=1\nin01=0\nout=3\n") << QList<int>{1, 0, 2, 3} << 3;
        QTest::newRow("repeated camera resets, out still read")
            << 4 << QByteArray("in00=1\nin01=1\nin02=3\nout=2\n") << QList<int>{0, 1, 2, 3} << 2;
        QTest::newRow("off may repeat") << 4 << QByteArray("in00=5\nin01=5\nin02=4\nin03=4\n")
                                        << QList<int>{5, 5, 4, 4} << 1;
        QTest::newRow("repeated -1 resets") << 4 << QByteArray("in00=-1\nin01=-1\n") << QList<int>{0, 1, 2, 3} << 1;
        // "Off" is the device's camera count, also beyond the 20 camera entries.
        QTest::newRow("32 cameras: 25 is a camera") << 32 << QByteArray("in00=25\nin01=25\n")
                                                    << QList<int>{0, 1, 2, 3} << 1;
        QTest::newRow("32 cameras: 32 is off") << 32 << QByteArray("in00=32\nin01=32\n")
                                               << QList<int>{32, 32, 2, 3} << 1;
    }
    void audio()
    {
        QFETCH(int, videos);
        QFETCH(QByteArray, keys);
        QFETCH(QList<int>, in);
        QFETCH(int, out);
        TTestRoot root;
        // The factory audio output (1) is the default of "out".
        Prop p(propertyWithRecords(root, "[AUDIO]\n" + keys, testDevices(videos, 4)));
        QList<int> got;
        for (int i = 0; i < 4; ++i)
            got << p->m_audio.in[i];
        QCOMPARE(got, in);
        QCOMPARE(p->m_audio.out, out);
        for (int i = 4; i < 20; ++i)
            QCOMPARE(p->m_audio.in[i], -1);
    }
    void audioWithoutInputs()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 0) + "[AUDIO]\nin00=2\nout=4\n"));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(p->m_audio.in[i], -1);
        QCOMPARE(p->m_audio.out, 4);
        p->save(IDX_PROP_AUDIO);
        QCOMPARE(groupText(root.read("/tmp/t.conf"), "AUDIO"), QByteArray("[AUDIO]\nout=4\n"));
    }
    void motionDefaults()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4)));
        QCOMPARE(p->m_motion.rows, 18);
        QCOMPARE(p->m_motion.cols, 22);
        for (int c = 0; c < 20; ++c) {
            QCOMPARE(p->m_motion.ch[c].sens, 2);
            for (int r = 0; r < 32; ++r)
                QCOMPARE(p->m_motion.ch[c].mask[r], 0xFFFFFFFFu);
        }
    }
    void motionGridFollowsEncoder()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 4)));
        p->m_motion.ch[3].sens = 0;
        p->m_motion.ch[3].mask[31] = 0x00F0F0F0u;
        p->save(IDX_PROP_MOTION);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "MOTION"), 20 * 33);
        QCOMPARE(iniValue(ini, "MOTION", "mask0000"), QByteArray("4294967295"));
        QVERIFY(iniValue(ini, "MOTION", "rows").isEmpty());
        TFakeDvr::avc().md_row = 12;
        TFakeDvr::avc().md_col = 16;
        Prop q(propertyFromText(root, ini));
        QCOMPARE(q->m_motion.rows, 12);
        QCOMPARE(q->m_motion.cols, 16);
        QCOMPARE(q->m_motion.ch[3].sens, 0);
        QCOMPARE(q->m_motion.ch[3].mask[31], 0x00F0F0F0u);
        QCOMPARE(std::memcmp(q->m_motion.ch, p->m_motion.ch, sizeof p->m_motion.ch), 0);
    }
    void defaultsResetInPlace()
    {
        TTestRoot root;
        Prop p(propertyFromText(root, unit(4, 2) + "[DEFAULT]\naudioout=3\n"));
        p->m_camera.data[15].disableOn = 1;
        p->m_private.mask[2][2] = 9;
        p->m_audio.in[0] = 7;
        p->m_motion.ch[0].sens = 0;
        p->setDefault(-1);
        QCOMPARE(QByteArray(p->m_camera.data[15].name), QByteArray("CH 16"));
        QCOMPARE(p->m_camera.data[15].disableOn, 0);
        QCOMPARE(p->m_private.mask[2][2], 0u);
        QCOMPARE(p->m_audio.in[0], 0);
        QCOMPARE(p->m_audio.in[2], -1);
        QCOMPARE(p->m_audio.out, 3);
        QCOMPARE(p->m_motion.ch[0].sens, 2);
    }
    void craftedCountsStayInTables()
    {
        TTestRoot root;
        QByteArray ini = "[DEVICES]\nvideos=1000\naudios=1000\n[AUDIO]\n";
        for (int i = 0; i < 40; ++i)
            ini += "in" + QByteArray::number(i).rightJustified(2, '0') + "=" + QByteArray::number(39 - i) + "\n";
        ini += "[CAMERA]\nname25=far\nname19=last\n";
        Prop p(propertyFromText(root, ini));
        QCOMPARE(QByteArray(p->m_camera.data[19].name), QByteArray("last"));
        // 20 inputs read, each a different camera, so nothing is reset.
        for (int i = 0; i < 20; ++i)
            QCOMPARE(p->m_audio.in[i], 39 - i);
        p->save(-1);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "CAMERA"), 100);
        QCOMPARE(iniKeyCount(out, "AUDIO"), 21);
        p->setDefault(-1);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(p->m_audio.in[i], i);
    }
};

QTEST_GUILESS_MAIN(TPropertyCameraTest)
#include "tpropertycameratest.moc"
