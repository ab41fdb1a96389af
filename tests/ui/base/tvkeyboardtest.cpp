#include "tbutton.h"
#include "tedit.h"
#include "tkeys.h"
#include "tvkeyboard.h"
#include "tvkeylayout.h"
#include "vkeytestenv.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QString s_lang = QStringLiteral("English");
QString osdLang()
{
    return s_lang;
}

// A screen-sized owner with the shared keyboard as its hidden child, as the
// main window keeps it.
class Rig
{
public:
    Rig() : host(nullptr, Qt::FramelessWindowHint)
    {
            host.move(0, 0);
        host.resize(800, 600);
        kb = new TVKeyboard(&host, ID_WND_VKEYBOARD, g_res->getSize(97));
        kb->initCtrl();
        kb->hide();
        host.show();
        QApplication::setActiveWindow(&host);
        active = QTest::qWaitForWindowActive(&host);
        timer = kb->findChild<QTimer*>();
    }
    void open(const QString& text = QString(), int maxLength = 256)
    {
        kb->setTitle(QStringLiteral("Camera Title"));
        kb->setPassword(0);
        kb->setMaxLength(maxLength);
        kb->setText(text);
        kb->moveCenter(&host);
        kb->setVisible(true);
        QCoreApplication::processEvents();
    }
    // The place of a label in the layout now shown.
    QPoint find(const QString& label) const
    {
        for (int r = 0; r < TVKeyLayout::Rows; ++r) {
            for (int c = 0; c < TVKeyLayout::rowKeys(r); ++c) {
                if (QString::fromUtf8(TVKeyLayout::label(kb->mode(), r, c)) == label)
                    return QPoint(c, r + 1);
            }
        }
        return QPoint(-1, -1);
    }
    // A mouse click on a key, after the operator's hand left the last one
    // for longer than the keyboard's double-strike guard.
    bool click(int row, int col)
    {
        if (!QTest::qWaitFor([this] { return !timer->isActive(); }, 1000))
            return false;
        const QRect r = kb->keyRect(row, col);
        if (!r.isValid())
            return false;
        QTest::mouseClick(kb, Qt::LeftButton, Qt::NoModifier, r.center());
        return true;
    }
    bool clickLabel(const QString& label)
    {
        const QPoint at = find(label);
        return at.x() >= 0 && click(at.y(), at.x());
    }
    bool type(const QStringList& labels)
    {
        for (const QString& l : labels) {
            if (!clickLabel(l))
                return false;
        }
        return true;
    }
    QString text() const { return kb->edit()->text(); }

    QWidget host;
    TVKeyboard* kb;
    QTimer* timer;
    bool active = false;
};

QStringList jamo(const char* utf8)
{
    QStringList out;
    for (const QChar ch : QString::fromUtf8(utf8))
        out << QString(ch);
    return out;
}

} // namespace

class TVKeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
        TVKeyboard::setLangHook(&osdLang);
    }

    void init()
    {
        s_lang = QStringLiteral("English");
    }

    void cleanup()
    {
        QCOMPARE(QApplication::topLevelWidgets().size() <= 1, true);
    }

    void shiftCycle_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QList<int>>("modes");
        QTest::newRow("English toggles") << "English" << QList<int>{1, 0, 1, 0};
        QTest::newRow("Korean cycles") << "Korean" << QList<int>{1, 2, 0, 1};
        QTest::newRow("unknown name counts as English") << "Klingon" << QList<int>{1, 0, 1};
    }

    void shiftCycle()
    {
        QFETCH(QString, lang);
        QFETCH(QList<int>, modes);
        s_lang = lang;
        Rig rig;
        rig.open();
        QCOMPARE(rig.kb->mode(), 0);
        for (int expected : modes) {
            QVERIFY(rig.click(3, 0));
            QCOMPARE(rig.kb->mode(), expected);
        }
        QCOMPARE(rig.text(), QString());
        // Every show starts again on the lower-case layout.
        rig.kb->sl_btnclicked(1, 0);
        rig.open();
        QCOMPARE(rig.kb->mode(), 0);
    }

    void layoutKeys_data()
    {
        QTest::addColumn<int>("shifts");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower q") << 0 << 2 << 1 << "q";
        QTest::newRow("lower backslash") << 0 << 1 << 13 << "\\";
        QTest::newRow("lower space") << 0 << 4 << 0 << " ";
        QTest::newRow("shifted Q") << 1 << 2 << 1 << "Q";
        QTest::newRow("shifted bar") << 1 << 1 << 13 << "|";
        QTest::newRow("korean bieup") << 2 << 2 << 1 << QString::fromUtf8("ㅂ");
        QTest::newRow("korean blank key") << 2 << 1 << 7 << " ";
        QTest::newRow("korean comma") << 2 << 4 << 8 << ",";
    }

    void layoutKeys()
    {
        QFETCH(int, shifts);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, typed);
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open();
        for (int i = 0; i < shifts; ++i)
            QVERIFY(rig.click(3, 0));
        QCOMPARE(rig.kb->mode(), shifts);
        QVERIFY(rig.click(row, col));
        QCOMPARE(rig.text(), typed);
        QCOMPARE(rig.kb->focusRow(), row);
        QCOMPARE(rig.kb->focusCol(), col);
        QCOMPARE(rig.kb->focusRect(), rig.kb->keyRect(row, col));
    }

    void typeLatinByMouse()
    {
        Rig rig;
        rig.open(QStringLiteral("cam"));
        QVERIFY(rig.type({"Space", "o", "n", "e", "Shift", "!", "Shift"}));
        QCOMPARE(rig.text(), QStringLiteral("cam one!"));
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QStringLiteral("cam one"));
    }

    void keyFocus_data()
    {
        // U D L R arrows, < > jog left and right, starting on OK after show.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("shown on OK") << "" << 5 << 0;
        QTest::newRow("down from buttons to the line") << "D" << 0 << 0;
        QTest::newRow("up from the line to OK") << "DU" << 5 << 0;
        QTest::newRow("up from OK to the last key row") << "U" << 4 << 0;
        QTest::newRow("right to Cancel") << "R" << 5 << 1;
        QTest::newRow("right past Cancel wraps to OK") << "RR" << 5 << 0;
        QTest::newRow("left on first key to last of row") << "DDL" << 1 << 13;
        QTest::newRow("right on last key to first of row") << "DDLR" << 1 << 0;
        QTest::newRow("down from a long row keeps the last key") << "DDLD" << 2 << 12;
        QTest::newRow("jog right on last key to next row") << "DDL>" << 2 << 0;
        QTest::newRow("jog left on the line to Cancel") << "D<" << 5 << 1;
        QTest::newRow("jog right on Cancel to the line") << "R>" << 0 << 0;
    }

    void keyFocus()
    {
        QFETCH(QString, keys);
        QFETCH(int, row);
        QFETCH(int, col);
        Rig rig;
        QVERIFY(rig.active);
        rig.open();
        vkeytest::keys(rig.kb, keys);
        QCOMPARE(rig.kb->focusRow(), row);
        QCOMPARE(rig.kb->focusCol(), col);
        if (row >= 1 && row <= 4) {
            QCOMPARE(rig.kb->focusRect(), rig.kb->keyRect(row, col));
            QVERIFY(rig.kb->edit()->hasFocus());
        } else {
            QVERIFY(!rig.kb->focusRect().isValid());
        }
        if (row == 0)
            QVERIFY(rig.kb->edit()->hasFocus());
        if (row == 5)
            QVERIFY((col == 0 ? rig.kb->okButton() : rig.kb->cancelButton())->hasFocus());
    }

    void enterOnKeyTypesIt()
    {
        Rig rig;
        rig.open();
        // Up from OK onto "Space", right to "z", Enter; then up to row 3 "a".
        vkeytest::keys(rig.kb, QStringLiteral("UR"));
        vkeytest::key(rig.kb, Qt::Key_Enter);
        vkeytest::key(rig.kb, Qt::Key_Up);
        vkeytest::key(rig.kb, Qt::Key_Return);
        QCOMPARE(rig.text(), QStringLiteral("za"));
    }

    void enterOnOkAnswers()
    {
        Rig rig;
        QVERIFY(rig.active);
        rig.open(QStringLiteral("lobby"));
        QSignalSpy reply(rig.kb, &TVKeyboard::sg_reply);
        vkeytest::key(rig.kb, Qt::Key_Enter);
        QTRY_COMPARE(reply.count(), 1);
        QCOMPARE(reply.at(0).at(0).toInt(), int(VK_OK));
        QCOMPARE(reply.at(0).at(1).toString(), QStringLiteral("lobby"));
        QVERIFY(!rig.kb->isVisible());
    }

    void escapeAnswersCancel()
    {
        Rig rig;
        rig.open(QStringLiteral("door"));
        QSignalSpy reply(rig.kb, &TVKeyboard::sg_reply);
        QSignalSpy showed(rig.kb, &TDefWnd::sg_showed);
        QVERIFY(rig.clickLabel(QStringLiteral("s")));
        vkeytest::key(rig.kb, Qt::Key_Escape);
        QCOMPARE(reply.count(), 1);
        QCOMPARE(reply.at(0).at(0).toInt(), int(VK_CANCEL));
        QCOMPARE(reply.at(0).at(1).toString(), QStringLiteral("doors"));
        QVERIFY(!rig.kb->isVisible());
        // The hide is reported to the owner.
        bool hidden = false;
        for (const QList<QVariant>& s : showed)
            hidden = hidden || (s.at(0).toInt() == ID_WND_VKEYBOARD && s.at(1).toInt() == 0);
        QVERIFY(hidden);
    }

    void escapeInEditingModeOnlyEndsIt()
    {
        Rig rig;
        QVERIFY(rig.active);
        rig.open(QStringLiteral("abc"));
        QSignalSpy reply(rig.kb, &TVKeyboard::sg_reply);
        vkeytest::key(rig.kb, Qt::Key_Down); // the line
        vkeytest::key(rig.kb, Qt::Key_Enter); // posted to the line: editing mode
        QTRY_COMPARE(rig.kb->edit()->editing(), 1);
        vkeytest::key(rig.kb, Qt::Key_Left);
        QCOMPARE(rig.kb->edit()->cursorPosition(), 2);
        vkeytest::key(rig.kb, Qt::Key_Escape);
        QCOMPARE(reply.count(), 0);
        QCOMPARE(rig.kb->edit()->editing(), 0);
        QVERIFY(rig.kb->isVisible());
        vkeytest::key(rig.kb, Qt::Key_Escape);
        QCOMPARE(reply.count(), 1);
        QCOMPARE(reply.at(0).at(0).toInt(), int(VK_CANCEL));
    }

    void digitKeys_data()
    {
        QTest::addColumn<int>("shifts");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower digits") << 0 << QList<int>{Qt::Key_1, Qt::Key_9, Qt::Key_0} << "190";
        QTest::newRow("remote zero") << 0 << QList<int>{Qt::Key_F30} << "0";
        QTest::newRow("shifted symbols") << 1 << QList<int>{Qt::Key_1, Qt::Key_5, Qt::Key_0} << "!%)";
    }

    void digitKeys()
    {
        QFETCH(int, shifts);
        QFETCH(QList<int>, keys);
        QFETCH(QString, typed);
        Rig rig;
        rig.open();
        for (int i = 0; i < shifts; ++i)
            QVERIFY(rig.click(3, 0));
        const int row = rig.kb->focusRow();
        const int col = rig.kb->focusCol();
        for (int k : keys)
            vkeytest::key(rig.kb, k);
        QCOMPARE(rig.text(), typed);
        // A digit strikes its key without moving the key focus.
        QCOMPARE(rig.kb->focusRow(), row);
        QCOMPARE(rig.kb->focusCol(), col);
    }

    void koreanSyllableAndBackspace()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open(QStringLiteral("A"));
        QVERIFY(rig.type({"Shift", "Shift"}));
        QCOMPARE(rig.kb->mode(), 2);
        QVERIFY(rig.type(jamo("ㅎㅏㄴ")));
        QCOMPARE(rig.text(), QStringLiteral("A") + QString::fromUtf8("한"));
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QStringLiteral("A") + QString::fromUtf8("하"));
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QStringLiteral("A") + QString::fromUtf8("ㅎ"));
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QStringLiteral("A"));
        // Nothing in composition: the line loses its last character.
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QString());
        QVERIFY(rig.type(jamo("ㄱㅡㄹ")));
        QCOMPARE(rig.text(), QString::fromUtf8("글"));
    }

    void koreanCommitOnNonJamo()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open();
        QVERIFY(rig.type({"Shift", "Shift"}));
        QVERIFY(rig.type(jamo("ㅎㅏㄴ")));
        QVERIFY(rig.clickLabel(QStringLiteral(".")));
        QCOMPARE(rig.text(), QString::fromUtf8("한."));
        QVERIFY(rig.type(jamo("ㄱㅡㄹ")));
        QVERIFY(rig.clickLabel(QStringLiteral("Space")));
        QCOMPARE(rig.text(), QString::fromUtf8("한.글 "));
        QVERIFY(rig.type(jamo("ㅎㅏ")));
        QVERIFY(rig.clickLabel(QStringLiteral("/")));
        QVERIFY(rig.clickLabel(QStringLiteral("`")));
        QCOMPARE(rig.text(), QString::fromUtf8("한.글 하/`"));
        // After a committed sign "<-" deletes it from the line, not a jamo.
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QString::fromUtf8("한.글 하/"));
    }

    void koreanDigitKeyTakesStruckKey()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open();
        QVERIFY(rig.type({"Shift", "Shift"}));
        // The key focus is on the Shift key; move it to the buttons, where no
        // Korean key lies, and strike with the remote's digits.
        vkeytest::key(rig.kb, Qt::Key_Down);
        vkeytest::key(rig.kb, Qt::Key_Down);
        QCOMPARE(rig.kb->focusRow(), 5);
        vkeytest::key(rig.kb, Qt::Key_1); // ㅃ
        QCOMPARE(rig.text(), QString::fromUtf8("ㅃ"));
        QVERIFY(rig.clickLabel(QString::fromUtf8("ㅏ")));
        QCOMPARE(rig.text(), QString::fromUtf8("빠"));
        vkeytest::key(rig.kb, Qt::Key_7); // a blank key: commits, adds a blank
        QCOMPARE(rig.text(), QString::fromUtf8("빠 "));
        vkeytest::key(rig.kb, Qt::Key_0); // key 10: ㅖ
        vkeytest::key(rig.kb, Qt::Key_F30);
        QCOMPARE(rig.text(), QString::fromUtf8("빠 ㅖㅖ"));
    }

    void koreanFollowsLineEdits()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open();
        QVERIFY(rig.type({"Shift", "Shift"}));
        QVERIFY(rig.type(jamo("ㅎㅏ")));
        // The line is changed behind the composition (its own editing mode).
        rig.kb->edit()->setText(QStringLiteral("xy"));
        QVERIFY(rig.type(jamo("ㄱㅏ")));
        QCOMPARE(rig.text(), QStringLiteral("xy") + QString::fromUtf8("가"));
    }

    void maxLengthKeepsLineAndCompositionInStep()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open(QStringLiteral("ab"), 3);
        QVERIFY(rig.type({"Shift", "Shift"}));
        QVERIFY(rig.type(jamo("ㅎㅏㄴ")));
        QCOMPARE(rig.text(), QStringLiteral("ab") + QString::fromUtf8("한"));
        // No room for the next syllable: the key is refused, the line stays.
        QVERIFY(rig.clickLabel(QString::fromUtf8("ㅏ")));
        QCOMPARE(rig.text(), QStringLiteral("ab") + QString::fromUtf8("한"));
        QVERIFY(rig.clickLabel(QStringLiteral(".")));
        QCOMPARE(rig.text(), QStringLiteral("ab") + QString::fromUtf8("한"));
        // The syllable was committed whole: "<-" removes it from the line, and
        // typing goes on exactly where the line ends.
        QVERIFY(rig.clickLabel(QStringLiteral("<-")));
        QCOMPARE(rig.text(), QStringLiteral("ab"));
        QVERIFY(rig.type(jamo("ㄱㅗ")));
        QCOMPARE(rig.text(), QStringLiteral("ab") + QString::fromUtf8("고"));
        QSignalSpy reply(rig.kb, &TVKeyboard::sg_reply);
        rig.kb->sl_btnclicked(0, 0);
        QCOMPARE(reply.at(0).at(1).toString(), QStringLiteral("ab") + QString::fromUtf8("고"));

        // The Latin layouts stop at the limit too.
        s_lang = QStringLiteral("English");
        rig.open(QStringLiteral("ab"), 3);
        QVERIFY(rig.type({"x", "y", "z"}));
        QCOMPARE(rig.text(), QStringLiteral("abx"));
    }

    void macMode()
    {
        Rig rig;
        rig.open(QString(), 17);
        rig.kb->setMacMode(1);
        vkeytest::key(rig.kb, Qt::Key_0);
        QCOMPARE(rig.text(), QStringLiteral("0"));
        vkeytest::key(rig.kb, Qt::Key_0);
        QCOMPARE(rig.text(), QStringLiteral("00:"));
        for (const char* pair : {"1a", "2b", "3c", "4d", "5e"}) {
            vkeytest::key(rig.kb, Qt::Key_0 + pair[0] - '0');
            QVERIFY(rig.clickLabel(QString(QLatin1Char(pair[1]))));
        }
        QCOMPARE(rig.text(), QStringLiteral("00:1a:2b:3c:4d:5e"));
        // Hiding ends MAC mode.
        rig.kb->sl_btnclicked(1, 0);
        rig.open();
        vkeytest::key(rig.kb, Qt::Key_1);
        vkeytest::key(rig.kb, Qt::Key_2);
        QCOMPARE(rig.text(), QStringLiteral("12"));
    }

    void secondPressWithinGuardHitsNothing()
    {
        Rig rig;
        rig.open();
        QVERIFY(rig.click(2, 1)); // q
        QCOMPARE(rig.kb->focusRect(), rig.kb->keyRect(2, 1));
        QVERIFY(rig.timer->isActive());
        QTest::mouseClick(rig.kb, Qt::LeftButton, Qt::NoModifier, rig.kb->keyRect(2, 2).center());
        QCOMPARE(rig.text(), QStringLiteral("q"));
        QVERIFY(!rig.kb->focusRect().isValid());
        QVERIFY(rig.click(2, 2)); // after the guard: w
        QCOMPARE(rig.text(), QStringLiteral("qw"));
    }

    void grabLayouts()
    {
        s_lang = QStringLiteral("Korean");
        Rig rig;
        rig.open(QStringLiteral("Camera"));
        const char* names[] = {"vkeyboard-lower.png", "vkeyboard-shifted.png", "vkeyboard-korean.png"};
        for (int mode = 0; mode < 3; ++mode) {
            if (mode == 2)
                QVERIFY(rig.type(jamo("ㅎㅏㄴ")));
            vkeytest::key(rig.kb, Qt::Key_Up);
            const QImage img = rig.kb->grab().toImage();
            QCOMPARE(img.size(), g_res->getSize(97));
            QVERIFY(img.save(vkeytest::grabPath(QString::fromLatin1(names[mode]))));
            vkeytest::key(rig.kb, Qt::Key_Down);
            QVERIFY(rig.click(3, 0));
        }
    }

};

QTEST_MAIN(TVKeyboardTest)
#include "tvkeyboardtest.moc"
