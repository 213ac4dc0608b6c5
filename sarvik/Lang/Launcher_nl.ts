<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 heeft uw stuurprogramma’s al een tijdje niet gecontroleerd. Scan nu om uw computer soepel te laten draaien.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Tijd om uw stuurprogramma’s te controleren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Nu scannen</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Morgen herinneren</translation>
    </message>
</context>
</TS>
