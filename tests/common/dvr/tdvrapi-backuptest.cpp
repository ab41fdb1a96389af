#include "tdvrfixture.h"
#include "tfilesizelimit.h"
#include "tselfchild.h"
#include "../../dal/tstderrcapture.h"

#include <QDir>
#include <csignal>
#include <atomic>
#include <cstring>
#include <thread>

namespace {
enum { USB = 0, DISC = 1 };
const uint64_t kRoom = 100000000;
// Half an hour of the first date: 16 cameras at the stand-in's rate.
const BackupRange kHalfHour = {0, 0, 8 * 3600.0, 0, 0, 8 * 3600.0 + 1800, 0};

// The spans a copy takes: the half hour, two days (from 23:00 to 01:00 of
// the next date), and the last hour of a day to its last second.
BackupRange spanOf(const QString& name)
{
    if (name == "two days")
        return {0, 0, 23 * 3600.0, 1, 0, 3600.0, 0};
    if (name == "to 23:59:59")
        return {0, 0, 23 * 3600.0, 0, 0, 86399.0, 0};
    return kHalfHour;
}

// A day read back from a backup: minutes first to last (of the day)
// recorded on the first cams channels, nothing else.
void expectDay(const ReiDay& rei, int cams, int first, int last)
{
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        uint64_t hours = 0;
        for (int h = 0; h < 24; ++h) {
            uint64_t minutes = 0;
            for (int m = 0; m < 60; ++m)
                if (ch < cams && h * 60 + m >= first && h * 60 + m <= last)
                    minutes |= uint64_t(1) << m;
            QCOMPARE(rei.minMask1[h][ch] | rei.minMask2[h][ch], minutes);
            if (minutes)
                hours |= uint64_t(1) << h;
        }
        QCOMPARE(rei.hourMask1[ch] | rei.hourMask2[ch], hours);
    }
}

// The first notification of type code (with that rs_type when rs >= 0)
// from index from on; -1 when none came.
int findSig(const QList<QVariantList>& spy, int code, int rs = -1, int from = 0)
{
    for (int i = from; i < spy.size(); ++i)
        if (spy.at(i).at(0).toInt() == code && (rs < 0 || spy.at(i).at(3).toInt() == rs))
            return i;
    return -1;
}

// Whether a copy progress above 0 % (of the step whose text ends in step,
// when given) came from index from on.
bool progressed(const QList<QVariantList>& spy, int from, const QString& step = QString())
{
    for (int i = from; i < spy.size(); ++i)
        if (spy.at(i).at(0).toInt() == SIG_BACKUP_PROGRESS && spy.at(i).at(1).toInt() > 0
            && spy.at(i).at(5).toString().endsWith(step))
            return true;
    return false;
}

// The device layer up with the facade's callbacks, and its news as a
// window receives them: queued in the test's thread.
struct Rig {
    TDvrFixture fx;
    QObject receiver;
    QList<QVariantList> spy;
    explicit Rig(const char* profile = "16")
        : fx(profile)
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
    // The source opened and the span (the half hour unless given) estimated.
    bool prepare(uint32_t camoff, const BackupRange& span = kHalfHour)
    {
        if (g_api.openBackupDb(camoff, 0) != 1 || g_api.backupEstimate(&span) != 1)
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
        // What happens after the first progress (of the step named after
        // a colon): the medium pulled out, taken out and put back, or a stop.
        QTest::addColumn<QString>("during");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("span"); // copied, then read back whole
        // The same span copied whole first: a copy that does not succeed
        // leaves that file as it was.
        QTest::addColumn<bool>("again");
        const qulonglong room = kRoom;
        QTest::newRow("stick: file written") << int(USB) << room << 0u << "" << 0 << "16" << "half hour" << false;
        QTest::newRow("stick: two days") << int(USB) << room << 0u << "" << 0 << "16" << "two days" << false;
        QTest::newRow("stick: to 23:59:59")
            << int(USB) << room << 0u << "" << 0 << "16" << "to 23:59:59" << false;
        QTest::newRow("stick: camera 32") << int(USB) << room << 0u << "" << 0 << "32" << "half hour" << false;
        QTest::newRow("disc: image and burning")
            << int(DISC) << room << 0u << "" << 0 << "16" << "half hour" << false;
        QTest::newRow("no room on the stick") << int(USB) << qulonglong(1000000) << 0u << "" << 39 << "16"
                                              << "half hour" << false;
        QTest::newRow("every camera left out")
            << int(USB) << room << 0xffffffffu << "" << 69 << "16" << "half hour" << false;
        QTest::newRow("stick pulled out") << int(USB) << room << 0u << "pull" << 68 << "16" << "half hour" << false;
        QTest::newRow("disc out while its image is made")
            << int(DISC) << room << 0u << "pull:Make ISO Image" << 68 << "16" << "half hour" << false;
        QTest::newRow("disc out and in while it is burnt")
            << int(DISC) << room << 0u << "swap:Burning" << 68 << "16" << "half hour" << false;
        QTest::newRow("stopped") << int(USB) << room << 0u << "stop" << 70 << "16" << "half hour" << false;
        QTest::newRow("disc stopped") << int(DISC) << room << 0u << "stop" << 70 << "16" << "half hour" << false;
        // One block on 4 cameras: held after it, the file written and
        // flushed but not yet named.
        QTest::newRow("stick pulled once its last block is flushed")
            << int(USB) << room << 0u << "pull" << 68 << "4" << "half hour" << false;
        QTest::newRow("stopped over an earlier copy")
            << int(USB) << room << 0u << "stop" << 70 << "16" << "half hour" << true;
        QTest::newRow("stick pulled out over an earlier copy")
            << int(USB) << room << 0u << "pull" << 68 << "16" << "half hour" << true;
        QTest::newRow("stick full") << int(USB) << room << 0u << "full" << 68 << "16" << "half hour" << false;
        QTest::newRow("a disc put in while the stick's copy runs")
            << int(USB) << room << 0u << "disc" << 0 << "16" << "half hour" << false;
        QTest::newRow("disc burning failed over an earlier copy")
            << int(DISC) << room << 0u << "swap:Burning" << 68 << "16" << "half hour" << true;
    }

    void copyEndsWithItsCode()
    {
        QFETCH(int, medium);
        QFETCH(qulonglong, room);
        QFETCH(uint, camoff);
        QFETCH(QString, during);
        QFETCH(int, end);
        QFETCH(QString, profile);
        QFETCH(QString, span);
        QFETCH(bool, again);
        Rig rig(qPrintable(profile));
        const BackupRange range = spanOf(span);
        const int cams = camoff ? 0 : profile.toInt();
        dalTestBackupMedia(medium, 1, room, 0);
        g_api.selectExtSd(5, 29, medium); // chosen in the Device list: ready at once
        QString earlierFile;
        QByteArray earlier;
        if (again) {
            QVERIFY(rig.prepare(camoff, range));
            QCOMPARE(g_api.backupStart(0), 1);
            QTRY_VERIFY(findSig(rig.spy, SIG_BACKUP_END, 0) >= 0);
            earlierFile = rig.spy.at(findSig(rig.spy, SIG_BACKUP_END, 0)).at(5).toString();
            earlier = rig.fx.root.read(earlierFile);
            QVERIFY(earlier.startsWith("DVR backup\n"));
            rig.spy.clear();
        }
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
        QVERIFY(rig.prepare(camoff, range));
        // The span and its last second: the estimate ends one past it.
        const int seconds = (range.endIdx - range.startIdx) * 86400 + int(range.endTime) + 1 - int(range.startTime);
        const uint64_t bytes = uint64_t(seconds) * cams * 100;
        QCOMPARE(g_api.backupDb().range.size, bytes);
        QCOMPARE(g_api.backupDb().range.endTime, range.endTime + 1); // answered one past the last second
        QCOMPARE(g_api.backupDb().range.startTime, range.startTime);
        QCOMPARE(g_api.backupDates().size(), 3);

        // Held after the reports of the step the row names (any step).
        const QString step = during.section(':', 1);
        const bool full = during == "full"; // a write fails past 1 MB, said with the file's name
        TFileSizeLimit limit(full ? 1000000 : -1);
        TStderrCapture err;
        dalTestBackupHold(during.isEmpty() || full ? 0
                              : step.isEmpty() ? 1
                              : step == "Burning" ? int(CBT_BACKUP_BURNING_PROG)
                                                  : int(CBT_BACKUP_MKISO_PROG));
        QCOMPARE(g_api.backupStart(0), 1);
        if (!during.isEmpty() && !full) {
            const QString action = during.section(':', 0, 0);
            QTRY_VERIFY(progressed(rig.spy, from, step));
            // Held after its first progress (of that step): the copy runs.
            QCOMPARE(g_api.isBackup(0), 1);
            if (action == "stop") {
                g_api.backupStop();
            } else if (action == "disc") {
                dalTestBackupMedia(DISC, 1, room, 0);
            } else {
                dalTestBackupMedia(medium, 0, 0, 0);
                if (action == "swap") // back before the copy looks again
                    dalTestBackupMedia(medium, 1, room, 0);
            }
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
        err.restore();
        QCOMPARE(err.text().contains(".exe: cannot be written (File too large)\n"), full);
        if (end != 0) {
            // Nothing half written stays: no file, no disc image or its copy;
            // an earlier file of the same name stays byte for byte.
            QCOMPARE(rig.backupFiles(), again ? QStringList{earlierFile.section('/', -1)} : QStringList());
            if (again)
                QCOMPARE(rig.fx.root.read(earlierFile), earlier);
            QCOMPARE(QDir(rig.fx.root.file("/tmp")).entryList({"bdimage*"}), QStringList());
            if (!step.isEmpty()) // the failed step's own words end it
                QVERIFY2(last.at(5).toString().endsWith(step + " Failed"),
                         qPrintable(last.at(5).toString()));
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

        // Read back as the search's Import opens it: the copied days (29
        // and 30 November), every camera recorded over the span and no more.
        SearchQuery q;
        std::memset(&q, 0, sizeof q);
        qstrncpy(q.db, qPrintable(file), sizeof q.db);
        q.year = 2026;
        q.month = 11;
        q.perPage = 20;
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.m_numMonth, 1);
        for (int d = 0; d < 3; ++d)
            QCOMPARE(g_api.m_monthInfo.count[29 + d], d >= range.startIdx && d <= range.endIdx ? 1 : 0);
        for (int d = range.startIdx; d <= range.endIdx; ++d) {
            QCOMPARE(g_api.loadDay(29 + d, 0, 0, 1), 1);
            const int first = d == range.startIdx ? int(range.startTime) / 60 : 0;
            const int lastMinute = d == range.endIdx ? int(range.endTime) / 60 : 1439;
            expectDay(g_api.m_reiDay, cams, first, lastMinute);
            if (QTest::currentTestFailed())
                break;
        }
        g_api.closeDb();
        // Cut short, it is no whole backup: not opened.
        QVERIFY(QFile::resize(rig.fx.root.file(file), data.size() - 1));
        QCOMPARE(g_api.readyFordb(&q), 0);
    }

    // A job is over when its end is heard: a copy the device layer is
    // asked for there and then, on its own thread, is taken, every time.
    void copyAtTheEstimatesEnd()
    {
        Rig rig;
        dalTestBackupMedia(USB, 1, kRoom, 0);
        g_api.selectExtSd(5, 29, USB);
        QCOMPARE(g_api.openBackupDb(0, 0), 1);
        std::atomic<int> refused{0}, taken{0};
        QObject direct;
        QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &direct, [&](int type, int, int, int rs) {
            if (type == SIG_BACKUP_END && rs == 1)
                ++(DalBackupStart(0) < 0 ? refused : taken);
        }, Qt::DirectConnection);
        const BackupRange tenSeconds = {0, 0, 8 * 3600.0, 0, 0, 8 * 3600.0 + 10, 0};
        for (int i = 0; i < 40 && refused == 0; ++i) { // the layer's threads meet differently each time
            QCOMPARE(g_api.backupEstimate(&tenSeconds), 1);
            QTRY_COMPARE(refused + taken, i + 1);
            DalBackupStop();
        }
        QCOMPARE(refused.load(), 0);
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
        QTest::addColumn<qulonglong>("room");
        QTest::addColumn<QString>("text");
        QTest::newRow("stick in") << true << qulonglong(kRoom) << "Success";
        QTest::newRow("no stick") << false << qulonglong(kRoom) << "No USB Device";
        QTest::newRow("no room on the stick") << true << 0ull << "Snapshot Failed";
        QTest::newRow("room exactly the picture") << true << qulonglong(64 * 48 * 3 + 13) << "Success";
    }

    void snapshotToTheStick()
    {
        QFETCH(bool, stick);
        QFETCH(qulonglong, room);
        QFETCH(QString, text);
        Rig rig;
        dalTestBackupMedia(USB, stick, room, 0);
        g_api.snapshot();
        QCOMPARE(rig.spy.first(), (QVariantList{SIG_STATE_START, 0, 0, 0, "Snapshot", "Please wait..."}));
        QTRY_VERIFY(findSig(rig.spy, SIG_STATE_UPDATE) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, SIG_STATE_UPDATE)).at(5).toString(), text);
        QCOMPARE(rig.backupFiles().size(), text == "Success" ? 1 : 0);
        QCOMPARE(g_api.bdList().bd[USB].size, text == "Success" ? room - 64 * 48 * 3 - 13 : stick ? room : 0);
    }

    // A copy ended by a kill (a power cut) leaves what it wrote under a
    // name Import never offers, and that goes when the medium is mounted
    // again (a stick) or the layer starts (a disc's copy, staged in /tmp).
    void killedCopyLeavesNothingOffered_data()
    {
        QTest::addColumn<int>("medium");
        QTest::addColumn<QString>("folder");
        QTest::newRow("stick") << int(USB) << "/backup";
        QTest::newRow("disc") << int(DISC) << "/tmp/bdimage";
    }
    void killedCopyLeavesNothingOffered()
    {
        QFETCH(int, medium);
        QFETCH(QString, folder);
        if (qEnvironmentVariableIsSet("DVR_TEST_KILLED_COPY")) { // the child: a copy held after its first block
            Rig rig;
            dalTestBackupMedia(medium, 1, kRoom, 0);
            g_api.selectExtSd(5, 29, medium);
            QVERIFY(rig.prepare(0));
            dalTestBackupHold(1);
            QCOMPARE(g_api.backupStart(0), 1);
            QTRY_VERIFY(progressed(rig.spy, 0));
            std::printf("root=%s\n", qPrintable(rig.fx.root.path()));
            std::fflush(stdout);
            QTest::qWait(60000); // killed before
            return;
        }
        QProcess child;
        startSelf(child, {QStringLiteral("killedCopyLeavesNothingOffered:") + QTest::currentDataTag()},
                  {{QStringLiteral("DVR_TEST_KILLED_COPY"), QStringLiteral("1")}});
        QByteArray out;
        QVERIFY(QTest::qWaitFor([&] {
            child.waitForReadyRead(100);
            out += child.readAll();
            const int at = out.indexOf("root=");
            return at >= 0 && out.indexOf('\n', at) > at;
        }, 30000));
        const QString root = QString::fromLocal8Bit(out.mid(out.indexOf("root=") + 5).split('\n').first());
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        const auto gone = qScopeGuard([&root] { QDir(root).removeRecursively(); });
        const QStringList left = QDir(root + folder).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), 1); // cut off by the kill
        QVERIFY2(!left.first().contains(".exe"), qPrintable(left.first()));
        TDvrFixture fx; // the stand-in anew, then on the child's root
        const QByteArray own = qgetenv("DVR_ROOT");
        qputenv("DVR_ROOT", QFile::encodeName(root));
        if (medium == USB)
            dalTestBackupMedia(USB, 1, kRoom, 1);
        else
            QVERIFY(DalInit() == 0 && DalStart() == 0);
        QCOMPARE(QDir(root + folder).entryList(QDir::Files | QDir::Hidden), QStringList());
        DalExit();
        qputenv("DVR_ROOT", own);
    }

    void eventTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("info");
        QTest::addColumn<qulonglong>("rangeSize"); // non-zero: info is a range of that size
        QTest::addColumn<QString>("msg");
        QTest::addColumn<QVariantList>("sent");
        QTest::addColumn<int>("busy"); // the backup flag after the event (set before it)
        QTest::newRow("copy progress before its size")
            << int(CBT_BACKUP_COPY_PROG) << 5 << 0ull << ""
            << QVariantList{SIG_BACKUP_PROGRESS, 0, 0, 0, "", "[5 MB/0 MB]"} << 1;
        QTest::newRow("estimate progress")
            << int(CBT_BACKUP_ESTI_PROG) << 12 << 0ull << ""
            << QVariantList{SIG_BACKUP_PROGRESS, 0, 0, 1, "", "[0 MB/12 MB]"} << 1;
        QTest::newRow("size changed") << int(CBT_BACKUP_COPY_CHANGED) << 0 << 5500000ull << "changed"
                                      << QVariantList{SIG_BACKUP_END, 71, 0, 0, "changed", "[0 MB/5 MB] Time Changed"}
                                      << 1;
        // A disc's image or burning that fails ends its copy as a failed
        // copy ends (no other end follows it), the step's text kept.
        QTest::newRow("burning failed: its step")
            << int(CBT_BACKUP_BURNING_FAILED) << 0 << 0ull << "disc"
            << QVariantList{SIG_BACKUP_PROGRESS, 0, 99, 0, "disc", "[0 MB/0 MB] Burning Failed"} << 0;
        QTest::newRow("burning failed: the end")
            << int(CBT_BACKUP_BURNING_FAILED) << 0 << 0ull << "disc"
            << QVariantList{SIG_BACKUP_END, 68, 0, 0, "disc", "[0 MB/0 MB] Burning Failed"} << 0;
        QTest::newRow("image failed: the end")
            << int(CBT_BACKUP_MKISO_FAILED) << 0 << 0ull << "disc"
            << QVariantList{SIG_BACKUP_END, 68, 0, 0, "disc", "[0 MB/0 MB] Make ISO Image Failed"} << 0;
        QTest::newRow("snapshot with both words") << int(CBT_BACKUP_SNAPSHOT) << 0 << 0ull << "Success, No USB Device"
                                                  << QVariantList{SIG_STATE_UPDATE, 0, 0, 0, "Snapshot", "Success"} << 1;
        QTest::newRow("snapshot without a stick")
            << int(CBT_BACKUP_SNAPSHOT) << 0 << 0ull << "No USB Device"
            << QVariantList{SIG_STATE_UPDATE, 0, 0, 0, "Snapshot", "No USB Device"} << 1;
        QTest::newRow("no room") << int(CBT_BACKUP_NO_SPACE) << 0 << 0ull << ""
                                 << QVariantList{SIG_BACKUP_END, 39, 0, 0, "Backup", "No Space (More Than 50MB)"} << 0;
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
        g_api.m_backupBusy = 1;
        dalTestBackup(type, info, rangeSize ? &range : nullptr, sizeof range, qPrintable(msg));
        const int code = sent.at(0).toInt();
        QTRY_VERIFY(findSig(rig.spy, code) >= 0);
        QCOMPARE(rig.spy.at(findSig(rig.spy, code)), sent);
        QTEST(g_api.isBackup(0), "busy");
        g_api.m_backupBusy = 0;
    }
};

QTEST_GUILESS_MAIN(TDvrApiBackupTest)
#include "tdvrapi-backuptest.moc"
