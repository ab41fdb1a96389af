<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD/DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Med</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPPoE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eSATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eSATA1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eSATA2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VELOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
