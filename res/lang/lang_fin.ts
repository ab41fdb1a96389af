<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Valikko</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Sammutus</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Näyttö</translation>
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
        <translation>Tallennus</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Laite</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Verkko</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Haku</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Jako</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Varmuuskopio</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Pikatoisto</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvenssi</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Järjestelmätiedot</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lukitus</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Järjestelmäloki</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Kirjaudu</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Livekuvaan</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Lomituksen poisto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>PERUUTA</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>KYLLÄ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>EI</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Virta pois</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Tapahtuma</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Siirry</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Valinnat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Poistu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Toista</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>VVVV/KK/PP</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>KK/PP/VVVV</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>PP/KK/VVVV</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 H(AP/IP)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 H</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Tunti</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Viikko</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Matala</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Korkea</translation>
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
        <translation>Pois</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Päällä/Pois</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunnuntai</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maanantai</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tiistai</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Keskiviikko</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Torstai</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Perjantai</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Lauantai</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Pyhäpäivä</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Virheet</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summeri</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Ponnahdus</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Rele</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Väri</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Analoginen väri</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Ryhmä</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Aikataulu</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Tapahtumatulo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ääni</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Liiketunnistus</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Hälytyslähtö</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Ohjain</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Portti</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Pvm/Aika</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Käyttäjäoikeudet</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Oikeudet</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Tallennustila</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Järjestelmäloki</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Laiteohjelmisto</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Kokoonpano</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Su</translation>
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
        <translation>Ke</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>To</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Pe</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Anturi</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Liike</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Kuvakatko</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>HDD:n ylikirjoitus</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Alusta</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Ei alustettu</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Autom. alustus</translation>
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
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Onnistui</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Läpinäkyvyys</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Tietopalkki</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Jatk.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resoluutio</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Korkea resoluutio</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Matala resoluutio</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Laatu</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>J/T</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Käytä kaikkiin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Poista kaikki</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Estetty</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Piilotettu</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Äänilähtö</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Herkkyys</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Kaikki päälle</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Kaikki pois</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Anturitulo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Kesto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Ajuri</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Siirtonopeus</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>Kaukosäätimen ID</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Järjestelmän näppäimistö</translation>
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
        <translation>Aliverkon peite</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Yhdyskäytävä</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Katselu</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Verkkotunnus</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Yhdistetty IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Käyttäjä</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Kenelle</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Keneltä</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Todennus</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Tili</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-osoite</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aseta</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Aikavyöhyke</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Kesäaika</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synkr.</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Käynnistysviesti</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Raja</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Loppu</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Päivitys</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaalityyppi</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kirkkaus</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrasti</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Värikylläisyys</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Sävy</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ti</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ke</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pe</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>La</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Pyhä</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Esihälytys</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Arvio</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Odota...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Paikallinen</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Polku</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Tiedostonimi</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Ei USB-laitetta</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Ei HDD:tä</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Täynnä</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Pan-nopeus</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Tilt-nopeus</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Kierros</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Esiasento</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Tarkennus</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Himmennin</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Epäonnistui</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Salasanan vahvistus ei täsmää</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Järjestelmän käynnistys</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Järjestelmän sammutus</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Järjestelmän päivitys</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Epänormaali nollaus</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Hätätallennus alkoi</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Hätätallennus päättyi</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Kirjautuminen</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Uloskirjaus</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Auto-uloskirjaus</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Asetukset avattu</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Asetukset suljettu</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Asetuksia muutettu</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Haku alkoi</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Haku päättyi</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Varmuuskopio alkoi</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Varmuuskopio päättyi</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>PTZ alkoi</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>PTZ päättyi</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Verkkoyhteys</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Verkkopäivitys</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Sähköposti lähetetty</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Verkkokaapeli kytketty</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Verkkokaapeli irrotettu</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>NTP-ajan muutos</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>S.M.A.R.T-virhe</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>HDD ylikuumenee</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Tiedosto on jo olemassa</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID on jo olemassa</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Oletko varma?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Tallenna ja poistu</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Ei tietoja</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Ei tilaa (vähintään 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Aika muutettu</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Suorita</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Käyttäjä pysäytti</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Päivitetään</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Suurin FPS on</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Kopioi tiedostot</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Tarkistussumma...</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Tarkistussumma ei täsmää</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Tarkistussumma OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Lähetetään</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Ylikuumeneminen</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Virheelliset tiedot</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Nykyinen versio</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Uusi versio</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Sekvenssin viive</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Anna vanha salasana</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Anna uusi salasana</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Vahvista salasana</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Esiasennon viive</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Anna salasana</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Anna nimi</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Anna DVR:n nimi</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Anna IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Anna aliverkon peite</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Anna yhdyskäytävä</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Anna DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Anna ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Anna verkkotunnus</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Anna palvelin</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Anna vastaanottaja</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Anna lähettäjä</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Anna portti</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Anna tili</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Päivämäärämuoto</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Aikamuoto</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Etäasetukset</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR varattu!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Virhe!! Virheellinen asetus!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Vie järjestelmälokitiedosto</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstitiedostot (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Tuo asetustiedosto</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Virhe!! Virheellinen asetustiedosto!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Asetustiedostot (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Vie asetustiedosto</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Avaa laiteohjelmatiedosto</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Laiteohjelmatiedostot (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Ei laiteohjelmatiedostoa</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Laiteohjelmapäivitys</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>HDD-tarkistus</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Kirjautumisvirhe</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB havaittu</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB liitetty</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Asetusten tuonti</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Oletuskokoonpano</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Liittäminen epäonnistui</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Ei oikeuksia</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tyhjennä kaikki</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Hakuvalinnat</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Oletustila</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Oletustapahtuma</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Oletuskanava</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Oletusväli</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Haku epäonnistui</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>DVR:n nimi</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Laiteohjelmaversio</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Laiteohjelman tuonti</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Asetustiedoston tuonti</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Asetustiedoston vienti</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>DDNS-tyyppi</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>DDNS-palvelin</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>DDNS-salasana</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>DDNS-testi</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>UPNP-testi</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>VGA-resoluutio</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP-palvelin</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>NTP-tarkistus</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-palvelin</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>Sähköposti päällä</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Sähköpostitesti</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Tapahtuma-asetus</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Tallennustapa</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Äänitallennus</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Jatkuva tallennus</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Tapahtumatallennus</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Aikataulu päällä</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Pyhät päällä</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. päällä</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Tarkistuspäivä</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Tarkistusaika</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Katselukäyttäjä</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Hakukäyttäjä</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Asetuskäyttäjä</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Autom. poisto</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Järjestelmälokin vienti</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Kamera-asetukset</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>NTP-synkr.</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Järj.lokin vienti</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Asetusten vienti</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Rakenna DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>DB-tarkistus</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Voit nyt irrottaa virran turvallisesti</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>laitteen sammuttamiseksi</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Laite käytössä, varmuuskopio ei onnistu</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Yksityisalue</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Näytä PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Luo ISO-levykuva</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>ISO-levykuvan luonti epäonnistui</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Poltetaan</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Poltto onnistui</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Poltto epäonnistui</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Viimeistellään</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Lähettäjä</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Vastaanottaja</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ohjaus</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Levyn peilaus</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>HDD:llä ei tarpeeksi tilaa</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Porttiohjaus</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Alustus tarvitaan, jatketaanko?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Anturin tyyppi</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Autom. piilotus</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Näytä aina</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Piilota aina</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Ajat ovat päällekkäin</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Uusimmat tiedot ladataan, jatketaanko?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Hälytys</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Lisää kuva</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Toimintatila</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 kuva</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 kuvaa</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 kuvaa</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 kuvaa</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 kuvaa</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 kuvaa</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 kuvaa</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Kaistanleveys</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Koko näyttö 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>uPNP-testi</translation>
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
        <translation>Pikkukuva</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panoraama</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Suodatin</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanava</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Väli</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Alkusana</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Loppusana</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Ohitettava sana</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Lisärivien määrä</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Tekstin näyttöaika</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Tekstin sijainti</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Ylhäällä vasen</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Alhaalla vasen</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Ylhäällä oikea</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Alhaalla oikea</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Spot-ponnahdus</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Spot-ponnahdus</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Äänitulo</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Näytä POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Arvioidut tallennuspäivät</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prosentti</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Vanhin päivämäärä</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Näytä HDD:n käyttö</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Sarja</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Näppäinääni</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Käytä tallennusvirtaa</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>HDD-tarkistuksen hälytys</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS autom.</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Havaittu</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Tilannekuva</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Pysäytyskuva</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Koko näyttö</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Kaikki kanavat</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Näkyvät kanavat</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Virhe/Testi</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Uudelleenvaraus(sektori)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Käytetty(pv)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>S.M.A.R.T-tila</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>4:3-näyttö</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Nykyinen päivä</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Koko päivä</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Päivämäärät päällekkäin</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Tallennussäikeen virhe</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>HDD-virhe</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>XFS-virhe</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>HDD-kirjoitusvirhe</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>HDD-kirjoitus OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD kunnossa</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD viallinen</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Tallennustietojen virhe</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Tallennustiedot OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Tallennuspuskurin virhe</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Tallennuspuskuri OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Verkkotietojen virhe</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Verkkotiedot OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Piirin aikakatkaisu</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Kanavaindeksi</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Summeri pois</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Hälytys pois</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Hälytysohjaus</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Kytke päälle</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kytke pois</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Ohita kuvakatko</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Kuvakatko</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Kuva palasi</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Tallennus pysähtyy</translation>
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
        <translation>Tapahtumaloki</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Palvelin</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokolla</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Toimettomuus s</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Tietopaketin aika</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Tietopaketin koko</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Varmuuskopiolaitteen voi irrottaa</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Vartiointipalvelin</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Kuvapalvelin</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Vartiointinumero</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Salasananumero</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Vartiointivyöhyke</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Vartioinnin ohjaus</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Kortinlukija</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Signaalipalvelin</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Asiakasnumero</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Laitenumero</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lukija</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kortti</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kortin numero</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tarkista</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Rekisteröinti</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Oven tilan valinta</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Sisääntuloviive</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Poistumisviive</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Oven sulkemisaika</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Oven tila</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Sireenin aika</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Linjaraportin aika</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Yhteyden uusintakerrat</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Oven viesti</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Näppäimistön valinta</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Pääkäyttäjän numero</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Vartiokierroksen numero</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Vartiokierros</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Viive</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Hälytyskello</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentti</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Osittainen purku</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Käyttäjän syöte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Tapahtumalokin vienti</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Tavo-liike</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Web-koodi</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Hätätallennus</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Ajastettu tallennus</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>PTZ-ohjaus</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Jakotila</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Jaon resoluutio</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Jaon laatu</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Jaon nopeus</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Ponnahduksen resoluutio</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Ponnahduksen laatu</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Ponnahduksen nopeus</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Käytetty portti</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Web-palvelimen portti</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>DDNS-osoite</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Toistonäyttö</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Liike + anturi</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>LEVY TÄYNNÄ</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>YLIKIRJOITUS</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Aika/Pvm</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Salasana </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Kiintolevy</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Oletusasetukset</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Järjestelmän hallinta</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Painikeasetukset</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Sarjaportin asetukset</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Autom. sekvenssi</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Spot-lähtö</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>TV-säätö</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-osoite</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Ilmoitus</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Verkkokoodekin asetukset</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Kameran nimi</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>PTZ-asetukset</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Yksityisyys</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Tallennusasetukset</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Viikkoaikataulu</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Pyhätallennus</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Liiketunnistus </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Tapahtumatoiminto</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Tehdasasetukset</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>F/W-päivitys</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Asetusten VARMUUSKOPIO</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Asetusten LATAUS</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Autom. näppäinlukitus</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Näppäinääni</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Tilapalkki</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>DNS-osoite</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Käytä porttia</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Web-portti</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Anturitulo</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Tulon tyyppi</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Liike </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Ponnahduskanava</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Ponnahduksen kesto</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Relelähtö</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Releen kesto</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Sisäinen summeri</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Anna kaukosäätimen ID</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push-palvelin</translation>
    </message>
</context>
</TS>
