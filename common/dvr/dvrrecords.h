#pragma once
// Records of the device facade that windows read by address, and the tile
// records of the live OSD. Fixed-size plain records, as the device layer's.
#include <cstdint>

class QImage;

// One item of a tile's OSD: an image the facade draws, where it goes, and
// whether the main window paints it.
struct OsdItem {
    QImage* image;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    int32_t visible;
    int32_t channel;
};

// The OSD of one channel's tile: its items and the state flags the device
// events set (recording, sensor, motion, video loss, text-in).
struct CellOsd {
    enum Item {
        TITLE,
        CONT_REC,
        EVENT_REC,
        SENSOR,
        MOTION,
        TEXTIN,
        ICON6,
        PLAY_TEXT,
        VIDEO_LOSS,
        SPARE,
        ITEM_COUNT
    };
    OsdItem* item[ITEM_COUNT];
    int32_t ch;     // the channel when it has a cell in the current layout, else -1
    int32_t titleW; // width of the title image
    int32_t contRec;
    int32_t eventRec;
    int32_t sensor;
    int32_t motion;
    int32_t videoLoss;
    int32_t textin;
};

// The POS text-in overlay area of one channel's tile.
struct TxtinArea {
    int32_t on;     // an overlay is active
    int32_t placed; // the area has a cell
    int32_t drawnW, drawnH, drawX, drawY; // the rectangle actually drawn
    int32_t cols, lines;                  // character cells of the area
    int32_t w, h, x, y;                   // the area inside the tile
};

// One disk as the storage pages show it.
struct DiskEntry {
    char text[64]; // UTF-8
    int32_t usedMB;
    int32_t totalMB;
};

// The storage state read by the system information window and the storage
// pages; rebuilt by the storage operations, mirror set on each disk mount.
struct StorageInfo {
    double usage; // percent
    DiskEntry disk[16];
    char summary[64]; // UTF-8
    int32_t usedMB;
    int32_t totalMB;
    int32_t recA;
    int32_t recB;
    int32_t mirror;
    int32_t data;
    int32_t oldest[6]; // year, month, day, hour, minute, second of the oldest recording
};

// Paging of a list (the system log, a folder of files): displayable
// entries, pages, entries per page.
struct ListInfo {
    int32_t total;
    int32_t pages;
    int32_t perPage; // 1..99
};

// One page of a list: the entries' texts and their date and time texts.
struct PageLines {
    enum { MAX_LINES = 100, LINE_SIZE = 64 };
    int32_t count;
    char line[MAX_LINES][LINE_SIZE];
    char tag[MAX_LINES][LINE_SIZE];
    int32_t page; // the page shown, -1 when none
};

static_assert(sizeof(TxtinArea) == 48, "TxtinArea is twelve words");
static_assert(sizeof(ListInfo) == 12, "ListInfo layout");
static_assert(sizeof(PageLines) == 12808, "PageLines layout");
