#include "tnetfixture.h"

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
};

QTEST_GUILESS_MAIN(TDvrApiNtpTest)
#include "tdvrapi-ntptest.moc"
