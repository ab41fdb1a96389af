#include "tbutton.h"
#include "tedit.h"
#include "tkeys.h"
#include "tmsgiface.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "vkeytestenv.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// Stands in for the message box of the live-view floor: records what the pad
// asks of it.
class FakeBox : public TMsgIface
{
public:
    void setType(int kind) override { type = kind; }
    void setTitle(const QString& t) override { title = t; }
    void setText(const QString& t) override { text = t; }
    void popupOver(QWidget* w) override
    {
        over = w;
        ++shown;
    }
    int type = 0;
    QString title;
    QString text;
    QWidget* over = nullptr;
    int shown = 0;
};

class Rig
{
public:
    Rig() : host(nullptr, Qt::FramelessWindowHint)
    {
        host.move(0, 0);
        host.resize(800, 600);
        pad = new TVKeyNumboard(&host, ID_WND_VKEYNUM, g_res->getSize(100));
        pad->initCtrl();
        pad->hide();
        host.show();
        QApplication::setActiveWindow(&host);
        active = QTest::qWaitForWindowActive(&host);
        timer = pad->findChild<QTimer*>();
        TMsgIface::install(&box);
    }
    ~Rig() { TMsgIface::install(nullptr); }
    void open(int mode, const QString& text = QString())
    {
        pad->setTitle(QStringLiteral("IP Address"));
        pad->setText(text);
        pad->setMode(mode);
        pad->moveCenter(&host);
        pad->setVisible(true);
        QCoreApplication::processEvents();
    }
    bool waitGuard() { return QTest::qWaitFor([this] { return !timer->isActive(); }, 1000); }
    bool click(int row, int col)
    {
        if (!waitGuard())
            return false;
        QTest::mouseClick(pad, Qt::LeftButton, Qt::NoModifier, pad->keyRect(row, col).center());
        return true;
    }
    // Types with the remote's digits; '.' and 'b' (backspace) by mouse.
    bool type(const QString& keys)
    {
        for (const QChar k : keys) {
            if (k == '.') {
                if (!click(4, 0))
                    return false;
            } else if (k == 'b') {
                if (!click(4, 2))
                    return false;
            } else {
                if (!waitGuard())
                    return false;
                vkeytest::key(pad, Qt::Key_0 + k.digitValue());
            }
        }
        return true;
    }
    QString text() const { return pad->edit()->text(); }

    QWidget host;
    TVKeyNumboard* pad;
    QTimer* timer;
    FakeBox box;
    bool active = false;
};

} // namespace

class TVKeyNumboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
    }

    void typing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("number") << 0 << "8000" << "8000";
        QTest::newRow("number ignores dot") << 0 << "80.80" << "8080";
        QTest::newRow("number backspace") << 0 << "123b4" << "124";
        QTest::newRow("address dot after 3 digits") << 1 << "192" << "192.";
        QTest::newRow("address no dot after fourth part") << 1 << "192168100200" << "192.168.100.200";
        QTest::newRow("address short parts with dots") << 1 << "10.0.0.1" << "10.0.0.1";
        QTest::newRow("address backspace over dot") << 1 << "192b" << "192";
    }

    void typing()
    {
        QFETCH(int, mode);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        Rig rig;
        rig.open(mode);
        QVERIFY(rig.type(keys));
        QCOMPARE(rig.text(), text);
    }

    void keysByMouse()
    {
        Rig rig;
        rig.open(1);
        for (int i = 0; i < 10; ++i) {
            const int row = i < 9 ? 1 + i / 3 : 4, col = i < 9 ? i % 3 : 1;
            QVERIFY(rig.click(row, col));
            QCOMPARE(rig.pad->focusRect(), rig.pad->keyRect(row, col));
        }
        QCOMPARE(rig.text(), QStringLiteral("123.456.789.0"));
    }

    void okCheck_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("port") << 0 << "8000" << true;
        QTest::newRow("empty number") << 0 << "" << false;
        QTest::newRow("number with dot") << 0 << "80.1" << false;
        QTest::newRow("lowest address") << 1 << "0.0.0.0" << true;
        QTest::newRow("highest address") << 1 << "255.255.255.255" << true;
        QTest::newRow("three parts") << 1 << "192.168.0" << false;
        QTest::newRow("out of range") << 1 << "192.168.0.256" << false;
        QTest::newRow("empty part") << 1 << "192.168..1" << false;
        QTest::newRow("five parts") << 1 << "1.2.3.4.5" << false;
    }

    void okCheck()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        Rig rig;
        rig.open(mode, text);
        QSignalSpy reply(rig.pad, &TVKeyNumboard::sg_reply);
        QTest::mouseClick(rig.pad->okButton(), Qt::LeftButton);
        if (accepted) {
            QCOMPARE(reply.count(), 1);
            QCOMPARE(reply.at(0).at(0).toInt(), int(VK_OK));
            QCOMPARE(reply.at(0).at(1).toString(), text);
            QVERIFY(!rig.pad->isVisible());
            QCOMPARE(rig.box.shown, 0);
        } else {
            QCOMPARE(reply.count(), 0);
            QVERIFY(rig.pad->isVisible());
            QCOMPARE(rig.text(), text);
            QCOMPARE(rig.box.shown, 1);
            QCOMPARE(rig.box.type, 1);
            QCOMPARE(rig.box.title, QStringLiteral("Warning"));
            QCOMPARE(rig.box.text, QStringLiteral("Invalid Data!!"));
            QCOMPARE(rig.box.over, static_cast<QWidget*>(rig.pad));
        }
    }

    void okWithoutBoxStaysOpen()
    {
        Rig rig;
        TMsgIface::install(nullptr);
        rig.open(1, QStringLiteral("1.2.3"));
        QSignalSpy reply(rig.pad, &TVKeyNumboard::sg_reply);
        rig.pad->sl_btnclicked(0, 0);
        QCOMPARE(reply.count(), 0);
        QVERIFY(rig.pad->isVisible());
    }

    void cancelAnswersWithoutCheck()
    {
        Rig rig;
        rig.open(1, QStringLiteral("1..x"));
        QSignalSpy reply(rig.pad, &TVKeyNumboard::sg_reply);
        vkeytest::key(rig.pad, Qt::Key_Escape);
        QCOMPARE(reply.count(), 1);
        QCOMPARE(reply.at(0).at(0).toInt(), int(VK_CANCEL));
        QCOMPARE(reply.at(0).at(1).toString(), QStringLiteral("1..x"));
        QCOMPARE(rig.box.shown, 0);
    }

    void keyFocus_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("shown on OK") << "" << 5 << 0;
        QTest::newRow("up from OK to the dot") << "U" << 4 << 0;
        QTest::newRow("down from 0 reaches Cancel") << "URD" << 5 << 1;
        QTest::newRow("down from backspace reaches OK") << "URRD" << 5 << 0;
        QTest::newRow("up from Cancel to 0") << "RU" << 4 << 1;
        QTest::newRow("down from the line to 1") << "DD" << 1 << 0;
        QTest::newRow("left to the last of the row") << "DDL" << 1 << 2;
        QTest::newRow("jog right to the next row") << "DDL>" << 2 << 0;
    }

    void keyFocus()
    {
        QFETCH(QString, keys);
        QFETCH(int, row);
        QFETCH(int, col);
        Rig rig;
        QVERIFY(rig.active);
        rig.open(0);
        vkeytest::keys(rig.pad, keys);
        QCOMPARE(rig.pad->focusRow(), row);
        QCOMPARE(rig.pad->focusCol(), col);
        if (row >= 1 && row <= 4)
            QCOMPARE(rig.pad->focusRect(), rig.pad->keyRect(row, col));
        else
            QVERIFY(!rig.pad->focusRect().isValid());
        if (row == 5)
            QVERIFY((col == 0 ? rig.pad->okButton() : rig.pad->cancelButton())->hasFocus());
    }

    void enterOnKeyPressesIt()
    {
        Rig rig;
        rig.open(0, QStringLiteral("12"));
        vkeytest::key(rig.pad, Qt::Key_Up); // "."
        vkeytest::key(rig.pad, Qt::Key_Right); // "0"
        vkeytest::key(rig.pad, Qt::Key_Enter);
        vkeytest::key(rig.pad, Qt::Key_Right); // "<-"
        vkeytest::key(rig.pad, Qt::Key_Enter);
        vkeytest::key(rig.pad, Qt::Key_Enter);
        QCOMPARE(rig.text(), QStringLiteral("1"));
    }

    void digitWithinGuardDropped()
    {
        Rig rig;
        rig.open(0);
        QVERIFY(rig.click(1, 0));
        QVERIFY(rig.timer->isActive());
        vkeytest::key(rig.pad, Qt::Key_2);
        QTest::mouseClick(rig.pad, Qt::LeftButton, Qt::NoModifier, rig.pad->keyRect(1, 2).center());
        QCOMPARE(rig.text(), QStringLiteral("1"));
        QVERIFY(rig.type(QStringLiteral("2")));
        QCOMPARE(rig.text(), QStringLiteral("12"));
    }

    void grab()
    {
        Rig rig;
        rig.open(1, QStringLiteral("192.168.0.1"));
        vkeytest::key(rig.pad, Qt::Key_Up);
        vkeytest::key(rig.pad, Qt::Key_Up);
        const QImage img = rig.pad->grab().toImage();
        QCOMPARE(img.size(), g_res->getSize(100));
        QVERIFY(img.save(vkeytest::grabPath(QStringLiteral("vkeynumboard.png"))));
    }

};

QTEST_MAIN(TVKeyNumboardTest)
#include "tvkeynumboardtest.moc"
