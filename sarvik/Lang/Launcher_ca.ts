<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 fa temps que no revisa els vostres controladors. Analitzeu-los ara perquè l’ordinador funcioni sense problemes.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>És hora de revisar els controladors</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Analitza ara</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Recorda-m’ho demà</translation>
    </message>
</context>
</TS>
