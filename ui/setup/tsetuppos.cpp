#include "tsetuppos.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdvrhooks.h"
#include "tedit.h"
#include "textutil.h"
#include "tkeys.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QIcon>
#include <QPainter>
#include <cstddef>
#include <cstring>

using namespace SetupAct;

namespace {

enum { PortStrip = 59, PortStrip2 = 60, FrameColour = 35 };
enum {
    TextUsb = 112,
    TextChannel = 400,
    TextBaudrate = 147,
    TextStart = 402,
    TextEnd = 403,
    TextIgnore = 404,
    TextLines = 405,
    TextDuration = 406,
    TextPosition = 407,
    TextSerial = 420
};

// The field offsets of a port's rows within PosPort.
const int kPortField[] = {offsetof(PosPort, channel), offsetof(PosPort, baudrate), offsetof(PosPort, ta_start),
                          offsetof(PosPort, ta_end),  offsetof(PosPort, ignore),   offsetof(PosPort, ignore2),
                          offsetof(PosPort, ignore3), offsetof(PosPort, ignore4),  offsetof(PosPort, morelines)};

} // namespace

TSetupPos::TSetupPos(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    // Whether the unit has the serial port is asked once.
    DalCaps caps;
    std::memset(&caps, 0, sizeof caps);
    dvrGetCaps(&caps, nullptr, nullptr);
    m_firstPort = caps.rs232 ? 0 : 1;
    m_port = m_firstPort;
    const int firstButton = R_PORT0 + m_firstPort;

    QVector<Row> rows;
    for (int i = 0; i < PORTS; ++i) {
        Row r;
        r.kind = RowButton;
        r.right = i + 1 < PORTS ? R_PORT0 + i + 1 : L_ITEM;
        r.left = i > 0 ? R_PORT0 + i - 1 : L_ITEM;
        r.up = L_TAB;
        r.down = R_CHANNEL;
        rows.append(r);
    }
    auto field = [](int kind, int text, int list, int size, int up, int down) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = IDX_PROP_POS;
        r.size = size;
        r.list = list;
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = up;
        r.down = down;
        return r;
    };
    rows << field(RowCombo, TextChannel, IDX_DATA_POS_CHANNEL, 4, firstButton, R_BAUD)
         << field(RowCombo, TextBaudrate, IDX_DATA_BAUDRATE, 4, R_CHANNEL, R_START)
         << field(RowEdit, TextStart, -1, WORD_SIZE, R_BAUD, R_END)
         << field(RowEdit, TextEnd, -1, WORD_SIZE, R_START, R_IGNORE1);
    for (int k = 0; k < 4; ++k) {
        // One label for the row of four; each keyboard is titled alike
        // (sl_edclicked).
        Row r = field(RowEdit, k == 0 ? TextIgnore : -1, -1, WORD_SIZE, R_END, R_LINES);
        r.left = k > 0 ? R_IGNORE1 + k - 1 : L_ITEM;
        r.right = k < 3 ? R_IGNORE1 + k + 1 : L_ITEM;
        rows << r;
    }
    rows << field(RowCombo, TextLines, IDX_DATA_POS_LINES, 4, R_IGNORE1, R_OVERLAYPOS);
    Row pos = field(RowCombo, TextPosition, IDX_DATA_OVERLAY_POS, 4, R_LINES, R_OVERLAYTIME);
    pos.offset = offsetof(PropPos, overlaypos);
    // Drawn fitted to its place (evtPaint).
    Row time = field(RowCombo, -1, IDX_DATA_OVERLAY_TIME, 4, R_OVERLAYPOS, R_APPLY);
    time.offset = offsetof(PropPos, overlaytime);
    rows << pos << time;
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_OVERLAYTIME;
        r.down = L_TAB;
        return r;
    };
    rows << command(RowApply, R_DEFAULT, L_OK) << command(RowDefault, R_MENU, R_APPLY)
         << command(RowMenu, L_OK, R_DEFAULT);
    Params p;
    p.sections = {IDX_PROP_POS};
    p.requests = {Act_InfoPos};
    p.replies = {Act_InfoPos};
    p.firstRow = firstButton;
    p.itemRight = firstButton;
    p.itemLeft = firstButton;
    p.okRight = R_APPLY;
    p.okLeft = R_MENU;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_MENU;
    setRows(rows, p);
    bindEntry();
}

TSetupPos::~TSetupPos()
{
    delete m_portIcon;
}

TButton* TSetupPos::portButton(int port) const
{
    return port >= 0 && port < PORTS ? qobject_cast<TButton*>(control(R_PORT0 + port)) : nullptr;
}

QString TSetupPos::usbText(int port, int present)
{
    return ctlText(TextUsb) + QString::asprintf(present ? "%d(O)" : "%d(X)", port);
}

void TSetupPos::bindEntry()
{
    const int base = int(offsetof(PropPos, port)) + entry() * int(sizeof(PosPort));
    for (int k = 0; k < int(sizeof kPortField / sizeof kPortField[0]); ++k)
        m_rows[R_CHANNEL + k].offset = base + kPortField[k];
}

void TSetupPos::init(int background)
{
    TSetupPage::init(background);
    // The port buttons are selectors like the camera buttons.
    m_portIcon = TRes::makeIcon(ctlImage(PortStrip), 4, false);
    TRes::addIconStates(m_portIcon, ctlImage(PortStrip2), 4, true);
    for (int i = 0; i < PORTS; ++i) {
        auto* old = qobject_cast<TButton*>(control(R_PORT0 + i));
        if (!old)
            continue;
        auto* b = new TButton(this, m_portIcon, QString(), old->id(), ctlColor(3), 1);
        b->setState(i == m_port ? 1 : 2, nullptr);
        b->setVisible(i >= m_firstPort);
        m_ctrl[R_PORT0 + i] = b;
        delete old;
    }
    evtResize();
    relabel();
}

void TSetupPos::relabel()
{
    if (TButton* b = portButton(0))
        b->setText(ctlText(TextSerial));
    for (int i = 1; i < PORTS; ++i) {
        if (TButton* b = portButton(i))
            b->setText(usbText(i, m_present[i]));
    }
}

void TSetupPos::evtLanguage()
{
    TSetupPage::evtLanguage();
    relabel();
}

void TSetupPos::evtResize()
{
    TSetupPage::evtResize();
    if (!portButton(PORTS - 1))
        return;
    const int margin = ctlScale(16);
    const int pitch = ctlScale(30);
    const int rowH = ctlScale(24);
    const int W = width();
    // The port buttons in a row; without the serial port the USB ones move
    // up one place.
    const int bw = ctlScale(96);
    for (int i = 0; i < PORTS; ++i) {
        const int place = i - m_firstPort;
        portButton(i)->setGeometry(margin + qMax(0, place) * (bw + ctlScale(4)), margin, bw, rowH);
    }
    // The port's settings in a frame, the record-wide ones below it.
    const int x = W * 40 / 100;
    const int w = W - margin - ctlScale(12) - x;
    const int top = margin + rowH + ctlScale(16);
    int y = top + ctlScale(12);
    for (int r : {int(R_CHANNEL), int(R_BAUD), int(R_START), int(R_END)}) {
        control(r)->setGeometry(x, y, w, rowH);
        y += pitch;
    }
    const int iw = (w - 3 * ctlScale(4)) / 4;
    for (int k = 0; k < 4; ++k)
        control(R_IGNORE1 + k)->setGeometry(x + k * (iw + ctlScale(4)), y, iw, rowH);
    y += pitch;
    control(R_LINES)->setGeometry(x, y, w, rowH);
    y += pitch;
    m_frame = QRect(ctlScale(8), top, W - ctlScale(16), y - top + ctlScale(6));
    y = m_frame.bottom() + ctlScale(18);
    for (int r : {int(R_OVERLAYPOS), int(R_OVERLAYTIME)}) {
        control(r)->setGeometry(x, y, w, rowH);
        y += pitch;
    }
}

void TSetupPos::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(QPen(ctlColor(FrameColour), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_frame);
    p.setPen(ctlColor(3));
    if (QWidget* t = control(R_OVERLAYTIME)) {
        const QRect g = t->geometry();
        drawFitText(&p, QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, ctlText(TextDuration));
    }
}

void TSetupPos::setCtrl()
{
    if (m_port < m_firstPort || m_port >= PORTS)
        return;
    bindEntry();
    TSetupPage::setCtrl();
    for (int i = 0; i < PORTS; ++i) {
        if (TButton* b = portButton(i))
            b->setState(i == m_port ? 1 : 2, nullptr);
    }
}

void TSetupPos::buttonClicked(int row)
{
    const int port = row - R_PORT0;
    if (port < m_firstPort || port >= PORTS || row >= R_CHANNEL)
        return;
    m_port = port;
    setCtrl();
    keyMatch();
    update();
}

void TSetupPos::sl_changeIndex(int id, int index)
{
    qCDebug(lcUiSetup, "TSetupPos::sl_changeIndex.. id:%d idx:%d", id, index);
    if (m_port < m_firstPort || m_port >= PORTS)
        return;
    TSetupPage::sl_changeIndex(id, index);
}

void TSetupPos::sl_edclicked(int id)
{
    qCDebug(lcUiSetup, "============ TSetupPos::sl_edclicked(%d) ===========", id);
    if (m_port < m_firstPort || m_port >= PORTS)
        return;
    TSetupPage::sl_edclicked(id);
    const int row = rowOfId(id);
    // The four words to leave out share one title.
    if (row > R_IGNORE1 && row <= R_IGNORE4 && g_vkeyboard)
        g_vkeyboard->setTitle(ctlText(TextIgnore));
}

void TSetupPos::onReply(int code, const void* data)
{
    if (code != Act_InfoPos)
        return;
    // Serial port, then USB ports 1 to 4; the serial one is not shown.
    const auto* flags = static_cast<const int32_t*>(data);
    for (int i = 0; i < PORTS; ++i)
        m_present[i] = flags[i] ? 1 : 0;
    relabel();
}

void TSetupPos::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupPos::evtKeydown(%d) ===========", key);
    TSetupPage::evtKeydown(key);
    // Up or down into the port row lands on the port shown.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && m_curCtrl == portButton(m_firstPort) && m_port != m_firstPort) {
        if (TButton* b = portButton(m_port)) {
            b->setFocus(Qt::OtherFocusReason);
            m_curCtrl = b;
        }
    }
}
