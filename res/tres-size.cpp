#include "tres.h"

#include "treshooks.h"

#include <array>

namespace {

// Base sizes that depend on nothing; ids not listed here and not computed in
// getSize have no size.
struct FixedSize {
    short first, last, w, h;
};

const FixedSize kFixedSizes[] = {
    {0, 0, 640, 32},     {25, 25, 640, 32},   {1, 1, 488, 140},    {88, 88, 488, 140},
    {2, 2, 386, 238},    {97, 97, 386, 238},  {3, 3, 218, 250},    {100, 100, 218, 250},
    {4, 4, 380, 300},    {125, 125, 380, 300}, {5, 5, 800, 440},   {83, 83, 800, 440},
    {8, 8, 320, 140},    {94, 94, 320, 140},  {9, 9, 488, 108},    {91, 91, 488, 108},
    {20, 20, 380, 331},  {21, 21, 85, 25},    {23, 24, 12, 20},    {59, 60, 240, 30},
    {67, 68, 90, 25},    {86, 87, 90, 25},    {103, 103, 144, 312}, {106, 106, 130, 24},
    {143, 143, 620, 440}, {146, 146, 1920, 1080}, {182, 182, 780, 446}, {209, 209, 28, 28},
    {27, 39, 20, 20},    {150, 154, 20, 20},  {40, 47, 15, 17},    {74, 82, 72, 72},
    {108, 111, 24, 24},  {112, 121, 44, 24},  {131, 142, 16, 16},  {183, 186, 23, 23},
    {157, 174, 34, 21},  {187, 192, 34, 21},  {215, 218, 34, 21},
};

// Width of the status bars 14/147 and 15/149 by channel count.
int barWidth(int videos, bool wide)
{
    static const int kWide[] = {300, 510, 685, 790, 918, 1160};
    static const int kNarrow[] = {150, 230, 330, 415, 500, 770};
    int k;
    if (videos <= 7)
        k = 0;
    else if (videos <= 11)
        k = 1;
    else if (videos <= 15)
        k = 2;
    else if (videos <= 19)
        k = 3;
    else if (videos <= 31)
        k = 4;
    else
        k = 5;
    return wide ? kWide[k] : kNarrow[k];
}

// Plain base metrics: -1 marks ids computed in getValue or without a value.
std::array<short, 230> makeMetricTable()
{
    std::array<short, 230> t;
    t.fill(-1);
    struct Group {
        short value;
        std::initializer_list<short> ids;
    };
    const Group groups[] = {
        {2, {112, 149, 166, 176}}, {4, {93, 97, 115, 125, 188}}, {5, {25, 37, 78, 183, 220}},
        {6, {0, 103, 187}}, {8, {154, 223}}, {9, {133}},
        {10, {77, 126, 130, 144, 178, 185, 197, 198, 200, 225}}, {12, {17, 89, 152, 175}},
        {15, {23, 24, 38, 50, 68, 96, 184}}, {16, {190}}, {17, {63}},
        {20, {49, 117, 120, 127, 138, 174, 201}}, {22, {165, 173, 194}}, {23, {119, 222}},
        {24, {19, 108, 145, 162, 167, 214}}, {25, {36, 62, 71, 99, 140, 227}},
        {30, {56, 109, 123}}, {32, {146, 155}}, {35, {66, 67}}, {36, {212}}, {38, {150}},
        {40, {76, 134, 177}}, {42, {39}}, {44, {151}}, {45, {118}}, {46, {161}},
        {50, {82, 114, 137, 211}}, {54, {221}}, {55, {16}}, {56, {102}}, {58, {164}},
        {60, {48, 92}}, {63, {12}}, {64, {60}}, {65, {80, 229}}, {70, {43, 207}}, {73, {31}},
        {78, {124}}, {80, {1, 204}}, {90, {51}}, {95, {157}}, {96, {61}},
        {100, {30, 35, 69, 88, 132, 192, 208}}, {102, {169, 172}}, {104, {156}}, {105, {205}},
        {107, {228}}, {110, {47, 216}}, {118, {32}}, {130, {70, 206}},
        {140, {110, 111, 160, 163, 199}}, {150, {139}}, {162, {168}}, {180, {58}},
        {190, {21, 209}}, {192, {18, 213}}, {195, {179}}, {200, {98, 101, 136}}, {202, {170}},
        {205, {159}}, {212, {195, 196}}, {216, {2}}, {220, {203}},
        {250, {83, 84}}, {260, {57}}, {265, {106}}, {280, {113}}, {290, {22, 104}},
        {300, {55, 64, 202}}, {306, {171}}, {320, {131}}, {350, {90, 105}}, {357, {218}},
        {362, {3}}, {370, {14}}, {388, {4}}, {402, {189, 217}}, {420, {10}}, {425, {5}},
        {430, {91}}, {437, {65}}, {490, {158}}, {504, {135}}, {505, {186}}, {524, {6}},
        {538, {59}}, {540, {219}}, {546, {7}}, {560, {193}}, {566, {8}}, {569, {191}},
        {594, {9}},
    };
    for (const Group& g : groups)
        for (short id : g.ids)
            t[id] = g.value;
    return t;
}

} // namespace

int TRes::scale(int n) const
{
    return static_cast<int>(n * m_scale);
}

int TRes::scaleCeil(int n) const
{
    return static_cast<int>(n * m_scale + 0.99);
}

QSize TRes::getSize(int id) const
{
    const int videos = resVideos(1);
    const bool big = videos >= 32;
    QSize base;
    switch (id) {
    case 6: case 10: case 11: case 16:
        return resVoutSize(1); // the output itself is never scaled
    case 128:
        return QSize(440, 200);
    case 7: case 62: case 63:
        base = big ? QSize(1000, 700) : QSize(800, 600);
        break;
    case 19: case 64:
        base = big ? QSize(880, 625) : QSize(680, 525);
        break;
    case 48: case 49: case 50: case 51: case 52: case 53: case 54: case 55: case 56: case 57:
        base = big ? QSize(200, 70) : QSize(160, 60);
        break;
    case 70: case 71: case 72: case 73:
        base = big ? QSize(16, 14) : QSize(16, 16);
        break;
    case 122:
        base = big ? QSize(923, 230) : QSize(643, 230);
        break;
    case 14: case 147:
        base = QSize(barWidth(videos, true), 32);
        break;
    case 15: case 149:
        base = QSize(barWidth(videos, false), 32);
        break;
    case 13: {
        const int outs = resAlarmouts(1);
        base = QSize(380, outs <= 7 ? 180 : outs <= 11 ? 300 : 470);
        break;
    }
    default:
        for (const FixedSize& f : kFixedSizes)
            if (id >= f.first && id <= f.last)
                base = QSize(f.w, f.h);
        break;
    }
    if (!base.isValid())
        qFatal("TRes::getSize id:%d", id);
    return QSize(scale(base.width()), scale(base.height()));
}

int TRes::getValue(int id) const
{
    static const std::array<short, 230> kBase = makeMetricTable();
    if (id < 0 || id > 229)
        return 0;
    const int videos = resVideos(1);
    const bool big = videos >= 32;
    const bool exactly32 = videos == 32;
    switch (id) {
    // Exactly 32 channels.
    case 11: return scale(exactly32 ? 130 : 30);
    case 15: return scale(exactly32 ? 350 : 250);
    case 20: return scale(exactly32 ? 140 : 40);
    case 81: return scale(exactly32 ? 160 : 60);
    case 95: return scale(exactly32 ? 382 : 282);
    case 100: return scale(exactly32 ? 150 : 50);
    case 107: return scale(exactly32 ? 126 : 26);
    // Below 32 / 32 or more.
    case 26: case 27: return scale(big ? 22 : 27);
    case 28: return scale(big ? 589 : 489);
    case 29: return scale(big ? 340 : 270);
    case 40: return scale(big ? 840 : 640);
    case 41: return scale(big ? 530 : 430);
    case 121: return scale(big ? 111 : 11);
    case 128: return scale(big ? 830 : 630);
    case 129: return scale(big ? 560 : 460);
    case 210: return scale(big ? 220 : 160);
    case 215: return scale(big ? 80 : 20);
    case 226: return scale(big ? 907 : 627);
    // Graded by channel count.
    case 72: return scale(videos <= 19 ? 16 : videos <= 31 ? 11 : 7);
    case 73: return scale(videos <= 19 ? 6 : videos <= 31 ? 3 : 0);
    case 147: return scale(videos <= 7 ? 140 : videos <= 11 ? 230 : videos <= 19 ? 280 : 466);
    case 148: return scale(videos <= 19 ? 8 : 0);
    // Derived from other metrics.
    case 13: {
        const int v = scale(484);
        return v - v % 2; // even, dropping toward zero
    }
    case 33: case 87: return getValue(11) + getValue(13) + scale(20);
    case 53: return getValue(40) >> 2;
    case 54: return getValue(39) + scale(50);
    case 74: return getValue(39) + scale(25);
    case 75: return getValue(41) - scale(25);
    case 85: return getValue(81) + getValue(83) + scale(50);
    case 86: return getValue(82) + getValue(84) + scale(12);
    case 34: return getValue(12);
    case 42: return getValue(15);
    case 44: return getValue(18);
    case 45: return getValue(20);
    case 46: return getValue(21);
    case 79: case 94: return getValue(19);
    // From the edit copy's DEVICES section.
    case 122: return scale(resStorage(0) < 3 ? 160 : 100);
    case 141: return resAudios(0) < 5 ? getValue(16) : scale(20);
    case 142: return resAudios(0) < 5 ? getValue(17) : scale(4);
    case 143: return resAudios(0) < 5 ? getValue(19) : scale(20);
    default:
        break;
    }
    const int base = kBase[id];
    return base < 0 ? 0 : scale(base);
}
