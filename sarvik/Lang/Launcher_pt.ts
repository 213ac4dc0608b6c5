<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>O %1 não verifica seus drivers há algum tempo. Verifique agora para manter seu computador funcionando bem.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Hora de verificar seus drivers</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Lembrar amanhã</translation>
    </message>
</context>
</TS>
