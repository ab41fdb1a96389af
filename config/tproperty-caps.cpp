// Capability cache sections: copies of the device's encoder (AvcCaps) and
// device (DalCaps) capability records kept in the configuration file.
#include "tproperty.h"

#include <cstring>

namespace {

int bounded(int count, int size)
{
    return count < 0 ? 0 : (count > size ? size : count);
}

} // namespace

// The counts in the file bound the entries that follow them. They are clamped
// to the table sizes before they bound anything, and stored clamped, so that
// every later reader of the record (option lists, load budget, loaders that
// check stored indexes against them) stays inside the tables too.
void TProperty::loadAvcCaps()
{
    AvcCaps& c = m_avcCaps;
    std::memset(&c, 0, sizeof c);
    beginGroup(QStringLiteral("AvcCaps"));
    c.num_chip = readInt(QStringLiteral("num_chip"), 0);
    c.num_cam_per_chip = readInt(QStringLiteral("num_cam_per_chip"), 0);
    c.num_vridx = bounded(readInt(QStringLiteral("num_vridx"), 0), AVC_MAX_VRIDX);
    for (int i = 0; i < c.num_vridx; ++i) {
        c.vridx[i].xres = readInt(indexedKey("vridx[%d].xres", i), 0);
        c.vridx[i].yres = readInt(indexedKey("vridx[%d].yres", i), 0);
    }
    c.num_rridx = bounded(readInt(QStringLiteral("num_rridx"), 0), AVC_MAX_RRIDX);
    for (int i = 0; i < c.num_rridx; ++i) {
        AvcRes& r = c.rridx[i];
        r.xres = readInt(indexedKey("rridx[%d].xres", i), 0);
        r.yres = readInt(indexedKey("rridx[%d].yres", i), 0);
        r.max_fps = readInt(indexedKey("rridx[%d].max_fps", i), 0);
        r.max_fps_per_chip = readInt(indexedKey("rridx[%d].max_fps_per_chip", i), 0);
        r.ratio = readDouble(indexedKey("rridx[%d].ratio", i), 0.0);
    }
    c.num_nridx = bounded(readInt(QStringLiteral("num_nridx"), 0), AVC_MAX_NRIDX);
    for (int i = 0; i < c.num_vridx; ++i) {
        for (int j = 0; j < c.num_nridx; ++j) {
            AvcRes& r = c.nridx[i][j];
            r.xres = readInt(indexedKey("nridx[%d][%d].xres", i, j), 0);
            r.yres = readInt(indexedKey("nridx[%d][%d].yres", i, j), 0);
            r.max_fps = readInt(indexedKey("nridx[%d][%d].max_fps", i, j), 0);
            r.max_fps_per_chip = readInt(indexedKey("nridx[%d][%d].max_fps_per_chip", i, j), 0);
            r.ratio = readDouble(indexedKey("nridx[%d][%d].ratio", i, j), 0.0);
        }
    }
    c.num_fidx = bounded(readInt(QStringLiteral("num_fidx"), 0), AVC_MAX_FIDX);
    for (int i = 0; i < c.num_fidx; ++i)
        c.fidx2fps[i] = readDouble(indexedKey("fidx2fps%d", i), 0.0);
    c.ref_fps = readInt(QStringLiteral("ref_fps"), 0);
    c.md_row = readInt(QStringLiteral("md_row"), 0);
    c.md_col = readInt(QStringLiteral("md_col"), 0);
    c.num_privacy = readInt(QStringLiteral("num_privacy"), 0);
    c.privacy_cx = readDouble(QStringLiteral("privacy_cx"), 0.0);
    c.privacy_cy = readDouble(QStringLiteral("privacy_cy"), 0.0);
    endGroup();
}

// Writes the entries below each count; a count the device reported beyond a
// table is written as it stands but bounds the entries only up to the table.
void TProperty::saveAvcCaps()
{
    const AvcCaps& c = m_avcCaps;
    const int nv = bounded(c.num_vridx, AVC_MAX_VRIDX);
    const int nr = bounded(c.num_rridx, AVC_MAX_RRIDX);
    const int nn = bounded(c.num_nridx, AVC_MAX_NRIDX);
    const int nf = bounded(c.num_fidx, AVC_MAX_FIDX);
    beginSave("AvcCaps");
    setValue(QStringLiteral("num_chip"), c.num_chip);
    setValue(QStringLiteral("num_cam_per_chip"), c.num_cam_per_chip);
    setValue(QStringLiteral("num_vridx"), c.num_vridx);
    for (int i = 0; i < nv; ++i) {
        setValue(indexedKey("vridx[%d].xres", i), c.vridx[i].xres);
        setValue(indexedKey("vridx[%d].yres", i), c.vridx[i].yres);
    }
    setValue(QStringLiteral("num_rridx"), c.num_rridx);
    for (int i = 0; i < nr; ++i) {
        const AvcRes& r = c.rridx[i];
        setValue(indexedKey("rridx[%d].xres", i), r.xres);
        setValue(indexedKey("rridx[%d].yres", i), r.yres);
        setValue(indexedKey("rridx[%d].max_fps", i), r.max_fps);
        setValue(indexedKey("rridx[%d].max_fps_per_chip", i), r.max_fps_per_chip);
        setValue(indexedKey("rridx[%d].ratio", i), r.ratio);
    }
    setValue(QStringLiteral("num_nridx"), c.num_nridx);
    for (int i = 0; i < nv; ++i) {
        for (int j = 0; j < nn; ++j) {
            const AvcRes& r = c.nridx[i][j];
            setValue(indexedKey("nridx[%d][%d].xres", i, j), r.xres);
            setValue(indexedKey("nridx[%d][%d].yres", i, j), r.yres);
            setValue(indexedKey("nridx[%d][%d].max_fps", i, j), r.max_fps);
            setValue(indexedKey("nridx[%d][%d].max_fps_per_chip", i, j), r.max_fps_per_chip);
            setValue(indexedKey("nridx[%d][%d].ratio", i, j), r.ratio);
        }
    }
    setValue(QStringLiteral("num_fidx"), c.num_fidx);
    for (int i = 0; i < nf; ++i)
        setValue(indexedKey("fidx2fps%d", i), c.fidx2fps[i]);
    setValue(QStringLiteral("ref_fps"), c.ref_fps);
    setValue(QStringLiteral("md_row"), c.md_row);
    setValue(QStringLiteral("md_col"), c.md_col);
    setValue(QStringLiteral("num_privacy"), c.num_privacy);
    setValue(QStringLiteral("privacy_cx"), c.privacy_cx);
    setValue(QStringLiteral("privacy_cy"), c.privacy_cy);
    endGroup();
}

void TProperty::loadDalCaps()
{
    std::memset(&m_dalCaps, 0, sizeof m_dalCaps);
    beginGroup(QStringLiteral("DalCaps"));
    m_dalCaps.num_vin = readInt(QStringLiteral("num_vin"), 0);
    m_dalCaps.num_ain = readInt(QStringLiteral("num_ain"), 0);
    m_dalCaps.rs232 = readInt(QStringLiteral("rs232"), 0);
    endGroup();
}

void TProperty::saveDalCaps()
{
    beginSave("DalCaps");
    setValue(QStringLiteral("num_vin"), m_dalCaps.num_vin);
    setValue(QStringLiteral("num_ain"), m_dalCaps.num_ain);
    setValue(QStringLiteral("rs232"), m_dalCaps.rs232);
    endGroup();
}
