#include "controlenv.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tscheduler.h"

#include <QCursor>
#include <QPainter>
#include <QtTest>

#include <cstring>
#include <memory>

// The weekly schedule grid painted by mouse and by keys.
class TSchedulerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void init()
    {
        m_top.reset(new QWidget);
        m_top->resize(860, 320);
        m_s = new TScheduler(m_top.get(), 3, QSize(840, 300));
        m_s->move(10, 10);
        m_s->createCtrl();
        m_changes.clear();
        m_cells = nullptr;
        connect(m_s, &TScheduler::sg_changeValue, m_s, [this](int kind, int value, char** cells) {
            m_changes.append(qMakePair(kind, value));
            if (cells)
                m_cells = *cells;
        });
        m_top->show();
        QApplication::setActiveWindow(m_top.get());
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
        char data[TScheduleGrid::Size];
        std::memset(data, 4, sizeof data);
        m_s->setData(data);
        m_s->setPreset(2); // fresh selections write value 1
    }

    void cleanup()
    {
        m_top.reset();
        m_s = nullptr;
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void clickPaintsItsRegion_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRect>("cells");
        QTest::newRow("header: the hour") << int(TScheduleGrid::Header) << 5 << 0 << QRect(QPoint(30, 0), QPoint(35, 7));
        QTest::newRow("label: the row") << int(TScheduleGrid::Label) << 0 << 6 << QRect(QPoint(0, 6), QPoint(143, 6));
        QTest::newRow("corner: everything") << int(TScheduleGrid::Corner) << 0 << 0 << QRect(QPoint(0, 0), QPoint(143, 7));
    }

    void clickPaintsItsRegion()
    {
        QFETCH(int, region);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QRect, cells);
        const QPoint at = region == TScheduleGrid::Corner ? QPoint(10, 10) : m_s->grid().cellRect(region, col, row).center();
        QTest::mouseClick(m_s, Qt::LeftButton, {}, at);
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 144; ++c)
                QCOMPARE(m_s->value(r, c), cells.contains(c, r) ? 1 : 4);
        }
        QCOMPARE(m_changes.size(), 1);
        QCOMPARE(m_changes.at(0).first, 1);
        QCOMPARE(m_cells, m_s->grid().data());
        // A release outside every region clears the outline and the kind.
        QTest::mouseClick(m_s, Qt::LeftButton, {}, QPoint(400, 295));
        QCOMPARE(m_s->mode(), 0);
        QVERIFY(!m_s->hilite().isValid());
    }

    void headerReleasedElsewhereWritesNothing()
    {
        const QPoint a = m_s->grid().cellRect(TScheduleGrid::Header, 5, 0).center();
        const QPoint b = m_s->grid().cellRect(TScheduleGrid::Header, 6, 0).center();
        QTest::mousePress(m_s, Qt::LeftButton, {}, a);
        QTest::mouseRelease(m_s, Qt::LeftButton, {}, b);
        QCOMPARE(m_changes.size(), 0);
        QCOMPARE(m_s->value(0, 30), 4);
        QCOMPARE(m_s->value(0, 36), 4);
    }

    void dragPaintsARectangle()
    {
        QTest::mousePress(m_s, Qt::LeftButton, {}, cell(4, 3));
        QMouseEvent move(QEvent::MouseMove, cell(2, 5), m_s->mapToGlobal(cell(2, 5)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(m_s, &move);
        QCOMPARE(m_s->hilite(), m_s->grid().spanRect(4, 3, 2, 5));
        ControlEnv::shot(m_s, "schedule-drag");
        QTest::mouseRelease(m_s, Qt::LeftButton, {}, cell(2, 5));
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 144; ++c) {
                const bool in = r >= 3 && r <= 5 && c >= 12 && c <= 29;
                QCOMPARE(m_s->value(r, c), in ? 1 : 4);
            }
        }
        QCOMPARE(m_changes.size(), 1);
        // The outline moves to the cell under the pointer.
        QCOMPARE(m_s->hilite(), m_s->grid().cellRect(TScheduleGrid::Grid, 2, 5));
    }

    void sameAreaTwiceCycles()
    {
        m_s->setPreset(1); // value 0 first
        const int expect[] = {0, 1, 2, 3, 4, 0};
        for (int v : expect) {
            QTest::mouseClick(m_s, Qt::LeftButton, {}, cell(10, 2));
            QCOMPARE(m_s->value(2, 60), v);
            QCOMPARE(m_s->value(2, 65), v);
            QCOMPARE(m_s->value(2, 66), 4);
        }
        // Another cell starts again from the preset.
        QTest::mouseClick(m_s, Qt::LeftButton, {}, cell(11, 2));
        QCOMPARE(m_s->value(2, 66), 0);
    }

    void zoomedColumnIsOneCell()
    {
        QTest::mouseClick(m_s->button(1), Qt::LeftButton);
        QTest::mouseClick(m_s->button(3), Qt::LeftButton);
        QCOMPARE(m_s->grid().firstHour(), 1);
        QTest::mouseClick(m_s, Qt::LeftButton, {}, m_s->grid().cellRect(TScheduleGrid::Header, 7, 0).center());
        QCOMPARE(m_s->value(0, 13), 1);
        QCOMPARE(m_s->value(0, 12), 4);
        QCOMPARE(m_s->value(0, 14), 4);
        ControlEnv::shot(m_s, "schedule-zoomed");
        QTest::mouseClick(m_s->button(2), Qt::LeftButton);
        QCOMPARE(m_s->grid().zoom(), 0);
    }

    void idleGridLeavesKeysToTheOwner()
    {
        for (int key : {int(Qt::Key_Up), int(Qt::Key_Return), int(KEY_JOG_RIGHT), int(Qt::Key_Escape)})
            QCOMPARE(m_s->isLock(key), 0);
        activate();
        QCOMPARE(m_s->isLock(Qt::Key_A), 1);
    }

    void keysWalkAndStretchARectangle()
    {
        activate();
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Corner));
        m_s->isLock(Qt::Key_Right);
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Header));
        m_changes.clear();
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Grid));
        QCOMPARE(m_s->keyCursor(), QPoint(1, 0));
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->keyCursor(), QPoint(1, 1));
        m_s->isLock(Qt::Key_Enter);
        QCOMPARE(m_s->isLocked(), 1);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->farCorner(), QPoint(3, 2));
        QCOMPARE(m_s->hilite(), m_s->grid().spanRect(1, 1, 3, 2));
        ControlEnv::shot(m_s, "schedule-keys");
        m_s->isLock(Qt::Key_Return);
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 144; ++c)
                QCOMPARE(m_s->value(r, c), r >= 1 && r <= 2 && c >= 6 && c <= 23 ? 1 : 4);
        }
        // The write is reported, then the new value under the key cursor.
        QCOMPARE(m_changes.size(), 2);
        QCOMPARE(m_changes.at(0).first, 1);
        QCOMPARE(m_changes.at(1), qMakePair(0, 1));
        // Enter again on the same rectangle steps its cells on.
        m_s->isLock(Qt::Key_Return);
        QCOMPARE(m_s->value(1, 6), 2);
    }

    void jogWrapsWhileStretching()
    {
        activate();
        m_s->isLock(Qt::Key_Down); // row label 0
        m_s->isLock(Qt::Key_Right); // grid (0, 0)
        for (int i = 0; i < 23; ++i)
            m_s->isLock(Qt::Key_Right);
        for (int i = 0; i < 7; ++i)
            m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->keyCursor(), QPoint(23, 7));
        m_s->isLock(Qt::Key_Return);
        m_s->isLock(KEY_JOG_RIGHT);
        QCOMPARE(m_s->farCorner(), QPoint(0, 0)); // past row 7 to row 0
        m_s->isLock(KEY_JOG_LEFT);
        QCOMPARE(m_s->farCorner(), QPoint(23, 7));
        m_s->isLock(Qt::Key_Up);
        m_s->isLock(KEY_JOG_RIGHT);
        QCOMPARE(m_s->farCorner(), QPoint(0, 7));
        // The arrows stop at the edges.
        m_s->isLock(Qt::Key_Left);
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->farCorner(), QPoint(0, 7));
    }

    void jogLeftFromTheFirstButtonGoesToTheLastCell()
    {
        activate();
        m_s->isLock(Qt::Key_Up); // corner -> buttons
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Buttons));
        QCOMPARE(m_s->focusBtn(), m_s->button(0));
        QVERIFY(m_s->button(0)->hasFocus());
        m_s->isLock(KEY_JOG_LEFT);
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Grid));
        QCOMPARE(m_s->keyCursor(), QPoint(23, 7));
        QCOMPARE(m_s->hilite(), m_s->grid().cellRect(TScheduleGrid::Grid, 23, 7));
    }

    void keysPressTheZoomButtons()
    {
        activate();
        m_s->isLock(Qt::Key_Up);
        m_s->isLock(Qt::Key_Right);
        QCOMPARE(m_s->focusBtn(), m_s->button(1));
        m_s->isLock(Qt::Key_Return);
        QTRY_COMPARE(m_s->grid().zoom(), 1);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Right);
        QCOMPARE(m_s->focusBtn(), m_s->button(3));
        m_s->isLock(Qt::Key_Return);
        QTRY_COMPARE(m_s->grid().firstHour(), 1);
        m_s->isLock(Qt::Key_Right); // from ">" round to "<"
        QCOMPARE(m_s->focusBtn(), m_s->button(0));
        m_s->isLock(Qt::Key_Left);
        QCOMPARE(m_s->focusBtn(), m_s->button(3));
        m_s->isLock(KEY_JOG_RIGHT); // from the last button to the corner
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Corner));
        // Down from the buttons returns to where the keys came from.
        m_s->isLock(Qt::Key_Left);
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Buttons));
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->mode(), int(TScheduleGrid::Corner));
    }

    void escapeEndsStretchingThenIdles()
    {
        activate();
        m_s->isLock(Qt::Key_Down);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Return);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Down);
        QCOMPARE(m_s->isLock(Qt::Key_Escape), 1);
        QCOMPARE(m_s->isLocked(), 0);
        QCOMPARE(m_s->keyCursor(), QPoint(1, 1));
        QCOMPARE(m_s->hilite(), m_s->grid().cellRect(TScheduleGrid::Grid, 1, 1));
        QCOMPARE(m_s->isLock(Qt::Key_Backspace), 1);
        QCOMPARE(m_s->isActive(), 0);
        QVERIFY(m_s->hasFocus());
        QCOMPARE(m_s->isLock(Qt::Key_Right), 0);
        // Nothing was written by any of it.
        QCOMPARE(m_s->value(0, 0), 4);
        QCOMPARE(m_s->value(1, 6), 4);
    }

    void keysPaintHeaderRowAndAll()
    {
        activate();
        m_s->isLock(Qt::Key_Return); // on the corner: everything
        QCOMPARE(m_s->value(3, 77), 1);
        m_s->isLock(Qt::Key_Return); // the same outline again: one step on
        QCOMPARE(m_s->value(3, 77), 2);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Right);
        m_s->isLock(Qt::Key_Right); // header 2
        m_s->isLock(Qt::Key_Enter);
        QCOMPARE(m_s->value(5, 12), 1);
        QCOMPARE(m_s->value(5, 11), 2);
        m_s->isLock(Qt::Key_Left);
        m_s->isLock(Qt::Key_Left);
        m_s->isLock(Qt::Key_Left); // corner
        m_s->isLock(Qt::Key_Down); // row label 0
        m_s->isLock(Qt::Key_Down);
        m_s->isLock(Qt::Key_Enter); // row 1
        QCOMPARE(m_s->value(1, 143), 1);
        QCOMPARE(m_s->value(0, 143), 2);
        // The key cursor reports the value under it.
        QCOMPARE(m_s->curValue(), 1);
        m_s->isLock(Qt::Key_Up);
        QCOMPARE(m_changes.last(), qMakePair(0, 2));
    }

    void hoverReportsTheValue()
    {
        QTest::mouseClick(m_s, Qt::LeftButton, {}, m_s->grid().cellRect(TScheduleGrid::Label, 0, 4).center());
        m_changes.clear();
        QCursor::setPos(m_s->mapToGlobal(cell(5, 4)));
        if (m_s->mapFromGlobal(QCursor::pos()) != cell(5, 4))
            QSKIP("this platform does not move the pointer");
        m_s->sl_timeout();
        QCOMPARE(m_changes.last(), qMakePair(0, 1));
        const int n = m_changes.size();
        m_s->sl_timeout(); // unchanged: no report
        QCOMPARE(m_changes.size(), n);
        QCursor::setPos(m_s->mapToGlobal(QPoint(5, 5)));
        m_s->sl_timeout();
        QCOMPARE(m_changes.last(), qMakePair(0, -1));
        m_s->sl_timeout();
        QCOMPARE(m_changes.size(), n + 1);
    }

    void narrowerThanTheMinimumIsSafe_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("167 wide") << QSize(167, 300);
        QTest::newRow("zero") << QSize(0, 0);
        QTest::newRow("9 high") << QSize(840, 9);
    }

    void narrowerThanTheMinimumIsSafe()
    {
        QFETCH(QSize, size);
        m_s->resize(size);
        QCOMPARE(m_s->grid().colW(), qMax(0, size.width() / 28) / 6 * 6);
        for (int x = 0; x < size.width(); x += 7) {
            for (int y = 0; y < size.height(); y += 9)
                QTest::mouseClick(m_s, Qt::LeftButton, {}, QPoint(x, y));
        }
        QCursor::setPos(m_s->mapToGlobal(QPoint(size.width() / 2, size.height() / 2)));
        m_s->sl_timeout();
        activate();
        for (int key : {int(Qt::Key_Right), int(Qt::Key_Down), int(Qt::Key_Return), int(KEY_JOG_RIGHT), int(Qt::Key_Return),
                        int(Qt::Key_Up), int(KEY_JOG_LEFT)})
            m_s->isLock(key);
        for (int id = 0; id < 4; ++id)
            m_s->sl_btnclicked(id, 0);
        m_s->grab();
        QVERIFY(m_s->grid().secPerPx() >= 0);
    }

    void zoomedHeaderLabelsTheHours_data()
    {
        QTest::addColumn<int>("later");  // clicks on ">" after zooming in
        QTest::addColumn<int>("column"); // header column with a tick
        QTest::addColumn<QString>("label");
        QTest::newRow("hour 0") << 0 << 0 << "0:00";
        QTest::newRow("hour 3") << 0 << 18 << "3:00";
        QTest::newRow("scrolled to 5") << 5 << 6 << "6:00";
        QTest::newRow("last hours") << 25 << 18 << "23:00";
    }

    void zoomedHeaderLabelsTheHours()
    {
        QFETCH(int, later);
        QFETCH(int, column);
        QFETCH(QString, label);
        QTest::mouseClick(m_s->button(1), Qt::LeftButton);
        for (int i = 0; i < later; ++i)
            QTest::mouseClick(m_s->button(3), Qt::LeftButton);
        QCOMPARE(m_s->grid().zoom(), 1);
        const int c = m_s->grid().colW(), rh = m_s->grid().rowH();
        const QRect box = m_s->grid().cellRect(TScheduleGrid::Header, column, 0);
        ControlEnv::shot(m_s, QStringLiteral("scheduler-zoomed-%1").arg(later));
        // The hour's text over two columns, as the header's own font draws it;
        // compared between the frame above and the tick below, right of the
        // column line.
        const QRect cmp(box.left() + 1, 2, 2 * c - 1, rh - rh / 4 - 2);
        const QImage shown = m_s->grab().toImage();
        QImage want(2 * c, rh, shown.format());
        want.fill(g_res->getColor(35));
        // Text at the screen's resolution, not an image's default.
        want.setDotsPerMeterX(qRound(m_s->logicalDpiX() / 0.0254));
        want.setDotsPerMeterY(qRound(m_s->logicalDpiY() / 0.0254));
        {
            QPainter p(&want);
            p.setFont(m_s->font());
            p.setPen(g_res->getColor(33));
            p.drawText(QRect(0, 0, 2 * c, rh), Qt::AlignCenter, label);
        }
        const QImage got = shown.convertToFormat(QImage::Format_RGB32).copy(cmp);
        QCOMPARE(got, want.convertToFormat(QImage::Format_RGB32).copy(cmp.translated(-box.left(), 0)));
    }

    void keyReleasesStayWithTheGrid()
    {
        ReleaseCounter top;
        top.resize(860, 320);
        auto* s = new TScheduler(&top, 4, QSize(840, 300));
        s->createCtrl();
        top.show();
        QApplication::setActiveWindow(&top);
        QVERIFY(QTest::qWaitForWindowActive(&top));
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Return);
        QCOMPARE(s->isActive(), 1);
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Down), int(Qt::Key_Escape)})
            QTest::keyRelease(s, Qt::Key(key));
        QCOMPARE(top.releases, 0);
    }


private:
    QPoint cell(int col, int row) const { return m_s->grid().cellRect(TScheduleGrid::Grid, col, row).center(); }
    void activate()
    {
        m_s->setFocus();
        QTest::keyClick(m_s, Qt::Key_Return);
        QCOMPARE(m_s->isActive(), 1);
    }


    std::unique_ptr<ControlEnv> m_env;
    std::unique_ptr<QWidget> m_top;
    TScheduler* m_s = nullptr;
    QList<QPair<int, int>> m_changes;
    char* m_cells = nullptr;
};

QTEST_MAIN(TSchedulerTest)
#include "tschedulertest.moc"
