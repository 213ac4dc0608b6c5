<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 давно не проверял ваши драйверы. Запустите сканирование, чтобы компьютер работал без сбоев.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Пора проверить драйверы</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Напомнить завтра</translation>
    </message>
</context>
</TS>
