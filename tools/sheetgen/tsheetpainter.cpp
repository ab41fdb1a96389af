#include "tsheetpainter.h"

#include "tsheetlayout.h"

#include <QVector>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <initializer_list>

namespace {

const QColor kPanel(0x1e, 0x25, 0x2d);
const QColor kFill(0x23, 0x2a, 0x33);
const QColor kRaised(0x2b, 0x34, 0x3f);
const QColor kPressed(0x3a, 0x47, 0x56);
const QColor kFrame(0x52, 0x60, 0x6e);
const QColor kDisFill(0x26, 0x2c, 0x33);
const QColor kDisFrame(0x3a, 0x42, 0x4b);
const QColor kDisGlyph(0x66, 0x70, 0x7a);
const QColor kText(0xe6, 0xea, 0xee);
const QColor kMuted(0xc9, 0xd1, 0xd9);
const QColor kAccent(0xf2, 0xb5, 0x44);
const QColor kRed(0xd9, 0x45, 0x3a);
const QColor kGreen(0x3d, 0xa3, 0x5a);

QPen linePen(const QColor& c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A rectangle whose 1-pixel outline falls on whole pixels.
QRectF inner(const QRectF& r, qreal pen)
{
    const qreal h = pen / 2;
    return r.adjusted(h, h, -h, -h);
}

} // namespace

QRectF TSheetPainter::rectOf(int id)
{
    const TSheetRect r = TSheetLayout::rect(id);
    return QRectF(r.x, r.y, r.w, r.h);
}

TSheetPainter::Look TSheetPainter::stateLook(int state)
{
    switch (state) {
    case 1: // active: has the focus
        return {kRaised, kAccent, QColor(Qt::white)};
    case 2: // selected: pressed or switched on
        return {kPressed, kAccent, kAccent};
    case 3: // disabled
        return {kDisFill, kDisFrame, kDisGlyph};
    default:
        return {kRaised, kFrame, kText};
    }
}

QImage TSheetPainter::paint()
{
    QImage img(TSheetLayout::MinWidth, TSheetLayout::MinHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Swatches first: the side panel 103 overlaps one column of the swatches
    // 101/102, away from their sample points.
    swatches(p);
    screens(p);
    panels(p);
    buttons(p);
    iconStrips(p);
    singleIcons(p);
    layoutButtons(p);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

void TSheetPainter::swatches(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int c = 0; c < TSheetLayout::ColorCount; ++c) {
        const int src = TSheetLayout::colorSource(c);
        if (src >= 0)
            p.fillRect(rectOf(src), QColor::fromRgba(TSheetLayout::themeColor(c)));
    }
    p.fillRect(rectOf(95), kPanel); // beside the small dialog, not sampled
    p.restore();
}

// ---------------------------------------------------------------------------
// Controls

void TSheetPainter::cell(QPainter& p, const QRectF& r, int shape, const Look& look, Glyph g,
                         bool glyphLeft)
{
    p.save();
    const QRectF f = inner(r, 1);
    switch (shape) {
    case 1: { // icon tile: dark backing, frame only when focused or on
        p.setPen(Qt::NoPen);
        QColor back = look.fill;
        back.setAlpha(235);
        p.setBrush(back);
        p.drawRoundedRect(r, 3, 3);
        if (look.frame == kAccent) {
            p.setPen(linePen(kAccent, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(f, 3, 3);
        }
        break;
    }
    case 2: { // list row: flat, a focus bar at the left
        p.fillRect(r, look.fill == kRaised && look.frame == kFrame ? kPanel : look.fill);
        p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), kRaised);
        if (look.frame == kAccent)
            p.fillRect(QRectF(r.left(), r.top() + 3, 3, r.height() - 7), kAccent);
        break;
    }
    case 3: { // tab: rounded at the top, open at the bottom
        QPainterPath path;
        path.moveTo(f.bottomLeft());
        path.lineTo(f.left(), f.top() + 4);
        path.quadTo(f.topLeft(), QPointF(f.left() + 4, f.top()));
        path.lineTo(f.right() - 4, f.top());
        path.quadTo(f.topRight(), QPointF(f.right(), f.top() + 4));
        path.lineTo(f.bottomRight());
        p.setPen(linePen(look.frame, 1));
        p.setBrush(look.fill);
        p.drawPath(path);
        if (look.frame == kAccent)
            p.fillRect(QRectF(r.left() + 6, r.bottom() - 3, r.width() - 12, 2), kAccent);
        break;
    }
    default: // push button and field
        p.setPen(linePen(look.frame, 1));
        p.setBrush(look.fill);
        p.drawRoundedRect(f, 3, 3);
        break;
    }
    p.restore();

    if (shape == 4) { // field: drop-down arrow at the right, behind a divider
        const qreal s = r.height();
        const QRectF arrowBox(r.right() - s, r.top(), s, s);
        p.save();
        p.setPen(linePen(look.frame, 1));
        p.drawLine(QPointF(arrowBox.left() + 0.5, r.top() + 4), QPointF(arrowBox.left() + 0.5, r.bottom() - 4));
        p.restore();
        glyph(p, arrowBox.adjusted(6, 6, -6, -6), GTriDown, look.glyph, 2);
        return;
    }
    if (g == GNone)
        return;
    const qreal pad = shape == 1 ? 2 : qMax<qreal>(4, r.height() * 0.2);
    const qreal s = qMin(r.width(), r.height()) - 2 * pad;
    QRectF box(0, 0, s, s);
    if (glyphLeft)
        box.moveTopLeft(QPointF(r.left() + r.height() * 0.3, r.center().y() - s / 2));
    else
        box.moveCenter(r.center());
    glyph(p, box, g, look.glyph, s >= 30 ? 3 : s >= 14 ? 2 : 1.5);
}

void TSheetPainter::strip4(QPainter& p, int id, int shape, Glyph g, bool glyphLeft)
{
    const QRectF r = rectOf(id);
    const qreal w = qFloor(r.width() / 4);
    for (int k = 0; k < 4; ++k)
        cell(p, QRectF(r.left() + k * w, r.top(), w, r.height()), shape, stateLook(k), g, glyphLeft);
}

void TSheetPainter::strip4On(QPainter& p, int id)
{
    const QRectF r = rectOf(id);
    const qreal w = qFloor(r.width() / 4);
    for (int k = 0; k < 4; ++k) {
        Look look = stateLook(k);
        if (k < 3)
            look.fill = kPressed; // switched on: the lighter pressed fill in every state
        cell(p, QRectF(r.left() + k * w, r.top(), w, r.height()), 0, look, GNone, false);
    }
}

void TSheetPainter::buttons(QPainter& p)
{
    strip4(p, 21, 0, GNone);     // push button, 85 x 25
    // Setup section menu items, 240 x 30, off and on: they carry their text.
    strip4Pair(p, 59, 60, 2, GNone, false);
    // Two-image tab buttons: the first image is the off state, the second
    // the on state. They carry their text, so no picture sits on them.
    strip4(p, 67, 0, GNone);     // PTZ setup page tab, off, 90 x 20
    strip4On(p, 68);             // and on
    strip4(p, 87, 0, GNone);     // setup page selector, off, 90 x 25
    strip4On(p, 86);             // and on
    strip4(p, 106, 0, GNone);    // PTZ window command button, 130 x 24
    // Setup window tabs, 160 x 60, in off/on pairs: Display, Record,
    // Device, Network, System. The label is written right-aligned, so the
    // picture sits at the left.
    const Glyph tabs[5] = {GMonitor, GRecord, GDisk, GNetwork, GSliders};
    for (int i = 0; i < 5; ++i)
        strip4Pair(p, 48 + 2 * i, 49 + 2 * i, 0, tabs[i], true);
}

void TSheetPainter::strip4Pair(QPainter& p, int offId, int onId, int shape, Glyph g, bool glyphLeft,
                               Glyph onGlyph)
{
    strip4(p, offId, shape, g, glyphLeft);
    if (onGlyph != GNone)
        g = onGlyph;
    const QRectF r = rectOf(onId);
    const qreal w = qFloor(r.width() / 4);
    for (int k = 0; k < 4; ++k) {
        Look look = stateLook(k);
        if (k < 3) {
            look.fill = kPressed;
            look.glyph = kAccent;
        }
        cell(p, QRectF(r.left() + k * w, r.top(), w, r.height()), shape, look, g, glyphLeft);
    }
}

void TSheetPainter::indicator(QPainter& p, int id, Glyph g, const QColor& colour)
{
    const QRectF r = rectOf(id);
    const qreal w = qFloor(r.width() / 4);
    for (int k = 0; k < 4; ++k) {
        const QRectF c(r.left() + k * w, r.top(), w, r.height());
        const qreal s = qMin(c.width(), c.height()) - 4;
        QRectF box(0, 0, s, s);
        box.moveCenter(c.center());
        glyph(p, box, g, colour, 1.5);
    }
}

void TSheetPainter::ptzPad(QPainter& p)
{
    // The pad's hit test splits the square (6, 6)-(65, 65) into four
    // triangles that meet at (36, 35): up, down, left, right. Each picture
    // draws that square with the four segments, an arrow in each and a hub
    // at the meeting point; the highlighted or pressed segment is the
    // triangle the pad reports for that direction.
    const QPointF centre(36, 35);
    const QPointF tl(6, 6), tr(65, 6), bl(6, 65), br(65, 65);
    const QPolygonF segs[4] = {QPolygonF({tl, centre, tr}), QPolygonF({bl, centre, br}),
                               QPolygonF({tl, centre, bl}), QPolygonF({tr, centre, br})};
    const QPolygonF arrows[4] = {QPolygonF({{36, 11}, {44, 20}, {28, 20}}), QPolygonF({{36, 60}, {44, 51}, {28, 51}}),
                                 QPolygonF({{11, 35}, {20, 27}, {20, 43}}), QPolygonF({{61, 35}, {52, 27}, {52, 43}})};
    for (int img = 0; img < 9; ++img) {
        const int dir = img == 0 ? -1 : (img - 1) / 2;
        const bool pressed = img > 0 && (img - 1) % 2 == 1;
        const QPointF o = rectOf(74 + img).topLeft();
        p.save();
        p.translate(o);
        // A plain panel under the whole picture: the pad draws its focus
        // frame at its edge, outside the square of the triangles.
        p.setPen(Qt::NoPen);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(0, 0, 72, 72), 4, 4);
        QPainterPath pad;
        pad.addRoundedRect(QRectF(tl, br), 8, 8);
        p.setBrush(kRaised);
        p.drawPath(pad);
        if (dir >= 0) {
            QPainterPath seg;
            seg.addPolygon(segs[dir]);
            seg.closeSubpath();
            p.setBrush(pressed ? kPressed : kRaised.lighter(150));
            p.drawPath(pad.intersected(seg));
        }
        // Dividers from the corners to the hub.
        p.save();
        p.setClipPath(pad);
        p.setPen(linePen(kPanel, 2));
        for (const QPointF& c : {tl, tr, bl, br})
            p.drawLine(c, centre);
        p.restore();
        p.setPen(linePen(kFrame, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(tl, br).adjusted(-0.5, -0.5, 0.5, 0.5), 8, 8);
        for (int d = 0; d < 4; ++d) {
            const QColor c = d != dir ? kText : pressed ? kAccent : QColor(Qt::white);
            p.setPen(linePen(c, 1));
            p.setBrush(c);
            p.drawPolygon(arrows[d]);
        }
        if (pressed) {
            QPainterPath seg;
            seg.addPolygon(segs[dir]);
            seg.closeSubpath();
            p.setPen(linePen(kAccent, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawPath(pad.intersected(seg));
        }
        // The hub: a plain disc at the meeting point.
        p.setPen(linePen(kFrame, 1));
        p.setBrush(kPanel);
        p.drawEllipse(centre, 7, 7);
        p.restore();
    }
}

void TSheetPainter::iconStrips(QPainter& p)
{
    strip4(p, 23, 1, GChevLeft);  // spin arrows, 12 x 20
    strip4(p, 24, 1, GChevRight);
    // Information bar indicators, 20 x 20: the bar disables them, so every
    // state shows the same picture; the on image of a pair is lit.
    const QColor quiet = kDisGlyph.lighter(130);
    indicator(p, 27, GCalendar, kText);   // date
    indicator(p, 28, GClock, kText);      // time
    indicator(p, 29, GDisk, quiet);       // disks idle
    indicator(p, 30, GDisk, kGreen);      // and in use
    indicator(p, 31, GLock, quiet);       // somebody logged in
    indicator(p, 32, GLock, kAccent);     // nobody logged in: locked
    indicator(p, 33, GSchedule, quiet);   // recording schedule off
    indicator(p, 34, GSchedule, kGreen);  // and on
    indicator(p, 155, GNetwork, quiet);   // no network client
    indicator(p, 156, GNetwork, kGreen);  // a network client is watching
    // Information bar choosers, 20 x 20: split, sequence off/on, audio
    // off/on.
    strip4(p, 37, 1, GSplit);
    strip4Pair(p, 38, 39, 1, GTour, false);
    strip4Pair(p, 35, 36, 1, GMute, false, GSpeaker);
    // Playback buttons of the information bar, 15 x 17: fast reverse,
    // reverse, slow reverse, pause/step, slow forward, play, fast forward,
    // stop.
    const Glyph play[8] = {GFastBack, GReverse, GSlowBack, GPause, GSlowFwd, GPlay, GFastFwd, GStop};
    for (int i = 0; i < 8; ++i)
        strip4(p, 40 + i, 1, play[i]);
    // List view paging buttons, 23 x 12 each state, in a column: first,
    // last, previous and next page.
    const Glyph paging[4] = {GFirstPage, GLastPage, GTriUp, GTriDown};
    for (int i = 0; i < 4; ++i)
        strip4(p, 183 + i, 1, paging[i]);

    // Check boxes of the checkable buttons, 16 x 16: 71 off, 70 on. The
    // event link grid uses 73 (empty), 72 (sensor) and 181 (text input) as
    // its unchecked cells, with 70 as their checked state.
    strip4(p, 70, 1, GCheckOn);
    strip4(p, 71, 1, GCheckBox);
    strip4(p, 72, 1, GSensorBox);
    strip4(p, 73, 1, GCheckBox);
    strip4(p, 181, 1, GTextBox);
}

void TSheetPainter::tile(QPainter& p, int id, Glyph g, const QColor& colour)
{
    cell(p, rectOf(id), 1, {kRaised, kFrame, colour}, g, false);
}

void TSheetPainter::singleIcons(QPainter& p)
{
    ptzPad(p);
    // PTZ window direction buttons, 24 x 24, one state: up, down, left,
    // right.
    tile(p, 108, GTriUp, kText);
    tile(p, 109, GTriDown, kText);
    tile(p, 110, GTriLeft, kText);
    tile(p, 111, GTriRight, kText);
    // Playback controls, 44 x 24.
    const struct {
        int id;
        Glyph g;
    } play[10] = {{112, GPlay}, {113, GPause}, {114, GFastBack}, {116, GStepBack}, {115, GStepFwd},
                  {117, GFastFwd}, {118, GToStart}, {120, GStop}, {119, GReverse}, {121, GToEnd}};
    for (const auto& b : play)
        cell(p, rectOf(b.id), 0, stateLook(0), b.g, false);
    // Channel OSD marks, 16 x 16, drawn over live video on a dark backing:
    // continuous recording, event recording, sensor, motion, text input
    // and the sixth mark; the ids between them are not drawn by any window
    // and stay quiet tiles.
    tile(p, 131, GRecord, kGreen);
    tile(p, 133, GRecord, kRed);
    tile(p, 135, GAlarm, kRed);
    tile(p, 137, GMotion, kAccent);
    tile(p, 139, GTextIn, kText);
    tile(p, 141, GInfo, kText);
    for (int id : {132, 134, 136, 138, 140, 142})
        tile(p, id, GNone, kText);
    // Popup menu pictures, 28 x 28: the line glyph alone, since the menu
    // draws its own rows and highlight.
    const struct {
        int id;
        Glyph g;
    } menu[] = {{193, GSliders}, {194, GSearch}, {195, GDisk}, {196, GSpeaker}, {199, GPtz},
                {200, GTour}, {201, GReplay}, {202, GZoomIn}, {203, GClose}, {204, GSplit},
                {205, GMonitor}, {206, GRecord}, {207, GCamera}, {208, GNetwork}, {209, GSliders},
                {210, GSnapshot}, {211, GInfo}, {213, GLock}, {214, GUser}};
    for (const auto& m : menu)
        glyph(p, rectOf(m.id).adjusted(4, 4, -4, -4), m.g, m.g == GRecord ? kRed : kText, 2);
}

void TSheetPainter::layoutButtons(QPainter& p)
{
    // The search window's layout buttons, four states of 33 x 21 each, in
    // off/on pairs (off first) for the layouts 1..17: each carries a small
    // picture of its split. Layouts without a split of their own here show
    // the 4 x 4 one.
    struct Split {
        int normal, on, cols, rows, big, span;
    };
    const Split splits[17] = {
        {158, 157, 1, 1, 0, 0}, {176, 175, 2, 2, 0, 0}, {160, 159, 3, 3, 2, 1}, {178, 177, 3, 3, 0, 0},
        {188, 187, 4, 4, 3, 1}, {166, 165, 4, 3, 0, 0}, {162, 161, 4, 4, 2, 1}, {164, 163, 4, 4, 2, 2},
        {180, 179, 4, 4, 0, 0}, {190, 189, 4, 4, 0, 0}, {192, 191, 4, 4, 0, 0}, {174, 173, 5, 4, 0, 0},
        {168, 167, 4, 4, 0, 0}, {170, 169, 4, 4, 0, 0}, {172, 171, 4, 4, 0, 0}, {216, 215, 5, 5, 0, 0},
        {218, 217, 8, 4, 0, 0}};
    auto picture = [&](int id, const Split& sp) {
        const QRectF r = rectOf(id);
        const qreal w = qFloor(r.width() / 4);
        for (int k = 0; k < 4; ++k) {
            const QRectF box = QRectF(r.left() + k * w, r.top(), w, r.height()).adjusted(8, 4, -8, -4);
            p.save();
            p.setPen(linePen(kText, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
            const qreal cw = box.width() / sp.cols;
            const qreal ch = box.height() / sp.rows;
            // The big cells along the top first (span x span cells each),
            // then every cell left, as the video output lays them.
            QVector<bool> used(sp.cols * sp.rows, false);
            auto place = [&](int col, int row, int n) {
                p.drawRect(QRectF(box.left() + col * cw, box.top() + row * ch, n * cw, n * ch));
                for (int y = row; y < row + n && y < sp.rows; ++y)
                    for (int x = col; x < col + n && x < sp.cols; ++x)
                        used[y * sp.cols + x] = true;
            };
            for (int b = 0; b < sp.big; ++b)
                place(b * sp.span, 0, sp.span);
            for (int y = 0; y < sp.rows; ++y)
                for (int x = 0; x < sp.cols; ++x)
                    if (!used[y * sp.cols + x])
                        place(x, y, 1);
            p.restore();
        }
    };
    for (const Split& sp : splits) {
        strip4(p, sp.normal, 0, GNone);
        picture(sp.normal, sp);
        strip4On(p, sp.on);
        picture(sp.on, sp);
    }
}

// ---------------------------------------------------------------------------
// Panels and screens

void TSheetPainter::dialog(QPainter& p, const QRectF& r, int band)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRoundedRect(r, 6, 6);
    // The title band is left plain: windows write their titles into it
    // from x = 8 on or centred, so nothing else may sit there.
    if (band > 0) {
        QPainterPath shape;
        shape.addRoundedRect(r, 6, 6);
        QPainterPath top;
        top.addRect(QRectF(r.left(), r.top(), r.width(), band));
        p.setBrush(kRaised);
        p.drawPath(shape.intersected(top));
        p.fillRect(QRectF(r.left() + 2, r.top() + band - 1, r.width() - 4, 1), kFrame);
    }
    p.setPen(linePen(kFrame, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner(r, 2), 6, 6);
    p.restore();
}

void TSheetPainter::panels(QPainter& p)
{
    // Info bar, 640 x 32: its texts and marks run along the whole bar, so it
    // carries nothing but a line at the bottom.
    {
        const QRectF r = rectOf(25);
        p.fillRect(r, kRaised);
        p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), kFrame);
    }
    // Setup window 62 with its content panel 64 inside: the tabs cover the
    // top, the section menu's buttons stand in the column at the left, the
    // page lies at the right under a header line.
    {
        const QRectF r = rectOf(62);
        const QRectF c = rectOf(64);
        dialog(p, r, 32);
        p.save();
        p.fillRect(QRectF(c.left(), r.top() + 70, c.width(), 2), kRaised);
        p.fillRect(c, kFill);
        p.setPen(linePen(kFrame, 1));
        p.drawLine(QPointF(c.left() + 0.5, c.top()), QPointF(c.left() + 0.5, c.bottom()));
        p.drawLine(QPointF(c.left(), c.top() + 0.5), QPointF(c.right(), c.top() + 0.5));
        p.restore();
    }
    // Window backgrounds with a title band as high as the band the window
    // writes its title into: the message box uses a 44-pixel band, the login
    // window 38 pixels, every other one 32. The band holds nothing but the
    // title; captions and texts go on the plain panel below.
    for (int id : {83, 91, 122, 125, 128, 143})
        dialog(p, rectOf(id), 32);
    dialog(p, rectOf(88), 44);
    dialog(p, rectOf(94), 38);
    // Text keyboard 97: the key caps of its four key rows, where the window
    // writes the key labels (the first key of rows 3 and 4 is wider).
    {
        const QRectF r = rectOf(97);
        dialog(p, r, 32);
        // Per row: y, key count, first key's x and width, then the x and
        // width of the keys after it, 26 pixels apart.
        const struct {
            int y, count, x0, w0, x1, w;
        } rows[4] = {{76, 14, 13, 22, 39, 22}, {104, 13, 25, 24, 51, 24},
                     {132, 12, 25, 37, 65, 22}, {160, 11, 25, 50, 77, 24}};
        for (const auto& row : rows) {
            keyCap(p, QRectF(r.left() + row.x0, r.top() + row.y, row.w0, 26));
            for (int i = 1; i < row.count; ++i)
                keyCap(p, QRectF(r.left() + row.x1 + 26 * (i - 1), r.top() + row.y, row.w, 26));
        }
    }
    // Number pad 100: its twelve key caps in four rows of three; the middle
    // column is one pixel further right and two pixels narrower.
    {
        const QRectF r = rectOf(100);
        dialog(p, r, 32);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col)
                keyCap(p, QRectF(r.left() + 13 + 67 * col + col % 2, r.top() + 78 + 31 * row,
                                 58 - 2 * (col % 2), 25));
    }
    // Preset pad 103. Its left column overlaps the swatches 101/102 (away
    // from their sample points): the panel owns that column, corners
    // included.
    {
        const QRectF r = rectOf(103);
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(r, Qt::transparent);
        p.restore();
        dialog(p, r, 32);
    }
    // Channel and split bars (images 147 and 149 share one rectangle): the
    // windows write numbers across the whole bar, so it stays plain.
    {
        const QRectF r = rectOf(147);
        p.fillRect(r, kFill);
        p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), kFrame);
    }
}

void TSheetPainter::keyCap(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(linePen(kFrame, 1));
    p.setBrush(kRaised);
    p.drawRoundedRect(inner(r, 1), 3, 3);
    p.restore();
}

void TSheetPainter::screens(QPainter& p)
{
    // Full-screen background behind the channel tiles: a dark, even
    // gradient that never competes with video.
    {
        const QRectF r = rectOf(146);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0x16, 0x1b, 0x21));
        g.setColorAt(1, QColor(0x0e, 0x12, 0x16));
        p.fillRect(r, g);
    }
    // Start picture 182 (and its larger form on one OEM variant): a lens
    // emblem centred on a dark panel.
    for (const QRectF& r : {rectOf(182), QRectF(TSheetLayout::oem12Rect182().x, TSheetLayout::oem12Rect182().y,
                                              TSheetLayout::oem12Rect182().w, TSheetLayout::oem12Rect182().h)}) {
        QRadialGradient g(r.center(), r.width() * 0.6);
        g.setColorAt(0, QColor(0x24, 0x2c, 0x36));
        g.setColorAt(1, QColor(0x12, 0x16, 0x1b));
        p.fillRect(r, g);
        const qreal s = r.height() * 0.18;
        const QPointF c = r.center() - QPointF(0, s * 0.3);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(linePen(kFrame, s * 0.08));
        p.drawEllipse(c, s, s);
        p.setPen(linePen(kMuted, s * 0.08));
        p.drawEllipse(c, s * 0.62, s * 0.62);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(c, s * 0.2, s * 0.2);
        p.setBrush(kFrame);
        const qreal bw = s * 3.2;
        p.drawRoundedRect(QRectF(c.x() - bw / 2, c.y() + s * 1.5, bw, s * 0.08), 2, 2);
        p.restore();
    }
    // Image 63: one pixel of window fill, stretched behind plain windows of
    // the setup window's size.
    p.fillRect(rectOf(63), kPanel);
}

// ---------------------------------------------------------------------------
// Glyphs, drawn into a square box with one stroke width.

void TSheetPainter::glyph(QPainter& p, const QRectF& box, Glyph g, const QColor& c, qreal lw)
{
    const qreal s = qMin(box.width(), box.height());
    const QPointF o(box.center().x() - s / 2, box.center().y() - s / 2);
    auto P = [&](qreal x, qreal y) { return QPointF(o.x() + x * s, o.y() + y * s); };
    auto R = [&](qreal x, qreal y, qreal w, qreal h) { return QRectF(P(x, y), QSizeF(w * s, h * s)); };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    auto stroke = [&] {
        p.setPen(linePen(c, lw));
        p.setBrush(Qt::NoBrush);
    };
    auto solid = [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
    };
    auto line = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
        stroke();
        p.drawLine(P(x1, y1), P(x2, y2));
    };
    auto poly = [&](std::initializer_list<QPointF> pts, bool closed, bool filled) {
        QPainterPath path;
        bool first = true;
        for (const QPointF& u : pts) {
            if (first)
                path.moveTo(P(u.x(), u.y()));
            else
                path.lineTo(P(u.x(), u.y()));
            first = false;
        }
        if (closed)
            path.closeSubpath();
        if (filled) {
            p.setPen(linePen(c, qMin<qreal>(lw, 1)));
            p.setBrush(c);
        } else {
            stroke();
        }
        p.drawPath(path);
    };
    auto circle = [&](qreal cx, qreal cy, qreal r, bool filled) {
        if (filled)
            solid();
        else
            stroke();
        p.drawEllipse(P(cx, cy), r * s, r * s);
    };
    auto corners = [&](qreal a, qreal b, qreal len) {
        poly({{a, a + len}, {a, a}, {a + len, a}}, false, false);
        poly({{b - len, a}, {b, a}, {b, a + len}}, false, false);
        poly({{a, b - len}, {a, b}, {a + len, b}}, false, false);
        poly({{b - len, b}, {b, b}, {b, b - len}}, false, false);
    };
    auto camera = [&] {
        stroke();
        p.drawRoundedRect(R(0.1, 0.3, 0.52, 0.4), lw, lw);
        poly({{0.66, 0.5}, {0.92, 0.32}, {0.92, 0.68}}, true, true);
    };
    auto magnifier = [&] {
        circle(0.42, 0.42, 0.26, false);
        line(0.62, 0.62, 0.86, 0.86);
    };

    switch (g) {
    case GNone:
        break;
    case GChevUp: poly({{0.22, 0.64}, {0.5, 0.36}, {0.78, 0.64}}, false, false); break;
    case GChevDown: poly({{0.22, 0.36}, {0.5, 0.64}, {0.78, 0.36}}, false, false); break;
    case GChevLeft: poly({{0.64, 0.2}, {0.36, 0.5}, {0.64, 0.8}}, false, false); break;
    case GChevRight: poly({{0.36, 0.2}, {0.64, 0.5}, {0.36, 0.8}}, false, false); break;
    case GTriUp: poly({{0.5, 0.26}, {0.8, 0.7}, {0.2, 0.7}}, true, true); break;
    case GTriDown: poly({{0.2, 0.3}, {0.8, 0.3}, {0.5, 0.74}}, true, true); break;
    case GTriLeft: poly({{0.26, 0.5}, {0.7, 0.2}, {0.7, 0.8}}, true, true); break;
    case GTriRight: poly({{0.74, 0.5}, {0.3, 0.2}, {0.3, 0.8}}, true, true); break;
    case GTriUpLeft: poly({{0.22, 0.22}, {0.72, 0.3}, {0.3, 0.72}}, true, true); break;
    case GTriUpRight: poly({{0.78, 0.22}, {0.28, 0.3}, {0.7, 0.72}}, true, true); break;
    case GTriDownLeft: poly({{0.22, 0.78}, {0.3, 0.28}, {0.72, 0.7}}, true, true); break;
    case GTriDownRight: poly({{0.78, 0.78}, {0.7, 0.28}, {0.28, 0.7}}, true, true); break;
    case GCheckOff:
        stroke();
        p.drawRoundedRect(R(0.15, 0.15, 0.7, 0.7), 2, 2);
        break;
    case GCheckOn:
        stroke();
        p.drawRoundedRect(R(0.15, 0.15, 0.7, 0.7), 2, 2);
        poly({{0.3, 0.5}, {0.45, 0.65}, {0.7, 0.36}}, false, false);
        break;
    case GRadioOff: circle(0.5, 0.5, 0.34, false); break;
    case GRadioOn:
        circle(0.5, 0.5, 0.34, false);
        circle(0.5, 0.5, 0.16, true);
        break;
    case GClose:
        line(0.28, 0.28, 0.72, 0.72);
        line(0.72, 0.28, 0.28, 0.72);
        break;
    case GPlus:
        line(0.22, 0.5, 0.78, 0.5);
        line(0.5, 0.22, 0.5, 0.78);
        break;
    case GMinus: line(0.22, 0.5, 0.78, 0.5); break;
    case GSearch: magnifier(); break;
    case GZoomIn:
        magnifier();
        line(0.3, 0.42, 0.54, 0.42);
        line(0.42, 0.3, 0.42, 0.54);
        break;
    case GZoomOut:
        magnifier();
        line(0.3, 0.42, 0.54, 0.42);
        break;
    case GLines:
        line(0.2, 0.3, 0.8, 0.3);
        line(0.2, 0.5, 0.8, 0.5);
        line(0.2, 0.7, 0.8, 0.7);
        break;
    case GPlay: poly({{0.34, 0.22}, {0.78, 0.5}, {0.34, 0.78}}, true, true); break;
    case GReverse: poly({{0.66, 0.22}, {0.22, 0.5}, {0.66, 0.78}}, true, true); break;
    case GPause:
        solid();
        p.drawRect(R(0.28, 0.22, 0.14, 0.56));
        p.drawRect(R(0.58, 0.22, 0.14, 0.56));
        break;
    case GStop:
        solid();
        p.drawRect(R(0.27, 0.27, 0.46, 0.46));
        break;
    case GFastBack:
        poly({{0.5, 0.26}, {0.5, 0.74}, {0.14, 0.5}}, true, true);
        poly({{0.86, 0.26}, {0.86, 0.74}, {0.5, 0.5}}, true, true);
        break;
    case GFastFwd:
        poly({{0.5, 0.26}, {0.5, 0.74}, {0.86, 0.5}}, true, true);
        poly({{0.14, 0.26}, {0.14, 0.74}, {0.5, 0.5}}, true, true);
        break;
    case GStepBack:
        line(0.28, 0.26, 0.28, 0.74);
        poly({{0.74, 0.26}, {0.74, 0.74}, {0.38, 0.5}}, true, true);
        break;
    case GStepFwd:
        line(0.72, 0.26, 0.72, 0.74);
        poly({{0.26, 0.26}, {0.26, 0.74}, {0.62, 0.5}}, true, true);
        break;
    case GToStart:
        line(0.16, 0.26, 0.16, 0.74);
        poly({{0.52, 0.26}, {0.52, 0.74}, {0.22, 0.5}}, true, true);
        poly({{0.84, 0.26}, {0.84, 0.74}, {0.54, 0.5}}, true, true);
        break;
    case GToEnd:
        line(0.84, 0.26, 0.84, 0.74);
        poly({{0.48, 0.26}, {0.48, 0.74}, {0.78, 0.5}}, true, true);
        poly({{0.16, 0.26}, {0.16, 0.74}, {0.46, 0.5}}, true, true);
        break;
    case GDisk:
        stroke();
        p.drawRoundedRect(R(0.12, 0.26, 0.76, 0.48), lw, lw);
        line(0.24, 0.58, 0.52, 0.58);
        circle(0.72, 0.58, 0.06, true);
        break;
    case GNetwork:
        line(0.5, 0.3, 0.5, 0.5);
        line(0.2, 0.5, 0.8, 0.5);
        line(0.2, 0.5, 0.2, 0.68);
        line(0.8, 0.5, 0.8, 0.68);
        solid();
        p.drawRect(R(0.38, 0.1, 0.24, 0.2));
        p.drawRect(R(0.08, 0.68, 0.24, 0.2));
        p.drawRect(R(0.68, 0.68, 0.24, 0.2));
        break;
    case GUsb:
        line(0.5, 0.2, 0.5, 0.78);
        poly({{0.5, 0.08}, {0.62, 0.24}, {0.38, 0.24}}, true, true);
        poly({{0.5, 0.62}, {0.26, 0.48}, {0.26, 0.36}}, false, false);
        poly({{0.5, 0.54}, {0.74, 0.42}, {0.74, 0.3}}, false, false);
        circle(0.5, 0.84, 0.09, true);
        break;
    case GLock:
        stroke();
        p.drawArc(R(0.3, 0.14, 0.4, 0.44), 0, 180 * 16);
        line(0.3, 0.36, 0.3, 0.46);
        line(0.7, 0.36, 0.7, 0.46);
        solid();
        p.drawRoundedRect(R(0.2, 0.46, 0.6, 0.4), 1.5, 1.5);
        break;
    case GClock:
        circle(0.5, 0.5, 0.36, false);
        line(0.5, 0.5, 0.5, 0.3);
        line(0.5, 0.5, 0.65, 0.58);
        break;
    case GRelay:
        circle(0.22, 0.66, 0.08, true);
        circle(0.78, 0.66, 0.08, true);
        line(0.22, 0.66, 0.7, 0.36);
        line(0.1, 0.86, 0.9, 0.86);
        break;
    case GRecord: circle(0.5, 0.5, 0.3, true); break;
    case GSpeaker:
        poly({{0.12, 0.38}, {0.3, 0.38}, {0.5, 0.2}, {0.5, 0.8}, {0.3, 0.62}, {0.12, 0.62}}, true, true);
        stroke();
        p.drawArc(R(0.42, 0.32, 0.3, 0.36), -50 * 16, 100 * 16);
        p.drawArc(R(0.38, 0.16, 0.5, 0.68), -50 * 16, 100 * 16);
        break;
    case GMotion:
        corners(0.12, 0.88, 0.24);
        circle(0.5, 0.5, 0.14, true);
        break;
    case GAlarm:
        poly({{0.5, 0.12}, {0.9, 0.84}, {0.1, 0.84}}, true, false);
        line(0.5, 0.4, 0.5, 0.58);
        circle(0.5, 0.71, 0.05, true);
        break;
    case GVideoLoss:
        camera();
        line(0.14, 0.14, 0.86, 0.86);
        break;
    case GCamera: camera(); break;
    case GMonitor:
        stroke();
        p.drawRoundedRect(R(0.1, 0.16, 0.8, 0.52), lw, lw);
        line(0.5, 0.7, 0.5, 0.82);
        line(0.3, 0.84, 0.7, 0.84);
        break;
    case GUser:
        circle(0.5, 0.34, 0.16, false);
        stroke();
        p.drawArc(R(0.18, 0.58, 0.64, 0.56), 0, 180 * 16);
        break;
    case GSliders:
        line(0.14, 0.28, 0.86, 0.28);
        line(0.14, 0.5, 0.86, 0.5);
        line(0.14, 0.72, 0.86, 0.72);
        circle(0.34, 0.28, 0.08, true);
        circle(0.66, 0.5, 0.08, true);
        circle(0.44, 0.72, 0.08, true);
        break;
    case GPtz:
        line(0.3, 0.42, 0.7, 0.42);
        stroke();
        p.drawArc(R(0.32, 0.24, 0.36, 0.36), 180 * 16, 180 * 16);
        circle(0.5, 0.5, 0.05, true);
        poly({{0.5, 0.04}, {0.58, 0.14}, {0.42, 0.14}}, true, true);
        poly({{0.5, 0.96}, {0.58, 0.86}, {0.42, 0.86}}, true, true);
        poly({{0.04, 0.5}, {0.14, 0.42}, {0.14, 0.58}}, true, true);
        poly({{0.96, 0.5}, {0.86, 0.42}, {0.86, 0.58}}, true, true);
        break;
    case GHome:
        circle(0.5, 0.5, 0.3, false);
        circle(0.5, 0.5, 0.12, true);
        break;
    case GFocusNear:
        circle(0.5, 0.5, 0.1, true);
        poly({{0.08, 0.3}, {0.28, 0.5}, {0.08, 0.7}}, false, false);
        poly({{0.92, 0.3}, {0.72, 0.5}, {0.92, 0.7}}, false, false);
        break;
    case GFocusFar:
        circle(0.5, 0.5, 0.1, true);
        poly({{0.3, 0.3}, {0.1, 0.5}, {0.3, 0.7}}, false, false);
        poly({{0.7, 0.3}, {0.9, 0.5}, {0.7, 0.7}}, false, false);
        break;
    case GIrisOpen:
        circle(0.5, 0.5, 0.36, false);
        circle(0.5, 0.5, 0.22, true);
        break;
    case GIrisClose:
        circle(0.5, 0.5, 0.36, false);
        circle(0.5, 0.5, 0.08, true);
        break;
    case GPreset: poly({{0.28, 0.14}, {0.72, 0.14}, {0.72, 0.86}, {0.5, 0.66}, {0.28, 0.86}}, true, false); break;
    case GTour:
        stroke();
        p.drawArc(R(0.18, 0.18, 0.64, 0.64), 100 * 16, 290 * 16);
        poly({{0.36, 0.08}, {0.5, 0.18}, {0.38, 0.3}}, false, false);
        break;
    case GAutoPan:
        line(0.12, 0.5, 0.88, 0.5);
        poly({{0.28, 0.34}, {0.12, 0.5}, {0.28, 0.66}}, false, false);
        poly({{0.72, 0.34}, {0.88, 0.5}, {0.72, 0.66}}, false, false);
        break;
    case GLight:
        circle(0.5, 0.5, 0.16, false);
        for (int k = 0; k < 8; ++k) {
            const qreal a = k * M_PI / 4;
            line(0.5 + 0.28 * qCos(a), 0.5 + 0.28 * qSin(a), 0.5 + 0.4 * qCos(a), 0.5 + 0.4 * qSin(a));
        }
        break;
    case GWiper:
        stroke();
        p.drawArc(R(0.12, 0.3, 0.76, 0.76), 0, 180 * 16);
        line(0.5, 0.68, 0.26, 0.34);
        break;
    case GFullScreen: corners(0.16, 0.84, 0.22); break;
    case GSplit:
        stroke();
        p.drawRect(R(0.18, 0.18, 0.64, 0.64));
        line(0.5, 0.18, 0.5, 0.82);
        line(0.18, 0.5, 0.82, 0.5);
        break;
    case GShift:
        poly({{0.5, 0.16}, {0.84, 0.52}, {0.64, 0.52}, {0.64, 0.82}, {0.36, 0.82}, {0.36, 0.52}, {0.16, 0.52}},
             true, false);
        break;
    case GCaps:
        poly({{0.5, 0.12}, {0.84, 0.46}, {0.64, 0.46}, {0.64, 0.68}, {0.36, 0.68}, {0.36, 0.46}, {0.16, 0.46}},
             true, false);
        line(0.36, 0.86, 0.64, 0.86);
        break;
    case GBackspace:
        poly({{0.08, 0.5}, {0.32, 0.22}, {0.9, 0.22}, {0.9, 0.78}, {0.32, 0.78}}, true, false);
        line(0.48, 0.38, 0.72, 0.62);
        line(0.72, 0.38, 0.48, 0.62);
        break;
    case GEnter:
        poly({{0.82, 0.2}, {0.82, 0.62}, {0.2, 0.62}}, false, false);
        poly({{0.36, 0.46}, {0.2, 0.62}, {0.36, 0.78}}, false, false);
        break;
    case GSpace: poly({{0.12, 0.46}, {0.12, 0.68}, {0.88, 0.68}, {0.88, 0.46}}, false, false); break;
    case GLanguage:
        circle(0.5, 0.5, 0.38, false);
        stroke();
        p.drawEllipse(P(0.5, 0.5), 0.16 * s, 0.38 * s);
        line(0.12, 0.5, 0.88, 0.5);
        break;
    case GOk: poly({{0.2, 0.52}, {0.42, 0.74}, {0.8, 0.3}}, false, false); break;
    case GCalendar:
        stroke();
        p.drawRoundedRect(R(0.12, 0.2, 0.76, 0.68), lw, lw);
        line(0.12, 0.4, 0.88, 0.4);
        line(0.32, 0.1, 0.32, 0.26);
        line(0.68, 0.1, 0.68, 0.26);
        solid();
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 3; ++k)
                p.drawRect(R(0.24 + k * 0.2, 0.5 + r * 0.18, 0.12, 0.1));
        break;
    case GDayData: circle(0.5, 0.5, 0.2, true); break;
    case GToday: circle(0.5, 0.5, 0.32, false); break;
    case GSelectedDay:
        solid();
        p.drawRoundedRect(R(0.14, 0.14, 0.72, 0.72), 2, 2);
        break;
    case GSchedule:
        stroke();
        p.drawRoundedRect(R(0.12, 0.2, 0.76, 0.68), lw, lw);
        line(0.32, 0.1, 0.32, 0.26);
        line(0.68, 0.1, 0.68, 0.26);
        poly({{0.3, 0.56}, {0.45, 0.7}, {0.7, 0.42}}, false, false);
        break;
    case GMute:
        poly({{0.12, 0.38}, {0.3, 0.38}, {0.5, 0.2}, {0.5, 0.8}, {0.3, 0.62}, {0.12, 0.62}}, true, true);
        line(0.62, 0.38, 0.86, 0.62);
        line(0.86, 0.38, 0.62, 0.62);
        break;
    case GTextIn:
        stroke();
        p.drawRect(R(0.2, 0.12, 0.6, 0.76));
        line(0.32, 0.34, 0.68, 0.34);
        line(0.32, 0.5, 0.68, 0.5);
        line(0.32, 0.66, 0.56, 0.66);
        break;
    case GInfo:
        circle(0.5, 0.5, 0.38, false);
        circle(0.5, 0.31, 0.05, true);
        line(0.5, 0.45, 0.5, 0.7);
        break;
    case GReplay:
        stroke();
        p.drawArc(R(0.16, 0.16, 0.68, 0.68), 120 * 16, 280 * 16);
        poly({{0.12, 0.22}, {0.34, 0.2}, {0.2, 0.4}}, true, true);
        poly({{0.44, 0.36}, {0.64, 0.5}, {0.44, 0.64}}, true, true);
        break;
    case GSnapshot:
        stroke();
        p.drawRoundedRect(R(0.1, 0.3, 0.8, 0.54), lw, lw);
        line(0.36, 0.3, 0.42, 0.18);
        line(0.42, 0.18, 0.58, 0.18);
        line(0.58, 0.18, 0.64, 0.3);
        circle(0.5, 0.57, 0.15, false);
        break;
    case GSlowBack:
        poly({{0.66, 0.26}, {0.66, 0.74}, {0.3, 0.5}}, true, true);
        line(0.78, 0.26, 0.78, 0.74);
        break;
    case GSlowFwd:
        poly({{0.34, 0.26}, {0.34, 0.74}, {0.7, 0.5}}, true, true);
        line(0.22, 0.26, 0.22, 0.74);
        break;
    case GFirstPage:
        line(0.2, 0.2, 0.8, 0.2);
        poly({{0.5, 0.34}, {0.82, 0.8}, {0.18, 0.8}}, true, true);
        break;
    case GLastPage:
        line(0.2, 0.8, 0.8, 0.8);
        poly({{0.18, 0.2}, {0.82, 0.2}, {0.5, 0.66}}, true, true);
        break;
    case GCheckBox:
        stroke();
        p.drawRoundedRect(R(0.15, 0.15, 0.7, 0.7), 2, 2);
        break;
    case GSensorBox:
        stroke();
        p.drawRoundedRect(R(0.15, 0.15, 0.7, 0.7), 2, 2);
        circle(0.5, 0.5, 0.14, true);
        break;
    case GTextBox:
        stroke();
        p.drawRoundedRect(R(0.15, 0.15, 0.7, 0.7), 2, 2);
        line(0.32, 0.4, 0.68, 0.4);
        line(0.32, 0.6, 0.6, 0.6);
        break;
    }
    p.restore();
}
