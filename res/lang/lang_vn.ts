<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Tắt máy</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Hiển thị</translation>
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
        <translation>Ghi hình</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Thiết bị</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mạng</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Hệ thống</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Chia hình</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sao lưu</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Xem lại nhanh</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Tuần tự</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Thông tin hệ thống</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Khóa</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Nhật ký hệ thống</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Xem trực tiếp</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Khử xen kẽ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>HỦY</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>CÓ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>KHÔNG</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Tắt nguồn</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Giờ</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Sự kiện</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Đi đến</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Nhập</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
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
        <translation>12 giờ(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 giờ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Giờ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tuần</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Tháng</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Thấp</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Cao</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>giây</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Phút</translation>
    </message>
    <message>
        <source>min</source>
        <translation>phút</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Bật/Tắt</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Chủ nhật</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Thứ hai</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Thứ ba</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Thứ tư</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thứ năm</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Thứ sáu</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Thứ bảy</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Ngày lễ</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Còi</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Cửa sổ bật</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Rơ-le</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Nhiệt độ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Màu</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Màu analog</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Nhóm</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Lịch</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Đầu vào sự kiện</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Phát hiện chuyển động</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Ngõ ra báo động</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Bộ điều khiển</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Cổng</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Ngày/Giờ</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Quyền người dùng</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Quyền</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lưu trữ</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Nhật ký hệ thống</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Mặc định</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Cấu hình</translation>
    </message>
    <message>
        <source>S</source>
        <translation>CN</translation>
    </message>
    <message>
        <source>M</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>W</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>F</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Cảm biến</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Chuyển động</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Mất video</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Tổng</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Ghi đè HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Định dạng</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Chưa định dạng</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Tự định dạng</translation>
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
        <translation>Vui lòng thử lại</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Độ trong suốt</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Thanh thông tin</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Liên tục</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Độ phân giải</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Độ phân giải cao</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Độ phân giải thấp</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Chất lượng</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Siêu cao</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Áp dụng tất cả</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vô hiệu</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Ẩn</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Ngõ ra âm thanh</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Độ nhạy</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Bật tất cả</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tắt tất cả</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Đầu vào cảm biến</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Thời lượng</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Tốc độ baud</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID điều khiển từ xa</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Bàn phím hệ thống</translation>
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
        <translation>Mặt nạ mạng con</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Xem</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Tên miền</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP đã kết nối</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Người dùng</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Đến</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Từ</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Xác thực</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Tài khoản</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Địa chỉ MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Đặt</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Múi giờ</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Giờ mùa hè</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Đồng bộ</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Thông báo khởi động</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Giới hạn</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Kết thúc</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Nâng cấp</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Xuất</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Loại tín hiệu</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Độ sáng</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Độ tương phản</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Độ bão hòa</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Sắc độ</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>CN</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>T7</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Lễ</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Trước báo động</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Ước tính</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vui lòng chờ...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Cục bộ</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Đường dẫn</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Tên tệp</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Không có thiết bị USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Không có HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Đầy</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Tốc độ quay ngang</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Tốc độ quay dọc</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Tuần tra</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Điểm đặt trước</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Lấy nét</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Khẩu độ</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Thất bại</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Mật khẩu xác nhận không đúng</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Khởi động hệ thống</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Tắt hệ thống</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Nâng cấp hệ thống</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Khởi động lại bất thường</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Bắt đầu ghi khẩn cấp</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Dừng ghi khẩn cấp</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Tự đăng xuất</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Bắt đầu cài đặt</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Kết thúc cài đặt</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Đã đổi cài đặt</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Bắt đầu tìm kiếm</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Kết thúc tìm kiếm</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Bắt đầu sao lưu</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Kết thúc sao lưu</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Bắt đầu PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Dừng PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Kết nối mạng</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Nâng cấp qua mạng</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Gửi e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Đã cắm cáp mạng</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Đã rút cáp mạng</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Đổi giờ theo NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Lỗi S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD quá nhiệt</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Tệp đã tồn tại</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID đã tồn tại</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Bạn có chắc không</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Lưu và thoát</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Không có dữ liệu</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Hết dung lượng (cần hơn 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Đã đổi giờ</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Chạy</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Người dùng dừng</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Đang cập nhật</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS tối đa là</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Sao chép tệp</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Đang kiểm tra checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum không khớp</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Đang tải xuống</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Đang tải lên</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Ngoài phạm vi</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Quá nhiệt</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dữ liệu không hợp lệ</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Phiên bản hiện tại</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Phiên bản mới</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Thời gian dừng tuần tự</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Nhập mật khẩu cũ</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Nhập mật khẩu mới</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Xác nhận mật khẩu</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Thời gian dừng điểm đặt</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Nhập mật khẩu</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Nhập tên</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Nhập tên DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Nhập IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Nhập mặt nạ mạng con</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Nhập gateway</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Nhập DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Nhập ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Nhập tên miền</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Nhập máy chủ</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Nhập người nhận</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Nhập người gửi</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Nhập cổng</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Nhập tài khoản</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Định dạng ngày</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Định dạng giờ</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Cài đặt từ xa</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR đang bận!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Thất bại!! Cài đặt không hợp lệ!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Xuất tệp nhật ký hệ thống</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tệp văn bản (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Nhập tệp cấu hình</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Thất bại!! Tệp cấu hình không hợp lệ!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Tệp cấu hình (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Xuất tệp cấu hình</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Mở tệp firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Tệp firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Không có tệp firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Nâng cấp firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Kiểm tra HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Đăng nhập thất bại</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>Đã phát hiện USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Gắn USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Nhập cấu hình</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Cấu hình mặc định</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Gắn thất bại</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Không có quyền</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Tùy chọn tìm kiếm</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Chế độ mặc định</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Sự kiện mặc định</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Kênh mặc định</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Khoảng mặc định</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Tìm kiếm thất bại</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Tên DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Phiên bản firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Nhập tệp firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Nhập tệp cấu hình</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Xuất tệp cấu hình</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Loại DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Máy chủ DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Mật khẩu DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>Kiểm tra DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>Kiểm tra UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>Độ phân giải VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Máy chủ NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Kiểm tra NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Máy chủ SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>Bật e-mail</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Kiểm tra e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Đặt sự kiện</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Kiểu ghi</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Ghi âm</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Ghi liên tục</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Ghi theo sự kiện</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Bật lịch</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Bật ngày lễ</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>Bật S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Ngày kiểm tra</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Giờ kiểm tra</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Người dùng xem</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Người dùng tìm</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Người dùng cài đặt</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Tự động xóa</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Xuất tệp nhật ký</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Cài đặt camera</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Đồng bộ NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Xuất nhật ký</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Xuất cấu hình</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Tạo lại CSDL</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Kiểm tra CSDL</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Bây giờ có thể rút nguồn an toàn</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>để tắt thiết bị</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Thiết bị đang dùng, không thể sao lưu</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Vùng riêng tư</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Hiện PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Tạo ảnh ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Tạo ảnh ISO thất bại</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Đang ghi đĩa</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Ghi đĩa thành công</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Ghi đĩa thất bại</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Đang hoàn tất đĩa</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Người gửi</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Người nhận</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Điều khiển</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Sao chép đĩa</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Không đủ dung lượng HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Chuyển tiếp cổng</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Cần định dạng, tiếp tục</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Loại cảm biến</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Tự động ẩn</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Luôn hiện</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Luôn ẩn</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Thời gian bị trùng</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Sẽ tải dữ liệu mới nhất, tiếp tục</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Báo động</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Thêm hình</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Chế độ</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Chuyển đổi</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 màn hình</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 màn hình</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 màn hình</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 màn hình</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 màn hình</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 màn hình</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 màn hình</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Băng thông</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Toàn màn hình 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>Kiểm tra uPNP</translation>
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
        <translation>Ảnh thu nhỏ</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Toàn cảnh</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Bộ lọc</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kênh</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Khoảng</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Từ bắt đầu</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Từ kết thúc</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Từ bỏ qua</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Số dòng thêm</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Thời gian hiện chữ</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Vị trí chữ</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Trên trái</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Dưới trái</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Trên phải</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Dưới phải</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot bật lên</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot bật lên</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Đầu vào âm thanh</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Hiện POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Số ngày ghi ước tính</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Phần trăm</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Ngày cũ nhất</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Hiện dung lượng HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Cổng nối tiếp</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Âm phím</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Dùng luồng ghi</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Báo động kiểm tra HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS tự động</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Đã phát hiện</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Chụp ảnh</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Dừng hình</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tất cả kênh</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Kênh hiển thị</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Lỗi/Kiểm tra</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Cấp lại(Sector)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Đã dùng(Ngày)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Trạng thái S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Hiển thị 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Ngày hiện tại</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Cả ngày</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Trùng ngày</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Lỗi luồng ghi</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Lỗi HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Lỗi XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Lỗi ghi HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Ghi HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>CSDL HDD tốt</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>CSDL HDD hỏng</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Lỗi dữ liệu ghi</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Dữ liệu ghi OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Lỗi bộ đệm ghi</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Bộ đệm ghi OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Lỗi dữ liệu mạng</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Dữ liệu mạng OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Chip quá thời gian</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Chỉ số kênh</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Tắt còi</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Tắt báo động</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Điều khiển báo động</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Bỏ qua mất video</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Mất video</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Có video</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Sẽ dừng ghi hình</translation>
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
        <translation>Nhật ký sự kiện</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Máy chủ</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Giao thức</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Giây không hoạt động</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Thời gian đóng gói</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Kích thước đóng gói</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Có thể rút thiết bị sao lưu an toàn</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Máy chủ bảo vệ</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Máy chủ hình ảnh</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Số bảo vệ</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Số mật khẩu</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Vùng bảo vệ</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Điều khiển bảo vệ</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Đầu đọc thẻ</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Máy chủ tín hiệu</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Số khách hàng</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Số máy</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Đầu đọc</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Thẻ</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Số</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Số thẻ</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Đăng ký</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Chọn chế độ cửa</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Trễ vào</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Trễ ra</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Thời gian đóng cửa</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Trạng thái cửa</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Thời gian còi hú</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Thời gian báo đường dây</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Số lần thử kết nối lại</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Thông báo cửa</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Chọn bàn phím</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Số chính</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Số tuần canh</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Tuần canh</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Dùng</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Trễ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Khôi phục</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Chuông báo động</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Tắt bảo vệ một phần</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Người dùng nhập</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Xuất nhật ký sự kiện</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Chuyển động Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Mã Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Ghi khẩn cấp</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Ghi theo lịch</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Điều khiển PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Chế độ chia</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Độ phân giải chia</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Chất lượng chia</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Tốc độ chia</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Độ phân giải bật lên</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Chất lượng bật lên</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Tốc độ bật lên</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Cổng đang dùng</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Cổng máy chủ Web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Địa chỉ DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Màn hình phát lại</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Không dùng</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Chuyển động + cảm biến</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>ĐẦY ĐĨA</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>GHI ĐÈ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Giờ/Ngày</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Mật khẩu </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Ổ cứng</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Cài đặt mặc định</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Quản lý hệ thống</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Cài đặt nút</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Cài đặt cổng nối tiếp</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Tự động tuần tự</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Ngõ ra Spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Điều chỉnh TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Địa chỉ IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Cài đặt codec mạng</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Tên camera</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Cài đặt PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Riêng tư</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Cài đặt ghi hình</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Lịch hàng tuần</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Ghi ngày lễ</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Phát hiện chuyển động </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Hành động sự kiện</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Phiên bản</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Cài đặt gốc</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Nâng cấp F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>SAO LƯU cấu hình</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>TẢI cấu hình</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Tự khóa phím</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tiếng bíp phím</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Thanh trạng thái</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Địa chỉ DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Dùng cổng</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Cổng Web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Đầu vào cảm biến</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Loại đầu vào</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Chuyển động </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Kênh bật lên</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Thời gian bật lên</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Ngõ ra rơ-le</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Thời gian rơ-le</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Còi bên trong</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Nhập ID điều khiển</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Máy chủ Push</translation>
    </message>
</context>
</TS>
