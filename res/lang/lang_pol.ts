<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Wyłączenie</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
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
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podział</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopia</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Szybkie odtw.</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekwencja</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Dziennik systemu</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Usuń przeplot</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Wyłącz zasilanie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Idź do</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
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
        <translation>12 GODZ(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 GODZ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
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
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Wł./Wył.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Święto</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Brzęczyk</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Okno popup</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Przekaźnik</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Kolor analog.</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Wejście zdarzeń</translation>
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
        <translation>Detekcja ruchu</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Wyjście alarm.</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
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
        <translation>Stan</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Czas</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Uprawnienia użytk.</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Uprawnienia</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Dziennik systemu</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
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
        <translation>Wt</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ś</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Czujnik</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Utrata wideo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Nadpisywanie HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatuj</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Niesformat.</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Autoformat.</translation>
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
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sukces</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Pasek informacji</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Ciągłe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Wysoka rozdzielczość</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Niska rozdzielczość</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Najwyższa</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Zastosuj do wsz.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Dezaktywuj</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Ukryta</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Wyjście audio</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Czułość</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Wszystkie wł.</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Wszystkie wył.</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Wejście czujnika</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Prędkość transm.</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID pilota</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Klawiatura systemowa</translation>
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
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Nazwa domeny</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Połączone IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchr.</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Komunikat startowy</translation>
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
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Typ sygnału</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odcień</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Św.</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Przedalarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Szacowanie</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokalny</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Brak urządzenia USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Brak HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Pełny</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Prędkość obrotu</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Prędkość pochyl.</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Ostrość</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Przysłona</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Hasło nie zostało poprawnie potwierdzone</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Start systemu</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Wyłączenie systemu</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Aktualizacja systemu</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Nieprawidłowy reset</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Start nagr. alarmowego</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Stop nagr. alarmowego</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Wylogowanie</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Autowylogowanie</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Start ustawień</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Koniec ustawień</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Zmiana ustawień</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Start wyszukiwania</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Koniec wyszukiwania</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Start kopii</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Koniec kopii</translation>
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
        <translation>Połączenie sieciowe</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Aktualizacja sieciowa</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Wysłanie e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Kabel sieciowy podłączony</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Kabel sieciowy odłączony</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Zmiana czasu NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Błąd S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Przegrzanie HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID już istnieje</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Czy na pewno</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Zapisz i wyjdź</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Brak miejsca (ponad 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Zmieniono czas</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Zatrzymane przez użytk.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizowanie</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maksymalny FPS to</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Kopiuj pliki</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Sprawdzanie sumy kontr.</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Niezgodna suma kontr.</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Suma kontr. OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Przegrzanie</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Błędne dane</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Bieżąca wersja</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nowa wersja</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Czas sekwencji</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Wpisz stare hasło</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Wpisz nowe hasło</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Czas presetu</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Wpisz hasło</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Wpisz nazwę</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Wpisz nazwę DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Wpisz IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Wpisz maskę podsieci</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Wpisz bramę</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Wpisz DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Wpisz ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Wpisz domenę</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Wpisz serwer</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Wpisz odbiorcę</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Wpisz nadawcę</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Wpisz port</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Wpisz konto</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Format czasu</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Zdalne ustawienia</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR zajęty!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Błąd!! Złe ustawienie!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Eksport dziennika systemu</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Import pliku konfiguracji</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Błąd!! Zły plik konfiguracji!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Pliki konfiguracji (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Eksport pliku konfiguracji</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Otwórz plik firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Pliki firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Brak pliku firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Sprawdzenie HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Błąd logowania</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>Wykryto USB</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Montowanie USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Import konfiguracji</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Konfiguracja domyślna</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Błąd montowania</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Opcje wyszukiwania</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Tryb domyślny</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Zdarzenie domyślne</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Kanał domyślny</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Interwał domyślny</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Błąd wyszukiwania</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Nazwa DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Wersja firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Import pliku firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Import pliku konfiguracji</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Eksport pliku konfiguracji</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Typ DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Serwer DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Hasło DDNS</translation>
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
        <translation>Rozdzielczość VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Serwer NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Sprawdź NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail wł.</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Test e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Ustaw. zdarzeń</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Typ nagr.</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Nagr. audio</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Nagrywanie ciągłe</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Nagrywanie zdarzeń</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Harmonogram wł.</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Święta wł.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. wł.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Dzień sprawdz.</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Czas sprawdz.</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Użytk. podglądu</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Użytk. wyszukiw.</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Użytk. ustawień</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Autousuwanie</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Eksport pliku dziennika</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Ustawienia kamery</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Synchr. NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Eksport dziennika</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Eksport konfiguracji</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Odbuduj BD</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Sprawdź BD</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Teraz można bezpiecznie odłączyć zasilanie</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>aby wyłączyć urządzenie</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Urządzenie zajęte, kopia niemożliwa</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Strefa prywatna</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Pokaż PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Utwórz obraz ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Błąd tworzenia obrazu ISO</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Nagrywanie płyty</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Płyta nagrana</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Błąd nagrywania płyty</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalizacja</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Nadawca</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Odbiorca</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Kopia lustrzana dysku</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Za mało miejsca na HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Przekierowanie portów</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Wymagane formatowanie, kontynuować</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Typ czujnika</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Autoukrywanie</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Zawsze pokazuj</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Zawsze ukrywaj</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Czasy nakładają się</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Zostaną wczytane najnowsze dane, kontynuować</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Przełączanie</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 ekran</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 ekrany</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 ekranów</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 ekranów</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 ekranów</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 ekranów</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 ekrany</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Przepustowość</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Pełny ekran 4:3</translation>
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
        <translation>Miniatury</translation>
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
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interwał</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Słowo początk.</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Słowo końcowe</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Słowo pomijane</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Liczba dod. linii</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Czas nakładki tekstu</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Pozycja nakładki</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Lewy górny</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Lewy dolny</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Prawy górny</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Prawy dolny</translation>
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
        <translation>Wejście audio</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Pokaż POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Szacowane dni nagr.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Najstarsza data</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Pokaż zajętość HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Szeregowy</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Użyj strumienia nagr.</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarm kontroli HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Wykryto</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Zrzut</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Widoczne kanały</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Błąd/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Realokacja(sektor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Użycie(dni)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Stan S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Ekran 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Bieżący dzień</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Cały dzień</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Nakładanie dat</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Błąd wątku nagr.</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Błąd HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Błąd XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Błąd zapisu HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Zapis HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>BD HDD dobra</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>BD HDD zła</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Błąd danych nagr.</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Dane nagr. OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Błąd bufora nagr.</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Bufor nagr. OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Błąd danych sieci</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Dane sieci OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Timeout układu</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Numer kanału</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Brzęczyk wył.</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm wył.</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Sterowanie alarmem</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Pomiń utratę wideo</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Utrata wideo</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Wideo obecne</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Nagrywanie zostanie zatrzymane</translation>
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
        <translation>Dziennik zdarzeń</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Bezczynność s</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Czas pakietu danych</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Rozmiar pakietu danych</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Można bezpiecznie odłączyć nośnik kopii</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Serwer ochrony</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Serwer obrazów</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Numer ochrony</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Numer hasła</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Strefa ochrony</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Sterowanie ochroną</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Czytnik kart</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Serwer sygnałów</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Numer urządzenia</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Czytnik</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karta</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numer karty</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Rejestracja</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Wybór trybu drzwi</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Opóźnienie wejścia</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Opóźnienie wyjścia</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Czas zamknięcia drzwi</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Stan drzwi</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Czas syreny</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Czas raportu linii</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Liczba ponowień łączności</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Komunikat drzwi</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Wybór klawiatury</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Numer główny</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Numer patrolu</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Patrol</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Dzwonek alarmowy</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Częściowe rozbrojenie</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Wprowadzanie użytk.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Eksport dziennika zdarzeń</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Ruch Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Kod Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Nagr. alarmowe</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Nagr. wg harmonogramu</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Sterowanie PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Tryb podziału</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Rozdz. podziału</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Jakość podziału</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Szybkość podziału</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Rozdz. popup</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Jakość popup</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Szybkość popup</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Używany port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Port serwera Web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Adres DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Ekran odtwarzania</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Nie używaj</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Ruch + czujnik</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DYSK PEŁNY</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>NADPISYWANIE</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Czas/Data</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Hasło </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Dysk twardy</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Ustawienia domyślne</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Zarządzanie systemem</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Ustawienia przycisków</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Ustaw. portu szereg.</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Autosekwencja</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Wyjście Spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Regulacja TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Ustaw. kodeka sieci</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Nazwa kamery</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Ustawienia PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Ustawienia nagrywania</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Harmonogram tygodniowy</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Nagrywanie w święta</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Detekcja ruchu </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Akcja zdarzenia</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Aktualizacja F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>KOPIA konfiguracji</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>WCZYTAJ konfigurację</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Autoblokada klawiszy</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Adres DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Użyj portu</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Port Web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Wejście czujnika</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Typ wejścia</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Ruch </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Kanał popup</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Czas popup</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Wyjście przekaźnika</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Czas przekaźnika</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Brzęczyk wewnętrzny</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Wpisz ID pilota</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Serwer Push</translation>
    </message>
</context>
</TS>
