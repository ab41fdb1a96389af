// A small settings window built only from the framework's pieces, walked and
// edited the two ways an operator can: front-panel keys (arrows, Enter,
// Escape, jog) sent to the window, and the mouse.
#include "formwnd.h"
#include "tbutton.h"
#include "textutil.h"
#include "tres.h"
#include "tstyle.h"
#include "ttestroot.h"

#include "appglobals.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QtTest>

namespace {

const char* const kLabels[8] = {"Apply", "Alarm", "Dwell", "Brightness", "Title", "Date", "Time", "Record"};

// The window: four rows of two controls, each under its label, linked as a
// grid that wraps both ways. Its answers are kept for the test to read.
class TWalkForm : public FormWnd
{
public:
    TWalkForm() : FormWnd(QSize(440, 300), 7)
    {
        QPixmap strip = *g_res->getImage(21);
        m_icon.reset(TRes::makeIcon(strip, 4, false));
        TRes::addIconStates(m_icon.data(), strip, 4, true);
        apply = new TButton(this, nullptr, tr("Apply"), 0, g_res->getColor(0), 0);
        alarm = new TButton(this, m_icon.data(), tr("Off"), 1, g_res->getColor(0), 1);
        combo = new TCombo(this, 3);
        for (int s : {1, 2, 3, 5, 10, 20, 30})
            combo->addItem(QStringLiteral("%1 sec").arg(s));
        slider = new TSlider(this, 4);
        slider->setRange(0, 10);
        slider->setValue(5);
        edit = new TEdit(this, 5, 1);
        edit->setText("Camera 1");
        date = new TDate(this);
        date->setDisplayFormat("yyyy/MM/dd");
        date->setDate(QDate(2024, 2, 28));
        time = new TTime(this);
        time->setDisplayFormat("hh:mm:ss");
        time->setTime(QTime(23, 59, 30));
        record = new TButton(this, m_icon.data(), tr("Record"), 2, g_res->getColor(0), 5);
        QWidget* const all[8] = {apply, alarm, combo, slider, edit, date, time, record};
        for (int i = 0; i < 8; ++i)
            all[i]->setGeometry(20 + 210 * (i % 2), 60 + 58 * (i / 2), 190, 30);
        combos << combo;
        sliders << slider;
        dates << date;
        times << time;
        linkGrid({{apply, alarm}, {combo, slider}, {edit, date}, {time, record}});

        QObject::connect(apply, &TButton::sg_clicked, [this](int id, int) { clicks << id; });
        QObject::connect(alarm, &TButton::sg_clicked, [this](int id, int state) {
            clicks << id;
            alarm->setState(state == 1 ? 2 : 1, nullptr);
            alarm->setText(state == 1 ? tr("Off") : tr("On"));
        });
        QObject::connect(record, &TButton::sg_clicked, [this](int id, int) { clicks << id; });
        // The on-screen keyboard answers a field's request; it is not part of
        // this library, so the window only notes which field asked.
        QObject::connect(edit, &TEdit::sg_clicked, [this](int id) { keyboardFor << id; });
    }

    void evtPaint(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), g_res->getColor(33));
        // Header strip in colour 35 carries its text in colour 33, as the
        // system's own header strips do.
        p.fillRect(QRect(0, 0, width(), 34), g_res->getColor(35));
        p.setPen(g_res->getColor(33));
        drawFitText(&p, QRect(12, 0, width() - 24, 34), Qt::AlignLeft | Qt::AlignVCenter, "Walk test");
        p.setPen(g_res->getColor(34));
        for (int i = 0; i < 8; ++i)
            drawFitText(&p, QRect(20 + 210 * (i % 2), 40 + 58 * (i / 2), 190, 20), Qt::AlignLeft | Qt::AlignVCenter,
                        kLabels[i]);
    }

    TButton* apply;
    TButton* alarm;
    TCombo* combo;
    TSlider* slider;
    TEdit* edit;
    TDate* date;
    TTime* time;
    TButton* record;
    QList<int> clicks;
    QList<int> keyboardFor;

private:
    static QString tr(const char* s) { return QString::fromLatin1(s); }
    QScopedPointer<QIcon> m_icon;
};

} // namespace

class TWalkTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_root = new TTestRoot;
        const QString path = m_root->file("/app/img_res.png");
        QVERIFY(QFile::copy(QStringLiteral(DVR_SHEET_DIR "/img_res.png"), path));
        m_res = new TRes;
        g_res = m_res;
        QVERIFY(m_res->makeStyle(path));
        QApplication::setStyle(m_res->getStyle());
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(14);
        QApplication::setFont(f);
    }

    void cleanupTestCase()
    {
        g_res = nullptr;
        delete m_res;
        delete m_root;
    }

    void cleanup()
    {
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void arrowsReachEveryControl()
    {
        TWalkForm f;
        QVERIFY(open(f));
        const QList<QWidget*> column0 = {f.apply, f.combo, f.edit, f.time};
        const QList<QWidget*> column1 = {f.alarm, f.slider, f.date, f.record};
        // Down the first column and round to the top again.
        for (int i = 1; i <= 4; ++i) {
            key(f, Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), column0[i % 4]);
        }
        // Across, then up the second column.
        key(f, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), f.alarm);
        for (int i = 1; i <= 4; ++i) {
            key(f, Qt::Key_Up);
            QCOMPARE(QApplication::focusWidget(), column1[(4 - i) % 4]);
        }
        // Right from the second column wraps to the first.
        key(f, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), f.apply);
        key(f, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), f.alarm);
        QCOMPARE(f.curCtrl(), f.alarm);
        // A control hidden for the moment is stepped over.
        f.slider->hide();
        key(f, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.date);
        f.slider->show();
        // Nothing was edited on the way.
        QCOMPARE(f.slider->value(), 5);
        QCOMPARE(f.date->date(), QDate(2024, 2, 28));
        QVERIFY(f.clicks.isEmpty());
    }

    void jogWalksTableOrder()
    {
        TWalkForm f;
        QVERIFY(open(f));
        const QList<QWidget*> order = {f.apply, f.alarm, f.combo, f.slider, f.edit, f.date, f.time, f.record};
        for (int i = 1; i <= 8; ++i) {
            key(f, KEY_JOG_RIGHT);
            QCOMPARE(QApplication::focusWidget(), order[i % 8]);
        }
        key(f, KEY_JOG_LEFT);
        QCOMPARE(QApplication::focusWidget(), f.record);
    }

    void keysEditEveryControl()
    {
        TWalkForm f;
        QVERIFY(open(f));

        // Apply: Enter presses it.
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.clicks, QList<int>({0}));

        // Alarm: a two-state button, Enter toggles it.
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.alarm->state(), 1);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.alarm->state(), 2);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.alarm->state(), 1);

        // Slider: Enter locks, the arrows step, Enter unlocks.
        key(f, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.slider);
        key(f, Qt::Key_Return);
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Left);
        QTRY_COMPARE(f.slider->value(), 7);
        key(f, Qt::Key_Return);

        // Dwell: Enter opens the list, the jog dial browses, Enter chooses.
        key(f, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), f.combo);
        key(f, Qt::Key_Return);
        QTRY_VERIFY(f.combo->view()->isVisible());
        key(f, KEY_JOG_RIGHT);
        key(f, KEY_JOG_RIGHT);
        key(f, Qt::Key_Down);
        QTRY_COMPARE(f.combo->view()->currentIndex().row(), 3);
        key(f, Qt::Key_Return);
        QCOMPARE(f.combo->currentIndex(), 3);
        QCOMPARE(f.combo->currentText(), QString("5 sec"));

        // Title: Enter asks for the on-screen keyboard.
        key(f, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.edit);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.keyboardFor, QList<int>({5}));

        // Date: Enter edits; the day steps over leap February's end; Escape
        // returns to browsing.
        key(f, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), f.date);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.date->lock(), 1);
        key(f, Qt::Key_Left);  // from the year to the day, wrapping
        key(f, Qt::Key_Up);
        QCOMPARE(f.date->date(), QDate(2024, 2, 29));
        key(f, Qt::Key_Up);
        QCOMPARE(f.date->date(), QDate(2024, 3, 1));
        key(f, Qt::Key_Escape);
        QCOMPARE(f.date->lock(), 0);
        QVERIFY(f.isVisible());

        // Time: the hour steps over midnight.
        key(f, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.record);
        key(f, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), f.time);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.time->lock(), 1);
        key(f, Qt::Key_Up);
        QCOMPARE(f.time->time(), QTime(0, 59, 30));
        key(f, Qt::Key_Escape);

        // Record: a checkable button, Enter checks it.
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Return);
        QTRY_VERIFY(f.record->isChecked());
        QCOMPARE(f.clicks, QList<int>({0, 1, 1, 1, 2}));
    }

    void mouseEditsEveryControl()
    {
        TWalkForm f;
        QVERIFY(open(f));
        auto centre = [](QWidget* w) { return w->geometry().center(); };

        QTest::mouseMove(&f, centre(f.apply));
        QTRY_VERIFY(f.apply->hasFocus());
        QTest::mouseClick(f.apply, Qt::LeftButton);
        QTest::mouseMove(&f, centre(f.alarm));
        QTRY_VERIFY(f.alarm->hasFocus());
        QTest::mouseClick(f.alarm, Qt::LeftButton);
        QCOMPARE(f.alarm->state(), 1);
        QTest::mouseMove(&f, centre(f.record));
        QTest::mouseClick(f.record, Qt::LeftButton);
        QVERIFY(f.record->isChecked());
        QCOMPARE(f.clicks, QList<int>({0, 1, 2}));

        QTest::mouseMove(&f, centre(f.slider));
        QTRY_VERIFY(f.slider->hasFocus());
        QTest::mouseClick(f.slider, Qt::LeftButton, {}, QPoint(5, 15));
        QVERIFY(f.slider->value() < 5);

        QTest::mouseMove(&f, centre(f.combo));
        QTest::mouseClick(f.combo, Qt::LeftButton);
        QTRY_VERIFY(f.combo->view()->isVisible());
        const QRect item = f.combo->view()->visualRect(f.combo->model()->index(6, 0));
        auto clickItem = [&] {
            QTest::mouseClick(f.combo->view()->viewport(), Qt::LeftButton, {}, item.center());
            return !f.combo->view()->isVisible();
        };
        QTRY_VERIFY(clickItem());
        QCOMPARE(f.combo->currentText(), QString("30 sec"));

        QTest::mouseMove(&f, centre(f.edit));
        QTest::mouseClick(f.edit, Qt::LeftButton);
        QCOMPARE(f.keyboardFor, QList<int>({5}));

        // Hovering an editor is its edit mode: click a section, turn the wheel.
        QTest::mouseMove(&f, centre(f.date));
        QTRY_COMPARE(f.date->lock(), 1);
        QLineEdit* dateLine = f.date->findChild<QLineEdit*>();
        QTest::mouseClick(dateLine, Qt::LeftButton, {}, QPoint(dateLine->width() - 40, dateLine->height() / 2));
        QCOMPARE(f.date->currentSection(), QDateTimeEdit::DaySection);
        QWheelEvent up(QPointF(10, 10), f.date->mapToGlobal(QPoint(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.date, &up);
        QCOMPARE(f.date->date(), QDate(2024, 2, 29));

        QTest::mouseMove(&f, centre(f.time));
        QTRY_COMPARE(f.time->lock(), 1);
        QCOMPARE(f.date->lock(), 0);
        QWheelEvent up2(QPointF(10, 10), f.time->mapToGlobal(QPoint(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.time, &up2);
        QCOMPARE(f.time->time(), QTime(0, 59, 30));
    }

    void escapeClosesAndReports()
    {
        TWalkForm f;
        QSignalSpy showed(&f, &TDefWnd::sg_showed);
        QVERIFY(open(f));
        QTRY_COMPARE(showed.count(), 1);
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.escapes, 1);
        QCOMPARE(showed.count(), 2);
        QCOMPARE(showed.at(1).at(0).toInt(), 7);
        QCOMPARE(showed.at(1).at(1).toInt(), 0);
        QCOMPARE(showed.at(1).at(2).value<QRegion>(), QRegion(0, 0, 440, 300));
    }

    void screenshot()
    {
        TWalkForm f;
        QVERIFY(open(f));
        // Show the states the operator meets: the alarm on, the slider locked,
        // a date being edited, the focus on it.
        key(f, Qt::Key_Right);
        key(f, Qt::Key_Return);
        QTRY_COMPARE(f.alarm->state(), 1);
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Return);
        QCOMPARE(f.slider->lock(), 1);
        f.slider->update();
        f.record->setChecked(true);
        f.combo->setCurrentIndex(4);
        key(f, KEY_JOG_RIGHT);  // taken by the locked slider
        QTRY_COMPARE(f.slider->value(), 6);
        QDir().mkpath(QStringLiteral(DVR_LOOK_DIR));
        const QString file = QStringLiteral(DVR_LOOK_DIR "/uibase-walk.png");
        const QImage img = f.grab().toImage();
        QVERIFY(img.save(file));
        qInfo("screenshot: %s", qPrintable(file));
        // The frame of the focused slider and the label strip are drawn.
        QCOMPARE(img.pixelColor(5, 5), g_res->getColor(35));
        QCOMPARE(img.pixelColor(435, 295), g_res->getColor(33));
    }

    void buttonLooksScreenshot()
    {
        // The four looks of an icon button cut from the sheet's button strip:
        // normal, highlighted (focus), pressed, disabled.
        QWidget w;
        w.resize(4 * 150 + 10, 50);
        w.setPalette(QPalette(g_res->getColor(33)));
        w.setAutoFillBackground(true);
        QScopedPointer<QIcon> icon(TRes::makeIcon(*g_res->getImage(21), 4, false));
        TButton* b[4];
        const char* names[4] = {"Normal", "Focus", "Pressed", "Disabled"};
        for (int i = 0; i < 4; ++i) {
            b[i] = new TButton(&w, icon.data(), names[i], i, g_res->getColor(0), 1);
            b[i]->setGeometry(5 + 150 * i, 10, 140, 30);
        }
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        b[1]->setFocus(Qt::OtherFocusReason);
        b[2]->setDown(true);
        b[3]->setEnabled(false);
        const QImage img = w.grab().toImage();
        QDir().mkpath(QStringLiteral(DVR_LOOK_DIR));
        QVERIFY(img.save(QStringLiteral(DVR_LOOK_DIR "/uibase-buttons.png")));
        // Each look is a different part of the strip: the highlighted and pressed
        // faces have the focus-coloured border, the pressed one a lighter fill,
        // the disabled one a dimmer border than the normal one.
        auto border = [&](int i) { return img.pixelColor(5 + 150 * i, 25); };
        auto fill = [&](int i) { return img.pixelColor(5 + 150 * i + 20, 14); };
        QVERIFY(border(1) != border(0));
        QCOMPARE(border(2), border(1));
        QVERIFY(fill(2) != fill(1));
        QVERIFY(border(3) != border(0));
    }


private:
    bool open(TWalkForm& f)
    {
        f.show();
        QApplication::setActiveWindow(&f);
        if (!QTest::qWaitForWindowActive(&f))
            return false;
        f.apply->setFocus(Qt::OtherFocusReason);
        return f.apply->hasFocus();
    }

    void key(TWalkForm& f, int k) { sendKey(&f, k); }

    TTestRoot* m_root = nullptr;
    TRes* m_res = nullptr;
};

QTEST_MAIN(TWalkTest)
#include "twalktest.moc"
