#include "tsetuprecord.h"
#include "tconfig.h"

TSetupRecord::TSetupRecord(QWidget* parent, int id, QSize size)
    : TSetupRecPage(parent, id, size, IDX_PROP_RECORD, false)
{
}
