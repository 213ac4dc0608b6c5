<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 nu v-a mai verificat driverele de ceva timp. Scanați acum ca să vă funcționeze computerul fără probleme.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Este timpul să verificați driverele</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Scanați acum</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Amintește-mi mâine</translation>
    </message>
</context>
</TS>
