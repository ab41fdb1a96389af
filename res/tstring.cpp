#include "tstring.h"
#include "tdefault.h"
#include "appglobals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>

namespace {

// English literal of every text id; the literal is also the key under which
// the translation files hold its translation. Id 180 has no text.
const char* const kTexts[TString::TEXT_COUNT] = {
    /*   0 */ "Menu", "Shutdown", "Setup", "Display", "Spot", "HD Spot", "Record", "Device",
    /*   8 */ "Network", "System",
    /*  10 */ "Search", "Split", "Backup", "Instant Replay", "PTZ", "Sequence", "OSD",
    /*  17 */ "System Information", "Lock", "System Log",
    /*  20 */ "Log In", "Zoom", "To Live", "De-Interlace", "OK", "CANCEL", "YES", "NO", "Power Off",
    /*  29 */ "Time",
    /*  30 */ "Event", "Goto", "Refresh", "Option", "Import", "Exit", "Play", "YYYY/MM/DD",
    /*  38 */ "MM/DD/YYYY", "DD/MM/YYYY",
    /*  40 */ "12 HR(AM/PM)", "24 HR", "Hour", "Day", "Week", "Month", "None", "Low", "Mid", "High",
    /*  50 */ "sec", "Min", "min", "Off", "On", "On/Off", "All", "Sunday", "Monday", "Tuesday",
    /*  60 */ "Wednesday", "Thursday", "Friday", "Saturday", "Holiday", "Errors", "Buzzer", "Popup",
    /*  68 */ "Relay", "Temperature",
    /*  70 */ "Color", "Analog Color", "Group", "Schedule", "Event In", "Camera", "Audio",
    /*  77 */ "Motion detection", "Alarm out", "Controller",
    /*  80 */ "Address", "Port", "DDNS", "Status", "E-mail", "Date/Time", "User Authority",
    /*  87 */ "Authority", "Storage", "S.M.A.R.T.",
    /*  90 */ "System log", "Firmware", "Default", "Apply", "Configuration", "S", "M", "Tu", "W",
    /*  99 */ "Th",
    /* 100 */ "F", "Sensor", "Motion", "VideoLoss", "Total", "HDD", "HDD Overwrite", "Delete",
    /* 108 */ "Format", "Not Format",
    /* 110 */ "Auto Format", "CD/DVD", "USB", "exe", "avi", "Please try again", "Success", "Pause",
    /* 118 */ "Stop", "Date",
    /* 120 */ "Alpha Blending", "Information Bar", "Conti", "Resolution", "High Resolution",
    /* 125 */ "Low Resolution", "FPS", "Quality", "C/E", "Super",
    /* 130 */ "High", "Med", "Low", "Apply All", "Add", "Delete All", "Name", "Disable", "Covert",
    /* 139 */ "Audio Out",
    /* 140 */ "Sensitivity", "All On", "All Off", "Sensor In", "Duration", "Type", "Driver",
    /* 147 */ "Baudrate", "Remote Controller ID", "System Keyboard",
    /* 150 */ "DHCP", "Ethernet", "PPPoE", "IP", "Subnet Mask", "Gateway", "DNS IP", "Watch", "Web",
    /* 159 */ "Domain name",
    /* 160 */ "Password", "Connected IP", "User", "To", "From", "Authentication", "SSL", "Account",
    /* 168 */ "MAC Address", "Set",
    /* 170 */ "Timezone", "Daylight Saving Time", "Sync", "Boot Message", "Limit", "Start", "End",
    /* 177 */ "Upgrade", "Export", "Language",
    /* 180 */ nullptr, "ID", "Signal type", "Sensitivity", "Brightness", "Contrast", "Saturation",
    /* 187 */ "Hue", "Sun", "Mon",
    /* 190 */ "Tue", "Wed", "Thu", "Fri", "Sat", "Holi", "PreAlarm", "Estimation", "Please wait...",
    /* 199 */ "Local",
    /* 200 */ "Path", "File Name", "No USB Device", "No HDD", "Full", "Clear", "Pan Speed",
    /* 207 */ "Tilt Speed", "Tour", "Preset",
    /* 210 */ "Focus", "IRIS", "Failed", "Warning", "The password was not correctly confirmed",
    /* 215 */ "System Start", "System Shutdown", "System Upgrade", "Abnormal Reset",
    /* 219 */ "Panic Recording Start",
    /* 220 */ "Panic Recording Stop", "Log-In", "Log-Out", "Auto-Out", "Setup Start", "Setup Stop",
    /* 226 */ "Setup Changed", "Search Start", "Search Stop", "Backup Start",
    /* 230 */ "Backup Stop", "PTZ Start", "PTZ Stop", "Network Connect", "Network Upgrade",
    /* 235 */ "Email Send", "Network Cable Connected", "Network Cable Disconnected",
    /* 238 */ "NTP Time Change", "S.M.A.R.T Error",
    /* 240 */ "HDD Overheating", "Same File Exist", "Same Id Exist", "Enter", "Are You Sure",
    /* 245 */ "Save and Exit", "No Data", "No Space (More Than 50MB)", "Time Changed", "Run",
    /* 250 */ "Stop By User", "Download", "Updating", "Maximum FPS is", "Copy Files",
    /* 255 */ "Checking Checksum", "Checksum Mismatch", "Checksum Ok", "Downloading", "Uploading",
    /* 260 */ "Out Of Range", "Overheating", "Invalid Data", "Current version", "New version",
    /* 265 */ "Sequence dwell time", "Format", "Type old password", "Type new password",
    /* 269 */ "Confirm password",
    /* 270 */ "Preset dwell time", "Type password", "Type name", "Type DVR name", "Type IP",
    /* 275 */ "Type Subnet mask", "Type Gateway", "Type DNS IP", "Type ID", "Type Domain",
    /* 280 */ "Type Server", "Type Receiptor", "Type Sender", "Type Port", "Type Account",
    /* 285 */ "Date Format", "Time Format", "Remote Setup", "DVR Busy!!",
    /* 289 */ "Failed!! Invalid Setting!!",
    /* 290 */ "Export System Log File", "Text Files (*.txt)", "Import Configuration File",
    /* 293 */ "Failed!! Invalid Configuration File!!", "Configuration Files (*.conf)",
    /* 295 */ "Export Configuration File", "Open Firmware File", "Firmware Files (*.fwr)",
    /* 298 */ "No firmware file", "Firmware Upgrade",
    /* 300 */ "HDD Check", "LogIn failed", "USB Detected", "USB Mount", "Configuration Import",
    /* 305 */ "Default Configuration", "Mount failed", "No permission", "Clear All",
    /* 309 */ "Search Option",
    /* 310 */ "Default Mode", "Default Event", "Default Channel", "Default Interval",
    /* 314 */ "Search failed", "DVR Name", "Firmware version", "Firmware File import",
    /* 318 */ "Configuration File import", "Configuration File export",
    /* 320 */ "DDNS Type", "DDNS Server", "DDNS Password", "DDNS Test", "UPNP Test",
    /* 325 */ "VGA Resolution", "NTP Server", "NTP Check", "SMTP Server", "E-mail On",
    /* 330 */ "E-mail Test", "Event Set", "Rec Type", "Audio Rec", "Continuous Recording",
    /* 335 */ "Continue", "Event Recording", "Schedule On", "Holiday On", "S.M.A.R.T. On",
    /* 340 */ "Check Day", "Check Time", "Watch User", "Search User", "Setup User", "Auto Deletion",
    /* 346 */ "SystemLog File export", "Camera Setup", "NTP Sync", "SystemLog export",
    /* 350 */ "Configuration export", "DB Rebuild", "DB Check",
    /* 353 */ "Now you may unplug the power safely", "to turn the unit off",
    /* 355 */ "Device is using, cannot Backup", "Private Zone", "PIP Show", "Make ISO Image",
    /* 359 */ "Make ISO Image Failed",
    /* 360 */ "Burning", "Burning Success", "Burning Failed", "Fixating", "Sender", "Receiptor",
    /* 366 */ "Control", "Disk Mirroring", "Not enough HDD space", "Port Forwarding",
    /* 370 */ "Need to format, continue", "Sensor Type", "Auto hide", "Show always", "Hide always",
    /* 375 */ "Time is overlapped", "The latest data will be loaded, continue", "Alarm",
    /* 378 */ "Add Image", "Mode",
    /* 380 */ "Switching", "1 Screen", "4 Screen", "9 Screen", "16 Screen", "20 Screen",
    /* 386 */ "25 Screen", "32 Screen", "Bandwidth", "Full Screen 4:3 Ratio",
    /* 390 */ "uPNP Test", "DVR", "eSATA", "eSATA1", "eSATA2", "POS", "Thumbnail", "Panorama",
    /* 398 */ "Mode", "Filter",
    /* 400 */ "Channel", "Interval", "Start Word", "End Word", "Ignore Word", "Number of add line",
    /* 406 */ "Text Overlaying Duration", "Overlay Position", "Upper Left", "Bottom Left",
    /* 410 */ "Upper Right", "Bottom Right", "Spot Popup", "HD Spot Popup", "Audio Input",
    /* 415 */ "Show Pos", "Estimated Recording Days", "Percent", "Oldest Date", "Display HDD Usage",
    /* 420 */ "Serial", "Key Buzzer", "CVBS", "Use Record Stream", "Alarm Check HDD", "DNS Auto",
    /* 426 */ "Detected", "Snapshot", "Freeze", "Full Screen",
    /* 430 */ "All Channels", "Visible Channels", "Error/Test", "Reallocation(Sector)", "Used(Day)",
    /* 435 */ "S.M.A.R.T Status", "4:3 Display", "Current Day", "All Day", "Date Overlap",
    /* 440 */ "Record Thread Error", "HDD Error", "XFS Error", "HDD Write Error", "HDD Write Ok",
    /* 445 */ "DB HDD Good", "DB HDD Bad", "Record Data Error", "Record Data Ok",
    /* 449 */ "Record Buf Error",
    /* 450 */ "Record Buf Ok", "Network Data Error", "Network Data Ok", "Chip Timeout",
    /* 454 */ "Channel index", "Buzzer Off", "Alarm Off", "Alarm Control", "Turn On", "Turn Off",
    /* 460 */ "Skip VideoLoss", "Video Loss", "Video In", "Record will stop", "VELOR", "UART",
    /* 466 */ "Event Log", "Server", "Protocol", "Inactivity Sec",
    /* 470 */ "Data Packing Time", "Data Packing Size", "Safe to remove backup device", "TAVO",
    /* 474 */ "Security Guard Server", "Image Server", "Security Guard Number", "Password Number",
    /* 478 */ "Security Guard Zone", "Security Guard Control",
    /* 480 */ "Card Reader", "Signal Server", "Customer Number", "Machine Number", "Reader", "Card",
    /* 486 */ "Number", "Card Number", "Check", "Registration",
    /* 490 */ "Door Mode Select", "In Delay", "Out Delay", "Door Close Time", "Door State",
    /* 495 */ "Siren Time", "Line Report Time", "Retry Communication Count", "Door Ment",
    /* 499 */ "Key Pad Select",
    /* 500 */ "Master Number", "Patrol Number", "Patrol", "Use", "Delay", "Restore", "Alarm Bell",
    /* 507 */ "Comment", "Partial Guard Clear", "User Input",
    /* 510 */ "Close", "Open", "Event Log Export", "Tavo Motion", "Web Code", "Panic Record",
    /* 516 */ "Schedule Record", "PTZ Control", "Split Mode", "Split Resolution",
    /* 520 */ "Split Quality", "Split Speed", "Popup Resolution", "Popup Quality", "Popup Speed",
    /* 525 */ "Used Port", "Web Server Port", "DDNS Address", "Playback Screen", "Not Use",
    /* 530 */ "Motion + Sensor", "DISK FULL", "OVERWRITE", "Information", "Time/Date", "Password ",
    /* 536 */ "Hard Disk", "Default Setup", "System Management", "Button Setup",
    /* 540 */ "Serial Port Setup", "Auto Sequence", "Spot Out", "TV Adjustment", "IP Address",
    /* 545 */ "Notification", "Network Codec Setup", "Camera Title", "PTZ Setting", "Privacy",
    /* 550 */ "Record Setting", "Weekly Schedule", "Holiday Record", "Motion Detection ",
    /* 554 */ "Event Action", "Version", "ID ", "Factory Setup", "F/W Upgrade",
    /* 559 */ "Configuration BACKUP",
    /* 560 */ "Configuration LOAD", "Auto Key Lock", "Key Beep", "Status Bar", "DNS Address",
    /* 565 */ "Use Port", "Web Port", "Sensor Input", "Input Type", "Motion ",
    /* 570 */ "Popup Channel", "Popup Duration", "Relay Out", "Relay Duration", "Internal Buzzer",
    /* 575 */ "Enter Remocon ID", "Push Server",
};

struct LangSlot {
    const char* name;
    const char* file;
};

const LangSlot kSlots[TString::LANG_COUNT] = {
    {"Chinese", ":/lang_chn.qm"},    {"Czech", ":/lang_cz.qm"},
    {"Deutsch", ":/lang_deu.qm"},    {"English", ":/lang_eng.qm"},
    {"Espanol", ":/lang_esp.qm"},    {"Finland", ":/lang_fin.qm"},
    {"French", ":/lang_fra.qm"},     {"Hebrew", ":/lang_heb.qm"},
    {"Hungarian", ":/lang_hun.qm"},  {"Italian", ":/lang_ita.qm"},
    {"Japanese", ":/lang_jpn.qm"},   {"Korean", ":/lang_kor.qm"},
    {"Norway", ":/lang_nor.qm"},     {"Persian", ":/lang_per.qm"},
    {"Polish", ":/lang_pol.qm"},     {"Portuguese", ":/lang_por.qm"},
    {"Russian", ":/lang_rus.qm"},    {"Thai", ":/lang_tai.qm"},
    {"Taiwanese", ":/lang_tpe.qm"},  {"Turkey", ":/lang_tuk.qm"},
    {"Slovakia", ":/lang_svk.qm"},   {"Vietnam", ":/lang_vn.qm"},
};

const int kSlotEnglish = 3;
const int kSlotKorean = 11;

// The unit's font families are not free; these free faces (Debian packages
// fonts-dejavu-core, fonts-wqy-microhei, fonts-nanum) stand in for them. Each
// list ends with faces that cover the other scripts, so a text of another
// script never shows as empty boxes.
void installFontSubstitutes()
{
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "WenQuanYi Micro Hei", "NanumGothic"});
    QFont::insertSubstitutions("SimHei", {"WenQuanYi Micro Hei", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Gothic", {"WenQuanYi Micro Hei", "DejaVu Sans"});
    QFont::insertSubstitutions("Dotum", {"NanumGothic", "WenQuanYi Micro Hei", "DejaVu Sans"});
}

int unscaled(int n)
{
    return n;
}

} // namespace

TString::TString()
    : m_scaler(unscaled)
{
    // The translation files live in this static library's resources.
    Q_INIT_RESOURCE(lang);
    installFontSubstitutes();

    QString paths[LANG_COUNT];
    const int oem = g_default ? g_default->getOem() : 0;
    if (oem == 3 || oem == 5) {
        // These variants offer English and Korean only.
        for (int slot : {kSlotEnglish, kSlotKorean}) {
            m_langNames[slot] = QString::fromLatin1(kSlots[slot].name);
            paths[slot] = QString::fromLatin1(kSlots[slot].file);
        }
    } else {
        for (int i = 0; i < LANG_COUNT; ++i) {
            m_langNames[i] = QString::fromLatin1(kSlots[i].name);
            paths[i] = QString::fromLatin1(kSlots[i].file);
        }
    }
    // A file that is missing or unreadable leaves an empty translator: the
    // language stays offered and shows the English texts.
    for (int i = 0; i < LANG_COUNT; ++i) {
        if (!paths[i].isEmpty())
            m_translators[i].load(paths[i]);
    }
}

TString::~TString()
{
    // A translator must not stay installed after it is gone.
    for (QTranslator& t : m_translators)
        QCoreApplication::removeTranslator(&t);
}

QString TString::text(int id) const
{
    if (static_cast<unsigned>(id) >= static_cast<unsigned>(TEXT_COUNT) || !kTexts[id])
        return QString();
    return tr(kTexts[id]);
}

int TString::indexOfLanguage(const QString& name) const
{
    for (int i = 0; i < LANG_COUNT; ++i) {
        if (m_langNames[i] == name)
            return i;
    }
    return -1;
}

int TString::availIndexOf(const QString& name) const
{
    int pos = 0;
    for (const QString& n : m_langNames) {
        if (n.isEmpty())
            continue;
        if (n == name)
            return pos;
        ++pos;
    }
    return -1;
}

QStringList TString::languageList() const
{
    QStringList list;
    for (const QString& n : m_langNames) {
        if (!n.isEmpty())
            list << n;
    }
    return list;
}

QString TString::languageAt(int n) const
{
    return languageList().value(n);
}

void TString::setLanguage(const QString& newName, const QString& oldName)
{
    const int newSlot = indexOfLanguage(newName);
    const int oldSlot = indexOfLanguage(oldName);
    if (oldSlot != -1)
        QCoreApplication::removeTranslator(&m_translators[oldSlot]);
    if (newSlot != -1)
        QCoreApplication::installTranslator(&m_translators[newSlot]);

    QFont font;
    if (newName == QLatin1String("Japanese"))
        font.setFamily("MS Gothic");
    else if (newName == QLatin1String("Chinese") || newName == QLatin1String("Taiwanese"))
        font.setFamily("SimHei");
    else if (newName == QLatin1String("Korean"))
        font.setFamily("Dotum");
    else
        font.setFamily("Tahoma");
    font.setPixelSize(qMax(1, m_scaler(12)));
    font.setWeight(75);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.0);
    font.setWordSpacing(1.0);
    font.setFixedPitch(true);
    QApplication::setFont(font);
}

void TString::setScaler(Scaler scaler)
{
    m_scaler = scaler ? scaler : unscaled;
}
