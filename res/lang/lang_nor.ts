<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Skjerm</translation>
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
        <translation>Opptak</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Delt bilde</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Direkte avspilling</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvens</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformasjon</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Systemlogg</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Logg inn</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Til live</translation>
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
        <translation>AVBRYT</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEI</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Strøm av</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Hendelse</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Gå til</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spill av</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>ÅÅÅÅ/MM/DD</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/ÅÅÅÅ</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>DD/MM/ÅÅÅÅ</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 T(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 T</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Uke</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Måned</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Lav</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Høy</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sek</translation>
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
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>På/Av</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tirsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lørdag</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Feil</translation>
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
        <translation>Relé</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analog farge</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Tidsplan</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Hendelse inn</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Lyd</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Bevegelsesdeteksjon</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Alarmutgang</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroller</translation>
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
        <translation>E-post</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dato/Tid</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Brukerrettigheter</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Rettigheter</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lagring</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Systemlogg</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Fastvare</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurasjon</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Sø</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ti</translation>
    </message>
    <message>
        <source>W</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>To</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bevegelse</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Videotap</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD-overskriving</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Ikke formatert</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Autoformatering</translation>
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
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Vellykket</translation>
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
        <translation>Dato</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Gjennomsiktighet</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Infolinje</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Kont.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Oppløsning</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Høy oppløsning</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Lav oppløsning</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalitet</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>K/H</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Bruk på alle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Slett alle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Skjult</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Lyd ut</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Følsomhet</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Alle på</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Alle av</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Sensor inn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Varighet</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>Fjernkontroll-ID</translation>
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
        <translation>Nettmaske</translation>
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
        <translation>Visning</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domenenavn</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Tilkoblet IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Bruker</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autentisering</translation>
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
        <translation>MAC-adresse</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Angi</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Tidssone</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommertid</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synk</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Oppstartsmelding</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grense</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slutt</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaltype</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Metning</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Fargetone</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Søn</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tir</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ons</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fre</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Lør</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Hellig</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Forhåndsalarm</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Estimat</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vent litt...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Ingen USB-enhet</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Ingen HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Pan-hastighet</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Tilt-hastighet</translation>
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
        <translation>Fokus</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Passordet ble ikke bekreftet riktig</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Systemavslutning</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Systemoppgradering</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Unormal omstart</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Panikkopptak start</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Panikkopptak stopp</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Innlogging</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Utlogging</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Auto-utlogging</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Oppsett start</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Oppsett stopp</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Oppsett endret</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Søk start</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Søk stopp</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Backup start</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Backup stopp</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ start</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ stopp</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Nettverkstilkobling</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Nettverksoppgradering</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>E-post sendt</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Nettverkskabel tilkoblet</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Nettverkskabel frakoblet</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP-tidsendring</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T-feil</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD overopphetet</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Filen finnes allerede</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID-en finnes allerede</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Er du sikker?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Lagre og avslutt</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Ingen data</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Ikke plass (mer enn 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Tid endret</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kjør</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Stoppet av bruker</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Oppdaterer</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Maks FPS er</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Kopier filer</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Kontrollerer sjekksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Feil sjekksum</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Sjekksum OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Utenfor område</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Overoppheting</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ugyldige data</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Nåværende versjon</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Ny versjon</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Sekvens-visningstid</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Skriv gammelt passord</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Skriv nytt passord</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Bekreft passord</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Preset-visningstid</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Skriv passord</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Skriv navn</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Skriv DVR-navn</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Skriv IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Skriv nettmaske</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Skriv gateway</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Skriv DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Skriv ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Skriv domene</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Skriv server</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Skriv mottaker</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Skriv avsender</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Skriv port</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Skriv konto</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datoformat</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Tidsformat</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Fjernoppsett</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR opptatt!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Feil!! Ugyldig innstilling!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Eksporter systemloggfil</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstfiler (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importer konfigurasjonsfil</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Feil!! Ugyldig konfigurasjonsfil!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Konfigurasjonsfiler (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Eksporter konfigurasjonsfil</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Åpne fastvarefil</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Fastvarefiler (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Ingen fastvarefil</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Fastvareoppgradering</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD-sjekk</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Innlogging mislyktes</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB oppdaget</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB montert</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Konfigurasjonsimport</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Standardkonfigurasjon</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Montering mislyktes</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Ingen tilgang</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tøm alle</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Søkevalg</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Standardmodus</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Standardhendelse</translation>
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
        <translation>Søk mislyktes</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR-navn</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Fastvareversjon</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Fastvarefil import</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Konfig.fil import</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Konfig.fil eksport</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS-type</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS-server</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS-passord</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS-test</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP-test</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA-oppløsning</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP-server</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP-sjekk</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-post på</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>E-posttest</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Hendelsesoppsett</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Opptakstype</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Lydopptak</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Kontinuerlig opptak</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Hendelsesopptak</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Tidsplan på</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Helligdag på</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. på</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Sjekkdag</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Sjekktid</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Visningsbruker</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Søkebruker</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Oppsettbruker</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Autosletting</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Systemloggfil eksport</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kameraoppsett</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP-synk</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Systemlogg eksport</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Konfigurasjonseksport</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Gjenoppbygg DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DB-sjekk</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Nå kan du trygt koble fra strømmen</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>for å slå av enheten</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Enheten er i bruk, kan ikke ta backup</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Privat sone</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Vis PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Lag ISO-bilde</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Kunne ikke lage ISO-bilde</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Brenner</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Brenning vellykket</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Brenning mislyktes</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Lukker plate</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Avsender</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Mottaker</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Diskspeiling</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Ikke nok plass på HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Portvideresending</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Må formateres, fortsette?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Sensortype</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Auto skjul</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Vis alltid</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Skjul alltid</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Tidene overlapper</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Nyeste data lastes, fortsette?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Legg til bilde</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Veksling</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 bilde</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 bilder</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 bilder</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 bilder</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 bilder</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 bilder</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 bilder</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Båndbredde</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Fullskjerm 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP-test</translation>
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
        <translation>Miniatyr</translation>
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
        <translation>Startord</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Sluttord</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Ignorer ord</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Antall ekstra linjer</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Tekstvisningstid</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Tekstposisjon</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Øverst til venstre</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Nederst til venstre</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Øverst til høyre</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Nederst til høyre</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot-popup</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot-popup</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Lydinngang</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Vis POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Beregnede opptaksdager</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prosent</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Eldste dato</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Vis HDD-bruk</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriell</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Tastelyd</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Bruk opptaksstrøm</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarm HDD-sjekk</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Oppdaget</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Stillbilde</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Frys</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Fullskjerm</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle kanaler</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Synlige kanaler</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Feil/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Omallokering(sektor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Brukt(dager)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T-status</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3-visning</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Gjeldende dag</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Hele dagen</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Datooverlapp</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Opptakstråd-feil</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD-feil</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS-feil</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD-skrivefeil</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD-skriving OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD god</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD dårlig</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Opptaksdatafeil</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Opptaksdata OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Opptaksbufferfeil</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Opptaksbuffer OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Nettverksdatafeil</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Nettverksdata OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Chip-tidsavbrudd</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Kanalindeks</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Summer av</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarm av</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Alarmkontroll</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Skru på</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Skru av</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Hopp over videotap</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Videotap</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video inn</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Opptaket stopper</translation>
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
        <translation>Hendelseslogg</translation>
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
        <translation>Inaktivitet sek</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Datapakketid</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Datapakkestørrelse</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Backup-enheten kan trygt fjernes</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Vaktserver</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Bildeserver</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Vaktnummer</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Passordnummer</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Vaktsone</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Vaktkontroll</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Kortleser</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Signalserver</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Maskinnummer</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Leser</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kortnummer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sjekk</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registrering</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Valg av dørmodus</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Forsinkelse inn</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Forsinkelse ut</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Dørlukketid</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Dørstatus</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Sirenetid</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Linjerapporttid</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Antall nye forsøk</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Dørmelding</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Valg av tastatur</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Hovednummer</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Patruljenummer</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Patrulje</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>I bruk</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Forsinkelse</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Gjenopprett</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Alarmklokke</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Delvis frakobling</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Brukerinndata</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Hendelseslogg eksport</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo bevegelse</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Webkode</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Panikkopptak</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Planlagt opptak</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ-kontroll</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Delt modus</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Delt oppløsning</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Delt kvalitet</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Delt hastighet</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Popup-oppløsning</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Popup-kvalitet</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Popup-hastighet</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Brukt port</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Webserverport</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS-adresse</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Avspillingsskjerm</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Ikke bruk</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Bevegelse + sensor</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISK FULL</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>OVERSKRIV</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Tid/Dato</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Passord </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Harddisk</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Standardoppsett</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Systemadministrasjon</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Knappeoppsett</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Serieportoppsett</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Autosekvens</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot ut</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV-justering</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Varsling</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Nettverkskodek-oppsett</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Kameranavn</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ-innstilling</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Personvern</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Opptaksinnstilling</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Ukeplan</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Helligdagsopptak</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Bevegelsesdeteksjon </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Hendelseshandling</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Fabrikkoppsett</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W-oppgradering</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Konfigurasjon BACKUP</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Konfigurasjon LAST</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Auto tastelås</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastepip</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statuslinje</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS-adresse</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Bruk port</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Webport</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Sensorinngang</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Inngangstype</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Bevegelse </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Popup-kanal</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Popup-varighet</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Relé ut</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Relévarighet</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Intern summer</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Skriv fjernkontroll-ID</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push-server</translation>
    </message>
</context>
</TS>
