#include "tnetfixture.h"

#include <QDir>
#include <QFileInfo>

class TDvrApiNtpTest : public QObject
{
    Q_OBJECT
private slots:
    // User 0 on a 16-camera recorder whose camera 3 is covert and camera 5
    // disabled; the other slots empty.
    void webAccount_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<QByteArray>("pw");
        QTest::addColumn<int>("network");
        QTest::addColumn<QByteArray>("lines");
        const auto row = [](const char* name, const char* id, const char* pw, int network, const char* lines) {
            QTest::newRow(name) << QByteArray(id) << QByteArray(pw) << network << QByteArray(lines);
        };
        row("every camera flag", "admin", "1234", 1, "id0 = admin\npwd0 = 1234\ncamera0 = 65495\n");
        row("no network right", "guest", "pw", 0, "id0 = guest\npwd0 = pw\ncamera0 = 0\n");
        row("empty slot", "", "", 1, "id0 = \npwd0 = \ncamera0 = 65495\n");
        row("id forging a line", "bob\ncamera0", "pw", 1, "id0 = \npwd0 = \ncamera0 = 0\n");
        row("password with a control", "bob", "p\rw", 1, "id0 = \npwd0 = \ncamera0 = 0\n");
    }

    void webAccount()
    {
        QFETCH(QByteArray, id);
        QFETCH(QByteArray, pw);
        QFETCH(int, network);
        QFETCH(QByteArray, lines);
        TNetFixture fx;
        auto* users = fx.live<PropUser>(IDX_PROP_USER);
        std::memset(users->user, 0, sizeof users->user);
        UserAccount& u = users->user[0];
        qstrncpy(u.id, id.constData(), sizeof u.id);
        qstrncpy(u.pw, pw.constData(), sizeof u.pw);
        u.network = uint8_t(network);
        std::memset(u.camnet, 1, sizeof u.camnet);
        auto* cams = fx.live<PropCamera>(IDX_PROP_CAMERA);
        for (CameraEntry& c : cams->data)
            c.disableOn = c.covertOn = 0;
        cams->data[3].covertOn = 1;
        cams->data[5].disableOn = 1;
        fx.root.write("/var/volatile/web_account.txt", "old");
        QCOMPARE(g_api.writeWebAccount(), 0);
        QByteArray text = "usrss = 8\n" + lines;
        for (int i = 1; i < 8; ++i)
            text += QByteArray("id%1 = \npwd%1 = \ncamera%1 = 0\n").replace("%1", QByteArray::number(i));
        QCOMPARE(fx.root.read("/var/volatile/web_account.txt"), text);
        QCOMPARE(QFileInfo(fx.root.file("/var/volatile/web_account.txt")).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(fx.root.allFiles().filter("web_account").size(), 1);
    }

    // Whatever is planted beside the account file, the accounts go only
    // into the file itself; a file that cannot be written is reported.
    void webAccountPlantedFiles_data()
    {
        QTest::addColumn<QString>("plant"); // unit path of a link to the file beside the root
        QTest::addColumn<bool>("folder");   // the account folder exists
        QTest::addColumn<int>("result");
        QTest::newRow("link at the old temporary name") << "/var/volatile/web_account.txt.tmp" << true << 0;
        QTest::newRow("link in the account file's place") << "/var/volatile/web_account.txt" << true << -1;
        QTest::newRow("nothing planted") << "" << true << 0;
        QTest::newRow("folder missing") << "" << false << -1;
    }

    void webAccountPlantedFiles()
    {
        QFETCH(QString, plant);
        QFETCH(bool, folder);
        QFETCH(int, result);
        TNetFixture fx;
        const QString beside = fx.root.path() + "-beside";
        QFile outside(beside);
        QVERIFY(outside.open(QIODevice::WriteOnly) && outside.write("untouched") == 9);
        outside.close();
        if (!folder)
            QVERIFY(QDir(fx.root.file("/var/volatile")).removeRecursively());
        else
            QVERIFY(QDir().mkpath(fx.root.file("/var/volatile")));
        if (!plant.isEmpty())
            QVERIFY(QFile::link(beside, fx.root.file(plant)));
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(g_api.writeWebAccount(), result);
        QVERIFY(outside.open(QIODevice::ReadOnly));
        QCOMPARE(outside.readAll(), QByteArray("untouched"));
        outside.close();
        QVERIFY(outside.remove());
        const QString file = fx.root.file("/var/volatile/web_account.txt");
        QCOMPARE(QFileInfo(file).isSymLink(), plant.endsWith(".txt"));
        QCOMPARE(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink(), result == 0);
        if (result == 0)
            QVERIFY(fx.root.read("/var/volatile/web_account.txt").startsWith("usrss = 8\n"));
        // Only the failure is told to the operator, as a message box.
        QCOMPARE(codes(spy), result == 0 ? QList<int>() : (QList<int>{SIG_STATE_START, SIG_STATE_END}));
        // No temporary file is left beside it.
        QCOMPARE(fx.root.allFiles().filter("web_account").size() - (plant.isEmpty() ? 0 : 1), result == 0 ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNtpTest)
#include "tdvrapi-ntptest.moc"
