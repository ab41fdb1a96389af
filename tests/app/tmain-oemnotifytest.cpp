// The disk notifications under the OEM variant that branches on them (5):
// each disk report restarts the recorder's panic state, and a disk the
// storage settings watch that is not formatted blinks the HDD error LED
// with the ticks; other variants do neither.
#include "tmainrig.h"
#include "tapptestmain.h"

class TMainOemNotifyTest : public QObject
{
    Q_OBJECT
private slots:
    void diskReport_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<bool>("fault"); // a watched disk is not formatted
        QTest::addColumn<int>("refresh");
        QTest::addColumn<QStringList>("led");
        QTest::newRow("0, fault") << 0 << true << 0 << QStringList{};
        QTest::newRow("5, sound disks") << 5 << false << 1 << QStringList{};
        QTest::newRow("5, fault: blinks") << 5 << true << 1
                                          << QStringList{"DalCmd(\"HDD_ERROR_LED\",\"1\",128)",
                                                         "DalCmd(\"HDD_ERROR_LED\",\"0\",128)"};
    }
    void diskReport()
    {
        QFETCH(int, oem);
        QFETCH(bool, fault);
        TMainRig rig;
        QVERIFY(rig.fx.root.write("/dvr/default.conf", QByteArray("[DEFAULT]\noem=") + TDefault::oemName(oem) + "\n"));
        TDefault unit(QStringLiteral("/dvr/default.conf"));
        unit.load(nullptr);
        g_default = &unit;
        auto* storage = rig.fx.live<PropStorage>(IDX_PROP_STORAGE);
        storage->alarm[0] = 1;
        g_api.m_sdCheck.formatted[0] = fault ? 0 : 1;
        rig.w->sl_fromDvr(SIG_SD_INFO, 0, 0);
        const int refresh = TMainRig::calls("DalEncrRefresh");
        rig.tick(2);
        const QStringList led = TMainRig::journal("DalCmd(\"HDD_ERROR_LED\"");
        g_default = nullptr;
        QTEST(refresh, "refresh");
        QTEST(led, "led");
    }
};

DVR_APP_TEST_MAIN(TMainOemNotifyTest)
#include "tmain-oemnotifytest.moc"
