<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AddressCheck</name>
    <message>
        <source>Введите адрес десятичным числом от 0 до 255!</source>
        <translation>Enter the address as a decimal number from 0 to 255!</translation>
    </message>
    <message>
        <source>Адрес должен быть в диапазоне от 0 до 255!</source>
        <translation>The address must be from 0 to 255!</translation>
    </message>
</context>
<context>
    <name>BootRegisters</name>
    <message>
        <source>Регистры загрузчика:</source>
        <translation>Bootloader registers:</translation>
    </message>
    <message>
        <source>Данные основной программы:</source>
        <translation>Application data:</translation>
    </message>
    <message>
        <source>Размер программы = </source>
        <translation>Program size = </translation>
    </message>
    <message>
        <source>кБ</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Версия программы = </source>
        <translation>Program version = </translation>
    </message>
    <message>
        <source>Регистр статуса программы = 0x</source>
        <translation>Program status register = 0x</translation>
    </message>
    <message>
        <source>Версия компилятора = </source>
        <translation>Compiler version = </translation>
    </message>
    <message>
        <source>Дата компиляции = </source>
        <translation>Compiled on = </translation>
    </message>
</context>
<context>
    <name>Bootloader</name>
    <message>
        <source>Нет ответа на пакет №</source>
        <translation>No reply to packet #</translation>
    </message>
    <message>
        <source>Ответ на другой запрос вместо пакета №</source>
        <translation>A reply to another request instead of packet #</translation>
    </message>
    <message>
        <source>Ошибка CRC ответа на пакет №</source>
        <translation>Reply CRC error on packet #</translation>
    </message>
    <message>
        <source>Ответ с ошибкой</source>
        <translation>Error reply</translation>
    </message>
    <message>
        <source>Неверный ответ</source>
        <translation>Wrong reply</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Команда принята!</source>
        <translation>Command accepted!</translation>
    </message>
    <message>
        <source>Очистка флэш-памяти микроконтроллера...</source>
        <translation>Erasing the microcontroller flash...</translation>
    </message>
    <message>
        <source>Флэш память стерта!</source>
        <translation>Flash erased!</translation>
    </message>
    <message>
        <source>Ошибка при стирании</source>
        <translation>Erase error</translation>
    </message>
    <message>
        <source>Программа записана с ошибками!</source>
        <translation>The program was written with errors!</translation>
    </message>
    <message>
        <source>Недопустимый спецкод!</source>
        <translation>Invalid special code!</translation>
    </message>
    <message>
        <source>Программа успешно записана!</source>
        <translation>The program was written successfully!</translation>
    </message>
    <message>
        <source>Ошибочный спецкод!</source>
        <translation>Wrong special code!</translation>
    </message>
    <message>
        <source>Ответ пришёл с опозданием на пакет №</source>
        <translation>Late reply to packet #</translation>
    </message>
    <message>
        <source>Принят пакет №</source>
        <translation>Packet accepted #</translation>
    </message>
    <message>
        <source>Записано байт:</source>
        <translation>Bytes written:</translation>
    </message>
    <message>
        <source>Адрес: 0x</source>
        <translation>Address: 0x</translation>
    </message>
    <message>
        <source>Ошибка принятия пакета №</source>
        <translation>Packet refused #</translation>
    </message>
</context>
<context>
    <name>BootloaderHandlers</name>
    <message>
        <source>Флэш-память контроллера уже стирается или записывается. Если остановить обновление сейчас, в контроллере не будет действующей программы, и обновление придётся запустить снова.
Остановить обновление?</source>
        <translation>The controller&apos;s flash is being erased or written. If the update stops now, the controller will have no valid program and the update must be run again.
Stop the update?</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Идёт обновление ПО: закройте программу после его окончания.</source>
        <translation>A firmware update is running: close the program when it has finished.</translation>
    </message>
</context>
<context>
    <name>BootloaderPage</name>
    <message>
        <source>Чтение памяти</source>
        <translation>Memory read</translation>
    </message>
    <message>
        <source>Чтение регистров</source>
        <translation>Read registers</translation>
    </message>
    <message>
        <source>Адрес регистра</source>
        <translation>Register address</translation>
    </message>
    <message>
        <source>Число регистров</source>
        <translation>Register count</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Регистры загрузчика</source>
        <translation>Bootloader registers</translation>
    </message>
    <message>
        <source>Стирание памяти</source>
        <translation>Erase memory</translation>
    </message>
    <message>
        <source>Область программы</source>
        <translation>Program area</translation>
    </message>
    <message>
        <source>Область настроек</source>
        <translation>Settings area</translation>
    </message>
    <message>
        <source>Функции загрузчика</source>
        <translation>Bootloader functions</translation>
    </message>
    <message>
        <source>Автообновление </source>
        <translation>Automatic update </translation>
    </message>
    <message>
        <source>Автообновление из загрузчика</source>
        <translation>Automatic update from the bootloader</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Инициализация загрузчика</source>
        <translation>Start the bootloader</translation>
    </message>
    <message>
        <source>Программрование</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Перезапуск</source>
        <translation>Restart</translation>
    </message>
</context>
<context>
    <name>CellList</name>
    <message>
        <source>«%1» — не номер элемента и не промежуток номеров от 1 до %2</source>
        <translation>“%1” is neither a cell number nor a range of numbers from 1 to %2</translation>
    </message>
</context>
<context>
    <name>CellOverview</name>
    <message>
        <source>%1 В</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1, разброс %2
мин. №%3 %4, макс. №%5 %6</source>
        <translation>%1, spread %2
min. No. %3 %4, max. No. %5 %6</translation>
    </message>
    <message>
        <source>Элемент %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>Напряжение: %1</source>
        <translation>Voltage: %1</translation>
    </message>
    <message>
        <source>Температура: %1</source>
        <translation>Temperature: %1</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>%1 мВ</source>
        <translation>%1 mV</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
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
    <message>
        <source>файл конфигурации serve (INI): раздел [serve] и [controller ИМЯ] на каждый контроллер</source>
        <translation>serve configuration file (INI): a [serve] section and a [controller NAME] section per controller</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>контроллер для serve: ИМЯ=ПОРТ[,address=N][,baud=B][,format=F][,period=С][,journal=yes][,log=ФАЙЛ|yes][,timeout=МС][,fast=yes]; можно задать несколько раз</source>
        <translation>a controller for serve: NAME=PORT[,address=N][,baud=B][,format=F][,period=S][,journal=yes][,log=FILE|yes][,timeout=MS][,fast=yes]; may be given several times</translation>
    </message>
    <message>
        <source>УЗЕЛ:ПОРТ</source>
        <translation>HOST:PORT</translation>
    </message>
    <message>
        <source>адрес страницы метрик serve (вместо metrics-listen из файла)</source>
        <translation>address of the serve metrics page (instead of metrics-listen from the file)</translation>
    </message>
    <message>
        <source>брокер MQTT для serve: mqtt://УЗЕЛ[:ПОРТ] (вместо mqtt из файла)</source>
        <translation>MQTT broker for serve: mqtt://HOST[:PORT] (instead of mqtt from the file)</translation>
    </message>
    <message>
        <source>Не задан ни один контроллер: укажите --config ФАЙЛ с разделами [controller ИМЯ] или --controller ИМЯ=ПОРТ</source>
        <translation>No controller given: use --config FILE with [controller NAME] sections or --controller NAME=PORT</translation>
    </message>
    <message>
        <source>Метрики: порт %1</source>
        <translation>Metrics: port %1</translation>
    </message>
    <message>
        <source>%1: опрос прекращён</source>
        <translation>%1: polling stopped</translation>
    </message>
    <message>
        <source>Конфигурация перечитана: контроллеров %1</source>
        <translation>Configuration reread: %1 controllers</translation>
    </message>
    <message>
        <source>Конфигурация не принята, опрос идёт по прежней</source>
        <translation>Configuration refused, polling goes on with the previous one</translation>
    </message>
    <message>
        <source>[--config ФАЙЛ] [--controller СПИСОК]... [--metrics-listen УЗЕЛ:ПОРТ] [--mqtt URL]</source>
        <translation>[--config FILE] [--controller LIST]... [--metrics-listen HOST:PORT] [--mqtt URL]</translation>
    </message>
    <message>
        <source>опрос многих контроллеров до SIGTERM или Ctrl+C, каждого со своим периодом; SIGHUP перечитывает файл конфигурации</source>
        <translation>polls many controllers until SIGTERM or Ctrl+C, each at its own period; SIGHUP rereads the configuration file</translation>
    </message>
</context>
<context>
    <name>CommandParameters</name>
    <message>
        <source>Введите десятичное число от 1 до 10000000!</source>
        <translation>Enter a decimal number from 1 to 10000000!</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>CommandSending</name>
    <message>
        <source>Окно ввода пароля</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Введите пароль:</source>
        <translation>Enter the password:</translation>
    </message>
    <message>
        <source>Пароль не принят: вход не выполнен!</source>
        <translation>Password not accepted: not logged in!</translation>
    </message>
    <message>
        <source>Выход не выполнен: вход остался в силе!</source>
        <translation>Logout failed: still logged in!</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Введите новый пароль:</source>
        <translation>Enter the new password:</translation>
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
    <name>DeviceTime</name>
    <message>
        <source>Месяц должен быть от 1 до 12!</source>
        <translation>The month must be from 1 to 12!</translation>
    </message>
    <message>
        <source>Дата за пределами счетчика времени контроллера!</source>
        <translation>The date is outside the controller&apos;s time counter!</translation>
    </message>
    <message>
        <source>Дата должна быть от 01.01.%1 до 31.12.%2!</source>
        <translation>The date must be from 01.01.%1 to 31.12.%2!</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Не найден перевод Qt на русский язык (qtbase_ru.qm)</source>
        <translation>Qt&apos;s Russian translation (qtbase_ru.qm) was not found</translation>
    </message>
    <message>
        <source>Не найден английский перевод программы</source>
        <translation>The program&apos;s English translation was not found</translation>
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
    <name>ModbusFrames</name>
    <message>
        <source>Код функции не поддерживается</source>
        <translation>Function code not supported</translation>
    </message>
    <message>
        <source>Недоступный адрес регистра</source>
        <translation>Register address not available</translation>
    </message>
    <message>
        <source>Недопустимое значение регистра</source>
        <translation>Register value not allowed</translation>
    </message>
    <message>
        <source>Невосстанавливаемая ошибка</source>
        <translation>Unrecoverable error</translation>
    </message>
    <message>
        <source>Запрос принят, идет обработка</source>
        <translation>Request accepted, being processed</translation>
    </message>
    <message>
        <source>Канал занят, повторите запрос позже</source>
        <translation>Link busy, repeat the request later</translation>
    </message>
    <message>
        <source>Ошибка паритета</source>
        <translation>Parity error</translation>
    </message>
</context>
<context>
    <name>MonitorLog</name>
    <message>
        <source>Лог не записывается, строки пропускаются. %1</source>
        <translation>The log is not being written, lines are skipped. %1</translation>
    </message>
    <message>
        <source>Лог снова записывается</source>
        <translation>The log is written again</translation>
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
    <name>NetworkLink</name>
    <message>
        <source>Адрес &quot;%1&quot; не задаёт узел: нужно tcp://УЗЕЛ[:ПОРТ] или rtu+tcp://УЗЕЛ:ПОРТ</source>
        <translation>Address &quot;%1&quot; names no host: tcp://HOST[:PORT] or rtu+tcp://HOST:PORT is needed</translation>
    </message>
    <message>
        <source>Адрес &quot;%1&quot;: нужен TCP-порт от 1 до 65535</source>
        <translation>Address &quot;%1&quot;: a TCP port from 1 to 65535 is needed</translation>
    </message>
    <message>
        <source>Узел %1 не найден</source>
        <translation>Host %1 not found</translation>
    </message>
    <message>
        <source>Узел %1 отказал в соединении</source>
        <translation>Host %1 refused the connection</translation>
    </message>
    <message>
        <source>Нет соединения с %1 за %2 мс</source>
        <translation>No connection to %1 within %2 ms</translation>
    </message>
    <message>
        <source>Соединение с %1 разорвано</source>
        <translation>Connection to %1 closed</translation>
    </message>
    <message>
        <source>Нет связи с %1</source>
        <translation>No link to %1</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>Число &apos;%1&apos; слишком велико</source>
        <translation>The number &apos;%1&apos; is too large</translation>
    </message>
</context>
<context>
    <name>PacketPlan</name>
    <message>
        <source>Передано пакетов: %1 из %2 (принят №%3), осталось %4:%5</source>
        <translation>Packets sent: %1 of %2 (accepted #%3), %4:%5 left</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>Пароль должен быть четыре символа!</source>
        <translation>The password must be four characters!</translation>
    </message>
    <message>
        <source>Пароль должен состоять из символов кодировки Windows-1251!</source>
        <translation>The password must consist of Windows-1251 characters!</translation>
    </message>
</context>
<context>
    <name>PollSequencer</name>
    <message>
        <source> Адрес=%1 Кол-во=%2</source>
        <translation> Address=%1 Count=%2</translation>
    </message>
    <message>
        <source>Данные полученные не влазят в массив.</source>
        <translation>The data received do not fit the array.</translation>
    </message>
    <message>
        <source>Длина ответа не совпадает с запросом.</source>
        <translation>The reply length does not match the request.</translation>
    </message>
    <message>
        <source>Ответ получен.</source>
        <translation>Reply received.</translation>
    </message>
    <message>
        <source>Всего принято %1 байт</source>
        <translation>%1 bytes received in all</translation>
    </message>
</context>
<context>
    <name>PollWorker</name>
    <message>
        <source>Передача прошла успешно</source>
        <translation>Transmission done</translation>
    </message>
    <message>
        <source>Не удалось установить DCB</source>
        <translation>Could not set the port parameters</translation>
    </message>
    <message>
        <source>Порт открыт успешно.</source>
        <translation>Port opened.</translation>
    </message>
    <message>
        <source>Соединение с %1 установлено</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <source>Ошибка передачи</source>
        <translation>Transmission error</translation>
    </message>
    <message>
        <source>, опрос остановлен</source>
        <translation>, polling stopped</translation>
    </message>
    <message>
        <source>Порт отключен, опрос остановлен</source>
        <translation>Port disconnected, polling stopped</translation>
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
    <name>PortList</name>
    <message>
        <source>Таймер задержки адаптера %1: %2 мс, каждый ответ приходит до %2 мс позже. Уменьшить до 1 мс: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <translation>Latency timer of adapter %1: %2 ms, every reply arrives up to %2 ms late. To lower it to 1 ms: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>Не удалось открыть порт. </source>
        <translation>Could not open the port. </translation>
    </message>
    <message>
        <source>Устройства %1 нет: адаптер отключен или выбран не тот порт.</source>
        <translation>Device %1 is missing: the adapter is unplugged or the wrong port is selected.</translation>
    </message>
    <message>
        <source>Нет прав на порт %1, а принадлежит он группе root. Дайте ему группу dialout правилом udev: строка SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%2&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; в файле /etc/udev/rules.d/99-velmora.rules, затем sudo udevadm trigger; добавьте пользователя в группу dialout: sudo usermod -aG dialout $USER и войдите в систему заново.</source>
        <translation>No access to port %1, and it belongs to group root. Give it group dialout with a udev rule: the line SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%2&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in the file /etc/udev/rules.d/99-velmora.rules, then sudo udevadm trigger; add the user to group dialout: sudo usermod -aG dialout $USER and log in again.</translation>
    </message>
    <message>
        <source>Нет прав на порт %1. Добавьте пользователя в группу %2: sudo usermod -aG %2 $USER, затем войдите в систему заново.</source>
        <translation>No access to port %1. Add the user to group %2: sudo usermod -aG %2 $USER, then log in again.</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой.</source>
        <translation>Port %1 is in use by another program.</translation>
    </message>
    <message>
        <source>Порт %1 не открылся.</source>
        <translation>Port %1 did not open.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>RegisterField</name>
    <message>
        <source>&apos;%1&apos;: значение вне диапазона регистра!</source>
        <translation>&apos;%1&apos;: value outside the register&apos;s range!</translation>
    </message>
</context>
<context>
    <name>ReplyReports</name>
    <message>
        <source>Ошибка CRC ответа</source>
        <translation>Reply CRC error</translation>
    </message>
    <message>
        <source>Нет ответа</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>Ответ с ошибкой: </source>
        <translation>Error reply: </translation>
    </message>
    <message>
        <source>Ответ принят корректно</source>
        <translation>Reply accepted</translation>
    </message>
    <message>
        <source>Ответ получен по: </source>
        <translation>Reply received for register: </translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ответ с ошибкой</source>
        <translation>Error reply</translation>
    </message>
    <message>
        <source>Настройки изменены</source>
        <translation>Settings changed</translation>
    </message>
    <message>
        <source>Успешная запись</source>
        <translation>Write done</translation>
    </message>
    <message>
        <source>Что-то пошло не так</source>
        <translation>Something went wrong</translation>
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
    <name>SerialPort</name>
    <message>
        <source>Ошибка открытия порта</source>
        <translation>Port open error</translation>
    </message>
    <message>
        <source>Ошибка сброса порта</source>
        <translation>Port purge error</translation>
    </message>
    <message>
        <source>Ошибка записи настроек порта</source>
        <translation>Port settings write error</translation>
    </message>
    <message>
        <source>Ошибка сброса ошибок порта перед чтением</source>
        <translation>Port error reset failed before reading</translation>
    </message>
    <message>
        <source>Ошибка чтения из порта в буфер</source>
        <translation>Port read error</translation>
    </message>
    <message>
        <source>Ошибка сброса ошибок порта перед записью</source>
        <translation>Port error reset failed before writing</translation>
    </message>
    <message>
        <source>Невозможно поместить в выходной буфер </source>
        <translation>Cannot fit into the output buffer </translation>
    </message>
    <message>
        <source>Ошибка записи в порт</source>
        <translation>Port write error</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>%1: нужно целое число%2 от %3 до %4, задано %5</source>
        <translation>%1: a whole number%2 from %3 to %4 is needed, given %5</translation>
    </message>
    <message>
        <source>%1: нужно yes или no, задано %2</source>
        <translation>%1: yes or no is needed, given %2</translation>
    </message>
    <message>
        <source>%1: нужно одно из %2, задано %3</source>
        <translation>%1: one of %2 is needed, given %3</translation>
    </message>
    <message>
        <source>period: нужно число секунд от 0.25 до 600 (с точкой), задано %1</source>
        <translation>period: a number of seconds from 0.25 to 600 (with a point) is needed, given %1</translation>
    </message>
    <message>
        <source> мс</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>у ключа %1 нет значения</source>
        <translation>key %1 has no value</translation>
    </message>
    <message>
        <source>имя контроллера %1: допустимы только латинские буквы, цифры, «_» и «-»</source>
        <translation>controller name %1: only Latin letters, digits, &quot;_&quot; and &quot;-&quot; are allowed</translation>
    </message>
    <message>
        <source>у контроллера %1 не задан link</source>
        <translation>controller %1 has no link</translation>
    </message>
    <message>
        <source>log = yes: не задан log-folder в разделе [serve]</source>
        <translation>log = yes: no log-folder in the [serve] section</translation>
    </message>
    <message>
        <source>строка не вида «ключ = значение»</source>
        <translation>the line is not of the form &quot;key = value&quot;</translation>
    </message>
    <message>
        <source>ключ %1 стоит вне раздела</source>
        <translation>key %1 is outside any section</translation>
    </message>
    <message>
        <source>ключ %1 уже задан в строке %2</source>
        <translation>key %1 is already given in line %2</translation>
    </message>
    <message>
        <source>неизвестный раздел %1: нужен [serve] или [controller ИМЯ]</source>
        <translation>unknown section %1: [serve] or [controller NAME] is needed</translation>
    </message>
    <message>
        <source>раздел [serve] уже задан в строке %1</source>
        <translation>the [serve] section is already given in line %1</translation>
    </message>
    <message>
        <source>контроллер %1 уже задан в строке %2</source>
        <translation>controller %1 is already given in line %2</translation>
    </message>
    <message>
        <source>%1: файл не читается: %2</source>
        <translation>%1: the file cannot be read: %2</translation>
    </message>
    <message>
        <source>нужно ИМЯ=ПОРТ[,ключ=значение]...</source>
        <translation>NAME=PORT[,key=value]... is needed</translation>
    </message>
    <message>
        <source>%1 не вида ключ=значение</source>
        <translation>%1 is not of the form key=value</translation>
    </message>
    <message>
        <source>контроллер %1 задан дважды</source>
        <translation>controller %1 is given twice</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1 %2: %3</source>
        <translation>Could not read the %1 %2: %3</translation>
    </message>
    <message>
        <source>Адрес &quot;%1&quot;: %2 (нужно АДРЕС:ПОРТ, например %3 или [::1]:9870)</source>
        <translation>Address &quot;%1&quot;: %2 (ADDRESS:PORT is needed, e.g. %3 or [::1]:9870)</translation>
    </message>
    <message>
        <source>не задан порт</source>
        <translation>no port given</translation>
    </message>
    <message>
        <source>адрес IPv6 пишется в квадратных скобках</source>
        <translation>an IPv6 address is written in square brackets</translation>
    </message>
    <message>
        <source>порт должен быть числом от 0 до 65535</source>
        <translation>the port must be a number from 0 to 65535</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не адрес IPv4 или IPv6</source>
        <translation>&quot;%1&quot; is not an IPv4 or IPv6 address</translation>
    </message>
    <message>
        <source>Имя пользователя не должно быть пустым или содержать двоеточие</source>
        <translation>The user name must not be empty or contain a colon</translation>
    </message>
    <message>
        <source>Хеш пароля должен быть SHA-256 из 64 шестнадцатеричных цифр, задано &quot;%1&quot;</source>
        <translation>The password hash must be a SHA-256 of 64 hexadecimal digits, given &quot;%1&quot;</translation>
    </message>
    <message>
        <source>сертификат</source>
        <translation>certificate</translation>
    </message>
    <message>
        <source>ключ</source>
        <translation>key</translation>
    </message>
    <message>
        <source>В файле %1 нет сертификата PEM</source>
        <translation>The file %1 holds no PEM certificate</translation>
    </message>
    <message>
        <source>В файле %1 нет незашифрованного ключа PEM (RSA или EC)</source>
        <translation>The file %1 holds no unencrypted PEM key (RSA or EC)</translation>
    </message>
    <message>
        <source>Не удалось слушать %1: %2</source>
        <translation>Could not listen on %1: %2</translation>
    </message>
    <message>
        <source>Внимание: показания открыты для сети на %1, а не только для этого компьютера%2</source>
        <translation>Warning: the readings are open to the network on %1, not only to this computer%2</translation>
    </message>
    <message>
        <source> (без пароля)</source>
        <translation> (without a password)</translation>
    </message>
    <message>
        <source>MQTT: адрес брокера не понят; нужен mqtt://[пользователь:пароль@]узел[:порт] или mqtts://…</source>
        <translation>MQTT: the broker address is not understood; mqtt://[user:password@]host[:port] or mqtts://… is needed</translation>
    </message>
    <message>
        <source>MQTT: в адресе брокера пароль указан без пользователя</source>
        <translation>MQTT: the broker address gives a password without a user</translation>
    </message>
    <message>
        <source>соединение потеряно</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>брокер не отвечает</source>
        <translation>the broker does not answer</translation>
    </message>
    <message>
        <source>узел не найден</source>
        <translation>host not found</translation>
    </message>
    <message>
        <source>ошибка TLS</source>
        <translation>TLS error</translation>
    </message>
    <message>
        <source>MQTT: клиент не создан (%1)</source>
        <translation>MQTT: the client was not created (%1)</translation>
    </message>
    <message>
        <source>MQTT: префикс тем &quot;%1&quot; не годится</source>
        <translation>MQTT: the topic prefix &quot;%1&quot; is not usable</translation>
    </message>
    <message>
        <source>MQTT: файлы TLS заданы, но адрес брокера не mqtts://</source>
        <translation>MQTT: TLS files are given, but the broker address is not mqtts://</translation>
    </message>
    <message>
        <source>MQTT: файл TLS &quot;%1&quot; не читается</source>
        <translation>MQTT: the TLS file &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>MQTT: файлы TLS не приняты (%1)</source>
        <translation>MQTT: the TLS files were not accepted (%1)</translation>
    </message>
    <message>
        <source>брокер отказал в подключении: %1</source>
        <translation>the broker refused the connection: %1</translation>
    </message>
    <message>
        <source>MQTT: связь с брокером %1 есть</source>
        <translation>MQTT: connected to the broker %1</translation>
    </message>
    <message>
        <source>MQTT: нет связи с брокером %1 (%2), повтор через %3 с</source>
        <translation>MQTT: no connection to the broker %1 (%2), retrying in %3 s</translation>
    </message>
    <message>
        <source>MQTT: сообщение в %1 не отправлено (%2)</source>
        <translation>MQTT: the message to %1 was not sent (%2)</translation>
    </message>
    <message>
        <source>Связь есть</source>
        <translation>Link up</translation>
    </message>
    <message>
        <source>Ответа ещё не было</source>
        <translation>No answer yet</translation>
    </message>
    <message>
        <source>Нет ответа</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>Данные устарели: ответа нет дольше трёх циклов опроса</source>
        <translation>Data are stale: no answer for more than three polling cycles</translation>
    </message>
    <message>
        <source>%1, повтор через %2 с</source>
        <translation>%1, retrying in %2 s</translation>
    </message>
    <message>
        <source>имя контроллера «serve» занято самой программой</source>
        <translation>the controller name &quot;serve&quot; is taken by the program itself</translation>
    </message>
</context>
<context>
    <name>ServiceControls</name>
    <message>
        <source>Калибровка датчика тока</source>
        <translation>Current sensor calibration</translation>
    </message>
    <message>
        <source>Калибровка нуля  датчика тока</source>
        <translation>Current sensor zero calibration</translation>
    </message>
    <message>
        <source>Ток через АБ должен быть равен нулю. При необходимости отключите нагрузку и зарядное устройство от АБ и нажмите кнопку.</source>
        <translation>The pack current must be zero. If needed, disconnect the load and the charger from the pack, then press the button.</translation>
    </message>
    <message>
        <source>Калибровать!</source>
        <translation>Calibrate!</translation>
    </message>
    <message>
        <source>Калибровка измерения датчика тока</source>
        <translation>Current sensor gain calibration</translation>
    </message>
    <message>
        <source>Подключите к АБ нагрузку или зарядное устройство, чтобы задать постоянный ток через АБ. Измерьте ток, впишите его значение в мА в окно ниже и нажмите кнопку.</source>
        <translation>Connect a load or a charger to the pack for a steady pack current. Measure the current, type its value in mA into the field below and press the button.</translation>
    </message>
    <message>
        <source>Уровни заряда</source>
        <translation>Charge levels</translation>
    </message>
    <message>
        <source>Текущий заряд АБ, мА*ч</source>
        <translation>Pack charge now, mAh</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Полный заряд АБ, мА*ч</source>
        <translation>Pack full charge, mAh</translation>
    </message>
    <message>
        <source>Кол-во циклов заряда</source>
        <translation>Charge cycle count</translation>
    </message>
    <message>
        <source>Режимы работы</source>
        <translation>Operating modes</translation>
    </message>
    <message>
        <source>Вкл/выкл. зуммер </source>
        <translation>Buzzer on/off </translation>
    </message>
    <message>
        <source>Заряд АБ (1 - мВт*ч, 0 - мА*ч)</source>
        <translation>Pack charge (1 - mWh, 0 - mAh)</translation>
    </message>
    <message>
        <source>Нумерация элементов (1 - с плюса, 0 - с минуса)</source>
        <translation>Cell numbering (1 - from plus, 0 - from minus)</translation>
    </message>
    <message>
        <source>Алгоритм балансировки (1 - по разности, 0 - по уровню)</source>
        <translation>Balancing method (1 - by difference, 0 - by level)</translation>
    </message>
    <message>
        <source>Перед калибровкой настройте параметры связи!</source>
        <translation>Set up the link before calibrating!</translation>
    </message>
    <message>
        <source>Перед установкой времени и даты настройте параметры связи!</source>
        <translation>Set up the link before setting the time and date!</translation>
    </message>
    <message>
        <source>Установка времени и даты</source>
        <translation>Time and date</translation>
    </message>
    <message>
        <source>Час</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Мин</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Сек</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Считать из блока</source>
        <translation>Read from the controller</translation>
    </message>
    <message>
        <source>Текущее время  Windows</source>
        <translation>Computer time now</translation>
    </message>
    <message>
        <source>Записать в блок</source>
        <translation>Write to the controller</translation>
    </message>
</context>
<context>
    <name>SettingsWrite</name>
    <message>
        <source>Значение должно быть от 0 до 4!</source>
        <translation>The value must be from 0 to 4!</translation>
    </message>
    <message>
        <source>Значение должно быть от 0 до 2!</source>
        <translation>The value must be from 0 to 2!</translation>
    </message>
    <message>
        <source>Значение должно быть от 1 до 247!</source>
        <translation>The value must be from 1 to 247!</translation>
    </message>
    <message>
        <source>Значение должно быть от 1 до 10000!</source>
        <translation>The value must be from 1 to 10000!</translation>
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
<context>
    <name>SyncExchange</name>
    <message>
        <source>Идёт другой обмен с контроллером, повторите команду после него</source>
        <translation>Another exchange with the controller is running, repeat the command after it</translation>
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
    <name>TableTexts</name>
    <message>
        <source>Высокое напряжение элемента</source>
        <translation>Cell overvoltage</translation>
    </message>
    <message>
        <source>Низкое напряжение элемента</source>
        <translation>Cell undervoltage</translation>
    </message>
    <message>
        <source>Напряжение элемента выше среднего</source>
        <translation>Cell voltage above average</translation>
    </message>
    <message>
        <source>Напряжение элемента ниже среднего</source>
        <translation>Cell voltage below average</translation>
    </message>
    <message>
        <source>Высокая температура элемента</source>
        <translation>Cell overtemperature</translation>
    </message>
    <message>
        <source>Низкая температура элемента</source>
        <translation>Cell undertemperature</translation>
    </message>
    <message>
        <source>Температура элемента выше средней</source>
        <translation>Cell temperature above average</translation>
    </message>
    <message>
        <source>Ошибка схемы балансировки</source>
        <translation>Balancing circuit failure</translation>
    </message>
    <message>
        <source>Максимальная температура элемента в АБ</source>
        <translation>Highest cell temperature in the pack</translation>
    </message>
    <message>
        <source>Минимальное температура элемента в АБ</source>
        <translation>Lowest cell temperature in the pack</translation>
    </message>
    <message>
        <source>Максимальное напряжение элемента в АБ</source>
        <translation>Highest cell voltage in the pack</translation>
    </message>
    <message>
        <source>Минимальное напряжение элемента в АБ</source>
        <translation>Lowest cell voltage in the pack</translation>
    </message>
    <message>
        <source>Балансировка</source>
        <translation>Balancing</translation>
    </message>
    <message>
        <source>Элемент нуждается в предзаряде</source>
        <translation>Cell needs pre-charge</translation>
    </message>
    <message>
        <source>Средняя температура АБ выше окружающей</source>
        <translation>Average pack temperature above ambient</translation>
    </message>
    <message>
        <source>Высокая средняя температура АБ</source>
        <translation>High average pack temperature</translation>
    </message>
    <message>
        <source>Высокая температура окружающей среды</source>
        <translation>High ambient temperature</translation>
    </message>
    <message>
        <source>Превышено время разряженного состояния</source>
        <translation>Discharged state lasted too long</translation>
    </message>
    <message>
        <source>Превышен максимальный ток заряда</source>
        <translation>Charge overcurrent</translation>
    </message>
    <message>
        <source>Превышен максимальный ток разряда</source>
        <translation>Discharge overcurrent</translation>
    </message>
    <message>
        <source>Заряд при температуре ниже допустимой</source>
        <translation>Charging below the permitted temperature</translation>
    </message>
    <message>
        <source>Разряд при температуре ниже допустимой</source>
        <translation>Discharging below the permitted temperature</translation>
    </message>
    <message>
        <source>Высокое напряжение буферного режима</source>
        <translation>Float mode overvoltage</translation>
    </message>
    <message>
        <source>Высокий ток буферного режима</source>
        <translation>Float mode overcurrent</translation>
    </message>
    <message>
        <source>Потеря связи с датчиками</source>
        <translation>Link to the sensors lost</translation>
    </message>
    <message>
        <source>Кол-во датчиков не соответствует</source>
        <translation>Sensor count does not match</translation>
    </message>
    <message>
        <source>АБ полностью заряжена</source>
        <translation>Pack fully charged</translation>
    </message>
    <message>
        <source>АБ полностью разряжена</source>
        <translation>Pack fully discharged</translation>
    </message>
    <message>
        <source>Буферный режим</source>
        <translation>Float mode</translation>
    </message>
    <message>
        <source>АБ разряжается</source>
        <translation>Pack discharging</translation>
    </message>
    <message>
        <source>Низкий заряд АБ</source>
        <translation>Low pack charge</translation>
    </message>
    <message>
        <source>Высокий заряд АБ</source>
        <translation>High pack charge</translation>
    </message>
    <message>
        <source>Режим предзаряда</source>
        <translation>Pre-charge mode</translation>
    </message>
    <message>
        <source>Режим балансировки</source>
        <translation>Balancing mode</translation>
    </message>
    <message>
        <source>Низкий заряд АБ (DOUT4)</source>
        <translation>Low pack charge (DOUT4)</translation>
    </message>
    <message>
        <source>Запрет разряда (DOUT2)</source>
        <translation>Discharge disabled (DOUT2)</translation>
    </message>
    <message>
        <source>Перегрев АБ</source>
        <translation>Pack overheated</translation>
    </message>
    <message>
        <source>Заряд малым током (DOUT3)</source>
        <translation>Charging at low current (DOUT3)</translation>
    </message>
    <message>
        <source>Запрет заряда (DOUT1)</source>
        <translation>Charge disabled (DOUT1)</translation>
    </message>
    <message>
        <source>Перезаряд АБ</source>
        <translation>Pack overcharged</translation>
    </message>
    <message>
        <source>Высокое напряжение элемента.</source>
        <translation>Cell overvoltage.</translation>
    </message>
    <message>
        <source>Низкое напряжение элемента.</source>
        <translation>Cell undervoltage.</translation>
    </message>
    <message>
        <source>Напряжение элемента выше среднего.</source>
        <translation>Cell voltage above average.</translation>
    </message>
    <message>
        <source>Напряжение элемента ниже среднего.</source>
        <translation>Cell voltage below average.</translation>
    </message>
    <message>
        <source>Высокая температура элемента.</source>
        <translation>Cell overtemperature.</translation>
    </message>
    <message>
        <source>Низкая температура элемента.</source>
        <translation>Cell undertemperature.</translation>
    </message>
    <message>
        <source>Ошибка схемы балансировки.</source>
        <translation>Balancing circuit failure.</translation>
    </message>
    <message>
        <source>Средняя температура АБ выше окружающей.</source>
        <translation>Average pack temperature above ambient.</translation>
    </message>
    <message>
        <source>Высокая средняя температура АБ.</source>
        <translation>High average pack temperature.</translation>
    </message>
    <message>
        <source>Высокая температура помещения.</source>
        <translation>High room temperature.</translation>
    </message>
    <message>
        <source>Превышено время разряженного состояния.</source>
        <translation>Discharged state lasted too long.</translation>
    </message>
    <message>
        <source>Превышен максимальный ток заряда.</source>
        <translation>Charge overcurrent.</translation>
    </message>
    <message>
        <source>Превышен максимальный ток разряда.</source>
        <translation>Discharge overcurrent.</translation>
    </message>
    <message>
        <source>Заряд при температуре ниже допустимой.</source>
        <translation>Charging below the permitted temperature.</translation>
    </message>
    <message>
        <source>Разряд при температуре ниже допустимой.</source>
        <translation>Discharging below the permitted temperature.</translation>
    </message>
    <message>
        <source>Высокое напряжение буферного режима.</source>
        <translation>Float mode overvoltage.</translation>
    </message>
    <message>
        <source>Высокий ток буферного режима.</source>
        <translation>Float mode overcurrent.</translation>
    </message>
    <message>
        <source>Потеря связи с датчиками.</source>
        <translation>Link to the sensors lost.</translation>
    </message>
    <message>
        <source>Кол-во датчиков не соответствует.</source>
        <translation>Sensor count does not match.</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>c</source>
        <translation>s</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>ч</source>
        <translation>h</translation>
    </message>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>А*ч</source>
        <translation>Ah</translation>
    </message>
    <message>
        <source>мА*ч</source>
        <translation>mAh</translation>
    </message>
    <message>
        <source>Вт*ч</source>
        <translation>Wh</translation>
    </message>
    <message>
        <source>мВт*ч</source>
        <translation>mWh</translation>
    </message>
    <message>
        <source>шт.</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>мОм</source>
        <translation>mOhm</translation>
    </message>
    <message>
        <source>°С</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>мc</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Емкость АБ</source>
        <translation>Pack design capacity</translation>
    </message>
    <message>
        <source>Число элементов АБ</source>
        <translation>Number of cells</translation>
    </message>
    <message>
        <source>ЗАРЕЗЕРВИРОВАНО</source>
        <translation>RESERVED</translation>
    </message>
    <message>
        <source>Версия ПО модуля контроллера</source>
        <translation>Controller firmware version</translation>
    </message>
    <message>
        <source>Напряжение АБ</source>
        <translation>Pack voltage</translation>
    </message>
    <message>
        <source>Ток АБ</source>
        <translation>Pack current</translation>
    </message>
    <message>
        <source>Ток с учетом утечки</source>
        <translation>Current including leakage</translation>
    </message>
    <message>
        <source>Средний ток АБ за минуту</source>
        <translation>Pack current, one-minute average</translation>
    </message>
    <message>
        <source>Среднее напряжение элементов АБ</source>
        <translation>Average cell voltage</translation>
    </message>
    <message>
        <source>Максимальное  напряжение элемента АБ</source>
        <translation>Highest cell voltage</translation>
    </message>
    <message>
        <source>Минимальное  напряжение элемента АБ</source>
        <translation>Lowest cell voltage</translation>
    </message>
    <message>
        <source>Средняя температура элементов АБ</source>
        <translation>Average cell temperature</translation>
    </message>
    <message>
        <source>Максимальная температура элемента АБ</source>
        <translation>Highest cell temperature</translation>
    </message>
    <message>
        <source>Минимальная температура  элемента АБ</source>
        <translation>Lowest cell temperature</translation>
    </message>
    <message>
        <source>Температура окружающей среды</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>0.1°С</source>
        <translation>0.1°C</translation>
    </message>
    <message>
        <source>Степень заряда АБ от полной емкости</source>
        <translation>State of charge of the full capacity</translation>
    </message>
    <message>
        <source>Степень заряда АБ от номинальной емкости</source>
        <translation>State of charge of the design capacity</translation>
    </message>
    <message>
        <source>Текущий заряд АБ</source>
        <translation>Remaining pack charge</translation>
    </message>
    <message>
        <source>Максимально полученный заряд АБ</source>
        <translation>Full charge capacity</translation>
    </message>
    <message>
        <source>Время до полного разряда</source>
        <translation>Time to empty</translation>
    </message>
    <message>
        <source>Время до полного разряда при среднем токе</source>
        <translation>Time to empty at average current</translation>
    </message>
    <message>
        <source>Время до полного заряда при среднем токе</source>
        <translation>Time to full at average current</translation>
    </message>
    <message>
        <source>Регистр режима АБ</source>
        <translation>Pack mode register</translation>
    </message>
    <message>
        <source>Битовое поле</source>
        <translation>Bit field</translation>
    </message>
    <message>
        <source>Регистр состояния АБ</source>
        <translation>Pack status register</translation>
    </message>
    <message>
        <source>Кол-во циклов заряда/разряда</source>
        <translation>Charge/discharge cycle count</translation>
    </message>
    <message>
        <source>Регистр аварийных  предупреждений</source>
        <translation>Alarm warnings register</translation>
    </message>
    <message>
        <source>Регистр аварийных событий</source>
        <translation>Alarm events register</translation>
    </message>
    <message>
        <source>Регистр предупреждений событий заряда</source>
        <translation>Charge warnings register</translation>
    </message>
    <message>
        <source>Регистр событий заряда</source>
        <translation>Charge events register</translation>
    </message>
    <message>
        <source>Регистр состояния дискретных входов/выходов</source>
        <translation>Digital inputs/outputs register</translation>
    </message>
    <message>
        <source>Ток заряда</source>
        <translation>Charge current</translation>
    </message>
    <message>
        <source>10мА</source>
        <translation>10mA</translation>
    </message>
    <message>
        <source>Напряжение заряда</source>
        <translation>Charge voltage</translation>
    </message>
    <message>
        <source>10мВ</source>
        <translation>10mV</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Код команды</source>
        <translation>Command code</translation>
    </message>
    <message>
        <source>Параметр команды</source>
        <translation>Command parameter</translation>
    </message>
    <message>
        <source>Текущее время BMS</source>
        <translation>Controller clock</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Регистр</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Ед.изм.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Напр.</source>
        <translation>Volt.</translation>
    </message>
    <message>
        <source>Темп.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Расшифровка</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Дата-Время</source>
        <translation>Date-Time</translation>
    </message>
    <message>
        <source>Элемент</source>
        <translation>Cell</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>это не обычный файл (устройство, канал или сокет)</source>
        <translation>it is not a regular file (a device, a pipe or a socket)</translation>
    </message>
    <message>
        <source>файл больше %1 МБ, это не таблица</source>
        <translation>the file is larger than %1 MB, it is no table</translation>
    </message>
    <message>
        <source>файл больше %1 байт, это не таблица</source>
        <translation>the file is larger than %1 bytes, it is no table</translation>
    </message>
    <message>
        <source>имя файла не задано</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>это не текстовый файл</source>
        <translation>it is not a text file</translation>
    </message>
    <message>
        <source>в нём больше %1 строк, столько таблица не вмещает</source>
        <translation>it has more than %1 lines, more than the table holds</translation>
    </message>
</context>
<context>
    <name>TrafficFrame</name>
    <message>
        <source>инициализация загрузчика</source>
        <translation>bootloader start</translation>
    </message>
    <message>
        <source>стирание памяти</source>
        <translation>memory erase</translation>
    </message>
    <message>
        <source>пакет прошивки</source>
        <translation>firmware packet</translation>
    </message>
    <message>
        <source>завершение и перезапуск</source>
        <translation>finish and restart</translation>
    </message>
    <message>
        <source>исключение %1%2</source>
        <translation>exception %1%2</translation>
    </message>
    <message>
        <source>загрузчик: </source>
        <translation>bootloader: </translation>
    </message>
    <message>
        <source>чтение </source>
        <translation>read </translation>
    </message>
    <message>
        <source>чтение</source>
        <translation>read</translation>
    </message>
    <message>
        <source>запись </source>
        <translation>write </translation>
    </message>
    <message>
        <source>запись</source>
        <translation>write</translation>
    </message>
    <message>
        <source>функция 0x%1</source>
        <translation>function 0x%1</translation>
    </message>
    <message>
        <source>адрес %1</source>
        <translation>address %1</translation>
    </message>
    <message>
        <source>корректный</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>ошибка CRC</source>
        <translation>CRC error</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>no reply</translation>
    </message>
    <message>
        <source>слишком длинный</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>неверная длина</source>
        <translation>wrong length</translation>
    </message>
    <message>
        <source>исключение</source>
        <translation>exception</translation>
    </message>
    <message>
        <source>неверный ответ</source>
        <translation>wrong reply</translation>
    </message>
    <message>
        <source>чужой ответ</source>
        <translation>stray reply</translation>
    </message>
    <message>
        <source>опрос</source>
        <translation>polling</translation>
    </message>
    <message>
        <source>команда</source>
        <translation>command</translation>
    </message>
    <message>
        <source>загрузчик</source>
        <translation>bootloader</translation>
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
    <name>UpdateProcedures</name>
    <message>
        <source>Программа контроллера не изменена.</source>
        <translation>The controller&apos;s program is unchanged.</translation>
    </message>
    <message>
        <source>Программа контроллера могла быть стерта: управление остаётся у загрузчика, запустите обновление снова.</source>
        <translation>The controller&apos;s program may have been erased: the bootloader stays in control, run the update again.</translation>
    </message>
    <message>
        <source>В контроллере нет действующей программы: управление остаётся у загрузчика, запустите обновление снова.</source>
        <translation>The controller has no valid program: the bootloader stays in control, run the update again.</translation>
    </message>
    <message>
        <source>Обновление прервано оператором.</source>
        <translation>The update was stopped by the operator.</translation>
    </message>
    <message>
        <source>Обновление прервано</source>
        <translation>Update stopped</translation>
    </message>
    <message>
        <source>Ошибка инициализации бутлоадера, попытки исчерпаны.</source>
        <translation>Bootloader start failed, no attempts left.</translation>
    </message>
    <message>
        <source>Чтение регистров бутлоадера.</source>
        <translation>Reading the bootloader registers.</translation>
    </message>
    <message>
        <source>Ошибка чтения регистров бутлоадера, попытки исчерпаны.</source>
        <translation>Bootloader register read failed, no attempts left.</translation>
    </message>
    <message>
        <source>Свободно: </source>
        <translation>Free: </translation>
    </message>
    <message>
        <source> кбайт.</source>
        <translation> KB.</translation>
    </message>
    <message>
        <source>Недостаточно свободной памяти микроконтроллера!</source>
        <translation>Not enough free microcontroller memory!</translation>
    </message>
    <message>
        <source>Ошибка стирания флэш, попытки исчерпаны.</source>
        <translation>Flash erase failed, no attempts left.</translation>
    </message>
    <message>
        <source>Ошибка пересылки пакета, попытки исчерпаны.</source>
        <translation>Packet transfer failed, no attempts left.</translation>
    </message>
    <message>
        <source>файл больше 65535 кбайт, столько флэш-памяти у загрузчика не бывает</source>
        <translation>the file is larger than 65535 KB, more flash than any bootloader has</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Размер файла: </source>
        <translation>File size: </translation>
    </message>
    <message>
        <source> байт.</source>
        <translation> bytes.</translation>
    </message>
    <message>
        <source>Контрольная сумма файла не верна!</source>
        <translation>The file checksum is wrong!</translation>
    </message>
    <message>
        <source>Файл слишком мал для образа прошивки: %1 байт.</source>
        <translation>The file is too small for a firmware image: %1 bytes.</translation>
    </message>
    <message>
        <source>Необычная длина файла: %1 байт, не кратна 4 (так бывает у обрезанного образа).</source>
        <translation>Unusual file length: %1 bytes, not a multiple of 4 (as with a truncated image).</translation>
    </message>
    <message>
        <source>
Продолжить обновление?</source>
        <translation>
Go on with the update?</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Обновление не начато.</source>
        <translation>The update was not started.</translation>
    </message>
    <message>
        <source>---Старт обновления ПО.---</source>
        <translation>---Firmware update started.---</translation>
    </message>
    <message>
        <source>---Обновление ПО завершено!---</source>
        <translation>---Firmware update finished!---</translation>
    </message>
    <message>
        <source>Ожидание перезапуска прервано оператором: программа записана, её запуск не проверен.</source>
        <translation>The wait for the restart was stopped by the operator: the program is written, its start was not checked.</translation>
    </message>
    <message>
        <source>Версия ПО контроллера после перезапуска: </source>
        <translation>Controller firmware version after the restart: </translation>
    </message>
    <message>
        <source>Контроллер остался в загрузчике: основная программа не запустилась.</source>
        <translation>The controller stayed in its bootloader: the application did not start.</translation>
    </message>
    <message>
        <source>Контроллер не ответил после перезапуска.</source>
        <translation>The controller did not answer after the restart.</translation>
    </message>
    <message>
        <source>---Завершено!---</source>
        <translation>---Finished!---</translation>
    </message>
    <message>
        <source>Ошибки связи, попытки исчерпаны.</source>
        <translation>Link errors, no attempts left.</translation>
    </message>
    <message>
        <source>Введите адрес десятичным числом от 0 до %1!</source>
        <translation>Enter the address as a decimal number from 0 to %1!</translation>
    </message>
    <message>
        <source>Адрес должен быть в диапазоне от 0 до %1!</source>
        <translation>The address must be from 0 to %1!</translation>
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
