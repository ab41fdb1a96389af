// The configuration object: start-up copy of the model file, the live and edit
// copies (apply, revert, compare, defaults), commit to flash and its failures,
// import of a configuration file, the device-record setter and the date and
// time texts.
#include "tconfigunit.h"
#include "tfilesizelimit.h"
#include "tflashfile.h"

#include <QDir>
#include <QSettings>
#include <QtTest>
#include <cerrno>
#include <cmath>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace TestUnit;

// Saves the unit's current live copy as an exported file, the way the
// device layer's export copies the RAM file to a stick.
static QString exportFile(Unit& u, const QString& name)
{
    const QString path = QStringLiteral("/backup/") + name;
    u.root.write(path, u.root.read(kRamFile));
    return path;
}

// A started unit with an OSD level and an admin password of its own, saved
// whole: the file its export copies.
static TConfig& exportingUnit(Unit& u)
{
    TConfig& cfg = u.start();
    section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 3;
    qstrncpy(section<PropUser>(cfg, IDX_PROP_USER, 1).user[0].pw, "s3cret", 16);
    cfg.save(-1);
    return cfg;
}

// A write failure while it lives: a failing step of the flash writer, or a
// size limit on every file the process writes (a full disk: short writes).
struct TWriteFault {
    TWriteFault(int step, qint64 sizeLimit)
    {
        s_step = step;
        TFlashFile::setFaultHook([](TFlashFile::Step st, const QString&) { return st == s_step ? EIO : 0; });
        if (sizeLimit > 0)
            full.emplace(sizeLimit);
    }
    ~TWriteFault() { TFlashFile::setFaultHook(nullptr); }
    static inline int s_step = -1;
    std::optional<TFileSizeLimit> full;
};

class TConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void modelFileFallback_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("haveModel");
        QTest::addColumn<int>("expectedMark");

        // "[X]\nmark=1\n" is 11 bytes; without its last newline it is 10.
        QTest::newRow("11 bytes: model file itself") << QByteArray("[X]\nmark=1\n") << true << 1;
        QTest::newRow("10 bytes: commit file") << QByteArray("[X]\nmark=1") << true << 2;
        QTest::newRow("empty: commit file") << QByteArray() << true << 2;
        QTest::newRow("missing: commit file") << QByteArray() << false << 2;
        QTest::newRow("full file") << QByteArray("[X]\nmark=1\n[DTFORM]\ndate=2\n") << true << 1;
    }
    void modelFileFallback()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, haveModel);
        QFETCH(int, expectedMark);

        Unit u;
        QVERIFY(u.root.write(kCommitFile, "[X]\nmark=2\n[DTFORM]\ndate=1\n"));
        if (haveModel)
            QVERIFY(u.root.write(kModelFile, model));
        TConfig cfg(QString::fromLatin1(kModelFile), &u.devices, &u.defaults);

        QSettings ram(u.root.file(kRamFile), QSettings::IniFormat);
        QCOMPARE(ram.value("X/mark").toInt(), expectedMark);
        // The live copy was loaded from what was copied.
        const int expectedDate = expectedMark == 2 ? 1 : (model.contains("date=2") ? 2 : 0);
        QCOMPARE(section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).date, expectedDate);
        // The model file is never written at start.
        if (haveModel)
            QCOMPARE(u.root.read(kModelFile), model);
    }
    void startWritesDevicesAndDefault()
    {
        Unit u;
        QVERIFY(u.root.write(kModelFile, "[DEVICES]\nmodel=OTHER\nvideos=4\n[OSD]\nalpha=3\n"));
        TConfig& cfg = u.start();

        const QByteArray devices(reinterpret_cast<const char*>(&u.devices), sizeof u.devices);
        QCOMPARE(QByteArray(static_cast<const char*>(cfg.getsection(0, 1)), sizeof u.devices), devices);
        QCOMPARE(QByteArray(static_cast<const char*>(cfg.getsection(0, 0)), sizeof u.devices), devices);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha, 3);
        // The edit copy holds defaults until the first reload.
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha, 7);

        QSettings ram(u.root.file(kRamFile), QSettings::IniFormat);
        QCOMPARE(ram.value("DEVICES/model").toString(), QStringLiteral("DVR16"));
        QCOMPARE(ram.value("DEVICES/videos").toInt(), 16);
    }
    void getsection_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("live");
        QTest::addColumn<bool>("valid");
        QTest::newRow("37 live") << 37 << 1 << false;
        QTest::newRow("-1 edit") << -1 << 0 << false;
        QTest::newRow("min int") << int(0x80000000) << 1 << false;
        QTest::newRow("0 edit") << 0 << 0 << true;
        QTest::newRow("31 live") << 31 << 1 << true;
        QTest::newRow("36 edit") << 36 << 0 << true;
    }
    void getsection()
    {
        QFETCH(int, idx);
        QFETCH(int, live);
        QFETCH(bool, valid);
        Unit u;
        TConfig& cfg = u.start();
        void* p = cfg.getsection(idx, live);
        QCOMPARE(p != nullptr, valid);
        if (!valid)
            return;
        // Live and edit records are distinct objects.
        QVERIFY(cfg.getsection(idx, live) != cfg.getsection(idx, !live));
        if (idx == IDX_PROP_DEFAULT)
            QCOMPARE(std::memcmp(p, &u.defaults, sizeof u.defaults), 0);
    }
    void applyAndRevertOutsideRange_data()
    {
        QTest::addColumn<int>("idx");
        QTest::newRow("devices") << 0;
        QTest::newRow("dal caps") << 36;
        QTest::newRow("37") << 37;
        QTest::newRow("negative") << -1;
    }
    void applyAndRevertOutsideRange()
    {
        QFETCH(int, idx);
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        section<PropDevices>(cfg, 0, 0).audios = 9;
        section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 0).cnt = 5;
        section<DalCaps>(cfg, IDX_PROP_DALCAPS, 0).num_vin = 3;
        const QByteArray live = snapshot(cfg, 1);
        const QByteArray edit = snapshot(cfg, 0);
        char buf[64] = {};
        QCOMPARE(cfg.apply(idx, buf, buf, 1), 0);
        QCOMPARE(cfg.revert(idx, buf, buf), 0);
        QCOMPARE(snapshot(cfg, 1), live);
        QCOMPARE(snapshot(cfg, 0), edit);
        QCOMPARE(buf[0], char(0)); // nothing copied out
    }
    void applyUnchangedWritesNothing()
    {
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        const QByteArray ram = u.root.read(kRamFile);
        // Edit the file behind the live copy's back: a save would rewrite it.
        QVERIFY(u.root.write(kRamFile, ram + "[Y]\nz=1\n"));
        QCOMPARE(cfg.apply(IDX_PROP_OSD, nullptr, nullptr, 1), 0);
        QCOMPARE(u.root.read(kRamFile), ram + "[Y]\nz=1\n");
    }
    void applyChangedSavesToRamOnly()
    {
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray flash = u.root.read(kModelFile);
        cfg.reload(QString());
        QCOMPARE(cfg.ismodified(), 0);

        PropOsd before = section<PropOsd>(cfg, IDX_PROP_OSD, 1);
        section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha = 4;
        QCOMPARE(cfg.ismodified(), 1);

        PropOsd newOut{}, oldOut{};
        QCOMPARE(cfg.apply(IDX_PROP_OSD, &newOut, &oldOut, 1), 1);
        QCOMPARE(newOut.alpha, 4);
        QCOMPARE(std::memcmp(&oldOut, &before, sizeof before), 0);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha, 4);
        QCOMPARE(cfg.ismodified(), 0);

        QSettings ram(u.root.file(kRamFile), QSettings::IniFormat);
        QCOMPARE(ram.value("OSD/alpha").toInt(), 4);
        QCOMPARE(u.root.read(kModelFile), flash);

        // Without the save flag the record moves but the file stays.
        section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha = 5;
        QCOMPARE(cfg.apply(IDX_PROP_OSD, nullptr, nullptr, 0), 1);
        QSettings ram2(u.root.file(kRamFile), QSettings::IniFormat);
        QCOMPARE(ram2.value("OSD/alpha").toInt(), 4);
    }
    void revertRestoresEdit()
    {
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        const QByteArray ram = u.root.read(kRamFile);
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date = 2;
        PropDtform newOut{}, oldOut{};
        QCOMPARE(cfg.revert(IDX_PROP_DTFORM, &newOut, &oldOut), 1);
        QCOMPARE(newOut.date, 2);
        QCOMPARE(oldOut.date, section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).date);
        QCOMPARE(section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date, oldOut.date);
        QCOMPARE(cfg.ismodified(), 0);
        QCOMPARE(cfg.revert(IDX_PROP_DTFORM, nullptr, nullptr), 0);
        QCOMPARE(u.root.read(kRamFile), ram);
    }
    void ismodifiedIgnoresNonEditSections()
    {
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        section<PropDevices>(cfg, 0, 0).videos = 4;
        section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 0).cnt = 2;
        section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 0).cnt = 7;
        section<AvcCaps>(cfg, IDX_PROP_AVCCAPS, 0).num_fidx = 1;
        section<DalCaps>(cfg, IDX_PROP_DALCAPS, 0).num_vin = 1;
        QCOMPARE(cfg.ismodified(), 0);
        // The last compared section counts.
        section<PropSearchopt>(cfg, IDX_PROP_SEARCHOPT, 0).Range = 1;
        QCOMPARE(cfg.ismodified(), 1);
    }
    void setdefaultTouchesEditOnly()
    {
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha = 2;
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 2;
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date = 2;
        cfg.setdefault(IDX_PROP_OSD);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha, 7);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha, 2);
        QCOMPARE(section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date, 2);
        cfg.setdefault(-1);
        QCOMPARE(section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date, 0);
    }
    void reloadEmptyCopiesLive()
    {
        Unit u;
        QVERIFY(u.root.write(kModelFile, "[OSD]\nalpha=3\n[DTFORM]\ndate=2\ntime=1\n"));
        TConfig& cfg = u.start();
        QCOMPARE(cfg.ismodified(), 1); // edit copy still at defaults
        section<PropDevices>(cfg, 0, 0).version = 1;
        QCOMPARE(cfg.reload(QString()), 0);
        QCOMPARE(cfg.ismodified(), 0);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha, 3);
        QCOMPARE(section<PropDevices>(cfg, 0, 0).version, u.devices.version);
        for (int idx = 0; idx <= 34; ++idx) {
            QVERIFY2(std::memcmp(cfg.getsection(idx, 0), cfg.getsection(idx, 1),
                                 size_t(TProperty::sectionSize(idx))) == 0,
                     qPrintable(QString::number(idx)));
        }
    }
    void commitGivesIdenticalFiles()
    {
        Unit u;
        TConfig& cfg = u.start();
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 5;
        cfg.save(-1);
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray ram = u.root.read(kRamFile);
        QVERIFY(ram.size() > 1000);
        QCOMPARE(u.root.read(kCommitFile), ram);
        QCOMPARE(u.root.read(kModelFile), ram);
        // No temporary files are left beside the targets.
        const QStringList files = u.root.allFiles().filter(QStringLiteral("/dvr/"));
        QCOMPARE(files, QStringList({QStringLiteral("/dvr/DVR16.conf"), QStringLiteral("/dvr/config.tmp")}));
    }
    void commitFailureKeepsModelFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing RAM file") << "missing";
        QTest::newRow("RAM file cut short") << "short";
        QTest::newRow("commit file is a directory") << "directory";
        QTest::newRow("flash full") << "size";
        QTest::newRow("RAM file removed, one section saved") << "lost sections";
        QTest::newRow("RAM file without the device record") << "no devices";
        const char* const steps[] = {"open", "read", "write", "sync", "close", "rename", "folder sync"};
        for (int step = TFlashFile::StepOpen; step <= TFlashFile::StepSyncDir; ++step)
            QTest::addRow("%s fails", steps[step]) << QString::number(step);
    }
    void commitFailureKeepsModelFile()
    {
        QFETCH(QString, failure);
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray committed = u.root.read(kModelFile);

        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 2;
        cfg.save(IDX_PROP_OSD);
        QVERIFY(u.root.read(kRamFile) != committed);

        if (failure == QLatin1String("missing")) {
            QVERIFY(QFile::remove(u.root.file(kRamFile)));
        } else if (failure == QLatin1String("short")) {
            QVERIFY(u.root.write(kRamFile, "[OSD]\n"));
        } else if (failure == QLatin1String("lost sections")) {
            QVERIFY(QFile::remove(u.root.file(kRamFile)));
            section<PropDisplay>(cfg, IDX_PROP_DISPLAY, 1).bri += 1;
            QCOMPARE(cfg.save(IDX_PROP_DISPLAY), 0);
            QVERIFY(u.root.read(kRamFile).size() > 11);
        } else if (failure == QLatin1String("no devices")) {
            QByteArray ram = u.root.read(kRamFile);
            QVERIFY(ram.contains("[DEVICES]"));
            QVERIFY(u.root.write(kRamFile, ram.replace("[DEVICES]", "[DEVICEZ]")));
        } else if (failure == QLatin1String("directory")) {
            QVERIFY(QFile::remove(u.root.file(kCommitFile)));
            QVERIFY(QDir().mkpath(u.root.file(kCommitFile)));
        }
        bool isStep = false;
        const int step = failure.toInt(&isStep);
        auto fault = std::make_unique<TWriteFault>(isStep ? step : -1, failure == "size" ? committed.size() / 2 : 0);
        QVERIFY(cfg.commitfile() != 0);
        fault.reset();
        QCOMPARE(u.root.read(kModelFile), committed);
        // Only a failed sync of the folder comes after the commit file was replaced.
        if (failure != QLatin1String("directory") && step != TFlashFile::StepSyncDir)
            QCOMPARE(u.root.read(kCommitFile), committed);
        for (const QString& f : u.root.allFiles().filter(QStringLiteral("/dvr/")))
            QVERIFY2(f == QLatin1String(kModelFile) || f.startsWith(QLatin1String(kCommitFile)), qPrintable(f));
    }
    void saveFailureKeepsFlash_data()
    {
        QTest::addColumn<qint64>("sizeLimit"); // as a part of the RAM file; 0 none
        QTest::addColumn<int>("step");
        QTest::newRow("write refused") << qint64(10) << -1;
        QTest::newRow("file cut at its end") << qint64(-10) << -1;
        QTest::newRow("sync fails") << qint64(0) << int(TFlashFile::StepSync);
    }
    void saveFailureKeepsFlash()
    {
        QFETCH(qint64, sizeLimit);
        QFETCH(int, step);
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray committed = u.root.read(kModelFile);

        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 6;
        const qint64 ramSize = u.root.read(kRamFile).size();
        auto fault = std::make_unique<TWriteFault>(step, sizeLimit < 0 ? ramSize + sizeLimit : sizeLimit);
        QVERIFY(cfg.save(IDX_PROP_OSD) != 0);
        QVERIFY(cfg.commitfile() != 0);
        QCOMPARE(u.root.read(kModelFile), committed);
        // Once the fault is gone the commit writes the RAM file whole again first.
        fault.reset();
        QCOMPARE(cfg.commitfile(), 0);
        QCOMPARE(u.root.read(kModelFile), u.root.read(kRamFile));
        QCOMPARE(QSettings(u.root.file(kModelFile), QSettings::IniFormat).value("OSD/alpha").toInt(), 6);
        QCOMPARE(cfg.save(-1), 0); // the error QSettings keeps fails no later save
    }
    void startRemovesEditCopiesOfCrashedRuns_data()
    {
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<bool>("kept");
        QTest::newRow("ended process") << qint64(2147483647) << false;
        QTest::newRow("id out of range") << qint64(99999999999LL) << false;
        QTest::newRow("this process") << qint64(getpid()) << true;
        QTest::newRow("running process") << qint64(getppid()) << true;
    }
    void startRemovesEditCopiesOfCrashedRuns()
    {
        QFETCH(qint64, pid);
        Unit u;
        const QString left = QStringLiteral("/tmp/.tproperty-%1-7.conf").arg(pid);
        const QString other = QStringLiteral("/tmp/.tproperty-notes.conf"); // no edit copy
        QVERIFY(u.root.write(left, "[OSD]\nalpha=3\n") && u.root.write(other, "x"));
        u.start();
        QTEST(QFile::exists(u.root.file(left)), "kept");
        QVERIFY(QFile::exists(u.root.file(other)));
    }
    void commitThenRestartGivesSameConfiguration()
    {
        Unit u;
        TConfig& cfg = u.start();
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 3;
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).time = 1;
        section<PropColor>(cfg, IDX_PROP_COLOR, 1).data[15].hue = 77;
        cfg.save(-1);
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray before = snapshot(cfg, 1);

        // A power cut: RAM is gone, flash keeps the committed file.
        u.cfg.reset();
        g_cfg = nullptr;
        QVERIFY(QFile::remove(u.root.file(kRamFile)));
        TConfig& again = u.start();
        QCOMPARE(snapshot(again, 1), before);
    }
    void importMatchingFile()
    {
        Unit u;
        TConfig& cfg = u.start();
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 3;
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).date = 2;
        section<PropColor>(cfg, IDX_PROP_COLOR, 1).data[3].bri = 11;
        cfg.save(-1);
        const QString path = exportFile(u, QStringLiteral("cfg.conf"));
        {
            QSettings s(u.root.file(path), QSettings::IniFormat);
            s.setValue("DEVICES/version", 7);
        }
        // Back to the factory state on the unit.
        u.cfg.reset();
        g_cfg = nullptr;
        QVERIFY(QFile::remove(u.root.file(kRamFile)));
        TConfig& fresh = u.start();
        fresh.reload(QString());
        const QByteArray live = snapshot(fresh, 1);
        const AvcCaps caps = section<AvcCaps>(fresh, IDX_PROP_AVCCAPS, 0);

        QCOMPARE(fresh.reload(u.root.file(path)), 0);
        QCOMPARE(section<PropOsd>(fresh, IDX_PROP_OSD, 0).alpha, 3);
        QCOMPARE(section<PropDtform>(fresh, IDX_PROP_DTFORM, 0).date, 2);
        QCOMPARE(section<PropColor>(fresh, IDX_PROP_COLOR, 0).data[3].bri, uint8_t(11));
        QCOMPARE(section<PropDevices>(fresh, 0, 0).version, u.devices.version);
        QCOMPARE(std::memcmp(&section<AvcCaps>(fresh, IDX_PROP_AVCCAPS, 0), &caps, sizeof caps), 0);
        QCOMPARE(snapshot(fresh, 1), live); // the live copy waits for apply
        QCOMPARE(fresh.ismodified(), 1);

        // Applying every section makes the import live.
        for (int idx = 1; idx <= 32; ++idx)
            fresh.apply(idx, nullptr, nullptr, 1);
        QCOMPARE(fresh.ismodified(), 0);
        QCOMPARE(section<PropOsd>(fresh, IDX_PROP_OSD, 1).alpha, 3);
        QCOMPARE(fresh.commitfile(), 0);
        QSettings flash(u.root.file(kModelFile), QSettings::IniFormat);
        QCOMPARE(flash.value("OSD/alpha").toInt(), 3);
    }
    void importKeepsUnitDeviceRecord()
    {
        Unit u;
        TConfig& cfg = u.start();
        section<PropColor>(cfg, IDX_PROP_COLOR, 1).data[15].sat = 66;
        cfg.save(-1);
        const QString path = exportFile(u, QStringLiteral("counts.conf"));
        {
            // Same model and channel count, other counts: the file cannot
            // change what the unit has.
            QSettings s(u.root.file(path), QSettings::IniFormat);
            s.setValue("DEVICES/audios", 1);
            s.setValue("DEVICES/alarmouts", 99999);
            s.setValue("DEVICES/board", "FOREIGN");
        }
        cfg.reload(QString());
        const PropDevices unit = section<PropDevices>(cfg, 0, 0);
        const QByteArray source = u.root.read(path);
        QCOMPARE(cfg.reload(u.root.file(path)), 0);
        QCOMPARE(std::memcmp(&section<PropDevices>(cfg, 0, 0), &unit, sizeof unit), 0);
        QCOMPARE(u.root.read(path), source); // the stick's file is left alone
        QCOMPARE(section<PropColor>(cfg, IDX_PROP_COLOR, 0).data[15].sat, uint8_t(66));
    }
    // The MAC text and the device's driver and zone tables are the unit's:
    // a file from another unit brings its own, and they stay out.
    void importKeepsUnitOwnTables_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("MAC") << "NETDDNS/mac" << "de:ad:be:ef:00:01";
        QTest::newRow("time zones") << "TIMEZONE/cnt" << "0";
        QTest::newRow("PTZ drivers") << "PTZDRV/cnt" << "0";
    }
    void importKeepsUnitOwnTables()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        Unit u;
        TConfig& cfg = u.start();
        qstrncpy(section<PropNetddns>(cfg, IDX_PROP_NETDDNS, 1).mac, "00:11:22:33:44:55", 32);
        section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1).cnt = 2;
        qstrncpy(section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1).zone[1].local, "GMT+09:00 Seoul", 44);
        section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 1).cnt = 1;
        qstrncpy(section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 1).driver[0], "PELCO-D", 32);
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 2;
        cfg.save(-1);
        const QString path = exportFile(u, QStringLiteral("other.conf"));
        {
            QSettings s(u.root.file(path), QSettings::IniFormat);
            s.setValue(key, value);
        }
        cfg.reload(QString());
        const QByteArray mac(section<PropNetddns>(cfg, IDX_PROP_NETDDNS, 1).mac);
        QCOMPARE(cfg.reload(u.root.file(path)), 0);
        QCOMPARE(QByteArray(section<PropNetddns>(cfg, IDX_PROP_NETDDNS, 0).mac), mac);
        QCOMPARE(std::memcmp(&section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 0),
                             &section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1), sizeof(PropTimezone)), 0);
        QCOMPARE(std::memcmp(&section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 0),
                             &section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 1), sizeof(PropPtzdrv)), 0);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha, 2);
    }
    void importThenCancel()
    {
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(cfg.commitfile(), 0);
        const QByteArray flash = u.root.read(kModelFile);
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 2;
        section<PropDisplay>(cfg, IDX_PROP_DISPLAY, 1).seqdur = 3;
        cfg.save(-1);
        const QString path = exportFile(u, QStringLiteral("cancel.conf"));
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 7;
        section<PropDisplay>(cfg, IDX_PROP_DISPLAY, 1).seqdur = 0;
        cfg.save(-1);
        const QByteArray ram = u.root.read(kRamFile);
        cfg.reload(QString());
        const QByteArray live = snapshot(cfg, 1);

        QCOMPARE(cfg.reload(u.root.file(path)), 0);
        QCOMPARE(section<PropDisplay>(cfg, IDX_PROP_DISPLAY, 0).seqdur, 3);
        // CANCEL: every section that differs goes back to the live values.
        int reverted = 0;
        for (int idx = 1; idx <= 32; ++idx)
            reverted += cfg.revert(idx, nullptr, nullptr);
        QCOMPARE(reverted, 2);
        QCOMPARE(cfg.ismodified(), 0);
        // Sections 0..34 as live (the capability caches are never copied).
        int copied = 0;
        for (int idx = 0; idx <= 34; ++idx)
            copied += TProperty::sectionSize(idx);
        QCOMPARE(snapshot(cfg, 0).left(copied), live.left(copied));
        QCOMPARE(snapshot(cfg, 1), live);
        QCOMPARE(u.root.read(kRamFile), ram);
        QCOMPARE(u.root.read(kModelFile), flash);
    }
    void importRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("other model") << "model";
        QTest::newRow("model with a suffix") << "suffix";
        QTest::newRow("other channel count") << "videos";
        QTest::newRow("no DEVICES group") << "nodevices";
        QTest::newRow("missing file") << "missing";
        QTest::newRow("directory") << "directory";
        QTest::newRow("oversized file") << "huge";
        // Cut short (a stick pulled during an export) after its DEVICES
        // group, or damaged inside a group.
        QTest::newRow("cut at 25 %") << "cut25";
        QTest::newRow("cut at 60 %") << "cut60";
        QTest::newRow("cut at 90 %") << "cut90";
        QTest::newRow("cut at 98 %") << "cut98";
        QTest::newRow("cut at 99 %") << "cut99";
        // Cut inside the last group, which holds the passwords: right after
        // its header, at the start of the admin password's line, inside it.
        QTest::newRow("cut after the last header") << "header";
        QTest::newRow("cut before the admin password") << "beforepw";
        QTest::newRow("cut inside the admin password") << "insidepw";
        QTest::newRow("cut inside the last line") << "lastline";
        QTest::newRow("NUL byte inside USER") << "nul";
        QTest::newRow("not UTF-8") << "latin1";
    }
    void importRefused()
    {
        QFETCH(QString, kind);
        Unit u;
        TConfig& cfg = exportingUnit(u);
        QString path = exportFile(u, QStringLiteral("bad.conf"));
        const QString file = u.root.file(path);
        {
            QSettings s(file, QSettings::IniFormat);
            if (kind == QLatin1String("model"))
                s.setValue("DEVICES/model", "DVR08");
            else if (kind == QLatin1String("suffix"))
                s.setValue("DEVICES/model", "DVR16X");
            else if (kind == QLatin1String("videos"))
                s.setValue("DEVICES/videos", 8);
            else if (kind == QLatin1String("nodevices"))
                s.remove("DEVICES");
        }
        if (kind == QLatin1String("missing")) {
            QFile::remove(file);
        } else if (kind == QLatin1String("directory")) {
            QFile::remove(file);
            QDir().mkpath(file);
        } else if (kind == QLatin1String("huge")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::Append));
            f.write("[PAD]\n");
            const QByteArray line(1023, 'x');
            for (int i = 0; i < 4200; ++i)
                f.write("k" + QByteArray::number(i) + "=" + line + "\n");
        } else if (kind == QLatin1String("lastline")) {
            QByteArray bytes = u.root.read(path);
            bytes.chop(2); // every key is there, the last one's value cut
            QVERIFY(u.root.write(path, bytes));
        } else if (kind == QLatin1String("header") || kind.endsWith(QLatin1String("pw"))) {
            QByteArray bytes = u.root.read(path);
            const int header = bytes.lastIndexOf("\n[") + 1;
            const int pw = bytes.indexOf("\npw00=s3cret\n", header) + 1;
            QVERIFY(header > 0 && pw > header);
            bytes.truncate(kind == QLatin1String("header") ? bytes.indexOf('\n', header) + 1
                                                           : pw + (kind == QLatin1String("insidepw") ? 8 : 0));
            QVERIFY(u.root.write(path, bytes));
        } else if (kind.startsWith(QLatin1String("cut"))) {
            QByteArray bytes = u.root.read(path);
            const int at = bytes.size() * kind.mid(3).toInt() / 100;
            QVERIFY(bytes.indexOf("[DEVICES]") < at);
            bytes.truncate(at);
            QVERIFY(u.root.write(path, bytes));
        } else if (kind == QLatin1String("nul") || kind == QLatin1String("latin1")) {
            QByteArray bytes = u.root.read(path);
            const int user = bytes.indexOf("[USER]");
            QVERIFY(user > 0);
            bytes.insert(bytes.indexOf('\n', user) + 1, kind == QLatin1String("nul") ? QByteArray("x\0=1\n", 5)
                                                                                     : QByteArray("x=\xe9t\xe9\n"));
            QVERIFY(u.root.write(path, bytes));
        }

        cfg.reload(QString());
        section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha = 5; // an edit in progress
        const QByteArray edit = snapshot(cfg, 0);
        const QByteArray live = snapshot(cfg, 1);
        QCOMPARE(cfg.reload(file), -1);
        QCOMPARE(snapshot(cfg, 0), edit);
        QCOMPARE(snapshot(cfg, 1), live);
        // No private copy of the import is left in RAM.
        QCOMPARE(u.root.allFiles().filter(QStringLiteral("import")), QStringList());
    }
    // A whole file is taken: as exported, behind a byte order mark, with
    // CRLF line ends, and the export of another unit of this model, which
    // lacks what only this unit's file holds (presets and search options
    // saved here, its device's own lists).
    void importTaken_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("as exported") << "plain";
        QTest::newRow("byte order mark") << "bom";
        QTest::newRow("CRLF line ends") << "crlf";
        QTest::newRow("another unit's export") << "other";
    }
    void importTaken()
    {
        QFETCH(QString, kind);
        Unit u;
        TConfig& cfg = exportingUnit(u);
        const QString path = exportFile(u, QStringLiteral("whole.conf"));
        QByteArray bytes = u.root.read(path);
        if (kind == QLatin1String("bom"))
            bytes.prepend("\xef\xbb\xbf");
        else if (kind == QLatin1String("crlf"))
            bytes.replace("\n", "\r\n");
        QVERIFY(u.root.write(path, bytes));
        if (kind == QLatin1String("other")) {
            section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1).cnt += 2;
            QCOMPARE(cfg.save(IDX_PROP_TIMEZONE), 0);
            QCOMPARE(cfg.save(IDX_PROP_PRESET), 0);
            QCOMPARE(cfg.save(IDX_PROP_SEARCHOPT), 0);
            QVERIFY(u.root.read(kRamFile).contains("[SEARCHOPT]"));
        }
        section<PropOsd>(cfg, IDX_PROP_OSD, 1).alpha = 6;
        qstrncpy(section<PropUser>(cfg, IDX_PROP_USER, 1).user[0].pw, "later", 16);
        cfg.save(-1);
        cfg.reload(QString());
        QCOMPARE(cfg.reload(u.root.file(path)), 0);
        QCOMPARE(section<PropOsd>(cfg, IDX_PROP_OSD, 0).alpha, 3);
        QCOMPARE(QByteArray(section<PropUser>(cfg, IDX_PROP_USER, 0).user[0].pw), QByteArray("s3cret"));
    }
    void setdevicesKeepsRecord_data()
    {
        QTest::addColumn<bool>("fromEditCopy");
        QTest::newRow("separate record") << false;
        QTest::newRow("record of the edit copy") << true;
    }
    void setdevicesKeepsRecord()
    {
        QFETCH(bool, fromEditCopy);
        Unit u;
        TConfig& cfg = u.start();
        cfg.reload(QString());
        PropDevices rec = u.devices;
        rec.ntsc = 0;
        rec.videos = 8;
        rec.relaycnt = 3;
        rec.dalWord0 = 0x55;
        rec.frames = 200;
        const PropDevices* given = &rec;
        if (fromEditCopy) {
            std::memcpy(cfg.getsection(0, 0), &rec, sizeof rec);
            given = &section<PropDevices>(cfg, 0, 0);
        }
        cfg.setdevices(0, given);
        QCOMPARE(std::memcmp(cfg.getsection(0, 1), &rec, sizeof rec), 0);
        QCOMPARE(std::memcmp(cfg.getsection(0, 0), &rec, sizeof rec), 0);
        // Both files hold it, so a later reload keeps it too.
        QSettings ram(u.root.file(kRamFile), QSettings::IniFormat);
        QCOMPARE(ram.value("DEVICES/videos").toInt(), 8);
        QCOMPARE(ram.value("DEVICES/frames").toInt(), 200);
    }
    void setdevicesOtherIndexDoesNothing()
    {
        Unit u;
        TConfig& cfg = u.start();
        PropDevices rec = u.devices;
        rec.videos = 4;
        const QByteArray live = snapshot(cfg, 1);
        cfg.setdevices(1, &rec);
        cfg.setdevices(-1, &rec);
        cfg.setdevices(0, nullptr);
        QCOMPARE(snapshot(cfg, 1), live);
    }
    void timetext_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24h") << 0 << 15 << 4 << 5 << "15:04:05";
        QTest::newRow("format -1 is 24h") << -1 << 15 << 4 << 5 << "15:04:05";
        QTest::newRow("12h afternoon") << 1 << 15 << 4 << 5 << "PM 03:04:05";
        QTest::newRow("12h midnight") << 1 << 0 << 0 << 0 << "AM 12:00:00";
        QTest::newRow("12h noon") << 1 << 12 << 0 << 59 << "PM 12:00:59";
        QTest::newRow("invalid time") << 0 << 24 << 0 << 0 << "";
    }
    void timetext()
    {
        QFETCH(int, format);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, second);
        QFETCH(QString, expected);
        Unit u;
        TConfig& cfg = u.start();
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).time = format;
        // The edit copy's format does not count until applied.
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).time = format == 1 ? 0 : 1;
        QCOMPARE(cfg.timetext(hour, minute, second), expected);
    }
    void datetext_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 year first") << 0 << "2011/03/09";
        QTest::newRow("1 month first") << 1 << "03/09/2011";
        QTest::newRow("2 day first") << 2 << "09/03/2011";
        QTest::newRow("-5 year first") << -5 << "2011/03/09";
    }
    void datetext()
    {
        QFETCH(int, format);
        QFETCH(QString, expected);
        Unit u;
        TConfig& cfg = u.start();
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 1).date = format;
        section<PropDtform>(cfg, IDX_PROP_DTFORM, 0).date = 1;
        QCOMPARE(cfg.datetext(2011, 3, 9), expected);
        QCOMPARE(cfg.datetext(2011, 2, 30), QString()); // no such day
    }
    void recordLoadFollowsEditCameras()
    {
        TestUnit::Unit unit;
        TConfig& cfg = unit.start();
        const auto& rec = TestUnit::section<PropRecord>(cfg, IDX_PROP_RECORD, 0);
        const double all = cfg.getrecordload(rec.data, -1);
        QVERIFY(all > 0.0);
        // The load budget: a load of exactly the limit fits.
        QVERIFY(!cfg.isoverload(rec.data, int(std::ceil(all))));
        QVERIFY(cfg.isoverload(rec.data, int(std::ceil(all)) - 1));
        const double one = cfg.getrecordload(rec.data, 3);
        QVERIFY(one > 0.0 && one < all);
        // A camera disabled in the edit copy adds nothing to the load.
        TestUnit::section<PropCamera>(cfg, IDX_PROP_CAMERA, 0).data[3].disableOn = 1;
        QCOMPARE(cfg.getrecordload(rec.data, 3), 0.0);
        QVERIFY(qAbs(cfg.getrecordload(rec.data, -1) - (all - one)) < 1e-9);
        QVERIFY(!cfg.getrecordloadtext(rec.data, -1).isEmpty());
        QCOMPARE(cfg.getrecordload(nullptr, -1), 0.0);
    }
};

QTEST_GUILESS_MAIN(TConfigTest)
#include "tconfigtest.moc"
