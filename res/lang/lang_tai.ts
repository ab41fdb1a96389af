<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>เมนู</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>ปิดเครื่อง</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>ตั้งค่า</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>การแสดงผล</translation>
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
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>อุปกรณ์</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>แบ่งจอ</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>สำรองข้อมูล</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>เล่นซ้ำทันที</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>วนภาพ</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>ข้อมูลระบบ</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ล็อก</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>บันทึกระบบ</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>เข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ซูม</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>ภาพสด</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>ดีอินเตอร์เลซ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>ปิดไฟ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>เวลา</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>เหตุการณ์</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>ไปที่</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>รีเฟรช</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>เล่น</translation>
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
        <translation>12 ชม.(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 ชม.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ชั่วโมง</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>วัน</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>สัปดาห์</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>เดือน</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>ต่ำ</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>กลาง</translation>
    </message>
    <message>
        <source>High</source>
        <translation>สูง</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>วินาที</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>min</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>On</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>เปิด/ปิด</translation>
    </message>
    <message>
        <source>All</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>วันอาทิตย์</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>วันจันทร์</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>วันอังคาร</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>วันพุธ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>วันพฤหัสบดี</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>วันศุกร์</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>วันเสาร์</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>วันหยุด</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>ข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>เสียงเตือน</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>ป๊อปอัพ</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>รีเลย์</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>อุณหภูมิ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>สี</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>สีอนาล็อก</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>ตารางเวลา</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>อินพุตเหตุการณ์</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>กล้อง</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>เสียง</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>ตรวจจับความเคลื่อนไหว</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>เอาต์พุตสัญญาณเตือน</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>ตัวควบคุม</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ที่อยู่</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>พอร์ต</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>อีเมล</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>วันที่/เวลา</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>สิทธิ์ผู้ใช้</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>สิทธิ์</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>พื้นที่จัดเก็บ</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>บันทึกระบบ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>เฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>การกำหนดค่า</translation>
    </message>
    <message>
        <source>S</source>
        <translation>อา</translation>
    </message>
    <message>
        <source>M</source>
        <translation>จ</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>อ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>พ</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>พฤ</translation>
    </message>
    <message>
        <source>F</source>
        <translation>ศ</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>เซนเซอร์</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>เคลื่อนไหว</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>สัญญาณภาพหาย</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>รวม</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>เขียนทับ HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>ฟอร์แมต</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>ยังไม่ฟอร์แมต</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>ฟอร์แมตอัตโนมัติ</translation>
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
        <translation>โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>สำเร็จ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>ความโปร่งใส</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>แถบข้อมูล</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>ต่อเนื่อง</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>ความละเอียด</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>ความละเอียดสูง</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>ความละเอียดต่ำ</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>คุณภาพ</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>สูงสุด</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>กลาง</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>ใช้กับทั้งหมด</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>ลบทั้งหมด</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้งาน</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>ซ่อน</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>เสียงออก</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>ความไว</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>เปิดทั้งหมด</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>ปิดทั้งหมด</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>อินพุตเซนเซอร์</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>ระยะเวลา</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>ไดรเวอร์</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>อัตราบอด</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID รีโมท</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>คีย์บอร์ดระบบ</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>อีเทอร์เน็ต</translation>
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
        <translation>ซับเน็ตมาสก์</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>เกตเวย์</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>ดูภาพ</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>เว็บ</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>ชื่อโดเมน</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP ที่เชื่อมต่อ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <source>To</source>
        <translation>ถึง</translation>
    </message>
    <message>
        <source>From</source>
        <translation>จาก</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>การยืนยันตัวตน</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>บัญชี</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC แอดเดรส</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>ตั้ง</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>เขตเวลา</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>เวลาออมแสง</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>ซิงค์</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>ข้อความบูต</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>จำกัด</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>End</source>
        <translation>สิ้นสุด</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>อัปเกรด</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>ชนิดสัญญาณ</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>ความสว่าง</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>คอนทราสต์</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>ความอิ่มสี</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>เฉดสี</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>อา.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>จ.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>อ.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>พ.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>พฤ.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ศ.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>ส.</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>วันหยุด</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>ก่อนเตือน</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>การประมาณ</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>โปรดรอ...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>เฉพาะที่</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>พาธ</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ชื่อไฟล์</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>ไม่มีอุปกรณ์ USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>ไม่มี HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>เต็ม</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>ความเร็วแพน</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>ความเร็วทิลต์</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>ทัวร์</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>พรีเซ็ต</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>โฟกัส</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>ไอริส</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>ล้มเหลว</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>ยืนยันรหัสผ่านไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>เริ่มระบบ</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>ปิดระบบ</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>อัปเกรดระบบ</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>รีเซ็ตผิดปกติ</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>เริ่มบันทึกฉุกเฉิน</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>หยุดบันทึกฉุกเฉิน</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>เข้าระบบ</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>ออกอัตโนมัติ</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>เริ่มตั้งค่า</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>หยุดตั้งค่า</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>เปลี่ยนการตั้งค่า</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>เริ่มค้นหา</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>หยุดค้นหา</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>เริ่มสำรองข้อมูล</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>หยุดสำรองข้อมูล</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>เริ่ม PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>หยุด PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>เชื่อมต่อเครือข่าย</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>อัปเกรดผ่านเครือข่าย</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>ส่งอีเมล</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>เสียบสายแลนแล้ว</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>ถอดสายแลนแล้ว</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>เปลี่ยนเวลาโดย NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>ข้อผิดพลาด S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD ร้อนเกิน</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>มีไฟล์ชื่อนี้แล้ว</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>มี ID นี้แล้ว</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>ป้อน</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>แน่ใจหรือไม่</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>บันทึกและออก</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>ไม่มีข้อมูล</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>พื้นที่ไม่พอ (มากกว่า 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>เปลี่ยนเวลาแล้ว</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>เรียกใช้</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>หยุดโดยผู้ใช้</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>กำลังอัปเดต</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS สูงสุดคือ</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>คัดลอกไฟล์</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>กำลังตรวจ Checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum ไม่ตรง</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum ถูกต้อง</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>กำลังดาวน์โหลด</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>กำลังอัปโหลด</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>เกินช่วง</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>ร้อนเกิน</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>ข้อมูลไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>เวอร์ชันปัจจุบัน</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>เวอร์ชันใหม่</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>เวลาแสดงวนภาพ</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>ป้อนรหัสผ่านเดิม</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>ป้อนรหัสผ่านใหม่</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>ยืนยันรหัสผ่าน</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>เวลาค้างพรีเซ็ต</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>ป้อนรหัสผ่าน</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>ป้อนชื่อ</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>ป้อนชื่อ DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>ป้อน IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>ป้อนซับเน็ตมาสก์</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>ป้อนเกตเวย์</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>ป้อน DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>ป้อน ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>ป้อนโดเมน</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>ป้อนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>ป้อนผู้รับ</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>ป้อนผู้ส่ง</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>ป้อนพอร์ต</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>ป้อนบัญชี</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>รูปแบบวันที่</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>รูปแบบเวลา</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>ตั้งค่าระยะไกล</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR ไม่ว่าง!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>ล้มเหลว!! การตั้งค่าไม่ถูกต้อง!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>ส่งออกไฟล์บันทึกระบบ</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>ไฟล์ข้อความ (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>นำเข้าไฟล์การกำหนดค่า</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>ล้มเหลว!! ไฟล์การกำหนดค่าไม่ถูกต้อง!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>ไฟล์การกำหนดค่า (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>ส่งออกไฟล์การกำหนดค่า</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>เปิดไฟล์เฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>ไฟล์เฟิร์มแวร์ (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>ไม่มีไฟล์เฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>อัปเกรดเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>ตรวจสอบ HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>เข้าระบบล้มเหลว</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>พบ USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>เมานต์ USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>นำเข้าการกำหนดค่า</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>การกำหนดค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>เมานต์ล้มเหลว</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>ไม่มีสิทธิ์</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>ล้างทั้งหมด</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>ตัวเลือกการค้นหา</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>โหมดเริ่มต้น</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>เหตุการณ์เริ่มต้น</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>ช่องเริ่มต้น</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>ช่วงเวลาเริ่มต้น</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>ค้นหาล้มเหลว</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>ชื่อ DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>เวอร์ชันเฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>นำเข้าไฟล์เฟิร์มแวร์</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>นำเข้าไฟล์การกำหนดค่า</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>ส่งออกไฟล์การกำหนดค่า</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>ชนิด DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>เซิร์ฟเวอร์ DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>รหัสผ่าน DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>ทดสอบ DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>ทดสอบ UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>ความละเอียด VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>เซิร์ฟเวอร์ NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>ตรวจสอบ NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>เซิร์ฟเวอร์ SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>เปิดอีเมล</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>ทดสอบอีเมล</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>ตั้งเหตุการณ์</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>ชนิดการบันทึก</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>บันทึกเสียง</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>บันทึกต่อเนื่อง</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>บันทึกตามเหตุการณ์</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>เปิดตารางเวลา</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>เปิดวันหยุด</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>เปิด S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>วันตรวจสอบ</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>เวลาตรวจสอบ</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>ผู้ใช้ดูภาพ</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>ผู้ใช้ค้นหา</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>ผู้ใช้ตั้งค่า</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>ลบอัตโนมัติ</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>ส่งออกไฟล์บันทึกระบบ</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>ตั้งค่ากล้อง</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>ซิงค์ NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>ส่งออกบันทึกระบบ</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>ส่งออกการกำหนดค่า</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>สร้าง DB ใหม่</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>ตรวจสอบ DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>ตอนนี้ถอดปลั๊กไฟได้อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>เพื่อปิดเครื่อง</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>อุปกรณ์กำลังใช้งาน สำรองข้อมูลไม่ได้</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>พื้นที่ส่วนตัว</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>แสดง PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>สร้างอิมเมจ ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>สร้างอิมเมจ ISO ล้มเหลว</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>กำลังเขียนแผ่น</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>เขียนแผ่นสำเร็จ</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>เขียนแผ่นล้มเหลว</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>กำลังปิดแผ่น</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>ผู้ส่ง</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>ผู้รับ</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>ควบคุม</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>มิเรอร์ดิสก์</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>พื้นที่ HDD ไม่พอ</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>พอร์ตฟอร์เวิร์ด</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>ต้องฟอร์แมต ดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>ชนิดเซนเซอร์</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>ซ่อนอัตโนมัติ</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>แสดงเสมอ</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>ซ่อนเสมอ</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>เวลาซ้อนทับกัน</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>จะโหลดข้อมูลล่าสุด ดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>สัญญาณเตือน</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>เพิ่มภาพ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>โหมด</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>การสลับ</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 จอ</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 จอ</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 จอ</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 จอ</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 จอ</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 จอ</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 จอ</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>แบนด์วิดท์</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>เต็มจอ อัตราส่วน 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>ทดสอบ uPNP</translation>
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
        <translation>ภาพย่อ</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>พาโนรามา</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>ตัวกรอง</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>ช่อง</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>ช่วงเวลา</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>คำเริ่มต้น</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>คำสิ้นสุด</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>คำที่ข้าม</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>จำนวนบรรทัดเพิ่ม</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>เวลาแสดงข้อความ</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>ตำแหน่งข้อความ</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>บนซ้าย</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>ล่างซ้าย</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>บนขวา</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>ล่างขวา</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot ป๊อปอัพ</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot ป๊อปอัพ</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>เสียงเข้า</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>แสดง POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>จำนวนวันบันทึกโดยประมาณ</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>เปอร์เซ็นต์</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>วันที่เก่าสุด</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>แสดงการใช้ HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>พอร์ตอนุกรม</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>เสียงปุ่ม</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>ใช้สตรีมบันทึก</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>เตือนตรวจ HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS อัตโนมัติ</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>ตรวจพบ</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>ภาพนิ่ง</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>หยุดภาพ</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>เต็มจอ</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>ทุกช่อง</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>ช่องที่แสดง</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>ข้อผิดพลาด/ทดสอบ</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>จัดสรรใหม่(เซกเตอร์)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>ใช้แล้ว(วัน)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>สถานะ S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>แสดงผล 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>วันปัจจุบัน</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>ทั้งวัน</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>วันที่ซ้อนทับ</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>เธรดบันทึกผิดพลาด</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD ผิดพลาด</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS ผิดพลาด</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>เขียน HDD ผิดพลาด</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>เขียน HDD ปกติ</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD ปกติ</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD เสีย</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>ข้อมูลบันทึกผิดพลาด</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>ข้อมูลบันทึกปกติ</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>บัฟเฟอร์บันทึกผิดพลาด</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>บัฟเฟอร์บันทึกปกติ</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>ข้อมูลเครือข่ายผิดพลาด</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>ข้อมูลเครือข่ายปกติ</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>ชิปหมดเวลา</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>ลำดับช่อง</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>ปิดเสียงเตือน</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>ปิดสัญญาณเตือน</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>ควบคุมสัญญาณเตือน</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>ข้ามสัญญาณภาพหาย</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>สัญญาณภาพหาย</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>มีสัญญาณภาพ</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>การบันทึกจะหยุด</translation>
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
        <translation>บันทึกเหตุการณ์</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>โปรโตคอล</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>วินาทีไม่มีการใช้งาน</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>เวลาแพ็กข้อมูล</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>ขนาดแพ็กข้อมูล</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>ถอดอุปกรณ์สำรองข้อมูลได้อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>เซิร์ฟเวอร์รักษาความปลอดภัย</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>เซิร์ฟเวอร์ภาพ</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>หมายเลขรักษาความปลอดภัย</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>หมายเลขรหัสผ่าน</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>โซนรักษาความปลอดภัย</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>ควบคุมรักษาความปลอดภัย</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>เครื่องอ่านบัตร</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>เซิร์ฟเวอร์สัญญาณ</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>หมายเลขลูกค้า</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>หมายเลขเครื่อง</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>เครื่องอ่าน</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>บัตร</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>หมายเลข</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>หมายเลขบัตร</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>ตรวจสอบ</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>ลงทะเบียน</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>เลือกโหมดประตู</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>หน่วงเวลาเข้า</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>หน่วงเวลาออก</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>เวลาปิดประตู</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>สถานะประตู</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>เวลาไซเรน</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>เวลารายงานสาย</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>จำนวนครั้งลองสื่อสาร</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>ข้อความประตู</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>เลือกแป้นกด</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>หมายเลขหลัก</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>หมายเลขลาดตระเวน</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>ลาดตระเวน</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>ใช้</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>หน่วงเวลา</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>คืนค่า</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>กริ่งเตือน</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>หมายเหตุ</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>ยกเลิกการเฝ้าบางส่วน</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>ผู้ใช้ป้อน</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>ส่งออกบันทึกเหตุการณ์</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo เคลื่อนไหว</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>รหัสเว็บ</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>บันทึกฉุกเฉิน</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>บันทึกตามตาราง</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>ควบคุม PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>โหมดแบ่งจอ</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>ความละเอียดแบ่งจอ</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>คุณภาพแบ่งจอ</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>ความเร็วแบ่งจอ</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>ความละเอียดป๊อปอัพ</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>คุณภาพป๊อปอัพ</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>ความเร็วป๊อปอัพ</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>พอร์ตที่ใช้</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>พอร์ตเว็บเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>ที่อยู่ DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>หน้าจอเล่นภาพ</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>ไม่ใช้</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>เคลื่อนไหว + เซนเซอร์</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>ดิสก์เต็ม</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>เขียนทับ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>เวลา/วันที่</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>รหัสผ่าน </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>ฮาร์ดดิสก์</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>ตั้งค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>การจัดการระบบ</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>ตั้งค่าปุ่ม</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>ตั้งค่าพอร์ตอนุกรม</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>วนภาพอัตโนมัติ</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot ออก</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>ปรับทีวี</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP แอดเดรส</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>การแจ้งเตือน</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>ตั้งค่าโคเดกเครือข่าย</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>ชื่อกล้อง</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>ตั้งค่า PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>ความเป็นส่วนตัว</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>ตั้งค่าการบันทึก</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>ตารางรายสัปดาห์</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>บันทึกวันหยุด</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>ตรวจจับความเคลื่อนไหว </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>การตอบสนองเหตุการณ์</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>ค่าจากโรงงาน</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>อัปเกรด F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>สำรองการกำหนดค่า</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>โหลดการกำหนดค่า</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>ล็อกปุ่มอัตโนมัติ</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>เสียงบี๊บปุ่ม</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>แถบสถานะ</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>ที่อยู่ DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>ใช้พอร์ต</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>พอร์ตเว็บ</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>อินพุตเซนเซอร์</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>ชนิดอินพุต</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>เคลื่อนไหว </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>ช่องป๊อปอัพ</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>เวลาป๊อปอัพ</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>เอาต์พุตรีเลย์</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>เวลารีเลย์</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>เสียงเตือนภายใน</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>ป้อน ID รีโมท</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>เซิร์ฟเวอร์ Push</translation>
    </message>
</context>
</TS>
