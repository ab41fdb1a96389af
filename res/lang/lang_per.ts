<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>منو</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>خاموش کردن</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HD Spot</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>ضبط</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>دستگاه</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>شبکه</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سیستم</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>جستجو</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسیم تصویر</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>پشتیبان‌گیری</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>پخش فوری</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>نمایش ترتیبی</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>اطلاعات سیستم</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>گزارش سیستم</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ورود</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>بزرگنمایی</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>تصویر زنده</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>حذف اینترلیس</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>قطع برق</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>رویداد</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>برو به</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>بازخوانی</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>گزینه</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>وارد کردن</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>پخش</translation>
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
        <translation>12 ساعته(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 ساعته</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>هفته</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>کم</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>High</source>
        <translation>زیاد</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>min</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>On</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>روشن/خاموش</translation>
    </message>
    <message>
        <source>All</source>
        <translation>همه</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>یکشنبه</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>دوشنبه</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>سه‌شنبه</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>چهارشنبه</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>پنجشنبه</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعه</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>شنبه</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>تعطیل</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>خطاها</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>بوق</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>پاپ‌آپ</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>رله</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>دما</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>رنگ</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>رنگ آنالوگ</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>گروه</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>زمان‌بندی</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>ورودی رویداد</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>دوربین</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>تشخیص حرکت</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>خروجی هشدار</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>کنترلر</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>آدرس</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>پورت</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>وضعیت</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>ایمیل</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>تاریخ/زمان</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>سطح دسترسی کاربر</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>دسترسی</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ذخیره‌سازی</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>گزارش سیستم</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>فریمور</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>پیش‌فرض</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>پیکربندی</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ی</translation>
    </message>
    <message>
        <source>M</source>
        <translation>د</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>س</translation>
    </message>
    <message>
        <source>W</source>
        <translation>چ</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>پ</translation>
    </message>
    <message>
        <source>F</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>سنسور</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>حرکت</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>قطع تصویر</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>کل</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>بازنویسی HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>فرمت</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>فرمت نشده</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>فرمت خودکار</translation>
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
        <translation>لطفاً دوباره تلاش کنید</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>موفق</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>مکث</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>شفافیت</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>نوار اطلاعات</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>پیوسته</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>وضوح</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>وضوح بالا</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>وضوح پایین</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>کیفیت</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>عالی</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>اعمال به همه</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>حذف همه</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>غیرفعال</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>مخفی</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>خروجی صدا</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>حساسیت</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>همه روشن</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>همه خاموش</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>ورودی سنسور</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>مدت</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>درایور</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>نرخ باد</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>شناسه کنترل از راه دور</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>صفحه‌کلید سیستم</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>اترنت</translation>
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
        <translation>ماسک زیرشبکه</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>دروازه</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>مشاهده</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>وب</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>نام دامنه</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>رمز عبور</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP متصل</translation>
    </message>
    <message>
        <source>User</source>
        <translation>کاربر</translation>
    </message>
    <message>
        <source>To</source>
        <translation>به</translation>
    </message>
    <message>
        <source>From</source>
        <translation>از</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>احراز هویت</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>آدرس MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>تنظیم</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>منطقه زمانی</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ساعت تابستانی</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>همگام‌سازی</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>پیام راه‌اندازی</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>محدودیت</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>End</source>
        <translation>پایان</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>ارتقا</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>خروجی گرفتن</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>شناسه</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>نوع سیگنال</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>روشنایی</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>کنتراست</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>اشباع رنگ</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>ته‌رنگ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>ی</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>د</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>س</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>چ</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>پ</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ش</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>تعطیل</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>پیش‌هشدار</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>تخمین</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>لطفاً صبر کنید...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>محلی</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>مسیر</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>نام فایل</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>بدون دستگاه USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>بدون HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>پر</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>سرعت چرخش افقی</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>سرعت چرخش عمودی</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>تور</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>پریست</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>فوکوس</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>دیافراگم</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>ناموفق</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>اخطار</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>تأیید رمز عبور صحیح نبود</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>شروع سیستم</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>خاموشی سیستم</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>ارتقای سیستم</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>ریست غیرعادی</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>شروع ضبط اضطراری</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>پایان ضبط اضطراری</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>ورود</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>خروج خودکار</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>شروع تنظیمات</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>پایان تنظیمات</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>تغییر تنظیمات</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>شروع جستجو</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>پایان جستجو</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>شروع پشتیبان‌گیری</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>پایان پشتیبان‌گیری</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>شروع PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>پایان PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>اتصال شبکه</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>ارتقا از شبکه</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>ارسال ایمیل</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>کابل شبکه وصل شد</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>کابل شبکه قطع شد</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>تغییر زمان با NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>خطای S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>داغ شدن HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>فایل مشابه وجود دارد</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>شناسه مشابه وجود دارد</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>ثبت</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>آیا مطمئن هستید</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>ذخیره و خروج</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>داده‌ای نیست</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>فضا کافی نیست (بیش از 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>زمان تغییر کرد</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>اجرا</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>توقف توسط کاربر</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>دانلود</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>در حال به‌روزرسانی</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>حداکثر FPS برابر است با</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>کپی فایل‌ها</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>بررسی Checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>عدم تطابق Checksum</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum صحیح</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>در حال دانلود</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>در حال آپلود</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>خارج از محدوده</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>داغ شدن</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>داده نامعتبر</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>نسخه فعلی</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>نسخه جدید</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>زمان توقف ترتیبی</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>رمز قدیمی را وارد کنید</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>رمز جدید را وارد کنید</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>تأیید رمز عبور</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>زمان توقف پریست</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>رمز عبور را وارد کنید</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>نام را وارد کنید</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>نام DVR را وارد کنید</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IP را وارد کنید</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>ماسک زیرشبکه را وارد کنید</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>دروازه را وارد کنید</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS IP را وارد کنید</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>شناسه را وارد کنید</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>دامنه را وارد کنید</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>سرور را وارد کنید</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>گیرنده را وارد کنید</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>فرستنده را وارد کنید</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>پورت را وارد کنید</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>حساب را وارد کنید</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>قالب تاریخ</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>قالب زمان</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>تنظیم از راه دور</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR مشغول است!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>ناموفق!! تنظیم نامعتبر!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>خروجی فایل گزارش سیستم</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>فایل‌های متنی (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>وارد کردن فایل پیکربندی</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>ناموفق!! فایل پیکربندی نامعتبر!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>فایل‌های پیکربندی (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>خروجی فایل پیکربندی</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>باز کردن فایل فریمور</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>فایل‌های فریمور (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>فایل فریمور وجود ندارد</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>ارتقای فریمور</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>بررسی HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>ورود ناموفق</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB شناسایی شد</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>اتصال USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>وارد کردن پیکربندی</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>پیکربندی پیش‌فرض</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>اتصال ناموفق</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>اجازه دسترسی نیست</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>پاک کردن همه</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>گزینه جستجو</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>حالت پیش‌فرض</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>رویداد پیش‌فرض</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>کانال پیش‌فرض</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>فاصله پیش‌فرض</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>جستجو ناموفق</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>نام DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>نسخه فریمور</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>وارد کردن فایل فریمور</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>وارد کردن فایل پیکربندی</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>خروجی فایل پیکربندی</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>نوع DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>سرور DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>رمز DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>آزمایش DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>آزمایش UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>وضوح VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>سرور NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>بررسی NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>سرور SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>ایمیل روشن</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>آزمایش ایمیل</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>تنظیم رویداد</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>نوع ضبط</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>ضبط صدا</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>ضبط پیوسته</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>ضبط رویداد</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>زمان‌بندی روشن</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>تعطیلات روشن</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. روشن</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>روز بررسی</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>زمان بررسی</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>کاربر مشاهده</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>کاربر جستجو</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>کاربر تنظیمات</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>حذف خودکار</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>خروجی فایل گزارش سیستم</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>تنظیم دوربین</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>همگام‌سازی NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>خروجی گزارش سیستم</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>خروجی پیکربندی</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>بازسازی DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>بررسی DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>اکنون می‌توانید برق را با خیال راحت قطع کنید</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>برای خاموش کردن دستگاه</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>دستگاه در حال استفاده است، پشتیبان‌گیری ممکن نیست</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>ناحیه خصوصی</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>نمایش PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ساخت ایمیج ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ساخت ایمیج ISO ناموفق</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>در حال رایت</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>رایت موفق</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>رایت ناموفق</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>در حال نهایی‌سازی</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>فرستنده</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>گیرنده</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>کنترل</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>آینه‌سازی دیسک</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>فضای HDD کافی نیست</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>پورت فورواردینگ</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>نیاز به فرمت، ادامه می‌دهید</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>نوع سنسور</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>پنهان خودکار</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>همیشه نمایش</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>همیشه پنهان</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>زمان‌ها هم‌پوشانی دارند</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>آخرین داده‌ها بارگذاری می‌شوند، ادامه می‌دهید</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>افزودن تصویر</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>حالت</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>تعویض</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 تصویر</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 تصویر</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 تصویر</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 تصویر</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 تصویر</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 تصویر</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 تصویر</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>پهنای باند</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>تمام صفحه نسبت 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>آزمایش uPNP</translation>
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
        <translation>تصویر کوچک</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>پانوراما</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>فیلتر</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>کانال</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>فاصله زمانی</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>کلمه شروع</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>کلمه پایان</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>کلمه نادیده</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>تعداد خط اضافه</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>مدت نمایش متن</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>محل نمایش متن</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>بالا چپ</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>پایین چپ</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>بالا راست</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>پایین راست</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>پاپ‌آپ Spot</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>پاپ‌آپ HD Spot</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>ورودی صدا</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>نمایش POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>روزهای تخمینی ضبط</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>درصد</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>قدیمی‌ترین تاریخ</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>نمایش مصرف HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>سریال</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>صدای کلید</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>استفاده از استریم ضبط</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>هشدار بررسی HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS خودکار</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>شناسایی شد</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>عکس فوری</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>فریز تصویر</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>تمام صفحه</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>همه کانال‌ها</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>کانال‌های قابل مشاهده</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>خطا/آزمایش</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>جابجایی(سکتور)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>استفاده(روز)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>وضعیت S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>نمایش 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>روز جاری</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>تمام روز</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>هم‌پوشانی تاریخ</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>خطای رشته ضبط</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>خطای HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>خطای XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>خطای نوشتن HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>نوشتن HDD سالم</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD سالم</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD خراب</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>خطای داده ضبط</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>داده ضبط سالم</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>خطای بافر ضبط</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>بافر ضبط سالم</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>خطای داده شبکه</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>داده شبکه سالم</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>پایان مهلت تراشه</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>شماره کانال</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>بوق خاموش</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>هشدار خاموش</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>کنترل هشدار</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>روشن کردن</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>خاموش کردن</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>رد کردن قطع تصویر</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>قطع تصویر</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>ورود تصویر</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>ضبط متوقف خواهد شد</translation>
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
        <translation>گزارش رویداد</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>سرور</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>پروتکل</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>ثانیه عدم فعالیت</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>زمان بسته‌بندی داده</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>اندازه بسته‌بندی داده</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>جدا کردن دستگاه پشتیبان ایمن است</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>سرور نگهبانی</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>سرور تصویر</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>شماره نگهبانی</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>شماره رمز</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>ناحیه نگهبانی</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>کنترل نگهبانی</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>کارت‌خوان</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>سرور سیگنال</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>شماره مشتری</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>شماره دستگاه</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>خواننده</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>کارت</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>شماره</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>شماره کارت</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>بررسی</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>ثبت‌نام</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>انتخاب حالت در</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>تأخیر ورود</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>تأخیر خروج</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>زمان بستن در</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>وضعیت در</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>زمان آژیر</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>زمان گزارش خط</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>تعداد تلاش ارتباط</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>پیام در</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>انتخاب صفحه‌کلید</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>شماره اصلی</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>شماره گشت</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>گشت</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>استفاده</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>تأخیر</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>بازیابی</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>زنگ هشدار</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>توضیح</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>لغو جزئی نگهبانی</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>ورودی کاربر</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>خروجی گزارش رویداد</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>حرکت Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>کد وب</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>ضبط اضطراری</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>ضبط زمان‌بندی‌شده</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>کنترل PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>حالت تقسیم</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>وضوح تقسیم</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>کیفیت تقسیم</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>سرعت تقسیم</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>وضوح پاپ‌آپ</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>کیفیت پاپ‌آپ</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>سرعت پاپ‌آپ</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>پورت مورد استفاده</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>پورت سرور وب</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>آدرس DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>صفحه پخش</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>عدم استفاده</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>حرکت + سنسور</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>دیسک پر است</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>بازنویسی</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>اطلاعات</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>زمان/تاریخ</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>رمز عبور </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>هارد دیسک</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>تنظیمات پیش‌فرض</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>مدیریت سیستم</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>تنظیم دکمه‌ها</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>تنظیم پورت سریال</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>نمایش ترتیبی خودکار</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>خروجی Spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>تنظیم TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>آدرس IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>اعلان</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>تنظیم کدک شبکه</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>عنوان دوربین</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>تنظیم PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>حریم خصوصی</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>تنظیم ضبط</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>زمان‌بندی هفتگی</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>ضبط تعطیلات</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>تشخیص حرکت </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>اقدام رویداد</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>نسخه</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>شناسه </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>تنظیمات کارخانه</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>ارتقای F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>پشتیبان پیکربندی</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>بارگذاری پیکربندی</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>قفل خودکار کلید</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>بوق کلید</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>نوار وضعیت</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>آدرس DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>استفاده از پورت</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>پورت وب</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>ورودی سنسور</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>نوع ورودی</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>حرکت </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>کانال پاپ‌آپ</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>مدت پاپ‌آپ</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>خروجی رله</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>مدت رله</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>بوق داخلی</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>شناسه ریموت را وارد کنید</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>سرور Push</translation>
    </message>
</context>
</TS>
