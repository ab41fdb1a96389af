#include "ttestwnd.h"
#include "tclock.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "focuslink.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tedit.h"
#include "tres.h"
#include "tstring.h"
#include "tvkeyboard.h"
#include "wndid.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <ctime>

Q_LOGGING_CATEGORY(lcBoard, "dvr.boardtest")

namespace {

const char* const kRowNames[TTestWnd::ROWS] = {
    "Camera", "Network IP", "Gateway", "MAC address", "Date Time", "Video Format", "HDD",
    "USB/ODD", "Audio", "Encoder/Decoder", "Sensor Out", "Sensor In", "RS-485", "RTC",
    "LED", "Remote Controller/Key", "Watch dog", "Format", "Initialize"};

// Rows whose button the operator presses; the others only show a result.
bool isButtonRow(int row)
{
    switch (row) {
    case TTestWnd::R_HDD: case TTestWnd::R_BACKUP: case TTestWnd::R_AUDIO: case TTestWnd::R_ENCDEC:
    case TTestWnd::R_RTC: case TTestWnd::R_WDT: case TTestWnd::R_DISKFMT: case TTestWnd::R_INIT:
        return true;
    default:
        return false;
    }
}

// UI text ids of the MAC keyboard's title.
enum { TXT_TYPE = 145, TXT_MAC_ADDRESS = 168 };
// Resource size of the text keyboard; resource colours of the dialog.
enum { SIZE_VKEYBOARD = 2, COLOR_TITLE = 33, COLOR_FILL = 35, COLOR_FRAME = 38 };
// The keyboard's answer on OK.
enum { REPLY_OK = 0 };

const int kTimerMs[TTestWnd::TIMERS] = {1000, 100, 5000, 10, 30000};

QColor color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(Qt::gray);
}

// A result longer than its field (the disk list of a unit with several
// disks) is drawn in a smaller size of the dialog's font, down to 8 pixels,
// rather than cut off; one still longer (the eight disks of a 32-channel
// unit) takes two lines, in the largest size whose two lines fit.
void fitText(QLabel* label, QFont font)
{
    const int room = label->contentsRect().width() - 2 * label->indent();
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    const bool wrap = QFontMetrics(font).horizontalAdvance(label->text()) > room;
    const auto tall = [&] {
        return QFontMetrics(font).boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, label->text()).height()
               > label->contentsRect().height();
    };
    while (wrap && font.pixelSize() > 6 && tall())
        font.setPixelSize(font.pixelSize() - 1);
    label->setWordWrap(wrap);
    label->setFont(font);
}

// A text of the facade's fixed records, read no further than its field.
QString fieldText(const char* field, int size)
{
    return QString::fromLatin1(field, int(qstrnlen(field, size_t(size))));
}

int hexDigit(QChar c)
{
    const char a = c.toLatin1();
    if (a >= '0' && a <= '9')
        return a - '0';
    if (a >= 'a' && a <= 'f')
        return a - 'a' + 10;
    if (a >= 'A' && a <= 'F')
        return a - 'A' + 10;
    return -1;
}

// A board address as typed: six two-digit hexadecimal octets joined by ":",
// a unicast address that is not all zero. Returns it in the board's own
// lower-case form, or an empty text for anything else.
QString checkedMac(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (text.size() != 17 || parts.size() != 6)
        return QString();
    int octet[6];
    int sum = 0;
    for (int i = 0; i < 6; ++i) {
        const QString& p = parts.at(i);
        const int hi = p.size() == 2 ? hexDigit(p.at(0)) : -1;
        const int lo = p.size() == 2 ? hexDigit(p.at(1)) : -1;
        if (hi < 0 || lo < 0)
            return QString();
        octet[i] = hi * 16 + lo;
        sum += octet[i];
    }
    // The lowest bit of the first octet marks a group address.
    if (sum == 0 || (octet[0] & 1))
        return QString();
    return text.toLower();
}

} // namespace

TTestWnd::TTestWnd(QWidget* parent, int id, QSize size)
    : TDefDlg(parent, id, size),
      m_camCombo(nullptr),
      m_fmtCombo(nullptr),
      m_macEdit(nullptr),
      m_audioCh(0),
      m_led(0),
      m_relay(0),
      m_encTest(0),
      m_hddDone(0),
      m_rtcStep(0),
      m_rtcStart(0)
{
    for (int i = 0; i < ROWS; ++i) {
        m_btn[i] = nullptr;
        m_result[i] = nullptr;
    }
    for (QWidget*& cell : m_focusGrid)
        cell = nullptr;
    for (int& s : m_sensor)
        s = 0;
    m_sensorText = QString(SENSORS, QLatin1Char('0'));
    for (int i = 0; i < TIMERS; ++i) {
        m_timer[i] = new QTimer(this);
        m_timer[i]->setSingleShot(true);
        m_timer[i]->setInterval(kTimerMs[i]);
    }
    connect(m_timer[T_START], &QTimer::timeout, this, &TTestWnd::sl_timeout);
    connect(m_timer[T_ALPHA], &QTimer::timeout, this, &TTestWnd::sl_timeoutAlpha);
    connect(m_timer[T_DEC], &QTimer::timeout, this, &TTestWnd::sl_timeoutDec);
    connect(m_timer[T_STOP], &QTimer::timeout, this, &TTestWnd::sl_encdecStop);
    connect(m_timer[T_WDT], &QTimer::timeout, this, &TTestWnd::sl_timeoutWdt);
}

TTestWnd::~TTestWnd()
{
    disconnect(&g_api, nullptr, this, nullptr);
}

void TTestWnd::init(int argc, char** argv)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(14);
    font.setWeight(75);
    font.setFixedPitch(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    font.setWordSpacing(1);
    QApplication::setFont(font);

    for (int& s : m_sensor)
        s = 0;
    m_audioCh = m_led = m_encTest = m_relay = m_hddDone = m_rtcStep = 0;

    createRows();

    // Listening before the device comes up: its first reports (the disks
    // mount at once) come from its threads while it starts, and a report
    // sent before the connection is lost.
    connect(&g_api, &TDVRAPI::sg_dvrNotify, this, &TTestWnd::sl_fromDvr, Qt::UniqueConnection);
    // The device layer takes the FPGA image of "--fpga" while it comes up.
    g_api.takeOptions(QCoreApplication::arguments());
    g_api.dvrTestInit(argc, argv);

    m_timer[T_START]->start();
}

void TTestWnd::createRows()
{
    const int rowH = (height() - 72) / ROWS;
    const int half = (width() - 16) / 2;
    // Every row reads white on the dark fill, also the display rows whose
    // controls are disabled: the style's light disabled face under white
    // text cannot be read.
    QPalette rowLook = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole r : {QPalette::Window, QPalette::Base, QPalette::Button})
            rowLook.setColor(g, r, color(COLOR_TITLE));
    }
    for (int i = 0; i < ROWS; ++i) {
        const int y = 64 + i * rowH;
        auto* btn = new TButton(this, nullptr, QString::fromLatin1(kRowNames[i]), i, Qt::white, 0);
        btn->setGeometry(8, y, half - 50, rowH);
        btn->setPalette(rowLook);
        if (!isButtonRow(i)) {
            btn->setEnabled(false);
            btn->setFocusPolicy(Qt::NoFocus);
        }
        if (i > 0)
            connect(btn, &TButton::sg_clicked, this, &TTestWnd::sl_btnclicked);
        m_btn[i] = btn;
        m_focusGrid[i * COLS] = btn;

        const QRect field(half - 42, y, half + 50, rowH);
        if (i == R_CAMERA || i == R_FORMAT) {
            auto* combo = new TCombo(this, i);
            combo->setGeometry(field);
            combo->setPalette(rowLook);
            if (i == R_FORMAT)
                combo->addItems({QStringLiteral("NTSC"), QStringLiteral("PAL")});
            connect(combo, &TCombo::sg_changeIndex, this, &TTestWnd::sl_changeIndex);
            (i == R_CAMERA ? m_camCombo : m_fmtCombo) = combo;
            m_focusGrid[i * COLS + 1] = combo;
        } else if (i == R_MAC) {
            m_macEdit = new TEdit(this, i, 1);
            m_macEdit->setGeometry(field);
            connect(m_macEdit, &TEdit::sg_clicked, this, &TTestWnd::sl_edclicked);
            m_focusGrid[i * COLS + 1] = m_macEdit;
        } else {
            auto* label = new QLabel(this);
            label->setFrameStyle(QFrame::Panel | QFrame::Plain);
            label->setGeometry(field);
            label->setIndent(3);
            label->setPalette(rowLook);
            label->setAutoFillBackground(true);
            m_result[i] = label;
        }
    }

    // The test mode has no main window: the dialog makes the text keyboard
    // the MAC entry uses, hidden until then.
    const QSize kbdSize = g_res ? g_res->getSize(SIZE_VKEYBOARD) : QSize(600, 300);
    auto* kbd = new TVKeyboard(nullptr, ID_WND_VKEYBOARD, kbdSize);
    kbd->initCtrl();
    kbd->moveCenter(this);
    kbd->hide();
    g_vkeyboard = kbd;
    connect(kbd, &TVKeyPad::sg_reply, this, &TTestWnd::sl_reply);
    connect(this, &TTestWnd::sg_ctrlStatus, this, &TTestWnd::sl_ctrlStatus);
}

QString TTestWnd::rowText(int row) const
{
    if (row < 0 || row >= ROWS)
        return QString();
    if (row == R_CAMERA || row == R_FORMAT) {
        const TCombo* combo = row == R_CAMERA ? m_camCombo : m_fmtCombo;
        return combo ? combo->currentText() : QString();
    }
    if (row == R_MAC)
        return m_macEdit ? m_macEdit->text() : QString();
    return m_result[row] ? m_result[row]->text() : QString();
}

TButton* TTestWnd::button(int row) const
{
    return row >= 0 && row < ROWS ? m_btn[row] : nullptr;
}

QTimer* TTestWnd::timer(int id) const
{
    return id >= 0 && id < TIMERS ? m_timer[id] : nullptr;
}

void TTestWnd::setRow(int row, const QString& text)
{
    if (row < 0 || row >= ROWS || !m_result[row])
        return;
    m_result[row]->setText(text);
    fitText(m_result[row], font());
}

void TTestWnd::showAddress()
{
    setRow(R_IP, fieldText(g_api.m_eth0Text[0], sizeof g_api.m_eth0Text[0]));
    setRow(R_GATEWAY, fieldText(g_api.m_eth0Text[2], sizeof g_api.m_eth0Text[2]));
}

// ---- The start-up checks and the once-a-second tests ----

void TTestWnd::sl_timeout()
{
    g_api.getEthAddr(m_mac);

    DalCaps caps;
    std::memset(&caps, 0, sizeof caps);
    g_api.getCaps(&caps, nullptr, nullptr);
    if (m_camCombo) {
        m_camCombo->clear();
        m_camCombo->addItem(QStringLiteral("%1 CH").arg(caps.num_vin));
        m_camCombo->setCurrentIndex(0);
        m_camCombo->setEnabled(false);
    }

    g_api.getNetInfo();
    g_api.checkIp();
    showAddress();
    if (m_macEdit)
        m_macEdit->setText(m_mac);
    if (m_fmtCombo) {
        m_fmtCombo->setCurrentIndex(0);
        m_fmtCombo->setEnabled(false);
    }

    QString text;
    g_api.testScanBd(&text);
    setRow(R_BACKUP, text);
    setRow(R_HDD, g_api.storageStatusText(nullptr));
    setRow(R_SENSOR, m_sensorText);
    g_api.testAout(m_audioCh - 1);
    setRow(R_AUDIO, QStringLiteral("Off"));
    update();
}

void TTestWnd::tick()
{
    setRow(R_DATETIME, TClock::now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    if (!m_hddDone)
        return;
    sl_btnclicked(R_RELAY, 0);
    sl_btnclicked(R_RS485, 0);
    sl_btnclicked(R_LED, 0);

    // A clock read may hold the window for its bound (3 s): the rows are on
    // the screen before it, and a dialog not on the screen yet (the ticks
    // that came while the device started) reads at a later tick.
    const bool reads = m_rtcStep == 0 || m_rtcStep == 3;
    const bool held = reads && !(isVisible() && windowHandle() && windowHandle()->isExposed());
    if (reads && !held) {
        repaint();
        if (m_rtcStep == 0) {
            m_rtcStart = g_api.hwclockSeconds();
        } else {
            // The clock gives only its seconds: a minute that turned over in
            // between still counts the seconds that passed.
            const int passed = (g_api.hwclockSeconds() - m_rtcStart + 60) % 60;
            setRow(R_RTC, passed < 2 ? QStringLiteral("Failed") : QStringLiteral("OK"));
        }
    }

    QString mac;
    g_api.getEthAddr(mac);
    if (mac != m_mac) {
        m_mac = mac;
        if (m_macEdit)
            m_macEdit->setText(m_mac);
    }
    if (m_rtcStep < 1000 && !held)
        ++m_rtcStep;
}

void TTestWnd::sl_timeoutAlpha()
{
    TDVRAPI::alphaFill(x(), y(), width(), height(), 3);
}

void TTestWnd::sl_timeoutDec()
{
    if (g_api.testDecStart() < 0) {
        g_api.encStop();
        setRow(R_ENCDEC, QStringLiteral("Decoding failed"));
        m_encTest = 0;
        return;
    }
    setRow(R_ENCDEC, QStringLiteral("Decoding start"));
}

void TTestWnd::sl_encdecStop()
{
    g_api.testDecStop();
    g_api.encStop();
    setRow(R_ENCDEC, QStringLiteral("Decoding Stop"));
}

void TTestWnd::sl_timeoutWdt()
{
    // Still running: the board did not reset, and the next start must run
    // the board test again.
    g_api.testWdt(0);
    setRow(R_WDT, QStringLiteral("Failed"));
}

// ---- Buttons ----

void TTestWnd::sl_btnclicked(int id, int)
{
    switch (id) {
    case R_HDD:
        setRow(R_HDD, g_api.storageStatusText(nullptr));
        break;
    case R_BACKUP: {
        QString text;
        g_api.testScanBd(&text);
        setRow(R_BACKUP, text);
        break;
    }
    case R_AUDIO: {
        const int audios =
            g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->audios : 0;
        if (++m_audioCh > audios)
            m_audioCh = 0;
        const int r = g_api.testAout(m_audioCh - 1);
        if (r < 0)
            setRow(R_AUDIO, QStringLiteral("Failed"));
        else
            setRow(R_AUDIO, m_audioCh == 0 ? QStringLiteral("Off") : QStringLiteral("%1 CH").arg(m_audioCh));
        break;
    }
    case R_ENCDEC:
        if (m_encTest == 0) {
            if (g_api.testEncStart() < 0) {
                setRow(R_ENCDEC, QStringLiteral("Encoding failed"));
                break;
            }
            m_encTest = 1;
            setRow(R_ENCDEC, QStringLiteral("Encoding start"));
            m_timer[T_DEC]->start();
        } else {
            m_encTest = 0;
            m_timer[T_STOP]->start();
        }
        break;
    case R_RELAY:
        setRow(R_RELAY, g_api.testBoardRelay(m_relay));
        m_relay = !m_relay;
        break;
    case R_RS485:
        setRow(R_RS485, g_api.testPtz() < 0 ? QStringLiteral("Failed") : QStringLiteral("TEST"));
        break;
    case R_RTC:
        m_rtcStep = 0;
        break;
    case R_LED:
        m_led = !m_led;
        g_api.testLed(m_led);
        setRow(R_LED, m_led ? QStringLiteral("ON") : QStringLiteral("OFF"));
        break;
    case R_WDT:
        g_api.testWdt(1);
        setRow(R_WDT, QStringLiteral("Enabled"));
        m_timer[T_WDT]->start();
        break;
    case R_DISKFMT:
        setRow(R_DISKFMT, QStringLiteral("Please wait"));
        if (rowText(R_ENCDEC) == QLatin1String("Encoding start"))
            g_api.encStop();
        if (rowText(R_ENCDEC) == QLatin1String("Decoding start"))
            sl_encdecStop();
        g_api.hotKeyAction(3);
        break;
    case R_INIT:
        g_api.hotKeyAction(1);
        g_api.hotKeyAction(2);
        setRow(R_INIT, QStringLiteral("OK"));
        break;
    default:
        break;
    }
}

void TTestWnd::sl_changeIndex(int, int) {}

// ---- The MAC entry ----

void TTestWnd::sl_edclicked(int)
{
    if (!g_vkeyboard)
        return;
    const QString type = g_str ? g_str->text(TXT_TYPE) : QStringLiteral("Type");
    const QString mac = g_str ? g_str->text(TXT_MAC_ADDRESS) : QStringLiteral("MAC Address");
    g_vkeyboard->setTitle(type + QLatin1Char(' ') + mac);
    g_vkeyboard->setMaxLength(18);
    g_vkeyboard->setText(m_mac);
    g_vkeyboard->setPassword(0);
    g_vkeyboard->setMacMode(1);
    g_vkeyboard->moveCenter(this);
    g_vkeyboard->show();
    g_vkeyboard->raise();
    g_vkeyboard->activateWindow();
}

void TTestWnd::sl_reply(int code, QString text)
{
    if (code == REPLY_OK)
        takeMac(text);
}

void TTestWnd::takeMac(const QString& text)
{
    // Only a sound unicast address reaches the board; anything else leaves
    // its address as it is.
    const QString mac = checkedMac(text.trimmed());
    if (mac.isEmpty()) {
        qCWarning(lcBoard, "TTestWnd: refused MAC address \"%s\"", qPrintable(text.left(32)));
        if (m_macEdit)
            m_macEdit->setText(QStringLiteral("Failed"));
        return;
    }
    m_mac = mac;
    if (m_macEdit)
        m_macEdit->setText(m_mac);
    g_api.setEthAddr(m_mac);
}

// ---- Device notifications ----

QString TTestWnd::scanText() const
{
    // Entry 0 is the USB stick (state 1 when one is in), entry 1 the
    // optical drive (state 2 when a disc is in).
    const BdList list = g_api.bdList();
    QString text = QStringLiteral("USB");
    text += list.bd[0].state == 1 ? QStringLiteral("(OK)") : QStringLiteral("(NONE)");
    text += QStringLiteral("  ODD");
    if (list.bd[1].state == 2)
        text += QStringLiteral("(OK:%1MB)").arg(qlonglong(list.bd[1].size / 1048576u));
    else
        text += QStringLiteral("(NONE)");
    return text;
}

void TTestWnd::sensor(int input, int value)
{
    if (input < 0 || input >= SENSORS)
        return;
    m_sensor[input] = value;
    m_sensorText.clear();
    for (int v : m_sensor)
        m_sensorText += QString::number(v);
    setRow(R_SENSOR, m_sensorText);
}

void TTestWnd::sl_fromDvr(int type, int val1, int val2, int, QString str, QString strm)
{
    switch (type) {
    case SIG_IO_SENSOR:
        sensor(val1, val2);
        break;
    case SIG_STATE_START:
    case SIG_STATE_UPDATE:
    case SIG_STATE_END:
        emit sg_ctrlStatus(type, str, strm);
        break;
    case SIG_MSG_FORMAT:
        setRow(R_DISKFMT, strm);
        break;
    case SIG_IO_KEY:
    case SIG_IO_RMCKEY:
        deviceKey(val1, val2);
        break;
    case SIG_IO_TIME:
        tick();
        break;
    case SIG_NET_SETUP:
        g_api.getEthAddr(m_mac);
        if (m_macEdit)
            m_macEdit->setText(m_mac);
        break;
    case SIG_NTP_TIMECHANGE:
        g_api.setTime(int(qint64(val1) - TClock::secs()));
        m_timer[T_START]->start();
        break;
    case SIG_SD_INFO:
        setRow(R_HDD, g_api.storageStatusText(nullptr));
        m_hddDone = 1;
        break;
    case SIG_NET_DHCP:
        showAddress();
        break;
    case SIG_BD_DETECT:
        setRow(R_BACKUP, scanText());
        break;
    case SIG_VELOR_TEST:
        setRow(R_RS485, QStringLiteral("UART1:%1 UART2:%2").arg(val1).arg(val2));
        break;
    default:
        qCDebug(lcBoard, "TTestWnd::sl_fromDvr type:%d val1:%d val2:%d", type, val1, val2);
        break;
    }
}

void TTestWnd::sl_ctrlStatus(int type, QString title, QString)
{
    if (type == SIG_STATE_START || type == SIG_STATE_UPDATE)
        setRow(R_DISKFMT, title);
    else if (type == SIG_STATE_END)
        setRow(R_DISKFMT, QStringLiteral("OK"));
}

// ---- Keys ----

void TTestWnd::deviceKey(int action, int key)
{
    const bool press = action == 1;
    if (press && g_vkeyboard && g_vkeyboard->isVisible()) {
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && g_vkeyboard->focusRow() == TVKeyPad::ButtonRow) {
            // Enter on the keyboard's buttons: the first one takes the text.
            const bool ok = g_vkeyboard->focusCol() == 0;
            const QString text = g_vkeyboard->text();
            g_vkeyboard->hide();
            if (ok)
                takeMac(text);
            return;
        }
        QCoreApplication::postEvent(g_vkeyboard, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return;
    }
    if (action != 1 && action != 2)
        return;
    QCoreApplication::postEvent(this, new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease, key,
                                                    Qt::NoModifier));
}

void TTestWnd::evtKeydown(int key)
{
    setRow(R_KEY, TDVRAPI::keyName(key));
    for (TCombo* combo : {m_camCombo, m_fmtCombo})
        if (combo && combo->keyEvent(key))
            return;
    QWidget* focused = focusWidget();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_macEdit && focused == m_macEdit) {
            sl_edclicked(R_MAC);
        } else if (focused) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
            QApplication::sendEvent(focused, &space);
        }
        return;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) {
        if (!focusMoveGrid(key, m_focusGrid, ROWS, COLS, 1) && m_btn[R_BACKUP])
            m_btn[R_BACKUP]->setFocus();
    }
}

void TTestWnd::evtKeyup(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    QWidget* focused = focusWidget();
    if (focused && focused != m_macEdit) {
        QKeyEvent space(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(focused, &space);
    }
}

// ---- Show and paint ----

void TTestWnd::evtShow()
{
    g_api.testInitIo();
    m_timer[T_ALPHA]->start();
}

void TTestWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color(COLOR_FRAME), 2));
    p.setBrush(color(COLOR_FILL));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(color(COLOR_TITLE));
    p.drawText(QRect(0, 0, width(), 32), Qt::AlignCenter, QStringLiteral("Board Test"));
    p.drawText(QRect(0, 32, width(), 23), Qt::AlignCenter,
               QStringLiteral("(To Exit, Press \"Watch dog\" Button!!)"));
}
