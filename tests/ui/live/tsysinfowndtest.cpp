// The system information window with the main window's side played here:
// its three requests on every show, the values handed back, its keys.
#include "livetestenv.h"
#include "tbutton.h"
#include "tsysinfownd.h"
#include "wndid.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

class Rig
{
public:
    explicit Rig(int disks, int version = 1234)
    {
        PropDevices* dev = static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0));
        dev->storage = disks;
        dev->version = version;
        wnd = new TSysInfoWnd(nullptr, ID_WND_SYSINFO, g_res->getSize(4));
        wnd->hide();
        QObject::connect(wnd, &TSysInfoWnd::sg_request, wnd, [this](int code) {
            requests << code;
            if (code == 1)
                wnd->setHddInfo(&storage);
        });
    }
    ~Rig() { delete wnd; }
    void disk(int i, const char* text, int usedMB, int totalMB)
    {
        qstrncpy(storage.disk[i].text, text, sizeof storage.disk[i].text);
        storage.disk[i].usedMB = usedMB;
        storage.disk[i].totalMB = totalMB;
    }

    TDvrFixture fx;
    livetest::Host host;
    StorageInfo storage = {};
    QList<int> requests;
    TSysInfoWnd* wnd = nullptr;
};

} // namespace

class TSysInfoWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    void version_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("text");
        QTest::newRow("four digits") << 1234 << "1.2.3.4";
        QTest::newRow("zeros inside") << 3010 << "3.0.1.0";
        QTest::newRow("below a thousand") << 205 << "0.2.0.5";
        QTest::newRow("above 9999") << 12345 << "12.3.4.5";
    }
    void version()
    {
        QFETCH(int, word);
        Rig rig(1, word);
        rig.host.popup(rig.wnd);
        QTEST(rig.wnd->fieldText(TSysInfoWnd::ROW_VERSION), "text");
        QCOMPARE(rig.requests, QList<int>({0, 1, 2}));
    }

    // Disk fields in GB with one decimal, truncated: the summary on a unit
    // with one disk row, each disk on a two-disk unit.
    void disks_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<QStringList>("types");   // summary, or disk 0 and 1
        QTest::addColumn<QList<int>>("sizes");    // used and total MB per entry
        QTest::addColumn<QStringList>("fields");  // HDD 1, HDD 2 ("-" hidden)
        QTest::newRow("in use") << 1 << QStringList{"HDD"} << QList<int>{120000, 476940}
                                << QStringList{"117.1/465.7 GB", "-"};
        QTest::newRow("not formatted") << 1 << QStringList{"Not Format"} << QList<int>{0, 476940}
                                       << QStringList{"Not Format465.7 GB", "-"};
        QTest::newRow("whole gigabytes") << 1 << QStringList{"HDD"} << QList<int>{0, 2048}
                                         << QStringList{"0/2 GB", "-"};
        QTest::newRow("other text unchanged") << 1 << QStringList{"No HDD"} << QList<int>{5, 5}
                                              << QStringList{"No HDD", "-"};
        QTest::newRow("four disks, one row") << 4 << QStringList{"HDD"} << QList<int>{1024, 953880}
                                             << QStringList{"1/931.5 GB", "-"};
        QTest::newRow("two disks") << 2 << QStringList{"HDD", "Not Format"} << QList<int>{512, 1536, 0, 976762}
                                   << QStringList{"0.5/1.5 GB", "Not Format953.8 GB"};
    }
    void disks()
    {
        QFETCH(int, disks);
        QFETCH(QStringList, types);
        QFETCH(QList<int>, sizes);
        QFETCH(QStringList, fields);
        Rig rig(disks);
        if (disks == 2) {
            rig.disk(0, qPrintable(types[0]), sizes[0], sizes[1]);
            rig.disk(1, qPrintable(types[1]), sizes[2], sizes[3]);
        } else {
            qstrncpy(rig.storage.summary, qPrintable(types[0]), sizeof rig.storage.summary);
            rig.storage.usedMB = sizes[0];
            rig.storage.totalMB = sizes[1];
            rig.disk(0, "Disk entry not shown", 1, 1);
        }
        rig.host.popup(rig.wnd);
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD1), fields[0]);
        QCOMPARE(rig.wnd->hasRow(TSysInfoWnd::ROW_HDD2), fields[1] != "-");
        if (fields[1] != "-")
            QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD2), fields[1]);
        // No answer keeps the fields; a summary without terminator is read
        // within its field.
        rig.wnd->setHddInfo(nullptr);
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD1), fields[0]);
        memset(rig.storage.summary, 'x', sizeof rig.storage.summary);
        memset(rig.storage.disk[0].text, 'x', sizeof rig.storage.disk[0].text);
        rig.wnd->setHddInfo(&rig.storage);
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD1), QString(64, 'x'));
    }

    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Enter on OK") << QList<int>{Qt::Key_Enter} << false;
        QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << false;
        QTest::newRow("Return ignored") << QList<int>{Qt::Key_Return} << true;
        QTest::newRow("jog ignored") << QList<int>{KEY_JOG_RIGHT, Qt::Key_Enter} << false;
        QTest::newRow("Enter on the client list") << QList<int>{Qt::Key_Up, Qt::Key_Enter} << true;
        QTest::newRow("down wraps to the list and back") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}
                                                         << false;
    }
    void keys()
    {
        QFETCH(QList<int>, keys);
        Rig rig(1);
        QVERIFY(rig.host.active);
        rig.host.popup(rig.wnd);
        QSignalSpy showed(rig.wnd, &TDefWnd::sg_showed);
        for (int k : keys)
            vkeytest::key(rig.wnd, k);
        QFETCH(bool, shown);
        QTRY_COMPARE(rig.wnd->isVisible(), shown);
        // Closing sends nothing more to the main window.
        QCOMPARE(rig.requests, QList<int>({0, 1, 2}));
    }

    void grab()
    {
        for (int disks : {1, 2}) {
            Rig rig(disks, 3010);
            rig.disk(0, "HDD", 312400, 953869);
            rig.disk(1, "Not Format", 0, 476940);
            qstrncpy(rig.storage.summary, "HDD", sizeof rig.storage.summary);
            rig.storage.usedMB = 312400;
            rig.storage.totalMB = 953869;
            rig.host.popup(rig.wnd);
            QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("sysinfo-%1disk.png").arg(disks))));
        }
    }
};

QTEST_MAIN(TSysInfoWndTest)
#include "tsysinfowndtest.moc"
