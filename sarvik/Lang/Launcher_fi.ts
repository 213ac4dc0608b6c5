<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 ei ole tarkistanut ohjaimiasi vähään aikaan. Tarkista nyt, jotta tietokone toimii sujuvasti.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>On aika tarkistaa ohjaimet</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tarkista nyt</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Muistuta huomenna</translation>
    </message>
</context>
</TS>
