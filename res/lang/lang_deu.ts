<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HD-Spot</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilung</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Sofortwiedergabe</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequenz</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformation</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Systemprotokoll</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Zur Live-Ansicht</translation>
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
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>JJJJ/MM/TT</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 Std.(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 Std.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Popup</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analogfarbe</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Ereigniseingang</translation>
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
        <translation>Bewegungserkennung</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Alarmausgang</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Steuerpult</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
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
        <translation>Status</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Benutzerrechte</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Berechtigung</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Systemprotokoll</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Videoverlust</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD überschreiben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatieren</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Nicht formatiert</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Auto-Formatierung</translation>
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
        <translation>Bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Hohe Auflösung</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Niedrige Auflösung</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
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
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Alle übernehmen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Audioausgang</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Alle ein</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Sensoreingang</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>Fernbedienungs-ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Systemtastatur</translation>
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
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS-IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domänenname</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Verbundene IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
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
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Startmeldung</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaltyp</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Feiert.</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Voralarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Schätzung</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Kein USB-Gerät</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Keine HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Schwenkgeschw.</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Neigegeschw.</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Das Kennwort wurde nicht richtig bestätigt</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>System heruntergefahren</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>System-Update</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Unerwarteter Neustart</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Panikaufnahme Start</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Panikaufnahme Stopp</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Abmeldung</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Auto-Abmeldung</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Setup Start</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Setup Ende</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Setup geändert</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Suche Start</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Suche Ende</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Sicherung Start</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Sicherung Ende</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ Start</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ Ende</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Netzwerk-Update</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>E-Mail gesendet</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Netzwerkkabel verbunden</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Netzwerkkabel getrennt</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP-Zeitänderung</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T-Fehler</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD-Überhitzung</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID existiert bereits</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Sind Sie sicher</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Kein Platz (mehr als 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Zeit geändert</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Vom Benutzer gestoppt</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maximale FPS:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Dateien kopieren</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Prüfsumme wird geprüft</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Prüfsumme falsch</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Prüfsumme OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Überhitzung</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Aktuelle Version</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Sequenz-Verweilzeit</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Altes Kennwort eingeben</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Neues Kennwort eingeben</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Kennwort bestätigen</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Preset-Verweilzeit</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Kennwort eingeben</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>DVR-Namen eingeben</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>IP eingeben</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Subnetzmaske eingeben</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Gateway eingeben</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>DNS-IP eingeben</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>ID eingeben</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Domäne eingeben</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Server eingeben</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Empfänger eingeben</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Absender eingeben</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Port eingeben</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Konto eingeben</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Fernkonfiguration</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR belegt!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Fehler!! Ungültige Einstellung!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Systemprotokoll exportieren</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Konfigurationsdatei importieren</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Fehler!! Ungültige Konfigurationsdatei!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Konfigurationsdateien (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Konfigurationsdatei exportieren</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Firmware-Dateien (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Keine Firmware-Datei</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD-Prüfung</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB erkannt</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB eingebunden</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Konfiguration importiert</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Standardkonfiguration</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Einbinden fehlgeschlagen</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Standardmodus</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Standardereignis</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Standardkanal</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Standardintervall</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Suche fehlgeschlagen</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR-Name</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Firmware-Datei importieren</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Konfigurationsdatei importieren</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Konfigurationsdatei exportieren</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS-Typ</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS-Server</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS-Kennwort</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS-Test</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP-Test</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA-Auflösung</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP-Server</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP-Prüfung</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-Mail ein</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>E-Mail-Test</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Ereignis setzen</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Aufnahmeart</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Audioaufnahme</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Daueraufnahme</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Ereignisaufnahme</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Zeitplan ein</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Feiertag ein</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. ein</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Prüftag</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Prüfzeit</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Live-Benutzer</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Suche-Benutzer</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Setup-Benutzer</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Auto-Löschen</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Systemprotokoll exportieren</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kamera-Setup</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP-Sync</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Systemprotokoll-Export</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Konfigurations-Export</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>DB neu aufbauen</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DB-Prüfung</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Das Gerät kann jetzt sicher vom Strom getrennt werden</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>um das Gerät auszuschalten</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Gerät belegt, Sicherung nicht möglich</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Privatzone</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>PIP anzeigen</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>ISO-Abbild erstellen</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISO-Abbild fehlgeschlagen</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Brennen erfolgreich</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Brennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Festplattenspiegelung</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Nicht genug HDD-Speicher</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Port-Weiterleitung</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Formatierung nötig, fortfahren</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Sensortyp</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Autom. ausblenden</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Immer anzeigen</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Immer ausblenden</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Zeiten überschneiden sich</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Die neuesten Daten werden geladen, fortfahren</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 Bilder</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 Bilder</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 Bilder</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 Bilder</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 Bilder</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 Bilder</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Vollbild 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP-Test</translation>
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
        <translation>Miniaturbild</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Startwort</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Endwort</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Wort ignorieren</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Anzahl Zusatzzeilen</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Einblenddauer Text</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Einblendposition</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot-Popup</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD-Spot-Popup</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Audioeingang</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>POS anzeigen</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Geschätzte Aufnahmetage</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Ältestes Datum</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>HDD-Belegung anzeigen</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Aufnahmestream nutzen</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarm bei HDD-Prüfung</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS automatisch</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Erkannt</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Sichtbare Kanäle</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Fehler/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Neuzuordnung (Sektor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Benutzt (Tage)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T-Status</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3-Anzeige</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Aktueller Tag</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Ganzer Tag</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Datum überschneidet</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Aufnahme-Thread-Fehler</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD-Fehler</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS-Fehler</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD-Schreibfehler</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD-Schreiben OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB-HDD gut</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB-HDD schlecht</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Aufnahmedatenfehler</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Aufnahmedaten OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Aufnahmepufferfehler</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Aufnahmepuffer OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Netzwerkdatenfehler</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Netzwerkdaten OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Chip-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Kanalindex</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Summer aus</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm aus</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Alarmsteuerung</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Videoverlust überspringen</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Videoverlust</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video vorhanden</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Aufnahme wird gestoppt</translation>
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
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Inaktivität (s)</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Paketierzeit</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Paketgröße</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Sicherungsgerät kann entfernt werden</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Wachdienst-Server</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Bildserver</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Wachdienstnummer</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Kennwortnummer</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Wachdienstzone</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Wachdienststeuerung</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Kartenleser</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Signalserver</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Kundennummer</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Gerätenummer</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Leser</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Türmodus wählen</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Eingangsverzög.</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Ausgangsverzög.</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Tür-Schließzeit</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Türstatus</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Sirenendauer</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Leitungsmeldezeit</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Verbindungsversuche</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Türansage</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Tastenfeld wählen</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Masternummer</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Rundgangnummer</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Rundgang</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Alarmglocke</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Teilscharf aufheben</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Benutzereingabe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Ereignisprotokoll-Export</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo-Bewegung</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web-Code</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Panikaufnahme</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Zeitplanaufnahme</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ-Steuerung</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Teilungsmodus</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Teilungsauflösung</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Teilungsqualität</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Teilungsrate</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Popup-Auflösung</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Popup-Qualität</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Popup-Rate</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Benutzter Port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Webserver-Port</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS-Adresse</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Wiedergabebild</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Bewegung + Sensor</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>HDD VOLL</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>ÜBERSCHREIBEN</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Zeit/Datum</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Kennwort </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Systemverwaltung</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Tasten-Setup</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Auto-Sequenz</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot-Ausgang</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV-Einstellung</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Netzwerk-Codec</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Kameratitel</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ-Einstellung</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privatzone</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Aufnahmeeinstellung</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Wochenplan</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Feiertagsaufnahme</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Bewegungserkennung </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Ereignisaktion</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Werks-Setup</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W-Update</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Konfiguration SICHERN</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Konfiguration LADEN</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Auto-Tastensperre</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS-Adresse</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Port verwenden</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web-Port</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Sensoreingang</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Eingangstyp</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Bewegung </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Popup-Kanal</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Popup-Dauer</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Relaisausgang</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Relaisdauer</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Interner Summer</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Fernbedienungs-ID eingeben</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push-Server</translation>
    </message>
</context>
</TS>
