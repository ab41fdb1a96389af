#include "tdvrfixture.h"

#include "tsignallog.h"
#include <atomic>
#include <ctime>

namespace {
// Calls one family's callback with the given context and type.
int callFamily(int family, void* ctx, int type)
{
    static VinEvent ev;
    static DecInfo dec;
    static EncCfg cfg[32];
    static NetpackReply reply;
    static const struct tm now = {};
    switch (family) {
    case 0: return CbIo(ctx, type, 1, 2);
    case 1: return CbEncCfg(ctx, &now, cfg);
    case 2: return CbEncNotify(ctx, type, 0, 1, nullptr);
    case 3: return CbDecInfo(ctx, type, &dec);
    case 4: return CbNet(ctx, type, nullptr, 0, &reply, 0);
    case 5: return CbBackup(ctx, type, 0, nullptr);
    case 6: return CbNese(ctx, type, nullptr, nullptr);
    case 7: return CbVin(ctx, type, &ev);
    default: return CbPos(ctx, type, 0, 1, nullptr);
    }
}

QStringList g_debug;
void keepDebug(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    g_debug << msg;
}

QLoggingCategory::CategoryFilter g_oldFilter = nullptr;
// The facade's debug output on, whatever the environment's rules say.
void apiDebugOn(QLoggingCategory* category)
{
    g_oldFilter(category);
    if (qstrcmp(category->categoryName(), "dvr.api") == 0)
        category->setEnabled(QtDebugMsg, true);
}
}

class TDvrApiCbTest : public QObject
{
    Q_OBJECT
private slots:
    void quietCallbacks_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("nullContext");
        const char* names[] = {"io", "enc cfg", "enc notify", "dec", "net", "backup", "nese", "vin", "pos"};
        // Codes each family knows and acts on, and codes none knows.
        const int known[] = {CBT_IO_SHUTTLE, 0, CBT_ENC_BUF_ERR, CBT_DEC_RATE, CBT_NET_LINK, CBT_BACKUP_SCAN_BD,
                             CBT_NESE_NTP_OK, CBT_VIN_VL, CBT_POS_USB};
        for (int f = 0; f < 9; ++f) {
            QTest::newRow(qPrintable(QStringLiteral("%1 null context").arg(names[f]))) << f << known[f] << true;
            QTest::newRow(qPrintable(QStringLiteral("%1 unknown code").arg(names[f]))) << f << 0x7777 << false;
        }
    }

    void quietCallbacks()
    {
        QFETCH(int, family);
        QFETCH(int, type);
        QFETCH(bool, nullContext);
        TDvrFixture fx;
        dalTestJournalClear();
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        TSignalLog own(&g_api, &TDVRAPI::sg_fromDvr);
        const int logs = g_api.lastLogs(nullptr, 0);
        QCOMPARE(callFamily(family, nullContext ? nullptr : &g_api, type), 0);
        QCOMPARE(out.count() + own.count(), 0);
        QCOMPARE(dalTestJournalCount(), 0);
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs);
    }

    // A null text of the device layer prints as empty in the banners.
    void nullTextsPrintEmpty()
    {
        g_oldFilter = QLoggingCategory::installFilter(nullptr); // the filter in force
        QLoggingCategory::installFilter(apiDebugOn);
        g_debug.clear();
        const QtMessageHandler old = qInstallMessageHandler(keepDebug);
        CbBackup(nullptr, 5, 0, nullptr);
        CbNese(nullptr, 0x13, nullptr, nullptr);
        qInstallMessageHandler(old);
        QLoggingCategory::installFilter(g_oldFilter);
        QCOMPARE(g_debug, (QStringList{"======== CbBackup : 0 5 ========", "======== CbBackup end ========",
                                       "======== CbNese : 0 19 ========"}));
    }

    void eventsArriveQueuedInGuiThread_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::newRow("disk state") << 2 << int(CBT_ENC_SD_STATE) << int(SIG_ENC_SD_STATE);
        QTest::newRow("recording state, through the facade") << 2 << int(CBT_ENC_CH_STATE) << int(SIG_ENC_CH_STATE);
        QTest::newRow("shuttle") << 0 << int(CBT_IO_SHUTTLE) << int(SIG_IO_SHUTTLE);
        QTest::newRow("pos usb") << 8 << int(CBT_POS_USB) << int(SIG_POS_USB);
        QTest::newRow("disk mount, through the facade") << 2 << int(CBT_ENC_SD_MOUNT) << int(SIG_SD_INFO);
        QTest::newRow("remote id") << 0 << int(CBT_IO_RMCID) << int(SIG_IO_RMCID);
    }

    void eventsArriveQueuedInGuiThread()
    {
        QFETCH(int, family);
        QFETCH(int, type);
        QFETCH(int, code);
        // The connections end with the test, after the fixture has stopped
        // the layer's threads that emit into them.
        QObject receiver;
        TDvrFixture fx;
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        std::atomic<Qt::HANDLE> emittedOn{nullptr}; // written on the layer's thread
        QThread* receivedIn = nullptr;
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver, [&](int t) {
            if (t == code)
                receivedIn = QThread::currentThread();
        });
        // The event leaves the layer's thread either straight or through
        // the facade's own slot.
        // The facade may send the same code from the GUI thread too (the
        // recorder's start reports its channels): only an emission on
        // another thread is the layer's.
        const Qt::HANDLE gui = QThread::currentThreadId();
        auto onEmit = [&, gui](int t) {
            Qt::HANDLE none = nullptr;
            if ((t == code || t == type) && QThread::currentThreadId() != gui)
                emittedOn.compare_exchange_strong(none, QThread::currentThreadId());
        };
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver, onEmit, Qt::DirectConnection);
        connect(&g_api, &TDVRAPI::sg_fromDvr, &receiver, onEmit, Qt::DirectConnection);
        switch (family) {
        case 0: dalTestIo(type, 1, 3); break;
        case 2: dalTestEnc(type, 1, 1, "x"); break;
        case 8: dalTestPos(type, 0, 0, nullptr); break;
        }
        QTRY_VERIFY(receivedIn);
        QCOMPARE(receivedIn, QThread::currentThread());
        QTRY_VERIFY(emittedOn.load());
    }

    void recorderFaultsAreLogged_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("buffer error") << int(CBT_ENC_BUF_ERR) << 0 << int(LOG_REC_BUF_ERROR) << QByteArray("buf 3");
        QTest::newRow("chip timeout") << int(CBT_ENC_CHIP_TIMEOUT) << 0 << int(LOG_CHIP_TIMEOUT) << QByteArray("buf 3");
        QTest::newRow("write error") << int(CBT_ENC_WRITE_ERR) << 0 << int(LOG_HDD_WRITE_ERROR) << QByteArray();
        QTest::newRow("xfs") << int(CBT_ENC_XFS_ERR) << 0 << int(LOG_XFS_ERROR) << QByteArray();
        QTest::newRow("data error of channel 0") << int(CBT_ENC_DATA_ERR) << 0 << int(LOG_REC_DATA_ERROR) << QByteArray("(Channel1)");
        QTest::newRow("network data ok") << int(CBT_ENC_NETDATA_OK) << 15 << int(LOG_NET_DATA_OK) << QByteArray("(Channel16)");
        QTest::newRow("first mount, good") << int(CBT_ENC_SD_MOUNT) << 0 << int(LOG_DB_HDD_GOOD) << QByteArray();
    }

    // The recorder's faults reach the system log with their texts; only the
    // first mount is logged.
    void recorderFaultsAreLogged()
    {
        QFETCH(int, type);
        QFETCH(int, ch);
        QFETCH(int, code);
        QFETCH(QByteArray, contents);
        TDvrFixture fx;
        CbEncNotify(&g_api, type, ch, 1, "buf 3");
        CbEncNotify(&g_api, type, ch, 1, "buf 3"); // a second mount writes nothing
        LogRecord last[2];
        const int n = g_api.lastLogs(last, 2);
        QCOMPARE(n, type == CBT_ENC_SD_MOUNT ? 1 : 2);
        QCOMPARE(int(last[n - 1].code), code);
        QCOMPARE(QByteArray(last[n - 1].contents), contents);
        QCOMPARE(QByteArray(last[n - 1].user), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TDvrApiCbTest)
#include "tdvrapi-cbtest.moc"
