#include "rowform.h"

#include <QtTest>

struct TimeForm : RowForm<TTime>
{
    TTime* time = ctrl;
    explicit TimeForm(const QString& format = "hh:mm:ss") : RowForm([](QWidget* p) { return new TTime(p); }, 180)
    {
        time->setDisplayFormat(format);
        time->setTime(QTime(0, 30, 0));
        w.times << time;
    }
};

class TTimeTest : public QObject
{
    Q_OBJECT
private slots:
    void unitStep_data()
    {
        QTest::addColumn<QTime>("from");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QTime>("expected");
        const int A = QDateTimeEdit::AmPmSection, H = QDateTimeEdit::HourSection, M = QDateTimeEdit::MinuteSection,
                  S = QDateTimeEdit::SecondSection;
        QTest::newRow("hour down over midnight") << QTime(0, 30) << H << -1 << QTime(23, 30);
        QTest::newRow("hour up over midnight") << QTime(23, 10, 5) << H << 1 << QTime(0, 10, 5);
        QTest::newRow("minute up over the hour") << QTime(9, 59, 1) << M << 1 << QTime(10, 0, 1);
        QTest::newRow("minute down over midnight") << QTime(0, 0, 30) << M << -1 << QTime(23, 59, 30);
        QTest::newRow("second up over midnight") << QTime(23, 59, 59) << S << 1 << QTime(0, 0, 0);
        QTest::newRow("am to pm") << QTime(9, 15) << A << 1 << QTime(21, 15);
        QTest::newRow("pm to am over midnight") << QTime(21, 15) << A << 1 << QTime(9, 15);
        QTest::newRow("no section") << QTime(9, 15) << int(QDateTimeEdit::NoSection) << 1 << QTime(9, 15);
    }

    void unitStep()
    {
        QFETCH(QTime, from);
        QFETCH(int, section);
        QFETCH(int, sign);
        QFETCH(QTime, expected);
        QCOMPARE(TTime::unitStep(from, QDateTimeEdit::Section(section), sign), expected);
    }

    void editModeSteps_data()
    {
        QTest::addColumn<int>("rights");
        QTest::addColumn<int>("key");
        QTest::addColumn<QTime>("expected");
        QTest::newRow("hour down over midnight") << 0 << int(Qt::Key_Down) << QTime(23, 30);
        QTest::newRow("minute down") << 1 << int(Qt::Key_Down) << QTime(0, 29);
        QTest::newRow("second down over midnight") << 2 << int(Qt::Key_Down) << QTime(0, 29, 59);
    }

    void editModeSteps()
    {
        QFETCH(int, rights);
        QFETCH(int, key);
        QFETCH(QTime, expected);
        TimeForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        for (int i = 0; i < rights; ++i)
            f.key(Qt::Key_Right);
        f.key(key);
        QCOMPARE(f.time->time(), expected);
        QCOMPARE(f.time->currentSectionIndex(), rights);
        QCOMPARE(f.line()->selectedText(), f.time->sectionText(f.time->currentSection()));
        QVERIFY(f.time->hasFocus());
    }

    void amPmSection()
    {
        TimeForm f("hh:mm AP");
        QVERIFY(f.ready());
        f.time->setTime(QTime(9, 15));
        QVERIFY(f.enterEdit());
        f.key(KEY_JOG_LEFT);  // from the hour back to the last section
        QCOMPARE(f.time->currentSection(), QDateTimeEdit::AmPmSection);
        f.key(Qt::Key_Up);
        QCOMPARE(f.time->time(), QTime(21, 15));
        QCOMPARE(f.line()->text(), QString("09:15 PM"));
        f.key(Qt::Key_Down);
        QCOMPARE(f.time->time(), QTime(9, 15));
    }

    void browseAndEscape()
    {
        TimeForm f;
        QVERIFY(f.ready());
        f.left->setFocus();
        f.key(Qt::Key_Right);
        QCOMPARE(f.time->isLock(Qt::Key_Up), 0);
        QVERIFY(f.enterEdit());
        f.key(Qt::Key_Backspace);
        QCOMPARE(f.time->lock(), 0);
        QVERIFY(f.time->isReadOnly());
        QVERIFY(!f.line()->hasSelectedText());
        f.key(Qt::Key_Right);
        QVERIFY(f.right->hasFocus());
        QCOMPARE(f.time->time(), QTime(0, 30));
    }
};

QTEST_MAIN(TTimeTest)
#include "ttimetest.moc"
