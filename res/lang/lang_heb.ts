<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>תפריט</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>כיבוי</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>ספוט</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>ספוט HD</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>הקלטה</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>התקן</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>רשת</translation>
    </message>
    <message>
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>פיצול</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>גיבוי</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>הצגה חוזרת מיידית</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>רצף</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>מידע מערכת</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>נעילה</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>יומן מערכת</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>זום</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>לשידור חי</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>ביטול שזירה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>כיבוי מתח</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>אירוע</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>עבור אל</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>רענון</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>ניגון</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>YYYY/MM/DD</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/YYYY</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>DD/MM/YYYY</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 שעות(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 שעות</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>יום</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>שבוע</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>חודש</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>נמוכה</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>בינונית</translation>
    </message>
    <message>
        <source>High</source>
        <translation>גבוהה</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>שנ׳</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>דק׳</translation>
    </message>
    <message>
        <source>min</source>
        <translation>דק׳</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>On</source>
        <translation>פועל</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>פועל/כבוי</translation>
    </message>
    <message>
        <source>All</source>
        <translation>הכל</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>יום ראשון</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>יום שני</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>יום שלישי</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>יום רביעי</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>יום חמישי</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>יום שישי</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>שבת</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>חג</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>שגיאות</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>זמזם</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>חלון קופץ</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>ממסר</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>טמפרטורה</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>צבע אנלוגי</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>לוח זמנים</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>כניסת אירוע</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>מצלמה</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>שמע</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>זיהוי תנועה</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>יציאת אזעקה</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>בקר</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>פורט</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>סטטוס</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>דוא״ל</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>תאריך/שעה</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>הרשאות משתמש</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>הרשאה</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>אחסון</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>יומן מערכת</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>קושחה</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החל</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>תצורה</translation>
    </message>
    <message>
        <source>S</source>
        <translation>א</translation>
    </message>
    <message>
        <source>M</source>
        <translation>ב</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>ג</translation>
    </message>
    <message>
        <source>W</source>
        <translation>ד</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>ה</translation>
    </message>
    <message>
        <source>F</source>
        <translation>ו</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>חיישן</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>תנועה</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>אובדן וידאו</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>סה״כ</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>דריסת HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>פרמוט</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>לא מפורמט</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>פרמוט אוטומטי</translation>
    </message>
    <message>
        <source>CD/DVD</source>
        <translation>CD/DVD</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>exe</source>
        <translation>exe</translation>
    </message>
    <message>
        <source>avi</source>
        <translation>avi</translation>
    </message>
    <message>
        <source>Please try again</source>
        <translation>נסה שוב</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>הצלחה</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>השהה</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצור</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>שקיפות</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>סרגל מידע</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>רציף</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>רזולוציה</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>רזולוציה גבוהה</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>רזולוציה נמוכה</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>איכות</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>ר/א</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>סופר</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>בינונית</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>החל על הכל</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוסף</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>מחק הכל</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>מושבת</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>מוסתרת</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>יציאת שמע</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>רגישות</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>הכל פועל</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>הכל כבוי</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>כניסת חיישן</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>משך</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>מנהל התקן</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>קצב באוד</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>מזהה שלט</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>מקלדת מערכת</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation>PPPoE</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>מסכת רשת</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>שער</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>צפייה</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>שם מתחם</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>סיסמה</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP מחובר</translation>
    </message>
    <message>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <source>To</source>
        <translation>אל</translation>
    </message>
    <message>
        <source>From</source>
        <translation>מאת</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>אימות</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>חשבון</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>כתובת MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>קבע</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>אזור זמן</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>שעון קיץ</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>סנכרון</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>הודעת אתחול</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>מגבלה</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>End</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>שדרוג</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>מזהה</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>סוג אות</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>בהירות</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>ניגודיות</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>רוויה</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>גוון</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>א׳</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>ב׳</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>ג׳</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>ד׳</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>ה׳</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ו׳</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ש׳</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>חג</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>טרום אזעקה</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>הערכה</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>נא להמתין...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>מקומי</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>נתיב</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>שם קובץ</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>אין התקן USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>אין HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>מלא</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>נקה</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>מהירות Pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>מהירות Tilt</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>סיור</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>פריסט</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>מיקוד</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>צמצם</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>נכשל</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>אימות הסיסמה נכשל</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>הפעלת מערכת</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>כיבוי מערכת</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>שדרוג מערכת</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>אתחול חריג</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>התחלת הקלטת חירום</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>סיום הקלטת חירום</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>התחברות</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>התנתקות</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>התנתקות אוטומטית</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>התחלת הגדרות</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>סיום הגדרות</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>הגדרות שונו</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>התחלת חיפוש</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>סיום חיפוש</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>התחלת גיבוי</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>סיום גיבוי</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>התחלת PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>סיום PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>חיבור רשת</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>שדרוג מהרשת</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>שליחת דוא״ל</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>כבל רשת חובר</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>כבל רשת נותק</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>שינוי שעה NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>שגיאת S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>התחממות HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>קובץ זהה קיים</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>מזהה זהה קיים</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>האם אתה בטוח?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>שמור וצא</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>אין נתונים</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>אין מקום (נדרש מעל 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>השעה שונתה</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>הרץ</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>נעצר ע״י משתמש</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>מעדכן</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS מרבי הוא</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>העתק קבצים</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>בודק סכום ביקורת</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>סכום ביקורת שגוי</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>סכום ביקורת תקין</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>מוריד</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>מעלה</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>מחוץ לטווח</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>התחממות יתר</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>נתונים לא תקינים</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>גרסה נוכחית</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>גרסה חדשה</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>זמן השהיה ברצף</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>הקלד סיסמה ישנה</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>הקלד סיסמה חדשה</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>אמת סיסמה</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>זמן השהיה בפריסט</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>הקלד סיסמה</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>הקלד שם</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>הקלד שם DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>הקלד IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>הקלד מסכת רשת</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>הקלד שער</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>הקלד DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>הקלד מזהה</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>הקלד מתחם</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>הקלד שרת</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>הקלד נמען</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>הקלד שולח</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>הקלד פורט</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>הקלד חשבון</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>תבנית תאריך</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>תבנית שעה</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>הגדרה מרחוק</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR עסוק!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>נכשל!! הגדרה לא תקינה!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>ייצוא קובץ יומן מערכת</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>קובצי טקסט (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>ייבוא קובץ תצורה</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>נכשל!! קובץ תצורה לא תקין!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>קובצי תצורה (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>ייצוא קובץ תצורה</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>פתח קובץ קושחה</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>קובצי קושחה (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>אין קובץ קושחה</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>שדרוג קושחה</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>בדיקת HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>הכניסה נכשלה</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>זוהה USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>עיגון USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>ייבוא תצורה</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>תצורת ברירת מחדל</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>העיגון נכשל</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>אין הרשאה</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>נקה הכל</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>אפשרויות חיפוש</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>מצב ברירת מחדל</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>אירוע ברירת מחדל</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>ערוץ ברירת מחדל</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>מרווח ברירת מחדל</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>החיפוש נכשל</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>שם DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>גרסת קושחה</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>ייבוא קובץ קושחה</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>ייבוא קובץ תצורה</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>ייצוא קובץ תצורה</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>סוג DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>שרת DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>סיסמת DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>בדיקת DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>בדיקת UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>רזולוציית VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>שרת NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>בדיקת NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>שרת SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>דוא״ל פועל</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>בדיקת דוא״ל</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>הגדרת אירוע</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>סוג הקלטה</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>הקלטת שמע</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>הקלטה רציפה</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>הקלטת אירועים</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>לוח זמנים פועל</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>חג פועל</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. פועל</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>יום בדיקה</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>שעת בדיקה</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>משתמש צפייה</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>משתמש חיפוש</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>משתמש הגדרות</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>מחיקה אוטומטית</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>ייצוא קובץ יומן</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>הגדרות מצלמה</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>סנכרון NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>ייצוא יומן מערכת</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>ייצוא תצורה</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>בניית DB מחדש</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>בדיקת DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>כעת ניתן לנתק את המתח בבטחה</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>כדי לכבות את היחידה</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>ההתקן בשימוש, לא ניתן לגבות</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>אזור פרטי</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>הצג PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>צור קובץ ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>יצירת קובץ ISO נכשלה</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>צורב</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>הצריבה הצליחה</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>הצריבה נכשלה</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>סוגר דיסק</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>שולח</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>נמען</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>בקרה</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>שיקוף דיסק</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>אין מספיק מקום ב-HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>העברת פורטים</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>נדרש פרמוט, להמשיך?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>סוג חיישן</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>הסתרה אוטומטית</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>הצג תמיד</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>הסתר תמיד</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>הזמנים חופפים</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>הנתונים האחרונים ייטענו, להמשיך?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>אזעקה</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>הוסף תמונה</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>מסך 1</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 מסכים</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 מסכים</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 מסכים</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 מסכים</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 מסכים</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 מסכים</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>רוחב פס</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>מסך מלא ביחס 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>בדיקת uPNP</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>eSATA</source>
        <translation>eSATA</translation>
    </message>
    <message>
        <source>eSATA1</source>
        <translation>eSATA1</translation>
    </message>
    <message>
        <source>eSATA2</source>
        <translation>eSATA2</translation>
    </message>
    <message>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>תמונה ממוזערת</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>פנורמה</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>מסנן</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>ערוץ</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>מרווח</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>מילת התחלה</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>מילת סיום</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>מילה להתעלם</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>מספר שורות להוספה</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>משך הצגת טקסט</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>מיקום הטקסט</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>למעלה משמאל</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>למטה משמאל</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>למעלה מימין</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>למטה מימין</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>חלון ספוט</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>חלון ספוט HD</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>כניסת שמע</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>הצג POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>ימי הקלטה משוערים</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>אחוז</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>התאריך הישן ביותר</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>הצג ניצול HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>טורי</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>זמזם מקשים</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>השתמש בזרם הקלטה</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>אזעקת בדיקת HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS אוטומטי</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>זוהה</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>תמונת מצב</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>הקפאה</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>כל הערוצים</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>ערוצים גלויים</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>שגיאה/בדיקה</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>הקצאה מחדש(סקטור)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>בשימוש(ימים)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>מצב S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>תצוגת 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>היום הנוכחי</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>כל היום</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>חפיפת תאריכים</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>שגיאת תהליך הקלטה</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>שגיאת HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>שגיאת XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>שגיאת כתיבה ל-HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>כתיבה ל-HDD תקינה</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD תקין</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD פגום</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>שגיאת נתוני הקלטה</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>נתוני הקלטה תקינים</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>שגיאת חוצץ הקלטה</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>חוצץ הקלטה תקין</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>שגיאת נתוני רשת</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>נתוני רשת תקינים</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>תם זמן השבב</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>מספר ערוץ</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>זמזם כבוי</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>אזעקה כבויה</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>בקרת אזעקה</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>הפעל</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>כבה</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>דלג על אובדן וידאו</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>אובדן וידאו</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>וידאו חזר</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>ההקלטה תיעצר</translation>
    </message>
    <message>
        <source>VELOR</source>
        <translation>VELOR</translation>
    </message>
    <message>
        <source>UART</source>
        <translation>UART</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>יומן אירועים</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>שרת</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>פרוטוקול</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>חוסר פעילות שנ׳</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>זמן אריזת נתונים</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>גודל אריזת נתונים</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>ניתן להסיר את התקן הגיבוי בבטחה</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>שרת מוקד שמירה</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>שרת תמונות</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>מספר מוקד שמירה</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>מספר סיסמה</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>אזור שמירה</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>בקרת שמירה</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>קורא כרטיסים</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>שרת אותות</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>מספר לקוח</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>מספר מכשיר</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>קורא</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>כרטיס</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>מספר</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>מספר כרטיס</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>בדיקה</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>רישום</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>בחירת מצב דלת</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>השהיית כניסה</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>השהיית יציאה</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>זמן סגירת דלת</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>מצב דלת</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>זמן צופר</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>זמן דיווח קו</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>מספר ניסיונות תקשורת</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>הודעת דלת</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>בחירת לוח מקשים</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>מספר ראשי</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>מספר סיור</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>סיור שמירה</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>בשימוש</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>השהיה</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>שחזור</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>פעמון אזעקה</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>הערה</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>נטרול חלקי</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>קלט משתמש</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגור</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתח</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>ייצוא יומן אירועים</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>תנועת Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>קוד Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>הקלטת חירום</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>הקלטה מתוזמנת</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>בקרת PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>מצב פיצול</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>רזולוציית פיצול</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>איכות פיצול</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>מהירות פיצול</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>רזולוציית חלון קופץ</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>איכות חלון קופץ</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>מהירות חלון קופץ</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>פורט בשימוש</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>פורט שרת Web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>כתובת DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>מסך ניגון</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>לא בשימוש</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>תנועה + חיישן</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>דריסה</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>שעה/תאריך</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>סיסמה </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>דיסק קשיח</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>הגדרות ברירת מחדל</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>ניהול מערכת</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>הגדרת לחצנים</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>הגדרת יציאה טורית</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>רצף אוטומטי</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>יציאת ספוט</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>כיוון TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>כתובת IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>התראה</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>הגדרת קודק רשת</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>שם מצלמה</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>הגדרות PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>פרטיות</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>הגדרות הקלטה</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>לוח זמנים שבועי</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>הקלטת חגים</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>זיהוי תנועה </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>פעולת אירוע</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>מזהה </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>הגדרות יצרן</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>שדרוג F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>גיבוי תצורה</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>טעינת תצורה</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>נעילת מקשים אוטומטית</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>צפצוף מקשים</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>שורת מצב</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>כתובת DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>השתמש בפורט</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>פורט Web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>כניסת חיישן</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>סוג כניסה</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>תנועה </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>ערוץ חלון קופץ</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>משך חלון קופץ</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>יציאת ממסר</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>משך ממסר</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>זמזם פנימי</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>הזן מזהה שלט</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>שרת Push</translation>
    </message>
</context>
</TS>
