// The device record built at start from the device's capability records.
#include "makedevinfo.h"

#include <QtTest>
#include <cstring>

class MakeDevInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void fromRecords_data()
    {
        QTest::addColumn<QByteArray>("model"); // as the device gives its 32 bytes
        QTest::addColumn<int>("sensors");
        QTest::addColumn<int>("relays");
        QTest::addColumn<int>("lines"); // of the first input resolution
        QTest::addColumn<QByteArray>("wantModel");
        QTest::addColumn<QVector<int>>("want"); // ntsc .. netframes
        QTest::newRow("ntsc") << QByteArray("SDR16") << 16 << 4 << 480 << QByteArray("SDR16")
                              << QVector<int>{1, 1042, 11, 22, 16, 4, 16, 7, 33, 5, 1, 2, 8, 480, 240};
        QTest::newRow("no inputs or relays") << QByteArray("Z") << 0 << -1 << 480 << QByteArray("Z")
                                             << QVector<int>{1, 1042, 11, 22, 16, 4, 1, 4, 33, 5, 1, 2, 8, 480, 240};
        QTest::newRow("pal, unterminated name") << QByteArray(32, 'M') << -3 << 2 << 576 << QByteArray(31, 'M')
                                                << QVector<int>{0, 1042, 11, 22, 16, 4, 1, 5, 33, 5, 1, 2, 8, 480, 240};
    }
    void fromRecords()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, sensors);
        QFETCH(int, relays);
        QFETCH(int, lines);
        DalCaps dal{};
        AvcCaps avc{};
        std::memcpy(dal.model, model.constData(), size_t(model.size()));
        std::memcpy(dal.board, "B1", 2);
        dal.word0 = 11;
        dal.word1 = 22;
        dal.word796 = 33;
        dal.num_vin = 16;
        dal.num_ain = 4;
        dal.num_sensor = sensors;
        dal.num_alarmout = relays;
        dal.num_disk = 2;
        avc.vridx[0].yres = lines;
        avc.rridx[0].max_fps = 480;
        avc.nridx[0][0].max_fps = 240;

        PropDevices rec;
        std::memset(&rec, 0xA5, sizeof rec); // nothing of the caller's may stay
        makeDevInfo(&rec, dal, avc);
        QFETCH(QByteArray, wantModel);
        QCOMPARE(QByteArray(rec.model, 32), wantModel.leftJustified(32, '\0'));
        QCOMPARE(QByteArray(rec.board, 32), QByteArray("B1").leftJustified(32, '\0'));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rec.reserved), 64), QByteArray(64, '\0'));
        QTEST(QVector<int>(&rec.ntsc, &rec.netframes + 1), "want");
    }
};

QTEST_GUILESS_MAIN(MakeDevInfoTest)
#include "makedevinfotest.moc"
