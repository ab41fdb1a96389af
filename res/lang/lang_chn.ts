<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>辅助输出</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HD辅助输出</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>即时回放</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>云台</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>轮巡</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>系统日志</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>返回预览</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>关闭电源</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>12小时(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24小时</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
        <translation>分钟</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>开/关</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>蜂鸣器</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>弹出</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>继电器</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>模拟颜色</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>事件输入</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像机</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>报警输出</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>用户权限</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>系统日志</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
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
        <translation>传感器</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>视频丢失</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>硬盘覆盖</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
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
        <translation>自动格式化</translation>
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
        <translation>请重试</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
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
        <translation>信息栏</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>高分辨率</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>低分辨率</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画质</translation>
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
        <translation>全部应用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>隐蔽</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>音频输出</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>全开</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>全关</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>传感器输入</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>驱动</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>遥控器ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>系统键盘</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>以太网</translation>
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
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>域名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>已连接IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>To</source>
        <translation>收件人</translation>
    </message>
    <message>
        <source>From</source>
        <translation>发件人</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>认证</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设定</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>开机信息</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限制</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>信号类型</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
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
        <translation>假日</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>预报警</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>估算</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>无USB设备</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>无硬盘</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>满</translation>
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
        <translation>预置位</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>聚焦</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>光圈</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>密码确认不正确</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>系统启动</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>系统关机</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系统升级</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>异常重启</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>紧急录像开始</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>紧急录像停止</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>自动注销</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>设置开始</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>设置结束</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>设置已更改</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>搜索开始</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>搜索结束</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>备份开始</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>备份结束</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>云台开始</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>云台结束</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>网络连接</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>网络升级</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>发送邮件</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>网线已连接</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>网线已断开</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP时间更改</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T错误</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>硬盘过热</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID已存在</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>确定吗</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>保存并退出</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>空间不足(需大于50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>时间已更改</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>用户停止</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>正在更新</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>最大帧率为</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>复制文件</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>校验和错误</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>校验和正确</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>过热</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>无效数据</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>当前版本</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>轮巡停留时间</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>输入旧密码</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>输入新密码</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>预置位停留时间</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>输入名称</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>输入DVR名称</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>输入IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>输入子网掩码</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>输入网关</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>输入DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>输入ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>输入域名</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>输入服务器</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>输入收件人</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>输入发件人</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>输入端口</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>输入账号</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>远程设置</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR忙!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>失败!! 设置无效!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>导出系统日志文件</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>失败!! 配置文件无效!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>配置文件 (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>固件文件 (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>无固件文件</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>硬盘检查</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>登录失败</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>检测到USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB已挂载</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>配置导入</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>默认配置</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>挂载失败</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>无权限</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>搜索选项</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>默认模式</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>默认事件</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>默认通道</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>默认间隔</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>搜索失败</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR名称</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>固件文件导入</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>配置文件导入</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>配置文件导出</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS类型</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS服务器</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS密码</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS测试</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP测试</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA分辨率</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP服务器</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP检查</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP服务器</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>邮件开启</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>邮件测试</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>事件设置</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>录像类型</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>事件录像</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>计划开启</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>假日开启</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T.开启</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>检查日</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>检查时间</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>预览用户</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>搜索用户</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>设置用户</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>自动删除</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>系统日志文件导出</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>摄像机设置</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP同步</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>系统日志导出</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>配置导出</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>重建数据库</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>检查数据库</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>现在可以安全断开电源</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>以关闭设备</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>设备正在使用，无法备份</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>隐私区域</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>画中画显示</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>生成ISO镜像</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>生成ISO镜像失败</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>刻录中</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>刻录成功</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>刻录失败</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>正在封盘</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>发件人</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>收件人</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>磁盘镜像</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>硬盘空间不足</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>端口转发</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>需要格式化，是否继续</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>传感器类型</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>自动隐藏</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>始终显示</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>始终隐藏</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>时间重叠</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>将加载最新数据，是否继续</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图像</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1画面</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4画面</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9画面</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16画面</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20画面</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25画面</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32画面</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>全屏4:3比例</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP测试</translation>
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
        <translation>缩略图</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>过滤</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>起始词</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>结束词</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>忽略词</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>附加行数</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>文字叠加时长</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>叠加位置</translation>
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
        <translation>辅助弹出</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD辅助弹出</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>音频输入</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>显示POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>预计录像天数</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>最早日期</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>显示硬盘使用</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>使用录像码流</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>硬盘检查报警</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>自动DNS</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>已检测</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>抓图</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>所有通道</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>可见通道</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>错误/测试</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>重映射(扇区)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>已用(天)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T状态</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3显示</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>当天</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>日期重叠</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>录像线程错误</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>硬盘错误</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS错误</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>硬盘写入错误</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>硬盘写入正常</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>数据库硬盘正常</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>数据库硬盘故障</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>录像数据错误</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>录像数据正常</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>录像缓存错误</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>录像缓存正常</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>网络数据错误</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>网络数据正常</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>芯片超时</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>通道号</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>蜂鸣器关</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>报警关</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>报警控制</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>跳过视频丢失</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>视频丢失</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>视频输入</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>录像将停止</translation>
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
        <translation>事件日志</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>无操作秒数</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>打包时间</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>打包大小</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>可以安全移除备份设备</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>安保服务器</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>图像服务器</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>安保编号</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>密码编号</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>安保防区</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>安保控制</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>读卡器</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>信号服务器</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>设备编号</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>读卡器</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>卡</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>卡号</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>门模式选择</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>进入延时</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>退出延时</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>关门时间</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>门状态</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>警笛时间</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>线路报告时间</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>通信重试次数</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>门提示音</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>键盘选择</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>主编号</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>巡更编号</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>巡更</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>警铃</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>部分撤防</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>用户输入</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>事件日志导出</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo移动</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web代码</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>紧急录像</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>计划录像</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>云台控制</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>分割模式</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>分割分辨率</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>分割画质</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>分割帧率</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>弹出分辨率</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>弹出画质</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>弹出帧率</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>已用端口</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Web服务器端口</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS地址</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>回放画面</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>不使用</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>移动 + 传感器</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>时间/日期</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>密码 </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>默认设置</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>系统管理</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>自动轮巡</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>辅助输出</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV调整</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>网络编码设置</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>摄像机标题</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>云台设置</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>录像设置</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>周计划</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>假日录像</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>移动侦测 </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>事件动作</translation>
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
        <translation>出厂设置</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>配置备份</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>配置加载</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>自动键盘锁</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS地址</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>使用端口</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web端口</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>传感器输入</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>输入类型</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>移动 </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>弹出通道</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>弹出时长</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>继电器输出</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>继电器时长</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>内置蜂鸣器</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>输入遥控器ID</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>推送服务器</translation>
    </message>
</context>
</TS>
