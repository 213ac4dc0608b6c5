<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 od dawna nie sprawdzał Twoich sterowników. Przeskanuj teraz, aby komputer działał sprawnie.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Czas sprawdzić sterowniki</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Skanuj teraz</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Przypomnij jutro</translation>
    </message>
</context>
</TS>
