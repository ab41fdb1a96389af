#include "tfilesizelimit.h"
#include "tnetfixture.h"
#include "tdvrth.h"
#include "tlog.h"
#include "tquickopt.h"

#include <QDir>
#include "tsignallog.h"
#include <QSignalSpy>
#include <atomic>
#include <memory>
#include <thread>

namespace {
using Texts = QStringList;

// A facade whose jobs end at once; its status notifications as
// "title|text", the end as "end".
struct Jobs {
    TDvrFixture fx;
    TSignalLog spy{&g_api, &TDVRAPI::sg_dvrNotify};
    Jobs() { g_api.m_dvrTh->setEndDelay(0); }
    Texts status() const
    {
        Texts t;
        for (const QList<QVariant>& a : spy) {
            const int type = a.at(0).toInt();
            if (type == SIG_STATE_START || type == SIG_STATE_UPDATE)
                t << a.at(4).toString() + '|' + a.at(5).toString();
            else if (type == SIG_STATE_END)
                t << QStringLiteral("end");
        }
        return t;
    }
    bool ended(int jobs = 1) const
    {
        return QTest::qWaitFor([&] { return status().count(QStringLiteral("end")) == jobs; }, 30000);
    }
};
}

class TDvrApiJobsTest : public QObject
{
    Q_OBJECT
private slots:
    // 250 records export as 250 lines, oldest first, with progress after
    // lines 1, 101 and 201; the export's name is never taken for the log's.
    void logExport()
    {
        Jobs j;
        {
            TLog flash("/dvr/SYSTEM.log");
            const QDateTime when(QDate(2026, 12, 7), QTime(1, 2, 3));
            for (int i = 0; i < 250; ++i)
                flash.log_write(LOG_LOGIN, QByteArray("u" + QByteArray::number(i)).constData(), nullptr, &when);
        }
        g_api.init(); // the log in RAM starts from the flash copy
        g_api.m_dvrTh->setEndDelay(0);
        QCOMPARE(g_api.saveLogFile("SYSTEM.log"), 0);
        QVERIFY(j.ended());
        const QString t = QStringLiteral("SystemLog export|");
        QCOMPARE(j.status(), (Texts{t + "Please wait...", t + "0%(1/250)", t + "40%(101/250)", t + "80%(201/250)",
                                    t + "Success", "end"}));
        QCOMPARE(j.fx.root.read("/tmp/SYSTEM.log").size(), 76 * 251);
        const QList<QByteArray> lines = j.fx.root.read("/backup/SYSTEM.log").split('\n');
        QCOMPARE(lines.size(), 251);
        QCOMPARE(lines.at(0), QByteArray("00001:[2026/12/07 01:02:03] Log-In[u0]\r"));
        QCOMPARE(lines.at(249), QByteArray("00250:[2026/12/07 01:02:03] Log-In[u249]\r"));
    }

    void exportOutcome_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("existing"); // "file": the medium's folder is a file
        QTest::addColumn<QString>("result");      // "Failed" at once when the name is refused
        for (bool log : {true, false}) {
            const QString k = log ? "log: " : "conf: ";
            QTest::newRow(qPrintable(k + "same file")) << log << QByteArray("x") << QByteArray("keep") << "Failed! Same File Exist";
            QTest::newRow(qPrintable(k + "no medium")) << log << QByteArray("x") << QByteArray("file") << "Failed";
            QTest::newRow(qPrintable(k + "folder")) << log << QByteArray(log ? "a/x" : "..") << QByteArray() << "Failed";
            QTest::newRow(qPrintable(k + "name with a line break")) << log << QByteArray("a\nb") << QByteArray() << "Failed";
            QTest::newRow(qPrintable(k + "name with an escape")) << log << QByteArray("a\x1b[2Jb") << QByteArray() << "Failed";
            QTest::newRow(qPrintable(k + "full medium")) << log << QByteArray("x") << QByteArray("full") << "Failed";
            QTest::newRow(qPrintable(k + "link to a recorder file")) << log << QByteArray("x") << QByteArray("link")
                                                                     << "Failed";
            QTest::newRow(qPrintable(k + "link leading nowhere yet")) << log << QByteArray("x") << QByteArray("dangling")
                                                                      << "Failed";
        }
    }

    // Exports report what they did: an existing file stays as it was, a
    // target that cannot be written is a failure, a name is only a name.
    void exportOutcome()
    {
        QFETCH(bool, log);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, existing);
        QFETCH(QString, result);
        Jobs j;
        for (int i = 0; i < 40; ++i)
            g_api.writeLog(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData());
        QVERIFY(g_api.flushLog());
        std::unique_ptr<TFileSizeLimit> full;
        if (existing == "file") {
            QVERIFY(QDir(j.fx.root.file("/backup")).removeRecursively() && j.fx.root.write("/backup", "x"));
        } else if (existing == "link" || existing == "dangling") {
            // The medium's file leads into the recorder's own folder.
            if (existing == "link")
                QVERIFY(j.fx.root.write("/dvr/victim", QByteArray()));
            QVERIFY(QFile::link("../dvr/victim", j.fx.root.file("/backup/x")));
        } else if (existing == "full") {
            full.reset(new TFileSizeLimit(100));
        } else if (!existing.isEmpty()) {
            QVERIFY(j.fx.root.write("/backup/x", existing));
        }
        const QStringList before = j.fx.root.allFiles();
        const int r = log ? g_api.saveLogFile(name.constData()) : g_api.exportConf(name.constData());
        const bool refused = name.contains('/') || name.contains("..") || name.contains('\n') || name.contains('\x1b');
        QCOMPARE(r, refused ? -1 : 0);
        QVERIFY(j.ended());
        full.reset();
        const QString title = log ? "SystemLog export|" : "Configuration export|";
        QCOMPARE(j.status().mid(j.status().size() - 2), (Texts{title + result, "end"}));
        QCOMPARE(j.fx.root.allFiles().filter(QRegularExpression("^/(backup|dvr)")), before.filter(QRegularExpression("^/(backup|dvr)")));
        QCOMPARE(j.fx.root.read("/backup/x"), existing == "keep" ? existing : QByteArray());
        QCOMPARE(QFileInfo::exists(j.fx.root.file("/dvr/victim")), existing == "link");
        QCOMPARE(QFileInfo(j.fx.root.file("/dvr/victim")).size(), 0);
    }

    // One job at a time: a second one is refused where it shows.
    void secondJobIsBusy()
    {
        Jobs j;
        g_api.writeLog(LOG_SYSTEM_START, nullptr, nullptr);
        QCOMPARE(g_api.exportConf("a.conf"), 0);
        QCOMPARE(g_api.saveLogFile("b.txt"), -1);
        QCOMPARE(g_api.upgradeExtSd("c.fwr"), -1);
        QVERIFY(j.status().contains(QStringLiteral("SystemLog export|DVR Busy!!")));
        QVERIFY(j.status().contains(QStringLiteral("Upgrade|DVR Busy!!")));
        QVERIFY(j.ended());
        QCOMPARE(g_api.saveLogFile("b.txt"), 0); // free again
        QVERIFY(j.ended(2));
        QVERIFY(!j.fx.root.read("/backup/a.conf").isEmpty() && !j.fx.root.read("/backup/b.txt").isEmpty());
    }

    // A job's texts go to the remote client that asked for the test while
    // the client takes them on another thread: every text arrives, once.
    void jobTextsReachARemoteTestWhole()
    {
        TDvrFixture fx;
        g_api.m_dvrTh->m_mode = TDvrTh::MODE_LOG_EXPORT;
        g_api.m_nTestNet = 1;
        const int n = 200000;
        std::atomic<bool> done{false};
        QStringList taken;
        std::thread client([&] {
            QString m;
            while (!done) {
                if (g_api.takeTestResult(&m))
                    taken << m;
            }
        });
        for (int i = 0; i < n; ++i) {
            const QString text = QString::number(i);
            g_api.statusMsg(0, &text);
        }
        done = true;
        client.join();
        QString m;
        while (g_api.takeTestResult(&m))
            taken << m;
        g_api.m_nTestNet = 0;
        g_api.m_dvrTh->m_mode = TDvrTh::MODE_NONE;
        QCOMPARE(taken.size(), n);
        QCOMPARE(taken.first(), QStringLiteral("0"));
        QCOMPARE(taken.last(), QString::number(n - 1));
    }

    void firmware_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("model"); // empty: the recorder's; "damaged": a byte changed; "junk"; "-": no file
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("last");     // the last status text
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("valid") << QByteArray("SDR#1.2.3.4.fwr") << QByteArray() << 1 << "Checksum Ok" << QByteArray("1.2.3.4\n");
        QTest::newRow("no version") << QByteArray("SDR.fwr") << QByteArray() << 1 << "Checksum Ok" << QByteArray("0.0.0.0\n");
        QTest::newRow("other model") << QByteArray("X#9#2.0") << QByteArray("SDR08") << 2 << "Checksum Mismatch" << QByteArray();
        QTest::newRow("damaged") << QByteArray("SDR#1.3.fwr") << QByteArray("damaged") << 0 << "Checksum Mismatch" << QByteArray();
        QTest::newRow("missing") << QByteArray("SDR#1.4.fwr") << QByteArray("-") << 0 << "Failed" << QByteArray();
        QTest::newRow("no image") << QByteArray("SDR#1.6.fwr") << QByteArray("junk") << 0 << "Checksum Mismatch" << QByteArray();
    }

    // The image is copied, the copy checked and staged; only a valid image
    // of this model arms the upgrade, and a bad one leaves nothing behind.
    void firmware()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, model);
        QFETCH(int, result);
        QFETCH(QString, last);
        QFETCH(QByteArray, version);
        Jobs j;
        const QByteArray tool = "#!/bin/sh\nexit 0\n";
        const QByteArray path = "/backup/" + name;
        const bool own = model.isEmpty() || !model.startsWith("SDR");
        if (model != "-")
            QCOMPARE(dalTestMakeFirmware(path, own ? nullptr : model.constData(), tool.constData(), tool.size()), 0);
        QByteArray image = j.fx.root.read(path);
        if (model == "damaged")
            image[100] = char(image.at(100) ^ 1);
        if (model == "junk")
            image = QByteArray(5000, '\x1f');
        QVERIFY(model == "-" || j.fx.root.write(path, image));
        QVERIFY(j.fx.root.write("/dvr/fwr", "the image before") && j.fx.root.write("/dvr/fwr_ver", "0.9\n"));
        QCOMPARE(g_api.upgradeExtSd(name.constData()), 0);
        QVERIFY(j.ended());
        QCOMPARE(j.status().at(j.status().size() - 2), "Upgrade|" + last);
        QCOMPARE(g_api.m_dvrTh->m_result, result);
        QCOMPARE(g_api.m_fUpgrade.load(), result == 1 ? 1 : 0);
        // Recording stops before the image is taken, and stays off only for the upgrade.
        const int stopped = dalTestJournalFind("DalEncrStop()");
        QVERIFY(stopped >= 0);
        QVERIFY(model == "-" || stopped < dalTestJournalFind("DalCheckValidFwr("));
        QCOMPARE(dalTestJournalFind("DalEncrStart()") > stopped, result != 1);
        QCOMPARE(j.spy.at(j.spy.count() - 2).at(0).toInt() == SIG_UPGRADE_READY, result == 1);
        // The staged copy is checked, never the file on the medium.
        QCOMPARE(dalTestJournalFind("DalCheckValidFwr(\"/dvr/fwr.tmp\"") >= 0, model != "-");
        QCOMPARE(dalTestJournalFind("DalCheckValidFwr(\"/backup"), -1);
        QVERIFY(!QFileInfo::exists(j.fx.root.file("/dvr/fwr.tmp")));
        QCOMPARE(j.fx.root.read("/dvr/fwr"), version.isEmpty() ? QByteArray("the image before") : image);
        QCOMPARE(j.fx.root.read("/dvr/fwr_ver"), version);
        QCOMPARE(j.fx.root.read("/dvr/upgrade"), version.isEmpty() ? QByteArray() : tool);
        LogRecord r[2];
        QCOMPARE(g_api.lastLogs(r, 2), version.isEmpty() ? 2 : 1); // the upgrade, and why it failed
        QCOMPARE(version.isEmpty() ? QString::fromUtf8(r[1].contents) : last, last);
    }

    void hotKeys_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("message"); // the "Hot Key" status; "*": the format's own
        QTest::addColumn<QByteArray>("call"); // a device call it makes
        QTest::newRow("board test") << 0 << QStringList{"/dvr/board_ok.txt"} << "config BoardTest" << QByteArray();
        QTest::newRow("configuration") << 1 << QStringList{"/dvr/SDR16.conf", "/dvr/config.tmp", "/dvr/panic-record"}
                                       << "delete Configuration File" << QByteArray();
        QTest::newRow("log") << 2 << QStringList{"/dvr/SYSTEM.log"} << "delete Log File" << QByteArray();
        QTest::newRow("format every disk") << 3 << QStringList() << "*" << QByteArray("DalEncrFormatSd(-1,0)");
        QTest::newRow("output type") << 4 << QStringList() << "" << QByteArray("DalCmd(\"vga-type\",\"6\",128)");
        QTest::newRow("none") << -1 << QStringList() << "" << QByteArray();
    }

    // The service actions remove their files of the root, nothing else.
    void hotKeys()
    {
        QFETCH(int, action);
        QFETCH(QStringList, removed);
        QFETCH(QString, message);
        QFETCH(QByteArray, call);
        Jobs j;
        for (const char* f : {"/dvr/board_ok.txt", "/dvr/SDR16.conf", "/dvr/config.tmp", "/dvr/panic-record",
                              "/dvr/SYSTEM.log", "/backup/SYSTEM.log", "/tmp/board_ok.txt"})
            QVERIFY(j.fx.root.write(f, "x"));
        g_api.m_quickOpt->setTimeAlive(77);
        g_api.m_quickOpt->save();
        QStringList expected = j.fx.root.allFiles();
        for (const QString& f : removed)
            expected.removeAll(f);
        dalTestJournalClear();
        g_api.hotKeyAction(action, 1);
        QCOMPARE(j.fx.root.allFiles(), expected);
        if (message == "*") {
            // The format stops recording first and shows its own status.
            QVERIFY(!j.status().isEmpty() && !j.status().first().startsWith("Hot Key|"));
            QVERIFY(dalTestJournalFind("DalEncrStop()") >= 0);
            QVERIFY(dalTestJournalFind("DalEncrStop()") < dalTestJournalFind(call));
        } else {
            QCOMPARE(j.status(), message.isEmpty() ? Texts() : (Texts{"Hot Key|" + message, "end"}));
        }
        QCOMPARE(dalTestJournalCount() > 0 && dalTestJournalFind(call) >= 0, !call.isEmpty());
        TQuickOpt file(QStringLiteral("/dvr/quickOpt.conf"));
        file.load();
        QCOMPARE(file.timeAlive(), action == 1 ? 0 : 77); // the quick options reset
    }

    void watchdogTest()
    {
        TDvrFixture fx;
        g_api.m_wdtOn = 0; // "-disablewdt" does not keep the board from resetting
        g_api.testWdt(1);
        QCOMPARE(fx.root.read("/dvr/board_ok.txt"), QByteArray("ok", 3));
        // Readable by all, written by its owner only, never executable.
        QCOMPARE(QFileInfo(fx.root.file("/dvr/board_ok.txt")).permissions() & 0x0777,
                 QFile::ReadOther | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
        QVERIFY(dalTestJournalFind("DalIoSetWdt(1,3)") >= 0);
        g_api.testWdt(0);
        QVERIFY(!QFileInfo::exists(fx.root.file("/dvr/board_ok.txt")));
    }

    // A job's status messages go to a polling remote client while it takes
    // them from the network thread: every message arrives once, in order.
    void statusMessagesWhileClientPolls_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("messages");
        QTest::newRow("log export") << int(TDvrTh::MODE_LOG_EXPORT) << 20000;
        QTest::newRow("configuration export") << int(TDvrTh::MODE_CONF_EXPORT) << 20000;
    }

    void statusMessagesWhileClientPolls()
    {
        QFETCH(int, mode);
        QFETCH(int, messages);
        TNetFixture fx;
        const QByteArray test = TPayload().u32(Act_TestNtp).u32(0).u32(0).raw(QByteArray(140, '\0')).bytes;
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, test), be32(1));
        g_api.m_dvrTh->m_mode = mode;
        std::atomic<bool> done{false};
        std::thread job([&] {
            for (int i = 0; i < messages; ++i) {
                const QString text = QString::number(i);
                g_api.statusMsg(0, &text);
            }
            done = true;
        });
        // The network thread's side: the packet handler, polled as fast as
        // a client could.
        QStringList taken;
        std::thread client([&] {
            for (;;) {
                const bool last = done;
                NetpackReply reply;
                reply.len = 0;
                g_api.runNetpack(DNPC_RS_APP_RESULT, 0, nullptr, &reply);
                if (reply.len > 1)
                    taken << QString::fromUtf8(reinterpret_cast<const char*>(reply.buf), int(reply.len) - 1);
                else if (last)
                    break;
            }
        });
        client.join();
        job.join();
        g_api.m_dvrTh->m_mode = TDvrTh::MODE_NONE;
        QCOMPARE(taken.size(), messages);
        for (int i = 0; i < messages; ++i)
            QCOMPARE(taken.at(i), QString::number(i));
    }

    // The version an upgrade shows and stores, read from the image's name.
    void firmwareVersionFromName_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("version"); // "0.0.0.0": none taken
        QTest::newRow("version after the mark") << QByteArray("/backup/SDR16#1.0.2.0.fwr") << QByteArray("1.0.2.0");
        QTest::newRow("no mark") << QByteArray("/backup/SDR16.fwr") << QByteArray("0.0.0.0");
        QTest::newRow("line break in the version") << QByteArray("/backup/x#1.0\n2.fwr") << QByteArray("0.0.0.0");
        QTest::newRow("escape in the version") << QByteArray("/backup/x#1\x1b[0m.fwr") << QByteArray("0.0.0.0");
    }

    void firmwareVersionFromName()
    {
        QFETCH(QByteArray, path);
        char out[64] = "0.0.0.0";
        TDVRAPI::findFwr(path.constData(), out, int(sizeof out));
        QTEST(QByteArray(out), "version");
    }
};

QTEST_GUILESS_MAIN(TDvrApiJobsTest)
#include "tdvrapi-jobstest.moc"
