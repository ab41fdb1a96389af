<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
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
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Respaldo</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Repetición instantánea</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Secuencia</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Registro del sistema</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>A vivo</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Desentrelazado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Apagar equipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>AAAA/MM/DD</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>DD/MM/AAAA</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
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
        <translation>Apagado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Encendido/Apagado</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zumbador</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Emergente</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Color analógico</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Entrada de evento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detección de movimiento</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Salida de alarma</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Permisos de usuario</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Registro del sistema</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
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
        <translation>Mi</translation>
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
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Pérdida de vídeo</translation>
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
        <translation>Sobrescribir HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatear</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Sin formato</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Formateo automático</translation>
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
        <translation>Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de información</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta resolución</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Baja resolución</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Súper</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Salida de audio</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Todos encendidos</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Todos apagados</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Entrada de sensor</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID del control remoto</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Teclado del sistema</translation>
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
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Vivo</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Nombre de dominio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP conectada</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Mensaje de inicio</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo de señal</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Fest.</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Prealarma</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Estimación</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere por favor...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Sin dispositivo USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Sin HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Lleno</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Velocidad pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Velocidad tilt</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>IRIS</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>La contraseña no se confirmó correctamente</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Inicio del sistema</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Apagado del sistema</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Actualización del sistema</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Reinicio anormal</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Inicio grabación de pánico</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Fin grabación de pánico</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Cierre de sesión</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Cierre automático</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Inicio de configuración</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Fin de configuración</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Configuración cambiada</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Inicio de búsqueda</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Fin de búsqueda</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Inicio de respaldo</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Fin de respaldo</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Inicio PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Fin PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Conexión de red</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Actualización por red</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Envío de e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Cable de red conectado</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Cable de red desconectado</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Cambio de hora NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Error S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Sobrecalentamiento HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>El ID ya existe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Guardar y salir</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Sin espacio (más de 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Hora cambiada</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Detenido por el usuario</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Actualizando</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS máximo:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Copiar archivos</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Comprobando checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum incorrecto</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum correcto</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Sobrecalentamiento</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versión actual</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Versión nueva</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Tiempo de secuencia</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Contraseña anterior</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Tiempo de preset</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Introduzca el nombre</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Nombre del DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Introduzca la IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Introduzca el ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Introduzca el dominio</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Introduzca el servidor</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Introduzca el destinatario</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Introduzca el remitente</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Introduzca el puerto</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Introduzca la cuenta</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Configuración remota</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>¡¡DVR ocupado!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>¡¡Error!! ¡¡Ajuste no válido!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Exportar registro del sistema</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importar archivo de configuración</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>¡¡Error!! ¡¡Archivo de configuración no válido!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Archivos de configuración (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Exportar archivo de configuración</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Abrir archivo de firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Archivos de firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Sin archivo de firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Comprobación HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Error de inicio de sesión</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB detectado</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>USB montado</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Importación de configuración</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Configuración predeterminada</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Error de montaje</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Sin permiso</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Opciones de búsqueda</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Modo predeterminado</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Evento predeterminado</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Canal predeterminado</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Intervalo predeterminado</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Error de búsqueda</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Nombre del DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Importar archivo de firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Importar archivo de configuración</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Exportar archivo de configuración</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Tipo DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Servidor DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Contraseña DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>Prueba DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>Prueba UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>Resolución VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Servidor NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Comprobación NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail activado</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Prueba de e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Ajuste de evento</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Tipo de grabación</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Grabación de audio</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Grabación continua</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Grabación por evento</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Horario activado</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Festivos activados</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. activado</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Día de comprobación</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Hora de comprobación</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Usuario de vivo</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Usuario de búsqueda</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Usuario de configuración</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Borrado automático</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Exportar archivo de registro</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Configuración de cámara</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Sincronización NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Exportar registro del sistema</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Exportar configuración</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Reconstruir BD</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Comprobar BD</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Ya puede desconectar la alimentación con seguridad</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>para apagar el equipo</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Dispositivo en uso, no se puede respaldar</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Zona privada</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Mostrar PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Crear imagen ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Error al crear imagen ISO</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Grabando disco</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Grabación de disco correcta</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Error al grabar disco</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Destinatario</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Espejo de disco</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Espacio en HDD insuficiente</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Redirección de puertos</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Es necesario formatear, ¿continuar?</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Tipo de sensor</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Ocultar auto</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Mostrar siempre</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Ocultar siempre</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Horarios superpuestos</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Se cargarán los datos más recientes, ¿continuar?</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Conmutación</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 pantalla</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 pantallas</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 pantallas</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 pantallas</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 pantallas</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 pantallas</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 pantallas</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Pantalla completa 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>Prueba uPNP</translation>
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
        <translation>Miniatura</translation>
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
        <translation>Canal</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Palabra inicial</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Palabra final</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Palabra ignorada</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Líneas añadidas</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Duración del texto</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Posición del texto</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Arriba izquierda</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Abajo izquierda</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Arriba derecha</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Abajo derecha</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Emergente spot</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>Emergente spot HD</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Entrada de audio</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Mostrar POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Días de grabación estimados</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Fecha más antigua</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Mostrar uso del HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Sonido de teclas</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Usar flujo de grabación</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarma de comprobación HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS automático</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Detectado</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Canales visibles</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Error/Prueba</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Reasignación (sector)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Usado (días)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Estado S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Pantalla 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Día actual</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Todo el día</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Fechas superpuestas</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Error de hilo de grabación</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Error de HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Error XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Error de escritura HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Escritura HDD correcta</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>HDD de BD correcto</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>HDD de BD defectuoso</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Error de datos de grabación</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Datos de grabación correctos</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Error de búfer de grabación</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Búfer de grabación correcto</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Error de datos de red</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Datos de red correctos</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Tiempo de espera del chip</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Índice de canal</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Zumbador apagado</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarma apagada</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Control de alarma</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Omitir pérdida de vídeo</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Pérdida de vídeo</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Entrada de vídeo</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>La grabación se detendrá</translation>
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
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Inactividad (s)</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Tiempo de empaquetado</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Tamaño de empaquetado</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Puede retirar el dispositivo de respaldo</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Servidor de vigilancia</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Servidor de imágenes</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>N.º de vigilancia</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>N.º de contraseña</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zona de vigilancia</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Control de vigilancia</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Lector de tarjetas</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Servidor de señal</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>N.º de cliente</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>N.º de equipo</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Lector</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>N.º de tarjeta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Modo de puerta</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Retardo de entrada</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Retardo de salida</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Tiempo cierre puerta</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Estado de puerta</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Tiempo de sirena</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Tiempo informe línea</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Reintentos de comunicación</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Mensaje de puerta</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Selección de teclado</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>N.º maestro</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>N.º de ronda</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Timbre de alarma</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Desarmado parcial</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Entrada de usuario</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Exportar registro de eventos</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Movimiento Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Código web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Grabación de pánico</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Grabación por horario</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Control PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Modo división</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Resolución división</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Calidad división</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Velocidad división</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Resolución emergente</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Calidad emergente</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Velocidad emergente</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Puerto usado</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Puerto servidor web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Dirección DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Pantalla de reproducción</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>No usar</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Movimiento + Sensor</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISCO LLENO</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>SOBRESCRIBIR</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Hora/Fecha</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Contraseña </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Disco duro</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Config. predeterminada</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Gestión del sistema</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Config. de botones</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Config. puerto serie</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Secuencia automática</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Salida spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Ajuste de TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notificación</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Códec de red</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Título de cámara</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Ajuste PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Ajuste de grabación</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Horario semanal</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Grabación en festivos</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Detección de movimiento </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Acción de evento</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Config. de fábrica</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Actualizar F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>RESPALDO de configuración</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>CARGAR configuración</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Bloqueo automático</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Dirección DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Usar puerto</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Puerto web</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Entrada de sensor</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Tipo de entrada</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Movimiento </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Canal emergente</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Duración emergente</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Salida de relé</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Duración de relé</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Zumbador interno</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Introduzca ID del control</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Servidor push</translation>
    </message>
</context>
</TS>
