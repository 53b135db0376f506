<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CellOverview</name>
    <message>
        <source>мин. </source>
        <translation>min. </translation>
    </message>
    <message>
        <source>макс. </source>
        <translation>max. </translation>
    </message>
    <message>
        <source>Нет данных об элементах</source>
        <translation>No cell data</translation>
    </message>
</context>
<context>
    <name>CellPage</name>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Температура, С</source>
        <translation>Temperature, C</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Кол-во на экране</source>
        <translation>Cells on screen</translation>
    </message>
    <message>
        <source>Прокрутка</source>
        <translation>Scroll</translation>
    </message>
</context>
<context>
    <name>ConnectionGroups</name>
    <message>
        <source>Соединение</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Опрос модуля контроллера</source>
        <translation>Poll the controller</translation>
    </message>
    <message>
        <source>Вести лог?</source>
        <translation>Keep a log?</translation>
    </message>
    <message>
        <source>Читать настройки</source>
        <translation>Read settings</translation>
    </message>
    <message>
        <source>Читать журнал</source>
        <translation>Read journal</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Войти</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Новый пароль</source>
        <translation>New password</translation>
    </message>
</context>
<context>
    <name>CycleStatus</name>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>цикл </source>
        <translation>cycle </translation>
    </message>
    <message>
        <source> при периоде </source>
        <translation> at a period of </translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>обновлено </source>
        <translation>updated </translation>
    </message>
    <message>
        <source> назад</source>
        <translation> ago</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Язык будет изменён при следующем запуске программы.</source>
        <translation>The language will change the next time the program starts.</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>velmora: неизвестный язык «%1»: укажите en или ru</source>
        <translation>velmora: unknown language &quot;%1&quot;: give en or ru</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
</context>
<context>
    <name>LinkTestPage</name>
    <message>
        <source>Тестирование связи</source>
        <translation>Link test</translation>
    </message>
    <message>
        <source>Режим автоматичеких запросов данных мониторинга с заданным интервалом.</source>
        <translation>Automatic requests of the monitoring data at the given interval.</translation>
    </message>
    <message>
        <source>Запуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Интервал запросов секунд  </source>
        <translation>Request interval, seconds  </translation>
    </message>
    <message>
        <source>Успешные запросы - </source>
        <translation>Successful requests - </translation>
    </message>
    <message>
        <source>Ошибок CRC - </source>
        <translation>CRC errors - </translation>
    </message>
    <message>
        <source>Нет ответа - </source>
        <translation>No answer - </translation>
    </message>
    <message>
        <source>Процент ошибок -</source>
        <translation>Error percentage -</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Добавить ПУТЬ в список портов и выбрать его; tcp://УЗЕЛ[:ПОРТ] или rtu+tcp://УЗЕЛ:ПОРТ выбирает связь по сети.</source>
        <translation>Add PATH to the port list and select it; tcp://HOST[:PORT] or rtu+tcp://HOST:PORT selects a network link.</translation>
    </message>
    <message>
        <source>ПУТЬ</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Запустить в программе имитатор контроллера и выбрать его порт.</source>
        <translation>Start the simulated controller in the program and select its port.</translation>
    </message>
    <message>
        <source>Язык окна: ru или en.</source>
        <translation>The window&apos;s language: ru or en.</translation>
    </message>
    <message>
        <source>Обслуживание и мониторинг контроллера АБ по Modbus RTU.</source>
        <translation>Service and monitoring of the battery controller over Modbus RTU.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>Напряжение АБ</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Напр-е,В</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>Ток АБ</source>
        <translation>Battery current</translation>
    </message>
    <message>
        <source>Ток, А</source>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>С учетом тока утечки!</source>
        <translation>Including the leakage current!</translation>
    </message>
    <message>
        <source> Ср. ток, А</source>
        <translation> Avg. current, A</translation>
    </message>
    <message>
        <source>Усреднение за минуту.</source>
        <translation>Averaged over a minute.</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Мощность, Вт</source>
        <translation>Power, W</translation>
    </message>
    <message>
        <source>Ср. мощность, Вт</source>
        <translation>Avg. power, W</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Помещения</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Балансировка</source>
        <translation>Balancing</translation>
    </message>
    <message>
        <source>Кол-во эл-тов</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Напряжение  элементов</source>
        <translation>Cell voltage</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>№ элемента</source>
        <translation>Cell no.</translation>
    </message>
    <message>
        <source>Средняя</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Состояние заряда АБ</source>
        <translation>Battery state of charge</translation>
    </message>
    <message>
        <source>Степень заряда, А*ч</source>
        <translation>State of charge, A*h</translation>
    </message>
    <message>
        <source>Степень заряда, %</source>
        <translation>State of charge, %</translation>
    </message>
    <message>
        <source>Время до полного разряда, ч</source>
        <translation>Time to empty, h</translation>
    </message>
    <message>
        <source>Ср. время до полного разряда, ч.</source>
        <translation>Avg. time to empty, h.</translation>
    </message>
    <message>
        <source>Характеристики АБ</source>
        <translation>Battery data</translation>
    </message>
    <message>
        <source>Емкость АБ, А*ч</source>
        <translation>Battery capacity, A*h</translation>
    </message>
    <message>
        <source>Число элементов</source>
        <translation>Number of cells</translation>
    </message>
    <message>
        <source>Реальное кол-во элементов.</source>
        <translation>The actual number of cells.</translation>
    </message>
    <message>
        <source>Статус АБ</source>
        <translation>Battery status</translation>
    </message>
    <message>
        <source>Аварии</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Войти</source>
        <translation>Log in</translation>
    </message>
</context>
<context>
    <name>MonitorLogReader</name>
    <message>
        <source>это не строка лога</source>
        <translation>this is not a log line</translation>
    </message>
    <message>
        <source>строка данных до строки заголовка</source>
        <translation>a data line before the header line</translation>
    </message>
    <message>
        <source>в строке заголовка названы не все 35 регистров</source>
        <translation>the header line does not name all 35 registers</translation>
    </message>
    <message>
        <source>в строке меньше полей, чем регистров в заголовке</source>
        <translation>the line has fewer fields than the header has registers</translation>
    </message>
    <message>
        <source>дата и время записаны не в формате этой или локали C и не по ISO 8601</source>
        <translation>the date and time are written neither in this locale&apos;s or the C locale&apos;s format nor in ISO 8601</translation>
    </message>
    <message>
        <source>значения не подходят ни к приведенным единицам, ни к значениям из регистров</source>
        <translation>the values fit neither the converted units nor the register values</translation>
    </message>
    <message>
        <source>значение графика не является числом</source>
        <translation>a graph value is not a number</translation>
    </message>
    <message>
        <source>строка длиннее %1 КБ</source>
        <translation>the line is longer than %1 KB</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>Файл %1 не является логом опроса: в нём нет строки заголовка</source>
        <translation>The file %1 is not a polling log: it has no header line</translation>
    </message>
    <message>
        <source>Лог опроса|*_log.csv|Comma-Separated Values files (*.csv)|*.csv|Все файлы|*.*</source>
        <translation>Polling log|*_log.csv|Comma-Separated Values files (*.csv)|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>Прочитано строк лога: %1. Пропущено строк об ошибках связи: %2, строк, которые не удалось разобрать: %3.</source>
        <translation>Log lines read: %1. Skipped link error lines: %2, lines that could not be parsed: %3.</translation>
    </message>
    <message>
        <source>Точки графика не изменены: в файле %1 нет ни одной строки данных, которую удалось прочитать.</source>
        <translation>The graph points are unchanged: the file %1 has no data line that could be read.</translation>
    </message>
    <message>
        <source> Строк, которые не удалось разобрать: %1; первая из них — строка %2: %3.</source>
        <translation> Lines that could not be parsed: %1; the first of them is line %2: %3.</translation>
    </message>
    <message>
        <source> В нём только строки об ошибках связи (%1).</source>
        <translation> It holds only link error lines (%1).</translation>
    </message>
    <message>
        <source> В нём только строка заголовка.</source>
        <translation> It holds only the header line.</translation>
    </message>
</context>
<context>
    <name>NetworkChoice</name>
    <message>
        <source>Не задан узел: введите имя или адрес</source>
        <translation>No host given: enter a name or an address</translation>
    </message>
    <message>
        <source>TCP-порт должен быть целым числом от 1 до 65535</source>
        <translation>The TCP port must be a whole number from 1 to 65535</translation>
    </message>
</context>
<context>
    <name>PollWorker</name>
    <message>
        <source>Передача прошла успешно</source>
        <translation>Transfer successful</translation>
    </message>
</context>
<context>
    <name>PollingCycle</name>
    <message>
        <source>Нет ответа с </source>
        <translation>No answer since </translation>
    </message>
    <message>
        <source>Порт отключен, ожидание переподключения</source>
        <translation>Port disconnected, waiting to reconnect</translation>
    </message>
    <message>
        <source>Порт снова подключен, опрос продолжается</source>
        <translation>Port connected again, polling goes on</translation>
    </message>
    <message>
        <source>Не удалось открыть файл лога </source>
        <translation>Could not open the log file </translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>StateTables</name>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Главная</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Обновление</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Тест связи</source>
        <translation>Link test</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Аварии</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Заряд</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Калибровка</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Время-Дата</source>
        <translation>Time-Date</translation>
    </message>
    <message>
        <source>Velmora. Версия 2.0</source>
        <translation>Velmora. Version 2.0</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Параметры связи</source>
        <translation>Link settings</translation>
    </message>
    <message>
        <source>Монитор обмена</source>
        <translation>Traffic monitor</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Добавить график</source>
        <translation>Add a graph</translation>
    </message>
    <message>
        <source>Элементы...</source>
        <translation>Cells...</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Названия параметров</source>
        <translation>Parameter names</translation>
    </message>
    <message>
        <source>Мнемоимя регистра Modbus</source>
        <translation>Modbus register mnemonic</translation>
    </message>
    <message>
        <source>Русское наименование</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Значения параметров</source>
        <translation>Parameter values</translation>
    </message>
    <message>
        <source>Значения из регистров Modbus</source>
        <translation>Values from the Modbus registers</translation>
    </message>
    <message>
        <source>Приведенные ед. изм.</source>
        <translation>Converted units</translation>
    </message>
    <message>
        <source>Запись в файл</source>
        <translation>Writing to the file</translation>
    </message>
    <message>
        <source>Сохранять информацию о ошибках связи</source>
        <translation>Save link error information</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Лог</source>
        <translation>Log</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Настройки связи</source>
        <translation>Link settings</translation>
    </message>
    <message>
        <source>Тип связи</source>
        <translation>Link type</translation>
    </message>
    <message>
        <source>COM-порт</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>RTU через TCP</source>
        <translation>RTU over TCP</translation>
    </message>
    <message>
        <source>Имя или адрес узла</source>
        <translation>Host name or address</translation>
    </message>
    <message>
        <source>TCP-порт (1..65535)</source>
        <translation>TCP port (1..65535)</translation>
    </message>
    <message>
        <source>Время ожидания ответа по сети</source>
        <translation>Time to wait for a network reply</translation>
    </message>
    <message>
        <source>Поиск портов</source>
        <translation>Find ports</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Адрес (от 1 до 247))</source>
        <translation>Address (from 1 to 247))</translation>
    </message>
    <message>
        <source>Период опроса, с</source>
        <translation>Polling period, s</translation>
    </message>
    <message>
        <source>Быстрый обмен</source>
        <translation>Fast exchange</translation>
    </message>
    <message>
        <source>Ответ принимается, как только пришёл его последний байт</source>
        <translation>A reply is taken as soon as its last byte has arrived</translation>
    </message>
    <message>
        <source>Переподключаться автоматически</source>
        <translation>Reconnect automatically</translation>
    </message>
    <message>
        <source>Узел</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>TCP-порт</source>
        <translation>TCP port</translation>
    </message>
    <message>
        <source>Тайм-аут сети, мс</source>
        <translation>Network time-out, ms</translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation>Port speed</translation>
    </message>
    <message>
        <source>Параметры передачи</source>
        <translation>Line format</translation>
    </message>
    <message>
        <source>Адрес  Modbus</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <source>Период опроса</source>
        <translation>Polling period</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TFormCells</name>
    <message>
        <source>Элементы</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Разброс напряжений элементов (макс. - мин.)</source>
        <translation>Cell voltage spread (max. - min.)</translation>
    </message>
    <message>
        <source>Номера элементов через запятую, промежутки через дефис: 1-4, 17. Из лога точки элементов читаются, если элементы выбраны до его открытия.</source>
        <translation>Cell numbers separated by commas, ranges with a hyphen: 1-4, 17. A log&apos;s cell points are read if the cells are chosen before it is opened.</translation>
    </message>
    <message>
        <source>Напряжения элементов:</source>
        <translation>Cell voltages:</translation>
    </message>
    <message>
        <source>Температуры элементов:</source>
        <translation>Cell temperatures:</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TFormMonitor</name>
    <message>
        <source>Все кадры</source>
        <translation>All frames</translation>
    </message>
    <message>
        <source>Только ошибки</source>
        <translation>Errors only</translation>
    </message>
    <message>
        <source>Функция 3 (чтение)</source>
        <translation>Function 3 (read)</translation>
    </message>
    <message>
        <source>Функция 16 (запись)</source>
        <translation>Function 16 (write)</translation>
    </message>
    <message>
        <source>Загрузчик</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Автопрокрутка</source>
        <translation>Autoscroll</translation>
    </message>
    <message>
        <source>Монитор обмена</source>
        <translation>Traffic monitor</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Экспорт в CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Отброшено старых кадров: %1</source>
        <translation>Old frames dropped: %1</translation>
    </message>
</context>
<context>
    <name>TFormReport</name>
    <message>
        <source>Участок: %1 – %2, отдано %3 А*ч, средний ток %4 А.</source>
        <translation>Segment: %1 – %2, %3 A*h delivered, mean current %4 A.</translation>
    </message>
    <message>
        <source> Найденная емкость: %1 А*ч</source>
        <translation> Capacity found: %1 A*h</translation>
    </message>
    <message>
        <source> Конечное напряжение не достигнуто.</source>
        <translation> The end voltage was not reached.</translation>
    </message>
    <message>
        <source> Конечная точка не задана.</source>
        <translation> No end point given.</translation>
    </message>
    <message>
        <source> Слабых элементов нет.</source>
        <translation> No weak cells.</translation>
    </message>
    <message>
        <source> Слабые элементы: %1.</source>
        <translation> Weak cells: %1.</translation>
    </message>
    <message>
        <source> Пропусков в логе: %1.</source>
        <translation> Gaps in the log: %1.</translation>
    </message>
    <message>
        <source>Отчёт об испытании</source>
        <translation>Test report</translation>
    </message>
    <message>
        <source>Открыть лог...</source>
        <translation>Open log...</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Лог опроса</source>
        <translation>Polling log</translation>
    </message>
    <message>
        <source>Найти по току</source>
        <translation>Find by current</translation>
    </message>
    <message>
        <source>с</source>
        <translation>from</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Участок разряда</source>
        <translation>Discharge segment</translation>
    </message>
    <message>
        <source>не задано</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Конечное напряжение элемента, В:</source>
        <translation>Cell end voltage, V:</translation>
    </message>
    <message>
        <source>Объект:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Батарея:</source>
        <translation>Battery:</translation>
    </message>
    <message>
        <source>Инженер:</source>
        <translation>Engineer:</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Откройте лог опроса с испытанием разрядом.</source>
        <translation>Open a polling log with a discharge test.</translation>
    </message>
    <message>
        <source>Сохранить PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Сохранить HTML</source>
        <translation>Save HTML</translation>
    </message>
    <message>
        <source>Сохранить CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Лог читается...</source>
        <translation>Reading the log...</translation>
    </message>
    <message>
        <source>Чтение лога отменено.</source>
        <translation>Reading the log was cancelled.</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Конечное напряжение «%1» не является числом вольт.</source>
        <translation>The end voltage &quot;%1&quot; is not a number of volts.</translation>
    </message>
    <message>
        <source>Отчёт об испытании...</source>
        <translation>Test report...</translation>
    </message>
</context>
<context>
    <name>TableFileHandlers</name>
    <message>
        <source>Журнал аварий</source>
        <translation>Alarm journal</translation>
    </message>
    <message>
        <source>Таблица состояния АБ</source>
        <translation>Battery status table</translation>
    </message>
    <message>
        <source>Таблица состояния элементов АБ</source>
        <translation>Battery cell status table</translation>
    </message>
    <message>
        <source>Таблица настроек соединения</source>
        <translation>Link settings table</translation>
    </message>
    <message>
        <source>Таблица настроек аварий</source>
        <translation>Alarm settings table</translation>
    </message>
    <message>
        <source>Таблица настроек заряда</source>
        <translation>Charge settings table</translation>
    </message>
    <message>
        <source>Все файлы</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Файл %1 пуст, таблица не изменена</source>
        <translation>The file %1 is empty, the table is unchanged</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Сохранить в файл</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Очистить журнал</source>
        <translation>Clear journal</translation>
    </message>
    <message>
        <source>Сохранить в блок</source>
        <translation>Write to controller</translation>
    </message>
    <message>
        <source>Сохранить в панель</source>
        <translation>Write to panel</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Направление</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Байты</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Разбор</source>
        <translation>Decode</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>TrendGraphPage</name>
    <message>
        <source>График параметров АБ</source>
        <translation>Battery parameter graph</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Открыть лог</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Максимум:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Минимум:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Очистить график?</source>
        <translation>Clear the graph?</translation>
    </message>
    <message>
        <source>Вы уверены?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Точки графика будут заменены точками лога. Продолжить?</source>
        <translation>The graph points will be replaced by the log&apos;s points. Continue?</translation>
    </message>
    <message>
        <source> Графики для показа выбираются кнопкой «Добавить».</source>
        <translation> The graphs to show are chosen with the &quot;Add&quot; button.</translation>
    </message>
</context>
<context>
    <name>TrendParameters</name>
    <message>
        <source>Uэл.№%1</source>
        <translation>Ucell%1</translation>
    </message>
    <message>
        <source>Tэл.№%1</source>
        <translation>Tcell%1</translation>
    </message>
    <message>
        <source>Разброс Uэл. (макс. - мин.)</source>
        <translation>Ucell spread (max. - min.)</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Опрос модуля контроллера</source>
        <translation>Poll the controller</translation>
    </message>
    <message>
        <source>Сохранить журнал в файл</source>
        <translation>Save the journal to a file</translation>
    </message>
</context>
</TS>
