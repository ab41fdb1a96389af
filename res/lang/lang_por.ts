<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
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
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Busca</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Repetição rápida</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Log do sistema</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Ao vivo</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Desentrelaçar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Desligar energia</translation>
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
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
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
        <translation>Dia</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
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
        <translation>Desl.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Lig./Desl.</translation>
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
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feriado</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Erros</translation>
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
        <translation>Relé</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Cor analógica</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Entrada de evento</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detecção de movimento</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Saída de alarme</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
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
        <translation>Status</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Hora</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Permissões de usuário</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Permissão</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Log do sistema</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>S</source>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>T</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>F</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Perda de vídeo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Sobrescrever HD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatar</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Não formatado</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Formatação auto</translation>
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
        <translation>Tente novamente</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Transparência</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de informações</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta resolução</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Baixa resolução</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
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
        <translation>Média</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Excluir todos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Oculta</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Saída de áudio</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Todos lig.</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Todos desl.</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Entrada de sensor</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
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
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID do controle remoto</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Teclado do sistema</translation>
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
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP do DNS</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Nome de domínio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>IP conectado</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
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
        <translation>Autenticação</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Mensagem inicial</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
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
        <translation>Tipo de sinal</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Pré-alarme</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Estimativa</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Sem dispositivo USB</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Sem HD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Cheio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Veloc. pan</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Veloc. tilt</translation>
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
        <translation>Foco</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Íris</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>A senha não foi confirmada corretamente</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Início do sistema</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Desligamento do sistema</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Atualização do sistema</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Reinício anormal</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Início grav. de pânico</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Fim grav. de pânico</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Logout</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Logout auto</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Início da config.</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Fim da config.</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Config. alterada</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Início da busca</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Fim da busca</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Início do backup</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Fim do backup</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Início PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Fim PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Conexão de rede</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Atualização via rede</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Envio de e-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Cabo de rede conectado</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Cabo de rede desconectado</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Hora alterada por NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Erro S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Superaquecimento do HD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Arquivo já existe</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>ID já existe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Tem certeza</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Salvar e sair</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Sem espaço (mais de 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Hora alterada</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Parado pelo usuário</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Atualizando</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>FPS máximo é</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Copiar arquivos</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Verificando checksum</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Checksum incorreto</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Checksum OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Superaquecimento</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dados inválidos</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versão atual</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Tempo da sequência</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Digite a senha antiga</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Digite a nova senha</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirme a senha</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Tempo do preset</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Digite o nome</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Digite o nome do DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Digite o IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Digite a máscara</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Digite o gateway</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Digite o IP do DNS</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Digite o ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Digite o domínio</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Digite o servidor</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Digite o destinatário</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Digite o remetente</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Digite a porta</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Digite a conta</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de data</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Config. remota</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR ocupado!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Falhou!! Configuração inválida!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Exportar log do sistema</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Importar arquivo de configuração</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Falhou!! Arquivo de configuração inválido!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Arquivos de configuração (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Exportar arquivo de configuração</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Abrir arquivo de firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Arquivos de firmware (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Sem arquivo de firmware</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Verificação do HD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Falha no login</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB detectado</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Montar USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Importar configuração</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Configuração padrão</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Falha ao montar</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Sem permissão</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Opções de busca</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Modo padrão</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Evento padrão</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Canal padrão</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Intervalo padrão</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Falha na busca</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Nome do DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Importar firmware</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Importar configuração</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Exportar configuração</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Tipo de DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Servidor DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Senha DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>Teste DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>Teste UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>Resolução VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Servidor NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Verificar NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail lig.</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Teste de e-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Config. de evento</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Tipo de grav.</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Grav. de áudio</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Gravação contínua</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Gravação por evento</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Agenda lig.</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Feriado lig.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. lig.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>Dia da verificação</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Hora da verificação</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Usuário visualizar</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Usuário buscar</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Usuário config.</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Exclusão auto</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Exportar arquivo de log</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Config. de câmera</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Sincronizar NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Exportar log</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Exportar configuração</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Reconstruir BD</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Verificar BD</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Agora você pode desligar a energia com segurança</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>para desligar o aparelho</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Dispositivo em uso, backup impossível</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Zona privada</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Exibir PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Criar imagem ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Falha ao criar imagem ISO</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Gravando disco</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Disco gravado</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Falha ao gravar disco</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Remetente</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Destinatário</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Espelhamento de disco</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Espaço insuficiente no HD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Redirecionamento de porta</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Necessário formatar, continuar</translation>
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
        <translation>Sempre exibir</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Sempre ocultar</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Horários sobrepostos</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Os dados mais recentes serão carregados, continuar</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Alternância</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 tela</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 telas</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 telas</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 telas</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 telas</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 telas</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 telas</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Tela cheia 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>Teste uPNP</translation>
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
        <translation>Palavra inicial</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Palavra final</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Ignorar palavra</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Linhas adicionais</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Duração do texto</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Posição do texto</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Inferior esquerdo</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Superior direito</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Inferior direito</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Popup Spot</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>Popup HD Spot</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Entrada de áudio</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Exibir POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Dias de gravação estimados</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Data mais antiga</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Exibir uso do HD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Som das teclas</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Usar stream de gravação</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Alarme verificação HD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS auto</translation>
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
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Todos os canais</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Canais visíveis</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Erro/Teste</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Realocação(setor)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Uso(dias)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Status S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Exibição 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Dia atual</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Dia inteiro</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Sobreposição de data</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Erro na thread de grav.</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Erro do HD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Erro XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Erro de escrita no HD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Escrita no HD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>BD do HD bom</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>BD do HD ruim</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Erro nos dados de grav.</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Dados de grav. OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Erro no buffer de grav.</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Buffer de grav. OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Erro nos dados de rede</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Dados de rede OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Timeout do chip</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Índice do canal</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Buzzer desl.</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Alarme desl.</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Controle de alarme</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Ignorar perda de vídeo</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Perda de vídeo</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Vídeo presente</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>A gravação vai parar</translation>
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
        <translation>Log de eventos</translation>
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
        <translation>Inatividade seg</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Tempo do pacote de dados</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Tamanho do pacote de dados</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Dispositivo de backup pode ser removido</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Servidor de vigilância</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Servidor de imagens</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Número de vigilância</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Número da senha</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Zona de vigilância</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Controle de vigilância</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Leitor de cartão</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Servidor de sinais</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Número do cliente</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Número da máquina</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Número do cartão</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Seleção modo porta</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Atraso de entrada</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Atraso de saída</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Tempo fechar porta</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Estado da porta</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Tempo da sirene</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Tempo relatório linha</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Tentativas de comunicação</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Mensagem da porta</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Seleção do teclado</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Número mestre</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Número da patrulha</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Patrulha</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Campainha de alarme</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Desarme parcial</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Entrada do usuário</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Exportar log de eventos</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Movimento Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Código Web</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Gravação de pânico</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Gravação por agenda</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Controle PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Modo de divisão</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Resolução divisão</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Qualidade divisão</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Velocidade divisão</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Resolução popup</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Qualidade popup</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Velocidade popup</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Porta usada</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Porta do servidor Web</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Endereço DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Tela de reprodução</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Não usar</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Movimento + sensor</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>DISCO CHEIO</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>SOBRESCREVER</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Hora/Data</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Senha </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Disco rígido</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Config. padrão</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Gerenciamento do sistema</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Config. de botões</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Config. porta serial</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Sequência auto</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Saída Spot</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Ajuste de TV</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notificação</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Config. codec de rede</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Título da câmera</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Config. PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Config. de gravação</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Agenda semanal</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Gravação em feriado</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Detecção de movimento </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Ação de evento</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
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
        <translation>Atualização F/W</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>BACKUP da configuração</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>CARREGAR configuração</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Bloqueio auto teclas</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bipe das teclas</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Endereço DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Usar porta</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Porta Web</translation>
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
        <translation>Movimento </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Canal popup</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Duração popup</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Saída de relé</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Duração do relé</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Buzzer interno</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Digite ID do controle</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Servidor Push</translation>
    </message>
</context>
</TS>
