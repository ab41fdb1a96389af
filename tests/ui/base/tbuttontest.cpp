#include "tbutton.h"

#include <QtTest>

namespace {

const QColor normalOff(200, 0, 0), activeOff(0, 200, 0), selectedOff(0, 0, 200), disabledOff(90, 90, 90);
const QColor normalOn(250, 250, 0), activeOn(0, 250, 250), selectedOn(250, 0, 250), disabledOn(250, 250, 250);

QPixmap solid(const QColor& c)
{
    QPixmap p(20, 10);
    p.fill(c);
    return p;
}

// The four looks of an image strip, as TRes::makeIcon cuts them, plus the
// "on" pictures a two-state button carries.
QIcon fourStateIcon()
{
    const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Active, QIcon::Selected, QIcon::Disabled};
    const QColor off[] = {normalOff, activeOff, selectedOff, disabledOff}, on[] = {normalOn, activeOn, selectedOn, disabledOn};
    QIcon icon;
    for (int i = 0; i < 4; ++i) {
        icon.addPixmap(solid(off[i]), modes[i], QIcon::Off);
        icon.addPixmap(solid(on[i]), modes[i], QIcon::On);
    }
    return icon;
}

// The colour of the button's face away from its text.
QColor face(QWidget* w)
{
    return w->grab().toImage().pixelColor(w->width() - 2, w->height() - 2);
}

} // namespace

class TButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_win = new QWidget;
        m_win->resize(400, 200);
        QFont f("DejaVu Sans");
        f.setPixelSize(14);
        m_win->setFont(f);
    }

    void cleanup()
    {
        delete m_win;
        m_win = nullptr;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void condensing_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        QTest::newRow("short text on 100") << 100 << "DejaVu Sans" << "OK";
        QTest::newRow("long text on 100") << 100 << "DejaVu Sans" << "Configuration export";
        QTest::newRow("very long text on 60") << 60 << "DejaVu Sans" << "No Space (More Than 50MB)";
        // Korean runs in the Korean face, as the program sets it for that language.
        // Narrower than its margins: the narrowest face, never an invalid factor.
        QTest::newRow("text on 3") << 3 << "DejaVu Sans" << "OK";
        QTest::newRow("hangul on 80") << 80 << "NanumGothic" << QString::fromUtf8("설정 내보내기 완료");
    }

    void condensing()
    {
        QFETCH(int, width);
        QFETCH(QString, family);
        QFETCH(QString, text);
        QFont f = m_win->font();
        f.setFamily(family);
        m_win->setFont(f);
        TButton b(m_win, nullptr, QString(), 1, Qt::white, 0);
        b.resize(width, 30);
        b.setText(text);
        QFont plain = b.font();
        plain.setStretch(100);
        const int tw = QFontMetrics(plain).horizontalAdvance(text);
        const int avail = int(width - 0.1 * width - 4);
        const int expected = tw >= avail ? qMax(1, avail * 100 / tw) : 100;
        QCOMPARE(b.font().stretch(), expected);
        QCOMPARE(b.text(), text);
        // The condensed text really fits where the plain one did not; a
        // condensed face may round a pixel up per glyph run.
        const int drawn = QFontMetrics(b.font()).horizontalAdvance(text);
        if (tw >= avail && avail > 0)
            QVERIFY2(drawn <= avail + 2, qPrintable(QString("plain %1 drawn %2 avail %3").arg(tw).arg(drawn).arg(avail)));
    }

    void emptyTextIsNeverCondensed()
    {
        TButton b(m_win, nullptr, QString(), 1, Qt::white, 0);
        b.resize(3, 30);  // narrower than the margins
        b.setText(QString());
        QCOMPARE(b.font().stretch(), 100);
    }

    void resizeRefitsText()
    {
        const QString text = "Configuration export";
        TButton b(m_win, nullptr, text, 1, Qt::white, 0);
        b.resize(400, 30);
        // A hidden widget gets its resize event when it is shown.
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        QCOMPARE(b.font().stretch(), 100);
        b.resize(70, 30);
        QVERIFY(b.font().stretch() < 100);
        const int narrow = b.font().stretch();
        b.resize(90, 30);
        QVERIFY(b.font().stretch() > narrow);
        b.resize(400, 30);
        QCOMPARE(b.font().stretch(), 100);
    }

    void typeSignals_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("reportsPress");
        QTest::newRow("type 1") << 1 << false;
        QTest::newRow("type 4") << 4 << true;
        QTest::newRow("type 6") << 6 << true;
    }

    void typeSignals()
    {
        QFETCH(int, type);
        QFETCH(bool, reportsPress);
        QIcon icon = fourStateIcon();
        TButton b(m_win, &icon, "x", 42, Qt::white, type);
        b.setGeometry(10, 10, 80, 30);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        QSignalSpy pressed(&b, &TButton::sg_pressed);
        QSignalSpy released(&b, &TButton::sg_released);
        QSignalSpy clicked(&b, &TButton::sg_clicked);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 15));
        QCOMPARE(pressed.count(), reportsPress ? 1 : 0);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 15));
        QCOMPARE(released.count(), reportsPress ? 1 : 0);
        QCOMPARE(clicked.count(), 1);
        if (reportsPress) {
            QCOMPARE(pressed.at(0).at(0).toInt(), 42);
            QCOMPARE(released.at(0).at(0).toInt(), 42);
        }
        QCOMPARE(b.isCheckable(), type == 5);
    }

    void releaseOutsideGivesNoClick()
    {
        QIcon icon = fourStateIcon();
        TButton b(m_win, &icon, "x", 7, Qt::white, 4);
        b.setGeometry(10, 10, 80, 30);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        QSignalSpy released(&b, &TButton::sg_released);
        QSignalSpy clicked(&b, &TButton::sg_clicked);
        QSignalSpy moved(&b, &TButton::sg_moved);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 15));
        QMouseEvent move(QEvent::MouseMove, QPoint(200, 15), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&b, &move);
        QCOMPARE(moved.count(), 1);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(200, 15));
        // A held button let go away from it still reports the release, or a
        // camera driven while it is held would never stop.
        QCOMPARE(released.count(), 1);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!b.isDown());
        // Losing the focus while held un-presses it and reports the release once.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 15));
        QVERIFY(b.isDown());
        b.clearFocus();
        QVERIFY(!b.isDown());
        QCOMPARE(released.count(), 2);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 15));
        QCOMPARE(released.count(), 2);
        QCOMPARE(clicked.count(), 0);
    }

    void clickReportsIdAndState()
    {
        TButton b(m_win, nullptr, "x", 9, Qt::white, 1);
        b.setGeometry(10, 10, 80, 30);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        QSignalSpy clicked(&b, &TButton::sg_clicked);
        QCOMPARE(b.state(), 2);
        QTest::mouseClick(&b, Qt::LeftButton);
        b.setState(1, nullptr);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0), QVariantList({9, 2}));
        QCOMPARE(clicked.at(1), QVariantList({9, 1}));
        QCOMPARE(b.look(), 1);
        // The Enter convention of the windows: Space press and release click it.
        QTest::keyClick(&b, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
    }

    void negativeTypeIsStandard()
    {
        QIcon icon = fourStateIcon();
        TButton b(m_win, &icon, QString(), 1, Qt::white, -1);
        QCOMPARE(b.type(), 0);
        b.setGeometry(10, 10, 80, 30);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        // A standard button never shows the icon strip.
        const QColor c = face(&b);
        for (const QColor& k : {normalOff, activeOff, selectedOff, disabledOff})
            QVERIFY(c != k);
    }

    void iconLooks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("how");  // plain, focus, down, disabled, disabledFocus
        QTest::addColumn<QColor>("expected");
        QTest::newRow("type 1 normal") << 1 << 2 << false << "plain" << normalOff;
        QTest::newRow("type 1 highlighted") << 1 << 2 << false << "focus" << activeOff;
        QTest::newRow("type 1 pressed") << 1 << 2 << false << "down" << selectedOff;
        QTest::newRow("type 1 disabled") << 1 << 2 << false << "disabled" << disabledOff;
        QTest::newRow("type 1 on") << 1 << 1 << false << "plain" << normalOn;
        QTest::newRow("type 4 on highlighted") << 4 << 1 << false << "focus" << activeOn;
        QTest::newRow("type 5 unchecked ignores state") << 5 << 1 << false << "plain" << normalOff;
        QTest::newRow("type 5 checked") << 5 << 2 << true << "plain" << normalOn;
        QTest::newRow("type 5 checked disabled") << 5 << 2 << true << "disabled" << disabledOn;
        QTest::newRow("type 6 always normal off") << 6 << 1 << false << "focus" << normalOff;
    }

    void iconLooks()
    {
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(bool, checked);
        QFETCH(QString, how);
        QFETCH(QColor, expected);
        QIcon icon = fourStateIcon();
        auto* other = new QPushButton("other", m_win);
        other->setGeometry(200, 10, 80, 30);
        TButton b(m_win, &icon, "Tx", 3, Qt::white, type);
        b.setGeometry(10, 10, 80, 30);
        b.setState(state, nullptr);
        if (checked)
            b.setChecked(true);
        m_win->show();
        QApplication::setActiveWindow(m_win);
        QVERIFY(QTest::qWaitForWindowActive(m_win));
        other->setFocus();
        if (how == "focus")
            b.setFocus(Qt::OtherFocusReason);
        else if (how == "down")
            b.setDown(true);
        else if (how == "disabled")
            b.setEnabled(false);
        QCOMPARE(face(&b), expected);
    }

    void iconFillsButton()
    {
        QIcon icon = fourStateIcon();  // 20 x 10 pictures
        TButton b(m_win, &icon, QString(), 3, Qt::white, 1);
        b.setGeometry(10, 10, 120, 44);
        b.setFocusPolicy(Qt::NoFocus);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        const QImage img = b.grab().toImage();
        QCOMPARE(img.pixelColor(0, 0), normalOff);
        QCOMPARE(img.pixelColor(119, 43), normalOff);
        QCOMPARE(img.pixelColor(60, 22), normalOff);
    }

    void pressedTextMoves()
    {
        // A black face with white text: the text's box moves one pixel right and
        // down while the button is down.
        QIcon icon;
        QPixmap black(20, 10);
        black.fill(Qt::black);
        icon.addPixmap(black);
        TButton b(m_win, &icon, "I", 3, Qt::white, 1);
        b.setGeometry(10, 10, 80, 30);
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win));
        auto textBox = [](const QImage& img) {
            QRect r;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) > 128)
                        r |= QRect(x, y, 1, 1);
            return r;
        };
        const QRect up = textBox(b.grab().toImage());
        QVERIFY(!up.isEmpty());
        b.setDown(true);
        const QRect down = textBox(b.grab().toImage());
        QCOMPARE(down.topLeft() - up.topLeft(), QPoint(1, 1));
    }

    void hoverGivesFocusAndLeaveUnpresses()
    {
        QIcon icon = fourStateIcon();
        TButton a(m_win, &icon, "a", 1, Qt::white, 4);
        a.setGeometry(10, 10, 80, 30);
        TButton b(m_win, &icon, "b", 2, Qt::white, 4);
        b.setGeometry(150, 10, 80, 30);
        m_win->show();
        QApplication::setActiveWindow(m_win);
        QVERIFY(QTest::qWaitForWindowActive(m_win));
        QTest::mouseMove(m_win, QPoint(40, 20));
        QTRY_VERIFY(a.hasFocus());
        QCOMPARE(a.look(), 1);
        // Keys now act on the hovered button.
        QSignalSpy clicked(&a, &TButton::sg_clicked);
        QTest::keyClick(&a, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        a.setDown(true);
        QTest::mouseMove(m_win, QPoint(300, 150));
        QTRY_VERIFY(!a.hasFocus());
        QVERIFY(!a.isDown());
        QCOMPARE(a.look(), 0);
        QCOMPARE(face(&a), normalOff);
        QTest::mouseMove(m_win, QPoint(170, 20));
        QTRY_VERIFY(b.hasFocus());
    }


private:
    QWidget* m_win = nullptr;
};

QTEST_MAIN(TButtonTest)
#include "tbuttontest.moc"
