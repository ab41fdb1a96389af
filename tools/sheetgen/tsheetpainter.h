#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// Paints the whole image sheet: every image id at its rectangle of the
// layout table and the theme colours at their sample points. The look is a
// quiet flat one for a recorder's on-screen display: dark slate panels that
// stay legible over live video, light line glyphs with one stroke width per
// size class, 1-pixel frames on small controls and 2-pixel frames on panels,
// amber for focus and pressed states, red/green only where they mean
// alarm/recording.
class TSheetPainter
{
public:
    // Line glyphs; each is drawn into a square box.
    enum Glyph {
        GNone, GChevUp, GChevDown, GChevLeft, GChevRight, GTriUp, GTriDown, GTriLeft, GTriRight,
        GTriUpLeft, GTriUpRight, GTriDownLeft, GTriDownRight, GCheckOff, GCheckOn, GRadioOff,
        GRadioOn, GClose, GPlus, GMinus, GSearch, GZoomIn, GZoomOut, GLines, GPlay, GPause, GStop,
        GReverse, GFastBack, GFastFwd, GStepBack, GStepFwd, GToStart, GToEnd, GDisk, GNetwork,
        GUsb, GLock, GClock, GRelay, GRecord, GSpeaker, GMotion, GAlarm, GVideoLoss, GCamera,
        GMonitor, GUser, GSliders, GPtz, GHome, GFocusNear, GFocusFar, GIrisOpen, GIrisClose,
        GPreset, GTour, GAutoPan, GLight, GWiper, GFullScreen, GSplit, GShift, GBackspace,
        GEnter, GSpace, GCaps, GLanguage, GOk, GCalendar, GDayData, GToday, GSelectedDay,
        GSchedule, GMute, GTextIn, GInfo, GReplay, GSnapshot, GSlowBack, GSlowFwd, GFirstPage,
        GLastPage, GCheckBox, GSensorBox, GTextBox
    };

    QImage paint();

private:
    struct Look {
        QColor fill, frame, glyph;
    };
    static Look stateLook(int state);

    void swatches(QPainter& p);
    void buttons(QPainter& p);
    void iconStrips(QPainter& p);
    void singleIcons(QPainter& p);
    void layoutButtons(QPainter& p);
    void panels(QPainter& p);
    void screens(QPainter& p);

    // A strip of four states side by side; `shape` 0 = push button,
    // 1 = icon tile, 2 = list row, 3 = tab, 4 = field with drop-down arrow.
    void strip4(QPainter& p, int id, int shape, Glyph g, bool glyphLeft = false);
    // The on-state strip of a two-image button: the pressed fill throughout.
    void strip4On(QPainter& p, int id);
    void cell(QPainter& p, const QRectF& r, int shape, const Look& look, Glyph g, bool glyphLeft);
    void tile(QPainter& p, int id, Glyph g, const QColor& colour);
    // A window background with rounded corners and, when `band` is above 0,
    // a plain title band that many pixels high.
    void dialog(QPainter& p, const QRectF& r, int band);
    void keyCap(QPainter& p, const QRectF& r);
    // The PTZ direction pad, 72 x 72: idle, then up, down, left and right,
    // each highlighted and pressed (images 74..82).
    void ptzPad(QPainter& p);
    // An indicator strip of the information bar: the same picture in all
    // four states (the bar disables its indicators), quiet when `lit` is
    // false and bright when true.
    void indicator(QPainter& p, int id, Glyph g, const QColor& colour);
    // A two-image button pair: `offId` in the normal look, `onId` with the
    // pressed fill and the accent glyph (switched on); `onGlyph`, when
    // given, is the on image's own picture.
    void strip4Pair(QPainter& p, int offId, int onId, int shape, Glyph g, bool glyphLeft,
                    Glyph onGlyph = GNone);
    static void glyph(QPainter& p, const QRectF& box, Glyph g, const QColor& c, qreal lw);
    static QRectF rectOf(int id);
};
