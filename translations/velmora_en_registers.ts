<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
    <name>MonitorLog</name>
    <message>
        <source>Лог не записывается, строки пропускаются. %1</source>
        <translation>The log is not being written, lines are skipped. %1</translation>
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
    <name>RegisterField</name>
    <message>
        <source>&apos;%1&apos;: значение вне диапазона регистра!</source>
        <translation>&apos;%1&apos;: value outside the register&apos;s range!</translation>
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
</TS>
