<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 non controlla i tuoi driver da un po’. Avvia una scansione per mantenere il computer efficiente.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>È ora di controllare i driver</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Ricordamelo domani</translation>
    </message>
</context>
</TS>
