<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
</TS>
