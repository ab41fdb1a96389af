#include "tptzwnd.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tkeys.h"
#include "tmenuguard.h"
#include "tptzpreset.h"
#include "tptzsetup.h"
#include "uilivelog.h"
#include "wndcodes.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

enum { FocusTag = 14, BigButton = 106, SmallButton = 112, ArrowSize = 108, ButtonColor = 27, OemOkKey = 10 };
enum { T_SETUP = 2, T_ZOOM = 21, T_EXIT = 35, T_CAMERA = 75, T_PRESET = 209, T_FOCUS = 210, T_IRIS = 211 };

// Press and release requests of buttons 0..9 and their keys (0: none).
struct Move {
    int press;
    int release;
    int key;
    int qtKey;
};
const Move kMoves[] = {
    {Act_PtzUp, Act_PtzUpStop, Qt::Key_Up, 0},
    {Act_PtzDown, Act_PtzDownStop, Qt::Key_Down, 0},
    {Act_PtzLeft, Act_PtzLeftStop, Qt::Key_Left, 0},
    {Act_PtzRight, Act_PtzRightStop, Qt::Key_Right, 0},
    {Act_PtzZoomWide, Act_PtzZoomWideStop, Qt::Key_1, Qt::Key_ZoomOut},
    {Act_PtzZoomTele, Act_PtzZoomTeleStop, Qt::Key_2, Qt::Key_ZoomIn},
    {Act_PtzFocusNear, Act_PtzFocusNearStop, Qt::Key_3, Qt::Key_Context3},
    {Act_PtzFocusFar, Act_PtzFocusFarStop, Qt::Key_4, Qt::Key_Context4},
    {Act_PtzIrisClose, Act_PtzIrisCloseStop, Qt::Key_5, Qt::Key_Context1},
    {Act_PtzIrisOpen, Act_PtzIrisOpenStop, Qt::Key_6, Qt::Key_Context2},
};
const char* const kMoveTexts[] = {"-[1]", "+[2]", "-[3]", "+[4]", "-[5]", "+[6]"};

// The button a move key stands for, -1 for another key.
int moveOfKey(int key)
{
    for (int i = 0; i < int(sizeof kMoves / sizeof kMoves[0]); ++i)
        if (key == kMoves[i].key || (kMoves[i].qtKey && key == kMoves[i].qtKey))
            return i;
    return -1;
}

void postKey(QWidget* w, QEvent::Type type, int key)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, key, Qt::NoModifier));
}

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

} // namespace

TPtzWnd::TPtzWnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size) {}

TPtzWnd::~TPtzWnd()
{
    // The setup popup is a window of its own; the rest are children.
    delete m_setup;
    m_setup = nullptr;
    for (QIcon*& icon : m_icons) {
        delete icon;
        icon = nullptr;
    }
}

void TPtzWnd::init(int)
{
    m_ch = 0;
    for (int i = 0; i < 4; ++i) {
        m_icons[i] = TRes::makeIcon(ctlImage(ArrowSize + i), 1, false);
        m_btn[i] = new TButton(this, m_icons[i], QString(), i, QColor(0, 0, 0), 6);
    }
    m_icons[4] = TRes::makeIcon(ctlImage(BigButton), 4, false);
    for (int i = BTN_ZOOM_WIDE; i < BTN_COUNT; ++i)
        m_btn[i] = new TButton(this, m_icons[4], QString(), i, ctlColor(ButtonColor), 4);
    for (int i = BTN_ZOOM_WIDE; i <= BTN_IRIS_OPEN; ++i)
        m_btn[i]->setText(QString::fromLatin1(kMoveTexts[i - BTN_ZOOM_WIDE]));
    for (TButton* b : m_btn) {
        b->setFocusPolicy(Qt::ClickFocus);
        b->hide();
    }
    // Camera, setup, exit, preset, then the six minus/plus buttons.
    const int order[FOCUS_COUNT] = {BTN_CAMERA, BTN_SETUP, BTN_EXIT, BTN_PRESET, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < FOCUS_COUNT; ++i)
        m_focusTable[i] = {FocusTag, m_btn[order[i]], nullptr, nullptr, nullptr, nullptr};

    // The setup popup is a window of its own over the screen's centre.
    m_setup = new TPtzsetup(nullptr, CHILD_SETUP, ctlSize(143, QSize(620, 440)));
    m_setup->init(0);
    m_setup->hide();
    m_preset = new TPtzpreset(this, CHILD_PRESET, ctlSize(103, QSize(144, 312)));
    m_preset->init(0);
    m_preset->hide();

    m_camMenu = new QMenu(this);
    connect(m_camMenu, &QMenu::triggered, this, &TPtzWnd::sl_camChosen);
    fillCameraMenu();
    evtResize();
    evtLanguage();
}

TButton* TPtzWnd::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

void TPtzWnd::setChannel(int ch)
{
    m_ch = ch;
}

int TPtzWnd::pressCode(int id)
{
    return unsigned(id) < 10u ? kMoves[id].press : -1;
}

int TPtzWnd::releaseCode(int id)
{
    return unsigned(id) < 10u ? kMoves[id].release : -1;
}

QRect TPtzWnd::getChildRect(int which) const
{
    switch (which) {
    case CHILD_MENU:
        if (m_camMenu)
            return QRect(mapFromGlobal(m_camMenu->pos()), m_camMenu->size());
        break;
    case CHILD_SETUP:
        if (m_setup)
            return QRect(mapFromGlobal(m_setup->pos()), m_setup->size());
        break;
    case CHILD_PRESET:
        if (m_preset)
            return m_preset->geometry();
        break;
    default:
        break;
    }
    return QRect(0, 0, 0, 0).adjusted(0, 0, -1, -1);
}

// ---- Layout ---------------------------------------------------------------

void TPtzWnd::evtResize()
{
    if (!m_btn[BTN_EXIT])
        return;
    const int W = width();
    const int H = height();
    const QSize big = ctlSize(BigButton, QSize(130, 24));
    const int bw = big.width();
    const int bh = big.height();
    for (int i = BTN_PRESET; i < BTN_COUNT; ++i)
        m_btn[i]->resize(big);
    int y = H - ctlScale(16) - bh - 2 * (ctlScale(4) + bh);
    m_btn[BTN_CAMERA]->move(ctlScale(32), y);
    y += ctlScale(2) + bh;
    m_btn[BTN_SETUP]->move(ctlScale(32), y);
    y += ctlScale(2) + bh;
    m_btn[BTN_EXIT]->move(ctlScale(32), y);
    m_btn[BTN_PRESET]->resize(bw, bh + ctlScale(2));
    m_btn[BTN_PRESET]->move(W - bw - ctlScale(32), ctlScale(32) + ctlScale(5));

    m_titleRect = QRect(ctlScale(32), ctlScale(32), ctlScale(180), ctlScale(20));

    const QSize small = ctlSize(SmallButton, QSize(44, 24));
    const int zw = small.width();
    const int zh = small.height();
    const int L = ctlScale(60);
    const int xMinus = W - ctlScale(32) - L - 2 * zw;
    const int y0 = H - ctlScale(16) - zh - 2 * (ctlScale(4) + zh);
    for (int row = 0; row < 3; ++row) {
        const int ry = y0 + row * (zh + ctlScale(4));
        m_btn[4 + 2 * row]->setGeometry(xMinus, ry, zw, zh);
        m_btn[5 + 2 * row]->setGeometry(xMinus + zw + L, ry, zw, zh);
        m_labelRect[row] = QRect(xMinus + zw, ry, L, zh);
    }

    const QSize arrow = ctlSize(ArrowSize, QSize(24, 24));
    for (int i = 0; i < 4; ++i) {
        m_btn[i]->resize(arrow);
        m_btn[i]->hide();
    }

    // The pad is the picture less a margin and less the corners that hold
    // the buttons, so a press beside a button never starts a move.
    const int m = ctlScale(64);
    const QRect cam = m_btn[BTN_CAMERA]->geometry();
    const QRect zoomOut = m_btn[BTN_ZOOM_WIDE]->geometry();
    const QRect preset = m_btn[BTN_PRESET]->geometry();
    m_padRegion = QRegion(rect().adjusted(m, m, -m, -m));
    m_padRegion -= QRegion(QRect(QPoint(0, cam.top() - m), QPoint(cam.right() + m, H)));
    m_padRegion -= QRegion(QRect(QPoint(zoomOut.left() - m, cam.top() - m), QPoint(W, H)));
    m_padRegion -= QRegion(QRect(QPoint(preset.left() - m, 0), QPoint(W, preset.bottom() + m)));

    if (m_setup) {
        const QSize screen = ctlSize(16, size());
        m_setup->move((screen.width() - m_setup->width()) / 2, (screen.height() - m_setup->height()) / 2);
        m_setup->hideWnd();
    }
    if (m_preset) {
        // Over the right side of the picture, level with the preset button.
        m_preset->move(W - m_preset->width() - ctlScale(32), preset.y());
        m_preset->hideWnd();
    }
    for (TButton* b : m_btn)
        b->hide();
    fillCameraMenu();
}

void TPtzWnd::fillCameraMenu()
{
    if (!m_camMenu)
        return;
    m_camMenu->clear();
    const int videos = g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos : 0;
    const QString camera = ctlText(T_CAMERA);
    for (int i = 0; i < videos; ++i) {
        QAction* a = m_camMenu->addAction(camera + QLatin1Char(' ') + QString::number(i + 1));
        a->setData(i);
    }
    // A long list of cameras still fits the screen in a smaller face.
    if (videos > 31) {
        QFont f = m_camMenu->font();
        f.setPointSize(ctlScale(10));
        m_camMenu->setFont(f);
    }
}

void TPtzWnd::evtLanguage()
{
    if (!m_btn[BTN_EXIT])
        return;
    m_btn[BTN_PRESET]->setText(ctlText(T_PRESET) + (oemId() == OemOkKey ? "[OK]" : "[Enter]"));
    m_btn[BTN_CAMERA]->setText(ctlText(T_CAMERA) + "[0]");
    m_btn[BTN_SETUP]->setText(ctlText(T_SETUP) + "[9]");
    m_btn[BTN_EXIT]->setText(ctlText(T_EXIT));
    fillCameraMenu();
    update(m_titleRect);
    for (const QRect& r : m_labelRect)
        update(r);
}

// ---- Show and hide --------------------------------------------------------

int TPtzWnd::restSpeed(int live) const
{
    if (!g_cfg || unsigned(m_ch) >= unsigned(PROP_MAX_CH))
        return 1;
    return static_cast<const PropPreset*>(g_cfg->getsection(IDX_PROP_PRESET, live))->ch[m_ch].speedpan + 1;
}

void TPtzWnd::evtShow()
{
    qCDebug(lcUiLive, "===== TPtzWnd::evtShow() ======");
    m_dir = -1;
    m_held = -1;
    m_closeSent = 0;
    m_speed = restSpeed(0);
    m_ctrlShown = 0;
    evtLanguage();
    sl_timeout();
}

void TPtzWnd::sl_timeout()
{
    emit sg_request(Act_PtzNoViw, m_ch, 0);
    m_ctrlShown = 1;
    showControls(true);
    update();
}

void TPtzWnd::showControls(bool show)
{
    for (int i = BTN_ZOOM_WIDE; i < BTN_COUNT; ++i)
        m_btn[i]->setVisible(show);
}

void TPtzWnd::stopHeld()
{
    if (m_held >= 0)
        sl_btnreleased(m_held);
    m_dir = -1;
}

void TPtzWnd::evtHide()
{
    // However the window goes (its exit, the auto-logout, a remote test or
    // an upgrade), a move still running is stopped and the control ends
    // once, so the live view and the alarm presets come back.
    if (m_setup && m_setup->isShown())
        m_setup->sl_btnclicked(TPtzsetup::BTN_CANCEL);
    if (m_preset && m_preset->isShown())
        m_preset->sl_btnclicked(TPtzpreset::BTN_EXIT);
    stopHeld();
    m_center = QPoint();
    m_dragging = 0;
    if (!m_exiting && !m_closeSent) {
        m_closeSent = 1;
        emit sg_request(Act_PtzClose, m_ch, 0);
    }
    m_ctrlShown = 0;
    update(m_titleRect);
    for (const QRect& r : m_labelRect)
        update(r);
    for (TButton* b : m_btn)
        b->hide();
}

void TPtzWnd::connectTo()
{
    for (int i = 0; i < BTN_COUNT; ++i) {
        if (i < BTN_PRESET) {
            connect(m_btn[i], &TButton::sg_pressed, this, &TPtzWnd::sl_btnpressed);
            connect(m_btn[i], &TButton::sg_released, this, &TPtzWnd::sl_btnreleased);
        } else {
            connect(m_btn[i], &TButton::sg_clicked, this, &TPtzWnd::sl_btnclicked);
        }
    }
    connect(this, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    connect(m_preset, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    connect(m_setup, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    connect(m_setup, &TPtzsetup::sg_request, this, &TPtzWnd::sl_fromSet);
    connect(m_preset, &TPtzpreset::sg_request, this, &TPtzWnd::sl_fromPreset);
    connect(m_camMenu, &QMenu::aboutToShow, this, &TPtzWnd::sl_mCamshowtm);
    connect(m_camMenu, &QMenu::aboutToHide, this, &TPtzWnd::sl_mCamhide);
}

void TPtzWnd::disconnectFrom()
{
    for (int i = 0; i < BTN_COUNT; ++i) {
        if (i < BTN_PRESET) {
            disconnect(m_btn[i], &TButton::sg_pressed, this, &TPtzWnd::sl_btnpressed);
            disconnect(m_btn[i], &TButton::sg_released, this, &TPtzWnd::sl_btnreleased);
        } else {
            disconnect(m_btn[i], &TButton::sg_clicked, this, &TPtzWnd::sl_btnclicked);
        }
    }
    disconnect(this, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    disconnect(m_preset, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    disconnect(m_setup, &TDefWnd::sg_showed, this, &TPtzWnd::sl_showed);
    disconnect(m_setup, &TPtzsetup::sg_request, this, &TPtzWnd::sl_fromSet);
    disconnect(m_preset, &TPtzpreset::sg_request, this, &TPtzWnd::sl_fromPreset);
    disconnect(m_camMenu, &QMenu::aboutToShow, this, &TPtzWnd::sl_mCamshowtm);
    disconnect(m_camMenu, &QMenu::aboutToHide, this, &TPtzWnd::sl_mCamhide);
}

// ---- Buttons --------------------------------------------------------------

void TPtzWnd::sl_btnpressed(int id)
{
    qCDebug(lcUiLive, "TPtzWnd::sl_btnpressed id:%d", id);
    const int code = pressCode(id);
    if (code < 0)
        return;
    m_held = id;
    emit sg_request(code, m_ch, id <= BTN_RIGHT ? m_speed : 0);
}

void TPtzWnd::sl_btnreleased(int id)
{
    qCDebug(lcUiLive, "TPtzWnd::sl_btnreleased id:%d", id);
    const int code = releaseCode(id);
    if (code < 0)
        return;
    m_held = -1;
    emit sg_request(code, m_ch, 0);
}

void TPtzWnd::sl_btnclicked(int id, int)
{
    switch (id) {
    case BTN_PRESET:
        openPreset();
        break;
    case BTN_CAMERA:
        runCameraMenu();
        break;
    case BTN_SETUP:
        openSetup();
        break;
    case BTN_EXIT:
        m_exiting = 1;
        stopHeld();
        hideWnd();
        QCoreApplication::processEvents();
        m_exiting = 0;
        if (!m_closeSent) {
            m_closeSent = 1;
            emit sg_request(Act_PtzClose, m_ch, 0);
        }
        break;
    default:
        break;
    }
}

void TPtzWnd::openPreset()
{
    if (!m_preset)
        return;
    m_preset->setChannel(m_ch);
    m_preset->show();
}

void TPtzWnd::openSetup()
{
    if (!m_setup)
        return;
    m_setup->setChannel(m_ch);
    m_setup->show();
}

void TPtzWnd::sl_fromPreset(int kind, int n)
{
    static const int codes[] = {Act_PtzPresetGo, Act_PtzPresetSet, Act_PtzPresetClear};
    if (kind >= PRESET_RUN && kind <= PRESET_CLEAR)
        emit sg_request(codes[kind], m_ch, n);
}

void TPtzWnd::sl_fromSet(int code)
{
    if (code != Act_PtzSetupOk)
        return;
    emit sg_request(Act_PtzSetupEnd, m_ch, 0);
    m_speed = restSpeed(1);
}

// ---- Camera menu ----------------------------------------------------------

void TPtzWnd::runCameraMenu()
{
    if (!m_camMenu || m_camMenu->isEmpty())
        return;
    m_camMenu->popup(mapToGlobal(m_btn[BTN_CAMERA]->pos()));
}

void TPtzWnd::sl_mCamshowtm()
{
    QTimer::singleShot(1, this, &TPtzWnd::sl_mCamshow);
}

void TPtzWnd::sl_mCamshow()
{
    if (!m_camMenu->isVisible())
        return;
    const QRect cam = m_btn[BTN_CAMERA]->geometry();
    const int h = m_camMenu->height();
    m_camMenu->move(mapToGlobal(QPoint(cam.x(), cam.y() - h - 1)));
    // The controlled camera's entry is the active one (taken by index, not
    // by the rows' mean height, which misses in a long list).
    if (QAction* a = m_camMenu->actions().value(m_ch))
        m_camMenu->setActiveAction(a);
    // Reported to the window's own bookkeeping only: the menu is no window
    // of the main window's table.
    sl_showed(CHILD_MENU, 1, QRegion(getChildRect(CHILD_MENU)));
}

void TPtzWnd::sl_mCamhide()
{
    const TMenuGuard inHandler; // the report runs no nested event loop
    sl_showed(CHILD_MENU, 0, QRegion(getChildRect(CHILD_MENU)));
}

void TPtzWnd::sl_camChosen(QAction* a)
{
    if (!a)
        return;
    const int old = m_ch;
    m_ch = a->data().toInt();
    update(m_titleRect);
    emit sg_request(Act_PtzShowLayout, m_ch, old);
}

void TPtzWnd::sl_showed(int id, int shown, QRegion)
{
    if (id == m_id)
        return;
    if (shown) {
        if (id == CHILD_PRESET) {
            showControls(false);
            update();
        }
        emit sg_request(Act_PtzSubShow, id, 0);
        return;
    }
    emit sg_request(Act_PtzSubHide, id, 0);
    if (id == CHILD_PRESET)
        showControls(true);
    if (id == CHILD_PRESET || id == CHILD_SETUP) {
        update();
        for (TButton* b : m_btn)
            b->clearFocus();
    }
}

// ---- Drag pad -------------------------------------------------------------

int TPtzWnd::dirOf(const QPoint& c, const QPoint& pos)
{
    const int dx = pos.x() - c.x();
    const int dy = pos.y() - c.y();
    if (qAbs(dx) <= DEAD_ZONE && qAbs(dy) <= DEAD_ZONE)
        return -1;
    if (dx > 0 && dy > 0)
        return dx > dy ? BTN_RIGHT : BTN_DOWN;
    if (dx > 0)
        return dx > -dy ? BTN_RIGHT : BTN_UP;
    if (dy > 0)
        return dy >= -dx ? BTN_DOWN : BTN_LEFT;
    return -dx <= -dy ? BTN_UP : BTN_LEFT;
}

int TPtzWnd::speedOf(int dir, const QPoint& c, const QPoint& pos, const QSize& size)
{
    const int x = pos.x() == 0 ? 1 : pos.x();
    const int y = pos.y() == 0 ? 1 : pos.y();
    int dist = 0;
    int room = 0;
    switch (dir) {
    case BTN_UP: dist = c.y() - y - 5; room = c.y(); break;
    case BTN_DOWN: dist = c.y() - y - 5; room = size.height() - c.y(); break;
    case BTN_LEFT: dist = c.x() - x - 5; room = c.x(); break;
    case BTN_RIGHT: dist = c.x() - x - 5; room = size.width() - c.x(); break;
    default: return 1;
    }
    // A centre on the first row or column leaves no room to divide by: the
    // pointer is then beyond the window and the move goes at full speed.
    const int speed = qAbs(dist) * MAX_SPEED / qMax(1, room);
    return qBound(1, speed, int(MAX_SPEED));
}

void TPtzWnd::placeArrows(const QPoint& at, bool show)
{
    const QPoint p = at.isNull() ? rect().center() : at;
    const int w = m_btn[BTN_UP]->width();
    const int h = m_btn[BTN_UP]->height();
    m_btn[BTN_UP]->move(p.x() - w / 2, p.y() - 2 * h);
    m_btn[BTN_DOWN]->move(p.x() - w / 2, p.y() + h);
    m_btn[BTN_LEFT]->move(p.x() - 2 * w, p.y() - h / 2);
    m_btn[BTN_RIGHT]->move(p.x() + w, p.y() - h / 2);
    if (show)
        for (int i = 0; i < 4; ++i)
            m_btn[i]->show();
}

int TPtzWnd::pickDirection(const QPoint& pos)
{
    const int d = dirOf(m_center, pos);
    if (d < 0)
        return -1;
    m_btn[d]->show();
    if (d != m_dir)
        for (int i = 0; i < 4; ++i)
            if (i != d)
                m_btn[i]->hide();
    return d;
}

int TPtzWnd::calcSpeed(const QPoint& pos) const
{
    return speedOf(m_dir, m_center, pos, size());
}

void TPtzWnd::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->pos();
    if (m_preset && m_preset->isVisible() && p.x() >= m_preset->x() - 60)
        return;
    placeArrows(m_padRegion.contains(p) ? p : QPoint(), true);
    m_center = p;
    m_dragging = 1;
}

void TPtzWnd::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton || !m_dragging)
        return;
    const int d = pickDirection(e->pos());
    if (d < 0) {
        // Back in the dead zone: the running move stops here, not only at
        // the release.
        if (m_dir >= 0)
            sl_btnreleased(m_dir);
        m_dir = -1;
        return;
    }
    m_dir = d;
    m_speed = calcSpeed(e->pos());
    sl_btnpressed(m_dir);
}

void TPtzWnd::mouseReleaseEvent(QMouseEvent*)
{
    if (!m_dragging)
        return;
    m_dragging = 0;
    m_center = QPoint();
    for (int i = 0; i < 4; ++i)
        m_btn[i]->hide();
    if (m_dir >= 0)
        sl_btnreleased(m_dir);
    m_dir = -1;
    m_speed = restSpeed(0);
}

// ---- Keys -----------------------------------------------------------------

QWidget* TPtzWnd::keyTarget(int key) const
{
    if (m_camMenu && m_camMenu->isVisible())
        return m_camMenu;
    if (m_setup && m_setup->isVisible())
        return m_setup;
    if (m_preset && m_preset->isVisible() && TPtzpreset::isPresetKey(key))
        return m_preset;
    return nullptr;
}

void TPtzWnd::evtKeydown(int key)
{
    qCDebug(lcUiLive, "============ TPtzWnd::evtKeydown(%d) ===========", key);
    if (QWidget* target = keyTarget(key)) {
        int k = key;
        if (target == m_camMenu && key == KEY_JOG_RIGHT)
            k = Qt::Key_Down;
        else if (target == m_camMenu && key == KEY_JOG_LEFT)
            k = Qt::Key_Up;
        postKey(target, QEvent::KeyPress, k);
        return;
    }
    const int move = moveOfKey(key);
    if (move >= 0) {
        if (move <= BTN_RIGHT) {
            placeArrows(QPoint(), false);
            m_btn[move]->show();
        } else if (move >= 6) {
            static const char* const names[] = {"FocusNear", "FocusFar", "IrisClose", "IrisOpen"};
            qCDebug(lcUiLive, "%s", names[move - 6]);
        }
        sl_btnpressed(move);
        return;
    }
    switch (key) {
    case Qt::Key_0:
    case Qt::Key_F30:
        runCameraMenu();
        break;
    case Qt::Key_9:
    case Qt::Key_Menu:
        openSetup();
        break;
    case Qt::Key_Enter:
        openPreset();
        break;
    case Qt::Key_Escape:
    case Qt::Key_F21:
        sl_btnclicked(BTN_EXIT);
        break;
    case Qt::Key_Return:
        postKey(focusFind(key, m_focusTable, FOCUS_COUNT), QEvent::KeyPress, Qt::Key_Space);
        break;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        QWidget* w = focusNextPrev(key, m_focusTable, FOCUS_COUNT);
        if (!w)
            w = m_btn[BTN_CAMERA];
        m_curCtrl = w;
        w->setFocus(Qt::OtherFocusReason);
        break;
    }
    default:
        break;
    }
}

void TPtzWnd::evtKeyup(int key)
{
    if (QWidget* target = keyTarget(key)) {
        postKey(target, QEvent::KeyRelease, key);
        return;
    }
    const int move = moveOfKey(key);
    if (move >= 0) {
        if (move <= BTN_RIGHT)
            for (int i = 0; i < 4; ++i)
                m_btn[i]->hide();
        sl_btnreleased(move);
        return;
    }
    if (key == Qt::Key_Return)
        postKey(focusFind(key, m_focusTable, FOCUS_COUNT), QEvent::KeyRelease, Qt::Key_Space);
}

// ---- Painting -------------------------------------------------------------

void TPtzWnd::drawOutlined(QPainter& p, const QRect& r, int flags, const QString& text)
{
    // A dark outline from the eight shifts around the face, then the face.
    p.setPen(QColor(16, 16, 16));
    for (int dx = 0; dx <= 2; ++dx)
        for (int dy = 0; dy <= 2; ++dy)
            if (dx != 1 || dy != 1)
                p.drawText(r.translated(dx, dy), flags, text);
    p.setPen(QColor(240, 240, 240));
    p.drawText(r.translated(1, 1), flags, text);
}

void TPtzWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_ctrlShown)
        return;
    m_font = font();
    m_font.setPixelSize(ctlScale(14));
    p.setFont(m_font);
    if (g_cfg && unsigned(m_ch) < unsigned(PROP_MAX_CH)) {
        const CameraEntry& cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1))->data[m_ch];
        const QString name = QString::fromUtf8(cam.name, int(qstrnlen(cam.name, sizeof cam.name)));
        drawOutlined(p, m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    if (m_btn[BTN_ZOOM_WIDE]->isVisible()) {
        const int texts[3] = {T_ZOOM, T_FOCUS, T_IRIS};
        for (int i = 0; i < 3; ++i)
            drawOutlined(p, m_labelRect[i], Qt::AlignCenter, ctlText(texts[i]));
    }
}
