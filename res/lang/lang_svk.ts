<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavenie</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Zobrazenie</translation>
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
        <translation>Zariadenie</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieť</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdelenie</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Záloha</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Okamžité prehr.</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvencia</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informácie o systéme</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zámok</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Systémový denník</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Prihlásiť</translation>
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
        <translation>Odstrániť prekladanie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ZRUŠIŤ</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ÁNO</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Vypnúť napájanie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Udalosť</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Prejsť</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Voľba</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Prehrať</translation>
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
        <translation>Deň</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týždeň</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mesiac</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žiadne</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Nízka</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Stredná</translation>
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
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Zap./Vyp.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Všetko</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Nedeľa</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondelok</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Utorok</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Streda</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Štvrtok</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piatok</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Sviatok</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bzučiak</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Vyskak. okno</translation>
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
        <translation>Farba</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analóg. farba</translation>
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
        <translation>Vstup udalosti</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detekcia pohybu</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Výstup alarmu</translation>
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
        <translation>Dátum/Čas</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Práva používateľa</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Práva</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Úložisko</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Systémový denník</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmvér</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predvolené</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurácia</translation>
    </message>
    <message>
        <source>S</source>
        <translation>N</translation>
    </message>
    <message>
        <source>M</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ut</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Š</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Snímač</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Pohyb</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Strata videa</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Spolu</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Prepis HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátovať</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Neformátovaný</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Autoformát.</translation>
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
        <translation>Skúste znova</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Úspech</translation>
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
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Priehľadnosť</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Informačná lišta</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Nepretr.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlíšenie</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Vysoké rozlíšenie</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Nízke rozlíšenie</translation>
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
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Stredná</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Použiť na všetky</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Vymazať všetko</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázať</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Skrytá</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Zvukový výstup</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Citlivosť</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Všetko zap.</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Všetko vyp.</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Vstup snímača</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Trvanie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Ovládač</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Prenos. rýchlosť</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID diaľk. ovládača</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Systémová klávesnica</translation>
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
        <translation>Maska podsiete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Sledovanie</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Názov domény</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Pripojená IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Používateľ</translation>
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
        <translation>Overenie</translation>
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
        <translation>Nastaviť</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Letný čas</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchr.</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Správa pri štarte</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začiatok</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizácia</translation>
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
        <translation>Sýtosť</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odtieň</translation>
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
        <translation>Ut</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Št</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Sv.</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Predalarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Odhad</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Čakajte prosím...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokálne</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Názov súboru</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Žiadne USB zariadenie</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Žiadny HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Plný</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vyčistiť</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Rýchlosť otáčania</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Rýchlosť náklonu</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predvoľba</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Zaostrenie</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Zlyhalo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Heslo nebolo správne potvrdené</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Štart systému</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Vypnutie systému</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Aktualizácia systému</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Neštandardný reset</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Štart panického záznamu</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Koniec panického záznamu</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Prihlásenie</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Odhlásenie</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Autoodhlásenie</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Štart nastavenia</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Koniec nastavenia</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Nastavenie zmenené</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Štart hľadania</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Koniec hľadania</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Štart zálohy</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Koniec zálohy</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Štart PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Koniec PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Sieťové pripojenie</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Aktualizácia cez sieť</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Odoslanie e-mailu</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Sieťový kábel pripojený</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Sieťový kábel odpojený</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Zmena času NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Chyba S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Prehriatie HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Súbor už existuje</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID už existuje</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Potvrdiť</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Ste si istý</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Uložiť a skončiť</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Žiadne dáta</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Málo miesta (viac ako 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Čas zmenený</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Zastavené používateľom</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stiahnuť</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizuje sa</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maximálne FPS je</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Kopírovať súbory</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Kontrola kontr. súčtu</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Nezhoda kontr. súčtu</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Kontr. súčet OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Sťahovanie</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Odosielanie</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Mimo rozsahu</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Prehriatie</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Neplatné dáta</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Aktuálna verzia</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nová verzia</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Čas sekvencie</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Zadajte staré heslo</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Zadajte nové heslo</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Potvrďte heslo</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Čas predvoľby</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Zadajte heslo</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Zadajte názov</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Zadajte názov DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Zadajte IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Zadajte masku podsiete</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Zadajte bránu</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Zadajte DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Zadajte ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Zadajte doménu</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Zadajte server</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Zadajte príjemcu</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Zadajte odosielateľa</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Zadajte port</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Zadajte účet</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formát dátumu</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formát času</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Vzdialené nastavenie</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR zaneprázdnený!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Zlyhalo!! Neplatné nastavenie!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Export súboru denníka</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textové súbory (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Import konfiguračného súboru</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Zlyhalo!! Neplatný konfiguračný súbor!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Konfiguračné súbory (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Export konfiguračného súboru</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Otvoriť súbor firmvéru</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Súbory firmvéru (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Žiadny súbor firmvéru</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Aktualizácia firmvéru</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Kontrola HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Prihlásenie zlyhalo</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB zistené</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Pripojenie USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Import konfigurácie</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Predvolená konfigurácia</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Pripojenie zlyhalo</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Bez oprávnenia</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vyčistiť všetko</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Možnosti hľadania</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Predvolený režim</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Predvolená udalosť</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Predvolený kanál</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Predvolený interval</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Hľadanie zlyhalo</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Názov DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Verzia firmvéru</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Import súboru firmvéru</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Import konfig. súboru</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Export konfig. súboru</translation>
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
        <translation>Rozlíšenie VGA</translation>
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
        <translation>E-mail zap.</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Test e-mailu</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Nastav. udalosti</translation>
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
        <translation>Nepretržitý záznam</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Záznam udalostí</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Plán zap.</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Sviatky zap.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. zap.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Deň kontroly</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Čas kontroly</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Užív. sledovania</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Užív. hľadania</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Užív. nastavenia</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Automatické mazanie</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Export súboru denníka</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Nastavenie kamery</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Synchr. NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Export denníka</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Export konfigurácie</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Obnoviť DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Kontrola DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Teraz môžete bezpečne odpojiť napájanie</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>pre vypnutie zariadenia</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Zariadenie sa používa, zálohovanie nemožné</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Súkromná zóna</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Zobraziť PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Vytvoriť obraz ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Vytvorenie obrazu ISO zlyhalo</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Napaľovanie</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Napálenie úspešné</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Napálenie zlyhalo</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalizácia</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Odosielateľ</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Príjemca</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ovládanie</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Zrkadlenie diskov</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Nedostatok miesta na HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Presmerovanie portov</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Potrebné formátovanie, pokračovať</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Typ snímača</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Autom. skryť</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Vždy zobraziť</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Vždy skryť</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Časy sa prekrývajú</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Načítajú sa najnovšie dáta, pokračovať</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Pridať obrázok</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Prepínanie</translation>
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
        <translation>9 obrazov</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 obrazov</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 obrazov</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 obrazov</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 obrazov</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Šírka pásma</translation>
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
        <translation>Náhľad</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panoráma</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
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
        <translation>Počiatočné slovo</translation>
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
        <translation>Počet prid. riadkov</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Trvanie prekrytia textu</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Pozícia prekrytia</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Vľavo hore</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Vľavo dole</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Vpravo hore</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Vpravo dole</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot vyskak.</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot vyskak.</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Zvukový vstup</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Zobraziť POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Odhad dní záznamu</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percento</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Najstarší dátum</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Zobraziť využitie HDD</translation>
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
        <translation>Použiť stream záznamu</translation>
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
        <translation>Zistené</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snímka</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zmraziť</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Všetky kanály</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Viditeľné kanály</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Chyba/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Realokácia(sektor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Použité(dni)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Stav S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Zobrazenie 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Aktuálny deň</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Celý deň</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Prekrytie dátumov</translation>
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
        <translation>DB HDD v poriadku</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD chybná</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Chyba dát záznamu</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Dáta záznamu OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Chyba buffera záznamu</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Buffer záznamu OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Chyba sieťových dát</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Sieťové dáta OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Časový limit čipu</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Index kanála</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Bzučiak vyp.</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm vyp.</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Ovládanie alarmu</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Zapnúť</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Preskočiť stratu videa</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Strata videa</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video prítomné</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Záznam sa zastaví</translation>
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
        <translation>Denník udalostí</translation>
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
        <translation>Nečinnosť s</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Čas balenia dát</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Veľkosť balenia dát</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Záložné zariadenie je možné bezpečne odobrať</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Server strážnej služby</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Server obrázkov</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Číslo strážnej služby</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Číslo hesla</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zóna strážnej služby</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Ovládanie strážnej služby</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Čítačka kariet</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Server signálov</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Číslo zariadenia</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Čítačka</translation>
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
        <translation>Registrácia</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Výber režimu dverí</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Oneskorenie vstupu</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Oneskorenie výstupu</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Čas zatvorenia dverí</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Stav dverí</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Čas sirény</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Čas hlásenia linky</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Počet opakovaní spojenia</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Hlásenie dverí</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Výber klávesnice</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Hlavné číslo</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Číslo pochôdzky</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Pochôdzka</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Používať</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Oneskorenie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Obnovenie</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Poplašný zvonček</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentár</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Čiastočné odstráženie</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Vstup používateľa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvoriť</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Export denníka udalostí</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Pohyb Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Webový kód</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Panický záznam</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Záznam podľa plánu</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Ovládanie PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Režim rozdelenia</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Rozlíšenie rozdelenia</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Kvalita rozdelenia</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Rýchlosť rozdelenia</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Rozlíšenie vyskak.</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Kvalita vyskak.</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Rýchlosť vyskak.</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Použitý port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Port webového servera</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Adresa DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Obrazovka prehrávania</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Nepoužívať</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Pohyb + snímač</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISK PLNÝ</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>PREPISOVANIE</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informácie</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Čas/Dátum</translation>
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
        <translation>Predvolené nastavenie</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Správa systému</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Nastavenie tlačidiel</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Nastavenie sériového portu</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Automatická sekvencia</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Výstup Spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Nastavenie TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Nastavenie sieťového kodeku</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Názov kamery</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Nastavenie PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Súkromie</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Nastavenie záznamu</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Týždenný plán</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Záznam vo sviatok</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Detekcia pohybu </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Akcia udalosti</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Výrobné nastavenie</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Aktualizácia F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>ZÁLOHA konfigurácie</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>NAČÍTANIE konfigurácie</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Autom. zámok kláves</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pípanie kláves</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Stavový riadok</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Adresa DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Použiť port</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Webový port</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Vstup snímača</translation>
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
        <translation>Kanál vyskak.</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Trvanie vyskak.</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Reléový výstup</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Trvanie relé</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Interný bzučiak</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Zadajte ID ovládača</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push server</translation>
    </message>
</context>
</TS>
