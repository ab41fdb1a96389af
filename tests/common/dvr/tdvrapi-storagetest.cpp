#include "tnetfixture.h"
#include "tnotifylog.h"

#include <QRegularExpression>
#include "tsignallog.h"
#include <cstring>

namespace {
QString text(int id)
{
    return QStringLiteral("T%1").arg(id);
}

// Disk slots from a pattern: H formatted hard disk, U unformatted, B bad
// health, O optical drive, - none.
void setDisks(const QString& pattern)
{
    for (int i = 0; i < pattern.size(); ++i) {
        DalTestDisk d;
        dalTestGetDisk(i, &d);
        const char c = pattern.at(i).toLatin1();
        d.type = c == '-' ? 0 : c == 'O' ? 2 : 1;
        d.formatted = c != 'U';
        d.health = c != 'B';
        qstrncpy(d.model, "DVD-RW X", sizeof d.model);
        dalTestSetDisk(i, &d);
    }
}

// The last system-log record of a code, as "contents".
QByteArray lastLog(int code)
{
    LogRecord logs[TDVRAPI::LAST_LOGS];
    const int n = qMin(g_api.lastLogs(logs, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
    for (int i = n - 1; i >= 0; --i)
        if (logs[i].code == code)
            return QByteArray(logs[i].contents);
    return "none";
}

bool recording()
{
    DalTestEnc st;
    dalTestGetEnc(&st);
    return st.recording;
}

// What the status box was told: "title|text" of every update, "end <delay>".
QStringList statusOf(const QList<QVariantList>& notes)
{
    QStringList out;
    for (const QVariantList& a : notes) {
        if (a[0].toInt() == SIG_STATE_START || a[0].toInt() == SIG_STATE_UPDATE)
            out << a[4].toString() + QLatin1Char('|') + a[5].toString();
        else if (a[0].toInt() == SIG_STATE_END)
            out << QStringLiteral("end %1").arg(a[1].toInt());
    }
    return out;
}
}

class TDvrApiStorageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TConfig::setTextHook(&text); }
    void cleanupTestCase() { TConfig::setTextHook(nullptr); }

    void storageTexts_data()
    {
        QTest::addColumn<QString>("disks");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<int>("count"); // the device section's disk count
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("summed"); // disks in the totals
        QTest::addColumn<QString>("status");
        QTest::newRow("four disks") << "HHHH" << false << 4 << "T105 T105 T105 T105" << 4 << "OK! (1:Good 2:Good 3:Good 4:Good )";
        QTest::newRow("mirrored pairs") << "HHHH" << true << 4 << "T105 T105 T105 T105" << 2 << "OK! (1:Good 2:Good 3:Good 4:Good )";
        QTest::newRow("unformatted and bad") << "HUBH" << false << 4 << "T105 T109 T105 T105" << 3 << "OK! (1:Good 2:Good 3:Bad 4:Good )";
        QTest::newRow("none formatted") << "UUUU" << false << 2 << "T109 T109" << 0 << "1:Not Format 2:Not Format 3:Not Format 4:Not Format ";
        QTest::newRow("optical and missing") << "HO--" << false << 4 << "T105 T111 (DVD-RW X) T203 T203" << 1 << "OK! (1:Good )";
        QTest::newRow("no disk") << "----" << false << 4 << "T203 T203 T203 T203" << 0 << "1:None ";
        QTest::newRow("count beyond the tables") << "HHHH" << false << 40 << "T105 T105 T105 T105 T203 T203 T203 T203 T203 T203 T203 T203 T203 T203 T203 T203" << 4 << "OK! (1:Good 2:Good 3:Good 4:Good )";
    }

    void storageTexts()
    {
        QFETCH(QString, disks);
        QFETCH(bool, mirror);
        QFETCH(int, count);
        QFETCH(QString, texts);
        QFETCH(int, summed);
        QFETCH(QString, status);
        TDvrFixture fx("16");
        fx.live<PropDevices>(IDX_PROP_DEVICES)->storage = count;
        setDisks(disks);
        dalTestSetMirror(mirror);
        QString board;
        QCOMPARE(g_api.storageStatusText(&board), status);
        QCOMPARE(board, status);
        const StorageInfo& s = g_api.m_storage;
        QStringList got;
        for (int i = 0; i < qMin(count, 16); ++i)
            got << QString::fromUtf8(s.disk[i].text);
        QCOMPARE(got.join(' '), texts);
        const int perDisk = int(g_api.m_sdInfo[0].formatted >> 20);
        QCOMPARE(s.totalMB, summed * perDisk);
        QCOMPARE(QString::fromUtf8(s.summary), summed ? text(105) : disks.contains('U') ? text(109) : text(203));
        if (disks.startsWith("HU"))
            QCOMPARE(s.disk[1].totalMB, int(g_api.m_sdInfo[1].raw >> 20)); // raw size, not summed
        QCOMPARE(s.data, disks.indexOf('H'));
        QCOMPARE(s.oldest[0], disks.contains('H') ? 2026 : 0); // the recording span
    }

    void diskJobs_data()
    {
        QTest::addColumn<bool>("format");
        QTest::addColumn<int>("disk");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("progress"); // one status text the job shows
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("check") << false << 0 << false << "T300|HDD4 check 100%" << QByteArray();
        QTest::newRow("format one disk") << true << 2 << false << "T266|HDD3 format 50%" << QByteArray("T1053");
        QTest::newRow("format the database disk") << true << 0 << false << "T351|Database rebuild" << QByteArray("T1051");
        QTest::newRow("format all") << true << -1 << false << "T351|Database rebuild" << QByteArray("T56");
        QTest::newRow("check refused") << false << 0 << true << "T300|T212" << QByteArray("T212");
        QTest::newRow("missing disk refused") << true << 7 << false << "T266|T212" << QByteArray("T1058 T212");
    }

    void diskJobs()
    {
        QFETCH(bool, format);
        QFETCH(int, disk);
        QFETCH(bool, refused);
        QFETCH(QString, progress);
        QFETCH(QByteArray, log);
        TDvrFixture fx("16");
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        g_api.encStart();
        QVERIFY(recording());
        if (refused)
            dalTestFail("DalEncrFsckSd", -1);
        TNotifyLog notes(&g_api); // progress and end come from the stand-in's thread
        dalTestJournalClear();
        format ? g_api.formatStorage(disk, 0) : g_api.fsckStorage();
        QVERIFY(dalTestJournalFind("DalEncrStop()") >= 0);
        // Recording runs again: after the end event, or at once when refused.
        QTRY_VERIFY(recording());
        QTRY_VERIFY(statusOf(notes.take()).last().startsWith(QLatin1String("end ")));
        const QStringList status = statusOf(notes.take());
        QCOMPARE(status.first(), text(format ? 266 : 300) + QLatin1String("|T198"));
        QVERIFY2(status.contains(progress), qPrintable(status.join(", ")));
        const bool failed = progress.endsWith(text(212));
        QCOMPARE(status.last(), QStringLiteral("end %1").arg(failed ? 3000 : 0));
        QCOMPARE(lastLog(format ? LOG_FORMAT : LOG_HDD_CHECK), log);
        if (!failed) {
            QVERIFY(dalTestJournalFind("DalIoClearWdt") >= 0); // progress feeds the watchdog
            QTRY_VERIFY(notes.codes().contains(SIG_SD_INFO));
            for (int i = 0; i < 4; ++i) { // a format of a disk empties its database, every disk's for all
                const int h = Db6fOpen(qPrintable(QString("/data%1/data.db6").arg(i)), "/", 0, 0, 1, 0);
                QCOMPARE(Db6fNumMonth(h, 2026, 11), format && (disk == -1 || disk == i) ? 0 : 2);
                Db6fClose(h);
            }
        }
    }

    void smartChecks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("healthy");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("temp");
        QTest::addColumn<int>("mask"); // of SIG_ENC_SMART; SIG_ENC_SMART_TEMP: 1 sent
        // Disk 2 of four; at least 2 errors fail a disk (list position 0), above 55 C is too hot (position 9).
        QTest::newRow("errors at the limit") << int(CBT_ENC_SMART) << true << true << 2 << 40 << 0x4;
        QTest::newRow("errors below the limit") << int(CBT_ENC_SMART) << true << true << 1 << 40 << 0;
        QTest::newRow("checking off") << int(CBT_ENC_SMART) << false << true << 9 << 40 << 0;
        QTest::newRow("bad health is not read") << int(CBT_ENC_SMART) << true << false << 9 << 40 << 0;
        QTest::newRow("too hot") << int(CBT_ENC_SMART_TEMP) << true << true << 0 << 56 << 1;
        QTest::newRow("at the limit") << int(CBT_ENC_SMART_TEMP) << true << true << 0 << 55 << 0;
    }

    void smartChecks()
    {
        QFETCH(int, type);
        QFETCH(bool, on);
        QFETCH(bool, healthy);
        QFETCH(int, errors);
        QFETCH(int, temp);
        QFETCH(int, mask);
        TDvrFixture fx("16");
        auto* smart = fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = on, smart->errorcnt = 0, smart->heat = 9, smart->alarm = 0; // relay 0
        DalTestDisk d;
        dalTestGetDisk(2, &d);
        d.smart.errors = errors, d.smart.temp = temp, d.health = healthy;
        dalTestSetDisk(2, &d);
        g_api.checkStorage();
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        TSignalLog own(&g_api, &TDVRAPI::sg_fromDvr);
        dalTestEnc(type, 0, 0, nullptr);
        dalTestFlush();
        QCoreApplication::processEvents();
        const int code = type == CBT_ENC_SMART ? SIG_ENC_SMART : SIG_ENC_SMART_TEMP;
        QCOMPARE(own.count(), mask ? 1 : 0);
        QCOMPARE(dalTestJournalFind("DalIoRunAlarm(0x00000001,0x00000001)") >= 0, mask != 0);
        if (mask)
            QCOMPARE(own.first().mid(0, 2), (QVariantList{code, code == SIG_ENC_SMART ? mask : 0}));
        QCOMPARE(g_api.m_smart.valid[2], int(healthy));
        QCOMPARE(g_api.m_smart.temp[2], healthy ? temp : 0);
        QCOMPARE(g_api.m_smart.powerOnHours[3], 1800); // the values of every healthy disk
        QCoreApplication::processEvents(); // the facade's own handling, while the fixture lives
    }

    // The temperature check reads every disk of a sixteen-disk unit.
    void smartTempEveryDisk_data()
    {
        QTest::addColumn<int>("hot"); // the disk above 55 C, -1 none
        QTest::newRow("only the last disk too hot") << 15;
        QTest::newRow("only the first disk too hot") << 0;
        QTest::newRow("none too hot") << -1;
    }

    void smartTempEveryDisk()
    {
        QFETCH(int, hot);
        TDvrFixture fx("16");
        fx.live<PropDevices>(IDX_PROP_DEVICES)->storage = DAL_MAX_DISK;
        auto* smart = fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = 1, smart->errorcnt = 0, smart->heat = 9, smart->alarm = 0; // relay 0, above 55 C
        setDisks(QString(DAL_MAX_DISK, 'H'));
        for (int i = 0; i < DAL_MAX_DISK; ++i) {
            DalTestDisk d;
            dalTestGetDisk(i, &d);
            d.smart.errors = 0, d.smart.temp = i == hot ? 56 : 40;
            dalTestSetDisk(i, &d);
        }
        g_api.checkStorage();
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QSignalSpy own(&g_api, &TDVRAPI::sg_fromDvr);
        dalTestEnc(CBT_ENC_SMART_TEMP, 0, 0, nullptr);
        dalTestFlush();
        QCOMPARE(g_api.m_smart.valid[DAL_MAX_DISK - 1], 1);
        QCOMPARE(own.count(), hot >= 0 ? 1 : 0);
        QCOMPARE(dalTestJournalFind("DalIoRunAlarm(0x00000001,0x00000001)") >= 0, hot >= 0);
        QCoreApplication::processEvents(); // the facade's own handling, while the fixture lives
    }

    // The e-mail names each failing or hot disk, one line each.
    void smartMailLines()
    {
        TNetFixture fx;
        setDvrTextHook(&text);
        auto* mail = fx.live<PropNetemail>(IDX_PROP_NETEMAIL);
        mail->on = 1, mail->evt[4][0] = 1;
        auto* smart = fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = 1, smart->errorcnt = 0, smart->heat = 9;
        for (int i : {1, 3}) {
            DalTestDisk d;
            dalTestGetDisk(i, &d);
            d.smart.errors = 5, d.smart.temp = 60 + i;
            dalTestSetDisk(i, &d);
        }
        g_api.checkStorage();
        dalTestEnc(CBT_ENC_SMART, 0, 0, nullptr);
        dalTestEnc(CBT_ENC_SMART_TEMP, 0, 0, nullptr);
        auto lines = [] {
            QStringList out;
            char buf[512];
            for (int i = 0; dalTestEmailText(i, buf, sizeof buf) == 0; ++i)
                out << QString::fromUtf8(buf).remove(QRegularExpression("^\\S+ \\S+ "));
            return out;
        };
        QTRY_COMPARE(lines(), (QStringList{"T89 : HDD1 error", "T89 : HDD3 error", "T261 : HDD2 (61'C/55'C)",
                                           "T261 : HDD4 (63'C/55'C)"}));
    }

    void settingsApplied()
    {
        TDvrFixture fx;
        auto* storage = fx.live<PropStorage>(IDX_PROP_STORAGE);
        storage->autodelete = 1; // one day
        auto* smart = fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = 1, smart->day = 3, smart->time = 2;
        for (int overwrite : {1, 0}) {
            storage->overwrite = overwrite;
            g_api.strgSetdevice();
            DalTestEnc st;
            dalTestGetEnc(&st);
            QCOMPARE(st.autoDelete, overwrite ? 86400 : -1);
        }
        g_api.smartSetdevice();
        QVERIFY(dalTestJournalFind("DalEncrSetSmart(1,3,7200)") >= 0);
    }

    void firstMountLogsOnce()
    {
        TDvrFixture fx;
        setDisks("----");
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(DalEncrMountSd(), 0);
        QCOMPARE(DalEncrMountSd(), 0);
        dalTestFlush();
        // The entry names the disk summary rebuilt on the GUI thread.
        QCoreApplication::processEvents();
        QCOMPARE(lastLog(LOG_DB_HDD_BAD), QByteArray("(T203)"));
        QCOMPARE(g_api.lastLogs(nullptr, 0), 1);
        QCOMPARE(g_api.m_mountCount.load(), 2);
    }
};

QTEST_GUILESS_MAIN(TDvrApiStorageTest)
#include "tdvrapi-storagetest.moc"
