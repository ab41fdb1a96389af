#include "makedevinfo.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

void makeDevInfo(PropDevices* rec, const DalCaps& dal, const AvcCaps& avc)
{
    std::memset(rec, 0, sizeof *rec);
    qstrncpy(rec->model, dal.model, sizeof rec->model);
    qstrncpy(rec->board, dal.board, sizeof rec->board);
    const int sensors = dal.num_sensor > 0 ? dal.num_sensor : 1;
    const int alarms = dal.num_alarmout > 0 ? dal.num_alarmout : 1;
    qCDebug(lcApp, "================ device num sens:%d alarm:%d =====================", sensors, alarms);
    rec->ntsc = avc.vridx[0].yres == 480 ? 1 : 0;
    rec->version = 1042;
    rec->dalWord0 = dal.word0;
    rec->dalWord1 = dal.word1;
    rec->videos = dal.num_vin;
    rec->audios = dal.num_ain;
    rec->sensors = sensors;
    rec->alarmouts = dal.num_alarmout > 0 ? dal.num_alarmout + 3 : 4;
    rec->relaycnt = dal.word796;
    rec->txtin = 5;
    rec->uarts = 1;
    rec->storage = dal.num_disk;
    rec->users = 8;
    rec->frames = avc.rridx[0].max_fps;
    rec->netframes = avc.nridx[0][0].max_fps;
}
