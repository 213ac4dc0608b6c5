<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 давно не перевіряв ваші драйвери. Запустіть сканування, щоб комп’ютер працював без збоїв.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Час перевірити драйвери</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Сканувати</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Нагадати завтра</translation>
    </message>
</context>
</TS>
