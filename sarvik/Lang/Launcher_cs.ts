<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 už nějakou dobu nekontroloval vaše ovladače. Spusťte kontrolu, aby počítač běžel bez problémů.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Je čas zkontrolovat ovladače</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Zkontrolovat</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Připomenout zítra</translation>
    </message>
</context>
</TS>
