<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 hat Ihre Treiber schon länger nicht geprüft. Suchen Sie jetzt, damit Ihr Computer reibungslos läuft.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Zeit für eine Treiberprüfung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Morgen erinnern</translation>
    </message>
</context>
</TS>
