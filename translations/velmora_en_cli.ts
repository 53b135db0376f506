<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Cli</name>
    <message>
        <source>ПОРТ</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>последовательный порт: имя (ttyUSB0) или полный путь (/dev/serial/by-id/...); Modbus TCP: tcp://УЗЕЛ[:ПОРТ] (порт 502 по умолчанию); RTU через TCP: rtu+tcp://УЗЕЛ:ПОРТ</source>
        <translation>serial port: a name (ttyUSB0) or a full path (/dev/serial/by-id/...); Modbus TCP: tcp://HOST[:PORT] (port 502 by default); RTU over TCP: rtu+tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>скорость: 9600, 19200, 38400, 57600 или 115200 (по умолчанию 115200)</source>
        <translation>baud rate: 9600, 19200, 38400, 57600 or 115200 (115200 by default)</translation>
    </message>
    <message>
        <source>формат кадра: 8N1, 8E1 или 8O1 (по умолчанию 8N1)</source>
        <translation>frame format: 8N1, 8E1 or 8O1 (8N1 by default)</translation>
    </message>
    <message>
        <source>адрес контроллера Modbus от 0 до 255 (по умолчанию 238)</source>
        <translation>Modbus address of the controller, 0 to 255 (238 by default)</translation>
    </message>
    <message>
        <source>быстрый обмен: ответ принят, как только пришёл его последний байт</source>
        <translation>fast exchange: a reply is taken as soon as its last byte has come</translation>
    </message>
    <message>
        <source>МС</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>тайм-аут ответа по сети в мс, от 100 до 10000 (по умолчанию 1000)</source>
        <translation>network reply time-out in ms, 100 to 10000 (1000 by default)</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>числа и даты в локали C или заданной (ru_RU); по умолчанию локаль пользователя</source>
        <translation>numbers and dates in the C locale or the one named (ru_RU); the user&apos;s locale by default</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>LANG</translation>
    </message>
    <message>
        <source>язык справки и сообщений: ru (русский) или en (английский); по умолчанию VELMORA_LANG, иначе язык, выбранный в окне</source>
        <translation>language of the help and messages: ru (Russian) or en (English); by default VELMORA_LANG, else the language chosen in the window</translation>
    </message>
    <message>
        <source>значения из регистров Modbus вместо приведённых единиц</source>
        <translation>Modbus register values instead of scaled units</translation>
    </message>
    <message>
        <source>приведённые единицы (четыре значащие цифры) вместо значений из регистров</source>
        <translation>scaled units (four significant digits) instead of register values</translation>
    </message>
    <message>
        <source>мнемоимена регистров вместо русских наименований</source>
        <translation>register mnemonics instead of their names</translation>
    </message>
    <message>
        <source>напряжения, температуры и состояние всех элементов АБ</source>
        <translation>voltages, temperatures and status of every cell of the pack</translation>
    </message>
    <message>
        <source>вывод строками CSV, как в файле таблицы (в report: --csv ФАЙЛ, таблица элементов)</source>
        <translation>output as CSV lines, as in the table file (in report: --csv FILE, the table of the cells)</translation>
    </message>
    <message>
        <source>вывод в JSON: у каждого значения текст и число (&quot;number&quot;)</source>
        <translation>output as JSON: every value with its text and its number (&quot;number&quot;)</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>сохранить таблицу в файл, как кнопка «Сохранить в файл»</source>
        <translation>save the table to a file, as the &quot;Save to file&quot; button does</translation>
    </message>
    <message>
        <source>таблица настроек: rs (связь), alarm (аварии) или charge (заряд)</source>
        <translation>settings table: rs (link), alarm (alarms) or charge (charge)</translation>
    </message>
    <message>
        <source>записать в контроллер без вопроса</source>
        <translation>write to the controller without asking</translation>
    </message>
    <message>
        <source>С</source>
        <translation>S</translation>
    </message>
    <message>
        <source>период опроса в секундах, от 0.25 до 600 (по умолчанию 1)</source>
        <translation>polling period in seconds, 0.25 to 600 (1 by default)</translation>
    </message>
    <message>
        <source>записать N строк и завершить работу (по умолчанию до Ctrl+C)</source>
        <translation>write N lines and stop (until Ctrl+C by default)</translation>
    </message>
    <message>
        <source>файл лога мониторинга; без него строки лога выводятся на экран</source>
        <translation>monitoring log file; without it the log lines go to the screen</translation>
    </message>
    <message>
        <source>завершить опрос с кодом 1 после N циклов подряд без ответа (по умолчанию 10)</source>
        <translation>stop polling with code 1 after N cycles in a row without an answer (10 by default)</translation>
    </message>
    <message>
        <source>контроллер уже находится в загрузчике</source>
        <translation>the controller is in the bootloader already</translation>
    </message>
    <message>
        <source>начало участка разряда: 2024-03-05T08:10:00 или дата и время, как в логе</source>
        <translation>start of the discharge segment: 2024-03-05T08:10:00 or a date and time as in the log</translation>
    </message>
    <message>
        <source>конец участка разряда; без --from и --to участок находится по току разряда</source>
        <translation>end of the discharge segment; without --from and --to the segment is found by the discharge current</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>конечное напряжение элемента, В: по нему находится емкость</source>
        <translation>end voltage of a cell, V: the capacity is found by it</translation>
    </message>
    <message>
        <source>записать отчёт в PDF</source>
        <translation>write the report as PDF</translation>
    </message>
    <message>
        <source>записать отчёт в один файл HTML с рисунками внутри</source>
        <translation>write the report as one HTML file with the pictures inside</translation>
    </message>
    <message>
        <source>ТЕКСТ</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>объект для заголовка отчёта</source>
        <translation>site for the report&apos;s header</translation>
    </message>
    <message>
        <source>батарея для заголовка отчёта</source>
        <translation>battery for the report&apos;s header</translation>
    </message>
    <message>
        <source>инженер для заголовка отчёта</source>
        <translation>engineer for the report&apos;s header</translation>
    </message>
    <message>
        <source>обновить и образом, длина которого не кратна 4</source>
        <translation>update even with an image whose length is not a multiple of 4</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>program version</translation>
    </message>
    <message>
        <source>Неизвестный параметр --%1</source>
        <translation>Unknown option --%1</translation>
    </message>
    <message>
        <source>Параметр --%1 задан дважды</source>
        <translation>Option --%1 given twice</translation>
    </message>
    <message>
        <source>Параметр --%1 не принимает значения</source>
        <translation>Option --%1 takes no value</translation>
    </message>
    <message>
        <source>Параметру --%1 нужно значение %2</source>
        <translation>Option --%1 needs a value %2</translation>
    </message>
    <message>
        <source>--%1: нужно целое число от %2 до %3, задано &quot;%4&quot;</source>
        <translation>--%1: a whole number from %2 to %3 is needed, given &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--%1: нужно %2 от %3 до %4, задано &quot;%5&quot;</source>
        <translation>--%1: %2 from %3 to %4 is needed, given &quot;%5&quot;</translation>
    </message>
    <message>
        <source>число секунд</source>
        <translation>a number of seconds</translation>
    </message>
    <message>
        <source>Не задан порт: укажите --port (список портов: velmora-cli ports)</source>
        <translation>No port given: name one with --port (the list of ports: velmora-cli ports)</translation>
    </message>
    <message>
        <source>--baud: скорость должна быть одной из %1, задано &quot;%2&quot;</source>
        <translation>--baud: the baud rate must be one of %1, given &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--format: формат должен быть одним из %1, задано &quot;%2&quot;</source>
        <translation>--format: the format must be one of %1, given &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--timeout: нужно целое число мс от %1 до %2, задано &quot;%3&quot;</source>
        <translation>--timeout: a whole number of ms from %1 to %2 is needed, given &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--locale: неизвестная локаль &quot;%1&quot;</source>
        <translation>--locale: unknown locale &quot;%1&quot;</translation>
    </message>
    <message>
        <source> [д/н]: </source>
        <translation> [y/n]: </translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>в ответе меньше регистров, чем запрошено</source>
        <translation>the reply holds fewer registers than asked for</translation>
    </message>
    <message>
        <source>Чтение регистров с 0x%1: %2</source>
        <translation>Reading registers from 0x%1: %2</translation>
    </message>
    <message>
        <source>Ответ с ошибкой: </source>
        <translation>Error reply: </translation>
    </message>
    <message>
        <source>Ответ длиннее допустимого</source>
        <translation>Reply longer than allowed</translation>
    </message>
    <message>
        <source>Ошибка CRC ответа</source>
        <translation>Reply CRC error</translation>
    </message>
    <message>
        <source>Нет ответа</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>Ответ с неожиданным кодом функции</source>
        <translation>Reply with an unexpected function code</translation>
    </message>
    <message>
        <source> [д/н]: нет (если образ верен, повторите с --allow-unaligned)</source>
        <translation> [y/n]: no (if the image is right, run again with --allow-unaligned)</translation>
    </message>
    <message>
        <source>Опрос остановлен: ни один цикл не получил ответа</source>
        <translation>Polling stopped: no cycle got an answer</translation>
    </message>
    <message>
        <source>Нет ответа %1 циклов подряд: опрос остановлен</source>
        <translation>No answer for %1 cycles in a row: polling stopped</translation>
    </message>
    <message>
        <source>Лог снова записывается</source>
        <translation>The log is written again</translation>
    </message>
    <message>
        <source>--%1: не удалось прочитать дату и время &quot;%2&quot;; нужно, например, 2024-03-05T08:10:00 или дата и время, как в логе</source>
        <translation>--%1: cannot read the date and time &quot;%2&quot;; give, for example, 2024-03-05T08:10:00 or a date and time as in the log</translation>
    </message>
    <message>
        <source>напряжение в вольтах</source>
        <translation>a voltage in volts</translation>
    </message>
    <message>
        <source>Отчёт записан: %1</source>
        <translation>Report written: %1</translation>
    </message>
    <message>
        <source>Нет файла лога %1</source>
        <translation>No log file %1</translation>
    </message>
    <message>
        <source>Прочитано строк лога: %1. Пропущено строк об ошибках связи: %2, строк, которые не удалось разобрать: %3.</source>
        <translation>Log lines read: %1. Skipped link error lines: %2, lines that could not be parsed: %3.</translation>
    </message>
    <message>
        <source>. Отчёт не составлен.</source>
        <translation>. No report made.</translation>
    </message>
    <message>
        <source>Время задаётся как now или &quot;дд.мм.гггг чч:мм:сс&quot;, задано &quot;%1&quot;</source>
        <translation>The time is given as now or &quot;dd.mm.yyyy hh:mm:ss&quot;, given &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Нет такой даты или времени: %1</source>
        <translation>No such date or time: %1</translation>
    </message>
    <message>
        <source>Часы контроллера установлены: %1</source>
        <translation>Controller clock set: %1</translation>
    </message>
    <message>
        <source>Отличия от значений контроллера (%1):</source>
        <translation>Differences from the controller&apos;s values (%1):</translation>
    </message>
    <message>
        <source> (регистр %1 → %2)</source>
        <translation> (register %1 → %2)</translation>
    </message>
    <message>
        <source>%1: в контроллер не записывается, регистр не входит в блок записи</source>
        <translation>%1: not written to the controller, the register is not in the written block</translation>
    </message>
    <message>
        <source>Записать %1 изм. в контроллер?</source>
        <translation>Write %1 change(s) to the controller?</translation>
    </message>
    <message>
        <source>Ответа нет (стандартный ввод закрыт), ничего не записано; для записи без вопроса укажите --yes</source>
        <translation>No answer (standard input closed), nothing written; to write without asking give --yes</translation>
    </message>
    <message>
        <source>Запись отменена, ничего не записано</source>
        <translation>Write cancelled, nothing written</translation>
    </message>
    <message>
        <source>Все значения приняты контроллером</source>
        <translation>The controller took every value</translation>
    </message>
    <message>
        <source>Контроллер не принял значения (%1):</source>
        <translation>The controller did not take values (%1):</translation>
    </message>
    <message>
        <source>  %1 %2: записано %3, прочитано %4</source>
        <translation>  %1 %2: written %3, read %4</translation>
    </message>
    <message>
        <source>--table: нужна таблица rs, alarm или charge%1</source>
        <translation>--table: the table rs, alarm or charge is needed%1</translation>
    </message>
    <message>
        <source>, задано &quot;%1&quot;</source>
        <translation>, given &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Параметры --raw и --scaled исключают друг друга</source>
        <translation>Options --raw and --scaled exclude each other</translation>
    </message>
    <message>
        <source>Таблица сохранена в файл %1</source>
        <translation>Table saved to file %1</translation>
    </message>
    <message>
        <source>Файл %1 не загружен, ничего не записано. %2</source>
        <translation>File %1 not loaded, nothing written. %2</translation>
    </message>
    <message>
        <source>Значения файла совпадают со значениями контроллера, запись не нужна</source>
        <translation>The file&apos;s values are the controller&apos;s, no write needed</translation>
    </message>
    <message>
        <source>Адрес, скорость или формат связи изменены: контроллер отвечает уже с новыми настройками, проверка чтением не выполнялась</source>
        <translation>Address, baud rate or frame format changed: the controller answers with the new settings now, no read-back check was made</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>В файле %1 строк, у таблицы с заголовком их %2</source>
        <translation>The file has %1 lines, the table with its header has %2</translation>
    </message>
    <message>
        <source>%1: ожидается регистр «%2», в файле «%3»</source>
        <translation>%1: register &quot;%2&quot; expected, the file has &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: лишняя строка после регистра «%2»</source>
        <translation>%1: extra line after register &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: единица «%2» не «%3» и не «%4»</source>
        <translation>%1: unit &quot;%2&quot; is neither &quot;%3&quot; nor &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 и %2: единицы измерения из разных видов значений</source>
        <translation>%1 and %2: units of different views of the values</translation>
    </message>
    <message>
        <source>Строка 2: нет первого регистра таблицы настроек связи (RS485_Address), аварий (COV_Threshold) или заряда (CF_Voltage)</source>
        <translation>Line 2: not the first register of the link settings table (RS485_Address), the alarm table (COV_Threshold) or the charge table (CF_Voltage)</translation>
    </message>
    <message>
        <source>Последовательные порты не найдены</source>
        <translation>No serial ports found</translation>
    </message>
    <message>
        <source>Параметры --csv и --json исключают друг друга</source>
        <translation>Options --csv and --json exclude each other</translation>
    </message>
    <message>
        <source>В журнале нет пустой записи: место записи в кольце не определить, журнал не показан</source>
        <translation>The journal has no empty record: its place in the ring cannot be found, journal not shown</translation>
    </message>
    <message>
        <source>последовательные порты компьютера</source>
        <translation>the computer&apos;s serial ports</translation>
    </message>
    <message>
        <source>[--cells] [--raw] [--mnemonics] [--csv|--json] [--save ФАЙЛ]</source>
        <translation>[--cells] [--raw] [--mnemonics] [--csv|--json] [--save FILE]</translation>
    </message>
    <message>
        <source>регистры состояния АБ (0..49) одним запросом, с --cells таблица элементов: таблица, CSV или JSON</source>
        <translation>the pack&apos;s status registers (0..49) in one request, with --cells the table of the cells: a table, CSV or JSON</translation>
    </message>
    <message>
        <source>[--json] [--save ФАЙЛ]</source>
        <translation>[--json] [--save FILE]</translation>
    </message>
    <message>
        <source>журнал аварий в CSV или JSON, новые записи первыми</source>
        <translation>the alarm journal as CSV or JSON, newest records first</translation>
    </message>
    <message>
        <source>ФАЙЛ --table rs|alarm|charge [--scaled]</source>
        <translation>FILE --table rs|alarm|charge [--scaled]</translation>
    </message>
    <message>
        <source>таблица настроек в файл, как её сохраняет окно; в значениях регистров (точная копия), если не задано --scaled</source>
        <translation>a settings table to a file, as the window saves it; in register values (an exact copy) unless --scaled is given</translation>
    </message>
    <message>
        <source>ФАЙЛ [--yes]</source>
        <translation>FILE [--yes]</translation>
    </message>
    <message>
        <source>таблица настроек из файла: отличия, вопрос, запись, проверка чтением</source>
        <translation>a settings table from a file: the differences, a question, the write, a read-back check</translation>
    </message>
    <message>
        <source>калибровка нуля датчика тока</source>
        <translation>zero calibration of the current sensor</translation>
    </message>
    <message>
        <source>ТОК_МА</source>
        <translation>CURRENT_MA</translation>
    </message>
    <message>
        <source>калибровка датчика тока по измеренному току, мА</source>
        <translation>calibration of the current sensor by a measured current, mA</translation>
    </message>
    <message>
        <source>текущий заряд АБ, мА*ч</source>
        <translation>present charge of the pack, mA*h</translation>
    </message>
    <message>
        <source>полный заряд АБ, мА*ч</source>
        <translation>full charge capacity of the pack, mA*h</translation>
    </message>
    <message>
        <source>количество циклов заряда</source>
        <translation>number of charge cycles</translation>
    </message>
    <message>
        <source>[now|&quot;дд.мм.гггг чч:мм:сс&quot;]</source>
        <translation>[now|&quot;dd.mm.yyyy hh:mm:ss&quot;]</translation>
    </message>
    <message>
        <source>без аргумента показывает часы контроллера, иначе устанавливает их</source>
        <translation>without an argument shows the controller&apos;s clock, else sets it</translation>
    </message>
    <message>
        <source>очистка журнала аварий</source>
        <translation>clearing of the alarm journal</translation>
    </message>
    <message>
        <source>[--period С] [--count N] [--log ФАЙЛ] [--raw] [--max-misses N]</source>
        <translation>[--period S] [--count N] [--log FILE] [--raw] [--max-misses N]</translation>
    </message>
    <message>
        <source>опрос с записью лога мониторинга, до Ctrl+C, N строк или N циклов без ответа</source>
        <translation>polling that writes the monitoring log, until Ctrl+C, N lines or N cycles without an answer</translation>
    </message>
    <message>
        <source>ОБРАЗ [--from-bootloader] [--allow-unaligned]</source>
        <translation>IMAGE [--from-bootloader] [--allow-unaligned]</translation>
    </message>
    <message>
        <source>автоматическое обновление прошивки из файла образа *.bin</source>
        <translation>automatic firmware update from an image file *.bin</translation>
    </message>
    <message>
        <source>ЛОГ [--from T] [--to T] [--end-voltage В] [--pdf ФАЙЛ] [--html ФАЙЛ] [--csv ФАЙЛ] [--json] [--site ТЕКСТ] [--battery ТЕКСТ] [--engineer ТЕКСТ]</source>
        <translation>LOG [--from T] [--to T] [--end-voltage V] [--pdf FILE] [--html FILE] [--csv FILE] [--json] [--site TEXT] [--battery TEXT] [--engineer TEXT]</translation>
    </message>
    <message>
        <source>отчёт об испытании разрядом по логу мониторинга: емкость, слабые элементы, сопротивление; без файлов выводит итоги</source>
        <translation>discharge test report from a monitoring log: capacity, weak cells, resistance; without files prints the summary</translation>
    </message>
    <message>
        <source> --port ПОРТ</source>
        <translation> --port PORT</translation>
    </message>
    <message>
        <source>Справка: velmora-cli --help</source>
        <translation>Help: velmora-cli --help</translation>
    </message>
    <message>
        <source>Использование: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>velmora-cli: контроллер АБ из командной строки (Modbus RTU по последовательному порту).</source>
        <translation>velmora-cli: the battery controller from the command line (Modbus RTU over a serial port).</translation>
    </message>
    <message>
        <source>Команды:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Коды завершения:</source>
        <translation>Exit codes:</translation>
    </message>
    <message>
        <source>  0  выполнено</source>
        <translation>  0  done</translation>
    </message>
    <message>
        <source>  1  нет ответа или ответ неверен (ошибка CRC, длина, порт не открылся или пропал, порта нет); у poll также циклы без ответа подряд или остановка до первого ответа</source>
        <translation>  1  no answer or a wrong reply (CRC error, length, the port did not open or vanished, no such port); for poll also cycles in a row without an answer or a stop before the first answer</translation>
    </message>
    <message>
        <source>  2  ошибка в командной строке или во входных данных (ничего не отправлено)</source>
        <translation>  2  error in the command line or in the input (nothing sent)</translation>
    </message>
    <message>
        <source>  3  отказ контроллера: ответ-исключение или записанное значение не принято</source>
        <translation>  3  the controller refused: an exception reply or a written value not taken</translation>
    </message>
    <message>
        <source>  4  ошибка файла</source>
        <translation>  4  file error</translation>
    </message>
    <message>
        <source>--lang: нужен язык ru или en, задано &quot;%1&quot;</source>
        <translation>--lang: the language ru or en is needed, given &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Не задана команда</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>Неизвестная команда: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Неверное число аргументов команды %1</source>
        <translation>Wrong number of arguments for command %1</translation>
    </message>
    <message>
        <source>Параметр --%1 не относится к команде %2</source>
        <translation>Option --%1 does not belong to command %2</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>нет права записи</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>Файл %1 не записать: %2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>В логе нет строк с напряжениями элементов</source>
        <translation>The log has no lines with cell voltages</translation>
    </message>
    <message>
        <source>В заданном промежутке меньше двух строк лога</source>
        <translation>The given span holds fewer than two log lines</translation>
    </message>
    <message>
        <source>В логе нет участка разряда: ток разряда больше %1 А (%2 % емкости АБ в час) нигде не держался %3 мин</source>
        <translation>The log has no discharge segment: a discharge current above %1 A (%2 % of the pack&apos;s capacity per hour) held nowhere for %3 min</translation>
    </message>
    <message>
        <source>элемент %1</source>
        <translation>cell %1</translation>
    </message>
    <message>
        <source>Напряжение и ток разряда АБ</source>
        <translation>Pack voltage and discharge current</translation>
    </message>
    <message>
        <source>Разброс напряжений элементов</source>
        <translation>Spread of cell voltages</translation>
    </message>
    <message>
        <source>Напряжение элементов в конечной точке</source>
        <translation>Cell voltages at the end point</translation>
    </message>
    <message>
        <source>Пять самых слабых элементов против медианы</source>
        <translation>The five weakest cells against the median</translation>
    </message>
    <message>
        <source>Внутреннее сопротивление элементов</source>
        <translation>Internal resistance of the cells</translation>
    </message>
    <message>
        <source>Время от начала разряда, ч</source>
        <translation>Time from the start of discharge, h</translation>
    </message>
    <message>
        <source>Напряжение, В</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>конечная точка</source>
        <translation>end point</translation>
    </message>
    <message>
        <source>напряжение</source>
        <translation>voltage</translation>
    </message>
    <message>
        <source>ток</source>
        <translation>current</translation>
    </message>
    <message>
        <source>Напряжение АБ, В</source>
        <translation>Pack voltage, V</translation>
    </message>
    <message>
        <source>Ток разряда, А</source>
        <translation>Discharge current, A</translation>
    </message>
    <message>
        <source>наибольшее</source>
        <translation>highest</translation>
    </message>
    <message>
        <source>медиана</source>
        <translation>median</translation>
    </message>
    <message>
        <source>наименьшее</source>
        <translation>lowest</translation>
    </message>
    <message>
        <source>конечное напряжение</source>
        <translation>end voltage</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>слабый элемент</source>
        <translation>weak cell</translation>
    </message>
    <message>
        <source>Сопротивление, мОм</source>
        <translation>Resistance, mOhm</translation>
    </message>
    <message>
        <source>Нет оценки: в участке меньше трёх ступеней тока</source>
        <translation>No estimate: the segment has fewer than three current steps</translation>
    </message>
    <message>
        <source>1,5 медианы</source>
        <translation>1.5 × median</translation>
    </message>
    <message>
        <source>Ток разряда по всему логу</source>
        <translation>Discharge current over the whole log</translation>
    </message>
    <message>
        <source>участок разряда</source>
        <translation>discharge segment</translation>
    </message>
    <message>
        <source>Ток, А</source>
        <translation>Current, A</translation>
    </message>
    <message>
        <source>низкое напряжение</source>
        <translation>low voltage</translation>
    </message>
    <message>
        <source>высокое сопротивление</source>
        <translation>high resistance</translation>
    </message>
    <message>
        <source>не задана</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>не достигнута</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>Конечное напряжение не задано, поэтому конечная точка не задана и емкость не определена: отдано за весь участок %1 А*ч.</source>
        <translation>No end voltage given, so there is no end point and no capacity: the whole segment discharged %1 A*h.</translation>
    </message>
    <message>
        <source>Ни один элемент не достиг конечного напряжения %1 В: емкость не меньше отданных за участок %2 А*ч.</source>
        <translation>No cell reached the end voltage %1 V: the capacity is at least the %2 A*h discharged in the segment.</translation>
    </message>
    <message>
        <source>В логе %1 пропуск(ов) дольше трёх периодов опроса: за это время ампер-часы не считались.</source>
        <translation>The log has %1 gap(s) longer than three polling periods: no ampere-hours were counted in them.</translation>
    </message>
    <message>
        <source>Емкость АБ в логе равна 0: процент емкости не определён, пороги тока разряда и ступеней тока равны 0.</source>
        <translation>The pack&apos;s capacity in the log is 0: no capacity percentage, the thresholds of the discharge current and of the current steps are 0.</translation>
    </message>
    <message>
        <source>Строк с другим числом элементов: %1, они не учтены.</source>
        <translation>Lines with another number of cells: %1, they are left out.</translation>
    </message>
    <message>
        <source>Участок разряда</source>
        <translation>Discharge segment</translation>
    </message>
    <message>
        <source>найден по току разряда</source>
        <translation>found by the discharge current</translation>
    </message>
    <message>
        <source>задан вручную</source>
        <translation>given by hand</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Длительность, ч:мм:сс</source>
        <translation>Duration, h:mm:ss</translation>
    </message>
    <message>
        <source>Отдано, А*ч</source>
        <translation>Discharged, A*h</translation>
    </message>
    <message>
        <source>Отдано, Вт*ч</source>
        <translation>Discharged, W*h</translation>
    </message>
    <message>
        <source>Средний ток разряда, А</source>
        <translation>Mean discharge current, A</translation>
    </message>
    <message>
        <source>Напряжение АБ в начале, В</source>
        <translation>Pack voltage at the start, V</translation>
    </message>
    <message>
        <source>Напряжение АБ в конце, В</source>
        <translation>Pack voltage at the end, V</translation>
    </message>
    <message>
        <source>Конечное напряжение элемента, В</source>
        <translation>End voltage of a cell, V</translation>
    </message>
    <message>
        <source>не задано</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Конечная точка</source>
        <translation>End point</translation>
    </message>
    <message>
        <source>Найденная емкость, А*ч</source>
        <translation>Capacity found, A*h</translation>
    </message>
    <message>
        <source>Найденная емкость, % номинальной</source>
        <translation>Capacity found, % of rated</translation>
    </message>
    <message>
        <source>Температура элементов, °С (мин. / сред. / макс.)</source>
        <translation>Cell temperature, °C (min. / mean / max.)</translation>
    </message>
    <message>
        <source>Температура окружающей среды, °С (мин. / сред. / макс.)</source>
        <translation>Ambient temperature, °C (min. / mean / max.)</translation>
    </message>
    <message>
        <source>датчика нет</source>
        <translation>no sensor</translation>
    </message>
    <message>
        <source>Период опроса, с</source>
        <translation>Polling period, s</translation>
    </message>
    <message>
        <source>Пропуски в логе</source>
        <translation>Gaps in the log</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Итоги испытания</source>
        <translation>Test summary</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>U в начале, В</source>
        <translation>U at the start, V</translation>
    </message>
    <message>
        <source>U в конечной точке, В</source>
        <translation>U at the end point, V</translation>
    </message>
    <message>
        <source>U мин., В</source>
        <translation>U min., V</translation>
    </message>
    <message>
        <source>Достиг конечного напряжения</source>
        <translation>Reached the end voltage</translation>
    </message>
    <message>
        <source>Отклонение от медианы, мВ</source>
        <translation>Deviation from the median, mV</translation>
    </message>
    <message>
        <source>T макс., °С</source>
        <translation>T max., °C</translation>
    </message>
    <message>
        <source>R, мОм</source>
        <translation>R, mOhm</translation>
    </message>
    <message>
        <source>Ступеней тока</source>
        <translation>Current steps</translation>
    </message>
    <message>
        <source>Слабый</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Слабые элементы</source>
        <translation>Weak cells</translation>
    </message>
    <message>
        <source>Причина</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Отчёт об испытании АБ разрядом</source>
        <translation>Pack discharge test report</translation>
    </message>
    <message>
        <source>Батарея</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Инженер</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Версия ПО контроллера</source>
        <translation>Controller firmware version</translation>
    </message>
    <message>
        <source>Число элементов</source>
        <translation>Number of cells</translation>
    </message>
    <message>
        <source>Номинальная емкость, А*ч</source>
        <translation>Rated capacity, A*h</translation>
    </message>
    <message>
        <source>Дата испытания</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>Отчёт составлен</source>
        <translation>Report made</translation>
    </message>
    <message>
        <source>Слабых элементов нет.</source>
        <translation>No weak cells.</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Слабых элементов нет</source>
        <translation>No weak cells</translation>
    </message>
    <message>
        <source>Страница %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Графики (окончание)</source>
        <translation>Charts (continued)</translation>
    </message>
</context>
<context>
    <name>Sim</name>
    <message>
        <source>--%1: нужно целое число от %2 до %3, задано &quot;%4&quot;</source>
        <translation>--%1: a whole number from %2 to %3 is needed, given &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--%1 действует только вместе с --discharge</source>
        <translation>--%1 works only together with --discharge</translation>
    </message>
    <message>
        <source>--%1: нужно %2, задано &quot;%3&quot;</source>
        <translation>--%1: %2 is needed, given &quot;%3&quot;</translation>
    </message>
    <message>
        <source>число ампер от 0,1 до 2000</source>
        <translation>a number of amperes from 0.1 to 2000</translation>
    </message>
    <message>
        <source>ТОК:СЕКУНДЫ, ток от 0 до 2000 А, время от 1 до 86400 с</source>
        <translation>AMPS:SECONDS, a current from 0 to 2000 A, a time from 1 to 86400 s</translation>
    </message>
    <message>
        <source>номера элементов от 1 до %1 (1-4, 17)</source>
        <translation>cell numbers from 1 to %1 (1-4, 17)</translation>
    </message>
    <message>
        <source>СПИСОК:МОМ, номера элементов от 1 до %1 (1-4, 17) и сопротивление от 0 до 1000 мОм</source>
        <translation>LIST:MILLIOHM, cell numbers from 1 to %1 (1-4, 17) and a resistance from 0 to 1000 mOhm</translation>
    </message>
    <message>
        <source>число от 1 до 100000</source>
        <translation>a number from 1 to 100000</translation>
    </message>
    <message>
        <source>Не удалось записать %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Имитатор контроллера АБ: отвечает по Modbus RTU на псевдотерминале.</source>
        <translation>Simulated battery controller: answers Modbus RTU on a pseudo-terminal.</translation>
    </message>
    <message>
        <source>Адрес контроллера (1..255), по умолчанию 238.</source>
        <translation>Controller address (1..255), 238 by default.</translation>
    </message>
    <message>
        <source>Число элементов АБ (1..200), по умолчанию 16.</source>
        <translation>Number of cells in the pack (1..200), 16 by default.</translation>
    </message>
    <message>
        <source>Символьная ссылка на псевдотерминал.</source>
        <translation>Symbolic link to the pseudo-terminal.</translation>
    </message>
    <message>
        <source>Не менять значения от цикла к циклу.</source>
        <translation>Do not change the values from cycle to cycle.</translation>
    </message>
    <message>
        <source>Отдавать ответы со скоростью линии (бод: 9600..115200), как настоящий контроллер.</source>
        <translation>Send replies at the line&apos;s speed (baud: 9600..115200), as a real controller does.</translation>
    </message>
    <message>
        <source>Задержка перед ответом в мс при --paced (0..1000), по умолчанию 2.</source>
        <translation>Delay before a reply in ms with --paced (0..1000), 2 by default.</translation>
    </message>
    <message>
        <source>Время записи пакета прошивки во флэш в мс (0..5000): ответ на пакет уходит после него, по умолчанию 0.</source>
        <translation>Time to write a firmware packet to flash in ms (0..5000): the packet&apos;s reply goes after it, 0 by default.</translation>
    </message>
    <message>
        <source>Записать файл прошивки, который примет загрузчик, и выйти.</source>
        <translation>Write a firmware file the bootloader accepts, and exit.</translation>
    </message>
    <message>
        <source>Отвечать также по Modbus TCP на этом TCP-порту (1..65535).</source>
        <translation>Answer Modbus TCP on this TCP port as well (1..65535).</translation>
    </message>
    <message>
        <source>Отвечать также кадрами RTU через TCP на этом TCP-порту (1..65535).</source>
        <translation>Answer RTU frames over TCP on this TCP port as well (1..65535).</translation>
    </message>
    <message>
        <source>Адрес IPv4 для приёма соединений, по умолчанию 127.0.0.1.</source>
        <translation>IPv4 address to accept connections on, 127.0.0.1 by default.</translation>
    </message>
    <message>
        <source>Задержка ответа по сети в мс (0..10000), по умолчанию 0.</source>
        <translation>Network reply delay in ms (0..10000), 0 by default.</translation>
    </message>
    <message>
        <source>Размер файла прошивки в килобайтах (1..248), по умолчанию 32.</source>
        <translation>Size of the firmware file in kilobytes (1..248), 32 by default.</translation>
    </message>
    <message>
        <source>Испытание разрядом: АБ начинает полной и разряжается током AMPS (0,1..2000 А), пока не опустеет первый элемент.</source>
        <translation>Discharge test: the pack starts full and is discharged with AMPS (0.1..2000 A) until the first cell is empty.</translation>
    </message>
    <message>
        <source>Ступени тока: ток разряда сменяется током AMPS и обратно каждые SECONDS секунд.</source>
        <translation>Current steps: the discharge current changes to AMPS and back every SECONDS seconds.</translation>
    </message>
    <message>
        <source>Слабые элементы (номера и промежутки: 1-4, 17): у них 80 % емкости.</source>
        <translation>Weak cells (numbers and ranges: 1-4, 17): they have 80 % of the capacity.</translation>
    </message>
    <message>
        <source>Сопротивление элементов из списка в мОм (у остальных 1 мОм); можно задать несколько раз.</source>
        <translation>Resistance of the listed cells in mOhm (1 mOhm for the others); may be given several times.</translation>
    </message>
    <message>
        <source>Язык сообщений: ru или en; по умолчанию VELMORA_LANG, иначе язык, выбранный в окне.</source>
        <translation>Language of the messages: ru or en; by default VELMORA_LANG, else the language chosen in the window.</translation>
    </message>
    <message>
        <source>Батарея и часы контроллера идут в K раз быстрее (1..100000).</source>
        <translation>The battery and the controller&apos;s clock run K times faster (1..100000).</translation>
    </message>
    <message>
        <source>--lang: нужен язык ru или en, задано &quot;%1&quot;</source>
        <translation>--lang: the language ru or en is needed, given &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--tcp и --rtu-tcp вместе не задаются</source>
        <translation>--tcp and --rtu-tcp cannot be given together</translation>
    </message>
    <message>
        <source>Контроллер с адресом %1 и %2 элементами слушает порт %3%4%5. Остановка: Ctrl+C.</source>
        <translation>Controller with address %1 and %2 cells listens on port %3%4%5. Stop: Ctrl+C.</translation>
    </message>
    <message>
        <source> (ссылка %1)</source>
        <translation> (link %1)</translation>
    </message>
    <message>
        <source> и %1</source>
        <translation> and %1</translation>
    </message>
</context>
<context>
    <name>SimulatedController</name>
    <message>
        <source>Число элементов должно быть от 1 до %1, задано %2</source>
        <translation>The number of cells must be from 1 to %1, given %2</translation>
    </message>
    <message>
        <source>Адрес 0 зарезервирован для широковещательных запросов</source>
        <translation>Address 0 is reserved for broadcast requests</translation>
    </message>
    <message>
        <source>Не удалось открыть псевдотерминал: %1</source>
        <translation>Cannot open a pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>Не удалось настроить псевдотерминал: %1</source>
        <translation>Cannot set up the pseudo-terminal: %1</translation>
    </message>
    <message>
        <source>Не удалось узнать имя псевдотерминала: %1</source>
        <translation>Cannot get the pseudo-terminal&apos;s name: %1</translation>
    </message>
    <message>
        <source>Не удалось создать ссылку %1: такой файл уже есть</source>
        <translation>Cannot create link %1: such a file exists already</translation>
    </message>
    <message>
        <source>Не удалось создать ссылку %1: %2</source>
        <translation>Cannot create link %1: %2</translation>
    </message>
    <message>
        <source>Адрес для приёма соединений &quot;%1&quot; не является адресом IPv4</source>
        <translation>The address to accept connections on &quot;%1&quot; is no IPv4 address</translation>
    </message>
    <message>
        <source>Не удалось принимать соединения на %1:%2: %3</source>
        <translation>Cannot accept connections on %1:%2: %3</translation>
    </message>
</context>
</TS>
