#include "tsetupsmartinfo.h"
#include "ctlres.h"
#include "tbutton.h"
#include "textutil.h"
#include "tsetupsmart.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

namespace {
enum { T_OK = 24, FIRST_ENCLOSURE_DISK = 4 };
}

TSetupSmartInfo::TSetupSmartInfo(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    // A window of its own above the setup menu, which waits for it.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    resize(size);
}

TSetupSmartInfo::~TSetupSmartInfo()
{
    delete m_icon;
}

void TSetupSmartInfo::init(int)
{
    m_icon = TRes::makeIcon(ctlImage(21), 4, false);
    m_ok = new TButton(this, m_icon, QString(), 0, ctlColor(0), 4);
    evtResize();
    evtLanguage();
}

void TSetupSmartInfo::setTitle(const QString& title)
{
    m_title = title;
    for (auto& row : m_read)
        for (QString& s : row)
            s.clear();
    update();
}

void TSetupSmartInfo::setFirst(int first)
{
    m_first = first == 6 ? 6 : 0;
}

QString TSetupSmartInfo::reading(int row, int col) const
{
    return row >= 0 && row < ROWS && col >= 0 && col < 4 ? m_read[row][col] : QString();
}

void TSetupSmartInfo::initSet()
{
    for (int r = 0; r < ROWS; ++r)
        TSetupSmart::readings(m_info, FIRST_ENCLOSURE_DISK + m_first + r, m_read[r]);
    update();
}

void TSetupSmartInfo::connectTo()
{
    connect(m_ok, &TButton::sg_clicked, this, &TSetupSmartInfo::sl_btnclicked, Qt::UniqueConnection);
}

void TSetupSmartInfo::disconnectFrom()
{
    disconnect(m_ok, &TButton::sg_clicked, this, &TSetupSmartInfo::sl_btnclicked);
}

void TSetupSmartInfo::evtShow()
{
    // Above the setup menu, with the keyboard's focus on "OK".
    raise();
    activateWindow();
    evtLanguage();
    m_ok->setFocus(Qt::OtherFocusReason);
    m_curCtrl = m_ok;
    initSet();
}

void TSetupSmartInfo::evtResize()
{
    if (!m_ok)
        return;
    const QSize bs = ctlSize(21, QSize(85, 25));
    m_ok->setGeometry((width() - bs.width()) / 2, height() - ctlScale(12) - bs.height(), bs.width(), bs.height());
}

void TSetupSmartInfo::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ctlColor(33));
    p.setPen(ctlColor(35));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int m = ctlScale(12);
    const int pitch = qMax(1, (height() - 3 * m - ctlSize(21, QSize(85, 25)).height()) / (ROWS + 2));
    const int rowH = pitch - ctlScale(4);
    const int numW = ctlScale(36);
    const int colW = (width() - 2 * m - numW) / 4;
    p.setPen(ctlColor(3));
    drawFitText(&p, QRect(m, m, width() - 2 * m, rowH), Qt::AlignHCenter | Qt::AlignVCenter, m_title);
    int y = m + pitch;
    for (int c = 0; c < 4; ++c)
        drawFitText(&p, QRect(m + numW + c * colW, y, colW - ctlScale(4), rowH), Qt::AlignHCenter | Qt::AlignVCenter,
                    TSetupSmart::columnHeading(c));
    for (int r = 0; r < ROWS; ++r) {
        y += pitch;
        p.setPen(ctlColor(3));
        drawFitText(&p, QRect(m, y, numW, rowH), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("%1  ").arg(m_first + r + 1));
        for (int c = 0; c < 4; ++c) {
            const QRect box(m + numW + c * colW, y, colW - ctlScale(4), rowH);
            p.setPen(ctlColor(35));
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.setPen(ctlColor(3));
            drawFitText(&p, box.adjusted(ctlScale(3), 0, -ctlScale(3), 0), Qt::AlignHCenter | Qt::AlignVCenter,
                        m_read[r][c]);
        }
    }
}

void TSetupSmartInfo::evtKeydown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return: hideWnd(); break;
    default:
        // "OK" is the one control: every move stays on it.
        m_ok->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void TSetupSmartInfo::evtKeyup(int) {}

void TSetupSmartInfo::evtLanguage()
{
    if (m_ok)
        m_ok->setText(ctlText(T_OK));
    update();
}

void TSetupSmartInfo::sl_btnclicked(int id, int)
{
    if (id == 0)
        hideWnd();
}
