<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 no ha revisado sus controladores desde hace tiempo. Analice ahora para que su equipo funcione sin problemas.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Es hora de revisar sus controladores</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Analizar ahora</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Recordármelo mañana</translation>
    </message>
</context>
</TS>
