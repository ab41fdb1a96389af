<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
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
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Arama</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Bölme</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedekleme</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Anında Tekrar</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sıralı</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Sistem Bilgisi</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Sistem Günlüğü</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Canlıya Dön</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Deinterlace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>TAMAM</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>İPTAL</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>EVET</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>HAYIR</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Gücü Kapat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Olay</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Git</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Seçenek</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe Aktar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>YYYY/AA/GG</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>AA/GG/YYYY</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>GG/AA/YYYY</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 SA(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 SA</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Hafta</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Dk</translation>
    </message>
    <message>
        <source>min</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Açık/Kapalı</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Tatil</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Hatalar</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Açılır Pencere</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Röle</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Sıcaklık</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analog Renk</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zamanlama</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Olay Girişi</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Hareket algılama</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Alarm çıkışı</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontrolör</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Tarih/Saat</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Kullanıcı Yetkisi</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Yetki</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Depolama</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Sistem günlüğü</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Yazılım</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <source>S</source>
        <translation>P</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ç</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Pe</translation>
    </message>
    <message>
        <source>F</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensör</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Hareket</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Video Kaybı</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD Üzerine Yazma</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçimlendir</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Biçimlenmemiş</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Otomatik Biçim.</translation>
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
        <translation>Lütfen tekrar deneyin</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Bilgi Çubuğu</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Sürekli</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Yüksek Çözünürlük</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Düşük Çözünürlük</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kalite</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Süper</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Tümüne Uygula</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tümünü Sil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Devre Dışı</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Gizli</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Ses Çıkışı</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Hassasiyet</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Tümü Açık</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tümü Kapalı</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Sensör Girişi</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud Hızı</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>Uzaktan Kumanda ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Sistem Klavyesi</translation>
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
        <translation>Alt Ağ Maskesi</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Ağ Geçidi</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>İzleme</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Alan adı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Bağlı IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Kime</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Kimden</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Kimlik Doğrulama</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC Adresi</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Saat Dilimi</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Yaz Saati</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Eşitle</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Açılış Mesajı</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Sınır</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Sinyal türü</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Parlaklık</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Doygunluk</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Renk Tonu</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pzt</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Çar</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Cum</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Cmt</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Tatil</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Ön Alarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Tahmin</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Yerel</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dosya Adı</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>USB Aygıtı Yok</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>HDD Yok</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Dolu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Pan Hızı</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Tilt Hızı</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Odak</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>İris</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Şifre doğru onaylanmadı</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Sistem Başladı</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Sistem Kapandı</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Sistem Güncelleme</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Anormal Sıfırlama</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Panik Kayıt Başladı</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Panik Kayıt Durdu</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Otomatik Çıkış</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Ayar Başladı</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Ayar Bitti</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Ayar Değişti</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Arama Başladı</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Arama Bitti</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Yedekleme Başladı</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Yedekleme Bitti</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ Başladı</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ Durdu</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Ağ Bağlantısı</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Ağdan Güncelleme</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>E-posta Gönderimi</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Ağ Kablosu Bağlandı</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Ağ Kablosu Çıkarıldı</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP Saat Değişimi</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T Hatası</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD Aşırı Isınma</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Aynı Dosya Mevcut</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>Aynı ID Mevcut</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Gir</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Emin misiniz</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Kaydet ve Çık</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Veri Yok</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Yer Yok (50MB&apos;den Fazla)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Saat Değişti</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Çalıştır</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Kullanıcı Durdurdu</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Güncelleniyor</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Azami FPS</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Dosyaları Kopyala</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Sağlama Toplamı Kontrolü</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Sağlama Toplamı Uyumsuz</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Sağlama Toplamı Tamam</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Aralık Dışı</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Aşırı Isınma</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Geçersiz Veri</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Mevcut sürüm</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Yeni sürüm</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Sıralı bekleme süresi</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Eski şifreyi girin</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Yeni şifreyi girin</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Şifreyi onaylayın</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Preset bekleme süresi</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Şifre girin</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Ad girin</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>DVR adı girin</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IP girin</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Alt ağ maskesi girin</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Ağ geçidi girin</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS IP girin</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>ID girin</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Alan adı girin</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Sunucu girin</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Alıcı girin</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Gönderen girin</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Port girin</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Hesap girin</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Tarih Biçimi</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Saat Biçimi</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Uzaktan Ayar</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR Meşgul!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Başarısız!! Geçersiz Ayar!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Sistem Günlüğü Dosyasını Dışa Aktar</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Metin Dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Yapılandırma Dosyasını İçe Aktar</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Başarısız!! Geçersiz Yapılandırma Dosyası!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Yapılandırma Dosyaları (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Yapılandırma Dosyasını Dışa Aktar</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Yazılım Dosyası Aç</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Yazılım Dosyaları (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Yazılım dosyası yok</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Yazılım Güncelleme</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD Kontrolü</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Giriş başarısız</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB Algılandı</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB Bağlama</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Yapılandırma İçe Aktarma</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Varsayılan Yapılandırma</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Bağlama başarısız</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Yetki yok</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tümünü Temizle</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Arama Seçeneği</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Varsayılan Mod</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Varsayılan Olay</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Varsayılan Kanal</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Varsayılan Aralık</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Arama başarısız</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR Adı</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Yazılım sürümü</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Yazılım Dosyası içe aktar</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Yapılandırma Dosyası içe aktar</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Yapılandırma Dosyası dışa aktar</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS Türü</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS Sunucusu</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS Şifresi</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS Testi</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP Testi</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA Çözünürlüğü</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP Sunucusu</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP Kontrolü</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP Sunucusu</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-posta Açık</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>E-posta Testi</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Olay Ayarı</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Kayıt Türü</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Ses Kaydı</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Sürekli Kayıt</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Olay Kaydı</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Zamanlama Açık</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Tatil Açık</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. Açık</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Kontrol Günü</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Kontrol Saati</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>İzleme Kullanıcısı</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Arama Kullanıcısı</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Ayar Kullanıcısı</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Otomatik Silme</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Sistem Günlüğü Dosyası dışa aktar</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kamera Ayarı</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP Eşitleme</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Sistem Günlüğü dışa aktar</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Yapılandırma dışa aktar</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>VT Yeniden Oluştur</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>VT Kontrolü</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Artık gücü güvenle kesebilirsiniz</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>cihazı kapatmak için</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Cihaz kullanımda, yedekleme yapılamaz</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Gizli Bölge</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>PIP Göster</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ISO Görüntüsü Oluştur</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISO Görüntüsü Oluşturulamadı</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Yazılıyor</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Yazma Başarılı</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Yazma Başarısız</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Sonlandırılıyor</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Gönderen</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Alıcı</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontrol</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Disk Yansıtma</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Yetersiz HDD alanı</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Port Yönlendirme</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Biçimlendirme gerekli, devam edilsin mi</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Sensör Türü</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Otomatik gizle</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Her zaman göster</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Her zaman gizle</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Saatler çakışıyor</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>En son veriler yüklenecek, devam edilsin mi</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Görüntü Ekle</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Geçiş</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 Ekran</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 Ekran</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 Ekran</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 Ekran</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 Ekran</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 Ekran</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 Ekran</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bant Genişliği</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Tam Ekran 4:3 Oran</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP Testi</translation>
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
        <translation>Küçük Resim</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Başlangıç Kelimesi</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Bitiş Kelimesi</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Yoksayılan Kelime</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Ek satır sayısı</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Metin Gösterim Süresi</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Metin Konumu</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Sol Üst</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Sol Alt</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Sağ Üst</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Sağ Alt</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot Açılır</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot Açılır</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Ses Girişi</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>POS Göster</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Tahmini Kayıt Günü</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Yüzde</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>En Eski Tarih</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>HDD Kullanımını Göster</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seri</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Tuş Sesi</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Kayıt Akışını Kullan</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>HDD Kontrol Alarmı</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS Otomatik</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Algılandı</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Anlık Görüntü</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Dondur</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tam Ekran</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tüm Kanallar</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Görünen Kanallar</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Hata/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Yeniden Atama(Sektör)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Kullanım(Gün)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T Durumu</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3 Ekran</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Tüm Gün</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Tarih Çakışması</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Kayıt İş Parçacığı Hatası</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD Hatası</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS Hatası</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD Yazma Hatası</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD Yazma Tamam</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>VT HDD İyi</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>VT HDD Kötü</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Kayıt Verisi Hatası</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Kayıt Verisi Tamam</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Kayıt Tamponu Hatası</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Kayıt Tamponu Tamam</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Ağ Verisi Hatası</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Ağ Verisi Tamam</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Çip Zaman Aşımı</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Kanal numarası</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Buzzer Kapalı</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm Kapalı</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Alarm Kontrolü</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Video Kaybını Atla</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Video Kaybı</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video Girişi</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Kayıt duracak</translation>
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
        <translation>Olay Günlüğü</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Hareketsizlik Sn</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Veri Paketleme Süresi</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Veri Paketleme Boyutu</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Yedekleme aygıtı güvenle çıkarılabilir</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Güvenlik Sunucusu</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Görüntü Sunucusu</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Güvenlik Numarası</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Şifre Numarası</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Güvenlik Bölgesi</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Güvenlik Kontrolü</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Kart Okuyucu</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Sinyal Sunucusu</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Müşteri Numarası</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Cihaz Numarası</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Okuyucu</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kart</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kart Numarası</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Kapı Modu Seçimi</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Giriş Gecikmesi</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Çıkış Gecikmesi</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Kapı Kapanma Süresi</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Kapı Durumu</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Siren Süresi</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Hat Rapor Süresi</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>İletişim Deneme Sayısı</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Kapı Mesajı</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Tuş Takımı Seçimi</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Ana Numara</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Devriye Numarası</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Devriye</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Kullan</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Gecikme</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri Yükle</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Alarm Zili</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Kısmi Koruma İptali</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Kullanıcı Girişi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Olay Günlüğünü Dışa Aktar</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo Hareket</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web Kodu</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Panik Kayıt</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Zamanlı Kayıt</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ Kontrolü</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Bölme Modu</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Bölme Çözünürlüğü</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Bölme Kalitesi</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Bölme Hızı</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Açılır Çözünürlük</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Açılır Kalite</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Açılır Hız</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Kullanılan Port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Web Sunucu Portu</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS Adresi</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Oynatma Ekranı</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Kullanma</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Hareket + Sensör</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DİSK DOLU</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>ÜZERİNE YAZ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Saat/Tarih</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Şifre </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Sabit Disk</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Varsayılan Ayar</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Sistem Yönetimi</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Düğme Ayarı</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Seri Port Ayarı</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Otomatik Sıralama</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot Çıkışı</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV Ayarı</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Adresi</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Bildirim</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Ağ Kodek Ayarı</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Kamera Başlığı</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ Ayarı</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Gizlilik</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Kayıt Ayarı</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Haftalık Zamanlama</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Tatil Kaydı</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Hareket Algılama </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Olay Eylemi</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Fabrika Ayarı</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W Güncelleme</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Yapılandırma YEDEKLE</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Yapılandırma YÜKLE</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Otomatik Tuş Kilidi</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tuş Sesi</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Durum Çubuğu</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS Adresi</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Port Kullan</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web Portu</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Sensör Girişi</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Giriş Türü</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Hareket </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Açılır Kanal</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Açılır Süre</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Röle Çıkışı</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Röle Süresi</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Dahili Buzzer</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Kumanda ID Girin</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push Sunucusu</translation>
    </message>
</context>
</TS>
