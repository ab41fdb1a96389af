<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>스팟</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HD 스팟</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>화면분할</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>즉시 재생</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>시퀀스</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>시스템 정보</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>시스템 로그</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>줌</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>라이브</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>디인터레이스</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>예</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>아니오</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>전원 끄기</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로고침</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>나가기</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
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
        <translation>12시간(오전/오후)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24시간</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>주</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>켬/끔</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>월요일</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>휴일</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>부저</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>팝업</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>릴레이</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>온도</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>컬러</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>아날로그 컬러</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>스케줄</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>이벤트 입력</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>모션 감지</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>알람 출력</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>컨트롤러</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>사용자 권한</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>권한</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>저장장치</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>시스템 로그</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>S</source>
        <translation>일</translation>
    </message>
    <message>
        <source>M</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>화</translation>
    </message>
    <message>
        <source>W</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>목</translation>
    </message>
    <message>
        <source>F</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>영상 손실</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>합계</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD 덮어쓰기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>포맷</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>포맷 안 함</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>자동 포맷</translation>
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
        <translation>다시 시도하세요</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>성공</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>투명도</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>정보 표시줄</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>고해상도</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>저해상도</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>연속/이벤트</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>모두 적용</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>숨김</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>오디오 출력</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>감도</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>모두 켬</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>모두 끔</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>센서 입력</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>지속 시간</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>드라이버</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>전송 속도</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>리모컨 ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>시스템 키보드</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>이더넷</translation>
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
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>감시</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>웹</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>도메인 이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>접속 IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>To</source>
        <translation>받는 사람</translation>
    </message>
    <message>
        <source>From</source>
        <translation>보내는 사람</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>지정</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>표준시간대</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>일광 절약 시간</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>부팅 메시지</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>제한</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>End</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>신호 방식</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>대비</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>화</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>휴</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>사전 알람</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>예상</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>로컬</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>USB 장치 없음</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>HDD 없음</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>가득 참</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>팬 속도</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>틸트 속도</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>투어</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>프리셋</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>포커스</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>아이리스</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>비밀번호 확인이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>시스템 시작</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>시스템 업그레이드</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>비정상 재시작</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>긴급 녹화 시작</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>긴급 녹화 정지</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>자동 로그아웃</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>설정 시작</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>설정 종료</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>설정 변경</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>검색 시작</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>검색 종료</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>백업 시작</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>백업 종료</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ 시작</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ 종료</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>네트워크 접속</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>네트워크 업그레이드</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>이메일 전송</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>네트워크 케이블 연결</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>네트워크 케이블 분리</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP 시간 변경</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T 오류</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD 과열</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>같은 파일이 존재합니다</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>같은 ID가 존재합니다</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>저장 후 나가기</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>데이터 없음</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>공간 부족 (50MB 이상 필요)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>시간 변경됨</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>사용자 정지</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>업데이트 중</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>최대 FPS:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>파일 복사</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>체크섬 확인 중</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>체크섬 불일치</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>체크섬 정상</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>범위 초과</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>과열</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>잘못된 데이터</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>현재 버전</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>시퀀스 대기 시간</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>이전 비밀번호 입력</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>새 비밀번호 입력</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>프리셋 대기 시간</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>이름 입력</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>DVR 이름 입력</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IP 입력</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>서브넷 마스크 입력</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>게이트웨이 입력</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS IP 입력</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>ID 입력</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>도메인 입력</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>서버 입력</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>수신자 입력</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>발신자 입력</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>포트 입력</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>계정 입력</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>날짜 형식</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>시간 형식</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>원격 설정</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR 사용 중!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>실패!! 잘못된 설정!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>시스템 로그 파일 내보내기</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>설정 파일 가져오기</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>실패!! 잘못된 설정 파일!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>설정 파일 (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>설정 파일 내보내기</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>펌웨어 파일 열기</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>펌웨어 파일 (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>펌웨어 파일 없음</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>펌웨어 업그레이드</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD 검사</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>로그인 실패</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB 감지됨</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB 마운트</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>설정 가져오기</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>기본 구성</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>마운트 실패</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>권한 없음</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>검색 옵션</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>기본 모드</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>기본 이벤트</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>기본 채널</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>기본 간격</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>검색 실패</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR 이름</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>펌웨어 파일 가져오기</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>설정 파일 가져오기</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>설정 파일 내보내기</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS 종류</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS 서버</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS 비밀번호</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS 테스트</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP 테스트</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA 해상도</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP 서버</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP 확인</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP 서버</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>이메일 사용</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>이메일 테스트</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>이벤트 설정</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>녹화 종류</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>오디오 녹음</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>연속 녹화</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>이벤트 녹화</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>스케줄 사용</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>휴일 사용</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. 사용</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>검사 요일</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>검사 시간</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>감시 사용자</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>검색 사용자</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>설정 사용자</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>자동 삭제</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>시스템 로그 파일 내보내기</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>카메라 설정</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP 동기화</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>시스템 로그 내보내기</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>설정 내보내기</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>DB 재구성</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DB 검사</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>이제 전원을 안전하게 분리할 수 있습니다</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>장치 전원을 끄려면</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>장치 사용 중, 백업할 수 없습니다</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>사생활 보호 영역</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>PIP 표시</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ISO 이미지 생성</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISO 이미지 생성 실패</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>굽는 중</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>굽기 성공</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>굽기 실패</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>마무리 중</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>발신자</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>수신자</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>제어</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>디스크 미러링</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>HDD 공간 부족</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>포트 포워딩</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>포맷이 필요합니다. 계속하시겠습니까</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>센서 종류</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>자동 숨김</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>항상 표시</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>항상 숨김</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>시간이 겹칩니다</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>최신 데이터를 불러옵니다. 계속하시겠습니까</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>알람</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>전환</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 화면</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 화면</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 화면</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 화면</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 화면</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 화면</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 화면</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>대역폭</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>전체 화면 4:3 비율</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP 테스트</translation>
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
        <translation>썸네일</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>파노라마</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>시작 단어</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>끝 단어</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>무시 단어</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>추가 줄 수</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>텍스트 표시 시간</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>표시 위치</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>스팟 팝업</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD 스팟 팝업</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>오디오 입력</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>POS 표시</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>예상 녹화 일수</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>퍼센트</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>가장 오래된 날짜</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>HDD 사용량 표시</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>시리얼</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>키 부저</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>녹화 스트림 사용</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>HDD 검사 알람</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS 자동</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>감지됨</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>정지 화면</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>모든 채널</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>표시 채널</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>오류/테스트</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>재할당(섹터)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>사용(일)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T 상태</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3 화면</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>현재 날짜</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>하루 전체</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>날짜 중복</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>녹화 스레드 오류</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD 오류</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS 오류</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD 쓰기 오류</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD 쓰기 정상</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD 양호</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD 불량</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>녹화 데이터 오류</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>녹화 데이터 정상</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>녹화 버퍼 오류</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>녹화 버퍼 정상</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>네트워크 데이터 오류</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>네트워크 데이터 정상</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>칩 시간 초과</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>채널 번호</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>부저 끔</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>알람 끔</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>알람 제어</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>영상 손실 건너뛰기</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>영상 손실</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>영상 입력</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>녹화가 중지됩니다</translation>
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
        <translation>이벤트 로그</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>비활성 시간(초)</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>데이터 패킹 시간</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>데이터 패킹 크기</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>백업 장치를 안전하게 제거할 수 있습니다</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>경비 서버</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>이미지 서버</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>경비 번호</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>비밀번호 번호</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>경비 구역</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>경비 제어</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>카드 리더기</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>신호 서버</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>고객 번호</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>기기 번호</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>리더기</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>카드</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>카드 번호</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>점검</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>등록</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>출입문 모드 선택</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>입실 지연</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>퇴실 지연</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>문 닫힘 시간</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>문 상태</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>사이렌 시간</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>회선 보고 시간</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>통신 재시도 횟수</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>출입문 멘트</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>키패드 선택</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>마스터 번호</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>순찰 번호</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>순찰</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>경보 벨</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>부분 경계 해제</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>사용자 입력</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>이벤트 로그 내보내기</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo 모션</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>웹 코드</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>긴급 녹화</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>스케줄 녹화</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ 제어</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>분할 모드</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>분할 해상도</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>분할 화질</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>분할 속도</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>팝업 해상도</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>팝업 화질</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>팝업 속도</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>사용 포트</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>웹 서버 포트</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS 주소</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>재생 화면</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>모션 + 센서</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>디스크 가득 참</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>시간/날짜</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>비밀번호 </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>하드 디스크</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>시스템 관리</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>버튼 설정</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>시리얼 포트 설정</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>자동 시퀀스</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>스팟 출력</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV 조정</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>네트워크 코덱 설정</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>카메라 이름</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ 설정</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>사생활 보호</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>녹화 설정</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>주간 스케줄</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>휴일 녹화</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>모션 감지 </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>이벤트 동작</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>공장 설정</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W 업그레이드</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>설정 백업</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>설정 불러오기</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>자동 키 잠금</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>키 소리</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>상태 표시줄</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS 주소</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>포트 사용</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>웹 포트</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>센서 입력</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>입력 종류</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>모션 </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>팝업 채널</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>팝업 시간</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>릴레이 출력</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>릴레이 시간</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>내장 부저</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>리모컨 ID 입력</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>푸시 서버</translation>
    </message>
</context>
</TS>
