// The system management page offscreen in the frame: the version text, the
// hidden codes typed with the digit keys (the destructive ones asked again),
// and the upgrade, export, import and default chains answered as the main
// window answers them.
#include "setuptestenv.h"
#include "tfilewnd.h"
#include "tedit.h"
#include "tsetupconfig.h"

using namespace setuptest;
using namespace SetupAct;

namespace {

struct ConfFrame : Frame
{
    explicit ConfFrame(int version = 1234)
    {
        static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0))->version = version;
        file = new TFileWnd(nullptr, ID_WND_FILE, QSize(500, 400));
        file->init(0);
        g_fileWnd = file;
        QObject::connect(w, &TSetupWnd::sg_request, w, [this](int code, int a, int, QString text) {
            sent << (text.isEmpty() ? QString("%1,%2").arg(code).arg(a) : QString("%1,%2").arg(code).arg(text));
            if (code == Act_ConfDetect || code == Act_ConfMount)
                w->reply(code, 0, &g_api.m_listInfo);
        });
        show(Btn_System);
        QTest::mouseClick(w->button(Btn_System_Config), Qt::LeftButton);
        QCoreApplication::processEvents();
        page = static_cast<TSetupConfig*>(w->page(Btn_System_Config));
    }
    ~ConfFrame()
    {
        g_fileWnd = nullptr;
        delete file;
    }
    // Digits, F (the remote's 0/10 key), U an arrow, E Enter.
    void type(const QString& keys)
    {
        for (const QChar c : keys)
            key(c.isDigit() ? Qt::Key_0 + c.digitValue() : c == 'F' ? int(Qt::Key_F30) : c == 'U' ? int(Qt::Key_Up)
                                                                                                     : int(Qt::Key_Enter));
    }
    void answer(bool ok)
    {
        QVERIFY(msg->isVisible());
        QTest::mouseClick(ok ? msg->button(MSGBTN_OK) : msg->button(MSGBTN_CANCEL), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    TFileWnd* file = nullptr;
    TSetupConfig* page = nullptr;
    QStringList sent;
};

} // namespace

class TSetupConfigTest : public QObject
{
    Q_OBJECT
private slots:
    void version_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("1234") << 1234 << "1.2.3.4";
        QTest::newRow("2015") << 2015 << "2.0.1.5";
        QTest::newRow("0") << 0 << "0.0.0.0";
        QTest::newRow("12345") << 12345 << "12.3.4.5";
    }
    void version()
    {
        QFETCH(int, version);
        QFETCH(QString, text);
        ConfFrame f(version);
        QCOMPARE(f.page->version(), text);
        f.w->grab().save(vkeytest::grabPath("setup-config.png"));
    }

    // The digits typed and what is sent; a destructive code first asks.
    void hotCodes_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("answer"); // -1 no question expected, 1 OK, 0 CANCEL
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("board test: unasked") << "72604815" << -1 << QStringList{"86,0"};
        QTest::newRow("delete config, OK") << "93751280" << 1 << QStringList{"87,0"};
        QTest::newRow("delete config, CANCEL") << "93751280" << 0 << QStringList{};
        QTest::newRow("delete log, OK") << "58136049" << 1 << QStringList{"88,0"};
        QTest::newRow("delete log, CANCEL") << "58136049" << 0 << QStringList{};
        QTest::newRow("format, OK") << "40917263" << 1 << QStringList{"89,0"};
        QTest::newRow("format, CANCEL") << "40917263" << 0 << QStringList{};
        QTest::newRow("a wrong digit first") << "172604815" << -1 << QStringList{"86,0"};
        QTest::newRow("nine digits without a code") << "123456789" + QString("2604815") << -1 << QStringList{};
        QTest::newRow("an arrow between") << "7260U4815" << -1 << QStringList{};
        QTest::newRow("F30 is a zero") << "726F4815" << -1 << QStringList{"86,0"};
    }
    void hotCodes()
    {
        QFETCH(QString, keys);
        QFETCH(int, answer);
        QFETCH(QStringList, sent);
        ConfFrame f;
        f.sent.clear();
        f.type(keys);
        QCOMPARE(f.msg->isVisible(), answer >= 0);
        if (answer >= 0) {
            QVERIFY(f.sent.isEmpty());
            f.answer(answer == 1);
        }
        QCOMPARE(f.sent, sent);
    }

    // The chains from the buttons, the USB answers given.
    void chains_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("choose"); // the file chosen, or the name typed
        QTest::addColumn<int>("answer");     // -1 no question, 1 OK, 0 CANCEL
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("import: no question") << int(TSetupConfig::RowImport) << "a.conf" << -1
                                             << QStringList{"77,0", "78,0", "81,a.conf"};
        QTest::newRow("upgrade, OK") << int(TSetupConfig::RowUpgrade) << "x.fwr" << 1
                                     << QStringList{"77,0", "78,0", "79,x.fwr"};
        QTest::newRow("upgrade, CANCEL") << int(TSetupConfig::RowUpgrade) << "x.fwr" << 0
                                         << QStringList{"77,0", "78,0"};
        QTest::newRow("export as proposed") << int(TSetupConfig::RowExport) << "" << -1
                                            << QStringList{"77,0", "78,0", "80,dvr.conf"};
        QTest::newRow("default, OK") << int(TSetupConfig::RowDefaultBtn) << "" << 1 << QStringList{"82,0"};
        QTest::newRow("default, CANCEL") << int(TSetupConfig::RowDefaultBtn) << "" << 0 << QStringList{};
    }
    void chains()
    {
        QFETCH(int, row);
        QFETCH(QString, choose);
        QFETCH(int, answer);
        QFETCH(QStringList, sent);
        ConfFrame f;
        f.sent.clear();
        f.vk->setMaxLength(4); // the last field typed was shorter than the name
        QTest::mouseClick(f.page->control(row), Qt::LeftButton);
        QCoreApplication::processEvents();
        if (row == TSetupConfig::RowExport) {
            QVERIFY(f.vk->isVisible());
            QCOMPARE(f.vk->text(), QString("dvr.conf"));
            QCOMPARE(f.vk->edit()->maxLength(), 255);
            QTest::mouseClick(f.vk->okButton(), Qt::LeftButton);
        } else if (row != TSetupConfig::RowDefaultBtn) {
            QVERIFY(f.file->isVisible());
            // The chooser's answer for the file picked on the stick.
            f.file->hide();
            emit f.file->sg_reply(choose);
        }
        QCoreApplication::processEvents();
        if (answer >= 0)
            f.answer(answer == 1);
        else
            QVERIFY(!f.msg->isVisible());
        QCOMPARE(f.sent, sent);
    }
};

QTEST_MAIN(TSetupConfigTest)
#include "tsetupconfigtest.moc"
