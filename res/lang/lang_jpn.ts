<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>スポット</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HDスポット</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>画面分割</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>インスタント再生</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>シーケンス</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>システム情報</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>システムログ</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>ライブへ</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>デインターレース</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>電源オフ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
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
        <translation>12時間(午前/午後)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24時間</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
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
        <translation>なし</translation>
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
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>オン/オフ</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全て</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>祝日</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>ブザー</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>ポップアップ</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>リレー</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>アナログカラー</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>イベント入力</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>モーション検知</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>アラーム出力</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>コントローラ</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日付/時刻</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>ユーザー権限</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>権限</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>システムログ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>構成</translation>
    </message>
    <message>
        <source>S</source>
        <translation>日</translation>
    </message>
    <message>
        <source>M</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>火</translation>
    </message>
    <message>
        <source>W</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>木</translation>
    </message>
    <message>
        <source>F</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>センサー</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>モーション</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>映像消失</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD上書き</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>未フォーマット</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>自動フォーマット</translation>
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
        <translation>再試行してください</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>透過</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>情報バー</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>高解像度</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>低解像度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>連続/イベント</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>全て適用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全て削除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>音声出力</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>感度</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>全てオン</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>全てオフ</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>センサー入力</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持続時間</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>ドライバ</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>リモコンID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>システムキーボード</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>イーサネット</translation>
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
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>監視</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>ドメイン名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>接続IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>To</source>
        <translation>宛先</translation>
    </message>
    <message>
        <source>From</source>
        <translation>送信元</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>認証</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定する</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>起動メッセージ</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>制限</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>信号方式</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>祝</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>プリアラーム</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>推定</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>ローカル</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>USB機器なし</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>HDDなし</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>満杯</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>パン速度</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>チルト速度</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>ツアー</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>アイリス</translation>
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
        <translation>パスワードの確認が一致しません</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>システム起動</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>システム終了</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>システム更新</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>異常リセット</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>緊急録画開始</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>緊急録画停止</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>自動ログアウト</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>設定開始</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>設定終了</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>設定変更</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>検索開始</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>検索終了</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>バックアップ開始</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>バックアップ終了</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ開始</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ終了</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>ネットワーク接続</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>ネットワーク更新</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>メール送信</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>LANケーブル接続</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>LANケーブル切断</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP時刻変更</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.Tエラー</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD過熱</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>同じファイルが存在します</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>同じIDが存在します</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>よろしいですか?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>保存して終了</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>データなし</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>空き容量不足(50MB以上必要)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>時刻変更済み</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>ユーザーによる停止</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>更新中</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>最大FPS:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>ファイルコピー</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>チェックサム確認中</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>チェックサム不一致</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>チェックサムOK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>過熱</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>無効なデータ</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>現在のバージョン</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>新バージョン</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>シーケンス間隔</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>旧パスワードを入力</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>新パスワードを入力</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>プリセット間隔</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>名前を入力</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>DVR名を入力</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IPを入力</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>サブネットマスクを入力</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>ゲートウェイを入力</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS IPを入力</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>IDを入力</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>ドメインを入力</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>サーバーを入力</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>受信者を入力</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>送信者を入力</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>ポートを入力</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>アカウントを入力</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日付形式</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>時刻形式</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>リモート設定</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVRビジー!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>失敗!! 無効な設定!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>システムログファイルのエクスポート</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>設定ファイルのインポート</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>失敗!! 無効な設定ファイル!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>設定ファイル (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>設定ファイルのエクスポート</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>ファームウェアファイルを開く</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>ファームウェアファイル (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>ファームウェアファイルなし</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDDチェック</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>ログイン失敗</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB検出</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USBマウント</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>設定インポート</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>初期構成</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>マウント失敗</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>権限なし</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全てクリア</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>検索オプション</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>初期モード</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>初期イベント</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>初期チャンネル</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>初期間隔</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>検索失敗</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR名</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>ファームウェアのインポート</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>設定ファイルの読込</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>設定ファイルの書出</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS種類</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNSサーバー</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNSパスワード</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNSテスト</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNPテスト</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA解像度</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTPサーバー</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTPチェック</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTPサーバー</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>メールオン</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>メールテスト</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>イベント設定</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>録画種類</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>連続録画</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>イベント録画</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>スケジュールオン</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>祝日オン</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T.オン</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>チェック日</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>チェック時刻</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>監視ユーザー</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>検索ユーザー</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>設定ユーザー</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>自動削除</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>システムログファイル出力</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP同期</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>システムログ出力</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>設定出力</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>DB再構築</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DBチェック</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>電源を安全に切ることができます</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>本体の電源を切るには</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>デバイス使用中、バックアップできません</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>プライバシーゾーン</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>PIP表示</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ISOイメージ作成</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISOイメージ作成失敗</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>書き込み成功</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>書き込み失敗</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>ファイナライズ中</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>送信者</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>受信者</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>制御</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>ディスクミラーリング</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>HDD容量不足</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>ポート転送</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>フォーマットが必要です。続行しますか</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>センサー種類</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>自動非表示</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>常に表示</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>常に非表示</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>時間が重複しています</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>最新データを読み込みます。続行しますか</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像追加</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>切替</translation>
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
        <translation>帯域幅</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>全画面 4:3比率</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNPテスト</translation>
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
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>パノラマ</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>開始ワード</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>終了ワード</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>無視ワード</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>追加行数</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>テキスト表示時間</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>表示位置</translation>
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
        <translation>スポットポップアップ</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HDスポットポップアップ</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>音声入力</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>POS表示</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>推定録画日数</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>最古の日付</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>HDD使用量表示</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>キーブザー</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>録画ストリーム使用</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>HDDチェックアラーム</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS自動</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>フリーズ</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>全チャンネル</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>表示チャンネル</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>エラー/テスト</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>代替処理(セクタ)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>使用(日)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T状態</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3表示</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>当日</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>終日</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>日付重複</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>録画スレッドエラー</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDDエラー</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFSエラー</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD書込エラー</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD書込OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD正常</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD異常</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>録画データエラー</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>録画データOK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>録画バッファエラー</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>録画バッファOK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>ネットワークデータエラー</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>ネットワークデータOK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>チップタイムアウト</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>ブザーオフ</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>アラームオフ</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>アラーム制御</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>映像消失スキップ</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>映像消失</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>映像入力</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>録画が停止します</translation>
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
        <translation>イベントログ</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>無操作秒数</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>データ送信間隔</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>データパケットサイズ</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>バックアップ機器を安全に取り外せます</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>警備サーバー</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>画像サーバー</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>警備番号</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>暗証番号</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>警備ゾーン</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>警備制御</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>カードリーダー</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>信号サーバー</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>顧客番号</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>機器番号</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>リーダー</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>カード</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>カード番号</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>ドアモード選択</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>入室遅延</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>退室遅延</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>ドア閉時間</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>ドア状態</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>サイレン時間</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>回線報告時間</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>通信再試行回数</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>ドア案内</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>キーパッド選択</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>マスター番号</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>巡回番号</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>巡回</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復旧</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>警報ベル</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>部分警備解除</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>ユーザー入力</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>イベントログ出力</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavoモーション</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Webコード</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>緊急録画</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>スケジュール録画</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ制御</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>分割モード</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>分割解像度</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>分割画質</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>分割速度</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>ポップアップ解像度</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>ポップアップ画質</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>ポップアップ速度</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>使用ポート</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Webサーバーポート</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNSアドレス</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>再生画面</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>モーション+センサー</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>ディスクフル</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>時刻/日付</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>パスワード </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>ハードディスク</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>初期設定</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>システム管理</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>ボタン設定</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>シリアルポート設定</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>自動シーケンス</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>スポット出力</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV調整</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>ネットワークコーデック設定</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>カメラ名</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ設定</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>録画設定</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>週間スケジュール</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>祝日録画</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>モーション検知 </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>イベント動作</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>工場出荷設定</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W更新</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>設定バックアップ</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>設定読込</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>自動キーロック</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>キー音</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNSアドレス</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>ポート使用</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Webポート</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>センサー入力</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>入力種類</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>モーション </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>ポップアップチャンネル</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>ポップアップ時間</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>リレー出力</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>リレー時間</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>内蔵ブザー</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>リモコンIDを入力</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>プッシュサーバー</translation>
    </message>
</context>
</TS>
