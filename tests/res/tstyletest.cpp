#include "appglobals.h"
#include "tres.h"
#include "tstyle.h"
#include "ttestroot.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOption>
#include <QToolButton>
#include <QVBoxLayout>
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

QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

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
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void paletteRoles_data();
    void paletteRoles();
    void paletteKeepsOtherRoles();
    void lineEditFocusFrame_data();
    void lineEditFocusFrame();
    void disabledLineEdit();
    void focusRectIsEnlarged();
    void scrollBarArrows_data();
    void scrollBarArrows();
    void sliderGrooveCentred();
    void comboBoxFrameAndFocus();
    void sliderHandle_data();
    void sliderHandle();
    void spinBoxFrame_data();
    void spinBoxFrame();
    void screenshot();

private:
    TTestRoot* m_root = nullptr;
    TRes* m_res = nullptr;
    TStyle* m_style = nullptr;
    QPalette m_pal;
};

void TStyleTest::initTestCase()
{
    m_root = new TTestRoot;
    const QString path = m_root->file("/app/img_res.png");
    QVERIFY(QFile::copy(QStringLiteral(DVR_SHEET_DIR "/img_res.png"), path));
    m_res = new TRes;
    g_res = m_res;
    QVERIFY(m_res->makeStyle(path));
    m_style = m_res->getStyle();
    QVERIFY(m_style);
    m_style->polish(m_pal);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    QApplication::setFont(f);
}

void TStyleTest::cleanupTestCase()
{
    g_res = nullptr;
    delete m_res; // takes the style along: it was never installed
    delete m_root;
}

void TStyleTest::cleanup()
{
    TStyle::setNoFocusFrame(0);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TStyleTest::paletteRoles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("active");   // colour id for Active and Inactive
    QTest::addColumn<int>("disabled"); // colour id for Disabled
    QTest::newRow("Base") << int(QPalette::Base) << 33 << 36;
    QTest::newRow("Window") << int(QPalette::Window) << 33 << 36;
    QTest::newRow("Text") << int(QPalette::Text) << 34 << 34;
    QTest::newRow("WindowText") << int(QPalette::WindowText) << 34 << 34;
    QTest::newRow("Highlight") << int(QPalette::Highlight) << 35 << 35;
    QTest::newRow("HighlightedText") << int(QPalette::HighlightedText) << 33 << 36;
    QTest::newRow("Button") << int(QPalette::Button) << 33 << 36;
    QTest::newRow("ButtonText") << int(QPalette::ButtonText) << 34 << 34;
    QTest::newRow("Light") << int(QPalette::Light) << 35 << 36;
    QTest::newRow("Midlight") << int(QPalette::Midlight) << 35 << 35;
    QTest::newRow("Mid") << int(QPalette::Mid) << 35 << 35;
    QTest::newRow("Dark") << int(QPalette::Dark) << 35 << 35;
    QTest::newRow("Shadow") << int(QPalette::Shadow) << 33 << 33;
}

void TStyleTest::paletteRoles()
{
    QFETCH(int, role);
    QFETCH(int, active);
    QFETCH(int, disabled);
    const auto r = QPalette::ColorRole(role);
    QCOMPARE(m_pal.color(QPalette::Active, r), m_res->getColor(active));
    QCOMPARE(m_pal.color(QPalette::Inactive, r), m_res->getColor(active));
    QCOMPARE(m_pal.color(QPalette::Disabled, r), m_res->getColor(disabled));
    QCOMPARE(m_pal.brush(QPalette::Active, r).style(), Qt::SolidPattern);
}

void TStyleTest::paletteKeepsOtherRoles()
{
    QPalette pal(Qt::red);
    pal.setColor(QPalette::Active, QPalette::AlternateBase, Qt::green);
    pal.setColor(QPalette::ToolTipBase, Qt::blue);
    m_style->polish(pal);
    QCOMPARE(pal.color(QPalette::Active, QPalette::AlternateBase), QColor(Qt::green));
    QCOMPARE(pal.color(QPalette::Active, QPalette::ToolTipBase), QColor(Qt::blue));
    QCOMPARE(pal.color(QPalette::Disabled, QPalette::AlternateBase), m_res->getColor(36).darker(110));
    QVERIFY(pal.color(QPalette::Disabled, QPalette::AlternateBase) != m_res->getColor(36));
}

void TStyleTest::lineEditFocusFrame_data()
{
    QTest::addColumn<int>("noFocusFrame");
    QTest::addColumn<int>("frameColour");
    QTest::newRow("focus shown") << 0 << 37;
    QTest::newRow("keyboard owns focus") << 1 << 35;
}

void TStyleTest::lineEditFocusFrame()
{
    QFETCH(int, noFocusFrame);
    QFETCH(int, frameColour);
    QWidget win;
    auto* edit = new QLineEdit(&win);
    auto* other = new QLineEdit(&win);
    edit->setGeometry(10, 10, 120, 26);
    other->setGeometry(10, 50, 120, 26);
    styleTree(&win, m_style, m_pal);
    win.resize(200, 100);
    win.show();
    QVERIFY(QTest::qWaitForWindowActive(&win));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    TStyle::setNoFocusFrame(noFocusFrame);
    QCOMPARE(g_noFocusFrame, noFocusFrame);

    const QImage img = win.grab().toImage();
    for (const QPoint& p : {QPoint(10, 20), QPoint(11, 20), QPoint(129, 20), QPoint(60, 10), QPoint(60, 35)})
        QCOMPARE(at(img, p.x(), p.y()), m_res->getColor(frameColour));
    QCOMPARE(at(img, 13, 20), m_res->getColor(33)); // inside: the Base fill
    // The edit without focus keeps the plain frame either way.
    QCOMPARE(at(img, 10, 60), m_res->getColor(35));
}

void TStyleTest::disabledLineEdit()
{
    QWidget win;
    auto* edit = new QLineEdit(&win);
    edit->setGeometry(10, 10, 120, 26);
    edit->setEnabled(false);
    styleTree(&win, m_style, m_pal);
    win.resize(200, 60);
    const QImage img = win.grab().toImage();
    QCOMPARE(at(img, 40, 20), m_res->getColor(36));
    QCOMPARE(at(img, 10, 20), m_res->getColor(35));
    QCOMPARE(at(img, 150, 20), m_res->getColor(33)); // the enabled window
}

void TStyleTest::focusRectIsEnlarged()
{
    QImage img(140, 60, QImage::Format_ARGB32);
    img.fill(Qt::black);
    QStyleOptionFocusRect opt;
    opt.rect = QRect(10, 10, 100, 20);
    {
        QPainter p(&img);
        m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p);
    }
    const QColor focus = m_res->getColor(37);
    // Drawn over (7, 7, 106 x 26): columns 7..112, rows 7..32, two pixels wide.
    QCOMPARE(at(img, 7, 7), focus);
    QCOMPARE(at(img, 8, 20), focus);
    QCOMPARE(at(img, 112, 32), focus);
    QCOMPARE(at(img, 111, 20), focus);
    QCOMPARE(at(img, 6, 20), QColor(Qt::black));
    QCOMPARE(at(img, 9, 20), QColor(Qt::black));
    QCOMPARE(at(img, 113, 20), QColor(Qt::black));
}

void TStyleTest::scrollBarArrows_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("rtl");
    QTest::addColumn<int>("arrow");
    QTest::newRow("add, horizontal") << int(QStyle::CE_ScrollBarAddLine) << true << false
                                     << int(QStyle::PE_IndicatorArrowRight);
    QTest::newRow("add, horizontal, rtl") << int(QStyle::CE_ScrollBarAddLine) << true << true
                                          << int(QStyle::PE_IndicatorArrowLeft);
    QTest::newRow("sub, horizontal, rtl") << int(QStyle::CE_ScrollBarSubLine) << true << true
                                          << int(QStyle::PE_IndicatorArrowRight);
    QTest::newRow("sub, horizontal") << int(QStyle::CE_ScrollBarSubLine) << true << false
                                     << int(QStyle::PE_IndicatorArrowLeft);
    QTest::newRow("add, vertical, rtl") << int(QStyle::CE_ScrollBarAddLine) << false << true
                                        << int(QStyle::PE_IndicatorArrowDown);
    QTest::newRow("sub, vertical") << int(QStyle::CE_ScrollBarSubLine) << false << false
                                   << int(QStyle::PE_IndicatorArrowUp);
}

void TStyleTest::scrollBarArrows()
{
    QFETCH(int, element);
    QFETCH(bool, horizontal);
    QFETCH(bool, rtl);
    QFETCH(int, arrow);
    QStyleOptionSlider opt;
    opt.rect = QRect(0, 0, 24, 24);
    opt.palette = m_pal;
    opt.state = QStyle::State_Enabled | (horizontal ? QStyle::State_Horizontal : QStyle::State_None);
    opt.orientation = horizontal ? Qt::Horizontal : Qt::Vertical;
    opt.direction = rtl ? Qt::RightToLeft : Qt::LeftToRight;
    QImage got(24, 24, QImage::Format_ARGB32);
    got.fill(Qt::black);
    {
        QPainter p(&got);
        m_style->drawControl(QStyle::ControlElement(element), &opt, &p);
    }
    // Expected: the flat button, then the arrow in the rectangle shrunk by 4.
    QImage want(24, 24, QImage::Format_ARGB32);
    want.fill(Qt::black);
    {
        QPainter p(&want);
        const QBrush fill(m_res->getColor(33));
        qDrawPlainRect(&p, opt.rect, m_res->getColor(35), 2, &fill);
        QStyleOption a = opt;
        a.rect = QRect(4, 4, 16, 16);
        m_style->drawPrimitive(QStyle::PrimitiveElement(arrow), &a, &p);
    }
    QVERIFY(got == want);
    QCOMPARE(at(got, 0, 0), m_res->getColor(35));
    QCOMPARE(at(got, 3, 3), m_res->getColor(33));
}

void TStyleTest::sliderGrooveCentred()
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
    QImage img(200, 40, QImage::Format_ARGB32);
    img.fill(Qt::black);
    {
        QPainter p(&img);
        m_style->drawComplexControl(QStyle::CC_Slider, &opt, &p, &slider);
    }
    const int top = groove.top() - 2 + mid; // a 4-pixel groove of frame colour
    const int x = groove.center().x();
    for (int y = top; y < top + 4; ++y)
        QCOMPARE(at(img, x, y), m_res->getColor(35));
    QCOMPARE(at(img, x, top - 1), QColor(Qt::black));
    QCOMPARE(at(img, x, top + 4), QColor(Qt::black));
}

void TStyleTest::comboBoxFrameAndFocus()
{
    QWidget win;
    auto* edit = new QLineEdit(&win);
    edit->setGeometry(20, 60, 140, 26);
    auto* combo = new QComboBox(&win);
    combo->addItems({"NTSC", "PAL"});
    combo->setGeometry(20, 20, 140, 28);
    styleTree(&win, m_style, m_pal);
    win.resize(200, 100);
    win.show();
    QVERIFY(QTest::qWaitForWindowActive(&win));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    const QColor focus = m_res->getColor(37);
    auto focusMarks = [&](const QImage& img) {
        int n = 0;
        for (int y = 20; y < 48; ++y)
            for (int x = 20; x < 160; ++x)
                n += at(img, x, y) == focus;
        return n;
    };
    const QImage plain = win.grab().toImage();
    QCOMPARE(at(plain, 20, 34), m_res->getColor(35)); // frame
    QCOMPARE(at(plain, 24, 34), m_res->getColor(33)); // Base inside
    QCOMPARE(focusMarks(plain), 0);

    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    const QImage focused = win.grab().toImage();
    QVERIFY(focusMarks(focused) > 100);
}

void TStyleTest::sliderHandle_data()
{
    QTest::addColumn<bool>("frameworkSlider");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<int>("handleColour");
    QTest::newRow("plain slider, focus") << false << false << true << 35;
    QTest::newRow("unlocked, focus") << true << false << true << 35;
    QTest::newRow("locked, focus") << true << true << true << 37;
    QTest::newRow("locked, no focus") << true << true << false << 35;
}

void TStyleTest::sliderHandle()
{
    QFETCH(bool, frameworkSlider);
    QFETCH(bool, lock);
    QFETCH(bool, focus);
    QFETCH(int, handleColour);
    TSlider framework;
    framework.m_lock = lock;
    QSlider plain(Qt::Horizontal);
    QSlider* slider = frameworkSlider ? static_cast<QSlider*>(&framework) : &plain;
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
    QImage img(200, 30, QImage::Format_ARGB32);
    img.fill(Qt::black);
    {
        QPainter p(&img);
        m_style->drawComplexControl(QStyle::CC_Slider, &opt, &p, slider);
    }
    const QRect handle = m_style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    QCOMPARE(at(img, handle.left(), handle.center().y()), m_res->getColor(handleColour));
    QCOMPARE(at(img, handle.center().x(), handle.center().y()), m_res->getColor(33));
    // A focused slider is ringed in the focus colour.
    QCOMPARE(at(img, 0, 15), focus ? m_res->getColor(37) : QColor(Qt::black));
}

void TStyleTest::spinBoxFrame_data()
{
    QTest::addColumn<bool>("focus");
    QTest::addColumn<int>("noFocusFrame");
    QTest::addColumn<int>("frameColour");
    QTest::newRow("no focus") << false << 0 << 35;
    QTest::newRow("focus") << true << 0 << 37;
    // Only frames and line-edit frames follow the keyboard's switch.
    QTest::newRow("focus, keyboard up") << true << 1 << 37;
}

void TStyleTest::spinBoxFrame()
{
    QFETCH(bool, focus);
    QFETCH(int, noFocusFrame);
    QFETCH(int, frameColour);
    QWidget win;
    auto* edit = new QLineEdit(&win);
    edit->setGeometry(10, 50, 100, 26);
    auto* spin = new QSpinBox(&win);
    spin->setGeometry(10, 10, 100, 26);
    styleTree(&win, m_style, m_pal);
    win.resize(160, 90);
    win.show();
    QVERIFY(QTest::qWaitForWindowActive(&win));
    QWidget* target = focus ? static_cast<QWidget*>(spin) : edit;
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    TStyle::setNoFocusFrame(noFocusFrame);
    const QImage img = win.grab().toImage();
    QCOMPARE(at(img, 10, 23), m_res->getColor(frameColour));
    QCOMPARE(at(img, 60, 11), m_res->getColor(frameColour));
}

void TStyleTest::screenshot()
{
    // A setup-like window in the flat style with images from the sheet, kept
    // in the build tree for people to look at.
    QWidget win;
    win.setFixedSize(660, 430);
    auto* title = new QLabel(&win);
    title->setPixmap(*m_res->getImage(25));
    title->setGeometry(10, 10, 640, 32);
    auto* caption = new QLabel(QStringLiteral("Display"), &win);
    caption->setGeometry(30, 10, 300, 32);
    auto* close = new QLabel(&win);
    close->setPixmap(m_res->getImage(35)->copy(0, 0, 20, 20));
    close->setGeometry(622, 16, 20, 20);

    // Section menu: setup pictures.
    for (int i = 0; i < 4; ++i) {
        auto* pic = new QLabel(&win);
        pic->setPixmap(*m_res->getImage(74 + i));
        pic->setGeometry(18, 56 + i * 80, 72, 72);
    }

    auto* form = new QWidget(&win);
    form->setGeometry(110, 56, 320, 300);
    auto* grid = new QGridLayout(form);
    grid->setVerticalSpacing(10);
    int row = 0;
    auto add = [&](const char* label, QWidget* w) {
        grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
        grid->addWidget(w, row++, 1);
    };
    auto* name = new QLineEdit(QStringLiteral("DVR 1"));
    add("Unit name", name);
    auto* off = new QLineEdit(QStringLiteral("192.168.1.10"));
    off->setEnabled(false);
    add("IP address", off);
    auto* combo = new QComboBox;
    combo->addItems({"1920 x 1080", "1280 x 720"});
    add("Resolution", combo);
    auto* spin = new QSpinBox;
    spin->setRange(0, 60);
    spin->setValue(10);
    add("Auto lock (min)", spin);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(60);
    add("Brightness", slider);
    auto* bar = new QScrollBar(Qt::Horizontal);
    bar->setRange(0, 10);
    add("Page", bar);
    auto* check = new QToolButton;
    QScopedPointer<QIcon> checkIcon(TRes::makeIcon(*m_res->getImage(28), 4, false));
    check->setIcon(*checkIcon);
    check->setIconSize(QSize(20, 20));
    check->setAutoRaise(true);
    add("Overwrite", check);

    // PTZ pad.
    for (int i = 0; i < 9; ++i) {
        auto* key = new QLabel(&win);
        key->setPixmap(*m_res->getImage(193 + i));
        key->setGeometry(470 + (i % 3) * 32, 70 + (i / 3) * 32, 28, 28);
    }
    // Channel marks and status marks, first state of their strips.
    const int marks[] = {70, 71, 72, 73, 181};
    for (int i = 0; i < 5; ++i) {
        auto* m = new QLabel(&win);
        m->setPixmap(m_res->getImage(marks[i])->copy(0, 0, 16, 16));
        m->setGeometry(470 + i * 20, 190, 16, 16);
    }
    for (int i = 0; i < 8; ++i) {
        auto* m = new QLabel(&win);
        m->setPixmap(m_res->getImage(40 + i)->copy(0, 0, 15, 17));
        m->setGeometry(470 + i * 19, 216, 15, 17);
    }
    // Playback keys.
    const int play[] = {114, 112, 113, 117};
    for (int i = 0; i < 4; ++i) {
        auto* k = new QLabel(&win);
        k->setPixmap(*m_res->getImage(play[i]));
        k->setGeometry(470 + i * 46, 250, 44, 24);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), &win);
    ok->setGeometry(440, 380, 96, 30);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &win);
    cancel->setGeometry(546, 380, 96, 30);

    styleTree(&win, m_style, m_pal);
    win.show();
    QVERIFY(QTest::qWaitForWindowActive(&win));
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    const QImage shot = win.grab().toImage();
    QVERIFY(QDir().mkpath(QStringLiteral(DVR_LOOK_DIR)));
    const QString file = QStringLiteral(DVR_LOOK_DIR "/style-window.png");
    QVERIFY(shot.save(file));
    qInfo("screenshot: %s", qPrintable(file));
    // The title bar image and the focused edit are where they were placed.
    QCOMPARE(shot.pixel(320, 12), m_res->getImage(25)->toImage().pixel(310, 2));
    const QPoint e = name->mapTo(&win, QPoint(0, name->height() / 2));
    QCOMPARE(at(shot, e.x(), e.y()), m_res->getColor(37));
}

QTEST_MAIN(TStyleTest)
#include "tstyletest.moc"
