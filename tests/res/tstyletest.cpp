#include "restest.h"
#include "tres.h"
#include "tstyle.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOption>
#include <QToolButton>
#include <qdrawutil.h>
#include <QtTest>

namespace {

void styleTree(QWidget* top, QStyle* style, const QPalette& pal)
{
    top->setStyle(style);
    top->setPalette(pal);
    for (QWidget* w : top->findChildren<QWidget*>())
        w->setStyle(style);
}

// Shows the styled window and gives `focus` the keyboard focus.
bool showWithFocus(QWidget& win, QStyle* style, const QPalette& pal, QWidget* focus)
{
    styleTree(&win, style, pal);
    win.show();
    if (!QTest::qWaitForWindowActive(&win))
        return false;
    focus->setFocus();
    return QTest::qWaitFor([focus] { return focus->hasFocus(); });
}

QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

// Draws a slider as the style paints it onto black.
QImage drawSlider(QStyle* style, const QStyleOptionSlider& opt, QWidget* slider, QSize size)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    style->drawComplexControl(QStyle::CC_Slider, &opt, &p, slider);
    return img;
}

} // namespace

// Stands in for the window framework's slider control: the style asks the
// class name and the "lock" property.
class TSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(bool lock READ isLock)
public:
    TSlider() : QSlider(Qt::Horizontal) {}
    bool isLock() const { return m_lock; }
    bool m_lock = false;
};

class TStyleTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        g_res = &m_res;
        QVERIFY(m_res.makeStyle(installSheet(m_root, true, false)));
        m_style = m_res.getStyle();
        QVERIFY(m_style);
        m_style->polish(m_pal);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(14);
        QApplication::setFont(f);
    }

    void cleanupTestCase()
    {
        g_res = nullptr;
    }

    void cleanup()
    {
        TStyle::setNoFocusFrame(0);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void paletteRoles()
    {
        // Role, colour id for Active and Inactive, colour id for Disabled.
        const int rows[][3] = {
            {QPalette::Base, 33, 36},     {QPalette::Window, 33, 36},    {QPalette::Text, 34, 34},
            {QPalette::WindowText, 34, 34}, {QPalette::Highlight, 35, 35}, {QPalette::HighlightedText, 33, 36},
            {QPalette::Button, 33, 36},   {QPalette::ButtonText, 34, 34}, {QPalette::Light, 35, 36},
            {QPalette::Midlight, 35, 35}, {QPalette::Mid, 35, 35},       {QPalette::Dark, 35, 35},
            {QPalette::Shadow, 33, 33}};
        for (const auto& r : rows) {
            const auto role = QPalette::ColorRole(r[0]);
            const QString what = QString::number(r[0]);
            QVERIFY2(m_pal.color(QPalette::Active, role) == m_res.getColor(r[1]), qPrintable(what));
            QVERIFY2(m_pal.color(QPalette::Inactive, role) == m_res.getColor(r[1]), qPrintable(what));
            QVERIFY2(m_pal.color(QPalette::Disabled, role) == m_res.getColor(r[2]), qPrintable(what));
            QVERIFY2(m_pal.brush(QPalette::Active, role).style() == Qt::SolidPattern, qPrintable(what));
        }
        // Roles the style does not set are kept.
        QPalette pal(Qt::red);
        pal.setColor(QPalette::Active, QPalette::AlternateBase, Qt::green);
        pal.setColor(QPalette::ToolTipBase, Qt::blue);
        m_style->polish(pal);
        QCOMPARE(pal.color(QPalette::Active, QPalette::AlternateBase), QColor(Qt::green));
        QCOMPARE(pal.color(QPalette::Active, QPalette::ToolTipBase), QColor(Qt::blue));
        QCOMPARE(pal.color(QPalette::Disabled, QPalette::AlternateBase), m_res.getColor(36).darker(110));
        QVERIFY(pal.color(QPalette::Disabled, QPalette::AlternateBase) != m_res.getColor(36));
    }

    void focusFrames_data()
    {
        QTest::addColumn<bool>("spinFocus");
        QTest::addColumn<int>("noFocusFrame");
        QTest::addColumn<int>("editColour");
        QTest::addColumn<int>("spinColour");
        QTest::newRow("edit focus shown") << false << 0 << 37 << 35;
        QTest::newRow("edit, keyboard owns focus") << false << 1 << 35 << 35;
        QTest::newRow("spin box focus") << true << 0 << 35 << 37;
        // Only frames and line-edit frames follow the keyboard's switch.
        QTest::newRow("spin box, keyboard up") << true << 1 << 35 << 37;
    }

    void focusFrames()
    {
        QFETCH(bool, spinFocus);
        QFETCH(int, noFocusFrame);
        QFETCH(int, editColour);
        QFETCH(int, spinColour);
        QWidget win;
        auto* edit = new QLineEdit(&win);
        auto* spin = new QSpinBox(&win);
        auto* other = new QLineEdit(&win);
        auto* combo = new QComboBox(&win);
        combo->addItems({"NTSC", "PAL"});
        edit->setGeometry(10, 10, 120, 26);
        spin->setGeometry(10, 50, 100, 26);
        other->setGeometry(10, 90, 120, 26);
        auto* disabled = new QLineEdit(&win);
        disabled->setEnabled(false);
        combo->setGeometry(150, 10, 140, 28);
        disabled->setGeometry(150, 90, 120, 26);
        win.resize(300, 130);
        QVERIFY(showWithFocus(win, m_style, m_pal, spinFocus ? static_cast<QWidget*>(spin) : edit));
        TStyle::setNoFocusFrame(noFocusFrame);
        QCOMPARE(g_noFocusFrame, noFocusFrame);
        const QImage img = win.grab().toImage();
        const QList<QPoint> frame = {QPoint(10, 20), QPoint(11, 20), QPoint(129, 20), QPoint(60, 10), QPoint(60, 35)};
        for (const QPoint& p : spinFocus ? frame.mid(0, 1) : frame)
            QCOMPARE(at(img, p.x(), p.y()), m_res.getColor(editColour));
        QCOMPARE(at(img, 13, 20), m_res.getColor(33)); // inside: the Base fill
        QCOMPARE(at(img, 10, 63), m_res.getColor(spinColour));
        QCOMPARE(at(img, 60, 51), m_res.getColor(spinColour));
        QCOMPARE(at(img, 10, 100), m_res.getColor(35)); // no focus: the plain frame
        QCOMPARE(at(img, 180, 100), m_res.getColor(36)); // disabled: Base of the Disabled group
        QCOMPARE(at(img, 150, 100), m_res.getColor(35));
        QCOMPARE(at(img, 295, 60), m_res.getColor(33)); // the enabled window
        // A combo box: plain frame and Base inside, focus marks only with focus.
        auto focusMarks = [&](const QImage& img) {
            int n = 0;
            for (int y = 10; y < 38; ++y)
                for (int x = 150; x < 290; ++x)
                    n += at(img, x, y) == m_res.getColor(37);
            return n;
        };
        QCOMPARE(at(img, 150, 24), m_res.getColor(35));
        QCOMPARE(at(img, 154, 24), m_res.getColor(33));
        // The chosen item's text, nearer the text colour than the fill.
        auto textPixels = [&](const QImage& img) {
            const QColor t = m_res.getColor(34), f = m_res.getColor(33);
            auto dist = [](const QColor& a, const QColor& b) {
                return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
            };
            int n = 0;
            for (int y = 16; y < 32; ++y)
                for (int x = 156; x < 230; ++x)
                    n += dist(at(img, x, y), t) < dist(at(img, x, y), f);
            return n;
        };
        const int unfocusedText = textPixels(img);
        QVERIFY(unfocusedText > 20);
        QCOMPARE(focusMarks(img), 0);
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QVERIFY(focusMarks(win.grab().toImage()) > 100);
        // With the focus the text stays readable.
        QVERIFY(textPixels(win.grab().toImage()) * 2 > unfocusedText);
    }

    void focusRectIsEnlarged()
    {
        QImage img(140, 60, QImage::Format_ARGB32);
        img.fill(Qt::black);
        QStyleOptionFocusRect opt;
        opt.rect = QRect(10, 10, 100, 20);
        {
            QPainter p(&img);
            m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p);
        }
        // Drawn over (7, 7, 106 x 26), two pixels wide.
        for (const QPoint& p : {QPoint(7, 7), QPoint(8, 20), QPoint(112, 32), QPoint(111, 20)})
            QCOMPARE(at(img, p.x(), p.y()), m_res.getColor(37));
        for (const QPoint& p : {QPoint(6, 20), QPoint(9, 20), QPoint(113, 20)})
            QCOMPARE(at(img, p.x(), p.y()), QColor(Qt::black));
    }

    void scrollBarArrows()
    {
        const QStyle::ControlElement add = QStyle::CE_ScrollBarAddLine, sub = QStyle::CE_ScrollBarSubLine;
        // Element, horizontal, right to left, and the arrow expected.
        const struct {
            QStyle::ControlElement element;
            bool horizontal, rtl;
            QStyle::PrimitiveElement arrow;
        } rows[] = {
            {add, true, false, QStyle::PE_IndicatorArrowRight}, {add, true, true, QStyle::PE_IndicatorArrowLeft},
            {sub, true, true, QStyle::PE_IndicatorArrowRight},  {sub, true, false, QStyle::PE_IndicatorArrowLeft},
            {add, false, true, QStyle::PE_IndicatorArrowDown},  {sub, false, false, QStyle::PE_IndicatorArrowUp}};
        for (const auto& r : rows) {
            QStyleOptionSlider opt;
            opt.rect = QRect(0, 0, 24, 24);
            opt.palette = m_pal;
            opt.state = QStyle::State_Enabled | (r.horizontal ? QStyle::State_Horizontal : QStyle::State_None);
            opt.orientation = r.horizontal ? Qt::Horizontal : Qt::Vertical;
            opt.direction = r.rtl ? Qt::RightToLeft : Qt::LeftToRight;
            QImage got(24, 24, QImage::Format_ARGB32), want(24, 24, QImage::Format_ARGB32);
            got.fill(Qt::black);
            want.fill(Qt::black);
            QPainter p(&got);
            m_style->drawControl(r.element, &opt, &p);
            p.end();
            // Expected: the flat button, then the arrow in the rectangle shrunk by 4.
            p.begin(&want);
            const QBrush fill(m_res.getColor(33));
            qDrawPlainRect(&p, opt.rect, m_res.getColor(35), 2, &fill);
            QStyleOption a = opt;
            a.rect = QRect(4, 4, 16, 16);
            m_style->drawPrimitive(r.arrow, &a, &p);
            p.end();
            QVERIFY2(got == want, qPrintable(QString("element %1 arrow %2").arg(r.element).arg(r.arrow)));
            QCOMPARE(at(got, 0, 0), m_res.getColor(35));
        }
    }

    void sliderGrooveCentred()
    {
        QSlider slider(Qt::Horizontal);
        slider.setTickPosition(QSlider::TicksBothSides);
        slider.setStyle(m_style);
        slider.setPalette(m_pal);
        slider.resize(200, 40);
        QStyleOptionSlider opt;
        opt.initFrom(&slider);
        opt.orientation = Qt::Horizontal;
        opt.tickPosition = QSlider::TicksBothSides;
        opt.maximum = 100;
        opt.sliderPosition = 0;
        opt.subControls = QStyle::SC_SliderGroove;
        const QRect groove = m_style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, &slider);
        const int mid = m_style->pixelMetric(QStyle::PM_SliderControlThickness, &opt, &slider) / 2;
        const QImage img = drawSlider(m_style, opt, &slider, QSize(200, 40));
        const int top = groove.top() - 2 + mid; // a 4-pixel groove of frame colour
        const int x = groove.center().x();
        for (int y = top; y < top + 4; ++y)
            QCOMPARE(at(img, x, y), m_res.getColor(35));
        QCOMPARE(at(img, x, top - 1), QColor(Qt::black));
        QCOMPARE(at(img, x, top + 4), QColor(Qt::black));
    }

    void sliderHandle()
    {
        // Framework slider or plain one, its lock, focus, and the handle's frame colour.
        const struct { bool frameworkSlider, lock, focus; int handleColour; } rows[] = {
            {false, false, true, 35}, {true, false, true, 35}, {true, true, true, 37}, {true, true, false, 35}};
        for (const auto& r : rows) {
            const bool focus = r.focus;
            TSlider framework;
            framework.m_lock = r.lock;
            QSlider plain(Qt::Horizontal);
            QSlider* slider = r.frameworkSlider ? static_cast<QSlider*>(&framework) : &plain;
            slider->resize(200, 30);
            QStyleOptionSlider opt;
            opt.initFrom(slider);
            opt.rect = QRect(0, 0, 200, 30);
            opt.orientation = Qt::Horizontal;
            opt.maximum = 100;
            opt.sliderPosition = 50;
            opt.sliderValue = 50;
            opt.subControls = QStyle::SC_SliderHandle;
            opt.state = QStyle::State_Enabled | (focus ? QStyle::State_HasFocus : QStyle::State_None);
            const QImage img = drawSlider(m_style, opt, slider, QSize(200, 30));
            const QRect handle = m_style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
            QCOMPARE(at(img, handle.left(), handle.center().y()), m_res.getColor(r.handleColour));
            QCOMPARE(at(img, handle.center().x(), handle.center().y()), m_res.getColor(33));
            // A focused slider is ringed in the focus colour.
            QCOMPARE(at(img, 0, 15), focus ? m_res.getColor(37) : QColor(Qt::black));
        }
    }

    void screenshot()
    {
        // A setup-like window in the flat style with images from the sheet, kept
        // in the build tree for people to look at.
        QWidget win;
        win.setFixedSize(660, 430);
        auto* title = new QLabel(&win);
        title->setPixmap(*m_res.getImage(25));
        title->setGeometry(10, 10, 640, 32);
        (new QLabel(QStringLiteral("Display"), &win))->setGeometry(30, 10, 300, 32);
        for (int i = 0; i < 4; ++i) { // section pictures
            auto* pic = new QLabel(&win);
            pic->setPixmap(*m_res.getImage(74 + i));
            pic->setGeometry(18, 56 + i * 80, 72, 72);
        }
        for (int i = 0; i < 9; ++i) { // PTZ pad
            auto* key = new QLabel(&win);
            key->setPixmap(*m_res.getImage(193 + i));
            key->setGeometry(470 + (i % 3) * 32, 70 + (i / 3) * 32, 28, 28);
        }
        auto* form = new QWidget(&win);
        form->setGeometry(110, 56, 320, 300);
        auto* rows = new QFormLayout(form);
        auto* name = new QLineEdit(QStringLiteral("DVR 1"));
        rows->addRow("Unit name", name);
        auto* off = new QLineEdit(QStringLiteral("192.168.1.10"));
        off->setEnabled(false);
        rows->addRow("IP address", off);
        auto* combo = new QComboBox;
        combo->addItems({"1920 x 1080", "1280 x 720"});
        rows->addRow("Resolution", combo);
        rows->addRow("Auto lock (min)", new QSpinBox);
        rows->addRow("Brightness", new QSlider(Qt::Horizontal));
        rows->addRow("Page", new QScrollBar(Qt::Horizontal));
        auto* check = new QToolButton;
        QScopedPointer<QIcon> checkIcon(TRes::makeIcon(*m_res.getImage(28), 4, false));
        check->setIcon(*checkIcon);
        rows->addRow("Overwrite", check);
        (new QPushButton(QStringLiteral("OK"), &win))->setGeometry(440, 380, 96, 30);
        (new QPushButton(QStringLiteral("Cancel"), &win))->setGeometry(546, 380, 96, 30);

        QVERIFY(showWithFocus(win, m_style, m_pal, name));
        const QImage shot = win.grab().toImage();
        QVERIFY(QDir().mkpath(QStringLiteral(DVR_LOOK_DIR)));
        QVERIFY(shot.save(QStringLiteral(DVR_LOOK_DIR "/style-window.png")));
        // The title bar image and the focused edit are where they were placed.
        QCOMPARE(shot.pixel(320, 12), m_res.getImage(25)->toImage().pixel(310, 2));
        const QPoint e = name->mapTo(&win, QPoint(0, name->height() / 2));
        QCOMPARE(at(shot, e.x(), e.y()), m_res.getColor(37));
    }

private:
    TTestRoot m_root;
    TRes m_res; // takes the style along: it is never installed
    TStyle* m_style = nullptr;
    QPalette m_pal;
};

QTEST_MAIN(TStyleTest)
#include "tstyletest.moc"
