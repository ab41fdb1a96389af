<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>關機</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
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
        <translation>錄影</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>即時重播</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>輪跳</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系統資訊</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>系統日誌</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>回到即時</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>去交錯</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>關閉電源</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>跳至</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 小時(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 小時</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>開/關</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>假日</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>蜂鳴器</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>彈出</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>繼電器</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>溫度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色彩</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>類比色彩</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>群組</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>排程</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>事件輸入</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移動偵測</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>警報輸出</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>埠</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/時間</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>使用者權限</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>權限</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>系統日誌</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>韌體</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>組態</translation>
    </message>
    <message>
        <source>S</source>
        <translation>日</translation>
    </message>
    <message>
        <source>M</source>
        <translation>一</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>二</translation>
    </message>
    <message>
        <source>W</source>
        <translation>三</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>四</translation>
    </message>
    <message>
        <source>F</source>
        <translation>五</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>感應器</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>視訊遺失</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>總計</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>硬碟</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>硬碟覆寫</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式化</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>未格式化</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>自動格式化</translation>
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
        <translation>請再試一次</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>資訊列</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>連續</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>高解析度</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>低解析度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>超高</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>全部套用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>音訊輸出</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>靈敏度</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>全部開</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>全部關</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>感應器輸入</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持續時間</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>驅動程式</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>遙控器 ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>系統鍵盤</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>乙太網路</translation>
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
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>監看</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>網頁</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>網域名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>已連線 IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>To</source>
        <translation>收件者</translation>
    </message>
    <message>
        <source>From</source>
        <translation>寄件者</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>時區</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>日光節約時間</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>開機訊息</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限制</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>訊號類型</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>對比</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色調</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>六</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>假</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>預警</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>估計</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本機</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>無 USB 裝置</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>無硬碟</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>已滿</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>水平速度</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>垂直速度</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>巡航</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預置點</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>光圈</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>密碼確認不正確</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>系統啟動</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>系統關機</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系統升級</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>異常重置</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>緊急錄影開始</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>緊急錄影停止</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>自動登出</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>設定開始</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>設定結束</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>設定變更</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>搜尋開始</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>搜尋結束</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>備份開始</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>備份結束</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ 開始</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ 結束</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>網路連線</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>網路升級</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>寄送郵件</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>網路線已連接</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>網路線已中斷</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP 時間變更</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T 錯誤</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>硬碟過熱</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>檔案已存在</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID 已存在</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>確定嗎</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>儲存並離開</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>無資料</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>空間不足(需大於 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>時間已變更</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>使用者停止</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>更新中</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>最大 FPS 為</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>複製檔案</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>檢查校驗碼</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>校驗碼不符</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>校驗碼正確</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>下載中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>上傳中</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>過熱</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>資料無效</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>目前版本</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>輪跳停留時間</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>輸入舊密碼</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>輸入新密碼</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>確認密碼</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>預置點停留時間</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>輸入名稱</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>輸入 DVR 名稱</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>輸入 IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>輸入子網路遮罩</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>輸入閘道</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>輸入 DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>輸入 ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>輸入網域</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>輸入伺服器</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>輸入收件者</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>輸入寄件者</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>輸入埠</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>輸入帳號</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>時間格式</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>遠端設定</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR 忙碌中!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>失敗!! 設定無效!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>匯出系統日誌檔</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>匯入組態檔</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>失敗!! 組態檔無效!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>組態檔 (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>匯出組態檔</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>開啟韌體檔</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>韌體檔 (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>無韌體檔</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>韌體升級</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>硬碟檢查</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>登入失敗</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>偵測到 USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB 掛載</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>組態匯入</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>預設組態</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>掛載失敗</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>無權限</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>搜尋選項</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>預設模式</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>預設事件</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>預設頻道</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>預設間隔</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>搜尋失敗</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR 名稱</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>韌體版本</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>韌體檔匯入</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>組態檔匯入</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>組態檔匯出</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS 類型</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS 伺服器</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS 密碼</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS 測試</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP 測試</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA 解析度</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP 伺服器</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP 檢查</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP 伺服器</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>郵件開啟</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>郵件測試</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>事件設定</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>錄影類型</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>錄音</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>連續錄影</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>事件錄影</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>排程開啟</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>假日開啟</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. 開啟</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>檢查日</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>檢查時間</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>監看使用者</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>搜尋使用者</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>設定使用者</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>自動刪除</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>系統日誌檔匯出</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>攝影機設定</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP 同步</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>系統日誌匯出</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>組態匯出</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>重建資料庫</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>檢查資料庫</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>現在可以安全拔除電源</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>以關閉本機</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>裝置使用中，無法備份</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>隱私區域</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>顯示 PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>製作 ISO 映像</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>製作 ISO 映像失敗</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>燒錄中</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>燒錄成功</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>燒錄失敗</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>封片中</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>寄件者</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>收件者</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>磁碟鏡像</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>硬碟空間不足</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>通訊埠轉送</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>需要格式化，是否繼續</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>感應器類型</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>自動隱藏</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>總是顯示</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>總是隱藏</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>時間重疊</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>將載入最新資料，是否繼續</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警報</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>新增影像</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>切換</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 畫面</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 畫面</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 畫面</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 畫面</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 畫面</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 畫面</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 畫面</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>頻寬</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>全螢幕 4:3 比例</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP 測試</translation>
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
        <translation>縮圖</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>起始字</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>結束字</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>忽略字</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>附加行數</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>文字疊加時間</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>疊加位置</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot 彈出</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot 彈出</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>音訊輸入</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>顯示 POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>預估錄影天數</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>最舊日期</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>顯示硬碟使用量</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列埠</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>按鍵蜂鳴</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>使用錄影串流</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>硬碟檢查警報</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS 自動</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>已偵測</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>凍結</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>所有頻道</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>可見頻道</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>錯誤/測試</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>重新配置(磁區)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>已使用(天)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T 狀態</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3 顯示</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>當日</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>日期重疊</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>錄影執行緒錯誤</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>硬碟錯誤</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS 錯誤</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>硬碟寫入錯誤</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>硬碟寫入正常</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>資料庫硬碟正常</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>資料庫硬碟異常</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>錄影資料錯誤</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>錄影資料正常</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>錄影緩衝錯誤</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>錄影緩衝正常</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>網路資料錯誤</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>網路資料正常</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>晶片逾時</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>頻道索引</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>蜂鳴器關閉</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>警報關閉</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>警報控制</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>略過視訊遺失</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>視訊遺失</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>視訊輸入</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>錄影將停止</translation>
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
        <translation>事件日誌</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>通訊協定</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>閒置秒數</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>資料封裝時間</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>資料封裝大小</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>可安全移除備份裝置</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>保全伺服器</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>影像伺服器</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>保全編號</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>密碼編號</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>保全區域</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>保全控制</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>讀卡機</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>訊號伺服器</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>客戶編號</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>機器編號</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>讀卡器</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>卡片</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>卡號</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>檢查</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>註冊</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>門模式選擇</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>進入延遲</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>外出延遲</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>關門時間</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>門狀態</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>警笛時間</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>線路回報時間</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>通訊重試次數</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>門語音</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>鍵盤選擇</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>主編號</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>巡邏編號</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>巡邏</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>警鈴</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>部分解除保全</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>使用者輸入</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>事件日誌匯出</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo 移動</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>網頁代碼</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>緊急錄影</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>排程錄影</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ 控制</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>分割模式</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>分割解析度</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>分割畫質</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>分割速度</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>彈出解析度</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>彈出畫質</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>彈出速度</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>使用中的埠</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>網頁伺服器埠</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS 位址</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>回放畫面</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>不使用</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>移動 + 感應器</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>時間/日期</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>密碼 </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>硬碟</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>預設設定</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>系統管理</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>序列埠設定</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>自動輪跳</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot 輸出</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>電視調整</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>網路編碼設定</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>攝影機標題</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ 設定</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隱私</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>錄影設定</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>每週排程</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>假日錄影</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>移動偵測 </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>事件動作</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>出廠設定</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>韌體升級</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>組態備份</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>組態載入</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>自動按鍵鎖定</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>按鍵音</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>狀態列</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS 位址</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>使用埠</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>網頁埠</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>感應器輸入</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>輸入類型</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>移動 </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>彈出頻道</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>彈出時間</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>繼電器輸出</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>繼電器時間</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>內建蜂鳴器</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>輸入遙控器 ID</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>推播伺服器</translation>
    </message>
</context>
</TS>
