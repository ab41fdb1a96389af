<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Спот</translation>
    </message>
    <message>
        <source>HD Spot</source>
        <translation>HD Спот</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Раскладка</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Архивация</translation>
    </message>
    <message>
        <source>Instant Replay</source>
        <translation>Мгн. повтор</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Карусель</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Информация о системе</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>System Log</source>
        <translation>Журнал системы</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Зум</translation>
    </message>
    <message>
        <source>To Live</source>
        <translation>Живое видео</translation>
    </message>
    <message>
        <source>De-Interlace</source>
        <translation>Деинтерлейс</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Выкл. питания</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспр.</translation>
    </message>
    <message>
        <source>YYYY/MM/DD</source>
        <translation>ГГГГ/ММ/ДД</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>ММ/ДД/ГГГГ</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>ДД/ММ/ГГГГ</translation>
    </message>
    <message>
        <source>12 HR(AM/PM)</source>
        <translation>12 Ч(AM/PM)</translation>
    </message>
    <message>
        <source>24 HR</source>
        <translation>24 Ч</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>сек</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Вкл/Выкл</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Праздник</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Всплыв. окно</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Analog Color</source>
        <translation>Аналог. цвет</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Event In</source>
        <translation>Вход события</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Детекция движения</translation>
    </message>
    <message>
        <source>Alarm out</source>
        <translation>Тревож. выход</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Контроллер</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Дата/Время</translation>
    </message>
    <message>
        <source>User Authority</source>
        <translation>Права польз.</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Права</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Хранилище</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>System log</source>
        <translation>Журнал системы</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>VideoLoss</source>
        <translation>Потеря видео</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>HDD Overwrite</source>
        <translation>Перезапись HDD</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат.</translation>
    </message>
    <message>
        <source>Not Format</source>
        <translation>Не формат.</translation>
    </message>
    <message>
        <source>Auto Format</source>
        <translation>Автоформат.</translation>
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
        <translation>Попробуйте снова</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Alpha Blending</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Инфо-панель</translation>
    </message>
    <message>
        <source>Conti</source>
        <translation>Пост.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Высокое разрешение</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Низкое разрешение</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>C/E</source>
        <translation>C/E</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Наивысшее</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Примен. ко всем</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Скрытая</translation>
    </message>
    <message>
        <source>Audio Out</source>
        <translation>Аудиовыход</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Все вкл.</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Все выкл.</translation>
    </message>
    <message>
        <source>Sensor In</source>
        <translation>Вход датчика</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Драйвер</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Remote Controller ID</source>
        <translation>ID пульта ДУ</translation>
    </message>
    <message>
        <source>System Keyboard</source>
        <translation>Системная клавиатура</translation>
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
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Веб</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Доменное имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Connected IP</source>
        <translation>Подключенный IP</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Кому</translation>
    </message>
    <message>
        <source>From</source>
        <translation>От</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учетная запись</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Синхр.</translation>
    </message>
    <message>
        <source>Boot Message</source>
        <translation>Сообщ. загрузки</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Лимит</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Тип сигнала</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Holi</source>
        <translation>Праз</translation>
    </message>
    <message>
        <source>PreAlarm</source>
        <translation>Предтревога</translation>
    </message>
    <message>
        <source>Estimation</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Локально</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>No USB Device</source>
        <translation>Нет USB-устройства</translation>
    </message>
    <message>
        <source>No HDD</source>
        <translation>Нет HDD</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Заполнен</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Pan Speed</source>
        <translation>Скор. панорам.</translation>
    </message>
    <message>
        <source>Tilt Speed</source>
        <translation>Скор. наклона</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Тур</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Пресет</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>IRIS</source>
        <translation>Диафрагма</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The password was not correctly confirmed</source>
        <translation>Пароль не подтвержден</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Запуск системы</translation>
    </message>
    <message>
        <source>System Shutdown</source>
        <translation>Выключение системы</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>Обновление системы</translation>
    </message>
    <message>
        <source>Abnormal Reset</source>
        <translation>Аварийный сброс</translation>
    </message>
    <message>
        <source>Panic Recording Start</source>
        <translation>Начало тревож. записи</translation>
    </message>
    <message>
        <source>Panic Recording Stop</source>
        <translation>Конец тревож. записи</translation>
    </message>
    <message>
        <source>Log-In</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Log-Out</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Auto-Out</source>
        <translation>Автовыход</translation>
    </message>
    <message>
        <source>Setup Start</source>
        <translation>Начало настройки</translation>
    </message>
    <message>
        <source>Setup Stop</source>
        <translation>Конец настройки</translation>
    </message>
    <message>
        <source>Setup Changed</source>
        <translation>Настройки изменены</translation>
    </message>
    <message>
        <source>Search Start</source>
        <translation>Начало поиска</translation>
    </message>
    <message>
        <source>Search Stop</source>
        <translation>Конец поиска</translation>
    </message>
    <message>
        <source>Backup Start</source>
        <translation>Начало архивации</translation>
    </message>
    <message>
        <source>Backup Stop</source>
        <translation>Конец архивации</translation>
    </message>
    <message>
        <source>PTZ Start</source>
        <translation>Начало PTZ</translation>
    </message>
    <message>
        <source>PTZ Stop</source>
        <translation>Конец PTZ</translation>
    </message>
    <message>
        <source>Network Connect</source>
        <translation>Сетевое подключение</translation>
    </message>
    <message>
        <source>Network Upgrade</source>
        <translation>Обновление по сети</translation>
    </message>
    <message>
        <source>Email Send</source>
        <translation>Отправка E-mail</translation>
    </message>
    <message>
        <source>Network Cable Connected</source>
        <translation>Сетевой кабель подключен</translation>
    </message>
    <message>
        <source>Network Cable Disconnected</source>
        <translation>Сетевой кабель отключен</translation>
    </message>
    <message>
        <source>NTP Time Change</source>
        <translation>Время изменено по NTP</translation>
    </message>
    <message>
        <source>S.M.A.R.T Error</source>
        <translation>Ошибка S.M.A.R.T</translation>
    </message>
    <message>
        <source>HDD Overheating</source>
        <translation>Перегрев HDD</translation>
    </message>
    <message>
        <source>Same File Exist</source>
        <translation>Такой файл уже есть</translation>
    </message>
    <message>
        <source>Same Id Exist</source>
        <translation>Такой ID уже есть</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Are You Sure</source>
        <translation>Вы уверены</translation>
    </message>
    <message>
        <source>Save and Exit</source>
        <translation>Сохранить и выйти</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>No Space (More Than 50MB)</source>
        <translation>Нет места (более 50MB)</translation>
    </message>
    <message>
        <source>Time Changed</source>
        <translation>Время изменено</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Stop By User</source>
        <translation>Остановлено польз.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Maximum FPS is</source>
        <translation>Максимум FPS:</translation>
    </message>
    <message>
        <source>Copy Files</source>
        <translation>Копирование файлов</translation>
    </message>
    <message>
        <source>Checking Checksum</source>
        <translation>Проверка контр. суммы</translation>
    </message>
    <message>
        <source>Checksum Mismatch</source>
        <translation>Контр. сумма неверна</translation>
    </message>
    <message>
        <source>Checksum Ok</source>
        <translation>Контр. сумма ОК</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Выгрузка</translation>
    </message>
    <message>
        <source>Out Of Range</source>
        <translation>Вне диапазона</translation>
    </message>
    <message>
        <source>Overheating</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Неверные данные</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>Sequence dwell time</source>
        <translation>Время карусели</translation>
    </message>
    <message>
        <source>Type old password</source>
        <translation>Введите старый пароль</translation>
    </message>
    <message>
        <source>Type new password</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>Preset dwell time</source>
        <translation>Время пресета</translation>
    </message>
    <message>
        <source>Type password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Type name</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>Type DVR name</source>
        <translation>Введите имя DVR</translation>
    </message>
    <message>
        <source>Type IP</source>
        <translation>Введите IP</translation>
    </message>
    <message>
        <source>Type Subnet mask</source>
        <translation>Введите маску подсети</translation>
    </message>
    <message>
        <source>Type Gateway</source>
        <translation>Введите шлюз</translation>
    </message>
    <message>
        <source>Type DNS IP</source>
        <translation>Введите DNS IP</translation>
    </message>
    <message>
        <source>Type ID</source>
        <translation>Введите ID</translation>
    </message>
    <message>
        <source>Type Domain</source>
        <translation>Введите домен</translation>
    </message>
    <message>
        <source>Type Server</source>
        <translation>Введите сервер</translation>
    </message>
    <message>
        <source>Type Receiptor</source>
        <translation>Введите получателя</translation>
    </message>
    <message>
        <source>Type Sender</source>
        <translation>Введите отправителя</translation>
    </message>
    <message>
        <source>Type Port</source>
        <translation>Введите порт</translation>
    </message>
    <message>
        <source>Type Account</source>
        <translation>Введите уч. запись</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>Remote Setup</source>
        <translation>Удаленная настройка</translation>
    </message>
    <message>
        <source>DVR Busy!!</source>
        <translation>DVR занят!!</translation>
    </message>
    <message>
        <source>Failed!! Invalid Setting!!</source>
        <translation>Ошибка!! Неверная настройка!!</translation>
    </message>
    <message>
        <source>Export System Log File</source>
        <translation>Экспорт журнала системы</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Import Configuration File</source>
        <translation>Импорт файла конфигурации</translation>
    </message>
    <message>
        <source>Failed!! Invalid Configuration File!!</source>
        <translation>Ошибка!! Неверный файл конфигурации!!</translation>
    </message>
    <message>
        <source>Configuration Files (*.conf)</source>
        <translation>Файлы конфигурации (*.conf)</translation>
    </message>
    <message>
        <source>Export Configuration File</source>
        <translation>Экспорт файла конфигурации</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Открыть файл прошивки</translation>
    </message>
    <message>
        <source>Firmware Files (*.fwr)</source>
        <translation>Файлы прошивки (*.fwr)</translation>
    </message>
    <message>
        <source>No firmware file</source>
        <translation>Нет файла прошивки</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>HDD Check</source>
        <translation>Проверка HDD</translation>
    </message>
    <message>
        <source>LogIn failed</source>
        <translation>Ошибка входа</translation>
    </message>
    <message>
        <source>USB Detected</source>
        <translation>USB обнаружен</translation>
    </message>
    <message>
        <source>USB Mount</source>
        <translation>Монтирование USB</translation>
    </message>
    <message>
        <source>Configuration Import</source>
        <translation>Импорт конфигурации</translation>
    </message>
    <message>
        <source>Default Configuration</source>
        <translation>Конфигурация по умолч.</translation>
    </message>
    <message>
        <source>Mount failed</source>
        <translation>Ошибка монтирования</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Нет прав доступа</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить все</translation>
    </message>
    <message>
        <source>Search Option</source>
        <translation>Параметры поиска</translation>
    </message>
    <message>
        <source>Default Mode</source>
        <translation>Режим по умолч.</translation>
    </message>
    <message>
        <source>Default Event</source>
        <translation>Событие по умолч.</translation>
    </message>
    <message>
        <source>Default Channel</source>
        <translation>Канал по умолч.</translation>
    </message>
    <message>
        <source>Default Interval</source>
        <translation>Интервал по умолч.</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Ошибка поиска</translation>
    </message>
    <message>
        <source>DVR Name</source>
        <translation>Имя DVR</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Firmware File import</source>
        <translation>Импорт файла прошивки</translation>
    </message>
    <message>
        <source>Configuration File import</source>
        <translation>Импорт файла конфигурации</translation>
    </message>
    <message>
        <source>Configuration File export</source>
        <translation>Экспорт файла конфигурации</translation>
    </message>
    <message>
        <source>DDNS Type</source>
        <translation>Тип DDNS</translation>
    </message>
    <message>
        <source>DDNS Server</source>
        <translation>Сервер DDNS</translation>
    </message>
    <message>
        <source>DDNS Password</source>
        <translation>Пароль DDNS</translation>
    </message>
    <message>
        <source>DDNS Test</source>
        <translation>Тест DDNS</translation>
    </message>
    <message>
        <source>UPNP Test</source>
        <translation>Тест UPNP</translation>
    </message>
    <message>
        <source>VGA Resolution</source>
        <translation>Разрешение VGA</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Сервер NTP</translation>
    </message>
    <message>
        <source>NTP Check</source>
        <translation>Проверка NTP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Сервер SMTP</translation>
    </message>
    <message>
        <source>E-mail On</source>
        <translation>E-mail вкл.</translation>
    </message>
    <message>
        <source>E-mail Test</source>
        <translation>Тест E-mail</translation>
    </message>
    <message>
        <source>Event Set</source>
        <translation>Настр. событий</translation>
    </message>
    <message>
        <source>Rec Type</source>
        <translation>Тип записи</translation>
    </message>
    <message>
        <source>Audio Rec</source>
        <translation>Запись звука</translation>
    </message>
    <message>
        <source>Continuous Recording</source>
        <translation>Постоянная запись</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Event Recording</source>
        <translation>Запись по событию</translation>
    </message>
    <message>
        <source>Schedule On</source>
        <translation>Расписание вкл.</translation>
    </message>
    <message>
        <source>Holiday On</source>
        <translation>Праздники вкл.</translation>
    </message>
    <message>
        <source>S.M.A.R.T. On</source>
        <translation>S.M.A.R.T. вкл.</translation>
    </message>
    <message>
        <source>Check Day</source>
        <translation>День проверки</translation>
    </message>
    <message>
        <source>Check Time</source>
        <translation>Время проверки</translation>
    </message>
    <message>
        <source>Watch User</source>
        <translation>Польз. просмотра</translation>
    </message>
    <message>
        <source>Search User</source>
        <translation>Польз. поиска</translation>
    </message>
    <message>
        <source>Setup User</source>
        <translation>Польз. настройки</translation>
    </message>
    <message>
        <source>Auto Deletion</source>
        <translation>Автоудаление</translation>
    </message>
    <message>
        <source>SystemLog File export</source>
        <translation>Экспорт файла журнала</translation>
    </message>
    <message>
        <source>Camera Setup</source>
        <translation>Настройка камеры</translation>
    </message>
    <message>
        <source>NTP Sync</source>
        <translation>Синхр. NTP</translation>
    </message>
    <message>
        <source>SystemLog export</source>
        <translation>Экспорт журнала</translation>
    </message>
    <message>
        <source>Configuration export</source>
        <translation>Экспорт конфигурации</translation>
    </message>
    <message>
        <source>DB Rebuild</source>
        <translation>Перестроить БД</translation>
    </message>
    <message>
        <source>DB Check</source>
        <translation>Проверка БД</translation>
    </message>
    <message>
        <source>Now you may unplug the power safely</source>
        <translation>Теперь можно безопасно отключить питание</translation>
    </message>
    <message>
        <source>to turn the unit off</source>
        <translation>чтобы выключить устройство</translation>
    </message>
    <message>
        <source>Device is using, cannot Backup</source>
        <translation>Устройство занято, архивация невозможна</translation>
    </message>
    <message>
        <source>Private Zone</source>
        <translation>Приватная зона</translation>
    </message>
    <message>
        <source>PIP Show</source>
        <translation>Показ PIP</translation>
    </message>
    <message>
        <source>Make ISO Image</source>
        <translation>Создать образ ISO</translation>
    </message>
    <message>
        <source>Make ISO Image Failed</source>
        <translation>Ошибка создания образа ISO</translation>
    </message>
    <message>
        <source>Burning</source>
        <translation>Запись диска</translation>
    </message>
    <message>
        <source>Burning Success</source>
        <translation>Диск записан</translation>
    </message>
    <message>
        <source>Burning Failed</source>
        <translation>Ошибка записи диска</translation>
    </message>
    <message>
        <source>Fixating</source>
        <translation>Финализация</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message>
        <source>Receiptor</source>
        <translation>Получатель</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Disk Mirroring</source>
        <translation>Зеркалирование дисков</translation>
    </message>
    <message>
        <source>Not enough HDD space</source>
        <translation>Мало места на HDD</translation>
    </message>
    <message>
        <source>Port Forwarding</source>
        <translation>Проброс портов</translation>
    </message>
    <message>
        <source>Need to format, continue</source>
        <translation>Нужно форматирование, продолжить</translation>
    </message>
    <message>
        <source>Sensor Type</source>
        <translation>Тип датчика</translation>
    </message>
    <message>
        <source>Auto hide</source>
        <translation>Автоскрытие</translation>
    </message>
    <message>
        <source>Show always</source>
        <translation>Всегда показывать</translation>
    </message>
    <message>
        <source>Hide always</source>
        <translation>Всегда скрывать</translation>
    </message>
    <message>
        <source>Time is overlapped</source>
        <translation>Время перекрывается</translation>
    </message>
    <message>
        <source>The latest data will be loaded, continue</source>
        <translation>Будут загружены последние данные, продолжить</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Добавить изобр.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Переключение</translation>
    </message>
    <message>
        <source>1 Screen</source>
        <translation>1 экран</translation>
    </message>
    <message>
        <source>4 Screen</source>
        <translation>4 экрана</translation>
    </message>
    <message>
        <source>9 Screen</source>
        <translation>9 экранов</translation>
    </message>
    <message>
        <source>16 Screen</source>
        <translation>16 экранов</translation>
    </message>
    <message>
        <source>20 Screen</source>
        <translation>20 экранов</translation>
    </message>
    <message>
        <source>25 Screen</source>
        <translation>25 экранов</translation>
    </message>
    <message>
        <source>32 Screen</source>
        <translation>32 экрана</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса пропускания</translation>
    </message>
    <message>
        <source>Full Screen 4:3 Ratio</source>
        <translation>Весь экран 4:3</translation>
    </message>
    <message>
        <source>uPNP Test</source>
        <translation>Тест uPNP</translation>
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
        <translation>Миниатюры</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Панорама</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Нач. слово</translation>
    </message>
    <message>
        <source>End Word</source>
        <translation>Кон. слово</translation>
    </message>
    <message>
        <source>Ignore Word</source>
        <translation>Игнор. слово</translation>
    </message>
    <message>
        <source>Number of add line</source>
        <translation>Число доп. строк</translation>
    </message>
    <message>
        <source>Text Overlaying Duration</source>
        <translation>Время показа текста</translation>
    </message>
    <message>
        <source>Overlay Position</source>
        <translation>Позиция текста</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>Spot Popup</source>
        <translation>Спот всплыв.</translation>
    </message>
    <message>
        <source>HD Spot Popup</source>
        <translation>HD Спот всплыв.</translation>
    </message>
    <message>
        <source>Audio Input</source>
        <translation>Аудиовход</translation>
    </message>
    <message>
        <source>Show Pos</source>
        <translation>Показ POS</translation>
    </message>
    <message>
        <source>Estimated Recording Days</source>
        <translation>Прогноз дней записи</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Процент</translation>
    </message>
    <message>
        <source>Oldest Date</source>
        <translation>Старейшая дата</translation>
    </message>
    <message>
        <source>Display HDD Usage</source>
        <translation>Занятость HDD</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Послед. порт</translation>
    </message>
    <message>
        <source>Key Buzzer</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>Use Record Stream</source>
        <translation>Поток записи</translation>
    </message>
    <message>
        <source>Alarm Check HDD</source>
        <translation>Тревога проверки HDD</translation>
    </message>
    <message>
        <source>DNS Auto</source>
        <translation>DNS авто</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Обнаружено</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>Visible Channels</source>
        <translation>Видимые каналы</translation>
    </message>
    <message>
        <source>Error/Test</source>
        <translation>Ошибка/Тест</translation>
    </message>
    <message>
        <source>Reallocation(Sector)</source>
        <translation>Переназнач.(сектор)</translation>
    </message>
    <message>
        <source>Used(Day)</source>
        <translation>Исп.(дни)</translation>
    </message>
    <message>
        <source>S.M.A.R.T Status</source>
        <translation>Состояние S.M.A.R.T</translation>
    </message>
    <message>
        <source>4:3 Display</source>
        <translation>Экран 4:3</translation>
    </message>
    <message>
        <source>Current Day</source>
        <translation>Текущий день</translation>
    </message>
    <message>
        <source>All Day</source>
        <translation>Весь день</translation>
    </message>
    <message>
        <source>Date Overlap</source>
        <translation>Перекрытие дат</translation>
    </message>
    <message>
        <source>Record Thread Error</source>
        <translation>Ошибка потока записи</translation>
    </message>
    <message>
        <source>HDD Error</source>
        <translation>Ошибка HDD</translation>
    </message>
    <message>
        <source>XFS Error</source>
        <translation>Ошибка XFS</translation>
    </message>
    <message>
        <source>HDD Write Error</source>
        <translation>Ошибка записи HDD</translation>
    </message>
    <message>
        <source>HDD Write Ok</source>
        <translation>Запись HDD OK</translation>
    </message>
    <message>
        <source>DB HDD Good</source>
        <translation>БД HDD в норме</translation>
    </message>
    <message>
        <source>DB HDD Bad</source>
        <translation>БД HDD повреждена</translation>
    </message>
    <message>
        <source>Record Data Error</source>
        <translation>Ошибка данных записи</translation>
    </message>
    <message>
        <source>Record Data Ok</source>
        <translation>Данные записи OK</translation>
    </message>
    <message>
        <source>Record Buf Error</source>
        <translation>Ошибка буфера записи</translation>
    </message>
    <message>
        <source>Record Buf Ok</source>
        <translation>Буфер записи OK</translation>
    </message>
    <message>
        <source>Network Data Error</source>
        <translation>Ошибка данных сети</translation>
    </message>
    <message>
        <source>Network Data Ok</source>
        <translation>Данные сети OK</translation>
    </message>
    <message>
        <source>Chip Timeout</source>
        <translation>Тайм-аут чипа</translation>
    </message>
    <message>
        <source>Channel index</source>
        <translation>Номер канала</translation>
    </message>
    <message>
        <source>Buzzer Off</source>
        <translation>Зуммер выкл.</translation>
    </message>
    <message>
        <source>Alarm Off</source>
        <translation>Тревога выкл.</translation>
    </message>
    <message>
        <source>Alarm Control</source>
        <translation>Управл. тревогой</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Skip VideoLoss</source>
        <translation>Пропуск потери видео</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Потеря видео</translation>
    </message>
    <message>
        <source>Video In</source>
        <translation>Видео есть</translation>
    </message>
    <message>
        <source>Record will stop</source>
        <translation>Запись остановится</translation>
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
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Inactivity Sec</source>
        <translation>Бездействие, сек</translation>
    </message>
    <message>
        <source>Data Packing Time</source>
        <translation>Время пакета данных</translation>
    </message>
    <message>
        <source>Data Packing Size</source>
        <translation>Размер пакета данных</translation>
    </message>
    <message>
        <source>Safe to remove backup device</source>
        <translation>Можно извлечь устройство архивации</translation>
    </message>
    <message>
        <source>TAVO</source>
        <translation>TAVO</translation>
    </message>
    <message>
        <source>Security Guard Server</source>
        <translation>Сервер охраны</translation>
    </message>
    <message>
        <source>Image Server</source>
        <translation>Сервер изображений</translation>
    </message>
    <message>
        <source>Security Guard Number</source>
        <translation>Номер охраны</translation>
    </message>
    <message>
        <source>Password Number</source>
        <translation>Номер пароля</translation>
    </message>
    <message>
        <source>Security Guard Zone</source>
        <translation>Зона охраны</translation>
    </message>
    <message>
        <source>Security Guard Control</source>
        <translation>Управление охраной</translation>
    </message>
    <message>
        <source>Card Reader</source>
        <translation>Считыватель карт</translation>
    </message>
    <message>
        <source>Signal Server</source>
        <translation>Сервер сигналов</translation>
    </message>
    <message>
        <source>Customer Number</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>Machine Number</source>
        <translation>Номер устройства</translation>
    </message>
    <message>
        <source>Reader</source>
        <translation>Считыватель</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Номер карты</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Door Mode Select</source>
        <translation>Режим двери</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>Задержка входа</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>Задержка выхода</translation>
    </message>
    <message>
        <source>Door Close Time</source>
        <translation>Время закрытия двери</translation>
    </message>
    <message>
        <source>Door State</source>
        <translation>Состояние двери</translation>
    </message>
    <message>
        <source>Siren Time</source>
        <translation>Время сирены</translation>
    </message>
    <message>
        <source>Line Report Time</source>
        <translation>Время отчета линии</translation>
    </message>
    <message>
        <source>Retry Communication Count</source>
        <translation>Число повторов связи</translation>
    </message>
    <message>
        <source>Door Ment</source>
        <translation>Сообщение двери</translation>
    </message>
    <message>
        <source>Key Pad Select</source>
        <translation>Выбор клавиатуры</translation>
    </message>
    <message>
        <source>Master Number</source>
        <translation>Главный номер</translation>
    </message>
    <message>
        <source>Patrol Number</source>
        <translation>Номер патруля</translation>
    </message>
    <message>
        <source>Patrol</source>
        <translation>Патруль</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Исп.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Alarm Bell</source>
        <translation>Звонок тревоги</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Partial Guard Clear</source>
        <translation>Частичное снятие охраны</translation>
    </message>
    <message>
        <source>User Input</source>
        <translation>Ввод пользователя</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Event Log Export</source>
        <translation>Экспорт журнала событий</translation>
    </message>
    <message>
        <source>Tavo Motion</source>
        <translation>Движение Tavo</translation>
    </message>
    <message>
        <source>Web Code</source>
        <translation>Веб-код</translation>
    </message>
    <message>
        <source>Panic Record</source>
        <translation>Тревожная запись</translation>
    </message>
    <message>
        <source>Schedule Record</source>
        <translation>Запись по расписанию</translation>
    </message>
    <message>
        <source>PTZ Control</source>
        <translation>Управление PTZ</translation>
    </message>
    <message>
        <source>Split Mode</source>
        <translation>Режим раскладки</translation>
    </message>
    <message>
        <source>Split Resolution</source>
        <translation>Разреш. раскладки</translation>
    </message>
    <message>
        <source>Split Quality</source>
        <translation>Качество раскладки</translation>
    </message>
    <message>
        <source>Split Speed</source>
        <translation>Скорость раскладки</translation>
    </message>
    <message>
        <source>Popup Resolution</source>
        <translation>Разреш. всплыв.</translation>
    </message>
    <message>
        <source>Popup Quality</source>
        <translation>Качество всплыв.</translation>
    </message>
    <message>
        <source>Popup Speed</source>
        <translation>Скорость всплыв.</translation>
    </message>
    <message>
        <source>Used Port</source>
        <translation>Используемый порт</translation>
    </message>
    <message>
        <source>Web Server Port</source>
        <translation>Порт веб-сервера</translation>
    </message>
    <message>
        <source>DDNS Address</source>
        <translation>Адрес DDNS</translation>
    </message>
    <message>
        <source>Playback Screen</source>
        <translation>Экран воспр.</translation>
    </message>
    <message>
        <source>Not Use</source>
        <translation>Не исп.</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Движение + датчик</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <translation>ДИСК ЗАПОЛНЕН</translation>
    </message>
    <message>
        <source>OVERWRITE</source>
        <translation>ПЕРЕЗАПИСЬ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Время/Дата</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Пароль </translation>
    </message>
    <message>
        <source>Hard Disk</source>
        <translation>Жесткий диск</translation>
    </message>
    <message>
        <source>Default Setup</source>
        <translation>Настройки по умолч.</translation>
    </message>
    <message>
        <source>System Management</source>
        <translation>Управление системой</translation>
    </message>
    <message>
        <source>Button Setup</source>
        <translation>Настройка кнопок</translation>
    </message>
    <message>
        <source>Serial Port Setup</source>
        <translation>Настройка посл. порта</translation>
    </message>
    <message>
        <source>Auto Sequence</source>
        <translation>Автокарусель</translation>
    </message>
    <message>
        <source>Spot Out</source>
        <translation>Спот-выход</translation>
    </message>
    <message>
        <source>TV Adjustment</source>
        <translation>Настройка ТВ</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Network Codec Setup</source>
        <translation>Настройка сетевого кодека</translation>
    </message>
    <message>
        <source>Camera Title</source>
        <translation>Название камеры</translation>
    </message>
    <message>
        <source>PTZ Setting</source>
        <translation>Настройка PTZ</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Приватность</translation>
    </message>
    <message>
        <source>Record Setting</source>
        <translation>Настройка записи</translation>
    </message>
    <message>
        <source>Weekly Schedule</source>
        <translation>Недельное расписание</translation>
    </message>
    <message>
        <source>Holiday Record</source>
        <translation>Запись в праздники</translation>
    </message>
    <message>
        <source>Motion Detection </source>
        <translation>Детекция движения </translation>
    </message>
    <message>
        <source>Event Action</source>
        <translation>Действие по событию</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source>Factory Setup</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>F/W Upgrade</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Configuration BACKUP</source>
        <translation>Сохранение конфигурации</translation>
    </message>
    <message>
        <source>Configuration LOAD</source>
        <translation>Загрузка конфигурации</translation>
    </message>
    <message>
        <source>Auto Key Lock</source>
        <translation>Автоблок. клавиш</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>DNS Address</source>
        <translation>Адрес DNS</translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation>Исп. порт</translation>
    </message>
    <message>
        <source>Web Port</source>
        <translation>Веб-порт</translation>
    </message>
    <message>
        <source>Sensor Input</source>
        <translation>Вход датчика</translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation>Тип входа</translation>
    </message>
    <message>
        <source>Motion </source>
        <translation>Движение </translation>
    </message>
    <message>
        <source>Popup Channel</source>
        <translation>Канал всплыв.</translation>
    </message>
    <message>
        <source>Popup Duration</source>
        <translation>Время всплыв.</translation>
    </message>
    <message>
        <source>Relay Out</source>
        <translation>Релейный выход</translation>
    </message>
    <message>
        <source>Relay Duration</source>
        <translation>Время реле</translation>
    </message>
    <message>
        <source>Internal Buzzer</source>
        <translation>Встроенный зуммер</translation>
    </message>
    <message>
        <source>Enter Remocon ID</source>
        <translation>Введите ID пульта</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Push-сервер</translation>
    </message>
</context>
</TS>
