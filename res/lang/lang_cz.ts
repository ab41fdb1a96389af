<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Vypnutí</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Zobrazení</translation>
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
        <translation>Záznam</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledání</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dělení</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Záloha</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Okamžité přehrání</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvence</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informace o systému</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zámek</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Systémový log</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Živý obraz</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Odstranit prokládání</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ZRUŠIT</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ANO</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Přejít</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Přehrát</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>RRRR/MM/DD</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/RRRR</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>DD/MM/RRRR</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 HOD(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 HOD</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týden</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádný</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízká</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vyp</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Zap/Vyp</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Svátek</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bzučák</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Popup</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analog. barva</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Plán</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Vstup události</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detekce pohybu</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Alarm. výstup</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontrolér</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
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
        <translation>Stav</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Čas</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Práva uživatele</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Práva</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Úložiště</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Systémový log</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Út</translation>
    </message>
    <message>
        <source>W</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Čt</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Pá</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Senzor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Pohyb</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Ztráta videa</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Přepis HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátovat</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Neformátovat</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Auto formát</translation>
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
        <translation>Zkuste to znovu</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Úspěch</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Průhlednost</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Informační lišta</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Trvalý</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Vysoké rozlišení</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Nízké rozlišení</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalita</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>T/U</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Použít vše</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Smazat vše</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Skrytá</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Audio výstup</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Citlivost</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Vše zap</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Vše vyp</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Vstup senzoru</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Trvání</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Ovladač</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Přenos. rychlost</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID dálk. ovladače</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Systémová klávesnice</translation>
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
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Sledování</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Doménové jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Připojená IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Komu</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Ověření</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC adresa</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Letní čas</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchr.</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Zpráva při startu</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Typ signálu</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sytost</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odstín</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Út</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Čt</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pá</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Svát</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Předalarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Odhad</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Čekejte prosím...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Místní</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Žádné USB zařízení</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Žádný HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Plný</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Rychlost Pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Rychlost Tilt</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Okruh</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Předvolba</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Ostření</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Selhalo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Heslo nebylo správně potvrzeno</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Start systému</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Vypnutí systému</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Aktualizace systému</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Neočekávaný reset</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Start panic záznamu</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Stop panic záznamu</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Přihlášení</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Odhlášení</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Auto odhlášení</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Start nastavení</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Konec nastavení</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Nastavení změněno</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Start hledání</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Konec hledání</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Start zálohy</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Konec zálohy</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Start PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Stop PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Připojení k síti</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Aktualizace ze sítě</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Odeslání e-mailu</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Síťový kabel připojen</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Síťový kabel odpojen</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Změna času NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Chyba S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Přehřátí HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Soubor již existuje</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID již existuje</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Jste si jisti?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Uložit a konec</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Žádná data</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Málo místa (méně než 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Čas změněn</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Zastaveno uživatelem</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maximální FPS je</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Kopírovat soubory</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Kontrola součtu</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Chybný kontrolní součet</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Kontrolní součet OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Mimo rozsah</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Přehřátí</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Neplatná data</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Aktuální verze</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nová verze</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Prodleva sekvence</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Zadejte staré heslo</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Zadejte nové heslo</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Potvrďte heslo</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Prodleva předvolby</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Zadejte heslo</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Zadejte název</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Zadejte název DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Zadejte IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Zadejte masku podsítě</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Zadejte bránu</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Zadejte IP DNS</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Zadejte ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Zadejte doménu</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Zadejte server</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Zadejte příjemce</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Zadejte odesílatele</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Zadejte port</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Zadejte účet</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formát data</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formát času</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Vzdálené nastavení</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR zaneprázdněn!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Chyba!! Neplatné nastavení!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Export souboru systémového logu</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Import konfiguračního souboru</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Chyba!! Neplatný konfigurační soubor!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Konfigurační soubory (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Export konfiguračního souboru</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Otevřít soubor firmwaru</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Soubory firmwaru (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Žádný soubor firmwaru</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Kontrola HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Přihlášení selhalo</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB detekováno</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Připojení USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Import konfigurace</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Výchozí konfigurace</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Připojení selhalo</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Bez oprávnění</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Volby hledání</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Výchozí režim</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Výchozí událost</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Výchozí kanál</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Výchozí interval</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Hledání selhalo</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Název DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Import souboru firmwaru</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Import konfig. souboru</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Export konfig. souboru</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Typ DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Server DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Heslo DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>Test DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>Test UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>Rozlišení VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Server NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Kontrola NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail zap</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Test e-mailu</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Nastavit událost</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Typ záznamu</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Záznam zvuku</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Nepřetržitý záznam</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Záznam při události</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Plán zap</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Svátky zap</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. zap</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Den kontroly</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Čas kontroly</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Uživatel sledování</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Uživatel hledání</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Uživatel nastavení</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Automatické mazání</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Export souboru syst. logu</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Nastavení kamery</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Synchr. NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Export syst. logu</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Export konfigurace</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Obnova DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Kontrola DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Nyní můžete bezpečně odpojit napájení</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>pro vypnutí zařízení</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Zařízení se používá, zálohu nelze provést</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Soukromá zóna</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Zobrazit PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Vytvořit obraz ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Vytvoření obrazu ISO selhalo</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Vypalování</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Vypalování úspěšné</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Vypalování selhalo</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Uzavírání disku</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Odesílatel</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Příjemce</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ovládání</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Zrcadlení disku</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Nedostatek místa na HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Přesměrování portů</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Nutno formátovat, pokračovat?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Typ senzoru</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Auto skrytí</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Vždy zobrazit</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Vždy skrýt</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Čas se překrývá</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Budou načtena nejnovější data, pokračovat?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Přidat obrázek</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Přepínání</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 obraz</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 obrazy</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 obrazů</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 obrazů</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 obrazů</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 obrazů</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 obrazů</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Šířka pásma</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Celá obrazovka 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>Test uPNP</translation>
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
        <translation>Náhled</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Počáteční slovo</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Koncové slovo</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Ignorované slovo</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Počet přidaných řádků</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Doba zobrazení textu</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Pozice textu</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Vlevo nahoře</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Vlevo dole</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Vpravo nahoře</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Vpravo dole</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot popup</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot popup</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Audio vstup</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Zobrazit POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Odhad dnů záznamu</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procenta</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Nejstarší datum</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Zobrazit využití HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Sériový</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Zvuk kláves</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Použít záznam. stream</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarm kontroly HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Detekováno</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snímek</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zmrazit</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Všechny kanály</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Viditelné kanály</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Chyba/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Realokace(sektory)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Použito(dny)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Stav S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Zobrazení 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Aktuální den</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Celý den</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Překrytí data</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Chyba vlákna záznamu</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Chyba HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Chyba XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Chyba zápisu HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Zápis HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD v pořádku</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD vadná</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Chyba dat záznamu</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Data záznamu OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Chyba bufferu záznamu</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Buffer záznamu OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Chyba síťových dat</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Síťová data OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Timeout čipu</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Index kanálu</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Bzučák vyp</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm vyp</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Ovládání alarmu</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Aktivovat</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Deaktivovat</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Přeskočit ztrátu videa</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Ztráta videa</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video obnoveno</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Záznam se zastaví</translation>
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
        <translation>Log událostí</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Nečinnost s</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Čas balení dat</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Velikost balení dat</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Záložní zařízení lze bezpečně odebrat</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Server ostrahy</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Server obrazů</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Číslo ostrahy</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Číslo hesla</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zóna ostrahy</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Ovládání ostrahy</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Čtečka karet</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Signální server</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Číslo zařízení</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Čtečka</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Číslo karty</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registrace</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Volba režimu dveří</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Zpoždění příchodu</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Zpoždění odchodu</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Čas zavření dveří</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Stav dveří</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Doba sirény</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Čas hlášení linky</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Počet opakování spojení</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Hlášení dveří</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Volba klávesnice</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Hlavní číslo</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Číslo obchůzky</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Obchůzka</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Používat</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Zpoždění</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovení</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Poplachový zvonek</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentář</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Částečné odjištění</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Vstup uživatele</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Export logu událostí</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo pohyb</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web kód</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Panic záznam</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Záznam dle plánu</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Ovládání PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Režim dělení</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Rozlišení dělení</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Kvalita dělení</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Rychlost dělení</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Rozlišení popup</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Kvalita popup</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Rychlost popup</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Použitý port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Port web serveru</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Adresa DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Obrazovka přehrávání</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Nepoužívat</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Pohyb + senzor</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISK PLNÝ</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>PŘEPIS</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Čas/Datum</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Heslo </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Pevný disk</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Výchozí nastavení</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Správa systému</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Nastavení tlačítek</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Nastavení sériového portu</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Auto sekvence</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot výstup</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Nastavení TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Nastavení síťového kodeku</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Název kamery</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Nastavení PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Soukromí</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Nastavení záznamu</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Týdenní plán</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Záznam o svátcích</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Detekce pohybu </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Akce události</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Aktualizace F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>ZÁLOHA konfigurace</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>NAČTENÍ konfigurace</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Auto zámek kláves</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pípání kláves</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Stavová lišta</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Adresa DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Použít port</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web port</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Vstup senzoru</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Typ vstupu</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Pohyb </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Kanál popup</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Doba popup</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Výstup relé</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Doba relé</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Interní bzučák</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Zadejte ID ovladače</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push server</translation>
    </message>
</context>
</TS>
