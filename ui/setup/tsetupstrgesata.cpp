#include "tsetupstrgesata.h"

namespace {
enum { T_DVR = 391, T_ESATA1 = 393, T_ESATA2 = 394, T_ALARM_CHECK = 424 };
}

TSetupStrgEsata::TSetupStrgEsata(QWidget* parent, int id, QSize size)
    : TSetupStrg(parent, id, size, 16, {{T_DVR, 0, 4}, {T_ESATA1, 4, 6}, {T_ESATA2, 10, 6}},
                 {{T_ALARM_CHECK, 0, 4}, {T_ESATA1, 4, 6}, {T_ESATA2, 10, 6}}, 100, true)
{
}
