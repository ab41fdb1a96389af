<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
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
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Relecture immédiate</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Séquence</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Journal système</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Vers direct</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Désentrelacement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Mise hors tension</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>AAAA/MM/JJ</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>JJ/MM/AAAA</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 H(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 H</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Buzzer</translation>
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
        <translation>Température</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Couleur analogique</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Entrée événement</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Sortie alarme</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Droits utilisateur</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Droits</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Journal système</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
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
        <translation>J</translation>
    </message>
    <message>
        <source>F</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Perte vidéo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Écrasement HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Non formaté</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Formatage auto</translation>
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
        <translation>Veuillez réessayer</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barre d'infos</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Haute résolution</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Basse résolution</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>IPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
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
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Appliquer à tous</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Sortie audio</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Tous marche</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tous arrêt</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Entrée capteur</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID télécommande</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Clavier système</translation>
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
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Nom de domaine</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP connectée</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d'été</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchro</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Message de démarrage</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Type de signal</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Férié</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Pré-alarme</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Estimation</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Aucun périphérique USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Aucun HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Vitesse pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Vitesse tilt</translation>
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
        <translation>Focus</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>IRIS</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Le mot de passe n'a pas été correctement confirmé</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Démarrage système</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Arrêt système</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Mise à jour système</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Redémarrage anormal</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Début enreg. panique</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Fin enreg. panique</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Déconnexion auto</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Début configuration</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Fin configuration</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Configuration modifiée</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Début recherche</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Fin recherche</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Début sauvegarde</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Fin sauvegarde</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Début PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Fin PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Connexion réseau</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Mise à jour réseau</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Envoi e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Câble réseau connecté</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Câble réseau déconnecté</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Changement heure NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Erreur S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Surchauffe HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>L'ID existe déjà</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrer</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Êtes-vous sûr</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Pas d'espace (plus de 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Heure modifiée</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Arrêté par l'utilisateur</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>IPS maximum :</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Copie des fichiers</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Vérification du checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum incorrect</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Hors plage</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Données invalides</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Version actuelle</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Temps de séquence</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Temps de preset</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Saisir le nom</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Saisir le nom du DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Saisir l'IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Saisir le masque</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Saisir la passerelle</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Saisir l'IP DNS</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Saisir l'ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Saisir le domaine</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Saisir le serveur</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Saisir le destinataire</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Saisir l'expéditeur</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Saisir le port</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Saisir le compte</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Format d'heure</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Configuration à distance</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR occupé !!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Échec !! Réglage invalide !!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Exporter le journal système</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importer le fichier de configuration</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Échec !! Fichier de configuration invalide !!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Fichiers de configuration (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Exporter le fichier de configuration</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Ouvrir le fichier firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Fichiers firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Aucun fichier firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Mise à jour firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Vérification HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Échec de connexion</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB détecté</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB monté</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Import de configuration</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Configuration par défaut</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Échec du montage</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Options de recherche</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Mode par défaut</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Événement par défaut</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Canal par défaut</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Intervalle par défaut</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Échec de la recherche</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Nom du DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Import fichier firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Import fichier configuration</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Export fichier configuration</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Type DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Serveur DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Mot de passe DDNS</translation>
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
        <translation>Résolution VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Serveur NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Vérification NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail actif</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Test e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Réglage événement</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Type d'enreg.</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Enreg. audio</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Enregistrement continu</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Enregistrement sur événement</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Planning actif</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Jours fériés actifs</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. actif</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Jour de contrôle</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Heure de contrôle</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Utilisateur direct</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Utilisateur recherche</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Utilisateur configuration</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Suppression auto</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Export fichier journal</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configuration caméra</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Synchro NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Export journal système</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Export configuration</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Reconstruire la BD</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Vérifier la BD</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Vous pouvez maintenant couper l'alimentation</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>pour éteindre l'appareil</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Périphérique occupé, sauvegarde impossible</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Zone privée</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Afficher PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Créer l'image ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Échec de l'image ISO</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Gravure</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Gravure réussie</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Échec de la gravure</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Mise en miroir disque</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Espace HDD insuffisant</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Redirection de port</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Formatage nécessaire, continuer</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Type de capteur</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Masquage auto</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Toujours afficher</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Toujours masquer</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Les horaires se chevauchent</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Les dernières données seront chargées, continuer</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Commutation</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 écran</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 écrans</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 écrans</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 écrans</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 écrans</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 écrans</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 écrans</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bande passante</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Plein écran 4:3</translation>
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
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Mot de début</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Mot de fin</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Mot ignoré</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Lignes ajoutées</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Durée d'incrustation</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Position d'incrustation</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Bas droite</translation>
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
        <translation>Entrée audio</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Afficher POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Jours d'enreg. estimés</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Date la plus ancienne</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Afficher l'utilisation HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Bip touches</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Utiliser le flux d'enreg.</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarme contrôle HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Détecté</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Canaux visibles</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Erreur/Test</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Réallocation (secteur)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Utilisé (jours)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>État S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Affichage 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Jour actuel</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Toute la journée</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Dates chevauchées</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Erreur thread enreg.</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Erreur HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Erreur XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Erreur écriture HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Écriture HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>HDD BD bon</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>HDD BD mauvais</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Erreur données enreg.</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Données enreg. OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Erreur tampon enreg.</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Tampon enreg. OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Erreur données réseau</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Données réseau OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Délai puce dépassé</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Index du canal</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Buzzer arrêt</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarme arrêt</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Contrôle alarme</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Ignorer perte vidéo</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Perte vidéo</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Vidéo présente</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>L'enregistrement va s'arrêter</translation>
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
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Inactivité (s)</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Durée de paquet</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Taille de paquet</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Retrait du support de sauvegarde possible</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Serveur télésurveillance</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Serveur d'images</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>N° télésurveillance</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>N° mot de passe</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zone télésurveillance</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Contrôle télésurveillance</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Lecteur de carte</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Serveur de signal</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>N° machine</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>N° de carte</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Choix mode porte</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Délai d'entrée</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Délai de sortie</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Temps fermeture porte</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>État porte</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Durée sirène</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Temps rapport ligne</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Nombre de tentatives</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Message porte</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Choix clavier</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>N° maître</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>N° ronde</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Sonnerie alarme</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Désarmement partiel</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Saisie utilisateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Export journal événements</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Mouvement Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Code Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Enreg. panique</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Enreg. planifié</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Contrôle PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Mode division</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Résolution division</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Qualité division</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Vitesse division</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Résolution popup</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Qualité popup</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Vitesse popup</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Port utilisé</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Port serveur Web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Adresse DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Écran de lecture</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Mouvement + Capteur</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISQUE PLEIN</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>ÉCRASEMENT</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Heure/Date</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Mot de passe </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Disque dur</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Gestion système</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Réglage boutons</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Séquence auto</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Sortie spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Réglage TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Codec réseau</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Titre caméra</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Réglage PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Réglage enregistrement</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Planning hebdomadaire</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Enreg. jours fériés</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Détection de mouvement </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Action sur événement</translation>
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
        <translation>Réglages usine</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Mise à jour F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>SAUVEGARDE configuration</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>CHARGEMENT configuration</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Verrouillage auto</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip touches</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d'état</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Adresse DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Utiliser le port</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Port Web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Entrée capteur</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Type d'entrée</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Mouvement </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Canal popup</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Durée popup</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Sortie relais</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Durée relais</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Buzzer interne</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Saisir l'ID télécommande</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Serveur push</translation>
    </message>
</context>
</TS>
