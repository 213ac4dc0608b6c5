<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 už dlhšie nekontroloval vaše ovládače. Spustite kontrolu, aby počítač bežal bez problémov.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Je čas skontrolovať ovládače</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Skontrolovať</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Pripomenúť zajtra</translation>
    </message>
</context>
</TS>
