#include "tzoomwnd.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tmenuguard.h"
#include "tkeys.h"
#include "uilivelog.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {

enum { BtnImage = 106, BtnColor = 27, ScreenSize = 16, FrameW = 160, FrameH = 120, Step = 10, Tick = 100 };
enum { T_CAMERA = 75, T_ZOOM = 21, T_EXIT = 35 };

const QColor Outline(16, 16, 16);
const QColor Face(240, 240, 240);

QSize screenSize()
{
    return ctlSize(ScreenSize, QSize(1920, 1080));
}

void postKey(QObject* to, QEvent::Type type, int key)
{
    if (to)
        QCoreApplication::postEvent(to, new QKeyEvent(type, key, Qt::NoModifier));
}

} // namespace

TZoomWnd::TZoomWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_ch(0),
      m_ratio(2),
      m_overview(FrameW, FrameH, QImage::Format_RGB32),
      m_cnt(0),
      m_dragCnt(-1),
      m_ctrlShown(0),
      m_titleRect(QPoint(32, 24), QPoint(211, 43)),
      m_btn(),
      m_icon(nullptr),
      m_camMenu(nullptr),
      m_zoomMenu(nullptr),
      m_timer(nullptr)
{
    setMouseTracking(false);
}

TZoomWnd::~TZoomWnd()
{
    delete m_camMenu;
    delete m_zoomMenu;
    delete m_icon;
}

TButton* TZoomWnd::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

void TZoomWnd::setChannel(int ch)
{
    m_ch = ch;
}

double TZoomWnd::maxRatio() const
{
    // An output that reports no larger zoom still takes x2.
    return qMax(2.0, g_api.maxZoom());
}

QString TZoomWnd::title() const
{
    QString name;
    if (g_cfg && m_ch >= 0 && m_ch < PROP_MAX_CH) {
        const CameraEntry& cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1))->data[m_ch];
        name = QString::fromUtf8(cam.name, int(qstrnlen(cam.name, sizeof cam.name)));
    }
    return name + QStringLiteral(" (x%1)").arg(m_ratio);
}

void TZoomWnd::init(int)
{
    m_icon = TRes::makeIcon(ctlImage(BtnImage), 4, false);
    for (int i = 0; i < BTN_COUNT; ++i) {
        m_btn[i] = new TButton(this, m_icon, QString(), i, ctlColor(BtnColor), 4);
        m_btn[i]->hide();
    }
    m_camMenu = new QMenu(this);
    m_zoomMenu = new QMenu(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(Tick);
    connect(m_camMenu, &QMenu::triggered, this, &TZoomWnd::sl_camChosen);
    connect(m_zoomMenu, &QMenu::triggered, this, &TZoomWnd::sl_ratioChosen);
    evtResize();
    drawZoomArea(QPoint());
}

void TZoomWnd::evtResize()
{
    m_frameRect = QRect(width() - 175, 32, FrameW, FrameH);
    if (!m_btn[0])
        return;
    const QSize bs = ctlSize(BtnImage, QSize(130, 24));
    const int gap = ctlScale(8);
    // The ratio button is kept hidden (the ratio menu opens with '9'): it
    // stands last, so the camera and exit buttons sit side by side.
    static const int slot[BTN_COUNT] = {0, 2, 1};
    for (int i = 0; i < BTN_COUNT; ++i)
        m_btn[i]->setGeometry(ctlScale(32) + slot[i] * (bs.width() + gap), height() - bs.height() - ctlScale(32),
                              bs.width(), bs.height());
    fillMenus();
}

void TZoomWnd::fillMenus()
{
    if (!m_camMenu)
        return;
    m_camMenu->clear();
    int videos = 0;
    if (g_cfg)
        videos = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos;
    QFont f = m_camMenu->font();
    if (videos > 31) {
        f.setPointSize(ctlScale(10));
        m_camMenu->setFont(f);
    }
    for (int ch = 0; ch < videos; ++ch)
        m_camMenu->addAction(ctlText(T_CAMERA) + QString::number(ch + 1))->setData(ch);
    m_zoomMenu->clear();
    const int ratios = int(maxRatio() - 1);
    for (int i = 0; i < ratios; ++i)
        m_zoomMenu->addAction(ctlText(T_ZOOM) + QStringLiteral(" x%1").arg(i + 2))->setData(i);
}

void TZoomWnd::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TZoomWnd::sl_btnclicked);
    connect(this, &TDefWnd::sg_showed, this, &TZoomWnd::sl_showed);
    connect(m_camMenu, &QMenu::aboutToShow, this, &TZoomWnd::sl_mCamshowtm);
    connect(m_camMenu, &QMenu::aboutToHide, this, &TZoomWnd::sl_mCamhide);
    connect(m_zoomMenu, &QMenu::aboutToShow, this, &TZoomWnd::sl_mZoomshowtm);
    connect(m_zoomMenu, &QMenu::aboutToHide, this, &TZoomWnd::sl_mZoomhide);
    connect(m_timer, &QTimer::timeout, this, &TZoomWnd::sl_checkZoom);
    m_timer->start();
}

void TZoomWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TZoomWnd::sl_btnclicked);
    disconnect(this, &TDefWnd::sg_showed, this, &TZoomWnd::sl_showed);
    disconnect(m_camMenu, nullptr, this, nullptr);
    disconnect(m_zoomMenu, nullptr, this, nullptr);
    connect(m_camMenu, &QMenu::triggered, this, &TZoomWnd::sl_camChosen);
    connect(m_zoomMenu, &QMenu::triggered, this, &TZoomWnd::sl_ratioChosen);
    m_timer->stop();
    disconnect(m_timer, &QTimer::timeout, this, &TZoomWnd::sl_checkZoom);
}

void TZoomWnd::evtLanguage()
{
    if (!m_btn[0])
        return;
    m_btn[BTN_CAMERA]->setText(ctlText(T_CAMERA) + QStringLiteral("[0]"));
    m_btn[BTN_RATIO]->setText(ctlText(T_ZOOM) + QStringLiteral("[9]"));
    m_btn[BTN_EXIT]->setText(ctlText(T_EXIT));
    fillMenus();
}

void TZoomWnd::evtShow()
{
    m_ctrlShown = 0;
    m_ratio = 2;
    m_dragStart = QPoint();
    evtLanguage();
    drawZoomArea(QPoint());
    sl_timeout();
}

void TZoomWnd::sl_timeout()
{
    emit sg_request(Act_ZoomStart, m_ch, -1, -1);
    m_ctrlShown = 1;
    m_btn[BTN_CAMERA]->show();
    m_btn[BTN_EXIT]->show();
    m_btn[BTN_RATIO]->hide();
    for (TButton* b : m_btn)
        b->clearFocus();
    m_curCtrl = nullptr;
    update();
}

void TZoomWnd::evtHide()
{
    m_ctrlShown = 0;
    update(m_frameRect);
    for (TButton* b : m_btn)
        b->hide();
}

void TZoomWnd::drawOverview(int x, int y, int innerW, int innerH)
{
    m_overview.fill(Qt::black);
    QPainter p(&m_overview);
    for (const auto& pen : {QPen(Outline, 4), QPen(Face, 2)}) {
        p.setPen(pen);
        p.drawRect(2, 2, FrameW - 5, FrameH - 5);
        p.drawRect(x, y, innerW - 1, innerH - 1);
    }
    m_innerRect = QRect(m_frameRect.topLeft() + QPoint(x, y), QSize(innerW, innerH));
}

void TZoomWnd::drawZoomArea(const QPoint& pt)
{
    const int innerW = FrameW / m_ratio;
    const int innerH = FrameH / m_ratio;
    const int freeW = FrameW - innerW;
    const int freeH = FrameH - innerH;
    int x = freeW / 2;
    int y = freeH / 2;
    if (!pt.isNull()) {
        x = pt.x() - m_frameRect.left() - innerW / 2;
        y = pt.y() - m_frameRect.top() - innerH / 2;
    }
    x = qBound(0, x, freeW);
    y = qBound(0, y, freeH);
    drawOverview(x, y, innerW, innerH);
    if (!isVisible())
        return;
    update(m_frameRect);
    const int b = freeW > 0 ? x * 100 / freeW : 50;
    const int c = freeH > 0 ? y * 100 / freeH : 50;
    emit sg_request(Act_ZoomArea, m_ratio * 100, b, c);
    setCurFromOffsets(b, c);
}

void TZoomWnd::setCurFromOffsets(int b, int c)
{
    const double sw = screenSize().width();
    const double sh = screenSize().height();
    m_zoomPtCur = QPoint(int(sw / (2 * m_ratio) + b / 100.0 * (sw - sw / m_ratio)),
                         int(sh / (2 * m_ratio) + c / 100.0 * (sh - sh / m_ratio)));
}

void TZoomWnd::changeRatio(int px, int py, int delta)
{
    const double n = qBound(2.0, double(m_ratio + delta), maxRatio());
    if (int(n) == m_ratio)
        return;
    calcZoomPt(px - screenSize().width() / 2, py - screenSize().height() / 2, m_ratio, n);
    m_ratio = int(n);
    update(m_titleRect);
}

void TZoomWnd::calcZoomPt(double dx, double dy, double oldRatio, double newRatio)
{
    const double sw = screenSize().width();
    const double sh = screenSize().height();
    const QPoint cur = m_zoomPtCur + QPoint(int(dx / oldRatio), int(dy / oldRatio));
    m_zoomPtStart = QPoint(int(sw / newRatio / 2), int(sh / newRatio / 2));
    m_zoomPtEnd = QPoint(int(sw - sw / newRatio / 2), int(sh - sh / newRatio / 2));
    m_zoomPtCur = cur - QPoint(int(dx / newRatio), int(dy / newRatio));
    m_zoomPtCur.setX(qBound(m_zoomPtStart.x(), m_zoomPtCur.x(), m_zoomPtEnd.x()));
    m_zoomPtCur.setY(qBound(m_zoomPtStart.y(), m_zoomPtCur.y(), m_zoomPtEnd.y()));
    const double dw = m_zoomPtEnd.x() - m_zoomPtStart.x();
    const double dh = m_zoomPtEnd.y() - m_zoomPtStart.y();
    const double offX = dw > 0 ? (m_zoomPtCur.x() - m_zoomPtStart.x()) / dw : 0.5;
    const double offY = dh > 0 ? (m_zoomPtCur.y() - m_zoomPtStart.y()) / dh : 0.5;
    qCDebug(lcUiLive, "calcZoomPt.. diff_x:%.1f diff_y:%.1f d_w:%.1f d_h:%.1f off_x:%.1f off_y:%.1f", dx, dy, dw, dh,
            offX, offY);
    emit sg_request(Act_ZoomArea, int(newRatio * 100), int(offX * 100), int(offY * 100));
    const int innerW = int(FrameW / newRatio);
    const int innerH = int(FrameH / newRatio);
    drawOverview(int(offX * (FrameW - innerW)), int(offY * (FrameH - innerH)), innerW, innerH);
    update(m_frameRect);
}

void TZoomWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    QFont f = font();
    f.setPixelSize(ctlScale(14));
    p.setFont(f);
    const QString t = title();
    p.setPen(Outline);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawText(m_titleRect.translated(dx, dy), Qt::AlignLeft | Qt::AlignVCenter, t);
    p.setPen(Face);
    p.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, t);
    p.drawImage(m_frameRect.topLeft(), m_overview);
}

void TZoomWnd::sl_checkZoom()
{
    ++m_cnt;
    qCDebug(lcUiLive, "TZoomWnd::sl_ceckZoom m_cnt:%d", m_cnt);
}

void TZoomWnd::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_frameRect.contains(e->pos()))
        return;
    m_dragStart = e->pos();
    m_dragCnt = m_cnt;
    drawZoomArea(e->pos());
}

void TZoomWnd::mouseMoveEvent(QMouseEvent* e)
{
    // One step a tick at most: the device takes a zoom request at a time.
    if (!(e->buttons() & Qt::LeftButton) || m_dragStart.isNull() || m_dragCnt == m_cnt)
        return;
    m_dragCnt = m_cnt;
    drawZoomArea(e->pos());
}

void TZoomWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_dragStart = QPoint();
}

void TZoomWnd::exitZoom()
{
    hideWnd();
    emit sg_request(Act_ZoomClose, 0, -1, -1);
}

void TZoomWnd::sl_btnclicked(int id, int)
{
    switch (id) {
    case BTN_CAMERA:
        m_camMenu->popup(m_btn[BTN_CAMERA]->mapToGlobal(QPoint(0, 0)));
        break;
    case BTN_RATIO:
        m_zoomMenu->popup(m_btn[BTN_RATIO]->mapToGlobal(QPoint(0, 0)));
        break;
    case BTN_EXIT:
        exitZoom();
        break;
    default:
        break;
    }
}

void TZoomWnd::sl_camChosen(QAction* a)
{
    m_ch = a->data().toInt();
    update(m_titleRect);
    emit sg_request(Act_ZoomLayout, m_ch, -1, -1);
    drawZoomArea(QPoint());
}

void TZoomWnd::sl_ratioChosen(QAction* a)
{
    update(m_titleRect);
    changeRatio(screenSize().width() / 2, screenSize().height() / 2, a->data().toInt() + 2 - m_ratio);
}

void TZoomWnd::placeMenu(QMenu* menu, TButton* under, int entries, int current)
{
    const QPoint at = under->mapToGlobal(QPoint(0, 0));
    menu->move(at.x(), at.y() - menu->height() - 1);
    // A menu without entries has no current one.
    if (entries > 0) {
        QAction* a = menu->actionAt(QPoint(10, menu->height() / entries * current + 10));
        if (a)
            menu->setActiveAction(a);
    }
    emit sg_showed(0, 1, QRegion(getMenuRect(0)));
}

void TZoomWnd::sl_mCamshowtm()
{
    QTimer::singleShot(1, this, &TZoomWnd::sl_mCamshow);
}

void TZoomWnd::sl_mCamshow()
{
    placeMenu(m_camMenu, m_btn[BTN_CAMERA], m_camMenu->actions().size(), m_ch);
}

void TZoomWnd::sl_mCamhide()
{
    const TMenuGuard inHandler; // the report runs no nested event loop
    emit sg_showed(0, 0, QRegion(getMenuRect(0)));
}

void TZoomWnd::sl_mZoomshowtm()
{
    QTimer::singleShot(1, this, &TZoomWnd::sl_mZoomshow);
}

void TZoomWnd::sl_mZoomshow()
{
    placeMenu(m_zoomMenu, m_btn[BTN_RATIO], m_zoomMenu->actions().size(), m_ratio - 2);
}

void TZoomWnd::sl_mZoomhide()
{
    const TMenuGuard inHandler; // the report runs no nested event loop
    emit sg_showed(0, 0, QRegion(getMenuRect(0)));
}

QRect TZoomWnd::getMenuRect(int) const
{
    // The menu that is open cuts its own area; the camera menu otherwise.
    const QMenu* m = m_zoomMenu && m_zoomMenu->isVisible() ? m_zoomMenu : m_camMenu;
    if (!m)
        return QRect();
    return QRect(mapFromGlobal(m->geometry().topLeft()), m->size());
}

void TZoomWnd::sl_showed(int id, int shown, QRegion)
{
    // Only the menus report with id 0; the window's own show is its owner's.
    if (id != 0)
        return;
    emit sg_request(shown ? Act_ZoomMenuShow : Act_ZoomMenuHide, id, -1, -1);
}

void TZoomWnd::evtKeydown(int key)
{
    QMenu* open = m_camMenu->isVisible() ? m_camMenu : m_zoomMenu->isVisible() ? m_zoomMenu : nullptr;
    if (open) {
        postKey(open, QEvent::KeyPress, key == KEY_JOG_LEFT ? int(Qt::Key_Up) : key == KEY_JOG_RIGHT ? int(Qt::Key_Down) : key);
        return;
    }
    const QPoint c = m_innerRect.topLeft() + QPoint(m_innerRect.width() / 2, m_innerRect.height() / 2);
    switch (key) {
    case Qt::Key_Enter:
        postKey(focusWidget(), QEvent::KeyPress, Qt::Key_Space);
        break;
    case Qt::Key_Left: drawZoomArea(c - QPoint(Step, 0)); break;
    case Qt::Key_Right: drawZoomArea(c + QPoint(Step, 0)); break;
    case Qt::Key_Up: drawZoomArea(c - QPoint(0, Step)); break;
    case Qt::Key_Down: drawZoomArea(c + QPoint(0, Step)); break;
    case Qt::Key_1:
    case Qt::Key_ZoomIn:
        changeRatio(screenSize().width() / 2, screenSize().height() / 2, 1);
        break;
    case Qt::Key_2:
    case Qt::Key_ZoomOut:
        changeRatio(screenSize().width() / 2, screenSize().height() / 2, -1);
        break;
    case Qt::Key_9:
        sl_btnclicked(BTN_RATIO);
        break;
    case Qt::Key_0:
    case Qt::Key_F30:
        sl_btnclicked(BTN_CAMERA);
        break;
    case Qt::Key_Escape:
    case Qt::Key_Zoom:
        exitZoom();
        break;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        QWidget* f = focusWidget();
        if (f != m_btn[BTN_CAMERA] && f != m_btn[BTN_EXIT])
            m_btn[BTN_CAMERA]->setFocus();
        else
            (f == m_btn[BTN_CAMERA] ? m_btn[BTN_EXIT] : m_btn[BTN_CAMERA])->setFocus();
        break;
    }
    default:
        break;
    }
}

void TZoomWnd::evtKeyup(int key)
{
    if (key == Qt::Key_Enter)
        postKey(focusWidget(), QEvent::KeyRelease, Qt::Key_Space);
}
