/* The device layer's interface: the calls, records and callback types the
 * recorder program uses. Records keep the byte layout the device layer fills
 * (checked below); where the device layer keeps a pointer, the field is
 * pointer-sized, because this build is 64-bit. */
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Capability records ------------------------------------------------ */

/* One resolution entry of the encoder capability record. */
typedef struct AvcRes {
    int32_t xres;
    int32_t yres;
    int32_t max_fps;
    int32_t max_fps_per_chip;
    double ratio; /* cost of one frame against the frame budget */
} AvcRes;

typedef struct AvcVres {
    int32_t xres;
    int32_t yres;
} AvcVres;

/* Encoder capabilities (2368 bytes). */
typedef struct AvcCaps {
    int32_t num_chip;
    int32_t num_cam_per_chip;
    unsigned char reserved0[28];
    int32_t num_vridx;
    AvcVres vridx[8];
    int32_t num_rridx;
    int32_t pad0;
    AvcRes rridx[8];
    int32_t num_nridx;
    int32_t pad1;
    AvcRes nridx[8][8];
    int32_t num_fidx;
    int32_t pad2;
    double fidx2fps[60];
    int32_t ref_fps;
    int32_t md_row;
    int32_t md_col;
    int32_t num_privacy;
    double privacy_cx;
    double privacy_cy;
} AvcCaps;

/* Device capabilities (844 bytes). */
typedef struct DalCaps {
    int32_t word0;
    int32_t word1;
    char model[256];      /* model name, NUL-terminated within 32 bytes */
    char board[512];      /* board name, NUL-terminated within 32 bytes */
    int32_t num_vin;      /* 776 */
    int32_t num_ain;      /* 780 */
    int32_t reserved2[2]; /* 784 */
    int32_t num_sensor;   /* 792 */
    int32_t word796;      /* 796 */
    int32_t num_alarmout; /* 800 */
    int32_t num_disk;     /* 804 */
    int32_t reserved3;    /* 808 */
    int32_t rs232;        /* 812 */
    unsigned char reserved4[28];
} DalCaps;

/* Output capabilities (2464 bytes). */
typedef struct VoutCaps {
    int32_t word0;
    int32_t numRes;        /* resolutions of the main output, at most 20 */
    int32_t resW[20];      /* 8 */
    int32_t resH[20];      /* 88 */
    double resHz[20];      /* 168 */
    int32_t reserved0;     /* 328 */
    int32_t outW[20];      /* 332: output width per resolution index */
    int32_t outH[20];      /* 412: output height per resolution index */
    unsigned char reserved1[100]; /* 492 */
    double maxZoom;        /* 592: largest digital zoom ratio */
    unsigned char reserved2[8];
    int32_t alphaLevels;   /* 608: non-zero when the OSD blends with a chosen level */
    unsigned char reserved3[1240];
    int32_t numResHd;      /* 1852: resolutions of the HD spot output */
    unsigned char reserved4[608];
} VoutCaps;

/* Video-input state of one channel. */
typedef struct VinInfo {
    int32_t state;
    int32_t ridx;          /* input-resolution index into AvcCaps.vridx */
    unsigned char reserved[56];
} VinInfo;

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(AvcCaps) == 2368, "AvcCaps layout");
static_assert(offsetof(AvcCaps, num_vridx) == 36, "AvcCaps.num_vridx");
static_assert(offsetof(AvcCaps, num_rridx) == 104, "AvcCaps.num_rridx");
static_assert(offsetof(AvcCaps, rridx) == 112, "AvcCaps.rridx");
static_assert(offsetof(AvcCaps, num_nridx) == 304, "AvcCaps.num_nridx");
static_assert(offsetof(AvcCaps, nridx) == 312, "AvcCaps.nridx");
static_assert(offsetof(AvcCaps, num_fidx) == 1848, "AvcCaps.num_fidx");
static_assert(offsetof(AvcCaps, fidx2fps) == 1856, "AvcCaps.fidx2fps");
static_assert(offsetof(AvcCaps, ref_fps) == 2336, "AvcCaps.ref_fps");
static_assert(offsetof(AvcCaps, privacy_cx) == 2352, "AvcCaps.privacy_cx");
static_assert(sizeof(DalCaps) == 844, "DalCaps layout");
static_assert(offsetof(DalCaps, board) == 264, "DalCaps.board");
static_assert(offsetof(DalCaps, num_vin) == 776, "DalCaps.num_vin");
static_assert(offsetof(DalCaps, num_sensor) == 792, "DalCaps.num_sensor");
static_assert(offsetof(DalCaps, num_alarmout) == 800, "DalCaps.num_alarmout");
static_assert(offsetof(DalCaps, rs232) == 812, "DalCaps.rs232");
static_assert(sizeof(VoutCaps) == 2464, "VoutCaps layout");
static_assert(offsetof(VoutCaps, resH) == 88, "VoutCaps.resH");
static_assert(offsetof(VoutCaps, resHz) == 168, "VoutCaps.resHz");
static_assert(offsetof(VoutCaps, outW) == 332, "VoutCaps.outW");
static_assert(offsetof(VoutCaps, outH) == 412, "VoutCaps.outH");
static_assert(offsetof(VoutCaps, maxZoom) == 592, "VoutCaps.maxZoom");
static_assert(offsetof(VoutCaps, alphaLevels) == 608, "VoutCaps.alphaLevels");
static_assert(offsetof(VoutCaps, numResHd) == 1852, "VoutCaps.numResHd");
static_assert(offsetof(VinInfo, ridx) == 4, "VinInfo.ridx");
#endif
