#include "tdvrfixture.h"

#include <QDir>
#include <atomic>
#include <cstring>
#include <thread>

namespace {
enum { USB = 0, DISC = 1 };
const uint64_t kRoom = 100000000;
// Half an hour of the first date: 16 cameras at the stand-in's rate.
const BackupRange kHalfHour = {0, 0, 8 * 3600.0, 0, 0, 8 * 3600.0 + 1800, 0};

// The first notification of type code (with that rs_type when rs >= 0)
// from index from on; -1 when none came.
int findSig(const QList<QVariantList>& spy, int code, int rs = -1, int from = 0)
{
    for (int i = from; i < spy.size(); ++i)
        if (spy.at(i).at(0).toInt() == code && (rs < 0 || spy.at(i).at(3).toInt() == rs))
            return i;
    return -1;
}

// Whether a copy progress above 0 % came from index from on.
bool progressed(const QList<QVariantList>& spy, int from)
{
    for (int i = from; i < spy.size(); ++i)
        if (spy.at(i).at(0).toInt() == SIG_BACKUP_PROGRESS && spy.at(i).at(1).toInt() > 0)
            return true;
    return false;
}

// The device layer up with the facade's callbacks, and its news as a
// window receives them: queued in the test's thread.
struct Rig {
    TDvrFixture fx;
    QObject receiver;
    QList<QVariantList> spy;
    Rig()
    {
        QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver,
                         [this](int type, int v1, int v2, int rs, QString str, QString strm) {
                             spy.append({type, v1, v2, rs, str, strm});
                         });
        g_api.registerCallbacks();
        DalInit();
        DalStart();
    }
    ~Rig()
    {
        dalTestBackupHold(0);
        // With the callbacks gone no device thread emits any more, so the
        // connection is freed now, not left for a later emission to clean.
        g_api.unregisterCallbacks();
        QObject::disconnect(&g_api, nullptr, &receiver, nullptr);
    }
    // The source opened and the half hour estimated.
    bool prepare(uint32_t camoff)
    {
        if (g_api.openBackupDb(camoff, 0) != 1 || g_api.backupEstimate(&kHalfHour) != 1)
            return false;
        return QTest::qWaitFor([this] { return findSig(spy, SIG_BACKUP_END, 1) >= 0; });
    }
    QStringList backupFiles() const { return QDir(fx.root.file("/backup")).entryList(QDir::Files); }
};
}

class TDvrApiBackupTest : public QObject
{
    Q_OBJECT
private slots:
    void copyEndsWithItsCode_data()
    {
        QTest::addColumn<int>("medium");
        QTest::addColumn<qulonglong>("room");
        QTest::addColumn<uint>("camoff");
        QTest::addColumn<QString>("during"); // what happens after the first progress
        QTest::addColumn<int>("end");
        QTest::newRow("stick: file written") << int(USB) << qulonglong(kRoom) << 0u << "" << 0;
        QTest::newRow("disc: image and burning") << int(DISC) << qulonglong(kRoom) << 0u << "" << 0;
        QTest::newRow("no room on the stick") << int(USB) << qulonglong(1000000) << 0u << "" << 39;
        QTest::newRow("every camera left out") << int(USB) << qulonglong(kRoom) << 0xffffffffu << "" << 69;
        QTest::newRow("stick pulled out") << int(USB) << qulonglong(kRoom) << 0u << "pull" << 68;
        QTest::newRow("stopped") << int(USB) << qulonglong(kRoom) << 0u << "stop" << 70;
        QTest::newRow("disc stopped") << int(DISC) << qulonglong(kRoom) << 0u << "stop" << 70;
    }

    void copyEndsWithItsCode()
    {
        QFETCH(int, medium);
        QFETCH(qulonglong, room);
        QFETCH(uint, camoff);
        QFETCH(QString, during);
        QFETCH(int, end);
        Rig rig;
        dalTestBackupMedia(medium, 1, room, 0);
        g_api.selectExtSd(5, 29, medium); // chosen in the Device list: ready at once
        QVERIFY(rig.prepare(camoff));
        // The half hour and its last second: the estimate ends one past it.
        const uint64_t bytes = camoff ? 0 : 16 * 1801 * 100;
        QCOMPARE(g_api.backupDb().range.size, bytes);
        QCOMPARE(g_api.backupDb().range.endTime, kHalfHour.endTime + 1); // answered one past the last second
        QCOMPARE(g_api.backupDb().range.startTime, kHalfHour.startTime);
        QCOMPARE(g_api.backupDates().size(), 3);

        dalTestBackupHold(!during.isEmpty());
        const int from = rig.spy.size();
        // A listener on the layer's thread that hears the copy's end must
        // find the backup over.
        std::atomic<int> endsSeen{0}, busyAtEnd{0};
        QObject direct;
        QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &direct, [&](int type, int, int, int rs) {
            if ((type == SIG_BACKUP_END && rs == 0) || type == SIG_STATE_END) {
                busyAtEnd += g_api.isBackup(0);
                ++endsSeen; // last: once counted, the listener is done with it
            }
        }, Qt::DirectConnection);
        QCOMPARE(g_api.backupStart(0), 1);
        if (!during.isEmpty()) {
            QTRY_VERIFY(progressed(rig.spy, from));
            // Held after its first progress: the copy runs.
            QCOMPARE(g_api.isBackup(0), 1);
            if (during == "pull")
                dalTestBackupMedia(medium, 0, 0, 0);
            else
                g_api.backupStop();
            dalTestBackupHold(0);
        }
        QTRY_VERIFY(findSig(rig.spy, SIG_BACKUP_END, 0, from) >= 0);
        const QVariantList last = rig.spy.at(findSig(rig.spy, SIG_BACKUP_END, 0, from));
        QCOMPARE(last.at(1).toInt(), end);
        QCOMPARE(g_api.isBackup(0), 0);
        // The queued copy of an end can come before the listener on the
        // layer's thread has counted it: wait for every end the spy has.
        int ends = 0;
        for (int i = from; i < rig.spy.size(); ++i)
            ends += (rig.spy.at(i).at(0).toInt() == SIG_BACKUP_END && rig.spy.at(i).at(3).toInt() == 0)
                || rig.spy.at(i).at(0).toInt() == SIG_STATE_END;
        QTRY_COMPARE(endsSeen.load(), ends);
        QCOMPARE(busyAtEnd.load(), 0);
        if (end != 0) {
            QVERIFY(rig.backupFiles().isEmpty()); // nothing half written stays
            return;
        }
        // Progress to 100, then the file the layer wrote, whole.
        QList<int> percent;
        QString steps;
        for (int i = from; i < rig.spy.size(); ++i)
            if (rig.spy.at(i).at(0).toInt() == SIG_BACKUP_PROGRESS) {
                percent << rig.spy.at(i).at(1).toInt();
                steps += rig.spy.at(i).at(5).toString();
            }
        QVERIFY(percent.contains(33) && percent.contains(66));
        QCOMPARE(percent.last(), 100);
        const QString file = last.at(5).toString();
        QCOMPARE(rig.backupFiles(), QStringList{file.mid(QStringLiteral("/backup/").size())});
        const QByteArray data = rig.fx.root.read(file);
        QCOMPARE(uint64_t(data.size()), bytes);
        QVERIFY(data.startsWith("DVR backup\n"));
        DalTestBackupState st;
        dalTestBackupGetState(&st);
        QCOMPARE(QString(st.lastFile), file);
        QCOMPARE(steps.contains("[3 MB/3 MB] Make ISO Image") && steps.contains("Burning Success"), medium == DISC);
        // The medium's record: mounted, its room less the file, its size kept.
        const BdEntry e = g_api.bdList().bd[medium];
        QCOMPARE(e.mounted, 1);
        QCOMPARE(e.capacity, uint64_t(room));
        QCOMPARE(e.size, uint64_t(room) - bytes);

        // Read back as the search's Import opens it: the copied day, every
        // camera recorded over the half hour (08:00 to 08:30) and no more.
        SearchQuery q;
        std::memset(&q, 0, sizeof q);
        qstrncpy(q.db, qPrintable(file), sizeof q.db);
        q.year = 2026;
        q.month = 11;
        q.perPage = 20;
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.m_monthInfo.count[29], 1);
        QCOMPARE(g_api.m_numMonth, 1);
        QCOMPARE(g_api.loadDay(29, 0, 0, 1), 1);
        const ReiDay& rei = g_api.m_reiDay;
        for (int ch = 0; ch <= 16; ++ch) {
            QCOMPARE(rei.hourMask1[ch] | rei.hourMask2[ch], ch < 16 ? uint64_t(1) << 8 : 0);
            QCOMPARE(rei.minMask1[8][ch] | rei.minMask2[8][ch], ch < 16 ? (uint64_t(1) << 31) - 1 : 0);
        }
        g_api.closeDb();
    }

    void refusedCopyLeavesNothingRunning()
    {
        Rig rig;
        dalTestBackupMedia(USB, 1, kRoom, 1);
        QVERIFY(rig.prepare(0));
        dalTestFail("DalBackupStart", -1);
        QCOMPARE(g_api.backupStart(0), 0);
        QCOMPARE(g_api.isBackup(0), 0);
    }

    void mediaLeaveOnlyAfterTheCopy()
    {
        Rig rig;
        dalTestBackupMedia(USB, 1, kRoom, 1);
        QVERIFY(rig.prepare(0));
        dalTestBackupHold(1);
        const int from = rig.spy.size();
        QCOMPARE(g_api.backupStart(0), 1);
        QTRY_VERIFY(progressed(rig.spy, from));
        dalTestJournalClear();
        QCOMPARE(g_api.mountExtSd(5, 1, 1, DISC), -1); // no other medium under a copy
        QCOMPARE(dalTestJournalFind("DalBackupUmount"), -1);
        g_api.umountExtSd();
        const int stop = dalTestJournalFind("DalBackupStop()");
        QVERIFY(stop >= 0 && stop < dalTestJournalFind("DalBackupUmount()"));
        QTRY_VERIFY(findSig(rig.spy, SIG_BACKUP_END, 0, from) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, SIG_BACKUP_END, 0, from)).at(1).toInt(), 70);
        DalTestBackupState st;
        dalTestBackupGetState(&st);
        QCOMPARE(st.mounted + st.job + st.dbOpen, 0);
    }

    void deviceRequestsAnswerTheAskingWindow_data()
    {
        QTest::addColumn<int>("stick");      // -1 none, else its room
        QTest::addColumn<bool>("disc");
        QTest::addColumn<int>("present");
        QTest::newRow("stick") << 1000 << false << 1;
        QTest::newRow("empty stick") << 0 << false << 0;
        QTest::newRow("disc") << -1 << true << 1;
        QTest::newRow("nothing") << -1 << false << 0;
    }

    void deviceRequestsAnswerTheAskingWindow()
    {
        QFETCH(int, stick);
        QFETCH(bool, disc);
        QFETCH(int, present);
        Rig rig;
        dalTestBackupMedia(USB, stick >= 0, uint64_t(qMax(stick, 0)), 0);
        dalTestBackupMedia(DISC, disc, 4700000000ull, 0);
        dalTestFlush();
        QCoreApplication::processEvents(); // the news of putting them in
        rig.spy.clear();
        QCOMPARE(g_api.detectExtSd(5, 7), 0);
        QTRY_VERIFY(findSig(rig.spy, SIG_BD_DETECT) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, SIG_BD_DETECT)), (QVariantList{SIG_BD_DETECT, 5, 7, present, "", ""}));
        // A medium put in later is news for the window, not an answer; the
        // scan, still the last word to the devices, is answered again.
        dalTestBackupMedia(USB, 1, 1000, 0);
        QTRY_VERIFY(findSig(rig.spy, SIG_BD_INFO) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, SIG_BD_INFO)).mid(1, 3), (QVariantList{5, -1, USB}));
        QTRY_VERIFY(findSig(rig.spy, SIG_BD_DETECT, 1, findSig(rig.spy, SIG_BD_INFO)) > 0);
    }

    void deviceKinds_data()
    {
        QTest::addColumn<bool>("mount");
        QTest::addColumn<int>("bd");
        QTest::addColumn<QString>("call");
        QTest::newRow("select stick") << false << 0 << "DalBackupSetBd(0)";
        QTest::newRow("select 5 is the disc") << false << 5 << "DalBackupSetBd(1)";
        QTest::newRow("select -1 is the disc") << false << -1 << "DalBackupSetBd(1)";
        QTest::newRow("mount passes 5 on") << true << 5 << "DalBackupSetBd(5)";
    }

    void deviceKinds()
    {
        QFETCH(bool, mount);
        QFETCH(int, bd);
        QFETCH(QString, call);
        Rig rig;
        dalTestJournalClear();
        if (mount)
            QCOMPARE(g_api.mountExtSd(3, 4, 1, bd), 0);
        else
            g_api.selectExtSd(3, 4, bd);
        QVERIFY(dalTestJournalFind(qPrintable(call)) >= 0);
        QCOMPARE(dalTestJournalFind("DalBackupMount()") >= 0, mount);
    }

    void filterGoesOutOnlyWhenChanged()
    {
        Rig rig;
        g_api.openBackupDb(0x3, 1);
        dalTestJournalClear();
        g_api.setBackupFilter(0x3, 1);
        QCOMPARE(dalTestJournalFind("DalBackupSetFilter"), -1);
        g_api.setBackupFilter(0x7, 1);
        QVERIFY(dalTestJournalFind("DalBackupSetFilter(0x00000007,1)") >= 0);
    }

    void forbiddenCamerasLeftOut()
    {
        Rig rig;
        rig.fx.live<PropDevices>(IDX_PROP_DEVICES)->users = 2;
        UserAccount& guest = rig.fx.live<PropUser>(IDX_PROP_USER)->user[1];
        qstrncpy(guest.id, "guest", sizeof guest.id);
        std::memset(guest.camlocal, 1, sizeof guest.camlocal);
        guest.camlocal[2] = 0;
        g_api.setUserName("guest");
        dalTestJournalClear();
        QCOMPARE(g_api.openBackupDb(0x1, 0), 1);
        QVERIFY(dalTestJournalFind("DalBackupOpenDb(0x00000005,0x00000000)") >= 0);
        g_api.setBackupFilter(0, 0);
        QVERIFY(dalTestJournalFind("DalBackupSetFilter(0x00000004,0)") >= 0);
    }

    void datesStayWhileReplaced()
    {
        Rig rig;
        QCOMPARE(g_api.openBackupDb(0, 0), 1);
        QTRY_VERIFY(findSig(rig.spy, SIG_BD_DATE) >= 0);
        std::atomic<bool> done{false};
        std::atomic<int> torn{0};
        std::thread reader([&] {
            while (!done) {
                const QVector<BackupDate> d = g_api.backupDates();
                if (!d.isEmpty() && (d.size() != 3 || d[2].day != 1 || d[0].day != 29))
                    ++torn;
            }
        });
        // New date lists arrive on the layer's thread while a window reads.
        for (int i = 0; i < 200; ++i) {
            dalTestBackup(CBT_BACKUP_OPEN_DB, 3, nullptr, 0, nullptr);
            if (i % 50 == 0)
                g_api.closeBackupDb();
        }
        dalTestFlush();
        done = true;
        reader.join();
        QCOMPARE(torn.load(), 0);
        QCOMPARE(g_api.backupDates().size(), 3);
    }

    void snapshotToTheStick_data()
    {
        QTest::addColumn<bool>("stick");
        QTest::addColumn<QString>("text");
        QTest::newRow("stick in") << true << "Success";
        QTest::newRow("no stick") << false << "No USB Device";
    }

    void snapshotToTheStick()
    {
        QFETCH(bool, stick);
        QFETCH(QString, text);
        Rig rig;
        dalTestBackupMedia(USB, stick, kRoom, 0);
        g_api.snapshot();
        QCOMPARE(rig.spy.first(), (QVariantList{SIG_STATE_START, 0, 0, 0, "Snapshot", "Please wait..."}));
        QTRY_VERIFY(findSig(rig.spy, SIG_STATE_UPDATE) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, SIG_STATE_UPDATE)).at(5).toString(), text);
        QCOMPARE(rig.backupFiles().size(), stick ? 1 : 0);
    }

    void eventTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("info");
        QTest::addColumn<qulonglong>("rangeSize"); // non-zero: info is a range of that size
        QTest::addColumn<QString>("msg");
        QTest::addColumn<QVariantList>("sent");
        QTest::newRow("copy progress before its size")
            << int(CBT_BACKUP_COPY_PROG) << 5 << 0ull << ""
            << QVariantList{SIG_BACKUP_PROGRESS, 0, 0, 0, "", "[5 MB/0 MB]"};
        QTest::newRow("estimate progress")
            << int(CBT_BACKUP_ESTI_PROG) << 12 << 0ull << ""
            << QVariantList{SIG_BACKUP_PROGRESS, 0, 0, 1, "", "[0 MB/12 MB]"};
        QTest::newRow("size changed") << int(CBT_BACKUP_COPY_CHANGED) << 0 << 5500000ull << "changed"
                                      << QVariantList{SIG_BACKUP_END, 71, 0, 0, "changed", "[0 MB/5 MB] Time Changed"};
        QTest::newRow("burning failed") << int(CBT_BACKUP_BURNING_FAILED) << 0 << 0ull << "disc"
                                        << QVariantList{SIG_BACKUP_PROGRESS, 0, 99, 0, "disc", "[0 MB/0 MB] Burning Failed"};
        QTest::newRow("snapshot with both words") << int(CBT_BACKUP_SNAPSHOT) << 0 << 0ull << "Success, No USB Device"
                                                  << QVariantList{SIG_STATE_UPDATE, 0, 0, 0, "Snapshot", "Success"};
        QTest::newRow("snapshot without a stick") << int(CBT_BACKUP_SNAPSHOT) << 0 << 0ull << "No USB Device"
                                                  << QVariantList{SIG_STATE_UPDATE, 0, 0, 0, "Snapshot", "No USB Device"};
        QTest::newRow("no room") << int(CBT_BACKUP_NO_SPACE) << 0 << 0ull << ""
                                 << QVariantList{SIG_BACKUP_END, 39, 0, 0, "Backup", "No Space (More Than 50MB)"};
    }

    void eventTexts()
    {
        QFETCH(int, type);
        QFETCH(int, info);
        QFETCH(qulonglong, rangeSize);
        QFETCH(QString, msg);
        QFETCH(QVariantList, sent);
        Rig rig;
        BackupRange range = {};
        range.size = rangeSize;
        dalTestBackup(type, info, rangeSize ? &range : nullptr, sizeof range, qPrintable(msg));
        const int code = sent.at(0).toInt();
        QTRY_VERIFY(findSig(rig.spy, code) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, code)), sent);
    }
};

QTEST_GUILESS_MAIN(TDvrApiBackupTest)
#include "tdvrapi-backuptest.moc"
