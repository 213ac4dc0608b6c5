<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 har ikke sjekket driverne dine på en stund. Skann nå for at datamaskinen skal gå problemfritt.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Tid for å sjekke driverne</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Skann nå</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Minn meg på i morgen</translation>
    </message>
</context>
</TS>
