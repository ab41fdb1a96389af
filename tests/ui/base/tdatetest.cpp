#include "rowform.h"

#include <QtTest>

struct DateForm : RowForm<TDate>
{
    TDate* date = ctrl;
    DateForm() : RowForm([](QWidget* p) { return new TDate(p); }, 160)
    {
        date->setDisplayFormat("yyyy-MM-dd");
        date->setDate(QDate(2024, 1, 31));
        w.dates << date;
    }
};

class TDateTest : public QObject
{
    Q_OBJECT
private slots:
    void unitStep_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QDate>("expected");
        const int Y = QDateTimeEdit::YearSection, M = QDateTimeEdit::MonthSection, D = QDateTimeEdit::DaySection;
        QTest::newRow("day over leap February") << QDate(2024, 2, 28) << D << 1 << QDate(2024, 2, 29);
        QTest::newRow("day over plain February") << QDate(2023, 2, 28) << D << 1 << QDate(2023, 3, 1);
        QTest::newRow("day back into leap February") << QDate(2024, 3, 1) << D << -1 << QDate(2024, 2, 29);
        QTest::newRow("day back into plain February") << QDate(2100, 3, 1) << D << -1 << QDate(2100, 2, 28);
        QTest::newRow("day over the year's end") << QDate(2023, 12, 31) << D << 1 << QDate(2024, 1, 1);
        QTest::newRow("day back over the year's start") << QDate(2024, 1, 1) << D << -1 << QDate(2023, 12, 31);
        QTest::newRow("month from 31 January, leap") << QDate(2024, 1, 31) << M << 1 << QDate(2024, 2, 29);
        QTest::newRow("month from 31 January, plain") << QDate(2023, 1, 31) << M << 1 << QDate(2023, 2, 28);
        QTest::newRow("month to a 30-day month") << QDate(2023, 5, 31) << M << -1 << QDate(2023, 4, 30);
        QTest::newRow("month over the year's end") << QDate(2023, 12, 15) << M << 1 << QDate(2024, 1, 15);
        QTest::newRow("year from 29 February") << QDate(2024, 2, 29) << Y << 1 << QDate(2025, 2, 28);
        QTest::newRow("year back from 29 February") << QDate(2024, 2, 29) << Y << -1 << QDate(2023, 2, 28);
        QTest::newRow("year to 2000, a leap century") << QDate(1999, 3, 1) << Y << 1 << QDate(2000, 3, 1);
        QTest::newRow("no section") << QDate(2024, 5, 5) << int(QDateTimeEdit::NoSection) << 1 << QDate(2024, 5, 5);
    }

    void unitStep()
    {
        QFETCH(QDate, from);
        QFETCH(int, section);
        QFETCH(int, sign);
        QFETCH(QDate, expected);
        QCOMPARE(TDate::unitStep(from, QDateTimeEdit::Section(section), sign), expected);
    }

    void browseModeLeavesKeysToWindow()
    {
        DateForm f;
        QVERIFY(f.ready());
        f.left->setFocus();
        f.key(Qt::Key_Right);
        QVERIFY(f.date->hasFocus());
        for (int k : {int(Qt::Key_Up), int(Qt::Key_Left), int(Qt::Key_5), int(Qt::Key_Escape), int(KEY_JOG_LEFT)})
            QCOMPARE(f.date->isLock(k), 0);
        // One row only: Up leads nowhere and the window takes its default control.
        f.key(Qt::Key_Up);
        QVERIFY(f.left->hasFocus());
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Right);
        QVERIFY(f.right->hasFocus());
        QCOMPARE(f.date->date(), QDate(2024, 1, 31));
        QVERIFY(f.date->isReadOnly());
    }

    void editModeStepsSections_data()
    {
        // From the year section of 2024-01-31: sections moved right, then one step.
        QTest::addColumn<int>("rights");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("year up") << 0 << int(Qt::Key_Up) << QDate(2025, 1, 31);
        QTest::newRow("month up to leap February's end") << 1 << int(Qt::Key_Up) << QDate(2024, 2, 29);
        QTest::newRow("month down over the year") << 1 << int(Qt::Key_Down) << QDate(2023, 12, 31);
        QTest::newRow("day up over the month") << 2 << int(Qt::Key_Up) << QDate(2024, 2, 1);
    }

    void editModeStepsSections()
    {
        QFETCH(int, rights);
        QFETCH(int, key);
        QFETCH(QDate, expected);
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        QVERIFY(!f.date->isReadOnly());
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::YearSection);
        for (int i = 0; i < rights; ++i)
            f.key(Qt::Key_Right);
        f.key(key);
        QCOMPARE(f.date->date(), expected);
        QVERIFY(f.date->hasFocus());  // the arrows stayed with the editor
        QCOMPARE(f.date->currentSectionIndex(), rights);
        QCOMPARE(f.line()->selectedText(), f.date->sectionText(f.date->currentSection()));
    }

    void sectionsWrap()
    {
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        QCOMPARE(f.date->currentSectionIndex(), 0);
        f.key(KEY_JOG_LEFT);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        f.key(KEY_JOG_RIGHT);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::YearSection);
        f.key(Qt::Key_Left);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        f.key(Qt::Key_Right);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::YearSection);
        // Enter in edit mode keeps it and keeps the section.
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Return);
        QCOMPARE(f.date->lock(), 1);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::MonthSection);
    }

    void digitsAndF30AreSwallowed()
    {
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        QCOMPARE(f.date->isLock(Qt::Key_7), 1);
        QCOMPARE(f.date->isLock(Qt::Key_0), 1);
        QCOMPARE(f.date->isLock(Qt::Key_F30), 1);
        QCOMPARE(f.date->isLock(Qt::Key_A), 0);
        // Typed straight at the editor, digits do nothing either.
        QTest::keyClicks(f.date, "1999");
        QCOMPARE(f.date->date(), QDate(2024, 1, 31));
    }

    void escapeLeavesEditMode()
    {
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        f.key(Qt::Key_Escape);
        QCOMPARE(f.date->lock(), 0);
        QVERIFY(f.date->isReadOnly());
        QVERIFY(!f.line()->hasSelectedText());
        QCOMPARE(f.w.escapes, 0);
        QVERIFY(f.w.isVisible());
        f.key(Qt::Key_Left);  // browse mode again: the window moves the focus
        QVERIFY(f.left->hasFocus());
        f.key(Qt::Key_Escape);
        QCOMPARE(f.w.escapes, 1);
    }

    void stepByIsOneUnit()
    {
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Right);
        f.date->stepBy(5);
        QCOMPARE(f.date->date(), QDate(2024, 2, 1));
        f.date->stepBy(-3);
        QCOMPARE(f.date->date(), QDate(2024, 1, 31));
        f.date->stepBy(0);
        QCOMPARE(f.date->date(), QDate(2024, 1, 31));
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
    }

    void rangeLimitsSteps()
    {
        DateForm f;
        QVERIFY(f.ready());
        f.date->setDateRange(QDate(2000, 1, 1), QDate(2037, 12, 31));
        f.date->setDate(QDate(2037, 12, 31));
        QVERIFY(f.enterEdit());
        // The editor wraps: a step past the end of its range gives its start,
        // one before the start its end; nothing outside the range is ever set.
        f.key(Qt::Key_Up);
        QCOMPARE(f.date->date(), QDate(2000, 1, 1));
        f.key(Qt::Key_Down);
        QCOMPARE(f.date->date(), QDate(2037, 12, 31));
        f.key(Qt::Key_Left);
        f.key(Qt::Key_Down);
        QCOMPARE(f.date->date(), QDate(2037, 12, 30));
        f.key(Qt::Key_Up);
        f.key(Qt::Key_Up);
        QCOMPARE(f.date->date(), QDate(2000, 1, 1));
    }

    void focusOutKeepsSection()
    {
        DateForm f;
        QVERIFY(f.ready());
        QVERIFY(f.enterEdit());
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Right);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        f.right->setFocus();
        QCOMPARE(f.date->lock(), 0);
        QVERIFY(f.date->isReadOnly());
        f.key(Qt::Key_Left);
        QVERIFY(f.date->hasFocus());
        f.key(Qt::Key_Return);
        QTRY_COMPARE(f.date->lock(), 1);
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        f.key(Qt::Key_Up);
        QCOMPARE(f.date->date(), QDate(2024, 2, 1));
    }

    void mouseHoverEditsAndLeaveBrowses()
    {
        DateForm f;
        QVERIFY(f.ready());
        f.left->setFocus();
        QTest::mouseMove(&f.w, QPoint(120, 20));
        QTRY_COMPARE(f.date->lock(), 1);
        QVERIFY(f.date->hasFocus());
        QVERIFY(!f.date->isReadOnly());
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::YearSection);
        // Click into the day digits, then the wheel steps the day by one.
        const QRect field = f.line()->geometry();
        QTest::mouseClick(f.line(), Qt::LeftButton, {}, QPoint(field.width() - 30, field.height() / 2));
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        QWheelEvent wheel(QPointF(20, 10), f.date->mapToGlobal(QPoint(20, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.date, &wheel);
        QCOMPARE(f.date->date(), QDate(2024, 2, 1));
        QTest::mouseMove(&f.w, QPoint(390, 55));
        QTRY_COMPARE(f.date->lock(), 0);
        QVERIFY(f.date->isReadOnly());
        QVERIFY(!f.date->hasFocus());
    }

};

QTEST_MAIN(TDateTest)
#include "tdatetest.moc"
