<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Beállítás</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Megjelenítés</translation>
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
        <translation>Felvétel</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Osztás</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Azonnali visszajátszás</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sorrend</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Rendszerinformáció</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zár</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Rendszernapló</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Belépés</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Élő kép</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Deinterlace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>MÉGSE</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>IGEN</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEM</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Kikapcsolás</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Esemény</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Ugrás</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Újratöltés</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciók</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importálás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lejátszás</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>ÉÉÉÉ/HH/NN</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>HH/NN/ÉÉÉÉ</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>NN/HH/ÉÉÉÉ</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 ÓRA(DE/DU)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 ÓRA</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Óra</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Hét</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Hónap</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Alacsony</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Magas</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>mp</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Perc</translation>
    </message>
    <message>
        <source>min</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Be/Ki</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Vasárnap</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Hétfő</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Kedd</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Szerda</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Csütörtök</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Péntek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Szombat</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Ünnepnap</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Hibák</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Hangjelző</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Felugró</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Hőmérséklet</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Szín</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analóg szín</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Csoport</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Ütemezés</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Esemény be</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Hang</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Mozgásérzékelés</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Riasztási kimenet</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Vezérlő</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
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
        <translation>Állapot</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dátum/Idő</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Felhasználói jog</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Jogosultság</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Tárolás</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Rendszernapló</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértelmezett</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguráció</translation>
    </message>
    <message>
        <source>S</source>
        <translation>V</translation>
    </message>
    <message>
        <source>M</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>K</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Sze</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Cs</translation>
    </message>
    <message>
        <source>F</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Érzékelő</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mozgás</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Videovesztés</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD felülírás</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formázás</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Nem formázott</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Auto formázás</translation>
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
        <translation>Próbálja újra</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sikeres</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szünet</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Áttetszőség</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Információs sáv</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Foly.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Felbontás</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Nagy felbontás</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Kis felbontás</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Minőség</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>F/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Szuper</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Mindre alkalmaz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Összes törlése</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Letiltás</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Rejtett</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Hangkimenet</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Érzékenység</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Mind be</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Mind ki</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Érzékelő be</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Időtartam</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Meghajtó</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Adatsebesség</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>Távirányító ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Rendszerbillentyűzet</translation>
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
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Élőkép</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domain név</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Csatlakozott IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Felhasználó</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Címzett</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Feladó</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Hitelesítés</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC cím</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Beállít</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Időzóna</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Nyári időszámítás</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Szinkron</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Indítási üzenet</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Korlát</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Vége</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Jeltípus</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontraszt</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Telítettség</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Árnyalat</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Va</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Hé</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ke</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Sze</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cs</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pé</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Szo</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Ünn</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Előriasztás</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Becslés</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Kérem várjon...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Helyi</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Útvonal</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Nincs USB eszköz</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Nincs HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Tele</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ürítés</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Pan sebesség</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Tilt sebesség</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Túra</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fókusz</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Írisz</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>A jelszó megerősítése nem egyezik</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Rendszerindítás</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Rendszerleállítás</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Rendszerfrissítés</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Rendellenes újraindítás</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Pánikfelvétel indul</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Pánikfelvétel leáll</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Kijelentkezés</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Auto kilépés</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Beállítás kezdete</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Beállítás vége</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Beállítás módosítva</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Keresés kezdete</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Keresés vége</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Mentés kezdete</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Mentés vége</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ kezdete</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ vége</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Hálózati kapcsolat</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Hálózati frissítés</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>E-mail küldés</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Hálózati kábel csatlakoztatva</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Hálózati kábel leválasztva</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP időváltozás</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T hiba</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD túlmelegedés</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>A fájl már létezik</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>Az ID már létezik</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Biztos benne?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Mentés és kilépés</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Nincs adat</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Nincs hely (több mint 50MB kell)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Idő módosítva</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Futtatás</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Felhasználó leállította</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maximális FPS:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Fájlok másolása</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Ellenőrzőösszeg vizsgálat</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Ellenőrzőösszeg eltérés</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Ellenőrzőösszeg OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés...</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Tartományon kívül</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Túlmelegedés</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Érvénytelen adat</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Jelenlegi verzió</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Új verzió</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Sorrend időköz</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Régi jelszó</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Új jelszó</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Jelszó megerősítése</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Preset időköz</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Jelszó megadása</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Név megadása</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>DVR név megadása</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IP megadása</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Alhálózati maszk megadása</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Átjáró megadása</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS IP megadása</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>ID megadása</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Domain megadása</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Szerver megadása</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Címzett megadása</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Feladó megadása</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Port megadása</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Fiók megadása</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Dátumformátum</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Időformátum</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Távoli beállítás</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR foglalt!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Hiba!! Érvénytelen beállítás!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Rendszernapló exportálása</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Szövegfájlok (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Konfigurációs fájl importálása</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Hiba!! Érvénytelen konfigurációs fájl!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Konfigurációs fájlok (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Konfigurációs fájl exportálása</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Firmware fájl megnyitása</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Firmware fájlok (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Nincs firmware fájl</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware frissítés</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD ellenőrzés</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Sikertelen belépés</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB észlelve</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB csatolás</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Konfiguráció import</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Alapért. konfiguráció</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Csatolás sikertelen</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Nincs jogosultság</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Teljes ürítés</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Keresési opciók</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Alapért. mód</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Alapért. esemény</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Alapért. csatorna</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Alapért. időköz</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Sikertelen keresés</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR név</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware verzió</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Firmware fájl import</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Konfig. fájl import</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Konfig. fájl export</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS típus</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS szerver</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS jelszó</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS teszt</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP teszt</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA felbontás</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP szerver</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP ellenőrzés</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP szerver</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail be</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>E-mail teszt</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Esemény beállítás</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Felvétel típus</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Hangfelvétel</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Folyamatos felvétel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Eseményfelvétel</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Ütemezés be</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Ünnepnap be</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. be</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Ellenőrzés napja</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Ellenőrzés ideje</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Élőkép felhasználó</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Keresés felhasználó</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Beáll. felhasználó</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Auto törlés</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Rendszernapló fájl export</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kamera beállítás</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP szinkron</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Rendszernapló export</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Konfiguráció export</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>DB újraépítés</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DB ellenőrzés</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Most biztonságosan kihúzhatja a tápot</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>a készülék kikapcsolásához</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Eszköz használatban, mentés nem lehetséges</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Privát zóna</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>PIP megjelenítés</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ISO kép készítése</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISO kép készítése sikertelen</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Írás</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Írás sikeres</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Írás sikertelen</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Lezárás</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Feladó</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Címzett</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Vezérlés</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Lemeztükrözés</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Nincs elég hely a HDD-n</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Porttovábbítás</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Formázás szükséges, folytatja?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Érzékelő típus</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Auto elrejtés</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Mindig látszik</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Mindig rejtett</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Az idők átfedik egymást</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>A legújabb adatok betöltődnek, folytatja?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Riasztás</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Kép hozzáadása</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mód</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Váltás</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 kép</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 kép</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 kép</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 kép</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 kép</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 kép</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 kép</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Sávszélesség</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Teljes képernyő 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP teszt</translation>
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
        <translation>Miniatűr</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panoráma</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Csatorna</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Időköz</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Kezdő szó</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Záró szó</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Kihagyott szó</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Hozzáadott sorok száma</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Szövegrávetítés ideje</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Szöveg pozíciója</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Bal felső</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Bal alsó</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Jobb felső</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Jobb alsó</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot felugró</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot felugró</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Hangbemenet</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>POS megjelenítés</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Becsült felvételi napok</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Százalék</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Legrégebbi dátum</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>HDD használat mutatása</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Soros</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Gombhang</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Felvételi stream használata</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>HDD ellenőrzés riasztás</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Észlelve</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Pillanatkép</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Kimerevítés</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Teljes képernyő</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Összes csatorna</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Látható csatornák</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Hiba/Teszt</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Áthelyezés(szektor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Használat(nap)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T állapot</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3 megjelenítés</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Aktuális nap</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Egész nap</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Dátum átfedés</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Felvételi szál hiba</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD hiba</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS hiba</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD írási hiba</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD írás OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD jó</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD hibás</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Felvételi adathiba</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Felvételi adat OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Felvételi puffer hiba</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Felvételi puffer OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Hálózati adathiba</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Hálózati adat OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Chip időtúllépés</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Csatornaindex</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Hangjelző ki</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Riasztás ki</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Riasztásvezérlés</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Bekapcsol</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kikapcsol</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Videovesztés kihagyása</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Videovesztés</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Videojel van</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>A felvétel leáll</translation>
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
        <translation>Eseménynapló</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Szerver</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Inaktivitás mp</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Adatcsomag idő</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Adatcsomag méret</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>A mentőeszköz biztonságosan eltávolítható</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Őrszolgálat szerver</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Képszerver</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Őrszolgálat szám</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Jelszó szám</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Őrzött zóna</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Őrzés vezérlés</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Kártyaolvasó</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Jelzésszerver</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Ügyfélszám</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Gépszám</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Olvasó</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kártya</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Szám</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kártyaszám</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Ellenőrzés</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Regisztráció</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Ajtó mód választás</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Belépési késl.</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Kilépési késl.</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Ajtózárási idő</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Ajtó állapot</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Sziréna idő</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Vonaljelentés idő</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Kapcsolat újrapróbálás</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Ajtó üzenet</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Kezelő választás</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Mesterszám</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Őrjárat szám</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Őrjárat</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Használat</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Késleltetés</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Riasztócsengő</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Részleges hatástalanítás</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Felhasználói bevitel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezár</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Nyit</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Eseménynapló export</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo mozgás</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web kód</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Pánikfelvétel</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Ütemezett felvétel</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ vezérlés</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Osztott mód</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Osztott felbontás</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Osztott minőség</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Osztott sebesség</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Felugró felbontás</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Felugró minőség</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Felugró sebesség</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Használt port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Webszerver port</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS cím</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Lejátszási képernyő</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Nem használt</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Mozgás + érzékelő</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>LEMEZ TELE</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>FELÜLÍRÁS</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Idő/Dátum</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Jelszó </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Merevlemez</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Alapért. beállítás</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Rendszerkezelés</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Gombok beállítása</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Soros port beállítás</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Auto sorrend</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot kimenet</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV beállítás</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP cím</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Értesítés</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Hálózati kodek beállítás</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Kamera név</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ beállítás</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Adatvédelem</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Felvétel beállítás</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Heti ütemezés</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Ünnepnapi felvétel</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Mozgásérzékelés </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Esemény művelet</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Gyári beállítás</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W frissítés</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Konfiguráció MENTÉS</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Konfiguráció BETÖLTÉS</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Auto gombzár</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Gombhang</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Állapotsor</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS cím</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Port használat</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web port</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Érzékelő bemenet</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Bemenet típus</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Mozgás </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Felugró csatorna</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Felugró időtartam</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Relé kimenet</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Relé időtartam</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Belső hangjelző</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Távirányító ID megadása</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push szerver</translation>
    </message>
</context>
</TS>
