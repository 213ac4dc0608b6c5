<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>A(z) %1 egy ideje nem ellenőrizte az illesztőprogramjait. Indítson vizsgálatot, hogy számítógépe zavartalanul működjön.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Ideje ellenőrizni az illesztőprogramokat</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Vizsgálat</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Emlékeztessen holnap</translation>
    </message>
</context>
</TS>
