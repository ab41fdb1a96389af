#include "../base/vkeytestenv.h"
#include "tbutton.h"
#include "tdefwnd.h"
#include "tedit.h"
#include "tkeys.h"
#include "tmsgwnd.h"
#include "tvkeyboard.h"
#include "tvkeylayout.h"
#include "tvkeynumboard.h"

#include <QSignalSpy>
#include <QtTest>

// The whole road of a text: a page's read-only field asks for the keyboard,
// the operator types with the front-panel keys and the remote, and the field
// takes the answer. Bad addresses meet the message box.
namespace {

QString korean()
{
    return QStringLiteral("Korean");
}

// A setup page with a camera-title field and an address field, following the
// keyboards' calling protocol.
class Page : public TDefWnd
{
public:
    Page(QWidget* parent) : TDefWnd(parent, 20, QSize(800, 600))
    {
        title = new TEdit(this, 0, 1);
        title->setGeometry(100, 100, 200, 24);
        ip = new TEdit(this, 1, 1);
        ip->setGeometry(100, 140, 200, 24);
        connect(title, &TEdit::sg_clicked, this, [this] {
            g_vkeyboard->setTitle(QStringLiteral("Camera Title"));
            g_vkeyboard->setPassword(0);
            g_vkeyboard->setMaxLength(31);
            g_vkeyboard->setText(title->text());
            g_vkeyboard->moveCenter(this);
            g_vkeyboard->setVisible(true);
        });
        connect(ip, &TEdit::sg_clicked, this, [this] {
            g_vkeynum->setTitle(QStringLiteral("IP Address"));
            g_vkeynum->setText(ip->text());
            g_vkeynum->setMode(TVKeyNumboard::ModeIPv4);
            g_vkeynum->moveCenter(this);
            g_vkeynum->setVisible(true);
        });
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, [this](int code, const QString& t) {
            if (code == VK_OK)
                title->setText(t);
        });
        connect(g_vkeynum, &TVKeyNumboard::sg_reply, this, [this](int code, const QString& t) {
            if (code == VK_OK)
                ip->setText(t);
        });
    }
    TEdit* title;
    TEdit* ip;
};

// Moves the text keyboard's highlight to a key with the arrows, as the
// operator does looking at the highlight, then presses Enter.
bool strikeByKeys(TVKeyboard* kb, const QString& label)
{
    int row = -1, col = -1;
    for (int r = 0; r < TVKeyLayout::Rows && row < 0; ++r) {
        for (int c = 0; c < TVKeyLayout::rowKeys(r); ++c) {
            if (QString::fromUtf8(TVKeyLayout::label(kb->mode(), r, c)) == label) {
                row = r + 1;
                col = c;
                break;
            }
        }
    }
    if (row < 0)
        return false;
    for (int guard = 0; kb->focusRow() != row && guard < 12; ++guard)
        vkeytest::key(kb, kb->focusRow() < row || kb->focusRow() == 5 ? Qt::Key_Down : Qt::Key_Up);
    for (int guard = 0; kb->focusCol() != col && guard < 14; ++guard)
        vkeytest::key(kb, kb->focusCol() < col ? Qt::Key_Right : Qt::Key_Left);
    if (kb->focusRow() != row || kb->focusCol() != col)
        return false;
    vkeytest::key(kb, Qt::Key_Enter);
    return true;
}

// Down from any key row reaches the buttons; Enter on OK answers.
void okByKeys(QWidget* w, int (*row)(QWidget*))
{
    for (int guard = 0; row(w) != 5 && guard < 6; ++guard)
        vkeytest::key(w, Qt::Key_Down);
    vkeytest::key(w, Qt::Key_Enter);
}

int kbRow(QWidget* w)
{
    return static_cast<TVKeyboard*>(w)->focusRow();
}

int padRow(QWidget* w)
{
    return static_cast<TVKeyNumboard*>(w)->focusRow();
}

} // namespace

class VKeyFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
        TVKeyboard::setLangHook(&korean);
    }

    void init()
    {
        // The main window's part: the shared pop-ups as hidden children.
        m_main = new QWidget(nullptr, Qt::FramelessWindowHint);
        m_main->move(0, 0);
        m_main->resize(800, 600);
        g_vkeyboard = new TVKeyboard(m_main, ID_WND_VKEYBOARD, g_res->getSize(97));
        g_vkeyboard->initCtrl();
        g_vkeyboard->hide();
        g_vkeynum = new TVKeyNumboard(m_main, ID_WND_VKEYNUM, g_res->getSize(100));
        g_vkeynum->initCtrl();
        g_vkeynum->hide();
        g_msgWnd = new TMsgWnd(m_main, ID_WND_MSG, g_res->getSize(88));
        g_msgWnd->init(0);
        g_msgWnd->hide();
        TMsgIface::install(g_msgWnd);
        m_page = new Page(m_main);
        m_page->lower();
        m_main->show();
        QApplication::setActiveWindow(m_main);
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }

    void cleanup()
    {
        delete m_main;
        m_main = nullptr;
        g_vkeyboard = nullptr;
        g_vkeynum = nullptr;
        g_msgWnd = nullptr;
        QVERIFY(!TMsgIface::installed());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void textOverLineEdit()
    {
        TVKeyboard* kb = g_vkeyboard;
        m_page->title->setFocus();
        QTest::keyClick(m_page->title, Qt::Key_Return);
        QVERIFY(kb->isVisible());

        // A Latin word with the arrows and Enter, a capital through Shift; with
        // the Korean interface Shift goes on to the Korean layout, then back.
        QVERIFY(strikeByKeys(kb, QStringLiteral("Shift")));
        QVERIFY(strikeByKeys(kb, QStringLiteral("G")));
        QVERIFY(strikeByKeys(kb, QStringLiteral("Shift")));
        QCOMPARE(kb->mode(), 2);
        QVERIFY(strikeByKeys(kb, QStringLiteral("Shift")));
        QCOMPARE(kb->mode(), 0);
        for (const char* l : {"a", "t", "e", "Space"})
            QVERIFY2(strikeByKeys(kb, QString::fromLatin1(l)), l);
        QCOMPARE(kb->text(), QStringLiteral("Gate "));

        // A Korean word: Shift again reaches the Korean layout.
        QVERIFY(strikeByKeys(kb, QStringLiteral("Shift")));
        QVERIFY(strikeByKeys(kb, QStringLiteral("Shift")));
        QCOMPARE(kb->mode(), 2);
        for (const QChar j : QString::fromUtf8("ㅎㅏㄴㄱㅡㄹ"))
            QVERIFY(strikeByKeys(kb, QString(j)));
        QCOMPARE(kb->text(), QString::fromUtf8("Gate 한글"));
        // The remote's digit 1 strikes ㅃ whatever key is highlighted.
        vkeytest::key(kb, Qt::Key_1);
        QVERIFY(strikeByKeys(kb, QString::fromUtf8("ㅏ")));
        QCOMPARE(kb->text(), QString::fromUtf8("Gate 한글빠"));
        QVERIFY(strikeByKeys(kb, QStringLiteral("<-")));
        QVERIFY(strikeByKeys(kb, QStringLiteral("<-")));
        QCOMPARE(kb->text(), QString::fromUtf8("Gate 한글"));
        QVERIFY(m_main->grab().save(vkeytest::grabPath(QStringLiteral("flow-keyboard.png"))));

        okByKeys(kb, &kbRow);
        QTRY_VERIFY(!kb->isVisible());
        QCOMPARE(m_page->title->text(), QString::fromUtf8("Gate 한글"));
    }

    void addressOverLineEdit()
    {
        TVKeyNumboard* pad = g_vkeynum;
        QTest::mouseClick(m_page->ip, Qt::LeftButton);
        QVERIFY(pad->isVisible());
        for (int k : {Qt::Key_1, Qt::Key_9, Qt::Key_2, Qt::Key_1, Qt::Key_6, Qt::Key_8, Qt::Key_F30})
            vkeytest::key(pad, k);
        QCOMPARE(pad->text(), QStringLiteral("192.168.0"));
        // The dot key with the arrows: up from OK onto ".", Enter.
        vkeytest::key(pad, Qt::Key_Up);
        QCOMPARE(pad->focusRow(), 4);
        QCOMPARE(pad->focusCol(), 0);
        vkeytest::key(pad, Qt::Key_Enter);
        vkeytest::key(pad, Qt::Key_1);
        QCOMPARE(pad->text(), QStringLiteral("192.168.0.1"));
        QVERIFY(m_main->grab().save(vkeytest::grabPath(QStringLiteral("flow-numboard.png"))));
        okByKeys(pad, &padRow);
        QTRY_VERIFY(!pad->isVisible());
        QCOMPARE(m_page->ip->text(), QStringLiteral("192.168.0.1"));
        QVERIFY(!g_msgWnd->isVisible());
    }

    void badAddressGetsMessageBox()
    {
        TVKeyNumboard* pad = g_vkeynum;
        m_page->ip->setText(QStringLiteral("10.0.0.1"));
        QTest::mouseClick(m_page->ip, Qt::LeftButton);
        // Over-long last part: 10.0.0.1 then 9 and 9 gives 10.0.0.199, then 9.
        for (int k : {Qt::Key_9, Qt::Key_9, Qt::Key_9})
            vkeytest::key(pad, k);
        QCOMPARE(pad->text(), QStringLiteral("10.0.0.1999"));
        QSignalSpy reply(pad, &TVKeyNumboard::sg_reply);
        vkeytest::key(pad, Qt::Key_Enter); // the focus is on OK
        QTRY_VERIFY(g_msgWnd->isVisible());
        QCOMPARE(reply.count(), 0);
        QVERIFY(pad->isVisible());
        QCOMPARE(g_msgWnd->type(), int(MSG_OK));
        QCOMPARE(g_msgWnd->title(), QStringLiteral("Warning"));
        QCOMPARE(g_msgWnd->text(), QStringLiteral("Invalid Data!!"));
        // The box lies over the pad.
        QVERIFY(pad->geometry().intersects(g_msgWnd->geometry()));
        QVERIFY(m_main->grab().save(vkeytest::grabPath(QStringLiteral("flow-invalid.png"))));

        // The operator confirms the warning; the pad is still there to mend it.
        QSignalSpy answer(g_msgWnd, &TMsgWnd::sg_request);
        vkeytest::key(g_msgWnd, Qt::Key_Enter);
        QTRY_COMPARE(answer.count(), 1);
        QVERIFY(!g_msgWnd->isVisible());
        QVERIFY(pad->isVisible());
        QCOMPARE(reply.count(), 0);

        // Backspace by mouse twice, then OK: 10.0.0.19 is accepted.
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(pad, Qt::LeftButton, Qt::NoModifier, pad->keyRect(4, 2).center());
            QVERIFY(QTest::qWaitFor([pad] { return pad->findChild<QTimer*>() && !pad->findChild<QTimer*>()->isActive(); }));
        }
        QCOMPARE(pad->text(), QStringLiteral("10.0.0.19"));
        QTest::mouseClick(pad->okButton(), Qt::LeftButton);
        QCOMPARE(reply.count(), 1);
        QCOMPARE(m_page->ip->text(), QStringLiteral("10.0.0.19"));
    }


private:
    QWidget* m_main = nullptr;
    Page* m_page = nullptr;
};

QTEST_MAIN(VKeyFlowTest)
#include "vkeyflowtest.moc"
