<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>Spot HD</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Multivista</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Replay istantaneo</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequenza</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informazioni sistema</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Log di sistema</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Vai a Live</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Deinterlaccia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>AAAA/MM/GG</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/GG/AAAA</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>GG/MM/AAAA</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 ORE(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 ORE</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Cicalino</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Popup</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relè</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Colore analogico</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Ingresso evento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Rilevamento movimento</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Uscita allarme</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Ora</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Permessi utente</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Permessi</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Archiviazione</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Log di sistema</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Me</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>G</translation>
    </message>
    <message>
        <source>F</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Perdita video</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Sovrascrittura HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatta</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Non formattato</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Formattazione auto</translation>
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
        <translation>Riprovare</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra informazioni</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Cont.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta risoluzione</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Bassa risoluzione</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
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
        <translation>Media</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disabilita</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Nascosta</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Uscita audio</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Tutti On</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tutti Off</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Ingresso sensore</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
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
        <translation>ID telecomando</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Tastiera di sistema</translation>
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
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Visione</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Nome dominio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP connesso</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Messaggio di avvio</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo segnale</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Preallarme</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Stima</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Nessun dispositivo USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Nessun HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Velocità Pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Velocità Tilt</translation>
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
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>La conferma della password non corrisponde</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Avvio sistema</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Arresto sistema</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Aggiornamento sistema</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Reset anomalo</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Inizio reg. panico</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Fine reg. panico</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Disconnessione</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Uscita auto</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Inizio setup</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Fine setup</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Setup modificato</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Inizio ricerca</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Fine ricerca</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Inizio backup</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Fine backup</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Inizio PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Fine PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Connessione rete</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Aggiornamento da rete</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Invio e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Cavo di rete connesso</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Cavo di rete scollegato</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Ora cambiata da NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Errore S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Surriscaldamento HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>File già esistente</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID già esistente</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Salva ed esci</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Spazio insufficiente (min. 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Ora modificata</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Fermato da utente</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aggiornamento...</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS massimo:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Copia file</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Verifica checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum errato</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Upload in corso</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Surriscaldamento</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dati non validi</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versione attuale</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Tempo sosta sequenza</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Digita vecchia password</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Digita nuova password</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Conferma password</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Tempo sosta preset</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Digita password</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Digita nome</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Digita nome DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Digita IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Digita subnet mask</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Digita gateway</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Digita IP DNS</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Digita ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Digita dominio</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Digita server</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Digita destinatario</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Digita mittente</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Digita porta</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Digita account</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato ora</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Setup remoto</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR occupato!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Errore!! Impostazione non valida!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Esporta file log di sistema</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importa file configurazione</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Errore!! File configurazione non valido!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>File configurazione (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Esporta file configurazione</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Apri file firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>File firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Nessun file firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Controllo HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Accesso non riuscito</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB rilevata</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Montaggio USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Importa configurazione</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Configurazione predefinita</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Montaggio non riuscito</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Nessun permesso</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Opzioni ricerca</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Modo predefinito</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Evento predefinito</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Canale predefinito</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Intervallo predefinito</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Ricerca non riuscita</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Nome DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Importa file firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Importa file configurazione</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Esporta file configurazione</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Tipo DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Server DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Password DDNS</translation>
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
        <translation>Risoluzione VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Server NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Verifica NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail attiva</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Test e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Imposta evento</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Tipo reg.</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Reg. audio</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Registrazione continua</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Registrazione su evento</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Programma attivo</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Festivi attivi</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. attivo</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Giorno verifica</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Ora verifica</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Utente visione</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Utente ricerca</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Utente setup</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Cancellazione auto</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Esporta file log sistema</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Setup telecamera</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Sincronia NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Esporta log sistema</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Esporta configurazione</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Ricostruisci DB</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Verifica DB</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Ora è possibile scollegare l&apos;alimentazione</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>per spegnere l&apos;unità</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Dispositivo in uso, backup impossibile</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Zona privata</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Mostra PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Crea immagine ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Creazione immagine ISO non riuscita</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Masterizzazione</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Masterizzazione riuscita</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Masterizzazione non riuscita</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Mittente</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Destinatario</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Mirroring disco</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Spazio HDD insufficiente</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Port forwarding</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Occorre formattare, continuare?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Tipo sensore</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Nascondi auto</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Mostra sempre</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Nascondi sempre</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Orari sovrapposti</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Verranno caricati i dati più recenti, continuare?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Commutazione</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 schermo</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 schermi</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 schermi</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 schermi</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 schermi</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 schermi</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 schermi</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Schermo intero 4:3</translation>
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
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Parola iniziale</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Parola finale</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Parola ignorata</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Righe aggiunte</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Durata sovrimpressione testo</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Posizione sovrimpressione</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Popup spot</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>Popup spot HD</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Ingresso audio</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Mostra POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Giorni di registrazione stimati</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Data più vecchia</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Mostra uso HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriale</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Cicalino tasti</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Usa stream registrazione</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Allarme controllo HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Rilevato</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Fermo immagine</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Canali visibili</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Errore/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Riallocazione(settori)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Uso(giorni)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Stato S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Display 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Giorno attuale</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Tutto il giorno</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Data sovrapposta</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Errore thread registrazione</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Errore HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Errore XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Errore scrittura HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Scrittura HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>DB HDD buono</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>DB HDD guasto</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Errore dati registrazione</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Dati registrazione OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Errore buffer registrazione</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Buffer registrazione OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Errore dati rete</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Dati rete OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Timeout chip</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Indice canale</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Cicalino off</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Allarme off</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Controllo allarmi</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Salta perdita video</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Perdita video</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Video presente</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>La registrazione si fermerà</translation>
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
        <translation>Log eventi</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Inattività sec</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Tempo pacchetto dati</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Dimensione pacchetto dati</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Rimozione sicura del dispositivo di backup</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Server vigilanza</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Server immagini</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Numero vigilanza</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Numero password</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zona vigilanza</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Controllo vigilanza</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Lettore badge</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Server segnali</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Numero macchina</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Badge</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numero badge</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Selezione modo porta</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Ritardo ingresso</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Ritardo uscita</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Tempo chiusura porta</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Stato porta</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Durata sirena</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Tempo report linea</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Tentativi comunicazione</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Messaggio porta</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Selezione tastierino</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Numero master</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Numero ronda</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Campana allarme</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Disinserimento parziale</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Input utente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Esporta log eventi</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Movimento Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Codice Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Reg. panico</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Reg. programmata</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Controllo PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Modo multivista</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Risoluzione multivista</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Qualità multivista</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Velocità multivista</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Risoluzione popup</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Qualità popup</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Velocità popup</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Porta usata</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Porta server web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Indirizzo DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Schermo riproduzione</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Non usare</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Movimento + sensore</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISCO PIENO</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>SOVRASCRITTURA</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Ora/Data</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Password </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Disco rigido</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Setup predefinito</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Gestione sistema</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Setup pulsanti</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Setup porta seriale</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Sequenza auto</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Uscita spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Regolazione TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notifica</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Setup codec di rete</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Titolo telecamera</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Impostazioni PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Impostazioni reg.</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Programma settimanale</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Reg. festivi</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Rilevamento movimento </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Azione evento</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Setup di fabbrica</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Aggiornamento F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>BACKUP configurazione</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>CARICA configurazione</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Blocco tasti auto</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Beep tasti</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Indirizzo DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Usa porta</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Porta web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Ingresso sensore</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Tipo ingresso</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Movimento </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Canale popup</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Durata popup</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Uscita relè</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Durata relè</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Cicalino interno</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Digita ID telecomando</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Server push</translation>
    </message>
</context>
</TS>
