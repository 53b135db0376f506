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
        <source>Передача прошла успешно</source>
        <translation>Transmission done</translation>
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
    <name>SyncExchange</name>
    <message>
        <source>Идёт другой обмен с контроллером, повторите команду после него</source>
        <translation>Another exchange with the controller is running, repeat the command after it</translation>
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
</TS>
