<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 has not checked your drivers for a while. Scan now to keep your computer running smoothly.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Time to check your drivers</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Scan now</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Remind me tomorrow</translation>
    </message>
</context>
</TS>
